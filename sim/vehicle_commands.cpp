#include "sim/vehicle_commands.h"

#include "sim/mvb_commands.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/vehicle_model.h"

#include <QDateTime>

#include <cmath>

namespace sim {

namespace {

using Result = CommandInterpreter::Result;

std::optional<double> parseValue(const QString& text)
{
    const QString t = text.toLower();
    if (t == QLatin1String("on") || t == QLatin1String("true"))
        return 1.0;
    if (t == QLatin1String("off") || t == QLatin1String("false"))
        return 0.0;
    if (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("-0x"))) {
        const auto n = CommandInterpreter::parseNumber(t.startsWith(QLatin1Char('-')) ? t.mid(1) : t);
        if (!n)
            return std::nullopt;
        return t.startsWith(QLatin1Char('-')) ? -double(*n) : double(*n);
    }
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<quint16> portArg(const QString& text, QString* error)
{
    const auto v = CommandInterpreter::parseNumber(text, 0, 4095, QStringLiteral("port"), error);
    return v ? std::optional<quint16>(quint16(*v)) : std::nullopt;
}

std::optional<qint64> holdArg(const QStringList& args, int index, QString* error)
{
    if (args.size() <= index)
        return qint64(-1);
    bool ok = false;
    const double seconds = args[index].toDouble(&ok);
    if (!ok || !(seconds >= 0.0) || seconds > 86400.0) {
        if (error)
            *error = QStringLiteral("seconds must be a number from 0 to 86400: %1").arg(args[index]);
        return std::nullopt;
    }
    return qint64(std::llround(seconds * 1000.0));
}

QString hexWord(quint16 w)
{
    return QStringLiteral("0x%1").arg(w, 4, 16, QLatin1Char('0'));
}

} // namespace

QString formatDdsWindow(const VehicleModel& model)
{
    const DdsLog log = model.ddsLog();
    QStringList lines;
    lines << QStringLiteral("dds top=%1 of %2").arg(log.top()).arg(log.size());
    for (const DdsEvent& e : log.window()) {
        if (e.number == 0) {
            lines << QStringLiteral("dds -");
            continue;
        }
        const QString when =
            QDateTime::fromSecsSinceEpoch(qint64(e.time), Qt::UTC).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
        lines << QStringLiteral("dds %1 %2 %3 %4 %5")
                     .arg(e.number)
                     .arg(DdsLog::processorName(e.processor))
                     .arg(e.code)
                     .arg(e.time)
                     .arg(when);
    }
    return lines.join(QLatin1Char('\n'));
}

namespace {

// ---- overrides ----

Result signalCommand(VehicleModel& m, const QStringList& args)
{
    if (args.isEmpty() || args.size() > 2)
        return Result::failure(QStringLiteral("usage: signal <name> [<value>]"));
    const SignalInfo* info = findSignal(args[0]);
    if (!info)
        return Result::failure(QStringLiteral("unknown signal: %1").arg(args[0]));
    if (args.size() == 1) {
        const QVector<quint16> words = m.portWords(info->port);
        const quint16 w = info->word < words.size() ? words[info->word] : 0;
        return Result::success(QStringLiteral("signal %1 %2 port=%3 word=%4 raw=%5")
                                   .arg(args[0])
                                   .arg(m.signalValue(args[0]).value_or(0.0))
                                   .arg(info->port)
                                   .arg(info->word)
                                   .arg(hexWord(w)));
    }
    const auto value = parseValue(args[1]);
    if (!value)
        return Result::failure(QStringLiteral("not a value: %1").arg(args[1]));
    QString error;
    if (!m.overrideSignal(args[0], *value, &error))
        return Result::failure(error);
    return Result::success();
}

Result signalsCommand(VehicleModel&, const QStringList& args)
{
    if (args.size() > 1)
        return Result::failure(QStringLiteral("usage: signals [<prefix>]"));
    const QStringList names = signalNames(args.value(0));
    if (names.isEmpty())
        return Result::failure(QStringLiteral("no signal starts with %1").arg(args.value(0)));
    return Result::success(names.join(QLatin1Char('\n')));
}

// "release <name>".
Result releaseSignal(VehicleModel& m, const QString& name)
{
    if (!findSignal(name))
        return Result::failure(QStringLiteral("unknown signal: %1").arg(name));
    if (!m.releaseSignal(name))
        return Result::failure(QStringLiteral("%1 is not overridden").arg(name));
    return Result::success();
}

// "release <port> <word>".
Result releaseWord(VehicleModel& m, const QStringList& args)
{
    QString error;
    const auto port = portArg(args[0], &error);
    const auto word = port ? CommandInterpreter::parseNumber(args[1], 0, MvbControllerEmulator::kMaxPortWords - 1,
                                                             QStringLiteral("word"), &error)
                           : std::nullopt;
    if (!word)
        return Result::failure(error);
    if (!m.releaseWord(*port, int(*word)))
        return Result::failure(QStringLiteral("port %1 word %2 is not overridden").arg(*port).arg(*word));
    return Result::success();
}

Result releaseCommand(VehicleModel& m, const QStringList& args)
{
    if (args.size() == 1 && args[0] == QLatin1String("all")) {
        m.releaseAll();
        return Result::success();
    }
    if (args.size() == 1)
        return releaseSignal(m, args[0]);
    if (args.size() == 2)
        return releaseWord(m, args);
    return Result::failure(QStringLiteral("usage: release <name> | <port> <word> | all"));
}

Result overridesCommand(VehicleModel& m, const QStringList& args)
{
    if (!args.isEmpty())
        return Result::failure(QStringLiteral("overrides takes no arguments"));
    const QStringList list = m.overrides();
    return Result::success(QStringLiteral("overrides %1%2")
                               .arg(list.size())
                               .arg(list.isEmpty() ? QString() : QLatin1Char(' ') + list.join(QLatin1Char(' '))));
}

// ---- messages ----

// "fault" (the active cab's diagnosis port) and "fault2" (the second loco).
Result raiseMessage(VehicleModel& m, const QStringList& args, bool loco2)
{
    const QString name = loco2 ? QStringLiteral("fault2") : QStringLiteral("fault");
    if (args.isEmpty() || args.size() > 2)
        return Result::failure(QStringLiteral("usage: %1 <number> [<seconds>]").arg(name));
    QString error;
    const auto number = CommandInterpreter::parseNumber(args[0], 0, 0xFFFF, QStringLiteral("number"), &error);
    const auto hold = number ? holdArg(args, 1, &error) : std::nullopt;
    if (!hold)
        return Result::failure(error);
    if (loco2)
        m.raiseLoco2Message(quint16(*number), *hold);
    else
        m.raiseMessage(quint16(*number), *hold);
    return Result::success();
}

Result faultCommand(VehicleModel& m, const QStringList& args)
{
    return raiseMessage(m, args, false);
}

Result fault2Command(VehicleModel& m, const QStringList& args)
{
    return raiseMessage(m, args, true);
}

// ---- the model's clock ----

Result scenarioCommand(VehicleModel& m, const QStringList& args)
{
    if (args.isEmpty())
        return Result::success(QStringLiteral("scenario %1").arg(scenarioName(m.scenario())));
    const auto s = args.size() == 1 ? parseScenario(args[0]) : std::nullopt;
    if (!s)
        return Result::failure(QStringLiteral("usage: scenario <%1>").arg(scenarioNames().join(QLatin1Char('|'))));
    m.setScenario(*s);
    return Result::success();
}

Result pauseCommand(VehicleModel& m, const QStringList& args)
{
    if (!args.isEmpty())
        return Result::failure(QStringLiteral("pause takes no arguments"));
    m.pause();
    return Result::success();
}

Result resumeCommand(VehicleModel& m, const QStringList& args)
{
    if (!args.isEmpty())
        return Result::failure(QStringLiteral("resume takes no arguments"));
    m.resume();
    return Result::success();
}

Result timescaleCommand(VehicleModel& m, const QStringList& args)
{
    if (args.isEmpty())
        return Result::success(QStringLiteral("timescale %1").arg(m.timeScale()));
    bool ok = false;
    const double f = args.size() == 1 ? args[0].toDouble(&ok) : 0.0;
    if (!ok || f < 0.01 || f > 1000.0)
        return Result::failure(QStringLiteral("usage: timescale <0.01 .. 1000>"));
    m.setTimeScale(f);
    return Result::success();
}

// ---- what the model shows ----

Result ddsCommand(VehicleModel& m, const QStringList& args)
{
    if (args.size() > 1)
        return Result::failure(QStringLiteral("usage: dds [up|down|top|bottom]"));
    if (args.size() == 1) {
        const QString& a = args[0];
        if (a == QLatin1String("up"))
            m.pageDds(VehicleModel::DdsPage::Up);
        else if (a == QLatin1String("down"))
            m.pageDds(VehicleModel::DdsPage::Down);
        else if (a == QLatin1String("top"))
            m.pageDds(VehicleModel::DdsPage::Top);
        else if (a == QLatin1String("bottom"))
            m.pageDds(VehicleModel::DdsPage::Bottom);
        else
            return Result::failure(QStringLiteral("usage: dds [up|down|top|bottom]"));
    }
    return Result::success(formatDdsWindow(m));
}

Result vehicleCommand(VehicleModel& m, const QStringList& args)
{
    if (!args.isEmpty())
        return Result::failure(QStringLiteral("vehicle takes no arguments"));
    return Result::success(m.summary());
}

// ---- the controller's commands, on the model's datasets ----

Result setCommand(VehicleModel& m, const QStringList& args)
{
    QString error;
    const auto a = parseSetArgs(args, &error);
    if (!a)
        return Result::failure(error);
    m.overrideWord(a->port, a->word, a->value);
    return Result::success();
}

Result publishCommand(VehicleModel& m, const QStringList& args)
{
    QString error;
    const auto a = parsePublishArgs(args, &error);
    if (!a)
        return Result::failure(error);
    for (int i = 0; i < a->words.size(); ++i)
        m.overrideWord(a->port, i, a->words[i]);
    return Result::success();
}

Result unpublishCommand(VehicleModel& m, const QStringList& args)
{
    QString error;
    const auto port = args.size() == 1 ? portArg(args[0], &error) : std::nullopt;
    if (!port)
        return Result::failure(args.size() == 1 ? error : QStringLiteral("usage: unpublish <port>"));
    m.silencePort(*port);
    return Result::success();
}

Result freshCommand(VehicleModel& m, MvbControllerEmulator& emu, const QStringList& args)
{
    QString error;
    const auto port = args.size() == 1 ? portArg(args[0], &error) : std::nullopt;
    if (!port)
        return Result::failure(args.size() == 1 ? error : QStringLiteral("usage: fresh <port>"));
    emu.setStale(*port, false);
    m.resumePort(*port);
    return Result::success();
}

// ---- registration ----

using Command = Result (*)(VehicleModel&, const QStringList&);

void add(CommandInterpreter& interpreter, VehicleModel& model, const QString& name, const QString& usage,
         const QString& description, Command command)
{
    VehicleModel* m = &model;
    interpreter.add(name, usage, description, [m, command](const QStringList& args) { return command(*m, args); });
}

void registerOverrideCommands(CommandInterpreter& interpreter, VehicleModel& model)
{
    add(interpreter, model, QStringLiteral("signal"), QStringLiteral("<name> [<value>]"),
        QStringLiteral("overrides a named signal in physical units, or prints it"), signalCommand);
    add(interpreter, model, QStringLiteral("signals"), QStringLiteral("[<prefix>]"),
        QStringLiteral("lists the named signals (starting with prefix)"), signalsCommand);
    add(interpreter, model, QStringLiteral("release"), QStringLiteral("<name> | <port> <word> | all"),
        QStringLiteral("ends an override of a signal or a word"), releaseCommand);
    add(interpreter, model, QStringLiteral("overrides"), QString(),
        QStringLiteral("lists the overridden signals and words"), overridesCommand);
}

void registerMessageCommands(CommandInterpreter& interpreter, VehicleModel& model)
{
    add(interpreter, model, QStringLiteral("fault"), QStringLiteral("<number> [<seconds>]"),
        QStringLiteral("publishes a message number on the active cab's diagnosis port"), faultCommand);
    add(interpreter, model, QStringLiteral("fault2"), QStringLiteral("<number> [<seconds>]"),
        QStringLiteral("publishes a message number of the second loco (0 clears it)"), fault2Command);
}

void registerClockCommands(CommandInterpreter& interpreter, VehicleModel& model)
{
    add(interpreter, model, QStringLiteral("scenario"), QStringLiteral("[<name>]"),
        QStringLiteral("restarts the model with a scenario (run, standstill, stale, multi, demo, none)"),
        scenarioCommand);
    add(interpreter, model, QStringLiteral("pause"), QString(), QStringLiteral("freezes the vehicle model's clock"),
        pauseCommand);
    add(interpreter, model, QStringLiteral("resume"), QString(),
        QStringLiteral("lets the vehicle model's clock run again"), resumeCommand);
    add(interpreter, model, QStringLiteral("timescale"), QStringLiteral("[<factor>]"),
        QStringLiteral("model seconds per real second (0.01 to 1000)"), timescaleCommand);
}

void registerViewCommands(CommandInterpreter& interpreter, VehicleModel& model)
{
    add(interpreter, model, QStringLiteral("dds"), QStringLiteral("[up|down|top|bottom]"),
        QStringLiteral("pages the DDS window and prints it"), ddsCommand);
    add(interpreter, model, QStringLiteral("vehicle"), QString(),
        QStringLiteral("one-line summary of the vehicle model"), vehicleCommand);
}

// Controller commands that must survive the model's publications.
void registerControllerCommands(CommandInterpreter& interpreter, VehicleModel& model, MvbControllerEmulator& emulator)
{
    add(interpreter, model, QStringLiteral("set"), QStringLiteral("<port> <word> <value>"),
        QStringLiteral("overrides one word of a port's published dataset (until release)"), setCommand);
    add(interpreter, model, QStringLiteral("publish"), QStringLiteral("<port> <w0> [<w1> ... <w15>]"),
        QStringLiteral("overrides the first words of a port's dataset (until release)"), publishCommand);
    add(interpreter, model, QStringLiteral("unpublish"), QStringLiteral("<port>"),
        QStringLiteral("stops publishing a port (its freshness then grows)"), unpublishCommand);
    VehicleModel* m = &model;
    MvbControllerEmulator* emu = &emulator;
    interpreter.add(QStringLiteral("fresh"), QStringLiteral("<port>"),
                    QStringLiteral("publishes a stale or unpublished port again"),
                    [m, emu](const QStringList& args) { return freshCommand(*m, *emu, args); });
}

} // namespace

void registerVehicleCommands(CommandInterpreter& interpreter, VehicleModel& model, MvbControllerEmulator& emulator)
{
    registerOverrideCommands(interpreter, model);
    registerMessageCommands(interpreter, model);
    registerClockCommands(interpreter, model);
    registerViewCommands(interpreter, model);
    registerControllerCommands(interpreter, model, emulator);
}

} // namespace sim
