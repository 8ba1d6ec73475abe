// Configuration of the MVB controller. Each step is a sequence of word reads
// and writes over the serial link; every step logs one line and the first
// failing step ends the sequence with -1.

#include "mvb/mvbc.h"

#include "mvb/mvb_log.h"
#include "mvb/mvbspc.h"

UNSIGNED32 mvb_major_version = 0;
UNSIGNED32 mvb_minor_version = 0;
UNSIGNED32 mvb_build_number = 0;
BOOLEAN1 MVB_Enable_EMD = 1;

namespace {
const char kAsterisks34[] = "**********************************";
const INTEGER8 kFail = static_cast<INTEGER8>(0xFF);
} // namespace

INTEGER8 mvb_setInternalReg(UNSIGNED16 ltm_address_offset, UNSIGNED16 ldata_buff)
{
    UNSIGNED16 value = siu_ReadCommand(ltm_address_offset);
    if (siu_ReadByteFailure) {
        siu_ReadByteFailure = 0;
        return kFail;
    }
    return siu_WriteCommand(ltm_address_offset, static_cast<UNSIGNED16>(value | ldata_buff));
}

void mvb_waitUntill(unsigned int n)
{
    for (volatile unsigned int i = 0; i < n; i = i + 1) { }
}

INTEGER8 mvb_enableMVBCModes()
{
    if (MVB_Enable_EMD) {
        if (mvb_setInternalReg(TM_DR, 0x6020) == 0) {
            mvb_log("MVB: MVBC set to EMD Mode!!");
            return 0;
        }
        return kFail;
    }
    mvb_log("MVB: MVBC set to ESD Mode!!");
    return 0;
}

void mvb_formatPIT()
{
    mvb_log("MVB: Formatting PIT...");
    for (unsigned a = 0x0000; a <= 0x0FFE; a += 2)
        siu_WriteCommand(static_cast<UNSIGNED16>(a), 0);
    for (unsigned a = 0x1000; a <= 0x1FFE; a += 2)
        siu_WriteCommand(static_cast<UNSIGNED16>(a), 0);
}

void mvb_formatPCS()
{
    mvb_log("MVB: Formatting PCS...");
    // The first two words of every 8-byte port control block: pcs_word0, pcs_word1.
    for (unsigned a = 0xC000; a <= 0xDFFE; a += 2) {
        const unsigned low = a & 0xF;
        if (low == 0 || low == 2)
            siu_WriteCommand(static_cast<UNSIGNED16>(a), 0);
    }
}

void mvb_formatDataArea()
{
    mvb_log("MVB: Formatting LA-DA...");
    for (unsigned a = 0x4000; a <= 0x4FFE; a += 2)
        siu_WriteCommand(static_cast<UNSIGNED16>(a), 0);
    for (unsigned a = 0x5000; a <= 0x5FFE; a += 2)
        siu_WriteCommand(static_cast<UNSIGNED16>(a), 0);
}

void closePort()
{
    mvb_formatPIT();
    mvb_formatPCS();
    mvb_formatDataArea();
}

INTEGER8 mvb_init()
{
    mvb_major_version = 2;
    mvb_minor_version = 1;
    mvb_build_number = 1;
    mvb_log("%s", kAsterisks34);
    mvb_log("MVB: Initializing MVB_v%d.%d.%d...", static_cast<int>(mvb_major_version),
            static_cast<int>(mvb_minor_version), static_cast<int>(mvb_build_number));

    if (siu_WriteCommand(TM_SCR, 0x0700) != 0) {
        mvb_log("MVB: Set MVB to reset mode failed!!");
        return kFail;
    }
    if (mvb_setInternalReg(TM_SCR_OR, 0x0001) != 0) {
        mvb_log("MVB: Setting MVBC to configure mode failed!!");
        return kFail;
    }
    if (siu_ReadCommand(TM_SCR_OR) != 0x0701) {
        mvb_log("MVB: MVBC not set to configure mode!!");
        return kFail;
    }
    if (mvb_setInternalReg(TM_MCR_OR, 0x0002) != 0) {
        mvb_log("MVB: Setting MVBC to 64KB failed!!");
        return kFail;
    }
    mvb_waitUntill(200);
    if (mvb_setInternalReg(TM_SCR, 0x0704) != 0) {
        mvb_log("MVB: Memory mode changed.Setting MVBC to configure mode failed!!");
        return kFail;
    }
    if (siu_ReadCommand(TM_SCR) != 0x0705) {
        mvb_log("MVB: 64KB memory.SCR not set!!");
        return kFail;
    }
    if (siu_ReadCommand(TM_MCR) != 0x9082) {
        mvb_log("MVB: MCR not set!!");
        return kFail;
    }
    mvb_formatPIT();
    mvb_formatPCS();
    if (mvb_enableMVBCModes() != 0) {
        mvb_log("MVB: Configuration of Decoder failed!!");
        return kFail;
    }
    mvb_formatDataArea();
    mvb_log("MVB: OK!!");
    mvb_log("%s", kAsterisks34);
    return 0;
}

INTEGER8 mvb_activate()
{
    if (mvb_setInternalReg(TM_SCR, 0x0003) != 0) {
        mvb_log("MVB: MVB to full-op failed!!");
        return kFail;
    }
    return 0;
}

INTEGER8 mvb_setDeviceAddress(UNSIGNED16 address)
{
    if (address > 255)
        return kFail;
    if (mvb_setInternalReg(TM_DAOR, address) != 0)
        return kFail;
    if (mvb_setInternalReg(TM_DAOK, 0x94) != 0)
        return kFail;
    return 0;
}

UNSIGNED16 mvb_getDeviceAddress()
{
    return siu_ReadCommand(TM_DAOR) & 0xFF;
}

INTEGER8 mvb_configureSTSR(int interval, UNSIGNED16 count)
{
    if (interval > 9 || interval < 0 || count > 1023)
        return kFail;
    if (siu_WriteCommand(TM_STSR, static_cast<UNSIGNED16>(interval << 12 | count)) != 0)
        return kFail;
    return 0;
}
