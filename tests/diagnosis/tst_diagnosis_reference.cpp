// The diagnosis reference as logic: which messages a processor gets, how the
// columns read, a file outside the usual layout, bad input (an empty list
// with a reason), and the reference the build installs.

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "acquisition/port_map.h"
#include "diagnostics/dds.h"
#include "diagnostics/diagnosis_reference.h"
#include "tests/diagnosis/sample_reference.h"

using namespace diagref;

Q_DECLARE_METATYPE(diagref::Status)

namespace {

QStringList column(const MessageList& list, int c)
{
    QStringList out;
    for (const Message& m : list.messages)
        out << m[c];
    return out;
}

QByteArray oneMessage(const QByteArray& children)
{
    return "<R><A_WAP_DDS><ProcessorName>BUR1</ProcessorName>" + children + "</A_WAP_DDS></R>";
}

} // namespace

class TestDiagnosisReference : public QObject {
    Q_OBJECT

private slots:
    void listsTheChosenProcessor_data()
    {
        QTest::addColumn<QString>("processor");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("three") << "FLG1" << QStringList{"   1: First", "   17: Second", "   40: Third"};
        QTest::newRow("two") << "FLG2" << QStringList{"   5: Partner", "   6: No symptoms"};
        QTest::newRow("one") << "SLG1" << QStringList{"   8: Earth"};
        QTest::newRow("none") << "HBB1" << QStringList{};
        QTest::newRow("exact name") << "flg1" << QStringList{};
    }
    void listsTheChosenProcessor()
    {
        QFETCH(QString, processor);
        QFETCH(QStringList, messages);
        const MessageList list = parseMessages(sample::kReference, processor);
        QCOMPARE(list.status, Status::Ok);
        QCOMPARE(column(list, MessageText), messages);
        for (int i = 0; i < list.messages.size(); ++i)
            QCOMPARE(list.messages[i][SlNo], QString::number(i + 1));
    }

    // Every column of a full message; "-" for what a message lacks, is empty
    // or blank.
    void columns()
    {
        const MessageList flg1 = parseMessages(sample::kReference, QStringLiteral("FLG1"));
        const QStringList full{"1",       "FLG1",     "Control", "   1: First", "FLG1_D50_XSpeedLoco", "Symptom 1",
                               "Cause 1", "Advice 1", "2"};
        const QStringList bare{"2", "FLG1", "-", "   17: Second", "-", "-", "-", "-", "-"};
        for (int c = 0; c < ColumnCount; ++c) {
            QCOMPARE(flg1.messages[0][c], full[c]);
            QCOMPARE(flg1.messages[1][c], bare[c]);
        }
        const MessageList flg2 = parseMessages(sample::kReference, QStringLiteral("FLG2"));
        const Message& blank = flg2.messages[1];
        QCOMPARE(blank[Symptoms], kMissing);
        QCOMPARE(blank[Signal], kMissing);
        QCOMPARE(blank[Causes], QStringLiteral("Cause 6"));
    }

    void messageColumn_data()
    {
        QTest::addColumn<QByteArray>("children");
        QTest::addColumn<QString>("column");
        QTest::newRow("STNR 17") << QByteArray("<STNR>17</STNR><R_TEXT>Brake pipe pressure low</R_TEXT>")
                                 << "   17: Brake pipe pressure low";
        QTest::newRow("tag containing R_TEXT")
            << QByteArray("<STNR>3</STNR><EN_R_TEXT_1>Text</EN_R_TEXT_1>") << "   3: Text";
        QTest::newRow("entity") << QByteArray("<STNR>1</STNR><R_TEXT>Primary voltage &gt; max</R_TEXT>")
                                << "   1: Primary voltage > max";
        QTest::newRow("lines") << QByteArray("<STNR>6</STNR><R_TEXT>\n  one\n\n  two \n</R_TEXT>") << "   6: one\ntwo";
        QTest::newRow("no number") << QByteArray("<R_TEXT>Text</R_TEXT>") << "   -: Text";
        QTest::newRow("no text") << QByteArray("<STNR>4</STNR>") << "-";
    }
    void messageColumn()
    {
        QFETCH(QByteArray, children);
        QFETCH(QString, column);
        const MessageList list = parseMessages(oneMessage(children), QStringLiteral("BUR1"));
        QCOMPARE(list.messages.size(), 1);
        QCOMPARE(list.messages[0][MessageText], column);
    }

    // Children before ProcessorName count; the first ProcessorName decides;
    // messages without one, and elements elsewhere, are skipped.
    void layoutOutsideTheUsual()
    {
        const QByteArray xml = R"(<Root>
            <Header><A_WAP_DDS><ProcessorName>BUR2</ProcessorName><STNR>99</STNR></A_WAP_DDS></Header>
            <A_WAP_DDS><STNR>7</STNR><SUB>Aux</SUB><ProcessorName>BUR2</ProcessorName><R_TEXT>Late</R_TEXT></A_WAP_DDS>
            <A_WAP_DDS><STNR>8</STNR><R_TEXT>No name</R_TEXT></A_WAP_DDS>
            <A_WAP_DDS><ProcessorName>BUR3</ProcessorName><ProcessorName>BUR2</ProcessorName></A_WAP_DDS>
            <A_WAP_DDS><ProcessorName> BUR2 </ProcessorName><X>x</X><STNR>10</STNR><R_TEXT>A</R_TEXT><R_TEXT>B</R_TEXT></A_WAP_DDS>
        </Root>)";
        const MessageList list = parseMessages(xml, QStringLiteral("BUR2"));
        QCOMPARE(column(list, MessageText), (QStringList{"   7: Late", "   10: B"}));
        QCOMPARE(column(list, Subsystem), (QStringList{"Aux", "-"}));
    }

    void badInputGivesNothing_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<Status>("status");
        QTest::newRow("empty") << QByteArray() << Status::Malformed;
        QTest::newRow("not XML") << QByteArray("FLG1;1;Lifesign missing\n") << Status::Malformed;
        QTest::newRow("mismatched tag") << oneMessage("<STNR>1</SUB>") << Status::Malformed;
        QTest::newRow("second root") << (sample::kReference + "<R/>") << Status::Malformed;
        QTest::newRow("entity bomb") << QByteArray("<!DOCTYPE R [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
                                                   "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                                                   "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>") +
                oneMessage("<R_TEXT>&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;</R_TEXT>")
                                     << Status::Malformed;
        QTest::newRow("huge") << QByteArray(int(kMaxFileBytes) + 1, ' ') << Status::TooLarge;
    }
    void badInputGivesNothing()
    {
        QFETCH(QByteArray, xml);
        QFETCH(Status, status);
        const MessageList list = parseMessages(xml, QStringLiteral("BUR1"));
        QCOMPARE(list.status, status);
        QVERIFY(list.messages.isEmpty() && !list.problem.isEmpty());
    }

    // Cut anywhere before the end of the root element, nothing is listed.
    void everyTruncationGivesNothing()
    {
        const QByteArray& full = sample::kReference;
        const int end = full.lastIndexOf('>');
        for (int cut = 0; cut < end; ++cut)
            QVERIFY2(parseMessages(full.left(cut), QStringLiteral("FLG1")).messages.isEmpty(),
                     qPrintable(QString::number(cut)));
    }

    void files()
    {
        QTemporaryDir dir;
        QCOMPARE(loadMessages(dir.filePath(QStringLiteral("none.xml")), QStringLiteral("FLG1")).status,
                 Status::CannotOpen);
        QFile big(dir.filePath(QStringLiteral("big.xml"))); // well-formed, one byte too long
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(sample::kReference + QByteArray(int(kMaxFileBytes) - sample::kReference.size() + 1, '\n'));
        big.close();
        const MessageList list = loadMessages(big.fileName(), QStringLiteral("FLG1"));
        QCOMPARE(list.status, Status::TooLarge);
        QVERIFY(list.messages.isEmpty());
    }

    // The installed reference: every processor of the choice reads, every
    // path of the screens shows, texts are the DDS list's, signals the port map's.
    void installedReference()
    {
        QFile file(qEnvironmentVariable("DDU_SOURCE_DIR") + QStringLiteral("/data/master/zav_DDSMessages_details.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray xml = file.readAll();
        QSet<QString> signalNames;
        for (int i = 0; i < portSignalCount(); ++i)
            signalNames.insert(QLatin1String(portSignals()[i].name));
        int sizes[4] = {}; // processors with 0, 1, 2, 3 or more messages
        for (const char* name : {"FLG1", "FLG2", "HBB1", "HBB2", "FBV1", "FBV2", "DDA1", "DDA2", "STB1", "STB2", "ASC1",
                                 "ASC2", "NSC1", "NSC2", "SLG1", "SLG2", "DIA1", "BUR1", "BUR2", "BUR3", "ZBV1"}) {
            const MessageList list = parseMessages(xml, QLatin1String(name));
            QCOMPARE(list.status, Status::Ok);
            ++sizes[qMin(list.messages.size(), 3)];
            int index = dds::ProcessorCount - 1;
            while (index >= 0 && dds::processorName(index) != QLatin1String(name))
                --index;
            for (const Message& m : list.messages) {
                const QString where = QLatin1String(name) + QLatin1Char(' ') + m.number;
                const QString text = m[MessageText].section(QStringLiteral(": "), 1);
                QVERIFY2(m[Causes] != kMissing && m[Remarks] != kMissing && text.size() <= 39, qPrintable(where));
                QVERIFY2(m[Signal] == kMissing || signalNames.contains(m[Signal]), qPrintable(where));
                QString listed = index < 0 ? text : dds_fun.Get_dds(index, m.number.toInt());
                listed.replace(QLatin1String("&gt;"), QLatin1String(">"));
                QVERIFY2(text == listed, qPrintable(where + ": " + listed));
            }
        }
        QVERIFY(sizes[0] >= 1 && sizes[1] >= 1 && sizes[3] >= 10);
        QVERIFY(xml.count("<A_WAP_DDS>") > xml.count("<SYMPTOME>")); // a symptom shown as "-"
    }
};

QTEST_GUILESS_MAIN(TestDiagnosisReference)
#include "tst_diagnosis_reference.moc"
