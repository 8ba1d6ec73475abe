#include "screens/fault_view.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "diagnostics/fault.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ddu_ui;

namespace {

QListWidget* list(QWidget* parent, const char* name, const QRect& g)
{
    auto* l = named(new QListWidget(parent), name, g);
    l->setFocusPolicy(Qt::NoFocus);
    l->setSelectionMode(QAbstractItemView::NoSelection);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setWordWrap(true);
    return l;
}

} // namespace

FaultView::FaultView(QObject* parent, const QString& logPath)
    : QObject(parent)
    , log(logPath)
{
    setObjectName(QStringLiteral("faultView"));
}

void FaultView::build(QWidget* root)
{
    QWidget* popup = root->findChild<QWidget*>(QStringLiteral("Gfault"));
    QWidget* advice = root->findChild<QWidget*>(QStringLiteral("Gfaultdriveradvice"));
    if (!popup || !advice)
        return;
    popup->setStyleSheet(look::PopupGroup);
    advice->setStyleSheet(look::PopupGroup);

    label(popup, "faultimg", {22, 15, 100, 90})->setScaledContents(true);
    QLabel* noData = label(popup, "fault_nodata", {150, 30, 846, 60}, QString(), look::PopupNoData);
    noData->setAlignment(Qt::AlignCenter);
    noData->setWordWrap(true);
    noData->hide();
    label(popup, "fault_header", {24, 114, 972, 50}, QString(), look::PopupHeader);
    list(popup, "faultmsg_listwidget", {25, 175, 970, 250});
    button(popup, "driveradvice", {650, 445, 160, 70}, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DRIVER\nADVICE")),
           look::PopupButton);
    button(popup, "enterfault_btn", {837, 445, 160, 70}, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "ACKNOWLEDGE")),
           look::PopupButton);

    QWidget* head = group(advice, "Gdriveradv_faultheader", {22, 5, 826, 36});
    label(head, "driveradv_faulttype", {1, 3, 230, 30}, QString(), look::PopupHeader);
    // The date takes the width the type leaves: "Received" and the time
    // must not be cut at their left.
    label(head, "driveradv_datetime", {235, 2, 590, 33}, QString(), look::PopupHeader)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    list(advice, "driveradv_listwidget", {22, 44, 826, 118});
    label(advice, "driveradv_header", {23, 166, 826, 35}, QString(), look::PopupHeader);
    QLabel* adviceNoData = label(advice, "driveradv_nodata", {420, 166, 428, 35}, QString(), look::PopupNoData);
    adviceNoData->setAlignment(Qt::AlignCenter);
    adviceNoData->hide();
    for (const char* page : {"page1", "page2", "page3", "page4"}) {
        QLabel* l = label(advice, page, {23, 204, 826, 315}, QString(), look::PopupPage);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
    }
    QWidget* right = group(advice, "Gdriveradv_right", {870, 13, 130, 505});
    label(right, "image", {15, 3, 100, 90})->setScaledContents(true);
    button(right, "driveradv_back", {3, 105, 124, 90}, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "BACK")),
           look::PopupButton);
    button(right, "up_button", {3, 207, 124, 90}, QString(), look::PopupButton);
    QLabel* pageNo = label(right, "page_no", {3, 309, 124, 90}, QStringLiteral("1"), look::PopupPageNumber);
    pageNo->setAlignment(Qt::AlignCenter);
    button(right, "down_button", {3, 411, 124, 90}, QString(), look::PopupButton);
    popup->hide();
    advice->hide();
}

QStringList FaultView::resolve(QWidget* root)
{
    QStringList missing;
#define FAULT_RESOLVE(n) ui::findWidget(root, n, #n, missing);
    FAULT_WIDGETS(FAULT_RESOLVE)
    FAULT_LABELS(FAULT_RESOLVE)
    FAULT_LISTS(FAULT_RESOLVE)
    FAULT_BUTTONS(FAULT_RESOLVE)
#undef FAULT_RESOLVE
    if (missing.isEmpty()) {
        ui::putImage(faultimg, Dir_rms_img_LocoFaultSymbol);
        ui::putImage(image, Dir_rms_img_LocoFaultSymbol);
        ui::putIcon(up_button, Dir_rms_img_ArrowUp, QSize(37, 37));
        ui::putIcon(down_button, Dir_rms_img_ArrowDown, QSize(37, 37));
    }
    return missing;
}

FaultView::Kind FaultView::kindOf(unsigned int number)
{
    if (number > 10000)
        return Kind::Fault;
    if (number >= 100)
        return Kind::Isolation;
    return Kind::Information;
}

namespace {

// What each kind of message shows: header (before its time), type on the
// advice, the fault button's icon. Information messages have their own too
// (the header of the message before them, or none at all after a start,
// would misname them).
struct KindLook {
    const char* header;
    const char* type;
    const QString* icon;
    QSize iconSize;
};

const KindLook& lookOf(FaultView::Kind kind)
{
    // clang-format off
    static const KindLook looks[] = {
        {QT_TRANSLATE_NOOP("MainWindow", "Information Message                    Received "),
         QT_TRANSLATE_NOOP("MainWindow", "Information Message"), &Dir_rms_img_LocoInfo, QSize(91, 31)},
        {QT_TRANSLATE_NOOP("MainWindow", "Isolation Message                      Received "),
         QT_TRANSLATE_NOOP("MainWindow", "Isolation Message"), &Dir_rms_img_LocoIso, QSize(140, 31)},
        {QT_TRANSLATE_NOOP("MainWindow", "Fault Message                            Received "),
         QT_TRANSLATE_NOOP("MainWindow", "Fault Message"), &Dir_rms_img_LocoFault, QSize(140, 31)},
    };
    // clang-format on
    return looks[kind == FaultView::Kind::Information ? 0 : kind == FaultView::Kind::Isolation ? 1 : 2];
}

} // namespace

void FaultView::fill(unsigned int number, const QString& dateTime, const QString& locoNumber)
{
    faultmsg_listwidget->clear();
    driveradv_listwidget->clear();
    const KindLook& look = lookOf(kindOf(number));
    fault_header->setText(ui::trScreen(look.header) + dateTime);
    driveradv_faulttype->setText(ui::trScreen(look.type));
    m_buttonIcon = *look.icon;
    m_buttonIconSize = look.iconSize;
    putButtonIcon();
    const QStringList rows = {
        ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", " Loco ")) + locoNumber + QStringLiteral(";   ") + DDU_Fault_Line1,
        QLatin1Char(' ') + DDU_Fault_Line2, QLatin1Char(' ') + DDU_Fault_Line3, QLatin1Char(' ') + DDU_Fault_Line4};
    faultmsg_listwidget->addItems(rows);
    driveradv_listwidget->addItems(rows);
    driveradv_datetime->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Received ")) + dateTime);
}

void FaultView::placeGroups(int homeLayout)
{
    const QRect area = homeLayout == 1 ? QRect(2, 52, 1020, 583) : QRect(2, 52, 1020, 527);
    Gfault->setGeometry(area);
    Gfaultdriveradvice->setGeometry(area);
    // The buttons stay where their touch regions are in both layouts: moving
    // the advice button onto the acknowledge button's place (as the DDU
    // layout would) would make a touch on "driver advice" acknowledge.
    driveradvice->setGeometry(650, 445, 160, 70);
    enterfault_btn->setGeometry(837, 445, 160, 70);
}

void FaultView::styleLists(bool hindi)
{
    // English rows are spaced by a bottom border in the background colour.
    // The four rows of up to 40 characters fill the 970 x 250 list at 24 pt
    // (a larger face would wrap the longest lines and push row 4 out).
    const QString popup = hindi
        ? QStringLiteral("QListWidget { font: bold 24pt \"DejaVu Sans\"; padding-top: 10px; color: rgb(0, 0, 0);"
                         " background-color: rgb(204, 112, 0); border: none; }")
        : QStringLiteral("QListWidget { font: bold 24pt \"DejaVu Sans\"; padding-top: 10px; color: rgb(0, 0, 0);"
                         " background-color: rgb(204, 112, 0); border: none; }"
                         " QListWidget::item { border-bottom: 16px solid rgb(204, 112, 0); }");
    // The advice repeats the four rows in 118 px: 15 pt (14 pt in Hindi).
    const QString advice = QStringLiteral("QListWidget { font: bold %1pt \"DejaVu Sans\"; padding-top: 5px;"
                                          " color: rgb(0, 0, 0); background-color: rgb(204, 112, 0);"
                                          " border: none; }")
                               .arg(hindi ? 14 : 15);
    ui::putStyle(faultmsg_listwidget, popup);
    ui::putStyle(driveradv_listwidget, advice);
}

void FaultView::focusAcknowledge(bool acknowledge)
{
    m_acknowledgeFocused = acknowledge;
    ui::putStyle(driveradvice, acknowledge ? look::PopupButton : look::PopupButtonFocused);
    ui::putStyle(enterfault_btn, acknowledge ? look::PopupButtonFocused : look::PopupButton);
}

void FaultView::showPopup(int homeLayout, bool hindi)
{
    placeGroups(homeLayout);
    focusAcknowledge(false);
    styleLists(hindi);
    fault_button->hide();
    Gfaultdriveradvice->hide();
    Gfault->show();
    Gfault->raise();
}

void FaultView::showAdvice(int homeLayout, bool hindi)
{
    placeGroups(homeLayout);
    styleLists(hindi);
    fault_button->hide();
    driveradv_header->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Driver Advice")));
    page1->setText(DDU_Fault_Page1);
    page2->setText(DDU_Fault_Page2);
    page3->setText(DDU_Fault_Page3);
    page4->setText(DDU_Fault_Page4);
    if (advicePages() == 0) // a message without advice says so
        page1->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No advice for this message.")));
    showPage(1);
    Gfault->hide();
    Gfaultdriveradvice->show();
    Gfaultdriveradvice->raise();
}

int FaultView::advicePages() const
{
    const QLabel* const pages[4] = {page1, page2, page3, page4};
    int last = 0;
    for (int k = 0; k < 4; ++k)
        if (!pages[k]->text().trimmed().isEmpty())
            last = k + 1;
    return last;
}

void FaultView::showPage(int page)
{
    QLabel* const pages[4] = {page1, page2, page3, page4};
    const int count = std::max(1, advicePages());
    page = std::clamp(page, 1, count);
    for (int k = 0; k < 4; ++k)
        pages[k]->setVisible(k + 1 == page);
    page_no->setText(QStringLiteral("%1/%2").arg(page).arg(count));
}

void FaultView::hideAll()
{
    Gfault->hide();
    Gfaultdriveradvice->hide();
    fault_button->hide();
}

void FaultView::showCurrency(const QString& since)
{
    if (since == m_since && fault_nodata->isHidden() == since.isEmpty())
        return;
    m_since = since;
    if (!since.isEmpty()) {
        ui::putText(
            fault_nodata,
            ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO DATA since %1: may no longer be current")).arg(since));
        ui::putText(driveradv_nodata, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO DATA since %1")).arg(since));
    }
    fault_nodata->setVisible(!since.isEmpty());
    driveradv_nodata->setVisible(!since.isEmpty());
    putButtonIcon();
}

// The kind's icon; greyed while the message is not current.
void FaultView::putButtonIcon()
{
    if (m_buttonIcon.isEmpty())
        return;
    if (current()) {
        ui::putIcon(fault_button, m_buttonIcon, m_buttonIconSize);
        return;
    }
    const QString key = m_buttonIcon + QStringLiteral(" (no data)");
    if (fault_button->property("image").toString() == key)
        return;
    const QPixmap grey = QIcon(ui::pixmap(m_buttonIcon)).pixmap(m_buttonIconSize, QIcon::Disabled);
    fault_button->setIcon(QIcon(grey));
    fault_button->setIconSize(m_buttonIconSize);
    fault_button->setProperty("image", key);
}
