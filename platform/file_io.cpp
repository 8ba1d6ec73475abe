#include "platform/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace platform {

std::atomic<int> interruptNextSaveAfter{-1};

namespace {

QString reasonOf(int error, const QString& fallback)
{
    switch (error) {
    // Marked for the translation (context "QObject"): the screens show them.
    case ENOSPC:
    case EDQUOT: return QStringLiteral(QT_TRANSLATE_NOOP("QObject", "disk full"));
    case EFBIG: return QStringLiteral(QT_TRANSLATE_NOOP("QObject", "file too large"));
    case 0: return fallback;
    default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

void setReason(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

} // namespace

bool saveFile(const QString& path, const QByteArray& bytes, QString* reason)
{
    QSaveFile file(path);
    // Unbuffered: every write reaches the system at once and its failure is
    // seen here (a buffered write "succeeds" into memory and the flush that
    // fails later would still be committed).
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setReason(reason, file.errorString());
        return false;
    }
    const qint64 stopAfter = interruptNextSaveAfter.exchange(-1);
    const qint64 toWrite = stopAfter >= 0 ? qMin<qint64>(stopAfter, bytes.size()) : bytes.size();
    qint64 written = 0;
    int error = 0;
    while (written < toWrite) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + written, toWrite - written);
        if (n <= 0) {
            error = errno;
            break;
        }
        written += n;
    }
    if (written < bytes.size()) {
        file.cancelWriting(); // the old file stays; the temporary file goes
        setReason(reason, stopAfter >= 0 ? reasonOf(ENOSPC, QString()) : reasonOf(error, file.errorString()));
        return false;
    }
    errno = 0;
    if (!file.flush() || !file.commit()) {
        const int flushError = errno;
        file.cancelWriting();
        setReason(reason, reasonOf(flushError, file.errorString()));
        return false;
    }
    return true;
}

int removeSaveLeftovers(const QString& path)
{
    const QFileInfo info(path);
    return removeSaveLeftoversIn(info.absolutePath(), QRegularExpression::escape(info.fileName()));
}

int removeSaveLeftoversIn(const QString& folder, const QString& names)
{
    // The temporary name is the final one plus six random letters or digits.
    const QRegularExpression leftover(QStringLiteral("^(?:") + names + QStringLiteral(")\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch() && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

bool xmlWithinDepth(const QByteArray& data, int maxDepth, QString* problem)
{
    QXmlStreamReader xml(data);
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType t = xml.readNext();
        // Declared entities could expand a small file into gigabytes once a
        // document reader takes it whole: none of the unit's files has any.
        if (t == QXmlStreamReader::DTD && !xml.entityDeclarations().isEmpty()) {
            setReason(problem, QStringLiteral("line %1: entity declarations are not accepted").arg(xml.lineNumber()));
            return false;
        }
        if (t == QXmlStreamReader::StartElement && ++depth > maxDepth) {
            setReason(
                problem,
                QStringLiteral("line %1: elements nested deeper than %2 levels").arg(xml.lineNumber()).arg(maxDepth));
            return false;
        }
        if (t == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;
}

bool isRegularFile(const QString& path, QString* problem)
{
    struct stat st { };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        setReason(problem, errno == ENOENT ? QStringLiteral("no such file") : reasonOf(errno, QString()));
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        setReason(problem, QStringLiteral("not a regular file"));
        return false;
    }
    return true;
}

FileRead readRegularFile(const QString& path, qint64 maxBytes)
{
    FileRead out;
    QString problem;
    if (!isRegularFile(path, &problem)) {
        out.status = problem == QLatin1String("no such file") ? ReadStatus::Missing : ReadStatus::NotRegular;
        out.problem = problem;
        return out;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.status = ReadStatus::CannotOpen;
        out.problem = file.errorString();
        return out;
    }
    // Read in pieces: read(maxBytes + 1) would set aside the whole limit
    // (64 MB for the fault log) before the first byte, however small the file.
    const auto tooLarge = [&out, maxBytes] {
        out.data.clear();
        out.status = ReadStatus::TooLarge;
        out.problem = QStringLiteral("more than %1 bytes").arg(maxBytes);
        return out;
    };
    const qint64 expected = file.size();
    if (expected > maxBytes)
        return tooLarge();
    out.data.reserve(int(expected));
    constexpr qint64 kPiece = 64 * 1024;
    while (out.data.size() <= maxBytes) {
        const QByteArray piece = file.read(qMin(kPiece, maxBytes + 1 - out.data.size()));
        if (piece.isEmpty())
            break;
        out.data += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        out.data.clear();
        out.status = ReadStatus::CannotOpen;
        out.problem = file.errorString();
        return out;
    }
    if (out.data.size() > maxBytes)
        return tooLarge();
    return out;
}

} // namespace platform
