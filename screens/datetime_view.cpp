#include "screens/datetime_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLCDNumber>
#include <QLabel>

#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ddu_ui;
using settings::DateTimeFields;

namespace {

// Readouts and captions, in field order. Geometry in the group (at 2, 52 on
// the window): the date on one row, the time below it.
struct Field {
    const char* lcd;
    const char* caption;
    const char* text;
    QRect geometry;
    int digits;
};
// clang-format off
const Field kFields[settings::FieldCount] = {
    {"lcd_day",  "datetime_cap_day",  QT_TRANSLATE_NOOP("MainWindow", "Day"),    {68, 110, 120, 80}, 2},
    {"lcd_mnth", "datetime_cap_mnth", QT_TRANSLATE_NOOP("MainWindow", "Month"),  {218, 110, 120, 80}, 2},
    {"lcd_year", "datetime_cap_year", QT_TRANSLATE_NOOP("MainWindow", "Year"),   {368, 110, 190, 80}, 4},
    {"lcd_hour", "datetime_cap_hour", QT_TRANSLATE_NOOP("MainWindow", "Hour"),   {68, 250, 120, 80}, 2},
    {"lcd_min",  "datetime_cap_min",  QT_TRANSLATE_NOOP("MainWindow", "Minute"), {218, 250, 120, 80}, 2},
    {"lcd_sec",  "datetime_cap_sec",  QT_TRANSLATE_NOOP("MainWindow", "Second"), {368, 250, 120, 80}, 2},
};
// clang-format on

// Buttons where their touch regions are on the window (less the group's
// origin and a small margin).
struct Button {
    const char* name;
    QRect geometry;
};
const Button kArrows[] = {{"datetime_up", {655, 190, 61, 51}},
                          {"datetime_left", {590, 245, 61, 51}},
                          {"datetime_right", {720, 245, 61, 51}},
                          {"datetime_down", {655, 300, 61, 51}}};
const Button kGetButton = {"get_datetime", {60, 412, 226, 56}};
const Button kSetButton = {"set_datetime", {320, 412, 226, 56}};

} // namespace

DateTimeView::DateTimeView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("dateTimeView"));
}

void DateTimeView::build(QWidget* root)
{
    QWidget* g = root->findChild<QWidget*>(QStringLiteral("Gdatetime"));
    if (!g)
        return;
    label(g, "datetime_header", {20, 10, 520, 50}, QString(), ui::titleStyle(26));
    for (const Field& f : kFields) {
        QLCDNumber* l = lcd(g, f.lcd, f.geometry, f.digits);
        l->setStyleSheet(look::DateTimeReadout);
        const QRect r = f.geometry;
        label(g, f.caption, {r.x(), r.y() - 34, r.width() + 30, 30}, ui::trScreen(f.text), look::DateTimeCaption);
    }
    for (const Button& b : kArrows)
        button(g, b.name, b.geometry, QString(), Key_submenu_Style);
    button(g, kGetButton.name, kGetButton.geometry, QString(), Key_submenu_Style);
    button(g, kSetButton.name, kSetButton.geometry, QString(), Key_submenu_Style);
}

QStringList DateTimeView::resolve(QWidget* root)
{
    QStringList missing;
#define DATETIME_RESOLVE(type, n) ui::findWidget(root, n, #n, missing);
    DATETIME_WIDGETS(DATETIME_RESOLVE)
#undef DATETIME_RESOLVE
    return missing;
}

void DateTimeView::open()
{
    Gdatetime->setGeometry(2, 52, 1020, 527);
    Gdatetime->show();
    datetime_header->setText(QCoreApplication::translate("MainWindow", "Date and Time"));
    QLabel* captions[settings::FieldCount] = {datetime_cap_day,  datetime_cap_mnth, datetime_cap_year,
                                              datetime_cap_hour, datetime_cap_min,  datetime_cap_sec};
    for (int k = 0; k < settings::FieldCount; ++k)
        ui::putText(captions[k], ui::trScreen(kFields[k].text));
    const QString* icons[4] = {&Dir_rms_img_ArrowUp, &Dir_rms_img_ArrowDown, &Dir_rms_img_ArrowLeft,
                               &Dir_rms_img_ArrowRight};
    QAbstractButton* arrows[4] = {datetime_up, datetime_down, datetime_left, datetime_right};
    for (int k = 0; k < 4; ++k) {
        ui::putIcon(arrows[k], *icons[k], QSize(37, 37));
        arrows[k]->show();
    }
    get_datetime->setText(QCoreApplication::translate("MainWindow", "Get Date/Time"));
    set_datetime->setText(QCoreApplication::translate("MainWindow", "Set Date/Time"));
    get_datetime->show();
    set_datetime->show();
}

QLCDNumber* DateTimeView::readout(int field) const
{
    QLCDNumber* const lcds[settings::FieldCount] = {lcd_day, lcd_mnth, lcd_year, lcd_hour, lcd_min, lcd_sec};
    return field >= 0 && field < settings::FieldCount ? lcds[field] : nullptr;
}

void DateTimeView::show(const DateTimeFields& f)
{
    for (int k = 0; k < settings::FieldCount; ++k)
        if (QLCDNumber* l = readout(k))
            l->display(f.text(k));
}

DateTimeFields DateTimeView::read() const
{
    DateTimeFields f;
    for (int k = 0; k < settings::FieldCount; ++k)
        if (QLCDNumber* l = readout(k))
            f.value[k] = l->intValue();
    return f;
}

void DateTimeView::clearSelection()
{
    for (int k = 0; k < settings::FieldCount; ++k)
        ui::putStyle(readout(k), look::DateTimeReadout);
}

void DateTimeView::select(int field)
{
    ui::putStyle(readout(field), look::DateTimeReadoutSelected);
}
