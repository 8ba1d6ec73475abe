// Port map and decoding: words in, named signals out; raw signals and
// freshness in, derived values and texts out. Every word of every port is
// checked against hand-written expectations in tests/portmap; here the port
// map's own consistency, the bus cycle around it, and the decoding rules.

#include <QtTest>

#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/port_map.h"
#include "acquisition/store_dump.h"
#include "fake_bus.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

namespace {

// A member of the store as the dump prints it (texts quoted, arrays in brackets).
QString dumped(const SignalStore& s, const QString& name)
{
    for (const auto& f : dumpSignalStore(s))
        if (f.first == name)
            return f.second;
    return QStringLiteral("<no such member>");
}

// A member as plain text: texts unquoted, numbers with the dump's nine
// significant digits; "NAME[k]" picks element k of an array.
QString valueOf(const SignalStore& s, QString name)
{
    int index = -1;
    if (name.endsWith(QLatin1Char(']'))) {
        const int open = name.indexOf(QLatin1Char('['));
        index = name.mid(open + 1, name.size() - open - 2).toInt();
        name.truncate(open);
    }
    QString raw = dumped(s, name);
    QJsonValue v = QJsonDocument::fromJson((QLatin1Char('[') + raw + QLatin1Char(']')).toUtf8()).array().at(0);
    if (v.isUndefined())
        return raw;
    if (index >= 0)
        v = v.toArray().at(index);
    return v.isString() ? v.toString() : v.toVariant().toString();
}

void expect(const SignalStore& s, std::initializer_list<std::pair<const char*, const char*>> want)
{
    for (const auto& [name, text] : want) {
        const QString got = valueOf(s, QLatin1String(name));
        const QString message = QStringLiteral("%1 is \"%2\", expected \"%3\"");
        QVERIFY2(got == QLatin1String(text), qPrintable(message.arg(QLatin1String(name), got, QLatin1String(text))));
    }
}

void expectAll(const SignalStore& s, const char* text, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        expect(s, {{name, text}});
}

// Sets raw port signals by their names in the port map.
void setRaw(SignalStore& s, std::initializer_list<std::pair<const char*, double>> values)
{
    for (const auto& [name, value] : values) {
        const PortSignal* sig = nullptr;
        for (int i = 0; i < portSignalCount() && !sig; ++i)
            if (qstrcmp(portSignals()[i].name, name) == 0)
                sig = &portSignals()[i];
        QVERIFY2(sig, name);
        writeSignal(s, *sig, value);
    }
}

struct Cycle {
    FakeBus bus;
    BusRequests requests;
    lmvf map;
    std::unique_ptr<SignalStore> store = std::make_unique<SignalStore>();
    void run() { map.readwritemvb(bus, *store, requests); }
};

constexpr unsigned short kFresh = 100;
constexpr unsigned short kStale = 10000;

// All ports of the first part fresh (the store's freshness globals).
void allFresh(SignalStore& s)
{
    for (int i = 0; i < firstPartPortCount(); ++i)
        freshnessOf(s, firstPartPorts()[i]) = kFresh;
}

// The decoding passes over a store whose first-part ports are all fresh.
struct Decoder {
    SignalStore s;
    BusRequests r;
    mvbvaria v;
    Decoder() { allFresh(s); }
    void pass(int times = 1)
    {
        while (times-- > 0)
            v.updatemvbvariables(s, r);
    }
};

} // namespace

class TestAcquisition : public QObject {
    Q_OBJECT

    static bool isFlag(const PortSignal& s) { return s.kind == SignalKind::Bit || s.kind == SignalKind::BitIfFresh; }

private slots:
    // ---------------------------------------------------------------- port map

    void cycleReadsPortsInOrder()
    {
        Cycle c;
        c.requests.Selected_CAB_Type = 1;
        c.run();
        const QList<int> expected = {3100, 3110, 3200, 3210,  3700, 3710, 3720, 3800, 3810, 3820, 3900, 3950, 4000,
                                     3300, 3400, 3500, 3600,  3550, 3650, 1035, 1310, 2510, 2610, 1535, 1010, 1510,
                                     1070, 1570, 1195, 1695,  1295, 1795, 1302, 1800, 1020, 1520, 1000, 1500, 1100,
                                     1600, 1200, 1700, -3015, 2650, 2510, 2610, 2520, 2620, 2500, 2501, 2502, 2503};
        QList<int> actual;
        for (const auto& a : c.bus.log)
            actual << (a.kind == 'w' ? -a.port : a.port);
        QCOMPARE(actual, expected);
        // The first part asks each port for its own size.
        for (int i = 0; i < firstPartPortCount(); ++i)
            QCOMPARE(int(c.bus.log[i].fcode), int(firstPartPorts()[i].fcode));
    }

    // The table's own consistency: each port owns one contiguous run of
    // signals (a row filed under the wrong port would never be cut), every
    // word lies inside its port's size, names are unique, no two flags share
    // a bit, each flag follows its own bit while no other flag does, and a
    // zero flag stays 0.
    void portMapIsConsistent()
    {
        int next = 0;
        std::set<QByteArray> names;
        std::set<std::tuple<int, int, int>> bits;
        for (int i = 0; i < firstPartPortCount(); ++i) {
            const CyclePort& p = firstPartPorts()[i];
            QCOMPARE(p.firstSignal, next);
            QVERIFY2(p.signalCount > 0, qPrintable(QString::number(p.port)));
            next += p.signalCount;
            for (int k = p.firstSignal; k < next; ++k) {
                const PortSignal& sig = portSignals()[k];
                QCOMPARE(int(sig.port), int(p.port));
                QVERIFY2(sig.word < (1 << p.fcode), sig.name);
                QVERIFY2(names.insert(QByteArray(sig.name)).second, sig.name);
                if (sig.kind == SignalKind::Zero) { // written 0 whatever the words
                    auto s = std::make_unique<SignalStore>();
                    uint16_t ones[16];
                    std::fill(std::begin(ones), std::end(ones), uint16_t(0xFFFF));
                    writeSignal(*s, sig, 1);
                    extractPortSignals(*s, p, ones, kFresh);
                    QVERIFY2(readSignal(*s, sig) == 0, sig.name);
                }
                if (!isFlag(sig))
                    continue;
                QVERIFY2(sig.bit < 16 && bits.insert({sig.port, sig.word, sig.bit}).second, sig.name);
                for (const bool set : {true, false}) {
                    auto s = std::make_unique<SignalStore>();
                    uint16_t words[16] = {};
                    words[sig.word] = static_cast<uint16_t>(set ? 1u << sig.bit : ~(1u << sig.bit));
                    extractPortSignals(*s, p, words, kFresh);
                    QVERIFY2((readSignal(*s, sig) != 0) == set, sig.name);
                    for (int o = p.firstSignal; set && o < next; ++o) {
                        const PortSignal& other = portSignals()[o];
                        QVERIFY2(o == k || !isFlag(other) || readSignal(*s, other) == 0, other.name);
                    }
                }
            }
        }
        QCOMPARE(next, portSignalCount());
    }

    // Each port's freshness is stored; a flag cut only from fresh words reads 0
    // while its port is stale.
    void freshnessPerPort()
    {
        Cycle c;
        c.bus.fresh[3100] = 12;
        c.bus.fresh[1700] = 40000;
        c.bus.fresh[2510] = kStale;
        c.bus.set(2510, 4, 0x0700);
        c.run();
        QCOMPARE(int(c.store->freshness_3100), 12);
        QCOMPARE(int(c.store->freshness_1700), 40000);
        QCOMPARE(int(c.store->freshness_3110), 100);
        QCOMPARE(int(c.store->multiOpMode_slave1_active), 0);
        QCOMPARE(int(c.store->slave1_LTrvDirFor), 1); // other signals still follow the words
    }

    // A port whose status shows error bits keeps its own previous words; it
    // never takes the words of the port read before it.
    void errorPortKeepsItsOwnWords()
    {
        Cycle c;
        c.bus.set(3110, 6, 3584);
        c.run();
        QCOMPARE(c.store->FLG1_D50_XSpeedLoco, 87.5f);
        c.bus.errorPorts[3110] = true;
        c.bus.set(3100, 6, 0xFFFF); // the port read just before
        c.bus.set(3110, 6, 0);
        c.run();
        QCOMPARE(c.store->FLG1_D50_XSpeedLoco, 87.5f);
    }

    // The active cab's output port: requests are pulses of ten writes (eleven
    // for the acknowledge). Without a cab nothing is written; requests wait.
    void outputPortPulses_data()
    {
        QTest::addColumn<int>("cab");
        QTest::addColumn<int>("port");
        QTest::newRow("cab 1") << 1 << 3015;
        QTest::newRow("cab 2") << 2 << 3201;
        QTest::newRow("no cab") << 0 << 0;
    }
    void outputPortPulses()
    {
        QFETCH(int, cab);
        QFETCH(int, port);
        Cycle c;
        c.requests.Selected_CAB_Type = cab;
        c.requests.MVB_DDS_UP.raise();
        c.requests.MVB_DDS_BOTTOM.raise();
        c.requests.MVB_Fault_ACK.raise();
        c.requests.MVB_Inching_DOWN.raise();
        c.requests.MVB_Present_Screen = 7;
        for (int i = 0; i < 14; ++i)
            c.run();
        if (cab == 0) {
            QVERIFY(c.bus.written.empty());
            QVERIFY(c.requests.MVB_DDS_UP.on()); // never cleared without an output port
            QVERIFY(c.requests.MVB_Fault_ACK.on());
            return;
        }
        QCOMPARE(int(c.bus.written.size()), 1); // the active cab's port only
        const auto& w = c.bus.written[static_cast<uint16_t>(port)];
        QCOMPARE(int(w.size()), 14);
        for (int i = 0; i < 14; ++i) {
            QCOMPARE(bool(w[i][0] & (1 << 9)), i < 10);  // DDS up: ten writes
            QCOMPARE(bool(w[i][0] & (1 << 12)), i < 10); // DDS bottom
            QCOMPARE(bool(w[i][0] & (1 << 8)), i < 11);  // acknowledge: eleven writes
            QCOMPARE(bool(w[i][2] & (1 << 9)), i < 10);  // inching down
            QCOMPARE(int(w[i][1]), 7);                   // screen number in the same cycle
            QCOMPARE(int(w[i][3]), 0);
        }
        QVERIFY(!c.requests.MVB_DDS_UP.on());
        QVERIFY(!c.requests.MVB_Fault_ACK.on());
        for (const auto& a : c.bus.log)
            if (a.kind == 'w')
                QCOMPARE(int(a.fcode), 2);
    }

    void ddsRecordsOnlyWhileFresh()
    {
        Cycle c;
        c.bus.set(2650, 0, 1234);
        c.bus.set(2650, 13, 0x0A0A); // record 3: processor 10, code 10
        c.run();
        const auto& r = c.store->DDU_RAW_DATA;
        QCOMPARE(r[0].event_number_raw, 1234);
        QCOMPARE(r[3].device_number, 10);
        QCOMPARE(r[3].fault_number, 10);
        c.bus.fresh[2650] = kStale;
        c.bus.set(2650, 0, 999);
        c.run();
        QCOMPARE(r[0].event_number_raw, 1234);
    }

    // A stale remote I/O port shows its whole image unknown; the other
    // ports' images stay.
    void remoteIoImages()
    {
        Cycle c;
        c.bus.set(2510, 0, 0x0180); // RIOM1 inputs: element 0 (bit 8) and element 15 (bit 7)
        c.bus.set(2510, 2, 2048);
        c.bus.set(2500, 0, 0x8001); // BRIO1: element 0 = bit 15, element 15 = bit 0
        c.bus.set(2500, 5, 4096);
        c.bus.set(2620, 0, 0x0002); // RIOM2 output element 9 = bit 1
        c.run();
        const SignalStore& s = *c.store;
        // clang-format off
        expect(s, {{"MVB_DDU_RIOM1_Input[0]", "1"}, {"MVB_DDU_RIOM1_Input[15]", "1"}, {"MVB_DDU_RIOM1_Input[1]", "0"},
                   {"MVB_DDU_RIOM1_InAnalg[0]", "50.00"}, {"MVB_DDU_RIOM1_InAnalg[1]", "0.00"},
                   {"MVB_DDU_BRIO1_Input[0]", "1"}, {"MVB_DDU_BRIO1_Input[15]", "1"},
                   {"MVB_DDU_BRIO1_InAnalg[0]", "100.00"}, {"MVB_DDU_RIOM2_Output[9]", "1"}});
        // clang-format on

        c.bus.fresh[2500] = kStale;
        c.bus.fresh[2501] = kStale;
        c.bus.fresh[2620] = kStale;
        c.run();
        for (int k = 0; k < 32; ++k)
            QCOMPARE(s.MVB_DDU_BRIO1_Input[k], 2);
        QCOMPARE(s.MVB_DDU_BRIO1_InAnalg[0], QStringLiteral("????"));
        for (int k = 0; k < 16; ++k)
            QCOMPARE(s.MVB_DDU_BRIO1_Output[k], 2);
        for (int k = 0; k < 15; ++k)
            QCOMPARE(s.MVB_DDU_RIOM2_Output[k], 2);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(s.MVB_DDU_RIOM2_OutAnalg[k], QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_RIOM1_Input[0], 1); // other ports unaffected
    }

    // ---------------------------------------------------------------- helpers

    // A life sign that moves is alive (1); one stuck for a thousand passes is
    // dead (2), in between it reads 0. Through the decoding too.
    void lifeSigns()
    {
        SignalStore s;
        QCOMPARE(mvbvaria::Lifesign_Check(s, 5, 1), 1);
        for (int i = 1; i <= 999; ++i)
            QCOMPARE(mvbvaria::Lifesign_Check(s, 5, 1), 0);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(mvbvaria::Lifesign_Check(s, 5, 1), 2);
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 1), 1);
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 1), 0);
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 2), 1);  // each processor has its own counter
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 25), 0); // outside the table: no effect

        Decoder d;
        for (int pass = 0; pass < 1005; ++pass) {
            d.s.FLG1_10_XMVBLifeSig = pass; // counting
            d.s.STB2_05_XMVBLifeSig = 7;    // stuck
            d.pass();
        }
        QCOMPARE(d.s.MVB_DDU_FLG1_Lifesign, 1);
        QCOMPARE(d.s.MVB_DDU_STB2_Lifesign, 2);
        QCOMPARE(d.s.Lifesign[6], 7u);
    }

    void locoClass_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("type");
        const QList<QPair<int, QString>> rows = {{29999, ""},     {30000, "WAP5"}, {30199, "WAP5"}, {30200, "WAP7"},
                                                 {30999, "WAP7"}, {31000, "WAG9"}, {33999, "WAG9"}, {34000, "WAP7"},
                                                 {34999, "WAP7"}, {35000, ""},     {36999, ""},     {37000, "WAP7"},
                                                 {38000, "WAG9"}, {38999, "WAG9"}, {39000, "WAP7"}, {39999, "WAP7"},
                                                 {40000, ""},     {42000, "WAG9"}, {42999, "WAG9"}, {43000, ""}};
        for (const auto& r : rows)
            QTest::newRow(qPrintable(QString::number(r.first))) << r.first << r.second;
    }
    void locoClass()
    {
        QFETCH(int, number);
        QFETCH(QString, type);
        QCOMPARE(mvbvaria::locoClass(static_cast<unsigned>(number)), type);
    }

    // ---------------------------------------------------------------- decoding

    void masterSelection()
    {
        Decoder d;
        SignalStore& s = d.s;
        // clang-format off
        setRaw(s, {{"FLG1_D45_XPrAutoBkLn", 5.0}, {"FLG2_D45_XPrAutoBkLn", 4.2}, {"FLG1_D50_XSpeedLoco", 60.0},
                   {"FLG2_D50_XSpeedLoco", 61.9}, {"FLG1_D00_MLocoNum1", 31028}, {"FLG2_D00_MLocoNum1", 30150},
                   {"FLG1_D21_XU_Battery", 110.0}, {"FLG2_D21_XU_Battery", 98.44}});
        d.pass();
        expect(s, {{"MVB_DDU_BP_Pressure_String", "5.0"}, {"MVB_DDU_Speed", "60"},
                   {"MVB_DDU_Loco_NO_String", "31028"}, {"MVB_DDU_Loco_Type_String", "WAG9"},
                   {"MVB_DDU_Battery_String", "110.0"}});

        s.FLG2_D54_MFLG2MastRq = 1; // FLG2 asks for mastership while FLG1 is fresh
        d.pass();
        expect(s, {{"MVB_DDU_FLG2_Master_Request", "1"}, {"MVB_DDU_BP_Pressure_String", "4.2"},
                   {"MVB_DDU_Auto_Break", "1"}, {"MVB_DDU_Speed", "61"}, {"MVB_DDU_Speed_String", "61"},
                   {"MVB_DDU_Loco_NO_String", "30150"}, {"MVB_DDU_Loco_Type_String", "WAP5"},
                   {"MVB_DDU_Battery", "98"}, {"MVB_DDU_Battery_String", "98.4"}, {"MVB_DDU_FLG2_Active", "1"}});

        // FLG1 stale: FLG2 without a request, and the brake pipe unknown.
        s.FLG2_D54_MFLG2MastRq = 0;
        s.freshness_3110 = kStale;
        d.pass();
        expect(s, {{"MVB_DDU_Speed", "61"}, {"MVB_DDU_Loco_NO_String", "30150"},
                   {"MVB_DDU_BP_Pressure_String", "????"}, {"MVB_DDU_Auto_Break", "2"}});
        // clang-format on
    }

    void staleSources()
    {
        Decoder d;
        SignalStore& s = d.s;
        for (int i = 0; i < firstPartPortCount(); ++i)
            freshnessOf(s, firstPartPorts()[i]) = kStale;
        s.MVB_DDU_Cab_Active = 1;
        d.pass();
        // clang-format off
        expect(s, {{"MVB_DDU_Cab_Active", "3"}, {"MVB_DDU_Direction", "3"}, {"MVB_DDU_Battery", "0"},
                   {"MVB_DDU_Loco_Type_String", ""},
                   {"MVB_DDU_Inching_mod_Active", "2"}}); // cab 3 (unknown) counts as a non-zero cab
        // clang-format on
        expectAll(s, "2",
                  {"MVB_DDU_VCB", "MVB_DDU_LSDJ", "MVB_DDU_Panto", "MVB_DDU_MR", "MVB_DDU_EMG", "MVB_DDU_BPPB",
                   "MVB_DDU_BPFA", "MVB_DDU_LSP", "MVB_DDU_Loco_Break", "MVB_DDU_Earth_Fault_Control",
                   "MVB_DDU_Loco_Simulation_Status", "MVB_DDU_FLG1_Active", "MVB_DDU_Loco_ISO_Status"});
        expectAll(s, "????",
                  {"MVB_DDU_Battery_String", "MVB_DDU_Speed_String", "MVB_DDU_Loco_NO_String",
                   "MVB_DDU_BE_Actual_String", "MVB_DDU_Panto_String", "MVB_DDU_Primary_Over_Current_String",
                   "MVB_DDU_Energy_Consumed_String", "MVB_DDU_Energy_Ratio_Trip_String",
                   "MVB_DDU_Line_Frequency_String", "MVB_DDU_Soft_Ver_BUR2_String",
                   "MVB_DDU_Inching_Set_Speed_String"});
        for (int k = 0; k < 19; ++k)
            QCOMPARE(s.MVB_DDU_LOCO_SUB_System[k], 99);
        for (int k = 0; k < 20; ++k)
            QCOMPARE(s.MVB_DDU_LOCO2_SUB_System[k], 4);
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(s.MVB_DDU_HBB2_Qslot_Input[k], 2);
            QCOMPARE(s.MVB_DDU_STB1_Jslot_Input[k], 2);
            QCOMPARE(s.MVB_DDU_FLG1_Eslot_Input_String[k], QStringLiteral("????"));
            QCOMPARE(s.MVB_DDU_SLG2_Dslot_Input_String[k], QStringLiteral("????"));
        }
    }

    // Values a rule keeps while its source is stale.
    void keptWhenStale()
    {
        Decoder d;
        SignalStore& s = d.s;
        setRaw(s, {{"HBB1_D01_BDetCoCo", 1}, {"HBB1_D01_BDetCoCoR", 1}, {"FLG1_D21_XUprim", 25.0}});
        d.pass();
        expect(s, {{"CoCo_bogie_chasis", "1"}, {"CoCo_bogie_chasisR", "1"}, {"MVB_DDU_UPRIM", "25"}});
        s.freshness_3300 = s.freshness_1535 = s.freshness_3100 = s.freshness_3200 = kStale;
        setRaw(s, {{"HBB1_D01_BDetCoCo", 0}, {"HBB1_D01_BDetCoCoR", 0}, {"FLG1_D21_XUprim", 0.0}});
        d.pass();
        // clang-format off
        expect(s, {{"CoCo_bogie_chasis", "1"}, {"CoCo_bogie_chasisR", "1"}, {"MVB_DDU_UPRIM", "25"},
                   {"MVB_DDU_UPRIM_String", "????"}});
        // clang-format on
    }

    void textsAndDecimals()
    {
        Decoder d;
        SignalStore& s = d.s;
        d.r.Selected_SR_Type = 3;
        // clang-format off
        setRaw(s, {{"FLG1_D21_XUprim", 24.256}, {"FLG1_D21_XIprim", 123.4}, {"FLG1_D07_MVCB_On", 1},
                   {"FLG1_D07_XNodeMSC", 612}, {"FLG1_D21_XNodeB1", 504}, {"SLG1_D08_XNodeALG", 0xa0b1},
                   {"FLG1_00_SWVersionFLG1", 21}, {"HBB2_D01_MPrSwLowMR", 1}, {"HBB2_D01_MPrSwBkCyl2", 1},
                   {"SLG1_D04_NSC1_XAFUN", 5.0}, {"SLG1_D04_NSC1_XAUD", 400.0},
                   {"SLG1_D04_XPN", 0xFF00}, // -256 -> -625 %
                   {"SLG2_D04_XPN", 0x0200}, // 512 -> 1250 %
                   {"SLG1_D87_BLdSEin", 1},  // with converter type 3 this is the input contactor
                   {"SLG1_D09_BVentLevel2", 1}, {"SLG1_D09_BVentLevel1", 1}, {"BUR1_D73_XUUN", 30.0},
                   {"BUR2_D73_XUUN", 33.0}, {"BUR3_D73_XUUN", 31.0}, {"BUR1_D01_XUFWR", 50.0},
                   {"STB1_D01_MContHotel", 1}, {"STB1_D02_MLampWSlip", 1}, {"HBB1_D01_MMCBPumpT1", 1},
                   {"STB1_D01_MMCBCompr1", 1}, {"HBB1_D01_LTEDemand", 1}});
        d.pass();
        expect(s, {{"MVB_DDU_UPRIM_String", "24.26"}, {"MVB_DDU_UPRIM", "24"}, {"MVB_DDU_IPRIM_String", "123.40"},
                   {"MVB_DDU_VCB_String", "ON"}, {"MVB_DDU_LSDJ", "0"}, {"MVB_DDU_FLG1_Node_String", "612"},
                   {"MVB_DDU_SLG1_Node_String", "504"}, {"MVB_DDU_ALG1_Node_String", "A0B1"},
                   {"MVB_DDU_Soft_Ver_FLG1_String", "0021"}, {"MVB_DDU_MR", "1"},
                   {"MVB_DDU_MR_Pressure_String", "< 6.4"}, {"MVB_DDU_BC2_Pressure_String", "Applied"},
                   {"MVB_DDU_BC1_Pressure_String", "Released"}, {"MVB_DDU_Line_Frequency_String", "50.00"},
                   {"MVB_DDU_Line_Frequency_INT_String", "50"},
                   {"MVB_DDU_Traction_DC_Link_Volatge1_String", "1640.00"},
                   {"MVB_DDU_Input_Power1_String", "-625.00"}, {"MVB_DDU_Input_Power2_String", "1250.00"},
                   {"MVB_DDU_Input_Power", "625"}, {"MVB_DDU_SR_Input_Power1_String", "-625.00"},
                   {"MVB_DDU_Input_Contactor1_String", "ON"}, {"MVB_DDU_PreChrage_Contactor1_String", "OFF"},
                   {"MVB_DDU_Ventilation_Level1_String", "2"}, {"MVB_DDU_Auxiliary_Voltage_String", "412.50"},
                   {"MVB_DDU_BUR1_Output_Voltage_String", "415.00"},
                   {"MVB_DDU_BUR1_Output_Frequency_String", "50.00"}, {"MVB_DDU_Hotel_Load_String", "ON"},
                   {"MVB_DDU_LSP", "1"}, {"MVB_DDU_Wheel_Slip_String", "YES"},
                   {"MVB_DDU_TFP_Oil_Pump1_String", "OFF"}, {"MVB_DDU_SR_Oil_Pump1_String", "ON"},
                   {"MVB_DDU_Compressor1_String", "OFF"}, {"MVB_DDU_Compressor2_String", "ON"},
                   {"MVB_DDU_Master_Control_Position_String", "Traction"},
                   {"MVB_DDU_Inching_mod_Active", "0"}, // no cab active
                   {"MVB_DDU_Inching_Set_Speed_String", "0"}});

        // Without converter type 3 the contactor feedbacks swap back and the
        // line frequency and DC link are taken unscaled.
        d.r.Selected_SR_Type = 1;
        d.pass();
        expect(s, {{"MVB_DDU_PreChrage_Contactor1_String", "ON"}, {"MVB_DDU_Input_Contactor1_String", "OFF"},
                   {"MVB_DDU_Line_Frequency_String", "5.00"},
                   {"MVB_DDU_Traction_DC_Link_Volatge1_String", "400.00"}});
        // clang-format on
    }

    void effortIsSigned()
    {
        Decoder d;
        setRaw(d.s, {{"FLG1_D46_XTE_BE_Loco", 0x10000 - 2048}, {"FLG1_D53_WTE_BE_Loco", 4096}}); // -50 %, 100 %
        d.pass();
        expect(d.s, {{"MVB_DDU_BE_Actual", "-50"}, {"MVB_DDU_BE_Actual_String", "-50"}, {"MVB_DDU_BE_Demand", "100"}});
        QCOMPARE(mvbvaria::Check_Negative_Value(0x8000), -32768.0f); // the most negative word
    }

    void cabDirectionAndMessages()
    {
        Decoder d;
        SignalStore& s = d.s;
        // clang-format off
        setRaw(s, {{"FLG2_D23_MCab1Active", 1}, {"STB1_D24_LTrvDirRev", 1}, {"DDA1_DD46_FaultNum", 89},
                   {"DDA2_DD46_FaultNum", 10101}});
        // clang-format on
        d.pass();
        expect(s, {{"MVB_DDU_Cab_Active", "1"}, {"MVB_DDU_Direction", "2"}, {"MVB_DDU_Fault_No", "0"}});
        s.DDA1_DD46_FaultNum = 90;
        d.pass();
        QCOMPARE(s.MVB_DDU_Fault_No, 90);

        setRaw(s, {{"FLG2_D23_MCab1Active", 0}, {"FLG1_D23_MCab2Active", 1}, {"HBB2_D24_LTrvDirFor", 1}});
        d.pass();
        expect(s, {{"MVB_DDU_Cab_Active", "2"}, {"MVB_DDU_Direction", "1"}, {"MVB_DDU_Fault_No", "10101"}});

        s.MVB_DDU_Fault2_No_temp = 20102;
        d.pass();
        QCOMPARE(s.MVB_DDU_Fault2_No, 20102);
        s.freshness_2610 = kStale;
        d.pass();
        expect(s, {{"MVB_DDU_Fault2_No", "-1"}, {"MVB_DDU_SLV_Node_String", "????"}});

        // Emergency from the active cab's stop, or from a brake pipe emptied
        // in a running node.
        s.HBB2_D01_LEmgStop = 1;
        d.pass();
        QCOMPARE(s.MVB_DDU_EMG, 1);
        setRaw(s, {{"HBB2_D01_LEmgStop", 0}, {"FLG1_D07_XNodeMSC", 500}, {"FLG1_D45_XPrAutoBkLn", 2.5}});
        d.pass();
        QCOMPARE(s.MVB_DDU_EMG, 1);
        s.FLG1_D07_XNodeMSC = 612;
        d.pass();
        QCOMPARE(s.MVB_DDU_EMG, 0);

        // Second loco direction only in multiple operation.
        s.slave1_LTrvDirREV = 1;
        d.pass();
        QCOMPARE(s.MVB_DDU_Direction_2, 0);
        s.multiOpMode_slave1_active = 1;
        d.pass();
        QCOMPARE(s.MVB_DDU_Direction_2, 2);
    }

    void energyCounters()
    {
        Decoder d;
        SignalStore& s = d.s;
        // clang-format off
        setRaw(s, {{"FLG1_D56_XEnergGWhP", 1}, {"FLG1_D56_XEnergMWhP", 234}, {"FLG1_D56_XEnergKWhP", 5},
                   {"FLG1_D56_XEnergGWh_", 0}, {"FLG1_D56_XEnergMWh_", 12}, {"FLG1_D56_XEnergKWh_", 300}});
        d.pass(12);
        expect(s, {{"DDU_First_Boot", "10"}, {"MVB_DDU_Energy_Consumed_String", "001 234 005"},
                   {"MVB_DDU_Energy_Regenerated_String", "000 012 300"}, {"MVB_DDU_Energy_Consumed", "1234005"},
                   {"MVB_DDU_Energy_Consumed_First_Boot", "1234005"},
                   {"MVB_DDU_Energy_Consumed_Trip_String", "000 000 000"}});
        QCOMPARE(s.MVB_DDU_Energy_Ratio_String, QString::number(12300.0 / 1234005 * 100, 'f', 2));

        s.FLG1_D56_XEnergKWhP = 47;  // +42 kWh since start
        s.FLG1_D56_XEnergKWh_ = 321; // +21 kWh regenerated
        d.pass();
        expect(s, {{"MVB_DDU_Energy_Consumed_Trip", "42"}, {"MVB_DDU_Energy_Consumed_Trip_String", "000 000 042"},
                   {"MVB_DDU_Energy_Regenerated_Trip", "21"}, {"MVB_DDU_Energy_Ratio_Trip_String", "50.00"}});
        // clang-format on

        // A jump of 70000 over the reference is outside the trip window: the
        // text goes back to zero, the value stays.
        s.FLG1_D56_XEnergMWhP = 304;
        d.pass();
        expect(s, {{"MVB_DDU_Energy_Consumed_Trip_String", "000 000 000"}, {"MVB_DDU_Energy_Consumed_Trip", "42"}});

        // Counters beyond the int range saturate instead of overflowing.
        s.FLG1_D56_XEnergGWhP = 65535;
        d.pass();
        QCOMPARE(s.MVB_DDU_Energy_Consumed, INT_MAX);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_String.left(6), QStringLiteral("65535 "));

        // FLG2 requests mastership while its port is stale: FLG1's counters
        // are not taken, FLG2's frozen ones are not shown.
        s.FLG2_D54_MFLG2MastRq = 1;
        s.freshness_3200 = kStale;
        d.pass();
        expectAll(s, "????",
                  {"MVB_DDU_Energy_Consumed_String", "MVB_DDU_Energy_Regenerated_Trip_String",
                   "MVB_DDU_Energy_Ratio_String"});
        s.freshness_3200 = kFresh;
        s.FLG2_D56_XEnergMWhP = 7;
        d.pass();
        QCOMPARE(s.MVB_DDU_Energy_Consumed_String, QStringLiteral("000 007 000"));
    }

    // The converters' A slot mixes two ports; each element shows unknown
    // when its own port is stale.
    void aSlotElementsFollowTheirOwnPort()
    {
        Decoder d;
        SignalStore& s = d.s;
        setRaw(s, {{"SLG1_D01_XAIpr", 500}, {"SLG1_D01_XAIFilts", 12.5}, {"SLG1_D01_XADruckTR", 40}});
        d.pass();
        expect(s,
               {{"MVB_DDU_SLG1_Aslot_Input_String[0]", "50.00 %"},
                {"MVB_DDU_SLG1_Aslot_Input_String[2]", "12.50 %"},
                {"MVB_DDU_SLG1_Aslot_Input_String[7]", "40.00 %"}});
        s.freshness_3710 = kStale;
        d.pass();
        expect(s,
               {{"MVB_DDU_SLG1_Aslot_Input_String[0]", "50.00 %"},
                {"MVB_DDU_SLG1_Aslot_Input_String[2]", "????"},
                {"MVB_DDU_SLG1_Aslot_Input_String[7]", "????"}});
        s.freshness_3710 = kFresh;
        s.freshness_3700 = kStale;
        d.pass();
        for (const QString& t : s.MVB_DDU_SLG1_Aslot_Input_String)
            QCOMPARE(t, QStringLiteral("????"));
    }

    // A press that lands while the previous pulse runs out restarts the
    // count; it is never switched off by the end of the earlier one.
    void requestPulseRestartsOnPress()
    {
        RequestPulse p;
        QVERIFY(!p.on());
        QVERIFY(!p.advance(10));
        p.raise();
        for (int i = 0; i < 10; ++i)
            QVERIFY(p.advance(10));
        QCOMPARE(p.count(), 10);
        p.raise(); // the driver presses again just before the last write
        QVERIFY(p.advance(10));
        QCOMPARE(p.count(), 1);
        for (int i = 0; i < 9; ++i)
            QVERIFY(p.advance(10));
        QVERIFY(!p.advance(10));
        QVERIFY(!p.on());
    }

    void secondLocoSubSystems()
    {
        Decoder d;
        SignalStore& s = d.s;
        s.LOCO2_SUB_System3_off = 1;
        d.pass();
        // clang-format off
        expect(s, {{"MVB_DDU_LOCO2_SUB_System[3]", "1"}, {"MVB_DDU_LOCO2_SUB_System[19]", "2"},
                   {"MVB_DDU_Loco_ISO2_Status", "1"}});
        s.LOCO2_SUB_System3_off = 0;
        s.MVB_DDU_LOCO2_SUB_System[5] = 3; // sticky while its flag is 0
        d.pass();
        expect(s, {{"MVB_DDU_LOCO2_SUB_System[3]", "0"}, {"MVB_DDU_LOCO2_SUB_System[5]", "3"},
                   {"MVB_DDU_Loco_ISO2_Status", "1"}});
        // clang-format on
        s.MVB_DDU_LOCO2_SUB_System[5] = 0;
        d.pass();
        QCOMPARE(s.MVB_DDU_Loco_ISO2_Status, 0);
        s.freshness_2510 = kStale;
        d.pass();
        expect(s, {{"MVB_DDU_Loco_ISO2_Status", "2"}, {"MVB_DDU_Loco2_NO_String", "????"}});
    }

    void subSystemsAndAuxConverters()
    {
        Decoder d;
        SignalStore& s = d.s;
        setRaw(s, {{"FLG1_D54_BSubS01_Off", 4}, {"FLG1_D54_BSubS07_Off", 4}});
        d.pass();
        // clang-format off
        expect(s, {{"MVB_DDU_LOCO_SUB_System[0]", "4"}, {"MVB_DDU_LOCO_SUB_System[19]", "99"},
                   {"MVB_DDU_Loco_ISO_Status", "1"}, {"MVB_DDU_BUR1_Status_String", "ON"},
                   {"MVB_DDU_BUR2_Status_String", "OFF"}});
        // clang-format on
        // The states come from 1310; FLG2 publishes none of its own.
        s.freshness_1310 = kStale;
        d.pass();
        QCOMPARE(s.MVB_DDU_BUR2_Status_String, QStringLiteral("????"));
        s.freshness_1310 = kFresh;
        s.FLG2_D54_MFLG2MastRq = 1;
        d.pass();
        QCOMPARE(s.MVB_DDU_BUR2_Status_String, QStringLiteral("????"));
    }

    void inchingByActiveCab()
    {
        Decoder d;
        SignalStore& s = d.s;
        setRaw(s, {{"FLG1_D23_MCab2Active", 1}, {"DDA2_97_InchScreenAct", 1}, {"DDA2_97_WSetSpeedInch", 0.75}});
        d.pass();
        expect(s, {{"MVB_DDU_Inching_mod_Active", "1"}, {"MVB_DDU_Inching_Set_Speed_String", "0.8"}});
        s.freshness_1800 = kStale;
        d.pass();
        expect(s, {{"MVB_DDU_Inching_mod_Active", "2"}, {"MVB_DDU_Inching_Set_Speed_String", "????"}});
    }

    void slotImages()
    {
        Decoder d;
        SignalStore& s = d.s;
        // clang-format off
        setRaw(s, {{"HBB2_D01_MMCBCompr2", 0}, {"STB2_D01_MMCBBloCT2", 1}, {"STB2_D02_BContCompr2", 0}, // inverted
                   {"HBB1_D01_LPBFaultAck", 1}, {"STB1_D01_LParkBrake", 1}, {"SLG1_D01_MExtRLgez", 1},
                   {"FLG1_D01_XAngTrans", 42.5}, {"FLG1_D01_XPrAutoBkLn", 5.04}, {"FLG1_D02_XMeterT_B1", 20.0},
                   {"FLG1_D02_XMeterT_B2", 120.0}, // out of range: neither meter text is written
                   {"SLG1_D01_XAIpr", 500.0}, {"SLG1_D01_XADruckSR", 12.0}, {"SLG1_D01_XATmp2Mot3", 33.0}});
        d.pass();
        expect(s, {{"MVB_DDU_HBB2_Oslot_Input[0]", "1"}, {"MVB_DDU_STB2_Lslot_Input[0]", "0"},
                   {"MVB_DDU_STB2_Lslot_Input[1]", "1"}, {"MVB_DDU_STB2_Jslot_Output[12]", "1"},
                   {"MVB_DDU_HBB1_Oslot_Input[15]", "1"},
                   {"MVB_DDU_HBB1_Oslot_Input[0]", "0"}, // not listed: untouched
                   {"MVB_DDU_STB1_Jslot_Input[1]", "0"}, // filled only while cab 1 is active
                   {"MVB_DDU_SLG1_Wslot_Input[15]", "1"}, {"MVB_DDU_FLG1_Eslot_Input_String[11]", "42.50 %"},
                   {"MVB_DDU_FLG1_Eslot_Input_String[5]", "5.04"}, {"MVB_DDU_FLG1_Eslot_Output_String[1]", ""},
                   {"MVB_DDU_SLG1_Aslot_Input_String[0]", "50.00 %"},
                   {"MVB_DDU_SLG1_Dslot_Input_String[15]", "12.00 %"},
                   {"MVB_DDU_SLG1_Dslot_Input_String[5]", "33.00 %"}});

        setRaw(s, {{"FLG1_D23_MCab1Active", 1}, {"FLG1_D02_XMeterT_B2", 30.0}});
        d.pass();
        expect(s, {{"MVB_DDU_STB1_Jslot_Input[1]", "1"}, {"MVB_DDU_FLG1_Eslot_Output_String[1]", "20.00 %"},
                   {"MVB_DDU_FLG1_Eslot_Output_String[3]", "30.00 %"}});
        // clang-format on
    }

    // Garbage words decode to defined values (run under UBSan).
    void garbageWords()
    {
        Cycle c;
        for (int i = 0; i < firstPartPortCount(); ++i)
            c.bus.words[firstPartPorts()[i].port].fill(0xFFFF);
        for (int i = 0; i < lmvf::remoteIoPortCount(); ++i)
            c.bus.words[lmvf::remoteIoPorts()[i].port].fill(0xFFFF);
        c.bus.words[2650].fill(0xFFFF);
        c.run();
        mvbvaria v;
        c.requests.Selected_SR_Type = 3;
        v.updatemvbvariables(*c.store, c.requests);
        QCOMPARE(c.store->MVB_DDU_Energy_Consumed, INT_MAX);
        QCOMPARE(c.store->DDU_RAW_DATA[0].device_number, 255);
        QCOMPARE(c.store->MVB_DDU_Speed, int(65535 / 4096.0 * 100));
    }

    // Texts are dumped quoted, their quotes escaped; arrays in brackets. The
    // order and the other formats are pinned by the golden file.
    void storeDump()
    {
        SignalStore s;
        s.MVB_DDU_Speed_String = QStringLiteral("6\"0");
        s.MVB_DDU_LOCO_SUB_System[1] = 4;
        QCOMPARE(dumped(s, QStringLiteral("MVB_DDU_Speed_String")), QStringLiteral("\"6\\\"0\""));
        QCOMPARE(valueOf(s, QStringLiteral("MVB_DDU_Speed_String")), QStringLiteral("6\"0"));
        QVERIFY(dumped(s, QStringLiteral("MVB_DDU_LOCO_SUB_System")).startsWith(QStringLiteral("[0,4,0")));
    }
};

QTEST_GUILESS_MAIN(TestAcquisition)
#include "test_acquisition.moc"
