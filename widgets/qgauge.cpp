#include "widgets/qgauge.h"

#include "widgets/qgaugedrawfunctions.h"

#include <QEvent>
#include <QLCDNumber>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace {

// Value of the test sweep (MyTimerSlot), shared by every gauge.
int s_sweepValue = 0;

const char* const kReadoutRedStyle = "background-color: transparent; color: rgb(135, 5, 5);";
// A disabled gauge has no value to show: its readout shows "--" in the no-data grey.
const char* const kReadoutDisabledStyle = "background-color: transparent; color: #595959;";

QString readoutStyle(const QColor& c)
{
    return QStringLiteral("background-color: transparent; color: rgb(%1,%2,%3);")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue());
}

// The readout's colour is a style sheet; setting one reparses it and restyles
// the readout, so it is only set when it changes (not on every new value).
void styleReadout(QLCDNumber* lcd, const QString& style)
{
    if (lcd->styleSheet() != style)
        lcd->setStyleSheet(style);
}

} // namespace

QGauge::QGauge(QWidget* parent)
    : QWidget(parent)
    , m_label(tr("SPEED"))
    , m_units(QStringLiteral("km/h"))
{
    setMinimumSize(80, 80);
    setMaximumSize(1024, 1024);

    m_lcd = new QLCDNumber(this);
    m_lcd->setObjectName(QStringLiteral("gaugeReadout"));
    m_lcd->setSegmentStyle(QLCDNumber::Flat);
    m_lcd->setSmallDecimalPoint(true);
    m_lcd->setFrameShape(QFrame::NoFrame);
    m_lcd->setDigitCount(5);
    showReadout(QString::number(m_value));
    styleReadout(m_lcd, readoutStyle(m_foreground));
    placeReadout();

    // The default over-speed mark; this also switches the threshold on.
    setThreshold(140.0);
}

QGauge::~QGauge() = default;

int QGauge::digits(int n)
{
    long long m = n < 0 ? -static_cast<long long>(n) : n;
    int count = 0;
    while (m > 0) {
        m /= 10;
        ++count;
    }
    if (n < 1)
        ++count;
    return count;
}

int QGauge::digitCount() const
{
    return m_autodigits ? -1 : m_lcd->digitCount();
}

// ---- value and scale ---------------------------------------------------------

void QGauge::setValue(double v)
{
    if (!isEnabled())
        return;

    // A value beyond the scale puts the bar at the scale's end and is
    // reported, but the readout still shows the value itself: a speedometer
    // never shows a number other than the speed.
    if (v > m_maxValue) {
        m_value = m_maxValue;
        emit errorSignal(OutOfRange);
    } else if (v < m_minValue) {
        m_value = m_minValue;
        emit errorSignal(OutOfRange);
    } else {
        m_value = v;
    }
    m_readoutValue = v;
    if (m_autodigits) {
        // The automatic count is sized for whole numbers, so the readout
        // shows the rounded value: a fractional value would not fit and the
        // display would silently keep its previous number.
        const int whole = static_cast<int>(std::lround(v));
        m_lcd->setDigitCount(digits(whole));
        showReadout(QString::number(whole));
    } else {
        showReadout(QString::number(v));
    }

    if (m_thresholdEnabled) {
        thresholdManager();
        styleReadout(m_lcd, v >= m_threshold ? QString::fromLatin1(kReadoutRedStyle) : readoutStyle(m_foreground));
    } else {
        styleReadout(m_lcd, readoutStyle(m_foreground));
    }
    update();
}

void QGauge::setValue(int v)
{
    setValue(static_cast<double>(v));
}

void QGauge::setMinValue(double v)
{
    // Stored as given; the painter copes with a scale whose ends are crossed.
    m_minValue = v;
    update();
}

void QGauge::setMinValue(int v)
{
    setMinValue(static_cast<double>(v));
}

void QGauge::setMaxValue(double v)
{
    if (!(v > m_minValue)) {
        emit errorSignal(MaxValueError);
        return;
    }
    m_maxValue = v;
    update();
}

void QGauge::setMaxValue(int v)
{
    setMaxValue(static_cast<double>(v));
}

void QGauge::setThreshold(double v)
{
    if (!(v > m_minValue && v < m_maxValue)) {
        emit errorSignal(ThresholdError);
        return;
    }
    m_threshold = v;
    m_thresholdEnabled = true;
    // A new mark changes the meaning of the value shown: recolour the readout
    // now instead of waiting for the next value change.
    applyReadoutColour();
    update();
}

void QGauge::setThreshold(int v)
{
    setThreshold(static_cast<double>(v));
}

void QGauge::setPrecision(int p)
{
    m_precision = p;
    update();
}

void QGauge::setSteps(int n)
{
    if (n <= 1)
        return;
    m_steps = n;
    update();
}

void QGauge::setStartAngle(int degrees)
{
    m_startAngle = degrees;
    update();
}

void QGauge::setEndAngle(int degrees)
{
    m_endAngle = degrees;
    update();
}

void QGauge::setBarSize(int barSize)
{
    m_barSize = barSize;
    update();
}

// ---- captions and colours ----------------------------------------------------

void QGauge::setLabel(const QString& text)
{
    m_label = text;
    update();
}

void QGauge::setUnits(const QString& text)
{
    m_units = text;
    update();
}

void QGauge::setForeground(QColor colour)
{
    m_foreground = colour;
    applyReadoutColour();
    update();
}

void QGauge::setBackground(QColor colour)
{
    m_background = colour;
    applyReadoutColour();
    update();
}

// ---- switches ----------------------------------------------------------------

void QGauge::setThresholdEnabled(bool on)
{
    m_thresholdEnabled = on;
    applyReadoutColour();
    update();
}

void QGauge::setNumericIndicatorEnabled(bool on)
{
    m_numericIndicatorEnabled = on;
    m_lcd->setVisible(on);
    update();
}

void QGauge::setCircularBarEnabled(bool on)
{
    m_circularBarEnabled = on;
    update();
}

void QGauge::setCoverGlassEnabled(bool on)
{
    m_coverGlassEnabled = on;
    update();
}

void QGauge::setDigitCount(int n_digits)
{
    if (n_digits < 1) {
        m_autodigits = true;
    } else {
        m_lcd->setDigitCount(n_digits);
        showReadout(QString::number(m_value));
    }
    update();
}

void QGauge::get_speedval() { }

void QGauge::MyTimerSlot()
{
    setValue(s_sweepValue);
    if (++s_sweepValue > 180)
        s_sweepValue = 0;
}

// ---- helpers -----------------------------------------------------------------

void QGauge::thresholdManager()
{
    if (m_value > m_threshold)
        emit thresholdAlarm(true);
    else if (m_value < m_threshold)
        emit thresholdAlarm(false);
}

void QGauge::showReadout(const QString& text)
{
    m_readoutText = text;
    m_lcd->display(text);
}

void QGauge::applyReadoutColour()
{
    if (!isEnabled())
        styleReadout(m_lcd, QString::fromLatin1(kReadoutDisabledStyle));
    else if (m_thresholdEnabled && m_value >= m_threshold)
        styleReadout(m_lcd, QString::fromLatin1(kReadoutRedStyle));
    else
        styleReadout(m_lcd, readoutStyle(m_foreground));
}

void QGauge::placeReadout()
{
    const int side = std::min(width(), height());
    m_lcd->setGeometry(width() / 2 - side / 4, height() / 2 - side / 6, side / 2, side / 3);
}

// ---- events ------------------------------------------------------------------

void QGauge::paintEvent(QPaintEvent*)
{
    gaugedraw::GaugeState s;
    s.value = m_value;
    s.minValue = m_minValue;
    s.maxValue = m_maxValue;
    s.threshold = m_threshold;
    s.steps = m_steps;
    s.barSize = m_barSize;
    s.startAngle = m_startAngle;
    s.endAngle = m_endAngle;
    s.thresholdEnabled = m_thresholdEnabled;
    s.circularBarEnabled = m_circularBarEnabled;
    s.coverGlassEnabled = m_coverGlassEnabled;
    s.enabled = isEnabled();
    s.foreground = m_foreground;
    s.background = m_background;
    s.label = m_label;
    s.units = m_units;

    QPainter painter(this);
    gaugedraw::drawGauge(painter, s, width(), height());
}

void QGauge::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeReadout();
}

void QGauge::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            m_lcd->setDigitCount(2);
            showReadout(QStringLiteral("--"));
            styleReadout(m_lcd, QString::fromLatin1(kReadoutDisabledStyle));
        } else {
            setValue(m_readoutValue); // restores the readout and its colour
        }
    }
    QWidget::changeEvent(event);
}
