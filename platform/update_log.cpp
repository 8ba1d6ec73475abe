#include "platform/update_log.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

#include <mutex>

#include "platform/file_io.h"

namespace platform {

namespace {

constexpr int kMaxFieldChars = 1024;
// A log this unit wrote is never longer than kUpdateLogMaxBytes; one copied
// in by hand may be, and is cut to the bound on the next append.
constexpr qint64 kMaxReadBytes = 1024 * 1024;

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

QString field(const QString& in)
{
    QString out = in.left(kMaxFieldChars);
    if (out.size() < in.size() && out.back().isHighSurrogate())
        out.chop(1);
    for (QChar& c : out) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return out;
}

QByteArray lineOf(const UpdateLogEntry& e)
{
    const QStringList fields{e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), field(e.action),
                             field(e.fromVersion), field(e.toVersion), field(e.result)};
    return fields.join(QLatin1Char('\t')).toUtf8() + '\n';
}

// Drops whole lines from the front until `bytes` fits in kUpdateLogMaxBytes;
// as few as that takes.
void keepNewest(QByteArray& bytes)
{
    const qsizetype excess = bytes.size() - kUpdateLogMaxBytes;
    if (excess <= 0)
        return;
    // The first line end at or after byte excess - 1: cutting behind it
    // removes at least `excess` bytes and never splits a line.
    const qsizetype lineEnd = bytes.indexOf('\n', excess - 1);
    bytes.remove(0, lineEnd < 0 ? bytes.size() : lineEnd + 1);
}

} // namespace

bool appendUpdateLog(const QString& path, const UpdateLogEntry& entry, QString* reason)
{
    if (!entry.time.isValid()) {
        setReason(reason, QStringLiteral("no valid time"));
        return false;
    }
    // Read, add, write: the update and export workers and the GUI thread (a
    // trial passed) all append; one at a time, so that no line is lost.
    static std::mutex oneAtATime;
    const std::lock_guard<std::mutex> lock(oneAtATime);
    const FileRead old = readRegularFile(path, kMaxReadBytes);
    if (old.status != ReadStatus::Ok && old.status != ReadStatus::Missing) {
        setReason(reason, old.problem);
        qWarning().noquote() << "update log" << path << "cannot be read:" << old.problem;
        return false;
    }
    QByteArray bytes = old.data;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    bytes += lineOf(entry);
    keepNewest(bytes);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString why;
    if (!saveFile(path, bytes, &why)) {
        setReason(reason, why);
        qWarning().noquote() << "update log" << path << "not written:" << why;
        return false;
    }
    return true;
}

QStringList readUpdateLog(const QString& path)
{
    const FileRead file = readRegularFile(path, kMaxReadBytes);
    if (file.status != ReadStatus::Ok) {
        if (file.status != ReadStatus::Missing)
            qWarning().noquote() << "update log" << path << "cannot be read:" << file.problem;
        return {};
    }
    return QString::fromUtf8(file.data).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace platform
