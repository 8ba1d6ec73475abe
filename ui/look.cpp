#include "ui/look.h"

#include <QHash>

namespace ui {

QString rgbText(QRgb c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

const QString& textStyle(int pointSize, QRgb colour, bool bold, bool condensed)
{
    static QHash<quint64, QString> cache;
    const quint64 key =
        (quint64(pointSize) << 34) | (quint64(condensed) << 33) | (quint64(bold) << 32) | (colour & 0xFFFFFFu);
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key,
                          QStringLiteral("font: %1 %2pt \"%3\"; color: %4; background: transparent;"
                                         " border: none;")
                              .arg(bold ? QStringLiteral("bold") : QStringLiteral("normal"))
                              .arg(pointSize)
                              .arg(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"))
                              .arg(rgbText(colour)));
    return it.value();
}

const QString& lcdStyle(QRgb colour)
{
    static QHash<QRgb, QString> cache;
    auto it = cache.constFind(colour);
    if (it == cache.constEnd())
        it = cache.insert(colour,
                          QStringLiteral("color: %1; background: transparent; border: none;").arg(rgbText(colour)));
    return it.value();
}

} // namespace ui
