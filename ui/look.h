#pragma once
// The one look of the display: colours, fonts and style sheets of every
// screen, in one place.
//  - ui::      the colour vocabulary of values and states, text and LCD styles,
//              the one title style (titleStyle) and the tab styles;
//  - globals:  fonts, the keypad focus of buttons (top bar, sub-menus, tabs),
//              the password pad, the message box, overlays, the keyboard
//              (their names are the ones the rest of the system uses);
//  - look::    the parts of the driver's screens: lists, tables, the fault
//              pop-up, the diagnosis details, the I/O pages, the banners;
//  - maint::   tables, headers, captions and dialogs of the maintenance tools;
//  - cfglook:: the configuration screens and driver details.
// One title look (orange serif) and one selected-button look (teal) on every
// screen; the pale yellow of a pressed tab only on tabs, the cyan of the DDS
// title only there.
// Screens take their looks from here; a style string written in a screen's
// own file is a bug to move here.

#include <QColor>
#include <QFont>
#include <QRgb>
#include <QString>

class QLabel;

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
// A caption of the home layouts: bold grey, a unit normal and darker; in
// Hindi the Devanagari face a few points larger.
QString captionStyle(int pointSize, bool unit, bool hindi);
// A lamp legend of the DDU layout: text in `colour` on dark grey in a frame;
// without data the frame is dashed in the no-data grey (an unlit legend is
// nearly black, so a dark no-data colour could not be told from it).
const QString& legendStyle(int pointSize, QRgb colour, bool noData);

// Every screen and dialog title: bold orange serif on nothing, the size fitted
// to its place; in Hindi the Devanagari face (the serif has no Devanagari) at
// `pointSize` as well (callers give the Hindi size where it differs). The one
// title outside it is the DDS screen's "DIAGNOSIS", whose cyan look is fixed.
QString titleStyle(int pointSize, bool hindi = false);

// The header of the menu frame (menuscreen_header), shared by every menu
// screen: `text` centred in the room left of the frame's back and home keys
// (185 to 725), in the title look. Every screen places it here, so a header
// never keeps the place or alignment another screen gave it and never runs
// under the keys.
void placeMenuHeader(QLabel* header, const QString& text, int pointSize, bool hindi);

// The selected button of a choice (menu columns, the maintenance and
// configuration menus) is teal: Key_submenu_select_Style and its kin. A tab
// that switches what one table shows (diagnosis details, telegram view modes)
// is pale yellow when pressed: these two, and nothing else.
extern const QString Tab_Pressed_Style;
extern const QString Tab_Other_Style;

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
extern const QString Password_Info_Style;
extern const QString Password_Close_Style;
extern const QString Menu_Processor_Radio_Style;
extern const QString Menu_Processor_Radio_Style_Border;
extern const QString Soft_Update_Style2;
extern const QString Soft_Update_Style3;

// Looks of the window itself (not named elsewhere).
extern const QString Screen_Group_Style; // screen group boxes over the home layout
extern const QString Message_Box_Style;  // the message group
extern const QString Blur_Style;         // full-screen shade under pop-ups
extern const QString Keyboard_Key_Style; // on-screen keyboard keys

namespace look {

// The message box: header, text, and the small text of the calibration notice.
extern const QString MessageHeader;
extern const QString MessageText;
extern const QString MessageSmallText;

// The main menu's panel and the rule under its title; the subsystem entry of
// the menu in its own colour.
extern const QString MenuPanel;
extern const QString MenuRule;
extern const QString MenuSubsystemEntry;
extern const QString MenuSubsystemEntryHindi;

// The fault button of the top bar while a finger is on it.
extern const QString FaultButtonPressed;

// The on-screen keyboard: its panel and the line of typed text.
extern const QString KeyboardPanel;
extern const QString KeyboardText;

// The frame of a home tile.
extern const QString FrameTile;

// A screen group drawn opaque over the home layout.
extern const QString ScreenGroup;

// The DDU home layout's opaque group and its subsystem strip (the RMS strip
// has the subsystem grid's look).
extern const QString BlackGroup;
extern const QString SubsystemStripDdu;

// Brightness panel.
extern const QString BrightnessValue;
extern const QString BrightnessBar;
extern const QString BrightnessPanel;

// Date and time screen.
extern const QString DateTimeCaption;
extern const QString DateTimeReadout;
extern const QString DateTimeReadoutSelected; // the field the arrows change

// Status banner: white on the fault red for a lost link, black on the warning
// yellow for the demo: neither can be taken for a value of the screen..
extern const QString BannerNoData;
extern const QString BannerDemo;

// Diagnosis: the processor prompt (weight 75 of the old style-sheet scale is
// bold; Qt 6 reads a number on the CSS scale, so the styles say "bold"), the
// radio group.
extern const QString DiagnosisPrompt;
extern const QString DiagnosisPromptHindi;
extern const QString ClearGroup;

// Lists of messages and records (diagnosis list, DDS table): header, the wide
// scroll bar between the paging buttons, the rule between list and buttons.
extern const QString ListHeader;
extern const QString ListScrollBar;
extern const QString DividerLine;

// Diagnosis details: signal caption and value, the text box of symptoms,
// causes or advice.
extern const QString DetailCaption;
extern const QString DetailSignal;
extern const QString DetailTextBox;
extern const QString DetailText;

// Processor I/O pages.
extern const QString IoTable;
extern const QString IoCaption;
extern const QString PageNumber;
extern const QString SourceBox;
extern const QString SourceCaption;

// Menu columns beside a screen (process information, processor choice).
extern const QString MenuColumn;

// A widget that draws nothing of its own (lamps in cells).
extern const QString Bare;
// A pictogram or icon button with the keypad focus: a frame around it.
extern const QString IconFocused;
// The frame drawn over the table cell that has the keypad focus.
extern const QString CellFocusFrame;

// The DDS screen's title, cyan as the vehicle's DDS window has it (the one
// title outside titleStyle()).
extern const QString DdsTitle;

// Value tables of the subsystem screens, with a 1 px frame like the auxiliary
// converter's (without one, spanned cells showed stubs of their inner grid
// lines along the top edge); the finer grid of the auxiliary converter.
extern const QString ValueTable;
extern const QString ValueTableFine;

// Subsystem grid, the loco number above it and the message list.
extern const QString SubsystemGrid;
extern const QString LocoCaption;
extern const QString LocoNumber;
extern const QString MessageList;

// Fault pop-up and driver advice: black text on the fault orange; "NO DATA
// since" white on black, apart from the orange of a current message.
extern const QString PopupGroup;
extern const QString PopupButton;
extern const QString PopupButtonFocused;
extern const QString PopupHeader;
extern const QString PopupPage;
extern const QString PopupNoData;
extern const QString PopupPageNumber;

// Process information tables (the motor status table with its header).
extern const QString ProcessTable;
extern const QString MotorTable;

} // namespace look

namespace maint {

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
// Tick boxes of the tables and the filter panels (a function: the tick
// image's path is known only once the data root is).
QString tickBoxStyle();
// The labelled tick boxes of the filter panels, and one with the keypad focus.
QString filterBoxStyle();
QString filterBoxFocusedStyle();
// The processor table of the telegram filter, with its tick boxes.
QString filterTableStyle();
// The signal tables of the variable monitor: tick boxes, and the wide scroll
// bar under the paging buttons (its groove is the track between them).
QString variableTableStyle();
// The maintenance footer: loco, cab and clock, and the active cab's value.
extern const QString kFooterStyle;
extern const QString kFooterValueStyle;
// The count of selected signals, and "Loading..." while the list loads.
extern const QString kCountStyle;
extern const QString kLoadingStyle;

// Table text: Tahoma, or where the unit lacks it a narrow face of about its width.
QFont tahoma(int pointSize);

const QColor kRowBackground(0, 0, 0);
const QColor kSelectedBackground(29, 65, 74, 135);
const QColor kCellText(0x66, 0x66, 0x66);

} // namespace maint

namespace cfglook {

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
inline const QString kFutureStyle = QStringLiteral("font: 75 22pt Serif;color: rgb(200, 20, 6);");
inline const QString kFutureStyleHindi = QStringLiteral("font: 26pt Lohit-Devanagari;color: rgb(200, 20, 6);");

} // namespace cfglook
