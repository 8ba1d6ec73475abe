// Only fresh data speaks. A stale port changes nothing a screen shows, whatever
// its words hold; a value with several sources is "on" as soon as a fresh one
// says so and "off" only when every one is fresh; fresh sources that
// contradict each other give unknown.

#include <QtTest>

#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/port_map.h"
#include "acquisition/stale_store.h"
#include "acquisition/store_dump.h"
#include "acquisition/unknown.h"

#include <initializer_list>
#include <random>
#include <utility>

namespace {

constexpr unsigned short kFresh = 100;
constexpr unsigned short kStale = 10000;

// What the screens are shown: every derived value (texts, states, numbers,
// images, message numbers, and the life-sign supervision and references that
// later passes show), the DDS records and the multiple-operation flag.
const QSet<QString>& shownNames()
{
    static const QSet<QString> names = [] {
        QSet<QString> n;
#define DV_INT(name) n.insert(QStringLiteral(#name));
#define DV_DOUBLE(name) n.insert(QStringLiteral(#name));
#define DV_STRING(name) n.insert(QStringLiteral(#name));
#define DV_INT_ARRAY(name, size) n.insert(QStringLiteral(#name));
#define DV_UINT_ARRAY(name, size) n.insert(QStringLiteral(#name));
#define DV_STRING_ARRAY(name, size) n.insert(QStringLiteral(#name));
#include "acquisition/derived_values.def"
        n.insert(QStringLiteral("multiOpMode_slave1_active"));
        for (const char* field : {"event_number_raw", "device_number", "fault_number", "datetime1", "datetime2"})
            n.insert(QStringLiteral("DDU_RAW_DATA.") + QLatin1String(field));
        return n;
    }();
    return names;
}

QMap<QString, QString> shown(const SignalStore& s)
{
    QMap<QString, QString> out;
    for (const auto& [name, value] : dumpSignalStore(s))
        if (shownNames().contains(name))
            out.insert(name, value);
    return out;
}

// The names whose values differ, with both values.
QStringList differences(const QMap<QString, QString>& a, const QMap<QString, QString>& b)
{
    QStringList d;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (b.value(it.key()) != it.value())
            d << QStringLiteral("%1: %2 / %3").arg(it.key(), it.value(), b.value(it.key()));
    return d;
}

const CyclePort& portOf(int number)
{
    for (int i = 0; i < firstPartPortCount(); ++i)
        if (firstPartPorts()[i].port == number)
            return firstPartPorts()[i];
    qFatal("no port %d in the cycle", number);
    return firstPartPorts()[0];
}

// A random word, now and then one the rules compare with a constant: small
// bytes (sub-system state 4, node 12), all bits clear or set.
uint16_t randomWord(std::mt19937& rng)
{
    switch (rng() % 4) {
    case 0:
    case 1: return static_cast<uint16_t>((rng() % 8) << 8 | rng() % 8);
    case 2: return rng() % 2 ? 0x0000 : 0xFFFF;
    default: return static_cast<uint16_t>(rng());
    }
}

void fillPort(std::mt19937& rng, SignalStore& s, const CyclePort& port, uint16_t freshness)
{
    uint16_t words[16];
    for (uint16_t& w : words)
        w = randomWord(rng);
    extractPortSignals(s, port, words, freshness);
}

// A vehicle in a random state: every port with random words, about a fifth of
// them stale, decoded twice so that the kept values and the supervision have
// a history.
SignalStore randomStore(std::mt19937& rng, const BusRequests& r)
{
    SignalStore s;
    for (int i = 0; i < firstPartPortCount(); ++i)
        fillPort(rng, s, firstPartPorts()[i], rng() % 5 == 0 ? kStale + rng() % 50000 : rng() % kStale);
    mvbvaria v;
    v.updatemvbvariables(s, r);
    v.updatemvbvariables(s, r);
    return s;
}

// Sets raw port signals by their names in the port map.
void setRaw(SignalStore& s, const QList<QPair<QString, double>>& values)
{
    for (const auto& [name, value] : values) {
        bool found = false;
        for (int i = 0; i < portSignalCount() && !found; ++i) {
            if (QLatin1String(portSignals()[i].name) == name) {
                writeSignal(s, portSignals()[i], value);
                found = true;
            }
        }
        QVERIFY2(found, qPrintable(name));
    }
}

// A store in which every port is fresh and every signal 0, and the ports
// `stale` are stale.
SignalStore quietStore(const QList<int>& stale)
{
    SignalStore s;
    for (int i = 0; i < firstPartPortCount(); ++i)
        freshnessOf(s, firstPartPorts()[i]) = kFresh;
    for (int port : stale)
        freshnessOf(s, portOf(port)) = kStale;
    return s;
}

QString valueOf(const SignalStore& s, const QString& name)
{
    for (const auto& [n, v] : dumpSignalStore(s))
        if (n == name)
            return v.startsWith(QLatin1Char('"')) ? v.mid(1, v.size() - 2) : v;
    return QStringLiteral("<no such member>");
}

using Settings = QList<QPair<QString, double>>;
using Expected = QList<QPair<QString, QString>>;

// One decoding pass over a quiet store with the ports `stale` stale and the
// signals `raw` set (the multiple-operation flag among them).
SignalStore decoded(const QList<int>& stale, const Settings& raw)
{
    SignalStore s = quietStore(stale);
    Settings portSignals;
    for (const auto& [name, value] : raw) {
        if (name == QLatin1String("multiOpMode_slave1_active"))
            s.multiOpMode_slave1_active = static_cast<char>(value);
        else
            portSignals << qMakePair(name, value);
    }
    setRaw(s, portSignals);
    BusRequests r;
    mvbvaria().updatemvbvariables(s, r);
    return s;
}

} // namespace

class TestTruth : public QObject {
    Q_OBJECT

private slots:
    // For every port of the cycle: the port stale with two different random
    // contents, over many random states of the other ports, must give the
    // same shown values, in the pass it goes stale and in the pass after.
    void stalePortChangesNothingShown()
    {
        std::mt19937 rng(20261207);
        int compared = 0;
        for (int round = 0; round < 60; ++round) {
            BusRequests r;
            r.Selected_SR_Type = round % 2 ? 3 : 1;
            const SignalStore base = randomStore(rng, r);
            for (int i = 0; i < firstPartPortCount(); ++i) {
                const CyclePort& port = firstPartPorts()[i];
                SignalStore a = base, b = base;
                fillPort(rng, a, port, static_cast<uint16_t>(kStale + rng() % 50000));
                fillPort(rng, b, port, 0xFFFF);
                mvbvaria v;
                for (int pass = 1; pass <= 2; ++pass) {
                    v.updatemvbvariables(a, r);
                    v.updatemvbvariables(b, r);
                    const QStringList d = differences(shown(a), shown(b));
                    QVERIFY2(d.isEmpty(),
                             qPrintable(QStringLiteral("port %1 stale, round %2, pass %3: %4")
                                            .arg(port.port)
                                            .arg(round)
                                            .arg(pass)
                                            .arg(d.join(QStringLiteral("; ")))));
                    ++compared;
                }
            }
        }
        QVERIFY(compared == 60 * firstPartPortCount() * 2);
    }

    // The remote I/O images and the DDS records of a stale port do not depend
    // on its words either.
    void staleSecondPartChangesNothingShown()
    {
        uint16_t one[16], other[16];
        for (int k = 0; k < 16; ++k) {
            one[k] = static_cast<uint16_t>(0x1234 * (k + 1));
            other[k] = static_cast<uint16_t>(~one[k]);
        }
        SignalStore a, b;
        for (int k = 0; k < lmvf::remoteIoPortCount(); ++k) {
            lmvf::decodeRemoteIo(a, lmvf::remoteIoPorts()[k].port, one, kStale);
            lmvf::decodeRemoteIo(b, lmvf::remoteIoPorts()[k].port, other, kStale);
        }
        lmvf::decodeDdsRecords(a, one, kStale);
        lmvf::decodeDdsRecords(b, other, kStale);
        QCOMPARE(differences(shown(a), shown(b)), QStringList());
    }

    // The look the screens get while the link is silent keeps the words last
    // read, so a life sign never reads "alive" from the silence.
    void staleViewKeepsTheWordsLastRead()
    {
        SignalStore live = quietStore({});
        BusRequests r;
        mvbvaria v;
        for (int k = 0; k < 5; ++k) {
            live.FLG1_10_XMVBLifeSig = 100 + k;
            live.FLG1_D50_XSpeedLoco = 87.5;
            v.updatemvbvariables(live, r);
        }
        QCOMPARE(live.MVB_DDU_FLG1_Lifesign, 1);
        const SignalStore silent = staleView(live, r);
        QCOMPARE(silent.FLG1_10_XMVBLifeSig, 104u);
        QCOMPARE(silent.FLG1_D50_XSpeedLoco, 87.5f);
        QCOMPARE(silent.MVB_DDU_FLG1_Lifesign, int(TriNoData));
        QCOMPARE(silent.MVB_DDU_Speed_String, unknownText());
        QCOMPARE(silent.freshness_2650, static_cast<unsigned short>(0xFFFF));
        // The supervision resumes where it stood.
        QCOMPARE(silent.PrevLifesign[1], live.PrevLifesign[1]);
    }

    // ---------------------------------------------------------------- contradictions

    void contradictions_data()
    {
        QTest::addColumn<Settings>("raw");
        QTest::addColumn<Expected>("want");
        // clang-format off
        QTest::newRow("FLG1 names both cabs")
            << Settings{{"FLG1_D23_MCab1Active", 1}, {"FLG1_D23_MCab2Active", 1}, {"HBB1_D24_LTrvDirFor", 1},
                        {"DDA1_DD46_FaultNum", 10101}}
            << Expected{{"MVB_DDU_Cab_Active", "3"}, {"MVB_DDU_Direction", "3"}, {"MVB_DDU_Fault_No", "-1"},
                        {"MVB_DDU_Inching_mod_Active", "2"}};
        QTest::newRow("FLG1 names cab 1, FLG2 cab 2")
            << Settings{{"FLG1_D23_MCab1Active", 1}, {"FLG2_D23_MCab2Active", 1}, {"DDA1_DD46_FaultNum", 10101}}
            << Expected{{"MVB_DDU_Cab_Active", "3"}, {"MVB_DDU_Direction", "3"}, {"MVB_DDU_Fault_No", "-1"}};
        QTest::newRow("FLG1 names cab 1, FLG2 none: no contradiction")
            << Settings{{"FLG1_D23_MCab1Active", 1}, {"DDA1_DD46_FaultNum", 10101}}
            << Expected{{"MVB_DDU_Cab_Active", "1"}, {"MVB_DDU_Direction", "0"}, {"MVB_DDU_Fault_No", "10101"}};
        QTest::newRow("forward and reverse from one reverser copy")
            << Settings{{"FLG1_D23_MCab1Active", 1}, {"HBB1_D24_LTrvDirFor", 1}, {"HBB1_D24_LTrvDirRev", 1}}
            << Expected{{"MVB_DDU_Cab_Active", "1"}, {"MVB_DDU_Direction", "3"}};
        QTest::newRow("forward from one copy, reverse from the other")
            << Settings{{"FLG2_D23_MCab2Active", 1}, {"HBB2_D24_LTrvDirFor", 1}, {"STB2_D24_LTrvDirRev", 1}}
            << Expected{{"MVB_DDU_Cab_Active", "2"}, {"MVB_DDU_Direction", "3"}};
        QTest::newRow("second loco forward and reverse")
            << Settings{{"multiOpMode_slave1_active", 1}, {"slave1_LTrvDirFor", 1}, {"slave1_LTrvDirREV", 1}}
            << Expected{{"MVB_DDU_Direction_2", "3"}};
        QTest::newRow("traction and braking demand at once")
            << Settings{{"HBB1_D01_LTEDemand", 1}, {"HBB2_D01_LBEDemand", 1}, {"FLG1_D26_MThTE_BEE0", 1}}
            << Expected{{"MVB_DDU_Master_Control_Position_String", "????"}};
        QTest::newRow("traction demand alone")
            << Settings{{"HBB1_D01_LTEDemand", 1}}
            << Expected{{"MVB_DDU_Master_Control_Position_String", "Traction"}};
        QTest::newRow("pantograph up and down asked at once")
            << Settings{{"HBB2_D31_LPanUpWish", 1}, {"STB2_D31_LPanDnWish", 1}}
            << Expected{{"MVB_DDU_Panto", "2"}, {"MVB_DDU_Panto_String", "????"}};
        QTest::newRow("pantograph raised at the desk and down asked")
            << Settings{{"HBB2_D01_LPanUp", 1}, {"HBB2_D31_LPanDnWish", 1}}
            << Expected{{"MVB_DDU_Panto", "2"}};
        QTest::newRow("pantograph down asked alone")
            << Settings{{"STB2_D31_LPanDnWish", 1}}
            << Expected{{"MVB_DDU_Panto", "0"}, {"MVB_DDU_Panto_String", "DOWN"}};
        // clang-format on
    }
    void contradictions()
    {
        QFETCH(Settings, raw);
        QFETCH(Expected, want);
        const SignalStore s = decoded({}, raw);
        for (const auto& [name, text] : want)
            QCOMPARE(valueOf(s, name), text);
    }

    // ---------------------------------------------------------------- several sources

    void severalSources_data()
    {
        QTest::addColumn<QList<int>>("stale");
        QTest::addColumn<Settings>("raw");
        QTest::addColumn<Expected>("want");
        // clang-format off
        QTest::newRow("lamp lit by the fresh port, the other stale")
            << QList<int>{3600} << Settings{{"STB1_D02_MLampCSpeed", 1}} << Expected{{"MVB_DDU_BPCS", "1"}};
        QTest::newRow("lamp dark on the fresh port, the other stale: unknown")
            << QList<int>{3600} << Settings{} << Expected{{"MVB_DDU_BPCS", "2"}, {"MVB_DDU_LSP", "2"},
                                                        {"MVB_DDU_Wheel_Slip_String", "????"}};
        QTest::newRow("lamps dark on both ports")
            << QList<int>{} << Settings{} << Expected{{"MVB_DDU_BPCS", "0"}, {"MVB_DDU_BPFA", "0"},
                                                      {"MVB_DDU_LSFI", "0"}, {"MVB_DDU_LSP", "0"}};
        QTest::newRow("earth fault reported by one port, the others stale")
            << QList<int>{3700, 3800} << Settings{{"HBB1_D01_MEFRFilter", 1}}
            << Expected{{"MVB_DDU_Earth_Fault_Power", "1"}, {"MVB_DDU_Earth_Fault_Power_String", "ON"}};
        QTest::newRow("no earth fault reported, one port stale: unknown")
            << QList<int>{3800} << Settings{}
            << Expected{{"MVB_DDU_Earth_Fault_Power", "2"}, {"MVB_DDU_Earth_Fault_Power_String", "????"},
                        {"MVB_DDU_Filter_String", "????"}};
        QTest::newRow("auxiliary earth fault: one port stale")
            << QList<int>{3300} << Settings{} << Expected{{"MVB_DDU_Earth_Fault_Auxiliary", "2"}};
        QTest::newRow("loco brake: one cylinder applied, the other's port stale")
            << QList<int>{3600} << Settings{{"HBB2_D01_MPrSwBkCyl2", 1}} << Expected{{"MVB_DDU_Loco_Break", "1"}};
        QTest::newRow("loco brake released only with both known")
            << QList<int>{3400} << Settings{} << Expected{{"MVB_DDU_Loco_Break", "2"}};
        QTest::newRow("pantograph: one port stale, no request")
            << QList<int>{3600} << Settings{} << Expected{{"MVB_DDU_Panto", "2"}};
        QTest::newRow("pantograph: up from the fresh port")
            << QList<int>{3600} << Settings{{"HBB2_D31_LPanUpWish", 1}} << Expected{{"MVB_DDU_Panto", "1"}};
        QTest::newRow("input power: total only with both converters")
            << QList<int>{3800} << Settings{{"SLG1_D04_XPN", 0x0200}}
            << Expected{{"MVB_DDU_Input_Power1_String", "1250.00"}, {"MVB_DDU_Input_Power2_String", "????"},
                        {"MVB_DDU_Input_Power_String", "????"}, {"MVB_DDU_SR_Input_Power1_String", "1250.00"}};
        QTest::newRow("auxiliary voltage and current only with every converter")
            << QList<int>{3950, 3800} << Settings{{"BUR1_D73_XUUN", 30.0}, {"SLG1_D01_XIBUR", 50.0}}
            << Expected{{"MVB_DDU_Auxiliary_Voltage_String", "????"}, {"MVB_DDU_Auxiliary_Current_String", "????"}};
        QTest::newRow("highest auxiliary voltage: a tie of the first two")
            << QList<int>{} << Settings{{"BUR1_D73_XUUN", 33.0}, {"BUR2_D73_XUUN", 33.0}, {"BUR3_D73_XUUN", 30.0}}
            << Expected{{"MVB_DDU_Auxiliary_Voltage_String", "412.50"}};
        QTest::newRow("contactor 52/4: one fresh copy is enough")
            << QList<int>{3950} << Settings{} << Expected{{"MVB_DDU_Group_Contact_544_String", "OFF"}};
        QTest::newRow("direction: one fresh copy of the reverser is enough")
            << QList<int>{3300} << Settings{{"FLG1_D23_MCab1Active", 1}, {"STB1_D24_LTrvDirFor", 1}}
            << Expected{{"MVB_DDU_Direction", "1"}};
        QTest::newRow("direction: both copies stale")
            << QList<int>{3300, 3500} << Settings{{"FLG1_D23_MCab1Active", 1}}
            << Expected{{"MVB_DDU_Direction", "3"}};
        QTest::newRow("cab from FLG2 alone while FLG1 is stale")
            << QList<int>{3100} << Settings{{"FLG2_D23_MCab2Active", 1}}
            << Expected{{"MVB_DDU_Cab_Active", "2"}};
        QTest::newRow("message number of the active cab's stale port: unknown")
            << QList<int>{3550} << Settings{{"FLG1_D23_MCab1Active", 1}}
            << Expected{{"MVB_DDU_Fault_No", "-1"}};
        QTest::newRow("no cab active: no message")
            << QList<int>{3550} << Settings{} << Expected{{"MVB_DDU_Fault_No", "0"}};
        QTest::newRow("second loco's stale message port: unknown")
            << QList<int>{2610} << Settings{} << Expected{{"MVB_DDU_Fault2_No", "-1"}};
        QTest::newRow("emergency: the cab's stop pressed, FLG ports stale")
            << QList<int>{3100, 3110} << Settings{{"FLG2_D23_MCab1Active", 1}, {"HBB1_D01_LEmgStop", 1}}
            << Expected{{"MVB_DDU_EMG", "1"}};
        QTest::newRow("emergency: cab port fresh and clear, FLG1's pipe stale")
            << QList<int>{3110} << Settings{{"FLG1_D23_MCab1Active", 1}} << Expected{{"MVB_DDU_EMG", "2"}};
        QTest::newRow("emergency: no cab, the master FLG clear")
            << QList<int>{3300, 3400} << Settings{} << Expected{{"MVB_DDU_EMG", "0"}};
        QTest::newRow("emergency: FLG2 master, pipe emptied in a running node")
            << QList<int>{3110} << Settings{{"FLG2_D54_MFLG2MastRq", 1}, {"FLG2_D07_XNodeMSC", 500},
                                             {"FLG2_D45_XPrAutoBkLn", 2.0}}
            << Expected{{"MVB_DDU_EMG", "1"}};
        QTest::newRow("FLG2's request read from a stale port is not honoured")
            << QList<int>{3210} << Settings{{"FLG2_D54_MFLG2MastRq", 1}, {"FLG1_D50_XSpeedLoco", 40.0}}
            << Expected{{"MVB_DDU_FLG2_Master_Request", "0"}, {"MVB_DDU_Speed_String", "40"}};
        QTest::newRow("effort from FLG2 while FLG1 is stale")
            << QList<int>{3100} << Settings{{"FLG1_D53_WTE_BE_Loco", 2048}, {"FLG2_D53_WTE_BE_Loco", 1024}}
            << Expected{{"MVB_DDU_BE_Demand_String", "25"}};
        QTest::newRow("throttle zero from the chosen FLG")
            << QList<int>{3300, 3400} << Settings{{"FLG1_D26_MThTE_BEE0", 1}}
            << Expected{{"MVB_DDU_Master_Control_Position_String", "Throttle Zero"}};
        QTest::newRow("throttle zero of a stale FLG is not shown")
            << QList<int>{3100} << Settings{{"FLG1_D26_MThTE_BEE0", 1}}
            << Expected{{"MVB_DDU_Master_Control_Position_String", "????"}};
        QTest::newRow("auxiliary converter states come from 1310")
            << QList<int>{1310} << Settings{} << Expected{{"MVB_DDU_BUR1_Status_String", "????"}};
        QTest::newRow("FLG2 master: its auxiliary converter states are not published")
            << QList<int>{} << Settings{{"FLG2_D54_MFLG2MastRq", 1}} << Expected{{"MVB_DDU_BUR2_Status_String", "????"}};
        QTest::newRow("motors come from 3110")
            << QList<int>{3110} << Settings{}
            << Expected{{"MVB_DDU_MotorMaster_Status", "[2,2,2,2,2,2,0,0,0,0,0,0,0,0,0,0]"},
                        {"LineConverter1_status_SLG1", "2"}};
        QTest::newRow("motors while 3100 alone is stale")
            << QList<int>{3100} << Settings{{"MVB_DDU_MotorMaster1_SLG1", 1}}
            << Expected{{"MVB_DDU_MotorMaster_Status", "[1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]"}};
        QTest::newRow("antispin: no port carries it")
            << QList<int>{} << Settings{} << Expected{{"MVB_DDU_Antispin", "2"}};
        // clang-format on
    }
    void severalSources()
    {
        QFETCH(QList<int>, stale);
        QFETCH(Settings, raw);
        QFETCH(Expected, want);
        const SignalStore s = decoded(stale, raw);
        for (const auto& [name, text] : want)
            QCOMPARE(valueOf(s, name), text);
    }

    // Ratio texts are formed from the counters of this pass or not at all.
    void energyRatiosAreFormedOrUnknown()
    {
        SignalStore s = quietStore({});
        setRaw(s, {{"FLG1_D56_XEnergKWhP", 500}, {"FLG1_D56_XEnergKWh_", 100}});
        BusRequests r;
        mvbvaria v;
        for (int k = 0; k < 10; ++k)
            v.updatemvbvariables(s, r); // the references are taken
        setRaw(s, {{"FLG1_D56_XEnergKWhP", 600}, {"FLG1_D56_XEnergKWh_", 150}});
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Ratio_String, QStringLiteral("25.00"));
        QCOMPARE(s.MVB_DDU_Energy_Ratio_Trip_String, QStringLiteral("50.00"));
        // Nothing regenerated since: the trip shows 000 000 000, its ratio cannot be formed.
        setRaw(s, {{"FLG1_D56_XEnergKWh_", 100}});
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Regenerated_Trip_String, QStringLiteral("000 000 000"));
        QCOMPARE(s.MVB_DDU_Energy_Ratio_Trip_String, unknownText());
        setRaw(s, {{"FLG1_D56_XEnergKWh_", 1}});
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Ratio_String, unknownText());
    }
};

QTEST_GUILESS_MAIN(TestTruth)
#include "test_truth.moc"
