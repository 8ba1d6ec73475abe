// The nine subsystem value screens as data: for each its group and table,
// title, size, column widths and cells (row labels, fixed headings and the
// display texts of the signal store, with their spans).

#include <QCoreApplication>

#include "screens/subsystem_values_view.h"

namespace subsysvalues {

namespace {

using M = QString DerivedValues::*;

Cell label(int row, const char* text, int rowSpan = 1)
{
    return {row, 0, rowSpan, 1, text, nullptr, nullptr};
}

Cell heading(int row, int column, const char* text, int span = 1)
{
    return {row, column, 1, span, text, nullptr, nullptr};
}

Cell value(int row, int column, M member, int span = 1, const char* unit = nullptr)
{
    return {row, column, 1, span, nullptr, member, unit};
}

// A row of two values side by side, each spanning `span` columns.
void pair(std::vector<Cell>& v, int row, M first, M second, int span)
{
    v.push_back(value(row, 1, first, span));
    v.push_back(value(row, 1 + span, second, span));
}

using D = DerivedValues;

// Data tables: one function per screen, one line per table row.
// clang-format off
Screen hvCircuit()
{
    Screen s{"Gmenu_hvcircuit", "t_mhvcircuit", QT_TRANSLATE_NOOP("MainWindow", "HIGH VOLTAGE CIRCUIT"), 5,
             10, 2, {350, 284}, 43, false, {}};
    const std::pair<const char*, M> rows[10] = {
        {QT_TRANSLATE_NOOP("MainWindow", " PANTO UP"), &D::MVB_DDU_Panto_String},
        {QT_TRANSLATE_NOOP("MainWindow", " VCB STATUS"), &D::MVB_DDU_VCB_String},
        {QT_TRANSLATE_NOOP("MainWindow", " HOTEL LOAD"), &D::MVB_DDU_Hotel_Load_String},
        {QT_TRANSLATE_NOOP("MainWindow", " CATENARY VOLTAGE"), &D::MVB_DDU_UPRIM_String},
        {QT_TRANSLATE_NOOP("MainWindow", " PRIMARY CURRENT"), &D::MVB_DDU_IPRIM_String},
        {QT_TRANSLATE_NOOP("MainWindow", " LINE FREQUENCY"), &D::MVB_DDU_Line_Frequency_String},
        {QT_TRANSLATE_NOOP("MainWindow", " INPUT POWER kW"), &D::MVB_DDU_Input_Power_String},
        {QT_TRANSLATE_NOOP("MainWindow", " PRIMARY OVER CURRENT"), &D::MVB_DDU_Primary_Over_Current_String},
        {QT_TRANSLATE_NOOP("MainWindow", " FILTER"), &D::MVB_DDU_Filter_String},
        {QT_TRANSLATE_NOOP("MainWindow", " EARTH FAULT POWER CIRCUIT"), &D::MVB_DDU_Earth_Fault_Power_String},
    };
    for (int r = 0; r < 10; ++r) {
        s.cells.push_back(label(r, rows[r].first));
        s.cells.push_back(value(r, 1, rows[r].second));
    }
    return s;
}

Screen tractionConverter()
{
    Screen s{"Gmenu_tracconv", "t_mtracconv", QT_TRANSLATE_NOOP("MainWindow", "TRACTION CONVERTER"), 6,
             9, 3, {300, 158, 158}, 47, false, {}};
    struct Row { const char* text; M first, second; };
    const Row rows[9] = {
        {QT_TRANSLATE_NOOP("MainWindow", " FLG NODE"), &D::MVB_DDU_FLG1_Node_String, &D::MVB_DDU_FLG2_Node_String},
        {QT_TRANSLATE_NOOP("MainWindow", " SLG NODE"), &D::MVB_DDU_SLG1_Node_String, &D::MVB_DDU_SLG2_Node_String},
        {QT_TRANSLATE_NOOP("MainWindow", " ALG NODE"), &D::MVB_DDU_ALG1_Node_String, &D::MVB_DDU_ALG2_Node_String},
        {QT_TRANSLATE_NOOP("MainWindow", " PRE-CHARGE CONTACTOR"), &D::MVB_DDU_PreChrage_Contactor1_String,
         &D::MVB_DDU_PreChrage_Contactor2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " INPUT CONTACTOR"), &D::MVB_DDU_Input_Contactor1_String,
         &D::MVB_DDU_Input_Contactor2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " OIL PRESSURE"), &D::MVB_DDU_SR_Pressure1_String, &D::MVB_DDU_SR_Pressure2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " OIL TEMPERATURE"), &D::MVB_DDU_SR_Temperature1_String,
         &D::MVB_DDU_SR_Temperature2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " INPUT POWER"), &D::MVB_DDU_Input_Power1_String, &D::MVB_DDU_Input_Power2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " VENTILATION LEVEL"), &D::MVB_DDU_Ventilation_Level1_String,
         &D::MVB_DDU_Ventilation_Level2_String},
    };
    for (int r = 0; r < 9; ++r) {
        s.cells.push_back(label(r, rows[r].text));
        pair(s.cells, r, rows[r].first, rows[r].second, 1);
    }
    return s;
}

Screen auxiliaryConverter()
{
    Screen s{"Gmenu_auxconv", "t_mauxconv", QT_TRANSLATE_NOOP("MainWindow", "AUXILIARY CONVERTER"), 7,
             8, 8, {270, 69, 46, 23, 69, 23, 46, 69}, 52, true, {}};
    auto& c = s.cells;
    c.push_back(label(0, QT_TRANSLATE_NOOP("MainWindow", " AUXILIARY VOLTAGE")));
    c.push_back(value(0, 1, &D::MVB_DDU_Auxiliary_Voltage_String, 7));
    c.push_back(label(1, QT_TRANSLATE_NOOP("MainWindow", " AUXILIARY CURRENT")));
    c.push_back(value(1, 1, &D::MVB_DDU_Auxiliary_Current_String, 7));
    struct Row { const char* text; M bur1, bur2, bur3; };
    const Row rows[4] = {
        {QT_TRANSLATE_NOOP("MainWindow", " DC LINK VOLTAGE"), &D::MVB_DDU_BUR1_DC_Link_Voltage_String,
         &D::MVB_DDU_BUR2_DC_Link_Voltage_String, &D::MVB_DDU_BUR3_DC_Link_Voltage_String},
        {QT_TRANSLATE_NOOP("MainWindow", " DC LINK CURRENT"), &D::MVB_DDU_BUR1_DC_Link_Current_String,
         &D::MVB_DDU_BUR2_DC_Link_Current_String, &D::MVB_DDU_BUR3_DC_Link_Current_String},
        {QT_TRANSLATE_NOOP("MainWindow", " OUTPUT VOLTAGE"), &D::MVB_DDU_BUR1_Output_Voltage_String,
         &D::MVB_DDU_BUR2_Output_Voltage_String, &D::MVB_DDU_BUR3_Output_Voltage_String},
        {QT_TRANSLATE_NOOP("MainWindow", " OUTPUT FREQUENCY"), &D::MVB_DDU_BUR1_Output_Frequency_String,
         &D::MVB_DDU_BUR2_Output_Frequency_String, &D::MVB_DDU_BUR3_Output_Frequency_String},
    };
    for (int k = 0; k < 4; ++k) {
        c.push_back(label(2 + k, rows[k].text));
        c.push_back(value(2 + k, 1, rows[k].bur1, 2));
        c.push_back(value(2 + k, 3, rows[k].bur2, 3));
        c.push_back(value(2 + k, 6, rows[k].bur3, 2));
    }
    c.push_back(label(6, QT_TRANSLATE_NOOP("MainWindow", " GROUPING CONTACTORS"), 2));
    c.push_back(heading(6, 1, "52/1"));
    c.push_back(heading(6, 2, "52/2", 2));
    c.push_back(heading(6, 4, "52/3"));
    c.push_back(heading(6, 5, "52/4", 2));
    c.push_back(heading(6, 7, "52/5"));
    c.push_back(value(7, 1, &D::MVB_DDU_Group_Contact_541_String));
    c.push_back(value(7, 2, &D::MVB_DDU_Group_Contact_542_String, 2));
    c.push_back(value(7, 4, &D::MVB_DDU_Group_Contact_543_String));
    c.push_back(value(7, 5, &D::MVB_DDU_Group_Contact_544_String, 2));
    c.push_back(value(7, 7, &D::MVB_DDU_Group_Contact_545_String));
    return s;
}

Screen tractionMotor()
{
    Screen s{"Gmenu_tracmoto", "t_mtracmoto", QT_TRANSLATE_NOOP("MainWindow", "TRACTION MOTOR"), 8,
             7, 7, {270, 57, 57, 57, 57, 57, 57}, 58, false, {}};
    auto& c = s.cells;
    c.push_back(label(0, QT_TRANSLATE_NOOP("MainWindow", " INPUT CONTACTOR")));
    pair(c, 0, &D::MVB_DDU_Input_Contactor1_String, &D::MVB_DDU_Input_Contactor2_String, 3);
    c.push_back(label(1, QT_TRANSLATE_NOOP("MainWindow", " DC LINK VOLTAGE")));
    pair(c, 1, &D::MVB_DDU_Traction_DC_Link_Volatge1_String, &D::MVB_DDU_Traction_DC_Link_Volatge2_String, 3);
    c.push_back(label(2, QT_TRANSLATE_NOOP("MainWindow", " VENTILATION LEVEL")));
    pair(c, 2, &D::MVB_DDU_Ventilation_Level1_String, &D::MVB_DDU_Ventilation_Level2_String, 3);
    c.push_back(label(3, QT_TRANSLATE_NOOP("MainWindow", " SR INPUT POWER kW")));
    pair(c, 3, &D::MVB_DDU_SR_Input_Power1_String, &D::MVB_DDU_SR_Input_Power2_String, 3);
    c.push_back(label(4, QT_TRANSLATE_NOOP("MainWindow", " WHEEL SLIP")));
    c.push_back(value(4, 1, &D::MVB_DDU_Wheel_Slip_String, 6));
    c.push_back(label(5, QT_TRANSLATE_NOOP("MainWindow", " TM SPEED km/h")));
    const M speeds[6] = {&D::MVB_DDU_TM_Speed1_String, &D::MVB_DDU_TM_Speed2_String, &D::MVB_DDU_TM_Speed3_String,
                         &D::MVB_DDU_TM_Speed4_String, &D::MVB_DDU_TM_Speed5_String, &D::MVB_DDU_TM_Speed6_String};
    c.push_back(label(6, QT_TRANSLATE_NOOP("MainWindow", " TM TEMPERATURE DEG C")));
    const M temperatures[6] = {&D::MVB_DDU_TM_Temperature1_INT_String, &D::MVB_DDU_TM_Temperature2_INT_String,
                               &D::MVB_DDU_TM_Temperature3_INT_String, &D::MVB_DDU_TM_Temperature4_INT_String,
                               &D::MVB_DDU_TM_Temperature5_INT_String, &D::MVB_DDU_TM_Temperature6_INT_String};
    for (int k = 0; k < 6; ++k) {
        c.push_back(value(5, 1 + k, speeds[k]));
        c.push_back(value(6, 1 + k, temperatures[k]));
    }
    return s;
}

Screen auxiliarySystem()
{
    Screen s{"Gmenu_auxsys", "t_mauxsys", QT_TRANSLATE_NOOP("MainWindow", "AUXILIARY SYSTEM"), 9,
             8, 7, {270, 57, 57, 57, 57, 57, 57}, 52, false, {}};
    auto& c = s.cells;
    c.push_back(label(0, QT_TRANSLATE_NOOP("MainWindow", " AUXILIARY VOLTAGE")));
    c.push_back(value(0, 1, &D::MVB_DDU_Auxiliary_Voltage_String, 6));
    c.push_back(label(1, QT_TRANSLATE_NOOP("MainWindow", " BUR 1,2,3 STATUS")));
    c.push_back(value(1, 1, &D::MVB_DDU_BUR1_Status_String, 2));
    c.push_back(value(1, 3, &D::MVB_DDU_BUR2_Status_String, 2));
    c.push_back(value(1, 5, &D::MVB_DDU_BUR3_Status_String, 2));
    struct Row { const char* text; M first, second; };
    const Row rows[6] = {
        {QT_TRANSLATE_NOOP("MainWindow", " COMPRESSOR 1,2"), &D::MVB_DDU_Compressor1_String, &D::MVB_DDU_Compressor2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " OCB 1,2"), &D::MVB_DDU_OCB1_String, &D::MVB_DDU_OCB2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " SR OIL PUMP 1,2"), &D::MVB_DDU_SR_Oil_Pump1_String, &D::MVB_DDU_SR_Oil_Pump2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " TFP OIL PUMP 1,2"), &D::MVB_DDU_TFP_Oil_Pump1_String,
         &D::MVB_DDU_TFP_Oil_Pump2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " TM BLOWER 1,2"), &D::MVB_DDU_TM_Blower1_String, &D::MVB_DDU_TM_Blower2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " MR BLOWER 1,2"), &D::MVB_DDU_MR_Blower1_String, &D::MVB_DDU_MR_Blower2_String},
    };
    for (int k = 0; k < 6; ++k) {
        c.push_back(label(2 + k, rows[k].text));
        pair(c, 2 + k, rows[k].first, rows[k].second, 3);
    }
    return s;
}

Screen brakingSystem()
{
    Screen s{"Gmenu_braksys", "t_mbraksys", QT_TRANSLATE_NOOP("MainWindow", "BRAKING SYSTEM"), 10,
             9, 3, {310, 153, 153}, 47, false, {}};
    const std::pair<const char*, M> rows[8] = {
        {QT_TRANSLATE_NOOP("MainWindow", " SPEED"), &D::MVB_DDU_Speed_String},
        {QT_TRANSLATE_NOOP("MainWindow", " MASTER CONTROLLER"), &D::MVB_DDU_Master_Control_Position_String},
        {QT_TRANSLATE_NOOP("MainWindow", " WHEEL SLIP"), &D::MVB_DDU_Wheel_Slip_String},
        {QT_TRANSLATE_NOOP("MainWindow", " TE/BE DEMAND kN"), &D::MVB_DDU_BE_Demand_String},
        {QT_TRANSLATE_NOOP("MainWindow", " TE/BE ACTUAL kN"), &D::MVB_DDU_BE_Actual_String},
        {QT_TRANSLATE_NOOP("MainWindow", " PNEUMATIC BRAKE DEMAND"), &D::MVB_DDU_Pneumatic_Brake_Demand_String},
        // The regenerated energy since the counters began, and since this
        // display started (the counter is an energy, not a power).
        {QT_TRANSLATE_NOOP("MainWindow", " REGEN. ENERGY TOTAL kWh"), &D::MVB_DDU_Energy_Regenerated_String},
        {QT_TRANSLATE_NOOP("MainWindow", " REGEN. ENERGY TRIP kWh"), &D::MVB_DDU_Energy_Regenerated_Trip_String},
    };
    for (int r = 0; r < 8; ++r) {
        s.cells.push_back(label(r, rows[r].first));
        s.cells.push_back(value(r, 1, rows[r].second, 2));
    }
    s.cells.push_back(label(8, QT_TRANSLATE_NOOP("MainWindow", " COMPRESSOR 1,2")));
    pair(s.cells, 8, &D::MVB_DDU_Compressor1_String, &D::MVB_DDU_Compressor2_String, 1);
    return s;
}

Screen energyMonitoring()
{
    Screen s{"Gmenu_enermoni", "t_menermoni", QT_TRANSLATE_NOOP("MainWindow", "ENERGY MONITORING"), 11,
             3, 2, {396, 218}, 60, false, {}};
    const char* kwh = " kWh";
    auto& c = s.cells;
    c.push_back(label(0, QT_TRANSLATE_NOOP("MainWindow", " ENERGY CONSUMED CUMULATIVE")));
    c.push_back(value(0, 1, &D::MVB_DDU_Energy_Consumed_String, 1, kwh));
    c.push_back(label(1, QT_TRANSLATE_NOOP("MainWindow", " ENERGY REGENERATED CUMULATIVE")));
    c.push_back(value(1, 1, &D::MVB_DDU_Energy_Regenerated_String, 1, kwh));
    c.push_back(label(2, QT_TRANSLATE_NOOP("MainWindow", " REGENERATION RATIO CUMULATIVE")));
    c.push_back(value(2, 1, &D::MVB_DDU_Energy_Ratio_String));
    return s;
}

Screen temperatures()
{
    Screen s{"Gmenu_temp", "t_mtemp", QT_TRANSLATE_NOOP("MainWindow", "TEMPERATURES"), 12,
             6, 3, {270, 173, 173}, 60, false, {}};
    struct Row { const char* text; M first, second; };
    const Row rows[6] = {
        {QT_TRANSLATE_NOOP("MainWindow", " TFP OIL 1,2 °C"), &D::MVB_DDU_TFP_Temperature1_String,
         &D::MVB_DDU_TFP_Temperature2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " SR OIL 1,2 °C"), &D::MVB_DDU_SR_Temperature1_String,
         &D::MVB_DDU_SR_Temperature2_String},
        {QT_TRANSLATE_NOOP("MainWindow", " TM1 1,2 °C"), &D::MVB_DDU_TM_Temperature1_String,
         &D::MVB_DDU_TM_Temperature4_String},
        {QT_TRANSLATE_NOOP("MainWindow", " TM2 1,2 °C"), &D::MVB_DDU_TM_Temperature2_String,
         &D::MVB_DDU_TM_Temperature5_String},
        {QT_TRANSLATE_NOOP("MainWindow", " TM3 1,2 °C"), &D::MVB_DDU_TM_Temperature3_String,
         &D::MVB_DDU_TM_Temperature6_String},
        {QT_TRANSLATE_NOOP("MainWindow", " INPUT POWER 1,2 kW"), &D::MVB_DDU_Input_Power1_String,
         &D::MVB_DDU_Input_Power2_String},
    };
    for (int r = 0; r < 6; ++r) {
        s.cells.push_back(label(r, rows[r].text));
        pair(s.cells, r, rows[r].first, rows[r].second, 1);
    }
    return s;
}

Screen pressures()
{
    Screen s{"Gmenu_pressure", "t_mpressure", QT_TRANSLATE_NOOP("MainWindow", "PRESSURES"), 13,
             6, 3, {270, 173, 173}, 60, false, {}};
    auto& c = s.cells;
    c.push_back(label(0, QT_TRANSLATE_NOOP("MainWindow", " TFP OIL 1,2 bar")));
    pair(c, 0, &D::MVB_DDU_TFP_Pressure1_String, &D::MVB_DDU_TFP_Pressure2_String, 1);
    c.push_back(label(1, QT_TRANSLATE_NOOP("MainWindow", " SR OIL 1, 2 bar")));
    pair(c, 1, &D::MVB_DDU_SR_Pressure1_String, &D::MVB_DDU_SR_Pressure2_String, 1);
    const std::pair<const char*, M> rows[4] = {
        {QT_TRANSLATE_NOOP("MainWindow", " MR PRESSURE > 6.4"), &D::MVB_DDU_MR_Pressure_String},
        {QT_TRANSLATE_NOOP("MainWindow", " BP PRESSURE kg/cm2"), &D::MVB_DDU_BP_Pressure_String},
        {QT_TRANSLATE_NOOP("MainWindow", " BC1 PRESSURE"), &D::MVB_DDU_BC1_Pressure_String},
        {QT_TRANSLATE_NOOP("MainWindow", " BC2 PRESSURE"), &D::MVB_DDU_BC2_Pressure_String},
    };
    for (int k = 0; k < 4; ++k) {
        c.push_back(label(2 + k, rows[k].first));
        c.push_back(value(2 + k, 1, rows[k].second, 2));
    }
    return s;
}
// clang-format on

} // namespace

const Screen& screen(int index)
{
    static const Screen screens[kScreenCount] = {hvCircuit(),        tractionConverter(), auxiliaryConverter(),
                                                 tractionMotor(),    auxiliarySystem(),   brakingSystem(),
                                                 energyMonitoring(), temperatures(),      pressures()};
    return screens[qBound(0, index, kScreenCount - 1)];
}

} // namespace subsysvalues
