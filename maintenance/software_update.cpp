#include "maintenance/software_update.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QUrl>

#include <mutex>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "maintenance/transfer_check.h"
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

// The stick's mount point is one for every job: an update, a transfer and an
// export (each on a worker of its own) take their turns, so that no job
// mounts over another's medium or unmounts it under another.
std::mutex& stickInUse()
{
    static std::mutex m;
    return m;
}

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
                        const SourceOpener& open, const std::function<void(qint64)>& copiedBytes,
                        const std::function<const char*()>& beforeRename,
                        const std::function<void()>& afterFailedRename)
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
    if (!r.reason && beforeRename)
        r.reason = beforeRename();
    if (r.reason)
        return r; // the temporary file goes, the old file stays
    tmp.close();
    if (::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        r.reason = QT_TRANSLATE_NOOP("QObject", "cannot replace the old file");
        if (afterFailedRename)
            afterFailedRename();
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
    // Nor the transfer's: finishInterruptedTransfer completes or removes what
    // it holds, and a staged file must not go before its journal is done.
    const QString transfer = transferFolder(root);
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
                const QString dir = QDir::cleanPath(e.filePath());
                if (f.depth < 17 && dir != mount && dir != transfer)
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
    const std::lock_guard<std::mutex> turn(stickInUse());
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
        c.modified = src.lastModified();
    }
    unmount();
    return c;
}

ProgramResult SoftwareUpdate::updateProgram(const std::optional<ProgramCheck>& expected)
{
    const std::lock_guard<std::mutex> turn(stickInUse());
    if (!stickPresent())
        return {Outcome::NoStick, nullptr};
    if (!mount("mount  "))
        return {Outcome::CannotMount, nullptr}; // not "file not found": the stick was never read
    const QFileInfo src(m_layout.stickProgram());
    const QString from = programVersionOf(m_layout.installedProgram());
    const QString to = src.exists() ? programVersionOf(src.filePath()) : QString();
    ProgramResult r{Outcome::NotFound, nullptr};
    if (src.exists() || src.isSymLink()) {
        if (expected &&
            (expected->stickVersion != to || expected->bytes != src.size() || expected->modified != src.lastModified()))
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
    const QString source = m_layout.stickProgram();
    const qint64 total = QFileInfo(source).size();
    std::function<void(qint64)> progress;
    if (m_programProgress)
        progress = [this, total](qint64 done) { m_programProgress(done, total); };
    // Only once the new program is copied and verified beside the installed
    // one: the installed program becomes the previous one, and the trial is
    // written (and its folder synced), so that the new program never runs
    // without a way back. An installed program still on trial has not shown
    // that it works: the program kept before it stays the previous one, and
    // the new trial goes back to that version (its tries counted afresh).
    const std::optional<platform::Trial> unproven = platform::runningTrial(trial);
    const QByteArray trialBefore = unproven ? platform::readRegularFile(trial.trial(), 64 * 1024).data : QByteArray();
    const auto prepare = [&]() -> const char* {
        if (!unproven && !keepPrevious(m_layout.installedProgram(), trial.previousProgram()))
            return QT_TRANSLATE_NOOP("QObject", "cannot keep the old program");
        QString why;
        if (!platform::startTrial(trial, unproven ? unproven->from : fromVersion, toVersion,
                                  QDateTime::currentDateTime(), &why)) {
            qWarning().noquote() << "trial of the new program not written, nothing installed:" << why;
            return QT_TRANSLATE_NOOP("QObject", "cannot write on the DDU");
        }
        syncDirectory(QFileInfo(trial.trial()).absolutePath());
        return nullptr;
    };
    // The program was not replaced: the trial as it was.
    const auto undo = [&] {
        if (unproven)
            platform::saveFile(trial.trial(), trialBefore);
        else
            platform::endTrial(trial);
    };
    const CopyResult c = copyVerified(source, m_layout.installedProgram(), all, m_open, progress, prepare, undo);
    if (!c.ok)
        return {Outcome::Failed, c.reason};
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

QString transferFolder(const QString& root)
{
    return QDir::cleanPath(root) + QStringLiteral("/.transfer");
}

QString stagingFolder(const QString& root)
{
    return transferFolder(root) + QStringLiteral("/stage");
}

QString transferJournal(const QString& root)
{
    return transferFolder(root) + QStringLiteral("/commit");
}

namespace {

const char* const kPackage = "qim_new/zav_new";
const QByteArray kJournalHeader = QByteArrayLiteral("DDU data transfer 1");
// No journal of a transfer comes near this (a path a line).
constexpr qint64 kMaxJournalBytes = 16 * 1024 * 1024;

bool existsOrLink(const QString& path)
{
    const QFileInfo f(path);
    return f.exists() || f.isSymLink();
}

// True when `dir` exists and lies inside `root` once links are resolved.
bool insideRoot(const QString& dir, const QString& root)
{
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    const QString canonicalDir = QFileInfo(dir).canonicalFilePath();
    return !canonicalRoot.isEmpty() && !canonicalDir.isEmpty() &&
        (canonicalDir == canonicalRoot || canonicalDir.startsWith(canonicalRoot + QLatin1Char('/')));
}

// The nearest entry on the way to `dir` that exists, `dir` itself when it
// does (a link that leads nowhere counts: nothing can be made in its place).
QString nearestExisting(const QString& dir)
{
    QString existing = dir;
    while (!existsOrLink(existing) && existing.size() > 1)
        existing = QFileInfo(existing).path();
    return existing;
}

bool sameDisk(const QString& a, const QString& b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0 &&
        sa.st_dev == sb.st_dev;
}

// Why the folder `dir` below `root` cannot take the files of a transfer, or
// nullptr: the nearest existing folder on its way must be a folder inside the
// root (not a link leading out of it) on the root's disk, where a rename from
// the staging folder is possible. Nothing is created.
const char* folderProblem(const QString& dir, const QString& root)
{
    const QString existing = nearestExisting(dir);
    if (!insideRoot(existing, root) || !QFileInfo(existing).isDir())
        return QT_TRANSLATE_NOOP("QObject", "target folder outside the DDU data");
    if (!sameDisk(existing, root))
        return QT_TRANSLATE_NOOP("QObject", "target folder on another disk");
    return nullptr;
}

// Creates the folder `dir` below `root`, refusing to create anything when the
// nearest existing folder on its way lies outside the root (a link).
bool prepareFolder(const QString& dir, const QString& root)
{
    return insideRoot(nearestExisting(dir), root) && QDir().mkpath(dir) && insideRoot(dir, root);
}

// Removes `path` and, when it is a folder (not a link to one), everything in
// it; links are removed, never followed. Returns how many files (and links)
// went.
int removeTree(const QString& path)
{
    const QFileInfo f(path);
    if (f.isSymLink() || !f.isDir())
        return QFile::remove(path) ? 1 : 0;
    int removed = 0;
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : entries)
        removed += removeTree(e.filePath());
    QDir().rmdir(path);
    return removed;
}

// Syncs `dir` and every folder below it (not following links): the entries
// of files and folders made there survive a power cut.
void syncTree(const QString& dir)
{
    const QFileInfoList folders = QDir(dir).entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& f : folders)
        if (!f.isSymLink())
            syncTree(f.filePath());
    syncDirectory(dir);
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

// ----- the journal

QByteArray journalText(const QStringList& targets)
{
    QByteArray text = kJournalHeader + '\n';
    for (const QString& t : targets)
        text += QUrl::toPercentEncoding(t, QByteArrayLiteral("/")) + '\n';
    return text + "end " + QByteArray::number(targets.size()) + '\n';
}

// Writes the journal atomically and durably: a temporary file, synced,
// renamed, the folder synced. (Not platform::saveFile: the transfer runs on
// a thread of its own, and that one shares a test switch with the window.)
bool writeJournal(const QString& path, const QStringList& targets)
{
    const QByteArray text = journalText(targets);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.flush() || ::fsync(f.handle()) != 0 ||
        !f.commit())
        return false;
    syncDirectory(QFileInfo(path).path());
    return true;
}

// The files a journal lists (paths below the root); false for anything this
// program did not write: a wrong header or count, an empty or absolute path,
// one that climbs with "..", or one outside file/ and img/.
bool readJournal(const QString& path, QStringList* targets)
{
    const platform::FileRead file = platform::readRegularFile(path, kMaxJournalBytes);
    if (file.status != platform::ReadStatus::Ok || !file.data.endsWith('\n'))
        return false;
    QList<QByteArray> lines = file.data.split('\n');
    lines.removeLast(); // after the last line end
    if (lines.size() < 2 || lines.first() != kJournalHeader ||
        lines.last() != "end " + QByteArray::number(lines.size() - 2))
        return false;
    for (int i = 1; i + 1 < lines.size(); ++i) {
        const QString target = QUrl::fromPercentEncoding(lines[i]);
        const QString first = target.section(QLatin1Char('/'), 0, 0);
        if (safeTarget(QStringLiteral("/"), target).isEmpty() || QDir::cleanPath(target) != target ||
            (first != QLatin1String("file") && first != QLatin1String("img")))
            return false;
        targets->append(target);
    }
    return true;
}

// ----- the switch

struct Switch {
    int renamed = 0;
    QStringList failed; // targets not replaced
    bool cut = false;   // stopped as by a power cut (tests)
};

// Renames every staged file of `targets` still in the staging folder over its
// target below `root` (making its folder), then syncs the folders renamed
// into. A staged file that is gone was renamed before. `stopAfter` >= 0
// stops after that many renames as a power cut would (tests).
Switch switchStaged(const QString& root, const QStringList& targets, int stopAfter)
{
    Switch s;
    const QString stage = stagingFolder(root);
    QStringList folders;
    for (const QString& target : targets) {
        if (stopAfter >= 0 && s.renamed == stopAfter) {
            s.cut = true;
            return s;
        }
        const QString from = stage + QLatin1Char('/') + target;
        if (!existsOrLink(from))
            continue;
        const QString to = QDir::cleanPath(root) + QLatin1Char('/') + target;
        const QString folder = QFileInfo(to).path();
        if (!prepareFolder(folder, root) ||
            ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
            s.failed << target;
            continue;
        }
        ++s.renamed;
        // The folder renamed into, and those made on the way to it.
        const QString top = QDir::cleanPath(root);
        for (QString f = folder; f.size() > top.size() && !folders.contains(f); f = QFileInfo(f).path())
            folders << f;
    }
    if (stopAfter >= 0 && s.renamed == stopAfter) {
        s.cut = true; // after the last rename, before the journal goes
        return s;
    }
    for (const QString& folder : folders)
        syncDirectory(folder);
    if (!folders.isEmpty())
        syncDirectory(root);
    return s;
}

// Ends a switch: the journal goes first (from then on the next start has
// nothing to complete), then the staging folder.
void closeTransfer(const QString& root)
{
    QFile::remove(transferJournal(root));
    syncDirectory(transferFolder(root));
    removeTree(transferFolder(root));
}

} // namespace

int finishInterruptedTransfer(const QString& root)
{
    const QString folder = transferFolder(root);
    const QFileInfo f(folder);
    if (!f.exists() && !f.isSymLink())
        return 0;
    if (f.isSymLink() || !f.isDir()) { // never ours: removed, not followed
        QFile::remove(folder);
        qDebug().noquote() << "removed" << folder << "(not a folder of the data transfer)";
        return 0;
    }
    const QString journal = transferJournal(root);
    if (!existsOrLink(journal)) {
        const int removed = removeTree(folder);
        qDebug().noquote() << "removed" << removed
                           << "staged file(s) of a data transfer cut before its switch; the old files stay";
        return removed;
    }
    QStringList targets;
    if (!readJournal(journal, &targets)) {
        const int removed = removeTree(folder);
        qDebug().noquote() << "the journal of an interrupted data transfer cannot be read; removed" << removed
                           << "staged file(s)";
        return removed;
    }
    const Switch s = switchStaged(root, targets, -1);
    closeTransfer(root);
    qDebug().noquote() << "completed an interrupted data transfer:" << s.renamed << "file(s) renamed into place,"
                       << targets.size() << "in its journal";
    for (const QString& t : s.failed)
        qDebug().noquote() << "not installed:" << t;
    return s.renamed;
}

TransferResult SoftwareUpdate::transferData()
{
    const std::lock_guard<std::mutex> turn(stickInUse());
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
        r.failed << FileFailure{QLatin1String(kPackage), QT_TRANSLATE_NOOP("QObject", "refused: a link")};
    } else if (QFileInfo(package).isDir()) {
        installPackage(r);
    }
    if (!r.failed.isEmpty())
        r.outcome = Outcome::Failed;
    else if (QFileInfo(package).isDir() && r.copied > 0)
        r.outcome = Outcome::Done; // an empty package is no transfer: "not found"

    unmount();
    platform::runShellFor(QStringLiteral("chmod 0777 ") + shellArg(m_layout.root) + QLatin1Char('/'),
                          kCommandTimeoutMs);
    for (const FileFailure& f : r.failed) {
        const QString reason = QString::fromLatin1(f.reason);
        qDebug().noquote() << "not transferred:" << f.file << "-"
                           << (f.arg.isEmpty() || !reason.contains(QLatin1String("%1")) ? reason : reason.arg(f.arg));
    }
    return r;
}

void SoftwareUpdate::installPackage(TransferResult& r)
{
    const QString root = m_layout.root;
    // A transfer cut earlier and not completed at start (it is, normally):
    // its set is completed or dropped before this one is staged.
    finishInterruptedTransfer(root);

    QList<Item> plan;
    planFolder(QStringLiteral("fault"), QStringLiteral("file"), plan, r);
    planFolder(QStringLiteral("master"), QStringLiteral("file"), plan, r);
    planFolder(QStringLiteral("micview"), QStringLiteral("file"), plan, r);
    planFolder(QStringLiteral("img"), QString(), plan, r);
    if (!r.failed.isEmpty() || plan.isEmpty())
        return; // refused before anything was copied, or nothing to copy

    const bool staged = stage(plan, r);
    const QString stageFolder = stagingFolder(root);
    if (staged) {
        for (const Item& item : plan)
            if (const Refusal refused = checkDataFile(stageFolder + QLatin1Char('/') + item.target, item.target))
                r.failed << FileFailure{item.name, refused.reason, refused.arg};
    }
    const bool cutBeforeJournal = m_powerCut != kNoPowerCut && m_powerCut < 0;
    if (!staged || !r.failed.isEmpty() || cutBeforeJournal) {
        if (cutBeforeJournal && r.failed.isEmpty())
            r.failed << FileFailure{QLatin1String(kPackage), QT_TRANSLATE_NOOP("QObject", "copy incomplete")};
        else
            removeTree(transferFolder(root)); // nothing installed
        return;
    }

    QStringList targets;
    for (const Item& item : plan)
        targets << item.target;
    // Every staged file must be found after a power cut once the journal
    // names it: the folders made for them are synced first.
    syncTree(transferFolder(root));
    syncDirectory(root);
    if (!writeJournal(transferJournal(root), targets)) {
        removeTree(transferFolder(root));
        r.failed << FileFailure{QLatin1String(kPackage), QT_TRANSLATE_NOOP("QObject", "cannot write on the DDU")};
        return;
    }
    const Switch s = switchStaged(root, targets, m_powerCut == kNoPowerCut ? -1 : m_powerCut);
    if (s.cut) {
        r.failed << FileFailure{QLatin1String(kPackage), QT_TRANSLATE_NOOP("QObject", "copy incomplete")};
        return; // journal and staged files left as the power failing would
    }
    closeTransfer(root);
    r.copied = s.renamed;
    for (const Item& item : plan)
        if (s.failed.contains(item.target))
            r.failed << FileFailure{item.name, QT_TRANSLATE_NOOP("QObject", "cannot replace the old file")};
    r.partly = !r.failed.isEmpty();
}

// Lists the files of the package folder `name` (if the stick has it), to go
// into `targetBase`/name below the root.
void SoftwareUpdate::planFolder(const QString& name, const QString& targetBase, QList<Item>& plan,
                                TransferResult& r) const
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
    planTree(src.filePath(), targetBase.isEmpty() ? name : targetBase + QLatin1Char('/') + name, name, 0, plan, r);
}

// `target` and the targets listed are paths below the root; every refusal is
// collected, so that one look at the stick tells all that is wrong on it.
void SoftwareUpdate::planTree(const QString& source, const QString& target, const QString& name, int depth,
                              QList<Item>& plan, TransferResult& r) const
{
    const int kMaxDepth = 16;
    if (depth > kMaxDepth) {
        r.failed << FileFailure{name, QT_TRANSLATE_NOOP("QObject", "refused: folders nested too deep")};
        return;
    }
    const QString root = QDir::cleanPath(m_layout.root);
    if (const char* problem = folderProblem(root + QLatin1Char('/') + target, root)) {
        r.failed << FileFailure{name, problem};
        return;
    }
    for (const QString& bad : unreadableNames(source))
        r.failed << FileFailure{name + QLatin1Char('/') + bad,
                                QT_TRANSLATE_NOOP("QObject", "refused: name not readable")};
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& e : entries) {
        const QString entry = name + QLatin1Char('/') + e.fileName();
        const QString to = safeTarget(target, e.fileName());
        if (to.isEmpty()) {
            r.failed << FileFailure{entry, QT_TRANSLATE_NOOP("QObject", "refused: name leads outside")};
        } else if (e.isSymLink()) {
            r.failed << FileFailure{entry, QT_TRANSLATE_NOOP("QObject", "refused: a link")};
        } else if (e.isDir()) {
            planTree(e.filePath(), to, entry, depth + 1, plan, r);
        } else if (!e.isFile()) {
            r.failed << FileFailure{entry, QT_TRANSLATE_NOOP("QObject", "refused: not a file")};
        } else if (const QFileInfo old(root + QLatin1Char('/') + to); old.isDir() && !old.isSymLink()) {
            r.failed << FileFailure{entry, QT_TRANSLATE_NOOP("QObject", "cannot replace the old file")};
        } else {
            plan << Item{e.filePath(), entry, to, e.size()};
        }
    }
}

void SoftwareUpdate::logTransfer(const TransferResult& r) const
{
    if (r.outcome == Outcome::NoStick || r.outcome == Outcome::CannotMount)
        return;
    const QString version = QString::fromLatin1(platform::programVersion());
    QString result;
    if (r.outcome == Outcome::Done)
        result = QStringLiteral("done: %1 files").arg(r.copied);
    else if (r.outcome == Outcome::NotFound)
        result = QStringLiteral("nothing on the stick");
    else if (!r.failed.isEmpty()) {
        const FileFailure& f = r.failed.first();
        QString why = QString::fromUtf8(f.reason);
        if (why.contains(QLatin1String("%1")))
            why = why.arg(f.arg);
        result = QStringLiteral("%1: %2: %3")
                     .arg(r.partly ? QStringLiteral("incomplete") : QStringLiteral("refused"), f.file, why);
    }
    logUpdate(QStringLiteral("transfer"), version, version, result);
}

// ----------------------------------------------------------------- export

ExportResult SoftwareUpdate::exportFiles(const QList<ExportFile>& files, const QDateTime& now,
                                         const std::function<void(int, qint64)>& progress)
{
    const std::lock_guard<std::mutex> turn(stickInUse());
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

// Copies every file of `plan` into the staging folder, each checked; stops at
// the first that fails (nothing will be installed then).
bool SoftwareUpdate::stage(const QList<Item>& plan, TransferResult& r)
{
    const QString root = m_layout.root;
    qint64 total = 0;
    for (const Item& item : plan)
        total += item.size;
    const QStorageInfo disk(root);
    if (disk.isValid() && disk.bytesAvailable() < total) {
        r.failed << FileFailure{QLatin1String(kPackage), QT_TRANSLATE_NOOP("QObject", "not enough space on the DDU")};
        return false;
    }
    removeTree(transferFolder(root)); // (finishInterruptedTransfer left none)
    const QString stageFolder = stagingFolder(root);
    int files = 0;
    qint64 bytes = 0;
    for (const Item& item : plan) {
        const QString to = stageFolder + QLatin1Char('/') + item.target;
        if (!QDir().mkpath(QFileInfo(to).path())) {
            r.failed << FileFailure{item.name, QT_TRANSLATE_NOOP("QObject", "cannot write on the DDU")};
            return false;
        }
        const CopyResult c = copyVerified(item.source, to, kDataFileMode, m_open);
        if (!c.ok) {
            r.failed << FileFailure{item.name, c.reason};
            return false;
        }
        ++files;
        bytes += QFileInfo(to).size();
        if (m_progress)
            m_progress(files, bytes);
    }
    return true;
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

QString SoftwareUpdate::reasonText(const FileFailure& f)
{
    const QString text = platform::translated(f.reason);
    return f.arg.isEmpty() || !text.contains(QLatin1String("%1")) ? text : text.arg(f.arg);
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
    // Three short lines: what happened, the file, why.
    const FileFailure& first = r.failed.first();
    if (r.partly)
        return QObject::tr("Transfer incomplete: %1 replaced,\n%2 not, e.g. %3:\n%4")
            .arg(r.copied)
            .arg(r.failed.size())
            .arg(first.file, reasonText(first));
    if (r.failed.size() == 1)
        return QObject::tr("Nothing installed, the old files stay:\n%1\n%2").arg(first.file, reasonText(first));
    return QObject::tr("Nothing installed: %1 files refused, e.g.\n%2\n%3")
        .arg(r.failed.size())
        .arg(first.file, reasonText(first));
}

} // namespace update
