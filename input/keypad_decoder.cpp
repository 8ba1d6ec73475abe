#include "input/keypad_decoder.h"

namespace {

struct KeyCode {
    char code[3];
    bool KeyFlags::*flag; // for keys
    int brightness;       // for brightness reports: argument of Brightness_Check
};

// Codes "04", "05", "11" and "14" are keys the keypad handles itself; they and
// any other code are ignored here.
const KeyCode kKeyCodes[] = {
    {"01", &KeyFlags::Keyboard_ESC_Pressed, 0},
    {"02", &KeyFlags::Keyboard_Home_Pressed, 0},
    {"03", &KeyFlags::Keyboard_Menu_Pressed, 0},
    {"06", &KeyFlags::Keyboard_Pixy_Brightness_UP_Pressed, 0},
    {"07", &KeyFlags::Keyboard_Pixy_Brightness_Down_Pressed, 0},
    {"08", &KeyFlags::Keyboard_UP_Pressed, 0},
    {"09", &KeyFlags::Keyboard_Down_Pressed, 0},
    {"10", &KeyFlags::Keyboard_Enter_Pressed, 0},
    {"12", &KeyFlags::Keyboard_Pixy_UP_Pressed, 0},
    {"13", &KeyFlags::Keyboard_Pixy_Down_Pressed, 0},
    {"1M", nullptr, 1},
    {"2M", nullptr, 2},
    {"3M", nullptr, 3},
    {"4M", nullptr, 4},
    {"5M", nullptr, 5},
    {"6M", nullptr, 6},
    {"7M", nullptr, 7},
    {"1A", nullptr, 8},
    {"7A", nullptr, 9},
};

} // namespace

int KeypadDecoder::pending() const
{
    const int n = RX_COM4_HR_Count - RX_COM4_TL_Count;
    return n >= 0 ? n : n + RingSize;
}

void KeypadDecoder::startField()
{
    m_fieldLen = 0;
    m_fieldTruncated = false;
    temp_serial_[0] = '\0';
}

void KeypadDecoder::receive(const char* data, int len)
{
    if (!data || len <= 0)
        return;
    for (int i = 0; i < len; ++i) {
        if (next(RX_COM4_HR_Count) == RX_COM4_TL_Count) {
            // Full: give up the oldest undecoded byte and resynchronise on
            // the next "$", since the stream now has a hole.
            RX_COM4_TL_Count = next(RX_COM4_TL_Count);
            ++m_droppedBytes;
            Serial_Step_ = StepIdle;
            startField();
        }
        RX_COM4_Data[RX_COM4_HR_Count] = data[i];
        RX_COM4_HR_Count = next(RX_COM4_HR_Count);
    }
}

void KeypadDecoder::serial_check(KeyFlags& flags, BrightnessState& brightness)
{
    while (RX_COM4_TL_Count != RX_COM4_HR_Count) {
        const char c = RX_COM4_Data[RX_COM4_TL_Count];
        RX_COM4_TL_Count = next(RX_COM4_TL_Count);

        if (c == '$') {
            Serial_Step_ = 0;
            startField();
            continue; // nothing more received: the frame goes on next tick
        }

        switch (Serial_Step_) {
        case 0:
            if (c == ',') {
                Serial_Step_ = 1;
                startField();
            }
            break;
        case 1:
            if (c != ',') {
                if (m_fieldLen < FieldMax) {
                    temp_serial_[m_fieldLen++] = c;
                    temp_serial_[m_fieldLen] = '\0';
                } else {
                    m_fieldTruncated = true;
                }
            } else {
                temp_serial_[m_fieldLen] = '\0';
                Serial_Step_ = 2;
                serial_Find_Data(flags, brightness);
            }
            break;
        default: break; // 2: rest of the frame; 11: waiting for the first "$"
        }
    }
}

void KeypadDecoder::serial_Find_Data(KeyFlags& flags, BrightnessState& brightness)
{
    decodeField(temp_serial_, m_fieldLen, flags, brightness);
}

void KeypadDecoder::decodeField(const char* field, int len, KeyFlags& flags, BrightnessState& brightness)
{
    if (!field || len < 2)
        return;
    for (const KeyCode& k : kKeyCodes) {
        if (field[0] == k.code[0] && field[1] == k.code[1]) {
            if (k.flag)
                flags.*(k.flag) = true;
            else
                Brightness_Check(k.brightness, flags, brightness);
            return;
        }
    }
}

void KeypadDecoder::Brightness_Check(int n, KeyFlags& flags, BrightnessState& brightness)
{
    if (n < 1 || n > 9)
        return;
    brightness.brightness_timeout = 0;
    brightness.Brightness_Panel_Enable = true;
    if (n <= 7) {
        brightness.Brightness_Step = n;
        brightness.Brightness_Automatic_Enable = false;
    } else {
        brightness.Brightness_Step = n == 8 ? 1 : 7;
        brightness.Brightness_Automatic_Enable = true;
    }
    flags.Keyboard_Pixy_Brightness_Pressed = true;
}
