// The configuration family on the window: the protected dialogs behind the
// password pad, the cab dialog and its file, the "DDU Configure" and "DDU
// DISPLAY" screens, the software update dialog and the driver details.
// Devices do not exist unless a test makes a file stand for one.

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/mainwindow.h"
#include "maintenance/config_screen.h"
#include "maintenance/driver_screen.h"
#include "maintenance/software_update.h"
#include "maintenance/update_screen.h"
#include "mvb/mvbc.h"
#include "platform/program_version.h"
#include "screens/keyboard_screen.h"
#include "screens/message_box_screen.h"
#include "screens/password_screen.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"
#include "tests/support/window.h"
#include "ui/look.h"
#include "ui/resources.h"

namespace {

using testsupport::makeWindow;

using testsupport::readBytes;
using testsupport::writeBytes;

using Window = std::unique_ptr<MainWindow>;

void click(MainWindow& w, const QString& name)
{
    auto* b = w.W<QAbstractButton>(name);
    QVERIFY2(b, qPrintable(name));
    b->click();
}

// Types a code on the password pad and presses OK.
void typeCode(MainWindow& w, const QString& code)
{
    for (QChar c : code)
        click(w, QStringLiteral("b_key") + c);
    click(w, QStringLiteral("b_keyOK"));
}

QString cell(MainWindow& w, const char* table, int row, int column)
{
    auto* t = w.W<QTableWidget>(QLatin1String(table));
    return t && t->item(row, column) ? t->item(row, column)->text() : QString("<none>");
}

QStringList checked(MainWindow& w, const QStringList& boxes)
{
    QStringList on;
    for (const QString& b : boxes)
        if (w.W<QAbstractButton>(b)->isChecked())
            on << b;
    return on;
}

} // namespace

class TestConfigScreens : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root{true};
    QString m_log;

    QString path(const QString& rel) const { return m_root.filePath(rel); }
    QString shellLog() const { return QString::fromUtf8(readBytes(m_log)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        qputenv("DDU_USB_DEVICE", path("usb-device").toLocal8Bit());
        qputenv("DDU_SD_DEVICE", path("sd-device").toLocal8Bit());
        m_log = m_root.shellLog();
        QVERIFY(writeBytes(path("file/master/DDU.xml"), "<Table><Loco_Details><CAB>1</CAB></Loco_Details></Table>"));
    }

    void init() { QFile::remove(m_log); }

    // Each entry opens the pad at its stage; the maintenance code does not
    // open a configuration dialog, the configuration code does.
    void padGuardsEveryDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("padScreen");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("dialogScreen");
        QTest::newRow("VCU") << "vcu_button" << 2 << 26 << "Gvcu_dialog" << 27;
        QTest::newRow("SR") << "sr_button" << 3 << 26 << "Gsr_dialog" << 27;
        QTest::newRow("BUR") << "bur_button" << 4 << 26 << "Gbur_dialog" << 27;
        QTest::newRow("CALIBRATE") << "calibrate_button" << 5 << 28 << "Gmessage" << 17;
        QTest::newRow("DDU") << "cab_button" << 6 << 26 << "Gcab_dialog" << 27;
        QTest::newRow("SOFTWARE UPDATE") << "software_updateBtn" << 8 << 29 << "G_softupdate" << 30;
    }

    void padGuardsEveryDialog()
    {
        QFETCH(QString, button);
        QFETCH(int, stage);
        QFETCH(int, padScreen);
        QFETCH(QString, dialog);
        QFETCH(int, dialogScreen);
        auto w = makeWindow();
        w->configScreen->on_ddulogging_clicked();
        QCOMPARE(w->screen_id, screen::DduConfigure);
        w->W<QAbstractButton>(button)->setEnabled(true); // hidden on the unit; the pad still guards it
        click(*w, button);
        QCOMPARE(w->passwordPad->PasswordPad_Stage, stage);
        QCOMPARE(w->screen_id, padScreen);
        QVERIFY(w->isShown("Gpassword"));
        typeCode(*w, "4026"); // the maintenance code is not the configuration code
        QVERIFY(w->isShown("Gpassword") && !w->isShown(dialog));
        typeCode(*w, "4027");
        QVERIFY(!w->isShown("Gpassword"));
        QVERIFY(w->isShown(dialog));
        QCOMPARE(w->screen_id, dialogScreen);
    }

    // The cab dialog: one exclusive choice, the display type and MVB board
    // only shown; OK stores the cab (and the fixed rest), which the next start
    // reads again; Cancel changes nothing.
    void cabChoiceSurvivesARestart()
    {
        const QStringList cabs{"cabcheck1", "cabcheck2", "cabcheck3"};
        auto w = makeWindow();
        QCOMPARE(w->exchange.requests.Selected_CAB_Type.load(), 1);
        w->configScreen->on_ddulogging_clicked();
        w->configScreen->DDU_Maintenance_CABDDU();
        QCOMPARE(w->screen_id, screen::CabSettings);
        QCOMPARE(checked(*w, cabs), QStringList{"cabcheck1"});
        QVERIFY(!w->W("DDUcheck1")->isEnabled() && !w->W("mvb_ESD_check")->isEnabled());
        click(*w, "cabcheck2");
        QCOMPARE(checked(*w, cabs), QStringList{"cabcheck2"});
        click(*w, "cabcheck2"); // a second touch keeps the choice
        QCOMPARE(checked(*w, cabs), QStringList{"cabcheck2"});
        const QByteArray before = readBytes(path("file/master/DDU.xml"));
        click(*w, "cab_cancel");
        QCOMPARE(w->screen_id, screen::DduConfigure);
        QCOMPARE(w->exchange.requests.Selected_CAB_Type.load(), 1);
        QCOMPARE(readBytes(path("file/master/DDU.xml")), before);

        w->configScreen->DDU_Maintenance_CABDDU();
        click(*w, "cabcheck2");
        w->W<QAbstractButton>("DDUcheck1")->setChecked(true); // whatever the rows show
        click(*w, "cab_ok");                                  // a new cab asks for the restart
        QVERIFY(!w->isShown("Gcab_dialog") && w->isShown("Gmessage"));
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("DDU will restart now!"));
        QCOMPARE(w->messageBox->state.pending.masterslave_flag, 2);
        QCOMPARE(w->exchange.requests.Selected_CAB_Type.load(), 2);
        QCOMPARE(w->configScreen->Selected_DDU_Type, 3);
        const QString file = QString::fromUtf8(readBytes(path("file/master/DDU.xml")));
        QVERIFY2(file.contains("<VCU>3</VCU>") && file.contains("<SR>3</SR>") && file.contains("<BUR>3</BUR>") &&
                     file.contains("<CAB>2</CAB>") && file.contains("<DDU>3</DDU>") && file.contains("<MVB>0</MVB>"),
                 qPrintable(file));
        w.reset();
        auto again = makeWindow();
        QCOMPARE(again->exchange.requests.Selected_CAB_Type.load(), 2);
        again->configScreen->DDU_Maintenance_CABDDU();
        QCOMPARE(checked(*again, cabs), QStringList{"cabcheck2"});
        QVERIFY(writeBytes(path("file/master/DDU.xml"), before));
    }

    // A variant dialog ticks the box of the stored code (a code of two boxes
    // ticks the first); VCU type 2 names the control processors ICP1/ICP2.
    void variantDialogs()
    {
        auto w = makeWindow();
        w->exchange.requests.Selected_SR_Type.store(6);
        w->configScreen->DDU_Maintenance_SR();
        QCOMPARE(w->W<QAbstractButton>("srcheck1")->text(), QString("Default"));
        QVERIFY(w->W<QAbstractButton>("srcheck7")->isChecked() && !w->W<QAbstractButton>("srcheck12")->isChecked());
        click(*w, "sr_cancel");
        QVERIFY(!w->isShown("Gsr_dialog"));
        auto* label = new QLabel("FLG1", w->centralWidget());
        w->exchange.requests.Selected_VCU_Type.store(2);
        w->configScreen->VCU_labelchange();
        QCOMPARE(label->text(), QString("ICP1"));
    }

    void configureScreen()
    {
        auto w = makeWindow();
        w->configScreen->on_ddulogging_clicked();
        QVERIFY(w->isShown("Gmaint_ddulogin"));
        for (const char* name : {"vcu_button", "sr_button", "calibrate_button", "bur_button", "stack_label"})
            QVERIFY2(!w->isShown(name) && !w->W(name)->isEnabled(), name);
        QVERIFY(w->isShown("cab_button") && w->isShown("software_updateBtn"));
        QCOMPARE(cell(*w, "t_ipadr_5", 1, 1), QString("Disabled")); // started without the bus
        w->guiupdate_fun();
        QVERIFY(QRegularExpression("^[0-9A-F]{2}:[0-9A-F]{2}$").match(cell(*w, "t_ipadr_5", 2, 1)).hasMatch());
    }

    void displayScreenAndDemoSwitch()
    {
        auto w = makeWindow();
        w->configScreen->on_ddudisplay_clicked();
        QCOMPARE(w->screen_id, screen::DduDisplay);
        QCOMPARE(cell(*w, "t_version", 0, 1), QString("A - 0.989"));
        QCOMPARE(cell(*w, "t_version", 2, 1), QString("%1.%2").arg(mvb_major_version).arg(mvb_minor_version));
        const QImage grey = QPixmap(Dir_rms_img_LEDMediumGray).toImage();
        const QImage green = QPixmap(Dir_rms_img_LEDSmallGreen).toImage();
        QCOMPARE(w->W<QLabel>("demo_lamp")->pixmap().toImage(), grey);
        click(*w, "on_button");
        QVERIFY(w->exchange.requests.MVB_DDU_Internal_Simulation.load());
        QCOMPARE(w->screen_id, screen::Home);
        QCOMPARE(w->W<QLabel>("demo_lamp")->pixmap().toImage(), green);
        w->configScreen->on_ddudisplay_clicked();
        click(*w, "off_button");
        QVERIFY(!w->exchange.requests.MVB_DDU_Internal_Simulation.load());
        QCOMPARE(w->W<QLabel>("demo_lamp")->pixmap().toImage(), grey);
    }

    // The status line of the update dialog, case by case: text and colour.
    void updateDialogStatus()
    {
        auto w = makeWindow();
        w->configScreen->on_ddulogging_clicked();
        w->softwareUpdate->DDU_Maintenance_softupdate();
        QCOMPARE(w->screen_id, screen::SoftwareUpdate);
        auto* status = w->W<QLabel>("header_error");
        QVERIFY(status->text().startsWith("Please make sure that \npendrive contains 'ZAV_DDU_LU' file"));
        // The update and the transfer ask first, NO focused; YES goes on.
        // The work runs on the update's worker: wait for it.
        const auto settle = [&] { QTRY_VERIFY_WITH_TIMEOUT(!w->softwareUpdate->busy(), 60000); };
        const auto expect = [&](const char* button, const QString& text, bool red) {
            click(*w, button);
            settle();
            if (w->isShown("Gmessage")) {
                QCOMPARE(w->W<QLabel>("err_header")->text(), QStringLiteral("CONFIRMATION"));
                QCOMPARE(w->W<QPushButton>("no")->styleSheet(), Key_submenu_border_Style);
                w->messageBox->on_ok_clicked();
                settle();
            }
            QCOMPARE(status->text(), text);
            QCOMPARE(status->styleSheet(), red ? Soft_Update_Style3 : Soft_Update_Style2);
        };
        expect("pendrive1", "NO Pendrive Found", true);
        expect("sd_card_check", "MICRO SD CARD NOT DETECTED!", true);
        expect("s_update", "'No Pendrive Found", true);
        expect("file_trans", "NO Pendrive Found", true);
        QVERIFY(shellLog().isEmpty());
        QVERIFY(writeBytes(path("usb-device"), "") && writeBytes(path("sd-device"), ""));
        expect("pendrive1", "Pendrive Found", false);
        expect("sd_card_check", "MICRO SD CARD DETECTED!\nUpdate and copy read the SD card", false);
        {
            // The SD card as the source: its device is mounted.
            QVERIFY(QFile::remove(path("usb-device")));
            const QString ranBefore = shellLog();
            expect("file_trans", "Files Not Found on Pendrive !!!", false);
            QVERIFY(shellLog().mid(ranBefore.size()).startsWith("mount " + path("sd-device") + ' '));
            QVERIFY(writeBytes(path("usb-device"), ""));
        }
        expect("pendrive1", "Pendrive Found", false); // the pendrive again
        expect("file_trans", "Files Not Found on Pendrive !!!", false);
        QVERIFY(writeBytes(path("file/pendrive/qim_new/zav_new/master/new.xml"), "<new/>"));
        // NO keeps everything: nothing copied, nothing run, the status as it was.
        const QString before = status->text();
        click(*w, "file_trans");
        QVERIFY(w->isShown("Gmessage"));
        w->messageBox->on_no_clicked();
        QVERIFY(!w->isShown("Gmessage"));
        QCOMPARE(status->text(), before);
        QVERIFY(!QFileInfo::exists(path("file/master/new.xml")));
        expect("file_trans", "'Files Transferred to DDU\n1 files copied", false);
        QCOMPARE(readBytes(path("file/master/new.xml")), QByteArray("<new/>")); // only master on the stick
        QVERIFY(!QFileInfo::exists(path("file/micview")));
        QVERIFY(writeBytes(path("file/pendrive/ZAV_DDU_LU"), "")); // an empty program is not installed
        expect("s_update", "Update failed: the pendrive file is empty\nThe old program is kept", true);
        {
            // A program beyond 64 MB is refused before any copy (a sparse file here).
            QFile big(path("file/pendrive/ZAV_DDU_LU"));
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(update::kMaxProgramBytes + 1));
        }
        expect("s_update", "Update failed: the pendrive file is larger than 64 MB\nThe old program is kept", true);
        QVERIFY(!QFileInfo::exists(path("ZAV_DDU_LU")));
        // A stick that does not mount says so, and nothing more is run.
        qputenv("DDU_SHELL_FAIL", "mount");
        const QString ranBefore = shellLog();
        expect("s_update", "Cannot mount the pendrive", true);
        expect("file_trans", "Cannot mount the pendrive", true);
        QVERIFY(!shellLog().mid(ranBefore.size()).contains("umount"));
        qunsetenv("DDU_SHELL_FAIL");
        // A mount that never ends: the screen stays live (its refresh tick
        // keeps running) until the time-out ends the wait.
        qputenv("DDU_SHELL_HANG", "mount");
        qputenv("DDU_SHELL_TIMEOUT_MS", "3000");
        int ticks = 0;
        qint64 longestGapMs = 0; // reported, not asserted: timing is the bench's
        QElapsedTimer sinceTick;
        sinceTick.start();
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] {
            ++ticks;
            longestGapMs = qMax(longestGapMs, sinceTick.restart());
        });
        ticker.start(20);
        click(*w, "s_update");
        QVERIFY(w->softwareUpdate->busy());
        QCOMPARE(status->text(), QString("Reading the pendrive ..."));
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 60000); // the event loop runs during the mount
        click(*w, "file_trans");                     // one job at a time
        QVERIFY(status->text().endsWith("Please wait until it has finished"));
        QVERIFY(!w->isShown("Gmessage"));
        settle();
        QCOMPARE(status->text(), QString("Cannot mount the pendrive"));
        qInfo() << "longest pause of the event loop during the hanging mount:" << longestGapMs << "ms";
        qunsetenv("DDU_SHELL_HANG");
        qunsetenv("DDU_SHELL_TIMEOUT_MS");
        QVERIFY(!w->isShown("Gmessage"));
        click(*w, "softw_cancel");
        QCOMPARE(w->screen_id, screen::DduConfigure);
        QVERIFY(!w->isShown("G_softupdate") && !w->isShown("Gpassword_blur_soft"));
        QFile::remove(path("usb-device"));
        QFile::remove(path("sd-device"));
        QDir(path("file/pendrive")).removeRecursively();
    }

    // The service guard put the previous program back: the next start says
    // so once, and the update log keeps it.
    void rollbackSaidOnce()
    {
        QVERIFY(writeBytes(path("file/update/rolled-back"),
                           "time=2026-12-08T09:31:10Z\nfrom=1.1\nto=1.0\nreason=signal:SEGV\n"));
        {
            auto w = makeWindow();
            QTRY_VERIFY_WITH_TIMEOUT(w->isShown("Gmessage"), 60000);
            QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("Update rolled back: the new program crashed (SEGV)"));
            QCOMPARE(w->W<QLabel>("err_header")->text(), QString("ERROR"));
            w->messageBox->on_ok_clicked();
        }
        QVERIFY(!QFileInfo::exists(path("file/update/rolled-back")));
        QVERIFY(QString::fromUtf8(readBytes(path("file/update/update.log")))
                    .endsWith("\trollback\t1.1\t1.0\tsignal:SEGV\n"));
        auto again = makeWindow();
        QCoreApplication::processEvents();
        QVERIFY(!again->isShown("Gmessage"));
        QFile::remove(path("file/update/update.log"));
    }

    void driverDetails()
    {
        const QString file = path("file/fault/Driver_Details");
        QVERIFY(writeBytes(file, "$,D1,T1,1200,NDLS,BCT,01-Jan-2024 10:00:00,DLI,NR,#\n"));
        auto w = makeWindow();
        w->driverDetails->dr_details();
        QVERIFY(w->isShown("Gmenu_drdetails") && w->isShown("menuscreen_back"));
        QCOMPARE(w->W<QLabel>("menuscreen_header")->text(), QString("DRIVER DETAILS"));
        QCOMPARE(cell(*w, "t_mdrdetails", 7, 0), QString(" Railway Zone"));
        QCOMPARE(cell(*w, "t_mdrdetails", 5, 1), QString("01-Jan-2024 10:00:00"));
        // A value cell opens the keyboard; the separators are refused.
        w->driverDetails->on_t_mdrdetails_cellClicked(1, 1);
        QVERIFY(w->isShown("keypad_groupbox"));
        QCOMPARE(w->keyboard->Keypad_Stage, 2);
        w->keyboard->KeyPad_Write("12951#A");
        w->keyboard->submit_clicked();
        QVERIFY(!w->isShown("keypad_groupbox"));
        QCOMPARE(w->W<QLabel>("err_header")->text(), QString("ERROR"));
        QCOMPARE(cell(*w, "t_mdrdetails", 1, 1), QString("T1"));
        w->messageBox->on_ok_clicked();
        w->driverDetails->on_t_mdrdetails_cellClicked(1, 1);
        w->keyboard->KeyPad_Write(QString(40, 'R'));
        w->keyboard->submit_clicked();
        QCOMPARE(cell(*w, "t_mdrdetails", 1, 1), QString(24, 'R'));
        w->messageBox->on_ok_clicked();
        w->driverDetails->on_t_mdrdetails_cellClicked(7, 1); // Railway Zone
        QCOMPARE(w->keyboard->Keypad_Stage, 9);
        w->keyboard->KeyPad_Write("WR");
        w->keyboard->submit_clicked();
        w->driverDetails->on_t_mdrdetails_cellClicked(5, 1); // sign-in: now
        QVERIFY(QRegularExpression("^\\d\\d-\\w{3}-\\d{4} \\d\\d:\\d\\d:\\d\\d$")
                    .match(cell(*w, "t_mdrdetails", 5, 1))
                    .hasMatch());
        click(*w, "save_btn");
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("File Saved"));
        const QString line = QString::fromUtf8(readBytes(file));
        QVERIFY2(line.startsWith("$,D1," + QString(24, 'R') + ",1200,NDLS,BCT,") && line.endsWith(",DLI,WR,#\n"),
                 qPrintable(line));
        // No file: empty fields, and the line on the debug stream.
        QVERIFY(QFile::remove(file));
        QTest::ignoreMessage(QtDebugMsg, "Unable to open DDS Fault file");
        w->driverDetails->dr_details();
        QCOMPARE(cell(*w, "t_mdrdetails", 0, 1), QString());
    }

    // A new program installed: the restart notice, whose OK ends the program
    // with the restart status and reboots the unit (through the runner).
    // Last: once the program was told to end, no later event loop runs.
    void updateEndsWithRestart()
    {
        auto w = makeWindow();
        QVERIFY(writeBytes(path("usb-device"), ""));
        // A small program of this build: this test program outgrows the
        // 64 MB ceiling in the sanitizer build.
        const QByteArray program = readBytes(QCoreApplication::applicationDirPath() + "/test_update_trial");
        QVERIFY(!program.isEmpty() && program.size() < update::kMaxProgramBytes);
        QVERIFY(writeBytes(path("file/pendrive/ZAV_DDU_LU"), program));
        w->softwareUpdate->DDU_Maintenance_softupdate();
        const QString ranBefore = shellLog();
        const auto settle = [&] { QTRY_VERIFY_WITH_TIMEOUT(!w->softwareUpdate->busy(), 60000); };
        click(*w, "s_update");
        settle();
        // The question names both versions (no program installed yet).
        QCOMPARE(
            w->W<QLabel>("err_txt")->text(),
            QString("New program: %1\nInstalled: unknown\nInstall it and restart?").arg(platform::programVersion()));
        w->messageBox->on_no_clicked(); // NO: the old program stays; the stick was only read
        QVERIFY(!QFileInfo::exists(path("ZAV_DDU_LU")));
        QCOMPARE(shellLog().mid(ranBefore.size()),
                 "mount  " + path("usb-device") + ' ' + path("file/pendrive") + "\numount " + path("file/pendrive") +
                     '\n');
        click(*w, "s_update");
        settle();
        w->messageBox->on_ok_clicked(); // YES
        settle();
        QCOMPARE(w->W<QLabel>("header_error")->text(),
                 QString("File 'ZAV_DDU_LU' Transferred to DDU, \nPLEASE RESTART"));
        QVERIFY(readBytes(path("ZAV_DDU_LU")) == program);
        QVERIFY(w->isShown("Gmessage"));
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("DDU will restart now!"));
        QCOMPARE(w->messageBox->state.pending.masterslave_flag, 2);
        QEventLoop loop;
        QTimer::singleShot(0, w.get(), [&] { w->messageBox->on_ok_clicked(); });
        QCOMPARE(loop.exec(), 75);
        QVERIFY(shellLog().endsWith("chmod 0777 " + path("ZAV_DDU_LU") + "\numount " + path("file/pendrive") +
                                    "\nreboot\n"));
        QFile::remove(path("usb-device"));
        QDir(path("file/pendrive")).removeRecursively();
    }
};

QTEST_MAIN(TestConfigScreens)
#include "tst_config_screens.moc"
