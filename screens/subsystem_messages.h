#pragma once
// The messages of one subsystem (or of all) as the subsystem message list
// shows them, read from the fault log of the current run
// (diagnostics/fault_log: `Message` elements under the root, each with
// `SubsystemNo`, `Time`, `FaultCode` and `FaultMessage`).
//
// Each message's fields are taken by name, wherever they stand among its
// children, so a message written in another order can never lend its time or
// code to the row of another message. The log is read whole or not at all.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace subsys {

// One listed message: the four columns of the list.
struct Message {
    QString time;
    QString subsystem;
    QString code;
    QString text;
};

enum class Status {
    Ok,         // read (possibly without a message of the subsystem)
    CannotOpen, // missing or unreadable
    TooLarge,   // larger than kMaxLogBytes
    Malformed,  // not well-formed XML: treated as a log without messages
};

struct MessageList {
    Status status = Status::Ok;
    QString problem; // what went wrong, for the debug line
    QVector<Message> messages;
};

// A log larger than this is not read (the log of a run stays far below).
constexpr qint64 kMaxLogBytes = 8 * 1024 * 1024;
// Nor one nested deeper than this (the log is three levels deep).
constexpr int kMaxLogDepth = 16;

// True when a message of `subsystemNo` ("SS01" .. "SS19") or, for "ALL", any
// message is listed for the subsystem text of the log ("SS01:Main Power").
bool matches(const QString& subsystemText, const QString& subsystemNo);
// The messages of `subsystemNo` in the log's order (oldest first).
MessageList parseMessages(const QByteArray& xml, const QString& subsystemNo);
MessageList loadMessages(const QString& path, const QString& subsystemNo);

} // namespace subsys
