// Diagnosis screens: the live DDS window (screen 22) and the diagnosis
// records: processor choice (14), message list (15), message details (16).

#include "app/mainwindow.h"

void MainWindow::build_diagnosis_screens(QWidget*) {}
void MainWindow::dds_screen_update() {}
void MainWindow::dds_screen_table() {}
void MainWindow::dds_screen_updownscroll() {}
void MainWindow::diagnosis_screen_header() {}
void MainWindow::diagnosis_screen() {}
void MainWindow::load_diagnosis() {}
void MainWindow::diaghandlerFunction(int) {}
void MainWindow::on_diagnostic_process_clicked() {}
void MainWindow::on_b_ddsup_top_clicked() {}
void MainWindow::on_b_ddsup_clicked() {}
void MainWindow::on_b_ddsdown_clicked() {}
void MainWindow::on_b_ddsdown_btm_clicked() {}
void MainWindow::on_diagnosis_clicked() {}
void MainWindow::on_b_menudiag_ok_clicked() {}
void MainWindow::on_diag_top_clicked() {}
void MainWindow::on_diag_up_clicked() {}
void MainWindow::on_diag_down_clicked() {}
void MainWindow::on_diag_bottom_clicked() {}
void MainWindow::on_t_diagnosis_cellClicked(int, int) {}
void MainWindow::on_diag_details_clicked() {}
void MainWindow::on_diag_detailsymp_clicked() {}
void MainWindow::on_diag_detailcause_clicked() {}
void MainWindow::on_diag_detailadvice_clicked() {}
void MainWindow::on_diag_back_clicked() {}
void MainWindow::on_diag_detailsback_clicked() {}
