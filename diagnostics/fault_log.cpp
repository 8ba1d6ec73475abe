#include "diagnostics/fault_log.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/file_io.h"

namespace {

// No log of one run comes near this (a thousand messages are 340 KB).
constexpr qint64 kMaxLogBytes = 64 * 1024 * 1024;
constexpr int kMaxLogDepth = 16;

const QString kRoot = QStringLiteral("SUBSYSTEM");
const QString kMessage = QStringLiteral("Message");

void addText(QDomDocument& doc, QDomElement& parent, const QString& tag, const QString& text)
{
    QDomElement e = doc.createElement(tag);
    e.appendChild(doc.createTextNode(text));
    parent.appendChild(e);
}

} // namespace

FaultLog::FaultLog(QString path)
    : m_path(std::move(path))
{
}

void FaultLog::startEmpty()
{
    m_doc = QDomDocument();
    m_doc.appendChild(
        m_doc.createProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    m_doc.appendChild(m_doc.createElement(kRoot));
    m_loaded = true;
}

bool FaultLog::reset()
{
    startEmpty();
    return write();
}

// Reads the log once. A missing file is an empty log; an unreadable one is
// set aside and replaced by an empty one.
bool FaultLog::load()
{
    if (m_loaded)
        return true;
    const platform::FileRead file = platform::readRegularFile(m_path, kMaxLogBytes);
    if (file.status == platform::ReadStatus::Missing) {
        startEmpty();
        return true;
    }
    if (file.status == platform::ReadStatus::CannotOpen) {
        qDebug() << "unable to open xml file" << m_path;
        return false;
    }
    // A special file or one beyond any log this run could write is treated
    // as unreadable: set aside, a new log started.
    QDomDocument doc;
    QString why = file.problem;
    if (file.status == platform::ReadStatus::Ok && parse(file.data, doc, &why)) {
        m_doc = doc;
        m_loaded = true;
        return true;
    }
    const QString aside = m_path + unreadableSuffix();
    QFile::remove(aside);
    const bool kept = QFile::rename(m_path, aside);
    qDebug().noquote() << "fault log" << m_path << "could not be read" << QStringLiteral("(%1)").arg(why)
                       << (kept ? QStringLiteral("- kept as %1, a new log is started").arg(aside)
                                : QStringLiteral("- a new log is started"));
    startEmpty();
    return true;
}

bool FaultLog::parse(const QByteArray& data, QDomDocument& doc, QString* problem)
{
    QString error;
    int line = 0;
    // Three levels deep; a deeper document is refused before the tree is
    // built (one nested far enough would hold the window for minutes).
    if (!platform::xmlWithinDepth(data, kMaxLogDepth, &error)) {
        *problem = error;
        return false;
    }
    if (!doc.setContent(data, &error, &line)) {
        *problem = line > 0 ? QStringLiteral("%1, line %2").arg(error).arg(line) : error;
        return false;
    }
    if (doc.documentElement().tagName() != kRoot) {
        *problem = QStringLiteral("no SUBSYSTEM root");
        return false;
    }
    return true;
}

QString FaultLog::readProblem(const QString& path)
{
    const platform::FileRead file = platform::readRegularFile(path, kMaxLogBytes);
    if (file.status != platform::ReadStatus::Ok)
        return file.problem.isEmpty() ? QStringLiteral("cannot be read") : file.problem;
    QDomDocument doc;
    QString why;
    return parse(file.data, doc, &why) ? QString() : why;
}

bool FaultLog::write()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QString reason;
    if (!platform::saveFile(m_path, m_doc.toByteArray(4), &reason)) {
        qDebug().noquote() << "fault log" << m_path << "not written:" << reason;
        return false;
    }
    return true;
}

bool FaultLog::append(const FaultLogEntry& entry)
{
    if (!load())
        return false;
    QDomElement message = m_doc.createElement(kMessage);
    addText(m_doc, message, QStringLiteral("LocoType"), QString::number(entry.locoType));
    addText(m_doc, message, QStringLiteral("SubsystemNo"), entry.subsystem);
    addText(m_doc, message, QStringLiteral("Time"), entry.time);
    addText(m_doc, message, QStringLiteral("FaultCode"), entry.faultCode);
    addText(m_doc, message, QStringLiteral("FaultMessage"),
            entry.lines[0] + QLatin1Char('\n') + entry.lines[1] + QLatin1Char('\n') + entry.lines[2] +
                QLatin1Char('\n') + entry.lines[3]);
    m_doc.documentElement().appendChild(message);
    return write();
}

int FaultLog::count() const
{
    return m_loaded ? m_doc.documentElement().elementsByTagName(kMessage).count() : 0;
}
