#pragma once
// The update log: one line for every software update, data transfer and
// roll-back, appended whether it succeeded or not, so that a maintainer can
// tell which program and data the unit ran when. A text file in UTF-8, oldest
// line first, each line
//
//   2026-12-07 10:00:00<TAB>update<TAB>1.4.2<TAB>1.5.0<TAB>done
//
// (time, action, version before, version after, "done" or what failed).
// Tabs, line ends and other control characters inside a field become blanks,
// and a field ends after 1024 characters, so a line is always one line of
// five fields. The log never grows beyond kUpdateLogMaxBytes: the oldest
// whole lines go first. Every append replaces the whole file atomically
// (platform::saveFile): on a failure the old log stays byte for byte.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace platform {

struct UpdateLogEntry {
    QDateTime time;
    QString action;      // "update", "transfer", "rollback"
    QString fromVersion; // the version before
    QString toVersion;   // the version after
    QString result;      // "done", or what failed
};

constexpr qint64 kUpdateLogMaxBytes = 64 * 1024;

// Appends one line to the log at `path` (its folder is made when missing),
// dropping the oldest lines beyond kUpdateLogMaxBytes. False when the entry
// has no valid time, the old log cannot be read (not a regular file, larger
// than any log this unit writes) or the log cannot be written; the reason
// in words is in `reason` and the file is left as it was.
bool appendUpdateLog(const QString& path, const UpdateLogEntry& entry, QString* reason = nullptr);

// The lines of the log, oldest first, without their line ends; none when
// there is no log or it cannot be read.
QStringList readUpdateLog(const QString& path);

} // namespace platform
