#include "platform/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTextStream>
#include <QThread>

#include <csignal>

#include <unistd.h>

namespace platform {

namespace {
const QString kBoardRoot = QStringLiteral("/home/qim");
QMutex shellLogMutex;
} // namespace

QString dataRoot()
{
    const QString root = QString::fromLocal8Bit(qgetenv("DDU_ROOT"));
    if (root.isEmpty())
        return kBoardRoot;
    return QDir::cleanPath(root);
}

QString dataPath(const QString& relative)
{
    QString rel = relative;
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    return dataRoot() + QLatin1Char('/') + rel;
}

QString mapBoardPath(const QString& boardPath)
{
    if (boardPath == kBoardRoot)
        return dataRoot();
    if (boardPath.startsWith(kBoardRoot + QLatin1Char('/')))
        return dataPath(boardPath.mid(kBoardRoot.size() + 1));
    return boardPath;
}

bool shellIsLogged()
{
    return !qgetenv("DDU_SHELL_LOG").isEmpty();
}

namespace {

void logShellLine(const QString& logFile, const QString& commandLine)
{
    QMutexLocker lock(&shellLogMutex);
    QFile f(logFile);
    if (f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        QTextStream out(&f);
        out << commandLine << '\n';
    }
}

bool lineStartsWithEnv(const QString& commandLine, const char* variable)
{
    const QString prefix = QString::fromLocal8Bit(qgetenv(variable));
    return !prefix.isEmpty() && commandLine.startsWith(prefix);
}

} // namespace

int runShell(const QString& commandLine)
{
    const QString logFile = QString::fromLocal8Bit(qgetenv("DDU_SHELL_LOG"));
    if (!logFile.isEmpty()) {
        logShellLine(logFile, commandLine);
        return lineStartsWithEnv(commandLine, "DDU_SHELL_FAIL") ? 1 : 0;
    }
    return QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
}

int runShellFor(const QString& commandLine, int timeoutMs)
{
    bool overridden = false;
    const int forced = qEnvironmentVariableIntValue("DDU_SHELL_TIMEOUT_MS", &overridden);
    if (overridden && forced > 0)
        timeoutMs = forced;
    const QString logFile = QString::fromLocal8Bit(qgetenv("DDU_SHELL_LOG"));
    if (!logFile.isEmpty()) {
        logShellLine(logFile, commandLine);
        if (lineStartsWithEnv(commandLine, "DDU_SHELL_HANG")) {
            QThread::msleep(static_cast<unsigned long>(timeoutMs));
            return kShellTimedOut;
        }
        return lineStartsWithEnv(commandLine, "DDU_SHELL_FAIL") ? 1 : 0;
    }
    QProcess p;
    // The shell leads a process group of its own, so that a time-out ends
    // the command it started as well (a shell that does not hand itself
    // over to its last command would otherwise leave the mount running).
    p.setChildProcessModifier([] { ::setsid(); });
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
    if (!p.waitForStarted())
        return -1;
    if (!p.waitForFinished(timeoutMs)) {
        const qint64 group = p.processId();
        if (group > 0)
            ::kill(pid_t(-group), SIGKILL);
        p.kill();
        p.waitForFinished(1000);
        return kShellTimedOut;
    }
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace platform
