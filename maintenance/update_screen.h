#pragma once
// The software update dialog (screen 30) over the "DDU Configure" screen:
// stick and SD card checks, the program update and the data transfer. The
// work is update::SoftwareUpdate; here only the dialog and its status line.

#include <QString>

#include "ui/screen.h"

class SoftwareUpdateScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit SoftwareUpdateScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // Opens the dialog (the password pad's stage 8, after the code).
    void DDU_Maintenance_softupdate();
    bool Check_pendrive() const;
    bool Check_sdcard() const;
    bool Check_update(const QString& name) const;
    void softupdate_pendrive();
    // Copies the data files of the stick (after the question was answered YES).
    void transferFiles();

public slots:
    void on_software_updateBtn_clicked();
    void on_pendrive1_clicked();
    void on_sd_card_check_clicked();
    void on_s_update_clicked();
    void on_file_trans_clicked();
    void on_softw_cancel_clicked();

private:
    // The status line: `text`, red for an error, drawn at once (the work
    // that follows keeps the event loop busy).
    void softUpdateStatus(const QString& text, bool error);
};
