#include "maintenance/logic/telegram_format.h"

#include <QStringList>

namespace telegram {

namespace {

int words(int fcode)
{
    return 1 << (fcode >= 0 && fcode <= 4 ? fcode : 0);
}

QString hex(unsigned v, int digits)
{
    return QStringLiteral("%1").arg(v, digits, 16, QLatin1Char('0')).toUpper();
}

QString bits(unsigned v)
{
    return QStringLiteral("%1").arg(v & 0xFF, 8, 2, QLatin1Char('0'));
}

} // namespace

int dataRows(Mode mode, int fcode)
{
    const int n = words(fcode);
    if (mode == Mode::Bits)
        return n;
    const int rows = n * 2 / 8;
    return rows < 1 ? 1 : rows;
}

QString heading(Mode mode)
{
    switch (mode) {
    case Mode::Bits: return QStringLiteral(" FEDCBA98   76543210");
    case Mode::Bytes: return QStringLiteral("00  01  02  03  04  05  06  07");
    case Mode::Words: return QStringLiteral("-00-    -02-    -04-    -06-");
    }
    return QString();
}

QString offsetLabel(Mode mode, int row)
{
    const int offset = mode == Mode::Bits ? 2 * (row - 1) : 8 * (row - 1);
    return (QStringLiteral("0x") + QStringLiteral("%1").arg(offset, 2, 16, QLatin1Char('0'))).toUpper();
}

QString placeholder(Mode mode)
{
    switch (mode) {
    case Mode::Bits: return QStringLiteral("00000000   00000000");
    case Mode::Bytes: return QStringLiteral("00  00  00  00  00  00  00  00");
    case Mode::Words: return QStringLiteral("0000  0000  0000  0000");
    }
    return QString();
}

QString rowText(Mode mode, int fcode, const uint16_t* w, int row)
{
    if (row < 1)
        return QString();
    if (mode == Mode::Bits) {
        const unsigned v = row - 1 < 16 ? w[row - 1] : 0;
        return bits(v >> 8) + QStringLiteral("   ") + bits(v);
    }
    // Four words a row; a port of one or two words fills part of the row.
    const int first = 4 * (row - 1);
    const int count = qMin(4, words(fcode) - first);
    QStringList parts;
    for (int k = 0; k < count && first + k < 16; ++k) {
        const unsigned v = w[first + k];
        if (mode == Mode::Bytes)
            parts << hex(v >> 8, 2) << hex(v & 0xFF, 2);
        else
            parts << hex(v, 4);
    }
    return parts.join(QStringLiteral("  ")).leftJustified(placeholder(mode).size(), QLatin1Char(' '));
}

QString freshnessText(int freshness, int maxFreshness)
{
    if (freshness < 0 || freshness >= maxFreshness)
        return QString();
    return QString::number(freshness);
}

} // namespace telegram
