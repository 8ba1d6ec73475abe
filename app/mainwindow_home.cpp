// The home layouts as the window's screen model sees them: which layout is
// the base (the toggle), and the home screen's part of the refresh tick. The
// home screen itself is screens/home_screen (captions, strips, indicators).

#include "app/mainwindow.h"

#include <QWidget>

#include "acquisition/unknown.h"
#include "maintenance/config_screen.h"
#include "screens/fault_screen.h"
#include "screens/home_screen.h"
#include "screens/keyboard_screen.h"
#include "screens/message_box_screen.h"
#include "screens/password_screen.h"
#include "screens/subsystem_screen.h"
#include "ui/look.h"

void MainWindow::homeTick()
{
    if (screen_toggle == 0)
        homeScreen->home_subsys();
    else if (screen_toggle == 1)
        homeScreen->ddu_home_subsys(subsystems->loco_subsys);
    HomeContext c;
    c.inHome = we_are_in_home == 1;
    c.keyFocus = key_press_count;
    c.displayType = configScreen->Selected_DDU_Type;
    c.layout = screen_toggle;
    homeScreen->home_update(c);
}

void MainWindow::idleHomeTick()
{
    const bool leftAlone = passwordPad->isOpen() || messageBox->isOpen() || keyboard->isOpen() ||
        isShown(QStringLiteral("Gmenu_drdetails"));
    if (idleHome.tick(screen_id, leftAlone, !isUnknown(snap.MVB_DDU_Speed_String), snap.MVB_DDU_Speed))
        on_home_clicked();
}

void MainWindow::ddu_load()
{
    homeScreen->ddu_load(subsystems->loco_subsys, faultScreen->DDU_Loco_Fault_Present, DDU_Loco_Info_Present);
}

void MainWindow::on_screen_toggle_clicked()
{
    if (screen_toggle == 0) {
        ddu_load();
        homeScreen->showDduLayout();
        Main_Menu_Button_Color_Reset();
        key_press_count = 0;
        we_are_in_home = 1;
        if (QWidget* b = W(QStringLiteral("home")))
            b->setStyleSheet(key_menu_border_select_Style);
        screen_toggle = 1;
    } else {
        homeScreen->hideDduLayout();
        home_key_default();
        screen_toggle = 0;
    }
}
