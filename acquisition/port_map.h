#pragma once
// The port map as data: the ports of the first part of the bus cycle in cycle
// order, and every signal cut from them. One table drives the extraction into
// the signal store, the store dump of the probe, and the tests.

#include <cstddef>
#include <cstdint>

#include "acquisition/signal_store.h"

enum class SignalKind : uint8_t {
    Bit,        // flag from one bit
    BitIfFresh, // flag from one bit, 0 while the port is stale
    Zero,       // flag written 0 every cycle
    Value,      // the word itself
    Scaled,     // (word AND mask) / 4096 x factor, computed in double
    HighByte,   // high byte of the word
    LowByte,    // low byte of the word
};

enum class SignalType : uint8_t { Char, Int, UInt, Float, Double };

struct PortSignal {
    uint16_t port;
    uint8_t word;
    uint8_t bit;
    SignalKind kind;
    SignalType type;
    uint16_t mask;
    double factor;
    size_t offset; // of the member in RawSignals
    const char* name;
};

struct CyclePort {
    uint16_t port;
    uint8_t fcode;
    size_t freshnessOffset; // of freshness_<port> in PortFreshness
    int firstSignal;        // signals of this port: [firstSignal, firstSignal + signalCount)
    int signalCount;
};

// Ports of the first part of the cycle, in cycle order.
const CyclePort* firstPartPorts();
int firstPartPortCount();

// Every signal of the first part, grouped by port in cycle order.
const PortSignal* portSignals();
int portSignalCount();

// The signal as a number (flags 0/1, words, scaled values).
double readSignal(const RawSignals& raw, const PortSignal& sig);
// Stores `value` into the signal's member, converted to its type.
void writeSignal(RawSignals& raw, const PortSignal& sig, double value);

unsigned short& freshnessOf(PortFreshness& f, const CyclePort& port);
unsigned short freshnessOf(const PortFreshness& f, const CyclePort& port);

// Cuts one port's words into its signals and stores its freshness.
void extractPortSignals(SignalStore& store, const CyclePort& port, const uint16_t* words, uint16_t freshness);
// Marks one port stale without cutting words: its signals keep the words last
// read (those forced to 0 while stale are cleared).
void markPortStale(SignalStore& store, const CyclePort& port);
