#include "maintenance/driver_details.h"

#include <QFile>
#include <QStringList>

#include "platform/file_io.h"

namespace driver {

QString& DriverDetails::field(int i)
{
    return const_cast<QString&>(static_cast<const DriverDetails*>(this)->field(i));
}

const QString& DriverDetails::field(int i) const
{
    switch (i) {
    case 0: return Driver_id;
    case 1: return Train_Name;
    case 2: return Train_Loco_Tons;
    case 3: return Origin_Code;
    case 4: return Destination_code;
    case 5: return Datetime;
    case 6: return Division;
    default: break;
    }
    return Railway_Zone;
}

void DriverDetails::clear()
{
    for (int i = 0; i < kFieldCount; ++i)
        field(i).clear();
}

bool DriverDetails::operator==(const DriverDetails& o) const
{
    for (int i = 0; i < kFieldCount; ++i)
        if (field(i) != o.field(i))
            return false;
    return true;
}

bool parseLine(const QString& line, DriverDetails& d)
{
    QString text = line;
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < kFieldCount + 2)
        return false;
    for (int i = 0; i < kFieldCount; ++i)
        d.field(i) = parts.at(i + 1);
    return true;
}

QString formatLine(const DriverDetails& d)
{
    QString line = QStringLiteral("$,");
    for (int i = 0; i < kFieldCount; ++i)
        line += d.field(i) + QLatin1Char(',');
    line += QStringLiteral("#\n");
    return line;
}

namespace {

bool isForbidden(QChar c)
{
    // The separators, and anything that is not a visible character or a
    // plain space (line and paragraph breaks, tabs, control codes).
    return c == QLatin1Char(',') || c == QLatin1Char('#') || (c != QLatin1Char(' ') && !c.isPrint()) ||
        c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

bool holdsForbidden(const QString& text)
{
    for (QChar c : text)
        if (isForbidden(c))
            return true;
    return false;
}

} // namespace

FieldInput checkField(const QString& typed)
{
    FieldInput in;
    if (holdsForbidden(typed)) {
        in.refused = true;
        return in;
    }
    in.text = typed;
    if (in.text.size() > kMaxFieldLength) {
        in.text.truncate(kMaxFieldLength);
        in.shortened = true;
    }
    return in;
}

int firstBadField(const DriverDetails& d)
{
    for (int i = 0; i < kFieldCount; ++i)
        if (holdsForbidden(d.field(i)))
            return i;
    return -1;
}

ReadResult readFile(const QString& path, DriverDetails& d)
{
    // One line is all the file holds: a regular file of a few hundred bytes
    // (a FIFO or device in its place is never opened).
    const platform::FileRead file = platform::readRegularFile(path, 4096);
    if (file.status != platform::ReadStatus::Ok) {
        d.clear();
        return ReadResult::Unreadable;
    }
    const int end = file.data.indexOf('\n');
    const QString line = QString::fromUtf8(end < 0 ? file.data : file.data.left(end + 1));
    return parseLine(line, d) ? ReadResult::Read : ReadResult::TooFewParts;
}

bool writeFile(const QString& path, const DriverDetails& d, QString* error)
{
    if (firstBadField(d) >= 0) {
        if (error)
            *error = QStringLiteral("field %1 cannot be stored").arg(firstBadField(d) + 1);
        return false;
    }
    return platform::saveFile(path, formatLine(d).toUtf8(), error);
}

} // namespace driver
