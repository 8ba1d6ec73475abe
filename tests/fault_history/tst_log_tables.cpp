// The logs as a maintainer takes them off the unit: the fault log and the
// DDS records as spreadsheet tables (quoting, order, a log that does not
// read), the bound of the DDS records kept, and the fault history's writer
// thread (order kept, reads after the appends queued, nothing lost at its
// end).

#include <QTemporaryDir>
#include <QtTest>

#include "diagnostics/csv.h"
#include "diagnostics/fault_history_writer.h"
#include "diagnostics/log_tables.h"
#include "tests/support/files.h"

namespace {

DDU_RAW_DATA_struct record(int reference, const QString& processor, const QString& text)
{
    DDU_RAW_DATA_struct r;
    r.event_number_raw = reference;
    r.event_number = QString::number(reference);
    r.DateTime = QStringLiteral("08/12/2026 09:00:00");
    r.Proc = processor;
    r.FaultMessage = text;
    return r;
}

FaultHistoryEvent historyEvent(int i)
{
    FaultHistoryEvent e;
    e.kind = FaultHistoryEvent::Kind(i % 3);
    e.time = QDateTime(QDate(2026, 12, 8), QTime(9, 0, 0)).addSecs(i);
    e.number = 10000 + i;
    e.faultCode = QStringLiteral("F%1").arg(i);
    return e;
}

} // namespace

class TestLogTables : public QObject {
    Q_OBJECT

private slots:
    void csvFields_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QByteArray>("out");
        // clang-format off
        QTest::newRow("plain")     << "F0103P1"          << QByteArray("F0103P1");
        QTest::newRow("comma")     << "PANTO, LOWER"     << QByteArray("\"PANTO, LOWER\"");
        QTest::newRow("quote")     << "say \"VCB\""      << QByteArray("\"say \"\"VCB\"\"\"");
        QTest::newRow("line end")  << "a\nb"             << QByteArray("\"a\nb\"");
        QTest::newRow("hindi")     << "पैंटो"             << QByteArray("पैंटो");
        QTest::newRow("empty")     << ""                 << QByteArray("");
        // clang-format on
    }

    void csvFields()
    {
        QFETCH(QString, in);
        QFETCH(QByteArray, out);
        QCOMPARE(csv::field(in), out);
        QCOMPARE(csv::line({in, in}), out + ',' + out + "\r\n");
    }

    void faultLogTable()
    {
        QString problem;
        const QByteArray xml = "<?xml version=\"1.0\"?>\n<SUBSYSTEM>\n"
                               " <Message><LocoType>2</LocoType><SubsystemNo>SS02:Traction</SubsystemNo>"
                               "<Time>08/12/2026 09:00:00</Time><FaultCode>F0201P1</FaultCode>"
                               "<FaultMessage>CONVERTER 1\n  ISOLATED\n\n</FaultMessage></Message>\n"
                               " <Message><LocoType>1</LocoType><Time>08/12/2026 09:01:00</Time></Message>\n"
                               "</SUBSYSTEM>\n";
        QCOMPARE(logtables::faultLogCsv(xml, &problem),
                 QByteArray("Loco,Subsystem,Time,Fault code,Message\r\n"
                            "2,SS02:Traction,08/12/2026 09:00:00,F0201P1,CONVERTER 1 / ISOLATED\r\n"
                            "1,,08/12/2026 09:01:00,,\r\n"));
        QVERIFY(problem.isEmpty());
        QCOMPARE(logtables::faultLogCsv("<SUBSYSTEM><Message>", &problem), QByteArray());
        QVERIFY(!problem.isEmpty());
    }

    void ddsRecordsKeptAndBounded()
    {
        logtables::DdsSeen seen;
        seen.add(record(20, "FLG1", "Alarm chain pulling"));
        seen.add(record(0, "FLG1", "an empty slot"));
        seen.add(record(7, "HBB2", "Unknown Message 10"));
        seen.add(record(20, "FLG1", "MCB of compressor 2 open")); // the same event, read again
        QCOMPARE(logtables::ddsCsv(seen.records()),
                 QByteArray("Reference,Date and time,Processor,Message\r\n"
                            "7,08/12/2026 09:00:00,HBB2,Unknown Message 10\r\n"
                            "20,08/12/2026 09:00:00,FLG1,MCB of compressor 2 open\r\n"));
        for (int i = 1; i <= logtables::DdsSeen::kMaxRecords + 5; ++i)
            seen.add(record(100 + i, "SLG1", "x"));
        QCOMPARE(seen.count(), logtables::DdsSeen::kMaxRecords);
        QCOMPARE(seen.records().first().event_number_raw, 106); // the lowest went
    }

    // Appends from another thread are written in order; a read waits for
    // the appends queued before it; ending the writer writes what is queued.
    void writerKeepsOrderAndLosesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fault/fault_history.xml"));
        {
            FaultHistoryWriter writer(path);
            for (int i = 0; i < 20; ++i)
                writer.append(historyEvent(i));
            const FaultHistoryWriter::Tables tables = writer.tables();
            const QList<QByteArray> lines = tables.csv.split('\n');
            QCOMPARE(lines.size(), 22); // header, 20 events, the empty rest after the last CRLF
            QVERIFY(lines[1].startsWith("2026-12-08 09:00:00,raised,1,10000,F0,"));
            QVERIFY(lines[20].startsWith("2026-12-08 09:00:19,acknowledged,1,10019,F19,"));
            QCOMPARE(tables.xml, testsupport::readBytes(path));
            for (int i = 20; i < 30; ++i)
                writer.append(historyEvent(i));
        } // ended with appends still queued
        const QVector<FaultHistoryEvent> events = FaultHistory(path).events();
        QCOMPARE(events.size(), 30);
        for (int i = 0; i < 30; ++i)
            QCOMPARE(events[i].number, 10000 + i);
    }
};

QTEST_GUILESS_MAIN(TestLogTables)
#include "tst_log_tables.moc"
