#include "screens/table_cells.h"

#include <QBrush>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "acquisition/unknown.h"
#include "ui/look.h"
#include "ui/widget_writer.h"

namespace ui {

namespace {

// Text margin of a cell on either side, as the style keeps it.
constexpr int kTextMargin = 3;
// Prepared texts kept; past this the cache starts again (values that keep
// changing would otherwise fill it).
constexpr int kPreparedLimit = 1024;

class CellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The table's grid is drawn here, cell by cell, in this colour (the view
    // draws it line by line over the whole region, at several times the cost).
    QColor grid;

    void paint(QPainter* p, const QStyleOptionViewItem& cellOption, const QModelIndex& index) const override
    {
        QStyleOptionViewItem option = cellOption;
        if (grid.isValid()) { // right and bottom edge, as the view draws them
            const QRect& r = cellOption.rect;
            p->fillRect(QRect(r.right(), r.top(), 1, r.height()), grid);
            p->fillRect(QRect(r.left(), r.bottom(), r.width() - 1, 1), grid);
            option.rect.adjust(0, 0, -1, -1);
        }
        const QVariant text = index.data(Qt::DisplayRole);
        if (!index.data(Qt::DecorationRole).isNull() || (!text.isNull() && text.userType() != QMetaType::QString)) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        const QVariant fontData = index.data(Qt::FontRole);
        const QFont font = fontData.isValid() ? qvariant_cast<QFont>(fontData) : option.font;
        const QVariant alignData = index.data(Qt::TextAlignmentRole);
        const Qt::Alignment align =
            alignData.isValid() ? Qt::Alignment(alignData.toInt()) : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter);
        const QRect area = option.rect.adjusted(kTextMargin, 0, -kTextMargin, 0);
        const QStaticText* laid = prepared(text.toString(), font, area.width(), align);
        if (!laid) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.isValid())
            p->fillRect(option.rect, qvariant_cast<QBrush>(background));
        if (laid->text().isEmpty())
            return;
        const QVariant foreground = index.data(Qt::ForegroundRole);
        p->setPen(foreground.isValid() ? qvariant_cast<QBrush>(foreground).color()
                                       : option.palette.color(QPalette::Text));
        p->setFont(font);
        const QSizeF size = laid->size();
        qreal y = area.top();
        if (align & Qt::AlignVCenter)
            y += (area.height() - size.height()) / 2;
        else if (align & Qt::AlignBottom)
            y += area.height() - size.height();
        const bool clip = size.height() > area.height();
        if (clip) {
            p->save();
            p->setClipRect(option.rect);
        }
        p->drawStaticText(QPointF(area.left(), y), *laid);
        if (clip)
            p->restore();
    }

private:
    // The text laid out for `width`, or null when a word of it does not fit.
    const QStaticText* prepared(const QString& text, const QFont& font, int width, Qt::Alignment align) const
    {
        const QString key = font.key() + QLatin1Char('|') + QString::number(width) + QLatin1Char('|') +
            QString::number(int(align)) + QLatin1Char('|') + text;
        auto it = m_prepared.constFind(key);
        if (it != m_prepared.constEnd())
            return it->fits ? &it->text : nullptr;
        if (m_prepared.size() >= kPreparedLimit)
            m_prepared.clear();
        Prepared entry;
        QString lines = text;
        lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
        entry.text.setText(lines);
        entry.text.setTextFormat(Qt::PlainText);
        entry.text.setTextWidth(width);
        QTextOption option(align & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::WordWrap);
        entry.text.setTextOption(option);
        entry.text.prepare(QTransform(), font);
        // A word wider than the cell: the style breaks or elides it.
        entry.fits = entry.text.size().width() <= width + 0.5;
        it = m_prepared.insert(key, entry);
        return it->fits ? &it->text : nullptr;
    }

    struct Prepared {
        QStaticText text;
        bool fits = true;
    };
    mutable QHash<QString, Prepared> m_prepared;
};

} // namespace

void useCellPainter(QTableWidget* t)
{
    if (!t)
        return;
    auto* painter = dynamic_cast<CellPainter*>(t->itemDelegate());
    if (!painter) {
        painter = new CellPainter(t);
        t->setItemDelegate(painter);
    }
    // The grid colour as the table's style sheet gives it to the view.
    QStyleOptionViewItem option;
    option.initFrom(t);
    painter->grid = QColor::fromRgba(QRgb(t->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, t)));
    t->setShowGrid(false);
}

void opaqueGroup(QWidget* g)
{
    if (!g)
        return;
    // No margin or padding in its style: with a box the style sheet takes the
    // opaque-paint attribute away again when it polishes the group.
    g->setStyleSheet(look::ScreenGroup);
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
    useCellPainter(t);
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

void putCellTextFitted(QTableWidgetItem* item, const QString& text, int width, int pointSize, int minPointSize)
{
    if (!item)
        return;
    QFont font = tableFont(pointSize);
    while (font.pointSize() > minPointSize && QFontMetrics(font).horizontalAdvance(text) > width - 6)
        font.setPointSize(font.pointSize() - 1);
    if (item->font() != font)
        item->setFont(font);
    putCellText(item, text);
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
