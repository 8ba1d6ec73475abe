#pragma once
// The rules of the process information, subsystem and I/O slot screens that
// need no widget: value texts with their units, which lamp a state shows,
// which motor status layout a locomotive gets, the subsystem grids' cell
// texts and colours, and the slot paging of the I/O pages. The views apply
// them; the tests check them without a window.

#include <QRgb>
#include <QString>

namespace proc {

// ----- values -----

// A value with its unit appended (" kWh", " kV" ...), or the value as it is
// while unknown ("????"), so that the screen shows it as "--".
QString withUnit(const QString& value, const QString& unit);

// What a two-state lamp shows for a state of the store: off (0), on (1), no
// data (2); any other value leaves the lamp as it was.
enum class Lamp { Keep, Off, On, NoData };
Lamp lampFor(int state);

// ----- motor status -----

// The four layouts of the motor status table (six or four motors, with or
// without the slave loco's columns); None leaves the table as it is.
enum class MotorLayout { None, SixWithSlave, SixSingle, FourWithSlave, FourSingle };
MotorLayout motorLayout(int coco, int cocoR, int slaveActive);
int motorRows(MotorLayout layout);
bool motorWithSlave(MotorLayout layout);
// Element of the status arrays shown in `row` (a four-motor loco has no
// element 2: rows 0..3 show elements 0, 1, 3, 4); -1 outside the layout.
int motorElement(MotorLayout layout, int row);

// ----- subsystem grids -----

constexpr int kSubsystemCells = 20;
// "SS01" .. "SS19" for the cells of the 4 x 5 grid, "ALL" for row 3 column 4,
// "" outside the grid.
QString subsystemName(int row, int column);
// Names of subsystem `number` (1..20): long form (main grid), short form (menu grid).
const char* subsystemLongName(int number);
const char* subsystemShortName(int number);

// Which grid a cell look is for.
enum class Grid { Main, Menu };
struct CellLook {
    QRgb background;
    QRgb text;
    const char* faultText; // "[Pri 1 Fault]" ... or nullptr
};
// Look of a state code of loco `loco` (1 own, 2 second loco; their code sets
// differ). False for a code the display does not know.
bool subsystemLook(Grid grid, int loco, int code, CellLook& look);
// Look of a cell whose code the display does not know: it cannot claim a
// state, so it shows "no data".
CellLook unknownCodeLook(Grid grid);
// The menu grid's twentieth cell ("Spare") is always this.
CellLook spareLook();

// ----- processor I/O pages -----

constexpr int kSlots = 3;
// True for the processors that have pages (1 RIOM1, 2 RIOM2, 3 BRIO1, 4 BRIO2).
bool processorHasPages(int processor);
// The slot the arrows lead to, kept within 1..3 (unchanged for a processor without pages).
int nextSlot(int processor, int slot);
int previousSlot(int processor, int slot);

} // namespace proc
