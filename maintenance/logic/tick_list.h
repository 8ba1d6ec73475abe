#pragma once
// The ticked rows of a table: at most kMax, kept as 1-based row numbers in
// slots (0: a free slot), as the variable table and the telegram filter hold
// them (checked_items / telegram_filter_checked_items).

#include <QVector>

class TickList {
public:
    static constexpr int kMax = 20;

    // Ticks `row` (0-based); false when kMax rows are ticked already (the tick
    // is to be taken back). Ticking a ticked row again changes nothing.
    bool tick(int row);
    void untick(int row);
    void clear();
    int count() const { return m_count; }
    bool contains(int row) const;
    // The ticked rows (0-based), in table order.
    QVector<int> rows() const;
    // Slot k: 1-based row number, 0 when free.
    int slot(int k) const { return m_items[k]; }

private:
    int m_items[kMax] = {};
    int m_count = 0;
};

// Moving the selection of a table whose rows may be hidden (filters). Each
// returns the row to select, -1 when the table has no visible row.
namespace moves {

template <class Hidden> int top(int rows, Hidden hidden)
{
    for (int r = 0; r < rows; ++r)
        if (!hidden(r))
            return r;
    return -1;
}

template <class Hidden> int bottom(int rows, Hidden hidden)
{
    for (int r = rows - 1; r >= 0; --r)
        if (!hidden(r))
            return r;
    return -1;
}

// One visible row down (delta 1) or up (-1) from `row`. Where no visible row
// is left in that direction the selection stays where it is (selecting a
// hidden row would move a highlight nobody can see).
template <class Hidden> int step(int row, int delta, int rows, Hidden hidden)
{
    if (rows <= 0)
        return -1;
    for (int r = row + delta; r >= 0 && r < rows; r += delta)
        if (!hidden(r))
            return r;
    if (row >= 0 && row < rows && !hidden(row))
        return row;
    return delta > 0 ? bottom(rows, hidden) : top(rows, hidden);
}

} // namespace moves
