// The capacity worksheet's menus: refrigerant and series picks with their refusals, the unit
// entries, and the menu titles whose opening clears the rows.
#include "engine/choice_rules.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/messages.h"

#include <array>

namespace korveld {

void frmtxvCapacity::bindMenus() {
    for (std::size_t i = 0; i < Refrigerants().size(); ++i) {
        MenuEntry* entry = &m_picks.refrigerantEntry(i);
        entry->onClick = [this, entry, &refrigerant = Refrigerants()[i]] { refrigerantPicked(*entry, refrigerant); };
    }
    for (std::size_t i = 0; i < SeriesMenu().size(); ++i) {
        MenuEntry* entry = &m_picks.seriesEntry(i);
        entry->onClick = [this, entry, &series = SeriesMenu()[i]] { seriesPicked(*entry, series); };
    }
    mnuBtuHr.onClick = [this] { mnuBtuHr_Click(); };
    mnuTons.onClick = [this] { mnuTons_Click(); };
    mnuKiloWatts.onClick = [this] { mnuKiloWatts_Click(); };
    mnuKiloCal.onClick = [this] { mnuKiloCal_Click(); };
    for (MenuEntry* title : {&mnuRefrig, &mnuValTypes, &mnuEnglish, &mnuMetric}) {
        title->onClick = [this] { ClearResults(); };
    }
}

void frmtxvCapacity::refrigerantPicked(MenuEntry& entry, const RefrigerantInfo& refrigerant) {
    entry.setChecked(true);
    if (!entry.checked()) {
        return;
    }
    txtSelectRefrig.setText(std::string(refrigerant.name));
    for (MenuEntry* other = mnuRefrig.firstChild(); other != nullptr; other = other->nextSibling()) {
        if (other != &entry) {
            other->setChecked(false);
        }
    }
    if (const auto refusal = RefrigerantPickRefusal(Worksheet::Capacity, refrigerant.name, txtSelValve.text())) {
        (refusal->emptied == ChoiceBox::SeriesText ? txtSelValve : txtSelectRefrig).setText({});
        ShowMessage(*this, refusal->prompt, refusal->title);
    }
}

void frmtxvCapacity::seriesPicked(MenuEntry& entry, const SeriesMenuEntry& series) {
    entry.setChecked(true);
    if (!entry.checked()) {
        return;
    }
    txtSelValve.setText(std::string(series.text));
    // Every other series entry and both group entries lose their check marks.
    for (MenuEntry* item = mnuValTypes.firstChild(); item != nullptr; item = item->nextSibling()) {
        for (MenuEntry* child = item->firstChild(); child != nullptr; child = child->nextSibling()) {
            if (child != &entry) {
                child->setChecked(false);
            }
        }
        if (item != &entry) {
            item->setChecked(false);
        }
    }
    if (const auto refusal = SeriesPickRefusal(Worksheet::Capacity, series.SeriesNo, txtSelectRefrig.text())) {
        (refusal->emptied == ChoiceBox::SeriesText ? txtSelValve : txtSelectRefrig).setText({});
        ShowMessage(*this, refusal->prompt, refusal->title);
    }
}

CapacityUnit frmtxvCapacity::chosenCapacityUnit() const {
    constexpr std::array<CapacityUnit, 4> kUnits{CapacityUnit::BtuH, CapacityUnit::Tons, CapacityUnit::KW,
                                                 CapacityUnit::KCal};
    const std::array<const MenuEntry*, 4> entries{&mnuBtuHr, &mnuTons, &mnuKiloWatts, &mnuKiloCal};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i]->enabled()) {
            return kUnits[i];
        }
    }
    return m_units.CapacityUnit;
}

} // namespace korveld
