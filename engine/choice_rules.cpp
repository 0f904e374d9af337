#include "choice_rules.h"

#include "series_numbers.h"
#include "valconts.h"

#include <algorithm>
#include <initializer_list>

namespace korveld {
namespace {

// clang-format off
constexpr RefrigerantInfo kRefrigerants[] = {
    //  name      menu control     RefIndex letter R507Flag choosesNoCharge
    {"R-12",   "mnuRefR12",   1, "F", 0, true},
    {"R-22",   "mnuRefR22",   2, "H", 0, false},
    {"R-502",  "mnuRefR502",  8, "R", 0, false},
    {"R-134a", "mnuRefR134a", 3, "M", 0, false},
    {"R-401A", "mnuRefR401A", 4, "X", 0, false},
    {"R-402A", "mnuRefR402A", 5, "L", 0, false},
    {"R-402B", "mnuRefR402B", 7, "J", 0, false},
    {"R-404A", "mnuRefR404A", 6, "S", 0, false},
    {"R-407C", "mnuRefR407C", 9, "N", 0, false},
    {"R-507",  "mnuRefR507",  8, "P", 8, false},
};

constexpr SeriesMenuEntry kSeriesMenu[] = {
    // SeriesNo control     caption     text      group
    { 2, "mnuKO",   "KO/KE",    "KO",     SeriesMenuGroup::KSeries},
    { 3, "mnuKOD",  "KOD/KEWS", "KOD",    SeriesMenuGroup::KSeries},
    { 4, "mnuKOT",  "KOT",      "KOT",    SeriesMenuGroup::KSeries},
    { 6, "mnuKIM",  "KIM",      "KIM",    SeriesMenuGroup::KSeries},
    { 8, "mnuQZ",   "QZ",       "QZ",     SeriesMenuGroup::TopLevel},
    {10, "mnuR",    "G/GY",     "GL",     SeriesMenuGroup::TopLevel},
    {13, "mnuVMP",  "VMP",      "VMP",    SeriesMenuGroup::VSeries},
    {14, "mnuVRK",  "VRK",      "VRK",    SeriesMenuGroup::VSeries},
    {15, "mnuVRD",  "VRD",      "VRD",    SeriesMenuGroup::VSeries},
    {16, "mnuVOS",  "VOS",      "VOS",    SeriesMenuGroup::VSeries},
    {17, "mnuVAN",  "VAN",      "VAN",    SeriesMenuGroup::VSeries},
    {18, "mnuVEB",  "VEB",      "VEB",    SeriesMenuGroup::VSeries},
    {12, "mnuVULK", "VULK",     "VULK",   SeriesMenuGroup::TopLevel},
    {11, "mnuVA",   "VA",       "VA",     SeriesMenuGroup::TopLevel},
    { 9, "mnuDQQ",  "DQQ/DQ",   "DQQ/DQ", SeriesMenuGroup::TopLevel},
    { 7, "mnuOBN",  "OBN",      "OBN",    SeriesMenuGroup::TopLevel},
    { 1, "mnuNYF",  "NYF",      "NYF",    SeriesMenuGroup::TopLevel},
};
// clang-format on

constexpr std::string_view kRefrigerantSelectionTitle = "Refrigerant Selection";
constexpr std::string_view kValveSelectionTitle = "Valve Selection";
constexpr std::string_view kKODOnlyAvailable =
    "The KOD is only available for R-22.  Please select either R-22 or another valve.";
constexpr std::string_view kKODOnlySuitable =
    "The KOD is only suitable for R-22.  Please select either R-22 or another valve.";
constexpr std::string_view kKODNotAvailable =
    "The KOD is not available for this refrigerant.  The KOD is only available for R-22 and R-407C.  You must "
    "chose either another valve or the correct refrigerant.";
constexpr std::string_view kThe = "The ";
constexpr std::string_view kNotSetUpForR407C =
    " valve is not set up for R-407C.  Please select another refrigerant or another valve.";
constexpr std::string_view kNotAvailable = " is not available for this refrigerant.";
constexpr std::string_view kChooseAnother = "You must chose either another valve or the correct refrigerant.";
constexpr std::string_view kVULKText = "VULK";

constexpr std::string_view kR22 = "R-22";
constexpr std::string_view kR407C = "R-407C";

// A set of series numbers as bits.
constexpr std::uint32_t seriesSet(std::initializer_list<int> numbers) {
    std::uint32_t bits = 0;
    for (int n : numbers) {
        bits |= 1u << n;
    }
    return bits;
}
constexpr bool inSet(std::uint32_t set, std::int16_t SeriesNo) {
    return SeriesNo >= 0 && SeriesNo < 32 && (set >> SeriesNo & 1u) != 0;
}

enum class Prompt { KODOnlyAvailable, KODOnlySuitable, NotSetUpForR407C, KODNotAvailable, NotAvailable };

enum class RefrigerantCondition { NeitherEmptyNorR22, IsR407C };

// A series pick refused while the refrigerant box meets the condition.
struct SeriesPickRule {
    Worksheet worksheet;
    std::uint32_t picks; // series numbers
    RefrigerantCondition condition;
    ChoiceBox emptied;
    std::string_view title;
    Prompt prompt;
};

// A refrigerant pick refused while txtSelValve shows the text of one of the series.
struct RefrigerantPickRule {
    Worksheet worksheet;
    bool r407C; // the pick is R-407C; otherwise one of the eight that are neither R-22 nor R-407C
    std::uint32_t seriesShown;
    ChoiceBox emptied;
    std::string_view title;
    Prompt prompt;
};

constexpr auto kCap = Worksheet::Capacity;
constexpr auto kSel = Worksheet::Selection;
constexpr auto kSeriesBox = ChoiceBox::SeriesText;
constexpr auto kRefBox = ChoiceBox::RefrigerantText;

using namespace series;

// clang-format off
constexpr SeriesPickRule kSeriesPickRules[] = {
    {kCap, seriesSet({KOD}),                                                      RefrigerantCondition::NeitherEmptyNorR22, kSeriesBox, kRefrigerantSelectionTitle, Prompt::KODOnlyAvailable},
    {kCap, seriesSet({KOT, KIM, QZ, GL, VMP, VRK, VRD, VOS, VAN, VEB, VULK, VA}), RefrigerantCondition::IsR407C,            kSeriesBox, kRefrigerantSelectionTitle, Prompt::NotSetUpForR407C},
    {kSel, seriesSet({KOD}),                                                      RefrigerantCondition::NeitherEmptyNorR22, kRefBox,    kRefrigerantSelectionTitle, Prompt::KODOnlySuitable},
    {kSel, seriesSet({KOT, KIM, GL, VMP, VRK, VRD, VOS, VAN, VEB, VULK, VA}),     RefrigerantCondition::IsR407C,            kRefBox,    kRefrigerantSelectionTitle, Prompt::NotSetUpForR407C},
};

// R-407C picked on the capacity worksheet while the series is KOD is accepted: the catalog offers
// KOD sizes for R-407C, as the selection worksheet accepts it.
constexpr RefrigerantPickRule kRefrigerantPickRules[] = {
    {kCap, false, seriesSet({KOD}),                                                  kRefBox,    kValveSelectionTitle, Prompt::KODNotAvailable},
    {kCap, true,  seriesSet({KOT}),                                                  kRefBox,    kValveSelectionTitle, Prompt::NotAvailable},
    {kCap, true,  seriesSet({KIM, QZ, GL, VMP, VRK, VOS, VAN, VEB, VULK}),           kSeriesBox, kValveSelectionTitle, Prompt::NotAvailable},
    {kSel, false, seriesSet({KOD}),                                                  kRefBox,    kValveSelectionTitle, Prompt::KODNotAvailable},
    {kSel, true,  seriesSet({KOT, KIM, QZ, GL, VMP, VRK, VRD, VOS, VAN, VEB, VULK}), kRefBox,    kValveSelectionTitle, Prompt::NotAvailable},
};

constexpr auto kOn = FlowBox::On;
constexpr auto kOff = FlowBox::Off;
constexpr auto kOffExt = FlowBox::OffWhenExternal;
constexpr auto kOnExt = FlowBox::OnWhenExternal;

constexpr SeriesSetUp kSetUps[] = {
    //     Standard Check    Byflow   BalPorted  connections                          equalizer                                          charge frame                            extra frame           update hides after update
    {NYF,  {kOn,     kOff,    kOff,    kOff}, ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::Unchanged,                         ChargeFrameSetUp::Hidden,               ExtraFrame::None,     true,  true},
    {KO,   {kOn,     kOff,    kOff,    kOff}, ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::FollowDistributorEnablesExternal,  ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::Bleed,    true,  false},
    {KOD,  {kOn,     kOn,     kOff,    kOff}, ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::FollowDistributor,                 ChargeFrameSetUp::ShownChoiceKept,      ExtraFrame::Bleed,    false, false},
    {KOT,  {kOn,     kOff,    kOff,    kOff}, ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::FollowDistributor,                 ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::Bleed,    true,  false},
    {KIM,  {kOn,     kOff,    kOff,    kOff}, ConnectionSetUp::FlareSweatDisabled,  EqualizerSetUp::FollowDistributorEnablesExternal,  ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::Bleed,    true,  false},
    {OBN,  {kOff,    kOff,    kOn,     kOff}, ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::HiddenExternal,                    ChargeFrameSetUp::Hidden,               ExtraFrame::None,     false, false},
    {QZ,   {kOn,     kOff,    kOff,    kOn},  ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::FollowDistributor,                 ChargeFrameSetUp::ShownChoiceKept,      ExtraFrame::Strainer, true,  false},
    {DQQ,  {kOn,     kOff,    kOff,    kOff}, ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::HiddenExternal,                    ChargeFrameSetUp::Hidden,               ExtraFrame::None,     false, false},
    {GL,   {kOffExt, kOff,    kOnExt,  kOn},  ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::FollowDistributorEnablesExternal,  ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::Bleed,    true,  false},
    {VA,   {kOn,     kOff,    kOff,    kOff}, ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::FollowDistributor,                 ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
    {VULK, {kOff,    kOff,    kOn,     kOn},  ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::ForcedExternal,                    ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
    {VMP,  {kOffExt, kOff,    kOnExt,  kOff}, ConnectionSetUp::SweatBothEnabled,    EqualizerSetUp::FollowDistributor,                 ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
    {VRK,  {kOff,    kOff,    kOn,     kOff}, ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::ForcedExternal,                    ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
    {VRD,  {kOff,    kOff,    kOn,     kOn},  ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::ForcedExternal,                    ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
    {VOS,  {kOff,    kOff,    kOn,     kOn},  ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::ForcedExternal,                    ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
    {VAN,  {kOff,    kOff,    kOn,     kOn},  ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::ForcedExternal,                    ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
    {VEB,  {kOff,    kOff,    kOn,     kOn},  ConnectionSetUp::SweatFlareDisabled,  EqualizerSetUp::ForcedExternal,                    ChargeFrameSetUp::ShownNoChargeChosen,  ExtraFrame::None,     true,  false},
};
// clang-format on

constexpr std::string_view kSeriesRangeHintF = "Range:-40 to 60 deg F.";
constexpr std::string_view kSeriesRangeHintC = "Range:-40 to 16 deg C.";
constexpr std::string_view kKODRangeHintF = "Range: 0 to 60 deg F.";
constexpr std::string_view kKODRangeHintC = "Range:-18 to 16 deg C.";

std::string promptText(Prompt prompt, std::string_view code) {
    switch (prompt) {
    case Prompt::KODOnlyAvailable:
        return std::string(kKODOnlyAvailable);
    case Prompt::KODOnlySuitable:
        return std::string(kKODOnlySuitable);
    case Prompt::KODNotAvailable:
        return std::string(kKODNotAvailable);
    case Prompt::NotSetUpForR407C:
        return std::string(kThe).append(code).append(kNotSetUpForR407C);
    case Prompt::NotAvailable:
        return NotAvailableForRefrigerantPrompt(code);
    }
    return {};
}

bool meets(RefrigerantCondition condition, std::string_view refrigerantText) {
    switch (condition) {
    case RefrigerantCondition::NeitherEmptyNorR22:
        return !refrigerantText.empty() && refrigerantText != kR22;
    case RefrigerantCondition::IsR407C:
        return refrigerantText == kR407C;
    }
    return false;
}

} // namespace

std::span<const RefrigerantInfo> Refrigerants() {
    return kRefrigerants;
}

const RefrigerantInfo* FindRefrigerant(std::string_view name) {
    const auto* found = std::find_if(std::begin(kRefrigerants), std::end(kRefrigerants),
                                     [&](const RefrigerantInfo& info) { return info.name == name; });
    return found == std::end(kRefrigerants) ? nullptr : found;
}

std::span<const SeriesMenuEntry> SeriesMenu() {
    return kSeriesMenu;
}

const SeriesMenuEntry* FindSeriesMenuEntry(std::int16_t SeriesNo) {
    const auto* found = std::find_if(std::begin(kSeriesMenu), std::end(kSeriesMenu),
                                     [&](const SeriesMenuEntry& entry) { return entry.SeriesNo == SeriesNo; });
    return found == std::end(kSeriesMenu) ? nullptr : found;
}

std::string_view SeriesText(std::int16_t SeriesNo) {
    const SeriesMenuEntry* entry = FindSeriesMenuEntry(SeriesNo);
    return entry != nullptr ? entry->text : std::string_view{};
}

std::int16_t SeriesNoOfText(std::string_view text) {
    for (const SeriesMenuEntry& entry : kSeriesMenu) {
        if (entry.text == text) {
            return entry.SeriesNo;
        }
    }
    return text == Series(KUBS).code ? KUBS : std::int16_t{0};
}

std::optional<Refusal> SeriesPickRefusal(Worksheet worksheet, std::int16_t SeriesNo, std::string_view refrigerantText) {
    for (const SeriesPickRule& rule : kSeriesPickRules) {
        if (rule.worksheet == worksheet && inSet(rule.picks, SeriesNo) && meets(rule.condition, refrigerantText)) {
            const bool endsPick = SeriesNo == KOD;
            return Refusal{rule.emptied, rule.title, promptText(rule.prompt, SeriesText(SeriesNo)), endsPick};
        }
    }
    return std::nullopt;
}

std::optional<Refusal> RefrigerantPickRefusal(Worksheet worksheet, std::string_view refrigerant,
                                              std::string_view seriesText) {
    if (refrigerant == kR22 || FindRefrigerant(refrigerant) == nullptr) {
        return std::nullopt;
    }
    const bool r407C = refrigerant == kR407C;
    const std::int16_t shown = SeriesNoOfText(seriesText);
    for (const RefrigerantPickRule& rule : kRefrigerantPickRules) {
        if (rule.worksheet == worksheet && rule.r407C == r407C && inSet(rule.seriesShown, shown)) {
            return Refusal{rule.emptied, rule.title, promptText(rule.prompt, seriesText)};
        }
    }
    return std::nullopt;
}

std::vector<MessagePattern> PickRefusalMessages() {
    std::vector<MessagePattern> patterns;
    for (std::string_view title : {kRefrigerantSelectionTitle, kValveSelectionTitle}) {
        for (Prompt prompt : {Prompt::KODOnlyAvailable, Prompt::KODOnlySuitable, Prompt::KODNotAvailable}) {
            patterns.push_back({title, {promptText(prompt, {})}});
        }
        for (const SeriesMenuEntry& series : kSeriesMenu) {
            for (Prompt prompt : {Prompt::NotSetUpForR407C, Prompt::NotAvailable}) {
                patterns.push_back({title, {promptText(prompt, series.text)}});
            }
        }
    }
    return patterns;
}

std::string NotAvailableForRefrigerantPrompt(std::string_view code) {
    // VULK's message has a single space between its two sentences.
    const std::string_view gap = code == kVULKText ? " " : "  ";
    return std::string(kThe).append(code).append(kNotAvailable).append(gap).append(kChooseAnother);
}

const SeriesSetUp* SetUpOf(std::int16_t SeriesNo) {
    const auto* found = std::find_if(std::begin(kSetUps), std::end(kSetUps),
                                     [&](const SeriesSetUp& setUp) { return setUp.SeriesNo == SeriesNo; });
    return found == std::end(kSetUps) ? nullptr : found;
}

std::array<CheckBoxState, 4> FlowBoxStates(const SeriesSetUp& setUp, bool externalChosen) {
    std::array<CheckBoxState, 4> states{};
    for (std::size_t i = 0; i < states.size(); ++i) {
        bool on = false;
        switch (setUp.flow[i]) {
        case FlowBox::On:
            on = true;
            break;
        case FlowBox::Off:
            on = false;
            break;
        case FlowBox::OffWhenExternal:
            on = !externalChosen;
            break;
        case FlowBox::OnWhenExternal:
            on = externalChosen;
            break;
        }
        states[i] = {on, on};
    }
    return states;
}

EqualizerChange EqualizerChangeFor(EqualizerSetUp setUp, bool distNoneChosen) {
    EqualizerChange change;
    switch (setUp) {
    case EqualizerSetUp::FollowDistributorEnablesExternal:
        change.external.enabled = true;
        [[fallthrough]];
    case EqualizerSetUp::FollowDistributor:
        change.frameVisible = true;
        change.internal.enabled = distNoneChosen;
        break;
    case EqualizerSetUp::ForcedExternal:
        change.frameVisible = true;
        change.external = {true, true};
        change.internal = {false, false};
        break;
    case EqualizerSetUp::HiddenExternal:
        change.frameVisible = false;
        change.external = {true, true};
        change.internal = {false, true};
        break;
    case EqualizerSetUp::Unchanged:
        break;
    }
    return change;
}

ConnectionChange ConnectionChangeFor(ConnectionSetUp setUp) {
    switch (setUp) {
    case ConnectionSetUp::SweatBothEnabled:
        return {{true, true}, {false, true}};
    case ConnectionSetUp::SweatFlareDisabled:
        return {{true, true}, {false, false}};
    case ConnectionSetUp::FlareSweatDisabled:
        return {{false, false}, {true, true}};
    }
    return {};
}

std::string_view SeriesRangeHint(std::int16_t SeriesNo, bool metric) {
    if (SeriesNo == KOD) {
        return metric ? kKODRangeHintC : kKODRangeHintF;
    }
    return metric ? kSeriesRangeHintC : kSeriesRangeHintF;
}

} // namespace korveld
