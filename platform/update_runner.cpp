#include "platform/update_runner.h"

#include <QThread>

UpdateRunner::UpdateRunner(QObject* parent)
    : QObject(parent)
{
}

UpdateRunner::~UpdateRunner()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool UpdateRunner::start(std::function<void()> work, std::function<void()> done)
{
    if (m_thread)
        return false;
    m_files = 0;
    m_bytes = 0;
    m_total = 0;
    m_done = std::move(done);
    m_thread = QThread::create(std::move(work));
    m_thread->setObjectName(QStringLiteral("update"));
    // finished() comes from the worker thread; the slot runs on this
    // object's thread, after the work's last write.
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
        std::function<void()> then = std::move(m_done);
        m_done = nullptr;
        if (then)
            then();
    });
    m_thread->start(QThread::LowPriority);
    return true;
}

void UpdateRunner::report(int files, qint64 bytes, qint64 total)
{
    m_files = files;
    m_bytes = bytes;
    m_total = total;
    if (!m_reportQueued.exchange(true))
        QMetaObject::invokeMethod(this, &UpdateRunner::deliverProgress, Qt::QueuedConnection);
}

void UpdateRunner::deliverProgress()
{
    m_reportQueued = false;
    emit progress(m_files, m_bytes, m_total);
}
