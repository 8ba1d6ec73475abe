#include "maintenance/monitor_dialogs_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

using namespace ui;

namespace {

void place(QAbstractButton* b, const QRect& r, const char* text)
{
    if (!b)
        return;
    b->setGeometry(r);
    b->setText(ui::trScreen(text));
}

void title(QLabel* l, const QRect& r, const char* text)
{
    if (!l)
        return;
    l->setGeometry(r);
    l->setText(ui::trScreen(text));
    l->setAlignment(Qt::AlignCenter);
    putStyle(l, ui::titleStyle(20));
}

void dialogBox(QWidget* g)
{
    if (g)
        putStyle(g, maint::kDialogStyle);
}

} // namespace

MonitorDialogsView::MonitorDialogsView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("monitorDialogsView"));
    Filter_Check_State[0] = 1; // all rows shown until a filter is accepted
}

QStringList MonitorDialogsView::widgetNames()
{
    QStringList names;
#define DIALOGS_NAME(type, n) names << QStringLiteral(#n);
    FILTER_CHOICE_WIDGETS(DIALOGS_NAME)
    PROCESSOR_FILTER_WIDGETS(DIALOGS_NAME)
    TELEGRAM_FILTER_WIDGETS(DIALOGS_NAME)
    LOADSAVE_WIDGETS(DIALOGS_NAME)
    SIGNAL_SEARCH_WIDGETS(DIALOGS_NAME)
#undef DIALOGS_NAME
    for (int k = 1; k <= descriptor::kFilterBoxes; ++k)
        names << QStringLiteral("fcheck%1").arg(k);
    for (int k = 1; k <= kSlots; ++k)
        names << QStringLiteral("mvbvar_loadsave%1").arg(k);
    return names;
}

QStringList MonitorDialogsView::resolve(QWidget* root)
{
    QStringList missing;
#define DIALOGS_RESOLVE(type, n) findWidget(root, n, #n, missing);
    FILTER_CHOICE_WIDGETS(DIALOGS_RESOLVE)
    PROCESSOR_FILTER_WIDGETS(DIALOGS_RESOLVE)
    TELEGRAM_FILTER_WIDGETS(DIALOGS_RESOLVE)
    LOADSAVE_WIDGETS(DIALOGS_RESOLVE)
    SIGNAL_SEARCH_WIDGETS(DIALOGS_RESOLVE)
#undef DIALOGS_RESOLVE
    for (int k = 0; k < descriptor::kFilterBoxes; ++k)
        findWidget(root, fcheck[k], qPrintable(QStringLiteral("fcheck%1").arg(k + 1)), missing);
    for (int k = 0; k < kSlots; ++k)
        findWidget(root, loadsave[k], qPrintable(QStringLiteral("mvbvar_loadsave%1").arg(k + 1)), missing);
    return missing;
}

// ============================================================ layouts

void MonitorDialogsView::layoutFilterChoice()
{
    dialogBox(Gfilter_selection);
    title(filter_header, {20, 14, 480, 40}, QT_TRANSLATE_NOOP("MainWindow", "FILTER"));
    place(filterclose_button, {510, 12, 50, 40}, QT_TRANSLATE_NOOP("MainWindow", "X"));
    place(proc_filter, {15, 122, 165, 60}, QT_TRANSLATE_NOOP("MainWindow", "Processor\nFilter"));
    place(tele_filter, {200, 122, 165, 60}, QT_TRANSLATE_NOOP("MainWindow", "Telegram\nFilter"));
    place(signalname_filter, {385, 122, 165, 60}, QT_TRANSLATE_NOOP("MainWindow", "Signal Name\nFilter"));
}

void MonitorDialogsView::layoutProcessorFilter()
{
    dialogBox(Gmvbvar_filter);
    title(procfilter_header, {20, 8, 680, 40}, QT_TRANSLATE_NOOP("MainWindow", "FILTER PROCESSOR"));
    for (int k = 0; k < descriptor::kFilterBoxes; ++k) {
        if (!fcheck[k])
            continue;
        fcheck[k]->setGeometry(20 + 138 * (k % 5), 53 + 56 * (k / 5), 130, 56);
        fcheck[k]->setText(QLatin1String(descriptor::kFilterLabels[k]));
        putStyle(fcheck[k], maint::filterBoxStyle());
    }
    place(filter_ok, {195, 291, 130, 40}, QT_TRANSLATE_NOOP("MainWindow", "Ok"));
    place(filter_cancel, {385, 291, 130, 40}, QT_TRANSLATE_NOOP("MainWindow", "Cancel"));
}

void MonitorDialogsView::layoutTelegramFilter()
{
    dialogBox(Gtelegram);
    title(telefilter_header, {200, 10, 380, 40}, QT_TRANSLATE_NOOP("MainWindow", "FILTER TELEGRAM"));
    if (filtertelegram_all) {
        filtertelegram_all->setGeometry(60, 15, 110, 33);
        filtertelegram_all->setText(QStringLiteral("ALL"));
        putStyle(filtertelegram_all, maint::filterBoxStyle());
    }
    if (QTableWidget* t = t_MVBfiltertelegram) {
        t->setGeometry(48, 100, 392, 330);
        t->setColumnCount(2);
        t->setHorizontalHeaderLabels({QCoreApplication::translate("MainWindow", "Selection"),
                                      QCoreApplication::translate("MainWindow", "Telegram")});
        t->setColumnWidth(0, 120);
        t->setColumnWidth(1, 268);
        t->setSelectionMode(QAbstractItemView::NoSelection);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
        t->verticalHeader()->setDefaultSectionSize(48);
        t->horizontalHeader()->setFixedHeight(40);
        putStyle(t->horizontalHeader(), maint::kHeaderStyle);
        t->setStyleSheet(maint::filterTableStyle());
        t->setFont(maint::tahoma(18));
    }
    layoutTelegramButtons();
    place(clearselec, {10, 453, 138, 50}, QT_TRANSLATE_NOOP("MainWindow", "Clear\nSelection"));
    place(ok_btn, {220, 453, 138, 50}, QT_TRANSLATE_NOOP("MainWindow", "Ok"));
    place(cancel_btn, {430, 453, 138, 50}, QT_TRANSLATE_NOOP("MainWindow", "Cancel"));
}

void MonitorDialogsView::layoutTelegramButtons()
{
    placePagingArrows({tele_top, tele_up, tele_down, tele_bottom}, 450, {54, 108, 330, 384}, {85, 50});
    if (vtelefilter_scol && t_MVBfiltertelegram) {
        vtelefilter_scol->setGeometry(450, 160, 85, 168);
        putStyle(vtelefilter_scol, maint::kScrollBarStyle);
        QScrollBar* own = t_MVBfiltertelegram->verticalScrollBar();
        connect(own, &QScrollBar::rangeChanged, vtelefilter_scol, &QScrollBar::setRange, Qt::UniqueConnection);
        connect(own, &QScrollBar::valueChanged, vtelefilter_scol, &QScrollBar::setValue, Qt::UniqueConnection);
        connect(vtelefilter_scol, &QScrollBar::valueChanged, own, &QScrollBar::setValue, Qt::UniqueConnection);
    }
}

void MonitorDialogsView::layoutLoadSave(bool load)
{
    dialogBox(Gmvbvar_loadsave);
    title(loadsave_header, {20, 8, 680, 36},
          load ? QT_TRANSLATE_NOOP("MainWindow", "LOAD FILE") : QT_TRANSLATE_NOOP("MainWindow", "SAVE FILE"));
    for (int k = 0; k < kSlots; ++k)
        if (loadsave[k]) {
            loadsave[k]->setGeometry(20 + 90 * k, 51, 80, 71);
            loadsave[k]->setText(QString::number(k + 1));
        }
    place(mvbvar_cancel, {560, 51, 130, 71}, QT_TRANSLATE_NOOP("MainWindow", "Cancel"));
}

void MonitorDialogsView::layoutSignalSearch()
{
    dialogBox(Gsignal_name);
    if (signal_caption) {
        signal_caption->setGeometry(20, 10, 140, 40);
        signal_caption->setText(QCoreApplication::translate("MainWindow", "Signal:"));
        putStyle(signal_caption, maint::kCaptionStyle);
    }
    if (signal_textlabel) {
        signal_textlabel->setGeometry(160, 10, 360, 40);
        putStyle(signal_textlabel, maint::kValueStyle);
    }
    place(rewrite_button, {35, 60, 110, 50}, QT_TRANSLATE_NOOP("MainWindow", "Retype"));
    place(Search_button, {215, 60, 110, 50}, QT_TRANSLATE_NOOP("MainWindow", "Start"));
    place(Cancel_button, {395, 60, 110, 50}, QT_TRANSLATE_NOOP("MainWindow", "Cancel"));
}

// ============================================================ processor filter

void MonitorDialogsView::processorBoxClicked(int k)
{
    if (k < 0 || k >= descriptor::kFilterBoxes || !fcheck[k] || !fcheck[k]->isChecked())
        return;
    if (k == 0) {
        for (int i = 1; i < descriptor::kFilterBoxes; ++i)
            if (fcheck[i])
                fcheck[i]->setChecked(false);
    } else if (fcheck[0]) {
        fcheck[0]->setChecked(false);
    }
}

void MonitorDialogsView::restoreProcessorBoxes()
{
    for (int k = 0; k < descriptor::kFilterBoxes; ++k)
        if (fcheck[k])
            fcheck[k]->setChecked(Filter_Check_State[k] == 1);
}

QStringList MonitorDialogsView::tickedProcessors() const
{
    QStringList labels;
    for (int k = 0; k < descriptor::kFilterBoxes; ++k)
        if (fcheck[k] && fcheck[k]->isChecked())
            labels << QLatin1String(descriptor::kFilterLabels[k]);
    return labels;
}

void MonitorDialogsView::acceptProcessorBoxes()
{
    for (int k = 0; k < descriptor::kFilterBoxes; ++k)
        Filter_Check_State[k] = fcheck[k] && fcheck[k]->isChecked() ? 1 : 0;
    filter_flag = 1;
}

// ============================================================ telegram filter

void MonitorDialogsView::fillTelegramTable(const QVector<portlist::Port>& ports)
{
    QTableWidget* t = t_MVBfiltertelegram;
    if (!t)
        return;
    t->setRowCount(0);
    t->setRowCount(ports.size());
    m_ports.clear();
    for (int r = 0; r < ports.size(); ++r) {
        auto* box = new QTableWidgetItem;
        box->setFlags(Qt::ItemIsEnabled);
        box->setCheckState(telegram_filter_checked_items.contains(r) ? Qt::Checked : Qt::Unchecked);
        t->setItem(r, 0, box);
        auto* port = new QTableWidgetItem(QString::number(ports[r].telegram));
        port->setFlags(Qt::ItemIsEnabled);
        port->setTextAlignment(Qt::AlignCenter);
        t->setItem(r, 1, port);
        m_ports.append(ports[r].telegram);
    }
    m_teleSelected = -1;
}

void MonitorDialogsView::tickTelegramRow(int row, bool ticked)
{
    QTableWidgetItem* box = t_MVBfiltertelegram ? t_MVBfiltertelegram->item(row, 0) : nullptr;
    if (box)
        box->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool MonitorDialogsView::telegramRowTicked(int row) const
{
    const QTableWidgetItem* box = t_MVBfiltertelegram ? t_MVBfiltertelegram->item(row, 0) : nullptr;
    return box && box->checkState() == Qt::Checked;
}

void MonitorDialogsView::setAllTicked(bool ticked)
{
    if (filtertelegram_all)
        filtertelegram_all->setChecked(ticked);
}

bool MonitorDialogsView::allTicked() const
{
    return filtertelegram_all && filtertelegram_all->isChecked();
}

QList<int> MonitorDialogsView::tickedPorts() const
{
    QList<int> ports;
    for (int row : telegram_filter_checked_items.rows())
        if (row >= 0 && row < m_ports.size())
            ports << m_ports[row];
    return ports;
}

void MonitorDialogsView::showTelegramSelection(int row)
{
    QTableWidget* t = t_MVBfiltertelegram;
    if (!t || row < 0 || row >= t->rowCount())
        return;
    m_movingSelection = true;
    for (int r : {m_teleSelected, row}) {
        if (r < 0 || r >= t->rowCount())
            continue;
        const QColor& bg = r == row ? maint::kSelectedBackground : maint::kRowBackground;
        for (int c = 0; c < 2; ++c)
            if (QTableWidgetItem* item = t->item(r, c))
                item->setBackground(bg);
    }
    m_teleSelected = row;
    t->scrollTo(t->model()->index(row, 1), QAbstractItemView::EnsureVisible);
    m_movingSelection = false;
}
