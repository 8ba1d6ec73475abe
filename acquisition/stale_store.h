#pragma once
// The store of a vehicle about which nothing is known: every port stale and
// decoded as such (unknownText(), TriNoData, the no-data images), the life-sign
// supervision at rest. The hand-over starts with it, and it is what the
// screens are shown while the link to the controller has gone quiet.

#include "acquisition/signal_store.h"

struct BusRequests;

const SignalStore& everythingStaleStore();

// `last` as a pass with every port stale would leave it: every vehicle value
// in its stale look (decoded with `requests`), the viewer rows marked stale
// and the monitored variables unknown; what the decoding keeps while a port
// is stale, and what is not about the vehicle (pass count, the display's own
// output words, the viewer's row list), stays.
SignalStore staleView(const SignalStore& last, const BusRequests& requests);

// Marks the freshness of every telegram row read from the bus, and every
// monitored variable, as unknown (used when a pass could not read them).
void markViewersStale(SignalStore& store);

// True when no port of the vehicle's cycle is fresh: the link to the
// controller is lost (or the controller never came up, or every processor
// is silent), and nothing the screens show comes from the vehicle.
bool everyPortStale(const SignalStore& store);
