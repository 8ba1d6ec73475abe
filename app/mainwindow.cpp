// Start-up sequence, screen model and the two periodic ticks of the window.

#include "app/mainwindow.h"

#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMetaMethod>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>

#include <exception>

#include "acquisition/mvb_thread.h"
#include "acquisition/stale_store.h"
#include "app/panel_port.h"
#include "app/status_banner.h"
#include "diagnostics/pixy_thread.h"
#include "maintenance/config_screen.h"
#include "maintenance/maintenance_menu_screen.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/software_update.h"
#include "maintenance/telegram_screen.h"
#include "maintenance/variable_screen.h"
#include "mvb/mvb_log.h"
#include "platform/file_io.h"
#include "platform/platform.h"
#include "platform/update_log.h"
#include "platform/update_runner.h"
#include "platform/update_trial.h"
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
#include "ui/translated_text.h"

namespace {

void forwardMvbLog(const char* line, void*)
{
    qDebug().noquote() << line;
}

// Every screen group hidden by a screen change.
const char* const kScreenGroups[] = {
    "G_brightness",
    "Gmainwindow_ddu",
    "Gsub_system",
    "Gdiagnostics",
    "Gdiag_details",
    "Gpassword",
    "Gnode",
    "Gsimulation",
    "Gsoftware",
    "Gdatetime",
    "Gproinfo_menu",
    "Gmaint_riom_io",
    "Gmaint_riom_info",
    "Gmaint_ddulogin",
    "Gmaint_ddudisp",
    "GMVBFreshness",
    "Gmaint_mvbvariables",
    "Gmvbvar_loadsave",
    "Gmvbvar_filter",
    "Gmaint_mvbvarsel",
    "Gmaint_menu",
    "Gmaint_vcumenu",
    "Gmaint_footer",
    "Gpassword_blur",
    "GMVBTelegram",
    "Gfault",
    "Gfaultdriveradvice",
    "Ginfo",
    "Gmessage",
    "GmotorStatus",
    "Genergy",
    "Gmotor",
    "Ginching",
    "Gfilter_selection",
    "Gtelegram",
    "keypad_groupbox",
    "Gsignal_name",
    "G_DDSscreen",
    "G_softupdate",
    "Gpassword_blur_soft",
    "Gvcu_dialog",
    "Gsr_dialog",
    "Gbur_dialog",
    "Gcab_dialog",
};

// Subsystem paging widgets, the menu frame and the menu screen groups.
const char* const kMenuWidgets[] = {
    "subsys_back",       "subsys_up",       "subsys_bottom",   "subsys_top",     "subsys_down",     "subsys_vertline",
    "sub_locono",        "sub_message",     "vmvbtele_scol",   "menu_screen",    "menuscreen_back", "menuscreen_home",
    "menuscreen_header", "Gmenu_subsys",    "Gmenu_hvcircuit", "Gmenu_tracconv", "Gmenu_auxconv",   "Gmenu_tracmoto",
    "Gmenu_auxsys",      "Gmenu_braksys",   "Gmenu_enermoni",  "Gmenu_temp",     "Gmenu_pressure",  "Gmenu_lang",
    "Gmenu_diagnosis",   "Gmenu_drdetails", "Gmenu_future",
};

} // namespace

// ---------------------------------------------------------------- widget tree

void Ui_MainWindow::setupUi(QMainWindow* window)
{
    auto* w = static_cast<MainWindow*>(window);
    window->setObjectName(QStringLiteral("MainWindow"));
    window->setFixedSize(1024, 768);
    centralwidget = new QWidget(window);
    centralwidget->setObjectName(QStringLiteral("centralwidget"));
    centralwidget->setAttribute(Qt::WA_TranslucentBackground);
    window->setCentralWidget(centralwidget);
    // Home layout first, screens over it, pop-ups and the keyboard on top.
    HomeScreen::build(centralwidget);
    w->build_topbar(centralwidget);
    w->build_menu(centralwidget);
    w->build_screen_groups(centralwidget);
    FaultScreen::build(centralwidget);
    DiagnosisScreen::build(centralwidget);
    ConfigScreen::build(centralwidget);
    w->build_dialog(centralwidget);
    MessageBoxScreen::build(centralwidget);
    PasswordPadScreen::build(centralwidget);
    DateTimeScreen::build(centralwidget);
    SettingsScreen::build(centralwidget);
    KeyboardScreen::build(centralwidget);
    w->statusBanner = new StatusBanner(centralwidget);
    w->statusBanner->keepBelow(centralwidget->findChild<QWidget*>(QStringLiteral("keypad_groupbox")));
    QMetaObject::connectSlotsByName(window);
}

QWidget* Ui_MainWindow::find(const QString& name) const
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd() && !it.value().isNull())
        return it.value();
    if (!centralwidget)
        return nullptr;
    QWidget* root = centralwidget->window();
    QWidget* found = root->objectName() == name ? root : root->findChild<QWidget*>(name);
    if (found)
        m_cache.insert(name, found);
    return found;
}

bool MainWindow::isShown(const QString& name) const
{
    QWidget* w = W(name);
    return w && w->isVisible();
}

// ---------------------------------------------------------------- start-up

namespace {

// A save killed between writing its temporary file and renaming it over the
// old one leaves "<file>.XXXXXX" beside it. Nothing ever reads those: they
// are removed before the files are read, so they cannot fill the disk over
// many power cuts.
void removeLeftoversOfInterruptedSaves()
{
    // A data transfer cut by a power failure first: its new set is completed
    // (journal written) or dropped (not yet), so that what is read below is
    // one whole set.
    update::finishInterruptedTransfer(platform::dataRoot());
    struct Folder {
        const char* path;
        const char* names; // regular expression of the files saved there
    };
    static const Folder folders[] = {
        {"file/master", "DDU\\.xml"},
        {"file/fault", "Driver_Details|zav_MessagesVCU_temp\\.xml"},
        {"file/micview", ".+\\.xml"}, // signal sets
    };
    for (const Folder& f : folders) {
        const int n =
            platform::removeSaveLeftoversIn(platform::dataPath(QLatin1String(f.path)), QLatin1String(f.names));
        if (n > 0)
            qDebug() << "removed" << n << "temporary file(s) of interrupted saves in" << f.path;
    }
    // Copies of an update cut by a power failure.
    if (const int n = update::removeCopyLeftovers(platform::dataRoot()); n > 0)
        qDebug() << "removed" << n << "temporary file(s) of interrupted copies";
}

} // namespace

MainWindow::MainWindow(QWidget* parent, const StartOptions& options)
    : QMainWindow(parent)
{
    init_image_paths();
    if (options.noMvb)
        exchange.requests.MVB_SW_Enable.store(0);
    mvb_setLogSink(forwardMvbLog, nullptr);
    removeLeftoversOfInterruptedSaves();
    uptime.start();
    health = std::make_unique<platform::ServiceHealth>(platform::TrialFiles{platform::dataRoot()});

    ui = new Ui_MainWindow;
    ui->setupUi(this);
    createScreens();
    snap = everythingStaleStore(); // until the first refresh tick takes a snapshot
    startupTrace << QStringLiteral("setupUi");

    configScreen->read_DDUlogin_file();
    startupTrace << QStringLiteral("read_DDUlogin_file");

    form_load();
    startupTrace << QStringLiteral("form_load");

    serial_init();
    startupTrace << QStringLiteral("serial_init");

    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusLabel->hide();
    img_load();
    startupTrace << QStringLiteral("img_load");

    DDU_Language_Select = 0;
    if (QWidget* icon = W(QStringLiteral("lang_icon")))
        icon->hide();

    telegramScreen->Read_Port_Data_BUFFER();
    startupTrace << QStringLiteral("Read_Port_Data_BUFFER");
    exchange.requests.Selected_SR_Type.store(3);
    exchange.requests.Selected_VCU_Type.store(3);

    // The controller is brought up by the acquisition thread before its first
    // pass (siu_Init, mvb_init, mvb_setDeviceAddress(0), mvb_activate): the
    // window never waits on the bus.

    keypad.serial_Find_Data(keys, brightness); // the key buffer is empty: no effect
    DDU_Config_Setup();
    startupTrace << QStringLiteral("DDU_Config_Setup");

    key_press_count = 0;
    we_are_in_home = 1;
    keyboard->Keypad_connect_function();
    startupTrace << QStringLiteral("Keypad_connect_function");

    // The service guard put the previous program back: said once, in the
    // first turn of the event loop (over home), and written in the update log.
    if (std::optional<platform::RollbackNote> note = platform::takeRollbackNote({platform::dataRoot()})) {
        const platform::RollbackNote n = *note;
        QString why;
        if (!platform::appendUpdateLog(
                platform::TrialFiles{platform::dataRoot()}.updateLog(),
                {QDateTime::currentDateTime(), QStringLiteral("rollback"), n.from, n.to, n.reason}, &why))
            qWarning().noquote() << "update log not written:" << why;
        QTimer::singleShot(0, this, [this, n] {
            message(ui::trScreen(QT_TRANSLATE_NOOP("MainWindow", "Update rolled back: %1"))
                        .arg(platform::rollbackReasonText(n.reason)),
                    1);
        });
    }
}

MainWindow::~MainWindow()
{
    // An export still writing reads the fault history: it ends first.
    delete exportRunner;
    exportRunner = nullptr;
    if (timer1)
        timer1->stop();
    if (timer2)
        timer2->stop();
    // The threads read the hand-over members of this window: end them before
    // the members go.
    if (mvbThread) {
        mvbThread->stop();
        mvbThread->wait();
    }
    if (pixyThread) {
        pixyThread->stop();
        pixyThread->wait();
    }
    mvb_setLogSink(nullptr, nullptr);
    delete ui;
    ui = nullptr;
}

// The scroll bars of the long tables tell their screens where the list stands.
void MainWindow::connectTableScrollBars()
{
    struct Link {
        const char* table;
        QObject* screen; // the window or the screen that owns the table
        const char* handler;
    };
    const Link links[] = {{"t_mvbvar", variableMonitor, "mvbvarhandlerFunction(int)"},
                          {"tmvbfreshness", telegramScreen, "mvbfreshnesshandlerFunction(int)"},
                          {"t_browseloco", subsystems, "subsyshandlerFunction(int)"},
                          {"t_diagnosis", diagnosis, "diaghandlerFunction(int)"},
                          {"tmvbtelegram", telegramScreen, "mvbtelehandlerFunction(int)"}};
    for (const Link& l : links) {
        auto* t = W<QTableWidget>(QLatin1String(l.table));
        const QMetaObject* mo = l.screen->metaObject();
        const int slot = mo->indexOfSlot(l.handler);
        if (t && slot >= 0)
            connect(t->verticalScrollBar(), QMetaMethod::fromSignal(&QScrollBar::valueChanged), l.screen,
                    mo->method(slot));
    }
}

void MainWindow::form_load()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    translator = new QTranslator(this);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    if (QWidget* logo = W(QStringLiteral("logo")))
        logo->hide();

    homeScreen->home_label_settext();
    home_key_default();
    homeScreen->home_subsys();
    grpbox_setvisible();
    faultScreen->delete_fault_file();

    for (const char* name : {"loco_diag_2", "loco_select_2", "direction_2", "maint_loco_img2", "maint_locono2"})
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();
    if (QWidget* icon = W(QStringLiteral("lang_icon"))) {
        icon->raise();
        icon->setMinimumSize(24, 24);
    }
    led_gr = QColor(0, 128, 0, 255);
    led_red = QColor(135, 5, 5, 255);
    led_yel = QColor(230, 172, 0, 255);
    led_grey = QColor(23, 23, 23, 255);

    mvbThread = new Mvb_Thread(exchange, this);
    mvbThread->setObjectName(QStringLiteral("mvbThread"));
    mvbThread->start();
    connectTableScrollBars();

    timer1 = new QTimer(this);
    timer1->setObjectName(QStringLiteral("timer1"));
    connect(timer1, &QTimer::timeout, this, &MainWindow::guiupdate_fun);
    timer1->start(500);
    timer2 = new QTimer(this);
    timer2->setObjectName(QStringLiteral("timer2"));
    connect(timer2, &QTimer::timeout, this, &MainWindow::timerupdate_fun);
    timer2->start(100);

    pixyThread = new Pixy_Thread(this);
    pixyThread->setObjectName(QStringLiteral("pixyThread"));
    BusExchange* ex = &exchange;
    pixyThread->setRawSource([ex](DDU_RAW_DATA_struct(&raw)[DDU_RAW_DATA_COUNT]) { ex->copyDdsRaw(raw); });
    pixyThread->start();
    diagnosis->pixyThread = pixyThread;

    screen_id_old = screen_id;
    passwordPad->password_setup();
    screen_id = screen::Home;
}

void MainWindow::serial_init()
{
    // A decoder that throws on odd bytes must not take the window with it.
    auto guarded = [](auto decode) {
        return [decode](const char* bytes, int size) {
            try {
                decode(bytes, size);
            } catch (const std::exception& e) {
                qDebug() << "Exception" << e.what();
            } catch (...) {
                qDebug() << "Different kind of Exception";
            }
        };
    };
    keypadPort = new PanelPort(QStringLiteral("COM4"), QString::fromLocal8Bit(platform::keypadDevicePath()), 9600,
                               guarded([this](const char* d, int n) { keypad.receive(d, n); }), this);
    touchPort = new PanelPort(QStringLiteral("COM5"), QString::fromLocal8Bit(platform::touchDevicePath()), 115200,
                              guarded([this](const char* d, int n) { touch.receive(d, n); }), this);
    keypadPort->start();
    touchPort->start();
}

void MainWindow::feedKeypad(const QByteArray& bytes)
{
    keypad.receive(bytes.constData(), bytes.size());
}

void MainWindow::feedTouch(const QByteArray& bytes)
{
    touch.receive(bytes.constData(), bytes.size());
}

void MainWindow::img_load()
{
    auto pix = [this](const char* name, const QString& path) {
        if (auto* l = W<QLabel>(QLatin1String(name)))
            l->setPixmap(QPixmap(path));
    };
    auto icon = [this](const char* name, const QString& path, int w, int h) {
        if (auto* b = W<QAbstractButton>(QLatin1String(name))) {
            b->setIcon(QIcon(path));
            b->setIconSize(QSize(w, h));
        }
    };
    pix("tebe_img", Dir_rms_img_TEBEMeter);
    pix("tebe_w_arrow", Dir_rms_img_TEBEArrowGreen);
    pix("tebe_x_arrow", Dir_rms_img_TEBEArrowOrage);
    icon("maintenance", DDU_Maintenance_Password_lock ? Dir_rms_img_Lock : Dir_rms_img_UnLock, 13, 17);
    icon("fault_button", Dir_rms_img_LocoFault, 140, 31);
    icon("info_button", Dir_rms_img_LocoInfo, 91, 31);
    icon("menuscreen_back", Dir_rms_img_Back, 45, 45);
    icon("menuscreen_home", Dir_rms_img_Close, 45, 45);
    icon("menu_home", Dir_rms_img_Close, 45, 45);
    icon("lang_icon", Dir_rms_img_HindiIcon, 58, 53);
    icon("bddu_lang_icon", Dir_rms_img_HindiIcon, 58, 53);
    if (QWidget* w = W(QStringLiteral("menu_home")))
        w->hide();
}

void MainWindow::DDU_Config_Setup()
{
    if (QWidget* w = W(QStringLiteral("screen_toggle")))
        w->hide();
    if (QWidget* w = W(QStringLiteral("Gmainwindow_ddu")))
        w->hide();
    home_key_default();
    screen_toggle = 0;
    if (QWidget* w = W(QStringLiteral("lang_icon")))
        w->raise();
}

// ---------------------------------------------------------------- screen model

void MainWindow::grpbox_setvisible()
{
    exchange.requests.MVB_Present_Screen.store(0);

    for (const char* name : kScreenGroups)
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();

    if (QWidget* fb = W(QStringLiteral("fault_button"))) {
        if (faultScreen->DDU_Loco_Fault_Present) {
            toggle_disable();
            if (QWidget* t = W(QStringLiteral("screen_toggle")))
                t->lower();
            fb->show();
            fb->raise();
        } else {
            fb->hide();
        }
    }
    if (QWidget* ib = W(QStringLiteral("info_button"))) {
        if (DDU_Loco_Info_Present) {
            toggle_disable();
            if (QWidget* t = W(QStringLiteral("screen_toggle")))
                t->lower();
            ib->show();
            ib->raise();
        } else {
            ib->hide();
        }
    }

    for (const char* name : kMenuWidgets)
        if (QWidget* w = W(QLatin1String(name)))
            w->hide();

    for (const char* name : {"emg_txt", "lang_icon"})
        if (QWidget* w = W(QLatin1String(name)))
            w->lower();

    // Leaving the maintenance tools stops their extra reads on the bus.
    ViewerSelection& viewer = maintState->viewer;
    if (viewer.DDU_Micview_Start != 0 || viewer.DDU_Micview_Data_Count != 0 || viewer.port_buffer_view != 0) {
        viewer.DDU_Micview_Start = 0;
        viewer.DDU_Micview_Data_Count = 0;
        viewer.port_buffer_view = 0;
        exchange.setSelection(viewer);
    }
    for (ui::Screen* s : m_screens)
        s->screensHidden();
    we_are_in_home = 0;
    condition = true;
}

// ---------------------------------------------------------------- ticks

void MainWindow::timerupdate_fun()
{
    touch.touchscreen_check([this](int x, int y) { Touch_Screen_Connect(x, y); });
    touch.tick();
}

void MainWindow::guiupdate_fun()
{
    // One consistent copy of the signal store for everything this tick draws.
    snap = exchange.snapshot();
    health->tick(uptime.elapsed());

    if (isShown(QStringLiteral("G_DDSscreen")))
        diagnosis->dds_screen_update();
    brightnessPanelTick();
    keypad.serial_check(keys, brightness); // keypad bytes into key flags
    clockTick();
    maintenanceLockTick();
    if (keys.any()) {
        idleHome.input();
        Key_Pressed_Function();
    }
    if (keys.Keyboard_Pixy_Brightness_Pressed) {
        Brightness();
        keys.Keyboard_Pixy_Brightness_Pressed = false;
    }
    faultScreen->fault_info_update();

    // The home layout, then whichever screen is shown over it.
    homeTick();
    idleHomeTick();
    processInfo->tick();
    subsystems->tick();
    maintenanceScreensTick();
    statusBanner->update(snap);
    refocusIfHidden();
}

// A control that the tick hid (the inching arrows when inching ends, a
// processor key) does not keep the keypad focus: it moves on to the next
// control that can take it.
void MainWindow::refocusIfHidden()
{
    if (m_lastFocusMap.isEmpty())
        return;
    const nav::FocusMap* map = nullptr;
    if (m_lastFocusMap == QLatin1String("home"))
        map = &nav::homeFocusMap();
    for (const nav::FocusMap& m : nav::focusMaps())
        if (!map && m_lastFocusMap == QLatin1String(m.name))
            map = &m;
    const bool shown = map == &nav::homeFocusMap() ? we_are_in_home == 1 : map && mapVisible(*map);
    if (shown && !focusUsable(*map, key_press_count))
        Key_Pressed_Function();
}

// The brightness panel hides again 3 s after the last report.
void MainWindow::brightnessPanelTick()
{
    if (!brightness.Brightness_Panel_Enable)
        return;
    ++brightness.brightness_timeout;
    if (brightness.brightness_timeout > 5) {
        settingsScreen->hideBrightness();
        brightness.Brightness_Panel_Enable = false;
        brightness.brightness_timeout = 0;
    }
}

void MainWindow::clockTick()
{
    const QDateTime now = QDateTime::currentDateTime();
    if (auto* l = W<QLabel>(QStringLiteral("datetime")))
        l->setText(now.toString(QStringLiteral("dd-MMM-yyyy \n\n   HH:mm:ss")));
    if (auto* l = W<QLabel>(QStringLiteral("lddu_date")))
        l->setText(now.toString(QStringLiteral("dd-MMM-yy")));
    if (auto* l = W<QLabel>(QStringLiteral("lddu_time")))
        l->setText(now.toString(QStringLiteral("HH:mm:ss")));
}

// The maintenance area locks again after 2000 ticks away from its screens.
void MainWindow::maintenanceLockTick()
{
    if (DDU_Maintenance_Password_lock)
        return;
    if (isShown(QStringLiteral("Gmaint_footer"))) {
        timer_increment = 0;
    } else if (++timer_increment > 2000) {
        if (auto* b = W<QAbstractButton>(QStringLiteral("maintenance"))) {
            b->setIcon(QIcon(Dir_rms_img_Lock));
            b->setIconSize(QSize(13, 17));
        }
        DDU_Maintenance_Password_lock = true;
        timer_increment = 0;
    }
}

// The process-information screen shown, and its number on the output port.
void MainWindow::maintenanceScreensTick()
{
    if (!isShown(QStringLiteral("Gmaint_footer")))
        return;
    if (isShown(QStringLiteral("Gmaint_ddulogin")))
        configScreen->showLifeSign(threadLifeSign());
    if (isShown(QStringLiteral("GMVBFreshness")))
        telegramScreen->Insert_Fresh_value();
    if (isShown(QStringLiteral("GMVBTelegram")))
        telegramScreen->MVBTelegram_update_value();
    if (isShown(QStringLiteral("Gmaint_mvbvarsel")))
        variableMonitor->mvbvarselRefresh();
    if (isShown(QStringLiteral("Gmaint_vcumenu"))) {
        ioSlots->Processor_Life_Sign_Update();
        ioSlots->riom_slot_update();
    }
}

QString MainWindow::threadLifeText(int mvbLife, int pixyLife)
{
    return QStringLiteral("%1:%2")
        .arg(mvbLife & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(pixyLife & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// ---------------------------------------------------------------- frame, exit

void MainWindow::paintEvent(QPaintEvent*)
{
    health->framePainted(uptime.elapsed());
    QPainter p(this);
    p.setPen(QColor(0x17, 0x17, 0x17));
    p.setBrush(Qt::black);
    p.drawRect(0, 0, 1023, 767);
    p.setBrush(Qt::NoBrush);
    for (int y : {52, 184, 316, 448}) {
        p.drawRect(2, y, 170, 130);
        p.drawRect(851, y, 170, 130);
    }
    p.drawRect(174, 52, 675, 526);
    static const QRect bottom[] = {{2, 580, 170, 185},  {174, 580, 156, 91}, {174, 673, 156, 92}, {332, 580, 358, 185},
                                   {692, 580, 157, 91}, {692, 673, 157, 92}, {851, 580, 84, 91},  {851, 673, 84, 92},
                                   {936, 580, 84, 91},  {936, 673, 84, 92}};
    for (const QRect& r : bottom)
        p.drawRect(r);
    p.drawLine(75, 185, 75, 313);
}

// Writes a PNG of the window after `ms` (documentation, tests); `quit` ends
// the program after it.
void MainWindow::scheduleScreenshot(const QString& file, int ms, bool quit)
{
    QTimer::singleShot(ms, this, [this, file, quit] {
        if (!grab().save(file, "PNG"))
            qWarning() << "cannot write screenshot" << file;
        if (quit)
            QCoreApplication::quit();
    });
}
