// Decoding pass. The rules run in a fixed order; a few of them read values
// written by an earlier rule of the same pass (the active cab, the sub-system
// image) or kept from the previous pass (temp_emergency, the life signs, the
// energy references).
//
// Texts derived from one port follow one convention throughout: "????" while
// that port is stale, so a stale value is never shown as if it were current.

#include "acquisition/mvbvaria.h"

#include <QCoreApplication>

#include <climits>
#include <cmath>

namespace {

const QString kUnknown = QStringLiteral("????");

QString tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

QString fixed(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
}

QString onOff(bool on)
{
    return on ? tr("ON") : tr("OFF");
}

// "OFF" when the breaker of a consumer has tripped (its signal is 1).
QString mcbState(bool tripped)
{
    return tripped ? tr("OFF") : tr("ON");
}

QString appliedReleased(bool applied)
{
    return applied ? tr("Applied") : tr("Released");
}

// Float to int the way a C cast does for the values that occur, but defined
// for every input: out-of-range values saturate, NaN gives 0.
int toInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

QString versionText(int v)
{
    return QString::number(v).rightJustified(4, QLatin1Char('0'));
}

QString energyPart(float v)
{
    return QString::number(static_cast<double>(v), 'g', 6).rightJustified(3, QLatin1Char('0'));
}

template <size_t N> void fillInts(int (&a)[N], int v)
{
    for (auto& x : a)
        x = v;
}

template <size_t N> void fillTexts(QString (&a)[N], const QString& v)
{
    for (auto& x : a)
        x = v;
}

// Processor I/O slot images: element of an image <- a flag of the port map
// (inverted where the processor reports the opposite sense). Elements not
// listed keep their values.
using SlotImage = int (DerivedValues::*)[16];
using Flag = char RawSignals::*;

struct SlotBit {
    SlotImage image;
    int element;
    Flag signal;
    bool inverted;
};

struct ProcessorSlots {
    unsigned short PortFreshness::*freshness;
    SlotImage images[4];  // all 2 while the processor's port is stale
    SlotImage cabOneOnly; // all 0 unless cab 1 is active (nullptr: none)
    const SlotBit* bits;
    int bitCount;
};

// clang-format off
const SlotBit kHBB1Slots[] = {
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 1, &RawSignals::HBB1_D01_MRelMCEOn, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 2, &RawSignals::HBB1_D01_LEmgStop, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 3, &RawSignals::HBB1_D01_MMRBlowerOk, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 4, &RawSignals::HBB1_D01_LMaxTELimit, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 5, &RawSignals::HBB1_D01_LSwBankOp, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 6, &RawSignals::HBB1_D01_LSwComprOff, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 7, &RawSignals::HBB1_D01_LSwComprDir, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 8, &RawSignals::HBB1_D01_LFootSwLoBk, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 9, &RawSignals::HBB1_D01_LTrvDirFor, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 10, &RawSignals::HBB1_D01_LTrvDirRev, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 11, &RawSignals::HBB1_D01_LTEDemand, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 12, &RawSignals::HBB1_D01_LBEDemand, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 13, &RawSignals::HBB1_D01_LT_BDemG1_3, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 14, &RawSignals::HBB1_D01_LT_BDemG2_3, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, 15, &RawSignals::HBB1_D01_LPBFaultAck, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Output, 0, &RawSignals::HBB1_D02_MLampFInd, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Output, 1, &RawSignals::HBB1_D02_MLampFault, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Output, 7, &RawSignals::HBB1_D02_BBuzzBlack, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Output, 11, &RawSignals::HBB1_D02_BSelfMCE, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Output, 13, &RawSignals::HBB1_D02_BContCP1, false},
    {&DerivedValues::MVB_DDU_HBB1_Oslot_Output, 15, &RawSignals::HBB1_D02_BBuzzRed, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 0, &RawSignals::HBB1_D01_MFuseAux, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 1, &RawSignals::HBB1_D01_MMCBBloCT1, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 2, &RawSignals::HBB1_D01_MMCBBloMR1, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 3, &RawSignals::HBB1_D01_MMCBMScBlo1, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 4, &RawSignals::HBB1_D01_MMCBPumpC1, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 5, &RawSignals::HBB1_D01_MMCBPumpT1, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 6, &RawSignals::HBB1_D01_MMCBBloTM1, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 7, &RawSignals::HBB1_D01_MMCBTScBlo1, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 8, &RawSignals::HBB1_D01_MEFR415_110, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 9, &RawSignals::HBB1_D01_MEFRHotel, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 10, &RawSignals::HBB1_D01_MAuxConVCB, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 11, &RawSignals::HBB1_D01_LVCBOn, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 12, &RawSignals::HBB1_D01_MEFRFilter, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 13, &RawSignals::HBB1_D01_MEFRContrl, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 14, &RawSignals::HBB1_D01_BDetCoCo, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Input, 15, &RawSignals::HBB1_D01_MBEFModel, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Output, 7, &RawSignals::HBB1_D02_BVCBOnPulse, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Output, 12, &RawSignals::HBB1_D02_BContSelfH, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Output, 13, &RawSignals::HBB1_D02_BVCBOn, false},
    {&DerivedValues::MVB_DDU_HBB1_Qslot_Output, 14, &RawSignals::HBB1_D02_BVCBDisable, false},
};

const SlotBit kHBB2Slots[] = {
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 0, &RawSignals::HBB2_D01_MMCBCompr2, true},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 2, &RawSignals::HBB2_D01_LEmgStop, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 3, &RawSignals::HBB2_D01_MMRBlowerOk, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 4, &RawSignals::HBB2_D01_LMaxTELimit, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 5, &RawSignals::HBB2_D01_LSwBankOp, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 6, &RawSignals::HBB2_D01_LSwComprOff, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 7, &RawSignals::HBB2_D01_LSwComprDir, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 8, &RawSignals::HBB2_D01_LFootSwLoBk, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 9, &RawSignals::HBB2_D01_LTrvDirFor, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 10, &RawSignals::HBB2_D01_LTrvDirRev, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 11, &RawSignals::HBB2_D01_LTEDemand, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 12, &RawSignals::HBB2_D01_LBEDemand, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 13, &RawSignals::HBB2_D01_LT_BDemG1_3, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 14, &RawSignals::HBB2_D01_LT_BDemG2_3, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, 15, &RawSignals::HBB2_D01_LPBFaultAck, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 0, &RawSignals::HBB2_D02_MLampFInd, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 1, &RawSignals::HBB2_D02_MLampFault, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 3, &RawSignals::HBB2_D02_BEPAutBkOut, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 6, &RawSignals::HBB2_D02_BResVigPeBk, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 7, &RawSignals::HBB2_D02_BBuzzBlack, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 11, &RawSignals::HBB2_D02_BEPAntSpin2, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 12, &RawSignals::HBB2_D02_BVigReset, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 13, &RawSignals::HBB2_D02_BVigControl, false},
    {&DerivedValues::MVB_DDU_HBB2_Oslot_Output, 15, &RawSignals::HBB2_D02_BBuzzRed, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 0, &RawSignals::HBB2_D01_MPrSwPan1, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 1, &RawSignals::HBB2_D01_MPrSwPan2, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 2, &RawSignals::HBB2_D01_MPrSwParkBk, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 3, &RawSignals::HBB2_D01_MBrakElecOK, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 4, &RawSignals::HBB2_D01_LCockBkCon, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 5, &RawSignals::HBB2_D01_LEmgBkOut, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 6, &RawSignals::HBB2_D01_MPrSwLocoBk, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 7, &RawSignals::HBB2_D01_MPrSwAFlow, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 8, &RawSignals::HBB2_D01_MPrSwEmgBk, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 9, &RawSignals::HBB2_D01_LPanUp, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 10, &RawSignals::HBB2_D01_MPrSw75bar, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 11, &RawSignals::HBB2_D01_MFireAlarm, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 12, &RawSignals::HBB2_D01_MPrSwBkCyl2, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 13, &RawSignals::HBB2_D01_MPrSwLowMR, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 14, &RawSignals::HBB2_D01_MPrSw8bar, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Input, 15, &RawSignals::HBB2_D01_MPrSwBkFP, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 5, &RawSignals::HBB2_D02_BEPRelPBk, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 7, &RawSignals::HBB2_D02_BEPCPUnload, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 8, &RawSignals::HBB2_D02_BEPSand13, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 9, &RawSignals::HBB2_D02_BEPPan1, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 10, &RawSignals::HBB2_D02_BEPSand24, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 11, &RawSignals::HBB2_D02_BContCompr2, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 13, &RawSignals::HBB2_D02_BPanDisable, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 14, &RawSignals::HBB2_D02_BEPApplyPBk, false},
    {&DerivedValues::MVB_DDU_HBB2_Qslot_Output, 15, &RawSignals::HBB2_D02_BEPLBkOut, false},
};

const SlotBit kSTB1Slots[] = {
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 0, &RawSignals::STB1_D01_MMCBCompr1, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 1, &RawSignals::STB1_D01_LParkBrake, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 3, &RawSignals::STB1_D01_LHotelOn, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 4, &RawSignals::STB1_D01_LActKSwD, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 5, &RawSignals::STB1_D01_LActKSwC, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 6, &RawSignals::STB1_D01_LConstSpeed, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 7, &RawSignals::STB1_D01_LHotelOff, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 8, &RawSignals::STB1_D01_LFootSwSand, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 9, &RawSignals::STB1_D24_LTrvDirFor, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Input, 10, &RawSignals::STB1_D24_LTrvDirRev, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 0, &RawSignals::STB1_D02_MLampWSlip, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 1, &RawSignals::STB1_D02_MLampCSpeed, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 5, &RawSignals::STB1_D02_MLampParkBk, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 9, &RawSignals::STB1_D02_MLampHotel, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 11, &RawSignals::STB1_D02_BAirDryer, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 12, &RawSignals::STB1_D02_BEPAntSpin1, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 13, &RawSignals::STB1_D02_BContHotel, false},
    {&DerivedValues::MVB_DDU_STB1_Jslot_Output, 14, &RawSignals::STB1_D02_MLampTPart, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 0, &RawSignals::STB1_D01_MReTempCEL, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 1, &RawSignals::STB1_D01_LSwBogOut1, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 2, &RawSignals::STB1_D01_LSwBogOut2, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 3, &RawSignals::STB1_D01_LSwConfig, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 4, &RawSignals::STB1_D01_LSwFailMode, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 5, &RawSignals::STB1_D01_MRelMCEOn, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 9, &RawSignals::STB1_D01_LVCBOn, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 10, &RawSignals::STB1_D01_LSwKSim, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 11, &RawSignals::STB1_D01_MContHotel, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 12, &RawSignals::STB1_D01_MAuxConVCB, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 13, &RawSignals::STB1_D01_BDetCoCo, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Input, 14, &RawSignals::STB1_D01_MIPrimHigh, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 0, &RawSignals::STB1_D02_BRelMCEOff, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 5, &RawSignals::STB1_D02_BSelfMCE, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 7, &RawSignals::STB1_D02_MLampConfig, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 8, &RawSignals::STB1_D02_BLampTest, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 9, &RawSignals::STB1_D02_BVCBOn, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 10, &RawSignals::STB1_D02_BVCBOnPulse, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 13, &RawSignals::STB1_D02_BContCompr1, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 14, &RawSignals::STB1_D02_BVCBDisable, false},
    {&DerivedValues::MVB_DDU_STB1_Lslot_Output, 15, &RawSignals::STB1_D02_BContSelfH, false},
};

const SlotBit kSTB2Slots[] = {
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 1, &RawSignals::STB2_D01_LParkBrake, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 3, &RawSignals::STB2_D01_LHotelOn, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 4, &RawSignals::STB2_D01_LActKSwD, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 5, &RawSignals::STB2_D01_LActKSwC, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 6, &RawSignals::STB2_D01_LConstSpeed, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 7, &RawSignals::STB2_D01_LHotelOff, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 8, &RawSignals::STB2_D01_LFootSwSand, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 9, &RawSignals::STB2_D01_LTrvDirFor, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 10, &RawSignals::STB2_D01_LTrvDirRev, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 12, &RawSignals::STB2_D01_MSpeed105, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 13, &RawSignals::STB2_D01_MSpeed110, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Input, 15, &RawSignals::STB2_D01_MSpeedAlarm, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 0, &RawSignals::STB2_D02_MLampWSlip, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 1, &RawSignals::STB2_D02_MLampCSpeed, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 5, &RawSignals::STB2_D02_MLampParkBk, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 6, &RawSignals::STB2_D02_BLampTest, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 9, &RawSignals::STB2_D02_MLampHotel, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 12, &RawSignals::STB2_D02_BContCompr2, true},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 13, &RawSignals::STB2_D02_BPanDisable, false},
    {&DerivedValues::MVB_DDU_STB2_Jslot_Output, 14, &RawSignals::STB2_D02_MLampTPart, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 0, &RawSignals::STB2_D01_MMCBBloCT2, true},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 1, &RawSignals::STB2_D01_MMCBBloMR2, true},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 2, &RawSignals::STB2_D01_MMCBMScBlo2, true},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 3, &RawSignals::STB2_D01_MMCBPumpC2, true},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 4, &RawSignals::STB2_D01_MMCBPumpT2, true},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 5, &RawSignals::STB2_D01_MMCBBloTM2, true},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 6, &RawSignals::STB2_D01_MMCBTScBlo2, true},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 7, &RawSignals::STB2_D01_MEFRBUR, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 8, &RawSignals::STB2_D01_LPanUp, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 9, &RawSignals::STB2_D01_MPrSwBkCyl1, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 10, &RawSignals::STB2_D01_MSmogWarn, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 11, &RawSignals::STB2_D01_MFailFireEq, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 12, &RawSignals::STB2_D01_MPrSwEmgBk, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 13, &RawSignals::STB2_D01_MPrSwParkBk, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 14, &RawSignals::STB2_D01_MVigWarn, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Input, 15, &RawSignals::STB2_D01_MEmgBkVig, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Output, 11, &RawSignals::STB2_D02_BEPLBkOut, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Output, 12, &RawSignals::STB2_D02_BEPCPUnload, false},
    {&DerivedValues::MVB_DDU_STB2_Lslot_Output, 13, &RawSignals::STB2_D02_BEPPan2, false},
};

const SlotBit kSLG1Slots[] = {
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 8, &RawSignals::SLG1_D01_MLdSEin, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 9, &RawSignals::SLG1_D01_MFiltDhcOn, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 10, &RawSignals::SLG1_D01_MFiltOn, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 11, &RawSignals::SLG1_D01_MFiltAdpOn, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 12, &RawSignals::SLG1_D01_MHSHalteKr, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 13, &RawSignals::SLG1_D01_MDruCZK, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 14, &RawSignals::SLG1_D01_MSRSEin, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Input, 15, &RawSignals::SLG1_D01_MExtRLgez, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 0, &RawSignals::SLG1_D85_MFiltOn, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 1, &RawSignals::SLG1_D01_MFiltAdpOn, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 2, &RawSignals::SLG1_D01_MFiltDhcOn, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 3, &RawSignals::SLG1_D87_BSRSEin, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 4, &RawSignals::SLG1_D87_BLdSEin, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 5, &RawSignals::SLG1_D08_BExtRLabtr, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 6, &RawSignals::SLG1_D86_BGUSpEin, false},
    {&DerivedValues::MVB_DDU_SLG1_Wslot_Output, 7, &RawSignals::SLG1_D08_BHSHalteKr, false},
};

const SlotBit kSLG2Slots[] = {
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 8, &RawSignals::SLG2_D01_MLdSEin, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 9, &RawSignals::SLG2_D01_MFiltDhcOn, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 10, &RawSignals::SLG2_D01_MFiltOn, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 11, &RawSignals::SLG2_D01_MFiltAdpOn, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 12, &RawSignals::SLG2_D01_MHSHalteKr, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 13, &RawSignals::SLG2_D01_MDruCZK, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 14, &RawSignals::SLG2_D01_MSRSEin, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Input, 15, &RawSignals::SLG2_D01_MExtRLgez, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 0, &RawSignals::SLG2_D85_MFiltOn, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 1, &RawSignals::SLG2_D01_MFiltAdpOn, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 2, &RawSignals::SLG2_D01_MFiltDhcOn, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 3, &RawSignals::SLG2_D87_BSRSEin, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 4, &RawSignals::SLG2_D87_BLdSEin, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 5, &RawSignals::SLG2_D08_BExtRLabtr, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 6, &RawSignals::SLG2_D86_BGUSpEin, false},
    {&DerivedValues::MVB_DDU_SLG2_Wslot_Output, 7, &RawSignals::SLG2_D08_BHSHalteKr, false},
};

const ProcessorSlots kProcessorSlots[] = {
    {&PortFreshness::freshness_3300, {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, &DerivedValues::MVB_DDU_HBB1_Oslot_Output,
      &DerivedValues::MVB_DDU_HBB1_Qslot_Input, &DerivedValues::MVB_DDU_HBB1_Qslot_Output},
     nullptr, kHBB1Slots, int(sizeof kHBB1Slots / sizeof kHBB1Slots[0])},
    {&PortFreshness::freshness_3400, {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, &DerivedValues::MVB_DDU_HBB2_Oslot_Output,
      &DerivedValues::MVB_DDU_HBB2_Qslot_Input, &DerivedValues::MVB_DDU_HBB2_Qslot_Output},
     nullptr, kHBB2Slots, int(sizeof kHBB2Slots / sizeof kHBB2Slots[0])},
    {&PortFreshness::freshness_3500, {&DerivedValues::MVB_DDU_STB1_Jslot_Input, &DerivedValues::MVB_DDU_STB1_Jslot_Output,
      &DerivedValues::MVB_DDU_STB1_Lslot_Input, &DerivedValues::MVB_DDU_STB1_Lslot_Output},
     &DerivedValues::MVB_DDU_STB1_Jslot_Input, kSTB1Slots, int(sizeof kSTB1Slots / sizeof kSTB1Slots[0])},
    {&PortFreshness::freshness_3600, {&DerivedValues::MVB_DDU_STB2_Jslot_Input, &DerivedValues::MVB_DDU_STB2_Jslot_Output,
      &DerivedValues::MVB_DDU_STB2_Lslot_Input, &DerivedValues::MVB_DDU_STB2_Lslot_Output},
     nullptr, kSTB2Slots, int(sizeof kSTB2Slots / sizeof kSTB2Slots[0])},
    {&PortFreshness::freshness_3700, {&DerivedValues::MVB_DDU_SLG1_Dslot_Input, &DerivedValues::MVB_DDU_SLG1_Dslot_Output,
      &DerivedValues::MVB_DDU_SLG1_Wslot_Input, &DerivedValues::MVB_DDU_SLG1_Wslot_Output},
     nullptr, kSLG1Slots, int(sizeof kSLG1Slots / sizeof kSLG1Slots[0])},
    {&PortFreshness::freshness_3800, {&DerivedValues::MVB_DDU_SLG2_Dslot_Input, &DerivedValues::MVB_DDU_SLG2_Dslot_Output,
      &DerivedValues::MVB_DDU_SLG2_Wslot_Input, &DerivedValues::MVB_DDU_SLG2_Wslot_Output},
     nullptr, kSLG2Slots, int(sizeof kSLG2Slots / sizeof kSLG2Slots[0])},
};
// clang-format on

} // namespace

float mvbvaria::Check_Negative_Value(int x)
{
    if (x & 0x8000)
        return static_cast<float>(0 - ((65535 - x) + 1));
    return static_cast<float>(x);
}

int mvbvaria::Lifesign_Check(SignalStore& s, unsigned int value, unsigned int index)
{
    if (index >= 20)
        return 0;
    unsigned int& prev = s.PrevLifesign[index];
    unsigned int& tolerance = s.Lifesign_Tollerance[index];
    if (value != prev) {
        tolerance = 0;
        prev = value;
        return 1;
    }
    if (tolerance > 1000)
        return 2;
    ++tolerance;
    prev = value;
    return tolerance > 999 ? 2 : 0;
}

QString mvbvaria::Enegry_Display(int e)
{
    const QString text = QString::number(e).rightJustified(9, QLatin1Char('0'));
    if (text.size() == 9)
        return text.mid(0, 3) + QLatin1Char(' ') + text.mid(3, 3) + QLatin1Char(' ') + text.mid(6, 3);
    return text;
}

QString mvbvaria::locoClass(unsigned int n)
{
    if (n >= 30000 && n <= 30199)
        return QStringLiteral("WAP5");
    if (n >= 30200 && n <= 30999)
        return QStringLiteral("WAP7");
    if (n >= 31000 && n <= 33999)
        return QStringLiteral("WAG9");
    if (n >= 34000 && n <= 34999)
        return QStringLiteral("WAP7");
    if (n >= 37000 && n <= 37999)
        return QStringLiteral("WAP7");
    if (n >= 38000 && n <= 38999)
        return QStringLiteral("WAG9");
    if (n >= 39000 && n <= 39999)
        return QStringLiteral("WAP7");
    if (n >= 42000 && n <= 42999)
        return QStringLiteral("WAG9");
    return QString();
}

void mvbvaria::updatemvbvariables(SignalStore& s, const BusRequests& requests)
{
    const unsigned maxF = static_cast<unsigned>(requests.Max_Freshness.load());
    auto fresh = [maxF](unsigned short f) { return f < maxF; };
    const int srType = requests.Selected_SR_Type.load();

    s.MVB_DDU_FLG2_Master_Request = static_cast<int>(s.FLG2_D54_MFLG2MastRq);
    const bool req = s.MVB_DDU_FLG2_Master_Request != 0;

    // FLG1 preferred: FLG1 unless FLG2 requests mastership or FLG1's port is
    // stale; FLG2 while its port is fresh; else unknown (0 = neither).
    auto pick = [&](unsigned short f1, unsigned short f2) {
        if (!req && fresh(f1))
            return 1;
        if (fresh(f2))
            return 2;
        return 0;
    };
    const bool f3100 = fresh(s.freshness_3100), f3200 = fresh(s.freshness_3200);
    const bool f3110 = fresh(s.freshness_3110), f3210 = fresh(s.freshness_3210);
    const bool f3300 = fresh(s.freshness_3300), f3400 = fresh(s.freshness_3400);
    const bool f3500 = fresh(s.freshness_3500), f3600 = fresh(s.freshness_3600);
    const bool f3700 = fresh(s.freshness_3700), f3800 = fresh(s.freshness_3800);
    const bool f3710 = fresh(s.freshness_3710), f3810 = fresh(s.freshness_3810);
    const bool f3720 = fresh(s.freshness_3720), f3820 = fresh(s.freshness_3820);
    const bool f3900 = fresh(s.freshness_3900), f3950 = fresh(s.freshness_3950), f4000 = fresh(s.freshness_4000);

    // Loco number and class.
    switch (pick(s.freshness_3110, s.freshness_3210)) {
    case 1:
        s.MVB_DDU_Loco_NO_String = QString::number(s.FLG1_D00_MLocoNum1);
        s.MVB_DDU_Loco_Type_String = locoClass(s.FLG1_D00_MLocoNum1);
        break;
    case 2:
        s.MVB_DDU_Loco_NO_String = QString::number(s.FLG2_D00_MLocoNum1);
        s.MVB_DDU_Loco_Type_String = locoClass(s.FLG2_D00_MLocoNum1);
        break;
    default: s.MVB_DDU_Loco_NO_String = kUnknown; s.MVB_DDU_Loco_Type_String.clear();
    }
    s.MVB_DDU_Loco2_NO_String = fresh(s.freshness_2510) ? QString::number(s.FLG1_D00_MLocoNum2) : kUnknown;

    // Loco brake (brake cylinders).
    if (!f3400 && !f3600)
        s.MVB_DDU_Loco_Break = 2;
    else
        s.MVB_DDU_Loco_Break = (s.HBB2_D01_MPrSwBkCyl2 || s.STB2_D01_MPrSwBkCyl1) ? 1 : 0;

    // Battery voltage.
    switch (pick(s.freshness_3100, s.freshness_3200)) {
    case 1:
        s.MVB_DDU_Battery = toInt(s.FLG1_D21_XU_Battery);
        s.MVB_DDU_Battery_String = fixed(s.FLG1_D21_XU_Battery, 1);
        break;
    case 2:
        s.MVB_DDU_Battery = toInt(s.FLG2_D21_XU_Battery);
        s.MVB_DDU_Battery_String = fixed(s.FLG2_D21_XU_Battery, 1);
        break;
    default: s.MVB_DDU_Battery = 0; s.MVB_DDU_Battery_String = kUnknown;
    }

    // Earth faults of the auxiliary and control circuits.
    if (!f3300 && !f3600)
        s.MVB_DDU_Earth_Fault_Auxiliary = 2;
    else
        s.MVB_DDU_Earth_Fault_Auxiliary =
            (s.HBB1_D04_EFAUXCkt || s.HBB1_D01_MEFR415_110 || s.STB2_D04_EFAUXCkt || s.STB2_D01_MEFRBUR) ? 1 : 0;
    if (!f3300)
        s.MVB_DDU_Earth_Fault_Control = 2;
    else
        s.MVB_DDU_Earth_Fault_Control = (s.HBB1_D04_EFContCkt || s.HBB1_D01_MEFRContrl) ? 1 : 0;

    // Lamps: parking brake, constant speed, vigilance warning.
    s.MVB_DDU_BPPB = f3400 ? s.HBB2_D44_MParkBkApp : 2;
    s.MVB_DDU_BPCS = (!f3500 && !f3600) ? 2 : ((s.STB1_D02_MLampCSpeed || s.STB2_D02_MLampCSpeed) ? 1 : 0);
    s.MVB_DDU_LSVW = f3600 ? s.STB2_D01_MVigWarn : 2;

    // Emergency: emergency stop of the active cab (previous pass), or the
    // brake pipe emptied while the vehicle control is in a running node.
    if (!f3400 && !f3300 && !f3110) {
        s.MVB_DDU_EMG = 2;
    } else {
        if (s.MVB_DDU_Cab_Active == 1)
            s.temp_emergency = s.HBB1_D01_LEmgStop;
        else if (s.MVB_DDU_Cab_Active == 2)
            s.temp_emergency = s.HBB2_D01_LEmgStop;
        const unsigned node = s.FLG1_D07_XNodeMSC;
        const bool runningNode = node != 0 && node != 12 && node != 612;
        s.MVB_DDU_EMG = (s.temp_emergency || (runningNode && s.FLG1_D45_XPrAutoBkLn < 3.0f)) ? 1 : 0;
    }

    // Active cab.
    if (!f3100 && !f3200)
        s.MVB_DDU_Cab_Active = 3;
    else if (s.FLG1_D23_MCab1Active || s.FLG2_D23_MCab1Active)
        s.MVB_DDU_Cab_Active = 1;
    else if (s.FLG1_D23_MCab2Active || s.FLG2_D23_MCab2Active)
        s.MVB_DDU_Cab_Active = 2;
    else
        s.MVB_DDU_Cab_Active = 0;
    const int cab = s.MVB_DDU_Cab_Active;

    // Direction of travel of the active cab, and of the second loco.
    if (cab == 1) {
        if (s.HBB1_D24_LTrvDirFor || s.STB1_D24_LTrvDirFor)
            s.MVB_DDU_Direction = 1;
        else if (s.HBB1_D24_LTrvDirRev || s.STB1_D24_LTrvDirRev)
            s.MVB_DDU_Direction = 2;
        else
            s.MVB_DDU_Direction = 0;
    } else if (cab == 2) {
        if (s.HBB2_D24_LTrvDirFor || s.STB2_D24_LTrvDirFor)
            s.MVB_DDU_Direction = 1;
        else if (s.HBB2_D24_LTrvDirRev || s.STB2_D24_LTrvDirRev)
            s.MVB_DDU_Direction = 2;
        else
            s.MVB_DDU_Direction = 0;
    } else {
        s.MVB_DDU_Direction = 0;
    }
    if (s.multiOpMode_slave1_active == 1)
        s.MVB_DDU_Direction_2 = s.slave1_LTrvDirFor ? 1 : (s.slave1_LTrvDirREV ? 2 : 0);
    else
        s.MVB_DDU_Direction_2 = 0;

    // Fault indication lamps.
    if (!f3300 && !f3400) {
        s.MVB_DDU_BPFA = 2;
        s.MVB_DDU_LSFI = 2;
    } else {
        s.MVB_DDU_BPFA = (s.HBB1_D02_MLampFInd || s.HBB2_D02_MLampFInd) ? 1 : 0;
        s.MVB_DDU_LSFI = (s.HBB1_D02_MLampFault || s.HBB2_D02_MLampFault) ? 1 : 0;
    }

    // Tractive / braking effort, actual and demanded, signed percent.
    if (!f3100 && !f3200) {
        s.MVB_DDU_BE_Actual = 0;
        s.MVB_DDU_BE_Demand = 0;
        s.MVB_DDU_BE_Actual_String = kUnknown;
        s.MVB_DDU_BE_Demand_String = kUnknown;
    } else {
        const float actual = req ? s.FLG2_D46_XTE_BE_Loco : s.FLG1_D46_XTE_BE_Loco;
        const float demand = req ? s.FLG2_D53_WTE_BE_Loco : s.FLG1_D53_WTE_BE_Loco;
        s.MVB_DDU_BE_Actual = toInt(Check_Negative_Value(toInt(actual)) * 100.0f / 4096.0f);
        s.MVB_DDU_BE_Demand = toInt(Check_Negative_Value(toInt(demand)) * 100.0f / 4096.0f);
        s.MVB_DDU_BE_Actual_String = QString::number(s.MVB_DDU_BE_Actual);
        s.MVB_DDU_BE_Demand_String = QString::number(s.MVB_DDU_BE_Demand);
    }

    // Traction motors and line converters.
    if (!f3100) {
        for (int k = 0; k < 6; ++k) {
            s.MVB_DDU_MotorMaster_Status[k] = 0;
            s.MVB_DDU_MotorSlave_Status[k] = 0;
        }
        s.LineConverter1_status_SLG1 = s.LineConverter2_status_SLG1 = 0;
        s.LineConverter1_status_SLG2 = s.LineConverter2_status_SLG2 = 0;
    } else {
        const char master[6] = {s.MVB_DDU_MotorMaster1_SLG1, s.MVB_DDU_MotorMaster2_SLG1, s.MVB_DDU_MotorMaster3_SLG1,
                                s.MVB_DDU_MotorMaster1_SLG2, s.MVB_DDU_MotorMaster2_SLG2, s.MVB_DDU_MotorMaster3_SLG2};
        const char slave[6] = {s.MVB_DDU_MotorSlave1_SLG1, s.MVB_DDU_MotorSlave2_SLG1, s.MVB_DDU_MotorSlave3_SLG1,
                               s.MVB_DDU_MotorSlave1_SLG2, s.MVB_DDU_MotorSlave2_SLG2, s.MVB_DDU_MotorSlave3_SLG2};
        for (int k = 0; k < 6; ++k) {
            s.MVB_DDU_MotorMaster_Status[k] = master[k];
            s.MVB_DDU_MotorSlave_Status[k] = slave[k];
        }
        s.LineConverter1_status_SLG1 = s.MVB_DDU_LineConverter1_SLG1;
        s.LineConverter2_status_SLG1 = s.MVB_DDU_LineConverter2_SLG1;
        s.LineConverter1_status_SLG2 = s.MVB_DDU_LineConverter1_SLG2;
        s.LineConverter2_status_SLG2 = s.MVB_DDU_LineConverter2_SLG2;
    }

    // Sub-system switch-off states of this loco.
    {
        const int states[19] = {
            s.FLG1_D54_BSubS01_Off, s.FLG1_D54_BSubS02_Off, s.FLG1_D54_BSubS03_Off, s.FLG1_D54_BSubS04_Off,
            s.FLG1_D54_BSubS05_Off, s.FLG1_D54_BSubS06_Off, s.FLG1_D54_BSubS07_Off, s.FLG1_D54_BSubS08_Off,
            s.FLG1_D54_BSubS09_Off, s.FLG1_D54_BSubS10_Off, s.FLG1_D54_BSubS11_Off, s.FLG1_D54_BSubS12_Off,
            s.FLG1_D54_BSubS13_Off, s.FLG1_D54_BSubS14_Off, s.FLG1_D54_BSubS15_Off, s.FLG1_D54_BSubS16_Off,
            s.FLG1_D54_BSubS17_Off, s.FLG1_D54_BSubS18_Off, s.FLG1_D54_BSubS19_Off};
        const bool f1310 = fresh(s.freshness_1310);
        for (int k = 0; k < 19; ++k)
            s.MVB_DDU_LOCO_SUB_System[k] = f1310 ? states[k] : 99;
        s.MVB_DDU_LOCO_SUB_System[19] = 99;
    }
    s.MVB_DDU_Loco_ISO_Status = s.MVB_DDU_LOCO_SUB_System[0] == 4 ? 1 : (s.MVB_DDU_LOCO_SUB_System[0] == 99 ? 2 : 0);

    // Sub-system image of the second loco. Elements at 2 or 3 stay while their
    // flag is 0.
    if (fresh(s.freshness_2510)) {
        const char flags[19] = {
            s.LOCO2_SUB_System0_off,  s.LOCO2_SUB_System1_off,  s.LOCO2_SUB_System2_off,  s.LOCO2_SUB_System3_off,
            s.LOCO2_SUB_System4_off,  s.LOCO2_SUB_System5_off,  s.LOCO2_SUB_System6_off,  s.LOCO2_SUB_System7_off,
            s.LOCO2_SUB_System8_off,  s.LOCO2_SUB_System9_off,  s.LOCO2_SUB_System10_off, s.LOCO2_SUB_System11_off,
            s.LOCO2_SUB_System12_off, s.LOCO2_SUB_System13_off, s.LOCO2_SUB_System14_off, s.LOCO2_SUB_System15_off,
            s.LOCO2_SUB_System16_off, s.LOCO2_SUB_System17_off, s.LOCO2_SUB_System18_off};
        for (int k = 0; k < 19; ++k) {
            int& e = s.MVB_DDU_LOCO2_SUB_System[k];
            if (flags[k] == 1 || e == 0 || e == 1 || e == 4)
                e = flags[k];
        }
        if (s.MVB_DDU_LOCO2_SUB_System[19] == 0)
            s.MVB_DDU_LOCO2_SUB_System[19] = 2;
    } else {
        for (int k = 0; k < 20; ++k)
            s.MVB_DDU_LOCO2_SUB_System[k] = 4;
    }
    {
        int iso2 = 0;
        bool found = false;
        for (int k = 0; k < 19; ++k) {
            const int e = s.MVB_DDU_LOCO2_SUB_System[k];
            if (e >= 1 && e <= 3) {
                iso2 = 1;
                found = true;
                break;
            }
        }
        if (!found)
            iso2 = s.MVB_DDU_LOCO2_SUB_System[18] == 4 ? 2 : 0;
        s.MVB_DDU_Loco_ISO2_Status = iso2;
    }

    // Pantograph.
    if (!f3400 && !f3600) {
        s.MVB_DDU_Panto = 2;
        s.MVB_DDU_Panto_String = kUnknown;
    } else if (s.HBB2_D31_LPanUpWish || s.STB2_D31_LPanUpWish || s.STB2_D01_LPanUp || s.HBB2_D01_LPanUp) {
        s.MVB_DDU_Panto = 1;
        s.MVB_DDU_Panto_String = tr("UP");
    } else {
        s.MVB_DDU_Panto = 0;
        s.MVB_DDU_Panto_String = tr("DOWN");
    }

    // Vacuum circuit breaker, primary voltage and current.
    const int source3100 = pick(s.freshness_3100, s.freshness_3200);
    if (source3100 == 0) {
        s.MVB_DDU_VCB = 2;
        s.MVB_DDU_LSDJ = 2;
        s.MVB_DDU_VCB_String = kUnknown;
        s.MVB_DDU_UPRIM_String = kUnknown;
        s.MVB_DDU_IPRIM_String = kUnknown;
    } else {
        const char vcb = source3100 == 1 ? s.FLG1_D07_MVCB_On : s.FLG2_D07_MVCB_On;
        const float uprim = source3100 == 1 ? s.FLG1_D21_XUprim : s.FLG2_D21_XUprim;
        const float iprim = source3100 == 1 ? s.FLG1_D21_XIprim : s.FLG2_D21_XIprim;
        s.MVB_DDU_VCB = vcb ? 1 : 0;
        s.MVB_DDU_VCB_String = onOff(vcb);
        s.MVB_DDU_LSDJ = vcb ? 0 : 1;
        s.MVB_DDU_UPRIM = toInt(uprim);
        s.MVB_DDU_IPRIM = toInt(iprim);
        s.MVB_DDU_UPRIM_String = fixed(uprim, 2);
        s.MVB_DDU_IPRIM_String = fixed(iprim, 2);
    }

    // Line frequency from the line converter of bogie 1, or of bogie 2.
    {
        const double factor = srType == 3 ? 10.0 : 1.0;
        bool known = true;
        if (s.MVB_DDU_LOCO_SUB_System[1] == 0 && f3720)
            s.MVB_DDU_Line_Frequency = s.SLG1_D04_NSC1_XAFUN * factor;
        else if (f3820)
            s.MVB_DDU_Line_Frequency = s.SLG2_D04_NSC2_XAFUN * factor;
        else
            known = false;
        if (known) {
            s.MVB_DDU_Line_Frequency_String = fixed(s.MVB_DDU_Line_Frequency, 2);
            s.MVB_DDU_Line_Frequency_INT_String = fixed(s.MVB_DDU_Line_Frequency, 0);
        } else {
            s.MVB_DDU_Line_Frequency = 0;
            s.MVB_DDU_Line_Frequency_String = kUnknown;
            s.MVB_DDU_Line_Frequency_INT_String = kUnknown;
        }
    }

    // Input power of the two line converters.
    if (!f3700 && !f3800) {
        s.MVB_DDU_Input_Power1_String = kUnknown;
        s.MVB_DDU_Input_Power2_String = kUnknown;
        s.MVB_DDU_Input_Power_String = kUnknown;
    } else {
        s.MVB_DDU_Input_Power1 = Check_Negative_Value(s.SLG1_D04_XPN & 0xFFFF) / 40.96 * 100.0;
        s.MVB_DDU_Input_Power2 = Check_Negative_Value(s.SLG2_D04_XPN & 0xFFFF) / 40.96 * 100.0;
        const double total = s.MVB_DDU_Input_Power1 + s.MVB_DDU_Input_Power2;
        s.MVB_DDU_Input_Power = toInt(total);
        s.MVB_DDU_Input_Power1_String = fixed(s.MVB_DDU_Input_Power1, 2);
        s.MVB_DDU_Input_Power2_String = fixed(s.MVB_DDU_Input_Power2, 2);
        s.MVB_DDU_Input_Power_String = fixed(total, 2);
    }

    // Hotel load, primary over-current, harmonic filter, earth fault power circuit.
    s.MVB_DDU_Hotel_Load_String = f3500 ? onOff(s.STB1_D01_MContHotel) : kUnknown;
    if (!f3500) {
        s.MVB_DDU_Primary_Over_Current = 2;
        s.MVB_DDU_Primary_Over_Current_String = kUnknown;
    } else {
        const bool high = s.STB1_D09_MIPrimHigh || s.STB1_D01_MIPrimHigh;
        s.MVB_DDU_Primary_Over_Current = high ? 1 : 0;
        s.MVB_DDU_Primary_Over_Current_String = onOff(high);
    }
    if (!f3700 && !f3800)
        s.MVB_DDU_Filter_String = kUnknown;
    else
        s.MVB_DDU_Filter_String =
            onOff(s.SLG1_D01_MFiltOn || s.SLG1_D85_BFiltOn || s.SLG2_D85_MFiltOn || s.SLG2_D01_MFiltOn);
    if (!f3700 && !f3800 && !f3300) {
        s.MVB_DDU_Earth_Fault_Power = 2;
        s.MVB_DDU_Earth_Fault_Power_String = kUnknown;
    } else {
        const bool ef = s.SLG1_D09_PDistEarthF || s.SLG2_D09_PDistEarthF || s.HBB1_D01_MEFRFilter;
        s.MVB_DDU_Earth_Fault_Power = ef ? 1 : 0;
        s.MVB_DDU_Earth_Fault_Power_String = onOff(ef);
    }

    // Nodes of the processors.
    s.MVB_DDU_FLG1_Node_String = f3100 ? QString::number(s.FLG1_D07_XNodeMSC) : kUnknown;
    s.MVB_DDU_FLG2_Node_String = f3200 ? QString::number(s.FLG2_D07_XNodeMSC) : kUnknown;
    switch (source3100) {
    case 1:
        s.MVB_DDU_SLG1_Node_String = QString::number(s.FLG1_D21_XNodeB1);
        s.MVB_DDU_SLG2_Node_String = QString::number(s.FLG1_D21_XNodeB2);
        break;
    case 2:
        s.MVB_DDU_SLG1_Node_String = QString::number(s.FLG2_D21_XNodeB1);
        s.MVB_DDU_SLG2_Node_String = QString::number(s.FLG2_D21_XNodeB2);
        break;
    default: s.MVB_DDU_SLG1_Node_String = kUnknown; s.MVB_DDU_SLG2_Node_String = kUnknown;
    }
    s.MVB_DDU_ALG1_Node_String = f3700 ? QString::number(s.SLG1_D08_XNodeALG, 16).toUpper() : kUnknown;
    s.MVB_DDU_ALG2_Node_String = f3800 ? QString::number(s.SLG2_D08_XNodeALG, 16).toUpper() : kUnknown;

    // Pre-charge and input contactors, ventilation level of each converter.
    // With converter type 3 the two contactor feedbacks are wired the other way round.
    auto contactors = [&](bool portFresh, char ldB, char ldM, char srM, char srB, char v3, char v2, char v1,
                          QString& preCharge, QString& input, QString& vent) {
        if (!portFresh) {
            preCharge = input = vent = kUnknown;
            return;
        }
        const bool ld = ldB || ldM;
        const bool sr = srM || srB;
        preCharge = onOff(srType == 3 ? sr : ld);
        input = onOff(srType == 3 ? ld : sr);
        vent = v3 ? QStringLiteral("3") : v2 ? QStringLiteral("2") : v1 ? QStringLiteral("1") : QStringLiteral("0");
    };
    contactors(f3700, s.SLG1_D87_BLdSEin, s.SLG1_D01_MLdSEin, s.SLG1_D01_MSRSEin, s.SLG1_D87_BSRSEin,
               s.SLG1_D09_BVentLevel3, s.SLG1_D09_BVentLevel2, s.SLG1_D09_BVentLevel1,
               s.MVB_DDU_PreChrage_Contactor1_String, s.MVB_DDU_Input_Contactor1_String,
               s.MVB_DDU_Ventilation_Level1_String);
    contactors(f3800, s.SLG2_D87_BLdSEin, s.SLG2_D01_MLdSEin, s.SLG2_D01_MSRSEin, s.SLG2_D87_BSRSEin,
               s.SLG2_D09_BVentLevel3, s.SLG2_D09_BVentLevel2, s.SLG2_D09_BVentLevel1,
               s.MVB_DDU_PreChrage_Contactor2_String, s.MVB_DDU_Input_Contactor2_String,
               s.MVB_DDU_Ventilation_Level2_String);

    // Auxiliary supply: highest output voltage of the three converters, higher
    // auxiliary current of the two traction converters.
    if (!f3900 && !f3950 && !f4000) {
        s.MVB_DDU_Auxiliary_Voltage_String = kUnknown;
    } else {
        const float b1 = s.BUR1_D73_XUUN, b2 = s.BUR2_D73_XUUN, b3 = s.BUR3_D73_XUUN;
        float v;
        if (b1 > b2 && b1 > b3)
            v = b1;
        else if (b2 > b1 && b2 > b3)
            v = b2;
        else
            v = b3;
        s.MVB_DDU_Auxiliary_Voltage_String = fixed(v * 12.5, 2);
    }
    if (!f3700 && !f3800)
        s.MVB_DDU_Auxiliary_Current_String = kUnknown;
    else
        s.MVB_DDU_Auxiliary_Current_String =
            fixed(s.SLG1_D01_XIBUR > s.SLG2_D01_XIBUR ? s.SLG1_D01_XIBUR : s.SLG2_D01_XIBUR, 2);

    // Auxiliary converters: DC link, output voltage and frequency.
    auto bur = [&](bool portFresh, float uz, float iz, float fwr, QString& dcV, QString& dcI, QString& outV,
                   QString& outF) {
        if (!portFresh) {
            dcV = dcI = outV = outF = kUnknown;
            return;
        }
        dcV = fixed(uz, 2);
        dcI = fixed(iz, 2);
        outV = fixed(fwr * 415.0 / 50.0, 2);
        outF = fixed(fwr, 2);
    };
    bur(f3900, s.BUR1_D73_XUUZ1, s.BUR1_D73_XUIZ1, s.BUR1_D01_XUFWR, s.MVB_DDU_BUR1_DC_Link_Voltage_String,
        s.MVB_DDU_BUR1_DC_Link_Current_String, s.MVB_DDU_BUR1_Output_Voltage_String,
        s.MVB_DDU_BUR1_Output_Frequency_String);
    bur(f3950, s.BUR2_D73_XUUZ1, s.BUR2_D73_XUIZ1, s.BUR2_D01_XUFWR, s.MVB_DDU_BUR2_DC_Link_Voltage_String,
        s.MVB_DDU_BUR2_DC_Link_Current_String, s.MVB_DDU_BUR2_Output_Voltage_String,
        s.MVB_DDU_BUR2_Output_Frequency_String);
    bur(f4000, s.BUR3_D73_XUUZ1, s.BUR3_D73_XUIZ1, s.BUR3_D01_XUFWR, s.MVB_DDU_BUR3_DC_Link_Voltage_String,
        s.MVB_DDU_BUR3_DC_Link_Current_String, s.MVB_DDU_BUR3_Output_Voltage_String,
        s.MVB_DDU_BUR3_Output_Frequency_String);

    // Group contactors of the auxiliary converters.
    s.MVB_DDU_Group_Contact_541_String = f3950 ? onOff(s.BUR2_D01_M52_1Close) : kUnknown;
    s.MVB_DDU_Group_Contact_542_String = f3950 ? onOff(s.BUR2_D01_M52_2Close) : kUnknown;
    s.MVB_DDU_Group_Contact_543_String = f4000 ? onOff(s.BUR3_D01_M52_3Close) : kUnknown;
    s.MVB_DDU_Group_Contact_544_String =
        (f3900 || f3950) ? onOff(s.BUR1_D01_M52_4Close || s.BUR2_D01_M52_4Close) : kUnknown;
    s.MVB_DDU_Group_Contact_545_String = f3900 ? onOff(s.BUR1_D01_M52_5Close) : kUnknown;

    // Wheel slip.
    if (!f3600 && !f3500) {
        s.MVB_DDU_LSP = 2;
        s.MVB_DDU_Wheel_Slip_String = kUnknown;
    } else {
        const bool slip = s.STB2_D02_MLampWSlip || s.STB1_D02_MLampWSlip;
        s.MVB_DDU_LSP = slip ? 1 : 0;
        s.MVB_DDU_Wheel_Slip_String = slip ? tr("YES") : tr("NO");
    }

    // Traction converters: DC link voltage, input power, motor speeds and temperatures.
    {
        const double factor = srType == 3 ? 4.1 : 1.0;
        s.MVB_DDU_Traction_DC_Link_Volatge1_String = f3720 ? fixed(s.SLG1_D04_NSC1_XAUD * factor, 2) : kUnknown;
        s.MVB_DDU_Traction_DC_Link_Volatge2_String = f3820 ? fixed(s.SLG2_D04_NSC2_XAUD * factor, 2) : kUnknown;
    }
    s.MVB_DDU_SR_Input_Power1_String = f3700 ? s.MVB_DDU_Input_Power1_String : kUnknown;
    s.MVB_DDU_SR_Input_Power2_String = f3800 ? s.MVB_DDU_Input_Power2_String : kUnknown;
    {
        const float speeds[6] = {s.SLG1_D90_XVist_A1, s.SLG1_D90_XVist_A2, s.SLG1_D90_XVist_A3,
                                 s.SLG2_D90_XVist_A1, s.SLG2_D90_XVist_A2, s.SLG2_D90_XVist_A3};
        QString* speedTexts[6] = {&s.MVB_DDU_TM_Speed1_String, &s.MVB_DDU_TM_Speed2_String,
                                  &s.MVB_DDU_TM_Speed3_String, &s.MVB_DDU_TM_Speed4_String,
                                  &s.MVB_DDU_TM_Speed5_String, &s.MVB_DDU_TM_Speed6_String};
        const float temps[6] = {s.SLG1_D88_XTempMotor1, s.SLG1_D88_XTempMotor2, s.SLG1_D88_XTempMotor3,
                                s.SLG2_D88_XTempMotor1, s.SLG2_D88_XTempMotor2, s.SLG2_D88_XTempMotor3};
        QString* tempTexts[6] = {&s.MVB_DDU_TM_Temperature1_String, &s.MVB_DDU_TM_Temperature2_String,
                                 &s.MVB_DDU_TM_Temperature3_String, &s.MVB_DDU_TM_Temperature4_String,
                                 &s.MVB_DDU_TM_Temperature5_String, &s.MVB_DDU_TM_Temperature6_String};
        QString* tempIntTexts[6] = {&s.MVB_DDU_TM_Temperature1_INT_String, &s.MVB_DDU_TM_Temperature2_INT_String,
                                    &s.MVB_DDU_TM_Temperature3_INT_String, &s.MVB_DDU_TM_Temperature4_INT_String,
                                    &s.MVB_DDU_TM_Temperature5_INT_String, &s.MVB_DDU_TM_Temperature6_INT_String};
        for (int k = 0; k < 6; ++k) {
            const bool speedFresh = k < 3 ? f3710 : f3810;
            const bool tempFresh = k < 3 ? f3700 : f3800;
            *speedTexts[k] = speedFresh ? fixed(speeds[k], 2) : kUnknown;
            *tempTexts[k] = tempFresh ? fixed(temps[k], 2) : kUnknown;
            *tempIntTexts[k] = tempFresh ? fixed(temps[k], 0) : kUnknown;
        }
    }

    // Body of the loco: Co-Co bogies detected (kept while stale).
    if (fresh(s.freshness_1535))
        s.CoCo_bogie_chasisR = s.HBB1_D01_BDetCoCoR ? 1 : 0;
    if (f3300)
        s.CoCo_bogie_chasis = s.HBB1_D01_BDetCoCo ? 1 : 0;

    // Auxiliary converters switched off (sub-system state 4).
    if (!req && fresh(s.freshness_1035)) {
        s.MVB_DDU_BUR1_Status_String = s.FLG1_D54_BSubS06_Off == 4 ? tr("OFF") : tr("ON");
        s.MVB_DDU_BUR2_Status_String = s.FLG1_D54_BSubS07_Off == 4 ? tr("OFF") : tr("ON");
        s.MVB_DDU_BUR3_Status_String = s.FLG1_D54_BSubS08_Off == 4 ? tr("OFF") : tr("ON");
    } else if (!fresh(s.freshness_1535)) {
        s.MVB_DDU_BUR1_Status_String = s.MVB_DDU_BUR2_Status_String = s.MVB_DDU_BUR3_Status_String = kUnknown;
    } else {
        s.MVB_DDU_BUR1_Status_String = s.FLG2_D54_BSubS06_Off == 4 ? tr("OFF") : tr("ON");
        s.MVB_DDU_BUR2_Status_String = s.FLG2_D54_BSubS07_Off == 4 ? tr("OFF") : tr("ON");
        s.MVB_DDU_BUR3_Status_String = s.FLG2_D54_BSubS08_Off == 4 ? tr("OFF") : tr("ON");
    }

    // Compressors and the breakers of the blowers and oil pumps.
    s.MVB_DDU_Compressor1_String = f3500 ? mcbState(s.STB1_D01_MMCBCompr1) : kUnknown;
    s.MVB_DDU_Compressor2_String = f3400 ? mcbState(s.HBB2_D01_MMCBCompr2) : kUnknown;
    if (f3300) {
        s.MVB_DDU_OCB1_String = mcbState(s.HBB1_D01_MMCBBloCT1);
        s.MVB_DDU_SR_Oil_Pump1_String = mcbState(s.HBB1_D01_MMCBPumpC1);
        s.MVB_DDU_TFP_Oil_Pump1_String = mcbState(s.HBB1_D01_MMCBPumpT1);
        s.MVB_DDU_TM_Blower1_String = mcbState(s.HBB1_D01_MMCBBloTM1);
        s.MVB_DDU_MR_Blower1_String = mcbState(s.HBB1_D01_MMCBBloMR1);
    } else {
        s.MVB_DDU_OCB1_String = s.MVB_DDU_SR_Oil_Pump1_String = s.MVB_DDU_TFP_Oil_Pump1_String = kUnknown;
        s.MVB_DDU_TM_Blower1_String = s.MVB_DDU_MR_Blower1_String = kUnknown;
    }
    if (f3600) {
        s.MVB_DDU_OCB2_String = mcbState(s.STB2_D01_MMCBBloCT2);
        s.MVB_DDU_SR_Oil_Pump2_String = mcbState(s.STB2_D01_MMCBPumpC2);
        s.MVB_DDU_TFP_Oil_Pump2_String = mcbState(s.STB2_D01_MMCBPumpT2);
        s.MVB_DDU_TM_Blower2_String = mcbState(s.STB2_D01_MMCBBloTM2);
        s.MVB_DDU_MR_Blower2_String = mcbState(s.STB2_D01_MMCBBloMR2);
    } else {
        s.MVB_DDU_OCB2_String = s.MVB_DDU_SR_Oil_Pump2_String = s.MVB_DDU_TFP_Oil_Pump2_String = kUnknown;
        s.MVB_DDU_TM_Blower2_String = s.MVB_DDU_MR_Blower2_String = kUnknown;
    }

    // Position of the master controller.
    {
        const bool hbbFresh = f3300 || f3400;
        if ((s.HBB1_D01_LTEDemand || s.HBB2_D01_LTEDemand) && hbbFresh)
            s.MVB_DDU_Master_Control_Position_String = tr("Traction");
        else if ((s.HBB1_D01_LBEDemand || s.HBB2_D01_LBEDemand) && hbbFresh)
            s.MVB_DDU_Master_Control_Position_String = tr("Braking");
        else if ((!s.FLG1_D26_MThTE_BEE0 && !s.FLG2_D26_MThTE_BEE0) || (!f3100 && !f3200))
            s.MVB_DDU_Master_Control_Position_String = kUnknown;
        else
            s.MVB_DDU_Master_Control_Position_String = tr("Throttle Zero");
    }

    // Speed, pneumatic brake demand, inching speed.
    switch (pick(s.freshness_3110, s.freshness_3210)) {
    case 1:
        s.MVB_DDU_Speed = toInt(s.FLG1_D50_XSpeedLoco);
        s.MVB_DDU_Speed_String = QString::number(s.MVB_DDU_Speed);
        s.MVB_DDU_Pneumatic_Brake_Demand_String = fixed(s.FLG1_D45_WPnBEdem, 2);
        s.MVB_DDU_Speed_Inching_String = fixed(s.FLG1_D50_XSpeedLoco, 2);
        break;
    case 2:
        s.MVB_DDU_Speed = toInt(s.FLG2_D50_XSpeedLoco);
        s.MVB_DDU_Speed_String = QString::number(s.MVB_DDU_Speed);
        s.MVB_DDU_Pneumatic_Brake_Demand_String = fixed(s.FLG2_D45_WPnBEdem, 2);
        s.MVB_DDU_Speed_Inching_String = fixed(s.FLG2_D50_XSpeedLoco, 2);
        break;
    default:
        s.MVB_DDU_Speed = 0;
        s.MVB_DDU_Speed_String = kUnknown;
        s.MVB_DDU_Pneumatic_Brake_Demand_String = kUnknown;
        s.MVB_DDU_Speed_Inching_String = kUnknown;
    }

    // Energy counters: consumed and regenerated since the counters were set,
    // and since this display started (trip). FLG1 preferred like every other
    // value: when FLG2 requests mastership while its own port is stale, no
    // processor is usable and the frozen counters are not shown.
    if (source3100 == 0) {
        s.MVB_DDU_Energy_Consumed_String = s.MVB_DDU_Energy_Regenerated_String = kUnknown;
        s.MVB_DDU_Energy_Consumed_Trip_String = s.MVB_DDU_Energy_Regenerated_Trip_String = kUnknown;
        s.MVB_DDU_Energy_Ratio_String = s.MVB_DDU_Energy_Ratio_Trip_String = kUnknown;
    } else {
        const bool useFlg1 = source3100 == 1;
        const float gwhP = useFlg1 ? s.FLG1_D56_XEnergGWhP : s.FLG2_D56_XEnergGWhP;
        const float mwhP = useFlg1 ? s.FLG1_D56_XEnergMWhP : s.FLG2_D56_XEnergMWhP;
        const float kwhP = useFlg1 ? s.FLG1_D56_XEnergKWhP : s.FLG2_D56_XEnergKWhP;
        const float gwhR = useFlg1 ? s.FLG1_D56_XEnergGWh_ : s.FLG2_D56_XEnergGWh_;
        const float mwhR = useFlg1 ? s.FLG1_D56_XEnergMWh_ : s.FLG2_D56_XEnergMWh_;
        const float kwhR = useFlg1 ? s.FLG1_D56_XEnergKWh_ : s.FLG2_D56_XEnergKWh_;
        s.MVB_DDU_Energy_Consumed_String =
            energyPart(gwhP) + QLatin1Char(' ') + energyPart(mwhP) + QLatin1Char(' ') + energyPart(kwhP);
        s.MVB_DDU_Energy_Regenerated_String =
            energyPart(gwhR) + QLatin1Char(' ') + energyPart(mwhR) + QLatin1Char(' ') + energyPart(kwhR);
        // Single precision as the counters are kept; saturates instead of
        // overflowing for counters beyond the int range.
        s.MVB_DDU_Energy_Consumed = toInt(gwhP * 1000000.0f + mwhP * 1000.0f + kwhP);
        s.MVB_DDU_Energy_Regenerated = toInt(gwhR * 1000000.0f + mwhR * 1000.0f + kwhR);

        if (s.DDU_First_Boot < 10) {
            ++s.DDU_First_Boot;
            s.MVB_DDU_Energy_Consumed_First_Boot = s.MVB_DDU_Energy_Consumed;
            s.MVB_DDU_Energy_Regenerated_First_Boot = s.MVB_DDU_Energy_Regenerated;
        }

        auto trip = [](int value, int reference, int& tripValue, QString& tripText) {
            const long long d = static_cast<long long>(value) - reference;
            if (d >= 1 && d <= 65534) {
                tripValue = static_cast<int>(d);
                tripText = Enegry_Display(tripValue);
            } else {
                tripText = QStringLiteral("000 000 000");
            }
        };
        trip(s.MVB_DDU_Energy_Consumed, s.MVB_DDU_Energy_Consumed_First_Boot, s.MVB_DDU_Energy_Consumed_Trip,
             s.MVB_DDU_Energy_Consumed_Trip_String);
        trip(s.MVB_DDU_Energy_Regenerated, s.MVB_DDU_Energy_Regenerated_First_Boot, s.MVB_DDU_Energy_Regenerated_Trip,
             s.MVB_DDU_Energy_Regenerated_Trip_String);

        auto ratio = [](int consumed, int regenerated, QString& text) {
            if (consumed > 1 && regenerated > 1)
                text = fixed(static_cast<double>(regenerated) / consumed * 100.0, 2);
            else if (consumed == 0)
                text = QStringLiteral("0");
        };
        ratio(s.MVB_DDU_Energy_Consumed, s.MVB_DDU_Energy_Regenerated, s.MVB_DDU_Energy_Ratio_String);
        ratio(s.MVB_DDU_Energy_Consumed_Trip, s.MVB_DDU_Energy_Regenerated_Trip, s.MVB_DDU_Energy_Ratio_Trip_String);
    }

    // Transformer and converter oil: temperatures and pressures.
    if (f3700) {
        s.MVB_DDU_TFP_Temperature1_String = fixed(s.SLG1_D88_XTempOilTr, 2);
        s.MVB_DDU_SR_Temperature1_String = fixed(s.SLG1_D88_XTempOilCv, 2);
        s.MVB_DDU_TFP_Pressure1_String = fixed(s.SLG1_D88_XPressureTr, 2);
        s.MVB_DDU_SR_Pressure1_String = fixed(s.SLG1_D88_XPressureCv, 2);
    } else {
        s.MVB_DDU_TFP_Temperature1_String = s.MVB_DDU_SR_Temperature1_String = kUnknown;
        s.MVB_DDU_TFP_Pressure1_String = s.MVB_DDU_SR_Pressure1_String = kUnknown;
    }
    if (f3800) {
        s.MVB_DDU_TFP_Temperature2_String = fixed(s.SLG2_D88_XTempOilTr, 2);
        s.MVB_DDU_SR_Temperature2_String = fixed(s.SLG2_D88_XTempOilCv, 2);
        s.MVB_DDU_TFP_Pressure2_String = fixed(s.SLG2_D88_XPressureTr, 2);
        s.MVB_DDU_SR_Pressure2_String = fixed(s.SLG2_D88_XPressureCv, 2);
    } else {
        s.MVB_DDU_TFP_Temperature2_String = s.MVB_DDU_SR_Temperature2_String = kUnknown;
        s.MVB_DDU_TFP_Pressure2_String = s.MVB_DDU_SR_Pressure2_String = kUnknown;
    }

    // Main reservoir pressure switch and brake cylinder 2.
    if (!f3400) {
        s.MVB_DDU_MR = 2;
        s.MVB_DDU_MR_Pressure_String = kUnknown;
        s.MVB_DDU_BC2_Pressure_String = kUnknown;
    } else {
        s.MVB_DDU_MR = s.HBB2_D01_MPrSwLowMR ? 1 : 0;
        s.MVB_DDU_MR_Pressure_String = s.HBB2_D01_MPrSwLowMR ? QStringLiteral("< 6.4") : QStringLiteral("> 6.4");
        s.MVB_DDU_BC2_Pressure_String = appliedReleased(s.HBB2_D01_MPrSwBkCyl2);
    }

    // Brake pipe pressure; automatic brake applied below 4.8.
    if (f3210 && req) {
        s.MVB_DDU_BP_Demand = s.FLG2_D45_XPrAutoBkLn;
        s.MVB_DDU_BP_Pressure_String = fixed(s.FLG2_D45_XPrAutoBkLn, 1);
        s.MVB_DDU_Auto_Break = s.FLG2_D45_XPrAutoBkLn < 4.8f ? 1 : 0;
    } else if (!f3110 || req) {
        s.MVB_DDU_Auto_Break = 2;
        s.MVB_DDU_BP_Pressure_String = kUnknown;
    } else {
        s.MVB_DDU_BP_Demand = s.FLG1_D45_XPrAutoBkLn;
        s.MVB_DDU_BP_Pressure_String = fixed(s.FLG1_D45_XPrAutoBkLn, 1);
        s.MVB_DDU_Auto_Break = s.FLG1_D45_XPrAutoBkLn < 4.8f ? 1 : 0;
    }
    s.MVB_DDU_BC1_Pressure_String = f3600 ? appliedReleased(s.STB2_D01_MPrSwBkCyl1) : kUnknown;

    // Message numbers of the diagnosis processor of the active cab (90 and up)
    // and of the second loco.
    if (cab == 1)
        s.MVB_DDU_Fault_No = s.DDA1_DD46_FaultNum >= 90 ? static_cast<int>(s.DDA1_DD46_FaultNum) : 0;
    else if (cab == 2)
        s.MVB_DDU_Fault_No = s.DDA2_DD46_FaultNum >= 90 ? static_cast<int>(s.DDA2_DD46_FaultNum) : 0;
    else
        s.MVB_DDU_Fault_No = 0;
    const bool f2610 = fresh(s.freshness_2610);
    s.MVB_DDU_Fault2_No = f2610 ? static_cast<int>(s.MVB_DDU_Fault2_No_temp) : 0;
    s.MVB_DDU_SLV_Node_String = f2610 ? QString::number(s.NODE_SLV_loco2) : kUnknown;

    // Simulation mode of the vehicle control.
    if (!req && fresh(s.freshness_1035))
        s.MVB_DDU_Loco_Simulation_Status = s.FLG1_18_BSimulation;
    else if (!fresh(s.freshness_1535))
        s.MVB_DDU_Loco_Simulation_Status = 2;
    else
        s.MVB_DDU_Loco_Simulation_Status = s.FLG2_18_BSimulation;

    // Software versions.
    s.MVB_DDU_Soft_Ver_FLG1_String = fresh(s.freshness_1070) ? versionText(s.FLG1_00_SWVersionFLG1) : kUnknown;
    s.MVB_DDU_Soft_Ver_FLG2_String = fresh(s.freshness_1570) ? versionText(s.FLG2_00_SWVersionFLG2) : kUnknown;
    s.MVB_DDU_Soft_Ver_SLG1_String = f3720 ? versionText(s.SLG1_00_SWVersionSLG1) : kUnknown;
    s.MVB_DDU_Soft_Ver_SLG2_String = f3820 ? versionText(s.SLG2_00_SWVersionSLG2) : kUnknown;
    s.MVB_DDU_Soft_Ver_STB1_String = fresh(s.freshness_1195) ? versionText(s.STB1_00_SWVersionSTB1) : kUnknown;
    s.MVB_DDU_Soft_Ver_STB2_String = fresh(s.freshness_1695) ? versionText(s.STB2_00_SWVersionSTB2) : kUnknown;
    s.MVB_DDU_Soft_Ver_HBB1_String = fresh(s.freshness_1295) ? versionText(s.HBB1_00_SWVersionHBB1) : kUnknown;
    s.MVB_DDU_Soft_Ver_HBB2_String = fresh(s.freshness_1795) ? versionText(s.HBB2_00_SWVersionHBB2) : kUnknown;
    s.MVB_DDU_Soft_Ver_BUR1_String =
        f3110 ? versionText(s.FLG1_00_SWVersionBUR1) : (f3210 ? versionText(s.FLG2_00_SWVersionBUR1) : kUnknown);
    s.MVB_DDU_Soft_Ver_BUR2_String =
        f3300 ? versionText(s.HBB1_00_SWVersionBUR2) : (f3400 ? versionText(s.HBB2_00_SWVersionBUR2) : kUnknown);
    s.MVB_DDU_Soft_Ver_BUR3_String =
        f3500 ? versionText(s.STB1_00_SWVersionBUR3) : (f3600 ? versionText(s.STB2_00_SWVersionBUR3) : kUnknown);

    // Inching mode, from the diagnosis processor of the active cab.
    if (cab == 1 && fresh(s.freshness_1302)) {
        s.MVB_DDU_Inching_mod_Active = s.DDA1_97_InchScreenAct ? 1 : 0;
        s.MVB_DDU_Inching_Set_Speed_String = fixed(s.DDA1_97_WSetSpeedInch, 1);
    } else if (cab == 2 && fresh(s.freshness_1800)) {
        s.MVB_DDU_Inching_mod_Active = s.DDA2_97_InchScreenAct ? 1 : 0;
        s.MVB_DDU_Inching_Set_Speed_String = fixed(s.DDA2_97_WSetSpeedInch, 1);
    } else if (cab != 0) {
        s.MVB_DDU_Inching_mod_Active = 2;
        s.MVB_DDU_Inching_Set_Speed_String = kUnknown;
    } else {
        s.MVB_DDU_Inching_mod_Active = 0;
        s.MVB_DDU_Inching_Set_Speed_String = QStringLiteral("0");
    }

    // Life signs of the processors.
    auto lifesign = [&](int value, unsigned index) {
        const unsigned v = static_cast<unsigned>(value);
        s.Lifesign[index] = v;
        return Lifesign_Check(s, v, index);
    };
    s.MVB_DDU_FLG1_Lifesign = lifesign(s.FLG1_10_XMVBLifeSig, 1);
    s.MVB_DDU_FLG2_Lifesign = lifesign(s.FLG2_10_XMVBLifeSig, 2);
    s.MVB_DDU_HBB1_Lifesign = lifesign(s.HBB1_05_XMVBLifeSig, 3);
    s.MVB_DDU_HBB2_Lifesign = lifesign(s.HBB2_05_XMVBLifeSig, 4);
    s.MVB_DDU_STB1_Lifesign = lifesign(s.STB1_05_XMVBLifeSig, 5);
    s.MVB_DDU_STB2_Lifesign = lifesign(s.STB2_05_XMVBLifeSig, 6);

    // Which vehicle control processor is master.
    s.MVB_DDU_FLG1_Active = fresh(s.freshness_1000) ? (s.FLG1_54_MFLG1MastRq != 0 ? 1 : 0) : 2;
    s.MVB_DDU_FLG2_Active = f3210 ? (s.FLG2_D54_MFLG2MastRq != 0 ? 1 : 0) : 2;

    // Processor I/O slot images.
    for (const ProcessorSlots& p : kProcessorSlots) {
        if (s.*p.freshness >= maxF) {
            for (SlotImage image : p.images)
                fillInts(s.*image, 2);
            continue;
        }
        const bool cabOneImageEmpty = p.cabOneOnly && cab != 1;
        if (cabOneImageEmpty)
            fillInts(s.*p.cabOneOnly, 0);
        for (int k = 0; k < p.bitCount; ++k) {
            const SlotBit& bit = p.bits[k];
            if (cabOneImageEmpty && bit.image == p.cabOneOnly)
                continue;
            const bool on = (s.*bit.signal) != 0;
            (s.*bit.image)[bit.element] = (on != bit.inverted) ? 1 : 0;
        }
    }

    // Processor slot texts: analog inputs and outputs in percent.
    const QString pct = QStringLiteral(" %");
    auto eslot = [&](bool portFresh, QString(&in)[16], QString(&out)[16], float prAutoBk, float angTrans, float meterB1,
                     float meterB2) {
        if (!portFresh) {
            fillTexts(in, kUnknown);
            fillTexts(out, kUnknown);
            return;
        }
        in[5] = fixed(prAutoBk, 2);
        in[11] = fixed(angTrans, 2) + pct;
        if (meterB1 < 100.1f && meterB2 < 100.1f) {
            out[1] = fixed(meterB1, 2) + pct;
            out[3] = fixed(meterB2, 2) + pct;
        }
    };
    eslot(f3110, s.MVB_DDU_FLG1_Eslot_Input_String, s.MVB_DDU_FLG1_Eslot_Output_String, s.FLG1_D01_XPrAutoBkLn,
          s.FLG1_D01_XAngTrans, s.FLG1_D02_XMeterT_B1, s.FLG1_D02_XMeterT_B2);
    eslot(f3210, s.MVB_DDU_FLG2_Eslot_Input_String, s.MVB_DDU_FLG2_Eslot_Output_String, s.FLG2_D01_XPrAutoBkLn,
          s.FLG2_D01_XAngTrans, s.FLG2_D02_XMeterT_B1, s.FLG2_D02_XMeterT_B2);
    if (f3210)
        s.MVB_DDU_FLG2_Eslot_Output_String[0] = fixed(s.FLG2_D45_WPnBEdem, 2) + pct;

    // The A slot mixes two ports: the currents (elements 0, 1) come from the
    // converter's main port (3700 / 3800), the filter current and transformer
    // pressure (elements 2, 7) from its analogue port (3710 / 3810). Each
    // element is guarded by its own port; the main port stale blanks the slot.
    auto aslot = [&](bool mainFresh, bool analogueFresh, QString(&a)[16], float aiPr, float aiBur, float aiFilts,
                     float druckTR) {
        if (!mainFresh) {
            fillTexts(a, kUnknown);
            return;
        }
        a[0] = fixed(aiPr / 10.0, 2) + pct;
        a[1] = fixed(aiBur / 10.0, 2) + pct;
        if (!analogueFresh) {
            a[2] = a[7] = kUnknown;
            return;
        }
        if (aiFilts < 100.1f)
            a[2] = fixed(aiFilts, 2) + pct;
        a[7] = fixed(druckTR, 2) + pct;
    };
    aslot(f3700, f3710, s.MVB_DDU_SLG1_Aslot_Input_String, s.SLG1_D01_XAIpr, s.SLG1_D01_XAIBUR, s.SLG1_D01_XAIFilts,
          s.SLG1_D01_XADruckTR);
    aslot(f3800, f3810, s.MVB_DDU_SLG2_Aslot_Input_String, s.SLG2_D01_XAIpr, s.SLG2_D01_XAIBUR, s.SLG2_D01_XAIFilts,
          s.SLG2_D01_XADruckTR);

    auto dslot = [&](bool portFresh, QString(&d)[16], const float(&v)[11]) {
        if (!portFresh) {
            fillTexts(d, kUnknown);
            return;
        }
        for (int k = 0; k < 11; ++k)
            d[15 - k] = fixed(v[k], 2) + pct;
    };
    {
        const float v1[11] = {s.SLG1_D01_XADruckSR,   s.SLG1_D01_XATmp1OelTR, s.SLG1_D01_XATmp2OelTR,
                              s.SLG1_D01_XATmp1OelSR, s.SLG1_D01_XATmp2OelSR, s.SLG1_D01_XATmp1Mot1,
                              s.SLG1_D01_XATmp2Mot1,  s.SLG1_D01_XATmp1Mot2,  s.SLG1_D01_XATmp2Mot2,
                              s.SLG1_D01_XATmp1Mot3,  s.SLG1_D01_XATmp2Mot3};
        dslot(f3710, s.MVB_DDU_SLG1_Dslot_Input_String, v1);
        const float v2[11] = {s.SLG2_D01_XADruckSR,   s.SLG2_D01_XATmp1OelTR, s.SLG2_D01_XATmp2OelTR,
                              s.SLG2_D01_XATmp1OelSR, s.SLG2_D01_XATmp2OelSR, s.SLG2_D01_XATmp1Mot1,
                              s.SLG2_D01_XATmp2Mot1,  s.SLG2_D01_XATmp1Mot2,  s.SLG2_D01_XATmp2Mot2,
                              s.SLG2_D01_XATmp1Mot3,  s.SLG2_D01_XATmp2Mot3};
        dslot(f3810, s.MVB_DDU_SLG2_Dslot_Input_String, v2);
    }
}
