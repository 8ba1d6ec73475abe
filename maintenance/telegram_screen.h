#pragma once
// The telegram screen (32) and the freshness screen (33) of the maintenance
// menu: the screen model and the selection here, the drawing in
// maintenance/telegram_view. The acquisition reads what the viewer
// selection asks for (the port list, the selected port while the telegram
// screen is shown) and publishes it with the selection's version; a value of
// another selection, or of a port that is stale, is shown as unknown.

#include "maintenance/telegram_view.h"
#include "ui/screen.h"

class MaintenanceState;
struct Telegram_Details_struct;

class TelegramScreen : public ui::Screen {
    Q_OBJECT

public:
    TelegramScreen(ui::ScreenHost& host, MaintenanceState& state, QObject* parent = nullptr);

    // Reads the port list (file/master/zav_port.xml) into the shared state
    // and hands it to the acquisition; once, at start-up.
    void Read_Port_Data_BUFFER();
    int DDU_Micview_Get_Fun_code(int port) const;

    // The port columns of the freshness (kind 1) or telegram (3) table.
    void Read_Port_Data(int kind);
    void Create_MVBFresh_Table(int rows);
    void Create_MVBTele_Table(int rows);
    void Create_MVBTele_Table_details();
    void binary_details();
    void byte_details();
    void word_details();
    void f_mvb_telegram_switch_position();
    // Refresh ticks of the two screens.
    void Insert_Fresh_value();
    void MVBTelegram_update_value();
    // Up and down of the freshness table (its buttons' slots call them).
    void on_MVBFress_up_button();
    void on_MVBFress_down_button();

    TelegramView* telegramView = nullptr;

public slots:
    void on_mvbfreshness_clicked();
    void on_bmvbfreh_up_clicked();
    void on_bmvbfreh_down_clicked();
    void on_bmvbfreh_top_clicked();
    void on_bmvbfreh_bottom_clicked();
    void on_bmvbfreh_reset_clicked();
    void on_tmvbfreshness_cellClicked(int row, int column);
    void on_mvbtelegram_clicked();
    void on_bmvbtele_top_clicked();
    void on_bmvbtele_up_clicked();
    void on_bmvbtele_down_clicked();
    void on_bmvbtele_bottm_clicked();
    void on_bmvbtele_bin_clicked();
    void on_bmvbtele_byte_clicked();
    void on_bmvbtele_word_clicked();
    void on_tmvbtelegram_cellClicked(int row, int column);
    // Scroll-bar handlers: the bar names the row at the top of the table.
    void mvbfreshnesshandlerFunction(int value);
    void mvbtelehandlerFunction(int value);

private:
    MaintenanceState& m;
    int portCount() const;
    // Row `row` of the last published pass, when it was made for the list shown.
    const Telegram_Details_struct* measured(int row) const;
    QString freshnessText(int freshness) const;
    void selectTelegramRow(int row, TelegramView::Scroll scroll);
    void selectFreshnessRow(int row, TelegramView::Scroll scroll);
    void pushSelection(bool restartMaximum = false);
};
