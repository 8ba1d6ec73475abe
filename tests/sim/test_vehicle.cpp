// The cab simulator's vehicle side: signal encoding, the run and scenarios,
// the display's requests through the controller, commands, panel frames.

#include "display_side.h"
#include "sim/command_interpreter.h"
#include "sim/dds_log.h"
#include "sim/mvb_commands.h"
#include "sim/panel_input.h"
#include "sim/signal_encoding.h"
#include "sim/vehicle_commands.h"
#include "sim/vehicle_model.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <functional>

using sim::MvbControllerEmulator;
using sim::Phase;
using sim::Scenario;
using sim::VehicleModel;
using namespace display_side;

using Until = std::function<bool(const sim::VehicleState&)>;
using Probe = std::function<bool(MvbControllerEmulator&, VehicleModel&)>;
Q_DECLARE_METATYPE(Until)
Q_DECLARE_METATYPE(Probe)

namespace {

double published(const MvbControllerEmulator& e, const QString& name)
{
    const sim::SignalInfo* info = sim::findSignal(name);
    return info ? sim::decodeSignal(*info, e.publishedDataset(info->port)) : std::nan("");
}

// Runs the model until `until` holds (at most 700 s of model time, in 100 ms steps).
bool runUntil(VehicleModel& m, const Until& until)
{
    for (qint64 t = 0; t < 700000; t += 100) {
        m.advance(100);
        if (until(m.state()))
            return true;
    }
    return false;
}

} // namespace

class TestVehicle : public QObject {
    Q_OBJECT

private slots:
    void encodeSignal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("expected");
        // 110 x 4096 / 100 = 4505.6: rounded to the nearest word (4505 would read 109.98 V).
        QTest::newRow("scaled rounds") << "FLG1_D21_XU_Battery" << 110.0 << 0 << 4506;
        QTest::newRow("scaled clamped to the mask") << "FLG1_D21_XIprim" << 2500.0 << 0 << 0x1FFF;
        QTest::newRow("negative scaled clamped to 0") << "FLG1_D50_XSpeedLoco" << -3.0 << 0 << 0;
        QTest::newRow("effort -50 %") << "FLG1_D53_WTE_BE_Loco" << -50.0 << 0 << 0x10000 - 2048;
        QTest::newRow("bit set, others kept") << "FLG1_D13_LPanUpWish" << 1.0 << 0x2000 << 0x2400;
        QTest::newRow("bit cleared, others kept") << "FLG1_D13_LPanUpWish" << 0.0 << 0x2400 << 0x2000;
        QTest::newRow("high byte, low kept") << "FLG1_D54_BSubS01_Off" << 99.0 << 0x0004 << 0x6304;
    }

    void encodeSignal()
    {
        QFETCH(QString, name);
        QFETCH(double, value);
        QFETCH(int, before);
        QFETCH(int, expected);
        const sim::SignalInfo* info = sim::findSignal(name);
        QVERIFY(info);
        QVector<quint16> words(16, 0), want(16, 0);
        words[info->word] = quint16(before);
        want[info->word] = quint16(expected);
        sim::encodeSignal(*info, value, words);
        QCOMPARE(words, want);
    }

    void runScenario()
    {
        // One loop of the run through the published words, checked at its phase
        // changes; the six life signs count at every publication.
        MvbControllerEmulator e;
        VehicleModel m(e);
        m.publish();
        QCOMPARE(published(e, "HBB2_D01_LPanUp") + published(e, "FLG1_D07_MVCB_On"), 0.0);
        const QList<QPair<quint16, int>> lifeSigns{{1000, 1}, {1500, 1}, {1100, 0}, {1600, 0}, {1200, 0}, {1700, 0}};
        const auto lifeWords = [&] {
            QVector<quint16> w;
            for (const auto& l : lifeSigns)
                w << e.publishedDataset(l.first).value(l.second);
            return w;
        };
        QList<Phase> seen{m.state().phase};
        double speed = 0.0;
        for (int i = 0; i < 3000 && seen.size() < 10; ++i) {
            const QVector<quint16> life = lifeWords();
            m.advance(100);
            for (int k = 0; k < life.size(); ++k)
                QVERIFY2(lifeWords()[k] != life[k], qPrintable(QString::number(lifeSigns[k].first)));
            const sim::VehicleState s = m.state();
            const double now = published(e, "FLG1_D50_XSpeedLoco");
            QVERIFY(s.phase != Phase::Traction || now >= speed - 0.05);
            QVERIFY(s.phase != Phase::Braking || now <= speed);
            speed = now;
            if (s.phase == Phase::Traction && s.phaseMs == 20000)
                QVERIFY(published(e, "FLG1_D46_XTE_BE_Loco") > 50.0);
            if (s.phase == Phase::Braking && s.phaseMs == 10000) {
                QVERIFY(std::abs(published(e, "FLG1_D46_XTE_BE_Loco") + 60.0) < 0.5);
                QVERIFY(published(e, "FLG1_D45_XPrAutoBkLn") < 4.8);
            }
            if (s.phase == seen.last())
                continue;
            seen << s.phase;
            if (s.phase == Phase::Traction) { // pan up, VCB closed, 25 kV
                QCOMPARE(published(e, "HBB2_D01_LPanUp") + published(e, "FLG1_D07_MVCB_On"), 2.0);
                QVERIFY(std::abs(published(e, "FLG1_D21_XUprim") - 25.0) < 0.5);
            } else if (s.phase == Phase::Cruising) {
                QVERIFY(speed > 99.0 && speed < 103.0);
            } else if (s.phase == Phase::Shutdown) {
                QCOMPARE(speed, 0.0);
                QVERIFY(published(e, "FLG1_D45_XPrAutoBkLn") > 4.8); // recharged
            }
        }
        const QList<Phase> expected{Phase::Parked,   Phase::PanRaising, Phase::PanUp,   Phase::VcbClosed,
                                    Phase::Traction, Phase::Cruising,   Phase::Braking, Phase::Stopped,
                                    Phase::Shutdown, Phase::Parked};
        QCOMPARE(seen, expected);
        // FLG2 mirrors FLG1 (the display falls over to it).
        QCOMPARE(e.publishedDataset(3210).mid(0, 7), e.publishedDataset(3110).mid(0, 7));
    }

    void scenarios_data()
    {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<int>("cab");
        QTest::addColumn<Until>("until");
        QTest::addColumn<QStringList>("expected"); // "<signal>=<value>", "<signal>=-": its port is not published
        QTest::newRow("run, cab 2") << int(Scenario::Run) << 2
                                    << Until([](const auto& s) { return s.phase == Phase::PanRaising && s.message; })
                                    << QStringList{"DDA2_DD46_FaultNum=95", "DDA1_DD46_FaultNum=0",
                                                   "FLG1_D23_MCab1Active=0", "FLG1_D23_MCab2Active=1"};
        QTest::newRow("run: wheel skid while braking")
            << int(Scenario::Run) << 1 << Until([](const auto& s) { return s.phase == Phase::Braking && s.message; })
            << QStringList{"DDA1_DD46_FaultNum=20207", "STB1_D02_MLampWSlip=1", "multiOpMode_slave1_active=0"};
        QTest::newRow("standstill: pan down ten minutes")
            << int(Scenario::Standstill) << 1
            << Until([](const auto& s) { return s.timeMs >= 601000 && s.phase == Phase::Parked; })
            << QStringList{"FLG1_D50_XSpeedLoco=0", "FLG1_D07_MVCB_On=0", "HBB2_D44_MParkBkApp=1",
                           "DDA1_DD46_FaultNum=10903"};
        QTest::newRow("demo: effort limited") << int(Scenario::Demo) << 1 << Until([](const auto& s) {
            return s.phase == Phase::Traction && s.phaseMs >= 25000;
        }) << QStringList{"DDA1_DD46_FaultNum=20102", "FLG1_06_MPowerReduc=1", "FLG1_D53_WTE_BE_Loco=60"};
        QTest::newRow("demo: full TE/BE restored")
            << int(Scenario::Demo) << 1 << Until([](const auto& s) { return s.message == 94; })
            << QStringList{"FLG1_06_MPowerReduc=0"};
        QTest::newRow("multi: second loco") << int(Scenario::Multi) << 1 << Until([](const auto& s) {
            return s.phase == Phase::Cruising && s.loco2Message;
        }) << QStringList{"multiOpMode_slave1_active=1", "slave1_LTrvDirFor=1",          "FLG1_D00_MLocoNum2=31029",
                          "NODE_SLV_loco2=514",          "MVB_DDU_Fault2_No_temp=21202", "MVB_DDU_MotorSlave3_SLG2=1"};
        QTest::newRow("none: only what commands set")
            << int(Scenario::None) << 1 << Until([](const auto& s) { return s.timeMs >= 1000; })
            << QStringList{"FLG1_D50_XSpeedLoco=-", "DDA1_DD46_FaultNum=-"};
    }

    void scenarios()
    {
        QFETCH(int, scenario);
        QFETCH(int, cab);
        QFETCH(Until, until);
        QFETCH(QStringList, expected);
        MvbControllerEmulator e;
        VehicleModel::Options o;
        o.scenario = Scenario(scenario);
        o.activeCab = cab;
        VehicleModel m(e, o);
        QVERIFY(runUntil(m, until));
        for (const QString& x : expected) {
            const sim::SignalInfo* info = sim::findSignal(x.section(QLatin1Char('='), 0, 0));
            QVERIFY2(info, qPrintable(x));
            const QVector<quint16> words = e.publishedDataset(info->port);
            if (x.endsWith(QLatin1String("=-"))) {
                QVERIFY2(words.isEmpty(), qPrintable(x));
                continue;
            }
            const double got = sim::decodeSignal(*info, words);
            QVERIFY2(std::abs(got - x.section(QLatin1Char('='), 1).toDouble()) < 0.02,
                     qPrintable(x + QStringLiteral(": ") + QString::number(got)));
        }
    }

    void scenarioSwitch()
    {
        // The FLG1 ports go quiet in the stale scenario; another scenario restarts
        // the timeline and publishes them again.
        MvbControllerEmulator e;
        VehicleModel::Options o;
        o.scenario = Scenario::Stale;
        o.staleAfterMs = 5000;
        VehicleModel m(e, o);
        QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.timeMs >= 4900; }));
        QVERIFY(!e.publishedDataset(3110).isEmpty());
        QVERIFY(runUntil(m, [](const sim::VehicleState& s) { return s.timeMs >= 5100; }));
        QVERIFY(m.silentPorts().contains(3110) && !m.silentPorts().contains(3210));
        QVERIFY(e.publishedDataset(3110).isEmpty());
        QCOMPARE(published(e, "FLG2_D23_MCab1Active"), 1.0);
        m.setScenario(Scenario::Run);
        QVERIFY(m.silentPorts().isEmpty());
        QVERIFY(!e.publishedDataset(3110).isEmpty());
        QCOMPARE(m.state().phase, Phase::Parked);
    }

    void outputPortThroughController()
    {
        // The display configures 2650 as a sink and its output port 3015 as a
        // source, and sends requests as pulses of bits held for about ten cycles:
        // word 0 bit 8 acknowledges, bits 9..12 page the DDS window up, down, to
        // the top, to the bottom.
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        configurePort(e, 2650, 4, 4, kSink);
        configurePort(e, 3015, 8, 2, kSource);
        configurePort(e, 3201, 12, 2, kSource); // the other cab's display
        VehicleModel::Options o;
        o.scenario = Scenario::Multi;
        VehicleModel m(e, o);
        QStringList printed;
        m.setLinePrinter([&](const QString& line) { printed << line; });
        m.attachToEmulator();
        m.publish();
        const auto shown = [&] {
            const QVector<quint16> w = readSink(e, 4, 16);
            return QVector<int>{w[0], w[4], w[8], w[12]};
        };
        const auto pulse = [&](quint16 bit, quint16 index = 8) {
            for (int i = 0; i < 11; ++i)
                writeSource(e, index, {quint16(i < 10 ? bit : 0), 22, 0, 0});
        };
        // 40 events of all eleven processors, each with a code of the catalogue;
        // four words a record: event, processor << 8 | code, time high, time low.
        const QVector<sim::DdsEvent> events = sim::DdsLog::defaultEvents();
        QSet<int> processors;
        for (const sim::DdsEvent& ev : events) {
            QVERIFY(sim::DdsLog::codeValid(ev.processor, ev.code));
            processors.insert(ev.processor);
        }
        QCOMPARE(processors.size(), 11);
        QCOMPARE(readSink(e, 4, 4),
                 (QVector<quint16>{1240, quint16(events[0].processor << 8 | events[0].code),
                                   quint16(events[0].time >> 16), quint16(events[0].time)}));
        QCOMPARE(shown(), (QVector<int>{1240, 1239, 1238, 1237}));
        pulse(0x0400); // down
        pulse(0x0400);
        QCOMPARE(shown(), (QVector<int>{1232, 1231, 1230, 1229}));
        pulse(0x0200); // up
        QCOMPARE(shown(), (QVector<int>{1236, 1235, 1234, 1233}));
        pulse(0x1000); // bottom
        pulse(0x0400); // down at the bottom stays
        QCOMPARE(shown(), (QVector<int>{1204, 1203, 1202, 1201}));
        pulse(0x0800); // top
        pulse(0x0200); // up at the top stays
        QCOMPARE(shown(), (QVector<int>{1240, 1239, 1238, 1237}));
        // The window survives the model's own publications.
        pulse(0x0400);
        m.advance(1000);
        QCOMPARE(shown(), (QVector<int>{1236, 1235, 1234, 1233}));
        QCOMPARE(m.state().presentScreen[0], 22);

        // Acknowledge: once a pulse, the own loco's message first, then the second loco's.
        m.raiseMessage(20102);
        m.raiseLoco2Message(21202);
        for (int i = 0; i < 11; ++i) {
            writeSource(e, 8, {quint16(i < 10 ? 0x0100 : 0), 22, 0, 0});
            if (i == 3)
                m.raiseMessage(400); // a new message while the bit is still up stays
        }
        QCOMPARE(published(e, "DDA1_DD46_FaultNum"), 400.0);
        pulse(0x0100, 12); // the other cab's display acknowledges too
        QCOMPARE(published(e, "DDA1_DD46_FaultNum"), 0.0);
        QCOMPARE(published(e, "MVB_DDU_Fault2_No_temp"), 21202.0);
        pulse(0x0100);
        QCOMPARE(published(e, "MVB_DDU_Fault2_No_temp"), 0.0);
        QCOMPARE(m.state().acknowledgements, 3);
        // Each edge of the acknowledge bit printed once, with its port; paging prints nothing.
        QCOMPARE(printed.value(1), QStringLiteral("ack off 3015 (held 10 writes)"));
        for (QString& line : printed)
            line = line.section(QStringLiteral(" ("), 0, 0);
        QCOMPARE(
            printed,
            (QStringList{"ack on 3015", "ack off 3015", "ack on 3201", "ack off 3201", "ack on 3015", "ack off 3015"}));
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text"); // output or error of the last line ('*' matches anything)
        QTest::addColumn<Probe>("probe");  // effect on the emulator or the model, may be empty
        const auto row = [](const char* name, const QStringList& lines, bool ok, const QString& text,
                            const Probe& probe = {}) { QTest::newRow(name) << lines << ok << text << probe; };
        row("unknown", {"jump 3"}, false, "unknown command: jump");
        row("set, held while the model runs", {"set 3100 2 0xBEEF"}, true, "", [](auto& e, auto& m) {
            m.advance(30000);
            return e.publishedDataset(3100).value(2) == 0xBEEF;
        });
        row("publish", {"publish 3100 1 2", "overrides"}, true, "overrides 2 3100.0=0x0001 3100.1=0x0002");
        row("stale", {"stale 0x0c1c"}, true, "", [](auto& e, auto&) { return e.isStale(3100); });
        row("fresh", {"stale 3100", "fresh 3100"}, true, "", [](auto& e, auto&) { return !e.isStale(3100); });
        row("error", {"error 3100 0x11"}, true, "", [](auto& e, auto&) { return (rd(e, 0xC022) & 0x1F) == 0x11; });
        row("mode short 2", {"mode short 2"}, true, "",
            [](auto& e, auto&) { return e.faultMode() == sim::FaultMode::ShortReply && e.shortBy() == 2; });
        row("signal set and query", {"signal FLG1_D50_XSpeedLoco 87.5", "signal FLG1_D50_XSpeedLoco"}, true,
            "signal FLG1_D50_XSpeedLoco 87.5 port=3110 word=6 raw=0x0e00");
        row("fault held", {"scenario standstill", "fault 10108"}, true, "", [](auto& e, auto& m) {
            m.advance(500000);
            return e.publishedDataset(3550) == QVector<quint16>{10108};
        });
        row("scenario", {"scenario multi", "scenario"}, true, "scenario multi");
        row("pause", {"pause", "vehicle"}, true, "vehicle time=0.0 scenario=run phase=parked * paused");
        row("dds", {"dds"}, true, "dds top=0 of 40\ndds 1240 BUR3 54 1730689852 2024-11-04T03:10:52Z\ndds 1239 *");
        row("quit", {"quit"}, true, "");
    }

    void commands()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, ok);
        QFETCH(QString, text);
        QFETCH(Probe, probe);
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        configurePort(e, 3100, 4, 4, kSink);
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
        QCOMPARE(r.quit, lines.last() == QLatin1String("quit"));
        const QString got = ok ? r.output : r.error;
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(QRegularExpression::escape(text).replace(
                                             QLatin1String("\\*"), QLatin1String(".*"))),
                                         QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(pattern.match(got).hasMatch(), qPrintable(got));
        if (probe)
            QVERIFY(probe(e, m));
    }

    void panelFrames_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("keypad");
        QTest::addColumn<QByteArray>("touch");
        QTest::addColumn<QString>("text"); // the output, or the start of the error
        const char* names[] = {"ESC", "HOME", "MENU",  "BRIGHT_UP", "BRIGHT_DOWN",
                               "UP",  "DOWN", "ENTER", "DDS_UP",    "DDS_DOWN"};
        const char* codes[] = {"01", "02", "03", "06", "07", "08", "09", "10", "12", "13"};
        for (int i = 0; i < 10; ++i)
            QTest::newRow(names[i]) << QStringLiteral("key %1").arg(QLatin1String(names[i]))
                                    << QByteArray("$,") + codes[i] + ",\r\n"
                                    << QByteArray() << QStringLiteral("sent key %1").arg(QLatin1String(names[i]));
        QTest::newRow("keys: lower case, code of a name, brightness report")
            << "keys gap=0 up,08 3M" << QByteArray("$,08,\r\n$,08,\r\n$,3M,\r\n") << QByteArray()
            << "sent key UP\nsent key UP\nsent key 3M";
        QTest::newRow("keys, one bad: none sent")
            << "keys UP bogus" << QByteArray() << QByteArray() << "unknown key: bogus";
        QTest::newRow("touch 0 0") << "touch 0 0" << QByteArray() << bytes({0xA1, 0x00, 0x00, 0x0F, 0x7F, 0x41})
                                   << "sent touch 0 0";
        QTest::newRow("touch off the screen")
            << "touch 10 768" << QByteArray() << QByteArray() << "y must be a number from 0 to 767: 768";
    }

    void panelFrames()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, keypad);
        QFETCH(QByteArray, touch);
        QFETCH(QString, text);
        QByteArray sentKeypad;
        QByteArray sentTouch;
        sim::PanelInjector injector([&](const QByteArray& b) { sentKeypad += b; },
                                    [&](const QByteArray& b) { sentTouch += b; }, nullptr);
        sim::CommandInterpreter interpreter;
        sim::registerPanelCommands(interpreter, injector);
        const auto r = interpreter.execute(line);
        QCOMPARE(r.ok, !(keypad + touch).isEmpty());
        QVERIFY2(r.ok ? r.output == text : r.error.startsWith(text), qPrintable(r.ok ? r.output : r.error));
        QCOMPARE(sentKeypad, keypad);
        QCOMPARE(sentTouch, touch);
    }

    void touchInverseEveryPoint()
    {
        // The display's conversion, written out here on its own: every screen
        // point comes back exactly (rounding to the nearest raw value would not).
        const auto screenX = [](int rawX) { return int(double(rawX) / 1.9375); };
        const auto screenY = [](int rawY) { return int(double(2047 - rawY) * 0.375); };
        int failures = 0;
        for (int x = 0; x < sim::panel::kScreenWidth; ++x) {
            for (int y = 0; y < sim::panel::kScreenHeight; ++y) {
                const sim::panel::RawTouch raw = sim::panel::touchRaw(x, y);
                if (raw.x < 0 || raw.x > 2047 || raw.y < 0 || raw.y > 2047 || screenX(raw.x) != x ||
                    screenY(raw.y) != y)
                    ++failures;
            }
        }
        QCOMPARE(failures, 0);
    }
};

QTEST_GUILESS_MAIN(TestVehicle)
#include "test_vehicle.moc"
