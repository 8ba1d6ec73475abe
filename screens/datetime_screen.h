#pragma once
// The date and time screen (screen 21), beside the process information menu
// column: six fields, arrows that select a field and change it with
// wrap-around, "Get Date/Time" reads the clock again, "Set Date/Time" sets the
// system clock and the hardware clock with two fixed commands built from the
// six numbers only (never from text typed anywhere). A date that is not in the
// calendar (31 February, 29 February outside leap years) is refused with
// "Invalid Date" and nothing is run. The field rules and the commands are
// screens/settings_logic, the widgets screens/datetime_view.
//
// The decisions taken here, with their reasons: docs/settings-and-language.md.

#include "ui/screen.h"

class DateTimeView;
class ProcessInfoView;
class QWidget;

class DateTimeScreen : public ui::Screen {
    Q_OBJECT

public:
    DateTimeScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    static void build(QWidget* root);
    // Finds the widgets under `root`; `menu` is the process information menu
    // column the screen is shown with.
    void attach(QWidget* root, ProcessInfoView* menu);

    void getdatetime();
    void ClearDateTimeLCDColor();
    void SetDateTimeLCDColor();

    int date_time_lcd_color = 0; // selected field: 0 day ... 5 second
    DateTimeView* dateTimeView = nullptr;

public slots:
    void on_setdatetime_clicked();
    void on_get_datetime_clicked();
    void on_datetime_up_clicked();
    void on_datetime_down_clicked();
    void on_datetime_left_clicked();
    void on_datetime_right_clicked();
    void on_set_datetime_clicked();

private:
    ProcessInfoView* m_menu = nullptr;
    void stepSelected(int delta);
};
