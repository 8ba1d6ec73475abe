#pragma once
// How the display proves to its service manager that it works, and ends the
// trial of a newly installed program (platform/update_trial.h):
//
// - the first frame painted sends "READY=1": a program that never paints is
//   not ready, and the service counts it as failed when its start time-out
//   runs out;
// - every refresh tick sends "WATCHDOG=1": a GUI thread that stops ticking
//   (a hang) is killed and started again by the watchdog, on trial or not;
// - kTrialHealthySeconds after the first frame, with the ticks still coming,
//   the trial this program started on ends well: the trial file goes and the
//   update log says so. A trial written while it ran (this program installed
//   the next one) is the next program's and is left alone.
// Plain logic with the time passed in, so tests play a minute in no time.

#include <QByteArray>
#include <QString>

#include <functional>

#include "platform/update_trial.h"

namespace platform {

class ServiceHealth {
public:
    using Notifier = std::function<bool(const QByteArray& state)>;

    // `notify` sends one state to the service manager
    // (notifyServiceManager by default).
    explicit ServiceHealth(TrialFiles files, Notifier notify = {});

    // The display painted a frame at `nowMs` (a monotonic clock).
    void framePainted(qint64 nowMs);
    // A refresh tick ran at `nowMs`.
    void tick(qint64 nowMs);

    bool ready() const { return m_readyAtMs >= 0; }
    // The trial ended well during this run.
    bool trialPassed() const { return m_trialPassed; }

private:
    TrialFiles m_files;
    Notifier m_notify;
    qint64 m_readyAtMs = -1;
    bool m_trialChecked = false;
    std::optional<Trial> m_ownTrial; // the trial running when this program started
    bool m_trialPassed = false;
};

} // namespace platform
