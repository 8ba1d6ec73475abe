#include "maintenance/variable_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>

#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

using namespace ui;

namespace {

constexpr int kVisibleColumns = 4; // Sel, Telegram, Signal Name, Type
constexpr int kRowHeight = 51;

} // namespace

VariableView::VariableView(QObject* parent, CellWriter writer)
    : QObject(parent)
    , m_write(std::move(writer))
{
    setObjectName(QStringLiteral("variableView"));
}

QStringList VariableView::widgetNames()
{
    QStringList names;
#define VARIABLE_NAME(type, n) names << QStringLiteral(#n);
    VARIABLE_WIDGETS(VARIABLE_NAME)
    VARIABLE_DISPLAY_WIDGETS(VARIABLE_NAME)
#undef VARIABLE_NAME
    return names;
}

QStringList VariableView::resolve(QWidget* root)
{
    QStringList missing;
#define VARIABLE_RESOLVE(type, n) findWidget(root, n, #n, missing);
    VARIABLE_WIDGETS(VARIABLE_RESOLVE)
    VARIABLE_DISPLAY_WIDGETS(VARIABLE_RESOLVE)
#undef VARIABLE_RESOLVE
    if (Gmaint_mvbvariables)
        Gmaint_mvbvariables->installEventFilter(this);
    return missing;
}

// ============================================================ the table

void VariableView::layoutScreen()
{
    if (mvbvar_header) {
        mvbvar_header->setGeometry(10, 8, 450, 40);
        mvbvar_header->setText(QCoreApplication::translate("MainWindow", "MVB PROCESS VARIABLES"));
        putStyle(mvbvar_header, ui::titleStyle(22));
    }
    if (mvbvar_sellabel) {
        mvbvar_sellabel->setGeometry(500, 8, 130, 40);
        mvbvar_sellabel->setText(QCoreApplication::translate("MainWindow", "Selected:"));
        mvbvar_sellabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        putStyle(mvbvar_sellabel, maint::kCaptionStyle);
    }
    if (mvbvar_selvar) {
        mvbvar_selvar->setGeometry(640, 8, 60, 40);
        putStyle(mvbvar_selvar, maint::kCountStyle);
    }
    layoutButtons();
    showCount();
}

void VariableView::layoutButtons()
{
    QAbstractButton* const arrows[4] = {mvbvar_top, mvbvar_up, mvbvar_down, mvbvar_bottom};
    placePagingArrows(arrows, 693, {60, 135, 408, 483}, {85, 70});
    for (QAbstractButton* a : arrows)
        if (a)
            a->raise(); // over the table's scroll bar
    struct Bottom {
        QAbstractButton* button;
        const char* text;
    };
    const Bottom row[] = {{mvbvar_clearsel, QT_TRANSLATE_NOOP("MainWindow", "Clear\nSelection")},
                          {mvbvar_filter, QT_TRANSLATE_NOOP("MainWindow", "Filter")},
                          {mvbvar_loadfile, QT_TRANSLATE_NOOP("MainWindow", "Load File")},
                          {mvbvar_savefile, QT_TRANSLATE_NOOP("MainWindow", "Save File")},
                          {mvbvar_display, QT_TRANSLATE_NOOP("MainWindow", "Display")}};
    int x = 8;
    for (const Bottom& b : row) {
        if (b.button) {
            b.button->setGeometry(x, 563, 138, 60); // two lines of Devanagari fit
            b.button->setText(ui::trScreen(b.text));
        }
        x += 158;
    }
}

void VariableView::MVBVar_Create_Table(int rows)
{
    QTableWidget* t = t_mvbvar;
    if (!t)
        return;
    const QSignalBlocker quiet(t->verticalScrollBar());
    t->setRowCount(0);
    t->setColumnCount(8);
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(kRowHeight);
    t->setRowCount(rows);
    Table_updown_old_Variables = -1;
}

void VariableView::styleCell(int row, int column)
{
    QTableWidget* t = t_mvbvar;
    QTableWidgetItem* item = t ? t->item(row, column) : nullptr;
    if (!item)
        return;
    item->setFlags(Qt::ItemIsEnabled);
    if (column <= kVisibleColumns)
        item->setTextAlignment(Qt::AlignCenter);
    if (column != 1)
        return;
    // The tick box: ticked by the table's click handler, not by Qt itself,
    // so a finger anywhere in the column ticks (a click on the box only
    // would otherwise toggle it twice).
    auto* box = new QTableWidgetItem;
    box->setFlags(Qt::ItemIsEnabled);
    box->setCheckState(checked_items.contains(row) ? Qt::Checked : Qt::Unchecked);
    t->setItem(row, 0, box);
}

void VariableView::MVBVar_Table_design()
{
    QTableWidget* t = t_mvbvar;
    if (!t)
        return;
    t->setGeometry(8, 56, 780, 497);
    t->setStyleSheet(maint::variableTableStyle());
    t->setFont(maint::tahoma(18));
    t->setHorizontalHeaderLabels(
        {QCoreApplication::translate("MainWindow", "Sel"), QCoreApplication::translate("MainWindow", "Telegram"),
         QCoreApplication::translate("MainWindow", "Signal Name"), QCoreApplication::translate("MainWindow", "Type"),
         QString(), QString(), QString(), QString()});
    const int widths[kVisibleColumns] = {50, 150, 340, 136};
    for (int c = 0; c < t->columnCount(); ++c) {
        if (c < kVisibleColumns)
            t->setColumnWidth(c, widths[c]);
        t->setColumnHidden(c, c >= kVisibleColumns); // member, port and offsets: kept for the sets
    }
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->verticalHeader()->hide();
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QHeaderView* h = t->horizontalHeader();
    h->setFixedHeight(47);
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setHighlightSections(false);
    putStyle(h, maint::kHeaderStyle);
    for (QAbstractButton* b : {mvbvar_top, mvbvar_up, mvbvar_down, mvbvar_bottom})
        if (b)
            b->raise();
}

void VariableView::showSelection(int row, Scroll scroll)
{
    QTableWidget* t = t_mvbvar;
    if (!t)
        return;
    m_movingSelection = true;
    if (Table_updown_old_Variables != row)
        paintRow(Table_updown_old_Variables, false);
    paintRow(row, true);
    Table_updown_old_Variables = row;
    if (scroll == Scroll::Top)
        t->scrollToTop();
    else if (scroll == Scroll::Bottom)
        t->scrollToBottom();
    else if (scroll == Scroll::Visible && row >= 0 && row < t->rowCount())
        t->scrollTo(t->model()->index(row, 1), QAbstractItemView::EnsureVisible);
    m_movingSelection = false;
}

void VariableView::paintRow(int row, bool selected)
{
    QTableWidget* t = t_mvbvar;
    if (!t || row < 0 || row >= t->rowCount())
        return;
    const QColor& bg = selected ? maint::kSelectedBackground : maint::kRowBackground;
    for (int c = 0; c < kVisibleColumns; ++c)
        if (QTableWidgetItem* item = t->item(row, c); item && item->background().color() != bg)
            item->setBackground(bg);
}

int VariableView::rowCount() const
{
    return t_mvbvar ? t_mvbvar->rowCount() : 0;
}

bool VariableView::rowHidden(int row) const
{
    return t_mvbvar && t_mvbvar->isRowHidden(row);
}

QString VariableView::cell(int row, int column) const
{
    const QTableWidgetItem* item = t_mvbvar ? t_mvbvar->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

descriptor::Row VariableView::rowAt(int row) const
{
    descriptor::Row r;
    for (int c = descriptor::Telegram; c < descriptor::ColumnCount; ++c)
        r.cells[size_t(c)] = cell(row, c);
    return r;
}

int VariableView::topRow() const
{
    return t_mvbvar ? t_mvbvar->rowAt(0) : -1;
}

void VariableView::setTicked(int row, bool on)
{
    QTableWidgetItem* box = t_mvbvar ? t_mvbvar->item(row, 0) : nullptr;
    if (box && box->checkState() != (on ? Qt::Checked : Qt::Unchecked))
        box->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

bool VariableView::ticked(int row) const
{
    const QTableWidgetItem* box = t_mvbvar ? t_mvbvar->item(row, 0) : nullptr;
    return box && box->checkState() == Qt::Checked;
}

void VariableView::untickAll()
{
    for (int row : checked_items.rows())
        setTicked(row, false);
    checked_items.clear();
    showCount();
}

void VariableView::showCount()
{
    putText(mvbvar_selvar, QString::number(checked_items.count()));
}

void VariableView::filterRows(const std::function<bool(int row)>& keep)
{
    QTableWidget* t = t_mvbvar;
    if (!t)
        return;
    for (int r = 0; r < t->rowCount(); ++r) {
        const bool hide = !keep(r);
        if (t->isRowHidden(r) != hide)
            t->setRowHidden(r, hide);
    }
}

void VariableView::showLoading(QWidget* statusLabel, bool shown)
{
    auto* label = qobject_cast<QLabel*>(statusLabel);
    if (!label)
        return;
    m_loadingLabel = label;
    if (!shown) {
        label->hide();
        return;
    }
    label->setGeometry(300, 300, 200, 40);
    label->setText(QCoreApplication::translate("MainWindow", "Loading..."));
    label->setStyleSheet(maint::kLoadingStyle);
    label->adjustSize(); // 35 pt does not fit 200 x 40
    label->show();
    label->raise();
}

bool VariableView::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the screen takes "Loading..." with it.
    if (watched == Gmaint_mvbvariables && event->type() == QEvent::Hide && m_loadingLabel)
        m_loadingLabel->hide();
    return QObject::eventFilter(watched, event);
}

// ============================================================ the display

void VariableView::layoutDisplay()
{
    if (mvbvarsel_header) {
        mvbvarsel_header->setGeometry(20, 10, 600, 40);
        mvbvarsel_header->setText(QCoreApplication::translate("MainWindow", "MVB VARIABLES"));
        putStyle(mvbvarsel_header, ui::titleStyle(22));
    }
    if (back) {
        back->setGeometry(704, 22, 80, 36);
        back->setText(QCoreApplication::translate("MainWindow", "BACK"));
        back->raise();
    }
}

void VariableView::MVBVardisplay_Create_Table(int count)
{
    (void)count; // two tables of ten rows hold every entry shown
    int x = 20;
    for (QTableWidget* t : {t_mvbvarsel1, t_mvbvarsel2}) {
        if (!t)
            continue;
        // 480 px wide, not 370: at 18 pt the fonts we have need the room
        // for a signal name and a value such as "-99.9756 %".
        t->setGeometry(x, 60, 480, 550);
        x += 500;
        t->clearContents();
        t->setRowCount(10);
        t->setColumnCount(2);
    }
    m_valuesShown.clear();
}

void VariableView::mvbvar_display_design()
{
    styleDisplayTable(t_mvbvarsel1);
    styleDisplayTable(t_mvbvarsel2);
}

void VariableView::styleDisplayTable(QTableWidget* t)
{
    if (!t)
        return;
    t->setColumnWidth(0, 300);
    t->setColumnWidth(1, 176);
    for (int r = 0; r < t->rowCount(); ++r)
        t->setRowHeight(r, r == t->rowCount() - 1 ? 51 : 55);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void VariableView::showNames(const QVector<micview::Entry>& entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        m_write(i, 0, 0, 5, QStringLiteral("  ") + entries[i].name);
        displayItem(i, 0);
    }
}

// The item of entry i in column `column` after the cell writer, in Tahoma or
// a narrow face of its width.
QTableWidgetItem* VariableView::displayItem(int i, int column)
{
    QTableWidget* t = i < 10 ? t_mvbvarsel1 : t_mvbvarsel2;
    QTableWidgetItem* item = t ? t->item(i < 10 ? i : i - 10, column) : nullptr;
    if (item)
        item->setFont(maint::tahoma(18));
    return item;
}

void VariableView::updateValues(const QStringList& values)
{
    if (m_valuesShown.size() < values.size())
        m_valuesShown.resize(values.size(), QStringLiteral("?"));
    for (int i = 0; i < values.size(); ++i) {
        if (values[i] == m_valuesShown[i])
            continue;
        const bool unknown = values[i].isEmpty();
        m_write(i, 1, 1, 5, unknown ? kDash : values[i]);
        if (QTableWidgetItem* item = displayItem(i, 1); item && unknown)
            item->setForeground(QColor(kNoDataGrey));
        m_valuesShown[i] = values[i];
    }
}
