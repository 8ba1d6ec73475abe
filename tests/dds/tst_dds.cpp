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
    Converter()
    {
        t.setRawSource([this](DDU_RAW_DATA_struct(&raw)[DDU_RAW_DATA_COUNT]) { src.fill(raw); });
    }
    int pass(int row, RawWords w) { return src.set(row, w), t.convertOnce(); }
};

using Redraw = std::array<bool, DDU_RAW_DATA_COUNT>;
constexpr Redraw kNone{false, false, false, false}, kAll{true, true, true, true};

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

class TestDds : public QObject {
    Q_OBJECT

    static QString localText(qint64 s) { return QDateTime::fromSecsSinceEpoch(s).toString("dd/MM/yyyy HH:mm:ss"); }

private slots:
    // ------------------------------------------------------------ catalogue

    void tableShape()
    {
        const DdsTable t = dds::table();
        QCOMPARE(int(t.size()), 692);
        // Printable ASCII; character entities are kept as stored, an ampersand only starts one.
        static const QRegularExpression printable(QStringLiteral("^[ -~]{1,39}$"));
        static const QRegularExpression unescaped(QStringLiteral("&(?!(gt|lt|amp|apos|quot);)|['\"]"));
        for (const DdsMessage& r : t) {
            const QString text = QString::fromUtf8(r.text);
            QVERIFY2(r.processor >= 0 && r.processor < dds::ProcessorCount && r.code >= 1 && r.code <= 255,
                     qPrintable(text));
            QVERIFY2(printable.match(text).hasMatch() && text.trimmed() == text && !unescaped.match(text).hasMatch(),
                     qPrintable(text));
        }
    }

    // Each processor's name, getter and Get_dds agree with the table for every
    // code; a code without text gives "Unknown Message <code>".
    void lookups()
    {
        using Getter = QString (dds::*)(int) const;
        const Getter getters[dds::ProcessorCount] = {&dds::Get_flg1, &dds::Get_flg2, &dds::Get_slg1, &dds::Get_slg2,
                                                     &dds::Get_bur1, &dds::Get_bur2, &dds::Get_bur3, &dds::Get_stb1,
                                                     &dds::Get_stb2, &dds::Get_hbb1, &dds::Get_hbb2};
        const QStringList names = {"FLG1", "FLG2", "SLG1", "SLG2", "BUR1", "BUR2",
                                   "BUR3", "STB1", "STB2", "HBB1", "HBB2"};
        for (int p = 0; p < dds::ProcessorCount; ++p) {
            QCOMPARE(Pixy_Thread::Find_Processor_Name(p), names[p]);
            QCOMPARE(dds::processorName(p), names[p]);
            const QMap<int, QString> texts = textsOf(p);
            QVERIFY(!texts.isEmpty());
            for (int code = -5; code <= 260; ++code) {
                const QString expected = texts.value(code, QStringLiteral("Unknown Message %1").arg(code));
                QCOMPARE((dds_fun.*getters[p])(code), expected);
                QCOMPARE(dds_fun.Get_dds(p, code), expected);
            }
        }
        QVERIFY(dds::processorName(11).isEmpty());
        for (int p : {-3, 11, 12})
            QCOMPARE(Pixy_Thread::Find_Processor_Name(p), QStringLiteral("Unknown %1").arg(p));
        for (int p : {-1, 11, 12, 255})
            QCOMPARE(dds_fun.Get_dds(p, 92), QStringLiteral("Unknown Message - 92"));
    }

    // SLG2 serves bogie 2 with SLG1's messages for bogie 1; FLG2 watches FLG1
    // where FLG1 watches FLG2; the two cab processors carry the same list.
    void partnerTextsMirror()
    {
        const QMap<int, QString> slg1 = textsOf(2), slg2 = textsOf(3), flg1 = textsOf(0), flg2 = textsOf(1);
        QCOMPARE(slg2.keys(), slg1.keys());
        for (int code : slg1.keys())
            QCOMPARE(slg2.value(code), QString(slg1.value(code)).replace("Bogie 1", "Bogie 2"));
        for (int code : flg2.keys())
            QCOMPARE(flg2.value(code),
                     QString(flg1.value(code)).replace("FLG2", "#").replace("FLG1", "FLG2").replace("#", "FLG1"));
        QCOMPARE(textsOf(8), textsOf(7));
    }

    // ------------------------------------------------------------ conversion

    void unixHumanTime()
    {
        {
            ScopedTz tz("UTC0");
            QCOMPARE(Pixy_Thread::Unix_Human_Time("5F5E1000"), QStringLiteral("13/09/2020 12:26:40"));
            QCOMPARE(Pixy_Thread::Unix_Human_Time("FFFFFFFF"), QStringLiteral("07/02/2106 06:28:15"));
            // Unparsable, negative or beyond 32 bits: counts as 0.
            for (const char* bad : {"0", "", "12xz", "-1", "100000000"})
                QCOMPARE(Pixy_Thread::Unix_Human_Time(bad), QStringLiteral("01/01/1970 00:00:00"));
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
        // clang-format off
        QTest::newRow("example") << kExample << "1234" << qint64(1600000000) << "FLG1" << "Alarm chain pulling";
        QTest::newRow("no text") << RawWords{1, 10, 10, 0, 0} << "1" << qint64(0) << "HBB2" << "Unknown Message 10";
        QTest::newRow("no processor") << RawWords{2, 12, 5, 0, 0} << "2" << qint64(0) << "Unknown 12" << "Unknown Message - 5";
        // Words handed over sign-extended are read as the 16-bit words they are.
        QTest::newRow("sign-extended words") << RawWords{-10, 0, 92, -1, -1} << "65526" << qint64(0xFFFFFFFFll)
                                             << "FLG1" << "Alarm chain pulling";
        QTest::newRow("sign-extended low time word") << RawWords{-1, 0, 1, 24414, -4096} << "65535"
                                                     << qint64(0x5F5EF000ll) << "FLG1" << "Lifesign from FLG2 missing";
        // clang-format on
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

    // Every row, empty ones too, is drawn once at start and again after a restart.
    void everyRowDrawnOnceAtStart()
    {
        Converter c;
        QCOMPARE(c.t.convertOnce(), 0);
        QCOMPARE(c.t.takeRowsToDraw().redraw, kAll);
        QCOMPARE(c.t.takeRowsToDraw().redraw, kNone);
        c.t.markAllForRedraw();
        QCOMPARE(c.t.takeRowsToDraw().redraw, kAll);
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
        QCOMPARE(r.datetime2, raw.time2);                                    // the raw copy follows the bus
        QCOMPARE(c.t.takeRowsToDraw().redraw, kNone);
    }

    // A record that comes back into an emptied slot is drawn again, also when
    // it returns before the screen looked at the empty slot.
    void slotEmptiesAndReturns()
    {
        Converter c;
        const RawWords rec{900, 5, 53, 24414, 4096};
        c.pass(0, rec);
        c.t.takeRowsToDraw();
        for (bool lookedAtEmpty : {true, false}) {
            c.pass(0, {});
            if (lookedAtEmpty)
                QVERIFY(c.t.takeRowsToDraw().redraw[0]);
            QCOMPARE(c.pass(0, rec), 1);
            const DdsRowsToDraw rows = c.t.takeRowsToDraw();
            QVERIFY(rows.redraw[0]);
            QCOMPARE(rows.records[0].event_number, QStringLiteral("900"));
            QCOMPARE(rows.records[0].FaultMessage, QStringLiteral("Battery voltage below 86"));
        }
    }

    void sourceMayLeaveRecordsAlone()
    {
        Converter c;
        c.pass(0, {33, 6, 50, 24414, 4096});
        c.t.takeRowsToDraw();
        // A stale port: the source touches nothing, the texts stay. No source alike.
        c.t.setRawSource([](DDU_RAW_DATA_struct(&)[DDU_RAW_DATA_COUNT]) {});
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

    // The running thread outlives a source that is not ready at first and
    // converts once it is.
    void threadConvertsFromSource()
    {
        FakeSource src;
        src.set(0, kExample);
        std::atomic<int> throwsLeft{3}; // a source that is not ready at first
        Pixy_Thread t;
        t.setPeriodMs(5);
        t.setRawSource([&](DDU_RAW_DATA_struct(&raw)[DDU_RAW_DATA_COUNT]) {
            if (throwsLeft.fetch_sub(1) > 0)
                throw std::runtime_error("source not ready");
            src.fill(raw);
        });
        DDU_Pixy_Thread_Life = 0;
        t.start();
        QTRY_COMPARE(t.snapshot()[0].FaultMessage, QStringLiteral("Alarm chain pulling"));
        QTRY_VERIFY(DDU_Pixy_Thread_Life.load() > 1);
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
        t.setRawSource([&](DDU_RAW_DATA_struct(&raw)[DDU_RAW_DATA_COUNT]) {
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
