// The Refrigerant and Valve Types menus of a worksheet, built from the engine's refrigerant and
// series tables: one entry per refrigerant in table order, one per series in menu order, the
// "K" and "V" series under their group entries. Both worksheets build theirs here.
#pragma once

#include "engine/choice_rules.h"
#include "worksheets/menu_entry.h"

#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace korveld {

class PickMenus {
public:
    PickMenus(MenuEntry& mnuRefrig, MenuEntry& mnuValTypes);
    PickMenus(const PickMenus&) = delete;
    PickMenus& operator=(const PickMenus&) = delete;

    // The entry of Refrigerants()[i] and of SeriesMenu()[i].
    MenuEntry& refrigerantEntry(std::size_t i) { return *m_refrigerants[i]; }
    MenuEntry& seriesEntry(std::size_t i) { return *m_series[i]; }
    // By refrigerant name and by series number; nullptr when the menu has none.
    MenuEntry* refrigerantMenu(std::string_view name) const;
    MenuEntry* seriesMenu(std::int16_t SeriesNo) const;
    const std::vector<MenuEntry*>& refrigerantEntries() const { return m_refrigerants; }
    const std::vector<MenuEntry*>& seriesEntries() const { return m_series; }
    // Every entry, the group entries included, loses its check mark.
    void clearMarks();

    MenuEntry* mnuKSer = nullptr;
    MenuEntry* mnuVSer = nullptr;

private:
    std::deque<MenuEntry> m_entries; // never moved: the menu tree points at them
    std::vector<MenuEntry*> m_refrigerants;
    std::vector<MenuEntry*> m_series;
};

} // namespace korveld
