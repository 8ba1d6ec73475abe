#pragma once
// Orderly end on the signals a service manager (or Ctrl-C) sends.

namespace platform {

// Exit status with which the display asks to be started again (after a new
// program was installed): the unit's service manager restarts the display
// when it ends with this status.
inline constexpr int kRestartExitStatus = 75;

// Makes SIGINT and SIGTERM end the event loop of the QCoreApplication, so the
// program returns from exec() and cleans up (threads stopped, files closed).
// Nothing but a write() to a self-pipe runs in the signal handler. Call once,
// after the application object exists.
bool quitOnTerminationSignals();

// Ends this process with SIGTERM when its parent process dies (Linux), so a
// helper started by a test or script never outlives it.
void endWithParent();

} // namespace platform
