// The telegram screen (32) and the freshness screen (33) of the maintenance
// menu: the window's slots run the screen model and hand the drawing to
// maintenance/telegram_view. The acquisition reads what the viewer
// selection asks for (the port list, the selected port while the telegram
// screen is shown) and publishes it with the selection's version; a value of
// another selection, or of a port that is stale, is shown as unknown.

#include "app/mainwindow.h"

#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

#include "maintenance/logic/port_list.h"
#include "maintenance/logic/telegram_format.h"
#include "maintenance/maintenance_glue.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/telegram_view.h"

namespace {

using Scroll = TelegramView::Scroll;
using maintglue::showTool;

int portCount(const MainWindow& w)
{
    return w.maintState ? w.maintState->ports.size() : 0;
}

// Row `row` of the last published pass, when it was made for the list shown.
const Telegram_Details_struct* measured(const MainWindow& w, int row)
{
    if (!w.maintState || w.snap.viewer_version != w.exchange.selectionVersion() || row < 0 ||
        row >= std::min(w.snap.port_buffer_count, portCount(w)))
        return nullptr;
    const Telegram_Details_struct& t = w.snap.Telegram_Details[row];
    return t.telegram == w.maintState->ports[row].telegram ? &t : nullptr;
}

QString freshnessText(const MainWindow& w, int freshness)
{
    return telegram::freshnessText(freshness, w.exchange.requests.Max_Freshness.load());
}

void selectTelegramRow(MainWindow& w, int row, Scroll scroll)
{
    TelegramView* v = w.telegramView;
    if (!v || w.Total_Table_Row_Telegram <= 0)
        return;
    row = std::clamp(row, 0, w.Total_Table_Row_Telegram - 1);
    w.Table_updown_Telegram = row;
    v->Table_updown_old_Telegram = row;
    v->showTelegramSelection(row, scroll);
    w.viewer.Table_updown_Telegram = row;
    w.viewer.port_buffer_view = 1;
    w.exchange.setSelection(w.viewer);
    w.f_mvb_telegram_switch_position();
    w.MVBTelegram_update_value(); // unknown until a pass of the new selection
}

void selectFreshnessRow(MainWindow& w, int row, Scroll scroll)
{
    TelegramView* v = w.telegramView;
    if (!v || w.Total_Table_Row_Freshness <= 0)
        return;
    row = std::clamp(row, 0, w.Total_Table_Row_Freshness - 1);
    w.Table_updown_Freshness = row;
    v->showFreshnessSelection(row, scroll);
}

} // namespace

// ================================================================ both

void MainWindow::Read_Port_Data(int kind)
{
    if (!telegramView || !maintState)
        return;
    const QVector<portlist::Port>& ports = maintState->ports;
    const int table = kind == 1 ? 1 : 3;
    if (kind == 1) {
        Create_MVBFresh_Table(ports.size());
        Total_Table_Row_Freshness = ports.size();
    } else {
        Create_MVBTele_Table(ports.size());
        Total_Table_Row_Telegram = ports.size();
    }
    const int cab = exchange.requests.Selected_CAB_Type.load();
    for (int i = 0; i < ports.size(); ++i) {
        XML_Insert_Data(i, 0, 0, table, QString::number(ports[i].telegram));
        XML_Insert_Data(i, 1, 1, table, tr(portlist::direction(ports[i], cab)));
        XML_Insert_Data(i, 2, 2, table, QString::number(ports[i].fun_code));
    }
    if (kind == 1)
        selectFreshnessRow(*this, Table_updown_Freshness, Scroll::Visible);
    else if (!ports.isEmpty())
        telegramView->showTelegramSelection(std::clamp(Table_updown_Telegram, 0, int(ports.size()) - 1),
                                            Scroll::Visible);
}

// ================================================================ freshness screen

void MainWindow::on_mvbfreshness_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::Freshness;
    showTool(*this, "GMVBFreshness", "mvbfreshness");
    if (telegramView)
        telegramView->layoutFreshness();
    Read_Port_Data(1);
    maintenance_update();
    maintglue::drawFocus(*this);
    if (portCount(*this) == 0)
        Dialog_Box(tr("No Ports Found"), 1);
}

void MainWindow::Create_MVBFresh_Table(int rows)
{
    if (telegramView)
        telegramView->Create_MVBFresh_Table(rows);
}

void MainWindow::Insert_Fresh_value()
{
    if (!telegramView || !maintState)
        return;
    const int maxFreshness = exchange.requests.Max_Freshness.load();
    QStringList freshness, maximum;
    for (int i = 0; i < portCount(*this); ++i) {
        const Telegram_Details_struct* t = measured(*this, i);
        freshness << (t ? freshnessText(*this, t->freshness) : QString());
        if (!t)
            maximum << QString();
        else if (t->max_freshness >= maxFreshness)
            maximum << TelegramView::staleText();
        else
            maximum << QString::number(t->max_freshness);
    }
    telegramView->updateFreshness(freshness, maximum);
}

void MainWindow::on_bmvbfreh_reset_clicked()
{
    if (telegramView)
        telegramView->clearMaximum();
    exchange.setSelection(viewer, true); // the acquisition starts every maximum again
}

void MainWindow::on_bmvbfreh_top_clicked()
{
    selectFreshnessRow(*this, 0, Scroll::Top);
}

void MainWindow::on_bmvbfreh_bottom_clicked()
{
    selectFreshnessRow(*this, Total_Table_Row_Freshness - 1, Scroll::Bottom);
}

void MainWindow::on_bmvbfreh_up_clicked()
{
    on_MVBFress_up_button();
}

void MainWindow::on_bmvbfreh_down_clicked()
{
    on_MVBFress_down_button();
}

void MainWindow::on_MVBFress_up_button()
{
    selectFreshnessRow(*this, Table_updown_Freshness - 1, Scroll::Visible);
}

void MainWindow::on_MVBFress_down_button()
{
    selectFreshnessRow(*this, Table_updown_Freshness + 1, Scroll::Visible);
}

void MainWindow::on_tmvbfreshness_cellClicked(int row, int)
{
    if (telegramView && !telegramView->movingSelection())
        selectFreshnessRow(*this, row, Scroll::None);
}

// The scroll bar names the row at the top of the table.
void MainWindow::mvbfreshnesshandlerFunction(int)
{
    TelegramView* v = telegramView;
    if (v && v->tmvbfreshness && !v->movingSelection() && v->tmvbfreshness->isVisible())
        selectFreshnessRow(*this, v->tmvbfreshness->rowAt(0), Scroll::None);
}

// ================================================================ telegram screen

void MainWindow::on_mvbtelegram_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::Telegram;
    showTool(*this, "GMVBTelegram", "mvbtelegram");
    if (telegramView)
        telegramView->layoutTelegram();
    Create_MVBTele_Table_details();
    Read_Port_Data(3);
    selectTelegramRow(*this, Table_updown_Telegram, Scroll::Visible);
    binary_details();
    maintenance_update();
    maintglue::drawFocus(*this);
    if (portCount(*this) == 0)
        Dialog_Box(tr("No Ports Found"), 1);
}

void MainWindow::Create_MVBTele_Table(int rows)
{
    if (telegramView)
        telegramView->Create_MVBTele_Table(rows);
}

void MainWindow::Create_MVBTele_Table_details()
{
    if (telegramView)
        telegramView->Create_MVBTele_Table_details();
}

void MainWindow::binary_details()
{
    if (telegramView)
        telegramView->buildDetails(telegram::Mode::Bits, Table_updown_Telegram);
}

void MainWindow::byte_details()
{
    if (telegramView)
        telegramView->buildDetails(telegram::Mode::Bytes, Table_updown_Telegram);
}

void MainWindow::word_details()
{
    if (telegramView)
        telegramView->buildDetails(telegram::Mode::Words, Table_updown_Telegram);
}

void MainWindow::f_mvb_telegram_switch_position()
{
    if (telegramView)
        telegramView->buildDetails(telegramView->mode(), Table_updown_Telegram);
}

void MainWindow::MVBTelegram_update_value()
{
    if (!telegramView || !maintState || Total_Table_Row_Telegram <= 0)
        return;
    if (viewer.port_buffer_view != 1 || viewer.Table_updown_Telegram != Table_updown_Telegram) {
        viewer.port_buffer_view = 1;
        viewer.Table_updown_Telegram = Table_updown_Telegram;
        exchange.setSelection(viewer);
    }
    const Telegram_Details_struct* t = measured(*this, Table_updown_Telegram);
    const QString freshness = t ? freshnessText(*this, t->freshness) : QString();
    // The words are shown while they are this port's, from a pass of this
    // selection, and the port is fresh.
    const bool current = t && !freshness.isEmpty() && snap.port_buffer_port == t->telegram;
    telegramView->updateTelegram(current ? snap.port_buffer : nullptr, freshness);
}

void MainWindow::on_bmvbtele_bin_clicked()
{
    binary_details();
    MVBTelegram_update_value();
}

void MainWindow::on_bmvbtele_byte_clicked()
{
    byte_details();
    MVBTelegram_update_value();
}

void MainWindow::on_bmvbtele_word_clicked()
{
    word_details();
    MVBTelegram_update_value();
}

void MainWindow::on_bmvbtele_top_clicked()
{
    selectTelegramRow(*this, 0, Scroll::Top);
}

void MainWindow::on_bmvbtele_bottm_clicked()
{
    selectTelegramRow(*this, Total_Table_Row_Telegram - 1, Scroll::Bottom);
}

void MainWindow::on_bmvbtele_up_clicked()
{
    selectTelegramRow(*this, Table_updown_Telegram - 1, Scroll::Visible);
}

void MainWindow::on_bmvbtele_down_clicked()
{
    selectTelegramRow(*this, Table_updown_Telegram + 1, Scroll::Visible);
}

void MainWindow::on_tmvbtelegram_cellClicked(int row, int)
{
    if (telegramView && !telegramView->movingSelection())
        selectTelegramRow(*this, row, Scroll::None);
}

void MainWindow::mvbtelehandlerFunction(int)
{
    TelegramView* v = telegramView;
    if (v && v->tmvbtelegram && !v->movingSelection() && v->tmvbtelegram->isVisible())
        selectTelegramRow(*this, v->tmvbtelegram->rowAt(0), Scroll::None);
}
