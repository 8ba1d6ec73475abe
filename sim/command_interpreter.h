#pragma once
// Line commands of the cab simulator ("set 3100 0 0x1234", "stale 3100",
// "stats", "quit"). A registry: each part of the simulator (controller
// emulator, vehicle model, keypad, touch) adds its own commands; the
// interpreter splits a line into words and calls the handler of the first.
//
// Blank lines and lines starting with '#' do nothing. "help" lists every
// command with its usage; "quit" asks the program to stop. Handlers run on the
// thread that calls execute().

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace sim {

class CommandInterpreter {
public:
    struct Result {
        bool ok = true;
        bool quit = false;
        QString output; // text for standard output (without trailing newline), may be empty
        QString error;  // reason when !ok

        static Result success(const QString& output = QString()) { return {true, false, output, QString()}; }
        static Result failure(const QString& error) { return {false, false, QString(), error}; }
    };
    // `args` are the words after the command name.
    using Handler = std::function<Result(const QStringList& args)>;

    CommandInterpreter();

    // Adds (or replaces) a command. `usage` is the argument synopsis, e.g. "<port> <word> <value>".
    void add(const QString& name, const QString& usage, const QString& description, Handler handler);
    bool has(const QString& name) const { return m_commands.contains(name); }
    QStringList names() const { return m_commands.keys(); }
    QString helpText() const;

    Result execute(const QString& line);

    // Number parsing shared by command handlers: decimal, or hexadecimal with 0x.
    static std::optional<qint64> parseNumber(const QString& text);
    // Parses `text` as a number within [min, max]; on failure sets `error`.
    static std::optional<qint64> parseNumber(const QString& text, qint64 min, qint64 max, const QString& what,
                                             QString* error);

private:
    struct Command {
        QString usage;
        QString description;
        Handler handler;
    };
    QMap<QString, Command> m_commands;
};

} // namespace sim
