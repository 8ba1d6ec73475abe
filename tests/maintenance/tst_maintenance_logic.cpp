// The maintenance tools' files and texts as logic, without a window: the
// signal descriptor (reading, the one generated from the port map, filters),
// the port list, the signal sets (format, atomic save, limits, hand-over to
// the monitor), the telegram screen's texts, ticks and selection moves, and
// the descriptor thread's signals.

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "acquisition/lmvf.h"
#include "acquisition/port_map.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/load_thread.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/port_list.h"
#include "maintenance/logic/telegram_format.h"
#include "maintenance/logic/tick_list.h"
#include "platform/file_io.h"
#include "tests/support/environment.h"

using maint::ReadStatus;

namespace {

QByteArray signalXml(const QStringList& children)
{
    return "<Signal>" + children.join(QString()).toUtf8() + "</Signal>";
}

QString cell(const char* tag, const QString& text)
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text);
}

QByteArray fullSignal(const QString& name, int port, int byteOff, int bitOff, const QString& type = "BIT")
{
    return signalXml({cell("telegram_name", QStringLiteral("FLG1-%1").arg(port)), cell("src_signal_name", name),
                      cell("signal_type", type), cell("src_member_name", name.mid(5)),
                      cell("signal_address", QString::number(port)), cell("byte_off", QString::number(byteOff)),
                      cell("bit_off", QString::number(bitOff))});
}

QByteArray document(const QByteArray& body)
{
    return "<?xml version=\"1.0\"?>\n<Descriptor>" + body + "</Descriptor>\n";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString sourceFile(const char* relative)
{
    return qEnvironmentVariable("DDU_SOURCE_DIR") + QLatin1Char('/') + QLatin1String(relative);
}

descriptor::Row row(const QString& name, int port, int byteOff, int bitOff, const QString& type)
{
    return descriptor::parseDescriptor(document(fullSignal(name, port, byteOff, bitOff, type))).rows.value(0);
}

} // namespace

class TestMaintenanceLogic : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    // ---------------------------------------------------------------- descriptor

    // Rows in document order; bit_off ends a row, so a Signal without it
    // shares its row with the next one, and what follows bit_off inside a
    // Signal starts the next row. Other elements are skipped, texts trimmed.
    void descriptorRows()
    {
        const QByteArray body = fullSignal("FLG1_A", 3100, 0, 1) + "<Other><Signal/></Other>" +
            signalXml({cell("telegram_name", "FLG1-3110"), cell("src_signal_name", " FLG1_B "), cell("note", "x")}) +
            signalXml({cell("signal_type", "WORD"), cell("signal_address", "3110"), cell("byte_off", "12"),
                       cell("bit_off", "0"), cell("src_signal_name", "FLG1_C")}) +
            signalXml({cell("bit_off", "3")});
        const descriptor::Descriptor d = descriptor::parseDescriptor(document(body));
        QCOMPARE(d.status, ReadStatus::Ok);
        QCOMPARE(d.rows.size(), 3);
        QCOMPARE(d.rows[0][descriptor::SignalName], QStringLiteral("FLG1_A"));
        QCOMPARE(d.rows[1][descriptor::SignalName], QStringLiteral("FLG1_B")); // shares the next Signal's row
        QCOMPARE(d.rows[1][descriptor::Telegram], QStringLiteral("FLG1-3110"));
        QCOMPARE(d.rows[1][descriptor::Type], QStringLiteral("WORD"));
        QCOMPARE(d.rows[1][descriptor::ByteOff], QStringLiteral("12"));
        QCOMPARE(d.rows[2][descriptor::SignalName], QStringLiteral("FLG1_C")); // after bit_off: the next row
        QCOMPARE(d.rows[2][descriptor::BitOff], QStringLiteral("3"));
    }

    void descriptorBadInput_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<ReadStatus>("status");
        const QByteArray good = descriptor::generate();
        QTest::newRow("empty") << QByteArray() << ReadStatus::Empty;
        QTest::newRow("blank") << QByteArray(" \n\t ") << ReadStatus::Empty;
        QTest::newRow("truncated") << good.left(good.size() / 2) << ReadStatus::Malformed;
        QTest::newRow("garbage") << QByteArray("\x01\x02<<>>Signal") << ReadStatus::Malformed;
        QTest::newRow("two roots") << QByteArray("<a/><b/>") << ReadStatus::Malformed;
        QTest::newRow("entity bomb") << QByteArray("<!DOCTYPE d [<!ENTITY a \"aaaaaaaaaaaaaaaa\">"
                                                   "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                                                   "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                                                   "<!ENTITY e \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                                                   "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
                                                   "<d><Signal><src_signal_name>&f;&f;&f;&f;</src_signal_name>"
                                                   "<bit_off>0</bit_off></Signal></d>")
                                     << ReadStatus::Malformed;
        QTest::newRow("too large") << QByteArray(int(descriptor::kMaxFileBytes) + 1, ' ') << ReadStatus::TooLarge;
    }

    // Bad input gives no row and a reason, never a partial table.
    void descriptorBadInput()
    {
        QFETCH(QByteArray, data);
        QFETCH(ReadStatus, status);
        const descriptor::Descriptor d = descriptor::parseDescriptor(data);
        QCOMPARE(d.status, status);
        QVERIFY(d.rows.isEmpty());
        QVERIFY(!d.problem.isEmpty());
        QVERIFY(!descriptor::report(d, "x.xml").isEmpty());
    }

    void descriptorMissingFile()
    {
        const descriptor::Descriptor d = descriptor::loadDescriptor(m_root.filePath("none.xml"));
        QCOMPARE(d.status, ReadStatus::CannotOpen);
        QVERIFY(descriptor::report(d, "none.xml").first().startsWith("unable to open xml file"));
    }

    void typeCodes()
    {
        const QStringList names = {"BIT", "BYTE", "WORD", "GANZOHNE", "ANALOG", "bit", "", "FLOAT"};
        const QList<int> codes = {1, 2, 3, 4, 5, 0, 0, 0};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(descriptor::typeCode(names[i]), codes[i]);
    }

    void filters()
    {
        using namespace descriptor;
        QVERIFY(processorMatches("SLG2-3800", {"FLG1", "SLG2"}));
        QVERIFY(!processorMatches("SLG2-3800", {"slg2"})); // case-sensitive
        QVERIFY(processorMatches("RIOM1-2510", {"ALL"}));
        QVERIFY(!processorMatches("RIOM1-2510", {}));
        QVERIFY(telegramMatches("X-1234", {1234}));
        QVERIFY(!telegramMatches("X-12345", {1234}));
        QVERIFY(!telegramMatches("X-1234", {}));
        QVERIFY(telegramMatches("X-3110", {3100, 3110}));
        QVERIFY(nameMatches("FLG1_D50_XSpeedLoco", "speed")); // ignoring case
        QVERIFY(nameMatches("FLG1_D50_XSpeedLoco", ""));
        QVERIFY(!nameMatches("FLG1_D50_XSpeedLoco", "speedo"));
    }

    // The descriptor we ship is the port map: every signal on the bus once,
    // its telegram named after the publishing processor and the port, and a
    // position the monitor turns back into the port map's word and bit.
    void generatedDescriptorIsThePortMap()
    {
        const descriptor::Descriptor d = descriptor::parseDescriptor(descriptor::generate());
        QCOMPARE(d.status, ReadStatus::Ok);
        const PortSignal* sig = portSignals();
        int r = 0;
        for (int i = 0; i < portSignalCount(); ++i) {
            if (sig[i].kind == SignalKind::Zero)
                continue;
            QVERIFY(r < d.rows.size());
            const descriptor::Row& row = d.rows[r++];
            QCOMPARE(row[descriptor::SignalName], QLatin1String(sig[i].name));
            QCOMPARE(row[descriptor::Port].toInt(), int(sig[i].port));
            QVERIFY2(descriptor::processorOf(sig[i].port) != "MVB", sig[i].name);
            QCOMPARE(row[descriptor::Telegram], descriptor::processorOf(sig[i].port) + "-" + row[descriptor::Port]);
            const int byteOff = row[descriptor::ByteOff].toInt();
            QCOMPARE(byteOff / 2, int(sig[i].word));
            if (row[descriptor::Type] == "BIT") {
                const int n = micview::busBitNumber(byteOff, row[descriptor::BitOff].toInt());
                QCOMPARE(n < 8 ? n + 8 : n - 8, int(sig[i].bit));
            }
            if (sig[i].kind == SignalKind::HighByte || sig[i].kind == SignalKind::LowByte)
                QCOMPARE(byteOff % 2, sig[i].kind == SignalKind::LowByte ? 1 : 0);
        }
        QCOMPARE(r, d.rows.size());
        QVERIFY(d.rows.size() > 500);
    }

    // ---------------------------------------------------------------- port list

    void portList()
    {
        const QByteArray xml = "<P><Port_Details><Fun_Code>4</Fun_Code><Port_No> 3100 </Port_No></Port_Details>"
                               "<Port_Details><Port_No>3015</Port_No><Port_Type>1</Port_Type>"
                               "<Fun_Code>2</Fun_Code></Port_Details>"
                               "<Port_Details><Port_No>3100</Port_No><Fun_Code>3</Fun_Code></Port_Details>"
                               "<Port_Details><Port_No>70000</Port_No><Fun_Code>3</Fun_Code></Port_Details>"
                               "<Port_Details><Port_No>1200</Port_No><Fun_Code>5</Fun_Code></Port_Details>"
                               "<Port_Details><Port_No>1300</Port_No></Port_Details>"
                               "<Port_Details><Port_No>3201</Port_No><Port_Type>x</Port_Type>"
                               "<Fun_Code>2</Fun_Code></Port_Details><Other/></P>";
        const portlist::PortList list = portlist::parsePorts(xml);
        QCOMPARE(list.status, ReadStatus::Ok);
        QCOMPARE(list.ports.size(), 3);
        QCOMPARE(list.skipped, 4); // repeated, out of range, bad F-code, no F-code
        QCOMPARE(list.ports[0].fun_code, 4);
        QCOMPARE(list.ports[2].port_type, 0);
        QCOMPARE(portlist::funCodeOf(list.ports, 3015), 2);
        QCOMPARE(portlist::funCodeOf(list.ports, 4242), 0);
        QCOMPARE(portlist::parsePorts(xml.left(100)).status, ReadStatus::Malformed);
        QVERIFY(portlist::parsePorts(xml.left(100)).ports.isEmpty());
    }

    // Only the output port this display writes is a source.
    void portDirections()
    {
        const portlist::Port own1{3015, 1, 2}, own2{3201, 1, 2}, sink{3100, 0, 4};
        QCOMPARE(QString(portlist::direction(own1, 1)), QStringLiteral("Source Port"));
        QCOMPARE(QString(portlist::direction(own2, 1)), QStringLiteral("Sink Port"));
        QCOMPARE(QString(portlist::direction(own2, 2)), QStringLiteral("Source Port"));
        QCOMPARE(QString(portlist::direction(own1, 2)), QStringLiteral("Sink Port"));
        QCOMPARE(QString(portlist::direction(own1, 0)), QStringLiteral("Sink Port"));
        QCOMPARE(QString(portlist::direction(sink, 1)), QStringLiteral("Sink Port"));
    }

    // The list we ship: every port of the cycle with the cycle's F-code, and
    // both output ports as sources with the F-code the display writes with.
    void shippedPortList()
    {
        const portlist::PortList list = portlist::loadPorts(sourceFile("data/master/zav_port.xml"));
        QCOMPARE(list.status, ReadStatus::Ok);
        QCOMPARE(list.skipped, 0);
        QList<QPair<int, int>> expected;
        for (int i = 0; i < firstPartPortCount(); ++i)
            expected << qMakePair(int(firstPartPorts()[i].port), int(firstPartPorts()[i].fcode));
        expected << qMakePair(int(lmvf::kDdsPort), int(lmvf::kDdsFcode));
        for (int i = 0; i < lmvf::remoteIoPortCount(); ++i)
            expected << qMakePair(int(lmvf::remoteIoPorts()[i].port), int(lmvf::remoteIoPorts()[i].fcode));
        for (const auto& e : expected) {
            QVERIFY2(portlist::contains(list.ports, e.first), qPrintable(QString::number(e.first)));
            QCOMPARE(portlist::funCodeOf(list.ports, e.first), e.second);
        }
        int sources = 0;
        for (const portlist::Port& p : list.ports)
            if (p.port_type == 1) {
                ++sources;
                QVERIFY(p.telegram == lmvf::kOutputPortCab1 || p.telegram == lmvf::kOutputPortCab2);
                QCOMPARE(p.fun_code, 2);
            }
        QCOMPARE(sources, 2);
        QCOMPARE(list.ports.size(), 51);
    }

    // ---------------------------------------------------------------- signal sets

    // Three ticks saved into a slot that held five: three entries load back.
    void saveReplacesTheWholeSet()
    {
        const QString path = micview::setPath("4");
        QVector<descriptor::Row> five, three;
        for (int i = 0; i < 5; ++i)
            five << row(QStringLiteral("FLG1_S%1").arg(i), 3100, i, i, "BIT");
        three = five.mid(1, 3);
        QVERIFY(micview::save(path, five));
        QCOMPARE(micview::loadSet(path).entries.size(), 5);
        QVERIFY(micview::askBeforeReplacing(path));
        QVERIFY(micview::save(path, three));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray saved = f.readAll();
        QCOMPARE(saved.count("<Signals>"), 3);
        QVERIFY(saved.startsWith("<?xml"));
        QVERIFY(saved.contains("<Count_All>3</Count_All>"));
        const micview::SetFile set = micview::parseSet(saved);
        QCOMPARE(set.entries.size(), 3);
        QCOMPARE(set.entries[0].name, QStringLiteral("FLG1_S1"));
        QCOMPARE(set.entries[2].byteOff, 3);
        QCOMPARE(set.entries[2].bitOff, 3);
        QCOMPARE(set.entries[2].port, 3100);
        QCOMPARE(set.entries[2].type, QStringLiteral("BIT"));
    }

    // A name with a carriage return (a hand-made descriptor can hold one)
    // reads back as it was: a reader turns a raw CR into a line feed.
    void carriageReturnSurvivesTheSet()
    {
        const QVector<descriptor::Row> rows{row(QStringLiteral("A&#13;\tB&#13;C"), 3100, 0, 0, "BIT")};
        QCOMPARE(rows[0][descriptor::SignalName], QStringLiteral("A\r\tB\rC"));
        const micview::SetFile set = micview::parseSet(micview::serialize(rows));
        QCOMPARE(set.entries.size(), 1);
        QCOMPARE(set.entries[0].name, QStringLiteral("A\r\tB\rC"));
    }

    // A save cut short (the power fails) leaves the old set whole.
    void interruptedSaveKeepsTheOldSet()
    {
        const QString path = micview::setPath("5");
        QVERIFY(micview::save(path, {row("FLG1_OLD", 3110, 12, 0, "ANALOG")}));
        platform::interruptNextSaveAfter = 40;
        QVERIFY(!micview::save(path, {row("FLG1_NEW", 3100, 0, 0, "BIT"), row("FLG1_NEW2", 3100, 1, 0, "BIT")}));
        const micview::SetFile set = micview::loadSet(path);
        QCOMPARE(set.status, ReadStatus::Ok);
        QCOMPARE(set.entries.size(), 1);
        QCOMPARE(set.entries[0].name, QStringLiteral("FLG1_OLD"));
    }

    void askBeforeReplacing()
    {
        QVERIFY(!micview::askBeforeReplacing(micview::setPath("6")));
        QVERIFY(writeFile(micview::setPath("6"), QByteArray()));
        QVERIFY(!micview::askBeforeReplacing(micview::setPath("6"))); // empty: nothing to lose
        QVERIFY(writeFile(micview::setPath("6"), "x"));
        QVERIFY(micview::askBeforeReplacing(micview::setPath("6")));
    }

    void setReading_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<ReadStatus>("status");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("leftOut");
        auto signalsOf = [](int n) {
            QByteArray b = "<Table><Signals_Count><Count_All>99</Count_All></Signals_Count>";
            for (int i = 0; i < n; ++i)
                b += "<Signals><Signal_Name>S" + QByteArray::number(i) + "</Signal_Name><Port>3100</Port></Signals>";
            return b + "</Table>";
        };
        QStringList twenty;
        for (int i = 0; i < 20; ++i)
            twenty << QStringLiteral("S%1").arg(i);
        QTest::newRow("more than twenty") << signalsOf(27) << ReadStatus::Ok << twenty << 7;
        QTest::newRow("fields in any order, one unnamed")
            << QByteArray("<Table><Signals><Port>1</Port><Signal_Name>A</Signal_Name></Signals>"
                          "<Signals><Port>2</Port></Signals></Table>")
            << ReadStatus::Ok << QStringList{"A"} << 0;
        QTest::newRow("truncated") << signalsOf(3).left(90) << ReadStatus::Malformed << QStringList() << 0;
        QTest::newRow("empty") << QByteArray() << ReadStatus::Empty << QStringList() << 0;
        QTest::newRow("too large") << QByteArray(int(micview::kMaxFileBytes) + 1, ' ') << ReadStatus::TooLarge
                                   << QStringList() << 0;
    }

    void setReading()
    {
        QFETCH(QByteArray, data);
        QFETCH(ReadStatus, status);
        QFETCH(QStringList, names);
        QFETCH(int, leftOut);
        const micview::SetFile set = micview::parseSet(data);
        QCOMPARE(set.status, status);
        QStringList got;
        for (const micview::Entry& e : set.entries)
            got << e.name;
        QCOMPARE(got, names);
        QCOMPARE(set.leftOut, leftOut);
    }

    // What the monitor fetches for an entry: F-code from the port list (0
    // when the list lacks the port, which is then not read and reads
    // unknown), bits counted in bus order, offsets within the port.
    void fetchOfEntries_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<int>("byteOff");
        QTest::addColumn<int>("bitOff");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("fcode");
        QTest::addColumn<int>("bitNumber");
        QTest::newRow("bit, first octet") << 3100 << 0 << 3 << "BIT" << true << 4 << 3;
        QTest::newRow("bit, second octet") << 3100 << 1 << 3 << "BIT" << true << 4 << 11;
        QTest::newRow("bit number of the word") << 3100 << 0 << 12 << "BIT" << true << 4 << 12;
        QTest::newRow("bit beyond the word") << 3100 << 0 << 16 << "BIT" << false << 4 << 16;
        QTest::newRow("port not listed") << 4242 << 0 << 0 << "WORD" << false << 0 << 0;
        QTest::newRow("last byte of F-code 1") << 1100 << 3 << 0 << "BYTE" << true << 1 << 0;
        QTest::newRow("beyond F-code 1") << 1100 << 4 << 0 << "BYTE" << false << 1 << 0;
        QTest::newRow("negative offset") << 3100 << -1 << 0 << "WORD" << false << 4 << 0;
    }

    void fetchOfEntries()
    {
        QFETCH(int, port);
        QFETCH(int, byteOff);
        QFETCH(int, bitOff);
        QFETCH(QString, type);
        QFETCH(bool, valid);
        QFETCH(int, fcode);
        QFETCH(int, bitNumber);
        const QVector<portlist::Port> ports = {{3100, 0, 4}, {1100, 0, 1}};
        micview::Entry e;
        e.name = "S";
        e.type = type;
        e.port = port;
        e.byteOff = byteOff;
        e.bitOff = bitOff;
        const micview::Fetch f = micview::fetchOf(e, ports);
        QCOMPARE(f.valid, valid);
        QCOMPARE(f.details.fun_code, fcode);
        QCOMPARE(f.details.bite_offset, bitNumber);
        QCOMPARE(f.details.data_type, descriptor::typeCode(type));
    }

    // The ready sets we ship are rows of the descriptor we ship, field by field.
    void readySetsAreDescriptorRows()
    {
        const descriptor::Descriptor d = descriptor::parseDescriptor(descriptor::generate());
        for (const char* slot : {"1", "2", "3"}) {
            const QString path = sourceFile("data/micview/") + slot + ".xml";
            const micview::SetFile set = micview::loadSet(path);
            QCOMPARE(set.status, ReadStatus::Ok);
            QVERIFY(set.entries.size() >= 10);
            for (const micview::Entry& e : set.entries) {
                const auto it = std::find_if(d.rows.begin(), d.rows.end(), [&](const descriptor::Row& r) {
                    return r[descriptor::SignalName] == e.name;
                });
                QVERIFY2(it != d.rows.end(), qPrintable(e.name));
                const micview::Entry want = micview::entryOf(*it);
                QCOMPARE(e.type, want.type);
                QCOMPARE(e.port, want.port);
                QCOMPARE(e.byteOff, want.byteOff);
                QCOMPARE(e.bitOff, want.bitOff);
            }
        }
    }

    // ---------------------------------------------------------------- telegram texts

    void telegramRows_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("fcode");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("text");
        using telegram::Mode;
        QTest::newRow("bits F4") << int(Mode::Bits) << 4 << 16 << 1 << "0X00"
                                 << "01011010   00111100";
        QTest::newRow("bits F4 last") << int(Mode::Bits) << 4 << 16 << 16 << "0X1E"
                                      << "00000000   11111111";
        QTest::newRow("bytes F4") << int(Mode::Bytes) << 4 << 4 << 1 << "0X00"
                                  << "5A  3C  12  34  00  00  80  01";
        QTest::newRow("words F4") << int(Mode::Words) << 4 << 4 << 1 << "0X00"
                                  << "5A3C  1234  0000  8001";
        QTest::newRow("words F4 row 2") << int(Mode::Words) << 4 << 4 << 2 << "0X08"
                                        << "0000  0000  0000  0000";
        QTest::newRow("bits F0") << int(Mode::Bits) << 0 << 1 << 1 << "0X00"
                                 << "01011010   00111100";
        QTest::newRow("bytes F0") << int(Mode::Bytes) << 0 << 1 << 1 << "0X00"
                                  << "5A  3C                        ";
        QTest::newRow("words F0") << int(Mode::Words) << 0 << 1 << 1 << "0X00"
                                  << "5A3C                  ";
        QTest::newRow("bytes F1") << int(Mode::Bytes) << 1 << 1 << 1 << "0X00"
                                  << "5A  3C  12  34                ";
        QTest::newRow("words F2") << int(Mode::Words) << 2 << 1 << 1 << "0X00"
                                  << "5A3C  1234  0000  8001";
    }

    // Bytes in bus order (the word's high byte first), as the monitor counts them.
    void telegramRows()
    {
        QFETCH(int, mode);
        QFETCH(int, fcode);
        QFETCH(int, rows);
        QFETCH(int, row);
        QFETCH(QString, offset);
        QFETCH(QString, text);
        uint16_t words[16] = {0x5A3C, 0x1234, 0, 0x8001};
        words[15] = 0x00FF;
        const auto m = telegram::Mode(mode);
        QCOMPARE(telegram::dataRows(m, fcode), rows);
        QCOMPARE(telegram::offsetLabel(m, row), offset);
        QCOMPARE(telegram::rowText(m, fcode, words, row), text);
        QCOMPARE(telegram::rowText(m, fcode, words, row).size(), telegram::placeholder(m).size());
    }

    void freshnessTexts()
    {
        QCOMPARE(telegram::freshnessText(0, 10000), QStringLiteral("0"));
        QCOMPARE(telegram::freshnessText(9999, 10000), QStringLiteral("9999"));
        QCOMPARE(telegram::freshnessText(10000, 10000), QString());
        QCOMPARE(telegram::freshnessText(0xFFFF, 10000), QString());
    }

    // ---------------------------------------------------------------- ticks and moves

    void twentyTicksAtMost()
    {
        TickList t;
        for (int r = 0; r < 20; ++r)
            QVERIFY(t.tick(r * 3));
        QVERIFY(!t.tick(100)); // the twenty-first is taken back
        QCOMPARE(t.count(), 20);
        QVERIFY(t.tick(3)); // ticking a ticked row again changes nothing
        QCOMPARE(t.count(), 20);
        t.untick(30);
        QCOMPARE(t.count(), 19);
        QVERIFY(t.tick(100));
        QCOMPARE(t.slot(10), 101); // the freed slot, 1-based
        const QVector<int> rows = t.rows();
        QCOMPARE(rows.last(), 100);
        QVERIFY(std::is_sorted(rows.begin(), rows.end()));
    }

    void selectionMovesSkipHiddenRows()
    {
        const QSet<int> hiddenRows = {0, 1, 4, 5, 9};
        const auto hidden = [&](int r) { return hiddenRows.contains(r); };
        QCOMPARE(moves::top(10, hidden), 2);
        QCOMPARE(moves::bottom(10, hidden), 8);
        QCOMPARE(moves::step(3, 1, 10, hidden), 6);
        QCOMPARE(moves::step(6, -1, 10, hidden), 3);
        QCOMPARE(moves::step(8, 1, 10, hidden), 8); // nothing visible below: stays
        QCOMPARE(moves::step(2, -1, 10, hidden), 2);
        QCOMPARE(moves::step(0, 1, 0, hidden), -1);
        QCOMPARE(moves::top(3, [](int) { return true; }), -1);
    }

    // ---------------------------------------------------------------- descriptor thread

    void loadThreadSignals()
    {
        const QString path = m_root.filePath("desc.xml");
        QByteArray body;
        for (int i = 0; i < 250; ++i)
            body += fullSignal(QStringLiteral("FLG1_S%1").arg(i), 3100, i % 32, i % 8);
        QVERIFY(writeFile(path, document(body)));
        Load_Thread t(nullptr, 0);
        t.setPath(path);
        QSignalSpy setup(&t, &Load_Thread::DDU_MVB_Variable_Setup_Ready);
        QSignalSpy cells(&t, &Load_Thread::DDU_MVB_Variable_Ready);
        QSignalSpy parts(&t, &Load_Thread::DDU_MVB_Variable_Part_Ready);
        connect(&t, &Load_Thread::DDU_MVB_Variable_Part_Ready, &t, [&t](int) { t.partTaken(); });
        t.start();
        QTRY_COMPARE(setup.size(), 2);
        QVERIFY(t.wait(5000));
        QCOMPARE(setup[0], QVariantList({250, 1}));
        QCOMPARE(setup[1], QVariantList({250, 2}));
        QCOMPARE(cells.size(), 250 * 7);
        QCOMPARE(cells[7 * 249 + 1], QVariantList({249, 2, QStringLiteral("FLG1_S249")}));
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts.last().first().toInt(), 250);
    }

    // The thread stays a few parts ahead of a receiver that does not take
    // them in, and ends when it is destroyed.
    void loadThreadWaitsForItsReceiver()
    {
        const QString path = m_root.filePath("desc-big.xml");
        QVERIFY(writeFile(path, descriptor::generate()));
        auto t = std::make_unique<Load_Thread>(nullptr, 0);
        t->setPath(path);
        t->start();
        QTRY_COMPARE(t->rowsSent(), Load_Thread::kRowsPerPart * Load_Thread::kPartsAhead);
        QTest::qWait(100);
        QCOMPARE(t->rowsSent(), Load_Thread::kRowsPerPart * Load_Thread::kPartsAhead);
        QVERIFY(t->isRunning());
        t.reset(); // interrupts and waits
    }

    void loadThreadAnswersEvenWithoutADescriptor_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("rowsLoaded");
        QTest::addColumn<QVariantList>("stages");
        QTest::newRow("missing") << QByteArray("-") << 0 << QVariantList{1, 2};
        QTest::newRow("malformed") << QByteArray("<a><Signal>") << 0 << QVariantList{1, 2};
        QTest::newRow("no signal") << QByteArray("<a><b/></a>") << 0 << QVariantList{1, 2};
        QTest::newRow("loaded before") << QByteArray("<a/>") << 12 << QVariantList{3};
    }

    void loadThreadAnswersEvenWithoutADescriptor()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, rowsLoaded);
        QFETCH(QVariantList, stages);
        const QString path = m_root.filePath("bad.xml");
        QFile::remove(path);
        if (content != "-")
            QVERIFY(writeFile(path, content));
        Load_Thread t(nullptr, rowsLoaded);
        t.setPath(path);
        QSignalSpy setup(&t, &Load_Thread::DDU_MVB_Variable_Setup_Ready);
        t.start();
        QVERIFY(t.wait(5000)); // no thread left running
        QVariantList got;
        for (const QList<QVariant>& s : setup) {
            QCOMPARE(s[0].toInt(), 0);
            got << s[1];
        }
        QCOMPARE(got, stages);
    }
};

QTEST_MAIN(TestMaintenanceLogic)
#include "tst_maintenance_logic.moc"
