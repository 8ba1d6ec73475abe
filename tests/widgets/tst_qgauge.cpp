// Tests of the speed gauge as the display uses it: value and threshold rules
// with their signals, readout digits and colours, enable handling, and what
// the painted dial shows at a few values.

#include "widgets/qgauge.h"

#include <QImage>
#include <QLCDNumber>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>

namespace {

const QString kRed = QStringLiteral("background-color: transparent; color: rgb(135, 5, 5);");
const QString kGreen = QStringLiteral("background-color: transparent; color: rgb(0,120,8);");
const QString kNoData = QStringLiteral("background-color: transparent; color: #595959;");

template <typename T> QList<T> args(const QSignalSpy& spy)
{
    QList<T> out;
    for (const auto& a : spy)
        out << a.at(0).value<T>();
    return out;
}

// Pixel of a grabbed 300 x 300 gauge at polar position (degrees counter-clockwise
// from 3 o'clock, radius in gauge units of 1/100 of the side).
QPoint polar(double degrees, double radius)
{
    const double rad = qDegreesToRadians(degrees);
    return QPoint(int(150 + 3 * radius * std::cos(rad)), int(150 - 3 * radius * std::sin(rad)));
}

enum Look { Green, Red, Dark, DarkNear, Grey, Band };

bool looks(const QImage& img, QPoint p, int look)
{
    const QRgb c = img.pixel(p);
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    switch (look) {
    case Green: return g > 70 && g > r + 40 && g > b + 40;
    case Red: return r > 80 && r > g + 50 && r > b + 50;
    case Dark: return r + g + b < 60;
    case Grey: return r > 60 && std::abs(r - g) < 12 && std::abs(g - b) < 12;
    case Band: return !looks(img, p, Red) && r > 20 && r < 70; // threshold band, unlit
    case DarkNear:                                             // a tick line may fall between pixel centres
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (looks(img, p + QPoint(dx, dy), Dark))
                    return true;
    }
    return false;
}

} // namespace

class TestGauge : public QObject {
    Q_OBJECT

    static QString style(const QGauge& g) { return g.readout()->styleSheet(); }

private slots:
    // The value with its readout (digits, colour) and signals; the threshold
    // column is the mark (0: threshold off).
    void setValue_data()
    {
        QTest::addColumn<double>("threshold");
        QTest::addColumn<double>("before");
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("readout");
        QTest::addColumn<QList<bool>>("alarms");
        QTest::addColumn<QString>("style");
        const QList<bool> under{false}, over{true}, none{};
        QTest::newRow("zero") << 140.0 << 50.0 << 0.0 << 0 << under << kGreen;
        QTest::newRow("scale end") << 140.0 << 0.0 << 180.0 << 180 << over << kRed;
        QTest::newRow("rounded") << 140.0 << 0.0 << 55.6 << 56 << under << kGreen;
        QTest::newRow("rounded to 3 digits") << 140.0 << 0.0 << 99.7 << 100 << under << kGreen;
        QTest::newRow("at the mark") << 140.0 << 0.0 << 140.0 << 140 << none << kRed;
        QTest::newRow("just over the mark") << 140.0 << 0.0 << 141.0 << 141 << over << kRed;
        QTest::newRow("threshold off") << 0.0 << 0.0 << 170.0 << 170 << none << kGreen;
        // Out of range: the bar stops at the scale's end and the error is
        // reported, but the readout shows the value itself (a speedometer
        // never shows another number than the speed).
        QTest::newRow("above maximum") << 130.0 << 50.0 << 250.0 << 250 << over << kRed;
        QTest::newRow("below minimum") << 140.0 << 30.0 << -5.0 << -5 << under << kGreen;
    }

    // Disabled (speed unknown) and enabled again with a value beyond the
    // scale: the readout shows that value, not the one set before.
    void beyondTheScaleAfterUnknown()
    {
        QGauge g;
        g.setValue(0);
        g.setEnabled(false);
        g.setEnabled(true);
        g.setValue(200);
        QCOMPARE(g.readout()->intValue(), 200);
        QCOMPARE(g.value(), 180.0);
        g.setEnabled(false);
        g.setEnabled(true);
        QCOMPARE(g.readout()->intValue(), 200);
    }

    void setValue()
    {
        QFETCH(double, threshold);
        QFETCH(double, before);
        QFETCH(double, v);
        QFETCH(int, readout);
        QFETCH(QList<bool>, alarms);
        QFETCH(QString, style);
        QGauge g;
        if (threshold)
            g.setThreshold(threshold);
        else
            g.setThresholdEnabled(false);
        g.setValue(before);
        QSignalSpy errors(&g, &QGauge::errorSignal);
        QSignalSpy alarm(&g, &QGauge::thresholdAlarm);
        g.setValue(v);
        const double value = qBound(0.0, v, 180.0);
        QCOMPARE(g.value(), value);
        QCOMPARE(g.readout()->intValue(), readout);
        QVERIFY(!g.readout()->checkOverflow(readout));
        QCOMPARE(g.readout()->digitCount(), QString::number(readout).size());
        QCOMPARE(args<int>(errors), v != value ? QList<int>{QGauge::OutOfRange} : QList<int>{});
        QCOMPARE(args<bool>(alarm), alarms);
        QCOMPARE(TestGauge::style(g), style);
    }

    // A threshold on or outside the scale is refused: the old one stays and
    // the error is reported; a valid one switches the mark on.
    void thresholdRules_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("at the maximum") << 180.0 << false;
        QTest::newRow("at the minimum") << 50.0 << false;
        QTest::newRow("just under the maximum") << 179.9 << true;
    }

    void thresholdRules()
    {
        QFETCH(double, v);
        QFETCH(bool, accepted);
        QGauge g;
        g.setMinValue(50);
        g.setThresholdEnabled(false);
        const double before = g.threshold();
        QSignalSpy errors(&g, &QGauge::errorSignal);
        g.setThreshold(v);
        QCOMPARE(g.threshold(), accepted ? v : before);
        QCOMPARE(g.isThresholdEnabled(), accepted);
        QCOMPARE(args<int>(errors), accepted ? QList<int>{} : QList<int>{QGauge::ThresholdError});
    }

    void readoutColour()
    {
        // A loco number that lowers the mark under the present speed turns the
        // readout red at once, though the speed itself does not change.
        QGauge g;
        g.setValue(120);
        QCOMPARE(style(g), kGreen);
        g.setThreshold(100);
        QCOMPARE(style(g), kRed);
        g.setThreshold(130);
        QCOMPARE(style(g), kGreen);
    }

    void enableHandling()
    {
        // Disabled: no value known, the readout shows "--" in the no-data
        // grey, and values are ignored until the gauge is enabled again.
        auto disabledLook = [](const QGauge& g) {
            return g.readoutText() == QLatin1String("--") && style(g) == kNoData;
        };
        QGauge g;
        g.setValue(150);
        QSignalSpy alarms(&g, &QGauge::thresholdAlarm);
        QSignalSpy errors(&g, &QGauge::errorSignal);
        g.setEnabled(false);
        QVERIFY(disabledLook(g));
        g.setValue(60);
        g.setValue(300);
        QCOMPARE(g.value(), 150.0);
        QVERIFY(alarms.isEmpty() && errors.isEmpty());
        g.setForeground(QColor(0, 120, 8));
        QVERIFY(disabledLook(g));
        g.setEnabled(true); // the value is set anew
        QCOMPARE(g.readoutText(), QString("150"));
        QCOMPARE(style(g), kRed);
        QCOMPARE(args<bool>(alarms), QList<bool>{true});
    }

    // The scale runs from 225 to -45 degrees: a(90) = 90, a(140) = 15, a(160) = -15.
    void render_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("threshold");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("radius");
        QTest::addColumn<int>("look");
        QTest::newRow("90: bar up to the value") << 90.0 << true << true << 137.0 << 35.0 << int(Green);
        QTest::newRow("90: not reached yet") << 90.0 << true << true << 60.0 << 35.0 << int(Dark);
        QTest::newRow("90: band unlit") << 90.0 << true << true << -25.0 << 40.0 << int(Band);
        QTest::newRow("160: under the mark green") << 160.0 << true << true << 25.0 << 35.0 << int(Green);
        QTest::newRow("160: over-speed red") << 160.0 << true << true << 0.0 << 35.0 << int(Red);
        QTest::newRow("160: beyond the value") << 160.0 << true << true << -35.0 << 35.0 << int(Dark);
        QTest::newRow("160: band lit") << 160.0 << true << true << -25.0 << 40.0 << int(Red);
        // 20 divisions of 13.5 degrees: ticks cut the full bar, which is whole between them.
        QTest::newRow("tick") << 180.0 << false << true << 117.0 << 35.0 << int(DarkNear);
        QTest::newRow("between ticks") << 180.0 << false << true << -22.0 << 35.0 << int(Green);
        QTest::newRow("disabled grey") << 90.0 << true << false << 180.0 << 35.0 << int(Grey);
    }

    void render()
    {
        QFETCH(double, value);
        QFETCH(bool, threshold);
        QFETCH(bool, enabled);
        QFETCH(double, degrees);
        QFETCH(double, radius);
        QFETCH(int, look);
        QGauge g;
        g.resize(300, 300);
        g.setThresholdEnabled(threshold);
        g.setValue(value);
        g.setEnabled(enabled);
        const QImage img = g.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(img.size(), QSize(300, 300));
        QVERIFY(looks(img, polar(degrees, radius), look));
    }
};

QTEST_MAIN(TestGauge)
#include "tst_qgauge.moc"
