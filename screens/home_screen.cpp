// The home screen: see home_screen.h.

#include "screens/home_screen.h"

#include <QAbstractButton>
#include <QDebug>
#include <QIcon>
#include <QLabel>

#include "screens/home_layout.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

using namespace home;
using namespace ui;

HomeScreen::HomeScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "home screen", parent)
    , homeView(new HomeView(this))
{
}

void HomeScreen::attach(QWidget* root)
{
    // A view whose widget is missing draws nothing there: say so loudly.
    for (const QString& name : homeView->resolve(root))
        qCritical().noquote() << "home screen: no widget" << name;
}

// ============================================================ captions

void HomeScreen::home_label_settext()
{
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if ((h.kind == Kind::Caption || h.kind == Kind::Unit) && h.text)
            putText(W<QLabel>(QLatin1String(h.name)), trScreen(h.text));
    }
    // The state captions keep their colour; their text follows the language.
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if (h.kind == Kind::Value && h.text)
            putText(W<QLabel>(QLatin1String(h.name)), trScreen(h.text));
    }
    struct TopBar {
        const char* button;
        const char* text;
    };
    static const TopBar bar[] = {{"menu", QT_TRANSLATE_NOOP("MainWindow", "MENU")},
                                 {"process", QT_TRANSLATE_NOOP("MainWindow", "PROCESS INFO")},
                                 {"diagnostic_process", QT_TRANSLATE_NOOP("MainWindow", "DIAGNOSIS")},
                                 {"maintenance", QT_TRANSLATE_NOOP("MainWindow", "MAINTENANCE")}};
    for (const TopBar& t : bar)
        if (auto* b = W<QAbstractButton>(QLatin1String(t.button)))
            b->setText(trScreen(t.text));
    lbl_style_rms();
}

void HomeScreen::ddu_label_textname()
{
    for (int i = 0; i < kDduWidgetCount; ++i) {
        const HomeWidget& h = kDduWidgets[i];
        if (h.text && h.kind != Kind::Lamp)
            putText(W<QLabel>(QLatin1String(h.name)), trScreen(h.text));
    }
    // Lamp legends carry their state in the text ("BPCS ON"): redraw them.
    putText(W<QLabel>(QStringLiteral("lddu_antispin_txt")), trScreen(QT_TRANSLATE_NOOP("MainWindow", "ANTISPIN")));
    putText(W<QLabel>(QStringLiteral("lddu_vigilance_txt")), trScreen(QT_TRANSLATE_NOOP("MainWindow", "VIGILANCE")));
    homeView->redrawLampLegends();
    lbl_style_ddu();
}

void HomeScreen::lbl_style_rms()
{
    const int language = host.hindi() ? 1 : 0;
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if (h.kind == Kind::Caption || h.kind == Kind::Unit)
            putStyle(W(QLatin1String(h.name)), captionStyle(h, language));
    }
}

void HomeScreen::lbl_style_ddu()
{
    const int language = host.hindi() ? 1 : 0;
    for (int i = 0; i < kDduWidgetCount; ++i) {
        const HomeWidget& h = kDduWidgets[i];
        if (h.kind == Kind::Caption || h.kind == Kind::Unit)
            putStyle(W(QLatin1String(h.name)), captionStyle(h, language));
    }
}

// ============================================================ per tick

void HomeScreen::home_subsys()
{
    homeView->updateRmsStrip(host.snapshot());
}

void HomeScreen::ddu_home_subsys(int loco)
{
    homeView->updateDduStrip(host.snapshot(), loco);
}

void HomeScreen::home_update(const HomeContext& c)
{
    homeView->update(host.snapshot(), c);
}

// ============================================================ the DDU layout

void HomeScreen::ddu_img_load()
{
    HomeView& v = *homeView;
    v.redrawDirectionAndPictogram();
    if (v.screen_toggle) {
        // The navigation and the message handling change this icon too: set it
        // every time rather than through the drawn-image record.
        v.screen_toggle->setEnabled(true);
        v.screen_toggle->setIcon(QIcon(pixmap(Dir_ddu_img_ToggleDDU)));
        v.screen_toggle->setIconSize(QSize(190, 35));
    }
    putImage(v.lddu_tebe_img, Dir_ddu_img_TEBEMeter);
    putImage(v.lddu_tebe_green_arrowimg, Dir_ddu_img_TEBEArrowGreen);
    putImage(v.lddu_tebe_orng_arrowimg, Dir_ddu_img_TEBEArrowOrage);
    putImage(v.lddu_vcat_img, Dir_ddu_img_VCATMeter);
    putImage(v.lddu_vcat_arrowimg, Dir_ddu_img_TEBEArrowOrage);
    putImage(v.lddu_ipri_img, Dir_ddu_img_IPRIMeter);
    putImage(v.lddu_ipri_arrowimg, Dir_ddu_img_VCATArrowGreen);
}

void HomeScreen::ddu_load(int loco, bool faultPresent, bool infoPresent)
{
    ddu_img_load();
    ddu_home_subsys(loco);
    HomeView& v = *homeView;
    auto indicator = [&](QAbstractButton* button, bool present) {
        if (!button)
            return;
        if (present) {
            host.disableLayoutToggle();
            if (v.screen_toggle)
                v.screen_toggle->lower();
            button->show();
            button->raise();
        } else {
            button->hide();
        }
    };
    indicator(v.fault_button, faultPresent);
    indicator(v.info_button, infoPresent);
}

void HomeScreen::showDduLayout()
{
    if (QWidget* ddu = homeView->Gmainwindow_ddu) {
        ddu->setGeometry(0, 52, 1024, 716);
        ddu->show();
        ddu->raise();
    }
}

void HomeScreen::hideDduLayout()
{
    if (homeView->Gmainwindow_ddu)
        homeView->Gmainwindow_ddu->hide();
    if (homeView->lang_icon)
        homeView->lang_icon->raise();
}
