#pragma once
// Telling the service manager how the display is doing, over the datagram
// socket it names in NOTIFY_SOCKET: "READY=1" once the first frame is on the
// screen, "WATCHDOG=1" from every refresh tick. The unit's service waits for
// the first and kills a display that stops sending the second (a frozen GUI
// thread), so a program that never paints or hangs is started again, and a
// new program on trial that does so is rolled back. Without NOTIFY_SOCKET
// (tests, a desk) nothing is sent.

#include <QByteArray>

namespace platform {

// Sends `state` ("READY=1", "WATCHDOG=1", "STATUS=...") to the service
// manager. False when there is no NOTIFY_SOCKET or the datagram could not
// be sent; never blocks.
bool notifyServiceManager(const QByteArray& state);

} // namespace platform
