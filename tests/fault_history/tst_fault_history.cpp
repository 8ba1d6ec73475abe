// Tests of the fault history: events read back by the next run, the bound on
// their number and on the file's size, an unreadable history set aside, a
// history that cannot be written keeping its events, events refused or cut
// to what the file holds, and the spreadsheet table read back field by field.

#include "diagnostics/fault_history.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include "platform/file_io.h"
#include "tests/fault_history/history_samples.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"

namespace {

using sample::eventRange;
using sample::faultEvent;
using sample::historyXml;
using sample::parseCsv;
using testsupport::readBytes;
using testsupport::writeBytes;

// The file and whatever a save left beside it under its name.
QStringList filesBeside(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return QDir(QFileInfo(path).path()).entryList({name, name + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

enum class Block { DiskFull, FolderIsFile };

} // namespace

class TestFaultHistory : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;
    int m_next = 0;

    // A fresh file for each case.
    QString freshPath() { return m_root.filePath(QStringLiteral("h%1/file/fault/fault_history.xml").arg(++m_next)); }

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    void restart_data()
    {
        QTest::addColumn<QVector<FaultHistoryEvent>>("list");
        QTest::newRow("one event") << eventRange(0, 1);
        QTest::newRow("each kind, both locos") << eventRange(0, 6);
        QTest::newRow("markup and Hindi") << QVector<FaultHistoryEvent>{
            faultEvent(1, FaultHistoryEvent::Acknowledged, QStringLiteral("<b>&amp; \"x\" 'y' </b> / वीसीबी बंद")),
            faultEvent(2, FaultHistoryEvent::Cleared, QStringLiteral("  blanks kept  "))};
        QTest::newRow("empty texts") << QVector<FaultHistoryEvent>{
            faultEvent(3, FaultHistoryEvent::Cleared, QStringLiteral(""))};
        FaultHistoryEvent utc = faultEvent(4);
        utc.time = QDateTime(QDate(2026, 3, 1), QTime(23, 59, 59), Qt::UTC);
        QTest::newRow("a time in UTC") << QVector<FaultHistoryEvent>{utc};
    }

    // The next run reads back every event, in order, and the file is the
    // documented one.
    void restart()
    {
        QFETCH(QVector<FaultHistoryEvent>, list);
        const QString path = freshPath();
        FaultHistory first(path);
        QCOMPARE(first.count(), 0);
        for (const FaultHistoryEvent& e : list)
            QVERIFY(first.append(e));
        QCOMPARE(first.events(), list);

        FaultHistory next(path);
        QCOMPARE(next.events(), list);
        QCOMPARE(next.toCsv(), first.toCsv());
        const QByteArray file = readBytes(path);
        QVERIFY(file.contains("<FaultHistory>"));
        QCOMPARE(file.count("<Event>"), list.size());
        QVERIFY(file.contains("<Kind>" + FaultHistory::kindName(list.last().kind).toUtf8() + "</Kind>"));
        QCOMPARE(filesBeside(path), QStringList{"fault_history.xml"});
    }

    void bound_data()
    {
        QTest::addColumn<int>("inFile");
        QTest::addColumn<int>("appended");
        QTest::newRow("within") << 10 << 5;
        QTest::newRow("up to the bound") << FaultHistory::kMaxEvents - 5 << 5;
        QTest::newRow("crossing the bound") << FaultHistory::kMaxEvents - 3 << 8;
        QTest::newRow("full, five more") << FaultHistory::kMaxEvents << 5;
        QTest::newRow("file beyond the bound") << FaultHistory::kMaxEvents + 5 << 1;
    }

    // At most kMaxEvents: the oldest go, the order stays. (The file is
    // prepared by hand: ten thousand appends would write it ten thousand times.)
    void bound()
    {
        QFETCH(int, inFile);
        QFETCH(int, appended);
        const QString path = freshPath();
        QVERIFY(writeBytes(path, historyXml(eventRange(0, inFile))));
        FaultHistory history(path);
        QElapsedTimer timer;
        timer.start();
        for (int i = inFile; i < inFile + appended; ++i)
            QVERIFY(history.append(eventRange(i, 1).first()));
        qInfo("%d appends to a history of %d events: %lld ms", appended, inFile, qint64(timer.elapsed()));

        const int total = inFile + appended;
        const int kept = qMin(total, int(FaultHistory::kMaxEvents));
        QCOMPARE(history.count(), kept);
        QCOMPARE(history.events(), eventRange(total - kept, kept));
        QCOMPARE(FaultHistory(path).events(), eventRange(total - kept, kept));
    }

    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        static const char garbage[] = "\x00\xff\xfe garbage \x01";
        QTest::newRow("garbage") << QByteArray(garbage, sizeof garbage - 1);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("torn document") << historyXml(eventRange(0, 3)).left(300);
        QTest::newRow("another root") << QByteArray("<SUBSYSTEM><Message/></SUBSYSTEM>");
        QTest::newRow("another element") << QByteArray("<FaultHistory><Message/></FaultHistory>");
        QByteArray xml = historyXml(eventRange(0, 2));
        QTest::newRow("unknown kind") << QByteArray(xml).replace("<Kind>raised", "<Kind>gone");
        QTest::newRow("loco 3") << QByteArray(xml).replace("<Loco>1", "<Loco>3");
        QTest::newRow("number no number") << QByteArray(xml).replace("<Number>10000", "<Number>ten");
        QTest::newRow("no time") << QByteArray(xml).replace("<Time>", "<Time>x");
        QTest::newRow("element in a text") << QByteArray(xml).replace("<Text>", "<Text><b/>");
        QTest::newRow("content after the root") << xml + "<FaultHistory/>";
        QTest::newRow("nested deep") << "<FaultHistory><Event>" + QByteArray("<a>").repeated(100000) +
                QByteArray("</a>").repeated(100000) + "</Event></FaultHistory>";
        QTest::newRow("beyond the size limit")
            << xml + QByteArray(int(FaultHistory::kMaxFileBytes) + 1 - xml.size(), ' ');
    }

    // Kept beside the history as ".unreadable", a warning says so, and a new
    // history starts and is written.
    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        const QString path = freshPath();
        QVERIFY(writeBytes(path, bytes));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("could not be read .* - kept as .*"
                                                               "fault_history.xml.unreadable")));
        FaultHistory history(path);
        QCOMPARE(history.count(), 0);
        QCOMPARE(readBytes(path + FaultHistory::unreadableSuffix()), bytes);
        QVERIFY(!QFile::exists(path));
        QVERIFY(history.append(faultEvent(7)));
        QCOMPARE(FaultHistory(path).events(), QVector<FaultHistoryEvent>{faultEvent(7)});
        QCOMPARE(readBytes(path + FaultHistory::unreadableSuffix()), bytes);
    }

    // A folder in place of the file is set aside as well.
    void folderInPlace()
    {
        const QString path = freshPath();
        QVERIFY(QDir().mkpath(path));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not a regular file.*kept as")));
        FaultHistory history(path);
        QVERIFY(history.append(faultEvent(1)));
        QVERIFY(QFileInfo(path + FaultHistory::unreadableSuffix()).isDir());
        QCOMPARE(FaultHistory(path).count(), 1);
    }

    void unwritable_data()
    {
        QTest::addColumn<Block>("block");
        QTest::newRow("disk full") << Block::DiskFull;
        QTest::newRow("a file in place of the folder") << Block::FolderIsFile;
    }

    // An event that cannot be written is kept, the file stays as it was, and
    // the next append that can write writes it.
    void unwritable()
    {
        QFETCH(Block, block);
        const QString path = freshPath();
        const QString folder = QFileInfo(path).path();
        FaultHistory history(path);
        QVERIFY(history.append(faultEvent(1)));
        const QByteArray before = readBytes(path);

        if (block == Block::DiskFull)
            platform::interruptNextSaveAfter = 10;
        else
            QVERIFY(QDir().rename(folder, folder + ".moved") && writeBytes(folder, "a file"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("fault history .* not written: .+")));
        QString reason;
        QVERIFY(!history.append(faultEvent(2), &reason));
        QVERIFY2(reason.contains(QStringLiteral("not written")), qPrintable(reason));
        QCOMPARE(history.events(), (QVector<FaultHistoryEvent>{faultEvent(1), faultEvent(2)}));
        if (block == Block::FolderIsFile)
            QVERIFY(QFile::remove(folder) && QDir().rename(folder + ".moved", folder));
        QCOMPARE(readBytes(path), before);
        QCOMPARE(filesBeside(path), QStringList{"fault_history.xml"});

        QVERIFY(history.append(faultEvent(3)));
        QCOMPARE(FaultHistory(path).events(),
                 (QVector<FaultHistoryEvent>{faultEvent(1), faultEvent(2), faultEvent(3)}));
    }

    void refused_data()
    {
        QTest::addColumn<FaultHistoryEvent>("bad");
        QTest::addColumn<QString>("why");
        FaultHistoryEvent e = faultEvent(1);
        e.time = QDateTime();
        QTest::newRow("no time") << e << QStringLiteral("no valid time");
        e = faultEvent(1);
        e.loco = 3;
        QTest::newRow("loco 3") << e << QStringLiteral("unknown loco 3");
        e.loco = 0;
        QTest::newRow("loco 0") << e << QStringLiteral("unknown loco 0");
        e = faultEvent(1);
        e.kind = FaultHistoryEvent::Kind(7);
        QTest::newRow("kind 7") << e << QStringLiteral("unknown kind 7");
    }

    // An event the file could not hold is refused; nothing changes.
    void refused()
    {
        QFETCH(FaultHistoryEvent, bad);
        QFETCH(QString, why);
        const QString path = freshPath();
        FaultHistory history(path);
        QVERIFY(history.append(faultEvent(0)));
        const QByteArray before = readBytes(path);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("event refused: ") + why));
        QString reason;
        QVERIFY(!history.append(bad, &reason));
        QCOMPARE(reason, QStringLiteral("fault event refused: ") + why);
        QCOMPARE(history.events(), QVector<FaultHistoryEvent>{faultEvent(0)});
        QCOMPARE(readBytes(path), before);
    }

    void heldAs_data()
    {
        QTest::addColumn<FaultHistoryEvent>("given");
        QTest::addColumn<FaultHistoryEvent>("held");
        FaultHistoryEvent e = faultEvent(1);
        e.time = e.time.addMSecs(999);
        QTest::newRow("milliseconds dropped") << e << faultEvent(1);
        QTest::newRow("long text cut") << faultEvent(1, FaultHistoryEvent::Raised, QString(3000, u'x'))
                                       << faultEvent(1, FaultHistoryEvent::Raised,
                                                     QString(FaultHistory::kMaxFieldChars, u'x'));
        const QString pair = QStringLiteral("\U0001F6A8");
        QTest::newRow("cut not inside a pair")
            << faultEvent(1, FaultHistoryEvent::Raised, QString(FaultHistory::kMaxFieldChars - 1, u'x') + pair)
            << faultEvent(1, FaultHistoryEvent::Raised, QString(FaultHistory::kMaxFieldChars - 1, u'x'));
        QTest::newRow("controls blank") << faultEvent(1, FaultHistoryEvent::Raised, QStringLiteral("a\x01z\x1f\tb\nc"))
                                        << faultEvent(1, FaultHistoryEvent::Raised, QStringLiteral("a z \tb\nc"));
        QTest::newRow("line ends as LF") << faultEvent(1, FaultHistoryEvent::Raised, QStringLiteral("a\r\nb\rc\n\r"))
                                         << faultEvent(1, FaultHistoryEvent::Raised, QStringLiteral("a\nb\nc\n\n"));
        QTest::newRow("lone surrogate blank") << faultEvent(1, FaultHistoryEvent::Raised, QString(QChar(0xD800)) + pair)
                                              << faultEvent(1, FaultHistoryEvent::Raised, QStringLiteral(" ") + pair);
    }

    // What the file cannot carry is changed before the event is held, so the
    // next run reads the same.
    void heldAs()
    {
        QFETCH(FaultHistoryEvent, given);
        QFETCH(FaultHistoryEvent, held);
        const QString path = freshPath();
        FaultHistory history(path);
        QVERIFY(history.append(given));
        QCOMPARE(history.events(), QVector<FaultHistoryEvent>{held});
        QCOMPARE(FaultHistory(path).events(), QVector<FaultHistoryEvent>{held});
    }

    // Texts of the longest length and full of markup: the oldest events go so
    // that the file stays within kMaxFileBytes and can be read again.
    void sizeLimit()
    {
        const QString big(FaultHistory::kMaxFieldChars, u'&');
        QVector<FaultHistoryEvent> list;
        const int perEvent = historyXml({faultEvent(0, FaultHistoryEvent::Raised, big)}).size() - historyXml({}).size();
        const int fit = int((FaultHistory::kMaxFileBytes - historyXml({}).size()) / perEvent);
        for (int i = 0; i < fit; ++i)
            list << faultEvent(i, FaultHistoryEvent::Raised, big);
        const QString path = freshPath();
        QVERIFY(writeBytes(path, historyXml(list)));
        FaultHistory history(path);
        QCOMPARE(history.count(), fit);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("beyond .* the oldest \\d+ events")));
        QVERIFY(history.append(faultEvent(fit, FaultHistoryEvent::Raised, big)));
        QVERIFY(QFileInfo(path).size() <= FaultHistory::kMaxFileBytes);
        QVERIFY(history.count() < fit + 1);
        QCOMPARE(history.events().last(), faultEvent(fit, FaultHistoryEvent::Raised, big));
        QCOMPARE(FaultHistory(path).events(), history.events());
    }

    // Each message of each loco is open from its raise to its clear: a raise
    // while it is open (the display restarted, the message stayed) adds
    // nothing; a clear without texts takes those of its raise.
    void openUntilCleared()
    {
        const QString path = freshPath();
        FaultHistory history(path);
        FaultHistoryEvent raised = faultEvent(2); // loco 1, 10002
        QVERIFY(history.append(raised));
        FaultHistoryEvent ack = raised;
        ack.kind = FaultHistoryEvent::Acknowledged;
        QVERIFY(history.append(ack));
        FaultHistory again(path); // a restart
        FaultHistoryEvent raisedAgain = raised;
        raisedAgain.time = raised.time.addSecs(600);
        QVERIFY(again.append(raisedAgain));
        QCOMPARE(again.count(), 2);
        FaultHistoryEvent other = raisedAgain; // the same number on the other loco is its own
        other.loco = 2;
        QVERIFY(again.append(other));
        FaultHistoryEvent cleared;
        cleared.kind = FaultHistoryEvent::Cleared;
        cleared.time = raised.time.addSecs(700);
        cleared.loco = 1;
        cleared.number = raised.number;
        QVERIFY(again.append(cleared));
        const FaultHistoryEvent last = again.events().constLast();
        QCOMPARE(last.kind, FaultHistoryEvent::Cleared);
        QCOMPARE(last.loco, 1);
        QCOMPARE(last.faultCode, raised.faultCode);
        QCOMPARE(last.text, raised.text);
        QVERIFY(again.append(raisedAgain)); // raised anew after its clear
        QCOMPARE(FaultHistory(path).count(), 5);
    }

    // After a start, the first number read of a loco closes what the history
    // holds open for it but that number, at the time given; the other loco's
    // messages stay open.
    void settledAtStart()
    {
        const QString path = freshPath();
        {
            FaultHistory history(path);
            for (const int i : {2, 4, 6, 3}) // loco 1: 10002, 10004, 10006; loco 2: 10003
                QVERIFY(history.append(faultEvent(i)));
            FaultHistoryEvent cleared = faultEvent(4, FaultHistoryEvent::Cleared);
            QVERIFY(history.append(cleared));
        }
        FaultHistory history(path);
        const QDateTime seen = sample::kStart.addSecs(3600);
        QVERIFY(history.settle(1, 10006, seen));
        QVector<FaultHistoryEvent> events = FaultHistory(path).events();
        QCOMPARE(events.size(), 6);
        QCOMPARE(events.last().kind, FaultHistoryEvent::Cleared);
        QCOMPARE(events.last().number, 10002);
        QCOMPARE(events.last().time, seen);
        QCOMPARE(events.last().text, faultEvent(2).text);
        QVERIFY(history.settle(1, 10006, seen)); // nothing more to close
        QCOMPARE(history.count(), 6);
        QVERIFY(history.settle(1, 0, seen.addSecs(1)));
        events = history.events();
        QCOMPARE(events.size(), 7);
        QCOMPARE(events.last().number, 10006);
        for (const FaultHistoryEvent& e : events)
            QVERIFY(e.loco == 1 || e.kind == FaultHistoryEvent::Raised); // 10003 still open
    }

    // A second unreadable history does not replace the first one kept; one
    // that cannot be moved aside is never written over.
    void unreadableKeptEachTime()
    {
        const QString path = freshPath();
        for (const QByteArray& bad : {QByteArray("first"), QByteArray("second")}) {
            QVERIFY(writeBytes(path, bad));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not be read .* kept as")));
            QVERIFY(FaultHistory(path).append(faultEvent(1)));
        }
        QCOMPARE(readBytes(path + FaultHistory::unreadableSuffix()), QByteArray("first"));
        QCOMPARE(readBytes(path + FaultHistory::unreadableSuffix() + ".1"), QByteArray("second"));

        for (int n = 2; n <= 9; ++n)
            QVERIFY(writeBytes(path + FaultHistory::unreadableSuffix() + '.' + QByteArray::number(n), "x"));
        QVERIFY(writeBytes(path, "eleventh"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot be kept aside")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not written")));
        FaultHistory history(path);
        QVERIFY(!history.append(faultEvent(1)));
        QCOMPARE(history.count(), 1);
        QCOMPARE(readBytes(path), QByteArray("eleventh"));
    }

    // Entities declared in the document are refused before anything is
    // expanded; a plain document type is read.
    void entitiesRefused()
    {
        const QString path = freshPath();
        QByteArray body = historyXml({faultEvent(1)});
        body = body.mid(body.indexOf("<FaultHistory")); // without the XML declaration
        QVERIFY(writeBytes(path, "<!DOCTYPE FaultHistory>\n" + body));
        QCOMPARE(FaultHistory::readProblem(path), QString());
        QVERIFY(writeBytes(path,
                           "<!DOCTYPE FaultHistory [<!ENTITY a \"" + QByteArray(4000, 'a') + "\">]>\n" +
                               body.replace("VCB STUCK", QByteArray("&a;").repeated(1000))));
        QVERIFY(FaultHistory::readProblem(path).contains(QStringLiteral("entity declarations")));
    }

    void csv_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("VCB STUCK / switch off");
        QTest::newRow("comma") << QStringLiteral("a, b");
        QTest::newRow("quote") << QStringLiteral("say \"now\"");
        QTest::newRow("newline") << QStringLiteral("line 1\nline 2");
        QTest::newRow("all of them") << QStringLiteral("\"a\",\n\"\",b,\"");
        QTest::newRow("blanks") << QStringLiteral("  both ends  ");
        QTest::newRow("empty") << QStringLiteral("");
        QTest::newRow("Hindi") << QStringLiteral("वीसीबी चालू स्थिति में अटका");
    }

    // One header line, one record per event; every field reads back as it
    // was, from this run and from the next.
    void csv()
    {
        QFETCH(QString, text);
        const QString path = freshPath();
        FaultHistory history(path);
        FaultHistoryEvent e = faultEvent(2, FaultHistoryEvent::Acknowledged, text);
        e.subsystem = text;
        QVERIFY(history.append(e));
        QVERIFY(history.append(faultEvent(3, FaultHistoryEvent::Cleared)));

        const QByteArray csv = history.toCsv();
        QVERIFY(csv.startsWith("Time,Event,Loco,Number,Fault code,Subsystem,Text\r\n"));
        QVERIFY(csv.endsWith("\r\n"));
        QCOMPARE(FaultHistory(path).toCsv(), csv);
        const QVector<QStringList> rows = parseCsv(csv);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(1), (QStringList{"2026-12-07 10:00:02", "acknowledged", "1", "10002", "F0002P1", text, text}));
        QCOMPARE(rows.at(2),
                 (QStringList{"2026-12-07 10:00:03", "cleared", "2", "10003", "F0003P1", "SS01:Main Power",
                              "VCB STUCK IN ON POSITION / switch off"}));
    }
};

QTEST_GUILESS_MAIN(TestFaultHistory)
#include "tst_fault_history.moc"
