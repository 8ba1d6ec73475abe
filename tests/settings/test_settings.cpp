// Settings: the password pad (codes per stage, the cap on typed digits, the
// maintenance lock), the date and time rules and screen (wrap-around,
// calendar check, the two clock commands in the shell log), the brightness
// panel, the message box over a message box, and the language switch
// (translator files, home captions and lamps, a fault message and its advice
// redrawn, missing and corrupt files). Logic first, then the window offscreen,
// driven by named widgets, touches and keypad frames.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>
#include <vector>

#include "app/datetime_view.h"
#include "app/home_view.h"
#include "app/mainwindow.h"
#include "app/password_view.h"
#include "app/resources.h"
#include "app/settings_logic.h"
#include "app/settings_view.h"
#include "diagnostics/fault.h"

#ifndef DDU_QM_DIR
#error "DDU_QM_DIR (the built translation files) must be defined by the build"
#endif

using namespace settings;

namespace {

using Window = std::unique_ptr<MainWindow>;

// Window coordinates of the pad's keys (grid order 1 2 3 / 4 5 6 / 7 8 9 / C 0 OK).
QPoint padKey(QChar key)
{
    const QString order = QStringLiteral("123456789C0K");
    const int k = order.indexOf(key);
    static const int xs[3] = {342, 459, 576}, ys[4] = {272, 360, 445, 530};
    return {xs[k % 3] + 56, ys[k / 3] + 43};
}

// True when the button shows the icon of `path` (compared as drawn at its size).
bool showsIcon(QAbstractButton* b, const QString& path)
{
    return b && b->icon().pixmap(b->iconSize()).toImage() == QIcon(path).pixmap(b->iconSize()).toImage();
}

bool hasDevanagari(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x0900 && c.unicode() <= 0x097F)
            return true;
    return false;
}

// The Hindi texts of the visible labels and buttons under `root` that their
// widget cuts off: wider than the widget (or, wrapped, taller), or a line
// taller than the widget (a few pixels of slack for the frames); and the
// English texts shown although the Hindi file translates them.
QStringList clippedHindi(QWidget* root)
{
    QStringList clipped;
    const auto check = [&](QWidget* w, const QString& text, QRect room, bool wrap) {
        if (text.isEmpty() || !w->isVisible())
            return;
        if (!hasDevanagari(text)) {
            // English although the Hindi file has the text: not retranslated.
            for (const char* context : {"MainWindow", "QObject"})
                if (QCoreApplication::translate(context, text.toUtf8().constData()) != text)
                    clipped << QStringLiteral("%1 \"%2\" left in English").arg(w->objectName(), text);
            return;
        }
        w->ensurePolished();
        const QFontMetrics fm(w->font());
        QRect need = wrap ? fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text)
                          : fm.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
        // The font's line is higher than its ink (room for marks no text
        // here carries): only the ink of the first and last line must fit.
        int ink = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            ink = qMax(ink, fm.tightBoundingRect(line).height());
        need.setHeight(need.height() - (fm.height() - ink));
        if (need.width() > room.width() + 3 || need.height() > room.height() + 3)
            clipped << QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
                           .arg(w->objectName(), QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')))
                           .arg(need.width())
                           .arg(need.height())
                           .arg(room.width())
                           .arg(room.height());
    };
    for (QLabel* l : root->findChildren<QLabel*>())
        check(l, l->text(), l->contentsRect(), l->wordWrap());
    // Table headers and cells: the text against its section.
    for (QTableWidget* t : root->findChildren<QTableWidget*>()) {
        if (!t->isVisible())
            continue;
        for (int c = 0; c < t->columnCount(); ++c) {
            if (QTableWidgetItem* h = t->horizontalHeaderItem(c); h && hasDevanagari(h->text())) {
                const QFontMetrics fm(t->horizontalHeader()->font());
                if (fm.horizontalAdvance(h->text()) > t->columnWidth(c))
                    clipped << QStringLiteral("%1 header %2 \"%3\"").arg(t->objectName()).arg(c).arg(h->text());
            }
            for (int r = 0; r < t->rowCount(); ++r) {
                QTableWidgetItem* i = t->item(r, c);
                if (!i || !hasDevanagari(i->text()) || t->isRowHidden(r) || t->isColumnHidden(c))
                    continue;
                int width = 0, height = 0; // of the cell with its span
                for (int k = 0; k < t->columnSpan(r, c); ++k)
                    width += t->columnWidth(c + k);
                for (int k = 0; k < t->rowSpan(r, c); ++k)
                    height += t->rowHeight(r + k);
                if (width == 0 || height == 0)
                    continue;
                const QFontMetrics fm(i->font());
                const int flags = t->wordWrap() ? Qt::TextWordWrap : 0;
                const QRect need = fm.boundingRect(QRect(0, 0, width - 4, 100000), flags, i->text());
                if (need.width() > width || need.height() > height + 3)
                    clipped << QStringLiteral("%1 cell %2,%3 \"%4\": needs %5 x %6, has %7 x %8")
                                   .arg(t->objectName())
                                   .arg(r)
                                   .arg(c)
                                   .arg(i->text())
                                   .arg(need.width())
                                   .arg(need.height())
                                   .arg(width)
                                   .arg(height);
            }
        }
    }
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        QRect room = b->rect().adjusted(2, 2, -2, -2);
        if (!b->icon().isNull())
            room.setWidth(room.width() - b->iconSize().width());
        check(b, b->text(), room, false);
    }
    return clipped;
}

QString trMain(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString trCatalogue(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_shellLog;

    Window makeWindow()
    {
        StartOptions o;
        o.noMvb = true;
        auto w = std::make_unique<MainWindow>(nullptr, o);
        w->timer1->stop();
        w->timer2->stop();
        w->keyClicksAnimated = false;
        w->show();
        return w;
    }

    static void touchAt(MainWindow& w, QPoint p)
    {
        w.touch.key_pressure = 0;
        w.Touch_Screen_Connect(p.x(), p.y());
    }

    static void press(MainWindow& w, const char* code, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            w.feedKeypad(QByteArray("$,") + code + ",");
            w.guiupdate_fun();
        }
    }

    static void typeByTouch(MainWindow& w, const QString& keys)
    {
        for (QChar k : keys)
            touchAt(w, padKey(k));
    }

    QStringList shellLines() const
    {
        QFile f(m_shellLog);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void installLanguageFiles(bool hindi)
    {
        QDir().mkpath(m_root.filePath("lang"));
        for (const char* name : {"zav_english.qm", "zav_hindi.qm"}) {
            const QString target = m_root.filePath(QStringLiteral("lang/") + QLatin1String(name));
            QFile::remove(target);
            if (hindi || qstrcmp(name, "zav_english.qm") == 0)
                QVERIFY(QFile::copy(QStringLiteral(DDU_QM_DIR "/") + QLatin1String(name), target));
        }
    }

    static void publish(MainWindow& w, const SignalStore& s)
    {
        w.exchange.publish(s);
        w.guiupdate_fun();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        qputenv("DDU_ROOT", m_root.path().toLocal8Bit());
        qputenv("DDU_KEYPAD_DEVICE", "/nonexistent/ttyKEY");
        qputenv("DDU_TOUCH_DEVICE", "/nonexistent/ttyTOUCH");
        // A shell log of this program's own: other test programs run at the same time.
        m_shellLog = m_root.filePath("shell.log");
        qputenv("DDU_SHELL_LOG", m_shellLog.toLocal8Bit());
        installLanguageFiles(true);
    }

    // ---------------------------------------------------------------- logic

    void padCodesPerStage()
    {
        // clang-format off
        const struct { int stage; const char* typed; bool accepted; } rows[] = {
            {1, "4026", true},  {1, "4027", false}, {1, "40260", false}, {1, "", false},
            {2, "4027", true},  {2, "4026", false}, {3, "4027", true},   {3, "4026", false},
            {4, "4027", true},  {4, "4026", false}, {5, "4027", true},   {5, "4026", false},
            {6, "4027", true},  {6, "4026", false}, {8, "4027", true},   {8, "4026", false},
            {0, "4026", false}, {7, "4027", false}, {9, "4027", false},
        };
        // clang-format on
        for (const auto& r : rows)
            QVERIFY2(padAccepts(r.stage, QLatin1String(r.typed)) == r.accepted,
                     qPrintable(QStringLiteral("stage %1, \"%2\"").arg(r.stage).arg(QLatin1String(r.typed))));
        QCOMPARE(QLatin1String(padInfo(8)),
                 QLatin1String("Please enter security code and click OK. \n"
                               "(Use C button to clear or cancel)"));
        QCOMPARE(QLatin1String(padInfo(1)), QLatin1String(padInfo(6)));
        QString typed;
        for (int i = 0; i < 500; ++i)
            typed = padAppend(typed, QLatin1Char('7'));
        QCOMPARE(typed.size(), kMaxTypedDigits);
    }

    void dateFieldRules()
    {
        // clang-format off
        const struct { int field, value, delta, expected; } steps[] = {
            {Day, 31, +1, 1},      {Day, 1, -1, 31},       {Day, 15, +1, 16},
            {Month, 12, +1, 1},    {Month, 1, -1, 12},
            {Year, 2024, +1, 2025}, {Year, 2024, -1, 2023}, {Year, 9999, +1, 9999}, {Year, 1, -1, 1},
            {Hour, 23, +1, 0},     {Hour, 0, -1, 23},
            {Minute, 59, +1, 0},   {Minute, 0, -1, 59},    {Second, 59, +1, 0},   {Second, 0, -1, 59},
        };
        // clang-format on
        for (const auto& s : steps)
            QVERIFY2(stepField(s.field, s.value, s.delta) == s.expected,
                     qPrintable(QStringLiteral("field %1 value %2 delta %3").arg(s.field).arg(s.value).arg(s.delta)));
        QCOMPARE(nextField(Second, +1), int(Day));
        QCOMPARE(nextField(Day, -1), int(Second));

        // clang-format off
        const struct { int day, month, year; bool valid; } dates[] = {
            {31, 2, 2024, false}, {30, 2, 2024, false}, {29, 2, 2024, true}, {29, 2, 2023, false},
            {29, 2, 2000, true},  {29, 2, 1900, false}, {31, 4, 2024, false}, {30, 4, 2024, true},
            {31, 12, 2024, true},
        };
        // clang-format on
        for (const auto& d : dates) {
            DateTimeFields f;
            f.value[Day] = d.day;
            f.value[Month] = d.month;
            f.value[Year] = d.year;
            QVERIFY2(isCalendarDate(f) == d.valid,
                     qPrintable(QStringLiteral("%1-%2-%3").arg(d.day).arg(d.month).arg(d.year)));
        }
        const DateTimeFields f = DateTimeFields::from(QDateTime(QDate(2024, 2, 29), QTime(9, 5, 7)));
        QCOMPARE(dateCommand(f), QStringLiteral("date 022909052024.07"));
        QCOMPARE(QLatin1String(kHwclockCommand), QLatin1String("hwclock -w -f /dev/rtc0"));
    }

    void brightnessSteps()
    {
        const int percent[] = {30, 30, 40, 50, 60, 70, 80, 100, 100};
        for (int step = 0; step <= 8; ++step)
            QCOMPARE(brightnessPercent(step), percent[step]);
    }

    void translationFiles()
    {
        QString error;
        QVERIFY(loadTranslator(QStringLiteral(DDU_QM_DIR "/zav_hindi.qm"), &error));
        QVERIFY(loadTranslator(QStringLiteral(DDU_QM_DIR "/zav_english.qm"), &error));
        QVERIFY(!loadTranslator(m_root.filePath("lang/none.qm"), &error));
        QVERIFY(error.contains("no such file"));

        // Empty, garbage, and a real file cut short: refused or harmless, never a crash.
        QFile real(QStringLiteral(DDU_QM_DIR "/zav_hindi.qm"));
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray bytes = real.readAll();
        const QByteArray bad[] = {QByteArray(), QByteArray(4096, '\x5a'), bytes.left(bytes.size() / 2), bytes.left(20)};
        for (const QByteArray& content : bad) {
            const QString path = m_root.filePath("lang/bad.qm");
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
            f.close();
            std::unique_ptr<QTranslator> t = loadTranslator(path, &error);
            if (content.isEmpty() || content.startsWith('\x5a'))
                QVERIFY(!t);
            else if (t)
                t->translate("MainWindow", "MENU"); // a lookup in what was loaded
        }
    }

    // ---------------------------------------------------------------- pad

    void viewsFindTheirWidgets()
    {
        auto w = makeWindow();
        QCOMPARE(w->passwordView->resolve(w.get()), QStringList());
        QCOMPARE(w->dateTimeView->resolve(w.get()), QStringList());
        QCOMPARE(w->settingsView->resolve(w.get()), QStringList());
    }

    void maintenanceCodeUnlocksUntilRelock()
    {
        auto w = makeWindow();
        QVERIFY(w->DDU_Maintenance_Password_lock);
        auto* maintenance = w->W<QAbstractButton>("maintenance");
        QVERIFY(showsIcon(maintenance, Dir_rms_img_Lock));
        touchAt(*w, {920, 30}); // MAINTENANCE in the top bar
        QVERIFY(w->isShown("Gpassword") && w->isShown("Gpassword_blur"));
        QCOMPARE(w->screen_id, 23);
        QCOMPARE(w->passwordView->pwd_header->text(), QStringLiteral("MAINTENANCE"));
        QCOMPARE(w->passwordView->pwd_info->text(),
                 QStringLiteral("Please enter security code and use OK button\nUse C button to clear or cancel"));
        typeByTouch(*w, QStringLiteral("4026"));
        QCOMPARE(w->passwordView->pwd_text_maint->echoMode(), QLineEdit::Password);
        QCOMPARE(w->passwordView->pwd_text_maint->text(), QStringLiteral("4026"));
        touchAt(*w, padKey(QLatin1Char('K')));
        QVERIFY(!w->isShown("Gpassword") && !w->isShown("Gpassword_blur"));
        QVERIFY(!w->DDU_Maintenance_Password_lock);
        QCOMPARE(w->PasswordPad_Stage, 0);
        QVERIFY(w->isShown("Gmaint_menu") && w->isShown("Gmaint_footer"));
        QVERIFY(showsIcon(maintenance, Dir_rms_img_UnLock));

        // Not asked again within the re-lock time ...
        w->grpbox_setvisible();
        for (int i = 0; i < 1999; ++i)
            w->guiupdate_fun();
        w->on_maintenance_clicked();
        QVERIFY(!w->isShown("Gpassword"));
        QVERIFY(w->isShown("Gmaint_menu"));
        // ... asked again once it has passed.
        w->grpbox_setvisible();
        for (int i = 0; i < 2001; ++i)
            w->guiupdate_fun();
        QVERIFY(w->DDU_Maintenance_Password_lock);
        QVERIFY(showsIcon(maintenance, Dir_rms_img_Lock));
        w->on_maintenance_clicked();
        QVERIFY(w->isShown("Gpassword"));
    }

    void padByKeypad()
    {
        auto w = makeWindow();
        w->on_maintenance_clicked();
        // Down to key 4, Enter; Down to key 0 (index 10), Enter; key 2; key 6; Up to OK.
        press(*w, "09", 4);
        press(*w, "10");
        press(*w, "09", 10);
        press(*w, "10");
        press(*w, "09", 2);
        press(*w, "10");
        press(*w, "09", 6);
        press(*w, "10");
        QCOMPARE(w->password_text, QStringLiteral("4026"));
        press(*w, "08"); // Up from no focus: OK
        press(*w, "10");
        QVERIFY(!w->isShown("Gpassword"));
        QVERIFY(!w->DDU_Maintenance_Password_lock);
    }

    void configurationStagesRefuseTheMaintenanceCode()
    {
        auto w = makeWindow();
        for (int stage : {2, 3, 4, 6, 8, 5}) {
            w->screen_id = 26;
            w->password_open(stage);
            QCOMPARE(w->passwordView->pwd_header->text(), trMain(padStage(stage)->header));
            typeByTouch(*w, QStringLiteral("4026K"));
            QVERIFY(w->isShown("Gpassword"));
            QCOMPARE(w->passwordView->pwd_text_maint->text(), QStringLiteral("INVALID PASSWORD"));
            QCOMPARE(w->passwordView->pwd_text_maint->echoMode(), QLineEdit::Normal);
            QCOMPARE(w->passwordView->pwd_text_maint->styleSheet(), Password_Error_Style);
            // The next digit brings the masked text back.
            typeByTouch(*w, QStringLiteral("9"));
            QCOMPARE(w->passwordView->pwd_text_maint->echoMode(), QLineEdit::Password);
            QCOMPARE(w->passwordView->pwd_text_maint->styleSheet(), Password_Text_Style);
            QCOMPARE(w->password_text, QStringLiteral("9"));
            typeByTouch(*w, QStringLiteral("C4027K"));
            QVERIFY2(!w->isShown("Gpassword"), qPrintable(QString::number(stage)));
            QCOMPARE(w->PasswordPad_Stage, 0);
        }
        // Stage 5 asks whether to calibrate.
        QVERIFY(w->isShown("Gmessage"));
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QStringLiteral("Do you want to calibrate"));
        QCOMPARE(w->masterslave_flag, 1);
        w->on_no_clicked();
    }

    void floodOfDigitsStaysCapped()
    {
        auto w = makeWindow();
        w->on_maintenance_clicked();
        for (int i = 0; i < 200; ++i)
            touchAt(*w, padKey(QLatin1Char('5')));
        press(*w, "09"); // key 1, then Enter over and over: it stays on key 1
        press(*w, "10", 50);
        QCOMPARE(w->password_text.size(), kMaxTypedDigits);
        QCOMPARE(w->passwordView->pwd_text_maint->text().size(), kMaxTypedDigits);
        touchAt(*w, padKey(QLatin1Char('K')));
        QCOMPARE(w->passwordView->pwd_text_maint->text(), QStringLiteral("INVALID PASSWORD"));
        QVERIFY(w->password_text.isEmpty());
    }

    void closingThePad()
    {
        auto w = makeWindow();
        QCOMPARE(w->screen_id, 1);
        w->on_maintenance_clicked();
        typeByTouch(*w, QStringLiteral("40"));
        touchAt(*w, {687, 127}); // X
        QVERIFY(!w->isShown("Gpassword") && !w->isShown("Gpassword_blur"));
        QCOMPARE(w->screen_id, 1); // the home screen is served again
        QVERIFY(w->password_text.isEmpty());
        w->on_maintenance_clicked();
        press(*w, "01"); // ESC
        QVERIFY(!w->isShown("Gpassword"));
        // A touch beside the keys reaches nothing under the shade.
        w->on_maintenance_clicked();
        touchAt(*w, {80, 640}); // the loco pictogram of the home screen
        QVERIFY(w->isShown("Gpassword"));
        QCOMPARE(w->screen_id, 23);
    }

    // ---------------------------------------------------------------- message box

    void boxOverBoxReturnsToTheFirstScreen()
    {
        auto w = makeWindow();
        w->on_setdatetime_clicked();
        w->Dialog_Box("Invalid Date", 1);
        w->Dialog_Box("Second message", 2);
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QStringLiteral("Second message"));
        touchAt(*w, {505, 460}); // OK of the OK-only form
        QVERIFY(!w->isShown("Gmessage") && !w->isShown("Gpassword_blur"));
        QCOMPARE(w->screen_id, 21);
    }

    // ---------------------------------------------------------------- date and time

    void dateScreen()
    {
        auto w = makeWindow();
        w->on_setdatetime_clicked();
        QCOMPARE(w->screen_id, 21);
        QVERIFY(w->isShown("Gdatetime") && w->isShown("Gproinfo_menu"));
        DateTimeView& v = *w->dateTimeView;
        QCOMPARE(v.datetime_header->text(), QStringLiteral("Date and Time"));
        QCOMPARE(v.lcd_day->styleSheet(), DateTimeView::kSelectedStyle);
        QCOMPARE(v.lcd_sec->styleSheet(), DateTimeView::kPlainStyle);
        const DateTimeFields now = DateTimeFields::from(QDateTime::currentDateTime());
        QCOMPARE(v.read().value[Year], now.value[Year]);

        // Day 31 up is 1; hour 0 down is 23 (right three times to the hour).
        DateTimeFields f = DateTimeFields::from(QDateTime(QDate(2024, 1, 31), QTime(0, 30, 0)));
        v.show(f);
        touchAt(*w, {687, 267}); // up
        QCOMPARE(v.lcd_day->intValue(), 1);
        for (int i = 0; i < 3; ++i)
            touchAt(*w, {752, 320}); // right
        QCOMPARE(w->date_time_lcd_color, int(Hour));
        QCOMPARE(v.lcd_hour->styleSheet(), DateTimeView::kSelectedStyle);
        QCOMPARE(v.lcd_day->styleSheet(), DateTimeView::kPlainStyle);
        touchAt(*w, {687, 377}); // down
        QCOMPARE(v.lcd_hour->intValue(), 23);
        touchAt(*w, {622, 322}); // left: back to the year
        QCOMPARE(w->date_time_lcd_color, int(Year));
    }

    void setDateRunsTheCommandsForCalendarDatesOnly()
    {
        auto w = makeWindow();
        w->on_setdatetime_clicked();
        // clang-format off
        const struct { int day, month, year; const char* command; } rows[] = {
            {31, 2, 2024, nullptr},
            {29, 2, 2023, nullptr},
            {29, 2, 2024, "date 022912002024.00"},
        };
        // clang-format on
        for (const auto& r : rows) {
            QFile::remove(m_shellLog);
            DateTimeFields f = DateTimeFields::from(QDateTime(QDate(2000, 1, 1), QTime(12, 0, 0)));
            f.value[Day] = r.day;
            f.value[Month] = r.month;
            f.value[Year] = r.year;
            w->dateTimeView->show(f);
            touchAt(*w, {435, 492}); // Set Date/Time
            if (!r.command) {
                QVERIFY(w->isShown("Gmessage"));
                QCOMPARE(w->W<QLabel>("err_txt")->text(), QStringLiteral("Invalid Date"));
                QCOMPARE(w->W<QLabel>("err_header")->text(), QStringLiteral("ERROR"));
                QCOMPARE(shellLines(), QStringList());
                w->on_ok_clicked();
                QCOMPARE(w->screen_id, 21);
            } else {
                QVERIFY(!w->isShown("Gmessage"));
                QCOMPARE(shellLines(), QStringList({QLatin1String(r.command), "hwclock -w -f /dev/rtc0"}));
            }
        }
    }

    void dateButtonsByTouchAndKey()
    {
        auto w = makeWindow();
        w->on_setdatetime_clicked();
        // clang-format off
        const struct { const char* name; QPoint touch; int focus; } buttons[] = {
            {"datetime_up", {687, 267}, 0},    {"datetime_down", {687, 377}, 1},
            {"datetime_right", {752, 320}, 2}, {"datetime_left", {622, 322}, 3},
            {"get_datetime", {175, 492}, 4},   {"set_datetime", {435, 492}, 5},
        };
        // clang-format on
        for (const auto& b : buttons) {
            auto* button = w->W<QAbstractButton>(QLatin1String(b.name));
            QVERIFY(button && button->isVisible());
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            touchAt(*w, b.touch);
            QCOMPARE(clicked.count(), 1);
            if (w->isShown("Gmessage"))
                w->on_ok_clicked(); // "Set" of a date that is not in the calendar
            w->key_menu_no = 1;
            w->key_press_count = b.focus;
            press(*w, "10"); // Enter on the focused button
            QVERIFY2(clicked.count() == 2, b.name);
            if (w->isShown("Gmessage"))
                w->on_ok_clicked();
        }
    }

    // ---------------------------------------------------------------- brightness

    void brightnessPanel()
    {
        auto w = makeWindow();
        // clang-format off
        const struct { const char* report; int layout; const char* text; bool automatic; QPoint at; } rows[] = {
            {"7A", 0, "100%", true, {250, 150}}, {"3M", 0, "50%", false, {250, 150}},
            {"1A", 1, "30%", true, {600, 235}},  {"6M", 1, "80%", false, {600, 235}},
        };
        // clang-format on
        for (const auto& r : rows) {
            w->screen_toggle = r.layout;
            press(*w, r.report);
            SettingsView& v = *w->settingsView;
            QVERIFY(v.G_brightness->isVisible());
            QCOMPARE(v.brightness_value->text(), QLatin1String(r.text));
            QCOMPARE(v.bright_progressBar->value(), QString(QLatin1String(r.text)).chopped(1).toInt());
            QCOMPARE(v.brightness_image->property("image").toString(),
                     r.automatic ? Dir_rms_img_Autobrightness : Dir_rms_img_brightness);
            QCOMPARE(v.G_brightness->pos(), r.at);
        }
        for (int i = 0; i < 5; ++i)
            w->guiupdate_fun();
        QVERIFY(w->isShown("G_brightness"));
        w->guiupdate_fun(); // the sixth tick without a report
        QVERIFY(!w->isShown("G_brightness"));
    }

    // ---------------------------------------------------------------- language

    void languageScreenAndIconSwitchBackAndForth()
    {
        installLanguageFiles(true);
        QVERIFY2(trMain("MENU") == QLatin1String("MENU"), "no translator installed before the switch");
        auto w = makeWindow();
        SignalStore s = w->snap;
        s.pass_count = 1;
        s.MVB_DDU_BPCS = 1;
        s.MVB_DDU_LSP = 1;
        s.MVB_DDU_Loco_Break = 1;
        publish(*w, s);
        QCOMPARE(w->W<QLabel>("lddu_bpcs_txt")->text(), QStringLiteral("BPCS ON"));
        QMap<QString, QString> english;
        for (QLabel* l : w->findChildren<QLabel*>())
            english.insert(l->objectName(), l->text());
        // The lamps and pictograms the tick drew. They are wiped here: only a
        // switch that makes the home screen draw everything again brings them back.
        QMap<QLabel*, QString> lamps;
        QWidget* ddu = w->W("Gmainwindow_ddu");
        for (QLabel* l : w->findChildren<QLabel*>())
            if ((l->isVisible() || ddu->isAncestorOf(l)) && !l->property("image").toString().isEmpty())
                lamps.insert(l, l->property("image").toString());
        QVERIFY(lamps.size() > 20);

        touchAt(*w, {300, 30});  // MENU
        touchAt(*w, {680, 500}); // LANGUAGE
        QCOMPARE(w->screen_id, 18);
        QVERIFY(w->isShown("Gmenu_lang"));
        QCOMPARE(w->W<QLabel>("menuscreen_header")->text(), QStringLiteral("SELECT LANGUAGE"));
        touchAt(*w, {500, 400}); // HINDI
        QCOMPARE(w->DDU_Language_Select, 1);
        QCOMPARE(w->screen_id, 1);
        // The Hindi file is installed; every text below is what it says (the
        // English text where it has none).
        QVERIFY(w->translator && !w->translator->isEmpty());
        QVERIFY(w->translator->filePath().endsWith(QLatin1String("zav_hindi.qm")));
        QCOMPARE(w->W<QAbstractButton>("menu")->text(), trMain("MENU"));
        QCOMPARE(w->W<QAbstractButton>("home")->text(), trMain("HOME"));
        QCOMPARE(w->W<QAbstractButton>("enterfault_btn")->text(), trMain("ACKNOWLEDGE"));
        QCOMPARE(w->W<QLabel>("cap_panto")->text(), trMain("PANTO"));
        publish(*w, s);
        QCOMPARE(w->W<QLabel>("lddu_bpcs_txt")->text(), trMain("BPCS ON"));
        QCOMPARE(w->W<QLabel>("lddu_lsp_txt")->text(), trMain("LSP ON"));
        QCOMPARE(w->W<QLabel>("lddu_bc_val")->text(), trMain("APPLIED"));

        // The icon in the DDU layout: back to English, then Hindi, then English.
        for (auto it = lamps.cbegin(); it != lamps.cend(); ++it) {
            it.key()->setPixmap(QPixmap());
            it.key()->setProperty("image", QString());
        }
        w->on_screen_toggle_clicked();
        for (int language : {0, 1, 0}) {
            touchAt(*w, {987, 728});
            QCOMPARE(w->DDU_Language_Select, language);
            QCOMPARE(w->lang_toggle, language);
        }
        publish(*w, s);
        QCOMPARE(trMain("MENU"), QStringLiteral("MENU"));
        for (auto it = lamps.cbegin(); it != lamps.cend(); ++it)
            QVERIFY2(it.key()->property("image").toString() == it.value(), qPrintable(it.key()->objectName()));
        // Every caption and state text of both layouts is English again.
        int compared = 0;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const QString& name = it.key();
            const bool caption = name.startsWith(QLatin1String("cap_")) || name.startsWith(QLatin1String("lddu_cap_"));
            const bool state = name.endsWith(QLatin1String("_txt")) || name == QLatin1String("lddu_bc_val");
            if (!caption && !state)
                continue;
            QCOMPARE(w->W<QLabel>(name)->text(), it.value());
            ++compared;
        }
        QVERIFY(compared > 40);
    }

    void faultPopupAndAdviceChangeLanguage()
    {
        installLanguageFiles(true);
        auto w = makeWindow();
        SignalStore s = w->snap;
        s.pass_count = 1;
        s.MVB_DDU_Fault_No = 10103;
        s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
        publish(*w, s);
        auto* rows = w->W<QListWidget>("faultmsg_listwidget");
        QVERIFY(w->isShown("Gfault"));
        const FaultEntry* e = findFaultEntry(10103);
        QVERIFY(e);
        QCOMPARE(rows->item(1)->text(), QLatin1Char(' ') + QLatin1String(e->line[1]));

        QVERIFY(w->switchLanguage(1));
        QVERIFY(w->isShown("Gfault"));
        QCOMPARE(rows->count(), 4);
        QVERIFY(trCatalogue(e->line[1]) != QLatin1String(e->line[1]));
        QCOMPARE(rows->item(1)->text(), QLatin1Char(' ') + trCatalogue(e->line[1]));
        w->W<QAbstractButton>("driveradvice")->click();
        QVERIFY(w->isShown("Gfaultdriveradvice"));
        QCOMPARE(w->W<QListWidget>("driveradv_listwidget")->count(), 4);
        QCOMPARE(w->W<QLabel>("page1")->text(), trCatalogue(e->page[0]));
        QVERIFY(trCatalogue(e->page[0]) != QLatin1String(e->page[0]));

        QVERIFY(w->switchLanguage(0));
        QCOMPARE(rows->item(1)->text(), QLatin1Char(' ') + QLatin1String(e->line[1]));
        QCOMPARE(w->W<QListWidget>("driveradv_listwidget")->item(1)->text(),
                 QLatin1Char(' ') + QLatin1String(e->line[1]));
        // The message was logged once: a switch is no new message.
        QFile log(m_root.filePath("file/fault/zav_MessagesVCU_temp.xml"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll().count("<Message>"), 1);
    }

    // Every message in Hindi fits the pop-up (rows on one line each) and its
    // advice pages fit the page (wrapped lines included).
    void hindiFitsTheFaultScreens()
    {
        installLanguageFiles(true);
        auto w = makeWindow();
        QVERIFY(w->switchLanguage(1));
        SignalStore s = w->snap;
        s.pass_count = 1;
        s.MVB_DDU_Fault_No = 10103;
        s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
        publish(*w, s);
        auto* rows = w->W<QListWidget>("faultmsg_listwidget");
        const QFontMetrics rowMetrics(rows->font());
        const int rowWidth = rows->viewport()->width() - 8;
        w->W<QAbstractButton>("driveradvice")->click();
        QLabel* page = w->W<QLabel>("page1");
        const QFontMetrics pageMetrics(page->font());
        QStringList failing;
        const FaultEntry* table = faultCatalogue();
        for (int i = 0; i < faultCatalogueSize(); ++i) {
            const FaultEntry& e = table[i];
            for (int k = 0; k < 4; ++k) {
                if (!e.line[k] || !*e.line[k])
                    continue;
                const QString row = (k == 0 ? trMain(" Loco ") + QStringLiteral("31028;   ") : QStringLiteral(" ")) +
                    trCatalogue(e.line[k]);
                if (rowMetrics.horizontalAdvance(row) > rowWidth)
                    failing << QStringLiteral("%1 row %2: %3").arg(e.number).arg(k + 1).arg(row);
            }
            for (int k = 0; k < 4; ++k) {
                if (!e.page[k] || !*e.page[k])
                    continue;
                const QString text = trCatalogue(e.page[k]);
                const QRect r = pageMetrics.boundingRect(QRect(0, 0, page->width(), 100000),
                                                         Qt::TextWordWrap | Qt::AlignLeft, text);
                if (r.height() > page->height())
                    failing << QStringLiteral("%1 page %2: %3 px").arg(e.number).arg(k + 1).arg(r.height());
            }
        }
        for (const QString& f : std::as_const(failing))
            qWarning("%s", qPrintable(f));
        QVERIFY2(failing.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts do not fit (listed above)").arg(failing.size())));
    }

    // Every screen that exists, opened in Hindi: no Hindi text is cut off by
    // its label, button or table cell, and no text stays English that the
    // Hindi file translates.
    void hindiFitsEveryScreen()
    {
        installLanguageFiles(true);
        auto w = makeWindow();
        QVERIFY(w->switchLanguage(1));
        SignalStore s = w->snap;
        s.pass_count = 1;
        publish(*w, s);
        w->DDU_Maintenance_Password_lock = false;
        using Step = std::function<void(MainWindow&)>;
        const auto slot = [](const char* name) {
            return Step([name](MainWindow& m) { QVERIFY2(QMetaObject::invokeMethod(&m, name), name); });
        };
        // clang-format off
        const struct { const char* screen; std::vector<Step> steps; } screens[] = {
            {"home RMS", {slot("on_home_clicked")}},
            {"home DDU", {slot("on_home_clicked"), slot("on_screen_toggle_clicked")}},
            {"menu", {slot("on_home_clicked"), slot("on_menu_clicked")}},
            {"sub-sys", {slot("on_menu_clicked"), slot("on_sub_sys_clicked")}},
            {"hv circuit", {slot("on_menu_clicked"), slot("on_hv_circ_clicked")}},
            {"traction conv", {slot("on_menu_clicked"), slot("on_trac_conv_clicked")}},
            {"aux conv", {slot("on_menu_clicked"), slot("on_aux_conv_clicked")}},
            {"traction motor", {slot("on_menu_clicked"), slot("on_trac_moto_clicked")}},
            {"aux system", {slot("on_menu_clicked"), slot("on_aux_sys_clicked")}},
            {"braking", {slot("on_menu_clicked"), slot("on_brak_sys_clicked")}},
            {"energy monitoring", {slot("on_menu_clicked"), slot("on_ener_moni_clicked")}},
            {"temperatures", {slot("on_menu_clicked"), slot("on_temp_clicked")}},
            {"pressures", {slot("on_menu_clicked"), slot("on_pressure_clicked")}},
            {"diagnosis records", {slot("on_menu_clicked"), slot("on_diagnosis_clicked")}},
            {"diagnosis list", {slot("on_menu_clicked"), slot("on_diagnosis_clicked"), slot("on_b_menudiag_ok_clicked")}},
            {"language", {slot("on_menu_clicked"), slot("on_lang_clicked")}},
            {"process info", {slot("on_process_clicked")}},
            {"nodes", {slot("on_process_clicked"), slot("on_node_clicked")}},
            {"energy", {slot("on_process_clicked"), slot("on_energy_clicked")}},
            {"simulation", {slot("on_process_clicked"), slot("on_simulation_clicked")}},
            {"motor temp", {slot("on_process_clicked"), slot("on_motortemp_clicked")}},
            {"software", {slot("on_process_clicked"), slot("on_software_clicked")}},
            {"inching", {slot("on_process_clicked"), slot("on_inching_clicked")}},
            {"date and time", {slot("on_process_clicked"), slot("on_setdatetime_clicked")}},
            {"motor status", {slot("on_process_clicked"), slot("on_motor_status_clicked")}},
            {"dds", {slot("on_diagnostic_process_clicked")}},
            {"maintenance", {slot("on_maintenance_clicked")}},
            {"telegram", {slot("on_maintenance_clicked"), slot("on_mvbtelegram_clicked")}},
            {"freshness", {slot("on_maintenance_clicked"), slot("on_mvbfreshness_clicked")}},
            {"variables", {slot("on_maintenance_clicked"), slot("on_mvbvariables_clicked")}},
            {"loco I/O", {slot("on_maintenance_clicked"), slot("on_system_clicked")}},
            {"ddu configure", {slot("on_maintenance_clicked"), slot("on_ddulogging_clicked")}},
            {"ddu display", {slot("on_maintenance_clicked"), slot("on_ddudisplay_clicked")}},
            {"vcu", {slot("on_maintenance_clicked"), [](MainWindow& m) { m.DDU_Maintenance_VCU(); }}},
            {"sr", {slot("on_maintenance_clicked"), [](MainWindow& m) { m.DDU_Maintenance_SR(); }}},
            {"bur", {slot("on_maintenance_clicked"), [](MainWindow& m) { m.DDU_Maintenance_BUR(); }}},
            {"cab", {slot("on_maintenance_clicked"), [](MainWindow& m) { m.DDU_Maintenance_CABDDU(); }}},
            {"software update", {slot("on_maintenance_clicked"), [](MainWindow& m) { m.DDU_Maintenance_softupdate(); }}},
            {"driver details", {slot("on_menu_clicked"), slot("on_dr_details_clicked")}},
            {"pad", {slot("on_home_clicked"), [](MainWindow& m) { m.password_open(1); }}},
            {"pad, refused", {[](MainWindow& m) { m.password_open(8); m.enter_clicked(); }}},
            {"message box", {[](MainWindow& m) { m.Dialog_Box(trMain("Invalid Date"), 1); }}},
        };
        // clang-format on
        QStringList failing;
        const auto note = [&](const char* screen) {
            for (const QString& c : clippedHindi(w.get()))
                if (failing.filter(c).isEmpty())
                    failing << QStringLiteral("%1: %2").arg(QLatin1String(screen), c);
        };
        for (const auto& screen : screens) {
            w->on_pwd_close_button_clicked();
            for (const Step& step : screen.steps)
                step(*w);
            w->guiupdate_fun();
            note(screen.screen);
        }
        // The fault pop-up and its advice.
        w->on_home_clicked();
        s.MVB_DDU_Fault_No = 10103;
        s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
        publish(*w, s);
        note("fault pop-up");
        w->W<QAbstractButton>("driveradvice")->click();
        note("driver advice");
        for (const QString& f : std::as_const(failing))
            qWarning("%s", qPrintable(f));
        QVERIFY2(failing.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts cut off or left in English (listed above)").arg(failing.size())));
    }

    void missingOrCorruptHindiFileKeepsEnglish()
    {
        auto w = makeWindow();
        for (const QByteArray& content : {QByteArray("missing"), QByteArray(700, '\x01')}) {
            installLanguageFiles(false);
            if (content != "missing") {
                QFile f(m_root.filePath("lang/zav_hindi.qm"));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(content);
            }
            w->on_lang_clicked();
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("language: cannot load .*zav_hindi.qm"));
            w->on_hin_lang_clicked();
            QCOMPARE(w->DDU_Language_Select, 0);
            QCOMPARE(w->W<QAbstractButton>("menu")->text(), QStringLiteral("MENU"));
            QVERIFY(w->isShown("Gmenu_lang")); // nothing changed
        }
        installLanguageFiles(true);
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
