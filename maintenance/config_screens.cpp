// Maintenance: the unit's configuration (file/master/DDU.xml), the "DDU
// Configure" screen (25) with its protected dialogs, and the "DDU DISPLAY"
// screen (31).
//
// The configuration values live where their readers are: the cab and the
// converter and control types in the requests of the bus hand-over (the
// acquisition thread reads them every pass), the display type, BUR type and
// MVB board in the window's state. The file format and the rule of which
// choices are stored are config::readConfig / writeConfig.
//
// Each dialog opens only after the configuration code on the password pad:
// its button opens the pad at the dialog's stage, and the pad calls
// DDU_Maintenance_VCU / _SR / _BUR / _CABDDU once the code is right.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDebug>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QTableWidget>

#include "maintenance/maintenance_glue.h"
#include "mvb/mvbc.h"
#include "platform/platform.h"
#include "platform/translation.h"
#include "ui/config_look.h"
#include "ui/resources.h"
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

// ---------------------------------------------------------------- the file

config::DduConfig MainWindow::dduConfig() const
{
    config::DduConfig c;
    c.vcu = exchange.requests.Selected_VCU_Type.load();
    c.sr = exchange.requests.Selected_SR_Type.load();
    c.bur = Selected_BUR_Type;
    c.cab = exchange.requests.Selected_CAB_Type.load();
    c.ddu = Selected_DDU_Type;
    c.mvb = Selected_MVB_Type;
    return c;
}

void MainWindow::setDduConfig(const config::DduConfig& c)
{
    exchange.requests.Selected_VCU_Type.store(c.vcu);
    exchange.requests.Selected_SR_Type.store(c.sr);
    Selected_BUR_Type = c.bur;
    exchange.requests.Selected_CAB_Type.store(c.cab);
    Selected_DDU_Type = c.ddu;
    Selected_MVB_Type = c.mvb;
}

void MainWindow::read_DDUlogin_file()
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

bool MainWindow::DDUloggin_file(QString* reason)
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

void MainWindow::untickAll(config::Dialog dialog)
{
    for (const config::CheckCode& c : config::checkCodes(dialog))
        if (auto* b = W<QAbstractButton>(QLatin1String(c.box)))
            b->setChecked(false);
}

void MainWindow::tickCode(config::Dialog dialog, int code)
{
    untickAll(dialog);
    if (const char* box = config::boxOf(dialog, code))
        if (auto* b = W<QAbstractButton>(QLatin1String(box)))
            b->setChecked(true);
}

int MainWindow::tickedCode(config::Dialog dialog, int current) const
{
    return config::codeOf(
        dialog,
        [this](const char* box) {
            auto* b = W<QAbstractButton>(QLatin1String(box));
            return b && b->isChecked();
        },
        current);
}

void MainWindow::tickExclusive(config::Dialog dialog, QAbstractButton* box)
{
    untickAll(dialog);
    box->setChecked(true);
}

void MainWindow::vcuchecklist()
{
    untickAll(config::Dialog::Vcu);
}
void MainWindow::srchecklist()
{
    untickAll(config::Dialog::Sr);
}
void MainWindow::burchecklist()
{
    untickAll(config::Dialog::Bur);
}
void MainWindow::cabchecklist()
{
    untickAll(config::Dialog::Cab);
}
void MainWindow::DDUscreen_checklist()
{
    untickAll(config::Dialog::DisplayType);
}
void MainWindow::MVB_checklist()
{
    untickAll(config::Dialog::Mvb);
}

void MainWindow::vcufilter_read()
{
    tickCode(config::Dialog::Vcu, exchange.requests.Selected_VCU_Type.load());
}
void MainWindow::srfilter_read()
{
    tickCode(config::Dialog::Sr, exchange.requests.Selected_SR_Type.load());
}
void MainWindow::burfilter_read()
{
    tickCode(config::Dialog::Bur, Selected_BUR_Type);
}
void MainWindow::cab_read()
{
    tickCode(config::Dialog::Cab, exchange.requests.Selected_CAB_Type.load());
}
void MainWindow::DDU_read()
{
    tickCode(config::Dialog::DisplayType, Selected_DDU_Type);
}
void MainWindow::MVB_read()
{
    tickCode(config::Dialog::Mvb, Selected_MVB_Type);
}

void MainWindow::vcufilter_set()
{
    auto& v = exchange.requests.Selected_VCU_Type;
    v.store(tickedCode(config::Dialog::Vcu, v.load()));
}

void MainWindow::srfilter_set()
{
    auto& v = exchange.requests.Selected_SR_Type;
    v.store(tickedCode(config::Dialog::Sr, v.load()));
}

void MainWindow::burfilter_set()
{
    Selected_BUR_Type = tickedCode(config::Dialog::Bur, Selected_BUR_Type);
}

void MainWindow::cab_set()
{
    auto& v = exchange.requests.Selected_CAB_Type;
    v.store(tickedCode(config::Dialog::Cab, v.load()));
}

void MainWindow::DDU_set()
{
    Selected_DDU_Type = tickedCode(config::Dialog::DisplayType, Selected_DDU_Type);
}
void MainWindow::MVB_set()
{
    Selected_MVB_Type = tickedCode(config::Dialog::Mvb, Selected_MVB_Type);
}

// ---------------------------------------------------------------- protected entries

void MainWindow::openConfigPad(int stage, screen::Id screen)
{
    screen_id = screen;
    password_open(stage);
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::on_vcu_button_clicked()
{
    openConfigPad(2, screen::CabSelection);
}
void MainWindow::on_sr_button_clicked()
{
    openConfigPad(3, screen::CabSelection);
}
void MainWindow::on_bur_button_clicked()
{
    openConfigPad(4, screen::CabSelection);
}
void MainWindow::on_calibrate_button_clicked()
{
    openConfigPad(5, screen::Calibration);
}
void MainWindow::on_cab_button_clicked()
{
    openConfigPad(6, screen::CabSelection);
}

// ---------------------------------------------------------------- dialogs

void MainWindow::showConfigDialog(const char* group, screen::Id screen)
{
    screen_id_old = screen_id;
    screen_id = screen;
    if (QWidget* blur = W(QStringLiteral("Gpassword_blur"))) {
        blur->setGeometry(0, 0, 1024, 768);
        ui::showRaised(blur);
    }
    ui::showRaised(W(QLatin1String(group)));
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// Closes a dialog and serves the "DDU Configure" screen below it again.
void MainWindow::closeConfigDialog(const char* group)
{
    for (const char* name : {group, "Gpassword_blur"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    screen_id = screen::DduConfigure;
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::openVariantDialog(const char* group, const char* title, const char* prefix)
{
    config::Dialog dialog = config::Dialog::Vcu;
    for (const DialogInfo& d : {kVcuDialog, kSrDialog, kBurDialog})
        if (qstrcmp(d.group, group) == 0)
            dialog = d.dialog;
    if (auto* h = W<QLabel>(QLatin1String(prefix) + QStringLiteral("_header")))
        h->setText(tr(title));
    for (const config::CheckCode& c : config::checkCodes(dialog))
        if (auto* b = W<QAbstractButton>(QLatin1String(c.box)))
            b->setText(platform::translated(c.text));
    if (auto* b = W<QAbstractButton>(QLatin1String(prefix) + QStringLiteral("_ok")))
        b->setText(tr("OK"));
    if (auto* b = W<QAbstractButton>(QLatin1String(prefix) + QStringLiteral("_cancel")))
        b->setText(tr("Cancel"));
    showConfigDialog(group, screen::CabSettings);
}

void MainWindow::DDU_Maintenance_VCU()
{
    openVariantDialog(kVcuDialog.group, QT_TR_NOOP("VCU Type"), "vcu");
    vcufilter_read();
}

void MainWindow::DDU_Maintenance_SR()
{
    openVariantDialog(kSrDialog.group, QT_TR_NOOP("SR Type"), "sr");
    srfilter_read();
}

void MainWindow::DDU_Maintenance_BUR()
{
    openVariantDialog(kBurDialog.group, QT_TR_NOOP("BUR Type"), "bur");
    burfilter_read();
}

void MainWindow::DDU_Maintenance_CABDDU()
{
    if (auto* h = W<QLabel>(QStringLiteral("cab_header")))
        h->setText(tr("DDU"));
    const std::pair<const char*, const char*> captions[] = {
        {"cab_caption", QT_TR_NOOP("Cab")}, {"ddutype_caption", QT_TR_NOOP("DDU")}, {"mvbtype_caption", "MVB"}};
    for (const auto& [name, text] : captions)
        if (auto* l = W<QLabel>(QLatin1String(name)))
            l->setText(tr(text));
    // The display type and MVB board are shown, not chosen: the unit stores
    // the same ones whatever is ticked (see config::applyStoredDefaults).
    for (config::Dialog d : {config::Dialog::Cab, config::Dialog::DisplayType, config::Dialog::Mvb})
        for (const config::CheckCode& c : config::checkCodes(d))
            if (auto* b = W<QAbstractButton>(QLatin1String(c.box))) {
                b->setText(platform::translated(c.text));
                b->setEnabled(d == config::Dialog::Cab);
            }
    if (auto* b = W<QAbstractButton>(QStringLiteral("cab_ok")))
        b->setText(tr("OK"));
    if (auto* b = W<QAbstractButton>(QStringLiteral("cab_cancel")))
        b->setText(tr("Cancel"));
    cab_read();
    DDU_read();
    MVB_read();
    showConfigDialog("Gcab_dialog", screen::CabSettings);
}

// OK of a variant dialog: the ticked code, then the file.
void MainWindow::storeVariant(const char* group, void (MainWindow::*set)())
{
    (this->*set)();
    QString reason;
    const bool written = DDUloggin_file(&reason);
    closeConfigDialog(group);
    if (!written)
        Dialog_Box(configurationNotSavedText(reason), 1);
}

void MainWindow::on_vcu_ok_clicked()
{
    storeVariant(kVcuDialog.group, &MainWindow::vcufilter_set);
    VCU_labelchange();
}

void MainWindow::on_sr_ok_clicked()
{
    storeVariant(kSrDialog.group, &MainWindow::srfilter_set);
}
void MainWindow::on_bur_ok_clicked()
{
    storeVariant(kBurDialog.group, &MainWindow::burfilter_set);
}
void MainWindow::on_vcu_cancel_clicked()
{
    closeConfigDialog(kVcuDialog.group);
}
void MainWindow::on_sr_cancel_clicked()
{
    closeConfigDialog(kSrDialog.group);
}
void MainWindow::on_bur_cancel_clicked()
{
    closeConfigDialog(kBurDialog.group);
}

// OK of the cab dialog. The cab decides which output port the display
// writes, and the controller's port table is set up at start with the other
// cab's port as one the display reads: a new cab takes effect only with a
// restart, which the restart notice then asks for (as after an update).
void MainWindow::on_cab_ok_clicked()
{
    const int cabBefore = exchange.requests.Selected_CAB_Type.load();
    cab_set();
    DDU_set();
    MVB_set();
    QString reason;
    const bool written = DDUloggin_file(&reason);
    for (const char* name : {"Gcab_dialog", "Gpassword_blur"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    on_home_clicked();
    DDU_Config_Setup();
    if (!written) {
        Dialog_Box(configurationNotSavedText(reason), 1);
    } else if (exchange.requests.Selected_CAB_Type.load() != cabBefore) {
        Dialog_Box(tr("DDU will restart now!"), 2);
        messageBox.pending.masterslave_flag = 2;
    }
}

void MainWindow::on_cab_cancel_clicked()
{
    closeConfigDialog("Gcab_dialog");
}

// The two control processors are called ICP1 and ICP2 with control
// equipment of type 2, FLG1 and FLG2 otherwise, wherever a label names them.
void MainWindow::VCU_labelchange()
{
    const bool icp = exchange.requests.Selected_VCU_Type.load() == 2;
    const QString names[2][2] = {{QStringLiteral("FLG1"), QStringLiteral("ICP1")},
                                 {QStringLiteral("FLG2"), QStringLiteral("ICP2")}};
    for (QLabel* l : centralWidget()->findChildren<QLabel*>()) {
        for (const auto& n : names)
            if (l->text() == n[0] || l->text() == n[1])
                l->setText(n[icp ? 1 : 0]);
    }
}

// ---------------------------------------------------------------- screens

void MainWindow::on_ddulogging_clicked()
{
    screen_id_old = screen_id;
    screen_id = screen::DduConfigure;
    showMaintenanceTool("Gmaint_ddulogin", "ddulogging");
    const std::pair<const char*, const char*> texts[] = {
        {"ddulogin_header", QT_TR_NOOP("DDU Configure")},
        {"sysconfig_header", QT_TR_NOOP("System Configure")},
        {"imprint_label",
         QT_TR_NOOP("Driver Display Unit\nKestrelline Rail Electronics\n"
                    "Works Road 7, Northfield Industrial Estate")},
    };
    for (const auto& [name, text] : texts)
        if (auto* l = W<QLabel>(QLatin1String(name)))
            l->setText(tr(text));
    const std::pair<const char*, const char*> buttons[] = {
        {"vcu_button", "VCU"}, {"sr_button", "SR"},   {"calibrate_button", QT_TR_NOOP("CALIBRATE")},
        {"bur_button", "BUR"}, {"cab_button", "DDU"}, {"software_updateBtn", QT_TR_NOOP("SOFTWARE \nUPDATE")},
    };
    for (const auto& [name, text] : buttons)
        if (auto* b = W<QAbstractButton>(QLatin1String(name)))
            b->setText(tr(text));
    // Only the cab dialog and the software update are offered on the unit.
    for (const char* name : {"vcu_button", "sr_button", "calibrate_button", "bur_button", "date_label", "error_label",
                             "msg_label", "exception", "stack_label"})
        if (QWidget* w = W(QLatin1String(name))) {
            w->hide();
            w->setEnabled(false);
        }
    fillConfigureTable();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::fillConfigureTable()
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
    const bool mvb = exchange.requests.MVB_SW_Enable.load() == 1 && exchange.requests.MVB_HW_Enable.load() == 0;
    t->setItem(0, 0, cellItem(tr("IP Address")));
    t->setItem(0, 1, cellItem(ipAddressText()));
    t->setItem(1, 0, cellItem(tr("MVB Status")));
    t->setItem(1, 1, cellItem(mvb ? tr("Enabled") : tr("Disabled")));
    t->setItem(2, 0, cellItem(tr("DDU LifeSign")));
    threadLifeDisplay();
}

void MainWindow::on_ddudisplay_clicked()
{
    screen_id_old = screen_id;
    ddu_display();
}

void MainWindow::ddu_display()
{
    screen_id = screen::DduDisplay;
    showMaintenanceTool("Gmaint_ddudisp", "ddudisplay");
    const std::pair<const char*, const char*> texts[] = {
        {"ddudisp_header", QT_TR_NOOP("DDU DISPLAY")},      {"ddudisp_ddu", "DDU"},
        {"ddudisp_active", QT_TR_NOOP("Active")},           {"demo_header", QT_TR_NOOP("Demo/Simulation mode")},
        {"version_header", QT_TR_NOOP("DDU Version Info")},
    };
    for (const auto& [name, text] : texts)
        if (auto* l = W<QLabel>(QLatin1String(name)))
            l->setText(tr(text));
    const std::pair<const char*, const char*> buttons[] = {{"restart_button", QT_TR_NOOP("Restart")},
                                                           {"exit_app", QT_TR_NOOP("Exit Application")},
                                                           {"on_button", QT_TR_NOOP("On")},
                                                           {"off_button", QT_TR_NOOP("Off")}};
    for (const auto& [name, text] : buttons)
        if (auto* b = W<QAbstractButton>(QLatin1String(name)))
            b->setText(tr(text));
    showDemoLamp();
    if (auto* t = W<QTableWidget>(QStringLiteral("t_version"))) {
        t->setHorizontalHeaderLabels({tr("Installed DDU Product"), tr("Version")});
        const QString rows[3][2] = {
            {tr("DDU (LU)"), dduVersionText()},
            {QStringLiteral("Linux"), QStringLiteral("3.60")},
            {QStringLiteral("MVB"), QStringLiteral("%1.%2").arg(mvb_major_version).arg(mvb_minor_version)},
        };
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                t->setItem(r, c, cellItem(rows[r][c]));
    }
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

QString MainWindow::dduVersionText() const
{
    return ver_char + QLatin1Char(' ') + QString::number(ddu_major_version) + QLatin1Char('.') +
        QString::number(ddu_minor_version);
}

void MainWindow::showDemoLamp()
{
    if (auto* lamp = W<QLabel>(QStringLiteral("demo_lamp")))
        lamp->setPixmap(QPixmap(exchange.requests.MVB_DDU_Internal_Simulation.load() ? Dir_rms_img_LEDSmallGreen
                                                                                     : Dir_rms_img_LEDMediumGray));
}

void MainWindow::on_on_button_clicked()
{
    exchange.requests.MVB_DDU_Internal_Simulation.store(true);
    showDemoLamp();
    on_home_clicked();
}

void MainWindow::on_off_button_clicked()
{
    exchange.requests.MVB_DDU_Internal_Simulation.store(false);
    showDemoLamp();
}
