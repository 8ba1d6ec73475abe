#include "maintenance/transfer_check.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "diagnostics/diagnosis_reference.h"
#include "diagnostics/fault_history.h"
#include "diagnostics/fault_log.h"
#include "maintenance/ddu_config.h"
#include "maintenance/driver_details.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/port_list.h"

namespace update {

namespace {

const char* const kMalformedAt = QT_TRANSLATE_NOOP("QObject", "not well-formed XML (line %1)");
const char* const kMalformed = QT_TRANSLATE_NOOP("QObject", "not well-formed XML");
const char* const kEmpty = QT_TRANSLATE_NOOP("QObject", "the file is empty");
const char* const kTooLarge = QT_TRANSLATE_NOOP("QObject", "the file is too large for the DDU");
const char* const kUnreadable = QT_TRANSLATE_NOOP("QObject", "the copy cannot be read back");

// A refusal whose text names the line of `problem` ("line 3, column 1: ...")
// when it names one.
Refusal malformed(const QString& problem)
{
    static const QRegularExpression line(QStringLiteral("line (\\d+)"));
    const QRegularExpressionMatch m = line.match(problem);
    if (m.hasMatch())
        return {kMalformedAt, m.captured(1)};
    return {kMalformed, QString()};
}

// Reads the XML file at `path` to its end as a stream (any size, no tree).
Refusal wellFormed(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {kUnreadable, QString()};
    QXmlStreamReader xml(&f);
    bool content = false; // anything but blanks and the declaration
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType t = xml.readNext();
        if (t != QXmlStreamReader::StartDocument && t != QXmlStreamReader::Invalid &&
            !(t == QXmlStreamReader::Characters && xml.isWhitespace()))
            content = true;
    }
    if (!xml.hasError())
        return {};
    if (!content && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return {kEmpty, QString()};
    if (f.error() != QFileDevice::NoError)
        return {kUnreadable, QString()};
    return {kMalformedAt, QString::number(xml.lineNumber())};
}

// The refusal for a status of the maintenance readers.
Refusal ofStatus(maint::ReadStatus status, const QString& problem)
{
    switch (status) {
    case maint::ReadStatus::Ok: return {};
    case maint::ReadStatus::CannotOpen: return {kUnreadable, QString()};
    case maint::ReadStatus::Empty: return {kEmpty, QString()};
    case maint::ReadStatus::TooLarge: return {kTooLarge, QString()};
    case maint::ReadStatus::Malformed: return malformed(problem);
    }
    return {kUnreadable, QString()};
}

Refusal ofStatus(diagref::Status status, const QString& problem)
{
    switch (status) {
    case diagref::Status::Ok: return {};
    case diagref::Status::CannotOpen: return {kUnreadable, QString()};
    case diagref::Status::TooLarge: return {kTooLarge, QString()};
    case diagref::Status::Malformed: return malformed(problem);
    }
    return {kUnreadable, QString()};
}

Refusal checkConfig(const QString& path)
{
    config::DduConfig cfg; // no cab until the file names one
    if (!config::readConfig(path, cfg))
        return {QT_TRANSLATE_NOOP("QObject", "not a DDU configuration"), QString()};
    if (cfg.cab != 1 && cfg.cab != 2)
        return {QT_TRANSLATE_NOOP("QObject", "the cab is not 1 or 2"), QString()};
    return {};
}

Refusal checkPorts(const QString& path)
{
    const portlist::PortList list = portlist::loadPorts(path);
    if (list.status != maint::ReadStatus::Ok)
        return ofStatus(list.status, list.problem);
    if (list.ports.isEmpty())
        return {QT_TRANSLATE_NOOP("QObject", "the port list names no port"), QString()};
    return {};
}

Refusal checkDescriptor(const QString& path)
{
    const descriptor::Descriptor d = descriptor::loadDescriptor(path);
    return ofStatus(d.status, d.problem);
}

// Whether the reference reads does not depend on the processor asked for
// (only which messages are listed does): one reading tells it for all of
// them, so a file of several megabytes is not read once per processor.
Refusal checkReference(const QString& path)
{
    const diagref::MessageList list = diagref::loadMessages(path, QStringLiteral("FLG1"));
    return ofStatus(list.status, list.problem);
}

Refusal checkSignalSet(const QString& path)
{
    const micview::SetFile set = micview::loadSet(path);
    return ofStatus(set.status, set.problem);
}

Refusal checkDriverDetails(const QString& path)
{
    driver::DriverDetails d;
    if (driver::readFile(path, d) != driver::ReadResult::Read)
        return {QT_TRANSLATE_NOOP("QObject", "not a driver details line"), QString()};
    return {};
}

Refusal checkFaultLog(const QString& path)
{
    if (!FaultLog::readProblem(path).isEmpty())
        return {QT_TRANSLATE_NOOP("QObject", "not a fault log of the DDU"), QString()};
    return {};
}

Refusal checkFaultHistory(const QString& path)
{
    if (!FaultHistory::readProblem(path).isEmpty())
        return {QT_TRANSLATE_NOOP("QObject", "not a fault history of the DDU"), QString()};
    return {};
}

// The window loads its pictures with QPixmap, which goes by the bytes when
// the name's suffix misleads; the same is done here, and the picture is
// decoded whole (a file cut short on its way to the stick fails there).
Refusal checkImage(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    const bool known = format == "png" || format == "jpeg" || format == "jpg" || format == "bmp";
    if (!known || !reader.canRead())
        return {QT_TRANSLATE_NOOP("QObject", "not a PNG, JPEG or BMP image"), QString()};
    if (reader.read().isNull())
        return {QT_TRANSLATE_NOOP("QObject", "the image is damaged"), QString()};
    return {};
}

} // namespace

Refusal checkDataFile(const QString& path, const QString& relative)
{
    const QStringList parts = relative.split(QLatin1Char('/'));
    if (parts.first() == QLatin1String("img"))
        return checkImage(path);
    // Only files directly in the folders below file/ are the program's own.
    const QString folder = parts.size() == 3 && parts[0] == QLatin1String("file") ? parts[1] : QString();
    const QString& name = parts.last();
    if (folder == QLatin1String("fault") && name == QLatin1String("Driver_Details"))
        return checkDriverDetails(path);
    if (!name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
        return {};
    if (Refusal r = wellFormed(path))
        return r;
    if (!name.endsWith(QLatin1String(".xml")))
        return {}; // "X.XML": no name the program opens
    if (folder == QLatin1String("master")) {
        if (name == QLatin1String("DDU.xml"))
            return checkConfig(path);
        if (name == QLatin1String("zav_port.xml"))
            return checkPorts(path);
        if (name == QLatin1String("zav_descriptor.xml"))
            return checkDescriptor(path);
        if (name == QLatin1String("zav_DDSMessages_details.xml"))
            return checkReference(path);
    } else if (folder == QLatin1String("micview")) {
        return checkSignalSet(path);
    } else if (folder == QLatin1String("fault")) {
        return name == QLatin1String("fault_history.xml") ? checkFaultHistory(path) : checkFaultLog(path);
    }
    return {};
}

} // namespace update
