// Port map and decoding: words in, named signals out; raw signals and
// freshness in, derived values and texts out.

#include <QtTest>

#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/port_map.h"
#include "acquisition/store_dump.h"
#include "fake_bus.h"

#include <memory>

namespace {

QString valueOf(const SignalStore& s, const QString& name)
{
    for (const auto& f : dumpSignalStore(s))
        if (f.first == name)
            return f.second;
    return QStringLiteral("<no such member>");
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

} // namespace

class TestAcquisition : public QObject {
    Q_OBJECT

private slots:
    // ---------------------------------------------------------------- port map

    void cycleReadsPortsInOrder()
    {
        Cycle c;
        c.requests.Selected_CAB_Type = 1;
        c.run();
        const QList<int> expected = {
            3100, 3110, 3200, 3210, 3700, 3710, 3720, 3800, 3810, 3820, 3900, 3950, 4000, 3300,
            3400, 3500, 3600, 3550, 3650, 1035, 1310, 2510, 2610, 1535, 1010, 1510, 1070, 1570,
            1195, 1695, 1295, 1795, 1302, 1800, 1020, 1520, 1000, 1500, 1100, 1600, 1200, 1700,
            -3015, 2650, 2510, 2610, 2520, 2620, 2500, 2501, 2502, 2503};
        QList<int> actual;
        for (const auto& a : c.bus.log)
            actual << (a.kind == 'w' ? -a.port : a.port);
        QCOMPARE(actual, expected);
    }

    void portFcodes_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("fcode");
        const int table[][2] = {{3100, 4}, {3110, 4}, {3200, 4}, {3210, 4}, {3700, 4}, {3710, 4}, {3720, 3},
                                {3800, 4}, {3810, 4}, {3820, 3}, {3900, 3}, {3950, 3}, {4000, 3}, {3300, 3},
                                {3400, 3}, {3500, 2}, {3600, 4}, {3550, 0}, {3650, 0}, {1035, 3}, {1310, 4},
                                {2510, 4}, {2610, 4}, {1535, 3}, {1010, 3}, {1510, 3}, {1070, 2}, {1570, 2},
                                {1195, 2}, {1695, 3}, {1295, 2}, {1795, 2}, {1302, 2}, {1800, 2}, {1020, 4},
                                {1520, 4}, {1000, 3}, {1500, 3}, {1100, 1}, {1600, 1}, {1200, 3}, {1700, 1},
                                {2650, 4}};
        for (const auto& row : table)
            QTest::newRow(qPrintable(QString::number(row[0]))) << row[0] << row[1];
    }
    void portFcodes()
    {
        QFETCH(int, port);
        QFETCH(int, fcode);
        Cycle c;
        c.run();
        bool seen = false;
        for (const auto& a : c.bus.log) {
            if (a.port == port && a.kind == 'r') {
                QCOMPARE(int(a.fcode), fcode);
                seen = true;
                break; // the first read fixes the port's size
            }
        }
        QVERIFY(seen);
    }

    // One word on one port; the named signal takes the expected value and the
    // other signals of that word stay 0.
    void signalExtraction_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<double>("expected");
        auto row = [](const char* tag, int port, int word, int value, const char* signal, double expected) {
            QTest::newRow(tag) << port << word << value << QString::fromLatin1(signal) << expected;
        };
        row("cab1 active", 3100, 0, 0x0100, "FLG1_D23_MCab1Active", 1);
        row("cab1 other flags clear", 3100, 0, 0x0100, "FLG1_D23_MCab2Active", 0);
        row("FLG1 VCB D07", 3100, 0, 0x2000, "FLG1_D07_MVCB_On", 1);
        row("FLG1 VCB D13", 3100, 0, 0x1000, "FLG1_D13_MVCB_On", 1);
        row("throttle zero flag", 3100, 1, 0x0010, "FLG1_D26_MThTE_BEE0", 1);
        row("effort actual raw", 3100, 3, 0xF000, "FLG1_D46_XTE_BE_Loco", 61440);
        row("primary voltage 10 kV", 3100, 4, 4096, "FLG1_D21_XUprim", 10.0);
        row("primary current masked", 3100, 5, 0xFFFF, "FLG1_D21_XIprim", 8191.0 / 4096 * 1000);
        row("battery 110 V", 3100, 6, 4505, "FLG1_D21_XU_Battery", float(4505.0 / 4096 * 100));
        row("node", 3100, 7, 612, "FLG1_D07_XNodeMSC", 612);
        row("energy GWhP", 3100, 15, 3, "FLG1_D56_XEnergGWhP", 3);
        row("FLG2 primary current", 3200, 5, 0x2800, "FLG2_D21_XIprim", 0x0800 / 4096.0 * 1000);
        row("FLG2 cab2", 3200, 0, 0x0200, "FLG2_D23_MCab2Active", 1);
        row("brake pipe 5 bar", 3110, 0, 2048, "FLG1_D45_XPrAutoBkLn", 5.0);
        row("speed 87.5", 3110, 6, 3584, "FLG1_D50_XSpeedLoco", 87.5);
        row("loco number", 3110, 7, 31028, "FLG1_D00_MLocoNum1", 31028);
        row("BUR1 version", 3110, 13, 1234, "FLG1_00_SWVersionBUR1", 1234);
        row("motor master 1 SLG1", 3110, 14, 0x0100, "MVB_DDU_MotorMaster1_SLG1", 1);
        row("motor slave 3 SLG2", 3110, 14, 0x0020, "MVB_DDU_MotorSlave3_SLG2", 1);
        row("line converter 2 SLG1", 3110, 14, 0x8000, "MVB_DDU_LineConverter2_SLG1", 1);
        row("line converter 2 SLG2", 3110, 14, 0x0080, "MVB_DDU_LineConverter2_SLG2", 1);
        row("FLG2 master request", 3210, 9, 1, "FLG2_D54_MFLG2MastRq", 1);
        row("SLG1 earth fault", 3700, 0, 0x0100, "SLG1_D09_PDistEarthF", 1);
        row("SLG1 vent level 3", 3700, 0, 0x1000, "SLG1_D09_BVentLevel3", 1);
        row("SLG1 input power raw", 3700, 1, 0xFF00, "SLG1_D04_XPN", 0xFF00);
        row("SLG1 converter pressure", 3700, 5, 4096, "SLG1_D88_XPressureCv", 1.0);
        row("SLG1 aux current", 3700, 7, 4096, "SLG1_D01_XIBUR", 1000.0);
        row("SLG1 transformer pressure", 3700, 12, 4096, "SLG1_D88_XPressureTr", 2.0);
        row("SLG1 pre-charge", 3700, 15, 0x0100, "SLG1_D01_MLdSEin", 1);
        row("SLG1 filter command", 3700, 15, 0x0001, "SLG1_D85_BFiltOn", 1);
        row("SLG1 HS command", 3700, 15, 0x0080, "SLG1_D08_BHSHalteKr", 1);
        row("SLG1 motor speed 3", 3710, 15, 2048, "SLG1_D90_XVist_A3", 50.0);
        row("SLG1 line frequency", 3720, 3, 4096, "SLG1_D04_NSC1_XAFUN", 10.0);
        row("SLG1 DC link", 3720, 4, 4096, "SLG1_D04_NSC1_XAUD", 1000.0);
        row("SLG2 DC link", 3820, 4, 4096, "SLG2_D04_NSC2_XAUD", 1000.0);
        row("SLG2 version", 3820, 5, 77, "SLG2_00_SWVersionSLG2", 77);
        row("BUR1 contactor 5", 3900, 0, 0x1000, "BUR1_D01_M52_5Close", 1);
        row("BUR1 DC link current", 3900, 3, 4096, "BUR1_D73_XUIZ1", 500.0);
        row("BUR2 battery", 3950, 1, 4096, "BUR2_D73_XU_Battery", 100.0);
        row("BUR2 M100", 3950, 0, 0x4000, "BUR2_D01_M100_OK", 1);
        row("BUR3 contactor 3", 4000, 0, 0x0100, "BUR3_D01_M52_3Close", 1);
        row("BUR3 frequency", 4000, 7, 2048, "BUR3_D01_XUFWR", 50.0);
        row("HBB1 brake demand D24", 3300, 0, 0x0001, "HBB1_D24_LBEDemand", 1);
        row("HBB1 emergency stop", 3300, 1, 0x0200, "HBB1_D01_LEmgStop", 1);
        row("HBB1 aux fuse", 3300, 1, 0x0080, "HBB1_D01_MFuseAux", 1);
        row("HBB1 fault lamp indication", 3300, 2, 0x0080, "HBB1_D02_MLampFInd", 1);
        row("HBB1 VCB disable always 0", 3300, 3, 0xFFFF, "HBB1_D02_BVCBDisable", 0);
        row("HBB1 VCB on", 3300, 3, 0x8000, "HBB1_D02_BVCBOn", 1);
        row("HBB2 compressor unload", 3400, 3, 0x0001, "HBB2_D02_BEPCPUnload", 1);
        row("HBB2 black buzzer", 3400, 3, 0x0400, "HBB2_D02_BBuzzBlack", 1);
        row("HBB2 nothing else for 0x0001", 3400, 3, 0x0001, "HBB2_D02_BBuzzBlack", 0);
        row("HBB2 low MR", 3400, 2, 0x0004, "HBB2_D01_MPrSwLowMR", 1);
        row("HBB2 brake cylinder 2", 3400, 2, 0x0002, "HBB2_D01_MPrSwBkCyl2", 1);
        row("HBB2 panto up wish", 3400, 0, 0x0400, "HBB2_D31_LPanUpWish", 1);
        row("HBB2 compressor MCB", 3400, 0, 0x8000, "HBB2_D01_MMCBCompr2", 1);
        row("STB1 primary high D09", 3500, 0, 0x0100, "STB1_D09_MIPrimHigh", 1);
        row("STB1 temperature CEL", 3500, 0, 0x0040, "STB1_D01_MReTempCEL", 1);
        row("STB1 air dryer", 3500, 1, 0x0080, "STB1_D02_BAirDryer", 1);
        row("STB1 self hold", 3500, 2, 0x0008, "STB1_D02_BContSelfH", 1);
        row("STB1 version BUR3", 3500, 3, 512, "STB1_00_SWVersionBUR3", 512);
        row("STB2 panto up", 3600, 2, 0x0400, "STB2_D01_LPanUp", 1);
        row("STB2 brake cylinder 1", 3600, 2, 0x0800, "STB2_D01_MPrSwBkCyl1", 1);
        row("STB2 vigilance warning", 3600, 2, 0x0001, "STB2_D01_MVigWarn", 1);
        row("STB2 speed alarm", 3600, 1, 0x0002, "STB2_D01_MSpeedAlarm", 1);
        row("STB2 panto 2", 3600, 3, 0x1000, "STB2_D02_BEPPan2", 1);
        row("DDA1 message", 3550, 0, 10102, "DDA1_DD46_FaultNum", 10102);
        row("DDA2 message", 3650, 0, 95, "DDA2_DD46_FaultNum", 95);
        row("FLG1 simulation", 1035, 0, 0x0040, "FLG1_18_BSimulation", 1);
        row("sub-system 1 high byte", 1310, 0, 0x0400, "FLG1_D54_BSubS01_Off", 4);
        row("sub-system 2 low byte", 1310, 0, 0x0004, "FLG1_D54_BSubS02_Off", 4);
        row("sub-system 18", 1310, 8, 0x0003, "FLG1_D54_BSubS18_Off", 3);
        row("sub-system 19", 1310, 9, 0x0400, "FLG1_D54_BSubS19_Off", 4);
        row("slave active", 2510, 4, 0x0100, "multiOpMode_slave1_active", 1);
        row("slave reverse", 2510, 4, 0x0400, "slave1_LTrvDirREV", 1);
        row("loco 2 number", 2510, 5, 30280, "FLG1_D00_MLocoNum2", 30280);
        row("loco 2 sub-system 0", 2510, 6, 0x0100, "LOCO2_SUB_System0_off", 1);
        row("loco 2 sub-system 15", 2510, 6, 0x0080, "LOCO2_SUB_System15_off", 1);
        row("loco 2 sub-system 18", 2510, 7, 0x0400, "LOCO2_SUB_System18_off", 1);
        row("loco 2 node", 2610, 6, 345, "NODE_SLV_loco2", 345);
        row("loco 2 message", 2610, 7, 20102, "MVB_DDU_Fault2_No_temp", 20102);
        row("FLG2 simulation", 1535, 0, 0x0040, "FLG2_18_BSimulation", 1);
        row("Co-Co rear", 1535, 4, 0x0001, "HBB1_D01_BDetCoCoR", 1);
        row("FLG1 inauguration", 1010, 3, 0x0040, "FLG1_06_MTbInaugAct", 1);
        row("FLG2 power reduction", 1510, 4, 0x0400, "FLG2_06_MPowerReduc", 1);
        row("FLG1 version", 1070, 3, 1021, "FLG1_00_SWVersionFLG1", 1021);
        row("STB2 version", 1695, 4, 33, "STB2_00_SWVersionSTB2", 33);
        row("HBB2 version", 1795, 2, 44, "HBB2_00_SWVersionHBB2", 44);
        row("inching screen cab 1", 1302, 1, 0x4000, "DDA1_97_InchScreenAct", 1);
        row("inching speed cab 1", 1302, 2, 41, "DDA1_97_WSetSpeedInch", 41 / 4096.0 * 100);
        row("inching screen cab 2", 1800, 1, 0x0800, "DDA2_97_InchScreenAct", 1);
        row("FLG1 node MSC", 1020, 15, 512, "FLG1_13_XNodeMSC", 512);
        row("FLG1 life sign", 1000, 1, 77, "FLG1_10_XMVBLifeSig", 77);
        row("FLG1 master request", 1000, 2, 1, "FLG1_54_MFLG1MastRq", 1);
        row("STB2 life sign", 1600, 0, 9, "STB2_05_XMVBLifeSig", 9);
        row("HBB1 life sign", 1200, 0, 5, "HBB1_05_XMVBLifeSig", 5);
        row("HBB2 life sign", 1700, 0, 6, "HBB2_05_XMVBLifeSig", 6);
    }
    void signalExtraction()
    {
        QFETCH(int, port);
        QFETCH(int, word);
        QFETCH(int, value);
        QFETCH(QString, signal);
        QFETCH(double, expected);
        Cycle c;
        c.bus.set(static_cast<uint16_t>(port), word, static_cast<uint16_t>(value));
        c.run();
        const double actual = valueOf(*c.store, signal).toDouble();
        QVERIFY2(qAbs(actual - expected) <= 1e-3 * qMax(1.0, qAbs(expected)),
                 qPrintable(QStringLiteral("%1 = %2, expected %3").arg(signal).arg(actual).arg(expected)));
    }

    // Each bit of each port drives at most one signal, and only the signals it
    // should: setting one bit leaves every flag of other words at 0.
    void bitsAreDisjoint()
    {
        for (int i = 0; i < firstPartPortCount(); ++i) {
            const CyclePort& p = firstPartPorts()[i];
            for (int word = 0; word < 16; ++word) {
                for (int bit = 0; bit < 16; ++bit) {
                    SignalStore s;
                    uint16_t words[16] = {};
                    words[word] = static_cast<uint16_t>(1u << bit);
                    extractPortSignals(s, p, words, kFresh);
                    int set = 0;
                    for (int k = p.firstSignal; k < p.firstSignal + p.signalCount; ++k) {
                        const PortSignal& sig = portSignals()[k];
                        if (sig.kind == SignalKind::Bit || sig.kind == SignalKind::BitIfFresh) {
                            const bool on = readSignal(s, sig) != 0;
                            const bool should = sig.word == word && sig.bit == bit;
                            QVERIFY2(on == should, sig.name);
                            set += on;
                        }
                    }
                    QVERIFY(set <= 1);
                }
            }
        }
    }

    void freshnessGlobalsStored()
    {
        Cycle c;
        c.bus.fresh[3100] = 12;
        c.bus.fresh[1700] = 40000;
        c.run();
        QCOMPARE(int(c.store->freshness_3100), 12);
        QCOMPARE(int(c.store->freshness_1700), 40000);
        QCOMPARE(int(c.store->freshness_3110), 100);
    }

    void slaveFlagForcedToZeroWhenStale()
    {
        Cycle c;
        c.bus.set(2510, 4, 0x0700);
        c.bus.fresh[2510] = kStale;
        c.run();
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

    void outputPortPulses()
    {
        Cycle c;
        c.requests.Selected_CAB_Type = 1;
        c.requests.MVB_DDS_UP.raise();
        c.requests.MVB_Fault_ACK.raise();
        c.requests.MVB_Inching_DOWN.raise();
        c.requests.MVB_Present_Screen = 7;
        for (int i = 0; i < 14; ++i)
            c.run();
        const auto& w = c.bus.written[3015];
        QCOMPARE(int(w.size()), 14);
        QVERIFY(c.bus.written[3201].empty());
        for (int i = 0; i < 14; ++i) {
            QCOMPARE(bool(w[i][0] & (1 << 9)), i < 10);   // DDS up: ten writes
            QCOMPARE(bool(w[i][0] & (1 << 8)), i < 11);   // acknowledge: eleven writes
            QCOMPARE(bool(w[i][2] & (1 << 9)), i < 10);   // inching down
            QCOMPARE(int(w[i][1]), 7);                    // screen number in the same cycle
            QCOMPARE(int(w[i][3]), 0);
        }
        QVERIFY(!c.requests.MVB_DDS_UP.on());
        QVERIFY(!c.requests.MVB_Fault_ACK.on());
        for (const auto& a : c.bus.log)
            if (a.kind == 'w')
                QCOMPARE(int(a.fcode), 2);
    }

    void outputPortCab2AndNoCab()
    {
        Cycle c;
        c.requests.Selected_CAB_Type = 2;
        c.requests.MVB_DDS_BOTTOM.raise();
        c.run();
        QCOMPARE(int(c.bus.written[3201].size()), 1);
        QVERIFY(c.bus.written[3201][0][0] & (1 << 12));

        Cycle none;
        none.requests.Selected_CAB_Type = 0;
        none.requests.MVB_DDS_TOP.raise();
        none.requests.MVB_Fault_ACK.raise();
        for (int i = 0; i < 20; ++i)
            none.run();
        QVERIFY(none.bus.written.empty());
        QVERIFY(none.requests.MVB_DDS_TOP.on()); // never cleared without an output port
        QVERIFY(none.requests.MVB_Fault_ACK.on());
    }

    void ddsRecordsOnlyWhileFresh()
    {
        Cycle c;
        c.bus.set(2650, 0, 1234);
        c.bus.set(2650, 1, 0x005C); // processor 0, code 92
        c.bus.set(2650, 2, 24414);
        c.bus.set(2650, 3, 4096);
        c.bus.set(2650, 12, 77);
        c.bus.set(2650, 13, 0x0A0A);
        c.run();
        const auto& r = c.store->DDU_RAW_DATA;
        QCOMPARE(r[0].event_number_raw, 1234);
        QCOMPARE(r[0].device_number, 0);
        QCOMPARE(r[0].fault_number, 92);
        QCOMPARE(r[0].datetime1, 24414);
        QCOMPARE(r[0].datetime2, 4096);
        QCOMPARE(r[3].event_number_raw, 77);
        QCOMPARE(r[3].device_number, 10);
        QCOMPARE(r[3].fault_number, 10);
        c.bus.fresh[2650] = kStale;
        c.bus.set(2650, 0, 999);
        c.run();
        QCOMPARE(r[0].event_number_raw, 1234);
    }

    void remoteIoImages()
    {
        Cycle c;
        c.bus.set(2510, 0, 0x0180); // RIOM1 inputs: element 0 (bit 8) and element 15 (bit 7)
        c.bus.set(2510, 1, 0x0001); // element 24 (word 1, bit 0)
        c.bus.set(2510, 2, 2048);
        c.bus.set(2500, 0, 0x8001); // BRIO1: element 0 = bit 15, element 15 = bit 0
        c.bus.set(2500, 1, 0x4000); // element 17
        c.bus.set(2500, 5, 4096);
        c.bus.set(2501, 0, 0x0008); // element 12 = bit 3
        c.bus.set(2503, 0, 0x0001); // element 15 = bit 0
        c.bus.set(2620, 0, 0x0002); // RIOM2 output element 9 = bit 1
        c.run();
        const SignalStore& s = *c.store;
        QCOMPARE(s.MVB_DDU_RIOM1_Input[0], 1);
        QCOMPARE(s.MVB_DDU_RIOM1_Input[15], 1);
        QCOMPARE(s.MVB_DDU_RIOM1_Input[24], 1);
        QCOMPARE(s.MVB_DDU_RIOM1_Input[1], 0);
        QCOMPARE(s.MVB_DDU_RIOM1_InAnalg[0], QStringLiteral("50.00"));
        QCOMPARE(s.MVB_DDU_RIOM1_InAnalg[1], QStringLiteral("0.00"));
        QCOMPARE(s.MVB_DDU_BRIO1_Input[0], 1);
        QCOMPARE(s.MVB_DDU_BRIO1_Input[15], 1);
        QCOMPARE(s.MVB_DDU_BRIO1_Input[17], 1);
        QCOMPARE(s.MVB_DDU_BRIO1_InAnalg[0], QStringLiteral("100.00"));
        QCOMPARE(s.MVB_DDU_BRIO1_Output[12], 1);
        QCOMPARE(s.MVB_DDU_BRIO2_Output[15], 1);
        QCOMPARE(s.MVB_DDU_RIOM2_Output[9], 1);

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

    void selectedVcuTypeForcedTo3()
    {
        Cycle c;
        c.requests.Selected_VCU_Type = 1;
        c.run();
        QCOMPARE(c.requests.Selected_VCU_Type.load(), 3);
    }

    // ---------------------------------------------------------------- helpers

    void checkNegativeValue_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<float>("expected");
        QTest::newRow("0xFFFF") << 0xFFFF << -1.0f;
        QTest::newRow("0x8000") << 0x8000 << -32768.0f;
        QTest::newRow("0x7FFF") << 0x7FFF << 32767.0f;
        QTest::newRow("0") << 0 << 0.0f;
    }
    void checkNegativeValue()
    {
        QFETCH(int, x);
        QFETCH(float, expected);
        QCOMPARE(mvbvaria::Check_Negative_Value(x), expected);
    }

    void lifesignCheck()
    {
        SignalStore s;
        QCOMPARE(mvbvaria::Lifesign_Check(s, 5, 1), 1);
        for (int i = 1; i <= 999; ++i)
            QCOMPARE(mvbvaria::Lifesign_Check(s, 5, 1), 0);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(mvbvaria::Lifesign_Check(s, 5, 1), 2);
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 1), 1);
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 1), 0);
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 2), 1); // each processor has its own counter
        QCOMPARE(mvbvaria::Lifesign_Check(s, 6, 25), 0); // outside the table: no effect
    }

    void energyDisplay_data()
    {
        QTest::addColumn<int>("e");
        QTest::addColumn<QString>("text");
        QTest::newRow("42") << 42 << "000 000 042";
        QTest::newRow("123456789") << 123456789 << "123 456 789";
        QTest::newRow("1234567890") << 1234567890 << "1234567890";
        QTest::newRow("0") << 0 << "000 000 000";
    }
    void energyDisplay()
    {
        QFETCH(int, e);
        QFETCH(QString, text);
        QCOMPARE(mvbvaria::Enegry_Display(e), text);
    }

    void locoClass_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("type");
        const QList<QPair<int, QString>> rows = {
            {29999, ""}, {30000, "WAP5"}, {30199, "WAP5"}, {30200, "WAP7"}, {30999, "WAP7"}, {31000, "WAG9"},
            {33999, "WAG9"}, {34000, "WAP7"}, {34999, "WAP7"}, {35000, ""}, {36999, ""}, {37000, "WAP7"},
            {38000, "WAG9"}, {38999, "WAG9"}, {39000, "WAP7"}, {39999, "WAP7"}, {40000, ""}, {42000, "WAG9"},
            {42999, "WAG9"}, {43000, ""}};
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
        SignalStore s;
        BusRequests r;
        allFresh(s);
        s.FLG1_D45_XPrAutoBkLn = 5.0f;
        s.FLG2_D45_XPrAutoBkLn = 4.2f;
        s.FLG1_D50_XSpeedLoco = 60.0f;
        s.FLG2_D50_XSpeedLoco = 61.9f;
        s.FLG1_D00_MLocoNum1 = 31028;
        s.FLG2_D00_MLocoNum1 = 30150;
        s.FLG1_D21_XU_Battery = 110.0f;
        s.FLG2_D21_XU_Battery = 98.44f;
        mvbvaria v;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_BP_Pressure_String, QStringLiteral("5.0"));
        QCOMPARE(s.MVB_DDU_Speed, 60);
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("31028"));
        QCOMPARE(s.MVB_DDU_Loco_Type_String, QStringLiteral("WAG9"));
        QCOMPARE(s.MVB_DDU_Battery_String, QStringLiteral("110.0"));

        s.FLG2_D54_MFLG2MastRq = 1; // FLG2 asks for mastership while FLG1 is fresh
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_FLG2_Master_Request, 1);
        QCOMPARE(s.MVB_DDU_BP_Pressure_String, QStringLiteral("4.2"));
        QCOMPARE(s.MVB_DDU_Auto_Break, 1);
        QCOMPARE(s.MVB_DDU_Speed, 61);
        QCOMPARE(s.MVB_DDU_Speed_String, QStringLiteral("61"));
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("30150"));
        QCOMPARE(s.MVB_DDU_Loco_Type_String, QStringLiteral("WAP5"));
        QCOMPARE(s.MVB_DDU_Battery, 98);
        QCOMPARE(s.MVB_DDU_Battery_String, QStringLiteral("98.4"));
        QCOMPARE(s.MVB_DDU_FLG2_Active, 1);

        // FLG1 stale: FLG2 without a request.
        s.FLG2_D54_MFLG2MastRq = 0;
        s.freshness_3110 = kStale;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Speed, 61);
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("30150"));
        // With the request clear and FLG1's port stale, the brake pipe is unknown.
        QCOMPARE(s.MVB_DDU_BP_Pressure_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Auto_Break, 2);
    }

    void staleSources()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        // Every port stale.
        for (int i = 0; i < firstPartPortCount(); ++i)
            freshnessOf(s, firstPartPorts()[i]) = kStale;
        s.MVB_DDU_Cab_Active = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Cab_Active, 3);
        QCOMPARE(s.MVB_DDU_Direction, 0);
        QCOMPARE(s.MVB_DDU_Battery, 0);
        QCOMPARE(s.MVB_DDU_Battery_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Speed_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Loco_Type_String, QString());
        QCOMPARE(s.MVB_DDU_BE_Actual_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_VCB, 2);
        QCOMPARE(s.MVB_DDU_LSDJ, 2);
        QCOMPARE(s.MVB_DDU_Panto, 2);
        QCOMPARE(s.MVB_DDU_Panto_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_MR, 2);
        QCOMPARE(s.MVB_DDU_EMG, 2);
        QCOMPARE(s.MVB_DDU_BPPB, 2);
        QCOMPARE(s.MVB_DDU_BPFA, 2);
        QCOMPARE(s.MVB_DDU_LSP, 2);
        QCOMPARE(s.MVB_DDU_Loco_Break, 2);
        QCOMPARE(s.MVB_DDU_Earth_Fault_Control, 2);
        QCOMPARE(s.MVB_DDU_Primary_Over_Current_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Energy_Consumed_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Energy_Ratio_Trip_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Line_Frequency_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Soft_Ver_BUR2_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Loco_Simulation_Status, 2);
        QCOMPARE(s.MVB_DDU_FLG1_Active, 2);
        QCOMPARE(s.MVB_DDU_Inching_mod_Active, 2); // cab 3 (unknown) counts as a non-zero cab
        QCOMPARE(s.MVB_DDU_Inching_Set_Speed_String, QStringLiteral("????"));
        for (int k = 0; k < 19; ++k)
            QCOMPARE(s.MVB_DDU_LOCO_SUB_System[k], 99);
        QCOMPARE(s.MVB_DDU_Loco_ISO_Status, 2);
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
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.HBB1_D01_BDetCoCo = 1;
        s.HBB1_D01_BDetCoCoR = 1;
        s.FLG1_D21_XUprim = 25.0f;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.CoCo_bogie_chasis, 1);
        QCOMPARE(s.CoCo_bogie_chasisR, 1);
        QCOMPARE(s.MVB_DDU_UPRIM, 25);
        s.freshness_3300 = s.freshness_1535 = kStale;
        s.freshness_3100 = s.freshness_3200 = kStale;
        s.HBB1_D01_BDetCoCo = 0;
        s.HBB1_D01_BDetCoCoR = 0;
        s.FLG1_D21_XUprim = 0.0f;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.CoCo_bogie_chasis, 1);
        QCOMPARE(s.CoCo_bogie_chasisR, 1);
        QCOMPARE(s.MVB_DDU_UPRIM, 25);
        QCOMPARE(s.MVB_DDU_UPRIM_String, QStringLiteral("????"));
    }

    void textsAndDecimals()
    {
        SignalStore s;
        BusRequests r;
        r.Selected_SR_Type = 3;
        mvbvaria v;
        allFresh(s);
        s.FLG1_D21_XUprim = 24.256f;
        s.FLG1_D21_XIprim = 123.4f;
        s.FLG1_D07_MVCB_On = 1;
        s.FLG1_D07_XNodeMSC = 612;
        s.FLG1_D21_XNodeB1 = 504;
        s.SLG1_D08_XNodeALG = 0xa0b1;
        s.FLG1_00_SWVersionFLG1 = 21;
        s.HBB2_D01_MPrSwLowMR = 1;
        s.HBB2_D01_MPrSwBkCyl2 = 1;
        s.SLG1_D04_NSC1_XAFUN = 5.0f;
        s.SLG1_D04_NSC1_XAUD = 400.0f;
        s.SLG1_D04_XPN = 0xFF00; // -256 -> -625 %
        s.SLG2_D04_XPN = 0x0200; // 512 -> 1250 %
        s.SLG1_D87_BLdSEin = 1;   // with converter type 3 this is the input contactor
        s.SLG1_D09_BVentLevel2 = 1;
        s.SLG1_D09_BVentLevel1 = 1;
        s.BUR1_D73_XUUN = 30.0f;
        s.BUR2_D73_XUUN = 33.0f;
        s.BUR3_D73_XUUN = 31.0f;
        s.BUR1_D01_XUFWR = 50.0f;
        s.STB1_D01_MContHotel = 1;
        s.STB1_D02_MLampWSlip = 1;
        s.HBB1_D01_MMCBPumpT1 = 1;
        s.STB1_D01_MMCBCompr1 = 1;
        s.HBB1_D01_LTEDemand = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_UPRIM_String, QStringLiteral("24.26"));
        QCOMPARE(s.MVB_DDU_UPRIM, 24);
        QCOMPARE(s.MVB_DDU_IPRIM_String, QStringLiteral("123.40"));
        QCOMPARE(s.MVB_DDU_VCB_String, QStringLiteral("ON"));
        QCOMPARE(s.MVB_DDU_LSDJ, 0);
        QCOMPARE(s.MVB_DDU_FLG1_Node_String, QStringLiteral("612"));
        QCOMPARE(s.MVB_DDU_SLG1_Node_String, QStringLiteral("504"));
        QCOMPARE(s.MVB_DDU_ALG1_Node_String, QStringLiteral("A0B1"));
        QCOMPARE(s.MVB_DDU_Soft_Ver_FLG1_String, QStringLiteral("0021"));
        QCOMPARE(s.MVB_DDU_MR, 1);
        QCOMPARE(s.MVB_DDU_MR_Pressure_String, QStringLiteral("< 6.4"));
        QCOMPARE(s.MVB_DDU_BC2_Pressure_String, QStringLiteral("Applied"));
        QCOMPARE(s.MVB_DDU_BC1_Pressure_String, QStringLiteral("Released"));
        QCOMPARE(s.MVB_DDU_Line_Frequency_String, QStringLiteral("50.00"));
        QCOMPARE(s.MVB_DDU_Line_Frequency_INT_String, QStringLiteral("50"));
        QCOMPARE(s.MVB_DDU_Traction_DC_Link_Volatge1_String, QStringLiteral("1640.00"));
        QCOMPARE(s.MVB_DDU_Input_Power1_String, QStringLiteral("-625.00"));
        QCOMPARE(s.MVB_DDU_Input_Power2_String, QStringLiteral("1250.00"));
        QCOMPARE(s.MVB_DDU_Input_Power, 625);
        QCOMPARE(s.MVB_DDU_SR_Input_Power1_String, QStringLiteral("-625.00"));
        QCOMPARE(s.MVB_DDU_Input_Contactor1_String, QStringLiteral("ON"));
        QCOMPARE(s.MVB_DDU_PreChrage_Contactor1_String, QStringLiteral("OFF"));
        QCOMPARE(s.MVB_DDU_Ventilation_Level1_String, QStringLiteral("2"));
        QCOMPARE(s.MVB_DDU_Auxiliary_Voltage_String, QStringLiteral("412.50"));
        QCOMPARE(s.MVB_DDU_BUR1_Output_Voltage_String, QStringLiteral("415.00"));
        QCOMPARE(s.MVB_DDU_BUR1_Output_Frequency_String, QStringLiteral("50.00"));
        QCOMPARE(s.MVB_DDU_Hotel_Load_String, QStringLiteral("ON"));
        QCOMPARE(s.MVB_DDU_LSP, 1);
        QCOMPARE(s.MVB_DDU_Wheel_Slip_String, QStringLiteral("YES"));
        QCOMPARE(s.MVB_DDU_TFP_Oil_Pump1_String, QStringLiteral("OFF"));
        QCOMPARE(s.MVB_DDU_SR_Oil_Pump1_String, QStringLiteral("ON"));
        QCOMPARE(s.MVB_DDU_Compressor1_String, QStringLiteral("OFF"));
        QCOMPARE(s.MVB_DDU_Compressor2_String, QStringLiteral("ON"));
        QCOMPARE(s.MVB_DDU_Master_Control_Position_String, QStringLiteral("Traction"));
        QCOMPARE(s.MVB_DDU_Inching_mod_Active, 0); // no cab active
        QCOMPARE(s.MVB_DDU_Inching_Set_Speed_String, QStringLiteral("0"));

        // Without converter type 3 the contactor feedbacks swap back and the
        // line frequency and DC link are taken unscaled.
        r.Selected_SR_Type = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_PreChrage_Contactor1_String, QStringLiteral("ON"));
        QCOMPARE(s.MVB_DDU_Input_Contactor1_String, QStringLiteral("OFF"));
        QCOMPARE(s.MVB_DDU_Line_Frequency_String, QStringLiteral("5.00"));
        QCOMPARE(s.MVB_DDU_Traction_DC_Link_Volatge1_String, QStringLiteral("400.00"));
    }

    void effortIsSigned()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.FLG1_D46_XTE_BE_Loco = float(0x10000 - 2048); // -50 %
        s.FLG1_D53_WTE_BE_Loco = 4096.0f;               // 100 %
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_BE_Actual, -50);
        QCOMPARE(s.MVB_DDU_BE_Actual_String, QStringLiteral("-50"));
        QCOMPARE(s.MVB_DDU_BE_Demand, 100);
    }

    void cabDirectionAndMessages()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.FLG2_D23_MCab1Active = 1;
        s.STB1_D24_LTrvDirRev = 1;
        s.DDA1_DD46_FaultNum = 89;
        s.DDA2_DD46_FaultNum = 10101;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Cab_Active, 1);
        QCOMPARE(s.MVB_DDU_Direction, 2);
        QCOMPARE(s.MVB_DDU_Fault_No, 0);
        s.DDA1_DD46_FaultNum = 90;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Fault_No, 90);

        s.FLG2_D23_MCab1Active = 0;
        s.FLG1_D23_MCab2Active = 1;
        s.HBB2_D24_LTrvDirFor = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Cab_Active, 2);
        QCOMPARE(s.MVB_DDU_Direction, 1);
        QCOMPARE(s.MVB_DDU_Fault_No, 10101);

        s.MVB_DDU_Fault2_No_temp = 20102;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Fault2_No, 20102);
        s.freshness_2610 = kStale;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Fault2_No, 0);
        QCOMPARE(s.MVB_DDU_SLV_Node_String, QStringLiteral("????"));

        // Emergency from the cab active in the previous pass.
        s.HBB2_D01_LEmgStop = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_EMG, 1);
        s.HBB2_D01_LEmgStop = 0;
        s.FLG1_D07_XNodeMSC = 500;
        s.FLG1_D45_XPrAutoBkLn = 2.5f;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_EMG, 1); // brake pipe emptied in a running node
        s.FLG1_D07_XNodeMSC = 612;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_EMG, 0);

        // Second loco direction only in multiple operation.
        s.slave1_LTrvDirREV = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Direction_2, 0);
        s.multiOpMode_slave1_active = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Direction_2, 2);
    }

    void lifeSignsOfProcessors()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        for (int pass = 0; pass < 1005; ++pass) {
            s.FLG1_10_XMVBLifeSig = pass; // counting
            s.STB2_05_XMVBLifeSig = 7;    // stuck
            v.updatemvbvariables(s, r);
        }
        QCOMPARE(s.MVB_DDU_FLG1_Lifesign, 1);
        QCOMPARE(s.MVB_DDU_STB2_Lifesign, 2);
        QCOMPARE(s.Lifesign[6], 7u);
    }

    void energyCounters()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.FLG1_D56_XEnergGWhP = 1;
        s.FLG1_D56_XEnergMWhP = 234;
        s.FLG1_D56_XEnergKWhP = 5;
        s.FLG1_D56_XEnergGWh_ = 0;
        s.FLG1_D56_XEnergMWh_ = 12;
        s.FLG1_D56_XEnergKWh_ = 300;
        for (int i = 0; i < 12; ++i)
            v.updatemvbvariables(s, r);
        QCOMPARE(s.DDU_First_Boot, 10);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_String, QStringLiteral("001 234 005"));
        QCOMPARE(s.MVB_DDU_Energy_Regenerated_String, QStringLiteral("000 012 300"));
        QCOMPARE(s.MVB_DDU_Energy_Consumed, 1234005);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_First_Boot, 1234005);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_Trip_String, QStringLiteral("000 000 000"));
        QCOMPARE(s.MVB_DDU_Energy_Ratio_String, QString::number(12300.0 / 1234005 * 100, 'f', 2));

        s.FLG1_D56_XEnergKWhP = 47; // +42 kWh since start
        s.FLG1_D56_XEnergKWh_ = 321; // +21 kWh regenerated
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_Trip, 42);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_Trip_String, QStringLiteral("000 000 042"));
        QCOMPARE(s.MVB_DDU_Energy_Regenerated_Trip, 21);
        QCOMPARE(s.MVB_DDU_Energy_Ratio_Trip_String, QStringLiteral("50.00"));

        // A jump of 70000 over the reference is outside the trip window.
        s.FLG1_D56_XEnergMWhP = 304;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_Trip_String, QStringLiteral("000 000 000"));
        QCOMPARE(s.MVB_DDU_Energy_Consumed_Trip, 42); // the value stays

        // Counters beyond the int range saturate instead of overflowing.
        s.FLG1_D56_XEnergGWhP = 65535;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Consumed, INT_MAX);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_String.left(6), QStringLiteral("65535 "));

        // FLG2 requests mastership while its port is stale: FLG1's counters
        // are not taken, FLG2's frozen ones are not shown.
        s.FLG2_D54_MFLG2MastRq = 1;
        s.freshness_3200 = kStale;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Energy_Regenerated_Trip_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Energy_Ratio_String, QStringLiteral("????"));
        s.freshness_3200 = kFresh;
        s.FLG2_D56_XEnergMWhP = 7;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Energy_Consumed_String, QStringLiteral("000 007 000"));
    }

    // The converters' A slot mixes two ports; each element shows unknown
    // when its own port is stale.
    void aSlotElementsFollowTheirOwnPort()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.SLG1_D01_XAIpr = 500;
        s.SLG1_D01_XAIFilts = 12.5f;
        s.SLG1_D01_XADruckTR = 40;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_SLG1_Aslot_Input_String[0], QStringLiteral("50.00 %"));
        QCOMPARE(s.MVB_DDU_SLG1_Aslot_Input_String[2], QStringLiteral("12.50 %"));
        QCOMPARE(s.MVB_DDU_SLG1_Aslot_Input_String[7], QStringLiteral("40.00 %"));
        s.freshness_3710 = kStale;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_SLG1_Aslot_Input_String[0], QStringLiteral("50.00 %"));
        QCOMPARE(s.MVB_DDU_SLG1_Aslot_Input_String[2], QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_SLG1_Aslot_Input_String[7], QStringLiteral("????"));
        s.freshness_3710 = kFresh;
        s.freshness_3700 = kStale;
        v.updatemvbvariables(s, r);
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
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.LOCO2_SUB_System3_off = 1;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_LOCO2_SUB_System[3], 1);
        QCOMPARE(s.MVB_DDU_LOCO2_SUB_System[19], 2);
        QCOMPARE(s.MVB_DDU_Loco_ISO2_Status, 1);
        s.LOCO2_SUB_System3_off = 0;
        s.MVB_DDU_LOCO2_SUB_System[5] = 3; // sticky while its flag is 0
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_LOCO2_SUB_System[3], 0);
        QCOMPARE(s.MVB_DDU_LOCO2_SUB_System[5], 3);
        QCOMPARE(s.MVB_DDU_Loco_ISO2_Status, 1);
        s.MVB_DDU_LOCO2_SUB_System[5] = 0;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Loco_ISO2_Status, 0);
        s.freshness_2510 = kStale;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Loco_ISO2_Status, 2);
        QCOMPARE(s.MVB_DDU_Loco2_NO_String, QStringLiteral("????"));
    }

    void subSystemsAndAuxConverters()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.FLG1_D54_BSubS01_Off = 4;
        s.FLG1_D54_BSubS07_Off = 4;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_LOCO_SUB_System[0], 4);
        QCOMPARE(s.MVB_DDU_LOCO_SUB_System[19], 99);
        QCOMPARE(s.MVB_DDU_Loco_ISO_Status, 1);
        QCOMPARE(s.MVB_DDU_BUR1_Status_String, QStringLiteral("ON"));
        QCOMPARE(s.MVB_DDU_BUR2_Status_String, QStringLiteral("OFF"));
        s.freshness_1035 = kStale;
        s.freshness_1535 = kStale;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_BUR2_Status_String, QStringLiteral("????"));
        s.freshness_1535 = kFresh;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_BUR2_Status_String, QStringLiteral("ON")); // FLG2's states are never fed
    }

    void inchingByActiveCab()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.FLG1_D23_MCab2Active = 1;
        s.DDA2_97_InchScreenAct = 1;
        s.DDA2_97_WSetSpeedInch = 0.75;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Inching_mod_Active, 1);
        QCOMPARE(s.MVB_DDU_Inching_Set_Speed_String, QStringLiteral("0.8"));
        s.freshness_1800 = kStale;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_Inching_mod_Active, 2);
        QCOMPARE(s.MVB_DDU_Inching_Set_Speed_String, QStringLiteral("????"));
    }

    void slotImages()
    {
        SignalStore s;
        BusRequests r;
        mvbvaria v;
        allFresh(s);
        s.HBB2_D01_MMCBCompr2 = 0;        // inverted: 1 in the image
        s.STB2_D01_MMCBBloCT2 = 1;        // inverted: 0
        s.STB2_D02_BContCompr2 = 0;       // inverted: 1
        s.HBB1_D01_LPBFaultAck = 1;
        s.STB1_D01_LParkBrake = 1;
        s.SLG1_D01_MExtRLgez = 1;
        s.FLG1_D01_XAngTrans = 42.5f;
        s.FLG1_D01_XPrAutoBkLn = 5.04f;
        s.FLG1_D02_XMeterT_B1 = 20.0f;
        s.FLG1_D02_XMeterT_B2 = 120.0f;   // out of range: neither meter text is written
        s.SLG1_D01_XAIpr = 500.0f;
        s.SLG1_D01_XADruckSR = 12.0f;
        s.SLG1_D01_XATmp2Mot3 = 33.0f;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_HBB2_Oslot_Input[0], 1);
        QCOMPARE(s.MVB_DDU_STB2_Lslot_Input[0], 0);
        QCOMPARE(s.MVB_DDU_STB2_Lslot_Input[1], 1);
        QCOMPARE(s.MVB_DDU_STB2_Jslot_Output[12], 1);
        QCOMPARE(s.MVB_DDU_HBB1_Oslot_Input[15], 1);
        QCOMPARE(s.MVB_DDU_HBB1_Oslot_Input[0], 0);     // not listed: untouched
        QCOMPARE(s.MVB_DDU_STB1_Jslot_Input[1], 0);     // filled only while cab 1 is active
        QCOMPARE(s.MVB_DDU_SLG1_Wslot_Input[15], 1);
        QCOMPARE(s.MVB_DDU_FLG1_Eslot_Input_String[11], QStringLiteral("42.50 %"));
        QCOMPARE(s.MVB_DDU_FLG1_Eslot_Input_String[5], QStringLiteral("5.04"));
        QCOMPARE(s.MVB_DDU_FLG1_Eslot_Output_String[1], QString());
        QCOMPARE(s.MVB_DDU_SLG1_Aslot_Input_String[0], QStringLiteral("50.00 %"));
        QCOMPARE(s.MVB_DDU_SLG1_Dslot_Input_String[15], QStringLiteral("12.00 %"));
        QCOMPARE(s.MVB_DDU_SLG1_Dslot_Input_String[5], QStringLiteral("33.00 %"));

        s.FLG1_D23_MCab1Active = 1;
        s.FLG1_D02_XMeterT_B2 = 30.0f;
        v.updatemvbvariables(s, r);
        QCOMPARE(s.MVB_DDU_STB1_Jslot_Input[1], 1);
        QCOMPARE(s.MVB_DDU_FLG1_Eslot_Output_String[1], QStringLiteral("20.00 %"));
        QCOMPARE(s.MVB_DDU_FLG1_Eslot_Output_String[3], QStringLiteral("30.00 %"));
    }

    // Garbage words decode to defined values (run under UBSan).
    void garbageWords()
    {
        Cycle c;
        for (auto& p : c.bus.words)
            p.second.fill(0xFFFF);
        for (int i = 0; i < firstPartPortCount(); ++i)
            c.bus.words[firstPartPorts()[i].port].fill(0xFFFF);
        c.bus.words[2650].fill(0xFFFF);
        c.run();
        mvbvaria v;
        c.requests.Selected_SR_Type = 3;
        v.updatemvbvariables(*c.store, c.requests);
        QCOMPARE(c.store->MVB_DDU_Energy_Consumed, INT_MAX);
        QCOMPARE(c.store->DDU_RAW_DATA[0].device_number, 255);
        QCOMPARE(c.store->MVB_DDU_Speed, int(65535 / 4096.0 * 100));
    }

    // The dump lists every member once, sorted, values in their formats.
    void storeDump()
    {
        SignalStore s;
        s.MVB_DDU_Speed_String = QStringLiteral("6\"0");
        s.MVB_DDU_LOCO_SUB_System[1] = 4;
        const auto fields = dumpSignalStore(s);
        QStringList names;
        for (const auto& f : fields)
            names << f.first;
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(names, sorted);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QVERIFY(names.size() > 800);
        QCOMPARE(valueOf(s, QStringLiteral("MVB_DDU_Speed_String")), QStringLiteral("\"6\\\"0\""));
        QVERIFY(valueOf(s, QStringLiteral("MVB_DDU_LOCO_SUB_System")).startsWith(QStringLiteral("[0,4,0")));
        QCOMPARE(valueOf(s, QStringLiteral("freshness_3100")), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestAcquisition)
#include "test_acquisition.moc"
