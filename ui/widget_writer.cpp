#include "ui/widget_writer.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLCDNumber>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

#include "acquisition/unknown.h"
#include "ui/look.h"
#include "ui/resources.h"

namespace ui {

const QString kDash = QStringLiteral("--");

namespace {
const char* const kImageProperty = "image";
const char* const kTextProperty = "text";
} // namespace

const QPixmap& pixmap(const QString& path)
{
    static QHash<QString, QPixmap> cache;
    auto it = cache.constFind(path);
    if (it == cache.constEnd())
        it = cache.insert(path, QPixmap(path));
    return it.value();
}

void putImage(QLabel* l, const QString& path)
{
    if (!l || l->property(kImageProperty).toString() == path)
        return;
    l->setPixmap(pixmap(path));
    l->setProperty(kImageProperty, path);
}

void putIcon(QAbstractButton* b, const QString& path, QSize size)
{
    if (!b || b->property(kImageProperty).toString() == path)
        return;
    b->setIcon(QIcon(pixmap(path)));
    b->setIconSize(size);
    b->setProperty(kImageProperty, path);
}

void placePagingArrows(QAbstractButton* const (&arrows)[4], int x, const int (&y)[4], QSize size)
{
    const QString* const icons[4] = {&Dir_rms_img_ArrowTop, &Dir_rms_img_ArrowUp, &Dir_rms_img_ArrowDown,
                                     &Dir_rms_img_ArrowBottom};
    for (int i = 0; i < 4; ++i) {
        if (!arrows[i])
            continue;
        arrows[i]->setGeometry(x, y[i], size.width(), size.height());
        // Top and bottom arrows carry a bar: their icons are a little larger.
        putIcon(arrows[i], *icons[i], (i == 0 || i == 3) ? QSize(43, 40) : QSize(37, 37));
    }
}

void putText(QLabel* l, const QString& text)
{
    if (l && l->text() != text)
        l->setText(text);
}

void putStyle(QWidget* w, const QString& style)
{
    if (w && w->styleSheet() != style)
        w->setStyleSheet(style);
}

void putShown(QWidget* w, bool shown)
{
    if (w && w->isVisibleTo(w->parentWidget()) != shown)
        w->setVisible(shown);
}

void putPos(QWidget* w, int x, int y)
{
    if (w && w->pos() != QPoint(x, y))
        w->move(x, y);
}

void putValue(QLabel* l, const QString& text, int pointSize, QRgb colour, bool bold, bool condensed)
{
    putText(l, text);
    putStyle(l, textStyle(pointSize, colour, bold, condensed));
}

void putString(QLabel* l, const QString& text, int pointSize, QRgb colour)
{
    if (isUnknown(text))
        putValue(l, kDash, pointSize, kNoDataGrey);
    else
        putValue(l, text, pointSize, colour);
}

void LcdWriter::put(QLCDNumber* lcd, const QString& text, QRgb colour)
{
    if (!lcd)
        return;
    putStyle(lcd, lcdStyle(colour));
    QString& last = m_text[lcd];
    if (last == text && !last.isNull())
        return;
    last = text;
    const int digits = lcdDigits(text);
    if (lcd->digitCount() != digits)
        lcd->setDigitCount(digits);
    lcd->display(text);
    lcd->setProperty(kTextProperty, text);
}

void showRaised(QWidget* widget)
{
    if (widget) {
        widget->show();
        widget->raise();
    }
}

int lcdDigits(const QString& text)
{
    int n = 0;
    for (QChar c : text)
        if (c != QLatin1Char('.'))
            ++n;
    return std::max(n, 1);
}

} // namespace ui
