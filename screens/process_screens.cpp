// Process information screens (the menu column and the screens beside it),
// and the builder of the process, subsystem and I/O slot screens' widgets.
//
// The window's slots are the glue: they run the screen model (screen_id, the
// groups shown, the keypad focus) and hand the drawing to the views
// (screens/process_info_view, subsystem_view, subsystem_values_view,
// io_slot_view), which read nothing but the tick's snapshot.

#include "app/mainwindow.h"

#include <QDebug>

#include "screens/io_slot_view.h"
#include "screens/process_info_view.h"
#include "screens/subsystem_values_view.h"
#include "screens/subsystem_view.h"
#include "ui/widget_writer.h"

using Screen = ProcessInfoView::Screen;

namespace {

void report(const char* family, const QStringList& missing)
{
    for (const QString& name : missing)
        qCritical().noquote() << family << ": no widget" << name;
}

// Every process information screen: a clean screen model, the screen with
// the menu column over its right edge, the keypad focus drawn, then its
// values drawn at once (not on the next tick).
void openProcessScreen(MainWindow& w, Screen screen, void (MainWindow::*refresh)())
{
    ProcessInfoView* v = w.processInfoView;
    w.grpbox_setvisible();
    if (!v)
        return;
    v->layout(screen, w.DDU_Language_Select == 1);
    ui::showRaised(v->group(screen));
    ui::showRaised(v->Gproinfo_menu);
    w.Keyboard_Key_Global_Reset();
    w.Key_Pressed_Function();
    (w.*refresh)();
}

} // namespace

void MainWindow::build_process_screens(QWidget* root)
{
    ProcessInfoView::build(root);
    SubsystemView::build(root);
    SubsystemValuesView::build(root);
    IoSlotView::build(root);
    processInfoView = new ProcessInfoView(this);
    report("process screens", processInfoView->resolve(root));
    subsystemView = new SubsystemView(this);
    report("subsystem screens", subsystemView->resolve(root));
    subsystemValuesView = new SubsystemValuesView(this);
    report("subsystem value screens", subsystemValuesView->resolve(root));
    ioSlotView = new IoSlotView(this);
    report("I/O slot screens", ioSlotView->resolve(root));
}

// ================================================================ entries

void MainWindow::node_info()
{
    screen_id = screen::ProcessInfo;
    openProcessScreen(*this, Screen::Node, &MainWindow::node_information_update);
    toggle_disable();
}

void MainWindow::energy_consumption()
{
    screen_id = screen::ProcessInfo;
    openProcessScreen(*this, Screen::Energy, &MainWindow::energy_consumption_update);
}

void MainWindow::simulation_mode()
{
    screen_id = screen::ProcessInfo;
    openProcessScreen(*this, Screen::Simulation, &MainWindow::simulation_mode_update);
}

void MainWindow::motor_temperature()
{
    screen_id = screen::ProcessInfo;
    openProcessScreen(*this, Screen::MotorTemperatures, &MainWindow::motor_temperature_update);
}

void MainWindow::software_version()
{
    screen_id = screen::ProcessInfo;
    openProcessScreen(*this, Screen::Software, &MainWindow::software_version_update);
}

void MainWindow::inching_mode()
{
    openProcessScreen(*this, Screen::Inching, &MainWindow::inching_mode_update);
}

void MainWindow::motorStatus()
{
    screen_id = screen::ProcessInfo;
    openProcessScreen(*this, Screen::MotorStatus, &MainWindow::motorStatus_update);
}

void MainWindow::on_node_clicked()
{
    node_info();
}

void MainWindow::on_energy_clicked()
{
    energy_consumption();
}

void MainWindow::on_simulation_clicked()
{
    simulation_mode();
}

void MainWindow::on_motortemp_clicked()
{
    motor_temperature();
}

void MainWindow::on_software_clicked()
{
    software_version();
}

void MainWindow::on_inching_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::Inching;
    inching_mode();
}

void MainWindow::on_motor_status_clicked()
{
    if (processInfoView)
        processInfoView->forgetMotorLayout(); // the first refresh lays the table out again
    motorStatus();
}

// The requests go out only from the unit of the active cab, the one that
// shows the buttons: a unit without a cab writes no output port, so its
// request would never be sent nor cleared.
void MainWindow::on_inching_up_clicked()
{
    if (ProcessInfoView::inchingOffered(exchange.requests.Selected_CAB_Type.load(), snap.MVB_DDU_Cab_Active))
        exchange.requests.MVB_Inching_UP.raise();
}

void MainWindow::on_inching_down_clicked()
{
    if (ProcessInfoView::inchingOffered(exchange.requests.Selected_CAB_Type.load(), snap.MVB_DDU_Cab_Active))
        exchange.requests.MVB_Inching_DOWN.raise();
}

// ================================================================ refreshers

void MainWindow::node_information_update()
{
    if (processInfoView)
        processInfoView->updateNodes(snap);
}

void MainWindow::energy_consumption_update()
{
    if (processInfoView)
        processInfoView->updateEnergy(snap);
}

void MainWindow::simulation_mode_update()
{
    if (processInfoView)
        processInfoView->updateSimulation(snap);
}

void MainWindow::motor_temperature_update()
{
    if (processInfoView)
        processInfoView->updateMotorTemperatures(snap);
}

void MainWindow::software_version_update()
{
    if (processInfoView)
        processInfoView->updateSoftware(snap);
}

void MainWindow::inching_mode_update()
{
    if (processInfoView)
        processInfoView->updateInching(snap, exchange.requests.Selected_CAB_Type.load());
}

void MainWindow::motorStatus_update()
{
    if (processInfoView)
        processInfoView->updateMotorStatus(snap);
}

void MainWindow::motorStatus_Table_Reset_Colour()
{
    if (processInfoView)
        processInfoView->resetMotorStatusColours();
}
