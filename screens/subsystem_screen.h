#pragma once
// Subsystem screens: the status grid of the main area (screen 2, opened from
// the home screen), the status grid of the menu (4), the message list of a
// subsystem read from the fault log, and the nine value screens of the menu
// (5 .. 13). The screen model is here; SubsystemView and SubsystemValuesView
// draw.

#include <QString>

#include "ui/screen.h"

class SubsystemView;
class SubsystemValuesView;

class SubsystemScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit SubsystemScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    static QString subsys_name(int row, int column);
    // The grid of the main area for loco `loco` (1 or 2), kept current while shown.
    void main_subsys(int loco);
    void subsys_screen();
    void subsys_screen_update();
    void load_subsystem();
    void subsys_Table_Reset_Colour();
    void DDU_Menu_High_Volatge_Circuit_Setup();
    void DDU_Menu_Traction_Convertor_Setup();
    void DDU_Menu_Auxiliary_Convertor_Setup();
    void DDU_Menu_Traction_Motor_Setup();
    void DDU_Menu_Auxiliary_System_Setup();
    void DDU_Menu_Braking_System_Setup();
    void DDU_Menu_Energy_Monitoring_Setup();
    void DDU_Menu_Temperatures_Setup();
    void DDU_Menu_Pressures_Setup();
    // The refresh tick: the grid or value screen shown, drawn again.
    void tick();

    SubsystemView* subsystemView = nullptr;
    SubsystemValuesView* subsystemValuesView = nullptr;

    // The loco whose subsystems the home strips and the grid show (1 or 2).
    int loco_subsys = 1;

public slots:
    // The grid over the home screen, from the strip or a loco pictogram.
    void on_homesub_table_cellClicked(int row, int column);
    void on_loco_diag_clicked();
    void on_loco_diag_2_clicked();
    void on_sub_sys_clicked();
    void on_t_subsystem_cellClicked(int row, int column);
    void on_t_msubsys_cellClicked(int row, int column);
    void on_t_browseloco_cellClicked(int row, int column);
    void on_subsys_top_clicked();
    void on_subsys_up_clicked();
    void on_subsys_down_clicked();
    void on_subsys_bottom_clicked();
    void on_subsys_back_clicked();
    void on_hv_circ_clicked();
    void on_trac_conv_clicked();
    void on_aux_conv_clicked();
    void on_trac_moto_clicked();
    void on_aux_sys_clicked();
    void on_brak_sys_clicked();
    void on_ener_moni_clicked();
    void on_temp_clicked();
    void on_pressure_clicked();
    // The message list's scroll bar counts rows: its value is the row to select.
    void subsyshandlerFunction(int value);

private:
    int m_loco = 1; // the loco of the main grid
    void openValueScreen(int index);
};
