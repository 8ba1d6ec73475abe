#include "sim/signal_encoding.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

QVector<SignalInfo> buildTable()
{
    QVector<SignalInfo> table;
    table.reserve(sig::Count);
#define PM_BIT(port, word, bit, name)                                                                                  \
    table.append(SignalInfo{port, word, bit, SignalEncoding::Bit, 0xFFFF, 1.0, #name});
#define PM_BIT_IF_FRESH(port, word, bit, name) PM_BIT(port, word, bit, name)
#define PM_VALUE(port, word, type, name)                                                                               \
    table.append(SignalInfo{port, word, 0, SignalEncoding::Word, 0xFFFF, 1.0, #name});
#define PM_SCALED(port, word, mask, factor, type, name)                                                                \
    table.append(SignalInfo{port, word, 0, SignalEncoding::Scaled, quint16(mask), factor, #name});
#define PM_HIGH_BYTE(port, word, name)                                                                                 \
    table.append(SignalInfo{port, word, 0, SignalEncoding::HighByte, 0xFFFF, 1.0, #name});
#define PM_LOW_BYTE(port, word, name)                                                                                  \
    table.append(SignalInfo{port, word, 0, SignalEncoding::LowByte, 0xFFFF, 1.0, #name});
#include "acquisition/port_map.def"
    // Words the port map stores as they are and the display turns into signed
    // physical values: efforts in percent (4096 = 100 %) and converter input
    // powers (the display shows word / 40.96 x 100, so 4096 = 10000 kW).
    struct Signed {
        sig::Id id;
        double factor;
    };
    const Signed signedWords[] = {
        {sig::FLG1_D53_WTE_BE_Loco, 100.0}, {sig::FLG1_D46_XTE_BE_Loco, 100.0}, {sig::FLG2_D53_WTE_BE_Loco, 100.0},
        {sig::FLG2_D46_XTE_BE_Loco, 100.0}, {sig::SLG1_D04_XPN, 10000.0},       {sig::SLG2_D04_XPN, 10000.0},
    };
    for (const Signed& s : signedWords) {
        table[s.id].encoding = SignalEncoding::SignedScaled;
        table[s.id].factor = s.factor;
    }
    return table;
}

QVector<PortSpec> buildPorts()
{
    QVector<PortSpec> ports;
#define PM_PORT(port, fcode) ports.append(PortSpec{port, fcode});
#include "acquisition/port_map.def"
    return ports;
}

const QHash<QString, int>& nameIndex()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        const QVector<SignalInfo>& t = signalTable();
        for (int i = 0; i < t.size(); ++i)
            h.insert(QString::fromLatin1(t[i].name), i);
        return h;
    }();
    return index;
}

} // namespace

const QVector<SignalInfo>& signalTable()
{
    static const QVector<SignalInfo> table = buildTable();
    return table;
}

const SignalInfo& signalInfo(sig::Id id)
{
    return signalTable()[id];
}

const SignalInfo* findSignal(const QString& name)
{
    const auto it = nameIndex().constFind(name);
    return it == nameIndex().constEnd() ? nullptr : &signalTable()[*it];
}

QStringList signalNames(const QString& prefix)
{
    QStringList names;
    for (const SignalInfo& s : signalTable()) {
        const QString name = QString::fromLatin1(s.name);
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            names << name;
    }
    return names;
}

const QVector<PortSpec>& cyclePorts()
{
    static const QVector<PortSpec> ports = buildPorts();
    return ports;
}

quint16 scaledWord(double value, double factor, quint16 mask)
{
    if (!(factor > 0.0) || !std::isfinite(value))
        return 0;
    const double w = std::round(value * 4096.0 / factor);
    return quint16(std::clamp(w, 0.0, double(mask)));
}

quint16 signedScaledWord(double value, double factor)
{
    if (!(factor > 0.0) || !std::isfinite(value))
        return 0;
    const double w = std::clamp(std::round(value * 4096.0 / factor), -32768.0, 32767.0);
    return quint16(qint16(w));
}

int signedWord(quint16 word)
{
    return int(qint16(word));
}

void encodeSignal(const SignalInfo& signal, double value, QVector<quint16>& words)
{
    if (words.size() <= signal.word)
        words.resize(signal.word + 1);
    quint16& w = words[signal.word];
    if (!std::isfinite(value))
        value = 0.0;
    switch (signal.encoding) {
    case SignalEncoding::Bit:
        if (value != 0.0)
            w = quint16(w | (1u << signal.bit));
        else
            w = quint16(w & ~(1u << signal.bit));
        break;
    case SignalEncoding::Word: w = quint16(qint64(std::llround(std::clamp(value, -32768.0, 65535.0))) & 0xFFFF); break;
    case SignalEncoding::Scaled: w = scaledWord(value, signal.factor, signal.mask); break;
    case SignalEncoding::SignedScaled: w = signedScaledWord(value, signal.factor); break;
    case SignalEncoding::HighByte:
        w = quint16((w & 0x00FF) | (quint16(std::clamp(std::llround(value), 0LL, 255LL)) << 8));
        break;
    case SignalEncoding::LowByte:
        w = quint16((w & 0xFF00) | quint16(std::clamp(std::llround(value), 0LL, 255LL)));
        break;
    }
}

double decodeSignal(const SignalInfo& signal, const QVector<quint16>& words)
{
    const quint16 w = signal.word < words.size() ? words[signal.word] : 0;
    switch (signal.encoding) {
    case SignalEncoding::Bit: return (w >> signal.bit) & 1;
    case SignalEncoding::Word: return w;
    case SignalEncoding::Scaled: return double(w & signal.mask) / 4096.0 * signal.factor;
    case SignalEncoding::SignedScaled: return double(signedWord(w)) / 4096.0 * signal.factor;
    case SignalEncoding::HighByte: return w >> 8;
    case SignalEncoding::LowByte: return w & 0xFF;
    }
    return 0.0;
}

} // namespace sim
