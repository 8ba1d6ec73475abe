#pragma once
// Decoding of the raw signals into the values and texts the screens show:
// which of the two vehicle control processors to take a value from, what to
// show when the source is stale (unknownText(), TriNoData), scaling and
// formatting. One decoder per sub-system, see mvbvaria.cpp.

#include <QString>

#include "acquisition/bus_exchange.h"
#include "acquisition/signal_store.h"

class mvbvaria {
public:
    // One decoding pass over the store, after the port map has filled it.
    void updatemvbvariables(SignalStore& store, const BusRequests& requests);

    // A 16-bit word as its signed value.
    static float Check_Negative_Value(int x);
    // Life-sign supervision of processor `index`: 1 changed, 0 unchanged,
    // 2 unchanged for 1000 passes or more.
    static int Lifesign_Check(SignalStore& store, unsigned int value, unsigned int index);
    // Nine digits in groups of three ("000 000 042"); longer numbers unsplit.
    static QString Enegry_Display(int e);
    // Loco class from the loco number; empty for numbers outside the known ranges.
    static QString locoClass(unsigned int locoNumber);
};
