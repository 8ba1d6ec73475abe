#pragma once
// The DDS screen's view (screen 22): the window of four DDS records that the
// vehicle publishes, as the DDS thread converted them, and the four paging
// buttons whose requests make the vehicle publish another window.
//
// The view keeps no page number and no copy of the records: each refresh
// tick hands it the DDS thread's consistent copy with the rows to redraw
// (Pixy_Thread::takeRowsToDraw()), and only those rows are written.

#include <QObject>
#include <QStringList>

#include "diagnostics/pixy_thread.h"

class QAbstractButton;
class QLabel;
class QTableWidget;
class QWidget;

// clang-format off
#define DDS_WIDGETS(X) X(QWidget, G_DDSscreen) X(QLabel, l_diagnosis) X(QTableWidget, t_DDStable) \
    X(QAbstractButton, b_ddsup_top) X(QAbstractButton, b_ddsup) X(QAbstractButton, b_ddsdown) \
    X(QAbstractButton, b_ddsdown_btm) X(QAbstractButton, b_dbtousb) X(QAbstractButton, b_details)
// clang-format on

class DdsView : public QObject {
public:
    explicit DdsView(QObject* parent);

    // Finds the screen's widgets under `root`; returns the names missing or of
    // another kind.
    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // The group, its title and the buttons this screen hides.
    void layoutScreen();
    // The table: geometry, columns, headers (translated), no selection or focus.
    void layoutTable();
    // The paging buttons beside the table.
    void layoutButtons();

    // Writes the rows marked for redraw; returns how many were written.
    // While the DDS port is stale (`portFresh` false) every row shows "--"
    // in grey instead: the window last read is no longer the vehicle's; the
    // first refresh with the port fresh again writes all four rows.
    int update(const DdsRowsToDraw& rows, bool portFresh = true);

#define DDS_DECLARE(type, n) type* n = nullptr;
    DDS_WIDGETS(DDS_DECLARE)
#undef DDS_DECLARE

private:
    void writeRow(int row, const DDU_RAW_DATA_struct& record);
    void writeUnknownRow(int row);
    bool m_stale = false; // the rows show the stale look
};
