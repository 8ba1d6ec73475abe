#include "diagnostics/fault_history_writer.h"

#include <QDebug>

#include <future>

FaultHistoryWriter::FaultHistoryWriter(QString path)
    : m_path(std::move(path))
    , m_thread([this] { run(); })
{
}

FaultHistoryWriter::~FaultHistoryWriter()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void FaultHistoryWriter::post(Task task)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void FaultHistoryWriter::call(const Task& task)
{
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    post([&task, &done](FaultHistory& h) {
        task(h);
        done.set_value();
    });
    finished.wait();
}

void FaultHistoryWriter::append(const FaultHistoryEvent& event)
{
    post([event](FaultHistory& h) {
        QString reason;
        if (!h.append(event, &reason))
            qWarning().noquote() << "fault history:" << reason;
    });
}

void FaultHistoryWriter::settle(int loco, int currentNumber, const QDateTime& time)
{
    post([loco, currentNumber, time](FaultHistory& h) {
        QString reason;
        if (!h.settle(loco, currentNumber, time, &reason) && !reason.isEmpty())
            qWarning().noquote() << "fault history:" << reason;
    });
}

FaultHistoryWriter::Tables FaultHistoryWriter::tables()
{
    Tables t;
    call([&t](FaultHistory& h) {
        if (!h.readable(&t.problem))
            return;
        t.xml = h.toXml();
        t.csv = h.toCsv();
    });
    return t;
}

void FaultHistoryWriter::flush()
{
    call([](FaultHistory&) {});
}

void FaultHistoryWriter::run()
{
    FaultHistory history(m_path);
    for (;;) {
        Task task;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_tasks.empty(); });
            if (m_tasks.empty())
                return; // stopping, and everything queued is written
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        task(history);
    }
}
