#include "diagnostics/fault_watch.h"

#include "acquisition/unknown.h"

FaultEvent FaultWatch::tick(int ownNumber, int secondNumber, bool multipleOperation, const QString& now)
{
    return tick(ownNumber, secondNumber, multipleOperation, [&now] { return now; });
}

FaultEvent FaultWatch::tick(int ownNumber, int secondNumber, bool multipleOperation,
                            const std::function<QString()>& clock)
{
    noteRead(1, ownNumber != kMessageUnknown, clock);
    noteRead(2, secondNumber != kMessageUnknown, clock);
    if (ownNumber != kMessageUnknown && ownNumber != MVB_DDU_Fault_No_old) {
        const FaultEvent::Change change{1, MVB_DDU_Fault_No_old, ownNumber};
        MVB_DDU_Fault_No_old = ownNumber;
        FaultEvent e = changed(1, ownNumber, clock());
        e.change = change;
        return e;
    }
    if (multipleOperation && secondNumber != kMessageUnknown && secondNumber != MVB_DDU_Fault2_No_old) {
        const FaultEvent::Change change{2, MVB_DDU_Fault2_No_old, secondNumber};
        MVB_DDU_Fault2_No_old = secondNumber;
        FaultEvent e = changed(2, secondNumber, clock());
        e.change = change;
        return e;
    }
    return {};
}

void FaultWatch::noteRead(int choice, bool read, const std::function<QString()>& clock)
{
    if (read)
        m_unreadSince[choice].clear();
    else if (m_unreadSince[choice].isEmpty())
        m_unreadSince[choice] = clock();
}

int FaultWatch::shownNumber() const
{
    return fault_choice == 1 ? MVB_DDU_Fault_No_old : fault_choice == 2 ? MVB_DDU_Fault2_No_old : 0;
}

QString FaultWatch::shownNoDataSince() const
{
    return fault_choice == 1 || fault_choice == 2 ? m_unreadSince[fault_choice] : QString();
}

FaultEvent FaultWatch::changed(int choice, int number, const QString& now)
{
    FaultEvent e;
    if (number != 0) {
        m_seen[choice] = now;
        fault_choice = choice;
        e.kind = FaultEvent::Show;
        e.choice = choice;
        e.number = number;
        e.time = now;
        e.log = number > 99;
        return e;
    }
    m_seen[choice].clear();
    if (fault_choice != choice)
        return e; // the message shown is the other locomotive's: it stays
    const int other = choice == 1 ? 2 : 1;
    const int otherNumber = other == 1 ? MVB_DDU_Fault_No_old : MVB_DDU_Fault2_No_old;
    if (otherNumber != 0 && !m_seen[other].isEmpty()) {
        fault_choice = other;
        e.kind = FaultEvent::Show;
        e.choice = other;
        e.number = otherNumber;
        e.time = m_seen[other];
        return e;
    }
    fault_choice = 0;
    e.kind = FaultEvent::Clear;
    return e;
}
