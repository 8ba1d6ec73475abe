#pragma once
// The processor I/O slot screens' view: the page of one remote I/O processor
// and slot (screens/io_slot_pages: two tables of signal name, pin and state),
// the processor column beside it, the page arrows and the blinking life sign.
//
// A page is laid out only when the processor or the slot changes; on every
// refresh only the state column is written, and only where a state changed.
// A line whose port is stale shows the no-data lamp (digital) or "--"
// (analogue).

#include <QObject>
#include <QStringList>

#include "acquisition/signal_store.h"
#include "screens/io_slot_pages.h"

class QAbstractButton;
class QLabel;
class QTableWidget;
class QWidget;

// clang-format off
#define IO_WIDGETS(X) X(QWidget, Gmaint_riom_info) X(QWidget, Gmaint_vcumenu) X(QTableWidget, input_table) \
    X(QTableWidget, output_table) X(QLabel, riomioinfo_header) X(QLabel, input_header) X(QLabel, output_header) \
    X(QLabel, riominfo_label) X(QAbstractButton, ddu_proc_prev_slot) X(QAbstractButton, ddu_proc_next_slot) \
    X(QWidget, Griominfo_source) X(QLabel, riominfo_lifesign) X(QLabel, riominfo_status1) \
    X(QLabel, riominfo_status2) X(QWidget, active_source) X(QLabel, active_name) X(QLabel, active_status) \
    X(QAbstractButton, ddu_flg1) X(QAbstractButton, ddu_hbb1) X(QAbstractButton, ddu_stb1) \
    X(QAbstractButton, ddu_slg1) X(QAbstractButton, ddu_flg2) X(QAbstractButton, ddu_hbb2) \
    X(QAbstractButton, ddu_stb2) X(QAbstractButton, ddu_slg2)
// clang-format on

class IoSlotView : public QObject {
public:
    explicit IoSlotView(QObject* parent);

    static void build(QWidget* root);
    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // What the tables show (the page's processor and slot; 0: nothing yet).
    int DDU_Maintenace_Processor_Slot = 1;
    int DDU_Maintenace_Selected_Processor_old = 0;
    int DDU_Maintenace_Processor_Slot_old = 0;
    int DDU_Processor_Toggle = 0; // blink phase of the life sign

    // Labels the processor column's buttons and marks the one of `selected` (1..4).
    void layoutProcessorColumn(int selected);
    // Lays out the page of `processor` and `slot` unless it is the one shown;
    // returns whether it was laid out. The states are then refreshed from `s`.
    bool showPage(int processor, int slot, const SignalStore& s);
    // The state column of the page shown.
    void refresh(const SignalStore& s);
    // The life sign of `processor` and its activity lamp; flips the blink phase.
    void refreshLifeSign(const SignalStore& s, int processor);

    // The lamp a line shows (image path; "" for none) and the text of a cell (tests).
    QString lampOf(bool right, int line) const;

#define IO_DECLARE(type, n) type* n = nullptr;
    IO_WIDGETS(IO_DECLARE)
#undef IO_DECLARE

private:
    void layoutSide(QTableWidget* t, QLabel* caption, const io::Side& side);
    void refreshSide(QTableWidget* t, int index, const io::Side& side, const SignalStore& s);

    const io::Page* m_page = nullptr;
    int m_lamp[2][io::kLines] = {}; // state drawn per line (-1: no lamp)
    QLabel* m_lamps[2][io::kLines] = {};
};
