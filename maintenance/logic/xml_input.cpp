#include "maintenance/logic/xml_input.h"

#include <QFile>
#include <QXmlStreamReader>

namespace maint {

FileBytes readWhole(const QString& path, qint64 maxBytes)
{
    FileBytes out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out.status = ReadStatus::CannotOpen;
        out.problem = file.errorString();
        return out;
    }
    out.data = file.read(maxBytes + 1);
    if (out.data.size() > maxBytes) {
        out.data.clear();
        out.status = ReadStatus::TooLarge;
        out.problem = QStringLiteral("more than %1 bytes").arg(maxBytes);
    } else if (out.data.trimmed().isEmpty()) {
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
