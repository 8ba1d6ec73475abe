#pragma once
// What the refresh tick does with the message numbers of the two locomotives
// of a consist (the own one and, in multiple operation, the second one).
//
// - A change of the own number is taken first; a change of the second
//   locomotive's number only in a tick in which the own number did not change,
//   and only while multiple operation is active (a change made meanwhile is
//   taken when it becomes active). The two share one pop-up: the later change
//   wins.
// - Any change to a non-zero number, also from one message straight to
//   another or back after 0, shows the pop-up again with a new time stamp and
//   logs the message again when it is a fault or an isolation (above 99);
//   information messages (90 to 99) are shown but never logged.
// - A number going to 0 removes the message of that locomotive. When the
//   message shown belongs to the other locomotive it stays; when the other
//   locomotive still has a message, that one is shown again (as it was first
//   seen, not logged again): a loco's fault is never hidden by the other one
//   clearing.
// - A number that cannot be read (kMessageUnknown: the link silent, its port
//   stale, the active cab unknown) is no change: it neither raises nor clears
//   a message. The message stays, marked as not current since the tick the
//   number was lost; the same number coming back is the same message (no new
//   time stamp, no second log entry), another number is a change.

#include <QString>

#include <functional>

struct FaultEvent {
    enum Kind { None, Show, Clear };
    Kind kind = None;
    int choice = 0;   // 1 own locomotive, 2 second locomotive
    int number = 0;   // message number to look up
    QString time;     // when it was first seen ("dd/MM/yyyy HH:mm:ss")
    bool log = false; // append to the fault log

    // The number taken this tick, whatever the pop-up does with it (the
    // fault history records every locomotive's messages, also those of the
    // locomotive whose message is not the one shown). loco 0: none.
    struct Change {
        int loco = 0;
        int from = 0;
        int to = 0;
    } change;
};

class FaultWatch {
public:
    // One refresh tick. `now` is the time stamp a newly seen message gets.
    FaultEvent tick(int ownNumber, int secondNumber, bool multipleOperation, const QString& now);
    // The same, asking the clock only on a tick that stamps something.
    FaultEvent tick(int ownNumber, int secondNumber, bool multipleOperation, const std::function<QString()>& clock);

    // Whose message is shown: 0 none, 1 own, 2 second locomotive.
    int fault_choice = 0;
    // The numbers as last read (a number that could not be read leaves them).
    int MVB_DDU_Fault_No_old = 0;
    int MVB_DDU_Fault2_No_old = 0;

    // The number of the message shown (0: none).
    int shownNumber() const;
    // When the number of the message shown was lost (the time stamp of that
    // tick); empty while it is read.
    QString shownNoDataSince() const;

private:
    FaultEvent changed(int choice, int number, const QString& now);
    void noteRead(int choice, bool read, const std::function<QString()>& clock);
    QString m_seen[3];        // time each locomotive's current message was first seen
    QString m_unreadSince[3]; // time each locomotive's number was lost ("" while read)
};
