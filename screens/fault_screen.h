#pragma once
// Fault and information messages on the screen: the pop-up (screen 46), the
// driver advice (47), the fault button and the fault log. The change
// detection is diagnostics/fault_watch, the log diagnostics/fault_log, the
// widgets screens/fault_view. Beside the log of the run, every message's
// raise, acknowledge and clear go into the fault history, which survives
// restarts (diagnostics/fault_history, file/fault/fault_history.xml).
//
// The decisions taken here, with their reasons: docs/faults-and-diagnosis.md.

#include <QString>

#include "diagnostics/fault_history.h"
#include "diagnostics/fault_history_writer.h"
#include "ui/screen.h"

class FaultView;
class QWidget;

class FaultScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit FaultScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    static void build(QWidget* root);

    // Start-up: the fault log of the last run goes.
    void delete_fault_file();
    // Every refresh tick, after the keys: a new message number shows the
    // pop-up, a number gone removes it, a number that cannot be read marks
    // the message shown as not current.
    void fault_info_update();
    // Looks the shown message up and opens the pop-up (also after a change
    // of language, to redraw it in the new language).
    void fault_update();
    void DDU_Loco_Fault_Message(const QString& dateTime, const QString& locoNumber);
    void fault_screen_design();
    void write_fault_xml();
    void driver_advice();
    // The fault button stands on every screen while a message is present
    // and neither its pop-up nor its advice is open.
    void syncFaultButton();

    bool DDU_Loco_Fault_Present = false;
    int global_faultlabel = 1; // driver-advice page shown, 1 to 4
    QString fault_datetime;    // when the message shown was first seen
    FaultView* faultView = nullptr;
    FaultHistoryWriter history; // written off the GUI thread

public slots:
    void on_fault_button_clicked();
    void on_fault_button_pressed();
    void on_enterfault_btn_clicked();
    void on_driveradvice_clicked();
    void on_up_button_clicked();
    void on_down_button_clicked();
    void on_driveradv_back_clicked();

private:
    screen::Id m_screenUnderFault = screen::Home; // the screen the pop-up covers
    void clearFault();
    // Message `number` of `loco` raised, acknowledged or cleared now, into
    // the history.
    void recordHistory(FaultHistoryEvent::Kind kind, int loco, int number);
    bool m_historySettled[3] = {false, false, false}; // per loco: first number read since the start
};
