#pragma once
// The signal descriptor of the variable monitor (file/master/zav_descriptor.xml
// under the data root): every signal of every telegram with its position.
//
// File layout: one root element; under it one Signal element per signal with
// the children telegram_name, src_signal_name, signal_type, src_member_name,
// signal_address, byte_off and bit_off. bit_off ends a row: a Signal without
// it shares its row with the next one. Other children are skipped.
//
// We generate the file we ship from the port map (generate()), so the
// descriptor and what the acquisition cuts from the ports cannot disagree:
// telegram "<processor>-<port>"; the word's first octet on the bus is its
// high byte, so a signal in word bits 8..15 lies in byte 2 x word, one in bits
// 0..7 in byte 2 x word + 1, with bit_off its bit in that byte.
//
// The file is read whole or not at all: missing, empty, larger than
// kMaxFileBytes or not well-formed XML gives no row and the reason. At most
// kMaxRows rows are listed.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

#include "maintenance/logic/xml_input.h"

namespace descriptor {

// Columns of the variable table (column 0 holds the tick box).
enum Column : int {
    Telegram = 1, // telegram_name
    SignalName,   // src_signal_name
    Type,         // signal_type
    Member,       // src_member_name
    Port,         // signal_address
    ByteOff,      // byte_off
    BitOff,       // bit_off
    ColumnCount
};

// Element name of each column (index by Column; 0 is unused).
extern const char* const kTags[ColumnCount];
// Column of a child element of Signal, 0 for any other element.
int columnOf(const QString& tag);

struct Row {
    std::array<QString, ColumnCount> cells; // 1..7 used

    const QString& operator[](int column) const { return cells[size_t(column)]; }
};

constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
constexpr int kMaxRows = 50000;

struct Descriptor {
    QVector<Row> rows;
    maint::ReadStatus status = maint::ReadStatus::Ok;
    QString problem;
    bool truncated = false; // more than kMaxRows: the first ones are listed
};

Descriptor parseDescriptor(const QByteArray& data);
Descriptor loadDescriptor(const QString& path);
QStringList report(const Descriptor& d, const QString& path);

// Type codes of the monitor: "BIT" 1, "BYTE" 2, "WORD" 3, "GANZOHNE" 4,
// "ANALOG" 5, anything else 0.
int typeCode(const QString& type);

// ----- filters of the variable table -----

// Labels of the processor filter's nineteen boxes, "ALL" first.
constexpr int kFilterBoxes = 19;
extern const char* const kFilterLabels[kFilterBoxes];

// A row passes the processor filter when "ALL" is among the labels, or its
// telegram contains one of them (case-sensitive).
bool processorMatches(const QString& telegram, const QStringList& labels);
// A row passes the telegram filter when its telegram ends with "-" and the
// address of one of the ports (case-sensitive).
bool telegramMatches(const QString& telegram, const QList<int>& ports);
// A row passes the signal-name filter when its name contains the text,
// ignoring case.
bool nameMatches(const QString& name, const QString& text);

// ----- the descriptor we ship -----

// Processor that publishes a port of the cycle ("MVB" for one we do not know).
QString processorOf(int port);
// The descriptor of every signal of the port map that is on the bus.
QVector<Row> portMapRows();
// The same as the XML file.
QByteArray generate();

} // namespace descriptor
