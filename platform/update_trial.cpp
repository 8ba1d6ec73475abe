#include "platform/update_trial.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include "platform/file_io.h"
#include "platform/translation.h"

namespace platform {

namespace {

constexpr qint64 kMaxNoteBytes = 16 * 1024;

// "key=value" lines; later keys win, other lines are ignored.
QMap<QString, QString> readKeys(const QString& path, bool* present)
{
    QMap<QString, QString> keys;
    const FileRead r = readRegularFile(path, kMaxNoteBytes);
    *present = r.status == ReadStatus::Ok;
    if (!*present)
        return keys;
    for (const QByteArray& line : r.data.split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            keys.insert(QString::fromUtf8(line.left(eq)).trimmed(), QString::fromUtf8(line.mid(eq + 1)).trimmed());
    }
    return keys;
}

// One value on one line: line ends inside a version become blanks.
QByteArray keyLine(const char* key, const QString& value)
{
    QString v = value;
    v.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return QByteArray(key) + '=' + v.toUtf8() + '\n';
}

} // namespace

QString TrialFiles::previousProgram() const
{
    return root + QStringLiteral("/ZAV_DDU_LU.previous");
}

QString TrialFiles::trial() const
{
    return root + QStringLiteral("/file/update/trial");
}

QString TrialFiles::rolledBack() const
{
    return root + QStringLiteral("/file/update/rolled-back");
}

QString TrialFiles::updateLog() const
{
    return root + QStringLiteral("/file/update/update.log");
}

bool startTrial(const TrialFiles& files, const QString& from, const QString& to, const QDateTime& now, QString* reason)
{
    if (!QDir().mkpath(QFileInfo(files.trial()).path())) {
        if (reason)
            *reason = QStringLiteral("cannot make the folder of %1").arg(files.trial());
        return false;
    }
    const QByteArray text = keyLine("since", now.toString(Qt::ISODate)) + keyLine("from", from) + keyLine("to", to);
    return saveFile(files.trial(), text, reason);
}

std::optional<Trial> runningTrial(const TrialFiles& files)
{
    bool present = false;
    const QMap<QString, QString> keys = readKeys(files.trial(), &present);
    if (!present)
        return std::nullopt;
    return Trial{keys.value(QStringLiteral("since")), keys.value(QStringLiteral("from")),
                 keys.value(QStringLiteral("to"))};
}

bool endTrial(const TrialFiles& files)
{
    return QFile::exists(files.trial()) && QFile::remove(files.trial());
}

bool noteStopRequested(const TrialFiles& files)
{
    const FileRead r = readRegularFile(files.trial(), kMaxNoteBytes);
    if (r.status != ReadStatus::Ok)
        return false;
    // Every line as it is (the guard's too), but an earlier stop= line.
    QByteArray text;
    for (const QByteArray& line : r.data.split('\n')) {
        if (!line.isEmpty() && !line.startsWith("stop="))
            text += line + '\n';
    }
    text += keyLine("stop", QStringLiteral("requested"));
    return saveFile(files.trial(), text);
}

std::optional<RollbackNote> takeRollbackNote(const TrialFiles& files)
{
    bool present = false;
    const QMap<QString, QString> keys = readKeys(files.rolledBack(), &present);
    if (!present)
        return std::nullopt;
    QFile::remove(files.rolledBack());
    return RollbackNote{keys.value(QStringLiteral("time")), keys.value(QStringLiteral("from")),
                        keys.value(QStringLiteral("to")), keys.value(QStringLiteral("reason"))};
}

QString rollbackReasonText(const QString& code)
{
    if (code == QLatin1String("watchdog"))
        return translated(QT_TRANSLATE_NOOP("QObject", "the new program stopped answering"));
    if (code == QLatin1String("timeout"))
        return translated(QT_TRANSLATE_NOOP("QObject", "the new program showed no picture"));
    if (code == QLatin1String("missing"))
        return translated(QT_TRANSLATE_NOOP("QObject", "the new program was missing"));
    if (code.startsWith(QLatin1String("exit-code:")))
        return translated(QT_TRANSLATE_NOOP("QObject", "the new program ended with status %1")).arg(code.mid(10));
    if (code.startsWith(QLatin1String("signal:")))
        return translated(QT_TRANSLATE_NOOP("QObject", "the new program crashed (%1)")).arg(code.mid(7));
    return translated(QT_TRANSLATE_NOOP("QObject", "the new program did not start (%1)")).arg(code);
}

} // namespace platform
