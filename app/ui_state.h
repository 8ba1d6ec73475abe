#pragma once
// State of the display program's GUI side: the screen model, the keypad focus,
// the message box and configuration values (each screen's view keeps its own
// change-detection copies). Only the GUI thread touches it. MainWindow derives from it, so the
// handlers read these values under their usual names (screen_id, key_press_count ...).

#include <QString>

#include "input/screen_ids.h"

struct UiState {
    // ----- screen model -----
    screen::Id screen_id = screen::None;     // screen served by the touch dispatcher (Home after start-up)
    screen::Id screen_id_old = screen::None; // screen to return to
    screen::Id old_screen_id = screen::None; // touch dispatcher's copy of screen_id
    int Old_Screen_MVB_Unit_Count = 0;
    int screen_toggle = 0; // home layout: 0 RMS, 1 DDU
    int we_are_in_home = 1;
    bool condition = true;

    // ----- keypad focus -----
    int key_press_count = 1;
    int key_menu_no = 1;
    int key_min = 0;
    int key_max = 0;
    int key_Menu_ID_old = 0;
    int key_press_select_key = 0;

    // ----- messages shown -----
    bool DDU_Loco_Info_Present = false;

    // ----- language -----
    int DDU_Language_Select = 0; // 0 English, 1 Hindi
    int lang_toggle = 0;

    // ----- configuration (the bus side keeps cab, SR and VCU types, the
    // configuration screen the display type, BUR type and MVB board) -----
    int MVB_enum_EMD = 1;

    // ----- maintenance lock -----
    bool DDU_Maintenance_Password_lock = true;
    bool maintenance_timer = true;
    int timer_increment = 0;

    // ----- screens -----
    int sub_up = 1;
    int Serial_Step = 11;

    // ----- table scrolling by touch -----
    // (the maintenance tools' tables: MaintenanceState)
};
