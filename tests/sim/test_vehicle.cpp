#include <QtTest>
class TestVehicle : public QObject { Q_OBJECT private slots: void placeholder() {} };
QTEST_GUILESS_MAIN(TestVehicle)
#include "test_vehicle.moc"
