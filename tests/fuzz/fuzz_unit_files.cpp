// Fuzz target of the unit's own files and of the save they all go through.
// Input: one control byte, then the file's bytes. Invariants:
// - DDU.xml: a file refused changes no value and gives a reason; values read
//   are written and read back the same;
// - Driver_Details: a line read whose fields can all be stored is saved and
//   read back the same; one with a field that cannot be stored is refused and
//   the file left as it was; a field typed and accepted holds no separator,
//   line break or control character and is at most the field's length;
// - the save: interrupted after `control` bytes (control < 255) it fails,
//   says why, and leaves the old file byte for byte; otherwise the file holds
//   exactly the new bytes; no temporary file is ever left behind;
// - the fault log: whatever file is found in its place, a message appended
//   is written, the log reads back with that message last, and a file that
//   was not a log is kept beside it byte for byte.

#include "diagnostics/fault_log.h"
#include "maintenance/ddu_config.h"
#include "maintenance/driver_details.h"
#include "platform/file_io.h"
#include "screens/subsystem_messages.h"
#include "tests/fuzz/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// In memory where there is a tmpfs: every save syncs its file to the disk,
// which on a real disk would make each input take milliseconds.
QTemporaryDir& workDir()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/fuzz_unit_files-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/fuzz_unit_files-XXXXXX"));
    FUZZ_CHECK(dir.isValid());
    return dir;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(bytes) == bytes.size());
}

// Nothing in the folder but `expected`.
void onlyFiles(const QStringList& expected)
{
    QStringList names = QDir(workDir().path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.sort();
    FUZZ_CHECK(names == expected);
}

void checkConfig(const QByteArray& bytes)
{
    const config::DduConfig before{7, 7, 7, 7, 7, 7};
    config::DduConfig cfg = before;
    QString error;
    if (!config::parseConfig(bytes, cfg, &error)) {
        FUZZ_CHECK(cfg == before);
        FUZZ_CHECK(!error.isEmpty());
        return;
    }
    config::DduConfig back{-1, -1, -1, -1, -1, -1};
    FUZZ_CHECK(config::parseConfig(config::formatConfig(cfg), back));
    FUZZ_CHECK(back == cfg);
}

void checkDriverDetails(const QByteArray& bytes)
{
    const QString path = workDir().filePath(QStringLiteral("Driver_Details"));
    const QByteArray old = "$,old,,,,,,,,#\n";
    put(path, old);
    driver::DriverDetails d;
    const int end = bytes.indexOf('\n');
    if (driver::parseLine(QString::fromUtf8(end < 0 ? bytes : bytes.left(end + 1)), d)) {
        QString error;
        if (driver::firstBadField(d) < 0) {
            FUZZ_CHECK(driver::writeFile(path, d, &error));
            driver::DriverDetails back;
            FUZZ_CHECK(driver::readFile(path, back) == driver::ReadResult::Read);
            FUZZ_CHECK(back == d);
        } else {
            FUZZ_CHECK(!driver::writeFile(path, d, &error));
            FUZZ_CHECK(!error.isEmpty());
            FUZZ_CHECK(contents(path) == old);
        }
    }
    const driver::FieldInput typed = driver::checkField(QString::fromUtf8(bytes));
    if (!typed.refused) {
        FUZZ_CHECK(typed.text.size() <= driver::kMaxFieldLength);
        for (const QChar c : typed.text)
            FUZZ_CHECK(c != QLatin1Char(',') && c != QLatin1Char('#') && c.category() != QChar::Other_Control);
    }
    QFile::remove(path);
}

void checkSave(uint8_t control, const QByteArray& bytes)
{
    const QString path = workDir().filePath(QStringLiteral("DDU.xml"));
    const QByteArray old = "<Table>old</Table>\n";
    FUZZ_CHECK(platform::saveFile(path, old));
    platform::interruptNextSaveAfter = control == 255 ? -1 : control;
    QString reason;
    const bool saved = platform::saveFile(path, bytes, &reason);
    FUZZ_CHECK(platform::interruptNextSaveAfter == -1); // used once
    if (control != 255 && control < bytes.size()) {
        FUZZ_CHECK(!saved);
        FUZZ_CHECK(!reason.isEmpty());
        FUZZ_CHECK(contents(path) == old);
    } else {
        FUZZ_CHECK(saved);
        FUZZ_CHECK(contents(path) == bytes);
    }
    onlyFiles({QStringLiteral("DDU.xml")});
    QFile::remove(path);
}

void checkFaultLog(const QByteArray& bytes)
{
    const QString path = workDir().filePath(QStringLiteral("log.xml"));
    const QString aside = path + FaultLog::unreadableSuffix();
    put(path, bytes);
    FaultLog log(path);
    FaultLogEntry e;
    e.subsystem = QStringLiteral("SS05:Fuzz");
    e.faultCode = QStringLiteral("F9999P1");
    FUZZ_CHECK(log.append(e));
    FUZZ_CHECK(log.count() >= 1);
    const subsys::MessageList list = subsys::loadMessages(path, QStringLiteral("SS05"));
    FUZZ_CHECK(list.status == subsys::Status::Ok);
    FUZZ_CHECK(!list.messages.isEmpty());
    FUZZ_CHECK(list.messages.last().code == e.faultCode);
    if (QFile::exists(aside)) {
        FUZZ_CHECK(contents(aside) == bytes);
        FUZZ_CHECK(log.count() == 1);
        onlyFiles({QStringLiteral("log.xml"), QStringLiteral("log.xml.unreadable")});
    } else {
        onlyFiles({QStringLiteral("log.xml")});
    }
    QFile::remove(path);
    QFile::remove(aside);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Cursor in(data, size);
    const uint8_t control = in.byte(255);
    const uint8_t* rest = nullptr;
    const size_t n = in.take(size, rest);
    const QByteArray bytes(reinterpret_cast<const char*>(rest), int(n));

    checkConfig(bytes);
    checkDriverDetails(bytes);
    checkSave(control, bytes);
    checkFaultLog(bytes);
    return 0;
}
