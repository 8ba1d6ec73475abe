// The acquisition thread over a scripted bus: modes, life counter, simulation
// steps, telegram viewer and variable monitor passes, a controller that stops
// answering. The run over a pseudo-terminal against the simulator is in e2e.

#include <QtTest>

#include "acquisition/mvb_thread.h"
#include "acquisition/stale_store.h"
#include "acquisition/unknown.h"
#include "fake_bus.h"
#include "mvb/mvb_log.h"

namespace {

void quietLog(const char*, void*) { }

struct Rig {
    BusExchange exchange;
    FakeBus* bus = nullptr;
    std::unique_ptr<Mvb_Thread> thread;
    Rig()
    {
        auto b = std::make_unique<FakeBus>();
        bus = b.get();
        thread = std::make_unique<Mvb_Thread>(exchange, nullptr, std::move(b));
    }
};

} // namespace

class TestAcquisitionThread : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mvb_setLogSink(quietLog, nullptr); }

    void lifeCounterWraps()
    {
        Rig rig;
        for (int i = 1; i <= 300; ++i) {
            QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Idle);
            QCOMPARE(rig.exchange.DDU_MVB_Thread_Life.load(), i % 256);
        }
        QVERIFY(rig.bus->log.empty()); // idle: the link is not touched
    }

    // Before the first bus cycle every value is unknown, not zero.
    void startsUnknown()
    {
        Rig rig;
        const SignalStore s = rig.exchange.snapshot();
        QCOMPARE(rig.exchange.publishedPasses(), 0ull);
        QCOMPARE(s.MVB_DDU_Speed_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Battery_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Panto, 2);
        QCOMPARE(s.MVB_DDU_VCB, 2);
        QCOMPARE(s.MVB_DDU_EMG, 2);
        QCOMPARE(s.MVB_DDU_Cab_Active, 3);
        QCOMPARE(s.MVB_DDU_LOCO_SUB_System[0], 99);
        QCOMPARE(s.MVB_DDU_BRIO1_Input[0], 2);
        QCOMPARE(s.MVB_DDU_RIOM1_InAnalg[0], QStringLiteral("????"));
        QCOMPARE(s.Lifesign_Tollerance[1], 0u);
        QVERIFY(rig.bus->log.empty());
    }

    void modes()
    {
        Rig rig;
        auto& r = rig.exchange.requests;
        r.MVB_HW_Enable = 0;
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Bus);
        QVERIFY(!rig.bus->log.empty());
        QCOMPARE(rig.exchange.publishedPasses(), 1ull);
        r.MVB_SW_Enable = 0;
        rig.bus->log.clear();
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Idle);
        QVERIFY(rig.bus->log.empty());
        // The simulation takes precedence over the bus cycle.
        r.MVB_SW_Enable = 1;
        r.MVB_DDU_Internal_Simulation = true;
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Simulation);
        QVERIFY(rig.bus->log.empty());
    }

    void simulationSteps()
    {
        Rig rig;
        auto& r = rig.exchange.requests;
        r.MVB_HW_Enable = 0;
        r.MVB_DDU_Internal_Simulation = true;
        const QStringList expected = {"42022", "31028", "30150", "30280", "34123", "42022", "31028"};
        QStringList seen;
        QList<int> speeds;
        for (int i = 0; i < 7; ++i) {
            if (i == 3) {
                // Switching the simulation off and on continues with the next step.
                r.MVB_DDU_Internal_Simulation = false;
                rig.thread->runPass();
                r.MVB_DDU_Internal_Simulation = true;
            }
            rig.thread->runPass();
            const SignalStore s = rig.exchange.snapshot();
            seen << s.MVB_DDU_Loco_NO_String;
            speeds << s.MVB_DDU_Speed;
        }
        QCOMPARE(seen, expected);
        QCOMPARE(speeds, QList<int>({60, 60, 70, 130, 30, 60, 60}));

        // Values a step leaves alone keep those of the step before; a step's
        // unknown shows as unknown.
        Rig one;
        one.exchange.requests.MVB_DDU_Internal_Simulation = true;
        one.thread->runPass();
        one.thread->runPass();
        QCOMPARE(one.exchange.snapshot().MVB_DDU_BP_Pressure_String, QStringLiteral("3.9"));
        one.thread->runPass();
        const SignalStore s = one.exchange.snapshot();
        QCOMPARE(s.MVB_DDU_BP_Pressure_String, QStringLiteral("3.9")); // kept
        QCOMPARE(s.MVB_DDU_SLV_Node_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Primary_Over_Current_String, QStringLiteral("ON"));
    }

    // The demo can never pass for live data: its store is marked, reads no
    // message number, and leaves nothing behind when switched off; what the
    // bus told before it is not shown as current either, until the next good
    // bus pass.
    void demoIsMarkedAndLeavesNothing()
    {
        Rig rig;
        auto& r = rig.exchange.requests;
        rig.bus->set(3110, 6, 2048); // 50 km/h
        r.MVB_HW_Enable = 0;
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Bus);
        SignalStore s = rig.exchange.snapshot();
        QVERIFY(!s.simulated);
        QCOMPARE(s.MVB_DDU_Speed_String, QStringLiteral("50"));

        r.MVB_DDU_Internal_Simulation = true;
        rig.thread->runPass();
        rig.thread->runPass();
        s = rig.exchange.snapshot();
        QVERIFY(s.simulated);
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("31028"));
        QCOMPARE(s.MVB_DDU_Fault_No, kMessageUnknown);
        QCOMPARE(rig.thread->liveStore().MVB_DDU_Speed_String, QStringLiteral("50")); // the bus's store untouched

        // Off while the controller is down: no demo value, nothing current.
        r.MVB_DDU_Internal_Simulation = false;
        r.MVB_HW_Enable = -1;
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Idle);
        s = rig.exchange.snapshot();
        QVERIFY(!s.simulated);
        QVERIFY(everyPortStale(s));
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Speed_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Panto, 2);
        QCOMPARE(s.MVB_DDU_LOCO_SUB_System[0], 99);
        // The controller back: live again with the first good pass.
        r.MVB_HW_Enable = 0;
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Bus);
        QCOMPARE(rig.exchange.snapshot().MVB_DDU_Speed_String, QStringLiteral("50"));
    }

    // The running thread: the simulation sleeps between steps and stop()
    // wakes it at once; idle passes sleep too (no spinning). Switched off, the
    // bus is neither brought up nor touched.
    void threadRunsAndStops()
    {
        Rig rig;
        rig.exchange.requests.MVB_SW_Enable = 0;
        rig.thread->setSimulationHoldMs(20);
        rig.thread->start();
        QTRY_VERIFY(rig.exchange.DDU_MVB_Thread_Life.load() > 3);
        rig.exchange.requests.MVB_DDU_Internal_Simulation = true; // run() cleared it at start
        QTRY_VERIFY(rig.exchange.publishedPasses() >= 6);
        rig.thread->setSimulationHoldMs(60000);
        QTRY_VERIFY(rig.exchange.publishedPasses() >= 7);
        rig.thread->stop();
        QVERIFY(rig.thread->wait(5000));
        QCOMPARE(rig.bus->bringUps.load(), 0);
        QVERIFY(rig.bus->log.empty());
    }

    void micviewExtraction_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("byteOffset");
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("word decimal") << 0x1234 << 0 << 0 << 0 << 0x1234 << "4660";
        QTest::newRow("bit 3 is word bit 11") << 0x0800 << 0 << 3 << 1 << 1 << "1";
        QTest::newRow("bit 3 clear") << 0xF7FF << 0 << 3 << 1 << 0 << "0";
        QTest::newRow("bit 12 is word bit 4") << 0x0010 << 0 << 12 << 1 << 1 << "1";
        QTest::newRow("odd byte is the low byte") << 0xAB0C << 5 << 0 << 2 << 0x0C << "0C";
        QTest::newRow("even byte is the high byte") << 0xAB0C << 4 << 0 << 2 << 0xAB << "AB";
        QTest::newRow("hex word") << 0x00BE << 0 << 0 << 3 << 0xBE << "00BE";
        QTest::newRow("type 4 decimal") << 65535 << 0 << 0 << 4 << 65535 << "65535";
        QTest::newRow("percent negative") << 0xF000 << 0 << 0 << 5 << 0xF000 << "-100 %";
        QTest::newRow("percent half") << 0x0800 << 0 << 0 << 5 << 0x0800 << "50 %";
        QTest::newRow("percent fraction") << 0x0001 << 0 << 0 << 5 << 1 << "0.0244141 %";
        QTest::newRow("unknown type") << 0x1234 << 0 << 0 << 9 << 9 << "previous";
    }
    void micviewExtraction()
    {
        QFETCH(int, word);
        QFETCH(int, byteOffset);
        QFETCH(int, bit);
        QFETCH(int, type);
        QFETCH(int, value);
        QFETCH(QString, text);
        Rig rig;
        const int v = rig.thread->DDU_Micview_Get_data(static_cast<unsigned short>(word), byteOffset, bit, type);
        QCOMPARE(v, value);
        QCOMPARE(Mvb_Thread::micviewText(v, type, QStringLiteral("previous")), text);
    }

    // The variable monitor: a byte of a word; a stale port and a position
    // beyond the port read unknown. Each port keeps its own words: one with
    // error bits shows its own previous value, not the words of the port read
    // before it.
    void micviewPass()
    {
        Rig rig;
        rig.exchange.requests.MVB_HW_Enable = 0;
        rig.bus->set(1234, 2, 0x5A3C);
        rig.bus->set(1240, 0, 0xFFFF);
        rig.bus->fresh[1240] = 20000;
        rig.bus->set(1250, 0, 0x2222);
        ViewerSelection sel;
        sel.DDU_Micview_Start = 1;
        sel.DDU_Micview_Data_Count = 4;
        const auto pick = [&sel](int i, int port, int byteOffset, int type) {
            DDU_Micview_Details_struct& d = sel.DDU_Micview_Details[i];
            d.telegram = port;
            d.fun_code = 4;
            d.byte_offset = byteOffset;
            d.data_type = type;
        };
        pick(0, 1234, 5, 2);  // low byte of word 2
        pick(1, 1240, 0, 0);  // stale port
        pick(2, 1234, 40, 0); // beyond the port: no out-of-range read
        pick(3, 1250, 0, 3);  // hex word
        rig.exchange.setSelection(sel);
        rig.thread->runPass();
        const SignalStore s = rig.exchange.snapshot();
        QCOMPARE(s.DDU_Micview_Data[0], QStringLiteral("3C"));
        QCOMPARE(s.DDU_Micview_Data[1], QStringLiteral("????"));
        QCOMPARE(s.DDU_Micview_Data[2], QStringLiteral("????"));
        QCOMPARE(s.DDU_Micview_Data[3], QStringLiteral("2222"));
        rig.bus->set(1234, 0, 0x3333);
        rig.bus->set(1250, 0, 0x4444);
        rig.bus->errorPorts[1250] = true;
        rig.thread->runPass();
        QCOMPARE(rig.exchange.snapshot().DDU_Micview_Data[3], QStringLiteral("2222"));
    }

    void telegramPass()
    {
        Rig rig;
        auto& r = rig.exchange.requests;
        r.MVB_HW_Enable = 0;
        r.Selected_CAB_Type = 1;
        r.MVB_Present_Screen = 12;
        rig.bus->fresh[1111] = 300;
        rig.bus->fresh[2222] = 40;
        rig.bus->set(2222, 0, 0xCAFE);
        rig.bus->set(3201, 1, 0xBEEF);
        ViewerSelection sel;
        sel.port_buffer_count = 4;
        sel.Telegram_Details[0] = {1111, 0, 2, 0, 0};
        sel.Telegram_Details[1] = {2222, 0, 4, 0, 0};
        sel.Telegram_Details[2] = {3015, 1, 2, 0, 0};
        sel.Telegram_Details[3] = {3201, 1, 2, 0, 0};
        sel.Table_updown_Telegram = 1;
        sel.port_buffer_view = 1;
        rig.exchange.setSelection(sel);
        // Stale before its first data: the maximum starts at the first fresh reading.
        rig.bus->fresh[1111] = 0xFFFF;
        rig.thread->runPass();
        QCOMPARE(rig.exchange.snapshot().Telegram_Details[0].max_freshness, 0xFFFF);
        rig.bus->fresh[1111] = 300;
        rig.thread->runPass();
        rig.bus->fresh[1111] = 200;
        rig.thread->runPass();
        SignalStore s = rig.exchange.snapshot();
        QCOMPARE(s.Telegram_Details[0].freshness, 200);
        QCOMPARE(s.Telegram_Details[0].max_freshness, 300);
        QCOMPARE(int(s.port_buffer[0]), 0xCAFE);
        int dataReads1111 = 0;
        for (const auto& a : rig.bus->log)
            dataReads1111 += (a.port == 1111 && a.kind == 'r');
        QCOMPARE(dataReads1111, 0); // an unselected row gets its freshness only

        // The display's own output port is shown from its buffer.
        sel.Table_updown_Telegram = 2;
        rig.exchange.setSelection(sel);
        rig.thread->runPass();
        s = rig.exchange.snapshot();
        QCOMPARE(int(s.port_buffer[1]), 12);
        QCOMPARE(s.Telegram_Details[2].freshness, 0);
        // The other cab's output port is read from the bus.
        sel.Table_updown_Telegram = 3;
        rig.exchange.setSelection(sel);
        rig.thread->runPass();
        s = rig.exchange.snapshot();
        QCOMPARE(int(s.port_buffer[1]), 0xBEEF);
        QCOMPARE(s.Telegram_Details[0].max_freshness, 300);

        // A new list starts the maximum again.
        sel.Telegram_Details[0] = {1112, 0, 2, 0, 0};
        rig.bus->fresh[1112] = 10;
        rig.exchange.setSelection(sel);
        rig.thread->runPass();
        s = rig.exchange.snapshot();
        QCOMPARE(s.Telegram_Details[0].max_freshness, 10);
    }

    // A controller that stops answering: the pass gives up after two failed
    // accesses (no output port write, no waiting out the rest), every port
    // is published stale; while it stays silent only short probes go out;
    // once it answers a full pass shows live values again.
    void silentControllerGivesStalePassAndRecovers()
    {
        Rig rig;
        auto& r = rig.exchange.requests;
        r.MVB_HW_Enable = 0;
        r.Selected_CAB_Type = 1;
        rig.bus->set(3110, 6, 3584); // 87.5 km/h
        rig.bus->set(3110, 7, 31028);
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Bus);
        QCOMPARE(rig.exchange.snapshot().MVB_DDU_Speed_String, QStringLiteral("87"));

        rig.bus->log.clear();
        rig.bus->failAfter(3);
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::LinkDown);
        QCOMPARE(int(rig.bus->log.size()), 3 + LinkWatch::kFailedAccessesToGiveUp);
        QVERIFY(rig.bus->written[3015].size() == 1); // only the first pass wrote
        QVERIFY(rig.thread->linkDown());
        SignalStore s = rig.exchange.snapshot();
        QCOMPARE(s.MVB_DDU_Speed_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Loco_NO_String, QStringLiteral("????"));
        QVERIFY(s.freshness_3100 >= 10000); // read before the failure, not shown either
        QCOMPARE(s.MVB_DDU_Panto, 2);
        QCOMPARE(s.MVB_DDU_RIOM1_Input[0], 2);

        rig.bus->silent = true;
        rig.bus->log.clear();
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::LinkDown);
        QVERIFY(rig.bus->log.empty());
        QCOMPARE(rig.bus->probes.load(), 1);

        rig.bus->answerAgain();
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Bus);
        QVERIFY(!rig.thread->linkDown());
        QCOMPARE(rig.exchange.snapshot().MVB_DDU_Speed_String, QStringLiteral("87"));
        QCOMPARE(int(rig.bus->written[3015].size()), 2);
    }

    // A controller that answers "not in full operation" with the same status
    // time and again was reset: it is brought up again. Garbled status words
    // that change every time are not taken for that.
    void steadyNotOperatingControllerIsBroughtUpAgain()
    {
        Rig rig;
        auto& r = rig.exchange.requests;
        r.MVB_HW_Enable = 0;
        rig.bus->failAfter(0);
        rig.thread->runPass();
        QVERIFY(rig.thread->linkDown());
        for (int i = 0; i < 30; ++i) {
            rig.bus->probeStatus = static_cast<uint16_t>(0x1234 + 4 * i); // low bits 00, changing
            rig.thread->runPass();
        }
        QCOMPARE(r.MVB_HW_Enable.load(), 0);
        rig.bus->probeStatus = 0x0705;
        for (int i = 0; i < 10; ++i)
            rig.thread->runPass();
        QCOMPARE(r.MVB_HW_Enable.load(), -1); // bring-up due
        QCOMPARE(rig.thread->runPass(), Mvb_Thread::Mode::Idle);
    }

    // The running thread: a failed bring-up, and a line that is lost later,
    // are brought up again; stop() ends it while it waits.
    void lostLineIsBroughtUpAgain()
    {
        Rig rig;
        auto& r = rig.exchange.requests;
        rig.bus->bringUpSucceeds = false;
        rig.bus->keepLog = false;
        rig.thread->setLinkDownSleepMs(5);
        rig.thread->start();
        QTRY_COMPARE(rig.bus->bringUps.load(), 1);
        QCOMPARE(r.MVB_HW_Enable.load(), -1);
        rig.bus->bringUpSucceeds = true;
        QTRY_COMPARE_WITH_TIMEOUT(r.MVB_HW_Enable.load(), 0, 30000);
        QTRY_VERIFY(rig.exchange.publishedPasses() > 2);

        rig.bus->silent = true;
        rig.bus->lost = true;
        rig.bus->failAll = true;
        QTRY_COMPARE_WITH_TIMEOUT(rig.exchange.snapshot().MVB_DDU_Speed_String, QStringLiteral("????"), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(r.MVB_HW_Enable.load(), -1, 30000); // to be brought up again
        rig.bus->answerAgain();
        QTRY_COMPARE_WITH_TIMEOUT(rig.bus->bringUps.load(), 3, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(r.MVB_HW_Enable.load(), 0, 30000);
        rig.thread->stop();
        QVERIFY(rig.thread->wait(5000));
    }

    // The hand-over's watchdog: a bus pass whose link has had no good answer
    // for a while is shown stale, whatever the thread is waiting for; live
    // again with the next good answer. A simulation step is never aged.
    void watchdogShowsSilentLinkStale()
    {
        BusExchange ex;
        qint64 now = 1000;
        ex.setClock([&now] { return now; });
        SignalStore live = everythingStaleStore();
        live.MVB_DDU_Speed_String = QStringLiteral("87");
        live.MVB_DDU_Panto = 1;
        live.pass_count = 5;
        live.port_buffer_count = 1;
        live.Telegram_Details[0] = {3100, 0, 4, 100, 200};
        ex.markLinkAlive();
        ex.publish(live, BusExchange::Origin::BusPass);
        now += BusExchange::kLinkSilenceMs;
        QCOMPARE(ex.snapshot().MVB_DDU_Speed_String, QStringLiteral("87"));
        now += 1;
        QVERIFY(ex.linkSilent());
        SignalStore s = ex.snapshot();
        QCOMPARE(s.MVB_DDU_Speed_String, QStringLiteral("????"));
        QCOMPARE(s.MVB_DDU_Panto, 2);
        QCOMPARE(s.pass_count, 5ull);
        QCOMPARE(s.Telegram_Details[0].telegram, 3100);
        QCOMPARE(s.Telegram_Details[0].freshness, 0xFFFF);
        ex.markLinkAlive();
        QCOMPARE(ex.snapshot().MVB_DDU_Speed_String, QStringLiteral("87"));

        ex.publish(live, BusExchange::Origin::Other);
        now += 60000;
        QCOMPARE(ex.snapshot().MVB_DDU_Speed_String, QStringLiteral("87"));
    }
};

QTEST_GUILESS_MAIN(TestAcquisitionThread)
#include "test_acquisition_thread.moc"
