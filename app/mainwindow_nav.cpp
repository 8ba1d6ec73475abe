// Key and touch navigation: the dispatchers walk the tables of
// input/navigation_tables and act on the named widgets; the common screen
// transitions (home, menu, back); the reset family of focus looks.

#include "app/mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "maintenance/config_screen.h"
#include "maintenance/maintenance_state.h"
#include "screens/diagnosis_screen.h"
#include "screens/fault_screen.h"
#include "screens/fault_view.h"
#include "screens/io_slot_screen.h"
#include "screens/keyboard_screen.h"
#include "screens/message_box_screen.h"
#include "screens/password_screen.h"
#include "screens/process_info_screen.h"
#include "ui/look.h"
#include "ui/resources.h"

#include <algorithm>

namespace {

// A finger on a table: the press and release a mouse click would deliver, sent
// synchronously, so the table's own click handling (cell selection,
// cellClicked) runs as for a real click.
void fingerClick(QWidget* target, const QPoint& at)
{
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &release);
}

// Screens may mark the entry of the screen shown (for example the side-menu
// button of the current screen) with this property; it then keeps the
// "select" look of its family, with the focus frame when focused.
const char* const kSelectedProperty = "dduSelected";

} // namespace

// ---------------------------------------------------------------- key dispatch

nav::FocusState MainWindow::focusState() const
{
    nav::FocusState s;
    s.key_press_count = key_press_count;
    s.key_menu_no = key_menu_no;
    s.key_min = key_min;
    s.key_max = key_max;
    return s;
}

void MainWindow::syncFocusState(const nav::FocusState& s)
{
    key_press_count = s.key_press_count;
    key_menu_no = s.key_menu_no;
    key_min = s.key_min;
    key_max = s.key_max;
}

bool MainWindow::mapVisible(const nav::FocusMap& map) const
{
    if (!map.visible || !isShown(QLatin1String(map.visible)))
        return false;
    return !map.alsoVisible || isShown(QLatin1String(map.alsoVisible));
}

void MainWindow::Key_Pressed_Function()
{
    // The flags are taken and cleared first: the actions below re-enter the
    // dispatcher (screen entry handlers draw their initial focus with it).
    const KeyFlags k = keys;
    keys.clear();
    m_lastFocusMap.clear();
    if (k.Keyboard_Home_Pressed) {
        m_lastFocusMap = QStringLiteral("home_key");
        on_home_clicked();
        return;
    }
    if (k.Keyboard_Menu_Pressed) {
        m_lastFocusMap = QStringLiteral("menu_key");
        on_menu_clicked();
        return;
    }
    if (isShown(QStringLiteral("Gfault")) || isShown(QStringLiteral("Ginfo"))) {
        m_lastFocusMap = QStringLiteral("fault_popup");
        faultPopupKeys(k);
        return;
    }
    if (isShown(QStringLiteral("Gfaultdriveradvice"))) {
        m_lastFocusMap = QStringLiteral("driver_advice");
        driverAdviceKeys(k);
        return;
    }
    if (isShown(QStringLiteral("Gpassword"))) {
        passwordKeys(k);
        return;
    }
    if (isShown(QStringLiteral("Gmessage"))) {
        messageBoxKeys(k);
        return;
    }
    // The screens over the home screen first, then the home screen, then the
    // screens that replace it.
    const std::vector<nav::FocusMap>& maps = nav::focusMaps();
    const size_t beforeHome = std::min(size_t(nav::focusMapsBeforeHome()), maps.size());
    for (size_t i = 0; i < beforeHome; ++i) {
        if (mapVisible(maps[i])) {
            screenKeys(maps[i], k);
            return;
        }
    }
    if (we_are_in_home == 1) {
        m_lastFocusMap = QStringLiteral("home");
        nav::FocusState s = focusState();
        const nav::Action a = nav::stepHome(s, k, configScreen->Selected_DDU_Type != 3,
                                            [this](int index) { return focusUsable(nav::homeFocusMap(), index); });
        syncFocusState(s);
        drawFocus(nav::homeFocusMap(), key_press_count);
        applyAction(a);
        return;
    }
    for (size_t i = beforeHome; i < maps.size(); ++i) {
        if (mapVisible(maps[i])) {
            screenKeys(maps[i], k);
            return;
        }
    }
}

void MainWindow::passwordKeys(const KeyFlags& k)
{
    m_lastFocusMap = QStringLiteral("password");
    const nav::FocusMap& map = nav::passwordFocusMap();
    const int clicked = key_press_count;
    nav::FocusState s = focusState();
    const nav::Action a = nav::stepPassword(s, k);
    syncFocusState(s);
    if (k.Keyboard_Enter_Pressed && nav::passwordResetBeforeEnter(clicked))
        passwordPad->password_Reset();
    else
        drawFocus(map, key_press_count);
    applyAction(a);
}

void MainWindow::messageBoxKeys(const KeyFlags& k)
{
    m_lastFocusMap = QStringLiteral("message_box");
    const bool yesNo = messageBox->asksYesNo();
    nav::FocusState s = focusState();
    const nav::Action a = nav::stepMessageBox(s, k, yesNo);
    syncFocusState(s);
    messageBox->focusButton(key_press_count == 1 && yesNo);
    applyAction(a);
}

void MainWindow::faultPopupKeys(const KeyFlags& k)
{
    if (k.Keyboard_ESC_Pressed) {
        on_home_clicked();
        return;
    }
    if (k.Keyboard_UP_Pressed || k.Keyboard_Down_Pressed)
        faultScreen->faultView->focusAcknowledge(!faultScreen->faultView->acknowledgeFocused());
    if (k.Keyboard_Enter_Pressed)
        clickButton(faultScreen->faultView->acknowledgeFocused() ? QStringLiteral("enterfault_btn")
                                                                 : QStringLiteral("driveradvice"),
                    keyClicksAnimated);
}

void MainWindow::driverAdviceKeys(const KeyFlags& k)
{
    if (k.Keyboard_UP_Pressed)
        faultScreen->on_up_button_clicked();
    else if (k.Keyboard_Down_Pressed)
        faultScreen->on_down_button_clicked();
    else if (k.Keyboard_ESC_Pressed || k.Keyboard_Enter_Pressed)
        faultScreen->on_driveradv_back_clicked();
}

void MainWindow::screenKeys(const nav::FocusMap& map, const KeyFlags& k)
{
    m_lastFocusMap = QLatin1String(map.name);
    nav::FocusState s = focusState();
    const int before = key_press_count;
    nav::Action a = nav::stepScreen(map, s, k, ioSlots->DDU_Maintenace_Selected_Processor,
                                    [this, &map](int index) { return focusUsable(map, index); });
    if (a.kind == nav::ActKind::Cell && a.row < 0)
        if (const nav::FocusSlot* cell = map.slotAt(before))
            a.row = cellRow(*cell); // the selected row's cell
    syncFocusState(s);
    // The main menu remembers its entry across a visit to the screen it opens.
    if (k.Keyboard_Enter_Pressed && qstrcmp(map.name, "main_menu") == 0 && map.groupOf(before) == 1)
        key_Menu_ID_old = before;
    drawFocus(map, key_press_count);
    applyAction(a);
}

void MainWindow::applyAction(const nav::Action& a)
{
    switch (a.kind) {
    case nav::ActKind::None: break;
    case nav::ActKind::Click: clickButton(QString::fromStdString(a.target), keyClicksAnimated); break;
    case nav::ActKind::Toggle:
        if (auto* b = W<QAbstractButton>(QString::fromStdString(a.target)))
            b->click();
        break;
    case nav::ActKind::Invoke:
        if (!invokeSlot(a.target.c_str()))
            qDebug() << "no handler" << a.target.c_str();
        break;
    case nav::ActKind::Cell: {
        // As a finger on the cell: the same slot with the same cell.
        const QByteArray slot = QByteArray::fromStdString(a.target);
        if (QObject* owner = slotOwner((slot + "(int,int)").constData()))
            QMetaObject::invokeMethod(owner, slot.constData(), Qt::DirectConnection, Q_ARG(int, a.row),
                                      Q_ARG(int, a.column));
        break;
    }
    }
}

int MainWindow::cellRow(const nav::FocusSlot& cell) const
{
    if (cell.row >= 0)
        return cell.row;
    const QLatin1String table(cell.widget);
    if (table == QLatin1String("t_mvbvar"))
        return maintState->Table_updown_Variables;
    if (table == QLatin1String("t_MVBfiltertelegram"))
        return maintState->Table_updown_filtertelegram;
    return -1;
}

bool MainWindow::focusUsable(const nav::FocusMap& map, int index)
{
    const nav::FocusSlot* slot = map.slotAt(index);
    if (!slot || !slot->widget)
        return true; // a place without a control: as ever
    QWidget* w =
        W(QString::fromStdString(nav::resolveWidget(slot->widget, ioSlots->DDU_Maintenace_Selected_Processor)));
    if (!w)
        return true; // a control of a screen not built: Enter does nothing there
    // The layout toggle shows itself only while it has the focus.
    if (slot->look != nav::Look::Cell && qstrcmp(slot->widget, "screen_toggle") == 0)
        return w->isEnabled();
    if (!w->isVisible() || !w->isEnabled())
        return false;
    if (slot->look == nav::Look::Cell) {
        auto* t = qobject_cast<QTableWidget*>(w);
        const int row = cellRow(*slot);
        return t && row >= 0 && row < t->rowCount() && slot->column < t->columnCount() && !t->isRowHidden(row) &&
            !t->isColumnHidden(slot->column);
    }
    return true;
}

void MainWindow::drawCellFocus(const nav::FocusSlot* cell)
{
    auto* t = cell ? W<QTableWidget>(QLatin1String(cell->widget)) : nullptr;
    const int row = cell ? cellRow(*cell) : -1;
    if (!t || row < 0 || row >= t->rowCount() || cell->column >= t->columnCount()) {
        if (m_cellFocus)
            m_cellFocus->hide();
        return;
    }
    if (!m_cellFocus) {
        m_cellFocus = new QWidget(t->viewport());
        m_cellFocus->setObjectName(QStringLiteral("cell_focus"));
        m_cellFocus->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_cellFocus->setAttribute(Qt::WA_StyledBackground);
        m_cellFocus->setStyleSheet(look::CellFocusFrame);
    }
    if (m_cellFocus->parentWidget() != t->viewport())
        m_cellFocus->setParent(t->viewport());
    if (QTableWidgetItem* item = t->item(row, cell->column))
        t->scrollToItem(item);
    m_cellFocus->setGeometry(t->columnViewportPosition(cell->column), t->rowViewportPosition(row),
                             t->columnWidth(cell->column), t->rowHeight(row));
    m_cellFocus->show();
    m_cellFocus->raise();
}

void MainWindow::clickButton(const QString& name, bool animated)
{
    // The fault button stands on the maintenance button's place while a
    // message is present: the keypad reaches it there, as a finger does.
    auto* b = W<QAbstractButton>(name == QLatin1String("maintenance") && isShown(QStringLiteral("fault_button"))
                                     ? QStringLiteral("fault_button")
                                     : name);
    if (!b)
        return; // a control of a screen that is not built: nothing to do
    if (animated)
        b->animateClick(); // shown pressed for 100 ms, then clicked
    else
        b->click();
}

void MainWindow::drawFocus(const nav::FocusMap& map, int index)
{
    const nav::FocusSlot* cell = nullptr;
    for (const nav::FocusSlot& slot : map.entries) {
        if (!slot.widget)
            continue;
        if (slot.look == nav::Look::Cell) {
            if (slot.index == index)
                cell = &slot;
            continue;
        }
        styleSlot(map, slot, slot.index == index);
    }
    drawCellFocus(cell);
}

void MainWindow::styleSlot(const nav::FocusMap& map, const nav::FocusSlot& slot, bool focused)
{
    const QString name =
        QString::fromStdString(nav::resolveWidget(slot.widget, ioSlots->DDU_Maintenace_Selected_Processor));
    QWidget* w = W(name);
    if (!w)
        return;
    // Four looks per kind of control: plain, focused, selected (the current
    // section or side-menu entry), selected and focused.
    struct Looks {
        const QString* plain;
        const QString* focused;
        const QString* selected;
        const QString* selectedFocused;
    };
    Looks looks{nullptr, nullptr, nullptr, nullptr};
    bool selected = w->property(kSelectedProperty).toBool();
    switch (slot.look) {
    case nav::Look::TopBar:
        looks = {&Key_menu_Style, &Key_menu_border_Style, &key_menu_select_Style, &key_menu_border_select_Style};
        selected = map.section && name == QLatin1String(map.section);
        break;
    case nav::Look::SubMenu:
        looks = {&Key_submenu_Style, &Key_submenu_border_Style, &Key_submenu_select_Style,
                 &Key_submenu_select_border_Style};
        break;
    case nav::Look::SubMenu30:
        looks = {&Key_submenu30_Style, &Key_submenu30_border_Style, &Key_submenu30_select_Style,
                 &Key_submenu30_select_border_Style};
        break;
    case nav::Look::MenuTab:
        looks = {&Key_menutab_Style, &Key_menutab_border_Style, &Key_menutab_select_Style,
                 &Key_menutab_select_border_Style};
        break;
    case nav::Look::Radio:
        looks = {&Menu_Processor_Radio_Style, &Menu_Processor_Radio_Style_Border, &Menu_Processor_Radio_Style,
                 &Menu_Processor_Radio_Style_Border};
        break;
    case nav::Look::PasswordKey:
        looks = {&Password_Button_Style, &Password_Button_Style_Border, &Password_Button_Style,
                 &Password_Button_Style_Border};
        break;
    case nav::Look::Icon: looks = {&look::Bare, &look::IconFocused, &look::Bare, &look::IconFocused}; break;
    case nav::Look::TickBox: {
        const QString style = focused ? maint::filterBoxFocusedStyle() : maint::filterBoxStyle();
        if (w->styleSheet() != style)
            w->setStyleSheet(style);
        return;
    }
    case nav::Look::Cell: break; // drawn by drawCellFocus
    }
    const QString* style =
        selected ? (focused ? looks.selectedFocused : looks.selected) : (focused ? looks.focused : looks.plain);
    if (style && w->styleSheet() != *style)
        w->setStyleSheet(*style);
    // The fault button over the maintenance button shows the focus of that place.
    if (name == QLatin1String("maintenance"))
        if (QWidget* fault = W(QStringLiteral("fault_button")))
            fault->setStyleSheet(focused ? Fault_Button_Focused_Style : Fault_Button_Style);
}

void MainWindow::Keyboard_Key_Global_Reset()
{
    key_press_count = 0;
    keys.Keyboard_Enter_Pressed = false;
    keys.Keyboard_ESC_Pressed = false;
}

void MainWindow::Keyboard_Key_Presssed_Reset()
{
    keys.clear();
}

// ---------------------------------------------------------------- reset family

void MainWindow::resetButtons(std::initializer_list<const char*> names, const QString& style)
{
    for (const char* n : names)
        if (QWidget* w = W(QLatin1String(n)))
            if (w->styleSheet() != style)
                w->setStyleSheet(style);
}

void MainWindow::Main_Menu_Button_Color_Reset()
{
    resetButtons({"home", "menu", "process", "maintenance", "screen_toggle", "diagnostic_process"}, Key_menu_Style);
}

void MainWindow::Menu_DDU_Button_Color_Reset()
{
    resetButtons({"sub_sys", "hv_circ", "trac_conv", "aux_conv", "trac_moto", "aux_sys", "brak_sys", "ener_moni",
                  "temp", "pressure", "diagnosis", "lang", "dr_details", "future"},
                 Key_submenu_Style);
}

void MainWindow::Process_Info_Menu_Button_Color_Reset()
{
    static const char* const entries[] = {"node",     "energy",  "simulation",  "motortemp",
                                          "software", "inching", "setdatetime", "motor_status"};
    for (const char* n : entries) // no entry stays marked as the screen shown
        if (QWidget* w = W(QLatin1String(n)))
            w->setProperty(kSelectedProperty, false);
    resetButtons({"node", "energy", "simulation", "motortemp", "software", "inching", "setdatetime", "motor_status"},
                 Key_submenu_Style);
}

void MainWindow::Subsystem_Button_Color_Reset()
{
    resetButtons({"subsys_back", "subsys_top", "subsys_up", "subsys_down", "subsys_bottom"}, Key_submenu_Style);
}

void MainWindow::Datetime_Button_Color_Reset()
{
    resetButtons({"datetime_up", "datetime_down", "datetime_left", "datetime_right", "get_datetime", "set_datetime"},
                 Key_submenu_Style);
}

void MainWindow::Diagnosis_Sub_Menu_Reset()
{
    resetButtons({"r_flg1", "r_flg2", "r_hbb1", "r_hbb2", "r_fbv1", "r_fbv2", "r_dda1",
                  "r_dda2", "r_stb1", "r_stb2", "r_asc1", "r_asc2", "r_nsc1", "r_nsc2",
                  "r_slg1", "r_slg2", "r_dia1", "r_bur1", "r_bur2", "r_bur3", "r_zbv1"},
                 Menu_Processor_Radio_Style);
    resetButtons({"b_menudiag_ok"}, Key_submenu_Style);
}

void MainWindow::diagnosis_color_reset()
{
    resetButtons({"diag_details", "diag_back", "diag_top", "diag_up", "diag_down", "diag_bottom"}, Key_submenu_Style);
}

void MainWindow::diagnosis_details_color_reset()
{
    resetButtons({"diag_detailsymp", "diag_detailcause", "diag_detailadvice"}, Key_menutab_Style);
    resetButtons({"diag_detailsback"}, Key_submenu_Style);
}

void MainWindow::diagnosisprocess_display_color_reset()
{
    resetButtons({"b_ddsup_top", "b_ddsup", "b_ddsdown", "b_ddsdown_btm", "b_dbtousb"}, Key_submenu_Style);
}

void MainWindow::DDUConfig_color_reset()
{
    resetButtons({"cab_button", "software_updateBtn", "calibrate_button", "vcu_button", "sr_button", "bur_button"},
                 Key_submenu_Style);
}

void MainWindow::maintenance_color_reset()
{
    resetButtons({"ddulogging", "ddudisplay", "mvbtelegram", "mvbfreshness", "mvbvariables", "system", "loco"},
                 Key_submenu_Style);
}

void MainWindow::maintenance_display_color_reset()
{
    resetButtons({"restart_button", "exit_app", "on_button", "off_button"}, Key_submenu_Style);
}

void MainWindow::maintenance_softwareupdate_reset()
{
    resetButtons({"pendrive1", "s_update", "file_trans", "sd_card_check", "softw_cancel"}, Key_submenu_Style);
}

void MainWindow::maintenance_telegram_color_reset()
{
    resetButtons({"bmvbtele_top", "bmvbtele_up", "bmvbtele_down", "bmvbtele_bottm", "bmvbtele_bin", "bmvbtele_byte",
                  "bmvbtele_word"},
                 Key_submenu_Style);
}

void MainWindow::maintenance_freshness_color_reset()
{
    resetButtons({"bmvbfreh_top", "bmvbfreh_up", "bmvbfreh_down", "bmvbfreh_bottom", "bmvbfreh_reset"},
                 Key_submenu_Style);
}

void MainWindow::maintenance_variable_color_reset()
{
    resetButtons({"mvbvar_top", "mvbvar_up", "mvbvar_down", "mvbvar_bottom", "mvbvar_clearsel", "mvbvar_filter",
                  "mvbvar_loadfile", "mvbvar_savefile", "mvbvar_display"},
                 Key_submenu_Style);
}

void MainWindow::maintenance_loadsave_color_reset()
{
    resetButtons({"mvbvar_loadsave1", "mvbvar_loadsave2", "mvbvar_loadsave3", "mvbvar_loadsave4", "mvbvar_loadsave5",
                  "mvbvar_loadsave6", "mvbvar_cancel"},
                 Key_submenu_Style);
}

void MainWindow::maintenance_loco_color_reset()
{
    resetButtons({"ddu_proc_next_slot", "ddu_proc_prev_slot", "ddu_flg1", "ddu_hbb1", "ddu_stb1", "ddu_slg1",
                  "ddu_flg2", "ddu_hbb2", "ddu_stb2", "ddu_slg2"},
                 Key_submenu_Style);
}

void MainWindow::Mvbvariables_Telegram_Filter_Color_Reset()
{
    resetButtons({"clearselec", "ok_btn", "cancel_btn", "tele_top", "tele_up", "tele_down", "tele_bottom",
                  "proc_filter", "tele_filter", "signalname_filter", "filter_ok", "filter_cancel", "rewrite_button",
                  "Search_button", "Cancel_button"},
                 Key_submenu_Style);
}

// ---------------------------------------------------------------- transitions

void MainWindow::on_home_clicked()
{
    screen_id = screen::Home;
    if (screen_toggle == 0) {
        home_key_default();
        return;
    }
    // DDU layout. Like every screen change it starts from a clean screen
    // model, so that no pop-up stays open (and keeps the keys) behind it.
    grpbox_setvisible();
    ddu_load();
    Main_Menu_Button_Color_Reset();
    key_press_count = 0;
    key_menu_no = 1;
    we_are_in_home = 1;
    if (QWidget* home = W(QStringLiteral("home")))
        home->setStyleSheet(key_menu_border_select_Style);
    if (QWidget* ddu = W(QStringLiteral("Gmainwindow_ddu"))) {
        ddu->setGeometry(0, 52, 1024, 716);
        ddu->show();
        ddu->raise();
    }
}

void MainWindow::home_key_default()
{
    grpbox_setvisible();
    Main_Menu_Button_Color_Reset();
    key_press_count = 0;
    key_menu_no = 1;
    we_are_in_home = 1;
    if (QWidget* home = W(QStringLiteral("home")))
        home->setStyleSheet(key_menu_border_select_Style);
    if (!faultScreen->DDU_Loco_Fault_Present && !DDU_Loco_Info_Present) {
        if (auto* t = W<QAbstractButton>(QStringLiteral("screen_toggle"))) {
            t->setEnabled(true);
            t->setIcon(QIcon(Dir_ddu_img_ToggleRMS));
            t->setIconSize(QSize(190, 35));
        }
    } else {
        toggle_disable();
    }
}

void MainWindow::toggle_disable()
{
    if (auto* t = W<QAbstractButton>(QStringLiteral("screen_toggle"))) {
        t->setEnabled(false);
        t->setIcon(QIcon(Dir_ddu_img_Toggle));
        t->setIconSize(QSize(190, 35));
    }
}

void MainWindow::on_menu_clicked()
{
    screen_id = screen::MainMenu;
    menu_enter();
}

void MainWindow::menu_enter()
{
    grpbox_setvisible();
    if (QWidget* panel = W(QStringLiteral("menu_screen"))) {
        panel->show();
        panel->raise();
    }
    struct Text {
        const char* button;
        const char* text;
    };
    static const Text texts[] = {
        {"sub_sys", QT_TR_NOOP("SUB-SYS STATUS")},      {"hv_circ", QT_TR_NOOP("HV CIRCUIT")},
        {"trac_conv", QT_TR_NOOP("TRACTION CONV")},     {"aux_conv", QT_TR_NOOP("AUX CONV")},
        {"trac_moto", QT_TR_NOOP("TRACTION MOTOR")},    {"aux_sys", QT_TR_NOOP("AUX SYSTEM")},
        {"brak_sys", QT_TR_NOOP("BRAKING SYSTEM")},     {"ener_moni", QT_TR_NOOP("ENERGY MONITORING")},
        {"temp", QT_TR_NOOP("TEMPERATURES")},           {"pressure", QT_TR_NOOP("PRESSURES")},
        {"diagnosis", QT_TR_NOOP("DIAGNOSIS RECORDS")}, {"lang", QT_TR_NOOP("LANGUAGE")},
        {"dr_details", QT_TR_NOOP("DRIVER DETAILS")},   {"future", QT_TR_NOOP("FUTURE")},
    };
    for (const Text& t : texts)
        if (auto* b = W<QAbstractButton>(QLatin1String(t.button)))
            b->setText(tr(t.text));
    // DRIVER DETAILS is offered (by touch, like its screen); FUTURE only
    // says "NOT IMPLEMENTED PRESENTLY" and stays hidden.
    if (QWidget* w = W(QStringLiteral("dr_details")))
        w->show();
    if (QWidget* w = W(QStringLiteral("future")))
        w->hide();
    if (QWidget* sub = W(QStringLiteral("sub_sys")))
        sub->setStyleSheet(DDU_Language_Select == 0 ? look::MenuSubsystemEntry : look::MenuSubsystemEntryHindi);
    toggle_disable();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::on_menu_home_clicked()
{
    on_home_clicked();
}

void MainWindow::on_menuscreen_home_clicked()
{
    on_home_clicked();
}

void MainWindow::on_menuscreen_back_clicked()
{
    grpbox_setvisible();
    screen_id = screen::MainMenu; // the main menu is served again
    if (QWidget* panel = W(QStringLiteral("menu_screen"))) {
        panel->show();
        panel->raise();
    }
    Keyboard_Key_Global_Reset();
    key_press_count = key_Menu_ID_old;
    Key_Pressed_Function();
}

void MainWindow::menu_backhome()
{
    if (QWidget* h = W(QStringLiteral("menuscreen_header"))) {
        h->show();
        h->raise();
    }
    if (QWidget* b = W(QStringLiteral("menuscreen_back"))) {
        b->setGeometry(735, 63, 45, 45);
        b->show();
        b->raise();
    }
    if (QWidget* h = W(QStringLiteral("menuscreen_home"))) {
        h->setGeometry(795, 63, 45, 45);
        h->show();
        h->raise();
    }
}

void MainWindow::on_process_clicked()
{
    screen_id = screen_id_old = screen::ProcessInfo;
    for (const char* name : {"nodeslv", "slvnodeval"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    processInfo->node_info();
}

// ---------------------------------------------------------------- touch dispatch

bool MainWindow::touchRegionEnabled(const nav::TouchRegion& r) const
{
    switch (r.cond) {
    case nav::TouchIf::YesNoForm:
        if (!messageBox->asksYesNo())
            return false;
        break;
    case nav::TouchIf::OkOnlyForm:
        if (messageBox->asksYesNo())
            return false;
        break;
    case nav::TouchIf::WidgetVisible:
        if (r.condWidget && !isShown(QLatin1String(r.condWidget)))
            return false;
        break;
    case nav::TouchIf::Always: break;
    }
    if (r.action == nav::TouchAction::InvokeCell || r.action == nav::TouchAction::Keyboard)
        return true;
    // A finger presses only what is shown: hidden or disabled targets (and
    // controls of screens not built) are not regions at all.
    QWidget* w = W(QLatin1String(r.widget));
    return w && w->isVisible() && w->isEnabled();
}

void MainWindow::touchAct(const nav::TouchRegion& r, int x, int y)
{
    switch (r.action) {
    case nav::TouchAction::Click:
        if (auto* b = W<QAbstractButton>(QLatin1String(r.widget)))
            b->click();
        break;
    case nav::TouchAction::TableClick:
        if (auto* t = W<QTableWidget>(QLatin1String(r.widget))) {
            QWidget* vp = t->viewport();
            const QPoint p = vp->mapFrom(this, QPoint(x, y));
            if (vp->rect().contains(p))
                fingerClick(vp, p);
        }
        break;
    case nav::TouchAction::ScrollTrack: {
        const nav::ScrollTrack* track = nav::scrollTrack(r.param);
        if (!track)
            break;
        int position = 0, rows = 0;
        switch (r.param) {
        case 1:
            position = maintState->Table_updown_Freshness;
            rows = maintState->Total_Table_Row_Freshness;
            break;
        case 2:
            position = maintState->Table_updown_Telegram;
            rows = maintState->Total_Table_Row_Telegram;
            break;
        case 3:
            position = maintState->Table_updown_Variables;
            rows = maintState->Total_Table_Row_Variables;
            break;
        case 4:
            position = maintState->Table_updown_filtertelegram;
            rows = maintState->viewer.port_buffer_count;
            break;
        case 5:
            position = diagnosis->Table_updown_DDS;
            rows = diagnosis->Total_Table_Row_DDS;
            break;
        default: break;
        }
        const int delta = nav::scrollTrackDelta(track->top, track->bottom, y, position, rows, track->page);
        if (delta != 0)
            scroll_Table_logic(r.param, delta);
        break;
    }
    case nav::TouchAction::InvokeCell:
        if (QObject* owner = slotOwner((QByteArray(r.widget) + "(int,int)").constData()))
            QMetaObject::invokeMethod(owner, r.widget, Qt::DirectConnection, Q_ARG(int, r.row), Q_ARG(int, r.column));
        break;
    case nav::TouchAction::Keyboard: break;
    }
}

void MainWindow::Touch_Screen_Connect(int x, int y)
{
    idleHome.input();
    if (screen_id != old_screen_id) {
        Old_Screen_MVB_Unit_Count = 10; // the new screen redraws its unit count
        old_screen_id = screen_id;
    }
    for (const nav::TouchBlock& block : nav::touchBlocks()) {
        if (!block.serves(screen_id))
            continue;
        if (block.requireVisible && !isShown(QLatin1String(block.requireVisible)))
            continue;
        if (block.requireHidden1 && isShown(QLatin1String(block.requireHidden1)))
            continue;
        if (block.requireHidden2 && isShown(QLatin1String(block.requireHidden2)))
            continue;
        for (const nav::TouchRegion& r : block.regions) {
            if (!touchRegionEnabled(r))
                continue;
            if (r.action == nav::TouchAction::Keyboard) {
                const auto hit = [this](int x1, int y1, int x2, int y2, int px, int py) {
                    return touch.Check_Click_Pixel(x1, y1, x2, y2, px, py) != 0;
                };
                if (keyboard->signal_kblayout(x, y, hit))
                    return; // a key of the keyboard was hit
                // Between its keys the keyboard takes the touch too: it must
                // not reach the screen it covers.
                if (QWidget* kb = W(QLatin1String(r.widget)); kb && kb->geometry().contains(x, y))
                    return;
                continue;
            }
            if (touch.Check_Click_Pixel(r.x1, r.y1, r.x2, r.y2, x, y)) {
                const int before = screen_id;
                touchAct(r, x, y);
                if (r.afterFrom != 0 && before == r.afterFrom)
                    screen_id = r.afterTo;
                return;
            }
        }
    }
}

void MainWindow::scroll_Table_logic(int table, int delta)
{
    int* position = nullptr;
    int rows = 0;
    switch (table) {
    case 1:
        position = &maintState->Table_updown_Freshness;
        rows = maintState->Total_Table_Row_Freshness;
        break;
    case 2:
        position = &maintState->Table_updown_Telegram;
        rows = maintState->Total_Table_Row_Telegram;
        break;
    case 3:
        position = &maintState->Table_updown_Variables;
        rows = maintState->Total_Table_Row_Variables;
        break;
    case 4:
        position = &maintState->Table_updown_filtertelegram;
        rows = maintState->viewer.port_buffer_count;
        break;
    case 5:
        position = &diagnosis->Table_updown_DDS;
        rows = diagnosis->Total_Table_Row_DDS;
        break;
    default: return;
    }
    *position = nav::scrollPosition(*position, delta, rows);
    const nav::ScrollTrack* track = nav::scrollTrack(table);
    if (auto* t = track ? W<QTableWidget>(QLatin1String(track->widget)) : nullptr)
        t->verticalScrollBar()->setValue(*position);
}
