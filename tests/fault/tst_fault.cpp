// Tests of the fault and information catalogue: the shape of the table (kinds,
// codes, labels, page layout) read from the table itself, a few records word
// for word, and the lookup into the current-message record.

#include "diagnostics/fault.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <QtTest>

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
