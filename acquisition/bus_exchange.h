#pragma once
// Hand-over between the acquisition thread and the screens.
//
// - The acquisition thread owns the live signal store and publishes a copy
//   after every pass; the GUI takes one copy per refresh tick (snapshot()) and
//   reads only that, so it never sees a half-written text and holds no lock
//   while painting.
// - Requests from the screens to the bus (fault acknowledge, DDS paging,
//   inching, the screen shown, the mode switches) are atomics.
// - The lists the screens edit for the thread (telegram list, monitor
//   selection, max-freshness reset) go through a mutex-protected slot that the
//   thread reads at the start of a pass.
// - A watchdog on the controller's answers: while a bus pass has not had a
//   good answer for kLinkSilenceMs, snapshot() gives the screens the stale
//   look instead of the last published values, whatever the acquisition
//   thread is waiting for.

#include <QMutex>

#include <atomic>
#include <functional>
#include <memory>

#include "acquisition/signal_store.h"

// A request put on the display's output port for a number of bus cycles. The
// flag and its cycle counter are one atomic word (-1: off, else the writes
// counted since the request was raised), so a press that lands while the
// previous one runs out restarts the count instead of being switched off.
class RequestPulse {
public:
    // GUI side: on, counted from 0 (again).
    void raise() { m_count.store(0); }
    bool on() const { return m_count.load() >= 0; }
    int count() const { return m_count.load(); }
    void clear() { m_count.store(-1); }
    // Acquisition side, once per output-port write: counts the write and
    // switches the request off once more than `writes` were counted.
    // Returns whether it is still on.
    bool advance(int writes)
    {
        int c = m_count.load();
        while (c >= 0) {
            const int next = c + 1 > writes ? -1 : c + 1;
            if (m_count.compare_exchange_weak(c, next))
                return next >= 0;
        }
        return false;
    }

private:
    std::atomic<int> m_count{-1};
};

struct BusRequests {
    // Request pulses put on the display's output port for about ten cycles;
    // each carries its cycle counter (fault_timeout, DDS_up_timeout, ...).
    RequestPulse MVB_Fault_ACK;
    RequestPulse MVB_DDS_UP;
    RequestPulse MVB_DDS_DOWN;
    RequestPulse MVB_DDS_TOP;
    RequestPulse MVB_DDS_BOTTOM;
    RequestPulse MVB_Inching_UP;
    RequestPulse MVB_Inching_DOWN;
    // Number of the process-information screen shown (0 elsewhere).
    std::atomic<int> MVB_Present_Screen{0};

    // Configuration: which cab this display serves (1 writes port 3015, 2 port
    // 3201, other values write nothing) and the converter / control types.
    std::atomic<int> Selected_CAB_Type{0};
    std::atomic<int> Selected_SR_Type{0};
    std::atomic<int> Selected_VCU_Type{0};

    // Mode switches of the acquisition thread.
    std::atomic<int> MVB_SW_Enable{1};  // 1 = the MVB side is used
    std::atomic<int> MVB_HW_Enable{-1}; // result of mvb_activate: 0 = controller in full operation
    std::atomic<bool> MVB_DDU_Internal_Simulation{false};
    std::atomic<int> Max_Freshness{10000};
};

// What the screens ask the acquisition thread to watch.
struct ViewerSelection {
    // Telegram / freshness viewer.
    Telegram_Details_struct Telegram_Details[TELEGRAM_DETAILS_MAX]; // telegram, port_type, fun_code used
    int port_buffer_count = 0;
    int port_buffer_view = 0;      // 1 while the port data view is open
    int Table_updown_Telegram = 0; // selected row
    // Variable monitor.
    int DDU_Micview_Start = 0;      // 1 while the monitor runs
    int DDU_Micview_Data_Count = 0; // at most 30
    DDU_Micview_Details_struct DDU_Micview_Details[DDU_MICVIEW_MAX];
    // Stamped by BusExchange::setSelection; the acquisition copies it into the
    // store it publishes (SignalStore::viewer_version).
    unsigned version = 0;
};

class BusExchange {
public:
    // A bus pass without a good answer from the controller for this long
    // shows as stale. With the 500 ms refresh tick the screens turn stale at
    // most 0.9 s after the last good answer; a healthy controller answers
    // every few milliseconds during a pass.
    static constexpr qint64 kLinkSilenceMs = 400;

    // Starts with everythingStaleStore(): the screens show "unknown" until
    // the first pass.
    BusExchange();

    BusRequests requests;

    // Life counter of the acquisition thread (0..255), advanced once per loop
    // in every mode; the configuration screen shows it.
    std::atomic<int> DDU_MVB_Thread_Life{0};

    // Acquisition side: publishes a copy of the live store. A store from a bus
    // pass arms the watchdog; one from the simulation (or any other source)
    // is shown as it is.
    enum class Origin { BusPass, Other };
    void publish(const SignalStore& live, Origin origin = Origin::Other);
    // Acquisition side: the controller just answered a port access whole and
    // consistently.
    void markLinkAlive();
    // GUI side: a consistent copy of the last published store, or its
    // staleView() while the watchdog sees the link silent.
    SignalStore snapshot() const;
    // True while snapshot() gives the stale view because the link went silent.
    bool linkSilent() const;
    // Tests: the clock of the watchdog (milliseconds, monotonic).
    void setClock(std::function<qint64()> clock);
    // The raw fields of the four DDS records of the last published pass
    // (event number, processor, code, time words), for the DDS thread.
    void copyDdsRaw(DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) const;
    // Cheap check whether a new pass was published since `passCount`.
    unsigned long long publishedPasses() const;

    // GUI side: replaces the viewer selection. With `resetMaxFreshness` the
    // largest freshness seen per telegram row starts again from 0 (also done
    // whenever the telegram list itself changes). Returns the version stamped
    // on it.
    unsigned setSelection(const ViewerSelection& selection, bool resetMaxFreshness = false);
    ViewerSelection selection() const;
    // Version of the selection last set.
    unsigned selectionVersion() const;

    // Acquisition side: the selection, when it changed since the last call.
    // Returns false when nothing changed.
    bool takeSelection(ViewerSelection& out, bool& resetMaxFreshness);

private:
    qint64 now() const;

    mutable QMutex m_storeMutex;
    std::unique_ptr<SignalStore> m_published;
    std::atomic<unsigned long long> m_passes{0};
    bool m_watchdogArmed = false; // under m_storeMutex
    std::atomic<qint64> m_lastAliveMs{0};
    std::function<qint64()> m_clock;

    mutable QMutex m_selectionMutex;
    ViewerSelection m_selection;
    unsigned m_selectionVersion = 0;
    unsigned m_selectionTaken = 0;
    bool m_resetPending = false;
};
