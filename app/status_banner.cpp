#include "app/status_banner.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTime>

#include "acquisition/stale_store.h"
#include "ui/look.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

namespace {

} // namespace

namespace banner {

DataState dataState(const SignalStore& s)
{
    if (s.simulated)
        return DataState::Demo;
    return everyPortStale(s) ? DataState::NoData : DataState::Live;
}

} // namespace banner

StatusBanner::StatusBanner(QWidget* root)
    : QObject(root)
    , m_label(new QLabel(root))
{
    setObjectName(QStringLiteral("statusBanner"));
    m_label->setObjectName(QStringLiteral("mvb_status_banner"));
    m_label->setGeometry(212, 722, 600, 40);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->hide();
}

void StatusBanner::update(const SignalStore& s)
{
    const banner::DataState state = banner::dataState(s);
    if (state != m_state) {
        m_state = state;
        m_since =
            state == banner::DataState::NoData ? QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) : QString();
        show();
    }
    // Above every screen, also one opened since the last tick; below the
    // on-screen keyboard while it is open.
    if (m_state == banner::DataState::Live)
        return;
    const bool overlay = m_overlay && m_overlay->isVisible();
    const QObjectList& order = m_label->parentWidget()->children();
    const QObject* wantLast = overlay ? static_cast<QObject*>(m_overlay) : m_label;
    if (order.constLast() != wantLast || (overlay && order.value(order.size() - 2) != m_label)) {
        m_label->raise();
        if (overlay)
            m_label->stackUnder(m_overlay);
    }
}

void StatusBanner::retranslate()
{
    show();
}

void StatusBanner::show()
{
    switch (m_state) {
    case banner::DataState::Live: m_label->hide(); return;
    case banner::DataState::NoData:
        ui::putText(m_label, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO MVB DATA since %1")).arg(m_since));
        ui::putStyle(m_label, look::BannerNoData);
        break;
    case banner::DataState::Demo:
        ui::putText(m_label, ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DEMO MODE: SIMULATED VALUES")));
        ui::putStyle(m_label, look::BannerDemo);
        break;
    }
    m_label->show();
    m_label->raise();
}
