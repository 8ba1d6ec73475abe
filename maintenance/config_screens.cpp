// Maintenance: configuration dialogs, driver details, the DDU display screen
// and the software update.

#include "app/mainwindow.h"

void MainWindow::DDU_Maintenance_VCU() {}
void MainWindow::DDU_Maintenance_SR() {}
void MainWindow::DDU_Maintenance_BUR() {}
void MainWindow::DDU_Maintenance_CABDDU() {}
void MainWindow::DDU_Maintenance_softupdate() {}
