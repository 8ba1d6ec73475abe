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

#include <QMutex>

#include <atomic>
#include <memory>

#include "acquisition/signal_store.h"

struct BusRequests {
    // Request pulses put on the display's output port for about ten cycles.
    std::atomic<bool> MVB_Fault_ACK{false};
    std::atomic<bool> MVB_DDS_UP{false};
    std::atomic<bool> MVB_DDS_DOWN{false};
    std::atomic<bool> MVB_DDS_TOP{false};
    std::atomic<bool> MVB_DDS_BOTTOM{false};
    std::atomic<bool> MVB_Inching_UP{false};
    std::atomic<bool> MVB_Inching_DOWN{false};
    // Cycle counters of the pulses; the DDS and inching buttons reset theirs to 0.
    std::atomic<int> fault_timeout{0};
    std::atomic<int> DDS_up_timeout{0};
    std::atomic<int> DDS_down_timeout{0};
    std::atomic<int> DDS_top_timeout{0};
    std::atomic<int> DDS_bottom_timeout{0};
    std::atomic<int> inching_up_timeout{0};
    std::atomic<int> inching_down_timeout{0};
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

    // Requests the pulse of one button: sets the flag and restarts its counter.
    static void raise(std::atomic<bool>& flag, std::atomic<int>& counter)
    {
        counter.store(0);
        flag.store(true);
    }
};

// What the screens ask the acquisition thread to watch.
struct ViewerSelection {
    // Telegram / freshness viewer.
    Telegram_Details_struct Telegram_Details[TELEGRAM_DETAILS_MAX]; // telegram, port_type, fun_code used
    int port_buffer_count = 0;
    int port_buffer_view = 0;       // 1 while the port data view is open
    int Table_updown_Telegram = 0;  // selected row
    // Variable monitor.
    int DDU_Micview_Start = 0;      // 1 while the monitor runs
    int DDU_Micview_Data_Count = 0; // at most 30
    DDU_Micview_Details_struct DDU_Micview_Details[DDU_MICVIEW_MAX];
};

class BusExchange {
public:
    BusExchange();

    BusRequests requests;

    // Life counter of the acquisition thread (0..255), advanced once per loop
    // in every mode; the configuration screen shows it.
    std::atomic<int> DDU_MVB_Thread_Life{0};

    // Acquisition side: publishes a copy of the live store.
    void publish(const SignalStore& live);
    // GUI side: a consistent copy of the last published store.
    SignalStore snapshot() const;
    // The raw fields of the four DDS records of the last published pass
    // (event number, processor, code, time words), for the DDS thread.
    void copyDdsRaw(DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) const;
    // Cheap check whether a new pass was published since `passCount`.
    unsigned long long publishedPasses() const;

    // GUI side: replaces the viewer selection. With `resetMaxFreshness` the
    // largest freshness seen per telegram row starts again from 0 (also done
    // whenever the telegram list itself changes).
    void setSelection(const ViewerSelection& selection, bool resetMaxFreshness = false);
    ViewerSelection selection() const;

    // Acquisition side: the selection, when it changed since the last call.
    // Returns false when nothing changed.
    bool takeSelection(ViewerSelection& out, bool& resetMaxFreshness);

private:
    mutable QMutex storeMutex_;
    std::unique_ptr<SignalStore> published_;
    std::atomic<unsigned long long> passes_{0};

    mutable QMutex selectionMutex_;
    ViewerSelection selection_;
    unsigned selectionVersion_ = 0;
    unsigned selectionTaken_ = 0;
    bool resetPending_ = false;
};
