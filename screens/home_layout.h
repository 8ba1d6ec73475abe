#pragma once
// Home screen: the widget tables of both layouts (home_build.cpp) and the
// small pure rules the refresh tick applies (home_view.cpp):
// marker positions, speed threshold, loco pictogram, colour bands and the
// colour codes of the subsystem strips.

#include <QRect>
#include <QRgb>
#include <QString>

#include "ui/look.h"

class QTableWidget;

namespace home {

// What a home widget is; decides its widget class and its first look.
enum class Kind {
    Caption, // translatable caption (per-language font)
    Unit,    // small translatable caption: units, node names
    Value,   // value label (starts as "--" in grey), or a state caption when it has a text
    Node,    // node string
    Number,  // loco number, cab
    Type,    // loco type
    Lcd,     // LCD readout; `size` is its digit count
    Image,   // picture label
    Button,  // flat button (pictograms, icons)
    Clock,   // date / time text
    Frame,   // tile outline of the DDU layout
    Lamp,    // lamp legend of the DDU layout (text coloured by state)
};

struct HomeWidget {
    Kind kind;
    const char* name;
    QRect geometry;   // window coordinates (RMS) or coordinates in Gmainwindow_ddu (DDU)
    const char* text; // English text, translated at run time (captions, state captions)
    int size;         // font size in pt; digit count for LCDs
    Qt::Alignment align;
};

extern const HomeWidget kRmsWidgets[];
extern const int kRmsWidgetCount;
extern const HomeWidget kDduWidgets[];
extern const int kDduWidgetCount;

// Caption look (bold captions, normal-weight units) in a language: 0 English,
// otherwise Hindi, a few points larger.
QString captionStyle(const HomeWidget& w, int language);
// First look of a widget as built (style sheet and text).
QString initialStyle(const HomeWidget& w);
QString initialText(const HomeWidget& w);
// Subsystem strip: fixed cell size, no headers, scroll bars, selection or focus.
void styleStrip(QTableWidget* table, int columnWidth, int rowHeight);

// The shared look (colours, text and LCD styles) under its home names.
using namespace ui;

// ----- rules -----
// Marker rows (top of the 16 x 16 marker), the effort divided with truncation
// toward zero. The effort is limited to the meter's +-500 kN, the line voltage
// to its 0..30 kV; the primary current is only drawn within 0..300 A.
int tebeArrowY(int zeroRow, int effort); // RMS: zeroRow 332; DDU: 371
int vcatArrowY(int uprim);               // 521 - 10 x UPRIM
int ipriArrowY(int iprim);               // 521 - IPRIM
// Overspeed mark of the speed gauges from the loco number (decimal text):
// 31001..33999 -> 100, 30201..30999 -> 130, any other number -> 140 km/h.
int speedThreshold(const QString& locoNumber);
// Battery colour: <= 85 V red, 86..92 V orange, above 92 V green.
QRgb batteryColour(int volts);
// Brake pipe colour: above 3.8 green, otherwise red.
QRgb brakePipeColour(double pressure);

// Loco pictogram by isolation state and loco type.
enum class Pictogram { GreenYellow3W, WhiteRed3W, WhiteRed2W, RedRed3W, RedRed2W, Grey };
Pictogram locoPictogram(int isoStatus, const QString& locoType);
const QString& pictogramRms(Pictogram p);
const QString& pictogramDdu(Pictogram p);

// Subsystem strip colours of one code: background and text.
struct CellLook {
    QRgb background;
    QRgb text;
};
// Look of a code in the RMS strip (loco 1), and in the DDU strip for loco 1 or
// loco 2 (their code sets differ). False for a code the display does not know,
// which gets the no-data look of its code set.
bool rmsCellLook(int code, CellLook& look);
bool dduCellLook(int locoSubsys, int code, CellLook& look);

} // namespace home
