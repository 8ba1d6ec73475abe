#include "screens/io_slot_pages.h"

#include <QCoreApplication>

namespace io {

namespace {

// Data tables: the signal lists of the pages, one line per table line, in
// line order from line 0 (pin, signal name).
// clang-format off
const Line kRiom1In[] = {
    {"JA1", "0101_MMCBCompr1"}, {"JA2", "0101_LTEDemand"}, {"JA3", "0101_LActKSwD"}, {"JA4", "0101_LConstSpeed"},
    {"JA9", "0101_LParkBrake"}, {"JA10", "0101_LHotelOn"}, {"JA11", "0101_LActKSwC"}, {"JA12", "0101_LHotelOff"},
    {"JD1", "0101_LFootSwSand"}, {"JD2", "0101_LTrvDirRev"}, {"JD3", "0101_LBEDemand"}, {"JD4", "0101_LT/BDem>2/3"},
    {"JD9", "0101_LTrvDirFor"}, {"JD10", "0101-LVigOff"}, {"JD11", "0101_LT/BDem>1/3"}, {"JD12", "102-MBrakElecOk"},
    {"LA1", "0102_MReTempCEL"}, {"LA2", "0102_LSwBogOut2"}, {"LA3", "0102_LSwFailMode"}, {"LA4", "LPBFaultAck"},
    {"LA9", "0102_LSwBogOut1"}, {"LA10", "0102_LSwConfig"}, {"LA11", "0102_MRelMCEOn"}, {"LA12", "0101_LSwComprOff"},
    {"LD1", "0102_LP/BConfig"}, {"LD2", "0102_LSwKSim"}, {"LD3", "0102_MAuxConVCB"}, {"LD4", "0102_MIPrimHigh"},
    {"LD9", "0102_LVCBOn"}, {"LD10", "0102_MContHotel"}, {"LD11", "0102_BDetCoCO"}, {"LD12", "0101_LSwComprDir"},
};
const Line kRiom1Out[] = {
    {"JG6-13", "0201_MLampFault"}, {"JG7-19", "0201_MLampWSlip"}, {"JG7-20", "0201_MLampCSpeed"},
    {"JG4-17", "0201_MLampFind"}, {"JG22-9", "0201_MLampTPart"}, {"JJ2-9", "0201_BContHotel"},
    {"JJ10-3", "0201_BAirDryer"}, {"JJ4-12", "0201_BEPAntSpin1"}, {"LG2-14", "0202-BContSelfH"},
    {"LG15-3", "00202_MLampConfig"}, {"LG4-17", "0202_BLampTest"}, {"LG21-9", "0202_BVCBDisable"},
    {"LG19-7", "0202_BRelMCEOff"}, {"LG6-18", "0202_BSelfMCE"}, {"LG10-23", "0202_BVCBOn"},
    {"LG12-24", "0202_BVCBOnPulse"},
};
const Line kRiom1AnIn[] = {{"EA5-9", "0101_XAngTrans"}, {"EC1-6", "0101_XPrAutoBkLn"}};
const Line kRiom1AnOut[] = {
    {"EG1-6", "0201_XMeterT_BY_B1_BE"}, {"EI1-6", "0201_XMeterT_BY_B1_TE"}, {"", "0201_XMeterT_BY_B2_BE"},
    {"", "0201_XMeterT_BY_B2_TE"},
};

const Line kRiom2In[] = {
    {"JA1", "0101_LTEDemand"}, {"JA2", "0101_LBEDemand"}, {"JA3", "0101_LActKSwD"}, {"JA4", "0101-LConstSpeed"},
    {"JA9", "0101_LParkBrake"}, {"JA10", "0101_LHotelOn"}, {"JA11", "0101_LActKSwC"}, {"JA12", "0101_LHotelOff"},
    {"JD1", "_0101_LFootSwSand"}, {"JD2", "0101_LTrvDirRev"}, {"JD3", "0101_MSpeed105%"}, {"JD4", "0101_LT/BDem>2/3"},
    {"JD9", "0101_LTrvDirFor"}, {"JD10", "0101_LT/BDem>1/3"}, {"JD11", "0101_MSpeed110%"}, {"JD12", "0101_MSpeedAlarm"},
    {"LA1", "0102_MMCBBloCT2"}, {"LA2", "0102_MMCBMscBlo2"}, {"LA3", "0102_MMCBPumpT2"}, {"LA4", "_0102_MMCBTScBlo2"},
    {"LA9", "0102_MMCBBloMR2"}, {"LA10", "0102_MMMCBPumpC2"}, {"LA11", "0102_MMCBBloTM2"}, {"LA12", "0102_MEFRBUR"},
    {"LD1", "0102_LPanUp"}, {"LD2", "0102_MSmogWarn"}, {"LD3", "0102_MPrSwEmgBk"}, {"LD4", "0102_MVigWarn"},
    {"LD9", "0102_MPrSwBkCyl1"}, {"LD10", "0102_MFailFireEq"}, {"LD11", "0102_MPrSwParkBk"}, {"LD12", "0102_MEmgBkVig"},
};
const Line kRiom2Out[] = {
    {"JG6-18", "0201_MLampParkBk"}, {"JG10-23", "0201_MLampHotel"}, {"JG7-19", "0201_MLampWSlip"},
    {"JJ1-9", "0201_BPanDisable"}, {"JG22-9", "0201_MLampTPart"}, {"JG7-20", "0201_MLampCSpeed"},
    {"JJ4-12", "0201_BContCompr2"}, {"JJ6-13", "0201_BLampTest"}, {"LJ2-9", "0202_ BEPPan2"},
    {"LJ4-12", "0202_ BEPCPUnload"}, {"LJ10-3", "0202_ BEPLBkOut"}, {"OJ10-3", "0201_BEPAntSpin2"},
    {"QG4-17", "0202_BEPSand13"}, {"JG3-15", "0201_MLampFault"}, {"JG4-17", "0201_MLampFind"},
};
const Line kRiom2AnIn[] = {{"EA5-9", "0101_XAngTrans"}, {"EC1-6", "0101_XPrAutoBkLn"}};
const Line kRiom2AnOut[] = {
    {"EG1-6", "0201_XMeterT_BY_B1_BE"}, {"EI6-1", "0201_XMeterT_BY_B1_TE"}, {"", "0201_XMeterT_BY_B2_BE"},
    {"", "0201_XMeterT_BY_B2_TE"},
};

const Line kBrio1In[] = {
    {"OA1", "0101_LPBFAulAckt"}, {"OA2", "0101_LEmgStop"}, {"OA3", "0101_LMaxTELimit"}, {"OA4", "0101_LSwComprOff_2"},
    {"OA9", "0101_LActKSwD_2"}, {"OA10", "0101_AFL_Activated"}, {"OA11", "0101_LSwBankOp"},
    {"OA12", "0101_LSwComprDir_2"}, {"OD1", "0101_LFootSwLoBk"}, {"OD2", "0101_LTrvDirRev_2"},
    {"OD3", "0101_LBEDemand_2"}, {"OD4", "0101_LT_or_BDem_GT2_3_2"}, {"OD9", "0101_LTrvDirFor_2"},
    {"OD10", "0101_LTEDemand_2"}, {"OD11", "0101_LT_BDem_GT1_3_2"}, {"OD12", "0101_LPBFaultAck_2"},
    {"QA1", "0102_MFuseAux"}, {"QA2", "0102_MMCBBloMR1"}, {"QA3", "0102_MMMCBPumpC1"}, {"QA4", "0102_MMCBBloTM1"},
    {"QA9", "0102_MMCBBloCT1"}, {"QA10", "0102_MMCBMscBlo1"}, {"QA11", "0102_MMCBPumpT1"}, {"QA12", "0102_MMCBTScBlo1"},
    {"QD1", "0102_MEFR415_110"}, {"QD2", "0102_MAuxConVCB_2"}, {"QD3", "0102_MEFRFilter"}, {"QD4", "0102_BDetCoCo_2"},
    {"QD9", "0102_MEFRHotel"}, {"QD10", "0102_LVCBOn_2"}, {"QD11", "0102_MEFRContrl"}, {"QD12", "0102_LSwFailMode_2"},
};
const Line kBrio1Out[] = {
    {"LJ9-2", "0202_BContCompr1"}, {"OG2-14", "0201_BBuzzRed"}, {"OG15-3", "0201_BBuzzBlack"},
    {"OG7-19", "0201_MLampFind"}, {"OG7-20", "0201_MLampFault"}, {"OJ2-9", "0201_BContCP1"},
    {"OJ10-3", "0201_BSelfMCE"}, {"QJ1-9", "0202_BVCBDisable _2"}, {"QJ10-3", "0202_BContSelfH _2"},
    {"QJ4-12", "0202_BVCBOn _2"}, {"QJ13-6", "0202_BVCBOnPulse _2"}, {"JG6-18", "0201_MLampParkBk"},
    {"JG10-23", "0201_MLampHotel"},
};
const Line kBrioAnIn[] = {{"EC1-6", "0101_XPrAutoBkLn"}};

const Line kBrio2In[] = {
    {"OA1", "0101_MMCBCompr2"}, {"OA2", "0101_LEmgStop"}, {"OA3", "0101_LMaxTELimit"}, {"OA4", "0101_LSwComprOff"},
    {"OA9", "0101_LActKSwD_1"}, {"OA10", ""}, {"OA11", "0101_LSwBankOp"}, {"OA12", "0101_LSwComprDir_2"},
    {"OD1", "0101_LFootSwLoBk_2"}, {"OD2", "0101_LTrvDirRev_2"}, {"OD3", "0101_LBEDemand_2"},
    {"OD4", "0101_LT_or_BDem_GT2_3_2"}, {"OD9", "0101_LTrvDirFor_2"}, {"OD10", "0101_LTEDemand_2"},
    {"OD11", "0101_LT_or_BDem_GT1_3_2"}, {"OD12", "0101_LPBFaultAck"},
    {"QA1", "0102_MPrSwPan1"}, {"QA2", "0102_MPrSwParkBk_2"}, {"QA3", "0102_LCockBkCon"}, {"QA4", "0102_MPrSwLocoBk"},
    {"QA9", "0102_MPrSwPan2"}, {"QA10", "0102_MBrakElecOK"}, {"QA11", "0102_LEmgBkOut"}, {"QA12", "0102_MPrSwEmgBk_2"},
    {"QD1", "0102_MPrSwAFlow"}, {"QD2", "0102_MPrSw75bar"}, {"QD3", "0102_MPrSwBkCy12"}, {"QD4", "0102_MPrSw8bar"},
    {"QD9", "0102_LPanUp_2"}, {"QD10", "0102_MFireAlarm"}, {"QD11", "0102_MPrSwLowMR"}, {"QD12", "0102_MPrSwBkFP"},
};
const Line kBrio2Out[] = {
    {"OG2-14", "0201_BBuzzRed"}, {"OG15-3", "0201_BBuzzBlack"}, {"OG7-19", "0201_MLampFind_2"},
    {"OG7-20", "0201_MLampFault_2"}, {"OJ2-9", "0201_BVigControl"}, {"OJ4-12", "0201_BVigReset"},
    {"OJ6-13", "0201_BResVigPeBk"}, {"OJ14-7", "0201_BEPAutBkOut"}, {"QG2-14", "0202_BEPLBkOut"},
    {"QG15-3", "0202_BEPCPUnload"}, {"QG6-18", "0202_BERelPBk"}, {"QG9-22", "0202_BEPApplyPBk"},
    {"QG10-23", "0202_BEPPan1"}, {"1QG24-12", "0202_BEPSand24"}, {"QJ1-9", "0202_BPanDisable"},
    {"QJ3-10", "0202_BContCompr2"},
};
const Line kBrio2AnOut[] = {{"EC5-9", "0201_WPnBEdem"}};

template <size_t N> constexpr int count(const Line (&)[N]) { return int(N); }

#define DIGITAL(array) Source::Digital, [](const SignalStore& s) -> const int* { return s.array; }, nullptr
#define ANALOG(array) Source::Analog, nullptr, [](const SignalStore& s) -> const QString* { return s.array; }
#define NONE Source::None, nullptr, nullptr

const char* const kIn = QT_TRANSLATE_NOOP("MainWindow", "Digital Input");
const char* const kIn_ = QT_TRANSLATE_NOOP("MainWindow", "Digital Input ");
const char* const kOut = QT_TRANSLATE_NOOP("MainWindow", "Digital Output");
const char* const kOut_ = QT_TRANSLATE_NOOP("MainWindow", "Digital Output ");
const char* const kAnIn = QT_TRANSLATE_NOOP("MainWindow", "Analog Input");
const char* const kAnIn_ = QT_TRANSLATE_NOOP("MainWindow", "Analog Input ");
const char* const kAnOut = QT_TRANSLATE_NOOP("MainWindow", "Analog Output");

const Processor kProcessors[4] = {
    {QT_TRANSLATE_NOOP("MainWindow", "RIOM1 SIGNAL"), {
        {{kIn, DIGITAL(MVB_DDU_RIOM1_Input), 0, 16, kRiom1In, 16},
         {kIn, DIGITAL(MVB_DDU_RIOM1_Input), 16, 16, kRiom1In + 16, 16}},
        {{kOut, DIGITAL(MVB_DDU_RIOM1_Output), 0, 16, kRiom1Out, count(kRiom1Out)},
         {kOut, NONE, 0, 0, nullptr, 0}},
        {{kAnIn, ANALOG(MVB_DDU_RIOM1_InAnalg), 0, 2, kRiom1AnIn, count(kRiom1AnIn)},
         {kAnOut, ANALOG(MVB_DDU_RIOM1_OutAnalg), 0, 4, kRiom1AnOut, count(kRiom1AnOut)}}}},
    {QT_TRANSLATE_NOOP("MainWindow", "RIOM2 SIGNAL"), {
        {{kIn_, DIGITAL(MVB_DDU_RIOM2_Input), 0, 16, kRiom2In, 16},
         {kIn_, DIGITAL(MVB_DDU_RIOM2_Input), 16, 16, kRiom2In + 16, 16}},
        {{kOut_, DIGITAL(MVB_DDU_RIOM2_Output), 0, 15, kRiom2Out, count(kRiom2Out)},
         {kOut_, NONE, 0, 0, nullptr, 0}},
        {{kAnIn, ANALOG(MVB_DDU_RIOM2_InAnalg), 0, 2, kRiom2AnIn, count(kRiom2AnIn)},
         {kAnOut, ANALOG(MVB_DDU_RIOM2_OutAnalg), 0, 4, kRiom2AnOut, count(kRiom2AnOut)}}}},
    {QT_TRANSLATE_NOOP("MainWindow", "BRIO1 SIGNAL"), {
        {{kIn, DIGITAL(MVB_DDU_BRIO1_Input), 0, 16, kBrio1In, 16},
         {kIn, DIGITAL(MVB_DDU_BRIO1_Input), 16, 16, kBrio1In + 16, 16}},
        {{kOut_, DIGITAL(MVB_DDU_BRIO1_Output), 0, 13, kBrio1Out, count(kBrio1Out)},
         {kOut, NONE, 0, 0, nullptr, 0}},
        {{kAnIn_, ANALOG(MVB_DDU_BRIO1_InAnalg), 0, 1, kBrioAnIn, count(kBrioAnIn)},
         {kAnOut, NONE, 0, 0, nullptr, 0}}}},
    {QT_TRANSLATE_NOOP("MainWindow", "BRIO2 SIGNAL"), {
        {{kIn, DIGITAL(MVB_DDU_BRIO2_Input), 0, 16, kBrio2In, 16},
         {kIn, DIGITAL(MVB_DDU_BRIO2_Input), 16, 16, kBrio2In + 16, 16}},
        {{kOut, DIGITAL(MVB_DDU_BRIO2_Output), 0, 16, kBrio2Out, count(kBrio2Out)},
         {kOut, NONE, 0, 0, nullptr, 0}},
        {{kAnIn, ANALOG(MVB_DDU_BRIO2_InAnalg), 0, 1, kBrioAnIn, count(kBrioAnIn)},
         {kAnOut, ANALOG(MVB_DDU_BRIO2_OutAnalg), 0, 1, kBrio2AnOut, count(kBrio2AnOut)}}}},
};

#undef DIGITAL
#undef ANALOG
#undef NONE
// clang-format on

constexpr unsigned short kStale = 10000;

} // namespace

const Processor* processor(int number)
{
    return number >= 1 && number <= 4 ? &kProcessors[number - 1] : nullptr;
}

LifeSign lifeSign(const SignalStore& s, int processor)
{
    // RIOM1 shows FLG1's life sign, RIOM2 HBB1's, BRIO1 STB1's (ports 1000,
    // 1200, 1100). BRIO2's (SLG1) is carried by no port: never known.
    switch (processor) {
    case 1: return {s.MVB_DDU_FLG1_Lifesign, s.freshness_1000 < kStale && s.MVB_DDU_FLG1_Lifesign != 2};
    case 2: return {s.MVB_DDU_HBB1_Lifesign, s.freshness_1200 < kStale && s.MVB_DDU_HBB1_Lifesign != 2};
    case 3: return {s.MVB_DDU_STB1_Lifesign, s.freshness_1100 < kStale && s.MVB_DDU_STB1_Lifesign != 2};
    default: return {0, false};
    }
}

} // namespace io
