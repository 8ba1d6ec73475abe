#pragma once
// Look of the display: fonts, style sheets of the keypad focus and the password
// pad, and the paths of every image. The style sheets are constants; the image
// paths are built from the data root by init_image_paths() at start.

#include <QString>

// ----- fonts -----
extern const QString English_Font; // "DejaVu Sans"
extern const int English_Font_Size_20;
extern const QString Hindi_Font; // "Lohit-Devanagari"
extern const int Hindi_Font_Size_23;

// ----- style sheets -----
extern const QString Key_menu_Style;
extern const QString Key_menu_border_Style;
extern const QString key_menu_select_Style;
extern const QString key_menu_border_select_Style;
extern const QString Fault_Button_Style;
extern const QString Fault_Button_Focused_Style;
extern const QString Key_submenu_Style;
extern const QString Key_submenu_border_Style;
extern const QString Key_submenu_select_Style;
extern const QString Key_submenu_select_border_Style;
extern const QString Key_submenu30_Style;
extern const QString Key_submenu30_border_Style;
extern const QString Key_submenu30_select_Style;
extern const QString Key_submenu30_select_border_Style;
extern const QString Key_menutab_Style;
extern const QString Key_menutab_border_Style;
extern const QString Key_menutab_select_Style;
extern const QString Key_menutab_select_border_Style;
extern const QString Password_Button_Style;
extern const QString Password_Button_Style_Border;
extern const QString Password_Text_Style;
extern const QString Password_Error_Style;
extern const QString Password_Line_Style;
extern const QString Password_Box_Style;
extern const QString Password_Header_Style;
extern const QString Menu_Processor_Radio_Style;
extern const QString Menu_Processor_Radio_Style_Border;
extern const QString Soft_Update_Style2;
extern const QString Soft_Update_Style3;

// Looks of the window itself (not named elsewhere).
extern const QString Screen_Group_Style; // screen group boxes over the home layout
extern const QString Message_Box_Style;  // the message group
extern const QString Blur_Style;         // full-screen shade under pop-ups
extern const QString Keyboard_Key_Style; // on-screen keyboard keys

// ----- image paths -----
#define DDU_IMAGE(name, folder, file) extern QString name;
#include "ui/image_paths.def"
#undef DDU_IMAGE

// Builds every image path from the data root (img/rms/ and img/ddu/).
void init_image_paths();
