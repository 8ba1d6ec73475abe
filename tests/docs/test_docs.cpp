// Checks on the source tree that keep it easy to pick up:
//  - every relative link and image of README.md, CONTRIBUTING.md and docs/
//    resolves to a file of the repository (a moved page or screenshot, or a
//    link out of the repository, fails with the file and the line), and
//  - every C and C++ file of the repository is formatted as .clang-format
//    says (clang-format --dry-run -Werror), so that a diff shows changes of
//    code, not of layout, and
//  - the folders form layers: no folder includes one above it, and no
//    include cycle runs between folders (scripts/check-layers.py).

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#ifndef DDU_SOURCE_ROOT
#error "DDU_SOURCE_ROOT (top of the source tree) must be defined by the build"
#endif

namespace {

QString root()
{
    return QDir(QStringLiteral(DDU_SOURCE_ROOT)).canonicalPath();
}

// The Markdown files of the repository's documentation.
QStringList markdownFiles()
{
    QStringList files;
    for (const char* top : {"README.md", "CONTRIBUTING.md"})
        if (QFileInfo::exists(root() + QLatin1Char('/') + QLatin1String(top)))
            files << root() + QLatin1Char('/') + QLatin1String(top);
    QDirIterator docs(root() + QStringLiteral("/docs"), {QStringLiteral("*.md")}, QDir::Files,
                      QDirIterator::Subdirectories);
    while (docs.hasNext())
        files << docs.next();
    files.sort();
    return files;
}

// Link targets of one line of Markdown: [text](target), ![alt](target) and
// <img src="target">. Code spans are left out: a path written as code is not
// a link.
QStringList linkTargets(QString line)
{
    static const QRegularExpression code(QStringLiteral("`[^`]*`"));
    static const QRegularExpression link(QStringLiteral("\\]\\(\\s*<?([^)\\s>]+)>?(?:\\s+\"[^\"]*\")?\\s*\\)"));
    static const QRegularExpression img(QStringLiteral("<img\\s[^>]*src=\"([^\"]+)\""));
    line.remove(code);
    QStringList targets;
    for (const QRegularExpression* re : {&link, &img})
        for (auto m = re->globalMatch(line); m.hasNext();)
            targets << m.next().captured(1);
    return targets;
}

// Why a target does not resolve from `file`, or empty when it does. Web
// addresses and anchors within the page are not checked.
QString brokenLink(const QString& file, QString target)
{
    static const QRegularExpression scheme(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]*:"));
    if (scheme.match(target).hasMatch() || target.startsWith(QLatin1Char('#')))
        return QString();
    target = target.section(QLatin1Char('#'), 0, 0);
    target.replace(QStringLiteral("%20"), QStringLiteral(" "));
    if (target.startsWith(QLatin1Char('/')))
        return QStringLiteral("absolute path");
    const QString path = QDir::cleanPath(QFileInfo(file).absolutePath() + QLatin1Char('/') + target);
    if (!path.startsWith(root() + QLatin1Char('/')))
        return QStringLiteral("outside the repository");
    if (!QFileInfo::exists(path))
        return QStringLiteral("no such file");
    return QString();
}

} // namespace

class TestDocs : public QObject {
    Q_OBJECT

private slots:
    // The checker itself: what it takes for a link, and what it refuses.
    void linkReading_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("image") << "| ![Hindi home](docs/hindi-home.png) |" << QStringList{"docs/hindi-home.png"};
        QTest::newRow("link with title") << "see [testing](docs/testing.md \"tests\")."
                                         << QStringList{"docs/testing.md"};
        QTest::newRow("two links") << "[a](a.md) and [b](b.md#part)" << QStringList{"a.md", "b.md#part"};
        QTest::newRow("html image") << "<img src=\"docs/x.png\" width=\"300\">" << QStringList{"docs/x.png"};
        QTest::newRow("code span") << "run `f(x)[0](y)` first" << QStringList{};
        QTest::newRow("web") << "[Qt](https://doc.qt.io)" << QStringList{"https://doc.qt.io"};
    }

    void linkReading()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, targets);
        QCOMPARE(linkTargets(line), targets);
    }

    void linkJudging()
    {
        const QString readme = root() + QStringLiteral("/README.md");
        QCOMPARE(brokenLink(readme, QStringLiteral("https://doc.qt.io")), QString());
        QCOMPARE(brokenLink(readme, QStringLiteral("#two-commands")), QString());
        QCOMPARE(brokenLink(readme, QStringLiteral("CMakeLists.txt#L3")), QString());
        QCOMPARE(brokenLink(readme, QStringLiteral("docs/no-such-page.md")), QStringLiteral("no such file"));
        QCOMPARE(brokenLink(readme, QStringLiteral("../shared/notes.md")), QStringLiteral("outside the repository"));
        QCOMPARE(brokenLink(readme, QStringLiteral("/etc/passwd")), QStringLiteral("absolute path"));
    }

    void everyLinkResolves()
    {
        const QStringList files = markdownFiles();
        QVERIFY2(!files.isEmpty(), "no README.md");
        QStringList broken;
        int links = 0;
        for (const QString& path : files) {
            QFile f(path);
            QVERIFY2(f.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(path));
            int number = 0;
            bool fenced = false;
            while (!f.atEnd()) {
                const QString line = QString::fromUtf8(f.readLine());
                ++number;
                if (line.trimmed().startsWith(QStringLiteral("```"))) {
                    fenced = !fenced;
                    continue;
                }
                if (fenced)
                    continue;
                for (const QString& target : linkTargets(line)) {
                    ++links;
                    const QString why = brokenLink(path, target);
                    if (!why.isEmpty())
                        broken << QStringLiteral("%1:%2: %3 (%4)")
                                      .arg(QDir(root()).relativeFilePath(path))
                                      .arg(number)
                                      .arg(target, why);
                }
            }
        }
        for (const QString& b : std::as_const(broken))
            qWarning("%s", qPrintable(b));
        qInfo("%d links in %d files", links, int(files.size()));
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("%1 broken links (listed above)").arg(broken.size())));
    }

    // Every C and C++ file of the repository, formatted: clang-format changes
    // nothing. Files are taken from the tree (not from git), so a new file is
    // checked before it is added.
    void codeFormatted()
    {
        const QString clangFormat = QStringLiteral(DDU_CLANG_FORMAT);
        if (clangFormat.isEmpty() || clangFormat.endsWith(QLatin1String("NOTFOUND")))
            QSKIP("clang-format is not installed (scripts/setup.sh installs it)");
        QStringList files;
        for (const char* folder : {"acquisition", "app", "bench", "diagnostics", "input", "maintenance", "mvb",
                                   "platform", "probe", "screens", "sim", "tests", "tools", "ui", "widgets"}) {
            QDirIterator it(root() + QLatin1Char('/') + QLatin1String(folder),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.c")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (!path.contains(QStringLiteral("/corpus/")))
                    files << path;
            }
        }
        QVERIFY(files.size() > 100);
        files.sort();
        // In batches, so that one command line never grows too long.
        QStringList failing;
        for (qsizetype i = 0; i < files.size(); i += 40) {
            QProcess p;
            p.setWorkingDirectory(root());
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(clangFormat,
                    QStringList{QStringLiteral("--dry-run"), QStringLiteral("-Werror")} + files.mid(i, 40));
            QVERIFY2(p.waitForFinished(300000), "clang-format did not finish");
            if (p.exitCode() != 0) {
                const QString out = QString::fromLocal8Bit(p.readAll());
                static const QRegularExpression where(QStringLiteral("^(\\S+):\\d+:\\d+: error"),
                                                      QRegularExpression::MultilineOption);
                for (auto m = where.globalMatch(out); m.hasNext();) {
                    const QString file = QDir(root()).relativeFilePath(m.next().captured(1));
                    if (!failing.contains(file))
                        failing << file;
                }
                if (failing.isEmpty())
                    failing << out.left(500);
            }
        }
        QVERIFY2(
            failing.isEmpty(),
            qPrintable(QStringLiteral("not formatted (clang-format -i fixes it): ") + failing.join(QLatin1Char(' '))));
    }

    // The folders of the source tree form layers; the check itself fails on
    // an upward include and on a cycle (shown on a tree made up here).
    void foldersLayered()
    {
        QVERIFY2(runLayerCheck(root()) == 0, "an include crosses the folder layers (listed above)");

        QTemporaryDir fake;
        QVERIFY(fake.isValid());
        const auto put = [&](const char* file, const char* text) {
            const QString path = fake.path() + QLatin1Char('/') + QLatin1String(file);
            QDir().mkpath(QFileInfo(path).path());
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        put("acquisition/a.h", "#include \"mvb/b.h\"\n");
        put("mvb/b.h", "#include \"platform/c.h\"\n");
        put("platform/c.h", "\n");
        put("screens/s.h", "#include \"ui/look.h\"\n");
        put("ui/look.h", "\n");
        QCOMPARE(runLayerCheck(fake.path()), 0);
        put("mvb/d.h", "#include \"acquisition/a.h\"\n"); // upward, and a cycle
        QCOMPARE(runLayerCheck(fake.path()), 1);
        put("mvb/d.h", "\n");
        put("ui/e.h", "#include \"screens/s.h\"\n"); // the screens' base reaching up
        QCOMPARE(runLayerCheck(fake.path()), 1);
    }

private:
    static int runLayerCheck(const QString& tree)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QStringLiteral("python3"), {root() + QStringLiteral("/scripts/check-layers.py"), tree});
        if (!p.waitForFinished(120000))
            return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
};

QTEST_GUILESS_MAIN(TestDocs)
#include "test_docs.moc"
