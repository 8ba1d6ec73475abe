#pragma once
// A newly installed program runs "on trial" until it has shown that it works:
// its first frame painted and its event loop alive for a minute. Files under
// the data root, shared with the unit's service guard (ddu-guard, run by the
// service manager after every stop of the display):
//
//   ZAV_DDU_LU.previous   the program that ran before the last update
//   file/update/trial     present while the new program is on trial:
//                         "since=", "from=", "to=" lines (versions), to which
//                         the guard adds "started=", "failures=" and "last=",
//                         and the display "stop=requested" when it ends on
//                         request
//   file/update/rolled-back
//                         written by the guard when the new program failed
//                         three times and the previous one was put back:
//                         "time=", "from=" (the failed version), "to=" (the
//                         restored one), "reason=" (a code, see below)
//
// The display writes the trial file when it installs a program, removes it
// when the trial ends well, and shows the roll-back note once at its next
// start (then removes it). The guard never depends on the display running:
// a program that crashes before its first line still gets rolled back.

#include <QDateTime>
#include <QString>

#include <optional>

namespace platform {

inline constexpr int kTrialHealthySeconds = 60;

struct TrialFiles {
    QString root;

    QString previousProgram() const; // <root>/ZAV_DDU_LU.previous
    QString trial() const;           // <root>/file/update/trial
    QString rolledBack() const;      // <root>/file/update/rolled-back
    QString updateLog() const;       // <root>/file/update/update.log
};

// Starts the trial of the program just installed (`from` → `to`). False with
// the reason when the file cannot be written.
bool startTrial(const TrialFiles& files, const QString& from, const QString& to, const QDateTime& now,
                QString* reason = nullptr);

// The versions of the trial running, if one is.
struct Trial {
    QString since; // when it was written: tells one trial from the next
    QString from;
    QString to;
};
std::optional<Trial> runningTrial(const TrialFiles& files);

// Ends the trial: the new program is kept. False when there was none or it
// cannot be removed.
bool endTrial(const TrialFiles& files);

// The program is ending on request (Exit Application, the service manager's
// SIGTERM) with its event loop alive: a trial running gets "stop=requested",
// so that the guard does not count this stop as a failed try of the new
// program (a maintainer who exits or stops the display during the first
// minute after an update must not roll a good update back). The guard
// removes the line at each start and stop. False when there is no trial or
// the file cannot be written.
bool noteStopRequested(const TrialFiles& files);

struct RollbackNote {
    QString time;
    QString from;   // the version that failed
    QString to;     // the version put back
    QString reason; // code: watchdog, timeout, exit-code:<n>, signal:<NAME>, missing, ...
};

// Reads and removes the roll-back note; nothing when there is none. A note
// that cannot be removed is still returned once per start.
std::optional<RollbackNote> takeRollbackNote(const TrialFiles& files);

// The reason code of a note in words, translated ("the new program stopped
// answering").
QString rollbackReasonText(const QString& code);

} // namespace platform
