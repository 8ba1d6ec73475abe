#include "screens/table_cells.h"

#include <QBrush>
#include <QHeaderView>
#include <QTableWidget>

#include "acquisition/unknown.h"
#include "app/look.h"
#include "app/widget_writer.h"

namespace ui {

void opaqueGroup(QWidget* g)
{
    if (!g)
        return;
    // No margin or padding in its style: with a box the style sheet takes the
    // opaque-paint attribute away again when it polishes the group.
    g->setStyleSheet(QStringLiteral("QGroupBox { background-color: rgb(0, 0, 0); border: 1px solid rgb(35, 35, 35); }"));
    g->setAutoFillBackground(true);
    QPalette p = g->palette();
    p.setColor(QPalette::Window, Qt::black);
    g->setPalette(p);
    g->setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont tableFont(int pointSize)
{
    QFont f(QStringLiteral("Tahoma"), pointSize);
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    return f;
}

void plainTable(QTableWidget* t, const QString& styleSheet)
{
    if (!t)
        return;
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->setWordWrap(true);
    t->setStyleSheet(styleSheet);
}

QTableWidgetItem* cellItem(QTableWidget* t, int row, int column, const QFont& font, Qt::Alignment alignment)
{
    if (!t || row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount())
        return nullptr;
    QTableWidgetItem* item = t->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled);
        item->setFont(font);
        item->setTextAlignment(alignment);
        item->setForeground(QColor(kCellText));
        item->setBackground(QColor(kCellBackground));
        t->setItem(row, column, item);
    }
    return item;
}

void putCellText(QTableWidgetItem* item, const QString& text)
{
    if (item && item->text() != text)
        item->setText(text);
}

void putCellColours(QTableWidgetItem* item, QRgb text, QRgb background)
{
    if (!item)
        return;
    if (item->foreground().color().rgba() != QColor(text).rgba())
        item->setForeground(QColor(text));
    if (item->background().color().rgba() != QColor(background).rgba())
        item->setBackground(QColor(background));
}

void putCellValue(QTableWidgetItem* item, const QString& text, QRgb colour)
{
    if (!item)
        return;
    const bool unknown = isUnknown(text);
    putCellText(item, unknown ? kDash : text);
    const QColor wanted(unknown ? kNoDataGrey : colour);
    if (item->foreground().color() != wanted)
        item->setForeground(wanted);
}

} // namespace ui
