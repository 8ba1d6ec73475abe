#include "diagnostics/pixy_thread.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDebug>
#include <QMutexLocker>

#include <algorithm>
#include <chrono>
#include <exception>

#include "diagnostics/dds.h"

std::atomic<int> DDU_Pixy_Thread_Life{0};

namespace {
// Longest single wait while sleeping, so that requestInterruption() is seen
// quickly even without stop().
constexpr qint64 kSleepSliceMs = 50;

// The record words arrive from the bus as 16-bit words and bytes. Keeping
// them in that range means a sign-extended word can neither be shown as a
// negative reference number nor collide with the redraw markers -1 and -10.
int word16(int v)
{
    return v & 0xFFFF;
}
int byte8(int v)
{
    return v & 0xFF;
}
} // namespace

Pixy_Thread::Pixy_Thread(QObject* parent)
    : QThread(parent)
{
    markAllForRedraw();
}

Pixy_Thread::~Pixy_Thread()
{
    stop();
    wait();
}

void Pixy_Thread::setRawSource(RawSource source)
{
    QMutexLocker lock(&m_sourceMutex);
    m_source = std::move(source);
}

void Pixy_Thread::setPeriodMs(int ms)
{
    m_periodMs.store(std::max(1, ms));
}

int Pixy_Thread::periodMs() const
{
    return m_periodMs.load();
}

QString Pixy_Thread::Find_Processor_Name(int processor)
{
    QString name = dds::processorName(processor);
    if (name.isEmpty())
        return QStringLiteral("Unknown ") + QString::number(processor);
    return name;
}

QString Pixy_Thread::Unix_Human_Time(const QString& hexTime)
{
    bool ok = false;
    qulonglong seconds = hexTime.toULongLong(&ok, 16);
    if (!ok || seconds > 0xFFFFFFFFull)
        seconds = 0;
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::LocalTime)
        .toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

void Pixy_Thread::tickLife()
{
    int current = DDU_Pixy_Thread_Life.load();
    int next;
    do {
        next = (current < 0 || current >= 255) ? 0 : current + 1;
    } while (!DDU_Pixy_Thread_Life.compare_exchange_weak(current, next));
}

void Pixy_Thread::markAllForRedraw()
{
    QMutexLocker lock(&m_recordsMutex);
    for (DDU_RAW_DATA_struct& rec : m_records)
        rec.event_number_old = -1;
}

DdsRecords Pixy_Thread::snapshot() const
{
    DdsRecords copy;
    QMutexLocker lock(&m_recordsMutex);
    std::copy(std::begin(m_records), std::end(m_records), copy.begin());
    return copy;
}

DdsRowsToDraw Pixy_Thread::takeRowsToDraw()
{
    DdsRowsToDraw rows;
    QMutexLocker lock(&m_recordsMutex);
    for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
        DDU_RAW_DATA_struct& rec = m_records[k];
        rows.redraw[k] = rec.event_number_new != rec.event_number_old;
        if (rows.redraw[k])
            rec.event_number_old = rec.event_number_new;
        rows.records[k] = rec;
    }
    return rows;
}

int Pixy_Thread::convertOnce()
{
    // Start from the raw values of the previous pass; the source overwrites
    // what it has.
    DDU_RAW_DATA_struct raw[DDU_RAW_DATA_COUNT];
    {
        QMutexLocker lock(&m_recordsMutex);
        std::copy(std::begin(m_records), std::end(m_records), std::begin(raw));
    }
    RawSource source;
    {
        QMutexLocker lock(&m_sourceMutex);
        source = m_source;
    }
    if (source)
        source(raw);

    int converted = 0;
    QMutexLocker lock(&m_recordsMutex);
    for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
        DDU_RAW_DATA_struct& rec = m_records[k];
        rec.event_number_raw = word16(raw[k].event_number_raw);
        rec.device_number = byte8(raw[k].device_number);
        rec.fault_number = byte8(raw[k].fault_number);
        rec.datetime1 = word16(raw[k].datetime1);
        rec.datetime2 = word16(raw[k].datetime2);

        if (rec.event_number_raw == 0) {
            rec.event_number.clear();
            rec.DateTime.clear();
            rec.Proc.clear();
            rec.FaultMessage.clear();
            rec.event_number_new = 0;
            // An empty slot forgets what it showed last. A record that comes
            // back into the slot (same event, processor and code, for example
            // after paging away and back) is therefore converted and drawn
            // again instead of leaving the row blank.
            rec.event_number_pixy = 0;
            continue;
        }

        if (rec.event_number_raw != rec.event_number_pixy || rec.device_number != rec.device_number_old ||
            rec.fault_number != rec.fault_number_old) {
            const quint32 seconds = (quint32(rec.datetime1) << 16) | quint32(rec.datetime2);
            rec.DateTime = Unix_Human_Time(QString::number(seconds, 16));
            rec.Proc = Find_Processor_Name(rec.device_number);
            rec.FaultMessage = dds_fun.Get_dds(rec.device_number, rec.fault_number);
            rec.event_number = QString::number(rec.event_number_raw);
            rec.event_number_pixy = rec.event_number_raw;
            rec.event_number_new = rec.event_number_raw;
            rec.device_number_old = rec.device_number;
            rec.fault_number_old = rec.fault_number;
            rec.event_number_old = -10; // forces one redraw, even of the same number
            ++converted;
        }
    }
    return converted;
}

void Pixy_Thread::stop()
{
    requestInterruption();
    std::lock_guard<std::mutex> lock(m_sleepMutex);
    m_wake.notify_all();
}

bool Pixy_Thread::sleepOnePeriod()
{
    QDeadlineTimer deadline(periodMs());
    std::unique_lock<std::mutex> lock(m_sleepMutex);
    while (!isInterruptionRequested()) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0)
            return true;
        m_wake.wait_for(lock, std::chrono::milliseconds(std::min(left, kSleepSliceMs)));
    }
    return false;
}

void Pixy_Thread::run()
{
    markAllForRedraw();
    while (!isInterruptionRequested()) {
        tickLife();
        if (!sleepOnePeriod())
            break;
        try {
            convertOnce();
        } catch (const std::exception& e) {
            qDebug() << "Exception" << e.what();
        } catch (...) {
            qDebug() << "Different kind of Exception";
        }
    }
}
