#include "diagnostics/log_tables.h"

#include <QXmlStreamReader>

#include "diagnostics/csv.h"
#include "platform/file_io.h"

namespace logtables {

namespace {
constexpr int kMaxDepth = 8;
}

QByteArray faultLogCsv(const QByteArray& xml, QString* problem)
{
    QString why;
    if (!platform::xmlWithinDepth(xml, kMaxDepth, &why)) {
        *problem = why;
        return QByteArray();
    }
    QByteArray out = csv::line({QStringLiteral("Loco"), QStringLiteral("Subsystem"), QStringLiteral("Time"),
                                QStringLiteral("Fault code"), QStringLiteral("Message")});
    QXmlStreamReader r(xml);
    QMap<QString, QString> fields;
    QString element;
    bool inMessage = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            element = r.name().toString();
            if (element == QLatin1String("Message")) {
                inMessage = true;
                fields.clear();
            }
        } else if (r.isCharacters() && inMessage) {
            fields[element] += r.text().toString();
        } else if (r.isEndElement()) {
            if (r.name() == QLatin1String("Message")) {
                inMessage = false;
                QStringList lines = fields.value(QStringLiteral("FaultMessage")).split(QLatin1Char('\n'));
                for (QString& l : lines)
                    l = l.trimmed();
                lines.removeAll(QString());
                out +=
                    csv::line({fields.value(QStringLiteral("LocoType")).trimmed(),
                               fields.value(QStringLiteral("SubsystemNo")).trimmed(),
                               fields.value(QStringLiteral("Time")).trimmed(),
                               fields.value(QStringLiteral("FaultCode")).trimmed(), lines.join(QStringLiteral(" / "))});
            }
            element.clear();
        }
    }
    if (r.hasError()) {
        *problem = QStringLiteral("%1, line %2").arg(r.errorString()).arg(r.lineNumber());
        return QByteArray();
    }
    return out;
}

QByteArray ddsCsv(const QList<DDU_RAW_DATA_struct>& records)
{
    QByteArray out = csv::line({QStringLiteral("Reference"), QStringLiteral("Date and time"),
                                QStringLiteral("Processor"), QStringLiteral("Message")});
    for (const DDU_RAW_DATA_struct& d : records)
        out += csv::line({d.event_number, d.DateTime, d.Proc, d.FaultMessage});
    return out;
}

void DdsSeen::add(const DDU_RAW_DATA_struct& record)
{
    if (record.event_number_raw == 0 || record.event_number.isEmpty())
        return; // an empty slot of the window
    m_records.insert(record.event_number_raw, record);
    while (m_records.size() > kMaxRecords)
        m_records.erase(m_records.begin());
}

QList<DDU_RAW_DATA_struct> DdsSeen::records() const
{
    return m_records.values();
}

} // namespace logtables
