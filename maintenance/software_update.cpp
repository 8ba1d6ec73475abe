#include "maintenance/software_update.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/file_io.h"
#include "platform/platform.h"
#include "platform/program_version.h"
#include "platform/translation.h"
#include "platform/update_log.h"
#include "platform/update_trial.h"

namespace update {

// ----------------------------------------------------------------- layout

QString Layout::mountPoint() const
{
    return root + QStringLiteral("/file/pendrive");
}

QString Layout::installedProgram() const
{
    return root + QLatin1Char('/') + QLatin1String(kProgramName);
}

QString Layout::stickProgram() const
{
    return mountPoint() + QLatin1Char('/') + QLatin1String(kProgramName);
}

QString Layout::stickPackage() const
{
    return mountPoint() + QStringLiteral("/qim_new/zav_new");
}

Layout Layout::unit(bool sdCard)
{
    return {QString::fromLocal8Bit(sdCard ? platform::sdDevicePath() : platform::usbDevicePath()),
            platform::dataRoot()};
}

// ----------------------------------------------------------------- checked copy

namespace {

constexpr qint64 kChunk = 64 * 1024;

// Reads all of `in`, feeding `hash`; -1 when a read fails.
qint64 readAll(QIODevice& in, QCryptographicHash& hash, QIODevice* out, bool* writeFailed,
               const std::function<void(qint64)>& copiedBytes = {})
{
    QByteArray buffer(kChunk, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 n = in.read(buffer.data(), kChunk);
        if (n < 0)
            return -1;
        if (n == 0)
            return total;
        hash.addData(QByteArrayView(buffer.constData(), n));
        if (out && out->write(buffer.constData(), n) != n) {
            *writeFailed = true;
            return total;
        }
        total += n;
        if (copiedBytes)
            copiedBytes(total);
    }
}

bool syncFile(QFileDevice& f)
{
    return f.flush() && ::fsync(f.handle()) == 0;
}

// Makes a rename in `dir` durable.
void syncDirectory(const QString& dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The written copy, read back: same size and checksum as the source.
const char* verifyCopy(QTemporaryFile& tmp, qint64 size, const QByteArray& sourceHash)
{
    if (!syncFile(tmp))
        return QT_TRANSLATE_NOOP("QObject", "writing on the DDU failed");
    if (!tmp.seek(0))
        return QT_TRANSLATE_NOOP("QObject", "the copy cannot be read back");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (readAll(tmp, hash, nullptr, nullptr) != size || hash.result() != sourceHash)
        return QT_TRANSLATE_NOOP("QObject", "the copy differs from the pendrive");
    return nullptr;
}

} // namespace

SourceOpener fileOpener()
{
    return [](const QString& path) -> std::unique_ptr<QIODevice> {
        auto f = std::make_unique<QFile>(path);
        if (!f->open(QIODevice::ReadOnly))
            return nullptr;
        return f;
    };
}

CopyResult copyVerified(const QString& source, const QString& target, QFileDevice::Permissions permissions,
                        const SourceOpener& open, const std::function<void(qint64)>& copiedBytes)
{
    CopyResult r;
    const qint64 size = QFileInfo(source).size();
    std::unique_ptr<QIODevice> in = open ? open(source) : nullptr;
    if (!in || !in->isReadable()) {
        r.reason = QT_TRANSLATE_NOOP("QObject", "cannot read the pendrive");
        return r;
    }
    const QFileInfo t(target);
    QTemporaryFile tmp(t.absolutePath() + QStringLiteral("/.") + t.fileName() + QStringLiteral(".new-XXXXXX"));
    if (!tmp.open()) {
        r.reason = QT_TRANSLATE_NOOP("QObject", "cannot write on the DDU");
        return r;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    bool writeFailed = false;
    const qint64 copied = readAll(*in, hash, &tmp, &writeFailed, copiedBytes);
    if (writeFailed)
        r.reason = QT_TRANSLATE_NOOP("QObject", "writing on the DDU failed");
    else if (copied < 0)
        r.reason = QT_TRANSLATE_NOOP("QObject", "reading the pendrive failed");
    else if (copied != size)
        r.reason = QT_TRANSLATE_NOOP("QObject", "copy incomplete");
    else
        r.reason = verifyCopy(tmp, size, hash.result());
    if (!r.reason && !tmp.setPermissions(permissions))
        r.reason = QT_TRANSLATE_NOOP("QObject", "cannot set the mode of the copy");
    if (r.reason)
        return r; // the temporary file goes, the old file stays
    tmp.close();
    if (::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        r.reason = QT_TRANSLATE_NOOP("QObject", "cannot replace the old file");
        return r;
    }
    tmp.setAutoRemove(false);
    syncDirectory(t.absolutePath());
    r.ok = true;
    return r;
}

int removeCopyLeftovers(const QString& root)
{
    static const QRegularExpression leftover(QStringLiteral("^\\..+\\.new-[A-Za-z0-9]{6}$"));
    Layout layout;
    layout.root = root;
    const QString mount = QDir::cleanPath(layout.mountPoint()); // a stick's files are not ours
    int removed = 0;
    // Depth-first with an explicit stack, as deep as a transfer may write.
    struct Folder {
        QString path;
        int depth;
    };
    QVector<Folder> todo{{QDir::cleanPath(root), 0}};
    while (!todo.isEmpty()) {
        const Folder f = todo.takeLast();
        const QFileInfoList entries =
            QDir(f.path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo& e : entries) {
            if (e.isSymLink())
                continue;
            if (e.isDir()) {
                if (f.depth < 17 && QDir::cleanPath(e.filePath()) != mount)
                    todo.append({e.filePath(), f.depth + 1});
            } else if (e.isFile() && leftover.match(e.fileName()).hasMatch() && QFile::remove(e.filePath())) {
                ++removed;
            }
        }
    }
    return removed;
}

QString safeTarget(const QString& base, const QString& relative)
{
    if (relative.isEmpty() || QDir::isAbsolutePath(relative))
        return QString();
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& p : parts)
        if (p == QLatin1String("..") || p == QLatin1String("."))
            return QString();
    if (parts.isEmpty())
        return QString();
    return QDir::cleanPath(base + QLatin1Char('/') + parts.join(QLatin1Char('/')));
}

QString shellArg(const QString& path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:@%+=,-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// ----------------------------------------------------------------- program check

namespace {

// The parts of an ELF header the check needs.
struct ElfHead {
    bool is64 = false;
    bool little = false;
    quint64 machine = 0;
    quint64 phoff = 0, phentsize = 0, phnum = 0;
    quint64 shoff = 0, shentsize = 0, shnum = 0, shstrndx = 0;
};

quint64 number(const QByteArray& b, int at, int size, bool little)
{
    quint64 v = 0;
    for (int i = 0; i < size; ++i) {
        const quint64 byte = quint8(b.at(at + i));
        v |= byte << (8 * (little ? i : size - 1 - i));
    }
    return v;
}

bool readElfHead(QIODevice& f, ElfHead& h)
{
    const QByteArray b = f.read(64);
    if (b.size() < 52 ||
        !b.startsWith("\x7f"
                      "ELF") ||
        (b.at(4) != 1 && b.at(4) != 2) || (b.at(5) != 1 && b.at(5) != 2))
        return false;
    h.is64 = b.at(4) == 2;
    h.little = b.at(5) == 1;
    if (h.is64 && b.size() < 64)
        return false;
    // Offsets of the fields in the 32- and 64-bit headers.
    const int w = h.is64 ? 8 : 4;
    const int at = h.is64 ? 54 : 42;
    h.machine = number(b, 18, 2, h.little);
    h.phoff = number(b, 24 + w, w, h.little);
    h.shoff = number(b, 24 + 2 * w, w, h.little);
    h.phentsize = number(b, at, 2, h.little);
    h.phnum = number(b, at + 2, 2, h.little);
    h.shentsize = number(b, at + 4, 2, h.little);
    h.shnum = number(b, at + 6, 2, h.little);
    h.shstrndx = number(b, at + 8, 2, h.little);
    return true;
}

bool within(quint64 offset, quint64 length, quint64 size)
{
    return length <= size && offset <= size - length;
}

// Every segment the program headers name lies within the file.
bool segmentsWithin(QIODevice& f, const ElfHead& h, quint64 size)
{
    for (quint64 i = 0; i < h.phnum; ++i) {
        if (!f.seek(qint64(h.phoff + i * h.phentsize)))
            return false;
        const QByteArray p = f.read(qint64(h.phentsize));
        const int offsetAt = h.is64 ? 8 : 4, filesizeAt = h.is64 ? 32 : 16, w = h.is64 ? 8 : 4;
        if (p.size() < filesizeAt + w)
            return false;
        if (!within(number(p, offsetAt, w, h.little), number(p, filesizeAt, w, h.little), size))
            return false;
    }
    return true;
}

} // namespace

const char* programProblem(const QString& path)
{
    static const char* const notProgram = QT_TRANSLATE_NOOP("QObject", "the pendrive file is not a DDU program");
    static const char* const incomplete = QT_TRANSLATE_NOOP("QObject", "the pendrive program is incomplete");
    QFile f(path);
    ElfHead h;
    if (!f.open(QIODevice::ReadOnly) || !readElfHead(f, h))
        return notProgram;
    QFile self(QStringLiteral("/proc/self/exe"));
    ElfHead own;
    if (self.open(QIODevice::ReadOnly) && readElfHead(self, own) &&
        (own.is64 != h.is64 || own.little != h.little || own.machine != h.machine))
        return notProgram; // built for another processor
    const quint64 size = quint64(f.size());
    const bool complete = within(h.phoff, h.phnum * h.phentsize, size) && segmentsWithin(f, h, size) &&
        (h.shnum == 0 || within(h.shoff, h.shnum * h.shentsize, size));
    return complete ? nullptr : incomplete;
}

namespace {

struct Section {
    quint64 nameAt = 0, offset = 0, size = 0;
};

bool readSection(QIODevice& f, const ElfHead& h, quint64 index, Section& s)
{
    if (!f.seek(qint64(h.shoff + index * h.shentsize)))
        return false;
    const int w = h.is64 ? 8 : 4;
    const int offsetAt = h.is64 ? 24 : 16;
    const QByteArray b = f.read(qint64(h.shentsize));
    if (b.size() < offsetAt + 2 * w)
        return false;
    s.nameAt = number(b, 0, 4, h.little);
    s.offset = number(b, offsetAt, w, h.little);
    s.size = number(b, offsetAt + w, w, h.little);
    return true;
}

} // namespace

QString programVersionOf(const QString& path)
{
    constexpr quint64 kMaxNames = 1024 * 1024; // section names of a real program: a few kB
    constexpr quint64 kMaxNote = 256;
    QFile f(path);
    ElfHead h;
    if (!f.open(QIODevice::ReadOnly) || !readElfHead(f, h) || h.shnum == 0 || h.shstrndx >= h.shnum)
        return QString();
    const quint64 size = quint64(f.size());
    Section names;
    if (!within(h.shoff, h.shnum * h.shentsize, size) || !readSection(f, h, h.shstrndx, names) ||
        names.size > kMaxNames || !within(names.offset, names.size, size) || !f.seek(qint64(names.offset)))
        return QString();
    const QByteArray table = f.read(qint64(names.size));
    const QByteArray wanted = QByteArray(platform::kVersionNoteSection) + '\0';
    for (quint64 i = 0; i < h.shnum; ++i) {
        Section s;
        if (!readSection(f, h, i, s) || s.nameAt >= quint64(table.size()) ||
            table.mid(qsizetype(s.nameAt), wanted.size()) != wanted)
            continue;
        if (s.size < 12 || s.size > kMaxNote || !within(s.offset, s.size, size) || !f.seek(qint64(s.offset)))
            return QString();
        const QByteArray note = f.read(qint64(s.size));
        const quint64 ownerSize = number(note, 0, 4, h.little);
        const quint64 textSize = number(note, 4, 4, h.little);
        const quint64 textAt = 12 + ((ownerSize + 3) & ~quint64(3));
        if (number(note, 8, 4, h.little) != platform::kVersionNoteType ||
            note.mid(12, qsizetype(ownerSize)) !=
                QByteArray(platform::kVersionNoteOwner, sizeof(platform::kVersionNoteOwner)) ||
            !within(textAt, textSize, quint64(note.size())))
            return QString();
        const QByteArray text = note.mid(qsizetype(textAt), qsizetype(textSize));
        // Printable ASCII up to the first zero: a version, nothing else.
        QString version;
        for (const char c : text) {
            if (c == '\0')
                break;
            if (c < 0x20 || c > 0x7e)
                return QString();
            version += QLatin1Char(c);
        }
        return version;
    }
    return QString();
}

// ----------------------------------------------------------------- update

SoftwareUpdate::SoftwareUpdate(Layout layout)
    : m_layout(std::move(layout))
    , m_open(fileOpener())
{
}

bool SoftwareUpdate::stickPresent() const
{
    return QFileInfo::exists(m_layout.device);
}

// The program update writes its command with two blanks after "mount", the
// data transfer with one: both as the unit has always logged them.
bool SoftwareUpdate::mount(const char* command)
{
    return platform::runShellFor(QLatin1String(command) + shellArg(m_layout.device) + QLatin1Char(' ') +
                                     shellArg(m_layout.mountPoint()),
                                 kMountTimeoutMs) == 0;
}

void SoftwareUpdate::unmount()
{
    platform::runShellFor(QStringLiteral("umount ") + shellArg(m_layout.mountPoint()), kMountTimeoutMs);
}

// Why the stick's program file cannot be installed, or nullptr.
const char* SoftwareUpdate::stickProgramProblem() const
{
    const QFileInfo src(m_layout.stickProgram());
    if (src.isSymLink())
        return QT_TRANSLATE_NOOP("QObject", "the pendrive file is a link");
    if (!src.isFile())
        return QT_TRANSLATE_NOOP("QObject", "the pendrive entry is not a file");
    if (src.size() == 0)
        return QT_TRANSLATE_NOOP("QObject", "the pendrive file is empty");
    if (src.size() > kMaxProgramBytes)
        return QT_TRANSLATE_NOOP("QObject", "the pendrive file is larger than 64 MB");
    if (const char* problem = programProblem(src.filePath()))
        return problem;
    const QStorageInfo disk(m_layout.root);
    // Room for the new program beside the old one, kept as the previous one.
    if (disk.isValid() && disk.bytesAvailable() < src.size())
        return QT_TRANSLATE_NOOP("QObject", "not enough space on the DDU");
    return nullptr;
}

ProgramCheck SoftwareUpdate::checkProgram()
{
    ProgramCheck c;
    c.installedVersion = programVersionOf(m_layout.installedProgram());
    if (!stickPresent()) {
        c.outcome = Outcome::NoStick;
        return c;
    }
    if (!mount("mount  ")) {
        c.outcome = Outcome::CannotMount; // not "file not found": the stick was never read
        return c;
    }
    const QFileInfo src(m_layout.stickProgram());
    if (!src.exists() && !src.isSymLink()) {
        c.outcome = Outcome::NotFound;
    } else if ((c.reason = stickProgramProblem())) {
        c.outcome = Outcome::Failed;
    } else {
        c.outcome = Outcome::Done;
        c.stickVersion = programVersionOf(src.filePath());
        c.bytes = src.size();
    }
    unmount();
    return c;
}

ProgramResult SoftwareUpdate::updateProgram(const std::optional<QString>& expectedVersion)
{
    if (!stickPresent())
        return {Outcome::NoStick, nullptr};
    if (!mount("mount  "))
        return {Outcome::CannotMount, nullptr}; // not "file not found": the stick was never read
    const QFileInfo src(m_layout.stickProgram());
    const QString from = programVersionOf(m_layout.installedProgram());
    const QString to = src.exists() ? programVersionOf(src.filePath()) : QString();
    ProgramResult r{Outcome::NotFound, nullptr};
    if (src.exists() || src.isSymLink()) {
        if (expectedVersion && *expectedVersion != to)
            r = {Outcome::Failed, QT_TRANSLATE_NOOP("QObject", "the pendrive was changed, check it again")};
        else
            r = installProgram(from, to);
    }
    if (r.outcome == Outcome::Done)
        platform::runShellFor(QStringLiteral("chmod 0777 ") + shellArg(m_layout.installedProgram()), kCommandTimeoutMs);
    unmount();
    if (r.outcome == Outcome::Done || r.outcome == Outcome::Failed)
        logUpdate(QStringLiteral("update"), from, to,
                  r.outcome == Outcome::Done ? QStringLiteral("done") : QString::fromUtf8(r.reason));
    return r;
}

namespace {

// Keeps the installed program as the previous one: a second name for the
// same file (no copy, and the rename of the new program over the installed
// name leaves it alone), or a checked copy where links are not possible.
bool keepPrevious(const QString& installed, const QString& previous)
{
    if (!QFileInfo(installed).isFile())
        return true; // nothing installed yet: nothing to keep
    const QString temp = QFileInfo(previous).absolutePath() + QStringLiteral("/.") + QFileInfo(previous).fileName() +
        QStringLiteral(".new-link00");
    QFile::remove(temp);
    if (::link(QFile::encodeName(installed).constData(), QFile::encodeName(temp).constData()) == 0 &&
        ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(previous).constData()) == 0)
        return true;
    QFile::remove(temp);
    return copyVerified(installed, previous, QFileInfo(installed).permissions(), fileOpener()).ok;
}

} // namespace

ProgramResult SoftwareUpdate::installProgram(const QString& fromVersion, const QString& toVersion)
{
    if (const char* problem = stickProgramProblem())
        return {Outcome::Failed, problem};
    const QFileDevice::Permissions all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser | QFileDevice::ReadGroup |
        QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther |
        QFileDevice::ExeOther;
    const platform::TrialFiles trial{m_layout.root};
    if (!keepPrevious(m_layout.installedProgram(), trial.previousProgram()))
        return {Outcome::Failed, QT_TRANSLATE_NOOP("QObject", "cannot keep the old program")};
    const QString source = m_layout.stickProgram();
    const qint64 total = QFileInfo(source).size();
    std::function<void(qint64)> progress;
    if (m_programProgress)
        progress = [this, total](qint64 done) { m_programProgress(done, total); };
    const CopyResult c = copyVerified(source, m_layout.installedProgram(), all, m_open, progress);
    if (!c.ok)
        return {Outcome::Failed, c.reason};
    QString why;
    if (!platform::startTrial(trial, fromVersion, toVersion, QDateTime::currentDateTime(), &why))
        qWarning().noquote() << "the new program runs without a trial (no roll-back):" << why;
    return {Outcome::Done, nullptr};
}

void SoftwareUpdate::logUpdate(const QString& action, const QString& from, const QString& to,
                               const QString& result) const
{
    QString why;
    const platform::TrialFiles files{m_layout.root};
    if (!platform::appendUpdateLog(files.updateLog(), {QDateTime::currentDateTime(), action, from, to, result}, &why))
        qWarning().noquote() << "update log not written:" << why;
}

// ----------------------------------------------------------------- data transfer

TransferResult SoftwareUpdate::transferData()
{
    TransferResult r;
    if (!stickPresent()) {
        r.outcome = Outcome::NoStick;
        return r;
    }
    if (!mount("mount ")) {
        r.outcome = Outcome::CannotMount;
        return r;
    }
    const QString package = m_layout.stickPackage();
    const QFileInfo qimNew(m_layout.mountPoint() + QStringLiteral("/qim_new"));
    if (qimNew.isSymLink() || QFileInfo(package).isSymLink()) {
        r.failed << FileFailure{QStringLiteral("qim_new/zav_new"), QT_TRANSLATE_NOOP("QObject", "refused: a link")};
    } else if (QFileInfo(package).isDir()) {
        const QString file = m_layout.root + QStringLiteral("/file");
        copyFolder(QStringLiteral("fault"), file, r);
        copyFolder(QStringLiteral("master"), file, r);
        copyFolder(QStringLiteral("micview"), file, r);
        copyFolder(QStringLiteral("img"), m_layout.root, r);
    }
    if (!r.failed.isEmpty())
        r.outcome = Outcome::Failed;
    else if (QFileInfo(package).isDir())
        r.outcome = Outcome::Done;
    unmount();
    platform::runShellFor(QStringLiteral("chmod 0777 ") + shellArg(m_layout.root) + QLatin1Char('/'),
                          kCommandTimeoutMs);
    for (const FileFailure& f : r.failed)
        qDebug().noquote() << "not transferred:" << f.file << "-" << f.reason;
    return r;
}

namespace {

// True when `dir` exists and lies inside `root` once links are resolved.
bool insideRoot(const QString& dir, const QString& root)
{
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString canonicalDir = QFileInfo(dir).canonicalFilePath();
    return !canonicalRoot.isEmpty() && !canonicalDir.isEmpty() &&
        (canonicalDir == canonicalRoot || canonicalDir.startsWith(canonicalRoot + QLatin1Char('/')));
}

// Creates the folder `dir` below `root`, refusing to create anything when the
// nearest existing folder on its way lies outside the root (a link).
bool prepareFolder(const QString& dir, const QString& root)
{
    QString existing = dir;
    while (!QFileInfo::exists(existing) && existing.size() > 1)
        existing = QFileInfo(existing).path();
    return insideRoot(existing, root) && QDir().mkpath(dir) && insideRoot(dir, root);
}

// Names in `folder` that cannot be represented as text (bytes that are not
// UTF-8): the folder listing leaves them out without a word, so they are
// looked for here to be reported. Shown with U+FFFD for the bad bytes.
QStringList unreadableNames(const QString& folder)
{
    QStringList names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray raw(e->d_name);
        const QString name = QString::fromUtf8(raw);
        if (name.toUtf8() != raw || QFile::encodeName(QFile::decodeName(raw)) != raw)
            names << name;
    }
    ::closedir(dir);
    names.sort();
    return names;
}

const QFileDevice::Permissions kDataFileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
    QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

} // namespace

// Copies the package folder `name` (if the stick has it) into `targetBase`/name.
void SoftwareUpdate::copyFolder(const QString& name, const QString& targetBase, TransferResult& r)
{
    const QFileInfo src(m_layout.stickPackage() + QLatin1Char('/') + name);
    if (!src.exists() && !src.isSymLink())
        return;
    if (src.isSymLink() || !src.isDir()) {
        r.failed << FileFailure{name,
                                src.isSymLink() ? QT_TRANSLATE_NOOP("QObject", "refused: a link")
                                                : QT_TRANSLATE_NOOP("QObject", "refused: not a folder")};
        return;
    }
    copyTree(src.filePath(), safeTarget(targetBase, name), name, m_layout.root, 0, r);
}

void SoftwareUpdate::copyTree(const QString& source, const QString& target, const QString& rel, const QString& base,
                              int depth, TransferResult& r)
{
    const int kMaxDepth = 16;
    if (depth > kMaxDepth) {
        r.failed << FileFailure{rel, QT_TRANSLATE_NOOP("QObject", "refused: folders nested too deep")};
        return;
    }
    if (!prepareFolder(target, base)) {
        r.failed << FileFailure{rel, QT_TRANSLATE_NOOP("QObject", "target folder outside the DDU data")};
        return;
    }
    for (const QString& bad : unreadableNames(source))
        r.failed << FileFailure{rel + QLatin1Char('/') + bad,
                                QT_TRANSLATE_NOOP("QObject", "refused: name not readable")};
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& e : entries) {
        const QString name = rel + QLatin1Char('/') + e.fileName();
        const QString to = safeTarget(target, e.fileName());
        if (to.isEmpty()) {
            r.failed << FileFailure{name, QT_TRANSLATE_NOOP("QObject", "refused: name leads outside")};
        } else if (e.isSymLink()) {
            r.failed << FileFailure{name, QT_TRANSLATE_NOOP("QObject", "refused: a link")};
        } else if (e.isDir()) {
            copyTree(e.filePath(), to, name, base, depth + 1, r);
        } else if (!e.isFile()) {
            r.failed << FileFailure{name, QT_TRANSLATE_NOOP("QObject", "refused: not a file")};
        } else if (const CopyResult c = copyVerified(e.filePath(), to, kDataFileMode, m_open); c.ok) {
            ++r.copied;
        } else {
            r.failed << FileFailure{name, c.reason};
        }
    }
}

// ----------------------------------------------------------------- export

ExportResult SoftwareUpdate::exportFiles(const QList<ExportFile>& files, const QDateTime& now,
                                         const std::function<void(int, qint64)>& progress)
{
    ExportResult r;
    if (!stickPresent()) {
        r.outcome = Outcome::NoStick;
        return r;
    }
    if (!mount("mount ")) {
        r.outcome = Outcome::CannotMount;
        return r;
    }
    r.outcome = Outcome::Done;
    // A new folder each time: an export never replaces an earlier one.
    const QString base = QStringLiteral("ddu_logs/") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(m_layout.mountPoint() + QLatin1Char('/') + folder) && n < 100; ++n)
        folder = base + QLatin1Char('-') + QString::number(n);
    r.folder = folder;
    const QString target = m_layout.mountPoint() + QLatin1Char('/') + folder;
    if (QFileInfo(m_layout.mountPoint() + QStringLiteral("/ddu_logs")).isSymLink() || !QDir().mkpath(target)) {
        r.outcome = Outcome::Failed;
        r.failedFile = folder;
        r.problem = QObject::tr("cannot make the folder");
    }
    for (const ExportFile& f : files) {
        if (r.outcome != Outcome::Done)
            break;
        QString problem;
        const QByteArray bytes = f.make ? f.make(&problem) : QByteArray();
        if (problem.isEmpty() && !platform::saveFile(target + QLatin1Char('/') + f.name, bytes, &problem) &&
            problem.isEmpty())
            problem = QObject::tr("writing the file failed");
        if (!problem.isEmpty()) {
            r.outcome = Outcome::Failed;
            r.failedFile = f.name;
            r.problem = problem;
            break;
        }
        ++r.written;
        r.bytes += bytes.size();
        if (progress)
            progress(r.written, r.bytes);
    }
    ::sync(); // on the stick before it is unmounted and pulled
    unmount();
    logUpdate(QStringLiteral("export"), QString::fromLatin1(platform::programVersion()),
              QString::fromLatin1(platform::programVersion()),
              r.outcome == Outcome::Done ? QStringLiteral("done: %1 files in %2").arg(r.written).arg(r.folder)
                                         : r.failedFile + QStringLiteral(": ") + r.problem);
    return r;
}

// ----------------------------------------------------------------- status texts

QString SoftwareUpdate::statusText(const ProgramResult& r)
{
    switch (r.outcome) {
    case Outcome::NoStick: return QObject::tr("'No Pendrive Found");
    case Outcome::CannotMount: return QObject::tr("Cannot mount the pendrive");
    case Outcome::NotFound: return QObject::tr("'ZAV_DDU_LU' file not found... \nPlease verify");
    case Outcome::Done: return QObject::tr("File 'ZAV_DDU_LU' Transferred to DDU, \nPLEASE RESTART");
    case Outcome::Failed: break;
    }
    return QObject::tr("Update failed: %1\nThe old program is kept").arg(platform::translated(r.reason));
}

QString SoftwareUpdate::statusText(const ExportResult& r)
{
    switch (r.outcome) {
    case Outcome::NoStick: return QObject::tr("NO Pendrive Found");
    case Outcome::CannotMount: return QObject::tr("Cannot mount the pendrive");
    case Outcome::NotFound:
    case Outcome::Done: break;
    case Outcome::Failed: return QObject::tr("Export failed: %1\n%2").arg(r.failedFile, r.problem);
    }
    return QObject::tr("Logs written:\n%1 files, %2 kB in %3")
        .arg(r.written)
        .arg((r.bytes + 1023) / 1024)
        .arg(r.folder);
}

QString SoftwareUpdate::statusText(const TransferResult& r)
{
    switch (r.outcome) {
    case Outcome::NoStick: return QObject::tr("NO Pendrive Found");
    case Outcome::CannotMount: return QObject::tr("Cannot mount the pendrive");
    case Outcome::NotFound: return QObject::tr("Files Not Found on Pendrive !!!");
    case Outcome::Done: return QObject::tr("'Files Transferred to DDU\n%1 files copied").arg(r.copied);
    case Outcome::Failed: break;
    }
    const FileFailure& first = r.failed.first();
    return QObject::tr("File transfer failed: %1 copied,\n%2 not copied, e.g. %3:\n%4")
        .arg(r.copied)
        .arg(r.failed.size())
        .arg(first.file, platform::translated(first.reason));
}

} // namespace update
