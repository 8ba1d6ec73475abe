// The process information, subsystem and I/O slot screens in the window,
// offscreen: opened through their buttons, keys and touches, fed snapshots
// through the hand-over and the refresh tick, read back from named widgets.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

#include "app/mainwindow.h"
#include "screens/io_slot_screen.h"
#include "screens/io_slot_view.h"
#include "screens/process_info_screen.h"
#include "screens/process_info_view.h"
#include "screens/subsystem_screen.h"
#include "screens/subsystem_values_view.h"
#include "screens/subsystem_view.h"
#include "tests/support/environment.h"
#include "tests/support/window.h"
#include "ui/resources.h"

namespace {

using testsupport::makeWindow;

using Window = std::unique_ptr<MainWindow>;

void tick(MainWindow& w, const SignalStore& s)
{
    w.exchange.publish(s);
    w.guiupdate_fun();
}

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

void tap(MainWindow& w, const char* name)
{
    w.W<QAbstractButton>(QLatin1String(name))->click();
}

QTableWidget* table(MainWindow& w, const char* name)
{
    return w.W<QTableWidget>(QLatin1String(name));
}

QString cell(MainWindow& w, const char* name, int row, int column)
{
    QTableWidgetItem* item = table(w, name)->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

QColor cellText(MainWindow& w, const char* name, int row, int column)
{
    return table(w, name)->item(row, column)->foreground().color();
}

QColor cellBackground(MainWindow& w, const char* name, int row, int column)
{
    return table(w, name)->item(row, column)->background().color();
}

QString image(MainWindow& w, const char* label)
{
    return w.W(QLatin1String(label))->property("image").toString();
}

// A locomotive at work: every value known and recognisable.
SignalStore live()
{
    SignalStore s;
    s.MVB_DDU_FLG1_Node_String = QStringLiteral("504");
    s.MVB_DDU_FLG2_Node_String = QStringLiteral("502");
    s.MVB_DDU_SLV_Node_String = QStringLiteral("514");
    s.MVB_DDU_Loco_NO_String = QStringLiteral("31028");
    s.MVB_DDU_Energy_Consumed_String = QStringLiteral("001 234 567");
    s.MVB_DDU_Energy_Ratio_String = QStringLiteral("28.00");
    s.MVB_DDU_Energy_Regenerated_Trip_String = QStringLiteral("000 000 042");
    s.MVB_DDU_UPRIM_String = QStringLiteral("25.30");
    s.MVB_DDU_TM_Temperature5_String = QStringLiteral("80.20");
    s.MVB_DDU_TM_Temperature6_String = QStringLiteral("82.10");
    s.MVB_DDU_TM_Temperature6_INT_String = QStringLiteral("81");
    s.MVB_DDU_TM_Speed6_String = QStringLiteral("101.50");
    s.MVB_DDU_Soft_Ver_STB1_String = QStringLiteral("0012");
    s.MVB_DDU_Inching_Set_Speed_String = QStringLiteral("2.5");
    s.MVB_DDU_BUR2_DC_Link_Voltage_String = QStringLiteral("600.00");
    s.MVB_DDU_BUR3_Status_String = QStringLiteral("OFF");
    s.MVB_DDU_Group_Contact_544_String = QStringLiteral("ON");
    s.MVB_DDU_Compressor2_String = QStringLiteral("ON");
    s.MVB_DDU_BP_Pressure_String = QStringLiteral("5.0");
    s.MVB_DDU_Loco_Simulation_Status = 0;
    s.MVB_DDU_Inching_mod_Active = 1;
    s.MVB_DDU_Cab_Active = 1;
    s.CoCo_bogie_chasis = 1;
    return s;
}

// The fault log of a run: two messages of SS01, one of SS10.
const char* const kLog = R"(<?xml version="1.0" encoding="UTF-8"?>
<SUBSYSTEM>
    <Message><LocoType>1</LocoType><SubsystemNo>SS01:Main Power</SubsystemNo><Time>01/02/2026 10:00:00</Time>
        <FaultCode>F0102P2</FaultCode><FaultMessage>VCB TRIPPED</FaultMessage></Message>
    <Message><LocoType>1</LocoType><SubsystemNo>SS10:Brake System</SubsystemNo><Time>01/02/2026 10:01:00</Time>
        <FaultCode>F1001P1</FaultCode><FaultMessage>BRAKE</FaultMessage></Message>
    <Message><LocoType>1</LocoType><SubsystemNo>SS01:Main power</SubsystemNo><Time>01/02/2026 10:02:00</Time>
        <FaultCode>F0103P1</FaultCode><FaultMessage>PANTO</FaultMessage></Message>
</SUBSYSTEM>
)";

const QColor kGrey(0x59, 0x59, 0x59);
const QColor kSelected(29, 65, 74, 135);

// Centre of the main menu's entry `k` (0..9 in the two columns, 10 and 11 the last row).
QPoint menuEntry(int k)
{
    if (k >= 10)
        return {k == 10 ? 360 : 680, 502};
    return {k < 5 ? 360 : 680, 123 + 61 * (k % 5) + 20};
}

// Whether the screen `screen_id` names is the one on the display: no key or
// touch may leave the touch regions of one screen serving another.
bool servesWhatIsShown(MainWindow& w)
{
    static const char* const valueGroups[9] = {"Gmenu_hvcircuit", "Gmenu_tracconv", "Gmenu_auxconv",
                                               "Gmenu_tracmoto",  "Gmenu_auxsys",   "Gmenu_braksys",
                                               "Gmenu_enermoni",  "Gmenu_temp",     "Gmenu_pressure"};
    static const char* const processGroups[6] = {"Gnode",  "Genergy",   "Gsimulation",
                                                 "Gmotor", "Gsoftware", "GmotorStatus"};
    auto any = [&w](const char* const* names, int n) {
        return std::any_of(names, names + n, [&w](const char* g) { return w.isShown(QLatin1String(g)); });
    };
    const bool frame = any(valueGroups, 9) || w.isShown("Gmenu_subsys");
    switch (w.screen_id) {
    case 1: // the home, or the subsystem grid its strip opened (served at 1 as at 2)
        return !frame && !w.isShown("Gproinfo_menu") && !w.isShown("Gmaint_menu") &&
            (!w.isShown("Gsub_system") || w.isShown("t_subsystem"));
    case 2: return w.isShown("Gsub_system");
    case 3: return w.isShown("menu_screen") && !frame;
    case 4: return w.isShown("Gmenu_subsys");
    case 19: return w.isShown("Gproinfo_menu") && any(processGroups, 6);
    case 20: return w.isShown("Ginching");
    case 23: return w.isShown("Gmaint_menu") && !w.isShown("Gmaint_riom_info");
    case 44: return w.isShown("Gmaint_riom_info");
    default: return w.screen_id >= 5 && w.screen_id <= 13 && w.isShown(QLatin1String(valueGroups[w.screen_id - 5]));
    }
}

} // namespace

#define SERVES_SHOWN(w) QVERIFY2(servesWhatIsShown(w), qPrintable(QStringLiteral("screen_id %1").arg((w).screen_id)))

class TestProcessScreens : public QObject {
    Q_OBJECT

    testsupport::TestRoot m_root;

    void writeLog(const QByteArray& text)
    {
        QDir(m_root.path()).mkpath(QStringLiteral("file/fault"));
        QFile f(m_root.filePath(QStringLiteral("file/fault/zav_MessagesVCU_temp.xml")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

private slots:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    void everyWidgetFound()
    {
        auto w = makeWindow();
        QCOMPARE(w->processInfo->processInfoView->resolve(w.get()), QStringList());
        QCOMPARE(w->subsystems->subsystemView->resolve(w.get()), QStringList());
        QCOMPARE(w->subsystems->subsystemValuesView->resolve(w.get()), QStringList());
        QCOMPARE(w->ioSlots->ioSlotView->resolve(w.get()), QStringList());
    }

    // Each process information screen: its title and a value from the
    // snapshot, the stale look for that value, nothing rewritten when
    // nothing changed, and its number on the output port.
    void processInformationScreens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("present");
        QTest::addColumn<int>("screenId");
        QTest::newRow("node") << "node"
                              << "Gnode"
                              << "t_node"
                              << "Node Information" << 3 << "502" << 10 << 19;
        QTest::newRow("energy") << "energy"
                                << "Genergy"
                                << "t_energy"
                                << "Energy Counter" << 1 << "001 234 567 kWh" << 11 << 19;
        QTest::newRow("simulation") << "simulation"
                                    << "Gsimulation"
                                    << "t_simulation"
                                    << "Simulation Mode" << 1 << "25.30 kV" << 12 << 19;
        QTest::newRow("motortemp") << "motortemp"
                                   << "Gmotor"
                                   << "t_motor"
                                   << "Motor Temperatures" << 5 << "82.10 \u00B0C" << 13 << 19;
        QTest::newRow("software") << "software"
                                  << "Gsoftware"
                                  << "t_software1"
                                  << "Software Versions" << 0 << "0012" << 14 << 19;
        QTest::newRow("inching") << "inching"
                                 << "Ginching"
                                 << "t_inching"
                                 << "Inching Mode" << 2 << "2.5 km/h" << 15 << 20;
    }

    void processInformationScreens()
    {
        QFETCH(QString, button);
        QFETCH(QString, group);
        QFETCH(QString, table);
        QFETCH(QString, title);
        QFETCH(int, row);
        QFETCH(QString, expected);
        QFETCH(int, present);
        QFETCH(int, screenId);
        auto w = makeWindow();
        tick(*w, live());
        w->on_process_clicked();
        tap(*w, qPrintable(button));
        QVERIFY(w->isShown(group) && w->isShown("Gproinfo_menu"));
        QCOMPARE(w->screen_id, screenId);
        const QByteArray tableName = table.toLatin1();
        const char* t = tableName.constData();
        QCOMPARE(cell(*w, t, row, 1), expected);
        tick(*w, live());
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), present);
        // The screen's entry is marked (on the inching screen it also holds the keypad focus).
        QCOMPARE(w->processInfo->processInfoView->menuButton(ProcessInfoView::Screen(present - 10))->styleSheet(),
                 present == 15 ? Key_submenu_select_border_Style : Key_submenu_select_Style);
        QString titleText;
        for (QLabel* l : w->W(group)->findChildren<QLabel*>())
            if (l->text() == title)
                titleText = l->text();
        QCOMPARE(titleText, title);

        QSignalSpy changes(w->W<QTableWidget>(table), &QTableWidget::itemChanged);
        tick(*w, live());
        QCOMPARE(changes.count(), 0); // nothing changed, nothing written

        SignalStore stale = live(); // every value of the screens unknown
        for (QString* v : {&stale.MVB_DDU_FLG2_Node_String, &stale.MVB_DDU_Energy_Consumed_String,
                           &stale.MVB_DDU_UPRIM_String, &stale.MVB_DDU_TM_Temperature6_String,
                           &stale.MVB_DDU_Soft_Ver_STB1_String, &stale.MVB_DDU_Inching_Set_Speed_String})
            *v = QStringLiteral("????");
        tick(*w, stale);
        QCOMPARE(cell(*w, t, row, 1), QStringLiteral("--"));
        QCOMPARE(cellText(*w, t, row, 1), kGrey);
        tick(*w, live()); // back: the value shows again
        QCOMPARE(cell(*w, t, row, 1), expected);
        QCOMPARE(cellText(*w, t, row, 1), QColor(0x66, 0x66, 0x66));
    }

    void lampsChangeOnlyOnAKnownState()
    {
        auto w = makeWindow();
        w->on_process_clicked();
        tap(*w, "simulation");
        SignalStore s = live();
        const struct {
            int state;
            const QString* lamp;
        } steps[] = {{1, &Dir_rms_img_LEDSmallGreen},
                     {1, &Dir_rms_img_LEDSmallGreen},
                     {5, &Dir_rms_img_LEDSmallGreen},
                     {0, &Dir_rms_img_LEDSmallGray},
                     {2, &Dir_rms_img_LEDSmallNoMVB}};
        for (const auto& step : steps) {
            s.MVB_DDU_Loco_Simulation_Status = step.state;
            tick(*w, s);
            QCOMPARE(image(*w, "simul_img"), *step.lamp);
        }
    }

    // The request buttons only in the active cab this unit serves; a click is
    // a request pulse, a second one restarts it.
    void inchingButtons()
    {
        const struct {
            int selected, active;
            bool offered;
        } rows[] = {{1, 1, true}, {2, 2, true}, {1, 2, false}, {2, 3, false}, {0, 0, false}};
        for (const auto& r : rows) {
            auto w = makeWindow();
            w->exchange.requests.Selected_CAB_Type = r.selected;
            SignalStore s = live();
            s.MVB_DDU_Cab_Active = r.active;
            tick(*w, s);
            w->on_process_clicked();
            touchAt(*w, 900, 65 + 58 * 5 + 26); // INCHING in the menu column
            QCOMPARE(w->screen_id, screen::Inching);
            QCOMPARE(w->isShown("inching_up") && w->isShown("inching_down"), r.offered);
            QCOMPARE(image(*w, "image_label"), Dir_rms_img_LEDSmallGreen);
            touchAt(*w, 610, 420); // inching_up
            touchAt(*w, 440, 420); // inching_down
            QCOMPARE(w->exchange.requests.MVB_Inching_UP.on(), r.offered);
            QCOMPARE(w->exchange.requests.MVB_Inching_DOWN.on(), r.offered);
            if (!r.offered)
                continue;
            w->exchange.requests.MVB_Inching_UP.advance(10);
            w->exchange.requests.MVB_Inching_UP.advance(10);
            tap(*w, "inching_up");
            QCOMPARE(w->exchange.requests.MVB_Inching_UP.count(), 0);
        }
    }

    void motorStatusLayouts()
    {
        auto w = makeWindow();
        SignalStore s = live();
        s.CoCo_bogie_chasis = 0; // four motors: elements 0, 1, 3 and 4
        const int states[6] = {1, 0, 1, 1, 0, 1};
        std::copy(std::begin(states), std::end(states), s.MVB_DDU_MotorMaster_Status);
        tick(*w, s);
        w->on_process_clicked();
        tap(*w, "motor_status");
        QVERIFY(w->isShown("GmotorStatus"));
        auto* t = table(*w, "t_motorStatus");
        QStringList shown;
        for (int r = 0; r < 6; ++r)
            if (!t->isRowHidden(r))
                shown << cell(*w, "t_motorStatus", r, 0) + "=" + cell(*w, "t_motorStatus", r, 1);
        QCOMPARE(shown,
                 (QStringList{"Traction Motor 1=ON", "Traction Motor 2=OFF", "Traction Motor 3=ON",
                              "Traction Motor 4=OFF"}));
        QCOMPARE(cellBackground(*w, "t_motorStatus", 0, 1), QColor(0x00, 0x3b, 0x00));
        QCOMPARE(cellBackground(*w, "t_motorStatus", 1, 1), QColor(0x4d, 0x00, 0x00));
        QVERIFY(t->isColumnHidden(2));

        s.multiOpMode_slave1_active = 1; // a slave loco coupled: master and slave columns
        s.MVB_DDU_MotorSlave_Status[3] = 1;
        tick(*w, s);
        QVERIFY(w->processInfo->processInfoView->motorLayout() == proc::MotorLayout::FourWithSlave);
        QVERIFY(!t->isColumnHidden(3));
        QCOMPARE(t->horizontalHeaderItem(2)->text(), QStringLiteral("Slave Motor"));
        QCOMPARE(cell(*w, "t_motorStatus", 2, 2), QStringLiteral("TM 3"));
        QCOMPARE(cell(*w, "t_motorStatus", 2, 3), QStringLiteral("ON"));
        QCOMPARE(w->exchange.requests.MVB_Present_Screen.load(), 0); // this screen reports no number

        // The motor states' port stale: the decoding makes them unknown (2),
        // shown "--", not "OFF".
        std::fill(std::begin(s.MVB_DDU_MotorMaster_Status), std::end(s.MVB_DDU_MotorMaster_Status), 2);
        tick(*w, s);
        QCOMPARE(cell(*w, "t_motorStatus", 1, 1), QStringLiteral("--"));
        QCOMPARE(cellBackground(*w, "t_motorStatus", 1, 1), QColor(0, 0, 0));
    }

    void mainGridColoursAndNoRewrite()
    {
        auto w = makeWindow();
        SignalStore s = live();
        s.MVB_DDU_LOCO_SUB_System[0] = 4;
        s.MVB_DDU_LOCO_SUB_System[1] = 1;
        s.MVB_DDU_LOCO_SUB_System[19] = 99;
        for (int k = 0; k < 20; ++k)
            s.MVB_DDU_LOCO2_SUB_System[k] = 4;
        tick(*w, s);
        w->subsystems->on_loco_diag_clicked();
        QVERIFY(w->isShown("t_subsystem") && w->isShown("sub_locono"));
        QCOMPARE(w->W<QLabel>("sub_locono")->text(), QStringLiteral("SUBSYSTEM"));
        QVERIFY(table(*w, "t_subsystem")->horizontalHeader()->isHidden());
        QCOMPARE(cell(*w, "t_subsystem", 0, 0), QStringLiteral("SS01\nMain Power"));
        QCOMPARE(cellBackground(*w, "t_subsystem", 0, 0), QColor(0, 0, 0));
        QCOMPARE(cellText(*w, "t_subsystem", 0, 0), kGrey);
        QCOMPARE(cell(*w, "t_subsystem", 0, 1), QStringLiteral("SS02\nTraction Bogie 1\n[Pri 1 Fault]"));
        QCOMPARE(cell(*w, "t_subsystem", 3, 4), QStringLiteral("ALL"));

        QSignalSpy changes(table(*w, "t_subsystem"), &QTableWidget::itemChanged);
        tick(*w, s);
        QCOMPARE(changes.count(), 0);
        s.MVB_DDU_LOCO_SUB_System[1] = 17; // a code the display does not know: no data, not the old state
        tick(*w, s);
        QCOMPARE(cell(*w, "t_subsystem", 0, 1), QStringLiteral("SS02\nTraction Bogie 1"));
        QCOMPARE(cellBackground(*w, "t_subsystem", 0, 1), QColor(0x3f, 0x3f, 0x3f));

        w->subsystems->on_loco_diag_2_clicked(); // the second loco: its 4 is "no data"
        QCOMPARE(cellBackground(*w, "t_subsystem", 0, 0), QColor(0x3f, 0x3f, 0x3f));
        QCOMPARE(cellText(*w, "t_subsystem", 0, 0), QColor(0, 0, 0));
    }

    // The message list from a fixture log: one subsystem, all, none; the
    // selection and its moves; back to the grid.
    void messageList()
    {
        auto w = makeWindow();
        writeLog(kLog);
        w->subsystems->on_loco_diag_clicked();
        touchAt(*w, 150, 170); // SS01
        SubsystemView* v = w->subsystems->subsystemView;
        QVERIFY(w->isShown("t_browseloco") && !w->isShown("t_subsystem"));
        QCOMPARE(w->screen_id, screen::HomeSubsystems);
        QCOMPARE(w->W<QLabel>("sub_message")->text(), QStringLiteral("MESSAGES - SS01"));
        QCOMPARE(v->Total_Table_Row_Fault, 2);
        QCOMPARE(cell(*w, "t_browseloco", 1, 2), QStringLiteral("F0103P1"));
        QCOMPARE(v->Table_updown_Fault, 1); // the last message selected
        QCOMPARE(cellBackground(*w, "t_browseloco", 1, 3), kSelected);

        const struct {
            const char* button;
            int row;
        } moves[] = {{"subsys_top", 0},  {"subsys_up", 0},  {"subsys_down", 1},
                     {"subsys_down", 1}, {"subsys_top", 0}, {"subsys_bottom", 1}};
        for (const auto& m : moves) {
            tap(*w, m.button);
            QCOMPARE(v->Table_updown_Fault, m.row);
            QCOMPARE(cellBackground(*w, "t_browseloco", m.row, 0), kSelected);
            QCOMPARE(cellBackground(*w, "t_browseloco", 1 - m.row, 0), QColor(0, 0, 0));
        }
        w->subsystems->on_t_browseloco_cellClicked(0, 2);
        QCOMPARE(v->Table_updown_Fault, 0);

        tap(*w, "subsys_back");
        QVERIFY(w->isShown("t_subsystem") && !w->isShown("t_browseloco"));
        touchAt(*w, 800, 500); // ALL
        QCOMPARE(v->Total_Table_Row_Fault, 3);
        QCOMPARE(w->W<QLabel>("sub_message")->text(), QStringLiteral("MESSAGES - ALL"));
        tap(*w, "subsys_back");
        touchAt(*w, 650, 170); // SS04: nothing logged
        QVERIFY(w->isShown("Gmessage") && w->isShown("t_subsystem"));
        QCOMPARE(v->sub_flag, 1);
        tap(*w, "ok");
        QVERIFY(!w->isShown("Gmessage") && w->isShown("t_subsystem"));
        QCOMPARE(w->screen_id, screen::HomeSubsystems);

        writeLog("<SUBSYSTEM><Message>"); // a torn log lists nothing
        touchAt(*w, 150, 170);
        QCOMPARE(v->sub_flag, 1);
    }

    // A click that lands while the program moves the selection is no choice.
    void clickWhileSelectingIsIgnored()
    {
        auto w = makeWindow();
        QByteArray log = "<SUBSYSTEM>";
        for (int k = 0; k < 12; ++k)
            log += "<Message><SubsystemNo>SS10:Brake</SubsystemNo><Time>t</Time><FaultCode>C" + QByteArray::number(k) +
                "</FaultCode><FaultMessage>m</FaultMessage></Message>";
        writeLog(log + "</SUBSYSTEM>");
        w->subsystems->on_loco_diag_clicked();
        w->subsystems->on_t_subsystem_cellClicked(1, 4);
        QCOMPARE(w->subsystems->subsystemView->Table_updown_Fault, 11);
        auto* bar = table(*w, "t_browseloco")->verticalScrollBar();
        connect(bar, &QScrollBar::valueChanged, w.get(), [&w] { w->subsystems->on_t_browseloco_cellClicked(3, 0); });
        tap(*w, "subsys_top");
        QCOMPARE(w->subsystems->subsystemView->Table_updown_Fault, 0);
        QCOMPARE(cellBackground(*w, "t_browseloco", 3, 0), QColor(0, 0, 0));
    }

    void menuGridRefreshedAndItsList()
    {
        auto w = makeWindow();
        writeLog(kLog);
        SignalStore s = live();
        tick(*w, s);
        press(*w, "03");
        press(*w, "10"); // SUB-SYS STATUS
        QCOMPARE(w->screen_id, screen::SubsystemMenu);
        QVERIFY(w->isShown("Gmenu_subsys") && w->isShown("menuscreen_back"));
        QCOMPARE(cell(*w, "t_msubsys", 0, 0), QStringLiteral("SS01\nHV"));
        QCOMPARE(cell(*w, "t_msubsys", 3, 4), QStringLiteral("SS20\nSpare"));
        QCOMPARE(cellBackground(*w, "t_msubsys", 3, 4), QColor(0x49, 0x49, 0x49));
        QCOMPARE(cellBackground(*w, "t_msubsys", 0, 0), QColor(0x00, 0x50, 0x06));
        s.MVB_DDU_LOCO_SUB_System[0] = 99; // its port went stale while shown
        tick(*w, s);
        QCOMPARE(cellBackground(*w, "t_msubsys", 0, 0), QColor(0x49, 0x49, 0x49));

        touchAt(*w, 260, 180); // SS01 on the menu grid
        QVERIFY(w->isShown("t_browseloco"));
        QCOMPARE(w->subsystems->subsystemView->Total_Table_Row_Fault, 2);
        touchAt(*w, 960, 80); // back: to the menu grid it came from
        QCOMPARE(w->screen_id, screen::SubsystemMenu);
        QVERIFY(w->isShown("Gmenu_subsys") && !w->isShown("Gsub_system"));
        press(*w, "01"); // ESC: the main menu
        QCOMPARE(w->screen_id, screen::MainMenu);
    }

    // The nine value screens: opened from the menu, a value from the
    // snapshot in its place, the stale look, no rewrite, ESC back to the menu.
    void valueScreens_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("hv") << 1 << "HIGH VOLTAGE CIRCUIT" << 3 << 1 << "25.30";
        QTest::newRow("traction converter") << 2 << "TRACTION CONVERTER" << 0 << 2 << "502";
        QTest::newRow("auxiliary converter") << 3 << "AUXILIARY CONVERTER" << 2 << 3 << "600.00";
        QTest::newRow("contactor 52/4") << 3 << "AUXILIARY CONVERTER" << 7 << 5 << "ON";
        QTest::newRow("traction motor") << 4 << "TRACTION MOTOR" << 5 << 6 << "101.50";
        QTest::newRow("motor temperature") << 4 << "TRACTION MOTOR" << 6 << 6 << "81";
        QTest::newRow("auxiliary system") << 5 << "AUXILIARY SYSTEM" << 1 << 5 << "OFF";
        QTest::newRow("braking") << 6 << "BRAKING SYSTEM" << 7 << 1 << "000 000 042";
        QTest::newRow("compressor 2") << 6 << "BRAKING SYSTEM" << 8 << 2 << "ON";
        QTest::newRow("energy") << 7 << "ENERGY MONITORING" << 0 << 1 << "001 234 567 kWh";
        QTest::newRow("ratio") << 7 << "ENERGY MONITORING" << 2 << 1 << "28.00";
        QTest::newRow("temperatures") << 8 << "TEMPERATURES" << 3 << 2 << "80.20";
        QTest::newRow("pressures") << 9 << "PRESSURES" << 3 << 1 << "5.0";
    }

    void valueScreens()
    {
        QFETCH(int, entry);
        QFETCH(QString, title);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, expected);
        auto w = makeWindow();
        tick(*w, live());
        w->on_menu_clicked();
        touchAt(*w, menuEntry(entry).x(), menuEntry(entry).y());
        const subsysvalues::Screen& spec = subsysvalues::screen(entry - 1);
        QCOMPARE(w->screen_id, spec.screenId);
        QVERIFY(w->isShown(QLatin1String(spec.group)));
        QCOMPARE(w->W<QLabel>("menuscreen_header")->text(), title);
        const char* t = spec.table;
        QCOMPARE(cell(*w, t, row, column), expected);
        QSignalSpy changes(table(*w, t), &QTableWidget::itemChanged);
        tick(*w, live());
        QCOMPARE(changes.count(), 0);

        SignalStore stale; // a snapshot whose every text is unknown
        for (const subsysvalues::Cell& c : spec.cells)
            if (c.value)
                stale.*c.value = QStringLiteral("????");
        tick(*w, stale);
        QCOMPARE(cell(*w, t, row, column), QStringLiteral("--"));
        QCOMPARE(cellText(*w, t, row, column), kGrey);

        press(*w, "01");
        QCOMPARE(w->screen_id, screen::MainMenu);
        QVERIFY(w->isShown("menu_screen") && !w->isShown(QLatin1String(spec.group)));
    }

    // Lamps for set and clear lines of each processor and slot, the paging
    // arrows, lines without data and values that are no state.
    void ioSlotLamps()
    {
        auto w = makeWindow();
        SignalStore s = live();
        for (int k = 0; k < 32; ++k)
            s.MVB_DDU_RIOM1_Input[k] = s.MVB_DDU_RIOM2_Input[k] = s.MVB_DDU_BRIO1_Input[k] = s.MVB_DDU_BRIO2_Input[k] =
                k % 3 == 0;
        for (int k = 0; k < 15; ++k)
            s.MVB_DDU_RIOM1_Output[k] = s.MVB_DDU_RIOM2_Output[k] = s.MVB_DDU_BRIO1_Output[k] =
                s.MVB_DDU_BRIO2_Output[k] = k % 2;
        s.MVB_DDU_RIOM1_InAnalg[1] = QStringLiteral("5.10");
        s.MVB_DDU_BRIO2_OutAnalg[0] = QStringLiteral("????");
        tick(*w, s);
        const char* buttons[4] = {"ddu_flg1", "ddu_hbb1", "ddu_stb1", "ddu_slg1"};
        const QString titles[4] = {"RIOM1 SIGNAL", "RIOM2 SIGNAL", "BRIO1 SIGNAL", "BRIO2 SIGNAL"};
        IoSlotView* v = w->ioSlots->ioSlotView;
        const QString on = Dir_rms_img_LEDSmallLongGreen, off = Dir_rms_img_LEDSmallLongGray;
        for (int p = 0; p < 4; ++p) {
            tap(*w, buttons[p]);
            QCOMPARE(w->screen_id, screen::LocoIo);
            QVERIFY(w->isShown("Gmaint_riom_info") && w->isShown("Gmaint_vcumenu"));
            QCOMPARE(w->W<QLabel>("riomioinfo_header")->text(), titles[p]);
            QCOMPARE(w->W<QLabel>("riominfo_label")->text(), QStringLiteral("1/3"));
            QCOMPARE(v->lampOf(false, 0), on);  // element 0
            QCOMPARE(v->lampOf(false, 1), off); // element 1
            QCOMPARE(v->lampOf(true, 2), on);   // element 18
            tap(*w, "ddu_proc_next_slot");
            QCOMPARE(v->lampOf(false, 0), off);
            QCOMPARE(v->lampOf(false, 1), on);
            QCOMPARE(cell(*w, "output_table", 0, 2), QStringLiteral("-")); // no signals on the right
            tap(*w, "ddu_proc_next_slot");
            tap(*w, "ddu_proc_next_slot"); // stays on 3/3
            QCOMPARE(w->W<QLabel>("riominfo_label")->text(), QStringLiteral("3/3"));
            QCOMPARE(cell(*w, "input_table", 15, 2), QStringLiteral("-"));
        }
        QCOMPARE(cell(*w, "output_table", 0, 2), QStringLiteral("--")); // BRIO2's analogue output unknown
        tap(*w, "ddu_flg1");
        tap(*w, "ddu_proc_next_slot");
        tap(*w, "ddu_proc_next_slot");
        QCOMPARE(cell(*w, "input_table", 1, 2), QStringLiteral("5.10"));
        QCOMPARE(cell(*w, "input_table", 0, 0), QStringLiteral("0101_XAngTrans"));
        QCOMPARE(cell(*w, "input_table", 0, 1), QStringLiteral("EA5-9"));
        tap(*w, "ddu_proc_prev_slot");
        tap(*w, "ddu_proc_prev_slot");
        tap(*w, "ddu_proc_prev_slot"); // stays on 1/3
        QCOMPARE(w->W<QLabel>("riominfo_label")->text(), QStringLiteral("1/3"));

        s.MVB_DDU_RIOM1_Input[0] = 2; // no data
        s.MVB_DDU_RIOM1_Input[1] = 5; // no state: the lamp stays
        tick(*w, s);
        QCOMPARE(v->lampOf(false, 0), Dir_rms_img_LEDSmallLongNoMVB);
        QCOMPARE(v->lampOf(false, 1), off);

        // The same page again: not laid out again (a mark in a name cell stays).
        table(*w, "input_table")->item(3, 0)->setText(QStringLiteral("mark"));
        tap(*w, "ddu_flg1");
        QCOMPARE(cell(*w, "input_table", 3, 0), QStringLiteral("mark"));
        tap(*w, "ddu_stb2"); // a code without a page changes nothing
        QCOMPARE(w->ioSlots->DDU_Maintenace_Selected_Processor, 1);
        QVERIFY(w->isShown("Gmaint_riom_info"));
    }

    void lifeSignBlinksAndFreezes()
    {
        auto w = makeWindow();
        SignalStore s = live();
        s.MVB_DDU_FLG1_Lifesign = 1;
        tick(*w, s);
        w->ioSlots->DDU_Maintenace_Open_Processor(1);
        QString before;
        for (int i = 0; i < 4; ++i) {
            tick(*w, s);
            const QString now = image(*w, "riominfo_status1");
            QVERIFY(now != before);
            QVERIFY(now != image(*w, "riominfo_status2"));
            before = now;
        }
        s.MVB_DDU_FLG1_Lifesign = 0;
        tick(*w, s);
        const QString frozen = image(*w, "riominfo_status1");
        tick(*w, s);
        QCOMPARE(image(*w, "riominfo_status1"), frozen);
        QCOMPARE(image(*w, "active_status"), Dir_rms_img_LEDSmallGreen);
        s.freshness_1000 = 10000; // the life sign's port stale
        s.MVB_DDU_FLG2_Active = 2;
        tick(*w, s);
        QCOMPARE(image(*w, "riominfo_status1"), Dir_rms_img_LEDSmallNoMVB);
        QCOMPARE(image(*w, "active_status"), Dir_rms_img_LEDSmallNoMVB);
    }

    // Every entry of the process information column by keypad and by touch;
    // ESC leads to the top bar, whose HOME returns.
    void processMenuWalk()
    {
        const char* entries[8] = {"node",     "energy",  "simulation", "motortemp",
                                  "software", "inching", nullptr,      "motor_status"};
        const char* groups[8] = {"Gnode",     "Genergy",  "Gsimulation", "Gmotor",
                                 "Gsoftware", "Ginching", nullptr,       "GmotorStatus"};
        auto w = makeWindow();
        for (int k = 0; k < 8; ++k) {
            if (!entries[k])
                continue; // the date and time screen is the settings'
            press(*w, "02");
            press(*w, "09", 2); // PROCESS INFO in the top bar
            press(*w, "10");
            QVERIFY(w->isShown("Gnode"));
            QCOMPARE(w->screen_id, screen::ProcessInfo);
            // On the node screen the column's other entries are 1..7 in its order.
            static const int onNode[8] = {0, 1, 2, 3, 4, 5, 6, 7};
            if (k > 0) {
                press(*w, "09", onNode[k]);
                press(*w, "10");
            }
            QVERIFY2(w->isShown(QLatin1String(groups[k])), entries[k]);
            QCOMPARE(w->screen_id, k == 5 ? screen::Inching : screen::ProcessInfo);
            SERVES_SHOWN(*w);
            press(*w, "01"); // ESC: the top bar, HOME first
            press(*w, "10");
            QCOMPARE(w->screen_id, screen::Home);
            QVERIFY2(!w->isShown(QLatin1String(groups[k])), entries[k]);
            SERVES_SHOWN(*w);

            touchAt(*w, 525, 30); // PROCESS INFO
            touchAt(*w, 900, 65 + 58 * k + 26);
            QVERIFY2(w->isShown(QLatin1String(groups[k])), entries[k]);
            QCOMPARE(w->screen_id, k == 5 ? screen::Inching : screen::ProcessInfo);
            SERVES_SHOWN(*w);
            touchAt(*w, 100, 30); // HOME
            QCOMPARE(w->screen_id, screen::Home);
            SERVES_SHOWN(*w);
        }
        // From inching (20) to energy: the screen served follows.
        touchAt(*w, 525, 30);
        touchAt(*w, 900, 65 + 58 * 5 + 26);
        touchAt(*w, 900, 65 + 58 * 1 + 26);
        QCOMPARE(w->screen_id, screen::ProcessInfo);
        QVERIFY(w->isShown("Genergy"));
    }

    // Every entry of the main menu that opens a screen of this family, by
    // keypad (ESC back to the menu) and by touch (the frame's back key).
    void mainMenuWalk()
    {
        const char* groups[10] = {"Gmenu_subsys",   "Gmenu_hvcircuit", "Gmenu_tracconv", "Gmenu_auxconv",
                                  "Gmenu_tracmoto", "Gmenu_auxsys",    "Gmenu_braksys",  "Gmenu_enermoni",
                                  "Gmenu_temp",     "Gmenu_pressure"};
        auto w = makeWindow();
        for (int k = 0; k < 10; ++k) {
            press(*w, "03");
            press(*w, "09", k);
            press(*w, "10");
            QVERIFY2(w->isShown(QLatin1String(groups[k])), groups[k]);
            QCOMPARE(w->screen_id, screen::SubsystemMenu + k);
            SERVES_SHOWN(*w);
            press(*w, "01");
            QVERIFY2(w->isShown("menu_screen") && !w->isShown(QLatin1String(groups[k])), groups[k]);
            QCOMPARE(w->screen_id, screen::MainMenu);
            SERVES_SHOWN(*w);

            touchAt(*w, menuEntry(k).x(), menuEntry(k).y());
            QVERIFY2(w->isShown(QLatin1String(groups[k])), groups[k]);
            QCOMPARE(w->screen_id, screen::SubsystemMenu + k);
            SERVES_SHOWN(*w);
            touchAt(*w, 757, 85); // the frame's back key
            QVERIFY2(w->isShown("menu_screen"), groups[k]);
            QCOMPARE(w->screen_id, screen::MainMenu);
            SERVES_SHOWN(*w);
        }
    }

    // The home screen's ways to the subsystem grid (loco pictogram, strip),
    // a subsystem's messages, and back: by touch, then the list by keypad.
    void homeToSubsystemScreens()
    {
        auto w = makeWindow();
        writeLog(kLog);
        tick(*w, live());
        // The pictogram makes it screen 2; the strip leaves the home's 1,
        // under which the grid's cells are served as well.
        for (const QPoint& way : {QPoint(80, 645), QPoint(500, 650)}) {
            touchAt(*w, way.x(), way.y());
            QCOMPARE(w->screen_id, way.x() == 80 ? screen::HomeSubsystems : screen::Home);
            QVERIFY(w->isShown("t_subsystem"));
            SERVES_SHOWN(*w);
            touchAt(*w, 150, 170); // SS01
            QVERIFY(w->isShown("t_browseloco"));
            SERVES_SHOWN(*w);
            touchAt(*w, 960, 80); // back: the grid
            QVERIFY(w->isShown("t_subsystem") && !w->isShown("t_browseloco"));
            SERVES_SHOWN(*w);
            touchAt(*w, 100, 30); // HOME
            QCOMPARE(w->screen_id, screen::Home);
            SERVES_SHOWN(*w);
        }
        touchAt(*w, 80, 645);
        touchAt(*w, 800, 500); // ALL
        SubsystemView* v = w->subsystems->subsystemView;
        QCOMPARE(v->Table_updown_Fault, 2);
        press(*w, "09", 3); // back, top, then the up key
        press(*w, "10");
        QCOMPARE(v->Table_updown_Fault, 1);
        press(*w, "08");
        press(*w, "10"); // the top key
        QCOMPARE(v->Table_updown_Fault, 0);
        press(*w, "08");
        press(*w, "10"); // the back key: the grid
        QVERIFY(w->isShown("t_subsystem") && !w->isShown("t_browseloco"));
        SERVES_SHOWN(*w);
        touchAt(*w, 800, 500);
        press(*w, "01"); // ESC: the top bar, HOME first
        press(*w, "10");
        QCOMPARE(w->screen_id, screen::Home);
        SERVES_SHOWN(*w);
    }

    // The maintenance menu's Loco opens the I/O pages, their arrows and
    // processor column page through them, System returns to the menu: by
    // keypad, then by touch.
    void maintenanceMenuToIoScreens()
    {
        auto w = makeWindow();
        w->DDU_Maintenance_Password_lock = false;
        auto page = [&w] {
            return w->W<QLabel>("riomioinfo_header")->text() + " " + w->W<QLabel>("riominfo_label")->text();
        };
        press(*w, "09", 4); // MAINTENANCE in the top bar
        press(*w, "10");
        QCOMPARE(w->screen_id, screen::MaintenanceMenu);
        SERVES_SHOWN(*w);
        press(*w, "09", 6); // Loco, the menu's last entry
        press(*w, "10");
        QCOMPARE(w->screen_id, screen::LocoIo);
        QCOMPARE(page(), QStringLiteral("RIOM1 SIGNAL 1/3"));
        SERVES_SHOWN(*w);
        press(*w, "10"); // focus 0: the next-slot arrow
        QCOMPARE(page(), QStringLiteral("RIOM1 SIGNAL 2/3"));
        press(*w, "09");
        press(*w, "10"); // the previous-slot arrow
        QCOMPARE(page(), QStringLiteral("RIOM1 SIGNAL 1/3"));
        press(*w, "01"); // to the processor column, starting at the selected one
        press(*w, "09");
        press(*w, "10"); // the one after RIOM1
        QCOMPARE(page(), QStringLiteral("RIOM2 SIGNAL 1/3"));
        press(*w, "01");
        press(*w, "09", 4); // past the four processor keys the loco page shows: System
        press(*w, "10");
        QCOMPARE(w->screen_id, screen::MaintenanceMenu);
        SERVES_SHOWN(*w);

        touchAt(*w, 900, 650); // Loco
        QCOMPARE(page(), QStringLiteral("RIOM1 SIGNAL 1/3"));
        SERVES_SHOWN(*w);
        touchAt(*w, 750, 640); // next slot
        QCOMPARE(page(), QStringLiteral("RIOM1 SIGNAL 2/3"));
        touchAt(*w, 900, 190); // BRIO1
        QCOMPARE(page(), QStringLiteral("BRIO1 SIGNAL 1/3"));
        touchAt(*w, 900, 595); // System
        QCOMPARE(w->screen_id, screen::MaintenanceMenu);
        SERVES_SHOWN(*w);
        touchAt(*w, 900, 650);
        press(*w, "01");
        press(*w, "01"); // ESC twice: the top bar, HOME first
        press(*w, "10");
        QCOMPARE(w->screen_id, screen::Home);
        SERVES_SHOWN(*w);
    }
};

QTEST_MAIN(TestProcessScreens)
#include "tst_process_screens.moc"
