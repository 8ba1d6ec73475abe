// The window as the screens' host: the few things a screen may ask of it,
// the screens it creates, and the routing of a slot name to the screen that
// owns it (the key and touch tables name slots, not screens).

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QDebug>
#include <QIcon>
#include <QMetaObject>

#include "diagnostics/pixy_thread.h"
#include "maintenance/config_screen.h"
#include "maintenance/driver_screen.h"
#include "maintenance/maintenance_menu_screen.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/telegram_screen.h"
#include "maintenance/update_screen.h"
#include "maintenance/variable_screen.h"
#include "screens/datetime_screen.h"
#include "screens/diagnosis_screen.h"
#include "screens/fault_screen.h"
#include "screens/home_screen.h"
#include "screens/io_slot_screen.h"
#include "screens/keyboard_screen.h"
#include "screens/message_box_screen.h"
#include "screens/password_screen.h"
#include "screens/process_info_screen.h"
#include "screens/settings_screen.h"
#include "screens/subsystem_screen.h"
#include "ui/resources.h"
#include "ui/screen.h"

void MainWindow::createScreens()
{
    softwareUpdate = new SoftwareUpdateScreen(*this, this);
    driverDetails = new DriverDetailsScreen(*this, this);
    configScreen = new ConfigScreen(*this, this);
    maintState = new MaintenanceState(this);
    maintenanceMenu = new MaintenanceMenuScreen(*this, this);
    telegramScreen = new TelegramScreen(*this, *maintState, this);
    variableMonitor = new VariableMonitorScreen(*this, *maintState, this);
    subsystems = new SubsystemScreen(*this, this);
    faultScreen = new FaultScreen(*this, this);
    diagnosis = new DiagnosisScreen(*this, this);
    processInfo = new ProcessInfoScreen(*this, this);
    ioSlots = new IoSlotScreen(*this, this);
    passwordPad = new PasswordPadScreen(*this, this);
    passwordPad->attach(centralWidget());
    dateTime = new DateTimeScreen(*this, this);
    dateTime->attach(centralWidget(), processInfo->processInfoView);
    settingsScreen = new SettingsScreen(*this, this);
    settingsScreen->attach(centralWidget());
    keyboard = new KeyboardScreen(*this, this);
    keyboard->attach(centralWidget());
    messageBox = new MessageBoxScreen(*this, this);
    messageBox->attach(centralWidget());
    homeScreen = new HomeScreen(*this, this);
    homeScreen->attach(centralWidget());
    m_screens = {softwareUpdate, driverDetails,  configScreen, maintenanceMenu, telegramScreen, variableMonitor,
                 processInfo,    ioSlots,        subsystems,   faultScreen,     diagnosis,      passwordPad,
                 dateTime,       settingsScreen, keyboard,     messageBox,      homeScreen};
    for (ui::Screen* s : m_screens)
        s->connectSlots(centralWidget());
}

QObject* MainWindow::slotOwner(const char* signature) const
{
    const QByteArray normalised = QMetaObject::normalizedSignature(signature);
    if (metaObject()->indexOfMethod(normalised.constData()) >= 0)
        return const_cast<MainWindow*>(this);
    for (ui::Screen* s : m_screens)
        if (s->hasSlot(normalised.constData()))
            return s;
    return nullptr;
}

bool MainWindow::invokeSlot(const char* name)
{
    QObject* owner = slotOwner((QByteArray(name) + "()").constData());
    return owner && QMetaObject::invokeMethod(owner, name, Qt::DirectConnection);
}

void MainWindow::serveScreen(screen::Id id, bool back)
{
    if (back)
        screen_id_old = screen_id;
    screen_id = id;
}

QString MainWindow::threadLifeSign() const
{
    return threadLifeText(exchange.DDU_MVB_Thread_Life.load(), DDU_Pixy_Thread_Life.load());
}

void MainWindow::setKeyFocus(int menuNo, int pressCount, int selectKey)
{
    keys.clear();
    if (menuNo >= 0)
        key_menu_no = menuNo;
    if (pressCount >= 0)
        key_press_count = pressCount;
    if (selectKey >= 0)
        key_press_select_key = selectKey;
}

void MainWindow::drawKeyFocus()
{
    Keyboard_Key_Global_Reset();
    Key_Pressed_Function();
}

void MainWindow::showMaintenanceTool(const char* group, const char* menuEntry)
{
    maintenanceMenu->showTool(group, menuEntry);
}

void MainWindow::openProcessorIo(int processor)
{
    ioSlots->DDU_Maintenace_Open_Processor(processor);
}

void MainWindow::enableLayoutToggle()
{
    if (auto* t = W<QAbstractButton>(QStringLiteral("screen_toggle"))) {
        t->setEnabled(true);
        t->setIcon(QIcon(Dir_ddu_img_ToggleDDU));
    }
}

void MainWindow::markTopBar(const char* entry)
{
    Main_Menu_Button_Color_Reset();
    if (QWidget* b = entry ? W(QLatin1String(entry)) : nullptr)
        b->setStyleSheet(key_menu_select_Style);
}

void MainWindow::message(const QString& text, int kind, ui::AfterOk after)
{
    messageBox->Dialog_Box(text, kind);
    ui::DialogPending& p = messageBox->state.pending;
    if (after == ui::AfterOk::Restart)
        p.masterslave_flag = 2;
    else if (after == ui::AfterOk::DiagnosisChoice)
        p.diag_flag = 1;
    else if (after == ui::AfterOk::CalibrationNotice)
        p.masterslave_flag = 1;
}

void MainWindow::confirm(const QString& text, std::function<QString()> onYes, bool saves)
{
    messageBox->Dialog_Confirm(text, std::move(onYes), saves);
}

void MainWindow::openDiagnosisChoice()
{
    invokeSlot("on_diag_back_clicked");
    keys.Keyboard_Enter_Pressed = false;
    key_press_count = 8;
    key_menu_no = 2;
}

void MainWindow::keysAnswered(int place)
{
    key_press_count = place;
    keys.Keyboard_Enter_Pressed = false;
    keys.Keyboard_ESC_Pressed = false;
}

void MainWindow::closeKeyboard()
{
    keyboard->keypad_open(false);
}

void MainWindow::openKeyboard(int stage, std::function<void(int, const QString&)> onSubmit)
{
    keyboard->open(stage, std::move(onSubmit));
}
