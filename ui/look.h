#pragma once
// The one look of the display: colours, fonts and style sheets of every
// screen, in one place.
//  - ui::      the colour vocabulary of values and states, text and LCD styles;
//  - globals:  fonts, the keypad focus of buttons (top bar, sub-menus, tabs),
//              the password pad, the message box, overlays, the keyboard
//              (their names are the ones the rest of the system uses);
//  - maint::   tables, headers, captions and dialogs of the maintenance tools;
//  - cfglook:: the configuration screens, the menu frame header, driver details.
// Screens take their looks from here; a style string written in a screen's
// own file is a bug to move here.

#include <QColor>
#include <QFont>
#include <QRgb>
#include <QString>

namespace ui {

constexpr QRgb kGreen = qRgb(0, 120, 8);
constexpr QRgb kRed = qRgb(135, 5, 5);
constexpr QRgb kOrange = qRgb(170, 79, 6);
constexpr QRgb kYellow = qRgb(230, 172, 0);
constexpr QRgb kNoDataGrey = qRgb(0x59, 0x59, 0x59); // a value without data ("--")
constexpr QRgb kInactive = qRgb(0x32, 0x32, 0x32);   // a state caption that is off
constexpr QRgb kNoMvbText = qRgb(0x19, 0x19, 0x19);  // a state caption without data
constexpr QRgb kLampLegendOff = qRgb(12, 12, 12);

// Style sheet of a text label: font size, weight and colour; `condensed` takes
// the narrow cut of the face for long words in narrow tiles.
const QString& textStyle(int pointSize, QRgb colour, bool bold = true, bool condensed = false);
// Style sheet of an LCD readout in `colour`.
const QString& lcdStyle(QRgb colour);
// "rgb(r, g, b)"
QString rgbText(QRgb colour);

} // namespace ui

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

namespace maint {

// Screen titles ("MVB TELEGRAM", "MVB PROCESS VARIABLES" ...).
extern const QString kTitleStyle;
// Dialog headers ("FILTER PROCESSOR", "LOAD FILE" ...).
extern const QString kDialogTitleStyle;
// Horizontal table headers.
extern const QString kHeaderStyle;
// The scroll bars beside the tables, between their paging buttons.
extern const QString kScrollBarStyle;
// Captions and values of the telegram screen's port details.
extern const QString kCaptionStyle;
extern const QString kValueStyle;
extern const QString kValueUnknownStyle; // "--" in the no-data grey
// The dialogs of the variable monitor.
extern const QString kDialogStyle;
// Tick boxes of the tables and the filter panels.
QString tickBoxStyle();

// Table text: Tahoma, or where the unit lacks it a narrow face of about its width.
QFont tahoma(int pointSize);

const QColor kRowBackground(0, 0, 0);
const QColor kSelectedBackground(29, 65, 74, 135);
const QColor kCellText(0x66, 0x66, 0x66);

} // namespace maint

namespace cfglook {

inline const QString kTitleStyle = QStringLiteral(
    "font: bold 24pt DejaVu Sans; color: rgb(9, 199, 237); background-color: transparent; border: none;");
inline const QString kHeadingStyle =
    QStringLiteral("font: bold 17pt DejaVu Sans; color: rgb(170, 79, 6); background-color: transparent; border: none;");
inline const QString kActiveStyle =
    QStringLiteral("font: bold 17pt DejaVu Sans; color: rgb(0, 120, 8); background-color: transparent; border: none;");
inline const QString kImprintStyle =
    QStringLiteral("font: 13pt DejaVu Sans; color: rgb(110, 110, 110); background-color: transparent; border: none;");
// The display type and MVB board rows of the cab dialog: shown, not chosen
// (the unit always stores the same values for them).
inline const QString kFixedChoiceStyle = QStringLiteral(
    "QRadioButton { font: bold 14pt DejaVu Sans; color: rgb(150, 150, 150); background-color: transparent;"
    " border: 2px solid transparent; }"
    "QRadioButton:disabled { color: rgb(95, 95, 95); }"
    "QRadioButton::indicator { width: 18px; height: 18px; border-radius: 10px; border: 2px solid rgb(90, 90, 90);"
    " background-color: rgb(20, 20, 20); }"
    "QRadioButton::indicator:checked { background-color: rgb(110, 60, 20); }");
inline const QString kTableStyle = QStringLiteral(
    "QTableWidget { background-color: rgb(0, 0, 0); color: rgb(102, 102, 102); gridline-color: rgb(50, 50, 50);"
    " border: 1px solid rgb(50, 50, 50); }"
    "QHeaderView::section { background-color: #1d414a; color: rgb(170, 170, 170); font: bold 15pt DejaVu Sans;"
    " border: none; border-right: 1px solid rgb(0, 0, 0); }");
inline const QString kDriverTableStyle =
    QStringLiteral("background-color: rgb(0,0,0);alternate-background-color:  rgb(20, 20, 20);"
                   "gridline-color: rgb(30, 30, 30);");
// The header of the menu frame over these screens, centred left of the
// frame's back and home keys.
inline const QString kMenuHeaderStyle =
    QStringLiteral("font: bold 26pt \"DejaVu Serif\"; color: rgb(170, 79, 6); background: transparent;");
inline const QString kMenuHeaderStyleHindi =
    QStringLiteral("font: 26pt Lohit-Devanagari; color: rgb(170, 79, 6); background: transparent;");
inline const QString kFutureStyle = QStringLiteral("font: 75 22pt Serif;color: rgb(200, 20, 6);");
inline const QString kFutureStyleHindi = QStringLiteral("font: 26pt Lohit-Devanagari;color: rgb(200, 20, 6);");

} // namespace cfglook
