// Fault and information messages: the change detection of the two
// locomotives' numbers, the fault log file, and the pop-up, driver advice,
// fault button and acknowledge on the window (offscreen).

#include <QtTest>

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>

#include "acquisition/unknown.h"
#include "app/mainwindow.h"
#include "diagnostics/fault.h"
#include "diagnostics/fault_history.h"
#include "diagnostics/fault_log.h"
#include "diagnostics/fault_watch.h"
#include "platform/file_io.h"
#include "screens/fault_screen.h"
#include "screens/fault_view.h"
#include "tests/support/environment.h"
#include "tests/support/window.h"
#include "tools/image_table.h"
#include "ui/resources.h"

namespace {

using testsupport::makeWindow;

const QString kEmptyLog = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SUBSYSTEM/>\n");

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList rows(const QListWidget* l)
{
    QStringList r;
    for (int i = 0; l && i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

    QString logPath() const { return m_root.filePath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml")); }

    static void tick(MainWindow& w, int own, int second = 0, bool multi = false)
    {
        SignalStore s = w.snap;
        s.pass_count += 1;
        s.MVB_DDU_Fault_No = own;
        s.MVB_DDU_Fault2_No = second;
        s.multiOpMode_slave1_active = multi ? 1 : 0;
        s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
        s.MVB_DDU_Loco2_NO_String = QStringLiteral("31029");
        w.exchange.publish(s);
        w.guiupdate_fun();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QString error;
        QVERIFY2(imgpaint::writeAll(m_root.path(), &error) > 0, qPrintable(error));
    }

    // Raise, acknowledge and clear go into the fault history with the
    // message's number, code and loco; the history survives a restart (the
    // log of the run does not).
    void historyOfRaiseAcknowledgeClear()
    {
        const QString path = m_root.filePath(QStringLiteral("file/fault/fault_history.xml"));
        QFile::remove(path);
        {
            auto w = makeWindow();
            tick(*w, 10103);
            w->faultScreen->on_enterfault_btn_clicked();
            tick(*w, 0);
        }
        auto again = makeWindow(); // a restart
        const QVector<FaultHistoryEvent> events = FaultHistory(path).events();
        QCOMPARE(events.size(), 3);
        const FaultHistoryEvent::Kind kinds[3] = {FaultHistoryEvent::Raised, FaultHistoryEvent::Acknowledged,
                                                  FaultHistoryEvent::Cleared};
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(events[k].kind, kinds[k]);
            QCOMPARE(events[k].number, 10103);
            QCOMPARE(events[k].loco, 1);
            QCOMPARE(events[k].faultCode, QStringLiteral("F0103P1"));
            QVERIFY(events[k].text.contains(QStringLiteral("LOW PRESSURE PANTO")));
        }
    }

    // The history follows each loco's number, whatever the pop-up shows:
    // a number going from A to B clears A and raises B, on either loco;
    // information messages and unread numbers add nothing; a window that
    // starts again finds what is still open (a restart): the same message
    // is not raised twice, one gone while the display was off is cleared.
    // Ticks: own, second, multiple operation (-1: unread), "restart" between
    // two windows; events: kind R/A/C, loco, number.
    void historyFollowsEachLoco_data()
    {
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("events");
        QTest::newRow("two locos, each clears its own")
            << QStringList{"10103 0 1", "10103 20205 1", "10103 0 1", "0 0 1"} << "R1:10103 R2:20205 C2:20205 C1:10103";
        QTest::newRow("the shown loco clears while the other stays")
            << QStringList{"10103 0 1", "10103 20205 1", "10103 20205 1", "0 20205 1", "0 0 1"}
            << "R1:10103 R2:20205 C1:10103 C2:20205";
        QTest::newRow("straight from one message to another")
            << QStringList{"10103 0 0", "20102 0 0", "0 0 0"} << "R1:10103 C1:10103 R1:20102 C1:20102";
        QTest::newRow("information messages are not recorded")
            << QStringList{"91 0 0", "ack", "0 0 0", "10103 0 0", "91 0 0"} << "R1:10103 C1:10103";
        QTest::newRow("acknowledged, unread, back, cleared")
            << QStringList{"10103 0 0", "ack", "-1 0 0", "-1 -1 1", "10103 0 0", "0 0 0"}
            << "R1:10103 A1:10103 C1:10103";
        QTest::newRow("restart with the message still there: one raise")
            << QStringList{"10103 0 0", "restart", "10103 0 0", "0 0 0"} << "R1:10103 C1:10103";
        QTest::newRow("restart, the message gone meanwhile: cleared at the first read")
            << QStringList{"10103 0 1", "0 20205 1", "0 20205 1", "restart", "-1 0 0", "0 0 0", "0 0 1"}
            << "R1:10103 C1:10103 R2:20205 C2:20205";
    }
    void historyFollowsEachLoco()
    {
        QFETCH(QStringList, ticks);
        QFETCH(QString, events);
        const QString path = m_root.filePath(QStringLiteral("file/fault/fault_history.xml"));
        QFile::remove(path);
        auto w = makeWindow();
        for (const QString& t : ticks) {
            if (t == QLatin1String("restart")) {
                w.reset();
                w = makeWindow();
            } else if (t == QLatin1String("ack")) {
                w->faultScreen->on_enterfault_btn_clicked();
            } else {
                const QStringList n = t.split(QLatin1Char(' '));
                const auto number = [](const QString& x) {
                    return x == QLatin1String("-1") ? kMessageUnknown : x.toInt();
                };
                tick(*w, number(n[0]), number(n[1]), n[2] == QLatin1String("1"));
            }
        }
        w.reset(); // what is queued is written
        QStringList got;
        QMap<QPair<int, int>, QString> raisedText;
        for (const FaultHistoryEvent& e : FaultHistory(path).events()) {
            got << QStringLiteral("%1%2:%3").arg(QLatin1Char("RAC"[int(e.kind)])).arg(e.loco).arg(e.number);
            if (e.kind == FaultHistoryEvent::Raised)
                raisedText[{e.loco, e.number}] = e.text;
            else
                QCOMPARE(e.text, raisedText.value({e.loco, e.number})); // the message's own texts
            QVERIFY(!e.text.isEmpty());
        }
        QCOMPARE(got.join(QLatin1Char(' ')), events);
    }

    // ---------------------------------------------------------------- change detection

    void watchSequences_data()
    {
        QTest::addColumn<QList<QList<int>>>("ticks"); // own, second, multi, then the event: kind, choice, number, log
        QTest::newRow("own fault shown and logged") << QList<QList<int>>{{20102, 0, 0, 1, 1, 20102, 1}};
        QTest::newRow("straight to an isolation: shown, logged")
            << QList<QList<int>>{{20102, 0, 0, 1, 1, 20102, 1}, {400, 0, 0, 1, 1, 400, 1}};
        QTest::newRow("information shown, not logged")
            << QList<QList<int>>{{400, 0, 0, 1, 1, 400, 1}, {91, 0, 0, 1, 1, 91, 0}};
        QTest::newRow("unchanged: nothing") << QList<QList<int>>{{400, 0, 0, 1, 1, 400, 1}, {400, 0, 0, 0, 0, 0, 0}};
        QTest::newRow("gone: cleared") << QList<QList<int>>{{400, 0, 0, 1, 1, 400, 1}, {0, 0, 0, 2, 0, 0, 0}};
        QTest::newRow("back after 0: shown and logged again")
            << QList<QList<int>>{{400, 0, 0, 1, 1, 400, 1}, {0, 0, 0, 2, 0, 0, 0}, {400, 0, 0, 1, 1, 400, 1}};
        QTest::newRow("second loco in multiple operation") << QList<QList<int>>{{0, 10101, 1, 1, 2, 10101, 1}};
        QTest::newRow("second loco waits for multiple operation")
            << QList<QList<int>>{{0, 10101, 0, 0, 0, 0, 0}, {0, 10101, 1, 1, 2, 10101, 1}};
        QTest::newRow("own change first, the second's taken next tick")
            << QList<QList<int>>{{20102, 10101, 1, 1, 1, 20102, 1}, {20102, 10101, 1, 1, 2, 10101, 1}};
        QTest::newRow("other loco clearing keeps the one shown") << QList<QList<int>>{
            {0, 10101, 1, 1, 2, 10101, 1}, {20102, 10101, 1, 1, 1, 20102, 1}, {20102, 0, 1, 0, 0, 0, 0}};
        QTest::newRow("shown loco clearing shows the other again, not logged") << QList<QList<int>>{
            {0, 10101, 1, 1, 2, 10101, 1}, {20102, 10101, 1, 1, 1, 20102, 1}, {0, 10101, 1, 1, 2, 10101, 0}};
        // -1: the number cannot be read (link silent, port stale, cab unknown).
        QTest::newRow("unread number neither clears nor raises; the same back is the same message")
            << QList<QList<int>>{{20102, 0, 0, 1, 1, 20102, 1},
                                 {-1, 0, 0, 0, 0, 0, 0},
                                 {-1, -1, 1, 0, 0, 0, 0},
                                 {20102, 0, 0, 0, 0, 0, 0}};
        QTest::newRow("unread, then another number: a new message")
            << QList<QList<int>>{{20102, 0, 0, 1, 1, 20102, 1}, {-1, 0, 0, 0, 0, 0, 0}, {400, 0, 0, 1, 1, 400, 1}};
        QTest::newRow("unread, then 0: cleared")
            << QList<QList<int>>{{20102, 0, 0, 1, 1, 20102, 1}, {-1, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 2, 0, 0, 0}};
        QTest::newRow("unread before any message: nothing")
            << QList<QList<int>>{{-1, -1, 1, 0, 0, 0, 0}, {0, 0, 1, 0, 0, 0, 0}};
        QTest::newRow("second loco unread and back")
            << QList<QList<int>>{{0, 10101, 1, 1, 2, 10101, 1}, {0, -1, 1, 0, 0, 0, 0}, {0, 10101, 1, 0, 0, 0, 0}};
    }
    void watchSequences()
    {
        QFETCH(QList<QList<int>>, ticks);
        FaultWatch w;
        int i = 0;
        for (const QList<int>& t : ticks) {
            const QString now = QStringLiteral("t%1").arg(i++);
            const FaultEvent e = w.tick(t[0], t[1], t[2] != 0, now);
            QCOMPARE(int(e.kind), t[3]);
            if (e.kind == FaultEvent::Show) {
                QCOMPARE(e.choice, t[4]);
                QCOMPARE(e.number, t[5]);
                QCOMPARE(int(e.log), t[6]);
                QCOMPARE(w.fault_choice, t[4]);
            }
        }
    }

    // The message shown again after the other loco cleared keeps its first time.
    void watchKeepsFirstSeenTime()
    {
        FaultWatch w;
        w.tick(0, 10101, true, QStringLiteral("first"));
        w.tick(20102, 10101, true, QStringLiteral("second"));
        QCOMPARE(w.tick(0, 10101, true, QStringLiteral("third")).time, QStringLiteral("first"));
    }

    // Since when the shown message's number is not read: the first tick
    // without it, until it is read again; only the shown loco's counts.
    void watchTellsSinceWhenUnread()
    {
        FaultWatch w;
        w.tick(20102, 0, false, QStringLiteral("t0"));
        QCOMPARE(w.shownNoDataSince(), QString());
        w.tick(20102, -1, false, QStringLiteral("t1")); // the other loco's: not the message shown
        QCOMPARE(w.shownNoDataSince(), QString());
        w.tick(-1, -1, false, QStringLiteral("t2"));
        w.tick(-1, -1, false, QStringLiteral("t3"));
        QCOMPARE(w.shownNoDataSince(), QStringLiteral("t2"));
        QCOMPARE(w.shownNumber(), 20102);
        w.tick(20102, -1, false, QStringLiteral("t4"));
        QCOMPARE(w.shownNoDataSince(), QString());
    }

    // ---------------------------------------------------------------- the log file

    void logFormat()
    {
        QTemporaryDir dir;
        FaultLog log(dir.filePath(QStringLiteral("sub/log.xml")));
        QVERIFY(log.reset());
        QCOMPARE(readAll(log.path()), kEmptyLog);
        FaultLogEntry e;
        e.locoType = 2;
        e.subsystem = QStringLiteral("SS01:Main Power");
        e.time = QStringLiteral("06/12/2026 18:13:25");
        e.faultCode = QStringLiteral("F0102P2");
        e.lines[0] = QStringLiteral("a");
        e.lines[1] = QStringLiteral("b & c");
        e.lines[2] = QStringLiteral("d");
        e.lines[3] = QStringLiteral("e");
        QVERIFY(log.append(e));
        QCOMPARE(readAll(log.path()),
                 QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SUBSYSTEM>\n    <Message>\n"
                                "        <LocoType>2</LocoType>\n        <SubsystemNo>SS01:Main Power</SubsystemNo>\n"
                                "        <Time>06/12/2026 18:13:25</Time>\n        <FaultCode>F0102P2</FaultCode>\n"
                                "        <FaultMessage>a\nb &amp; c\nd\ne</FaultMessage>\n    </Message>\n"
                                "</SUBSYSTEM>\n"));
        // A log written before (by an earlier run of the same start) is continued.
        FaultLog again(log.path());
        QVERIFY(again.append(e));
        QCOMPARE(again.count(), 2);
    }

    // A write that stops half-way (power cut) leaves the previous complete log.
    void interruptedWriteKeepsThePreviousLog()
    {
        QTemporaryDir dir;
        FaultLog log(dir.filePath(QStringLiteral("log.xml")));
        log.reset();
        FaultLogEntry e;
        e.faultCode = QStringLiteral("F1");
        log.append(e);
        const QString before = readAll(log.path());
        platform::interruptNextSaveAfter = 40;
        e.faultCode = QStringLiteral("F2");
        QVERIFY(!log.append(e));
        QCOMPARE(readAll(log.path()), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("log.xml")});
        // The message is not lost: the next write carries it.
        e.faultCode = QStringLiteral("F3");
        QVERIFY(log.append(e));
        const QString after = readAll(log.path());
        QVERIFY(after.contains(QStringLiteral("F2")) && after.contains(QStringLiteral("F3")));
    }

    // A log that cannot be parsed is kept aside and a fresh one started.
    void unreadableLogIsKeptAside()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.xml"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<SUBSYSTEM><Message><LocoType>1</Loco"); // torn
        f.close();
        FaultLog log(path);
        QVERIFY(log.append(FaultLogEntry()));
        QCOMPARE(readAll(path + FaultLog::unreadableSuffix()), QStringLiteral("<SUBSYSTEM><Message><LocoType>1</Loco"));
        QCOMPARE(log.count(), 1);
        QVERIFY(readAll(path).startsWith(QStringLiteral("<?xml")));
    }

    // ---------------------------------------------------------------- on the window

    void popupRowsAndLog()
    {
        auto w = makeWindow();
        QCOMPARE(readAll(logPath()), kEmptyLog); // emptied at start
        FaultView& v = *w->faultScreen->faultView;
        tick(*w, 20102);
        QVERIFY(v.Gfault->isVisible());
        QCOMPARE(w->screen_id, screen::FaultPopup);
        QVERIFY(
            v.fault_header->text().startsWith(QStringLiteral("Fault Message                            Received ")));
        QCOMPARE(rows(v.faultmsg_listwidget),
                 QStringList({QStringLiteral(" Loco 31028;   SS01:Main power"),
                              QStringLiteral(" TRANSFORMER OIL PRESSURE NOT OK"),
                              QStringLiteral(" Any oil pump circuit not working"),
                              QStringLiteral(" TE/BE will be reduced F0102P2")}));
        QCOMPARE(rows(v.driveradv_listwidget), rows(v.faultmsg_listwidget));
        QVERIFY(!w->W("screen_toggle")->isEnabled());
        QString log = readAll(logPath());
        QCOMPARE(log.count(QStringLiteral("<Message>")), 1);
        QVERIFY(log.contains(QStringLiteral("<LocoType>1</LocoType>")));
        QVERIFY(log.contains(QStringLiteral("<FaultCode>F0102P2</FaultCode>")));

        tick(*w, 400);
        QVERIFY(v.fault_header->text().startsWith(QStringLiteral("Isolation Message                      Received ")));
        QCOMPARE(v.fault_button->property("image").toString(), Dir_rms_img_LocoIso);
        QCOMPARE(readAll(logPath()).count(QStringLiteral("<Message>")), 2);

        tick(*w, 91); // information: its own header and time, not logged
        QVERIFY(v.fault_header->text().startsWith(QStringLiteral("Information Message                    Received ")));
        QVERIFY(v.fault_header->text().endsWith(w->faultScreen->fault_datetime));
        QCOMPARE(v.driveradv_faulttype->text(), QStringLiteral("Information Message"));
        QCOMPARE(v.fault_button->property("image").toString(), Dir_rms_img_LocoInfo);
        QVERIFY(rows(v.faultmsg_listwidget).value(0).endsWith(QStringLiteral(";   Information 002")));
        QCOMPARE(readAll(logPath()).count(QStringLiteral("<Message>")), 2);

        tick(*w, 0);
        QVERIFY(!v.Gfault->isVisible());
        QVERIFY(!v.fault_button->isVisible());
        QVERIFY(!w->faultScreen->DDU_Loco_Fault_Present);
        QVERIFY(w->W("screen_toggle")->isEnabled());
    }

    void secondLocoRowAndLog()
    {
        auto w = makeWindow();
        tick(*w, 0, 10101, false);
        QVERIFY(!w->faultScreen->faultView->Gfault->isVisible());
        tick(*w, 0, 10101, true);
        QVERIFY(w->faultScreen->faultView->Gfault->isVisible());
        QVERIFY(rows(w->faultScreen->faultView->faultmsg_listwidget)
                    .value(0)
                    .startsWith(QStringLiteral(" Loco 31029;   ")));
        QVERIFY(readAll(logPath()).contains(QStringLiteral("<LocoType>2</LocoType>")));
    }

    // Advice pages: page 1 first, paging stops at 1 and at the last page with
    // advice (three here: no empty fourth page), each page says "n/3"; back
    // returns to the pop-up.
    void adviceAndPaging()
    {
        auto w = makeWindow();
        tick(*w, 10103);
        w->faultScreen->on_driveradvice_clicked();
        FaultView& v = *w->faultScreen->faultView;
        QCOMPARE(w->screen_id, screen::DriverAdvice);
        QVERIFY(v.Gfaultdriveradvice->isVisible() && !v.Gfault->isVisible());
        QCOMPARE(v.page1->text(), DDU_Fault_Page1);
        QVERIFY(v.page1->isVisible() && !v.page2->isVisible());
        w->faultScreen->on_up_button_clicked();
        QCOMPARE(v.page_no->text(), QStringLiteral("1/3"));
        w->faultScreen->on_down_button_clicked();
        QCOMPARE(v.page_no->text(), QStringLiteral("2/3"));
        for (int i = 0; i < 5; ++i)
            w->faultScreen->on_down_button_clicked();
        QCOMPARE(v.page_no->text(), QStringLiteral("3/3"));
        QVERIFY(v.page3->isVisible() && !v.page4->isVisible() && !v.page1->isVisible());
        w->faultScreen->on_up_button_clicked();
        QCOMPARE(v.page_no->text(), QStringLiteral("2/3"));
        w->faultScreen->on_driveradv_back_clicked();
        QCOMPARE(w->screen_id, screen::FaultPopup);
        QVERIFY(v.Gfault->isVisible() && !v.Gfaultdriveradvice->isVisible());
    }

    // Acknowledge by touch: the request goes to the bus, the pop-up goes, the
    // fault button waits on the home screen and opens the pop-up again.
    void acknowledgeByTouchAndFaultButton()
    {
        auto w = makeWindow();
        tick(*w, 20102);
        FaultView& v = *w->faultScreen->faultView;
        const QPoint ack = v.enterfault_btn->mapTo(w.get(), v.enterfault_btn->rect().center());
        w->touch.key_pressure = 0;
        w->Touch_Screen_Connect(ack.x(), ack.y());
        QVERIFY(w->exchange.requests.MVB_Fault_ACK.on());
        QVERIFY(!v.Gfault->isVisible());
        QVERIFY(w->faultScreen->DDU_Loco_Fault_Present);
        w->on_home_clicked();
        QVERIFY(v.fault_button->isVisible());
        w->touch.key_pressure = 0;
        w->Touch_Screen_Connect(950, 30);
        QVERIFY(v.Gfault->isVisible());
        // The advice button is where its touch region is, in both layouts.
        const QPoint advice = v.driveradvice->mapTo(w.get(), v.driveradvice->rect().center());
        w->touch.key_pressure = 0;
        w->Touch_Screen_Connect(advice.x(), advice.y());
        QCOMPARE(w->screen_id, screen::DriverAdvice);
    }

    // ESC on the pop-up leaves it for the home screen; the message stays present.
    void escapeLeavesThePopup()
    {
        auto w = makeWindow();
        tick(*w, 20102);
        w->feedKeypad(QByteArrayLiteral("$,01,\r\n"));
        w->guiupdate_fun();
        QVERIFY(!w->faultScreen->faultView->Gfault->isVisible());
        QVERIFY(w->faultScreen->DDU_Loco_Fault_Present);
        QCOMPARE(w->screen_id, screen::Home);
    }

    // Keys on the pop-up: ENTER on a fresh pop-up opens the advice (never an
    // acknowledge the driver did not choose); on the advice UP/DOWN page and
    // ESC goes back; DOWN then ENTER acknowledges.
    void keypadOnThePopup()
    {
        auto w = makeWindow();
        tick(*w, 10103);
        auto press = [&w](const char* code) {
            w->feedKeypad(QByteArray("$,") + code + ",\r\n");
            w->guiupdate_fun();
        };
        press("10"); // ENTER
        QCOMPARE(w->screen_id, screen::DriverAdvice);
        press("09"); // DOWN
        QCOMPARE(w->faultScreen->faultView->page_no->text(), QStringLiteral("2/3"));
        press("08"); // UP
        QCOMPARE(w->faultScreen->faultView->page_no->text(), QStringLiteral("1/3"));
        press("01"); // ESC
        QCOMPARE(w->screen_id, screen::FaultPopup);
        QVERIFY(!w->exchange.requests.MVB_Fault_ACK.on());
        press("09"); // DOWN: the focus on ACKNOWLEDGE
        QVERIFY(w->faultScreen->faultView->acknowledgeFocused());
        press("10");
        QVERIFY(w->exchange.requests.MVB_Fault_ACK.on());
        QVERIFY(!w->faultScreen->faultView->Gfault->isVisible());
    }

    // Bus trouble under a message: it stays, marked "NO DATA since" on the
    // pop-up and as a grey fault button after the acknowledge; the same
    // number back is the same message (no new time, no second log entry).
    void messageSurvivesBusTrouble()
    {
        auto w = makeWindow();
        FaultView& v = *w->faultScreen->faultView;
        tick(*w, 20102);
        const QString header = v.fault_header->text();
        QVERIFY(v.fault_nodata->isHidden());
        tick(*w, -1);
        QVERIFY(v.Gfault->isVisible());
        QVERIFY(v.fault_nodata->isVisible());
        QVERIFY(v.fault_nodata->text().startsWith(QStringLiteral("NO DATA since ")));
        QVERIFY(w->faultScreen->DDU_Loco_Fault_Present);
        v.enterfault_btn->click(); // acknowledged while the link is silent
        QVERIFY(v.fault_button->isVisible());
        QCOMPARE(v.fault_button->property("image").toString(), Dir_rms_img_LocoFault + QStringLiteral(" (no data)"));
        for (int k = 0; k < 3; ++k)
            tick(*w, -1);
        tick(*w, 20102);
        QCOMPARE(v.fault_button->property("image").toString(), Dir_rms_img_LocoFault);
        QVERIFY(v.fault_nodata->isHidden());
        QVERIFY(!v.Gfault->isVisible()); // not popped up again
        QCOMPARE(readAll(logPath()).count(QStringLiteral("<Message>")), 1);
        v.fault_button->click();
        QCOMPARE(v.fault_header->text(), header); // its first time
    }

    // The demo invents no messages: its numbers are not read.
    void demoReadsNoMessage()
    {
        auto w = makeWindow();
        tick(*w, 20102);
        SignalStore s = w->snap;
        s.simulated = true;
        s.MVB_DDU_Fault_No = 0;
        s.pass_count += 1;
        w->exchange.publish(s);
        w->guiupdate_fun();
        QVERIFY(w->faultScreen->DDU_Loco_Fault_Present);
        QVERIFY(w->faultScreen->faultView->fault_nodata->isVisible());
        s.MVB_DDU_Fault_No = 10103;
        w->exchange.publish(s);
        w->guiupdate_fun();
        QCOMPARE(readAll(logPath()).count(QStringLiteral("<Message>")), 1);
    }

    // After the acknowledge the fault button stands on every screen, on the
    // maintenance button's place, and reopens the message by touch and by key.
    void faultButtonOnEveryScreen()
    {
        auto w = makeWindow();
        FaultView& v = *w->faultScreen->faultView;
        tick(*w, 20102);
        v.enterfault_btn->click();
        QVERIFY(v.fault_button->isVisible());
        w->on_menu_clicked();
        tick(*w, 20102);
        QVERIFY(v.fault_button->isVisible());
        w->touch.key_pressure = 0;
        w->Touch_Screen_Connect(950, 30);
        QVERIFY(v.Gfault->isVisible());
        QCOMPARE(w->screen_id, screen::FaultPopup);
        v.enterfault_btn->click();
        QCOMPARE(w->screen_id, screen::MainMenu); // the menu is served again
        // By key: HOME, then DOWN to the fifth place of the top bar, ENTER.
        auto press = [&w](const char* code) {
            w->feedKeypad(QByteArray("$,") + code + ",\r\n");
            w->guiupdate_fun();
        };
        press("02");
        for (int k = 0; k < 4; ++k)
            press("09");
        QVERIFY(v.fault_button->styleSheet().contains(QStringLiteral("solid rgb(170, 170, 170)"))); // its focus
        press("10");
        QVERIFY(v.Gfault->isVisible());
        QVERIFY(!w->isShown(QStringLiteral("Gpassword"))); // not the maintenance pad under it
    }

    // A message clearing itself while its advice is open: the advice closes
    // and the screen it covered is served again.
    void clearingServesTheCoveredScreen()
    {
        auto w = makeWindow();
        FaultView& v = *w->faultScreen->faultView;
        w->on_menu_clicked();
        tick(*w, 20102);
        v.driveradvice->click();
        QCOMPARE(w->screen_id, screen::DriverAdvice);
        tick(*w, 0);
        QVERIFY(!v.Gfault->isVisible() && !v.Gfaultdriveradvice->isVisible() && !v.fault_button->isVisible());
        QCOMPARE(w->screen_id, screen::MainMenu);
        w->touch.key_pressure = 0;
        const QWidget* entry = w->W(QStringLiteral("hv_circ"));
        const QPoint p = entry->mapTo(w.get(), entry->rect().center());
        w->Touch_Screen_Connect(p.x(), p.y());
        QVERIFY(w->isShown(QStringLiteral("Gmenu_hvcircuit")));
    }

    // Every start empties the log.
    void restartEmptiesTheLog()
    {
        {
            auto w = makeWindow();
            tick(*w, 20102);
            QCOMPARE(readAll(logPath()).count(QStringLiteral("<Message>")), 1);
        }
        auto w = makeWindow();
        QCOMPARE(readAll(logPath()), kEmptyLog);
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
