#include "platform/platform.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QTextStream>

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

int runShell(const QString& commandLine)
{
    const QString logFile = QString::fromLocal8Bit(qgetenv("DDU_SHELL_LOG"));
    if (!logFile.isEmpty()) {
        QMutexLocker lock(&shellLogMutex);
        QFile f(logFile);
        if (f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            QTextStream out(&f);
            out << commandLine << '\n';
        }
        const QString failing = QString::fromLocal8Bit(qgetenv("DDU_SHELL_FAIL"));
        return !failing.isEmpty() && commandLine.startsWith(failing) ? 1 : 0;
    }
    return QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
}

} // namespace platform
