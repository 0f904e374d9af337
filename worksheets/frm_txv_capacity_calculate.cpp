// Calculate on the capacity worksheet: the entry checks in their fixed order, the entries turned
// into °F and psi, the rating of every size of the series, and the rows on screen.
#include "engine/capacity_checks.h"
#include "engine/choice_rules.h"
#include "engine/number_text.h"
#include "engine/units.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/messages.h"
#include "worksheets/platform.h"

#include <array>
#include <optional>
#include <utility>

namespace korveld {

namespace {

// The refrigerant entries as the rating tests them, first checked wins.
constexpr std::array<std::string_view, 10> kRefrigerantOrder{"R-12",   "R-22",   "R-134a", "R-401A", "R-402A",
                                                             "R-404A", "R-402B", "R-502",  "R-507",  "R-407C"};

} // namespace

TextBox* frmtxvCapacity::entryBox(CheckedEntry entry) {
    switch (entry) {
    case CheckedEntry::Refrigerant:
        return &txtSelectRefrig;
    case CheckedEntry::Valve:
        return &txtSelValve;
    case CheckedEntry::EvapTemp:
        return &txtEvapTemp;
    case CheckedEntry::CondTemp:
        return &txtCondTemp;
    case CheckedEntry::LiqTemp:
        return &txtLiqTemp;
    case CheckedEntry::Capacity:
        return &txtSystemCapacity;
    case CheckedEntry::PressureDrop:
        return &txtPressureDrop;
    case CheckedEntry::None:
        break;
    }
    return nullptr;
}

void frmtxvCapacity::showEntryFailure(const EntryFailure& failure) {
    ShowEntryFailure(*this, failure, entryBox(failure.cleared), entryBox(failure.focused));
}

void frmtxvCapacity::cmdCalculate_Click() {
    RowCount = 0;
    m_locale = platform().UserNumberLocale();
    const CapacityUnit unit = chosenCapacityUnit();
    const CapacityCheckResult checked =
        CheckCapacityEntries({txtSelectRefrig.text(), txtSelValve.text(), txtEvapTemp.text(), txtCondTemp.text(),
                              txtLiqTemp.text(), txtSystemCapacity.text(), txtPressureDrop.text()},
                             {IsMetric(unit), optYES.value(), m_units.DistUserDefined == 1}, m_locale);
    // The entries in °F and psi are stored as far as they were converted.
    Universal_Variables& variables = uv();
    const CapacityAccepted& accepted = checked.accepted;
    if (checked.converted) {
        Conditions& stored = variables.conditions;
        stored.EvapTemp = accepted.EvapTemp;
        stored.CondTemp = accepted.CondTemp;
        stored.LiqTemp = accepted.LiqTemp;
        if (accepted.DistPressDrop) {
            stored.DistPressDrop = *accepted.DistPressDrop;
        }
    }
    if (checked.failure) {
        showEntryFailure(*checked.failure);
        return;
    }

    RefIndex = 0;
    for (std::string_view name : kRefrigerantOrder) {
        if (m_picks.refrigerantMenu(name)->checked()) {
            RefIndex = FindRefrigerant(name)->RefIndex;
            break;
        }
    }
    Distributor distributor = Distributor::UserDefined;
    if (optDistNone.value()) {
        distributor = Distributor::None;
    } else if (optDistVenturi.value()) {
        distributor = Distributor::Venturi;
    } else if (optDistOrifice.value()) {
        distributor = Distributor::Orifice;
    }
    const RatingInputs inputs{.EvapTemp = accepted.EvapTemp,
                              .CondTemp = accepted.CondTemp,
                              .LiqTemp = accepted.LiqTemp,
                              .RefIndex = RefIndex,
                              .SeriesNo = SeriesNoOfText(txtSelValve.text()),
                              .distributor = distributor,
                              .userDefinedDrop = accepted.DistPressDrop.value_or(0.0f),
                              .capacityUnit = unit,
                              .systemCapacity = accepted.systemCapacity};
    RateCapacity(inputs, m_rating);
    StoreConditions(m_rating, variables);
    DistSuffix = m_rating.DistSuffix;

    switch (m_rating.outcome) {
    case RatingOutcome::DeltaPTooSmall:
        ShowMessage(*this, kDeltaPTooSmallText, kDeltaPTooSmallTitle);
        return;
    case RatingOutcome::SystemCapacityOutOfRange: // a loading beyond a Single
        showEntryFailure(SystemCapacityInvalid());
        return;
    case RatingOutcome::OutsideModel: // kept away by the checks above; nothing is shown
        return;
    case RatingOutcome::Rated:
        break;
    }
    for (const RatingRow& row : m_rating.Rows()) {
        ++RowCount;
        SizeNo = row.SizeNo;
        Sizing(RowCount, row);
        lblValName(RowCount).setVisible(true);
        lblValName(RowCount).setCaption(row.label);
    }
    showResults();
}

void frmtxvCapacity::Sizing(std::int16_t K, const RatingRow& row) {
    RowCapacity = row.RowCapacity;
    txtValCap(K).setVisible(true);
    txtValCap(K).setText(FormatNumber(RowCapacity, kCapacityPattern, m_locale));
    if (optYES.value() && row.loading) {
        txtFlowCap(K).setText(FormatNumber(*row.loading, kLoadingPattern, m_locale));
        txtFlowCap(K).setVisible(true);
    }
}

} // namespace korveld
