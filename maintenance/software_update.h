#pragma once
// Software update and data transfer from a USB stick: plain logic without
// widgets. The stick is mounted and unmounted through the shell runner; the
// files are copied by the program itself, each one checked before it
// replaces anything:
//
// - every file is written under a temporary name, synced, read back and
//   compared with what was read from the stick (size and SHA-256), and only
//   then renamed into place. A pulled stick, a full disk or a power cut leaves
//   the old file as it was;
// - nothing on the stick reaches a shell: the commands name only the device,
//   the mount point and the data root;
// - links on the stick are refused, and no file is written outside its
//   target folder under the data root.
//
// The data transfer replaces the data files as one set: old set or new set,
// never a mix of both.
//
// 1. Every file of the package is copied as above into the staging folder
//    <root>/.transfer/stage/<its path below the root> (the same disk as its
//    target, so that the switch is a rename).
// 2. Each staged file is read by the program's own reader (transfer_check.h).
//    When one is refused, or one could not be copied, nothing is installed:
//    the staging folder goes.
// 3. The journal <root>/.transfer/commit is written (atomically, synced):
//
//      DDU data transfer 1
//      file/master/DDU.xml              one line per staged file, its path
//      img/rms/led.png                  below the root, percent-encoded
//      end 2                            the number of files
//
//    then every staged file is renamed over its target, the target folders
//    are synced, and the journal and the staging folder are removed.
//
// A power cut before the journal is whole leaves the old set and a staging
// folder that the next start removes; one after it leaves a journal that the
// next start completes (finishInterruptedTransfer: the staged files still
// there are renamed into place).

#include <QDateTime>
#include <QFileDevice>
#include <QIODevice>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace update {

// The program file the unit starts, on the stick and in the data root.
inline constexpr char kProgramName[] = "ZAV_DDU_LU";
// A program larger than this is no program of this unit (a valid header
// padded with gigabytes froze the copy): refused before anything is copied.
inline constexpr qint64 kMaxProgramBytes = 64 * 1024 * 1024;

// Where the update looks and writes. Every path is absolute.
struct Layout {
    QString device; // block device of the stick (or of the SD card)
    QString root;   // data root of the unit

    QString mountPoint() const;       // <root>/file/pendrive
    QString installedProgram() const; // <root>/ZAV_DDU_LU
    QString stickProgram() const;     // <mount point>/ZAV_DDU_LU
    QString stickPackage() const;     // <mount point>/qim_new/zav_new

    // The unit's own: the USB device and data root of the platform layer;
    // with `sdCard`, the SD card's device instead (mounted at the same place).
    static Layout unit(bool sdCard = false);
};

// Opens a file of the stick for reading (tests replace it to play a stick
// that is pulled or ends early). The default opens the file read-only.
using SourceOpener = std::function<std::unique_ptr<QIODevice>(const QString& path)>;
SourceOpener fileOpener();

// Outcome of one checked copy; `reason` is a text marked for translation
// (context "QObject"), nullptr on success.
struct CopyResult {
    bool ok = false;
    const char* reason = nullptr;
};

// Copies `source` to `target` as described above; the new file gets
// `permissions` before it replaces the old one.
// `copiedBytes`, when set, is called with the running total as the copy goes.
// `beforeRename`, when set, runs once the copy is verified, just before it
// replaces the old file; a reason it returns ends the copy there (the old
// file stays), and `afterFailedRename` runs when the rename itself fails.
CopyResult copyVerified(const QString& source, const QString& target, QFileDevice::Permissions permissions,
                        const SourceOpener& open, const std::function<void(qint64)>& copiedBytes = {},
                        const std::function<const char*()>& beforeRename = {},
                        const std::function<void()>& afterFailedRename = {});

// Why the file at `path` cannot be installed as the unit's program, or
// nullptr: it must be an ELF program for the processor the running program
// was built for (class, byte order, machine), with its program headers, its
// segments and its section headers within the file. A program cut short on
// its way to the stick ends before its section headers and is refused here,
// before anything is copied.
const char* programProblem(const QString& path);

// The version a program file carries in its ELF note (platform/
// program_version.h), read without running it; empty when the file has no
// such note (a program of before the notes, or no program of ours).
QString programVersionOf(const QString& path);

// Removes the temporary files a copy leaves when the power goes between its
// write and its rename (".<name>.new-" and six letters or digits, beside the
// file it was to replace) anywhere below the data root `root`, except below
// the stick's mount point and the transfer's folder (its staged files belong
// to finishInterruptedTransfer, which removes whatever is left there); links
// are not followed. Returns how many it removed.
int removeCopyLeftovers(const QString& root);

// The transfer's folder below the data root `root`, its staging folder and
// its journal (see above).
QString transferFolder(const QString& root);
QString stagingFolder(const QString& root);
QString transferJournal(const QString& root);

// Completes or undoes a transfer cut by a power failure, at start before any
// data file is read: with a whole journal, the staged files still there are
// renamed over their targets; without one, the staged files are removed.
// Either way the transfer's folder goes. Returns how many files it renamed
// (journal) or removed (no journal); tells what it did on the debug stream.
int finishInterruptedTransfer(const QString& root);

// `relative` (a path below a target folder, as found on the stick) under
// `base`; empty when it is absolute, empty, or climbs out with "..".
QString safeTarget(const QString& base, const QString& relative);

// `path` as one shell word: unchanged when it holds only characters no shell
// treats specially, else in single quotes.
QString shellArg(const QString& path);

enum class Outcome {
    NoStick,     // no device node: no command run
    CannotMount, // the stick's device is there but mount failed: nothing read
    NotFound,    // nothing to install on the stick
    Done,        // every file installed
    Failed,      // at least one file not installed; see the reasons
};

struct ProgramResult {
    Outcome outcome = Outcome::NotFound;
    const char* reason = nullptr; // why it failed (translation key)
};

// What is on the stick, before the maintainer is asked: `outcome` Done when
// it can be installed; NoStick, CannotMount, NotFound or Failed (with the
// reason) when not.
struct ProgramCheck {
    Outcome outcome = Outcome::NotFound;
    const char* reason = nullptr;
    QString stickVersion;     // empty: the program carries no version
    QString installedVersion; // of the installed program file
    qint64 bytes = 0;
    QDateTime modified; // of the stick's file: tells it from another of the same version and size
};

struct FileFailure {
    QString file;       // below qim_new/zav_new, e.g. "master/DDU.xml"
    const char* reason; // translation key
    QString arg = {};   // fills "%1" of the reason (a line number), when it has one
};

struct TransferResult {
    Outcome outcome = Outcome::NotFound;
    int copied = 0; // files installed
    QList<FileFailure> failed;
    // Failed while switching to the new set (a rename refused after the
    // checks): `copied` files of the set are new, the failed ones old.
    // Otherwise a failed transfer installed nothing.
    bool partly = false;
};

// One file an export writes on the stick: its name and how its bytes are
// made (run on the worker; an empty QByteArray with `problem` set when the
// source cannot be read).
struct ExportFile {
    QString name; // e.g. "fault_history.csv"
    std::function<QByteArray(QString* problem)> make;
};

struct ExportResult {
    Outcome outcome = Outcome::NotFound; // Done: every file written
    QString folder;                      // below the stick's root, e.g. "ddu_logs/20261208-093000"
    int written = 0;
    qint64 bytes = 0;
    QString failedFile; // the first file not written, and why
    QString problem;
};

class SoftwareUpdate {
public:
    explicit SoftwareUpdate(Layout layout = Layout::unit());

    void setSourceOpener(SourceOpener open) { m_open = std::move(open); }
    // Called on the transfer's thread after each file copied into the staging
    // folder, with the files and bytes copied so far.
    void setProgress(std::function<void(int files, qint64 bytes)> f) { m_progress = std::move(f); }
    // Tests: the next transfer stops as a power cut would, with all it wrote
    // left as it is: before the journal (`renames` < 0), or after the journal
    // and that many renames.
    void cutPowerDuringSwitch(int renames) { m_powerCut = renames; }
    const Layout& layout() const { return m_layout; }
    // Called from the thread the work runs on with the bytes of the program
    // copied so far and its size.
    void setProgramProgress(std::function<void(qint64 done, qint64 total)> f) { m_programProgress = std::move(f); }

    bool stickPresent() const;

    // Mounts the stick, checks its program file and reads its version,
    // unmounts it. Installs nothing.
    ProgramCheck checkProgram();

    // Mounts the stick, installs its program file (mode 0777) in place of the
    // installed one, unmounts it. The installed program is kept as the
    // previous one and the new one starts its trial (platform/update_trial.h);
    // the update log gets a line whatever the result. With `expected` set
    // (what checkProgram found before the question), a stick whose program
    // file differs from it in version, size or time (the stick was changed
    // meanwhile) installs nothing.
    ProgramResult updateProgram(const std::optional<ProgramCheck>& expected = std::nullopt);

    // Mounts the stick, installs the folders fault, master, micview (into
    // <root>/file/) and img (into <root>/) of qim_new/zav_new as one set (see
    // above), unmounts it. Touches no widget: may run on a worker thread.
    TransferResult transferData();

    // Mounts the stick, writes `files` into a new folder ddu_logs/<time>
    // on it (each file whole or not at all), unmounts it. `progress` gets the
    // files and bytes written so far.
    ExportResult exportFiles(const QList<ExportFile>& files, const QDateTime& now,
                             const std::function<void(int, qint64)>& progress = {});

    // One line in the update log for a transfer that read the stick (done,
    // refused or incomplete); none for no stick or a failed mount.
    void logTransfer(const TransferResult& r) const;

    // The texts of the status line for a result, translated.
    static QString statusText(const ProgramResult& r);
    static QString statusText(const TransferResult& r);
    static QString statusText(const ExportResult& r);
    // Why a file failed, translated, its line number filled in.
    static QString reasonText(const FileFailure& f);
    // Whether the status line shows the result as an error (red).
    static bool isError(Outcome outcome)
    {
        return outcome == Outcome::NoStick || outcome == Outcome::CannotMount || outcome == Outcome::Failed;
    }

    // The time-outs of the shell commands: a stick that hangs its mount must
    // not hold the update for ever.
    static constexpr int kMountTimeoutMs = 30000;
    static constexpr int kCommandTimeoutMs = 15000;

private:
    // One file of a transfer.
    struct Item {
        QString source; // on the stick
        QString name;   // below qim_new/zav_new, for the reports
        QString target; // below the data root, e.g. "file/master/DDU.xml"
        qint64 size = 0;
    };

    bool mount(const char* command);
    void unmount();
    const char* stickProgramProblem() const;
    ProgramResult installProgram(const QString& fromVersion, const QString& toVersion);
    void logUpdate(const QString& action, const QString& from, const QString& to, const QString& result) const;
    void installPackage(TransferResult& r);
    void planFolder(const QString& name, const QString& targetBase, QList<Item>& plan, TransferResult& r) const;
    void planTree(const QString& source, const QString& target, const QString& name, int depth, QList<Item>& plan,
                  TransferResult& r) const;
    bool stage(const QList<Item>& plan, TransferResult& r);

    Layout m_layout;
    SourceOpener m_open;
    std::function<void(qint64, qint64)> m_programProgress;
    std::function<void(int, qint64)> m_progress;
    int m_powerCut = kNoPowerCut;
    static constexpr int kNoPowerCut = -1000;
};

} // namespace update
