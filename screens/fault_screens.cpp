// Fault and information messages on the screen: the pop-up, the driver
// advice, the fault button and the fault log.

#include "app/mainwindow.h"

void MainWindow::build_fault_screens(QWidget*) {}
void MainWindow::delete_fault_file() {}
void MainWindow::fault_info_update() {}
void MainWindow::fault_update() {}
void MainWindow::DDU_Loco_Fault_Message(const QString&, const QString&) {}
void MainWindow::fault_screen_design() {}
void MainWindow::write_fault_xml() {}
void MainWindow::driver_advice() {}
void MainWindow::on_fault_button_clicked() {}
void MainWindow::on_fault_button_pressed() {}
void MainWindow::on_enterfault_btn_clicked() {}
void MainWindow::on_driveradvice_clicked() {}
void MainWindow::on_up_button_clicked() {}
void MainWindow::on_down_button_clicked() {}
void MainWindow::on_driveradv_back_clicked() {}
