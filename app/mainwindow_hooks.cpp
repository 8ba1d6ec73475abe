// Hooks of the refresh tick and the start-up for screens whose code lives in
// other files. Each screen replaces its hooks here with its implementation in
// its own file (and removes them from this one); until then they do nothing,
// so the tick keeps its order and every step is reached once its screen exists.

#include "app/mainwindow.h"

// ----- password pad, brightness -----
void MainWindow::password_setup() { }
void MainWindow::Brightness() { }

// ----- subsystem screens -----
void MainWindow::main_subsys() { }
void MainWindow::subsys_screen() { }
void MainWindow::subsyshandlerFunction(int) { }
void MainWindow::DDU_Menu_High_Volatge_Circuit_Update() { }
void MainWindow::DDU_Menu_Traction_Convertor_Update() { }
void MainWindow::DDU_Menu_Auxiliary_Convertor_Update() { }
void MainWindow::DDU_Menu_Traction_Motor_Update() { }
void MainWindow::DDU_Menu_Auxiliary_System_Update() { }
void MainWindow::DDU_Menu_Braking_System_Update() { }
void MainWindow::DDU_Menu_Energy_Monitoring_Update() { }
void MainWindow::DDU_Menu_Temperatures_Update() { }
void MainWindow::DDU_Menu_Pressures_Update() { }

// ----- process information -----
void MainWindow::node_info() { }
void MainWindow::node_information_update() { }
void MainWindow::energy_consumption_update() { }
void MainWindow::simulation_mode_update() { }
void MainWindow::motor_temperature_update() { }
void MainWindow::software_version_update() { }
void MainWindow::inching_mode_update() { }
void MainWindow::motorStatus_update() { }

// ----- maintenance: telegram, freshness, variables, I/O slots -----
void MainWindow::Read_Port_Data_BUFFER() { }
void MainWindow::Insert_Fresh_value() { }
void MainWindow::MVBTelegram_update_value() { }
void MainWindow::mvbvarhandlerFunction(int) { }
void MainWindow::mvbfreshnesshandlerFunction(int) { }
void MainWindow::mvbtelehandlerFunction(int) { }
void MainWindow::Processor_Life_Sign_Update() { }
void MainWindow::riom_slot_update() { }
