// Settings: the widgets of the settings screens, and the password pad that
// guards the maintenance area and the configuration dialogs.
//
// The pad is opened for one protected action at a time (PasswordPad_Stage);
// OK compares the typed digits with that stage's code as a whole string,
// runs the action on a match and shows "INVALID PASSWORD" otherwise. The
// codes and stages are app/settings_logic, the widgets app/password_view.
//
// The decisions taken here, with their reasons: docs/settings-and-language.md.

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDebug>

#include "app/datetime_view.h"
#include "app/password_view.h"
#include "app/settings_logic.h"
#include "app/settings_view.h"
#include "maintenance/config_screen.h"
#include "maintenance/maintenance_menu_screen.h"
#include "maintenance/update_screen.h"
#include "ui/resources.h"

void MainWindow::build_settings_screens(QWidget* root)
{
    PasswordView::build(root);
    DateTimeView::build(root);
    SettingsView::build(root);
    passwordView = new PasswordView(this);
    dateTimeView = new DateTimeView(this);
    settingsView = new SettingsView(this);
    const QStringList missing = passwordView->resolve(root) + dateTimeView->resolve(root) + settingsView->resolve(root);
    for (const QString& name : missing)
        qCritical().noquote() << "settings screens: no widget" << name;
}

void MainWindow::password_setup()
{
    screen_id_old = screen_id;
    screen_id = screen::PasswordPad;
    passwordView->layoutKeys();
    using Slot = void (MainWindow::*)();
    const Slot digits[10] = {&MainWindow::key_clicked0, &MainWindow::key_clicked1, &MainWindow::key_clicked2,
                             &MainWindow::key_clicked3, &MainWindow::key_clicked4, &MainWindow::key_clicked5,
                             &MainWindow::key_clicked6, &MainWindow::key_clicked7, &MainWindow::key_clicked8,
                             &MainWindow::key_clicked9};
    QAbstractButton* const digitKeys[10] = {
        passwordView->b_key0, passwordView->b_key1, passwordView->b_key2, passwordView->b_key3, passwordView->b_key4,
        passwordView->b_key5, passwordView->b_key6, passwordView->b_key7, passwordView->b_key8, passwordView->b_key9};
    for (int d = 0; d < 10; ++d)
        if (digitKeys[d])
            connect(digitKeys[d], &QAbstractButton::clicked, this, digits[d], Qt::UniqueConnection);
    if (passwordView->b_keyC)
        connect(passwordView->b_keyC, &QAbstractButton::clicked, this, &MainWindow::clear_clicked,
                Qt::UniqueConnection);
    if (passwordView->b_keyOK)
        connect(passwordView->b_keyOK, &QAbstractButton::clicked, this, &MainWindow::enter_clicked,
                Qt::UniqueConnection);
}

void MainWindow::password_open(int stage)
{
    PasswordPad_Stage = stage;
    const settings::PadStage* s = settings::padStage(stage);
    passwordView->setHeader(s ? tr(s->header) : QString());
    passwordView->showTyped(QString()); // the masked echo
    password(tr(settings::padInfo(stage)));
}

void MainWindow::password(const QString& info)
{
    key_press_count = 0;
    password_Reset();
    touch.key_pressure_max = 2;
    PasswordPad_Text.clear();
    password_text.clear();
    password_style_changed = false;
    passwordView->open(info);
}

void MainWindow::password_write(const QString& digit)
{
    if (digit.size() != 1 || !digit.at(0).isDigit())
        return;
    password_style_changed = false; // showTyped() brings the masked look back
    password_text = settings::padAppend(password_text, digit.at(0));
    passwordView->showTyped(password_text);
    // A finger on a digit: touches already queued are dropped, the next one counts.
    touch.flush();
    touch.key_pressure = 0;
    touch.key_pressure_max = 2;
}

// A digit drops the keypad focus, except key 1 (see the decisions above).
void MainWindow::key_clicked0()
{
    password_write(QStringLiteral("0"));
    key_press_count = 0;
}

void MainWindow::key_clicked1()
{
    password_write(QStringLiteral("1"));
    if (key_press_count != 1)
        key_press_count = 0;
}

void MainWindow::key_clicked2()
{
    password_write(QStringLiteral("2"));
    key_press_count = 0;
}

void MainWindow::key_clicked3()
{
    password_write(QStringLiteral("3"));
    key_press_count = 0;
}

void MainWindow::key_clicked4()
{
    password_write(QStringLiteral("4"));
    key_press_count = 0;
}

void MainWindow::key_clicked5()
{
    password_write(QStringLiteral("5"));
    key_press_count = 0;
}

void MainWindow::key_clicked6()
{
    password_write(QStringLiteral("6"));
    key_press_count = 0;
}

void MainWindow::key_clicked7()
{
    password_write(QStringLiteral("7"));
    key_press_count = 0;
}

void MainWindow::key_clicked8()
{
    password_write(QStringLiteral("8"));
    key_press_count = 0;
}

void MainWindow::key_clicked9()
{
    password_write(QStringLiteral("9"));
    key_press_count = 0;
}

void MainWindow::clear_clicked()
{
    password_text.chop(1);
    password_style_changed = false;
    passwordView->showTyped(password_text);
    touch.flush();
    touch.key_pressure = 1;
}

void MainWindow::enter_clicked()
{
    PasswordPad_Operation_Stage(password_text);
}

void MainWindow::PasswordPad_Operation_Stage(const QString& text)
{
    const int stage = PasswordPad_Stage;
    const bool accepted = settings::padAccepts(stage, text); // `text` may be password_text itself
    password_text.clear();
    if (!accepted) {
        passwordView->showInvalid(tr("INVALID PASSWORD"));
        password_style_changed = true;
        return;
    }
    passwordView->close();
    PasswordPad_Stage = 0;
    switch (stage) {
    case 1:
        DDU_Maintenance_Password_lock = false;
        timer_increment = 0;
        if (auto* b = W<QAbstractButton>(QStringLiteral("maintenance"))) {
            b->setIcon(QIcon(Dir_rms_img_UnLock));
            b->setIconSize(QSize(13, 17));
        }
        toggle_disable();
        maintenanceMenu->maintenance();
        break;
    case 2: configScreen->DDU_Maintenance_VCU(); break;
    case 3: configScreen->DDU_Maintenance_SR(); break;
    case 4: configScreen->DDU_Maintenance_BUR(); break;
    case 5:
        Dialog_Box(tr("Do you want to calibrate"), 3);
        messageBox.pending.masterslave_flag = 1;
        break;
    case 6: configScreen->DDU_Maintenance_CABDDU(); break;
    case 8:
        if (QWidget* soft = W(QStringLiteral("Gpassword_blur_soft")))
            soft->hide();
        softwareUpdate->DDU_Maintenance_softupdate();
        break;
    default: break;
    }
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::on_pwd_close_button_clicked()
{
    key_press_count = 0;
    passwordView->close();
    if (PasswordPad_Stage == 1)
        screen_id = padReturnScreen;
    PasswordPad_Stage = 0;
    password_text.clear();
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

// MAINTENANCE in the top bar: the maintenance menu while unlocked, else the
// pad asks for the maintenance code first.
// Over a fault pop-up or its advice the pad would lie under the message (the
// message keeps the finger and the keys, the pad stays dead): MAINTENANCE
// leaves the message the way HOME does and asks for the code over the home
// screen; the fault button brings the message back.
void MainWindow::on_maintenance_clicked()
{
    if (isShown(QStringLiteral("Gfault")) || isShown(QStringLiteral("Gfaultdriveradvice")))
        on_home_clicked();
    const screen::Id behind = screen_id;
    screen_id = screen::MaintenanceMenu;
    if (DDU_Maintenance_Password_lock) {
        if (!passwordView->isOpen())
            padReturnScreen = behind;
        password_open(1);
        return;
    }
    toggle_disable();
    maintenanceMenu->maintenance();
}
