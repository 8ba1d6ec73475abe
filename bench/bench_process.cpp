// CPU cost of the refresh tick on each process information, subsystem and
// I/O slot screen (with nothing changing, and with every value of the store
// changing on every tick), and the time to open each screen.
//
//   bench_process [--ticks N] [--only NAME] [--paints] [--hide WIDGET]
//
// The window is built offscreen with the bus side off; the benchmark
// publishes the snapshots itself and calls the refresh tick, as bench_home
// does. Per screen, four phases: unchanged data (tick; tick + repaint) and
// changing data (tick; tick + repaint). Under callgrind each phase is one
// dump named "<screen>-<data>-<tick|tick+repaint>-<N>ticks", holding the
// instructions of exactly its ticks:
//
//   valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file=cg.%p bench_process --ticks 20
//   bench/callgrind_per_tick.sh cg.<pid>.*        (instructions per tick of every dump)
//
// Opening: wall time from the slot a key or touch reaches (a click on the
// screen's button) to the frame painted, worst of 5 openings.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "app/mainwindow.h"
#include "screens/io_slot_screen.h"
#include "screens/subsystem_screen.h"
#include "tests/support/environment.h"
#include "tools/image_table.h"

namespace {

// Every text and array of the store, and every state these screens show,
// moves with `i` (none when `changing` is false). The home screen's own
// states stay: its lamps restyling under the screen measured is the home's
// cost (bench_home).
// What the home screen shows beside these screens that a screen shows too.
enum Shared { SharesNothing = 0, SharesSubsystemStates = 1, SharesPrimaryCurrent = 2 };

SignalStore snapshot(int i, bool changing, int shared)
{
    if (!changing)
        i = 0;
    SignalStore s;
    s.pass_count = 1 + unsigned(i);
    const QString text = QString::number(1000 + (i * 37) % 9000) + QStringLiteral(".5");
#define DV_STRING(name) s.name = text;
#define DV_INT_ARRAY(name, n)                                                                                          \
    for (int k = 0; k < (n); ++k)                                                                                      \
        s.name[k] = (i + k) % 2;
#define DV_STRING_ARRAY(name, n)                                                                                       \
    for (int k = 0; k < (n); ++k)                                                                                      \
        s.name[k] = text;
#include "acquisition/derived_values.def"
#undef DV_STRING
#undef DV_INT_ARRAY
#undef DV_STRING_ARRAY
    s.MVB_DDU_Loco_Simulation_Status = s.MVB_DDU_Inching_mod_Active = i % 2;
    s.MVB_DDU_FLG1_Lifesign = s.MVB_DDU_HBB1_Lifesign = s.MVB_DDU_STB1_Lifesign = 1;
    s.MVB_DDU_FLG1_Active = i % 2;
    s.MVB_DDU_Cab_Active = 1; // the inching buttons stay offered
    s.CoCo_bogie_chasis = 1;
    // What the home screen keeps showing beside these screens (loco number
    // and type, the subsystem strip, primary current and battery readouts)
    // stays, unless the screen measured shows it too: its repaint is the
    // home's cost (bench_home). A loco does not change its number or type.
    s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
    s.MVB_DDU_Loco_Type_String = QStringLiteral("WAG9");
    s.MVB_DDU_Battery_String = QStringLiteral("110.0");
    if (!(shared & SharesPrimaryCurrent))
        s.MVB_DDU_IPRIM_String = QStringLiteral("120.00");
    if (!(shared & SharesSubsystemStates))
        std::fill(std::begin(s.MVB_DDU_LOCO_SUB_System), std::end(s.MVB_DDU_LOCO_SUB_System), 0);
    return s;
}

void paint()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void isolate(const QTemporaryDir& root)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::useRoot(root.path(), true);
}

// A fault log of a long run: the message list lists 200 messages.
void writeLog(const QTemporaryDir& root)
{
    QDir(root.path()).mkpath(QStringLiteral("file/fault"));
    QFile f(root.filePath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SUBSYSTEM>\n");
    for (int k = 0; k < 200; ++k)
        f.write(QStringLiteral("    <Message><LocoType>1</LocoType><SubsystemNo>SS%1:Subsystem</SubsystemNo>"
                               "<Time>01/02/2026 10:%2:00</Time><FaultCode>F%3P1</FaultCode>"
                               "<FaultMessage>LINE ONE\nLINE TWO\nLINE THREE\nLINE FOUR</FaultMessage></Message>\n")
                    .arg(k % 19 + 1, 2, 10, QLatin1Char('0'))
                    .arg(k % 60, 2, 10, QLatin1Char('0'))
                    .arg(1000 + k)
                    .toUtf8());
    f.write("</SUBSYSTEM>\n");
}

QString argument(const QStringList& args, const char* name, const QString& fallback)
{
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args.at(i) == QLatin1String(name))
            return args.at(i + 1);
    return fallback;
}

// Counts the paint events per widget (for --paints: what a changing tick repaints).
class PaintCounter : public QObject {
public:
    QMap<QString, int> counts;
    QMap<QString, qint64> pixels; // area of the paint regions
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            QObject* named = o;
            while (named && named->objectName().isEmpty())
                named = named->parent();
            const QString key = QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(' ') +
                (named ? named->objectName() : QString());
            counts[key]++;
            for (const QRect& r : static_cast<QPaintEvent*>(e)->region())
                pixels[key] += qint64(r.width()) * r.height();
        }
        return false;
    }
};

struct ScreenEntry {
    const char* name;
    std::function<void(MainWindow&)> open;
    int shared = SharesNothing; // values the home screen beside it shows too
};

void click(MainWindow& w, const char* button)
{
    if (auto* b = w.W<QAbstractButton>(QLatin1String(button)))
        b->click();
}

// clang-format off
const std::vector<ScreenEntry>& screens()
{
    static const std::vector<ScreenEntry> list = {
        {"node", [](MainWindow& w) { w.on_process_clicked(); }},
        {"energy", [](MainWindow& w) { w.on_process_clicked(); click(w, "energy"); }},
        {"simulation", [](MainWindow& w) { w.on_process_clicked(); click(w, "simulation"); }},
        {"motortemp", [](MainWindow& w) { w.on_process_clicked(); click(w, "motortemp"); }},
        {"software", [](MainWindow& w) { w.on_process_clicked(); click(w, "software"); }},
        {"inching", [](MainWindow& w) { w.on_process_clicked(); click(w, "inching"); }},
        {"motor_status", [](MainWindow& w) { w.on_process_clicked(); click(w, "motor_status"); }},
        {"subsystem_grid", [](MainWindow& w) { w.subsystems->on_loco_diag_clicked(); }, SharesSubsystemStates},
        {"subsystem_menu", [](MainWindow& w) { w.on_menu_clicked(); click(w, "sub_sys"); }, SharesSubsystemStates},
        {"message_list", [](MainWindow& w) { w.subsystems->on_loco_diag_clicked(); w.subsystems->on_t_subsystem_cellClicked(3, 4); }},
        {"hv_circ", [](MainWindow& w) { w.on_menu_clicked(); click(w, "hv_circ"); }, SharesPrimaryCurrent},
        {"trac_conv", [](MainWindow& w) { w.on_menu_clicked(); click(w, "trac_conv"); }},
        {"aux_conv", [](MainWindow& w) { w.on_menu_clicked(); click(w, "aux_conv"); }},
        {"trac_moto", [](MainWindow& w) { w.on_menu_clicked(); click(w, "trac_moto"); }},
        {"aux_sys", [](MainWindow& w) { w.on_menu_clicked(); click(w, "aux_sys"); }},
        {"brak_sys", [](MainWindow& w) { w.on_menu_clicked(); click(w, "brak_sys"); }},
        {"ener_moni", [](MainWindow& w) { w.on_menu_clicked(); click(w, "ener_moni"); }},
        {"temp", [](MainWindow& w) { w.on_menu_clicked(); click(w, "temp"); }},
        {"pressure", [](MainWindow& w) { w.on_menu_clicked(); click(w, "pressure"); }},
        {"io_riom1_digital", [](MainWindow& w) { w.ioSlots->DDU_Maintenace_Open_Processor(1); }},
        {"io_riom1_analog", [](MainWindow& w) { w.ioSlots->DDU_Maintenace_Open_Processor(1); w.ioSlots->on_ddu_proc_next_slot_clicked();
                                                w.ioSlots->on_ddu_proc_next_slot_clicked(); }},
        {"io_brio2_digital", [](MainWindow& w) { w.ioSlots->DDU_Maintenace_Open_Processor(4); }},
    };
    return list;
}
// clang-format on

// Microseconds per tick of one phase; callgrind collects only around the ticks.
double measure(MainWindow& w, const ScreenEntry& e, bool changing, bool withPaint, int ticks, int& serial)
{
    std::vector<SignalStore> data;
    data.reserve(size_t(ticks));
    for (int i = 0; i < ticks; ++i)
        data.push_back(snapshot(serial++, changing, e.shared));
    if (!changing) {
        w.exchange.publish(data.front());
        w.guiupdate_fun();
        paint();
    }
    CALLGRIND_ZERO_STATS;
    qint64 ns = 0;
    QElapsedTimer t;
    for (int i = 0; i < ticks; ++i) {
        w.exchange.publish(data[size_t(i)]);
        t.start();
        CALLGRIND_TOGGLE_COLLECT;
        w.guiupdate_fun();
        if (withPaint)
            paint();
        CALLGRIND_TOGGLE_COLLECT;
        ns += t.nsecsElapsed();
    }
    const QByteArray name =
        QStringLiteral("%1-%2-%3-%4ticks")
            .arg(QLatin1String(e.name), changing ? QStringLiteral("changing") : QStringLiteral("unchanged"),
                 withPaint ? QStringLiteral("tick+repaint") : QStringLiteral("tick"))
            .arg(ticks)
            .toLatin1();
    CALLGRIND_DUMP_STATS_AT(name.constData());
    return double(ns) / ticks / 1000.0;
}

// Worst of five openings: the slot, then the frame it causes.
double openingMs(MainWindow& w, const ScreenEntry& e)
{
    double worst = 0;
    for (int k = 0; k < 5; ++k) {
        w.on_home_clicked();
        paint();
        QElapsedTimer t;
        t.start();
        e.open(w);
        paint();
        worst = std::max(worst, t.nsecsElapsed() / 1e6);
    }
    return worst;
}

void measureScreen(MainWindow& w, const ScreenEntry& e, int ticks)
{
    const double openMs = openingMs(w, e);
    int serial = 1000;
    for (int i = 0; i < 20; ++i) { // every image loaded, every style cached
        w.exchange.publish(snapshot(serial++, true, e.shared));
        w.guiupdate_fun();
        paint();
    }
    double us[4];
    us[0] = measure(w, e, false, false, ticks, serial);
    us[1] = measure(w, e, false, true, ticks, serial);
    us[2] = measure(w, e, true, false, ticks, serial);
    us[3] = measure(w, e, true, true, ticks, serial);
    std::printf("| %s | %.1f | %.1f | %.1f | %.1f | %.1f |\n", e.name, us[0], us[1], us[2], us[3], openMs);
    std::fflush(stdout);
}

// The widgets a changing tick repaints on the screen shown, with their paint
// events per tick.
void printPaints(MainWindow& w, const ScreenEntry& e, int ticks)
{
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    int serial = 5000;
    for (int i = 0; i < ticks; ++i) {
        w.exchange.publish(snapshot(serial++, true, e.shared));
        w.guiupdate_fun();
        paint();
    }
    qApp->removeEventFilter(&counter);
    for (auto it = counter.counts.cbegin(); it != counter.counts.cend(); ++it)
        std::printf("    painted %s: %.1f per tick, %lld pixels\n", qPrintable(it.key()), double(it.value()) / ticks,
                    counter.pixels.value(it.key()) / ticks);
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    isolate(root);
    QApplication app(argc, argv);
    const int ticks = qMax(1, argument(QCoreApplication::arguments(), "--ticks", QStringLiteral("20")).toInt());
    const QString only = argument(QCoreApplication::arguments(), "--only", QString());

    QString error;
    if (imgpaint::writeAll(root.path(), &error) <= 0) {
        std::fprintf(stderr, "cannot paint the images: %s\n", qPrintable(error));
        return 1;
    }
    StartOptions options;
    options.noMvb = true;
    MainWindow w(nullptr, options);
    w.timer1->stop();
    w.timer2->stop();
    w.show();
    paint();
    writeLog(root); // after the start, which empties the log
    // --hide NAME: a widget of the home screen beside the screens hidden, to
    // tell its repaint from theirs (the subsystem strip shows the grids' states).
    const QString hidden = argument(QCoreApplication::arguments(), "--hide", QString());
    if (!hidden.isEmpty()) {
        if (QWidget* h = w.W(hidden))
            h->hide();
        else
            std::fprintf(stderr, "no widget %s\n", qPrintable(hidden));
    }

    std::printf(
        "| screen | unchanged tick (us) | + repaint | changing tick (us) | + repaint | open (ms, worst of 5) |\n"
        "|---|---|---|---|---|---|\n");
    const bool paints = QCoreApplication::arguments().contains(QStringLiteral("--paints"));
    for (const ScreenEntry& e : screens())
        if (only.isEmpty() || only == QLatin1String(e.name)) {
            measureScreen(w, e, ticks);
            if (paints)
                printPaints(w, e, ticks);
        }
    return 0;
}
