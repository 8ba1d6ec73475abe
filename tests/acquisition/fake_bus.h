#pragma once
// A scripted process data bus: ports answer with programmed words and
// freshness; every read, freshness query and write is recorded in order.

#include "acquisition/process_data_bus.h"

#include <array>
#include <map>
#include <vector>

class FakeBus : public ProcessDataBus {
public:
    struct Access {
        char kind; // 'r' read, 'f' freshness, 'w' write
        uint16_t port;
        uint16_t fcode;
    };

    void read(uint16_t port, uint16_t fcode, uint16_t* w, uint16_t* f) override
    {
        log.push_back({'r', port, fcode});
        *f = freshnessOf(port);
        if (errorPorts.count(port))
            return; // error bits: the caller's buffer is left alone
        const auto& d = words[port];
        for (int k = 0; k < 16; ++k)
            w[k] = d[k];
    }
    void write(uint16_t port, uint16_t fcode, uint16_t* w) override
    {
        log.push_back({'w', port, fcode});
        std::array<uint16_t, 16> d{};
        for (int k = 0; k < 16; ++k)
            d[k] = w[k];
        written[port].push_back(d);
    }
    void freshness(uint16_t port, uint16_t fcode, uint16_t* f) override
    {
        log.push_back({'f', port, fcode});
        *f = freshnessOf(port);
    }

    uint16_t freshnessOf(uint16_t port) const
    {
        auto it = fresh.find(port);
        return it == fresh.end() ? defaultFreshness : it->second;
    }
    void set(uint16_t port, int word, uint16_t value) { words[port][word] = value; }

    std::map<uint16_t, std::array<uint16_t, 16>> words;
    std::map<uint16_t, uint16_t> fresh;
    std::map<uint16_t, bool> errorPorts;
    std::map<uint16_t, std::vector<std::array<uint16_t, 16>>> written;
    std::vector<Access> log;
    uint16_t defaultFreshness = 100;
};
