#pragma once
// Maintenance: the unit's configuration (file/master/DDU.xml), the "DDU
// Configure" screen (25) with its protected dialogs, and the "DDU DISPLAY"
// screen (31).
//
// The configuration values live where their readers are: the cab and the
// converter and control types in the requests of the bus hand-over (the
// acquisition thread reads them every pass), the display type, BUR type and
// MVB board here (the home screen asks for the display type).

#include <QString>

#include "maintenance/ddu_config.h"
#include "ui/screen.h"

class QAbstractButton;
class QWidget;

class ConfigScreen : public ui::Screen {
    Q_OBJECT

public:
    explicit ConfigScreen(ui::ScreenHost& host, QObject* parent = nullptr);

    // The widget tree of the family (the configure and display screens, the
    // dialogs, the software update box, the driver details and FUTURE
    // screens) inside their groups under `root`.
    static void build(QWidget* root);

    // ----- the configuration -----
    int Selected_DDU_Type = 1; // 1 "DDU", 2 "RMS With Pixy", 3 "RMS Without Pixy"
    int Selected_BUR_Type = 0;
    int Selected_MVB_Type = 0; // 0 EMD, 1 ESD
    // The program's version, as "DDU (LU)" shows it.
    int ddu_major_version = 0;
    int ddu_minor_version = 989;
    QString ver_char = QStringLiteral("A -");

    config::DduConfig dduConfig() const;
    void setDduConfig(const config::DduConfig& c);
    // Reads the file at start (a missing or malformed file keeps the
    // built-in values); writes what the unit keeps of the choices, false
    // (with the reason) when it could not be written.
    void read_DDUlogin_file();
    bool DDUloggin_file(QString* reason = nullptr);
    // FLG1/FLG2 or ICP1/ICP2 on every label, by the control equipment type.
    void VCU_labelchange();

    // ----- the dialogs, opened by the password pad after the code -----
    void DDU_Maintenance_VCU();
    void DDU_Maintenance_SR();
    void DDU_Maintenance_BUR();
    void DDU_Maintenance_CABDDU();
    // Check boxes: untick all, tick the current code, take the ticked code.
    void vcuchecklist();
    void srchecklist();
    void burchecklist();
    void cabchecklist();
    void DDUscreen_checklist();
    void MVB_checklist();
    void vcufilter_read();
    void srfilter_read();
    void burfilter_read();
    void cab_read();
    void DDU_read();
    void MVB_read();
    void vcufilter_set();
    void srfilter_set();
    void burfilter_set();
    void cab_set();
    void DDU_set();
    void MVB_set();

    // ----- screens -----
    void ddu_display();
    // The "DDU LifeSign" cell of the configure screen (the refresh tick).
    void showLifeSign(const QString& text);

public slots:
    void on_ddulogging_clicked();
    void on_ddudisplay_clicked();
    void on_on_button_clicked();
    void on_off_button_clicked();
    void on_exit_app_clicked();
    void on_restart_button_clicked();
    void on_vcu_button_clicked();
    void on_sr_button_clicked();
    void on_bur_button_clicked();
    void on_calibrate_button_clicked();
    void on_cab_button_clicked();
    void on_vcu_ok_clicked();
    void on_sr_ok_clicked();
    void on_bur_ok_clicked();
    void on_cab_ok_clicked();
    void on_vcu_cancel_clicked();
    void on_sr_cancel_clicked();
    void on_bur_cancel_clicked();
    void on_cab_cancel_clicked();

private:
    // The keypad place of the "DDU DISPLAY" entry in that screen's side menu
    // (places 0 to 3 are Restart, Exit Application, On and Off).
    static constexpr int kDduDisplayMenuPlace = 4;
    void untickAll(config::Dialog dialog);
    void tickCode(config::Dialog dialog, int code);
    int tickedCode(config::Dialog dialog, int current) const;
    void tickExclusive(config::Dialog dialog, QAbstractButton* box);
    void openConfigPad(int stage, screen::Id screen, void (ConfigScreen::*onAccepted)());
    void askCalibration();
    void showConfigDialog(const char* group, screen::Id screen);
    void closeConfigDialog(const char* group);
    void openVariantDialog(const char* group, const char* title, const char* prefix);
    void storeVariant(const char* group, void (ConfigScreen::*set)());
    void fillConfigureTable();
    QString dduVersionText() const;
    void showDemoLamp();
};
