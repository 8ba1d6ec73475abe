// Widget tree of the configuration family: the "DDU Configure" and "DDU
// DISPLAY" screens, the configuration dialogs, the software update box, the
// driver details and "FUTURE" screens. Texts that follow the language are
// written when a screen opens; here only what never changes.
//
// The places of the buttons are those of their touch regions (screen
// coordinates minus the group's corner).

#include "maintenance/config_screen.h"

#include <QRadioButton>

#include "maintenance/ddu_config.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/widget_factory.h"

using namespace ddu_ui;

namespace {

QWidget* groupNamed(QWidget* root, const char* name)
{
    return root->findChild<QWidget*>(QLatin1String(name));
}

QLabel* caption(QWidget* parent, const char* name, const QRect& g, const QString& style)
{
    auto* l = label(parent, name, g, QString(), style);
    l->setWordWrap(true);
    return l;
}

// The boxes of a dialog are one exclusive choice, kept by the window (a row
// of the cab dialog is a choice of its own): no automatic exclusivity.
QRadioButton* checkBox(QWidget* parent, const char* name, const QRect& g, const QString& style)
{
    auto* r = radio(parent, name, g, QString());
    r->setAutoExclusive(false);
    r->setStyleSheet(style);
    return r;
}

void buildConfigure(QWidget* g)
{
    caption(g, "ddulogin_header", {20, 8, 500, 45}, ui::titleStyle(24));
    caption(g, "sysconfig_header", {180, 62, 420, 36}, cfglook::kHeadingStyle);
    button(g, "cab_button", {178, 110, 190, 84}, QString(), Key_submenu_Style);
    button(g, "software_updateBtn", {558, 108, 190, 84}, QString(), Key_submenu_Style);
    // Used only on the bench: hidden and disabled on the unit.
    button(g, "calibrate_button", {558, 238, 190, 64}, QString(), Key_submenu_Style);
    button(g, "vcu_button", {20, 110, 140, 64}, QString(), Key_submenu_Style);
    button(g, "sr_button", {20, 180, 140, 64}, QString(), Key_submenu_Style);
    button(g, "bur_button", {20, 250, 140, 64}, QString(), Key_submenu_Style);
    for (const char* name : {"date_label", "error_label", "msg_label", "exception", "stack_label"})
        label(g, name, {20, 600, 300, 30});
    auto* imprint = caption(g, "imprint_label", {150, 214, 500, 150}, cfglook::kImprintStyle);
    imprint->setAlignment(Qt::AlignCenter);
    // t_ipadr_5 (IP address, MVB status, life signs) is made with the group.
}

void buildDisplay(QWidget* g)
{
    caption(g, "ddudisp_header", {20, 8, 500, 45}, ui::titleStyle(24));
    caption(g, "ddudisp_ddu", {20, 80, 100, 84}, cfglook::kHeadingStyle)->setAlignment(Qt::AlignCenter);
    caption(g, "ddudisp_active", {640, 80, 140, 84}, cfglook::kActiveStyle)->setAlignment(Qt::AlignCenter);
    // restart_button and exit_app are made with the group (128, 80 and 428, 80,
    // each 200 wide over its touch region); "Exit Application" needs a little
    // more room in the bold face of the menu buttons.
    if (auto* exit = g->findChild<QWidget*>(QStringLiteral("exit_app")))
        exit->setGeometry(418, 80, 220, 84);
    caption(g, "demo_header", {20, 238, 280, 84}, cfglook::kHeadingStyle)->setAlignment(Qt::AlignCenter);
    button(g, "on_button", {308, 238, 160, 84}, QString(), Key_submenu_Style);
    button(g, "off_button", {493, 238, 160, 84}, QString(), Key_submenu_Style);
    label(g, "demo_lamp", {680, 258, 44, 44}, QString(), look::Bare)->setAlignment(Qt::AlignCenter);
    caption(g, "version_header", {20, 350, 500, 36}, cfglook::kHeadingStyle);
    auto* t = table(g, "t_version", {128, 395, 525, 184}, 3, 2);
    t->setStyleSheet(cfglook::kTableStyle);
    t->horizontalHeader()->setFixedHeight(45);
    t->setColumnWidth(0, 300);
    t->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < 3; ++r)
        t->setRowHeight(r, 45);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

// A dialog of variants: twelve places in two columns wide enough for the
// longest variant's text, OK and Cancel below.
void buildVariantDialog(QWidget* root, const char* name, const char* prefix, config::Dialog dialog)
{
    auto* g = group(root, name, {20, 70, 984, 500}, Message_Box_Style);
    caption(g, (QByteArray(prefix) + "_header").constData(), {20, 8, 944, 45}, ui::titleStyle(24))
        ->setAlignment(Qt::AlignCenter);
    for (const config::CheckCode& c : config::checkCodes(dialog)) {
        const int number = QByteArray(c.box).mid(qstrlen(prefix) + 5).toInt(); // "<prefix>check<n>"
        const int column = (number - 1) / 6, row = (number - 1) % 6;
        checkBox(g, c.box, {20 + 482 * column, 62 + 58 * row, 462, 44}, Menu_Processor_Radio_Style);
    }
    button(g, (QByteArray(prefix) + "_ok").constData(), {327, 420, 130, 50}, QString(), Key_submenu_Style);
    button(g, (QByteArray(prefix) + "_cancel").constData(), {527, 420, 130, 50}, QString(), Key_submenu_Style);
    g->hide();
}

void buildCabDialog(QWidget* root)
{
    auto* g = group(root, "Gcab_dialog", {60, 200, 720, 310}, Message_Box_Style);
    caption(g, "cab_header", {20, 8, 680, 45}, ui::titleStyle(24))->setAlignment(Qt::AlignCenter);
    caption(g, "cab_caption", {8, 90, 80, 35}, cfglook::kHeadingStyle);
    caption(g, "ddutype_caption", {8, 140, 80, 35}, cfglook::kHeadingStyle);
    caption(g, "mvbtype_caption", {8, 190, 80, 35}, cfglook::kHeadingStyle);
    // The cab boxes sit on their touch regions; the rows below them are only
    // shown, placed so that their longer texts fit.
    const int xs[3] = {90, 290, 470};
    const char* const cab[3] = {"cabcheck1", "cabcheck2", "cabcheck3"};
    const QRect ddu[3] = {{90, 140, 150, 35}, {250, 140, 210, 35}, {470, 140, 240, 35}};
    const char* const dduBox[3] = {"DDUcheck1", "DDUcheck2", "DDUcheck3"};
    for (int k = 0; k < 3; ++k) {
        checkBox(g, cab[k], {xs[k], 90, 150, 35}, Menu_Processor_Radio_Style);
        checkBox(g, dduBox[k], ddu[k], cfglook::kFixedChoiceStyle);
    }
    checkBox(g, "mvb_EMD_check", {90, 190, 150, 35}, cfglook::kFixedChoiceStyle);
    checkBox(g, "mvb_ESD_check", {250, 190, 150, 35}, cfglook::kFixedChoiceStyle);
    button(g, "cab_ok", {190, 240, 130, 50}, QString(), Key_submenu_Style);
    button(g, "cab_cancel", {390, 240, 130, 50}, QString(), Key_submenu_Style);
    g->hide();
}

void buildSoftwareUpdate(QWidget* g)
{
    caption(g, "header1", {0, 12, 600, 45}, ui::titleStyle(24))->setAlignment(Qt::AlignCenter);
    const struct {
        const char* name;
        QRect place;
    } buttons[] = {{"pendrive1", {50, 100, 200, 50}},
                   {"s_update", {350, 100, 200, 50}},
                   {"file_trans", {50, 200, 200, 50}},
                   {"sd_card_check", {350, 200, 200, 50}},
                   {"softw_cancel", {200, 300, 200, 50}}};
    for (const auto& b : buttons)
        button(g, b.name, b.place, QString(), Key_submenu_select_Style);
    auto* status = caption(g, "header_error", {20, 364, 560, 124}, Soft_Update_Style2);
    status->setAlignment(Qt::AlignCenter);
}

void buildDriverDetails(QWidget* g)
{
    auto* t = table(g, "t_mdrdetails", {30, 80, 620, 402}, 8, 2);
    t->setStyleSheet(cfglook::kDriverTableStyle);
    t->setAlternatingRowColors(true);
    t->horizontalHeader()->hide();
    for (int c = 0; c < 2; ++c)
        t->setColumnWidth(c, 300);
    for (int r = 0; r < 8; ++r)
        t->setRowHeight(r, 50);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    button(g, "save_btn", {567, 486, 80, 35}, QString(), Key_submenu_Style);
}

} // namespace

void ConfigScreen::build(QWidget* root)
{
    if (QWidget* g = groupNamed(root, "Gmaint_ddulogin"))
        buildConfigure(g);
    if (QWidget* g = groupNamed(root, "Gmaint_ddudisp"))
        buildDisplay(g);
    if (QWidget* g = groupNamed(root, "G_softupdate"))
        buildSoftwareUpdate(g);
    if (QWidget* g = groupNamed(root, "Gmenu_drdetails"))
        buildDriverDetails(g);
    if (QWidget* g = groupNamed(root, "Gmenu_future"))
        caption(g, "l_futnotimplement", {160, 250, 400, 30}, QString());
    buildVariantDialog(root, "Gvcu_dialog", "vcu", config::Dialog::Vcu);
    buildVariantDialog(root, "Gsr_dialog", "sr", config::Dialog::Sr);
    buildVariantDialog(root, "Gbur_dialog", "bur", config::Dialog::Bur);
    buildCabDialog(root);
}
