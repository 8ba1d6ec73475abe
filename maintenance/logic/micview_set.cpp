#include "maintenance/logic/micview_set.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "acquisition/port_map.h"
#include "platform/file_io.h"
#include "platform/platform.h"

namespace micview {

QString setPath(const QString& name)
{
    return platform::dataPath(QStringLiteral("file/micview/") + name + QStringLiteral(".xml"));
}

namespace {

// A text element whose carriage returns survive the round trip: a reader
// turns a raw CR into a line feed (XML's line-end handling), so each is
// written as the character reference &#13;.
void writeText(QXmlStreamWriter& xml, const QString& tag, const QString& text)
{
    if (!text.contains(QLatin1Char('\r'))) {
        xml.writeTextElement(tag, text);
        return;
    }
    xml.writeStartElement(tag);
    const QStringList parts = text.split(QLatin1Char('\r'));
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0)
            xml.writeEntityReference(QStringLiteral("#13"));
        xml.writeCharacters(parts[i]);
    }
    xml.writeEndElement();
}

} // namespace

QByteArray serialize(const QVector<descriptor::Row>& rows)
{
    using namespace descriptor;
    static const char* const tags[ColumnCount] = {"",     "Signal_Telegram", "Signal_Name", "Type", "Signal_Member",
                                                  "Port", "ByteOff",         "BitOff"};
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Table"));
    xml.writeStartElement(QStringLiteral("Signals_Count"));
    xml.writeTextElement(QStringLiteral("Count_All"), QString::number(rows.size()));
    xml.writeEndElement();
    for (const Row& r : rows) {
        xml.writeStartElement(QStringLiteral("Signals"));
        for (int c = Telegram; c < ColumnCount; ++c)
            writeText(xml, QLatin1String(tags[c]), r[c]);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

bool save(const QString& path, const QVector<descriptor::Row>& rows, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return platform::saveFile(path, serialize(rows), error);
}

bool askBeforeReplacing(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.size() > 0;
}

namespace {

int number(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : -1;
}

// The children of the Signals element the reader stands on; false when it
// names no signal.
bool readEntry(QXmlStreamReader& xml, Entry& e)
{
    bool named = false;
    while (xml.readNextStartElement()) {
        const auto tag = xml.name();
        const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        if (tag == QLatin1String("Signal_Name")) {
            e.name = text;
            named = true;
        } else if (tag == QLatin1String("Type")) {
            e.type = text;
        } else if (tag == QLatin1String("Port")) {
            e.port = number(text);
        } else if (tag == QLatin1String("ByteOff")) {
            e.byteOff = number(text);
        } else if (tag == QLatin1String("BitOff")) {
            e.bitOff = number(text);
        }
    }
    return named;
}

SetFile failed(maint::ReadStatus status, const QString& problem)
{
    SetFile s;
    s.status = status;
    s.problem = problem;
    return s;
}

} // namespace

Entry entryOf(const descriptor::Row& row)
{
    Entry e;
    e.name = row[descriptor::SignalName].trimmed();
    e.type = row[descriptor::Type].trimmed();
    e.port = number(row[descriptor::Port]);
    e.byteOff = number(row[descriptor::ByteOff]);
    e.bitOff = number(row[descriptor::BitOff]);
    return e;
}

SetFile parseSet(const QByteArray& data)
{
    if (data.size() > kMaxFileBytes)
        return failed(maint::ReadStatus::TooLarge, QStringLiteral("more than %1 bytes").arg(kMaxFileBytes));
    if (data.trimmed().isEmpty())
        return failed(maint::ReadStatus::Empty, QStringLiteral("the file is empty"));
    SetFile set;
    QXmlStreamReader xml(data);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Signals")) {
                xml.skipCurrentElement();
                continue;
            }
            Entry e;
            if (!readEntry(xml, e))
                continue;
            if (set.entries.size() < kMaxEntries)
                set.entries.append(e);
            else
                ++set.leftOut;
        }
    }
    const QString trouble = maint::finishReading(xml);
    if (!trouble.isEmpty())
        return failed(maint::ReadStatus::Malformed, trouble);
    return set;
}

SetFile loadSet(const QString& path)
{
    const maint::FileBytes file = maint::readWhole(path, kMaxFileBytes);
    if (file.status != maint::ReadStatus::Ok)
        return failed(file.status, file.problem);
    return parseSet(file.data);
}

QStringList report(const SetFile& set, const QString& path)
{
    QStringList lines;
    if (set.status == maint::ReadStatus::CannotOpen)
        lines << QStringLiteral("unable to open xml file %1 (%2)").arg(path, set.problem);
    else if (set.status != maint::ReadStatus::Ok)
        lines << QStringLiteral("signal set: %1 cannot be read (%2)").arg(path, set.problem);
    if (set.leftOut > 0)
        lines << QStringLiteral("signal set: %1 holds %2 signals; the first %3 are shown")
                     .arg(path)
                     .arg(set.entries.size() + set.leftOut)
                     .arg(kMaxEntries);
    return lines;
}

int busBitNumber(int byteOff, int bitOff)
{
    // A bit 0..7 of an odd byte lies in the word's second octet; 8..15 are
    // already numbers within the word.
    return bitOff < 8 && (byteOff & 1) ? bitOff + 8 : bitOff;
}

namespace {

// Units by what the signal's name says it is; the first row whose part the
// name holds wins (the converter currents before the voltages: "XAIpr").
struct UnitRule {
    const char* part;
    const char* unit;
    int decimals;
};
// clang-format off
const UnitRule kUnitRules[] = {
    {"XEnergKWh", "kWh", 0}, {"XEnergMWh", "MWh", 0}, {"XEnergGWh", "GWh", 0},
    {"XUprim", "kV", 1},     {"XU_Battery", "V", 1},
    {"XIprim", "A", 0},      {"XIBUR", "A", 0},       {"XAIpr", "A", 0},       {"XAIBUR", "A", 0},
    {"XAIFilts", "A", 0},
    {"XSpeedLoco", "km/h", 1}, {"WSetSpeedInch", "km/h", 1},
    {"XPrAutoBkLn", "bar", 2}, {"XPressure", "bar", 2}, {"XADruck", "bar", 2},
    {"XTemp", "°C", 1},   {"XATmp", "°C", 1},
    {"WPnBEdem", "%", 1},      {"XAngTrans", "%", 1},   {"XMeterT", "%", 1},
};

// Words the port map stores as they are and the decoding reads as signed
// physical values: the efforts in per cent (4096 = 100 %) and the line
// converters' input powers (4096 = 10000 kW).
struct SignedRule {
    const char* part;
    double factor;
    const char* unit;
    int decimals;
};
const SignedRule kSignedRules[] = {
    {"WTE_BE_Loco", 100.0, "%", 1}, {"XTE_BE_Loco", 100.0, "%", 1}, {"_XPN", 10000.0, "kW", 0},
};
// clang-format on

} // namespace

Reading readingOf(const QString& signalName)
{
    Reading r;
    const QByteArray name = signalName.toLatin1();
    const PortSignal* all = portSignals();
    for (int i = 0; i < portSignalCount(); ++i) {
        if (name != all[i].name)
            continue;
        if (all[i].kind == SignalKind::Scaled) {
            r.factor = all[i].factor;
            r.mask = all[i].mask;
        }
        if (all[i].kind == SignalKind::Value)
            for (const SignedRule& w : kSignedRules)
                if (name.contains(w.part)) {
                    r.factor = w.factor;
                    r.signedWord = true;
                    r.unit = w.unit;
                    r.decimals = w.decimals;
                    return r;
                }
        for (const UnitRule& u : kUnitRules)
            if (name.contains(u.part)) {
                r.unit = u.unit;
                r.decimals = u.decimals;
                break;
            }
        break;
    }
    return r;
}

Fetch fetchOf(const Entry& e, const QVector<portlist::Port>& ports)
{
    Fetch f;
    DDU_Micview_Details_struct& d = f.details;
    const Reading r = readingOf(e.name);
    d.factor = r.factor;
    d.mask = r.mask;
    d.decimals = r.decimals;
    d.signedWord = r.signedWord;
    d.unit = QString::fromUtf8(r.unit);
    d.telegram = e.port;
    d.fun_code = portlist::funCodeOf(ports, e.port);
    d.byte_offset = e.byteOff;
    d.data_type = descriptor::typeCode(e.type);
    d.bite_offset = d.data_type == 1 ? busBitNumber(e.byteOff, e.bitOff) : e.bitOff;
    const int portBytes = 2 << d.fun_code; // 2^F words
    const bool bitOk = d.data_type != 1 || (e.bitOff >= 0 && e.bitOff <= 15);
    f.valid = portlist::contains(ports, e.port) && e.byteOff >= 0 && e.byteOff < portBytes && bitOk;
    return f;
}

} // namespace micview
