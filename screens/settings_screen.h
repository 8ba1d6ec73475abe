#pragma once
// Two small settings: the language screen (screen 18) with the language
// icons of both home layouts, and the brightness panel that shows the
// keypad's backlight report for three seconds. Switching the language is the
// window's (it installs the translation and writes every text again); this
// screen asks for it. The widgets are screens/settings_view.
//
// The decisions taken here, with their reasons: docs/settings-and-language.md.

#include "ui/screen.h"

class SettingsView;
class QWidget;

class SettingsScreen : public ui::Screen {
    Q_OBJECT

public:
    SettingsScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    static void build(QWidget* root);
    void attach(QWidget* root);

    // The language screen inside the menu frame.
    void lang();
    // After a switch: the icons offer the other language, the menu frame's
    // header takes the language's look.
    void languageShown(int language);
    // The panel at brightness `step` (1..7), automatic or manual.
    void showBrightness(int step, bool automatic);
    void hideBrightness();

    SettingsView* settingsView = nullptr;

public slots:
    void on_lang_clicked();
    void on_eng_lang_clicked();
    void on_hin_lang_clicked();
    void on_lang_icon_clicked();
    void on_bddu_lang_icon_clicked();
};
