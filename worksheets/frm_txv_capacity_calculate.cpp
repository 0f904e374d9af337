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
struct RefrigerantTest {
    MenuEntry frmtxvCapacity::*entry;
    std::int16_t RefIndex;
};
// clang-format off
constexpr std::array<RefrigerantTest, 10> kRefrigerantOrder{{
    {&frmtxvCapacity::mnuRefR12,   1}, {&frmtxvCapacity::mnuRefR22,   2}, {&frmtxvCapacity::mnuRefR134a, 3},
    {&frmtxvCapacity::mnuRefR401A, 4}, {&frmtxvCapacity::mnuRefR402A, 5}, {&frmtxvCapacity::mnuRefR404A, 6},
    {&frmtxvCapacity::mnuRefR402B, 7}, {&frmtxvCapacity::mnuRefR502,  8}, {&frmtxvCapacity::mnuRefR507,  8},
    {&frmtxvCapacity::mnuRefR407C, 9},
}};
// clang-format on

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
        variables.EvapTemp = accepted.EvapTemp;
        variables.CondTemp = accepted.CondTemp;
        variables.LiqTemp = accepted.LiqTemp;
        if (accepted.DistPressDrop) {
            variables.DistPressDrop = *accepted.DistPressDrop;
        }
    }
    if (checked.failure) {
        showEntryFailure(*checked.failure);
        return;
    }

    RefIndex = 0;
    for (const RefrigerantTest& test : kRefrigerantOrder) {
        if ((this->*test.entry).checked()) {
            RefIndex = test.RefIndex;
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
    const RatingInputs inputs{.EvapTemp = variables.EvapTemp,
                              .CondTemp = variables.CondTemp,
                              .LiqTemp = variables.LiqTemp,
                              .RefIndex = RefIndex,
                              .SeriesNo = SeriesNoOfText(txtSelValve.text()),
                              .distributor = distributor,
                              .userDefinedDrop = accepted.DistPressDrop.value_or(0.0f),
                              .capacityUnit = unit,
                              .systemCapacity = accepted.systemCapacity};
    RateCapacity(inputs, m_rating);
    StoreConditions(m_rating, variables);
    DistSuffix = m_rating.conditions.DistSuffix;

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
