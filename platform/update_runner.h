#pragma once
// Runs the work of the software update dialog (mounting the stick, copies
// and their checks, shell commands with their time-outs) on a thread of its
// own, one job at a time: the screen, the clock and the fault pop-ups stay
// live while a stick is read, however slow or hung it is.

#include <QObject>

#include <atomic>
#include <functional>

class QThread;

class UpdateRunner : public QObject {
    Q_OBJECT

public:
    explicit UpdateRunner(QObject* parent = nullptr);
    // Waits for a job still running: its shell commands have time-outs and
    // its copies end, so this ends too.
    ~UpdateRunner() override;

    // Starts `work` on the worker thread; `done` runs on this object's thread
    // after it. False, and nothing started, while a job runs.
    bool start(std::function<void()> work, std::function<void()> done);
    bool busy() const { return m_thread != nullptr; }

    // From the job: how far it is. Thread-safe; the GUI thread gets the
    // latest figures through progress(), at most one report queued at a time.
    void report(int files, qint64 bytes, qint64 total);

signals:
    // Files and bytes done, and the bytes to do (0 when not known).
    void progress(int files, qint64 bytes, qint64 total);

private:
    void deliverProgress();

    QThread* m_thread = nullptr;
    std::function<void()> m_done;
    std::atomic<int> m_files{0};
    std::atomic<qint64> m_bytes{0};
    std::atomic<qint64> m_total{0};
    std::atomic<bool> m_reportQueued{false};
};
