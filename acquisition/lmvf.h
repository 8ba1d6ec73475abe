#pragma once
// One acquisition cycle: reads every vehicle port in a fixed order, cuts the
// words into the signal store, writes the display's output port with the
// request pulses, and decodes the DDS records and the remote I/O images.

#include <array>
#include <cstdint>
#include <map>

#include "acquisition/bus_exchange.h"
#include "acquisition/link_watch.h"
#include "acquisition/process_data_bus.h"
#include "acquisition/signal_store.h"

// A remote I/O port of the second part of the cycle.
struct RemoteIoPort {
    uint16_t port;
    uint8_t fcode;
};

class lmvf {
public:
    // One full cycle. With a watch, reading stops as soon as the watch gives
    // up (the controller fails to answer, or a stop was requested); every port
    // of the store is then stale and the output port is not written. Returns
    // false when the cycle gave up.
    bool readwritemvb(ProcessDataBus& bus, SignalStore& store, BusRequests& requests, LinkWatch* watch = nullptr);

    // Every port of the store stale: the freshness of the first part (its
    // signals keep the words last read), the remote I/O images and the DDS
    // port (its records stay as they were).
    static void markAllStale(SignalStore& store);

    // Output port of this display: request bits, screen number; written to
    // 3015 (cab 1) or 3201 (cab 2), nothing for other cab values. Returns
    // false when the controller refused the write.
    static bool writeOutputPort(ProcessDataBus& bus, SignalStore& store, BusRequests& requests);
    // Four DDS records from port 2650 (only while the port is fresh).
    static void decodeDdsRecords(SignalStore& store, const uint16_t* words, uint16_t freshness);
    // Remote I/O image of one port of the second part.
    static void decodeRemoteIo(SignalStore& store, uint16_t port, const uint16_t* words, uint16_t freshness);

    // Remote I/O ports in cycle order (after port 2650).
    static const RemoteIoPort* remoteIoPorts();
    static int remoteIoPortCount();

    static constexpr uint16_t kDdsPort = 2650;
    static constexpr uint8_t kDdsFcode = 4;
    static constexpr uint16_t kOutputPortCab1 = 3015;
    static constexpr uint16_t kOutputPortCab2 = 3201;

    // The words and freshness of `port` as the last cycle read them; false
    // when the last cycle did not read that port. (The variable monitor takes
    // ports of the cycle from here instead of reading them a second time.)
    bool readThisCycle(uint16_t port, const uint16_t*& words, uint16_t& freshness) const;

private:
    // The last words read from each port. A port whose status shows error bits
    // keeps its own previous words, never those of the port read before it.
    uint16_t* bufferFor(uint16_t port);
    std::map<uint16_t, std::array<uint16_t, 16>> m_buffers;
    // Freshness of each port as last read, and the cycle that read it.
    struct LastRead {
        uint16_t freshness = 0xFFFF;
        unsigned long cycle = 0;
    };
    std::map<uint16_t, LastRead> m_lastRead;
    unsigned long m_cycle = 0;

    // Reads one port under the watch: 0xFFFF (stale) without a read once it gave up.
    uint16_t readPort(ProcessDataBus& bus, uint16_t port, uint8_t fcode, LinkWatch* watch);
};
