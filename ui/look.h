#pragma once
// The look every screen shares: the colour vocabulary and the style sheets of
// text labels and LCD readouts.

#include <QRgb>
#include <QString>

namespace ui {

constexpr QRgb kGreen = qRgb(0, 120, 8);
constexpr QRgb kRed = qRgb(135, 5, 5);
constexpr QRgb kOrange = qRgb(170, 79, 6);
constexpr QRgb kYellow = qRgb(230, 172, 0);
constexpr QRgb kNoDataGrey = qRgb(0x59, 0x59, 0x59); // a value without data ("--")
constexpr QRgb kInactive = qRgb(0x32, 0x32, 0x32);   // a state caption that is off
constexpr QRgb kNoMvbText = qRgb(0x19, 0x19, 0x19);  // a state caption without data
constexpr QRgb kLampLegendOff = qRgb(12, 12, 12);

// Style sheet of a text label: font size, weight and colour; `condensed` takes
// the narrow cut of the face for long words in narrow tiles.
const QString& textStyle(int pointSize, QRgb colour, bool bold = true, bool condensed = false);
// Style sheet of an LCD readout in `colour`.
const QString& lcdStyle(QRgb colour);
// "rgb(r, g, b)"
QString rgbText(QRgb colour);

} // namespace ui
