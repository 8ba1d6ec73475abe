// Keypad and touch ports whose far end hangs up: the port is closed, nothing
// spins while it is away, and input flows again once a device is back at the
// same path. Real pseudo-terminals stand in for the UARTs; a symbolic link is
// the device path, re-pointed when "the adapter is plugged in again".

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "app/panel_port.h"

namespace {

// The master side of a new pseudo-terminal, its slave linked at `link`.
int newPtyAt(const QString& link)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return -1;
    QFile::remove(link);
    if (!QFile::link(QString::fromLocal8Bit(::ptsname(master)), link)) {
        ::close(master);
        return -1;
    }
    return master;
}

bool send(int master, const QByteArray& bytes)
{
    return ::write(master, bytes.constData(), size_t(bytes.size())) == bytes.size();
}

} // namespace

class TestPanelPort : public QObject {
    Q_OBJECT

private slots:
    void hungUpPortIsClosedAndOpenedAgain()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyKEY"));
        int master = newPtyAt(link);
        QVERIFY(master >= 0);

        QByteArray got;
        PanelPort port(QStringLiteral("COM4"), link, 9600, [&got](const char* d, int n) { got.append(d, n); });
        port.start();
        QVERIFY(port.isOpen());
        QCOMPARE(port.serialPort()->objectName(), QStringLiteral("COM4"));
        QVERIFY(send(master, "\x02K1\x03"));
        QTRY_COMPARE_WITH_TIMEOUT(got, QByteArray("\x02K1\x03"), 30000);

        // The adapter is unplugged: the far end closes.
        QSignalSpy errors(port.serialPort(), &QSerialPort::errorOccurred);
        ::close(master);
        QTRY_VERIFY_WITH_TIMEOUT(!port.isOpen(), 30000);
        QCOMPARE(port.hangUps(), 1);
        // While it is away the port is only tried now and then: a couple of
        // failed opens, not a stream of errors (an open port whose far end
        // is gone reports one without pause, hundreds of thousands a second).
        QTRY_VERIFY_WITH_TIMEOUT(port.failedOpens() >= 2, 60000);
        QVERIFY2(errors.count() < 50, qPrintable(QString::number(errors.count())));
        QVERIFY(port.retryDelayMs() > PanelPort::kFirstRetryMs);

        // Plugged in again: the next try opens it and keys arrive.
        master = newPtyAt(link);
        QVERIFY(master >= 0);
        QTRY_VERIFY_WITH_TIMEOUT(port.isOpen(), 60000);
        QCOMPARE(port.retryDelayMs(), PanelPort::kFirstRetryMs);
        got.clear();
        QVERIFY(send(master, "\x02K2\x03"));
        QTRY_COMPARE_WITH_TIMEOUT(got, QByteArray("\x02K2\x03"), 30000);
        ::close(master);
    }

    // A device missing at start is tried with growing pauses, never faster
    // than the first one, and opened once it appears.
    void missingAtStartIsOpenedWhenItAppears()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyTOUCH"));
        QByteArray got;
        PanelPort port(QStringLiteral("COM5"), link, 115200, [&got](const char* d, int n) { got.append(d, n); });
        port.start();
        QVERIFY(!port.isOpen());
        QCOMPARE(port.failedOpens(), 1);
        QCOMPARE(port.retryDelayMs(), 2 * PanelPort::kFirstRetryMs);
        QTRY_VERIFY_WITH_TIMEOUT(port.failedOpens() >= 2, 60000);
        QCOMPARE(port.retryDelayMs(), 4 * PanelPort::kFirstRetryMs);

        const int master = newPtyAt(link);
        QVERIFY(master >= 0);
        QTRY_VERIFY_WITH_TIMEOUT(port.isOpen(), 60000);
        QCOMPARE(port.hangUps(), 0);
        QVERIFY(send(master, QByteArray(600, 'T'))); // more than one read
        QTRY_COMPARE_WITH_TIMEOUT(got.size(), 600, 30000);
        ::close(master);
    }
};

QTEST_GUILESS_MAIN(TestPanelPort)
#include "tst_panel_port.moc"
