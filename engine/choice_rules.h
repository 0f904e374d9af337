// What happens when a refrigerant or a valve series is picked from the menus of either worksheet:
// the texts shown, the combinations refused with their messages, and on the selection worksheet the
// numbers the pick sets and the option groups each series offers.
#pragma once

#include "engine/message_pattern.h"
#include "engine/worksheet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

// Order of a refrigerant pick on the selection worksheet: RefIndex, R507Flag and RefLetter are set;
// the refusal is shown; then, refused or not, EvapTempEntry from txtEvapTemp, UpdateChargeOptions,
// PowerHead, and for R-12 alone optMOPNone chosen (choosesNoCharge).
struct RefrigerantInfo {
    std::string_view name;        // shown in the refrigerant box, "R-134a"
    std::string_view menuControl; // "mnuRefR134a"
    std::int16_t RefIndex;        // property set
    std::string_view RefLetter;   // letter of the valve name
    std::int16_t R507Flag;        // 8 for R-507, else 0
    bool choosesNoCharge;         // the pick ends by choosing optMOPNone (R-12 alone)
};

// The ten refrigerants in menu order.
std::span<const RefrigerantInfo> Refrigerants();
const RefrigerantInfo* FindRefrigerant(std::string_view name);

enum class SeriesMenuGroup { KSeries, VSeries, TopLevel }; // mnuKSer, mnuVSer, directly in "Valve Types"

struct SeriesMenuEntry {
    std::int16_t SeriesNo;
    std::string_view menuControl; // "mnuKO", "mnuR" for G/GY
    std::string_view caption;     // "KO/KE", "G/GY", "DQQ/DQ"
    std::string_view text;        // what txtSelValve shows: the code, "DQQ/DQ" for DQQ
    SeriesMenuGroup group;
};

// The seventeen series entries of the "Valve Types" menu in menu order (KUBS has none).
std::span<const SeriesMenuEntry> SeriesMenu();
const SeriesMenuEntry* FindSeriesMenuEntry(std::int16_t SeriesNo);
// The text a series pick writes to txtSelValve on either worksheet; empty for KUBS and unknown numbers.
std::string_view SeriesText(std::int16_t SeriesNo);
// The series a txtSelValve text names ("KUBS" included); 0 for any other text.
std::int16_t SeriesNoOfText(std::string_view text);

enum class ChoiceBox { SeriesText, RefrigerantText }; // txtSelValve; txtSelectRefrig or txtSelRefrig

// A refused pick: the box to empty, then a message box with this title and prompt. The check mark
// stays. A refused KOD pick ends the handler; after any other refusal the pick goes on.
struct Refusal {
    ChoiceBox emptied;
    std::string_view title;
    std::string prompt;
    bool endsPick = false;

    bool operator==(const Refusal&) const = default;
};

// Series SeriesNo picked while the refrigerant box shows refrigerantText.
std::optional<Refusal> SeriesPickRefusal(Worksheet worksheet, std::int16_t SeriesNo, std::string_view refrigerantText);
// Refrigerant `refrigerant` (its name) picked while txtSelValve shows seriesText.
std::optional<Refusal> RefrigerantPickRefusal(Worksheet worksheet, std::string_view refrigerant,
                                              std::string_view seriesText);

// Every refusal a pick can give, on either worksheet.
std::vector<MessagePattern> PickRefusalMessages();

// "The <code> is not available for this refrigerant.  You must chose either another valve or the
// correct refrigerant." (VULK's with one space after the first full stop.)
std::string NotAvailableForRefrigerantPrompt(std::string_view code);

// ---- Selection worksheet: how a series pick sets up the option groups ----
//
// Order of a series pick: SeriesNo and txtSelValve are set; the refusal is shown (a KOD refusal ends
// the pick here); frmeFlow and fmeLineConn are shown; the flow boxes, connections and equalizer are
// set; the bleed and strainer frames; the charge frame (shown, PowerHead, then optMOPNone chosen, or
// hidden); the range hint; last, when updatesChargeOptions, EvapTempEntry from txtEvapTemp and
// UpdateChargeOptions, after which NYF hides fmeMOP again (hidesChargeFrameAfterUpdate).

// A check box of frmeFlow: "on" is checked and enabled, "off" unchecked and disabled.
enum class FlowBox : std::uint8_t { Off, On, OffWhenExternal, OnWhenExternal };
enum class FlowCheckBox : std::uint8_t { chkStandard, chkCheck, chkByflow, chkBalPorted };

enum class ConnectionSetUp {
    SweatBothEnabled,   // optSweat chosen, both enabled
    SweatFlareDisabled, // optSweat chosen and enabled, optFlare disabled
    FlareSweatDisabled, // optFlare chosen and enabled, optSweat disabled
};

enum class EqualizerSetUp {
    FollowDistributor,                // shown; optInternal enabled only while optDistNone is chosen
    FollowDistributorEnablesExternal, // as above, and optExternal enabled
    ForcedExternal,                   // shown; optExternal chosen and enabled, optInternal cleared and disabled
    HiddenExternal,                   // hidden; optExternal chosen, both enabled
    Unchanged,
};

enum class ChargeFrameSetUp {
    Hidden,
    ShownNoChargeChosen, // shown, PowerHead, then optMOPNone chosen
    ShownChoiceKept,     // shown, PowerHead; the charge choice stays
};

enum class ExtraFrame {
    None,     // bleed and strainer frames hidden
    Bleed,    // fmeBleedOption shown, captioned "Bleed Options", optNO chosen, lblBleed and txtBleedPerCent shown
    Strainer, // fmeQZStrainer shown, optQZNo chosen, StrainerCode emptied
};

struct SeriesSetUp {
    std::int16_t SeriesNo;
    std::array<FlowBox, 4> flow; // by FlowCheckBox
    ConnectionSetUp connection;
    EqualizerSetUp equalizer;
    ChargeFrameSetUp charge;
    ExtraFrame extra;
    bool updatesChargeOptions;
    bool hidesChargeFrameAfterUpdate;
};

// The set-up of a series of the "Valve Types" menu; nullptr for KUBS and unknown numbers.
const SeriesSetUp* SetUpOf(std::int16_t SeriesNo);

inline constexpr std::string_view kBleedFrameCaption = "Bleed Options";

struct CheckBoxState {
    bool checked;
    bool enabled;
    bool operator==(const CheckBoxState&) const = default;
};
// The four flow boxes, by FlowCheckBox, with optExternal chosen or not.
std::array<CheckBoxState, 4> FlowBoxStates(const SeriesSetUp& setUp, bool externalChosen);

// Changes to one option button; an empty field is not touched. Apply Enabled, then Value.
struct OptionChange {
    std::optional<bool> chosen;
    std::optional<bool> enabled;
    bool operator==(const OptionChange&) const = default;
};

struct EqualizerChange {
    std::optional<bool> frameVisible;
    OptionChange external;
    OptionChange internal;
    bool operator==(const EqualizerChange&) const = default;
};
EqualizerChange EqualizerChangeFor(EqualizerSetUp setUp, bool distNoneChosen);

struct ConnectionChange {
    OptionChange sweat;
    OptionChange flare;
    bool operator==(const ConnectionChange&) const = default;
};
ConnectionChange ConnectionChangeFor(ConnectionSetUp setUp);

// lblEvapRange after a series pick.
std::string_view SeriesRangeHint(std::int16_t SeriesNo, bool metric);

} // namespace korveld
