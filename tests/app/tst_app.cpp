// The display's window: start-up, screen model, key and touch navigation,
// message box, cell writer, on-screen keyboard, screenshot option. Devices do
// not exist; decoder input is fed straight in and the ticks are called directly.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "acquisition/mvb_thread.h"
#include "app/mainwindow.h"
#include "app/panel_port.h"
#include "diagnostics/pixy_thread.h"
#include "input/navigation.h"
#include "maintenance/config_screen.h"
#include "maintenance/ddu_config.h"
#include "maintenance/maintenance_state.h"
#include "maintenance/software_update.h"
#include "maintenance/update_screen.h"
#include "platform/update_trial.h"
#include "screens/diagnosis_screen.h"
#include "screens/fault_screen.h"
#include "screens/io_slot_screen.h"
#include "screens/keyboard_screen.h"
#include "screens/message_box_screen.h"
#include "tests/support/environment.h"
#include "tests/support/window.h"
#include "ui/look.h"
#include "ui/message_box_state.h"
#include "ui/resources.h"
#include "ui/screen.h"

namespace {

using testsupport::makeWindow;

using Window = std::unique_ptr<MainWindow>;

void press(MainWindow& w, const char* code, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        w.feedKeypad(QByteArray("$,") + code + ",");
        w.guiupdate_fun();
    }
}

void touchAt(MainWindow& w, int x, int y)
{
    w.touch.key_pressure = 0;
    w.Touch_Screen_Connect(x, y);
}

// The button of `name`, created inside `group` when its screen is not built yet.
QPushButton* ensureButton(MainWindow& w, const QString& group, const QString& name)
{
    if (auto* b = w.W<QPushButton>(name))
        return b;
    QWidget* parent = w.W(group);
    if (!parent)
        return nullptr;
    auto* b = new QPushButton(name, parent);
    b->setObjectName(name);
    b->setGeometry(0, 0, 10, 10);
    b->show();
    return b;
}

void showGroup(MainWindow& w, const QString& name)
{
    if (QWidget* g = w.W(name)) {
        g->show();
        g->raise();
    }
}

// A window showing only the given screen group.
Window at(const char* group)
{
    auto w = makeWindow();
    w->grpbox_setvisible();
    showGroup(*w, QLatin1String(group));
    return w;
}

const nav::FocusMap& mapNamed(const char* name)
{
    for (const nav::FocusMap& m : nav::focusMaps())
        if (qstrcmp(m.name, name) == 0)
            return m;
    qFatal("no focus map %s", name);
}

QString slotWidget(MainWindow& w, const nav::FocusSlot& s)
{
    return QString::fromStdString(nav::resolveWidget(s.widget, w.ioSlots->DDU_Maintenace_Selected_Processor));
}

// Name of the control of the map that carries a focus look.
QString focused(MainWindow& w, const nav::FocusMap& map)
{
    const QString looks[] = {Key_menu_border_Style,
                             key_menu_border_select_Style,
                             Key_submenu_border_Style,
                             Key_submenu_select_border_Style,
                             Key_submenu30_border_Style,
                             Key_submenu30_select_border_Style,
                             Key_menutab_border_Style,
                             Key_menutab_select_border_Style,
                             Menu_Processor_Radio_Style_Border,
                             Password_Button_Style_Border,
                             look::IconFocused,
                             maint::filterBoxFocusedStyle()};
    for (const nav::FocusSlot& s : map.entries) {
        QWidget* wid = s.widget ? w.W(slotWidget(w, s)) : nullptr;
        if (wid && std::find(std::begin(looks), std::end(looks), wid->styleSheet()) != std::end(looks))
            return slotWidget(w, s);
    }
    return QString();
}

// Builds the controls of a map that do not exist yet and shows its screen.
void prepareMap(MainWindow& w, const nav::FocusMap& map)
{
    const QString group = QLatin1String(map.visible);
    w.grpbox_setvisible();
    showGroup(w, group);
    // A map told apart from another of the same group by a second widget:
    // the other one's widget hidden.
    for (const nav::FocusMap& other : nav::focusMaps())
        if (&other != &map && other.alsoVisible && qstrcmp(other.visible, map.visible) == 0)
            if (QWidget* x = w.W(QLatin1String(other.alsoVisible)))
                x->hide();
    if (map.alsoVisible) {
        if (!w.W(QLatin1String(map.alsoVisible)))
            (new QTableWidget(w.W(group)))->setObjectName(QLatin1String(map.alsoVisible));
        w.W(QLatin1String(map.alsoVisible))->show();
    }
    for (const nav::FocusSlot& s : map.entries)
        if (s.widget && s.look != nav::Look::Cell)
            if (QPushButton* b = ensureButton(w, group, slotWidget(w, s)); b && !b->isVisible())
                b->show(); // a control shown only in some states: the walk wants them all
    w.Keyboard_Key_Global_Reset();
    w.Key_Pressed_Function();
}

// Whether the shell runner logged `command` (nothing runs on the host).
bool shellLogHolds(const char* command)
{
    QFile f(qEnvironmentVariable("DDU_SHELL_LOG"));
    return f.open(QIODevice::ReadOnly) && f.readAll().contains(command);
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    void startupOrder()
    {
        auto w = makeWindow();
        QCOMPARE(w->startupTrace,
                 (QStringList{"setupUi", "read_DDUlogin_file", "form_load", "serial_init", "img_load",
                              "Read_Port_Data_BUFFER", "DDU_Config_Setup", "Keypad_connect_function"}));
        QCOMPARE(w->exchange.requests.MVB_SW_Enable.load(), 0);
        QCOMPARE(w->screen_id, screen::Home);
        QCOMPARE(w->we_are_in_home, 1);
        QVERIFY(!w->keypadPort->isOpen() && !w->touchPort->isOpen());
        QVERIFY(!w->isShown("screen_toggle") && !w->isShown("Gmainwindow_ddu") && !w->isShown("loco_diag_2"));
        QCOMPARE(w->W("home")->styleSheet(), key_menu_border_select_Style);
        QVERIFY(w->mvbThread->isRunning());
        QVERIFY(w->pixyThread->isRunning());
        // With the bus side on the window starts alike (tests/e2e).
    }

    void configurationFileIsRead()
    {
        QDir(m_root.path()).mkpath("file/master");
        QFile f(m_root.filePath("file/master/DDU.xml"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Table><Loco_Details><VCU>1</VCU><SR>2</SR>"
                "<BUR>4</BUR><CAB>2</CAB><DDU>3</DDU><MVB>1</MVB></Loco_Details></Table>\n");
        f.close();
        auto w = makeWindow();
        QFile::remove(f.fileName());
        // Cab, DDU, BUR, MVB as read; the start-up sets the converter and control types after reading.
        const auto& r = w->exchange.requests;
        QCOMPARE((QVector<int>{r.Selected_CAB_Type.load(), w->configScreen->Selected_DDU_Type,
                               w->configScreen->Selected_BUR_Type, w->configScreen->Selected_MVB_Type,
                               r.Selected_SR_Type.load(), r.Selected_VCU_Type.load()}),
                 (QVector<int>{2, 3, 4, 1, 3, 3}));
    }

    // Temporary files of saves and copies killed before their rename are
    // removed at the start; the saved files themselves and files of other
    // names stay.
    void leftoversOfInterruptedSavesRemovedAtStart()
    {
        const QStringList leftovers{"file/master/DDU.xml.a1B2c3", "file/fault/Driver_Details.Zz9999",
                                    "file/fault/zav_MessagesVCU_temp.xml.qwErty", "file/micview/Brakes.xml.AAAAAA",
                                    // copies of an update and a transfer cut short
                                    ".ZAV_DDU_LU.new-x1y2z3", "file/master/.zav_port.xml.new-abcdef"};
        const QStringList kept{"file/master/zav_port.xml.a1B2c3", "file/master/DDU.xml.bak",
                               "file/fault/notes.txt.abcdef", "file/micview/Brakes.xml",
                               "file/fault/Driver_Details.toolong7"};
        for (const QString& name : leftovers + kept) {
            QDir(m_root.path()).mkpath(QFileInfo(name).path());
            QFile f(m_root.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<half");
        }
        auto w = makeWindow();
        for (const QString& name : leftovers)
            QVERIFY2(!QFile::exists(m_root.filePath(name)), qPrintable(name));
        for (const QString& name : kept) {
            QVERIFY2(QFile::exists(m_root.filePath(name)), qPrintable(name));
            QFile::remove(m_root.filePath(name));
        }
    }

    // A data transfer cut by a power failure is settled before the window
    // reads a data file: with its journal written, the new configuration is
    // the one read; without, the old one, and nothing of the transfer stays.
    void interruptedTransferSettledBeforeTheConfigurationIsRead_data()
    {
        QTest::addColumn<int>("renamesBeforeTheCut"); // -1: before the journal
        QTest::addColumn<int>("cab");                 // the cab the window reads
        QTest::newRow("journal written") << 0 << 2;
        QTest::newRow("no journal") << -1 << 1;
    }

    void interruptedTransferSettledBeforeTheConfigurationIsRead()
    {
        QFETCH(int, renamesBeforeTheCut);
        QFETCH(int, cab);
        const auto configWithCab = [](int c) {
            config::DduConfig d;
            d.cab = c;
            config::applyStoredDefaults(d);
            return config::formatConfig(d);
        };
        const update::Layout layout{m_root.filePath("usb-device"), m_root.path()};
        QVERIFY(QDir(m_root.path()).mkpath("file/master") && QDir().mkpath(layout.stickPackage() + "/master"));
        for (const auto& [path, c] : {std::pair{m_root.filePath("file/master/DDU.xml"), 1},
                                      std::pair{layout.stickPackage() + "/master/DDU.xml", 2}}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(configWithCab(c)) > 0);
        }
        QFile device(layout.device);
        QVERIFY(device.open(QIODevice::WriteOnly));
        device.close();
        update::SoftwareUpdate job(layout);
        job.cutPowerDuringSwitch(renamesBeforeTheCut);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not transferred: "));
        job.transferData();
        QVERIFY(QFileInfo::exists(update::stagingFolder(m_root.path())));

        auto w = makeWindow();
        QCOMPARE(w->exchange.requests.Selected_CAB_Type.load(), cab);
        QVERIFY(!QFileInfo::exists(update::transferFolder(m_root.path())));
        QFile::remove(m_root.filePath("file/master/DDU.xml"));
        QFile::remove(layout.device);
        QVERIFY(QDir(m_root.filePath("file/pendrive/qim_new")).removeRecursively());
    }

    void screenResetHidesEveryScreen()
    {
        auto w = makeWindow();
        // Every screen group, and the menu frame with its screens.
        QStringList names{"menu_screen", "menuscreen_back", "Gmenu_hvcircuit", "subsys_up", "vmvbtele_scol"};
        for (QGroupBox* g : w->centralWidget()->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly))
            names << g->objectName();
        QVERIFY(names.contains("Gmessage") && names.contains("Gmainwindow_ddu"));
        for (const QString& n : names)
            showGroup(*w, n);
        w->grpbox_setvisible();
        for (const QString& n : names)
            QVERIFY2(!w->isShown(n), qPrintable(n));
        QCOMPARE(w->we_are_in_home, 0);
    }

    void screenChanges()
    {
        auto w = makeWindow();
        // The screen reported on the bus follows the tick; menu and home report 0.
        // The fault button comes and goes with the screen changes.
        showGroup(*w, "Gnode");
        w->guiupdate_fun();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 10);
        w->faultScreen->DDU_Loco_Fault_Present = true;
        w->on_menu_clicked();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 0);
        QVERIFY(w->isShown("fault_button") && !w->W("screen_toggle")->isEnabled());
        showGroup(*w, "Ginching");
        w->guiupdate_fun();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 15);
        w->faultScreen->DDU_Loco_Fault_Present = false;
        w->on_home_clicked();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 0);
        QVERIFY(!w->isShown("fault_button") && w->W("screen_toggle")->isEnabled());
    }

    void homeAndMenuKeysFromAnyScreen()
    {
        for (const char* group : {"Gnode", "Gpassword", "Gmessage", "keypad_groupbox"}) {
            for (const char* key : {"02", "03"}) {
                auto w = at(group);
                w->screen_id = screen::FaultPopup;
                press(*w, key);
                QVERIFY2(!w->isShown(group), group);
                QVERIFY(!w->keys.any());
                if (key == QLatin1String("02")) {
                    QCOMPARE(w->screen_id, screen::Home);
                    QCOMPARE(w->W("home")->styleSheet(), key_menu_border_select_Style);
                } else {
                    QCOMPARE(w->screen_id, screen::MainMenu);
                    QVERIFY(w->isShown("menu_screen"));
                    QCOMPARE(focused(*w, mapNamed("main_menu")), QString("sub_sys"));
                }
            }
        }
        // In the DDU layout HOME closes what is open over it.
        auto w = makeWindow();
        w->screen_toggle = 1;
        showGroup(*w, "Gpassword");
        showGroup(*w, "Gpassword_blur");
        press(*w, "02");
        QVERIFY(w->isShown("Gmainwindow_ddu") && !w->isShown("Gpassword") && !w->isShown("Gpassword_blur"));
        press(*w, "09"); // keys now act on the home screen, not on the pad behind it
        QCOMPARE(w->lastFocusMap(), QString("home"));
        QCOMPARE(w->key_press_count, 1);
    }

    void homeFocus()
    {
        // clang-format off
        const struct { int type, ups, downs; const char* expected; } rows[] = {
            {1, 0, 1, "menu"},          {1, 0, 4, "maintenance"}, {1, 1, 0, "loco_diag"}, // wraps
            {1, 2, 0, "screen_toggle"}, {3, 2, 0, "maintenance"}, {3, 0, 5, "loco_diag"}, // type 3: no toggle
            {1, 0, 6, "loco_diag"}, // after the top bar and the toggle: the loco pictogram
        };
        // clang-format on
        for (const auto& r : rows) {
            auto w = makeWindow();
            w->configScreen->Selected_DDU_Type = r.type;
            press(*w, "08", r.ups);
            press(*w, "09", r.downs);
            QCOMPARE(focused(*w, nav::homeFocusMap()), QString(r.expected));
            if (qstrcmp(r.expected, "home") != 0) // the home button keeps its orange section look
                QCOMPARE(w->W("home")->styleSheet(), key_menu_select_Style);
            QSignalSpy spy(w->W<QPushButton>(r.expected), &QPushButton::clicked);
            press(*w, "10");
            QCOMPARE(spy.count(), 1);
        }
    }

    void mainMenuUpWrapsAndSectionLook()
    {
        auto w = makeWindow();
        press(*w, "03");
        QCOMPARE(focused(*w, mapNamed("main_menu")), QString("sub_sys"));
        press(*w, "08"); // Up from 0 wraps to the last entry
        QCOMPARE(focused(*w, mapNamed("main_menu")), QString("dr_details"));
        press(*w, "01"); // ESC: to the top bar; the menu button keeps its orange section look
        QCOMPARE(focused(*w, mapNamed("main_menu")), QString("home"));
        QCOMPARE(w->W("menu")->styleSheet(), key_menu_select_Style);
        press(*w, "08");
        QCOMPARE(focused(*w, mapNamed("main_menu")), QString("maintenance"));
        press(*w, "01"); // no third group: stays
        QCOMPARE(focused(*w, mapNamed("main_menu")), QString("maintenance"));
    }

    void mainMenuRemembersEntryAcrossSubscreen()
    {
        auto w = makeWindow();
        press(*w, "03");
        press(*w, "09", 3);
        QSignalSpy spy(w->W<QPushButton>("aux_conv"), &QPushButton::clicked);
        press(*w, "10");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(w->key_Menu_ID_old, 3);
        // A subsystem screen: ESC goes back to the menu with the entry focused.
        w->grpbox_setvisible();
        showGroup(*w, "Gmenu_auxconv");
        w->menu_backhome();
        QVERIFY(w->isShown("menuscreen_back"));
        press(*w, "01");
        QVERIFY(w->isShown("menu_screen"));
        QCOMPARE(w->screen_id, screen::MainMenu);
        QCOMPARE(focused(*w, mapNamed("main_menu")), QString("aux_conv"));
        // Also from the screens without focus groups.
        for (const char* g : {"Gmenu_hvcircuit", "Gmenu_lang"}) {
            w->key_Menu_ID_old = 9;
            w->grpbox_setvisible();
            w->screen_id = screen::HvCircuit;
            showGroup(*w, g);
            press(*w, "01");
            QVERIFY2(!w->isShown(g) && w->isShown("menu_screen"), g);
            QCOMPARE(focused(*w, mapNamed("main_menu")), QString("pressure"));
        }
    }

    // Key parity: every button a touch region clicks is in a focus map too,
    // so the keypad reaches every action a finger can. Table cells are
    // reached by their screens' row keys (see cellsHaveKeyPaths).
    void everyTouchButtonHasAKeyPath()
    {
        QSet<QString> reachable = {QStringLiteral("ok"), QStringLiteral("no")}; // the message box's own keys
        const auto add = [&reachable](const nav::FocusMap& m) {
            for (const nav::FocusSlot& s : m.entries)
                if (s.widget)
                    reachable << QString::fromStdString(nav::resolveWidget(s.widget, 1));
        };
        for (const nav::FocusMap& m : nav::focusMaps())
            add(m);
        add(nav::homeFocusMap());
        add(nav::passwordFocusMap());
        for (const char* p : nav::kProcessorOrder)
            reachable << QLatin1String(p);
        // Buttons whose action a key of their own does, and why.
        // clang-format off
        const char* const ownKeys[][2] = {
            {"fault_button", "the top bar's MAINTENANCE place clicks it while it is shown"},
            {"enterfault_btn", "the pop-up: UP/DOWN choose, ENTER acts"},
            {"driveradvice", "the pop-up: UP/DOWN choose, ENTER acts"},
            {"driveradv_back", "the advice: ESC or ENTER"},
            {"up_button", "the advice: UP"}, {"down_button", "the advice: DOWN"},
            {"pwd_close_button", "the pad: ESC"},
            {"menuscreen_back", "the menu screens: ESC"}, {"menuscreen_home", "the HOME key"},
            {"filterclose_button", "the filter choice: ESC"},
            {"calibrate_button", "hidden and disabled on this unit: no finger reaches it either"},
        };
        // clang-format on
        for (const auto& k : ownKeys)
            reachable << QLatin1String(k[0]);
        QStringList missing;
        for (const nav::TouchBlock& b : nav::touchBlocks())
            for (const nav::TouchRegion& r : b.regions) {
                const QString name = QLatin1String(r.widget);
                if (r.action != nav::TouchAction::Click || name.startsWith(QLatin1Char('G')))
                    continue; // a group: the swallowing region of an overlay
                if (!reachable.contains(name))
                    missing << QStringLiteral("%1: %2").arg(QLatin1String(b.name), name);
            }
        missing.removeDuplicates();
        for (const QString& m : std::as_const(missing))
            qWarning("no key path: %s", qPrintable(m));
        QVERIFY2(missing.isEmpty(), "buttons a finger reaches but no key (listed above)");
    }

    // What a finger does on the home pictogram, the subsystem grid and the
    // driver details form, the keypad does too.
    void keysReachPictogramsCellsAndForms()
    {
        auto w = makeWindow();
        w->configScreen->Selected_DDU_Type = 3; // no layout toggle: Down x5 is the loco pictogram
        press(*w, "09", 5);
        QCOMPARE(focused(*w, nav::homeFocusMap()), QString("loco_diag"));
        QCOMPARE(w->W("loco_diag")->styleSheet(), look::IconFocused);
        press(*w, "10"); // the grid of loco 1, as the finger opens it
        QVERIFY(w->isShown("t_subsystem"));
        QCOMPARE(w->lastFocusMap(), QString("subsys_grid"));
        QVERIFY(w->isShown("cell_focus")); // the first cell framed
        press(*w, "09");
        press(*w, "10"); // the second cell: its messages, or "No Details Found"
        QVERIFY(w->isShown("t_browseloco") || w->isShown("Gmessage"));

        auto d = makeWindow();
        press(*d, "03"); // MENU
        press(*d, "08"); // Up from the first entry wraps to DRIVER DETAILS
        QCOMPARE(focused(*d, mapNamed("main_menu")), QString("dr_details"));
        press(*d, "10");
        QVERIFY(d->isShown("Gmenu_drdetails"));
        QCOMPARE(d->lastFocusMap(), QString("Gmenu_drdetails"));
        QVERIFY(d->isShown("cell_focus"));
        press(*d, "09"); // the train name
        press(*d, "10");
        QVERIFY(d->isShown("keypad_groupbox")); // the keyboard for that value
        d->W("keypad_groupbox")->hide();
        press(*d, "09", 7); // past the other values: SAVE
        QCOMPARE(focused(*d, mapNamed("Gmenu_drdetails")), QString("save_btn"));
        press(*d, "10");
        QVERIFY(d->isShown("Gmessage"));
    }

    // Every focus map: ESC leads into each group in turn; there Down visits
    // every index of the group once and wraps back, the focus look always on
    // the control of the index (or on none where the index has no control);
    // Enter clicks the focused control.
    void focusWalkOverEveryMap()
    {
        auto w = makeWindow();
        int walked = 0;
        for (const nav::FocusMap& m : nav::focusMaps()) {
            if (m.groups == 0)
                continue;
            prepareMap(*w, m);
            for (int g = 1; g <= m.groups; ++g) {
                const QString at = QStringLiteral("%1 group %2").arg(m.name).arg(g);
                if (g > 1 && m.esc != nav::Esc::Outward)
                    break;
                if (g > 1)
                    press(*w, "01");
                QCOMPARE(w->lastFocusMap(), QString(m.name));
                // Down visits every place that can take the focus, once (as
                // the refresh tick leaves them shown).
                w->guiupdate_fun();
                QSet<int> usable;
                for (int i = m.groupMin[g - 1]; i <= m.groupMax[g - 1]; ++i)
                    if (w->focusUsable(m, i))
                        usable.insert(i);
                QSet<int> seen;
                for (int i = 0; i < usable.size(); ++i) {
                    const int index = w->key_press_count;
                    QVERIFY2(m.groupOf(index) == g || (g == 1 && index == 0), qPrintable(at));
                    QVERIFY2(w->focusUsable(m, index), qPrintable(at + QStringLiteral(" index %1").arg(index)));
                    const nav::FocusSlot* slot = m.slotAt(index);
                    const bool drawnByStyle = slot && slot->widget && slot->look != nav::Look::Cell;
                    QCOMPARE(focused(*w, m), drawnByStyle ? slotWidget(*w, *slot) : QString());
                    if (slot && slot->look == nav::Look::Cell)
                        QVERIFY2(w->isShown("cell_focus"), qPrintable(at));
                    seen.insert(index);
                    press(*w, "09");
                }
                QVERIFY2(seen == usable || (g == 1 && seen.contains(0) && seen.size() == usable.size()),
                         qPrintable(at));
            }
            const QString target = focused(*w, m);
            if (auto* b = w->W<QAbstractButton>(target)) {
                QSignalSpy spy(b, &QAbstractButton::clicked);
                press(*w, "10");
                QVERIFY2(spy.count() == 1, qPrintable(QString(m.name) + ": " + target));
            }
            ++walked;
        }
        QVERIFY(walked > 20);
    }

    void processorButtonsFollowTheSelectedProcessor()
    {
        auto w = makeWindow();
        prepareMap(*w, mapNamed("processor_io"));
        w->ioSlots->DDU_Maintenace_Selected_Processor = 3; // ddu_stb1
        for (const char* n : nav::kProcessorOrder)         // all eight shown, with their column
            for (QWidget* b = ensureButton(*w, "Gmaint_riom_info", QLatin1String(n)); b && b != w.get();
                 b = b->parentWidget())
                b->show();
        press(*w, "01"); // to group 2: index 2 is the selected processor
        QCOMPARE(w->key_press_count, 2);
        QCOMPARE(focused(*w, mapNamed("processor_io")), QString("ddu_stb1"));
        press(*w, "09");
        QCOMPARE(focused(*w, mapNamed("processor_io")), QString("ddu_slg1"));
        press(*w, "09", 5);
        QCOMPARE(focused(*w, mapNamed("processor_io")), QString("ddu_flg1")); // cyclic order wraps to the start
    }

    void auxiliaryKeysAndFaultPopup()
    {
        auto w = makeWindow();
        prepareMap(*w, mapNamed("dds"));
        QSignalSpy up(w->W<QPushButton>("b_ddsup"), &QPushButton::clicked);
        QSignalSpy down(w->W<QPushButton>("b_ddsdown"), &QPushButton::clicked);
        press(*w, "12");
        press(*w, "13", 2);
        QCOMPARE(up.count(), 1);
        QCOMPARE(down.count(), 2);

        w->grpbox_setvisible();
        showGroup(*w, "Gfault");
        press(*w, "09");
        QVERIFY(w->isShown("Gfault"));
        press(*w, "01"); // ESC leaves the fault pop-up to the home screen
        QVERIFY(!w->isShown("Gfault"));
        QCOMPARE(w->screen_id, screen::Home);
    }

    void passwordPadFocus()
    {
        auto w = at("Gpassword");
        const nav::FocusMap& m = nav::passwordFocusMap();
        for (const nav::FocusSlot& s : m.entries)
            ensureButton(*w, "Gpassword", QLatin1String(s.widget));
        ensureButton(*w, "Gpassword", "pwd_close_button");
        w->key_press_count = 0;
        press(*w, "08"); // Up from no focus
        QCOMPARE(focused(*w, m), QString("b_keyOK"));
        press(*w, "09"); // Down from 12 wraps to 1
        QCOMPARE(focused(*w, m), QString("b_key1"));
        press(*w, "08"); // Up from 1 wraps to 12
        QCOMPARE(w->key_press_count, 12);
        press(*w, "09");
        QSignalSpy one(w->W<QPushButton>("b_key1"), &QPushButton::clicked);
        press(*w, "10", 2); // Enter on key 1 keeps the focus there: a second 1
        QCOMPARE(one.count(), 2);
        QCOMPARE(w->key_press_count, 1);
        press(*w, "09");
        QSignalSpy two(w->W<QPushButton>("b_key2"), &QPushButton::clicked);
        press(*w, "10");
        QCOMPARE(two.count(), 1);
        QCOMPARE(w->key_press_count, 0); // focus returns to none
        auto* closeButton = w->W<QPushButton>("pwd_close_button");
        QSignalSpy close(closeButton, &QPushButton::clicked);
        press(*w, "01");
        QCOMPARE(close.count(), 1);
        // Its touch region; closing from screen 29 goes to 25.
        showGroup(*w, "Gpassword"); // ESC closed the pad
        w->screen_id = screen::SoftwareUpdateChoice;
        touchAt(*w, 687, 127);
        QCOMPARE(close.count(), 2);
        QCOMPARE(w->screen_id, screen::DduConfigure);
    }

    void focusTablesAreConsistent()
    {
        for (const nav::FocusMap& m : nav::focusMaps()) {
            QSet<int> seen;
            for (const nav::FocusSlot& s : m.entries) {
                QVERIFY2(!seen.contains(s.index), m.name);
                seen.insert(s.index);
                QVERIFY2(m.groupOf(s.index) != 0, m.name);
            }
            if (m.esc == nav::Esc::Invoke)
                QVERIFY2(m.escSlot && QByteArray(m.escSlot).startsWith("on_"), m.name);
        }
        for (const nav::TouchBlock& b : nav::touchBlocks())
            for (const nav::TouchRegion& r : b.regions)
                QVERIFY2(r.x1 < r.x2 && r.y1 < r.y2, b.name);
    }

    // A finger on a table acts like a mouse click on the cell under it (the
    // diagnosis list: the row touched becomes the current one).
    void touchOnATableClicksTheCell()
    {
        auto w = makeWindow();
        QWidget* group = w->W("Gdiagnostics");
        auto* table = w->W<QTableWidget>("t_diagnosis");
        QVERIFY(group && table);
        table->setRowCount(5);
        table->setColumnCount(2);
        for (int r = 0; r < 5; ++r)
            table->setItem(r, 0, new QTableWidgetItem(QString::number(r)));
        group->show();
        group->raise();
        w->screen_id = screen::DiagnosisList;
        QSignalSpy clicked(table, &QTableWidget::cellClicked);
        const QPoint cell = table->viewport()->mapTo(w.get(), table->visualItemRect(table->item(3, 0)).center());
        touchAt(*w, cell.x(), cell.y());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().value(0).toInt(), 3);
        QCOMPARE(table->currentRow(), 3);
    }

    // A region counts only while its target is visible.
    void touchRegionsNeedVisibleTargets()
    {
        auto w = makeWindow();
        QSignalSpy maint(w->W<QPushButton>("maintenance"), &QPushButton::clicked);
        QSignalSpy fault(w->W<QPushButton>("fault_button"), &QPushButton::clicked);
        touchAt(*w, 950, 30);
        QCOMPARE(maint.count(), 1);
        QCOMPARE(fault.count(), 0);
        QCOMPARE(w->touch.key_pressure, 1); // the pad it opened raises key_pressure_max to 2 for later touches
        w->faultScreen->DDU_Loco_Fault_Present = true;
        w->on_home_clicked();
        touchAt(*w, 950, 30); // the fault button over the maintenance button
        QCOMPARE(maint.count(), 1);
        QCOMPARE(fault.count(), 1);

        w->screen_id = screen::MainMenu; // the menu's buttons without the menu shown
        QSignalSpy hv(w->W<QPushButton>("hv_circ"), &QPushButton::clicked);
        touchAt(*w, 300, 200);
        QCOMPARE(hv.count(), 0);
        QCOMPARE(w->touch.key_pressure, 0);
    }

    void mainMenuTouchRegions()
    {
        auto w = makeWindow();
        w->on_menu_clicked();
        // Every region of the main menu lies on its button and clicks it.
        int regions = 0;
        for (const nav::TouchBlock& b : nav::touchBlocks()) {
            if (qstrcmp(b.name, "main_menu") != 0)
                continue;
            for (const nav::TouchRegion& r : b.regions) {
                auto* button = w->W<QPushButton>(QLatin1String(r.widget));
                QVERIFY2(button, r.widget);
                const QRect onScreen(button->mapTo(w.get(), QPoint(0, 0)), button->size());
                QVERIFY2(onScreen.contains(QPoint(r.x1 + 1, r.y1 + 1)) && onScreen.contains(QPoint(r.x2 - 1, r.y2 - 1)),
                         r.widget);
                QSignalSpy spy(button, &QPushButton::clicked);
                touchAt(*w, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
                QCOMPARE(spy.count(), 1);
                w->on_menu_clicked(); // the entry may have opened its screen
                ++regions;
            }
        }
        QVERIFY(regions > 0);
    }

    void scrollTable()
    {
        // Diagnosis list: track 235..440, page 4, handle 30 px.
        QCOMPARE(nav::scrollTrackDelta(235, 440, 400, 0, 20, 4), 4);   // below the handle at the top
        QCOMPARE(nav::scrollTrackDelta(235, 440, 250, 0, 20, 4), 0);   // on the handle
        QCOMPARE(nav::scrollTrackDelta(235, 440, 240, 12, 20, 4), -4); // above the handle
        QCOMPARE(nav::scrollTrackDelta(235, 440, 400, 0, 3, 4), 0);    // fewer rows than a page

        auto w = makeWindow();
        auto* t = w->W<QTableWidget>("t_diagnosis");
        t->setRowCount(10);
        w->diagnosis->Total_Table_Row_DDS = 10;
        w->diagnosis->Table_updown_DDS = 8;
        w->scroll_Table_logic(5, 4);
        QCOMPARE(w->diagnosis->Table_updown_DDS, 9);
        w->scroll_Table_logic(5, -40);
        QCOMPARE(w->diagnosis->Table_updown_DDS, 0);
        w->scroll_Table_logic(9, 4); // unknown table: nothing
        QCOMPARE(w->diagnosis->Table_updown_DDS, 0);
        // A touch on the diagnosis list's track below the handle pages down.
        w->grpbox_setvisible();
        showGroup(*w, "Gdiagnostics");
        w->screen_id = screen::DiagnosisList;
        touchAt(*w, 975, 430);
        QCOMPARE(w->diagnosis->Table_updown_DDS, 4);
    }

    void onScreenKeyboard()
    {
        auto w = makeWindow();
        w->keyboard->keypad_open(true);
        QVERIFY(w->isShown("keypad_groupbox"));
        touchAt(*w, 97, 530);  // A
        touchAt(*w, 167, 530); // B
        touchAt(*w, 607, 530); // 1
        QCOMPARE(w->W<QLabel>("keypad_textlabel")->text(), QString("AB1"));
        touchAt(*w, 480, 725); // clear
        QCOMPARE(w->keyboard->Keypad_Text, QString("AB"));
        w->keyboard->keypad_postion_function(true); // at the top the keys move with the group
        touchAt(*w, 97, 530 - 443);
        QCOMPARE(w->keyboard->Keypad_Text, QString("ABA"));
        // SUBMIT gives the text to whoever opened the keyboard, and closes it.
        int stage = 0;
        QString text;
        w->keyboard->submit_clicked(); // opened without a receiver: the text goes nowhere
        QVERIFY(!w->isShown("keypad_groupbox"));
        w->openKeyboard(3, [&](int s, const QString& t) { stage = s, text = t; });
        QVERIFY(w->keyboard->Keypad_Text.isEmpty());
        w->keyboard->KeyPad_Write("X7");
        w->keyboard->submit_clicked();
        QCOMPARE(stage, 3);
        QCOMPARE(text, QString("X7"));
        QVERIFY(!w->isShown("keypad_groupbox"));
        // The signal search's keyboard writes the search's own label.
        auto* sig = w->W<QLabel>("signal_textlabel");
        QVERIFY(sig && w->invokeSlot("on_rewrite_button_clicked"));
        QCOMPARE(w->keyboard->Keypad_Stage, 7);
        w->keyboard->KeyPad_Write("ABA");
        w->keyboard->submit_clicked();
        QCOMPARE(sig->text(), QString("ABA"));
    }

    // Error, information and confirmation: header, buttons, and OK back to the covered screen.
    void messageBoxKinds()
    {
        // clang-format off
        const struct { int kind; const char *header, *ok; bool yesNo; } rows[] = {
            {1, "ERROR", "OK", false}, {2, "INFORMATION", "OK", false}, {3, "CONFIRMATION", "YES", true}};
        // clang-format on
        auto w = makeWindow();
        for (const auto& r : rows) {
            w->screen_id = screen::Telegram;
            w->messageBox->Dialog_Box("No Details Found", r.kind);
            QCOMPARE(w->screen_id, screen::MessageBox);
            QVERIFY(w->isShown("Gmessage") && w->isShown("Gpassword_blur"));
            QCOMPARE(w->W<QLabel>("err_header")->text(), QString(r.header));
            QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("No Details Found"));
            QCOMPARE(w->W<QPushButton>("ok")->text(), QString(r.ok));
            QCOMPARE(w->isShown("no"), r.yesNo);
            w->messageBox->on_ok_clicked();
            QCOMPARE(w->screen_id, screen::Telegram);
            QVERIFY(!w->isShown("Gmessage") && !w->isShown("Gpassword_blur"));
        }
    }

    void messageBoxByKeysAndTouch()
    {
        auto w = makeWindow();
        w->screen_id = screen::Freshness;
        w->messageBox->Dialog_Box("Select any processor", 1);
        press(*w, "10"); // Enter on the OK-only form
        QCOMPARE(w->screen_id, screen::Freshness);
        QVERIFY(!w->isShown("Gmessage"));

        w->messageBox->Dialog_Box("Do you want to calibrate", 3);
        QCOMPARE(w->W("no")->styleSheet(), Key_submenu_border_Style); // a question opens on NO
        press(*w, "10");                                              // NO
        QCOMPARE(w->screen_id, screen::DduConfigure);
        QVERIFY(!w->isShown("Gmessage"));

        w->screen_id = screen::Variables;
        w->messageBox->Dialog_Box("Question", 3);
        touchAt(*w, 560, 460); // no
        QCOMPARE(w->screen_id, screen::DduConfigure);
        w->screen_id = screen::Variables;
        w->messageBox->Dialog_Box("Question", 3);
        touchAt(*w, 450, 460); // yes
        QCOMPARE(w->screen_id, screen::Variables);
        w->messageBox->Dialog_Box("Info", 2);
        touchAt(*w, 450, 460); // where YES was: nothing in the OK-only form
        QVERIFY(w->isShown("Gmessage"));
        touchAt(*w, 500, 460);
        QVERIFY(!w->isShown("Gmessage"));
    }

    void confirmedActionHandOver()
    {
        auto w = makeWindow();
        int saved = 0;
        w->screen_id = screen::SaveFile;
        w->messageBox->Dialog_Confirm("Do you really want to replace the \n existing signals?", [&] {
            ++saved;
            return QString();
        });
        w->messageBox->on_ok_clicked();
        QCOMPARE(saved, 1);
        QVERIFY(w->isShown("Gmessage"));
        QCOMPARE(w->W<QLabel>("err_header")->text() + ": " + w->W<QLabel>("err_txt")->text(),
                 QString("INFORMATION: File Saved"));
        w->messageBox->on_ok_clicked();
        QCOMPARE(saved, 1);
        QCOMPARE(w->screen_id, screen::SaveFile);

        // An action that fails says what failed; "File Saved" is not shown.
        w->messageBox->Dialog_Confirm("Replace?", [&] { return w->fileNotSavedText(QStringLiteral("disk full")); });
        w->messageBox->on_ok_clicked();
        QCOMPARE(w->W<QLabel>("err_header")->text() + ": " + w->W<QLabel>("err_txt")->text(),
                 QString("ERROR: File not saved: disk full"));
        w->messageBox->on_ok_clicked();

        // NO drops the action (a later question answered YES does not run it)
        // and returns to the screen the question covered.
        w->messageBox->Dialog_Confirm("Replace?", [&] {
            ++saved;
            return QString();
        });
        w->messageBox->on_no_clicked();
        QCOMPARE(w->screen_id, screen::SaveFile);
        w->messageBox->Dialog_Box("Do you want to calibrate", 3);
        w->messageBox->on_ok_clicked();
        QCOMPARE(saved, 1);
        QVERIFY(!w->isShown("Gmessage"));
    }

    void calibrationRestart()
    {
        auto w = makeWindow();
        const QString log = qEnvironmentVariable("DDU_SHELL_LOG");
        QFile::remove(log);
        w->messageBox->state.pending.masterslave_flag = 1;
        w->screen_id = screen::Calibration;
        w->messageBox->Dialog_Box("Do you want to calibrate", 3);
        w->messageBox->on_ok_clicked();
        QCOMPARE(w->messageBox->state.pending.masterslave_flag, 2);
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("Calibration screen will appear after system restart"));
        w->messageBox->on_ok_clicked();
        QCOMPARE(w->messageBox->state.pending.masterslave_flag, 0);
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll().contains("reboot"));
        // NO cancels a pending calibration.
        w->messageBox->state.pending.masterslave_flag = 1;
        w->messageBox->Dialog_Box("Do you want to calibrate", 3);
        w->messageBox->on_no_clicked();
        QCOMPARE(w->messageBox->state.pending.masterslave_flag, 0);
    }

    // Every box that waits for something, left by every way out other than
    // its answer (HOME and MENU keys, each top-bar button, the subsystem
    // strip): its pending step goes with it, and the next, unrelated OK
    // closes its own box and does nothing else (no reboot, no stale save, no
    // jump to the diagnosis choice, no second box).
    void dialogStateDiesWithItsDialog_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("exit");
        const char* const boxes[] = {"calibrate question", "restart notice", "confirmed save", "no DDS found"};
        const char* const exits[] = {"HOME key",        "MENU key",          "top bar HOME",        "top bar MENU",
                                     "top bar PROCESS", "top bar DIAGNOSIS", "top bar MAINTENANCE", "subsystem strip"};
        for (const char* box : boxes)
            for (const char* exit : exits)
                QTest::newRow(qPrintable(QStringLiteral("%1 / %2").arg(QLatin1String(box), QLatin1String(exit))))
                    << QString::fromLatin1(box) << QString::fromLatin1(exit);
    }

    void dialogStateDiesWithItsDialog()
    {
        QFETCH(QString, box);
        QFETCH(QString, exit);
        auto w = makeWindow();
        QFile::remove(qEnvironmentVariable("DDU_SHELL_LOG"));

        int saved = 0;
        w->configScreen->on_ddulogging_clicked(); // "DDU Configure": the screen the questions come from
        if (box == QLatin1String("calibrate question")) {
            w->messageBox->Dialog_Box("Do you want to calibrate", 3);
            w->messageBox->state.pending.masterslave_flag = 1;
        } else if (box == QLatin1String("restart notice")) {
            w->messageBox->Dialog_Box("DDU will restart now!", 2);
            w->messageBox->state.pending.masterslave_flag = 2;
        } else if (box == QLatin1String("confirmed save")) {
            w->messageBox->Dialog_Confirm("Do you really want to replace the \n existing signals?", [&saved] {
                ++saved;
                return QString();
            });
        } else {
            w->messageBox->Dialog_Box("No DDS Found", 1);
            w->messageBox->state.pending.diag_flag = 1;
        }
        QVERIFY(w->isShown("Gmessage") && !w->messageBox->state.pending.empty());

        if (exit == QLatin1String("HOME key"))
            press(*w, "02");
        else if (exit == QLatin1String("MENU key"))
            press(*w, "03");
        else if (exit == QLatin1String("top bar HOME"))
            touchAt(*w, 100, 30);
        else if (exit == QLatin1String("top bar MENU"))
            touchAt(*w, 300, 30);
        else if (exit == QLatin1String("top bar PROCESS"))
            touchAt(*w, 500, 30);
        else if (exit == QLatin1String("top bar DIAGNOSIS"))
            touchAt(*w, 700, 30);
        else if (exit == QLatin1String("top bar MAINTENANCE")) {
            touchAt(*w, 900, 30); // the pad opens over the box; the code opens the menu
            QVERIFY(w->isShown("Gpassword"));
            for (const QPoint key : {QPoint(400, 400), QPoint(515, 570), QPoint(515, 310), QPoint(630, 400)})
                touchAt(*w, key.x(), key.y()); // 4, 0, 2, 6
            touchAt(*w, 630, 570);             // OK
            QCOMPARE(w->screen_id, screen::MaintenanceMenu);
        } else {
            touchAt(*w, 500, 650); // the subsystem strip
            QVERIFY(w->isShown("t_subsystem"));
            // The grid opened over the box is live: its cells are served.
            QVERIFY(w->screen_id >= screen::Home && w->screen_id <= screen::Dds);
        }
        QVERIFY2(!w->isShown("Gmessage"), "the way out left the box open");
        QVERIFY(w->messageBox->state.pending.empty());

        const screen::Id behind = w->screen_id;
        w->messageBox->Dialog_Box("Invalid Date", 1);
        w->messageBox->on_ok_clicked();
        QVERIFY2(!w->isShown("Gmessage"), "a second box followed the unrelated OK");
        QCOMPARE(w->screen_id, behind);
        QCOMPARE(saved, 0);
        QVERIFY(!shellLogHolds("reboot"));
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("Invalid Date"));
    }

    // The box's state on its own: hiding the box by any path drops what it
    // waited for and tells the window; take() hands it over once.
    void messageBoxStateGoesWithTheBox()
    {
        QWidget parent;
        auto* box = new QWidget(&parent);
        ui::MessageBoxState state;
        int gone = 0;
        state.onGone = [&gone] { ++gone; };
        state.watch(box);
        box->show();
        state.pending.masterslave_flag = 2;
        state.pending.action = [] { return QString(); };
        box->hide();
        QVERIFY(state.pending.empty());
        QCOMPARE(gone, 1);
        box->hide(); // already hidden: nothing more
        QCOMPARE(gone, 1);

        box->show();
        state.pending.diag_flag = 1;
        const ui::DialogPending taken = state.take();
        QCOMPARE(taken.diag_flag, 1);
        QVERIFY(state.pending.empty());
    }

    // Every slot a screen class owns is wired to its widget, and the key and
    // touch tables reach it by name through the window.
    void screenSlotsWired()
    {
        auto w = makeWindow();
        QVERIFY(!w->screens().empty());
        // Every screen the window made is one it routes to and refreshes.
        QCOMPARE(size_t(w->findChildren<ui::Screen*>(QString(), Qt::FindDirectChildrenOnly).size()),
                 w->screens().size());
        for (const ui::Screen* s : w->screens())
            QVERIFY2(s->unwiredSlots().isEmpty(),
                     qPrintable(QLatin1String(s->name()) + QStringLiteral(": ") + s->unwiredSlots().join(' ')));
        QCOMPARE(w->slotOwner("on_pendrive1_clicked()"), static_cast<QObject*>(w->softwareUpdate));
        QCOMPARE(w->slotOwner("on_ok_clicked()"), static_cast<QObject*>(w->messageBox));
        QCOMPARE(w->slotOwner("on_home_clicked()"), static_cast<QObject*>(w.get()));
        QVERIFY(!w->slotOwner("on_nothing_clicked()"));
        QVERIFY(!w->invokeSlot("on_nothing_clicked"));
    }

    // ESC is not an answer: the box stays up with its question, and its own
    // answer still does what it asked.
    void escapeKeepsTheBoxAndItsQuestion()
    {
        auto w = makeWindow();
        int saved = 0;
        w->screen_id = screen::SaveFile;
        w->messageBox->Dialog_Confirm("Replace?", [&saved] {
            ++saved;
            return QString();
        });
        press(*w, "01");
        QVERIFY(w->isShown("Gmessage"));
        QCOMPARE(w->messageBox->state.pending.confirm_flag, 1);
        w->messageBox->on_ok_clicked();
        QCOMPARE(saved, 1);
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("File Saved"));
    }

    // Restart and Exit Application ask first; ENTER twice (the way a
    // driver walks into them) answers NO, and NO leaves the unit running.
    void destructiveActionsAskFirst()
    {
        auto w = makeWindow();
        QFile::remove(qEnvironmentVariable("DDU_SHELL_LOG"));
        const auto enter = [&w] {
            w->keys.Keyboard_Enter_Pressed = true;
            w->Key_Pressed_Function();
        };
        w->configScreen->on_ddudisplay_clicked();
        QCOMPARE(w->screen_id, screen::DduDisplay);
        // The screen opens with the focus on its menu entry: ENTER, ENTER
        // restarts nothing.
        QCOMPARE(w->W<QAbstractButton>("restart_button")->styleSheet(), Key_submenu_Style);
        enter();
        enter();
        QVERIFY(!w->isShown("Gmessage") && !shellLogHolds("reboot"));
        QCOMPARE(w->screen_id, screen::DduDisplay);
        for (const char* button : {"restart_button", "exit_app"}) {
            w->W<QAbstractButton>(QLatin1String(button))->click();
            QVERIFY2(w->isShown("Gmessage"), button);
            QCOMPARE(w->W<QLabel>("err_header")->text(), QStringLiteral("CONFIRMATION"));
            QCOMPARE(w->W<QPushButton>("no")->styleSheet(), Key_submenu_border_Style); // NO focused
            enter();
            QVERIFY2(!w->isShown("Gmessage"), button);
            QVERIFY(!shellLogHolds("reboot"));
            QCOMPARE(w->screen_id, screen::DduDisplay);
        }
        // YES restarts: the command goes to the runner.
        w->W<QAbstractButton>("restart_button")->click();
        w->messageBox->on_ok_clicked();
        QVERIFY(shellLogHolds("reboot"));
        QVERIFY(!w->isShown("Gmessage")); // no "File Saved" for a restart
        // The signal set's overwrite question: NO is the default too.
        int saved = 0;
        w->messageBox->Dialog_Confirm("Do you really want to replace the \n existing signals?", [&] {
            ++saved;
            return QString();
        });
        enter();
        QCOMPARE(saved, 0);
    }

    // The subsystem strip at the bottom opens the grid from the menu screens
    // too, and that grid takes touches there as it does from home.
    void subsystemGridFromTheStripIsLive()
    {
        auto w = makeWindow();
        w->on_menu_clicked();
        QCOMPARE(w->screen_id, screen::MainMenu);
        QVERIFY(w->isShown("homesub_table"));
        touchAt(*w, 400, 600); // the strip
        QVERIFY(w->isShown("t_subsystem"));
        touchAt(*w, 170, 170); // the grid's first cell: its message list
        QVERIFY(w->isShown("t_browseloco") || w->isShown("Gmessage"));
    }

    // A message over the grid takes the touches inside it: its OK closes the
    // box and opens no cell under it; a touch beside its buttons does nothing.
    void messageBoxOwnsItsTouches()
    {
        auto w = makeWindow();
        touchAt(*w, 400, 600); // the strip: the grid over the home screen
        QVERIFY(w->isShown("t_subsystem"));
        const screen::Id grid = w->screen_id;
        w->messageBox->Dialog_Box(QStringLiteral("No Details Found"), 2);
        touchAt(*w, 300, 300); // inside the box, on a grid cell, beside the buttons
        QVERIFY(w->isShown("Gmessage") && w->isShown("t_subsystem"));
        QCOMPARE(w->screen_id, screen::MessageBox);
        touchAt(*w, 505, 460); // OK, over a grid cell
        QVERIFY(!w->isShown("Gmessage"));
        QVERIFY(w->isShown("t_subsystem") && !w->isShown("t_browseloco"));
        QCOMPARE(w->screen_id, grid);
    }

    void cellWriter()
    {
        auto w = makeWindow();
        w->XML_Insert_Data(12, 1, 1, 5, "42"); // row 12 of the list: second table, row 2
        QTableWidgetItem* item = w->W<QTableWidget>("t_mvbvarsel2")->item(2, 1);
        QCOMPARE(item ? item->text() : QString(), QString("42"));
        w->XML_Insert_Data(3, 0, 0, 5, "name");
        QCOMPARE(w->W<QTableWidget>("t_mvbvarsel1")->item(3, 0)->text(), QString("name"));

        auto* fresh = w->W<QTableWidget>("tmvbfreshness");
        fresh->setRowCount(2);
        w->XML_Insert_Data(0, 0, 3, 1, "x"); // format outside the table's list
        w->XML_Insert_Data(0, 0, 2, 7, "x"); // table code 7
        QVERIFY(!fresh->item(0, 0));
        w->XML_Insert_Data(0, 2, 2, 1, "9999");
        QCOMPARE(fresh->item(0, 2)->text(), QString("9999"));
        QCOMPARE(fresh->item(0, 2)->background().color(), QColor(0, 0, 0));
        w->XML_Insert_Data(5, 0, 0, 3, "out of range"); // no such row: nothing, no crash
    }

    // The monitored variables fill as many rows as there are variables.
    void monitoredVariableRows()
    {
        auto w = at("Gmaint_footer");
        showGroup(*w, "Gmaint_mvbvarsel");
        w->maintState->viewer.DDU_Micview_Data_Count = 12;
        w->guiupdate_fun();
        QVERIFY(w->W<QTableWidget>("t_mvbvarsel1")->item(9, 1));
        QVERIFY(w->W<QTableWidget>("t_mvbvarsel2")->item(1, 1));
        QVERIFY(!w->W<QTableWidget>("t_mvbvarsel2")->item(2, 1));
    }

    void maintenanceRelock()
    {
        auto w = makeWindow();
        w->DDU_Maintenance_Password_lock = false;
        w->grpbox_setvisible();
        for (int i = 0; i < 1500; ++i)
            w->guiupdate_fun();
        showGroup(*w, "Gmaint_footer"); // a tick with the maintenance screens shown starts the count again
        w->guiupdate_fun();
        QCOMPARE(w->timer_increment, 0);
        w->grpbox_setvisible();
        for (int i = 0; i < 2000; ++i)
            w->guiupdate_fun();
        QVERIFY(!w->DDU_Maintenance_Password_lock);
        w->guiupdate_fun();
        QVERIFY(w->DDU_Maintenance_Password_lock);
        QCOMPARE(w->timer_increment, 0);
    }

    void brightnessPanelCloses()
    {
        auto w = makeWindow();
        showGroup(*w, "G_brightness");
        w->brightness.Brightness_Panel_Enable = true;
        for (int i = 0; i < 5; ++i)
            w->guiupdate_fun();
        QVERIFY(w->isShown("G_brightness"));
        w->guiupdate_fun();
        QVERIFY(!w->isShown("G_brightness") && !w->brightness.Brightness_Panel_Enable);
        press(*w, "3M"); // a keypad brightness report re-arms it; the tick handles the flag
        QVERIFY(w->brightness.Brightness_Panel_Enable && !w->keys.Keyboard_Pixy_Brightness_Pressed);
    }

    // One place on every screen says why the values are not the vehicle's:
    // the link lost (since when), or the demo running; nothing while live.
    void statusBannerSaysWhy()
    {
        auto w = makeWindow();
        QLabel* banner = w->W<QLabel>(QStringLiteral("mvb_status_banner"));
        QVERIFY(banner);
        w->guiupdate_fun(); // nothing read yet: every port stale
        QVERIFY(banner->isVisible());
        QVERIFY(banner->text().startsWith(QStringLiteral("NO MVB DATA since ")));
        const QString since = banner->text();
        press(*w, "03"); // MENU: a screen over the home screen
        QVERIFY(w->isShown(QStringLiteral("menu_screen")));
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->parentWidget()->children().constLast(), banner); // on top of it
        QCOMPARE(banner->text(), since);                                  // the time it was first seen
        w->keyboard->keypad_open(true); // the on-screen keyboard stays above it: its lowest keys lie there
        w->guiupdate_fun();
        const QObjectList& order = banner->parentWidget()->children();
        QCOMPARE(order.constLast(), w->W(QStringLiteral("keypad_groupbox")));
        QCOMPARE(order.at(order.size() - 2), banner);
        w->W(QStringLiteral("keypad_groupbox"))->hide();

        SignalStore live = w->snap;
        live.freshness_3110 = 100; // one port of the vehicle read: data again
        live.pass_count += 1;
        w->exchange.publish(live);
        w->guiupdate_fun();
        QVERIFY(!banner->isVisible());

        live.simulated = true;
        live.pass_count += 1;
        w->exchange.publish(live);
        w->guiupdate_fun();
        QVERIFY(banner->isVisible());
        QVERIFY(banner->text().startsWith(QStringLiteral("DEMO MODE")));
        QVERIFY(banner->styleSheet().contains(QStringLiteral("rgb(230, 172, 0)")));
    }

    void screenshotOption()
    {
        const QString bin = qEnvironmentVariable("DDU_BIN_DIR") + QStringLiteral("/ddu");
        if (!QFile::exists(bin))
            QSKIP("ddu program not built");
        const QString png = m_root.filePath("shot.png");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        // A program on trial that ends on request says so for the
        // service's guard (not a failed try).
        const platform::TrialFiles trial{m_root.path()};
        QVERIFY(platform::startTrial(trial, "1.0", "1.1", QDateTime::currentDateTime()));
        p.start(bin, {"--no-mvb", "--screenshot", png, "--quit-after", "300"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QImage(png).size(), QSize(1024, 768));
        QFile t(trial.trial());
        QVERIFY(t.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = t.readAll().split('\n');
        QVERIFY(lines.contains("stop=requested"));
        QVERIFY(lines.contains("to=1.1"));
        QVERIFY(platform::endTrial(trial));
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
