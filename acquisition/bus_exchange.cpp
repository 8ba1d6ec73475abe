#include "acquisition/bus_exchange.h"

#include "acquisition/stale_store.h"

#include <QElapsedTimer>

BusExchange::BusExchange()
    : m_published(std::make_unique<SignalStore>(everythingStaleStore()))
{
}

qint64 BusExchange::now() const
{
    if (m_clock)
        return m_clock();
    static QElapsedTimer monotonic = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return monotonic.elapsed();
}

void BusExchange::setClock(std::function<qint64()> clock)
{
    QMutexLocker lock(&m_storeMutex);
    m_clock = std::move(clock);
}

void BusExchange::markLinkAlive()
{
    m_lastAliveMs.store(now());
}

void BusExchange::publish(const SignalStore& live, Origin origin)
{
    {
        QMutexLocker lock(&m_storeMutex);
        *m_published = live;
        m_watchdogArmed = origin == Origin::BusPass;
    }
    m_passes.store(live.pass_count);
}

bool BusExchange::linkSilent() const
{
    QMutexLocker lock(&m_storeMutex);
    return m_watchdogArmed && now() - m_lastAliveMs.load() > kLinkSilenceMs;
}

SignalStore BusExchange::snapshot() const
{
    QMutexLocker lock(&m_storeMutex);
    if (m_watchdogArmed && now() - m_lastAliveMs.load() > kLinkSilenceMs)
        return staleView(*m_published, requests);
    return *m_published;
}

void BusExchange::copyDdsRaw(DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) const
{
    QMutexLocker lock(&m_storeMutex);
    for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
        const DDU_RAW_DATA_struct& from = m_published->DDU_RAW_DATA[k];
        raw[k].event_number_raw = from.event_number_raw;
        raw[k].device_number = from.device_number;
        raw[k].fault_number = from.fault_number;
        raw[k].datetime1 = from.datetime1;
        raw[k].datetime2 = from.datetime2;
    }
}

unsigned long long BusExchange::publishedPasses() const
{
    return m_passes.load();
}

unsigned BusExchange::setSelection(const ViewerSelection& selection, bool resetMaxFreshness)
{
    QMutexLocker lock(&m_selectionMutex);
    bool listChanged = selection.port_buffer_count != m_selection.port_buffer_count;
    for (int i = 0; !listChanged && i < selection.port_buffer_count && i < TELEGRAM_DETAILS_MAX; ++i) {
        const auto& a = selection.Telegram_Details[i];
        const auto& b = m_selection.Telegram_Details[i];
        listChanged = a.telegram != b.telegram || a.port_type != b.port_type || a.fun_code != b.fun_code;
    }
    m_selection = selection;
    m_selection.version = ++m_selectionVersion;
    if (resetMaxFreshness || listChanged)
        m_resetPending = true;
    return m_selectionVersion;
}

unsigned BusExchange::selectionVersion() const
{
    QMutexLocker lock(&m_selectionMutex);
    return m_selectionVersion;
}

ViewerSelection BusExchange::selection() const
{
    QMutexLocker lock(&m_selectionMutex);
    return m_selection;
}

bool BusExchange::takeSelection(ViewerSelection& out, bool& resetMaxFreshness)
{
    QMutexLocker lock(&m_selectionMutex);
    if (m_selectionTaken == m_selectionVersion)
        return false;
    out = m_selection;
    m_selectionTaken = m_selectionVersion;
    resetMaxFreshness = m_resetPending;
    m_resetPending = false;
    return true;
}
