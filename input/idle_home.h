#pragma once
// Back to the home screen by itself: a driver who opened a menu, a process
// information, diagnosis or subsystem screen and then drove on without
// touching the display gets the speed and the lamps back after a minute.
// Only while the vehicle is known to move: with the speed unknown or zero
// the screen stays, as it does for every maintenance screen, the password
// pad, the on-screen keyboard, a message box, the fault pop-up and its
// advice, the inching screen (the driver is working it) and the driver
// details form (its typed fields are not saved yet).

#include "input/screen_ids.h"

namespace idle {

// Refresh ticks (500 ms) without a key or a touch before the return.
constexpr int kTicksBeforeHome = 120;

// The screens that return: menus, process information, diagnosis, subsystems.
bool isDriverScreen(screen::Id id);

class IdleHome {
public:
    // A key or a touch: the minute starts again.
    void input() { m_ticks = 0; }
    // One refresh tick on screen `id`; `leftAlone` is true while something
    // that must stay is shown over or in it (pad, keyboard, message, form).
    // True when the display is to return home now (the count starts again).
    bool tick(screen::Id id, bool leftAlone, bool speedKnown, int speed);
    int ticks() const { return m_ticks; }

private:
    int m_ticks = 0;
};

} // namespace idle
