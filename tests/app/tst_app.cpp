// The display program's window: start-up order, screen model, key and touch
// navigation over the focus maps and touch regions, message box, cell writer,
// on-screen keyboard and the screenshot option.
//
// The window is built with the bus side off (or with no controller present)
// and with keypad and touch devices that do not exist; decoder input is fed
// straight into the decoders and the ticks are called directly.

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "acquisition/mvb_thread.h"
#include "app/mainwindow.h"
#include "diagnostics/pixy_thread.h"
#include <QSerialPort>
#include "app/resources.h"
#include "input/navigation.h"

namespace {

QByteArray keyFrame(const char* code)
{
    return QByteArray("$,") + code + ",";
}

// Touch frame for screen point (x, y): inverse of x = raw / 1.9375,
// y = (2047 - raw) * 0.375, rounded so that the forward mapping gives (x, y).
QByteArray touchFrame(int x, int y)
{
    int rawX = int(x * 1.9375);
    while (int(rawX / 1.9375) < x)
        ++rawX;
    int rawY = 2047 - int(y / 0.375);
    while (int((2047 - rawY) * 0.375) > y)
        ++rawY;
    while (int((2047 - rawY) * 0.375) < y)
        --rawY;
    QByteArray f;
    f.append(char(0xA1));
    f.append(char((rawX >> 7) & 0x7F));
    f.append(char(rawX & 0x7F));
    f.append(char((rawY >> 7) & 0x7F));
    f.append(char(rawY & 0x7F));
    f.append(char(0x41));
    return f;
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT

    QTemporaryDir root_;

    std::unique_ptr<MainWindow> makeWindow(bool noMvb = true)
    {
        StartOptions o;
        o.noMvb = noMvb;
        auto w = std::make_unique<MainWindow>(nullptr, o);
        w->timer1->stop(); // the tests drive the ticks themselves
        w->timer2->stop();
        w->keyClicksAnimated = false;
        w->show();
        return w;
    }

    static void press(MainWindow& w, const char* code)
    {
        w.feedKeypad(keyFrame(code));
        w.guiupdate_fun();
    }

    static void touchAt(MainWindow& w, int x, int y)
    {
        w.touch.key_pressure = 0;
        w.Touch_Screen_Connect(x, y);
    }

    // The button of `name`, created inside `group` when the screen that owns it
    // is not built yet.
    static QPushButton* ensureButton(MainWindow& w, const QString& group, const QString& name)
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

    static QWidget* showGroup(MainWindow& w, const QString& name)
    {
        QWidget* g = w.W(name);
        if (g) {
            g->show();
            g->raise();
        }
        return g;
    }

    // Name of the control that carries a focus look of the given map.
    static QString focused(MainWindow& w, const nav::FocusMap& map)
    {
        for (const nav::FocusSlot& s : map.entries) {
            if (!s.widget)
                continue;
            const QString n = QString::fromStdString(nav::resolveWidget(s.widget, w.DDU_Maintenace_Selected_Processor));
            QWidget* wid = w.W(n);
            if (!wid)
                continue;
            const QString st = wid->styleSheet();
            if (st == Key_menu_border_Style || st == key_menu_border_select_Style || st == Key_submenu_border_Style
                || st == Key_submenu_select_border_Style || st == Key_submenu30_border_Style
                || st == Key_submenu30_select_border_Style || st == Key_menutab_border_Style
                || st == Key_menutab_select_border_Style || st == Menu_Processor_Radio_Style_Border
                || st == Password_Button_Style_Border)
                return n;
        }
        return QString();
    }

    static const nav::FocusMap* mapNamed(const char* name)
    {
        for (const nav::FocusMap& m : nav::focusMaps())
            if (qstrcmp(m.name, name) == 0)
                return &m;
        return nullptr;
    }

    // Builds the controls of a map that do not exist yet and shows its screen.
    static void prepareMap(MainWindow& w, const nav::FocusMap& map)
    {
        w.grpbox_setvisible();
        showGroup(w, QLatin1String(map.visible));
        if (map.alsoVisible) {
            if (!w.W(QLatin1String(map.alsoVisible))) {
                auto* t = new QTableWidget(w.W(QLatin1String(map.visible)));
                t->setObjectName(QLatin1String(map.alsoVisible));
            }
            w.W(QLatin1String(map.alsoVisible))->show();
        }
        for (const nav::FocusSlot& s : map.entries)
            if (s.widget)
                ensureButton(w, QLatin1String(map.visible),
                             QString::fromStdString(nav::resolveWidget(s.widget, w.DDU_Maintenace_Selected_Processor)));
        w.Keyboard_Key_Global_Reset();
        w.Key_Pressed_Function();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(root_.isValid());
        qputenv("DDU_ROOT", root_.path().toLocal8Bit());
        qputenv("DDU_MVB_DEVICE", "/nonexistent/ttyMVB");
        qputenv("DDU_KEYPAD_DEVICE", "/nonexistent/ttyKEY");
        qputenv("DDU_TOUCH_DEVICE", "/nonexistent/ttyTOUCH");
        if (qEnvironmentVariableIsEmpty("DDU_SHELL_LOG"))
            qputenv("DDU_SHELL_LOG", root_.filePath(QStringLiteral("shell.log")).toLocal8Bit());
    }

    // ------------------------------------------------------------ start-up

    void startupOrderWithoutBus()
    {
        auto w = makeWindow(true);
        const QStringList expected = {"setupUi", "read_DDUlogin_file", "form_load", "serial_init", "img_load",
                                      "Read_Port_Data_BUFFER", "DDU_Config_Setup", "Keypad_connect_function"};
        QCOMPARE(w->startupTrace, expected);
        QCOMPARE(w->exchange.requests.MVB_SW_Enable.load(), 0);
        QCOMPARE(w->exchange.requests.MVB_HW_Enable.load(), -1);
        QCOMPARE(w->screen_id, 1);
        QCOMPARE(w->we_are_in_home, 1);
        QCOMPARE(w->key_press_count, 0);
        QCOMPARE(w->screen_toggle, 0);
        QCOMPARE(w->exchange.requests.Selected_SR_Type.load(), 3);
        QCOMPARE(w->exchange.requests.Selected_VCU_Type.load(), 3);
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w->size(), QSize(1024, 768));
        QVERIFY(!w->COM4->isOpen());
        QVERIFY(!w->COM5->isOpen());
        QVERIFY(!w->isShown("screen_toggle"));
        QVERIFY(!w->isShown("Gmainwindow_ddu"));
        QVERIFY(!w->isShown("lang_icon"));
        QVERIFY(!w->isShown("loco_diag_2"));
        QCOMPARE(w->W("home")->styleSheet(), key_menu_border_select_Style);
        QCOMPARE(w->led_red, QColor(135, 5, 5));
        QVERIFY(w->mvbThread->isRunning());
        QVERIFY(w->pixyThread->isRunning());
    }

    void startupBringsUpAbsentController()
    {
        auto w = makeWindow(false);
        const int mvb = w->startupTrace.indexOf("mvb_activate");
        QVERIFY(mvb > w->startupTrace.indexOf("Read_Port_Data_BUFFER"));
        QVERIFY(mvb < w->startupTrace.indexOf("DDU_Config_Setup"));
        QCOMPARE(w->exchange.requests.MVB_SW_Enable.load(), 1);
        QCOMPARE(w->exchange.requests.MVB_HW_Enable.load(), -1); // no controller answered
    }

    void configurationFileIsRead()
    {
        QDir(root_.path()).mkpath("file/master");
        QFile f(root_.filePath("file/master/DDU.xml"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Table><Loco_Details><VCU>1</VCU><SR>2</SR>"
                "<BUR>4</BUR><CAB>2</CAB><DDU>3</DDU><MVB>1</MVB></Loco_Details></Table>\n");
        f.close();
        auto w = makeWindow(true);
        QFile::remove(root_.filePath("file/master/DDU.xml"));
        QCOMPARE(w->exchange.requests.Selected_CAB_Type.load(), 2);
        QCOMPARE(w->Selected_DDU_Type, 3);
        QCOMPARE(w->Selected_BUR_Type, 4);
        QCOMPARE(w->Selected_MVB_Type, 1);
        // The start-up sets the converter and control types after reading.
        QCOMPARE(w->exchange.requests.Selected_SR_Type.load(), 3);
        QCOMPARE(w->exchange.requests.Selected_VCU_Type.load(), 3);
    }

    // ------------------------------------------------------------ screen model

    void everyScreenGroupExistsAndIsHidden()
    {
        auto w = makeWindow();
        const char* const groups[] = {
            "G_brightness", "Gmainwindow_ddu", "Gsub_system", "Gdiagnostics", "Gdiag_details", "Gpassword", "Gnode",
            "Gsimulation", "Gsoftware", "Gdatetime", "Gproinfo_menu", "Gmaint_riom_io", "Gmaint_riom_info",
            "Gmaint_ddulogin", "Gmaint_ddudisp", "GMVBFreshness", "Gmaint_mvbvariables", "Gmvbvar_loadsave",
            "Gmvbvar_filter", "Gmaint_mvbvarsel", "Gmaint_menu", "Gmaint_vcumenu", "Gmaint_footer", "Gpassword_blur",
            "GMVBTelegram", "Gfault", "Gfaultdriveradvice", "Ginfo", "Gmessage", "GmotorStatus", "Genergy", "Gmotor",
            "Ginching", "Gfilter_selection", "Gtelegram", "keypad_groupbox", "Gsignal_name", "G_DDSscreen",
            "G_softupdate", "Gpassword_blur_soft", "Gmenu_subsys", "Gmenu_hvcircuit", "Gmenu_tracconv",
            "Gmenu_auxconv", "Gmenu_tracmoto", "Gmenu_auxsys", "Gmenu_braksys", "Gmenu_enermoni", "Gmenu_temp",
            "Gmenu_pressure", "Gmenu_lang", "Gmenu_diagnosis", "Gmenu_drdetails", "Gmenu_future"};
        for (const char* g : groups) {
            QVERIFY2(qobject_cast<QGroupBox*>(w->W(QLatin1String(g))), g);
            showGroup(*w, QLatin1String(g));
        }
        for (const char* n : {"menu_screen", "menuscreen_back", "menuscreen_home", "menuscreen_header", "subsys_up",
                              "vmvbtele_scol"})
            showGroup(*w, QLatin1String(n));
        w->grpbox_setvisible();
        for (const char* g : groups)
            QVERIFY2(!w->isShown(QLatin1String(g)), g);
        for (const char* n : {"menu_screen", "menuscreen_back", "menuscreen_home", "menuscreen_header", "subsys_up",
                              "vmvbtele_scol"})
            QVERIFY2(!w->isShown(QLatin1String(n)), n);
        QCOMPARE(w->we_are_in_home, 0);
        QVERIFY(w->condition);
    }

    void screenChangeClearsPresentScreen()
    {
        auto w = makeWindow();
        showGroup(*w, "Gnode");
        w->guiupdate_fun();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 10);
        w->on_menu_clicked();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 0);
        showGroup(*w, "Ginching");
        w->guiupdate_fun();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 15);
        w->on_home_clicked();
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 0);
    }

    void faultButtonFollowsScreenChanges()
    {
        auto w = makeWindow();
        w->DDU_Loco_Fault_Present = true;
        w->on_menu_clicked();
        QVERIFY(w->isShown("fault_button"));
        QVERIFY(!w->W("screen_toggle")->isEnabled());
        w->DDU_Loco_Fault_Present = false;
        w->on_home_clicked();
        QVERIFY(!w->isShown("fault_button"));
        QVERIFY(w->W("screen_toggle")->isEnabled());
    }

    // ------------------------------------------------------------ keys

    void homeAndMenuKeysFromAnyScreen_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("screen");
        for (const char* g : {"Gnode", "GMVBTelegram", "Gfault", "Gpassword", "Gmenu_hvcircuit", "G_DDSscreen",
                              "Gmessage", "keypad_groupbox"}) {
            QTest::addRow("home over %s", g) << QString::fromLatin1(g) << QByteArray("02") << 1;
            QTest::addRow("menu over %s", g) << QString::fromLatin1(g) << QByteArray("03") << 3;
        }
    }

    void homeAndMenuKeysFromAnyScreen()
    {
        QFETCH(QString, group);
        QFETCH(QByteArray, code);
        QFETCH(int, screen);
        auto w = makeWindow();
        w->grpbox_setvisible();
        w->screen_id = 46;
        showGroup(*w, group);
        press(*w, code.constData());
        QCOMPARE(w->screen_id, screen);
        QVERIFY(!w->isShown(group));
        if (screen == 1) {
            QCOMPARE(w->we_are_in_home, 1);
            QCOMPARE(w->W("home")->styleSheet(), key_menu_border_select_Style);
        } else {
            QVERIFY(w->isShown("menu_screen"));
            QCOMPARE(focused(*w, *mapNamed("main_menu")), QString("sub_sys"));
        }
        QVERIFY(!w->keys.any());
    }

    void homeKeyInDduLayoutClosesOpenScreens()
    {
        auto w = makeWindow();
        w->screen_toggle = 1;
        showGroup(*w, "Gpassword");
        showGroup(*w, "Gpassword_blur");
        press(*w, "02");
        QVERIFY(w->isShown("Gmainwindow_ddu"));
        QVERIFY(!w->isShown("Gpassword"));
        QVERIFY(!w->isShown("Gpassword_blur"));
        QCOMPARE(w->W("Gmainwindow_ddu")->geometry(), QRect(0, 52, 1024, 716));
        // Keys now act on the home screen, not on the pad behind it.
        press(*w, "09");
        QCOMPARE(w->lastFocusMap(), QString("home"));
        QCOMPARE(w->key_press_count, 1);
    }

    void homeFocus_data()
    {
        QTest::addColumn<int>("ddutype");
        QTest::addColumn<int>("ups");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("expected");
        QTest::newRow("down 1") << 1 << 0 << 1 << "menu";
        QTest::newRow("down 4") << 1 << 0 << 4 << "maintenance";
        QTest::newRow("down 6 wraps") << 1 << 0 << 6 << "home";
        QTest::newRow("up 1 toggle") << 1 << 1 << 0 << "screen_toggle";
        QTest::newRow("type 3 up 1") << 3 << 1 << 0 << "maintenance";
        QTest::newRow("type 3 down 5 wraps") << 3 << 0 << 5 << "home";
    }

    void homeFocus()
    {
        QFETCH(int, ddutype);
        QFETCH(int, ups);
        QFETCH(int, downs);
        QFETCH(QString, expected);
        auto w = makeWindow();
        w->Selected_DDU_Type = ddutype;
        for (int i = 0; i < ups; ++i)
            press(*w, "08");
        for (int i = 0; i < downs; ++i)
            press(*w, "09");
        QCOMPARE(focused(*w, nav::homeFocusMap()), expected);
        // The home button keeps its orange section look when not focused.
        if (expected != "home")
            QCOMPARE(w->W("home")->styleSheet(), key_menu_select_Style);
        QSignalSpy spy(w->W<QPushButton>(expected), &QPushButton::clicked);
        press(*w, "10");
        QCOMPARE(spy.count(), 1);
    }

    void twoFramesInOneTickMoveOnce()
    {
        auto w = makeWindow();
        w->feedKeypad(keyFrame("09") + keyFrame("09"));
        w->guiupdate_fun();
        QCOMPARE(w->key_press_count, 1);
    }

    void mainMenuFocusWraps()
    {
        auto w = makeWindow();
        press(*w, "03");
        const nav::FocusMap& m = *mapNamed("main_menu");
        QCOMPARE(focused(*w, m), QString("sub_sys"));
        press(*w, "08"); // Up from 0 wraps to the last entry
        QCOMPARE(focused(*w, m), QString("lang"));
        press(*w, "09"); // Down from the last wraps to 0
        QCOMPARE(focused(*w, m), QString("sub_sys"));
        for (int i = 0; i < 10; ++i)
            press(*w, "09");
        QCOMPARE(focused(*w, m), QString("diagnosis"));
    }

    void escMovesOutwardOnMainMenu()
    {
        auto w = makeWindow();
        press(*w, "03");
        press(*w, "01");
        QCOMPARE(w->key_press_count, 12);
        QCOMPARE(w->key_menu_no, 2);
        QCOMPARE(focused(*w, *mapNamed("main_menu")), QString("home"));
        // The menu button keeps its orange section look.
        QCOMPARE(w->W("menu")->styleSheet(), key_menu_select_Style);
        for (int i = 0; i < 5; ++i)
            press(*w, "09");
        QCOMPARE(w->key_press_count, 12); // wraps inside the top bar
        press(*w, "08");
        QCOMPARE(w->key_press_count, 16);
        QCOMPARE(focused(*w, *mapNamed("main_menu")), QString("maintenance"));
        press(*w, "01"); // no third group: stays
        QCOMPARE(w->key_press_count, 16);
    }

    void mainMenuRemembersEntryAcrossSubscreen()
    {
        auto w = makeWindow();
        press(*w, "03");
        for (int i = 0; i < 3; ++i)
            press(*w, "09");
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
        QCOMPARE(w->screen_id, 3);
        QCOMPARE(focused(*w, *mapNamed("main_menu")), QString("aux_conv"));
    }

    // Pressing Down n times from the start focus of a screen lands on the
    // control of the focus map; Enter clicks it.
    void focusMaps_data()
    {
        QTest::addColumn<QString>("map");
        QTest::addColumn<int>("downs");
        QTest::addColumn<int>("escs");
        QTest::addColumn<QString>("expected");
        struct Row {
            const char* map;
            int escs;
            int downs;
            const char* expected;
        };
        static const Row rows[] = {
            {"main_menu", 0, 0, "sub_sys"},          {"main_menu", 0, 11, "lang"},
            {"main_menu", 1, 4, "maintenance"},      {"diagnosis_choice", 0, 1, "r_flg1"},
            {"diagnosis_choice", 0, 21, "r_zbv1"},   {"diagnosis_choice", 0, 22, "b_menudiag_ok"},
            {"diagnosis_choice", 0, 23, "r_flg1"},   {"diagnosis_list", 0, 5, "diag_bottom"},
            {"diagnosis_list", 0, 6, "diag_details"}, {"diagnosis_list", 1, 2, "menu"},
            {"diagnosis_details", 0, 3, "diag_detailsback"}, {"diagnosis_details", 0, 4, "diag_detailsymp"},
            {"language", 0, 1, "hin_lang"},          {"language", 0, 2, "eng_lang"},
            {"node", 0, 1, "energy"},                {"node", 0, 7, "motor_status"},
            {"node", 0, 8, "energy"},                {"node", 1, 0, "home"},
            {"energy", 0, 6, "node"},                {"simulation", 0, 1, "motortemp"},
            {"motortemp", 0, 7, "motor_status"},     {"motortemp", 1, 4, "maintenance"},
            {"motor_status", 0, 7, "motortemp"},     {"software", 0, 1, "inching"},
            {"inching", 0, 0, "inching"},            {"inching", 0, 8, "inching"},
            {"datetime", 0, 5, "set_datetime"},      {"datetime", 0, 6, "datetime_up"},
            {"datetime", 1, 1, "node"},              {"datetime", 1, 7, "motor_status"},
            {"datetime", 2, 0, "home"},              {"datetime", 2, 4, "maintenance"},
            {"dds", 0, 3, "b_ddsdown_btm"},          {"dds", 1, 0, "home"},
            {"dds", 1, 3, "diagnostic_process"},     {"ddu_display", 0, 3, "off_button"},
            {"ddu_display", 1, 0, "ddudisplay"},     {"ddu_display", 1, 6, "ddulogging"},
            {"ddu_display", 2, 0, "home"},           {"ddu_configure", 0, 2, "cab_button"},
            {"ddu_configure", 1, 0, "ddulogging"},   {"ddu_configure", 2, 4, "maintenance"},
            {"mvb_telegram", 0, 6, "bmvbtele_word"}, {"mvb_telegram", 1, 6, "ddulogging"},
            {"mvb_freshness", 0, 4, "bmvbfreh_reset"}, {"mvb_freshness", 1, 0, "mvbfreshness"},
            {"mvb_variables", 0, 8, "mvbvar_display"}, {"mvb_variables", 1, 6, "mvbfreshness"},
            {"mvb_variables", 2, 1, "menu"},         {"mvbvar_loadsave", 0, 6, "mvbvar_cancel"},
            {"filter_selection", 0, 2, "signalname_filter"}, {"processor_filter", 0, 1, "filter_cancel"},
            {"telegram_filter", 0, 6, "tele_bottom"}, {"signal_search", 0, 1, "Search_button"},
            {"processor_io", 0, 1, "ddu_proc_prev_slot"}, {"processor_io", 1, 0, "ddu_flg1"},
            {"processor_io", 1, 9, "loco"},          {"processor_io", 2, 0, "home"},
            {"softupdate", 0, 4, "softw_cancel"},    {"softupdate", 0, 5, "pendrive1"},
            {"subsys_browse", 0, 1, "subsys_back"},  {"subsys_browse", 0, 4, "subsys_bottom"},
            {"subsys_browse", 1, 3, "maintenance"},
        };
        for (const Row& r : rows)
            QTest::addRow("%s esc%d down%d", r.map, r.escs, r.downs)
                << QString::fromLatin1(r.map) << r.downs << r.escs << QString::fromLatin1(r.expected);
    }

    void focusMaps()
    {
        QFETCH(QString, map);
        QFETCH(int, downs);
        QFETCH(int, escs);
        QFETCH(QString, expected);
        auto w = makeWindow();
        const nav::FocusMap* m = mapNamed(map.toLatin1().constData());
        QVERIFY(m);
        if (map == "main_menu")
            w->on_menu_clicked();
        else
            prepareMap(*w, *m);
        for (int i = 0; i < escs; ++i)
            press(*w, "01");
        for (int i = 0; i < downs; ++i)
            press(*w, "09");
        QCOMPARE(w->lastFocusMap(), map);
        QCOMPARE(focused(*w, *m), expected);
        auto* b = w->W<QAbstractButton>(expected);
        QVERIFY(b);
        QSignalSpy spy(b, &QAbstractButton::clicked);
        // The controls of screens not built yet do nothing when clicked; keep
        // the screen up so that the click can be counted.
        press(*w, "10");
        QCOMPARE(spy.count(), 1);
    }

    void processorButtonsFollowTheSelectedProcessor()
    {
        auto w = makeWindow();
        const nav::FocusMap& m = *mapNamed("processor_io");
        prepareMap(*w, m);
        w->DDU_Maintenace_Selected_Processor = 3; // ddu_stb1
        for (const char* n : nav::kProcessorOrder)
            ensureButton(*w, "Gmaint_riom_info", QLatin1String(n));
        press(*w, "01"); // to group 2: index 2 is the selected processor
        QCOMPARE(w->key_press_count, 2);
        QCOMPARE(focused(*w, m), QString("ddu_stb1"));
        press(*w, "09");
        QCOMPARE(focused(*w, m), QString("ddu_slg1"));
        for (int i = 0; i < 5; ++i)
            press(*w, "09");
        QCOMPARE(focused(*w, m), QString("ddu_flg1")); // cyclic order wraps to the start
    }

    void escOnScreensWithoutGroups_data()
    {
        QTest::addColumn<QString>("group");
        for (const char* g : {"Gmenu_hvcircuit", "Gmenu_pressure", "Gmenu_subsys", "Gmenu_drdetails", "Gmenu_future",
                              "Gmenu_lang", "Gmenu_diagnosis"})
            QTest::newRow(g) << QString::fromLatin1(g);
    }

    void escOnScreensWithoutGroups()
    {
        QFETCH(QString, group);
        auto w = makeWindow();
        w->key_Menu_ID_old = 9;
        w->grpbox_setvisible();
        w->screen_id = 5;
        showGroup(*w, group);
        press(*w, "01");
        QVERIFY(!w->isShown(group));
        QVERIFY(w->isShown("menu_screen"));
        QCOMPARE(focused(*w, *mapNamed("main_menu")), QString("pressure"));
    }

    void auxiliaryKeysPageTheDds()
    {
        auto w = makeWindow();
        const nav::FocusMap& m = *mapNamed("dds");
        prepareMap(*w, m);
        QSignalSpy up(w->W<QPushButton>("b_ddsup"), &QPushButton::clicked);
        QSignalSpy down(w->W<QPushButton>("b_ddsdown"), &QPushButton::clicked);
        press(*w, "12");
        press(*w, "13");
        press(*w, "13");
        QCOMPARE(up.count(), 1);
        QCOMPARE(down.count(), 2);
    }

    void keysOverFaultPopup()
    {
        auto w = makeWindow();
        w->grpbox_setvisible();
        showGroup(*w, "Gfault");
        press(*w, "09");
        QVERIFY(w->isShown("Gfault"));
        press(*w, "01"); // ESC leaves to the home screen
        QVERIFY(!w->isShown("Gfault"));
        QCOMPARE(w->screen_id, 1);
    }

    void passwordPadFocus()
    {
        auto w = makeWindow();
        w->grpbox_setvisible();
        showGroup(*w, "Gpassword");
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
        press(*w, "10");
        press(*w, "10"); // Enter on key 1 keeps the focus there: a second 1
        QCOMPARE(one.count(), 2);
        QCOMPARE(w->key_press_count, 1);
        press(*w, "09");
        QSignalSpy two(w->W<QPushButton>("b_key2"), &QPushButton::clicked);
        press(*w, "10");
        QCOMPARE(two.count(), 1);
        QCOMPARE(w->key_press_count, 0); // focus returns to none
        QSignalSpy close(w->W<QPushButton>("pwd_close_button"), &QPushButton::clicked);
        press(*w, "01");
        QCOMPARE(close.count(), 1);
    }

    void keysActWithAnimatedClick()
    {
        auto w = makeWindow();
        w->keyClicksAnimated = true;
        press(*w, "09"); // focus on menu
        press(*w, "10");
        QCOMPARE(w->screen_id, 1); // shown pressed first
        QTRY_COMPARE(w->screen_id, 3);
        QVERIFY(w->isShown("menu_screen"));
    }

    // ------------------------------------------------------------ touch

    void topRightRegionClicksFaultButtonOnlyWhileShown()
    {
        auto w = makeWindow();
        QSignalSpy maint(w->W<QPushButton>("maintenance"), &QPushButton::clicked);
        QSignalSpy fault(w->W<QPushButton>("fault_button"), &QPushButton::clicked);
        touchAt(*w, 950, 30);
        QCOMPARE(maint.count(), 1);
        QCOMPARE(fault.count(), 0);
        QCOMPARE(w->touch.key_pressure, w->touch.key_pressure_max);
        w->DDU_Loco_Fault_Present = true;
        w->on_home_clicked();
        QVERIFY(w->isShown("fault_button"));
        touchAt(*w, 950, 30);
        QCOMPARE(maint.count(), 1);
        QCOMPARE(fault.count(), 1);
    }

    void topBarRegions_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("screen");
        QTest::newRow("menu") << 300 << 30 << 3;
        QTest::newRow("menu left edge") << 215 << 30 << 1;
        QTest::newRow("menu top edge") << 300 << 7 << 1;
        QTest::newRow("menu inside edge") << 216 << 8 << 3;
        QTest::newRow("home") << 100 << 30 << 1;
    }

    void topBarRegions()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, screen);
        auto w = makeWindow();
        touchAt(*w, x, y);
        QCOMPARE(w->screen_id, screen);
    }

    void touchFramesReachTheDispatcher()
    {
        auto w = makeWindow();
        // Two touches in one pass: the hit flushes the rest, one action only.
        w->feedTouch(touchFrame(300, 30) + touchFrame(100, 30));
        w->timerupdate_fun();
        QCOMPARE(w->screen_id, 3);
        QVERIFY(w->isShown("menu_screen"));
        QCOMPARE(w->touch.key_pressure, 0); // counted down at the end of the tick
        w->feedTouch(touchFrame(100, 30));
        w->timerupdate_fun();
        QCOMPARE(w->screen_id, 1);
    }

    void mainMenuTouchRegions()
    {
        auto w = makeWindow();
        w->on_menu_clicked();
        // Every region of the main menu lies on its button.
        for (const nav::TouchBlock& b : nav::touchBlocks()) {
            if (qstrcmp(b.name, "main_menu") != 0)
                continue;
            for (const nav::TouchRegion& r : b.regions) {
                QWidget* button = w->W(QLatin1String(r.widget));
                QVERIFY(button);
                const QRect onScreen(button->mapTo(w.get(), QPoint(0, 0)), button->size());
                QVERIFY2(onScreen.contains(QPoint(r.x1 + 1, r.y1 + 1)) && onScreen.contains(QPoint(r.x2 - 1, r.y2 - 1)),
                         r.widget);
                QSignalSpy spy(static_cast<QPushButton*>(button), &QPushButton::clicked);
                touchAt(*w, (r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
                QCOMPARE(spy.count(), 1);
            }
        }
    }

    void touchIgnoresHiddenControls()
    {
        auto w = makeWindow();
        // Screen 3 without the menu shown: its buttons are not regions.
        w->screen_id = 3;
        QSignalSpy spy(w->W<QPushButton>("hv_circ"), &QPushButton::clicked);
        touchAt(*w, 300, 200);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(w->touch.key_pressure, 0);
    }

    void passwordCloseFromScreen29GoesTo25()
    {
        auto w = makeWindow();
        w->grpbox_setvisible();
        showGroup(*w, "Gpassword");
        auto* close = ensureButton(*w, "Gpassword", "pwd_close_button");
        close->setGeometry(670 - 300, 110 - 60, 35, 35);
        w->screen_id = 29;
        QSignalSpy spy(close, &QPushButton::clicked);
        touchAt(*w, 687, 127);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(w->screen_id, 25);
    }

    void scrollTrack_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("touchY");
        QTest::addColumn<int>("delta");
        // Diagnosis list: track 235..440, page 4, handle 30 px.
        QTest::newRow("below handle at top") << 0 << 20 << 400 << 4;
        QTest::newRow("on handle at top") << 0 << 20 << 250 << 0;
        QTest::newRow("above handle") << 12 << 20 << 240 << -4;
        QTest::newRow("fewer rows than a page") << 0 << 3 << 400 << 0;
    }

    void scrollTrack()
    {
        QFETCH(int, position);
        QFETCH(int, rows);
        QFETCH(int, touchY);
        QFETCH(int, delta);
        QCOMPARE(nav::scrollTrackDelta(235, 440, touchY, position, rows, 4), delta);
    }

    void scrollTableLogicClamps()
    {
        auto w = makeWindow();
        auto* t = w->W<QTableWidget>("t_diagnosis");
        t->setRowCount(10);
        w->Total_Table_Row_DDS = 10;
        w->Table_updown_DDS = 8;
        w->scroll_Table_logic(5, 4);
        QCOMPARE(w->Table_updown_DDS, 9);
        w->scroll_Table_logic(5, -40);
        QCOMPARE(w->Table_updown_DDS, 0);
        w->scroll_Table_logic(9, 4); // unknown table: nothing
        QCOMPARE(w->Table_updown_DDS, 0);
        // A touch on the diagnosis list's track below the handle pages down.
        w->grpbox_setvisible();
        showGroup(*w, "Gdiagnostics");
        w->screen_id = 15;
        touchAt(*w, 975, 430);
        QCOMPARE(w->Table_updown_DDS, 4);
    }

    void tableTouchSelectsRow()
    {
        auto w = makeWindow();
        w->grpbox_setvisible();
        showGroup(*w, "Gdiagnostics");
        auto* t = w->W<QTableWidget>("t_diagnosis");
        t->setRowCount(4);
        t->setColumnCount(2);
        for (int r = 0; r < 4; ++r)
            t->setRowHeight(r, 60);
        QSignalSpy spy(t, &QTableWidget::cellClicked);
        w->screen_id = 15;
        const QPoint row2 = t->viewport()->mapTo(w.get(), QPoint(10, 2 * 60 + 30));
        touchAt(*w, row2.x(), row2.y());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
    }

    void onScreenKeyboard()
    {
        auto w = makeWindow();
        w->keypad_open(true);
        QVERIFY(w->isShown("keypad_groupbox"));
        touchAt(*w, 97, 530);  // A
        touchAt(*w, 167, 530); // B
        touchAt(*w, 607, 530); // 1
        QCOMPARE(w->Keypad_Text, QString("AB1"));
        QCOMPARE(w->W<QLabel>("keypad_textlabel")->text(), QString("AB1"));
        touchAt(*w, 480, 725); // clear
        QCOMPARE(w->Keypad_Text, QString("AB"));
        // At the top position the keys move with the group.
        w->keypad_postion_function(true);
        touchAt(*w, 97, 530 - 443);
        QCOMPARE(w->Keypad_Text, QString("ABA"));
        // Signal search receives stage 7.
        auto* sig = new QLabel(w->W("Gsignal_name"));
        sig->setObjectName("signal_textlabel");
        w->Keypad_Stage = 7;
        w->submit_clicked();
        QCOMPARE(sig->text(), QString("ABA"));
        QVERIFY(!w->isShown("keypad_groupbox"));
        // Other stages go to the screen that registered for them.
        int stage = 0;
        QString text;
        w->keypadSubmitHandler = [&](int s, const QString& t) {
            stage = s;
            text = t;
        };
        w->keypad_open(true);
        QVERIFY(w->Keypad_Text.isEmpty());
        w->KeyPad_Write("X7");
        w->Keypad_Stage = 3;
        w->submit_clicked();
        QCOMPARE(stage, 3);
        QCOMPARE(text, QString("X7"));
    }

    // ------------------------------------------------------------ message box

    void messageBoxKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("okText");
        QTest::addColumn<bool>("noShown");
        QTest::addColumn<int>("yesNo");
        QTest::newRow("error") << 1 << "ERROR" << "OK" << false << 0;
        QTest::newRow("information") << 2 << "INFORMATION" << "OK" << false << 0;
        QTest::newRow("confirmation") << 3 << "CONFIRMATION" << "YES" << true << 1;
    }

    void messageBoxKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, header);
        QFETCH(QString, okText);
        QFETCH(bool, noShown);
        QFETCH(int, yesNo);
        auto w = makeWindow();
        w->screen_id = 32;
        w->Dialog_Box("No Details Found", kind);
        QCOMPARE(w->screen_id, 17);
        QVERIFY(w->isShown("Gmessage"));
        QVERIFY(w->isShown("Gpassword_blur"));
        QCOMPARE(w->W("Gmessage")->geometry(), QRect(264, 259, 490, 250));
        QCOMPARE(w->W<QLabel>("err_header")->text(), header);
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("No Details Found"));
        QCOMPARE(w->W<QPushButton>("ok")->text(), okText);
        QCOMPARE(w->isShown("no"), noShown);
        QCOMPARE(w->Dialog_Box_YESNO_Enable, yesNo);
        QVERIFY(!w->W<QLabel>("img")->pixmap().isNull() || !QFile::exists(Dir_rms_img_DialogFault));
        w->on_ok_clicked();
        QCOMPARE(w->screen_id, 32);
        QCOMPARE(w->ok_clicked, 1);
        QVERIFY(!w->isShown("Gmessage"));
        QVERIFY(!w->isShown("Gpassword_blur"));
        QCOMPARE(w->Dialog_Box_YESNO_Enable, 0);
    }

    void messageBoxByKeysAndTouch()
    {
        auto w = makeWindow();
        w->screen_id = 33;
        w->Dialog_Box("Select any processor", 1);
        press(*w, "10"); // Enter on the OK-only form
        QCOMPARE(w->screen_id, 33);
        QVERIFY(!w->isShown("Gmessage"));

        w->Dialog_Box("Do you want to calibrate", 3);
        press(*w, "09");
        QCOMPARE(w->W("no")->styleSheet(), Key_submenu_border_Style);
        press(*w, "10"); // NO
        QCOMPARE(w->screen_id, 25);
        QVERIFY(!w->isShown("Gmessage"));

        w->screen_id = 34;
        w->Dialog_Box("Question", 3);
        touchAt(*w, 560, 460); // no
        QCOMPARE(w->screen_id, 25);
        w->screen_id = 34;
        w->Dialog_Box("Question", 3);
        touchAt(*w, 450, 460); // yes
        QCOMPARE(w->screen_id, 34);
        w->Dialog_Box("Info", 2);
        touchAt(*w, 450, 460); // where YES was: nothing in the OK-only form
        QVERIFY(w->isShown("Gmessage"));
        touchAt(*w, 500, 460);
        QVERIFY(!w->isShown("Gmessage"));
    }

    void confirmedActionHandOver()
    {
        auto w = makeWindow();
        int saved = 0;
        w->screen_id = 37;
        w->Dialog_Confirm("Do you really want to replace the \n existing signals?", [&] { ++saved; });
        QCOMPARE(w->confirm_flag, 1);
        w->on_ok_clicked();
        QCOMPARE(saved, 1);
        QVERIFY(w->isShown("Gmessage")); // "File Saved"
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("File Saved"));
        QCOMPARE(w->W<QLabel>("err_header")->text(), QString("INFORMATION"));
        QCOMPARE(w->confirm_flag, 0);
        w->on_ok_clicked();
        QCOMPARE(saved, 1);
        QCOMPARE(w->screen_id, 37);

        // NO drops the action: a later question answered YES does not run it.
        w->Dialog_Confirm("Replace?", [&] { ++saved; });
        w->on_no_clicked();
        QCOMPARE(w->screen_id, 25);
        QCOMPARE(w->confirm_flag, 0);
        w->Dialog_Box("Do you want to calibrate", 3);
        w->on_ok_clicked();
        QCOMPARE(saved, 1);
        QVERIFY(!w->isShown("Gmessage"));
    }

    void calibrationRestart()
    {
        auto w = makeWindow();
        const QString log = qEnvironmentVariable("DDU_SHELL_LOG");
        QFile::remove(log);
        w->masterslave_flag = 1;
        w->screen_id = 28;
        w->Dialog_Box("Do you want to calibrate", 3);
        w->on_ok_clicked();
        QCOMPARE(w->masterslave_flag, 2);
        QCOMPARE(w->W<QLabel>("err_txt")->text(), QString("Calibration screen will appear after system restart"));
        w->on_ok_clicked();
        QCOMPARE(w->masterslave_flag, 0);
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("reboot"));

        // NO cancels a pending calibration.
        w->masterslave_flag = 1;
        w->Dialog_Box("Do you want to calibrate", 3);
        w->on_no_clicked();
        QCOMPARE(w->masterslave_flag, 0);
    }

    void cellWriter()
    {
        auto w = makeWindow();
        w->XML_Insert_Data(12, 1, 1, 5, "42");
        auto* right = w->W<QTableWidget>("t_mvbvarsel2");
        QVERIFY(right->item(2, 1));
        QCOMPARE(right->item(2, 1)->text(), QString("42"));
        QCOMPARE(right->item(2, 1)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(right->item(2, 1)->font().family(), QString("Tahoma"));
        QCOMPARE(right->item(2, 1)->foreground().color(), QColor(0x66, 0x66, 0x66));
        w->XML_Insert_Data(3, 0, 0, 5, "name");
        QCOMPARE(w->W<QTableWidget>("t_mvbvarsel1")->item(3, 0)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));

        auto* fresh = w->W<QTableWidget>("tmvbfreshness");
        fresh->setRowCount(2);
        w->XML_Insert_Data(0, 0, 3, 1, "x"); // format outside the table's list
        QVERIFY(!fresh->item(0, 0));
        w->XML_Insert_Data(0, 0, 2, 7, "x"); // table code 7
        QVERIFY(!fresh->item(0, 0));
        w->XML_Insert_Data(0, 2, 2, 1, "9999");
        QCOMPARE(fresh->item(0, 2)->text(), QString("9999"));
        QCOMPARE(fresh->item(0, 2)->background().color(), QColor(0, 0, 0));

        auto* tele = w->W<QTableWidget>("tmvbtelegram");
        tele->setRowCount(1);
        w->XML_Insert_Data(0, 0, 1, 3, "3100");
        QCOMPARE(tele->item(0, 0)->text(), QString("3100"));
        QCOMPARE(tele->item(0, 0)->font().family(), QTableWidgetItem().font().family()); // unformatted
        w->XML_Insert_Data(5, 0, 0, 3, "out of range"); // no such row: nothing, no crash
    }

    // ------------------------------------------------------------ ticks

    void threadLifeDisplay()
    {
        QCOMPARE(MainWindow::threadLifeText(0x0A, 0xFF), QString("0A:FF"));
        QCOMPARE(MainWindow::threadLifeText(0, 256), QString("00:00"));
        auto w = makeWindow();
        w->grpbox_setvisible();
        showGroup(*w, "Gmaint_footer");
        showGroup(*w, "Gmaint_ddulogin");
        w->exchange.DDU_MVB_Thread_Life.store(0x1f);
        w->guiupdate_fun();
        auto* item = w->W<QTableWidget>("t_ipadr_5")->item(2, 1);
        QVERIFY(item);
        // Both counters run on their own threads: only the form is fixed.
        QVERIFY2(QRegularExpression("^[0-9A-F]{2}:[0-9A-F]{2}$").match(item->text()).hasMatch(),
                 qPrintable(item->text()));
        QCOMPARE(item->background().color(), QColor(0x0f, 0x0f, 0x0f));
    }

    void monitoredVariablesRefresh()
    {
        auto w = makeWindow();
        w->grpbox_setvisible();
        showGroup(*w, "Gmaint_footer");
        showGroup(*w, "Gmaint_mvbvarsel");
        w->viewer.DDU_Micview_Data_Count = 12;
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
        // A tick with the maintenance screens shown starts the count again.
        showGroup(*w, "Gmaint_footer");
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

    void brightnessPanelTimesOut()
    {
        auto w = makeWindow();
        showGroup(*w, "G_brightness");
        w->brightness.Brightness_Panel_Enable = true;
        for (int i = 0; i < 5; ++i)
            w->guiupdate_fun();
        QVERIFY(w->isShown("G_brightness"));
        w->guiupdate_fun();
        QVERIFY(!w->isShown("G_brightness"));
        QVERIFY(!w->brightness.Brightness_Panel_Enable);
        // A keypad brightness report re-arms it and raises the flag for the panel.
        press(*w, "3M");
        QVERIFY(w->brightness.Brightness_Panel_Enable);
        QVERIFY(!w->keys.Keyboard_Pixy_Brightness_Pressed); // handled by the tick
    }

    // ------------------------------------------------------------ tables

    void focusTablesAreConsistent()
    {
        for (const nav::FocusMap& m : nav::focusMaps()) {
            QSet<int> seen;
            for (const nav::FocusSlot& s : m.entries) {
                QVERIFY2(!seen.contains(s.index), m.name);
                seen.insert(s.index);
                QVERIFY2(m.groupOf(s.index) != 0, m.name);
            }
            if (m.esc == nav::Esc::Outward) {
                if (m.groups >= 2)
                    QVERIFY2(m.groupOf(m.escFromGroup1) == 2, m.name);
                if (m.groups >= 3)
                    QVERIFY2(m.groupOf(m.escFromGroup2) == 3, m.name);
            }
            if (m.esc == nav::Esc::Invoke)
                QVERIFY2(m.escSlot && QByteArray(m.escSlot).startsWith("on_"), m.name);
        }
        for (const nav::TouchBlock& b : nav::touchBlocks())
            for (const nav::TouchRegion& r : b.regions)
                QVERIFY2(r.x1 < r.x2 && r.y1 < r.y2, b.name);
    }

    void stepScreenPure()
    {
        const nav::FocusMap& m = *mapNamed("datetime");
        nav::FocusState s;
        KeyFlags k;
        s.key_press_count = 5;
        s.key_menu_no = 1;
        k.Keyboard_Down_Pressed = true;
        nav::stepScreen(m, s, k);
        QCOMPARE(s.key_press_count, 0); // wraps inside group 1
        k = KeyFlags();
        k.Keyboard_ESC_Pressed = true;
        nav::stepScreen(m, s, k);
        QCOMPARE(s.key_press_count, 6);
        QCOMPARE(s.key_menu_no, 2);
        k = KeyFlags();
        k.Keyboard_Enter_Pressed = true;
        QCOMPARE(nav::stepScreen(m, s, k).kind, nav::ActKind::None); // index without control
        k = KeyFlags();
        k.Keyboard_UP_Pressed = true;
        nav::stepScreen(m, s, k);
        QCOMPARE(s.key_press_count, 13);
        k = KeyFlags();
        k.Keyboard_ESC_Pressed = true;
        nav::stepScreen(m, s, k);
        QCOMPARE(s.key_press_count, 14);
        QCOMPARE(s.key_menu_no, 3);
        k = KeyFlags();
        k.Keyboard_Enter_Pressed = true;
        QCOMPARE(nav::stepScreen(m, s, k), (nav::Action{nav::ActKind::Click, "home"}));

        const nav::FocusMap& radios = *mapNamed("diagnosis_choice");
        s = nav::FocusState();
        s.key_press_count = 3;
        QCOMPARE(nav::stepScreen(radios, s, k), (nav::Action{nav::ActKind::Toggle, "r_hbb1"}));
    }

    // ------------------------------------------------------------ program

    void screenshotOption()
    {
        const QString bin = qEnvironmentVariable("DDU_BIN_DIR") + QStringLiteral("/ddu");
        if (!QFile::exists(bin))
            QSKIP("ddu program not built");
        const QString png = root_.filePath("shot.png");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(bin, {"--no-mvb", "--screenshot", png, "--quit-after", "300"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QImage img(png);
        QCOMPARE(img.size(), QSize(1024, 768));
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
