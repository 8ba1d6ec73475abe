// Maintenance: the unit's configuration (file/master/DDU.xml), the "DDU
// Configure" screen (25) with its protected dialogs, and the "DDU DISPLAY"
// screen (31).
//
// The file format and the rule of which choices are stored are
// config::readConfig / writeConfig.
//
// Each dialog opens only after the configuration code on the password pad:
// its button opens the pad at the dialog's stage, and the pad calls
// DDU_Maintenance_VCU / _SR / _BUR / _CABDDU once the code is right.

#include "maintenance/config_screen.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QRadioButton>
#include <QTableWidget>

#include "acquisition/bus_exchange.h"
#include "mvb/mvbc.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_writer.h"

namespace {

const QString kConfigFile = QStringLiteral("file/master/DDU.xml");

// The dialogs: group, OK/cancel prefix and which choices they hold.
struct DialogInfo {
    const char* group;
    config::Dialog dialog;
};
constexpr DialogInfo kVcuDialog{"Gvcu_dialog", config::Dialog::Vcu};
constexpr DialogInfo kSrDialog{"Gsr_dialog", config::Dialog::Sr};
constexpr DialogInfo kBurDialog{"Gbur_dialog", config::Dialog::Bur};

QTableWidgetItem* cellItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFont(QFont(QStringLiteral("Tahoma"), 18));
    item->setForeground(QColor(0x66, 0x66, 0x66));
    item->setBackground(QColor(0x0f, 0x0f, 0x0f));
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

// The first IPv4 address of the unit's network interfaces that is not the
// loopback and has a netmask; empty when there is none.
QString ipAddressText()
{
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
        for (const QNetworkAddressEntry& e : i.addressEntries())
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol && !e.ip().isLoopback() && !e.netmask().isNull())
                return e.ip().toString();
    return QString();
}

} // namespace

ConfigScreen::ConfigScreen(ui::ScreenHost& h, QObject* parent)
    : ui::Screen(h, "configuration", parent)
{
    // Ticking a box unticks the others of its row or dialog.
    for (config::Dialog d : {config::Dialog::Vcu, config::Dialog::Sr, config::Dialog::Bur, config::Dialog::Cab,
                             config::Dialog::DisplayType, config::Dialog::Mvb})
        for (const config::CheckCode& c : config::checkCodes(d))
            if (auto* box = W<QRadioButton>(QLatin1String(c.box)))
                connect(box, &QRadioButton::clicked, this, [this, d, box] { tickExclusive(d, box); });
}

// ---------------------------------------------------------------- the file

config::DduConfig ConfigScreen::dduConfig() const
{
    config::DduConfig c;
    c.vcu = host.requests().Selected_VCU_Type.load();
    c.sr = host.requests().Selected_SR_Type.load();
    c.bur = Selected_BUR_Type;
    c.cab = host.requests().Selected_CAB_Type.load();
    c.ddu = Selected_DDU_Type;
    c.mvb = Selected_MVB_Type;
    return c;
}

void ConfigScreen::setDduConfig(const config::DduConfig& c)
{
    host.requests().Selected_VCU_Type.store(c.vcu);
    host.requests().Selected_SR_Type.store(c.sr);
    Selected_BUR_Type = c.bur;
    host.requests().Selected_CAB_Type.store(c.cab);
    Selected_DDU_Type = c.ddu;
    Selected_MVB_Type = c.mvb;
}

void ConfigScreen::read_DDUlogin_file()
{
    config::DduConfig c = dduConfig();
    QString error;
    if (!config::readConfig(platform::dataPath(kConfigFile), c, &error)) {
        // Missing or malformed: the built-in values stay.
        qDebug() << "unable to open xml file";
        qDebug().noquote() << "configuration file:" << error;
        return;
    }
    setDduConfig(c);
}

bool ConfigScreen::DDUloggin_file(QString* reason)
{
    config::DduConfig c = dduConfig();
    QString error;
    const bool written = config::writeConfig(platform::dataPath(kConfigFile), c, &error);
    setDduConfig(c); // the stored values hold in memory too, written or not
    if (!written) {
        qDebug().noquote() << "configuration not written:" << error;
        if (reason)
            *reason = error;
    }
    return written;
}

// ---------------------------------------------------------------- check boxes

void ConfigScreen::untickAll(config::Dialog dialog)
{
    for (const config::CheckCode& c : config::checkCodes(dialog))
        if (auto* b = W<QAbstractButton>(QLatin1String(c.box)))
            b->setChecked(false);
}

void ConfigScreen::tickCode(config::Dialog dialog, int code)
{
    untickAll(dialog);
    if (const char* box = config::boxOf(dialog, code))
        if (auto* b = W<QAbstractButton>(QLatin1String(box)))
            b->setChecked(true);
}

int ConfigScreen::tickedCode(config::Dialog dialog, int current) const
{
    return config::codeOf(
        dialog,
        [this](const char* box) {
            auto* b = W<QAbstractButton>(QLatin1String(box));
            return b && b->isChecked();
        },
        current);
}

void ConfigScreen::tickExclusive(config::Dialog dialog, QAbstractButton* box)
{
    untickAll(dialog);
    box->setChecked(true);
}

void ConfigScreen::vcuchecklist()
{
    untickAll(config::Dialog::Vcu);
}
void ConfigScreen::srchecklist()
{
    untickAll(config::Dialog::Sr);
}
void ConfigScreen::burchecklist()
{
    untickAll(config::Dialog::Bur);
}
void ConfigScreen::cabchecklist()
{
    untickAll(config::Dialog::Cab);
}
void ConfigScreen::DDUscreen_checklist()
{
    untickAll(config::Dialog::DisplayType);
}
void ConfigScreen::MVB_checklist()
{
    untickAll(config::Dialog::Mvb);
}

void ConfigScreen::vcufilter_read()
{
    tickCode(config::Dialog::Vcu, host.requests().Selected_VCU_Type.load());
}
void ConfigScreen::srfilter_read()
{
    tickCode(config::Dialog::Sr, host.requests().Selected_SR_Type.load());
}
void ConfigScreen::burfilter_read()
{
    tickCode(config::Dialog::Bur, Selected_BUR_Type);
}
void ConfigScreen::cab_read()
{
    tickCode(config::Dialog::Cab, host.requests().Selected_CAB_Type.load());
}
void ConfigScreen::DDU_read()
{
    tickCode(config::Dialog::DisplayType, Selected_DDU_Type);
}
void ConfigScreen::MVB_read()
{
    tickCode(config::Dialog::Mvb, Selected_MVB_Type);
}

void ConfigScreen::vcufilter_set()
{
    auto& v = host.requests().Selected_VCU_Type;
    v.store(tickedCode(config::Dialog::Vcu, v.load()));
}

void ConfigScreen::srfilter_set()
{
    auto& v = host.requests().Selected_SR_Type;
    v.store(tickedCode(config::Dialog::Sr, v.load()));
}

void ConfigScreen::burfilter_set()
{
    Selected_BUR_Type = tickedCode(config::Dialog::Bur, Selected_BUR_Type);
}

void ConfigScreen::cab_set()
{
    auto& v = host.requests().Selected_CAB_Type;
    v.store(tickedCode(config::Dialog::Cab, v.load()));
}

void ConfigScreen::DDU_set()
{
    Selected_DDU_Type = tickedCode(config::Dialog::DisplayType, Selected_DDU_Type);
}
void ConfigScreen::MVB_set()
{
    Selected_MVB_Type = tickedCode(config::Dialog::Mvb, Selected_MVB_Type);
}

// ---------------------------------------------------------------- protected entries

void ConfigScreen::openConfigPad(int stage, screen::Id screen, void (ConfigScreen::*onAccepted)())
{
    host.serveScreen(screen);
    host.openPasswordPad(stage, [this, onAccepted] { (this->*onAccepted)(); });
    host.drawKeyFocus();
}

void ConfigScreen::on_vcu_button_clicked()
{
    openConfigPad(2, screen::CabSelection, &ConfigScreen::DDU_Maintenance_VCU);
}
void ConfigScreen::on_sr_button_clicked()
{
    openConfigPad(3, screen::CabSelection, &ConfigScreen::DDU_Maintenance_SR);
}
void ConfigScreen::on_bur_button_clicked()
{
    openConfigPad(4, screen::CabSelection, &ConfigScreen::DDU_Maintenance_BUR);
}
// The right code asks first: YES announces the restart the calibration
// screen comes after, and that notice's OK restarts the unit.
void ConfigScreen::on_calibrate_button_clicked()
{
    openConfigPad(5, screen::Calibration, &ConfigScreen::askCalibration);
}
void ConfigScreen::askCalibration()
{
    host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Do you want to calibrate")), 3,
                 ui::AfterOk::CalibrationNotice);
}
void ConfigScreen::on_cab_button_clicked()
{
    openConfigPad(6, screen::CabSelection, &ConfigScreen::DDU_Maintenance_CABDDU);
}

// ---------------------------------------------------------------- dialogs

void ConfigScreen::showConfigDialog(const char* group, screen::Id screen)
{
    host.serveScreen(screen, true);
    if (QWidget* blur = W(QStringLiteral("Gpassword_blur"))) {
        blur->setGeometry(0, 0, 1024, 768);
        ui::showRaised(blur);
    }
    ui::showRaised(W(QLatin1String(group)));
    host.drawKeyFocus();
}

// Closes a dialog and serves the "DDU Configure" screen below it again.
void ConfigScreen::closeConfigDialog(const char* group)
{
    for (const char* name : {group, "Gpassword_blur"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    host.serveScreen(screen::DduConfigure);
    host.drawKeyFocus();
}

void ConfigScreen::openVariantDialog(const char* group, const char* title, const char* prefix)
{
    config::Dialog dialog = config::Dialog::Vcu;
    for (const DialogInfo& d : {kVcuDialog, kSrDialog, kBurDialog})
        if (qstrcmp(d.group, group) == 0)
            dialog = d.dialog;
    if (auto* h = W<QLabel>(QLatin1String(prefix) + QStringLiteral("_header")))
        h->setText(ui::trScreen(title));
    for (const config::CheckCode& c : config::checkCodes(dialog))
        if (auto* b = W<QAbstractButton>(QLatin1String(c.box)))
            b->setText(platform::translated(c.text));
    if (auto* b = W<QAbstractButton>(QLatin1String(prefix) + QStringLiteral("_ok")))
        b->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "OK")));
    if (auto* b = W<QAbstractButton>(QLatin1String(prefix) + QStringLiteral("_cancel")))
        b->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Cancel")));
    showConfigDialog(group, screen::CabSettings);
}

void ConfigScreen::DDU_Maintenance_VCU()
{
    openVariantDialog(kVcuDialog.group, QT_TRANSLATE_NOOP("MainWindow", "VCU Type"), "vcu");
    vcufilter_read();
}

void ConfigScreen::DDU_Maintenance_SR()
{
    openVariantDialog(kSrDialog.group, QT_TRANSLATE_NOOP("MainWindow", "SR Type"), "sr");
    srfilter_read();
}

void ConfigScreen::DDU_Maintenance_BUR()
{
    openVariantDialog(kBurDialog.group, QT_TRANSLATE_NOOP("MainWindow", "BUR Type"), "bur");
    burfilter_read();
}

void ConfigScreen::DDU_Maintenance_CABDDU()
{
    if (auto* h = W<QLabel>(QStringLiteral("cab_header")))
        h->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DDU")));
    const std::pair<const char*, const char*> captions[] = {{"cab_caption", QT_TRANSLATE_NOOP("MainWindow", "Cab")},
                                                            {"ddutype_caption", QT_TRANSLATE_NOOP("MainWindow", "DDU")},
                                                            {"mvbtype_caption", "MVB"}};
    for (const auto& [name, text] : captions)
        if (auto* l = W<QLabel>(QLatin1String(name)))
            l->setText(ui::trScreen(text));
    // The display type and MVB board are shown, not chosen: the unit stores
    // the same ones whatever is ticked (see config::applyStoredDefaults).
    for (config::Dialog d : {config::Dialog::Cab, config::Dialog::DisplayType, config::Dialog::Mvb})
        for (const config::CheckCode& c : config::checkCodes(d))
            if (auto* b = W<QAbstractButton>(QLatin1String(c.box))) {
                b->setText(platform::translated(c.text));
                b->setEnabled(d == config::Dialog::Cab);
            }
    if (auto* b = W<QAbstractButton>(QStringLiteral("cab_ok")))
        b->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "OK")));
    if (auto* b = W<QAbstractButton>(QStringLiteral("cab_cancel")))
        b->setText(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Cancel")));
    cab_read();
    DDU_read();
    MVB_read();
    showConfigDialog("Gcab_dialog", screen::CabSettings);
}

// OK of a variant dialog: the ticked code, then the file.
void ConfigScreen::storeVariant(const char* group, void (ConfigScreen::*set)())
{
    (this->*set)();
    QString reason;
    const bool written = DDUloggin_file(&reason);
    closeConfigDialog(group);
    if (!written)
        host.message(host.configurationNotSavedText(reason), 1);
}

void ConfigScreen::on_vcu_ok_clicked()
{
    storeVariant(kVcuDialog.group, &ConfigScreen::vcufilter_set);
    VCU_labelchange();
}

void ConfigScreen::on_sr_ok_clicked()
{
    storeVariant(kSrDialog.group, &ConfigScreen::srfilter_set);
}
void ConfigScreen::on_bur_ok_clicked()
{
    storeVariant(kBurDialog.group, &ConfigScreen::burfilter_set);
}
void ConfigScreen::on_vcu_cancel_clicked()
{
    closeConfigDialog(kVcuDialog.group);
}
void ConfigScreen::on_sr_cancel_clicked()
{
    closeConfigDialog(kSrDialog.group);
}
void ConfigScreen::on_bur_cancel_clicked()
{
    closeConfigDialog(kBurDialog.group);
}

// OK of the cab dialog. The cab decides which output port the display
// writes, and the controller's port table is set up at start with the other
// cab's port as one the display reads: a new cab takes effect only with a
// restart, which the restart notice then asks for (as after an update).
void ConfigScreen::on_cab_ok_clicked()
{
    const int cabBefore = host.requests().Selected_CAB_Type.load();
    cab_set();
    DDU_set();
    MVB_set();
    QString reason;
    const bool written = DDUloggin_file(&reason);
    for (const char* name : {"Gcab_dialog", "Gpassword_blur"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    host.goHome();
    host.applyConfiguration();
    if (!written) {
        host.message(host.configurationNotSavedText(reason), 1);
    } else if (host.requests().Selected_CAB_Type.load() != cabBefore) {
        host.message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DDU will restart now!")), 2, ui::AfterOk::Restart);
    }
}

void ConfigScreen::on_cab_cancel_clicked()
{
    closeConfigDialog("Gcab_dialog");
}

// The two control processors are called ICP1 and ICP2 with control
// equipment of type 2, FLG1 and FLG2 otherwise, wherever a label names them.
void ConfigScreen::VCU_labelchange()
{
    const bool icp = host.requests().Selected_VCU_Type.load() == 2;
    const QString names[2][2] = {{QStringLiteral("FLG1"), QStringLiteral("ICP1")},
                                 {QStringLiteral("FLG2"), QStringLiteral("ICP2")}};
    for (QLabel* l : W(QStringLiteral("centralwidget"))->findChildren<QLabel*>()) {
        for (const auto& n : names)
            if (l->text() == n[0] || l->text() == n[1])
                l->setText(n[icp ? 1 : 0]);
    }
}

// ---------------------------------------------------------------- screens

void ConfigScreen::on_ddulogging_clicked()
{
    host.serveScreen(screen::DduConfigure, true);
    host.showMaintenanceTool("Gmaint_ddulogin", "ddulogging");
    const std::pair<const char*, const char*> texts[] = {
        {"ddulogin_header", QT_TRANSLATE_NOOP("MainWindow", "DDU Configure")},
        {"sysconfig_header", QT_TRANSLATE_NOOP("MainWindow", "System Configure")},
        {"imprint_label",
         QT_TRANSLATE_NOOP("MainWindow",
                           "Driver Display Unit\nKestrelline Rail Electronics\n"
                           "Works Road 7, Northfield Industrial Estate")},
    };
    for (const auto& [name, text] : texts)
        if (auto* l = W<QLabel>(QLatin1String(name)))
            l->setText(ui::trScreen(text));
    const std::pair<const char*, const char*> buttons[] = {
        {"vcu_button", "VCU"},
        {"sr_button", "SR"},
        {"calibrate_button", QT_TRANSLATE_NOOP("MainWindow", "CALIBRATE")},
        {"bur_button", "BUR"},
        {"cab_button", "DDU"},
        {"software_updateBtn", QT_TRANSLATE_NOOP("MainWindow", "SOFTWARE \nUPDATE")},
    };
    for (const auto& [name, text] : buttons)
        if (auto* b = W<QAbstractButton>(QLatin1String(name)))
            b->setText(ui::trScreen(text));
    // Only the cab dialog and the software update are offered on the unit.
    for (const char* name : {"vcu_button", "sr_button", "calibrate_button", "bur_button", "date_label", "error_label",
                             "msg_label", "exception", "stack_label"})
        if (QWidget* w = W(QLatin1String(name))) {
            w->hide();
            w->setEnabled(false);
        }
    fillConfigureTable();
    host.drawKeyFocus();
}

void ConfigScreen::fillConfigureTable()
{
    auto* t = W<QTableWidget>(QStringLiteral("t_ipadr_5"));
    if (!t || t->rowCount() < 3 || t->columnCount() < 2)
        return;
    t->setColumnWidth(0, 250);
    t->setColumnWidth(1, 246);
    const int heights[3] = {80, 80, 76};
    for (int r = 0; r < 3; ++r)
        t->setRowHeight(r, heights[r]);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const bool mvb = host.requests().MVB_SW_Enable.load() == 1 && host.requests().MVB_HW_Enable.load() == 0;
    t->setItem(0, 0, cellItem(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "IP Address"))));
    t->setItem(0, 1, cellItem(ipAddressText()));
    t->setItem(1, 0, cellItem(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "MVB Status"))));
    t->setItem(1, 1,
               cellItem(mvb ? ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Enabled"))
                            : ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Disabled"))));
    t->setItem(2, 0, cellItem(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DDU LifeSign"))));
    showLifeSign(host.threadLifeSign());
}

void ConfigScreen::on_ddudisplay_clicked()
{
    host.serveScreen(host.servedScreen(), true);
    ddu_display();
}

void ConfigScreen::ddu_display()
{
    host.serveScreen(screen::DduDisplay);
    host.showMaintenanceTool("Gmaint_ddudisp", "ddudisplay");
    const std::pair<const char*, const char*> texts[] = {
        {"ddudisp_header", QT_TRANSLATE_NOOP("MainWindow", "DDU DISPLAY")},
        {"ddudisp_ddu", "DDU"},
        {"ddudisp_active", QT_TRANSLATE_NOOP("MainWindow", "Active")},
        {"demo_header", QT_TRANSLATE_NOOP("MainWindow", "Demo/Simulation mode")},
        {"version_header", QT_TRANSLATE_NOOP("MainWindow", "DDU Version Info")},
    };
    for (const auto& [name, text] : texts)
        if (auto* l = W<QLabel>(QLatin1String(name)))
            l->setText(ui::trScreen(text));
    const std::pair<const char*, const char*> buttons[] = {
        {"restart_button", QT_TRANSLATE_NOOP("MainWindow", "Restart")},
        {"exit_app", QT_TRANSLATE_NOOP("MainWindow", "Exit Application")},
        {"on_button", QT_TRANSLATE_NOOP("MainWindow", "On")},
        {"off_button", QT_TRANSLATE_NOOP("MainWindow", "Off")}};
    for (const auto& [name, text] : buttons)
        if (auto* b = W<QAbstractButton>(QLatin1String(name)))
            b->setText(ui::trScreen(text));
    showDemoLamp();
    if (auto* t = W<QTableWidget>(QStringLiteral("t_version"))) {
        t->setHorizontalHeaderLabels({ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Installed DDU Product")),
                                      ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Version"))});
        const QString rows[3][2] = {
            {ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "DDU (LU)")), dduVersionText()},
            {QStringLiteral("Linux"), QStringLiteral("3.60")},
            {QStringLiteral("MVB"), QStringLiteral("%1.%2").arg(mvb_major_version).arg(mvb_minor_version)},
        };
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                t->setItem(r, c, cellItem(rows[r][c]));
    }
    // The focus opens on this screen's own menu entry, not on Restart (the
    // first place of the screen): no screen opens on a destructive button.
    host.drawKeyFocus();
    host.setKeyPlace(kDduDisplayMenuPlace);
    host.dispatchKeys();
}

QString ConfigScreen::dduVersionText() const
{
    return ver_char + QLatin1Char(' ') + QString::number(ddu_major_version) + QLatin1Char('.') +
        QString::number(ddu_minor_version);
}

void ConfigScreen::showDemoLamp()
{
    if (auto* lamp = W<QLabel>(QStringLiteral("demo_lamp")))
        lamp->setPixmap(QPixmap(host.requests().MVB_DDU_Internal_Simulation.load() ? Dir_rms_img_LEDSmallGreen
                                                                                   : Dir_rms_img_LEDMediumGray));
}

void ConfigScreen::on_on_button_clicked()
{
    host.requests().MVB_DDU_Internal_Simulation.store(true);
    showDemoLamp();
    host.goHome();
}

void ConfigScreen::on_off_button_clicked()
{
    host.requests().MVB_DDU_Internal_Simulation.store(false);
    showDemoLamp();
}

// ---------------------------------------------------------------- restart and exit

void ConfigScreen::on_exit_app_clicked()
{
    host.confirm(
        ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Exit the application?")),
        [] {
            QCoreApplication::quit();
            return QString();
        },
        false);
}

void ConfigScreen::on_restart_button_clicked()
{
    host.confirm(
        ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Restart the DDU?")),
        [] {
            platform::runShell(QStringLiteral("reboot"));
            return QString();
        },
        false);
}

void ConfigScreen::showLifeSign(const QString& text)
{
    auto* table = W<QTableWidget>(QStringLiteral("t_ipadr_5"));
    if (!table || table->rowCount() < 3 || table->columnCount() < 2)
        return;
    table->setItem(2, 1, cellItem(text));
}
