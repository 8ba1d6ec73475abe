#pragma once
// Signal sets of the variable monitor: the six numbered slots and "temp"
// (file/micview/<name>.xml under the data root), and their hand-over to the
// acquisition's monitor.
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <Table>
//       <Signals_Count>
//           <Count_All>2</Count_All>
//       </Signals_Count>
//       <Signals>
//           <Signal_Telegram>FLG1-3110</Signal_Telegram>
//           <Signal_Name>FLG1_D50_XSpeedLoco</Signal_Name>
//           <Type>ANALOG</Type>
//           <Signal_Member>D50_XSpeedLoco</Signal_Member>
//           <Port>3110</Port>
//           <ByteOff>12</ByteOff>
//           <BitOff>0</BitOff>
//       </Signals>
//       ...
//   </Table>
//
// Saving replaces the whole file atomically (a temporary file, renamed over
// the old one): a set being saved when the power fails is the old set or the
// new one, never a torn one. Reading takes Signal_Name, Type, Port, ByteOff
// and BitOff of each Signals element (in any order; one without Signal_Name is
// no entry); the file is read whole or not at all. Only the first kMaxEntries
// entries are taken: the display has twenty rows and a selection at most
// twenty ticks, so only a hand-made file holds more; those are counted in
// SetFile::leftOut, told on the debug stream and in an information box, and
// never fetched.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "acquisition/signal_store.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/port_list.h"
#include "maintenance/logic/xml_input.h"

namespace micview {

constexpr int kMaxEntries = 20;
constexpr qint64 kMaxFileBytes = 1024 * 1024;

// "file/micview/<name>.xml" under the data root; names "1" .. "6" and "temp".
QString setPath(const QString& name);

// The set file of the ticked descriptor rows, in table order.
QByteArray serialize(const QVector<descriptor::Row>& rows);
// Writes the set atomically (platform::saveFile); false (and the reason) when
// it could not be written.
bool save(const QString& path, const QVector<descriptor::Row>& rows, QString* error = nullptr);

// Saving over this file asks first: it exists and is not empty.
bool askBeforeReplacing(const QString& path);

struct Entry {
    QString name; // Signal_Name
    QString type; // Type
    int port = 0;
    int byteOff = 0;
    int bitOff = 0;
};

// How the monitor reads a signal the port map knows (by its name): a scaled
// value gets the port map's mask and factor; a unit is given where the name
// tells what the value is (a voltage, current, speed, pressure, temperature,
// an energy counter). Unknown names keep factor 0 and no unit: the value
// reads as its type alone, never with a unit it may not have.
struct Reading {
    double factor = 0.0;
    int mask = 0xFFFF;
    int decimals = 1;
    bool signedWord = false;
    const char* unit = "";
};
Reading readingOf(const QString& signalName);

// The entry a ticked descriptor row makes (what saving and loading it back gives).
Entry entryOf(const descriptor::Row& row);

struct SetFile {
    QVector<Entry> entries;
    maint::ReadStatus status = maint::ReadStatus::Ok;
    QString problem;
    int leftOut = 0; // entries beyond kMaxEntries
};

SetFile parseSet(const QByteArray& data);
SetFile loadSet(const QString& path);
QStringList report(const SetFile& set, const QString& path);

// One entry as the acquisition's monitor fetches it. `valid` is false for an
// entry the monitor cannot read truthfully: a port the port list does not
// name, an offset beyond the port, a bit number beyond the word; its value is
// shown as unknown and it is not fetched.
struct Fetch {
    DDU_Micview_Details_struct details;
    bool valid = false;
};
Fetch fetchOf(const Entry& entry, const QVector<portlist::Port>& ports);

// The bit number the monitor takes (bus order: 0..7 the word's first octet,
// 8..15 its second) for a bit given in a byte of the telegram.
int busBitNumber(int byteOff, int bitOff);

} // namespace micview
