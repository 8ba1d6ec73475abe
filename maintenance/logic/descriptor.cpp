#include "maintenance/logic/descriptor.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "acquisition/port_map.h"

namespace descriptor {

const char* const kTags[ColumnCount] = {
    "", "telegram_name", "src_signal_name", "signal_type", "src_member_name", "signal_address", "byte_off", "bit_off"};

const char* const kFilterLabels[kFilterBoxes] = {"ALL",  "FLG1", "DDA1", "STB1", "HBB1", "FLG2", "DDA2",
                                                 "STB2", "HBB2", "DIA1", "ASC1", "NSC1", "SLG1", "ASC2",
                                                 "NSC2", "SLG2", "BUR1", "BUR2", "BUR3"};

int columnOf(const QString& tag)
{
    for (int c = Telegram; c < ColumnCount; ++c)
        if (tag == QLatin1String(kTags[c]))
            return c;
    return 0;
}

namespace {

Descriptor failed(maint::ReadStatus status, const QString& problem)
{
    Descriptor d;
    d.status = status;
    d.problem = problem;
    return d;
}

bool hasCells(const Row& row)
{
    for (int c = Telegram; c < ColumnCount; ++c)
        if (!row[c].isEmpty())
            return true;
    return false;
}

} // namespace

Descriptor parseDescriptor(const QByteArray& data)
{
    if (data.size() > kMaxFileBytes)
        return failed(maint::ReadStatus::TooLarge, QStringLiteral("more than %1 bytes").arg(kMaxFileBytes));
    if (data.trimmed().isEmpty())
        return failed(maint::ReadStatus::Empty, QStringLiteral("the file is empty"));
    Descriptor d;
    Row row;
    // Cells go into the current row; bit_off ends it, also in the middle of
    // a Signal (what follows it starts the next row).
    auto endRow = [&] {
        if (d.rows.size() < kMaxRows)
            d.rows.append(row);
        else
            d.truncated = true;
        row = Row();
    };
    QXmlStreamReader xml(data);
    if (xml.readNextStartElement()) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Signal")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement()) {
                const int column = columnOf(xml.name().toString());
                const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
                if (column == 0)
                    continue;
                row.cells[size_t(column)] = text.trimmed();
                if (column == BitOff)
                    endRow();
            }
        }
    }
    if (hasCells(row) && d.rows.size() < kMaxRows)
        d.rows.append(row); // the last row, without its bit_off
    const QString trouble = maint::finishReading(xml);
    if (!trouble.isEmpty())
        return failed(maint::ReadStatus::Malformed, trouble);
    return d;
}

Descriptor loadDescriptor(const QString& path)
{
    const maint::FileBytes file = maint::readWhole(path, kMaxFileBytes);
    if (file.status != maint::ReadStatus::Ok)
        return failed(file.status, file.problem);
    return parseDescriptor(file.data);
}

QStringList report(const Descriptor& d, const QString& path)
{
    QStringList lines;
    if (d.status == maint::ReadStatus::CannotOpen)
        lines << QStringLiteral("unable to open xml file %1 (%2)").arg(path, d.problem);
    else if (d.status != maint::ReadStatus::Ok)
        lines << QStringLiteral("signal descriptor: %1 cannot be read (%2); no signal listed").arg(path, d.problem);
    if (d.truncated)
        lines << QStringLiteral("signal descriptor: more than %1 signals; the first %1 are listed").arg(kMaxRows);
    return lines;
}

int typeCode(const QString& type)
{
    static const char* const names[] = {"BIT", "BYTE", "WORD", "GANZOHNE", "ANALOG"};
    for (int i = 0; i < 5; ++i)
        if (type == QLatin1String(names[i]))
            return i + 1;
    return 0;
}

bool processorMatches(const QString& telegram, const QStringList& labels)
{
    for (const QString& label : labels)
        if (label == QLatin1String("ALL") || telegram.contains(label, Qt::CaseSensitive))
            return true;
    return false;
}

bool telegramMatches(const QString& telegram, const QList<int>& ports)
{
    for (int port : ports)
        if (telegram.endsWith(QLatin1Char('-') + QString::number(port), Qt::CaseSensitive))
            return true;
    return false;
}

bool nameMatches(const QString& name, const QString& text)
{
    return name.contains(text, Qt::CaseInsensitive);
}

} // namespace descriptor
