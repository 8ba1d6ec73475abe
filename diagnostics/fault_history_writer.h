#pragma once
// The fault history on a thread of its own. Every append writes the whole
// history file (about 50 ms at 10 000 events on the bench machine), which
// must not hold the GUI thread while a fault pop-up is being drawn: appends
// are queued and written in order by the writer; reads for an export wait
// for the appends queued before them. Ending the writer writes what is
// still queued, so an orderly stop loses no event.

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "diagnostics/fault_history.h"

class FaultHistoryWriter {
public:
    explicit FaultHistoryWriter(QString path);
    ~FaultHistoryWriter();
    FaultHistoryWriter(const FaultHistoryWriter&) = delete;
    FaultHistoryWriter& operator=(const FaultHistoryWriter&) = delete;

    // Queues one event; returns at once (any thread).
    void append(const FaultHistoryEvent& event);
    // Queues FaultHistory::settle (the first number read of a loco after a
    // start); returns at once.
    void settle(int loco, int currentNumber, const QDateTime& time);

    // The history as its file holds it and as a table for a spreadsheet, the
    // two of the same events: every append queued before, also one the file
    // could not take (any thread but the writer's). `problem` says why the
    // history could not be read, when it could not.
    struct Tables {
        QByteArray xml;
        QByteArray csv;
        QString problem;
    };
    Tables tables();
    // Waits until the appends queued so far are written.
    void flush();

    QString path() const { return m_path; }

private:
    using Task = std::function<void(FaultHistory&)>;
    void post(Task task);
    // Runs `task` on the writer and waits for it.
    void call(const Task& task);
    void run();

    const QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Task> m_tasks;
    bool m_stopping = false;
    std::thread m_thread; // last: starts after the members it uses
};
