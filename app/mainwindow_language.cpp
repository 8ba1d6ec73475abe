// The switch between English and Hindi (the language screen and the icons
// that ask for it are screens/settings_screen).
//
// The texts of the program are English; they are the keys of the translation
// files lang/zav_english.qm and lang/zav_hindi.qm under the data root (built
// from data/lang/*.ts). A switch installs the language's translator, goes to
// the home screen, writes every text that was written once again in the new
// language (retranslateUi), makes the home screen draw every indicator again,
// and shows a message that is present again in the new language.
//
// The decisions taken here, with their reasons: docs/settings-and-language.md.

#include "app/mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QTranslator>

#include "app/status_banner.h"
#include "maintenance/config_screen.h"
#include "screens/fault_screen.h"
#include "screens/home_screen.h"
#include "screens/io_slot_screen.h"
#include "screens/settings_logic.h"
#include "screens/settings_screen.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"
#include "widgets/qgauge.h"

namespace {

// Texts written once when their widgets are built (the screens write the
// others each time they are opened).
struct StaticText {
    const char* widget;
    const char* context;
    const char* text;
};
// clang-format off
const StaticText kStaticTexts[] = {
    {"home",             "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "HOME")},
    {"menu_label",       "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "MENU")},
    {"restart_button",   "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "Restart")},
    {"exit_app",         "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "Exit Application")},
    {"driveradvice",     "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "DRIVER\nADVICE")},
    {"enterfault_btn",   "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "ACKNOWLEDGE")},
    {"driveradv_back",   "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "BACK")},
    {"b_dbtousb",        "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "TO USB")},
    {"b_details",        "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "DETAILS")},
    {"b_menudiag_ok",    "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "OK")},
};
// clang-format on

} // namespace

bool MainWindow::switchLanguage(int language)
{
    QString error;
    std::unique_ptr<QTranslator> loaded = settings::loadTranslator(settings::languageFile(language), &error);
    if (!loaded && language != 0) {
        qDebug().noquote() << "language: cannot load" << error << "- the display keeps its language";
        return false;
    }
    if (!loaded)
        qDebug().noquote() << "language: cannot load" << error << "- the program's English texts are shown";

    DDU_Language_Select = language;
    lang_toggle = language;
    grpbox_setvisible();
    on_home_clicked();
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (loaded) {
        translator = loaded.release();
        translator->setParent(this);
        QCoreApplication::installTranslator(translator);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    retranslateUi();
    Language_Parameter_Reset();
    img_load();
    settingsScreen->languageShown(language);
    homeScreen->lbl_style_rms();
    homeScreen->lbl_style_ddu();
    if (faultScreen->DDU_Loco_Fault_Present)
        faultScreen->fault_update();
    statusBanner->retranslate();
    configScreen->VCU_labelchange(); // the captions just written name FLG1/FLG2 again
    return true;
}

// Every text written once, in the language now installed.
void MainWindow::retranslateUi()
{
    homeScreen->home_label_settext();
    homeScreen->ddu_label_textname();
    for (const StaticText& t : kStaticTexts)
        ui::setTranslatedText(W(QLatin1String(t.widget)), t.context, t.text);
    ui::retranslateMarked(this);
    for (QGauge* gauge : findChildren<QGauge*>())
        gauge->setLabel(QCoreApplication::translate("QGauge", "SPEED"));
}

// The home screen draws every indicator again on the next tick: the texts
// some of them carry are in the new language. So does the I/O slot page.
void MainWindow::Language_Parameter_Reset()
{
    homeScreen->homeView->redrawAll();
    // The I/O slot page lays out its captions again when next shown.
    if (IoSlotView* v = ioSlots->ioSlotView) {
        v->DDU_Maintenace_Selected_Processor_old = 0;
        v->DDU_Maintenace_Processor_Slot_old = 0;
    }
}
