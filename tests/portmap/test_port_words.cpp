// Hand-written word checks of every port the display reads. The simulator
// encodes with the same port map the display decodes with, so a wrong row of
// that table would go unnoticed end to end; here every port and every word it
// carries has an expectation worked out from the vehicle signal list.
//
// Values used: 0x0800 = 2048 (half of 4096), 0x1000 = 4096, 0xA000 = 40960
// (10 x 4096, and the top bits catch a wrong mask), 0x1234 = 4660,
// 0xFEDC = 65244, 0xFFFF = 65535 (zero extension).

#include <QtTest>

#include "acquisition/lmvf.h"
#include "acquisition/port_map.h"

#include <iterator>
#include <memory>
#include <set>
#include <utility>

// Expectation tables: laid out by hand, one or two rows per line.
// clang-format off

namespace {

using Getter = double (*)(const SignalStore&);

// One word of one port and one named signal cut from it. A flag row sets the
// single bit `value` (the flag must read 1) and then every other bit of the
// word (the flag must read 0).
struct Row {
    uint16_t port;
    int word;
    uint16_t value;
    Getter get;
    double expected;
    bool flag;
    const char* name;
};

#define GET(expr) [](const SignalStore& s) { return static_cast<double>(s.expr); }
#define F(p, w, v, n) Row{p, w, v, GET(n), 1.0, true, #n}
#define V(p, w, v, n, e) Row{p, w, v, GET(n), e, false, #n}

const Row kRows[] = {
    // FLG1 3100: cab, pantograph, breaker flags, effort, primary values, nodes, energies
    F(3100, 0, 0x2000, FLG1_D07_MVCB_On), F(3100, 0, 0x0100, FLG1_D23_MCab1Active),
    F(3100, 1, 0x0010, FLG1_D26_MThTE_BEE0),
    V(3100, 2, 0xFEDC, FLG1_D53_WTE_BE_Loco, 65244.0), V(3100, 3, 0x1234, FLG1_D46_XTE_BE_Loco, 4660.0),
    V(3100, 4, 0xA000, FLG1_D21_XUprim, 100.0),
    V(3100, 5, 0xFFFF, FLG1_D21_XIprim, 1999.755859375), // 8191 / 4096 x 1000
    V(3100, 6, 0xA000, FLG1_D21_XU_Battery, 1000.0),
    V(3100, 7, 0x1234, FLG1_D07_XNodeMSC, 4660.0), V(3100, 8, 0xFEDC, FLG1_D21_XNodeB1, 65244.0),
    V(3100, 9, 0x0102, FLG1_D21_XNodeB2, 258.0), V(3100, 10, 0x1234, FLG1_D56_XEnergKWh_, 4660.0),
    V(3100, 11, 0x2345, FLG1_D56_XEnergMWh_, 9029.0), V(3100, 12, 0x3456, FLG1_D56_XEnergGWh_, 13398.0),
    V(3100, 13, 0x4567, FLG1_D56_XEnergKWhP, 17767.0), V(3100, 14, 0x5678, FLG1_D56_XEnergMWhP, 22136.0),
    V(3100, 15, 0xFFFF, FLG1_D56_XEnergGWhP, 65535.0),
    // FLG1 3110: brake pipe, meters, speed, loco number, traction units
    V(3110, 0, 0xA000, FLG1_D45_XPrAutoBkLn, 100.0), V(3110, 1, 0x0800, FLG1_D45_WPnBEdem, 50.0),
    V(3110, 2, 0xA000, FLG1_D01_XAngTrans, 1000.0), V(3110, 3, 0x0800, FLG1_D01_XPrAutoBkLn, 5.0),
    V(3110, 4, 0x1000, FLG1_D02_XMeterT_B1, 100.0), V(3110, 5, 0xA000, FLG1_D02_XMeterT_B2, 1000.0),
    V(3110, 6, 0x0800, FLG1_D50_XSpeedLoco, 50.0), V(3110, 7, 0x1234, FLG1_D00_MLocoNum1, 4660.0),
    V(3110, 8, 0xFEDC, FLG1_D00_MOdoMeter, 65244.0), V(3110, 13, 0xFFFF, FLG1_00_SWVersionBUR1, 65535.0),
    F(3110, 14, 0x0001, MVB_DDU_MotorSlave1_SLG1), F(3110, 14, 0x4000, MVB_DDU_LineConverter1_SLG1),
    F(3110, 14, 0x0080, MVB_DDU_LineConverter2_SLG2),
    // FLG2 3200
    F(3200, 0, 0x0800, FLG2_D13_LPanDnWish), F(3200, 1, 0x0002, FLG2_D01_MPnBrActivB1),
    V(3200, 2, 0x1234, FLG2_D53_WTE_BE_Loco, 4660.0), V(3200, 3, 0xFFFF, FLG2_D46_XTE_BE_Loco, 65535.0),
    V(3200, 4, 0x1000, FLG2_D21_XUprim, 10.0),
    V(3200, 5, 0xE800, FLG2_D21_XIprim, 500.0), // 0x0800 after the mask 0x1FFF, x 1000
    V(3200, 6, 0xA000, FLG2_D21_XU_Battery, 1000.0),
    V(3200, 7, 0x1234, FLG2_D07_XNodeMSC, 4660.0), V(3200, 8, 0x1234, FLG2_D21_XNodeB1, 4660.0),
    V(3200, 9, 0xFEDC, FLG2_D21_XNodeB2, 65244.0), V(3200, 10, 0x1234, FLG2_D56_XEnergKWh_, 4660.0),
    V(3200, 11, 0x1234, FLG2_D56_XEnergMWh_, 4660.0), V(3200, 12, 0x1234, FLG2_D56_XEnergGWh_, 4660.0),
    V(3200, 13, 0x1234, FLG2_D56_XEnergKWhP, 4660.0), V(3200, 14, 0x1234, FLG2_D56_XEnergMWhP, 4660.0),
    V(3200, 15, 0x1234, FLG2_D56_XEnergGWhP, 4660.0),
    // FLG2 3210
    V(3210, 0, 0xA000, FLG2_D45_XPrAutoBkLn, 100.0), V(3210, 1, 0x0800, FLG2_D45_WPnBEdem, 50.0),
    V(3210, 2, 0xA000, FLG2_D01_XAngTrans, 1000.0), V(3210, 3, 0x0800, FLG2_D01_XPrAutoBkLn, 5.0),
    V(3210, 4, 0xA000, FLG2_D02_XMeterT_B1, 1000.0), V(3210, 5, 0x0800, FLG2_D02_XMeterT_B2, 50.0),
    V(3210, 6, 0xA000, FLG2_D50_XSpeedLoco, 1000.0), V(3210, 7, 0x1234, FLG2_D00_MLocoNum1, 4660.0),
    V(3210, 8, 0xFEDC, FLG2_D00_MOdoMeter, 65244.0), V(3210, 9, 0x0001, FLG2_D54_MFLG2MastRq, 1.0),
    V(3210, 13, 0xFFFF, FLG2_00_SWVersionBUR1, 65535.0),
    // SLG1 3700: converter values; word 5 x 100 / 100, word 12 x 100 / 50
    F(3700, 0, 0x1000, SLG1_D09_BVentLevel3), V(3700, 1, 0xFFFF, SLG1_D04_XPN, 65535.0),
    V(3700, 2, 0xA000, SLG1_D87_XUprim, 100.0), V(3700, 3, 0x0800, SLG1_D01_XIprim, 500.0),
    V(3700, 4, 0x1234, SLG1_D08_XNodeALG, 4660.0), V(3700, 5, 0xA000, SLG1_D88_XPressureCv, 10.0),
    V(3700, 6, 0x0800, SLG1_D88_XTempOilCv, 50.0), V(3700, 7, 0xA000, SLG1_D01_XIBUR, 10000.0),
    V(3700, 8, 0x0800, SLG1_D88_XTempMotor1, 50.0), V(3700, 9, 0xA000, SLG1_D88_XTempMotor2, 1000.0),
    V(3700, 10, 0x1000, SLG1_D88_XTempMotor3, 100.0), V(3700, 11, 0x0800, SLG1_D88_XTempOilTr, 50.0),
    V(3700, 12, 0xA000, SLG1_D88_XPressureTr, 20.0), V(3700, 13, 0x0800, SLG1_D01_XAIpr, 500.0),
    V(3700, 14, 0xA000, SLG1_D01_XAIBUR, 10000.0), F(3700, 15, 0x0080, SLG1_D08_BHSHalteKr),
    F(3700, 15, 0x8000, SLG1_D01_MExtRLgez),
    // SLG1 3710: analog inputs, all x 100
    V(3710, 0, 0x0800, SLG1_D01_XAIFilts, 50.0), V(3710, 1, 0xA000, SLG1_D01_XADruckTR, 1000.0),
    V(3710, 2, 0x0800, SLG1_D01_XADruckSR, 50.0), V(3710, 3, 0xA000, SLG1_D01_XATmp1OelTR, 1000.0),
    V(3710, 4, 0x0800, SLG1_D01_XATmp2OelTR, 50.0), V(3710, 5, 0xA000, SLG1_D01_XATmp1OelSR, 1000.0),
    V(3710, 6, 0x0800, SLG1_D01_XATmp2OelSR, 50.0), V(3710, 7, 0xA000, SLG1_D01_XATmp1Mot1, 1000.0),
    V(3710, 8, 0x0800, SLG1_D01_XATmp2Mot1, 50.0), V(3710, 9, 0xA000, SLG1_D01_XATmp1Mot2, 1000.0),
    V(3710, 10, 0x0800, SLG1_D01_XATmp2Mot2, 50.0), V(3710, 11, 0xA000, SLG1_D01_XATmp1Mot3, 1000.0),
    V(3710, 12, 0x0800, SLG1_D01_XATmp2Mot3, 50.0), V(3710, 13, 0xA000, SLG1_D90_XVist_A1, 1000.0),
    V(3710, 14, 0x0800, SLG1_D90_XVist_A2, 50.0), V(3710, 15, 0xA000, SLG1_D90_XVist_A3, 1000.0),
    // SLG1 3720
    V(3720, 0, 0x0800, SLG1_D04_XRDM_f1_TC, 50.0), V(3720, 1, 0xA000, SLG1_D04_XRDM_f2_TC, 1000.0),
    V(3720, 2, 0x1000, SLG1_D04_XRDM_f3_TC, 100.0), V(3720, 3, 0xA000, SLG1_D04_NSC1_XAFUN, 100.0),
    V(3720, 4, 0x0800, SLG1_D04_NSC1_XAUD, 500.0), V(3720, 5, 0xFFFF, SLG1_00_SWVersionSLG1, 65535.0),
    // SLG2 3800
    F(3800, 0, 0x0100, SLG2_D09_PDistEarthF), V(3800, 1, 0x1234, SLG2_D04_XPN, 4660.0),
    V(3800, 2, 0x0800, SLG2_D87_XUprim, 5.0), V(3800, 3, 0xA000, SLG2_D01_XIprim, 10000.0),
    V(3800, 4, 0xFEDC, SLG2_D08_XNodeALG, 65244.0), V(3800, 5, 0x0800, SLG2_D88_XPressureCv, 0.5),
    V(3800, 6, 0xA000, SLG2_D88_XTempOilCv, 1000.0), V(3800, 7, 0x0800, SLG2_D01_XIBUR, 500.0),
    V(3800, 8, 0xA000, SLG2_D88_XTempMotor1, 1000.0), V(3800, 9, 0x0800, SLG2_D88_XTempMotor2, 50.0),
    V(3800, 10, 0xA000, SLG2_D88_XTempMotor3, 1000.0), V(3800, 11, 0x1000, SLG2_D88_XTempOilTr, 100.0),
    V(3800, 12, 0x0800, SLG2_D88_XPressureTr, 1.0), V(3800, 13, 0xA000, SLG2_D01_XAIpr, 10000.0),
    V(3800, 14, 0x0800, SLG2_D01_XAIBUR, 500.0), F(3800, 15, 0x0001, SLG2_D85_BFiltOn),
    F(3800, 15, 0x4000, SLG2_D01_MSRSEin),
    // SLG2 3810: analog inputs, all x 100
    V(3810, 0, 0xA000, SLG2_D01_XAIFilts, 1000.0), V(3810, 1, 0x0800, SLG2_D01_XADruckTR, 50.0),
    V(3810, 2, 0xA000, SLG2_D01_XADruckSR, 1000.0), V(3810, 3, 0x0800, SLG2_D01_XATmp1OelTR, 50.0),
    V(3810, 4, 0xA000, SLG2_D01_XATmp2OelTR, 1000.0), V(3810, 5, 0x0800, SLG2_D01_XATmp1OelSR, 50.0),
    V(3810, 6, 0xA000, SLG2_D01_XATmp2OelSR, 1000.0), V(3810, 7, 0x0800, SLG2_D01_XATmp1Mot1, 50.0),
    V(3810, 8, 0xA000, SLG2_D01_XATmp2Mot1, 1000.0), V(3810, 9, 0x0800, SLG2_D01_XATmp1Mot2, 50.0),
    V(3810, 10, 0xA000, SLG2_D01_XATmp2Mot2, 1000.0), V(3810, 11, 0x0800, SLG2_D01_XATmp1Mot3, 50.0),
    V(3810, 12, 0xA000, SLG2_D01_XATmp2Mot3, 1000.0), V(3810, 13, 0x0800, SLG2_D90_XVist_A1, 50.0),
    V(3810, 14, 0xA000, SLG2_D90_XVist_A2, 1000.0), V(3810, 15, 0x1000, SLG2_D90_XVist_A3, 100.0),
    // SLG2 3820
    V(3820, 0, 0xA000, SLG2_D04_XRDM_f1_TC, 1000.0), V(3820, 1, 0x0800, SLG2_D04_XRDM_f2_TC, 50.0),
    V(3820, 2, 0xA000, SLG2_D04_XRDM_f3_TC, 1000.0), V(3820, 3, 0x0800, SLG2_D04_NSC2_XAFUN, 5.0),
    V(3820, 4, 0xA000, SLG2_D04_NSC2_XAUD, 10000.0), V(3820, 5, 0x1234, SLG2_00_SWVersionSLG2, 4660.0),
    // BUR1 3900, BUR2 3950, BUR3 4000: auxiliary converters; UUZ1 x 1000, UIZ1 x 500
    F(3900, 0, 0x1000, BUR1_D01_M52_5Close), V(3900, 1, 0xA000, BUR1_D73_XUUN, 1000.0),
    V(3900, 2, 0x0800, BUR1_D73_XUUZ1, 500.0), V(3900, 3, 0x0800, BUR1_D73_XUIZ1, 250.0),
    V(3900, 4, 0xA000, BUR1_D01_XUFWR, 1000.0),
    F(3950, 0, 0x4000, BUR2_D01_M100_OK), V(3950, 1, 0x0800, BUR2_D73_XU_Battery, 50.0),
    V(3950, 2, 0xA000, BUR2_D73_XUUN, 1000.0), V(3950, 3, 0x0800, BUR2_D01_XUIB, 50.0),
    V(3950, 4, 0xA000, BUR2_D01_XUILG, 1000.0), V(3950, 5, 0xA000, BUR2_D73_XUUZ1, 10000.0),
    V(3950, 6, 0xA000, BUR2_D73_XUIZ1, 5000.0), V(3950, 7, 0x0800, BUR2_D01_XUFWR, 50.0),
    F(4000, 0, 0x0200, BUR3_D01_M100_OK), V(4000, 1, 0xA000, BUR3_D73_XU_Battery, 1000.0),
    V(4000, 2, 0x0800, BUR3_D73_XUUN, 50.0), V(4000, 3, 0xA000, BUR3_D01_XUIB, 1000.0),
    V(4000, 4, 0x0800, BUR3_D01_XUILG, 50.0), V(4000, 5, 0x0800, BUR3_D73_XUUZ1, 500.0),
    V(4000, 6, 0xA000, BUR3_D73_XUIZ1, 5000.0), V(4000, 7, 0xA000, BUR3_D01_XUFWR, 1000.0),
    // HBB1 3300, HBB2 3400: driver's desk inputs and outputs
    F(3300, 0, 0x0001, HBB1_D24_LBEDemand), F(3300, 1, 0x0080, HBB1_D01_MFuseAux),
    F(3300, 2, 0x0080, HBB1_D02_MLampFInd), F(3300, 3, 0x8000, HBB1_D02_BVCBOn),
    V(3300, 4, 0x1234, HBB1_00_SWVersionBUR2, 4660.0),
    F(3400, 0, 0x0002, HBB2_D24_LBEDemand), F(3400, 1, 0x0080, HBB2_D01_MPrSwPan2),
    F(3400, 2, 0x0040, HBB2_D02_MLampFault), F(3400, 3, 0x0001, HBB2_D02_BEPCPUnload),
    F(3400, 3, 0x0400, HBB2_D02_BBuzzBlack), V(3400, 4, 0xFFFF, HBB2_00_SWVersionBUR2, 65535.0),
    // STB1 3500, STB2 3600
    F(3500, 0, 0x0040, STB1_D01_MReTempCEL), F(3500, 1, 0x0080, STB1_D02_BAirDryer),
    F(3500, 2, 0x0008, STB1_D02_BContSelfH), V(3500, 3, 0x1234, STB1_00_SWVersionBUR3, 4660.0),
    F(3600, 0, 0x8000, STB2_D01_LHotelOn), F(3600, 1, 0x0080, STB2_D01_MMCBBloTM2),
    F(3600, 2, 0x0080, STB2_D02_BContCompr2), F(3600, 3, 0x1000, STB2_D02_BEPPan2),
    V(3600, 4, 0xFFFF, STB2_00_SWVersionBUR3, 65535.0),
    // diagnosis fault numbers, simulation mode
    V(3550, 0, 0x1234, DDA1_DD46_FaultNum, 4660.0), V(3650, 0, 0xFEDC, DDA2_DD46_FaultNum, 65244.0),
    F(1035, 0, 0x0040, FLG1_18_BSimulation),
    // FLG1 1310: sub-system switch-off states, high byte then low byte of each word
    V(1310, 0, 0x1234, FLG1_D54_BSubS01_Off, 18.0), V(1310, 0, 0x1234, FLG1_D54_BSubS02_Off, 52.0),
    V(1310, 1, 0x1234, FLG1_D54_BSubS04_Off, 52.0), V(1310, 2, 0x1234, FLG1_D54_BSubS05_Off, 18.0),
    V(1310, 3, 0xABCD, FLG1_D54_BSubS08_Off, 205.0), V(1310, 4, 0xABCD, FLG1_D54_BSubS09_Off, 171.0),
    V(1310, 5, 0x1234, FLG1_D54_BSubS12_Off, 52.0), V(1310, 6, 0x1234, FLG1_D54_BSubS13_Off, 18.0),
    V(1310, 7, 0xABCD, FLG1_D54_BSubS16_Off, 205.0), V(1310, 8, 0xABCD, FLG1_D54_BSubS17_Off, 171.0),
    V(1310, 9, 0xABCD, FLG1_D54_BSubS19_Off, 171.0),
    // second locomotive in multiple operation
    F(2510, 4, 0x0100, multiOpMode_slave1_active), F(2510, 4, 0x0400, slave1_LTrvDirREV),
    V(2510, 5, 0x1234, FLG1_D00_MLocoNum2, 4660.0), F(2510, 6, 0x0080, LOCO2_SUB_System15_off),
    F(2510, 6, 0x0100, LOCO2_SUB_System0_off), F(2510, 7, 0x0400, LOCO2_SUB_System18_off),
    V(2610, 6, 0x1234, NODE_SLV_loco2, 4660.0), V(2610, 7, 0xFEDC, MVB_DDU_Fault2_No_temp, 65244.0),
    F(1535, 0, 0x0040, FLG2_18_BSimulation), F(1535, 4, 0x0001, HBB1_D01_BDetCoCoR),
    F(1010, 3, 0x0040, FLG1_06_MTbInaugAct), F(1010, 4, 0x0400, FLG1_06_MPowerReduc),
    F(1510, 3, 0x0008, FLG2_06_MCbFltShDwn), F(1510, 4, 0x0200, FLG2_06_MPanRaising),
    // inching
    F(1302, 1, 0x4000, DDA1_97_InchScreenAct), V(1302, 2, 0xA000, DDA1_97_WSetSpeedInch, 1000.0),
    F(1800, 1, 0x0800, DDA2_97_InchScreenAct), V(1800, 2, 0x0800, DDA2_97_WSetSpeedInch, 50.0),
    // software versions, nodes, life signs
    V(1070, 3, 0x1234, FLG1_00_SWVersionFLG1, 4660.0), V(1570, 3, 0xFFFF, FLG2_00_SWVersionFLG2, 65535.0),
    V(1195, 2, 0x1234, STB1_00_SWVersionSTB1, 4660.0), V(1695, 4, 0x1234, STB2_00_SWVersionSTB2, 4660.0),
    V(1295, 2, 0xFEDC, HBB1_00_SWVersionHBB1, 65244.0), V(1795, 2, 0x1234, HBB2_00_SWVersionHBB2, 4660.0),
    V(1020, 15, 0x1234, FLG1_13_XNodeMSC, 4660.0), V(1520, 15, 0xFEDC, FLG2_13_XNodeMSC, 65244.0),
    V(1000, 1, 0x1234, FLG1_10_XMVBLifeSig, 4660.0), V(1000, 2, 0x0001, FLG1_54_MFLG1MastRq, 1.0),
    V(1500, 1, 0xFFFF, FLG2_10_XMVBLifeSig, 65535.0), V(1100, 0, 0x1234, STB1_05_XMVBLifeSig, 4660.0),
    V(1600, 0, 0x1234, STB2_05_XMVBLifeSig, 4660.0), V(1200, 0, 0xFEDC, HBB1_05_XMVBLifeSig, 65244.0),
    V(1700, 0, 0x1234, HBB2_05_XMVBLifeSig, 4660.0),
};

// Cycle order and F-code of the first part.
const std::pair<uint16_t, int> kCycle[] = {
    {3100, 4}, {3110, 4}, {3200, 4}, {3210, 4}, {3700, 4}, {3710, 4}, {3720, 3}, {3800, 4}, {3810, 4},
    {3820, 3}, {3900, 3}, {3950, 3}, {4000, 3}, {3300, 3}, {3400, 3}, {3500, 2}, {3600, 4}, {3550, 0},
    {3650, 0}, {1035, 3}, {1310, 4}, {2510, 4}, {2610, 4}, {1535, 3}, {1010, 3}, {1510, 3}, {1070, 2},
    {1570, 2}, {1195, 2}, {1695, 3}, {1295, 2}, {1795, 2}, {1302, 2}, {1800, 2}, {1020, 4}, {1520, 4},
    {1000, 3}, {1500, 3}, {1100, 1}, {1600, 1}, {1200, 3}, {1700, 1},
};

// DDS port 2650: field of record h at word 4h + offset.
struct DdsRow {
    int offset;
    uint16_t value;
    int DDU_RAW_DATA_struct::*field;
    int expected;
};
const DdsRow kDds[] = {
    {0, 0x1234, &DDU_RAW_DATA_struct::event_number_raw, 4660},
    {1, 0xAB12, &DDU_RAW_DATA_struct::device_number, 0xAB},
    {1, 0xAB12, &DDU_RAW_DATA_struct::fault_number, 0x12},
    {2, 0xFEDC, &DDU_RAW_DATA_struct::datetime1, 65244},
    {3, 0x0102, &DDU_RAW_DATA_struct::datetime2, 258},
};

// Remote I/O images: a digital element (single bit, as a flag row) or an
// analog text (w / 4096 x 100, two decimals).
struct IoRow {
    uint16_t port;
    int word;
    uint16_t value;
    int (*digital)(const SignalStore&);
    QString (*analog)(const SignalStore&);
    const char* text;
    const char* name;
};
#define IO_BIT(p, w, v, e) IoRow{p, w, v, [](const SignalStore& s) { return s.e; }, nullptr, nullptr, #e}
#define IO_TEXT(p, w, v, e, t) IoRow{p, w, v, nullptr, [](const SignalStore& s) { return s.e; }, t, #e}

const IoRow kIo[] = {
    // RIOM: bus order, element k mod 16 = 0..7 on bits 8..15, 8..15 on bits 0..7
    IO_BIT(2510, 0, 0x0800, MVB_DDU_RIOM1_Input[3]), IO_BIT(2510, 1, 0x0004, MVB_DDU_RIOM1_Input[26]),
    IO_TEXT(2510, 2, 0x0800, MVB_DDU_RIOM1_InAnalg[0], "50.00"),
    IO_TEXT(2510, 3, 0x1234, MVB_DDU_RIOM1_InAnalg[1], "113.77"),
    IO_BIT(2610, 0, 0x0002, MVB_DDU_RIOM1_Output[9]),
    IO_TEXT(2610, 1, 0x0800, MVB_DDU_RIOM1_OutAnalg[0], "50.00"),
    IO_TEXT(2610, 2, 0xA000, MVB_DDU_RIOM1_OutAnalg[1], "1000.00"),
    IO_TEXT(2610, 3, 0x1234, MVB_DDU_RIOM1_OutAnalg[2], "113.77"),
    IO_TEXT(2610, 4, 0xFFFF, MVB_DDU_RIOM1_OutAnalg[3], "1599.98"),
    IO_BIT(2520, 0, 0x8000, MVB_DDU_RIOM2_Input[7]), IO_BIT(2520, 1, 0x0080, MVB_DDU_RIOM2_Input[31]),
    IO_TEXT(2520, 2, 0x1000, MVB_DDU_RIOM2_InAnalg[0], "100.00"),
    IO_TEXT(2520, 3, 0x0800, MVB_DDU_RIOM2_InAnalg[1], "50.00"),
    IO_BIT(2620, 0, 0x0040, MVB_DDU_RIOM2_Output[14]),
    IO_TEXT(2620, 1, 0x1234, MVB_DDU_RIOM2_OutAnalg[0], "113.77"),
    IO_TEXT(2620, 2, 0x0800, MVB_DDU_RIOM2_OutAnalg[1], "50.00"),
    IO_TEXT(2620, 3, 0xA000, MVB_DDU_RIOM2_OutAnalg[2], "1000.00"),
    IO_TEXT(2620, 4, 0x1000, MVB_DDU_RIOM2_OutAnalg[3], "100.00"),
    // BRIO: element k is bit 15 - (k mod 16) of word k / 16
    IO_BIT(2500, 0, 0x2000, MVB_DDU_BRIO1_Input[2]), IO_BIT(2500, 1, 0x0001, MVB_DDU_BRIO1_Input[31]),
    IO_TEXT(2500, 5, 0x0800, MVB_DDU_BRIO1_InAnalg[0], "50.00"),
    IO_BIT(2501, 0, 0x0008, MVB_DDU_BRIO1_Output[12]),
    IO_BIT(2502, 0, 0x8000, MVB_DDU_BRIO2_Input[0]), IO_BIT(2502, 1, 0x0800, MVB_DDU_BRIO2_Input[20]),
    IO_TEXT(2502, 5, 0x1234, MVB_DDU_BRIO2_InAnalg[0], "113.77"),
    IO_BIT(2503, 0, 0x0001, MVB_DDU_BRIO2_Output[15]),
    IO_TEXT(2503, 2, 0xA000, MVB_DDU_BRIO2_OutAnalg[0], "1000.00"),
};

constexpr uint16_t kFresh = 100;

const CyclePort* findPort(uint16_t port)
{
    for (int i = 0; i < firstPartPortCount(); ++i)
        if (firstPartPorts()[i].port == port)
            return &firstPartPorts()[i];
    return nullptr;
}

double extracted(const Row& r, uint16_t value)
{
    auto s = std::make_unique<SignalStore>();
    uint16_t words[16] = {};
    words[r.word] = value;
    extractPortSignals(*s, *findPort(r.port), words, kFresh);
    return r.get(*s);
}

std::unique_ptr<SignalStore> remoteIo(const IoRow& r, uint16_t value)
{
    auto s = std::make_unique<SignalStore>();
    uint16_t words[16] = {};
    words[r.word] = value;
    lmvf::decodeRemoteIo(*s, r.port, words, kFresh);
    return s;
}

QByteArray tag(uint16_t port, int word, const char* name)
{
    return QStringLiteral("%1.w%2 %3").arg(port).arg(word).arg(QLatin1String(name)).toLatin1();
}

} // namespace

class TestPortWords : public QObject {
    Q_OBJECT
private slots:
    void cycleOrderAndFcodes()
    {
        QCOMPARE(firstPartPortCount(), int(std::size(kCycle)));
        for (int i = 0; i < firstPartPortCount(); ++i) {
            QCOMPARE(firstPartPorts()[i].port, kCycle[i].first);
            QCOMPARE(int(firstPartPorts()[i].fcode), kCycle[i].second);
        }
    }

    void portWords_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kRows)); ++i)
            QTest::newRow(tag(kRows[i].port, kRows[i].word, kRows[i].name).constData()) << i;
    }

    void portWords()
    {
        QFETCH(int, row);
        const Row& r = kRows[row];
        QVERIFY2(findPort(r.port), "port missing from the cycle");
        const double got = extracted(r, r.value);
        QVERIFY2(qAbs(got - r.expected) <= 1e-5 * qMax(1.0, qAbs(r.expected)),
                 qPrintable(QStringLiteral("got %1, expected %2").arg(got, 0, 'g', 12).arg(r.expected, 0, 'g', 12)));
        if (r.flag)
            QCOMPARE(extracted(r, static_cast<uint16_t>(~r.value)), 0.0);
    }

    void everyPortAndWordHasARow()
    {
        std::set<std::pair<int, int>> covered;
        std::set<int> ports;
        for (const Row& r : kRows) {
            covered.insert({r.port, r.word});
            ports.insert(r.port);
        }
        for (int i = 0; i < firstPartPortCount(); ++i)
            QVERIFY2(ports.count(firstPartPorts()[i].port), qPrintable(QString::number(firstPartPorts()[i].port)));
        for (int i = 0; i < portSignalCount(); ++i) {
            const PortSignal& sig = portSignals()[i];
            QVERIFY2(covered.count({sig.port, sig.word}), tag(sig.port, sig.word, sig.name).constData());
        }
    }

    void ddsRecords()
    {
        for (int h = 0; h < DDU_RAW_DATA_COUNT; ++h) {
            for (const DdsRow& d : kDds) {
                auto s = std::make_unique<SignalStore>();
                uint16_t words[16] = {};
                words[4 * h + d.offset] = d.value;
                lmvf::decodeDdsRecords(*s, words, kFresh);
                QCOMPARE(s->DDU_RAW_DATA[h].*d.field, d.expected);
                QCOMPARE(s->DDU_RAW_DATA[(h + 1) % DDU_RAW_DATA_COUNT].*d.field, 0);
            }
        }
    }

    void remoteIoWords_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kIo)); ++i)
            QTest::newRow(tag(kIo[i].port, kIo[i].word, kIo[i].name).constData()) << i;
    }

    void remoteIoWords()
    {
        QFETCH(int, row);
        const IoRow& r = kIo[row];
        if (r.analog) {
            QCOMPARE(r.analog(*remoteIo(r, r.value)), QString::fromLatin1(r.text));
        } else {
            QCOMPARE(r.digital(*remoteIo(r, r.value)), 1);
            QCOMPARE(r.digital(*remoteIo(r, static_cast<uint16_t>(~r.value))), 0);
        }
    }

    void everyRemoteIoPortHasARow()
    {
        std::set<int> ports;
        for (const IoRow& r : kIo)
            ports.insert(r.port);
        for (int i = 0; i < lmvf::remoteIoPortCount(); ++i)
            QVERIFY2(ports.count(lmvf::remoteIoPorts()[i].port), qPrintable(QString::number(lmvf::remoteIoPorts()[i].port)));
    }
};

QTEST_GUILESS_MAIN(TestPortWords)
// clang-format on
#include "test_port_words.moc"
