#pragma once
// The DDS thread: every period it takes the raw fields of the four DDS records
// of the current window from the acquisition side and converts each changed
// record into its four display texts (reference number, date and time,
// processor name, message text). The DDS screen reads the converted records
// as one consistent copy under the same lock, so a row is never drawn half
// updated.

#include <QMutex>
#include <QString>
#include <QThread>

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "acquisition/dds_records.h"

// Life counter of the DDS thread, 0..255, incremented once per loop. Shown on
// the configuration screen in two hexadecimal digits.
extern std::atomic<int> DDU_Pixy_Thread_Life;

using DdsRecords = std::array<DDU_RAW_DATA_struct, DDU_RAW_DATA_COUNT>;

// What the DDS screen gets on each refresh: a consistent copy of the four
// records and the rows to (re)write.
struct DdsRowsToDraw {
    DdsRecords records;
    std::array<bool, DDU_RAW_DATA_COUNT> redraw{};
};

class Pixy_Thread : public QThread {
    Q_OBJECT

public:
    // Fills the raw fields (event_number_raw, device_number, fault_number,
    // datetime1, datetime2) of the four records, normally from the acquisition
    // thread's published snapshot. Called from the DDS thread once per loop;
    // it must take whatever lock protects its own data. The array arrives
    // holding the values of the previous pass: a source may leave a record
    // untouched (for example while the port is stale).
    using RawSource = std::function<void(DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT])>;

    static constexpr int DefaultPeriodMs = 500;

    explicit Pixy_Thread(QObject* parent = nullptr);
    // Stops the loop and waits for the thread.
    ~Pixy_Thread() override;

    void setRawSource(RawSource source);
    void setPeriodMs(int ms);
    int periodMs() const;

    // "FLG1" .. "HBB2" for 0..10; "Unknown <index>" otherwise.
    static QString Find_Processor_Name(int processor);
    // Hexadecimal text of a 32-bit count of seconds since 1970-01-01 00:00 UTC
    // -> "dd/MM/yyyy HH:mm:ss" in local time. Unparsable text counts as 0.
    static QString Unix_Human_Time(const QString& hexTime);

    // One conversion pass (what the loop does after each sleep): pulls the raw
    // fields from the source and converts every record whose raw values
    // changed. Returns the number of records converted.
    int convertOnce();

    // Advances DDU_Pixy_Thread_Life by one; after 255 it restarts at 0.
    static void tickLife();

    // Sets event_number_old of all four records to -1, so that the screen
    // draws every row once, empty rows included. Done at construction and
    // when the thread starts.
    void markAllForRedraw();

    // Consistent copy of the four records (read only).
    DdsRecords snapshot() const;

    // The screen's redraw rule, done in one step under the lock: row k is to
    // be written when its event_number_new differs from its event_number_old;
    // event_number_old then takes the value of event_number_new. Doing both
    // in one critical section means a conversion that lands between the copy
    // and the mark can never be lost.
    DdsRowsToDraw takeRowsToDraw();

    // Ends the loop promptly (requestInterruption() alone is honoured too,
    // within a fraction of the period).
    void stop();

signals:
    // Declared for the window's wiring; not emitted.
    void pixy_seprate_ready();

protected:
    void run() override;

private:
    bool sleepOnePeriod();

    mutable QMutex m_recordsMutex;
    DDU_RAW_DATA_struct m_records[DDU_RAW_DATA_COUNT];

    QMutex m_sourceMutex;
    RawSource m_source;

    std::atomic<int> m_periodMs{DefaultPeriodMs};

    // Plain standard primitives for the sleep, so that thread checkers see
    // every lock and unlock of the wait.
    std::mutex m_sleepMutex;
    std::condition_variable m_wake;
};
