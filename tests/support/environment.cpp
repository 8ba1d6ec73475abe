#include "tests/support/environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/support/files.h"

namespace testsupport {

void useRoot(const QString& root, bool ownShellLog)
{
    qputenv("DDU_ROOT", root.toLocal8Bit());
    qputenv("DDU_MVB_DEVICE", "/nonexistent/ttyMVB");
    qputenv("DDU_KEYPAD_DEVICE", "/nonexistent/ttyKEY");
    qputenv("DDU_TOUCH_DEVICE", "/nonexistent/ttyTOUCH");
    if (ownShellLog || qEnvironmentVariableIsEmpty("DDU_SHELL_LOG"))
        qputenv("DDU_SHELL_LOG", QDir(root).filePath(QStringLiteral("shell.log")).toLocal8Bit());
}

TestRoot::TestRoot(bool ownShellLog)
{
    if (m_dir.isValid())
        useRoot(m_dir.path(), ownShellLog);
}

QString TestRoot::shellLog() const
{
    return qEnvironmentVariable("DDU_SHELL_LOG");
}

QString samplePath(const QString& relative)
{
    QString source = qEnvironmentVariable("DDU_SOURCE_DIR");
#ifdef DDU_SOURCE_ROOT
    if (source.isEmpty())
        source = QStringLiteral(DDU_SOURCE_ROOT);
#endif
    return source + QStringLiteral("/data/") + relative;
}

bool TestRoot::copySample(const QString& from, const QString& to) const
{
    QFile in(samplePath(from));
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return writeBytes(filePath(to), in.readAll());
}

} // namespace testsupport
