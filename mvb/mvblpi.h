#pragma once
// Process data ports: read a sink or write a source port by its 12-bit
// logical address, configuring it in the controller on first use.

#include "mvb/mvb_types.h"

enum PORT_DIR_TYPE {
    LP_SINK = 0,
    LP_SOURCE = 1,
    LP_PASSIVE = 2,
};

struct DS_NAME {
    UNSIGNED16 logicalAddr;
    PORT_DIR_TYPE direction;
    UNSIGNED16 functionCode;
};

// Port control and status block of one port index in traffic memory.
struct mvb_pcs_type {
    UNSIGNED16 pcs_word0; // bits 12..15 F-code; 0x402 sink, 0x802 source
    UNSIGNED16 pcs_word1; // bits 0..4 error bits, bit 6 page selector
    UNSIGNED16 tack;      // time counter; freshness is its complement
    UNSIGNED16 crc;
};

// Largest port: F-code 4, sixteen words. Buffers passed in hold at least this.
constexpr int LP_MAX_PORT_WORDS = 16;
// Ports the controller's tables can hold (port indices 4 .. 1020).
constexpr int LP_MAX_PORTS = 255;

extern UNSIGNED16 lp_port_Index; // last port index handed out (4, 8, 12, ...)
// Set by every port access whose controller answers were incomplete or
// contradicted the configuration this driver made (see mvblpi.cpp); the
// access then reported freshness 0xFFFF and left the data buffer alone.
// Cleared at the start of each access.
extern UNSIGNED8 lp_AccessFailed;

void readProcessData(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* pv_data, UNSIGNED16* freshnessValue);
void writeProcessData(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* pv_data);
void getFreshnessCount(UNSIGNED16 logAddr, UNSIGNED16 fCode, UNSIGNED16* freshnessValue);
void lp_getDataset(UNSIGNED16 logAddr, UNSIGNED16* pData, UNSIGNED16* freshnessValue);
void lp_putDataset(UNSIGNED16 logAddr, UNSIGNED16* pData);
void lp_initProcessData(DS_NAME* cfgSet, UNSIGNED16 noOfPort);

// Number of ports configured so far (sinks and sources).
UNSIGNED16 lp_portsConfigured();
// Forgets the ports handed out (after the controller's tables were cleared by
// a new mvb_init); used by tools and tests that bring the controller up again.
void lp_resetState();
