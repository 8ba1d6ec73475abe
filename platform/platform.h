#pragma once
// The small layer standing in for what is outside the display program:
// where its data lives, and how it runs shell commands.

#include <QString>
#include <QStringList>

#include "platform/device_paths.h"

namespace platform {

// Data root of the unit: DDU_ROOT, or /home/qim on the board.
QString dataRoot();

// Absolute path of `relative` (for example "file/master/DDU.xml") under the data root.
QString dataPath(const QString& relative);

// Maps a board path under /home/qim to the same file under the data root;
// other paths are returned unchanged.
QString mapBoardPath(const QString& boardPath);

// Runs one shell command line ("reboot", "hwclock -w -f /dev/rtc0", mount, cp ...).
// With DDU_SHELL_LOG=<file> set, the line is appended to that file instead and
// nothing runs: tests and the simulator always set it. Returns the exit status
// (0 when only logged, -1 when the shell could not be started). A logged
// command whose line starts with DDU_SHELL_FAIL (when set) returns 1: tests
// play a command that fails (a mount refused) without running anything.
int runShell(const QString& commandLine);

// Exit status of runShellFor when the command did not end in its time.
inline constexpr int kShellTimedOut = -2;

// runShell with a time-out: a command still running after `timeoutMs` is
// killed, with every process it started, and kShellTimedOut returned. For
// what may hang on a bad stick (mount, umount): call it off the GUI thread. DDU_SHELL_TIMEOUT_MS, when
// set, replaces every time-out (tests wait seconds, not minutes). A logged
// command whose line starts with DDU_SHELL_HANG (when set) plays one that
// never ends: it waits out its time-out and returns kShellTimedOut.
int runShellFor(const QString& commandLine, int timeoutMs);

// True when shell commands are only logged.
bool shellIsLogged();

} // namespace platform
