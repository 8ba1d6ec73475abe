// CPU cost of the decoding pass, for callgrind:
//   valgrind --tool=callgrind --collect-atstart=no
//     --toggle-collect='mvbvaria::updatemvbvariables(SignalStore&, BusRequests const&)' bench_decode
// The pattern must name the pass alone: every function entered whose name
// matches it toggles collection again, so a pattern that also matches helpers
// named after the pass (lambdas inside it) leaves their cost out.
// The store is filled with plausible values; all ports fresh.

#include "acquisition/mvbvaria.h"
#include "acquisition/port_map.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char** argv)
{
    const int passes = argc > 1 ? std::atoi(argv[1]) : 100;
    auto store = std::make_unique<SignalStore>();
    for (int i = 0; i < firstPartPortCount(); ++i) {
        const CyclePort& p = firstPartPorts()[i];
        uint16_t words[16];
        for (int k = 0; k < 16; ++k)
            words[k] = static_cast<uint16_t>(0x0800 + 37 * k + p.port);
        extractPortSignals(*store, p, words, 100);
    }
    BusRequests requests;
    requests.Selected_SR_Type = 3;
    mvbvaria decode;
    for (int i = 0; i < passes; ++i) {
        store->FLG1_10_XMVBLifeSig = i;
        decode.updatemvbvariables(*store, requests);
    }
    std::printf("%d passes, speed text %s\n", passes, qPrintable(store->MVB_DDU_Speed_String));
    return 0;
}
