#pragma once
// Texts of widgets that are written once (when a screen is built or opened)
// and must follow a change of language. setTranslatedText() writes the
// translation of an English text and keeps the English text and its
// translation context on the widget; retranslateMarked() writes every such
// text again from the translator now installed.
//
// Texts written on every refresh tick (values, state words) do not need it:
// the tick writes them again.

#include <QString>

class QWidget;

namespace ui {

// Every screen's texts live in one translation context, "MainWindow": the
// .ts files hold them there. Mark a literal where it is written with
// QT_TRANSLATE_NOOP("MainWindow", "...") so that lupdate finds it, and look
// it up with trScreen().
inline constexpr char kScreenContext[] = "MainWindow";
QString trScreen(const char* text);

// Sets the text of a label or button to the translation of `source` in
// `context` (the English text when none is installed) and marks the widget.
// Other widgets are left alone.
void setTranslatedText(QWidget* widget, const char* context, const char* source);

// Writes the text of every marked widget under `root` again; returns how many.
int retranslateMarked(QWidget* root);

} // namespace ui
