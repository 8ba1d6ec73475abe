// One full acquisition cycle (port map, output port, DDS and remote I/O ports,
// decoding) against the controller emulator: bytes and round trips per cycle,
// cycles per second over the unpaced pty and with 460800 baud pacing.

#include "bench_common.h"

#include "acquisition/lmvf.h"
#include "acquisition/mvb_thread.h"
#include "acquisition/port_map.h"

using namespace bench;

int main()
{
    std::printf("| line | bytes / cycle | round trips / cycle | cycles / s | time / cycle | line minimum |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (bool paced : {false, true}) {
        Line line(paced);
        mvb_init();
        mvb_setDeviceAddress(0);
        BusExchange exchange;
        exchange.requests.MVB_HW_Enable = mvb_activate();
        exchange.requests.Selected_CAB_Type = 1;
        for (int i = 0; i < firstPartPortCount(); ++i)
            line.emulator->publish(firstPartPorts()[i].port, QVector<quint16>(16, 0x1234));
        for (int i = 0; i < lmvf::remoteIoPortCount(); ++i)
            line.emulator->publish(lmvf::remoteIoPorts()[i].port, QVector<quint16>(16, 0x0F0F));
        line.emulator->publish(2650, QVector<quint16>(16, 7));

        Mvb_Thread acquisition(exchange);
        acquisition.runPass(); // configures every port
        acquisition.runPass();
        const int n = paced ? 10 : 50;
        line.emulator->resetCounters();
        siu_RoundTrips = 0;
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < n; ++i)
            acquisition.runPass();
        const auto t1 = std::chrono::steady_clock::now();
        const double bytes = static_cast<double>(line.bytes()) / n;
        const double perCycle = seconds(t0, t1) / n;
        std::printf("| %s | %.0f | %.0f | %.1f | %.1f ms | %.1f ms |\n", paced ? "paced 460800" : "unpaced pty", bytes,
                    static_cast<double>(siu_RoundTrips) / n, 1.0 / perCycle, perCycle * 1e3, lineSeconds(bytes) * 1e3);
    }
    return 0;
}
