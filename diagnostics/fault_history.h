#pragma once
// The fault history: every raise, acknowledgement and clearing of a fault or
// isolation message, per message and loco, kept across restarts (the fault
// log, by contrast, holds only the current run). An XML document, oldest
// event first:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <FaultHistory>
//       <Event>
//           <Time>2026-12-07T10:00:00+05:30</Time>   ISO 8601, with the offset
//           <Kind>raised</Kind>                      raised, acknowledged, cleared
//           <Loco>1</Loco>                           own loco 1, second loco 2
//           <Number>10103</Number>                   message number
//           <FaultCode>F0103P1</FaultCode>
//           <Subsystem>SS01:Main Power</Subsystem>
//           <Text>line 1 / line 2</Text>             the display lines
//       </Event>
//   </FaultHistory>
//
// The history holds at most kMaxEvents events; the oldest go first. Times are
// kept to the second, line ends in texts as "\n", characters XML cannot
// carry as blanks, and every text field to kMaxFieldChars characters, so
// a full history stays well within kMaxFileBytes (10 000 events of catalogue
// texts take 3 to 4 MB); should it not, the oldest events go until it does.
//
// The events are kept in memory after the first read, and every append
// replaces the whole file atomically (platform::saveFile): a power cut leaves
// the previous complete history. An event that cannot be written stays in
// memory and goes into the file with the next successful append. A history
// that cannot be read (not XML, a wrong element or value, larger than
// kMaxFileBytes, not a regular file) is not lost: it is kept beside the
// history with the suffix ".unreadable" (".unreadable.1" and on when there
// is one), a warning says so, and a new history is started; one that cannot
// be moved is never written over (new events stay in memory).
//
// Raise, acknowledge and clear are those of each loco's message number: a
// number going from A to B clears A and raises B. Information messages (90
// to 99) are not recorded, as in the fault log.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

struct FaultHistoryEvent {
    enum Kind : int { Raised, Acknowledged, Cleared }; // fixed type: any int can be told and refused

    Kind kind = Raised;
    QDateTime time;
    int loco = 1;      // 1 own locomotive, 2 second locomotive
    int number = 0;    // message number, 10103
    QString faultCode; // "F0103P1"
    QString subsystem; // "SS01:Main Power"
    QString text;      // the first display lines joined by " / "
};

bool operator==(const FaultHistoryEvent& a, const FaultHistoryEvent& b);
inline bool operator!=(const FaultHistoryEvent& a, const FaultHistoryEvent& b)
{
    return !(a == b);
}

class FaultHistory {
public:
    static constexpr int kMaxEvents = 10000;
    static constexpr qint64 kMaxFileBytes = 8 * 1024 * 1024;
    static constexpr int kMaxFieldChars = 1024;

    explicit FaultHistory(QString path);

    // Appends one event (time cut to the second, texts to kMaxFieldChars) and
    // writes the history. False when the event is refused (no valid time, an
    // unknown kind or loco: nothing changes) or when the history cannot be
    // written (the event is kept and written with the next append); `reason`
    // says which.
    // A raise of a message whose last event is still open (raised or
    // acknowledged: the display restarted while the message stayed) is the
    // same raise and adds nothing; a clear without texts takes those of its
    // raise.
    bool append(const FaultHistoryEvent& event, QString* reason = nullptr);
    // The first number read of `loco` after a start: every message of that
    // loco still open in the history but `currentNumber` went while the
    // display was off, and is cleared at `time` (the time it was seen gone).
    bool settle(int loco, int currentNumber, const QDateTime& time, QString* reason = nullptr);
    // The events held, oldest first (the file holds the same after a
    // successful write).
    QVector<FaultHistoryEvent> events() const;
    int count() const;
    QString path() const { return m_path; }

    // The events as a table for a spreadsheet (RFC 4180, UTF-8, CRLF): a
    // header line "Time,Event,Loco,Number,Fault code,Subsystem,Text", then
    // one line per event, oldest first.
    QByteArray toCsv() const;
    // The events as the file holds them (also when the file cannot be
    // written: the events in memory).
    QByteArray toXml() const;
    // Whether the file could be read (or set aside); else why not.
    bool readable(QString* problem) const { return load(problem); }

    static QString unreadableSuffix() { return QStringLiteral(".unreadable"); }
    // Whether the file at `path` is a history this class takes as it is: ""
    // when it is, else why not (it would be set aside). A missing file is
    // not one.
    static QString readProblem(const QString& path);
    static QString kindName(FaultHistoryEvent::Kind kind);

private:
    // The file is read at the first use, whichever call that is.
    bool load(QString* problem) const;
    void setAside(const QString& problem) const;
    bool write(QString* reason);
    QByteArray serialize() const;
    const FaultHistoryEvent* openRaise(int loco, int number) const;

    QString m_path;
    mutable QVector<FaultHistoryEvent> m_events;
    mutable bool m_loaded = false;
    mutable bool m_keepInMemory = false; // an unreadable file that could not be set aside is in its place
};
