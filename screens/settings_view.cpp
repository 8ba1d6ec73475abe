#include "screens/settings_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "screens/settings_logic.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ddu_ui;

namespace {

} // namespace

SettingsView::SettingsView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("settingsView"));
}

void SettingsView::build(QWidget* root)
{
    if (QWidget* panel = root->findChild<QWidget*>(QStringLiteral("G_brightness"))) {
        panel->setStyleSheet(look::BrightnessPanel);
        label(panel, "brightness_image", {5, 4, 45, 45})->setScaledContents(true);
        auto* bar = named(new QProgressBar(panel), "bright_progressBar", QRect(48, 11, 200, 30));
        bar->setRange(0, 100);
        bar->setTextVisible(false);
        bar->setStyleSheet(look::BrightnessBar);
        label(panel, "brightness_value", {250, 10, 65, 30}, QString(), look::BrightnessValue)
            ->setAlignment(Qt::AlignCenter);
    }
    if (QWidget* lang = root->findChild<QWidget*>(QStringLiteral("Gmenu_lang"))) {
        // On the window: ENGLISH (305, 223)-(705, 323), HINDI (305, 353)-(705, 453).
        button(lang, "eng_lang", {132, 172, 396, 96}, QString(), Key_submenu30_Style);
        button(lang, "hin_lang", {132, 302, 396, 96}, QString(), Key_submenu30_Style);
    }
}

QStringList SettingsView::resolve(QWidget* root)
{
    QStringList missing;
#define SETTINGS_RESOLVE(type, n) ui::findWidget(root, n, #n, missing);
    SETTINGS_WIDGETS(SETTINGS_RESOLVE)
#undef SETTINGS_RESOLVE
    return missing;
}

void SettingsView::showBrightness(int step, bool automatic, int homeLayout)
{
    const int percent = settings::brightnessPercent(step);
    bright_progressBar->setValue(percent);
    ui::putText(brightness_value, QStringLiteral("%1%").arg(percent));
    // Where it covers no driving value: in the RMS layout the gap between the
    // node numbers and the converter symbols below the gauge; in the DDU
    // layout the loco type and cab line under the loco picture.
    if (homeLayout == 1)
        G_brightness->setGeometry(10, 712, 320, 50);
    else
        G_brightness->setGeometry(178, 472, 320, 50);
    G_brightness->show();
    G_brightness->raise();
    brightness_image->setGeometry(5, 4, 45, 45);
    ui::putImage(brightness_image, automatic ? Dir_rms_img_Autobrightness : Dir_rms_img_brightness);
    bright_progressBar->setGeometry(48, 11, 200, 30);
    brightness_value->setGeometry(250, 10, 65, 30);
}

QString SettingsView::headerStyle(int language)
{
    return language == 1 ? ui::titleStyle(36, true) : ui::titleStyle(30);
}

void SettingsView::openLanguage(int language)
{
    Gmenu_lang->setGeometry(175, 53, 674, 525);
    Gmenu_lang->show();
    Gmenu_lang->raise();
    ui::placeMenuHeader(menuscreen_header, QCoreApplication::translate("MainWindow", "SELECT LANGUAGE"),
                        language == 1 ? 36 : 30, language == 1);
    menuscreen_header->raise();
    eng_lang->setText(QCoreApplication::translate("MainWindow", "ENGLISH"));
    hin_lang->setText(QCoreApplication::translate("MainWindow", "HINDI"));
    eng_lang->show();
    hin_lang->show();
}

void SettingsView::showLanguageIcons(int language)
{
    const QString& icon = language == 1 ? Dir_rms_img_EngIcon : Dir_rms_img_HindiIcon;
    for (QAbstractButton* b : {lang_icon, bddu_lang_icon}) {
        b->setIcon(QIcon(ui::pixmap(icon)));
        b->setIconSize(QSize(58, 53));
    }
}
