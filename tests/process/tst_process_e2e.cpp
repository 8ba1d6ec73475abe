// The screens against the real simulator: the inching screen reached by
// touches sent as the panel's frames, its requests put on the display's output
// port (read back with the simulator's `source` command) and answered by the
// vehicle, whose set speed the screen then shows; a process information
// screen, a value screen and an I/O page reached by keys and touches, showing
// the stale look while the controller is silent and live values again after.

#include <QTableWidget>
#include <QtTest>

#include <functional>

#include "app/mainwindow.h"
#include "mvb/mvb_log.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"
#include "screens/io_slot_screen.h"
#include "screens/io_slot_view.h"
#include "screens/process_info_screen.h"
#include "tests/support/environment.h"
#include "tests/support/sim_process.h"
#include "ui/resources.h"

namespace {

void quietLog(const char*, void*) { }

// The words the display last wrote to `port`, as the simulator reports them.
QVector<quint16> sourceWords(SimProcess& sim, int port)
{
    const QString prefix = QStringLiteral("source %1 ").arg(port);
    if (!sim.commandAndWait(QStringLiteral("source %1").arg(port), prefix))
        return {};
    QVector<quint16> words;
    for (const QString& line : sim.lines) {
        if (!line.startsWith(prefix))
            continue;
        for (const QString& w : line.split(QLatin1Char(' ')).mid(3))
            words << quint16(w.toUInt(nullptr, 16));
    }
    return words;
}

// Polls the output port until word `index` has `mask` set (the request pulse
// lasts eleven writes, about a second at the line's speed).
bool seenOnPort(SimProcess& sim, int port, int index, quint16 mask)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000) {
        const QVector<quint16> w = sourceWords(sim, port);
        if (w.size() > index && (w[index] & mask))
            return true;
    }
    return false;
}

// Sends a panel command and, for a touch, waits until the display has taken
// it (its bytes in and decoded) and the lock-out of a hit is over: the next
// touch is then never discarded, however slow the machine.
void send(SimProcess& sim, MainWindow& w, const QString& command)
{
    const int head = w.touch.head();
    QVERIFY2(sim.commandAndWait(command, QStringLiteral("sent ")), qPrintable(command));
    if (!command.startsWith(QLatin1String("touch ")))
        return;
    QTRY_VERIFY_WITH_TIMEOUT(w.touch.head() != head && w.touch.pending() == 0, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(w.touch.key_pressure, 0, 30000);
}

QString cellText(MainWindow& w, const char* table, int row, int column)
{
    QTableWidgetItem* item = w.W<QTableWidget>(QLatin1String(table))->item(row, column);
    return item ? item->text() : QString();
}

void touchCentre(SimProcess& sim, MainWindow& w, const char* name)
{
    QWidget* b = w.W(QLatin1String(name));
    const QPoint at = b->mapTo(&w, b->rect().center());
    QVERIFY(sim.commandAndWait(QStringLiteral("touch %1 %2").arg(at.x()).arg(at.y()), QStringLiteral("sent touch")));
}

} // namespace

class TestProcessE2e : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root; // the window's data root: its fault log goes there

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    void init()
    {
        mvb_setLogSink(quietLog, nullptr);
        siu_closePort();
        lp_resetState();
    }
    void cleanup() { siu_closePort(); }

    void inchingRequestsReachTheVehicle()
    {
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--scenario"), QStringLiteral("standstill"), QStringLiteral("--paced")}));
        sim.usePorts();
        MainWindow w;
        w.exchange.requests.Selected_CAB_Type = 1;
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);
        QCOMPARE(w.snap.MVB_DDU_Inching_mod_Active, 0);

        // PROCESS INFO, then INCHING in the menu column, touched on the panel.
        QVERIFY(sim.commandAndWait(QStringLiteral("touch 525 30"), QStringLiteral("sent touch")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::ProcessInfo, 30000);
        touchCentre(sim, w, "inching");
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::Inching, 30000);
        // The screen's number goes out; the vehicle enters inching mode.
        QTRY_COMPARE_WITH_TIMEOUT(int(sourceWords(sim, 3015).value(1)), 15, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Inching_mod_Active, 1, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(w.isShown(QStringLiteral("inching_up")), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(w.W<QTableWidget>(QStringLiteral("t_inching"))->item(2, 1)->text(),
                                  QStringLiteral("1.0 km/h"), 30000);

        touchCentre(sim, w, "inching_up");
        QVERIFY(seenOnPort(sim, 3015, 2, 0x0100)); // word 2 bit 8: up
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Inching_Set_Speed_String, QStringLiteral("1.5"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!w.exchange.requests.MVB_Inching_UP.on(), 30000); // the pulse ended
        QTRY_COMPARE_WITH_TIMEOUT(w.W<QTableWidget>(QStringLiteral("t_inching"))->item(2, 1)->text(),
                                  QStringLiteral("1.5 km/h"), 30000);

        touchCentre(sim, w, "inching_down");
        QVERIFY(seenOnPort(sim, 3015, 2, 0x0200)); // word 2 bit 9: down
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Inching_Set_Speed_String, QStringLiteral("1.0"), 30000);

        // Leaving the screen ends inching mode on the vehicle.
        QVERIFY(sim.commandAndWait(QStringLiteral("touch 100 30"), QStringLiteral("sent touch")));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::Home, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(int(sourceWords(sim, 3015).value(1)), 0, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Inching_mod_Active, 0, 30000);
    }

    // Each kind of screen: live values, "--" or the no-data lamp while the
    // controller is silent, answers short, with NAKs or garbage, live values
    // again once it answers properly.
    void screensGoStaleAndComeBack()
    {
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--scenario"), QStringLiteral("standstill")}));
        sim.usePorts();
        MainWindow w;
        w.DDU_Maintenance_Password_lock = false; // the pad has tests of its own
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Loco_NO_String, QStringLiteral("31028"), 30000);
        // The controller in a faulty mode, then normal again.
        auto faultThenBack = [&sim](const char* mode, const std::function<bool()>& live) {
            QTRY_VERIFY_WITH_TIMEOUT(live(), 30000);
            sim.command(QStringLiteral("mode ") + QLatin1String(mode));
            QTRY_VERIFY2_WITH_TIMEOUT(!live(), mode, 30000);
            sim.command(QStringLiteral("mode normal"));
            QTRY_VERIFY2_WITH_TIMEOUT(live(), mode, 30000);
        };

        // PROCESS INFO by keys: the node screen.
        // (one key per refresh tick: the keypad's flags are read every 500 ms)
        QVERIFY(sim.commandAndWait(QStringLiteral("keys gap=700 DOWN DOWN ENTER"), QStringLiteral("sent key ENTER")));
        QTRY_VERIFY_WITH_TIMEOUT(w.isShown(QStringLiteral("Gnode")), 30000);
        auto nodeLive = [&w] { return cellText(w, "t_node", 0, 1) == QLatin1String("504"); };
        faultThenBack("silent", nodeLive);
        faultThenBack("short", nodeLive);

        // MENU, then PRESSURES (the right column's last entry) by touch.
        send(sim, w, QStringLiteral("touch 315 30"));
        send(sim, w, QStringLiteral("touch 680 387"));
        QTRY_VERIFY_WITH_TIMEOUT(w.isShown(QStringLiteral("Gmenu_pressure")), 30000);
        faultThenBack("nak", [&w] { return cellText(w, "t_mpressure", 2, 1) != QLatin1String("--"); });
        send(sim, w, QStringLiteral("key ESC"));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::MainMenu, 30000);

        // MAINTENANCE, then Loco by touch: RIOM1's inputs.
        send(sim, w, QStringLiteral("touch 925 30"));
        send(sim, w, QStringLiteral("touch 900 650"));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::LocoIo, 30000);
        faultThenBack("garbage",
                      [&w] { return w.ioSlots->ioSlotView->lampOf(false, 0) != Dir_rms_img_LEDSmallLongNoMVB; });
        send(sim, w, QStringLiteral("touch 100 30"));
        QTRY_COMPARE_WITH_TIMEOUT(w.screen_id, screen::Home, 30000);
    }

    // A unit configured for the other cab offers no inching buttons.
    void noButtonsInTheOtherCab()
    {
        SimProcess sim;
        QVERIFY(sim.start({QStringLiteral("--scenario"), QStringLiteral("standstill")}));
        sim.usePorts();
        MainWindow w;
        w.exchange.requests.Selected_CAB_Type = 2;
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(w.snap.MVB_DDU_Cab_Active, 1, 30000);
        w.on_process_clicked();
        w.processInfo->on_inching_clicked();
        w.guiupdate_fun();
        QVERIFY(w.isShown(QStringLiteral("Ginching")));
        QVERIFY(!w.isShown(QStringLiteral("inching_up")) && !w.isShown(QStringLiteral("inching_down")));
        QTRY_COMPARE_WITH_TIMEOUT(int(sourceWords(sim, 3201).value(1)), 15, 30000); // its screen number goes out
    }
};

QTEST_MAIN(TestProcessE2e)
#include "tst_process_e2e.moc"
