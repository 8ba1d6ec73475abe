#pragma once
// The display's one window: the frame. It builds the widget tree, makes the
// screen classes (screens/, maintenance/: each family owns its slots, state
// and refresh, and sees the window only as a ui::ScreenHost), runs the two
// periodic ticks that drive the GUI thread, decodes the keypad and touch
// ports, routes keys and touches to the screen in front through the
// navigation tables, and owns the worker threads.
//
// Code layout: one file per area implements the members of its section below
// (mainwindow.cpp: start-up, ticks, screen model; mainwindow_host.cpp: the
// screens and what they may ask; mainwindow_build_*.cpp: the frame's widgets
// (top bar, menu, screen groups, shades); mainwindow_nav.cpp: key and touch
// navigation; mainwindow_home.cpp: the home layout toggle and tick;
// mainwindow_language.cpp: the switch of language; mainwindow_maintenance.cpp:
// the maintenance entry and lock; mainwindow_cells.cpp: the cell writer).
//
// Screens read vehicle data only from `snap`, the copy of the signal store
// taken at the start of each refresh tick.

#include <QColor>
#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "acquisition/bus_exchange.h"
#include "acquisition/signal_store.h"
#include "app/ui_state.h"
#include "input/idle_home.h"
#include "input/key_flags.h"
#include "input/keypad_decoder.h"
#include "input/navigation.h"
#include "input/touch_decoder.h"
#include "maintenance/ddu_config.h"
#include "platform/service_health.h"
#include "ui/screen_host.h"

class Mvb_Thread;
class FaultView;
class StatusBanner;
class DiagnosisView;
class DdsView;
class Pixy_Thread;
class SoftwareUpdateScreen;
class UpdateRunner;
class DriverDetailsScreen;
class ConfigScreen;
class MaintenanceMenuScreen;
class TelegramScreen;
class VariableMonitorScreen;
class ProcessInfoScreen;
class IoSlotScreen;
class SubsystemScreen;
class FaultScreen;
class DiagnosisScreen;
class PasswordPadScreen;
class DateTimeScreen;
class SettingsScreen;
class KeyboardScreen;
class HomeScreen;
class MessageBoxScreen;
namespace ui {
class Screen;
}
class Load_Thread;
class PanelPort;
class QAbstractButton;
class QLabel;
class QProgressBar;
class QTableWidget;
class QTimer;
class QTranslator;

// Options of one program start (command line).
struct StartOptions {
    bool noMvb = false; // MVB_SW_Enable 0: the bus side is not used
};

// The widget tree: the window's central widget and a name lookup with cache.
// Every widget carries its object name, so `get<QPushButton>("home")` finds it.
class Ui_MainWindow {
public:
    QWidget* centralwidget = nullptr;

    void setupUi(QMainWindow* window);
    QWidget* find(const QString& name) const;
    template <class T> T* get(const QString& name) const { return qobject_cast<T*>(find(name)); }

private:
    mutable QHash<QString, QPointer<QWidget>> m_cache;
};

class MainWindow : public QMainWindow, public UiState, public ui::ScreenHost {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr, const StartOptions& options = StartOptions());
    ~MainWindow() override;

    // ----- members of the window -----
    Pixy_Thread* pixyThread = nullptr;
    Ui_MainWindow* ui = nullptr;
    PanelPort* keypadPort = nullptr; // COM4
    PanelPort* touchPort = nullptr;  // COM5
    QTranslator* translator = nullptr;
    QColor led_gr, led_red, led_yel, led_grey;
    QPixmap ledBuffer;
    QLabel* statusLabel = nullptr;
    QProgressBar* statusProgressBar = nullptr;
    QTimer* timer_guiupdate = nullptr;
    QTimer* timer1 = nullptr; // 500 ms refresh tick
    QTimer* timer2 = nullptr; // 100 ms input tick

    // ----- data hand-over -----
    BusExchange exchange; // the program's one hand-over with the acquisition thread
    Mvb_Thread* mvbThread = nullptr;
    SignalStore snap;        // copy of the signal store taken at the start of each refresh tick
    idle::IdleHome idleHome; // ticks since the last key or touch on a driver screen
    // READY and WATCHDOG to the service manager, the end of a new program's
    // trial; timed by `uptime`.
    std::unique_ptr<platform::ServiceHealth> health;
    UpdateRunner* exportRunner = nullptr; // TO USB, made at its first use
    QString exportWriting;                // its message while it writes
    QElapsedTimer uptime;

    // ----- input -----
    KeypadDecoder keypad;
    TouchDecoder touch;
    KeyFlags keys;
    BrightnessState brightness;

    // Widget lookup by object name (nullptr when the widget does not exist).
    QWidget* W(const QString& name) const { return ui->find(name); }
    template <class T> T* W(const QString& name) const { return ui->get<T>(name); }
    bool isShown(const QString& name) const; // exists and is visible

    // ----- start-up, screen model, ticks (mainwindow.cpp) -----
    void form_load();
    void connectTableScrollBars();
    void grpbox_setvisible();
    void serial_init();
    void img_load();
    void DDU_Config_Setup();
    static QString threadLifeText(int mvbLife, int pixyLife);
    // Parts of the refresh tick.
    void brightnessPanelTick();
    void clockTick();
    void maintenanceLockTick();
    void maintenanceScreensTick();

    // ----- navigation (mainwindow_nav.cpp) -----
    void Key_Pressed_Function();
    void passwordKeys(const KeyFlags& k);
    void messageBoxKeys(const KeyFlags& k);
    void faultPopupKeys(const KeyFlags& k);
    void driverAdviceKeys(const KeyFlags& k);
    void screenKeys(const nav::FocusMap& map, const KeyFlags& k);
    void Touch_Screen_Connect(int x, int y);
    void Keyboard_Key_Global_Reset();
    void Keyboard_Key_Presssed_Reset();
    void home_key_default();
    void menu_enter();
    void menu_backhome();
    void toggle_disable();
    void scroll_Table_logic(int table, int delta);
    // Reset family: returns a group of controls to its unfocused look.
    void Main_Menu_Button_Color_Reset();
    void Menu_DDU_Button_Color_Reset();
    void Process_Info_Menu_Button_Color_Reset();
    void Subsystem_Button_Color_Reset();
    void Datetime_Button_Color_Reset();
    void Diagnosis_Sub_Menu_Reset();
    void diagnosis_color_reset();
    void diagnosis_details_color_reset();
    void diagnosisprocess_display_color_reset();
    void DDUConfig_color_reset();
    void maintenance_color_reset();
    void maintenance_display_color_reset();
    void maintenance_softwareupdate_reset();
    void maintenance_telegram_color_reset();
    void maintenance_freshness_color_reset();
    void maintenance_variable_color_reset();
    void maintenance_loadsave_color_reset();
    void maintenance_loco_color_reset();
    void Mvbvariables_Telegram_Filter_Color_Reset();
    // Name of the focus map the key dispatcher used last ("" when none).
    QString lastFocusMap() const { return m_lastFocusMap; }
    // Whether the entry `index` of `map` can take the keypad focus now (its
    // control shown and enabled; a place without a control always can).
    bool focusUsable(const nav::FocusMap& map, int index);

    // ----- table cell writer and the texts of failed saves (mainwindow_cells.cpp) -----
    // "File not saved: <reason>" ("disk full" ...), in the language shown.
    QString fileNotSavedText(const QString& reason) const override;
    QString configurationNotSavedText(const QString& reason) const override;
    void XML_Insert_Data(int row, int column, int format, int table, const QString& text) override;

    // ----- home layouts (mainwindow_home.cpp; the home screen draws them) -----
    // The home indicators, strips included, of the layout shown, from `snap`.
    void homeTick();
    // A driver screen left alone for a minute while the vehicle moves goes home.
    void idleHomeTick();
    void refocusIfHidden();
    // The DDU layout's images, strip and message buttons.
    void ddu_load();

    // Demo running, or the whole link lost: said on every screen (app/status_banner).
    StatusBanner* statusBanner = nullptr;

    // ----- language (mainwindow_language.cpp) -----
    void Language_Parameter_Reset();
    void retranslateUi();
    // Installs the translation of `language` (0 English, 1 Hindi) and redraws
    // every text; false when its file could not be loaded (nothing changed).
    bool switchLanguage(int language) override;

    // ----- maintenance entry (mainwindow_maintenance.cpp) -----
    // The keypad reported its backlight: the panel shows it.
    void Brightness();
    // The right maintenance code: the area unlocked, its menu shown.
    void maintenanceUnlocked();

    // ----- maintenance tools: what their screens share -----
    class MaintenanceState* maintState = nullptr;

    // ----- the screens (each owns its widgets' slots and its state) -----
    SoftwareUpdateScreen* softwareUpdate = nullptr;
    DriverDetailsScreen* driverDetails = nullptr;
    ConfigScreen* configScreen = nullptr; // and the unit's configuration
    MaintenanceMenuScreen* maintenanceMenu = nullptr;
    TelegramScreen* telegramScreen = nullptr;
    VariableMonitorScreen* variableMonitor = nullptr;
    ProcessInfoScreen* processInfo = nullptr;
    IoSlotScreen* ioSlots = nullptr;
    SubsystemScreen* subsystems = nullptr;
    FaultScreen* faultScreen = nullptr;
    DiagnosisScreen* diagnosis = nullptr;
    PasswordPadScreen* passwordPad = nullptr;
    DateTimeScreen* dateTime = nullptr;
    SettingsScreen* settingsScreen = nullptr; // language and brightness
    KeyboardScreen* keyboard = nullptr;       // the on-screen keyboard
    HomeScreen* homeScreen = nullptr;         // both home layouts
    MessageBoxScreen* messageBox = nullptr;   // and what it waits for
    // The window or the screen that has the slot `signature` (normalised,
    // e.g. "on_save_btn_clicked()"); nullptr when none has it.
    QObject* slotOwner(const char* signature) const;
    // Calls the no-argument slot `name` wherever it lives; false when none has it.
    bool invokeSlot(const char* name);
    const std::vector<ui::Screen*>& screens() const { return m_screens; }

    // ----- what the screens may ask of the window (ui::ScreenHost) -----
    QWidget* widget(const QString& name) const override { return W(name); }
    screen::Id servedScreen() const override { return screen_id; }
    void serveScreen(screen::Id id, bool back = false) override;
    void hideScreens() override { grpbox_setvisible(); }
    void goHome() override { on_home_clicked(); }
    void drawKeyFocus() override;
    void showMenuFrame() override { menu_backhome(); }
    void applyConfiguration() override { DDU_Config_Setup(); }
    QString threadLifeSign() const override;
    void showMaintenanceTool(const char* group, const char* menuEntry) override;
    void openPasswordPad(int stage, std::function<void()> onAccepted) override;
    void markTopBar(const char* entry) override;
    void disableLayoutToggle() override { toggle_disable(); }
    void enableLayoutToggle() override;
    int homeLayout() const override { return screen_toggle; }
    void setReturnScreen(screen::Id id) override { screen_id_old = id; }
    screen::Id returnScreen() const override { return screen_id_old; }
    void setKeyFocus(int menuNo, int pressCount, int selectKey) override;
    void dispatchKeys() override { Key_Pressed_Function(); }
    int keyPlace() const override { return key_press_count; }
    void setKeyPlace(int pressCount) override { key_press_count = pressCount; }
    void setTouchLockout(int ticks) override { touch.key_pressure_max = ticks; }
    void dropQueuedTouches(int ticks) override;
    void openProcessorIo(int processor) override;
    void closeKeyboard() override;
    BusExchange& bus() override { return exchange; }
    void message(const QString& text, int kind, ui::AfterOk after = ui::AfterOk::Nothing) override;
    void confirm(const QString& text, std::function<QString()> onYes, bool saves = true) override;
    void exportLogs(const QByteArray& ddsCsv) override;
    void openDiagnosisChoice() override;
    void keysAnswered(int place) override;
    void openKeyboard(int stage, std::function<void(int, const QString&)> onSubmit) override;
    bool hindi() const override { return DDU_Language_Select == 1; }
    const SignalStore& snapshot() const override { return snap; }
    BusRequests& requests() override { return exchange.requests; }

    // ----- test hooks -----
    // Feeds keypad or touch bytes straight into the decoders, as the port
    // handlers do; the ticks (guiupdate_fun / timerupdate_fun) then decode them.
    void feedKeypad(const QByteArray& bytes);
    void feedTouch(const QByteArray& bytes);
    // Steps of the start-up sequence in the order they ran.
    QStringList startupTrace;
    // Keys act with animateClick (100 ms, as on the unit); tests may switch to
    // an immediate click().
    bool keyClicksAnimated = true;
    // Grabs the window after `ms` and writes it as PNG; quits when `quit` is set.
    void scheduleScreenshot(const QString& file, int ms, bool quit);

public slots:
    void guiupdate_fun();
    void timerupdate_fun();

    // Home screen: the layout toggle.
    void on_screen_toggle_clicked();

    // Common transitions.
    void on_home_clicked();
    void on_menu_clicked();
    void on_menu_home_clicked();
    void on_menuscreen_home_clicked();
    void on_menuscreen_back_clicked();
    void on_process_clicked();

    // Top bar: the maintenance area (through the pad while locked).
    void on_maintenance_clicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Widget tree builders (mainwindow_build_*.cpp).
    friend class Ui_MainWindow;
    void build_topbar(QWidget* root);
    void build_menu(QWidget* root);
    void build_screen_groups(QWidget* root);
    void build_dialog(QWidget* root);

    // Navigation glue.
    void applyAction(const nav::Action& action);
    void drawFocus(const nav::FocusMap& map, int index);
    void styleSlot(const nav::FocusMap& map, const nav::FocusSlot& slot, bool focused);
    // The frame over the table cell with the keypad focus (nullptr: none).
    void drawCellFocus(const nav::FocusSlot* cell);
    // The row of a cell entry: its own, or the table's selected row (-1).
    int cellRow(const nav::FocusSlot& cell) const;
    void resetButtons(std::initializer_list<const char*> names, const QString& style);
    bool mapVisible(const nav::FocusMap& map) const;
    void clickButton(const QString& name, bool animated);
    bool touchRegionEnabled(const nav::TouchRegion& region) const;
    void touchAct(const nav::TouchRegion& region, int x, int y);
    void syncFocusState(const nav::FocusState& s);
    nav::FocusState focusState() const;

    QString m_lastFocusMap;
    QPointer<QWidget> m_cellFocus; // the cell focus frame, made on first use
    std::vector<ui::Screen*> m_screens;
    void createScreens();
};
