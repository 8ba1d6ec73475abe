#pragma once
// Touch decoder.
//
// The touch controller sends binary frames: 0xA1, X high 7 bits, X low 7 bits,
// Y high 7 bits, Y low 7 bits, possibly further bytes, and the end byte 0x41.
// The port's ready-read handler appends the bytes to a ring (receive); the
// 100 ms input tick decodes them (touchscreen_check) and hands each complete
// touch, in screen coordinates, to the touch dispatcher.
//
// Lock-out: a touch that hits a region (Check_Click_Pixel) loads key_pressure
// with key_pressure_max and flushes the ring; frames completed while
// key_pressure is not 0 are discarded, never delayed. tick() counts it down.
//
// Overrun: the ring holds RingSize - 1 undecoded bytes. When a byte arrives
// while it is full, the oldest undecoded byte is dropped to make room and the
// frame being collected is abandoned (the next 0xA1 starts a new one), so a
// touch is never assembled from bytes on both sides of a hole.
//
// Frames whose coordinate bytes have the top bit set, or whose raw values lie
// outside the controller's 0..2047 range, are corrupt and discarded: the
// dispatcher only ever sees x 0..1056, y 0..767.

#include <functional>

class TouchDecoder {
public:
    static constexpr int RingSize = 991; // RX_COM5_Data indices 0..990
    static constexpr int MaxRead = 500;
    static constexpr int FrameMax = 9; // bytes of a frame that are stored
    static constexpr int RawMax = 2047;
    static constexpr int MaxX = 1056; // toScreen(RawMax, ..)
    static constexpr int MaxY = 767;  // toScreen(.., 0)

    // onReadyReadTouchScreen: appends the bytes to the ring. The port handler
    // reads at most MaxRead bytes at a time; longer inputs are accepted all the same.
    void receive(const char* data, int len);

    // touchscreen_check: decodes; for each complete frame while key_pressure is 0, converts to screen
    // coordinates and calls onTouch(x, y). An exception thrown by onTouch is caught, written to the debug
    // stream ("Exception" + what(), or "Different kind of Exception") and ends this pass.
    void touchscreen_check(const std::function<void(int x, int y)>& onTouch);

    // Check_Click_Pixel: strict hit test (x1 < px < x2 and y1 < py < y2); on a
    // hit key_pressure = key_pressure_max and the ring is flushed: every byte
    // not yet decoded is discarded, including the rest of the current pass.
    // Returns 1 on a hit, else 0.
    int Check_Click_Pixel(int x1, int y1, int x2, int y2, int px, int py);

    // Discards every byte not yet decoded (also the rest of a pass in
    // progress) and any partly collected frame. Used by the hit test and by
    // the password pad's keys.
    void flush();

    void tick(); // the 100 ms input tick: key_pressure -= 1, held at 0
    int key_pressure = 0;
    int key_pressure_max = 1; // 2 from the first opening of the password pad on

    // The coordinate mapping: x = rawX / 1.9375, y = (2047 - rawY) * 0.375, in
    // double precision truncated toward zero.
    static void toScreen(int rawX, int rawY, int& x, int& y);

    int head() const { return RX_COM5_HR_Count; } // next write
    int tail() const { return RX_COM5_TL_Count; } // next byte to decode
    int pending() const;                          // bytes received, not yet decoded
    bool collecting() const { return Serial_Steptouch == 1; }
    int touchIndex() const { return touchindex; }
    long long droppedBytes() const { return m_droppedBytes; }       // lost to overruns
    long long corruptFrames() const { return m_corruptFrames; }     // complete but out of range
    long long lockedOutFrames() const { return m_lockedOutFrames; } // discarded during lock-out

private:
    static int next(int i) { return i + 1 >= RingSize ? 0 : i + 1; }
    void abandonFrame()
    {
        Serial_Steptouch = 0;
        touchindex = 0;
    }
    bool frameCoordinates(int& x, int& y) const;

    unsigned char RX_COM5_Data[RingSize] = {};
    int RX_COM5_HR_Count = 0;
    int RX_COM5_TL_Count = 0;
    unsigned char touchdata[10] = {};
    int touchindex = 0;
    int Serial_Steptouch = 0;
    bool m_flushed = false; // set by flush(): ends the pass in progress
    long long m_droppedBytes = 0;
    long long m_corruptFrames = 0;
    long long m_lockedOutFrames = 0;
};
