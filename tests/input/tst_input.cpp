// Tests of the keypad and touch decoders: frames, codes, lock-out and flush,
// overruns and malformed input. That frames split over reads and over the end
// of the ring decode alike is checked by the fuzz replay (tests/fuzz), which
// runs with the tests.

#include "input/key_flags.h"
#include "input/keypad_decoder.h"
#include "input/touch_decoder.h"

#include <QtTest>

#include <initializer_list>
#include <stdexcept>

namespace {

using FlagPtr = bool KeyFlags::*;
using Points = QList<QPoint>;

// What the port handler does: hand over at most MaxRead bytes at a time.
template <typename Decoder> void feed(Decoder& d, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); i += Decoder::MaxRead)
        d.receive(bytes.constData() + i, qMin<int>(Decoder::MaxRead, bytes.size() - i));
}

KeyFlags flags(std::initializer_list<FlagPtr> set)
{
    KeyFlags f;
    for (FlagPtr p : set)
        f.*p = true;
    return f;
}

// The keypad side of the refresh tick.
struct Pad {
    KeypadDecoder d;
    KeyFlags f;
    BrightnessState b;
    const KeyFlags& run(const QByteArray& bytes)
    {
        feed(d, bytes);
        d.serial_check(f, b);
        return f;
    }
};

QByteArray touchFrame(int rawX, int rawY)
{
    const char f[] = {char(0xA1), char(rawX >> 7), char(rawX & 0x7F), char(rawY >> 7), char(rawY & 0x7F), 0x41};
    return QByteArray(f, 6);
}

QPoint screen(int rawX, int rawY)
{
    int x, y;
    TouchDecoder::toScreen(rawX, rawY, x, y);
    return QPoint(x, y);
}

// Decodes the touch input of one tick, recording every touch handed over.
Points run(TouchDecoder& t, const QByteArray& bytes, Points* log = nullptr)
{
    Points seen;
    feed(t, bytes);
    t.touchscreen_check([&](int x, int y) { seen.append(QPoint(x, y)); });
    if (log)
        *log += seen;
    return seen;
}

} // namespace

Q_DECLARE_METATYPE(KeyFlags)

class TestInput : public QObject {
    Q_OBJECT

    static QByteArray keyFrame(const char* code) { return QByteArray("$,") + code + ",\r\n"; }
    static QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

private slots:
    // The first eight flags are navigation and call the dispatcher; the rest do not.
    void onlyNavigationFlagsTriggerDispatch()
    {
        // clang-format off
        const FlagPtr all[] = {&KeyFlags::Keyboard_ESC_Pressed, &KeyFlags::Keyboard_Home_Pressed,
                               &KeyFlags::Keyboard_Menu_Pressed, &KeyFlags::Keyboard_UP_Pressed,
                               &KeyFlags::Keyboard_Down_Pressed, &KeyFlags::Keyboard_Enter_Pressed,
                               &KeyFlags::Keyboard_Pixy_UP_Pressed, &KeyFlags::Keyboard_Pixy_Down_Pressed,
                               &KeyFlags::Keyboard_Pixy_Brightness_UP_Pressed,
                               &KeyFlags::Keyboard_Pixy_Brightness_Down_Pressed,
                               &KeyFlags::Keyboard_Pixy_Brightness_Pressed, &KeyFlags::Keyboard_Pixy_Clear_Pressed,
                               &KeyFlags::Keyboard_Pixy_Home_Pressed, &KeyFlags::Keyboard_Pixy_Enter_Pressed};
        // clang-format on
        for (int i = 0; i < 14; ++i)
            QCOMPARE(flags({all[i]}).any(), i < 8);
    }

    // Frames: "$", anything, ",", the code (its first two characters count),
    // ",", anything. Keys set their flag; brightness reports set the step and
    // the automatic mode and show the panel; every other code changes nothing.
    void keypadFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<KeyFlags>("keys");
        QTest::addColumn<int>("step"); // brightness step reported, 0: none
        QTest::addColumn<bool>("automatic");
        const KeyFlags up = flags({&KeyFlags::Keyboard_UP_Pressed});
        for (const char* f : {"$,08,", "$,08,\r\n", "$K1 ab,08,", "$,08,1,2,3*4F\r\n", "$,08xyz,", "08,,08,#$,08,",
                              "$$,08,", "$,0$,08,"})
            QTest::addRow("frame %s", f) << QByteArray(f) << up << 0 << false;
        // clang-format off
        const struct { const char* code; FlagPtr flag; } keys[] = {
            {"01", &KeyFlags::Keyboard_ESC_Pressed}, {"02", &KeyFlags::Keyboard_Home_Pressed},
            {"03", &KeyFlags::Keyboard_Menu_Pressed}, {"06", &KeyFlags::Keyboard_Pixy_Brightness_UP_Pressed},
            {"07", &KeyFlags::Keyboard_Pixy_Brightness_Down_Pressed}, {"08", &KeyFlags::Keyboard_UP_Pressed},
            {"09", &KeyFlags::Keyboard_Down_Pressed}, {"10", &KeyFlags::Keyboard_Enter_Pressed},
            {"12", &KeyFlags::Keyboard_Pixy_UP_Pressed}, {"13", &KeyFlags::Keyboard_Pixy_Down_Pressed},
            {"101", &KeyFlags::Keyboard_Enter_Pressed}, {"13;x", &KeyFlags::Keyboard_Pixy_Down_Pressed},
        };
        // clang-format on
        for (const auto& k : keys)
            QTest::addRow("code %s", k.code) << QByteArray("$,") + k.code + "," << flags({k.flag}) << 0 << false;
        // Keys the keypad handles itself, and everything else.
        for (const char* c : {"04", "05", "11", "14", "15", "00", "16", "99", "0",  "",   "8",   "80",
                              "M1", "0M", "8M", "9M", "2A", "6A", "8A", "1a", "1m", "A1", " 08", "0 8"})
            QTest::addRow("ignored '%s'", c) << QByteArray("$,") + c + "," << KeyFlags() << 0 << false;
        const KeyFlags report = flags({&KeyFlags::Keyboard_Pixy_Brightness_Pressed});
        for (int n = 1; n <= 7; ++n)
            QTest::addRow("brightness %dM", n) << keyFrame(qPrintable(QString("%1M").arg(n))) << report << n << false;
        QTest::newRow("brightness 1A") << keyFrame("1A") << report << 1 << true;
        QTest::newRow("brightness 7A") << keyFrame("7A") << report << 7 << true;
        QTest::newRow("brightness 3M suffix") << keyFrame("3M,5") << report << 3 << false;
    }

    void keypadFrames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(KeyFlags, keys);
        QFETCH(int, step);
        QFETCH(bool, automatic);
        Pad p;
        p.b.Brightness_Step = 5;
        p.b.Brightness_Automatic_Enable = !automatic;
        p.b.brightness_timeout = 4;
        QVERIFY(p.run(bytes) == keys);
        QCOMPARE(p.b.Brightness_Step, step ? step : 5);
        QCOMPARE(p.b.Brightness_Automatic_Enable, step ? automatic : !automatic);
        QCOMPARE(p.b.Brightness_Panel_Enable, step != 0);
        QCOMPARE(p.b.brightness_timeout, step ? 0 : 4);
        QCOMPARE(p.d.tail(), p.d.head());
    }

    // One tick: the same key twice is one press (the dispatcher then clears
    // the flags), different keys are all reported, the last brightness report counts.
    void framesOfOneTick()
    {
        Pad p;
        QVERIFY(p.run(keyFrame("08") + keyFrame("08")) == flags({&KeyFlags::Keyboard_UP_Pressed}));
        p.f.clear();
        QVERIFY(p.run({}) == KeyFlags());
        QVERIFY(p.run(keyFrame("08") + keyFrame("10") + keyFrame("7A") + keyFrame("2M")) ==
                flags({&KeyFlags::Keyboard_UP_Pressed, &KeyFlags::Keyboard_Enter_Pressed,
                       &KeyFlags::Keyboard_Pixy_Brightness_Pressed}));
        QCOMPARE(p.b.Brightness_Step, 2);
        QVERIFY(!p.b.Brightness_Automatic_Enable);
    }

    void overlongField()
    {
        Pad p;
        const QByteArray field = QByteArray("12") + QByteArray(2998, '7');
        const QByteArray frame = QByteArray("$,") + field + ",";
        for (int i = 0; i < frame.size(); i += 400)
            p.run(frame.mid(i, 400));
        QVERIFY(p.f == flags({&KeyFlags::Keyboard_Pixy_UP_Pressed}));
        QVERIFY(p.d.fieldTruncated());
        QCOMPARE(QByteArray(p.d.temp_serial()), field.left(KeypadDecoder::FieldMax));
        QCOMPARE(p.d.droppedBytes(), 0);

        // A long field that never closes does not hide the next frame.
        Pad q;
        QVERIFY(q.run(QByteArray("$,08") + QByteArray(700, 'q')) == KeyFlags());
        QVERIFY(q.run(keyFrame("09")) == flags({&KeyFlags::Keyboard_Down_Pressed}));
        QVERIFY(!q.d.fieldTruncated());
    }

    void keypadOverrun()
    {
        Pad p;
        feed(p.d, QByteArray(KeypadDecoder::RingSize - 1, 'x')); // 999 bytes fit
        QCOMPARE(p.d.droppedBytes(), 0);
        QByteArray flood;
        for (int i = 0; i < 1000; ++i)
            flood += keyFrame(i % 2 ? "08" : "4M");
        feed(p.d, flood);
        QCOMPARE(p.d.pending(), KeypadDecoder::RingSize - 1);
        QCOMPARE(p.d.droppedBytes(), qint64(flood.size()));
        QVERIFY(p.run({}) == flags({&KeyFlags::Keyboard_UP_Pressed, &KeyFlags::Keyboard_Pixy_Brightness_Pressed}));
        QCOMPARE(p.b.Brightness_Step, 4);
        QCOMPARE(p.d.pending(), 0);
        p.f.clear();
        QVERIFY(p.run(keyFrame("02")) == flags({&KeyFlags::Keyboard_Home_Pressed}));

        // After "$" the ring overflows and the bytes right after it are lost:
        // what follows is not the rest of that frame.
        Pad q;
        q.run("$");
        QCOMPARE(q.d.Serial_Step(), 0);
        feed(q.d, QByteArray(KeypadDecoder::RingSize - 1, 'a') + ",08,");
        QCOMPARE(q.d.droppedBytes(), 4);
        QCOMPARE(q.d.Serial_Step(), KeypadDecoder::StepIdle);
        QVERIFY(q.run({}) == KeyFlags());
        QVERIFY(q.run(keyFrame("09")) == flags({&KeyFlags::Keyboard_Down_Pressed}));
    }

    void emptyInput()
    {
        KeypadDecoder k;
        TouchDecoder t;
        k.receive(nullptr, 10);
        k.receive("abc", -5);
        t.receive(nullptr, 5);
        t.receive("\xa1", -1);
        QCOMPARE(k.pending() + t.pending(), 0);
        feed(t, touchFrame(1, 1));
        t.touchscreen_check(nullptr); // no dispatcher: nothing to call
        QCOMPARE(t.pending(), 0);
    }

    void touchFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Points>("points");
        QTest::addColumn<int>("corrupt");
        // Mapping: x = raw / 1.9375, y = (2047 - raw) * 0.375, truncated.
        // clang-format off
        const struct { int rawX, rawY; QPoint p; } mapping[] = {
            {0, 0, {0, 767}},       {2047, 2047, {1056, 0}}, {1, 2046, {0, 0}},
            {1000, 1000, {516, 392}}, {1984, 3, {1024, 766}}, {1983, 5, {1023, 765}},
        };
        for (const auto& m : mapping)
            QTest::addRow("raw %d, %d", m.rawX, m.rawY) << touchFrame(m.rawX, m.rawY) << Points{m.p} << 0;
        const QPoint corner(1024, 767);
        QTest::newRow("example") << hex("a10f40000041") << Points{corner} << 0;
        QTest::newRow("y low byte equal to end byte")
            << touchFrame(1984, 0x41) + touchFrame(100, 0x141)
            << Points{QPoint(1024, int((2047 - 65) * 0.375)), QPoint(51, int((2047 - 0x141) * 0.375))} << 0;
        QTest::newRow("0x41 as x low byte is data") << hex("a100410f0041") << Points{QPoint(33, 47)} << 0;
        QTest::newRow("no end byte: dropped at next start") << hex("a10102030405a10f40000041") << Points{corner} << 0;
        QTest::newRow("long frame stores nine bytes") << hex("a10f400000112233445566770041") << Points{corner} << 0;
        const QByteArray good = touchFrame(2047, 2047);
        const Points far{QPoint(1056, 0)};
        QTest::newRow("x beyond 2047") << hex("a110000000" "41") + good << far << 1;
        QTest::newRow("y beyond 2047") << hex("a100001000" "41") + good << far << 1;
        // clang-format on
        QTest::newRow("all ones") << hex("a17f7f7f7f41") + good << far << 1;
        QTest::newRow("top bit in x low") << hex("a10080000041") + good << far << 1;
        QTest::newRow("top bit in y high") << hex("a10000ff0041") + good << far << 1;
    }

    void touchFrames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Points, points);
        QFETCH(int, corrupt);
        TouchDecoder t;
        QCOMPARE(run(t, bytes), points);
        QCOMPARE(t.corruptFrames(), corrupt);
        QCOMPARE(t.tail(), t.head());
        QVERIFY(!t.collecting());
    }

    void lockOut()
    {
        // A frame during the lock-out is discarded, not delayed.
        TouchDecoder t;
        t.key_pressure = 1;
        QVERIFY(run(t, touchFrame(1000, 1000)).isEmpty());
        QCOMPARE(t.lockedOutFrames(), 1);
        t.tick();
        QCOMPARE(t.key_pressure, 0);
        QVERIFY(run(t, {}).isEmpty());
        QCOMPARE(run(t, touchFrame(1984, 0)), Points{QPoint(1024, 767)});
        t.key_pressure = -3; // the count holds at 0
        t.tick();
        QCOMPARE(t.key_pressure, 0);

        // A finger held on the panel sends a frame every input tick; after a
        // hit the next tick's frame is discarded with a lock-out of two, none
        // with the lock-out of one.
        for (int max : {2, 1}) {
            TouchDecoder u;
            QCOMPARE(u.key_pressure_max, 1);
            u.key_pressure_max = max;
            int touches = 0;
            for (int i = 0; i < 9; ++i) {
                feed(u, touchFrame(1000, 1000));
                u.touchscreen_check([&](int x, int y) {
                    ++touches;
                    u.Check_Click_Pixel(0, 0, 1100, 800, x, y);
                });
                u.tick();
            }
            QCOMPARE(touches, max == 2 ? 5 : 9);
            QCOMPARE(u.lockedOutFrames(), max == 2 ? 4 : 0);
        }
    }

    void hitTestEdges()
    {
        // Region (215, 7)-(415, 55): the edges are outside.
        const int rows[][3] = {{300, 30, 1}, {215, 30, 0}, {415, 30, 0}, {300, 7, 0},
                               {300, 55, 0}, {216, 8, 1},  {414, 54, 1}};
        for (const auto& [x, y, hit] : rows) {
            TouchDecoder t;
            t.key_pressure_max = 2;
            QCOMPARE(t.Check_Click_Pixel(215, 7, 415, 55, x, y), hit);
            QCOMPARE(t.key_pressure, hit ? 2 : 0);
        }
    }

    void hitFlushesRestOfPass()
    {
        // A miss leaves the rest of the pass alone.
        TouchDecoder m;
        Points seen;
        feed(m, touchFrame(1984, 0) + touchFrame(0, 2047));
        m.touchscreen_check([&](int x, int y) {
            seen.append(QPoint(x, y));
            QCOMPARE(m.Check_Click_Pixel(0, 0, 1024, 767, x, y), 0); // on the edges
        });
        QCOMPARE(seen, (Points{QPoint(1024, 767), QPoint(0, 0)}));
        QCOMPARE(m.key_pressure, 0);

        // A hit discards everything not yet decoded, a partial frame included.
        TouchDecoder t;
        seen.clear();
        feed(t, touchFrame(1984, 0) + touchFrame(100, 100) + touchFrame(200, 200) + hex("a10f"));
        t.touchscreen_check([&](int x, int y) {
            seen.append(QPoint(x, y));
            t.Check_Click_Pixel(1000, 700, 1050, 800, x, y);
        });
        QCOMPARE(seen, Points{QPoint(1024, 767)});
        QCOMPARE(t.tail(), t.head());
        QCOMPARE(t.pending(), 0);
        QVERIFY(!t.collecting());
        QCOMPARE(t.key_pressure, 1);
        t.tick();
        // The rest of the flushed partial frame is never completed.
        QCOMPARE(run(t, hex("0040000041") + touchFrame(0, 2047)), Points{QPoint(0, 0)});

        // So does a flush from outside a pass (a password key).
        TouchDecoder f;
        run(f, hex("a10f4000"));
        f.flush();
        QVERIFY(run(f, hex("0041")).isEmpty());
        QCOMPARE(f.key_pressure, 0);
    }

    void exceptionFromDispatcherEndsThePass()
    {
        TouchDecoder t;
        Points seen;
        feed(t, touchFrame(1984, 0) + touchFrame(0, 2047));
        QTest::ignoreMessage(QtDebugMsg, "Exception no such screen");
        t.touchscreen_check([&](int x, int y) {
            seen.append(QPoint(x, y));
            throw std::runtime_error("no such screen");
        });
        QCOMPARE(seen.size(), 1);
        QVERIFY(t.pending() > 0);
        run(t, {}, &seen);
        QCOMPARE(seen, (Points{QPoint(1024, 767), QPoint(0, 0)}));

        int calls = 0;
        feed(t, touchFrame(5, 5) + touchFrame(6, 6));
        for (int pass = 1; pass <= 2; ++pass) {
            QTest::ignoreMessage(QtDebugMsg, "Different kind of Exception");
            t.touchscreen_check([&](int, int) { throw ++calls; });
            QCOMPARE(calls, pass);
        }
        QCOMPARE(t.pending(), 0);
    }

    void touchOverrun()
    {
        TouchDecoder t;
        feed(t, QByteArray(TouchDecoder::RingSize - 1, char(0x11)));
        QCOMPARE(t.droppedBytes(), 0);
        QByteArray flood;
        for (int i = 0; i < 2000; ++i)
            flood += touchFrame(i, 2047 - i);
        feed(t, flood);
        QCOMPARE(t.pending(), 990);
        QCOMPARE(t.droppedBytes(), qint64(flood.size()));
        // 990 bytes = 165 whole frames: the newest ones, in order.
        const Points seen = run(t, {});
        QCOMPARE(seen.size(), 165);
        QCOMPARE(seen.first(), screen(1835, 212));
        QCOMPARE(seen.last(), screen(1999, 48));

        // An overrun abandons the frame in progress.
        TouchDecoder u;
        run(u, hex("a10f"));
        feed(u, QByteArray(990, char(0x00)));
        QVERIFY(u.collecting());
        feed(u, hex("0041"));
        QVERIFY(!u.collecting());
        QCOMPARE(u.droppedBytes(), 2);
        QVERIFY(run(u, {}).isEmpty());
        QCOMPARE(run(u, touchFrame(1984, 0)), Points{QPoint(1024, 767)});
    }
};

QTEST_GUILESS_MAIN(TestInput)
#include "tst_input.moc"
