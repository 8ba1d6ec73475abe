// The cab simulator's controller emulator over its wire protocol: frames and
// resynchronisation, registers, the port model, fault modes; the ddu-sim program.

#include "display_side.h"
#include "sim/panel_input.h"
#include "sim/pty_server.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using sim::MvbControllerEmulator;
using namespace display_side;

namespace {

QVector<quint16> ramp(int n, quint16 base)
{
    QVector<quint16> w;
    for (int i = 0; i < n; ++i)
        w.append(quint16(base + i));
    return w;
}

// The next line of standard output, trimmed; empty after 5 s without one.
QString nextLine(QProcess& p)
{
    QElapsedTimer timer;
    timer.start();
    while (!p.canReadLine() && timer.elapsed() < 30000)
        p.waitForReadyRead(50);
    return QString::fromLocal8Bit(p.readLine()).trimmed();
}

QString command(QProcess& p, const QByteArray& line)
{
    p.write(line + '\n');
    return nextLine(p);
}

} // namespace

class TestSim : public QObject {
    Q_OBJECT

private slots:
    void frames_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("writeFrame");
        QTest::addColumn<QByteArray>("readFrame");
        // clang-format off
        QTest::newRow("0x0000") << 0x0000 << 0xBEEF << bytes({0xC0, 0x00, 0x00, 0xEF, 0xBE}) << bytes({0xA0, 0x00, 0x00});
        QTest::newRow("0x1838") << 0x1838 << 0x0004 << bytes({0xDC, 0x60, 0x00, 0x04, 0x00}) << bytes({0xBC, 0x60, 0x00});
        QTest::newRow("0xC020") << 0xC020 << 0x4402 << bytes({0xD0, 0x00, 0x06, 0x02, 0x44}) << bytes({0xB0, 0x00, 0x06});
        QTest::newRow("0xFFFE") << 0xFFFE << 0xA55A << bytes({0xDF, 0x7F, 0x07, 0x5A, 0xA5}) << bytes({0xBF, 0x7F, 0x07});
        // clang-format on
    }

    void frames()
    {
        QFETCH(int, address);
        QFETCH(int, value);
        QFETCH(QByteArray, writeFrame);
        QFETCH(QByteArray, readFrame);
        QCOMPARE(sim::frames::write(quint16(address), quint16(value)).toHex(' '), writeFrame.toHex(' '));
        QCOMPARE(sim::frames::read(quint16(address)).toHex(' '), readFrame.toHex(' '));
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        QCOMPARE(e.process(writeFrame), bytes({0x06}));
        QCOMPARE(int(e.peek(quint16(address))), value);
        QCOMPARE(e.process(readFrame), bytes({value & 0xFF, value >> 8}));
    }

    void streamSplitAnywhere()
    {
        // Frames may come split over reads or batched in one; the replies are the same.
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        QCOMPARE(sim::frames::nop(), bytes({0x80}));
        const QByteArray request = sim::frames::write(0x4000, 0xCAFE) + sim::frames::nop() + sim::frames::read(0x4000) +
            sim::frames::read(0x4002) + sim::frames::write(0x4002, 0x0102) + sim::frames::read(0x4002);
        const QByteArray reply = bytes({0x06, 0x06, 0xFE, 0xCA, 0x11, 0x11, 0x06, 0x02, 0x01});
        const auto serve = [&e](const QList<QByteArray>& chunks) {
            e.poke(0x4000, 0);
            e.poke(0x4002, 0x1111);
            QByteArray out;
            for (const QByteArray& c : chunks)
                out += e.process(c);
            return out.toHex(' ');
        };
        for (int cut = 0; cut <= request.size(); ++cut)
            QCOMPARE(serve({request.left(cut), request.mid(cut)}), reply.toHex(' '));
        // A partial frame can be dropped.
        QVERIFY(e.process(bytes({0xA0, 0x00})).isEmpty());
        e.resetStream();
        QCOMPARE(e.process(sim::frames::nop()), bytes({0x06}));
    }

    void nakAndResync_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("naks");
        // 0x4000 holds 0xBEEF in these rows.
        QTest::newRow("two stray bytes then a read")
            << bytes({0x12, 0x7F}) + sim::frames::read(0x4000) << bytes({0x15, 0x15, 0xEF, 0xBE}) << 2;
        QTest::newRow("read cut short by a new command")
            << bytes({0xA0}) + sim::frames::read(0x4000) << bytes({0x15, 0xEF, 0xBE}) << 1;
        QTest::newRow("write cut after d1") << bytes({0xC0, 0x00}) + sim::frames::nop() << bytes({0x15, 0x06}) << 1;
        QTest::newRow("address wider than 15 bits") << bytes({0xA0, 0x00, 0x08}) << bytes({0x15}) << 1;
        QTest::newRow("write with bad d2 consumes 5 bytes")
            << bytes({0xC0, 0x00, 0x10, 0x12, 0x34}) + sim::frames::nop() << bytes({0x15, 0x06}) << 1;
        QTest::newRow("read port command")
            << bytes({0xE0, 0x00, 0x02}) + sim::frames::read(0x4000) << bytes({0x15, 0xEF, 0xBE}) << 1;
        QTest::newRow("nop with low bits") << bytes({0x9F}) << bytes({0x06}) << 0;
    }

    void nakAndResync()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(int, naks);
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        e.poke(0x4000, 0xBEEF);
        e.resetCounters();
        QCOMPARE(e.process(request).toHex(' '), reply.toHex(' '));
        QCOMPARE(int(e.counters().naks), naks);
        // Nothing was written by the refused frames.
        QCOMPARE(e.peek(0x0000), quint16(0));
        QCOMPARE(e.peek(0x8000), quint16(0));
    }

    void registersAndDecode()
    {
        MvbControllerEmulator e;
        QCOMPARE(e.state(), sim::ControllerState::Reset);
        // 16 KB: addresses fold modulo 0x4000, the registers sit at 0x3F80 and 0x7F80 too.
        QCOMPARE(wr(e, 0xC020, 0xBEEF), 0x06);
        QCOMPARE(e.peek(0x0020), quint16(0xBEEF));
        QCOMPARE(rd(e, 0x4020), 0xBEEF);
        QCOMPARE(wr(e, 0x7F80, 0x0701), 0x06);
        QCOMPARE(rd(e, 0xFF80), 0x0701);
        QCOMPARE(e.state(), sim::ControllerState::Configuration);
        QCOMPARE(rd(e, 0x3F84), 0x9080);
        // The start-up with the values it checks (SCR, MCR 0x9082, decoder), then 64 KB:
        // 0x3F80 is plain memory and nothing folds.
        QVERIFY(bringUp(e));
        QCOMPARE(e.state(), sim::ControllerState::FullOperation);
        QCOMPARE(rd(e, 0xFF80), 0x0707);
        QCOMPARE(rd(e, 0xFF88), 0x6020);
        QCOMPARE(wr(e, 0x3F80, 0x1111), 0x06);
        QCOMPARE(e.peek(0x3F80), quint16(0x1111));
        QCOMPARE(wr(e, 0xC020, 0x2222), 0x06);
        QCOMPARE(e.peek(0x0020), quint16(0xBEEF));
        // The layout is locked while the bus runs.
        QCOMPARE(wr(e, 0xFF84, 0x0000), 0x15);
        QCOMPARE(rd(e, 0xFF84), 0x9082);
        // A restarting display finds the reset addresses again; RAM survives the reset.
        QCOMPARE(wr(e, 0xFF80, 0x0700), 0x06);
        QVERIFY(!e.is64KBMode());
        QCOMPARE(e.peek(0x3F80), quint16(0x1111));
        QVERIFY(bringUp(e));
    }

    void sinkTransferFlipsPage()
    {
        MvbControllerEmulator e;
        qint64 now = 0;
        e.setClock([&now] { return now; });
        QVERIFY(wr(e, 0xFF80, 0x0700) == 0x06 && orInto(e, 0x3F80, 1) && orInto(e, 0x3F84, 2));
        configurePort(e, 3100, 4, 4, kSink);
        // Nothing is transferred before full operation...
        QVERIFY(!e.publish(3100, ramp(16, 0x100)));
        QCOMPARE(rd(e, 0xC022), 0);
        // ... then into the page not selected (page 1 of index 4 at 0x4060), and bit 6 flips.
        QVERIFY(orInto(e, 0xFF80, 3));
        now += 20;
        e.serviceTransfers();
        QCOMPARE(rd(e, 0xC022), 0x40);
        QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 0x100));
        QCOMPARE(readPage(e, 0x4040, 16), QVector<quint16>(16, 0));
        QVERIFY(e.publish(3100, ramp(16, 0x200)));
        QCOMPARE(rd(e, 0xC022), 0);
        QCOMPARE(readPage(e, 0x4040, 16), ramp(16, 0x200));
        QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 0x100));
        // Republished every period without a new dataset.
        now += e.publicationPeriodMs();
        e.serviceTransfers();
        QCOMPARE(rd(e, 0xC022), 0x40);
        QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 0x200));
        // The size comes from the F-code: 2 is four words (the fifth is left alone),
        // a shorter dataset is filled with zeros; 0 is one word.
        configurePort(e, 1000, 12, 2, kSink);
        e.poke(0x40E8, 0xAAAA);
        QVERIFY(e.publish(1000, ramp(16, 0x50)));
        QCOMPARE(readPage(e, 0x40E0, 5), (QVector<quint16>{0x50, 0x51, 0x52, 0x53, 0xAAAA}));
        QVERIFY(e.publish(1000, {0x7777}));
        QCOMPARE(readSink(e, 12, 4), (QVector<quint16>{0x7777, 0, 0, 0}));
        configurePort(e, 1001, 16, 0, kSink);
        e.poke(0x4122, 0xAAAA);
        QVERIFY(e.publish(1001, {1, 2, 3}));
        QCOMPARE(readPage(e, 0x4120, 2), (QVector<quint16>{1, 0xAAAA}));
    }

    void tackFreshnessStaleAndErrors()
    {
        MvbControllerEmulator e;
        qint64 now = 5000;
        e.setClock([&now] { return now; });
        e.setPublicationPeriodMs(1000000); // keep periodic transfers out of the way
        QVERIFY(bringUp(e));
        configurePort(e, 3100, 4, 4, kSink);
        QCOMPARE(freshness(e, 4), 65535); // never transferred
        QVERIFY(e.publish(3100, ramp(16, 1)));
        QCOMPARE(freshness(e, 4), 0);
        now += 9999;
        QCOMPARE(freshness(e, 4), 9999);
        now += 100000;
        QCOMPARE(freshness(e, 4), 65535); // saturated
        QVERIFY(e.publish(3100, ramp(16, 2)));
        now += 42;
        QCOMPARE(freshness(e, 4), 42);
        // Stale: long unpublished at once, no transfers; fresh again: the latest dataset.
        e.setStale(3100, true);
        QCOMPARE(freshness(e, 4), 65535);
        QVERIFY(!e.publish(3100, ramp(16, 9)));
        QCOMPARE(readSink(e, 4, 16), ramp(16, 2));
        e.setStale(3100, false);
        QCOMPARE(freshness(e, 4), 0);
        QCOMPARE(readSink(e, 4, 16), ramp(16, 9));
        // Configuring the port again (a restarting display) forgets the transfer;
        // moved to another index, the tack follows the port.
        configurePort(e, 3100, 4, 4, kSink);
        QCOMPARE(freshness(e, 4), 65535);
        configurePort(e, 3100, 8, 4, kSink);
        QVERIFY(e.publish(3100, ramp(16, 3)));
        QCOMPARE(freshness(e, 8), 0);
        QCOMPARE(readSink(e, 8, 16), ramp(16, 3));
        // Error bits: in the status at once, no data taken, the tack ages; the
        // display clears the status and the next transfer time raises them again.
        e.setPublicationPeriodMs(16);
        e.setPortError(3100, 0x03);
        QCOMPARE(rd(e, 0xC042), 0x0043);
        QVERIFY(!e.publish(3100, ramp(16, 5)));
        QCOMPARE(wr(e, 0xC042, 0), 0x06);
        now += 20;
        e.serviceTransfers();
        QCOMPARE(rd(e, 0xC042), 0x0003);
        QCOMPARE(freshness(e, 8), 20);
        e.setPortError(3100, 0);
        QCOMPARE(wr(e, 0xC042, 0), 0x06);
        now += 20;
        e.serviceTransfers();
        QCOMPARE(rd(e, 0xC042), 0x0040);
        QCOMPARE(readSink(e, 8, 16), ramp(16, 5));
        QCOMPARE(freshness(e, 8), 0);
    }

    void sourcePort()
    {
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        QList<QVector<quint16>> heard;
        e.setSourceListener(
            [&heard](quint16 l, const QVector<quint16>& w) { heard.append(l == 3015 ? w : QVector<quint16>()); });
        configurePort(e, 3015, 8, 4, kSource);
        QVERIFY(!e.readSource(3015).valid);
        writeSource(e, 8, ramp(16, 0x300));
        writeSource(e, 8, ramp(16, 0x400));
        // Rewriting the status without a flip is not counted; publishing to a source transfers nothing.
        QCOMPARE(wr(e, 0xC042, quint16(rd(e, 0xC042))), 0x06);
        QVERIFY(!e.publish(3015, ramp(16, 0x999)));
        QCOMPARE(e.readSource(3015).flips, quint32(2));
        QCOMPARE(e.readSource(3015).words, ramp(16, 0x400));
        QCOMPARE(heard, (QList<QVector<quint16>>{ramp(16, 0x300), ramp(16, 0x400)}));
        // Reconfiguration restarts the count.
        configurePort(e, 3015, 8, 4, kSource);
        QCOMPARE(e.readSource(3015).flips, quint32(0));
    }

    void faultModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("reply"); // to a read, a write and a nop
        QTest::addColumn<bool>("executed");
        QTest::newRow("normal") << "normal" << 0 << bytes({0x34, 0x12, 0x06, 0x06}) << true;
        QTest::newRow("silent") << "silent" << 0 << QByteArray() << false;
        QTest::newRow("nak") << "nak" << 0 << bytes({0x15, 0x15, 0x15}) << false;
        QTest::newRow("short by 1") << "short" << 1 << bytes({0x34}) << true;
        QTest::newRow("garbage: as long, other bytes") << "garbage" << 0 << bytes({0x34, 0x12, 0x06, 0x06}) << true;
    }

    void faultModes()
    {
        QFETCH(QString, mode);
        QFETCH(int, n);
        QFETCH(QByteArray, reply);
        QFETCH(bool, executed);
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        e.poke(0x4000, 0x1234);
        const auto parsed = sim::parseFaultMode(mode);
        QVERIFY(parsed);
        e.setFaultMode(*parsed, n);
        e.setGarbageSeed(7);
        const QByteArray got =
            e.process(sim::frames::read(0x4000) + sim::frames::write(0x4002, 0x5678) + sim::frames::nop());
        if (mode == QLatin1String("garbage")) {
            QCOMPARE(got.size(), reply.size());
            QVERIFY(got != reply);
        } else {
            QCOMPARE(got.toHex(' '), reply.toHex(' '));
        }
        QCOMPARE(e.peek(0x4002), quint16(executed ? 0x5678 : 0));
    }

    void program()
    {
        const QString binDir = qEnvironmentVariable("DDU_BIN_DIR");
        if (binDir.isEmpty())
            QSKIP("DDU_BIN_DIR not set (run through ctest)");
        const QString sim = binDir + QStringLiteral("/ddu-sim");
        QTemporaryDir dir;
        QStringList links;
        for (const char* name : {"mvb", "keypad", "touch"})
            links << dir.filePath(QLatin1String(name));
        QVERIFY(QFile::link(QStringLiteral("/nonexistent"), links[0])); // left by a crashed run: replaced
        QProcess p;
        p.start(sim,
                {QStringLiteral("--link"), links[0], QStringLiteral("--keypad-link"), links[1],
                 QStringLiteral("--touch-link"), links[2], QStringLiteral("--paced"), QStringLiteral("--scenario"),
                 QStringLiteral("demo")});
        QVERIFY(p.waitForStarted());
        for (int i = 0; i < 3; ++i) {
            const QString line = nextLine(p);
            QVERIFY2(line.startsWith(QStringList{"MVB", "KEYPAD", "TOUCH"}[i] + QStringLiteral(" /dev/pts/")),
                     qPrintable(line));
            QCOMPARE(QFileInfo(links[i]).symLinkTarget(), line.section(QLatin1Char(' '), 1));
        }
        const int fd = openLikeDisplay(links[0]);
        const int keypad = openLikeDisplay(links[1]);
        const int touch = openLikeDisplay(links[2]);
        QVERIFY(fd >= 0 && keypad >= 0 && touch >= 0);
        // Line-discipline bytes (CR, LF, XON, XOFF, ^C, 0xFF) pass unchanged both ways.
        for (int v : {0x0A0D, 0x1311, 0xFF03}) {
            QVERIFY(writeAll(fd, sim::frames::write(0x0102, quint16(v)) + sim::frames::read(0x0102)));
            QCOMPARE(readReply(fd, 3), bytes({0x06, v & 0xFF, v >> 8}));
        }
        // Keys and touches reach their ptys; with a gap the later keys come from the event loop.
        QCOMPARE(command(p, "touch 1023 0"), QStringLiteral("sent touch 1023 0"));
        QCOMPARE(readReply(touch, 6), sim::panel::touchFrame(1023, 0));
        QCOMPARE(command(p, "keys gap=10 DDS_DOWN DDS_UP"), QStringLiteral("sent key DDS_DOWN"));
        QCOMPARE(nextLine(p), QStringLiteral("sent key DDS_UP"));
        QCOMPARE(readReply(keypad, 14), QByteArray("$,13,\r\n$,12,\r\n"));
        // The display's acknowledge bit on its output port: one line per edge,
        // none while the bit is held.
        PtyLink link{fd};
        QVERIFY(bringUp(link));
        configurePort(link, 3015, 8, 2, kSource);
        writeSource(link, 8, {0x0100, 1, 0, 0});
        QCOMPARE(nextLine(p), QStringLiteral("ack on 3015"));
        writeSource(link, 8, {0x0100, 1, 0, 0});
        writeSource(link, 8, {0x0000, 1, 0, 0});
        QCOMPARE(nextLine(p), QStringLiteral("ack off 3015 (held 2 writes)"));
        for (int f : {fd, keypad, touch})
            ::close(f);
        // SIGTERM stops it cleanly and removes the links.
        p.terminate();
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        for (const QString& path : links)
            QVERIFY(!QFileInfo(path).isSymLink());
        for (const char* bad :
             {"--mode loud", "--scenario fast", "--time-scale 0", "--cab 3", "--stale-ports 3100,x"}) {
            QProcess b;
            b.start(sim, QString::fromLatin1(bad).split(QLatin1Char(' ')));
            QVERIFY(b.waitForFinished(5000));
            QVERIFY2(b.exitCode() == 2, bad);
        }
    }
};

QTEST_GUILESS_MAIN(TestSim)
#include "test_sim.moc"
