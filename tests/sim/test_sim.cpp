// Tests of the cab simulator's MVB controller emulator: frame decoding, the
// register start-up sequence, the port model (publication, page flips, tack
// and freshness, source ports), fault modes, the command interpreter, the pty
// server over a real pseudo-terminal and the ddu-sim program.

#include "sim/command_interpreter.h"
#include "sim/frames.h"
#include "display_side.h"
#include "sim/mvb_commands.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/pty_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using sim::MvbControllerEmulator;

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

using namespace display_side;

void configurePort(MvbControllerEmulator& e, quint16 logical, quint16 index, int fcode, quint16 kind)
{
    wr(e, quint16(2 * logical), index);
    wr(e, quint16(0xC000 + 8 * index), quint16((fcode << 12) | kind));
    if (kind == 0x402)
        wr(e, quint16(0xC000 + 8 * index + 4), 0);
}

QVector<quint16> ramp(int n, quint16 base)
{
    QVector<quint16> w;
    for (int i = 0; i < n; ++i)
        w.append(quint16(base + i));
    return w;
}

QVector<quint16> readPage(MvbControllerEmulator& e, quint16 address, int n)
{
    QVector<quint16> w;
    for (int i = 0; i < n; ++i)
        w.append(quint16(rd(e, quint16(address + 2 * i))));
    return w;
}

int openFdCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

// Opens a pty slave the way the display opens its UART: raw, VMIN 0, VTIME 10.
int openLikeDisplay(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    termios tio{};
    tcgetattr(fd, &tio);
    cfsetispeed(&tio, B460800);
    cfsetospeed(&tio, B460800);
    tio.c_cflag |= CLOCAL | CREAD | PARENB | PARODD | CS8;
    tio.c_cflag &= ~CSTOPB;
    tio.c_lflag &= ~(ICANON | ECHO | ECHOE | ISIG);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | ICRNL);
    tio.c_oflag &= ~OPOST;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 10;
    tcsetattr(fd, TCSANOW, &tio);
    return fd;
}

// Reads until `n` bytes came or a read timed out.
QByteArray readReply(int fd, int n)
{
    QByteArray out;
    char buf[64];
    while (out.size() < n) {
        const ssize_t r = ::read(fd, buf, size_t(std::min<int>(int(sizeof buf), n - out.size())));
        if (r <= 0)
            break;
        out.append(buf, int(r));
    }
    return out;
}

bool writeAll(int fd, const QByteArray& b)
{
    return ::write(fd, b.constData(), size_t(b.size())) == b.size();
}

} // namespace

class TestSim : public QObject
{
    Q_OBJECT

private slots:
    // ---- frames and addresses ----
    void frameEncoding_data();
    void frameEncoding();
    void literalFramesReachAddress_data();
    void literalFramesReachAddress();
    void everyWordAddressDecodes();
    void splitFrames();
    void batchedReads_data();
    void batchedReads();
    void mixedBatch();
    void nakAndResync_data();
    void nakAndResync();

    // ---- registers ----
    void startUpSequence();
    void sixteenKBMirroring();
    void resetReturnsTo16KB();
    void mcrLockedInFullOperation();

    // ---- ports ----
    void publicationFlipsPages();
    void publicationOnlyInFullOperation();
    void periodicRepublication();
    void tackAndFreshness();
    void staleAndFresh();
    void neverPublishedSinkKeepsTack();
    void portSizeFromFcode();
    void errorInjection();
    void reconfigurationForgetsTransfer();
    void sourcePort();
    void portInfo();

    // ---- faults and counters ----
    void silentMode();
    void nakMode();
    void shortMode_data();
    void shortMode();
    void garbageMode();
    void counters();
    void lineTime();

    // ---- commands ----
    void commands_data();
    void commands();
    void commandEffects();

    // ---- pty and program ----
    void ptyRoundTrip();
    void ptyLinkAndPacing();
    void ptySend();
    void publishWhileServing();
    void program();
    void programStopsOnSigterm();
};

// ------------------------------------------------------------ frames

void TestSim::frameEncoding_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("read SCR") << sim::frames::read(0xFF80) << bytes({0xA0, 0x7E, 0x07});
    QTest::newRow("read 0x0000") << sim::frames::read(0x0000) << bytes({0xA0, 0x00, 0x00});
    QTest::newRow("read 0xC020") << sim::frames::read(0xC020) << bytes({0xB0, 0x00, 0x06});
    QTest::newRow("write SCR 0x0700") << sim::frames::write(0xFF80, 0x0700) << bytes({0xC0, 0x7E, 0x07, 0x00, 0x07});
    QTest::newRow("write 0xFFFE") << sim::frames::write(0xFFFE, 0xA55A) << bytes({0xDF, 0x7F, 0x07, 0x5A, 0xA5});
    QTest::newRow("nop") << sim::frames::nop() << bytes({0x80});
}

void TestSim::frameEncoding()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, expected);
    QCOMPARE(frame.toHex(' '), expected.toHex(' '));
}

void TestSim::literalFramesReachAddress_data()
{
    QTest::addColumn<QByteArray>("writeFrame");
    QTest::addColumn<QByteArray>("readFrame");
    QTest::addColumn<int>("physical");
    QTest::addColumn<int>("value");
    QTest::newRow("0xFFFE") << bytes({0xDF, 0x7F, 0x07, 0x34, 0x12}) << bytes({0xBF, 0x7F, 0x07}) << 0xFFFE << 0x1234;
    QTest::newRow("0xC020") << bytes({0xD0, 0x00, 0x06, 0x02, 0x44}) << bytes({0xB0, 0x00, 0x06}) << 0xC020 << 0x4402;
    QTest::newRow("0x1838") << bytes({0xDC, 0x60, 0x00, 0x04, 0x00}) << bytes({0xBC, 0x60, 0x00}) << 0x1838 << 0x0004;
    QTest::newRow("0x0000") << bytes({0xC0, 0x00, 0x00, 0xEF, 0xBE}) << bytes({0xA0, 0x00, 0x00}) << 0x0000 << 0xBEEF;
}

void TestSim::literalFramesReachAddress()
{
    QFETCH(QByteArray, writeFrame);
    QFETCH(QByteArray, readFrame);
    QFETCH(int, physical);
    QFETCH(int, value);
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    QCOMPARE(e.process(writeFrame), bytes({0x06}));
    QCOMPARE(int(e.peek(quint16(physical))), value);
    QCOMPARE(e.process(readFrame), bytes({value & 0xFF, value >> 8}));
}

void TestSim::everyWordAddressDecodes()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    // Below the register block every word is plain memory: a write reaches
    // exactly its own word, built from the three address bytes.
    for (int a = 0; a < 0xFF80; a += 2) {
        const quint16 w = quint16(a >> 1);
        QByteArray f = bytes({0xC0 | (w & 0x1F), (w >> 5) & 0x7F, (w >> 12) & 0x07});
        f.append(char(a & 0xFF));
        f.append(char(0x5A));
        if (e.process(f) != bytes({0x06}))
            QFAIL(qPrintable(QStringLiteral("write to 0x%1 refused").arg(a, 4, 16)));
    }
    for (int a = 0; a < 0xFF80; a += 2) {
        if (e.peek(quint16(a)) != quint16(0x5A00 | (a & 0xFF)))
            QFAIL(qPrintable(QStringLiteral("word 0x%1 holds 0x%2").arg(a, 4, 16).arg(e.peek(quint16(a)), 4, 16)));
    }
}

void TestSim::splitFrames()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    e.poke(0xC020, 0x4402);
    // A read sent as three separate writes, as the display does.
    QVERIFY(e.process(bytes({0xB0})).isEmpty());
    QVERIFY(e.process(bytes({0x00})).isEmpty());
    QCOMPARE(e.process(bytes({0x06})), bytes({0x02, 0x44}));
    // A write cut after the address, and after one value byte.
    QVERIFY(e.process(bytes({0xD0, 0x00, 0x06})).isEmpty());
    QVERIFY(e.process(bytes({0x34})).isEmpty());
    QCOMPARE(e.process(bytes({0x12, 0x80})), bytes({0x06, 0x06}));
    QCOMPARE(e.peek(0xC020), quint16(0x1234));
    // A partial frame can be dropped.
    QVERIFY(e.process(bytes({0xA0, 0x00})).isEmpty());
    e.resetStream();
    QCOMPARE(e.process(sim::frames::nop()), bytes({0x06}));
}

void TestSim::batchedReads_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
    QTest::newRow("4") << 4;
}

void TestSim::batchedReads()
{
    QFETCH(int, count);
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    QByteArray request;
    QByteArray expected;
    for (int i = 0; i < count; ++i) {
        const quint16 address = quint16(0x4040 + 2 * i);
        const quint16 value = quint16(0x1100 * (i + 1) + 0x22);
        e.poke(address, value);
        request += sim::frames::read(address);
        expected += bytes({value & 0xFF, value >> 8});
    }
    QCOMPARE(request.size(), 3 * count);
    QCOMPARE(e.process(request).toHex(' '), expected.toHex(' '));
    // The same batch split at an odd place still yields the same replies.
    const QByteArray first = e.process(request.left(4));
    QCOMPARE((first + e.process(request.mid(4))).toHex(' '), expected.toHex(' '));
}

void TestSim::mixedBatch()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    const QByteArray request = sim::frames::write(0x4000, 0xCAFE) + sim::frames::nop()
        + sim::frames::read(0x4000) + sim::frames::write(0x4002, 0x0102);
    QCOMPARE(e.process(request), bytes({0x06, 0x06, 0xFE, 0xCA, 0x06}));
    QCOMPARE(e.peek(0x4002), quint16(0x0102));
}

void TestSim::nakAndResync_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("naks");
    // 0x4000 holds 0xBEEF in these rows.
    QTest::newRow("data byte as command") << bytes({0x12}) << bytes({0x15}) << 1;
    QTest::newRow("two stray bytes then a read")
        << bytes({0x12, 0x7F}) + sim::frames::read(0x4000) << bytes({0x15, 0x15, 0xEF, 0xBE}) << 2;
    QTest::newRow("read cut short by a new command")
        << bytes({0xA0}) + sim::frames::read(0x4000) << bytes({0x15, 0xEF, 0xBE}) << 1;
    QTest::newRow("write cut after d1") << bytes({0xC0, 0x00}) + sim::frames::nop() << bytes({0x15, 0x06}) << 1;
    QTest::newRow("address wider than 15 bits") << bytes({0xA0, 0x00, 0x08}) << bytes({0x15}) << 1;
    QTest::newRow("write with bad d2 consumes 5 bytes")
        << bytes({0xC0, 0x00, 0x10, 0x12, 0x34}) + sim::frames::nop() << bytes({0x15, 0x06}) << 1;
    QTest::newRow("read port command") << bytes({0xE0, 0x00, 0x02}) + sim::frames::read(0x4000)
                                       << bytes({0x15, 0xEF, 0xBE}) << 1;
    QTest::newRow("nop with low bits") << bytes({0x9F}) << bytes({0x06}) << 0;
}

void TestSim::nakAndResync()
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

// ------------------------------------------------------------ registers

void TestSim::startUpSequence()
{
    MvbControllerEmulator e;
    QCOMPARE(e.state(), sim::ControllerState::Reset);
    QVERIFY(!e.is64KBMode());

    QCOMPARE(e.process(bytes({0xC0, 0x7E, 0x07, 0x00, 0x07})), bytes({0x06}));  // SCR = 0x0700
    QCOMPARE(e.state(), sim::ControllerState::Reset);
    QVERIFY(orInto(e, 0x3F80, 0x0001));
    QCOMPARE(rd(e, 0x3F80), 0x0701);
    QCOMPARE(e.state(), sim::ControllerState::Configuration);

    QVERIFY(orInto(e, 0x3F84, 0x0002));
    QVERIFY(e.is64KBMode());
    QVERIFY(orInto(e, 0xFF80, 0x0704));
    QCOMPARE(rd(e, 0xFF80), 0x0705);
    QCOMPARE(rd(e, 0xFF84), 0x9082);
    QCOMPARE(e.state(), sim::ControllerState::Configuration);

    QVERIFY(orInto(e, 0xFF88, 0x6020));
    QCOMPARE(rd(e, 0xFF88), 0x6020);
    QCOMPARE(wr(e, 0xFF8C, 0x1004), 0x06);
    QCOMPARE(rd(e, 0xFF8C), 0x1004);
    QVERIFY(orInto(e, 0xFFD8, 0x0000));
    QVERIFY(orInto(e, 0xFFDC, 0x0094));
    QCOMPARE(rd(e, 0xFFDC), 0x0094);

    QVERIFY(orInto(e, 0xFF80, 0x0003));
    QCOMPARE(rd(e, 0xFF80), 0x0707);
    QCOMPARE(e.state(), sim::ControllerState::FullOperation);
}

void TestSim::sixteenKBMirroring()
{
    MvbControllerEmulator e;
    // In 16 KB mode addresses fold modulo 0x4000 and the registers sit at 0x3F80.
    QCOMPARE(wr(e, 0xC020, 0xBEEF), 0x06);
    QCOMPARE(e.peek(0x0020), quint16(0xBEEF));
    QCOMPARE(e.peek(0xC020), quint16(0));
    QCOMPARE(rd(e, 0x4020), 0xBEEF);
    QCOMPARE(wr(e, 0x7F80, 0x0701), 0x06);
    QCOMPARE(rd(e, 0xFF80), 0x0701);
    QCOMPARE(rd(e, 0x3F80), 0x0701);
    QCOMPARE(e.peek(0xFF80), quint16(0x0701));
    QCOMPARE(rd(e, 0x3F84), 0x9080);
    // After the switch, 0x3F80 is plain memory and SCR lives at 0xFF80 only.
    QVERIFY(orInto(e, 0x3F84, 0x0002));
    QCOMPARE(wr(e, 0x3F80, 0x1111), 0x06);
    QCOMPARE(e.peek(0x3F80), quint16(0x1111));
    QCOMPARE(rd(e, 0xFF80), 0x0701);
    QCOMPARE(wr(e, 0xC020, 0x2222), 0x06);
    QCOMPARE(e.peek(0xC020), quint16(0x2222));
    QCOMPARE(e.peek(0x0020), quint16(0xBEEF));
}

void TestSim::resetReturnsTo16KB()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    QCOMPARE(e.state(), sim::ControllerState::FullOperation);
    e.poke(0x3F80, 0x0001);  // leftover data where the reset register address falls in 64 KB mode
    // A display that restarts runs the whole sequence again.
    QVERIFY(bringUp(e));
    QCOMPARE(e.state(), sim::ControllerState::FullOperation);
    QCOMPARE(e.peek(0x3F80), quint16(0x0001));
    QCOMPARE(wr(e, 0xFF80, 0x0700), 0x06);
    QVERIFY(!e.is64KBMode());
    QCOMPARE(rd(e, 0x3F84), 0x9080);
    QCOMPARE(e.peek(0x3F80), quint16(0x0001));  // RAM survives a reset
    e.powerOn();
    QCOMPARE(e.peek(0x3F80), quint16(0));
    QCOMPARE(e.peek(0xFF80), quint16(0));
    QCOMPARE(e.state(), sim::ControllerState::Reset);
    QCOMPARE(rd(e, 0x3F84), 0x9080);
}

void TestSim::mcrLockedInFullOperation()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    QCOMPARE(wr(e, 0xFF84, 0x0000), 0x15);
    QCOMPARE(rd(e, 0xFF84), 0x9082);
    QVERIFY(e.is64KBMode());
    QCOMPARE(e.counters().naks, quint64(1));
}

// ------------------------------------------------------------ ports

void TestSim::publicationFlipsPages()
{
    MvbControllerEmulator e;
    qint64 now = 1000;
    e.setClock([&now] { return now; });
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    QCOMPARE(e.peek(0x1838), quint16(4));
    QCOMPARE(rd(e, 0xC022) & 0x40, 0);

    QVERIFY(e.publish(3100, ramp(16, 0x100)));
    QCOMPARE(rd(e, 0xC022) & 0x40, 0x40);                // page 1 is current
    QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 0x100));  // page 1 = 0x4040 + 32
    QCOMPARE(readPage(e, 0x4040, 16), QVector<quint16>(16, 0));

    QVERIFY(e.publish(3100, ramp(16, 0x200)));
    QCOMPARE(rd(e, 0xC022) & 0x40, 0);
    QCOMPARE(readPage(e, 0x4040, 16), ramp(16, 0x200));
    QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 0x100));  // the previous page is left alone
    QCOMPARE(e.publishedDataset(3100), ramp(16, 0x200));
}

void TestSim::publicationOnlyInFullOperation()
{
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    QVERIFY(wr(e, 0xFF80, 0x0700) == 0x06 && orInto(e, 0x3F80, 1) && orInto(e, 0x3F84, 2));
    configurePort(e, 3100, 4, 4, 0x402);
    QVERIFY(!e.publish(3100, ramp(16, 1)));
    QCOMPARE(rd(e, 0xC022), 0);
    QCOMPARE(readPage(e, 0x4060, 16), QVector<quint16>(16, 0));
    // Published before the port is configured: transferred once both hold.
    QVERIFY(!e.publish(3200, ramp(4, 7)));
    QVERIFY(orInto(e, 0xFF80, 3));
    configurePort(e, 3200, 8, 2, 0x402);
    now += 20;
    e.serviceTransfers();
    QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 1));
    QCOMPARE(readPage(e, 0x40A0, 4), ramp(4, 7));  // index 8: 0x4000 + 2 x 64 + 32
}

void TestSim::periodicRepublication()
{
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    QCOMPARE(e.publicationPeriodMs(), 16);
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    e.serviceTransfers();  // first sweep, nothing published yet
    QVERIFY(e.publish(3100, ramp(16, 1)));
    QCOMPARE(rd(e, 0xC022) & 0x40, 0x40);
    now += 5;
    e.serviceTransfers();
    QCOMPARE(rd(e, 0xC022) & 0x40, 0x40);  // not due yet
    now += 11;
    e.serviceTransfers();
    QCOMPARE(rd(e, 0xC022) & 0x40, 0);     // 16 ms: flipped
    QCOMPARE(readPage(e, 0x4040, 16), ramp(16, 1));
    // Incoming frames also run a due transfer before they are served.
    now += 16;
    QCOMPARE(rd(e, 0xC022) & 0x40, 0x40);
    e.setPublicationPeriodMs(100);
    now += 50;
    e.serviceTransfers();
    QCOMPARE(rd(e, 0xC022) & 0x40, 0x40);
    now += 50;
    e.serviceTransfers();
    QCOMPARE(rd(e, 0xC022) & 0x40, 0);
}

void TestSim::tackAndFreshness()
{
    MvbControllerEmulator e;
    qint64 now = 5000;
    e.setClock([&now] { return now; });
    e.setPublicationPeriodMs(1000000);  // keep periodic transfers out of the way
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    QCOMPARE(rd(e, 0xC024), 0);  // configured, not yet published: freshness 65535

    QVERIFY(e.publish(3100, ramp(16, 1)));
    const auto freshness = [&] { return quint16(~quint16(rd(e, 0xC024))); };
    QCOMPARE(freshness(), quint16(0));
    now += 250;
    QCOMPARE(freshness(), quint16(250));
    now += 9749;
    QCOMPARE(freshness(), quint16(9999));
    now += 1;
    QCOMPARE(freshness(), quint16(10000));   // stale from here on
    now += 100000;
    QCOMPARE(rd(e, 0xC024), 0);              // saturated
    QVERIFY(e.publish(3100, ramp(16, 2)));
    QCOMPARE(freshness(), quint16(0));
    // The batched status read the display makes sees the same value.
    now += 42;
    const QByteArray status = e.process(sim::frames::read(0xC020) + sim::frames::read(0xC022)
                                        + sim::frames::read(0xC024));
    QCOMPARE(status.size(), 6);
    QCOMPARE(sim::frames::replyWord(status, 0), 0x4402);
    QCOMPARE(sim::frames::replyWord(status, 4), int(quint16(~42)));
}

void TestSim::staleAndFresh()
{
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    QVERIFY(e.publish(3100, ramp(16, 1)));
    QCOMPARE(rd(e, 0xC024), 0xFFFF);

    e.setStale(3100, true);
    QVERIFY(e.isStale(3100));
    QCOMPARE(rd(e, 0xC024), 0);  // at once, without waiting
    const int page = rd(e, 0xC022) & 0x40;
    now += 100;
    e.serviceTransfers();
    QCOMPARE(rd(e, 0xC022) & 0x40, page);  // no more transfers
    QVERIFY(!e.publish(3100, ramp(16, 9)));
    QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 1));

    e.setStale(3100, false);
    QCOMPARE(rd(e, 0xC024), 0xFFFF);
    QCOMPARE(rd(e, 0xC022) & 0x40, 0);
    QCOMPARE(readPage(e, 0x4040, 16), ramp(16, 9));  // the latest dataset
}

void TestSim::neverPublishedSinkKeepsTack()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    QCOMPARE(quint16(~quint16(rd(e, 0xC024))), quint16(65535));
    QCOMPARE(wr(e, 0xC024, 0x1234), 0x06);
    QCOMPARE(rd(e, 0xC024), 0x1234);
    // Marked stale, it reads as long unpublished.
    e.setStale(3100, true);
    QCOMPARE(rd(e, 0xC024), 0);
    e.setStale(3100, false);
    QCOMPARE(rd(e, 0xC024), 0x1234);
    // Tack words of unconfigured indices are plain memory.
    QCOMPARE(wr(e, 0xC02C, 0x5555), 0x06);
    QCOMPARE(rd(e, 0xC02C), 0x5555);
}

void TestSim::portSizeFromFcode()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    configurePort(e, 1000, 12, 2, 0x402);  // 4 words, page 0 at 0x4000 + 3 x 64 = 0x40C0
    e.poke(0x40E8, 0xAAAA);                 // word 4 of page 1
    QVERIFY(e.publish(1000, ramp(16, 0x50)));
    QCOMPARE(readPage(e, 0x40E0, 5), (QVector<quint16>{0x50, 0x51, 0x52, 0x53, 0xAAAA}));
    // A dataset shorter than the port fills the rest with zeros.
    QVERIFY(e.publish(1000, {0x7777}));
    QCOMPARE(readPage(e, 0x40C0, 4), (QVector<quint16>{0x7777, 0, 0, 0}));
    QCOMPARE(e.portInfo(1000).sizeWords, 4);
    // F-code 0: one word.
    configurePort(e, 1001, 16, 0, 0x402);
    e.poke(0x4102, 0xAAAA);
    QVERIFY(e.publish(1001, {1, 2, 3}));
    QCOMPARE(readPage(e, 0x4120, 2), (QVector<quint16>{1, 0}));
    QCOMPARE(e.peek(0x4102), quint16(0xAAAA));
}

void TestSim::errorInjection()
{
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    QVERIFY(e.publish(3100, ramp(16, 1)));
    QCOMPARE(rd(e, 0xC022), 0x0040);

    e.setPortError(3100, 0x03);
    QCOMPARE(rd(e, 0xC022), 0x0043);
    QVERIFY(!e.publish(3100, ramp(16, 5)));
    QCOMPARE(rd(e, 0xC022), 0x0043);  // no data taken, no flip
    QCOMPARE(readPage(e, 0x4040, 16), QVector<quint16>(16, 0));
    // The display clears the status; the next transfer time raises the bits again.
    QCOMPARE(wr(e, 0xC022, 0), 0x06);
    now += 20;
    e.serviceTransfers();
    QCOMPARE(rd(e, 0xC022), 0x0003);
    QCOMPARE(quint16(~quint16(rd(e, 0xC024))), quint16(20));  // tack not refreshed

    e.setPortError(3100, 0);
    QCOMPARE(wr(e, 0xC022, 0), 0x06);
    now += 20;
    e.serviceTransfers();
    QCOMPARE(rd(e, 0xC022), 0x0040);
    QCOMPARE(readPage(e, 0x4060, 16), ramp(16, 5));
    QCOMPARE(rd(e, 0xC024), 0xFFFF);
}

void TestSim::reconfigurationForgetsTransfer()
{
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    e.setPublicationPeriodMs(1000000);
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    QVERIFY(e.publish(3100, ramp(16, 1)));
    now += 10;
    QCOMPARE(rd(e, 0xC024), int(quint16(~10)));
    // The display restarts, formats its tables and configures the port again.
    QVERIFY(bringUp(e));
    QCOMPARE(wr(e, 0x1838, 0), 0x06);
    QCOMPARE(wr(e, 0xC020, 0), 0x06);
    configurePort(e, 3100, 4, 4, 0x402);
    QCOMPARE(rd(e, 0xC024), 0);  // freshness 65535 until the next transfer
    QVERIFY(e.publish(3100, ramp(16, 1)));
    QCOMPARE(rd(e, 0xC024), 0xFFFF);
    // Moved to another index, the port's tack follows it.
    QCOMPARE(wr(e, 0x1838, 8), 0x06);
    configurePort(e, 3100, 8, 4, 0x402);
    QCOMPARE(rd(e, 0xC044), 0);
    QVERIFY(e.publish(3100, ramp(16, 3)));
    QCOMPARE(rd(e, 0xC044), 0xFFFF);
    QCOMPARE(readPage(e, 0x40A0, 16), ramp(16, 3));
}

void TestSim::sourcePort()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    QVector<QPair<quint16, QVector<quint16>>> heard;
    e.setSourceListener([&heard](quint16 l, const QVector<quint16>& w) { heard.append({l, w}); });

    configurePort(e, 3015, 8, 4, 0x802);  // page 0 at 0x4080, page 1 at 0x40A0
    QCOMPARE(e.readSource(3015).valid, false);
    QCOMPARE(e.readSource(3015).flips, quint32(0));

    // The display's put: write the selected page, then flip.
    const QVector<quint16> first = ramp(16, 0x300);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(wr(e, quint16(0x4080 + 2 * i), first[i]), 0x06);
    QCOMPARE(wr(e, 0xC042, 0x0040), 0x06);
    sim::SourceData data = e.readSource(3015);
    QVERIFY(data.valid);
    QCOMPARE(data.flips, quint32(1));
    QCOMPARE(data.words, first);
    QCOMPARE(heard.size(), 1);
    QCOMPARE(heard[0].first, quint16(3015));
    QCOMPARE(heard[0].second, first);

    const QVector<quint16> second = ramp(16, 0x400);
    for (int i = 0; i < 16; ++i)
        wr(e, quint16(0x40A0 + 2 * i), second[i]);
    QCOMPARE(wr(e, 0xC042, 0x0000), 0x06);
    data = e.readSource(3015);
    QCOMPARE(data.flips, quint32(2));
    QCOMPARE(data.words, second);
    QCOMPARE(heard.size(), 2);
    // Rewriting the status without a flip is not counted.
    QCOMPARE(wr(e, 0xC042, 0x0000), 0x06);
    QCOMPARE(e.readSource(3015).flips, quint32(2));

    // Publishing to a source port transfers nothing.
    QVERIFY(!e.publish(3015, ramp(16, 0x999)));
    QCOMPARE(e.readSource(3015).words, second);
    // A sink is not a source.
    configurePort(e, 3100, 4, 4, 0x402);
    QVERIFY(e.readSource(3100).words.isEmpty());
    QVERIFY(e.readSource(4000).words.isEmpty());
    // Reconfiguration restarts the count.
    configurePort(e, 3015, 8, 4, 0x802);
    QCOMPARE(e.readSource(3015).flips, quint32(0));
}

void TestSim::portInfo()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    configurePort(e, 3015, 8, 3, 0x802);
    const sim::PortInfo sink = e.portInfo(3100);
    QCOMPARE(sink.index, quint16(4));
    QCOMPARE(sink.direction, sim::PortDirection::Sink);
    QCOMPARE(sink.fcode, 4);
    QCOMPARE(sink.sizeWords, 16);
    QCOMPARE(sink.pcsAddress, quint16(0xC020));
    QCOMPARE(sink.page0Address, quint16(0x4040));
    const sim::PortInfo source = e.portInfo(3015);
    QCOMPARE(source.direction, sim::PortDirection::Source);
    QCOMPARE(source.sizeWords, 8);
    QCOMPARE(e.portInfo(5).index, quint16(0));
    const QVector<sim::PortInfo> all = e.configuredPorts();
    QCOMPARE(all.size(), 2);
    QCOMPARE(all[0].logicalAddress, quint16(3015));
    QCOMPARE(all[1].logicalAddress, quint16(3100));
}

// ------------------------------------------------------------ faults and counters

void TestSim::silentMode()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    e.resetCounters();
    e.setFaultMode(sim::FaultMode::Silent);
    QVERIFY(e.process(sim::frames::write(0x4000, 0x1234) + sim::frames::read(0x4000) + sim::frames::nop()).isEmpty());
    QVERIFY(e.process(bytes({0xA0, 0x00})).isEmpty());
    QCOMPARE(e.peek(0x4000), quint16(0));
    QCOMPARE(e.counters().bytesIn, quint64(5 + 3 + 1 + 2));
    QCOMPARE(e.counters().transactions, quint64(0));
    // Back to normal: the half frame sent while silent is gone.
    e.setFaultMode(sim::FaultMode::Normal);
    QCOMPARE(e.process(bytes({0x00})), bytes({0x15}));
    QCOMPARE(rd(e, 0xFF80), 0x0707);
}

void TestSim::nakMode()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    e.resetCounters();
    e.setFaultMode(sim::FaultMode::NakAll);
    QCOMPARE(e.process(sim::frames::read(0xFF80)), bytes({0x15}));
    QCOMPARE(e.process(sim::frames::write(0x4000, 0x1234)), bytes({0x15}));
    QCOMPARE(e.process(sim::frames::nop()), bytes({0x15}));
    QCOMPARE(e.peek(0x4000), quint16(0));
    QCOMPARE(e.counters().naks, quint64(3));
    QCOMPARE(e.counters().transactions, quint64(3));
    QCOMPARE(e.counters().writes, quint64(0));
}

void TestSim::shortMode_data()
{
    QTest::addColumn<int>("shortBy");
    QTest::addColumn<QByteArray>("readReply");
    QTest::addColumn<QByteArray>("writeReply");
    QTest::newRow("one byte lost") << 1 << bytes({0x34}) << QByteArray();
    QTest::newRow("two bytes lost") << 2 << QByteArray() << QByteArray();
    QTest::newRow("none lost") << 0 << bytes({0x34, 0x12}) << bytes({0x06});
}

void TestSim::shortMode()
{
    QFETCH(int, shortBy);
    QFETCH(QByteArray, readReply);
    QFETCH(QByteArray, writeReply);
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    e.poke(0x4000, 0x1234);
    e.setFaultMode(sim::FaultMode::ShortReply, shortBy);
    QCOMPARE(e.shortBy(), shortBy);
    QCOMPARE(e.process(sim::frames::read(0x4000)), readReply);
    QCOMPARE(e.process(sim::frames::write(0x4002, 0x5678)), writeReply);
    QCOMPARE(e.peek(0x4002), quint16(0x5678));  // executed all the same
    // Batched reads lose bytes per reply.
    if (shortBy == 1)
        QCOMPARE(e.process(sim::frames::read(0x4000) + sim::frames::read(0x4002)), bytes({0x34, 0x78}));
}

void TestSim::garbageMode()
{
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    e.poke(0x4000, 0x1234);
    e.setFaultMode(sim::FaultMode::Garbage);
    e.setGarbageSeed(7);
    int differing = 0;
    for (int i = 0; i < 64; ++i) {
        const QByteArray reply = e.process(sim::frames::read(0x4000));
        QCOMPARE(reply.size(), 2);
        if (reply != bytes({0x34, 0x12}))
            ++differing;
    }
    QVERIFY(differing > 32);
    QCOMPARE(e.process(sim::frames::write(0x4002, 0x5678)).size(), 1);
    QCOMPARE(e.peek(0x4002), quint16(0x5678));
    // The same seed gives the same bytes.
    e.setGarbageSeed(99);
    const QByteArray a = e.process(sim::frames::read(0x4000));
    e.setGarbageSeed(99);
    QCOMPARE(e.process(sim::frames::read(0x4000)), a);
    QCOMPARE(sim::parseFaultMode(QStringLiteral("garbage")), std::optional<sim::FaultMode>(sim::FaultMode::Garbage));
    QCOMPARE(sim::parseFaultMode(QStringLiteral("loud")), std::optional<sim::FaultMode>());
}

void TestSim::counters()
{
    MvbControllerEmulator e;
    QCOMPARE(e.process(sim::frames::nop() + sim::frames::write(0x0100, 1) + sim::frames::read(0x0100)
                       + bytes({0x01})),
             bytes({0x06, 0x06, 0x01, 0x00, 0x15}));
    sim::Counters c = e.counters();
    QCOMPARE(c.bytesIn, quint64(1 + 5 + 3 + 1));
    QCOMPARE(c.bytesOut, quint64(5));
    QCOMPARE(c.transactions, quint64(4));
    QCOMPARE(c.naks, quint64(1));
    QCOMPARE(c.reads, quint64(1));
    QCOMPARE(c.writes, quint64(1));
    QCOMPARE(c.nops, quint64(1));
    QCOMPARE(sim::formatCounters(c),
             QStringLiteral("bytes_in=10 bytes_out=5 transactions=4 naks=1 reads=1 writes=1 nops=1"));
    e.resetCounters();
    c = e.counters();
    QCOMPARE(c.bytesIn + c.bytesOut + c.transactions + c.naks + c.reads + c.writes + c.nops, quint64(0));
}

void TestSim::lineTime()
{
    // 11 bits a byte at 460800 baud.
    QCOMPARE(qRound(sim::lineTimeMicros(1) * 100), 2387);
    QCOMPARE(qRound(sim::lineTimeMicros(16)), 382);
    QCOMPARE(qRound(sim::lineTimeMicros(10, 9600, 10)), 10417);
}

// ------------------------------------------------------------ commands

void TestSim::commands_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("errorPart");
    QTest::newRow("blank") << "   " << true << "";
    QTest::newRow("comment") << "# set 1 2 3" << true << "";
    QTest::newRow("unknown") << "jump 3" << false << "unknown command: jump";
    QTest::newRow("set") << "set 3100 0 0x1234" << true << "";
    QTest::newRow("set decimal") << "set 3100 15 65535" << true << "";
    QTest::newRow("set word too high") << "set 3100 16 1" << false << "word must be a number from 0 to 15";
    QTest::newRow("set value too high") << "set 3100 0 0x10000" << false << "value";
    QTest::newRow("set port too high") << "set 4096 0 1" << false << "port must be a number from 0 to 4095";
    QTest::newRow("set missing value") << "set 3100 0" << false << "usage: set";
    QTest::newRow("set not a number") << "set 3100 zero 1" << false << "word";
    QTest::newRow("publish") << "publish 3100 1 2 0x33" << true << "";
    QTest::newRow("publish no words") << "publish 3100" << false << "usage: publish";
    QTest::newRow("publish 17 words") << "publish 1 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17" << false << "usage";
    QTest::newRow("stale") << "stale 3100" << true << "";
    QTest::newRow("stale no port") << "stale" << false << "usage: stale";
    QTest::newRow("fresh") << "fresh 0x0c1c" << true << "";
    QTest::newRow("error") << "error 3100 3" << true << "";
    QTest::newRow("error bits too high") << "error 3100 32" << false << "bits";
    QTest::newRow("mode") << "mode short 2" << true << "";
    QTest::newRow("mode unknown") << "mode loud" << false << "unknown mode: loud";
    QTest::newRow("stats extra") << "stats now" << false << "usage: stats";
    QTest::newRow("quit args") << "quit now" << false << "quit takes no arguments";
    QTest::newRow("source of unconfigured") << "source 3015" << false << "not a source port";
}

void TestSim::commands()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(QString, errorPart);
    MvbControllerEmulator e;
    sim::CommandInterpreter interpreter;
    sim::registerMvbCommands(interpreter, e);
    const auto result = interpreter.execute(line);
    QCOMPARE(result.ok, ok);
    QVERIFY2(result.error.contains(errorPart), qPrintable(result.error));
    QVERIFY(!result.quit);
}

void TestSim::commandEffects()
{
    MvbControllerEmulator e;
    qint64 now = 0;
    e.setClock([&now] { return now; });
    sim::CommandInterpreter in;
    sim::registerMvbCommands(in, e);
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    configurePort(e, 3015, 8, 2, 0x802);

    QVERIFY(in.execute(QStringLiteral("set 3100 2 0xBEEF")).ok);
    QVector<quint16> expected(16, 0);
    expected[2] = 0xBEEF;
    QCOMPARE(e.publishedDataset(3100), expected);
    QCOMPARE(readPage(e, 0x4060, 16), expected);
    QVERIFY(in.execute(QStringLiteral("set 3100 3 7")).ok);
    expected[3] = 7;
    QCOMPARE(readPage(e, 0x4040, 16), expected);

    QVERIFY(in.execute(QStringLiteral("publish 3100 1 2 3")).ok);
    QCOMPARE(e.publishedDataset(3100), (QVector<quint16>{1, 2, 3}));
    QVERIFY(in.execute(QStringLiteral("set 3100 5 9")).ok);  // extends a short dataset
    QCOMPARE(e.publishedDataset(3100), (QVector<quint16>{1, 2, 3, 0, 0, 9}));

    QVERIFY(in.execute(QStringLiteral("stale 3100")).ok);
    QVERIFY(e.isStale(3100));
    QCOMPARE(rd(e, 0xC024), 0);
    QVERIFY(in.execute(QStringLiteral("fresh 3100")).ok);
    QVERIFY(!e.isStale(3100));
    QCOMPARE(rd(e, 0xC024), 0xFFFF);

    QVERIFY(in.execute(QStringLiteral("error 3100 0x11")).ok);
    QCOMPARE(rd(e, 0xC022) & 0x1F, 0x11);
    QVERIFY(in.execute(QStringLiteral("error 3100 0")).ok);

    QVERIFY(in.execute(QStringLiteral("mode nak")).ok);
    QCOMPARE(e.faultMode(), sim::FaultMode::NakAll);
    QVERIFY(in.execute(QStringLiteral("mode short 2")).ok);
    QCOMPARE(e.faultMode(), sim::FaultMode::ShortReply);
    QCOMPARE(e.shortBy(), 2);
    QVERIFY(in.execute(QStringLiteral("mode normal")).ok);

    for (int i = 0; i < 4; ++i)
        wr(e, quint16(0x4080 + 2 * i), quint16(0xA0 + i));
    wr(e, 0xC042, 0x40);
    const auto source = in.execute(QStringLiteral("source 3015"));
    QVERIFY(source.ok);
    QCOMPARE(source.output, QStringLiteral("source 3015 flips=1 0x00a0 0x00a1 0x00a2 0x00a3"));

    const auto ports = in.execute(QStringLiteral("ports"));
    QCOMPARE(ports.output, QStringLiteral("port 3015 index=8 source fcode=2 page=1 errors=0\n"
                                          "port 3100 index=4 sink fcode=4 page=1 errors=17\n"
                                          "ports 2"));

    e.resetCounters();
    rd(e, 0x4000);
    const auto stats = in.execute(QStringLiteral("stats reset"));
    QCOMPARE(stats.output, QStringLiteral("stats bytes_in=3 bytes_out=2 transactions=1 naks=0 reads=1 writes=0 "
                                          "nops=0 state=full-operation mode=normal"));
    QCOMPARE(e.counters().bytesIn, quint64(0));

    QVERIFY(in.execute(QStringLiteral("quit")).quit);
    QVERIFY(in.execute(QStringLiteral("help")).output.contains(QStringLiteral("publish <port> <w0>")));

    // More parts of the simulator add their own commands.
    int keys = 0;
    in.add(QStringLiteral("key"), QStringLiteral("<name>"), QStringLiteral("presses a key"),
           [&keys](const QStringList& args) {
               ++keys;
               return sim::CommandInterpreter::Result::success(args.join(QLatin1Char(',')));
           });
    QCOMPARE(in.execute(QStringLiteral("  key   UP  ")).output, QStringLiteral("UP"));
    QCOMPARE(keys, 1);
}

// ------------------------------------------------------------ pty and program

void TestSim::ptyRoundTrip()
{
    const int fdsBefore = openFdCount();
    {
        MvbControllerEmulator e;
        QVERIFY(bringUp(e));
        e.poke(0x4040, 0x1234);
        e.poke(0x4042, 0x5678);
        e.poke(0x4044, 0x9ABC);
        sim::PtyServer server(e);
        QString error;
        QVERIFY2(server.start(&error), qPrintable(error));
        QVERIFY(server.isRunning());
        QVERIFY(server.slavePath().startsWith(QStringLiteral("/dev/pts/")));

        const int fd = openLikeDisplay(server.slavePath());
        QVERIFY(fd >= 0);
        // A read as three one-byte writes.
        for (char c : sim::frames::read(0xFF80))
            QVERIFY(writeAll(fd, QByteArray(1, c)));
        QCOMPARE(readReply(fd, 2), bytes({0x07, 0x07}));
        // A batch of three reads in one write.
        QVERIFY(writeAll(fd, sim::frames::read(0x4040) + sim::frames::read(0x4042) + sim::frames::read(0x4044)));
        QCOMPARE(readReply(fd, 6), bytes({0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A}));
        // A write, a no-operation and all byte values through the line.
        QVERIFY(writeAll(fd, sim::frames::write(0x4000, 0xFF00) + sim::frames::nop()));
        QCOMPARE(readReply(fd, 2), bytes({0x06, 0x06}));
        QCOMPARE(e.peek(0x4000), quint16(0xFF00));
        for (int v = 0; v < 256; v += 51) {
            QVERIFY(writeAll(fd, sim::frames::write(0x4002, quint16(v | (v ^ 0xFF) << 8)) + sim::frames::read(0x4002)));
            QCOMPARE(readReply(fd, 3), bytes({0x06, v, v ^ 0xFF}));
        }
        // A silent controller: the display's read times out empty.
        e.setFaultMode(sim::FaultMode::Silent);
        QVERIFY(writeAll(fd, sim::frames::read(0xFF80)));
        QCOMPARE(readReply(fd, 2), QByteArray());
        QVERIFY(server.chunksReceived() > 0);
        ::close(fd);
        server.stop();
        QVERIFY(!server.isRunning());
        server.stop();  // twice is harmless
    }
    QCOMPARE(openFdCount(), fdsBefore);
}

void TestSim::ptyLinkAndPacing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("mvb"));
    QVERIFY(QFile::link(QStringLiteral("/nonexistent"), link));  // an old link is replaced
    MvbControllerEmulator e;
    QVERIFY(bringUp(e));
    {
        sim::PtyServer server(e);
        server.setLinkPath(link);
        server.setPacing(true);
        QVERIFY(server.start());
        QCOMPARE(QFileInfo(link).symLinkTarget(), server.slavePath());
        const int fd = openLikeDisplay(link);
        QVERIFY(fd >= 0);
        QVERIFY(writeAll(fd, sim::frames::read(0xFF84)));
        QCOMPARE(readReply(fd, 2), bytes({0x82, 0x90}));
        QVERIFY(writeAll(fd, sim::frames::read(0xFF80) + sim::frames::read(0xFF84)));
        QCOMPARE(readReply(fd, 4), bytes({0x07, 0x07, 0x82, 0x90}));
        ::close(fd);
    }
    QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());

    // A regular file at the link path is never replaced.
    QFile plain(link);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    sim::PtyServer server(e);
    server.setLinkPath(link);
    QString error;
    QVERIFY(!server.start(&error));
    QVERIFY(error.contains(QStringLiteral("not a symbolic link")));
    QVERIFY(QFileInfo(link).isFile());
}

void TestSim::ptySend()
{
    QByteArray received;
    sim::PtyServer server([&received](const QByteArray& in) {
        received += in;
        return QByteArray();
    });
    QVERIFY(server.start());
    const int fd = openLikeDisplay(server.slavePath());
    QVERIFY(fd >= 0);
    server.send(bytes({0xAA, 0x55, 0x01}));
    QCOMPARE(readReply(fd, 3), bytes({0xAA, 0x55, 0x01}));
    QVERIFY(writeAll(fd, bytes({0x10, 0x20})));
    QTRY_COMPARE(server.chunksReceived() > 0, true);
    server.stop();
    QCOMPARE(received, bytes({0x10, 0x20}));
    ::close(fd);
}

void TestSim::publishWhileServing()
{
    // The vehicle side publishes from its own thread while the pty thread
    // serves the display: every reply keeps its length and every status read
    // sees a sink with a valid page bit (run under the thread sanitizer too).
    MvbControllerEmulator e;
    e.setPublicationPeriodMs(1);
    QVERIFY(bringUp(e));
    configurePort(e, 3100, 4, 4, 0x402);
    sim::PtyServer server(e);
    server.setIdleIntervalMs(1);
    QVERIFY(server.start());
    std::atomic<bool> done{false};
    std::thread publisher([&] {
        for (quint16 n = 0; !done; ++n) {
            e.publish(3100, QVector<quint16>(16, n));
            e.setStale(3101, n & 1);
            std::this_thread::yield();
        }
    });
    const int fd = openLikeDisplay(server.slavePath());
    QVERIFY(fd >= 0);
    const QByteArray status = sim::frames::read(0xC020) + sim::frames::read(0xC022) + sim::frames::read(0xC024);
    QByteArray data;
    for (int i = 0; i < 4; ++i)
        data += sim::frames::read(quint16(0x4040 + 2 * i));
    bool ok = true;
    for (int i = 0; i < 200 && ok; ++i) {
        ok = writeAll(fd, status);
        const QByteArray s = readReply(fd, 6);
        ok = ok && s.size() == 6 && sim::frames::replyWord(s, 0) == 0x4402
            && (sim::frames::replyWord(s, 2) & ~0x40) == 0;
        ok = ok && writeAll(fd, data) && readReply(fd, 8).size() == 8;
    }
    done = true;
    publisher.join();
    ::close(fd);
    server.stop();
    QVERIFY(ok);
}

void TestSim::program()
{
    const QString binDir = qEnvironmentVariable("DDU_BIN_DIR");
    if (binDir.isEmpty())
        QSKIP("DDU_BIN_DIR not set (run through ctest)");
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("mvb"));
    const QString stats = dir.filePath(QStringLiteral("stats"));
    QProcess p;
    p.start(binDir + QStringLiteral("/ddu-sim"),
            {QStringLiteral("--link"), link, QStringLiteral("--stats-file"), stats, QStringLiteral("--paced")});
    QVERIFY(p.waitForStarted());
    QVERIFY(p.waitForReadyRead(5000));
    QTRY_VERIFY(p.canReadLine());
    const QString first = QString::fromLocal8Bit(p.readLine()).trimmed();
    QVERIFY2(first.startsWith(QStringLiteral("MVB /dev/pts/")), qPrintable(first));
    QCOMPARE(QFileInfo(link).symLinkTarget(), first.mid(4));
    // The keypad and touch ptys are announced next.
    for (const char* name : {"KEYPAD /dev/pts/", "TOUCH /dev/pts/"}) {
        QTRY_VERIFY(p.canReadLine());
        const QString line = QString::fromLocal8Bit(p.readLine()).trimmed();
        QVERIFY2(line.startsWith(QLatin1String(name)), qPrintable(line));
    }

    const int fd = openLikeDisplay(link);
    QVERIFY(fd >= 0);
    // The display's first steps over the wire.
    QVERIFY(writeAll(fd, sim::frames::write(0xFF80, 0x0700)));
    QCOMPARE(readReply(fd, 1), bytes({0x06}));
    QVERIFY(writeAll(fd, sim::frames::read(0x3F84)));
    QCOMPARE(readReply(fd, 2), bytes({0x80, 0x90}));

    p.write("publish 3100 1 2 3\nbogus\nstats\n");
    QTRY_VERIFY(p.canReadLine());
    const QString statsLine = QString::fromLocal8Bit(p.readLine()).trimmed();
    QCOMPARE(statsLine, QStringLiteral("stats bytes_in=8 bytes_out=3 transactions=2 naks=0 reads=1 writes=1 nops=0 "
                                       "state=reset mode=normal"));
    QByteArray errors;
    QTRY_VERIFY2((errors += p.readAllStandardError()).contains("error: unknown command: bogus"), errors.constData());
    p.write("quit\n");
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    ::close(fd);
    QVERIFY(!QFileInfo(link).isSymLink());
    QFile statsFile(stats);
    QVERIFY(statsFile.open(QIODevice::ReadOnly));
    const QByteArray content = statsFile.readAll();
    QVERIFY2(content.contains("bytes_in=8\n") && content.contains("state=reset\n"), content.constData());
}

void TestSim::programStopsOnSigterm()
{
    const QString binDir = qEnvironmentVariable("DDU_BIN_DIR");
    if (binDir.isEmpty())
        QSKIP("DDU_BIN_DIR not set (run through ctest)");
    QProcess p;
    p.start(binDir + QStringLiteral("/ddu-sim"), {QStringLiteral("--mode"), QStringLiteral("nak")});
    QVERIFY(p.waitForStarted());
    QTRY_VERIFY(p.canReadLine());
    const QString path = QString::fromLocal8Bit(p.readLine()).trimmed().mid(4);
    const int fd = openLikeDisplay(path);
    QVERIFY(fd >= 0);
    QVERIFY(writeAll(fd, sim::frames::nop()));
    QCOMPARE(readReply(fd, 1), bytes({0x15}));
    ::close(fd);
    p.closeWriteChannel();  // end of input does not stop it
    QTest::qWait(100);
    QCOMPARE(p.state(), QProcess::Running);
    p.terminate();
    QVERIFY(p.waitForFinished(5000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);

    QProcess bad;
    bad.start(binDir + QStringLiteral("/ddu-sim"), {QStringLiteral("--mode"), QStringLiteral("loud")});
    QVERIFY(bad.waitForFinished(5000));
    QCOMPARE(bad.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestSim)
#include "test_sim.moc"
