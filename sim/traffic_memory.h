#pragma once
// Traffic memory of the emulated MVB controller: 64 KB seen as 32768
// 16-bit words at even byte addresses. Plain storage, no address decoding
// and no locking: MvbControllerEmulator owns one and guards it.

#include <QtGlobal>

#include <array>

namespace sim {

class TrafficMemory {
public:
    static constexpr int kBytes = 0x10000;
    static constexpr int kWords = kBytes / 2;

    TrafficMemory() { clear(); }

    // The word at `byteAddress`; bit 0 of the address is ignored.
    quint16 word(quint16 byteAddress) const { return m_words[byteAddress >> 1]; }
    void setWord(quint16 byteAddress, quint16 value) { m_words[byteAddress >> 1] = value; }

    void clear() { m_words.fill(0); }

private:
    std::array<quint16, kWords> m_words;
};

} // namespace sim
