#pragma once
// Views of two small settings: the brightness panel that shows the keypad's
// backlight report for three seconds, and the language screen (screen 18)
// with the two language icons of the home layouts. screens/settings_screen
// drives them.

#include <QObject>
#include <QStringList>

class QAbstractButton;
class QLabel;
class QProgressBar;
class QWidget;

// clang-format off
#define SETTINGS_WIDGETS(X) X(QWidget, G_brightness) X(QLabel, brightness_image) \
    X(QProgressBar, bright_progressBar) X(QLabel, brightness_value) \
    X(QWidget, Gmenu_lang) X(QAbstractButton, eng_lang) X(QAbstractButton, hin_lang) \
    X(QLabel, menuscreen_header) X(QAbstractButton, lang_icon) X(QAbstractButton, bddu_lang_icon)
// clang-format on

class SettingsView : public QObject {
public:
    explicit SettingsView(QObject* parent);

    // Creates the brightness panel's and the language screen's widgets in
    // their groups.
    static void build(QWidget* root);
    QStringList resolve(QWidget* root);

    // The panel at brightness `step` (1..7), with the automatic icon or the
    // manual one, placed for the home layout (0 RMS, 1 DDU).
    void showBrightness(int step, bool automatic, int homeLayout);

    // The language screen inside the menu frame, header and buttons in the
    // language installed (0 English, 1 Hindi).
    void openLanguage(int language);
    // The menu frame header's look in a language.
    static QString headerStyle(int language);
    // Both language icons offer the other language.
    void showLanguageIcons(int language);

#define SETTINGS_DECLARE(type, n) type* n = nullptr;
    SETTINGS_WIDGETS(SETTINGS_DECLARE)
#undef SETTINGS_DECLARE
};
