// The rules of the process information, subsystem and I/O slot screens
// without a window: value units, lamps, motor status layouts, the subsystem
// grids' names and colours, the subsystem message list read from a fault log,
// and the I/O pages' tables.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "screens/io_slot_pages.h"
#include "screens/process_rules.h"
#include "screens/subsystem_messages.h"

using namespace proc;

namespace {

// A fault log as the fault handling writes it, plus a message whose
// children come in another order and one without a subsystem.
const char* const kLog = R"(<?xml version="1.0" encoding="UTF-8"?>
<SUBSYSTEM>
    <Message><LocoType>1</LocoType><SubsystemNo>SS01:Main Power</SubsystemNo><Time>01/02/2026 10:00:00</Time>
        <FaultCode>F0102P2</FaultCode><FaultMessage>VCB TRIPPED</FaultMessage></Message>
    <Message><LocoType>1</LocoType><SubsystemNo>SS10:Brake System</SubsystemNo><Time>01/02/2026 10:01:00</Time>
        <FaultCode>F1001P1</FaultCode><FaultMessage>BRAKE</FaultMessage></Message>
    <Message><FaultCode>F0103P1</FaultCode><Time>01/02/2026 10:02:00</Time><FaultMessage>LATE</FaultMessage>
        <SubsystemNo>SS01:Main power</SubsystemNo></Message>
    <Message><Time>01/02/2026 10:03:00</Time><FaultCode>X</FaultCode><FaultMessage>NO SUBSYSTEM</FaultMessage></Message>
</SUBSYSTEM>
)";

QStringList codes(const subsys::MessageList& l)
{
    QStringList out;
    for (const subsys::Message& m : l.messages)
        out << m.code;
    return out;
}

} // namespace

class TestProcessLogic : public QObject {
    Q_OBJECT

private slots:
    void unitsAndLamps()
    {
        QCOMPARE(withUnit(QStringLiteral("????"), QStringLiteral(" kWh")), QStringLiteral("????"));
        QCOMPARE(withUnit(QStringLiteral("123"), QStringLiteral(" kWh")), QStringLiteral("123 kWh"));
        QCOMPARE(withUnit(QStringLiteral("81.50"), QStringLiteral(" \u00B0C")), QStringLiteral("81.50 \u00B0C"));
        const std::pair<int, Lamp> lamps[] = {
            {0, Lamp::Off}, {1, Lamp::On}, {2, Lamp::NoData}, {5, Lamp::Keep}, {-1, Lamp::Keep}};
        for (const auto& l : lamps)
            QVERIFY2(lampFor(l.first) == l.second, qPrintable(QString::number(l.first)));
    }

    void motorLayouts()
    {
        // clang-format off
        const struct { int coco, cocoR, slave; MotorLayout layout; int rows; QVector<int> elements; } rows[] = {
            {1, 0, 0, MotorLayout::SixSingle, 6, {0, 1, 2, 3, 4, 5}},
            {0, 1, 1, MotorLayout::SixWithSlave, 6, {0, 1, 2, 3, 4, 5}},
            {0, 0, 0, MotorLayout::FourSingle, 4, {0, 1, 3, 4}}, // element 2 is not used
            {0, 0, 1, MotorLayout::FourWithSlave, 4, {0, 1, 3, 4}},
            {1, 1, 7, MotorLayout::None, 0, {}},                 // leaves the table as it is
        };
        // clang-format on
        for (const auto& r : rows) {
            const MotorLayout l = motorLayout(r.coco, r.cocoR, r.slave);
            QVERIFY(l == r.layout);
            QCOMPARE(motorRows(l), r.rows);
            QVector<int> elements;
            for (int row = 0; row < motorRows(l); ++row)
                elements << motorElement(l, row);
            QCOMPARE(elements, r.elements);
            QCOMPARE(motorElement(l, r.rows), -1);
        }
    }

    void subsystemNamesAndLooks()
    {
        QCOMPARE(subsystemName(0, 0), QStringLiteral("SS01"));
        QCOMPARE(subsystemName(1, 4), QStringLiteral("SS10"));
        QCOMPARE(subsystemName(3, 3), QStringLiteral("SS19"));
        QCOMPARE(subsystemName(3, 4), QStringLiteral("ALL"));
        QCOMPARE(subsystemName(4, 0), QString());
        QCOMPARE(subsystemName(0, 5), QString());
        QCOMPARE(subsystemName(-1, 0), QString());
        QCOMPARE(QString(subsystemLongName(1)), QStringLiteral("Main Power"));
        QCOMPARE(QString(subsystemShortName(19)), QStringLiteral("Train Bus"));
        QCOMPARE(QString(subsystemShortName(20)), QStringLiteral("Spare"));

        // clang-format off
        const struct { Grid grid; int loco, code; bool known; QRgb bg, fg; const char* fault; } rows[] = {
            {Grid::Main, 1, 0, true, qRgb(0x00, 0x50, 0x06), qRgb(0, 0, 0), nullptr},
            {Grid::Main, 1, 4, true, qRgb(0, 0, 0), qRgb(0x59, 0x59, 0x59), nullptr},   // isolated: black, grey text
            {Grid::Main, 1, 1, true, qRgb(0x54, 0x04, 0x04), qRgb(0x59, 0x59, 0x59), "[Pri 1 Fault]"},
            {Grid::Main, 1, 2, true, qRgb(0x66, 0x66, 0x00), qRgb(0, 0, 0), "[Pri 2 Fault]"},
            {Grid::Main, 1, 99, true, qRgb(0x3f, 0x3f, 0x3f), qRgb(0, 0, 0), nullptr},
            {Grid::Main, 1, 3, false, 0, 0, nullptr},
            {Grid::Main, 2, 4, true, qRgb(0x3f, 0x3f, 0x3f), qRgb(0, 0, 0), nullptr},  // second loco: 4 is no data
            {Grid::Main, 2, 1, true, qRgb(0, 0, 0), qRgb(0x59, 0x59, 0x59), nullptr},
            {Grid::Main, 2, 2, true, qRgb(0x54, 0x04, 0x04), qRgb(0x59, 0x59, 0x59), "[Pri 1 Fault]"},
            {Grid::Main, 2, 3, true, qRgb(0x66, 0x66, 0x00), qRgb(0, 0, 0), "[Pri 2 Fault]"},
            {Grid::Main, 2, 99, false, 0, 0, nullptr},
            {Grid::Menu, 1, 99, true, qRgb(0x49, 0x49, 0x49), qRgb(0, 0, 0), nullptr},  // the menu's no-data grey
            {Grid::Menu, 1, 1, true, qRgb(0x54, 0x04, 0x04), qRgb(0x59, 0x59, 0x59), nullptr}, // no fault text
        };
        // clang-format on
        for (const auto& r : rows) {
            const QString at = QStringLiteral("loco %1 code %2").arg(r.loco).arg(r.code);
            CellLook look{};
            QCOMPARE(subsystemLook(r.grid, r.loco, r.code, look), r.known);
            if (!r.known)
                continue;
            QVERIFY2(look.background == r.bg && look.text == r.fg, qPrintable(at));
            QCOMPARE(QString(look.faultText), QString(r.fault));
        }
        QCOMPARE(unknownCodeLook(Grid::Menu).background, qRgb(0x49, 0x49, 0x49));
        QCOMPARE(spareLook().background, qRgb(0x49, 0x49, 0x49));
    }

    void slotPaging()
    {
        QCOMPARE(nextSlot(1, 3), 3);
        QCOMPARE(nextSlot(4, 1), 2);
        QCOMPARE(previousSlot(2, 1), 1);
        QCOMPARE(previousSlot(3, 3), 2);
        QCOMPARE(nextSlot(6, 1), 1); // no pages: nothing moves
        QVERIFY(!processorHasPages(0) && !processorHasPages(6) && !processorHasPages(8));
    }

    void subsystemMatching()
    {
        const struct {
            const char* text;
            const char* no;
            bool listed;
        } rows[] = {
            {"SS10:Brake System", "SS10", true},
            {"SS10:Brake System", "SS01", false},
            {"SS16 : Speedometer", "SS16", true},
            {"SS01:Main Power", "SS1", false},
            {"SS01:Main Power", "ALL", true},
            {"", "ALL", true},
            {"", "SS01", false},
            {"ss01:Main Power", "SS01", false}, // case-sensitive
        };
        for (const auto& r : rows)
            QVERIFY2(subsys::matches(QLatin1String(r.text), QLatin1String(r.no)) == r.listed, r.text);
    }

    void messagesFromTheLog()
    {
        const QByteArray log(kLog);
        QCOMPARE(codes(subsys::parseMessages(log, QStringLiteral("SS01"))),
                 (QStringList{"F0102P2", "F0103P1"})); // fields by name, whatever their order
        const subsys::MessageList all = subsys::parseMessages(log, QStringLiteral("ALL"));
        QCOMPARE(codes(all), (QStringList{"F0102P2", "F1001P1", "F0103P1", "X"}));
        QCOMPARE(all.messages[2].time, QStringLiteral("01/02/2026 10:02:00"));
        QCOMPARE(all.messages[2].text, QStringLiteral("LATE"));
        QCOMPARE(all.messages[0].subsystem, QStringLiteral("SS01:Main Power"));
        QVERIFY(subsys::parseMessages(log, QStringLiteral("SS05")).messages.isEmpty());

        const subsys::MessageList bad = subsys::parseMessages(log.left(200), QStringLiteral("ALL"));
        QVERIFY(bad.status == subsys::Status::Malformed && bad.messages.isEmpty() && !bad.problem.isEmpty());

        QTemporaryDir dir;
        QVERIFY(subsys::loadMessages(dir.filePath(QStringLiteral("none.xml")), QStringLiteral("ALL")).status ==
                subsys::Status::CannotOpen);
        QFile big(dir.filePath(QStringLiteral("big.xml")));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.resize(subsys::kMaxLogBytes + 1);
        big.close();
        QVERIFY(subsys::loadMessages(big.fileName(), QStringLiteral("ALL")).status == subsys::Status::TooLarge);
    }

    // Every page: at most 16 lines, a state source that exists for every line
    // it shows, the captions as the unit has them.
    void ioPages()
    {
        const int outputs[4] = {16, 15, 13, 16};
        const int analogIn[4] = {2, 2, 1, 1}, analogOut[4] = {4, 4, 0, 1};
        const SignalStore s;
        for (int p = 1; p <= 4; ++p) {
            const io::Processor* proc = io::processor(p);
            QVERIFY(proc);
            const io::Page* pages = proc->pages;
            QCOMPARE(pages[0].left.first, 0);
            QCOMPARE(pages[0].right.first, 16);
            QCOMPARE(pages[0].left.lineCount + pages[0].right.lineCount, 32);
            QCOMPARE(pages[1].left.count, outputs[p - 1]);
            QCOMPARE(pages[1].left.lineCount, outputs[p - 1]);
            QVERIFY(pages[1].right.source == io::Source::None);
            QCOMPARE(pages[2].left.count, analogIn[p - 1]);
            QCOMPARE(pages[2].right.count, analogOut[p - 1]);
            for (int k = 0; k < 3; ++k)
                for (const io::Side* side : {&pages[k].left, &pages[k].right}) {
                    QVERIFY(side->lineCount <= io::kLines && side->count <= io::kLines);
                    QVERIFY((side->source == io::Source::Digital) == (side->digital != nullptr));
                    QVERIFY((side->source == io::Source::Analog) == (side->analog != nullptr));
                }
        }
        QVERIFY(!io::processor(0) && !io::processor(5));
        QCOMPARE(QString(io::processor(2)->pages[0].left.caption), QStringLiteral("Digital Input "));
        QCOMPARE(QString(io::processor(3)->pages[1].left.caption), QStringLiteral("Digital Output "));
        QCOMPARE(QString(io::processor(3)->pages[1].right.caption), QStringLiteral("Digital Output"));
        QCOMPARE(QString(io::processor(3)->pages[2].left.caption), QStringLiteral("Analog Input "));
        QCOMPARE(QString(io::processor(1)->pages[2].right.lines[2].pin), QString());
        QCOMPARE(QString(io::processor(4)->pages[0].left.lines[5].name), QString());
    }

    void lifeSigns()
    {
        SignalStore s;
        s.MVB_DDU_FLG1_Lifesign = 1;
        s.MVB_DDU_HBB1_Lifesign = 2; // lost: unchanged for a thousand passes
        s.MVB_DDU_STB1_Lifesign = 1;
        s.freshness_1100 = 10000;
        QVERIFY(io::lifeSign(s, 1).known && io::lifeSign(s, 1).flag == 1);
        QVERIFY(!io::lifeSign(s, 2).known);
        QVERIFY(!io::lifeSign(s, 3).known); // its port is stale
        QVERIFY(!io::lifeSign(s, 4).known); // no port carries it
    }
};

QTEST_MAIN(TestProcessLogic)
#include "tst_process_logic.moc"
