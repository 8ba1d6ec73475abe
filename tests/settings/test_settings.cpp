// Settings: the password pad (codes per stage, the cap on typed digits, the
// maintenance lock), the date and time rules and screen (wrap-around,
// calendar check, the two clock commands in the shell log), the brightness
// panel, a message box over a message box, and the language switch (home
// captions and lamps, a fault message and its advice redrawn, missing and
// corrupt files, Hindi that fits every screen). Logic first, then the window
// offscreen, driven by named widgets, touches and keypad frames.

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
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

#include "app/mainwindow.h"
#include "diagnostics/fault.h"
#include "screens/datetime_screen.h"
#include "screens/datetime_view.h"
#include "screens/io_slot_screen.h"
#include "screens/keyboard_screen.h"
#include "screens/message_box_screen.h"
#include "screens/password_screen.h"
#include "screens/password_view.h"
#include "screens/settings_logic.h"
#include "screens/settings_screen.h"
#include "screens/settings_view.h"
#include "tests/support/environment.h"
#include "tests/support/window.h"
#include "ui/look.h"
#include "ui/resources.h"

#ifndef DDU_QM_DIR
#error "DDU_QM_DIR (the built translation files) must be defined by the build"
#endif

using namespace settings;

namespace {

using testsupport::makeWindow;

using Window = std::unique_ptr<MainWindow>;

// Window coordinates of the pad's keys (grid order 1 2 3 / 4 5 6 / 7 8 9 / C 0 OK).
QPoint padKey(QChar key)
{
    const int k = QStringLiteral("123456789C0K").indexOf(key);
    static const int xs[3] = {342, 459, 576}, ys[4] = {272, 360, 445, 530};
    return {xs[k % 3] + 56, ys[k / 3] + 43};
}

// True when the button shows the icon of `path` (compared as drawn at its size).
bool showsIcon(QAbstractButton* b, const QString& path)
{
    return b && b->icon().pixmap(b->iconSize()).toImage() == QIcon(path).pixmap(b->iconSize()).toImage();
}

QString trMain(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString trCatalogue(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

bool hasDevanagari(const QString& text)
{
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0900}-\\x{097F}]")));
}

// Why `text` in `font` does not fit `room` (wrapped to its width or on its
// lines), or empty. A line is as high as its ink: the font's line leaves room
// for marks these texts do not carry. Three pixels of slack for the frames.
QString misfit(const QFont& font, const QString& text, QSize room, bool wrap)
{
    const QFontMetrics fm(font);
    QRect need = fm.boundingRect(QRect(0, 0, wrap ? room.width() : 100000, 100000), wrap ? Qt::TextWordWrap : 0, text);
    int ink = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        ink = qMax(ink, fm.tightBoundingRect(line).height());
    need.setHeight(need.height() - (fm.height() - ink));
    if (need.width() <= room.width() + 3 && need.height() <= room.height() + 3)
        return QString();
    return QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
        .arg(QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')))
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

// Visible titles (the one title look: orange serif, or the Devanagari face in
// orange) that their label cuts off, in the language shown.
QStringList titleFaults(QWidget* root)
{
    QStringList faults;
    for (QLabel* l : root->findChildren<QLabel*>()) {
        const QString style = l->styleSheet();
        if (!l->isVisible() || l->text().isEmpty() || !style.contains(QLatin1String("rgb(170, 79, 6)")) ||
            !(style.contains(QLatin1String("Serif")) || style.contains(QLatin1String("Lohit"))))
            continue;
        l->ensurePolished();
        if (const QString m = misfit(l->font(), l->text(), l->contentsRect().size(), l->wordWrap()); !m.isEmpty())
            faults << l->objectName() + QLatin1Char(' ') + m;
    }
    return faults;
}

// What is wrong with the visible texts under `root`: text that its label,
// button or table cell cuts off (in English every text, in Hindi the Hindi
// ones), and in Hindi English shown although the Hindi file translates it (a
// text not written again after the switch).
QStringList fitFaults(QWidget* root, bool hindi)
{
    QStringList faults;
    const auto check = [&](QWidget* w, const QString& text, QSize room, bool wrap) {
        if (text.isEmpty() || !w->isVisible())
            return;
        if (!hindi) {
            if (w->ensurePolished(); !misfit(w->font(), text, room, wrap).isEmpty())
                faults << w->objectName() + QLatin1Char(' ') + misfit(w->font(), text, room, wrap);
        } else if (!hasDevanagari(text)) {
            for (const char* context : {"MainWindow", "QObject"})
                if (QCoreApplication::translate(context, text.toUtf8().constData()) != text)
                    faults << w->objectName() + QStringLiteral(" \"%1\" left in English").arg(text);
        } else if (w->ensurePolished(); !misfit(w->font(), text, room, wrap).isEmpty()) {
            faults << w->objectName() + QLatin1Char(' ') + misfit(w->font(), text, room, wrap);
        }
    };
    for (QLabel* l : root->findChildren<QLabel*>())
        check(l, l->text(), l->contentsRect().size(), l->wordWrap());
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        QSize icon = b->icon().isNull() ? QSize() : QSize(b->iconSize().width(), 0);
        if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
            icon.rwidth() += 28; // the indicator and its spacing
        check(b, b->text(), b->size() - QSize(4, 4) - icon, false);
    }
    for (QTableWidget* t : root->findChildren<QTableWidget*>()) {
        if (!t->isVisible())
            continue;
        for (int c = 0; c < t->columnCount(); ++c) {
            if (QTableWidgetItem* h = t->horizontalHeaderItem(c); h && (!hindi || hasDevanagari(h->text())))
                if (QFontMetrics(t->horizontalHeader()->font()).horizontalAdvance(h->text()) > t->columnWidth(c))
                    faults << t->objectName() + QStringLiteral(" header \"%1\"").arg(h->text());
            for (int r = 0; r < t->rowCount(); ++r) {
                QTableWidgetItem* i = t->item(r, c);
                if (!i || (hindi && !hasDevanagari(i->text())) || t->isRowHidden(r) || t->isColumnHidden(c))
                    continue;
                QSize cell; // with its span
                for (int k = 0; k < t->columnSpan(r, c); ++k)
                    cell.rwidth() += t->columnWidth(c + k);
                for (int k = 0; k < t->rowSpan(r, c); ++k)
                    cell.rheight() += t->rowHeight(r + k);
                if (!cell.isEmpty() && !misfit(i->font(), i->text(), cell - QSize(4, 0), t->wordWrap()).isEmpty())
                    faults << t->objectName() + QLatin1Char(' ') + misfit(i->font(), i->text(), cell, t->wordWrap());
            }
        }
    }
    return faults;
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root{true};
    QString m_shellLog;

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

    // The built translation files into the data root; Hindi only when asked.
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

    static SignalStore withFault(const MainWindow& w, int number)
    {
        SignalStore s = w.snap;
        s.pass_count = 1;
        s.MVB_DDU_Fault_No = number;
        s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
        return s;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        // A shell log of this program's own (m_root{true}): other test
        // programs run at the same time.
        m_shellLog = m_root.shellLog();
        installLanguageFiles(true);
        // The build's images: the lock icons are told apart by what they show.
        QVERIFY(QFile::link(QDir(QStringLiteral(DDU_QM_DIR "/../img")).absolutePath(), m_root.filePath("img")));
    }

    // ---------------------------------------------------------------- logic

    void dateFieldRules()
    {
        // clang-format off
        const struct { int field, value, delta, expected; } steps[] = {
            {Day, 31, +1, 1},       {Day, 1, -1, 31},       {Month, 12, +1, 1},     {Month, 1, -1, 12},
            {Year, 2024, +1, 2025}, {Year, 9999, +1, 9999}, {Year, 1, -1, 1},       {Hour, 23, +1, 0},
            {Hour, 0, -1, 23},      {Minute, 59, +1, 0},    {Minute, 0, -1, 59},    {Second, 0, -1, 59},
        };
        const struct { int day, month, year; bool valid; } dates[] = {
            {31, 2, 2024, false}, {30, 2, 2024, false}, {29, 2, 2024, true}, {29, 2, 2023, false},
            {29, 2, 2000, true},  {29, 2, 1900, false}, {31, 4, 2024, false}, {31, 12, 2024, true},
        };
        // clang-format on
        for (const auto& s : steps)
            QVERIFY2(stepField(s.field, s.value, s.delta) == s.expected,
                     qPrintable(QStringLiteral("field %1 value %2 delta %3").arg(s.field).arg(s.value).arg(s.delta)));
        QCOMPARE(nextField(Second, +1), int(Day));
        QCOMPARE(nextField(Day, -1), int(Second));
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
    }

    // ---------------------------------------------------------------- pad

    void maintenanceCodeUnlocksUntilRelock()
    {
        auto w = makeWindow();
        QCOMPARE(w->passwordPad->passwordView->resolve(w.get()) + w->dateTime->dateTimeView->resolve(w.get()) +
                     w->settingsScreen->settingsView->resolve(w.get()),
                 QStringList());
        auto* maintenance = w->W<QAbstractButton>("maintenance");
        QVERIFY(w->DDU_Maintenance_Password_lock && showsIcon(maintenance, Dir_rms_img_Lock));
        touchAt(*w, {920, 30}); // MAINTENANCE in the top bar
        QVERIFY(w->isShown("Gpassword") && w->isShown("Gpassword_blur"));
        QCOMPARE(w->passwordPad->passwordView->pwd_header->text(), QStringLiteral("MAINTENANCE"));
        QCOMPARE(w->passwordPad->passwordView->pwd_info->text(),
                 QStringLiteral("Please enter security code and use OK button\nUse C button to clear or cancel"));
        typeByTouch(*w, QStringLiteral("4026"));
        QCOMPARE(w->passwordPad->passwordView->pwd_text_maint->echoMode(), QLineEdit::Password);
        QCOMPARE(w->passwordPad->passwordView->pwd_text_maint->text(), QStringLiteral("4026"));
        touchAt(*w, padKey(QLatin1Char('K')));
        QVERIFY(!w->isShown("Gpassword") && !w->isShown("Gpassword_blur"));
        QVERIFY(!w->DDU_Maintenance_Password_lock && w->passwordPad->PasswordPad_Stage == 0);
        QVERIFY(w->isShown("Gmaint_menu") && showsIcon(maintenance, Dir_rms_img_UnLock));

        // Not asked again within the re-lock time, asked again once it has passed.
        for (int ticks : {1999, 2001}) {
            w->grpbox_setvisible();
            for (int i = 0; i < ticks; ++i)
                w->guiupdate_fun();
            w->on_maintenance_clicked();
            QCOMPARE(w->isShown("Gpassword"), ticks > 2000);
            QCOMPARE(showsIcon(maintenance, Dir_rms_img_Lock), ticks > 2000);
        }
        // X closes the pad; the screen it covered is served again.
        w->on_home_clicked();
        w->on_maintenance_clicked();
        touchAt(*w, {687, 127});
        QVERIFY(!w->isShown("Gpassword") && !w->isShown("Gpassword_blur"));
        QCOMPARE(w->screen_id, screen::Home);
    }

    void padByKeypad()
    {
        auto w = makeWindow();
        w->on_maintenance_clicked();
        // Down to key 4, Enter; on to key 0 (index 10), Enter; key 2; key 6; Up to OK.
        for (int downs : {4, 10, 2, 6}) {
            press(*w, "09", downs);
            press(*w, "10");
        }
        QCOMPARE(w->passwordPad->password_text, QStringLiteral("4026"));
        press(*w, "08"); // Up from no focus: OK
        press(*w, "10");
        QVERIFY(!w->isShown("Gpassword") && !w->DDU_Maintenance_Password_lock);
    }

    void configurationStagesRefuseTheMaintenanceCode()
    {
        auto w = makeWindow();
        QLineEdit* text = w->passwordPad->passwordView->pwd_text_maint;
        // Each opened by its own button, which gives the pad its action.
        const std::pair<int, const char*> openers[] = {
            {2, "on_vcu_button_clicked"}, {3, "on_sr_button_clicked"},          {4, "on_bur_button_clicked"},
            {6, "on_cab_button_clicked"}, {8, "on_software_updateBtn_clicked"}, {5, "on_calibrate_button_clicked"}};
        for (const auto& [stage, opener] : openers) {
            QVERIFY(w->invokeSlot(opener));
            QCOMPARE(w->passwordPad->PasswordPad_Stage, stage);
            QCOMPARE(w->passwordPad->passwordView->pwd_header->text(), trMain(padStage(stage)->header));
            QCOMPARE(w->passwordPad->passwordView->pwd_info->text() ==
                         QLatin1String("Please enter security code and click OK. \n(Use C button to clear or cancel)"),
                     stage == 8);
            typeByTouch(*w, QStringLiteral("4026K"));
            QVERIFY(w->isShown("Gpassword"));
            QCOMPARE(text->text(), QStringLiteral("INVALID PASSWORD"));
            QVERIFY(text->echoMode() == QLineEdit::Normal && text->styleSheet() == Password_Error_Style);
            // The next digit brings the masked text back.
            typeByTouch(*w, QStringLiteral("9"));
            QVERIFY(text->echoMode() == QLineEdit::Password && text->styleSheet() == Password_Text_Style);
            QCOMPARE(w->passwordPad->password_text, QStringLiteral("9"));
            typeByTouch(*w, QStringLiteral("C4027K"));
            QVERIFY2(!w->isShown("Gpassword") && w->passwordPad->PasswordPad_Stage == 0,
                     qPrintable(QString::number(stage)));
        }
        // Stage 5 asks whether to calibrate.
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QStringLiteral("Do you want to calibrate"));
        QCOMPARE(w->messageBox->state.pending.masterslave_flag, 1);
        w->messageBox->on_no_clicked();
    }

    // The pad runs what its opener gave it once, after the right code only:
    // never after a wrong code or the pad closed, and a pad opened again for
    // another action forgets the first one.
    void padRunsItsOpenersActionOnce()
    {
        auto w = makeWindow();
        int vcu = 0, other = 0;
        w->screen_id = screen::CabSelection;
        w->openPasswordPad(2, [&vcu] { ++vcu; });
        typeByTouch(*w, QStringLiteral("4026K")); // the maintenance code: wrong here
        QCOMPARE(vcu, 0);
        w->passwordPad->on_pwd_close_button_clicked();
        QVERIFY(!w->isShown("Gpassword"));
        w->passwordPad->enter_clicked(); // OK of a closed pad
        QCOMPARE(vcu, 0);

        w->openPasswordPad(2, [&vcu] { ++vcu; });
        w->openPasswordPad(3, [&other] { ++other; }); // opened again for another action
        typeByTouch(*w, QStringLiteral("4027K"));
        QVERIFY(vcu == 0 && other == 1);
        w->passwordPad->enter_clicked(); // the action went with the answer
        QCOMPARE(other, 1);
    }

    void floodOfDigitsStaysCapped()
    {
        auto w = makeWindow();
        w->on_maintenance_clicked();
        for (int i = 0; i < 200; ++i)
            touchAt(*w, padKey(QLatin1Char('5')));
        press(*w, "09"); // key 1, then Enter over and over: it stays on key 1
        press(*w, "10", 50);
        QCOMPARE(w->passwordPad->password_text.size(), kMaxTypedDigits);
        QCOMPARE(w->passwordPad->passwordView->pwd_text_maint->text().size(), kMaxTypedDigits);
        touchAt(*w, padKey(QLatin1Char('K')));
        QCOMPARE(w->passwordPad->passwordView->pwd_text_maint->text(), QStringLiteral("INVALID PASSWORD"));
        QVERIFY(w->passwordPad->password_text.isEmpty());
    }

    // Five wrong codes in a row lock the pad for a minute, whatever the stage
    // and however often it is closed; the right code then works again.
    void wrongCodeLimit()
    {
        settings::CodeTries tries;
        for (int i = 1; i <= 4; ++i)
            tries.wrong(i * 1000);
        QVERIFY(!tries.locked(4000) && tries.wrongInRow() == 4);
        tries.right(); // the right code starts the count again
        for (int i = 1; i <= 5; ++i)
            tries.wrong(10000 + i);
        QVERIFY(tries.locked(10005) && tries.locked(70004) && !tries.locked(70005));
        QCOMPARE(tries.secondsLeft(10005), 60);
        QCOMPARE(tries.secondsLeft(69006), 1);
        QCOMPARE(tries.secondsLeft(70005), 0);
        tries.wrong(20000); // not counted while locked
        QCOMPARE(tries.wrongInRow(), 0);

        auto w = makeWindow();
        qint64 now = 0;
        w->passwordPad->setClock([&now] { return now; });
        PasswordView* pad = w->passwordPad->passwordView;
        int opened = 0;
        for (int i = 0; i < 4; ++i) {
            w->openPasswordPad(i % 2 ? 2 : 6, [&opened] { ++opened; });
            typeByTouch(*w, QStringLiteral("1111K"));
            QCOMPARE(pad->pwd_text_maint->text(), QStringLiteral("INVALID PASSWORD"));
            touchAt(*w, {687, 127}); // X
        }
        w->on_maintenance_clicked();
        typeByTouch(*w, QStringLiteral("4027K")); // the configuration code on stage 1: the fifth wrong one
        QVERIFY(w->passwordPad->isLocked());
        QCOMPARE(pad->pwd_text_maint->text(), QStringLiteral("LOCKED"));
        QCOMPARE(pad->pwd_info->text(), QStringLiteral("Five wrong codes in a row.\nTry again in 60 s"));
        typeByTouch(*w, QStringLiteral("4026K")); // the right code is refused too
        QVERIFY(w->DDU_Maintenance_Password_lock && w->isShown("Gpassword"));
        QVERIFY(w->passwordPad->password_text.isEmpty());
        now = 45500;
        w->passwordPad->refreshLock();
        QCOMPARE(pad->pwd_info->text(), QStringLiteral("Five wrong codes in a row.\nTry again in 15 s"));
        touchAt(*w, {687, 127}); // closing and opening again keeps the lock
        w->on_maintenance_clicked();
        QCOMPARE(pad->pwd_text_maint->text(), QStringLiteral("LOCKED"));
        now = 60000;
        w->passwordPad->refreshLock();
        QCOMPARE(pad->pwd_info->text(),
                 QStringLiteral("Please enter security code and use OK button\nUse C button to clear or cancel"));
        QVERIFY(pad->pwd_text_maint->text().isEmpty());
        typeByTouch(*w, QStringLiteral("4026K"));
        QVERIFY(!w->DDU_Maintenance_Password_lock && !w->isShown("Gpassword"));
        QCOMPARE(opened, 0);
    }

    // A driver screen left for a minute goes home while the vehicle moves;
    // standing, with the speed unknown, on a maintenance screen, under the pad
    // or a message, it stays. A key or a touch starts the minute again.
    void idleDriverScreenGoesHomeWhileMoving()
    {
        struct Case {
            const char* what;
            const char* speed; // the speed text, "????" unknown
            std::function<void(MainWindow&)> open;
            bool home;
        };
        const std::vector<Case> cases = {
            {"menu, moving", "80", [](MainWindow& w) { w.on_menu_clicked(); }, true},
            {"process information, moving", "5", [](MainWindow& w) { w.on_process_clicked(); }, true},
            {"date and time, moving", "80", [](MainWindow& w) { w.dateTime->on_setdatetime_clicked(); }, true},
            {"menu, standing", "0", [](MainWindow& w) { w.on_menu_clicked(); }, false},
            {"menu, speed unknown", "????", [](MainWindow& w) { w.on_menu_clicked(); }, false},
            {"maintenance, moving", "80",
             [](MainWindow& w) {
                 w.DDU_Maintenance_Password_lock = false;
                 w.on_maintenance_clicked();
             },
             false},
            {"pad over the home screen, moving", "80", [](MainWindow& w) { w.on_maintenance_clicked(); }, false},
            {"message over the menu, moving", "80",
             [](MainWindow& w) {
                 w.on_menu_clicked();
                 w.messageBox->Dialog_Box(QStringLiteral("Invalid Date"), 1);
             },
             false},
        };
        for (const Case& c : cases) {
            auto w = makeWindow();
            SignalStore s = w->snap;
            s.pass_count = 1;
            s.MVB_DDU_Speed_String = QLatin1String(c.speed);
            s.MVB_DDU_Speed = s.MVB_DDU_Speed_String.toInt();
            w->exchange.publish(s);
            c.open(*w);
            const screen::Id opened = w->screen_id;
            QVERIFY2(opened != screen::Home, c.what);
            for (int i = 1; i < idle::kTicksBeforeHome; ++i)
                w->guiupdate_fun();
            QVERIFY2(w->screen_id == opened, c.what); // not before the minute is over
            w->guiupdate_fun();
            QVERIFY2((w->screen_id == screen::Home) == c.home, c.what);
        }
        // A touch half-way starts the minute again.
        auto w = makeWindow();
        SignalStore s = w->snap;
        s.pass_count = 1;
        s.MVB_DDU_Speed = 60;
        s.MVB_DDU_Speed_String = QStringLiteral("60");
        w->exchange.publish(s);
        w->on_menu_clicked();
        for (int i = 0; i < idle::kTicksBeforeHome - 1; ++i)
            w->guiupdate_fun();
        touchAt(*w, {5, 5}); // a touch on nothing
        for (int i = 0; i < idle::kTicksBeforeHome - 1; ++i)
            w->guiupdate_fun();
        QCOMPARE(w->screen_id, screen::MainMenu);
        w->guiupdate_fun();
        QCOMPARE(w->screen_id, screen::Home);
    }

    // ------------------------------------------------- message box, date and time

    // Each kind of message shows its own symbol: information never the
    // warning triangle of a question, nor the error cross.
    void messageSymbols()
    {
        auto w = makeWindow();
        auto* icon = w->W("Gmessage")->findChild<QLabel*>("img");
        QImage seen[3];
        for (int kind : {1, 2, 3}) {
            w->messageBox->Dialog_Box(QStringLiteral("File Saved"), kind);
            seen[kind - 1] = icon->pixmap().toImage();
            QVERIFY(!seen[kind - 1].isNull());
            w->messageBox->on_no_clicked();
        }
        QCOMPARE(seen[0], QPixmap(Dir_rms_img_DialogFault).toImage());
        QCOMPARE(seen[1], QPixmap(Dir_rms_img_DialogInfo).toImage());
        QCOMPARE(seen[2], QPixmap(Dir_rms_img_DialogWarning).toImage());
        QVERIFY(seen[1] != seen[2] && seen[1] != seen[0]);
    }

    void boxOverBoxReturnsToTheFirstScreen()
    {
        auto w = makeWindow();
        w->dateTime->on_setdatetime_clicked();
        w->messageBox->Dialog_Box("Invalid Date", 1);
        w->messageBox->Dialog_Box("Second message", 2);
        touchAt(*w, {505, 460}); // OK of the OK-only form
        QVERIFY(!w->isShown("Gmessage") && !w->isShown("Gpassword_blur"));
        QCOMPARE(w->screen_id, screen::DateTime);
    }

    void dateScreenByTouchAndKey()
    {
        auto w = makeWindow();
        w->dateTime->on_setdatetime_clicked();
        DateTimeView& v = *w->dateTime->dateTimeView;
        QVERIFY(w->screen_id == screen::DateTime && w->isShown("Gdatetime") && w->isShown("Gproinfo_menu"));
        QCOMPARE(v.lcd_day->styleSheet(), look::DateTimeReadoutSelected);
        QCOMPARE(v.read().value[Year], QDate::currentDate().year());
        // Each button by touch, then by Enter on its keypad focus.
        // clang-format off
        const struct { const char* name; QPoint touch; int focus; } buttons[] = {
            {"datetime_up", {687, 267}, 0},    {"datetime_down", {687, 377}, 1},
            {"datetime_right", {752, 320}, 2}, {"datetime_left", {622, 322}, 3},
            {"get_datetime", {175, 492}, 4},   {"set_datetime", {435, 492}, 5},
        };
        // clang-format on
        for (const auto& b : buttons) {
            auto* button = w->W<QAbstractButton>(QLatin1String(b.name));
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            touchAt(*w, b.touch);
            if (w->isShown("Gmessage"))
                w->messageBox->on_ok_clicked();
            w->key_menu_no = 1;
            w->key_press_count = b.focus;
            press(*w, "10");
            if (w->isShown("Gmessage"))
                w->messageBox->on_ok_clicked();
            QVERIFY2(clicked.count() == 2, b.name);
        }
        // Up on day 31 is day 1; three times right, then down on hour 0 is 23.
        v.show(DateTimeFields::from(QDateTime(QDate(2024, 1, 31), QTime(0, 30, 0))));
        w->dateTime->date_time_lcd_color = Day;
        touchAt(*w, {687, 267});
        QCOMPARE(v.lcd_day->intValue(), 1);
        for (int i = 0; i < 3; ++i)
            touchAt(*w, {752, 320});
        QVERIFY(v.lcd_hour->styleSheet() == look::DateTimeReadoutSelected &&
                v.lcd_day->styleSheet() == look::DateTimeReadout);
        touchAt(*w, {687, 377});
        QCOMPARE(v.lcd_hour->intValue(), 23);
    }

    void setDateRunsTheCommandsForCalendarDatesOnly()
    {
        auto w = makeWindow();
        w->dateTime->on_setdatetime_clicked();
        // clang-format off
        const struct { int day, month, year; const char* command; } rows[] = {
            {31, 2, 2024, nullptr}, {29, 2, 2023, nullptr}, {29, 2, 2024, "date 022912002024.00"},
        };
        // clang-format on
        for (const auto& r : rows) {
            QFile::remove(m_shellLog);
            w->dateTime->dateTimeView->show(
                DateTimeFields::from(QDateTime(QDate(r.year, r.month, 1), QTime(12, 0, 0))));
            w->dateTime->dateTimeView->lcd_day->display(r.day);
            touchAt(*w, {435, 492}); // Set Date/Time
            QVERIFY(w->isShown("Gmessage"));
            if (!r.command) {
                QCOMPARE(w->W<QLabel>("err_txt")->text(), QStringLiteral("Invalid Date"));
                QCOMPARE(w->W<QLabel>("err_header")->text(), QStringLiteral("ERROR"));
                QCOMPARE(shellLines(), QStringList());
                w->messageBox->on_ok_clicked();
                QCOMPARE(w->screen_id, screen::DateTime);
            } else {
                QCOMPARE(shellLines(), QStringList({QLatin1String(r.command), "hwclock -w -f /dev/rtc0"}));
                // The box says what the clock now holds, as information.
                QCOMPARE(w->W<QLabel>("err_txt")->text(), QStringLiteral("Date and time set to\n29-02-2024 12:00:00"));
                QCOMPARE(w->W<QLabel>("err_header")->text(), QStringLiteral("INFORMATION"));
                w->messageBox->on_ok_clicked();
                QCOMPARE(w->screen_id, screen::DateTime);
            }
        }
    }

    // ---------------------------------------------------------------- brightness

    void brightnessPanel()
    {
        auto w = makeWindow();
        // clang-format off
        const struct { const char* report; int layout; const char* text; bool automatic; QPoint at; } rows[] = {
            {"7A", 0, "100%", true, {178, 472}}, {"3M", 0, "50%", false, {178, 472}},
            {"1A", 1, "30%", true, {10, 712}},   {"6M", 1, "80%", false, {10, 712}},
        };
        // clang-format on
        SettingsView& v = *w->settingsScreen->settingsView;
        for (const auto& r : rows) {
            w->screen_toggle = r.layout;
            press(*w, r.report);
            QVERIFY(v.G_brightness->isVisible());
            QCOMPARE(v.brightness_value->text(), QLatin1String(r.text));
            QCOMPARE(v.bright_progressBar->value(), QString(QLatin1String(r.text)).chopped(1).toInt());
            QCOMPARE(v.brightness_image->property("image").toString(),
                     r.automatic ? Dir_rms_img_Autobrightness : Dir_rms_img_brightness);
            QCOMPARE(v.G_brightness->pos(), r.at);
            // It covers nothing of its layout but the loco type and cab line.
            QWidget* layout = r.layout == 1 ? w->W("Gmainwindow_ddu") : w->W("gaugeWidget_4")->parentWidget();
            const QStringList mayCover = {"lddu_frame_loco", "lddu_loco_type", "lddu_cap_cab", "lddu_loco_cabval"};
            for (QWidget* c : layout->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (c == v.G_brightness || !c->isVisibleTo(layout) || mayCover.contains(c->objectName()) ||
                    qobject_cast<QGroupBox*>(c))
                    continue;
                const QRect at(c->mapTo(w.get(), QPoint(0, 0)), c->size());
                const QRect panel(v.G_brightness->mapTo(w.get(), QPoint(0, 0)), v.G_brightness->size());
                QVERIFY2(!at.intersects(panel), qPrintable(c->objectName()));
            }
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
        auto w = makeWindow();
        SignalStore s = w->snap;
        s.pass_count = 1;
        s.MVB_DDU_BPCS = 1;
        s.MVB_DDU_LSP = 1;
        publish(*w, s);
        QMap<QString, QString> english;
        for (QLabel* l : w->findChildren<QLabel*>())
            english.insert(l->objectName(), l->text());
        // The lamps and pictograms the tick drew, wiped: only a switch that
        // makes the home screen draw everything again brings them back.
        QMap<QLabel*, QString> lamps;
        QWidget* ddu = w->W("Gmainwindow_ddu");
        for (QLabel* l : w->findChildren<QLabel*>())
            if ((l->isVisible() || ddu->isAncestorOf(l)) && !l->property("image").toString().isEmpty())
                lamps.insert(l, l->property("image").toString());
        QVERIFY(lamps.size() > 20);

        touchAt(*w, {300, 30});  // MENU
        touchAt(*w, {680, 500}); // LANGUAGE
        QVERIFY(w->screen_id == screen::Language && w->isShown("Gmenu_lang"));
        QCOMPARE(w->W<QLabel>("menuscreen_header")->text(), QStringLiteral("SELECT LANGUAGE"));
        touchAt(*w, {500, 400}); // HINDI
        w->settingsScreen->on_lang_clicked();
        QVERIFY(w->W<QLabel>("menuscreen_header")->styleSheet().contains(QLatin1String("36pt Lohit-Devanagari")));
        w->on_home_clicked();
        QVERIFY(w->DDU_Language_Select == 1 && w->screen_id == screen::Home);
        // The Hindi file is installed; the texts are what it says (the English
        // text where it has none).
        QVERIFY(w->translator && w->translator->filePath().endsWith(QLatin1String("zav_hindi.qm")));
        QVERIFY(showsIcon(w->W<QAbstractButton>("bddu_lang_icon"), Dir_rms_img_EngIcon));
        QCOMPARE(w->W<QAbstractButton>("menu")->text(), trMain("MENU"));
        QCOMPARE(w->W<QAbstractButton>("enterfault_btn")->text(), trMain("ACKNOWLEDGE"));
        QCOMPARE(w->W<QLabel>("cap_panto")->text(), trMain("PANTO"));
        publish(*w, s);
        QCOMPARE(w->W<QLabel>("lddu_bpcs_txt")->text(), trMain("BPCS ON"));

        // The icon in the DDU layout: back to English, then Hindi, then English.
        for (auto it = lamps.cbegin(); it != lamps.cend(); ++it) {
            it.key()->setPixmap(QPixmap());
            it.key()->setProperty("image", QString());
        }
        w->on_screen_toggle_clicked();
        for (int language : {0, 1, 0}) {
            touchAt(*w, {987, 728});
            QVERIFY(w->DDU_Language_Select == language && w->lang_toggle == language);
        }
        publish(*w, s);
        QCOMPARE(trMain("MENU"), QStringLiteral("MENU"));
        QVERIFY(showsIcon(w->W<QAbstractButton>("bddu_lang_icon"), Dir_rms_img_HindiIcon));
        for (auto it = lamps.cbegin(); it != lamps.cend(); ++it)
            QVERIFY2(it.key()->property("image").toString() == it.value(), qPrintable(it.key()->objectName()));
        // Every caption and state text of both layouts is English again.
        int compared = 0;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (it.key().contains(QLatin1String("cap_")) || it.key().endsWith(QLatin1String("_txt"))) {
                QCOMPARE(w->W<QLabel>(it.key())->text(), it.value());
                ++compared;
            }
        }
        QVERIFY(compared > 40);
        // Control equipment of type 2: the captions written by the switch name ICP1.
        w->exchange.requests.Selected_VCU_Type.store(2);
        QVERIFY(w->switchLanguage(1));
        QCOMPARE(w->W<QLabel>("cap_flg1")->text(), QStringLiteral("ICP1"));
    }

    void faultPopupAndAdviceChangeLanguage()
    {
        installLanguageFiles(true);
        auto w = makeWindow();
        publish(*w, withFault(*w, 10103));
        auto* rows = w->W<QListWidget>("faultmsg_listwidget");
        const FaultEntry* e = findFaultEntry(10103);
        QVERIFY(e && w->isShown("Gfault"));
        QCOMPARE(rows->item(1)->text(), QLatin1Char(' ') + QLatin1String(e->line[1]));

        QVERIFY(w->switchLanguage(1));
        QVERIFY(w->isShown("Gfault") && rows->count() == 4);
        QVERIFY(trCatalogue(e->line[1]) != QLatin1String(e->line[1]));
        QCOMPARE(rows->item(1)->text(), QLatin1Char(' ') + trCatalogue(e->line[1]));
        w->W<QAbstractButton>("driveradvice")->click();
        QVERIFY(w->isShown("Gfaultdriveradvice"));
        QVERIFY(trCatalogue(e->page[0]) != QLatin1String(e->page[0]));
        QCOMPARE(w->W<QLabel>("page1")->text(), trCatalogue(e->page[0]));

        QVERIFY(w->switchLanguage(0));
        QCOMPARE(rows->item(1)->text(), QLatin1Char(' ') + QLatin1String(e->line[1]));
        QCOMPARE(w->W<QListWidget>("driveradv_listwidget")->item(1)->text(),
                 QLatin1Char(' ') + QLatin1String(e->line[1]));
        // The message was logged once: a switch is no new message.
        QFile log(m_root.filePath("file/fault/zav_MessagesVCU_temp.xml"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll().count("<Message>"), 1);
    }

    // MAINTENANCE over a fault message: the pad is not opened under the
    // message; it comes over the home screen and takes digits and X.
    void maintenanceOverFaultPopup()
    {
        for (const char* shown : {"driveradvice", ""}) {
            auto w = makeWindow();
            publish(*w, withFault(*w, 10103));
            QVERIFY(w->isShown("Gfault"));
            if (*shown)
                w->W<QAbstractButton>(shown)->click();
            touchAt(*w, {920, 30});
            QVERIFY(w->isShown("Gpassword"));
            QVERIFY(!w->isShown("Gfault") && !w->isShown("Gfaultdriveradvice"));
            typeByTouch(*w, QStringLiteral("40"));
            QCOMPARE(w->passwordPad->passwordView->pwd_text_maint->text(), QStringLiteral("40"));
            touchAt(*w, {687, 127});
            QVERIFY(!w->isShown("Gpassword"));
            QCOMPARE(w->screen_id, screen::Home);
        }
    }

    // A message popping up while the on-screen keyboard is open takes the
    // finger: ACKNOWLEDGE acknowledges and types nothing; DRIVER ADVICE
    // opens the advice, whose BACK returns to the pop-up.
    void faultPopUpOverTheKeyboard()
    {
        auto w = makeWindow();
        w->keyboard->keypad_open(true);
        QVERIFY(w->isShown("keypad_groupbox"));
        publish(*w, withFault(*w, 10103));
        QVERIFY(w->isShown("Gfault"));
        const QString typed = w->keyboard->Keypad_Text;
        touchAt(*w, {745, 510}); // DRIVER ADVICE
        QVERIFY(w->isShown("Gfaultdriveradvice"));
        touchAt(*w, {930, 220}); // BACK
        QVERIFY(w->isShown("Gfault"));
        touchAt(*w, {920, 510}); // ACKNOWLEDGE
        QVERIFY(!w->isShown("Gfault"));
        QCOMPARE(w->keyboard->Keypad_Text, typed);
        QVERIFY(w->exchange.requests.MVB_Fault_ACK.on()); // the acknowledge goes to the vehicle
    }

    // Every screen that exists, opened in Hindi: no Hindi text cut off, no
    // text left in English that the Hindi file translates, no title cut off
    // in either language; every catalogue
    // message fits the pop-up's rows (one line each) and its advice the page.
    void hindiFitsEveryScreen()
    {
        installLanguageFiles(true);
        auto w = makeWindow();
        // Slots in order; "=" runs the pad's OK after the configuration code.
        // clang-format off
        const char* const screens[] = {
            "on_home_clicked", "on_screen_toggle_clicked", "on_home_clicked on_menu_clicked",
            "on_sub_sys_clicked", "on_hv_circ_clicked", "on_trac_conv_clicked", "on_aux_conv_clicked",
            "on_trac_moto_clicked", "on_aux_sys_clicked", "on_brak_sys_clicked", "on_ener_moni_clicked",
            "on_temp_clicked", "on_pressure_clicked", "on_diagnosis_clicked",
            "on_diagnosis_clicked on_b_menudiag_ok_clicked", "on_lang_clicked", "on_dr_details_clicked",
            "on_process_clicked", "on_node_clicked", "on_energy_clicked", "on_simulation_clicked",
            "on_motortemp_clicked", "on_software_clicked", "on_inching_clicked", "on_setdatetime_clicked",
            "on_motor_status_clicked", "on_diagnostic_process_clicked", "on_maintenance_clicked",
            "on_mvbtelegram_clicked", "on_mvbfreshness_clicked", "on_mvbvariables_clicked", "on_system_clicked",
            "on_system_clicked on_ddu_flg1_clicked",
            "on_ddulogging_clicked", "on_ddudisplay_clicked", "on_ddulogging_clicked on_vcu_button_clicked =",
            "on_ddulogging_clicked on_sr_button_clicked =", "on_ddulogging_clicked on_bur_button_clicked =",
            "on_ddulogging_clicked on_cab_button_clicked =", "on_ddulogging_clicked on_software_updateBtn_clicked",
            "on_ddulogging_clicked on_software_updateBtn_clicked =", "on_home_clicked on_maintenance_clicked",
        };
        // clang-format on
        QStringList faults;
        const auto note = [&](const QString& screen) {
            for (const QString& f : fitFaults(w.get(), w->hindi()))
                if (faults.filter(f).isEmpty())
                    faults << screen + QStringLiteral(": ") + f;
        };
        // The widest values the energy screens show.
        SignalStore wide = w->snap;
        wide.pass_count = 1;
        for (QString* v : {&wide.MVB_DDU_Energy_Consumed_String, &wide.MVB_DDU_Energy_Regenerated_String,
                           &wide.MVB_DDU_Energy_Consumed_Trip_String, &wide.MVB_DDU_Energy_Regenerated_Trip_String})
            *v = QStringLiteral("888 888 888");
        w->exchange.publish(wide);
        // Every screen is shown in English first: what it keeps from then must
        // follow the switch.
        for (int language : {0, 1}) {
            for (const char* screen : screens) {
                if (screen == screens[0]) {
                    QVERIFY(w->switchLanguage(language));
                    w->DDU_Maintenance_Password_lock = false;
                }
                if (QString(screen).startsWith("on_home_clicked on_maintenance"))
                    w->DDU_Maintenance_Password_lock = true; // the pad itself
                for (const QString& step : QString(screen).split(QLatin1Char(' '))) {
                    if (step == QLatin1String("=")) {
                        w->passwordPad->password_text = QStringLiteral("4027");
                        w->passwordPad->enter_clicked();
                    } else {
                        QVERIFY2(w->invokeSlot(step.toLatin1().constData()), qPrintable(step));
                    }
                }
                w->guiupdate_fun();
                note(QLatin1String(screen));
                for (const QString& f : titleFaults(w.get()))
                    if (faults.filter(f).isEmpty())
                        faults << QLatin1String(screen) + QStringLiteral(": title ") + f;
                // The menu frame's header stays left of its back and home keys.
                if (QWidget* h = w->W("menuscreen_header"); h->isVisible() && w->isShown("menuscreen_back"))
                    if (h->geometry().right() >= w->W("menuscreen_back")->geometry().left())
                        faults << QLatin1String(screen) + QStringLiteral(": header under the back key");
            }
            // Every page of every processor's I/O, system and loco: the signal
            // names and pins whole, so that two names cannot look alike.
            using Slot = void (IoSlotScreen::*)();
            const Slot processors[8] = {&IoSlotScreen::on_ddu_flg1_clicked, &IoSlotScreen::on_ddu_hbb1_clicked,
                                        &IoSlotScreen::on_ddu_stb1_clicked, &IoSlotScreen::on_ddu_slg1_clicked,
                                        &IoSlotScreen::on_ddu_flg2_clicked, &IoSlotScreen::on_ddu_hbb2_clicked,
                                        &IoSlotScreen::on_ddu_stb2_clicked, &IoSlotScreen::on_ddu_slg2_clicked};
            for (const char* family : {"on_system_clicked", "on_loco_clicked"})
                for (int p = 0; p < 8; ++p) {
                    QVERIFY(w->invokeSlot(family));
                    (w->ioSlots->*processors[p])();
                    for (int page = 0; page < 8; ++page) {
                        w->guiupdate_fun();
                        note(QStringLiteral("%1 processor %2 page %3").arg(QLatin1String(family)).arg(p).arg(page));
                        w->ioSlots->on_ddu_proc_next_slot_clicked();
                    }
                }
        }
        w->passwordPad->on_pwd_close_button_clicked();
        w->on_home_clicked();
        w->keyboard->keypad_open(true);
        note(QStringLiteral("on-screen keyboard"));
        w->W("keypad_groupbox")->hide();
        w->messageBox->Dialog_Box(trMain("Invalid Date"), 1);
        note(QStringLiteral("message box"));
        w->messageBox->on_ok_clicked();

        publish(*w, withFault(*w, 10103));
        note(QStringLiteral("fault pop-up"));
        publish(*w, withFault(*w, -1)); // its number lost: marked on the pop-up and the advice
        note(QStringLiteral("fault pop-up without data"));
        auto* rows = w->W<QListWidget>("faultmsg_listwidget");
        const QSize row(rows->viewport()->width() - 8, 1000);
        w->W<QAbstractButton>("driveradvice")->click();
        note(QStringLiteral("driver advice"));
        QLabel* page = w->W<QLabel>("page1");
        for (int i = 0; i < faultCatalogueSize(); ++i) {
            const FaultEntry& e = faultCatalogue()[i];
            for (int k = 0; k < 4; ++k) {
                if (e.line[k] && *e.line[k]) {
                    const QString text = (k ? QStringLiteral(" ") : trMain(" Loco ") + QStringLiteral("31028;   ")) +
                        trCatalogue(e.line[k]);
                    if (const QString m = misfit(rows->font(), text, row, false); !m.isEmpty())
                        faults << QStringLiteral("%1 row %2: %3").arg(e.number).arg(k + 1).arg(m);
                }
                if (e.page[k] && *e.page[k])
                    if (const QString m = misfit(page->font(), trCatalogue(e.page[k]), page->size(), true);
                        !m.isEmpty())
                        faults << QStringLiteral("%1 page %2: %3").arg(e.number).arg(k + 1).arg(m);
            }
        }
        SignalStore demo = withFault(*w, 10103);
        demo.simulated = true;
        publish(*w, demo);
        note(QStringLiteral("demo banner"));
        // The overlays in English too.
        QVERIFY(w->switchLanguage(0));
        publish(*w, withFault(*w, 0));
        publish(*w, withFault(*w, 10103));
        note(QStringLiteral("fault pop-up, English"));
        w->W<QAbstractButton>("driveradvice")->click();
        note(QStringLiteral("driver advice, English"));
        w->messageBox->Dialog_Box(trMain("Do you really want to replace the \n existing signals?"), 3);
        note(QStringLiteral("message box, English"));
        for (const QString& f : std::as_const(faults))
            qWarning("%s", qPrintable(f));
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts cut off or left in English (listed above)").arg(faults.size())));
    }

    void missingOrCorruptHindiFileKeepsEnglish()
    {
        QFile real(QStringLiteral(DDU_QM_DIR "/zav_hindi.qm"));
        QVERIFY(real.open(QIODevice::ReadOnly));
        const QByteArray bytes = real.readAll();
        auto w = makeWindow();
        // Missing, garbage, empty; a real file cut short may load (Qt checks
        // its blocks) but never crashes.
        for (const QByteArray& content :
             {QByteArray("missing"), QByteArray(700, '\x01'), QByteArray(), bytes.left(bytes.size() / 2)}) {
            installLanguageFiles(false);
            if (content != "missing") {
                QFile f(m_root.filePath("lang/zav_hindi.qm"));
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(content);
            }
            w->settingsScreen->on_lang_clicked();
            if (content.size() == bytes.size() / 2) {
                w->settingsScreen->on_hin_lang_clicked();
                w->settingsScreen->on_eng_lang_clicked();
            } else {
                QTest::ignoreMessage(QtDebugMsg, QRegularExpression("language: cannot load .*zav_hindi.qm"));
                w->settingsScreen->on_hin_lang_clicked();
                QVERIFY(w->isShown("Gmenu_lang")); // nothing changed
            }
            QCOMPARE(w->DDU_Language_Select, 0);
            QCOMPARE(w->W<QAbstractButton>("menu")->text(), QStringLiteral("MENU"));
        }
        installLanguageFiles(true);
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
