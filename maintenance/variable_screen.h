#pragma once
// The variable monitor: the table "MVB PROCESS VARIABLES" (screen 34) filled
// from the signal descriptor by the descriptor thread, its filters (35, 39,
// 40, 42), the signal sets (36, 37) and the display of the monitored values
// (38). The table is variable_screen.cpp, the filters variable_filters.cpp,
// the sets and the display variable_sets.cpp; the drawing is VariableView
// and MonitorDialogsView.

#include <QString>
#include <QVector>

#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/variable_view.h"
#include "ui/screen.h"

class Load_Thread;
class MaintenanceState;
class MonitorDialogsView;
struct ViewerSelection;

class VariableMonitorScreen : public ui::Screen {
    Q_OBJECT

public:
    VariableMonitorScreen(ui::ScreenHost& host, MaintenanceState& state, QObject* parent = nullptr);

    void checked_reset();
    void MVBVar_Create_Table(int rows);
    void MVBVar_Table_design();
    void on_MVBVar_up_button();
    void on_MVBVar_down_button();
    void check_row_visible_up(int row);
    void check_row_visible_down(int row);
    void loadsave();
    void loadsave_switch();
    void DDU_Micview_Load();
    void DDU_Micview_Save();
    bool file_write(QString* reason = nullptr);
    void MVBVardisplay_Create_Table(int count);
    void mvbvar_display_design();
    void telegram_filter();
    void signal_serach();
    // Per tick while the display is shown.
    void mvbvarselRefresh();

    VariableView* variableView = nullptr;
    MonitorDialogsView* monitorDialogs = nullptr;
    Load_Thread* loadThread = nullptr; // created on demand, when the table is first opened

public slots:
    void on_mvbvariables_clicked();
    // The descriptor thread's results, queued to the GUI thread.
    void DDU_MVB_Variable_Display(int row, int column, const QString& text);
    void DDU_MVB_Variable_Setup(int count, int stage);
    void DDU_MVB_Variable_Part(int rows);
    void on_t_mvbvar_cellClicked(int row, int column);
    void on_mvbvar_top_clicked();
    void on_mvbvar_bottom_clicked();
    void on_mvbvar_up_clicked();
    void on_mvbvar_down_clicked();
    void on_mvbvar_clearsel_clicked();
    void on_mvbvar_loadfile_clicked();
    void on_mvbvar_savefile_clicked();
    void on_mvbvar_loadsave1_clicked();
    void on_mvbvar_loadsave2_clicked();
    void on_mvbvar_loadsave3_clicked();
    void on_mvbvar_loadsave4_clicked();
    void on_mvbvar_loadsave5_clicked();
    void on_mvbvar_loadsave6_clicked();
    void on_mvbvar_cancel_clicked();
    void on_mvbvar_display_clicked();
    void on_back_clicked();
    void on_mvbvar_filter_clicked();
    void on_filterclose_button_clicked();
    void on_proc_filter_clicked();
    void on_fcheck1_clicked();
    void on_fcheck2_clicked();
    void on_fcheck3_clicked();
    void on_fcheck4_clicked();
    void on_fcheck5_clicked();
    void on_fcheck6_clicked();
    void on_fcheck7_clicked();
    void on_fcheck8_clicked();
    void on_fcheck9_clicked();
    void on_fcheck10_clicked();
    void on_fcheck11_clicked();
    void on_fcheck12_clicked();
    void on_fcheck13_clicked();
    void on_fcheck14_clicked();
    void on_fcheck15_clicked();
    void on_fcheck16_clicked();
    void on_fcheck17_clicked();
    void on_fcheck18_clicked();
    void on_fcheck19_clicked();
    void on_filter_ok_clicked();
    void on_filter_cancel_clicked();
    void on_tele_filter_clicked();
    void on_t_MVBfiltertelegram_cellClicked(int row, int column);
    void on_clearselec_clicked();
    void on_filtertelegram_all_clicked();
    void on_ok_btn_clicked();
    void on_cancel_btn_clicked();
    void on_tele_top_clicked();
    void on_tele_up_clicked();
    void on_tele_down_clicked();
    void on_tele_bottom_clicked();
    void on_signalname_filter_clicked();
    void on_rewrite_button_clicked();
    void on_Search_button_clicked();
    void on_Cancel_button_clicked();
    // The table's scroll bar names the row at its top.
    void mvbvarhandlerFunction(int value);

private:
    MaintenanceState* maintState; // shared with the telegram screen
    ViewerSelection& viewer;      // the shared state's selection for the acquisition

    void hideGroup(const char* name);
    // variable_screen.cpp
    void selectVariableRow(int row, VariableView::Scroll scroll);
    void showTable(bool shown);
    void startLoading();
    // variable_filters.cpp
    void backToTable(const char* dialog);
    void backToChoice(const char* dialog);
    void selectFilterRow(int row);
    // variable_sets.cpp
    QVector<descriptor::Row> tickedRows() const;
    void showDisplay(const QVector<micview::Entry>& entries);
    void closeSlotChoice();
    void chooseSlot(int slot);
};
