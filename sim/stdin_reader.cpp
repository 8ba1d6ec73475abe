#include "sim/stdin_reader.h"

#include "sim/command_interpreter.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {

void writeLine(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

StdinCommandReader::StdinCommandReader(CommandInterpreter& interpreter, int fd, QObject* parent)
    : QObject(parent)
    , m_interpreter(interpreter)
    , m_fd(fd)
    , m_output([](const QString& t) { writeLine(stdout, t); })
    , m_error([](const QString& t) { writeLine(stderr, t); })
{
    if (fd >= 0 && fcntl(fd, F_GETFD) >= 0) {
        m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &StdinCommandReader::readAvailable);
    }
}

void StdinCommandReader::setSinks(Sink output, Sink error)
{
    m_output = std::move(output);
    m_error = std::move(error);
}

void StdinCommandReader::handleLine(const QString& line)
{
    const CommandInterpreter::Result result = m_interpreter.execute(line);
    if (!result.ok)
        m_error(QStringLiteral("error: ") + result.error);
    else if (!result.output.isEmpty())
        m_output(result.output);
    if (result.quit)
        emit quitRequested();
}

void StdinCommandReader::readAvailable()
{
    char chunk[4096];
    const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
    if (n <= 0) {
        if (n < 0 && errno == EINTR)
            return;
        m_notifier->setEnabled(false);
        if (!m_buffer.isEmpty()) {
            const QByteArray last = m_buffer;
            m_buffer.clear();
            handleLine(QString::fromLocal8Bit(last));
        }
        emit endOfInput();
        return;
    }
    m_buffer.append(chunk, int(n));
    int newline;
    while ((newline = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_buffer.left(newline);
        m_buffer.remove(0, newline + 1);
        handleLine(QString::fromLocal8Bit(line));
    }
}

} // namespace sim
