#include "maintenance/logic/tick_list.h"

#include <algorithm>

bool TickList::tick(int row)
{
    if (contains(row))
        return true;
    if (m_count >= kMax)
        return false;
    for (int& item : m_items) {
        if (item == 0) {
            item = row + 1;
            ++m_count;
            return true;
        }
    }
    return false;
}

void TickList::untick(int row)
{
    for (int& item : m_items) {
        if (item == row + 1) {
            item = 0;
            --m_count;
        }
    }
}

void TickList::clear()
{
    std::fill(std::begin(m_items), std::end(m_items), 0);
    m_count = 0;
}

bool TickList::contains(int row) const
{
    return std::find(std::begin(m_items), std::end(m_items), row + 1) != std::end(m_items);
}

QVector<int> TickList::rows() const
{
    QVector<int> out;
    for (int item : m_items)
        if (item != 0)
            out.append(item - 1);
    std::sort(out.begin(), out.end());
    return out;
}
