// DDS message catalogue and DDS thread: the catalogue's structure, the
// conversion of the raw record words and the redraw rules of the screen rows.

#include <QDateTime>
#include <QMutex>
#include <QRegularExpression>
#include <QtTest>

#include <ctime>
#include <stdexcept>

#include "diagnostics/dds.h"
#include "diagnostics/pixy_thread.h"

namespace {

QString localText(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs, Qt::LocalTime).toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

// Raw record words as the port map delivers them.
struct RawWords {
    int event = 0, device = 0, code = 0, time1 = 0, time2 = 0;
};

// The time words 24414, 4096 are 1600000000 s.
constexpr RawWords kExample{1234, 0, 92, 24414, 4096};

// A source that the tests set from the outside, thread safe.
struct FakeSource {
    QMutex mutex;
    RawWords rows[DDU_RAW_DATA_COUNT];
    void set(int row, RawWords w)
    {
        QMutexLocker lock(&mutex);
        rows[row] = w;
    }
    void fill(DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT])
    {
        QMutexLocker lock(&mutex);
        for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
            raw[k].event_number_raw = rows[k].event;
            raw[k].device_number = rows[k].device;
            raw[k].fault_number = rows[k].code;
            raw[k].datetime1 = rows[k].time1;
            raw[k].datetime2 = rows[k].time2;
        }
    }
};

// A DDS thread object driven pass by pass from a fake source.
struct Converter {
    FakeSource src;
    Pixy_Thread t;
    Converter() { t.setRawSource([this](DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) { src.fill(raw); }); }
    int pass(int row, RawWords w) { return src.set(row, w), t.convertOnce(); }
};

using Redraw = std::array<bool, DDU_RAW_DATA_COUNT>;
constexpr Redraw kNone{false, false, false, false};

QMap<int, QString> textsOf(int processor)
{
    QMap<int, QString> m;
    for (const DdsMessage& row : dds::table())
        if (row.processor == processor)
            m.insert(row.code, QString::fromUtf8(row.text));
    return m;
}

// Sets TZ for the process and restores it on destruction.
struct ScopedTz {
    const bool had = qEnvironmentVariableIsSet("TZ");
    const QByteArray old = qgetenv("TZ");
    explicit ScopedTz(const char* tz) { qputenv("TZ", tz), tzset(); }
    ~ScopedTz() { had ? qputenv("TZ", old) : qunsetenv("TZ"), tzset(); }
};

} // namespace

Q_DECLARE_METATYPE(RawWords)

class TestDds : public QObject
{
    Q_OBJECT

private slots:
    // ------------------------------------------------------------ catalogue

    void tableShape()
    {
        const DdsTable t = dds::table();
        QCOMPARE(int(t.size()), 692);
        static const QRegularExpression bareAmp(QStringLiteral("&(?!(gt|lt|amp|apos|quot);)"));
        for (std::size_t i = 0; i < t.size(); ++i) {
            const DdsMessage& r = t[i];
            const QString text = QString::fromUtf8(r.text);
            QVERIFY2(r.processor >= 0 && r.processor < dds::ProcessorCount && r.code >= 1 && r.code <= 255,
                     qPrintable(text));
            QVERIFY2(!text.isEmpty() && text.size() <= 39 && text.trimmed() == text, qPrintable(text));
            for (QChar c : text)
                QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(text));
            // Character entities are kept as stored; an ampersand only starts one.
            QVERIFY2(!bareAmp.match(text).hasMatch() && !text.contains('\'') && !text.contains('"'),
                     qPrintable(text));
            if (i > 0) {
                const DdsMessage& p = t[i - 1];
                QVERIFY2(p.processor < r.processor || (p.processor == r.processor && p.code < r.code),
                         qPrintable(QStringLiteral("order at %1/%2").arg(r.processor).arg(r.code)));
            }
        }
    }

    void perProcessor_data()
    {
        QTest::addColumn<int>("processor");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("last");
        QTest::addColumn<QList<int>>("gaps");
        QTest::newRow("FLG1") << 0 << 119 << 121 << QList<int>{119, 120};
        QTest::newRow("FLG2") << 1 << 118 << 121 << QList<int>{112, 119, 120};
        QTest::newRow("SLG1") << 2 << 140 << 140 << QList<int>{};
        QTest::newRow("SLG2") << 3 << 140 << 140 << QList<int>{};
        QTest::newRow("BUR1") << 4 << 36 << 42 << QList<int>{33, 34, 35, 38, 39, 40};
        QTest::newRow("BUR2") << 5 << 47 << 54 << QList<int>{35, 36, 40, 41, 46, 47, 48};
        QTest::newRow("BUR3") << 6 << 43 << 54 << QList<int>{33, 34, 36, 37, 38, 39, 41, 42, 46, 47, 48};
        QTest::newRow("STB1") << 7 << 13 << 13 << QList<int>{};
        QTest::newRow("STB2") << 8 << 13 << 13 << QList<int>{};
        QTest::newRow("HBB1") << 9 << 17 << 18 << QList<int>{17};
        QTest::newRow("HBB2") << 10 << 6 << 18 << QList<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    }

    // Codes 1..last with the gaps; each processor's getter and Get_dds agree
    // with the table, and any code without a text gives "Unknown Message <code>".
    void perProcessor()
    {
        QFETCH(int, processor);
        QFETCH(int, count);
        QFETCH(int, last);
        QFETCH(QList<int>, gaps);
        using Getter = QString (dds::*)(int) const;
        const Getter getters[dds::ProcessorCount] = {
            &dds::Get_flg1, &dds::Get_flg2, &dds::Get_slg1, &dds::Get_slg2, &dds::Get_bur1, &dds::Get_bur2,
            &dds::Get_bur3, &dds::Get_stb1, &dds::Get_stb2, &dds::Get_hbb1, &dds::Get_hbb2};
        const QMap<int, QString> texts = textsOf(processor);
        QCOMPARE(texts.size(), count);
        QCOMPARE(texts.firstKey(), 1);
        QCOMPARE(texts.lastKey(), last);
        QList<int> missing;
        for (int code = 1; code <= last; ++code)
            if (!texts.contains(code))
                missing.append(code);
        QCOMPARE(missing, gaps);
        for (int code = -5; code <= 260; ++code) {
            const QString expected = texts.value(code, QStringLiteral("Unknown Message %1").arg(code));
            QCOMPARE((dds_fun.*getters[processor])(code), expected);
            QCOMPARE(dds_fun.Get_dds(processor, code), expected);
        }
    }

    void quotedRows()
    {
        const struct { int p, c; const char* t; } rows[] = {
            {0, 121, "Loco in Shunting Mode"},  {2, 1, "Primary voltage &gt; max"},
            {3, 140, "Bogie 2 wheel skidding"}, {4, 42, "Contactor Q52/4 will not open"},
            {7, 12, "Rotary switch Vigilance control cut out"}, {10, 18, "Capacitor MR-blower not off"},
        };
        for (const auto& r : rows)
            QCOMPARE(dds_fun.Get_dds(r.p, r.c), QString(r.t));
    }

    void processorNamesAndUnknownProcessors()
    {
        const QStringList names = {"FLG1", "FLG2", "SLG1", "SLG2", "BUR1", "BUR2",
                                   "BUR3", "STB1", "STB2", "HBB1", "HBB2"};
        for (int p = 0; p < names.size(); ++p) {
            QCOMPARE(Pixy_Thread::Find_Processor_Name(p), names[p]);
            QCOMPARE(dds::processorName(p), names[p]);
        }
        QVERIFY(dds::processorName(11).isEmpty());
        for (int p : {-3, 11, 12})
            QCOMPARE(Pixy_Thread::Find_Processor_Name(p), QStringLiteral("Unknown %1").arg(p));
        for (int p : {-1, 11, 12, 255})
            QCOMPARE(dds_fun.Get_dds(p, 92), QStringLiteral("Unknown Message - 92"));
    }

    void partnerTextsMirror()
    {
        // SLG2 serves bogie 2 with the same messages as SLG1 for bogie 1.
        const QMap<int, QString> slg1 = textsOf(2), slg2 = textsOf(3);
        QCOMPARE(slg2.keys(), slg1.keys());
        int bogieTexts = 0;
        for (int code : slg1.keys()) {
            QString expected = slg1.value(code);
            bogieTexts += expected.contains("Bogie 1") ? 1 : 0;
            QCOMPARE(slg2.value(code), expected.replace("Bogie 1", "Bogie 2"));
        }
        QVERIFY(bogieTexts > 0);
        // FLG2 watches FLG1 where FLG1 watches FLG2.
        const QMap<int, QString> flg1 = textsOf(0), flg2 = textsOf(1);
        for (int code : flg2.keys()) {
            QString expected = flg1.value(code);
            QCOMPARE(flg2.value(code), expected.replace("FLG2", "#").replace("FLG1", "FLG2").replace("#", "FLG1"));
        }
        // The cab processors carry the same list.
        QCOMPARE(textsOf(8), textsOf(7));
    }

    // ------------------------------------------------------------ conversion

    void unixHumanTime()
    {
        {
            ScopedTz tz("UTC0");
            QCOMPARE(Pixy_Thread::Unix_Human_Time("5F5E1000"), QStringLiteral("13/09/2020 12:26:40"));
            QCOMPARE(Pixy_Thread::Unix_Human_Time("5f5e1000"), QStringLiteral("13/09/2020 12:26:40"));
            QCOMPARE(Pixy_Thread::Unix_Human_Time("FFFFFFFF"), QStringLiteral("07/02/2106 06:28:15"));
            // Unparsable, negative or beyond 32 bits: counts as 0.
            for (const char* bad : {"0", "", "12xz", "-1", "100000000"})
                QCOMPARE(Pixy_Thread::Unix_Human_Time(bad), QStringLiteral("01/01/1970 00:00:00"));
            Converter c; // the record's time words, combined as unsigned 32 bits
            c.pass(0, kExample);
            QCOMPARE(c.t.snapshot()[0].DateTime, QStringLiteral("13/09/2020 12:26:40"));
        }
        ScopedTz tz("IST-5:30");
        QCOMPARE(Pixy_Thread::Unix_Human_Time("5F5E1000"), QStringLiteral("13/09/2020 17:56:40"));
    }

    void conversion_data()
    {
        QTest::addColumn<RawWords>("raw");
        QTest::addColumn<QString>("number");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("proc");
        QTest::addColumn<QString>("message");
        QTest::newRow("example") << kExample << "1234" << qint64(1600000000) << "FLG1" << "Alarm chain pulling";
        QTest::newRow("code without text") << RawWords{1, 10, 10, 0, 0} << "1" << qint64(0) << "HBB2"
                                           << "Unknown Message 10";
        QTest::newRow("unknown processor") << RawWords{2, 12, 5, 0, 0} << "2" << qint64(0) << "Unknown 12"
                                           << "Unknown Message - 5";
        // Words handed over sign-extended are read as the 16-bit words they are.
        QTest::newRow("sign-extended words") << RawWords{-10, 0, 92, -1, -1} << "65526" << qint64(0xFFFFFFFFll)
                                             << "FLG1" << "Alarm chain pulling";
        QTest::newRow("sign-extended low time word") << RawWords{-1, 0, 1, 24414, -4096} << "65535"
                                                     << qint64(0x5F5EF000ll) << "FLG1" << "Lifesign from FLG2 missing";
    }

    void conversion()
    {
        QFETCH(RawWords, raw);
        QFETCH(QString, number);
        QFETCH(qint64, seconds);
        QFETCH(QString, proc);
        QFETCH(QString, message);
        Converter c;
        QCOMPARE(c.pass(1, raw), 1);
        const DdsRowsToDraw rows = c.t.takeRowsToDraw();
        QVERIFY(rows.redraw[1]);
        QCOMPARE(rows.records[1].event_number, number);
        QCOMPARE(rows.records[1].DateTime, localText(seconds));
        QCOMPARE(rows.records[1].Proc, proc);
        QCOMPARE(rows.records[1].FaultMessage, message);
    }

    void everyRowDrawnOnceAtStart()
    {
        Converter c;
        QCOMPARE(c.t.convertOnce(), 0);
        DdsRowsToDraw rows = c.t.takeRowsToDraw();
        for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
            QVERIFY(rows.redraw[k]);
            const DDU_RAW_DATA_struct& r = rows.records[k];
            QVERIFY(r.event_number.isEmpty() && r.DateTime.isEmpty() && r.Proc.isEmpty() && r.FaultMessage.isEmpty());
        }
        QCOMPARE(c.t.convertOnce(), 0);
        QCOMPARE(c.t.takeRowsToDraw().redraw, kNone);
        // Starting again marks every row for drawing once more.
        c.t.markAllForRedraw();
        QCOMPARE(c.t.takeRowsToDraw().redraw, (Redraw{true, true, true, true}));
    }

    // A record is identified by event, processor and code: a change of any
    // converts and redraws the row; the time alone does not.
    void redrawRules_data()
    {
        QTest::addColumn<RawWords>("raw");
        QTest::addColumn<int>("converted");
        QTest::addColumn<bool>("redraw");
        QTest::addColumn<QString>("message");
        // After a first pass with event 500, BUR2 (5), code 53, time words 24414, 4096.
        QTest::newRow("same words") << RawWords{500, 5, 53, 24414, 4096} << 0 << false << "Battery voltage below 86";
        QTest::newRow("time alone") << RawWords{500, 5, 53, 24414, 0} << 0 << false << "Battery voltage below 86";
        QTest::newRow("other code") << RawWords{500, 5, 54, 24414, 4096} << 1 << true << "Battery voltage below 82";
        QTest::newRow("other processor") << RawWords{500, 4, 53, 24414, 4096} << 1 << true << "Unknown Message 53";
        QTest::newRow("other event") << RawWords{501, 5, 53, 24414, 4096} << 1 << true << "Battery voltage below 86";
        QTest::newRow("slot empties") << RawWords{0, 5, 53, 24414, 4096} << 0 << true << "";
    }

    void redrawRules()
    {
        QFETCH(RawWords, raw);
        QFETCH(int, converted);
        QFETCH(bool, redraw);
        QFETCH(QString, message);
        Converter c;
        QCOMPARE(c.pass(2, {500, 5, 53, 24414, 4096}), 1);
        c.t.takeRowsToDraw();
        QCOMPARE(c.pass(2, raw), converted);
        const DdsRowsToDraw rows = c.t.takeRowsToDraw();
        QCOMPARE(rows.redraw, (Redraw{false, false, redraw, false}));
        const DDU_RAW_DATA_struct& r = rows.records[2];
        QCOMPARE(r.FaultMessage, message);
        QCOMPARE(r.DateTime, raw.event ? localText(1600000000) : QString()); // taken with the conversion only
        QCOMPARE(r.datetime2, raw.time2);                                     // the raw copy follows the bus
        QCOMPARE(c.t.takeRowsToDraw().redraw, kNone);
    }

    void slotEmptiesAndReturns()
    {
        Converter c;
        const RawWords rec{900, 5, 53, 24414, 4096};
        c.pass(0, rec);
        c.t.takeRowsToDraw();
        c.pass(0, {});
        QVERIFY(c.t.takeRowsToDraw().redraw[0]);
        // The same record comes back into the slot: the row shows it again,
        // also when it returns before the screen looked at the empty slot.
        for (bool lookedAtEmpty : {true, false}) {
            if (!lookedAtEmpty)
                c.pass(0, {});
            QCOMPARE(c.pass(0, rec), 1);
            const DdsRowsToDraw rows = c.t.takeRowsToDraw();
            QVERIFY(rows.redraw[0]);
            QCOMPARE(rows.records[0].event_number, QStringLiteral("900"));
            QCOMPARE(rows.records[0].Proc, QStringLiteral("BUR2"));
            QCOMPARE(rows.records[0].FaultMessage, QStringLiteral("Battery voltage below 86"));
            QCOMPARE(rows.records[0].DateTime, localText(1600000000));
        }
    }

    void sourceMayLeaveRecordsAlone()
    {
        Converter c;
        c.pass(0, {33, 6, 50, 24414, 4096});
        c.t.takeRowsToDraw();
        // A stale port: the source touches nothing, the texts stay. No source alike.
        c.t.setRawSource([](DDU_RAW_DATA_struct (&)[DDU_RAW_DATA_COUNT]) {});
        QCOMPARE(c.t.convertOnce(), 0);
        c.t.setRawSource(nullptr);
        QCOMPARE(c.t.convertOnce(), 0);
        const DdsRowsToDraw rows = c.t.takeRowsToDraw();
        QVERIFY(!rows.redraw[0]);
        QCOMPARE(rows.records[0].FaultMessage, QStringLiteral("BCC Over Temperature"));
    }

    void lifeCounterWraps()
    {
        DDU_Pixy_Thread_Life = 254;
        for (int expected : {255, 0, 1}) {
            Pixy_Thread::tickLife();
            QCOMPARE(DDU_Pixy_Thread_Life.load(), expected);
        }
    }

    // ------------------------------------------------------------ thread

    void threadConvertsFromSource()
    {
        FakeSource src;
        src.set(0, kExample);
        std::atomic<int> throwsLeft{3}; // a source that is not ready at first
        Pixy_Thread t;
        t.setPeriodMs(5);
        t.setRawSource([&](DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) {
            if (throwsLeft.fetch_sub(1) > 0)
                throw std::runtime_error("source not ready");
            src.fill(raw);
        });
        DDU_Pixy_Thread_Life = 0;
        t.start();
        QTRY_COMPARE(t.snapshot()[0].FaultMessage, QStringLiteral("Alarm chain pulling"));
        QTRY_VERIFY(DDU_Pixy_Thread_Life.load() > 1);
        // The screen's refresh: the first take draws every row.
        DdsRowsToDraw rows = t.takeRowsToDraw();
        QCOMPARE(rows.redraw, (Redraw{true, true, true, true}));
        QCOMPARE(rows.records[0].event_number, QStringLiteral("1234"));
        // A new window is published: the changed row comes up for drawing.
        src.set(3, {1240, 8, 3, 24414, 4096});
        bool drawn = false;
        QTRY_VERIFY((rows = t.takeRowsToDraw(), drawn = drawn || rows.redraw[3],
                     drawn && rows.records[3].FaultMessage == QLatin1String("Speedometer failed")));
        QCOMPARE(rows.records[3].Proc, QStringLiteral("STB2"));
        t.stop();
        QVERIFY(t.wait(10000));
    }

    void rowsAreNeverTorn()
    {
        // The thread converts a new record every pass while the "screen" keeps
        // taking rows; every row it gets must be one whole conversion.
        Pixy_Thread t;
        t.setPeriodMs(1);
        std::atomic<int> passes{0};
        t.setRawSource([&](DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) {
            const int n = passes.fetch_add(1) + 1;
            for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
                raw[k].event_number_raw = n * 4 + k;
                raw[k].device_number = (n + k) % 11;
                raw[k].fault_number = (n * 7 + k) % 20 + 1;
                raw[k].datetime1 = 24414;
                raw[k].datetime2 = n % 60;
            }
        });
        t.start();
        int checkedRows = 0;
        while (passes.load() < 200 && checkedRows < 100000) {
            const DdsRowsToDraw rows = t.takeRowsToDraw();
            for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
                const DDU_RAW_DATA_struct& r = rows.records[k];
                if (!rows.redraw[k] || r.event_number_new == 0)
                    continue;
                const int n = (r.event_number_new - k) / 4;
                QCOMPARE(r.event_number, QString::number(r.event_number_new));
                QCOMPARE(r.Proc, Pixy_Thread::Find_Processor_Name((n + k) % 11));
                QCOMPARE(r.FaultMessage, dds_fun.Get_dds((n + k) % 11, (n * 7 + k) % 20 + 1));
                QCOMPARE(r.DateTime, localText((24414ll << 16) | (n % 60)));
                ++checkedRows;
            }
            QThread::yieldCurrentThread();
        }
        t.stop();
        QVERIFY(t.wait(10000));
        QVERIFY(checkedRows > 0);
    }
};

QTEST_GUILESS_MAIN(TestDds)
#include "tst_dds.moc"
