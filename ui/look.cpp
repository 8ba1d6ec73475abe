#include "ui/look.h"

#include <QHash>
#include <QLabel>

#include "ui/resources.h"

namespace ui {

QString rgbText(QRgb c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

const QString& textStyle(int pointSize, QRgb colour, bool bold, bool condensed)
{
    static QHash<quint64, QString> cache;
    const quint64 key =
        (quint64(pointSize) << 34) | (quint64(condensed) << 33) | (quint64(bold) << 32) | (colour & 0xFFFFFFu);
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key,
                          QStringLiteral("font: %1 %2pt \"%3\"; color: %4; background: transparent;"
                                         " border: none;")
                              .arg(bold ? QStringLiteral("bold") : QStringLiteral("normal"))
                              .arg(pointSize)
                              .arg(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"))
                              .arg(rgbText(colour)));
    return it.value();
}

QString titleStyle(int pointSize, bool hindi)
{
    if (hindi)
        return QStringLiteral("font: %1pt Lohit-Devanagari; color: rgb(170, 79, 6); background: transparent;"
                              " border: none;")
            .arg(pointSize);
    return QStringLiteral("font: bold %1pt \"DejaVu Serif\"; color: rgb(170, 79, 6); background: transparent;"
                          " border: none;")
        .arg(pointSize);
}

void placeMenuHeader(QLabel* header, const QString& text, int pointSize, bool hindi)
{
    if (!header)
        return;
    header->setGeometry(185, 53, 540, 61);
    header->setAlignment(Qt::AlignCenter);
    const QString style = titleStyle(pointSize, hindi);
    if (header->styleSheet() != style)
        header->setStyleSheet(style);
    if (header->text() != text)
        header->setText(text);
}

const QString Tab_Pressed_Style =
    QStringLiteral("font: bold 22pt DejaVu Sans;background-color: rgba(241, 241, 195, 150);color: rgb(0,0,0);");
const QString Tab_Other_Style =
    QStringLiteral("font: bold 22pt DejaVu Sans;background-color: rgb(41, 36, 36);color: rgb(102,102,102);");

QString captionStyle(int pointSize, bool unit, bool hindi)
{
    return QStringLiteral("font: %1 %2pt \"%3\"; color: %4; background: transparent; border: none;")
        .arg(unit ? QStringLiteral("normal") : QStringLiteral("bold"))
        .arg(pointSize + (hindi ? 3 : 0))
        .arg(hindi ? Hindi_Font : English_Font)
        .arg(unit ? QStringLiteral("rgb(125, 125, 125)") : QStringLiteral("rgb(150, 150, 150)"));
}

const QString& legendStyle(int pointSize, QRgb colour, bool noData)
{
    static QHash<quint64, QString> cache;
    const quint64 key = (quint64(pointSize) << 33) | (quint64(noData) << 32) | (colour & 0xFFFFFFu);
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key,
                          QStringLiteral("font: bold %1pt \"DejaVu Sans\"; color: %2;"
                                         " background-color: rgb(28, 28, 28);"
                                         " border: 1px %3 rgb(%4); border-radius: 4px;")
                              .arg(pointSize)
                              .arg(rgbText(colour), noData ? QStringLiteral("dashed") : QStringLiteral("solid"),
                                   noData ? QStringLiteral("89, 89, 89") : QStringLiteral("45, 45, 45")));
    return it.value();
}

const QString& lcdStyle(QRgb colour)
{
    static QHash<QRgb, QString> cache;
    auto it = cache.constFind(colour);
    if (it == cache.constEnd())
        it = cache.insert(colour,
                          QStringLiteral("color: %1; background: transparent; border: none;").arg(rgbText(colour)));
    return it.value();
}

} // namespace ui

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
// 20 pt: "SOFTWARE UPDATE" in the serif fits left of the pad's close button.
const QString Password_Header_Style = ui::titleStyle(20);
const QString Password_Info_Style = QStringLiteral(
    "font: 12pt \"DejaVu Sans\"; color: rgb(160, 160, 160); background-color: transparent; border: none;");
const QString Password_Close_Style = QStringLiteral("font: bold 16pt \"DejaVu Sans\"; color: rgb(200, 200, 200);"
                                           " background-color: rgb(41, 36, 36); border: 1px solid rgb(90, 86, 86);"
                                           " border-radius: 4px;");

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
// clang-format on

namespace look {

// The message box.
const QString MessageHeader =
    QStringLiteral("font: bold 22pt DejaVu Sans; color: rgb(230, 172, 0); background: transparent; border: none;");
const QString MessageSmallText =
    QStringLiteral("font-size: 14px;background-color: rgba(0,0,0,0);border-color: rgba(0,0,0,0);");
const QString MenuPanel = QStringLiteral(
    "QGroupBox { background-color: rgb(8, 8, 8); border: 1px solid rgb(45, 45, 45); border-radius: 4px; }");
const QString MenuRule = QStringLiteral("background-color: rgb(70, 66, 66); border: none;");
const QString MenuSubsystemEntry = QStringLiteral("font: 20pt Ubuntu; color: rgb(208, 97, 7);");
const QString MenuSubsystemEntryHindi = QStringLiteral("font: 24pt Lohit-Devanagari; color: rgb(208, 97, 7);");
const QString FaultButtonPressed = QStringLiteral(
    "background-color: rgb(0, 0, 0);color: rgb(115, 115, 115);font: 75 19pt Sans;border:1px solid black;");
const QString KeyboardPanel = QStringLiteral(
    "QGroupBox { background-color: rgb(12, 12, 12); border: 2px solid rgb(70, 66, 66); border-radius: 6px; }");
const QString KeyboardText = QStringLiteral("font: 22pt DejaVu Sans; color: rgb(230, 230, 230);"
                                            " background-color: rgb(0, 0, 0); border: 1px solid rgb(70, 66, 66);");
const QString FrameTile = QStringLiteral("background: transparent; border: 1px solid rgb(35, 35, 35);");
const QString ScreenGroup =
    QStringLiteral("QGroupBox { background-color: rgb(0, 0, 0); border: 1px solid rgb(35, 35, 35); }");
const QString PopupPageNumber = QStringLiteral("font: bold 36pt \"DejaVu Sans\"; color: rgb(0, 0, 0);");
const QString BlackGroup = QStringLiteral("QGroupBox { background-color: rgb(0, 0, 0); border: none; }");
const QString SubsystemStripDdu =
    QStringLiteral("QTableWidget { background-color: rgb(0, 0, 0); gridline-color: rgb(60, 60, 60); border: none; }");
const QString MessageText =
    QStringLiteral("font: 18pt DejaVu Sans; color: rgb(210, 210, 210); background: transparent; border: none;");

// Brightness panel.
const QString BrightnessValue = QStringLiteral(
    "font: bold 16pt \"DejaVu Sans\"; color: rgb(215, 215, 215); background: transparent; border: none;");
const QString BrightnessBar =
    QStringLiteral("QProgressBar { background-color: rgb(30, 30, 30); border: 1px solid rgb(90, 86, 86);"
                   " border-radius: 4px; }"
                   " QProgressBar::chunk { background-color: %1; border-radius: 3px; }")
        .arg(ui::rgbText(ui::kYellow));
const QString BrightnessPanel = QStringLiteral(
    "QGroupBox { background-color: rgb(15, 15, 15); border: 2px solid rgb(90, 86, 86); border-radius: 6px; }");

// Date and time screen.
const QString DateTimeReadout =
    QStringLiteral("font: 40pt Ubuntu;color: #666666;border-color: rgba(0,0,0,0);background-color:rgba(0,0,0,0);");
const QString DateTimeReadoutSelected =
    QStringLiteral("font: 40pt Ubuntu;color: #ff0000;border-color: rgba(0,0,0,0);background-color:rgba(0,0,0,0);");
const QString DateTimeCaption = QStringLiteral(
    "font: bold 15pt \"DejaVu Sans\"; color: rgb(150, 150, 150); background: transparent; border: none;");

// Status banner.
const QString BannerNoData = QStringLiteral("QLabel { font: bold 18pt \"DejaVu Sans\"; color: rgb(255, 255, 255);"
                                            " background-color: rgb(135, 5, 5); border: 2px solid rgb(235, 235, 235);"
                                            " border-radius: 6px; }");
const QString BannerDemo = QStringLiteral("QLabel { font: bold 18pt \"DejaVu Sans\"; color: rgb(0, 0, 0);"
                                          " background-color: rgb(230, 172, 0); border: 2px solid rgb(0, 0, 0);"
                                          " border-radius: 6px; }");

// Diagnosis.
const QString DiagnosisPrompt = QStringLiteral("font: bold 19pt Serif;color: rgb(170, 79, 6);");
const QString DiagnosisPromptHindi = QStringLiteral("font: 22pt Lohit-Devanagari;color: rgb(170, 79, 6);");
const QString ClearGroup = QStringLiteral("QGroupBox { background: transparent; border: none; }");

// Lists of messages and records.
const QString ListHeader =
    QStringLiteral("QHeaderView::section { background-color: #1d414a; color: #757575; font: 23px Tahoma;"
                   " border: none; border-right: 1px solid rgb(0, 0, 0); }");
const QString ListScrollBar = QStringLiteral(
    "QScrollBar:vertical { width: 90px; background-color: rgb(20, 20, 20); margin: 0px; border: none; }"
    "QScrollBar::handle:vertical { background-color: rgb(70, 66, 66); min-height: 30px; border-radius: 3px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
const QString DividerLine = QStringLiteral("background-color: rgb(50, 50, 50); border: none;");

// Diagnosis details.
const QString DetailCaption =
    QStringLiteral("font: 21pt Tahoma; color: #757575; background-color: #1d414a; border: none;");
const QString DetailSignal = QStringLiteral("font: 18pt DejaVu Sans; color: rgb(230, 172, 0);"
                                            " background-color: rgb(12, 12, 12); border: 1px solid rgb(50, 50, 50);"
                                            " padding-left: 10px;");
const QString DetailTextBox =
    QStringLiteral("QGroupBox { background-color: rgb(12, 12, 12); border: 1px solid rgb(50, 50, 50); }");
const QString DetailText =
    QStringLiteral("font: 18pt DejaVu Sans; color: rgb(210, 210, 210); background-color: transparent; border: none;"
                   " padding: 4px 6px;");

// Processor I/O pages.
const QString IoTable =
    QStringLiteral("QTableWidget { background-color: rgb(0, 0, 0); alternate-background-color: rgb(20, 20, 20);"
                   " gridline-color: rgb(50, 50, 50); border: 1px solid rgb(50, 50, 50); }");
const QString IoCaption =
    QStringLiteral("font: bold 16pt \"DejaVu Sans\"; color: rgb(9, 199, 237); background: transparent; border: none;");
const QString PageNumber = QStringLiteral(
    "font: bold 18pt \"DejaVu Sans\"; color: rgb(200, 200, 200); background: transparent; border: none;");
const QString SourceBox =
    QStringLiteral("QGroupBox { background-color: rgb(12, 12, 12); border: 1px solid rgb(50, 50, 50); }"
                   " QLabel { background: transparent; border: none; }");
const QString SourceCaption = QStringLiteral("font: bold 10pt \"DejaVu Sans\"; color: rgb(150, 150, 150);");

// Menu columns beside a screen.
const QString MenuColumn =
    QStringLiteral("QGroupBox { background-color: rgb(8, 8, 8); border: 1px solid rgb(35, 35, 35); }");

// A widget that draws nothing of its own.
const QString Bare = QStringLiteral("background: transparent; border: none;");
const QString IconFocused =
    QStringLiteral("background: transparent; border: 2px solid rgb(170, 170, 170); border-radius: 3px;");
const QString CellFocusFrame =
    QStringLiteral("background: transparent; border: 3px solid rgb(215, 215, 215); border-radius: 2px;");

// The DDS screen's title, cyan as the vehicle's DDS window has it.
const QString DdsTitle =
    QStringLiteral("border: 0,0,0; background-color: rgba(0,0,0,0);font: 30pt Ubuntu;color: rgb(9, 199, 237);");

// Value tables of the subsystem screens, with a 1 px frame like the auxiliary.
const QString ValueTable =
    QStringLiteral("QTableWidget { background-color: rgb(0,0,0);alternate-background-color:  rgb(20, 20, 20);"
                   "gridline-color: rgb(50, 50, 50); border: 1px solid rgb(50, 50, 50); }");
const QString ValueTableFine =
    QStringLiteral("QTableWidget { background-color: rgb(0,0,0);alternate-background-color:  rgb(20, 20, 20);"
                   "gridline-color: rgb(40, 40, 40); border: 1px solid rgb(50, 50, 50); }");

// Subsystem grid, the loco number above it and the message list.
const QString SubsystemGrid =
    QStringLiteral("QTableWidget { background-color: rgb(0, 0, 0); gridline-color: rgb(86, 86, 86); border: none; }");
const QString LocoCaption =
    QStringLiteral("font: bold 22pt \"DejaVu Sans\"; color: rgb(170, 79, 6); background: transparent; border: none;");
const QString LocoNumber = QStringLiteral(
    "font: bold 22pt \"DejaVu Sans\"; color: rgb(215, 215, 215); background: transparent; border: none;");
const QString MessageList =
    QStringLiteral("QTableWidget { background-color: rgb(0, 0, 0); gridline-color: rgb(50, 50, 50); border: 1px solid "
                   "rgb(50, 50, 50); }"
                   "QHeaderView::section { background-color: #1d414a; color: #9a9a9a; font: 23px Tahoma; border: none;"
                   " border-right: 1px solid rgb(0, 0, 0); }"
                   "QScrollBar:vertical { width: 90px; background-color: rgb(20, 20, 20); margin: 0px; border: none; }"
                   "QScrollBar::handle:vertical { background-color: #30b2d1; min-height: 30px; border-radius: 3px; }"
                   "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }"
                   "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");

// Fault pop-up and driver advice.
const QString PopupGroup =
    QStringLiteral("QGroupBox { background-color: rgb(204, 112, 0); border: 2px solid rgb(204, 112, 0); }"
                   " QLabel { color: rgb(0, 0, 0); background: transparent; border: none; }");
const QString PopupButton = QStringLiteral("QPushButton { background-color: rgb(0, 0, 0); color: rgb(230, 230, 230);"
                                           " border: 2px solid rgb(0, 0, 0); border-radius: 4px;"
                                           " font: bold 13pt \"DejaVu Sans\"; }");
const QString PopupButtonFocused =
    QStringLiteral("QPushButton { background-color: rgb(0, 0, 0); color: rgb(230, 230, 230);"
                   " border: 4px solid rgb(235, 235, 235); border-radius: 4px; font: bold 13pt \"DejaVu Sans\"; }");
const QString PopupHeader = QStringLiteral("font: bold 19pt \"DejaVu Sans\"; color: rgb(0, 0, 0);");
const QString PopupPage = QStringLiteral("font: 17pt \"DejaVu Sans\"; color: rgb(0, 0, 0);");
const QString PopupNoData = QStringLiteral("QLabel { font: bold 19pt \"DejaVu Sans\"; color: rgb(255, 255, 255);"
                                           " background-color: rgb(0, 0, 0); border-radius: 4px; }");

// Process information tables.
const QString ProcessTable =
    QStringLiteral("QTableWidget { border: 2px solid rgb(50,50,50);gridline-color: rgb(50, 50, "
                   "50); background-color: rgb(0, 0, 0); }");
const QString MotorTable =
    QStringLiteral("QTableWidget { border: 2px solid rgb(50,50,50);gridline-color: rgb(50, 50, 50);"
                   " background-color: rgb(0, 0, 0); }"
                   "QHeaderView::section { background-color: #315a66; color: rgb(200, 200, 200); font: 25px Tahoma;"
                   " height: 47px; border: none; border-right: 1px solid rgb(0, 0, 0); }");

} // namespace look

namespace maint {

const QString kHeaderStyle =
    QStringLiteral("QHeaderView { background-color: #1d414a; border: none; }"
                   "QHeaderView::section { background-color: #1d414a; color: #9a9a9a; font: 23px Tahoma;"
                   " border: none; border-right: 1px solid rgb(0, 0, 0); }");
const QString kScrollBarStyle = QStringLiteral(
    "QScrollBar:vertical { background-color: rgb(20, 20, 20); margin: 0px; border: 1px solid rgb(40, 40, 40); }"
    "QScrollBar::handle:vertical { background-color: rgb(70, 66, 66); min-height: 30px; border-radius: 3px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
const QString kCaptionStyle =
    QStringLiteral("font: 14pt DejaVu Sans; color: #8a8a8a; background-color: transparent; border: none;");
const QString kValueStyle = QStringLiteral("font: bold 17pt DejaVu Sans; color: rgb(230, 172, 0);"
                                           " background-color: rgb(12, 12, 12); border: 1px solid rgb(50, 50, 50);"
                                           " padding-left: 8px;");
const QString kValueUnknownStyle =
    QStringLiteral("font: bold 17pt DejaVu Sans; color: #595959;"
                   " background-color: rgb(12, 12, 12); border: 1px solid rgb(50, 50, 50);"
                   " padding-left: 8px;");
const QString kDialogStyle = QStringLiteral(
    "QGroupBox { background-color: rgb(15, 15, 15); border: 2px solid rgb(170, 79, 6); border-radius: 8px; }");

QString tickBoxStyle()
{
    // Check marks 27 x 27 drawn with the tick image.
    return QStringLiteral("::indicator { width: 27px; height: 27px; border: 1px solid rgb(120, 120, 120);"
                          " background-color: rgb(20, 20, 20); }"
                          "::indicator:checked { image: url(%1); }")
        .arg(Dir_rms_img_Tick);
}

QString filterBoxStyle()
{
    return QStringLiteral("QCheckBox { font: bold 17pt DejaVu Sans; color: rgb(180, 180, 180);"
                          " background-color: transparent; spacing: 10px; }"
                          "QCheckBox") +
        tickBoxStyle();
}

QString filterBoxFocusedStyle()
{
    return QStringLiteral("QCheckBox { font: bold 17pt DejaVu Sans; color: rgb(215, 215, 215);"
                          " background-color: rgb(65, 60, 60); border: 2px solid rgb(170, 170, 170);"
                          " spacing: 10px; }"
                          "QCheckBox") +
        tickBoxStyle();
}

QString filterTableStyle()
{
    return QStringLiteral("QTableWidget { background-color: rgb(0, 0, 0); color: #666666;"
                          " gridline-color: rgb(40, 40, 40); border: 1px solid rgb(50, 50, 50); }"
                          "QTableWidget") +
        tickBoxStyle();
}

QString variableTableStyle()
{
    return filterTableStyle() +
        QStringLiteral("QScrollBar:vertical { width: 85px; background-color: rgb(20, 20, 20);"
                       " margin: 160px 0px 150px 0px; border: none; }"
                       "QScrollBar::handle:vertical { background-color: rgb(70, 66, 66); min-height: 30px;"
                       " border-radius: 3px; }"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; border: none; }"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
}

const QString kFooterStyle = QStringLiteral("font: bold 15pt DejaVu Sans; color: rgb(150, 150, 150);"
                                            " background: transparent; border: none;");
const QString kFooterValueStyle = QStringLiteral("font: bold 15pt DejaVu Sans; color: rgb(230, 172, 0);"
                                                 " background: transparent; border: none;");

const QString kCountStyle = QStringLiteral("font: bold 20pt DejaVu Sans; color: rgb(230, 172, 0);"
                                           " background-color: transparent; border: none;");
const QString kLoadingStyle = QStringLiteral("font: 35pt Ubuntu;color: rgb(0, 120, 8);");

QFont tahoma(int pointSize)
{
    QFont f(QStringLiteral("Tahoma"), pointSize);
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    return f;
}

} // namespace maint
