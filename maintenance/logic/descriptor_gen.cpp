// The descriptor we ship, generated from the port map table.

#include "maintenance/logic/descriptor.h"

#include <QXmlStreamWriter>

#include "acquisition/port_map.h"

namespace descriptor {

namespace {

// Which processor publishes each port of the cycle.
struct PortProcessor {
    int port;
    const char* processor;
};

// clang-format off
const PortProcessor kPublishers[] = {
    {3100, "FLG1"}, {3110, "FLG1"}, {1000, "FLG1"}, {1010, "FLG1"}, {1020, "FLG1"}, {1035, "FLG1"},
    {1070, "FLG1"}, {1310, "FLG1"},
    {3200, "FLG2"}, {3210, "FLG2"}, {1500, "FLG2"}, {1510, "FLG2"}, {1520, "FLG2"}, {1535, "FLG2"},
    {1570, "FLG2"},
    {3700, "SLG1"}, {3710, "SLG1"}, {3720, "SLG1"},
    {3800, "SLG2"}, {3810, "SLG2"}, {3820, "SLG2"},
    {3900, "BUR1"}, {3950, "BUR2"}, {4000, "BUR3"},
    {3300, "HBB1"}, {1200, "HBB1"}, {1295, "HBB1"},
    {3400, "HBB2"}, {1700, "HBB2"}, {1795, "HBB2"},
    {3500, "STB1"}, {1100, "STB1"}, {1195, "STB1"},
    {3600, "STB2"}, {1600, "STB2"}, {1695, "STB2"},
    {3550, "DDA1"}, {1302, "DDA1"},
    {3650, "DDA2"}, {1800, "DDA2"},
    {2510, "RIOM1"}, {2610, "RIOM1"}, {2520, "RIOM2"}, {2620, "RIOM2"},
    {2500, "BRIO1"}, {2501, "BRIO1"}, {2502, "BRIO2"}, {2503, "BRIO2"},
};
// clang-format on

// Words the decoding reads as signed per cent of 4096: the efforts and the
// line converters' input powers. The other words the port map stores as they
// are (counters, numbers, versions) are unsigned numbers.
const char* const kSignedPercentWords[] = {"FLG1_D53_WTE_BE_Loco", "FLG1_D46_XTE_BE_Loco", "FLG2_D53_WTE_BE_Loco",
                                           "FLG2_D46_XTE_BE_Loco", "SLG1_D04_XPN",         "SLG2_D04_XPN"};

bool signedPercent(const char* name)
{
    for (const char* n : kSignedPercentWords)
        if (qstrcmp(n, name) == 0)
            return true;
    return false;
}

// The monitor's type for a signal: flags BIT, bytes BYTE, efforts and scaled
// values ANALOG (per cent of 4096, signed), counts and numbers GANZOHNE.
const char* typeOf(const PortSignal& s)
{
    switch (s.kind) {
    case SignalKind::Bit:
    case SignalKind::BitIfFresh: return "BIT";
    case SignalKind::HighByte:
    case SignalKind::LowByte: return "BYTE";
    case SignalKind::Scaled: return "ANALOG";
    case SignalKind::Value: return signedPercent(s.name) ? "ANALOG" : "GANZOHNE";
    case SignalKind::Zero: break;
    }
    return "";
}

// The name within its processor: without the "<processor>_" prefix.
QString memberOf(const QString& name)
{
    for (const char* label : kFilterLabels) {
        const QString prefix = QLatin1String(label) + QLatin1Char('_');
        if (name.startsWith(prefix))
            return name.mid(prefix.size());
    }
    return name;
}

Row rowOf(const PortSignal& s)
{
    // First octet on the bus = high byte of the word.
    int byteOff = 2 * s.word;
    int bitOff = 0;
    if (s.kind == SignalKind::Bit || s.kind == SignalKind::BitIfFresh) {
        byteOff += s.bit >= 8 ? 0 : 1;
        bitOff = s.bit % 8;
    } else if (s.kind == SignalKind::LowByte) {
        byteOff += 1;
    }
    const QString name = QLatin1String(s.name);
    Row r;
    r.cells[Telegram] = processorOf(s.port) + QLatin1Char('-') + QString::number(s.port);
    r.cells[SignalName] = name;
    r.cells[Type] = QLatin1String(typeOf(s));
    r.cells[Member] = memberOf(name);
    r.cells[Port] = QString::number(s.port);
    r.cells[ByteOff] = QString::number(byteOff);
    r.cells[BitOff] = QString::number(bitOff);
    return r;
}

} // namespace

QString processorOf(int port)
{
    for (const PortProcessor& p : kPublishers)
        if (p.port == port)
            return QLatin1String(p.processor);
    return QStringLiteral("MVB");
}

QVector<Row> portMapRows()
{
    QVector<Row> rows;
    const PortSignal* all = portSignals();
    for (int i = 0; i < portSignalCount(); ++i)
        if (all[i].kind != SignalKind::Zero) // written 0 by the display, not on the bus
            rows.append(rowOf(all[i]));
    return rows;
}

QByteArray generate()
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeComment(QStringLiteral(" Signals of the process data ports, generated from the port map. "));
    xml.writeStartElement(QStringLiteral("Descriptor"));
    for (const Row& r : portMapRows()) {
        xml.writeStartElement(QStringLiteral("Signal"));
        for (int c = Telegram; c < ColumnCount; ++c)
            xml.writeTextElement(QLatin1String(kTags[c]), r[c]);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

} // namespace descriptor
