#pragma once
// The software update dialog (screen 30) over the "DDU Configure" screen:
// stick and SD card checks, the program update and the data transfer. The
// work is update::SoftwareUpdate; here only the dialog and its status line.

#include <QString>

#include <optional>

#include "maintenance/software_update.h"
#include "ui/screen.h"

class UpdateRunner;

class SoftwareUpdateScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit SoftwareUpdateScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // Opens the dialog (the password pad's stage 8, after the code).
    void DDU_Maintenance_softupdate();
    bool Check_pendrive() const;
    bool Check_sdcard() const;
    bool Check_update(const QString& name) const;
    // Installs the stick's program (after the question was answered YES);
    // with `version` set, only a program of that version.
    void softupdate_pendrive(const std::optional<update::ProgramCheck>& checked = std::nullopt);
    // Copies the data files of the stick (after the question was answered YES).
    void transferFiles();

public slots:
    void on_software_updateBtn_clicked();
    void on_pendrive1_clicked();
    void on_sd_card_check_clicked();
    void on_s_update_clicked();
    void on_file_trans_clicked();
    void on_softw_cancel_clicked();

public:
    // A job of the dialog is running on the worker (tests wait for it).
    bool busy() const;

private:
    // While a job runs the buttons only say so: one stick, one job.
    bool refusedWhileBusy();
    void showProgress(int files, qint64 bytes, qint64 total);
    void askToInstall(const update::ProgramCheck& checked);

    UpdateRunner* m_runner = nullptr;
    bool m_sdCard = false; // the SD card, chosen with its check, is the source
    QString m_working;     // the status line's text while a job runs
    // The status line: `text`, red for an error.
    void softUpdateStatus(const QString& text, bool error);
};
