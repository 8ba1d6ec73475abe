#pragma once
// State of the display program's GUI side: the screen model, the keypad focus,
// the message box, configuration values and the home screen's change-detection
// copies. Only the GUI thread touches it. MainWindow derives from it, so the
// handlers read these values under their usual names (screen_id, key_press_count ...).

#include <QString>

struct HomeChangeCopies {
    // Every copy starts at a value no signal takes, so that the first refresh
    // tick after start redraws every indicator.
    int MVB_DDU_Panto_old = 10, MVB_DDU_VCB_old = 10, MVB_DDU_MR_old = 10;
    double MVB_DDU_BP_Demand_old = 10.0;
    int MVB_DDU_BE_Demand_old = -1, MVB_DDU_BE_Actual_old = -1;
    int MVB_DDU_LSDJ_old = 10, MVB_DDU_BPPB_old = 10, MVB_DDU_BPCS_old = 10, MVB_DDU_LSP_old = 10,
        MVB_DDU_LSVW_old = 10, MVB_DDU_LSFI_old = 10, MVB_DDU_BPFA_old = 10, MVB_DDU_EMG_old = 10,
        MVB_DDU_Antispin_old = 10;
    int MVB_DDU_Primary_Over_Current_old = 10, MVB_DDU_Earth_Fault_Auxiliary_old = 10,
        MVB_DDU_Earth_Fault_Power_old = 10, MVB_DDU_Earth_Fault_Control_old = 10;
    int MVB_DDU_Speed_old = 10, MVB_DDU_Loco_Break_old = 10, MVB_DDU_Auto_Break_old = 10;
    int LineConverter1_status_SLG1_old = 10, LineConverter2_status_SLG1_old = 10, LineConverter1_status_SLG2_old = 10,
        LineConverter2_status_SLG2_old = 10;
    int motorStatusHome_old1 = 10, motorStatusHome_old2 = 10, motorStatusHome_old3 = 10, motorStatusHome_old4 = 10,
        motorStatusHome_old5 = 10, motorStatusHome_old6 = 10;
    int MVB_DDU_Direction_old = 10, MVB_DDU_Direction_2_old = 10;
    int MVB_DDU_Loco_ISO_Status_old = 10, MVB_DDU_Loco_ISO2_Status_old = 10;
    int MVB_DDU_Cab_Active_old = 10;
    QString MVB_DDU_Loco_NO_String_old = QStringLiteral("10");
    QString MVB_DDU_Loco2_NO_String_old = QStringLiteral("10");
    int multiOpMode_slave1_active_old = 10;
};

struct UiState : HomeChangeCopies {
    // ----- screen model -----
    int screen_id = 0;     // screen served by the touch dispatcher (1 after start-up)
    int screen_id_old = 0; // screen to return to
    int old_screen_id = 0; // touch dispatcher's copy of screen_id
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

    // ----- message box -----
    int Dialog_Box_YESNO_Enable = 0;
    int confirm_flag = 0;
    int ok_clicked = 0;
    int diag_flag = 0;
    int masterslave_flag = 0;

    // ----- messages shown -----
    bool DDU_Loco_Fault_Present = false;
    bool DDU_Loco_Info_Present = false;
    int global_faultlabel = 1;

    // ----- language -----
    int DDU_Language_Select = 0; // 0 English, 1 Hindi
    int lang_toggle = 0;

    // ----- configuration (the bus side keeps cab, SR and VCU types) -----
    int Selected_DDU_Type = 1; // 1 "DDU", 2 "RMS With Pixy", 3 "RMS Without Pixy"
    int Selected_BUR_Type = 0;
    int Selected_MVB_Type = 0; // 0 EMD, 1 ESD
    int MVB_enum_EMD = 1;
    int ddu_major_version = 0;
    int ddu_minor_version = 989;
    QString ver_char = QStringLiteral("A -");

    // ----- maintenance lock -----
    bool DDU_Maintenance_Password_lock = true;
    bool maintenance_timer = true;
    int timer_increment = 0;

    // ----- screens -----
    int loco_subsys = 1;
    int sub_up = 1;
    int Serial_Step = 11;
    int diagnosis_screen_active = 0;
    int DDU_Maintenace_Selected_Processor = 0;

    // ----- table scrolling by touch -----
    int Table_updown_Freshness = 0, Total_Table_Row_Freshness = 0;
    int Table_updown_Telegram = 0, Total_Table_Row_Telegram = 0;
    int Table_updown_Variables = 0, Total_Table_Row_Variables = 0;
    int Table_updown_filtertelegram = 0; // rows: the viewer selection's port_buffer_count
    int Table_updown_DDS = 0, Total_Table_Row_DDS = 0;

    // ----- on-screen keyboard -----
    QString Keypad_Text;
    int Keypad_Stage = 0;         // 1..5 driver details rows, 7 signal search
    bool keypad_position = false; // true: keyboard at the top of the screen
};
