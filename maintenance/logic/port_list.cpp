#include "maintenance/logic/port_list.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <algorithm>

namespace portlist {

namespace {

struct Fields {
    int port = -1;
    int type = 0;
    int fcode = -1;
};

int number(const QString& text, int fallback)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : fallback;
}

// Children of the Port_Details element the reader stands on.
Fields readEntry(QXmlStreamReader& xml)
{
    Fields f;
    while (xml.readNextStartElement()) {
        const auto tag = xml.name();
        const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
        if (tag == QLatin1String("Port_No"))
            f.port = number(text, -1);
        else if (tag == QLatin1String("Port_Type"))
            f.type = number(text, 0);
        else if (tag == QLatin1String("Fun_Code"))
            f.fcode = number(text, -1);
    }
    return f;
}

PortList failed(maint::ReadStatus status, const QString& problem)
{
    PortList list;
    list.status = status;
    list.problem = problem;
    return list;
}

} // namespace

PortList parsePorts(const QByteArray& data)
{
    if (data.size() > kMaxFileBytes)
        return failed(maint::ReadStatus::TooLarge, QStringLiteral("more than %1 bytes").arg(kMaxFileBytes));
    if (data.trimmed().isEmpty())
        return failed(maint::ReadStatus::Empty, QStringLiteral("the file is empty"));
    PortList list;
    QXmlStreamReader xml(data);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Port_Details")) {
                xml.skipCurrentElement();
                continue;
            }
            const Fields f = readEntry(xml);
            const bool usable = f.port >= 1 && f.port <= 4095 && f.fcode >= 0 && f.fcode <= 4;
            if (!usable || contains(list.ports, f.port)) {
                ++list.skipped;
            } else if (list.ports.size() == kMaxPorts) {
                list.truncated = true;
            } else {
                list.ports.append(Port{f.port, f.type, f.fcode});
            }
        }
    }
    const QString trouble = maint::finishReading(xml);
    if (!trouble.isEmpty())
        return failed(maint::ReadStatus::Malformed, trouble);
    return list;
}

PortList loadPorts(const QString& path)
{
    const maint::FileBytes file = maint::readWhole(path, kMaxFileBytes);
    if (file.status != maint::ReadStatus::Ok)
        return failed(file.status, file.problem);
    return parsePorts(file.data);
}

QStringList report(const PortList& list, const QString& path)
{
    QStringList lines;
    switch (list.status) {
    case maint::ReadStatus::Ok: break;
    case maint::ReadStatus::CannotOpen:
        lines << QStringLiteral("unable to open xml file %1 (%2)").arg(path, list.problem);
        break;
    default:
        lines << QStringLiteral("port list: %1 cannot be read (%2); no port listed").arg(path, list.problem);
        break;
    }
    if (list.skipped > 0)
        lines << QStringLiteral("port list: %1 entries without a port address 1..4095 and an F-code 0..4, or "
                                "repeated, left out")
                     .arg(list.skipped);
    if (list.truncated)
        lines << QStringLiteral("port list: more than %1 ports; the first %1 are listed").arg(kMaxPorts);
    return lines;
}

int funCodeOf(const QVector<Port>& ports, int port)
{
    for (const Port& p : ports)
        if (p.telegram == port)
            return p.fun_code;
    return 0;
}

bool contains(const QVector<Port>& ports, int port)
{
    return std::any_of(ports.begin(), ports.end(), [port](const Port& p) { return p.telegram == port; });
}

const char* direction(const Port& port, int cab)
{
    const int own = cab == 1 ? 3015 : cab == 2 ? 3201 : -1;
    if (port.port_type == 1 && port.telegram == own)
        return QT_TRANSLATE_NOOP("MainWindow", "Source Port");
    return QT_TRANSLATE_NOOP("MainWindow", "Sink Port");
}

void fillSelection(const QVector<Port>& ports, ViewerSelection& selection)
{
    const int n = std::min<int>(ports.size(), TELEGRAM_DETAILS_MAX);
    for (int i = 0; i < n; ++i) {
        Telegram_Details_struct& t = selection.Telegram_Details[i];
        t = Telegram_Details_struct();
        t.telegram = ports[i].telegram;
        t.port_type = ports[i].port_type;
        t.fun_code = ports[i].fun_code;
    }
    selection.port_buffer_count = n;
}

} // namespace portlist
