// Saves whose writes fail for real: the process's file size limit
// (RLIMIT_FSIZE) makes the kernel refuse every byte beyond it, as a full disk
// refuses them. For each file the unit writes (the save helper itself, the
// driver details, the configuration, a signal set, the fault log): the old
// file stays byte for byte, nothing is left beside it, the screen says what
// failed and never "File Saved".

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

#include <sys/resource.h>

#include "app/mainwindow.h"
#include "diagnostics/fault_log.h"
#include "maintenance/config_screen.h"
#include "maintenance/driver_screen.h"
#include "maintenance/logic/micview_set.h"
#include "platform/file_io.h"
#include "screens/fault_view.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"
#include "tests/support/window.h"

namespace {

using testsupport::makeWindow;

using testsupport::readBytes;
using testsupport::writeBytes;

// Writes beyond `bytes` fail with EFBIG while it lives (SIGXFSZ ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

// The file and whatever a save left beside it under its name.
QStringList filesBeside(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return QDir(QFileInfo(path).path()).entryList({name, name + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

QString message(MainWindow& w)
{
    return w.W<QLabel>(QStringLiteral("err_txt"))->text();
}

using Window = std::unique_ptr<MainWindow>;

} // namespace

class TestFailedSaves : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root{true};

    QString path(const QString& rel) const { return m_root.filePath(rel); }

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    // The helper: a write refused half-way leaves the old file and nothing else.
    void saveHelperKeepsTheOldFile()
    {
        const QString file = path("helper/data.xml");
        const QByteArray old = "<old>the file as it was</old>\n";
        QVERIFY(writeBytes(file, old));
        QString reason;
        {
            FileSizeLimit limit(10);
            QVERIFY(!platform::saveFile(file, QByteArray(500, 'x'), &reason));
        }
        QCOMPARE(reason, QStringLiteral("file too large"));
        QCOMPARE(readBytes(file), old);
        QCOMPARE(filesBeside(file), QStringList{"data.xml"});
        // The power failing half-way: the same.
        platform::interruptNextSaveAfter = 7;
        QVERIFY(!platform::saveFile(file, QByteArray(500, 'y'), &reason));
        QCOMPARE(reason, QStringLiteral("disk full"));
        QCOMPARE(readBytes(file), old);
        QVERIFY(platform::saveFile(file, "<new/>", &reason));
        QCOMPARE(readBytes(file), QByteArray("<new/>"));
    }

    void driverDetails()
    {
        const QString file = path("file/fault/Driver_Details");
        const QByteArray old = "$,D1,T1,1200,NDLS,BCT,01-Jan-2024 10:00:00,DLI,NR,#\n";
        QVERIFY(writeBytes(file, old));
        auto w = makeWindow();
        w->driverDetails->dr_details();
        {
            FileSizeLimit limit(10);
            w->W<QAbstractButton>(QStringLiteral("save_btn"))->click();
        }
        QCOMPARE(message(*w), QStringLiteral("File not saved: file too large"));
        QCOMPARE(w->W<QLabel>(QStringLiteral("err_header"))->text(), QStringLiteral("ERROR"));
        QCOMPARE(readBytes(file), old);
        QCOMPARE(filesBeside(file), QStringList{"Driver_Details"});
    }

    void configuration()
    {
        const QString file = path("file/master/DDU.xml");
        const QByteArray old = "<Table><Loco_Details><CAB>1</CAB></Loco_Details></Table>";
        QVERIFY(writeBytes(file, old));
        auto w = makeWindow();
        w->configScreen->on_ddulogging_clicked();
        w->configScreen->DDU_Maintenance_CABDDU();
        w->W<QAbstractButton>(QStringLiteral("cabcheck2"))->click();
        {
            FileSizeLimit limit(10);
            w->W<QAbstractButton>(QStringLiteral("cab_ok"))->click();
        }
        QCOMPARE(message(*w), QStringLiteral("Configuration not saved: file too large"));
        QCOMPARE(readBytes(file), old); // the next start still finds cab 1
        QCOMPARE(filesBeside(file), QStringList{"DDU.xml"});
    }

    // A signal set saved over an existing one (YES to the question).
    void signalSet()
    {
        const QString file = path("file/micview/3.xml");
        const QByteArray existing = "<Table><Signals_Count><Count_All>0</Count_All></Signals_Count></Table>\n";
        QVERIFY(writeBytes(file, existing));
        auto w = makeWindow();
        QString reason;
        {
            FileSizeLimit limit(10);
            QVERIFY(!micview::save(file, {descriptor::Row()}, &reason));
        }
        QCOMPARE(readBytes(file), existing);
        QCOMPARE(w->fileNotSavedText(reason), QStringLiteral("File not saved: file too large"));
        QCOMPARE(filesBeside(file), QStringList{"3.xml"});
    }

    // The fault log: a message that cannot be written is kept and written
    // with the next one; the log is never left empty or torn.
    void faultLog()
    {
        FaultLog log(path("file/fault/log.xml"));
        QVERIFY(log.reset());
        FaultLogEntry e;
        e.locoType = 1;
        e.subsystem = QStringLiteral("SS01:Main Power");
        e.time = QStringLiteral("07/12/2026 10:00:00");
        e.faultCode = QStringLiteral("F0102P2");
        QVERIFY(log.append(e));
        const QByteArray one = readBytes(log.path());
        {
            FileSizeLimit limit(10);
            QVERIFY(!log.append(e));
        }
        QCOMPARE(readBytes(log.path()), one);
        QCOMPARE(filesBeside(log.path()), QStringList{"log.xml"});
        QVERIFY(log.append(e)); // space again: both held messages are written
        QCOMPARE(QString::fromUtf8(readBytes(log.path())).count(QStringLiteral("<Message>")), 3);
    }
};

QTEST_MAIN(TestFailedSaves)
#include "tst_failed_saves.moc"
