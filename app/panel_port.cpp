#include "app/panel_port.h"

#include <QDebug>

#include <algorithm>

PanelPort::PanelPort(const QString& name, const QString& device, qint32 baud, Sink sink, QObject* parent)
    : QObject(parent)
    , m_port(new QSerialPort(this))
    , m_sink(std::move(sink))
{
    setObjectName(name + QStringLiteral("_link"));
    m_port->setObjectName(name);
    m_port->setPortName(device);
    // Parity and speed are set before open(): changing them on an open
    // pseudo-terminal can fail.
    m_port->setBaudRate(baud);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    connect(m_port, &QSerialPort::readyRead, this, &PanelPort::readAvailable);
    connect(m_port, &QSerialPort::errorOccurred, this, &PanelPort::onError);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &PanelPort::tryOpen);
}

void PanelPort::start()
{
    tryOpen();
}

void PanelPort::tryOpen()
{
    if (m_port->isOpen())
        return;
    m_port->clearError();
    if (m_port->open(QIODevice::ReadWrite)) {
        if (m_delayMs != kFirstRetryMs)
            qDebug() << "serial port" << m_port->portName() << "open again";
        m_delayMs = kFirstRetryMs;
        return;
    }
    // Said once, not at every try of a port that stays away.
    ++m_failedOpens;
    if (m_delayMs == kFirstRetryMs)
        qDebug() << "serial port" << m_port->portName() << "not opened:" << m_port->errorString()
                 << "- trying again with growing pauses";
    m_retry.start(m_delayMs);
    m_delayMs = std::min(m_delayMs * 2, kMaxRetryMs);
}

void PanelPort::readAvailable()
{
    if (!m_port->isOpen() || m_hangUpQueued)
        return;
    char buf[512];
    const qint64 n = m_port->read(buf, sizeof buf);
    if (n > 0 && m_sink)
        m_sink(buf, int(n));
    // readyRead is not raised again for bytes already buffered: fetch the
    // rest in further calls instead of leaving it until the next byte.
    if (m_port->isOpen() && m_port->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &PanelPort::readAvailable, Qt::QueuedConnection);
}

void PanelPort::onError(QSerialPort::SerialPortError error)
{
    // A read that fails or finds end-of-file is a ReadError; a device that
    // went away is a ResourceError. Either repeats for as long as the port
    // stays open. The port is closed from the event loop, not inside the
    // port's own notification.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    if (!m_port->isOpen() || m_hangUpQueued)
        return;
    m_hangUpQueued = true;
    m_lostBecause = error == QSerialPort::ReadError ? "read failed or end of file" : "device gone";
    QMetaObject::invokeMethod(this, &PanelPort::hangUp, Qt::QueuedConnection);
}

void PanelPort::hangUp()
{
    m_hangUpQueued = false;
    if (!m_port->isOpen())
        return;
    ++m_hangUps;
    // (errorString() repeats a stale errno here, often a misleading one.)
    qDebug() << "serial port" << m_port->portName() << "lost:" << m_lostBecause << "- closed, opening it again in"
             << m_delayMs << "ms";
    m_port->close();
    m_retry.start(m_delayMs);
    m_delayMs = std::min(m_delayMs * 2, kMaxRetryMs);
}
