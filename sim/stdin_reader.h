#pragma once
// Reads command lines from a descriptor (standard input by default) inside the
// Qt event loop and runs them through a CommandInterpreter. Command output goes
// to standard output (flushed per line), errors to standard error as
// "error: <reason>". End of input only stops reading: the simulator keeps
// running (it may well be started with no standard input at all).

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

namespace sim {

class CommandInterpreter;

class StdinCommandReader : public QObject {
    Q_OBJECT
public:
    using Sink = std::function<void(const QString& text)>;

    explicit StdinCommandReader(CommandInterpreter& interpreter, int fd = 0, QObject* parent = nullptr);

    // Replaces the standard output / standard error writers (for tests).
    void setSinks(Sink output, Sink error);
    // Runs one line as if it had been read.
    void handleLine(const QString& line);

signals:
    void quitRequested();
    void endOfInput();

private:
    void readAvailable();

    CommandInterpreter& m_interpreter;
    int m_fd;
    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_buffer;
    Sink m_output;
    Sink m_error;
};

} // namespace sim
