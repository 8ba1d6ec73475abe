#include "acquisition/link_watch.h"

#include "acquisition/bus_exchange.h"

void LinkWatch::note(bool answered)
{
    if (!answered) {
        ++m_failuresInRow;
        return;
    }
    m_failuresInRow = 0;
    if (m_exchange)
        m_exchange->markLinkAlive();
}
