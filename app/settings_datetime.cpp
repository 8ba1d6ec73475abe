// Settings: the date and time screen (screen 21) and the brightness panel.
//
// The date screen shows the clock as six fields; the arrows select a field
// and change it with wrap-around, "Get Date/Time" reads the clock again and
// "Set Date/Time" sets the system clock and the hardware clock with two fixed
// commands built from the six numbers only (never from text typed anywhere).
// A date that is not in the calendar (31 February, 29 February outside leap
// years) is refused with "Invalid Date" and nothing is run.
//
// The decisions taken here, with their reasons: docs/settings-and-language.md.

#include "app/mainwindow.h"

#include <QDateTime>

#include "app/datetime_view.h"
#include "app/settings_logic.h"
#include "app/settings_view.h"
#include "platform/platform.h"
#include "ui/resources.h"

using settings::DateTimeFields;

void MainWindow::on_setdatetime_clicked()
{
    for (const char* name : {"nodeslv", "slvnodeval"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    screen_id_old = screen_id;
    screen_id = screen::DateTime;
    grpbox_setvisible();
    dateTimeView->open();
    if (QWidget* menu = W(QStringLiteral("Gproinfo_menu"))) {
        menu->show();
        menu->raise();
    }
    // The side menu marks the screen shown.
    Process_Info_Menu_Button_Color_Reset();
    if (QWidget* b = W(QStringLiteral("setdatetime")))
        b->setStyleSheet(Key_submenu_select_Style);
    ClearDateTimeLCDColor();
    date_time_lcd_color = settings::Day;
    SetDateTimeLCDColor();
    getdatetime();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::getdatetime()
{
    dateTimeView->show(DateTimeFields::from(QDateTime::currentDateTime()));
}

void MainWindow::on_get_datetime_clicked()
{
    getdatetime();
}

void MainWindow::ClearDateTimeLCDColor()
{
    dateTimeView->clearSelection();
}

void MainWindow::SetDateTimeLCDColor()
{
    dateTimeView->select(date_time_lcd_color);
}

void MainWindow::on_datetime_right_clicked()
{
    ClearDateTimeLCDColor();
    date_time_lcd_color = settings::nextField(date_time_lcd_color, +1);
    SetDateTimeLCDColor();
}

void MainWindow::on_datetime_left_clicked()
{
    ClearDateTimeLCDColor();
    date_time_lcd_color = settings::nextField(date_time_lcd_color, -1);
    SetDateTimeLCDColor();
}

void MainWindow::on_datetime_up_clicked()
{
    const int k = date_time_lcd_color;
    if (k < 0 || k >= settings::FieldCount)
        return;
    DateTimeFields f = dateTimeView->read();
    f.value[k] = settings::stepField(k, f.value[k], +1);
    dateTimeView->show(f);
}

void MainWindow::on_datetime_down_clicked()
{
    const int k = date_time_lcd_color;
    if (k < 0 || k >= settings::FieldCount)
        return;
    DateTimeFields f = dateTimeView->read();
    f.value[k] = settings::stepField(k, f.value[k], -1);
    dateTimeView->show(f);
}

void MainWindow::on_set_datetime_clicked()
{
    const DateTimeFields f = dateTimeView->read();
    if (!settings::isCalendarDate(f)) {
        Dialog_Box(tr("Invalid Date"), 1);
        return;
    }
    platform::runShell(settings::dateCommand(f));
    platform::runShell(QLatin1String(settings::kHwclockCommand));
}

// The keypad reported its backlight: the panel shows it (the tick hides it
// again three seconds after the last report).
void MainWindow::Brightness()
{
    settingsView->showBrightness(brightness.Brightness_Step, brightness.Brightness_Automatic_Enable, screen_toggle);
}
