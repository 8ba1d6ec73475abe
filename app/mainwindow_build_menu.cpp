// Widget tree: the top bar, the main menu and the menu frame.

#include "app/mainwindow.h"

#include "ui/look.h"
#include "ui/resources.h"
#include "ui/widget_factory.h"

using namespace ddu_ui;

void MainWindow::build_topbar(QWidget* root)
{
    // Five buttons across the top, 200 px apart; the message indicators sit on
    // the maintenance button's place while a message is present.
    button(root, "home", {5, 5, 200, 45}, tr("HOME"), key_menu_border_select_Style);
    button(root, "menu", {215, 5, 200, 45}, tr("MENU"), Key_menu_Style);
    button(root, "process", {425, 5, 200, 45}, tr("PROCESS INFO"), Key_menu_Style);
    button(root, "diagnostic_process", {635, 5, 188, 45}, tr("DIAGNOSIS"), Key_menu_Style);
    auto* maint = button(root, "maintenance", {828, 5, 194, 45}, tr("MAINTENANCE"), Key_menu_Style);
    maint->setLayoutDirection(Qt::RightToLeft); // lock icon after the text
    button(root, "fault_button", {828, 5, 194, 45}, QString(), Fault_Button_Style)->hide();
    button(root, "info_button", {828, 5, 194, 45}, QString(), Fault_Button_Style)->hide();

    auto* toggle = button(root, "screen_toggle", {655, 538, 190, 35});
    toggle->setStyleSheet(look::Bare);
    auto* lang = button(root, "lang_icon", {958, 706, 58, 53});
    lang->setStyleSheet(look::Bare);

    label(root, "logo", {412, 300, 200, 60});
}

void MainWindow::build_menu(QWidget* root)
{
    // Main menu: a panel over the centre of the home layout with two columns of
    // large buttons (their rectangles are the touch regions of the menu).
    auto* panel = group(root, "menu_screen", {175, 53, 674, 525}, look::MenuPanel);
    label(panel, "menu_label", {0, 8, 674, 52}, tr("MENU"), ui::titleStyle(30))->setAlignment(Qt::AlignCenter);
    auto* line = label(panel, "menu_line", {39, 58, 611, 2}, QString(), look::MenuRule);
    line->setFrameShape(QFrame::NoFrame);

    struct Entry {
        const char* name;
        const char* text;
        int column;
        int row;
    };
    static const Entry entries[] = {
        {"sub_sys", "SUB-SYS STATUS", 0, 0},    {"hv_circ", "HV CIRCUIT", 0, 1},
        {"trac_conv", "TRACTION CONV", 0, 2},   {"aux_conv", "AUX CONV", 0, 3},
        {"trac_moto", "TRACTION MOTOR", 0, 4},  {"aux_sys", "AUX SYSTEM", 1, 0},
        {"brak_sys", "BRAKING SYSTEM", 1, 1},   {"ener_moni", "ENERGY MONITORING", 1, 2},
        {"temp", "TEMPERATURES", 1, 3},         {"pressure", "PRESSURES", 1, 4},
        {"dr_details", "DRIVER DETAILS", 0, 5}, {"future", "FUTURE", 1, 5},
    };
    static const int rowY[6] = {123, 184, 245, 306, 367, 428};
    for (const Entry& e : entries) {
        const int x = e.column == 0 ? 214 : 534;
        button(panel, e.name, {x - 175, rowY[e.row] - 53, 291, 41}, tr(e.text), Key_submenu_Style);
    }
    button(panel, "diagnosis", {214 - 175, 482 - 53, 291, 41}, tr("DIAGNOSIS RECORDS"), Key_submenu_Style);
    button(panel, "lang", {534 - 175, 482 - 53, 291, 41}, tr("LANGUAGE"), Key_submenu_Style);
    panel->hide();

    // Screens of the menu area, shown inside the menu frame.
    for (const char* name : {"Gmenu_subsys", "Gmenu_hvcircuit", "Gmenu_tracconv", "Gmenu_auxconv", "Gmenu_tracmoto",
                             "Gmenu_auxsys", "Gmenu_braksys", "Gmenu_enermoni", "Gmenu_temp", "Gmenu_pressure",
                             "Gmenu_lang", "Gmenu_diagnosis", "Gmenu_drdetails", "Gmenu_future"})
        group(root, name, {175, 53, 674, 525}, Screen_Group_Style)->hide();

    // The frame of the menu screens: header, back and home keys.
    label(root, "menuscreen_header", {350, 53, 380, 61}, QString(), ui::titleStyle(30))->hide();
    const QString flat = look::Bare;
    button(root, "menuscreen_back", {735, 63, 45, 45}, QString(), flat)->hide();
    button(root, "menuscreen_home", {795, 63, 45, 45}, QString(), flat)->hide();
    button(root, "menu_home", {795, 63, 45, 45}, QString(), flat)->hide();
}
