#include "input/navigation.h"

namespace nav {

namespace {

void setGroup(const FocusMap& map, FocusState& s, int group)
{
    if (map.groups <= 0) {
        s.key_menu_no = 1;
        s.key_min = s.key_max = 0;
        return;
    }
    if (group < 1)
        group = 1;
    if (group > map.groups)
        group = map.groups;
    s.key_menu_no = group;
    s.key_min = map.groupMin[group - 1];
    s.key_max = map.groupMax[group - 1];
}

int wrapDown(int index, int lo, int hi)
{
    ++index;
    return index > hi ? lo : index;
}

int wrapUp(int index, int lo, int hi)
{
    --index;
    return index < lo ? hi : index;
}

bool canTake(const Usable& usable, int index)
{
    return !usable || usable(index);
}

// One step down (+1) or up (-1) within lo..hi, passing over entries that
// cannot take the focus; stays put when none can.
int stepOver(int index, int lo, int hi, int direction, const Usable& usable)
{
    int next = index;
    for (int tries = 0; tries <= hi - lo; ++tries) {
        next = direction > 0 ? wrapDown(next, lo, hi) : wrapUp(next, lo, hi);
        if (canTake(usable, next))
            return next;
    }
    return index;
}

Action clickSlot(const FocusSlot* slot, int selectedProcessor)
{
    Action a;
    if (!slot || !slot->widget)
        return a;
    if (slot->look == Look::Cell) // the slot of the cell's touch region, or the table's own
        return Action{ActKind::Cell,
                      slot->slot ? std::string(slot->slot) : "on_" + std::string(slot->widget) + "_cellClicked",
                      slot->row, slot->column};
    a.kind = slot->look == Look::Radio || slot->look == Look::TickBox ? ActKind::Toggle : ActKind::Click;
    a.target = resolveWidget(slot->widget, selectedProcessor);
    return a;
}

} // namespace

Action stepScreen(const FocusMap& map, FocusState& s, const KeyFlags& keys, int selectedProcessor, const Usable& usable)
{
    Action act;
    if (map.groups == 0) {
        // Screens without focus groups only know ESC.
        if (keys.Keyboard_ESC_Pressed && map.esc == Esc::Invoke && map.escSlot)
            act = Action{ActKind::Invoke, map.escSlot};
        s.key_press_count = 0;
        s.key_menu_no = 1;
        s.key_min = s.key_max = 0;
        return act;
    }

    // The group follows the index: index 0 (also where group 1 starts at 1)
    // is group 1; an index inside a group selects that group; otherwise the
    // group in force stays.
    if (s.key_press_count == 0)
        setGroup(map, s, 1);
    else if (const int g = map.groupOf(s.key_press_count))
        setGroup(map, s, g);
    else
        setGroup(map, s, s.key_menu_no);
    // The focus never rests on a control that is hidden or disabled.
    if (!canTake(usable, s.key_press_count))
        s.key_press_count = stepOver(s.key_press_count, s.key_min, s.key_max, +1, usable);

    if (keys.Keyboard_Pixy_UP_Pressed && map.pixyUp)
        return Action{ActKind::Click, map.pixyUp};
    if (keys.Keyboard_Pixy_Down_Pressed && map.pixyDown)
        return Action{ActKind::Click, map.pixyDown};

    if (keys.Keyboard_ESC_Pressed) {
        if (map.esc == Esc::Invoke && map.escSlot)
            return Action{ActKind::Invoke, map.escSlot};
        if (map.esc == Esc::Outward) {
            if (s.key_menu_no == 1 && map.groups >= 2) {
                setGroup(map, s, 2);
                s.key_press_count = map.escFromGroup1;
            } else if (s.key_menu_no == 2 && map.groups >= 3) {
                setGroup(map, s, 3);
                s.key_press_count = map.escFromGroup2;
            }
        }
        return act;
    }
    if (keys.Keyboard_Down_Pressed) {
        s.key_press_count = stepOver(s.key_press_count, s.key_min, s.key_max, +1, usable);
        return act;
    }
    if (keys.Keyboard_UP_Pressed) {
        s.key_press_count = stepOver(s.key_press_count, s.key_min, s.key_max, -1, usable);
        return act;
    }
    if (keys.Keyboard_Enter_Pressed && canTake(usable, s.key_press_count))
        return clickSlot(map.slotAt(s.key_press_count), selectedProcessor);
    return act;
}

Action stepHome(FocusState& s, const KeyFlags& keys, bool withToggle, const Usable& usable)
{
    const FocusMap& map = homeFocusMap();
    const int last = map.groupMax[0];
    // The layout toggle only where the display offers the second layout.
    const Usable take = [&](int index) { return (withToggle || index != kHomeToggleIndex) && canTake(usable, index); };
    s.key_menu_no = 1;
    s.key_min = 0;
    s.key_max = last;
    if (s.key_press_count < 0 || s.key_press_count > last)
        s.key_press_count = 0;
    if (!take(s.key_press_count))
        s.key_press_count = stepOver(s.key_press_count, 0, last, +1, take);
    if (keys.Keyboard_Down_Pressed)
        s.key_press_count = stepOver(s.key_press_count, 0, last, +1, take);
    else if (keys.Keyboard_UP_Pressed)
        s.key_press_count = stepOver(s.key_press_count, 0, last, -1, take);
    else if (keys.Keyboard_Enter_Pressed && take(s.key_press_count))
        return clickSlot(map.slotAt(s.key_press_count), 1);
    return {};
}

Action stepPassword(FocusState& s, const KeyFlags& keys)
{
    const FocusMap& map = passwordFocusMap();
    s.key_menu_no = 1;
    s.key_min = 1;
    s.key_max = 12;
    if (s.key_press_count < 0 || s.key_press_count > 12)
        s.key_press_count = 0;
    if (keys.Keyboard_ESC_Pressed)
        return Action{ActKind::Click, "pwd_close_button"};
    if (keys.Keyboard_Down_Pressed) {
        s.key_press_count = wrapDown(s.key_press_count, 1, 12);
    } else if (keys.Keyboard_UP_Pressed) {
        s.key_press_count = wrapUp(s.key_press_count, 1, 12);
    } else if (keys.Keyboard_Enter_Pressed) {
        Action a = clickSlot(map.slotAt(s.key_press_count), 1);
        const int after = passwordIndexAfterEnter(s.key_press_count);
        if (after >= 0)
            s.key_press_count = after;
        return a;
    }
    return {};
}

Action stepMessageBox(FocusState& s, const KeyFlags& keys, bool yesNo)
{
    s.key_menu_no = 1;
    s.key_min = 0;
    s.key_max = yesNo ? 1 : 0;
    if (s.key_press_count < 0 || s.key_press_count > s.key_max)
        s.key_press_count = 0;
    if (!yesNo) {
        if (keys.Keyboard_Enter_Pressed)
            return Action{ActKind::Click, "ok"};
        return {};
    }
    if (keys.Keyboard_Down_Pressed || keys.Keyboard_UP_Pressed)
        s.key_press_count = s.key_press_count == 0 ? 1 : 0;
    else if (keys.Keyboard_Enter_Pressed)
        return Action{ActKind::Click, s.key_press_count == 1 ? "no" : "ok"};
    return {};
}

int scrollHandleTop(int top, int bottom, int position, int rows, int page)
{
    if (page <= 0 || rows / page == 0)
        return -1;
    return top + (bottom - top - 30) * (position / page) / (rows / page);
}

int scrollTrackDelta(int top, int bottom, int touchY, int position, int rows, int page)
{
    const int handle = scrollHandleTop(top, bottom, position, rows, page);
    if (handle < 0)
        return 0;
    if (touchY > handle + 30)
        return page;
    if (touchY < handle)
        return -page;
    return 0;
}

int scrollPosition(int position, int delta, int rows)
{
    int p = position + delta;
    if (p > rows - 1)
        p = rows - 1;
    if (p < 0)
        p = 0;
    return p;
}

} // namespace nav
