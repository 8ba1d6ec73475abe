// TO USB on the DDS screen: the maintainer takes the logs off the unit. The
// files go into a new folder ddu_logs/<time> on the pendrive, or on the SD
// card when no pendrive is in:
//
//   fault_history.xml / .csv   raise, acknowledge and clear of every message
//   fault_log.xml / .csv       the fault log of this run
//   dds_records.csv            the DDS records the DDS screen showed this run
//
// The work (mount, reading the history on its own thread, writing, sync,
// umount) runs on a worker; the message box shows how far it is and then
// the result.

#include <QDateTime>
#include <QFileInfo>

#include "app/mainwindow.h"
#include "diagnostics/fault_history_writer.h"
#include "diagnostics/log_tables.h"
#include "maintenance/software_update.h"
#include "platform/file_io.h"
#include "platform/platform.h"
#include "platform/update_runner.h"
#include "screens/fault_screen.h"
#include "ui/translated_text.h"

namespace {

constexpr qint64 kMaxFaultLogBytes = 64 * 1024 * 1024;

// The tables start with the UTF-8 byte order mark: without it a common
// spreadsheet program reads them in the PC's own code page, and Hindi texts
// (the fault log holds the texts as shown) come out garbled.
QByteArray spreadsheet(const QByteArray& csv)
{
    return csv.isEmpty() ? csv : QByteArrayLiteral("\xEF\xBB\xBF") + csv;
}

QByteArray fileBytes(const QString& path, QString* problem)
{
    const platform::FileRead r = platform::readRegularFile(path, kMaxFaultLogBytes);
    if (r.status == platform::ReadStatus::Missing)
        return QByteArray(); // nothing logged yet: an empty file
    if (r.status != platform::ReadStatus::Ok)
        *problem = r.problem;
    return r.data;
}

} // namespace

void MainWindow::exportLogs(const QByteArray& ddsCsv)
{
    if (!exportRunner) {
        exportRunner = new UpdateRunner(this);
        connect(exportRunner, &UpdateRunner::progress, this, [this](int n, qint64 bytes) {
            if (exportRunner->busy())
                message(exportWriting + QLatin1Char('\n') +
                            ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "%1 files, %2 MB"))
                                .arg(n)
                                .arg(double(bytes) / (1024.0 * 1024.0), 0, 'f', 1),
                        2);
        });
    }
    if (exportRunner->busy())
        return; // the message box already says it is writing
    const bool sdCard = !QFileInfo::exists(QString::fromLocal8Bit(platform::usbDevicePath())) &&
        QFileInfo::exists(QString::fromLocal8Bit(platform::sdDevicePath()));
    const QString medium = sdCard ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "the SD card"))
                                  : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "the pendrive"));
    exportWriting = ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Writing the logs to %1 ...")).arg(medium);
    message(exportWriting, 2);

    FaultHistoryWriter* history = &faultScreen->history;
    const QString faultLog = platform::dataPath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml"));
    // Both history files from one look at the history (the same events),
    // taken when the first is written.
    auto historyTables = std::make_shared<FaultHistoryWriter::Tables>();
    const QList<update::ExportFile> files{
        {QStringLiteral("fault_history.xml"),
         [history, historyTables](QString* problem) {
             *historyTables = history->tables();
             *problem = historyTables->problem;
             return historyTables->xml;
         }},
        {QStringLiteral("fault_history.csv"),
         [historyTables](QString* problem) {
             *problem = historyTables->problem;
             return spreadsheet(historyTables->csv);
         }},
        {QStringLiteral("fault_log.xml"), [faultLog](QString* problem) { return fileBytes(faultLog, problem); }},
        {QStringLiteral("fault_log.csv"),
         [faultLog](QString* problem) {
             const QByteArray xml = fileBytes(faultLog, problem);
             if (!problem->isEmpty())
                 return QByteArray();
             return spreadsheet(xml.isEmpty() ? logtables::faultLogCsv("<SUBSYSTEM/>", problem)
                                              : logtables::faultLogCsv(xml, problem));
         }},
        {QStringLiteral("dds_records.csv"), [ddsCsv](QString*) { return spreadsheet(ddsCsv); }},
    };
    auto job = std::make_shared<update::SoftwareUpdate>(update::Layout::unit(sdCard));
    auto result = std::make_shared<update::ExportResult>();
    UpdateRunner* runner = exportRunner;
    const QDateTime now = QDateTime::currentDateTime();
    exportRunner->start(
        [job, result, files, now, runner] {
            *result = job->exportFiles(files, now, [runner](int n, qint64 bytes) { runner->report(n, bytes, 0); });
        },
        [this, result] {
            message(update::SoftwareUpdate::statusText(*result),
                    update::SoftwareUpdate::isError(result->outcome) ? 1 : 2);
        });
}
