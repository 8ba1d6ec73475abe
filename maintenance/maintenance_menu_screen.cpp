// The maintenance menu (screen 23): see maintenance_menu_screen.h.

#include "maintenance/maintenance_menu_screen.h"

#include <QAbstractButton>
#include <QDebug>
#include <QLabel>

#include "acquisition/bus_exchange.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

namespace {

const char* const kMenuButtons[] = {"ddulogging",   "ddudisplay", "mvbtelegram", "mvbfreshness",
                                    "mvbvariables", "system",     "loco",        "close"};
// Marks the entry of the tool shown; the keypad focus keeps its look.
const char* const kSelectedProperty = "dduSelected";

} // namespace

MaintenanceMenuScreen::MaintenanceMenuScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "maintenance menu", parent)
{
}

void MaintenanceMenuScreen::maintenance()
{
    host.hideScreens(); // the password pad goes
    host.serveScreen(screen::MaintenanceMenu);
    host.markTopBar("maintenance");
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    ui::showRaised(W(QStringLiteral("Gmaint_footer")));
    host.disableLayoutToggle();
    maint_change_buttoncolor();
    Show_File_cab();
    host.drawKeyFocus();
}

void MaintenanceMenuScreen::maint_change_buttoncolor()
{
    for (const char* name : kMenuButtons) {
        if (QWidget* b = W(QLatin1String(name))) {
            b->setProperty(kSelectedProperty, false);
            if (b->styleSheet() != Key_submenu_Style)
                b->setStyleSheet(Key_submenu_Style);
        }
    }
}

void MaintenanceMenuScreen::maint_select_button(const QString& name)
{
    if (QWidget* b = W(name)) {
        b->setProperty(kSelectedProperty, true);
        b->setStyleSheet(Key_submenu_select_Style);
    }
}

void MaintenanceMenuScreen::Show_File_cab()
{
    const int cab = host.requests().Selected_CAB_Type.load();
    if (auto* l = W<QLabel>(QStringLiteral("lmaint_cab")))
        l->setText(cab == 1       ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "CAB 1"))
                       : cab == 2 ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "CAB 2"))
                                  : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO CAB")));
}

void MaintenanceMenuScreen::on_system_clicked()
{
    maintenance();
}

void MaintenanceMenuScreen::on_close_clicked()
{
    maintenance();
}

// The processor column of the I/O screens picks another processor.
void MaintenanceMenuScreen::on_loco_clicked()
{
    host.serveScreen(host.servedScreen(), true);
    host.openProcessorIo(1);
    maint_change_buttoncolor();
    maint_select_button(QStringLiteral("loco"));
}

void MaintenanceMenuScreen::showTool(const char* group, const char* entry)
{
    host.hideScreens();
    for (const char* name : {"Gmaint_menu", "Gmaint_footer", group})
        ui::showRaised(W(QLatin1String(name)));
    host.markTopBar("maintenance");
    maint_change_buttoncolor();
    maint_select_button(QLatin1String(entry));
}
