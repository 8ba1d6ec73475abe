#pragma once
// Painting of the round speed gauge, one function per layer.
//
// Every function draws in the gauge's window coordinates: the largest centred
// square of the widget mapped to (-50, -50)..(50, 50). Angles are degrees,
// positive counter-clockwise, 0 at 3 o'clock (Qt's own convention for arcs,
// which take sixteenths of a degree).

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;

namespace gaugedraw {

// Everything a paint pass needs, copied from the widget.
struct GaugeState {
    double value = 0;
    double minValue = 0;
    double maxValue = 180;
    double threshold = 140;
    int steps = 20;
    int barSize = 5;
    int startAngle = 225;
    int endAngle = -45;
    bool thresholdEnabled = true;
    bool circularBarEnabled = true;
    bool coverGlassEnabled = false;
    bool enabled = true;
    QColor foreground = QColor(0, 120, 8);
    QColor background = Qt::black;
    QString label;
    QString units;
};

// Colours shared by the painter and the readout.
QColor overSpeedRed();  // rgb(135,5,5)
QColor thresholdIdle(); // rgb(40,40,40): threshold band while below the mark
QColor disabledGrey();  // bar and captions of a disabled gauge

// Angle of value v on the scale: start + (end - start) / (max - min) * (v - min).
// v is clamped to [min, max] first so that the bar never runs past the scale
// ends; a degenerate scale (max <= min) maps everything to the start angle.
double valueAngle(const GaugeState& s, double v);

// True when the bar shows its over-speed part and the band is lit.
bool isOverThreshold(const GaugeState& s);

// Largest centred square of a widget of the given size (the painter viewport).
QRect viewportSquare(int width, int height);

// The layers, in painting order.
void drawBackground(QPainter& p, const GaugeState& s);
void drawCircularBar(QPainter& p, const GaugeState& s);
void drawTicks(QPainter& p, const GaugeState& s);
void drawCoverGlass(QPainter& p, const GaugeState& s);
void drawCaptions(QPainter& p, const GaugeState& s);
void drawCrown(QPainter& p, const GaugeState& s);
void drawThresholdBand(QPainter& p, const GaugeState& s);

// All layers in order, with the painter's window and viewport set up for a
// widget of the given size.
void drawGauge(QPainter& p, const GaugeState& s, int width, int height);

} // namespace gaugedraw
