#include "diagnostics/fault_watch.h"

FaultEvent FaultWatch::tick(int ownNumber, int secondNumber, bool multipleOperation, const QString& now)
{
    if (ownNumber != MVB_DDU_Fault_No_old) {
        MVB_DDU_Fault_No_old = ownNumber;
        return changed(1, ownNumber, now);
    }
    if (multipleOperation && secondNumber != MVB_DDU_Fault2_No_old) {
        MVB_DDU_Fault2_No_old = secondNumber;
        return changed(2, secondNumber, now);
    }
    return {};
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
