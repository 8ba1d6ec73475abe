#pragma once
// The loco and its train: the figures the vehicle model's physics
// (vehicle_model.cpp) and its port words (vehicle_ports.cpp) share.

#include <QtGlobal>

#include <cmath>

namespace sim::loco {

constexpr double kMaxTractiveKn = 460.0; // starting tractive effort
constexpr double kMaxBrakeKn = 260.0;    // regenerative braking effort
constexpr double kMaxPowerKw = 6000.0;   // at the wheel
constexpr double kTrainMassT = 1000.0;   // loco and train, rotating masses included
constexpr double kCruiseKmh = 100.0;
constexpr double kTractionNotchPct = 90.0;
constexpr double kReducedNotchPct = 60.0; // while the transformer oil pressure fault is present
constexpr double kBrakeNotchPct = -60.0;
constexpr double kServiceBrakePipe = 4.3; // brake pipe during a service application
constexpr double kChargedBrakePipe = 5.0;
constexpr double kAuxiliaryLoadKw = 150.0;
constexpr double kNominalCatenaryKv = 25.0;
constexpr double kMaxInchingKmh = 10.0;
constexpr double kInchingStepKmh = 0.5;

// Diagnosis processors of cab 1 and cab 2: the message shown (word 0) and the
// inching screen.
constexpr quint16 kDdaPort[2] = {3550, 3650};
constexpr quint16 kInchingPort[2] = {1302, 1800};

// A slow swing between -1 and 1 with the given period, for values that wander.
inline double wave(qint64 timeMs, double periodS, double phase = 0.0)
{
    return std::sin(2.0 * M_PI * (double(timeMs) / 1000.0 / periodS) + phase);
}

} // namespace sim::loco
