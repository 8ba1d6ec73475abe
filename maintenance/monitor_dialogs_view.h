#pragma once
// The dialogs of the variable monitor: the filter choice (screen 35), the
// processor filter (39), the telegram filter (40), the signal-name search
// (42) and the slot choice of "Load File" / "Save File" (36, 37). Layout,
// the processor boxes' rules and the telegram filter's ticks; the window's
// slots decide what happens.

#include <QObject>
#include <QStringList>
#include <QVector>

#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/port_list.h"
#include "maintenance/logic/tick_list.h"

class QAbstractButton;
class QLabel;
class QScrollBar;
class QTableWidget;
class QWidget;

// clang-format off
#define FILTER_CHOICE_WIDGETS(X) X(QWidget, Gfilter_selection) X(QLabel, filter_header) \
    X(QAbstractButton, filterclose_button) X(QAbstractButton, proc_filter) X(QAbstractButton, tele_filter) \
    X(QAbstractButton, signalname_filter)
#define PROCESSOR_FILTER_WIDGETS(X) X(QWidget, Gmvbvar_filter) X(QLabel, procfilter_header) \
    X(QAbstractButton, filter_ok) X(QAbstractButton, filter_cancel)
#define TELEGRAM_FILTER_WIDGETS(X) X(QWidget, Gtelegram) X(QLabel, telefilter_header) \
    X(QAbstractButton, filtertelegram_all) X(QTableWidget, t_MVBfiltertelegram) X(QScrollBar, vtelefilter_scol) \
    X(QAbstractButton, clearselec) X(QAbstractButton, ok_btn) X(QAbstractButton, cancel_btn) \
    X(QAbstractButton, tele_top) X(QAbstractButton, tele_up) X(QAbstractButton, tele_down) \
    X(QAbstractButton, tele_bottom)
#define LOADSAVE_WIDGETS(X) X(QWidget, Gmvbvar_loadsave) X(QLabel, loadsave_header) \
    X(QAbstractButton, mvbvar_cancel)
#define SIGNAL_SEARCH_WIDGETS(X) X(QWidget, Gsignal_name) X(QLabel, signal_caption) X(QLabel, signal_textlabel) \
    X(QAbstractButton, rewrite_button) X(QAbstractButton, Search_button) X(QAbstractButton, Cancel_button)
// clang-format on

class MonitorDialogsView : public QObject {
public:
    static constexpr int kSlots = 6;

    explicit MonitorDialogsView(QObject* parent);

    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // ----- state (spec names) -----
    int Filter_Check_State[20] = {}; // processor boxes last accepted (0..18)
    int filter_flag = 0;             // 1 once a processor filter was accepted
    TickList telegram_filter_checked_items;

    // ----- layouts -----
    void layoutFilterChoice();
    void layoutProcessorFilter();
    void layoutTelegramFilter();
    void layoutLoadSave(bool load);
    void layoutSignalSearch();

    // ----- processor filter -----
    // Box k (0: "ALL") was clicked: "ALL" unticks the others, any other box
    // unticks "ALL".
    void processorBoxClicked(int k);
    // The boxes as last accepted (all unticked but "ALL" before the first).
    void restoreProcessorBoxes();
    // The labels ticked now; empty when none is.
    QStringList tickedProcessors() const;
    void acceptProcessorBoxes();

    // ----- telegram filter -----
    // One row per port: a tick box and the port address.
    void fillTelegramTable(const QVector<portlist::Port>& ports);
    void tickTelegramRow(int row, bool ticked);
    bool telegramRowTicked(int row) const;
    void setAllTicked(bool ticked);
    bool allTicked() const;
    QList<int> tickedPorts() const;
    void showTelegramSelection(int row);
    bool movingSelection() const { return m_movingSelection; }

#define DIALOGS_DECLARE(type, n) type* n = nullptr;
    FILTER_CHOICE_WIDGETS(DIALOGS_DECLARE)
    PROCESSOR_FILTER_WIDGETS(DIALOGS_DECLARE)
    TELEGRAM_FILTER_WIDGETS(DIALOGS_DECLARE)
    LOADSAVE_WIDGETS(DIALOGS_DECLARE)
    SIGNAL_SEARCH_WIDGETS(DIALOGS_DECLARE)
#undef DIALOGS_DECLARE
    QAbstractButton* fcheck[descriptor::kFilterBoxes] = {};
    QAbstractButton* loadsave[kSlots] = {};

private:
    void layoutTelegramButtons();
    QVector<int> m_ports; // port of each row of the telegram filter table
    int m_teleSelected = -1;
    bool m_movingSelection = false;
};
