// Home screen: captions of both layouts, the layout toggle and the entry into
// the subsystem overview. The per-tick indicators and the subsystem strips
// are drawn by the home view (app/home_view.*); the slots here forward to it.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QTableWidget>

#include "app/home_layout.h"
#include "app/home_view.h"
#include "maintenance/config_screen.h"
#include "screens/fault_screen.h"
#include "screens/subsystem_screen.h"
#include "ui/resources.h"
#include "ui/widget_writer.h"

using namespace home;
using namespace ui;

// ============================================================ captions

void MainWindow::home_label_settext()
{
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if ((h.kind == Kind::Caption || h.kind == Kind::Unit) && h.text)
            putText(W<QLabel>(QLatin1String(h.name)), tr(h.text));
    }
    // The state captions keep their colour; their text follows the language.
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if (h.kind == Kind::Value && h.text)
            putText(W<QLabel>(QLatin1String(h.name)), tr(h.text));
    }
    struct TopBar {
        const char* button;
        const char* text;
    };
    static const TopBar bar[] = {{"menu", QT_TR_NOOP("MENU")},
                                 {"process", QT_TR_NOOP("PROCESS INFO")},
                                 {"diagnostic_process", QT_TR_NOOP("DIAGNOSIS")},
                                 {"maintenance", QT_TR_NOOP("MAINTENANCE")}};
    for (const TopBar& t : bar)
        if (auto* b = W<QAbstractButton>(QLatin1String(t.button)))
            b->setText(tr(t.text));
    lbl_style_rms();
}

void MainWindow::ddu_label_textname()
{
    for (int i = 0; i < kDduWidgetCount; ++i) {
        const HomeWidget& h = kDduWidgets[i];
        if (h.text && h.kind != Kind::Lamp)
            putText(W<QLabel>(QLatin1String(h.name)), tr(h.text));
    }
    // Lamp legends carry their state in the text ("BPCS ON"): redraw them.
    putText(W<QLabel>(QStringLiteral("lddu_antispin_txt")), tr("ANTISPIN"));
    putText(W<QLabel>(QStringLiteral("lddu_vigilance_txt")), tr("VIGILANCE"));
    homeView->redrawLampLegends();
    lbl_style_ddu();
}

void MainWindow::lbl_style_rms()
{
    for (int i = 0; i < kRmsWidgetCount; ++i) {
        const HomeWidget& h = kRmsWidgets[i];
        if (h.kind == Kind::Caption || h.kind == Kind::Unit)
            putStyle(W(QLatin1String(h.name)), captionStyle(h, DDU_Language_Select));
    }
}

void MainWindow::lbl_style_ddu()
{
    for (int i = 0; i < kDduWidgetCount; ++i) {
        const HomeWidget& h = kDduWidgets[i];
        if (h.kind == Kind::Caption || h.kind == Kind::Unit)
            putStyle(W(QLatin1String(h.name)), captionStyle(h, DDU_Language_Select));
    }
}

// ============================================================ subsystem strips

void MainWindow::home_subsys()
{
    homeView->updateRmsStrip(snap);
}

void MainWindow::ddu_home_subsys()
{
    homeView->updateDduStrip(snap, loco_subsys);
}

// ============================================================ per-tick indicators

void MainWindow::home_update()
{
    HomeContext c;
    c.inHome = we_are_in_home == 1;
    c.keyFocus = key_press_count;
    c.displayType = configScreen->Selected_DDU_Type;
    c.layout = screen_toggle;
    homeView->update(snap, c);
}

// ============================================================ layouts

void MainWindow::ddu_img_load()
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

void MainWindow::ddu_load()
{
    ddu_img_load();
    ddu_home_subsys();
    HomeView& v = *homeView;
    auto indicator = [&](QAbstractButton* button, bool present) {
        if (!button)
            return;
        if (present) {
            toggle_disable();
            if (v.screen_toggle)
                v.screen_toggle->lower();
            button->show();
            button->raise();
        } else {
            button->hide();
        }
    };
    indicator(v.fault_button, faultScreen->DDU_Loco_Fault_Present);
    indicator(v.info_button, DDU_Loco_Info_Present);
}

void MainWindow::on_screen_toggle_clicked()
{
    HomeView& v = *homeView;
    if (screen_toggle == 0) {
        ddu_load();
        if (QWidget* ddu = v.Gmainwindow_ddu) {
            ddu->setGeometry(0, 52, 1024, 716);
            ddu->show();
            ddu->raise();
        }
        Main_Menu_Button_Color_Reset();
        key_press_count = 0;
        we_are_in_home = 1;
        if (QWidget* home = W(QStringLiteral("home")))
            home->setStyleSheet(key_menu_border_select_Style);
        screen_toggle = 1;
    } else {
        if (v.Gmainwindow_ddu)
            v.Gmainwindow_ddu->hide();
        home_key_default();
        screen_toggle = 0;
        if (v.lang_icon)
            v.lang_icon->raise();
    }
}

// ============================================================ subsystem overview

void MainWindow::on_homesub_table_cellClicked(int, int)
{
    grpbox_setvisible();
    // The grid keeps the number of the screen it was opened from, so that
    // the strip and the cells stay live there; opened over a message box
    // that covered a maintenance screen, that number would not serve the
    // grid: it is served as the home's grid then.
    if (screen_id > screen::Dds)
        screen_id = screen::HomeSubsystems;
    if (QWidget* browse = W(QStringLiteral("t_browseloco")))
        browse->hide();
    if (QWidget* group = W(QStringLiteral("Gsub_system"))) {
        group->setGeometry(2, 52, 1020, 527);
        group->show();
        group->raise();
    }
    if (auto* t = W<QTableWidget>(QStringLiteral("t_subsystem"))) {
        t->setGeometry(90, 60, 830, 448);
        if (t->rowCount() != 4 || t->columnCount() != 5) {
            t->setRowCount(4);
            t->setColumnCount(5);
        }
        for (int c = 0; c < 5; ++c)
            t->setColumnWidth(c, c == 4 ? 162 : 166);
        for (int r = 0; r < 4; ++r)
            t->setRowHeight(r, r == 3 ? 108 : 112);
        t->show();
    }
    if (auto* l = W<QLabel>(QStringLiteral("subsys_locono"))) {
        l->setText(loco_subsys == 2 ? tr("LOCO 2") : tr("LOCO 1"));
        l->show();
    }
    if (QWidget* l = W(QStringLiteral("sub_locono")))
        l->show();
    // The subsystem screens fill the grid (and keep it fresh on every tick).
    we_are_in_home = 0;
    subsystems->main_subsys(loco_subsys);
}

void MainWindow::on_loco_diag_clicked()
{
    loco_subsys = 1;
    screen_id = screen_id_old = screen::HomeSubsystems;
    on_homesub_table_cellClicked(0, 0);
}

void MainWindow::on_loco_diag_2_clicked()
{
    loco_subsys = 2;
    screen_id = screen_id_old = screen::HomeSubsystems;
    on_homesub_table_cellClicked(0, 0);
}
