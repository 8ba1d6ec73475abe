#pragma once
// Shared pieces of the decoder fuzz targets: the invariant check, which stops
// the run on the spot (it must also work in release builds, so no assert), and
// a cursor over the fuzz input.
//
// Input layout of both targets: one mode byte, then operations. Each
// operation is an op byte followed by (op & 0x3F) + 1 payload bytes (fewer at
// the end of the input) that are handed to receive(); bit 0x40 runs the
// decoder afterwards, bit 0x80 a tick (key dispatcher or input tick).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                                                               \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #cond);                          \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace fuzz {

constexpr uint8_t OpDecode = 0x40;
constexpr uint8_t OpTick = 0x80;
constexpr uint8_t OpLengthMask = 0x3F;

class Cursor {
public:
    Cursor(const uint8_t* data, size_t size)
        : m_p(data)
        , m_n(size)
    {
    }
    bool empty() const { return m_n == 0; }
    // Next byte, or `fallback` when the input is used up.
    uint8_t byte(uint8_t fallback = 0)
    {
        if (m_n == 0)
            return fallback;
        --m_n;
        return *m_p++;
    }
    // Up to `len` bytes; returns how many were taken.
    size_t take(size_t len, const uint8_t*& out)
    {
        out = m_p;
        const size_t k = len < m_n ? len : m_n;
        m_p += k;
        m_n -= k;
        return k;
    }

private:
    const uint8_t* m_p;
    size_t m_n;
};

} // namespace fuzz
