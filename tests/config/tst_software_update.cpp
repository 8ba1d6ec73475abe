// The software update and data transfer, without a window: a data root and a
// "mounted" stick prepared in a temporary folder, a file standing for the
// stick's device node, and the shell runner logging into a file of its own.

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

#include <fcntl.h>
#include <unistd.h>

#include "maintenance/ddu_config.h"
#include "maintenance/logic/descriptor.h"
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

// The files of a snapshot, without its folders.
QMap<QString, QByteArray> filesOf(const QMap<QString, QByteArray>& snap)
{
    QMap<QString, QByteArray> files;
    for (auto it = snap.begin(); it != snap.end(); ++it)
        if (it.value() != "<dir>")
            files.insert(it.key(), it.value());
    return files;
}

QByteArray imageBytes(const char* format)
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray configBytes(int cab)
{
    config::DduConfig c;
    c.cab = cab;
    config::applyStoredDefaults(c);
    return config::formatConfig(c);
}

// A package of the kind the unit takes: every file the program reads, each
// as it reads it, and some it takes as they are. Paths below qim_new/zav_new.
QMap<QString, QByteArray> goodPackage()
{
    return {
        {"master/DDU.xml", configBytes(2)},
        {"master/zav_port.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<Ports>
    <Port_Details>
        <Port_No>3100</Port_No>
        <Port_Type>0</Port_Type>
        <Fun_Code>4</Fun_Code>
    </Port_Details>
    <Port_Details>
        <Port_No>3015</Port_No>
        <Port_Type>1</Port_Type>
        <Fun_Code>4</Fun_Code>
    </Port_Details>
</Ports>
)"},
        {"master/zav_descriptor.xml", descriptor::generate()},
        {"master/zav_DDSMessages_details.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE DDSMessages>
<DDSMessages>
    <A_WAP_DDS>
        <ProcessorName>FLG1</ProcessorName>
        <STNR>1</STNR>
        <SUB>Vehicle control</SUB>
        <R_TEXT>Lifesign from FLG2 missing</R_TEXT>
    </A_WAP_DDS>
</DDSMessages>
)"},
        {"master/sets/a.xml", "<?xml version=\"1.0\"?>\n<Sets><Set name=\"a\"/></Sets>\n"},
        {"master/notes.bin", randomBytes(70000)},
        {"master/.hidden", "h"},
        {"micview/1.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<Table>
    <Signals_Count>
        <Count_All>1</Count_All>
    </Signals_Count>
    <Signals>
        <Signal_Telegram>FLG1-3110</Signal_Telegram>
        <Signal_Name>FLG1_D50_XSpeedLoco</Signal_Name>
        <Type>ANALOG</Type>
        <Signal_Member>D50_XSpeedLoco</Signal_Member>
        <Port>3110</Port>
        <ByteOff>12</ByteOff>
        <BitOff>0</BitOff>
    </Signals>
</Table>
)"},
        {"fault/zav_MessagesVCU_temp.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<SUBSYSTEM>
    <Message>
        <LocoType>1</LocoType>
        <SubsystemNo>SS01:Main Power</SubsystemNo>
        <Time>06/12/2026 18:13:25</Time>
        <FaultCode>F0102P2</FaultCode>
        <FaultMessage>line 1</FaultMessage>
    </Message>
</SUBSYSTEM>
)"},
        {"fault/fault_history.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FaultHistory/>\n"},
        {"fault/Driver_Details", "$,D1234,Rajdhani,1200,NDLS,HWH,06/12/2026 18:13:25,Delhi,NR,#\n"},
        {"img/rms/led.png", imageBytes("PNG")},
        {"img/rms/photo.jpg", imageBytes("JPEG")},
        {"img/icons/arrow.bmp", imageBytes("BMP")},
    };
}

// Where a package file goes below the data root.
QString targetOf(const QString& packagePath)
{
    return packagePath.startsWith("img/") ? packagePath : "file/" + packagePath;
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
    void putOnStick(const QMap<QString, QByteArray>& package)
    {
        for (auto it = package.begin(); it != package.end(); ++it)
            QVERIFY(writeBytes(stick("qim_new/zav_new/" + it.key()), it.value()));
    }
    // An installed set for a transfer to replace, and files of the unit it
    // leaves alone.
    void putOldSet()
    {
        QVERIFY(writeBytes(root("file/master/DDU.xml"), configBytes(1)));
        QVERIFY(writeBytes(root("file/master/zav_port.xml"), "<Ports/>"));
        QVERIFY(writeBytes(root("file/micview/1.xml"), "<Table/>"));
        QVERIFY(writeBytes(root("file/fault/Driver_Details"), "$,old,,,,,,,,#\n"));
        QVERIFY(writeBytes(root("img/rms/led.png"), imageBytes("BMP")));
        QVERIFY(writeBytes(root("file/master/kept.xml"), "kept"));
        QVERIFY(writeBytes(root("lang/zav_hindi.qm"), "translation"));
    }
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

    // An update while the installed program is still on trial: that program
    // has not shown it works, so the one kept before it stays the previous
    // one and the new trial goes back to its version, with no tries counted.
    // A rename that fails leaves the running trial as it was.
    void updateWhileOnTrial()
    {
        const platform::TrialFiles files{m_layout.root};
        QVERIFY(writeBytes(files.previousProgram(), "proven program"));
        const QByteArray running =
            "since=2026-12-08T09:00:00\nfrom=0.9\nto=1.0-b\nstarted=x\nfailures=2\nlast=watchdog\n";
        QVERIFY(writeBytes(files.trial(), running));
        QVERIFY(writeBytes(m_layout.stickProgram(), programBytes()));
        update::SoftwareUpdate job(m_layout);
        QCOMPARE(job.updateProgram().outcome, Outcome::Done);
        QCOMPARE(readBytes(files.previousProgram()), QByteArray("proven program"));
        const auto trial = platform::runningTrial(files);
        QVERIFY(trial);
        QCOMPARE(trial->from, QString("0.9"));
        QCOMPARE(trial->to, QString::fromLatin1(platform::programVersion()));
        QVERIFY(trial->since != "2026-12-08T09:00:00");
        const QByteArray fresh = readBytes(files.trial());
        QVERIFY2(!fresh.contains("failures=") && !fresh.contains("started="), fresh.constData());

        QVERIFY(writeBytes(files.trial(), running));
        QVERIFY(QFile::remove(m_layout.installedProgram()) && QDir().mkpath(m_layout.installedProgram()));
        const update::ProgramResult r = job.updateProgram();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(QString(r.reason), QString("cannot replace the old file"));
        QCOMPARE(readBytes(files.trial()), running);
        QCOMPARE(readBytes(files.previousProgram()), QByteArray("proven program"));
        QVERIFY(leftovers().isEmpty());
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
        // The stick changed between the question and YES: nothing installed,
        // whether its program has another version, or the same version in a
        // file of another size (or time).
        QVERIFY(writeBytes(m_layout.stickProgram(), programBytes()));
        QVERIFY(writeBytes(m_layout.installedProgram(), "old program"));
        update::ProgramCheck older = c;
        older.stickVersion = "0.1";
        update::ProgramCheck shorter = c;
        shorter.bytes -= 1;
        for (const update::ProgramCheck& expected : {older, shorter}) {
            const update::ProgramResult r = job.updateProgram(expected);
            QCOMPARE(r.outcome, Outcome::Failed);
            QCOMPARE(QString(r.reason), QString("the pendrive was changed, check it again"));
            QCOMPARE(readBytes(m_layout.installedProgram()), QByteArray("old program"));
            QVERIFY(!platform::runningTrial({m_layout.root}));
        }
        // As checked: installed.
        const update::ProgramCheck now = job.checkProgram();
        QCOMPARE(job.updateProgram(now).outcome, Outcome::Done);
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
        // Nothing was replaced: the previous program is not touched either.
        QCOMPARE(after, before);
        QVERIFY(!platform::runningTrial(files));
        QVERIFY(update::SoftwareUpdate::statusText(r).startsWith("Update failed: " + reason));
        QVERIFY(update::SoftwareUpdate::isError(r.outcome));
        QCOMPARE(shellLog(),
                 (QStringList{"mount  " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "umount " + m_layout.mountPoint()}));
    }

    // Every transfer that read the stick leaves a line in the update log:
    // done with the count, or refused with the file and the reason.
    void transferLogged()
    {
        update::SoftwareUpdate job(m_layout);
        update::TransferResult done;
        done.outcome = Outcome::Done;
        done.copied = 27;
        job.logTransfer(done);
        update::TransferResult refused;
        refused.outcome = Outcome::Failed;
        refused.failed << update::FileFailure{"master/DDU.xml", "not well-formed XML (line %1)", "3"};
        job.logTransfer(refused);
        update::TransferResult noStick;
        noStick.outcome = Outcome::NoStick;
        job.logTransfer(noStick);
        const QStringList log = platform::readUpdateLog(platform::TrialFiles{m_layout.root}.updateLog());
        QCOMPARE(log.size(), 2);
        QVERIFY2(log[0].endsWith("\ttransfer\t" + QString(platform::programVersion()) + '\t' +
                                 platform::programVersion() + "\tdone: 27 files"),
                 qPrintable(log[0]));
        QVERIFY2(log[1].endsWith("\trefused: master/DDU.xml: not well-formed XML (line 3)"), qPrintable(log[1]));
    }

    // The logs onto the stick: a new folder each time, each file whole; a
    // file that cannot be made stops the export and is named; the update
    // log keeps every export.
    // Jobs on workers of their own take turns with the stick: a transfer
    // started while an export has the stick mounted mounts it only after
    // the export has unmounted it.
    void stickJobsTakeTurns()
    {
        std::atomic<bool> inside{false};
        std::atomic<bool> release{false};
        update::SoftwareUpdate exporter(m_layout);
        update::SoftwareUpdate transfer(m_layout);
        const QList<update::ExportFile> slow{{"a.csv", [&](QString*) {
                                                  inside = true;
                                                  while (!release)
                                                      QThread::msleep(5);
                                                  return QByteArray("x");
                                              }}};
        std::unique_ptr<QThread> first(
            QThread::create([&] { exporter.exportFiles(slow, QDateTime::currentDateTime()); }));
        first->start();
        QTRY_VERIFY_WITH_TIMEOUT(inside, 30000);
        std::unique_ptr<QThread> second(QThread::create([&] { transfer.transferData(); }));
        second->start();
        // Every chance for the transfer to mount while the export holds the stick.
        QDeadlineTimer grace(2000);
        while (!grace.hasExpired() && shellLog().size() < 2)
            QThread::msleep(10);
        release = true;
        QVERIFY(first->wait(30000) && second->wait(30000));
        const QStringList log = shellLog();
        QVERIFY2(log.size() >= 4, qPrintable(log.join('|')));
        QVERIFY2(log[0].startsWith("mount") && log[1].startsWith("umount") && log[2].startsWith("mount") &&
                     log[3].startsWith("umount"),
                 qPrintable(log.join('|')));
    }

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

    // A package folder with nothing in it (or only empty folders) is no
    // transfer: "not found", never "0 files copied".
    void emptyPackageNotFound()
    {
        QVERIFY(QDir().mkpath(stick("qim_new/zav_new/master")));
        putOldSet();
        const auto before = snapshot(m_layout.root);
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::NotFound);
        QCOMPARE(update::SoftwareUpdate::statusText(r), QString("Files Not Found on Pendrive !!!"));
        auto after = snapshot(m_layout.root);
        after.remove("file/update/update.log");
        after.remove("file/update");
        QCOMPARE(after, before);
    }

    void dataTransferred()
    {
        const QMap<QString, QByteArray> package = goodPackage();
        putOnStick(package);
        QVERIFY(writeBytes(root("file/master/kept.xml"), "kept"));
        QVERIFY(writeBytes(root("file/master/DDU.xml"), "old"));
        update::SoftwareUpdate job(m_layout);
        QList<QPair<int, qint64>> progress;
        job.setProgress([&](int files, qint64 bytes) { progress.append({files, bytes}); });
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Done);
        QCOMPARE(r.copied, package.size());
        qint64 bytes = 0;
        for (auto it = package.begin(); it != package.end(); ++it) {
            QCOMPARE(readBytes(root(targetOf(it.key()))), it.value());
            bytes += it.value().size();
        }
        QCOMPARE(readBytes(root("file/master/kept.xml")), QByteArray("kept"));
        QCOMPARE(QFile::permissions(root("file/master/DDU.xml")) & 0x7777, QFileDevice::Permissions(0x6644));
        QVERIFY(!QFileInfo::exists(root(".transfer")));
        // After each staged file: one more file, more bytes, up to the whole.
        QCOMPARE(progress.size(), package.size());
        for (int i = 0; i < progress.size(); ++i) {
            QCOMPARE(progress[i].first, i + 1);
            QVERIFY(progress[i].second > (i == 0 ? 0 : progress[i - 1].second));
        }
        QCOMPARE(progress.last().second, bytes);
        QCOMPARE(update::SoftwareUpdate::statusText(r),
                 QString("'Files Transferred to DDU\n%1 files copied").arg(package.size()));
        QCOMPARE(shellLog(),
                 (QStringList{"mount " + m_layout.device + ' ' + m_layout.mountPoint(),
                              "umount " + m_layout.mountPoint(), "chmod 0777 " + m_layout.root + '/'}));
    }

    // The unit's own data files, as scripts/make-stick.sh puts them on a
    // stick, pass the checks.
    void shippedDataTransferred()
    {
        const QString source = qEnvironmentVariable("DDU_SOURCE_DIR");
        if (source.isEmpty())
            QSKIP("DDU_SOURCE_DIR not set (ctest sets it)");
        QMap<QString, QByteArray> package;
        for (const QString folder : {"master", "micview"}) {
            QDirIterator it(source + "/data/" + folder, {"*.xml"}, QDir::Files);
            while (it.hasNext()) {
                const QFileInfo f(it.next());
                package[folder + '/' + f.fileName()] = readBytes(f.filePath());
            }
        }
        QVERIFY(package.contains("master/DDU.xml") && package.contains("micview/1.xml"));
        package["master/zav_descriptor.xml"] = descriptor::generate();
        package["fault/zav_MessagesVCU_temp.xml"] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SUBSYSTEM/>\n";
        putOnStick(package);
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Done);
        QCOMPARE(r.copied, package.size());
    }

    // A file the program would not read, and nothing is installed: the data
    // root stays byte for byte, no staged file is left, the status names the
    // file and why.
    void refusedFileInstallsNothing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QByteArray png = imageBytes("PNG");
        // clang-format off
        QTest::newRow("configuration not XML")
            << "master/DDU.xml" << QByteArray("<Table>\n  <Loco_Details>\n    <CAB>1</VCU>\n")
            << "not well-formed XML (line 3)";
        QTest::newRow("cab 0")                << "master/DDU.xml" << configBytes(0) << "the cab is not 1 or 2";
        QTest::newRow("cab 3")                << "master/DDU.xml" << configBytes(3) << "the cab is not 1 or 2";
        QTest::newRow("no cab")               << "master/DDU.xml" << QByteArray("<Table><Loco_Details/></Table>")
                                              << "the cab is not 1 or 2";
        QTest::newRow("configuration nested") << "master/DDU.xml"
                                              << QByteArray("<a>").repeated(40) + QByteArray("</a>").repeated(40)
                                              << "not a DDU configuration";
        QTest::newRow("descriptor not XML")
            << "master/zav_descriptor.xml"
            << QByteArray("<Descriptor>\n<Signal>\n<bit_off>0</byte_off>\n</Signal>\n</Descriptor>\n")
            << "not well-formed XML (line 3)";
        QTest::newRow("descriptor empty")     << "master/zav_descriptor.xml" << QByteArray(" \n") << "the file is empty";
        QTest::newRow("port list not XML")
            << "master/zav_port.xml" << QByteArray("<Ports>\n<Port_Details>\n<Port_No>3100</Port_No>\n</Ports>\n")
            << "not well-formed XML (line 4)";
        QTest::newRow("port list without ports")
            << "master/zav_port.xml"
            << QByteArray("<Ports><Port_Details><Port_No>0</Port_No><Fun_Code>9</Fun_Code></Port_Details></Ports>")
            << "the port list names no port";
        QTest::newRow("reference not XML")
            << "master/zav_DDSMessages_details.xml" << QByteArray("<DDSMessages>\n<A_WAP_DDS>\n")
            << "not well-formed XML (line 3)";
        QTest::newRow("signal set not XML")   << "micview/1.xml" << QByteArray("two signals\n")
                                              << "not well-formed XML (line 1)";
        QTest::newRow("signal set empty")     << "micview/temp.xml" << QByteArray() << "the file is empty";
        QTest::newRow("fault log of another kind")
            << "fault/zav_MessagesVCU_temp.xml" << QByteArray("<faults/>") << "not a fault log of the DDU";
        QTest::newRow("fault history of another kind")
            << "fault/fault_history.xml"
            << QByteArray("<FaultHistory><Event><Kind>boom</Kind></Event></FaultHistory>")
            << "not a fault history of the DDU";
        QTest::newRow("driver details")       << "fault/Driver_Details" << QByteArray("D1234 Rajdhani\n")
                                              << "not a driver details line";
        QTest::newRow("other XML not XML")    << "master/sets/a.xml" << QByteArray("<?xml version=\"1.0\"?>\n<a>\n<b></a>")
                                              << "not well-formed XML (line 3)";
        QTest::newRow("image not an image")   << "img/rms/led.png" << QByteArray("no picture\n").repeated(500)
                                              << "not a PNG, JPEG or BMP image";
        QTest::newRow("image of another kind") << "img/rms/led.png" << imageBytes("PPM")
                                               << "not a PNG, JPEG or BMP image";
        QTest::newRow("image cut short")      << "img/rms/led.png" << png.left(png.size() / 2)
                                              << "the image is damaged";
        // clang-format on
    }

    void refusedFileInstallsNothing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QMap<QString, QByteArray> package = goodPackage();
        package[file] = content;
        putOnStick(package);
        putOldSet();
        const auto before = snapshot(m_layout.root);
        QTest::ignoreMessage(QtDebugMsg, qPrintable("not transferred: " + file + " - " + reason));
        update::SoftwareUpdate job(m_layout);
        int staged = 0;
        job.setProgress([&](int files, qint64) { staged = files; });
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 0);
        QCOMPARE(r.failed.size(), 1);
        QCOMPARE(r.failed.first().file, file);
        QCOMPARE(update::SoftwareUpdate::reasonText(r.failed.first()), reason);
        QVERIFY(!r.partly);
        QCOMPARE(staged, package.size()); // all copied, then refused
        QCOMPARE(snapshot(m_layout.root), before);
        QCOMPARE(update::SoftwareUpdate::statusText(r),
                 "Nothing installed, the old files stay:\n" + file + '\n' + reason);
        QVERIFY(update::SoftwareUpdate::isError(r.outcome));
    }

    // Every refused file is reported; the status tells how many.
    void severalRefusalsCounted()
    {
        QMap<QString, QByteArray> package = goodPackage();
        package["master/DDU.xml"] = configBytes(0);
        package["img/rms/led.png"] = "not a picture";
        putOnStick(package);
        putOldSet();
        const auto before = snapshot(m_layout.root);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: master/DDU.xml"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: img/rms/led.png"));
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QStringList failed;
        for (const update::FileFailure& f : r.failed)
            failed << f.file;
        failed.sort();
        QCOMPARE(failed, (QStringList{"img/rms/led.png", "master/DDU.xml"}));
        QCOMPARE(snapshot(m_layout.root), before);
        const QString text = update::SoftwareUpdate::statusText(r);
        QVERIFY2(text.startsWith("Nothing installed: 2 files refused, e.g.\n"), qPrintable(text));
        QCOMPARE(text.count('\n'), 2);
    }

    // The stick pulled while its files are copied: the copy of that file
    // fails, nothing of the new set is installed, nothing staged is left.
    void stickPulledHalfWay_data()
    {
        QTest::addColumn<int>("pulledAt"); // 1-based: the file that breaks off
        const int files = goodPackage().size();
        QTest::newRow("first file") << 1;
        QTest::newRow("half-way") << files / 2;
        QTest::newRow("last file") << files;
    }

    void stickPulledHalfWay()
    {
        QFETCH(int, pulledAt);
        putOnStick(goodPackage());
        putOldSet();
        const auto before = snapshot(m_layout.root);
        update::SoftwareUpdate job(m_layout);
        const update::SourceOpener files = update::fileOpener();
        int opened = 0;
        QString pulledFile;
        job.setSourceOpener([&](const QString& path) -> std::unique_ptr<QIODevice> {
            if (++opened < pulledAt)
                return files(path);
            if (opened == pulledAt) {
                pulledFile = QDir(stick("qim_new/zav_new")).relativeFilePath(path);
                const QByteArray data = readBytes(path);
                return std::make_unique<FailingDevice>(data, data.size() / 2);
            }
            return nullptr; // the stick is gone
        });
        int staged = 0;
        job.setProgress([&](int n, qint64) { staged = n; });
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: .* - reading the pendrive failed"));
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 0);
        QCOMPARE(r.failed.size(), 1);
        QCOMPARE(r.failed.first().file, pulledFile);
        QCOMPARE(staged, pulledAt - 1);
        QCOMPARE(snapshot(m_layout.root), before);
        QCOMPARE(update::SoftwareUpdate::statusText(r),
                 "Nothing installed, the old files stay:\n" + pulledFile + "\nreading the pendrive failed");
    }

    // The power fails after the journal was written and some staged files
    // were renamed: the next start completes the new set, exactly.
    void powerCutDuringSwitchCompletedAtStart_data()
    {
        QTest::addColumn<int>("renamed");
        const int files = goodPackage().size();
        QTest::newRow("before the first rename") << 0;
        QTest::newRow("after one rename") << 1;
        QTest::newRow("half-way") << files / 2;
        QTest::newRow("before the last rename") << files - 1;
        QTest::newRow("after the last rename") << files;
    }

    void powerCutDuringSwitchCompletedAtStart()
    {
        QFETCH(int, renamed);
        const QMap<QString, QByteArray> package = goodPackage();
        putOnStick(package);
        putOldSet();
        QMap<QString, QByteArray> expected = filesOf(snapshot(m_layout.root));
        for (auto it = package.begin(); it != package.end(); ++it)
            expected[targetOf(it.key())] = it.value();

        update::SoftwareUpdate job(m_layout);
        job.cutPowerDuringSwitch(renamed);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: "));
        job.transferData();
        QVERIFY(QFileInfo::exists(update::transferJournal(m_layout.root)));
        int arrived = 0;
        for (auto it = package.begin(); it != package.end(); ++it)
            arrived += readBytes(root(targetOf(it.key()))) == it.value();
        QCOMPARE(arrived, renamed);

        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("completed an interrupted data transfer"));
        QCOMPARE(update::finishInterruptedTransfer(m_layout.root), int(package.size()) - renamed);
        QCOMPARE(filesOf(snapshot(m_layout.root)), expected);
        QVERIFY(!QFileInfo::exists(root(".transfer")));
        QCOMPARE(update::finishInterruptedTransfer(m_layout.root), 0); // nothing more to do
    }

    // The power fails before the journal is whole (or what stands there is
    // not a journal of ours): the next start removes the staged files, the
    // old set stays as it was.
    void interruptedStagingDroppedAtStart_data()
    {
        QTest::addColumn<QByteArray>("journal"); // empty: none
        QTest::newRow("no journal") << QByteArray();
        QTest::newRow("not a journal") << QByteArray("rm -rf /\n");
        QTest::newRow("count not matching") << QByteArray("DDU data transfer 1\nfile/master/DDU.xml\nend 2\n");
        QTest::newRow("leading outside") << QByteArray("DDU data transfer 1\n..%2F..%2Fetc%2Fpasswd\nend 1\n");
        QTest::newRow("cut short") << QByteArray("DDU data transfer 1\nfile/master/DDU.xml\nend 1");
    }

    void interruptedStagingDroppedAtStart()
    {
        QFETCH(QByteArray, journal);
        const QMap<QString, QByteArray> package = goodPackage();
        putOnStick(package);
        putOldSet();
        const auto before = snapshot(m_layout.root);
        update::SoftwareUpdate job(m_layout);
        job.cutPowerDuringSwitch(-1);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: "));
        job.transferData();
        QVERIFY(QFileInfo::exists(update::stagingFolder(m_layout.root)));
        QVERIFY(!QFileInfo::exists(update::transferJournal(m_layout.root)));
        if (!journal.isEmpty())
            QVERIFY(writeBytes(update::transferJournal(m_layout.root), journal));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("staged file"));
        QCOMPARE(update::finishInterruptedTransfer(m_layout.root), int(package.size()) + (journal.isEmpty() ? 0 : 1));
        QCOMPARE(snapshot(m_layout.root), before);
    }

    // A link where the transfer's folder would be is removed, not followed.
    void transferFolderLinkNotFollowed()
    {
        QTemporaryDir outside;
        QVERIFY(writeBytes(outside.filePath("file/master/DDU.xml"), "outside"));
        QVERIFY(QFile::link(outside.path(), root(".transfer")));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not a folder of the data transfer"));
        QCOMPARE(update::finishInterruptedTransfer(m_layout.root), 0);
        QVERIFY(!QFileInfo::exists(root(".transfer")) && !QFileInfo(root(".transfer")).isSymLink());
        QCOMPARE(readBytes(outside.filePath("file/master/DDU.xml")), QByteArray("outside"));
    }

    // One file that cannot be read: nothing arrives, the transfer reports it
    // and is not called a success; the old copy of that file stays.
    void failingFileReported()
    {
        QVERIFY(writeBytes(stick("qim_new/zav_new/master/good.xml"), "<good/>"));
        QVERIFY(writeBytes(stick("qim_new/zav_new/master/bad.xml"), "<new-bad/>"));
        QVERIFY(writeBytes(stick("qim_new/zav_new/micview/2.xml"), "<two/>"));
        QVERIFY(writeBytes(root("file/master/bad.xml"), "old bad"));
        update::SoftwareUpdate job(m_layout);
        const update::SourceOpener files = update::fileOpener();
        job.setSourceOpener([&](const QString& path) -> std::unique_ptr<QIODevice> {
            if (path.endsWith("bad.xml"))
                return std::make_unique<FailingDevice>("<new", 2);
            return files(path);
        });
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: master/bad.xml"));
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 0);
        QCOMPARE(r.failed.size(), 1);
        QCOMPARE(r.failed.first().file, QString("master/bad.xml"));
        QCOMPARE(readBytes(root("file/master/bad.xml")), QByteArray("old bad"));
        QVERIFY(!QFileInfo::exists(root("file/master/good.xml")));
        QCOMPARE(update::SoftwareUpdate::statusText(r),
                 QString("Nothing installed, the old files stay:\nmaster/bad.xml\nreading the pendrive failed"));
        QVERIFY(update::SoftwareUpdate::isError(r.outcome));
    }

    // A name on the stick that is not valid text (a stick written by another
    // system) is not copied, and it is said so; nothing else arrives either.
    void unreadableNameReported()
    {
        const QString pkg = stick("qim_new/zav_new");
        QVERIFY(writeBytes(pkg + "/master/ok.xml", "<ok/>"));
        const QByteArray bad = QFile::encodeName(pkg) + "/master/set\xff\xfe.xml";
        {
            const int fd = ::open(bad.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        const auto before = snapshot(m_layout.root);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: master/set.*"));
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 0);
        QCOMPARE(r.failed.size(), 1);
        QVERIFY2(r.failed.first().file.startsWith("master/set") && r.failed.first().file.contains(QChar(0xFFFD)),
                 qPrintable(r.failed.first().file));
        QCOMPARE(QString::fromLatin1(r.failed.first().reason), QString("refused: name not readable"));
        QVERIFY(!QFileInfo::exists(root("file/master/ok.xml")));
        QCOMPARE(snapshot(m_layout.root), before);
        ::unlink(bad.constData()); // the temporary folder's removal would not see it either
    }

    // Links on the stick are not followed, and nothing is written outside
    // the data root, also through a link on the unit's side.
    void linksRefused()
    {
        QTemporaryDir outside;
        QVERIFY(writeBytes(outside.filePath("secret"), "secret"));
        const QString pkg = stick("qim_new/zav_new");
        QVERIFY(writeBytes(pkg + "/master/ok.xml", "<ok/>"));
        QVERIFY(QFile::link(outside.filePath("secret"), pkg + "/master/link.xml"));
        QVERIFY(QFile::link(outside.path(), pkg + "/master/dirlink"));
        QVERIFY(QFile::link(outside.path(), pkg + "/img"));
        QVERIFY(writeBytes(pkg + "/fault/f.xml", "<SUBSYSTEM/>"));
        // The unit's fault folder is a link leading out of the data root.
        QTemporaryDir elsewhere;
        QVERIFY(QDir().mkpath(root("file")) && QFile::link(elsewhere.path(), root("file/fault")));
        const auto outsideBefore = snapshot(outside.path());
        const auto before = snapshot(m_layout.root);
        for (int i = 0; i < 4; ++i)
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: .*"));
        update::SoftwareUpdate job(m_layout);
        const update::TransferResult r = job.transferData();
        QCOMPARE(r.outcome, Outcome::Failed);
        QCOMPARE(r.copied, 0);
        QStringList failed;
        for (const update::FileFailure& f : r.failed)
            failed << f.file;
        failed.sort();
        QCOMPARE(failed, (QStringList{"fault", "img", "master/dirlink", "master/link.xml"}));
        QVERIFY(!QFileInfo::exists(root("file/master/ok.xml")) && !QFileInfo::exists(root("img")));
        QCOMPARE(snapshot(m_layout.root), before);
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
                               "file/master/.DDU.xml.new-abc",                     // not six characters
                               "file/master/DDU.xml.new-abcdef",                   // not hidden
                               "file/master/.DDU.xml.new-abcdef.x",                // more after it
                               "file/pendrive/.stick.new-abcdef",                  // the stick's own
                               ".transfer/stage/file/master/.DDU.xml.new-abcdef"}; // a transfer's
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
