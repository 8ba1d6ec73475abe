// The variable monitor's costs.
//
// 1. Loading the signal descriptor into the variable table of the window
//    (offscreen), for the descriptor we ship and a synthetic one of 20 000
//    signals: time from opening the screen to the filled table, and the
//    longest gap between the ticks of a 10 ms timer of the GUI thread meanwhile
//    (the longest time the GUI thread was kept from its refresh).
// 2. Bytes on the wire per acquisition cycle against the controller emulator:
//    the cycle with the port list of the telegram and freshness screens, then
//    with twenty monitored signals of various origins.
//
//   bench_maintenance [rows of the synthetic descriptor (20000)]

#include "bench_common.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamWriter>

#include <ctime>

#include "acquisition/mvb_thread.h"
#include "app/mainwindow.h"
#include "maintenance/logic/descriptor.h"
#include "maintenance/logic/micview_set.h"
#include "maintenance/logic/port_list.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/variable_screen.h"
#include "maintenance/variable_view.h"
#include "tests/support/environment.h"

using namespace bench;

namespace {

// CPU time of the calling thread: other programs on the machine do not count.
qint64 threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Records the longest single event the GUI thread handled (while `armed`).
class TimedApp : public QApplication {
public:
    using QApplication::QApplication;
    bool armed = false;
    qint64 longestNs = 0;
    QString longestWhat;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (!armed)
            return QApplication::notify(receiver, event);
        const qint64 start = threadCpuNs();
        const int type = event->type();
        const bool r = QApplication::notify(receiver, event);
        const qint64 ns = threadCpuNs() - start;
        if (ns > longestNs) {
            longestNs = ns;
            longestWhat = QStringLiteral("event %1 to %2 %3")
                              .arg(type)
                              .arg(QLatin1String(receiver->metaObject()->className()), receiver->objectName());
        }
        return r;
    }
};

// The rows of the port map, repeated under new names until there are `count`.
QByteArray synthetic(int count)
{
    const QVector<descriptor::Row> base = descriptor::portMapRows();
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Descriptor"));
    for (int i = 0; i < count; ++i) {
        const descriptor::Row& r = base[i % base.size()];
        xml.writeStartElement(QStringLiteral("Signal"));
        for (int c = descriptor::Telegram; c < descriptor::ColumnCount; ++c) {
            QString text = r[c];
            if (c == descriptor::SignalName && i >= base.size())
                text += QStringLiteral("_%1").arg(i / base.size());
            xml.writeTextElement(QLatin1String(descriptor::kTags[c]), text);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

struct LoadFigures {
    int rows = 0;
    double seconds = 0;
    qint64 longestGapMs = 0;  // wall time between two ticks
    qint64 longestBusyNs = 0; // CPU time of the GUI thread between two ticks
    int ticks = 0;
};

LoadFigures loadIntoWindow(TimedApp& app, const QString& root, const QByteArray& descriptorXml)
{
    QFile f(root + QStringLiteral("/file/master/zav_descriptor.xml"));
    if (!f.open(QIODevice::WriteOnly) || f.write(descriptorXml) != descriptorXml.size()) {
        std::fprintf(stderr, "cannot write the descriptor\n");
        std::exit(1);
    }
    f.close();
    StartOptions o;
    o.noMvb = true;
    MainWindow w(nullptr, o);
    w.show();
    QCoreApplication::processEvents();

    LoadFigures fig;
    QElapsedTimer sinceTick;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(10);
    qint64 cpuAtTick = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        fig.longestGapMs = std::max(fig.longestGapMs, sinceTick.restart());
        const qint64 cpu = threadCpuNs();
        fig.longestBusyNs = std::max(fig.longestBusyNs, cpu - cpuAtTick);
        cpuAtTick = cpu;
        ++fig.ticks;
    });
    QElapsedTimer total;
    total.start();
    sinceTick.start();
    cpuAtTick = threadCpuNs();
    probe.start();
    app.longestNs = 0;
    app.armed = true;
    w.variableMonitor->on_mvbvariables_clicked();
    while (w.variableMonitor->variableView->loading)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    app.armed = false;
    if (qEnvironmentVariableIsSet("BENCH_LONGEST"))
        std::fprintf(stderr, "longest event %.1f ms: %s\n", app.longestNs / 1e6, qPrintable(app.longestWhat));
    fig.seconds = total.nsecsElapsed() / 1e9;
    fig.longestGapMs = std::max(fig.longestGapMs, sinceTick.elapsed());
    fig.longestBusyNs = std::max(fig.longestBusyNs, threadCpuNs() - cpuAtTick);
    fig.rows = w.maintState->Total_Table_Row_Variables;
    return fig;
}

// ---------------------------------------------------------------- the wire

struct Bus {
    sim::MvbControllerEmulator emulator;
    sim::PtyServer server{emulator};
    BusExchange exchange;
    std::unique_ptr<Mvb_Thread> thread;
    QVector<portlist::Port> ports;

    Bus()
    {
        if (!server.start()) {
            std::fprintf(stderr, "cannot start the emulator\n");
            std::exit(1);
        }
        qputenv("DDU_MVB_DEVICE", server.slavePath().toLocal8Bit());
        mvb_setLogSink(quiet, nullptr);
        siu_closePort();
        lp_resetState();
        exchange.requests.Selected_CAB_Type = 1;
        thread = std::make_unique<Mvb_Thread>(exchange);
        if (!thread->bringUp()) {
            std::fprintf(stderr, "bring-up failed\n");
            std::exit(1);
        }
        const QString list = QString::fromLocal8Bit(qgetenv("DDU_SOURCE_DIR")) + "/data/master/zav_port.xml";
        ports = portlist::loadPorts(list).ports;
        if (ports.isEmpty()) {
            std::fprintf(stderr, "no port list at %s (set DDU_SOURCE_DIR)\n", qPrintable(list));
            std::exit(1);
        }
        for (const portlist::Port& p : ports)
            emulator.publish(p.telegram, QVector<quint16>(16, 0x1234));
    }
    ~Bus() { siu_closePort(); }

    quint64 bytes() const
    {
        const auto c = emulator.counters();
        return c.bytesIn + c.bytesOut;
    }

    // Bytes per cycle with the port list and the monitored `rows`.
    double bytesPerCycle(const QVector<descriptor::Row>& rows)
    {
        ViewerSelection sel;
        portlist::fillSelection(ports, sel);
        sel.DDU_Micview_Start = rows.isEmpty() ? 0 : 1;
        sel.DDU_Micview_Data_Count = rows.size();
        for (int i = 0; i < rows.size(); ++i)
            sel.DDU_Micview_Details[i] = micview::fetchOf(micview::entryOf(rows[i]), ports).details;
        exchange.setSelection(sel);
        thread->runPass(); // configures what is new
        thread->runPass();
        const int n = 20;
        emulator.resetCounters();
        for (int i = 0; i < n; ++i)
            thread->runPass();
        return double(bytes()) / n;
    }
};

descriptor::Row rowOn(int port, int byteOff, const QString& type)
{
    descriptor::Row r;
    r.cells[descriptor::Telegram] = QStringLiteral("X-%1").arg(port);
    r.cells[descriptor::SignalName] = QStringLiteral("X_%1_%2").arg(port).arg(byteOff);
    r.cells[descriptor::Type] = type;
    r.cells[descriptor::Port] = QString::number(port);
    r.cells[descriptor::ByteOff] = QString::number(byteOff);
    r.cells[descriptor::BitOff] = QStringLiteral("0");
    return r;
}

} // namespace

static void quietMessages(QtMsgType, const QMessageLogContext&, const QString&) { }

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TimedApp app(argc, argv);
    const int syntheticRows = argc > 1 ? std::atoi(argv[1]) : 20000;

    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("file/master"));
    testsupport::useRoot(root.path());

    std::printf("| descriptor | rows | to the filled table | longest gap between GUI ticks: wall / GUI thread CPU | "
                "ticks |\n");
    std::printf("|---|---|---|---|---|\n");
    const struct {
        const char* name;
        QByteArray xml;
    } descriptors[] = {{"shipped (port map)", descriptor::generate()}, {"synthetic", synthetic(syntheticRows)}};
    for (const auto& d : descriptors) {
        const LoadFigures f = loadIntoWindow(app, root.path(), d.xml);
        std::printf("| %s | %d | %.2f s | %lld ms / %.1f ms | %d |\n", d.name, f.rows, f.seconds,
                    static_cast<long long>(f.longestGapMs), f.longestBusyNs / 1e6, f.ticks);
    }

    // The wire: twenty signals of each origin.
    Bus bus;
    const QVector<descriptor::Row> all = descriptor::portMapRows();
    QVector<descriptor::Row> spread, otherCab, outside;
    for (int i = 0; i < 20; ++i)
        spread << all[i * all.size() / 20];
    for (int i = 0; i < 20; ++i)
        otherCab << rowOn(3201, i % 8, QStringLiteral("WORD"));
    QVector<portlist::Port> none;
    std::swap(bus.ports, none);
    const double cycleAlone = bus.bytesPerCycle({});
    std::swap(bus.ports, none);
    const double plain = bus.bytesPerCycle({});
    std::printf("\n| port list | monitored | bytes / cycle | added by the monitor |\n|---|---|---|---|\n");
    std::printf("| none | nothing | %.0f | |\n", cycleAlone);
    std::printf("| shipped (51 ports) | nothing | %.0f | |\n", plain);
    const auto row = [](const char* list, const char* what, double base, double bytes) {
        std::printf("| %s | %s | %.0f | %+.1f %% |\n", list, what, bytes, (bytes - base) * 100.0 / base);
    };
    row("shipped (51 ports)", "20 signals of the shipped descriptor on 20 ports", plain, bus.bytesPerCycle(spread));
    row("shipped (51 ports)", "20 signals of the other cab's output port", plain, bus.bytesPerCycle(otherCab));
    // A port list and a set made by hand: ports outside the cycle.
    for (int k : {1, 3, 20}) {
        outside.clear();
        QVector<portlist::Port> ports = bus.ports;
        for (int i = 0; i < 20; ++i) {
            const int port = 2700 + i % k;
            if (!portlist::contains(ports, port)) {
                ports.append({port, 0, 4});
                bus.emulator.publish(port, QVector<quint16>(16, 0x00A5));
            }
            outside << rowOn(port, (i / k) % 32, QStringLiteral("WORD"));
        }
        std::swap(bus.ports, ports);
        const double base = bus.bytesPerCycle({});
        const double bytes = bus.bytesPerCycle(outside);
        std::swap(bus.ports, ports);
        const QByteArray list =
            QStringLiteral("shipped + %1 port%2 outside the cycle").arg(k).arg(k == 1 ? "" : "s").toUtf8();
        const QByteArray what =
            QStringLiteral("20 signals on those %1 port%2 (F-code 4)").arg(k).arg(k == 1 ? "" : "s").toUtf8();
        row(list.constData(), what.constData(), base, bytes);
    }
    return 0;
}
