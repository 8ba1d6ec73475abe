// Home screen: captions, per-tick indicators, subsystem strips and the DDU
// layout. The home screen's code fills these functions; until then they keep
// the start-up and the refresh tick running with the widgets as built.

#include "app/mainwindow.h"

void MainWindow::home_label_settext() {}
void MainWindow::home_subsys() {}
void MainWindow::ddu_home_subsys() {}
void MainWindow::home_update() {}
void MainWindow::ddu_load()
{
    ddu_img_load();
    ddu_home_subsys();
}
void MainWindow::ddu_img_load()
{
    MVB_DDU_Direction_old = 10;
    MVB_DDU_Loco_ISO_Status_old = 10;
}
