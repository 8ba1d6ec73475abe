#pragma once
// The link through which the bus cycle reads and writes process data ports.
// The display uses the MVB driver; tests put a scripted bus in its place.

#include <cstdint>

class ProcessDataBus {
public:
    virtual ~ProcessDataBus() = default;
    // Reads a sink port (configured on first use with `fcode`). The buffer holds
    // 16 words; words of a port with error bits are left as they were.
    virtual void read(uint16_t port, uint16_t fcode, uint16_t* words, uint16_t* freshness) = 0;
    // Writes a source port (configured on first use with `fcode`).
    virtual void write(uint16_t port, uint16_t fcode, uint16_t* words) = 0;
    // Freshness of a sink port without reading its data.
    virtual void freshness(uint16_t port, uint16_t fcode, uint16_t* freshness) = 0;
};

// The real link: the MVB driver's process data functions.
class MvbDriverBus : public ProcessDataBus {
public:
    void read(uint16_t port, uint16_t fcode, uint16_t* words, uint16_t* freshness) override;
    void write(uint16_t port, uint16_t fcode, uint16_t* words) override;
    void freshness(uint16_t port, uint16_t fcode, uint16_t* freshness) override;
};
