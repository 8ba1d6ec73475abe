// The trial of a newly installed program, as the display plays its part:
// the trial file written at install, READY after the first frame, WATCHDOG
// from every tick, the trial ended after a healthy minute (and not before,
// nor without a frame), the roll-back note of the service guard shown once,
// an end on request noted for the guard.
// The notifications are also sent over a real datagram socket.

#include <QDir>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/service_health.h"
#include "platform/service_notify.h"
#include "platform/update_log.h"
#include "platform/update_trial.h"
#include "tests/support/files.h"

namespace {

using testsupport::readBytes;
using testsupport::writeBytes;

const QDateTime kInstalled(QDate(2026, 12, 8), QTime(9, 30, 0));

} // namespace

class TestUpdateTrial : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    platform::TrialFiles m_files;

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        m_files = {m_tmp->path()};
    }

    void trialWrittenAndRead()
    {
        QVERIFY(!platform::runningTrial(m_files));
        QVERIFY(platform::startTrial(m_files, "1.0", "1.1\nforged=1", kInstalled));
        const auto trial = platform::runningTrial(m_files);
        QVERIFY(trial);
        QCOMPARE(trial->from, QString("1.0"));
        QCOMPARE(trial->to, QString("1.1 forged=1")); // one value, one line
        // The guard adds its own lines; the versions still read.
        QVERIFY(writeBytes(m_files.trial(), readBytes(m_files.trial()) + "failures=1\nlast=watchdog\n"));
        QCOMPARE(platform::runningTrial(m_files)->to, QString("1.1 forged=1"));
        QVERIFY(platform::endTrial(m_files));
        QVERIFY(!platform::runningTrial(m_files));
        QVERIFY(!platform::endTrial(m_files));
    }

    // What the display tells its service manager, and when the trial ends.
    void stopRequestedNoted()
    {
        // No trial: nothing written.
        QVERIFY(!platform::noteStopRequested(m_files));
        QVERIFY(!QFile::exists(m_files.trial()));
        // The guard's lines and the versions stay; one stop= line, however
        // often the program ends.
        QVERIFY(platform::startTrial(m_files, "1.0", "1.1", kInstalled));
        QVERIFY(writeBytes(m_files.trial(), readBytes(m_files.trial()) + "started=x\nfailures=2\nstop=old\n"));
        QVERIFY(platform::noteStopRequested(m_files));
        QVERIFY(platform::noteStopRequested(m_files));
        const QList<QByteArray> lines = readBytes(m_files.trial()).split('\n');
        QCOMPARE(lines.count("stop=requested"), qsizetype(1));
        QCOMPARE(lines.count("stop=old"), qsizetype(0));
        for (const char* kept : {"from=1.0", "to=1.1", "started=x", "failures=2"})
            QVERIFY2(lines.contains(kept), kept);
        QCOMPARE(platform::runningTrial(m_files)->to, QString("1.1"));
    }

    void healthAndTrialEnd()
    {
        QVERIFY(platform::startTrial(m_files, "1.0", "1.1", kInstalled));
        QByteArrayList sent;
        platform::ServiceHealth health(m_files, [&](const QByteArray& s) {
            sent << s;
            return true;
        });
        health.tick(0); // ticks before the first frame: alive, not ready
        QCOMPARE(sent, QByteArrayList{"WATCHDOG=1"});
        health.framePainted(1000);
        health.framePainted(1500); // READY once
        QCOMPARE(sent, (QByteArrayList{"WATCHDOG=1", "READY=1"}));
        health.tick(1000 + 59999); // a minute not yet over
        QVERIFY(platform::runningTrial(m_files));
        QVERIFY(!health.trialPassed());
        health.tick(1000 + 60000);
        QVERIFY(health.trialPassed());
        QVERIFY(!platform::runningTrial(m_files));
        const QStringList log = platform::readUpdateLog(m_files.updateLog());
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.first().endsWith("\ttrial\t1.0\t1.1\tpassed"), qPrintable(log.first()));
        QCOMPARE(sent.count("WATCHDOG=1"), 3);
        QCOMPARE(sent.count("READY=1"), 1);
    }

    // No frame, no end of the trial, however long the ticks come; without a
    // trial the minute changes nothing.
    // The program that installs the next one must not end that one's trial:
    // only the trial running when it started is its own.
    void laterTrialLeftAlone()
    {
        platform::ServiceHealth fresh(m_files, [](const QByteArray&) { return true; });
        QVERIFY(platform::startTrial(m_files, "1.0", "1.1", kInstalled));
        fresh.framePainted(1000);
        fresh.tick(1000 + 61000);
        QVERIFY(!fresh.trialPassed());
        QVERIFY(platform::runningTrial(m_files));

        platform::ServiceHealth onTrial(m_files, [](const QByteArray&) { return true; });
        QVERIFY(platform::startTrial(m_files, "1.0", "1.2", kInstalled.addSecs(30)));
        onTrial.framePainted(1000);
        onTrial.tick(1000 + 61000);
        QVERIFY(!onTrial.trialPassed());
        QCOMPARE(platform::runningTrial(m_files)->to, QString("1.2"));
    }

    void noFrameNoPass()
    {
        QVERIFY(platform::startTrial(m_files, "1.0", "1.1", kInstalled));
        platform::ServiceHealth health(m_files, [](const QByteArray&) { return true; });
        for (qint64 t = 0; t < 600000; t += 500)
            health.tick(t);
        QVERIFY(!health.ready());
        QVERIFY(platform::runningTrial(m_files));
        QVERIFY(QFile::remove(m_files.trial()));
        platform::ServiceHealth plain(m_files, [](const QByteArray&) { return true; });
        plain.framePainted(0);
        plain.tick(120000);
        QVERIFY(!plain.trialPassed());
        QVERIFY(!QFile::exists(m_files.updateLog()));
    }

    void rollbackNoteOnce_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("words");
        // clang-format off
        QTest::newRow("watchdog")  << "watchdog"     << "the new program stopped answering";
        QTest::newRow("no frame")  << "timeout"      << "the new program showed no picture";
        QTest::newRow("status")    << "exit-code:1"  << "the new program ended with status 1";
        QTest::newRow("crash")     << "signal:SEGV"  << "the new program crashed (SEGV)";
        QTest::newRow("missing")   << "missing"      << "the new program was missing";
        QTest::newRow("other")     << "protocol"     << "the new program did not start (protocol)";
        // clang-format on
    }

    void rollbackNoteOnce()
    {
        QFETCH(QString, code);
        QFETCH(QString, words);
        QVERIFY(!platform::takeRollbackNote(m_files));
        QVERIFY(writeBytes(m_files.rolledBack(),
                           "time=2026-12-08T09:31:10Z\nfrom=1.1\nto=1.0\nreason=" + code.toUtf8() + "\n"));
        const auto note = platform::takeRollbackNote(m_files);
        QVERIFY(note);
        QCOMPARE(note->from, QString("1.1"));
        QCOMPARE(note->to, QString("1.0"));
        QCOMPARE(note->reason, code);
        QCOMPARE(platform::rollbackReasonText(note->reason), words);
        QVERIFY(!platform::takeRollbackNote(m_files)); // said once
    }

    // READY and WATCHDOG reach a datagram socket named in NOTIFY_SOCKET, as
    // the service manager's; no socket, nothing sent and no error.
    void notificationsOverTheSocket()
    {
        qunsetenv("NOTIFY_SOCKET");
        QVERIFY(!platform::notifyServiceManager("READY=1"));
        const QString path = m_tmp->filePath("notify");
        const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
        QCOMPARE(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        qputenv("NOTIFY_SOCKET", QFile::encodeName(path));
        platform::ServiceHealth health(m_files);
        health.framePainted(0);
        health.tick(500);
        qunsetenv("NOTIFY_SOCKET");
        QByteArrayList got;
        char buffer[256];
        for (int i = 0; i < 2; ++i) {
            const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
            QVERIFY(n > 0);
            got << QByteArray(buffer, int(n));
        }
        ::close(fd);
        QCOMPARE(got, (QByteArrayList{"READY=1", "WATCHDOG=1"}));
    }
};

QTEST_GUILESS_MAIN(TestUpdateTrial)
#include "tst_update_trial.moc"
