#include "screens/diagnosis_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

#include "diagnostics/diagnosis_reference.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/widget_writer.h"

using namespace ui;

namespace {

// Radio buttons 130 px wide (95 cut the names in the fallback face); the
// pitch of 160 px and the touch grid stay.
constexpr int kRadioWidth = 130;

constexpr int kListWidths[4] = {90, 150, 150, 491};
const QColor kRowBackground(0, 0, 0);
const QColor kSelectedBackground(29, 65, 74, 135);

// Marks the tab whose text is shown, so the keypad focus keeps its look.
const char* const kSelectedProperty = "dduSelected";

// Table text: Tahoma, or where the unit lacks it a narrow face of about its
// width (DejaVu Sans at the same size cuts a date in the 150 px columns).
QFont tahoma(int pointSize)
{
    QFont f(QStringLiteral("Tahoma"), pointSize);
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")});
    return f;
}

QTableWidgetItem* fixedItem(const QString& text, const QFont& font, const QColor& fg, const QColor& bg)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setFont(font);
    item->setForeground(fg);
    item->setBackground(bg);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

const char* const DiagnosisView::kProcessors[kProcessorCount] = {
    "FLG1", "FLG2", "HBB1", "HBB2", "FBV1", "FBV2", "DDA1", "DDA2", "STB1", "STB2", "ASC1",
    "ASC2", "NSC1", "NSC2", "SLG1", "SLG2", "DIA1", "BUR1", "BUR2", "BUR3", "ZBV1"};

QString DiagnosisView::radioName(int index)
{
    return QStringLiteral("r_") + QString::fromLatin1(kProcessors[index]).toLower();
}

DiagnosisView::DiagnosisView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("diagnosisView"));
}

QStringList DiagnosisView::widgetNames()
{
    QStringList names;
#define DIAG_NAME(type, n) names << QStringLiteral(#n);
    DIAG_CHOICE_WIDGETS(DIAG_NAME)
    DIAG_LIST_WIDGETS(DIAG_NAME)
    DIAG_DETAILS_WIDGETS(DIAG_NAME)
#undef DIAG_NAME
    for (int i = 0; i < kProcessorCount; ++i)
        names << radioName(i);
    return names;
}

QStringList DiagnosisView::resolve(QWidget* root)
{
    QStringList missing;
#define DIAG_RESOLVE(type, n) findWidget(root, n, #n, missing);
    DIAG_CHOICE_WIDGETS(DIAG_RESOLVE)
    DIAG_LIST_WIDGETS(DIAG_RESOLVE)
    DIAG_DETAILS_WIDGETS(DIAG_RESOLVE)
#undef DIAG_RESOLVE
    for (int i = 0; i < kProcessorCount; ++i)
        findWidget(root, radios[i], radioName(i).toLatin1().constData(), missing);
    return missing;
}

// ============================================================ processor choice

void DiagnosisView::layoutChoiceHeader(bool hindi)
{
    if (Gmenu_diagnosis)
        Gmenu_diagnosis->setGeometry(175, 53, 674, 525);
    // Smaller than the frame's usual 30 pt: "DIAGNOSIS RECORDS" fits the
    // room left of the back and home keys.
    ui::placeMenuHeader(menuscreen_header, QCoreApplication::translate("MainWindow", "DIAGNOSIS RECORDS"),
                        hindi ? 24 : 22, hindi);
    if (l_menudiag_selproc) {
        l_menudiag_selproc->setText(QCoreApplication::translate("MainWindow", "SELECT A PROCESSOR"));
        putStyle(l_menudiag_selproc, hindi ? look::DiagnosisPromptHindi : look::DiagnosisPrompt);
        l_menudiag_selproc->setGeometry(hindi ? 265 : 230, 90, 500, 30);
    }
}

void DiagnosisView::layoutChoiceGrid(bool hindi)
{
    if (Gdiag_radio) {
        Gdiag_radio->setGeometry(32, 130, 610, 370);
        putStyle(Gdiag_radio, look::ClearGroup);
    }
    if (b_menudiag_ok)
        b_menudiag_ok->setGeometry(230, 310, 120, 40);
    const int x0 = hindi ? 10 : 20;
    for (int i = 0; i < kProcessorCount; ++i)
        if (radios[i])
            radios[i]->setGeometry(x0 + 160 * (i % 4), 5 + 50 * (i / 4), kRadioWidth, 40);
}

void DiagnosisView::clearChoice()
{
    // Radio buttons of one group keep one of them checked: unchecking needs
    // the mutual exclusion off for a moment.
    for (QRadioButton* r : radios) {
        if (!r)
            continue;
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
}

QString DiagnosisView::chosenProcessor() const
{
    for (int i = 0; i < kProcessorCount; ++i)
        if (radios[i] && radios[i]->isChecked())
            return QLatin1String(kProcessors[i]);
    return QString();
}

// ============================================================ message list

void DiagnosisView::layoutList(const QString& processor)
{
    if (Gdiagnostics)
        Gdiagnostics->setGeometry(2, 52, 1020, 527);
    if (diag_header) {
        diag_header->setGeometry(20, 10, 600, 40);
        putStyle(diag_header, ui::titleStyle(22));
        diag_header->setText(QCoreApplication::translate("MainWindow", "DIAGNOSIS RECORDS") + QStringLiteral(" - ") +
                             processor);
    }
    showBlur(false);
    layoutListTable();
    layoutListButtons();
}

void DiagnosisView::layoutListTable()
{
    QTableWidget* t = t_diagnosis;
    if (!t)
        return;
    t->setGeometry(20, 60, 980, 448);
    if (t->columnCount() != diagref::ColumnCount)
        t->setColumnCount(diagref::ColumnCount);
    t->setHorizontalHeaderLabels({QCoreApplication::translate("MainWindow", "Sl. No."),
                                  QCoreApplication::translate("MainWindow", "Processor"),
                                  QCoreApplication::translate("MainWindow", "Subsystem"),
                                  QCoreApplication::translate("MainWindow", "Fault Message")});
    for (int c = 0; c < diagref::ColumnCount; ++c) {
        if (c < 4)
            t->setColumnWidth(c, kListWidths[c]);
        t->setColumnHidden(c, c >= 4);
    }
    t->setWordWrap(true);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->verticalHeader()->hide();
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The scroll bar's value is a row: the handler selects the row it names.
    t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    putStyle(t->verticalScrollBar(), look::ListScrollBar);
    QHeaderView* h = t->horizontalHeader();
    h->setFixedHeight(52);
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setHighlightSections(false);
    putStyle(h, look::ListHeader);
}

void DiagnosisView::layoutListButtons()
{
    if (diag_details) {
        diag_details->setGeometry(630, 10, 180, 40);
        diag_details->setText(QCoreApplication::translate("MainWindow", "DETAILS"));
    }
    if (diag_back) {
        diag_back->setGeometry(820, 10, 180, 40);
        diag_back->setText(QCoreApplication::translate("MainWindow", "BACK"));
    }
    QAbstractButton* const paging[4] = {diag_top, diag_up, diag_down, diag_bottom};
    placePagingArrows(paging, 910, {60, 125, 383, 448}, {90, 60});
    for (QAbstractButton* p : paging)
        if (p)
            p->raise();
    if (diag_vertline) {
        diag_vertline->setGeometry(903, 60, 7, 448);
        putStyle(diag_vertline, look::DividerLine);
        diag_vertline->raise();
    }
}

void DiagnosisView::showBlur(bool shown)
{
    if (!Gdiag_blur)
        return;
    if (shown) {
        Gdiag_blur->setGeometry(0, 0, 1020, 527);
        Gdiag_blur->show();
        Gdiag_blur->raise();
    } else {
        Gdiag_blur->hide();
    }
}

int DiagnosisView::rowCount() const
{
    return t_diagnosis ? t_diagnosis->rowCount() : 0;
}

QString DiagnosisView::cell(int row, int column) const
{
    const QTableWidgetItem* item = t_diagnosis ? t_diagnosis->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

void DiagnosisView::showSelection(int row, Scroll scroll)
{
    QTableWidget* t = t_diagnosis;
    if (!t)
        return;
    m_movingSelection = true;
    paintSelection(row);
    if (scroll == Scroll::Top)
        t->scrollToTop();
    else if (scroll == Scroll::Bottom)
        t->scrollToBottom();
    else if (scroll == Scroll::Visible && row >= 0 && row < t->rowCount())
        t->scrollTo(t->model()->index(row, 0), QAbstractItemView::EnsureVisible);
    m_movingSelection = false;
}

void DiagnosisView::paintSelection(int row)
{
    QTableWidget* t = t_diagnosis;
    for (int r = 0; r < t->rowCount(); ++r) {
        const QColor& bg = r == row ? kSelectedBackground : kRowBackground;
        for (int c = 0; c < 4; ++c)
            if (QTableWidgetItem* item = t->item(r, c); item && item->background().color() != bg)
                item->setBackground(bg);
    }
}

// ============================================================ message details

void DiagnosisView::layoutDetails()
{
    if (Gdiag_details)
        Gdiag_details->setGeometry(2, 52, 1020, 527);
    if (diagdetails_header) {
        diagdetails_header->setGeometry(270, 5, 500, 40);
        diagdetails_header->setText(QCoreApplication::translate("MainWindow", "MESSAGE DETAILS"));
        putStyle(diagdetails_header, ui::titleStyle(22));
        diagdetails_header->setAlignment(Qt::AlignCenter);
    }
    layoutDetailsTable();
    if (diag_signame) {
        diag_signame->setGeometry(70, 177, 202, 40);
        diag_signame->setText(QCoreApplication::translate("MainWindow", "Signal Name"));
        putStyle(diag_signame, look::DetailCaption);
        diag_signame->setAlignment(Qt::AlignCenter);
    }
    if (diag_sigval) {
        diag_sigval->setGeometry(271, 177, 669, 40);
        putStyle(diag_sigval, look::DetailSignal);
    }
    layoutDetailTabs();
    if (Gdiag_detailsca) {
        Gdiag_detailsca->setGeometry(272, 237, 668, 275);
        putStyle(Gdiag_detailsca, look::DetailTextBox);
    }
    if (diag_detailmess) {
        diag_detailmess->setGeometry(5, 5, 650, 265);
        diag_detailmess->setWordWrap(true);
        diag_detailmess->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        putStyle(diag_detailmess, look::DetailText);
    }
    if (diag_detailsback) {
        diag_detailsback->setGeometry(950, 467, 60, 45);
        putIcon(diag_detailsback, Dir_rms_img_Back, QSize(45, 45));
    }
}

void DiagnosisView::layoutDetailsTable()
{
    QTableWidget* t = t_diagdetails;
    if (!t)
        return;
    t->setGeometry(70, 55, 870, 102);
    t->setRowCount(2);
    t->setColumnCount(3);
    t->setRowHeight(0, 42);
    t->setRowHeight(1, 56);
    const int widths[3] = {185, 185, 496};
    const char* const captions[3] = {QT_TRANSLATE_NOOP("MainWindow", "Proc"), QT_TRANSLATE_NOOP("MainWindow", "Sub"),
                                     QT_TRANSLATE_NOOP("MainWindow", "Fault Message")};
    const QFont font = tahoma(21);
    for (int c = 0; c < 3; ++c) {
        t->setColumnWidth(c, widths[c]);
        t->setItem(0, c,
                   fixedItem(QCoreApplication::translate("MainWindow", captions[c]), font, QColor(0, 0, 0),
                             QColor(0x1d, 0x41, 0x4a)));
    }
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setWordWrap(true);
}

void DiagnosisView::layoutDetailTabs()
{
    struct TabButton {
        QAbstractButton* button;
        int y;
        const char* text;
    };
    const TabButton tabs[] = {{diag_detailsymp, 237, QT_TRANSLATE_NOOP("MainWindow", "SYMPTOMS")},
                              {diag_detailcause, 305, QT_TRANSLATE_NOOP("MainWindow", "CAUSES")},
                              {diag_detailadvice, 373, QT_TRANSLATE_NOOP("MainWindow", "ADVICE")}};
    for (const TabButton& b : tabs) {
        if (!b.button)
            continue;
        b.button->setGeometry(70, b.y, 200, 60);
        b.button->setText(QCoreApplication::translate("MainWindow", b.text));
    }
}

void DiagnosisView::showDetails(int row)
{
    if (QTableWidget* t = t_diagdetails) {
        const QFont font = tahoma(18);
        for (int c = 0; c < 3; ++c) {
            QTableWidgetItem* item = fixedItem(cell(row, c + 1), font, QColor(0xc8, 0xc8, 0xc8), kRowBackground);
            if (c == 2)
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            t->setItem(1, c, item);
        }
    }
    if (diag_sigval)
        diag_sigval->setText(cell(row, diagref::Signal));
    showTab(Tab::Symptoms, row);
}

void DiagnosisView::showTab(Tab tab, int row)
{
    const int column = tab == Tab::Symptoms ? diagref::Symptoms
        : tab == Tab::Causes                ? diagref::Causes
                                            : diagref::Remarks;
    if (diag_detailmess) {
        diag_detailmess->clear();
        diag_detailmess->setText(cell(row, column));
    }
    const std::pair<QAbstractButton*, Tab> buttons[] = {
        {diag_detailsymp, Tab::Symptoms}, {diag_detailcause, Tab::Causes}, {diag_detailadvice, Tab::Advice}};
    for (const auto& [button, which] : buttons) {
        if (!button)
            continue;
        button->setProperty(kSelectedProperty, which == tab);
        putStyle(button, which == tab ? ui::Tab_Pressed_Style : ui::Tab_Other_Style);
    }
}
