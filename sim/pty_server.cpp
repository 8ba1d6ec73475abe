#include "sim/pty_server.h"

#include "sim/mvb_controller_emulator.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

double lineTimeMicros(int bytes, int baud, int bitsPerByte)
{
    if (baud <= 0)
        return 0.0;
    return double(bytes) * bitsPerByte * 1e6 / baud;
}

PtyServer::PtyServer(Handler handler, IdleHook idle)
    : m_handler(std::move(handler))
    , m_idle(std::move(idle))
{
}

PtyServer::PtyServer(MvbControllerEmulator& emulator)
    : PtyServer([&emulator](const QByteArray& in) { return emulator.process(in); },
                [&emulator] { emulator.serviceTransfers(); })
{
}

PtyServer::~PtyServer()
{
    stop();
}

void PtyServer::setLinkPath(const QString& path)
{
    m_linkPath = path;
}

void PtyServer::setPacing(bool enabled, int baud, int bitsPerByte)
{
    m_paced = enabled;
    m_baud = baud;
    m_bitsPerByte = bitsPerByte;
}

void PtyServer::setIdleIntervalMs(int ms)
{
    m_idleMs = ms > 0 ? ms : 1;
}

namespace {

bool setCloexec(int fd)
{
    const int flags = fcntl(fd, F_GETFD);
    return flags >= 0 && fcntl(fd, F_SETFD, flags | FD_CLOEXEC) == 0;
}

QString errnoText(const char* what)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

bool PtyServer::start(QString* error)
{
    if (m_running)
        return true;
    const auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        closeAll();
        return false;
    };

    if (openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0)
        return fail(errnoText("openpty"));
    setCloexec(m_master);
    setCloexec(m_slave);
    const int flags = fcntl(m_master, F_GETFL);
    if (flags < 0 || fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail(errnoText("fcntl"));

    termios tio{};
    if (tcgetattr(m_slave, &tio) != 0)
        return fail(errnoText("tcgetattr"));
    cfmakeraw(&tio);
    cfsetispeed(&tio, B460800);
    cfsetospeed(&tio, B460800);
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(m_slave, TCSANOW, &tio) != 0)
        return fail(errnoText("tcsetattr"));

    char name[128] = {};
    if (ptsname_r(m_master, name, sizeof name) != 0)
        return fail(errnoText("ptsname"));
    m_slavePath = QString::fromLocal8Bit(name);

    if (pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(errnoText("pipe"));

    if (!m_linkPath.isEmpty()) {
        const QByteArray link = QFile::encodeName(m_linkPath);
        struct stat st { };
        if (lstat(link.constData(), &st) == 0) {
            if (!S_ISLNK(st.st_mode))
                return fail(QStringLiteral("%1 exists and is not a symbolic link").arg(m_linkPath));
            if (unlink(link.constData()) != 0)
                return fail(errnoText("unlink"));
        }
        if (symlink(name, link.constData()) != 0)
            return fail(errnoText("symlink"));
        m_linkCreated = true;
    }

    m_stopRequested = false;
    m_owedBytes = 0;
    m_running = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void PtyServer::stop()
{
    if (m_thread.joinable()) {
        m_stopRequested = true;
        const char b = 1;
        [[maybe_unused]] ssize_t n = ::write(m_wake[1], &b, 1);
        m_thread.join();
    }
    m_running = false;
    closeAll();
}

void PtyServer::closeAll()
{
    if (m_linkCreated) {
        const QByteArray link = QFile::encodeName(m_linkPath);
        char target[256] = {};
        const ssize_t n = readlink(link.constData(), target, sizeof target - 1);
        if (n > 0 && QString::fromLocal8Bit(target, int(n)) == m_slavePath)
            unlink(link.constData());
        m_linkCreated = false;
    }
    for (int* fd : {&m_master, &m_slave, &m_wake[0], &m_wake[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void PtyServer::send(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    {
        std::lock_guard<std::mutex> lock(m_outMutex);
        m_outQueue.append(bytes);
    }
    if (m_wake[1] >= 0) {
        const char b = 0;
        [[maybe_unused]] ssize_t n = ::write(m_wake[1], &b, 1);
    }
}

void PtyServer::paceBefore(int replyBytes)
{
    if (!m_paced)
        return;
    if (m_owedBytes == 0)
        m_owedSince = std::chrono::steady_clock::now();
    const double micros = lineTimeMicros(m_owedBytes + replyBytes, m_baud, m_bitsPerByte);
    std::this_thread::sleep_until(m_owedSince + std::chrono::nanoseconds(qint64(micros * 1000.0)));
    m_owedBytes = 0;
}

void PtyServer::writeAll(const QByteArray& bytes)
{
    int done = 0;
    while (done < bytes.size() && !m_stopRequested) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += int(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return; // the pty is gone; nothing sensible left to do
        pollfd fds[2] = {{m_master, POLLOUT, 0}, {m_wake[0], POLLIN, 0}};
        poll(fds, 2, 100);
    }
}

void PtyServer::run()
{
    // Paced replies sleep for tens of microseconds at a time: keep the
    // kernel's default 50 us timer slack from stretching every one of them.
    if (m_paced)
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    QByteArray buffer(4096, 0);
    while (!m_stopRequested) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        const int r = poll(fds, 2, m_idleMs);
        if (m_stopRequested)
            break;
        if (r < 0 && errno != EINTR)
            break;
        if (r > 0 && (fds[1].revents & POLLIN)) {
            char drain[64];
            while (::read(m_wake[0], drain, sizeof drain) > 0) { }
            QByteArray out;
            {
                std::lock_guard<std::mutex> lock(m_outMutex);
                out.swap(m_outQueue);
            }
            if (!out.isEmpty()) {
                paceBefore(out.size());
                writeAll(out);
            }
        }
        if (r > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t n = ::read(m_master, buffer.data(), size_t(buffer.size()));
            if (n > 0) {
                ++m_chunks;
                if (m_paced && m_owedBytes == 0)
                    m_owedSince = std::chrono::steady_clock::now();
                m_owedBytes += int(n);
                const QByteArray reply = m_handler ? m_handler(QByteArray(buffer.constData(), int(n))) : QByteArray();
                if (!reply.isEmpty()) {
                    paceBefore(reply.size());
                    writeAll(reply);
                }
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                // EIO without any slave open cannot happen while we hold ours;
                // back off rather than spin if the driver reports it anyway.
                std::this_thread::sleep_for(std::chrono::milliseconds(m_idleMs));
            }
        }
        if (m_idle)
            m_idle();
    }
}

} // namespace sim
