#include "maintenance/logic/load_thread.h"

#include <QDebug>

#include "maintenance/logic/descriptor.h"
#include "platform/platform.h"

Load_Thread::Load_Thread(QObject* parent, int rowsLoaded)
    : QThread(parent)
    , m_path(platform::dataPath(QStringLiteral("file/master/zav_descriptor.xml")))
    , m_rowsLoaded(rowsLoaded)
{
}

Load_Thread::~Load_Thread()
{
    requestInterruption();
    m_credits.release(kPartsAhead); // a thread waiting for its receiver goes on and sees the request
    wait();
}

bool Load_Thread::waitForReceiver()
{
    while (!isInterruptionRequested()) {
        if (m_credits.tryAcquire(1, 50))
            return !isInterruptionRequested();
    }
    return false;
}

void Load_Thread::run()
{
    if (m_rowsLoaded != 0) {
        emit DDU_MVB_Variable_Setup_Ready(0, 3);
        return;
    }
    const descriptor::Descriptor d = descriptor::loadDescriptor(m_path);
    for (const QString& line : descriptor::report(d, m_path))
        qDebug().noquote() << line;
    const int rows = d.rows.size();
    // Even a descriptor that gives nothing is answered: the screen leaves
    // "Loading..." and says so, instead of waiting for ever.
    emit DDU_MVB_Variable_Setup_Ready(rows, 1);
    for (int first = 0; first < rows; first += kRowsPerPart) {
        if (!waitForReceiver())
            return;
        const int end = qMin(rows, first + kRowsPerPart);
        for (int r = first; r < end; ++r)
            for (int c = descriptor::Telegram; c < descriptor::ColumnCount; ++c)
                emit DDU_MVB_Variable_Ready(r, c, d.rows[r][c]);
        m_rowsSent.store(end);
        emit DDU_MVB_Variable_Part_Ready(end);
    }
    emit DDU_MVB_Variable_Setup_Ready(rows, 2);
}
