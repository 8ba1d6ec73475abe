// End-to-end runs against the real simulator program: the bus comes up over
// a pseudo-terminal, the acquisition decodes a moving locomotive, a stale port
// shows as unknown, the DDS thread converts the vehicle's records and pages
// them, and keys and touches sent by the simulator move the display between
// screens.

#include <QtTest>

#include "acquisition/mvb_thread.h"
#include "app/mainwindow.h"
#include "app/panel_port.h"
#include "diagnostics/dds.h"
#include "diagnostics/pixy_thread.h"
#include "mvb/mvb_log.h"
#include "mvb/mvbc.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"
#include "tests/support/environment.h"
#include "tests/support/sim_process.h"
#include <QWidget>

namespace {
void quietLog(const char*, void*) { }

// Every value the home screen draws is unknown.
bool allUnknown(const SignalStore& s)
{
    const QString unknown = QStringLiteral("????");
    return s.MVB_DDU_Speed_String == unknown && s.MVB_DDU_Loco_NO_String == unknown &&
        s.MVB_DDU_Battery_String == unknown && s.MVB_DDU_UPRIM_String == unknown &&
        s.MVB_DDU_BP_Pressure_String == unknown && s.MVB_DDU_Panto == 2 && s.MVB_DDU_VCB == 2 &&
        s.MVB_DDU_Cab_Active == 3 && s.freshness_3100 >= 10000 && s.freshness_3110 >= 10000 &&
        s.MVB_DDU_RIOM1_Input[0] == 2;
}
} // namespace

class TestE2e : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

private slots:
    // The window's files (the fault log above all) go to a root of the test's
    // own, never to the unit's /home/qim of the machine running the tests.
    void initTestCase() { QVERIFY(m_root.isValid()); }

    void init()
    {
        mvb_setLogSink(quietLog, nullptr);
        siu_closePort();
        lp_resetState();
    }
    void cleanup() { siu_closePort(); }

    void movingLocomotiveStalePortAndDds()
    {
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--scenario"), QStringLiteral("run"), QStringLiteral("--time-scale"),
                           QStringLiteral("20")}));
        qputenv("DDU_MVB_DEVICE", sim.mvb.toLocal8Bit());
        BusExchange exchange;
        exchange.requests.Selected_CAB_Type = 1;
        exchange.requests.Selected_SR_Type = 3;
        Mvb_Thread acquisition(exchange);
        acquisition.start(); // brings the controller up first
        QTRY_COMPARE_WITH_TIMEOUT(exchange.requests.MVB_HW_Enable.load(), 0, 30000);

        QTRY_COMPARE_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Speed > 10, 30000);
        SignalStore s = exchange.snapshot();
        const int speed1 = s.MVB_DDU_Speed;
        QCOMPARE(s.MVB_DDU_Loco_Type_String, QStringLiteral("WAG9"));
        QCOMPARE(s.MVB_DDU_Cab_Active, 1);
        QCOMPARE(s.MVB_DDU_Direction, 1);
        QCOMPARE(s.MVB_DDU_Panto, 1);
        QCOMPARE(s.MVB_DDU_VCB, 1);
        QVERIFY2(s.MVB_DDU_Battery >= 100 && s.MVB_DDU_Battery <= 120, qPrintable(s.MVB_DDU_Battery_String));
        QVERIFY(s.MVB_DDU_UPRIM >= 20 && s.MVB_DDU_UPRIM <= 30);
        QVERIFY(s.MVB_DDU_BE_Actual > 0);      // traction
        QVERIFY(s.MVB_DDU_FLG1_Lifesign != 2); // life signs count
        QVERIFY(s.MVB_DDU_Speed_String != QStringLiteral("????"));
        // The locomotive accelerates: a later pass shows a higher speed.
        QTRY_VERIFY_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Speed > speed1 + 5, 30000);

        // Ports that stop being published read as unknown, and come back. With
        // FLG1's port alone stale the speed comes from FLG2.
        sim.command(QStringLiteral("stale 3110"));
        QTRY_VERIFY_WITH_TIMEOUT(exchange.snapshot().freshness_3110 >= 10000, 30000);
        QVERIFY(exchange.snapshot().MVB_DDU_Speed_String != QStringLiteral("????"));
        sim.command(QStringLiteral("stale 3210"));
        QTRY_COMPARE_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Speed_String, QStringLiteral("????"), 30000);
        s = exchange.snapshot();
        QVERIFY(s.freshness_3110 >= 10000);
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_BP_Pressure_String, QStringLiteral("????"));
        QVERIFY(s.MVB_DDU_Battery_String != QStringLiteral("????")); // other ports still decode
        sim.command(QStringLiteral("fresh 3110"));
        sim.command(QStringLiteral("fresh 3210"));
        QTRY_VERIFY_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Speed_String != QStringLiteral("????"), 30000);

        // The DDS thread converts the window of four records the vehicle publishes.
        Pixy_Thread pixy;
        pixy.setPeriodMs(20);
        pixy.setRawSource([&exchange](DDU_RAW_DATA_struct(&raw)[DDU_RAW_DATA_COUNT]) { exchange.copyDdsRaw(raw); });
        pixy.start();
        QTRY_VERIFY_WITH_TIMEOUT(!pixy.snapshot()[0].event_number.isEmpty(), 30000);
        auto rows = pixy.snapshot();
        const QString firstEvent = rows[0].event_number;
        for (const auto& r : rows) {
            QCOMPARE(r.Proc, Pixy_Thread::Find_Processor_Name(r.device_number));
            QCOMPARE(r.FaultMessage, dds_fun.Get_dds(r.device_number, r.fault_number));
            QVERIFY(!r.FaultMessage.startsWith(QStringLiteral("Unknown")));
            QVERIFY(r.DateTime.contains(QLatin1Char('/')));
        }
        // Paging down: the display raises the request, the vehicle publishes the next window.
        exchange.requests.MVB_DDS_DOWN.raise();
        QTRY_VERIFY_WITH_TIMEOUT(pixy.snapshot()[0].event_number != firstEvent, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!exchange.requests.MVB_DDS_DOWN.on(), 30000); // the pulse ended

        pixy.stop();
        pixy.wait();
        acquisition.stop();
        acquisition.wait();
    }

    // The controller misbehaves mid-run: whatever it does, every value turns
    // unknown (and not the last one seen), and comes back once it answers
    // properly again. The times are measured in bench_faults.
    void faultyControllerMidRun_data()
    {
        QTest::addColumn<QString>("mode");
        for (const char* m : {"silent", "nak", "short", "garbage"})
            QTest::newRow(m) << QString::fromLatin1(m);
    }
    void faultyControllerMidRun()
    {
        QFETCH(QString, mode);
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--scenario"), QStringLiteral("run"), QStringLiteral("--time-scale"),
                           QStringLiteral("10"), QStringLiteral("--paced")}));
        qputenv("DDU_MVB_DEVICE", sim.mvb.toLocal8Bit());
        BusExchange exchange;
        exchange.requests.Selected_CAB_Type = 1;
        Mvb_Thread acquisition(exchange);
        acquisition.start();
        QTRY_COMPARE_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);

        sim.command(QStringLiteral("mode ") + mode);
        QVERIFY(sim.commandAndWait(QStringLiteral("stats"), QStringLiteral("stats")));
        QTRY_VERIFY_WITH_TIMEOUT(allUnknown(exchange.snapshot()), 30000);
        QTest::qWait(1500); // and it stays so, whatever the pass was waiting for
        QVERIFY(allUnknown(exchange.snapshot()));

        sim.command(QStringLiteral("mode normal"));
        QTRY_COMPARE_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);
        QVERIFY(exchange.snapshot().MVB_DDU_Panto != 2);
        acquisition.stop();
        QVERIFY(acquisition.wait(5000));
    }

    // The controller's device goes away (simulator ended) and a new one comes
    // up on the same path: unknown at once, brought up again, live again.
    void deviceGoneAndBack()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("mvb"));
        const QStringList args = {QStringLiteral("--scenario"), QStringLiteral("standstill"), QStringLiteral("--link"),
                                  link};
        auto sim = std::make_unique<SimProcess>();
        QVERIFY(sim->start(args));
        qputenv("DDU_MVB_DEVICE", link.toLocal8Bit());
        BusExchange exchange;
        exchange.requests.Selected_CAB_Type = 1;
        Mvb_Thread acquisition(exchange);
        acquisition.start();
        QTRY_COMPARE_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);
        sim.reset();
        QTRY_VERIFY_WITH_TIMEOUT(allUnknown(exchange.snapshot()), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(exchange.requests.MVB_HW_Enable.load(), -1, 30000);
        sim = std::make_unique<SimProcess>();
        QVERIFY(sim->start(args));
        QTRY_COMPARE_WITH_TIMEOUT(exchange.snapshot().MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);
        acquisition.stop();
        QVERIFY(acquisition.wait(5000));
    }

    // With a controller that never answers, the window is built and drawn
    // while the acquisition is still bringing it up, and quitting does not
    // wait for the bring-up's time-outs.
    void silentControllerNeverHoldsTheWindow()
    {
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--mode"), QStringLiteral("silent")}));
        qputenv("DDU_MVB_DEVICE", sim.mvb.toLocal8Bit());
        auto w = std::make_unique<MainWindow>();
        w->show();
        w->guiupdate_fun();
        QVERIFY(!w->grab().isNull());
        QCOMPARE(w->exchange.requests.MVB_HW_Enable.load(), -1); // still bringing it up
        QCOMPARE(w->snap.MVB_DDU_Speed_String, QStringLiteral("????"));
        QVERIFY(w->mvbThread->isRunning());
        w.reset(); // stops the thread in the middle of a transaction
    }

    // The commissioning probe says whether the bus can be used: only a
    // controller whose whole start-up succeeded passes.
    void probeExitStatus_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("status");
        QTest::newRow("normal") << "normal" << 0;
        for (const char* m : {"silent", "nak", "short", "garbage"})
            QTest::newRow(m) << QString::fromLatin1(m) << 1;
    }
    void probeExitStatus()
    {
        QFETCH(QString, mode);
        QFETCH(int, status);
        SimProcess sim;
        QVERIFY(
            sim.start({QStringLiteral("--scenario"), QStringLiteral("standstill"), QStringLiteral("--mode"), mode}));
        QProcess probe;
        probe.start(QString::fromLocal8Bit(qgetenv("DDU_BIN_DIR")) + QStringLiteral("/ddu-probe"),
                    {QStringLiteral("--device"), sim.mvb, QStringLiteral("--cycles"), QStringLiteral("2"),
                     QStringLiteral("--deadline"), QStringLiteral("60")});
        QVERIFY(probe.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput());
        QCOMPARE(probe.exitCode(), status);
        QVERIFY(out.contains(status == 0 ? QStringLiteral("activation: ok") : QStringLiteral("activation: failed")));
        QCOMPARE(out.contains(QStringLiteral("cycles: 2")), status == 0);
    }

    // A fault raised on the vehicle pops up; the driver acknowledges it with a
    // touch, and later another one with the keypad: each time the acknowledge
    // bit is on the wire for eleven writes of the output port.
    void faultAcknowledgedOnTheWire()
    {
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--scenario"), QStringLiteral("standstill")}));
        sim.usePorts();
        MainWindow w;
        w.exchange.requests.Selected_CAB_Type = 1;
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);

        sim.command(QStringLiteral("fault 20102"));
        QTRY_VERIFY_WITH_TIMEOUT(w.isShown(QStringLiteral("Gfault")), 30000);
        QWidget* ack = w.W(QStringLiteral("enterfault_btn"));
        const QPoint at = ack->mapTo(&w, ack->rect().center());
        sim.command(QStringLiteral("touch %1 %2").arg(at.x()).arg(at.y()));
        QVERIFY(sim.waitForLine(QStringLiteral("ack on 3015"), 5000));
        QVERIFY(sim.waitForLine(QStringLiteral("ack off 3015 (held 11 writes)"), 5000));
        QVERIFY(!w.isShown(QStringLiteral("Gfault")));

        sim.command(QStringLiteral("fault 10101"));
        QTRY_VERIFY_WITH_TIMEOUT(w.isShown(QStringLiteral("Gfault")), 30000);
        sim.lines.clear();
        QVERIFY(sim.commandAndWait(QStringLiteral("keys DOWN ENTER"), QStringLiteral("sent key ENTER")));
        QVERIFY(sim.waitForLine(QStringLiteral("ack off 3015 (held 11 writes)"), 5000));
    }

    // The whole display against the simulator: keys and touches arrive as the
    // panel's frames on their ptys and move the display between screens.
    void keysAndTouchesMoveTheDisplay()
    {
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--scenario"), QStringLiteral("standstill")}));
        sim.usePorts();
        MainWindow w;
        w.show();
        QCOMPARE(w.screen_id, screen::Home);
        QTRY_COMPARE_WITH_TIMEOUT(w.exchange.requests.MVB_HW_Enable.load(), 0, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);

        QVERIFY(sim.commandAndWait(QStringLiteral("key MENU"), QStringLiteral("sent key")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::MainMenu, 30000);
        QVERIFY(sim.commandAndWait(QStringLiteral("key HOME"), QStringLiteral("sent key")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::Home, 30000);

        // The MENU button of the top bar, touched on the panel.
        QWidget* menu = w.W(QStringLiteral("menu"));
        QVERIFY(menu);
        const QPoint c = menu->mapTo(&w, menu->rect().center());
        QVERIFY(sim.commandAndWait(QStringLiteral("touch %1 %2").arg(c.x()).arg(c.y()), QStringLiteral("sent touch")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::MainMenu, 30000);
        // ESC moves the focus outward to the top bar, whose first button is Home.
        QVERIFY(sim.commandAndWait(QStringLiteral("key ESC"), QStringLiteral("sent key")));
        QTRY_VERIFY_WITH_TIMEOUT(w.key_menu_no != 1, 30000);
        QVERIFY(sim.commandAndWait(QStringLiteral("key ENTER"), QStringLiteral("sent key")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::Home, 30000);
    }

    // The keypad and touch panel go away with the simulator (an adapter
    // unplugged) and come back on the same paths: the window closes both
    // ports instead of spinning on them, and keys and touches move it again.
    void panelGoneAndBack()
    {
        QTemporaryDir dir;
        const QString keyLink = dir.filePath(QStringLiteral("key"));
        const QString touchLink = dir.filePath(QStringLiteral("touch"));
        const QStringList args = {QStringLiteral("--scenario"),    QStringLiteral("standstill"),
                                  QStringLiteral("--link"),        dir.filePath(QStringLiteral("mvb")),
                                  QStringLiteral("--keypad-link"), keyLink,
                                  QStringLiteral("--touch-link"),  touchLink};
        auto sim = std::make_unique<SimProcess>();
        QVERIFY(sim->start(args));
        qputenv("DDU_MVB_DEVICE", dir.filePath(QStringLiteral("mvb")).toLocal8Bit());
        qputenv("DDU_KEYPAD_DEVICE", keyLink.toLocal8Bit());
        qputenv("DDU_TOUCH_DEVICE", touchLink.toLocal8Bit());
        MainWindow w;
        w.show();
        QVERIFY(w.keypadPort->isOpen() && w.touchPort->isOpen());
        QVERIFY(sim->commandAndWait(QStringLiteral("key MENU"), QStringLiteral("sent key")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::MainMenu, 30000);

        sim.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!w.keypadPort->isOpen() && !w.touchPort->isOpen(), 30000);
        QCOMPARE(w.keypadPort->hangUps(), 1);
        QCOMPARE(w.touchPort->hangUps(), 1);

        sim = std::make_unique<SimProcess>();
        QVERIFY(sim->start(args));
        QTRY_VERIFY_WITH_TIMEOUT(w.keypadPort->isOpen() && w.touchPort->isOpen(), 60000);
        QVERIFY(sim->commandAndWait(QStringLiteral("key HOME"), QStringLiteral("sent key")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::Home, 30000);
        QWidget* menu = w.W(QStringLiteral("menu"));
        QVERIFY(menu);
        const QPoint c = menu->mapTo(&w, menu->rect().center());
        QVERIFY(sim->commandAndWait(QStringLiteral("touch %1 %2").arg(c.x()).arg(c.y()), QStringLiteral("sent touch")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::MainMenu, 30000);
    }
};

QTEST_MAIN(TestE2e)
#include "test_e2e.moc"
