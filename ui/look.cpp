#include "ui/look.h"

#include <QHash>

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
// clang-format on

namespace maint {

const QString kTitleStyle = QStringLiteral(
    "font: bold 22pt DejaVu Sans; color: rgb(9, 199, 237); background-color: transparent; border: none;");
const QString kDialogTitleStyle =
    QStringLiteral("font: bold 20pt DejaVu Sans; color: rgb(170, 79, 6); background-color: transparent; border: none;");
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

QFont tahoma(int pointSize)
{
    QFont f(QStringLiteral("Tahoma"), pointSize);
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    return f;
}

} // namespace maint
