// ddu-sim: the cab simulator. Serves an emulated MVB controller on a
// pseudo-terminal, runs a vehicle model that publishes the locomotive's
// process data through it, plays the keypad and the touch controller on two
// more pseudo-terminals, and takes commands on standard input.
//
// Layout: one QCoreApplication event loop in the main thread (standard input,
// signals, periodic jobs such as the statistics file), and one thread per
// pseudo-terminal (PtyServer). Each simulated part registers its commands with
// the one CommandInterpreter; each pty announces itself with one line
// "<NAME> <path>" on standard output before commands are read. It ends on
// "quit", SIGINT/SIGTERM, at the end of its standard input and when its
// parent process ends (the last two not with --keep-running).

#include "platform/termination.h"
#include "sim/command_interpreter.h"
#include "sim/mvb_commands.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/panel_input.h"
#include "sim/pty_server.h"
#include "sim/stdin_reader.h"
#include "sim/vehicle_commands.h"
#include "sim/vehicle_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QTimer>

#include <cstdio>
#include <optional>

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

std::optional<QVector<quint16>> parsePortList(const QString& text)
{
    QVector<quint16> ports;
    for (const QString& item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto port = sim::CommandInterpreter::parseNumber(item.trimmed(), 0, 4095, QString(), nullptr);
        if (!port)
            return std::nullopt;
        ports << quint16(*port);
    }
    if (ports.isEmpty())
        return std::nullopt;
    return ports;
}

// Replies nothing: the keypad and the touch controller only talk.
QByteArray ignoreInput(const QByteArray&)
{
    return QByteArray();
}

constexpr int kModelTickMs = 100;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ddu-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Cab simulator: emulated MVB controller with a vehicle model, "
                                                    "keypad and touch controller on pseudo-terminals."));
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
    const QCommandLineOption scenarioOption(
        QStringLiteral("scenario"),
        QStringLiteral("Vehicle scenario: %1.").arg(sim::scenarioNames().join(QStringLiteral(", "))),
        QStringLiteral("name"), QStringLiteral("run"));
    const QCommandLineOption stalePortsOption(
        QStringLiteral("stale-ports"),
        QStringLiteral("Ports that go quiet in the stale scenario (default: the FLG1 ports)."), QStringLiteral("list"));
    const QCommandLineOption staleAfterOption(QStringLiteral("stale-after"),
                                              QStringLiteral("Seconds of model time until they go quiet (default 20)."),
                                              QStringLiteral("seconds"), QStringLiteral("20"));
    const QCommandLineOption timeScaleOption(QStringLiteral("time-scale"),
                                             QStringLiteral("Model seconds per real second (default 1)."),
                                             QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption cabOption(QStringLiteral("cab"),
                                       QStringLiteral("Active cab of the loco: 1 or 2 (default 1)."),
                                       QStringLiteral("cab"), QStringLiteral("1"));
    const QCommandLineOption keypadLinkOption(
        QStringLiteral("keypad-link"), QStringLiteral("Symbolic link to the keypad pty."), QStringLiteral("path"));
    const QCommandLineOption touchLinkOption(QStringLiteral("touch-link"),
                                             QStringLiteral("Symbolic link to the touch pty."), QStringLiteral("path"));
    const QCommandLineOption keepRunningOption(
        QStringLiteral("keep-running"),
        QStringLiteral("Go on after standard input ends and after the parent process ends (run detached)."));
    parser.addOptions({linkOption, modeOption, pacedOption, statsOption, scenarioOption, stalePortsOption,
                       staleAfterOption, timeScaleOption, cabOption, keypadLinkOption, touchLinkOption,
                       keepRunningOption});
    parser.process(app);
    // A simulator left behind by a crashed test or script would hold its
    // ptys for ever: it ends with its parent and at the end of its input.
    const bool keepRunning = parser.isSet(keepRunningOption);
    if (!keepRunning)
        platform::endWithParent();

    sim::VehicleModel::Options vehicleOptions;
    const auto scenario = sim::parseScenario(parser.value(scenarioOption));
    if (!scenario) {
        std::fprintf(stderr, "ddu-sim: unknown scenario %s\n", qPrintable(parser.value(scenarioOption)));
        return 2;
    }
    vehicleOptions.scenario = *scenario;
    if (parser.isSet(stalePortsOption)) {
        const auto ports = parsePortList(parser.value(stalePortsOption));
        if (!ports) {
            std::fprintf(stderr, "ddu-sim: bad port list %s\n", qPrintable(parser.value(stalePortsOption)));
            return 2;
        }
        vehicleOptions.stalePorts = *ports;
    }
    bool ok = false;
    const double staleAfter = parser.value(staleAfterOption).toDouble(&ok);
    if (!ok || staleAfter < 0.0 || staleAfter > 86400.0) {
        std::fprintf(stderr, "ddu-sim: bad --stale-after %s\n", qPrintable(parser.value(staleAfterOption)));
        return 2;
    }
    vehicleOptions.staleAfterMs = qint64(staleAfter * 1000.0);
    const double timeScale = parser.value(timeScaleOption).toDouble(&ok);
    if (!ok || timeScale < 0.01 || timeScale > 1000.0) {
        std::fprintf(stderr, "ddu-sim: bad --time-scale %s (0.01 .. 1000)\n",
                     qPrintable(parser.value(timeScaleOption)));
        return 2;
    }
    const QString cab = parser.value(cabOption);
    if (cab != QLatin1String("1") && cab != QLatin1String("2")) {
        std::fprintf(stderr, "ddu-sim: bad --cab %s (1 or 2)\n", qPrintable(cab));
        return 2;
    }
    vehicleOptions.activeCab = cab.toInt();

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

    // ---- keypad and touch controller ----
    sim::PtyServer keypadPty(ignoreInput);
    keypadPty.setLinkPath(parser.value(keypadLinkOption));
    sim::PtyServer touchPty(ignoreInput);
    touchPty.setLinkPath(parser.value(touchLinkOption));
    if (!keypadPty.start(&error)) {
        std::fprintf(stderr, "ddu-sim: cannot open the keypad pty: %s\n", qPrintable(error));
        return 1;
    }
    if (!touchPty.start(&error)) {
        std::fprintf(stderr, "ddu-sim: cannot open the touch pty: %s\n", qPrintable(error));
        return 1;
    }
    sim::PanelInjector panel([&keypadPty](const QByteArray& b) { keypadPty.send(b); },
                             [&touchPty](const QByteArray& b) { touchPty.send(b); },
                             [](const QString& line) {
                                 std::printf("%s\n", line.toLocal8Bit().constData());
                                 std::fflush(stdout);
                             });

    // ---- vehicle model ----
    sim::VehicleModel vehicle(mvb, vehicleOptions);
    vehicle.setTimeScale(timeScale);
    vehicle.attachToEmulator();
    vehicle.publish();
    QElapsedTimer vehicleClock;
    vehicleClock.start();
    QTimer vehicleTimer;
    QObject::connect(&vehicleTimer, &QTimer::timeout, [&] { vehicle.tick(vehicleClock.restart()); });
    vehicleTimer.start(kModelTickMs);

    sim::CommandInterpreter commands;
    sim::registerMvbCommands(commands, mvb);
    sim::registerVehicleCommands(commands, vehicle, mvb);
    sim::registerPanelCommands(commands, panel);

    announce("MVB", mvbPty.slavePath());
    announce("KEYPAD", keypadPty.slavePath());
    announce("TOUCH", touchPty.slavePath());

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
    if (!keepRunning)
        QObject::connect(&reader, &sim::StdinCommandReader::endOfInput, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    platform::quitOnTerminationSignals();

    const int rc = app.exec();
    vehicleTimer.stop();
    mvb.setSourceListener({});
    touchPty.stop();
    keypadPty.stop();
    mvbPty.stop();
    if (!statsPath.isEmpty())
        writeStatsFile(statsPath, mvb);
    return rc;
}
