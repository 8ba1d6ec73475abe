#pragma once
// The acquisition thread: brings the MVB controller up and owns the link.
// Each loop pass either runs one bus cycle (port map, decoding, telegram
// viewer, variable monitor), or shows the next internal simulation step, or
// idles; after every bus cycle or simulation step it publishes the signal
// store.
//
// The simulation (the demo) works on a store of its own, marked `simulated`,
// which starts from "nothing known"; the live store keeps what the bus last
// told. When the simulation is switched off, the live store is published with
// every port stale: no demo value stays on a screen, and what was read before
// the demo is not shown as current either, until the next good bus pass.
//
// The link is supervised (see LinkWatch): a pass that stops getting answers
// gives up and is published stale; the link is then "down" and each later
// pass first looks, with a short time-out, whether the controller answers
// again (a few looks a second, no spinning). A line that is gone, or a
// controller that steadily reports that it is not in full operation (it was
// reset), is brought up again from scratch, first after 1 s, then at growing
// intervals up to 30 s; so is a start-up that failed.

#include <QString>
#include <QThread>

#include <array>
#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

#include "acquisition/bus_exchange.h"
#include "acquisition/link_watch.h"
#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/process_data_bus.h"
#include "acquisition/signal_store.h"

class Mvb_Thread : public QThread {
    Q_OBJECT
public:
    enum class Mode { Bus, LinkDown, Simulation, Idle };

    // `bus` is the link the cycle uses; by default the MVB driver.
    explicit Mvb_Thread(BusExchange& exchange, QObject* parent = nullptr,
                        std::unique_ptr<ProcessDataBus> bus = nullptr);
    ~Mvb_Thread() override;

    // One pass of the loop without its sleep. Returns what the pass did. It
    // never brings the controller up: run() does, before its first pass.
    Mode runPass();
    // Brings the controller up (the bus's bringUp) and sets MVB_HW_Enable to
    // 0 when every step succeeded, -1 otherwise.
    bool bringUp();
    // Ends run() at once: a transaction in progress is cut short, sleeps are
    // woken. May be called from any thread.
    void stop();
    bool linkDown() const { return m_linkDown; }

    // How long a simulation step is shown, and how long an idle pass sleeps.
    void setSimulationHoldMs(int ms) { m_simulationHoldMs = ms; }
    void setIdleSleepMs(int ms) { m_idleSleepMs = ms; }
    // Pause between two looks at a controller that stopped answering.
    void setLinkDownSleepMs(int ms) { m_linkDownSleepMs = ms; }
    int simulationStep() const { return m_simulationStep; }

    // Value of one monitored variable, cut from its bus word by data type.
    int DDU_Micview_Get_data(unsigned short word, int byte_offset, int bit_offset, int data_type);
    // Text of a monitored value, by data type; `current` is returned for unknown types.
    static QString micviewText(int value, int data_type, const QString& current);
    // The text of a monitored signal: scaled and with its unit where the
    // port map knows it, else as its data type reads.
    static QString micviewText(int value, const DDU_Micview_Details_struct& d, const QString& current);
    unsigned short Byte_Swap(unsigned short value);
    QString Hex_to_Dec_String(const QString& hex);

    // The thread's live store (tests and tools; not for the GUI, which reads
    // BusExchange::snapshot()).
    const SignalStore& liveStore() const { return *m_live; }

protected:
    void run() override;

private:
    Mode busPass();
    bool linkAnswersAgain();
    void needBringUp(int delayMs);
    void bringUpWhenDue();
    void takeSelection();
    void telegramPass(LinkWatch& watch);
    void telegramRow(LinkWatch& watch, Telegram_Details_struct& row, bool selected);
    void micviewPass(LinkWatch& watch);
    uint16_t micviewWords(LinkWatch& watch, const DDU_Micview_Details_struct& d, const uint16_t*& words);
    void publish(BusExchange::Origin origin);
    void publish(SignalStore& store, BusExchange::Origin origin);
    Mode simulationPass();
    void leaveSimulation();
    void sleepMs(int ms);

    BusExchange& m_ex;
    std::unique_ptr<ProcessDataBus> m_bus;
    lmvf lmvf_fun;
    mvbvaria mvbvaria_fun;
    std::unique_ptr<SignalStore> m_live;
    std::unique_ptr<SignalStore> m_demo; // while the simulation runs
    unsigned long long m_passes = 0;     // stores published
    ViewerSelection m_selection;
    // Per telegram row: read fresh since the list was set or its maximum
    // reset. Until then the maximum is the current freshness, so the time
    // before a port's first data (the controller's start-up) is not kept as
    // the port's worst.
    std::array<bool, TELEGRAM_DETAILS_MAX> m_seenFresh{};
    // Words last read per monitored port outside the cycle: a port with error
    // bits shows its own previous words, never those of the variable read
    // before it. Each such port is read once per pass.
    struct MonitorPort {
        std::array<uint16_t, 16> words{};
        uint16_t freshness = 0xFFFF;
        unsigned long pass = 0;
    };
    std::map<uint16_t, MonitorPort> m_micviewPorts;
    unsigned long m_micviewPasses = 0;
    int m_simulationStep = 0;
    std::atomic<int> m_simulationHoldMs{2000};
    std::atomic<int> m_idleSleepMs{5};
    std::atomic<int> m_linkDownSleepMs{200};

    // Link supervision (acquisition thread only).
    bool m_linkDown = false;
    uint16_t m_lastStatus = 0;
    int m_sameStatusLooks = 0;
    bool m_bringUpPending = false;
    qint64 m_bringUpDueMs = 0;
    int m_bringUpDelayMs = 1000;

    std::atomic<bool> m_stopping{false};
    std::mutex m_sleepMutex;
    std::condition_variable m_sleepWake;
};
