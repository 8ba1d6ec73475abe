#include "input/touch_decoder.h"

#include <QDebug>

#include <exception>

namespace {
constexpr unsigned char FrameStart = 0xA1;
constexpr unsigned char FrameEnd = 0x41;
} // namespace

int TouchDecoder::pending() const
{
    const int n = RX_COM5_HR_Count - RX_COM5_TL_Count;
    return n >= 0 ? n : n + RingSize;
}

void TouchDecoder::receive(const char* data, int len)
{
    if (!data || len <= 0)
        return;
    for (int i = 0; i < len; ++i) {
        if (next(RX_COM5_HR_Count) == RX_COM5_TL_Count) {
            // Full: give up the oldest undecoded byte; the frame in hand can
            // no longer be completed from contiguous bytes.
            RX_COM5_TL_Count = next(RX_COM5_TL_Count);
            ++m_droppedBytes;
            abandonFrame();
        }
        RX_COM5_Data[RX_COM5_HR_Count] = static_cast<unsigned char>(data[i]);
        RX_COM5_HR_Count = next(RX_COM5_HR_Count);
    }
}

void TouchDecoder::toScreen(int rawX, int rawY, int& x, int& y)
{
    x = static_cast<int>(rawX / 1.9375);
    y = static_cast<int>((2047 - rawY) * 0.375);
}

bool TouchDecoder::frameCoordinates(int& x, int& y) const
{
    for (int i = 1; i <= 4; ++i) {
        if (touchdata[i] & 0x80)
            return false;
    }
    const int rawX = touchdata[1] * 128 + touchdata[2];
    const int rawY = touchdata[3] * 128 + touchdata[4];
    if (rawX > RawMax || rawY > RawMax)
        return false;
    toScreen(rawX, rawY, x, y);
    return true;
}

void TouchDecoder::touchscreen_check(const std::function<void(int x, int y)>& onTouch)
{
    m_flushed = false;
    while (RX_COM5_TL_Count != RX_COM5_HR_Count) {
        const unsigned char b = RX_COM5_Data[RX_COM5_TL_Count];
        RX_COM5_TL_Count = next(RX_COM5_TL_Count);

        if (b == FrameStart) {
            Serial_Steptouch = 1;
            touchindex = 0;
        }
        if (Serial_Steptouch != 1)
            continue;
        if (touchindex < FrameMax)
            touchdata[touchindex++] = b;
        if (b != FrameEnd || touchindex <= 4)
            continue;

        // Complete frame.
        abandonFrame();
        if (key_pressure != 0) {
            ++m_lockedOutFrames;
            continue;
        }
        int x = 0;
        int y = 0;
        if (!frameCoordinates(x, y)) {
            ++m_corruptFrames;
            continue;
        }
        try {
            if (onTouch)
                onTouch(x, y);
        } catch (const std::exception& e) {
            qDebug() << "Exception" << e.what();
            return;
        } catch (...) {
            qDebug() << "Different kind of Exception";
            return;
        }
        if (m_flushed)
            return;
    }
}

int TouchDecoder::Check_Click_Pixel(int x1, int y1, int x2, int y2, int px, int py)
{
    if (x1 < px && px < x2 && y1 < py && py < y2) {
        key_pressure = key_pressure_max;
        flush();
        return 1;
    }
    return 0;
}

void TouchDecoder::flush()
{
    RX_COM5_TL_Count = RX_COM5_HR_Count;
    abandonFrame();
    m_flushed = true;
}

void TouchDecoder::tick()
{
    key_pressure = key_pressure > 0 ? key_pressure - 1 : 0;
}
