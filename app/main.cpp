// The display program: one full-screen window.
//
//   ddu [--no-mvb] [--screenshot FILE --quit-after MS]

#include <QApplication>
#include <QCommandLineParser>
#include <QCursor>
#include <QTimer>

#include "app/mainwindow.h"
#include "platform/platform.h"
#include "platform/program_version.h"
#include "platform/termination.h"
#include "platform/update_trial.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ddu"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::programVersion()));
    // The unit's service manager stops the display with SIGTERM: leave the
    // event loop so the window's destructor stops the threads and closes the
    // ports, instead of dying in the middle of a bus transaction.
    platform::quitOnTerminationSignals();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Driver display unit"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption noMvb(QStringLiteral("no-mvb"), QStringLiteral("Do not use the MVB (MVB_SW_Enable 0)."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Write a PNG of the window to FILE."), QStringLiteral("FILE"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Take the screenshot after MS milliseconds and exit."),
                                       QStringLiteral("MS"));
    const QCommandLineOption showMenu(QStringLiteral("show-menu"), QStringLiteral("Open the main menu after start."));
    parser.addOptions({noMvb, screenshot, quitAfter, showMenu});
    parser.process(app);

    StartOptions options;
    options.noMvb = parser.isSet(noMvb);

    MainWindow w(nullptr, options);
    w.show();
    QApplication::setOverrideCursor(QCursor(Qt::BlankCursor));

    if (parser.isSet(showMenu))
        w.on_menu_clicked();
    if (parser.isSet(screenshot)) {
        bool ok = false;
        int ms = parser.value(quitAfter).toInt(&ok);
        if (!ok || ms < 0)
            ms = 1000;
        w.scheduleScreenshot(parser.value(screenshot), ms, true);
    } else if (parser.isSet(quitAfter)) {
        QTimer::singleShot(parser.value(quitAfter).toInt(), &app, &QCoreApplication::quit);
    }
    const int status = QApplication::exec();
    // Status 0 is an end asked for with the event loop alive (Exit
    // Application, SIGTERM): no failed try of a program still on trial. The
    // restart request (75) is known to the guard by its status.
    if (status == 0)
        platform::noteStopRequested(platform::TrialFiles{platform::dataRoot()});
    return status;
}
