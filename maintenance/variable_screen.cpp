// The variable monitor's table "MVB PROCESS VARIABLES" (screen 34): loading
// the signal descriptor through the descriptor thread, ticks, and moving the
// selection. The sets and the display are in variable_sets.cpp, the filters
// in variable_filters.cpp.

#include "maintenance/variable_screen.h"

#include <QAbstractButton>
#include <QDebug>
#include <QLabel>
#include <QTableWidget>

#include "maintenance/logic/load_thread.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/monitor_dialogs_view.h"
#include "maintenance/variable_view.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

using Scroll = VariableView::Scroll;

VariableMonitorScreen::VariableMonitorScreen(ui::ScreenHost& h, MaintenanceState& state, QObject* parent)
    : ui::Screen(h, "variable monitor", parent)
    , maintState(&state)
    , viewer(state.viewer)
{
    auto writer = [this](int row, int column, int format, int table, const QString& text) {
        host.XML_Insert_Data(row, column, format, table, text);
    };
    variableView = new VariableView(this, writer);
    monitorDialogs = new MonitorDialogsView(this);
    QWidget* root = host.widget(QStringLiteral("centralwidget"));
    for (const QString& name : variableView->resolve(root) + monitorDialogs->resolve(root))
        qCritical().noquote() << "variable monitor: no widget" << name;
}

void VariableMonitorScreen::hideGroup(const char* name)
{
    if (QWidget* g = host.widget(QLatin1String(name)))
        g->hide();
}

// Moves the selection to `row` as the program (-1: nothing to select).
void VariableMonitorScreen::selectVariableRow(int row, Scroll scroll)
{
    VariableMonitorScreen& w = *this;
    VariableView* v = w.variableView;
    if (!v || row < 0 || row >= v->rowCount())
        return;
    w.maintState->Table_updown_Variables = row;
    v->showSelection(row, scroll);
}

static auto hiddenRows(const VariableView* v)
{
    return [v](int row) { return v->rowHidden(row); };
}

void VariableMonitorScreen::showTable(bool shown)
{
    VariableMonitorScreen& w = *this;
    VariableView* v = w.variableView;
    if (!v || !v->t_mvbvar)
        return;
    v->t_mvbvar->setVisible(shown);
    for (QAbstractButton* b : {v->mvbvar_top, v->mvbvar_up, v->mvbvar_down, v->mvbvar_bottom})
        if (b)
            b->raise();
}

void VariableMonitorScreen::startLoading()
{
    VariableMonitorScreen& w = *this;
    VariableView* v = w.variableView;
    w.checked_reset();
    showTable(false);
    ui::showRaised(w.W(QStringLiteral("Gpassword_blur")));
    v->showLoading(w.W<QLabel>(QStringLiteral("statusLabel")), true);
    if (w.loadThread && w.loadThread->isRunning())
        return; // the thread of an earlier visit is still at it
    if (w.loadThread)
        w.loadThread->deleteLater(); // finished: it read nothing
    w.loadThread = new Load_Thread(this, w.maintState->Total_Table_Row_Variables);
    w.loadThread->setObjectName(QStringLiteral("loadThread"));
    QObject::connect(w.loadThread, &Load_Thread::DDU_MVB_Variable_Ready, &w,
                     &VariableMonitorScreen::DDU_MVB_Variable_Display);
    QObject::connect(w.loadThread, &Load_Thread::DDU_MVB_Variable_Setup_Ready, &w,
                     &VariableMonitorScreen::DDU_MVB_Variable_Setup);
    QObject::connect(w.loadThread, &Load_Thread::DDU_MVB_Variable_Part_Ready, &w,
                     &VariableMonitorScreen::DDU_MVB_Variable_Part);
    v->loading = true;
    w.loadThread->start(QThread::InheritPriority);
}

void VariableMonitorScreen::on_mvbvariables_clicked()
{
    VariableView* v = variableView;
    if (!v)
        return;
    host.serveScreen(screen::Variables, true);
    host.showMaintenanceTool("Gmaint_mvbvariables", "mvbvariables");
    v->layoutScreen();
    if (maintState->Total_Table_Row_Variables == 0) {
        startLoading();
    } else {
        showTable(true);
        v->showSelection(maintState->Table_updown_Variables, Scroll::Visible);
    }
    host.drawKeyFocus();
}

// ================================================================ descriptor thread

void VariableMonitorScreen::DDU_MVB_Variable_Setup(int count, int stage)
{
    VariableView* v = variableView;
    if (!v)
        return;
    if (stage == 1) {
        if (maintState->Total_Table_Row_Variables != 0) {
            v->showSelection(maintState->Table_updown_Variables, Scroll::Visible);
        } else if (count < 1) {
            qDebug() << "Error Occoured";
        } else {
            maintState->Total_Table_Row_Variables = count;
            MVBVar_Create_Table(count);
        }
        return;
    }
    if (stage == 2 && count > 0)
        MVBVar_Table_design();
    v->loading = false;
    v->showLoading(W<QLabel>(QStringLiteral("statusLabel")), false);
    if (!isShown(QStringLiteral("Gmaint_mvbvariables")))
        return; // the maintainer left meanwhile: the table waits for the next visit
    hideGroup("Gpassword_blur");
    showTable(true);
    if (stage == 2 && count > 0)
        selectVariableRow(moves::top(v->rowCount(), hiddenRows(v)), Scroll::Top);
    else if (stage == 2)
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No signals found in the signal descriptor")), 1);
}

void VariableMonitorScreen::DDU_MVB_Variable_Display(int row, int column, const QString& text)
{
    host.XML_Insert_Data(row, column, column, 4, text);
    if (variableView)
        variableView->styleCell(row, column);
}

void VariableMonitorScreen::DDU_MVB_Variable_Part(int)
{
    if (loadThread)
        loadThread->partTaken();
}

void VariableMonitorScreen::MVBVar_Create_Table(int rows)
{
    if (variableView)
        variableView->MVBVar_Create_Table(rows);
}

void VariableMonitorScreen::MVBVar_Table_design()
{
    if (variableView)
        variableView->MVBVar_Table_design();
}

// ================================================================ ticks

void VariableMonitorScreen::on_t_mvbvar_cellClicked(int row, int column)
{
    VariableView* v = variableView;
    if (!v || row < 0 || row >= v->rowCount())
        return;
    if (column == 0) {
        // A tick beyond the twentieth is taken back at once.
        if (v->checked_items.contains(row))
            v->checked_items.untick(row);
        else
            v->checked_items.tick(row);
        v->setTicked(row, v->checked_items.contains(row));
        v->showCount();
    }
    if (!v->movingSelection())
        selectVariableRow(row, Scroll::None);
}

void VariableMonitorScreen::checked_reset()
{
    if (!variableView)
        return;
    variableView->checked_items.clear();
    variableView->showCount();
}

void VariableMonitorScreen::on_mvbvar_clearsel_clicked()
{
    if (variableView)
        variableView->untickAll();
}

// ================================================================ selection

void VariableMonitorScreen::on_mvbvar_top_clicked()
{
    if (variableView)
        selectVariableRow(moves::top(variableView->rowCount(), hiddenRows(variableView)), Scroll::Top);
}

void VariableMonitorScreen::on_mvbvar_bottom_clicked()
{
    if (variableView)
        selectVariableRow(moves::bottom(variableView->rowCount(), hiddenRows(variableView)), Scroll::Bottom);
}

void VariableMonitorScreen::on_mvbvar_up_clicked()
{
    on_MVBVar_up_button();
}

void VariableMonitorScreen::on_mvbvar_down_clicked()
{
    on_MVBVar_down_button();
}

void VariableMonitorScreen::on_MVBVar_up_button()
{
    check_row_visible_up(maintState->Table_updown_Variables);
}

void VariableMonitorScreen::on_MVBVar_down_button()
{
    check_row_visible_down(maintState->Table_updown_Variables);
}

// The next visible row above / below `row`.
void VariableMonitorScreen::check_row_visible_up(int row)
{
    if (variableView)
        selectVariableRow(moves::step(row, -1, variableView->rowCount(), hiddenRows(variableView)), Scroll::Visible);
}

void VariableMonitorScreen::check_row_visible_down(int row)
{
    if (variableView)
        selectVariableRow(moves::step(row, 1, variableView->rowCount(), hiddenRows(variableView)), Scroll::Visible);
}

// The scroll bar names the row at the top of the table.
void VariableMonitorScreen::mvbvarhandlerFunction(int)
{
    VariableView* v = variableView;
    if (v && v->t_mvbvar && !v->movingSelection() && v->t_mvbvar->isVisible())
        selectVariableRow(v->topRow(), Scroll::None);
}
