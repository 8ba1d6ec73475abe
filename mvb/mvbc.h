#pragma once
// Configuration of the MVB controller: from reset to full operation.

#include "mvb/mvb_types.h"

// Traffic memory layout in 64 KB mode (byte addresses).
enum {
    MVB_MEM_MODE_64KB = 2,
    TM_LA_PIT = 0x0000,
    TM_DA_PIT = 0x2000,
    TM_LA_DATA_AREA = 0x4000,
    TM_LA_FORCE_TABLE = 0x8000,
    TM_LA_PCS = 0xC000,
    TM_DA_DATA_AREA = 0xE000,
    TM_DA_PCS = 0xF000,
    TM_RESERVED_AREA = 0xF800,
    TM_LLR_AREA = 0xF800,
    TM_DATA_REC_AREA = 0xF900,
    TM_SER_AREA = 0xFC00,
    TM_PHY_PORT_DA = 0xFC00,
    TM_PHY_PORT_PCS = 0xFE00,
    TM_EXT_REG = 0xFF00,
    TM_INT_REG = 0xFF80,
    TM_END = 0xFFFF,
};

enum {
    SER_AREA_MAXSIZE = 1023,
    PIT_MAXSIZE = 8190,
    LA_PCS_MAXSIZE = 57342,
    DA_PCS_MAXSIZE = 255,
    DATA_AREA_MAXSIZE = 16384,
};

// Internal registers.
enum TM_INTERNAL_REG_TYPE {
    TM_SCR = 0xFF80,  // status control register
    TM_MCR = 0xFF84,  // memory configuration register
    TM_DR = 0xFF88,   // decoder register
    TM_STSR = 0xFF8C, // interval code (bits 12..15) and port-index count (bits 0..9)
    TM_DAOR = 0xFFD8, // device address
    TM_DAOK = 0xFFDC, // key register enabling the device address
};

// Where SCR and MCR sit before the memory is switched to 64 KB.
enum TM_INTERNAL_REG_ON_RESET_TYPE {
    TM_SCR_OR = 0x3F80,
    TM_MCR_OR = 0x3F84,
};

enum TM_STSR_INTERVAL {
    TM_STSR_INTERVAL_OFF = 0,
    TM_STSR_INTERVAL_1MS = 1,
    TM_STSR_INTERVAL_2MS = 2,
    TM_STSR_INTERVAL_4MS = 3,
    TM_STSR_INTERVAL_8MS = 4,
    TM_STSR_INTERVAL_16MS = 5,
    TM_STSR_INTERVAL_32MS = 6,
    TM_STSR_INTERVAL_64MS = 7,
    TM_STSR_INTERVAL_128MS = 8,
    TM_STSR_INTERVAL_256MS = 9,
    TM_STSR_INTERVAL_MAX = 10,
};

extern UNSIGNED32 mvb_major_version;
extern UNSIGNED32 mvb_minor_version;
extern UNSIGNED32 mvb_build_number;
extern BOOLEAN1 MVB_Enable_EMD; // EMD decoder mode (true) or ESD mode (false)

INTEGER8 mvb_init();
INTEGER8 mvb_activate();
INTEGER8 mvb_setDeviceAddress(UNSIGNED16 address);
// Device address read back from the controller (the low byte of TM_DAOR).
UNSIGNED16 mvb_getDeviceAddress();
INTEGER8 mvb_configureSTSR(int interval, UNSIGNED16 count);
INTEGER8 mvb_setInternalReg(UNSIGNED16 ltm_address_offset, UNSIGNED16 ldata_buff);
void mvb_waitUntill(unsigned int n);
INTEGER8 mvb_enableMVBCModes();
void mvb_formatPIT();
void mvb_formatPCS();
void mvb_formatDataArea();
void closePort();
