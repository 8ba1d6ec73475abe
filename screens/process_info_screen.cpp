// Process information screens (see process_info_screen.h), and the builder
// of the process, subsystem and I/O slot screens' widgets.

#include "screens/process_info_screen.h"

#include <QDebug>

#include "acquisition/bus_exchange.h"
#include "acquisition/signal_store.h"

#include "screens/io_slot_view.h"
#include "screens/process_info_view.h"
#include "screens/subsystem_values_view.h"
#include "screens/subsystem_view.h"
#include "ui/widget_writer.h"

ProcessInfoScreen::ProcessInfoScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "process screens", parent)
{
    processInfoView = new ProcessInfoView(this);
    for (const QString& name : processInfoView->resolve(host.widget(QStringLiteral("centralwidget"))))
        qCritical().noquote() << "process screens: no widget" << name;
}

void ProcessInfoScreen::build(QWidget* root)
{
    ProcessInfoView::build(root);
    SubsystemView::build(root);
    SubsystemValuesView::build(root);
    IoSlotView::build(root);
}

// Every process information screen: a clean screen model, the screen with
// the menu column over its right edge, the keypad focus drawn, then its
// values drawn at once (not on the next tick).
void ProcessInfoScreen::openProcessScreen(ProcessInfoView::Screen screen, void (ProcessInfoScreen::*refresh)())
{
    ProcessInfoView* v = processInfoView;
    host.hideScreens();
    if (!v)
        return;
    v->layout(screen, host.hindi());
    ui::showRaised(v->group(screen));
    ui::showRaised(v->Gproinfo_menu);
    host.drawKeyFocus();
    (this->*refresh)();
}

// The refresh tick: the screen shown and the code the vehicle is told.
void ProcessInfoScreen::tick()
{
    struct Shown {
        const char* group;
        void (ProcessInfoScreen::*update)();
        int present; // MVB_Present_Screen while shown; 0 leaves it as it is
    };
    static const Shown screens[] = {
        {"Gnode", &ProcessInfoScreen::node_information_update, 10},
        {"Genergy", &ProcessInfoScreen::energy_consumption_update, 11},
        {"Gsimulation", &ProcessInfoScreen::simulation_mode_update, 12},
        {"Gmotor", &ProcessInfoScreen::motor_temperature_update, 13},
        {"Gsoftware", &ProcessInfoScreen::software_version_update, 14},
        {"Ginching", &ProcessInfoScreen::inching_mode_update, 15},
        {"GmotorStatus", &ProcessInfoScreen::motorStatus_update, 0},
    };
    for (const Shown& p : screens) {
        if (!isShown(QLatin1String(p.group)))
            continue;
        (this->*p.update)();
        if (p.present)
            host.requests().MVB_Present_Screen.store(p.present);
        return;
    }
}

// ================================================================ entries

void ProcessInfoScreen::node_info()
{
    host.serveScreen(screen::ProcessInfo);
    openProcessScreen(ProcessInfoView::Screen::Node, &ProcessInfoScreen::node_information_update);
    host.disableLayoutToggle();
}

void ProcessInfoScreen::energy_consumption()
{
    host.serveScreen(screen::ProcessInfo);
    openProcessScreen(ProcessInfoView::Screen::Energy, &ProcessInfoScreen::energy_consumption_update);
}

void ProcessInfoScreen::simulation_mode()
{
    host.serveScreen(screen::ProcessInfo);
    openProcessScreen(ProcessInfoView::Screen::Simulation, &ProcessInfoScreen::simulation_mode_update);
}

void ProcessInfoScreen::motor_temperature()
{
    host.serveScreen(screen::ProcessInfo);
    openProcessScreen(ProcessInfoView::Screen::MotorTemperatures, &ProcessInfoScreen::motor_temperature_update);
}

void ProcessInfoScreen::software_version()
{
    host.serveScreen(screen::ProcessInfo);
    openProcessScreen(ProcessInfoView::Screen::Software, &ProcessInfoScreen::software_version_update);
}

void ProcessInfoScreen::inching_mode()
{
    openProcessScreen(ProcessInfoView::Screen::Inching, &ProcessInfoScreen::inching_mode_update);
}

void ProcessInfoScreen::motorStatus()
{
    host.serveScreen(screen::ProcessInfo);
    openProcessScreen(ProcessInfoView::Screen::MotorStatus, &ProcessInfoScreen::motorStatus_update);
}

void ProcessInfoScreen::on_node_clicked()
{
    node_info();
}

void ProcessInfoScreen::on_energy_clicked()
{
    energy_consumption();
}

void ProcessInfoScreen::on_simulation_clicked()
{
    simulation_mode();
}

void ProcessInfoScreen::on_motortemp_clicked()
{
    motor_temperature();
}

void ProcessInfoScreen::on_software_clicked()
{
    software_version();
}

void ProcessInfoScreen::on_inching_clicked()
{
    host.serveScreen(screen::Inching, true);
    inching_mode();
}

void ProcessInfoScreen::on_motor_status_clicked()
{
    if (processInfoView)
        processInfoView->forgetMotorLayout(); // the first refresh lays the table out again
    motorStatus();
}

// The requests go out only from the unit of the active cab, the one that
// shows the buttons: a unit without a cab writes no output port, so its
// request would never be sent nor cleared.
void ProcessInfoScreen::on_inching_up_clicked()
{
    if (ProcessInfoView::inchingOffered(host.requests().Selected_CAB_Type.load(), host.snapshot().MVB_DDU_Cab_Active))
        host.requests().MVB_Inching_UP.raise();
}

void ProcessInfoScreen::on_inching_down_clicked()
{
    if (ProcessInfoView::inchingOffered(host.requests().Selected_CAB_Type.load(), host.snapshot().MVB_DDU_Cab_Active))
        host.requests().MVB_Inching_DOWN.raise();
}

// ================================================================ refreshers

void ProcessInfoScreen::node_information_update()
{
    if (processInfoView)
        processInfoView->updateNodes(host.snapshot());
}

void ProcessInfoScreen::energy_consumption_update()
{
    if (processInfoView)
        processInfoView->updateEnergy(host.snapshot());
}

void ProcessInfoScreen::simulation_mode_update()
{
    if (processInfoView)
        processInfoView->updateSimulation(host.snapshot());
}

void ProcessInfoScreen::motor_temperature_update()
{
    if (processInfoView)
        processInfoView->updateMotorTemperatures(host.snapshot());
}

void ProcessInfoScreen::software_version_update()
{
    if (processInfoView)
        processInfoView->updateSoftware(host.snapshot());
}

void ProcessInfoScreen::inching_mode_update()
{
    if (processInfoView)
        processInfoView->updateInching(host.snapshot(), host.requests().Selected_CAB_Type.load());
}

void ProcessInfoScreen::motorStatus_update()
{
    if (processInfoView)
        processInfoView->updateMotorStatus(host.snapshot());
}

void ProcessInfoScreen::motorStatus_Table_Reset_Colour()
{
    if (processInfoView)
        processInfoView->resetMotorStatusColours();
}
