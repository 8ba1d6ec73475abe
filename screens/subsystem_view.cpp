#include "screens/subsystem_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

#include "screens/table_cells.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ui;

namespace {

// The main grid lies exactly on its touch cells (window x 92 .. 919, y 125 .. 550).
const int kMainWidths[5] = {163, 166, 166, 146, 186};
const int kMainHeights[4] = {106, 106, 106, 107};
const QRect kMainGrid(90, 73, 827, 425);
// The menu grid: window x 200 .. 820, y 133 .. 533, in the menu frame at (175, 53).
const QRect kMenuGrid(25, 80, 620, 400);

// Time, subsystem and code narrow enough that the message keeps its 4 lines
// of 40 characters beside the 90 px scroll bar; 15 pt in the narrow face
// (18 pt cut the time and the code in their columns, and a message's fourth
// line out of its 99 px row).
const int kListWidths[4] = {130, 150, 110, 0};
constexpr int kListPointSize = 15;
// The grids' names on one line each in the narrow face.
constexpr int kMainGridPointSize = 16;
constexpr int kListRowHeight = 99;
const QColor kSelected(29, 65, 74, 135);
const QColor kPlain(0, 0, 0);

QString mainCellText(int number, const char* faultText)
{
    if (number == proc::kSubsystemCells)
        return ui::trScreen("ALL");
    QString text =
        QStringLiteral("SS%1\n").arg(number, 2, 10, QLatin1Char('0')) + ui::trScreen(proc::subsystemLongName(number));
    if (faultText)
        text += QLatin1Char('\n') + ui::trScreen(faultText);
    return text;
}

QString menuCellText(int number)
{
    return QStringLiteral("SS%1\n").arg(number, 2, 10, QLatin1Char('0')) +
        ui::trScreen(proc::subsystemShortName(number));
}

} // namespace

SubsystemView::SubsystemView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("subsystemView"));
}

void SubsystemView::build(QWidget* root)
{
    if (QWidget* g = root->findChild<QWidget*>(QStringLiteral("Gsub_system")))
        opaqueGroup(g);
    if (QWidget* g = root->findChild<QWidget*>(QStringLiteral("Gmenu_subsys"))) {
        opaqueGroup(g);
        ddu_ui::table(g, "t_msubsys", kMenuGrid, 4, 5);
    }
}

QStringList SubsystemView::widgetNames()
{
    QStringList names;
#define SUBSYS_NAME(type, n) names << QStringLiteral(#n);
    SUBSYS_WIDGETS(SUBSYS_NAME)
#undef SUBSYS_NAME
    return names;
}

QStringList SubsystemView::resolve(QWidget* root)
{
    QStringList missing;
#define SUBSYS_RESOLVE(type, n) findWidget(root, n, #n, missing);
    SUBSYS_WIDGETS(SUBSYS_RESOLVE)
#undef SUBSYS_RESOLVE
    if (subsys_back) {
        QAbstractButton* arrows[5] = {subsys_back, subsys_top, subsys_up, subsys_down, subsys_bottom};
        const QString* icons[5] = {&Dir_rms_img_Back, &Dir_rms_img_ArrowTop, &Dir_rms_img_ArrowUp,
                                   &Dir_rms_img_ArrowDown, &Dir_rms_img_ArrowBottom};
        const QSize sizes[5] = {{30, 30}, {43, 40}, {37, 37}, {37, 37}, {43, 40}};
        for (int k = 0; k < 5; ++k)
            if (arrows[k])
                putIcon(arrows[k], *icons[k], sizes[k]);
    }
    return missing;
}

void SubsystemView::redrawGrids()
{
    std::fill(std::begin(m_mainDrawn), std::end(m_mainDrawn), 0);
    std::fill(std::begin(m_menuDrawn), std::end(m_menuDrawn), 0);
}

// ================================================================ grids

void SubsystemView::layoutMainGrid()
{
    QTableWidget* t = t_subsystem;
    if (!t ||
        (t->geometry() == kMainGrid && t->columnWidth(3) == kMainWidths[3] && t->styleSheet() == look::SubsystemGrid))
        return;
    plainTable(t, look::SubsystemGrid);
    if (t->rowCount() != 4 || t->columnCount() != 5) {
        t->setRowCount(4);
        t->setColumnCount(5);
    }
    for (int c = 0; c < 5; ++c)
        t->setColumnWidth(c, kMainWidths[c]);
    for (int r = 0; r < 4; ++r)
        t->setRowHeight(r, kMainHeights[r]);
    t->setGeometry(kMainGrid);
    // Its cells cover it exactly: what lies under it is not painted first.
    t->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    putStyle(sub_locono, look::LocoCaption);
    putStyle(subsys_locono, look::LocoNumber);
    putStyle(subsys_vertline, look::DividerLine);
}

void SubsystemView::putGridCell(QTableWidget* t, proc::Grid grid, int loco, int cell, int code, quint64& drawn)
{
    const quint64 key = (quint64(1) << 63) | (quint64(loco) << 32) | quint32(code);
    if (!t || drawn == key)
        return;
    const int number = cell + 1;
    proc::CellLook look;
    if (grid == proc::Grid::Menu && number == proc::kSubsystemCells) {
        look = proc::spareLook();
    } else if (grid == proc::Grid::Main && number == proc::kSubsystemCells) {
        look = proc::unknownCodeLook(grid); // "ALL" is no subsystem: never a state colour
    } else if (!proc::subsystemLook(grid, loco, code, look)) {
        look = proc::unknownCodeLook(grid); // a code the display does not know claims no state
    }
    const bool main = grid == proc::Grid::Main;
    QTableWidgetItem* item = cellItem(t, cell / 5, cell % 5, tableFont(main ? kMainGridPointSize : 21));
    putCellText(item, main ? mainCellText(number, look.faultText) : menuCellText(number));
    putCellColours(item, look.text, look.background);
    drawn = key;
}

void SubsystemView::updateMainGrid(const SignalStore& s, int loco)
{
    const int* codes = loco == 2 ? s.MVB_DDU_LOCO2_SUB_System : s.MVB_DDU_LOCO_SUB_System;
    for (int k = 0; k < proc::kSubsystemCells; ++k)
        putGridCell(t_subsystem, proc::Grid::Main, loco == 2 ? 2 : 1, k, codes[k], m_mainDrawn[k]);
}

void SubsystemView::layoutMenuGrid(bool hindi)
{
    ui::placeMenuHeader(menuscreen_header, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "SUB-SYS STATUS")), 26, hindi);
    QTableWidget* t = t_msubsys;
    if (!t || t->styleSheet() == look::SubsystemGrid)
        return;
    plainTable(t, look::SubsystemGrid);
    for (int c = 0; c < 5; ++c)
        t->setColumnWidth(c, kMenuGrid.width() / 5);
    for (int r = 0; r < 4; ++r)
        t->setRowHeight(r, kMenuGrid.height() / 4);
    t->setGeometry(kMenuGrid);
    t->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    for (int k = 0; k < proc::kSubsystemCells; ++k) // cells start in grey text
        putCellColours(cellItem(t, k / 5, k % 5, tableFont(21)), kNoDataGrey, kCellBackground);
}

// The menu grid always shows the own loco: the menu offers no choice of loco.
void SubsystemView::updateMenuGrid(const SignalStore& s)
{
    for (int k = 0; k < proc::kSubsystemCells; ++k)
        putGridCell(t_msubsys, proc::Grid::Menu, 1, k, s.MVB_DDU_LOCO_SUB_System[k], m_menuDrawn[k]);
}

// ================================================================ message list

void SubsystemView::layoutList(const QString& subsystemNo)
{
    QTableWidget* t = t_browseloco;
    if (!t)
        return;
    t->setStyleSheet(look::MessageList);
    t->setGeometry(8, 60, 904, 448);
    t->horizontalHeader()->show();
    t->horizontalHeader()->setFixedHeight(40);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setWordWrap(true);
    if (t->columnCount() != 4)
        t->setColumnCount(4);
    t->setHorizontalHeaderLabels({ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Time")),
                                  ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "SubSystem")),
                                  ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Code")),
                                  ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Messages"))});
    for (int c = 0; c < 3; ++c)
        t->setColumnWidth(c, kListWidths[c]);
    putStyle(sub_message, ui::titleStyle(22));
    putText(sub_message, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "MESSAGES - ")) + subsystemNo);
    putStyle(subsys_vertline, look::DividerLine);
}

int SubsystemView::fill(const QVector<subsys::Message>& messages)
{
    QTableWidget* t = t_browseloco;
    if (!t)
        return 0;
    m_movingSelection = true; // filling moves the scroll bar: that is no choice of a row
    t->setRowCount(0);
    t->setRowCount(messages.size());
    const QFont font = tableFont(kListPointSize);
    for (int r = 0; r < messages.size(); ++r) {
        const subsys::Message& m = messages[r];
        const QString texts[4] = {m.time, m.subsystem, m.code, m.text};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setFlags(Qt::ItemIsEnabled);
            item->setFont(font);
            item->setForeground(QColor(kCellText));
            item->setBackground(kPlain);
            item->setTextAlignment(c == 3 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
            t->setItem(r, c, item);
        }
        t->setRowHeight(r, kListRowHeight);
    }
    m_paintedRow = -1;
    m_movingSelection = false;
    Total_Table_Row_Fault = messages.size();
    return Total_Table_Row_Fault;
}

void SubsystemView::resetListColours()
{
    QTableWidget* t = t_browseloco;
    for (int r = 0; t && r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            if (QTableWidgetItem* item = t->item(r, c))
                if (item->background().color() != kPlain)
                    item->setBackground(kPlain);
    m_paintedRow = -1;
}

void SubsystemView::paintSelection(int row)
{
    QTableWidget* t = t_browseloco;
    if (!t)
        return;
    resetListColours();
    for (int c = 0; c < t->columnCount(); ++c)
        if (QTableWidgetItem* item = t->item(row, c))
            item->setBackground(kSelected);
    m_paintedRow = row;
}

void SubsystemView::select(int row, Scroll scroll)
{
    QTableWidget* t = t_browseloco;
    if (!t || Total_Table_Row_Fault <= 0)
        return;
    row = std::clamp(row, 0, Total_Table_Row_Fault - 1);
    m_movingSelection = true;
    Table_updown_Fault = row;
    Table_updown_old_Fault = row;
    paintSelection(row);
    switch (scroll) {
    case Scroll::None: break;
    case Scroll::Visible: t->scrollToItem(t->item(row, 0)); break;
    case Scroll::Top: t->scrollToTop(); break;
    case Scroll::Bottom: t->scrollToBottom(); break;
    }
    m_movingSelection = false;
}

void SubsystemView::pick(int row)
{
    if (m_movingSelection || row < 0 || row >= Total_Table_Row_Fault)
        return;
    Table_updown_Fault = row;
    paintSelection(row);
}
