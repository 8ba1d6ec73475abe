#include "acquisition/stale_store.h"

#include "acquisition/lmvf.h"
#include "acquisition/mvbvaria.h"
#include "acquisition/port_map.h"

namespace {

SignalStore buildStaleStore()
{
    SignalStore s;
    lmvf().markAllStale(s);
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
    for (int i = 0; i < s.port_buffer_count && i < TELEGRAM_DETAILS_MAX; ++i)
        if (s.Telegram_Details[i].port_type == 0)
            s.Telegram_Details[i].freshness = 0xFFFF;
    for (QString& text : s.DDU_Micview_Data)
        text = QStringLiteral("????");
}

SignalStore staleView(const SignalStore& last)
{
    SignalStore s = everythingStaleStore();
    s.pass_count = last.pass_count;
    s.Selected_VCU_Type = last.Selected_VCU_Type;
    for (int k = 0; k < 16; ++k) {
        s.Data_3015[k] = last.Data_3015[k];
        s.Data_3201[k] = last.Data_3201[k];
    }
    s.port_buffer_count = last.port_buffer_count;
    for (int i = 0; i < TELEGRAM_DETAILS_MAX; ++i)
        s.Telegram_Details[i] = last.Telegram_Details[i];
    // The DDS window is kept: its records stay as they were while the port is stale.
    for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k)
        s.DDU_RAW_DATA[k] = last.DDU_RAW_DATA[k];
    markViewersStale(s);
    return s;
}
