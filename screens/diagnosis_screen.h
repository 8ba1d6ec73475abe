#pragma once
// Diagnosis screens: the live DDS window (screen 22) and the diagnosis
// records: processor choice (14), message list (15), message details (16).
// The screen model is here; screens/dds_view and screens/diagnosis_view
// draw. The reference file is read by diagnostics/diagnosis_reference.

#include <QString>

#include "diagnostics/log_tables.h"
#include "ui/screen.h"

class DdsView;
class DiagnosisView;
class Pixy_Thread;
class QWidget;

class DiagnosisScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit DiagnosisScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    static void build(QWidget* root);

    // The DDS window: what the DDS thread converted last (every tick while shown).
    void dds_screen_update();
    void dds_screen_table();
    void dds_screen_updownscroll();
    void diagnosis_screen_header();
    void diagnosis_screen();
    // Reads the messages of the chosen processor into the list; false when
    // there is none (a missing or unreadable file included).
    bool load_diagnosis();
    void screensHidden() override { diagnosis_screen_active = 0; }

    DdsView* ddsView = nullptr;
    logtables::DdsSeen ddsSeen; // every record the DDS screen showed this run
    DiagnosisView* diagnosisView = nullptr;
    Pixy_Thread* pixyThread = nullptr; // the DDS thread (the window starts it)
    int diagnosis_screen_active = 0;
    int Table_updown_DDS = 0, Total_Table_Row_DDS = 0; // the list's selected row and row count

public slots:
    void on_diagnostic_process_clicked();
    void on_b_ddsup_top_clicked();
    void on_b_ddsup_clicked();
    void on_b_ddsdown_clicked();
    void on_b_ddsdown_btm_clicked();
    // TO USB: the fault history, the fault log and the DDS records seen
    // onto the stick (the window does the writing, off the GUI thread).
    void on_b_dbtousb_clicked();
    void on_diagnosis_clicked();
    void on_b_menudiag_ok_clicked();
    void on_diag_top_clicked();
    void on_diag_up_clicked();
    void on_diag_down_clicked();
    void on_diag_bottom_clicked();
    void on_t_diagnosis_cellClicked(int row, int column);
    void on_diag_details_clicked();
    void on_diag_detailsymp_clicked();
    void on_diag_detailcause_clicked();
    void on_diag_detailadvice_clicked();
    void on_diag_back_clicked();
    void on_diag_detailsback_clicked();
    // The list's scroll bar counts rows: its value is the row to select.
    void diaghandlerFunction(int value);

private:
    void selectDiagnosisRow(int row, int scroll);
    void pickDiagnosisRow(int row);
};
