#pragma once
// The display's view of the controller emulator in the simulator's tests:
// word reads and writes through frames only, and the display's start-up.

#include "sim/frames.h"
#include "sim/mvb_controller_emulator.h"

namespace display_side {

// The word read, or -1 when the reply is not two bytes.
inline int rd(sim::MvbControllerEmulator& e, quint16 address)
{
    const QByteArray reply = e.process(sim::frames::read(address));
    return reply.size() == 2 ? sim::frames::replyWord(reply) : -1;
}

// The reply byte of a write, or -1 when the reply is not one byte.
inline int wr(sim::MvbControllerEmulator& e, quint16 address, quint16 value)
{
    const QByteArray reply = e.process(sim::frames::write(address, value));
    return reply.size() == 1 ? quint8(reply[0]) : -1;
}

inline bool orInto(sim::MvbControllerEmulator& e, quint16 address, quint16 bits)
{
    const int old = rd(e, address);
    return old >= 0 && wr(e, address, quint16(old | bits)) == 0x06;
}

// The display's start-up: reset, configuration, 64 KB, decoder, full operation,
// with the register values it checks on the way.
inline bool bringUp(sim::MvbControllerEmulator& e)
{
    return wr(e, 0xFF80, 0x0700) == 0x06 && orInto(e, 0x3F80, 0x0001) && rd(e, 0x3F80) == 0x0701
        && orInto(e, 0x3F84, 0x0002) && orInto(e, 0xFF80, 0x0704) && rd(e, 0xFF80) == 0x0705
        && rd(e, 0xFF84) == 0x9082 && orInto(e, 0xFF88, 0x6020) && orInto(e, 0xFF80, 0x0003);
}

} // namespace display_side
