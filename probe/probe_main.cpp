// ddu-probe: a maintainer's commissioning tool for the bus side of the display.
//
//   ddu-probe [--device PATH] [--deadline S] [--port P --fcode F]...
//   ddu-probe [--device PATH] [--deadline S] --cycles N --dump [--cab 1|2]
//
// Runs the controller start-up the display runs (siu_Init, mvb_init,
// mvb_setDeviceAddress(0), mvb_activate), printing the driver's log lines, then
// reads each requested port and prints its sixteen words and its freshness.
// With --cycles N it then runs N acquisition cycles (port map and decoding, as
// the display's acquisition thread does, giving up a cycle when the controller
// stops answering) and with --dump prints the whole signal store, one
// name=value line per member, sorted by name.
//
// Every line is flushed as it is printed. Exit status: 0 when every step of
// the start-up succeeded, 1 when one failed (the bus is then not used, as in
// the display), 2 for bad arguments, 3 when the deadline (default 60 s)
// passed first.

#include "acquisition/bus_exchange.h"
#include "acquisition/mvb_thread.h"
#include "acquisition/process_data_bus.h"
#include "acquisition/store_dump.h"
#include "mvb/mvb_log.h"
#include "mvb/mvblpi.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <unistd.h>

namespace {

void printLogLine(const char* line, void*)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

constexpr unsigned kStaleFreshness = 10000;

// Ends the process when the whole run takes longer than allowed: a controller
// that answers slowly or never must not keep a commissioning script waiting.
class Deadline {
public:
    explicit Deadline(int seconds)
        : m_thread([this, seconds] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_wake.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_done; })) {
                std::printf("ddu-probe: deadline of %d s passed\n", seconds);
                std::fflush(stdout);
                ::_exit(3);
            }
        })
    {
    }
    ~Deadline()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

struct Request {
    unsigned port;
    unsigned fcode;
};

// What the command line asks for, checked.
struct ProbeOptions {
    QList<Request> requests;
    int cycles = 0;
    int cab = 1;
    int deadline = 60;
    bool dump = false;
};

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Brings up the MVB controller and reads process data ports."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("deadline"), QStringLiteral("Seconds the whole run may take (default 60)."),
         QStringLiteral("s"), QStringLiteral("60")},
        {QStringLiteral("cycles"), QStringLiteral("Acquisition cycles to run after bring-up."), QStringLiteral("n")},
        {QStringLiteral("dump"), QStringLiteral("Print the signal store after the cycles.")},
        {QStringLiteral("cab"), QStringLiteral("Cab this display serves (1 or 2, default 1)."), QStringLiteral("cab")},
        {QStringLiteral("device"),
         QStringLiteral("UART of the MVB controller (default $DDU_MVB_DEVICE or /dev/ttyO3)."), QStringLiteral("path")},
        {QStringLiteral("port"), QStringLiteral("Logical port address to read (repeatable)."), QStringLiteral("port")},
        {QStringLiteral("fcode"), QStringLiteral("F-code of the preceding --port (0..4, default 4)."),
         QStringLiteral("fcode")},
    });
}

// The --port/--fcode pairs; false (reason printed) for a bad one.
bool readRequests(const QCommandLineParser& parser, QList<Request>& requests)
{
    const QStringList ports = parser.values(QStringLiteral("port"));
    const QStringList fcodes = parser.values(QStringLiteral("fcode"));
    for (int i = 0; i < ports.size(); ++i) {
        bool okPort = false, okCode = true;
        const unsigned port = ports[i].toUInt(&okPort, 0);
        const unsigned fcode = i < fcodes.size() ? fcodes[i].toUInt(&okCode, 0) : 4;
        if (!okPort || port > 4095 || !okCode || fcode > 4) {
            std::fprintf(stderr, "ddu-probe: bad port/F-code pair %s/%s\n", qPrintable(ports[i]),
                         i < fcodes.size() ? qPrintable(fcodes[i]) : "4");
            return false;
        }
        requests.append({port, fcode});
    }
    return true;
}

std::optional<ProbeOptions> readOptions(const QCommandLineParser& parser)
{
    ProbeOptions options;
    if (!readRequests(parser, options.requests))
        return std::nullopt;
    bool okCycles = true, okCab = true, okDeadline = true;
    const QString cycles = QStringLiteral("cycles"), cab = QStringLiteral("cab");
    options.cycles = parser.isSet(cycles) ? parser.value(cycles).toInt(&okCycles) : 0;
    options.cab = parser.isSet(cab) ? parser.value(cab).toInt(&okCab) : 1;
    options.deadline = parser.value(QStringLiteral("deadline")).toInt(&okDeadline);
    if (!okCycles || options.cycles < 0 || !okCab || (options.cab != 1 && options.cab != 2) || !okDeadline ||
        options.deadline < 1) {
        std::fprintf(stderr, "ddu-probe: --cycles needs a count, --cab 1 or 2, --deadline seconds\n");
        return std::nullopt;
    }
    options.dump = parser.isSet(QStringLiteral("dump"));
    return options;
}

// Prints each requested port's sixteen words and its freshness.
void readPorts(const QList<Request>& requests)
{
    // A port is entered into the controller's tables on first use; give the
    // controller a moment to receive its first data before reading.
    for (const Request& r : requests) {
        UNSIGNED16 freshness = 0;
        getFreshnessCount(static_cast<UNSIGNED16>(r.port), static_cast<UNSIGNED16>(r.fcode), &freshness);
    }
    if (!requests.isEmpty())
        QThread::msleep(200);
    for (const Request& r : requests) {
        UNSIGNED16 words[LP_MAX_PORT_WORDS] = {};
        UNSIGNED16 freshness = 0;
        readProcessData(static_cast<UNSIGNED16>(r.port), static_cast<UNSIGNED16>(r.fcode), words, &freshness);
        std::printf("port %u fcode %u freshness %u %s\n", r.port, r.fcode, static_cast<unsigned>(freshness),
                    freshness >= kStaleFreshness ? "stale" : "fresh");
        std::printf(" ");
        for (int k = 0; k < LP_MAX_PORT_WORDS; ++k)
            std::printf(" %04X", static_cast<unsigned>(words[k]));
        std::printf("\n");
    }
}

// Runs the acquisition cycles and, with --dump, prints the signal store.
void runCycles(const ProbeOptions& options)
{
    BusExchange exchange;
    exchange.requests.MVB_HW_Enable.store(0);
    exchange.requests.Selected_CAB_Type.store(options.cab);
    exchange.requests.Selected_SR_Type.store(3);
    Mvb_Thread acquisition(exchange);
    int givenUp = 0;
    for (int i = 0; i < options.cycles; ++i) {
        if (acquisition.runPass() == Mvb_Thread::Mode::LinkDown) {
            ++givenUp;
            QThread::msleep(200); // the controller stopped answering: look again shortly
        }
    }
    if (givenUp)
        std::printf("cycles: %d (%d without answers: values unknown)\n", options.cycles, givenUp);
    else
        std::printf("cycles: %d\n", options.cycles);
    if (options.dump) {
        for (const auto& field : dumpSignalStore(acquisition.liveStore()))
            std::printf("%s=%s\n", qPrintable(field.first), field.second.toUtf8().constData());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ddu-probe"));

    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
    if (parser.isSet(QStringLiteral("device")))
        ::setenv("DDU_MVB_DEVICE", parser.value(QStringLiteral("device")).toLocal8Bit().constData(), 1);
    const auto options = readOptions(parser);
    if (!options)
        return 2;

    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const Deadline watch(options->deadline);
    mvb_setLogSink(printLogLine, nullptr);
    MvbDriverBus bus;
    const bool activated = bus.bringUp();
    std::printf("activation: %s\n", activated ? "ok" : "failed");
    if (activated)
        readPorts(options->requests);
    if (activated && (options->cycles > 0 || options->dump))
        runCycles(*options);
    std::fflush(stdout);
    return activated ? 0 : 1;
}
