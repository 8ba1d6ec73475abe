#pragma once
// The fault log of the current run: an XML document with one `Message` per
// fault and isolation message, oldest first, emptied at every start. The
// subsystem message screens and the maintainers' tools read it:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <SUBSYSTEM>
//       <Message>
//           <LocoType>1</LocoType>                 own loco 1, second loco 2
//           <SubsystemNo>SS01:Main Power</SubsystemNo>
//           <Time>06/12/2026 18:13:25</Time>
//           <FaultCode>F0102P2</FaultCode>
//           <FaultMessage>line 1\nline 2\nline 3\nline 4</FaultMessage>
//       </Message>
//   </SUBSYSTEM>
//
// Every write replaces the whole file atomically (a temporary file, flushed,
// renamed over the old one), so a power cut leaves the previous complete log,
// never a torn or empty one. The document is kept in memory after the first
// read, so appending does not parse the file again. A log that cannot be
// parsed is not lost: it is kept beside the log with the suffix ".unreadable"
// and a fresh log is started.

#include <QDomDocument>
#include <QString>

struct FaultLogEntry {
    int locoType = 1;  // 1 own locomotive, 2 second locomotive
    QString subsystem; // "SS01:Main Power"
    QString time;      // "dd/MM/yyyy HH:mm:ss"
    QString faultCode; // "F0102P2"
    QString lines[4];  // the four display lines
};

class FaultLog {
public:
    explicit FaultLog(QString path);

    // Replaces the log by an empty one (at start). False when it cannot be written.
    bool reset();
    // Appends one message. False when the log cannot be written; the message
    // is then kept in memory and written with the next successful append.
    bool append(const FaultLogEntry& entry);
    // Messages held (the file holds as many after a successful write).
    int count() const;
    QString path() const { return m_path; }

    static QString unreadableSuffix() { return QStringLiteral(".unreadable"); }

    // Whether the file at `path` is a log this class takes as it is (a
    // regular file within the size and depth limits, with the SUBSYSTEM
    // root): "" when it is, else why not. A missing file is not one.
    static QString readProblem(const QString& path);

private:
    // The log in `data`: true and the document, or false and why not.
    static bool parse(const QByteArray& data, QDomDocument& doc, QString* problem);

    bool load();
    bool write();
    void startEmpty();

    QString m_path;
    QDomDocument m_doc;
    bool m_loaded = false;
};
