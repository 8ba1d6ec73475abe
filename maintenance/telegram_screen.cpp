// The telegram and freshness screens: selection and refresh (see
// telegram_screen.h); the port list read at start-up.

#include "maintenance/telegram_screen.h"

#include <QDebug>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

#include "acquisition/bus_exchange.h"
#include "maintenance/logic/port_list.h"
#include "maintenance/logic/telegram_format.h"
#include "maintenance/maintenance_state.h"
#include "platform/platform.h"
#include "ui/translated_text.h"

using Scroll = TelegramView::Scroll;

TelegramScreen::TelegramScreen(ui::ScreenHost& h, MaintenanceState& state, QObject* parent)
    : ui::Screen(h, "telegram and freshness", parent)
    , m(state)
{
    telegramView = new TelegramView(this, [this](int row, int column, int format, int table, const QString& text) {
        host.XML_Insert_Data(row, column, format, table, text);
    });
    QWidget* root = host.widget(QStringLiteral("centralwidget"));
    for (const QString& name : telegramView->resolve(root))
        qCritical().noquote() << "telegram and freshness: no widget" << name;
}

int TelegramScreen::portCount() const
{
    return m.ports.size();
}

const Telegram_Details_struct* TelegramScreen::measured(int row) const
{
    const SignalStore& snap = host.snapshot();
    if (snap.viewer_version != host.bus().selectionVersion() || row < 0 ||
        row >= std::min(snap.port_buffer_count, portCount()))
        return nullptr;
    const Telegram_Details_struct& t = snap.Telegram_Details[row];
    return t.telegram == m.ports[row].telegram ? &t : nullptr;
}

QString TelegramScreen::freshnessText(int freshness) const
{
    return telegram::freshnessText(freshness, host.requests().Max_Freshness.load());
}

void TelegramScreen::pushSelection(bool restartMaximum)
{
    host.bus().setSelection(m.viewer, restartMaximum);
}

void TelegramScreen::selectTelegramRow(int row, Scroll scroll)
{
    TelegramView* v = telegramView;
    if (!v || m.Total_Table_Row_Telegram <= 0)
        return;
    row = std::clamp(row, 0, m.Total_Table_Row_Telegram - 1);
    m.Table_updown_Telegram = row;
    v->Table_updown_old_Telegram = row;
    v->showTelegramSelection(row, scroll);
    m.viewer.Table_updown_Telegram = row;
    m.viewer.port_buffer_view = 1;
    pushSelection();
    f_mvb_telegram_switch_position();
    MVBTelegram_update_value(); // unknown until a pass of the new selection
}

void TelegramScreen::selectFreshnessRow(int row, Scroll scroll)
{
    TelegramView* v = telegramView;
    if (!v || m.Total_Table_Row_Freshness <= 0)
        return;
    row = std::clamp(row, 0, m.Total_Table_Row_Freshness - 1);
    m.Table_updown_Freshness = row;
    v->showFreshnessSelection(row, scroll);
}

// ================================================================ port list

void TelegramScreen::Read_Port_Data_BUFFER()
{
    const QString path = platform::dataPath(QStringLiteral("file/master/zav_port.xml"));
    const portlist::PortList list = portlist::loadPorts(path);
    for (const QString& line : portlist::report(list, path))
        qDebug().noquote() << line;
    m.ports = list.ports;
    portlist::fillSelection(list.ports, m.viewer);
    pushSelection();
}

int TelegramScreen::DDU_Micview_Get_Fun_code(int port) const
{
    return portlist::funCodeOf(m.ports, port);
}

// ================================================================ both

void TelegramScreen::Read_Port_Data(int kind)
{
    if (!telegramView)
        return;
    const QVector<portlist::Port>& ports = m.ports;
    const int table = kind == 1 ? 1 : 3;
    if (kind == 1) {
        Create_MVBFresh_Table(ports.size());
        m.Total_Table_Row_Freshness = ports.size();
    } else {
        Create_MVBTele_Table(ports.size());
        m.Total_Table_Row_Telegram = ports.size();
    }
    const int cab = host.requests().Selected_CAB_Type.load();
    for (int i = 0; i < ports.size(); ++i) {
        host.XML_Insert_Data(i, 0, 0, table, QString::number(ports[i].telegram));
        host.XML_Insert_Data(i, 1, 1, table, ui::trScreen(portlist::direction(ports[i], cab)));
        host.XML_Insert_Data(i, 2, 2, table, QString::number(ports[i].fun_code));
    }
    if (kind == 1)
        selectFreshnessRow(m.Table_updown_Freshness, Scroll::Visible);
    else if (!ports.isEmpty())
        telegramView->showTelegramSelection(std::clamp(m.Table_updown_Telegram, 0, int(ports.size()) - 1),
                                            Scroll::Visible);
}

// ================================================================ freshness screen

void TelegramScreen::on_mvbfreshness_clicked()
{
    host.serveScreen(screen::Freshness, true);
    host.showMaintenanceTool("GMVBFreshness", "mvbfreshness");
    if (telegramView)
        telegramView->layoutFreshness();
    Read_Port_Data(1);
    if (isShown(QStringLiteral("GMVBFreshness")))
        Insert_Fresh_value();
    else if (isShown(QStringLiteral("GMVBTelegram")))
        MVBTelegram_update_value();
    host.drawKeyFocus();
    if (portCount() == 0)
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No Ports Found")), 1);
}

void TelegramScreen::Create_MVBFresh_Table(int rows)
{
    if (telegramView)
        telegramView->Create_MVBFresh_Table(rows);
}

void TelegramScreen::Insert_Fresh_value()
{
    if (!telegramView)
        return;
    const int maxFreshness = host.requests().Max_Freshness.load();
    QStringList freshness, maximum;
    for (int i = 0; i < portCount(); ++i) {
        const Telegram_Details_struct* t = measured(i);
        freshness << (t ? freshnessText(t->freshness) : QString());
        if (!t)
            maximum << QString();
        else if (t->max_freshness >= maxFreshness)
            maximum << TelegramView::staleText();
        else
            maximum << QString::number(t->max_freshness);
    }
    telegramView->updateFreshness(freshness, maximum);
}

void TelegramScreen::on_bmvbfreh_reset_clicked()
{
    if (telegramView)
        telegramView->clearMaximum();
    pushSelection(true); // the acquisition starts every maximum again
}

void TelegramScreen::on_bmvbfreh_top_clicked()
{
    selectFreshnessRow(0, Scroll::Top);
}

void TelegramScreen::on_bmvbfreh_bottom_clicked()
{
    selectFreshnessRow(m.Total_Table_Row_Freshness - 1, Scroll::Bottom);
}

void TelegramScreen::on_bmvbfreh_up_clicked()
{
    on_MVBFress_up_button();
}

void TelegramScreen::on_bmvbfreh_down_clicked()
{
    on_MVBFress_down_button();
}

void TelegramScreen::on_MVBFress_up_button()
{
    selectFreshnessRow(m.Table_updown_Freshness - 1, Scroll::Visible);
}

void TelegramScreen::on_MVBFress_down_button()
{
    selectFreshnessRow(m.Table_updown_Freshness + 1, Scroll::Visible);
}

void TelegramScreen::on_tmvbfreshness_cellClicked(int row, int)
{
    if (telegramView && !telegramView->movingSelection())
        selectFreshnessRow(row, Scroll::None);
}

void TelegramScreen::mvbfreshnesshandlerFunction(int)
{
    TelegramView* v = telegramView;
    if (v && v->tmvbfreshness && !v->movingSelection() && v->tmvbfreshness->isVisible())
        selectFreshnessRow(v->tmvbfreshness->rowAt(0), Scroll::None);
}

// ================================================================ telegram screen

void TelegramScreen::on_mvbtelegram_clicked()
{
    host.serveScreen(screen::Telegram, true);
    host.showMaintenanceTool("GMVBTelegram", "mvbtelegram");
    if (telegramView)
        telegramView->layoutTelegram();
    Create_MVBTele_Table_details();
    Read_Port_Data(3);
    selectTelegramRow(m.Table_updown_Telegram, Scroll::Visible);
    binary_details();
    if (isShown(QStringLiteral("GMVBFreshness")))
        Insert_Fresh_value();
    else if (isShown(QStringLiteral("GMVBTelegram")))
        MVBTelegram_update_value();
    host.drawKeyFocus();
    if (portCount() == 0)
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "No Ports Found")), 1);
}

void TelegramScreen::Create_MVBTele_Table(int rows)
{
    if (telegramView)
        telegramView->Create_MVBTele_Table(rows);
}

void TelegramScreen::Create_MVBTele_Table_details()
{
    if (telegramView)
        telegramView->Create_MVBTele_Table_details();
}

void TelegramScreen::binary_details()
{
    if (telegramView)
        telegramView->buildDetails(telegram::Mode::Bits, m.Table_updown_Telegram);
}

void TelegramScreen::byte_details()
{
    if (telegramView)
        telegramView->buildDetails(telegram::Mode::Bytes, m.Table_updown_Telegram);
}

void TelegramScreen::word_details()
{
    if (telegramView)
        telegramView->buildDetails(telegram::Mode::Words, m.Table_updown_Telegram);
}

void TelegramScreen::f_mvb_telegram_switch_position()
{
    if (telegramView)
        telegramView->buildDetails(telegramView->mode(), m.Table_updown_Telegram);
}

void TelegramScreen::MVBTelegram_update_value()
{
    if (!telegramView || m.Total_Table_Row_Telegram <= 0)
        return;
    if (m.viewer.port_buffer_view != 1 || m.viewer.Table_updown_Telegram != m.Table_updown_Telegram) {
        m.viewer.port_buffer_view = 1;
        m.viewer.Table_updown_Telegram = m.Table_updown_Telegram;
        pushSelection();
    }
    const Telegram_Details_struct* t = measured(m.Table_updown_Telegram);
    const QString freshness = t ? freshnessText(t->freshness) : QString();
    // The words are shown while they are this port's, from a pass of this
    // selection, and the port is fresh.
    const bool current = t && !freshness.isEmpty() && host.snapshot().port_buffer_port == t->telegram;
    telegramView->updateTelegram(current ? host.snapshot().port_buffer : nullptr, freshness);
}

void TelegramScreen::on_bmvbtele_bin_clicked()
{
    binary_details();
    MVBTelegram_update_value();
}

void TelegramScreen::on_bmvbtele_byte_clicked()
{
    byte_details();
    MVBTelegram_update_value();
}

void TelegramScreen::on_bmvbtele_word_clicked()
{
    word_details();
    MVBTelegram_update_value();
}

void TelegramScreen::on_bmvbtele_top_clicked()
{
    selectTelegramRow(0, Scroll::Top);
}

void TelegramScreen::on_bmvbtele_bottm_clicked()
{
    selectTelegramRow(m.Total_Table_Row_Telegram - 1, Scroll::Bottom);
}

void TelegramScreen::on_bmvbtele_up_clicked()
{
    selectTelegramRow(m.Table_updown_Telegram - 1, Scroll::Visible);
}

void TelegramScreen::on_bmvbtele_down_clicked()
{
    selectTelegramRow(m.Table_updown_Telegram + 1, Scroll::Visible);
}

void TelegramScreen::on_tmvbtelegram_cellClicked(int row, int)
{
    if (telegramView && !telegramView->movingSelection())
        selectTelegramRow(row, Scroll::None);
}

void TelegramScreen::mvbtelehandlerFunction(int)
{
    TelegramView* v = telegramView;
    if (v && v->tmvbtelegram && !v->movingSelection() && v->tmvbtelegram->isVisible())
        selectTelegramRow(v->tmvbtelegram->rowAt(0), Scroll::None);
}
