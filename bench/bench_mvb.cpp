// Bring-up and port reads of the MVB driver against the controller emulator:
// time, bytes and round trips, over the unpaced pty and with the 460800 baud
// pacing, next to the line's theoretical minimum.

#include "bench_common.h"

using namespace bench;

int main()
{
    std::printf("| line | operation | bytes | round trips | time | line minimum |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (bool paced : {false, true}) {
        Line line(paced);
        const char* name = paced ? "paced 460800" : "unpaced pty";

        line.emulator->resetCounters();
        siu_RoundTrips = 0;
        auto t0 = std::chrono::steady_clock::now();
        mvb_init();
        mvb_setDeviceAddress(0);
        mvb_activate();
        auto t1 = std::chrono::steady_clock::now();
        std::printf("| %s | bring-up (mvb_init .. mvb_activate) | %llu | %u | %.3f s | %.3f s |\n", name,
                    static_cast<unsigned long long>(line.bytes()), static_cast<unsigned>(siu_RoundTrips),
                    seconds(t0, t1), lineSeconds(static_cast<double>(line.bytes())));

        for (int f = 0; f <= 4; ++f) {
            const UNSIGNED16 port = static_cast<UNSIGNED16>(1000 + f);
            QVector<quint16> words(1 << f, 0x5555);
            line.emulator->publish(port, words);
            UNSIGNED16 data[16];
            UNSIGNED16 freshness = 0xFFFF;
            readProcessData(port, static_cast<UNSIGNED16>(f), data, &freshness); // configure
            const int n = paced ? 200 : 2000;
            line.emulator->resetCounters();
            siu_RoundTrips = 0;
            t0 = std::chrono::steady_clock::now();
            for (int i = 0; i < n; ++i)
                readProcessData(port, static_cast<UNSIGNED16>(f), data, &freshness);
            t1 = std::chrono::steady_clock::now();
            const double bytes = static_cast<double>(line.bytes()) / n;
            std::printf("| %s | readProcessData F-code %d (%d words) | %.0f | %.1f | %.0f us | %.0f us |\n", name, f,
                        1 << f, bytes, static_cast<double>(siu_RoundTrips) / n, seconds(t0, t1) / n * 1e6,
                        lineSeconds(bytes) * 1e6);
        }
    }
    return 0;
}
