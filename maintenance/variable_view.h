#pragma once
// The variable monitor's view: the table "MVB PROCESS VARIABLES" (screen 34)
// with its tick boxes, selection and filters, and the display of the
// monitored values (screen 38).
//
// The descriptor thread's cells reach the table through the window's cell
// writer (table code 4); the view gives them their look, keeps the ticks and
// paints the selection (only the rows whose look changes: the table may hold
// tens of thousands of rows). The display's cells go through the cell writer
// too (table code 5), each only when its text changed; a value that is not
// current reads "--" in grey.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include <functional>

#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/tick_list.h"

class QAbstractButton;
class QLabel;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// clang-format off
#define VARIABLE_WIDGETS(X) X(QWidget, Gmaint_mvbvariables) X(QLabel, mvbvar_header) X(QLabel, mvbvar_sellabel) \
    X(QLabel, mvbvar_selvar) X(QTableWidget, t_mvbvar) X(QAbstractButton, mvbvar_top) X(QAbstractButton, mvbvar_up) \
    X(QAbstractButton, mvbvar_down) X(QAbstractButton, mvbvar_bottom) X(QAbstractButton, mvbvar_clearsel) \
    X(QAbstractButton, mvbvar_filter) X(QAbstractButton, mvbvar_loadfile) X(QAbstractButton, mvbvar_savefile) \
    X(QAbstractButton, mvbvar_display)
#define VARIABLE_DISPLAY_WIDGETS(X) X(QWidget, Gmaint_mvbvarsel) X(QLabel, mvbvarsel_header) \
    X(QAbstractButton, back) X(QTableWidget, t_mvbvarsel1) X(QTableWidget, t_mvbvarsel2)
// clang-format on

class VariableView : public QObject {
public:
    using CellWriter = std::function<void(int row, int column, int format, int table, const QString& text)>;
    enum class Scroll { None, Visible, Top, Bottom };

    VariableView(QObject* parent, CellWriter writer);

    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // ----- state of the variable table (spec names) -----
    TickList checked_items; // ticked rows; checked_count is its count()
    int Table_updown_old_Variables = -1;
    bool loading = false; // a descriptor thread is filling the table

    // ----- the table -----
    void layoutScreen();
    void MVBVar_Create_Table(int rows);
    // Gives a cell the descriptor thread sent its look; column 1 also gets the
    // row's tick box.
    void styleCell(int row, int column);
    void MVBVar_Table_design();
    // Paints `row` as selected (and the row painted before as plain) and
    // scrolls as asked; the scroll bar's handler sees movingSelection() true.
    void showSelection(int row, Scroll scroll);
    bool movingSelection() const { return m_movingSelection; }
    int rowCount() const;
    bool rowHidden(int row) const;
    QString cell(int row, int column) const;
    descriptor::Row rowAt(int row) const;
    // The row whose top is at the top of the table's view.
    int topRow() const;
    // Tick box of `row`.
    void setTicked(int row, bool ticked);
    bool ticked(int row) const;
    void untickAll();
    void showCount();
    // Shows each row for which `keep(row)` is true, hides the others.
    void filterRows(const std::function<bool(int row)>& keep);
    // While the descriptor loads: "Loading..." in the window's status label
    // (hidden again when the screen is left).
    void showLoading(QWidget* statusLabel, bool shown);

    // ----- the display -----
    void layoutDisplay();
    void MVBVardisplay_Create_Table(int count);
    void mvbvar_display_design();
    // Names of the monitored signals (column 0).
    void showNames(const QVector<micview::Entry>& entries);
    // Per tick: the value of each entry, "" for one that is not current.
    void updateValues(const QStringList& values);

#define VARIABLE_DECLARE(type, n) type* n = nullptr;
    VARIABLE_WIDGETS(VARIABLE_DECLARE)
    VARIABLE_DISPLAY_WIDGETS(VARIABLE_DECLARE)
#undef VARIABLE_DECLARE

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutButtons();
    void paintRow(int row, bool selected);
    void styleDisplayTable(QTableWidget* t);
    QTableWidgetItem* displayItem(int entry, int column);

    CellWriter m_write;
    bool m_movingSelection = false; // updown_check
    QStringList m_valuesShown;      // what the display shows
    QPointer<QWidget> m_loadingLabel;
};
