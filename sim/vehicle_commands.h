#pragma once
// Simulator commands that steer the vehicle model while it runs:
//   signal <name> [<value>]      overrides a named signal (physical units) until
//                                released; without a value prints its value
//   signals [<prefix>]           lists the signal names
//   release <name> | <port> <word> | all   ends overrides
//   fault <number> [<seconds>]   publishes a message number on the active cab's
//                                diagnosis port (0 clears it); held until
//                                acknowledged unless a time is given
//   fault2 <number> [<seconds>]  the same for the second loco (port 2610)
//   scenario [<name>]            restarts the timeline with a scenario / prints it
//   pause, resume                freezes / releases the model's clock
//   timescale [<factor>]         model seconds per real second
//   dds [up|down|top|bottom]     pages the DDS window; prints the window
//   vehicle                      one-line summary of the model
// and replaces four commands of the controller emulator so that they keep
// working while the model publishes: set and publish override words of the
// model's datasets (until release), unpublish silences a port, fresh makes
// it published again.

#include "sim/command_interpreter.h"

namespace sim {

class MvbControllerEmulator;
class VehicleModel;

void registerVehicleCommands(CommandInterpreter& interpreter, VehicleModel& model, MvbControllerEmulator& emulator);

// "dds top=<i> of <n>" and one line per record:
// "dds <event> <processor name> <code> <unix time> <yyyy-MM-ddTHH:mm:ssZ>" (empty slot: "dds -").
QString formatDdsWindow(const VehicleModel& model);

} // namespace sim
