// Fuzz target of the keypad decoder: arbitrary bytes in arbitrary chunks,
// decoded at arbitrary moments, with the dispatcher clearing the flags now and
// then. Invariants: ring indices in range, the frame state in {0, 1, 2, 11},
// the code field bounded and terminated, brightness reports in range, and -
// as long as the ring never overflowed - the same keys and reports as a
// reference decoder that is fed and decoded one byte at a time.

#include "input/keypad_decoder.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstring>

namespace {

void checkDecoder(const KeypadDecoder& d)
{
    FUZZ_CHECK(d.head() >= 0 && d.head() < KeypadDecoder::RingSize);
    FUZZ_CHECK(d.tail() >= 0 && d.tail() < KeypadDecoder::RingSize);
    FUZZ_CHECK(d.pending() >= 0 && d.pending() <= KeypadDecoder::RingSize - 1);
    const int s = d.Serial_Step();
    FUZZ_CHECK(s == 0 || s == 1 || s == 2 || s == KeypadDecoder::StepIdle);
    FUZZ_CHECK(d.fieldLength() >= 0 && d.fieldLength() <= KeypadDecoder::FieldMax);
    FUZZ_CHECK(d.temp_serial()[d.fieldLength()] == '\0');
    FUZZ_CHECK(d.droppedBytes() >= 0);
}

void checkState(const KeyFlags& f, const BrightnessState& b)
{
    FUZZ_CHECK(!f.Keyboard_Pixy_Clear_Pressed && !f.Keyboard_Pixy_Home_Pressed && !f.Keyboard_Pixy_Enter_Pressed);
    FUZZ_CHECK(b.Brightness_Step >= 0 && b.Brightness_Step <= 7);
    FUZZ_CHECK(b.brightness_timeout == 0);
    FUZZ_CHECK(b.Brightness_Panel_Enable == (b.Brightness_Step != 0));
    if (f.Keyboard_Pixy_Brightness_Pressed)
        FUZZ_CHECK(b.Brightness_Panel_Enable);
    if (b.Brightness_Automatic_Enable)
        FUZZ_CHECK(b.Brightness_Step == 1 || b.Brightness_Step == 7);
}

void orInto(KeyFlags& acc, const KeyFlags& f)
{
    acc.Keyboard_ESC_Pressed |= f.Keyboard_ESC_Pressed;
    acc.Keyboard_Home_Pressed |= f.Keyboard_Home_Pressed;
    acc.Keyboard_Menu_Pressed |= f.Keyboard_Menu_Pressed;
    acc.Keyboard_UP_Pressed |= f.Keyboard_UP_Pressed;
    acc.Keyboard_Down_Pressed |= f.Keyboard_Down_Pressed;
    acc.Keyboard_Enter_Pressed |= f.Keyboard_Enter_Pressed;
    acc.Keyboard_Pixy_UP_Pressed |= f.Keyboard_Pixy_UP_Pressed;
    acc.Keyboard_Pixy_Down_Pressed |= f.Keyboard_Pixy_Down_Pressed;
    acc.Keyboard_Pixy_Brightness_UP_Pressed |= f.Keyboard_Pixy_Brightness_UP_Pressed;
    acc.Keyboard_Pixy_Brightness_Down_Pressed |= f.Keyboard_Pixy_Brightness_Down_Pressed;
    acc.Keyboard_Pixy_Brightness_Pressed |= f.Keyboard_Pixy_Brightness_Pressed;
    acc.Keyboard_Pixy_Clear_Pressed |= f.Keyboard_Pixy_Clear_Pressed;
    acc.Keyboard_Pixy_Home_Pressed |= f.Keyboard_Pixy_Home_Pressed;
    acc.Keyboard_Pixy_Enter_Pressed |= f.Keyboard_Pixy_Enter_Pressed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Cursor in(data, size);
    // Mode bit 0: never decode between reads, so the ring overflows.
    const uint8_t mode = in.byte();
    const bool starve = mode & 1;

    KeypadDecoder dut;
    KeyFlags flags, seen;
    BrightnessState bright;

    KeypadDecoder ref;
    KeyFlags refFlags;
    BrightnessState refBright;

    while (!in.empty()) {
        const uint8_t op = in.byte();
        const uint8_t* chunk = nullptr;
        const size_t n = in.take((op & fuzz::OpLengthMask) + 1, chunk);
        dut.receive(reinterpret_cast<const char*>(chunk), int(n));
        for (size_t i = 0; i < n; ++i) {
            ref.receive(reinterpret_cast<const char*>(chunk + i), 1);
            ref.serial_check(refFlags, refBright);
        }
        checkDecoder(dut);
        if ((op & fuzz::OpDecode) && !starve) {
            dut.serial_check(flags, bright);
            FUZZ_CHECK(dut.pending() == 0);
            checkDecoder(dut);
            checkState(flags, bright);
        }
        if (op & fuzz::OpTick) {
            orInto(seen, flags);
            flags.clear();
        }
    }
    dut.serial_check(flags, bright);
    orInto(seen, flags);
    checkDecoder(dut);
    checkState(seen, bright);
    FUZZ_CHECK(dut.pending() == 0);

    checkDecoder(ref);
    checkState(refFlags, refBright);
    FUZZ_CHECK(ref.droppedBytes() == 0);

    if (dut.droppedBytes() == 0) {
        // Chunking and decode moments make no difference.
        FUZZ_CHECK(seen == refFlags);
        FUZZ_CHECK(bright.Brightness_Step == refBright.Brightness_Step);
        FUZZ_CHECK(bright.Brightness_Automatic_Enable == refBright.Brightness_Automatic_Enable);
        FUZZ_CHECK(bright.Brightness_Panel_Enable == refBright.Brightness_Panel_Enable);
        FUZZ_CHECK(dut.Serial_Step() == ref.Serial_Step());
        FUZZ_CHECK(dut.fieldLength() == ref.fieldLength());
        FUZZ_CHECK(std::memcmp(dut.temp_serial(), ref.temp_serial(), size_t(dut.fieldLength())) == 0);
    }
    return 0;
}
