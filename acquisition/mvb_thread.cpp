#include "acquisition/mvb_thread.h"

#include "acquisition/port_map.h"
#include "acquisition/simulation.h"
#include "acquisition/stale_store.h"
#include "acquisition/unknown.h"

#include <QDebug>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <exception>

namespace {

// Looks at a controller that answers "not in full operation" with the same
// status word this many times in a row (about 2 s) before it is brought up
// again: it was reset. A garbled answer never repeats that steadily.
constexpr int kSameStatusLooksForReset = 10;
constexpr int kFirstBringUpRetryMs = 1000;
constexpr int kMaxBringUpRetryMs = 30000;

qint64 monotonicMs()
{
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t.elapsed();
}

} // namespace

Mvb_Thread::Mvb_Thread(BusExchange& exchange, QObject* parent, std::unique_ptr<ProcessDataBus> bus)
    : QThread(parent)
    , m_ex(exchange)
    , m_bus(bus ? std::move(bus) : std::make_unique<MvbDriverBus>())
    , m_live(std::make_unique<SignalStore>(everythingStaleStore()))
{
}

Mvb_Thread::~Mvb_Thread()
{
    stop();
    wait();
}

void Mvb_Thread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_sleepMutex);
        m_stopping.store(true);
    }
    m_bus->interrupt();
    m_sleepWake.notify_all();
    requestInterruption();
}

void Mvb_Thread::sleepMs(int ms)
{
    std::unique_lock<std::mutex> lock(m_sleepMutex);
    m_sleepWake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stopping.load(); });
}

void Mvb_Thread::publish(BusExchange::Origin origin)
{
    publish(*m_live, origin);
}

void Mvb_Thread::publish(SignalStore& store, BusExchange::Origin origin)
{
    store.pass_count = ++m_passes;
    m_ex.publish(store, origin);
}

bool Mvb_Thread::bringUp()
{
    if (m_stopping.load())
        return false;
    const bool ok = m_bus->bringUp();
    m_ex.requests.MVB_HW_Enable.store(ok ? 0 : -1);
    m_linkDown = false;
    m_sameStatusLooks = 0;
    if (ok) {
        m_bringUpPending = false;
        m_bringUpDelayMs = kFirstBringUpRetryMs;
    } else {
        needBringUp(m_bringUpDelayMs);
        m_bringUpDelayMs = std::min(m_bringUpDelayMs * 2, kMaxBringUpRetryMs);
    }
    return ok;
}

void Mvb_Thread::needBringUp(int delayMs)
{
    m_ex.requests.MVB_HW_Enable.store(-1);
    m_bringUpPending = true;
    m_bringUpDueMs = monotonicMs() + delayMs;
}

void Mvb_Thread::bringUpWhenDue()
{
    const BusRequests& r = m_ex.requests;
    if (m_bringUpPending && r.MVB_SW_Enable.load() == 1 && !r.MVB_DDU_Internal_Simulation.load() &&
        monotonicMs() >= m_bringUpDueMs)
        bringUp();
}

Mvb_Thread::Mode Mvb_Thread::runPass()
{
    int life = m_ex.DDU_MVB_Thread_Life.load() + 1;
    if (life > 255)
        life = 0;
    m_ex.DDU_MVB_Thread_Life.store(life);

    BusRequests& r = m_ex.requests;
    const bool simulation = r.MVB_DDU_Internal_Simulation.load();
    if (simulation)
        return simulationPass();
    if (m_demo)
        leaveSimulation();
    if (r.MVB_SW_Enable.load() == 1 && r.MVB_HW_Enable.load() == 0)
        return busPass();
    return Mode::Idle;
}

Mvb_Thread::Mode Mvb_Thread::simulationPass()
{
    if (!m_demo) {
        m_demo = std::make_unique<SignalStore>(everythingStaleStore());
        m_demo->simulated = true;
    }
    applySimulationStep(*m_demo, m_simulationStep);
    m_simulationStep = (m_simulationStep + 1) % SIMULATION_STEPS;
    publish(*m_demo, BusExchange::Origin::Other);
    return Mode::Simulation;
}

// Demo off: nothing of it stays, and the bus's last values are not current
// either. The next good bus pass shows live values again.
void Mvb_Thread::leaveSimulation()
{
    m_demo.reset();
    lmvf::markAllStale(*m_live);
    mvbvaria_fun.updatemvbvariables(*m_live, m_ex.requests);
    markViewersStale(*m_live);
    publish(BusExchange::Origin::Other);
}

bool Mvb_Thread::linkAnswersAgain()
{
    uint16_t status = 0;
    switch (m_bus->probe(&status)) {
    case ProcessDataBus::Probe::Answers:
        m_linkDown = false;
        m_sameStatusLooks = 0;
        return true;
    case ProcessDataBus::Probe::NotOperating:
        m_sameStatusLooks = m_sameStatusLooks > 0 && status == m_lastStatus ? m_sameStatusLooks + 1 : 1;
        m_lastStatus = status;
        if (m_sameStatusLooks >= kSameStatusLooksForReset) {
            qDebug() << "MVB: controller not in full operation, bringing it up again";
            needBringUp(0);
        }
        return false;
    case ProcessDataBus::Probe::Silent:
        m_sameStatusLooks = 0;
        if (m_bus->lineLost()) {
            qDebug() << "MVB: line lost, opening it again";
            needBringUp(kFirstBringUpRetryMs);
        }
        return false;
    }
    return false;
}

void Mvb_Thread::takeSelection()
{
    bool resetMax = false;
    if (!m_ex.takeSelection(m_selection, resetMax))
        return;
    const int count = qBound(0, m_selection.port_buffer_count, TELEGRAM_DETAILS_MAX);
    for (int i = 0; i < count; ++i) {
        Telegram_Details_struct& t = m_live->Telegram_Details[i];
        const Telegram_Details_struct& sel = m_selection.Telegram_Details[i];
        t.telegram = sel.telegram;
        t.port_type = sel.port_type;
        t.fun_code = sel.fun_code;
        if (resetMax) {
            t.max_freshness = 0;
            m_seenFresh[size_t(i)] = false;
        }
    }
    m_live->port_buffer_count = count;
}

Mvb_Thread::Mode Mvb_Thread::busPass()
{
    if (m_linkDown && !linkAnswersAgain())
        return Mode::LinkDown;
    BusRequests& r = m_ex.requests;
    takeSelection();
    LinkWatch watch(&m_ex, &m_stopping);
    lmvf_fun.readwritemvb(*m_bus, *m_live, r, &watch);
    mvbvaria_fun.updatemvbvariables(*m_live, r);
    telegramPass(watch);
    if (m_selection.DDU_Micview_Start == 1)
        micviewPass(watch);
    m_live->viewer_version = m_selection.version;
    publish(BusExchange::Origin::BusPass);
    if (!watch.givenUp())
        return Mode::Bus;
    if (!m_stopping.load()) {
        qDebug() << "MVB: controller not answering, values shown as unknown";
        m_linkDown = true;
        if (m_bus->lineLost())
            needBringUp(kFirstBringUpRetryMs);
    }
    return Mode::LinkDown;
}

void Mvb_Thread::run()
{
    m_ex.requests.Max_Freshness.store(10000);
    m_ex.requests.MVB_DDU_Internal_Simulation.store(false);
    m_simulationStep = 0;
    // The controller is brought up here, not by the window: the screens are
    // drawn (with the no-data look) while it is configured.
    if (m_ex.requests.MVB_SW_Enable.load() == 1 && m_ex.requests.MVB_HW_Enable.load() != 0)
        bringUp();

    while (!m_stopping.load()) {
        Mode mode = Mode::Idle;
        try {
            bringUpWhenDue();
            mode = runPass();
        } catch (const std::exception& e) {
            qDebug() << "Exception" << e.what();
        } catch (...) {
            qDebug() << "Different kind of Exception";
        }
        if (mode == Mode::Simulation)
            sleepMs(m_simulationHoldMs);
        else if (mode == Mode::LinkDown)
            sleepMs(m_linkDownSleepMs);
        else if (mode == Mode::Idle)
            sleepMs(m_idleSleepMs); // nothing to do: do not spin
    }
}

void Mvb_Thread::telegramPass(LinkWatch& watch)
{
    const int count = m_live->port_buffer_count;
    const int cab = m_ex.requests.Selected_CAB_Type.load();
    const int own = cab == 1 ? lmvf::kOutputPortCab1 : cab == 2 ? lmvf::kOutputPortCab2 : -1;
    const bool view = m_selection.port_buffer_view == 1;
    m_live->port_buffer_port = 0;
    for (int i = 0; i < count; ++i) {
        Telegram_Details_struct& t = m_live->Telegram_Details[i];
        const bool selected = i == m_selection.Table_updown_Telegram && view;
        if (t.port_type == 1 && t.telegram == own) {
            // The display's own output port: what this pass wrote.
            t.freshness = 0;
            if (selected) {
                const unsigned short* data = cab == 1 ? m_live->Data_3015 : m_live->Data_3201;
                std::copy(data, data + 16, m_live->port_buffer);
                m_live->port_buffer_port = t.telegram;
            }
        } else if (t.port_type == 0 || t.port_type == 1) {
            // A port read from the bus, the other cab's output port among
            // them: its freshness every pass (else the freshness screen would
            // show it fresh while it is not measured), its words when selected.
            telegramRow(watch, t, selected);
        }
    }
}

void Mvb_Thread::telegramRow(LinkWatch& watch, Telegram_Details_struct& t, bool selected)
{
    const uint16_t port = static_cast<uint16_t>(t.telegram);
    const uint16_t fcode = static_cast<uint16_t>(t.fun_code);
    uint16_t f = 0xFFFF;
    // A port of the cycle: the freshness and words this pass read (no
    // second transaction on the line); any other port is asked.
    const uint16_t* cycleWords = nullptr;
    const bool inCycle = lmvf_fun.readThisCycle(port, cycleWords, f);
    if (!inCycle && !watch.givenUp())
        watch.note(m_bus->freshness(port, fcode, &f));
    t.freshness = f;
    bool& seenFresh = m_seenFresh[size_t(&t - m_live->Telegram_Details)];
    if (!seenFresh) {
        seenFresh = t.freshness < m_ex.requests.Max_Freshness.load();
        t.max_freshness = t.freshness; // the first fresh reading starts the maximum
    } else if (t.freshness > t.max_freshness) {
        t.max_freshness = t.freshness;
    }
    if (!selected || watch.givenUp())
        return;
    if (inCycle) {
        std::copy(cycleWords, cycleWords + 16, m_live->port_buffer);
        m_live->port_buffer_port = t.telegram;
        return;
    }
    uint16_t buffer[16] = {};
    uint16_t dataFreshness = 0xFFFF;
    const bool answered = m_bus->read(port, fcode, buffer, &dataFreshness);
    watch.note(answered);
    if (!answered)
        return;
    std::copy(buffer, buffer + 16, m_live->port_buffer);
    m_live->port_buffer_port = t.telegram;
}

void Mvb_Thread::micviewPass(LinkWatch& watch)
{
    const int count = qBound(0, m_selection.DDU_Micview_Data_Count, DDU_MICVIEW_MAX);
    const int maxFreshness = m_ex.requests.Max_Freshness.load();
    ++m_micviewPasses;
    for (int i = 0; i < count; ++i) {
        const DDU_Micview_Details_struct& d = m_selection.DDU_Micview_Details[i];
        const int wordIndex = d.byte_offset / 2;
        const bool inPort = d.byte_offset >= 0 && wordIndex <= 15; // else not read at all
        const uint16_t* words = nullptr;
        uint16_t f = 0xFFFF;
        if (inPort && !watch.givenUp())
            f = micviewWords(watch, d, words);
        if (!words || f > maxFreshness) {
            m_live->DDU_Micview_Data[i] = unknownText();
            continue;
        }
        const int v = DDU_Micview_Get_data(words[wordIndex], d.byte_offset, d.bite_offset, d.data_type);
        m_live->DDU_Micview_Data_temp = v;
        m_live->DDU_Micview_Data[i] = micviewText(v, d, m_live->DDU_Micview_Data[i]);
    }
}

// The words of a monitored port: a port of the cycle as this pass read it (no
// second read on the bus); any other port read once per pass, into a buffer
// of its own, so a port with error bits shows its own previous words.
uint16_t Mvb_Thread::micviewWords(LinkWatch& watch, const DDU_Micview_Details_struct& d, const uint16_t*& words)
{
    const uint16_t port = static_cast<uint16_t>(d.telegram);
    uint16_t f = 0xFFFF;
    if (lmvf_fun.readThisCycle(port, words, f))
        return f;
    MonitorPort& m = m_micviewPorts[port];
    if (m.pass != m_micviewPasses) {
        m.pass = m_micviewPasses;
        m.freshness = 0xFFFF;
        watch.note(m_bus->read(port, static_cast<uint16_t>(d.fun_code), m.words.data(), &m.freshness));
    }
    words = m.words.data();
    return m.freshness;
}

int Mvb_Thread::DDU_Micview_Get_data(unsigned short word, int byte_offset, int bit_offset, int data_type)
{
    switch (data_type) {
    case 0:
    case 3:
    case 4:
    case 5: return word;
    case 1: {
        // Bit numbers count in bus order: 0..7 are word bits 8..15, 8..15 bits 0..7.
        if (bit_offset < 0 || bit_offset > 15)
            return 0;
        const int bit = bit_offset < 8 ? bit_offset + 8 : bit_offset - 8;
        return (word >> bit) & 1;
    }
    case 2: return (byte_offset & 1) ? (word & 0xFF) : (word >> 8);
    default: return data_type;
    }
}

QString Mvb_Thread::micviewText(int v, int data_type, const QString& current)
{
    switch (data_type) {
    case 0:
    case 1:
    case 4: return QString::number(v);
    case 2: return QStringLiteral("%1").arg(v & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    case 3: return QStringLiteral("%1").arg(v & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
    case 5: {
        const double percent = (v & 0x8000) ? (v - 65536) * 100.0 / 4096.0 : v * 100.0 / 4096.0;
        return QString::number(percent, 'g', 6) + QStringLiteral(" %");
    }
    default: return current;
    }
}

QString Mvb_Thread::micviewText(int v, const DDU_Micview_Details_struct& d, const QString& current)
{
    if (d.data_type < 0 || d.data_type > 5)
        return current; // a type the monitor does not know keeps its text
    QString text;
    if (d.factor > 0.0 && (d.data_type == 4 || d.data_type == 5)) {
        const int word = v & d.mask & 0xFFFF;
        const int number = d.signedWord && word >= 0x8000 ? word - 0x10000 : word;
        text = QString::number(number / 4096.0 * d.factor, 'f', qBound(0, d.decimals, 6));
    } else
        text = micviewText(v, d.data_type, current);
    if (d.unit.isEmpty() || text.endsWith(QLatin1Char('%')))
        return text;
    return text + QLatin1Char(' ') + d.unit;
}

unsigned short Mvb_Thread::Byte_Swap(unsigned short value)
{
    return static_cast<unsigned short>((value << 8) | (value >> 8));
}

QString Mvb_Thread::Hex_to_Dec_String(const QString& hex)
{
    bool ok = false;
    const qulonglong v = hex.toULongLong(&ok, 16);
    return QString::number(ok ? v : 0);
}
