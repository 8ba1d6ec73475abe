#include "ui/resources.h"

#include "platform/platform.h"

// Style sheets and fonts: laid out by hand, one entry per line or block.
// clang-format off

const QString English_Font = QStringLiteral("DejaVu Sans");
const int English_Font_Size_20 = 20;
const QString Hindi_Font = QStringLiteral("Lohit-Devanagari");
const int Hindi_Font_Size_23 = 23;

// Top-bar buttons. The focused button carries a light grey frame; the button
// of the section shown keeps its orange text. 16 pt bold in the condensed face
// keeps the longest captions ("PROCESS INFO", "MAINTENANCE" with its lock)
// inside the buttons.
const QString Key_menu_Style = QStringLiteral(
    "font: bold 16pt \"DejaVu Sans Condensed\"; background-color: rgb(41, 36, 36); color: rgb(102, 102, 102);"
    "border: 2px groove rgb(102, 102, 102);");
const QString Key_menu_border_Style = QStringLiteral(
    "font: bold 16pt \"DejaVu Sans Condensed\"; background-color: rgb(41, 36, 36); color: rgb(190, 190, 190);"
    "border: 2px solid rgb(170, 170, 170);");
const QString key_menu_select_Style = QStringLiteral(
    "font: bold 16pt \"DejaVu Sans Condensed\"; background-color: rgb(41, 36, 36); color: rgb(230, 172, 0);"
    "border: none;");
const QString key_menu_border_select_Style = QStringLiteral(
    "font: bold 16pt \"DejaVu Sans Condensed\"; background-color: rgb(41, 36, 36); color: rgb(230, 172, 0);"
    "border: 2px solid rgb(170, 170, 170);");

// The message indicators on the maintenance button's place: plain, and with
// the keypad focus of that place.
const QString Fault_Button_Style = QStringLiteral(
    "background-color: rgb(0, 0, 0); color: rgb(115, 115, 115); font: bold 19pt Sans; border: 1px solid black;");
const QString Fault_Button_Focused_Style = QStringLiteral(
    "background-color: rgb(0, 0, 0); color: rgb(115, 115, 115); font: bold 19pt Sans;"
    "border: 2px solid rgb(170, 170, 170);");

// Buttons of the screens and side menus (17 pt bold: "ENERGY MONITORING" and
// "DIAGNOSIS RECORDS" fit the menu's 291 px buttons).
const QString Key_submenu_Style = QStringLiteral(
    "font: bold 17pt DejaVu Sans; background-color: rgb(41, 36, 36); color: rgb(150, 150, 150);"
    "border: 1px solid rgb(60, 56, 56); border-radius: 3px;");
const QString Key_submenu_border_Style = QStringLiteral(
    "font: bold 17pt DejaVu Sans; background-color: rgb(65, 60, 60); color: rgb(215, 215, 215);"
    "border: 2px solid rgb(170, 170, 170); border-radius: 3px;");
const QString Key_submenu_select_Style = QStringLiteral(
    "font: bold 17pt DejaVu Sans; background-color: rgb(40, 90, 102); color: rgb(215, 215, 215);"
    "border: 1px solid rgb(40, 90, 102); border-radius: 3px;");
const QString Key_submenu_select_border_Style = QStringLiteral(
    "font: bold 17pt DejaVu Sans; background-color: rgb(40, 90, 102); color: rgb(235, 235, 235);"
    "border: 2px solid rgb(170, 170, 170); border-radius: 3px;");
const QString Key_submenu30_Style = QStringLiteral(
    "font: bold 30pt DejaVu Sans; background-color: rgb(41, 36, 36); color: rgb(100, 100, 100);"
    "border: 1px solid rgb(60, 56, 56); border-radius: 3px;");
const QString Key_submenu30_border_Style = QStringLiteral(
    "font: bold 30pt DejaVu Sans; background-color: rgb(65, 60, 60); color: rgb(215, 215, 215);"
    "border: 2px solid rgb(170, 170, 170); border-radius: 3px;");
const QString Key_submenu30_select_Style = QStringLiteral(
    "font: bold 20pt DejaVu Sans; background-color: rgb(40, 90, 102); color: rgb(215, 215, 215);"
    "border: 1px solid rgb(40, 90, 102); border-radius: 3px;");
const QString Key_submenu30_select_border_Style = QStringLiteral(
    "font: bold 30pt DejaVu Sans; background-color: rgb(40, 90, 102); color: rgb(235, 235, 235);"
    "border: 2px solid rgb(170, 170, 170); border-radius: 3px;");

// Tabs of tables (details views).
const QString Key_menutab_Style = QStringLiteral(
    "font: bold 22pt DejaVu Sans; background-color: rgb(41, 36, 36); color: rgb(102, 102, 102);"
    "border: 1px solid rgb(60, 56, 56);");
const QString Key_menutab_border_Style = QStringLiteral(
    "font: bold 22pt DejaVu Sans; background-color: rgb(65, 60, 60); color: rgb(215, 215, 215);"
    "border: 2px solid rgb(170, 170, 170);");
const QString Key_menutab_select_Style = QStringLiteral(
    "font: bold 22pt DejaVu Sans; background-color: rgba(241, 241, 195, 150); color: rgb(0, 0, 0);"
    "border: 1px solid rgb(60, 56, 56);");
const QString Key_menutab_select_border_Style = QStringLiteral(
    "font: bold 22pt DejaVu Sans; background-color: rgba(241, 241, 195, 150); color: rgb(0, 0, 0);"
    "border: 2px solid rgb(170, 170, 170);");

// Password pad.
const QString Password_Button_Style = QStringLiteral(
    "font: 26pt DejaVu Serif; color: rgb(200, 200, 200);"
    "background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.8, fx:0.5, fy:0.4,"
    " stop:0 rgb(80, 76, 76), stop:1 rgb(30, 28, 28));"
    "border: 1px solid rgb(70, 66, 66); border-radius: 6px;");
const QString Password_Button_Style_Border = QStringLiteral(
    "font: 26pt DejaVu Serif; color: rgb(240, 240, 240);"
    "background-color: qradialgradient(cx:0.5, cy:0.5, radius:0.8, fx:0.5, fy:0.4,"
    " stop:0 rgb(100, 96, 96), stop:1 rgb(40, 38, 38));"
    "border: 3px solid rgb(230, 172, 0); border-radius: 6px;");
const QString Password_Text_Style = QStringLiteral(
    "font: 28pt DejaVu Sans; color: rgb(200, 200, 200); background-color: rgb(20, 20, 20);"
    "border: 1px solid rgb(70, 66, 66);");
const QString Password_Error_Style = QStringLiteral(
    "font: 22pt DejaVu Sans; color: rgb(200, 20, 6); background-color: rgb(20, 20, 20);"
    "border: 1px solid rgb(70, 66, 66);");
const QString Password_Line_Style = QStringLiteral("background-color: rgb(170, 79, 6); border: none;");
const QString Password_Box_Style = QStringLiteral(
    "QGroupBox { background-color: rgb(15, 15, 15); border: 2px solid rgb(90, 86, 86); border-radius: 8px; }");
const QString Password_Header_Style = QStringLiteral(
    "font: bold 24pt DejaVu Sans; color: rgb(170, 79, 6); background-color: transparent; border: none;");

// Processor choice radio buttons.
const QString Menu_Processor_Radio_Style = QStringLiteral(
    "QRadioButton { font: bold 18pt DejaVu Sans; color: rgb(150, 150, 150); background-color: transparent;"
    " border: 2px solid transparent; }"
    "QRadioButton::indicator { width: 20px; height: 20px; border-radius: 11px; border: 2px solid rgb(120, 120, 120);"
    " background-color: rgb(20, 20, 20); }"
    "QRadioButton::indicator:checked { background-color: rgb(170, 79, 6); }");
const QString Menu_Processor_Radio_Style_Border = QStringLiteral(
    "QRadioButton { font: bold 18pt DejaVu Sans; color: rgb(215, 215, 215); background-color: rgb(65, 60, 60);"
    " border: 2px solid rgb(170, 170, 170); }"
    "QRadioButton::indicator { width: 20px; height: 20px; border-radius: 11px; border: 2px solid rgb(170, 170, 170);"
    " background-color: rgb(20, 20, 20); }"
    "QRadioButton::indicator:checked { background-color: rgb(170, 79, 6); }");

const QString Soft_Update_Style2 = QStringLiteral(
    "font: bold 16pt DejaVu Sans; color: rgb(170, 79, 6); background-color: transparent; border: none;");
const QString Soft_Update_Style3 = QStringLiteral(
    "font: bold 16pt DejaVu Sans; color: rgb(200, 20, 6); background-color: transparent; border: none;");

const QString Screen_Group_Style = QStringLiteral(
    "QGroupBox { background-color: rgb(0, 0, 0); border: 1px solid rgb(35, 35, 35); margin: 0px; padding: 0px; }");
const QString Message_Box_Style = QStringLiteral(
    "QGroupBox { background-color: rgb(20, 20, 20); border: 2px solid rgb(170, 79, 6); border-radius: 8px; }");
const QString Blur_Style = QStringLiteral("QGroupBox { background-color: rgba(0, 0, 0, 170); border: none; }");
const QString Keyboard_Key_Style = QStringLiteral(
    "QPushButton { font: bold 20pt DejaVu Sans; color: rgb(200, 200, 200); background-color: rgb(41, 36, 36);"
    " border: 1px solid rgb(80, 76, 76); border-radius: 4px; }"
    "QPushButton:pressed { background-color: rgb(40, 90, 102); }");

#define DDU_IMAGE(name, folder, file) QString name;
#include "ui/image_paths.def"
#undef DDU_IMAGE

void init_image_paths()
{
#define DDU_IMAGE(name, folder, file) \
    name = platform::dataPath(QStringLiteral("img/") + QLatin1String(folder) + QLatin1Char('/') + QLatin1String(file));
#include "ui/image_paths.def"

#undef DDU_IMAGE
}
// clang-format on
