#pragma once
// Symbol painters of the display's images. One function per kind of symbol;
// colour, variant and number come from the image table (image_table.cpp).
// Every function paints into a transparent image of the given size.

#include <QColor>
#include <QSize>
#include <QString>

class QPainter;

namespace imgpaint {

// Colour vocabulary of the screens.
namespace colours {
QColor green();   // rgb(0,120,8)
QColor red();     // rgb(135,5,5)
QColor orange();  // rgb(170,79,6)
QColor yellow();  // rgb(230,172,0)
QColor noData();  // #595959
QColor offGrey(); // unlit lamp glass
QColor white();   // symbol white for a dark background
QColor line();    // neutral light grey of icons
} // namespace colours

// What a table row hands to its painter.
struct SymbolParams {
    QColor colour;   // main colour
    QColor colour2;  // second colour (right cab of a pictogram ...)
    int variant = 0; // symbol specific, see the enums below
    int number = 0;  // symbol specific count or digit
    QString text;    // symbol specific text
};

// Variants.
enum LedShape { LedRound = 0, LedLong = 1 };
enum TwoState { StateOff = 0, StateOn = 1, StateNoData = 2 }; // panto, VCB, brake, lamp
enum Direction { DirUp, DirDown, DirLeft, DirRight, DirTop, DirBottom, DirUpDown };
enum MeterKind { MeterEffort, MeterLineVoltage, MeterLineCurrent };
enum ToggleVariant { ToggleFirstLayout, ToggleSecondLayout, ToggleDisabled };
enum LocoStatusKind { LocoStatusFault, LocoStatusIsolation, LocoStatusInfo };
enum DialogKind { DialogFault, DialogWarning, DialogInfo };
enum NavKind { NavClose, NavBack };

using PaintFn = void (*)(QPainter&, QSize, const SymbolParams&);

// Lamps: colour = lit colour; variant = LedShape; number = 1 for no data.
void paintLed(QPainter& p, QSize size, const SymbolParams& s);
// Pantograph on a roof line: variant = TwoState (off = lowered, on = raised).
void paintPantograph(QPainter& p, QSize size, const SymbolParams& s);
// Vacuum circuit breaker: variant = TwoState (off = open, on = closed).
void paintBreaker(QPainter& p, QSize size, const SymbolParams& s);
// Brake block against a wheel: variant = TwoState (off = released, on = applied).
void paintBrake(QPainter& p, QSize size, const SymbolParams& s);
// Travel direction: variant = DirRight (forward) or DirLeft (reverse); number
// 1 = not known (both ways, grey, with the no-data badge).
void paintDirection(QPainter& p, QSize size, const SymbolParams& s);
// Side view of the locomotive: colour = left cab, colour2 = right cab,
// number = side windows (2: Bo-Bo, 3: Co-Co); variant 1 = no data (all grey).
void paintLoco(QPainter& p, QSize size, const SymbolParams& s);
// Vertical meter scales: variant = MeterKind. Geometry in meterZeroRow().
void paintMeter(QPainter& p, QSize size, const SymbolParams& s);
// Row of the meter image at which the scale's zero lies, and pixels per unit.
int meterZeroRow(int kind, QSize size);
double meterPixelsPerUnit(int kind);
// Marker arrow of the meters: colour; variant = DirRight or DirLeft (the tip side).
void paintPointer(QPainter& p, QSize size, const SymbolParams& s);
// Converter box (rectifier/inverter symbol) in a state colour.
void paintConverter(QPainter& p, QSize size, const SymbolParams& s);
// Motor circle with its number (number = 1..6) in a state colour.
void paintMotorCircle(QPainter& p, QSize size, const SymbolParams& s);
// Layout toggle: variant = ToggleVariant.
void paintToggle(QPainter& p, QSize size, const SymbolParams& s);
// Language key showing text; number 1 = the text is Devanagari.
void paintLanguage(QPainter& p, QSize size, const SymbolParams& s);
// Message box icons: variant = DialogKind.
void paintDialog(QPainter& p, QSize size, const SymbolParams& s);
// Arrows: variant = Direction; number 1 = small plain triangle.
void paintArrow(QPainter& p, QSize size, const SymbolParams& s);
// Padlock: variant 1 = locked, 0 = unlocked.
void paintLock(QPainter& p, QSize size, const SymbolParams& s);
// Brightness: variant 1 = automatic.
void paintBrightness(QPainter& p, QSize size, const SymbolParams& s);
// Checked box of the variable monitor.
void paintTick(QPainter& p, QSize size, const SymbolParams& s);
// Close and back keys: variant = NavKind.
void paintNav(QPainter& p, QSize size, const SymbolParams& s);
// Message indicator of the top bar: variant = LocoStatusKind.
void paintLocoStatus(QPainter& p, QSize size, const SymbolParams& s);
// Large symbol of the message pop-ups: variant = LocoStatusKind (fault or info).
void paintLocoSymbol(QPainter& p, QSize size, const SymbolParams& s);
// Neutral logo of the unit.
void paintLogo(QPainter& p, QSize size, const SymbolParams& s);

} // namespace imgpaint
