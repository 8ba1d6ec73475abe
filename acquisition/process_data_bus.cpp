#include "acquisition/process_data_bus.h"

#include "mvb/mvbc.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"

namespace {
// A controller that answers at all answers within a few milliseconds.
constexpr int kProbeTimeoutMs = 100;
} // namespace

MvbDriverBus::~MvbDriverBus()
{
    siu_ClearInterrupt();
}

bool MvbDriverBus::bringUp()
{
    // The start-up of the display: the same calls in the same order whatever
    // fails, so the log shows every step; the bus is used only when all of
    // them succeeded. A second bring-up (after the line was lost) opens the
    // line again and starts from empty port tables.
    if (siu_Interrupted())
        return false;
    siu_closePort();
    lp_resetState();
    MVB_Enable_EMD = 1;
    const bool link = siu_Init() == 0;
    const bool init = mvb_init() == 0;
    const bool address = mvb_setDeviceAddress(0) == 0;
    const bool active = mvb_activate() == 0;
    return link && init && address && active;
}

bool MvbDriverBus::read(uint16_t port, uint16_t fcode, uint16_t* words, uint16_t* freshness)
{
    readProcessData(port, fcode, words, freshness);
    return !lp_AccessFailed;
}

bool MvbDriverBus::write(uint16_t port, uint16_t fcode, uint16_t* words)
{
    writeProcessData(port, fcode, words);
    return !lp_AccessFailed;
}

bool MvbDriverBus::freshness(uint16_t port, uint16_t fcode, uint16_t* freshness)
{
    getFreshnessCount(port, fcode, freshness);
    return !lp_AccessFailed;
}

ProcessDataBus::Probe MvbDriverBus::probe(uint16_t* status)
{
    // The status control register shows full operation as its two low bits set.
    UNSIGNED16 scr = 0;
    if (siu_ReadCommandWithin(TM_SCR, kProbeTimeoutMs, &scr) != 0)
        return Probe::Silent;
    if (status)
        *status = scr;
    return (scr & 0x3u) == 0x3u ? Probe::Answers : Probe::NotOperating;
}

bool MvbDriverBus::lineLost() const
{
    return siu_LineLost != 0;
}

void MvbDriverBus::interrupt()
{
    siu_Interrupt();
}
