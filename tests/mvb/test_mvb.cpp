// Wire-level tests of the MVB driver: the driver talks over a real
// pseudo-terminal either to the cab simulator's controller emulator or to a
// scripted controller that records every frame and answers from a script.

#include <QtTest>

#include "mvb/mvb_log.h"
#include "mvb/mvbc.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/pty_server.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <set>
#include <thread>

namespace {

QStringList g_log;

void captureLog(const char* line, void*)
{
    g_log << QString::fromLatin1(line);
}

struct Frame {
    enum Kind { Nop, Read, Write } kind;
    quint16 address, value;
};

// A controller that answers from a small word memory: reads can be overridden
// per address, writes refused (NAK) per address, and the whole controller can
// be silent. Every byte and frame is recorded.
struct ScriptedController {
    QByteArray handle(const QByteArray& in)
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending += in;
        wire += in;
        QByteArray out;
        bool dataRead = false;
        while (!pending.isEmpty()) {
            const auto b = [this](int i) { return unsigned(quint8(pending[i])); };
            const int len = (b(0) & 0xE0) == 0xA0 ? 3 : (b(0) & 0xE0) == 0xC0 ? 5 : 1;
            if (pending.size() < len)
                break;
            const quint16 address = len > 1 ? quint16(((b(0) & 0x1F) | b(1) << 5 | b(2) << 12) * 2) : 0;
            const Frame f{len == 1       ? Frame::Nop
                              : len == 3 ? Frame::Read
                                         : Frame::Write,
                          address, len == 5 ? quint16(b(3) | b(4) << 8) : quint16(0)};
            pending.remove(0, len);
            frames.push_back(f);
            if (silent)
                continue;
            if (f.kind == Frame::Read) {
                dataRead = dataRead || (address >= 0x4000 && address < 0x8000);
                const auto o = readOverride.find(address);
                const quint16 v = o != readOverride.end() ? o->second : memory[address];
                out.append(char(v & 0xFF)).append(char(v >> 8));
            } else if (f.kind == Frame::Write && refuse.count(address)) {
                out.append(char(0x15));
            } else {
                if (f.kind == Frame::Write)
                    memory[address] = f.value;
                out.append(char(0x06));
            }
        }
        if (dataRead && shortDataReplies && !out.isEmpty())
            out.chop(1);
        return out;
    }

    // The writes to addresses from..to, both included.
    std::vector<Frame> writes(quint16 from, quint16 to)
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<Frame> r;
        for (const Frame& f : frames)
            if (f.kind == Frame::Write && f.address >= from && f.address <= to)
                r.push_back(f);
        return r;
    }
    std::vector<Frame> writesTo(quint16 address) { return writes(address, address); }
    size_t frameCount()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return frames.size();
    }
    void clearRecord()
    {
        std::lock_guard<std::mutex> lock(mutex);
        frames.clear();
        wire.clear();
    }

    std::mutex mutex;
    QByteArray pending, wire;
    std::vector<Frame> frames;
    std::map<quint16, quint16> memory, readOverride;
    std::set<quint16> refuse;
    bool silent = false;
    bool shortDataReplies = false; // replies to data-area reads lose their last byte
};

} // namespace

class TestMvb : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<sim::MvbControllerEmulator> emulator;
    std::unique_ptr<ScriptedController> scripted;
    std::unique_ptr<sim::PtyServer> server;

    // Reads `port` until its freshness says the published data is fresh.
    static bool readUntilFresh(UNSIGNED16 port, UNSIGNED16 fcode, UNSIGNED16* data, UNSIGNED16* fresh)
    {
        return QTest::qWaitFor([&] { return readProcessData(port, fcode, data, fresh), *fresh < 10000; }, 2000);
    }
    static bool untouched(const UNSIGNED16* w, int n) { return std::count(w, w + n, 0xAAAA) == n; }

    void startServer(sim::PtyServer* s)
    {
        server.reset(s);
        QString error;
        QVERIFY2(server->start(&error), qPrintable(error));
        qputenv("DDU_MVB_DEVICE", server->slavePath().toLocal8Bit());
        QCOMPARE(siu_Init(), 0);
    }

    void bringUp()
    {
        QCOMPARE(int(mvb_init()), 0);
        QCOMPARE(int(mvb_setDeviceAddress(0)), 0);
        QCOMPARE(int(mvb_activate()), 0);
    }

    void startEmulator(bool up = true)
    {
        emulator = std::make_unique<sim::MvbControllerEmulator>();
        startServer(new sim::PtyServer(*emulator));
        if (up)
            bringUp();
    }

    void startScripted()
    {
        scripted = std::make_unique<ScriptedController>();
        ScriptedController* c = scripted.get();
        startServer(new sim::PtyServer([c](const QByteArray& in) { return c->handle(in); }));
    }

    // Register values a controller shows during a good start-up.
    void scriptGoodStartup()
    {
        scripted->readOverride[TM_SCR_OR] = 0x0701;
        scripted->readOverride[TM_SCR] = 0x0705;
        scripted->readOverride[TM_MCR] = 0x9082;
    }

private slots:
    void initTestCase()
    {
        mvb_setLogSink(captureLog, nullptr);
        MVB_Enable_EMD = 1;
    }

    void cleanup()
    {
        siu_closePort();
        server.reset();
        emulator.reset();
        scripted.reset();
        lp_resetState();
        g_log.clear();
    }

    // A write refused by NAK fails. Silent controller: one time-out per
    // transaction; reads give 0xFFFF, a silent write counts as success but
    // leaves the failure flag set, so the next register update fails without
    // writing and clears the flag.
    void refusalAndSilence()
    {
        startScripted();
        scripted->refuse.insert(0x0100);
        QCOMPARE(int(siu_WriteCommand(0x0100, 1)), -1);
        QCOMPARE(int(siu_ReadByteFailure), 0);
        scripted->silent = true;
        QCOMPARE(int(siu_WriteCommand(0x0102, 7)), 0);
        QCOMPARE(int(siu_ReadByteFailure), 1);
        scripted->silent = false;
        scripted->clearRecord();
        QCOMPARE(int(mvb_setInternalReg(0x0102, 1)), -1);
        QCOMPARE(int(siu_ReadByteFailure), 0);
        QVERIFY(scripted->writes(0x0000, 0xFFFE).empty());
        scripted->silent = true;
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0xFFFF);
        QCOMPARE(int(siu_ReadByteFailure), 1);
        QCOMPARE(int(si_ReadCmdInProgress), 0);
    }

    // A lone NAK to a read reads as 0x0015 with no time-out flagged (the
    // driver cannot tell it from the data word 0x0015), but the reply counts
    // as incomplete, so port accesses do not take it as data.
    void readAnsweredByNakAlone()
    {
        startServer(new sim::PtyServer([](const QByteArray& in) {
            QByteArray out;
            for (char c : in)
                if ((quint8(c) & 0xE0) == 0xA0)
                    out.append(char(0x15));
            return out;
        }));
        const UNSIGNED32 incomplete = siu_IncompleteReplies;
        QCOMPARE(int(siu_ReadCommand(0x0200)), 0x0015);
        QCOMPARE(int(si_ReadCmdInProgress), 0);
        QCOMPARE(int(siu_ReadByteFailure), 0);
        QCOMPARE(siu_IncompleteReplies, incomplete + 1);
    }

    // A reply that arrives in two pieces is assembled; stray bytes of an
    // abandoned reply do not leak into the next transaction.
    void partialAndLateReplies()
    {
        sim::PtyServer* split = nullptr;
        int received = 0; // the driver writes the frame byte by byte
        split = new sim::PtyServer([&split, &received](const QByteArray& in) {
            if ((received += in.size()) < 3)
                return QByteArray();
            split->send(QByteArray(1, char(0x12))); // written after the first piece
            return QByteArray(1, char(0x34));
        });
        startServer(split);
        const UNSIGNED32 incomplete = siu_IncompleteReplies;
        QCOMPARE(int(siu_ReadCommand(0x0200)), 0x1234);
        QCOMPARE(int(siu_ReadByteFailure), 0);
        QCOMPARE(siu_IncompleteReplies, incomplete);
        siu_closePort();

        startScripted();
        scripted->memory[0x0300] = 0xBEEF;
        server->send(QByteArray::fromHex("5566")); // stray bytes from an earlier exchange
        QTest::qWait(50);
        QCOMPARE(int(siu_ReadCommand(0x0300)), 0xBEEF);
    }

    // An interruption cuts a wait for a silent controller short, and fails
    // later transactions at once without a byte on the line, until cleared.
    void interruptEndsTheWait()
    {
        startScripted();
        scripted->silent = true;
        std::thread stopper([&] {
            while (scripted->frameCount() == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            siu_Interrupt();
        });
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0xFFFF);
        stopper.join();
        QCOMPARE(int(siu_ReadByteFailure), 1);
        scripted->clearRecord();
        scripted->silent = false;
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0xFFFF);
        QCOMPARE(scripted->frameCount(), size_t(0));
        siu_ClearInterrupt();
        scripted->memory[0x0100] = 0x0042;
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0x0042);
    }

    // The far end of the line goes away: transactions fail at once and the
    // driver says the line is lost (the acquisition opens it again).
    void lineLostWhenTheFarEndCloses()
    {
        startScripted();
        scripted->memory[0x0100] = 7;
        QCOMPARE(int(siu_ReadCommand(0x0100)), 7);
        QCOMPARE(int(siu_LineLost), 0);
        server->stop();
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0xFFFF);
        QCOMPARE(int(siu_LineLost), 1);
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0xFFFF); // no wait, no spin: fails at once
        siu_closePort();
        QCOMPARE(int(siu_LineLost), 0);
    }

    // No UART, or a controller that does not answer: the start-up stops at
    // the configure step and activation fails. Without a UART not a single
    // reply is waited for.
    void startupWithoutAnswers_data()
    {
        QTest::addColumn<bool>("device");
        QTest::newRow("missing device") << false;
        QTest::newRow("silent controller") << true;
    }
    void startupWithoutAnswers()
    {
        QFETCH(bool, device);
        if (device) {
            startEmulator(false);
            emulator->setFaultMode(sim::FaultMode::Silent);
        } else {
            qputenv("DDU_MVB_DEVICE", "/nonexistent/ttyMVB");
            QCOMPARE(siu_Init(), -1);
            QCOMPARE(g_log.last(), QStringLiteral("SIU:Open Port failed!"));
        }
        const UNSIGNED32 roundTrips = siu_RoundTrips;
        QCOMPARE(int(mvb_init()), -1);
        QCOMPARE(g_log.last(), QStringLiteral("MVB: Setting MVBC to configure mode failed!!"));
        QCOMPARE(int(mvb_activate()), -1);
        QCOMPARE(g_log.last(), QStringLiteral("MVB: MVB to full-op failed!!"));
        QCOMPARE(siu_RoundTrips != roundTrips, device);
    }

    // A good start-up in ESD mode formats the three areas and leaves the
    // decoder alone. PCS: the first two words of each 16-byte control block;
    // the port index table and the data area: every word.
    void esdStartupFormatsTheAreas()
    {
        startScripted();
        scriptGoodStartup();
        MVB_Enable_EMD = 0;
        const int r = mvb_init();
        MVB_Enable_EMD = 1;
        QCOMPARE(r, 0);
        QVERIFY(g_log.contains(QStringLiteral("MVB: MVBC set to ESD Mode!!")));
        QVERIFY(scripted->writesTo(TM_DR).empty());
        const std::vector<Frame> pcs = scripted->writes(0xC000, 0xDFFE);
        QCOMPARE(pcs.size(), size_t(1024));
        QVERIFY(std::all_of(pcs.begin(), pcs.end(), [](const Frame& f) { return f.address % 16 < 4; }));
        QCOMPARE(scripted->writes(0x0000, 0x1FFE).size(), size_t(4096));
        QCOMPARE(scripted->writes(0x4000, 0x5FFE).size(), size_t(4096));
    }

    void startupFailurePoints_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("readValue"); // -1: the write is refused
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("formatted");
        QTest::newRow("reset refused") << int(TM_SCR) << -1 << "MVB: Set MVB to reset mode failed!!" << false;
        QTest::newRow("configure refused")
            << int(TM_SCR_OR) << -1 << "MVB: Setting MVBC to configure mode failed!!" << false;
        QTest::newRow("not in configure mode")
            << int(TM_SCR_OR) << 0x0700 << "MVB: MVBC not set to configure mode!!" << false;
        QTest::newRow("64KB refused") << int(TM_MCR_OR) << -1 << "MVB: Setting MVBC to 64KB failed!!" << false;
        QTest::newRow("SCR wrong") << int(TM_SCR) << 0x0701 << "MVB: 64KB memory.SCR not set!!" << false;
        QTest::newRow("MCR wrong") << int(TM_MCR) << 0x9080 << "MVB: MCR not set!!" << false;
        QTest::newRow("decoder refused") << int(TM_DR) << -1 << "MVB: Configuration of Decoder failed!!" << true;
    }
    void startupFailurePoints()
    {
        QFETCH(int, address);
        QFETCH(int, readValue);
        QFETCH(QString, message);
        QFETCH(bool, formatted);
        startScripted();
        scriptGoodStartup();
        if (readValue >= 0)
            scripted->readOverride[quint16(address)] = quint16(readValue);
        else
            scripted->refuse.insert(quint16(address));
        QCOMPARE(int(mvb_init()), -1);
        QCOMPARE(g_log.last(), message);
        // The tables are formatted only once the memory checks passed; the
        // data area only after the decoder is configured.
        QCOMPARE(scripted->writes(0x0000, 0x1FFE).size() == 4096, formatted);
        QVERIFY(scripted->writes(0x4000, 0x5FFE).empty());
    }

    void rangeChecks()
    {
        startScripted();
        QCOMPARE(int(mvb_setDeviceAddress(256)), -1);
        QCOMPARE(int(mvb_configureSTSR(10, 0)), -1);
        QCOMPARE(int(mvb_configureSTSR(1, 1024)), -1);
        QCOMPARE(scripted->frameCount(), size_t(0));
        QCOMPARE(int(siu_nopCommand()), 0); // acknowledged as a one-byte frame
        QCOMPARE(scripted->frameCount(), size_t(1));
        QCOMPARE(int(mvb_setDeviceAddress(5)), 0);
        QCOMPARE(int(scripted->memory[TM_DAOR]), 5);
        QCOMPARE(int(scripted->memory[TM_DAOK]), 0x94);
    }

    // First use of a sink: table entry, control word, tack, interval register.
    void sinkConfiguredOnFirstRead()
    {
        startScripted();
        UNSIGNED16 data[16] = {}, freshness = 0;
        readProcessData(3100, 4, data, &freshness);
        QCOMPARE(scripted->writesTo(0x1838).size(), size_t(1));
        QCOMPARE(int(scripted->writesTo(0x1838)[0].value), 4);
        QCOMPARE(int(scripted->writesTo(0xC020).at(0).value), 0x4402);
        QCOMPARE(int(scripted->writesTo(0xC024).at(0).value), 0);
        QCOMPARE(int(scripted->writesTo(TM_STSR).at(0).value), 0x1004);
        QCOMPARE(int(freshness), 65535);
        // The next port gets index 8 and the interval register counts two ports.
        readProcessData(3110, 4, data, &freshness);
        QCOMPARE(int(scripted->writesTo(2 * 3110).at(0).value), 8);
        QCOMPARE(int(scripted->writesTo(TM_STSR).back().value), 0x1008);
    }

    void publishedPortReadsFreshData()
    {
        startEmulator(); // brought up without a single NAK
        QCOMPARE(emulator->state(), sim::ControllerState::FullOperation);
        QCOMPARE(emulator->counters().naks, quint64(0));
        QVector<quint16> words(16);
        std::iota(words.begin(), words.end(), quint16(0x1000));
        emulator->publish(3100, words);
        UNSIGNED16 data[16] = {}, freshness = 0;
        readProcessData(3100, 4, data, &freshness); // configures the sink
        // The first caller fixed the size: a smaller F-code still gets 16 words.
        QVERIFY(readUntilFresh(3100, 2, data, &freshness));
        for (int k = 0; k < 16; ++k)
            QCOMPARE(int(data[k]), 0x1000 + k);

        // New data lands on the other page; the driver follows the page selector.
        const int pageBefore = emulator->portInfo(3100).page;
        words[0] = 0xABCD;
        emulator->publish(3100, words);
        QVERIFY(emulator->portInfo(3100).page != pageBefore);
        readProcessData(3100, 4, data, &freshness);
        QCOMPARE(int(data[0]), 0xABCD);

        // The freshness alone configures a sink too; a port that stops goes stale.
        getFreshnessCount(3300, 3, &freshness);
        QCOMPARE(int(freshness), 65535);
        QCOMPARE(int(emulator->portInfo(3300).direction), int(sim::PortDirection::Sink));
        emulator->setStale(3100, true);
        readProcessData(3100, 4, data, &freshness);
        QVERIFY(freshness >= 10000);
    }

    // Bytes on the wire of one read of a configured two-word port: table read
    // (3 + 2), status batch (9 + 6), one data batch of two frames (6 + 4).
    void batchedReadOfTwoWords()
    {
        startEmulator();
        emulator->publish(1100, {0x0102, 0x0304});
        UNSIGNED16 data[16] = {}, freshness = 0;
        QVERIFY(readUntilFresh(1100, 1, data, &freshness));
        emulator->resetCounters();
        readProcessData(1100, 1, data, &freshness);
        QCOMPARE(emulator->counters().bytesIn, quint64(3 + 9 + 6));
        QCOMPARE(emulator->counters().bytesOut, quint64(2 + 6 + 4));
        QCOMPARE(int(data[0]), 0x0102);
        QCOMPARE(int(data[1]), 0x0304);
        QCOMPARE(int(data[2]), 0); // beyond the port: untouched
    }

    // Each error bit of the status word keeps the port's data out of the
    // caller's buffer; the freshness is still reported and the bits cleared.
    void portWithErrorBitsKeepsOldData_data()
    {
        QTest::addColumn<int>("bit");
        for (int bit = 0; bit < 5; ++bit)
            QTest::addRow("bit %d", bit) << bit;
    }
    void portWithErrorBitsKeepsOldData()
    {
        QFETCH(int, bit);
        startEmulator();
        emulator->publish(1200, {1, 2, 3, 4, 5, 6, 7, 8});
        UNSIGNED16 mine[16] = {}, freshness = 0;
        QVERIFY(readUntilFresh(1200, 3, mine, &freshness));
        emulator->setPortError(1200, 1u << bit);
        emulator->publish(1200, {9, 9, 9, 9, 9, 9, 9, 9});
        std::fill(std::begin(mine), std::end(mine), 0xAAAA);
        readProcessData(1200, 3, mine, &freshness);
        QVERIFY(untouched(mine, 16));
        QCOMPARE(int(lp_AccessFailed), 0); // the controller answered as configured
        QVERIFY(freshness < 10000);
        QCOMPARE(int(emulator->peek(emulator->portInfo(1200).pcsAddress + 2) & 0x1F), 0);
    }

    // The output port: words go to the page the selector names, then the
    // selector flips; a second write lands on the other page.
    void sourcePortPageFlip()
    {
        startEmulator();
        UNSIGNED16 out[16] = {0x0100, 7, 0x0200, 0};
        writeProcessData(3015, 2, out);
        const auto info = emulator->portInfo(3015);
        QCOMPARE(int(info.direction), int(sim::PortDirection::Source));
        QCOMPARE(info.page, 1);
        QCOMPARE(int(emulator->peek(info.page0Address + 2)), 7); // the first write used page 0
        auto src = emulator->readSource(3015);
        QCOMPARE(src.words.mid(0, 4), QVector<quint16>({0x0100, 7, 0x0200, 0}));
        QCOMPARE(src.flips, quint32(1));
        out[1] = 9;
        writeProcessData(3015, 2, out);
        QCOMPARE(emulator->portInfo(3015).page, 0);
        QCOMPARE(int(emulator->peek(info.page0Address + 32 + 2)), 9); // page 1 written
        src = emulator->readSource(3015);
        QCOMPARE(int(src.words[1]), 9);
        QCOMPARE(src.flips, quint32(2));
    }

    // What the controller says is believed only where it agrees with what the
    // driver configured (here port 1600, index 4, F-code 4, page 0, fresh), and
    // only when every reply came whole. Otherwise the port reads stale, the
    // caller's words stay as they were and nothing is written to the controller.
    void contradictionsAreNotData_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("shortData");
        QTest::newRow("whole answer is data") << 0 << 0 << false;
        QTest::newRow("data reply cut short") << 0 << 0 << true;
        QTest::newRow("table entry not ours") << 2 * 1600 << 8 << false;
        QTest::newRow("table entry cleared") << 2 * 1600 << 0 << false;
        QTest::newRow("control word changed") << 0xC020 << 0x1402 << false;
        QTest::newRow("F-code beyond 16 words") << 0xC020 << 0xF402 << false;
        QTest::newRow("status word with unknown bits") << 0xC022 << 0x0100 << false;
    }
    void contradictionsAreNotData()
    {
        QFETCH(int, address);
        QFETCH(int, value);
        QFETCH(bool, shortData);
        startScripted();
        DS_NAME port{1600, LP_SINK, 4};
        lp_initProcessData(&port, 1);
        scripted->memory[0xC022] = 0x0000; // page 0, no errors
        scripted->memory[0xC024] = 0xFFFF; // tack: fresh
        for (int k = 0; k < 16; ++k)
            scripted->memory[quint16(0x4040 + 2 * k)] = quint16(0x1111 * (k % 15 + 1));
        scripted->clearRecord();
        if (address)
            scripted->readOverride[quint16(address)] = quint16(value);
        scripted->shortDataReplies = shortData;
        UNSIGNED16 words[17];
        std::fill(std::begin(words), std::end(words), 0xAAAA);
        UNSIGNED16 freshness = 1;
        readProcessData(1600, 4, words, &freshness);
        QCOMPARE(int(words[16]), 0xAAAA); // never more than the caller's 16 words
        const bool believed = !address && !shortData;
        QCOMPARE(int(lp_AccessFailed), believed ? 0 : 1);
        if (believed) {
            QCOMPARE(int(freshness), 0);
            QCOMPARE(int(words[15]), 0x1111);
            return;
        }
        QCOMPARE(int(freshness), 0xFFFF);
        QVERIFY(untouched(words, 16));
        QVERIFY(scripted->writes(0x0000, 0xFFFE).empty());
    }

    // The emulator's short-reply, garbage and NAK modes: every port reads
    // stale, the caller's words stay as they were, and the output port is not
    // written from addresses built out of garbled answers.
    void faultModesGiveStalePorts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("short") << int(sim::FaultMode::ShortReply);
        QTest::newRow("garbage") << int(sim::FaultMode::Garbage);
        QTest::newRow("nak") << int(sim::FaultMode::NakAll);
    }
    void faultModesGiveStalePorts()
    {
        QFETCH(int, mode);
        startEmulator();
        emulator->setGarbageSeed(7);
        UNSIGNED16 words[16] = {}, freshness = 0;
        UNSIGNED16 out[16] = {0x0100};
        for (int i = 0; i < 5; ++i)
            readProcessData(UNSIGNED16(3100 + i), 4, words, &freshness); // configured while answers are whole
        writeProcessData(3015, 2, out);
        emulator->publish(3100, QVector<quint16>(16, 0x5555));
        QVERIFY(readUntilFresh(3100, 4, words, &freshness));
        const quint64 writesBefore = emulator->counters().writes;
        const quint32 flipsBefore = emulator->readSource(3015).flips;

        emulator->setFaultMode(sim::FaultMode(mode));
        for (int i = 0; i < 5; ++i) {
            std::fill(std::begin(words), std::end(words), 0xAAAA);
            readProcessData(UNSIGNED16(3100 + i), 4, words, &freshness);
            QCOMPARE(int(freshness), 0xFFFF);
            QCOMPARE(int(lp_AccessFailed), 1);
            QVERIFY(untouched(words, 16));
        }
        getFreshnessCount(3100, 4, &freshness);
        QCOMPARE(int(freshness), 0xFFFF);
        writeProcessData(3015, 2, out);
        QCOMPARE(int(lp_AccessFailed), 1);
        QCOMPARE(emulator->counters().writes, writesBefore);
        QCOMPARE(emulator->readSource(3015).flips, flipsBefore);

        emulator->setFaultMode(sim::FaultMode::Normal);
        readProcessData(3100, 4, words, &freshness);
        QCOMPARE(int(lp_AccessFailed), 0);
        QCOMPARE(int(words[3]), 0x5555);
    }
};

QTEST_GUILESS_MAIN(TestMvb)
#include "test_mvb.moc"
