#pragma once
// The pages of the processor I/O screens as data: for each remote I/O
// processor (1 RIOM1, 2 RIOM2, 3 BRIO1, 4 BRIO2) and each of its three slots
// (1 digital inputs, 2 digital outputs, 3 analogue values) the two tables
// side by side: their caption, the signal name and connector pin of each
// line, and where the line's state comes from in the signal store.

#include <QString>

#include "acquisition/signal_store.h"

namespace io {

constexpr int kLines = 16; // lines of a table

struct Line {
    const char* pin;
    const char* name;
};

enum class Source {
    None,    // no signals: every line shows "-"
    Digital, // lamps from an int image (0 off, 1 on, 2 no data)
    Analog,  // texts from a text image ("????" while stale)
};

struct Side {
    const char* caption;
    Source source;
    const int* (*digital)(const SignalStore&);
    const QString* (*analog)(const SignalStore&);
    int first; // element shown in line 0
    int count; // elements shown (lines from `count` on show "-")
    const Line* lines;
    int lineCount; // lines with a signal name (the others show "-")
};

struct Page {
    Side left;
    Side right;
};

struct Processor {
    const char* title; // "RIOM1 SIGNAL"
    Page pages[3];
};

// The pages of `processor` (1..4), or nullptr for a processor without pages.
const Processor* processor(int number);

// Life sign of a processor's page: the flag of the store (1 while the life
// sign moves), and whether its source is on the bus and fresh.
struct LifeSign {
    int flag;   // 1: alive in this pass
    bool known; // false: the source is stale or not on the bus
};
LifeSign lifeSign(const SignalStore& s, int processor);

} // namespace io
