// Serial link to the MVB controller.
//
// Every command is a blocking round trip: the frame is written, then the reply
// is read with a time-out of one second for the whole reply. Choices beyond a
// bare "one read() per reply":
//  - A reply that arrives in pieces is read on until all its bytes are in, the
//    time-out passes, or the line stays quiet for SIU_REPLY_GAP_MS after a
//    byte; bytes that never arrive stay zero, so a result never holds
//    uninitialised memory. Every reply that does not arrive whole is counted
//    (siu_IncompleteReplies) so that callers can refuse its data.
//  - Input left over from an earlier transaction (a reply that came after its
//    time-out) is discarded before a new command is sent, so a late byte of
//    one reply cannot slip into the next one.
//  - A port that could not be opened, or whose far end hung up, behaves like a
//    controller that does not answer (no reply, siu_ReadByteFailure set) but
//    without waiting, and siu_LineLost tells the caller why.
//  - siu_Interrupt() ends a wait at once from another thread (quitting never
//    waits for a time-out).

#include "mvb/mvbspc.h"

#include "mvb/mvb_log.h"
#include "platform/device_paths.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

INTEGER32 si_fileHandler = 0;
UNSIGNED8 si_ReadCmdInProgress = 0;
UNSIGNED8 siu_ReadByteFailure = 0;
UNSIGNED32 siu_RoundTrips = 0;
UNSIGNED32 siu_IncompleteReplies = 0;
UNSIGNED8 siu_LineLost = 0;

namespace {

const char kAsterisks33[] = "*********************************";

// True once siu_Init has opened the UART. Descriptor 0 is the value before
// siu_Init, so it must never be mistaken for an open port (it is stdin).
bool g_portOpen = false;

// Interruption: a flag for the fast path and an eventfd that wakes a poll.
std::atomic<bool> g_interrupted{false};
int g_wakeFd = -1;
std::once_flag g_wakeOnce;

int wakeFd()
{
    std::call_once(g_wakeOnce, [] { g_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK); });
    return g_wakeFd;
}

bool portUsable()
{
    return g_portOpen && si_fileHandler >= 0 && !siu_LineLost;
}

using Clock = std::chrono::steady_clock;

int msUntil(Clock::time_point t)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(t - Clock::now()).count();
    return ms < 0 ? 0 : static_cast<int>(ms);
}

// Writes all bytes, retrying on interruption and short writes. A failing
// line is remembered; the reply (or its absence) tells the caller the rest.
void writeAll(const unsigned char* buf, size_t len)
{
    if (!portUsable() || g_interrupted.load())
        return;
    size_t done = 0;
    while (done < len) {
        ssize_t n = ::write(si_fileHandler, buf + done, len - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            if (n < 0 && errno != EAGAIN)
                siu_LineLost = 1;
            return;
        }
    }
}

// Drops bytes that arrived after an earlier transaction gave up on them.
void discardStaleInput()
{
    if (portUsable())
        ::tcflush(si_fileHandler, TCIFLUSH);
}

} // namespace

int siu_receiveBytesWithin(unsigned char* buf, unsigned int len, int timeoutMs)
{
    std::memset(buf, 0, len);
    if (!portUsable() || g_interrupted.load()) {
        ++siu_IncompleteReplies;
        return -1;
    }
    ++siu_RoundTrips;

    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    auto quietLimit = deadline; // moves to "last byte + gap" once bytes come in
    unsigned int got = 0;
    bool failed = false;
    while (got < len) {
        const int left = msUntil(quietLimit < deadline ? quietLimit : deadline);
        if (left <= 0)
            break;
        pollfd p[2] = {{si_fileHandler, POLLIN, 0}, {wakeFd(), POLLIN, 0}};
        const int r = ::poll(p, p[1].fd >= 0 ? 2 : 1, left);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            failed = true;
            break;
        }
        if (r == 0)
            break; // time-out, or the reply stopped
        if (p[1].revents & POLLIN) {
            failed = true; // interrupted
            break;
        }
        if (p[0].revents & (POLLERR | POLLNVAL)) {
            siu_LineLost = 1;
            failed = true;
            break;
        }
        const ssize_t n = ::read(si_fileHandler, buf + got, len - got);
        if (n > 0) {
            got += static_cast<unsigned int>(n);
            quietLimit = Clock::now() + std::chrono::milliseconds(SIU_REPLY_GAP_MS);
        } else if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        } else if (n < 0 || (p[0].revents & POLLHUP)) {
            // The line is gone (for example the far end of a pseudo-terminal closed).
            siu_LineLost = 1;
            failed = true;
            break;
        } else {
            break; // readable but empty: nothing more is coming
        }
    }
    if (got < len)
        ++siu_IncompleteReplies;
    if (got == 0 && failed)
        return -1;
    return static_cast<int>(got);
}

int siu_receiveBytes(unsigned char* buf, unsigned int len)
{
    return siu_receiveBytesWithin(buf, len, SIU_REPLY_TIMEOUT_MS);
}

void siu_Interrupt()
{
    g_interrupted.store(true);
    const int fd = wakeFd();
    if (fd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(fd, &one, sizeof one);
    }
}

void siu_ClearInterrupt()
{
    g_interrupted.store(false);
    const int fd = wakeFd();
    if (fd >= 0) {
        uint64_t count;
        [[maybe_unused]] ssize_t n = ::read(fd, &count, sizeof count);
    }
}

bool siu_Interrupted()
{
    return g_interrupted.load();
}

int siu_Init()
{
    mvb_log("%s", kAsterisks33);
    mvb_log("SIU:Initializing UART...");
    si_fileHandler = siu_openPort();
    g_portOpen = si_fileHandler >= 0;
    siu_LineLost = 0;
    if (si_fileHandler == -1) {
        mvb_log("SIU:Open Port failed!");
        return -1;
    }
    if (siu_configPort(si_fileHandler) == -1) {
        mvb_log("SIU:Port Configuration failed!");
        return -1;
    }
    mvb_log("SIU:Success!");
    mvb_log("%s", kAsterisks33);
    return 0;
}

INTEGER32 siu_openPort()
{
    int fd = ::open(platform::mvbDevicePath(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd == -1) {
        std::perror("open_port: Unable to open port - ");
        return -1;
    }
    // Clear all file status flags: reads block, bounded by the reply time-out.
    ::fcntl(fd, F_SETFL, 0);
    return fd;
}

INTEGER32 siu_configPort(INTEGER32 portHandler)
{
    // Low-latency flag of the serial driver; not every driver has it (a
    // pseudo-terminal has not), so the results are ignored.
    serial_struct serial;
    std::memset(&serial, 0, sizeof serial);
    if (::ioctl(portHandler, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= 0x2000; // ASYNC_LOW_LATENCY
        ::ioctl(portHandler, TIOCSSERIAL, &serial);
    }

    termios options;
    std::memset(&options, 0, sizeof options);
    ::tcgetattr(portHandler, &options);
    ::cfsetispeed(&options, B460800);
    ::cfsetospeed(&options, B460800);

    options.c_cflag |= (CLOCAL | CREAD);
    options.c_cflag &= ~CSTOPB;
    options.c_cflag &= ~CSIZE;
    options.c_cflag |= PARENB;
    options.c_cflag |= PARODD;
    options.c_cflag |= CS8;

    options.c_lflag &= ~(ICANON | ECHO | ECHOE | ISIG);
    options.c_iflag &= ~(IXON | IXOFF | IXANY | ICRNL);
    options.c_oflag &= ~OPOST;

    options.c_cc[VMIN] = 0;
    options.c_cc[VTIME] = 10;

    return ::tcsetattr(portHandler, TCSANOW, &options);
}

void siu_closePort()
{
    if (g_portOpen && si_fileHandler >= 0)
        ::close(si_fileHandler);
    g_portOpen = false;
    si_fileHandler = 0;
    si_ReadCmdInProgress = 0;
    siu_ReadByteFailure = 0;
    siu_LineLost = 0;
}

void siu_sendByte(UNSIGNED8 byte)
{
    writeAll(&byte, 1);
}

void siu_send(unsigned char* buf, unsigned int len)
{
    writeAll(buf, len);
}

UNSIGNED16 siu_receiveByte()
{
    unsigned char b[3] = {0, 0, 0};
    const bool readInProgress = si_ReadCmdInProgress == 1;
    si_ReadCmdInProgress = 0;

    // A word read is answered by two bytes, a write or no-operation by one.
    int n = siu_receiveBytes(b, readInProgress ? 2 : 1);
    if (n <= 0) {
        siu_ReadByteFailure = 1;
        return 0xFFFF;
    }
    if (readInProgress) {
        if ((b[0] & b[1] & b[2]) == SIU_NAK)
            return b[0];
        // A lone NAK reads as 0x0015 (it cannot be told from that data
        // word); any other half word is not a value to build on.
        if (n < 2 && b[0] != SIU_NAK)
            siu_ReadByteFailure = 1;
        return static_cast<UNSIGNED16>(b[1] << 8 | b[0]);
    }
    return b[0];
}

void siu_generateAddress(UNSIGNED16 address, UNSIGNED8* d)
{
    const UNSIGNED16 w = address >> 1;
    d[0] = static_cast<UNSIGNED8>(w & 0x1F);
    d[1] = static_cast<UNSIGNED8>((w & 0xFE0) >> 5);
    d[2] = static_cast<UNSIGNED8>((w & 0xFF000) >> 12);
}

INTEGER8 siu_WriteCommand(UNSIGNED16 address, UNSIGNED16 value)
{
    UNSIGNED8 d[3];
    siu_generateAddress(address, d);
    unsigned char frame[5] = {static_cast<unsigned char>(SIU_WRITE_CMD | d[0]), d[1], d[2],
                              static_cast<unsigned char>(value & 0xFF), static_cast<unsigned char>(value >> 8)};
    discardStaleInput();
    siu_send(frame, sizeof frame);
    if (siu_receiveByte() == SIU_NAK)
        return -1;
    return 0;
}

UNSIGNED16 siu_ReadCommand(UNSIGNED16 address)
{
    UNSIGNED8 d[3];
    siu_generateAddress(address, d);
    discardStaleInput();
    si_ReadCmdInProgress = 1;
    siu_sendByte(static_cast<UNSIGNED8>(SIU_READ_CMD | d[0]));
    siu_sendByte(d[1]);
    siu_sendByte(d[2]);
    return siu_receiveByte();
}

INTEGER8 siu_ReadCommandWithin(UNSIGNED16 address, int timeoutMs, UNSIGNED16* value)
{
    UNSIGNED8 d[3];
    siu_generateAddress(address, d);
    unsigned char frame[3] = {static_cast<unsigned char>(SIU_READ_CMD | d[0]), d[1], d[2]};
    unsigned char reply[2];
    discardStaleInput();
    siu_send(frame, sizeof frame);
    const int n = siu_receiveBytesWithin(reply, sizeof reply, timeoutMs);
    *value = static_cast<UNSIGNED16>(reply[1] << 8 | reply[0]);
    return n == 2 ? 0 : static_cast<INTEGER8>(-1);
}

INTEGER8 siu_nopCommand()
{
    discardStaleInput();
    siu_sendByte(SIU_NO_OPERATION_CMD);
    if (siu_receiveByte() == SIU_NAK)
        return -1;
    return 0;
}
