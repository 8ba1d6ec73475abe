// The software update dialog (screen 30) over the "DDU Configure" screen:
// stick and SD card checks, the program update and the data transfer. The
// work is update::SoftwareUpdate; here only the dialog and its status line.
//
// A program update that installed the new file asks for the restart with the
// message box (masterslave_flag 2): its OK ends the program with the restart
// status and reboots the unit (mainwindow_dialog.cpp).

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>

#include "maintenance/software_update.h"
#include "platform/platform.h"
#include "ui/resources.h"
#include "ui/widget_writer.h"

bool MainWindow::Check_pendrive()
{
    return QFileInfo::exists(QString::fromLocal8Bit(platform::usbDevicePath()));
}

bool MainWindow::Check_sdcard()
{
    return QFileInfo::exists(QString::fromLocal8Bit(platform::sdDevicePath()));
}

bool MainWindow::Check_update(const QString& name)
{
    return QFileInfo::exists(platform::dataPath(QStringLiteral("file/pendrive/")) + name);
}

void MainWindow::on_software_updateBtn_clicked()
{
    openConfigPad(8, screen::SoftwareUpdateChoice);
}

void MainWindow::DDU_Maintenance_softupdate()
{
    screen_id_old = screen_id;
    screen_id = screen::SoftwareUpdate;
    if (QWidget* menu = W(QStringLiteral("Gmaint_menu")))
        menu->hide();
    if (QWidget* blur = W(QStringLiteral("Gpassword_blur_soft"))) {
        blur->setGeometry(0, 0, 1024, 768);
        ui::showRaised(blur);
    }
    if (QWidget* box = W(QStringLiteral("G_softupdate"))) {
        // Placed where the touch regions of its buttons are.
        box->setGeometry(150, 150, 600, 500);
        ui::showRaised(box);
    }
    if (auto* h = W<QLabel>(QStringLiteral("header1")))
        h->setText(tr("SOFTWARE UPDATE"));
    // Short texts: the buttons are 200 pixels wide, in the bold face of the
    // menu buttons.
    const std::pair<const char*, const char*> buttons[] = {
        {"pendrive1", QT_TR_NOOP("Pendrive")},    {"s_update", QT_TR_NOOP("Update DDU")},
        {"file_trans", QT_TR_NOOP("Copy Files")}, {"sd_card_check", QT_TR_NOOP("SD Card")},
        {"softw_cancel", QT_TR_NOOP("Cancel")},
    };
    for (const auto& [name, text] : buttons)
        if (auto* b = W<QAbstractButton>(QLatin1String(name))) {
            b->setText(tr(text));
            b->setStyleSheet(Key_submenu_select_Style);
        }
    softUpdateStatus(
        tr("Please make sure that \npendrive contains 'ZAV_DDU_LU' file\nNote :- Do not rename if not found"), false);
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// Shows `text` in the status line, red for an error; drawn at once, since the
// work that follows keeps the event loop busy.
void MainWindow::softUpdateStatus(const QString& text, bool error)
{
    auto* l = W<QLabel>(QStringLiteral("header_error"));
    if (!l)
        return;
    l->setStyleSheet(error ? Soft_Update_Style3 : Soft_Update_Style2);
    l->setText(text);
    if (l->isVisible())
        l->repaint();
}

void MainWindow::on_pendrive1_clicked()
{
    softUpdateStatus(QString(), false);
    if (Check_pendrive())
        softUpdateStatus(tr("Pendrive Found"), false);
    else
        softUpdateStatus(tr("NO Pendrive Found"), true);
}

void MainWindow::on_sd_card_check_clicked()
{
    softUpdateStatus(QString(), false);
    if (Check_sdcard())
        softUpdateStatus(tr("MICRO SD CARD DETECTED!"), false);
    else
        softUpdateStatus(tr("MICRO SD CARD NOT DETECTED!"), true);
}

void MainWindow::on_s_update_clicked()
{
    softupdate_pendrive();
}

void MainWindow::softupdate_pendrive()
{
    softUpdateStatus(QString(), false);
    update::SoftwareUpdate job;
    if (job.stickPresent())
        softUpdateStatus(tr("Updating the program ..."), false);
    const update::ProgramResult r = job.updateProgram();
    softUpdateStatus(update::SoftwareUpdate::statusText(r), update::SoftwareUpdate::isError(r.outcome));
    if (r.outcome == update::Outcome::Done) {
        Dialog_Box(tr("DDU will restart now!"), 2);
        messageBox.pending.masterslave_flag = 2;
    }
}

void MainWindow::on_file_trans_clicked()
{
    softUpdateStatus(QString(), false);
    update::SoftwareUpdate job;
    if (job.stickPresent())
        softUpdateStatus(tr("Transferring Files....."), false);
    const update::TransferResult r = job.transferData();
    softUpdateStatus(update::SoftwareUpdate::statusText(r), update::SoftwareUpdate::isError(r.outcome));
}

void MainWindow::on_softw_cancel_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::DduConfigure;
    for (const char* name : {"G_softupdate", "Gpassword_blur_soft"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}
