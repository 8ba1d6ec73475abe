#pragma once
// The signal store: every raw signal cut from the bus, the freshness of every
// port, the derived display values and texts, the DDS raw records and the
// results of the maintenance viewers. The acquisition thread owns one live
// store and publishes a copy after every pass; the screens read such a copy.

#include <QString>

#include "acquisition/dds_records.h"

// Raw signals, named after the vehicle signal list (processor_dataset_signal).
struct RawSignals {
#define PM_BIT(port, word, bit, name) char name = 0;
#define PM_BIT_IF_FRESH(port, word, bit, name) char name = 0;
#define PM_ZERO(port, name) char name = 0;
#define PM_VALUE(port, word, type, name) type name = 0;
#define PM_SCALED(port, word, mask, factor, type, name) type name = 0;
#define PM_HIGH_BYTE(port, word, name) int name = 0;
#define PM_LOW_BYTE(port, word, name) int name = 0;
#include "acquisition/port_map.def"
    // Sub-system states of FLG2; no port feeds them, they stay 0.
    int FLG2_D54_BSubS06_Off = 0;
    int FLG2_D54_BSubS07_Off = 0;
    int FLG2_D54_BSubS08_Off = 0;
};

// Freshness of every port of the first part of the cycle: freshness_<port>.
// 10000 (Max_Freshness) or more means stale.
struct PortFreshness {
#define PM_PORT(port, fcode) unsigned short freshness_##port = 0;
#include "acquisition/port_map.def"
};

struct DerivedValues {
#define DV_INT(name) int name = 0;
#define DV_DOUBLE(name) double name = 0.0;
#define DV_STRING(name) QString name;
#define DV_INT_ARRAY(name, n) int name[n] = {};
#define DV_UINT_ARRAY(name, n) unsigned int name[n] = {};
#define DV_STRING_ARRAY(name, n) QString name[n];
#include "acquisition/derived_values.def"
#undef DV_INT
#undef DV_DOUBLE
#undef DV_STRING
#undef DV_INT_ARRAY
#undef DV_UINT_ARRAY
#undef DV_STRING_ARRAY
};

// One row of the telegram / freshness viewer.
struct Telegram_Details_struct {
    int telegram = 0;      // port address
    int port_type = 0;     // 0 = port read from the bus, 1 = a display output port
    int fun_code = 0;      // F-code
    int freshness = 0;     // last value
    int max_freshness = 0; // largest value seen
};

// One variable picked in the variable monitor.
struct DDU_Micview_Details_struct {
    int telegram = 0;
    int fun_code = 0;
    int byte_offset = 0;
    int bite_offset = 0; // bit number
    int data_type = 0;
    // How the value reads when the port map knows the signal: a scaled value
    // is (word AND mask) / 4096 x factor with `decimals` places, the word
    // taken as signed where `signedWord` (factor 0: the data type's own
    // text); `unit` follows the number when not empty.
    double factor = 0.0;
    int mask = 0xFFFF;
    int decimals = 1;
    bool signedWord = false; // the scaled word is a signed 16-bit number
    QString unit;
};

constexpr int TELEGRAM_DETAILS_MAX = 200;
constexpr int DDU_MICVIEW_MAX = 30;

struct SignalStore : RawSignals, PortFreshness, DerivedValues {
    DDU_RAW_DATA_struct DDU_RAW_DATA[DDU_RAW_DATA_COUNT];
    // Freshness of the DDS port (2650) as the last pass read it; its records
    // above stay as they were while it is stale.
    unsigned short freshness_2650 = 0;

    // Output buffers of the display's own port in cab 1 (3015) and cab 2 (3201).
    unsigned short Data_3015[16] = {};
    unsigned short Data_3201[16] = {};

    // Telegram / freshness viewer: the rows with their freshness, and the data
    // words of the selected row while the port data view is open.
    Telegram_Details_struct Telegram_Details[TELEGRAM_DETAILS_MAX];
    int port_buffer_count = 0;
    unsigned short port_buffer[16] = {};

    // The port whose words port_buffer holds from this pass (0: none).
    int port_buffer_port = 0;

    // Variable monitor: formatted value of each monitored variable.
    QString DDU_Micview_Data[DDU_MICVIEW_MAX];
    int DDU_Micview_Data_temp = 0;

    // Version of the viewer selection (ViewerSelection::version) the telegram
    // rows, port_buffer and monitor texts of this store were made for: the
    // screens show nothing of a selection they no longer hold.
    unsigned viewer_version = 0;

    int Selected_VCU_Type = 0;         // set to 3 by every bus cycle
    unsigned long long pass_count = 0; // passes published so far (bus or simulation)
    // The values come from the internal simulation (the demo), not from the vehicle.
    bool simulated = false;
};
