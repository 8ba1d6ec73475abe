// The date and time screen: see datetime_screen.h.

#include "screens/datetime_screen.h"

#include <QDateTime>
#include <QDebug>
#include <QWidget>

#include "platform/platform.h"
#include "screens/datetime_view.h"
#include "screens/process_info_view.h"
#include "screens/settings_logic.h"
#include "ui/translated_text.h"

using settings::DateTimeFields;

DateTimeScreen::DateTimeScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "date and time screen", parent)
    , dateTimeView(new DateTimeView(this))
{
}

void DateTimeScreen::build(QWidget* root)
{
    DateTimeView::build(root);
}

void DateTimeScreen::attach(QWidget* root, ProcessInfoView* menu)
{
    m_menu = menu;
    for (const QString& name : dateTimeView->resolve(root))
        qCritical().noquote() << "date and time screen: no widget" << name;
}

void DateTimeScreen::on_setdatetime_clicked()
{
    for (const char* name : {"nodeslv", "slvnodeval"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    host.serveScreen(screen::DateTime, true);
    host.hideScreens();
    dateTimeView->open();
    if (m_menu)
        m_menu->showMenu(m_menu->setdatetime); // the side menu marks the screen shown
    ClearDateTimeLCDColor();
    date_time_lcd_color = settings::Day;
    SetDateTimeLCDColor();
    getdatetime();
    host.drawKeyFocus();
}

void DateTimeScreen::getdatetime()
{
    dateTimeView->show(DateTimeFields::from(QDateTime::currentDateTime()));
}

void DateTimeScreen::on_get_datetime_clicked()
{
    getdatetime();
}

void DateTimeScreen::ClearDateTimeLCDColor()
{
    dateTimeView->clearSelection();
}

void DateTimeScreen::SetDateTimeLCDColor()
{
    dateTimeView->select(date_time_lcd_color);
}

void DateTimeScreen::on_datetime_right_clicked()
{
    ClearDateTimeLCDColor();
    date_time_lcd_color = settings::nextField(date_time_lcd_color, +1);
    SetDateTimeLCDColor();
}

void DateTimeScreen::on_datetime_left_clicked()
{
    ClearDateTimeLCDColor();
    date_time_lcd_color = settings::nextField(date_time_lcd_color, -1);
    SetDateTimeLCDColor();
}

void DateTimeScreen::stepSelected(int delta)
{
    const int k = date_time_lcd_color;
    if (k < 0 || k >= settings::FieldCount)
        return;
    DateTimeFields f = dateTimeView->read();
    f.value[k] = settings::stepField(k, f.value[k], delta);
    dateTimeView->show(f);
}

void DateTimeScreen::on_datetime_up_clicked()
{
    stepSelected(+1);
}

void DateTimeScreen::on_datetime_down_clicked()
{
    stepSelected(-1);
}

void DateTimeScreen::on_set_datetime_clicked()
{
    const DateTimeFields f = dateTimeView->read();
    if (!settings::isCalendarDate(f)) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Invalid Date")), 1);
        return;
    }
    // Both commands run as ever; the box then says whether the clock took it.
    const int date = platform::runShell(settings::dateCommand(f));
    const int hwclock = platform::runShell(QLatin1String(settings::kHwclockCommand));
    if (date != 0 || hwclock != 0) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "The clock did not take the date and time")), 1);
        return;
    }
    const QString shown = QStringLiteral("%1-%2-%3 %4:%5:%6")
                              .arg(f.text(settings::Day), f.text(settings::Month), f.text(settings::Year),
                                   f.text(settings::Hour), f.text(settings::Minute), f.text(settings::Second));
    host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Date and time set to\n%1")).arg(shown), 2);
}
