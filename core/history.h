#pragma once

#include "screen.h"

#include <vector>

namespace vavivor {

// One screen of the run, as it was drawn, and its place in the family tree.
struct HistoryEntry {
    Screen screen;

    int parent = -1; // the screen this one was bred from, -1 for the first
    std::vector<int> children;
    int lastChild = -1; // the child visited last: where Forward goes
    int depth = 0;      // generations from the first screen
    int lane = 0;       // the row of the family tree its branch runs in
};

// The screens of the run as a tree: a new screen is a child of the current one, so that
// breeding after going back starts a new branch and keeps the old one. Entries are numbered
// in the order they were drawn and never removed.
class HistoryState {
public:
    // Adds `entry` as a child of the current entry (or as the first entry) and makes it
    // current; its family links and tree place are filled in here. Returns its number.
    int record(HistoryEntry entry);

    [[nodiscard]] bool canGoBack() const;
    [[nodiscard]] bool canGoForward() const;
    // Entry `index` becomes current, and every entry on the way from the first one to it
    // becomes its parent's last visited child. False for an index that is no entry.
    bool goTo(int index);

    [[nodiscard]] int current() const { return m_current; } // -1 while empty
    [[nodiscard]] int newest() const { return static_cast<int>(m_entries.size()) - 1; }
    [[nodiscard]] int size() const { return static_cast<int>(m_entries.size()); }
    [[nodiscard]] int laneCount() const { return m_laneCount; }
    [[nodiscard]] const HistoryEntry& entry(int index) const {
        return m_entries[static_cast<std::size_t>(index)];
    }
    // The entries from the first one down to `index`, first one first.
    [[nodiscard]] std::vector<int> lineage(int index) const;

private:
    std::vector<HistoryEntry> m_entries;
    int m_current = -1;
    int m_laneCount = 0;
};

} // namespace vavivor
