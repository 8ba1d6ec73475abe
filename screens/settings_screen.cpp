// The language screen and the brightness panel: see settings_screen.h.

#include "screens/settings_screen.h"

#include <QDebug>
#include <QLabel>
#include <QWidget>

#include "screens/settings_view.h"
#include "ui/widget_writer.h"

SettingsScreen::SettingsScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "settings screens", parent)
    , settingsView(new SettingsView(this))
{
}

void SettingsScreen::build(QWidget* root)
{
    SettingsView::build(root);
}

void SettingsScreen::attach(QWidget* root)
{
    for (const QString& name : settingsView->resolve(root))
        qCritical().noquote() << "settings screens: no widget" << name;
}

void SettingsScreen::on_lang_clicked()
{
    host.serveScreen(screen::Language);
    lang();
}

void SettingsScreen::lang()
{
    host.hideScreens();
    host.showMenuFrame();
    settingsView->openLanguage(host.hindi() ? 1 : 0);
    host.drawKeyFocus();
}

void SettingsScreen::on_eng_lang_clicked()
{
    host.switchLanguage(0);
}

void SettingsScreen::on_hin_lang_clicked()
{
    host.switchLanguage(1);
}

// Each icon offers the language not shown.
void SettingsScreen::on_lang_icon_clicked()
{
    host.switchLanguage(host.hindi() ? 0 : 1);
}

void SettingsScreen::on_bddu_lang_icon_clicked()
{
    on_lang_icon_clicked();
}

void SettingsScreen::languageShown(int language)
{
    settingsView->showLanguageIcons(language);
    ui::putStyle(settingsView->menuscreen_header, SettingsView::headerStyle(language));
}

void SettingsScreen::showBrightness(int step, bool automatic)
{
    settingsView->showBrightness(step, automatic, host.homeLayout());
}

void SettingsScreen::hideBrightness()
{
    if (settingsView->G_brightness)
        settingsView->G_brightness->hide();
}
