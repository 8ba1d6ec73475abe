// The software update dialog (screen 30) over the "DDU Configure" screen:
// stick and SD card checks, the program update and the data transfer. The
// work is update::SoftwareUpdate; here only the dialog and its status line.
//
// A program update that installed the new file asks for the restart with the
// message box (ui::AfterOk::Restart): its OK ends the program with the
// restart status and reboots the unit.

#include "maintenance/update_screen.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>

#include "maintenance/software_update.h"
#include "platform/platform.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

SoftwareUpdateScreen::SoftwareUpdateScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "software update", parent)
{
}

bool SoftwareUpdateScreen::Check_pendrive() const
{
    return QFileInfo::exists(QString::fromLocal8Bit(platform::usbDevicePath()));
}

bool SoftwareUpdateScreen::Check_sdcard() const
{
    return QFileInfo::exists(QString::fromLocal8Bit(platform::sdDevicePath()));
}

bool SoftwareUpdateScreen::Check_update(const QString& name) const
{
    return QFileInfo::exists(platform::dataPath(QStringLiteral("file/pendrive/")) + name);
}

void SoftwareUpdateScreen::on_software_updateBtn_clicked()
{
    host.serveScreen(screen::SoftwareUpdateChoice);
    host.openPasswordPad(8, [this] {
        if (QWidget* soft = W(QStringLiteral("Gpassword_blur_soft")))
            soft->hide();
        DDU_Maintenance_softupdate();
    });
    host.drawKeyFocus();
}

void SoftwareUpdateScreen::DDU_Maintenance_softupdate()
{
    host.serveScreen(screen::SoftwareUpdate, true);
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
        h->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "SOFTWARE UPDATE")));
    // Short texts: the buttons are 200 pixels wide, in the bold face of the
    // menu buttons.
    const std::pair<const char*, const char*> buttons[] = {
        {"pendrive1", QT_TRANSLATE_NOOP("MainWindow", "Pendrive")},
        {"s_update", QT_TRANSLATE_NOOP("MainWindow", "Update DDU")},
        {"file_trans", QT_TRANSLATE_NOOP("MainWindow", "Copy Files")},
        {"sd_card_check", QT_TRANSLATE_NOOP("MainWindow", "SD Card")},
        {"softw_cancel", QT_TRANSLATE_NOOP("MainWindow", "Cancel")},
    };
    for (const auto& [name, text] : buttons)
        if (auto* b = W<QAbstractButton>(QLatin1String(name))) {
            b->setText(ui::trScreen(text));
            b->setStyleSheet(Key_submenu_select_Style);
        }
    softUpdateStatus(
        ui::trScreen(QT_TRANSLATE_NOOP(
            "MainWindow",
            "Please make sure that \npendrive contains 'ZAV_DDU_LU' file\nNote :- Do not rename if not found")),
        false);
    host.drawKeyFocus();
}

void SoftwareUpdateScreen::softUpdateStatus(const QString& text, bool error)
{
    auto* l = W<QLabel>(QStringLiteral("header_error"));
    if (!l)
        return;
    l->setStyleSheet(error ? Soft_Update_Style3 : Soft_Update_Style2);
    l->setText(text);
    if (l->isVisible())
        l->repaint();
}

void SoftwareUpdateScreen::on_pendrive1_clicked()
{
    softUpdateStatus(QString(), false);
    if (Check_pendrive())
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Pendrive Found")), false);
    else
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO Pendrive Found")), true);
}

void SoftwareUpdateScreen::on_sd_card_check_clicked()
{
    softUpdateStatus(QString(), false);
    if (Check_sdcard())
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "MICRO SD CARD DETECTED!")), false);
    else
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "MICRO SD CARD NOT DETECTED!")), true);
}

// The program and the data files are replaced only after YES; NO, the
// default, leaves everything as it is.
void SoftwareUpdateScreen::on_s_update_clicked()
{
    host.confirm(
        ui::trScreen(
            QT_TRANSLATE_NOOP("MainWindow", "Install the program from the pendrive?\nThe DDU restarts after it.")),
        [this] {
            softupdate_pendrive();
            return QString();
        },
        false);
}

void SoftwareUpdateScreen::softupdate_pendrive()
{
    softUpdateStatus(QString(), false);
    update::SoftwareUpdate job;
    if (job.stickPresent())
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Updating the program ...")), false);
    const update::ProgramResult r = job.updateProgram();
    softUpdateStatus(update::SoftwareUpdate::statusText(r), update::SoftwareUpdate::isError(r.outcome));
    if (r.outcome == update::Outcome::Done) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DDU will restart now!")), 2, ui::AfterOk::Restart);
    }
}

void SoftwareUpdateScreen::on_file_trans_clicked()
{
    host.confirm(
        ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Replace the data files with those of the pendrive?")),
        [this] {
            transferFiles();
            return QString();
        },
        false);
}

void SoftwareUpdateScreen::transferFiles()
{
    softUpdateStatus(QString(), false);
    update::SoftwareUpdate job;
    if (job.stickPresent())
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Transferring Files.....")), false);
    const update::TransferResult r = job.transferData();
    softUpdateStatus(update::SoftwareUpdate::statusText(r), update::SoftwareUpdate::isError(r.outcome));
}

void SoftwareUpdateScreen::on_softw_cancel_clicked()
{
    host.serveScreen(screen::DduConfigure, true);
    for (const char* name : {"G_softupdate", "Gpassword_blur_soft"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    host.drawKeyFocus();
}
