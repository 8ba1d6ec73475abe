#pragma once
// Reading the maintenance tools' XML files: each file is read whole or not at
// all, and any trouble is told in a few words for the debug stream.

#include <QByteArray>
#include <QString>

class QXmlStreamReader;

namespace maint {

enum class ReadStatus {
    Ok,         // read (it may still list nothing)
    CannotOpen, // missing or unreadable
    Empty,      // nothing in it
    TooLarge,   // larger than the reader takes
    Malformed,  // not well-formed XML (truncated, garbage)
};

struct FileBytes {
    QByteArray data;
    ReadStatus status = ReadStatus::Ok;
    QString problem; // for the debug stream ("" when Ok)
};

// The whole file, or the reason it cannot be had. Opened read-only: a file on
// a read-only data root reads as well. A file larger than `maxBytes` is not
// read to its end (one byte more tells it); a FIFO, device or folder in its
// place is not opened at all (CannotOpen).
FileBytes readWhole(const QString& path, qint64 maxBytes);

// Reads the rest of the document; "" when it was well-formed XML to its end,
// else where and why it was not.
QString finishReading(QXmlStreamReader& xml);

// Number of `name` elements anywhere in the document, or -1 when it is not
// well-formed XML (`problem` then says where).
int countElements(const QByteArray& data, const QString& name, QString* problem);

} // namespace maint
