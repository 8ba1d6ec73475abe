#pragma once
// The maintainer's export of the logs as tables for a spreadsheet: the fault
// log of the run (its XML file as it stands) and the DDS records the display
// has shown. The fault history makes its own (FaultHistory::toCsv).

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include "acquisition/dds_records.h"

namespace logtables {

// "Loco,Subsystem,Time,Fault code,Message" and one line per Message of the
// fault log `xml`, in its order, the display lines joined by " / ". Empty
// with `problem` set when the XML does not read.
QByteArray faultLogCsv(const QByteArray& xml, QString* problem);

// "Reference,Date and time,Processor,Message" and one line per record.
QByteArray ddsCsv(const QList<DDU_RAW_DATA_struct>& records);

// Keeps the DDS records seen on the screen, one per reference number (the
// latest wins), at most kMaxRecords (the lowest reference numbers go first).
class DdsSeen {
public:
    static constexpr int kMaxRecords = 10000;
    void add(const DDU_RAW_DATA_struct& record);
    // Sorted by reference number.
    QList<DDU_RAW_DATA_struct> records() const;
    int count() const { return int(m_records.size()); }

private:
    QMap<int, DDU_RAW_DATA_struct> m_records;
};

} // namespace logtables
