#pragma once
// The acquisition thread: owns the MVB link once the controller runs. Each
// loop pass either runs one bus cycle (port map, decoding, telegram viewer,
// variable monitor), or shows the next internal simulation step, or idles;
// after every bus cycle or simulation step it publishes the signal store.

#include <QString>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "acquisition/bus_exchange.h"
#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/process_data_bus.h"
#include "acquisition/signal_store.h"

class Mvb_Thread : public QThread {
    Q_OBJECT
public:
    enum class Mode { Bus, Simulation, Idle };

    // `bus` is the link the cycle uses; by default the MVB driver.
    explicit Mvb_Thread(BusExchange& exchange, QObject* parent = nullptr,
                        std::unique_ptr<ProcessDataBus> bus = nullptr);
    ~Mvb_Thread() override;

    // One pass of the loop without its sleep. Returns what the pass did.
    Mode runPass();
    // Ends run() at the next pass (also wakes a simulation or idle sleep).
    void stop();

    // How long a simulation step is shown, and how long an idle pass sleeps.
    void setSimulationHoldMs(int ms) { simulationHoldMs_ = ms; }
    void setIdleSleepMs(int ms) { idleSleepMs_ = ms; }
    int simulationStep() const { return simulationStep_; }

    // Value of one monitored variable, cut from its bus word by data type.
    int DDU_Micview_Get_data(unsigned short word, int byte_offset, int bit_offset, int data_type);
    // Text of a monitored value, by data type; `current` is returned for unknown types.
    static QString micviewText(int value, int data_type, const QString& current);
    unsigned short Byte_Swap(unsigned short value);
    QString Hex_to_Dec_String(QString hex);

    // The thread's live store (tests and tools; not for the GUI, which reads
    // BusExchange::snapshot()).
    const SignalStore& liveStore() const { return *live_; }

protected:
    void run() override;

private:
    void telegramPass();
    void micviewPass();
    void publish();
    void publishUnknown();
    void sleepMs(int ms);

    BusExchange& ex_;
    std::unique_ptr<ProcessDataBus> bus_;
    lmvf lmvf_fun;
    mvbvaria mvbvaria_fun;
    std::unique_ptr<SignalStore> live_;
    ViewerSelection selection_;
    int simulationStep_ = 0;
    std::atomic<int> simulationHoldMs_{2000};
    std::atomic<int> idleSleepMs_{5};

    std::mutex sleepMutex_;
    std::condition_variable sleepWake_;
    bool stopRequested_ = false;
};
