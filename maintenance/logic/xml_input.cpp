#include "maintenance/logic/xml_input.h"

#include <QFile>
#include <QXmlStreamReader>

#include "platform/file_io.h"

namespace maint {

FileBytes readWhole(const QString& path, qint64 maxBytes)
{
    FileBytes out;
    // A regular file only: a FIFO or device in its place is never opened.
    platform::FileRead file = platform::readRegularFile(path, maxBytes);
    out.problem = file.problem;
    if (file.status == platform::ReadStatus::TooLarge) {
        out.status = ReadStatus::TooLarge;
    } else if (file.status != platform::ReadStatus::Ok) {
        out.status = ReadStatus::CannotOpen;
    } else if ((out.data = std::move(file.data)).trimmed().isEmpty()) {
        out.status = ReadStatus::Empty;
        out.problem = QStringLiteral("the file is empty");
    }
    return out;
}

QString finishReading(QXmlStreamReader& xml)
{
    while (!xml.atEnd())
        xml.readNext();
    if (!xml.hasError())
        return QString();
    return QStringLiteral("line %1, column %2: %3")
        .arg(xml.lineNumber())
        .arg(xml.columnNumber())
        .arg(xml.errorString());
}

int countElements(const QByteArray& data, const QString& name, QString* problem)
{
    QXmlStreamReader xml(data);
    int count = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == name)
            ++count;
    }
    const QString trouble = finishReading(xml);
    if (!trouble.isEmpty()) {
        if (problem)
            *problem = trouble;
        return -1;
    }
    return count;
}

} // namespace maint
