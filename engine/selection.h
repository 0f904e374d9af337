// The Select button of the selection worksheet as one pure function: from everything the worksheet
// shows to the one size of the series that suits the required capacity, or the message that says
// why none does, with the valve's name, assemblies and advice, and the option states to force.
#pragma once

#include "charge_advice.h"
#include "conditions.h"
#include "nomenclature.h"
#include "number_text.h"
#include "selection_checks.h"
#include "size_search.h"
#include "valconts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

// What the Select button reads from the worksheet and the program-wide variables.
struct SelectionRequest {
    SelectionEntries entries; // txtSelValve is also the series code of the name

    // Set by the menu picks.
    std::int16_t SeriesNo = 0;
    std::int16_t RefIndex = 0;
    std::int16_t R507Flag = 0;
    std::string_view RefLetter;

    CapacityUnit capacityUnit = CapacityUnit::BtuH;
    std::string_view unitCaption; // lblInputUnits

    Distributor distributor = Distributor::Orifice; // UserDefined: DistUserDefined = 1
    bool equalizerFrameVisible = true;              // fmeEqualizer
    bool externalChosen = true;                     // optExternal (otherwise optInternal)
    bool connectionFrameVisible = true;             // fmeLineConn
    bool sweatChosen = true;                        // optSweat (otherwise optFlare)
    ChargeChoice charge;                            // fmeMOP, the chosen option and the captions

    // Program-wide letters and bleed.
    std::string_view EqualizerCode;
    std::string_view ChargeCode;
    std::string_view StrainerCode;
    std::int16_t BleedOption = 0;
    float BleedFraction = 0.0f;
};

enum class SelectionMessageKind { DeltaPTooSmall, CapacityTooSmall, BetweenTwoValves, CapacityTooLarge, NoSizeOffered };

struct SelectionMessage {
    SelectionMessageKind kind;
    std::string text;
    std::string_view title;
};

// Outer height of frmResults and the tops of its buttons and of txtMessage, in twips.
struct ResultsLayout {
    int height;
    int buttonTop;                 // cmdOK and cmdPrintButton
    std::optional<int> messageTop; // empty: txtMessage stays where it is
    bool operator==(const ResultsLayout&) const = default;
};
ResultsLayout ResultsLayoutFor(bool adviceGiven, std::int16_t SeriesNo);

struct SelectedValve {
    std::int16_t SizeNo = 0;
    std::string ValName;
    float ValCapacity = 0.0f;    // tons, bleed included
    float capacityInUnit = 0.0f; // ValCapacity back in the chosen capacity unit, as txtValCapacity shows it
    float PerCentLoading = 0.0f;
    std::string SelectedName; // txtValSelected
    std::string capacityText; // txtValCapacity: "###,###.00", two spaces, the unit caption
    std::string loadingText;  // txtValveLoading: "###.0", two spaces, "%"
    Assemblies assemblies;    // txtPowAssby, txtCageAssby and their labels
    PowerHeadAdvice advice;   // txtMessage
    ResultsLayout layout;
};

struct SelectionAnswer {
    // Exactly one of the three is set.
    std::optional<EntryFailure> entryFailure;
    std::optional<SelectionMessage> message;
    std::optional<SelectedValve> selected;

    // Program-wide values after the selection, on every path: write them back.
    std::string EqualizerCode;
    std::string ChargeCode;
    std::string BleedPart;
    std::string ReplaceAdvice;
    std::int16_t AdviceClear = 0;

    // Option states the selection forced on the worksheet, in order; they stand on the message
    // paths too once the entries were accepted.
    ForcedOptions forced;

    // Filled as far as the selection got; complete with a selected valve or an outcome message.
    // UnitMultiplier: tons per unit of the entry; no FlowMultiplier.
    Conditions conditions;
    float InputCapacity = 0.0f; // the requirement, tons
};

// Tons per unit of the required-capacity entry: 1/12000, 1, 1/3.52 or 1/3024, stored as a Single.
float SelectionUnitMultiplier(CapacityUnit unit);

// The capacity of one size in tons: ValConstant × root / MassFlow × Sensit, with root the square
// root of LiqDensity × DeltaP (the same for every size); and with the bleed for the bleed series.
float RatedTons(float ValConstant, double root, float MassFlow, float Sensit);
float WithBleed(float ValCapacity, std::int16_t SeriesNo, std::int16_t BleedOption, float BleedFraction);

SelectionAnswer SelectValve(const SelectionRequest& request, const NumberLocale& locale = {});

// Every message a selection can end with once its entries passed the checks.
std::vector<MessagePattern> SelectionOutcomeMessages();

// The message of a walk that found no size: too small, between two valves, too large, or no size
// offered for the refrigerant (named by the series text).
SelectionMessage OutcomeMessage(SizeOutcome outcome, std::string_view seriesText);

// Select's steps before the size walk: the entry checks, the letters of the name, the conditions and
// the pressure difference. Returns false when `answer` is already complete (an entry failure or a
// DeltaP too small); otherwise its conditions and letters are set for the walk.
bool PrepareSelection(const SelectionRequest& request, const NumberLocale& locale, SelectionAnswer& answer,
                      NameLetters& letters);

// Rates the sizes of the request's series at the prepared conditions, one at a time, as the walk
// asks for them; the selection and the operating-window chart both rate through it.
class SizeRater {
public:
    SizeRater(const SelectionRequest& request, const Conditions& conditions);
    // The sizes of the series; 0 when it has no catalog.
    std::int16_t sizeCount() const { return m_sizeCount; }
    // Size SizeNo in tons, bleed included, or empty when it is not offered for the refrigerant;
    // ValName views the size's name in the catalog (empty when not offered).
    std::optional<float> rate(std::int16_t SizeNo, std::string_view& ValName) const;

private:
    CatalogLookup m_catalog;
    std::int16_t m_sizeCount;
    std::int16_t m_SeriesNo;
    std::int16_t m_RefIndex;
    std::int16_t m_BleedOption;
    float m_BleedFraction;
    float m_MassFlow;
    float m_Sensit;
    double m_root; // the square root of LiqDensity × DeltaP, the same for every size
};

} // namespace korveld
