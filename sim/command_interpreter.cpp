#include "sim/command_interpreter.h"

#include <QRegularExpression>

namespace sim {

CommandInterpreter::CommandInterpreter()
{
    add(QStringLiteral("help"), QString(), QStringLiteral("lists the commands"),
        [this](const QStringList&) { return Result::success(helpText()); });
    add(QStringLiteral("quit"), QString(), QStringLiteral("stops the simulator"), [](const QStringList& args) {
        if (!args.isEmpty())
            return Result::failure(QStringLiteral("quit takes no arguments"));
        Result r;
        r.quit = true;
        return r;
    });
}

void CommandInterpreter::add(const QString& name, const QString& usage, const QString& description, Handler handler)
{
    m_commands.insert(name, Command{usage, description, std::move(handler)});
}

QString CommandInterpreter::helpText() const
{
    QStringList lines;
    for (auto it = m_commands.constBegin(); it != m_commands.constEnd(); ++it) {
        QString synopsis = it.key();
        if (!it->usage.isEmpty())
            synopsis += QLatin1Char(' ') + it->usage;
        lines << QStringLiteral("%1  %2").arg(synopsis, -36).arg(it->description);
    }
    return lines.join(QLatin1Char('\n'));
}

CommandInterpreter::Result CommandInterpreter::execute(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return Result::success();
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QStringList words = trimmed.split(space, Qt::SkipEmptyParts);
    const QString name = words.takeFirst();
    const auto it = m_commands.constFind(name);
    if (it == m_commands.constEnd())
        return Result::failure(QStringLiteral("unknown command: %1").arg(name));
    return it->handler(words);
}

std::optional<qint64> CommandInterpreter::parseNumber(const QString& text)
{
    bool ok = false;
    qint64 value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toLongLong(&ok, 16);
    else
        value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<qint64> CommandInterpreter::parseNumber(const QString& text, qint64 min, qint64 max, const QString& what,
                                                      QString* error)
{
    const auto value = parseNumber(text);
    if (!value || *value < min || *value > max) {
        if (error)
            *error = QStringLiteral("%1 must be a number from %2 to %3: %4").arg(what).arg(min).arg(max).arg(text);
        return std::nullopt;
    }
    return value;
}

} // namespace sim
