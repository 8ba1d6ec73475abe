// How the display behaves with a faulty controller, in time: how long after a
// fault the hand-over shows every value unknown, and how long after recovery
// it shows live values again; how long quitting takes while the controller is
// silent; how long the window takes to its first frame whatever the
// controller does.
//
//   bench_faults [--rounds N]
//
// The controller emulator runs on a paced pty (the speed of the real line)
// with every port published; the display's acquisition thread runs against
// it. The screens read the hand-over once per 500 ms refresh tick, so what a
// driver sees lags the figures here by up to one tick.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "acquisition/lmvf.h"
#include "acquisition/mvb_thread.h"
#include "acquisition/port_map.h"
#include "acquisition/unknown.h"
#include "app/mainwindow.h"
#include "mvb/mvb_log.h"
#include "mvb/mvblpi.h"
#include "mvb/mvbspc.h"
#include "sim/mvb_controller_emulator.h"
#include "sim/pty_server.h"

namespace {

void quiet(const char*, void*) { }

bool allUnknown(const SignalStore& s)
{
    return isUnknown(s.MVB_DDU_Speed_String) && s.MVB_DDU_Panto == 2 && s.freshness_3100 >= 10000 &&
        s.MVB_DDU_RIOM1_Input[0] == 2;
}

bool live(const SignalStore& s)
{
    return s.freshness_3100 < 10000 && s.freshness_3110 < 10000 && !isUnknown(s.MVB_DDU_Speed_String);
}

// Milliseconds until `done` holds (polled every millisecond), -1 after `limitMs`.
double msUntil(const std::function<bool()>& done, int limitMs = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > limitMs)
            return -1;
        QThread::usleep(1000);
    }
    return t.nsecsElapsed() / 1e6;
}

struct Controller {
    sim::MvbControllerEmulator emulator;
    std::unique_ptr<sim::PtyServer> server;
    QString link;

    explicit Controller(const QString& linkPath)
        : link(linkPath)
    {
        for (int i = 0; i < firstPartPortCount(); ++i)
            emulator.publish(firstPartPorts()[i].port, QVector<quint16>(16, 0x0400));
        for (int i = 0; i < lmvf::remoteIoPortCount(); ++i)
            emulator.publish(lmvf::remoteIoPorts()[i].port, QVector<quint16>(16, 0x0F0F));
        start();
    }
    void start()
    {
        server = std::make_unique<sim::PtyServer>(emulator);
        server->setPacing(true);
        server->setLinkPath(link);
        if (!server->start()) {
            std::fprintf(stderr, "cannot start the emulator\n");
            std::exit(1);
        }
    }
};

struct Figures {
    std::vector<double> stale, back;
    void add(double s, double b)
    {
        stale.push_back(s);
        back.push_back(b);
    }
};

double worst(const std::vector<double>& v)
{
    return v.empty() ? -1 : *std::max_element(v.begin(), v.end());
}

double mean(const std::vector<double>& v)
{
    double sum = 0;
    for (double x : v)
        sum += x;
    return v.empty() ? -1 : sum / v.size();
}

// Each fault mode in turn: time until every value shows unknown, and until live again after recovery.
void measureFaultModes(Controller& c, BusExchange& exchange, int rounds)
{
    std::printf("| fault | unknown after: mean / worst | live again after recovery: mean / worst |\n|---|---|---|\n");
    const struct {
        const char* name;
        sim::FaultMode mode;
    } modes[] = {{"silent", sim::FaultMode::Silent},
                 {"NAK to every frame", sim::FaultMode::NakAll},
                 {"last byte of every reply lost", sim::FaultMode::ShortReply},
                 {"garbage replies", sim::FaultMode::Garbage}};
    for (const auto& m : modes) {
        Figures f;
        for (int r = 0; r < rounds; ++r) {
            QThread::msleep(100 + 37 * r % 200); // somewhere in a pass
            c.emulator.setFaultMode(m.mode);
            const double stale = msUntil([&] { return allUnknown(exchange.snapshot()); });
            QThread::msleep(1500);
            c.emulator.setFaultMode(sim::FaultMode::Normal);
            const double back = msUntil([&] { return live(exchange.snapshot()); });
            f.add(stale, back);
        }
        std::printf("| %s | %.0f / %.0f ms | %.0f / %.0f ms |\n", m.name, mean(f.stale), worst(f.stale), mean(f.back),
                    worst(f.back));
    }
}

// The device goes away and a new controller appears on the same path.
void measureDeviceGone(Controller& c, BusExchange& exchange, int rounds)
{
    Figures gone;
    for (int r = 0; r < rounds; ++r) {
        c.server.reset(); // the device goes away
        const double stale = msUntil([&] { return allUnknown(exchange.snapshot()); });
        QThread::msleep(500);
        c.start(); // a new controller on the same path, to be brought up again
        const double back = msUntil([&] { return live(exchange.snapshot()); }, 60000);
        gone.add(stale, back);
    }
    std::printf(
        "| device gone, then a new controller (opened and brought up again) | %.0f / %.0f ms | %.0f / %.0f ms |\n",
        mean(gone.stale), worst(gone.stale), mean(gone.back), worst(gone.back));
}

// Quitting while the controller is silent: the thread waits in a
// transaction when it is asked to stop. Returns the times in milliseconds.
std::vector<double> measureQuitWhileSilent(Controller& c, BusExchange& exchange, int rounds)
{
    std::vector<double> quit;
    for (int r = 0; r < rounds; ++r) {
        auto* t = new Mvb_Thread(exchange);
        exchange.requests.MVB_HW_Enable = 0; // already up
        t->start();
        QThread::msleep(300);
        c.emulator.setFaultMode(sim::FaultMode::Silent);
        QThread::msleep(200 + 53 * r % 400);
        QElapsedTimer q;
        q.start();
        delete t; // stop() and wait()
        quit.push_back(q.nsecsElapsed() / 1e6);
        c.emulator.setFaultMode(sim::FaultMode::Normal);
    }
    return quit;
}

void faultModes(const QString& dir, int rounds)
{
    Controller c(dir + QStringLiteral("/mvb"));
    qputenv("DDU_MVB_DEVICE", c.link.toLocal8Bit());
    BusExchange exchange;
    exchange.requests.Selected_CAB_Type = 1;
    Mvb_Thread acquisition(exchange);
    acquisition.start();
    if (msUntil([&] { return live(exchange.snapshot()); }) < 0) {
        std::fprintf(stderr, "no live data\n");
        std::exit(1);
    }
    measureFaultModes(c, exchange, rounds);
    measureDeviceGone(c, exchange, rounds);
    const std::vector<double> quit = measureQuitWhileSilent(c, exchange, rounds);
    acquisition.stop();
    acquisition.wait();
    std::printf("\nQuitting the acquisition while the controller is silent: mean %.1f ms, worst %.1f ms (%d rounds).\n",
                mean(quit), worst(quit), rounds);
}

void firstFrame(const QString& dir, int argc, char** argv)
{
    QApplication app(argc, argv);
    std::printf("\n| controller | window built and first frame drawn | bring-up done after |\n|---|---|---|\n");
    for (auto mode : {sim::FaultMode::Normal, sim::FaultMode::Silent, sim::FaultMode::ShortReply}) {
        Controller c(dir + QStringLiteral("/mvb-frame"));
        c.emulator.setFaultMode(mode);
        qputenv("DDU_MVB_DEVICE", c.link.toLocal8Bit());
        QElapsedTimer t;
        t.start();
        auto w = std::make_unique<MainWindow>();
        w->show();
        w->guiupdate_fun();
        w->grab();
        const double frame = t.nsecsElapsed() / 1e6;
        QString up = QStringLiteral("never: retried in the background");
        if (mode == sim::FaultMode::Normal)
            up = QStringLiteral("%1 ms").arg(
                frame + msUntil([&] { return w->exchange.requests.MVB_HW_Enable.load() == 0; }), 0, 'f', 0);
        else
            QThread::msleep(2000); // quit while the bring-up waits on the controller
        QElapsedTimer q;
        q.start();
        w.reset();
        std::printf("| %s | %.0f ms | %s; window closed in %.0f ms |\n", qPrintable(sim::faultModeName(mode)), frame,
                    qPrintable(up), q.nsecsElapsed() / 1e6);
    }
}

} // namespace

int main(int argc, char** argv)
{
    int rounds = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[i + 1]));
    QTemporaryDir dir;
    qputenv("DDU_SHELL_LOG", dir.filePath(QStringLiteral("shell.log")).toLocal8Bit());
    if (qgetenv("DDU_ROOT").isEmpty())
        qputenv("DDU_ROOT", dir.path().toLocal8Bit());
    qputenv("DDU_KEYPAD_DEVICE", "/nonexistent/keypad");
    qputenv("DDU_TOUCH_DEVICE", "/nonexistent/touch");
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    mvb_setLogSink(quiet, nullptr);
    faultModes(dir.path(), rounds);
    firstFrame(dir.path(), argc, argv);
    return 0;
}
