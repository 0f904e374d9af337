#include "worksheets/pick_menus.h"

namespace korveld {

PickMenus::PickMenus(MenuEntry& mnuRefrig, MenuEntry& mnuValTypes) {
    const auto add = [this](MenuEntry& parent, std::string_view name, std::string_view caption) -> MenuEntry& {
        return m_entries.emplace_back(parent, MenuDesign{.name = name, .caption = caption});
    };
    const std::span<const RefrigerantInfo> refrigerants = Refrigerants();
    m_refrigerants.reserve(refrigerants.size());
    for (const RefrigerantInfo& refrigerant : refrigerants) {
        m_refrigerants.push_back(&add(mnuRefrig, refrigerant.menuControl, refrigerant.name));
    }
    m_series.reserve(SeriesMenu().size());
    for (const SeriesMenuEntry& series : SeriesMenu()) {
        MenuEntry* parent = &mnuValTypes;
        if (series.group == SeriesMenuGroup::KSeries) {
            if (mnuKSer == nullptr) {
                mnuKSer = &add(mnuValTypes, "mnuKSer", "\"K\" Series");
            }
            parent = mnuKSer;
        } else if (series.group == SeriesMenuGroup::VSeries) {
            if (mnuVSer == nullptr) {
                mnuVSer = &add(mnuValTypes, "mnuVSer", "\"V\" Series");
            }
            parent = mnuVSer;
        }
        m_series.push_back(&add(*parent, series.menuControl, series.caption));
    }
}

void PickMenus::clearMarks() {
    for (MenuEntry& entry : m_entries) {
        entry.setChecked(false);
    }
}

MenuEntry* PickMenus::refrigerantMenu(std::string_view name) const {
    const std::span<const RefrigerantInfo> refrigerants = Refrigerants();
    for (std::size_t i = 0; i < refrigerants.size(); ++i) {
        if (refrigerants[i].name == name) {
            return m_refrigerants[i];
        }
    }
    return nullptr;
}

MenuEntry* PickMenus::seriesMenu(std::int16_t SeriesNo) const {
    const std::span<const SeriesMenuEntry> menu = SeriesMenu();
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].SeriesNo == SeriesNo) {
            return m_series[i];
        }
    }
    return nullptr;
}

} // namespace korveld
