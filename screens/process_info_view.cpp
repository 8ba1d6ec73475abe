#include "screens/process_info_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "acquisition/unknown.h"
#include "screens/table_cells.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/translated_text.h"
#include "ui/widget_factory.h"
#include "ui/widget_writer.h"

using namespace ui;
using Screen = ProcessInfoView::Screen;

namespace {

constexpr QRgb kLabelText = qRgb(150, 150, 150);
constexpr QRgb kOffBackground = qRgb(0x4d, 0x00, 0x00);
constexpr QRgb kOnBackground = qRgb(0x00, 0x3b, 0x00);

// Geometry inside a screen group: the content lies left of the menu column
// (window x 790), so it is centred on 0 .. 788.
constexpr int kContentWidth = 788;
constexpr int kTableY = 62;
constexpr int kLabelWidth = 330;
constexpr int kValueWidth = 270;
constexpr int kLampSize = 28;

// Data table: the labelled value screens, one entry per screen.
// clang-format off
struct ValueScreen {
    Screen screen;
    const char* title;
    int rows;
    const char* labels[9];
    int rowHeight;
    int lastRowHeight;
    int pointSize;
};
const ValueScreen kValueScreens[] = {
    {Screen::Node, QT_TRANSLATE_NOOP("MainWindow", "Node Information"), 7,
     {"FLG1", "SLG1", "ALG1", "FLG2", "SLG2", "ALG2", "SLV"}, 55, 51, 20},
    {Screen::Energy, QT_TRANSLATE_NOOP("MainWindow", "Energy Counter"), 3,
     {QT_TRANSLATE_NOOP("MainWindow", "Loco Number"), QT_TRANSLATE_NOOP("MainWindow", "Consumed"),
      QT_TRANSLATE_NOOP("MainWindow", "Regenerated")}, 55, 55, 20},
    {Screen::Simulation, QT_TRANSLATE_NOOP("MainWindow", "Simulation Mode"), 6,
     {QT_TRANSLATE_NOOP("MainWindow", "Status"), "UPRIM", "VACT", QT_TRANSLATE_NOOP("MainWindow", "TE/BE Demand"),
      "FLG1", "SLG1"}, 55, 55, 20},
    {Screen::MotorTemperatures, QT_TRANSLATE_NOOP("MainWindow", "Motor Temperatures"), 6,
     {QT_TRANSLATE_NOOP("MainWindow", "Motor 1"), QT_TRANSLATE_NOOP("MainWindow", "Motor 2"),
      QT_TRANSLATE_NOOP("MainWindow", "Motor 3"), QT_TRANSLATE_NOOP("MainWindow", "Motor 4"),
      QT_TRANSLATE_NOOP("MainWindow", "Motor 5"), QT_TRANSLATE_NOOP("MainWindow", "Motor 6")}, 55, 55, 20},
    {Screen::Software, QT_TRANSLATE_NOOP("MainWindow", "Software Versions"), 9,
     {"RIOM1", "RIOM2", "BRIO1", "BRIO2", "SLG1", "SLG2", "BUR1", "BUR2", "BUR3"}, 47, 47, 20},
    {Screen::Inching, QT_TRANSLATE_NOOP("MainWindow", "Inching Mode"), 3,
     {QT_TRANSLATE_NOOP("MainWindow", "Active"), QT_TRANSLATE_NOOP("MainWindow", "Actual Speed"),
      QT_TRANSLATE_NOOP("MainWindow", "Set Speed")}, 55, 55, 18},
};

// The menu column: its buttons top to bottom, 53 high in steps of 58.
struct MenuEntry {
    const char* name;
    const char* text;
};
const MenuEntry kMenu[8] = {
    {"node", QT_TRANSLATE_NOOP("MainWindow", "NODE INFO")},
    {"energy", QT_TRANSLATE_NOOP("MainWindow", "ENERGY")},
    {"simulation", QT_TRANSLATE_NOOP("MainWindow", "SIMULATION")},
    {"motortemp", QT_TRANSLATE_NOOP("MainWindow", "MOTOR TEMP")},
    {"software", QT_TRANSLATE_NOOP("MainWindow", "SOFTWARE")},
    {"inching", QT_TRANSLATE_NOOP("MainWindow", "INCHING")},
    {"setdatetime", QT_TRANSLATE_NOOP("MainWindow", "DATE / TIME")},
    {"motor_status", QT_TRANSLATE_NOOP("MainWindow", "MOTOR STATUS")},
};
// clang-format on

const ValueScreen* valueScreen(Screen screen)
{
    for (const ValueScreen& v : kValueScreens)
        if (v.screen == screen)
            return &v;
    return nullptr;
}

QWidget* child(QWidget* root, const char* name)
{
    return root->findChild<QWidget*>(QLatin1String(name));
}

} // namespace

ProcessInfoView::ProcessInfoView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("processInfoView"));
}

void ProcessInfoView::build(QWidget* root)
{
    using namespace ddu_ui;
    if (QWidget* menu = child(root, "Gproinfo_menu")) {
        opaqueGroup(menu);
        menu->setStyleSheet(look::MenuColumn);
        for (int k = 0; k < 8; ++k)
            button(menu, kMenu[k].name, {5, 13 + 58 * k, 220, 53}, ui::trScreen(kMenu[k].text), Key_submenu_Style);
    }
    struct Built {
        const char* group;
        const char* title;
        const char* table;
    };
    static const Built screens[] = {{"Gnode", "node_label", "t_node"},
                                    {"Genergy", "energy_label", "t_energy"},
                                    {"Gsimulation", "simul_header", "t_simulation"},
                                    {"Gmotor", "motor_label", "t_motor"},
                                    {"Gsoftware", "software_header", "t_software1"},
                                    {"Ginching", "inching_label", "t_inching"},
                                    {"GmotorStatus", "motorStatus_label", "t_motorStatus"}};
    for (const Built& b : screens) {
        QWidget* g = child(root, b.group);
        if (!g)
            continue;
        opaqueGroup(g);
        label(g, b.title, {0, 8, kContentWidth, 44}, QString(), ui::titleStyle(24))->setAlignment(Qt::AlignCenter);
        table(g, b.table, {}, 0, 2);
    }
    if (QWidget* g = child(root, "Gsimulation"))
        label(g, "simul_img", {}, QString(), look::Bare);
    if (QWidget* g = child(root, "Ginching")) {
        label(g, "image_label", {}, QString(), look::Bare);
        label(g, "inching_value", {300, 420, 200, 40})->hide();
        const QString flat = Key_submenu_Style;
        auto* down = button(g, "inching_down", {410, 340, 60, 60}, QString(), flat);
        auto* up = button(g, "inching_up", {580, 340, 60, 60}, QString(), flat);
        down->setIcon(QIcon(Dir_rms_img_ArrowLeft));
        up->setIcon(QIcon(Dir_rms_img_ArrowRight));
        down->setIconSize(QSize(37, 37));
        up->setIconSize(QSize(37, 37));
        down->hide();
        up->hide();
    }
}

QStringList ProcessInfoView::widgetNames()
{
    QStringList names;
#define PROC_NAME(n) names << QStringLiteral(#n);
    PROC_GROUPS(PROC_NAME)
    PROC_LABELS(PROC_NAME)
    PROC_TABLES(PROC_NAME)
    PROC_BUTTONS(PROC_NAME)
#undef PROC_NAME
    return names;
}

QStringList ProcessInfoView::resolve(QWidget* root)
{
    QStringList missing;
#define PROC_RESOLVE(n) findWidget(root, n, #n, missing);
    PROC_GROUPS(PROC_RESOLVE)
    PROC_LABELS(PROC_RESOLVE)
    PROC_TABLES(PROC_RESOLVE)
    PROC_BUTTONS(PROC_RESOLVE)
#undef PROC_RESOLVE
    return missing;
}

QWidget* ProcessInfoView::group(Screen screen) const
{
    switch (screen) {
    case Screen::Node: return Gnode;
    case Screen::Energy: return Genergy;
    case Screen::Simulation: return Gsimulation;
    case Screen::MotorTemperatures: return Gmotor;
    case Screen::Software: return Gsoftware;
    case Screen::Inching: return Ginching;
    case Screen::MotorStatus: return GmotorStatus;
    }
    return nullptr;
}

QAbstractButton* ProcessInfoView::menuButton(Screen screen) const
{
    switch (screen) {
    case Screen::Node: return node;
    case Screen::Energy: return energy;
    case Screen::Simulation: return simulation;
    case Screen::MotorTemperatures: return motortemp;
    case Screen::Software: return software;
    case Screen::Inching: return inching;
    case Screen::MotorStatus: return motor_status;
    }
    return nullptr;
}

// ================================================================ layout

void ProcessInfoView::layout(Screen screen, bool hindi)
{
    QAbstractButton* buttons[8] = {node, energy, simulation, motortemp, software, inching, setdatetime, motor_status};
    for (int k = 0; k < 8; ++k)
        if (buttons[k])
            buttons[k]->setText(ui::trScreen(kMenu[k].text));
    markMenu(screen);
    if (screen == Screen::MotorStatus) {
        putText(motorStatus_label, QCoreApplication::translate("MainWindow", "Motor Status"));
        putStyle(motorStatus_label, ui::titleStyle(24, hindi));
        return;
    }
    layoutValueScreen(screen, hindi);
}

// The screen's menu entry keeps the "selected" look (the keypad focus frame
// is drawn over it when it is focused); the other entries are plain.
void ProcessInfoView::markMenu(Screen screen)
{
    markEntry(menuButton(screen));
}

void ProcessInfoView::showMenu(QAbstractButton* entry)
{
    ui::showRaised(Gproinfo_menu);
    markEntry(entry);
}

void ProcessInfoView::markEntry(QAbstractButton* current)
{
    QAbstractButton* buttons[8] = {node, energy, simulation, motortemp, software, inching, setdatetime, motor_status};
    for (QAbstractButton* b : buttons) {
        if (!b)
            continue;
        const bool selected = b == current;
        b->setProperty("dduSelected", selected);
        putStyle(b, selected ? Key_submenu_select_Style : Key_submenu_Style);
    }
}

void ProcessInfoView::layoutValueScreen(Screen screen, bool hindi)
{
    const ValueScreen* v = valueScreen(screen);
    QTableWidget* t = nullptr;
    QLabel* title = nullptr;
    QLabel* lamp = nullptr;
    switch (screen) {
    case Screen::Node: t = t_node, title = node_label; break;
    case Screen::Energy: t = t_energy, title = energy_label; break;
    case Screen::Simulation: t = t_simulation, title = simul_header, lamp = simul_img; break;
    case Screen::MotorTemperatures: t = t_motor, title = motor_label; break;
    case Screen::Software: t = t_software1, title = software_header; break;
    case Screen::Inching: t = t_inching, title = inching_label, lamp = image_label; break;
    case Screen::MotorStatus: return;
    }
    if (!v || !t)
        return;
    putText(title, ui::trScreen(v->title));
    putStyle(title, ui::titleStyle(24, hindi));
    plainTable(t, look::ProcessTable);
    if (t->rowCount() != v->rows || t->columnCount() != 2) {
        t->setRowCount(v->rows);
        t->setColumnCount(2);
    }
    int height = 4;
    for (int r = 0; r < v->rows; ++r) {
        const int h = r == v->rows - 1 ? v->lastRowHeight : v->rowHeight;
        t->setRowHeight(r, h);
        height += h;
        QTableWidgetItem* l = cellItem(t, r, 0, tableFont(v->pointSize));
        putCellText(l, ui::trScreen(v->labels[r]));
        putCellColours(l, kLabelText, kCellBackground);
        cellItem(t, r, 1, tableFont(v->pointSize));
    }
    t->setColumnWidth(0, kLabelWidth);
    t->setColumnWidth(1, kValueWidth);
    const int x = (kContentWidth - kLabelWidth - kValueWidth - 4) / 2;
    t->setGeometry(x, kTableY, kLabelWidth + kValueWidth + 4, height);
    if (lamp) {
        lamp->setGeometry(x + 2 + kLabelWidth + (kValueWidth - kLampSize) / 2,
                          kTableY + 2 + (v->rowHeight - kLampSize) / 2, kLampSize, kLampSize);
        lamp->raise();
    }
}

void ProcessInfoView::layoutMotorStatus(proc::MotorLayout layout)
{
    QTableWidget* t = t_motorStatus;
    if (!t)
        return;
    const bool slave = proc::motorWithSlave(layout);
    const int rows = proc::motorRows(layout);
    plainTable(t, look::MotorTable);
    t->horizontalHeader()->show();
    t->setRowCount(0); // empty status cells: nothing of the previous layout stays
    t->setColumnCount(4);
    t->setRowCount(6);
    t->setHorizontalHeaderLabels(slave ? QStringList{QCoreApplication::translate("MainWindow", "Master Motor"),
                                                     QCoreApplication::translate("MainWindow", "Status"),
                                                     QCoreApplication::translate("MainWindow", "Slave Motor"),
                                                     QCoreApplication::translate("MainWindow", "Status")}
                                       : QStringList{QCoreApplication::translate("MainWindow", "Motors"),
                                                     QCoreApplication::translate("MainWindow", "Status"), QString(),
                                                     QString()});
    const int widths[4] = {slave ? 175 : 350, slave ? 98 : 194, 175, 98};
    for (int c = 0; c < 4; ++c) {
        t->setColumnWidth(c, widths[c]);
        t->setColumnHidden(c, !slave && c >= 2);
    }
    const int rowHeight = 59;
    for (int r = 0; r < 6; ++r) {
        t->setRowHeight(r, rowHeight);
        t->setRowHidden(r, r >= rows);
        const QString name = slave ? QCoreApplication::translate("MainWindow", "TM %1").arg(r + 1)
                                   : QCoreApplication::translate("MainWindow", "Traction Motor %1").arg(r + 1);
        for (int c = 0; c < 4; ++c) {
            QTableWidgetItem* item = cellItem(t, r, c, tableFont(20));
            if (c == 0 || c == 2)
                putCellText(item, name);
        }
    }
    const int width = (slave ? 175 + 98 + 175 + 98 : 350 + 194) + 4;
    t->setGeometry((kContentWidth - width) / 2, kTableY, width, rows == 6 ? 403 : 285);
    m_motorLayout = layout;
}

void ProcessInfoView::resetMotorStatusColours()
{
    QTableWidget* t = t_motorStatus;
    for (int r = 0; t && r < t->rowCount(); ++r)
        for (int c = 0; c < t->columnCount(); ++c)
            if (QTableWidgetItem* item = t->item(r, c))
                putCellColours(item, item->foreground().color().rgb(), kCellBackground);
}

bool ProcessInfoView::inchingOffered(int selectedCab, int activeCab)
{
    return (selectedCab == 1 || selectedCab == 2) && selectedCab == activeCab;
}

// ================================================================ refresh

void ProcessInfoView::putValues(QTableWidget* t, const QString* values, int count)
{
    if (!t)
        return;
    for (int r = 0; r < count && r < t->rowCount(); ++r)
        putCellValue(t->item(r, 1), values[r]);
}

void ProcessInfoView::putLamp(QLabel* lamp, int state, int& drawn)
{
    if (state == drawn)
        return;
    switch (proc::lampFor(state)) {
    case proc::Lamp::Off: putImage(lamp, Dir_rms_img_LEDSmallGray); break;
    case proc::Lamp::On: putImage(lamp, Dir_rms_img_LEDSmallGreen); break;
    case proc::Lamp::NoData: putImage(lamp, Dir_rms_img_LEDSmallNoMVB); break;
    case proc::Lamp::Keep: break;
    }
    drawn = state;
}

void ProcessInfoView::updateNodes(const SignalStore& s)
{
    const QString v[7] = {s.MVB_DDU_FLG1_Node_String, s.MVB_DDU_SLG1_Node_String, s.MVB_DDU_ALG1_Node_String,
                          s.MVB_DDU_FLG2_Node_String, s.MVB_DDU_SLG2_Node_String, s.MVB_DDU_ALG2_Node_String,
                          s.MVB_DDU_SLV_Node_String};
    putValues(t_node, v, 7);
}

void ProcessInfoView::updateEnergy(const SignalStore& s)
{
    const QString kwh = QStringLiteral(" kWh");
    const QString v[3] = {s.MVB_DDU_Loco_NO_String, proc::withUnit(s.MVB_DDU_Energy_Consumed_String, kwh),
                          proc::withUnit(s.MVB_DDU_Energy_Regenerated_String, kwh)};
    putValues(t_energy, v, 3);
}

void ProcessInfoView::updateSimulation(const SignalStore& s)
{
    putLamp(simul_img, s.MVB_DDU_Loco_Simulation_Status, m_simulationLamp);
    const QString v[6] = {QString(),
                          proc::withUnit(s.MVB_DDU_UPRIM_String, QStringLiteral(" kV")),
                          proc::withUnit(s.MVB_DDU_Speed_String, QStringLiteral(" km/h")),
                          proc::withUnit(s.MVB_DDU_BE_Demand_String, QStringLiteral(" kN")),
                          s.MVB_DDU_FLG1_Node_String,
                          s.MVB_DDU_SLG1_Node_String};
    putValues(t_simulation, v, 6);
}

void ProcessInfoView::updateMotorTemperatures(const SignalStore& s)
{
    const QString degrees = QStringLiteral(" \u00B0C");
    const QString v[6] = {proc::withUnit(s.MVB_DDU_TM_Temperature1_String, degrees),
                          proc::withUnit(s.MVB_DDU_TM_Temperature2_String, degrees),
                          proc::withUnit(s.MVB_DDU_TM_Temperature3_String, degrees),
                          proc::withUnit(s.MVB_DDU_TM_Temperature4_String, degrees),
                          proc::withUnit(s.MVB_DDU_TM_Temperature5_String, degrees),
                          proc::withUnit(s.MVB_DDU_TM_Temperature6_String, degrees)};
    putValues(t_motor, v, 6);
}

void ProcessInfoView::updateSoftware(const SignalStore& s)
{
    const QString v[9] = {
        s.MVB_DDU_Soft_Ver_STB1_String, s.MVB_DDU_Soft_Ver_STB2_String, s.MVB_DDU_Soft_Ver_FLG1_String,
        s.MVB_DDU_Soft_Ver_FLG2_String, s.MVB_DDU_Soft_Ver_SLG1_String, s.MVB_DDU_Soft_Ver_SLG2_String,
        s.MVB_DDU_Soft_Ver_BUR1_String, s.MVB_DDU_Soft_Ver_BUR2_String, s.MVB_DDU_Soft_Ver_BUR3_String};
    putValues(t_software1, v, 9);
}

void ProcessInfoView::updateInching(const SignalStore& s, int selectedCab)
{
    putLamp(image_label, s.MVB_DDU_Inching_mod_Active, m_inchingLamp);
    const QString kmh = QStringLiteral(" km/h");
    const QString v[3] = {QString(), proc::withUnit(s.MVB_DDU_Speed_Inching_String, kmh),
                          proc::withUnit(s.MVB_DDU_Inching_Set_Speed_String, kmh)};
    putValues(t_inching, v, 3);
    const bool offered = inchingOffered(selectedCab, s.MVB_DDU_Cab_Active);
    putShown(inching_up, offered);
    putShown(inching_down, offered);
}

void ProcessInfoView::updateMotorStatus(const SignalStore& s)
{
    const proc::MotorLayout layout =
        proc::motorLayout(s.CoCo_bogie_chasis, s.CoCo_bogie_chasisR, s.multiOpMode_slave1_active);
    if (layout == proc::MotorLayout::None)
        return; // an unexpected multiple-operation flag leaves the table as it is
    if (layout != m_motorLayout)
        layoutMotorStatus(layout);
    QTableWidget* t = t_motorStatus;
    if (!t)
        return;
    const QString on = QCoreApplication::translate("MainWindow", "ON"),
                  off = QCoreApplication::translate("MainWindow", "OFF");
    const int columns = proc::motorWithSlave(layout) ? 2 : 1;
    for (int r = 0; r < proc::motorRows(layout); ++r) {
        const int e = proc::motorElement(layout, r);
        for (int k = 0; k < columns; ++k) {
            QTableWidgetItem* item = t->item(r, 1 + 2 * k);
            const int state = k == 0 ? s.MVB_DDU_MotorMaster_Status[e] : s.MVB_DDU_MotorSlave_Status[e];
            if (state == 0 || state == 1) {
                putCellText(item, state == 1 ? on : off);
                putCellColours(item, kCellText, state == 1 ? kOnBackground : kOffBackground);
            } else {
                // Not known (its port stale), or a value the display does not know.
                putCellValue(item, unknownText());
                putCellColours(item, kNoDataGrey, kCellBackground);
            }
        }
    }
}
