// The variable monitor's table "MVB PROCESS VARIABLES" (screen 34): loading
// the signal descriptor through the descriptor thread, ticks, and moving the
// selection. The sets and the display are in variable_sets.cpp, the filters
// in variable_filters.cpp.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDebug>
#include <QLabel>
#include <QTableWidget>

#include "maintenance/logic/load_thread.h"
#include "maintenance/maintenance_glue.h"
#include "maintenance/variable_view.h"

namespace {

using Scroll = VariableView::Scroll;

// Moves the selection to `row` as the program (-1: nothing to select).
void selectVariableRow(MainWindow& w, int row, Scroll scroll)
{
    VariableView* v = w.variableView;
    if (!v || row < 0 || row >= v->rowCount())
        return;
    w.Table_updown_Variables = row;
    v->showSelection(row, scroll);
}

auto hiddenRows(const VariableView* v)
{
    return [v](int row) { return v->rowHidden(row); };
}

void showTable(MainWindow& w, bool shown)
{
    VariableView* v = w.variableView;
    if (!v || !v->t_mvbvar)
        return;
    v->t_mvbvar->setVisible(shown);
    for (QAbstractButton* b : {v->mvbvar_top, v->mvbvar_up, v->mvbvar_down, v->mvbvar_bottom})
        if (b)
            b->raise();
}

void startLoading(MainWindow& w)
{
    VariableView* v = w.variableView;
    w.checked_reset();
    showTable(w, false);
    ui::showRaised(w.W(QStringLiteral("Gpassword_blur")));
    v->showLoading(w.statusLabel, true);
    if (w.loadThread && w.loadThread->isRunning())
        return; // the thread of an earlier visit is still at it
    if (w.loadThread)
        w.loadThread->deleteLater(); // finished: it read nothing
    w.loadThread = new Load_Thread(&w, w.Total_Table_Row_Variables);
    w.loadThread->setObjectName(QStringLiteral("loadThread"));
    QObject::connect(w.loadThread, &Load_Thread::DDU_MVB_Variable_Ready, &w, &MainWindow::DDU_MVB_Variable_Display);
    QObject::connect(w.loadThread, &Load_Thread::DDU_MVB_Variable_Setup_Ready, &w, &MainWindow::DDU_MVB_Variable_Setup);
    QObject::connect(w.loadThread, &Load_Thread::DDU_MVB_Variable_Part_Ready, &w, &MainWindow::DDU_MVB_Variable_Part);
    v->loading = true;
    w.loadThread->start(QThread::InheritPriority);
}

} // namespace

void MainWindow::on_mvbvariables_clicked()
{
    VariableView* v = variableView;
    if (!v)
        return;
    screen_id_old = screen_id;
    screen_id = screen::Variables;
    maintglue::showTool(*this, "Gmaint_mvbvariables", "mvbvariables");
    v->layoutScreen();
    if (Total_Table_Row_Variables == 0) {
        startLoading(*this);
    } else {
        showTable(*this, true);
        v->showSelection(Table_updown_Variables, Scroll::Visible);
    }
    maintglue::drawFocus(*this);
}

// ================================================================ descriptor thread

void MainWindow::DDU_MVB_Variable_Setup(int count, int stage)
{
    VariableView* v = variableView;
    if (!v)
        return;
    if (stage == 1) {
        if (Total_Table_Row_Variables != 0) {
            v->showSelection(Table_updown_Variables, Scroll::Visible);
        } else if (count < 1) {
            qDebug() << "Error Occoured";
        } else {
            Total_Table_Row_Variables = count;
            MVBVar_Create_Table(count);
        }
        return;
    }
    if (stage == 2 && count > 0)
        MVBVar_Table_design();
    v->loading = false;
    v->showLoading(statusLabel, false);
    if (!isShown(QStringLiteral("Gmaint_mvbvariables")))
        return; // the maintainer left meanwhile: the table waits for the next visit
    maintglue::hide(*this, "Gpassword_blur");
    showTable(*this, true);
    if (stage == 2 && count > 0)
        selectVariableRow(*this, moves::top(v->rowCount(), hiddenRows(v)), Scroll::Top);
    else if (stage == 2)
        Dialog_Box(tr("No signals found in the signal descriptor"), 1);
}

void MainWindow::DDU_MVB_Variable_Display(int row, int column, const QString& text)
{
    XML_Insert_Data(row, column, column, 4, text);
    if (variableView)
        variableView->styleCell(row, column);
}

void MainWindow::DDU_MVB_Variable_Part(int)
{
    if (loadThread)
        loadThread->partTaken();
}

void MainWindow::MVBVar_Create_Table(int rows)
{
    if (variableView)
        variableView->MVBVar_Create_Table(rows);
}

void MainWindow::MVBVar_Table_design()
{
    if (variableView)
        variableView->MVBVar_Table_design();
}

// ================================================================ ticks

void MainWindow::on_t_mvbvar_cellClicked(int row, int column)
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
        selectVariableRow(*this, row, Scroll::None);
}

void MainWindow::checked_reset()
{
    if (!variableView)
        return;
    variableView->checked_items.clear();
    variableView->showCount();
}

void MainWindow::on_mvbvar_clearsel_clicked()
{
    if (variableView)
        variableView->untickAll();
}

// ================================================================ selection

void MainWindow::on_mvbvar_top_clicked()
{
    if (variableView)
        selectVariableRow(*this, moves::top(variableView->rowCount(), hiddenRows(variableView)), Scroll::Top);
}

void MainWindow::on_mvbvar_bottom_clicked()
{
    if (variableView)
        selectVariableRow(*this, moves::bottom(variableView->rowCount(), hiddenRows(variableView)), Scroll::Bottom);
}

void MainWindow::on_mvbvar_up_clicked()
{
    on_MVBVar_up_button();
}

void MainWindow::on_mvbvar_down_clicked()
{
    on_MVBVar_down_button();
}

void MainWindow::on_MVBVar_up_button()
{
    check_row_visible_up(Table_updown_Variables);
}

void MainWindow::on_MVBVar_down_button()
{
    check_row_visible_down(Table_updown_Variables);
}

// The next visible row above / below `row`.
void MainWindow::check_row_visible_up(int row)
{
    if (variableView)
        selectVariableRow(*this, moves::step(row, -1, variableView->rowCount(), hiddenRows(variableView)),
                          Scroll::Visible);
}

void MainWindow::check_row_visible_down(int row)
{
    if (variableView)
        selectVariableRow(*this, moves::step(row, 1, variableView->rowCount(), hiddenRows(variableView)),
                          Scroll::Visible);
}

// The scroll bar names the row at the top of the table.
void MainWindow::mvbvarhandlerFunction(int)
{
    VariableView* v = variableView;
    if (v && v->t_mvbvar && !v->movingSelection() && v->t_mvbvar->isVisible())
        selectVariableRow(*this, v->topRow(), Scroll::None);
}
