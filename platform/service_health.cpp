#include "platform/service_health.h"

#include <QDateTime>
#include <QDebug>

#include "platform/service_notify.h"
#include "platform/update_log.h"

namespace platform {

ServiceHealth::ServiceHealth(TrialFiles files, Notifier notify)
    : m_files(std::move(files))
    , m_notify(notify ? std::move(notify) : Notifier(notifyServiceManager))
    , m_ownTrial(runningTrial(m_files))
{
}

void ServiceHealth::framePainted(qint64 nowMs)
{
    if (ready())
        return;
    m_readyAtMs = nowMs;
    m_notify(QByteArrayLiteral("READY=1"));
}

void ServiceHealth::tick(qint64 nowMs)
{
    m_notify(QByteArrayLiteral("WATCHDOG=1"));
    if (!ready() || m_trialChecked || nowMs - m_readyAtMs < qint64(kTrialHealthySeconds) * 1000)
        return;
    m_trialChecked = true;
    const std::optional<Trial> trial = runningTrial(m_files);
    if (!trial || !m_ownTrial || trial->since != m_ownTrial->since)
        return;
    if (!endTrial(m_files)) {
        qWarning().noquote() << "the trial of the new program cannot be ended:" << m_files.trial();
        return;
    }
    m_trialPassed = true;
    QString why;
    if (!appendUpdateLog(
            m_files.updateLog(),
            {QDateTime::currentDateTime(), QStringLiteral("trial"), trial->from, trial->to, QStringLiteral("passed")},
            &why))
        qWarning().noquote() << "update log not written:" << why;
    qDebug().noquote() << "the new program" << trial->to << "passed its trial";
}

} // namespace platform
