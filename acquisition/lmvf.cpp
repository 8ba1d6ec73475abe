#include "acquisition/lmvf.h"

#include "acquisition/port_map.h"
#include "acquisition/unknown.h"

namespace {

// Remote I/O ports. The F-codes of these ports are ours to choose: the RIOM
// ports take the sixteen-word size of their twins 2510/2610 (which the first
// part of the cycle already configures with F-code 4; the first caller fixes a
// port's size anyway); the BRIO input ports carry six words (F-code 3, eight
// words) and the BRIO output ports three (F-code 2, four words).
const RemoteIoPort kRemoteIo[] = {
    {2510, 4}, {2610, 4}, {2520, 4}, {2620, 4}, {2500, 3}, {2501, 2}, {2502, 3}, {2503, 2},
};

constexpr int kStaleThreshold = 10000;

// Element k of an image packed in bus order: k mod 16 = 0..7 are bits 8..15,
// 8..15 are bits 0..7 of word k / 16.
int busOrderBit(const uint16_t* words, int k)
{
    const int w = k / 16, i = k % 16;
    const int bit = i < 8 ? i + 8 : i - 8;
    return (words[w] >> bit) & 1;
}

// Element k counted from the most significant bit: bit 15 - (k mod 16) of word k / 16.
int msbFirstBit(const uint16_t* words, int k)
{
    return (words[k / 16] >> (15 - k % 16)) & 1;
}

QString analogText(uint16_t w)
{
    return QString::number(static_cast<double>(w) / 4096.0 * 100.0, 'f', 2);
}

void setBit(unsigned short& word, int bit, bool on)
{
    if (on)
        word = static_cast<unsigned short>(word | (1u << bit));
    else
        word = static_cast<unsigned short>(word & ~(1u << bit));
}

} // namespace

const RemoteIoPort* lmvf::remoteIoPorts()
{
    return kRemoteIo;
}

int lmvf::remoteIoPortCount()
{
    return static_cast<int>(sizeof kRemoteIo / sizeof kRemoteIo[0]);
}

uint16_t* lmvf::bufferFor(uint16_t port)
{
    return m_buffers[port].data();
}

bool lmvf::writeOutputPort(ProcessDataBus& bus, SignalStore& store, BusRequests& r)
{
    const int cab = r.Selected_CAB_Type.load();
    unsigned short* data;
    uint16_t port;
    if (cab == 1) {
        data = store.Data_3015;
        port = kOutputPortCab1;
    } else if (cab == 2) {
        data = store.Data_3201;
        port = kOutputPortCab2;
    } else {
        return true;
    }

    // The acknowledge bit is written before its count advances, so it stays
    // up for eleven writes; the other requests for ten.
    setBit(data[0], 8, r.MVB_Fault_ACK.on());
    r.MVB_Fault_ACK.advance(10);

    setBit(data[0], 9, r.MVB_DDS_UP.advance(10));
    setBit(data[0], 10, r.MVB_DDS_DOWN.advance(10));
    setBit(data[0], 11, r.MVB_DDS_TOP.advance(10));
    setBit(data[0], 12, r.MVB_DDS_BOTTOM.advance(10));

    setBit(data[2], 8, r.MVB_Inching_UP.advance(10));
    setBit(data[2], 9, r.MVB_Inching_DOWN.advance(10));

    data[1] = static_cast<unsigned short>(r.MVB_Present_Screen.load());
    return bus.write(port, 2, data);
}

void lmvf::decodeDdsRecords(SignalStore& store, const uint16_t* w, uint16_t freshness)
{
    if (freshness >= kStaleThreshold)
        return; // records stay as they were
    for (int h = 0; h < DDU_RAW_DATA_COUNT; ++h) {
        DDU_RAW_DATA_struct& rec = store.DDU_RAW_DATA[h];
        rec.event_number_raw = w[4 * h];
        rec.device_number = w[4 * h + 1] >> 8;
        rec.fault_number = w[4 * h + 1] & 0xFF;
        rec.datetime1 = w[4 * h + 2];
        rec.datetime2 = w[4 * h + 3];
    }
}

namespace {

// The images of the remote I/O ports: which elements a port's words fill, in
// which bit order, and which of its words are analogue values.
struct RemoteIoImage {
    uint16_t port;
    int* (*image)(SignalStore&);
    int size;      // elements set to 2 while the port is stale
    int bits;      // elements cut from the words while it is fresh
    bool msbFirst; // bit order: from the most significant bit (BRIO), else bus order (RIOM)
    QString* (*texts)(SignalStore&);
    int textCount; // analogue texts ("????" while stale)
    int firstWord; // word of the first analogue text; the others follow
};

// clang-format off
const RemoteIoImage kRemoteIoImages[] = {
    {2510, [](SignalStore& s) -> int* { return s.MVB_DDU_RIOM1_Input; }, 32, 32, false,
     [](SignalStore& s) -> QString* { return s.MVB_DDU_RIOM1_InAnalg; }, 2, 2},
    {2610, [](SignalStore& s) -> int* { return s.MVB_DDU_RIOM1_Output; }, 16, 16, false,
     [](SignalStore& s) -> QString* { return s.MVB_DDU_RIOM1_OutAnalg; }, 4, 1},
    {2520, [](SignalStore& s) -> int* { return s.MVB_DDU_RIOM2_Input; }, 32, 32, false,
     [](SignalStore& s) -> QString* { return s.MVB_DDU_RIOM2_InAnalg; }, 2, 2},
    {2620, [](SignalStore& s) -> int* { return s.MVB_DDU_RIOM2_Output; }, 15, 15, false,
     [](SignalStore& s) -> QString* { return s.MVB_DDU_RIOM2_OutAnalg; }, 4, 1},
    {2500, [](SignalStore& s) -> int* { return s.MVB_DDU_BRIO1_Input; }, 32, 32, true,
     [](SignalStore& s) -> QString* { return s.MVB_DDU_BRIO1_InAnalg; }, 1, 5},
    {2501, [](SignalStore& s) -> int* { return s.MVB_DDU_BRIO1_Output; }, 16, 13, true, nullptr, 0, 0},
    {2502, [](SignalStore& s) -> int* { return s.MVB_DDU_BRIO2_Input; }, 32, 32, true,
     [](SignalStore& s) -> QString* { return s.MVB_DDU_BRIO2_InAnalg; }, 1, 5},
    {2503, [](SignalStore& s) -> int* { return s.MVB_DDU_BRIO2_Output; }, 16, 16, true,
     [](SignalStore& s) -> QString* { return s.MVB_DDU_BRIO2_OutAnalg; }, 1, 2},
};
// clang-format on

} // namespace

void lmvf::decodeRemoteIo(SignalStore& s, uint16_t port, const uint16_t* w, uint16_t freshness)
{
    const bool stale = freshness > 9999;
    for (const RemoteIoImage& r : kRemoteIoImages) {
        if (r.port != port)
            continue;
        int* image = r.image(s);
        QString* texts = r.texts ? r.texts(s) : nullptr;
        for (int k = 0; k < (stale ? r.size : r.bits); ++k)
            image[k] = stale ? TriNoData : (r.msbFirst ? msbFirstBit(w, k) : busOrderBit(w, k));
        for (int k = 0; k < r.textCount; ++k)
            texts[k] = stale ? unknownText() : analogText(w[r.firstWord + k]);
        return;
    }
}

uint16_t lmvf::readPort(ProcessDataBus& bus, uint16_t port, uint8_t fcode, LinkWatch* watch)
{
    uint16_t freshness = 0xFFFF;
    if (watch && watch->givenUp())
        return freshness;
    const bool answered = bus.read(port, fcode, bufferFor(port), &freshness);
    if (watch)
        watch->note(answered);
    LastRead& last = m_lastRead[port];
    last.freshness = answered ? freshness : 0xFFFF;
    last.cycle = m_cycle;
    return last.freshness;
}

bool lmvf::readThisCycle(uint16_t port, const uint16_t*& words, uint16_t& freshness) const
{
    const auto it = m_lastRead.find(port);
    if (it == m_lastRead.end() || it->second.cycle != m_cycle)
        return false;
    words = m_buffers.at(port).data();
    freshness = it->second.freshness;
    return true;
}

bool lmvf::readwritemvb(ProcessDataBus& bus, SignalStore& store, BusRequests& requests, LinkWatch* watch)
{
    requests.Selected_VCU_Type.store(3);
    store.Selected_VCU_Type = 3;
    ++m_cycle;

    const CyclePort* ports = firstPartPorts();
    const int n = firstPartPortCount();
    for (int i = 0; i < n; ++i) {
        const uint16_t freshness = readPort(bus, ports[i].port, ports[i].fcode, watch);
        extractPortSignals(store, ports[i], bufferFor(ports[i].port), freshness);
    }

    if (!watch || !watch->givenUp()) {
        const bool written = writeOutputPort(bus, store, requests);
        if (watch)
            watch->note(written);
    }

    store.freshness_2650 = readPort(bus, kDdsPort, kDdsFcode, watch);
    decodeDdsRecords(store, bufferFor(kDdsPort), store.freshness_2650);

    for (const RemoteIoPort& rio : kRemoteIo)
        decodeRemoteIo(store, rio.port, bufferFor(rio.port), readPort(bus, rio.port, rio.fcode, watch));

    if (watch && watch->givenUp()) {
        // What was read before the controller failed is not shown either: a
        // pass is believed whole or not at all.
        markAllStale(store);
        return false;
    }
    return true;
}

void lmvf::markAllStale(SignalStore& store)
{
    const CyclePort* ports = firstPartPorts();
    for (int i = 0; i < firstPartPortCount(); ++i)
        markPortStale(store, ports[i]);
    static const uint16_t kNoWords[16] = {};
    for (const RemoteIoPort& rio : kRemoteIo)
        decodeRemoteIo(store, rio.port, kNoWords, 0xFFFF);
    store.freshness_2650 = 0xFFFF;
}
