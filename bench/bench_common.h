#pragma once
// Shared helpers of the bus benchmarks: a controller emulator on a pty, the
// driver brought up against it, and the line's theoretical time.

#include "mvb/mvb_log.h"
#include "mvb/mvbc.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/pty_server.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace bench {

inline void quiet(const char*, void*) { }

struct Line {
    std::unique_ptr<sim::MvbControllerEmulator> emulator = std::make_unique<sim::MvbControllerEmulator>();
    std::unique_ptr<sim::PtyServer> server;

    explicit Line(bool paced)
    {
        server = std::make_unique<sim::PtyServer>(*emulator);
        server->setPacing(paced);
        if (!server->start()) {
            std::fprintf(stderr, "cannot start the emulator\n");
            std::exit(1);
        }
        ::setenv("DDU_MVB_DEVICE", server->slavePath().toLocal8Bit().constData(), 1);
        mvb_setLogSink(quiet, nullptr);
        siu_closePort();
        lp_resetState();
        siu_Init();
    }
    ~Line() { siu_closePort(); }

    quint64 bytes() const
    {
        const auto c = emulator->counters();
        return c.bytesIn + c.bytesOut;
    }
};

inline double seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

// Time the bytes need on the real 460800 baud 8O1 line (11 bits a byte).
inline double lineSeconds(double bytes)
{
    return bytes * 11.0 / 460800.0;
}

} // namespace bench
