// Process data ports.
//
// Beyond the bare protocol:
//  - The word count of a port comes from its F-code in pcs_word0. A garbled
//    status word (a controller that does not answer reads as 0xFFFF) would ask
//    for up to 32768 words; the count is capped at the sixteen words of the
//    largest port so the caller's buffer is never overrun.
//  - A port is only configured while the controller's tables have room
//    (255 ports); further ports are left unconfigured and read as stale.
//  - The controller is believed only where it agrees with what this driver
//    configured: the port index table entry must hold the index the driver
//    gave the port (or 0 before its first use), pcs_word0 must hold the F-code
//    and direction written at configuration, and pcs_word1 may carry nothing
//    but its error bits and page selector. Every reply must also arrive whole.
//    Otherwise the access is abandoned at once: lp_AccessFailed is set, the
//    freshness reads 0xFFFF (stale), the caller's data buffer is left as it
//    was, and nothing is written to the controller (a write to an address
//    built from a garbled answer could overwrite any part of its memory).

#include "mvb/mvblpi.h"

#include "mvb/mvb_log.h"
#include "mvb/mvbc.h"
#include "mvb/mvbspc.h"

#include <cstring>

UNSIGNED16 lp_port_Index = 0;
UNSIGNED8 lp_AccessFailed = 0;

namespace {

UNSIGNED16 lp_NoOfPortsConfigured = 0;

// What this driver configured, per logical address: the port index it gave
// the port (0: none) and the pcs_word0 it wrote.
UNSIGNED16 g_indexOf[4096];
UNSIGNED16 g_word0Of[4096];

constexpr UNSIGNED16 kErrorBits = 0x001F;
constexpr UNSIGNED16 kPageBit = 0x0040;

UNSIGNED16 pcsAddress(UNSIGNED16 portIndex)
{
    return static_cast<UNSIGNED16>(portIndex * 8u - 0x4000u); // 0xC000 + 8 P, modulo 0x10000
}

UNSIGNED16 dataAddress(UNSIGNED16 portIndex, UNSIGNED16 pcsWord1)
{
    const unsigned page = (pcsWord1 >> 6) & 1u;
    return static_cast<UNSIGNED16>(0x4000u + (portIndex >> 2) * 64u + page * 32u);
}

unsigned portWords(UNSIGNED16 pcsWord0)
{
    const unsigned fcode = pcsWord0 >> 12;
    return fcode > 4 ? LP_MAX_PORT_WORDS : 1u << fcode;
}

UNSIGNED16 tableEntryAddress(UNSIGNED16 logAddr)
{
    return static_cast<UNSIGNED16>(2u * (logAddr & 0x0FFFu));
}

void putReadFrame(unsigned char* f, UNSIGNED16 address)
{
    UNSIGNED8 d[3];
    siu_generateAddress(address, d);
    f[0] = static_cast<unsigned char>(SIU_READ_CMD | d[0]);
    f[1] = d[1];
    f[2] = d[2];
}

// Reads `count` (1..4) consecutive words from `address` in one batch.
// False when the reply did not arrive whole.
bool readWordBatch(UNSIGNED16 address, unsigned count, UNSIGNED16* out)
{
    unsigned char frames[12];
    for (unsigned k = 0; k < count; ++k)
        putReadFrame(frames + 3 * k, static_cast<UNSIGNED16>(address + 2 * k));
    unsigned char reply[8];
    const UNSIGNED32 before = siu_IncompleteReplies;
    siu_send(frames, 3 * count);
    siu_receiveBytes(reply, 2 * count);
    for (unsigned k = 0; k < count; ++k)
        out[k] = static_cast<UNSIGNED16>(reply[2 * k + 1] << 8 | reply[2 * k]);
    return siu_IncompleteReplies == before;
}

// One word read that must be answered in full.
bool readWord(UNSIGNED16 address, UNSIGNED16& value)
{
    const UNSIGNED32 before = siu_IncompleteReplies;
    value = siu_ReadCommand(address);
    return siu_IncompleteReplies == before;
}

// One word write that must be acknowledged in full.
bool writeWord(UNSIGNED16 address, UNSIGNED16 value)
{
    const UNSIGNED32 before = siu_IncompleteReplies;
    return siu_WriteCommand(address, value) == 0 && siu_IncompleteReplies == before;
}

void refuse(UNSIGNED16* freshnessValue)
{
    lp_AccessFailed = 1;
    if (freshnessValue)
        *freshnessValue = 0xFFFF;
}

UNSIGNED16 sinkWord0(UNSIGNED16 fCode)
{
    return static_cast<UNSIGNED16>(fCode << 12 | 0x402);
}

UNSIGNED16 sourceWord0(UNSIGNED16 fCode)
{
    return static_cast<UNSIGNED16>((fCode & 0xFF) << 12 | 0x802);
}

// Enters a new port into the controller's tables. Returns its index; 0 when
// the tables are full (the port then reads as stale) or when the controller
// did not take the table entry (lp_AccessFailed).
UNSIGNED16 configurePort(UNSIGNED16 logAddr, UNSIGNED16 fCode, bool sink)
{
    if (lp_NoOfPortsConfigured >= LP_MAX_PORTS) {
        mvb_log("MVB: port %u not configured, port tables full", static_cast<unsigned>(logAddr));
        return 0;
    }
    lp_port_Index = static_cast<UNSIGNED16>(lp_port_Index + 4);
    const UNSIGNED16 p = lp_port_Index;
    const UNSIGNED16 c = pcsAddress(p);
    if (!writeWord(tableEntryAddress(logAddr), p)) {
        // Not configured: the index is given out again next time.
        lp_port_Index = static_cast<UNSIGNED16>(lp_port_Index - 4);
        lp_AccessFailed = 1;
        return 0;
    }
    const UNSIGNED16 word0 = sink ? sinkWord0(fCode) : sourceWord0(fCode);
    g_indexOf[logAddr & 0x0FFF] = p;
    g_word0Of[logAddr & 0x0FFF] = word0;
    siu_WriteCommand(c, word0);
    if (sink) {
        siu_WriteCommand(static_cast<UNSIGNED16>(c + 4), 0);
        lp_NoOfPortsConfigured = static_cast<UNSIGNED16>(lp_NoOfPortsConfigured + 1);
        mvb_configureSTSR(TM_STSR_INTERVAL_1MS, static_cast<UNSIGNED16>(lp_NoOfPortsConfigured * 4));
    } else {
        lp_NoOfPortsConfigured = static_cast<UNSIGNED16>(lp_NoOfPortsConfigured + 1);
    }
    return p;
}

// Port index of logAddr as the controller's table holds it, checked against
// the index this driver gave the port. 0 (with lp_AccessFailed) when the
// answer is incomplete or contradicts it.
UNSIGNED16 checkedPortIndex(UNSIGNED16 logAddr)
{
    UNSIGNED16 p = 0;
    if (!readWord(tableEntryAddress(logAddr), p) || p == 0 || p != g_indexOf[logAddr & 0x0FFF]) {
        lp_AccessFailed = 1;
        return 0;
    }
    return p;
}

// Port index of logAddr, configuring the port on first use. 0 when it cannot
// be used now (lp_AccessFailed tells whether the controller is to blame).
UNSIGNED16 portIndexFor(UNSIGNED16 logAddr, UNSIGNED16 fCode, bool sink)
{
    UNSIGNED16 p = 0;
    if (!readWord(tableEntryAddress(logAddr), p)) {
        lp_AccessFailed = 1;
        return 0;
    }
    const UNSIGNED16 mine = g_indexOf[logAddr & 0x0FFF];
    if (p == 0 && mine == 0)
        return configurePort(logAddr, fCode, sink);
    if (p != mine) {
        lp_AccessFailed = 1; // a table this driver did not write
        return 0;
    }
    return p;
}

// pcs_word1 as this driver and the controller may have left it.
bool plausibleWord1(UNSIGNED16 word1)
{
    return (word1 & ~(kErrorBits | kPageBit)) == 0;
}

void getDatasetAt(UNSIGNED16 logAddr, UNSIGNED16 p, UNSIGNED16* pData, UNSIGNED16* freshnessValue)
{
    const UNSIGNED16 c = pcsAddress(p);
    UNSIGNED16 pcs[3];
    if (!readWordBatch(c, 3, pcs)) {
        refuse(freshnessValue);
        return;
    }
    const UNSIGNED16 word0 = pcs[0], word1 = pcs[1], tack = pcs[2];
    if (word0 != g_word0Of[logAddr & 0x0FFF] || !plausibleWord1(word1)) {
        refuse(freshnessValue);
        return;
    }

    if ((word1 & kErrorBits) != 0) {
        // Error bits: the data is not taken; clear the status, keep the old data.
        siu_WriteCommand(static_cast<UNSIGNED16>(c + 2), 0);
        *freshnessValue = static_cast<UNSIGNED16>(~tack);
        return;
    }

    const UNSIGNED16 d = dataAddress(p, word1);
    const unsigned n = portWords(word0);
    UNSIGNED16 words[LP_MAX_PORT_WORDS];
    bool whole = true;
    if (n >= 4) {
        for (unsigned b = 0; whole && b < n / 4; ++b)
            whole = readWordBatch(static_cast<UNSIGNED16>(d + 8 * b), 4, words + 4 * b);
    } else {
        whole = readWordBatch(d, n, words);
    }
    if (!whole) {
        refuse(freshnessValue);
        return;
    }
    std::memcpy(pData, words, n * sizeof(UNSIGNED16));
    *freshnessValue = static_cast<UNSIGNED16>(~tack);
}

void putDatasetAt(UNSIGNED16 logAddr, UNSIGNED16 p, UNSIGNED16* pData)
{
    const UNSIGNED16 c = pcsAddress(p);
    UNSIGNED16 word0 = 0, word1 = 0;
    if (!readWord(c, word0) || !readWord(static_cast<UNSIGNED16>(c + 2), word1) ||
        word0 != g_word0Of[logAddr & 0x0FFF] || !plausibleWord1(word1)) {
        lp_AccessFailed = 1;
        return;
    }
    const unsigned page = (word1 >> 6) & 1u;
    const UNSIGNED16 d = dataAddress(p, word1);
    const unsigned n = portWords(word0);
    const UNSIGNED32 before = siu_IncompleteReplies;
    for (unsigned k = 0; k < n; ++k)
        siu_WriteCommand(static_cast<UNSIGNED16>(d + 2 * k), pData[k]);
    siu_WriteCommand(static_cast<UNSIGNED16>(c + 2), page == 0 ? kPageBit : 0x0000);
    if (siu_IncompleteReplies != before)
        lp_AccessFailed = 1;
}

} // namespace

UNSIGNED16 lp_portsConfigured()
{
    return lp_NoOfPortsConfigured;
}

void lp_resetState()
{
    lp_port_Index = 0;
    lp_NoOfPortsConfigured = 0;
    lp_AccessFailed = 0;
    std::memset(g_indexOf, 0, sizeof g_indexOf);
    std::memset(g_word0Of, 0, sizeof g_word0Of);
}

void lp_getDataset(UNSIGNED16 logAddr, UNSIGNED16* pData, UNSIGNED16* freshnessValue)
{
    lp_AccessFailed = 0;
    const UNSIGNED16 p = checkedPortIndex(logAddr);
    if (p == 0) {
        refuse(freshnessValue);
        return;
    }
    getDatasetAt(logAddr, p, pData, freshnessValue);
}

void readProcessData(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* pv_data, UNSIGNED16* freshnessValue)
{
    lp_AccessFailed = 0;
    const UNSIGNED16 p = portIndexFor(logAddr, fCode, true);
    if (p == 0) {
        *freshnessValue = 0xFFFF;
        return;
    }
    getDatasetAt(logAddr, p, pv_data, freshnessValue);
}

void getFreshnessCount(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* freshnessValue)
{
    lp_AccessFailed = 0;
    const UNSIGNED16 p = portIndexFor(logAddr, fCode, true);
    if (p == 0) {
        *freshnessValue = 0xFFFF;
        return;
    }
    UNSIGNED16 tack = 0;
    if (!readWord(static_cast<UNSIGNED16>(pcsAddress(p) + 4), tack)) {
        refuse(freshnessValue);
        return;
    }
    *freshnessValue = static_cast<UNSIGNED16>(~tack);
}

void lp_putDataset(UNSIGNED16 logAddr, UNSIGNED16* pData)
{
    lp_AccessFailed = 0;
    const UNSIGNED16 p = checkedPortIndex(logAddr);
    if (p != 0)
        putDatasetAt(logAddr, p, pData);
}

void writeProcessData(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* pv_data)
{
    lp_AccessFailed = 0;
    // The table entry is read once to configure the port on first use, and
    // again by lp_putDataset, as the controller has always been addressed.
    if (portIndexFor(logAddr, fCode, false) != 0)
        lp_putDataset(logAddr, pv_data);
}

void lp_initProcessData(DS_NAME* cfgSet, UNSIGNED16 noOfPort)
{
    for (unsigned i = 0; i < noOfPort; ++i) {
        const UNSIGNED16 p = static_cast<UNSIGNED16>(4 * (i + 1));
        const UNSIGNED16 c = pcsAddress(p);
        const UNSIGNED16 l = cfgSet[i].logicalAddr & 0x0FFF;
        siu_WriteCommand(tableEntryAddress(cfgSet[i].logicalAddr), p);
        g_indexOf[l] = p;
        g_word0Of[l] = 0;
        if (cfgSet[i].direction == LP_SINK) {
            g_word0Of[l] = sinkWord0(cfgSet[i].functionCode);
            siu_WriteCommand(c, g_word0Of[l]);
        } else if (cfgSet[i].direction == LP_SOURCE) {
            g_word0Of[l] = static_cast<UNSIGNED16>(cfgSet[i].functionCode << 12 | 0x802);
            siu_WriteCommand(c, g_word0Of[l]);
        }
        siu_WriteCommand(static_cast<UNSIGNED16>(c + 4), 0);
    }
    mvb_configureSTSR(TM_STSR_INTERVAL_1MS, static_cast<UNSIGNED16>(noOfPort * 4));
}
