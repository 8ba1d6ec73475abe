#include "screens/settings_logic.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QTranslator>

#include "platform/platform.h"

namespace settings {

namespace {

const char kMaintenanceCode[] = "4026";
const char kConfigurationCode[] = "4027";

const char kInfo[] =
    QT_TRANSLATE_NOOP("MainWindow", "Please enter security code and use OK button\nUse C button to clear or cancel");
const char kUpdateInfo[] =
    QT_TRANSLATE_NOOP("MainWindow", "Please enter security code and click OK. \n(Use C button to clear or cancel)");

// clang-format off
const PadStage kStages[] = {
    {1, QT_TRANSLATE_NOOP("MainWindow", "MAINTENANCE"), true, false},
    {2, QT_TRANSLATE_NOOP("MainWindow", "VCU"), false, false},
    {3, QT_TRANSLATE_NOOP("MainWindow", "SR"), false, false},
    {4, QT_TRANSLATE_NOOP("MainWindow", "BUR"), false, false},
    {5, QT_TRANSLATE_NOOP("MainWindow", "CALIBRATE"), false, false},
    {6, QT_TRANSLATE_NOOP("MainWindow", "DDU"), false, false},
    {8, QT_TRANSLATE_NOOP("MainWindow", "SOFTWARE UPDATE"), false, true},
};

// Lowest and highest value of each field (day, month, year, hour, minute, second).
const int kLow[FieldCount] = {1, 1, 1, 0, 0, 0};
const int kHigh[FieldCount] = {31, 12, 9999, 23, 59, 59};
// clang-format on

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

} // namespace

const PadStage* padStage(int stage)
{
    for (const PadStage& s : kStages)
        if (s.stage == stage)
            return &s;
    return nullptr;
}

const char* padInfo(int stage)
{
    const PadStage* s = padStage(stage);
    if (!s)
        return "";
    return s->updateInfo ? kUpdateInfo : kInfo;
}

bool padAccepts(int stage, const QString& typed)
{
    const PadStage* s = padStage(stage);
    if (!s)
        return false;
    return typed == QLatin1String(s->maintenance ? kMaintenanceCode : kConfigurationCode);
}

QString padAppend(const QString& typed, QChar digit)
{
    if (typed.size() >= kMaxTypedDigits)
        return typed;
    return typed + digit;
}

void CodeTries::wrong(qint64 now)
{
    if (locked(now))
        return; // the pad takes no code while locked
    if (++m_wrong >= kWrongCodesBeforeLock) {
        m_wrong = 0;
        m_lockedUntil = now + kCodeLockMs;
    }
}

int CodeTries::secondsLeft(qint64 now) const
{
    if (!locked(now))
        return 0;
    return int((m_lockedUntil - now + 999) / 1000);
}

DateTimeFields DateTimeFields::from(const QDateTime& t)
{
    // As the screen reads the clock: "dd-MM-yyyy" and "HH:mm:ss" split into numbers.
    DateTimeFields f;
    const QStringList date = t.toString(QStringLiteral("dd-MM-yyyy")).split(QLatin1Char('-'));
    const QStringList time = t.toString(QStringLiteral("HH:mm:ss")).split(QLatin1Char(':'));
    for (int k = 0; k < 3 && k < date.size(); ++k)
        f.value[Day + k] = date[k].toInt();
    for (int k = 0; k < 3 && k < time.size(); ++k)
        f.value[Hour + k] = time[k].toInt();
    return f;
}

QString DateTimeFields::text(int field) const
{
    if (field < 0 || field >= FieldCount)
        return QString();
    if (field == Year)
        return QStringLiteral("%1").arg(value[Year], 4, 10, QLatin1Char('0'));
    return twoDigits(value[field]);
}

bool DateTimeFields::operator==(const DateTimeFields& o) const
{
    for (int k = 0; k < FieldCount; ++k)
        if (value[k] != o.value[k])
            return false;
    return true;
}

int stepField(int field, int value, int delta)
{
    if (field < 0 || field >= FieldCount)
        return value;
    const int next = value + delta;
    if (field == Year)
        return qBound(kLow[Year], next, kHigh[Year]);
    if (next > kHigh[field])
        return kLow[field];
    if (next < kLow[field])
        return kHigh[field];
    return next;
}

int nextField(int field, int delta)
{
    return ((field + delta) % FieldCount + FieldCount) % FieldCount;
}

bool isCalendarDate(const DateTimeFields& f)
{
    return f.value[Year] >= kLow[Year] && f.value[Year] <= kHigh[Year] &&
        QDate::isValid(f.value[Year], f.value[Month], f.value[Day]);
}

QString dateCommand(const DateTimeFields& f)
{
    return QStringLiteral("date ") + f.text(Month) + f.text(Day) + f.text(Hour) + f.text(Minute) + f.text(Year) +
        QLatin1Char('.') + f.text(Second);
}

const char kHwclockCommand[] = "hwclock -w -f /dev/rtc0";

int brightnessPercent(int step)
{
    static const int kPercent[7] = {30, 40, 50, 60, 70, 80, 100};
    return kPercent[qBound(1, step, 7) - 1];
}

QString languageFile(int language)
{
    return platform::dataPath(language == 1 ? QStringLiteral("lang/zav_hindi.qm")
                                            : QStringLiteral("lang/zav_english.qm"));
}

std::unique_ptr<QTranslator> loadTranslator(const QString& path, QString* error)
{
    auto translator = std::make_unique<QTranslator>();
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("%1: no such file").arg(path);
        return nullptr;
    }
    // QTranslator checks the file's signature and the bounds of its blocks; a
    // file it refuses leaves the translator empty.
    if (!translator->load(path)) {
        if (error)
            *error = QStringLiteral("%1: not a readable translation file").arg(path);
        return nullptr;
    }
    return translator;
}

} // namespace settings
