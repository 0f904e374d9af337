// Calculate on the capacity worksheet: the entry checks in their fixed order, the entries turned
// into °F and psi, the rating of every size of the series, and the rows on screen.
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

constexpr std::string_view kEvapInvalid =
    "You have entered an invalid value for the Evaporator Temperature.  You need to do so now!";
constexpr std::string_view kEvapInvalidTitle = "Evaporator Temperature Input Error";
constexpr std::string_view kCondInvalid = "You have entered an invalid Condensor Temperature entry!  Please try again.";
constexpr std::string_view kCondInvalidTitle = "INCORRECT CONDENSOR TEMPERATURE ENTRY";
constexpr std::string_view kLiqInvalid = "You have entered an invalid Liquid Temperature entry!  Please try again.";
constexpr std::string_view kLiqInvalidTitle = "INCORRECT LIQUID TEMPERATURE ENTRY";
constexpr std::string_view kNoCapacity = "You have NOT entered a System Capacity Value!  Please try again.";
constexpr std::string_view kNoCapacityTitle = "NO SYSTEM CAPACITY ENTRY";
constexpr std::string_view kCapacityInvalid =
    "You have entered an invalid System Capacity entry; the value is not a true number!  Please try again.";
constexpr std::string_view kCapacityInvalidTitle = "INCORRECT SYSTEM CAPACITY ENTRY";
constexpr std::string_view kDropInvalidTitle = "INVALID DISTRIBUTOR PRESSURE DROP ENTRY";
constexpr std::string_view kOutOfRange =
    "You have entered a value outside the allowed Range.  Please enter a correct value!";
constexpr std::string_view kNoEvap =
    "You have not entered a value for the Evaporator Temperature.  Please enter a value!";
constexpr std::string_view kEvapTitle = "EVAPORATOR TEMPERATURE ERROR";
constexpr std::string_view kNoCond =
    "You have you have not enter a value for the Condensing Temperature.  Please do so at this time!";
constexpr std::string_view kCondTitle = "CONDENSING TEMPERATURE INPUT ERROR";
constexpr std::string_view kNoLiq = "You have not entered a value for Liquid Temperature.  Please do so at this time!";
constexpr std::string_view kNoLiqTitle = "LIQUID TEMPERATURE INPUT ERROR";
constexpr std::string_view kLiqRangeTitle = "Liquid Temperature Input Error";
constexpr std::string_view kNoDrop =
    "You have not entered a distributor pressure drop!  You will have to enter a value "
    "or select a distributor type.";
constexpr std::string_view kNoDropTitle = "NO DISTRIBUTOR PRESSURE DROP ENTRY";
constexpr std::string_view kNegativeDrop =
    "You have entered a negative pressure drop for the distributor!  This is not "
    "acceptable, please enter a positive pressure drop.";
constexpr std::string_view kNegativeDropTitle = "NEGATIVE DISTRIBUTOR PRESSURE DROP";
constexpr std::string_view kNoRefrigerant = "You have not made a refrigerant selection!  Please do so at this time.";
constexpr std::string_view kNoRefrigerantTitle = "REFRIGERATION SELECTION";
constexpr std::string_view kNoValve = "You have not made a Valve selection!  Please do so at this time.";
constexpr std::string_view kNoValveTitle = "VALVE SELECTION";
constexpr std::string_view kLiqNotBelowCond =
    "You have entered a liquid temperature higher than or equal to the condensing temperature.  This is not "
    "practical!  Please enter a new value.";
constexpr std::string_view kLiqNotBelowCondTitle = "INCORRECT SYSEM CAPACITY ENTRY";

constexpr std::string_view kDropInvalidBefore = "You have entered an invalid number for a pressure drop.  ";
constexpr std::string_view kDropInvalidAfter = " is not a number, please reenter a valid number!";

std::string text(std::string_view view) {
    return std::string(view);
}

std::string dropInvalidText(std::string_view entry) {
    return std::string(kDropInvalidBefore).append(entry).append(kDropInvalidAfter);
}

struct Range {
    double low;
    double high;
    bool holds(double value) const { return value >= low && value <= high; }
};

// Inclusive entry ranges: English (°F) and metric (°C).
// clang-format off
constexpr std::array<Range, 2> kEvapRange{{{-40.0,  60.0}, {-40.0, 16.0}}};
constexpr std::array<Range, 2> kCondRange{{{ 50.0, 150.0}, { 10.0, 66.0}}};
constexpr std::array<Range, 2> kLiqRange {{{  0.0, 150.0}, {-18.0, 66.0}}};
// clang-format on

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

std::vector<MessagePattern> CapacityCalculateMessages() {
    const std::pair<std::string_view, std::string_view> fixed[] = {
        {kEvapInvalidTitle, kEvapInvalid},
        {kCondInvalidTitle, kCondInvalid},
        {kLiqInvalidTitle, kLiqInvalid},
        {kNoCapacityTitle, kNoCapacity},
        {kCapacityInvalidTitle, kCapacityInvalid},
        {kEvapTitle, kOutOfRange},
        {kEvapTitle, kNoEvap},
        {kCondTitle, kOutOfRange},
        {kCondTitle, kNoCond},
        {kLiqRangeTitle, kOutOfRange},
        {kNoLiqTitle, kNoLiq},
        {kNoDropTitle, kNoDrop},
        {kNegativeDropTitle, kNegativeDrop},
        {kNoRefrigerantTitle, kNoRefrigerant},
        {kNoValveTitle, kNoValve},
        {kLiqNotBelowCondTitle, kLiqNotBelowCond},
        {kDeltaPTooSmallTitle, kDeltaPTooSmallText},
    };
    std::vector<MessagePattern> patterns;
    for (const auto& [title, prompt] : fixed) {
        patterns.push_back({title, {std::string(prompt)}});
    }
    patterns.push_back({kDropInvalidTitle, {std::string(kDropInvalidBefore), std::string(kDropInvalidAfter)}});
    return patterns;
}

// The values of the entries once every check has passed, as typed.
struct frmtxvCapacity::CheckedEntries {
    double evap = 0.0;
    double cond = 0.0;
    double liq = 0.0;
    std::optional<double> drop;           // with the user-defined distributor
    std::optional<double> systemCapacity; // with loading on
};

std::optional<frmtxvCapacity::CheckedEntries> frmtxvCapacity::checkEntries() {
    const auto parse = [this](const TextBox& entry) { return ParseNumber(entry.text(), m_locale); };
    const std::optional<double> evap = parse(txtEvapTemp);
    const std::optional<double> cond = parse(txtCondTemp);
    const std::optional<double> liq = parse(txtLiqTemp);
    const std::optional<double> capacity = parse(txtSystemCapacity);
    const std::optional<double> drop = parse(txtPressureDrop);
    const bool loading = optYES.value();
    const bool userDefined = m_units.DistUserDefined == 1;
    const std::size_t system = IsMetric(chosenCapacityUnit()) ? 1 : 0;

    // Checks 1 to 5: the form of what is typed.
    if (!txtEvapTemp.text().empty() && !evap) {
        RefuseEntry(txtEvapTemp, text(kEvapInvalid), kEvapInvalidTitle);
        return std::nullopt;
    }
    if (!txtCondTemp.text().empty() && !cond) {
        RefuseEntry(txtCondTemp, text(kCondInvalid), kCondInvalidTitle);
        return std::nullopt;
    }
    if (!txtLiqTemp.text().empty() && !liq) {
        RefuseEntry(txtLiqTemp, text(kLiqInvalid), kLiqInvalidTitle);
        return std::nullopt;
    }
    if (loading && txtSystemCapacity.text().empty()) {
        RefuseEntry(txtSystemCapacity, text(kNoCapacity), kNoCapacityTitle);
        return std::nullopt;
    }
    // A capacity or drop beyond a Single is no number a calculation could take.
    if (loading && (!capacity || !FitsSingle(*capacity))) {
        RefuseEntry(txtSystemCapacity, text(kCapacityInvalid), kCapacityInvalidTitle);
        return std::nullopt;
    }
    if (userDefined && !txtPressureDrop.text().empty() && (!drop || !FitsSingle(*drop))) {
        RefuseEntry(txtPressureDrop, dropInvalidText(txtPressureDrop.text()), kDropInvalidTitle);
        return std::nullopt;
    }
    // Checks 6 to 9: presence and range.
    if (!evap || !kEvapRange[system].holds(*evap)) {
        RefuseEntry(txtEvapTemp, text(evap ? kOutOfRange : kNoEvap), kEvapTitle);
        return std::nullopt;
    }
    if (!cond || !kCondRange[system].holds(*cond)) {
        RefuseEntry(txtCondTemp, text(cond ? kOutOfRange : kNoCond), kCondTitle);
        return std::nullopt;
    }
    if (!liq || !kLiqRange[system].holds(*liq)) {
        RefuseEntry(txtLiqTemp, text(liq ? kOutOfRange : kNoLiq), liq ? kLiqRangeTitle : kNoLiqTitle);
        return std::nullopt;
    }
    if (userDefined && (!drop || *drop < 0.0)) {
        RefuseEntry(txtPressureDrop, text(drop ? kNegativeDrop : kNoDrop), drop ? kNegativeDropTitle : kNoDropTitle);
        return std::nullopt;
    }
    // Checks 10 and 11: the menu choices; the read-only boxes only take the focus.
    if (txtSelectRefrig.text().empty()) {
        ShowMessage(*this, text(kNoRefrigerant), kNoRefrigerantTitle);
        txtSelectRefrig.SetFocus();
        return std::nullopt;
    }
    if (txtSelValve.text().empty()) {
        ShowMessage(*this, text(kNoValve), kNoValveTitle);
        txtSelValve.SetFocus();
        return std::nullopt;
    }
    CheckedEntries entries{*evap, *cond, *liq, std::nullopt, std::nullopt};
    if (userDefined) {
        entries.drop = drop;
    }
    if (loading) {
        entries.systemCapacity = capacity;
    }
    return entries;
}

void frmtxvCapacity::cmdCalculate_Click() {
    RowCount = 0;
    m_locale = platform().UserNumberLocale();
    const std::optional<CheckedEntries> entries = checkEntries();
    if (!entries) {
        return;
    }
    const CapacityUnit unit = chosenCapacityUnit();
    const UnitSystem system = SystemOf(unit);

    // The entries in °F and psi; range-checked temperatures always fit a Single.
    Universal_Variables& variables = uv();
    variables.EvapTemp = RatingTemperature(entries->evap, system).value_or(0.0f);
    variables.CondTemp = RatingTemperature(entries->cond, system).value_or(0.0f);
    variables.LiqTemp = RatingTemperature(entries->liq, system).value_or(0.0f);
    float userDefinedDrop = 0.0f;
    if (entries->drop) {
        const std::optional<float> psi = RatingPressureDrop(*entries->drop, system);
        if (!psi) { // bars × 14.5 beyond a Single
            RefuseEntry(txtPressureDrop, dropInvalidText(txtPressureDrop.text()), kDropInvalidTitle);
            return;
        }
        userDefinedDrop = *psi;
        variables.DistPressDrop = *psi;
    }
    if (variables.LiqTemp >= variables.CondTemp) {
        RefuseEntry(txtLiqTemp, text(kLiqNotBelowCond), kLiqNotBelowCondTitle);
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
                              .userDefinedDrop = userDefinedDrop,
                              .capacityUnit = unit,
                              .systemCapacity = entries->systemCapacity};
    RateCapacity(inputs, m_rating);
    StoreConditions(m_rating, variables);
    DistSuffix = m_rating.conditions.DistSuffix;

    switch (m_rating.outcome) {
    case RatingOutcome::DeltaPTooSmall:
        ShowMessage(*this, kDeltaPTooSmallText, kDeltaPTooSmallTitle);
        return;
    case RatingOutcome::SystemCapacityOutOfRange: // a loading beyond a Single
        RefuseEntry(txtSystemCapacity, text(kCapacityInvalid), kCapacityInvalidTitle);
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
