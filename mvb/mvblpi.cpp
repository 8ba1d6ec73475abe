// Process data ports.
//
// Beyond the bare protocol:
//  - The word count of a port comes from its F-code in pcs_word0. A garbled
//    status word (a controller that does not answer reads as 0xFFFF) would ask
//    for up to 32768 words; the count is capped at the sixteen words of the
//    largest port so the caller's buffer is never overrun.
//  - A port is only configured while the controller's tables have room
//    (255 ports); further ports are left unconfigured and read as stale.
//  - A reply that stays short fills the missing bytes with zeros (see
//    siu_receiveBytes); the freshness value is what tells the caller whether
//    the data can be used.

#include "mvb/mvblpi.h"

#include "mvb/mvb_log.h"
#include "mvb/mvbc.h"
#include "mvb/mvbspc.h"

UNSIGNED16 lp_port_Index = 0;

namespace {

UNSIGNED16 lp_NoOfPortsConfigured = 0;

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
void readWordBatch(UNSIGNED16 address, unsigned count, UNSIGNED16* out)
{
    unsigned char frames[12];
    for (unsigned k = 0; k < count; ++k)
        putReadFrame(frames + 3 * k, static_cast<UNSIGNED16>(address + 2 * k));
    unsigned char reply[8];
    siu_send(frames, 3 * count);
    siu_receiveBytes(reply, 2 * count);
    for (unsigned k = 0; k < count; ++k)
        out[k] = static_cast<UNSIGNED16>(reply[2 * k + 1] << 8 | reply[2 * k]);
}

// Enters a new port into the controller's tables. Returns its index, 0 when
// the tables are full.
UNSIGNED16 configurePort(UNSIGNED16 logAddr, UNSIGNED16 fCode, bool sink)
{
    if (lp_NoOfPortsConfigured >= LP_MAX_PORTS) {
        mvb_log("MVB: port %u not configured, port tables full", static_cast<unsigned>(logAddr));
        return 0;
    }
    lp_port_Index = static_cast<UNSIGNED16>(lp_port_Index + 4);
    const UNSIGNED16 p = lp_port_Index;
    const UNSIGNED16 c = pcsAddress(p);
    siu_WriteCommand(tableEntryAddress(logAddr), p);
    if (sink) {
        siu_WriteCommand(c, static_cast<UNSIGNED16>(fCode << 12 | 0x402));
        siu_WriteCommand(static_cast<UNSIGNED16>(c + 4), 0);
        lp_NoOfPortsConfigured = static_cast<UNSIGNED16>(lp_NoOfPortsConfigured + 1);
        mvb_configureSTSR(TM_STSR_INTERVAL_1MS, static_cast<UNSIGNED16>(lp_NoOfPortsConfigured * 4));
    } else {
        siu_WriteCommand(c, static_cast<UNSIGNED16>((fCode & 0xFF) << 12 | 0x802));
        lp_NoOfPortsConfigured = static_cast<UNSIGNED16>(lp_NoOfPortsConfigured + 1);
    }
    return p;
}

// Port index of logAddr, configuring the port on first use. 0 when it could not be configured.
UNSIGNED16 portIndexFor(UNSIGNED16 logAddr, UNSIGNED16 fCode, bool sink)
{
    const UNSIGNED16 p = siu_ReadCommand(tableEntryAddress(logAddr));
    if (p != 0)
        return p;
    return configurePort(logAddr, fCode, sink);
}

void getDatasetAt(UNSIGNED16 p, UNSIGNED16* pData, UNSIGNED16* freshnessValue)
{
    const UNSIGNED16 c = pcsAddress(p);
    UNSIGNED16 pcs[3];
    readWordBatch(c, 3, pcs);
    const UNSIGNED16 word0 = pcs[0], word1 = pcs[1], tack = pcs[2];

    if ((word1 & 0x1F) != 0) {
        // Error bits: the data is not taken; clear the status, keep the old data.
        siu_WriteCommand(static_cast<UNSIGNED16>(c + 2), 0);
        *freshnessValue = static_cast<UNSIGNED16>(~tack);
        return;
    }

    const UNSIGNED16 d = dataAddress(p, word1);
    const unsigned n = portWords(word0);
    *freshnessValue = static_cast<UNSIGNED16>(~tack);

    if (n >= 4) {
        for (unsigned b = 0; b < n / 4; ++b)
            readWordBatch(static_cast<UNSIGNED16>(d + 8 * b), 4, pData + 4 * b);
    } else {
        readWordBatch(d, n, pData);
    }
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
}

void lp_getDataset(UNSIGNED16 logAddr, UNSIGNED16* pData, UNSIGNED16* freshnessValue)
{
    getDatasetAt(siu_ReadCommand(tableEntryAddress(logAddr)), pData, freshnessValue);
}

void readProcessData(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* pv_data, UNSIGNED16* freshnessValue)
{
    const UNSIGNED16 p = portIndexFor(logAddr, fCode, true);
    if (p == 0) {
        *freshnessValue = 0xFFFF;
        return;
    }
    getDatasetAt(p, pv_data, freshnessValue);
}

void getFreshnessCount(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* freshnessValue)
{
    const UNSIGNED16 p = portIndexFor(logAddr, fCode, true);
    if (p == 0) {
        *freshnessValue = 0xFFFF;
        return;
    }
    *freshnessValue = static_cast<UNSIGNED16>(~siu_ReadCommand(static_cast<UNSIGNED16>(pcsAddress(p) + 4)));
}

void lp_putDataset(UNSIGNED16 logAddr, UNSIGNED16* pData)
{
    const UNSIGNED16 p = siu_ReadCommand(tableEntryAddress(logAddr));
    const UNSIGNED16 c = pcsAddress(p);
    const UNSIGNED16 word0 = siu_ReadCommand(c);
    const UNSIGNED16 word1 = siu_ReadCommand(static_cast<UNSIGNED16>(c + 2));
    const unsigned page = (word1 >> 6) & 1u;
    const UNSIGNED16 d = dataAddress(p, word1);
    const unsigned n = portWords(word0);
    for (unsigned k = 0; k < n; ++k)
        siu_WriteCommand(static_cast<UNSIGNED16>(d + 2 * k), pData[k]);
    siu_WriteCommand(static_cast<UNSIGNED16>(c + 2), page == 0 ? 0x0040 : 0x0000);
}

void writeProcessData(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* pv_data)
{
    const UNSIGNED16 p = siu_ReadCommand(tableEntryAddress(logAddr));
    if (p == 0 && configurePort(logAddr, fCode, false) == 0)
        return;
    lp_putDataset(logAddr, pv_data);
}

void lp_initProcessData(DS_NAME* cfgSet, UNSIGNED16 noOfPort)
{
    for (unsigned i = 0; i < noOfPort; ++i) {
        const UNSIGNED16 p = static_cast<UNSIGNED16>(4 * (i + 1));
        const UNSIGNED16 c = pcsAddress(p);
        siu_WriteCommand(tableEntryAddress(cfgSet[i].logicalAddr), p);
        if (cfgSet[i].direction == LP_SINK)
            siu_WriteCommand(c, static_cast<UNSIGNED16>(cfgSet[i].functionCode << 12 | 0x402));
        else if (cfgSet[i].direction == LP_SOURCE)
            siu_WriteCommand(c, static_cast<UNSIGNED16>(cfgSet[i].functionCode << 12 | 0x802));
        siu_WriteCommand(static_cast<UNSIGNED16>(c + 4), 0);
    }
    mvb_configureSTSR(TM_STSR_INTERVAL_1MS, static_cast<UNSIGNED16>(noOfPort * 4));
}
