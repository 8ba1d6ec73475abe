#pragma once
// The subsystem screens' view: the status grid of the main area
// (`t_subsystem`, the one the home screen's strip and pictograms open), the
// status grid of the menu area (`t_msubsys`), and the message list of one
// subsystem (`t_browseloco`) read from the fault log.
//
// The grids show each subsystem's state in the colours of its code; a cell is
// only rewritten when its text or colours change. The list keeps its
// selection (the window's message-list state lives here too) and the one flag
// of its own: while the program moves the selection, the click and scroll-bar
// handlers leave it alone.

#include <QObject>
#include <QStringList>

#include "acquisition/signal_store.h"
#include "screens/process_rules.h"
#include "screens/subsystem_messages.h"

class QAbstractButton;
class QLabel;
class QTableWidget;
class QWidget;

// clang-format off
#define SUBSYS_WIDGETS(X) X(QWidget, Gsub_system) X(QTableWidget, t_subsystem) X(QTableWidget, t_browseloco) \
    X(QAbstractButton, subsys_back) X(QAbstractButton, subsys_top) X(QAbstractButton, subsys_up) \
    X(QAbstractButton, subsys_down) X(QAbstractButton, subsys_bottom) X(QLabel, sub_locono) \
    X(QLabel, subsys_locono) X(QLabel, sub_message) X(QLabel, subsys_vertline) X(QWidget, Gmenu_subsys) \
    X(QTableWidget, t_msubsys) X(QLabel, menuscreen_header)
// clang-format on

class SubsystemView : public QObject {
public:
    explicit SubsystemView(QObject* parent);

    // Creates the menu grid and gives the subsystem group its looks.
    static void build(QWidget* root);
    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // ----- grids -----
    // The main grid's size, looks and caption (cheap when already laid out).
    void layoutMainGrid();
    // Cells of the main grid for loco `loco` (1 own, 2 second loco).
    void updateMainGrid(const SignalStore& s, int loco);
    void layoutMenuGrid(bool hindi);
    void updateMenuGrid(const SignalStore& s);
    // Both grids are written again on their next update (after a change of language).
    void redrawGrids();

    // ----- message list -----
    QString Subsystem_No;          // "SS01" .. "SS19" or "ALL"
    int Total_Table_Row_Fault = 0; // rows listed
    int Table_updown_Fault = 0;    // selected row
    int Table_updown_old_Fault = 0;
    int sub_flag = 0;            // 1: the last load found nothing
    bool openedFromMenu = false; // the list was opened from the menu grid

    void layoutList(const QString& subsystemNo);
    // Fills the list (the four columns); returns the rows listed.
    int fill(const QVector<subsys::Message>& messages);
    enum class Scroll { None, Visible, Top, Bottom };
    // Selects `row` (clamped to the list) as the program: paints it, scrolls.
    void select(int row, Scroll scroll);
    // A row named by the user (a click, the scroll bar): ignored while the
    // program moves the selection, or outside the list.
    void pick(int row);
    bool movingSelection() const { return m_movingSelection; } // updown_check
    // Paints every row of the list black.
    void resetListColours();

#define SUBSYS_DECLARE(type, n) type* n = nullptr;
    SUBSYS_WIDGETS(SUBSYS_DECLARE)
#undef SUBSYS_DECLARE

private:
    void paintSelection(int row);
    void putGridCell(QTableWidget* t, proc::Grid grid, int loco, int cell, int code, quint64& drawn);

    bool m_movingSelection = false;
    int m_paintedRow = -1;
    // Loco and code drawn per cell (0: nothing yet).
    quint64 m_mainDrawn[proc::kSubsystemCells] = {};
    quint64 m_menuDrawn[proc::kSubsystemCells] = {};
};
