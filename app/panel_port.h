#ifndef PANEL_PORT_H
#define PANEL_PORT_H

// A keypad or touch-panel UART of the cab.
//
// Bytes read are handed to a sink as they arrive. When the port cannot be
// opened, or it fails while open (its far end hung up: a USB-serial adapter
// unplugged, the far end of a pseudo-terminal closed, a read error or
// end-of-file), it is closed and opened again after 1 s, then 2, 4 ... up to
// 30 s between tries, until the device is back. Nothing is read while it is
// closed, so a dead line costs no processor time (an open port whose far end
// is gone otherwise reports the same error again and again without pause).

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <functional>

class PanelPort : public QObject {
    Q_OBJECT

public:
    using Sink = std::function<void(const char* data, int size)>;

    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kMaxRetryMs = 30000;

    // `name` becomes the object name of the serial port (COM4, COM5).
    PanelPort(const QString& name, const QString& device, qint32 baud, Sink sink, QObject* parent = nullptr);

    // First attempt; a failure is retried with back-off like a hang-up.
    void start();

    bool isOpen() const { return m_port->isOpen(); }
    // Times the port was closed after failing while open.
    int hangUps() const { return m_hangUps; }
    // Open attempts that failed.
    int failedOpens() const { return m_failedOpens; }
    // Delay before the next attempt while closed.
    int retryDelayMs() const { return m_delayMs; }
    QSerialPort* serialPort() const { return m_port; }

private:
    void readAvailable();
    void onError(QSerialPort::SerialPortError error);
    void hangUp();
    void tryOpen();

    QSerialPort* m_port;
    QTimer m_retry;
    Sink m_sink;
    int m_delayMs = kFirstRetryMs;
    int m_hangUps = 0;
    int m_failedOpens = 0;
    bool m_hangUpQueued = false;
    const char* m_lostBecause = "";
};

#endif
