#pragma once
// The process information screens' view: the menu column and the seven
// screens beside it (nodes, energy, simulation, motor temperatures, software
// versions, inching, motor status). Each screen is a table of labelled values
// from the tick's snapshot; the simulation and inching screens add a lamp,
// the inching screen its two request buttons, the motor status screen one of
// four layouts by the number of motors and multiple operation.
//
// Values are written only when they change; a value whose port is stale shows
// "--" in grey, a lamp the no-data lamp. ProcessInfoScreen
// (screens/process_info_screen.*) runs the screen model and calls the view.

#include <QObject>
#include <QStringList>

#include "acquisition/signal_store.h"
#include "screens/process_rules.h"

class QAbstractButton;
class QLabel;
class QTableWidget;
class QWidget;

// clang-format off
#define PROC_GROUPS(X) X(Gproinfo_menu) X(Gnode) X(Genergy) X(Gsimulation) X(Gmotor) X(Gsoftware) X(Ginching) \
    X(GmotorStatus)
#define PROC_LABELS(X) X(node_label) X(energy_label) X(simul_header) X(simul_img) X(motor_label) \
    X(software_header) X(inching_label) X(image_label) X(inching_value) X(motorStatus_label)
#define PROC_TABLES(X) X(t_node) X(t_energy) X(t_simulation) X(t_motor) X(t_software1) X(t_inching) \
    X(t_motorStatus)
#define PROC_BUTTONS(X) X(node) X(energy) X(simulation) X(motortemp) X(software) X(inching) X(setdatetime) \
    X(motor_status) X(inching_up) X(inching_down)
// clang-format on

class ProcessInfoView : public QObject {
public:
    enum class Screen { Node, Energy, Simulation, MotorTemperatures, Software, Inching, MotorStatus };

    explicit ProcessInfoView(QObject* parent);

    // Creates the menu column's buttons and the screens' widgets in their groups.
    static void build(QWidget* root);
    // Finds the widgets by name; returns the names missing or of another kind.
    QStringList resolve(QWidget* root);
    static QStringList widgetNames();

    // Group of a screen, and the menu button that opens it.
    QWidget* group(Screen screen) const;
    QAbstractButton* menuButton(Screen screen) const;

    // Title, row labels and sizes of a screen (texts through the translator,
    // fonts by language), and the menu column with the screen's entry marked.
    void layout(Screen screen, bool hindi);
    // The menu column shown and raised with `entry` marked as the screen
    // shown (the date and time screen stands beside it too).
    void showMenu(QAbstractButton* entry);

    // ----- refresh from the tick's snapshot -----
    void updateNodes(const SignalStore& s);
    void updateEnergy(const SignalStore& s);
    void updateSimulation(const SignalStore& s);
    void updateMotorTemperatures(const SignalStore& s);
    void updateSoftware(const SignalStore& s);
    // `selectedCab`: the cab this unit serves (the request buttons are only
    // offered there while that cab is the active one).
    void updateInching(const SignalStore& s, int selectedCab);
    void updateMotorStatus(const SignalStore& s);

    // The motor status table is laid out again on its next refresh.
    void forgetMotorLayout() { m_motorLayout = proc::MotorLayout::None; }
    proc::MotorLayout motorLayout() const { return m_motorLayout; }
    // Paints every cell of the motor status table black.
    void resetMotorStatusColours();

    // The request buttons are offered only in the active cab this unit
    // serves (cab 1 or 2; a unit without a cab writes no requests).
    static bool inchingOffered(int selectedCab, int activeCab);

#define PROC_DECLARE(n) QWidget* n = nullptr;
    PROC_GROUPS(PROC_DECLARE)
#undef PROC_DECLARE
#define PROC_DECLARE(n) QLabel* n = nullptr;
    PROC_LABELS(PROC_DECLARE)
#undef PROC_DECLARE
#define PROC_DECLARE(n) QTableWidget* n = nullptr;
    PROC_TABLES(PROC_DECLARE)
#undef PROC_DECLARE
#define PROC_DECLARE(n) QAbstractButton* n = nullptr;
    PROC_BUTTONS(PROC_DECLARE)
#undef PROC_DECLARE

private:
    void layoutValueScreen(Screen screen, bool hindi);
    void layoutMotorStatus(proc::MotorLayout layout);
    void markMenu(Screen screen);
    void markEntry(QAbstractButton* current);
    void putValues(QTableWidget* table, const QString* values, int count);
    void putLamp(QLabel* lamp, int state, int& drawn);

    int m_simulationLamp = 10; // state last drawn (10: none yet)
    int m_inchingLamp = 10;
    proc::MotorLayout m_motorLayout = proc::MotorLayout::None;
};
