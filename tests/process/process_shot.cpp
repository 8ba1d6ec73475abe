// Screenshot of a process information, subsystem or I/O slot screen against
// the simulator, for screens whose way in (the maintenance area behind its
// password) a scripted run does not take:
//
//   process_shot <screen> <file.png> [<seconds>]
//
// <screen>: io-riom1, io-riom1-2, io-riom1-3, io-riom2 ... io-brio2 (the I/O
// slot pages); node, energy ... motor_status; sub_sys, hv_circ ... pressure. The ports come from DDU_MVB_DEVICE,
// DDU_KEYPAD_DEVICE and DDU_TOUCH_DEVICE as for the display; the shot is taken <seconds> (default 4) after the screen
// was opened, once the bus delivers values.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "app/mainwindow.h"

namespace {

void click(MainWindow& w, const char* name)
{
    if (auto* b = w.W<QAbstractButton>(QLatin1String(name)))
        b->click();
}

// How each screen is opened: io-<processor>[-<slot>], a process information
// entry (node, energy ...), a main menu entry (sub_sys, hv_circ ...).
std::function<void(MainWindow&)> opener(const QString& screen)
{
    static const QStringList processors = {"io-riom1", "io-riom2", "io-brio1", "io-brio2"};
    const int processor = processors.indexOf(screen.section(QLatin1Char('-'), 0, 1)) + 1;
    if (processor > 0) {
        const int slot = screen.count(QLatin1Char('-')) == 2 ? screen.section(QLatin1Char('-'), 2).toInt() : 1;
        return [processor, slot](MainWindow& w) {
            w.DDU_Maintenace_Open_Processor(processor);
            for (int k = 1; k < slot; ++k)
                w.on_ddu_proc_next_slot_clicked();
        };
    }
    static const QStringList process = {"node",     "energy",  "simulation",  "motortemp",
                                        "software", "inching", "motor_status"};
    static const QStringList menu = {"sub_sys", "hv_circ",  "trac_conv", "aux_conv", "trac_moto",
                                     "aux_sys", "brak_sys", "ener_moni", "temp",     "pressure"};
    const QByteArray name = screen.toLatin1();
    if (process.contains(screen))
        return [name](MainWindow& w) {
            w.on_process_clicked();
            click(w, name.constData());
        };
    if (menu.contains(screen))
        return [name](MainWindow& w) {
            w.on_menu_clicked();
            click(w, name.constData());
        };
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: process_shot <screen> <file.png> [<seconds>]\n");
        return 2;
    }
    const QString screen = args.at(1);
    const QString file = args.at(2);
    const int seconds = args.size() > 3 ? args.at(3).toInt() : 4;
    const std::function<void(MainWindow&)> open = opener(screen);
    if (!open) {
        std::fprintf(stderr, "unknown screen %s\n", qPrintable(screen));
        return 2;
    }

    MainWindow w;
    w.show();
    QElapsedTimer waited;
    waited.start();
    while (w.snap.pass_count == 0 && waited.elapsed() < 15000)
        app.processEvents(QEventLoop::AllEvents, 50);
    open(w);
    QTimer::singleShot(seconds * 1000, &w, [&] {
        if (!w.grab().save(file, "PNG"))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        app.quit();
    });
    return app.exec();
}
