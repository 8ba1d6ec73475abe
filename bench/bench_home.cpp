// CPU cost of the home screen's refresh tick, for both layouts, with data
// that changes on every tick and with data that does not.
//
//   bench_home [--ticks N]
//
// The window is built offscreen with the bus side off; the benchmark publishes
// the snapshots itself (as the acquisition thread would) and calls the refresh
// tick. Each phase is measured twice: the tick alone, and the tick followed by
// the repaint it causes (the event loop's paint of the changed widgets).
//
// Wall time per tick is printed. Under callgrind, each phase is one dump with
// the instructions of exactly its ticks (collection is switched on around the
// tick and the repaint only, not around the publishing):
//
//   valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file=cg.%p bench_home --ticks 50
//   callgrind_annotate cg.<pid>.<n>          (one file per phase, named in its header)

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <valgrind/callgrind.h>

#include <cstdio>
#include <vector>

#include "acquisition/unknown.h"
#include "app/mainwindow.h"
#include "tests/support/environment.h"
#include "tools/image_table.h"

namespace {

// A locomotive in traction; `i` moves every readout and, now and then, a lamp.
SignalStore snapshot(int i, bool changing)
{
    if (!changing)
        i = 0;
    SignalStore s;
    s.pass_count = 1 + unsigned(i);
    s.MVB_DDU_Panto = 1;
    s.MVB_DDU_VCB = 1;
    const double uprim = 24.0 + (i % 20) * 0.11;
    s.MVB_DDU_UPRIM = int(uprim);
    s.MVB_DDU_UPRIM_String = QString::number(uprim, 'f', 2);
    const double iprim = 100.0 + (i * 7 % 150) + 0.37;
    s.MVB_DDU_IPRIM = int(iprim);
    s.MVB_DDU_IPRIM_String = QString::number(iprim, 'f', 2);
    const double battery = 108.0 + (i % 9) * 0.3;
    s.MVB_DDU_Battery = int(battery);
    s.MVB_DDU_Battery_String = QString::number(battery, 'f', 1);
    s.MVB_DDU_MR = 0;
    s.MVB_DDU_BP_Demand = 5.0 - (i % 8) * 0.1;
    s.MVB_DDU_BP_Pressure_String = QString::number(s.MVB_DDU_BP_Demand, 'f', 1);
    s.MVB_DDU_Line_Frequency_INT_String = QStringLiteral("50");
    const double power = 2500.0 + i * 13 % 3000;
    s.MVB_DDU_Input_Power = int(power);
    s.MVB_DDU_Input_Power_String = QString::number(power, 'f', 2);
    s.MVB_DDU_FLG1_Node_String = QStringLiteral("504");
    s.MVB_DDU_FLG2_Node_String = QStringLiteral("502");
    s.MVB_DDU_SLG1_Node_String = QStringLiteral("604");
    s.MVB_DDU_SLG2_Node_String = QStringLiteral("602");
    s.MVB_DDU_SLV_Node_String = unknownText();
    s.MVB_DDU_ALG1_Node_String = QStringLiteral("A0A0");
    s.MVB_DDU_ALG2_Node_String = QStringLiteral("B0B0");
    s.MVB_DDU_BE_Demand = 40 + i % 50;
    s.MVB_DDU_BE_Demand_String = QString::number(s.MVB_DDU_BE_Demand);
    s.MVB_DDU_BE_Actual = 38 + i % 50;
    s.MVB_DDU_BE_Actual_String = QString::number(s.MVB_DDU_BE_Actual);
    s.MVB_DDU_Speed = 30 + i % 70;
    s.MVB_DDU_Speed_String = QString::number(s.MVB_DDU_Speed);
    s.MVB_DDU_LSP = (i / 10) % 2; // a wheel slip now and then
    s.MVB_DDU_BPCS = (i / 25) % 2;
    s.LineConverter1_status_SLG1 = s.LineConverter2_status_SLG1 = 1;
    s.LineConverter1_status_SLG2 = s.LineConverter2_status_SLG2 = 1;
    s.CoCo_bogie_chasis = 1;
    for (int m = 0; m < 6; ++m)
        s.MVB_DDU_MotorMaster_Status[m] = 1;
    s.MVB_DDU_Direction = 1;
    s.MVB_DDU_Loco_Type_String = QStringLiteral("WAG9");
    s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
    s.MVB_DDU_Loco2_NO_String = unknownText();
    s.MVB_DDU_Cab_Active = 1;
    s.MVB_DDU_LOCO_SUB_System[4] = 4;
    s.MVB_DDU_LOCO_SUB_System[19] = 99;
    for (int k = 0; k < 20; ++k)
        s.MVB_DDU_LOCO2_SUB_System[k] = 4;
    return s;
}

void paint()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The benchmark's own data root: no device is opened and no shell command runs.
void isolate(const QTemporaryDir& root)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::useRoot(root.path(), true);
}

int tickCount(const QStringList& args)
{
    int ticks = 50;
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args.at(i) == QLatin1String("--ticks"))
            ticks = qMax(1, args.at(i + 1).toInt());
    return ticks;
}

// One measured phase: a layout, changing or unchanged data, with or without the repaint.
struct Phase {
    int layout;
    bool changing;
    bool withPaint;
    int ticks;
};

// Name of the phase's callgrind dump, e.g. "ddu-changing-tick+repaint-50ticks".
QByteArray dumpName(const Phase& ph)
{
    return QStringLiteral("%1-%2-%3-%4ticks")
        .arg(ph.layout == 0 ? QStringLiteral("rms") : QStringLiteral("ddu"),
             ph.changing ? QStringLiteral("changing") : QStringLiteral("unchanged"),
             ph.withPaint ? QStringLiteral("tick+repaint") : QStringLiteral("tick"))
        .arg(ph.ticks)
        .toLatin1();
}

// Every image loaded, every style cached.
void warmUp(MainWindow& w, int& serial)
{
    for (int i = 0; i < 60; ++i) {
        w.exchange.publish(snapshot(serial++, true));
        w.guiupdate_fun();
        paint();
    }
}

// Microseconds per tick of one phase; callgrind collects only around the ticks.
double measure(MainWindow& w, const Phase& ph, int& serial)
{
    // Snapshots prepared beforehand: their making is not the tick's.
    std::vector<SignalStore> data;
    data.reserve(size_t(ph.ticks));
    for (int i = 0; i < ph.ticks; ++i)
        data.push_back(snapshot(serial++, ph.changing));
    if (!ph.changing) { // the same values as the last tick
        w.exchange.publish(data.front());
        w.guiupdate_fun();
        paint();
    }
    CALLGRIND_ZERO_STATS;
    qint64 ns = 0;
    QElapsedTimer t;
    for (int i = 0; i < ph.ticks; ++i) {
        w.exchange.publish(data[size_t(i)]);
        t.start();
        CALLGRIND_TOGGLE_COLLECT;
        w.guiupdate_fun();
        if (ph.withPaint)
            paint();
        CALLGRIND_TOGGLE_COLLECT;
        ns += t.nsecsElapsed();
    }
    const QByteArray name = dumpName(ph);
    CALLGRIND_DUMP_STATS_AT(name.constData());
    return double(ns) / ph.ticks / 1000.0;
}

// The four phases of one layout, as two rows of the table.
void measureLayout(MainWindow& w, int layout, int ticks)
{
    if (layout == 1)
        w.on_screen_toggle_clicked();
    int serial = 1000;
    warmUp(w, serial);
    for (int changing = 1; changing >= 0; --changing) {
        double us[2] = {0, 0};
        for (int withPaint = 0; withPaint < 2; ++withPaint)
            us[withPaint] = measure(w, Phase{layout, changing != 0, withPaint != 0, ticks}, serial);
        std::printf("| %s | %s | %.1f | %.1f |\n", layout == 0 ? "RMS" : "DDU", changing ? "changing" : "unchanged",
                    us[0], us[1]);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    isolate(root);
    QApplication app(argc, argv);
    const int ticks = tickCount(QCoreApplication::arguments());

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

    std::printf("| layout | data | tick only (us) | tick + repaint (us) |\n|---|---|---|---|\n");
    for (int layout = 0; layout < 2; ++layout)
        measureLayout(w, layout, ticks);
    return 0;
}
