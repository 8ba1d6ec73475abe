#include "acquisition/simulation.h"

#include "acquisition/unknown.h"
#include "platform/translation.h"

// Data tables: laid out by hand, one entry per line or block.
// clang-format off

namespace {

// Texts shown translated (looked up in the context "QObject").
const char* const kOn = QT_TRANSLATE_NOOP("QObject", "ON");
const char* const kOff = QT_TRANSLATE_NOOP("QObject", "OFF");
const char* const kDown = QT_TRANSLATE_NOOP("QObject", "DOWN");

// A field of a step that leaves the value as it was.
constexpr int kKeep = -1;

// Values of one step.
struct SimStep {
    TriState panto, vcb;
    int battery;
    const char* batteryText;
    int cabActive, direction;
    const char* locoNo;
    const char* locoType;
    TriState earthAux, earthControl;
    TriState autoBrake, locoBrake;
    double bpDemand;
    const char* bpPressure; // nullptr: keep
    int mr;                 // 6 or 0, as the steps have always set it (not a TriState)
    TriState lsdj, bppb, bpcs, lsp, lsvw, lsfi, bpfa;
    int emg; // a TriState, or kKeep
    int speed;
    const char* speedText;
    TriState primaryOverCurrent;
    bool primaryOverCurrentOn;
    const char* uprimText;
    int uprim; // kKeep: keep
    const char* inputPowerText;
    int beActual, beDemand;
    const char* beText;
    const char* flg1Node;
    const char* flg2Node;
    const char* slg1Node;
    const char* slg2Node;
    const char* slvNode;              // nullptr: unknown
    double lineFrequency;
    const char* lineFrequencyText;
    const char* lineFrequencyIntText; // nullptr: keep
    const char* inchingSetSpeed;      // nullptr: keep
    TriState locoIso;
    int motorMaster[6];
    int motorSlave[6];
    int lineConverters[4]; // LC1 SLG1, LC2 SLG1, LC1 SLG2, LC2 SLG2
    int subSystems[20];
};

// Per step: pantograph, breaker, battery, cab, direction, loco; earth faults,
// brakes, main reservoir; lamps, emergency; speed, primary values, input
// power; effort, nodes; line frequency, inching speed, isolation; motors and
// line converters; sub-system states.
const SimStep kSteps[SIMULATION_STEPS] = {
    {TriOn, TriOn, 110, "110", 2, 1, "42022", "WAG9",
     TriOn, TriOn, TriOn, TriOn, 5.0, nullptr, 6,
     TriOn, TriOn, TriOn, TriOn, TriOn, TriOn, TriOn, kKeep,
     60, "60", TriOn, false, "24.25", kKeep, "14.21",
     10, 10, "10", "504", "502", "604", "602", "234",
     15.12, "15.12", "0", "0.7", TriOn,
     {0, 1, 0, 1, 0, 1}, {1, 0, 1, 0, 1, 1}, {1, 0, 1, 0},
     {2, 0, 2, 1, 3, 4, 3, 0, 1, 0, 2, 3, 4, 1, 2, 3, 1, 4, 0, 2}},
    {TriOn, TriOn, 110, "110", 1, 1, "31028", "WAG9",
     TriOn, TriOn, TriOn, TriOn, 3.9, "3.9", 0,
     TriOn, TriOn, TriOn, TriOn, TriOn, TriOn, TriOn, TriOff,
     60, "60", TriOff, false, "24.25", 24, "14.21",
     50, 50, "50.5", "504", "502", "604", "602", "453",
     15.12, "15.12", nullptr, nullptr, TriOff,
     {1, 0, 1, 0, 1, 1}, {0, 1, 0, 1, 0, 0}, {1, 0, 0, 1},
     {0, 1, 2, 3, 4, 3, 2, 1, 0, 4, 0, 3, 0, 2, 0, 1, 4, 2, 0, 1}},
    {TriOn, TriOn, 90, "90", 1, 0, "30150", "WAP5",
     TriOn, TriOff, TriOn, TriOff, 5.1, nullptr, 6,
     TriOff, TriOn, TriOff, TriOff, TriOff, TriOn, TriOff, kKeep,
     70, "70", TriOn, true, "24.26", kKeep, "14.22",
     200, 200, "200", "505", "503", "605", "603", nullptr,
     15.13, "15.13", nullptr, nullptr, TriOn,
     {1, 1, 1, 1, 1, 0}, {1, 0, 1, 0, 1, 1}, {0, 1, 1, 0},
     {1, 0, 1, 2, 1, 4, 1, 3, 1, 4, 0, 3, 2, 4, 1, 0, 1, 2, 3, 4}},
    {TriOff, TriOn, 80, "80", 1, 1, "30280", "WAP7",
     TriOff, TriOn, TriOff, TriOn, 5.2, nullptr, 6,
     TriOff, TriOn, TriOff, TriOff, TriOn, TriOff, TriOn, TriOff,
     130, "130", TriOff, false, "24.28", kKeep, "14.29",
     0, 0, "0", "508", "504", "609", "610", "322",
     15.19, "15.19", nullptr, nullptr, TriOn,
     {1, 0, 1, 0, 1, 1}, {0, 1, 0, 1, 0, 0}, {0, 1, 0, 1},
     {0, 4, 3, 1, 0, 3, 2, 0, 4, 1, 4, 0, 3, 2, 1, 2, 3, 4, 0, 1}},
    {TriOff, TriOff, 110, "110", 1, 1, "34123", "WAP7",
     TriOn, TriOff, TriOn, TriOn, 5.3, nullptr, 6,
     TriOn, TriOn, TriOff, TriOff, TriOff, TriOn, TriOn, TriOn,
     30, "30", TriOn, true, "24.22", kKeep, "14.27",
     -200, -200, "-200", "511", "512", "614", "612", nullptr,
     15.2, "15.20", nullptr, nullptr, TriOff,
     {0, 1, 1, 0, 0, 1}, {1, 0, 0, 1, 1, 0}, {0, 0, 1, 1},
     {1, 0, 2, 3, 0, 4, 2, 3, 1, 0, 1, 4, 2, 3, 0, 3, 2, 4, 0, 1}},
};

} // namespace

// Copies one row of the step table into the store, one assignment per field
// in the table's order: it is as long as the row, and split it would only
// scatter the row.
void applySimulationStep(SignalStore& s, int step)
{
    if (step < 0 || step >= SIMULATION_STEPS)
        return;
    const SimStep& t = kSteps[step];

    s.MVB_DDU_Panto = t.panto;
    s.MVB_DDU_VCB = t.vcb;
    s.MVB_DDU_Panto_String = platform::translated(kDown);
    s.MVB_DDU_VCB_String = platform::translated(kOff);
    s.MVB_DDU_Battery = t.battery;
    s.MVB_DDU_Battery_String = QString::fromLatin1(t.batteryText);
    s.MVB_DDU_Cab_Active = t.cabActive;
    s.MVB_DDU_Direction = t.direction;
    s.MVB_DDU_Loco_NO_String = QString::fromLatin1(t.locoNo);
    s.MVB_DDU_Loco_Type_String = QString::fromLatin1(t.locoType);
    s.MVB_DDU_Earth_Fault_Auxiliary = t.earthAux;
    s.MVB_DDU_Earth_Fault_Control = t.earthControl;
    s.MVB_DDU_Auto_Break = t.autoBrake;
    s.MVB_DDU_Loco_Break = t.locoBrake;
    s.MVB_DDU_BP_Demand = t.bpDemand;
    if (t.bpPressure)
        s.MVB_DDU_BP_Pressure_String = QString::fromLatin1(t.bpPressure);
    s.MVB_DDU_MR = t.mr;
    s.MVB_DDU_LSDJ = t.lsdj;
    s.MVB_DDU_BPPB = t.bppb;
    s.MVB_DDU_BPCS = t.bpcs;
    s.MVB_DDU_LSP = t.lsp;
    s.MVB_DDU_LSVW = t.lsvw;
    s.MVB_DDU_LSFI = t.lsfi;
    s.MVB_DDU_BPFA = t.bpfa;
    if (t.emg != kKeep)
        s.MVB_DDU_EMG = t.emg;
    s.MVB_DDU_Speed = t.speed;
    s.MVB_DDU_Speed_String = QString::fromLatin1(t.speedText);
    s.MVB_DDU_Hotel_Load_String = platform::translated(kOff);
    s.MVB_DDU_Filter_String = platform::translated(kOff);
    s.MVB_DDU_Earth_Fault_Power_String = platform::translated(kOff);
    s.MVB_DDU_Primary_Over_Current = t.primaryOverCurrent;
    s.MVB_DDU_Primary_Over_Current_String = platform::translated(t.primaryOverCurrentOn ? kOn : kOff);
    s.MVB_DDU_UPRIM_String = QString::fromLatin1(t.uprimText);
    if (t.uprim != kKeep)
        s.MVB_DDU_UPRIM = t.uprim;
    s.MVB_DDU_IPRIM_String = QStringLiteral("27.25");
    s.MVB_DDU_IPRIM = 27;
    s.MVB_DDU_Input_Power_String = QString::fromLatin1(t.inputPowerText);
    s.MVB_DDU_Input_Power1_String = QStringLiteral("ON");
    s.MVB_DDU_Input_Power2_String = QStringLiteral("OFF");
    s.MVB_DDU_PreChrage_Contactor1_String = QStringLiteral("ON");
    s.MVB_DDU_PreChrage_Contactor2_String = QStringLiteral("OFF");
    s.MVB_DDU_Input_Contactor1_String = QStringLiteral("ON");
    s.MVB_DDU_Input_Contactor2_String = QStringLiteral("OFF");
    s.MVB_DDU_BE_Actual = t.beActual;
    s.MVB_DDU_BE_Demand = t.beDemand;
    s.MVB_DDU_BE_Actual_String = QString::fromLatin1(t.beText);
    s.MVB_DDU_BE_Demand_String = QString::fromLatin1(t.beText);
    s.MVB_DDU_FLG1_Node_String = QString::fromLatin1(t.flg1Node);
    s.MVB_DDU_FLG2_Node_String = QString::fromLatin1(t.flg2Node);
    s.MVB_DDU_SLG1_Node_String = QString::fromLatin1(t.slg1Node);
    s.MVB_DDU_SLG2_Node_String = QString::fromLatin1(t.slg2Node);
    s.MVB_DDU_ALG1_Node_String = QStringLiteral("A0A0");
    s.MVB_DDU_ALG2_Node_String = QStringLiteral("B0B0");
    s.MVB_DDU_SLV_Node_String = t.slvNode ? QString::fromLatin1(t.slvNode) : unknownText();
    s.MVB_DDU_Line_Frequency = t.lineFrequency;
    s.MVB_DDU_Line_Frequency_String = QString::fromLatin1(t.lineFrequencyText);
    if (t.lineFrequencyIntText)
        s.MVB_DDU_Line_Frequency_INT_String = QString::fromLatin1(t.lineFrequencyIntText);
    if (t.inchingSetSpeed)
        s.MVB_DDU_Inching_Set_Speed_String = QString::fromLatin1(t.inchingSetSpeed);
    s.MVB_DDU_Loco_ISO_Status = t.locoIso;
    for (int k = 0; k < 6; ++k) {
        s.MVB_DDU_MotorMaster_Status[k] = t.motorMaster[k];
        s.MVB_DDU_MotorSlave_Status[k] = t.motorSlave[k];
    }
    s.LineConverter1_status_SLG1 = t.lineConverters[0];
    s.LineConverter2_status_SLG1 = t.lineConverters[1];
    s.LineConverter1_status_SLG2 = t.lineConverters[2];
    s.LineConverter2_status_SLG2 = t.lineConverters[3];
    for (int k = 0; k < 20; ++k)
        s.MVB_DDU_LOCO_SUB_System[k] = t.subSystems[k];
}
// clang-format on
