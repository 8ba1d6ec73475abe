#pragma once
// Sample events of the fault history tests, a history file written by hand
// as its format describes it, and the records of a CSV table.

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <QTest>
#include <QVector>

#include "diagnostics/fault_history.h"

Q_DECLARE_METATYPE(FaultHistoryEvent)

// An event in the words of a failed comparison.
inline char* toString(const FaultHistoryEvent& e)
{
    return QTest::toString(QStringLiteral("%1 %2 loco %3 #%4 %5 | %6 | %7")
                               .arg(e.time.toString(Qt::ISODateWithMs), FaultHistory::kindName(e.kind))
                               .arg(e.loco)
                               .arg(e.number)
                               .arg(e.faultCode, e.subsystem, e.text));
}

namespace sample {

inline const QDateTime kStart(QDate(2026, 12, 7), QTime(10, 0, 0));

inline FaultHistoryEvent faultEvent(int i, FaultHistoryEvent::Kind kind = FaultHistoryEvent::Raised,
                                    const QString& text = QString())
{
    FaultHistoryEvent e;
    e.kind = kind;
    e.time = kStart.addSecs(i);
    e.loco = 1 + i % 2;
    e.number = 10000 + i;
    e.faultCode = QStringLiteral("F%1P1").arg(i % 10000, 4, 10, QLatin1Char('0'));
    e.subsystem = QStringLiteral("SS01:Main Power");
    e.text = text.isNull() ? QStringLiteral("VCB STUCK IN ON POSITION / switch off") : text;
    return e;
}

inline QVector<FaultHistoryEvent> eventRange(int first, int count)
{
    QVector<FaultHistoryEvent> out;
    for (int i = first; i < first + count; ++i)
        out << faultEvent(i, FaultHistoryEvent::Kind(i % 3));
    return out;
}

// A history file as the format describes it, written here by hand.
inline QByteArray historyXml(const QVector<FaultHistoryEvent>& list)
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FaultHistory>\n");
    for (const FaultHistoryEvent& e : list) {
        out += QStringLiteral("    <Event>\n        <Time>%1</Time>\n        <Kind>%2</Kind>\n"
                              "        <Loco>%3</Loco>\n        <Number>%4</Number>\n")
                   .arg(e.time.toOffsetFromUtc(e.time.offsetFromUtc()).toString(Qt::ISODate),
                        FaultHistory::kindName(e.kind))
                   .arg(e.loco)
                   .arg(e.number);
        out += QStringLiteral("        <FaultCode>%1</FaultCode>\n        <Subsystem>%2</Subsystem>\n"
                              "        <Text>%3</Text>\n    </Event>\n")
                   .arg(e.faultCode.toHtmlEscaped(), e.subsystem.toHtmlEscaped(), e.text.toHtmlEscaped());
    }
    return (out + QStringLiteral("</FaultHistory>\n")).toUtf8();
}

// RFC 4180 records: quoted fields may hold commas, doubled quotes and line
// ends; a record ends with CRLF.
inline QVector<QStringList> parseCsv(const QByteArray& bytes)
{
    const QString s = QString::fromUtf8(bytes);
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        const QChar next = i + 1 < s.size() ? s.at(i + 1) : QChar();
        if (quoted && c == u'"' && next == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            row << field;
            field.clear();
        } else if (!quoted && c == u'\r' && next == u'\n') {
            rows << (row << field);
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!row.isEmpty() || !field.isEmpty())
        rows << (row << field << QStringLiteral("<no CRLF at the end>"));
    return rows;
}

} // namespace sample
