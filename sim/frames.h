#pragma once
// Client-side builders of controller command frames, for tests and test
// harnesses that talk to the emulator the way the display does.

#include <QByteArray>
#include <QtGlobal>

namespace sim::frames {

// The three address bytes of an even traffic-memory byte address, command bits clear.
QByteArray addressBytes(quint16 byteAddress);
QByteArray nop();
QByteArray read(quint16 byteAddress);
QByteArray write(quint16 byteAddress, quint16 value);
// Reply word of a read (low byte first); -1 when fewer than 2 bytes from `offset`.
int replyWord(const QByteArray& reply, int offset = 0);

} // namespace sim::frames
