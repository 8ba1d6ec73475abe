#pragma once
// Internal simulation: five fixed sets of display values, shown one after the
// other when the simulation is switched on, so the screens can be checked
// without a vehicle. Writes derived values only; ports, freshness and fault
// numbers are left alone.

#include "acquisition/signal_store.h"

constexpr int SIMULATION_STEPS = 5;

void applySimulationStep(SignalStore& store, int step);
