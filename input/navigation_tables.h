#pragma once
// Key and touch navigation of every screen as plain data.
//
// The keypad moves a focus index over the controls of the visible screen; the
// touch panel clicks the control under the finger. Both tables name controls
// by their widget object names only, so this file needs no widgets: the window
// looks the names up, and a row whose widget does not exist (yet) does nothing.

#include <string>
#include <vector>

#include "input/screen_ids.h"

namespace nav {

// How a focused control is drawn and how Enter acts on it.
enum class Look {
    TopBar,      // top-bar button: Key_menu_*; Enter animate-clicks
    SubMenu,     // screen / side-menu button: Key_submenu_*; Enter animate-clicks
    SubMenu30,   // 30 pt screen button: Key_submenu30_*
    MenuTab,     // table tab: Key_menutab_*
    Radio,       // radio or check button: Menu_Processor_Radio_Style*; Enter toggles with click()
    PasswordKey, // password key: Password_Button_Style*
    Icon,        // pictogram or icon button: a frame drawn around it; Enter clicks
    TickBox,     // labelled tick box of a filter panel: filterBoxStyle*; Enter toggles
    Cell,        // a cell of the table `widget`: the cell is selected; Enter calls
                 // on_<table>_cellClicked(row, column) as a finger on it does
};

struct FocusSlot {
    int index;
    const char* widget; // nullptr: an index without a control (Enter does nothing)
    Look look;
    int row = -1; // Look::Cell: the cell; row -1 is the table's selected row
    int column = -1;
    const char* slot = nullptr; // Look::Cell: the window slot taking (row, column), as the cell's touch region
};

// What ESC does on a screen.
enum class Esc {
    Outward, // group 1 -> group 2 -> group 3, setting the index of the row
    Invoke,  // calls the named slot of the window (a Back or Cancel handler)
    Nothing,
};

// Processor buttons of the I/O slot screens: "@proc0" .. "@proc7" stand for the
// eight buttons in cyclic order starting at the selected processor.
constexpr const char* kProcessorOrder[8] = {"ddu_flg1", "ddu_hbb1", "ddu_stb1", "ddu_slg1",
                                            "ddu_flg2", "ddu_hbb2", "ddu_stb2", "ddu_slg2"};

struct FocusMap {
    const char* name;        // short name for tests and debug lines
    const char* visible;     // widget whose visibility selects this map
    const char* alsoVisible; // second widget that must be visible too (or nullptr)
    int groups;              // 0 .. 3 focus groups
    int groupMin[3];
    int groupMax[3];
    std::vector<FocusSlot> entries;
    Esc esc;
    int escFromGroup1;    // Esc::Outward: index set when leaving group 1
    int escFromGroup2;    // Esc::Outward: index set when leaving group 2
    const char* escSlot;  // Esc::Invoke: slot of the window
    const char* section;  // top-bar button of the current section (orange text), or nullptr
    const char* pixyUp;   // button clicked by the auxiliary Up key, or nullptr
    const char* pixyDown; // button clicked by the auxiliary Down key, or nullptr

    const FocusSlot* slotAt(int index) const;
    int groupOf(int index) const; // 1..3, or 0 when the index lies in no group
};

// Screen rules of the key dispatcher in the order they are tested. The
// software-update and subsystem-browse rules come first (they are tested
// before the home rule); overlays are listed before the screen they cover.
const std::vector<FocusMap>& focusMaps();
// Number of leading rows of focusMaps() tested before the home rule.
int focusMapsBeforeHome();

// Home screen: one group over the top bar and the layout toggle (left out when
// the display type is 3), then the loco pictograms (they open the subsystem
// grid of loco 1 and 2) and the language icons of the two layouts.
const FocusMap& homeFocusMap();
constexpr int kHomeToggleIndex = 5;
// Password pad: one group 1..12 with wrap-around; index 0 is no focus.
const FocusMap& passwordFocusMap();
// Index after Enter on a password key: -1 keeps the index, otherwise the new index.
int passwordIndexAfterEnter(int index);
// True for the password keys before whose click the key styles are reset (C and OK).
bool passwordResetBeforeEnter(int index);

// Resolves "@procN" against the selected processor (1..8; other values count as 1).
std::string resolveWidget(const char* name, int selectedProcessor);

// ----- touch -----

enum class TouchAction {
    Click,       // click() on the button
    TableClick,  // synthetic mouse click at the same point of the table's viewport
    ScrollTrack, // scroll-track logic of a table (param = table code of scroll_Table_logic)
    InvokeCell,  // window slot with (row, column) arguments
    Keyboard,    // on-screen keyboard layout
};

// Extra condition of a region besides its screen block.
enum class TouchIf {
    Always,
    WidgetVisible, // the target widget (or `cond`) is visible
    YesNoForm,     // the message box asks a yes/no question
    OkOnlyForm,    // the message box shows OK only
};

struct TouchRegion {
    int x1, y1, x2, y2; // hit when x1 < x < x2 and y1 < y < y2
    const char* widget; // button, table, or slot name (InvokeCell)
    TouchAction action;
    TouchIf cond;
    int row, column;                     // InvokeCell arguments
    int param;                           // ScrollTrack: table code
    const char* condWidget;              // TouchIf::WidgetVisible: widget tested (nullptr: the target)
    screen::Id afterFrom = screen::None; // after a hit on screen `afterFrom` ...
    screen::Id afterTo = screen::None;   // ... screen_id becomes `afterTo` (None: no change)
};

struct TouchBlock {
    const char* name;
    screen::Id idMin, idMax;    // screen_id range (inclusive)
    std::vector<int> idList;    // when not empty: the screen_ids served instead of the range
    const char* requireVisible; // widget that must be visible (or nullptr)
    const char* requireHidden1; // widgets that must not be visible (or nullptr)
    const char* requireHidden2;
    std::vector<TouchRegion> regions;

    bool serves(int screenId) const;
};

// Blocks in the order they are tested; the first region that hits acts.
const std::vector<TouchBlock>& touchBlocks();

// Scroll tracks: geometry and page size of each table's track.
struct ScrollTrack {
    int table; // table code of scroll_Table_logic
    const char* widget;
    int top, bottom; // track top T and bottom B (window y)
    int page;        // rows per page P
};
const std::vector<ScrollTrack>& scrollTracks();
const ScrollTrack* scrollTrack(int table);

// Keyboard keys in window coordinates with the keyboard at its bottom position.
struct KeyboardKey {
    int x1, y1, x2, y2;
    const char* widget;
};
const std::vector<KeyboardKey>& keyboardKeys();
// y of the keyboard group at its bottom and top position.
constexpr int kKeyboardBottomY = 445;
constexpr int kKeyboardTopY = 2;

} // namespace nav
