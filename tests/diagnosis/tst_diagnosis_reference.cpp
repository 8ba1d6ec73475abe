// The diagnosis reference as logic: which messages a processor gets, how the
// columns read, what a file outside the usual layout gives, that bad input
// gives an empty list with a reason, and that the reference the build
// installs is sound (every processor of the choice, every path of the screens,
// texts of the DDS list, signals of the port map).

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "acquisition/port_map.h"
#include "diagnostics/dds.h"
#include "diagnostics/diagnosis_reference.h"
#include "tests/diagnosis/sample_reference.h"

using namespace diagref;

namespace {

// The columns 0..8 of every message listed.
QStringList column(const MessageList& list, int c)
{
    QStringList out;
    for (const Message& m : list.messages)
        out << m[c];
    return out;
}

// Texts of the DDS list as the file carries them, with their entities read.
QString decoded(QString text)
{
    return text.replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

const char* const kChoice[21] = {"FLG1", "FLG2", "HBB1", "HBB2", "FBV1", "FBV2", "DDA1", "DDA2", "STB1", "STB2", "ASC1",
                                 "ASC2", "NSC1", "NSC2", "SLG1", "SLG2", "DIA1", "BUR1", "BUR2", "BUR3", "ZBV1"};

} // namespace

class TestDiagnosisReference : public QObject {
    Q_OBJECT

private slots:
    // ------------------------------------------------------------ listing

    void listsTheChosenProcessor_data()
    {
        QTest::addColumn<QString>("processor");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("three") << "FLG1" << QStringList{"   1: First", "   17: Second", "   40: Third"};
        QTest::newRow("two") << "FLG2" << QStringList{"   5: Partner", "   6: No symptoms"};
        QTest::newRow("one") << "SLG1" << QStringList{"   8: Earth"};
        QTest::newRow("none") << "HBB1" << QStringList{};
        QTest::newRow("name is exact") << "flg1" << QStringList{};
    }
    void listsTheChosenProcessor()
    {
        QFETCH(QString, processor);
        QFETCH(QStringList, messages);
        const MessageList list = parseMessages(sample::kReference, processor);
        QCOMPARE(list.status, Status::Ok);
        QCOMPARE(column(list, MessageText), messages);
        QStringList numbers;
        for (int i = 1; i <= messages.size(); ++i)
            numbers << QString::number(i);
        QCOMPARE(column(list, SlNo), numbers);
        QCOMPARE(column(list, Processor), QStringList(messages.size(), processor));
    }

    void everyColumnOfAFullMessage()
    {
        const MessageList list = parseMessages(sample::kReference, QStringLiteral("FLG1"));
        QCOMPARE(list.messages.size(), 3);
        const Message& m = list.messages.first();
        const QStringList want{"1",       "FLG1",     "Control", "   1: First", "FLG1_D50_XSpeedLoco", "Symptom 1",
                               "Cause 1", "Advice 1", "2"};
        for (int c = 0; c < ColumnCount; ++c)
            QCOMPARE(m[c], want[c]);
        QCOMPARE(m.number, QStringLiteral("1"));
    }

    // Missing children, empty ones and blank ones read "-"; the message
    // text needs only its R_TEXT.
    void missingFieldsReadDash()
    {
        const MessageList flg1 = parseMessages(sample::kReference, QStringLiteral("FLG1"));
        const Message& bare = flg1.messages[1]; // STNR and R_TEXT only
        QCOMPARE(bare[MessageText], QStringLiteral("   17: Second"));
        for (int c : {Subsystem, Signal, Symptoms, Causes, Remarks, Zi})
            QCOMPARE(bare[c], kMissing);
        const MessageList flg2 = parseMessages(sample::kReference, QStringLiteral("FLG2"));
        QCOMPARE(flg2.messages[1][Symptoms], kMissing); // <SYMPTOME/>
        QCOMPARE(flg2.messages[1][Signal], kMissing);   // blank
        QCOMPARE(flg2.messages[1][Causes], QStringLiteral("Cause 6"));
    }

    void messageColumnAndTextTags_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("column");
        QTest::newRow("STNR 17 and R_TEXT") << QByteArray("<STNR>17</STNR><R_TEXT>Brake pipe pressure low</R_TEXT>")
                                            << "   17: Brake pipe pressure low";
        QTest::newRow("any tag with R_TEXT")
            << QByteArray("<STNR>3</STNR><EN_R_TEXT_1>Text</EN_R_TEXT_1>") << "   3: Text";
        QTest::newRow("entities read") << QByteArray("<STNR>1</STNR><R_TEXT>Primary voltage &gt; max</R_TEXT>")
                                       << "   1: Primary voltage > max";
        QTest::newRow("number missing") << QByteArray("<R_TEXT>Text</R_TEXT>") << "   -: Text";
        QTest::newRow("text missing") << QByteArray("<STNR>4</STNR>") << "-";
        QTest::newRow("children inside") << QByteArray("<STNR>5</STNR><R_TEXT>Motor <b>1</b> hot</R_TEXT>")
                                         << "   5: Motor 1 hot";
        QTest::newRow("multi-line remark lines kept")
            << QByteArray("<STNR>6</STNR><R_TEXT>\n   one\n\n   two  \n</R_TEXT>") << "   6: one\ntwo";
    }
    void messageColumnAndTextTags()
    {
        QFETCH(QByteArray, message);
        QFETCH(QString, column);
        const QByteArray xml = "<R><A_WAP_DDS><ProcessorName>BUR1</ProcessorName>" + message + "</A_WAP_DDS></R>";
        const MessageList list = parseMessages(xml, QStringLiteral("BUR1"));
        QCOMPARE(list.status, Status::Ok);
        QCOMPARE(list.messages.size(), 1);
        QCOMPARE(list.messages[0][MessageText], column);
    }

    // Children before ProcessorName count for the message; the first
    // ProcessorName decides; a message without one, and other elements at
    // any level, are skipped.
    void layoutOutsideTheUsual()
    {
        const QByteArray xml = R"(<Root>
            <Header><A_WAP_DDS><ProcessorName>BUR2</ProcessorName><STNR>99</STNR></A_WAP_DDS></Header>
            <A_WAP_DDS><STNR>7</STNR><SUB>Aux</SUB><ProcessorName>BUR2</ProcessorName><R_TEXT>Late name</R_TEXT></A_WAP_DDS>
            <A_WAP_DDS><STNR>8</STNR><R_TEXT>No name</R_TEXT></A_WAP_DDS>
            <A_WAP_DDS><ProcessorName>BUR3</ProcessorName><ProcessorName>BUR2</ProcessorName><STNR>9</STNR></A_WAP_DDS>
            <A_WAP_DDS><ProcessorName> BUR2 </ProcessorName><Unknown>x</Unknown><STNR>10</STNR><R_TEXT>A</R_TEXT><R_TEXT>B</R_TEXT></A_WAP_DDS>
        </Root>)";
        const MessageList list = parseMessages(xml, QStringLiteral("BUR2"));
        QCOMPARE(list.status, Status::Ok);
        QCOMPARE(column(list, MessageText), (QStringList{"   7: Late name", "   10: B"}));
        QCOMPARE(column(list, Subsystem), (QStringList{"Aux", "-"}));
        QCOMPARE(column(list, SlNo), (QStringList{"1", "2"}));
    }

    // ------------------------------------------------------------ bad input

    void badInputGivesNothing_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<int>("status");
        const auto malformed = int(Status::Malformed);
        QTest::newRow("empty") << QByteArray() << malformed;
        QTest::newRow("blank") << QByteArray(" \n\t ") << malformed;
        QTest::newRow("not XML") << QByteArray("FLG1;1;Lifesign missing\n") << malformed;
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe<", 5) << malformed;
        QTest::newRow("mismatched tag") << QByteArray("<R><A_WAP_DDS><ProcessorName>FLG1</STNR></A_WAP_DDS></R>")
                                        << malformed;
        QTest::newRow("second root") << (sample::kReference + "<R/>") << malformed;
        QTest::newRow("undefined entity") << QByteArray("<R><A_WAP_DDS><ProcessorName>FLG1&x;</ProcessorName>"
                                                        "</A_WAP_DDS></R>")
                                          << malformed;
        QTest::newRow("entity bomb") << QByteArray("<!DOCTYPE R [<!ENTITY a \"aaaaaaaaaa\">"
                                                   "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                                                   "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                                                   "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
                                                   "<R><A_WAP_DDS><ProcessorName>FLG1</ProcessorName>"
                                                   "<R_TEXT>&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;</R_TEXT>"
                                                   "</A_WAP_DDS></R>")
                                     << malformed;
        QTest::newRow("huge") << QByteArray(int(kMaxFileBytes) + 1, ' ') << int(Status::TooLarge);
    }
    void badInputGivesNothing()
    {
        QFETCH(QByteArray, xml);
        QFETCH(int, status);
        const MessageList list = parseMessages(xml, QStringLiteral("FLG1"));
        QCOMPARE(int(list.status), status);
        QVERIFY(list.messages.isEmpty());
        QVERIFY(!list.problem.isEmpty());
    }

    // Cut anywhere before the end of the root element, the file is not a
    // reference: nothing of it is listed.
    void everyTruncationGivesNothing()
    {
        const QByteArray full = sample::kReference;
        const int rootEnd = full.lastIndexOf("</DDSMessages>");
        QVERIFY(rootEnd > 0);
        for (int cut = 0; cut < rootEnd + 13; ++cut) {
            const MessageList list = parseMessages(full.left(cut), QStringLiteral("FLG1"));
            QVERIFY2(list.status == Status::Malformed && list.messages.isEmpty(), qPrintable(QString::number(cut)));
        }
        QCOMPARE(parseMessages(full, QStringLiteral("FLG1")).messages.size(), 3);
    }

    void files()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const MessageList missing = loadMessages(dir.filePath(QStringLiteral("none.xml")), QStringLiteral("FLG1"));
        QCOMPARE(missing.status, Status::CannotOpen);
        QVERIFY(missing.messages.isEmpty());

        const QString good = dir.filePath(QStringLiteral("good.xml"));
        QFile g(good);
        QVERIFY(g.open(QIODevice::WriteOnly) && g.write(sample::kReference) == sample::kReference.size());
        g.close();
        QCOMPARE(loadMessages(good, QStringLiteral("FLG2")).messages.size(), 2);

        // A valid file with a tail that makes it one byte too long.
        const QString big = dir.filePath(QStringLiteral("big.xml"));
        QFile b(big);
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write(sample::kReference);
        b.write(QByteArray(int(kMaxFileBytes) - sample::kReference.size() + 1, '\n'));
        b.close();
        const MessageList tooLarge = loadMessages(big, QStringLiteral("FLG1"));
        QCOMPARE(tooLarge.status, Status::TooLarge);
        QVERIFY(tooLarge.messages.isEmpty());
    }

    void longListIsCapped()
    {
        QByteArray xml = "<R>";
        for (int i = 1; i <= kMaxMessages + 5; ++i)
            xml +=
                "<A_WAP_DDS><ProcessorName>SLG2</ProcessorName><STNR>" + QByteArray::number(i) + "</STNR></A_WAP_DDS>";
        xml += "</R>";
        const MessageList list = parseMessages(xml, QStringLiteral("SLG2"));
        QCOMPARE(list.status, Status::Ok);
        QVERIFY(list.truncated);
        QCOMPARE(list.messages.size(), kMaxMessages);
        QCOMPARE(list.messages.last()[SlNo], QString::number(kMaxMessages));
        QVERIFY(!parseMessages(sample::kReference, QStringLiteral("FLG1")).truncated);
    }

    // ------------------------------------------------------------ the installed reference

    void installedReference()
    {
        QFile file(qEnvironmentVariable("DDU_SOURCE_DIR") + QStringLiteral("/data/master/zav_DDSMessages_details.xml"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray xml = file.readAll();

        QSet<QString> portSignalNames;
        for (int i = 0; i < portSignalCount(); ++i)
            portSignalNames.insert(QLatin1String(portSignals()[i].name));
        QMap<int, int> processorsWithCount; // messages -> processors
        for (const char* name : kChoice) {
            const QString processor = QLatin1String(name);
            const MessageList list = parseMessages(xml, processor);
            QCOMPARE(list.status, Status::Ok);
            ++processorsWithCount[qMin(list.messages.size(), 3)];
            QSet<QString> numbers;
            for (const Message& m : list.messages) {
                const QString where = processor + QLatin1Char(' ') + m.number;
                QVERIFY2(!numbers.contains(m.number), qPrintable(where + ": number given twice"));
                numbers.insert(m.number);
                for (int c : {Subsystem, MessageText, Causes, Remarks, Zi})
                    QVERIFY2(m[c] != kMissing, qPrintable(where + ": column missing"));
                QVERIFY2(m[Signal] == kMissing || portSignalNames.contains(m[Signal]),
                         qPrintable(where + ": not a signal of the port map: " + m[Signal]));
                const QString text = m[MessageText].section(QStringLiteral(": "), 1);
                QVERIFY2(text.size() <= 39, qPrintable(where + ": text longer than 39"));
                const int index = [&] {
                    for (int p = 0; p < dds::ProcessorCount; ++p)
                        if (dds::processorName(p) == processor)
                            return p;
                    return -1;
                }();
                if (index >= 0)
                    QVERIFY2(text == decoded(dds_fun.Get_dds(index, m.number.toInt())),
                             qPrintable(where + ": not the text of the DDS list"));
            }
        }
        // Every path of the screens: none ("No DDS Found"), exactly one, several.
        QVERIFY(processorsWithCount.value(0) >= 1);
        QVERIFY(processorsWithCount.value(1) >= 1);
        QVERIFY(processorsWithCount.value(3) >= 10);
        // And one message whose symptoms view shows "-".
        QVERIFY(xml.count("<A_WAP_DDS>") > xml.count("<SYMPTOME>"));
    }
};

QTEST_GUILESS_MAIN(TestDiagnosisReference)
#include "tst_diagnosis_reference.moc"
