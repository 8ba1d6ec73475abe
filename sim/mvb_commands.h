#pragma once
// Simulator commands that drive the MVB controller emulator:
//   set <port> <word> <value>     one word of a published dataset (16 words created if needed)
//   publish <port> <w0> [w1 ...]  a whole dataset, 1 to 16 words
//   unpublish <port>              stops publishing (the port then ages)
//   stale <port> / fresh <port>   marks the port as long unpublished / publishes again
//   error <port> <bits>           injects error bits 0..31 (0 ends it)
//   mode <normal|silent|nak|short|garbage> [n]   fault mode (n: bytes lost by short replies)
//   source <port>                 latest data the display wrote to a source port
//   ports                         ports the display has configured
//   stats [reset]                 counters (and reset them)
// Ports are logical addresses 0..4095; numbers are decimal or 0x hexadecimal.

#include "sim/command_interpreter.h"
#include "sim/mvb_controller_emulator.h"

namespace sim {

void registerMvbCommands(CommandInterpreter& interpreter, MvbControllerEmulator& emulator);

// One line: "bytes_in=.. bytes_out=.. transactions=.. naks=.. reads=.. writes=.. nops=..".
QString formatCounters(const Counters& counters);
// formatCounters plus " state=<state> mode=<fault mode>".
QString formatStatus(const MvbControllerEmulator& emulator);

// Arguments of "set <port> <word> <value>" and "publish <port> <w0> [.. <w15>]",
// shared by the controller's commands and the vehicle model's versions of them.
struct SetArgs {
    quint16 port;
    int word;
    quint16 value;
};
struct PublishArgs {
    quint16 port;
    QVector<quint16> words;
};
std::optional<SetArgs> parseSetArgs(const QStringList& args, QString* error);
std::optional<PublishArgs> parsePublishArgs(const QStringList& args, QString* error);

} // namespace sim
