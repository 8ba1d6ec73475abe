#include "screens/subsystem_messages.h"

#include <QDomDocument>
#include <QFile>

#include "platform/file_io.h"

namespace subsys {

bool matches(const QString& subsystemText, const QString& subsystemNo)
{
    if (subsystemNo == QLatin1String("ALL"))
        return true;
    if (subsystemNo.isEmpty())
        return false;
    // The number anywhere in the text ("SS16 : Speedometer" too), but not as
    // the start of a longer number.
    for (int at = subsystemText.indexOf(subsystemNo); at >= 0; at = subsystemText.indexOf(subsystemNo, at + 1)) {
        const int end = at + subsystemNo.size();
        if (end >= subsystemText.size() || !subsystemText.at(end).isDigit())
            return true;
    }
    return false;
}

MessageList parseMessages(const QByteArray& xml, const QString& subsystemNo)
{
    MessageList list;
    QDomDocument doc(QStringLiteral("MessagesVCU_temp"));
    QString error;
    int line = 0, column = 0;
    // The log is three levels deep; a deeper document is refused before the
    // tree is built (one nested far enough would hold the screen for minutes).
    if (!platform::xmlWithinDepth(xml, kMaxLogDepth, &error)) {
        list.status = Status::Malformed;
        list.problem = error;
        return list;
    }
    if (!doc.setContent(xml, &error, &line, &column)) {
        list.status = Status::Malformed;
        list.problem = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(error);
        return list;
    }
    for (QDomElement m = doc.documentElement().firstChildElement(QStringLiteral("Message")); !m.isNull();
         m = m.nextSiblingElement(QStringLiteral("Message"))) {
        const QDomElement no = m.firstChildElement(QStringLiteral("SubsystemNo"));
        const QString subsystem = no.isNull() ? QString() : no.text();
        if (!matches(subsystem, subsystemNo))
            continue;
        list.messages.append({m.firstChildElement(QStringLiteral("Time")).text(), subsystem,
                              m.firstChildElement(QStringLiteral("FaultCode")).text(),
                              m.firstChildElement(QStringLiteral("FaultMessage")).text()});
    }
    return list;
}

MessageList loadMessages(const QString& path, const QString& subsystemNo)
{
    MessageList list;
    // Read-only (the list never writes the log, and a read-only data root must
    // not stop it), a regular file only, up to the limit.
    const platform::FileRead file = platform::readRegularFile(path, kMaxLogBytes);
    if (file.status == platform::ReadStatus::TooLarge) {
        list.status = Status::TooLarge;
        list.problem = file.problem;
        return list;
    }
    if (file.status != platform::ReadStatus::Ok) {
        list.status = Status::CannotOpen;
        list.problem = file.problem;
        return list;
    }
    return parseMessages(file.data, subsystemNo);
}

} // namespace subsys
