#pragma once
// The diagnosis reference: the offline list of every processor's diagnostic
// messages (file/master/zav_DDSMessages_details.xml under the data root) with
// the signal, symptoms, causes and remarks of each message.
//
// File layout: one root element; under it one A_WAP_DDS element per message,
// whose children name the processor (ProcessorName), the message number
// (STNR), the subsystem (SUB), the text (any tag containing R_TEXT), the
// signal (SIGNALNAME), symptoms (SYMPTOME), causes (URSACHEN), remarks
// (BEMERKUNG) and a class kept with the message (Zi). Other elements under the
// root, and other children of a message, are skipped.
//
// Reading rules:
// - A message belongs to the processor named by its first ProcessorName,
//   wherever that child stands among the others; a message without one
//   belongs to no processor.
// - Texts are trimmed line by line and empty lines dropped, so an indented
//   multi-line remark keeps its line breaks and nothing else. An empty element
//   counts as missing. A tag given twice keeps its last text.
// - Any column a message does not supply reads "-".
// - The file is read whole or not at all: a file that cannot be opened, is
//   larger than kMaxFileBytes, or is not well-formed XML (truncated, garbage)
//   gives an empty list and says why.

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>

namespace diagref {

// Columns of the message list: the first four are shown, the others are kept
// for the details view.
enum Column : int {
    SlNo = 0,    // running number within the list, from 1
    Processor,   // ProcessorName
    Subsystem,   // SUB
    MessageText, // "   <STNR>: <R_TEXT>"
    Signal,      // SIGNALNAME
    Symptoms,    // SYMPTOME
    Causes,      // URSACHEN
    Remarks,     // BEMERKUNG (shown as advice)
    Zi,          // Zi
    ColumnCount
};

// Text of a column a message does not supply.
extern const QString kMissing; // "-"

// Largest file read; a reference for every processor and every code stays far
// below it, so anything larger is not a reference.
constexpr qint64 kMaxFileBytes = 8 * 1024 * 1024;
// Most messages listed for one processor (message codes are one byte on the
// bus; a list this long is only scrolled through by accident).
constexpr int kMaxMessages = 1000;

struct Message {
    std::array<QString, ColumnCount> cells;
    QString number; // STNR as read ("" when missing)

    const QString& operator[](int column) const { return cells[size_t(column)]; }
};

enum class Status {
    Ok,         // read (the list may still be empty)
    CannotOpen, // missing or unreadable
    TooLarge,   // larger than kMaxFileBytes
    Malformed,  // not well-formed XML
};

struct MessageList {
    QVector<Message> messages;
    Status status = Status::Ok;
    QString problem;        // what went wrong, for the debug stream ("" when Ok)
    bool truncated = false; // more than kMaxMessages matched: the first ones are listed
};

// Column 3 of the list: three blanks, the number, ": " and the text.
QString messageColumn(const QString& number, const QString& text);

// The messages of `processor` in document order, numbered from 1.
MessageList parseMessages(const QByteArray& xml, const QString& processor);
MessageList loadMessages(const QString& path, const QString& processor);

} // namespace diagref
