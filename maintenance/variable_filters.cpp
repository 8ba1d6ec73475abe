// The variable monitor's filters: the choice (screen 35), the processor
// filter (39), the telegram filter (40) and the signal-name search (42, typed
// on the on-screen keyboard). Each filter shows the rows it keeps and hides
// the others; the last filter applied decides.

#include "maintenance/variable_screen.h"

#include <QLabel>
#include <QTableWidget>

#include <algorithm>

#include "maintenance/logic/descriptor.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/monitor_dialogs_view.h"
#include "maintenance/variable_view.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

// Back to the table, the selection on a row the filter kept.
void VariableMonitorScreen::backToTable(const char* dialog)
{
    VariableMonitorScreen& w = *this;
    w.hideGroup(dialog);
    w.host.serveScreen(screen::Variables);
    VariableView* v = w.variableView;
    const auto hidden = [v](int row) { return v->rowHidden(row); };
    int row = w.maintState->Table_updown_Variables;
    if (row < 0 || row >= v->rowCount() || hidden(row))
        row = moves::top(v->rowCount(), hidden);
    if (row >= 0) {
        w.maintState->Table_updown_Variables = row;
        v->showSelection(row, VariableView::Scroll::Visible);
    }
    w.host.drawKeyFocus();
}

void VariableMonitorScreen::backToChoice(const char* dialog)
{
    VariableMonitorScreen& w = *this;
    w.hideGroup(dialog);
    w.on_mvbvar_filter_clicked();
}

void VariableMonitorScreen::selectFilterRow(int row)
{
    VariableMonitorScreen& w = *this;
    MonitorDialogsView* d = w.monitorDialogs;
    const int rows = d->t_MVBfiltertelegram ? d->t_MVBfiltertelegram->rowCount() : 0;
    if (rows <= 0)
        return;
    w.maintState->Table_updown_filtertelegram = std::clamp(row, 0, rows - 1);
    d->showTelegramSelection(w.maintState->Table_updown_filtertelegram);
}

// ================================================================ choice

void VariableMonitorScreen::on_mvbvar_filter_clicked()
{
    if (!monitorDialogs || maintState->Total_Table_Row_Variables == 0)
        return; // nothing listed to filter yet
    host.serveScreen(screen::VariableFilter);
    monitorDialogs->layoutFilterChoice();
    ui::showRaised(monitorDialogs->Gfilter_selection);
    host.drawKeyFocus();
}

void VariableMonitorScreen::on_filterclose_button_clicked()
{
    backToTable("Gfilter_selection");
}

// ================================================================ processor filter

void VariableMonitorScreen::on_proc_filter_clicked()
{
    hideGroup("Gfilter_selection");
    host.serveScreen(screen::ProcessorFilter);
    monitorDialogs->layoutProcessorFilter();
    monitorDialogs->restoreProcessorBoxes();
    ui::showRaised(monitorDialogs->Gmvbvar_filter);
    host.drawKeyFocus();
}

void VariableMonitorScreen::on_fcheck1_clicked()
{
    monitorDialogs->processorBoxClicked(0);
}
void VariableMonitorScreen::on_fcheck2_clicked()
{
    monitorDialogs->processorBoxClicked(1);
}
void VariableMonitorScreen::on_fcheck3_clicked()
{
    monitorDialogs->processorBoxClicked(2);
}
void VariableMonitorScreen::on_fcheck4_clicked()
{
    monitorDialogs->processorBoxClicked(3);
}
void VariableMonitorScreen::on_fcheck5_clicked()
{
    monitorDialogs->processorBoxClicked(4);
}
void VariableMonitorScreen::on_fcheck6_clicked()
{
    monitorDialogs->processorBoxClicked(5);
}
void VariableMonitorScreen::on_fcheck7_clicked()
{
    monitorDialogs->processorBoxClicked(6);
}
void VariableMonitorScreen::on_fcheck8_clicked()
{
    monitorDialogs->processorBoxClicked(7);
}
void VariableMonitorScreen::on_fcheck9_clicked()
{
    monitorDialogs->processorBoxClicked(8);
}
void VariableMonitorScreen::on_fcheck10_clicked()
{
    monitorDialogs->processorBoxClicked(9);
}
void VariableMonitorScreen::on_fcheck11_clicked()
{
    monitorDialogs->processorBoxClicked(10);
}
void VariableMonitorScreen::on_fcheck12_clicked()
{
    monitorDialogs->processorBoxClicked(11);
}
void VariableMonitorScreen::on_fcheck13_clicked()
{
    monitorDialogs->processorBoxClicked(12);
}
void VariableMonitorScreen::on_fcheck14_clicked()
{
    monitorDialogs->processorBoxClicked(13);
}
void VariableMonitorScreen::on_fcheck15_clicked()
{
    monitorDialogs->processorBoxClicked(14);
}
void VariableMonitorScreen::on_fcheck16_clicked()
{
    monitorDialogs->processorBoxClicked(15);
}
void VariableMonitorScreen::on_fcheck17_clicked()
{
    monitorDialogs->processorBoxClicked(16);
}
void VariableMonitorScreen::on_fcheck18_clicked()
{
    monitorDialogs->processorBoxClicked(17);
}
void VariableMonitorScreen::on_fcheck19_clicked()
{
    monitorDialogs->processorBoxClicked(18);
}

void VariableMonitorScreen::on_filter_ok_clicked()
{
    const QStringList labels = monitorDialogs->tickedProcessors();
    if (labels.isEmpty()) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Select ALL/atleast one processor")), 2);
        return;
    }
    monitorDialogs->acceptProcessorBoxes();
    VariableView* v = variableView;
    v->filterRows(
        [v, &labels](int row) { return descriptor::processorMatches(v->cell(row, descriptor::Telegram), labels); });
    backToTable("Gmvbvar_filter");
}

void VariableMonitorScreen::on_filter_cancel_clicked()
{
    backToChoice("Gmvbvar_filter");
}

// ================================================================ telegram filter

void VariableMonitorScreen::on_tele_filter_clicked()
{
    hideGroup("Gfilter_selection");
    host.serveScreen(screen::TelegramFilter);
    telegram_filter();
}

void VariableMonitorScreen::telegram_filter()
{
    MonitorDialogsView* d = monitorDialogs;
    d->layoutTelegramFilter();
    d->fillTelegramTable(maintState->ports);
    d->setAllTicked(d->telegram_filter_checked_items.count() == 0);
    ui::showRaised(d->Gtelegram);
    selectFilterRow(0);
    host.drawKeyFocus();
}

void VariableMonitorScreen::on_t_MVBfiltertelegram_cellClicked(int row, int column)
{
    MonitorDialogsView* d = monitorDialogs;
    if (column == 0) {
        TickList& ticks = d->telegram_filter_checked_items;
        if (ticks.contains(row)) {
            ticks.untick(row);
        } else if (ticks.tick(row)) {
            d->setAllTicked(false); // a port of its own replaces "all"
        }
        d->tickTelegramRow(row, ticks.contains(row));
    }
    if (!d->movingSelection())
        selectFilterRow(row);
}

void VariableMonitorScreen::on_clearselec_clicked()
{
    MonitorDialogsView* d = monitorDialogs;
    for (int row : d->telegram_filter_checked_items.rows())
        d->tickTelegramRow(row, false);
    d->telegram_filter_checked_items.clear();
    d->setAllTicked(true);
}

void VariableMonitorScreen::on_filtertelegram_all_clicked()
{
    if (monitorDialogs->allTicked())
        on_clearselec_clicked(); // "all" replaces the ports ticked
}

void VariableMonitorScreen::on_ok_btn_clicked()
{
    MonitorDialogsView* d = monitorDialogs;
    VariableView* v = variableView;
    if (d->allTicked()) {
        v->filterRows([](int) { return true; });
    } else if (d->telegram_filter_checked_items.count() == 0) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Select ALL/atleast one telegram")), 2);
        return;
    } else {
        const QList<int> ports = d->tickedPorts();
        v->filterRows(
            [v, &ports](int row) { return descriptor::telegramMatches(v->cell(row, descriptor::Telegram), ports); });
    }
    backToTable("Gtelegram");
}

void VariableMonitorScreen::on_cancel_btn_clicked()
{
    backToChoice("Gtelegram");
}

void VariableMonitorScreen::on_tele_top_clicked()
{
    selectFilterRow(0);
}

void VariableMonitorScreen::on_tele_up_clicked()
{
    selectFilterRow(maintState->Table_updown_filtertelegram - 1);
}

void VariableMonitorScreen::on_tele_down_clicked()
{
    selectFilterRow(maintState->Table_updown_filtertelegram + 1);
}

void VariableMonitorScreen::on_tele_bottom_clicked()
{
    selectFilterRow(viewer.port_buffer_count - 1);
}

// ================================================================ signal-name search

void VariableMonitorScreen::on_signalname_filter_clicked()
{
    hideGroup("Gfilter_selection");
    host.serveScreen(screen::SignalSearch);
    monitorDialogs->layoutSignalSearch();
    ui::showRaised(monitorDialogs->Gsignal_name);
    on_rewrite_button_clicked();
    host.drawKeyFocus();
}

// The text is typed again on the on-screen keyboard; SUBMIT puts it into
// signal_textlabel.
void VariableMonitorScreen::on_rewrite_button_clicked()
{
    if (auto* l = monitorDialogs->signal_textlabel)
        l->clear();
    host.openKeyboard(7, [this](int, const QString& text) {
        if (auto* l = monitorDialogs->signal_textlabel)
            l->setText(text);
    });
}

void VariableMonitorScreen::on_Search_button_clicked()
{
    signal_serach();
}

void VariableMonitorScreen::signal_serach()
{
    const QString text = monitorDialogs->signal_textlabel ? monitorDialogs->signal_textlabel->text() : QString();
    VariableView* v = variableView;
    v->filterRows([v, &text](int row) { return descriptor::nameMatches(v->cell(row, descriptor::SignalName), text); });
    host.closeKeyboard();
    backToTable("Gsignal_name");
}

void VariableMonitorScreen::on_Cancel_button_clicked()
{
    host.closeKeyboard();
    backToChoice("Gsignal_name");
}
