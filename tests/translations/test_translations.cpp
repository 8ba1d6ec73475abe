// Runs lupdate over the code folders into a temporary .ts file, as a
// translator's update would, and checks that
//  - lupdate reports no problem with the context of a tr() call,
//  - every text of the fault catalogue is extracted in context "QObject", the
//    context its lookup translates in. The texts are read from the table
//    through the catalogue's own functions, so nothing is copied here, and
//  - the Hindi translation has every text the code holds, finished, and
//  - every Hindi entry follows the glossary (data/lang/glossary.tsv): the one
//    rendering of each term its English holds, none of the forbidden ones.

#include "diagnostics/fault.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPair>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <utility>

#ifndef DDU_LUPDATE
#error "DDU_LUPDATE (path of lupdate) must be defined by the build"
#endif
#ifndef DDU_SOURCE_ROOT
#error "DDU_SOURCE_ROOT (top of the source tree) must be defined by the build"
#endif

namespace {

// What lupdate prints when it cannot tell the context of a tr() call, or puts
// a text in another context than the one the code looks it up in. The C++
// parser of lupdate (the one qt_add_translations uses) writes:
//   "<file>:<line>: Cannot invoke tr() like this"
//   "<file>:<line>: tr() cannot be called without context"
//   "<file>:<line>: Class '<name>' lacks Q_OBJECT macro"
//   "<file>:<line>: Qualifying with unknown namespace/class <ns>::<name>"
//   "<file>:<line>: Ignoring definition of undeclared qualified class"
// and its clang parser "... cannot be called without context." and
// "... The call is ignored (missing Q_OBJECT maybe?)". An unbalanced or
// excess brace, parenthesis or bracket derails the class and namespace
// tracking, so every context after it may be wrong: those count too.
const char* const kContextWarnings[] = {
    "Cannot invoke tr() like this",
    "cannot be called without context",
    "lacks Q_OBJECT macro",
    "missing Q_OBJECT",
    "Qualifying with unknown namespace/class",
    "Ignoring definition of undeclared qualified class",
    "Unbalanced opening",
    "Excess closing",
};

// A call of a translating helper with a literal: trHome("..."), trFault("...").
const char kHelperCall[] = "\\btr[A-Z]\\w*\\(\\s*\"((?:[^\"\\\\]|\\\\.)*)\"\\s*\\)";

struct Field {
    const char* name;
    const char* text;
};

// One line of the glossary: where the English matches, the Hindi must match
// `hindi` and must not match `forbidden`.
struct GlossaryTerm {
    int line = 0;
    QString english;
    QRegularExpression englishRe, hindiRe, forbiddenRe;
};

// Sentences that need another form than the glossary's, with the reason. An
// entry is named by the start of its English text, the term by its English
// pattern as written in the glossary.
struct GlossaryException {
    const char* sourceStart;
    const char* term;
};
// clang-format off
const GlossaryException kGlossaryExceptions[] = {
    // "ON" is the preposition in these capitalised pop-up lines, not the
    // state: पर is right, ऑन would be wrong.
    {"TRACTION MAY NOT BE AVAILABLE ON", "\\bON\\b|^On$"},
    {"THIS LOCO OR ON THE SLAVE LOCO", "\\bON\\b|^On$"},
    {"EMERGENCY STOP; SHUTDOWN ON THE LOCO", "\\bON\\b|^On$"},
    {"OVERLOAD ON OIL COOLER BLOWER", "\\bON\\b|^On$"},
};
// clang-format on

// A text as the glossary reads it: blanks and line breaks as one blank.
QString glossaryForm(const QString& text)
{
    return text.simplified();
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_root;
    QStringList m_folders;
    QString m_tsPath;
    QString m_stdout;
    QStringList m_stderrLines;

    struct Translation {
        QString text;
        bool finished = false;
    };

    // Every (context, source) of a .ts file with its translation.
    static QHash<QPair<QString, QString>, Translation> translationsOf(const QString& path)
    {
        QHash<QPair<QString, QString>, Translation> all;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return all;
        QXmlStreamReader xml(&file);
        QString context, source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                Translation t;
                t.finished = type.isEmpty();
                t.text = xml.readElementText();
                all.insert({context, source}, t);
            }
        }
        if (xml.hasError())
            qWarning("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
        return all;
    }

    // What a translation lost of its source: numbers (with the fault codes
    // that hold them), %n markers, leading or trailing blanks. Empty when
    // nothing.
    static QString keptProblem(const QString& source, const QString& translation)
    {
        static const QRegularExpression numbers(QStringLiteral("\\d+"));
        static const QRegularExpression markers(QStringLiteral("%\\d"));
        for (const QRegularExpression* re : {&numbers, &markers}) {
            QStringList wanted;
            for (auto m = re->globalMatch(source); m.hasNext();)
                wanted << m.next().captured();
            QStringList got;
            for (auto m = re->globalMatch(translation); m.hasNext();)
                got << m.next().captured();
            wanted.sort();
            got.sort();
            if (wanted != got)
                return QStringLiteral("numbers %1 became %2 in")
                    .arg(wanted.join(QLatin1Char(',')), got.join(QLatin1Char(',')));
        }
        auto leading = [](const QString& s) {
            int n = 0;
            while (n < s.size() && s.at(n).isSpace())
                ++n;
            return n;
        };
        auto trailing = [](const QString& s) { return s.isEmpty() ? QChar() : s.back(); };
        if (!source.trimmed().isEmpty() &&
            (leading(source) != leading(translation) ||
             ((trailing(source).isSpace() || trailing(translation).isSpace()) &&
              trailing(source) != trailing(translation))))
            return QStringLiteral("blanks around the text changed in");
        return QString();
    }

    // The glossary's terms; a line that is not four tab-separated columns with
    // valid patterns is a failure of its own.
    static QList<GlossaryTerm> readGlossary(const QString& path, QStringList* problems)
    {
        QList<GlossaryTerm> terms;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            *problems << path + QStringLiteral(": cannot be read");
            return terms;
        }
        int number = 0;
        while (!file.atEnd()) {
            ++number;
            const QString line = QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n'));
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const QStringList columns = line.split(QLatin1Char('\t'));
            if (columns.size() != 4 || columns[0].isEmpty() || columns[1].isEmpty()) {
                *problems << QStringLiteral("glossary line %1: not English, Hindi, forbidden, note").arg(number);
                continue;
            }
            GlossaryTerm term;
            term.line = number;
            term.english = columns[0];
            term.englishRe.setPattern(columns[0]);
            term.hindiRe.setPattern(columns[1]);
            if (!columns[2].isEmpty())
                term.forbiddenRe.setPattern(columns[2]);
            for (const QRegularExpression* re : {&term.englishRe, &term.hindiRe, &term.forbiddenRe})
                if (!re->isValid())
                    *problems << QStringLiteral("glossary line %1: %2 in \"%3\"")
                                     .arg(number)
                                     .arg(re->errorString(), re->pattern());
            terms << term;
        }
        return terms;
    }

    // What is wrong with one entry against the glossary: one line per term
    // broken, empty when nothing.
    static QStringList glossaryProblems(const QList<GlossaryTerm>& terms, const QString& source,
                                        const QString& translation)
    {
        QStringList problems;
        const QString english = glossaryForm(source);
        const QString hindi = glossaryForm(translation);
        for (const GlossaryTerm& term : terms) {
            if (!term.englishRe.match(english).hasMatch())
                continue;
            bool excepted = false;
            for (const GlossaryException& e : kGlossaryExceptions)
                excepted = excepted ||
                    (english.startsWith(QString::fromUtf8(e.sourceStart)) && term.english == QString::fromUtf8(e.term));
            if (excepted)
                continue;
            if (!term.hindiRe.match(hindi).hasMatch())
                problems << QStringLiteral("glossary line %1 (%2): \"%3\" wanted")
                                .arg(term.line)
                                .arg(term.english, term.hindiRe.pattern());
            if (!term.forbiddenRe.pattern().isEmpty()) {
                const QRegularExpressionMatch bad = term.forbiddenRe.match(hindi);
                if (bad.hasMatch())
                    problems << QStringLiteral("glossary line %1 (%2): \"%3\" forbidden")
                                    .arg(term.line)
                                    .arg(term.english, bad.captured());
            }
        }
        return problems;
    }

    // Source texts of context `context` in the .ts file.
    QSet<QString> sourcesOf(const QString& context) const
    {
        QFile file(m_tsPath);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QSet<QString> sources;
        QXmlStreamReader xml(&file);
        QString current;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                current = xml.readElementText();
            else if (xml.name() == QLatin1String("source") && current == context)
                sources.insert(xml.readElementText());
        }
        if (xml.hasError())
            qWarning("%s: %s", qPrintable(m_tsPath), qPrintable(xml.errorString()));
        return sources;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(QStringLiteral(DDU_LUPDATE)).isExecutable(), DDU_LUPDATE " is not executable");
        QVERIFY(m_dir.isValid());
        m_root = QDir(QStringLiteral(DDU_SOURCE_ROOT)).absolutePath();

        // Code folders: every top-level folder that joins the build (it has a
        // CMakeLists.txt, or holds screens compiled into the window's
        // library), except the tests.
        const QDir root(m_root);
        for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const bool screens = name == QLatin1String("screens") || name == QLatin1String("maintenance");
            if (name != QLatin1String("tests") &&
                (screens || QFileInfo::exists(root.filePath(name + QLatin1String("/CMakeLists.txt")))))
                m_folders << name;
        }
        QVERIFY2(m_folders.contains(QLatin1String("diagnostics")), qPrintable(m_folders.join(QLatin1Char(' '))));

        // -I: the sources include their headers from the top of the tree;
        // without it lupdate does not see the class declarations.
        m_tsPath = m_dir.filePath(QStringLiteral("all.ts"));
        QStringList args{QStringLiteral("-I"), m_root};
        args << m_folders << QStringLiteral("-ts") << m_tsPath;
        QProcess lupdate;
        lupdate.setWorkingDirectory(m_root);
        lupdate.start(QStringLiteral(DDU_LUPDATE), args);
        QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
        m_stdout = QString::fromLocal8Bit(lupdate.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(lupdate.readAllStandardError());
        m_stderrLines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 qPrintable(QStringLiteral("lupdate failed:\n") + m_stdout + err));
        QVERIFY2(QFileInfo::exists(m_tsPath), qPrintable(m_stdout + err));
        qInfo("lupdate over %s: %s", qPrintable(m_folders.join(QLatin1Char(' '))),
              qPrintable(m_stdout.section(QLatin1Char('\n'), -2).trimmed()));
    }

    void noContextWarnings()
    {
        QStringList failing;
        for (const QString& line : std::as_const(m_stderrLines)) {
            bool context = false;
            for (const char* warning : kContextWarnings)
                context = context || line.contains(QLatin1String(warning));
            if (!context) {
                qInfo("lupdate: %s", qPrintable(line));
                continue;
            }
            failing << line;
        }
        // One line each: a long failure message would be cut short.
        for (const QString& line : std::as_const(failing))
            qWarning("%s", qPrintable(line));
        QVERIFY2(failing.isEmpty(),
                 qPrintable(QStringLiteral("%1 lupdate context warnings (listed above)").arg(failing.size())));
    }

    void faultCatalogueExtracted()
    {
        const QSet<QString> extracted = sourcesOf(QStringLiteral("QObject"));
        QStringList missing;
        int checked = 0;
        const FaultEntry* table = faultCatalogue();
        for (int i = 0; i < faultCatalogueSize(); ++i) {
            const FaultEntry& e = table[i];
            const Field fields[] = {
                {"label", e.subsystem}, {"line 1", e.line[0]}, {"line 2", e.line[1]},
                {"line 3", e.line[2]},  {"line 4", e.line[3]}, {"page 1", e.page[0]},
                {"page 2", e.page[1]},  {"page 3", e.page[2]}, {"page 4", e.page[3]},
            };
            for (const Field& f : fields) {
                if (f.text == nullptr || *f.text == '\0')
                    continue;
                ++checked;
                const QString text = QString::fromUtf8(f.text);
                if (!extracted.contains(text))
                    missing << QStringLiteral("%1 %2: \"%3\"")
                                   .arg(e.number)
                                   .arg(QLatin1String(f.name), text.section(QLatin1Char('\n'), 0, 0));
            }
        }
        QVERIFY(checked > 0);
        for (const QString& text : std::as_const(missing))
            qWarning("not extracted: %s", qPrintable(text));
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("%1 of %2 catalogue texts not extracted in context QObject (listed above)")
                                .arg(missing.size())
                                .arg(checked)));
    }

    // The Hindi translation (data/lang/zav_hindi.ts) has a finished, non-empty
    // translation of every text lupdate finds in the code, in the same
    // context, and each keeps what the screens rely on: the numbers and fault
    // codes, the %1 markers, and the leading and trailing blanks of its source.
    void hindiTranslationComplete()
    {
        const QString hindiPath = m_root + QStringLiteral("/data/lang/zav_hindi.ts");
        const QHash<QPair<QString, QString>, Translation> hindi = translationsOf(hindiPath);
        QVERIFY2(!hindi.isEmpty(), qPrintable(hindiPath));
        const QHash<QPair<QString, QString>, Translation> found = translationsOf(m_tsPath);
        QVERIFY(!found.isEmpty());
        QStringList failing;
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            const QString where = it.key().first + QStringLiteral(": \"") +
                it.key().second.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('"');
            const auto h = hindi.constFind(it.key());
            if (h == hindi.cend()) {
                failing << QStringLiteral("missing ") + where;
                continue;
            }
            if (!h->finished || h->text.isEmpty()) {
                failing << QStringLiteral("unfinished ") + where;
                continue;
            }
            const QString problem = keptProblem(it.key().second, h->text);
            if (!problem.isEmpty())
                failing << problem + QLatin1Char(' ') + where;
        }
        for (const QString& f : std::as_const(failing))
            qWarning("%s", qPrintable(f));
        QVERIFY2(failing.isEmpty(),
                 qPrintable(QStringLiteral("%1 of %2 texts without a usable Hindi translation"
                                           " (listed above)")
                                .arg(failing.size())
                                .arg(found.size())));
    }

    // The glossary catches what it is for: each of these renderings, read
    // back, says something else than its English (the switching sense turned
    // round, a negation or "all" lost, the abbreviation spelt out), and the
    // right one passes.
    void glossaryCatchesMisreadings_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("hindi");
        QTest::addColumn<bool>("good");
        const auto row = [](const char* name, const char* en, const char* hi, bool good) {
            QTest::newRow(name) << QString::fromUtf8(en) << QString::fromUtf8(hi) << good;
        };
        row("close VCB as switch off", "Close VCB once more", "VCB एक बार और बंद करें", false);
        row("close VCB", "Close VCB once more", "VCB एक बार और क्लोज़ करें", true);
        row("keep VCB closed as keep off", "3. Keep VCB closed so that the charger\n   works.\n",
            "3. VCB बंद रखें ताकि चार्जर काम\n   करे।\n", false);
        row("keep VCB closed", "3. Keep VCB closed so that the charger\n   works.\n",
            "3. VCB क्लोज़ रखें ताकि चार्जर काम\n   करे।\n", true);
        row("VCB cannot be closed as switched off", "VCB can not be closed", "VCB बंद नहीं किया जा सकता", false);
        row("open VCB as a door", "Open VCB, lower panto F1501P1", "VCB खोलें, पैंटो नीचे करें F1501P1", false);
        row("open VCB", "Open VCB, lower panto F1501P1", "VCB ओपन करें, पैंटो नीचे करें F1501P1", true);
        row("OFF as shut", "OFF", "बंद", false);
        row("ON as running", "ON", "चालू", false);
        row("negation lost", "If the oil level is low, do not close VCB", "ऑयल लेवल कम हो तो VCB क्लोज़ करें", false);
        row("all lost", "Switch off all loads not needed", "अनावश्यक लोड ऑफ करें", false);
        row("aux abbreviated in Devanagari", "Aux. Converter 1", "ऑक्ज़ि. कन्वर्टर 1", false);
        row("release as leave", "Release the parking brake", "पार्किंग ब्रेक छोड़ें", false);
        row("protect as rescue", "Protect the train as per rules", "नियम के अनुसार गाड़ी का बचाव करें", false);
        row("damaged as broken", "If the OHE is damaged", "OHE टूटा हो तो", false);
        row("cock closed", "Close the isolating cock", "आइसोलेटिंग कॉक बंद करें", true);
    }

    void glossaryCatchesMisreadings()
    {
        QFETCH(QString, english);
        QFETCH(QString, hindi);
        QFETCH(bool, good);
        QStringList problems;
        const QList<GlossaryTerm> terms = readGlossary(m_root + QStringLiteral("/data/lang/glossary.tsv"), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        problems = glossaryProblems(terms, english, hindi);
        QVERIFY2(problems.isEmpty() == good,
                 qPrintable(hindi + QStringLiteral(": ") + problems.join(QStringLiteral("; "))));
    }

    // Every entry of the Hindi file follows the glossary; a failure names the
    // entry and the term.
    void hindiFollowsGlossary()
    {
        QStringList failing;
        const QList<GlossaryTerm> terms = readGlossary(m_root + QStringLiteral("/data/lang/glossary.tsv"), &failing);
        QVERIFY2(terms.size() > 50, "the glossary is missing or nearly empty");
        const QHash<QPair<QString, QString>, Translation> hindi =
            translationsOf(m_root + QStringLiteral("/data/lang/zav_hindi.ts"));
        QVERIFY(!hindi.isEmpty());
        QSet<QString> exceptionsUsed;
        for (auto it = hindi.cbegin(); it != hindi.cend(); ++it) {
            for (const QString& p : glossaryProblems(terms, it.key().second, it->text))
                failing
                    << QStringLiteral("%1: \"%2\": %3").arg(it.key().first, glossaryForm(it.key().second).left(60), p);
            for (const GlossaryException& e : kGlossaryExceptions)
                if (glossaryForm(it.key().second).startsWith(QString::fromUtf8(e.sourceStart)))
                    exceptionsUsed.insert(QString::fromUtf8(e.sourceStart));
        }
        // An exception whose sentence is gone would hide the next one that
        // starts the same way.
        for (const GlossaryException& e : kGlossaryExceptions)
            if (!exceptionsUsed.contains(QString::fromUtf8(e.sourceStart)))
                failing << QStringLiteral("exception for no entry: \"%1\"").arg(QString::fromUtf8(e.sourceStart));
        failing.sort();
        for (const QString& f : std::as_const(failing))
            qWarning("%s", qPrintable(f));
        QVERIFY2(failing.isEmpty(),
                 qPrintable(QStringLiteral("%1 glossary problems (listed above)").arg(failing.size())));
    }

    // A literal handed to a translating helper of the code (trHome("..."),
    // trFault("...") ...) reaches the translation only when lupdate finds it:
    // each must be marked where it is written (QT_TRANSLATE_NOOP) or be
    // extracted elsewhere.
    void helperTextsExtracted()
    {
        QSet<QString> extracted;
        const QHash<QPair<QString, QString>, Translation> found = translationsOf(m_tsPath);
        for (auto it = found.cbegin(); it != found.cend(); ++it)
            extracted.insert(it.key().second);
        static const QRegularExpression call{QString::fromLatin1(kHelperCall)};
        QStringList failing;
        for (const QString& folder : std::as_const(m_folders)) {
            QDirIterator files(m_root + QLatin1Char('/') + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                               QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                const QString path = files.next();
                QFile f(path);
                if (!f.open(QIODevice::ReadOnly))
                    continue;
                const QString code = QString::fromUtf8(f.readAll());
                for (auto m = call.globalMatch(code); m.hasNext();) {
                    QString text = m.next().captured(1);
                    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
                    text.replace(QLatin1String("\\\""), QLatin1String("\""));
                    text.replace(QLatin1String("\\\\"), QLatin1String("\\"));
                    if (!extracted.contains(text))
                        failing << QDir(m_root).relativeFilePath(path) + QStringLiteral(": \"") + text +
                                QLatin1Char('"');
                }
            }
        }
        for (const QString& f : std::as_const(failing))
            qWarning("not extracted: %s", qPrintable(f));
        QVERIFY2(failing.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts handed to translating helpers are not extracted"
                                           " (listed above)")
                                .arg(failing.size())));
    }

    // A character escape in a marked text ("\u00B0C") is read by lupdate
    // otherwise than by the compiler: the text found is not the text looked
    // up, and its translation is never used. Such texts are written in UTF-8.
    void noEscapesInMarkedTexts()
    {
        static const QRegularExpression marked{
            QStringLiteral("(QT_TRANSLATE_NOOP|QT_TR_NOOP|\\btr|translate)\\s*\\([^;]*\"[^\"]*\\\\[uUx][0-9A-Fa-f]")};
        QStringList failing;
        for (const QString& folder : std::as_const(m_folders)) {
            QDirIterator files(m_root + QLatin1Char('/') + folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                               QDir::Files, QDirIterator::Subdirectories);
            while (files.hasNext()) {
                const QString path = files.next();
                QFile f(path);
                if (!f.open(QIODevice::ReadOnly))
                    continue;
                int line = 0;
                while (!f.atEnd()) {
                    ++line;
                    if (marked.match(QString::fromUtf8(f.readLine())).hasMatch())
                        failing << QDir(m_root).relativeFilePath(path) + QLatin1Char(':') + QString::number(line);
                }
            }
        }
        QVERIFY2(failing.isEmpty(),
                 qPrintable(QStringLiteral("escapes in marked texts: ") + failing.join(QLatin1Char(' '))));
    }

    void unknownNumberTextsExtracted()
    {
        // The texts of an unknown number, as the lookup writes them (no
        // translator is installed here).
        unsigned int unknown = 1;
        while (findFaultEntry(unknown) != nullptr)
            ++unknown;
        fault_fun.Get_Fault(unknown, 1);
        const QString number = QString::number(unknown);
        QVERIFY(DDU_Fault_Line2.endsWith(number));
        const QStringList texts{DDU_Fault_Line1, DDU_Fault_Line2.chopped(number.size())};

        const QSet<QString> extracted = sourcesOf(QStringLiteral("QObject"));
        for (const QString& text : texts)
            QVERIFY2(extracted.contains(text), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
