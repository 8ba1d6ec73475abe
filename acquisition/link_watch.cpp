#include "acquisition/link_watch.h"

#include "acquisition/bus_exchange.h"

void LinkWatch::note(bool answered)
{
    if (!answered) {
        ++failuresInRow_;
        return;
    }
    failuresInRow_ = 0;
    if (exchange_)
        exchange_->markLinkAlive();
}
