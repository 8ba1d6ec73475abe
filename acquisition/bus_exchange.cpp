#include "acquisition/bus_exchange.h"

#include "acquisition/stale_store.h"

#include <QElapsedTimer>

BusExchange::BusExchange()
    : published_(std::make_unique<SignalStore>(everythingStaleStore()))
{
}

qint64 BusExchange::now() const
{
    if (clock_)
        return clock_();
    static QElapsedTimer monotonic = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return monotonic.elapsed();
}

void BusExchange::setClock(std::function<qint64()> clock)
{
    QMutexLocker lock(&storeMutex_);
    clock_ = std::move(clock);
}

void BusExchange::markLinkAlive()
{
    lastAliveMs_.store(now());
}

void BusExchange::publish(const SignalStore& live, Origin origin)
{
    {
        QMutexLocker lock(&storeMutex_);
        *published_ = live;
        watchdogArmed_ = origin == Origin::BusPass;
    }
    passes_.store(live.pass_count);
}

bool BusExchange::linkSilent() const
{
    QMutexLocker lock(&storeMutex_);
    return watchdogArmed_ && now() - lastAliveMs_.load() > kLinkSilenceMs;
}

SignalStore BusExchange::snapshot() const
{
    QMutexLocker lock(&storeMutex_);
    if (watchdogArmed_ && now() - lastAliveMs_.load() > kLinkSilenceMs)
        return staleView(*published_, requests);
    return *published_;
}

void BusExchange::copyDdsRaw(DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) const
{
    QMutexLocker lock(&storeMutex_);
    for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
        const DDU_RAW_DATA_struct& from = published_->DDU_RAW_DATA[k];
        raw[k].event_number_raw = from.event_number_raw;
        raw[k].device_number = from.device_number;
        raw[k].fault_number = from.fault_number;
        raw[k].datetime1 = from.datetime1;
        raw[k].datetime2 = from.datetime2;
    }
}

unsigned long long BusExchange::publishedPasses() const
{
    return passes_.load();
}

void BusExchange::setSelection(const ViewerSelection& selection, bool resetMaxFreshness)
{
    QMutexLocker lock(&selectionMutex_);
    bool listChanged = selection.port_buffer_count != selection_.port_buffer_count;
    for (int i = 0; !listChanged && i < selection.port_buffer_count && i < TELEGRAM_DETAILS_MAX; ++i) {
        const auto& a = selection.Telegram_Details[i];
        const auto& b = selection_.Telegram_Details[i];
        listChanged = a.telegram != b.telegram || a.port_type != b.port_type || a.fun_code != b.fun_code;
    }
    selection_ = selection;
    ++selectionVersion_;
    if (resetMaxFreshness || listChanged)
        resetPending_ = true;
}

ViewerSelection BusExchange::selection() const
{
    QMutexLocker lock(&selectionMutex_);
    return selection_;
}

bool BusExchange::takeSelection(ViewerSelection& out, bool& resetMaxFreshness)
{
    QMutexLocker lock(&selectionMutex_);
    if (selectionTaken_ == selectionVersion_)
        return false;
    out = selection_;
    selectionTaken_ = selectionVersion_;
    resetMaxFreshness = resetPending_;
    resetPending_ = false;
    return true;
}
