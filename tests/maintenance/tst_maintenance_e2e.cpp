// The maintenance tools against the real simulator program: the window
// brings the bus up over a pseudo-terminal, the maintainer loads the signal
// descriptor, ticks two signals and displays them; the values the vehicle
// publishes appear, follow a change, turn unknown while the port is stale,
// the controller misbehaves or the simulator is gone, and come back. The telegram screen shows the
// words of a port as published, the freshness screen its freshness.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "app/mainwindow.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/maintenance_menu_screen.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/telegram_screen.h"
#include "maintenance/telegram_view.h"
#include "maintenance/variable_screen.h"
#include "maintenance/variable_view.h"
#include "mvb/mvb_log.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"
#include "tests/support/environment.h"
#include "tests/support/sim_process.h"

namespace {

void quietLog(const char*, void*) { }

QString cell(QTableWidget* t, int row, int column)
{
    const QTableWidgetItem* item = t ? t->item(row, column) : nullptr;
    return item ? item->text() : QString();
}

void tap(MainWindow& w, const char* name)
{
    if (auto* b = w.W<QAbstractButton>(QLatin1String(name)))
        b->click();
}

} // namespace

class TestMaintenanceE2e : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QDir root(m_root.path());
        QVERIFY(root.mkpath(QStringLiteral("file/master")) && root.mkpath(QStringLiteral("file/micview")));
        QVERIFY(QFile::copy(qEnvironmentVariable("DDU_SOURCE_DIR") + "/data/master/zav_port.xml",
                            root.filePath(QStringLiteral("file/master/zav_port.xml"))));
        QFile d(root.filePath(QStringLiteral("file/master/zav_descriptor.xml")));
        QVERIFY(d.open(QIODevice::WriteOnly) && d.write(descriptor::generate()) > 0);
        mvb_setLogSink(quietLog, nullptr);
        siu_closePort();
        lp_resetState();
    }

    void monitorTelegramAndFreshness()
    {
        const QString link = m_root.filePath(QStringLiteral("mvb"));
        const QStringList args = {QStringLiteral("--scenario"), QStringLiteral("standstill"), QStringLiteral("--link"),
                                  link};
        auto simulator = std::make_unique<SimProcess>();
        SimProcess& sim = *simulator;
        QVERIFY(sim.start(args));
        qputenv("DDU_MVB_DEVICE", link.toLocal8Bit());
        auto w = std::make_unique<MainWindow>();
        w->exchange.requests.Selected_CAB_Type = 1;
        w->show();
        QTRY_COMPARE_WITH_TIMEOUT(w->exchange.requests.MVB_HW_Enable.load(), 0, 30000);

        // The descriptor, two signals ticked (a word of port 3100, a bit of
        // 3400), displayed.
        w->maintenanceMenu->maintenance();
        w->variableMonitor->on_mvbvariables_clicked();
        VariableView* v = w->variableMonitor->variableView;
        QTRY_VERIFY_WITH_TIMEOUT(!v->loading && w->maintState->Total_Table_Row_Variables > 500, 30000);
        int word = -1, bit = -1;
        for (int r = 0; r < v->rowCount(); ++r) {
            const QString name = v->cell(r, descriptor::SignalName);
            if (name == QLatin1String("FLG1_D07_XNodeMSC"))
                word = r;
            else if (name == QLatin1String("HBB2_D44_MParkBkApp"))
                bit = r;
        }
        QVERIFY(word >= 0 && bit >= 0);
        w->variableMonitor->on_t_mvbvar_cellClicked(word, 0);
        w->variableMonitor->on_t_mvbvar_cellClicked(bit, 0);
        tap(*w, "mvbvar_display");
        QCOMPARE(w->screen_id, screen::VariableSlot);
        QTableWidget* values = v->t_mvbvarsel1;
        const int wordEntry = word < bit ? 0 : 1, bitEntry = 1 - wordEntry;
        QCOMPARE(cell(values, wordEntry, 0).trimmed(), QStringLiteral("FLG1_D07_XNodeMSC"));

        // The published values, and a change of them.
        QTRY_COMPARE_WITH_TIMEOUT(cell(values, wordEntry, 1), QStringLiteral("504"), 30000);
        QCOMPARE(cell(values, bitEntry, 1), QStringLiteral("1"));
        sim.command(QStringLiteral("signal FLG1_D07_XNodeMSC 4321"));
        sim.command(QStringLiteral("signal HBB2_D44_MParkBkApp off"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(values, wordEntry, 1), QStringLiteral("4321"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(cell(values, bitEntry, 1), QStringLiteral("0"), 30000);

        // One port stale: its signal only turns unknown, and comes back.
        sim.command(QStringLiteral("stale 3100"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(values, wordEntry, 1), QStringLiteral("--"), 30000);
        QCOMPARE(cell(values, bitEntry, 1), QStringLiteral("0"));
        sim.command(QStringLiteral("fresh 3100"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(values, wordEntry, 1), QStringLiteral("4321"), 30000);

        // Whatever the controller does, every value turns unknown, then live again.
        for (const char* mode : {"silent", "nak", "short", "garbage"}) {
            sim.command(QStringLiteral("mode ") + QLatin1String(mode));
            QTRY_VERIFY2_WITH_TIMEOUT(cell(values, 0, 1) == "--" && cell(values, 1, 1) == "--", mode, 30000);
            sim.command(QStringLiteral("mode normal"));
            QTRY_VERIFY2_WITH_TIMEOUT(cell(values, wordEntry, 1) == "4321" && cell(values, bitEntry, 1) == "0", mode,
                                      30000);
        }

        // The telegram screen: port 3100's first word as the vehicle sets it.
        tap(*w, "back");
        sim.command(QStringLiteral("set 3100 0 0x5A3C"));
        tap(*w, "mvbtelegram");
        QCOMPARE(w->screen_id, screen::Telegram);
        QCOMPARE(w->maintState->Table_updown_Telegram, 0);
        QCOMPARE(w->W<QLabel>(QStringLiteral("mvbtele_portname_value"))->text(), QStringLiteral("3100"));
        tap(*w, "bmvbtele_word");
        QTableWidget* details = w->telegramScreen->telegramView->tmvbtelegram_details;
        QTRY_VERIFY_WITH_TIMEOUT(cell(details, 1, 1).startsWith(QLatin1String("5A3C  ")), 30000);
        // Word 7 (bytes 14, 15) is the node number set above.
        QCOMPARE(cell(details, 2, 1).section(QStringLiteral("  "), 3, 3), QStringLiteral("10E1"));
        auto* freshness = w->W<QLabel>(QStringLiteral("mvbtele_fress_value"));
        QVERIFY(freshness->text().toInt() < 10000);
        sim.command(QStringLiteral("mode silent"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(details, 1, 1), QStringLiteral("--"), 30000);
        QCOMPARE(freshness->text(), QStringLiteral("--"));
        sim.command(QStringLiteral("mode normal"));
        QTRY_VERIFY_WITH_TIMEOUT(cell(details, 1, 1).startsWith(QLatin1String("5A3C  ")), 30000);

        // The freshness screen: every port measured, 3100 going stale and back.
        tap(*w, "mvbfreshness");
        QTableWidget* fresh = w->telegramScreen->telegramView->tmvbfreshness;
        QCOMPARE(cell(fresh, 0, 0), QStringLiteral("3100"));
        QTRY_VERIFY_WITH_TIMEOUT(cell(fresh, 0, 1) != "--" && cell(fresh, 50, 1) != "--", 30000);
        sim.command(QStringLiteral("stale 3100"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(fresh, 0, 1), QStringLiteral("--"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(cell(fresh, 0, 2), TelegramView::staleText(), 30000);
        QVERIFY(cell(fresh, 1, 1) != "--");
        sim.command(QStringLiteral("fresh 3100"));
        QTRY_VERIFY_WITH_TIMEOUT(cell(fresh, 0, 1) != "--", 30000);
        tap(*w, "bmvbfreh_reset");
        QTRY_VERIFY_WITH_TIMEOUT(!cell(fresh, 0, 2).isEmpty() && cell(fresh, 0, 2) != TelegramView::staleText(), 30000);

        // The simulator ends mid-run and a new one comes up on the same link:
        // the monitored values turn unknown and come back with the new vehicle's.
        tap(*w, "mvbvariables");
        tap(*w, "mvbvar_display");
        QTRY_COMPARE_WITH_TIMEOUT(cell(values, wordEntry, 1), QStringLiteral("4321"), 30000);
        simulator.reset();
        QTRY_VERIFY_WITH_TIMEOUT(cell(values, 0, 1) == "--" && cell(values, 1, 1) == "--", 30000);
        simulator = std::make_unique<SimProcess>();
        QVERIFY(simulator->start(args));
        QTRY_COMPARE_WITH_TIMEOUT(cell(values, wordEntry, 1), QStringLiteral("504"), 30000);
        QCOMPARE(cell(values, bitEntry, 1), QStringLiteral("1"));
        w.reset();
    }
};

QTEST_MAIN(TestMaintenanceE2e)
#include "tst_maintenance_e2e.moc"
