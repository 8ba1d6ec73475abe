#pragma once
// A pseudo-terminal served by one thread: the display opens the slave side as
// if it were its UART; the thread reads what the display writes on the master
// side, hands each received chunk to a handler and writes all reply bytes of
// that chunk back in one write().
//
// - The server keeps its own slave descriptor open for its whole life: reads
//   on the master side fail with EIO while nobody holds the slave.
// - The slave is put in raw mode at once (no echo, no line editing); the
//   display sets its own line settings on top.
// - Optional pacing models a real line: before a reply is written, the server
//   waits until the request bytes received since the last reply plus the reply
//   bytes would have crossed the wire, at `bitsPerByte` bits per byte (8O1 =
//   11 bits; 460800 baud gives 23.9 us a byte).
// - An idle hook runs at least every idle interval (default 8 ms) and after
//   each received chunk: the MVB server uses it for periodic publication.
// - send() writes unsolicited bytes (keypad or touch frames) from any thread.
// - Optional symlink to the slave path, created by start() (replacing an old
//   symlink, never a regular file) and removed by stop() if it still points to
//   this pty.
//
// start() and stop() are called from one controlling thread; stop() joins the
// thread and closes every descriptor (the destructor calls it).

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

namespace sim {

class MvbControllerEmulator;

// Wire time of `bytes` bytes at `baud` with `bitsPerByte` bits a byte, in microseconds.
double lineTimeMicros(int bytes, int baud = 460800, int bitsPerByte = 11);

class PtyServer {
public:
    using Handler = std::function<QByteArray(const QByteArray& received)>;
    using IdleHook = std::function<void()>;

    explicit PtyServer(Handler handler, IdleHook idle = {});
    // Serves `emulator` (process() as handler, serviceTransfers() as idle hook).
    explicit PtyServer(MvbControllerEmulator& emulator);
    ~PtyServer();

    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Settings, to be made before start().
    void setLinkPath(const QString& path);
    void setPacing(bool enabled, int baud = 460800, int bitsPerByte = 11);
    void setIdleIntervalMs(int ms);

    bool start(QString* error = nullptr);
    void stop();
    bool isRunning() const { return m_running; }

    QString slavePath() const { return m_slavePath; }
    QString linkPath() const { return m_linkPath; }

    // Queues bytes to be written towards the display by the server thread.
    void send(const QByteArray& bytes);

    quint64 chunksReceived() const { return m_chunks; }

private:
    void run();
    void writeAll(const QByteArray& bytes);
    void paceBefore(int replyBytes);
    void closeAll();

    Handler m_handler;
    IdleHook m_idle;
    QString m_linkPath;
    bool m_linkCreated = false;
    bool m_paced = false;
    int m_baud = 460800;
    int m_bitsPerByte = 11;
    int m_idleMs = 8;

    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = {-1, -1};
    QString m_slavePath;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stopRequested{false};
    std::atomic<quint64> m_chunks{0};

    std::mutex m_outMutex;
    QByteArray m_outQueue;

    // Pacing: bytes received since the last reply and when the first of them came.
    int m_owedBytes = 0;
    std::chrono::steady_clock::time_point m_owedSince;
};

} // namespace sim
