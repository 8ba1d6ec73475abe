#pragma once
// A scripted process data bus: ports answer with programmed words and
// freshness; every read, freshness query and write is recorded in order. The
// controller can be made to fail (no answer) from a given access on, and to
// report a status word to probes.

#include "acquisition/process_data_bus.h"

#include <array>
#include <atomic>
#include <map>
#include <vector>

class FakeBus : public ProcessDataBus {
public:
    struct Access {
        char kind; // 'r' read, 'f' freshness, 'w' write
        uint16_t port;
        uint16_t fcode;
    };

    bool bringUp() override
    {
        ++bringUps;
        return bringUpSucceeds;
    }
    bool read(uint16_t port, uint16_t fcode, uint16_t* w, uint16_t* f) override
    {
        record('r', port, fcode);
        if (failing()) {
            *f = 0xFFFF;
            return false;
        }
        *f = freshnessOf(port);
        if (errorPorts.count(port))
            return true; // error bits: the caller's buffer is left alone
        const auto& d = words[port];
        for (int k = 0; k < 16; ++k)
            w[k] = d[k];
        return true;
    }
    bool write(uint16_t port, uint16_t fcode, uint16_t* w) override
    {
        record('w', port, fcode);
        if (failing())
            return false;
        std::array<uint16_t, 16> d{};
        for (int k = 0; k < 16; ++k)
            d[k] = w[k];
        if (keepLog)
            written[port].push_back(d);
        return true;
    }
    bool freshness(uint16_t port, uint16_t fcode, uint16_t* f) override
    {
        record('f', port, fcode);
        *f = failing() ? 0xFFFF : freshnessOf(port);
        return !failing();
    }
    Probe probe(uint16_t* status) override
    {
        ++probes;
        *status = probeStatus;
        if (silent)
            return Probe::Silent;
        return (probeStatus & 3) == 3 ? Probe::Answers : Probe::NotOperating;
    }
    bool lineLost() const override { return lost; }

    // The controller stops answering after `accesses` more port accesses.
    void failAfter(int accesses) { failFrom = static_cast<long>(log.size()) + accesses; }
    void answerAgain()
    {
        failFrom = -1;
        failAll = false;
        silent = false;
        lost = false;
    }
    void record(char kind, uint16_t port, uint16_t fcode)
    {
        if (keepLog)
            log.push_back({kind, port, fcode});
    }
    bool failing() const { return failAll || (failFrom >= 0 && static_cast<long>(log.size()) > failFrom); }

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
    long failFrom = -1; // accesses beyond this index fail; -1: never
    // Switches a running thread may see (the log is not for running threads:
    // set keepLog false before start()).
    std::atomic<bool> failAll{false};
    std::atomic<bool> silent{false}; // probes get no answer
    std::atomic<bool> lost{false};   // the line is gone
    std::atomic<bool> bringUpSucceeds{true};
    std::atomic<int> bringUps{0};
    std::atomic<int> probes{0};
    bool keepLog = true;
    uint16_t probeStatus = 0x0707; // status word a probe reads
};
