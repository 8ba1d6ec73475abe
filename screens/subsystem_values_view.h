#pragma once
// The nine subsystem value screens of the menu area (HV circuit, traction
// converter, auxiliary converter, traction motor, auxiliary system, braking
// system, energy monitoring, temperatures, pressures): each a table of
// labelled display texts of the signal store, described as data
// (subsystem_values_table.cpp) and laid out by one loop. A value is written
// only when its text changes; an unknown one shows "--" in grey.

#include <QObject>
#include <QStringList>

#include <vector>

#include "acquisition/signal_store.h"

class QLabel;
class QTableWidget;
class QWidget;

namespace subsysvalues {

// One cell of a value screen: a label or heading (text) or a value (member).
struct Cell {
    int row, column, rowSpan, columnSpan;
    const char* text;              // label or heading (translated), or nullptr
    QString DerivedValues::*value; // value text, or nullptr
    const char* unit;              // appended to a known value, or nullptr
};

struct Screen {
    const char* group;
    const char* table;
    const char* title;
    int screenId;
    int rows, columns;
    std::vector<int> widths;
    int rowHeight;
    bool finerGrid; // the auxiliary converter's darker grid with a 1 px border
    std::vector<Cell> cells;
};

constexpr int kScreenCount = 9;
// The screens in the order the refresh tick tests their groups.
const Screen& screen(int index);

} // namespace subsysvalues

class SubsystemValuesView : public QObject {
public:
    explicit SubsystemValuesView(QObject* parent);

    // Creates each screen's table in its group.
    static void build(QWidget* root);
    QStringList resolve(QWidget* root);

    // Title, labels, spans and sizes of screen `index`; value cells in the
    // font of the language.
    void layout(int index, bool hindi);
    // The values of screen `index` from the tick's snapshot.
    void update(int index, const SignalStore& s);

    QWidget* group(int index) const { return m_groups[index]; }
    QTableWidget* table(int index) const { return m_tables[index]; }
    QLabel* menuscreen_header = nullptr;

private:
    QWidget* m_groups[subsysvalues::kScreenCount] = {};
    QTableWidget* m_tables[subsysvalues::kScreenCount] = {};
};
