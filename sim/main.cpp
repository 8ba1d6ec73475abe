// ddu-sim: the cab simulator. Serves an emulated MVB controller on a
// pseudo-terminal and takes commands on standard input.
//
// Layout: one QCoreApplication event loop in the main thread (standard input,
// signals, periodic jobs such as the statistics file), and one thread per
// pseudo-terminal (PtyServer). Each simulated part registers its commands with
// the one CommandInterpreter; each pty announces itself with one line
// "<NAME> <path>" on standard output before commands are read.

#include "sim/command_interpreter.h"
#include "sim/mvb_commands.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/pty_server.h"
#include "sim/stdin_reader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>
#include <QTimer>

#include <cstdio>

namespace {

void announce(const char* name, const QString& path)
{
    std::printf("%s %s\n", name, path.toLocal8Bit().constData());
    std::fflush(stdout);
}

bool writeStatsFile(const QString& path, const sim::MvbControllerEmulator& emulator)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QString text = sim::formatStatus(emulator);
    text.replace(QLatin1Char(' '), QLatin1Char('\n'));
    file.write(text.toUtf8() + '\n');
    return file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ddu-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Cab simulator: emulated MVB controller on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"), QStringLiteral("Symbolic link to the MVB pty."),
                                        QStringLiteral("path"));
    const QCommandLineOption modeOption(QStringLiteral("mode"),
                                        QStringLiteral("Controller mode: normal, silent, nak, short or garbage."),
                                        QStringLiteral("mode"), QStringLiteral("normal"));
    const QCommandLineOption pacedOption(QStringLiteral("paced"),
                                         QStringLiteral("Pace replies like the 460800 baud 8O1 line."));
    const QCommandLineOption statsOption(QStringLiteral("stats-file"),
                                         QStringLiteral("Writes the counters to this file every second."),
                                         QStringLiteral("path"));
    parser.addOptions({linkOption, modeOption, pacedOption, statsOption});
    parser.process(app);

    const auto mode = sim::parseFaultMode(parser.value(modeOption));
    if (!mode) {
        std::fprintf(stderr, "ddu-sim: unknown mode %s\n", qPrintable(parser.value(modeOption)));
        return 2;
    }

    // ---- MVB controller ----
    sim::MvbControllerEmulator mvb;
    mvb.setFaultMode(*mode);
    sim::PtyServer mvbPty(mvb);
    mvbPty.setLinkPath(parser.value(linkOption));
    mvbPty.setPacing(parser.isSet(pacedOption));
    QString error;
    if (!mvbPty.start(&error)) {
        std::fprintf(stderr, "ddu-sim: cannot open the MVB pty: %s\n", qPrintable(error));
        return 1;
    }

    sim::CommandInterpreter commands;
    sim::registerMvbCommands(commands, mvb);
    // Further simulated parts (vehicle model, keypad, touch) register their
    // commands and announce their ptys here.

    announce("MVB", mvbPty.slavePath());

    // ---- statistics file ----
    const QString statsPath = parser.value(statsOption);
    QTimer statsTimer;
    if (!statsPath.isEmpty()) {
        QObject::connect(&statsTimer, &QTimer::timeout, [&] { writeStatsFile(statsPath, mvb); });
        statsTimer.start(1000);
        writeStatsFile(statsPath, mvb);
    }

    // ---- commands and termination ----
    sim::StdinCommandReader reader(commands);
    QObject::connect(&reader, &sim::StdinCommandReader::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    sim::quitOnTerminationSignals();

    const int rc = app.exec();
    mvbPty.stop();
    if (!statsPath.isEmpty())
        writeStatsFile(statsPath, mvb);
    return rc;
}
