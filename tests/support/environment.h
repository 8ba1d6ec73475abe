#pragma once
// The temporary data root of one test or benchmark program, and the
// environment that points the display at it:
//  - DDU_ROOT is the root (a fresh folder, removed at the end);
//  - the keypad, touch and MVB ports are paths that do not exist, so no port
//    opens unless the program points one at a simulator (SimProcess::usePorts);
//  - shell commands (reboot, mount, date ...) are only logged, in the test
//    run's log or, when none is set (or `ownShellLog`), in the root: nothing a
//    test triggers runs on this machine.

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class TestRoot {
public:
    // Sets the environment; isValid() tells whether the folder was made.
    explicit TestRoot(bool ownShellLog = false);

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }
    // The shell log the commands of this program go to.
    QString shellLog() const;

    // Copies a sample file of the repository (data/<from>) to <root>/<to>,
    // making its folder; false when it could not be read or written.
    bool copySample(const QString& from, const QString& to) const;

private:
    QTemporaryDir m_dir;
};

// The repository's sample file data/<relative> (DDU_SOURCE_DIR, set by the
// test run, or the source tree the program was built from).
QString samplePath(const QString& relative);

// Points the environment at `root` as TestRoot does (for programs that keep
// their own folder).
void useRoot(const QString& root, bool ownShellLog = false);

} // namespace testsupport
