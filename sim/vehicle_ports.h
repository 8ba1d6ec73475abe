#pragma once
// Port words of the vehicle model: what every processor of the loco publishes
// for a given state, in physical terms encoded through the port map
// (sim/signal_encoding.h). One builder per processor or group of ports, each
// naming the ports it writes (vehicle_ports.cpp); values several processors
// report alike are worked out once per publication.

#include <QHash>
#include <QVector>
#include <QtGlobal>

namespace sim {

struct VehicleState;
class DdsLog;

using PortFrame = QHash<quint16, QVector<quint16>>;

// Every port the model publishes, in publication order: the ports of the first
// part of the display's cycle, then the DDS window, the remote I/O ports and
// the output ports of both cabs' display units.
QVector<quint16> vehiclePorts();

// The words of every port of vehiclePorts() for `state`, before overrides.
PortFrame buildVehiclePorts(const VehicleState& state, const DdsLog& dds);

} // namespace sim
