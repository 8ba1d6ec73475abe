// Tests of the cab simulator's vehicle side: encoding of named signals into
// port words, the vehicle model's run over its own clock, the display's
// requests (acknowledge, DDS paging, inching) through the emulated
// controller, the scenarios, the steering commands, the keypad and touch
// frames, and ddu-sim with its three ptys.

#include "sim/command_interpreter.h"
#include "sim/dds_log.h"
#include "sim/frames.h"
#include "display_side.h"
#include "sim/mvb_commands.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/panel_input.h"
#include "sim/signal_encoding.h"
#include "sim/vehicle_commands.h"
#include "sim/vehicle_model.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cmath>
#include <thread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using sim::MvbControllerEmulator;
using sim::Phase;
using sim::Scenario;
using sim::VehicleModel;

namespace {

using namespace display_side;

constexpr quint16 kSink = 0x402;
constexpr quint16 kSource = 0x802;

void configurePort(MvbControllerEmulator& e, quint16 logical, quint16 index, int fcode, quint16 kind)
{
    wr(e, quint16(2 * logical), index);
    wr(e, quint16(0xC000 + 8 * index), quint16((fcode << 12) | kind));
    wr(e, quint16(0xC000 + 8 * index + 2), 0);
    if (kind == kSink)
        wr(e, quint16(0xC000 + 8 * index + 4), 0);
}

// The words of a sink port as the display reads them: the page selected by bit 6.
QVector<quint16> readSink(MvbControllerEmulator& e, quint16 index, int n)
{
    const int status = rd(e, quint16(0xC000 + 8 * index + 2));
    const quint16 page = quint16(0x4000 + (index >> 2) * 64 + ((status >> 6) & 1) * 32);
    QVector<quint16> words;
    for (int i = 0; i < n; ++i)
        words << quint16(rd(e, quint16(page + 2 * i)));
    return words;
}

// Freshness of a sink port as the display computes it: ~tack.
int freshness(MvbControllerEmulator& e, quint16 index)
{
    return quint16(~rd(e, quint16(0xC000 + 8 * index + 4)));
}

// The display writing its output port: the selected page, then the flip.
void writeSource(MvbControllerEmulator& e, quint16 index, const QVector<quint16>& words)
{
    const quint16 pcs1 = quint16(0xC000 + 8 * index + 2);
    const int status = rd(e, pcs1);
    const quint16 page = quint16(0x4000 + (index >> 2) * 64 + ((status >> 6) & 1) * 32);
    for (int i = 0; i < words.size(); ++i)
        wr(e, quint16(page + 2 * i), words[i]);
    wr(e, pcs1, quint16(status ^ 0x40));
}

double published(const MvbControllerEmulator& e, const char* name)
{
    const sim::SignalInfo* info = sim::findSignal(QString::fromLatin1(name));
    return info ? sim::decodeSignal(*info, e.publishedDataset(info->port)) : std::nan("");
}

// What the display derives from an effort word: Check_Negative_Value(w) x 100 / 4096.
int effortPercent(quint16 word)
{
    const int signedValue = (word & 0x8000) ? -(65536 - int(word)) : int(word);
    return int(double(signedValue) * 100.0 / 4096.0);
}

// Runs the model until `predicate` holds (at most `limitMs` of model time, in 100 ms steps).
template <typename P>
bool runUntil(VehicleModel& m, P predicate, qint64 limitMs = 600000)
{
    for (qint64 t = 0; t < limitMs; t += 100) {
        m.advance(100);
        if (predicate(m.state()))
            return true;
    }
    return false;
}

int openRaw(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 10;
    tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

QByteArray readBytes(int fd, int n)
{
    QByteArray out;
    char buf[64];
    while (out.size() < n) {
        const ssize_t r = ::read(fd, buf, size_t(std::min<int>(int(sizeof buf), n - out.size())));
        if (r <= 0)
            break;
        out.append(buf, int(r));
    }
    return out;
}

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

} // namespace

class TestVehicle : public QObject
{
    Q_OBJECT

private slots:
    // ---- encoding ----
    void encodeNamedSignal_data();
    void encodeNamedSignal();
    void encodeKeepsOtherBits();
    void scaledRoundTrip();
    void signalTable();

    // ---- the run ----
    void runGoesThroughEveryPhase();
    void valuesFollowTheRun();
    void lifeSignsChangeEveryPublication();
    void pauseAndTimeScale();
    void messagesOfTheRun();
    void activeCab2();
    void acknowledgeWithdrawsMessage();
    void standstill();
    void demoReducesPower();

    // ---- DDS ----
    void ddsDefaultEvents();
    void ddsCodeValid_data();
    void ddsCodeValid();
    void ddsPagingThroughController();
    void displayWritesWhileModelRuns();

    // ---- inching, stale, multi, overrides ----
    void inching();
    void staleScenario();
    void multiScenario();
    void overrides();
    void commands_data();
    void commands();

    // ---- keypad and touch ----
    void touchInverseEveryPoint();
    void touchFrames();
    void keypadFrames_data();
    void keypadFrames();
    void keySequences();

    // ---- ddu-sim ----
    void program();
};

// ---------------------------------------------------------------- encoding

void TestVehicle::encodeNamedSignal_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("expected");

    QTest::newRow("speed 87.5 km/h") << "FLG1_D50_XSpeedLoco" << 87.5 << 3110 << 6 << 3584;
    // 110 x 4096 / 100 = 4505.6: rounded to the nearest word (4505 would read 109.98 V).
    QTest::newRow("battery 110 V") << "FLG1_D21_XU_Battery" << 110.0 << 3100 << 6 << 4506;
    QTest::newRow("brake pipe 5.0") << "FLG1_D45_XPrAutoBkLn" << 5.0 << 3110 << 0 << 2048;
    QTest::newRow("catenary 25 kV") << "FLG1_D21_XUprim" << 25.0 << 3100 << 4 << 10240;
    QTest::newRow("primary current clamped to 13 bits") << "FLG1_D21_XIprim" << 2500.0 << 3100 << 5 << 0x1FFF;
    QTest::newRow("negative scaled value clamped to 0") << "FLG1_D50_XSpeedLoco" << -3.0 << 3110 << 6 << 0;
    QTest::newRow("effort 100 %") << "FLG1_D46_XTE_BE_Loco" << 100.0 << 3100 << 3 << 4096;
    QTest::newRow("effort -50 %") << "FLG1_D53_WTE_BE_Loco" << -50.0 << 3100 << 2 << 0x10000 - 2048;
    QTest::newRow("input power -1000 kW") << "SLG1_D04_XPN" << -1000.0 << 3700 << 1 << 0x10000 - 410;
    QTest::newRow("loco number") << "FLG1_D00_MLocoNum1" << 31028.0 << 3110 << 7 << 31028;
    QTest::newRow("sub-system 01 isolated: high byte") << "FLG1_D54_BSubS01_Off" << 4.0 << 1310 << 0 << 0x0400;
    QTest::newRow("sub-system 02 isolated: low byte") << "FLG1_D54_BSubS02_Off" << 4.0 << 1310 << 0 << 0x0004;
    QTest::newRow("cab 1 active: bus order bit 8") << "FLG1_D23_MCab1Active" << 1.0 << 3100 << 0 << 0x0100;
    QTest::newRow("motor slave 1: bit 0") << "MVB_DDU_MotorSlave1_SLG1" << 1.0 << 3110 << 14 << 0x0001;
    QTest::newRow("compressor unload: bit 0") << "HBB2_D02_BEPCPUnload" << 1.0 << 3400 << 3 << 0x0001;
    QTest::newRow("black buzzer: bit 10") << "HBB2_D02_BBuzzBlack" << 1.0 << 3400 << 3 << 0x0400;
    QTest::newRow("multiple operation") << "multiOpMode_slave1_active" << 1.0 << 2510 << 4 << 0x0100;
    QTest::newRow("inching screen cab 1: bit 14") << "DDA1_97_InchScreenAct" << 1.0 << 1302 << 1 << 0x4000;
    QTest::newRow("inching screen cab 2: bit 11") << "DDA2_97_InchScreenAct" << 1.0 << 1800 << 1 << 0x0800;
    QTest::newRow("converter coolant pressure, factor 1") << "SLG1_D88_XPressureCv" << 2.5 << 3700 << 5 << 10240;
}

void TestVehicle::encodeNamedSignal()
{
    QFETCH(QString, name);
    QFETCH(double, value);
    QFETCH(int, port);
    QFETCH(int, word);
    QFETCH(int, expected);
    const sim::SignalInfo* info = sim::findSignal(name);
    QVERIFY(info);
    QCOMPARE(int(info->port), port);
    QCOMPARE(info->word, word);
    QVector<quint16> words(16, 0);
    sim::encodeSignal(*info, value, words);
    QCOMPARE(int(words[word]), expected);
    for (int i = 0; i < words.size(); ++i) {
        if (i != word)
            QCOMPARE(words[i], quint16(0));
    }
}

void TestVehicle::encodeKeepsOtherBits()
{
    QVector<quint16> words;
    sim::encodeSignal(*sim::findSignal(QStringLiteral("FLG1_D13_LPanUpWish")), 1, words);  // bit 10
    sim::encodeSignal(*sim::findSignal(QStringLiteral("FLG1_D07_MVCB_On")), 1, words);     // bit 13
    QCOMPARE(words.size(), 1);
    QCOMPARE(words[0], quint16(0x2400));
    sim::encodeSignal(*sim::findSignal(QStringLiteral("FLG1_D13_LPanUpWish")), 0, words);
    QCOMPARE(words[0], quint16(0x2000));
    // A byte signal keeps the other byte.
    QVector<quint16> states(1, 0x0004);
    sim::encodeSignal(*sim::findSignal(QStringLiteral("FLG1_D54_BSubS01_Off")), 99, states);
    QCOMPARE(states[0], quint16(0x6304));
}

void TestVehicle::scaledRoundTrip()
{
    // Every scaled signal decodes to within half a step of what was encoded.
    for (const sim::SignalInfo& s : sim::signalTable()) {
        if (s.encoding != sim::SignalEncoding::Scaled && s.encoding != sim::SignalEncoding::SignedScaled)
            continue;
        const double step = s.factor / 4096.0;
        const double maximum = (s.encoding == sim::SignalEncoding::Scaled ? s.mask : 32767) * step;
        for (double fraction : {0.0, 0.013, 0.37, 0.5, 0.999}) {
            const double value = maximum * fraction * (s.encoding == sim::SignalEncoding::SignedScaled ? -1 : 1);
            QVector<quint16> words;
            sim::encodeSignal(s, value, words);
            QVERIFY2(std::abs(sim::decodeSignal(s, words) - value) <= step / 2 + 1e-9, s.name);
        }
    }
}

void TestVehicle::signalTable()
{
    // Every signal lies inside its port as the display reads it (size 1 << F-code).
    QHash<quint16, int> size;
    for (const sim::PortSpec& p : sim::cyclePorts())
        size.insert(p.port, p.sizeWords());
    QCOMPARE(sim::cyclePorts().size(), 42);
    QCOMPARE(sim::cyclePorts().first().port, quint16(3100));
    QCOMPARE(sim::cyclePorts().last().port, quint16(1700));
    QSet<QString> names;
    for (const sim::SignalInfo& s : sim::signalTable()) {
        QVERIFY2(size.contains(s.port), s.name);
        QVERIFY2(s.word < size.value(s.port), s.name);
        QVERIFY2(!names.contains(QString::fromLatin1(s.name)), s.name);
        names.insert(QString::fromLatin1(s.name));
    }
    QCOMPARE(sim::signalTable().size(), int(sim::sig::Count));
    QCOMPARE(QString::fromLatin1(sim::signalInfo(sim::sig::FLG1_D50_XSpeedLoco).name),
             QStringLiteral("FLG1_D50_XSpeedLoco"));
    QVERIFY(!sim::findSignal(QStringLiteral("flg1_d50_xspeedloco")));
    QVERIFY(sim::signalNames(QStringLiteral("dda1_")).contains(QStringLiteral("DDA1_97_WSetSpeedInch")));
}

// ---------------------------------------------------------------- the run

void TestVehicle::runGoesThroughEveryPhase()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    QList<Phase> seen{m.state().phase};
    double topSpeed = 0.0;
    for (int i = 0; i < 3000 && seen.size() < 10; ++i) {
        m.advance(100);
        const sim::VehicleState s = m.state();
        topSpeed = std::max(topSpeed, s.speedKmh);
        if (s.phase != seen.last())
            seen << s.phase;
    }
    const QList<Phase> expected{Phase::Parked,  Phase::PanRaising, Phase::PanUp,   Phase::VcbClosed, Phase::Traction,
                                Phase::Cruising, Phase::Braking,   Phase::Stopped, Phase::Shutdown,  Phase::Parked};
    QCOMPARE(seen, expected);
    QVERIFY(topSpeed > 99.0 && topSpeed < 103.0);
}

void TestVehicle::valuesFollowTheRun()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    m.publish();
    // Parked: pan down, VCB open, battery without charger, brake pipe charged.
    QCOMPARE(published(e, "FLG1_D07_MVCB_On"), 0.0);
    QCOMPARE(published(e, "HBB2_D01_LPanUp"), 0.0);
    QCOMPARE(e.publishedDataset(3110).value(0), quint16(2048));  // 5.0 kg/cm2
    QCOMPARE(published(e, "FLG1_D23_MCab1Active"), 1.0);
    QCOMPARE(published(e, "FLG1_54_MFLG1MastRq"), 1.0);
    QCOMPARE(published(e, "FLG2_D54_MFLG2MastRq"), 0.0);
    QCOMPARE(published(e, "FLG1_D00_MLocoNum1"), 31028.0);
    QCOMPARE(published(e, "HBB2_D01_MPrSwLowMR"), 1.0);  // main reservoir not yet filled
    QCOMPARE(e.publishedDataset(3100).size(), 16);
    QCOMPARE(e.publishedDataset(3500).size(), 4);
    QCOMPARE(e.publishedDataset(3550).size(), 1);
    QCOMPARE(e.publishedDataset(2501).size(), 4);

    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.phase == Phase::Traction; }));
    QCOMPARE(published(e, "FLG1_D07_MVCB_On"), 1.0);
    QCOMPARE(published(e, "HBB2_D01_LPanUp"), 1.0);
    QVERIFY(std::abs(published(e, "FLG1_D21_XUprim") - 25.0) < 0.5);
    QVERIFY(std::abs(published(e, "FLG1_D21_XU_Battery") - 110.0) < 1.5);
    QCOMPARE(published(e, "HBB2_D01_MPrSwLowMR"), 0.0);
    QCOMPARE(published(e, "HBB1_D24_LTrvDirFor"), 1.0);
    QCOMPARE(published(e, "STB1_D24_LTrvDirFor"), 1.0);
    QCOMPARE(published(e, "MVB_DDU_MotorMaster1_SLG1"), 1.0);
    QCOMPARE(published(e, "MVB_DDU_LineConverter2_SLG2"), 1.0);
    QCOMPARE(published(e, "HBB1_D01_BDetCoCo"), 1.0);
    QCOMPARE(published(e, "FLG1_D54_BSubS01_Off"), 0.0);
    QCOMPARE(published(e, "FLG1_D54_BSubS05_Off"), 4.0);

    // Traction: speed rises, effort positive, energy consumed grows.
    const double consumedBefore = published(e, "FLG1_D56_XEnergMWhP") * 1000 + published(e, "FLG1_D56_XEnergKWhP");
    double lastSpeed = published(e, "FLG1_D50_XSpeedLoco");
    int rises = 0;
    for (int i = 0; i < 40; ++i) {
        m.advance(1000);
        const double speed = published(e, "FLG1_D50_XSpeedLoco");
        QVERIFY(speed >= lastSpeed - 0.05);
        rises += speed > lastSpeed;
        lastSpeed = speed;
    }
    QVERIFY(rises >= 35);
    QVERIFY(lastSpeed > 30.0);
    QVERIFY(effortPercent(e.publishedDataset(3100)[3]) > 50);
    QCOMPARE(published(e, "HBB1_D24_LTEDemand"), 1.0);
    const double consumedAfter = published(e, "FLG1_D56_XEnergMWhP") * 1000 + published(e, "FLG1_D56_XEnergKWhP");
    QVERIFY(consumedAfter > consumedBefore + 10);
    QVERIFY(published(e, "SLG1_D04_XPN") > 1000.0);  // kW per bogie
    QVERIFY(published(e, "FLG1_D21_XIprim") > 50.0);
    for (const char* motor : {"SLG1_D88_XTempMotor1", "SLG2_D88_XTempMotor3"}) {
        const double t = published(e, motor);
        QVERIFY2(t > 55.0 && t < 95.0, motor);
    }

    // Braking: speed falls, effort negative, brake pipe reduced, energy regenerated.
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) {
        return s.phase == Phase::Braking && s.phaseMs >= 10000;
    }));
    const double regenBefore = published(e, "FLG1_D56_XEnergKWh_") + 1000 * published(e, "FLG1_D56_XEnergMWh_");
    lastSpeed = published(e, "FLG1_D50_XSpeedLoco");
    for (int i = 0; i < 10; ++i) {
        m.advance(1000);
        const double speed = published(e, "FLG1_D50_XSpeedLoco");
        QVERIFY(speed < lastSpeed);
        lastSpeed = speed;
    }
    QCOMPARE(effortPercent(e.publishedDataset(3100)[3]), -60);
    QVERIFY(effortPercent(e.publishedDataset(3100)[2]) < 0);
    QVERIFY(published(e, "FLG1_D45_XPrAutoBkLn") < 4.8);
    QCOMPARE(published(e, "HBB1_D24_LBEDemand"), 1.0);
    QVERIFY(published(e, "SLG1_D04_XPN") < 0.0);
    const double regenAfter = published(e, "FLG1_D56_XEnergKWh_") + 1000 * published(e, "FLG1_D56_XEnergMWh_");
    QVERIFY(regenAfter > regenBefore + 5);

    // Stop: brakes applied, speed 0, brake pipe recharging.
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.phase == Phase::Stopped && s.phaseMs >= 9000; }));
    QCOMPARE(published(e, "FLG1_D50_XSpeedLoco"), 0.0);
    QCOMPARE(published(e, "HBB2_D01_MPrSwBkCyl2"), 1.0);
    QVERIFY(published(e, "FLG1_D45_XPrAutoBkLn") > 4.8);
    // FLG2 mirrors FLG1 word for word on its speed, brake pipe and battery.
    QCOMPARE(e.publishedDataset(3210).mid(0, 7), e.publishedDataset(3110).mid(0, 7));
    QCOMPARE(e.publishedDataset(3200).value(6), e.publishedDataset(3100).value(6));
}

void TestVehicle::lifeSignsChangeEveryPublication()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    const QList<QPair<quint16, int>> lifeSigns{{1000, 1}, {1500, 1}, {1100, 0}, {1600, 0}, {1200, 0}, {1700, 0}};
    QHash<quint16, quint16> last;
    m.publish();
    for (const auto& l : lifeSigns)
        last.insert(l.first, e.publishedDataset(l.first).value(l.second));
    for (int i = 0; i < 20; ++i) {
        i % 2 ? m.advance(100) : m.publish();
        for (const auto& l : lifeSigns) {
            const quint16 now = e.publishedDataset(l.first).value(l.second);
            QVERIFY2(now != last.value(l.first), qPrintable(QString::number(l.first)));
            last.insert(l.first, now);
        }
    }
}

void TestVehicle::pauseAndTimeScale()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.phase == Phase::Traction && s.speedKmh > 20; }));
    const sim::VehicleState before = m.state();
    m.pause();
    QVERIFY(m.isPaused());
    m.advance(5000);
    m.tick(5000);
    const sim::VehicleState paused = m.state();
    QCOMPARE(paused.timeMs, before.timeMs);
    QCOMPARE(paused.speedKmh, before.speedKmh);
    QCOMPARE(paused.consumedKWh, before.consumedKWh);
    QVERIFY(paused.lifeSign != before.lifeSign);  // the processors keep publishing
    QVERIFY(m.summary().endsWith(QLatin1String(" paused")));
    m.resume();
    m.setTimeScale(10.0);
    m.tick(100);
    QCOMPARE(m.timeMs(), before.timeMs + 1000);
    m.setTimeScale(0.25);
    m.tick(2);
    m.tick(2);  // fractions carry over
    QCOMPARE(m.timeMs(), before.timeMs + 1001);
    QVERIFY(m.state().speedKmh > before.speedKmh);
}

void TestVehicle::messagesOfTheRun()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    // "PANTO RAISING" while the pantograph rises, then nothing.
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.message != 0; }));
    QCOMPARE(m.state().phase, Phase::PanRaising);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{95});
    QCOMPARE(e.publishedDataset(3650), QVector<quint16>{0});
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.message == 0; }));
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{0});
    // A wheel skid fault while braking, held for a while.
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.message != 0; }));
    QCOMPARE(m.state().phase, Phase::Braking);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{20207});
    QVERIFY(m.state().wheelSlip);
    QCOMPARE(published(e, "HBB1_D02_MLampFInd"), 1.0);
    QCOMPARE(published(e, "STB1_D02_MLampWSlip"), 1.0);
    m.advance(5000);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{20207});
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.message == 0; }, 10000));
    // A message raised by hand is held until it is cleared (or replaced by
    // the next message of the run).
    MvbControllerEmulator e2;
    VehicleModel::Options o;
    o.scenario = Scenario::Standstill;
    VehicleModel parked(e2, o);
    parked.raiseMessage(10108);
    QCOMPARE(e2.publishedDataset(3550), QVector<quint16>{10108});
    parked.advance(500000);
    QCOMPARE(e2.publishedDataset(3550), QVector<quint16>{10108});
    QCOMPARE(published(e2, "HBB2_D02_MLampFault"), 1.0);  // priority 1
    parked.raiseMessage(0);
    QCOMPARE(e2.publishedDataset(3550), QVector<quint16>{0});
    parked.raiseMessage(91, 2000);
    parked.advance(1900);
    QCOMPARE(e2.publishedDataset(3550), QVector<quint16>{91});
    parked.advance(200);
    QCOMPARE(e2.publishedDataset(3550), QVector<quint16>{0});
}

void TestVehicle::activeCab2()
{
    MvbControllerEmulator e;
    VehicleModel::Options o;
    o.activeCab = 2;
    VehicleModel m(e, o);
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.message != 0; }));
    QCOMPARE(e.publishedDataset(3650), QVector<quint16>{95});
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{0});
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.phase == Phase::Traction; }));
    QCOMPARE(published(e, "FLG1_D23_MCab1Active"), 0.0);
    QCOMPARE(published(e, "FLG1_D23_MCab2Active"), 1.0);
    QCOMPARE(published(e, "HBB2_D24_LTrvDirFor"), 1.0);
    QCOMPARE(published(e, "STB2_D24_LTrvDirFor"), 1.0);
    QCOMPARE(published(e, "HBB1_D24_LTrvDirFor"), 0.0);
    QCOMPARE(published(e, "STB1_D24_LTrvDirFor"), 0.0);
}

void TestVehicle::acknowledgeWithdrawsMessage()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    m.publish();
    m.raiseMessage(20102);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{20102});
    // The acknowledge bit held for eleven writes counts once, on its rising edge.
    for (int i = 0; i < 11; ++i) {
        m.handleDisplayOutput(3015, {0x0100, 1, 0, 0});
        if (i == 3)
            m.raiseMessage(400);  // a new message while the bit is still up stays
    }
    QCOMPARE(m.state().acknowledgements, 1);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{400});
    m.handleDisplayOutput(3015, {0, 1, 0, 0});
    m.handleDisplayOutput(3015, {0x0100, 1, 0, 0});
    QCOMPARE(m.state().acknowledgements, 2);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{0});
    // Other ports are not the display's output.
    m.raiseMessage(91);
    m.handleDisplayOutput(3016, {0x0100, 0, 0, 0});
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{91});
    // The other cab's display acknowledges too.
    m.handleDisplayOutput(3201, {0x0100, 0, 0, 0});
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{0});
}

void TestVehicle::standstill()
{
    MvbControllerEmulator e;
    VehicleModel::Options o;
    o.scenario = Scenario::Standstill;
    VehicleModel m(e, o);
    for (int i = 0; i < 590; ++i) {
        m.advance(1000);
        QCOMPARE(m.state().phase, Phase::Parked);
    }
    QCOMPARE(published(e, "FLG1_D50_XSpeedLoco"), 0.0);
    QCOMPARE(published(e, "FLG1_D07_MVCB_On"), 0.0);
    QCOMPARE(published(e, "HBB2_D31_LPanUpWish"), 0.0);
    QCOMPARE(published(e, "HBB2_D44_MParkBkApp"), 1.0);
    QCOMPARE(published(e, "FLG1_D21_XUprim"), 0.0);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{0});
    const double battery = published(e, "FLG1_D21_XU_Battery");
    QVERIFY(battery > 100.0 && battery < 108.0);
    // Pan lowered for ten minutes: the diagnosis processor says so.
    m.advance(11000);
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{10903});
}

void TestVehicle::demoReducesPower()
{
    MvbControllerEmulator e;
    VehicleModel::Options o;
    o.scenario = Scenario::Demo;
    VehicleModel m(e, o);
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.message == 20102; }));
    QCOMPARE(m.state().phase, Phase::Traction);
    m.advance(10000);
    QCOMPARE(published(e, "FLG1_06_MPowerReduc"), 1.0);
    QVERIFY(effortPercent(e.publishedDataset(3100)[2]) <= 60);
    QVERIFY(published(e, "SLG1_D88_XPressureTr") < 1.0);
    // Withdrawn after its time, followed by "full TE/BE restored".
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.message != 20102; }));
    QCOMPARE(e.publishedDataset(3550), QVector<quint16>{94});
    QCOMPARE(published(e, "FLG1_06_MPowerReduc"), 0.0);
}

// ---------------------------------------------------------------- DDS

void TestVehicle::ddsDefaultEvents()
{
    const QVector<sim::DdsEvent> events = sim::DdsLog::defaultEvents();
    QCOMPARE(events.size(), 40);
    QSet<int> processors;
    for (int i = 0; i < events.size(); ++i) {
        const sim::DdsEvent& ev = events[i];
        QVERIFY(sim::DdsLog::codeValid(ev.processor, ev.code));
        processors.insert(ev.processor);
        if (i > 0) {
            QCOMPARE(int(ev.number), int(events[i - 1].number) - 1);  // newest first
            QVERIFY(ev.time <= events[i - 1].time);
        }
        const QDateTime when = QDateTime::fromSecsSinceEpoch(ev.time, Qt::UTC);
        QVERIFY(when.date() >= QDate(2024, 11, 2) && when.date() <= QDate(2024, 11, 8));
    }
    QCOMPARE(processors.size(), 11);
    QCOMPARE(int(events.first().number), 1240);
    QCOMPARE(int(events.last().number), 1201);

    sim::DdsLog log;
    QCOMPARE(log.portWords().size(), 16);
    const sim::DdsEvent top = log.events().first();
    QCOMPARE(log.portWords().mid(0, 4),
             (QVector<quint16>{top.number, quint16(top.processor << 8 | top.code), quint16(top.time >> 16),
                               quint16(top.time & 0xFFFF)}));
    // A short list pads the window with empty records.
    sim::DdsLog shortLog({{7, 0, 92, 1600000000}, {6, 10, 18, 1599990000}});
    QCOMPARE(shortLog.portWords(),
             (QVector<quint16>{7, 92, 24414, 4096, 6, 0x0A12, 24413, 59632, 0, 0, 0, 0, 0, 0, 0, 0}));
    shortLog.pageDown();
    QCOMPARE(shortLog.top(), 0);
}

void TestVehicle::ddsCodeValid_data()
{
    QTest::addColumn<int>("processor");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("FLG1 121") << 0 << 121 << true;
    QTest::newRow("FLG1 119 gap") << 0 << 119 << false;
    QTest::newRow("FLG2 112 gap") << 1 << 112 << false;
    QTest::newRow("SLG2 140") << 3 << 140 << true;
    QTest::newRow("SLG1 141") << 2 << 141 << false;
    QTest::newRow("BUR1 42") << 4 << 42 << true;
    QTest::newRow("BUR1 35 gap") << 4 << 35 << false;
    QTest::newRow("BUR2 54") << 5 << 54 << true;
    QTest::newRow("BUR3 33 gap") << 6 << 33 << false;
    QTest::newRow("STB2 13") << 8 << 13 << true;
    QTest::newRow("HBB1 17 gap") << 9 << 17 << false;
    QTest::newRow("HBB2 5") << 10 << 5 << true;
    QTest::newRow("HBB2 6 gap") << 10 << 6 << false;
    QTest::newRow("HBB2 18") << 10 << 18 << true;
    QTest::newRow("code 0") << 0 << 0 << false;
    QTest::newRow("processor 11") << 11 << 1 << false;
}

void TestVehicle::ddsCodeValid()
{
    QFETCH(int, processor);
    QFETCH(int, code);
    QFETCH(bool, valid);
    QCOMPARE(sim::DdsLog::codeValid(processor, code), valid);
}

void TestVehicle::ddsPagingThroughController()
{
    // The display configures 2650 as a sink and its output port 3015 as a
    // source, and pages with pulses of its request bits.
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    QVERIFY(bringUp(e));
    configurePort(e, 2650, 4, 4, kSink);
    configurePort(e, 3015, 8, 2, kSource);
    VehicleModel m(e);
    m.attachToEmulator();
    m.publish();
    const QVector<sim::DdsEvent> events = sim::DdsLog::defaultEvents();
    const auto eventsShown = [&] {
        const QVector<quint16> w = readSink(e, 4, 16);
        return QVector<int>{w[0], w[4], w[8], w[12]};
    };
    QCOMPARE(eventsShown(), (QVector<int>{1240, 1239, 1238, 1237}));
    const QVector<quint16> first = readSink(e, 4, 4);
    QCOMPARE(int(first[1]), events[0].processor << 8 | events[0].code);
    QCOMPARE(quint32(first[2]) << 16 | first[3], events[0].time);

    const auto pulse = [&](quint16 bit) {
        for (int i = 0; i < 10; ++i)
            writeSource(e, 8, {bit, 22, 0, 0});
        writeSource(e, 8, {0, 22, 0, 0});
    };
    pulse(0x0400);  // down
    QCOMPARE(eventsShown(), (QVector<int>{1236, 1235, 1234, 1233}));
    pulse(0x0400);
    pulse(0x0400);
    QCOMPARE(eventsShown(), (QVector<int>{1228, 1227, 1226, 1225}));
    pulse(0x0200);  // up
    QCOMPARE(eventsShown(), (QVector<int>{1232, 1231, 1230, 1229}));
    pulse(0x1000);  // bottom
    QCOMPARE(eventsShown(), (QVector<int>{1204, 1203, 1202, 1201}));
    pulse(0x0400);  // down at the bottom stays
    QCOMPARE(eventsShown(), (QVector<int>{1204, 1203, 1202, 1201}));
    pulse(0x0800);  // top
    QCOMPARE(eventsShown(), (QVector<int>{1240, 1239, 1238, 1237}));
    pulse(0x0200);  // up at the top stays
    QCOMPARE(eventsShown(), (QVector<int>{1240, 1239, 1238, 1237}));
    QCOMPARE(m.ddsLog().top(), 0);
    // The window survives the model's own publications.
    pulse(0x0400);
    m.advance(1000);
    QCOMPARE(eventsShown(), (QVector<int>{1236, 1235, 1234, 1233}));
    QCOMPARE(e.readSource(3015).words, (QVector<quint16>{0, 22, 0, 0}));
}

void TestVehicle::displayWritesWhileModelRuns()
{
    // The display's writes reach the model on the controller's thread while
    // the model publishes from its own (run under the thread sanitizer too).
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    configurePort(e, 2650, 4, 4, kSink);
    configurePort(e, 3015, 8, 2, kSource);
    configurePort(e, 3110, 12, 4, kSink);
    VehicleModel m(e);
    m.attachToEmulator();
    std::atomic<bool> done{false};
    std::atomic<int> pages{0};
    std::thread display([&] {
        for (int i = 0; !done; ++i) {
            writeSource(e, 8, {quint16(i % 2 ? 0x0400 : 0), 22, quint16(i % 4 == 1 ? 0x0100 : 0), 0});
            readSink(e, 12, 16);
            if (i % 2)
                ++pages;
        }
    });
    for (int i = 0; i < 300; ++i)
        m.advance(100);
    while (pages < 20)
        std::this_thread::yield();
    done = true;
    display.join();
    QCOMPARE(m.ddsLog().top(), m.ddsLog().lastTop());  // paged down to the bottom
    QCOMPARE(readSink(e, 4, 1).value(0), quint16(1204));
    QCOMPARE(m.state().presentScreen[0], 22);
}

// ---------------------------------------------------------------- inching, stale, multi, overrides

void TestVehicle::inching()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    m.publish();
    QCOMPARE(published(e, "DDA1_97_InchScreenAct"), 0.0);
    const auto setSpeed = [&e] { return published(e, "DDA1_97_WSetSpeedInch"); };
    const double step = 100.0 / 4096.0;  // one count of the word
    QVERIFY(std::abs(setSpeed() - 1.0) <= step / 2);
    // Requests outside the inching screen change nothing.
    m.handleDisplayOutput(3015, {0, 10, 0x0100, 0});
    m.handleDisplayOutput(3015, {0, 10, 0, 0});
    QVERIFY(std::abs(setSpeed() - 1.0) <= step / 2);
    // On the inching screen: active, and each rising edge steps 0.5 km/h.
    m.handleDisplayOutput(3015, {0, 15, 0, 0});
    QCOMPARE(published(e, "DDA1_97_InchScreenAct"), 1.0);
    QCOMPARE(published(e, "DDA2_97_InchScreenAct"), 0.0);
    for (int press = 0; press < 3; ++press) {
        for (int i = 0; i < 11; ++i)
            m.handleDisplayOutput(3015, {0, 15, 0x0100, 0});
        m.handleDisplayOutput(3015, {0, 15, 0, 0});
    }
    QVERIFY(std::abs(setSpeed() - 2.5) <= step / 2);
    QCOMPARE(m.state().inchingSetKmh, 2.5);
    m.handleDisplayOutput(3015, {0, 15, 0x0200, 0});
    QCOMPARE(m.state().inchingSetKmh, 2.0);
    for (int i = 0; i < 30; ++i) {
        m.handleDisplayOutput(3015, {0, 15, 0x0100, 0});
        m.handleDisplayOutput(3015, {0, 15, 0, 0});
    }
    QCOMPARE(m.state().inchingSetKmh, 10.0);  // the top of the range
    QCOMPARE(e.publishedDataset(1302).value(2), quint16(410));
    m.advance(1000);
    QCOMPARE(published(e, "DDA1_97_InchScreenAct"), 1.0);
    // The display leaves the screen.
    m.handleDisplayOutput(3015, {0, 1, 0, 0});
    QCOMPARE(published(e, "DDA1_97_InchScreenAct"), 0.0);
    // The display of the other cab does not drive the active cab's inching.
    m.handleDisplayOutput(3201, {0, 15, 0x0100, 0});
    QCOMPARE(published(e, "DDA1_97_InchScreenAct"), 0.0);
}

void TestVehicle::staleScenario()
{
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, kSink);
    configurePort(e, 3200, 8, 4, kSink);
    VehicleModel::Options o;
    o.scenario = Scenario::Stale;
    o.stalePorts = {3100, 1000};
    o.staleAfterMs = 5000;
    VehicleModel m(e, o);
    for (int i = 0; i < 45; ++i) {
        now += 100;
        m.advance(100);
    }
    QVERIFY(freshness(e, 4) < 100);
    QVERIFY(m.silentPorts().isEmpty());
    for (int i = 0; i < 10; ++i) {
        now += 100;
        m.advance(100);
    }
    QCOMPARE(m.silentPorts(), (QList<quint16>{1000, 3100}));
    QVERIFY(e.publishedDataset(3100).isEmpty());
    QVERIFY(e.publishedDataset(1000).isEmpty());
    for (int i = 0; i < 110; ++i) {
        now += 100;
        m.advance(100);
        e.serviceTransfers();
    }
    QVERIFY(freshness(e, 4) >= 10000);  // the display sees FLG1 stale
    QVERIFY(freshness(e, 8) < 100);     // and FLG2 alive
    QCOMPARE(published(e, "FLG2_D23_MCab1Active"), 1.0);
    // The default set is the FLG1 ports.
    QVERIFY(VehicleModel::defaultStalePorts().contains(3110));
    QVERIFY(!VehicleModel::defaultStalePorts().contains(3210));
    // Another scenario brings them back.
    m.setScenario(Scenario::Run);
    QVERIFY(m.silentPorts().isEmpty());
    QVERIFY(!e.publishedDataset(3100).isEmpty());
    QVERIFY(freshness(e, 4) < 100);
}

void TestVehicle::multiScenario()
{
    MvbControllerEmulator e;
    VehicleModel run(e);
    run.publish();
    QCOMPARE(e.publishedDataset(2510).value(4) & 0x0700, 0);
    QCOMPARE(e.publishedDataset(2610).value(7), quint16(0));

    MvbControllerEmulator e2;
    VehicleModel::Options o;
    o.scenario = Scenario::Multi;
    VehicleModel m(e2, o);
    m.publish();
    QCOMPARE(e2.publishedDataset(2510).value(4) & 0x0700, 0x0100);  // active, no direction yet
    QCOMPARE(e2.publishedDataset(2510).value(5), quint16(31029));
    QCOMPARE(e2.publishedDataset(2510).value(6), quint16(0));     // loco 2 sub-systems in service
    QCOMPARE(e2.publishedDataset(2510).value(7), quint16(0));
    QCOMPARE(e2.publishedDataset(2610).value(6), quint16(514));
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.phase == Phase::Traction; }));
    QCOMPARE(e2.publishedDataset(2510).value(4) & 0x0700, 0x0300);  // forward
    QCOMPARE(published(e2, "MVB_DDU_MotorSlave3_SLG2"), 1.0);
    QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.loco2Message != 0; }));
    QCOMPARE(m.state().phase, Phase::Cruising);
    QCOMPARE(e2.publishedDataset(2610).value(7), quint16(21202));
    // Acknowledged from the display: withdrawn.
    m.handleDisplayOutput(3015, {0x0100, 1, 0, 0});
    QCOMPARE(e2.publishedDataset(2610).value(7), quint16(0));
}

void TestVehicle::overrides()
{
    MvbControllerEmulator e;
    VehicleModel m(e);
    QString error;
    QVERIFY(m.overrideSignal(QStringLiteral("FLG1_D50_XSpeedLoco"), 87.5, &error));
    QCOMPARE(e.publishedDataset(3110).value(6), quint16(3584));
    m.advance(30000);
    QCOMPARE(e.publishedDataset(3110).value(6), quint16(3584));
    QCOMPARE(m.signalValue(QStringLiteral("FLG1_D50_XSpeedLoco")).value(), 87.5);
    QVERIFY(m.releaseSignal(QStringLiteral("FLG1_D50_XSpeedLoco")));
    QVERIFY(!m.releaseSignal(QStringLiteral("FLG1_D50_XSpeedLoco")));
    QCOMPARE(e.publishedDataset(3110).value(6), sim::scaledWord(m.state().speedKmh, 100.0));
    QVERIFY(!m.overrideSignal(QStringLiteral("NoSuchSignal"), 1, &error));
    QCOMPARE(error, QStringLiteral("unknown signal: NoSuchSignal"));

    m.overrideWord(3100, 0, 0x1234);
    m.overrideWord(123, 2, 7);  // a port the model does not know
    m.advance(1000);
    QCOMPARE(e.publishedDataset(3100).value(0), quint16(0x1234));
    QCOMPARE(e.publishedDataset(123), (QVector<quint16>{0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(m.overrides(), (QStringList{QStringLiteral("123.2=0x0007"), QStringLiteral("3100.0=0x1234")}));
    m.releaseAll();
    QVERIFY(e.publishedDataset(3100).value(0) != 0x1234);
    QCOMPARE(e.publishedDataset(3100), m.portWords(3100));
    QVERIFY(m.overrides().isEmpty());

    m.silencePort(3600);
    m.advance(1000);
    QVERIFY(e.publishedDataset(3600).isEmpty());
    m.resumePort(3600);
    QCOMPARE(e.publishedDataset(3600).size(), 16);

    // Scenario "none": only words set by commands are published.
    MvbControllerEmulator quiet;
    VehicleModel::Options o;
    o.scenario = Scenario::None;
    VehicleModel n(quiet, o);
    n.advance(1000);
    QVERIFY(quiet.publishedDataset(3100).isEmpty());
    n.overrideWord(3100, 1, 5);
    QCOMPARE(quiet.publishedDataset(3100).value(1), quint16(5));
}

void TestVehicle::commands_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");  // output or error; a trailing '*' matches a prefix

    QTest::newRow("vehicle") << QStringList{"vehicle"} << true
                             << "vehicle time=0.0 scenario=run phase=parked speed=0.0 effort=0 pan=down vcb=off "
                                "bp=5.0 message=0";
    QTest::newRow("signal query") << QStringList{"signal FLG1_D00_MLocoNum1"} << true
                                  << "signal FLG1_D00_MLocoNum1 31028 port=3110 word=7 raw=0x7934";
    QTest::newRow("signal set and query") << QStringList{"signal FLG1_D50_XSpeedLoco 87.5", "signal FLG1_D50_XSpeedLoco"}
                                          << true << "signal FLG1_D50_XSpeedLoco 87.5 port=3110 word=6 raw=0x0e00";
    QTest::newRow("signal on") << QStringList{"signal HBB2_D44_MParkBkApp off", "signal HBB2_D44_MParkBkApp"}
                               << true << "signal HBB2_D44_MParkBkApp 0 port=3400 word=0 raw=0x*";
    QTest::newRow("signal unknown") << QStringList{"signal Nope 1"} << false << "unknown signal: Nope";
    QTest::newRow("signal bad value") << QStringList{"signal FLG1_D50_XSpeedLoco fast"} << false
                                      << "not a value: fast";
    QTest::newRow("signals prefix") << QStringList{"signals DDA2_"} << true
                                    << "DDA2_DD46_FaultNum\nDDA2_97_InchScreenAct\nDDA2_97_WSetSpeedInch";
    QTest::newRow("release unknown") << QStringList{"release FLG1_D50_XSpeedLoco"} << false
                                     << "FLG1_D50_XSpeedLoco is not overridden";
    QTest::newRow("release word") << QStringList{"set 3100 2 7", "release 3100 2", "overrides"} << true
                                  << "overrides 0";
    QTest::newRow("overrides") << QStringList{"set 3100 2 7", "signal FLG1_D50_XSpeedLoco 10", "overrides"} << true
                               << "overrides 2 FLG1_D50_XSpeedLoco=10 3100.2=0x0007";
    QTest::newRow("fault") << QStringList{"fault 20102", "vehicle"} << true << "vehicle time=0.0 * message=20102";
    QTest::newRow("fault bad") << QStringList{"fault 70000"} << false << "number must be a number from 0 to 65535: 70000";
    QTest::newRow("fault bad time") << QStringList{"fault 95 -1"} << false
                                    << "seconds must be a number from 0 to 86400: -1";
    QTest::newRow("scenario query") << QStringList{"scenario standstill", "scenario"} << true << "scenario standstill";
    QTest::newRow("scenario unknown") << QStringList{"scenario fast"} << false
                                      << "usage: scenario <run|standstill|stale|multi|demo|none>";
    QTest::newRow("pause") << QStringList{"pause", "vehicle"} << true << "vehicle * paused";
    QTest::newRow("resume") << QStringList{"pause", "resume", "vehicle"} << true << "vehicle * message=0";
    QTest::newRow("timescale") << QStringList{"timescale 20", "timescale"} << true << "timescale 20";
    QTest::newRow("timescale bad") << QStringList{"timescale 0"} << false << "usage: timescale <0.01 .. 1000>";
    QTest::newRow("dds") << QStringList{"dds"} << true
                         << "dds top=0 of 40\ndds 1240 BUR3 54 1730689852 2024-11-04T03:10:52Z\n"
                            "dds 1239 SLG1 119 1730686962 2024-11-04T02:22:42Z\n"
                            "dds 1238 FLG1 121 1730683502 2024-11-04T01:25:02Z\n"
                            "dds 1237 STB2 5 1730671492 2024-11-03T22:04:52Z";
    QTest::newRow("dds bottom") << QStringList{"dds bottom"} << true << "dds top=36 of 40\ndds 1204 *";
    QTest::newRow("dds bad") << QStringList{"dds sideways"} << false << "usage: dds [up|down|top|bottom]";
    QTest::newRow("set bad") << QStringList{"set 3100 16 1"} << false << "word must be a number from 0 to 15: 16";
    QTest::newRow("publish") << QStringList{"publish 3100 1 2", "overrides"} << true
                             << "overrides 2 3100.0=0x0001 3100.1=0x0002";
}

void TestVehicle::commands()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, ok);
    QFETCH(QString, text);
    MvbControllerEmulator e;
    VehicleModel m(e);
    sim::CommandInterpreter interpreter;
    sim::registerMvbCommands(interpreter, e);
    sim::registerVehicleCommands(interpreter, m, e);
    sim::CommandInterpreter::Result r;
    for (const QString& line : lines) {
        r = interpreter.execute(line);
        if (!r.ok)
            break;
    }
    QCOMPARE(r.ok, ok);
    const QString got = ok ? r.output : r.error;
    if (text.contains(QLatin1Char('*'))) {
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(QRegularExpression::escape(text).replace(QLatin1String("\\*"), QLatin1String(".*"))),
            QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(pattern.match(got).hasMatch(), qPrintable(got));
    } else {
        QCOMPARE(got, text);
    }
}

// ---------------------------------------------------------------- keypad and touch

void TestVehicle::touchInverseEveryPoint()
{
    // The display's conversion, written out here on its own.
    const auto screenX = [](int rawX) { return int(double(rawX) / 1.9375); };
    const auto screenY = [](int rawY) { return int(double(2047 - rawY) * 0.375); };
    int failures = 0;
    for (int x = 0; x < sim::panel::kScreenWidth; ++x) {
        for (int y = 0; y < sim::panel::kScreenHeight; ++y) {
            const sim::panel::RawTouch raw = sim::panel::touchRaw(x, y);
            if (raw.x < 0 || raw.x > 2047 || raw.y < 0 || raw.y > 2047 || screenX(raw.x) != x
                || screenY(raw.y) != y) {
                if (++failures < 5)
                    qWarning("touch %d %d -> raw %d %d", x, y, raw.x, raw.y);
            }
        }
    }
    QCOMPARE(failures, 0);
    // Rounding to the nearest raw value would not do: x 9 is 17.4375 raw.
    QCOMPARE(screenX(17), 8);
    QCOMPARE(sim::panel::touchRaw(9, 0).x, 18);
}

void TestVehicle::touchFrames()
{
    QCOMPARE(sim::panel::touchFrameRaw(1984, 0), bytes({0xA1, 0x0F, 0x40, 0x00, 0x00, 0x41}));
    QCOMPARE(sim::panel::touchFrame(0, 767), bytes({0xA1, 0x00, 0x00, 0x00, 0x01, 0x41}));
    QCOMPARE(sim::panel::touchFrame(0, 0), bytes({0xA1, 0x00, 0x00, 0x0F, 0x7F, 0x41}));
    const sim::panel::RawTouch raw = sim::panel::touchRaw(512, 384);
    QCOMPARE(sim::panel::touchFrame(512, 384),
             bytes({0xA1, raw.x >> 7, raw.x & 0x7F, raw.y >> 7, raw.y & 0x7F, 0x41}));
    // Coordinate bytes never look like the start byte.
    for (int x = 0; x < sim::panel::kScreenWidth; x += 7) {
        const QByteArray f = sim::panel::touchFrame(x, x % sim::panel::kScreenHeight);
        for (int i = 1; i <= 4; ++i)
            QVERIFY(quint8(f[i]) < 0x80);
    }

    QByteArray sent;
    QStringList logged;
    sim::PanelInjector injector(nullptr, [&](const QByteArray& b) { sent += b; },
                                [&](const QString& l) { logged << l; });
    QString error;
    QCOMPARE(injector.sendTouch(512, 384, &error).value(), QStringLiteral("sent touch 512 384"));
    QCOMPARE(sent, sim::panel::touchFrame(512, 384));
    QVERIFY(!injector.sendTouch(1024, 0, &error));
    QVERIFY(!injector.sendTouch(0, -1, &error));
    QCOMPARE(sent.size(), 6);
}

void TestVehicle::keypadFrames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("label");
    QTest::newRow("ESC") << "ESC" << QByteArray("$,01,\r\n") << "ESC";
    QTest::newRow("HOME") << "HOME" << QByteArray("$,02,\r\n") << "HOME";
    QTest::newRow("MENU") << "MENU" << QByteArray("$,03,\r\n") << "MENU";
    QTest::newRow("BRIGHT_UP") << "BRIGHT_UP" << QByteArray("$,06,\r\n") << "BRIGHT_UP";
    QTest::newRow("BRIGHT_DOWN") << "BRIGHT_DOWN" << QByteArray("$,07,\r\n") << "BRIGHT_DOWN";
    QTest::newRow("up, lower case") << "up" << QByteArray("$,08,\r\n") << "UP";
    QTest::newRow("DOWN") << "DOWN" << QByteArray("$,09,\r\n") << "DOWN";
    QTest::newRow("ENTER") << "ENTER" << QByteArray("$,10,\r\n") << "ENTER";
    QTest::newRow("DDS_UP") << "DDS_UP" << QByteArray("$,12,\r\n") << "DDS_UP";
    QTest::newRow("DDS_DOWN") << "DDS_DOWN" << QByteArray("$,13,\r\n") << "DDS_DOWN";
    QTest::newRow("code of a name") << "08" << QByteArray("$,08,\r\n") << "UP";
    QTest::newRow("brightness report") << "3M" << QByteArray("$,3M,\r\n") << "3M";
    QTest::newRow("automatic brightness") << "7A" << QByteArray("$,7A,\r\n") << "7A";
    QTest::newRow("ignored code") << "04" << QByteArray("$,04,\r\n") << "04";
    QTest::newRow("comma") << "0," << QByteArray() << QString();
    QTest::newRow("dollar") << "$0" << QByteArray() << QString();
    QTest::newRow("three characters") << "UPP" << QByteArray() << QString();
    QTest::newRow("one character") << "8" << QByteArray() << QString();
    QTest::newRow("not a letter") << "0-" << QByteArray() << QString();
}

void TestVehicle::keypadFrames()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, frame);
    QFETCH(QString, label);
    QByteArray sent;
    sim::PanelInjector injector([&](const QByteArray& b) { sent += b; }, nullptr, nullptr);
    QString error;
    const auto line = injector.sendKey(key, &error);
    if (frame.isEmpty()) {
        QVERIFY(!line);
        QVERIFY(error.startsWith(QLatin1String("unknown key: ")));
        QVERIFY(sent.isEmpty());
        return;
    }
    QCOMPARE(line.value(), QStringLiteral("sent key ") + label);
    QCOMPARE(sent, frame);
}

void TestVehicle::keySequences()
{
    QByteArray sent;
    QStringList logged;
    sim::PanelInjector injector([&](const QByteArray& b) { sent += b; }, nullptr,
                                [&](const QString& l) { logged << l; });
    sim::CommandInterpreter interpreter;
    sim::registerPanelCommands(interpreter, injector);

    auto r = interpreter.execute(QStringLiteral("keys gap=0 UP,DOWN 3M"));
    QVERIFY(r.ok);
    QCOMPARE(r.output, QStringLiteral("sent key UP\nsent key DOWN\nsent key 3M"));
    QCOMPARE(sent, QByteArray("$,08,\r\n$,09,\r\n$,3M,\r\n"));
    sent.clear();

    r = interpreter.execute(QStringLiteral("keys UP bogus"));
    QVERIFY(!r.ok);
    QCOMPARE(r.error, QStringLiteral("unknown key: bogus"));
    QVERIFY(sent.isEmpty());

    // With a gap: the first key at once, the others from the event loop.
    r = interpreter.execute(QStringLiteral("keys gap=20 MENU DOWN ENTER"));
    QVERIFY(r.ok);
    QCOMPARE(r.output, QStringLiteral("sent key MENU"));
    QCOMPARE(sent, QByteArray("$,03,\r\n"));
    QTRY_COMPARE(logged, (QStringList{QStringLiteral("sent key DOWN"), QStringLiteral("sent key ENTER")}));
    QCOMPARE(sent, QByteArray("$,03,\r\n$,09,\r\n$,10,\r\n"));
    QCOMPARE(injector.pendingKeys(), 0);

    r = interpreter.execute(QStringLiteral("key HOME"));
    QCOMPARE(r.output, QStringLiteral("sent key HOME"));
    r = interpreter.execute(QStringLiteral("touch 10 20"));
    QCOMPARE(r.output, QStringLiteral("sent touch 10 20"));
    r = interpreter.execute(QStringLiteral("touch 10 768"));
    QCOMPARE(r.error, QStringLiteral("y must be a number from 0 to 767: 768"));
    r = interpreter.execute(QStringLiteral("panel"));
    QCOMPARE(r.output, QStringLiteral("panel keys ESC=01 HOME=02 MENU=03 BRIGHT_UP=06 BRIGHT_DOWN=07 UP=08 DOWN=09 "
                                      "ENTER=10 DDS_UP=12 DDS_DOWN=13"));
}

// ---------------------------------------------------------------- ddu-sim

void TestVehicle::program()
{
    const QString binDir = qEnvironmentVariable("DDU_BIN_DIR");
    if (binDir.isEmpty())
        QSKIP("DDU_BIN_DIR not set (run through ctest)");
    QTemporaryDir dir;
    const QString keypadLink = dir.filePath(QStringLiteral("keypad"));
    const QString touchLink = dir.filePath(QStringLiteral("touch"));
    QProcess p;
    p.start(binDir + QStringLiteral("/ddu-sim"),
            {QStringLiteral("--scenario"), QStringLiteral("demo"), QStringLiteral("--time-scale"),
             QStringLiteral("5"), QStringLiteral("--keypad-link"), keypadLink, QStringLiteral("--touch-link"),
             touchLink});
    QVERIFY(p.waitForStarted());
    QStringList announced;
    for (int i = 0; i < 3; ++i) {
        QTRY_VERIFY(p.canReadLine());
        announced << QString::fromLocal8Bit(p.readLine()).trimmed();
    }
    QVERIFY2(announced[0].startsWith(QLatin1String("MVB /dev/pts/")), qPrintable(announced[0]));
    QVERIFY2(announced[1].startsWith(QLatin1String("KEYPAD /dev/pts/")), qPrintable(announced[1]));
    QVERIFY2(announced[2].startsWith(QLatin1String("TOUCH /dev/pts/")), qPrintable(announced[2]));
    QCOMPARE(QFileInfo(keypadLink).symLinkTarget(), announced[1].mid(7));
    QCOMPARE(QFileInfo(touchLink).symLinkTarget(), announced[2].mid(6));

    const int keypad = openRaw(keypadLink);
    const int touch = openRaw(touchLink);
    QVERIFY(keypad >= 0 && touch >= 0);
    const auto command = [&p](const QByteArray& line) {
        p.write(line + '\n');
        for (int i = 0; i < 500 && !p.canReadLine(); ++i)
            p.waitForReadyRead(10);
        return QString::fromLocal8Bit(p.readLine()).trimmed();
    };
    QCOMPARE(command("key UP"), QStringLiteral("sent key UP"));
    QCOMPARE(readBytes(keypad, 7), QByteArray("$,08,\r\n"));
    QCOMPARE(command("touch 1023 0"), QStringLiteral("sent touch 1023 0"));
    const sim::panel::RawTouch raw = sim::panel::touchRaw(1023, 0);
    QCOMPARE(readBytes(touch, 6), sim::panel::touchFrameRaw(raw.x, raw.y));
    QCOMPARE(command("keys gap=10 DDS_DOWN DDS_UP"), QStringLiteral("sent key DDS_DOWN"));
    QTRY_VERIFY(p.canReadLine());
    QCOMPARE(QString::fromLocal8Bit(p.readLine()).trimmed(), QStringLiteral("sent key DDS_UP"));
    QCOMPARE(readBytes(keypad, 14), QByteArray("$,13,\r\n$,12,\r\n"));

    const QString summary = command("vehicle");
    QVERIFY2(summary.startsWith(QLatin1String("vehicle time=")) && summary.contains(QLatin1String("scenario=demo")),
             qPrintable(summary));
    QCOMPARE(command("scenario"), QStringLiteral("scenario demo"));
    QCOMPARE(command("signal FLG1_D00_MLocoNum1"), QStringLiteral("signal FLG1_D00_MLocoNum1 31028 port=3110 word=7 raw=0x7934"));
    p.write("quit\n");
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitCode(), 0);
    ::close(keypad);
    ::close(touch);
    QVERIFY(!QFileInfo(keypadLink).isSymLink());
    QVERIFY(!QFileInfo(touchLink).isSymLink());

    for (const QStringList& bad : {QStringList{QStringLiteral("--scenario"), QStringLiteral("fast")},
                                   QStringList{QStringLiteral("--time-scale"), QStringLiteral("0")},
                                   QStringList{QStringLiteral("--cab"), QStringLiteral("3")},
                                   QStringList{QStringLiteral("--stale-ports"), QStringLiteral("3100,x")}}) {
        QProcess b;
        b.start(binDir + QStringLiteral("/ddu-sim"), bad);
        QVERIFY(b.waitForFinished(5000));
        QCOMPARE(b.exitCode(), 2);
    }
}

QTEST_GUILESS_MAIN(TestVehicle)
#include "test_vehicle.moc"
