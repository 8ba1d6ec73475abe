// Tests of the fault and information catalogue: the shape of the table (kinds,
// codes, labels, page layout) read from the table itself, a sample of the fixed
// texts word for word, and the lookup into the current-message record.

#include "diagnostics/fault.h"

#include <QCoreApplication>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTranslator>
#include <QtTest>

namespace {

QString text(const char *s)
{
    return QString::fromUtf8(s ? s : "");
}

enum class Kind { Information, Isolation, Priority1, Priority2 };

Kind kindOf(unsigned int n)
{
    if (n < 100)
        return Kind::Information;
    if (n < 10000)
        return Kind::Isolation;
    return n < 20000 ? Kind::Priority1 : Kind::Priority2;
}

bool isFault(unsigned int n)
{
    return n > 10000;
}

int pageCount(const FaultEntry &e)
{
    int count = 0;
    for (const char *p : e.page)
        count += text(p).isEmpty() ? 0 : 1;
    return count;
}

// "10101-10103,10106" -> {10101, 10102, 10103, 10106}
QList<unsigned int> numbers(const QString &list)
{
    QList<unsigned int> out;
    for (const QString &part : list.split(',', Qt::SkipEmptyParts)) {
        const QStringList range = part.trimmed().split('-');
        const unsigned int from = range.first().toUInt();
        const unsigned int to = range.last().toUInt();
        for (unsigned int n = from; n <= to; ++n)
            out << n;
    }
    return out;
}

const FaultEntry &entry(unsigned int number)
{
    const FaultEntry *e = findFaultEntry(number);
    if (!e)
        qFatal("no catalogue entry %u", number);
    return *e;
}

QStringList record()
{
    return {DDU_Fault_FaultCode, DDU_Fault_Subsystem, DDU_Fault_Line1, DDU_Fault_Line2,
            DDU_Fault_Line3,     DDU_Fault_Line4,     DDU_Fault_Page1, DDU_Fault_Page2,
            DDU_Fault_Page3,     DDU_Fault_Page4};
}

void fillRecord(const QString &value)
{
    for (QString *s : {&DDU_Fault_FaultCode, &DDU_Fault_Subsystem, &DDU_Fault_Line1,
                       &DDU_Fault_Line2, &DDU_Fault_Line3, &DDU_Fault_Line4, &DDU_Fault_Page1,
                       &DDU_Fault_Page2, &DDU_Fault_Page3, &DDU_Fault_Page4})
        *s = value;
}

QStringList expectedRecord(const FaultEntry &e, const QString &prefix = QString())
{
    auto tr = [&](const char *s) { return text(s).isEmpty() ? QString() : prefix + text(s); };
    return {text(e.faultCode), tr(e.subsystem), tr(e.line[0]), tr(e.line[1]),
            tr(e.line[2]),     tr(e.line[3]),   tr(e.page[0]), tr(e.page[1]),
            tr(e.page[2]),     tr(e.page[3])};
}

// Answers every lookup of one context with a marked copy of the key.
class MarkingTranslator : public QTranslator
{
public:
    MarkingTranslator(const char *context, const QString &mark) : m_context(context), m_mark(mark) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        if (m_context == context)
            return m_mark + QString::fromUtf8(sourceText);
        return QString();
    }

private:
    QByteArray m_context;
    QString m_mark;
};

// The nineteen display labels (line 1) by subsystem number.
const char *const kLine1Labels[] = {
    nullptr,
    "SS01:Main power",      "SS02:Traction bogie",  "SS03:Traction bogie",
    "SS04:Harmonic filter", "SS05:Hotel load",      "SS06:Aux. converter",
    "SS07:Aux. converter",  "SS08:Aux. converter",  "SS09:Battery system",
    "SS10:Brake system",    "SS11:Auxiliaries HB1", "SS12:Auxiliaries HB2",
    "SS13:Cab 1",           "SS14:Cab 2",           "SS15:Fire detection",
    "SS16:Speedometer",     "SS17:Processor FLG1",  "SS18:Processor FLG2",
    "SS19:Trainbus",
};

} // namespace

class TestFault : public QObject
{
    Q_OBJECT

private slots:
    void init() { fillRecord(QString()); }

    // ---- the table ----
    void numbersAndKinds();
    void pageDistribution();
    void faultCodesFollowNumbers();
    void line4EndsWithFaultCode();
    void line1Labels();
    void logLabels_data();
    void logLabels();
    void informationRows_data();
    void informationRows();
    void isolationRows_data();
    void isolationRows();
    void headlines_data();
    void headlines();
    void tellingRows();
    void notUsedEntries();
    void lineLengths();
    void pageLayout();

    // ---- the lookup ----
    void lookupOverwritesEveryField();
    void lookupExample20102();
    void choiceDoesNotChangeTexts();
    void unknownNumbers_data();
    void unknownNumbers();
    void translationContextIsQObject();
};

void TestFault::numbersAndKinds()
{
    const FaultEntry *t = faultCatalogue();
    const int n = faultCatalogueSize();
    QCOMPARE(n, 164);

    QMap<Kind, int> kinds;
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            QVERIFY2(t[i - 1].number < t[i].number, qPrintable(QString::number(t[i].number)));
        const unsigned int num = t[i].number;
        ++kinds[kindOf(num)];
        switch (kindOf(num)) {
        case Kind::Information:
            QVERIFY2((num >= 90 && num <= 96) || num == 99, qPrintable(QString::number(num)));
            break;
        case Kind::Isolation:
            QVERIFY2(num % 100 == 0 && num / 100 >= 1 && num / 100 <= 19,
                     qPrintable(QString::number(num)));
            break;
        default: {
            const unsigned int ss = (num % 10000) / 100;
            const unsigned int nn = num % 100;
            QVERIFY2(ss >= 1 && ss <= 19 && nn >= 1, qPrintable(QString::number(num)));
            QVERIFY(num < 30000);
        }
        }
        QCOMPARE(findFaultEntry(num), &t[i]);
    }
    QCOMPARE(kinds.value(Kind::Information), 8);
    QCOMPARE(kinds.value(Kind::Isolation), 13);
    QCOMPARE(kinds.value(Kind::Priority1), 79);
    QCOMPARE(kinds.value(Kind::Priority2), 64);
}

void TestFault::pageDistribution()
{
    QMap<int, int> byCount;
    QList<unsigned int> none, several;
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        const int pages = pageCount(e);
        ++byCount[pages];
        if (pages == 0)
            none << e.number;
        if (pages > 1)
            several << e.number;
        // Used pages come first: no empty page before a used one.
        for (int p = 0; p < pages; ++p)
            QVERIFY2(!text(e.page[p]).isEmpty(), qPrintable(QString::number(e.number)));
    }
    QCOMPARE(byCount.value(0), 25);
    QCOMPARE(byCount.value(1), 118);
    QCOMPARE(byCount.value(2), 19);
    QCOMPARE(byCount.value(3), 1);
    QCOMPARE(byCount.value(4), 1);
    QCOMPARE(pageCount(entry(10103)), 3);
    QCOMPARE(pageCount(entry(10105)), 4);

    QCOMPARE(none, numbers("90-96,99,500,10203,10204,10208,10303,10304,10307,10308,10503,10504,"
                           "10604,10704,20107,20408,20501,20502,20508"));
    for (unsigned int n : numbers("100,10101,10102,10104,10106,10107,10108,10110,10205,10206,"
                                  "10305,10306,11002,11003,20101,20102,21101,21201"))
        QVERIFY2(pageCount(entry(n)) == 2, qPrintable(QString::number(n)));
}

void TestFault::faultCodesFollowNumbers()
{
    QMap<unsigned int, QString> exceptions;
    for (unsigned int i = 0; i < 5; ++i) {
        exceptions[20403 + i] = QString("F%1P2").arg(211 + i, 4, 10, QChar('0'));
        exceptions[20503 + i] = QString("F%1P2").arg(311 + i, 4, 10, QChar('0'));
    }
    exceptions[10303] = "F0304P1";
    QCOMPARE(exceptions.value(20407), QString("F0215P2"));

    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        const QString code = text(e.faultCode);
        if (!isFault(e.number)) {
            QVERIFY2(code.isEmpty(), qPrintable(QString::number(e.number)));
            continue;
        }
        const QString regular = QString("F%1P%2")
                                    .arg(e.number % 10000, 4, 10, QChar('0'))
                                    .arg(e.number / 10000);
        QCOMPARE(code, exceptions.value(e.number, regular));
    }
    QCOMPARE(text(entry(10205).faultCode), QString("F0205P1"));
    QCOMPARE(text(entry(10304).faultCode), QString("F0304P1"));
}

void TestFault::line4EndsWithFaultCode()
{
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        if (!isFault(e.number))
            continue;
        const QString line4 = text(e.line[3]);
        if (e.number == 21105) {
            QCOMPARE(line4, QString("No vigilance control"));
            continue;
        }
        const QString code = text(e.faultCode);
        QVERIFY2(line4 == code || line4.endsWith(' ' + code),
                 qPrintable(QString("%1: %2").arg(e.number).arg(line4)));
    }
}

void TestFault::line1Labels()
{
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        if (kindOf(e.number) == Kind::Information)
            continue;
        unsigned int ss = (e.number % 10000) / 100;
        if ((e.number >= 20403 && e.number <= 20408) || (e.number >= 20503 && e.number <= 20508))
            ss -= 2; // motor and converter isolations of the traction bogies
        QCOMPARE(text(e.line[0]), QString(kLine1Labels[ss]));
    }
    QCOMPARE(text(entry(20403).line[0]), QString("SS02:Traction bogie"));
    QCOMPARE(text(entry(20508).line[0]), QString("SS03:Traction bogie"));
}

void TestFault::logLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("list");
    auto row = [](const char *label, const char *list) { QTest::newRow(label) << label << list; };
    row("SS01:Main Power", "10101-10103,10106-10110,20101-20106");
    row("SS01:Main power", "100,10104,10105,20107");
    row("SS02:Traction Bogie 1", "10201-10203,10205-10207,20201,20203,20204,20206,20207");
    row("SS02:Traction bogie 1", "200,10204,10208,20202,20205,20208,20403-20408");
    row("SS03:Traction Bogie 2", "10301,10302,10304-10307,20301-20307");
    row("SS03:Traction bogie 2", "300,10303,10308,20308,20503-20508");
    row("SS04:Harmonic Filter", "10401,10402,10404,20401,20402");
    row("SS04:Harmonic filter", "400");
    row("SS05:Hotel load", "500,10503,10504,20501,20502");
    row("SS06:Aux. converter 1", "600,10604");
    row("SS06:Aux.converter 1", "10601-10603");
    row("SS07:Aux. converter 2", "700,10704");
    row("SS07:Aux.converter 2", "10701-10703");
    row("SS08:Aux. converter 3", "800");
    row("SS08:Aux.converter 3", "10801-10803");
    row("SS09:Battery System", "10901,10903,20901-20905");
    row("SS09:Battery system", "10902");
    row("SS10:Brake System", "11001-11010,21001,21002");
    row("SS11:Auxiliaries HB1", "21101-21106");
    row("SS12:Auxiliaries HB2", "21201-21203");
    row("SS13:Cab 1", "1300,11301-11305,21301,21302");
    row("SS14:Cab 2", "1400,11401-11405,21401,21402");
    row("SS15:Fire Detection", "11501,21501,21502");
    row("SS16 : Speedometer", "11601,21601");
    row("SS17 : Processor FLG1", "11701-11704,21701");
    row("SS17:Processor FLG1", "1700,11705,11706");
    row("SS18 : Processor FLG1", "11804,21801");
    row("SS18 : Processor FLG2", "11801-11803");
    row("SS18:Processor FLG2", "1800,11805");
    row("SS19 : Train Bus", "11901");
    row("SS19:Trainbus", "1900");
}

void TestFault::logLabels()
{
    QFETCH(QString, label);
    QFETCH(QString, list);
    const QList<unsigned int> expected = numbers(list);
    QList<unsigned int> actual;
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        if (text(e.subsystem) == label)
            actual << e.number;
        if (kindOf(e.number) == Kind::Information)
            QVERIFY(text(e.subsystem).isEmpty());
    }
    QCOMPARE(actual, expected);
}

void TestFault::informationRows_data()
{
    QTest::addColumn<uint>("number");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("90") << 90u << QStringList{"Information 001", "SELF HOLD MODE ACTIVE", "After 10 min MCE will switch off", ""};
    QTest::newRow("91") << 91u << QStringList{"Information 002", "MORE THAN ONE CAB ACTIVE", "Deactivate non driving cab", "Otherwise after 10 min MCE switches off"};
    QTest::newRow("92") << 92u << QStringList{"Information 003", "TRACTION MAY NOT BE AVAILABLE ON", "THIS LOCO OR ON THE SLAVE LOCO", "Bring throttle to 0 pos. then set again"};
    QTest::newRow("93") << 93u << QStringList{"Information 004", "TRAIN CONFIGURATION RUNNING", "Please wait", ""};
    QTest::newRow("94") << 94u << QStringList{"Information 005", "", "FULL TE/BE RESTORED", ""};
    QTest::newRow("95") << 95u << QStringList{"Information 006", "PANTO RAISING", "Please wait", ""};
    QTest::newRow("96") << 96u << QStringList{"Energy saving mode activated", " ", " ", ""};
    QTest::newRow("99") << 99u << QStringList{"Simulation mode       Status: ", "", "", ""};
}

void TestFault::informationRows()
{
    QFETCH(uint, number);
    QFETCH(QStringList, lines);
    const FaultEntry &e = entry(number);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(text(e.line[i]), lines[i]);
    QVERIFY(text(e.faultCode).isEmpty());
    QVERIFY(text(e.subsystem).isEmpty());
    QCOMPARE(pageCount(e), 0);
}

void TestFault::isolationRows_data()
{
    QTest::addColumn<uint>("number");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("pages");
    const QString ventilation = "Max. ventilation level will be reduced";
    QTest::newRow("100") << 100u << QStringList{"SS01:Main power", "MAIN POWER ISOLATED; VCB inhibited", "Loco is dead", ""} << 2;
    QTest::newRow("200") << 200u << QStringList{"SS02:Traction bogie", "BOGIE 1 ISOLATED", "Only half power available", ""} << 1;
    QTest::newRow("300") << 300u << QStringList{"SS03:Traction bogie", "BOGIE 2 ISOLATED", "Only half power available", ""} << 1;
    QTest::newRow("400") << 400u << QStringList{"SS04:Harmonic filter", "HARMONIC FILTER ISOLATED", "Max permitted speed is 40 km/h", "Speak to TLC"} << 1;
    QTest::newRow("500") << 500u << QStringList{"SS05:Hotel load", "Not used", "", ""} << 0;
    QTest::newRow("600") << 600u << QStringList{"SS06:Aux. converter", "AUXILIARY CONVERTER 1 ISOLATED", ventilation, "Driving still possible"} << 1;
    QTest::newRow("700") << 700u << QStringList{"SS07:Aux. converter", "AUXILIARY CONVERTER 2 ISOLATED", ventilation, "Driving still possible"} << 1;
    QTest::newRow("800") << 800u << QStringList{"SS08:Aux. converter", "AUXILIARY CONVERTER 3 ISOLATED", ventilation, "Driving still possible"} << 1;
    QTest::newRow("1300") << 1300u << QStringList{"SS13:Cab 1", "CAB 1 ISOLATED", "Drive from Cab 2", ""} << 1;
    QTest::newRow("1400") << 1400u << QStringList{"SS14:Cab 2", "CAB 2 ISOLATED", "Drive from Cab 1", ""} << 1;
    QTest::newRow("1700") << 1700u << QStringList{"SS17:Processor FLG1", "FLG1 ISOLATED", "Refer to Driver Manual", ""} << 1;
    QTest::newRow("1800") << 1800u << QStringList{"SS18:Processor FLG2", "FLG2 ISOLATED", "Refer to Driver Manual", ""} << 1;
    QTest::newRow("1900") << 1900u << QStringList{"SS19:Trainbus", "TRAINBUS ISOLATED", "Multiple operation not possible", ""} << 1;
}

void TestFault::isolationRows()
{
    QFETCH(uint, number);
    QFETCH(QStringList, lines);
    QFETCH(int, pages);
    const FaultEntry &e = entry(number);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(text(e.line[i]), lines[i]);
    QVERIFY(text(e.faultCode).isEmpty());
    QCOMPARE(pageCount(e), pages);
}

void TestFault::headlines_data()
{
    QTest::addColumn<uint>("number");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("headline");
    auto row = [](uint n, const char *code, const char *headline) {
        QTest::newRow(qPrintable(QString::number(n))) << n << QString(code) << QString(headline);
    };
    row(10101, "F0101P1", "VCB STUCK IN ON POSITION");
    row(10103, "F0103P1", "LOW PRESSURE PANTO/FAULTY PANTO");
    row(10105, "F0105P1", "TRANSFORMER OIL TEMP. OR PRESSURE NOT OK");
    row(10110, "F0110P1", "FATAL ERROR IN MAIN CIRCUIT");
    row(20103, "F0103P2", "EARTH FAULT AUX.WINDING CIRCUIT");
    row(20106, "F0106P2", "Flasher Light Activated");
    row(20107, "F0107P2", "DEMANDED SPEED CAN NOT BE ACHIEVED");
    row(10205, "F0205P1", "CONVERTER 1 COOLANT TEMPERATURE TOO HIGH");
    row(10203, "F0203P1", "not used");
    row(20206, "F0206P2", "SCR-BOGIE1 ISOLATED");
    row(20208, "F0208P2", "CT FAILURE IN MC BOGIE1");
    row(10303, "F0304P1", "not used");
    row(10306, "F0306P1", "CONVERTER 2 COOLANT PRESSURE NOT OK");
    row(20307, "F0307P2", "WHEEL SKIDDING AT BOGIE 2");
    row(10402, "F0402P1", "HARM. FILTER CONTACTOR(S) STUCK OFF/ON");
    row(20401, "F0401P2", "FILTER CONTACTOR 8.1 STUCK ON");
    row(20403, "F0211P2", "MOTOR1-BOGIE1 ISOLATED");
    row(20407, "F0215P2", "LINE CONVERTER-2 BOGIE1 ISOLATED");
    row(20408, "F0408P2", "DIST. IN CONTROL ELECTRONICS BOGIE1");
    row(10503, "F0503P1", "EARTH FAULT IN HOTEL LOAD CIRCUIT");
    row(20502, "F0502P2", "HOTEL LOAD CONTACTOR STUCK ON");
    row(20506, "F0314P2", "LINE CONVERTER1-BOGIE2 ISOLATED");
    row(20508, "F0508P2", "DIST. IN CONTROL ELECTRONICS BOGIE2");
    row(10603, "F0603P1", "CONTACTOR FAULT IN AUX1 or HB1");
    row(10703, "F0703P1", "CONTACTOR FAULT IN AUX.CONV. BOX2 or HB2");
    row(10704, "F0704P1", "Not used");
    row(10803, "F0803P1", "CONTACTOR FAULT IN AUX.CONVERTER BOX 3");
    row(10903, "F0903P1", "PAN LOWERED LONGER THAN 10 MINUTES");
    row(20901, "F0901P2", "WARNING: LOW BATTERY VOLTAGE");
    row(11006, "F1006P1", "TRACTION WITH PARKING BRAKES NOT ALLOWED");
    row(11008, "F1008P1", "EMERGENCY STOP; SHUTDOWN ON THE LOCO");
    row(11010, "F1010P1", "EMG EXHAUST COCK CLOSED, NO TRACTION");
    row(21002, "F1002P2", "ALARM CHAIN PULLING");
    row(21102, "F1102P2", "EARTH FAULT 415/110V CIRCUIT");
    row(21105, "F1105P2", "VIGILANCE CONTROL MANUALLY SWITCHED OFF");
    row(21203, "F1203P2", "OVERLOAD ON OIL COOLER BLOWER 2");
    row(11301, "F1301P1", "DISTURBANCE IN PROC. HBB!");
    row(21302, "F1302P2", "HBB! RIOM EXTENSION FAULT");
    row(11403, "F1403P1", "REVERSER DEFECTIVE");
    row(11501, "F1501P1", "FIRE IN MACHINE ROOM");
    row(21601, "F1601P2", "FAULT IN SPEEDOMETER");
    row(11704, "F1704P1", "SIMULATION SWITCH POSITION NOT MATCHING");
    row(11705, "F1705P1", "Mal operation of Master control");
    row(11706, "F1706P1", "SOFTWARE MISMATCH VCU-1/VCU-2");
    row(21701, "F1701P2", "not used");
    row(11803, "F1803P1", "FAULT IN ANGLE TRANSMITTER OF THROTTLE");
    row(21801, "F1801P2", "not used");
    row(11901, "F1901P1", "COMMUNICATION DISTURBANCE");
}

void TestFault::headlines()
{
    QFETCH(uint, number);
    QFETCH(QString, code);
    QFETCH(QString, headline);
    const FaultEntry &e = entry(number);
    QCOMPARE(text(e.faultCode), code);
    QCOMPARE(text(e.line[1]), headline);
}

void TestFault::tellingRows()
{
    const FaultEntry &e11401 = entry(11401);
    QCOMPARE(text(e11401.faultCode), QString("F1401P1"));
    QCOMPARE(text(e11401.subsystem), QString("SS14:Cab 2"));
    QCOMPARE(text(e11401.line[0]), QString("SS14:Cab 2"));
    QCOMPARE(text(e11401.line[1]), QString("DISTURBANCE IN PROC. HBB2"));
    QCOMPARE(text(e11401.line[2]), QString("Driving from Cab 2 still possible;"));
    QCOMPARE(text(e11401.line[3]), QString("Press BPFA. F1401P1"));
    QCOMPARE(pageCount(e11401), 1);
    QVERIFY(text(e11401.page[0]).startsWith("1. "));
    QVERIFY(text(e11401.page[0]).contains("\n2. "));
    QVERIFY(!text(e11401.page[0]).contains("\n3. "));

    const FaultEntry &e10206 = entry(10206);
    QCOMPARE(text(e10206.subsystem), QString("SS02:Traction Bogie 1"));
    QCOMPARE(text(e10206.line[0]), QString("SS02:Traction bogie"));
    QCOMPARE(text(e10206.line[1]), QString("CONVERTER 1 COOLANT PRESSURE NOT OK"));
    QCOMPARE(text(e10206.line[2]), QString("Check coolant level"));
    QCOMPARE(text(e10206.line[3]), QString("Try to close the VCB again F0206P1"));
    QVERIFY(text(e10206.page[0]).startsWith("1. "));
    QVERIFY(text(e10206.page[0]).contains("\n6. "));
    QVERIFY(!text(e10206.page[0]).contains("\n7. "));
    QVERIFY(text(e10206.page[1]).startsWith("7. "));
    QVERIFY(text(e10206.page[1]).contains("\n8. "));

    const QString electronics = "Procedure for switching OFF/ON of Electronics.\n";
    QVERIFY(text(entry(10105).page[3]).startsWith(electronics));
    QVERIFY(text(entry(10110).page[0]).startsWith("1. "));
    QVERIFY(text(entry(10110).page[1]).startsWith(electronics));

    const FaultEntry &e21106 = entry(21106);
    QCOMPARE(text(e21106.faultCode), QString("F1106P2"));
    QCOMPARE(text(e21106.subsystem), QString("SS11:Auxiliaries HB1"));
    QCOMPARE(text(e21106.line[0]), QString("SS11:Auxiliaries HB1"));
    QCOMPARE(text(e21106.line[1]), QString("Loco in shunting mode"));
    QCOMPARE(text(e21106.line[2]), QString("speed can not more then 15KMPH"));
    QCOMPARE(text(e21106.line[3]), QString("F1106P2"));
    QCOMPARE(text(e21106.page[0]), QString("Inform TLC and record in the logbook\n"));
    QCOMPARE(pageCount(e21106), 1);

    const FaultEntry &e20102 = entry(20102);
    QVERIFY(text(e20102.page[0]).startsWith("1. Coast to clear block section.\n2. "));
    QVERIFY(!text(e20102.page[0]).contains("\n3. "));
    QVERIFY(text(e20102.page[1]).startsWith("Procedure for resetting"));
    QVERIFY(text(e20102.page[1]).contains("MCB"));

    QCOMPARE(text(entry(10401).line[3]).right(7), QString("F0401P1"));
}

void TestFault::notUsedEntries()
{
    int count = 0;
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        if (!isFault(e.number) || text(e.line[1]).toLower() != "not used")
            continue;
        ++count;
        QVERIFY2(text(e.line[2]).isEmpty(), qPrintable(QString::number(e.number)));
        QCOMPARE(text(e.line[3]), text(e.faultCode));
    }
    QCOMPARE(count, 12);
}

void TestFault::lineLengths()
{
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        for (const char *line : e.line) {
            QVERIFY2(text(line).size() <= 40, line);
            QVERIFY2(!text(line).contains('\n'), line);
        }
        if (isFault(e.number))
            QVERIFY(!text(e.line[1]).isEmpty());
    }
    QCOMPARE(text(entry(10105).line[1]).size(), 40);
}

// Advice pages: numbered steps "1. ", "2. " ... continuing over the pages of an
// entry, or a titled procedure with steps "1) ", "2) " ...; a step that does not
// fit a line continues on lines indented by three blanks. Lines fit the advice
// box (40 characters, titles slightly wider; about ten lines a page).
void TestFault::pageLayout()
{
    const QRegularExpression numbered("^(\\d+)\\. \\S");
    const QRegularExpression procedure("^(\\d+)\\) \\S");
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        const QString where = QString::number(e.number);
        int nextStep = 1;
        for (int p = 0; p < pageCount(e); ++p) {
            const QString page = text(e.page[p]);
            const QString at = where + " page " + QString::number(p + 1);
            QVERIFY2(page.size() <= 800, qPrintable(at));
            QVERIFY2(page.endsWith('\n'), qPrintable(at));
            const QStringList lines = page.chopped(1).split('\n');
            QVERIFY2(lines.size() <= 10, qPrintable(at));
            if (e.number == 21106) // a single plain instruction
                continue;

            const bool titled = !lines.first().at(0).isDigit();
            int step = titled ? 1 : nextStep;
            for (int l = 0; l < lines.size(); ++l) {
                const QString &line = lines[l];
                const QString here = at + ": " + line;
                if (titled && l == 0) {
                    QVERIFY2(line.size() <= 46 && line.endsWith('.'), qPrintable(here));
                    continue;
                }
                QVERIFY2(line.size() <= 40, qPrintable(here));
                QVERIFY2(!line.endsWith(' '), qPrintable(here));
                const auto m = (titled ? procedure : numbered).match(line);
                if (m.hasMatch()) {
                    QVERIFY2(m.captured(1).toInt() == step, qPrintable(here));
                    ++step;
                } else {
                    QVERIFY2(l > 0 && line.startsWith("   ") && line.at(3) != ' ',
                             qPrintable(here));
                }
            }
            QVERIFY2(step > 1, qPrintable(at));
            if (!titled)
                nextStep = step;
        }
    }
}

void TestFault::lookupOverwritesEveryField()
{
    // Every entry after a lookup that filled every field with something else.
    for (int i = 0; i < faultCatalogueSize(); ++i) {
        const FaultEntry &e = faultCatalogue()[i];
        fillRecord("left over");
        fault_fun.Get_Fault(e.number, 1);
        QCOMPARE(record(), expectedRecord(e));
    }

    // From the longest record to an information message with nothing but lines.
    fault_fun.Get_Fault(10105, 1);
    QVERIFY(!DDU_Fault_Page4.isEmpty());
    fault_fun.Get_Fault(99, 1);
    QCOMPARE(record(), (QStringList{"", "", "Simulation mode       Status: ", "", "", "", "", "",
                                    "", ""}));
}

void TestFault::lookupExample20102()
{
    fault_fun.Get_Fault(20102, 1);
    QCOMPARE(DDU_Fault_FaultCode, QString("F0102P2"));
    QCOMPARE(DDU_Fault_Subsystem, QString("SS01:Main Power"));
    QCOMPARE(DDU_Fault_Line1, QString("SS01:Main power"));
    QCOMPARE(DDU_Fault_Line2, QString("TRANSFORMER OIL PRESSURE NOT OK"));
    QCOMPARE(DDU_Fault_Line3, QString("Any oil pump circuit not working"));
    QCOMPARE(DDU_Fault_Line4, QString("TE/BE will be reduced F0102P2"));
    QVERIFY(DDU_Fault_Page1.startsWith("1. Coast to clear block section.\n"));
    QVERIFY(!DDU_Fault_Page2.isEmpty());
    QVERIFY(DDU_Fault_Page3.isEmpty());
    QVERIFY(DDU_Fault_Page4.isEmpty());
}

void TestFault::choiceDoesNotChangeTexts()
{
    for (unsigned int n : {91u, 400u, 10105u, 21105u, 97u}) {
        fault_fun.Get_Fault(n, 1);
        const QStringList own = record();
        fault_fun.Get_Fault(n, 2);
        QCOMPARE(record(), own);
        fault_fun.Get_Fault(n, 0);
        QCOMPARE(record(), own);
    }
}

void TestFault::unknownNumbers_data()
{
    QTest::addColumn<uint>("number");
    QTest::addColumn<uint>("previous");
    for (uint n : {97u, 98u, 89u, 101u, 21802u, 0u, 10000u, 4294967295u}) {
        QTest::newRow(qPrintable(QString("%1 after 20102").arg(n))) << n << 20102u;
        QTest::newRow(qPrintable(QString("%1 after 1300").arg(n))) << n << 1300u;
        QTest::newRow(qPrintable(QString("%1 after 91").arg(n))) << n << 91u;
    }
}

void TestFault::unknownNumbers()
{
    QFETCH(uint, number);
    QFETCH(uint, previous);
    QVERIFY(findFaultEntry(number) == nullptr);

    fault_fun.Get_Fault(previous, 1);
    const FaultEntry &before = entry(previous);
    fault_fun.Get_Fault(number, 1);
    QCOMPARE(record(), (QStringList{text(before.faultCode), text(before.subsystem),
                                    "Unknown Fault", "Screen Code:\n" + QString::number(number),
                                    "", "", "", "", "", ""}));
}

void TestFault::translationContextIsQObject()
{
    // A translation for another context changes nothing.
    {
        MarkingTranslator other("MainWindow", "<hi>");
        QVERIFY(QCoreApplication::installTranslator(&other));
        fault_fun.Get_Fault(10105, 1);
        QCOMPARE(record(), expectedRecord(entry(10105)));
        QCoreApplication::removeTranslator(&other);
    }

    MarkingTranslator hindi("QObject", "<hi>");
    QVERIFY(QCoreApplication::installTranslator(&hindi));
    for (unsigned int n : {20102u, 10105u, 91u, 1900u, 21106u}) {
        fault_fun.Get_Fault(n, 1);
        QCOMPARE(record(), expectedRecord(entry(n), "<hi>"));
    }
    QCOMPARE(DDU_Fault_FaultCode, QString("F1106P2"));

    fault_fun.Get_Fault(98, 1);
    QCOMPARE(DDU_Fault_Line1, QString("<hi>Unknown Fault"));
    QCOMPARE(DDU_Fault_Line2, QString("<hi>Screen Code:\n98"));
    QCOMPARE(DDU_Fault_FaultCode, QString("F1106P2"));
    QCOMPARE(DDU_Fault_Subsystem, QString("<hi>SS11:Auxiliaries HB1"));
    QCoreApplication::removeTranslator(&hindi);

    // Language switched back: the same number is looked up anew.
    fault_fun.Get_Fault(20102, 1);
    QCOMPARE(record(), expectedRecord(entry(20102)));
}

QTEST_GUILESS_MAIN(TestFault)
#include "tst_fault.moc"
