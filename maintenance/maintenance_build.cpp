// Widget tree of the maintenance screens: the menu column and its footer, the
// telegram and freshness screens, the variable monitor with its dialogs.
// Geometry, captions and looks are the views' layout functions; what is laid
// out here is only where the touch regions fix it.

#include "maintenance/maintenance_menu_screen.h"

#include "maintenance/logic/descriptor.h"
#include "maintenance/monitor_dialogs_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QScrollBar>

#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"

using namespace ddu_ui;

namespace {

// The maintenance menu, top to bottom. A tool of its own is one more row
// here (its slot on_<name>_clicked connects by name); "loco" and "close"
// share a place.
struct MenuEntry {
    const char* name;
    const char* text;
    int y;
    bool shown;
};
const MenuEntry kMenu[] = {
    {"ddulogging", QT_TRANSLATE_NOOP("MainWindow", "DDU Configure"), 8, true},
    {"ddudisplay", QT_TRANSLATE_NOOP("MainWindow", "DDU Display"), 66, true},
    {"mvbtelegram", QT_TRANSLATE_NOOP("MainWindow", "MVB Telegram"), 123, true},
    {"mvbfreshness", QT_TRANSLATE_NOOP("MainWindow", "MVB Freshness"), 181, true},
    {"mvbvariables", QT_TRANSLATE_NOOP("MainWindow", "MVB Variables"), 239, true},
    {"system", QT_TRANSLATE_NOOP("MainWindow", "System"), 516, true},
    {"loco", QT_TRANSLATE_NOOP("MainWindow", "Loco"), 573, true},
    {"close", QT_TRANSLATE_NOOP("MainWindow", "Close"), 573, false},
};

QWidget* groupOf(QWidget* root, const char* name)
{
    QWidget* g = root->findChild<QWidget*>(QLatin1String(name));
    if (!g)
        qCritical("maintenance screens: no group %s", name);
    return g;
}

void buildMenu(QWidget* menu, QWidget* footer)
{
    // The captions follow a change of language (ui::retranslateMarked).
    for (const MenuEntry& e : kMenu) {
        QAbstractButton* b = button(menu, e.name, {5, e.y, 217, 53}, QString(), Key_submenu_Style);
        ui::setTranslatedText(b, "MainWindow", e.text);
        b->setVisible(e.shown);
    }
    // The footer repeats the loco, the active cab and the clock (the home
    // screen's view writes them) and names the cab the unit is set up for.
    const QString& text = maint::kFooterStyle;
    label(footer, "maint_loco_img1", {10, 12, 145, 50});
    label(footer, "maint_locono1", {160, 12, 100, 50}, QString(), text);
    label(footer, "maint_loco_img2", {270, 12, 145, 50})->hide();
    label(footer, "maint_locono2", {420, 12, 100, 50}, QString(), text)->hide();
    QLabel* cab = label(footer, "maint_cabcaption", {530, 12, 170, 50}, QString(), text);
    ui::setTranslatedText(cab, "MainWindow", QT_TRANSLATE_NOOP("MainWindow", "ACTIVE CAB"));
    cab->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(footer, "maint_cab1", {705, 12, 40, 50}, QString(), text);
    label(footer, "lmaint_cab", {750, 12, 110, 50}, QString(), maint::kFooterValueStyle);
    label(footer, "maint_date", {870, 6, 145, 30}, QString(), text);
    label(footer, "maint_time", {870, 38, 145, 30}, QString(), text);
}

void buildTelegram(QWidget* g)
{
    label(g, "mvbtele_header", {});
    table(g, "tmvbtelegram_details", {}, 17, 2);
    for (const char* name : {"bmvbtele_top", "bmvbtele_up", "bmvbtele_down", "bmvbtele_bottm", "bmvbtele_bin",
                             "bmvbtele_byte", "bmvbtele_word"})
        button(g, name, {}, QString(), Key_submenu_Style);
    for (const char* name :
         {"mvbtele_portname_txt", "mvbtele_portname_value", "mvbtele_status_txt", "mvbtele_status_value",
          "mvbtele_porttype_txt", "mvbtele_porttype_value", "mvbtele_fress_txt", "mvbtele_fress_value"})
        label(g, name, {});
}

void buildFreshness(QWidget* g)
{
    label(g, "mvbfresh_header", {});
    named(new QScrollBar(Qt::Vertical, g), "vmvbfresh_scol", QRect());
    for (const char* name : {"bmvbfreh_reset", "bmvbfreh_top", "bmvbfreh_up", "bmvbfreh_down", "bmvbfreh_bottom"})
        button(g, name, {}, QString(), Key_submenu_Style);
}

void buildVariables(QWidget* g, QWidget* display)
{
    for (const char* name : {"mvbvar_header", "mvbvar_sellabel", "mvbvar_selvar"})
        label(g, name, {});
    for (const char* name : {"mvbvar_top", "mvbvar_up", "mvbvar_down", "mvbvar_bottom", "mvbvar_clearsel",
                             "mvbvar_filter", "mvbvar_loadfile", "mvbvar_savefile", "mvbvar_display"})
        button(g, name, {}, QString(), Key_submenu_Style);
    label(display, "mvbvarsel_header", {});
    button(display, "back", {}, QString(), Key_submenu_Style);
}

void buildDialogs(QWidget* choice, QWidget* processors, QWidget* telegrams, QWidget* slotChoice, QWidget* search)
{
    label(choice, "filter_header", {});
    for (const char* name : {"filterclose_button", "proc_filter", "tele_filter", "signalname_filter"})
        button(choice, name, {}, QString(), Key_submenu_Style);
    label(processors, "procfilter_header", {});
    for (int k = 1; k <= descriptor::kFilterBoxes; ++k)
        named(new QCheckBox(processors), "", QRect())->setObjectName(QStringLiteral("fcheck%1").arg(k));
    for (const char* name : {"filter_ok", "filter_cancel"})
        button(processors, name, {}, QString(), Key_submenu_Style);
    label(telegrams, "telefilter_header", {});
    named(new QCheckBox(telegrams), "filtertelegram_all", QRect());
    named(new QScrollBar(Qt::Vertical, telegrams), "vtelefilter_scol", QRect());
    for (const char* name : {"clearselec", "ok_btn", "cancel_btn", "tele_top", "tele_up", "tele_down", "tele_bottom"})
        button(telegrams, name, {}, QString(), Key_submenu_Style);
    label(slotChoice, "loadsave_header", {});
    for (int k = 1; k <= MonitorDialogsView::kSlots; ++k)
        button(slotChoice, "", {}, QString(), Key_submenu_Style)
            ->setObjectName(QStringLiteral("mvbvar_loadsave%1").arg(k));
    button(slotChoice, "mvbvar_cancel", {}, QString(), Key_submenu_Style);
    for (const char* name : {"signal_caption", "signal_textlabel"})
        label(search, name, {});
    for (const char* name : {"rewrite_button", "Search_button", "Cancel_button"})
        button(search, name, {}, QString(), Key_submenu_Style);
}

} // namespace

void MaintenanceMenuScreen::build(QWidget* root)
{
    QWidget* menu = groupOf(root, "Gmaint_menu");
    QWidget* footer = groupOf(root, "Gmaint_footer");
    QWidget* telegram = groupOf(root, "GMVBTelegram");
    QWidget* freshness = groupOf(root, "GMVBFreshness");
    QWidget* variables = groupOf(root, "Gmaint_mvbvariables");
    QWidget* display = groupOf(root, "Gmaint_mvbvarsel");
    QWidget* dialogs[5] = {groupOf(root, "Gfilter_selection"), groupOf(root, "Gmvbvar_filter"),
                           groupOf(root, "Gtelegram"), groupOf(root, "Gmvbvar_loadsave"),
                           groupOf(root, "Gsignal_name")};
    if (!menu || !footer || !telegram || !freshness || !variables || !display ||
        std::find(std::begin(dialogs), std::end(dialogs), nullptr) != std::end(dialogs))
        return;
    footer->setGeometry(2, 690, 1020, 76); // no gap to the screens above it
    buildMenu(menu, footer);
    buildTelegram(telegram);
    buildFreshness(freshness);
    buildVariables(variables, display);
    buildDialogs(dialogs[0], dialogs[1], dialogs[2], dialogs[3], dialogs[4]);
}
