#include "widgets/qgaugedrawfunctions.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace gaugedraw {

namespace {

// Qt takes arc angles in sixteenths of a degree.
int arc16(double degrees)
{
    return static_cast<int>(std::lround(degrees * 16.0));
}

QColor barColour(const GaugeState& s)
{
    return s.enabled ? s.foreground : disabledGrey();
}

// Pen of the circular bar: a radial gradient that darkens towards the crown.
QPen barPen(const GaugeState& s, const QColor& colour)
{
    QRadialGradient gradient(QPointF(0, 0), 49);
    gradient.setColorAt(0.7, colour);
    gradient.setColorAt(0.9, Qt::black);
    return QPen(QBrush(gradient), s.barSize, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

QColor overSpeedRed()
{
    return QColor(135, 5, 5);
}
QColor thresholdIdle()
{
    return QColor(40, 40, 40);
}
QColor disabledGrey()
{
    return QColor(128, 128, 128);
}

double valueAngle(const GaugeState& s, double v)
{
    if (!(s.maxValue > s.minValue))
        return s.startAngle;
    v = std::clamp(v, s.minValue, s.maxValue);
    return s.startAngle + double(s.endAngle - s.startAngle) / (s.maxValue - s.minValue) * (v - s.minValue);
}

bool isOverThreshold(const GaugeState& s)
{
    return s.thresholdEnabled && !(s.value < s.threshold);
}

QRect viewportSquare(int width, int height)
{
    const int side = std::min(width, height);
    return QRect((width - side) / 2, (height - side) / 2, side, side);
}

void drawBackground(QPainter& p, const GaugeState& s)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(s.background);
    p.drawEllipse(QRectF(-45, -45, 90, 90));
    p.restore();
}

void drawCircularBar(QPainter& p, const GaugeState& s)
{
    if (!s.circularBarEnabled)
        return;
    const QRectF rect(-35, -35, 70, 70);
    const double valueA = valueAngle(s, s.value);

    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(barPen(s, barColour(s)));
    p.drawArc(rect, arc16(s.startAngle), arc16(valueA - s.startAngle));

    if (isOverThreshold(s)) {
        // The over-speed part runs from the threshold mark to the value, so the
        // red length on the bar is exactly the amount of over-speed and lines
        // up with the threshold band drawn outside the ticks.
        const double thresholdA = valueAngle(s, s.threshold);
        p.setPen(barPen(s, overSpeedRed()));
        p.drawArc(rect, arc16(thresholdA), arc16(valueA - thresholdA));
    }
    p.restore();
}

void drawTicks(QPainter& p, const GaugeState& s)
{
    p.save();
    p.setPen(QPen(s.background, 1));
    p.setBrush(Qt::NoBrush);
    p.rotate(-s.startAngle);
    // The exact division: with the default 270 degrees and 20 steps a whole
    // degree step (13) would leave the last tick 10 degrees short of the scale
    // end and the segments would not match the value scale.
    const double step = s.steps > 0 ? double(s.startAngle - s.endAngle) / s.steps : 0.0;
    for (int i = 0; i <= s.steps; ++i) {
        p.drawLine(QPointF(30, 0), QPointF(40, 0));
        p.rotate(step);
    }
    p.restore();

    p.save();
    p.setPen(QPen(s.background, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-28, -28, 56, 56), arc16(s.startAngle), arc16(s.endAngle - s.startAngle));
    p.restore();
}

void drawCoverGlass(QPainter& p, const GaugeState& s)
{
    if (!s.coverGlassEnabled)
        return;
    QLinearGradient gradient(QPointF(-15, -45), QPointF(90, 75));
    gradient.setColorAt(0, QColor(255, 255, 255, 30));
    gradient.setColorAt(0.3, QColor(120, 120, 120, 20));
    p.save();
    p.setPen(Qt::transparent);
    p.setBrush(gradient);
    p.drawEllipse(QRectF(-45, -45, 90, 90));
    p.restore();
}

void drawCaptions(QPainter& p, const GaugeState& s)
{
    p.save();
    p.setPen(barColour(s));
    // Sizes in window units: they scale with the gauge.
    QFont labelFont = p.font();
    labelFont.setPixelSize(6);
    labelFont.setBold(true);
    p.setFont(labelFont);
    p.drawText(QRectF(-15, 20, 30, 20), Qt::AlignCenter, s.label);

    QFont unitsFont = p.font();
    unitsFont.setPixelSize(7);
    unitsFont.setBold(false);
    p.setFont(unitsFont);
    p.drawText(QRectF(-20, -30, 40, 20), Qt::AlignCenter, s.units);
    p.restore();
}

void drawCrown(QPainter& p, const GaugeState&)
{
    QLinearGradient gradient(QPointF(-70, -70), QPointF(104, 104));
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(0.3, QColor(30, 30, 30, 250));
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gradient), 3));
    p.drawArc(QRectF(-47, -47, 94, 94), arc16(30), arc16(390));
    p.restore();
}

void drawThresholdBand(QPainter& p, const GaugeState& s)
{
    if (!s.thresholdEnabled)
        return;
    const int from = static_cast<int>(valueAngle(s, s.threshold)); // whole degrees, toward zero
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(isOverThreshold(s) ? overSpeedRed() : thresholdIdle(), 2));
    p.drawArc(QRectF(-40, -40, 80, 80), arc16(from), arc16(s.endAngle - from));
    p.restore();
}

void drawGauge(QPainter& p, const GaugeState& s, int width, int height)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setViewport(viewportSquare(width, height));
    p.setWindow(-50, -50, 100, 100);

    drawBackground(p, s);
    drawCircularBar(p, s);
    drawTicks(p, s);
    drawCoverGlass(p, s);
    drawCaptions(p, s);
    drawCrown(p, s);
    drawThresholdBand(p, s);
}

} // namespace gaugedraw
