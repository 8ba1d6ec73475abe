// Tests of the fault and information catalogue: the shape of the table (kinds,
// codes, labels, page layout) read from the table itself, a few records word
// for word, and the lookup into the current-message record.

#include "diagnostics/fault.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

namespace {

const auto text = [](const char* s) { return QString::fromUtf8(s ? s : ""); };
const auto num = [](unsigned int n) { return QString::number(n); };

enum class Kind { Information, Isolation, Priority1, Priority2 };

Kind kindOf(unsigned int n)
{
    if (n < 100)
        return Kind::Information;
    if (n < 10000)
        return Kind::Isolation;
    return n < 20000 ? Kind::Priority1 : Kind::Priority2;
}

int pageCount(const FaultEntry& e)
{
    int count = 0;
    for (const char* p : e.page)
        count += text(p).isEmpty() ? 0 : 1;
    return count;
}

const FaultEntry& entry(unsigned int number)
{
    const FaultEntry* e = findFaultEntry(number);
    if (!e)
        qFatal("no catalogue entry %u", number);
    return *e;
}

QList<const FaultEntry*> all()
{
    QList<const FaultEntry*> out;
    for (int i = 0; i < faultCatalogueSize(); ++i)
        out << &faultCatalogue()[i];
    return out;
}

QString* const kRecord[] = {&DDU_Fault_FaultCode, &DDU_Fault_Subsystem, &DDU_Fault_Line1, &DDU_Fault_Line2,
                            &DDU_Fault_Line3,     &DDU_Fault_Line4,     &DDU_Fault_Page1, &DDU_Fault_Page2,
                            &DDU_Fault_Page3,     &DDU_Fault_Page4};

QStringList record()
{
    QStringList out;
    for (QString* s : kRecord)
        out << *s;
    return out;
}

void fillRecord(const QString& value)
{
    for (QString* s : kRecord)
        *s = value;
}

QStringList expectedRecord(const FaultEntry& e, const QString& prefix = QString())
{
    auto tr = [&](const char* s) { return text(s).isEmpty() ? QString() : prefix + text(s); };
    return {text(e.faultCode), tr(e.subsystem), tr(e.line[0]), tr(e.line[1]), tr(e.line[2]),
            tr(e.line[3]),     tr(e.page[0]),   tr(e.page[1]), tr(e.page[2]), tr(e.page[3])};
}

// Number, fault code and headline (line 2) of every fault entry, in the
// words of the vehicle's documentation, grouped by subsystem.
struct Headline {
    unsigned int number;
    const char* code;
    const char* headline;
};

// clang-format off
const Headline kHeadlines[] = {
    {10101, "F0101P1", "VCB STUCK IN ON POSITION"}, {10102, "F0102P1", "VCB STUCK IN OFF POSITION"},
    {10103, "F0103P1", "LOW PRESSURE PANTO/FAULTY PANTO"}, {10104, "F0104P1", "CATENARY VOLTAGE OUT OF LIMITS"},
    {10105, "F0105P1", "TRANSFORMER OIL TEMP. OR PRESSURE NOT OK"},
    {10106, "F0106P1", "FILTER ON/OFF CONTACTOR STUCK ON"}, {10107, "F0107P1", "PRECHARGE OR MAIN CONTACTOR STUCK ON"},
    {10108, "F0108P1", "PRIMARY OVERCURRENT"}, {10109, "F0109P1", "AUXILIARY WINDING OVERCURRENT"},
    {10110, "F0110P1", "FATAL ERROR IN MAIN CIRCUIT"}, {20101, "F0101P2", "OVERTEMPERATURE CONTROL ELECTRONICS"},
    {20102, "F0102P2", "TRANSFORMER OIL PRESSURE NOT OK"}, {20103, "F0103P2", "EARTH FAULT AUX.WINDING CIRCUIT"},
    {20104, "F0104P2", "LOW FREQUENCY CATENARY VOLTAGE"}, {20105, "F0105P2", "HIGH FREQUENCY CATENARY VOLTAGE"},
    {20106, "F0106P2", "Flasher Light Activated"}, {20107, "F0107P2", "DEMANDED SPEED CAN NOT BE ACHIEVED"},
    {10201, "F0201P1", "DISTURBANCE IN CONVERTER 1"}, {10202, "F0202P1", "CONVERTER CONTACTOR STUCK OFF"},
    {10203, "F0203P1", "not used"}, {10204, "F0204P1", "not used"},
    {10205, "F0205P1", "CONVERTER 1 COOLANT TEMPERATURE TOO HIGH"},
    {10206, "F0206P1", "CONVERTER 1 COOLANT PRESSURE NOT OK"},
    {10207, "F0207P1", "TRACTION MOTOR TEMPERATURE TOO HIGH"}, {10208, "F0208P1", "not used"},
    {20201, "F0201P2", "EARTH FAULT IN CONVERTER 1"}, {20202, "F0202P2", "TRACTION MOTOR OVERSPEED"},
    {20203, "F0203P2", "SCR RESISTANCE TOO HOT IN CONVERTER 1"}, {20204, "F0204P2", "FAULTY MOTOR TEMPERATURE SENSORS"},
    {20205, "F0205P2", "EQUIPMENT TEMPERATURE HIGH"}, {20206, "F0206P2", "SCR-BOGIE1 ISOLATED"},
    {20207, "F0207P2", "WHEEL SKIDDING AT BOGIE 1"}, {20208, "F0208P2", "CT FAILURE IN MC BOGIE1"},
    {10301, "F0301P1", "DISTURBANCE IN CONVERTER 2"}, {10302, "F0302P1", "CONVERTER CONTACTOR STUCK OFF"},
    {10303, "F0304P1", "not used"}, {10304, "F0304P1", "not used"},
    {10305, "F0305P1", "CONVERTER 2 COOLANT TEMPERATURE TOO HIGH"},
    {10306, "F0306P1", "CONVERTER 2 COOLANT PRESSURE NOT OK"}, {10307, "F0307P1", "not used"},
    {10308, "F0308P1", "not used"}, {20301, "F0301P2", "EARTH FAULT IN CONVERTER 2"},
    {20302, "F0302P2", "TRACTION MOTOR OVERSPEED"}, {20303, "F0303P2", "SCR RESISTANCE TOO HOT IN CONVERTER 2"},
    {20304, "F0304P2", "FAULTY MOTOR TEMPERATURE SENSORS"}, {20305, "F0305P2", "EQUIPMENT TEMPERATURE HIGH"},
    {20306, "F0306P2", "SCR-BOGIE2 ISOLATED"}, {20307, "F0307P2", "WHEEL SKIDDING AT BOGIE 2"},
    {20308, "F0308P2", "CT FAILURE IN MC BOGIE2"},
    {10401, "F0401P1", "HARMONIC FILTER CURRENT TOO HIGH"},
    {10402, "F0402P1", "HARM. FILTER CONTACTOR(S) STUCK OFF/ON"},
    {10404, "F0404P1", "FILTER DISCHARGE RESISTOR TOO HOT"}, {20401, "F0401P2", "FILTER CONTACTOR 8.1 STUCK ON"},
    {20402, "F0402P2", "EARTH FAULT HARMONIC FILTER CIRCUIT"}, {20403, "F0211P2", "MOTOR1-BOGIE1 ISOLATED"},
    {20404, "F0212P2", "MOTOR2-BOGIE1 ISOLATED"}, {20405, "F0213P2", "MOTOR3-BOGIE1 ISOLATED"},
    {20406, "F0214P2", "LINE CONVERTER1-BOGIE1 ISOLATED"}, {20407, "F0215P2", "LINE CONVERTER-2 BOGIE1 ISOLATED"},
    {20408, "F0408P2", "DIST. IN CONTROL ELECTRONICS BOGIE1"},
    {10503, "F0503P1", "EARTH FAULT IN HOTEL LOAD CIRCUIT"}, {10504, "F0504P1", "OVERCURRENT IN HOTEL LOAD CIRCUIT"},
    {20501, "F0501P2", "HOTEL LOAD CONTACTOR STUCK OFF"}, {20502, "F0502P2", "HOTEL LOAD CONTACTOR STUCK ON"},
    {20503, "F0311P2", "MOTOR1-BOGIE2 ISOLATED"}, {20504, "F0312P2", "MOTOR2-BOGIE2 ISOLATED"},
    {20505, "F0313P2", "MOTOR3-BOGIE2 ISOLATED"}, {20506, "F0314P2", "LINE CONVERTER1-BOGIE2 ISOLATED"},
    {20507, "F0315P2", "LINE CONVERTER-2 BOGIE2 ISOLATED"}, {20508, "F0508P2", "DIST. IN CONTROL ELECTRONICS BOGIE2"},
    {10601, "F0601P1", "DISTURBANCE IN PROCESSOR AUX1"}, {10602, "F0602P1", "FAULT IN AUXILIARY CONVERTER 1"},
    {10603, "F0603P1", "CONTACTOR FAULT IN AUX1 or HB1"}, {10604, "F0604P1", "not used"},
    {10701, "F0701P1", "DISTURBANCE IN PROCESSOR AUX2"}, {10702, "F0702P1", "FAULT IN AUXILIARY CONVERTER 2"},
    {10703, "F0703P1", "CONTACTOR FAULT IN AUX.CONV. BOX2 or HB2"}, {10704, "F0704P1", "Not used"},
    {10801, "F0801P1", "DISTURBANCE IN PROCESSOR AUX3"}, {10802, "F0802P1", "FAULT IN AUXILIARY CONVERTER 3"},
    {10803, "F0803P1", "CONTACTOR FAULT IN AUX.CONVERTER BOX 3"},
    {10901, "F0901P1", "BATTERY VOLTAGE TOO LOW"}, {10902, "F0902P1", "LOW BATTERY VOLTAGE"},
    {10903, "F0903P1", "PAN LOWERED LONGER THAN 10 MINUTES"}, {20901, "F0901P2", "WARNING: LOW BATTERY VOLTAGE"},
    {20902, "F0902P2", "BATTERY CHARGER MCB OFF"}, {20903, "F0903P2", "LOW BATTERY CHARGER CURRENT"},
    {20904, "F0904P2", "not used"}, {20905, "F0905P2", "EARTH FAULT BATTERY CIRCUIT"},
    {11001, "F1001P1", "FAULT IN BRAKE ELECTRONICS"}, {11002, "F1002P1", "LOW PRESSURE MAIN RESERVOIR"},
    {11003, "F1003P1", "VIGILANCE EMERGENCY BRAKE APPLICATION"}, {11004, "F1004P1", "WRONG CONFIGURATION BRAKE SYSTEM"},
    {11005, "F1005P1", "TRACTION WITH AUTO BRAKES NOT ALLOWED"},
    {11006, "F1006P1", "TRACTION WITH PARKING BRAKES NOT ALLOWED"}, {11007, "F1007P1", "REGENERATIVE BRAKE FAILURE"},
    {11008, "F1008P1", "EMERGENCY STOP; SHUTDOWN ON THE LOCO"},
    {11009, "F1009P1", "TRACTION NOT ALLOWED WITH APPLIED BRAKES"},
    {11010, "F1010P1", "EMG EXHAUST COCK CLOSED, NO TRACTION"}, {21001, "F1001P2", "LOCO IS IN BANKING MODE"},
    {21002, "F1002P2", "ALARM CHAIN PULLING"},
    {21101, "F1101P2", "MCB(S) TRIPPED IN AUX. CUBICLE 1"}, {21102, "F1102P2", "EARTH FAULT 415/110V CIRCUIT"},
    {21103, "F1103P2", "MCB OF MAIN COMPRESSOR 1 OPEN"}, {21104, "F1104P2", "OVERLOAD ON OIL COOLER BLOWER 1"},
    {21105, "F1105P2", "VIGILANCE CONTROL MANUALLY SWITCHED OFF"}, {21106, "F1106P2", "Loco in shunting mode"},
    {21201, "F1201P2", "MCB(S) TRIPPED IN AUX. CUBICLE 2"}, {21202, "F1202P2", "MCB OF MAIN COMPRESSOR 2 OPEN"},
    {21203, "F1203P2", "OVERLOAD ON OIL COOLER BLOWER 2"},
    {11301, "F1301P1", "DISTURBANCE IN PROC. HBB!"}, {11302, "F1302P1", "DISTURBANCE IN PROC. STB1"},
    {11303, "F1303P1", "REVERSER DEFECTIVE"}, {11304, "F1304P1", "STB1 RIOM EXTENSION FAULT"},
    {11305, "F1305P1", "HBB! RIOM EXTENSION FAULT"}, {21301, "F1301P2", "STB1 RIOM EXTENSION FAULT"},
    {21302, "F1302P2", "HBB! RIOM EXTENSION FAULT"},
    {11401, "F1401P1", "DISTURBANCE IN PROC. HBB2"}, {11402, "F1402P1", "DISTURBANCE IN PROC. STB2"},
    {11403, "F1403P1", "REVERSER DEFECTIVE"}, {11404, "F1404P1", "STB2 RIOM EXTENSION FAULT"},
    {11405, "F1405P1", "HBB2 RIOM EXTENSION FAULT"}, {21401, "F1401P2", "STB2 RIOM EXTENSION FAULT"},
    {21402, "F1402P2", "HBB2 RIOM EXTENSION FAULT"},
    {11501, "F1501P1", "FIRE IN MACHINE ROOM"}, {21501, "F1501P2", "FAULT IN FIRE DETECTION UNIT"},
    {21502, "F1502P2", "WARNING: SMOKE IN MACHINE ROOM"},
    {11601, "F1601P1", "SPEED LIMIT EXCEEDED"}, {21601, "F1601P2", "FAULT IN SPEEDOMETER"},
    {11701, "F1701P1", "DISTURBANCE IN PROCESSOR FLG1"}, {11702, "F1702P1", "SOFTWARE MISMATCH"},
    {11703, "F1703P1", "FAULT IN ANGLE TRANSMITTER OF THROTTLE"},
    {11704, "F1704P1", "SIMULATION SWITCH POSITION NOT MATCHING"},
    {11705, "F1705P1", "Mal operation of Master control"}, {11706, "F1706P1", "SOFTWARE MISMATCH VCU-1/VCU-2"},
    {21701, "F1701P2", "not used"},
    {11801, "F1801P1", "DISTURBANCE IN PROCESSOR FLG2"}, {11802, "F1802P1", "SOFTWARE MISMATCH"},
    {11803, "F1803P1", "FAULT IN ANGLE TRANSMITTER OF THROTTLE"},
    {11804, "F1804P1", "SIMULATION SWITCH POSITION NOT MATCHING"},
    {11805, "F1805P1", "Mal operation of Master control"}, {21801, "F1801P2", "not used"},
    {11901, "F1901P1", "COMMUNICATION DISTURBANCE"},
};
// clang-format on

// Advice steps: a numbered line and the indented lines that continue it,
// joined and in lower case.
QStringList steps(const FaultEntry& e)
{
    QStringList out;
    for (const char* p : e.page)
        for (const QString& line : text(p).split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith("   ") && !out.isEmpty())
                out.last() += ' ' + line.trimmed().toLower();
            else
                out << line.toLower();
        }
    return out;
}

// Answers every lookup of one context with a marked copy of the key.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator(const char* context, const QString& mark)
        : m_context(context)
        , m_mark(mark)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return m_context == context ? m_mark + QString::fromUtf8(sourceText) : QString();
    }

private:
    QByteArray m_context;
    QString m_mark;
};

} // namespace

class TestFault : public QObject {
    Q_OBJECT

private slots:
    void init() { fillRecord(QString()); }

    // ------------------------------------------------------------ the table

    // Numbers by kind: information 90-96 and 99 (no advice pages), isolations
    // SS00, faults SSnn with priority 1 or 2. How many of each kind and of each
    // page count: no entry and no advice page lost.
    void numbersAndKinds()
    {
        QCOMPARE(faultCatalogueSize(), 164);
        QMap<Kind, int> kinds;
        QMap<int, int> byPages;
        unsigned int previous = 0;
        for (const FaultEntry* e : all()) {
            const unsigned int n = e->number;
            QVERIFY2(previous < n, qPrintable(num(n)));
            previous = n;
            ++kinds[kindOf(n)];
            ++byPages[pageCount(*e)];
            if (kindOf(n) == Kind::Information)
                QVERIFY2(((n >= 90 && n <= 96) || n == 99) && pageCount(*e) == 0, qPrintable(num(n)));
            else if (kindOf(n) == Kind::Isolation)
                QVERIFY2(n % 100 == 0 && n / 100 >= 1 && n / 100 <= 19, qPrintable(num(n)));
            else
                QVERIFY2((n % 10000) / 100 >= 1 && (n % 10000) / 100 <= 19 && n % 100 >= 1 && n < 30000,
                         qPrintable(num(n)));
            QCOMPARE(findFaultEntry(n), e);
        }
        QCOMPARE(kinds.values(), (QList<int>{8, 13, 79, 64}));
        QCOMPARE(byPages, (QMap<int, int>{{0, 25}, {1, 118}, {2, 19}, {3, 1}, {4, 1}}));
    }

    // Fault codes are "F" + SS + nn + "P1"/"P2", except the motor and converter
    // isolations of the bogies and one entry that carries its neighbour's code;
    // line 4 ends with the code.
    void faultCodes()
    {
        QMap<unsigned int, QString> exceptions{{10303, "F0304P1"}};
        for (unsigned int i = 0; i < 5; ++i) {
            exceptions[20403 + i] = QString("F%1P2").arg(211 + i, 4, 10, QChar('0'));
            exceptions[20503 + i] = QString("F%1P2").arg(311 + i, 4, 10, QChar('0'));
        }
        for (const FaultEntry* e : all()) {
            const QString code = text(e->faultCode);
            if (kindOf(e->number) < Kind::Priority1) {
                QVERIFY2(code.isEmpty(), qPrintable(num(e->number)));
                continue;
            }
            const QString regular = QString("F%1P%2").arg(e->number % 10000, 4, 10, QChar('0')).arg(e->number / 10000);
            QCOMPARE(code, exceptions.value(e->number, regular));
            const QString line4 = text(e->line[3]);
            if (e->number == 21105)
                QCOMPARE(line4, QString("No vigilance control"));
            else
                QVERIFY2(line4 == code || line4.endsWith(' ' + code), qPrintable(num(e->number) + ": " + line4));
        }
        QCOMPARE(text(entry(20407).faultCode), QString("F0215P2"));
    }

    // Line 1 is the subsystem's display label, the same for every entry of it;
    // the fault log label names the same subsystem and is empty for information.
    void subsystemLabels()
    {
        QMap<unsigned int, QString> line1;
        for (const FaultEntry* e : all()) {
            const QString label = text(e->subsystem);
            if (kindOf(e->number) == Kind::Information) {
                QVERIFY(label.isEmpty());
                continue;
            }
            unsigned int ss = (e->number % 10000) / 100;
            if ((e->number >= 20403 && e->number <= 20408) || (e->number >= 20503 && e->number <= 20508))
                ss -= 2; // motor and converter isolations of the traction bogies
            const QString prefix = QString("SS%1").arg(ss, 2, 10, QChar('0'));
            const QString l1 = text(e->line[0]);
            QVERIFY2(l1.startsWith(prefix + ':'), qPrintable(num(e->number) + ": " + l1));
            QCOMPARE(line1.value(ss, l1), l1);
            line1[ss] = l1;
            QVERIFY2(label.startsWith(prefix), qPrintable(num(e->number) + ": " + label));
        }
        QCOMPARE(line1.size(), 19);
        QCOMPARE(line1.value(2), QString("SS02:Traction bogie"));
        QCOMPARE(text(entry(20508).line[0]), QString("SS03:Traction bogie"));
        QCOMPARE(text(entry(20508).subsystem), QString("SS03:Traction bogie 2"));
    }

    void linesAndNotUsedEntries()
    {
        int notUsed = 0;
        for (const FaultEntry* e : all()) {
            for (const char* line : e->line) {
                QVERIFY2(text(line).size() <= 40, line);
                QVERIFY2(!text(line).contains('\n'), line);
            }
            if (kindOf(e->number) < Kind::Priority1)
                continue;
            QVERIFY(!text(e->line[1]).isEmpty());
            if (text(e->line[1]).toLower() == "not used") {
                ++notUsed;
                QVERIFY2(text(e->line[2]).isEmpty(), qPrintable(num(e->number)));
                QCOMPARE(text(e->line[3]), text(e->faultCode));
            }
        }
        QCOMPARE(notUsed, 12);
        QCOMPARE(text(entry(10105).line[1]).size(), 40);
    }

    // Advice pages: numbered steps "1. ", "2. " ... continuing over the pages
    // of an entry, or a titled procedure with steps "1) ", "2) " ...; a step
    // that does not fit a line continues on lines indented by three blanks.
    // At most 40 characters a line (titles slightly wider), ten lines a page.
    void pageLayout()
    {
        const QRegularExpression numbered("^(\\d+)\\. \\S");
        const QRegularExpression procedure("^(\\d+)\\) \\S");
        for (const FaultEntry* e : all()) {
            int nextStep = 1;
            for (int p = 0; p < pageCount(*e); ++p) {
                const QString page = text(e->page[p]);
                const QString at = num(e->number) + " page " + QString::number(p + 1);
                QVERIFY2(page.size() <= 800 && page.endsWith('\n'), qPrintable(at));
                const QStringList lines = page.chopped(1).split('\n');
                QVERIFY2(lines.size() <= 10, qPrintable(at));
                if (e->number == 21106) // a single plain instruction
                    continue;
                const bool titled = !lines.first().at(0).isDigit();
                int step = titled ? 1 : nextStep;
                for (int l = 0; l < lines.size(); ++l) {
                    const QString& line = lines[l];
                    const QString here = at + ": " + line;
                    if (titled && l == 0) {
                        QVERIFY2(line.size() <= 46 && line.endsWith('.'), qPrintable(here));
                        continue;
                    }
                    QVERIFY2(line.size() <= 40 && !line.endsWith(' '), qPrintable(here));
                    const auto m = (titled ? procedure : numbered).match(line);
                    if (m.hasMatch())
                        QVERIFY2(m.captured(1).toInt() == step++, qPrintable(here));
                    else
                        QVERIFY2(l > 0 && line.startsWith("   ") && line.at(3) != ' ', qPrintable(here));
                }
                QVERIFY2(step > 1, qPrintable(at));
                if (!titled)
                    nextStep = step;
            }
        }
        // Steps continue on the next page.
        QVERIFY(text(entry(10206).page[1]).startsWith("7. "));
        QVERIFY(text(entry(10105).page[3]).startsWith("Procedure for switching OFF/ON of Electronics.\n"));
    }

    // Entries with more than one page, and those without any; every other
    // entry has one. 11501 needs two: the fire procedure, then the help asked
    // for and the pantograph kept down.
    void pageCounts()
    {
        // clang-format off
        const QMap<unsigned int, int> several{
            {100, 2},   {10101, 2}, {10102, 2}, {10103, 3}, {10104, 2}, {10105, 4}, {10106, 2},
            {10107, 2}, {10108, 2}, {10110, 2}, {10205, 2}, {10206, 2}, {10305, 2}, {10306, 2},
            {11002, 2}, {11003, 2}, {11501, 2}, {20101, 2}, {20102, 2}, {21101, 2}, {21201, 2}};
        const QSet<unsigned int> none{90, 91, 92, 93, 94, 95, 96, 99, 500,
                                      10203, 10204, 10208, 10303, 10304, 10307, 10308, 10604, 10704,
                                      10503, 10504, 20107, 20408, 20501, 20502, 20508};
        // clang-format on
        for (const FaultEntry* e : all())
            QVERIFY2(pageCount(*e) == several.value(e->number, none.contains(e->number) ? 0 : 1),
                     qPrintable(num(e->number)));
    }

    // Every fault entry shows its documented code and headline, word for word.
    void headlines()
    {
        QSet<unsigned int> pinned;
        for (const Headline& h : kHeadlines) {
            fault_fun.Get_Fault(h.number, 1);
            QCOMPARE(DDU_Fault_FaultCode, QString(h.code));
            QCOMPARE(DDU_Fault_Line2, QString(h.headline));
            pinned.insert(h.number);
        }
        QCOMPARE(pinned.size(), 143);
        for (const FaultEntry* e : all())
            QCOMPARE(pinned.contains(e->number), kindOf(e->number) >= Kind::Priority1);
    }

    // The advice never undoes what the entry's own lines 3 and 4 forbid or
    // limit: a step that names the action is negated or conditional, except
    // for the number of times the line allows.
    void adviceKeepsToDisplayLines()
    {
        struct Rule {
            const char* instruction; // in line 3 or 4
            QStringList actions;     // words of a step that does it
            int allowed;             // steps that may do it without a qualifier
        };
        // clang-format off
        const Rule rules[] = {{"Do not raise panto",       {"raise"},        0},
                              {"Close VCB only once more", {"close", "try"}, 1}};
        // clang-format on
        const QStringList qualifiers{"do not", "not ", "never", "only when", "only if", "only with"};
        for (const Rule& rule : rules) {
            int entries = 0;
            for (const FaultEntry* e : all()) {
                if (!text(e->line[2]).contains(rule.instruction) && !text(e->line[3]).contains(rule.instruction))
                    continue;
                ++entries;
                int unqualified = 0;
                for (const QString& step : steps(*e)) {
                    const bool does = std::any_of(rule.actions.begin(), rule.actions.end(),
                                                  [&](const QString& a) { return step.contains(a); });
                    const bool qualified = std::any_of(qualifiers.begin(), qualifiers.end(),
                                                       [&](const QString& q) { return step.contains(q); });
                    unqualified += does && !qualified ? 1 : 0;
                }
                QVERIFY2(unqualified <= rule.allowed, qPrintable(num(e->number) + ": " + rule.instruction));
            }
            QVERIFY2(entries > 0, rule.instruction);
        }
    }

    // ------------------------------------------------------------ the lookup

    void lookup_data()
    {
        QTest::addColumn<uint>("number");
        QTest::addColumn<QStringList>("fields"); // code, log label, lines 1-4
        // clang-format off
        QTest::newRow("priority 2") << 20102u
            << QStringList{"F0102P2", "SS01:Main Power", "SS01:Main power", "TRANSFORMER OIL PRESSURE NOT OK",
                           "Any oil pump circuit not working", "TE/BE will be reduced F0102P2"};
        QTest::newRow("log label differs") << 10206u
            << QStringList{"F0206P1", "SS02:Traction Bogie 1", "SS02:Traction bogie",
                           "CONVERTER 1 COOLANT PRESSURE NOT OK", "Check coolant level",
                           "Try to close the VCB again F0206P1"};
        QTest::newRow("information") << 91u
            << QStringList{"", "", "Information 002", "MORE THAN ONE CAB ACTIVE", "Deactivate non driving cab",
                           "Otherwise after 10 min MCE switches off"};
        // clang-format on
    }

    void lookup()
    {
        QFETCH(uint, number);
        QFETCH(QStringList, fields);
        fault_fun.Get_Fault(number, 1);
        QCOMPARE(record().mid(0, 6), fields);
    }

    // Every entry fills the whole record, whatever was there before and
    // whichever locomotive is selected.
    void lookupOverwritesEveryField()
    {
        for (const FaultEntry* e : all()) {
            fillRecord("left over");
            fault_fun.Get_Fault(e->number, int(e->number % 3));
            QCOMPARE(record(), expectedRecord(*e));
        }
        // From the longest record to an information message with nothing but lines.
        fault_fun.Get_Fault(10105, 1);
        QVERIFY(!DDU_Fault_Page4.isEmpty());
        fault_fun.Get_Fault(99, 1);
        QCOMPARE(record(), (QStringList{"", "", "Simulation mode       Status: ", "", "", "", "", "", "", ""}));
    }

    // Unknown numbers keep the previous code and log label.
    void unknownNumbers()
    {
        for (uint n : {97u, 98u, 89u, 101u, 21802u, 0u, 10000u, 4294967295u}) {
            QVERIFY(findFaultEntry(n) == nullptr);
            for (uint previous : {20102u, 1300u, 91u}) {
                fault_fun.Get_Fault(previous, 1);
                fault_fun.Get_Fault(n, 1);
                const FaultEntry& before = entry(previous);
                QCOMPARE(record(),
                         (QStringList{text(before.faultCode), text(before.subsystem), "Unknown Fault",
                                      "Screen Code:\n" + num(n), "", "", "", "", "", ""}));
            }
        }
    }

    void translationContextIsQObject()
    {
        { // A translation for another context changes nothing.
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
            QCOMPARE(record(), expectedRecord(entry(n), "<hi>")); // the fault code stays as it is
        }
        fault_fun.Get_Fault(98, 1);
        QCOMPARE(record().mid(0, 4),
                 (QStringList{"F1106P2", "<hi>SS11:Auxiliaries HB1", "<hi>Unknown Fault", "<hi>Screen Code:\n98"}));
        QCoreApplication::removeTranslator(&hindi);
        // Language switched back: the same number is looked up anew.
        fault_fun.Get_Fault(20102, 1);
        QCOMPARE(record(), expectedRecord(entry(20102)));
    }
};

QTEST_GUILESS_MAIN(TestFault)
#include "tst_fault.moc"
