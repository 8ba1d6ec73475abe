// The maintenance menu (screen 23): the column of tools with its footer,
// reached through the maintenance lock. Also the port list of the telegram
// and freshness screens, read once at start-up, and the refresh of whichever
// maintenance screen is shown.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDebug>
#include <QLabel>

#include "maintenance/maintenance_state.h"
#include "platform/platform.h"
#include "ui/resources.h"
#include "ui/widget_writer.h"

namespace {

const char* const kMenuButtons[] = {"ddulogging",   "ddudisplay", "mvbtelegram", "mvbfreshness",
                                    "mvbvariables", "system",     "loco",        "close"};
// Marks the entry of the tool shown; the keypad focus keeps its look.
const char* const kSelectedProperty = "dduSelected";

} // namespace

void MainWindow::maintenance()
{
    grpbox_setvisible(); // the password pad goes
    screen_id = screen::MaintenanceMenu;
    Main_Menu_Button_Color_Reset();
    if (QWidget* b = W(QStringLiteral("maintenance")))
        b->setStyleSheet(key_menu_select_Style);
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    ui::showRaised(W(QStringLiteral("Gmaint_footer")));
    toggle_disable();
    maint_change_buttoncolor();
    Show_File_cab();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::maint_change_buttoncolor()
{
    for (const char* name : kMenuButtons) {
        if (QWidget* b = W(QLatin1String(name))) {
            b->setProperty(kSelectedProperty, false);
            if (b->styleSheet() != Key_submenu_Style)
                b->setStyleSheet(Key_submenu_Style);
        }
    }
}

void MainWindow::maint_select_button(const QString& name)
{
    if (QWidget* b = W(name)) {
        b->setProperty(kSelectedProperty, true);
        b->setStyleSheet(Key_submenu_select_Style);
    }
}

void MainWindow::Show_File_cab()
{
    const int cab = exchange.requests.Selected_CAB_Type.load();
    if (auto* l = W<QLabel>(QStringLiteral("lmaint_cab")))
        l->setText(cab == 1 ? tr("CAB 1") : cab == 2 ? tr("CAB 2") : tr("NO CAB"));
}

void MainWindow::on_system_clicked()
{
    maintenance();
}

void MainWindow::on_close_clicked()
{
    maintenance();
}

// The "Loco" entry of the menu: the processor I/O screens, at RIOM1's first
// slot (their processor column picks another).
void MainWindow::maintenance_loco()
{
    screen_id_old = screen_id;
    DDU_Maintenace_Open_Processor(1);
    maint_change_buttoncolor();
    maint_select_button(QStringLiteral("loco"));
}

// ---------------------------------------------------------------- port list

void MainWindow::Read_Port_Data_BUFFER()
{
    if (!maintState)
        return;
    const QString path = platform::dataPath(QStringLiteral("file/master/zav_port.xml"));
    const portlist::PortList list = portlist::loadPorts(path);
    for (const QString& line : portlist::report(list, path))
        qDebug().noquote() << line;
    maintState->ports = list.ports;
    portlist::fillSelection(list.ports, viewer);
    pushViewerSelection();
}

int MainWindow::DDU_Micview_Get_Fun_code(int port)
{
    return maintState ? portlist::funCodeOf(maintState->ports, port) : 0;
}

// ---------------------------------------------------------------- refresh

// Whichever of the freshness screen, the telegram screen and the display of
// the monitored variables is shown, in that order.
void MainWindow::maintenance_update()
{
    if (isShown(QStringLiteral("GMVBFreshness")))
        Insert_Fresh_value();
    else if (isShown(QStringLiteral("GMVBTelegram")))
        MVBTelegram_update_value();
    else if (isShown(QStringLiteral("Gmaint_mvbvarsel")))
        mvbvarselRefresh();
}
