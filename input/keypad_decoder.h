#pragma once
// Keypad decoder.
//
// The keypad sends ASCII frames "$" ... "," code "," ...: "$" starts a frame,
// the code is the text between the first and the second comma, and only its
// first two characters count. The port's ready-read handler appends the bytes
// to a ring (receive); the refresh tick decodes whatever has arrived
// (serial_check) into key flags and brightness reports. The frame state
// survives between reads and ticks, so a frame split over two reads or two
// ticks decodes as if it had come in one piece.
//
// Overrun: the ring holds RingSize - 1 undecoded bytes. When a byte arrives
// while it is full, the oldest undecoded byte is dropped to make room and the
// frame being collected is abandoned (idle until the next "$"), because the
// bytes that follow it are no longer contiguous with what was decoded so far.
// The newest input is always kept; nothing is ever written over a byte the
// decoder still has to read.
//
// temp_serial: a code field longer than FieldMax characters keeps its first
// FieldMax characters; the rest of the field is skipped until its closing ","
// (or a "$", which starts a new frame as always).

#include "input/key_flags.h"

class KeypadDecoder {
public:
    static constexpr int RingSize = 1000; // RX_COM4_Data
    static constexpr int MaxRead = 50;    // bytes taken per readyRead
    static constexpr int FieldSize = 500; // temp_serial, NUL included
    static constexpr int FieldMax = FieldSize - 1;
    static constexpr int StepIdle = 11; // before the first "$", and after an overrun

    // onReadyReadKeypad: appends the bytes to the ring. The port handler reads
    // at most MaxRead bytes at a time; longer inputs are accepted all the same.
    void receive(const char* data, int len);

    // serial_check: decodes everything received so far into flags / brightness reports.
    void serial_check(KeyFlags& flags, BrightnessState& brightness);

    // serial_Find_Data: decodes the completed field temp_serial (first two
    // characters) into one flag or one brightness report.
    void serial_Find_Data(KeyFlags& flags, BrightnessState& brightness);

    // The same decision for any field: "01".."13" keys, "1M".."7M", "1A", "7A"
    // brightness reports, everything else ignored.
    static void decodeField(const char* field, int len, KeyFlags& flags, BrightnessState& brightness);

    // Brightness_Check: n 1..7 manual level n, 8 automatic level 1, 9 automatic
    // level 7; shows the panel (timeout restarted) and sets
    // Keyboard_Pixy_Brightness_Pressed. Any other n is not a report and changes nothing.
    static void Brightness_Check(int n, KeyFlags& flags, BrightnessState& brightness);

    int Serial_Step() const { return Serial_Step_; } // 0, 1, 2 or 11; 11 at start

    int head() const { return RX_COM4_HR_Count; }            // next write
    int tail() const { return RX_COM4_TL_Count; }            // next byte to decode
    int pending() const;                                     // bytes received, not yet decoded
    const char* temp_serial() const { return temp_serial_; } // always NUL-terminated
    int fieldLength() const { return m_fieldLen; }
    bool fieldTruncated() const { return m_fieldTruncated; }
    long long droppedBytes() const { return m_droppedBytes; } // lost to overruns since start

private:
    static int next(int i) { return i + 1 >= RingSize ? 0 : i + 1; }
    void startField();

    char RX_COM4_Data[RingSize] = {};
    int RX_COM4_HR_Count = 0;
    int RX_COM4_TL_Count = 0;
    char temp_serial_[FieldSize] = {};
    int m_fieldLen = 0;
    bool m_fieldTruncated = false;
    int Serial_Step_ = StepIdle;
    long long m_droppedBytes = 0;
};
