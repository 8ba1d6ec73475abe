// Tests of the update log: lines appended and read back, fields that would
// break a line made blanks, the bound that keeps the newest whole lines, and
// a log that cannot be read or written left as it was with the reason;
// appends from several threads at once; and the time-out of the shell
// commands an update runs, which ends what the command started.

#include "platform/update_log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <csignal>

#include "platform/file_io.h"
#include "platform/platform.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"

Q_DECLARE_METATYPE(platform::UpdateLogEntry)

namespace {

using platform::UpdateLogEntry;
using testsupport::readBytes;
using testsupport::writeBytes;

const QDateTime kStart(QDate(2026, 12, 7), QTime(10, 0, 0));

UpdateLogEntry entry(int i, const QString& action = QStringLiteral("update"),
                     const QString& result = QStringLiteral("done"))
{
    return {kStart.addSecs(i), action, QStringLiteral("1.%1").arg(i), QStringLiteral("1.%1").arg(i + 1), result};
}

QString lineOf(int i, const QString& action = QStringLiteral("update"), const QString& result = QStringLiteral("done"))
{
    return kStart.addSecs(i).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
        QStringLiteral("\t%1\t1.%2\t1.%3\t%4").arg(action).arg(i).arg(i + 1).arg(result);
}

enum class Spoil { DiskFull, FolderIsFile, FolderInPlace, TooLarge, NoTime };

} // namespace

class TestUpdateLog : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;
    int m_next = 0;

    // A fresh file for each case.
    QString freshPath() { return m_root.filePath(QStringLiteral("u%1/file/update/update.log").arg(++m_next)); }

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    // The update and export workers and the GUI thread append at once: no
    // line is lost.
    void appendsFromThreads()
    {
        const QString path = freshPath();
        QVector<QThread*> threads;
        for (int t = 0; t < 3; ++t) {
            threads << QThread::create([path, t] {
                for (int i = 0; i < 20; ++i)
                    platform::appendUpdateLog(path, entry(t * 100 + i));
            });
            threads.last()->start();
        }
        for (QThread* t : threads) {
            QVERIFY(t->wait(60000));
            delete t;
        }
        QCOMPARE(platform::readUpdateLog(path).size(), 60);
    }

    // A command that times out is ended with what it started: here a
    // harmless sleep in the background of the shell, whose process must be
    // gone once the call returns.
    void shellTimeOutEndsTheCommand()
    {
        const QByteArray shellLog = qgetenv("DDU_SHELL_LOG");
        qunsetenv("DDU_SHELL_LOG"); // this one command runs: a sleep
        const QByteArray timeOut = qgetenv("DDU_SHELL_TIMEOUT_MS");
        qunsetenv("DDU_SHELL_TIMEOUT_MS");
        const QString pidFile = m_root.filePath(QStringLiteral("sleep.pid"));
        const int status = platform::runShellFor(QStringLiteral("sleep 300 & echo $! > '%1'; wait").arg(pidFile), 500);
        qputenv("DDU_SHELL_LOG", shellLog);
        if (!timeOut.isEmpty())
            qputenv("DDU_SHELL_TIMEOUT_MS", timeOut);
        QCOMPARE(status, platform::kShellTimedOut);
        const pid_t sleeper = pid_t(readBytes(pidFile).trimmed().toLongLong());
        QVERIFY(sleeper > 0);
        // Killed; gone once its parent's group is reaped (init reaps it).
        QDeadlineTimer deadline(30000);
        while (::kill(sleeper, 0) == 0 && !deadline.hasExpired())
            QThread::msleep(20);
        QVERIFY2(::kill(sleeper, 0) != 0, "the background sleep outlived the time-out");
    }

    void appendAndRead_data()
    {
        QTest::addColumn<QVector<UpdateLogEntry>>("entries");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one update") << QVector<UpdateLogEntry>{entry(0)} << QStringList{lineOf(0)};
        QTest::newRow("each action")
            << QVector<UpdateLogEntry>{entry(1), entry(2, QStringLiteral("transfer")),
                                       entry(3, QStringLiteral("rollback"), QStringLiteral("copy failed: disk full"))}
            << QStringList{lineOf(1), lineOf(2, QStringLiteral("transfer")),
                           lineOf(3, QStringLiteral("rollback"), QStringLiteral("copy failed: disk full"))};
        QTest::newRow("tab and line ends")
            << QVector<UpdateLogEntry>{entry(4, QStringLiteral("up\tdate"), QStringLiteral("no\nspace\r\nleft"))}
            << QStringList{lineOf(4, QStringLiteral("up date"), QStringLiteral("no space  left"))};
        const QString controls = QStringLiteral("a\u0001\u001b\u007fb");
        QTest::newRow("other controls") << QVector<UpdateLogEntry>{entry(5, controls,
                                                                         QStringLiteral("x\u2028y\u0085z"))}
                                        << QStringList{lineOf(5, QStringLiteral("a   b"), QStringLiteral("x y z"))};
        UpdateLogEntry empty{kStart, QStringLiteral("rollback"), {}, {}, QStringLiteral("done")};
        QTest::newRow("empty versions") << QVector<UpdateLogEntry>{empty}
                                        << QStringList{QStringLiteral("2026-12-07 10:00:00\trollback\t\t\tdone")};
        QTest::newRow("Hindi") << QVector<UpdateLogEntry>{entry(6, QStringLiteral("update"), QStringLiteral("पूर्ण"))}
                               << QStringList{lineOf(6, QStringLiteral("update"), QStringLiteral("पूर्ण"))};
        QTest::newRow("long field cut") << QVector<UpdateLogEntry>{entry(7, QStringLiteral("update"),
                                                                         QString(5000, u'x'))}
                                        << QStringList{lineOf(7, QStringLiteral("update"), QString(1024, u'x'))};
    }

    // Each entry is one line of five fields, in the order appended.
    void appendAndRead()
    {
        QFETCH(QVector<UpdateLogEntry>, entries);
        QFETCH(QStringList, lines);
        const QString path = freshPath();
        QVERIFY(platform::readUpdateLog(path).isEmpty());
        for (const UpdateLogEntry& e : entries) {
            QString reason;
            QVERIFY2(platform::appendUpdateLog(path, e, &reason), qPrintable(reason));
        }
        QCOMPARE(platform::readUpdateLog(path), lines);
        QCOMPARE(readBytes(path), (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        for (const QString& line : platform::readUpdateLog(path))
            QCOMPARE(line.count(QLatin1Char('\t')), 4);
    }

    void bound_data()
    {
        QTest::addColumn<int>("resultChars");
        QTest::addColumn<int>("appends");
        QTest::newRow("short lines, within") << 10 << 100;
        QTest::newRow("short lines, beyond") << 10 << 3000;
        QTest::newRow("long lines, beyond") << 1000 << 200;
        QTest::newRow("lines of every length") << -1 << 400;
    }

    // Never beyond 64 KiB; the lines kept are the newest, whole and as many as
    // fit.
    void bound()
    {
        QFETCH(int, resultChars);
        QFETCH(int, appends);
        const QString path = freshPath();
        QStringList all;
        for (int i = 0; i < appends; ++i) {
            const QString result(resultChars >= 0 ? resultChars : (i * 37) % 1024, u'r');
            QVERIFY(platform::appendUpdateLog(path, entry(i, QStringLiteral("transfer"), result)));
            all << lineOf(i, QStringLiteral("transfer"), result);
            QVERIFY(QFileInfo(path).size() <= platform::kUpdateLogMaxBytes);
        }
        const QStringList kept = platform::readUpdateLog(path);
        QVERIFY(!kept.isEmpty());
        QCOMPARE(kept, all.mid(all.size() - kept.size()));
        QCOMPARE(readBytes(path), (kept.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        if (kept.size() < all.size()) { // the line before the first kept would not have fitted
            const qint64 before = all.at(all.size() - kept.size() - 1).toUtf8().size() + 1;
            QVERIFY(QFileInfo(path).size() + before > platform::kUpdateLogMaxBytes);
        }
    }

    // A log longer than the bound, copied in by hand and without a last line
    // end, is cut to the newest whole lines on the next append.
    void longLogCut()
    {
        const QString path = freshPath();
        QStringList old;
        for (int i = 0; i < 5000; ++i)
            old << QStringLiteral("old line %1\tupdate\ta\tb\tdone").arg(i);
        QVERIFY(writeBytes(path, old.join(QLatin1Char('\n')).toUtf8()));
        QVERIFY(platform::appendUpdateLog(path, entry(1)));
        const QStringList kept = platform::readUpdateLog(path);
        QVERIFY(QFileInfo(path).size() <= platform::kUpdateLogMaxBytes);
        QCOMPARE(kept.last(), lineOf(1));
        QCOMPARE(kept.mid(0, kept.size() - 1), old.mid(old.size() - kept.size() + 1));
    }

    void unwritable_data()
    {
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << Spoil::DiskFull << QStringLiteral("disk full");
        QTest::newRow("a file in place of the folder") << Spoil::FolderIsFile << QString();
        QTest::newRow("a folder in place of the log") << Spoil::FolderInPlace << QStringLiteral("not a regular file");
        QTest::newRow("a log beyond any written") << Spoil::TooLarge << QStringLiteral("more than 1048576 bytes");
        QTest::newRow("no valid time") << Spoil::NoTime << QStringLiteral("no valid time");
    }

    // False with the reason in words, and the old log stays byte for byte.
    void unwritable()
    {
        QFETCH(Spoil, spoil);
        QFETCH(QString, reason);
        const QString path = freshPath();
        const QString folder = QFileInfo(path).path();
        QVERIFY(platform::appendUpdateLog(path, entry(1)));
        UpdateLogEntry next = entry(2);
        switch (spoil) {
        case Spoil::DiskFull: platform::interruptNextSaveAfter = 10; break;
        case Spoil::FolderIsFile:
            QVERIFY(QDir().rename(folder, folder + ".moved") && writeBytes(folder, "a file"));
            break;
        case Spoil::FolderInPlace: QVERIFY(QFile::remove(path) && QDir().mkpath(path + "/inside")); break;
        case Spoil::TooLarge: QVERIFY(writeBytes(path, QByteArray(1024 * 1024 + 1, 'x'))); break;
        case Spoil::NoTime: next.time = QDateTime(); break;
        }
        const QByteArray before = readBytes(path);
        if (spoil != Spoil::NoTime)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("update log .* (not written|cannot "
                                                                   "be read): .+")));
        QString why;
        QVERIFY(!platform::appendUpdateLog(path, next, &why));
        if (reason.isEmpty())
            QVERIFY2(!why.isEmpty(), "no reason given");
        else
            QCOMPARE(why, reason);
        QCOMPARE(readBytes(path), before);
        if (spoil == Spoil::FolderIsFile) {
            QCOMPARE(readBytes(folder), QByteArray("a file"));
            QCOMPARE(readBytes(folder + ".moved/update.log"), (lineOf(1) + QLatin1Char('\n')).toUtf8());
        }
        if (spoil == Spoil::FolderInPlace)
            QVERIFY(QFileInfo(path + "/inside").isDir());
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(),
                 spoil == Spoil::FolderIsFile || spoil == Spoil::FolderInPlace ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestUpdateLog)
#include "tst_update_log.moc"
