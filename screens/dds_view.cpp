#include "screens/dds_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "ui/look.h"
#include "ui/resources.h"
#include "ui/widget_writer.h"

using namespace ui;

namespace {

constexpr int kRowHeight = 100;
constexpr int kHeaderHeight = 47;
constexpr int kColumnWidths[4] = {150, 150, 200, 395};
const char* const kHeaders[4] = {
    QT_TRANSLATE_NOOP("MainWindow", "Ref. No."), QT_TRANSLATE_NOOP("MainWindow", "Date/Time"),
    QT_TRANSLATE_NOOP("MainWindow", "Processor"), QT_TRANSLATE_NOOP("MainWindow", "Fault Message")};

// Table text: Tahoma, or where the unit lacks it a narrow face of about its
// width (DejaVu Sans at the same size cuts a date in the 150 px columns).
QFont tahoma(int pointSize)
{
    QFont f(QStringLiteral("Tahoma"), pointSize);
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    return f;
}

} // namespace

DdsView::DdsView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ddsView"));
}

QStringList DdsView::widgetNames()
{
    QStringList names;
#define DDS_NAME(type, n) names << QStringLiteral(#n);
    DDS_WIDGETS(DDS_NAME)
#undef DDS_NAME
    return names;
}

QStringList DdsView::resolve(QWidget* root)
{
    QStringList missing;
#define DDS_RESOLVE(type, n) findWidget(root, n, #n, missing);
    DDS_WIDGETS(DDS_RESOLVE)
#undef DDS_RESOLVE
    return missing;
}

void DdsView::layoutScreen()
{
    if (G_DDSscreen)
        G_DDSscreen->setGeometry(2, 52, 1020, 527);
    if (l_diagnosis) {
        l_diagnosis->setGeometry(20, 10, 300, 45); // 200 px cut the title in the fallback face
        l_diagnosis->setText(QCoreApplication::translate("MainWindow", "DIAGNOSIS"));
        putStyle(l_diagnosis, look::DdsTitle);
    }
    // The logs onto the stick: in the title row, right-aligned with the
    // table (below the table there is no room left in the group).
    if (b_dbtousb)
        b_dbtousb->setGeometry(738, 8, 180, 44);
    putShown(b_dbtousb, true);
    putShown(b_details, false);
}

void DdsView::layoutTable()
{
    QTableWidget* t = t_DDStable;
    if (!t)
        return;
    t->setGeometry(20, 60, 898, 448);
    t->setRowCount(4);
    t->setColumnCount(4);
    QStringList headers;
    for (int c = 0; c < 4; ++c) {
        t->setColumnWidth(c, kColumnWidths[c]);
        headers << QCoreApplication::translate("MainWindow", kHeaders[c]);
    }
    t->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < 4; ++r)
        t->setRowHeight(r, kRowHeight);
    t->setWordWrap(true);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->verticalHeader()->hide();
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* h = t->horizontalHeader();
    h->setFixedHeight(kHeaderHeight);
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setHighlightSections(false);
    putStyle(h, look::ListHeader);
}

void DdsView::layoutButtons()
{
    QAbstractButton* const buttons[4] = {b_ddsup_top, b_ddsup, b_ddsdown, b_ddsdown_btm};
    placePagingArrows(buttons, 920, {62, 137, 360, 435}, {75, 70});
    for (QAbstractButton* p : buttons) {
        if (!p)
            continue;
        p->setFocusPolicy(Qt::NoFocus);
        p->show();
    }
}

int DdsView::update(const DdsRowsToDraw& rows, bool portFresh)
{
    if (!portFresh) {
        if (m_stale)
            return 0;
        for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k)
            writeUnknownRow(k);
        m_stale = true;
        return DDU_RAW_DATA_COUNT;
    }
    const bool all = m_stale;
    m_stale = false;
    int written = 0;
    for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
        if (!all && !rows.redraw[size_t(k)])
            continue;
        writeRow(k, rows.records[size_t(k)]);
        ++written;
    }
    return written;
}

void DdsView::writeUnknownRow(int row)
{
    DDU_RAW_DATA_struct unknown;
    unknown.event_number = unknown.DateTime = unknown.Proc = unknown.FaultMessage = QStringLiteral("--");
    writeRow(row, unknown);
    if (t_DDStable)
        for (int c = 0; c < 4; ++c)
            t_DDStable->item(row, c)->setForeground(QColor(kNoDataGrey));
}

void DdsView::writeRow(int row, const DDU_RAW_DATA_struct& record)
{
    if (!t_DDStable)
        return;
    const QString cells[4] = {record.event_number, record.DateTime, record.Proc, record.FaultMessage};
    const QFont font = tahoma(20);
    for (int c = 0; c < 4; ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setFlags(Qt::ItemIsEnabled);
        item->setFont(font);
        item->setForeground(QColor(0x66, 0x66, 0x66));
        item->setBackground(QColor(0, 0, 0));
        item->setTextAlignment(Qt::AlignCenter);
        t_DDStable->setItem(row, c, item);
    }
}
