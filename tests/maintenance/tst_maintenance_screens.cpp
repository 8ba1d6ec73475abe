#include <QtTest>
#include "app/mainwindow.h"
class T : public QObject { Q_OBJECT
private slots:
void pad() {
  StartOptions o; o.noMvb = true;
  MainWindow w(nullptr, o); w.timer1->stop(); w.timer2->stop(); w.keyClicksAnimated=false; w.show();
  auto touch=[&](int x,int y){ w.touch.key_pressure=0; w.Touch_Screen_Connect(x,y); qDebug()<<"after"<<x<<y<<"screen"<<w.screen_id; };
  touch(920,30); touch(398,403); touch(515,573); touch(515,315); touch(632,403); touch(632,573);
  qDebug() << w.isShown("Gmaint_menu") << w.isShown("Gpassword");
}
};
QTEST_MAIN(T)
#include "tst_maintenance_screens.moc"
