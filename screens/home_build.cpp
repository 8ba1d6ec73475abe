// Widget tree of the home screen: the RMS layout on the main form (drawn over
// the painted tile frame) and the DDU layout in the group Gmainwindow_ddu.
//
// The home screen's view (home_view) fills these widgets on every refresh
// tick. Navigation and start-up rely only on the names created here.
//
// Geometry rules:
// - RMS layout, window coordinates. Tiles (painted by paintEvent): left and
//   right columns of four 170 x 130 tiles, the centre (174, 52) 675 x 526 and
//   the bottom row at y 580. Left column: UPRIM, MR + BP, VBAT, IPRIM; right
//   column: PANTO, VCB, loco brake, automatic brake. Centre: clock and
//   protections, speed gauge, node strings with frequency and power,
//   converters and motors; the TE/BE meter on its right. Bottom row: loco
//   tile, lamps, subsystem strip.
// - DDU layout, coordinates of the group (0, 52, 1024 x 716). The meter
//   markers move on fixed columns (x 11 / 163 TE/BE, 300 VCAT, 451 IPRI), so
//   the meters sit where the marker formulas put their zero rows: TE/BE meter
//   (27, 229), VCAT meter (184, 209), IPRI meter (467, 209).
// - Touch regions of the home screen are fixed in window coordinates: loco 1
//   pictogram (10, 630)-(150, 660), loco 2 (10, 715)-(150, 745), subsystem
//   strip (335, 575)-(670, 760). The RMS widgets sit on them; in the DDU layout
//   the loco pictogram and the subsystem strip lie over the same places.

#include "screens/home_screen.h"

#include <QFont>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>

#include "screens/home_layout.h"
#include "screens/home_view.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"
#include "widgets/qgauge.h"

using namespace ddu_ui;
using home::HomeWidget;
using home::Kind;

namespace home {

// clang-format off
const HomeWidget kRmsWidgets[] = {
    // ---- left column: line voltage, reservoir and brake pipe, battery, line current
    {Kind::Caption, "cap_uprim",  {4, 56, 166, 26},   QT_TRANSLATE_NOOP("MainWindow", "UPRIM"), 15, Qt::AlignCenter},
    {Kind::Lcd,     "uprim_val",  {12, 84, 150, 64},  nullptr, 3, Qt::AlignCenter},
    {Kind::Unit,    "cap_kv",     {4, 150, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "kV"), 13, Qt::AlignCenter},
    {Kind::Caption, "cap_mr",     {4, 190, 70, 26},   QT_TRANSLATE_NOOP("MainWindow", "MR"), 15, Qt::AlignCenter},
    {Kind::Value,   "mr_sign",    {4, 222, 70, 36},   nullptr, 24, Qt::AlignCenter},
    {Kind::Value,   "mr_val",     {4, 258, 70, 44},   nullptr, 24, Qt::AlignCenter},
    {Kind::Caption, "cap_bp",     {77, 190, 94, 48},  QT_TRANSLATE_NOOP("MainWindow", "BP DEMAND"), 13, Qt::AlignCenter},
    {Kind::Value,   "bp_val",     {77, 246, 94, 50},  nullptr, 26, Qt::AlignCenter},
    {Kind::Caption, "cap_vbat",   {4, 320, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "VBAT"), 15, Qt::AlignCenter},
    {Kind::Lcd,     "vbat",       {12, 348, 150, 64}, nullptr, 3, Qt::AlignCenter},
    {Kind::Unit,    "cap_v",      {4, 414, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "V"), 13, Qt::AlignCenter},
    {Kind::Caption, "cap_iprim",  {4, 452, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "IPRIM"), 15, Qt::AlignCenter},
    {Kind::Lcd,     "iprim_val",  {12, 480, 150, 64}, nullptr, 3, Qt::AlignCenter},
    {Kind::Unit,    "cap_a",      {4, 546, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "A"), 13, Qt::AlignCenter},
    // ---- right column: pantograph, VCB, loco and automatic brake
    {Kind::Image,   "panto",      {881, 60, 110, 80},   nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_panto",  {853, 146, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "PANTO"), 15, Qt::AlignCenter},
    {Kind::Image,   "vcb",        {881, 192, 110, 80},  nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_vcb",    {853, 278, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "VCB"), 15, Qt::AlignCenter},
    {Kind::Image,   "loco_brake", {891, 330, 90, 70},   nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_loco",   {853, 410, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "LOCO"), 15, Qt::AlignCenter},
    {Kind::Image,   "auto_brake", {891, 462, 90, 70},   nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_auto",   {853, 542, 166, 26},  QT_TRANSLATE_NOOP("MainWindow", "AUTO"), 15, Qt::AlignCenter},
    // ---- centre: clock and protections left of the speed gauge
    {Kind::Clock,   "datetime",     {184, 58, 160, 80},  nullptr, 13, Qt::AlignLeft | Qt::AlignTop},
    {Kind::Value,   "oc_primary",   {178, 152, 100, 36}, QT_TRANSLATE_NOOP("MainWindow", "O/C P"), 21, Qt::AlignCenter},
    {Kind::Value,   "ef_auxiliary", {178, 192, 100, 36}, QT_TRANSLATE_NOOP("MainWindow", "E/F A"), 21, Qt::AlignCenter},
    {Kind::Value,   "ef_power",     {178, 232, 100, 36}, QT_TRANSLATE_NOOP("MainWindow", "E/F P"), 21, Qt::AlignCenter},
    {Kind::Value,   "ef_control",   {178, 272, 100, 36}, QT_TRANSLATE_NOOP("MainWindow", "E/F C"), 21, Qt::AlignCenter},
    {Kind::Number,  "emg_txt",      {400, 140, 220, 30}, nullptr, 16, Qt::AlignCenter},
    // ---- centre: node strings, line frequency and input power below the gauge
    {Kind::Caption, "cap_flg1",   {184, 414, 52, 28},  QT_TRANSLATE_NOOP("MainWindow", "FLG1"), 13, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Node,    "flg1val",    {240, 414, 62, 28},  nullptr, 16, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Caption, "cap_flg2",   {184, 444, 52, 28},  QT_TRANSLATE_NOOP("MainWindow", "FLG2"), 13, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Node,    "flg2val",    {240, 444, 62, 28},  nullptr, 16, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Caption, "nodeslv",    {184, 474, 52, 28},  QT_TRANSLATE_NOOP("MainWindow", "SLV"), 13, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Node,    "slvnodeval", {240, 474, 62, 28},  nullptr, 16, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Caption, "cap_slg1",   {306, 414, 52, 28},  QT_TRANSLATE_NOOP("MainWindow", "SLG1"), 13, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Node,    "slg1val",    {362, 414, 62, 28},  nullptr, 16, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Caption, "cap_slg2",   {306, 444, 52, 28},  QT_TRANSLATE_NOOP("MainWindow", "SLG2"), 13, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Node,    "slg2val",    {362, 444, 62, 28},  nullptr, 16, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Caption, "cap_freq",   {430, 414, 72, 28},  QT_TRANSLATE_NOOP("MainWindow", "FREQ"), 13, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Lcd,     "freq_val",   {504, 413, 92, 30},  nullptr, 2, Qt::AlignCenter},
    {Kind::Unit,    "cap_hz",     {600, 414, 28, 28},  QT_TRANSLATE_NOOP("MainWindow", "Hz"), 11, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Caption, "cap_power",  {430, 444, 72, 28},  QT_TRANSLATE_NOOP("MainWindow", "POWER"), 13, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Lcd,     "power_val",  {504, 443, 92, 30},  nullptr, 5, Qt::AlignCenter},
    {Kind::Unit,    "cap_kw",     {600, 444, 28, 28},  QT_TRANSLATE_NOOP("MainWindow", "kW"), 11, Qt::AlignLeft | Qt::AlignVCenter},
    // ---- centre: line converters and traction motors (bogie 1 left, bogie 2 right)
    {Kind::Image,   "loco_inverter1",        {184, 522, 44, 44}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter2",        {230, 522, 44, 44}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter_circle1", {280, 526, 36, 36}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter_circle2", {318, 526, 36, 36}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter_circle3", {356, 526, 36, 36}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter3",        {406, 522, 44, 44}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter4",        {452, 522, 44, 44}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter_circle4", {502, 526, 36, 36}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter_circle5", {540, 526, 36, 36}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "loco_inverter_circle6", {578, 526, 36, 36}, nullptr, 0, Qt::AlignCenter},
    // ---- centre right: tractive / braking effort, demand (W) and actual (X)
    {Kind::Caption, "cap_w",        {634, 58, 96, 24},   QT_TRANSLATE_NOOP("MainWindow", "W"), 15, Qt::AlignCenter},
    {Kind::Caption, "cap_x",        {748, 58, 96, 24},   QT_TRANSLATE_NOOP("MainWindow", "X"), 15, Qt::AlignCenter},
    {Kind::Lcd,     "lcdtebe_w",    {634, 82, 96, 48},   nullptr, 3, Qt::AlignCenter},
    {Kind::Lcd,     "lcdtebe_x",    {748, 82, 96, 48},   nullptr, 3, Qt::AlignCenter},
    {Kind::Caption, "cap_tebe",     {634, 140, 210, 26}, QT_TRANSLATE_NOOP("MainWindow", "TE/BE(kN)"), 15, Qt::AlignCenter},
    {Kind::Image,   "tebe_img",     {655, 190, 130, 300}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "tebe_w_arrow", {639, 332, 16, 16},  nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "tebe_x_arrow", {785, 332, 16, 16},  nullptr, 0, Qt::AlignCenter},
    // ---- bottom row: loco tile (loco 1 above, loco 2 below)
    {Kind::Number,  "loco_numb",     {6, 582, 100, 26},  nullptr, 16, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Image,   "direction",     {120, 582, 44, 26}, nullptr, 0, Qt::AlignCenter},
    {Kind::Button,  "loco_diag",     {11, 611, 148, 50}, nullptr, 0, Qt::AlignCenter},
    {Kind::Unit,    "cap_cab",       {6, 663, 42, 24},   QT_TRANSLATE_NOOP("MainWindow", "CAB"), 11, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Number,  "loco_cabval",   {48, 663, 30, 24},  nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Type,    "loco_type",     {84, 663, 80, 24},  nullptr, 13, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Number,  "loco_numb_2",   {6, 688, 100, 26},  nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Type,    "loco_select_2", {84, 688, 34, 26},  nullptr, 12, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Image,   "direction_2",   {120, 688, 44, 26}, nullptr, 0, Qt::AlignCenter},
    {Kind::Button,  "loco_diag_2",   {11, 714, 148, 50}, nullptr, 0, Qt::AlignCenter},
    // ---- bottom row: lamps
    {Kind::Image,   "lsdj_led", {184, 597, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_lsdj", {244, 612, 80, 26}, QT_TRANSLATE_NOOP("MainWindow", "LSDJ"), 15, Qt::AlignCenter},
    {Kind::Image,   "lsvw_led", {184, 690, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_lsvw", {244, 705, 80, 26}, QT_TRANSLATE_NOOP("MainWindow", "LSVW"), 15, Qt::AlignCenter},
    {Kind::Image,   "bpcs_led", {702, 597, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_bpcs", {762, 612, 80, 26}, QT_TRANSLATE_NOOP("MainWindow", "BPCS"), 15, Qt::AlignCenter},
    {Kind::Image,   "lsp_led",  {702, 690, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_lsp",  {762, 705, 80, 26}, QT_TRANSLATE_NOOP("MainWindow", "LSP"), 15, Qt::AlignCenter},
    {Kind::Image,   "bppb_led", {865, 584, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_bppb", {851, 642, 84, 26}, QT_TRANSLATE_NOOP("MainWindow", "BPPB"), 15, Qt::AlignCenter},
    {Kind::Image,   "lsfi_led", {865, 677, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_lsfi", {851, 735, 84, 26}, QT_TRANSLATE_NOOP("MainWindow", "LSFI"), 15, Qt::AlignCenter},
    {Kind::Image,   "bpfa_led", {950, 584, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_bpfa", {936, 642, 84, 26}, QT_TRANSLATE_NOOP("MainWindow", "BPFA"), 15, Qt::AlignCenter},
    {Kind::Image,   "emg_led",  {950, 677, 56, 56}, nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "cap_emg",  {936, 735, 84, 26}, QT_TRANSLATE_NOOP("MainWindow", "EMG"), 15, Qt::AlignCenter},
};

const HomeWidget kDduWidgets[] = {
    // ---- tile frames
    {Kind::Frame, "lddu_frame_battery", {2, 2, 176, 144},     nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_panto",   {180, 2, 136, 144},   nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_vcb",     {318, 2, 136, 144},   nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_prot",    {456, 2, 384, 144},   nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_locobrk", {842, 2, 180, 176},   nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_autobrk", {842, 180, 180, 124}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_parkbrk", {842, 306, 180, 124}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_emgbrk",  {842, 432, 180, 140}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_tebe",    {2, 148, 178, 424},   nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_vcat",    {182, 148, 136, 424}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_values",  {320, 148, 129, 424}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_ipri",    {451, 148, 133, 424}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_speed",   {586, 148, 254, 424}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_loco",    {2, 574, 336, 140},   nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_subsys",  {340, 574, 610, 140}, nullptr, 0, Qt::AlignCenter},
    {Kind::Frame, "lddu_frame_lang",    {952, 574, 70, 140},  nullptr, 0, Qt::AlignCenter},
    // ---- top row: battery, pantograph, VCB, protections
    {Kind::Caption, "lddu_cap_battery", {2, 10, 176, 26},   QT_TRANSLATE_NOOP("MainWindow", "BATTERY"), 15, Qt::AlignCenter},
    {Kind::Value,   "lddu_battery_val", {2, 38, 176, 66},   nullptr, 40, Qt::AlignCenter},
    {Kind::Unit,    "lddu_cap_v",       {2, 108, 176, 26},  QT_TRANSLATE_NOOP("MainWindow", "V"), 13, Qt::AlignCenter},
    {Kind::Image,   "lddu_panto_img",   {183, 8, 130, 90},  nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_panto",   {180, 104, 136, 30}, QT_TRANSLATE_NOOP("MainWindow", "PANTO"), 15, Qt::AlignCenter},
    {Kind::Image,   "lddu_vcb_img",     {321, 8, 130, 90},  nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_vcb",     {318, 104, 136, 30}, QT_TRANSLATE_NOOP("MainWindow", "VCB"), 15, Qt::AlignCenter},
    {Kind::Value,   "lddu_ocpri1",      {456, 6, 192, 40},  QT_TRANSLATE_NOOP("MainWindow", "O/C"), 28, Qt::AlignCenter},
    {Kind::Value,   "lddu_ocpri2",      {456, 46, 192, 28}, QT_TRANSLATE_NOOP("MainWindow", "PRIMARY"), 16, Qt::AlignCenter},
    {Kind::Value,   "lddu_efpow1",      {648, 6, 192, 40},  QT_TRANSLATE_NOOP("MainWindow", "E/F"), 28, Qt::AlignCenter},
    {Kind::Value,   "lddu_efpow2",      {648, 46, 192, 28}, QT_TRANSLATE_NOOP("MainWindow", "POWER"), 16, Qt::AlignCenter},
    {Kind::Value,   "lddu_efaux1",      {456, 78, 192, 40}, QT_TRANSLATE_NOOP("MainWindow", "E/F"), 28, Qt::AlignCenter},
    {Kind::Value,   "lddu_efaux2",      {456, 118, 192, 28}, QT_TRANSLATE_NOOP("MainWindow", "AUXILIARY"), 16, Qt::AlignCenter},
    {Kind::Value,   "lddu_efcontrl1",   {648, 78, 192, 40}, QT_TRANSLATE_NOOP("MainWindow", "E/F"), 28, Qt::AlignCenter},
    {Kind::Value,   "lddu_efcontrl2",   {648, 118, 192, 28}, QT_TRANSLATE_NOOP("MainWindow", "CONTROL"), 16, Qt::AlignCenter},
    // ---- TE/BE meter: demand (W, green marker) and actual (X, orange marker)
    {Kind::Caption, "lddu_cap_tebe",            {2, 152, 178, 24},   QT_TRANSLATE_NOOP("MainWindow", "TE/BE"), 15, Qt::AlignCenter},
    {Kind::Value,   "lddu_tebeW_val",           {6, 178, 84, 44},    nullptr, 22, Qt::AlignCenter},
    {Kind::Value,   "lddu_tebeX_val",           {92, 178, 84, 44},   nullptr, 22, Qt::AlignCenter},
    {Kind::Image,   "lddu_tebe_img",            {27, 229, 136, 300}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "lddu_tebe_green_arrowimg", {11, 371, 16, 16},   nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "lddu_tebe_orng_arrowimg",  {163, 371, 16, 16},  nullptr, 0, Qt::AlignCenter},
    // ---- line voltage meter
    {Kind::Caption, "lddu_cap_vcat",      {182, 152, 136, 24},  QT_TRANSLATE_NOOP("MainWindow", "VCAT"), 15, Qt::AlignCenter},
    {Kind::Value,   "lddu_vcat_val",      {182, 172, 136, 38},  nullptr, 26, Qt::AlignCenter},
    {Kind::Image,   "lddu_vcat_img",      {184, 209, 116, 340}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "lddu_vcat_arrowimg", {300, 521, 16, 16},   nullptr, 0, Qt::AlignCenter},
    {Kind::Unit,    "lddu_cap_vcat2",     {182, 549, 136, 20},  QT_TRANSLATE_NOOP("MainWindow", "Vcat"), 12, Qt::AlignCenter},
    // ---- values between the voltage and current meters
    {Kind::Unit,    "lddu_cap_freq",  {320, 152, 129, 22}, QT_TRANSLATE_NOOP("MainWindow", "FREQ     Hz"), 12, Qt::AlignCenter},
    {Kind::Value,   "lddu_freq_val",  {320, 174, 129, 36}, nullptr, 22, Qt::AlignCenter},
    {Kind::Unit,    "lddu_cap_input", {320, 218, 129, 22}, QT_TRANSLATE_NOOP("MainWindow", "INPUT   kW"), 12, Qt::AlignCenter},
    {Kind::Value,   "lddu_input_val", {320, 240, 129, 36}, nullptr, 22, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_mr",    {320, 290, 129, 22}, QT_TRANSLATE_NOOP("MainWindow", "MR"), 15, Qt::AlignCenter},
    {Kind::Value,   "lddu_mr_val",    {320, 312, 129, 36}, nullptr, 22, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_bp",    {320, 362, 129, 22}, QT_TRANSLATE_NOOP("MainWindow", "BP"), 15, Qt::AlignCenter},
    {Kind::Value,   "lddu_bp_val",    {320, 384, 129, 36}, nullptr, 22, Qt::AlignCenter},
    {Kind::Clock,   "lddu_date",      {320, 500, 129, 26}, nullptr, 14, Qt::AlignCenter},
    {Kind::Clock,   "lddu_time",      {320, 526, 129, 36}, nullptr, 18, Qt::AlignCenter},
    // ---- primary current meter
    {Kind::Caption, "lddu_cap_ipri",      {451, 152, 133, 24},  QT_TRANSLATE_NOOP("MainWindow", "IPRI"), 15, Qt::AlignCenter},
    {Kind::Value,   "lddu_ipri_val",      {451, 172, 133, 38},  nullptr, 22, Qt::AlignCenter},
    {Kind::Image,   "lddu_ipri_img",      {467, 209, 116, 340}, nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "lddu_ipri_arrowimg", {451, 521, 16, 16},   nullptr, 0, Qt::AlignCenter},
    {Kind::Unit,    "lddu_cap_ipri2",     {451, 549, 133, 20},  QT_TRANSLATE_NOOP("MainWindow", "Ipri"), 12, Qt::AlignCenter},
    // ---- node strings under the speed gauge
    {Kind::Unit, "lddu_cap_flg1", {590, 408, 62, 40}, QT_TRANSLATE_NOOP("MainWindow", "FLG1 :"), 12, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Node, "lddu_flg1_val", {656, 408, 56, 40}, nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Unit, "lddu_cap_flg2", {714, 408, 62, 40}, QT_TRANSLATE_NOOP("MainWindow", "FLG2 :"), 12, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Node, "lddu_flg2_val", {780, 408, 56, 40}, nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Unit, "lddu_cap_slg1", {590, 458, 62, 40}, QT_TRANSLATE_NOOP("MainWindow", "SLG1 :"), 12, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Node, "lddu_slg1_val", {656, 458, 56, 40}, nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Unit, "lddu_cap_slg2", {714, 458, 62, 40}, QT_TRANSLATE_NOOP("MainWindow", "SLG2 :"), 12, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Node, "lddu_slg2_val", {780, 458, 56, 40}, nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Unit, "lddu_cap_alg1", {590, 508, 62, 40}, QT_TRANSLATE_NOOP("MainWindow", "ALG1 :"), 12, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Node, "lddu_alg1_val", {656, 508, 56, 40}, nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Unit, "lddu_cap_alg2", {714, 508, 62, 40}, QT_TRANSLATE_NOOP("MainWindow", "ALG2 :"), 12, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Node, "lddu_alg2_val", {780, 508, 56, 40}, nullptr, 15, Qt::AlignLeft | Qt::AlignVCenter},
    // ---- right column: brakes
    {Kind::Image,   "lddu_locobrk_img", {877, 8, 110, 80},    nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_loco",    {842, 90, 180, 24},   QT_TRANSLATE_NOOP("MainWindow", "LOCO"), 15, Qt::AlignCenter},
    {Kind::Unit,    "lddu_cap_bc",      {842, 116, 180, 20},  QT_TRANSLATE_NOOP("MainWindow", "BC"), 12, Qt::AlignCenter},
    {Kind::Value,   "lddu_bc_val",      {842, 134, 180, 42},  nullptr, 25, Qt::AlignCenter},
    {Kind::Image,   "lddu_autobrk_img", {877, 186, 110, 80},  nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_auto",    {842, 270, 180, 26},  QT_TRANSLATE_NOOP("MainWindow", "AUTO"), 15, Qt::AlignCenter},
    {Kind::Image,   "lddu_parkbrk_img", {877, 312, 110, 80},  nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_parking", {842, 396, 180, 26},  QT_TRANSLATE_NOOP("MainWindow", "PARKING"), 15, Qt::AlignCenter},
    {Kind::Image,   "lddu_emgbrk_img",  {877, 442, 110, 80},  nullptr, 0, Qt::AlignCenter},
    {Kind::Caption, "lddu_cap_emg",     {842, 528, 180, 26},  QT_TRANSLATE_NOOP("MainWindow", "EMERGENCY"), 15, Qt::AlignCenter},
    // ---- bottom row: loco, lamp legends, subsystem strip
    {Kind::Image,   "lddu_loco_img",     {10, 580, 232, 80},  nullptr, 0, Qt::AlignCenter},
    {Kind::Image,   "lddu_loco_dir_img", {252, 598, 80, 44},  nullptr, 0, Qt::AlignCenter},
    {Kind::Type,    "lddu_loco_type",    {10, 666, 74, 36},   nullptr, 16, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Unit,    "lddu_cap_cab",      {84, 666, 34, 36},   QT_TRANSLATE_NOOP("MainWindow", "CAB"), 12, Qt::AlignRight | Qt::AlignVCenter},
    {Kind::Number,  "lddu_loco_cabval",  {120, 666, 22, 36},  nullptr, 18, Qt::AlignLeft | Qt::AlignVCenter},
    {Kind::Lamp,    "lddu_bpcs_txt",      {346, 580, 146, 30}, QT_TRANSLATE_NOOP("MainWindow", "BPCS"), 16, Qt::AlignCenter},
    {Kind::Lamp,    "lddu_lsp_txt",       {496, 580, 146, 30}, QT_TRANSLATE_NOOP("MainWindow", "LSP"), 16, Qt::AlignCenter},
    {Kind::Lamp,    "lddu_antispin_txt",  {646, 580, 146, 30}, QT_TRANSLATE_NOOP("MainWindow", "ANTISPIN"), 16, Qt::AlignCenter},
    {Kind::Lamp,    "lddu_vigilance_txt", {796, 580, 148, 30}, QT_TRANSLATE_NOOP("MainWindow", "VIGILANCE"), 16, Qt::AlignCenter},
    {Kind::Button,  "bddu_lang_icon",     {958, 650, 58, 53},  nullptr, 0, Qt::AlignCenter},
};
// clang-format on

const int kRmsWidgetCount = int(sizeof kRmsWidgets / sizeof kRmsWidgets[0]);
const int kDduWidgetCount = int(sizeof kDduWidgets / sizeof kDduWidgets[0]);

} // namespace home

namespace {

// One widget of a home layout table, under its name, in its first look.
void buildHomeWidget(QWidget* parent, const HomeWidget& h)
{
    const QString style = home::initialStyle(h);
    switch (h.kind) {
    case Kind::Lcd: {
        QLCDNumber* l = lcd(parent, h.name, h.geometry, h.size);
        l->setSmallDecimalPoint(true);
        l->setStyleSheet(style);
        l->display(QStringLiteral("--"));
        break;
    }
    case Kind::Button: button(parent, h.name, h.geometry, QString(), style); break;
    case Kind::Frame: label(parent, h.name, h.geometry, QString(), style); break;
    default: {
        QLabel* l = label(parent, h.name, h.geometry, h.text ? ui::trScreen(h.text) : home::initialText(h), style);
        l->setAlignment(h.align);
        if (h.kind == Kind::Caption)
            l->setWordWrap(true);
        break;
    }
    }
}

} // namespace

void HomeScreen::build(QWidget* root)
{
    for (const HomeWidget& h : home::kRmsWidgets)
        buildHomeWidget(root, h);

    auto* gauge = new QGauge(root);
    gauge->setObjectName(QStringLiteral("gaugeWidget_4"));
    gauge->setGeometry(284, 58, 346, 346);

    // Subsystem strip: 4 x 5 cells of 70 x 45 in the bottom row tile (332, 580, 358 x 185).
    auto* strip = table(root, "homesub_table", {334, 582, 354, 182}, 4, 5);
    home::styleStrip(strip, 70, 45);
    strip->setStyleSheet(look::SubsystemGrid);

    auto* ddu = group(root, "Gmainwindow_ddu", {0, 52, 1024, 716}, look::BlackGroup);
    // Opaque: while the DDU layout is up, the RMS widgets it covers (which the
    // tick keeps up to date) are not painted underneath it.
    ddu->setAutoFillBackground(true);
    QPalette black = ddu->palette();
    black.setColor(QPalette::Window, Qt::black);
    ddu->setPalette(black);
    ddu->setAttribute(Qt::WA_OpaquePaintEvent);
    for (const HomeWidget& h : home::kDduWidgets)
        buildHomeWidget(ddu, h);
    auto* speedo = new QGauge(ddu);
    speedo->setObjectName(QStringLiteral("gaugeddu_speedo"));
    speedo->setGeometry(594, 152, 246, 246);

    // Subsystem strip of the DDU layout: 2 x 10 cells of 59 x 44.
    auto* dduStrip = table(ddu, "ddu_subsys_table", {348, 618, 592, 90}, 2, 10);
    home::styleStrip(dduStrip, 59, 44);
    dduStrip->setStyleSheet(look::SubsystemStripDdu);
    ddu->hide();

    // The program names the Hindi font "Lohit-Devanagari"; the installed
    // family is "Lohit Devanagari".
    QFont::insertSubstitution(QStringLiteral("Lohit-Devanagari"), QStringLiteral("Lohit Devanagari"));
}
