#pragma once
// The store of a vehicle about which nothing is known: every port stale and
// decoded as such ("????", status 2, the no-data images), the life-sign
// supervision at rest. The hand-over starts with it, and it is what the
// screens are shown while the link to the controller has gone quiet.

#include "acquisition/signal_store.h"

const SignalStore& everythingStaleStore();

// `last` with every vehicle value replaced by its stale look: the decoded
// values of everythingStaleStore(), the viewer rows marked stale and the
// monitored variables unknown. What is not about the vehicle (pass count,
// the display's own output words, the viewer's row list) is kept.
SignalStore staleView(const SignalStore& last);

// Marks the freshness of every telegram row read from the bus, and every
// monitored variable, as unknown (used when a pass could not read them).
void markViewersStale(SignalStore& store);
