#include "acquisition/stale_store.h"

#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/port_map.h"
#include "acquisition/unknown.h"

namespace {

SignalStore buildStaleStore()
{
    SignalStore s;
    lmvf::markAllStale(s);
    BusRequests requests;
    mvbvaria().updatemvbvariables(s, requests);
    // That pass was not a look at the vehicle: life-sign supervision starts afresh.
    for (int k = 0; k < 20; ++k)
        s.Lifesign[k] = s.PrevLifesign[k] = s.Lifesign_Tollerance[k] = 0;
    markViewersStale(s);
    return s;
}

} // namespace

const SignalStore& everythingStaleStore()
{
    static const SignalStore s = buildStaleStore();
    return s;
}

void markViewersStale(SignalStore& s)
{
    // Every row: the display's own output port is not written either while
    // the link is silent.
    for (int i = 0; i < s.port_buffer_count && i < TELEGRAM_DETAILS_MAX; ++i)
        s.Telegram_Details[i].freshness = 0xFFFF;
    for (QString& text : s.DDU_Micview_Data)
        text = unknownText();
}

bool everyPortStale(const SignalStore& s)
{
    for (int i = 0; i < firstPartPortCount(); ++i)
        if (freshnessOf(s, firstPartPorts()[i]) < 10000)
            return false;
    return true;
}

SignalStore staleView(const SignalStore& last, const BusRequests& requests)
{
    // The pass the acquisition itself makes when the controller stops
    // answering: every port stale (the raw signals keep the words last read),
    // decoded on top of the last values, so what the decoding keeps while its
    // port is stale (the number of motors, the energy references, sticky
    // sub-system states, the life-sign supervision) stays as it was.
    SignalStore s = last;
    lmvf::markAllStale(s);
    mvbvaria().updatemvbvariables(s, requests);
    markViewersStale(s);
    return s;
}
