#pragma once
// One DDS record of the window of four that the vehicle publishes in port 2650.
// The port map fills the raw fields; the DDS thread converts them into the four
// display texts; the DDS screen draws them.

#include <QString>

struct DDU_RAW_DATA_struct {
    int event_number_new = 0;  // event number of the last conversion (0: empty slot)
    int event_number_old = 0;  // value the screen last drew (-1 at start, -10 after a conversion)
    int event_number_pixy = 0; // event_number_raw as last converted
    int event_number_raw = 0;  // event (reference) number from the bus; 0 = empty slot
    int device_number = 0;     // processor index 0..10 (high byte of the record's second word)
    int fault_number = 0;      // message code within that processor (low byte)
    int device_number_old = 0; // device_number as last converted
    int fault_number_old = 0;  // fault_number as last converted
    int datetime1 = 0;         // event time, high 16 bits (seconds since 1970 UTC)
    int datetime2 = 0;         // event time, low 16 bits
    QString event_number;      // reference number in decimal
    QString DateTime;          // "dd/MM/yyyy HH:mm:ss", local time
    QString Proc;              // processor name
    QString FaultMessage;      // catalogue text
};

constexpr int DDU_RAW_DATA_COUNT = 4;
