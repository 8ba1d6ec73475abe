// The software update dialog (screen 30) over the "DDU Configure" screen:
// stick and SD card checks, the program update and the data transfer. The
// work is update::SoftwareUpdate, run by an UpdateRunner on a thread of its
// own; here only the dialog, its questions and its status line, which shows
// how far a job is.
//
// The program update reads the stick first (mount, check, version, umount)
// and asks with both versions shown; YES mounts it again and installs the
// program only if it still carries the version shown.
//
// A program update that installed the new file asks for the restart with the
// message box (ui::AfterOk::Restart): its OK ends the program with the
// restart status and reboots the unit.

#include "maintenance/update_screen.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>

#include <memory>

#include "maintenance/software_update.h"
#include "platform/platform.h"
#include "platform/update_runner.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

SoftwareUpdateScreen::SoftwareUpdateScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "software update", parent)
    , m_runner(new UpdateRunner(this))
{
    connect(m_runner, &UpdateRunner::progress, this, &SoftwareUpdateScreen::showProgress);
}

bool SoftwareUpdateScreen::busy() const
{
    return m_runner->busy();
}

bool SoftwareUpdateScreen::refusedWhileBusy()
{
    if (!m_runner->busy())
        return false;
    softUpdateStatus(m_working + QLatin1Char('\n') +
                         ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Please wait until it has finished")),
                     false);
    return true;
}

void SoftwareUpdateScreen::showProgress(int files, qint64 bytes, qint64 total)
{
    if (!m_runner->busy())
        return;
    const double mb = double(bytes) / (1024.0 * 1024.0);
    QString line;
    if (total > 0)
        line = ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "%1 of %2 MB"))
                   .arg(mb, 0, 'f', 1)
                   .arg(double(total) / (1024.0 * 1024.0), 0, 'f', 1);
    else
        line = ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "%1 files, %2 MB")).arg(files).arg(mb, 0, 'f', 1);
    softUpdateStatus(m_working + QLatin1Char('\n') + line, false);
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
}

void SoftwareUpdateScreen::on_pendrive1_clicked()
{
    if (refusedWhileBusy())
        return;
    softUpdateStatus(QString(), false);
    m_sdCard = false;
    if (Check_pendrive())
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Pendrive Found")), false);
    else
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "NO Pendrive Found")), true);
}

void SoftwareUpdateScreen::on_sd_card_check_clicked()
{
    if (refusedWhileBusy())
        return;
    softUpdateStatus(QString(), false);
    // A card found becomes the source of the update and the copy, until
    // the pendrive is checked again.
    m_sdCard = Check_sdcard();
    if (m_sdCard)
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "MICRO SD CARD DETECTED!")) + QLatin1Char('\n') +
                             ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Update and copy read the SD card")),
                         false);
    else
        softUpdateStatus(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "MICRO SD CARD NOT DETECTED!")), true);
}

// The stick is read first; the program is replaced only after YES to the
// question that names both versions. NO, the default, leaves everything as
// it is.
void SoftwareUpdateScreen::on_s_update_clicked()
{
    if (refusedWhileBusy())
        return;
    auto job = std::make_shared<update::SoftwareUpdate>(update::Layout::unit(m_sdCard));
    auto check = std::make_shared<update::ProgramCheck>();
    m_working = ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Reading the pendrive ..."));
    softUpdateStatus(m_working, false);
    m_runner->start([job, check] { *check = job->checkProgram(); },
                    [this, check] {
                        if (check->outcome != update::Outcome::Done) {
                            const update::ProgramResult r{check->outcome, check->reason};
                            softUpdateStatus(update::SoftwareUpdate::statusText(r),
                                             update::SoftwareUpdate::isError(r.outcome));
                            return;
                        }
                        softUpdateStatus(QString(), false);
                        askToInstall(*check);
                    });
}

void SoftwareUpdateScreen::askToInstall(const update::ProgramCheck& checked)
{
    const QString& stickVersion = checked.stickVersion;
    const QString& installedVersion = checked.installedVersion;
    const QString unknown = ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "unknown"));
    host.confirm(
        ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "New program: %1\nInstalled: %2\nInstall it and restart?"))
            .arg(stickVersion.isEmpty() ? unknown : stickVersion,
                 installedVersion.isEmpty() ? unknown : installedVersion),
        [this, checked] {
            softupdate_pendrive(checked);
            return QString();
        },
        false);
}

void SoftwareUpdateScreen::softupdate_pendrive(const std::optional<update::ProgramCheck>& checked)
{
    if (refusedWhileBusy())
        return;
    auto job = std::make_shared<update::SoftwareUpdate>(update::Layout::unit(m_sdCard));
    auto result = std::make_shared<update::ProgramResult>();
    UpdateRunner* runner = m_runner;
    job->setProgramProgress([runner](qint64 done, qint64 total) { runner->report(1, done, total); });
    m_working = ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Updating the program ..."));
    softUpdateStatus(m_working, false);
    m_runner->start([job, result, checked] { *result = job->updateProgram(checked); },
                    [this, result] {
                        softUpdateStatus(update::SoftwareUpdate::statusText(*result),
                                         update::SoftwareUpdate::isError(result->outcome));
                        if (result->outcome == update::Outcome::Done)
                            host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DDU will restart now!")), 2,
                                         ui::AfterOk::Restart);
                    });
}

void SoftwareUpdateScreen::on_file_trans_clicked()
{
    if (refusedWhileBusy())
        return;
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
    if (refusedWhileBusy())
        return;
    auto job = std::make_shared<update::SoftwareUpdate>(update::Layout::unit(m_sdCard));
    auto result = std::make_shared<update::TransferResult>();
    UpdateRunner* runner = m_runner;
    job->setProgress([runner](int files, qint64 bytes) { runner->report(files, bytes, 0); });
    m_working = ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Transferring Files....."));
    softUpdateStatus(m_working, false);
    m_runner->start(
        [job, result] {
            *result = job->transferData();
            job->logTransfer(*result);
        },
        [this, result] {
            softUpdateStatus(update::SoftwareUpdate::statusText(*result),
                             update::SoftwareUpdate::isError(result->outcome));
        });
}

void SoftwareUpdateScreen::on_softw_cancel_clicked()
{
    if (refusedWhileBusy())
        return;
    host.serveScreen(screen::DduConfigure, true);
    for (const char* name : {"G_softupdate", "Gpassword_blur_soft"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    ui::showRaised(W(QStringLiteral("Gmaint_menu")));
    host.drawKeyFocus();
}
