// Home screen: first looks of the widgets, the style sheets the tick applies,
// and the pure rules of the indicators (marker rows, overspeed mark, colour
// bands, loco pictogram, subsystem cell colours).

#include "screens/home_layout.h"

#include <QHash>
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

#include "ui/resources.h"

namespace home {

// ----- looks -----

// Caption look in the given language: Hindi a few points larger.
QString captionStyle(const HomeWidget& w, int language)
{
    return ui::captionStyle(w.size, w.kind == Kind::Unit, language != 0);
}

QString initialStyle(const HomeWidget& w)
{
    switch (w.kind) {
    case Kind::Caption:
    case Kind::Unit: return captionStyle(w, 0);
    case Kind::Value:
        // State captions start unlit (no data yet), values as "--" in grey.
        return textStyle(w.size, w.text ? kNoMvbText : kNoDataGrey);
    case Kind::Node: return textStyle(w.size, kNoDataGrey);
    case Kind::Number: return textStyle(w.size, qRgb(215, 215, 215));
    case Kind::Type: return textStyle(w.size, kOrange);
    case Kind::Lcd: return lcdStyle(kNoDataGrey);
    case Kind::Clock: return textStyle(w.size, qRgb(160, 160, 160), w.size >= 20);
    case Kind::Frame: return look::FrameTile;
    case Kind::Lamp: return legendStyle(w.size, kLampLegendOff, false);
    case Kind::Image:
    case Kind::Button: break;
    }
    return look::Bare;
}

QString initialText(const HomeWidget& w)
{
    switch (w.kind) {
    case Kind::Value:
    case Kind::Node: return QStringLiteral("--");
    default: return QString();
    }
}

void styleStrip(QTableWidget* t, int columnWidth, int rowHeight)
{
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setFrameShape(QFrame::NoFrame);
    t->setTextElideMode(Qt::ElideNone);
    t->setWordWrap(false);
    t->horizontalHeader()->setMinimumSectionSize(10);
    t->verticalHeader()->setMinimumSectionSize(10);
    t->horizontalHeader()->setDefaultSectionSize(columnWidth);
    t->verticalHeader()->setDefaultSectionSize(rowHeight);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

// ----- rules -----

int tebeArrowY(int zeroRow, int effort)
{
    return zeroRow - std::clamp(effort, -500, 500) / 4;
}

int vcatArrowY(int uprim)
{
    return 521 - 10 * std::clamp(uprim, 0, 30);
}

int ipriArrowY(int iprim)
{
    return 521 - std::clamp(iprim, 0, 300);
}

int speedThreshold(const QString& locoNumber)
{
    bool ok = false;
    const int n = locoNumber.trimmed().toInt(&ok, 10);
    if (!ok)
        return 140;
    if (n >= 31001 && n <= 33999)
        return 100;
    if (n >= 30201 && n <= 30999)
        return 130;
    return 140;
}

QRgb batteryColour(int volts)
{
    if (volts <= 85)
        return kRed;
    if (volts <= 92)
        return kOrange;
    return kGreen;
}

QRgb brakePipeColour(double pressure)
{
    return pressure > 3.8 ? kGreen : kRed;
}

Pictogram locoPictogram(int iso, const QString& type)
{
    const bool wag9 = type.contains(QLatin1String("WAG9"));
    const bool wap7 = type.contains(QLatin1String("WAP7"));
    switch (iso) {
    case 0: return wag9 ? Pictogram::GreenYellow3W : wap7 ? Pictogram::WhiteRed3W : Pictogram::WhiteRed2W;
    case 1: return wag9 || wap7 ? Pictogram::RedRed3W : Pictogram::RedRed2W;
    default: return Pictogram::Grey;
    }
}

const QString& pictogramRms(Pictogram p)
{
    switch (p) {
    case Pictogram::GreenYellow3W: return Dir_rms_img_LOCORMSGreenYellow3W;
    case Pictogram::WhiteRed3W: return Dir_rms_img_LOCORMSWhiteRed3W;
    case Pictogram::WhiteRed2W: return Dir_rms_img_LOCORMSWhiteRed2W;
    case Pictogram::RedRed3W: return Dir_rms_img_LOCORMSRedRed3W;
    case Pictogram::RedRed2W: return Dir_rms_img_LOCORMSRedRed2W;
    case Pictogram::Grey: break;
    }
    return Dir_rms_img_LOCOGray;
}

const QString& pictogramDdu(Pictogram p)
{
    switch (p) {
    case Pictogram::GreenYellow3W: return Dir_ddu_img_LOCORMSGreenYellow3W;
    case Pictogram::WhiteRed3W: return Dir_ddu_img_LOCORMSWhiteRed3W;
    case Pictogram::WhiteRed2W: return Dir_ddu_img_LOCORMSWhiteRed2W;
    case Pictogram::RedRed3W: return Dir_ddu_img_LOCORMSRedRed3W;
    case Pictogram::RedRed2W: return Dir_ddu_img_LOCORMSRedRed2W;
    case Pictogram::Grey: break;
    }
    return Dir_ddu_img_LOCOGray;
}

namespace {

struct CodeLook {
    int code;
    CellLook look;
};

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kDduCellText = qRgb(0xa3, 0xa3, 0xa3);

// RMS strip (loco 1).
const CodeLook kRmsCodes[] = {
    {0, {qRgb(0x00, 0x50, 0x06), kBlack}},  {1, {qRgb(0x54, 0x04, 0x04), kBlack}},
    {2, {qRgb(0x66, 0x66, 0x00), kBlack}},  {4, {kBlack, kNoDataGrey}},
    {99, {qRgb(0x3f, 0x3f, 0x3f), kBlack}},
};
// DDU strip, loco 1: the codes of the own loco's subsystem image.
const CodeLook kDduLoco1Codes[] = {
    {0, {qRgb(0x00, 0x50, 0x06), kDduCellText}},  {4, {kBlack, kDduCellText}},
    {1, {qRgb(0x54, 0x04, 0x04), kDduCellText}},  {2, {qRgb(0xe6, 0xe6, 0x00), kDduCellText}},
    {99, {qRgb(0x3f, 0x3f, 0x3f), kDduCellText}},
};
// DDU strip, loco 2: the second loco's image uses another code set.
const CodeLook kDduLoco2Codes[] = {
    {0, {qRgb(0x00, 0x50, 0x06), kDduCellText}}, {1, {kBlack, kDduCellText}},
    {2, {qRgb(0x54, 0x04, 0x04), kDduCellText}}, {3, {qRgb(0xe6, 0xe6, 0x00), kDduCellText}},
    {4, {qRgb(0x3f, 0x3f, 0x3f), kDduCellText}},
};

template <size_t N> bool lookUp(const CodeLook (&table)[N], int code, CellLook& look)
{
    for (const CodeLook& c : table) {
        if (c.code == code) {
            look = c.look;
            return true;
        }
    }
    return false;
}

} // namespace

// A code the display does not know cannot claim a state: it takes the
// no-data look of its code set (99 for loco 1, 4 for loco 2).
bool rmsCellLook(int code, CellLook& look)
{
    if (lookUp(kRmsCodes, code, look))
        return true;
    lookUp(kRmsCodes, 99, look);
    return false;
}

bool dduCellLook(int locoSubsys, int code, CellLook& look)
{
    if (locoSubsys == 2 ? lookUp(kDduLoco2Codes, code, look) : lookUp(kDduLoco1Codes, code, look))
        return true;
    if (locoSubsys == 2)
        lookUp(kDduLoco2Codes, 4, look);
    else
        lookUp(kDduLoco1Codes, 99, look);
    return false;
}

} // namespace home
