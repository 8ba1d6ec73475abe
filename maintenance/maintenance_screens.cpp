// Maintenance tools: the maintenance menu, the telegram and freshness viewer,
// the variable monitor.

#include "app/mainwindow.h"

void MainWindow::Read_Port_Data_BUFFER() {}
void MainWindow::Insert_Fresh_value() {}
void MainWindow::MVBTelegram_update_value() {}
void MainWindow::mvbvarhandlerFunction(int) {}
void MainWindow::mvbfreshnesshandlerFunction(int) {}
void MainWindow::mvbtelehandlerFunction(int) {}
void MainWindow::maintenance() {}
