// The maintenance entry of the top bar and the screens' requests for the
// password pad, and the brightness panel the keypad's reports open.
//
// The pad itself (screens/password_screen) knows no action: the screen that
// opens it gives what the right code does. The maintenance code unlocks the
// area until the lock's timer runs out (mainwindow.cpp, maintenanceLockTick).
//
// The decisions taken here, with their reasons: docs/settings-and-language.md.

#include "app/mainwindow.h"

#include <QAbstractButton>

#include "maintenance/maintenance_menu_screen.h"
#include "screens/password_screen.h"
#include "screens/settings_screen.h"
#include "ui/resources.h"

void MainWindow::openPasswordPad(int stage, std::function<void()> onAccepted)
{
    passwordPad->password_open(stage, std::move(onAccepted));
}

void MainWindow::dropQueuedTouches(int ticks)
{
    touch.flush();
    touch.key_pressure = ticks;
}

void MainWindow::maintenanceUnlocked()
{
    DDU_Maintenance_Password_lock = false;
    timer_increment = 0;
    if (auto* b = W<QAbstractButton>(QStringLiteral("maintenance"))) {
        b->setIcon(QIcon(Dir_rms_img_UnLock));
        b->setIconSize(QSize(13, 17));
    }
    toggle_disable();
    maintenanceMenu->maintenance();
}

// MAINTENANCE in the top bar: the maintenance menu while unlocked, else the
// pad asks for the maintenance code first.
// Over a fault pop-up or its advice the pad would lie under the message (the
// message keeps the finger and the keys, the pad stays dead): MAINTENANCE
// leaves the message the way HOME does and asks for the code over the home
// screen; the fault button brings the message back.
void MainWindow::on_maintenance_clicked()
{
    if (isShown(QStringLiteral("Gfault")) || isShown(QStringLiteral("Gfaultdriveradvice")))
        on_home_clicked();
    const screen::Id behind = screen_id;
    screen_id = screen::MaintenanceMenu;
    if (DDU_Maintenance_Password_lock) {
        if (!passwordPad->isOpen())
            passwordPad->setReturnOnClose(behind);
        passwordPad->password_open(1, [this] { maintenanceUnlocked(); });
        return;
    }
    toggle_disable();
    maintenanceMenu->maintenance();
}

// The keypad reported its backlight: the panel shows it (the tick hides it
// again three seconds after the last report).
void MainWindow::Brightness()
{
    settingsScreen->showBrightness(brightness.Brightness_Step, brightness.Brightness_Automatic_Enable);
}
