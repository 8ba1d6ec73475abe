#pragma once
// The one place on every screen that says why its values are not the
// vehicle's: the internal simulation (demo) runs, or the whole link is lost
// ("NO MVB DATA since" the tick it was first seen). A strip at the foot of the
// screen, over whatever screen is shown (the values under it read "--" then,
// or are invented); hidden while the data is live.

#include <QObject>
#include <QString>

#include "acquisition/signal_store.h"

class QLabel;
class QWidget;

namespace banner {
enum class DataState { Live, NoData, Demo };
// Where the values of a snapshot come from.
DataState dataState(const SignalStore& s);
} // namespace banner

class StatusBanner : public QObject {
public:
    // Creates the strip ("mvb_status_banner") under `root`, hidden.
    explicit StatusBanner(QWidget* root);

    // One refresh tick; a loss of the link is stamped with the time of day of
    // the tick that first sees it.
    void update(const SignalStore& s);
    // Writes the text again in the language now installed.
    void retranslate();
    // A widget that stays above the strip while it is shown (the on-screen
    // keyboard, whose lowest keys the strip would cover).
    void keepBelow(QWidget* overlay) { m_overlay = overlay; }

    banner::DataState state() const { return m_state; }
    QString since() const { return m_since; }
    QLabel* label() const { return m_label; }

private:
    void show();
    QLabel* m_label;
    QWidget* m_overlay = nullptr;
    banner::DataState m_state = banner::DataState::Live;
    QString m_since;
};
