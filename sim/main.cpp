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

// The command line, checked: what the parts of the simulator are set up with.
struct Settings {
    sim::VehicleModel::Options vehicle;
    double timeScale = 1.0;
    sim::FaultMode mode = sim::FaultMode::Normal;
    QString mvbLink;
    QString keypadLink;
    QString touchLink;
    QString statsPath;
    bool paced = false;
    bool keepRunning = false;
};

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Cab simulator: emulated MVB controller with a vehicle model, "
                                                    "keypad and touch controller on pseudo-terminals."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("link"), QStringLiteral("Symbolic link to the MVB pty."), QStringLiteral("path")},
        {QStringLiteral("mode"), QStringLiteral("Controller mode: normal, silent, nak, short or garbage."),
         QStringLiteral("mode"), QStringLiteral("normal")},
        {QStringLiteral("paced"), QStringLiteral("Pace replies like the 460800 baud 8O1 line.")},
        {QStringLiteral("stats-file"), QStringLiteral("Writes the counters to this file every second."),
         QStringLiteral("path")},
        {QStringLiteral("scenario"),
         QStringLiteral("Vehicle scenario: %1.").arg(sim::scenarioNames().join(QStringLiteral(", "))),
         QStringLiteral("name"), QStringLiteral("run")},
        {QStringLiteral("stale-ports"),
         QStringLiteral("Ports that go quiet in the stale scenario (default: the FLG1 ports)."),
         QStringLiteral("list")},
        {QStringLiteral("stale-after"), QStringLiteral("Seconds of model time until they go quiet (default 20)."),
         QStringLiteral("seconds"), QStringLiteral("20")},
        {QStringLiteral("time-scale"), QStringLiteral("Model seconds per real second (default 1)."),
         QStringLiteral("factor"), QStringLiteral("1")},
        {QStringLiteral("cab"), QStringLiteral("Active cab of the loco: 1 or 2 (default 1)."), QStringLiteral("cab"),
         QStringLiteral("1")},
        {QStringLiteral("keypad-link"), QStringLiteral("Symbolic link to the keypad pty."), QStringLiteral("path")},
        {QStringLiteral("touch-link"), QStringLiteral("Symbolic link to the touch pty."), QStringLiteral("path")},
        {QStringLiteral("keep-running"),
         QStringLiteral("Go on after standard input ends and after the parent process ends (run detached).")},
    });
}

// Prints "ddu-sim: <what> <value><tail>" to standard error; false, for the caller to return.
bool rejected(const char* what, const QString& value, const char* tail = "")
{
    std::fprintf(stderr, "ddu-sim: %s %s%s\n", what, qPrintable(value), tail);
    return false;
}

// Scenario, stale ports and time, time scale and active cab.
bool readVehicleSettings(const QCommandLineParser& parser, Settings& settings)
{
    const QString scenarioText = parser.value(QStringLiteral("scenario"));
    const auto scenario = sim::parseScenario(scenarioText);
    if (!scenario)
        return rejected("unknown scenario", scenarioText);
    settings.vehicle.scenario = *scenario;
    if (parser.isSet(QStringLiteral("stale-ports"))) {
        const QString list = parser.value(QStringLiteral("stale-ports"));
        const auto ports = parsePortList(list);
        if (!ports)
            return rejected("bad port list", list);
        settings.vehicle.stalePorts = *ports;
    }
    bool ok = false;
    const QString staleText = parser.value(QStringLiteral("stale-after"));
    const double staleAfter = staleText.toDouble(&ok);
    if (!ok || staleAfter < 0.0 || staleAfter > 86400.0)
        return rejected("bad --stale-after", staleText);
    settings.vehicle.staleAfterMs = qint64(staleAfter * 1000.0);
    const QString scaleText = parser.value(QStringLiteral("time-scale"));
    settings.timeScale = scaleText.toDouble(&ok);
    if (!ok || settings.timeScale < 0.01 || settings.timeScale > 1000.0)
        return rejected("bad --time-scale", scaleText, " (0.01 .. 1000)");
    const QString cab = parser.value(QStringLiteral("cab"));
    if (cab != QLatin1String("1") && cab != QLatin1String("2"))
        return rejected("bad --cab", cab, " (1 or 2)");
    settings.vehicle.activeCab = cab.toInt();
    return true;
}

std::optional<Settings> readSettings(const QCommandLineParser& parser)
{
    Settings settings;
    settings.keepRunning = parser.isSet(QStringLiteral("keep-running"));
    if (!readVehicleSettings(parser, settings))
        return std::nullopt;
    const QString modeText = parser.value(QStringLiteral("mode"));
    const auto mode = sim::parseFaultMode(modeText);
    if (!mode) {
        rejected("unknown mode", modeText);
        return std::nullopt;
    }
    settings.mode = *mode;
    settings.mvbLink = parser.value(QStringLiteral("link"));
    settings.keypadLink = parser.value(QStringLiteral("keypad-link"));
    settings.touchLink = parser.value(QStringLiteral("touch-link"));
    settings.statsPath = parser.value(QStringLiteral("stats-file"));
    settings.paced = parser.isSet(QStringLiteral("paced"));
    return settings;
}

// The running simulator: the controller and its pty, the keypad and touch
// ptys, the vehicle model and the commands that reach all of them. Started
// in steps by main(); run() owns the event loop and the orderly shutdown.
class Simulator {
public:
    explicit Simulator(const Settings& settings);

    // Opens the MVB, keypad and touch ptys; false (reason printed) when one fails.
    bool openPtys();
    // Starts the vehicle model, registers the commands, announces the ptys and starts the statistics file.
    void start();
    // Reads commands until quit, end of input (unless kept running) or a termination signal.
    int run(QCoreApplication& app);

private:
    bool openPty(sim::PtyServer& pty, const char* name);
    void startVehicle();
    void registerCommands();
    void announcePtys();
    void startStatsFile();
    void shutdown();

    const Settings m_settings;
    sim::MvbControllerEmulator m_mvb;
    sim::PtyServer m_mvbPty;
    sim::PtyServer m_keypadPty;
    sim::PtyServer m_touchPty;
    sim::PanelInjector m_panel;
    sim::VehicleModel m_vehicle;
    QElapsedTimer m_vehicleClock;
    QTimer m_vehicleTimer;
    sim::CommandInterpreter m_commands;
    QTimer m_statsTimer;
};

Simulator::Simulator(const Settings& settings)
    : m_settings(settings)
    , m_mvbPty(m_mvb)
    , m_keypadPty(ignoreInput)
    , m_touchPty(ignoreInput)
    , m_panel([this](const QByteArray& b) { m_keypadPty.send(b); }, [this](const QByteArray& b) { m_touchPty.send(b); },
              [](const QString& line) {
                  std::printf("%s\n", line.toLocal8Bit().constData());
                  std::fflush(stdout);
              })
    , m_vehicle(m_mvb, settings.vehicle)
{
    m_mvb.setFaultMode(settings.mode);
}

bool Simulator::openPty(sim::PtyServer& pty, const char* name)
{
    QString error;
    if (pty.start(&error))
        return true;
    std::fprintf(stderr, "ddu-sim: cannot open the %s pty: %s\n", name, qPrintable(error));
    return false;
}

bool Simulator::openPtys()
{
    m_mvbPty.setLinkPath(m_settings.mvbLink);
    m_mvbPty.setPacing(m_settings.paced);
    if (!openPty(m_mvbPty, "MVB"))
        return false;
    m_keypadPty.setLinkPath(m_settings.keypadLink);
    m_touchPty.setLinkPath(m_settings.touchLink);
    return openPty(m_keypadPty, "keypad") && openPty(m_touchPty, "touch");
}

void Simulator::start()
{
    startVehicle();
    registerCommands();
    announcePtys();
    startStatsFile();
}

void Simulator::startVehicle()
{
    m_vehicle.setTimeScale(m_settings.timeScale);
    m_vehicle.attachToEmulator();
    m_vehicle.publish();
    m_vehicleClock.start();
    QObject::connect(&m_vehicleTimer, &QTimer::timeout, [this] { m_vehicle.tick(m_vehicleClock.restart()); });
    m_vehicleTimer.start(kModelTickMs);
}

void Simulator::registerCommands()
{
    sim::registerMvbCommands(m_commands, m_mvb);
    sim::registerVehicleCommands(m_commands, m_vehicle, m_mvb);
    sim::registerPanelCommands(m_commands, m_panel);
}

void Simulator::announcePtys()
{
    announce("MVB", m_mvbPty.slavePath());
    announce("KEYPAD", m_keypadPty.slavePath());
    announce("TOUCH", m_touchPty.slavePath());
}

void Simulator::startStatsFile()
{
    if (m_settings.statsPath.isEmpty())
        return;
    QObject::connect(&m_statsTimer, &QTimer::timeout, [this] { writeStatsFile(m_settings.statsPath, m_mvb); });
    m_statsTimer.start(1000);
    writeStatsFile(m_settings.statsPath, m_mvb);
}

int Simulator::run(QCoreApplication& app)
{
    sim::StdinCommandReader reader(m_commands);
    QObject::connect(&reader, &sim::StdinCommandReader::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!m_settings.keepRunning)
        QObject::connect(&reader, &sim::StdinCommandReader::endOfInput, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    platform::quitOnTerminationSignals();

    const int rc = QCoreApplication::exec();
    shutdown();
    return rc;
}

// The model stops before the ptys close; the final counters are written last.
void Simulator::shutdown()
{
    m_vehicleTimer.stop();
    m_mvb.setSourceListener({});
    m_touchPty.stop();
    m_keypadPty.stop();
    m_mvbPty.stop();
    if (!m_settings.statsPath.isEmpty())
        writeStatsFile(m_settings.statsPath, m_mvb);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ddu-sim"));

    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
    // A simulator left behind by a crashed test or script would hold its
    // ptys for ever: it ends with its parent and at the end of its input.
    if (!parser.isSet(QStringLiteral("keep-running")))
        platform::endWithParent();
    const auto settings = readSettings(parser);
    if (!settings)
        return 2;

    Simulator simulator(*settings);
    if (!simulator.openPtys())
        return 1;
    simulator.start();
    return simulator.run(app);
}
