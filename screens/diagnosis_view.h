#pragma once
// The diagnosis records' view: the processor choice (screen 14), the list of
// the chosen processor's messages (15) and one message's details (16).
//
// The list is filled by the window's cell writer (table code 6); its hidden
// columns 4 to 8 keep what the details show, so the details always show the
// row that is listed. The view paints the selection, scrolls, and keeps the
// one flag of its own: whether the program is moving the selection, during
// which the scroll-bar and click handlers leave the selection alone.

#include <QObject>
#include <QStringList>

class QAbstractButton;
class QLabel;
class QRadioButton;
class QTableWidget;
class QWidget;

// clang-format off
#define DIAG_CHOICE_WIDGETS(X) X(QWidget, Gmenu_diagnosis) X(QLabel, menuscreen_header) \
    X(QLabel, l_menudiag_selproc) X(QWidget, Gdiag_radio) X(QAbstractButton, b_menudiag_ok)
#define DIAG_LIST_WIDGETS(X) X(QWidget, Gdiagnostics) X(QLabel, diag_header) X(QTableWidget, t_diagnosis) \
    X(QAbstractButton, diag_details) X(QAbstractButton, diag_back) X(QAbstractButton, diag_top) \
    X(QAbstractButton, diag_up) X(QAbstractButton, diag_down) X(QAbstractButton, diag_bottom) \
    X(QWidget, diag_vertline) X(QWidget, Gdiag_blur)
#define DIAG_DETAILS_WIDGETS(X) X(QWidget, Gdiag_details) X(QLabel, diagdetails_header) \
    X(QTableWidget, t_diagdetails) X(QLabel, diag_signame) X(QLabel, diag_sigval) \
    X(QAbstractButton, diag_detailsymp) X(QAbstractButton, diag_detailcause) X(QAbstractButton, diag_detailadvice) \
    X(QAbstractButton, diag_detailsback) X(QWidget, Gdiag_detailsca) X(QLabel, diag_detailmess)
// clang-format on

class DiagnosisView : public QObject {
public:
    static constexpr int kProcessorCount = 21;
    // The processors in grid order (4 per row), which is also the order in
    // which the choice is read.
    static const char* const kProcessors[kProcessorCount];
    // Object name of the radio button of processor `index` ("r_flg1" ...).
    static QString radioName(int index);

    enum class Scroll { None, Visible, Top, Bottom };
    enum class Tab { Symptoms, Causes, Advice };

    explicit DiagnosisView(QObject* parent);

    // State of the diagnosis records (the list's row count and selected row
    // are DiagnosisScreen's Total_Table_Row_DDS and Table_updown_DDS, which
    // the window's touch scrolling reads too).
    QString radio_checked;        // the processor listed, e.g. "FLG1"
    int diag_radio_checked = 0;   // 1: the choice is cleared when the screen is next laid out
    int Table_updown_old_DDS = 0; // the row the program last selected

    // Finds the three screens' widgets under `root`; returns the names missing
    // or of another kind.
    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // Layout functions set geometry, texts and looks; showing the screens is
    // DiagnosisScreen's (the window's screen model hides them all on every change).

    // ----- processor choice -----
    void layoutChoiceHeader(bool hindi);
    void layoutChoiceGrid(bool hindi);
    void clearChoice();
    // The first processor checked in grid order; "" when none is.
    QString chosenProcessor() const;

    // ----- message list -----
    void layoutList(const QString& processor);
    void showBlur(bool shown);
    int rowCount() const;
    // Paints row `row` as selected and scrolls as asked. The scroll bar's
    // handler sees movingSelection() true meanwhile.
    void showSelection(int row, Scroll scroll);
    bool movingSelection() const { return m_movingSelection; }
    // A listed cell's text ("" outside the list).
    QString cell(int row, int column) const;

    // ----- message details -----
    void layoutDetails();
    // Fills the details of list row `row` and shows its symptoms.
    void showDetails(int row);
    // Shows the symptoms, causes or remarks of list row `row` and marks its button.
    void showTab(Tab tab, int row);

#define DIAG_DECLARE(type, n) type* n = nullptr;
    DIAG_CHOICE_WIDGETS(DIAG_DECLARE)
    DIAG_LIST_WIDGETS(DIAG_DECLARE)
    DIAG_DETAILS_WIDGETS(DIAG_DECLARE)
#undef DIAG_DECLARE
    QRadioButton* radios[kProcessorCount] = {};

private:
    void layoutListTable();
    void layoutListButtons();
    void layoutDetailsTable();
    void layoutDetailTabs();
    void paintSelection(int row);

    bool m_movingSelection = false; // the program moves the selection (updown_check)
};
