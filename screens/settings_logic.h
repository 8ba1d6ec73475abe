#pragma once
// Rules of the settings screens, without widgets: the password pad's stages
// and codes, the date and time fields with their wrap-around and the two
// clock commands, the brightness steps, and loading a translation file.
// The screens (screens/password_screen, datetime_screen, settings_screen)
// only apply these to their widgets.

#include <QString>

#include <limits>
#include <memory>

class QDateTime;
class QTranslator;

namespace settings {

// ----------------------------------------------------------- password pad

// The pad keeps at most this many digits: a stuck key or a flood of touches
// cannot grow the text without bound (the codes have four digits).
constexpr int kMaxTypedDigits = 16;

// A protected action the pad is opened for.
struct PadStage {
    int stage;
    const char* header; // pwd_header (context "MainWindow")
    bool maintenance;   // true: the maintenance code, false: the configuration code
    bool updateInfo;    // true: the software update's wording of the info text
};

// The stage's row, or nullptr for a number that is no stage (0, 7, ...).
const PadStage* padStage(int stage);
// The info text of a stage (English, context "MainWindow"); empty for no stage.
const char* padInfo(int stage);
// True when `typed` is the whole code of `stage`'s kind; false for no stage.
bool padAccepts(int stage, const QString& typed);
// `typed` with `digit` appended, unless it already holds kMaxTypedDigits.
QString padAppend(const QString& typed, QChar digit);

// Wrong codes in a row after which the pad takes no code, and for how long.
constexpr int kWrongCodesBeforeLock = 5;
constexpr qint64 kCodeLockMs = 60000;

// The wrong-code limit of the pad, one for every stage (closing the pad or
// opening it for another action does not start the count again). The right
// code ends the count; the lock's end starts a new one. Times are
// milliseconds of a monotonic clock.
class CodeTries {
public:
    // A wrong code at `now`; the fifth in a row locks the pad.
    void wrong(qint64 now);
    // The right code.
    void right() { m_wrong = 0; }
    bool locked(qint64 now) const { return now < m_lockedUntil; }
    // Whole seconds left of the lock, rounded up; 0 when not locked.
    int secondsLeft(qint64 now) const;
    int wrongInRow() const { return m_wrong; }

private:
    int m_wrong = 0;
    qint64 m_lockedUntil = std::numeric_limits<qint64>::min();
};

// ----------------------------------------------------------- date and time

enum DateField { Day, Month, Year, Hour, Minute, Second, FieldCount };

struct DateTimeFields {
    int value[FieldCount] = {1, 1, 2000, 0, 0, 0};

    static DateTimeFields from(const QDateTime& t);
    // The field as its readout shows it: two digits, the year four.
    QString text(int field) const;
    bool operator==(const DateTimeFields& o) const;
};

// One step up (+1) or down (-1) of a field, with its wrap-around: day 1..31,
// month 1..12, hour 0..23, minute and second 0..59. The year stops at 1 and
// 9999: the readout and the clock command have four digits for it.
int stepField(int field, int value, int delta);
// The selected field after right (+1) or left (-1): 0..5 with wrap-around.
int nextField(int field, int delta);
// True when day, month and year form a date of the calendar (leap years too).
bool isCalendarDate(const DateTimeFields& f);
// "date MMDDhhmmYYYY.ss" for the fields (every part a formatted number).
QString dateCommand(const DateTimeFields& f);
// Copies the system time into the hardware clock.
extern const char kHwclockCommand[];

// ----------------------------------------------------------- brightness

// Bar value of a brightness step 1..7 (30, 40 ... 80, 100 percent); steps
// outside are taken as the nearest step.
int brightnessPercent(int step);

// ----------------------------------------------------------- language

// Translation file of a language (0 English, 1 Hindi) under the data root.
QString languageFile(int language);
// A translator loaded from `path`, or nullptr when the file is missing,
// unreadable or not a translation file; `error` then says why.
std::unique_ptr<QTranslator> loadTranslator(const QString& path, QString* error);

} // namespace settings
