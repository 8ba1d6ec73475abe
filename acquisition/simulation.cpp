#include "acquisition/simulation.h"

#include <QCoreApplication>

// Data tables: laid out by hand, one entry per line or block.
// clang-format off

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// Values of one step; fields marked "keep" in a step leave the value as it was.
struct SimStep {
    int panto, vcb;
    int battery;
    const char* batteryText;
    int cabActive, direction;
    const char* locoNo;
    const char* locoType;
    int earthAux, earthControl;
    int autoBrake, locoBrake;
    double bpDemand;
    const char* bpPressure; // nullptr: keep
    int mr;
    int lsdj, bppb, bpcs, lsp, lsvw, lsfi, bpfa;
    int emg; // -1: keep
    int speed;
    const char* speedText;
    int primaryOverCurrent;
    bool primaryOverCurrentOn;
    const char* uprimText;
    int uprim; // -1: keep
    const char* inputPowerText;
    int beActual, beDemand;
    const char* beText;
    const char* flg1Node;
    const char* flg2Node;
    const char* slg1Node;
    const char* slg2Node;
    const char* slvNode;
    double lineFrequency;
    const char* lineFrequencyText;
    const char* lineFrequencyIntText; // nullptr: keep
    const char* inchingSetSpeed;      // nullptr: keep
    int locoIso;
    int motorMaster[6];
    int motorSlave[6];
    int lineConverters[4]; // LC1 SLG1, LC2 SLG1, LC1 SLG2, LC2 SLG2
    int subSystems[20];
};

const SimStep kSteps[SIMULATION_STEPS] = {
    {1, 1, 110, "110", 2, 1, "42022", "WAG9", 1, 1, 1, 1, 5.0, nullptr, 6, 1, 1, 1, 1, 1, 1, 1, -1, 60, "60",
     1, false, "24.25", -1, "14.21", 10, 10, "10", "504", "502", "604", "602", "234", 15.12, "15.12", "0", "0.7",
     1, {0, 1, 0, 1, 0, 1}, {1, 0, 1, 0, 1, 1}, {1, 0, 1, 0},
     {2, 0, 2, 1, 3, 4, 3, 0, 1, 0, 2, 3, 4, 1, 2, 3, 1, 4, 0, 2}},
    {1, 1, 110, "110", 1, 1, "31028", "WAG9", 1, 1, 1, 1, 3.9, "3.9", 0, 1, 1, 1, 1, 1, 1, 1, 0, 60, "60",
     0, false, "24.25", 24, "14.21", 50, 50, "50.5", "504", "502", "604", "602", "453", 15.12, "15.12", nullptr,
     nullptr, 0, {1, 0, 1, 0, 1, 1}, {0, 1, 0, 1, 0, 0}, {1, 0, 0, 1},
     {0, 1, 2, 3, 4, 3, 2, 1, 0, 4, 0, 3, 0, 2, 0, 1, 4, 2, 0, 1}},
    {1, 1, 90, "90", 1, 0, "30150", "WAP5", 1, 0, 1, 0, 5.1, nullptr, 6, 0, 1, 0, 0, 0, 1, 0, -1, 70, "70",
     1, true, "24.26", -1, "14.22", 200, 200, "200", "505", "503", "605", "603", "????", 15.13, "15.13", nullptr,
     nullptr, 1, {1, 1, 1, 1, 1, 0}, {1, 0, 1, 0, 1, 1}, {0, 1, 1, 0},
     {1, 0, 1, 2, 1, 4, 1, 3, 1, 4, 0, 3, 2, 4, 1, 0, 1, 2, 3, 4}},
    {0, 1, 80, "80", 1, 1, "30280", "WAP7", 0, 1, 0, 1, 5.2, nullptr, 6, 0, 1, 0, 0, 1, 0, 1, 0, 130, "130",
     0, false, "24.28", -1, "14.29", 0, 0, "0", "508", "504", "609", "610", "322", 15.19, "15.19", nullptr,
     nullptr, 1, {1, 0, 1, 0, 1, 1}, {0, 1, 0, 1, 0, 0}, {0, 1, 0, 1},
     {0, 4, 3, 1, 0, 3, 2, 0, 4, 1, 4, 0, 3, 2, 1, 2, 3, 4, 0, 1}},
    {0, 0, 110, "110", 1, 1, "34123", "WAP7", 1, 0, 1, 1, 5.3, nullptr, 6, 1, 1, 0, 0, 0, 1, 1, 1, 30, "30",
     1, true, "24.22", -1, "14.27", -200, -200, "-200", "511", "512", "614", "612", "????", 15.2, "15.20", nullptr,
     nullptr, 0, {0, 1, 1, 0, 0, 1}, {1, 0, 0, 1, 1, 0}, {0, 0, 1, 1},
     {1, 0, 2, 3, 0, 4, 2, 3, 1, 0, 1, 4, 2, 3, 0, 3, 2, 4, 0, 1}},
};

} // namespace

void applySimulationStep(SignalStore& s, int step)
{
    if (step < 0 || step >= SIMULATION_STEPS)
        return;
    const SimStep& t = kSteps[step];

    s.MVB_DDU_Panto = t.panto;
    s.MVB_DDU_VCB = t.vcb;
    s.MVB_DDU_Panto_String = tr("DOWN");
    s.MVB_DDU_VCB_String = tr("OFF");
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
    if (t.emg >= 0)
        s.MVB_DDU_EMG = t.emg;
    s.MVB_DDU_Speed = t.speed;
    s.MVB_DDU_Speed_String = QString::fromLatin1(t.speedText);
    s.MVB_DDU_Hotel_Load_String = tr("OFF");
    s.MVB_DDU_Filter_String = tr("OFF");
    s.MVB_DDU_Earth_Fault_Power_String = tr("OFF");
    s.MVB_DDU_Primary_Over_Current = t.primaryOverCurrent;
    s.MVB_DDU_Primary_Over_Current_String = t.primaryOverCurrentOn ? tr("ON") : tr("OFF");
    s.MVB_DDU_UPRIM_String = QString::fromLatin1(t.uprimText);
    if (t.uprim >= 0)
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
    s.MVB_DDU_SLV_Node_String = QString::fromLatin1(t.slvNode);
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
