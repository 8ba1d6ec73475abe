// Tests of the speed gauge: setter rules and signals, threshold handling,
// readout digits, colours and placement, enable handling, and what the
// painted dial shows at a few values.

#include "widgets/qgauge.h"
#include "widgets/qgaugedrawfunctions.h"

#include <QImage>
#include <QLCDNumber>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>

namespace {

const QString kRedStyle = QStringLiteral("background-color: transparent; color: rgb(135, 5, 5);");
const QString kGreenStyle = QStringLiteral("background-color: transparent; color: rgb(0,120,8);");
const QString kDisabledStyle = QStringLiteral("background-color: transparent; color: rgb(200,200,200);");

QList<int> codes(const QSignalSpy& spy)
{
    QList<int> out;
    for (const auto& args : spy)
        out << args.at(0).toInt();
    return out;
}

QList<bool> alarms(const QSignalSpy& spy)
{
    QList<bool> out;
    for (const auto& args : spy)
        out << args.at(0).toBool();
    return out;
}

// Pixel of a grabbed 300 x 300 gauge at polar position (degrees counter-clockwise
// from 3 o'clock, radius in gauge units of 1/100 of the side).
QPoint polar(double degrees, double radius)
{
    const double rad = qDegreesToRadians(degrees);
    return QPoint(int(150 + 3 * radius * std::cos(rad)), int(150 - 3 * radius * std::sin(rad)));
}

bool isGreen(QRgb c) { return qGreen(c) > 70 && qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40; }
bool isRed(QRgb c) { return qRed(c) > 80 && qRed(c) > qGreen(c) + 50 && qRed(c) > qBlue(c) + 50; }
bool isDark(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 60; }
bool isGrey(QRgb c)
{
    return qRed(c) > 60 && std::abs(qRed(c) - qGreen(c)) < 12 && std::abs(qGreen(c) - qBlue(c)) < 12;
}

// True when some pixel of the 3 x 3 block around p is dark (a tick line may
// fall between pixel centres).
bool darkNear(const QImage& img, QPoint p)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (isDark(img.pixel(p.x() + dx, p.y() + dy)))
                return true;
    return false;
}

QImage render(QGauge& g)
{
    return g.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestGauge : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void digits_data();
    void digits();
    void valueAboveMaximumIsClampedAndKeepsReadout();
    void valueBelowMinimumIsClamped();
    void valueInRangeIsShown();
    void fractionalValueFitsTheReadout();
    void maxValueRule_data();
    void maxValueRule();
    void minValueIsStoredUnchecked();
    void thresholdRule_data();
    void thresholdRule();
    void stepsRule();
    void thresholdManager_data();
    void thresholdManager();
    void disabledThresholdKeepsForeground();
    void newThresholdRecoloursReadout();
    void digitCountModes();
    void foregroundRestylesReadout();
    void numericIndicatorVisibility();
    void readoutPlacement_data();
    void readoutPlacement();
    void enableHandling();
    void timerSweepWraps();
    void sizeLimits();
    void intOverloadsForward();
    void valueAngle();
    void renderBarFollowsValue();
    void renderOverSpeed();
    void renderTicksSpanTheScale();
    void renderDisabledIsGrey();
};

void TestGauge::defaults()
{
    QGauge g;
    QCOMPARE(g.value(), 0.0);
    QCOMPARE(g.minValue(), 0.0);
    QCOMPARE(g.maxValue(), 180.0);
    QCOMPARE(g.threshold(), 140.0);
    QCOMPARE(g.precision(), 0);
    QCOMPARE(g.steps(), 20);
    QCOMPARE(g.barSize(), 5);
    QCOMPARE(g.startAngle(), 225);
    QCOMPARE(g.endAngle(), -45);
    QCOMPARE(g.label(), QStringLiteral("SPEED"));
    QCOMPARE(g.units(), QStringLiteral("km/h"));
    QVERIFY(g.isThresholdEnabled());
    QVERIFY(g.isNumericIndicatorEnabled());
    QVERIFY(g.isCircularBarEnabled());
    QVERIFY(!g.isCoverGlassEnabled());
    QCOMPARE(g.foreground(), QColor(0, 120, 8));
    QCOMPARE(g.background(), QColor(Qt::black));
    QCOMPARE(g.digitCount(), -1);
    QCOMPARE(g.readout()->digitCount(), 5);
    QCOMPARE(g.readout()->segmentStyle(), QLCDNumber::Flat);
    QVERIFY(g.readout()->smallDecimalPoint());
    QCOMPARE(g.readout()->parentWidget(), &g);

    // The designer sees the same values through the properties.
    QCOMPARE(g.property("maxValue").toDouble(), 180.0);
    QCOMPARE(g.property("enableThreshold").toBool(), true);
    QCOMPARE(g.property("digitCount").toInt(), -1);
    QVERIFY(g.setProperty("coverGlassEnabled", true));
    QVERIFY(g.isCoverGlassEnabled());
}

void TestGauge::digits_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("9") << 9 << 1;
    QTest::newRow("10") << 10 << 2;
    QTest::newRow("99") << 99 << 2;
    QTest::newRow("100") << 100 << 3;
    QTest::newRow("180") << 180 << 3;
    QTest::newRow("-5") << -5 << 2;
    QTest::newRow("-10") << -10 << 3;
    QTest::newRow("int max") << 2147483647 << 10;
    QTest::newRow("int min") << int(-2147483647 - 1) << 11;
}

void TestGauge::digits()
{
    QFETCH(int, n);
    QFETCH(int, expected);
    QCOMPARE(QGauge::digits(n), expected);
}

void TestGauge::valueAboveMaximumIsClampedAndKeepsReadout()
{
    QGauge g;
    g.setValue(50);
    QSignalSpy errors(&g, &QGauge::errorSignal);
    g.setValue(200);
    QCOMPARE(g.value(), 180.0);
    QCOMPARE(codes(errors), QList<int>{QGauge::OutOfRange});
    QCOMPARE(QGauge::OutOfRange, 8);
    QCOMPARE(g.readout()->intValue(), 50);
    // Over the mark all the same: the readout turns red.
    QCOMPARE(g.readout()->styleSheet(), kRedStyle);
}

void TestGauge::valueBelowMinimumIsClamped()
{
    QGauge g;
    g.setValue(30);
    QSignalSpy errors(&g, &QGauge::errorSignal);
    g.setValue(-5);
    QCOMPARE(g.value(), 0.0);
    QCOMPARE(codes(errors), QList<int>{8});
    QCOMPARE(g.readout()->intValue(), 30);
}

void TestGauge::valueInRangeIsShown()
{
    QGauge g;
    QSignalSpy errors(&g, &QGauge::errorSignal);
    g.setValue(87);
    QCOMPARE(g.value(), 87.0);
    QCOMPARE(g.readout()->intValue(), 87);
    QCOMPARE(g.readout()->digitCount(), 2);
    QCOMPARE(g.readout()->styleSheet(), kGreenStyle);
    g.setValue(180);  // the scale end itself is in range
    QCOMPARE(g.value(), 180.0);
    QCOMPARE(g.readout()->digitCount(), 3);
    g.setValue(0);
    QCOMPARE(g.readout()->digitCount(), 1);
    QVERIFY(errors.isEmpty());
}

void TestGauge::fractionalValueFitsTheReadout()
{
    QGauge g;
    g.setValue(55.6);
    QCOMPARE(g.value(), 55.6);
    QCOMPARE(g.readout()->intValue(), 56);
    QVERIFY(!g.readout()->checkOverflow(g.readout()->intValue()));
    g.setValue(99.7);
    QCOMPARE(g.readout()->intValue(), 100);
    QCOMPARE(g.readout()->digitCount(), 3);
}

void TestGauge::maxValueRule_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("newMax");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("equal to minimum") << 0.0 << 0.0 << false;
    QTest::newRow("below minimum") << 0.0 << -10.0 << false;
    QTest::newRow("above minimum") << 0.0 << 200.0 << true;
    QTest::newRow("just above raised minimum") << 50.0 << 50.5 << true;
    QTest::newRow("at raised minimum") << 50.0 << 50.0 << false;
}

void TestGauge::maxValueRule()
{
    QFETCH(double, min);
    QFETCH(double, newMax);
    QFETCH(bool, accepted);
    QGauge g;
    g.setMinValue(min);
    QSignalSpy errors(&g, &QGauge::errorSignal);
    g.setMaxValue(newMax);
    if (accepted) {
        QCOMPARE(g.maxValue(), newMax);
        QVERIFY(errors.isEmpty());
    } else {
        QCOMPARE(g.maxValue(), 180.0);
        QCOMPARE(codes(errors), QList<int>{QGauge::MaxValueError});
        QCOMPARE(QGauge::MaxValueError, 1);
    }
}

void TestGauge::minValueIsStoredUnchecked()
{
    QGauge g;
    QSignalSpy errors(&g, &QGauge::errorSignal);
    g.setMinValue(500.0);
    QCOMPARE(g.minValue(), 500.0);
    QVERIFY(errors.isEmpty());
    // A crossed scale must still paint.
    g.resize(120, 120);
    QVERIFY(!g.grab().isNull());
}

void TestGauge::thresholdRule_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("at maximum") << 180.0 << false;
    QTest::newRow("above maximum") << 181.0 << false;
    QTest::newRow("at minimum") << 0.0 << false;
    QTest::newRow("below minimum") << -1.0 << false;
    QTest::newRow("100") << 100.0 << true;
    QTest::newRow("just under maximum") << 179.9 << true;
}

void TestGauge::thresholdRule()
{
    QFETCH(double, value);
    QFETCH(bool, accepted);
    QGauge g;
    g.setThresholdEnabled(false);
    QSignalSpy errors(&g, &QGauge::errorSignal);
    g.setThreshold(value);
    if (accepted) {
        QCOMPARE(g.threshold(), value);
        QVERIFY(g.isThresholdEnabled());
        QVERIFY(errors.isEmpty());
    } else {
        QCOMPARE(g.threshold(), 140.0);
        QVERIFY(!g.isThresholdEnabled());
        QCOMPARE(codes(errors), QList<int>{QGauge::ThresholdError});
        QCOMPARE(QGauge::ThresholdError, 3);
    }
}

void TestGauge::stepsRule()
{
    QGauge g;
    g.setSteps(1);
    QCOMPARE(g.steps(), 20);
    g.setSteps(0);
    QCOMPARE(g.steps(), 20);
    g.setSteps(-4);
    QCOMPARE(g.steps(), 20);
    g.setSteps(2);
    QCOMPARE(g.steps(), 2);
}

void TestGauge::thresholdManager_data()
{
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("value");
    QTest::addColumn<QList<bool>>("expectedAlarms");
    QTest::addColumn<QString>("expectedStyle");
    QTest::newRow("below") << 140.0 << 100.0 << QList<bool>{false} << kGreenStyle;
    QTest::newRow("equal") << 140.0 << 140.0 << QList<bool>{} << kRedStyle;
    QTest::newRow("above") << 140.0 << 141.0 << QList<bool>{true} << kRedStyle;
    QTest::newRow("loco 31001 mark") << 100.0 << 120.0 << QList<bool>{true} << kRedStyle;
    QTest::newRow("clamped above") << 130.0 << 250.0 << QList<bool>{true} << kRedStyle;
}

void TestGauge::thresholdManager()
{
    QFETCH(double, threshold);
    QFETCH(double, value);
    QFETCH(QList<bool>, expectedAlarms);
    QFETCH(QString, expectedStyle);
    QGauge g;
    g.setThreshold(threshold);
    QSignalSpy spy(&g, &QGauge::thresholdAlarm);
    g.setValue(value);
    QCOMPARE(alarms(spy), expectedAlarms);
    QCOMPARE(g.readout()->styleSheet(), expectedStyle);
}

void TestGauge::disabledThresholdKeepsForeground()
{
    QGauge g;
    g.setThresholdEnabled(false);
    QSignalSpy spy(&g, &QGauge::thresholdAlarm);
    g.setValue(170);
    QVERIFY(spy.isEmpty());
    QCOMPARE(g.readout()->styleSheet(), kGreenStyle);
}

void TestGauge::newThresholdRecoloursReadout()
{
    // A loco number that lowers the mark under the present speed turns the
    // readout red at once, even though the speed itself does not change.
    QGauge g;
    g.setValue(120);
    QCOMPARE(g.readout()->styleSheet(), kGreenStyle);
    g.setThreshold(100);
    QCOMPARE(g.readout()->styleSheet(), kRedStyle);
    g.setThreshold(130);
    QCOMPARE(g.readout()->styleSheet(), kGreenStyle);
}

void TestGauge::digitCountModes()
{
    QGauge g;
    QCOMPARE(g.digitCount(), -1);
    // An explicit count reaches the readout; the automatic mode stays on and
    // takes over again at the next value.
    g.setDigitCount(4);
    QCOMPARE(g.readout()->digitCount(), 4);
    QCOMPARE(g.digitCount(), -1);
    g.setValue(7);
    QCOMPARE(g.readout()->digitCount(), 1);
    g.setDigitCount(0);
    QCOMPARE(g.digitCount(), -1);
    g.setValue(123);
    QCOMPARE(g.readout()->digitCount(), 3);
}

void TestGauge::foregroundRestylesReadout()
{
    QGauge g;
    g.setValue(60);
    g.setForeground(QColor(1, 2, 3));
    QCOMPARE(g.foreground(), QColor(1, 2, 3));
    QCOMPARE(g.readout()->styleSheet(), QStringLiteral("background-color: transparent; color: rgb(1,2,3);"));
    g.setBackground(QColor(9, 9, 9));
    QCOMPARE(g.background(), QColor(9, 9, 9));
    QCOMPARE(g.readout()->styleSheet(), QStringLiteral("background-color: transparent; color: rgb(1,2,3);"));
    // Over the mark the readout stays red whatever the foreground.
    g.setValue(150);
    g.setForeground(QColor(4, 5, 6));
    QCOMPARE(g.readout()->styleSheet(), kRedStyle);
}

void TestGauge::numericIndicatorVisibility()
{
    QGauge g;
    g.setNumericIndicatorEnabled(false);
    QVERIFY(!g.isNumericIndicatorEnabled());
    QVERIFY(g.readout()->isHidden());
    g.setNumericIndicatorEnabled(true);
    QVERIFY(!g.readout()->isHidden());
}

void TestGauge::readoutPlacement_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("square 300") << QSize(300, 300) << QRect(75, 100, 150, 100);
    QTest::newRow("wide 300x200") << QSize(300, 200) << QRect(100, 67, 100, 66);
    QTest::newRow("tall 161x250") << QSize(161, 250) << QRect(40, 99, 80, 53);
}

void TestGauge::readoutPlacement()
{
    QFETCH(QSize, size);
    QFETCH(QRect, expected);
    QGauge g;
    g.resize(size);
    g.show();  // a hidden widget gets its resize event when shown
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QCOMPARE(g.readout()->geometry(), expected);
}

void TestGauge::enableHandling()
{
    QGauge g;
    g.setValue(150);
    QSignalSpy alarmsSpy(&g, &QGauge::thresholdAlarm);
    QSignalSpy errors(&g, &QGauge::errorSignal);

    g.setEnabled(false);
    QCOMPARE(g.readout()->styleSheet(), kDisabledStyle);
    g.setValue(60);  // ignored while disabled
    g.setValue(300);
    QCOMPARE(g.value(), 150.0);
    QCOMPARE(g.readout()->intValue(), 150);
    QVERIFY(alarmsSpy.isEmpty());
    QVERIFY(errors.isEmpty());
    g.setForeground(QColor(0, 120, 8));
    QCOMPARE(g.readout()->styleSheet(), kDisabledStyle);

    g.setEnabled(true);  // the value is set anew
    QCOMPARE(g.readout()->styleSheet(), kRedStyle);
    QCOMPARE(alarms(alarmsSpy), QList<bool>{true});

    // Disabled through the parent as well.
    QWidget parent;
    QGauge* child = new QGauge(&parent);
    child->setValue(40);
    parent.setEnabled(false);
    QCOMPARE(child->readout()->styleSheet(), kDisabledStyle);
    parent.setEnabled(true);
    QCOMPARE(child->readout()->styleSheet(), kGreenStyle);
}

void TestGauge::timerSweepWraps()
{
    QGauge g;
    QList<double> seen;
    for (int i = 0; i < 183; ++i) {
        g.MyTimerSlot();
        seen << g.value();
    }
    QCOMPARE(seen.first(), 0.0);
    QCOMPARE(seen.at(140), 140.0);
    QCOMPARE(seen.at(180), 180.0);
    QCOMPARE(seen.at(181), 0.0);
    QCOMPARE(seen.at(182), 1.0);
}

void TestGauge::sizeLimits()
{
    QGauge g;
    QCOMPARE(g.minimumSize(), QSize(80, 80));
    QCOMPARE(g.maximumSize(), QSize(1024, 1024));
    g.resize(20, 2000);
    QCOMPARE(g.size(), QSize(80, 1024));
}

void TestGauge::intOverloadsForward()
{
    QGauge g;
    QSignalSpy errors(&g, &QGauge::errorSignal);
    g.setMaxValue(int(160));
    QCOMPARE(g.maxValue(), 160.0);
    g.setThreshold(int(120));
    QCOMPARE(g.threshold(), 120.0);
    g.setMinValue(int(10));
    QCOMPARE(g.minValue(), 10.0);
    g.setValue(int(170));
    QCOMPARE(g.value(), 160.0);
    g.setThreshold(int(160));
    QCOMPARE(codes(errors), (QList<int>{QGauge::OutOfRange, QGauge::ThresholdError}));
}

void TestGauge::valueAngle()
{
    gaugedraw::GaugeState s;
    QCOMPARE(gaugedraw::valueAngle(s, 0), 225.0);
    QCOMPARE(gaugedraw::valueAngle(s, 180), -45.0);
    QCOMPARE(gaugedraw::valueAngle(s, 90), 90.0);
    QCOMPARE(gaugedraw::valueAngle(s, 140), 15.0);
    QCOMPARE(gaugedraw::valueAngle(s, 250), -45.0);  // never past the scale end
    s.minValue = 200;                                 // crossed scale: no division by zero
    QCOMPARE(gaugedraw::valueAngle(s, 50), 225.0);
}

void TestGauge::renderBarFollowsValue()
{
    QGauge g;
    g.resize(300, 300);
    g.setValue(90);  // bar from 225 degrees to 12 o'clock
    const QImage img = render(g);
    QCOMPARE(img.size(), QSize(300, 300));
    QVERIFY(isGreen(img.pixel(polar(180, 35))));
    QVERIFY(isGreen(img.pixel(polar(137, 35))));
    QVERIFY(isDark(img.pixel(polar(0, 35))));   // not reached yet
    QVERIFY(isDark(img.pixel(polar(60, 35))));
    // Threshold band from 15 degrees to the end, unlit below the mark.
    const QRgb band = img.pixel(polar(-25, 40));
    QVERIFY(!isRed(band));
    QVERIFY(qRed(band) > 20 && qRed(band) < 70);
}

void TestGauge::renderOverSpeed()
{
    QGauge g;
    g.resize(300, 300);
    g.setValue(160);  // a(140) = 15, a(160) = -15
    const QImage img = render(g);
    QVERIFY(isGreen(img.pixel(polar(97, 35))));
    QVERIFY(isRed(img.pixel(polar(0, 35))));   // between the mark and the value
    QVERIFY(isGreen(img.pixel(polar(25, 35)))); // under the mark stays green
    QVERIFY(isDark(img.pixel(polar(-35, 35)))); // beyond the value
    QVERIFY(isRed(img.pixel(polar(-25, 40))));  // band lit
}

void TestGauge::renderTicksSpanTheScale()
{
    QGauge g;
    g.resize(300, 300);
    g.setThresholdEnabled(false);
    g.setValue(180);  // full bar in the foreground colour
    const QImage img = render(g);
    // 20 divisions of 13.5 degrees: ticks at 117 and -31.5 cut the bar ...
    QVERIFY(darkNear(img, polar(117, 35)));
    QVERIFY(darkNear(img, polar(-31.5, 35)));
    // ... and between the ticks the bar is whole.
    QVERIFY(isGreen(img.pixel(polar(-22, 35))));
    QVERIFY(isGreen(img.pixel(polar(110, 35))));
}

void TestGauge::renderDisabledIsGrey()
{
    QGauge g;
    g.resize(300, 300);
    g.setValue(90);
    g.setEnabled(false);
    const QImage img = render(g);
    QVERIFY(isGrey(img.pixel(polar(180, 35))));
    QVERIFY(!isGreen(img.pixel(polar(180, 35))));
}

QTEST_MAIN(TestGauge)
#include "tst_qgauge.moc"
