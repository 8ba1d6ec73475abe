#pragma once
// Focus movement of the key dispatcher and the scroll-track rule of touch,
// as pure functions over the tables of navigation_tables.h. The window applies
// the returned action to its widgets and draws the focus.

#include <functional>
#include <string>

#include "input/key_flags.h"
#include "input/navigation_tables.h"

namespace nav {

struct FocusState {
    int key_press_count = 0; // focused index
    int key_menu_no = 1;     // focus group 1..3
    int key_min = 0;         // index range of the current group
    int key_max = 0;
};

enum class ActKind {
    None,
    Click,  // animate-click the button (keys act like a finger held for 100 ms)
    Toggle, // click() a radio or check button
    Invoke, // call a slot of the window by name
    Cell,   // call on_<target>_cellClicked(row, column) of the table's screen
};

struct Action {
    ActKind kind = ActKind::None;
    std::string target; // widget, table or slot name
    int row = -1;       // ActKind::Cell
    int column = -1;

    bool operator==(const Action& o) const
    {
        return kind == o.kind && target == o.target && row == o.row && column == o.column;
    }
};

// Whether the entry at a focus index can take the focus now (its control is
// shown and enabled). Up and Down pass over entries that cannot; an empty
// function takes every entry.
using Usable = std::function<bool(int index)>;

// One key dispatch on a screen of the table: ESC, Up, Down, Enter and the
// auxiliary keys; with no key set it only normalises the state (used to draw
// the initial focus). `selectedProcessor` resolves "@procN" names.
Action stepScreen(const FocusMap& map, FocusState& state, const KeyFlags& keys, int selectedProcessor = 1,
                  const Usable& usable = {});

// Home screen: one group 0..5 over the top bar (0..4 without the layout
// toggle); Up and Down wrap, Enter clicks the focused button.
Action stepHome(FocusState& state, const KeyFlags& keys, bool withToggle, const Usable& usable = {});

// Password pad: ESC closes it, Up and Down move over the twelve keys with
// wrap-around (index 0 is no focus), Enter clicks the focused key; the index
// after Enter follows passwordIndexAfterEnter().
Action stepPassword(FocusState& state, const KeyFlags& keys);

// Message box: the OK-only form clicks `ok` on Enter; the yes/no form moves
// between `ok` (0) and `no` (1) and clicks the focused one.
Action stepMessageBox(FocusState& state, const KeyFlags& keys, bool yesNo);

// Scroll-track touch: page P rows, handle 30 px high at
// T + (B - T - 30) * (position / P) / (rows / P) (integer arithmetic).
// Returns +P below the handle, -P above it, 0 on the handle and when the
// table holds fewer rows than one page.
int scrollTrackDelta(int top, int bottom, int touchY, int position, int rows, int page);
// Top of the handle, or -1 when the table holds fewer rows than one page.
int scrollHandleTop(int top, int bottom, int position, int rows, int page);

// New position of a table scrolled by `delta`, clamped to 0 .. rows - 1
// (0 for an empty table).
int scrollPosition(int position, int delta, int rows);

} // namespace nav
