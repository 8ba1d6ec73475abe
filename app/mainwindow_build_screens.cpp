// Widget tree: the screen groups shown over the home layout, the message box
// and the on-screen keyboard.
//
// Each screen group exists from start-up so that the screen model can hide it
// on every screen change; a screen fills its group in its own builder. The
// tables that the start-up wires to scroll handlers, and the table the
// configuration screen shows the thread life signs in, are created with their
// groups here.

#include "app/mainwindow.h"
#include "ui/look.h"
#include "ui/translated_text.h"

#include "maintenance/maintenance_menu_screen.h"
#include "screens/process_info_screen.h"
#include "ui/resources.h"
#include "ui/widget_factory.h"

#include <QScrollBar>

using namespace ddu_ui;

namespace {

struct ScreenGroup {
    const char* name;
    QRect geometry;
};

// Content frame of most screens: below the top bar, over the home layout.
constexpr QRect kContent{2, 52, 1020, 527};
constexpr QRect kTall{2, 52, 1020, 714};

const ScreenGroup kGroups[] = {
    {"Gsub_system", kContent},
    {"Gdiagnostics", kContent},
    {"Gdiag_details", kContent},
    {"Gnode", kContent},
    {"Genergy", kContent},
    {"Gsimulation", kContent},
    {"Gmotor", kContent},
    {"Gsoftware", kContent},
    {"Ginching", kContent},
    {"GmotorStatus", kContent},
    {"Gdatetime", kContent},
    {"Gproinfo_menu", {790, 52, 232, 527}},
    {"G_DDSscreen", kContent},
    {"Gfault", kContent},
    {"Gfaultdriveradvice", kContent},
    {"Ginfo", kContent},
    {"Gmaint_ddulogin", {2, 52, 788, 638}},
    {"Gmaint_ddudisp", {2, 52, 788, 638}},
    {"GMVBTelegram", {2, 52, 788, 638}},
    {"GMVBFreshness", {2, 52, 788, 638}},
    {"Gmaint_mvbvariables", {2, 52, 788, 638}},
    {"Gmaint_mvbvarsel", kTall},
    {"Gmaint_riom_io", kTall},
    {"Gmaint_riom_info", kTall},
    {"Gmaint_menu", {790, 52, 232, 638}},
    {"Gmaint_vcumenu", {795, 52, 227, 456}},
    {"Gmaint_footer", {2, 692, 1020, 74}},
    {"Gmvbvar_loadsave", {40, 300, 720, 160}},
    {"Gfilter_selection", {100, 240, 580, 200}},
    {"Gmvbvar_filter", {40, 200, 720, 350}},
    {"Gtelegram", {60, 100, 600, 520}},
    {"Gsignal_name", {100, 240, 540, 140}},
    {"G_softupdate", {150, 200, 600, 330}},
    {"G_brightness", {250, 150, 320, 50}},
};

} // namespace

void MainWindow::build_screen_groups(QWidget* root)
{
    for (const ScreenGroup& g : kGroups)
        group(root, g.name, g.geometry, Screen_Group_Style)->hide();

    // Subsystem overview and message list.
    QWidget* sub = W(QStringLiteral("Gsub_system"));
    table(sub, "t_subsystem", {90, 60, 830, 448}, 4, 5);
    table(sub, "t_browseloco", {20, 60, 890, 448}, 0, 4);
    for (const auto& b : {std::pair<const char*, QRect>{"subsys_back", {921, 13, 77, 35}},
                          {"subsys_top", {921, 73, 77, 50}},
                          {"subsys_up", {921, 123, 77, 60}},
                          {"subsys_down", {921, 398, 77, 50}},
                          {"subsys_bottom", {921, 448, 77, 50}}})
        button(sub, b.first, b.second, QString(), Key_submenu_Style);
    label(sub, "subsys_vertline", {914, 60, 5, 448});
    label(sub, "sub_locono", {20, 10, 300, 40});
    label(sub, "subsys_locono", {330, 10, 300, 40});
    label(sub, "sub_message", {20, 10, 600, 40});

    // Tables whose scroll bars the start-up connects.
    table(W(QStringLiteral("Gdiagnostics")), "t_diagnosis", {20, 60, 890, 448}, 0, 9);
    table(W(QStringLiteral("GMVBTelegram")), "tmvbtelegram", {8, 58, 120, 560}, 0, 1);
    table(W(QStringLiteral("GMVBFreshness")), "tmvbfreshness", {18, 56, 650, 453}, 0, 3);
    table(W(QStringLiteral("Gmaint_mvbvariables")), "t_mvbvar", {8, 56, 685, 497}, 0, 8);
    auto* scol = named(new QScrollBar(Qt::Vertical, W(QStringLiteral("GMVBTelegram"))), "vmvbtele_scol",
                       QRect(128, 203, 75, 252));
    scol->hide();
    table(W(QStringLiteral("Gtelegram")), "t_MVBfiltertelegram", {48, 100, 392, 330}, 0, 3);

    // Variable monitor display: entries 0..9 left, 10.. right.
    QWidget* sel = W(QStringLiteral("Gmaint_mvbvarsel"));
    table(sel, "t_mvbvarsel1", {20, 60, 370, 550}, 10, 2);
    table(sel, "t_mvbvarsel2", {420, 60, 370, 550}, 20, 2);

    // Display settings: restart and exit (their slots are the window's).
    QWidget* disp = W(QStringLiteral("Gmaint_ddudisp"));
    button(disp, "restart_button", {128, 80, 200, 84}, tr("Restart"), Key_submenu_Style);
    button(disp, "exit_app", {428, 80, 200, 84}, tr("Exit Application"), Key_submenu_Style);

    // Configuration screen: the table whose row 2 shows the thread life signs.
    auto* ip = table(W(QStringLiteral("Gmaint_ddulogin")), "t_ipadr_5", {150, 380, 500, 240}, 3, 2);
    ip->horizontalHeader()->hide();

    ProcessInfoScreen::build(root);     // process information, subsystem and I/O slot screens
    MaintenanceMenuScreen::build(root); // maintenance menu, telegram and freshness screens, variable monitor
}

void MainWindow::build_dialog(QWidget* root)
{
    // Full-screen shade under the password pad and the message box, and the
    // password pad's box (the message box is screens/message_box_screen).
    group(root, "Gpassword_blur", {0, 0, 1024, 768}, Blur_Style)->hide();
    group(root, "Gpassword_blur_soft", {0, 0, 1024, 768}, Blur_Style)->hide();
    group(root, "Gpassword", {300, 60, 420, 580}, Password_Box_Style)->hide();
}
