#pragma once
// Process information screens: the menu column ("PROCESS INFO", screen 19)
// and the screens beside it (node information, energy, simulation mode,
// motor temperatures, software versions, inching mode (20), motor status).
// The screen model is here; the drawing is ProcessInfoView, which reads
// nothing but the tick's snapshot.

#include "screens/process_info_view.h"
#include "ui/screen.h"

class QWidget;

class ProcessInfoScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit ProcessInfoScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // The widget trees of the process, subsystem and I/O slot screens.
    static void build(QWidget* root);

    void node_info();
    void energy_consumption();
    void simulation_mode();
    void motor_temperature();
    void software_version();
    void inching_mode();
    void motorStatus();
    void motorStatus_Table_Reset_Colour();
    // Refreshers: the screen shown, from the tick's snapshot.
    void node_information_update();
    void energy_consumption_update();
    void simulation_mode_update();
    void motor_temperature_update();
    void software_version_update();
    void inching_mode_update();
    void motorStatus_update();
    // The refresh tick: the screen shown is drawn again and its code goes
    // to the vehicle (MVB_Present_Screen).
    void tick();

    ProcessInfoView* processInfoView = nullptr;

public slots:
    void on_node_clicked();
    void on_energy_clicked();
    void on_simulation_clicked();
    void on_motortemp_clicked();
    void on_software_clicked();
    void on_inching_clicked();
    void on_motor_status_clicked();
    void on_inching_up_clicked();
    void on_inching_down_clicked();

private:
    void openProcessScreen(ProcessInfoView::Screen screen, void (ProcessInfoScreen::*refresh)());
};
