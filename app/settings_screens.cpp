// Settings: the password pad, date and time, brightness and language.

#include "app/mainwindow.h"

void MainWindow::password_setup() {}
void MainWindow::Brightness() {}
