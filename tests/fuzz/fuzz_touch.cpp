// Fuzz target of the touch decoder.
//
// Mode bit 0 clear (differential): arbitrary bytes in arbitrary chunks,
// decoded at arbitrary moments, must give the same touches as a reference
// decoder fed and decoded one byte at a time, as long as the ring never
// overflowed. Mode bit 0 set (dispatcher): the touch callback, steered by
// further input bytes, hits regions, misses on region edges, flushes or
// throws; input ticks count the lock-out down. Invariants in both: ring
// indices in 0..990, at most 9 frame bytes, coordinates in 0..1056 x 0..767,
// no touch delivered while key_pressure is not 0, nothing delivered in a pass
// after a hit, the ring empty after a hit.

#include "input/touch_decoder.h"
#include "tests/fuzz/fuzz_support.h"

#include <QtGlobal>

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// The decoder reports exceptions from the dispatcher on the debug stream;
// keep thousands of them from flooding the run.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) { }
const auto installed = qInstallMessageHandler(quiet);

void checkDecoder(const TouchDecoder& t)
{
    FUZZ_CHECK(t.head() >= 0 && t.head() <= 990);
    FUZZ_CHECK(t.tail() >= 0 && t.tail() <= 990);
    FUZZ_CHECK(t.pending() >= 0 && t.pending() <= TouchDecoder::RingSize - 1);
    FUZZ_CHECK(t.touchIndex() >= 0 && t.touchIndex() <= TouchDecoder::FrameMax);
    if (!t.collecting())
        FUZZ_CHECK(t.touchIndex() == 0);
    FUZZ_CHECK(t.key_pressure >= 0 && t.key_pressure <= t.key_pressure_max);
}

void checkPoint(int x, int y)
{
    FUZZ_CHECK(x >= 0 && x <= TouchDecoder::MaxX);
    FUZZ_CHECK(y >= 0 && y <= TouchDecoder::MaxY);
}

using Points = std::vector<std::pair<int, int>>;

void differential(fuzz::Cursor& in)
{
    TouchDecoder dut;
    TouchDecoder ref;
    Points got, expected;
    auto record = [](Points& into) {
        return [&into](int x, int y) {
            checkPoint(x, y);
            into.emplace_back(x, y);
        };
    };
    const auto dutTouch = record(got);
    const auto refTouch = record(expected);

    while (!in.empty()) {
        const uint8_t op = in.byte();
        const uint8_t* chunk = nullptr;
        const size_t n = in.take((op & fuzz::OpLengthMask) + 1, chunk);
        dut.receive(reinterpret_cast<const char*>(chunk), int(n));
        for (size_t i = 0; i < n; ++i) {
            ref.receive(reinterpret_cast<const char*>(chunk + i), 1);
            ref.touchscreen_check(refTouch);
        }
        checkDecoder(dut);
        if (op & fuzz::OpDecode) {
            dut.touchscreen_check(dutTouch);
            FUZZ_CHECK(dut.pending() == 0);
            checkDecoder(dut);
        }
        if (op & fuzz::OpTick) {
            dut.tick();
            FUZZ_CHECK(dut.key_pressure == 0);
        }
    }
    dut.touchscreen_check(dutTouch);
    checkDecoder(dut);
    checkDecoder(ref);
    FUZZ_CHECK(ref.droppedBytes() == 0);
    if (dut.droppedBytes() == 0) {
        FUZZ_CHECK(got == expected);
        FUZZ_CHECK(dut.corruptFrames() == ref.corruptFrames());
        FUZZ_CHECK(dut.collecting() == ref.collecting());
        FUZZ_CHECK(dut.touchIndex() == ref.touchIndex());
    }
    FUZZ_CHECK(dut.lockedOutFrames() == 0);
}

void dispatcher(fuzz::Cursor& in, uint8_t mode)
{
    TouchDecoder t;
    if (mode & 2)
        t.key_pressure_max = 2;
    const size_t scale = (mode & 4) ? 8 : 1; // long reads: floods

    bool hitInPass = false;
    auto onTouch = [&](int x, int y) {
        checkPoint(x, y);
        FUZZ_CHECK(t.key_pressure == 0);
        FUZZ_CHECK(!hitInPass);
        const uint8_t what = in.byte(0xFF);
        switch (what & 7) {
        case 0: // a region around the touch
            FUZZ_CHECK(t.Check_Click_Pixel(x - 1, y - 1, x + 1, y + 1, x, y) == 1);
            hitInPass = true;
            FUZZ_CHECK(t.pending() == 0 && !t.collecting());
            FUZZ_CHECK(t.key_pressure == t.key_pressure_max);
            break;
        case 1: // the touch on a region's left or top edge
            FUZZ_CHECK(t.Check_Click_Pixel(x, y - 5, x + 5, y + 5, x, y) == 0);
            FUZZ_CHECK(t.Check_Click_Pixel(x - 5, y, x + 5, y + 5, x, y) == 0);
            FUZZ_CHECK(t.key_pressure == 0);
            break;
        case 2: throw std::runtime_error("dispatch failed");
        case 3: throw 7;
        case 4: // a password key
            t.flush();
            FUZZ_CHECK(t.pending() == 0);
            hitInPass = true;
            break;
        case 5: { // an arbitrary region
            const int x1 = in.byte() * 5, y1 = in.byte() * 4;
            const int x2 = x1 + in.byte(), y2 = y1 + in.byte();
            if (t.Check_Click_Pixel(x1, y1, x2, y2, x, y)) {
                FUZZ_CHECK(x1 < x && x < x2 && y1 < y && y < y2);
                FUZZ_CHECK(t.pending() == 0);
                hitInPass = true;
            }
            break;
        }
        default: // nothing there
            break;
        }
    };

    while (!in.empty()) {
        const uint8_t op = in.byte();
        const uint8_t* chunk = nullptr;
        size_t n = ((op & fuzz::OpLengthMask) + 1) * scale;
        if (n > size_t(TouchDecoder::MaxRead))
            n = TouchDecoder::MaxRead;
        n = in.take(n, chunk);
        t.receive(reinterpret_cast<const char*>(chunk), int(n));
        checkDecoder(t);
        if (op & fuzz::OpDecode) {
            hitInPass = false;
            t.touchscreen_check(onTouch);
            checkDecoder(t);
        }
        if (op & fuzz::OpTick) {
            const int before = t.key_pressure;
            t.tick();
            FUZZ_CHECK(t.key_pressure == (before > 0 ? before - 1 : 0));
        }
    }
    hitInPass = false;
    t.touchscreen_check(onTouch);
    checkDecoder(t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    (void)installed;
    fuzz::Cursor in(data, size);
    const uint8_t mode = in.byte();
    if (mode & 1)
        dispatcher(in, mode);
    else
        differential(in);
    return 0;
}
