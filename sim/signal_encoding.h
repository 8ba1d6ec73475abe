#pragma once
// Named vehicle signals of the process-data ports and their encoding into
// port words, so that the vehicle model can be written in physical terms
// ("speed 87.5 km/h") instead of bit patterns.
//
// The signal list is the display's port map table (acquisition/port_map.def),
// a shared data file of constants; it is expanded here with our own macros,
// so the simulator shares the numbers with the display but none of its code.
//
// Encodings (w = the 16-bit word):
//   Bit           one bit of the word (bit 0 least significant)
//   Word          the word itself; negative values are stored in two's complement
//   Scaled        w = round(value x 4096 / factor), clamped to 0 .. mask
//                 (the display decodes (w AND mask) / 4096 x factor)
//   SignedScaled  w = round(value x 4096 / factor) as a signed 16-bit word; the
//                 effort words (100 % = 4096, -50 % = 0x10000 - 2048) and the
//                 converter input powers (4096 = 10000 kW), which the port map
//                 lists as plain words and the display makes signed later
//   HighByte, LowByte   one byte of the word, 0..255
//
// Scaled values are rounded to the nearest word, not truncated: a battery of
// 110 V becomes 4506 (decoded 110.01 V); truncation (4505, decoded 109.98 V)
// would show 109 V wherever the display truncates to whole volts.

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

namespace sim {

namespace sig {
// One enumerator per named signal of the port map, in table order, so that a
// misspelt signal name in the vehicle model is a compile error.
enum Id : int {
#define PM_PORT(port, fcode)
#define PM_BIT(port, word, bit, name) name,
#define PM_BIT_IF_FRESH(port, word, bit, name) name,
#define PM_ZERO(port, name)
#define PM_VALUE(port, word, type, name) name,
#define PM_SCALED(port, word, mask, factor, type, name) name,
#define PM_HIGH_BYTE(port, word, name) name,
#define PM_LOW_BYTE(port, word, name) name,
#include "acquisition/port_map.def"
#undef PM_PORT
#undef PM_BIT
#undef PM_BIT_IF_FRESH
#undef PM_ZERO
#undef PM_VALUE
#undef PM_SCALED
#undef PM_HIGH_BYTE
#undef PM_LOW_BYTE
    Count
};
} // namespace sig

enum class SignalEncoding { Bit, Word, Scaled, SignedScaled, HighByte, LowByte };

struct SignalInfo {
    quint16 port = 0;
    int word = 0;
    int bit = 0; // Bit only
    SignalEncoding encoding = SignalEncoding::Word;
    quint16 mask = 0xFFFF; // Scaled only
    double factor = 1.0;   // Scaled and SignedScaled
    const char* name = "";
};

struct PortSpec {
    quint16 port = 0;
    int fcode = 0;
    int sizeWords() const { return 1 << fcode; }
};

// Every named signal, indexed by sig::Id.
const QVector<SignalInfo>& signalTable();
const SignalInfo& signalInfo(sig::Id id);
// nullptr when no signal has that name (exact, case-sensitive match).
const SignalInfo* findSignal(const QString& name);
// Signal names starting with `prefix` (case-insensitive), in table order.
QStringList signalNames(const QString& prefix = QString());

// Ports of the first part of the display's cycle, in cycle order, with F-codes.
const QVector<PortSpec>& cyclePorts();

// Encodes `value` (physical units) into `words`, growing it with zeros to
// reach the signal's word. Only the signal's own bits change.
void encodeSignal(const SignalInfo& signal, double value, QVector<quint16>& words);
// The physical value of the signal in `words` (0 when the word is missing).
double decodeSignal(const SignalInfo& signal, const QVector<quint16>& words);

// The word of a scaled value: round(value x 4096 / factor), clamped to 0..mask.
quint16 scaledWord(double value, double factor, quint16 mask = 0xFFFF);
// The two's-complement word of a signed scaled value, clamped to -32768..32767.
quint16 signedScaledWord(double value, double factor);
// -32768..32767 from a word (bit 15 = sign).
int signedWord(quint16 word);

// Bus order of packed flags: element 0..7 are bits 8..15, elements 8..15 bits 0..7.
inline int busOrderBit(int element)
{
    return element < 8 ? element + 8 : element - 8;
}

} // namespace sim
