// Data files that are not what they should be: a FIFO (or a folder) in
// place of each file the display reads, a configuration of 200 MB or a
// configuration or fault log nested beyond any real one. Every reader refuses them at once with a clear
// reason, and the display starts with its built-in values and ends on
// SIGTERM. (A reader that opened a FIFO would block for ever: this test
// would then end by its time limit.)

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

#include <sys/stat.h>

#include "diagnostics/diagnosis_reference.h"
#include "diagnostics/fault_log.h"
#include "maintenance/ddu_config.h"
#include "maintenance/driver_details.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/port_list.h"
#include "platform/file_io.h"
#include "screens/subsystem_messages.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"

namespace {

using testsupport::writeBytes;

bool makeFifo(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

    QString path(const QString& rel) const { return m_root.filePath(rel); }

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    // A FIFO in place of each file: refused before it is opened.
    void fifoInPlaceOfEachFile()
    {
        const QString fifo = path("fifo/any.xml");
        QVERIFY(makeFifo(fifo));
        QString problem;
        QVERIFY(!platform::isRegularFile(fifo, &problem));
        QCOMPARE(problem, QStringLiteral("not a regular file"));
        QCOMPARE(platform::readRegularFile(fifo, 1000).status, platform::ReadStatus::NotRegular);

        config::DduConfig cfg{7, 7, 7, 7, 7, 7};
        QVERIFY(!config::readConfig(fifo, cfg, &problem));
        QCOMPARE(problem, QStringLiteral("not a regular file"));
        QCOMPARE(cfg, (config::DduConfig{7, 7, 7, 7, 7, 7}));

        driver::DriverDetails d;
        QCOMPARE(driver::readFile(fifo, d), driver::ReadResult::Unreadable);
        QCOMPARE(portlist::loadPorts(fifo).status, maint::ReadStatus::CannotOpen);
        QCOMPARE(micview::loadSet(fifo).status, maint::ReadStatus::CannotOpen);
        QCOMPARE(descriptor::loadDescriptor(fifo).status, maint::ReadStatus::CannotOpen);
        QCOMPARE(diagref::loadMessages(fifo, QStringLiteral("FLG1")).status, diagref::Status::CannotOpen);
        QCOMPARE(subsys::loadMessages(fifo, QStringLiteral("ALL")).status, subsys::Status::CannotOpen);

        // The fault log: set aside, a new one started in its place.
        FaultLog log(fifo);
        QVERIFY(log.append(FaultLogEntry()));
        QVERIFY(platform::isRegularFile(fifo));

        // A folder in place of a file: the same.
        QVERIFY(QDir().mkpath(path("folder/DDU.xml")));
        QVERIFY(!config::readConfig(path("folder/DDU.xml"), cfg, &problem));
    }

    // A configuration far beyond any real one: refused by size or depth,
    // without reading it whole or building its tree.
    void hugeOrDeepConfiguration()
    {
        const QString huge = path("huge/DDU.xml");
        QDir().mkpath(QFileInfo(huge).path());
        {
            QFile f(huge);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(200LL * 1024 * 1024)); // sparse: no disk space taken
        }
        config::DduConfig cfg{7, 7, 7, 7, 7, 7};
        QString problem;
        QVERIFY(!config::readConfig(huge, cfg, &problem));
        QVERIFY2(problem.startsWith(QStringLiteral("more than")), qPrintable(problem));

        const QString deep = path("deep/DDU.xml");
        QVERIFY(writeBytes(deep, QByteArray("<a>").repeated(8000) + QByteArray("</a>").repeated(8000))); // 56 KB
        QVERIFY(!config::readConfig(deep, cfg, &problem));
        QVERIFY2(problem.contains(QStringLiteral("nested deeper")), qPrintable(problem));
        QCOMPARE(cfg, (config::DduConfig{7, 7, 7, 7, 7, 7}));

        // 100 000 levels: too big before its depth is even looked at.
        const QString deeper = path("deeper/DDU.xml");
        QVERIFY(writeBytes(deeper, QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000)));
        QVERIFY(!config::readConfig(deeper, cfg, &problem));
        QVERIFY2(problem.startsWith(QStringLiteral("more than")), qPrintable(problem));
        QCOMPARE(cfg, (config::DduConfig{7, 7, 7, 7, 7, 7}));
    }

    // One entity of 4000 characters used 2000 times: each use within the XML
    // reader's own limit, 8 MB of text in all (millions of uses would be
    // gigabytes). The configuration and the fault log screens refuse any
    // declared entity before a tree is built; a plain document type reads.
    void declaredEntitiesRefused()
    {
        const QByteArray entity = "<!DOCTYPE Table [<!ENTITY a \"" + QByteArray(4000, 'a') + "\">]>\n";
        const QString conf = path("entity/DDU.xml");
        QVERIFY(writeBytes(conf,
                           entity + "<Table><Loco_Details><CAB>1</CAB><X>" + QByteArray("&a;").repeated(2000) +
                               "</X></Loco_Details></Table>"));
        config::DduConfig cfg{7, 7, 7, 7, 7, 7};
        QString problem;
        QVERIFY(!config::readConfig(conf, cfg, &problem));
        QVERIFY2(problem.contains(QStringLiteral("entity declarations")), qPrintable(problem));
        QCOMPARE(cfg, (config::DduConfig{7, 7, 7, 7, 7, 7}));

        const QString log = path("entity/zav_MessagesVCU_temp.xml");
        QVERIFY(writeBytes(log,
                           entity + "<SUBSYSTEM><SS01><Message><FaultMessage>" + QByteArray("&a;").repeated(2000) +
                               "</FaultMessage></Message></SS01></SUBSYSTEM>"));
        const subsys::MessageList list = subsys::loadMessages(log, QStringLiteral("ALL"));
        QCOMPARE(list.status, subsys::Status::Malformed);
        QVERIFY2(list.problem.contains(QStringLiteral("entity declarations")), qPrintable(list.problem));

        QString why;
        QVERIFY(platform::xmlWithinDepth("<!DOCTYPE DDSMessages>\n<DDSMessages/>", 8, &why));
    }

    // A fault log nested 100 000 levels deep (a stick's transfer can put one
    // there) would take the tree builder minutes: the screen's reader refuses
    // it, and the log sets it aside whole and starts a new one.
    void deepFaultLog()
    {
        const QString file = path("deeplog/zav_MessagesVCU_temp.xml");
        const QByteArray deep =
            "<SUBSYSTEM>" + QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000) + "</SUBSYSTEM>";
        QVERIFY(writeBytes(file, deep));
        const subsys::MessageList list = subsys::loadMessages(file, QStringLiteral("ALL"));
        QCOMPARE(list.status, subsys::Status::Malformed);
        QVERIFY2(list.problem.contains(QStringLiteral("nested deeper")), qPrintable(list.problem));

        FaultLog log(file);
        FaultLogEntry e;
        e.subsystem = QStringLiteral("SS01:Main Power");
        QVERIFY(log.append(e));
        QCOMPARE(log.count(), 1);
        QFile aside(file + FaultLog::unreadableSuffix());
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), deep);
        QCOMPARE(subsys::loadMessages(file, QStringLiteral("SS01")).messages.size(), 1);
    }

    // The display itself, with FIFOs in place of its configuration, port
    // list and driver details: it comes up (a screenshot is taken and it
    // ends), and a display that runs ends on SIGTERM.
    void displayStartsAndEndsWithFifos()
    {
        const QString bin = qEnvironmentVariable("DDU_BIN_DIR") + QStringLiteral("/ddu");
        if (!QFile::exists(bin))
            QSKIP("ddu program not built");
        QTemporaryDir root;
        for (const char* file : {"file/master/DDU.xml", "file/master/zav_port.xml", "file/fault/Driver_Details"})
            QVERIFY(makeFifo(root.filePath(QLatin1String(file))));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DDU_ROOT"), root.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DDU_KEYPAD_DEVICE"), QStringLiteral("/nonexistent/ttyKEY"));
        env.insert(QStringLiteral("DDU_TOUCH_DEVICE"), QStringLiteral("/nonexistent/ttyTOUCH"));
        const QString png = root.filePath(QStringLiteral("shot.png"));
        QProcess shot;
        shot.setProcessEnvironment(env);
        shot.start(bin, {"--no-mvb", "--screenshot", png, "--quit-after", "300"});
        QVERIFY(shot.waitForFinished(60000));
        QCOMPARE(shot.exitCode(), 0);
        QVERIFY(QFile::exists(png));

        // Up once it has emptied its fault log at the start (the one of the
        // run before removed first).
        const QString log = root.filePath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml"));
        QVERIFY(QFile::remove(log));
        QProcess running;
        running.setProcessEnvironment(env);
        running.start(bin, {"--no-mvb"});
        QVERIFY(running.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), 60000);
        ::kill(static_cast<pid_t>(running.processId()), SIGTERM);
        QVERIFY(running.waitForFinished(60000));
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostile_files.moc"
