#include "sim/dds_log.h"

#include <algorithm>

namespace sim {

namespace {

// Message codes of each processor: a range, less the codes the processor does
// not define.
struct CodeRange {
    int first;
    int last;
    int gaps[12]; // codes without text; unused entries are 0 (never a code)
};

const CodeRange& codeRange(int processor)
{
    static const CodeRange ranges[11] = {
        {1, 121, {119, 120}},                                  // FLG1
        {1, 121, {112, 119, 120}},                             // FLG2
        {1, 140, {}},                                          // SLG1
        {1, 140, {}},                                          // SLG2
        {1, 42, {33, 34, 35, 38, 39, 40}},                     // BUR1
        {1, 54, {35, 36, 40, 41, 46, 47, 48}},                 // BUR2
        {1, 54, {33, 34, 36, 37, 38, 39, 41, 42, 46, 47, 48}}, // BUR3
        {1, 13, {}},                                           // STB1
        {1, 13, {}},                                           // STB2
        {1, 18, {17}},                                         // HBB1
        {1, 18, {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}}, // HBB2
    };
    return ranges[processor];
}

} // namespace

DdsLog::DdsLog()
    : DdsLog(defaultEvents())
{
}

DdsLog::DdsLog(QVector<DdsEvent> newestFirst)
    : m_events(std::move(newestFirst))
{
}

int DdsLog::lastTop() const
{
    return std::max(0, int(m_events.size()) - kWindow);
}

void DdsLog::pageUp()
{
    m_top = std::max(0, m_top - kWindow);
}

void DdsLog::pageDown()
{
    m_top = std::min(lastTop(), m_top + kWindow);
}

void DdsLog::toTop()
{
    m_top = 0;
}

void DdsLog::toBottom()
{
    m_top = lastTop();
}

QVector<DdsEvent> DdsLog::window() const
{
    QVector<DdsEvent> records;
    for (int i = 0; i < kWindow; ++i) {
        const int index = m_top + i;
        records.append(index < m_events.size() ? m_events[index] : DdsEvent{});
    }
    return records;
}

QVector<quint16> DdsLog::portWords() const
{
    QVector<quint16> words;
    for (const DdsEvent& e : window()) {
        words << e.number << quint16((e.processor << 8) | e.code) << quint16(e.time >> 16) << quint16(e.time & 0xFFFF);
    }
    return words;
}

bool DdsLog::codeValid(int processor, int code)
{
    if (processor < 0 || processor > 10)
        return false;
    const CodeRange& r = codeRange(processor);
    if (code < r.first || code > r.last)
        return false;
    for (int gap : r.gaps) {
        if (gap == code)
            return false;
    }
    return true;
}

QString DdsLog::processorName(int processor)
{
    static const char* const names[11] = {"FLG1", "FLG2", "SLG1", "SLG2", "BUR1", "BUR2",
                                          "BUR3", "STB1", "STB2", "HBB1", "HBB2"};
    if (processor < 0 || processor > 10)
        return QString();
    return QString::fromLatin1(names[processor]);
}

// A data table, read entry by entry.
QVector<DdsEvent> DdsLog::defaultEvents()
{
    // Oldest first: processor, code, seconds since the previous event. The
    // history of a loco over three days: a catenary outage, a stop with the
    // alarm chain, a hot converter on a long climb, a battery charger fault,
    // banking operation, shunting.
    struct Entry {
        quint8 processor;
        quint8 code;
        quint32 gap;
    };
    static const Entry entries[] = {
        {0, 1, 0},       // FLG1 lifesign from FLG2 missing (start-up)
        {9, 5, 95},      // HBB1 no pressure in pan 1
        {0, 73, 4260},   // FLG1 pantograph lowered under load
        {2, 2, 2},       // SLG1 primary voltage < min
        {3, 2, 1},       // SLG2 primary voltage < min
        {4, 3, 1},       // BUR1 input undervoltage
        {5, 3, 1},       // BUR2 input undervoltage
        {6, 3, 1},       // BUR3 input undervoltage
        {0, 88, 610},    // FLG1 battery voltage low
        {7, 4, 1835},    // STB1 speed indication implausible
        {0, 25, 3120},   // FLG1 automatic brake pressure low
        {10, 2, 47},     // HBB2 no pressure in pan 1
        {2, 140, 5410},  // SLG1 bogie 1 wheel skidding
        {3, 140, 1},     // SLG2 bogie 2 wheel skidding
        {0, 92, 7260},   // FLG1 alarm chain pulling
        {1, 92, 1},      // FLG2 alarm chain pulling
        {8, 3, 15320},   // STB2 speedometer failed
        {2, 56, 9125},   // SLG1 heat sink temperature high
        {2, 59, 64},     // SLG1 converter temperature derating
        {0, 58, 3},      // FLG1 traction reduced - bogie1 fault
        {5, 53, 11870},  // BUR2 battery voltage below 86
        {5, 50, 305},    // BUR2 BCC over temperature
        {9, 11, 8940},   // HBB1 MCB of compressor 1 open
        {0, 37, 1210},   // FLG1 compressor 1 running too long
        {7, 13, 4455},   // STB1 BPCS is stuck on
        {0, 118, 2},     // FLG1 constant speed control failed
        {3, 89, 6150},   // SLG2 motor temperature high
        {6, 22, 13780},  // BUR3 inverter IGBT fail
        {4, 42, 3305},   // BUR1 contactor Q52/4 will not open
        {0, 115, 20460}, // FLG1 inching mode active
        {10, 18, 1280},  // HBB2 capacitor MR-blower not off
        {1, 1, 7390},    // FLG2 lifesign from FLG1 missing
        {0, 15, 2215},   // FLG1 trainbus disturbance - slave
        {9, 16, 5540},   // HBB1 loco in banking operation
        {10, 3, 1},      // HBB2 loco in banking operation
        {3, 36, 9870},   // SLG2 pre-charge contactor stuck on
        {8, 5, 4730},    // STB2 fire alarm 1 detected
        {0, 121, 12010}, // FLG1 loco in shunting mode
        {2, 119, 3460},  // SLG1 regenerative brake not possible
        {6, 54, 2890},   // BUR3 battery voltage below 82
    };
    constexpr quint32 kFirstTime = 1730522832; // 2024-11-02 04:47:12 UTC
    constexpr quint16 kFirstNumber = 1201;

    QVector<DdsEvent> oldestFirst;
    quint32 time = kFirstTime;
    quint16 number = kFirstNumber;
    for (const Entry& e : entries) {
        time += e.gap;
        oldestFirst.append(DdsEvent{number++, e.processor, e.code, time});
    }
    std::reverse(oldestFirst.begin(), oldestFirst.end());
    return oldestFirst;
}

} // namespace sim
