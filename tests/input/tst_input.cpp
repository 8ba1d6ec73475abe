// Tests of the keypad and touch decoders: frames, codes, splitting and ring
// wrap-around, lock-out and flush, overruns and malformed input.

#include "input/key_flags.h"
#include "input/keypad_decoder.h"
#include "input/touch_decoder.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QtTest>

#include <stdexcept>

namespace {

// What the port handler does: hand over at most MaxRead bytes at a time.
template <typename Decoder>
void feed(Decoder& d, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); i += Decoder::MaxRead)
        d.receive(bytes.constData() + i, qMin<int>(Decoder::MaxRead, bytes.size() - i));
}

QByteArray keyFrame(const char* code)
{
    return QByteArray("$,") + code + ",\r\n";
}

KeyFlags only(bool KeyFlags::*flag)
{
    KeyFlags f;
    if (flag)
        f.*flag = true;
    return f;
}

QByteArray touchFrame(int rawX, int rawY)
{
    QByteArray f;
    f.append(char(0xA1));
    f.append(char(rawX >> 7));
    f.append(char(rawX & 0x7F));
    f.append(char(rawY >> 7));
    f.append(char(rawY & 0x7F));
    f.append(char(0x41));
    return f;
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

struct TouchLog {
    QList<QPoint> points;
    std::function<void(int, int)> callback()
    {
        return [this](int x, int y) { points.append(QPoint(x, y)); };
    }
};

using FlagPtr = bool KeyFlags::*;

} // namespace

Q_DECLARE_METATYPE(FlagPtr)

class TestInput : public QObject
{
    Q_OBJECT

private slots:
    // Key flags
    void anyCoversTheEightNavigationFlags_data();
    void anyCoversTheEightNavigationFlags();
    void clearResetsEveryFlag();

    // Keypad
    void upFrame_data();
    void upFrame();
    void codeTable_data();
    void codeTable();
    void ignoredCodesChangeNothing_data();
    void ignoredCodesChangeNothing();
    void frameCutAfterFirstCodeCharacter();
    void frameSplitAtEveryPosition();
    void frameSplitOverTwoReadsOneTick();
    void twoFramesOfOneKeyAreOnePress();
    void differentKeysInOneTick();
    void stepsAndIdleStart();
    void dollarAsLastReceivedByte();
    void dollarRestartsAFrameInProgress();
    void brightnessReports_data();
    void brightnessReports();
    void brightnessCheckOutOfRange();
    void brightnessAloneDoesNotTriggerDispatch();
    void keypadRingWrapsAround();
    void overlongFieldIsTruncated();
    void overlongFieldThenNewFrame();
    void keypadFloodKeepsNewestAndResynchronises();
    void keypadOverrunAbandonsFrameInProgress();
    void keypadGarbage();

    // Touch
    void exampleTouchFrame();
    void coordinateMapping_data();
    void coordinateMapping();
    void yLowByteEqualToEndByte();
    void endByteNeedsFiveBytes();
    void frameWithoutEndByteDroppedAtNextStart();
    void longFrameStoresNineBytes();
    void corruptCoordinatesDiscarded_data();
    void corruptCoordinatesDiscarded();
    void touchSplitAtEveryPosition();
    void touchRingWrapsAround();
    void touchDuringLockOutIsDiscarded();
    void lockOutOfTwoTicks();
    void tickHoldsAtZero();
    void hitTestEdges_data();
    void hitTestEdges();
    void hitFlushesRestOfPass();
    void missDoesNotFlush();
    void exceptionFromDispatcherIsCaught();
    void unknownExceptionFromDispatcherIsCaught();
    void touchFloodKeepsNewest();
    void touchOverrunAbandonsFrameInProgress();
    void flushAbandonsFrameInProgress();
    void touchIgnoresEmptyInput();
};

// ---------------------------------------------------------------- key flags

void TestInput::anyCoversTheEightNavigationFlags_data()
{
    QTest::addColumn<FlagPtr>("flag");
    QTest::addColumn<bool>("navigation");
    QTest::newRow("ESC") << &KeyFlags::Keyboard_ESC_Pressed << true;
    QTest::newRow("Home") << &KeyFlags::Keyboard_Home_Pressed << true;
    QTest::newRow("Menu") << &KeyFlags::Keyboard_Menu_Pressed << true;
    QTest::newRow("UP") << &KeyFlags::Keyboard_UP_Pressed << true;
    QTest::newRow("Down") << &KeyFlags::Keyboard_Down_Pressed << true;
    QTest::newRow("Enter") << &KeyFlags::Keyboard_Enter_Pressed << true;
    QTest::newRow("Pixy UP") << &KeyFlags::Keyboard_Pixy_UP_Pressed << true;
    QTest::newRow("Pixy Down") << &KeyFlags::Keyboard_Pixy_Down_Pressed << true;
    QTest::newRow("Brightness UP") << &KeyFlags::Keyboard_Pixy_Brightness_UP_Pressed << false;
    QTest::newRow("Brightness Down") << &KeyFlags::Keyboard_Pixy_Brightness_Down_Pressed << false;
    QTest::newRow("Brightness") << &KeyFlags::Keyboard_Pixy_Brightness_Pressed << false;
    QTest::newRow("Pixy Clear") << &KeyFlags::Keyboard_Pixy_Clear_Pressed << false;
    QTest::newRow("Pixy Home") << &KeyFlags::Keyboard_Pixy_Home_Pressed << false;
    QTest::newRow("Pixy Enter") << &KeyFlags::Keyboard_Pixy_Enter_Pressed << false;
}

void TestInput::anyCoversTheEightNavigationFlags()
{
    QFETCH(FlagPtr, flag);
    QFETCH(bool, navigation);
    KeyFlags f;
    QVERIFY(!f.any());
    f.*flag = true;
    QCOMPARE(f.any(), navigation);
    QVERIFY(f != KeyFlags());
    f.clear();
    QVERIFY(!(f.*flag));
}

void TestInput::clearResetsEveryFlag()
{
    KeyFlags f;
    for (FlagPtr p : {&KeyFlags::Keyboard_ESC_Pressed, &KeyFlags::Keyboard_Home_Pressed,
                      &KeyFlags::Keyboard_Menu_Pressed, &KeyFlags::Keyboard_UP_Pressed,
                      &KeyFlags::Keyboard_Down_Pressed, &KeyFlags::Keyboard_Enter_Pressed,
                      &KeyFlags::Keyboard_Pixy_UP_Pressed, &KeyFlags::Keyboard_Pixy_Down_Pressed,
                      &KeyFlags::Keyboard_Pixy_Brightness_UP_Pressed,
                      &KeyFlags::Keyboard_Pixy_Brightness_Down_Pressed,
                      &KeyFlags::Keyboard_Pixy_Brightness_Pressed, &KeyFlags::Keyboard_Pixy_Clear_Pressed,
                      &KeyFlags::Keyboard_Pixy_Home_Pressed, &KeyFlags::Keyboard_Pixy_Enter_Pressed})
        f.*p = true;
    f.clear();
    QVERIFY(f == KeyFlags());
}

// ---------------------------------------------------------------- keypad

void TestInput::upFrame_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("bare") << QByteArray("$,08,");
    QTest::newRow("with line end") << QByteArray("$,08,\r\n");
    QTest::newRow("text before first comma") << QByteArray("$K1 ab,08,");
    QTest::newRow("trailing fields") << QByteArray("$,08,1,2,3*4F\r\n");
    QTest::newRow("longer code") << QByteArray("$,08xyz,");
    QTest::newRow("noise before start") << QByteArray("08,,08,#$,08,");
    QTest::newRow("double start") << QByteArray("$$,08,");
    QTest::newRow("previous frame unfinished") << QByteArray("$,0$,08,");
}

void TestInput::upFrame()
{
    QFETCH(QByteArray, bytes);
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, bytes);
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_UP_Pressed));
    QVERIFY(f.any());
    QCOMPARE(b.Brightness_Step, 0);
    QVERIFY(!b.Brightness_Panel_Enable);
    QCOMPARE(d.tail(), d.head());
}

void TestInput::codeTable_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<FlagPtr>("flag");
    QTest::newRow("01 ESC") << QByteArray("01") << &KeyFlags::Keyboard_ESC_Pressed;
    QTest::newRow("02 Home") << QByteArray("02") << &KeyFlags::Keyboard_Home_Pressed;
    QTest::newRow("03 Menu") << QByteArray("03") << &KeyFlags::Keyboard_Menu_Pressed;
    QTest::newRow("06 Brightness UP") << QByteArray("06") << &KeyFlags::Keyboard_Pixy_Brightness_UP_Pressed;
    QTest::newRow("07 Brightness Down") << QByteArray("07") << &KeyFlags::Keyboard_Pixy_Brightness_Down_Pressed;
    QTest::newRow("08 UP") << QByteArray("08") << &KeyFlags::Keyboard_UP_Pressed;
    QTest::newRow("09 Down") << QByteArray("09") << &KeyFlags::Keyboard_Down_Pressed;
    QTest::newRow("10 Enter") << QByteArray("10") << &KeyFlags::Keyboard_Enter_Pressed;
    QTest::newRow("12 Pixy UP") << QByteArray("12") << &KeyFlags::Keyboard_Pixy_UP_Pressed;
    QTest::newRow("13 Pixy Down") << QByteArray("13") << &KeyFlags::Keyboard_Pixy_Down_Pressed;
    QTest::newRow("101 first two decide") << QByteArray("101") << &KeyFlags::Keyboard_Enter_Pressed;
    QTest::newRow("13 with suffix") << QByteArray("13;x") << &KeyFlags::Keyboard_Pixy_Down_Pressed;
}

void TestInput::codeTable()
{
    QFETCH(QByteArray, code);
    QFETCH(FlagPtr, flag);
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, QByteArray("$,") + code + ",");
    d.serial_check(f, b);
    QVERIFY(f == only(flag));
    QCOMPARE(d.Serial_Step(), 2);
    QCOMPARE(QByteArray(d.temp_serial()), code);

    // The static decision agrees with the frame decoder.
    KeyFlags g;
    BrightnessState c;
    KeypadDecoder::decodeField(code.constData(), code.size(), g, c);
    QVERIFY(g == f);
}

void TestInput::ignoredCodesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("code");
    for (const char* c : {"04", "05", "11", "14", "15", "00", "16", "99", "0", "", "8", "80", "M1",
                          "0M", "8M", "9M", "2A", "6A", "8A", "1a", "1m", "A1", " 08", "0 8"})
        QTest::newRow(*c ? c : "(empty)") << QByteArray(c);
}

void TestInput::ignoredCodesChangeNothing()
{
    QFETCH(QByteArray, code);
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    b.brightness_timeout = 3;
    feed(d, keyFrame(code.constData()));
    d.serial_check(f, b);
    QVERIFY(f == KeyFlags());
    QCOMPARE(b.Brightness_Step, 0);
    QVERIFY(!b.Brightness_Automatic_Enable);
    QVERIFY(!b.Brightness_Panel_Enable);
    QCOMPARE(b.brightness_timeout, 3);
    QCOMPARE(d.Serial_Step(), 2);
}

void TestInput::frameCutAfterFirstCodeCharacter()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, "$,0");
    d.serial_check(f, b);
    QVERIFY(f == KeyFlags());
    QCOMPARE(d.Serial_Step(), 1);
    QCOMPARE(QByteArray(d.temp_serial()), QByteArray("0"));
    feed(d, "8,\r\n");
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_UP_Pressed));
}

void TestInput::frameSplitAtEveryPosition()
{
    const QByteArray frames = QByteArray("xx$K,10,tail\r\n") + keyFrame("3M");
    for (int cut = 0; cut <= frames.size(); ++cut) {
        KeypadDecoder d;
        KeyFlags f;
        BrightnessState b;
        feed(d, frames.left(cut));
        d.serial_check(f, b);
        feed(d, frames.mid(cut));
        d.serial_check(f, b);
        KeyFlags expected = only(&KeyFlags::Keyboard_Enter_Pressed);
        expected.Keyboard_Pixy_Brightness_Pressed = true;
        QVERIFY2(f == expected, qPrintable(QString("cut at %1").arg(cut)));
        QCOMPARE(b.Brightness_Step, 3);
        QVERIFY(!b.Brightness_Automatic_Enable);
    }
}

void TestInput::frameSplitOverTwoReadsOneTick()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, "$,0");
    feed(d, "9,");
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Down_Pressed));
}

void TestInput::twoFramesOfOneKeyAreOnePress()
{
    // The refresh tick: decode, then dispatch once if a navigation flag is set,
    // and the dispatcher clears everything.
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    int moves = 0;
    auto refreshTick = [&] {
        d.serial_check(f, b);
        if (f.any()) {
            moves += f.Keyboard_UP_Pressed ? 1 : 0;
            f.clear();
        }
    };
    feed(d, keyFrame("08") + keyFrame("08"));
    refreshTick();
    QCOMPARE(moves, 1);
    refreshTick();
    QCOMPARE(moves, 1);
    feed(d, keyFrame("08"));
    refreshTick();
    QCOMPARE(moves, 2);
}

void TestInput::differentKeysInOneTick()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, keyFrame("08") + keyFrame("10") + keyFrame("01"));
    d.serial_check(f, b);
    KeyFlags expected;
    expected.Keyboard_UP_Pressed = expected.Keyboard_Enter_Pressed = expected.Keyboard_ESC_Pressed = true;
    QVERIFY(f == expected);
}

void TestInput::stepsAndIdleStart()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    QCOMPARE(d.Serial_Step(), 11);
    feed(d, ",08,,09,");            // no "$" yet: all ignored
    d.serial_check(f, b);
    QVERIFY(f == KeyFlags());
    QCOMPARE(d.Serial_Step(), 11);
    feed(d, "$a");
    d.serial_check(f, b);
    QCOMPARE(d.Serial_Step(), 0);
    feed(d, ",1");
    d.serial_check(f, b);
    QCOMPARE(d.Serial_Step(), 1);
    feed(d, "0,");
    d.serial_check(f, b);
    QCOMPARE(d.Serial_Step(), 2);
    QVERIFY(f == only(&KeyFlags::Keyboard_Enter_Pressed));
    f.clear();
    feed(d, "08,09,");              // the rest of a frame is ignored
    d.serial_check(f, b);
    QCOMPARE(d.Serial_Step(), 2);
    QVERIFY(f == KeyFlags());
}

void TestInput::dollarAsLastReceivedByte()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, "$,02,junk$");
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Home_Pressed));
    QCOMPARE(d.Serial_Step(), 0);
    QCOMPARE(d.tail(), d.head());
    f.clear();
    feed(d, ",03,");
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Menu_Pressed));
}

void TestInput::dollarRestartsAFrameInProgress()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, "$,0");
    d.serial_check(f, b);
    feed(d, "$,09,");
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Down_Pressed));
}

void TestInput::brightnessReports_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("automatic");
    for (int n = 1; n <= 7; ++n)
        QTest::addRow("%dM", n) << QByteArray::number(n).append('M') << n << false;
    QTest::newRow("1A") << QByteArray("1A") << 1 << true;
    QTest::newRow("7A") << QByteArray("7A") << 7 << true;
    QTest::newRow("3M suffix") << QByteArray("3M,5") << 3 << false;
}

void TestInput::brightnessReports()
{
    QFETCH(QByteArray, code);
    QFETCH(int, step);
    QFETCH(bool, automatic);
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    b.Brightness_Step = 5;
    b.Brightness_Automatic_Enable = !automatic;
    b.brightness_timeout = 4;
    feed(d, keyFrame(code.constData()));
    d.serial_check(f, b);
    QCOMPARE(b.Brightness_Step, step);
    QCOMPARE(b.Brightness_Automatic_Enable, automatic);
    QVERIFY(b.Brightness_Panel_Enable);
    QCOMPARE(b.brightness_timeout, 0);
    QVERIFY(f == only(&KeyFlags::Keyboard_Pixy_Brightness_Pressed));
}

void TestInput::brightnessCheckOutOfRange()
{
    for (int n : {-1, 0, 10, 100}) {
        KeyFlags f;
        BrightnessState b;
        b.Brightness_Step = 4;
        b.brightness_timeout = 2;
        KeypadDecoder::Brightness_Check(n, f, b);
        QVERIFY(f == KeyFlags());
        QCOMPARE(b.Brightness_Step, 4);
        QCOMPARE(b.brightness_timeout, 2);
        QVERIFY(!b.Brightness_Panel_Enable);
    }
}

void TestInput::brightnessAloneDoesNotTriggerDispatch()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, keyFrame("7A") + keyFrame("06"));
    d.serial_check(f, b);
    QVERIFY(!f.any());
    QVERIFY(f.Keyboard_Pixy_Brightness_Pressed);
    QVERIFY(f.Keyboard_Pixy_Brightness_UP_Pressed);
    // A later report overrides an earlier one of the same tick.
    feed(d, keyFrame("7A") + keyFrame("2M"));
    d.serial_check(f, b);
    QCOMPARE(b.Brightness_Step, 2);
    QVERIFY(!b.Brightness_Automatic_Enable);
}

void TestInput::keypadRingWrapsAround()
{
    // 7-byte frames do not divide the ring size, so frames straddle the end.
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    const char* codes[] = {"08", "09", "10"};
    FlagPtr flags[] = {&KeyFlags::Keyboard_UP_Pressed, &KeyFlags::Keyboard_Down_Pressed,
                       &KeyFlags::Keyboard_Enter_Pressed};
    int wraps = 0;
    for (int i = 0; i < 1000; ++i) {
        const int before = d.head();
        feed(d, keyFrame(codes[i % 3]));
        if (d.head() < before)
            ++wraps;
        QVERIFY(d.head() >= 0 && d.head() < KeypadDecoder::RingSize);
        d.serial_check(f, b);
        QVERIFY2(f == only(flags[i % 3]), qPrintable(QString("frame %1").arg(i)));
        f.clear();
    }
    QVERIFY(wraps >= 6);
    QCOMPARE(d.droppedBytes(), 0);

    // Also across the wrap with several frames pending in one tick.
    feed(d, keyFrame("01") + QByteArray(900, 'z') + keyFrame("13"));
    d.serial_check(f, b);
    KeyFlags expected;
    expected.Keyboard_ESC_Pressed = expected.Keyboard_Pixy_Down_Pressed = true;
    QVERIFY(f == expected);
    QCOMPARE(d.droppedBytes(), 0);
}

void TestInput::overlongFieldIsTruncated()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    const QByteArray field = QByteArray("12") + QByteArray(2998, '7');
    const QByteArray frame = QByteArray("$,") + field + ",";
    for (int i = 0; i < frame.size(); i += 400) {
        feed(d, frame.mid(i, 400));
        d.serial_check(f, b);
    }
    QVERIFY(f == only(&KeyFlags::Keyboard_Pixy_UP_Pressed));
    QCOMPARE(d.fieldLength(), KeypadDecoder::FieldMax);
    QVERIFY(d.fieldTruncated());
    QCOMPARE(int(qstrlen(d.temp_serial())), KeypadDecoder::FieldMax);
    QCOMPARE(QByteArray(d.temp_serial()), field.left(KeypadDecoder::FieldMax));
    QCOMPARE(d.droppedBytes(), 0);
}

void TestInput::overlongFieldThenNewFrame()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, QByteArray("$,08") + QByteArray(700, 'q'));
    d.serial_check(f, b);
    QVERIFY(f == KeyFlags());       // never closed
    feed(d, keyFrame("09"));
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Down_Pressed));
    QVERIFY(!d.fieldTruncated());
}

void TestInput::keypadFloodKeepsNewestAndResynchronises()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    // 999 bytes fit.
    feed(d, QByteArray(KeypadDecoder::RingSize - 1, 'x'));
    QCOMPARE(d.pending(), KeypadDecoder::RingSize - 1);
    QCOMPARE(d.droppedBytes(), 0);
    // A flood far beyond the ring: the newest 999 bytes are kept.
    QByteArray flood;
    for (int i = 0; i < 1000; ++i)
        flood += keyFrame(i % 2 ? "08" : "4M");
    feed(d, flood);
    QCOMPARE(d.pending(), KeypadDecoder::RingSize - 1);
    QCOMPARE(d.droppedBytes(), qint64(KeypadDecoder::RingSize - 1 + flood.size()
                                       - (KeypadDecoder::RingSize - 1)));
    QVERIFY(d.head() >= 0 && d.head() < KeypadDecoder::RingSize);
    QVERIFY(d.tail() >= 0 && d.tail() < KeypadDecoder::RingSize);
    d.serial_check(f, b);
    KeyFlags expected = only(&KeyFlags::Keyboard_UP_Pressed);
    expected.Keyboard_Pixy_Brightness_Pressed = true;
    QVERIFY(f == expected);
    QCOMPARE(b.Brightness_Step, 4);
    QCOMPARE(d.pending(), 0);
    // And the decoder carries on normally.
    f.clear();
    feed(d, keyFrame("02"));
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Home_Pressed));
}

void TestInput::keypadOverrunAbandonsFrameInProgress()
{
    // A frame has started ("$" decoded); the ring then overflows, so bytes
    // right after the "$" are lost. What follows must not be read as the
    // rest of that frame: the decoder waits for the next "$".
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    feed(d, "$");
    d.serial_check(f, b);
    QCOMPARE(d.Serial_Step(), 0);
    feed(d, QByteArray(KeypadDecoder::RingSize - 1, 'a'));
    QCOMPARE(d.Serial_Step(), 0);
    feed(d, ",08,");
    QCOMPARE(d.droppedBytes(), 4);
    QCOMPARE(d.Serial_Step(), KeypadDecoder::StepIdle);
    d.serial_check(f, b);
    QVERIFY(f == KeyFlags());
    feed(d, keyFrame("09"));
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Down_Pressed));
}

void TestInput::keypadGarbage()
{
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    d.receive(nullptr, 10);
    d.receive("abc", 0);
    d.receive("abc", -5);
    QCOMPARE(d.pending(), 0);
    QByteArray junk;
    for (int i = 0; i < 20000; ++i)
        junk.append(char((i * 37 + (i >> 3)) & 0xFF));
    for (int i = 0; i < junk.size(); i += 300) {
        feed(d, junk.mid(i, 300));
        d.serial_check(f, b);
        QVERIFY(d.Serial_Step() == 0 || d.Serial_Step() == 1 || d.Serial_Step() == 2
                || d.Serial_Step() == 11);
        QVERIFY(d.fieldLength() >= 0 && d.fieldLength() <= KeypadDecoder::FieldMax);
        QVERIFY(b.Brightness_Step >= 0 && b.Brightness_Step <= 7);
    }
    QVERIFY(!f.Keyboard_Pixy_Clear_Pressed && !f.Keyboard_Pixy_Home_Pressed && !f.Keyboard_Pixy_Enter_Pressed);
    f.clear();
    feed(d, keyFrame("03"));
    d.serial_check(f, b);
    QVERIFY(f == only(&KeyFlags::Keyboard_Menu_Pressed));
}

// ---------------------------------------------------------------- touch

void TestInput::exampleTouchFrame()
{
    TouchDecoder t;
    TouchLog log;
    feed(t, hex("a10f40000041"));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(1024, 767)});
    QCOMPARE(t.tail(), t.head());
    QVERIFY(!t.collecting());
}

void TestInput::coordinateMapping_data()
{
    QTest::addColumn<int>("rawX");
    QTest::addColumn<int>("rawY");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("origin") << 0 << 0 << 0 << 767;
    QTest::newRow("far corner") << 2047 << 2047 << 1056 << 0;
    QTest::newRow("fractions truncate") << 1 << 2046 << 0 << 0;
    QTest::newRow("exact x") << 31 << 1024 << 16 << 383;
    QTest::newRow("middle") << 1000 << 1000 << 516 << 392;
    QTest::newRow("screen right") << 1984 << 3 << 1024 << 766;
    QTest::newRow("just below") << 1983 << 5 << 1023 << 765;
}

void TestInput::coordinateMapping()
{
    QFETCH(int, rawX);
    QFETCH(int, rawY);
    QFETCH(int, x);
    QFETCH(int, y);
    int gx = -1;
    int gy = -1;
    TouchDecoder::toScreen(rawX, rawY, gx, gy);
    QCOMPARE(gx, x);
    QCOMPARE(gy, y);

    TouchDecoder t;
    TouchLog log;
    feed(t, touchFrame(rawX, rawY));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(x, y)});
}

void TestInput::yLowByteEqualToEndByte()
{
    TouchDecoder t;
    TouchLog log;
    feed(t, touchFrame(0x0F * 128 + 0x40, 0x41) + touchFrame(100, 0x141));
    t.touchscreen_check(log.callback());
    const QList<QPoint> expected{QPoint(1024, int((2047 - 65) * 0.375)), QPoint(51, int((2047 - 0x141) * 0.375))};
    QCOMPARE(log.points, expected);
}

void TestInput::endByteNeedsFiveBytes()
{
    // 0x41 as X low byte (index 2) is data, not the end of the frame.
    TouchDecoder t;
    TouchLog log;
    feed(t, hex("a100410f0041"));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(33, 47)});
    // Nor at index 3 or 4 counted from the start: a1 41 41 41 is not a frame yet.
    feed(t, hex("a1414141"));
    t.touchscreen_check(log.callback());
    QVERIFY(t.collecting());
    QCOMPARE(t.touchIndex(), 4);
}

void TestInput::frameWithoutEndByteDroppedAtNextStart()
{
    TouchDecoder t;
    TouchLog log;
    feed(t, hex("a10102030405") + hex("a10f40000041"));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(1024, 767)});

    // Also when the unfinished frame was collected on an earlier tick.
    feed(t, hex("a1050607"));
    t.touchscreen_check(log.callback());
    QVERIFY(t.collecting());
    feed(t, touchFrame(0, 2047));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points.size(), 2);
    QCOMPARE(log.points.last(), QPoint(0, 0));
}

void TestInput::longFrameStoresNineBytes()
{
    TouchDecoder t;
    TouchLog log;
    feed(t, hex("a10f4000001122334455667700"));
    t.touchscreen_check(log.callback());
    QVERIFY(log.points.isEmpty());
    QCOMPARE(t.touchIndex(), TouchDecoder::FrameMax);
    feed(t, hex("41"));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(1024, 767)});
    QCOMPARE(t.touchIndex(), 0);
}

void TestInput::corruptCoordinatesDiscarded_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("x beyond 2047") << hex("a1100000" "0041");
    QTest::newRow("y beyond 2047") << hex("a1000010" "0041");
    QTest::newRow("all ones") << hex("a17f7f7f7f41");
    QTest::newRow("top bit in x low") << hex("a100800000" "41");
    QTest::newRow("top bit in y high") << hex("a10000ff0041");
}

void TestInput::corruptCoordinatesDiscarded()
{
    QFETCH(QByteArray, frame);
    TouchDecoder t;
    TouchLog log;
    feed(t, frame + touchFrame(2047, 2047));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(1056, 0)});
    QCOMPARE(t.corruptFrames(), 1);
}

void TestInput::touchSplitAtEveryPosition()
{
    const QByteArray bytes = hex("0041a1") + touchFrame(1984, 0) + hex("7f") + touchFrame(500, 1500);
    int x2, y2;
    TouchDecoder::toScreen(500, 1500, x2, y2);
    const QList<QPoint> expected{QPoint(1024, 767), QPoint(x2, y2)};
    for (int cut = 0; cut <= bytes.size(); ++cut) {
        TouchDecoder t;
        TouchLog log;
        feed(t, bytes.left(cut));
        t.touchscreen_check(log.callback());
        feed(t, bytes.mid(cut));
        t.touchscreen_check(log.callback());
        QVERIFY2(log.points == expected, qPrintable(QString("cut at %1").arg(cut)));
    }
}

void TestInput::touchRingWrapsAround()
{
    // 6-byte frames do not divide the 991 places of the ring.
    TouchDecoder t;
    TouchLog log;
    int wraps = 0;
    int maxHead = 0;
    QList<QPoint> expected;
    for (int i = 0; i < 800; ++i) {
        const int rawX = (i * 13) % 2048;
        const int rawY = (i * 29) % 2048;
        int x, y;
        TouchDecoder::toScreen(rawX, rawY, x, y);
        expected.append(QPoint(x, y));
        const int before = t.head();
        QByteArray bytes = touchFrame(rawX, rawY);
        if (i % 5 == 0)
            bytes += touchFrame(rawY, rawX);   // a second frame in the same tick
        feed(t, bytes);
        if (i % 5 == 0) {
            TouchDecoder::toScreen(rawY, rawX, x, y);
            expected.append(QPoint(x, y));
        }
        if (t.head() < before)
            ++wraps;
        maxHead = qMax(maxHead, t.head());
        t.touchscreen_check(log.callback());
        QVERIFY(t.tail() >= 0 && t.tail() <= 990);
    }
    QCOMPARE(log.points, expected);
    QVERIFY(wraps >= 5);
    QCOMPARE(maxHead, 990);
    QCOMPARE(t.droppedBytes(), 0);
}

void TestInput::touchDuringLockOutIsDiscarded()
{
    TouchDecoder t;
    TouchLog log;
    t.key_pressure = 1;
    feed(t, touchFrame(1000, 1000));
    t.touchscreen_check(log.callback());
    QVERIFY(log.points.isEmpty());
    QCOMPARE(t.lockedOutFrames(), 1);
    t.tick();
    QCOMPARE(t.key_pressure, 0);
    t.touchscreen_check(log.callback());
    QVERIFY(log.points.isEmpty());      // discarded, not delayed
    feed(t, touchFrame(1984, 0));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(1024, 767)});
}

void TestInput::lockOutOfTwoTicks()
{
    TouchDecoder t;
    t.key_pressure_max = 2;
    int touches = 0;
    auto dispatcher = [&](int x, int y) {
        ++touches;
        t.Check_Click_Pixel(0, 0, 1100, 800, x, y);
    };
    // The input tick: decode, then count the lock-out down. A finger held on
    // the panel sends a frame every tick; after a hit the next tick's frame is
    // discarded (key_pressure 2 -> 1 at that tick's end, then 0).
    for (int i = 0; i < 9; ++i) {
        feed(t, touchFrame(1000, 1000));
        t.touchscreen_check(dispatcher);
        t.tick();
    }
    QCOMPARE(touches, 5);       // ticks 0, 2, 4, 6, 8
    QCOMPARE(t.lockedOutFrames(), 4);

    // With the lock-out of one, every tick's frame would get through.
    TouchDecoder u;
    touches = 0;
    for (int i = 0; i < 4; ++i) {
        feed(u, touchFrame(1000, 1000));
        u.touchscreen_check([&](int x, int y) {
            ++touches;
            u.Check_Click_Pixel(0, 0, 1100, 800, x, y);
        });
        u.tick();
    }
    QCOMPARE(touches, 4);
}

void TestInput::tickHoldsAtZero()
{
    TouchDecoder t;
    QCOMPARE(t.key_pressure, 0);
    QCOMPARE(t.key_pressure_max, 1);
    t.tick();
    QCOMPARE(t.key_pressure, 0);
    t.key_pressure = 2;
    t.tick();
    QCOMPARE(t.key_pressure, 1);
    t.tick();
    t.tick();
    QCOMPARE(t.key_pressure, 0);
    t.key_pressure = -3;
    t.tick();
    QCOMPARE(t.key_pressure, 0);
}

void TestInput::hitTestEdges_data()
{
    QTest::addColumn<int>("px");
    QTest::addColumn<int>("py");
    QTest::addColumn<int>("hit");
    // Region (215, 7)-(415, 55).
    QTest::newRow("inside") << 300 << 30 << 1;
    QTest::newRow("left edge") << 215 << 30 << 0;
    QTest::newRow("top edge") << 300 << 7 << 0;
    QTest::newRow("right edge") << 415 << 30 << 0;
    QTest::newRow("bottom edge") << 300 << 55 << 0;
    QTest::newRow("top-left corner") << 215 << 7 << 0;
    QTest::newRow("just inside left") << 216 << 8 << 1;
    QTest::newRow("just inside right") << 414 << 54 << 1;
    QTest::newRow("left of it") << 100 << 30 << 0;
    QTest::newRow("below it") << 300 << 60 << 0;
}

void TestInput::hitTestEdges()
{
    QFETCH(int, px);
    QFETCH(int, py);
    QFETCH(int, hit);
    TouchDecoder t;
    t.key_pressure_max = 2;
    QCOMPARE(t.Check_Click_Pixel(215, 7, 415, 55, px, py), hit);
    QCOMPARE(t.key_pressure, hit ? 2 : 0);
}

void TestInput::hitFlushesRestOfPass()
{
    TouchDecoder t;
    QList<QPoint> seen;
    feed(t, touchFrame(1984, 0) + touchFrame(100, 100) + touchFrame(200, 200) + hex("a10f"));
    t.touchscreen_check([&](int x, int y) {
        seen.append(QPoint(x, y));
        t.Check_Click_Pixel(1000, 700, 1050, 800, x, y);
    });
    QCOMPARE(seen, QList<QPoint>{QPoint(1024, 767)});
    QCOMPARE(t.tail(), t.head());
    QCOMPARE(t.pending(), 0);
    QVERIFY(!t.collecting());
    QCOMPARE(t.key_pressure, 1);
    t.tick();
    // The discarded bytes never come back; a new frame is decoded.
    feed(t, hex("0040000041"));     // rest of the flushed partial frame
    feed(t, touchFrame(0, 2047));
    t.touchscreen_check([&](int x, int y) { seen.append(QPoint(x, y)); });
    QCOMPARE(seen, (QList<QPoint>{QPoint(1024, 767), QPoint(0, 0)}));
}

void TestInput::missDoesNotFlush()
{
    TouchDecoder t;
    QList<QPoint> seen;
    feed(t, touchFrame(1984, 0) + touchFrame(0, 2047));
    t.touchscreen_check([&](int x, int y) {
        seen.append(QPoint(x, y));
        QCOMPARE(t.Check_Click_Pixel(0, 0, 1024, 767, x, y), 0);   // on the edges
    });
    QCOMPARE(seen, (QList<QPoint>{QPoint(1024, 767), QPoint(0, 0)}));
    QCOMPARE(t.key_pressure, 0);
}

void TestInput::exceptionFromDispatcherIsCaught()
{
    TouchDecoder t;
    QList<QPoint> seen;
    feed(t, touchFrame(1984, 0) + touchFrame(0, 2047));
    QTest::ignoreMessage(QtDebugMsg, "Exception no such screen");
    t.touchscreen_check([&](int x, int y) {
        seen.append(QPoint(x, y));
        throw std::runtime_error("no such screen");
    });
    QCOMPARE(seen.size(), 1);               // the pass ended
    QVERIFY(t.pending() > 0);
    t.touchscreen_check([&](int x, int y) { seen.append(QPoint(x, y)); });
    QCOMPARE(seen, (QList<QPoint>{QPoint(1024, 767), QPoint(0, 0)}));
}

void TestInput::unknownExceptionFromDispatcherIsCaught()
{
    TouchDecoder t;
    int calls = 0;
    feed(t, touchFrame(5, 5) + touchFrame(6, 6));
    QTest::ignoreMessage(QtDebugMsg, "Different kind of Exception");
    t.touchscreen_check([&](int, int) {
        ++calls;
        throw 42;
    });
    QCOMPARE(calls, 1);
    QTest::ignoreMessage(QtDebugMsg, "Different kind of Exception");
    t.touchscreen_check([&](int, int) {
        ++calls;
        throw 42;
    });
    QCOMPARE(calls, 2);
    QCOMPARE(t.pending(), 0);
}

void TestInput::touchFloodKeepsNewest()
{
    TouchDecoder t;
    TouchLog log;
    feed(t, QByteArray(TouchDecoder::RingSize - 1, char(0x11)));
    QCOMPARE(t.pending(), 990);
    QCOMPARE(t.droppedBytes(), 0);
    QByteArray flood;
    for (int i = 0; i < 2000; ++i)
        flood += touchFrame(i, 2047 - i);
    feed(t, flood);
    QCOMPARE(t.pending(), 990);
    QCOMPARE(t.droppedBytes(), qint64(flood.size()));
    t.touchscreen_check(log.callback());
    // 990 bytes = 165 whole frames: the newest ones, in order.
    QCOMPARE(log.points.size(), 165);
    int x, y;
    TouchDecoder::toScreen(1999, 48, x, y);
    QCOMPARE(log.points.last(), QPoint(x, y));
    TouchDecoder::toScreen(1835, 212, x, y);
    QCOMPARE(log.points.first(), QPoint(x, y));
}

void TestInput::touchOverrunAbandonsFrameInProgress()
{
    // Start of a frame decoded; then the ring overflows. The bytes that follow
    // the hole must not complete that frame.
    TouchDecoder t;
    TouchLog log;
    feed(t, hex("a10f"));
    t.touchscreen_check(log.callback());
    QVERIFY(t.collecting());
    feed(t, QByteArray(990, char(0x00)));
    QVERIFY(t.collecting());
    feed(t, hex("0041"));
    QVERIFY(!t.collecting());
    QCOMPARE(t.droppedBytes(), 2);
    t.touchscreen_check(log.callback());
    QVERIFY(log.points.isEmpty());
    feed(t, touchFrame(1984, 0));
    t.touchscreen_check(log.callback());
    QCOMPARE(log.points, QList<QPoint>{QPoint(1024, 767)});
}

void TestInput::flushAbandonsFrameInProgress()
{
    TouchDecoder t;
    TouchLog log;
    feed(t, hex("a10f4000"));
    t.touchscreen_check(log.callback());
    t.flush();                  // a password key, outside a pass
    feed(t, hex("0041"));
    t.touchscreen_check(log.callback());
    QVERIFY(log.points.isEmpty());
    QCOMPARE(t.key_pressure, 0);
}

void TestInput::touchIgnoresEmptyInput()
{
    TouchDecoder t;
    t.receive(nullptr, 5);
    t.receive("\xa1", 0);
    t.receive("\xa1", -1);
    QCOMPARE(t.pending(), 0);
    t.touchscreen_check(nullptr);       // no dispatcher: nothing to call
    feed(t, touchFrame(1, 1));
    t.touchscreen_check(nullptr);
    QCOMPARE(t.pending(), 0);
}

QTEST_GUILESS_MAIN(TestInput)
#include "tst_input.moc"
