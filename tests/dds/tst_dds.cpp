// DDS message catalogue and DDS thread.

#include <QDateTime>
#include <QMutex>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cstdlib>
#include <ctime>
#include <stdexcept>

#include "diagnostics/dds.h"
#include "diagnostics/pixy_thread.h"

namespace {

const QString kTimeFormat = QStringLiteral("dd/MM/yyyy HH:mm:ss");

QString localText(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs, Qt::LocalTime).toString(kTimeFormat);
}

// Raw record words as the port map delivers them.
struct RawWords {
    int event = 0;
    int device = 0;
    int code = 0;
    int time1 = 0;
    int time2 = 0;
};

// A source that the tests set from the outside, thread safe.
class FakeSource
{
public:
    void set(int row, RawWords w)
    {
        QMutexLocker lock(&m_mutex);
        m_rows[row] = w;
    }
    void fill(DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT])
    {
        QMutexLocker lock(&m_mutex);
        for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
            raw[k].event_number_raw = m_rows[k].event;
            raw[k].device_number = m_rows[k].device;
            raw[k].fault_number = m_rows[k].code;
            raw[k].datetime1 = m_rows[k].time1;
            raw[k].datetime2 = m_rows[k].time2;
        }
    }
    Pixy_Thread::RawSource source()
    {
        return [this](DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) { fill(raw); };
    }

private:
    QMutex m_mutex;
    RawWords m_rows[DDU_RAW_DATA_COUNT];
};

using Getter = QString (dds::*)(int) const;
const Getter kGetters[dds::ProcessorCount] = {
    &dds::Get_flg1, &dds::Get_flg2, &dds::Get_slg1, &dds::Get_slg2, &dds::Get_bur1, &dds::Get_bur2,
    &dds::Get_bur3, &dds::Get_stb1, &dds::Get_stb2, &dds::Get_hbb1, &dds::Get_hbb2,
};

QMap<int, QString> textsOf(int processor)
{
    QMap<int, QString> m;
    for (const DdsMessage& row : dds::table())
        if (row.processor == processor)
            m.insert(row.code, QString::fromUtf8(row.text));
    return m;
}

// Sets TZ for the process and restores it on destruction.
class ScopedTz
{
public:
    explicit ScopedTz(const char* tz)
        : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", tz);
        tzset();
    }
    ~ScopedTz()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

} // namespace

class TestDds : public QObject
{
    Q_OBJECT

private slots:
    // --- catalogue ---
    void tableShape();
    void perProcessor_data();
    void perProcessor();
    void quotedRows_data();
    void quotedRows();
    void entitiesKeptAsStored();
    void gettersFollowTable();
    void unknownProcessor();
    void processorNames();
    void partnerTextsMirror();

    // --- conversion ---
    void unixHumanTime_data();
    void unixHumanTime();
    void unixHumanTimeFixedZones();
    void exampleRecord();
    void startMarkersDrawEmptyRowsOnce();
    void emptySlot();
    void sameEventOtherCodeIsRedrawn();
    void sameRawValuesTwice();
    void timeAloneDoesNotConvert();
    void slotEmptiesAndReturns();
    void unknownProcessorAndCode();
    void busWordsOutOfRange();
    void sourceMayLeaveRecordsAlone();
    void lifeCounterWraps();

    // --- thread ---
    void threadConvertsFromSource();
    void threadSurvivesThrowingSource();
    void rowsAreNeverTorn();
};

// ---------------------------------------------------------------------------

void TestDds::tableShape()
{
    const DdsTable t = dds::table();
    QCOMPARE(int(t.size()), 692);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const DdsMessage& r = t[i];
        const QString text = QString::fromUtf8(r.text);
        QVERIFY2(r.processor >= 0 && r.processor < dds::ProcessorCount, qPrintable(text));
        QVERIFY2(r.code >= 1 && r.code <= 255, qPrintable(text));
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QString::number(r.code)));
        QVERIFY2(text.size() <= 39, qPrintable(text));
        QCOMPARE(text.trimmed(), text);
        for (QChar c : text)
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(text));
        if (i > 0) {
            const DdsMessage& p = t[i - 1];
            QVERIFY2(p.processor < r.processor || (p.processor == r.processor && p.code < r.code),
                     qPrintable(QStringLiteral("order at %1/%2").arg(r.processor).arg(r.code)));
        }
    }
}

void TestDds::perProcessor_data()
{
    QTest::addColumn<int>("processor");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QList<int>>("gaps");

    QTest::newRow("FLG1") << 0 << 119 << 1 << 121 << QList<int>{119, 120};
    QTest::newRow("FLG2") << 1 << 118 << 1 << 121 << QList<int>{112, 119, 120};
    QTest::newRow("SLG1") << 2 << 140 << 1 << 140 << QList<int>{};
    QTest::newRow("SLG2") << 3 << 140 << 1 << 140 << QList<int>{};
    QTest::newRow("BUR1") << 4 << 36 << 1 << 42 << QList<int>{33, 34, 35, 38, 39, 40};
    QTest::newRow("BUR2") << 5 << 47 << 1 << 54 << QList<int>{35, 36, 40, 41, 46, 47, 48};
    QTest::newRow("BUR3") << 6 << 43 << 1 << 54
                          << QList<int>{33, 34, 36, 37, 38, 39, 41, 42, 46, 47, 48};
    QTest::newRow("STB1") << 7 << 13 << 1 << 13 << QList<int>{};
    QTest::newRow("STB2") << 8 << 13 << 1 << 13 << QList<int>{};
    QTest::newRow("HBB1") << 9 << 17 << 1 << 18 << QList<int>{17};
    QTest::newRow("HBB2") << 10 << 6 << 1 << 18
                          << QList<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
}

void TestDds::perProcessor()
{
    QFETCH(int, processor);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QList<int>, gaps);

    const QMap<int, QString> texts = textsOf(processor);
    QCOMPARE(texts.size(), count);
    QCOMPARE(texts.firstKey(), first);
    QCOMPARE(texts.lastKey(), last);
    QList<int> missing;
    for (int code = first; code <= last; ++code)
        if (!texts.contains(code))
            missing.append(code);
    QCOMPARE(missing, gaps);

    // The lookup agrees with the table on both sides of every gap.
    const dds& cat = dds_fun;
    for (int code : gaps)
        QCOMPARE(cat.Get_dds(processor, code), QStringLiteral("Unknown Message %1").arg(code));
}

void TestDds::quotedRows_data()
{
    QTest::addColumn<int>("processor");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    const struct {
        int p;
        int c;
        const char* t;
    } rows[] = {
        {0, 1, "Lifesign from FLG2 missing"},
        {0, 8, "Lifesign from DDA1 missing"},
        {0, 15, "Trainbus disturbance - slave"},
        {0, 22, "Brake electronics failed"},
        {0, 43, "Simulation fault"},
        {0, 50, "Timeout ALG test 1 end bogie1"},
        {0, 92, "Alarm chain pulling"},
        {0, 106, "SS14 cab2 off"},
        {0, 121, "Loco in Shunting Mode"},
        {1, 1, "Lifesign from FLG1 missing"},
        {2, 1, "Primary voltage &gt; max"},
        {2, 8, "Earth fault In Converter"},
        {2, 36, "Pre-Ch contactor stuck on"},
        {2, 106, "Motor-1 Speed>Max"},
        {2, 140, "Bogie 1 wheel skidding"},
        {3, 1, "Primary voltage &gt; max"},
        {3, 8, "Earth fault In Converter"},
        {3, 36, "Pre-Ch contactor stuck on"},
        {3, 106, "Motor-1 Speed>Max"},
        {3, 140, "Bogie 2 wheel skidding"},
        {4, 1, "Input voltage not ok"},
        {4, 8, "Output side Earthfault"},
        {4, 22, "Inverter IGBT Fail"},
        {4, 42, "Contactor Q52/4 will not open"},
        {5, 1, "Input voltage not ok"},
        {5, 8, "Output side Earthfault"},
        {5, 22, "Inverter IGBT Fail"},
        {5, 50, "BCC Over Temperature"},
        {5, 53, "Battery voltage below 86"},
        {5, 54, "Battery voltage below 82"},
        {6, 1, "Input voltage not ok"},
        {6, 8, "Output side Earthfault"},
        {6, 22, "Inverter IGBT Fail"},
        {6, 50, "BCC Over Temperature"},
        {6, 53, "Battery voltage below 86"},
        {6, 54, "Battery voltage below 82"},
        {7, 1, "Lifesign from FLG missing"},
        {7, 12, "Rotary switch Vigilance control cut out"},
        {7, 13, "BPCS is Stuck ON"},
        {8, 3, "Speedometer failed"},
        {8, 5, "Fire alarm 1 detected"},
        {9, 2, "VCB will not open"},
        {9, 16, "Loco in banking operation"},
        {9, 18, "AFL Activated"},
        {10, 1, "Lifesign from FLG missing"},
        {10, 2, "No pressure in pan 1"},
        {10, 3, "Loco in banking operation"},
        {10, 4, "Fire alarm 2 detected"},
        {10, 5, "MCB of compressor 2 open"},
        {10, 18, "Capacitor MR-blower not off"},
    };
    for (const auto& r : rows)
        QTest::addRow("%s %d", qPrintable(dds::processorName(r.p)), r.c)
            << r.p << r.c << QString::fromUtf8(r.t);
}

void TestDds::quotedRows()
{
    QFETCH(int, processor);
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(dds_fun.Get_dds(processor, code), text);
    QCOMPARE(textsOf(processor).value(code), text);
}

void TestDds::entitiesKeptAsStored()
{
    QSet<QString> all;
    for (const DdsMessage& r : dds::table())
        all.insert(QString::fromUtf8(r.text));
    QVERIFY(all.contains("Primary voltage &gt; max"));
    QVERIFY(all.contains("Processor HBB1 &amp; HBB2 off"));
    QVERIFY(all.contains("FLG temperature above 70&apos;C"));

    // An ampersand only ever starts one of the XML entities; nothing is decoded.
    static const QRegularExpression bareAmp(QStringLiteral("&(?!(gt|lt|amp|apos|quot);)"));
    for (const QString& t : std::as_const(all)) {
        QVERIFY2(!bareAmp.match(t).hasMatch(), qPrintable(t));
        QVERIFY2(!t.contains('\'') && !t.contains('"'), qPrintable(t));
    }
    QCOMPARE(dds_fun.Get_slg1(1), QStringLiteral("Primary voltage &gt; max"));
}

void TestDds::gettersFollowTable()
{
    for (int p = 0; p < dds::ProcessorCount; ++p) {
        const QMap<int, QString> texts = textsOf(p);
        for (int code : {-5, -1, 0, 1, 2, 17, 33, 54, 99, 112, 121, 140, 141, 200, 255, 256, 1000}) {
            const QString expected = texts.contains(code)
                ? texts.value(code)
                : QStringLiteral("Unknown Message ") + QString::number(code);
            QCOMPARE((dds_fun.*kGetters[p])(code), expected);
            QCOMPARE(dds_fun.Get_dds(p, code), expected);
        }
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            QCOMPARE((dds_fun.*kGetters[p])(it.key()), it.value());
    }
}

void TestDds::unknownProcessor()
{
    QCOMPARE(dds_fun.Get_dds(11, 5), QStringLiteral("Unknown Message - 5"));
    QCOMPARE(dds_fun.Get_dds(12, 5), QStringLiteral("Unknown Message - 5"));
    QCOMPARE(dds_fun.Get_dds(-1, 92), QStringLiteral("Unknown Message - 92"));
    QCOMPARE(dds_fun.Get_dds(255, 0), QStringLiteral("Unknown Message - 0"));
    QCOMPARE(Pixy_Thread::Find_Processor_Name(11), QStringLiteral("Unknown 11"));
    QCOMPARE(Pixy_Thread::Find_Processor_Name(12), QStringLiteral("Unknown 12"));
    QCOMPARE(Pixy_Thread::Find_Processor_Name(-3), QStringLiteral("Unknown -3"));
}

void TestDds::processorNames()
{
    const QStringList names = {"FLG1", "FLG2", "SLG1", "SLG2", "BUR1", "BUR2",
                               "BUR3", "STB1", "STB2", "HBB1", "HBB2"};
    for (int p = 0; p < names.size(); ++p) {
        QCOMPARE(Pixy_Thread::Find_Processor_Name(p), names[p]);
        QCOMPARE(dds::processorName(p), names[p]);
    }
    QVERIFY(dds::processorName(11).isEmpty());
}

void TestDds::partnerTextsMirror()
{
    // SLG2 serves bogie 2 with the same messages as SLG1 for bogie 1.
    const QMap<int, QString> slg1 = textsOf(2), slg2 = textsOf(3);
    QCOMPARE(slg2.keys(), slg1.keys());
    int bogieTexts = 0;
    for (int code : slg1.keys()) {
        QString expected = slg1.value(code);
        if (expected.contains("Bogie 1"))
            ++bogieTexts;
        expected.replace("Bogie 1", "Bogie 2");
        QCOMPARE(slg2.value(code), expected);
        QVERIFY2(!slg2.value(code).contains("Bogie 1"), qPrintable(slg2.value(code)));
    }
    QVERIFY(bogieTexts > 0);

    // FLG2 watches FLG1 where FLG1 watches FLG2.
    const QMap<int, QString> flg1 = textsOf(0), flg2 = textsOf(1);
    for (int code : flg2.keys()) {
        QString expected = flg1.value(code);
        expected.replace("FLG2", "#").replace("FLG1", "FLG2").replace("#", "FLG1");
        QCOMPARE(flg2.value(code), expected);
    }
    // The cab processors carry the same list.
    QCOMPARE(textsOf(8), textsOf(7));
}

// ---------------------------------------------------------------------------

void TestDds::unixHumanTime_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<qint64>("seconds");

    QTest::newRow("example") << "5F5E1000" << qint64(1600000000);
    QTest::newRow("lower case") << "5f5e1000" << qint64(1600000000);
    QTest::newRow("zero") << "0" << qint64(0);
    QTest::newRow("largest 32-bit") << "ffffffff" << qint64(0xFFFFFFFFll);
    QTest::newRow("empty counts as 0") << "" << qint64(0);
    QTest::newRow("not hex counts as 0") << "12xz" << qint64(0);
    QTest::newRow("negative counts as 0") << "-1" << qint64(0);
    QTest::newRow("beyond 32 bits counts as 0") << "100000000" << qint64(0);
}

void TestDds::unixHumanTime()
{
    QFETCH(QString, hex);
    QFETCH(qint64, seconds);
    QCOMPARE(Pixy_Thread::Unix_Human_Time(hex), localText(seconds));
}

void TestDds::unixHumanTimeFixedZones()
{
    {
        ScopedTz tz("UTC0");
        QCOMPARE(Pixy_Thread::Unix_Human_Time("5F5E1000"), QStringLiteral("13/09/2020 12:26:40"));
        QCOMPARE(Pixy_Thread::Unix_Human_Time("0"), QStringLiteral("01/01/1970 00:00:00"));
        QCOMPARE(Pixy_Thread::Unix_Human_Time("FFFFFFFF"), QStringLiteral("07/02/2106 06:28:15"));
    }
    {
        ScopedTz tz("IST-5:30");
        QCOMPARE(Pixy_Thread::Unix_Human_Time("5F5E1000"), QStringLiteral("13/09/2020 17:56:40"));
    }
}

void TestDds::exampleRecord()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(0, {1234, 0, 92, 24414, 4096});

    QCOMPARE(t.convertOnce(), 1);
    const DdsRecords recs = t.snapshot();
    const DDU_RAW_DATA_struct& r = recs[0];
    QCOMPARE(r.event_number, QStringLiteral("1234"));
    QCOMPARE(r.DateTime, localText(1600000000));
    QCOMPARE(r.Proc, QStringLiteral("FLG1"));
    QCOMPARE(r.FaultMessage, QStringLiteral("Alarm chain pulling"));
    QCOMPARE(r.event_number_new, 1234);
    QCOMPARE(r.event_number_pixy, 1234);
    QCOMPARE(r.device_number_old, 0);
    QCOMPARE(r.fault_number_old, 92);
    QCOMPARE(r.event_number_old, -10);

    {
        ScopedTz tz("UTC0");
        src.set(0, {1235, 0, 92, 24414, 4096});
        QCOMPARE(t.convertOnce(), 1);
        QCOMPARE(t.snapshot()[0].DateTime, QStringLiteral("13/09/2020 12:26:40"));
    }
}

void TestDds::startMarkersDrawEmptyRowsOnce()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    for (const DDU_RAW_DATA_struct& r : t.snapshot())
        QCOMPARE(r.event_number_old, -1);

    QCOMPARE(t.convertOnce(), 0);
    DdsRowsToDraw rows = t.takeRowsToDraw();
    for (int k = 0; k < DDU_RAW_DATA_COUNT; ++k) {
        QVERIFY(rows.redraw[k]);
        QVERIFY(rows.records[k].event_number.isEmpty());
        QVERIFY(rows.records[k].DateTime.isEmpty());
        QVERIFY(rows.records[k].Proc.isEmpty());
        QVERIFY(rows.records[k].FaultMessage.isEmpty());
        QCOMPARE(rows.records[k].event_number_old, 0);
    }
    QCOMPARE(t.convertOnce(), 0);
    rows = t.takeRowsToDraw();
    for (bool redraw : rows.redraw)
        QVERIFY(!redraw);

    // Starting again marks every row for drawing once more.
    t.markAllForRedraw();
    rows = t.takeRowsToDraw();
    for (bool redraw : rows.redraw)
        QVERIFY(redraw);
}

void TestDds::emptySlot()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(2, {77, 2, 8, 24414, 4096});
    t.convertOnce();
    t.takeRowsToDraw();
    QCOMPARE(t.snapshot()[2].FaultMessage, QStringLiteral("Earth fault In Converter"));

    src.set(2, {0, 2, 8, 24414, 4096});
    QCOMPARE(t.convertOnce(), 0);
    DdsRowsToDraw rows = t.takeRowsToDraw();
    QCOMPARE(rows.redraw, (std::array<bool, 4>{false, false, true, false}));
    const DDU_RAW_DATA_struct& r = rows.records[2];
    QCOMPARE(r.event_number_new, 0);
    QVERIFY(r.event_number.isEmpty() && r.DateTime.isEmpty() && r.Proc.isEmpty() && r.FaultMessage.isEmpty());

    t.convertOnce();
    rows = t.takeRowsToDraw();
    QCOMPARE(rows.redraw, (std::array<bool, 4>{false, false, false, false}));
}

void TestDds::sameEventOtherCodeIsRedrawn()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(1, {500, 9, 2, 24414, 4096});
    t.convertOnce();
    DdsRowsToDraw rows = t.takeRowsToDraw();
    QVERIFY(rows.redraw[1]);
    QCOMPARE(rows.records[1].FaultMessage, QStringLiteral("VCB will not open"));

    src.set(1, {500, 9, 16, 24414, 4096});
    QCOMPARE(t.convertOnce(), 1);
    rows = t.takeRowsToDraw();
    QVERIFY(rows.redraw[1]);   // same event number, still drawn again
    QCOMPARE(rows.records[1].event_number, QStringLiteral("500"));
    QCOMPARE(rows.records[1].FaultMessage, QStringLiteral("Loco in banking operation"));

    // Same event and code from another processor also converts.
    src.set(1, {500, 10, 16, 24414, 4096});
    QCOMPARE(t.convertOnce(), 1);
    rows = t.takeRowsToDraw();
    QVERIFY(rows.redraw[1]);
    QCOMPARE(rows.records[1].Proc, QStringLiteral("HBB2"));
    QCOMPARE(rows.records[1].FaultMessage, QStringLiteral("Unknown Message 16"));
}

void TestDds::sameRawValuesTwice()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(3, {42, 7, 13, 1, 2});
    QCOMPARE(t.convertOnce(), 1);
    t.takeRowsToDraw();
    QCOMPARE(t.convertOnce(), 0);
    DdsRowsToDraw rows = t.takeRowsToDraw();
    for (bool redraw : rows.redraw)
        QVERIFY(!redraw);
    QCOMPARE(rows.records[3].FaultMessage, QStringLiteral("BPCS is Stuck ON"));
}

void TestDds::timeAloneDoesNotConvert()
{
    // A record is identified by event, processor and code; the time is taken
    // with the conversion and not watched on its own.
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(0, {10, 4, 1, 24414, 4096});
    t.convertOnce();
    const QString shown = t.snapshot()[0].DateTime;
    src.set(0, {10, 4, 1, 24415, 0});
    QCOMPARE(t.convertOnce(), 0);
    QCOMPARE(t.snapshot()[0].DateTime, shown);
    QCOMPARE(t.snapshot()[0].datetime1, 24415);   // the raw copy follows the bus
}

void TestDds::slotEmptiesAndReturns()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    const RawWords rec{900, 5, 53, 24414, 4096};
    src.set(0, rec);
    QCOMPARE(t.convertOnce(), 1);
    t.takeRowsToDraw();

    src.set(0, {});
    t.convertOnce();
    QVERIFY(t.takeRowsToDraw().redraw[0]);

    // The same record comes back into the slot: the row shows it again.
    src.set(0, rec);
    QCOMPARE(t.convertOnce(), 1);
    const DdsRowsToDraw rows = t.takeRowsToDraw();
    QVERIFY(rows.redraw[0]);
    QCOMPARE(rows.records[0].event_number, QStringLiteral("900"));
    QCOMPARE(rows.records[0].Proc, QStringLiteral("BUR2"));
    QCOMPARE(rows.records[0].FaultMessage, QStringLiteral("Battery voltage below 86"));
    QCOMPARE(rows.records[0].DateTime, localText(1600000000));

    // Empty, then back before the screen looked: still drawn with the texts.
    src.set(0, {});
    t.convertOnce();
    src.set(0, rec);
    t.convertOnce();
    const DdsRowsToDraw again = t.takeRowsToDraw();
    QVERIFY(again.redraw[0]);
    QCOMPARE(again.records[0].FaultMessage, QStringLiteral("Battery voltage below 86"));
}

void TestDds::unknownProcessorAndCode()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(0, {1, 10, 10, 0, 0});
    src.set(1, {2, 12, 5, 0, 0});
    QCOMPARE(t.convertOnce(), 2);
    const DdsRecords r = t.snapshot();
    QCOMPARE(r[0].Proc, QStringLiteral("HBB2"));
    QCOMPARE(r[0].FaultMessage, QStringLiteral("Unknown Message 10"));
    QCOMPARE(r[1].Proc, QStringLiteral("Unknown 12"));
    QCOMPARE(r[1].FaultMessage, QStringLiteral("Unknown Message - 5"));
    QCOMPARE(r[1].DateTime, localText(0));
}

void TestDds::busWordsOutOfRange()
{
    // Words handed over sign-extended are read as the 16-bit words they are.
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(0, {-10, 0, 92, -1, -1});          // 0xFFF6, time 0xFFFFFFFF
    src.set(1, {-1, 0, 1, 24414, -4096});       // 0xFFFF, time 0x5F5EF000
    QCOMPARE(t.convertOnce(), 2);
    DdsRowsToDraw rows = t.takeRowsToDraw();
    QVERIFY(rows.redraw[0]);
    QVERIFY(rows.redraw[1]);
    QCOMPARE(rows.records[0].event_number, QStringLiteral("65526"));
    QCOMPARE(rows.records[0].DateTime, localText(0xFFFFFFFFll));
    QCOMPARE(rows.records[1].event_number, QStringLiteral("65535"));
    QCOMPARE(rows.records[1].DateTime, localText(0x5F5EF000ll));
    QCOMPARE(rows.records[1].FaultMessage, QStringLiteral("Lifesign from FLG2 missing"));
}

void TestDds::sourceMayLeaveRecordsAlone()
{
    FakeSource src;
    Pixy_Thread t;
    t.setRawSource(src.source());
    src.set(0, {33, 6, 50, 24414, 4096});
    t.convertOnce();
    t.takeRowsToDraw();

    // A stale port: the source touches nothing, the texts stay.
    t.setRawSource([](DDU_RAW_DATA_struct (&)[DDU_RAW_DATA_COUNT]) {});
    QCOMPARE(t.convertOnce(), 0);
    const DdsRowsToDraw rows = t.takeRowsToDraw();
    QVERIFY(!rows.redraw[0]);
    QCOMPARE(rows.records[0].event_number_raw, 33);
    QCOMPARE(rows.records[0].FaultMessage, QStringLiteral("BCC Over Temperature"));

    // No source at all behaves the same.
    t.setRawSource(nullptr);
    QCOMPARE(t.convertOnce(), 0);
    QCOMPARE(t.snapshot()[0].FaultMessage, QStringLiteral("BCC Over Temperature"));
}

void TestDds::lifeCounterWraps()
{
    DDU_Pixy_Thread_Life = 254;
    Pixy_Thread::tickLife();
    QCOMPARE(DDU_Pixy_Thread_Life.load(), 255);
    Pixy_Thread::tickLife();
    QCOMPARE(DDU_Pixy_Thread_Life.load(), 0);
    Pixy_Thread::tickLife();
    QCOMPARE(DDU_Pixy_Thread_Life.load(), 1);
}

// ---------------------------------------------------------------------------

void TestDds::threadConvertsFromSource()
{
    FakeSource src;
    src.set(0, {1234, 0, 92, 24414, 4096});
    Pixy_Thread t;
    t.setPeriodMs(5);
    t.setRawSource(src.source());
    DDU_Pixy_Thread_Life = 0;
    t.start();

    QTRY_COMPARE(t.snapshot()[0].FaultMessage, QStringLiteral("Alarm chain pulling"));
    QTRY_VERIFY(DDU_Pixy_Thread_Life.load() > 1);

    // The screen's refresh: the first take draws every row.
    DdsRowsToDraw rows = t.takeRowsToDraw();
    QCOMPARE(rows.redraw, (std::array<bool, 4>{true, true, true, true}));
    QCOMPARE(rows.records[0].event_number, QStringLiteral("1234"));
    QCOMPARE(rows.records[0].Proc, QStringLiteral("FLG1"));
    QCOMPARE(rows.records[0].DateTime, localText(1600000000));

    // A new window is published: the changed row comes up for drawing.
    src.set(3, {1240, 8, 3, 24414, 4096});
    bool drawn = false;
    QTRY_VERIFY((rows = t.takeRowsToDraw(), drawn = drawn || rows.redraw[3],
                 drawn && rows.records[3].FaultMessage == QLatin1String("Speedometer failed")));
    QCOMPARE(rows.records[3].Proc, QStringLiteral("STB2"));

    t.requestInterruption();
    QVERIFY(t.wait(10000));
    QVERIFY(t.isFinished());
}

void TestDds::threadSurvivesThrowingSource()
{
    FakeSource src;
    src.set(2, {5, 9, 18, 0, 0});
    std::atomic<int> throwsLeft{3};
    Pixy_Thread t;
    t.setPeriodMs(5);
    t.setRawSource([&](DDU_RAW_DATA_struct (&raw)[DDU_RAW_DATA_COUNT]) {
        if (throwsLeft.fetch_sub(1) > 0)
            throw std::runtime_error("source not ready");
        src.fill(raw);
    });
    t.start();
    QTRY_COMPARE(t.snapshot()[2].FaultMessage, QStringLiteral("AFL Activated"));
    QVERIFY(throwsLeft.load() <= 0);
    t.stop();
    QVERIFY(t.wait(10000));
}

void TestDds::rowsAreNeverTorn()
{
    // The thread converts a new record every pass while the "screen" keeps
    // taking rows; every row it gets must be one whole conversion.
    FakeSource src;
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
            if (!rows.redraw[k] || rows.records[k].event_number_new == 0)
                continue;
            const DDU_RAW_DATA_struct& r = rows.records[k];
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

QTEST_GUILESS_MAIN(TestDds)
#include "tst_dds.moc"
