#pragma once
// The display's side of the simulator in its tests, through frames only: word
// reads and writes, start-up, ports and pages as the display's driver does them.
// Each helper takes the link the frames go through: the emulator itself, or a
// PtyLink to a running ddu-sim (anything with QByteArray process(QByteArray)).

#include "sim/frames.h"
#include "sim/mvb_controller_emulator.h"

#include <QByteArray>
#include <QFile>
#include <QVector>

#include <algorithm>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace display_side {

constexpr quint16 kSink = 0x402;
constexpr quint16 kSource = 0x802;

inline QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray b;
    for (int v : list)
        b.append(char(v));
    return b;
}

// The word read, or -1 when the reply is not two bytes.
template <class Link> inline int rd(Link& e, quint16 address)
{
    const QByteArray reply = e.process(sim::frames::read(address));
    return reply.size() == 2 ? sim::frames::replyWord(reply) : -1;
}

// The reply byte of a write, or -1 when the reply is not one byte.
template <class Link> inline int wr(Link& e, quint16 address, quint16 value)
{
    const QByteArray reply = e.process(sim::frames::write(address, value));
    return reply.size() == 1 ? quint8(reply[0]) : -1;
}

template <class Link> inline bool orInto(Link& e, quint16 address, quint16 bits)
{
    const int old = rd(e, address);
    return old >= 0 && wr(e, address, quint16(old | bits)) == 0x06;
}

// The display's start-up: reset, configuration, 64 KB, decoder, full operation,
// with the register values it checks on the way.
template <class Link> inline bool bringUp(Link& e)
{
    return wr(e, 0xFF80, 0x0700) == 0x06 && orInto(e, 0x3F80, 0x0001) && rd(e, 0x3F80) == 0x0701 &&
        orInto(e, 0x3F84, 0x0002) && orInto(e, 0xFF80, 0x0704) && rd(e, 0xFF80) == 0x0705 && rd(e, 0xFF84) == 0x9082 &&
        orInto(e, 0xFF88, 0x6020) && orInto(e, 0xFF80, 0x0003);
}

// Port index table entry, then the port's control words (status cleared, tack 0 for a sink).
template <class Link> inline void configurePort(Link& e, quint16 logical, quint16 index, int fcode, quint16 kind)
{
    wr(e, quint16(2 * logical), index);
    wr(e, quint16(0xC000 + 8 * index), quint16((fcode << 12) | kind));
    wr(e, quint16(0xC000 + 8 * index + 2), 0);
    if (kind == kSink)
        wr(e, quint16(0xC000 + 8 * index + 4), 0);
}

template <class Link> inline QVector<quint16> readPage(Link& e, int address, int n)
{
    QVector<quint16> w;
    for (int i = 0; i < n; ++i)
        w.append(quint16(rd(e, quint16(address + 2 * i))));
    return w;
}

// Page of a port index: 32 words each, the one selected by status bit 6.
inline quint16 pageAddress(int index, int status)
{
    return quint16(0x4000 + (index >> 2) * 64 + ((status >> 6) & 1) * 32);
}

// The words of a sink port as the display reads them: the page selected by bit 6.
template <class Link> inline QVector<quint16> readSink(Link& e, quint16 index, int n)
{
    return readPage(e, pageAddress(index, rd(e, quint16(0xC000 + 8 * index + 2))), n);
}

// Freshness of a sink port as the display computes it: ~tack.
template <class Link> inline int freshness(Link& e, quint16 index)
{
    return quint16(~rd(e, quint16(0xC000 + 8 * index + 4)));
}

// The display writing its output port: the selected page, then the flip.
template <class Link> inline void writeSource(Link& e, quint16 index, const QVector<quint16>& words)
{
    const quint16 pcs1 = quint16(0xC000 + 8 * index + 2);
    const int status = rd(e, pcs1);
    for (int i = 0; i < words.size(); ++i)
        wr(e, quint16(pageAddress(index, status) + 2 * i), words[i]);
    wr(e, pcs1, quint16(status ^ 0x40));
}

// Opens a pty the way the display opens its UART: raw, reads time out after 1 s.
inline int openLikeDisplay(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (fd >= 0 && tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 10;
        tcsetattr(fd, TCSANOW, &tio);
    }
    return fd;
}

// Reads until `n` bytes came or a read timed out.
inline QByteArray readReply(int fd, int n)
{
    QByteArray out;
    char buf[64];
    ssize_t r = 1;
    while (out.size() < n && (r = ::read(fd, buf, size_t(std::min<int>(int(sizeof buf), n - out.size())))) > 0)
        out.append(buf, int(r));
    return out;
}

inline bool writeAll(int fd, const QByteArray& b)
{
    return ::write(fd, b.constData(), size_t(b.size())) == b.size();
}

// Frames through the pty of a running ddu-sim: one frame out, then its reply
// (a read is answered with two bytes, a write with one).
struct PtyLink {
    int fd;
    QByteArray process(const QByteArray& frame)
    {
        return writeAll(fd, frame) ? readReply(fd, frame.size() == 3 ? 2 : 1) : QByteArray();
    }
};

} // namespace display_side
