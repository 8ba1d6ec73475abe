#include "sim/mvb_commands.h"

namespace sim {

namespace {

using Result = CommandInterpreter::Result;

constexpr qint64 kMaxLogicalAddress = 4095;

std::optional<quint16> portArg(const QStringList& args, int i, QString* error)
{
    const auto v = CommandInterpreter::parseNumber(args.value(i), 0, kMaxLogicalAddress, QStringLiteral("port"), error);
    if (!v)
        return std::nullopt;
    return quint16(*v);
}

QString hexWord(quint16 w)
{
    return QStringLiteral("0x%1").arg(w, 4, 16, QLatin1Char('0'));
}

QString directionName(PortDirection d)
{
    switch (d) {
    case PortDirection::None: return QStringLiteral("none");
    case PortDirection::Sink: return QStringLiteral("sink");
    case PortDirection::Source: return QStringLiteral("source");
    case PortDirection::Other: return QStringLiteral("other");
    }
    return QString();
}

} // namespace

std::optional<SetArgs> parseSetArgs(const QStringList& args, QString* error)
{
    if (args.size() != 3) {
        *error = QStringLiteral("usage: set <port> <word> <value>");
        return std::nullopt;
    }
    const auto port = portArg(args, 0, error);
    const auto word = port ? CommandInterpreter::parseNumber(args[1], 0, MvbControllerEmulator::kMaxPortWords - 1,
                                                             QStringLiteral("word"), error)
                           : std::nullopt;
    const auto value =
        word ? CommandInterpreter::parseNumber(args[2], 0, 0xFFFF, QStringLiteral("value"), error) : std::nullopt;
    if (!value)
        return std::nullopt;
    return SetArgs{*port, int(*word), quint16(*value)};
}

std::optional<PublishArgs> parsePublishArgs(const QStringList& args, QString* error)
{
    if (args.size() < 2 || args.size() > 1 + MvbControllerEmulator::kMaxPortWords) {
        *error = QStringLiteral("usage: publish <port> <w0> [<w1> ... <w15>]");
        return std::nullopt;
    }
    const auto port = portArg(args, 0, error);
    if (!port)
        return std::nullopt;
    PublishArgs parsed{*port, {}};
    for (int i = 1; i < args.size(); ++i) {
        const auto w = CommandInterpreter::parseNumber(args[i], 0, 0xFFFF, QStringLiteral("word"), error);
        if (!w)
            return std::nullopt;
        parsed.words.append(quint16(*w));
    }
    return parsed;
}

QString formatCounters(const Counters& c)
{
    return QStringLiteral("bytes_in=%1 bytes_out=%2 transactions=%3 naks=%4 reads=%5 writes=%6 nops=%7")
        .arg(c.bytesIn)
        .arg(c.bytesOut)
        .arg(c.transactions)
        .arg(c.naks)
        .arg(c.reads)
        .arg(c.writes)
        .arg(c.nops);
}

QString formatStatus(const MvbControllerEmulator& emulator)
{
    return formatCounters(emulator.counters()) +
        QStringLiteral(" state=%1 mode=%2")
            .arg(controllerStateName(emulator.state()), faultModeName(emulator.faultMode()));
}

namespace {

Result setCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    QString error;
    const auto a = parseSetArgs(args, &error);
    if (!a)
        return Result::failure(error);
    emu.setPublishedWord(a->port, a->word, a->value);
    return Result::success();
}

Result publishCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    QString error;
    const auto a = parsePublishArgs(args, &error);
    if (!a)
        return Result::failure(error);
    emu.publish(a->port, a->words);
    return Result::success();
}

Result unpublishCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    QString error;
    const auto port = args.size() == 1 ? portArg(args, 0, &error) : std::nullopt;
    if (!port)
        return Result::failure(args.size() == 1 ? error : QStringLiteral("usage: unpublish <port>"));
    emu.unpublish(*port);
    return Result::success();
}

// "stale <port>" and "fresh <port>".
Result markStale(MvbControllerEmulator& emu, const QStringList& args, bool stale)
{
    const QString name = stale ? QStringLiteral("stale") : QStringLiteral("fresh");
    QString error;
    const auto port = args.size() == 1 ? portArg(args, 0, &error) : std::nullopt;
    if (!port)
        return Result::failure(args.size() == 1 ? error : QStringLiteral("usage: %1 <port>").arg(name));
    emu.setStale(*port, stale);
    return Result::success();
}

Result staleCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    return markStale(emu, args, true);
}

Result freshCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    return markStale(emu, args, false);
}

Result errorCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    if (args.size() != 2)
        return Result::failure(QStringLiteral("usage: error <port> <bits>"));
    QString error;
    const auto port = portArg(args, 0, &error);
    const auto bits =
        port ? CommandInterpreter::parseNumber(args[1], 0, 31, QStringLiteral("bits"), &error) : std::nullopt;
    if (!bits)
        return Result::failure(error);
    emu.setPortError(*port, quint16(*bits));
    return Result::success();
}

Result modeCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    if (args.isEmpty() || args.size() > 2)
        return Result::failure(QStringLiteral("usage: mode <normal|silent|nak|short|garbage> [n]"));
    const auto mode = parseFaultMode(args[0]);
    if (!mode)
        return Result::failure(QStringLiteral("unknown mode: %1").arg(args[0]));
    qint64 shortBy = 1;
    if (args.size() == 2) {
        QString error;
        const auto n = CommandInterpreter::parseNumber(args[1], 0, 5, QStringLiteral("n"), &error);
        if (!n)
            return Result::failure(error);
        shortBy = *n;
    }
    emu.setFaultMode(*mode, int(shortBy));
    return Result::success();
}

Result sourceCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    QString error;
    const auto port = args.size() == 1 ? portArg(args, 0, &error) : std::nullopt;
    if (!port)
        return Result::failure(args.size() == 1 ? error : QStringLiteral("usage: source <port>"));
    const SourceData data = emu.readSource(*port);
    if (data.words.isEmpty())
        return Result::failure(QStringLiteral("port %1 is not a source port").arg(*port));
    QStringList words;
    for (quint16 w : data.words)
        words << hexWord(w);
    return Result::success(
        QStringLiteral("source %1 flips=%2 %3").arg(*port).arg(data.flips).arg(words.join(QLatin1Char(' '))));
}

Result portsCommand(MvbControllerEmulator& emu, const QStringList&)
{
    QStringList lines;
    for (const PortInfo& p : emu.configuredPorts())
        lines << QStringLiteral("port %1 index=%2 %3 fcode=%4 page=%5 errors=%6")
                     .arg(p.logicalAddress)
                     .arg(p.index)
                     .arg(directionName(p.direction))
                     .arg(p.fcode)
                     .arg(p.page)
                     .arg(p.errorBits);
    lines << QStringLiteral("ports %1").arg(lines.size());
    return Result::success(lines.join(QLatin1Char('\n')));
}

Result statsCommand(MvbControllerEmulator& emu, const QStringList& args)
{
    if (args.size() > 1 || (args.size() == 1 && args[0] != QLatin1String("reset")))
        return Result::failure(QStringLiteral("usage: stats [reset]"));
    const QString text = QStringLiteral("stats ") + formatStatus(emu);
    if (!args.isEmpty())
        emu.resetCounters();
    return Result::success(text);
}

using Command = Result (*)(MvbControllerEmulator&, const QStringList&);

void add(CommandInterpreter& interpreter, MvbControllerEmulator& emulator, const QString& name, const QString& usage,
         const QString& description, Command command)
{
    MvbControllerEmulator* emu = &emulator;
    interpreter.add(name, usage, description, [emu, command](const QStringList& args) { return command(*emu, args); });
}

} // namespace

void registerMvbCommands(CommandInterpreter& interpreter, MvbControllerEmulator& emulator)
{
    add(interpreter, emulator, QStringLiteral("set"), QStringLiteral("<port> <word> <value>"),
        QStringLiteral("sets one word of a port's published dataset"), setCommand);
    add(interpreter, emulator, QStringLiteral("publish"), QStringLiteral("<port> <w0> [<w1> ... <w15>]"),
        QStringLiteral("publishes a whole dataset"), publishCommand);
    add(interpreter, emulator, QStringLiteral("unpublish"), QStringLiteral("<port>"),
        QStringLiteral("stops publishing a port"), unpublishCommand);
    add(interpreter, emulator, QStringLiteral("stale"), QStringLiteral("<port>"),
        QStringLiteral("makes a port read as long unpublished"), staleCommand);
    add(interpreter, emulator, QStringLiteral("fresh"), QStringLiteral("<port>"),
        QStringLiteral("publishes a stale port again"), freshCommand);
    add(interpreter, emulator, QStringLiteral("error"), QStringLiteral("<port> <bits>"),
        QStringLiteral("injects port error bits 0..31 (0 ends it)"), errorCommand);
    add(interpreter, emulator, QStringLiteral("mode"), QStringLiteral("<normal|silent|nak|short|garbage> [n]"),
        QStringLiteral("sets the controller's fault mode (n: bytes lost per short reply)"), modeCommand);
    add(interpreter, emulator, QStringLiteral("source"), QStringLiteral("<port>"),
        QStringLiteral("shows the latest data the display wrote to a source port"), sourceCommand);
    add(interpreter, emulator, QStringLiteral("ports"), QString(),
        QStringLiteral("lists the ports the display has configured"), portsCommand);
    add(interpreter, emulator, QStringLiteral("stats"), QStringLiteral("[reset]"),
        QStringLiteral("prints the controller's counters (reset: and clears them)"), statsCommand);
}

} // namespace sim
