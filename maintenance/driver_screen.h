#pragma once
// The "DRIVER DETAILS" and "FUTURE" screens of the main menu frame.

#include <QString>

#include "maintenance/driver_details.h"
#include "ui/screen.h"

class DriverDetailsScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit DriverDetailsScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    void dr_details();
    void future();
    // The file file/fault/Driver_Details: read into driverDetails, written
    // from it (false, with the reason, when it could not be written), or
    // one line of it parsed and written.
    void DriverDetail_ReadFile();
    bool Driver_Details_File(QString* reason = nullptr);
    bool DriverDetail_File(const QString& line);

    driver::DriverDetails driverDetails; // Driver_id, Train_Name ... Railway_Zone

public slots:
    void on_dr_details_clicked();
    void on_future_clicked();
    void on_save_btn_clicked();
    void on_t_mdrdetails_cellClicked(int row, int column);

private:
    void menuFrameHeader(const QString& text);
    void fillDriverTable();
    void driverDetailTyped(int stage, const QString& text);
};
