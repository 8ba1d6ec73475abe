// Decoding pass: the raw signals of the port map become the values and texts
// the screens show. One decoder per sub-system, each naming the ports it
// reads; updatemvbvariables() runs them in a fixed order.
//
// What a decoder reads besides the raw signals is passed in: the freshness of
// every port (taken once per pass), the converter type, and the values of the
// previous pass a rule needs before this pass has decoded them again. A few
// decoders read a value an earlier decoder of the same pass wrote (the active
// cab, the sub-system states, the input power); updatemvbvariables() says
// which. Kept from pass to pass in the store: temp_emergency, the life-sign
// supervision, the energy references, the second loco's sub-system states.
//
// Only fresh data speaks: a stale port changes nothing a screen shows (its
// words may be anything; the rules never look at them). Texts derived from one
// port read unknownText() while that port is stale, three-state values
// TriNoData. A value with several sources is formed from the fresh ones: "on"
// (a fault, a lamp lit) as soon as one fresh source reports it, "off" or a
// number only when every source is fresh; where two ports carry copies of the
// same signal (the two vehicle control processors, the two processors reading
// one cab's reverser), one fresh copy is enough. Sources that contradict each
// other (both cabs at once, forward and reverse, traction and braking demand,
// pantograph up and down) give unknown, never a guess.

#include "acquisition/mvbvaria.h"

#include "acquisition/unknown.h"
#include "platform/translation.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>

namespace {

// Texts shown translated (looked up in the context "QObject").
const char* const kOn = QT_TRANSLATE_NOOP("QObject", "ON");
const char* const kOff = QT_TRANSLATE_NOOP("QObject", "OFF");
const char* const kApplied = QT_TRANSLATE_NOOP("QObject", "Applied");
const char* const kReleased = QT_TRANSLATE_NOOP("QObject", "Released");
const char* const kUp = QT_TRANSLATE_NOOP("QObject", "UP");
const char* const kDown = QT_TRANSLATE_NOOP("QObject", "DOWN");
const char* const kYes = QT_TRANSLATE_NOOP("QObject", "YES");
const char* const kNo = QT_TRANSLATE_NOOP("QObject", "NO");
const char* const kTraction = QT_TRANSLATE_NOOP("QObject", "Traction");
const char* const kBraking = QT_TRANSLATE_NOOP("QObject", "Braking");
const char* const kThrottleZero = QT_TRANSLATE_NOOP("QObject", "Throttle Zero");

// MVB_DDU_Cab_Active: 1 and 2 the cabs, 0 none active, kCabUnknown.
constexpr int kNoCab = 0;

// MVB_DDU_Direction, MVB_DDU_Direction_2 (and kDirectionUnknown).
enum Direction : int { Neutral = 0, Forward = 1, Reverse = 2 };

// One source of a state reported by several ports: is its port fresh, and
// does it report the state.
struct Report {
    bool fresh;
    bool on;
};

// A state with several sources: on as soon as one fresh source reports it,
// off only when every source is fresh and none does, else unknown.
TriState fromSources(std::initializer_list<Report> sources)
{
    bool allFresh = true;
    for (const Report& x : sources) {
        if (x.fresh && x.on)
            return TriOn;
        allFresh = allFresh && x.fresh;
    }
    return allFresh ? TriOff : TriNoData;
}

// A signal carried by several ports as copies: on as soon as one fresh copy
// reports it, off when at least one copy is fresh and none does.
TriState fromCopies(std::initializer_list<Report> copies)
{
    bool anyFresh = false;
    for (const Report& x : copies) {
        if (x.fresh && x.on)
            return TriOn;
        anyFresh = anyFresh || x.fresh;
    }
    return anyFresh ? TriOff : TriNoData;
}

// The text of a three-state value.
const QString& stateText(TriState state, const QString& on, const QString& off)
{
    return state == TriOn ? on : state == TriOff ? off : unknownText();
}

QString fixed(double v, int decimals)
{
    return QString::number(v, 'f', decimals);
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

// Freshness of every port the decoding reads, taken once at the start of a
// pass: true while the port's freshness is below Max_Freshness.
struct PortsFresh {
    bool f1000, f1035, f1070, f1100, f1195, f1200, f1295, f1302, f1310, f1500, f1535, f1570, f1600, f1695, f1700, f1795,
        f1800;
    bool f2510, f2610;
    bool f3100, f3110, f3200, f3210, f3300, f3400, f3500, f3550, f3600, f3650;
    bool f3700, f3710, f3720, f3800, f3810, f3820, f3900, f3950, f4000;
};

PortsFresh portsFresh(const PortFreshness& s, unsigned maxFreshness)
{
    auto fresh = [maxFreshness](unsigned short f) { return f < maxFreshness; };
    PortsFresh f;
    f.f1000 = fresh(s.freshness_1000);
    f.f1035 = fresh(s.freshness_1035);
    f.f1070 = fresh(s.freshness_1070);
    f.f1100 = fresh(s.freshness_1100);
    f.f1195 = fresh(s.freshness_1195);
    f.f1200 = fresh(s.freshness_1200);
    f.f1295 = fresh(s.freshness_1295);
    f.f1302 = fresh(s.freshness_1302);
    f.f1310 = fresh(s.freshness_1310);
    f.f1500 = fresh(s.freshness_1500);
    f.f1535 = fresh(s.freshness_1535);
    f.f1570 = fresh(s.freshness_1570);
    f.f1600 = fresh(s.freshness_1600);
    f.f1695 = fresh(s.freshness_1695);
    f.f1700 = fresh(s.freshness_1700);
    f.f1795 = fresh(s.freshness_1795);
    f.f1800 = fresh(s.freshness_1800);
    f.f2510 = fresh(s.freshness_2510);
    f.f2610 = fresh(s.freshness_2610);
    f.f3100 = fresh(s.freshness_3100);
    f.f3110 = fresh(s.freshness_3110);
    f.f3200 = fresh(s.freshness_3200);
    f.f3210 = fresh(s.freshness_3210);
    f.f3300 = fresh(s.freshness_3300);
    f.f3400 = fresh(s.freshness_3400);
    f.f3500 = fresh(s.freshness_3500);
    f.f3550 = fresh(s.freshness_3550);
    f.f3600 = fresh(s.freshness_3600);
    f.f3650 = fresh(s.freshness_3650);
    f.f3700 = fresh(s.freshness_3700);
    f.f3710 = fresh(s.freshness_3710);
    f.f3720 = fresh(s.freshness_3720);
    f.f3800 = fresh(s.freshness_3800);
    f.f3810 = fresh(s.freshness_3810);
    f.f3820 = fresh(s.freshness_3820);
    f.f3900 = fresh(s.freshness_3900);
    f.f3950 = fresh(s.freshness_3950);
    f.f4000 = fresh(s.freshness_4000);
    return f;
}

// The translated texts, looked up once per pass.
struct Texts {
    QString on = platform::translated(kOn);
    QString off = platform::translated(kOff);
    QString applied = platform::translated(kApplied);
    QString released = platform::translated(kReleased);
    QString up = platform::translated(kUp);
    QString down = platform::translated(kDown);
    QString yes = platform::translated(kYes);
    QString no = platform::translated(kNo);
    QString traction = platform::translated(kTraction);
    QString braking = platform::translated(kBraking);
    QString throttleZero = platform::translated(kThrottleZero);

    const QString& onOff(bool b) const { return b ? on : off; }
    // "OFF" when the breaker of a consumer has tripped (its signal is 1).
    const QString& mcbState(bool tripped) const { return tripped ? off : on; }
    const QString& appliedReleased(bool b) const { return b ? applied : released; }
};

// Which vehicle control processor a value is taken from.
enum class Source { Neither, Flg1, Flg2 };

// What every decoder reads besides the store.
struct Pass {
    PortsFresh fresh;
    // FLG2 requests mastership and its port (3210) is fresh: a request read
    // from a stale port is not honoured.
    bool flg2Request;
    int srType; // converter type (Selected_SR_Type)
    Texts text;

    // FLG1 preferred: FLG1 unless FLG2 requests mastership or FLG1's port is
    // stale; FLG2 while its port is fresh; else neither (unknown).
    Source pick(bool flg1Fresh, bool flg2Fresh) const
    {
        if (!flg2Request && flg1Fresh)
            return Source::Flg1;
        if (flg2Fresh)
            return Source::Flg2;
        return Source::Neither;
    }
};

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
    bool PortsFresh::*fresh;
    SlotImage images[4];  // all TriNoData while the processor's port is stale
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
    {&PortsFresh::f3300, {&DerivedValues::MVB_DDU_HBB1_Oslot_Input, &DerivedValues::MVB_DDU_HBB1_Oslot_Output,
      &DerivedValues::MVB_DDU_HBB1_Qslot_Input, &DerivedValues::MVB_DDU_HBB1_Qslot_Output},
     nullptr, kHBB1Slots, int(sizeof kHBB1Slots / sizeof kHBB1Slots[0])},
    {&PortsFresh::f3400, {&DerivedValues::MVB_DDU_HBB2_Oslot_Input, &DerivedValues::MVB_DDU_HBB2_Oslot_Output,
      &DerivedValues::MVB_DDU_HBB2_Qslot_Input, &DerivedValues::MVB_DDU_HBB2_Qslot_Output},
     nullptr, kHBB2Slots, int(sizeof kHBB2Slots / sizeof kHBB2Slots[0])},
    {&PortsFresh::f3500, {&DerivedValues::MVB_DDU_STB1_Jslot_Input, &DerivedValues::MVB_DDU_STB1_Jslot_Output,
      &DerivedValues::MVB_DDU_STB1_Lslot_Input, &DerivedValues::MVB_DDU_STB1_Lslot_Output},
     &DerivedValues::MVB_DDU_STB1_Jslot_Input, kSTB1Slots, int(sizeof kSTB1Slots / sizeof kSTB1Slots[0])},
    {&PortsFresh::f3600, {&DerivedValues::MVB_DDU_STB2_Jslot_Input, &DerivedValues::MVB_DDU_STB2_Jslot_Output,
      &DerivedValues::MVB_DDU_STB2_Lslot_Input, &DerivedValues::MVB_DDU_STB2_Lslot_Output},
     nullptr, kSTB2Slots, int(sizeof kSTB2Slots / sizeof kSTB2Slots[0])},
    {&PortsFresh::f3700, {&DerivedValues::MVB_DDU_SLG1_Dslot_Input, &DerivedValues::MVB_DDU_SLG1_Dslot_Output,
      &DerivedValues::MVB_DDU_SLG1_Wslot_Input, &DerivedValues::MVB_DDU_SLG1_Wslot_Output},
     nullptr, kSLG1Slots, int(sizeof kSLG1Slots / sizeof kSLG1Slots[0])},
    {&PortsFresh::f3800, {&DerivedValues::MVB_DDU_SLG2_Dslot_Input, &DerivedValues::MVB_DDU_SLG2_Dslot_Output,
      &DerivedValues::MVB_DDU_SLG2_Wslot_Input, &DerivedValues::MVB_DDU_SLG2_Wslot_Output},
     nullptr, kSLG2Slots, int(sizeof kSLG2Slots / sizeof kSLG2Slots[0])},
};
// clang-format on

// ---------------------------------------------------------------- decoders

// Loco number and class (3110 / 3210), number of the second loco (2510),
// Co-Co bogies detected (1535, 3300; kept while stale).
void decodeIdentity(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    const Source source = p.pick(f.f3110, f.f3210);
    if (source == Source::Neither) {
        s.MVB_DDU_Loco_NO_String = unknownText();
        s.MVB_DDU_Loco_Type_String.clear();
    } else {
        const unsigned number = source == Source::Flg1 ? s.FLG1_D00_MLocoNum1 : s.FLG2_D00_MLocoNum1;
        s.MVB_DDU_Loco_NO_String = QString::number(number);
        s.MVB_DDU_Loco_Type_String = mvbvaria::locoClass(number);
    }
    s.MVB_DDU_Loco2_NO_String = f.f2510 ? QString::number(s.FLG1_D00_MLocoNum2) : unknownText();

    if (f.f1535)
        s.CoCo_bogie_chasisR = s.HBB1_D01_BDetCoCoR ? 1 : 0;
    if (f.f3300)
        s.CoCo_bogie_chasis = s.HBB1_D01_BDetCoCo ? 1 : 0;
}

// Battery voltage (3100 / 3200); earth faults of the auxiliary circuit (3300,
// 3600), of the control circuit (3300) and of the power circuit (3700, 3800,
// 3300).
void decodeBatteryAndEarthFaults(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    const Source source = p.pick(f.f3100, f.f3200);
    if (source == Source::Neither) {
        s.MVB_DDU_Battery = 0;
        s.MVB_DDU_Battery_String = unknownText();
    } else {
        const float battery = source == Source::Flg1 ? s.FLG1_D21_XU_Battery : s.FLG2_D21_XU_Battery;
        s.MVB_DDU_Battery = toInt(battery);
        s.MVB_DDU_Battery_String = fixed(battery, 1);
    }

    s.MVB_DDU_Earth_Fault_Auxiliary = fromSources({{f.f3300, s.HBB1_D04_EFAUXCkt || s.HBB1_D01_MEFR415_110},
                                                   {f.f3600, s.STB2_D04_EFAUXCkt || s.STB2_D01_MEFRBUR}});
    s.MVB_DDU_Earth_Fault_Control = f.f3300 ? triState(s.HBB1_D04_EFContCkt || s.HBB1_D01_MEFRContrl) : TriNoData;

    const TriState power = fromSources({{f.f3700, s.SLG1_D09_PDistEarthF != 0},
                                        {f.f3800, s.SLG2_D09_PDistEarthF != 0},
                                        {f.f3300, s.HBB1_D01_MEFRFilter != 0}});
    s.MVB_DDU_Earth_Fault_Power = power;
    s.MVB_DDU_Earth_Fault_Power_String = stateText(power, p.text.on, p.text.off);
}

// Loco brake from the brake cylinders (3400, 3600), main reservoir pressure
// switch (3400), brake pipe pressure (3110 / 3210; automatic brake applied
// below 4.8).
void decodeBrakes(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    // Applied as soon as one brake cylinder is; released only when both are known.
    s.MVB_DDU_Loco_Break =
        fromSources({{f.f3400, s.HBB2_D01_MPrSwBkCyl2 != 0}, {f.f3600, s.STB2_D01_MPrSwBkCyl1 != 0}});
    if (f.f3400) {
        s.MVB_DDU_MR = triState(s.HBB2_D01_MPrSwLowMR);
        s.MVB_DDU_MR_Pressure_String = s.HBB2_D01_MPrSwLowMR ? QStringLiteral("< 6.4") : QStringLiteral("> 6.4");
        s.MVB_DDU_BC2_Pressure_String = p.text.appliedReleased(s.HBB2_D01_MPrSwBkCyl2);
    } else {
        s.MVB_DDU_MR = TriNoData;
        s.MVB_DDU_MR_Pressure_String = s.MVB_DDU_BC2_Pressure_String = unknownText();
    }
    s.MVB_DDU_BC1_Pressure_String = f.f3600 ? p.text.appliedReleased(s.STB2_D01_MPrSwBkCyl1) : unknownText();

    // FLG2's brake pipe only while it requests mastership; FLG1's otherwise.
    if ((f.f3210 && p.flg2Request) || (f.f3110 && !p.flg2Request)) {
        const float pipe = p.flg2Request ? s.FLG2_D45_XPrAutoBkLn : s.FLG1_D45_XPrAutoBkLn;
        s.MVB_DDU_BP_Demand = pipe;
        s.MVB_DDU_BP_Pressure_String = fixed(pipe, 1);
        s.MVB_DDU_Auto_Break = triState(pipe < 4.8f);
    } else {
        s.MVB_DDU_Auto_Break = TriNoData;
        s.MVB_DDU_BP_Pressure_String = unknownText();
    }
}

// Lamps: parking brake (3400), constant speed (3500, 3600), vigilance warning
// (3600), fault indication (3300, 3400), wheel slip (3500, 3600).
void decodeLamps(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    s.MVB_DDU_BPPB = f.f3400 ? triState(s.HBB2_D44_MParkBkApp) : TriNoData;
    s.MVB_DDU_BPCS = fromSources({{f.f3500, s.STB1_D02_MLampCSpeed != 0}, {f.f3600, s.STB2_D02_MLampCSpeed != 0}});
    s.MVB_DDU_LSVW = f.f3600 ? triState(s.STB2_D01_MVigWarn) : TriNoData;
    s.MVB_DDU_BPFA = fromSources({{f.f3300, s.HBB1_D02_MLampFInd != 0}, {f.f3400, s.HBB2_D02_MLampFInd != 0}});
    s.MVB_DDU_LSFI = fromSources({{f.f3300, s.HBB1_D02_MLampFault != 0}, {f.f3400, s.HBB2_D02_MLampFault != 0}});
    const TriState slip = fromSources({{f.f3600, s.STB2_D02_MLampWSlip != 0}, {f.f3500, s.STB1_D02_MLampWSlip != 0}});
    s.MVB_DDU_LSP = slip;
    s.MVB_DDU_Wheel_Slip_String = stateText(slip, p.text.yes, p.text.no);
    // No port carries the antispin lamp: it is never known.
    s.MVB_DDU_Antispin = TriNoData;
}

// Emergency: the emergency stop of the active cab (3300 for cab 1, 3400 for
// cab 2; none while no cab is active, so nothing stays latched), or the brake
// pipe emptied while the master vehicle control runs (node and brake pipe of
// FLG1, 3100 and 3110, or of FLG2, 3200 and 3210, while its request is
// honoured). Released only when both are known and clear.
void decodeEmergency(SignalStore& s, const Pass& p, int cab)
{
    const PortsFresh& f = p.fresh;
    Report stop{cab == kNoCab, false}; // an unknown cab leaves the stop unknown
    if (cab == 1)
        stop = {f.f3300, s.HBB1_D01_LEmgStop != 0};
    else if (cab == 2)
        stop = {f.f3400, s.HBB2_D01_LEmgStop != 0};
    if (stop.fresh)
        s.temp_emergency = stop.on;

    const bool flg2 = p.flg2Request;
    const unsigned node = flg2 ? s.FLG2_D07_XNodeMSC : s.FLG1_D07_XNodeMSC;
    const float pipe = flg2 ? s.FLG2_D45_XPrAutoBkLn : s.FLG1_D45_XPrAutoBkLn;
    const bool runningNode = node != 0 && node != 12 && node != 612;
    const Report emptied{flg2 ? f.f3200 && f.f3210 : f.f3100 && f.f3110, runningNode && pipe < 3.0f};
    s.MVB_DDU_EMG = fromSources({stop, emptied});
}

// The cab a vehicle control processor names: unknown when it names both.
int namedCab(bool cab1, bool cab2)
{
    return cab1 && cab2 ? kCabUnknown : cab1 ? 1 : cab2 ? 2 : kNoCab;
}

// The active cab from the two vehicle control processors (3100, 3200), which
// carry copies of the cab signals: one fresh copy is enough; a processor
// naming both cabs, or the two naming different cabs, leaves it unknown.
int activeCab(const SignalStore& s, const PortsFresh& f)
{
    if (!f.f3100 && !f.f3200)
        return kCabUnknown;
    const int c1 = f.f3100 ? namedCab(s.FLG1_D23_MCab1Active, s.FLG1_D23_MCab2Active) : kNoCab;
    const int c2 = f.f3200 ? namedCab(s.FLG2_D23_MCab1Active, s.FLG2_D23_MCab2Active) : kNoCab;
    if (c1 == kCabUnknown || c2 == kCabUnknown || (c1 != kNoCab && c2 != kNoCab && c1 != c2))
        return kCabUnknown;
    return std::max(c1, c2);
}

// A copy of the reverser's two contacts as one processor reads them.
struct ReverserCopy {
    bool fresh;
    bool forward;
    bool reverse;
};

// Direction of travel from the fresh copies of a reverser: unknown without a
// fresh copy, or with forward and reverse reported at once.
int travelDirection(std::initializer_list<ReverserCopy> copies)
{
    bool known = false, forward = false, reverse = false;
    for (const ReverserCopy& c : copies) {
        if (!c.fresh)
            continue;
        known = true;
        forward = forward || c.forward;
        reverse = reverse || c.reverse;
    }
    if (!known || (forward && reverse))
        return kDirectionUnknown;
    return forward ? Forward : reverse ? Reverse : Neutral;
}

// Active cab (3100 / 3200); direction of travel of the active cab (its
// reverser read by 3300 and 3500 for cab 1, 3400 and 3600 for cab 2) and of
// the second loco (2510). Returns the active cab.
int decodeCab(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    const int cab = activeCab(s, f);
    s.MVB_DDU_Cab_Active = cab;
    if (cab == 1)
        s.MVB_DDU_Direction = travelDirection({{f.f3300, s.HBB1_D24_LTrvDirFor != 0, s.HBB1_D24_LTrvDirRev != 0},
                                               {f.f3500, s.STB1_D24_LTrvDirFor != 0, s.STB1_D24_LTrvDirRev != 0}});
    else if (cab == 2)
        s.MVB_DDU_Direction = travelDirection({{f.f3400, s.HBB2_D24_LTrvDirFor != 0, s.HBB2_D24_LTrvDirRev != 0},
                                               {f.f3600, s.STB2_D24_LTrvDirFor != 0, s.STB2_D24_LTrvDirRev != 0}});
    else
        s.MVB_DDU_Direction = cab == kNoCab ? Neutral : kDirectionUnknown;
    // Multiple operation is only reported from a fresh 2510.
    s.MVB_DDU_Direction_2 = s.multiOpMode_slave1_active == 1
        ? travelDirection({{f.f2510, s.slave1_LTrvDirFor != 0, s.slave1_LTrvDirREV != 0}})
        : Neutral;
    return cab;
}

// Tractive / braking effort, actual and demanded, signed percent (FLG1
// preferred, 3100 / 3200); position of the master controller: traction or
// braking demand of the desks (3300, 3400), else throttle zero as the chosen
// vehicle control processor reports it.
void decodeEffort(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    const Source source = p.pick(f.f3100, f.f3200);
    if (source == Source::Neither) {
        s.MVB_DDU_BE_Actual = s.MVB_DDU_BE_Demand = 0;
        s.MVB_DDU_BE_Actual_String = s.MVB_DDU_BE_Demand_String = unknownText();
    } else {
        const bool flg1 = source == Source::Flg1;
        const float actual = flg1 ? s.FLG1_D46_XTE_BE_Loco : s.FLG2_D46_XTE_BE_Loco;
        const float demand = flg1 ? s.FLG1_D53_WTE_BE_Loco : s.FLG2_D53_WTE_BE_Loco;
        s.MVB_DDU_BE_Actual = toInt(mvbvaria::Check_Negative_Value(toInt(actual)) * 100.0f / 4096.0f);
        s.MVB_DDU_BE_Demand = toInt(mvbvaria::Check_Negative_Value(toInt(demand)) * 100.0f / 4096.0f);
        s.MVB_DDU_BE_Actual_String = QString::number(s.MVB_DDU_BE_Actual);
        s.MVB_DDU_BE_Demand_String = QString::number(s.MVB_DDU_BE_Demand);
    }

    const bool traction = (f.f3300 && s.HBB1_D01_LTEDemand) || (f.f3400 && s.HBB2_D01_LTEDemand);
    const bool braking = (f.f3300 && s.HBB1_D01_LBEDemand) || (f.f3400 && s.HBB2_D01_LBEDemand);
    QString& position = s.MVB_DDU_Master_Control_Position_String;
    if (traction && braking)
        position = unknownText(); // both demands at once: no position can be told
    else if (traction)
        position = p.text.traction;
    else if (braking)
        position = p.text.braking;
    else if (source == Source::Neither)
        position = unknownText();
    else
        position = (source == Source::Flg1 ? s.FLG1_D26_MThTE_BEE0 : s.FLG2_D26_MThTE_BEE0) ? p.text.throttleZero
                                                                                            : unknownText();
}

// Speed, pneumatic brake demand, inching speed (3110 / 3210).
void decodeSpeed(SignalStore& s, const Pass& p)
{
    const Source source = p.pick(p.fresh.f3110, p.fresh.f3210);
    if (source == Source::Neither) {
        s.MVB_DDU_Speed = 0;
        s.MVB_DDU_Speed_String = unknownText();
        s.MVB_DDU_Pneumatic_Brake_Demand_String = unknownText();
        s.MVB_DDU_Speed_Inching_String = unknownText();
        return;
    }
    const bool flg1 = source == Source::Flg1;
    const float speed = flg1 ? s.FLG1_D50_XSpeedLoco : s.FLG2_D50_XSpeedLoco;
    s.MVB_DDU_Speed = toInt(speed);
    s.MVB_DDU_Speed_String = QString::number(s.MVB_DDU_Speed);
    s.MVB_DDU_Pneumatic_Brake_Demand_String = fixed(flg1 ? s.FLG1_D45_WPnBEdem : s.FLG2_D45_WPnBEdem, 2);
    s.MVB_DDU_Speed_Inching_String = fixed(speed, 2);
}

// Sub-system switch-off states of this loco (1310) and of the second loco
// (2510), and whether a sub-system of each is isolated.
void decodeSubSystems(SignalStore& s, const Pass& p)
{
    const int states[19] = {
        s.FLG1_D54_BSubS01_Off, s.FLG1_D54_BSubS02_Off, s.FLG1_D54_BSubS03_Off, s.FLG1_D54_BSubS04_Off,
        s.FLG1_D54_BSubS05_Off, s.FLG1_D54_BSubS06_Off, s.FLG1_D54_BSubS07_Off, s.FLG1_D54_BSubS08_Off,
        s.FLG1_D54_BSubS09_Off, s.FLG1_D54_BSubS10_Off, s.FLG1_D54_BSubS11_Off, s.FLG1_D54_BSubS12_Off,
        s.FLG1_D54_BSubS13_Off, s.FLG1_D54_BSubS14_Off, s.FLG1_D54_BSubS15_Off, s.FLG1_D54_BSubS16_Off,
        s.FLG1_D54_BSubS17_Off, s.FLG1_D54_BSubS18_Off, s.FLG1_D54_BSubS19_Off};
    for (int k = 0; k < 19; ++k)
        s.MVB_DDU_LOCO_SUB_System[k] = p.fresh.f1310 ? states[k] : 99; // 99: unknown
    s.MVB_DDU_LOCO_SUB_System[19] = 99;
    const int first = s.MVB_DDU_LOCO_SUB_System[0];
    s.MVB_DDU_Loco_ISO_Status = first == 4 ? TriOn : (first == 99 ? TriNoData : TriOff);

    // Second loco: elements at 2 or 3 stay while their flag is 0; all 4 while stale.
    if (p.fresh.f2510) {
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
    int iso2 = s.MVB_DDU_LOCO2_SUB_System[18] == 4 ? TriNoData : TriOff;
    for (int k = 0; k < 19; ++k) {
        const int e = s.MVB_DDU_LOCO2_SUB_System[k];
        if (e >= 1 && e <= 3) {
            iso2 = TriOn;
            break;
        }
    }
    s.MVB_DDU_Loco_ISO2_Status = iso2;
}

// Pantograph from the up and down requests read by HBB2 (3400) and STB2
// (3600): up as soon as a fresh port asks for it, down only when both are
// fresh and none does; up and down asked at once is unknown.
TriState pantograph(const SignalStore& s, const PortsFresh& f)
{
    const bool up = (f.f3400 && (s.HBB2_D31_LPanUpWish || s.HBB2_D01_LPanUp)) ||
        (f.f3600 && (s.STB2_D31_LPanUpWish || s.STB2_D01_LPanUp));
    const bool down = (f.f3400 && s.HBB2_D31_LPanDnWish) || (f.f3600 && s.STB2_D31_LPanDnWish);
    if (up && down)
        return TriNoData;
    return fromSources({{f.f3400, up}, {f.f3600, up}});
}

// Pantograph (3400, 3600); vacuum circuit breaker, primary voltage and
// current (3100 / 3200).
void decodeLineSide(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    const TriState panto = pantograph(s, f);
    s.MVB_DDU_Panto = panto;
    s.MVB_DDU_Panto_String = stateText(panto, p.text.up, p.text.down);

    const Source source = p.pick(f.f3100, f.f3200);
    if (source == Source::Neither) {
        s.MVB_DDU_VCB = s.MVB_DDU_LSDJ = TriNoData;
        s.MVB_DDU_VCB_String = s.MVB_DDU_UPRIM_String = s.MVB_DDU_IPRIM_String = unknownText();
        return;
    }
    const bool flg1 = source == Source::Flg1;
    const bool vcb = flg1 ? s.FLG1_D07_MVCB_On : s.FLG2_D07_MVCB_On;
    const float uprim = flg1 ? s.FLG1_D21_XUprim : s.FLG2_D21_XUprim;
    const float iprim = flg1 ? s.FLG1_D21_XIprim : s.FLG2_D21_XIprim;
    s.MVB_DDU_VCB = triState(vcb);
    s.MVB_DDU_VCB_String = p.text.onOff(vcb);
    s.MVB_DDU_LSDJ = triState(!vcb); // the breaker-open lamp
    s.MVB_DDU_UPRIM = toInt(uprim);
    s.MVB_DDU_IPRIM = toInt(iprim);
    s.MVB_DDU_UPRIM_String = fixed(uprim, 2);
    s.MVB_DDU_IPRIM_String = fixed(iprim, 2);
}

// Line frequency from the line converter of bogie 1 (3720, while its
// sub-system state reads 0) or of bogie 2 (3820); input power of the two
// line converters (3700, 3800); hotel load and primary over-current (3500);
// harmonic filter (3700, 3800).
void decodeLinePower(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    const bool bogie1 = s.MVB_DDU_LOCO_SUB_System[1] == 0 && f.f3720;
    if (bogie1 || f.f3820) {
        const double factor = p.srType == 3 ? 10.0 : 1.0;
        s.MVB_DDU_Line_Frequency = (bogie1 ? s.SLG1_D04_NSC1_XAFUN : s.SLG2_D04_NSC2_XAFUN) * factor;
        s.MVB_DDU_Line_Frequency_String = fixed(s.MVB_DDU_Line_Frequency, 2);
        s.MVB_DDU_Line_Frequency_INT_String = fixed(s.MVB_DDU_Line_Frequency, 0);
    } else {
        s.MVB_DDU_Line_Frequency = 0;
        s.MVB_DDU_Line_Frequency_String = s.MVB_DDU_Line_Frequency_INT_String = unknownText();
    }

    // Input power of each line converter from its own port; the total only
    // while both are known.
    if (f.f3700) {
        s.MVB_DDU_Input_Power1 = mvbvaria::Check_Negative_Value(s.SLG1_D04_XPN & 0xFFFF) / 40.96 * 100.0;
        s.MVB_DDU_Input_Power1_String = fixed(s.MVB_DDU_Input_Power1, 2);
    } else {
        s.MVB_DDU_Input_Power1_String = unknownText();
    }
    if (f.f3800) {
        s.MVB_DDU_Input_Power2 = mvbvaria::Check_Negative_Value(s.SLG2_D04_XPN & 0xFFFF) / 40.96 * 100.0;
        s.MVB_DDU_Input_Power2_String = fixed(s.MVB_DDU_Input_Power2, 2);
    } else {
        s.MVB_DDU_Input_Power2_String = unknownText();
    }
    if (f.f3700 && f.f3800) {
        const double total = s.MVB_DDU_Input_Power1 + s.MVB_DDU_Input_Power2;
        s.MVB_DDU_Input_Power = toInt(total);
        s.MVB_DDU_Input_Power_String = fixed(total, 2);
    } else {
        s.MVB_DDU_Input_Power_String = unknownText();
    }
    s.MVB_DDU_Filter_String = stateText(fromSources({{f.f3700, s.SLG1_D01_MFiltOn || s.SLG1_D85_BFiltOn},
                                                     {f.f3800, s.SLG2_D85_MFiltOn || s.SLG2_D01_MFiltOn}}),
                                        p.text.on, p.text.off);

    s.MVB_DDU_Hotel_Load_String = f.f3500 ? p.text.onOff(s.STB1_D01_MContHotel) : unknownText();
    if (!f.f3500) {
        s.MVB_DDU_Primary_Over_Current = TriNoData;
        s.MVB_DDU_Primary_Over_Current_String = unknownText();
    } else {
        const bool high = s.STB1_D09_MIPrimHigh || s.STB1_D01_MIPrimHigh;
        s.MVB_DDU_Primary_Over_Current = triState(high);
        s.MVB_DDU_Primary_Over_Current_String = p.text.onOff(high);
    }
}

void contactorTexts(const Texts& text, bool portFresh, int srType, bool loadContactor, bool mainContactor, char vent3,
                    char vent2, char vent1, QString& preCharge, QString& input, QString& ventilation)
{
    if (!portFresh) {
        preCharge = input = ventilation = unknownText();
        return;
    }
    // With converter type 3 the two contactor feedbacks are wired the other way round.
    preCharge = text.onOff(srType == 3 ? mainContactor : loadContactor);
    input = text.onOff(srType == 3 ? loadContactor : mainContactor);
    ventilation = vent3 ? QStringLiteral("3")
        : vent2         ? QStringLiteral("2")
        : vent1         ? QStringLiteral("1")
                        : QStringLiteral("0");
}

// Traction motors and line converters in service (signals of 3110; unknown
// while it is stale); pre-charge and input contactors and ventilation level
// of each traction converter (3700, 3800).
void decodeTractionConverters(SignalStore& s, const Pass& p)
{
    const bool known = p.fresh.f3110;
    const char master[6] = {s.MVB_DDU_MotorMaster1_SLG1, s.MVB_DDU_MotorMaster2_SLG1, s.MVB_DDU_MotorMaster3_SLG1,
                            s.MVB_DDU_MotorMaster1_SLG2, s.MVB_DDU_MotorMaster2_SLG2, s.MVB_DDU_MotorMaster3_SLG2};
    const char slave[6] = {s.MVB_DDU_MotorSlave1_SLG1, s.MVB_DDU_MotorSlave2_SLG1, s.MVB_DDU_MotorSlave3_SLG1,
                           s.MVB_DDU_MotorSlave1_SLG2, s.MVB_DDU_MotorSlave2_SLG2, s.MVB_DDU_MotorSlave3_SLG2};
    auto state = [known](char bit) { return known ? int(bit) : int(TriNoData); };
    for (int k = 0; k < 6; ++k) {
        s.MVB_DDU_MotorMaster_Status[k] = state(master[k]);
        s.MVB_DDU_MotorSlave_Status[k] = state(slave[k]);
    }
    s.LineConverter1_status_SLG1 = state(s.MVB_DDU_LineConverter1_SLG1);
    s.LineConverter2_status_SLG1 = state(s.MVB_DDU_LineConverter2_SLG1);
    s.LineConverter1_status_SLG2 = state(s.MVB_DDU_LineConverter1_SLG2);
    s.LineConverter2_status_SLG2 = state(s.MVB_DDU_LineConverter2_SLG2);

    contactorTexts(p.text, p.fresh.f3700, p.srType, s.SLG1_D87_BLdSEin || s.SLG1_D01_MLdSEin,
                   s.SLG1_D01_MSRSEin || s.SLG1_D87_BSRSEin, s.SLG1_D09_BVentLevel3, s.SLG1_D09_BVentLevel2,
                   s.SLG1_D09_BVentLevel1, s.MVB_DDU_PreChrage_Contactor1_String, s.MVB_DDU_Input_Contactor1_String,
                   s.MVB_DDU_Ventilation_Level1_String);
    contactorTexts(p.text, p.fresh.f3800, p.srType, s.SLG2_D87_BLdSEin || s.SLG2_D01_MLdSEin,
                   s.SLG2_D01_MSRSEin || s.SLG2_D87_BSRSEin, s.SLG2_D09_BVentLevel3, s.SLG2_D09_BVentLevel2,
                   s.SLG2_D09_BVentLevel1, s.MVB_DDU_PreChrage_Contactor2_String, s.MVB_DDU_Input_Contactor2_String,
                   s.MVB_DDU_Ventilation_Level2_String);
}

// DC link voltage of the traction converters (3720, 3820), their input power
// (3700, 3800; the line converters' texts of this pass), motor speeds (3710,
// 3810) and temperatures (3700, 3800).
void decodeTractionMotors(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    const double factor = p.srType == 3 ? 4.1 : 1.0;
    s.MVB_DDU_Traction_DC_Link_Volatge1_String = f.f3720 ? fixed(s.SLG1_D04_NSC1_XAUD * factor, 2) : unknownText();
    s.MVB_DDU_Traction_DC_Link_Volatge2_String = f.f3820 ? fixed(s.SLG2_D04_NSC2_XAUD * factor, 2) : unknownText();
    s.MVB_DDU_SR_Input_Power1_String = f.f3700 ? s.MVB_DDU_Input_Power1_String : unknownText();
    s.MVB_DDU_SR_Input_Power2_String = f.f3800 ? s.MVB_DDU_Input_Power2_String : unknownText();

    const float speeds[6] = {s.SLG1_D90_XVist_A1, s.SLG1_D90_XVist_A2, s.SLG1_D90_XVist_A3,
                             s.SLG2_D90_XVist_A1, s.SLG2_D90_XVist_A2, s.SLG2_D90_XVist_A3};
    QString* speedTexts[6] = {&s.MVB_DDU_TM_Speed1_String, &s.MVB_DDU_TM_Speed2_String, &s.MVB_DDU_TM_Speed3_String,
                              &s.MVB_DDU_TM_Speed4_String, &s.MVB_DDU_TM_Speed5_String, &s.MVB_DDU_TM_Speed6_String};
    const float temps[6] = {s.SLG1_D88_XTempMotor1, s.SLG1_D88_XTempMotor2, s.SLG1_D88_XTempMotor3,
                            s.SLG2_D88_XTempMotor1, s.SLG2_D88_XTempMotor2, s.SLG2_D88_XTempMotor3};
    QString* tempTexts[6] = {&s.MVB_DDU_TM_Temperature1_String, &s.MVB_DDU_TM_Temperature2_String,
                             &s.MVB_DDU_TM_Temperature3_String, &s.MVB_DDU_TM_Temperature4_String,
                             &s.MVB_DDU_TM_Temperature5_String, &s.MVB_DDU_TM_Temperature6_String};
    QString* tempIntTexts[6] = {&s.MVB_DDU_TM_Temperature1_INT_String, &s.MVB_DDU_TM_Temperature2_INT_String,
                                &s.MVB_DDU_TM_Temperature3_INT_String, &s.MVB_DDU_TM_Temperature4_INT_String,
                                &s.MVB_DDU_TM_Temperature5_INT_String, &s.MVB_DDU_TM_Temperature6_INT_String};
    for (int k = 0; k < 6; ++k) {
        const bool speedFresh = k < 3 ? f.f3710 : f.f3810;
        const bool tempFresh = k < 3 ? f.f3700 : f.f3800;
        *speedTexts[k] = speedFresh ? fixed(speeds[k], 2) : unknownText();
        *tempTexts[k] = tempFresh ? fixed(temps[k], 2) : unknownText();
        *tempIntTexts[k] = tempFresh ? fixed(temps[k], 0) : unknownText();
    }
}

// Transformer and converter oil: temperatures and pressures (3700, 3800).
void decodeOil(SignalStore& s, const Pass& p)
{
    if (p.fresh.f3700) {
        s.MVB_DDU_TFP_Temperature1_String = fixed(s.SLG1_D88_XTempOilTr, 2);
        s.MVB_DDU_SR_Temperature1_String = fixed(s.SLG1_D88_XTempOilCv, 2);
        s.MVB_DDU_TFP_Pressure1_String = fixed(s.SLG1_D88_XPressureTr, 2);
        s.MVB_DDU_SR_Pressure1_String = fixed(s.SLG1_D88_XPressureCv, 2);
    } else {
        s.MVB_DDU_TFP_Temperature1_String = s.MVB_DDU_SR_Temperature1_String = unknownText();
        s.MVB_DDU_TFP_Pressure1_String = s.MVB_DDU_SR_Pressure1_String = unknownText();
    }
    if (p.fresh.f3800) {
        s.MVB_DDU_TFP_Temperature2_String = fixed(s.SLG2_D88_XTempOilTr, 2);
        s.MVB_DDU_SR_Temperature2_String = fixed(s.SLG2_D88_XTempOilCv, 2);
        s.MVB_DDU_TFP_Pressure2_String = fixed(s.SLG2_D88_XPressureTr, 2);
        s.MVB_DDU_SR_Pressure2_String = fixed(s.SLG2_D88_XPressureCv, 2);
    } else {
        s.MVB_DDU_TFP_Temperature2_String = s.MVB_DDU_SR_Temperature2_String = unknownText();
        s.MVB_DDU_TFP_Pressure2_String = s.MVB_DDU_SR_Pressure2_String = unknownText();
    }
}

// Auxiliary supply: highest output voltage of the three auxiliary converters
// (3900, 3950, 4000) and higher auxiliary current of the two traction
// converters (3700, 3800), each only while every converter is known; group
// contactors (3900, 3950, 4000; 52/4 is reported by BUR1 and BUR2 alike);
// auxiliary converters switched off, sub-system state 4 as FLG1 reports it
// (1310). FLG2 publishes no sub-system states: while its mastership request is
// honoured they are unknown.
void decodeAuxiliarySupply(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    if (f.f3900 && f.f3950 && f.f4000) {
        const float v = std::max({s.BUR1_D73_XUUN, s.BUR2_D73_XUUN, s.BUR3_D73_XUUN});
        s.MVB_DDU_Auxiliary_Voltage_String = fixed(v * 12.5, 2);
    } else {
        s.MVB_DDU_Auxiliary_Voltage_String = unknownText();
    }
    s.MVB_DDU_Auxiliary_Current_String =
        f.f3700 && f.f3800 ? fixed(std::max(s.SLG1_D01_XIBUR, s.SLG2_D01_XIBUR), 2) : unknownText();

    s.MVB_DDU_Group_Contact_541_String = f.f3950 ? p.text.onOff(s.BUR2_D01_M52_1Close) : unknownText();
    s.MVB_DDU_Group_Contact_542_String = f.f3950 ? p.text.onOff(s.BUR2_D01_M52_2Close) : unknownText();
    s.MVB_DDU_Group_Contact_543_String = f.f4000 ? p.text.onOff(s.BUR3_D01_M52_3Close) : unknownText();
    s.MVB_DDU_Group_Contact_544_String =
        stateText(fromCopies({{f.f3900, s.BUR1_D01_M52_4Close != 0}, {f.f3950, s.BUR2_D01_M52_4Close != 0}}), p.text.on,
                  p.text.off);
    s.MVB_DDU_Group_Contact_545_String = f.f3900 ? p.text.onOff(s.BUR1_D01_M52_5Close) : unknownText();

    if (p.flg2Request || !f.f1310) {
        s.MVB_DDU_BUR1_Status_String = s.MVB_DDU_BUR2_Status_String = s.MVB_DDU_BUR3_Status_String = unknownText();
        return;
    }
    s.MVB_DDU_BUR1_Status_String = p.text.onOff(s.FLG1_D54_BSubS06_Off != 4);
    s.MVB_DDU_BUR2_Status_String = p.text.onOff(s.FLG1_D54_BSubS07_Off != 4);
    s.MVB_DDU_BUR3_Status_String = p.text.onOff(s.FLG1_D54_BSubS08_Off != 4);
}

void auxiliaryConverterTexts(bool portFresh, float dcVoltage, float dcCurrent, float frequency, QString& dcV,
                             QString& dcI, QString& outV, QString& outF)
{
    if (!portFresh) {
        dcV = dcI = outV = outF = unknownText();
        return;
    }
    dcV = fixed(dcVoltage, 2);
    dcI = fixed(dcCurrent, 2);
    outV = fixed(frequency * 415.0 / 50.0, 2);
    outF = fixed(frequency, 2);
}

// Auxiliary converters: DC link, output voltage and frequency (3900, 3950, 4000).
void decodeAuxiliaryConverters(SignalStore& s, const Pass& p)
{
    auxiliaryConverterTexts(p.fresh.f3900, s.BUR1_D73_XUUZ1, s.BUR1_D73_XUIZ1, s.BUR1_D01_XUFWR,
                            s.MVB_DDU_BUR1_DC_Link_Voltage_String, s.MVB_DDU_BUR1_DC_Link_Current_String,
                            s.MVB_DDU_BUR1_Output_Voltage_String, s.MVB_DDU_BUR1_Output_Frequency_String);
    auxiliaryConverterTexts(p.fresh.f3950, s.BUR2_D73_XUUZ1, s.BUR2_D73_XUIZ1, s.BUR2_D01_XUFWR,
                            s.MVB_DDU_BUR2_DC_Link_Voltage_String, s.MVB_DDU_BUR2_DC_Link_Current_String,
                            s.MVB_DDU_BUR2_Output_Voltage_String, s.MVB_DDU_BUR2_Output_Frequency_String);
    auxiliaryConverterTexts(p.fresh.f4000, s.BUR3_D73_XUUZ1, s.BUR3_D73_XUIZ1, s.BUR3_D01_XUFWR,
                            s.MVB_DDU_BUR3_DC_Link_Voltage_String, s.MVB_DDU_BUR3_DC_Link_Current_String,
                            s.MVB_DDU_BUR3_Output_Voltage_String, s.MVB_DDU_BUR3_Output_Frequency_String);
}

// Compressors (3500, 3400) and the breakers of the blowers and oil pumps
// (3300 for bogie 1, 3600 for bogie 2).
void decodeBreakers(SignalStore& s, const Pass& p)
{
    s.MVB_DDU_Compressor1_String = p.fresh.f3500 ? p.text.mcbState(s.STB1_D01_MMCBCompr1) : unknownText();
    s.MVB_DDU_Compressor2_String = p.fresh.f3400 ? p.text.mcbState(s.HBB2_D01_MMCBCompr2) : unknownText();
    if (p.fresh.f3300) {
        s.MVB_DDU_OCB1_String = p.text.mcbState(s.HBB1_D01_MMCBBloCT1);
        s.MVB_DDU_SR_Oil_Pump1_String = p.text.mcbState(s.HBB1_D01_MMCBPumpC1);
        s.MVB_DDU_TFP_Oil_Pump1_String = p.text.mcbState(s.HBB1_D01_MMCBPumpT1);
        s.MVB_DDU_TM_Blower1_String = p.text.mcbState(s.HBB1_D01_MMCBBloTM1);
        s.MVB_DDU_MR_Blower1_String = p.text.mcbState(s.HBB1_D01_MMCBBloMR1);
    } else {
        s.MVB_DDU_OCB1_String = s.MVB_DDU_SR_Oil_Pump1_String = s.MVB_DDU_TFP_Oil_Pump1_String = unknownText();
        s.MVB_DDU_TM_Blower1_String = s.MVB_DDU_MR_Blower1_String = unknownText();
    }
    if (p.fresh.f3600) {
        s.MVB_DDU_OCB2_String = p.text.mcbState(s.STB2_D01_MMCBBloCT2);
        s.MVB_DDU_SR_Oil_Pump2_String = p.text.mcbState(s.STB2_D01_MMCBPumpC2);
        s.MVB_DDU_TFP_Oil_Pump2_String = p.text.mcbState(s.STB2_D01_MMCBPumpT2);
        s.MVB_DDU_TM_Blower2_String = p.text.mcbState(s.STB2_D01_MMCBBloTM2);
        s.MVB_DDU_MR_Blower2_String = p.text.mcbState(s.STB2_D01_MMCBBloMR2);
    } else {
        s.MVB_DDU_OCB2_String = s.MVB_DDU_SR_Oil_Pump2_String = s.MVB_DDU_TFP_Oil_Pump2_String = unknownText();
        s.MVB_DDU_TM_Blower2_String = s.MVB_DDU_MR_Blower2_String = unknownText();
    }
}

// Energy since this display started: the difference to the reference, shown
// only from 1 to 65534 kWh (else "000 000 000"; the stored trip value then
// stays as it was). Returns the trip the text shows.
int energyTrip(int value, int reference, int& tripValue, QString& tripText)
{
    const long long d = static_cast<long long>(value) - reference;
    if (d >= 1 && d <= 65534) {
        tripValue = static_cast<int>(d);
        tripText = mvbvaria::Enegry_Display(tripValue);
        return tripValue;
    }
    tripText = QStringLiteral("000 000 000");
    return 0;
}

// Regenerated against consumed energy in percent, from the counters of this
// pass: "0" while nothing was consumed, unknown while only one of the two
// counters is above 1 (no ratio can be formed; an older one is not shown).
void energyRatio(int consumed, int regenerated, QString& text)
{
    if (consumed > 1 && regenerated > 1)
        text = fixed(static_cast<double>(regenerated) / consumed * 100.0, 2);
    else if (consumed == 0)
        text = QStringLiteral("0");
    else
        text = unknownText();
}

// Energy counters (3100 / 3200): consumed and regenerated since the counters
// were set, and since this display started (the reference is taken over the
// first ten passes with a usable processor). FLG1 preferred like every other
// value: when FLG2 requests mastership while its own port is stale, no
// processor is usable and the frozen counters are not shown.
void decodeEnergy(SignalStore& s, const Pass& p)
{
    const Source source = p.pick(p.fresh.f3100, p.fresh.f3200);
    if (source == Source::Neither) {
        s.MVB_DDU_Energy_Consumed_String = s.MVB_DDU_Energy_Regenerated_String = unknownText();
        s.MVB_DDU_Energy_Consumed_Trip_String = s.MVB_DDU_Energy_Regenerated_Trip_String = unknownText();
        s.MVB_DDU_Energy_Ratio_String = s.MVB_DDU_Energy_Ratio_Trip_String = unknownText();
        return;
    }
    const bool flg1 = source == Source::Flg1;
    const float gwhP = flg1 ? s.FLG1_D56_XEnergGWhP : s.FLG2_D56_XEnergGWhP;
    const float mwhP = flg1 ? s.FLG1_D56_XEnergMWhP : s.FLG2_D56_XEnergMWhP;
    const float kwhP = flg1 ? s.FLG1_D56_XEnergKWhP : s.FLG2_D56_XEnergKWhP;
    const float gwhR = flg1 ? s.FLG1_D56_XEnergGWh_ : s.FLG2_D56_XEnergGWh_;
    const float mwhR = flg1 ? s.FLG1_D56_XEnergMWh_ : s.FLG2_D56_XEnergMWh_;
    const float kwhR = flg1 ? s.FLG1_D56_XEnergKWh_ : s.FLG2_D56_XEnergKWh_;
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
    const int consumedTrip = energyTrip(s.MVB_DDU_Energy_Consumed, s.MVB_DDU_Energy_Consumed_First_Boot,
                                        s.MVB_DDU_Energy_Consumed_Trip, s.MVB_DDU_Energy_Consumed_Trip_String);
    const int regeneratedTrip = energyTrip(s.MVB_DDU_Energy_Regenerated, s.MVB_DDU_Energy_Regenerated_First_Boot,
                                           s.MVB_DDU_Energy_Regenerated_Trip, s.MVB_DDU_Energy_Regenerated_Trip_String);
    energyRatio(s.MVB_DDU_Energy_Consumed, s.MVB_DDU_Energy_Regenerated, s.MVB_DDU_Energy_Ratio_String);
    energyRatio(consumedTrip, regeneratedTrip, s.MVB_DDU_Energy_Ratio_Trip_String);
}

// A message number as the display takes it: numbers below 90 are none.
int messageNumber(unsigned int n)
{
    return n >= 90 ? static_cast<int>(n) : 0;
}

// Message numbers of the diagnosis processor of the active cab (3550 / 3650;
// 90 and up) and of the second loco (2610), each kMessageUnknown while it
// cannot be read (its port stale, the active cab unknown), and the second
// loco's node (2610); simulation mode of the vehicle control (1035 / 1535);
// inching mode of the active cab (1302 / 1800).
void decodeDiagnosis(SignalStore& s, const Pass& p, int cab)
{
    const PortsFresh& f = p.fresh;
    if (cab == 1)
        s.MVB_DDU_Fault_No = f.f3550 ? messageNumber(s.DDA1_DD46_FaultNum) : kMessageUnknown;
    else if (cab == 2)
        s.MVB_DDU_Fault_No = f.f3650 ? messageNumber(s.DDA2_DD46_FaultNum) : kMessageUnknown;
    else
        s.MVB_DDU_Fault_No = cab == kNoCab ? 0 : kMessageUnknown;
    s.MVB_DDU_Fault2_No = f.f2610 ? static_cast<int>(s.MVB_DDU_Fault2_No_temp) : kMessageUnknown;
    s.MVB_DDU_SLV_Node_String = f.f2610 ? QString::number(s.NODE_SLV_loco2) : unknownText();

    const Source source = p.pick(f.f1035, f.f1535);
    s.MVB_DDU_Loco_Simulation_Status = source == Source::Flg1 ? triState(s.FLG1_18_BSimulation)
        : source == Source::Flg2                              ? triState(s.FLG2_18_BSimulation)
                                                              : TriNoData;

    if (cab == 1 && f.f1302) {
        s.MVB_DDU_Inching_mod_Active = triState(s.DDA1_97_InchScreenAct);
        s.MVB_DDU_Inching_Set_Speed_String = fixed(s.DDA1_97_WSetSpeedInch, 1);
    } else if (cab == 2 && f.f1800) {
        s.MVB_DDU_Inching_mod_Active = triState(s.DDA2_97_InchScreenAct);
        s.MVB_DDU_Inching_Set_Speed_String = fixed(s.DDA2_97_WSetSpeedInch, 1);
    } else if (cab != kNoCab) {
        s.MVB_DDU_Inching_mod_Active = TriNoData;
        s.MVB_DDU_Inching_Set_Speed_String = unknownText();
    } else {
        s.MVB_DDU_Inching_mod_Active = TriOff;
        s.MVB_DDU_Inching_Set_Speed_String = QStringLiteral("0");
    }
}

// Nodes of the processors (3100, 3200; the bogies' from 3100 / 3200; the
// converter controllers' from 3700, 3800) and software versions (1070, 1570,
// 3720, 3820, 1195, 1695, 1295, 1795; the auxiliary converters' from 3110 or
// 3210, 3300 or 3400, 3500 or 3600).
void decodeVersionsAndNodes(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    s.MVB_DDU_FLG1_Node_String = f.f3100 ? QString::number(s.FLG1_D07_XNodeMSC) : unknownText();
    s.MVB_DDU_FLG2_Node_String = f.f3200 ? QString::number(s.FLG2_D07_XNodeMSC) : unknownText();
    const Source source = p.pick(f.f3100, f.f3200);
    if (source == Source::Neither) {
        s.MVB_DDU_SLG1_Node_String = s.MVB_DDU_SLG2_Node_String = unknownText();
    } else {
        const bool flg1 = source == Source::Flg1;
        s.MVB_DDU_SLG1_Node_String = QString::number(flg1 ? s.FLG1_D21_XNodeB1 : s.FLG2_D21_XNodeB1);
        s.MVB_DDU_SLG2_Node_String = QString::number(flg1 ? s.FLG1_D21_XNodeB2 : s.FLG2_D21_XNodeB2);
    }
    s.MVB_DDU_ALG1_Node_String = f.f3700 ? QString::number(s.SLG1_D08_XNodeALG, 16).toUpper() : unknownText();
    s.MVB_DDU_ALG2_Node_String = f.f3800 ? QString::number(s.SLG2_D08_XNodeALG, 16).toUpper() : unknownText();

    auto version = [](bool portFresh, int v) { return portFresh ? versionText(v) : unknownText(); };
    auto eitherVersion = [](bool fresh1, int v1, bool fresh2, int v2) {
        return fresh1 ? versionText(v1) : (fresh2 ? versionText(v2) : unknownText());
    };
    s.MVB_DDU_Soft_Ver_FLG1_String = version(f.f1070, s.FLG1_00_SWVersionFLG1);
    s.MVB_DDU_Soft_Ver_FLG2_String = version(f.f1570, s.FLG2_00_SWVersionFLG2);
    s.MVB_DDU_Soft_Ver_SLG1_String = version(f.f3720, s.SLG1_00_SWVersionSLG1);
    s.MVB_DDU_Soft_Ver_SLG2_String = version(f.f3820, s.SLG2_00_SWVersionSLG2);
    s.MVB_DDU_Soft_Ver_STB1_String = version(f.f1195, s.STB1_00_SWVersionSTB1);
    s.MVB_DDU_Soft_Ver_STB2_String = version(f.f1695, s.STB2_00_SWVersionSTB2);
    s.MVB_DDU_Soft_Ver_HBB1_String = version(f.f1295, s.HBB1_00_SWVersionHBB1);
    s.MVB_DDU_Soft_Ver_HBB2_String = version(f.f1795, s.HBB2_00_SWVersionHBB2);
    s.MVB_DDU_Soft_Ver_BUR1_String = eitherVersion(f.f3110, s.FLG1_00_SWVersionBUR1, f.f3210, s.FLG2_00_SWVersionBUR1);
    s.MVB_DDU_Soft_Ver_BUR2_String = eitherVersion(f.f3300, s.HBB1_00_SWVersionBUR2, f.f3400, s.HBB2_00_SWVersionBUR2);
    s.MVB_DDU_Soft_Ver_BUR3_String = eitherVersion(f.f3500, s.STB1_00_SWVersionBUR3, f.f3600, s.STB2_00_SWVersionBUR3);
}

// Life signs of the processors (1000, 1500, 1200, 1700, 1100, 1600),
// supervised from pass to pass while their port is fresh; a stale port is no
// sign of life (2, as for a life sign that stopped) and leaves the
// supervision where it was. Which vehicle control processor is master (1000,
// 3210).
void decodeLifeSigns(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    auto lifesign = [&s](bool fresh, int value, unsigned index) {
        if (!fresh)
            return static_cast<int>(TriNoData);
        const unsigned v = static_cast<unsigned>(value);
        s.Lifesign[index] = v;
        return mvbvaria::Lifesign_Check(s, v, index);
    };
    s.MVB_DDU_FLG1_Lifesign = lifesign(f.f1000, s.FLG1_10_XMVBLifeSig, 1);
    s.MVB_DDU_FLG2_Lifesign = lifesign(f.f1500, s.FLG2_10_XMVBLifeSig, 2);
    s.MVB_DDU_HBB1_Lifesign = lifesign(f.f1200, s.HBB1_05_XMVBLifeSig, 3);
    s.MVB_DDU_HBB2_Lifesign = lifesign(f.f1700, s.HBB2_05_XMVBLifeSig, 4);
    s.MVB_DDU_STB1_Lifesign = lifesign(f.f1100, s.STB1_05_XMVBLifeSig, 5);
    s.MVB_DDU_STB2_Lifesign = lifesign(f.f1600, s.STB2_05_XMVBLifeSig, 6);

    s.MVB_DDU_FLG1_Active = p.fresh.f1000 ? triState(s.FLG1_54_MFLG1MastRq != 0) : TriNoData;
    s.MVB_DDU_FLG2_Active = p.fresh.f3210 ? triState(s.FLG2_D54_MFLG2MastRq != 0) : TriNoData;
}

// Processor I/O slot images (3300, 3400, 3500, 3600, 3700, 3800: see
// kProcessorSlots); the J slot input image of STB1 only while cab 1 is active
// (no data while the active cab is unknown).
void decodeSlotImages(SignalStore& s, const Pass& p, int cab)
{
    for (const ProcessorSlots& processor : kProcessorSlots) {
        if (!(p.fresh.*processor.fresh)) {
            for (SlotImage image : processor.images)
                fillInts(s.*image, TriNoData);
            continue;
        }
        const bool cabOneImageEmpty = processor.cabOneOnly && cab != 1;
        if (cabOneImageEmpty)
            fillInts(s.*processor.cabOneOnly, cab == kCabUnknown ? TriNoData : TriOff);
        for (int k = 0; k < processor.bitCount; ++k) {
            const SlotBit& bit = processor.bits[k];
            if (cabOneImageEmpty && bit.image == processor.cabOneOnly)
                continue;
            const bool on = (s.*bit.signal) != 0;
            (s.*bit.image)[bit.element] = triState(on != bit.inverted);
        }
    }
}

QString percentText(double v)
{
    return fixed(v, 2) + QStringLiteral(" %");
}

// E slot of a vehicle control processor: analogue inputs and outputs.
void eSlotTexts(bool portFresh, QString (&in)[16], QString (&out)[16], float prAutoBk, float angTrans, float meterB1,
                float meterB2)
{
    if (!portFresh) {
        fillTexts(in, unknownText());
        fillTexts(out, unknownText());
        return;
    }
    in[5] = fixed(prAutoBk, 2);
    in[11] = percentText(angTrans);
    if (meterB1 < 100.1f && meterB2 < 100.1f) {
        out[1] = percentText(meterB1);
        out[3] = percentText(meterB2);
    }
}

// A slot of a traction converter. It mixes two ports: the currents (elements
// 0, 1) come from the converter's main port (3700 / 3800), the filter current
// and transformer pressure (elements 2, 7) from its analogue port (3710 /
// 3810). Each element is guarded by its own port; the main port stale blanks
// the slot.
void aSlotTexts(bool mainFresh, bool analogueFresh, QString (&a)[16], float aiPr, float aiBur, float aiFilts,
                float druckTR)
{
    if (!mainFresh) {
        fillTexts(a, unknownText());
        return;
    }
    a[0] = percentText(aiPr / 10.0);
    a[1] = percentText(aiBur / 10.0);
    if (!analogueFresh) {
        a[2] = a[7] = unknownText();
        return;
    }
    if (aiFilts < 100.1f)
        a[2] = percentText(aiFilts);
    a[7] = percentText(druckTR);
}

// D slot of a traction converter: eleven analogue inputs from the top down.
void dSlotTexts(bool portFresh, QString (&d)[16], const float (&v)[11])
{
    if (!portFresh) {
        fillTexts(d, unknownText());
        return;
    }
    for (int k = 0; k < 11; ++k)
        d[15 - k] = percentText(v[k]);
}

// Processor slot texts, analogue values in percent: E slots of FLG1 / FLG2
// (3110, 3210), A slots (3700 with 3710, 3800 with 3810) and D slots (3710,
// 3810) of the traction converters.
void decodeSlotTexts(SignalStore& s, const Pass& p)
{
    const PortsFresh& f = p.fresh;
    eSlotTexts(f.f3110, s.MVB_DDU_FLG1_Eslot_Input_String, s.MVB_DDU_FLG1_Eslot_Output_String, s.FLG1_D01_XPrAutoBkLn,
               s.FLG1_D01_XAngTrans, s.FLG1_D02_XMeterT_B1, s.FLG1_D02_XMeterT_B2);
    eSlotTexts(f.f3210, s.MVB_DDU_FLG2_Eslot_Input_String, s.MVB_DDU_FLG2_Eslot_Output_String, s.FLG2_D01_XPrAutoBkLn,
               s.FLG2_D01_XAngTrans, s.FLG2_D02_XMeterT_B1, s.FLG2_D02_XMeterT_B2);
    if (f.f3210)
        s.MVB_DDU_FLG2_Eslot_Output_String[0] = percentText(s.FLG2_D45_WPnBEdem);

    aSlotTexts(f.f3700, f.f3710, s.MVB_DDU_SLG1_Aslot_Input_String, s.SLG1_D01_XAIpr, s.SLG1_D01_XAIBUR,
               s.SLG1_D01_XAIFilts, s.SLG1_D01_XADruckTR);
    aSlotTexts(f.f3800, f.f3810, s.MVB_DDU_SLG2_Aslot_Input_String, s.SLG2_D01_XAIpr, s.SLG2_D01_XAIBUR,
               s.SLG2_D01_XAIFilts, s.SLG2_D01_XADruckTR);

    const float d1[11] = {s.SLG1_D01_XADruckSR,   s.SLG1_D01_XATmp1OelTR, s.SLG1_D01_XATmp2OelTR,
                          s.SLG1_D01_XATmp1OelSR, s.SLG1_D01_XATmp2OelSR, s.SLG1_D01_XATmp1Mot1,
                          s.SLG1_D01_XATmp2Mot1,  s.SLG1_D01_XATmp1Mot2,  s.SLG1_D01_XATmp2Mot2,
                          s.SLG1_D01_XATmp1Mot3,  s.SLG1_D01_XATmp2Mot3};
    dSlotTexts(f.f3710, s.MVB_DDU_SLG1_Dslot_Input_String, d1);
    const float d2[11] = {s.SLG2_D01_XADruckSR,   s.SLG2_D01_XATmp1OelTR, s.SLG2_D01_XATmp2OelTR,
                          s.SLG2_D01_XATmp1OelSR, s.SLG2_D01_XATmp2OelSR, s.SLG2_D01_XATmp1Mot1,
                          s.SLG2_D01_XATmp2Mot1,  s.SLG2_D01_XATmp1Mot2,  s.SLG2_D01_XATmp2Mot2,
                          s.SLG2_D01_XATmp1Mot3,  s.SLG2_D01_XATmp2Mot3};
    dSlotTexts(f.f3810, s.MVB_DDU_SLG2_Dslot_Input_String, d2);
}

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
    QString text = QString::number(e).rightJustified(9, QLatin1Char('0'));
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
    const PortsFresh fresh = portsFresh(s, static_cast<unsigned>(requests.Max_Freshness.load()));
    // FLG2's mastership request, honoured only while its port is fresh.
    s.MVB_DDU_FLG2_Master_Request = fresh.f3210 ? static_cast<int>(s.FLG2_D54_MFLG2MastRq) : 0;
    const Pass p{fresh, s.MVB_DDU_FLG2_Master_Request != 0, requests.Selected_SR_Type.load(), Texts()};

    decodeIdentity(s, p);
    decodeBatteryAndEarthFaults(s, p);
    decodeBrakes(s, p);
    decodeLamps(s, p);
    const int cab = decodeCab(s, p);
    decodeEmergency(s, p, cab); // the emergency stop of the cab active in this pass
    decodeEffort(s, p);
    decodeSpeed(s, p);
    decodeSubSystems(s, p); // before the line frequency, which reads them
    decodeLineSide(s, p);
    decodeLinePower(s, p); // before the traction converters' input power texts
    decodeTractionConverters(s, p);
    decodeTractionMotors(s, p);
    decodeOil(s, p);
    decodeAuxiliarySupply(s, p);
    decodeAuxiliaryConverters(s, p);
    decodeBreakers(s, p);
    decodeEnergy(s, p);
    decodeDiagnosis(s, p, cab);
    decodeVersionsAndNodes(s, p);
    decodeLifeSigns(s, p);
    decodeSlotImages(s, p, cab);
    decodeSlotTexts(s, p);
}
