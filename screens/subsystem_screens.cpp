// Subsystem screens: the status grid of the main area (screen 2, opened from
// the home screen), the status grid of the menu (4), the message list of a
// subsystem read from the fault log, and the nine value screens of the menu
// (5 .. 13). The window's slots run the screen model; the views draw.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDebug>
#include <QLabel>
#include <QTableWidget>

#include "platform/platform.h"
#include "screens/subsystem_messages.h"
#include "screens/subsystem_values_view.h"
#include "screens/subsystem_view.h"
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

// One of the nine value screens of the menu frame.
void openValueScreen(MainWindow& w, int index)
{
    SubsystemValuesView* v = w.subsystemValuesView;
    w.grpbox_setvisible();
    if (!v)
        return;
    ui::showRaised(v->group(index));
    w.menu_backhome();
    v->layout(index, w.DDU_Language_Select == 1);
    w.Keyboard_Key_Global_Reset();
    w.Key_Pressed_Function();
    v->update(index, w.snap);
}

} // namespace

QString MainWindow::subsys_name(int row, int column)
{
    return proc::subsystemName(row, column);
}

// ================================================================ grids

void MainWindow::main_subsys()
{
    SubsystemView* v = subsystemView;
    if (!v)
        return;
    we_are_in_home = 0;
    v->layoutMainGrid();
    if (v->sub_locono && v->sub_locono->text() != tr("SUBSYSTEM"))
        v->sub_locono->setText(tr("SUBSYSTEM"));
    v->updateMainGrid(snap, loco_subsys);
}

void MainWindow::subsys_screen()
{
    SubsystemView* v = subsystemView;
    grpbox_setvisible();
    if (!v)
        return;
    ui::showRaised(v->Gmenu_subsys);
    menu_backhome();
    v->layoutMenuGrid(DDU_Language_Select == 1);
    v->updateMenuGrid(snap);
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// The menu grid is refreshed while shown: a state that changes under it is
// never left showing the old colour.
void MainWindow::subsys_screen_update()
{
    if (subsystemView)
        subsystemView->updateMenuGrid(snap);
}

// ================================================================ message list

void MainWindow::on_t_subsystem_cellClicked(int row, int column)
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
    grpbox_setvisible();
    screen_id = screen::HomeSubsystems;
    ui::showRaised(v->Gsub_system);
    setShown(true, v->t_browseloco, v->sub_message, v->subsys_top, v->subsys_up, v->subsys_down, v->subsys_bottom,
             v->subsys_back, v->subsys_vertline);
    setShown(false, v->t_subsystem, v->sub_locono, v->subsys_locono);
    v->layoutList(name);
    v->select(v->Total_Table_Row_Fault - 1, SubsystemView::Scroll::Bottom);
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::on_t_msubsys_cellClicked(int row, int column)
{
    on_t_subsystem_cellClicked(row, column);
}

void MainWindow::load_subsystem()
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
        Dialog_Box(tr("No Details Found"), 1);
    }
}

void MainWindow::on_t_browseloco_cellClicked(int row, int)
{
    if (subsystemView)
        subsystemView->pick(row);
}

// The list's scroll bar counts rows: its value is the row to select.
void MainWindow::subsyshandlerFunction(int value)
{
    if (subsystemView)
        subsystemView->pick(value);
}

void MainWindow::on_subsys_top_clicked()
{
    if (subsystemView)
        subsystemView->select(0, SubsystemView::Scroll::Top);
}

void MainWindow::on_subsys_up_clicked()
{
    if (subsystemView)
        subsystemView->select(subsystemView->Table_updown_Fault - 1, SubsystemView::Scroll::Visible);
}

void MainWindow::on_subsys_down_clicked()
{
    if (subsystemView)
        subsystemView->select(subsystemView->Table_updown_Fault + 1, SubsystemView::Scroll::Visible);
}

void MainWindow::on_subsys_bottom_clicked()
{
    if (subsystemView)
        subsystemView->select(subsystemView->Total_Table_Row_Fault - 1, SubsystemView::Scroll::Bottom);
}

void MainWindow::subsys_Table_Reset_Colour()
{
    if (subsystemView)
        subsystemView->resetListColours();
}

// Back to the grid the list was opened from.
void MainWindow::on_subsys_back_clicked()
{
    SubsystemView* v = subsystemView;
    if (!v)
        return;
    if (v->openedFromMenu) {
        on_sub_sys_clicked();
        return;
    }
    grpbox_setvisible();
    ui::showRaised(v->Gsub_system);
    setShown(true, v->t_subsystem, v->sub_locono, v->subsys_locono);
    setShown(false, v->t_browseloco, v->sub_message);
    main_subsys();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// ================================================================ value screens

void MainWindow::DDU_Menu_High_Volatge_Circuit_Setup()
{
    openValueScreen(*this, 0);
}
void MainWindow::DDU_Menu_Traction_Convertor_Setup()
{
    openValueScreen(*this, 1);
}
void MainWindow::DDU_Menu_Auxiliary_Convertor_Setup()
{
    openValueScreen(*this, 2);
}
void MainWindow::DDU_Menu_Traction_Motor_Setup()
{
    openValueScreen(*this, 3);
}
void MainWindow::DDU_Menu_Auxiliary_System_Setup()
{
    openValueScreen(*this, 4);
}
void MainWindow::DDU_Menu_Braking_System_Setup()
{
    openValueScreen(*this, 5);
}
void MainWindow::DDU_Menu_Energy_Monitoring_Setup()
{
    openValueScreen(*this, 6);
}
void MainWindow::DDU_Menu_Temperatures_Setup()
{
    openValueScreen(*this, 7);
}
void MainWindow::DDU_Menu_Pressures_Setup()
{
    openValueScreen(*this, 8);
}

void MainWindow::DDU_Menu_High_Volatge_Circuit_Update()
{
    subsystemValuesView->update(0, snap);
}
void MainWindow::DDU_Menu_Traction_Convertor_Update()
{
    subsystemValuesView->update(1, snap);
}
void MainWindow::DDU_Menu_Auxiliary_Convertor_Update()
{
    subsystemValuesView->update(2, snap);
}
void MainWindow::DDU_Menu_Traction_Motor_Update()
{
    subsystemValuesView->update(3, snap);
}
void MainWindow::DDU_Menu_Auxiliary_System_Update()
{
    subsystemValuesView->update(4, snap);
}
void MainWindow::DDU_Menu_Braking_System_Update()
{
    subsystemValuesView->update(5, snap);
}
void MainWindow::DDU_Menu_Energy_Monitoring_Update()
{
    subsystemValuesView->update(6, snap);
}
void MainWindow::DDU_Menu_Temperatures_Update()
{
    subsystemValuesView->update(7, snap);
}
void MainWindow::DDU_Menu_Pressures_Update()
{
    subsystemValuesView->update(8, snap);
}

// Each value screen: its number, then its builder.
void MainWindow::on_hv_circ_clicked()
{
    screen_id = screen::HvCircuit;
    DDU_Menu_High_Volatge_Circuit_Setup();
}

void MainWindow::on_trac_conv_clicked()
{
    screen_id = screen::TractionConverter;
    DDU_Menu_Traction_Convertor_Setup();
}

void MainWindow::on_aux_conv_clicked()
{
    screen_id = screen::AuxConverter;
    DDU_Menu_Auxiliary_Convertor_Setup();
}

void MainWindow::on_trac_moto_clicked()
{
    screen_id = screen::TractionMotor;
    DDU_Menu_Traction_Motor_Setup();
}

void MainWindow::on_aux_sys_clicked()
{
    screen_id = screen::AuxSystem;
    DDU_Menu_Auxiliary_System_Setup();
}

void MainWindow::on_brak_sys_clicked()
{
    screen_id = screen::BrakingSystem;
    DDU_Menu_Braking_System_Setup();
}

void MainWindow::on_ener_moni_clicked()
{
    screen_id = screen::EnergyMonitoring;
    DDU_Menu_Energy_Monitoring_Setup();
}

void MainWindow::on_temp_clicked()
{
    screen_id = screen::Temperatures;
    DDU_Menu_Temperatures_Setup();
}

void MainWindow::on_pressure_clicked()
{
    screen_id = screen::Pressures;
    DDU_Menu_Pressures_Setup();
}
