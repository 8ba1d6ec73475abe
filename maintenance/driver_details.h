#pragma once
// The driver's trip details (file/fault/Driver_Details): one text line
//
//   $,<driver id>,<train name>,<load in tons>,<origin>,<destination>,<sign-in date and time>,<division>,<zone>,#
//
// ended by a newline. The line has no escape for its separators, so a field
// may hold neither "," nor "#" nor a line break: such input is refused before
// it reaches a field, and a record holding one is never written. Plain logic
// without widgets.

#include <QString>

namespace driver {

constexpr int kFieldCount = 8;
// Longest text a field takes; longer input is cut to this length (a value
// cell of the screen shows about this much).
constexpr int kMaxFieldLength = 24;

struct DriverDetails {
    QString Driver_id;
    QString Train_Name;
    QString Train_Loco_Tons;
    QString Origin_Code;
    QString Destination_code;
    QString Datetime;
    QString Division;
    QString Railway_Zone;

    // Field `i` (0 .. kFieldCount - 1) in the order of the file.
    QString& field(int i);
    const QString& field(int i) const;
    void clear();
    bool operator==(const DriverDetails& o) const;
};

// Splits `line` at ","; with at least ten parts, parts 1 to 8 become the
// fields and the result is true. Otherwise `d` is left as it is.
bool parseLine(const QString& line, DriverDetails& d);

// The line of the file, newline included.
QString formatLine(const DriverDetails& d);

// Result of checking one typed text for a field.
struct FieldInput {
    QString text;           // what the field takes (cut to kMaxFieldLength)
    bool refused = false;   // holds "," or "#" or a line break / control character
    bool shortened = false; // was longer than kMaxFieldLength
};
FieldInput checkField(const QString& typed);

// Index of the first field that could not be stored faithfully, or -1.
int firstBadField(const DriverDetails& d);

enum class ReadResult { Read, Unreadable, TooFewParts };
// Reads the first line of `path` into `d`. Unreadable (missing) file: the
// fields are emptied. A line of fewer than ten parts leaves them unchanged.
ReadResult readFile(const QString& path, DriverDetails& d);

// Replaces `path` atomically with the line of `d`. Refuses (false, file
// untouched) a record with a bad field or when the file cannot be written.
bool writeFile(const QString& path, const DriverDetails& d, QString* error = nullptr);

} // namespace driver
