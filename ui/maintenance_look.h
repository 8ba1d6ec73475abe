#pragma once
// Looks shared by the maintenance screens.

#include <QColor>
#include <QFont>
#include <QString>

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
