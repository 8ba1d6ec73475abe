// Appending to the fault log: time of each append as the log grows, with the
// document kept in memory (what the display does) and, for comparison, with
// the whole file read and parsed again before every append.
//
//   bench_fault_log [--messages N]

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "diagnostics/fault_log.h"

namespace {

FaultLogEntry entry(int i)
{
    FaultLogEntry e;
    e.locoType = 1 + i % 2;
    e.subsystem = QStringLiteral("SS01:Main Power");
    e.time = QStringLiteral("06/12/2026 18:13:%1").arg(i % 60, 2, 10, QLatin1Char('0'));
    e.faultCode = QStringLiteral("F0102P2");
    e.lines[0] = QStringLiteral("SS01:Main power");
    e.lines[1] = QStringLiteral("TRANSFORMER OIL PRESSURE NOT OK");
    e.lines[2] = QStringLiteral("Any oil pump circuit not working");
    e.lines[3] = QStringLiteral("TE/BE will be reduced F0102P2");
    return e;
}

// The same append, reading and parsing the whole file first.
void appendByRereading(const QString& path, const FaultLogEntry& e)
{
    QFile in(path);
    in.open(QIODevice::ReadOnly);
    QDomDocument doc;
    doc.setContent(&in);
    in.close();
    QDomElement root = doc.documentElement();
    QDomElement m = doc.createElement(QStringLiteral("Message"));
    const QString texts[] = {QString::number(e.locoType), e.subsystem, e.time, e.faultCode,
                             e.lines[0] + QLatin1Char('\n') + e.lines[1] + QLatin1Char('\n') + e.lines[2] +
                                 QLatin1Char('\n') + e.lines[3]};
    const char* tags[] = {"LocoType", "SubsystemNo", "Time", "FaultCode", "FaultMessage"};
    for (int k = 0; k < 5; ++k) {
        QDomElement t = doc.createElement(QLatin1String(tags[k]));
        t.appendChild(doc.createTextNode(texts[k]));
        m.appendChild(t);
    }
    root.appendChild(m);
    QSaveFile out(path);
    out.open(QIODevice::WriteOnly | QIODevice::Text);
    out.write(doc.toByteArray(4));
    out.commit();
}

struct Row {
    double last, worst;
};

template <class Append> Row measure(int messages, Append append)
{
    std::vector<double> ms;
    for (int i = 0; i < messages; ++i) {
        QElapsedTimer t;
        t.start();
        append(entry(i));
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return {ms.back(), *std::max_element(ms.begin(), ms.end())};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int messages = 1000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--messages") == 0)
            messages = std::max(1, std::atoi(argv[i + 1]));
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.xml"));
    const QString reread = dir.filePath(QStringLiteral("reread.xml"));

    FaultLog log(kept);
    log.reset();
    const Row a = measure(messages, [&log](const FaultLogEntry& e) { log.append(e); });
    FaultLog(reread).reset();
    const Row b = measure(messages, [&reread](const FaultLogEntry& e) { appendByRereading(reread, e); });

    std::printf("| log kept | append of message %d | worst append |\n|---|---|---|\n", messages);
    std::printf("| in memory (the display) | %.2f ms | %.2f ms |\n", a.last, a.worst);
    std::printf("| read again before each append | %.2f ms | %.2f ms |\n", b.last, b.worst);
    std::printf("file size after %d messages: %lld bytes\n", messages, static_cast<long long>(QFile(kept).size()));
    return 0;
}
