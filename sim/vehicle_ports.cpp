#include "sim/vehicle_ports.h"

#include "sim/dds_log.h"
#include "sim/signal_encoding.h"
#include "sim/vehicle_loco.h"
#include "sim/vehicle_model.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

using namespace loco;

// Ports of the second part of the display's cycle and the display units'
// output ports, with their sizes in words.
// clang-format off
struct ExtraPort { quint16 port; int words; };
constexpr ExtraPort kExtraPorts[] = {
    {DdsLog::kPort, 16}, {2520, 16}, {2620, 16}, {2500, 8}, {2501, 4}, {2502, 8}, {2503, 4},
    {VehicleModel::kOutputPortCab1, 4}, {VehicleModel::kOutputPortCab2, 4},
};
// clang-format on

// Writes named signals and raw words into a frame, creating ports and words
// as needed.
class PortWriter {
public:
    explicit PortWriter(PortFrame& frame)
        : m_frame(frame)
    {
    }

    void put(sig::Id id, double value)
    {
        const SignalInfo& info = signalInfo(id);
        encodeSignal(info, value, m_frame[info.port]);
    }

    void putWord(quint16 port, int word, quint16 value)
    {
        QVector<quint16>& w = m_frame[port];
        if (w.size() <= word)
            w.resize(word + 1);
        w[word] = value;
    }

    QVector<quint16>& words(quint16 port) { return m_frame[port]; }

private:
    PortFrame& m_frame;
};

// Sets a flag in bus order (elements 0..7 in bits 8..15, 8..15 in bits 0..7).
void busOrder(QVector<quint16>& words, int element, bool on)
{
    const int word = element / 16;
    const int bit = busOrderBit(element % 16);
    if (words.size() <= word)
        words.resize(word + 1);
    if (on)
        words[word] = quint16(words[word] | (1u << bit));
}

// Sets a flag most significant bit first (element k in bit 15 - k).
void msbFirst(QVector<quint16>& words, int element, bool on)
{
    const int word = element / 16;
    const int bit = 15 - element % 16;
    if (words.size() <= word)
        words.resize(word + 1);
    if (on)
        words[word] = quint16(words[word] | (1u << bit));
}

// What several processors report alike, worked out once per publication.
struct Common {
    bool cab1, forward, reverse;
    bool traction, braking, throttleZero; // effort demand of either sign / none
    bool panUpWish, panUp;
    bool converters, precharging; // line converters running / pre-charging
    bool lowMr, autoBrake;        // main reservoir below 6.4, brake pipe reduced
    bool faultLamp, priority1;    // a fault is shown / a priority 1 fault
    double absEffort, bogie1;     // TE/BE meters, %
    double perBogieKw, converterCurrent, auxCurrent;
    double pneumaticDemand; // %, as the automatic brake handle
    double transformerPressure, converterPressure, rotorHz;
};

Common commonValues(const VehicleState& s)
{
    Common c;
    c.cab1 = s.activeCab == 1;
    c.forward = s.direction == 1;
    c.reverse = s.direction == 2;
    c.traction = s.effortDemand > 0.5;
    c.braking = s.effortDemand < -0.5;
    c.throttleZero = !c.traction && !c.braking;
    c.panUpWish = s.pan != PanState::Down;
    c.panUp = s.pan == PanState::Up;
    c.converters = s.vcb && s.vcbClosedMs >= 1500;
    c.precharging = s.vcb && s.vcbClosedMs < 1500;
    c.lowMr = s.mainReservoir < 6.4;
    c.autoBrake = s.brakePipe < 4.8;
    c.faultLamp = s.message >= 10000; // a fault is present
    c.priority1 = s.message >= 10000 && s.message < 20000;
    c.absEffort = std::abs(s.effortActual);
    c.bogie1 = c.absEffort * (s.wheelSlip ? 0.9 : 1.0);
    c.perBogieKw = s.inputPowerKw / 2.0;
    c.converterCurrent = s.uprimKv > 1.0 ? std::abs(c.perBogieKw) / (s.uprimKv * 0.97) : 0.0;
    c.auxCurrent = s.auxiliaries ? (kAuxiliaryLoadKw + 40.0 * s.ventilation) / 0.98 : 0.0;
    c.pneumaticDemand = std::clamp((kChargedBrakePipe - s.brakePipe) / 1.5 * 100.0, 0.0, 100.0);
    c.transformerPressure = !s.vcb ? 0.2 : s.message == 20102 ? 0.55 : 1.4;
    c.converterPressure = s.vcb ? 2.6 : 0.3;
    c.rotorHz = s.speedKmh * 0.78; // stator frequency of the traction motors
    return c;
}

// ---------------------------------------------------------------- vehicle control

// Signals of a vehicle control processor; FLG1 and FLG2 report alike.
struct Flg {
    sig::Id cab1, cab2, panUp, panDn, vcb13, vcb07, pnBr, parkBk, hotel, throttle0;
    sig::Id teDemand, teActual, uprim, iprim, battery;
    sig::Id node, nodeB1, nodeB2;
    sig::Id kWhR, mWhR, gWhR, kWhP, mWhP, gWhP; // regenerated, consumed
    sig::Id bpAuto, pnDemand, angle, bp01, meter1, meter2, speed;
    sig::Id locoNum, odometer, swBur1;
    int node0;
};

// clang-format off
constexpr Flg kFlgs[2] = {
    {sig::FLG1_D23_MCab1Active, sig::FLG1_D23_MCab2Active, sig::FLG1_D13_LPanUpWish, sig::FLG1_D13_LPanDnWish,
     sig::FLG1_D13_MVCB_On, sig::FLG1_D07_MVCB_On, sig::FLG1_D01_MPnBrActivB1, sig::FLG1_D13_MPBkOn,
     sig::FLG1_D13_MContHotel, sig::FLG1_D26_MThTE_BEE0,
     sig::FLG1_D53_WTE_BE_Loco, sig::FLG1_D46_XTE_BE_Loco, sig::FLG1_D21_XUprim, sig::FLG1_D21_XIprim,
     sig::FLG1_D21_XU_Battery,
     sig::FLG1_D07_XNodeMSC, sig::FLG1_D21_XNodeB1, sig::FLG1_D21_XNodeB2,
     sig::FLG1_D56_XEnergKWh_, sig::FLG1_D56_XEnergMWh_, sig::FLG1_D56_XEnergGWh_,
     sig::FLG1_D56_XEnergKWhP, sig::FLG1_D56_XEnergMWhP, sig::FLG1_D56_XEnergGWhP,
     sig::FLG1_D45_XPrAutoBkLn, sig::FLG1_D45_WPnBEdem, sig::FLG1_D01_XAngTrans, sig::FLG1_D01_XPrAutoBkLn,
     sig::FLG1_D02_XMeterT_B1, sig::FLG1_D02_XMeterT_B2, sig::FLG1_D50_XSpeedLoco,
     sig::FLG1_D00_MLocoNum1, sig::FLG1_D00_MOdoMeter, sig::FLG1_00_SWVersionBUR1,
     504},
    {sig::FLG2_D23_MCab1Active, sig::FLG2_D23_MCab2Active, sig::FLG2_D13_LPanUpWish, sig::FLG2_D13_LPanDnWish,
     sig::FLG2_D13_MVCB_On, sig::FLG2_D07_MVCB_On, sig::FLG2_D01_MPnBrActivB1, sig::FLG2_D13_MPBkOn,
     sig::FLG2_D13_MContHotel, sig::FLG2_D26_MThTE_BEE0,
     sig::FLG2_D53_WTE_BE_Loco, sig::FLG2_D46_XTE_BE_Loco, sig::FLG2_D21_XUprim, sig::FLG2_D21_XIprim,
     sig::FLG2_D21_XU_Battery,
     sig::FLG2_D07_XNodeMSC, sig::FLG2_D21_XNodeB1, sig::FLG2_D21_XNodeB2,
     sig::FLG2_D56_XEnergKWh_, sig::FLG2_D56_XEnergMWh_, sig::FLG2_D56_XEnergGWh_,
     sig::FLG2_D56_XEnergKWhP, sig::FLG2_D56_XEnergMWhP, sig::FLG2_D56_XEnergGWhP,
     sig::FLG2_D45_XPrAutoBkLn, sig::FLG2_D45_WPnBEdem, sig::FLG2_D01_XAngTrans, sig::FLG2_D01_XPrAutoBkLn,
     sig::FLG2_D02_XMeterT_B1, sig::FLG2_D02_XMeterT_B2, sig::FLG2_D50_XSpeedLoco,
     sig::FLG2_D00_MLocoNum1, sig::FLG2_D00_MOdoMeter, sig::FLG2_00_SWVersionBUR1,
     502},
};
// clang-format on

// FLG1 and FLG2, the vehicle control processors (FLG1 master): 3100 and 3110
// words 0..13 (FLG1), 3200 and 3210 (FLG2).
void putVehicleControl(PortWriter& w, const VehicleState& s, const Common& c)
{
    const qint64 consumed = qint64(s.consumedKWh);
    const qint64 regenerated = qint64(s.regeneratedKWh);
    for (const Flg& g : kFlgs) {
        w.put(g.cab1, c.cab1);
        w.put(g.cab2, !c.cab1);
        w.put(g.panUp, c.panUpWish);
        w.put(g.panDn, s.phase == Phase::Shutdown && s.phaseMs >= 1000 && s.phaseMs < 3000);
        w.put(g.vcb13, s.vcb);
        w.put(g.vcb07, s.vcb);
        w.put(g.pnBr, s.locoBrake);
        w.put(g.parkBk, s.parkingBrake);
        w.put(g.hotel, false);
        w.put(g.throttle0, c.throttleZero);
        w.put(g.teDemand, s.effortDemand);
        w.put(g.teActual, s.effortActual);
        w.put(g.uprim, s.uprimKv);
        w.put(g.iprim, s.iprimA);
        w.put(g.battery, s.batteryV);
        w.put(g.node, g.node0);
        w.put(g.nodeB1, 604);
        w.put(g.nodeB2, 602);
        // The counters in whole units of kWh, MWh and GWh (integer parts).
        const auto in = [](auto v, int unit) { return v / unit; };
        w.put(g.kWhR, double(regenerated % 1000));
        w.put(g.mWhR, double(in(regenerated, 1000) % 1000));
        w.put(g.gWhR, double(in(regenerated, 1000000)));
        w.put(g.kWhP, double(consumed % 1000));
        w.put(g.mWhP, double(in(consumed, 1000) % 1000));
        w.put(g.gWhP, double(in(consumed, 1000000)));
        w.put(g.bpAuto, s.brakePipe);
        w.put(g.pnDemand, c.pneumaticDemand);
        w.put(g.angle, s.throttle);
        w.put(g.bp01, s.brakePipe);
        w.put(g.meter1, c.bogie1);
        w.put(g.meter2, c.absEffort);
        w.put(g.speed, s.speedKmh);
        w.put(g.locoNum, VehicleModel::kLocoNumber);
        w.put(g.odometer, double(qint64(s.odometerKm) % 65536));
        w.put(g.swBur1, 421);
    }
    w.put(sig::FLG2_D54_MFLG2MastRq, 0); // FLG1 is master
}

// Traction motors and line converters in service (3110 w14: master loco bits
// 8..15, second loco 0..5).
void putMotorsInService(PortWriter& w, const VehicleState& s, const Common& c)
{
    const bool motorsOn = c.converters;
    for (sig::Id id : {sig::MVB_DDU_MotorMaster1_SLG1, sig::MVB_DDU_MotorMaster2_SLG1, sig::MVB_DDU_MotorMaster3_SLG1,
                       sig::MVB_DDU_MotorMaster1_SLG2, sig::MVB_DDU_MotorMaster2_SLG2, sig::MVB_DDU_MotorMaster3_SLG2,
                       sig::MVB_DDU_LineConverter1_SLG1, sig::MVB_DDU_LineConverter2_SLG1,
                       sig::MVB_DDU_LineConverter1_SLG2, sig::MVB_DDU_LineConverter2_SLG2})
        w.put(id, motorsOn);
    for (sig::Id id : {sig::MVB_DDU_MotorSlave1_SLG1, sig::MVB_DDU_MotorSlave2_SLG1, sig::MVB_DDU_MotorSlave3_SLG1,
                       sig::MVB_DDU_MotorSlave1_SLG2, sig::MVB_DDU_MotorSlave2_SLG2, sig::MVB_DDU_MotorSlave3_SLG2})
        w.put(id, motorsOn && s.multipleOperation);
}

// ---------------------------------------------------------------- traction converters

// Signals of a traction converter; SLG1 (bogie 1) and SLG2 (bogie 2) report alike.
struct Slg {
    sig::Id earthF, filtOn85, vent1, vent2, vent3, xpn, uprim, iprim, nodeAlg, pressCv, tempOilCv, iBur, tm1, tm2, tm3,
        tempOilTr, pressTr, aiPr, aiBur;
    sig::Id ldSEin, filtDhcOn, filtOn, filtAdpOn, hsHalte, druCzk, srSEin, extRLgez, bFiltOn, bFiltAdpOn, bFiltDhcOn,
        bSrSEin, bLdSEin, bExtRLabtr, bGuSpEin, bHsHalte;
    sig::Id aiFilts, adruckTr, adruckSr, tmp1OelTr, tmp2OelTr, tmp1OelSr, tmp2OelSr, tmp1Mot1, tmp2Mot1, tmp1Mot2,
        tmp2Mot2, tmp1Mot3, tmp2Mot3, vist1, vist2, vist3, rdm1, rdm2, rdm3, afun, aud, version;
    int motor0;
    int alg;
    double temperatureBias;
};

// clang-format off
constexpr Slg kSlgs[2] = {
    {sig::SLG1_D09_PDistEarthF, sig::SLG1_D85_MFiltOn, sig::SLG1_D09_BVentLevel1, sig::SLG1_D09_BVentLevel2,
     sig::SLG1_D09_BVentLevel3, sig::SLG1_D04_XPN, sig::SLG1_D87_XUprim, sig::SLG1_D01_XIprim,
     sig::SLG1_D08_XNodeALG, sig::SLG1_D88_XPressureCv, sig::SLG1_D88_XTempOilCv, sig::SLG1_D01_XIBUR,
     sig::SLG1_D88_XTempMotor1, sig::SLG1_D88_XTempMotor2, sig::SLG1_D88_XTempMotor3, sig::SLG1_D88_XTempOilTr,
     sig::SLG1_D88_XPressureTr, sig::SLG1_D01_XAIpr, sig::SLG1_D01_XAIBUR,
     sig::SLG1_D01_MLdSEin, sig::SLG1_D01_MFiltDhcOn, sig::SLG1_D01_MFiltOn, sig::SLG1_D01_MFiltAdpOn,
     sig::SLG1_D01_MHSHalteKr, sig::SLG1_D01_MDruCZK, sig::SLG1_D01_MSRSEin, sig::SLG1_D01_MExtRLgez,
     sig::SLG1_D85_BFiltOn, sig::SLG1_D85_BFiltAdpOn, sig::SLG1_D85_BFiltDhcOn, sig::SLG1_D87_BSRSEin,
     sig::SLG1_D87_BLdSEin, sig::SLG1_D08_BExtRLabtr, sig::SLG1_D86_BGUSpEin, sig::SLG1_D08_BHSHalteKr,
     sig::SLG1_D01_XAIFilts, sig::SLG1_D01_XADruckTR, sig::SLG1_D01_XADruckSR, sig::SLG1_D01_XATmp1OelTR,
     sig::SLG1_D01_XATmp2OelTR, sig::SLG1_D01_XATmp1OelSR, sig::SLG1_D01_XATmp2OelSR, sig::SLG1_D01_XATmp1Mot1,
     sig::SLG1_D01_XATmp2Mot1, sig::SLG1_D01_XATmp1Mot2, sig::SLG1_D01_XATmp2Mot2, sig::SLG1_D01_XATmp1Mot3,
     sig::SLG1_D01_XATmp2Mot3, sig::SLG1_D90_XVist_A1, sig::SLG1_D90_XVist_A2, sig::SLG1_D90_XVist_A3,
     sig::SLG1_D04_XRDM_f1_TC, sig::SLG1_D04_XRDM_f2_TC, sig::SLG1_D04_XRDM_f3_TC, sig::SLG1_D04_NSC1_XAFUN,
     sig::SLG1_D04_NSC1_XAUD, sig::SLG1_00_SWVersionSLG1,
     0, 0xA0A0, 0.0},
    {sig::SLG2_D09_PDistEarthF, sig::SLG2_D85_MFiltOn, sig::SLG2_D09_BVentLevel1, sig::SLG2_D09_BVentLevel2,
     sig::SLG2_D09_BVentLevel3, sig::SLG2_D04_XPN, sig::SLG2_D87_XUprim, sig::SLG2_D01_XIprim,
     sig::SLG2_D08_XNodeALG, sig::SLG2_D88_XPressureCv, sig::SLG2_D88_XTempOilCv, sig::SLG2_D01_XIBUR,
     sig::SLG2_D88_XTempMotor1, sig::SLG2_D88_XTempMotor2, sig::SLG2_D88_XTempMotor3, sig::SLG2_D88_XTempOilTr,
     sig::SLG2_D88_XPressureTr, sig::SLG2_D01_XAIpr, sig::SLG2_D01_XAIBUR,
     sig::SLG2_D01_MLdSEin, sig::SLG2_D01_MFiltDhcOn, sig::SLG2_D01_MFiltOn, sig::SLG2_D01_MFiltAdpOn,
     sig::SLG2_D01_MHSHalteKr, sig::SLG2_D01_MDruCZK, sig::SLG2_D01_MSRSEin, sig::SLG2_D01_MExtRLgez,
     sig::SLG2_D85_BFiltOn, sig::SLG2_D85_BFiltAdpOn, sig::SLG2_D85_BFiltDhcOn, sig::SLG2_D87_BSRSEin,
     sig::SLG2_D87_BLdSEin, sig::SLG2_D08_BExtRLabtr, sig::SLG2_D86_BGUSpEin, sig::SLG2_D08_BHSHalteKr,
     sig::SLG2_D01_XAIFilts, sig::SLG2_D01_XADruckTR, sig::SLG2_D01_XADruckSR, sig::SLG2_D01_XATmp1OelTR,
     sig::SLG2_D01_XATmp2OelTR, sig::SLG2_D01_XATmp1OelSR, sig::SLG2_D01_XATmp2OelSR, sig::SLG2_D01_XATmp1Mot1,
     sig::SLG2_D01_XATmp2Mot1, sig::SLG2_D01_XATmp1Mot2, sig::SLG2_D01_XATmp2Mot2, sig::SLG2_D01_XATmp1Mot3,
     sig::SLG2_D01_XATmp2Mot3, sig::SLG2_D90_XVist_A1, sig::SLG2_D90_XVist_A2, sig::SLG2_D90_XVist_A3,
     sig::SLG2_D04_XRDM_f1_TC, sig::SLG2_D04_XRDM_f2_TC, sig::SLG2_D04_XRDM_f3_TC, sig::SLG2_D04_NSC2_XAFUN,
     sig::SLG2_D04_NSC2_XAUD, sig::SLG2_00_SWVersionSLG2,
     3, 0xB0B0, 1.2},
};
// clang-format on

// Ventilation, input power, primary values, node, pressures, temperatures and
// currents of one traction converter: 3700 / 3800 words 0..14.
void putConverterMeasurements(PortWriter& w, const Slg& g, const VehicleState& s, const Common& c)
{
    w.put(g.earthF, false);
    w.put(g.filtOn85, c.converters);
    w.put(g.vent1, s.ventilation == 1);
    w.put(g.vent2, s.ventilation == 2);
    w.put(g.vent3, s.ventilation == 3);
    w.put(g.xpn, c.perBogieKw);
    w.put(g.uprim, s.uprimKv);
    w.put(g.iprim, c.converterCurrent);
    w.put(g.nodeAlg, g.alg);
    w.put(g.pressCv, c.converterPressure);
    w.put(g.tempOilCv, s.coolantConverterC + g.temperatureBias);
    w.put(g.iBur, c.auxCurrent / 2.0);
    w.put(g.tm1, s.motorC[size_t(g.motor0)]);
    w.put(g.tm2, s.motorC[size_t(g.motor0) + 1]);
    w.put(g.tm3, s.motorC[size_t(g.motor0) + 2]);
    w.put(g.tempOilTr, s.oilTransformerC + g.temperatureBias);
    w.put(g.pressTr, c.transformerPressure);
    w.put(g.aiPr, c.converterCurrent);
    w.put(g.aiBur, c.auxCurrent / 2.0);
}

// Contactors and filter circuits of one traction converter (3700 / 3800 word
// 15). On this converter
// type (the display's SR type 3) LdSEin reports the input contactor and SRSEin
// the pre-charge contactor.
void putConverterContactors(PortWriter& w, const Slg& g, const VehicleState& s, const Common& c)
{
    w.put(g.ldSEin, c.converters);
    w.put(g.filtDhcOn, false);
    w.put(g.filtOn, c.converters);
    w.put(g.filtAdpOn, c.converters);
    w.put(g.hsHalte, s.vcb);
    w.put(g.druCzk, s.vcb);
    w.put(g.srSEin, c.precharging);
    w.put(g.extRLgez, false);
    w.put(g.bFiltOn, c.converters);
    w.put(g.bFiltAdpOn, c.converters);
    w.put(g.bFiltDhcOn, false);
    w.put(g.bSrSEin, c.precharging);
    w.put(g.bLdSEin, c.converters);
    w.put(g.bExtRLabtr, false);
    w.put(g.bGuSpEin, s.vcb);
    w.put(g.bHsHalte, s.vcb);
}

// Analogue inputs of one converter's electronics (in % of the sensor range),
// motor frequencies, cooling, line frequency, DC link and software version:
// 3710 and 3720 / 3810 and 3820.
void putConverterInputs(PortWriter& w, const Slg& g, const VehicleState& s, const Common& c)
{
    w.put(g.aiFilts, c.converters ? 34.0 + 2.0 * wave(s.timeMs, 11.0) : 0.0);
    w.put(g.adruckTr, c.transformerPressure / 2.5 * 100.0);
    w.put(g.adruckSr, c.converterPressure / 4.0 * 100.0);
    w.put(g.tmp1OelTr, (s.oilTransformerC + g.temperatureBias) / 1.5);
    w.put(g.tmp2OelTr, (s.oilTransformerC + g.temperatureBias + 0.8) / 1.5);
    w.put(g.tmp1OelSr, (s.coolantConverterC + g.temperatureBias) / 1.5);
    w.put(g.tmp2OelSr, (s.coolantConverterC + g.temperatureBias + 0.6) / 1.5);
    w.put(g.tmp1Mot1, s.motorC[size_t(g.motor0)] / 1.5);
    w.put(g.tmp2Mot1, (s.motorC[size_t(g.motor0)] + 0.7) / 1.5);
    w.put(g.tmp1Mot2, s.motorC[size_t(g.motor0) + 1] / 1.5);
    w.put(g.tmp2Mot2, (s.motorC[size_t(g.motor0) + 1] + 0.7) / 1.5);
    w.put(g.tmp1Mot3, s.motorC[size_t(g.motor0) + 2] / 1.5);
    w.put(g.tmp2Mot3, (s.motorC[size_t(g.motor0) + 2] + 0.7) / 1.5);
    w.put(g.vist1, c.rotorHz);
    w.put(g.vist2, c.rotorHz * (s.wheelSlip && g.motor0 == 0 ? 1.04 : 1.0));
    w.put(g.vist3, c.rotorHz);
    w.put(g.rdm1, s.coolantConverterC + 4.0 + 12.0 * c.absEffort / 100.0);
    w.put(g.rdm2, s.coolantConverterC + 6.0 + 14.0 * c.absEffort / 100.0);
    w.put(g.rdm3, s.coolantConverterC + 5.0 + 13.0 * c.absEffort / 100.0);
    w.put(g.afun, s.lineHz / 10.0);                  // the display multiplies by 10
    w.put(g.aud, c.converters ? 2800.0 / 4.1 : 0.0); // and the DC link voltage by 4.1
    w.put(g.version, 207);
}

// SLG1 and SLG2, the traction converters of bogie 1 and 2: 3700, 3710, 3720
// (SLG1) and 3800, 3810, 3820 (SLG2).
void putTractionConverters(PortWriter& w, const VehicleState& s, const Common& c)
{
    for (const Slg& g : kSlgs) {
        putConverterMeasurements(w, g, s, c);
        putConverterContactors(w, g, s, c);
        putConverterInputs(w, g, s, c);
    }
}

// ---------------------------------------------------------------- auxiliary converters

// Signals of BUR2 and BUR3, the auxiliary converters at fixed frequency.
struct Bur {
    sig::Id battery, uun, iB, iLg, uz, iz, hz;
    double load;
};

// clang-format off
constexpr Bur kBurs[2] = {
    {sig::BUR2_D73_XU_Battery, sig::BUR2_D73_XUUN, sig::BUR2_D01_XUIB, sig::BUR2_D01_XUILG, sig::BUR2_D73_XUUZ1,
     sig::BUR2_D73_XUIZ1, sig::BUR2_D01_XUFWR, 1.0},
    {sig::BUR3_D73_XU_Battery, sig::BUR3_D73_XUUN, sig::BUR3_D01_XUIB, sig::BUR3_D01_XUILG, sig::BUR3_D73_XUUZ1,
     sig::BUR3_D73_XUIZ1, sig::BUR3_D01_XUFWR, 0.9},
};
// clang-format on

// BUR1..BUR3, the auxiliary converters (BUR1 at the ventilation's variable
// frequency): 3900, 3950, 4000.
void putAuxiliaryConverters(PortWriter& w, const VehicleState& s)
{
    const double busVoltage = s.auxiliaries ? 415.0 : 0.0;
    const double bur1Hz = s.ventilation == 3 ? 50.0 : s.ventilation == 2 ? 41.7 : s.ventilation == 1 ? 33.3 : 0.0;
    w.put(sig::BUR1_D76_MVentLevel1, s.ventilation == 1);
    w.put(sig::BUR1_D76_MVentLevel2, s.ventilation == 2);
    w.put(sig::BUR1_D76_MVentLevel3, s.ventilation == 3);
    w.put(sig::BUR1_D01_M52_4Close, false);
    w.put(sig::BUR1_D01_M52_5Close, false);
    w.put(sig::BUR1_D73_XUUN, busVoltage * bur1Hz / 50.0 / 12.5);
    w.put(sig::BUR1_D73_XUUZ1, s.auxiliaries ? 600.0 : 0.0);
    w.put(sig::BUR1_D73_XUIZ1, s.auxiliaries ? 40.0 + 15.0 * s.ventilation : 0.0);
    w.put(sig::BUR1_D01_XUFWR, bur1Hz);
    w.put(sig::BUR2_D76_MVentLevel1, s.ventilation == 1);
    w.put(sig::BUR2_D76_MVentLevel2, s.ventilation == 2);
    w.put(sig::BUR2_D76_MVentLevel3, s.ventilation == 3);
    w.put(sig::BUR2_D01_M52_1Close, s.auxiliaries);
    w.put(sig::BUR2_D01_M52_2Close, s.auxiliaries);
    w.put(sig::BUR2_D01_M52_4Close, false);
    w.put(sig::BUR2_D01_M100_OK, true);
    w.put(sig::BUR3_D01_M52_3Close, s.auxiliaries);
    w.put(sig::BUR3_D01_M100_OK, true);
    for (const Bur& b : kBurs) {
        w.put(b.battery, s.batteryV);
        w.put(b.uun, busVoltage / 12.5);
        w.put(b.iB, s.auxiliaries ? 12.0 * b.load : 0.0);
        w.put(b.iLg, s.auxiliaries ? 35.0 * b.load : 0.0);
        w.put(b.uz, s.auxiliaries ? 600.0 : 0.0);
        w.put(b.iz, s.auxiliaries ? 55.0 * b.load : 0.0);
        w.put(b.hz, s.auxiliaries ? 50.0 : 0.0);
    }
}

// ---------------------------------------------------------------- cab units

// HBB1, auxiliary cubicle 1 (cab 1 side): 3300.
void putAuxiliaryCubicle1(PortWriter& w, const VehicleState& s, const Common& c)
{
    w.put(sig::HBB1_D04_EFHtlLd, false);
    w.put(sig::HBB1_D04_EFFilterCkt, false);
    w.put(sig::HBB1_D04_EFAUXCkt, false);
    w.put(sig::HBB1_D04_EFContCkt, false);
    w.put(sig::HBB1_D24_LTrvDirFor, c.cab1 && c.forward);
    w.put(sig::HBB1_D24_LTrvDirRev, c.cab1 && c.reverse);
    w.put(sig::HBB1_D32_MVCB_On, s.vcb);
    w.put(sig::HBB1_D24_LTEDemand, c.traction);
    w.put(sig::HBB1_D24_LBEDemand, c.braking);
    w.put(sig::HBB1_D01_MRelMCEOn, true);
    w.put(sig::HBB1_D01_MMRBlowerOk, s.auxiliaries);
    w.put(sig::HBB1_D01_LMaxTELimit, s.powerReduced);
    w.put(sig::HBB1_D01_LTrvDirFor, c.cab1 && c.forward);
    w.put(sig::HBB1_D01_LTrvDirRev, c.cab1 && c.reverse);
    w.put(sig::HBB1_D01_LTEDemand, c.cab1 && c.traction);
    w.put(sig::HBB1_D01_LBEDemand, c.cab1 && c.braking);
    w.put(sig::HBB1_D01_LT_BDemG1_3, c.cab1 && c.absEffort > 33.0);
    w.put(sig::HBB1_D01_LT_BDemG2_3, c.cab1 && c.absEffort > 66.0);
    w.put(sig::HBB1_D01_MAuxConVCB, s.vcb);
    w.put(sig::HBB1_D01_LVCBOn, s.vcb);
    w.put(sig::HBB1_D01_BDetCoCo, true); // six traction motors
    w.put(sig::HBB1_D02_MLampFInd, c.faultLamp);
    w.put(sig::HBB1_D02_MLampFault, c.priority1);
    w.put(sig::HBB1_D02_BSelfMCE, false);
    w.put(sig::HBB1_D02_BContCP1, s.compressors);
    w.put(sig::HBB1_D02_BVCBOnPulse, s.vcb && s.vcbClosedMs < 500);
    w.put(sig::HBB1_D02_BContSelfH, false);
    w.put(sig::HBB1_D02_BVCBOn, s.vcb);
    w.put(sig::HBB1_00_SWVersionBUR2, 421);
}

// HBB2, auxiliary cubicle 2 (cab 2 side, brakes and pantographs): 3400.
void putAuxiliaryCubicle2(PortWriter& w, const VehicleState& s, const Common& c)
{
    w.put(sig::HBB2_D24_LTrvDirFor, !c.cab1 && c.forward);
    w.put(sig::HBB2_D24_LTrvDirRev, !c.cab1 && c.reverse);
    w.put(sig::HBB2_D31_LPanUpWish, c.panUpWish);
    w.put(sig::HBB2_D31_LPanDnWish, false);
    w.put(sig::HBB2_D63_MPrSw75, s.mainReservoir >= 7.5);
    w.put(sig::HBB2_D44_MParkBkApp, s.parkingBrake);
    w.put(sig::HBB2_D01_MPrSwEmgBk, false);
    w.put(sig::HBB2_D01_MMCBCompr2, false);
    w.put(sig::HBB2_D24_LTEDemand, c.traction);
    w.put(sig::HBB2_D24_LBEDemand, c.braking);
    w.put(sig::HBB2_D01_MMRBlowerOk, s.auxiliaries);
    w.put(sig::HBB2_D01_LTrvDirFor, !c.cab1 && c.forward);
    w.put(sig::HBB2_D01_LTrvDirRev, !c.cab1 && c.reverse);
    w.put(sig::HBB2_D01_LTEDemand, !c.cab1 && c.traction);
    w.put(sig::HBB2_D01_LBEDemand, !c.cab1 && c.braking);
    w.put(sig::HBB2_D01_MPrSwPan1, c.panUp || (s.phase == Phase::PanRaising && s.phaseMs >= 1000));
    w.put(sig::HBB2_D01_MPrSwPan2, false);
    w.put(sig::HBB2_D01_MPrSwParkBk, s.parkingBrake);
    w.put(sig::HBB2_D01_MBrakElecOK, true);
    w.put(sig::HBB2_D01_LCockBkCon, true);
    w.put(sig::HBB2_D01_MPrSwLocoBk, s.locoBrake);
    w.put(sig::HBB2_D01_LPanUp, c.panUp);
    w.put(sig::HBB2_D01_MPrSw75bar, s.mainReservoir >= 7.5);
    w.put(sig::HBB2_D01_MPrSwBkCyl2, s.locoBrake);
    w.put(sig::HBB2_D01_MPrSwLowMR, c.lowMr);
    w.put(sig::HBB2_D01_MPrSw8bar, s.mainReservoir >= 8.0);
    w.put(sig::HBB2_D02_MLampFInd, c.faultLamp);
    w.put(sig::HBB2_D02_MLampFault, c.priority1);
    w.put(sig::HBB2_D02_BEPAutBkOut, c.autoBrake);
    w.put(sig::HBB2_D02_BEPAntSpin2, s.wheelSlip);
    w.put(sig::HBB2_D02_BVigControl, s.speedKmh > 0.0);
    w.put(sig::HBB2_D02_BEPRelPBk, !s.parkingBrake);
    w.put(sig::HBB2_D02_BEPPan1, c.panUpWish);
    w.put(sig::HBB2_D02_BEPSand13, s.wheelSlip);
    w.put(sig::HBB2_D02_BEPSand24, s.wheelSlip);
    w.put(sig::HBB2_D02_BContCompr2, s.compressors);
    w.put(sig::HBB2_D02_BEPApplyPBk, s.parkingBrake);
    w.put(sig::HBB2_D02_BEPLBkOut, s.locoBrake);
    w.put(sig::HBB2_00_SWVersionBUR2, 421);
}

// STB1, cab 1 processor: 3500.
void putCabProcessor1(PortWriter& w, const VehicleState& s, const Common& c)
{
    w.put(sig::STB1_D09_MIPrimHigh, false);
    w.put(sig::STB1_D24_LTrvDirFor, c.cab1 && c.forward);
    w.put(sig::STB1_D24_LTrvDirRev, c.cab1 && c.reverse);
    w.put(sig::STB1_D32_MVCB_On, s.vcb);
    w.put(sig::STB1_D01_MMCBCompr1, false);
    w.put(sig::STB1_D01_LParkBrake, c.cab1 && s.parkingBrake);
    w.put(sig::STB1_D01_LActKSwD, c.cab1);
    w.put(sig::STB1_D01_LActKSwC, c.cab1);
    w.put(sig::STB1_D01_LConstSpeed, c.cab1 && s.constantSpeed);
    w.put(sig::STB1_D01_LFootSwSand, c.cab1 && s.wheelSlip);
    w.put(sig::STB1_D01_LTrvDirFor, c.cab1 && c.forward);
    w.put(sig::STB1_D01_LTrvDirRev, c.cab1 && c.reverse);
    w.put(sig::STB1_D01_MRelMCEOn, true);
    w.put(sig::STB1_D01_LVCBOn, s.vcb);
    w.put(sig::STB1_D01_MAuxConVCB, s.vcb);
    w.put(sig::STB1_D01_BDetCoCo, true);
    w.put(sig::STB1_D02_MLampWSlip, s.wheelSlip);
    w.put(sig::STB1_D02_MLampCSpeed, s.constantSpeed);
    w.put(sig::STB1_D02_MLampParkBk, s.parkingBrake);
    w.put(sig::STB1_D02_BAirDryer, s.compressors);
    w.put(sig::STB1_D02_BEPAntSpin1, s.wheelSlip);
    w.put(sig::STB1_D02_BVCBOn, s.vcb);
    w.put(sig::STB1_D02_BVCBOnPulse, s.vcb && s.vcbClosedMs < 500);
    w.put(sig::STB1_D02_BContCompr1, s.compressors);
    w.put(sig::STB1_00_SWVersionBUR3, 421);
}

// STB2, cab 2 processor (cab 2 desk, vigilance, speed supervision): 3600.
void putCabProcessor2(PortWriter& w, const VehicleState& s, const Common& c)
{
    w.put(sig::STB2_D04_EFAUXCkt, false);
    w.put(sig::STB2_D24_LTrvDirFor, !c.cab1 && c.forward);
    w.put(sig::STB2_D24_LTrvDirRev, !c.cab1 && c.reverse);
    w.put(sig::STB2_D31_LPanUpWish, c.panUpWish);
    w.put(sig::STB2_D44_MParkBkApp, s.parkingBrake);
    w.put(sig::STB2_D01_LParkBrake, !c.cab1 && s.parkingBrake);
    w.put(sig::STB2_D01_LActKSwD, !c.cab1);
    w.put(sig::STB2_D01_LActKSwC, !c.cab1);
    w.put(sig::STB2_D01_LConstSpeed, !c.cab1 && s.constantSpeed);
    w.put(sig::STB2_D01_LTrvDirFor, !c.cab1 && c.forward);
    w.put(sig::STB2_D01_LTrvDirRev, !c.cab1 && c.reverse);
    w.put(sig::STB2_D01_MSpeed105, s.speedKmh > 105.0);
    w.put(sig::STB2_D01_MSpeed110, s.speedKmh > 110.0);
    w.put(sig::STB2_D01_MSpeedAlarm, s.speedKmh > 105.0);
    w.put(sig::STB2_D01_LPanUp, c.panUp);
    w.put(sig::STB2_D01_MPrSwBkCyl1, s.locoBrake);
    w.put(sig::STB2_D01_MPrSwParkBk, s.parkingBrake);
    w.put(sig::STB2_D01_MVigWarn, s.vigilanceWarning);
    w.put(sig::STB2_D02_MLampWSlip, s.wheelSlip);
    w.put(sig::STB2_D02_MLampCSpeed, s.constantSpeed);
    w.put(sig::STB2_D02_MLampParkBk, s.parkingBrake);
    w.put(sig::STB2_D02_BContCompr2, s.compressors);
    w.put(sig::STB2_D02_BEPLBkOut, s.locoBrake);
    w.put(sig::STB2_D02_BEPPan2, false);
    w.put(sig::STB2_00_SWVersionBUR3, 421);
}

// ---------------------------------------------------------------- diagnosis, states, identity

// The diagnosis processors of both cabs: message number (3550 w0 in cab 1,
// 3650 w0 in cab 2), inching screen and set speed (1302, 1800 words 1..2).
void putDiagnosis(PortWriter& w, const VehicleState& s, const Common& c)
{
    w.putWord(kDdaPort[0], 0, c.cab1 ? s.message : 0);
    w.putWord(kDdaPort[1], 0, c.cab1 ? 0 : s.message);
    w.put(sig::DDA1_97_InchScreenAct, c.cab1 && s.inchingActive);
    w.put(sig::DDA1_97_WSetSpeedInch, s.inchingSetKmh);
    w.put(sig::DDA2_97_InchScreenAct, !c.cab1 && s.inchingActive);
    w.put(sig::DDA2_97_WSetSpeedInch, s.inchingSetKmh);
}

// Simulation switches (1035 w0, 1535 w0), HBB1's copy of the six-motor
// detection (1535 w4), sub-system switch-off states (1310 w2) and the status
// words of FLG1 and FLG2 (1010 and 1510 words 3..4).
void putSubSystemStates(PortWriter& w, const VehicleState& s, const Common& c)
{
    w.put(sig::FLG1_18_BSimulation, false);
    w.put(sig::FLG2_18_BSimulation, false);
    w.put(sig::HBB1_D01_BDetCoCoR, true);
    // Sub-system switch-off states: all in service (0) but SS05, the hotel
    // load converter, which a freight loco does not have (4: isolated).
    w.put(sig::FLG1_D54_BSubS05_Off, 4);
    const bool inaugurating = s.message == 93;
    const bool panRaising = s.phase == Phase::PanRaising;
    w.put(sig::FLG1_06_M590_Thr_0, c.throttleZero);
    w.put(sig::FLG2_06_M590_Thr_0, c.throttleZero);
    w.put(sig::FLG1_06_MTbInaugAct, inaugurating);
    w.put(sig::FLG2_06_MTbInaugAct, inaugurating);
    w.put(sig::FLG1_06_MPanRaising, panRaising);
    w.put(sig::FLG2_06_MPanRaising, panRaising);
    w.put(sig::FLG1_06_MPowerReduc, s.powerReduced);
    w.put(sig::FLG2_06_MPowerReduc, s.powerReduced);
}

// Software versions of the control processors (1070 w3, 1570 w3, 1195 w2,
// 1695 w4, 1295 w2, 1795 w2) and their bus nodes (1020 w15, 1520 w15).
void putVersionsAndNodes(PortWriter& w)
{
    w.put(sig::FLG1_00_SWVersionFLG1, 312);
    w.put(sig::FLG2_00_SWVersionFLG2, 312);
    w.put(sig::STB1_00_SWVersionSTB1, 105);
    w.put(sig::STB2_00_SWVersionSTB2, 105);
    w.put(sig::HBB1_00_SWVersionHBB1, 110);
    w.put(sig::HBB2_00_SWVersionHBB2, 110);
    w.put(sig::FLG1_13_XNodeMSC, 504);
    w.put(sig::FLG2_13_XNodeMSC, 502);
}

// Life signs, each processor counting from its own offset (1000 w1, 1500 w1,
// 1100 w0, 1600 w0, 1200 w0, 1700 w0), and FLG1's mastership request (1000 w2).
void putLifeSigns(PortWriter& w, const VehicleState& s)
{
    const quint16 life = s.lifeSign;
    w.put(sig::FLG1_10_XMVBLifeSig, life);
    w.put(sig::FLG1_54_MFLG1MastRq, 1);
    w.put(sig::FLG2_10_XMVBLifeSig, quint16(life + 17));
    w.put(sig::STB1_05_XMVBLifeSig, quint16(life + 101));
    w.put(sig::STB2_05_XMVBLifeSig, quint16(life + 203));
    w.put(sig::HBB1_05_XMVBLifeSig, quint16(life + 307));
    w.put(sig::HBB2_05_XMVBLifeSig, quint16(life + 409));
}

// The second loco in multiple operation: 2510 w4 (mode, its direction), w5
// (its number; w6/w7, its sub-systems, stay 0: all in service), 2610 w6 (its
// node), w7 (its message).
void putSecondLoco(PortWriter& w, const VehicleState& s, const Common& c)
{
    w.put(sig::multiOpMode_slave1_active, s.multipleOperation);
    if (!s.multipleOperation)
        return;
    w.put(sig::FLG1_D00_MLocoNum2, VehicleModel::kLoco2Number);
    w.putWord(2510, 4, quint16(w.words(2510)[4] | (c.forward ? 0x0200 : 0) | (c.reverse ? 0x0400 : 0)));
    w.putWord(2610, 6, 514);
    w.putWord(2610, 7, s.loco2Message);
}

// ---------------------------------------------------------------- remote I/O

// Inputs of a cab desk's remote I/O (RIOM1 2510, RIOM2 2520): keys, buttons,
// the throttle and the automatic brake handle.
void putDeskInputs(QVector<quint16>& in, const VehicleState& s, const Common& c, bool active)
{
    busOrder(in, 0, active);                                                     // cab activation key
    busOrder(in, 1, active && c.forward);                                        // reverser forward
    busOrder(in, 2, active && c.reverse);                                        // reverser reverse
    busOrder(in, 3, active && s.phase == Phase::PanRaising && s.phaseMs < 1000); // pan up button
    // pan down button
    busOrder(in, 4, active && s.phase == Phase::Shutdown && s.phaseMs >= 1000 && s.phaseMs < 2000);
    busOrder(in, 5, active && s.vcb && s.vcbClosedMs < 1000);                   // VCB on button
    busOrder(in, 6, active && s.phase == Phase::Shutdown && s.phaseMs < 1000);  // VCB off button
    busOrder(in, 7, active && c.traction);                                      // throttle in traction
    busOrder(in, 8, active && c.braking);                                       // throttle in braking
    busOrder(in, 9, active && s.wheelSlip);                                     // sanding foot switch
    busOrder(in, 11, active && s.speedKmh > 0.0 && !s.vigilanceWarning);        // vigilance pedal
    busOrder(in, 12, active && s.direction != 0);                               // headlight
    busOrder(in, 14, active && s.phase == Phase::Traction && s.phaseMs < 2000); // horn
    for (int e = 16; e < 24; ++e)
        busOrder(in, e, true);                                   // desk MCBs closed
    in[2] = scaledWord(active ? s.throttle : 0.0, 100.0);        // throttle angle, %
    in[3] = scaledWord(active ? c.pneumaticDemand : 0.0, 100.0); // automatic brake handle, %
}

// Outputs of a cab desk's remote I/O (RIOM1 2610, RIOM2 2620): lamps and meters.
void putDeskOutputs(QVector<quint16>& out, const VehicleState& s, const Common& c, bool active)
{
    busOrder(out, 0, active && s.constantSpeed);            // BPCS lamp
    busOrder(out, 1, active && s.wheelSlip);                // LSP lamp
    busOrder(out, 2, active && s.vigilanceWarning);         // LSVW lamp
    busOrder(out, 3, active && !s.vcb);                     // LSDJ lamp
    busOrder(out, 4, active && s.parkingBrake);             // BPPB lamp
    busOrder(out, 5, active && c.priority1);                // LSFI lamp
    busOrder(out, 6, active && c.faultLamp);                // BPFA lamp
    busOrder(out, 8, true);                                 // speed indicator supply
    out[1] = scaledWord(s.speedKmh / 160.0 * 100.0, 100.0); // speed indicator, %
    out[2] = scaledWord(active ? c.bogie1 : 0.0, 100.0);    // TE/BE meter bogie 1, %
    out[3] = scaledWord(active ? c.absEffort : 0.0, 100.0); // TE/BE meter bogie 2, %
    out[4] = scaledWord(s.uprimKv / 30.0 * 100.0, 100.0);   // catenary voltmeter, %
}

// A brake unit's remote I/O (BRIO1 2500/2501, BRIO2 2502/2503): pressure
// switches and one pressure in, valves out.
void putBrakeUnit(PortWriter& w, const VehicleState& s, const Common& c, quint16 inPort, quint16 outPort, int unit)
{
    QVector<quint16>& in = w.words(inPort);
    msbFirst(in, 0, s.brakePipe >= 4.8);       // brake pipe charged
    msbFirst(in, 1, !c.lowMr);                 // main reservoir above 6.4
    msbFirst(in, 2, s.locoBrake);              // brake cylinder applied
    msbFirst(in, 3, s.parkingBrake);           // parking brake applied
    msbFirst(in, 5, s.compressors);            // compressor running
    msbFirst(in, 7, s.compressors);            // air dryer
    msbFirst(in, 8, c.panUpWish && unit == 1); // pan pressure switch
    msbFirst(in, 10, true);                    // sand box filled
    for (int e = 16; e < 19; ++e)
        msbFirst(in, e, true); // brake unit MCBs closed
    in[5] = scaledWord(unit == 1 ? s.brakePipe * 10.0 : s.mainReservoir * 10.0, 100.0);
    QVector<quint16>& out = w.words(outPort);
    msbFirst(out, 0, c.autoBrake);                                                  // brake application valve
    msbFirst(out, 1, s.phase == Phase::Stopped && s.brakePipe < kChargedBrakePipe); // release valve
    msbFirst(out, 2, s.compressors);                                                // compressor contactor
    msbFirst(out, 3, c.panUpWish && unit == 1);                                     // pan valve
    msbFirst(out, 4, s.wheelSlip);                                                  // sanding
    msbFirst(out, 5, s.wheelSlip && unit == 1);                                     // anti-spin brake
    if (unit == 2)
        out[2] = scaledWord(c.pneumaticDemand, 100.0); // pneumatic brake demand, %
}

// The remote I/O: the cab desks RIOM1 (2510 in, 2610 out) and RIOM2 (2520,
// 2620), the brake units BRIO1 (2500, 2501) and BRIO2 (2502, 2503).
void putRemoteIo(PortWriter& w, const VehicleState& s, const Common& c)
{
    putDeskInputs(w.words(2510), s, c, c.cab1);
    putDeskOutputs(w.words(2610), s, c, c.cab1);
    putDeskInputs(w.words(2520), s, c, !c.cab1);
    putDeskOutputs(w.words(2620), s, c, !c.cab1);
    putBrakeUnit(w, s, c, 2500, 2501, 1);
    putBrakeUnit(w, s, c, 2502, 2503, 2);
}

// The DDS window (2650) and the output ports of both cabs' display units
// (3015, 3201), each showing its home screen.
void putDdsAndDisplayUnits(PortFrame& f, const DdsLog& dds)
{
    f[DdsLog::kPort] = dds.portWords();
    f[VehicleModel::kOutputPortCab1] = {0, 1, 0, 0};
    f[VehicleModel::kOutputPortCab2] = {0, 1, 0, 0};
}

} // namespace

QVector<quint16> vehiclePorts()
{
    QVector<quint16> ports;
    for (const PortSpec& p : cyclePorts())
        ports << p.port;
    for (const ExtraPort& e : kExtraPorts)
        ports << e.port;
    return ports;
}

PortFrame buildVehiclePorts(const VehicleState& s, const DdsLog& dds)
{
    PortFrame f;
    for (const PortSpec& p : cyclePorts())
        f[p.port] = QVector<quint16>(p.sizeWords(), 0);
    for (const ExtraPort& e : kExtraPorts)
        f[e.port] = QVector<quint16>(e.words, 0);

    PortWriter w(f);
    const Common c = commonValues(s);
    putVehicleControl(w, s, c);
    putMotorsInService(w, s, c);
    putTractionConverters(w, s, c);
    putAuxiliaryConverters(w, s);
    putAuxiliaryCubicle1(w, s, c);
    putAuxiliaryCubicle2(w, s, c);
    putCabProcessor1(w, s, c);
    putCabProcessor2(w, s, c);
    putDiagnosis(w, s, c);
    putSubSystemStates(w, s, c);
    putVersionsAndNodes(w);
    putLifeSigns(w, s);
    putSecondLoco(w, s, c);
    putRemoteIo(w, s, c);
    putDdsAndDisplayUnits(f, dds);
    return f;
}

} // namespace sim
