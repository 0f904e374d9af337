#include "nomenclature.h"

#include "series_numbers.h"
#include "valconts.h"

#include <charconv>

namespace korveld {
namespace {

constexpr std::string_view kExternalLetter = "E";
constexpr std::string_view kSweatLetter = "S";
constexpr std::string_view kSeparator = " - ";
constexpr std::string_view kNYFCode = "NYF";
constexpr std::string_view kInternalCageLetter = "A";
constexpr std::string_view kExternalCageLetter = "B";

ForcedControl partnerOf(ForcedControl control) {
    switch (control) {
    case ForcedControl::optInternal:
        return ForcedControl::optExternal;
    case ForcedControl::optExternal:
        return ForcedControl::optInternal;
    case ForcedControl::optSweat:
        return ForcedControl::optFlare;
    case ForcedControl::optFlare:
        return ForcedControl::optSweat;
    }
    return control;
}

bool isBleedSeries(std::int16_t SeriesNo) {
    return Series(SeriesNo).bleed != BleedTable::None;
}

// Series whose equalizer the overrides fix to external and whose name carries no equalizer letter.
bool equalizerFixedExternal(std::int16_t SeriesNo) {
    return SeriesNo == series::VULK || (SeriesNo >= series::VRK && SeriesNo <= series::VEB);
}

} // namespace

void ForcedOptions::add(ForcedControl control, bool chosen, bool enabled) {
    if (m_count < m_steps.size()) {
        m_steps[m_count++] = {control, chosen, enabled};
    }
}

bool ForcedOptions::chosenAfter(ForcedControl control, bool chosenBefore) const {
    bool chosen = chosenBefore;
    for (const ForcedOption& step : steps()) {
        if (step.control == control) {
            chosen = step.chosen;
        } else if (step.control == partnerOf(control) && step.chosen) {
            chosen = false; // the two options share one group
        }
    }
    return chosen;
}

void ForceExternalEqualizer(ForcedOptions& forced) {
    forced.add(ForcedControl::optInternal, false, false);
    forced.add(ForcedControl::optExternal, true, true);
}

void SeriesOverrideOptions(std::int16_t SeriesNo, ForcedOptions& forced) {
    if (SeriesNo == series::GL || equalizerFixedExternal(SeriesNo)) {
        ForceExternalEqualizer(forced);
    }
}

void QZLargeSizeOptions(std::int16_t SeriesNo, std::int16_t SizeNo, ForcedOptions& forced) {
    if (SeriesNo != series::QZ || SizeNo < 9 || SizeNo > 12) {
        return;
    }
    ForceExternalEqualizer(forced);
    forced.add(ForcedControl::optSweat, true, true);
    forced.add(ForcedControl::optFlare, false, false);
}

NameLetters NameLettersFor(const LetterInputs& in) {
    NameLetters letters;
    if (in.equalizerFrameVisible) {
        letters.EqualizerCode = in.externalChosen ? kExternalLetter : std::string_view{};
    } else if (in.SeriesNo != series::NYF) {
        letters.EqualizerCode = in.EqualizerCode;
    }
    if (in.connectionFrameVisible && in.sweatChosen) {
        letters.ConnectionCode = kSweatLetter;
    }
    switch (in.SeriesNo) {
    case series::NYF:
    case series::KO:
    case series::KOD:
    case series::KOT:
    case series::VMP:
        letters.ConnectionCode.clear();
        break;
    default:
        if (equalizerFixedExternal(in.SeriesNo)) {
            letters.EqualizerCode.clear();
            letters.ConnectionCode.clear();
        }
        break;
    }
    return letters;
}

std::string SelectedName(const NameParts& p) {
    std::string name;
    name.reserve(40); // one allocation for every catalog name
    switch (p.SeriesNo) {
    case series::NYF: {
        char digits[8];
        auto* const end = std::to_chars(digits, digits + sizeof digits, p.SizeNo).ptr;
        name.append(kNYFCode).append(p.EqualizerCode).append(" ").append(digits, end);
        return name;
    }
    case series::OBN:
    case series::DQQ:
        return std::string(p.ValName);
    case series::QZ:
        name.append(p.seriesText).append(p.EqualizerCode).append(p.ConnectionCode).append(p.StrainerCode);
        break;
    case series::VA: // the connection letter before the equalizer letter
        name.append(p.seriesText).append(p.ConnectionCode).append(p.EqualizerCode);
        break;
    default:
        name.append(p.seriesText).append(p.EqualizerCode).append(p.ConnectionCode);
        break;
    }
    name.append(kSeparator).append(p.ValName).append(kSeparator).append(p.RefLetter).append(p.ChargeCode);
    if (isBleedSeries(p.SeriesNo)) {
        name.append(" ").append(p.BleedPart);
    }
    return name;
}

Assemblies AssembliesFor(std::int16_t SeriesNo, std::int16_t SizeNo, std::string_view RefLetter,
                         std::string_view ChargeCode, bool internalChosen) {
    Assemblies assemblies;
    if (!Series(SeriesNo).hasAssemblies) {
        return assemblies;
    }
    assemblies.power.append(PowerBase(SeriesNo)).append(kSeparator).append(RefLetter).append(ChargeCode);
    assemblies.cage.append(CagePart(SeriesNo, SizeNo))
        .append(internalChosen ? kInternalCageLetter : kExternalCageLetter);
    assemblies.shown = true;
    return assemblies;
}

} // namespace korveld
