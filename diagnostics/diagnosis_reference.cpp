#include "diagnostics/diagnosis_reference.h"

#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>

#include "platform/file_io.h"

namespace diagref {

const QString kMissing = QStringLiteral("-");

namespace {

const QLatin1String kMessageTag("A_WAP_DDS");
const QLatin1String kProcessorTag("ProcessorName");
const QLatin1String kNumberTag("STNR");
const QLatin1String kTextTag("R_TEXT"); // matched anywhere in the tag name

// Children copied into a column as they stand.
struct FieldTag {
    QLatin1String tag;
    Column column;
};
const FieldTag kFieldTags[] = {
    {QLatin1String("SUB"), Subsystem},   {QLatin1String("SIGNALNAME"), Signal}, {QLatin1String("SYMPTOME"), Symptoms},
    {QLatin1String("URSACHEN"), Causes}, {QLatin1String("BEMERKUNG"), Remarks}, {QLatin1String("Zi"), Zi},
};

// Each line trimmed, empty lines dropped, line breaks kept.
QString tidy(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            lines << t;
    }
    return lines.join(QLatin1Char('\n'));
}

// What one A_WAP_DDS element supplies.
struct Fields {
    bool hasProcessor = false;
    QString processor;
    QString number;
    QString text;
    std::array<QString, ColumnCount> cells;
};

// Reads the children of the A_WAP_DDS element the reader stands on, up to
// its end tag. Errors are left in the reader.
Fields readMessage(QXmlStreamReader& xml)
{
    Fields f;
    while (xml.readNextStartElement()) {
        const QString tag = xml.name().toString();
        const QString value = tidy(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        if (xml.hasError())
            return f;
        if (tag == kProcessorTag) {
            if (!f.hasProcessor) {
                f.hasProcessor = true;
                f.processor = value;
            }
        } else if (tag == kNumberTag) {
            f.number = value;
        } else if (tag.contains(kTextTag)) {
            f.text = value;
        } else {
            for (const FieldTag& t : kFieldTags)
                if (tag == t.tag)
                    f.cells[size_t(t.column)] = value;
        }
    }
    return f;
}

Message toMessage(Fields&& f, int running)
{
    Message m;
    m.cells = std::move(f.cells);
    m.cells[SlNo] = QString::number(running);
    m.cells[Processor] = f.processor;
    if (!f.text.isEmpty())
        m.cells[MessageText] = messageColumn(f.number.isEmpty() ? kMissing : f.number, f.text);
    for (int c = Subsystem; c < ColumnCount; ++c)
        if (m.cells[size_t(c)].isEmpty())
            m.cells[size_t(c)] = kMissing;
    m.number = f.number;
    return m;
}

MessageList failed(Status status, const QString& problem)
{
    MessageList list;
    list.status = status;
    list.problem = problem;
    return list;
}

} // namespace

QString messageColumn(const QString& number, const QString& text)
{
    return QStringLiteral("   ") + number + QStringLiteral(": ") + text;
}

MessageList parseMessages(const QByteArray& data, const QString& processor)
{
    if (data.size() > kMaxFileBytes)
        return failed(Status::TooLarge, QStringLiteral("%1 bytes, more than %2").arg(data.size()).arg(kMaxFileBytes));

    MessageList list;
    QXmlStreamReader xml(data);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() != kMessageTag) {
                xml.skipCurrentElement();
                continue;
            }
            Fields f = readMessage(xml);
            if (xml.hasError() || !f.hasProcessor || f.processor != processor)
                continue;
            if (list.messages.size() == kMaxMessages) {
                list.truncated = true;
                continue;
            }
            list.messages.append(toMessage(std::move(f), list.messages.size() + 1));
        }
    }
    // Read to the end, so that anything after the root element counts too.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        return failed(Status::Malformed,
                      QStringLiteral("line %1, column %2: %3")
                          .arg(xml.lineNumber())
                          .arg(xml.columnNumber())
                          .arg(xml.errorString()));
    return list;
}

MessageList loadMessages(const QString& path, const QString& processor)
{
    // A regular file, read whole up to the limit (a FIFO or device in its
    // place is never opened: reading one can block for ever).
    const platform::FileRead file = platform::readRegularFile(path, kMaxFileBytes);
    if (file.status == platform::ReadStatus::TooLarge)
        return failed(Status::TooLarge, file.problem);
    if (file.status != platform::ReadStatus::Ok)
        return failed(Status::CannotOpen, file.problem);
    return parseMessages(file.data, processor);
}

} // namespace diagref
