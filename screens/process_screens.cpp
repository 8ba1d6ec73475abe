// Process information, subsystem and processor I/O slot screens.

#include "app/mainwindow.h"

void MainWindow::main_subsys() {}
void MainWindow::subsys_screen() {}
void MainWindow::subsyshandlerFunction(int) {}
void MainWindow::DDU_Menu_High_Volatge_Circuit_Update() {}
void MainWindow::DDU_Menu_Traction_Convertor_Update() {}
void MainWindow::DDU_Menu_Auxiliary_Convertor_Update() {}
void MainWindow::DDU_Menu_Traction_Motor_Update() {}
void MainWindow::DDU_Menu_Auxiliary_System_Update() {}
void MainWindow::DDU_Menu_Braking_System_Update() {}
void MainWindow::DDU_Menu_Energy_Monitoring_Update() {}
void MainWindow::DDU_Menu_Temperatures_Update() {}
void MainWindow::DDU_Menu_Pressures_Update() {}
void MainWindow::node_info() {}
void MainWindow::node_information_update() {}
void MainWindow::energy_consumption_update() {}
void MainWindow::simulation_mode_update() {}
void MainWindow::motor_temperature_update() {}
void MainWindow::software_version_update() {}
void MainWindow::inching_mode_update() {}
void MainWindow::motorStatus_update() {}
void MainWindow::Processor_Life_Sign_Update() {}
void MainWindow::riom_slot_update() {}
