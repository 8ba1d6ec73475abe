#include "screens/subsystem_values_view.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTableWidget>

#include "screens/process_rules.h"
#include "screens/table_cells.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ui;
using subsysvalues::Cell;

namespace {

constexpr QRgb kLabelText = qRgb(150, 150, 150);
constexpr int kLabelPointSize = 16; // " TM TEMPERATURE DEG C" on one line in 270 px
constexpr int kTableTop = 80;
constexpr int kFrameWidth = 674; // the menu frame's group

// Value cells narrower than this take a smaller face: a motor speed must not be cut.
constexpr int kNarrowCell = 80;

int spanWidth(const subsysvalues::Screen& s, const Cell& c)
{
    int w = 0;
    for (int k = c.column; k < c.column + c.columnSpan && k < int(s.widths.size()); ++k)
        w += s.widths[size_t(k)];
    return w;
}

QFont valueFont(bool hindi, int width)
{
    if (width < kNarrowCell)
        return tableFont(13);
    QFont f(hindi ? Hindi_Font : English_Font);
    f.setPointSize(hindi ? Hindi_Font_Size_23 : English_Font_Size_20);
    return f;
}

} // namespace

SubsystemValuesView::SubsystemValuesView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("subsystemValuesView"));
}

void SubsystemValuesView::build(QWidget* root)
{
    for (int i = 0; i < subsysvalues::kScreenCount; ++i) {
        const subsysvalues::Screen& s = subsysvalues::screen(i);
        QWidget* g = root->findChild<QWidget*>(QLatin1String(s.group));
        if (!g)
            continue;
        opaqueGroup(g);
        ddu_ui::table(g, s.table, {}, s.rows, s.columns);
    }
}

QStringList SubsystemValuesView::resolve(QWidget* root)
{
    QStringList missing;
    for (int i = 0; i < subsysvalues::kScreenCount; ++i) {
        const subsysvalues::Screen& s = subsysvalues::screen(i);
        findWidget(root, m_groups[i], s.group, missing);
        findWidget(root, m_tables[i], s.table, missing);
    }
    findWidget(root, menuscreen_header, "menuscreen_header", missing);
    return missing;
}

void SubsystemValuesView::layout(int index, bool hindi)
{
    const subsysvalues::Screen& s = subsysvalues::screen(index);
    ui::placeMenuHeader(menuscreen_header, ui::trScreen(s.title), 26, hindi);
    QTableWidget* t = m_tables[index];
    if (!t)
        return;
    plainTable(t, s.finerGrid ? look::ValueTableFine : look::ValueTable);
    t->setAlternatingRowColors(true);
    t->clearSpans();
    t->setRowCount(s.rows);
    t->setColumnCount(s.columns);
    int width = 2;
    for (int c = 0; c < s.columns; ++c) {
        t->setColumnWidth(c, s.widths[size_t(c)]);
        width += s.widths[size_t(c)];
    }
    for (int r = 0; r < s.rows; ++r)
        t->setRowHeight(r, s.rowHeight);
    t->setGeometry((kFrameWidth - width) / 2, kTableTop, width, s.rows * s.rowHeight + 2);
    for (const Cell& c : s.cells) {
        if (c.rowSpan > 1 || c.columnSpan > 1)
            t->setSpan(c.row, c.column, c.rowSpan, c.columnSpan);
        const bool isLabel = c.column == 0;
        const QFont font = isLabel ? tableFont(kLabelPointSize) : valueFont(hindi, spanWidth(s, c));
        QTableWidgetItem* item =
            cellItem(t, c.row, c.column, font, isLabel ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
        if (!item)
            continue;
        item->setFont(font); // the language may have changed since the item was made
        if (c.text) {
            putCellText(item, ui::trScreen(c.text));
            putCellColours(item, kLabelText, kCellBackground);
        }
    }
}

void SubsystemValuesView::update(int index, const SignalStore& s)
{
    QTableWidget* t = m_tables[index];
    if (!t)
        return;
    for (const Cell& c : subsysvalues::screen(index).cells) {
        if (!c.value)
            continue;
        const QString& text = s.*c.value;
        putCellValue(t->item(c.row, c.column), c.unit ? proc::withUnit(text, QString::fromLatin1(c.unit)) : text);
    }
}
