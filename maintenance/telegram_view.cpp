#include "maintenance/telegram_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetrics>
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

// The side-menu mark the key focus keeps (see the navigation's styles).
const char* const kSelectedProperty = "dduSelected";
constexpr int kDetailRowHeight = 33;

// A table that scrolls row by row, with its own bar switched off: the bar
// beside it (between the paging buttons) mirrors it.
void layoutTable(QTableWidget* t, QScrollBar* bar)
{
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->verticalHeader()->hide();
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QHeaderView* h = t->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setHighlightSections(false);
    putStyle(h, maint::kHeaderStyle);
    if (!bar)
        return;
    putStyle(bar, maint::kScrollBarStyle);
    QScrollBar* own = t->verticalScrollBar();
    QObject::connect(own, &QScrollBar::rangeChanged, bar, &QScrollBar::setRange, Qt::UniqueConnection);
    QObject::connect(own, &QScrollBar::valueChanged, bar, &QScrollBar::setValue, Qt::UniqueConnection);
    QObject::connect(bar, &QScrollBar::valueChanged, own, &QScrollBar::setValue, Qt::UniqueConnection);
    bar->setRange(own->minimum(), own->maximum());
    bar->setPageStep(own->pageStep());
}

void placeArrow(QAbstractButton* b, const QRect& r, const QString& icon, QSize size)
{
    if (!b)
        return;
    b->setGeometry(r);
    b->setText(QString());
    putIcon(b, icon, size);
    b->raise();
}

} // namespace

TelegramView::TelegramView(QObject* parent, CellWriter writer)
    : QObject(parent)
    , m_write(std::move(writer))
{
    setObjectName(QStringLiteral("telegramView"));
}

QStringList TelegramView::widgetNames()
{
    QStringList names;
#define TELEGRAM_NAME(type, n) names << QStringLiteral(#n);
    TELEGRAM_WIDGETS(TELEGRAM_NAME)
    FRESHNESS_WIDGETS(TELEGRAM_NAME)
#undef TELEGRAM_NAME
    return names;
}

QStringList TelegramView::resolve(QWidget* root)
{
    QStringList missing;
#define TELEGRAM_RESOLVE(type, n) findWidget(root, n, #n, missing);
    TELEGRAM_WIDGETS(TELEGRAM_RESOLVE)
    FRESHNESS_WIDGETS(TELEGRAM_RESOLVE)
#undef TELEGRAM_RESOLVE
    return missing;
}

// ============================================================ telegram screen

void TelegramView::layoutTelegram()
{
    if (mvbtele_header) {
        mvbtele_header->setGeometry(10, 8, 500, 40);
        mvbtele_header->setText(QCoreApplication::translate("MainWindow", "MVB TELEGRAM"));
        putStyle(mvbtele_header, ui::titleStyle(22));
    }
    layoutTelegramButtons();
    layoutTelegramLabels();
    if (vmvbtele_scol) {
        vmvbtele_scol->setGeometry(128, 203, 75, 252);
        vmvbtele_scol->show();
        vmvbtele_scol->raise();
    }
}

void TelegramView::layoutTelegramButtons()
{
    placeArrow(bmvbtele_top, {128, 58, 75, 70}, Dir_rms_img_ArrowTop, {43, 40});
    placeArrow(bmvbtele_up, {128, 133, 75, 70}, Dir_rms_img_ArrowUp, {37, 37});
    placeArrow(bmvbtele_down, {128, 465, 75, 70}, Dir_rms_img_ArrowDown, {37, 37});
    placeArrow(bmvbtele_bottm, {128, 540, 75, 70}, Dir_rms_img_ArrowBottom, {43, 40});
    struct Mode {
        QAbstractButton* button;
        int y;
        const char* text;
    };
    const Mode modes[] = {{bmvbtele_bin, 143, QT_TRANSLATE_NOOP("MainWindow", "BITS")},
                          {bmvbtele_byte, 228, QT_TRANSLATE_NOOP("MainWindow", "BYTES")},
                          {bmvbtele_word, 313, QT_TRANSLATE_NOOP("MainWindow", "WORDS")}};
    for (const Mode& m : modes) {
        if (!m.button)
            continue;
        m.button->setGeometry(233, m.y, 200, 75);
        m.button->setText(ui::trScreen(m.text));
    }
}

void TelegramView::layoutTelegramLabels()
{
    struct Info {
        QLabel* caption;
        QLabel* value;
        const char* text;
    };
    const Info info[] = {
        {mvbtele_portname_txt, mvbtele_portname_value, QT_TRANSLATE_NOOP("MainWindow", "Port number:")},
        {mvbtele_status_txt, mvbtele_status_value, QT_TRANSLATE_NOOP("MainWindow", "Status:")},
        {mvbtele_porttype_txt, mvbtele_porttype_value, QT_TRANSLATE_NOOP("MainWindow", "Port type:")},
        {mvbtele_fress_txt, mvbtele_fress_value, QT_TRANSLATE_NOOP("MainWindow", "Freshness:")}};
    int y = 400;
    for (const Info& i : info) {
        if (i.caption) {
            i.caption->setGeometry(233, y, 200, 24);
            i.caption->setText(ui::trScreen(i.text));
            putStyle(i.caption, maint::kCaptionStyle);
        }
        if (i.value) {
            i.value->setGeometry(233, y + 24, 200, 30);
            putStyle(i.value, maint::kValueStyle);
        }
        y += 57;
    }
}

void TelegramView::Create_MVBTele_Table(int rows)
{
    QTableWidget* t = tmvbtelegram;
    if (!t)
        return;
    // Filling moves the scroll bar: its handler must not take that for a choice.
    const QSignalBlocker quiet(t->verticalScrollBar());
    t->setGeometry(8, 58, 120, 560);
    t->setRowCount(0);
    t->setColumnCount(3);
    t->setRowCount(rows);
    t->setHorizontalHeaderLabels({QCoreApplication::translate("MainWindow", "Port"), QString(), QString()});
    t->setColumnWidth(0, 116);
    t->setColumnHidden(1, true); // direction and F-code: kept for the details
    t->setColumnHidden(2, true);
    t->verticalHeader()->setDefaultSectionSize(40);
    t->horizontalHeader()->setFixedHeight(40);
    layoutTable(t, vmvbtele_scol);
    m_teleSelected = -1;
}

void TelegramView::Create_MVBTele_Table_details()
{
    QTableWidget* t = tmvbtelegram_details;
    if (!t)
        return;
    t->setGeometry(440, 58, 344, kDetailRowHeight * telegram::kDetailRows + 2);
    t->setRowCount(telegram::kDetailRows);
    t->setColumnCount(2);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(kDetailRowHeight);
    t->setColumnWidth(0, 66);
    t->setColumnWidth(1, 276);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < telegram::kDetailRows; ++r)
        for (int c = 0; c < 2; ++c)
            if (!t->item(r, c)) {
                auto* item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled);
                item->setFont(maint::tahoma(r == 0 || c == 0 ? 15 : 18));
                item->setForeground(r == 0 ? QColor(0x9a, 0x9a, 0x9a) : maint::kCellText);
                item->setBackground(r == 0 ? QColor(0x1d, 0x41, 0x4a) : maint::kRowBackground);
                item->setTextAlignment(Qt::AlignCenter);
                t->setItem(r, c, item);
            }
}

void TelegramView::showTelegramSelection(int row, Scroll scroll)
{
    QTableWidget* t = tmvbtelegram;
    if (!t)
        return;
    m_movingSelection = true;
    if (m_teleSelected != row)
        paintRow(t, m_teleSelected, 1, false);
    paintRow(t, row, 1, true);
    m_teleSelected = row;
    scrollTo(t, row, scroll);
    m_movingSelection = false;
}

void TelegramView::styleModeButtons()
{
    const QAbstractButton* current = m_mode == telegram::Mode::Bits ? bmvbtele_bin
        : m_mode == telegram::Mode::Bytes                           ? bmvbtele_byte
                                                                    : bmvbtele_word;
    for (QAbstractButton* b : {bmvbtele_bin, bmvbtele_byte, bmvbtele_word}) {
        if (!b)
            continue;
        b->setProperty(kSelectedProperty, b == current);
        putStyle(b, b == current ? ui::Tab_Pressed_Style : ui::Tab_Other_Style);
    }
}

void TelegramView::buildDetails(telegram::Mode mode, int row)
{
    m_mode = mode;
    styleModeButtons();
    QTableWidget* ports = tmvbtelegram;
    auto cell = [ports, row](int column) {
        const QTableWidgetItem* item = ports && row >= 0 ? ports->item(row, column) : nullptr;
        return item ? item->text() : QString();
    };
    putText(mvbtele_portname_value, cell(0));
    putText(mvbtele_porttype_value, cell(1));
    m_fcode = cell(2).toInt();
    const bool any = !cell(0).isEmpty();
    mvbtelegram_total_row_show = any ? telegram::dataRows(mode, m_fcode) : 0;
    putDetail(0, 0, QString(), false);
    putDetail(0, 1, telegram::heading(mode), false);
    for (int r = 1; r < telegram::kDetailRows; ++r) {
        const bool data = r <= mvbtelegram_total_row_show;
        putDetail(r, 0, data ? telegram::offsetLabel(mode, r) : QString(), false);
        putDetail(r, 1, data ? telegram::placeholder(mode) : QString(), false);
    }
}

void TelegramView::updateTelegram(const uint16_t* words, const QString& freshness)
{
    if (mvbtelegram_total_row_show <= 0)
        return;
    putText(mvbtele_status_value, QStringLiteral("-"));
    putText(mvbtele_fress_value, freshness.isEmpty() ? kDash : freshness);
    putStyle(mvbtele_fress_value, freshness.isEmpty() ? maint::kValueUnknownStyle : maint::kValueStyle);
    for (int r = 1; r <= mvbtelegram_total_row_show; ++r)
        putDetail(r, 1, words ? telegram::rowText(m_mode, m_fcode, words, r) : kDash, !words);
}

void TelegramView::putDetail(int row, int column, const QString& text, bool unknown)
{
    QTableWidgetItem* item = tmvbtelegram_details ? tmvbtelegram_details->item(row, column) : nullptr;
    if (!item)
        return;
    if (item->text() != text)
        item->setText(text);
    if (row > 0 && column == 1) {
        // Every byte shown: a row too wide for the column (eight bytes with
        // their blanks) is drawn in a smaller face rather than cut off.
        QFont font = maint::tahoma(18);
        const int room = tmvbtelegram_details->columnWidth(1) - 6;
        while (font.pointSize() > 10 && QFontMetrics(font).horizontalAdvance(text) > room)
            font.setPointSize(font.pointSize() - 1);
        if (item->font() != font)
            item->setFont(font);
    }
    const QColor fg = row == 0 ? QColor(0x9a, 0x9a, 0x9a) : unknown ? QColor(kNoDataGrey) : maint::kCellText;
    if (item->foreground().color() != fg)
        item->setForeground(fg);
}

// ============================================================ freshness screen

void TelegramView::layoutFreshness()
{
    if (mvbfresh_header) {
        mvbfresh_header->setGeometry(10, 8, 500, 40);
        mvbfresh_header->setText(QCoreApplication::translate("MainWindow", "MVB FRESHNESS"));
        putStyle(mvbfresh_header, ui::titleStyle(22));
    }
    layoutFreshnessButtons();
    if (vmvbfresh_scol) {
        vmvbfresh_scol->setGeometry(674, 248, 84, 232);
        vmvbfresh_scol->raise();
    }
}

void TelegramView::layoutFreshnessButtons()
{
    if (bmvbfreh_reset) {
        bmvbfreh_reset->setGeometry(674, 56, 84, 65); // two lines of Devanagari fit
        bmvbfreh_reset->setText(QCoreApplication::translate("MainWindow", "Reset\nMax"));
    }
    placeArrow(bmvbfreh_top, {674, 123, 84, 60}, Dir_rms_img_ArrowTop, {43, 40});
    placeArrow(bmvbfreh_up, {674, 188, 84, 60}, Dir_rms_img_ArrowUp, {37, 37});
    placeArrow(bmvbfreh_down, {674, 480, 84, 60}, Dir_rms_img_ArrowDown, {37, 37});
    placeArrow(bmvbfreh_bottom, {674, 545, 84, 60}, Dir_rms_img_ArrowBottom, {43, 40});
}

void TelegramView::Create_MVBFresh_Table(int rows)
{
    QTableWidget* t = tmvbfreshness;
    if (!t)
        return;
    // Filling moves the scroll bar: its handler must not take that for a choice.
    const QSignalBlocker quiet(t->verticalScrollBar());
    t->setGeometry(18, 56, 650, 538); // header and fourteen whole rows, down to the bottom key
    t->setRowCount(0);
    t->setColumnCount(3);
    t->setRowCount(rows);
    t->setHorizontalHeaderLabels({QCoreApplication::translate("MainWindow", "Port"),
                                  QCoreApplication::translate("MainWindow", "Freshness(ms)"),
                                  QCoreApplication::translate("MainWindow", "Maximum \n Freshness(ms)")});
    const int widths[3] = {154, 240, 240};
    for (int c = 0; c < 3; ++c)
        t->setColumnWidth(c, widths[c]);
    t->verticalHeader()->setDefaultSectionSize(34);
    t->horizontalHeader()->setFixedHeight(60);
    layoutTable(t, vmvbfresh_scol);
    t->setVisible(rows > 0);
    m_freshShown = QStringList(rows, QStringLiteral("?"));
    m_maxShown = QStringList(rows, QStringLiteral("?"));
    m_freshSelected = -1;
}

void TelegramView::showFreshnessSelection(int row, Scroll scroll)
{
    QTableWidget* t = tmvbfreshness;
    if (!t)
        return;
    m_movingSelection = true;
    if (m_freshSelected != row)
        paintRow(t, m_freshSelected, 3, false);
    paintRow(t, row, 3, true);
    m_freshSelected = row;
    scrollTo(t, row, scroll);
    m_movingSelection = false;
}

void TelegramView::updateFreshness(const QStringList& freshness, const QStringList& maximum)
{
    const int rows = qMin(m_freshShown.size(), freshness.size());
    for (int r = 0; r < rows; ++r) {
        if (freshness[r] != m_freshShown[r]) {
            writeFreshCell(r, 1, freshness[r]);
            m_freshShown[r] = freshness[r];
        }
        if (r < maximum.size() && maximum[r] != m_maxShown[r]) {
            writeFreshCell(r, 2, maximum[r]);
            m_maxShown[r] = maximum[r];
        }
    }
}

void TelegramView::clearMaximum()
{
    for (int r = 0; r < m_maxShown.size(); ++r) {
        m_write(r, 2, 2, 1, QString());
        m_maxShown[r] = QString();
    }
    if (m_freshSelected >= 0)
        paintRow(tmvbfreshness, m_freshSelected, 3, true);
}

void TelegramView::writeFreshCell(int row, int column, const QString& text)
{
    const bool unknown = text.isEmpty();
    m_write(row, column, column, 1, unknown ? kDash : text);
    QTableWidgetItem* item = tmvbfreshness ? tmvbfreshness->item(row, column) : nullptr;
    if (!item)
        return;
    if (unknown)
        item->setForeground(QColor(kNoDataGrey));
    else if (text == staleText())
        item->setForeground(QColor(kOrange));
    if (row == m_freshSelected)
        item->setBackground(maint::kSelectedBackground);
}

// ============================================================ both

QString TelegramView::staleText()
{
    return ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "stale"));
}

void TelegramView::paintRow(QTableWidget* t, int row, int columns, bool selected)
{
    if (!t || row < 0 || row >= t->rowCount())
        return;
    const QColor& bg = selected ? maint::kSelectedBackground : maint::kRowBackground;
    for (int c = 0; c < columns; ++c)
        if (QTableWidgetItem* item = t->item(row, c); item && item->background().color() != bg)
            item->setBackground(bg);
}

void TelegramView::scrollTo(QTableWidget* t, int row, Scroll scroll)
{
    if (scroll == Scroll::Top)
        t->scrollToTop();
    else if (scroll == Scroll::Bottom)
        t->scrollToBottom();
    else if (scroll == Scroll::Visible && row >= 0 && row < t->rowCount())
        t->scrollTo(t->model()->index(row, 0), QAbstractItemView::EnsureVisible);
}
