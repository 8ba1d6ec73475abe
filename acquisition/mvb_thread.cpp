#include "acquisition/mvb_thread.h"

#include "acquisition/port_map.h"
#include "acquisition/simulation.h"

#include <QDebug>

#include <chrono>
#include <exception>

Mvb_Thread::Mvb_Thread(BusExchange& exchange, QObject* parent, std::unique_ptr<ProcessDataBus> bus)
    : QThread(parent)
    , ex_(exchange)
    , bus_(bus ? std::move(bus) : std::make_unique<MvbDriverBus>())
    , live_(std::make_unique<SignalStore>())
{
    publishUnknown();
}

// Until the first bus cycle nothing is known about the vehicle. The store
// starts as if every port were stale, so the screens show "--" and their
// no-data images, never a speed of 0 or an empty lamp that looks like real
// data (for instance while the controller failed to come up).
void Mvb_Thread::publishUnknown()
{
    SignalStore& s = *live_;
    for (int i = 0; i < firstPartPortCount(); ++i)
        freshnessOf(s, firstPartPorts()[i]) = 0xFFFF;
    const uint16_t none[16] = {};
    for (int i = 0; i < lmvf::remoteIoPortCount(); ++i)
        lmvf::decodeRemoteIo(s, lmvf::remoteIoPorts()[i].port, none, 0xFFFF);
    mvbvaria_fun.updatemvbvariables(s, ex_.requests);
    // That pass was not a look at the vehicle: life-sign supervision starts afresh.
    for (int k = 0; k < 20; ++k)
        s.Lifesign[k] = s.PrevLifesign[k] = s.Lifesign_Tollerance[k] = 0;
    ex_.publish(s);
}

Mvb_Thread::~Mvb_Thread()
{
    stop();
    wait();
}

void Mvb_Thread::stop()
{
    {
        std::lock_guard<std::mutex> lock(sleepMutex_);
        stopRequested_ = true;
    }
    sleepWake_.notify_all();
    requestInterruption();
}

void Mvb_Thread::sleepMs(int ms)
{
    std::unique_lock<std::mutex> lock(sleepMutex_);
    sleepWake_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopRequested_; });
}

void Mvb_Thread::publish()
{
    ++live_->pass_count;
    ex_.publish(*live_);
}

Mvb_Thread::Mode Mvb_Thread::runPass()
{
    int life = ex_.DDU_MVB_Thread_Life.load() + 1;
    if (life > 255)
        life = 0;
    ex_.DDU_MVB_Thread_Life.store(life);

    BusRequests& r = ex_.requests;
    const bool simulation = r.MVB_DDU_Internal_Simulation.load();
    if (r.MVB_SW_Enable.load() == 1 && !simulation && r.MVB_HW_Enable.load() == 0) {
        bool resetMax = false;
        if (ex_.takeSelection(selection_, resetMax)) {
            const int count = qBound(0, selection_.port_buffer_count, TELEGRAM_DETAILS_MAX);
            for (int i = 0; i < count; ++i) {
                Telegram_Details_struct& t = live_->Telegram_Details[i];
                const Telegram_Details_struct& sel = selection_.Telegram_Details[i];
                t.telegram = sel.telegram;
                t.port_type = sel.port_type;
                t.fun_code = sel.fun_code;
                if (resetMax)
                    t.max_freshness = 0;
            }
            live_->port_buffer_count = count;
        }
        lmvf_fun.readwritemvb(*bus_, *live_, r);
        mvbvaria_fun.updatemvbvariables(*live_, r);
        telegramPass();
        if (selection_.DDU_Micview_Start == 1)
            micviewPass();
        publish();
        return Mode::Bus;
    }
    if (simulation) {
        applySimulationStep(*live_, simulationStep_);
        simulationStep_ = (simulationStep_ + 1) % SIMULATION_STEPS;
        publish();
        return Mode::Simulation;
    }
    return Mode::Idle;
}

void Mvb_Thread::run()
{
    ex_.requests.Max_Freshness.store(10000);
    ex_.requests.MVB_DDU_Internal_Simulation.store(false);
    simulationStep_ = 0;

    while (!isInterruptionRequested()) {
        Mode mode = Mode::Idle;
        try {
            mode = runPass();
        } catch (const std::exception& e) {
            qDebug() << "Exception" << e.what();
        } catch (...) {
            qDebug() << "Different kind of Exception";
        }
        if (mode == Mode::Simulation)
            sleepMs(simulationHoldMs_);
        else if (mode == Mode::Idle)
            sleepMs(idleSleepMs_); // nothing to do: do not spin
    }
}

void Mvb_Thread::telegramPass()
{
    const int count = live_->port_buffer_count;
    const int cab = ex_.requests.Selected_CAB_Type.load();
    const bool view = selection_.port_buffer_view == 1;
    uint16_t buffer[16] = {};
    for (int i = 0; i < count; ++i) {
        Telegram_Details_struct& t = live_->Telegram_Details[i];
        const uint16_t port = static_cast<uint16_t>(t.telegram);
        const uint16_t fcode = static_cast<uint16_t>(t.fun_code);
        const bool selected = i == selection_.Table_updown_Telegram && view;
        auto updateFreshness = [&] {
            uint16_t f = 0;
            bus_->freshness(port, fcode, &f);
            t.freshness = f;
            if (t.freshness > t.max_freshness)
                t.max_freshness = t.freshness;
        };
        auto readIntoViewer = [&] {
            uint16_t f = 0;
            bus_->read(port, fcode, buffer, &f);
            for (int k = 0; k < 16; ++k)
                live_->port_buffer[k] = buffer[k];
        };
        if (t.port_type == 0) {
            updateFreshness();
            if (selected)
                readIntoViewer();
        } else if (t.port_type == 1 && selected) {
            const int own = cab == 1 ? lmvf::kOutputPortCab1 : cab == 2 ? lmvf::kOutputPortCab2 : -1;
            const int other = cab == 1 ? lmvf::kOutputPortCab2 : cab == 2 ? lmvf::kOutputPortCab1 : -1;
            if (t.telegram == own) {
                const unsigned short* data = cab == 1 ? live_->Data_3015 : live_->Data_3201;
                for (int k = 0; k < 16; ++k)
                    live_->port_buffer[k] = data[k];
                t.freshness = 0;
            } else if (t.telegram == other) {
                updateFreshness();
                readIntoViewer();
            }
        }
    }
}

void Mvb_Thread::micviewPass()
{
    const int count = qBound(0, selection_.DDU_Micview_Data_Count, DDU_MICVIEW_MAX);
    const int maxFreshness = ex_.requests.Max_Freshness.load();
    uint16_t buffer[16] = {};
    for (int i = 0; i < count; ++i) {
        const DDU_Micview_Details_struct& d = selection_.DDU_Micview_Details[i];
        uint16_t f = 0;
        bus_->read(static_cast<uint16_t>(d.telegram), static_cast<uint16_t>(d.fun_code), buffer, &f);
        const int wordIndex = d.byte_offset / 2;
        if (f > maxFreshness || d.byte_offset < 0 || wordIndex > 15) {
            live_->DDU_Micview_Data[i] = QStringLiteral("????");
            continue;
        }
        const int v = DDU_Micview_Get_data(buffer[wordIndex], d.byte_offset, d.bite_offset, d.data_type);
        live_->DDU_Micview_Data_temp = v;
        live_->DDU_Micview_Data[i] = micviewText(v, d.data_type, live_->DDU_Micview_Data[i]);
    }
}

int Mvb_Thread::DDU_Micview_Get_data(unsigned short word, int byte_offset, int bit_offset, int data_type)
{
    switch (data_type) {
    case 0:
    case 3:
    case 4:
    case 5:
        return word;
    case 1: {
        // Bit numbers count in bus order: 0..7 are word bits 8..15, 8..15 bits 0..7.
        if (bit_offset < 0 || bit_offset > 15)
            return 0;
        const int bit = bit_offset < 8 ? bit_offset + 8 : bit_offset - 8;
        return (word >> bit) & 1;
    }
    case 2:
        return (byte_offset & 1) ? (word & 0xFF) : (word >> 8);
    default:
        return data_type;
    }
}

QString Mvb_Thread::micviewText(int v, int data_type, const QString& current)
{
    switch (data_type) {
    case 0:
    case 1:
    case 4:
        return QString::number(v);
    case 2:
        return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    case 3:
        return QStringLiteral("%1").arg(v & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
    case 5: {
        const double percent = (v & 0x8000) ? (v - 65536) * 100.0 / 4096.0 : v * 100.0 / 4096.0;
        return QString::number(percent, 'g', 6) + QStringLiteral(" %");
    }
    default:
        return current;
    }
}

unsigned short Mvb_Thread::Byte_Swap(unsigned short value)
{
    return static_cast<unsigned short>((value << 8) | (value >> 8));
}

QString Mvb_Thread::Hex_to_Dec_String(QString hex)
{
    bool ok = false;
    const qulonglong v = hex.toULongLong(&ok, 16);
    return QString::number(ok ? v : 0);
}
