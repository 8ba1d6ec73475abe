#pragma once
// Looks of the configuration family of screens (maintenance/config_*.cpp,
// driver_screens.cpp, update_screens.cpp).

#include <QString>

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
