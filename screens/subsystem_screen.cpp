// Subsystem screens: the status grid of the main area (screen 2, opened from
// the home screen), the status grid of the menu (4), the message list of a
// subsystem read from the fault log, and the nine value screens of the menu
// (5 .. 13): see subsystem_screen.h.

#include "screens/subsystem_screen.h"

#include <QAbstractButton>
#include <QDebug>
#include <QLabel>
#include <QTableWidget>

#include "acquisition/signal_store.h"
#include "platform/platform.h"
#include "screens/process_rules.h"
#include "screens/subsystem_messages.h"
#include "screens/subsystem_values_view.h"
#include "screens/subsystem_view.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

namespace {

const QString kLogFile = QStringLiteral("file/fault/zav_MessagesVCU_temp.xml");

template <class... Widgets> void setShown(bool shown, Widgets*... widgets)
{
    for (QWidget* w : {static_cast<QWidget*>(widgets)...})
        if (w)
            w->setVisible(shown);
}

// Says on the debug stream why nothing could be listed.
void reportLoad(const subsys::MessageList& list, const QString& path)
{
    switch (list.status) {
    case subsys::Status::Ok: break;
    case subsys::Status::CannotOpen:
        qDebug().noquote() << "unable to open xml file" << path << "(" + list.problem + ")";
        break;
    case subsys::Status::TooLarge:
        qDebug().noquote() << "subsystem messages:" << path << "is too large (" + list.problem + "); none listed";
        break;
    case subsys::Status::Malformed:
        qDebug().noquote() << "subsystem messages:" << path
                           << "is not well-formed XML (" + list.problem + "); none listed";
        break;
    }
}

} // namespace

SubsystemScreen::SubsystemScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "subsystem screens", parent)
{
    subsystemView = new SubsystemView(this);
    subsystemValuesView = new SubsystemValuesView(this);
    QWidget* root = host.widget(QStringLiteral("centralwidget"));
    for (const QString& name : subsystemView->resolve(root) + subsystemValuesView->resolve(root))
        qCritical().noquote() << "subsystem screens: no widget" << name;
}

// One of the nine value screens of the menu frame.
void SubsystemScreen::openValueScreen(int index)
{
    SubsystemValuesView* v = subsystemValuesView;
    host.hideScreens();
    if (!v)
        return;
    ui::showRaised(v->group(index));
    host.showMenuFrame();
    v->layout(index, host.hindi());
    host.drawKeyFocus();
    v->update(index, host.snapshot());
}

// The refresh tick: whichever value screen or the menu grid is shown; the
// main grid while it is shown.
void SubsystemScreen::tick()
{
    if (isShown(QStringLiteral("t_subsystem")))
        main_subsys(m_loco);
    static const char* const valueGroups[9] = {"Gmenu_hvcircuit", "Gmenu_tracconv", "Gmenu_auxconv",
                                               "Gmenu_tracmoto",  "Gmenu_auxsys",   "Gmenu_braksys",
                                               "Gmenu_enermoni",  "Gmenu_temp",     "Gmenu_pressure"};
    for (int i = 0; i < 9; ++i)
        if (isShown(QLatin1String(valueGroups[i]))) {
            subsystemValuesView->update(i, host.snapshot());
            return;
        }
    if (isShown(QStringLiteral("Gmenu_subsys")))
        subsys_screen_update();
}

void SubsystemScreen::on_sub_sys_clicked()
{
    host.serveScreen(screen::SubsystemMenu, true);
    subsys_screen();
}

QString SubsystemScreen::subsys_name(int row, int column)
{
    return proc::subsystemName(row, column);
}

// ================================================================ grids

void SubsystemScreen::main_subsys(int loco)
{
    SubsystemView* v = subsystemView;
    if (!v)
        return;
    m_loco = loco;
    v->layoutMainGrid();
    if (v->sub_locono && v->sub_locono->text() != ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "SUBSYSTEM")))
        v->sub_locono->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "SUBSYSTEM")));
    v->updateMainGrid(host.snapshot(), loco);
}

void SubsystemScreen::subsys_screen()
{
    SubsystemView* v = subsystemView;
    host.hideScreens();
    if (!v)
        return;
    ui::showRaised(v->Gmenu_subsys);
    host.showMenuFrame();
    v->layoutMenuGrid(host.hindi());
    v->updateMenuGrid(host.snapshot());
    host.drawKeyFocus();
}

// The menu grid is refreshed while shown: a state that changes under it is
// never left showing the old colour.
void SubsystemScreen::subsys_screen_update()
{
    if (subsystemView)
        subsystemView->updateMenuGrid(host.snapshot());
}

// ================================================================ message list

void SubsystemScreen::on_t_subsystem_cellClicked(int row, int column)
{
    SubsystemView* v = subsystemView;
    const QString name = subsys_name(row, column);
    if (!v || name.isEmpty())
        return;
    const bool fromMenu = isShown(QStringLiteral("Gmenu_subsys"));
    if (v->subsys_locono)
        v->subsys_locono->hide();
    v->Subsystem_No = name;
    load_subsystem();
    if (v->sub_flag == 1)
        return; // "No Details Found" over the grid, which stays
    v->openedFromMenu = fromMenu;
    host.hideScreens();
    host.serveScreen(screen::HomeSubsystems);
    ui::showRaised(v->Gsub_system);
    setShown(true, v->t_browseloco, v->sub_message, v->subsys_top, v->subsys_up, v->subsys_down, v->subsys_bottom,
             v->subsys_back, v->subsys_vertline);
    setShown(false, v->t_subsystem, v->sub_locono, v->subsys_locono);
    v->layoutList(name);
    v->select(v->Total_Table_Row_Fault - 1, SubsystemView::Scroll::Bottom);
    host.drawKeyFocus();
}

void SubsystemScreen::on_t_msubsys_cellClicked(int row, int column)
{
    on_t_subsystem_cellClicked(row, column);
}

void SubsystemScreen::load_subsystem()
{
    SubsystemView* v = subsystemView;
    if (!v)
        return;
    v->sub_flag = 0;
    v->Total_Table_Row_Fault = v->Table_updown_Fault = v->Table_updown_old_Fault = 0;
    const QString path = platform::dataPath(kLogFile);
    const subsys::MessageList list = subsys::loadMessages(path, v->Subsystem_No);
    reportLoad(list, path);
    // A log that is missing or unreadable ends like one without a message of
    // the subsystem: the reason is on the debug stream.
    if (v->fill(list.messages) == 0) {
        v->sub_flag = 1;
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No Details Found")), 2);
    }
}

void SubsystemScreen::on_t_browseloco_cellClicked(int row, int)
{
    if (subsystemView)
        subsystemView->pick(row);
}

// The list's scroll bar counts rows: its value is the row to select.
void SubsystemScreen::subsyshandlerFunction(int value)
{
    if (subsystemView)
        subsystemView->pick(value);
}

void SubsystemScreen::on_subsys_top_clicked()
{
    if (subsystemView)
        subsystemView->select(0, SubsystemView::Scroll::Top);
}

void SubsystemScreen::on_subsys_up_clicked()
{
    if (subsystemView)
        subsystemView->select(subsystemView->Table_updown_Fault - 1, SubsystemView::Scroll::Visible);
}

void SubsystemScreen::on_subsys_down_clicked()
{
    if (subsystemView)
        subsystemView->select(subsystemView->Table_updown_Fault + 1, SubsystemView::Scroll::Visible);
}

void SubsystemScreen::on_subsys_bottom_clicked()
{
    if (subsystemView)
        subsystemView->select(subsystemView->Total_Table_Row_Fault - 1, SubsystemView::Scroll::Bottom);
}

void SubsystemScreen::subsys_Table_Reset_Colour()
{
    if (subsystemView)
        subsystemView->resetListColours();
}

// Back to the grid the list was opened from.
void SubsystemScreen::on_subsys_back_clicked()
{
    SubsystemView* v = subsystemView;
    if (!v)
        return;
    if (v->openedFromMenu) {
        on_sub_sys_clicked();
        return;
    }
    host.hideScreens();
    ui::showRaised(v->Gsub_system);
    setShown(true, v->t_subsystem, v->sub_locono, v->subsys_locono);
    setShown(false, v->t_browseloco, v->sub_message);
    main_subsys(m_loco);
    host.drawKeyFocus();
}

// ================================================================ value screens

void SubsystemScreen::DDU_Menu_High_Volatge_Circuit_Setup()
{
    openValueScreen(0);
}
void SubsystemScreen::DDU_Menu_Traction_Convertor_Setup()
{
    openValueScreen(1);
}
void SubsystemScreen::DDU_Menu_Auxiliary_Convertor_Setup()
{
    openValueScreen(2);
}
void SubsystemScreen::DDU_Menu_Traction_Motor_Setup()
{
    openValueScreen(3);
}
void SubsystemScreen::DDU_Menu_Auxiliary_System_Setup()
{
    openValueScreen(4);
}
void SubsystemScreen::DDU_Menu_Braking_System_Setup()
{
    openValueScreen(5);
}
void SubsystemScreen::DDU_Menu_Energy_Monitoring_Setup()
{
    openValueScreen(6);
}
void SubsystemScreen::DDU_Menu_Temperatures_Setup()
{
    openValueScreen(7);
}
void SubsystemScreen::DDU_Menu_Pressures_Setup()
{
    openValueScreen(8);
}

// Each value screen: its number, then its builder.
void SubsystemScreen::on_hv_circ_clicked()
{
    host.serveScreen(screen::HvCircuit);
    DDU_Menu_High_Volatge_Circuit_Setup();
}

void SubsystemScreen::on_trac_conv_clicked()
{
    host.serveScreen(screen::TractionConverter);
    DDU_Menu_Traction_Convertor_Setup();
}

void SubsystemScreen::on_aux_conv_clicked()
{
    host.serveScreen(screen::AuxConverter);
    DDU_Menu_Auxiliary_Convertor_Setup();
}

void SubsystemScreen::on_trac_moto_clicked()
{
    host.serveScreen(screen::TractionMotor);
    DDU_Menu_Traction_Motor_Setup();
}

void SubsystemScreen::on_aux_sys_clicked()
{
    host.serveScreen(screen::AuxSystem);
    DDU_Menu_Auxiliary_System_Setup();
}

void SubsystemScreen::on_brak_sys_clicked()
{
    host.serveScreen(screen::BrakingSystem);
    DDU_Menu_Braking_System_Setup();
}

void SubsystemScreen::on_ener_moni_clicked()
{
    host.serveScreen(screen::EnergyMonitoring);
    DDU_Menu_Energy_Monitoring_Setup();
}

void SubsystemScreen::on_temp_clicked()
{
    host.serveScreen(screen::Temperatures);
    DDU_Menu_Temperatures_Setup();
}

void SubsystemScreen::on_pressure_clicked()
{
    host.serveScreen(screen::Pressures);
    DDU_Menu_Pressures_Setup();
}

// ---------------------------------------------------------------- from home

void SubsystemScreen::on_homesub_table_cellClicked(int, int)
{
    host.hideScreens();
    // The grid keeps the number of the screen it was opened from, so that
    // the strip and the cells stay live there; opened over a message box
    // that covered a maintenance screen, that number would not serve the
    // grid: it is served as the home's grid then.
    if (host.servedScreen() > screen::Dds)
        host.serveScreen(screen::HomeSubsystems);
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
        l->setText(loco_subsys == 2 ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "LOCO 2"))
                                    : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "LOCO 1")));
        l->show();
    }
    if (QWidget* l = W(QStringLiteral("sub_locono")))
        l->show();
    // The grid is filled now and kept fresh on every tick; the keypad focus
    // on its first cell.
    main_subsys(loco_subsys);
    host.drawKeyFocus();
}

void SubsystemScreen::on_loco_diag_clicked()
{
    loco_subsys = 1;
    host.serveScreen(screen::HomeSubsystems);
    host.setReturnScreen(screen::HomeSubsystems);
    on_homesub_table_cellClicked(0, 0);
}

void SubsystemScreen::on_loco_diag_2_clicked()
{
    loco_subsys = 2;
    host.serveScreen(screen::HomeSubsystems);
    host.setReturnScreen(screen::HomeSubsystems);
    on_homesub_table_cellClicked(0, 0);
}
