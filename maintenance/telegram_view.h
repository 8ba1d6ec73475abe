#pragma once
// The telegram screen (32: the port list, the selected port's words as bits,
// bytes or words) and the freshness screen (33: every port's freshness and
// the largest freshness since the last reset).
//
// The port columns are filled by the window's cell writer (table codes 3 and
// 1); the view lays the screens out, paints the selected row, builds the
// detail table of the selected port and writes, per refresh tick, only what
// changed. A value the acquisition did not measure for the list shown, or a
// stale one, reads "--" in grey.

#include <QObject>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <functional>

#include "maintenance/logic/telegram_format.h"

class QAbstractButton;
class QLabel;
class QScrollBar;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

// clang-format off
#define TELEGRAM_WIDGETS(X) X(QWidget, GMVBTelegram) X(QLabel, mvbtele_header) X(QTableWidget, tmvbtelegram) \
    X(QTableWidget, tmvbtelegram_details) X(QScrollBar, vmvbtele_scol) X(QAbstractButton, bmvbtele_top) \
    X(QAbstractButton, bmvbtele_up) X(QAbstractButton, bmvbtele_down) X(QAbstractButton, bmvbtele_bottm) \
    X(QAbstractButton, bmvbtele_bin) X(QAbstractButton, bmvbtele_byte) X(QAbstractButton, bmvbtele_word) \
    X(QLabel, mvbtele_portname_txt) X(QLabel, mvbtele_portname_value) X(QLabel, mvbtele_status_txt) \
    X(QLabel, mvbtele_status_value) X(QLabel, mvbtele_porttype_txt) X(QLabel, mvbtele_porttype_value) \
    X(QLabel, mvbtele_fress_txt) X(QLabel, mvbtele_fress_value)
#define FRESHNESS_WIDGETS(X) X(QWidget, GMVBFreshness) X(QLabel, mvbfresh_header) X(QTableWidget, tmvbfreshness) \
    X(QScrollBar, vmvbfresh_scol) X(QAbstractButton, bmvbfreh_up) X(QAbstractButton, bmvbfreh_down) \
    X(QAbstractButton, bmvbfreh_top) X(QAbstractButton, bmvbfreh_bottom) X(QAbstractButton, bmvbfreh_reset)
// clang-format on

class TelegramView : public QObject {
public:
    // The window's cell writer: XML_Insert_Data(row, column, format, table, text).
    using CellWriter = std::function<void(int row, int column, int format, int table, const QString& text)>;
    enum class Scroll { None, Visible, Top, Bottom };

    TelegramView(QObject* parent, CellWriter writer);

    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // ----- telegram screen -----
    void layoutTelegram();
    void Create_MVBTele_Table(int rows);
    void Create_MVBTele_Table_details();
    // Paints row `row` of the port table as selected and scrolls as asked;
    // the scroll bar's handler sees movingSelection() true meanwhile.
    void showTelegramSelection(int row, Scroll scroll);
    // The detail builder of `mode` for the selected row (port, direction and
    // F-code read from the port table's columns 0, 1 and 2).
    void buildDetails(telegram::Mode mode, int row);
    // Per tick: the selected port's words, when they are current (`words`
    // null otherwise), and its freshness text ("" unknown).
    void updateTelegram(const uint16_t* words, const QString& freshness);
    telegram::Mode mode() const { return m_mode; }
    int mvbtelegram_total_row_show = 0;
    int Table_updown_old_Telegram = 0;

    // ----- freshness screen -----
    void layoutFreshness();
    void Create_MVBFresh_Table(int rows);
    void showFreshnessSelection(int row, Scroll scroll);
    // Per tick: the two freshness columns ("" unknown, staleText() for a
    // maximum that reached the stale mark), written only where they changed.
    void updateFreshness(const QStringList& freshness, const QStringList& maximum);
    // The maximum of a port that was stale since the last reset.
    static QString staleText();
    // Empties the maximum column at once (Reset Max).
    void clearMaximum();

    bool movingSelection() const { return m_movingSelection; }

#define TELEGRAM_DECLARE(type, n) type* n = nullptr;
    TELEGRAM_WIDGETS(TELEGRAM_DECLARE)
    FRESHNESS_WIDGETS(TELEGRAM_DECLARE)
#undef TELEGRAM_DECLARE

private:
    void layoutTelegramButtons();
    void layoutTelegramLabels();
    void layoutFreshnessButtons();
    void styleModeButtons();
    void putDetail(int row, int column, const QString& text, bool unknown);
    void writeFreshCell(int row, int column, const QString& text);
    void paintRow(QTableWidget* t, int row, int columns, bool selected);
    void scrollTo(QTableWidget* t, int row, Scroll scroll);

    CellWriter m_write;
    telegram::Mode m_mode = telegram::Mode::Bits;
    int m_fcode = 0;
    bool m_movingSelection = false; // updown_check
    int m_freshSelected = -1;
    int m_teleSelected = -1;
    QStringList m_freshShown, m_maxShown; // what the freshness table shows
};
