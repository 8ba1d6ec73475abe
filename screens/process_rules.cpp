#include "screens/process_rules.h"

#include <QCoreApplication>

#include "acquisition/unknown.h"

namespace proc {

QString withUnit(const QString& value, const QString& unit)
{
    return isUnknown(value) ? value : value + unit;
}

Lamp lampFor(int state)
{
    switch (state) {
    case TriOff: return Lamp::Off;
    case TriOn: return Lamp::On;
    case TriNoData: return Lamp::NoData;
    default: return Lamp::Keep;
    }
}

// ----- motor status -----

MotorLayout motorLayout(int coco, int cocoR, int slaveActive)
{
    const bool six = coco == 1 || cocoR == 1;
    if (slaveActive == 1)
        return six ? MotorLayout::SixWithSlave : MotorLayout::FourWithSlave;
    if (slaveActive == 0)
        return six ? MotorLayout::SixSingle : MotorLayout::FourSingle;
    return MotorLayout::None;
}

int motorRows(MotorLayout layout)
{
    switch (layout) {
    case MotorLayout::SixWithSlave:
    case MotorLayout::SixSingle: return 6;
    case MotorLayout::FourWithSlave:
    case MotorLayout::FourSingle: return 4;
    case MotorLayout::None: break;
    }
    return 0;
}

bool motorWithSlave(MotorLayout layout)
{
    return layout == MotorLayout::SixWithSlave || layout == MotorLayout::FourWithSlave;
}

int motorElement(MotorLayout layout, int row)
{
    if (row < 0 || row >= motorRows(layout))
        return -1;
    if (motorRows(layout) == 6)
        return row;
    static const int fourMotors[4] = {0, 1, 3, 4};
    return fourMotors[row];
}

// ----- subsystem grids -----

namespace {

// Data table: subsystem names, long and short, index 1..20.
// clang-format off
struct SubsystemNames {
    const char* longName;
    const char* shortName;
};
const SubsystemNames kNames[kSubsystemCells] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Main Power"),       QT_TRANSLATE_NOOP("MainWindow", "HV")},
    {QT_TRANSLATE_NOOP("MainWindow", "Traction Bogie 1"), QT_TRANSLATE_NOOP("MainWindow", "Bogie1")},
    {QT_TRANSLATE_NOOP("MainWindow", "Traction Bogie 2"), QT_TRANSLATE_NOOP("MainWindow", "Bogie2")},
    {QT_TRANSLATE_NOOP("MainWindow", "Harmonic Filter"),  QT_TRANSLATE_NOOP("MainWindow", "Filter")},
    {QT_TRANSLATE_NOOP("MainWindow", "Hotel Load"),       QT_TRANSLATE_NOOP("MainWindow", "Hotel")},
    {QT_TRANSLATE_NOOP("MainWindow", "Aux. Converter 1"), QT_TRANSLATE_NOOP("MainWindow", "BUR1")},
    {QT_TRANSLATE_NOOP("MainWindow", "Aux. Converter 2"), QT_TRANSLATE_NOOP("MainWindow", "BUR2")},
    {QT_TRANSLATE_NOOP("MainWindow", "Aux. Converter 3"), QT_TRANSLATE_NOOP("MainWindow", "BUR3")},
    {QT_TRANSLATE_NOOP("MainWindow", "Battery Charger"),  QT_TRANSLATE_NOOP("MainWindow", "Battery")},
    {QT_TRANSLATE_NOOP("MainWindow", "Brake System"),     QT_TRANSLATE_NOOP("MainWindow", "Braking")},
    {QT_TRANSLATE_NOOP("MainWindow", "Auxiliaries HB1"),  QT_TRANSLATE_NOOP("MainWindow", "HBB1")},
    {QT_TRANSLATE_NOOP("MainWindow", "Auxiliaries HB2"),  QT_TRANSLATE_NOOP("MainWindow", "HBB2")},
    {QT_TRANSLATE_NOOP("MainWindow", "Cab 1"),            QT_TRANSLATE_NOOP("MainWindow", "CAB1")},
    {QT_TRANSLATE_NOOP("MainWindow", "Cab 2"),            QT_TRANSLATE_NOOP("MainWindow", "CAB2")},
    {QT_TRANSLATE_NOOP("MainWindow", "Fire Detection"),   QT_TRANSLATE_NOOP("MainWindow", "Fire")},
    {QT_TRANSLATE_NOOP("MainWindow", "Speedometer"),      QT_TRANSLATE_NOOP("MainWindow", "Speed")},
    {QT_TRANSLATE_NOOP("MainWindow", "Processor FLG1"),   QT_TRANSLATE_NOOP("MainWindow", "FLG1")},
    {QT_TRANSLATE_NOOP("MainWindow", "Processor FLG2"),   QT_TRANSLATE_NOOP("MainWindow", "FLG2")},
    {QT_TRANSLATE_NOOP("MainWindow", "Trainbus"),         QT_TRANSLATE_NOOP("MainWindow", "Train Bus")},
    {QT_TRANSLATE_NOOP("MainWindow", "ALL"),              QT_TRANSLATE_NOOP("MainWindow", "Spare")},
};

enum Meaning { Healthy, Isolated, Priority1, Priority2, NoData, MeaningCount };

// The state codes of the own loco's and the second loco's images, by meaning.
const int kOwnCodes[MeaningCount] = {0, 4, 1, 2, 99};
const int kSecondCodes[MeaningCount] = {0, 1, 2, 3, 4};

const CellLook kLooks[MeaningCount] = {
    {qRgb(0x00, 0x50, 0x06), qRgb(0x00, 0x00, 0x00), nullptr},
    {qRgb(0x00, 0x00, 0x00), qRgb(0x59, 0x59, 0x59), nullptr},
    {qRgb(0x54, 0x04, 0x04), qRgb(0x59, 0x59, 0x59), QT_TRANSLATE_NOOP("MainWindow", "[Pri 1 Fault]")},
    {qRgb(0x66, 0x66, 0x00), qRgb(0x00, 0x00, 0x00), QT_TRANSLATE_NOOP("MainWindow", "[Pri 2 Fault]")},
    {qRgb(0x3f, 0x3f, 0x3f), qRgb(0x00, 0x00, 0x00), nullptr},
};
// clang-format on

constexpr QRgb kMenuNoData = qRgb(0x49, 0x49, 0x49);

} // namespace

QString subsystemName(int row, int column)
{
    if (row < 0 || row > 3 || column < 0 || column > 4)
        return QString();
    const int n = row * 5 + column + 1;
    if (n == kSubsystemCells)
        return QStringLiteral("ALL");
    return QStringLiteral("SS%1").arg(n, 2, 10, QLatin1Char('0'));
}

const char* subsystemLongName(int number)
{
    return number >= 1 && number <= kSubsystemCells ? kNames[number - 1].longName : "";
}

const char* subsystemShortName(int number)
{
    return number >= 1 && number <= kSubsystemCells ? kNames[number - 1].shortName : "";
}

bool subsystemLook(Grid grid, int loco, int code, CellLook& look)
{
    const int* codes = loco == 2 ? kSecondCodes : kOwnCodes;
    for (int m = 0; m < MeaningCount; ++m) {
        if (codes[m] != code)
            continue;
        look = kLooks[m];
        if (m == NoData && grid == Grid::Menu)
            look.background = kMenuNoData;
        if (grid == Grid::Menu)
            look.faultText = nullptr;
        return true;
    }
    return false;
}

CellLook unknownCodeLook(Grid grid)
{
    CellLook look = kLooks[NoData];
    if (grid == Grid::Menu)
        look.background = kMenuNoData;
    return look;
}

CellLook spareLook()
{
    return {kMenuNoData, qRgb(0, 0, 0), nullptr};
}

// ----- processor I/O pages -----

bool processorHasPages(int processor)
{
    return processor >= 1 && processor <= 4;
}

int nextSlot(int processor, int slot)
{
    return processorHasPages(processor) ? qBound(1, slot + 1, kSlots) : slot;
}

int previousSlot(int processor, int slot)
{
    return processorHasPages(processor) ? qBound(1, slot - 1, kSlots) : slot;
}

} // namespace proc
