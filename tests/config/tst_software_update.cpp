// The software update and data transfer, without a window: a data root and a
// "mounted" stick prepared in a temporary folder, a file standing for the
// stick's device node, and the shell runner logging into a file of its own.

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include "maintenance/software_update.h"
#include "platform/program_version.h"
#include "platform/update_log.h"
#include "platform/update_trial.h"
#include "tests/support/files.h"

using update::Outcome;

namespace {

using testsupport::readBytes;
using testsupport::writeBytes;

// A complete program for this processor: the test program itself.
QByteArray programBytes()
{
    return readBytes(QCoreApplication::applicationFilePath());
}

QByteArray randomBytes(int size)
{
    QByteArray b(size, Qt::Uninitialized);
    for (char& c : b)
        c = char(QRandomGenerator::global()->bounded(256));
    return b;
}

// Every file below `dir` with its content, links as "-> target".
QMap<QString, QByteArray> snapshot(const QString& dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo e(it.next());
        const QString rel = QDir(dir).relativeFilePath(e.filePath());
        if (e.isSymLink())
            files[rel] = "-> " + e.symLinkTarget().toUtf8();
        else if (e.isFile())
            files[rel] = readBytes(e.filePath());
        else
            files[rel] = "<dir>";
    }
    return files;
}

// A stick that breaks off after `limit` bytes: the rest reads as an error.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray data, qint64 limit)
        : m_data(std::move(data))
        , m_limit(limit)
    {
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* out, qint64 max) override
    {
        if (m_pos >= m_limit)
            return -1;
        const qint64 n = qMin(max, m_limit - m_pos);
        memcpy(out, m_data.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_limit;
    qint64 m_pos = 0;
};

} // namespace

class TestSoftwareUpdate : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_tmp;
    update::Layout m_layout;
    QString m_log;

    QString root(const QString& rel) const { return m_layout.root + '/' + rel; }
    QString stick(const QString& rel) const { return m_layout.mountPoint() + '/' + rel; }
    QStringList shellLog() const { return QString::fromUtf8(readBytes(m_log)).split('\n', Qt::SkipEmptyParts); }
    QStringList leftovers() const
    {
        return QDir(m_layout.root).entryList({".ZAV_DDU_LU.new-*"}, QDir::Files | QDir::Hidden);
    }

private slots:
    void init()
    {
        m_tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(m_tmp->isValid());
        m_layout = {m_tmp->filePath("sda1"), m_tmp->filePath("root")};
        QVERIFY(writeBytes(m_layout.device, "")); // the stick is in
        QVERIFY(QDir().mkpath(m_layout.mountPoint()));
        QVERIFY(writeBytes(m_layout.installedProgram(), "old program"));
        m_log = m_tmp->filePath("shell.log");
        qputenv("DDU_SHELL_LOG", m_log.toLocal8Bit());
    }

    void programInstalled()
    {
        const QByteArray program = programBytes();
        QVERIFY(writeBytes(m_layout.stickProgram(), program));
        update::SoftwareUpdate job(m_layout);
        const update::ProgramResult r = job.updateProgram();
        QCOMPARE(r.outcome, Outcome::Done);
        QCOMPARE(readBytes(m_layout.installedProgram()), program);
        QCOMPARE(QFile::permissions(m_layout.installedProgram()) & 0x7777, QFileDevice::Permissions(0x7777));
        QVERIFY(leftovers().isEmpty());
        QCOMPARE(shellLog(),
                 (QStringList{"mount  " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "chmod 0777 " + m_layout.installedProgram(), "umount " + m_layout.mountPoint()}));
        // The old program is kept for the service guard, the new one is on
        // trial, and the update log says what happened.
        const platform::TrialFiles files{m_layout.root};
        QCOMPARE(readBytes(files.previousProgram()), QByteArray("old program"));
        const auto trial = platform::runningTrial(files);
        QVERIFY(trial);
        QCOMPARE(trial->from, QString()); // the old program carries no version
        QCOMPARE(trial->to, QString::fromLatin1(platform::programVersion()));
        const QStringList log = platform::readUpdateLog(files.updateLog());
        QCOMPARE(log.size(), 1);
        QVERIFY2(log.first().endsWith(QString("\tupdate\t\t%1\tdone").arg(platform::programVersion())),
                 qPrintable(log.first()));
    }

    // The version comes from the program file's note, without running it;
    // a file without one, cut short, or with a note that is no version, has
    // none.
    void versionsReadWithoutRunning()
    {
        const QByteArray program = programBytes();
        const QString file = m_tmp->filePath("program");
        QVERIFY(writeBytes(file, program));
        QVERIFY(!QString(platform::programVersion()).isEmpty());
        QCOMPARE(update::programVersionOf(file), QString::fromLatin1(platform::programVersion()));
        QCOMPARE(update::programVersionOf(m_layout.installedProgram()), QString());
        QVERIFY(writeBytes(file, program.left(program.size() - 1)));
        QCOMPARE(update::programVersionOf(file), QString());
        QByteArray spoiled = program;
        const QByteArray text = QByteArray("DDU") + '\0' + QByteArray(platform::programVersion());
        const int at = spoiled.indexOf(text);
        QVERIFY(at > 0 && spoiled.indexOf(text, at + 1) < 0);
        spoiled[at + 4] = '\x01';
        QVERIFY(writeBytes(file, spoiled));
        QCOMPARE(update::programVersionOf(file), QString());
        QCOMPARE(update::programVersionOf(m_tmp->filePath("nothing")), QString());
    }

    // Before the question: the stick is read (mounted and unmounted again),
    // both versions are known, nothing is installed.
    void checkBeforeInstalling()
    {
        QVERIFY(writeBytes(m_layout.stickProgram(), programBytes()));
        QVERIFY(writeBytes(m_layout.installedProgram(), programBytes()));
        update::SoftwareUpdate job(m_layout);
        const auto before = snapshot(m_layout.root);
        const update::ProgramCheck c = job.checkProgram();
        QCOMPARE(c.outcome, Outcome::Done);
        QCOMPARE(c.stickVersion, QString::fromLatin1(platform::programVersion()));
        QCOMPARE(c.installedVersion, c.stickVersion);
        QCOMPARE(c.bytes, programBytes().size());
        QCOMPARE(snapshot(m_layout.root), before);
        QCOMPARE(shellLog(),
                 (QStringList{"mount  " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "umount " + m_layout.mountPoint()}));
        QVERIFY(writeBytes(m_layout.stickProgram(), "#!/bin/sh\n"));
        const update::ProgramCheck bad = job.checkProgram();
        QCOMPARE(bad.outcome, Outcome::Failed);
        QCOMPARE(QString(bad.reason), QString("the pendrive file is not a DDU program"));
        // The stick changed between the question and YES: nothing installed.
        QVERIFY(writeBytes(m_layout.stickProgram(), programBytes()));
        QVERIFY(writeBytes(m_layout.installedProgram(), "old program"));
        const update::ProgramResult r = job.updateProgram(QString("0.1"));
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(QString(r.reason), QString("the pendrive was changed, check it again"));
        QCOMPARE(readBytes(m_layout.installedProgram()), QByteArray("old program"));
        QVERIFY(!platform::runningTrial({m_layout.root}));
    }

    // A stick whose mount never ends: the command's time-out ends the wait,
    // the update says the stick cannot be mounted and reads nothing.
    void hangingMountTimesOut()
    {
        QVERIFY(writeBytes(m_layout.stickProgram(), programBytes()));
        qputenv("DDU_SHELL_HANG", "mount");
        qputenv("DDU_SHELL_TIMEOUT_MS", "200");
        update::SoftwareUpdate job(m_layout);
        const update::ProgramResult r = job.updateProgram();
        const update::TransferResult t = job.transferData();
        qunsetenv("DDU_SHELL_HANG");
        qunsetenv("DDU_SHELL_TIMEOUT_MS");
        QCOMPARE(r.outcome, Outcome::CannotMount);
        QCOMPARE(t.outcome, Outcome::CannotMount);
        QCOMPARE(readBytes(m_layout.installedProgram()), QByteArray("old program"));
        QCOMPARE(shellLog(),
                 (QStringList{"mount  " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "mount " + m_layout.device + ' ' + m_layout.mountPoint()}));
    }

    void noProgramOnTheStick()
    {
        update::SoftwareUpdate job(m_layout);
        const update::ProgramResult r = job.updateProgram();
        QCOMPARE(r.outcome, Outcome::NotFound);
        QCOMPARE(update::SoftwareUpdate::statusText(r), QString("'ZAV_DDU_LU' file not found... \nPlease verify"));
        QCOMPARE(readBytes(m_layout.installedProgram()), QByteArray("old program"));
        QCOMPARE(shellLog(),
                 (QStringList{"mount  " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "umount " + m_layout.mountPoint()}));
    }

    // However the copy fails, the old program stays as it was, no half file
    // is left, and the status says so.
    void failedCopyKeepsTheOldProgram_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("stick ends early")   << "short"      << "copy incomplete";
        QTest::newRow("stick pulled")       << "pulled"     << "reading the pendrive failed";
        QTest::newRow("cannot open")        << "unreadable" << "cannot read the pendrive";
        QTest::newRow("empty file")         << "empty"      << "the pendrive file is empty";
        QTest::newRow("a script")           << "script"     << "the pendrive file is not a DDU program";
        QTest::newRow("other processor")    << "foreign"    << "the pendrive file is not a DDU program";
        QTest::newRow("cut on the stick")   << "cut"        << "the pendrive program is incomplete";
        QTest::newRow("link")               << "link"       << "the pendrive file is a link";
        QTest::newRow("folder")             << "folder"     << "the pendrive entry is not a file";
        QTest::newRow("target is a folder") << "target"     << "cannot replace the old file";
        // clang-format on
    }

    void failedCopyKeepsTheOldProgram()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QByteArray program = programBytes();
        QVERIFY(writeBytes(m_layout.stickProgram(), program));
        update::SoftwareUpdate job(m_layout);
        if (kind == "short")
            job.setSourceOpener([&](const QString&) -> std::unique_ptr<QIODevice> {
                auto b = std::make_unique<QBuffer>();
                b->setData(program.left(program.size() / 2));
                b->open(QIODevice::ReadOnly);
                return b;
            });
        else if (kind == "pulled")
            job.setSourceOpener([&](const QString&) { return std::make_unique<FailingDevice>(program, 100000); });
        else if (kind == "unreadable")
            job.setSourceOpener([](const QString&) { return std::unique_ptr<QIODevice>(); });
        else if (kind == "empty")
            QVERIFY(writeBytes(m_layout.stickProgram(), ""));
        else if (kind == "script")
            QVERIFY(writeBytes(m_layout.stickProgram(), "#!/bin/sh\necho new\n"));
        else if (kind == "foreign")
            QVERIFY(writeBytes(m_layout.stickProgram(), program.left(18) + "\xff\xff" + program.mid(20)));
        else if (kind == "cut")
            QVERIFY(writeBytes(m_layout.stickProgram(), program.left(program.size() - 1)));
        else if (kind == "link")
            QVERIFY(QFile::remove(m_layout.stickProgram()) &&
                    QFile::link(m_layout.installedProgram(), m_layout.stickProgram()));
        else if (kind == "folder")
            QVERIFY(QFile::remove(m_layout.stickProgram()) && QDir().mkpath(m_layout.stickProgram()));
        else if (kind == "target")
            QVERIFY(QFile::remove(m_layout.installedProgram()) && QDir().mkpath(m_layout.installedProgram()));
        auto before = snapshot(m_layout.root);
        const update::ProgramResult r = job.updateProgram();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(QString(r.reason), reason);
        // The old program, and nothing else but the log (and the old program
        // kept as the previous one, when the copy had begun)
        const platform::TrialFiles files{m_layout.root};
        auto after = snapshot(m_layout.root);
        QVERIFY(platform::readUpdateLog(files.updateLog()).constLast().endsWith("\t" + reason));
        for (const char* added : {"file/update/update.log", "file/update"})
            QVERIFY(after.remove(added) == 1 && !before.contains(added));
        if (after.contains("ZAV_DDU_LU.previous"))
            QCOMPARE(after.take("ZAV_DDU_LU.previous"), before.value("ZAV_DDU_LU"));
        QCOMPARE(after, before);
        QVERIFY(!platform::runningTrial(files));
        QVERIFY(update::SoftwareUpdate::statusText(r).startsWith("Update failed: " + reason));
        QVERIFY(update::SoftwareUpdate::isError(r.outcome));
        QCOMPARE(shellLog(),
                 (QStringList{"mount  " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "umount " + m_layout.mountPoint()}));
    }

    // The logs onto the stick: a new folder each time, each file whole; a
    // file that cannot be made stops the export and is named; the update
    // log keeps every export.
    void exportWritesANewFolder()
    {
        update::SoftwareUpdate job(m_layout);
        const QDateTime now(QDate(2026, 12, 8), QTime(9, 30, 0));
        QList<QPair<int, qint64>> progress;
        const QList<update::ExportFile> files{
            {"a.csv", [](QString*) { return QByteArray("x,y\r\n"); }},
            {"b.xml", [](QString*) { return QByteArray("<b/>"); }},
        };
        const update::ExportResult r = job.exportFiles(files, now, [&](int n, qint64 bytes) {
            progress.append({n, bytes});
        });
        QCOMPARE(r.outcome, Outcome::Done);
        QCOMPARE(r.folder, QString("ddu_logs/20261208-093000"));
        QCOMPARE(readBytes(stick("ddu_logs/20261208-093000/a.csv")), QByteArray("x,y\r\n"));
        QCOMPARE(readBytes(stick("ddu_logs/20261208-093000/b.xml")), QByteArray("<b/>"));
        QCOMPARE(progress, (QList<QPair<int, qint64>>{{1, 5}, {2, 9}}));
        QCOMPARE(update::SoftwareUpdate::statusText(r),
                 QString("Logs written:\n2 files, 1 kB in ddu_logs/20261208-093000"));
        QCOMPARE(job.exportFiles(files, now).folder, QString("ddu_logs/20261208-093000-2")); // never over the first
        const update::ExportResult bad = job.exportFiles({files[0],
                                                          {"c.csv",
                                                           [](QString* problem) {
                                                               *problem = "the fault log does not read";
                                                               return QByteArray();
                                                           }}},
                                                         now);
        QCOMPARE(bad.outcome, Outcome::Failed);
        QCOMPARE(bad.written, 1);
        QCOMPARE(update::SoftwareUpdate::statusText(bad), QString("Export failed: c.csv\nthe fault log does not read"));
        QVERIFY(!QFileInfo::exists(stick(bad.folder + "/c.csv")));
        const QStringList log = platform::readUpdateLog(platform::TrialFiles{m_layout.root}.updateLog());
        QCOMPARE(log.size(), 3);
        QVERIFY(log.last().endsWith("\tc.csv: the fault log does not read"));
        QCOMPARE(shellLog().count("umount " + m_layout.mountPoint()), 3);
        QFile::remove(m_layout.device);
        QCOMPARE(job.exportFiles(files, now).outcome, Outcome::NoStick);
    }

    void dataTransferred()
    {
        const QMap<QString, QByteArray> package = {
            {"fault/zav_MessagesVCU_temp.xml", "<faults/>"}, {"master/DDU.xml", "<Table/>"},
            {"master/sets/a.xml", randomBytes(70000)},       {"micview/1.xml", "<set/>"},
            {"img/rms/led.png", randomBytes(5000)},          {"master/.hidden", "h"},
        };
        for (auto it = package.begin(); it != package.end(); ++it)
            QVERIFY(writeBytes(stick("qim_new/zav_new/" + it.key()), it.value()));
        QVERIFY(writeBytes(root("file/master/kept.xml"), "kept"));
        QVERIFY(writeBytes(root("file/master/DDU.xml"), "old"));
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Done);
        QCOMPARE(r.copied, package.size());
        for (auto it = package.begin(); it != package.end(); ++it) {
            const QString to = it.key().startsWith("img/") ? root(it.key()) : root("file/" + it.key());
            QCOMPARE(readBytes(to), it.value());
        }
        QCOMPARE(readBytes(root("file/master/kept.xml")), QByteArray("kept"));
        QCOMPARE(QFile::permissions(root("file/master/DDU.xml")) & 0x7777, QFileDevice::Permissions(0x6644));
        QCOMPARE(update::SoftwareUpdate::statusText(r), QString("'Files Transferred to DDU\n6 files copied"));
        QCOMPARE(shellLog(),
                 (QStringList{"mount " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "umount " + m_layout.mountPoint(), "chmod 0777 " + m_layout.root + '/'}));
    }

    // One file that cannot be read: the others arrive, the transfer reports it
    // and is not called a success; the old copy of that file stays.
    void failingFileReported()
    {
        QVERIFY(writeBytes(stick("qim_new/zav_new/master/good.xml"), "good"));
        QVERIFY(writeBytes(stick("qim_new/zav_new/master/bad.xml"), "new bad"));
        QVERIFY(writeBytes(stick("qim_new/zav_new/micview/2.xml"), "two"));
        QVERIFY(writeBytes(root("file/master/bad.xml"), "old bad"));
        update::SoftwareUpdate job(m_layout);
        const update::SourceOpener files = update::fileOpener();
        job.setSourceOpener([&](const QString& path) -> std::unique_ptr<QIODevice> {
            if (path.endsWith("bad.xml"))
                return std::make_unique<FailingDevice>("new", 2);
            return files(path);
        });
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: master/bad.xml"));
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 2);
        QCOMPARE(r.failed.size(), 1);
        QCOMPARE(r.failed.first().file, QString("master/bad.xml"));
        QCOMPARE(readBytes(root("file/master/bad.xml")), QByteArray("old bad"));
        QCOMPARE(readBytes(root("file/master/good.xml")), QByteArray("good"));
        const QString text = update::SoftwareUpdate::statusText(r);
        QVERIFY2(text.startsWith("File transfer failed: 2 copied,\n1 not copied") && text.contains("master/bad.xml"),
                 qPrintable(text));
        QVERIFY(update::SoftwareUpdate::isError(r.outcome));
    }

    // A name on the stick that is not valid text (a stick written by another
    // system) is not copied, and it is said so; the other files arrive.
    void unreadableNameReported()
    {
        const QString pkg = stick("qim_new/zav_new");
        QVERIFY(writeBytes(pkg + "/master/ok.xml", "ok"));
        const QByteArray bad = QFile::encodeName(pkg) + "/master/set\xff\xfe.xml";
        {
            const int fd = ::open(bad.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: master/set.*"));
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 1);
        QCOMPARE(r.failed.size(), 1);
        QVERIFY2(r.failed.first().file.startsWith("master/set") && r.failed.first().file.contains(QChar(0xFFFD)),
                 qPrintable(r.failed.first().file));
        QCOMPARE(QString::fromLatin1(r.failed.first().reason), QString("refused: name not readable"));
        QCOMPARE(readBytes(root("file/master/ok.xml")), QByteArray("ok"));
        QCOMPARE(QDir(root("file/master")).entryList(QDir::Files), QStringList{"ok.xml"});
        ::unlink(bad.constData()); // the temporary folder's removal would not see it either
    }

    // Links on the stick are not followed, and nothing is written outside
    // the data root, also through a link on the unit's side.
    void linksRefused()
    {
        QTemporaryDir outside;
        QVERIFY(writeBytes(outside.filePath("secret"), "secret"));
        const QString pkg = stick("qim_new/zav_new");
        QVERIFY(writeBytes(pkg + "/master/ok.xml", "ok"));
        QVERIFY(QFile::link(outside.filePath("secret"), pkg + "/master/link.xml"));
        QVERIFY(QFile::link(outside.path(), pkg + "/master/dirlink"));
        QVERIFY(QFile::link(outside.path(), pkg + "/img"));
        QVERIFY(writeBytes(pkg + "/fault/f.xml", "f"));
        // The unit's fault folder is a link leading out of the data root.
        QTemporaryDir elsewhere;
        QVERIFY(QDir().mkpath(root("file")) && QFile::link(elsewhere.path(), root("file/fault")));
        const auto outsideBefore = snapshot(outside.path());
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: .*"));
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 1);
        QStringList failed;
        for (const update::FileFailure& f : r.failed)
            failed << f.file;
        failed.sort();
        QCOMPARE(failed, (QStringList{"fault", "img", "master/dirlink", "master/link.xml"}));
        QCOMPARE(readBytes(root("file/master/ok.xml")), QByteArray("ok"));
        QVERIFY(!QFileInfo::exists(root("file/master/link.xml")) && !QFileInfo::exists(root("img")));
        QCOMPARE(snapshot(outside.path()), outsideBefore);
        QVERIFY(snapshot(elsewhere.path()).isEmpty());
    }

    // A power cut between a copy's write and its rename leaves
    // ".<name>.new-XXXXXX" beside the file; the start removes those under
    // the data root, and nothing else: not the files themselves, not look-
    // alikes, not what a mounted stick holds.
    void copyLeftoversRemovedAtStart()
    {
        const QStringList leftovers{".ZAV_DDU_LU.new-a1B2c3", "file/master/.DDU.xml.new-Zz9yX8",
                                    "img/rms/.panto_up.png.new-000000", "lang/deep/er/.x.qm.new-qwerty"};
        const QStringList kept{"ZAV_DDU_LU",
                               "file/master/DDU.xml",
                               "file/master/.DDU.xml.new-abc",      // not six characters
                               "file/master/DDU.xml.new-abcdef",    // not hidden
                               "file/master/.DDU.xml.new-abcdef.x", // more after it
                               "file/pendrive/.stick.new-abcdef"};  // the stick's own
        for (const QString& f : leftovers + kept)
            QVERIFY(writeBytes(root(f), "x"));
        QCOMPARE(update::removeCopyLeftovers(m_layout.root), int(leftovers.size()));
        for (const QString& f : leftovers)
            QVERIFY2(!QFileInfo::exists(root(f)), qPrintable(f));
        for (const QString& f : kept)
            QVERIFY2(QFileInfo::exists(root(f)), qPrintable(f));
        QCOMPARE(update::removeCopyLeftovers(m_layout.root), 0);
    }

    void safeTargets_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("target");
        // clang-format off
        QTest::newRow("plain")          << "a.xml"       << "/base/a.xml";
        QTest::newRow("double slash")   << "sets//b.xml" << "/base/sets/b.xml";
        QTest::newRow("dots in a name") << "a..b"        << "/base/a..b";
        QTest::newRow("parent")         << "../x"        << "";
        QTest::newRow("parent inside")  << "a/../../x"   << "";
        QTest::newRow("dot")            << "./x"         << "";
        QTest::newRow("absolute")       << "/etc/passwd" << "";
        QTest::newRow("empty")          << ""            << "";
        // clang-format on
    }

    void safeTargets()
    {
        QFETCH(QString, relative);
        QFETCH(QString, target);
        QCOMPARE(update::safeTarget("/base", relative), target);
    }

    void shellWords()
    {
        QCOMPARE(update::shellArg("/home/qim/file/pendrive"), QString("/home/qim/file/pendrive"));
        QCOMPARE(update::shellArg("/tmp/a b"), QString("'/tmp/a b'"));
        QCOMPARE(update::shellArg("/tmp/it's;rm"), QString("'/tmp/it'\\''s;rm'"));
    }
};

QTEST_GUILESS_MAIN(TestSoftwareUpdate)
#include "tst_software_update.moc"
