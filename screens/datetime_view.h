#pragma once
// The date and time screen's view (screen 21): six readouts (day, month,
// year, hour, minute, second) with their captions, four arrow keys that move
// the selection and change the selected field, and the "Get Date/Time" and
// "Set Date/Time" buttons. The process-information menu stays beside it. The
// screen class (screens/datetime_screen) drives it; the field rules and the
// clock commands are screens/settings_logic.

#include <QObject>
#include <QStringList>

#include "screens/settings_logic.h"

class QAbstractButton;
class QLCDNumber;
class QLabel;
class QWidget;

// clang-format off
#define DATETIME_WIDGETS(X) X(QWidget, Gdatetime) X(QLabel, datetime_header) \
    X(QLCDNumber, lcd_day) X(QLCDNumber, lcd_mnth) X(QLCDNumber, lcd_year) \
    X(QLCDNumber, lcd_hour) X(QLCDNumber, lcd_min) X(QLCDNumber, lcd_sec) \
    X(QLabel, datetime_cap_day) X(QLabel, datetime_cap_mnth) X(QLabel, datetime_cap_year) \
    X(QLabel, datetime_cap_hour) X(QLabel, datetime_cap_min) X(QLabel, datetime_cap_sec) \
    X(QAbstractButton, datetime_up) X(QAbstractButton, datetime_down) X(QAbstractButton, datetime_left) \
    X(QAbstractButton, datetime_right) X(QAbstractButton, get_datetime) X(QAbstractButton, set_datetime)
// clang-format on

class DateTimeView : public QObject {
public:
    explicit DateTimeView(QObject* parent);

    // Creates the screen's widgets inside `Gdatetime`.
    static void build(QWidget* root);
    QStringList resolve(QWidget* root);

    // Shows the group, its header, captions, arrows and buttons (texts in the
    // language installed).
    void open();
    // The readout of a field (0 day ... 5 second).
    QLCDNumber* readout(int field) const;
    // Writes the fields into the readouts.
    void show(const settings::DateTimeFields& f);
    // The fields as the readouts show them.
    settings::DateTimeFields read() const;
    // Every readout in the plain look (ClearDateTimeLCDColor).
    void clearSelection();
    // The readout of `field` in the selected look (SetDateTimeLCDColor).
    void select(int field);

#define DATETIME_DECLARE(type, n) type* n = nullptr;
    DATETIME_WIDGETS(DATETIME_DECLARE)
#undef DATETIME_DECLARE
};
