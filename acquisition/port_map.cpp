#include "acquisition/port_map.h"

#include <type_traits>
#include <vector>

namespace {

template <typename T> constexpr SignalType typeOf()
{
    if constexpr (std::is_same_v<T, char>)
        return SignalType::Char;
    else if constexpr (std::is_same_v<T, int>)
        return SignalType::Int;
    else if constexpr (std::is_same_v<T, unsigned int>)
        return SignalType::UInt;
    else if constexpr (std::is_same_v<T, float>)
        return SignalType::Float;
    else {
        static_assert(std::is_same_v<T, double>, "unsupported signal type");
        return SignalType::Double;
    }
}

#define SIG(port, word, bit, kind, mask, factor, name)                                                                 \
    PortSignal{port, word, bit, kind, typeOf<decltype(RawSignals::name)>(), mask, factor, offsetof(RawSignals, name),  \
               #name},

const PortSignal kSignals[] = {
#define PM_BIT(port, word, bit, name) SIG(port, word, bit, SignalKind::Bit, 0xFFFF, 1.0, name)
#define PM_BIT_IF_FRESH(port, word, bit, name) SIG(port, word, bit, SignalKind::BitIfFresh, 0xFFFF, 1.0, name)
#define PM_ZERO(port, name) SIG(port, 0, 0, SignalKind::Zero, 0xFFFF, 1.0, name)
#define PM_VALUE(port, word, type, name) SIG(port, word, 0, SignalKind::Value, 0xFFFF, 1.0, name)
#define PM_SCALED(port, word, mask, factor, type, name) SIG(port, word, 0, SignalKind::Scaled, mask, factor, name)
#define PM_HIGH_BYTE(port, word, name) SIG(port, word, 0, SignalKind::HighByte, 0xFFFF, 1.0, name)
#define PM_LOW_BYTE(port, word, name) SIG(port, word, 0, SignalKind::LowByte, 0xFFFF, 1.0, name)
#include "acquisition/port_map.def"
};
#undef SIG

struct PortHead {
    uint16_t port;
    uint8_t fcode;
    size_t freshnessOffset;
};

const PortHead kPortHeads[] = {
#define PM_PORT(port, fcode) PortHead{port, fcode, offsetof(PortFreshness, freshness_##port)},
#include "acquisition/port_map.def"
};

constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];
constexpr int kPortCount = sizeof kPortHeads / sizeof kPortHeads[0];

// Signals follow their port in the table, so each port owns one contiguous range.
std::vector<CyclePort> buildPorts()
{
    std::vector<CyclePort> ports;
    int s = 0;
    for (int p = 0; p < kPortCount; ++p) {
        CyclePort cp{kPortHeads[p].port, kPortHeads[p].fcode, kPortHeads[p].freshnessOffset, s, 0};
        while (s < kSignalCount && kSignals[s].port == cp.port) {
            ++s;
            ++cp.signalCount;
        }
        ports.push_back(cp);
    }
    return ports;
}

const std::vector<CyclePort>& ports()
{
    static const std::vector<CyclePort> p = buildPorts();
    return p;
}

template <typename T> T& member(RawSignals& raw, size_t offset)
{
    return *reinterpret_cast<T*>(reinterpret_cast<char*>(&raw) + offset);
}

template <typename T> const T& member(const RawSignals& raw, size_t offset)
{
    return *reinterpret_cast<const T*>(reinterpret_cast<const char*>(&raw) + offset);
}

} // namespace

const CyclePort* firstPartPorts()
{
    return ports().data();
}

int firstPartPortCount()
{
    return static_cast<int>(ports().size());
}

const PortSignal* portSignals()
{
    return kSignals;
}

int portSignalCount()
{
    return kSignalCount;
}

double readSignal(const RawSignals& raw, const PortSignal& sig)
{
    switch (sig.type) {
    case SignalType::Char: return member<char>(raw, sig.offset);
    case SignalType::Int: return member<int>(raw, sig.offset);
    case SignalType::UInt: return member<unsigned int>(raw, sig.offset);
    case SignalType::Float: return member<float>(raw, sig.offset);
    case SignalType::Double: return member<double>(raw, sig.offset);
    }
    return 0.0;
}

void writeSignal(RawSignals& raw, const PortSignal& sig, double value)
{
    switch (sig.type) {
    case SignalType::Char: member<char>(raw, sig.offset) = static_cast<char>(value); break;
    case SignalType::Int: member<int>(raw, sig.offset) = static_cast<int>(value); break;
    case SignalType::UInt: member<unsigned int>(raw, sig.offset) = static_cast<unsigned int>(value); break;
    case SignalType::Float: member<float>(raw, sig.offset) = static_cast<float>(value); break;
    case SignalType::Double: member<double>(raw, sig.offset) = value; break;
    }
}

unsigned short& freshnessOf(PortFreshness& f, const CyclePort& port)
{
    return *reinterpret_cast<unsigned short*>(reinterpret_cast<char*>(&f) + port.freshnessOffset);
}

unsigned short freshnessOf(const PortFreshness& f, const CyclePort& port)
{
    return *reinterpret_cast<const unsigned short*>(reinterpret_cast<const char*>(&f) + port.freshnessOffset);
}

void markPortStale(SignalStore& store, const CyclePort& port)
{
    freshnessOf(store, port) = 0xFFFF;
    for (int i = port.firstSignal; i < port.firstSignal + port.signalCount; ++i)
        if (kSignals[i].kind == SignalKind::BitIfFresh || kSignals[i].kind == SignalKind::Zero)
            member<char>(store, kSignals[i].offset) = 0;
}

void extractPortSignals(SignalStore& store, const CyclePort& port, const uint16_t* words, uint16_t freshness)
{
    RawSignals& raw = store;
    freshnessOf(store, port) = freshness;
    const bool stale = freshness >= 10000;
    for (int i = port.firstSignal; i < port.firstSignal + port.signalCount; ++i) {
        const PortSignal& sig = kSignals[i];
        const unsigned w = words[sig.word & 0x0F];
        switch (sig.kind) {
        case SignalKind::Bit: member<char>(raw, sig.offset) = static_cast<char>((w >> sig.bit) & 1u); break;
        case SignalKind::BitIfFresh:
            member<char>(raw, sig.offset) = stale ? 0 : static_cast<char>((w >> sig.bit) & 1u);
            break;
        case SignalKind::Zero: member<char>(raw, sig.offset) = 0; break;
        case SignalKind::Value: writeSignal(raw, sig, static_cast<double>(w)); break;
        case SignalKind::Scaled: writeSignal(raw, sig, static_cast<double>(w & sig.mask) / 4096.0 * sig.factor); break;
        case SignalKind::HighByte: member<int>(raw, sig.offset) = static_cast<int>(w >> 8); break;
        case SignalKind::LowByte: member<int>(raw, sig.offset) = static_cast<int>(w & 0xFFu); break;
        }
    }
}
