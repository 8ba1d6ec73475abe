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

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <atomic>
#include <thread>

namespace {

QStringList g_log;

void captureLog(const char* line, void*)
{
    g_log << QString::fromLatin1(line);
}

struct Frame {
    enum Kind { Nop, Read, Write } kind;
    quint16 address;
    quint16 value;
};

// A controller that answers from a small word memory. Registers behave like
// plain words unless overridden; writes can be refused per address; the whole
// controller can be silent. Every frame is recorded.
class ScriptedController {
public:
    QByteArray handle(const QByteArray& in)
    {
        std::lock_guard<std::mutex> lock(mutex);
        pending += in;
        chunks << in;
        QByteArray out;
        bool dataRead = false;
        while (!pending.isEmpty()) {
            const quint8 b0 = static_cast<quint8>(pending[0]);
            int len = (b0 & 0xE0) == 0xA0 ? 3 : (b0 & 0xE0) == 0xC0 ? 5 : 1;
            if (pending.size() < len)
                break;
            const QByteArray f = pending.left(len);
            pending.remove(0, len);
            Frame frame{Frame::Nop, 0, 0};
            if (len > 1) {
                const unsigned w = (f[0] & 0x1F) | (static_cast<quint8>(f[1]) << 5) | (static_cast<quint8>(f[2]) << 12);
                frame.address = static_cast<quint16>(w * 2);
                frame.kind = len == 3 ? Frame::Read : Frame::Write;
                if (len == 5)
                    frame.value = static_cast<quint16>(static_cast<quint8>(f[3]) | static_cast<quint8>(f[4]) << 8);
            }
            frames.push_back(frame);
            if (silent)
                continue;
            if (frame.kind == Frame::Read) {
                dataRead = dataRead || (frame.address >= 0x4000 && frame.address < 0x8000);
                auto o = readOverride.find(frame.address);
                const quint16 v = o != readOverride.end() ? o->second : memory[frame.address];
                out.append(static_cast<char>(v & 0xFF));
                out.append(static_cast<char>(v >> 8));
            } else if (frame.kind == Frame::Write) {
                if (refuse.count(frame.address)) {
                    out.append(char(0x15));
                } else {
                    memory[frame.address] = frame.value;
                    out.append(char(0x06));
                }
            } else {
                out.append(char(0x06));
            }
        }
        if (dataRead && shortDataReplies && !out.isEmpty())
            out.chop(1);
        return out;
    }

    std::vector<Frame> writesTo(quint16 address)
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<Frame> r;
        for (const Frame& f : frames)
            if (f.kind == Frame::Write && f.address == address)
                r.push_back(f);
        return r;
    }
    int writeCount(quint16 from, quint16 to)
    {
        std::lock_guard<std::mutex> lock(mutex);
        int n = 0;
        for (const Frame& f : frames)
            if (f.kind == Frame::Write && f.address >= from && f.address <= to)
                ++n;
        return n;
    }
    size_t frameCount()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return frames.size();
    }
    QByteArray allBytes()
    {
        std::lock_guard<std::mutex> lock(mutex);
        QByteArray all;
        for (const QByteArray& c : chunks)
            all += c;
        return all;
    }
    void clearRecord()
    {
        std::lock_guard<std::mutex> lock(mutex);
        frames.clear();
        chunks.clear();
    }

    std::mutex mutex;
    QByteArray pending;
    QList<QByteArray> chunks;
    std::vector<Frame> frames;
    std::map<quint16, quint16> memory;
    std::map<quint16, quint16> readOverride;
    std::set<quint16> refuse;
    bool silent = false;
    bool shortDataReplies = false; // replies to data-area reads lose their last byte
};

// Register values a controller shows during a good start-up.
void scriptGoodStartup(ScriptedController& c)
{
    c.readOverride[TM_SCR_OR] = 0x0701;
    c.readOverride[TM_SCR] = 0x0705;
    c.readOverride[TM_MCR] = 0x9082;
}

} // namespace

class TestMvb : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<sim::MvbControllerEmulator> emulator;
    std::unique_ptr<ScriptedController> scripted;
    std::unique_ptr<sim::PtyServer> server;

    void openDriver(const QString& path)
    {
        qputenv("DDU_MVB_DEVICE", path.toLocal8Bit());
        g_log.clear();
        QCOMPARE(siu_Init(), 0);
    }

    void startEmulator()
    {
        emulator = std::make_unique<sim::MvbControllerEmulator>();
        server = std::make_unique<sim::PtyServer>(*emulator);
        QString error;
        QVERIFY2(server->start(&error), qPrintable(error));
        openDriver(server->slavePath());
    }

    void startScripted()
    {
        scripted = std::make_unique<ScriptedController>();
        ScriptedController* c = scripted.get();
        server = std::make_unique<sim::PtyServer>([c](const QByteArray& in) { return c->handle(in); });
        QString error;
        QVERIFY2(server->start(&error), qPrintable(error));
        openDriver(server->slavePath());
    }

    void bringUp()
    {
        QCOMPARE(int(mvb_init()), 0);
        QCOMPARE(int(mvb_setDeviceAddress(0)), 0);
        QCOMPARE(int(mvb_activate()), 0);
    }

private slots:
    void initTestCase()
    {
        mvb_setLogSink(captureLog, nullptr);
        MVB_Enable_EMD = 1;
    }

    void init()
    {
        siu_closePort();
        lp_resetState();
        g_log.clear();
    }

    void cleanup()
    {
        siu_closePort();
        server.reset();
        emulator.reset();
        scripted.reset();
    }

    void addressEncoding_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("SCR") << 0xFF80 << QByteArray::fromHex("A07E07");
        QTest::newRow("zero") << 0x0000 << QByteArray::fromHex("A00000");
        QTest::newRow("PCS of port index 4") << 0xC020 << QByteArray::fromHex("B00006");
        QTest::newRow("last word") << 0xFFFE << QByteArray::fromHex("BF7F07");
        QTest::newRow("table entry of 3100") << 0x1838 << QByteArray::fromHex("BC6000");
    }
    void addressEncoding()
    {
        QFETCH(int, address);
        QFETCH(QByteArray, frame);
        startScripted();
        siu_ReadCommand(static_cast<UNSIGNED16>(address));
        QCOMPARE(scripted->allBytes(), frame);
    }

    void writeFrameEncoding()
    {
        startScripted();
        QCOMPARE(int(siu_WriteCommand(0xFFFE, 0x1234)), 0);
        QCOMPARE(scripted->allBytes(), QByteArray::fromHex("DF7F073412"));
        scripted->clearRecord();
        QCOMPARE(int(siu_WriteCommand(TM_SCR, 0x0700)), 0);
        QCOMPARE(scripted->allBytes(), QByteArray::fromHex("C07E070007"));
        scripted->clearRecord();
        QCOMPARE(int(siu_nopCommand()), 0);
        QCOMPARE(scripted->allBytes(), QByteArray::fromHex("80"));
    }

    void writeReplies()
    {
        startScripted();
        scripted->refuse.insert(0x0100);
        QCOMPARE(int(siu_WriteCommand(0x0102, 1)), 0);
        QCOMPARE(int(siu_WriteCommand(0x0100, 1)), -1);
        QCOMPARE(int(siu_ReadByteFailure), 0);
    }

    void readReplies()
    {
        startScripted();
        scripted->memory[0x0200] = 0x1234;
        QCOMPARE(int(siu_ReadCommand(0x0200)), 0x1234);
        QCOMPARE(int(si_ReadCmdInProgress), 0);
        QCOMPARE(int(siu_ReadByteFailure), 0);
    }

    // A lone NAK to a read reads as 0x0015 with no time-out flagged (the
    // driver cannot tell it from the data word 0x0015), but the reply counts
    // as incomplete, so port accesses do not take it as data.
    void readAnsweredByNakAlone()
    {
        sim::PtyServer nakServer([](const QByteArray& in) {
            QByteArray out;
            for (int i = 0; i < in.size(); ++i)
                if ((static_cast<quint8>(in[i]) & 0xE0) == 0xA0)
                    out.append(char(0x15));
            return out;
        });
        QVERIFY(nakServer.start());
        openDriver(nakServer.slavePath());
        const UNSIGNED32 incomplete = siu_IncompleteReplies;
        QCOMPARE(int(siu_ReadCommand(0x0200)), 0x0015);
        QCOMPARE(int(si_ReadCmdInProgress), 0);
        QCOMPARE(int(siu_ReadByteFailure), 0);
        QCOMPARE(siu_IncompleteReplies, incomplete + 1);
        siu_closePort();
    }

    // Silent controller: one time-out per transaction; reads give 0xFFFF, a
    // silent write counts as success but leaves the failure flag set, so the
    // next register update fails without writing and clears the flag.
    void silentController()
    {
        startScripted();
        scripted->silent = true;
        QCOMPARE(int(siu_WriteCommand(0x0100, 7)), 0);
        QCOMPARE(int(siu_ReadByteFailure), 1);
        scripted->silent = false;
        scripted->clearRecord();
        QCOMPARE(int(mvb_setInternalReg(0x0100, 1)), -1);
        QCOMPARE(int(siu_ReadByteFailure), 0);
        QCOMPARE(scripted->writeCount(0x0000, 0xFFFE), 0);

        scripted->silent = true;
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0xFFFF);
        QCOMPARE(int(siu_ReadByteFailure), 1);
        QCOMPARE(int(si_ReadCmdInProgress), 0);
    }

    // A reply that arrives in two pieces is assembled; stray bytes of an
    // abandoned reply do not leak into the next transaction.
    void partialAndLateReplies()
    {
        std::unique_ptr<sim::PtyServer> split;
        split = std::make_unique<sim::PtyServer>([&split](const QByteArray& in) {
            if (in.size() >= 3) {
                split->send(QByteArray(1, char(0x12))); // written after the first piece
                return QByteArray(1, char(0x34));
            }
            return QByteArray();
        });
        QVERIFY(split->start());
        openDriver(split->slavePath());
        const UNSIGNED32 incomplete = siu_IncompleteReplies;
        QCOMPARE(int(siu_ReadCommand(0x0200)), 0x1234);
        QCOMPARE(int(siu_ReadByteFailure), 0);
        QCOMPARE(siu_IncompleteReplies, incomplete);
        siu_closePort();
        split->stop();

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
        std::atomic<bool> interrupted{false};
        std::thread stopper([&] {
            while (scripted->frameCount() == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            siu_Interrupt();
            interrupted = true;
        });
        QCOMPARE(int(siu_ReadCommand(0x0100)), 0xFFFF);
        stopper.join();
        QVERIFY(interrupted);
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

    void missingDevice()
    {
        qputenv("DDU_MVB_DEVICE", "/nonexistent/ttyMVB");
        QCOMPARE(siu_Init(), -1);
        QVERIFY(g_log.contains(QStringLiteral("SIU:Open Port failed!")));
        QCOMPARE(int(si_fileHandler), -1);
        // A missing UART behaves like a controller that does not answer, but at once.
        QElapsedTimer t;
        t.start();
        QCOMPARE(int(mvb_init()), -1);
        QVERIFY(g_log.contains(QStringLiteral("MVB: Setting MVBC to configure mode failed!!")));
        QCOMPARE(int(mvb_activate()), -1);
        QVERIFY(g_log.contains(QStringLiteral("MVB: MVB to full-op failed!!")));
        QVERIFY(t.elapsed() < 900); // no time-out was waited for (not a timing claim: a 1 s wait would be a behaviour change)
    }

    void startupAgainstEmulator()
    {
        startEmulator();
        QCOMPARE(g_log.value(0), QString(33, QLatin1Char('*')));
        QCOMPARE(g_log.value(1), QStringLiteral("SIU:Initializing UART..."));
        QCOMPARE(g_log.value(2), QStringLiteral("SIU:Success!"));
        g_log.clear();
        bringUp();
        const QStringList expected = {QString(34, QLatin1Char('*')),
                                      QStringLiteral("MVB: Initializing MVB_v2.1.1..."),
                                      QStringLiteral("MVB: Formatting PIT..."),
                                      QStringLiteral("MVB: Formatting PCS..."),
                                      QStringLiteral("MVB: MVBC set to EMD Mode!!"),
                                      QStringLiteral("MVB: Formatting LA-DA..."),
                                      QStringLiteral("MVB: OK!!"),
                                      QString(34, QLatin1Char('*'))};
        QCOMPARE(g_log, expected);
        QCOMPARE(emulator->state(), sim::ControllerState::FullOperation);
        QVERIFY(emulator->is64KBMode());
        QCOMPARE(int(mvb_major_version), 2);
        QCOMPARE(int(emulator->peek(TM_DAOK) & 0x94), 0x94);
        QCOMPARE(int(emulator->peek(TM_DR) & 0x6020), 0x6020);
        QCOMPARE(emulator->counters().naks, quint64(0));
    }

    void esdModeWritesNoDecoder()
    {
        startScripted();
        scriptGoodStartup(*scripted);
        MVB_Enable_EMD = 0;
        const int r = mvb_init();
        MVB_Enable_EMD = 1;
        QCOMPARE(r, 0);
        QVERIFY(g_log.contains(QStringLiteral("MVB: MVBC set to ESD Mode!!")));
        QVERIFY(scripted->writesTo(TM_DR).empty());
    }

    void startupFailurePoints_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("readValue");
        QTest::addColumn<bool>("refuseWrite");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("formatted");
        QTest::newRow("reset refused") << int(TM_SCR) << -1 << true << "MVB: Set MVB to reset mode failed!!" << false;
        QTest::newRow("configure refused") << int(TM_SCR_OR) << -1 << true << "MVB: Setting MVBC to configure mode failed!!" << false;
        QTest::newRow("not in configure mode") << int(TM_SCR_OR) << 0x0700 << false << "MVB: MVBC not set to configure mode!!" << false;
        QTest::newRow("64KB refused") << int(TM_MCR_OR) << -1 << true << "MVB: Setting MVBC to 64KB failed!!" << false;
        QTest::newRow("SCR wrong") << int(TM_SCR) << 0x0701 << false << "MVB: 64KB memory.SCR not set!!" << false;
        QTest::newRow("MCR wrong") << int(TM_MCR) << 0x9080 << false << "MVB: MCR not set!!" << false;
        QTest::newRow("decoder refused") << int(TM_DR) << -1 << true << "MVB: Configuration of Decoder failed!!" << true;
    }
    void startupFailurePoints()
    {
        QFETCH(int, address);
        QFETCH(int, readValue);
        QFETCH(bool, refuseWrite);
        QFETCH(QString, message);
        QFETCH(bool, formatted);
        startScripted();
        scriptGoodStartup(*scripted);
        if (readValue >= 0)
            scripted->readOverride[static_cast<quint16>(address)] = static_cast<quint16>(readValue);
        if (refuseWrite)
            scripted->refuse.insert(static_cast<quint16>(address));
        g_log.clear();
        QCOMPARE(int(mvb_init()), -1);
        QCOMPARE(g_log.last(), message);
        // The tables are formatted only once the memory checks passed; the
        // data area only after the decoder is configured.
        QCOMPARE(scripted->writeCount(0x0000, 0x1FFE) == 4096, formatted);
        QCOMPARE(scripted->writeCount(0x4000, 0x5FFE), 0);
    }

    void startupFailsWithSilentController()
    {
        startEmulator();
        emulator->setFaultMode(sim::FaultMode::Silent);
        g_log.clear();
        QCOMPARE(int(mvb_init()), -1);
        QCOMPARE(g_log.last(), QStringLiteral("MVB: Setting MVBC to configure mode failed!!"));
        QCOMPARE(int(mvb_activate()), -1);
        QCOMPARE(g_log.last(), QStringLiteral("MVB: MVB to full-op failed!!"));
    }

    void startupFailsWhenEverythingIsRefused()
    {
        startEmulator();
        emulator->setFaultMode(sim::FaultMode::NakAll);
        g_log.clear();
        QCOMPARE(int(mvb_init()), -1);
        QCOMPARE(g_log.last(), QStringLiteral("MVB: Set MVB to reset mode failed!!"));
    }

    void formatAreas()
    {
        startScripted();
        mvb_formatPCS();
        QCOMPARE(scripted->writesTo(0xC000).size(), size_t(1));
        QCOMPARE(scripted->writesTo(0xC002).size(), size_t(1));
        QCOMPARE(scripted->writesTo(0xC010).size(), size_t(1));
        QCOMPARE(scripted->writesTo(0xC012).size(), size_t(1));
        QVERIFY(scripted->writesTo(0xC004).empty());
        QVERIFY(scripted->writesTo(0xC006).empty());
        QCOMPARE(scripted->writeCount(0xC000, 0xDFFE), 1024);
        scripted->clearRecord();
        mvb_formatPIT();
        QCOMPARE(scripted->writeCount(0x0000, 0x1FFE), 4096);
        scripted->clearRecord();
        mvb_formatDataArea();
        QCOMPARE(scripted->writeCount(0x4000, 0x5FFE), 4096);
    }

    void rangeChecks()
    {
        startScripted();
        QCOMPARE(int(mvb_setDeviceAddress(256)), -1);
        QCOMPARE(int(mvb_configureSTSR(10, 0)), -1);
        QCOMPARE(int(mvb_configureSTSR(1, 1024)), -1);
        QCOMPARE(scripted->frameCount(), size_t(0));
        QCOMPARE(int(mvb_configureSTSR(1, 8)), 0);
        QCOMPARE(scripted->writesTo(TM_STSR).size(), size_t(1));
        QCOMPARE(int(scripted->writesTo(TM_STSR)[0].value), 0x1008);
        scripted->memory[TM_DAOR] = 0x0000;
        QCOMPARE(int(mvb_setDeviceAddress(5)), 0);
        QCOMPARE(int(scripted->memory[TM_DAOR]), 5);
        QCOMPARE(int(scripted->memory[TM_DAOK]), 0x94);
    }

    // First use of a sink: table entry, control word, tack, interval register.
    void sinkConfiguredOnFirstRead()
    {
        startScripted();
        UNSIGNED16 data[16] = {};
        UNSIGNED16 freshness = 0;
        readProcessData(3100, 4, data, &freshness);
        QCOMPARE(scripted->writesTo(0x1838).size(), size_t(1));
        QCOMPARE(int(scripted->writesTo(0x1838)[0].value), 4);
        QCOMPARE(int(scripted->writesTo(0xC020)[0].value), 0x4402);
        QCOMPARE(int(scripted->writesTo(0xC024)[0].value), 0);
        QCOMPARE(int(scripted->writesTo(TM_STSR)[0].value), 0x1004);
        QCOMPARE(int(freshness), 65535);

        // The next port gets index 8 and the interval register counts two ports.
        readProcessData(3110, 4, data, &freshness);
        QCOMPARE(int(scripted->writesTo(0x2 * 3110)[0].value), 8);
        QCOMPARE(int(scripted->writesTo(TM_STSR).back().value), 0x1008);
    }

    void publishedPortReadsFreshData()
    {
        startEmulator();
        bringUp();
        QVector<quint16> words;
        for (int k = 0; k < 16; ++k)
            words << static_cast<quint16>(0x1000 + k);
        emulator->publish(3100, words);
        UNSIGNED16 data[16] = {};
        UNSIGNED16 freshness = 0;
        readProcessData(3100, 4, data, &freshness); // configures the sink
        QCOMPARE(int(freshness), 65535);
        const auto info = emulator->portInfo(3100);
        QCOMPARE(int(info.index), 4);
        QCOMPARE(int(info.fcode), 4);
        QCOMPARE(int(emulator->peek(TM_STSR)), 0x1004);
        QTRY_VERIFY_WITH_TIMEOUT((readProcessData(3100, 4, data, &freshness), freshness < 10000), 2000);
        for (int k = 0; k < 16; ++k)
            QCOMPARE(int(data[k]), 0x1000 + k);

        // New data lands on the other page; the driver follows the page selector.
        const int pageBefore = emulator->portInfo(3100).page;
        words[0] = 0xABCD;
        emulator->publish(3100, words);
        QVERIFY(emulator->portInfo(3100).page != pageBefore);
        readProcessData(3100, 4, data, &freshness);
        QCOMPARE(int(data[0]), 0xABCD);

        // A port nobody publishes stays stale; one that stops goes stale.
        readProcessData(3200, 4, data, &freshness);
        QCOMPARE(int(freshness), 65535);
        getFreshnessCount(3300, 3, &freshness);
        QCOMPARE(int(freshness), 65535);
        QCOMPARE(int(emulator->portInfo(3300).direction), int(sim::PortDirection::Sink));
        emulator->setStale(3100, true);
        readProcessData(3100, 4, data, &freshness);
        QVERIFY(freshness >= 10000);
    }

    void firstCallerFixesTheSize()
    {
        startEmulator();
        bringUp();
        QVector<quint16> words(16);
        for (int k = 0; k < 16; ++k)
            words[k] = static_cast<quint16>(k + 1);
        emulator->publish(1000, words);
        UNSIGNED16 data[16] = {};
        UNSIGNED16 freshness = 0;
        readProcessData(1000, 4, data, &freshness);
        QTRY_VERIFY_WITH_TIMEOUT((readProcessData(1000, 2, data, &freshness), freshness < 10000), 2000);
        QCOMPARE(int(data[15]), 16);
    }

    // Bytes on the wire of one read of a configured two-word port: table read
    // (3 + 2), status batch (9 + 6), one data batch of two frames (6 + 4).
    void batchedReadOfTwoWords()
    {
        startEmulator();
        bringUp();
        emulator->publish(1100, {0x0102, 0x0304});
        UNSIGNED16 data[16] = {};
        UNSIGNED16 freshness = 0;
        readProcessData(1100, 1, data, &freshness);
        QTRY_VERIFY_WITH_TIMEOUT((readProcessData(1100, 1, data, &freshness), freshness < 10000), 2000);
        emulator->resetCounters();
        readProcessData(1100, 1, data, &freshness);
        const auto c = emulator->counters();
        QCOMPARE(c.bytesIn, quint64(3 + 9 + 6));
        QCOMPARE(c.bytesOut, quint64(2 + 6 + 4));
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
        bringUp();
        emulator->publish(1200, {1, 2, 3, 4, 5, 6, 7, 8});
        UNSIGNED16 data[16] = {};
        UNSIGNED16 freshness = 0;
        readProcessData(1200, 3, data, &freshness);
        QTRY_VERIFY_WITH_TIMEOUT((readProcessData(1200, 3, data, &freshness), freshness < 10000), 2000);
        emulator->setPortError(1200, 1u << bit);
        emulator->publish(1200, {9, 9, 9, 9, 9, 9, 9, 9});
        UNSIGNED16 mine[16];
        for (auto& w : mine)
            w = 0xAAAA;
        readProcessData(1200, 3, mine, &freshness);
        for (auto w : mine)
            QCOMPARE(int(w), 0xAAAA);
        QCOMPARE(int(lp_AccessFailed), 0); // the controller answered as configured
        QVERIFY(freshness < 10000);
        QCOMPARE(int(emulator->peek(emulator->portInfo(1200).pcsAddress + 2) & 0x1F), 0);
    }

    // The output port: words go to the page the selector names, then the
    // selector flips; a second write lands on the other page.
    void sourcePortPageFlip()
    {
        startEmulator();
        bringUp();
        UNSIGNED16 out[16] = {0x0100, 7, 0x0200, 0};
        writeProcessData(3015, 2, out);
        auto info = emulator->portInfo(3015);
        QCOMPARE(int(info.direction), int(sim::PortDirection::Source));
        QCOMPARE(info.page, 1);
        auto src = emulator->readSource(3015);
        QVERIFY(src.valid);
        QCOMPARE(src.words.mid(0, 4), QVector<quint16>({0x0100, 7, 0x0200, 0}));
        QCOMPARE(src.flips, quint32(1));
        // The first write used page 0.
        QCOMPARE(int(emulator->peek(info.page0Address + 2)), 7);

        out[1] = 9;
        writeProcessData(3015, 2, out);
        info = emulator->portInfo(3015);
        QCOMPARE(info.page, 0);
        QCOMPARE(int(emulator->peek(info.page0Address + 32 + 2)), 9); // page 1 written
        src = emulator->readSource(3015);
        QCOMPARE(int(src.words[1]), 9);
        QCOMPARE(src.flips, quint32(2));
    }

    // A one-port table in the scripted controller, configured by the driver
    // itself: port 1600, index 4, F-code `fcode`, page 0, fresh.
    void scriptOnePort(UNSIGNED16 fcode)
    {
        DS_NAME port{1600, LP_SINK, fcode};
        lp_initProcessData(&port, 1);
        scripted->memory[0xC022] = 0x0000; // page 0, no errors
        scripted->memory[0xC024] = 0xFFFF; // tack: fresh
        for (int k = 0; k < 16; ++k)
            scripted->memory[static_cast<quint16>(0x4040 + 2 * k)] = static_cast<quint16>(0x1111 * (k % 15 + 1));
        scripted->clearRecord();
    }

    static bool untouched(const UNSIGNED16* words, int n)
    {
        for (int k = 0; k < n; ++k)
            if (words[k] != 0xAAAA)
                return false;
        return true;
    }

    // What the controller says is believed only where it agrees with what the
    // driver configured, and only when every reply came whole. Otherwise the
    // port reads stale, the caller's words stay as they were and nothing is
    // written to the controller.
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
        scriptOnePort(4);
        if (address)
            scripted->readOverride[static_cast<quint16>(address)] = static_cast<quint16>(value);
        scripted->shortDataReplies = shortData;
        UNSIGNED16 words[17];
        for (auto& w : words)
            w = 0xAAAA;
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
        QCOMPARE(scripted->writeCount(0x0000, 0xFFFE), 0);
    }

    // The emulator's short-reply and garbage modes: every port reads stale,
    // the caller's words stay as they were, and the output port is not
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
        bringUp();
        emulator->setGarbageSeed(7);
        UNSIGNED16 words[16] = {};
        UNSIGNED16 freshness = 0;
        UNSIGNED16 out[16] = {0x0100};
        for (int i = 0; i < 5; ++i)
            readProcessData(static_cast<UNSIGNED16>(3100 + i), 4, words, &freshness); // configured while answers are whole
        writeProcessData(3015, 2, out);
        emulator->publish(3100, QVector<quint16>(16, 0x5555));
        QTRY_VERIFY_WITH_TIMEOUT((readProcessData(3100, 4, words, &freshness), freshness < 10000), 2000);
        const quint64 writesBefore = emulator->counters().writes;
        const quint32 flipsBefore = emulator->readSource(3015).flips;

        emulator->setFaultMode(static_cast<sim::FaultMode>(mode));
        for (int i = 0; i < 5; ++i) {
            for (auto& w : words)
                w = 0xAAAA;
            readProcessData(static_cast<UNSIGNED16>(3100 + i), 4, words, &freshness);
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
