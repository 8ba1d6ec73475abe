#pragma once
// The fault pop-up and the driver advice: their widgets, found by name, the
// message rows, the layout per home layout (RMS or DDU), and the advice
// pages. FaultScreen (screens/fault_screen.*) drives it; the
// change detection is diagnostics/fault_watch, the log diagnostics/fault_log.

#include <QObject>
#include <QSize>
#include <QStringList>

#include "diagnostics/fault_log.h"
#include "diagnostics/fault_watch.h"

class QAbstractButton;
class QLabel;
class QListWidget;
class QWidget;

// clang-format off
#define FAULT_WIDGETS(X) X(Gfault) X(Gfaultdriveradvice) X(Gdriveradv_faultheader) X(Gdriveradv_right)
#define FAULT_LABELS(X) X(faultimg) X(fault_header) X(driveradv_faulttype) X(driveradv_datetime) \
    X(driveradv_header) X(page1) X(page2) X(page3) X(page4) X(image) X(page_no) X(fault_nodata) X(driveradv_nodata)
#define FAULT_LISTS(X) X(faultmsg_listwidget) X(driveradv_listwidget)
#define FAULT_BUTTONS(X) X(driveradvice) X(enterfault_btn) X(driveradv_back) X(up_button) X(down_button) \
    X(fault_button) X(screen_toggle)
// clang-format on

class FaultView : public QObject {
public:
    FaultView(QObject* parent, const QString& logPath);

    // Creates the pop-up's and the advice's widgets inside their groups.
    static void build(QWidget* root);
    // Finds the widgets by name; returns the names missing.
    QStringList resolve(QWidget* root);

    // The kind of a message number.
    enum class Kind { Information, Isolation, Fault };
    static Kind kindOf(unsigned int number);

    // Rows and header of a message (from the current-message record).
    void fill(unsigned int number, const QString& dateTime, const QString& locoNumber);
    // Shows the pop-up in the layout of `homeLayout` (0 RMS, 1 DDU).
    void showPopup(int homeLayout, bool hindi);
    // Shows the driver advice at `page` (1 to 4) with the record's pages.
    void showAdvice(int homeLayout, bool hindi);
    // Page `page` (1 .. advicePages()) of the advice, with "n/N" beside it.
    // The pages after the last one with text do not count: advice of three
    // pages shows "1/3" to "3/3", never an empty fourth page. (Pages keep
    // their numbers: the advice refers to them, "as per page 3".)
    void showPage(int page);
    int advicePages() const;
    // Hides the pop-up, the advice and the fault button.
    void hideAll();
    // Marks the message shown as not current since `since` ("HH:mm:ss"), or
    // as current again (empty): the pop-up's and the advice's "NO DATA since"
    // line and the fault button's grey icon.
    void showCurrency(const QString& since);
    bool current() const { return m_since.isEmpty(); }
    // Keypad focus on the pop-up: DRIVER ADVICE (false) or ACKNOWLEDGE (true).
    void focusAcknowledge(bool acknowledge);
    bool acknowledgeFocused() const { return m_acknowledgeFocused; }

    FaultWatch watch;
    FaultLog log;

#define FAULT_DECLARE(n) QWidget* n = nullptr;
    FAULT_WIDGETS(FAULT_DECLARE)
#undef FAULT_DECLARE
#define FAULT_DECLARE(n) QLabel* n = nullptr;
    FAULT_LABELS(FAULT_DECLARE)
#undef FAULT_DECLARE
#define FAULT_DECLARE(n) QListWidget* n = nullptr;
    FAULT_LISTS(FAULT_DECLARE)
#undef FAULT_DECLARE
#define FAULT_DECLARE(n) QAbstractButton* n = nullptr;
    FAULT_BUTTONS(FAULT_DECLARE)
#undef FAULT_DECLARE

private:
    bool m_acknowledgeFocused = false;
    QString m_since;      // empty while the message shown is current
    QString m_buttonIcon; // the fault button's icon for the kind of message
    QSize m_buttonIconSize;
    void putButtonIcon();
    void placeGroups(int homeLayout);
    void styleLists(bool hindi);
};
