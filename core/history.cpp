#include "history.h"

#include <algorithm>
#include <utility>

namespace vavivor {

int HistoryState::record(HistoryEntry entry) {
    const int index = size();
    entry.parent = m_current;
    entry.children.clear();
    entry.lastChild = -1;
    if (m_current < 0) {
        entry.depth = 0;
        entry.lane = m_laneCount++;
    } else {
        HistoryEntry& parent = m_entries[static_cast<std::size_t>(m_current)];
        parent.children.push_back(index);
        parent.lastChild = index;
        entry.depth = parent.depth + 1;
        // The first child goes on in its parent's lane; every later child opens a lane of its
        // own below all others, so the places already given never move.
        entry.lane = parent.children.size() == 1 ? parent.lane : m_laneCount++;
    }
    m_entries.push_back(std::move(entry));
    m_current = index;
    return index;
}

bool HistoryState::canGoBack() const {
    return m_current >= 0 && entry(m_current).parent >= 0;
}

bool HistoryState::canGoForward() const {
    return m_current >= 0 && entry(m_current).lastChild >= 0;
}

bool HistoryState::goTo(int index) {
    if (index < 0 || index >= size()) {
        return false;
    }
    for (int child = index, parent = entry(index).parent; parent >= 0;
         child = parent, parent = entry(parent).parent) {
        m_entries[static_cast<std::size_t>(parent)].lastChild = child;
    }
    m_current = index;
    return true;
}

std::vector<int> HistoryState::lineage(int index) const {
    std::vector<int> line;
    for (int at = index; at >= 0 && at < size(); at = entry(at).parent) {
        line.push_back(at);
    }
    std::reverse(line.begin(), line.end());
    return line;
}

} // namespace vavivor
