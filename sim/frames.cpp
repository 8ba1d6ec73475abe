#include "sim/frames.h"

namespace sim::frames {

QByteArray addressBytes(quint16 byteAddress)
{
    const quint16 word = byteAddress >> 1;
    QByteArray d(3, 0);
    d[0] = char(word & 0x1F);
    d[1] = char((word >> 5) & 0x7F);
    d[2] = char((word >> 12) & 0x07);
    return d;
}

QByteArray nop()
{
    return QByteArray(1, char(0x80));
}

QByteArray read(quint16 byteAddress)
{
    QByteArray f = addressBytes(byteAddress);
    f[0] = char(quint8(f[0]) | 0xA0);
    return f;
}

QByteArray write(quint16 byteAddress, quint16 value)
{
    QByteArray f = addressBytes(byteAddress);
    f[0] = char(quint8(f[0]) | 0xC0);
    f.append(char(value & 0xFF));
    f.append(char(value >> 8));
    return f;
}

int replyWord(const QByteArray& reply, int offset)
{
    if (offset < 0 || reply.size() < offset + 2)
        return -1;
    return quint8(reply[offset]) | (quint8(reply[offset + 1]) << 8);
}

} // namespace sim::frames
