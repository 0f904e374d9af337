// The selected valve's catalog name, its power and cage assemblies, and the worksheet options the
// selection forces for some series on the way.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korveld {

// ---- Worksheet options forced by a selection ----

enum class ForcedControl : std::uint8_t { optInternal, optExternal, optSweat, optFlare };

// One option set to chosen or not and enabled or not: apply Enabled, then Value (choosing an option
// in code runs its Click handler when it was not chosen).
struct ForcedOption {
    ForcedControl control;
    bool chosen;
    bool enabled;
    bool operator==(const ForcedOption&) const = default;
};

// The options a selection forces, in the order they are applied; at most eight.
class ForcedOptions {
public:
    void add(ForcedControl control, bool chosen, bool enabled);
    std::span<const ForcedOption> steps() const { return {m_steps.data(), m_count}; }
    // Whether the option ends up chosen after the steps, given its state before them.
    bool chosenAfter(ForcedControl control, bool chosenBefore) const;

private:
    std::array<ForcedOption, 8> m_steps{};
    std::size_t m_count = 0;
};

// External equalizer chosen and enabled, internal cleared and disabled (used by several rules).
void ForceExternalEqualizer(ForcedOptions& forced);
// The option states the per-series overrides set: GL, VULK, VRK, VRD, VOS, VAN and VEB.
void SeriesOverrideOptions(std::int16_t SeriesNo, ForcedOptions& forced);
// QZ sizes 9 to 12 need the external equalizer and sweat connections.
void QZLargeSizeOptions(std::int16_t SeriesNo, std::int16_t SizeNo, ForcedOptions& forced);

// ---- Letters of the name ----

struct LetterInputs {
    std::int16_t SeriesNo = 0;
    bool equalizerFrameVisible = true;  // fmeEqualizer
    bool externalChosen = true;         // optExternal
    bool connectionFrameVisible = true; // fmeLineConn
    bool sweatChosen = true;            // optSweat
    std::string_view EqualizerCode;     // the letter left by the last selection
};

struct NameLetters {
    std::string EqualizerCode;
    std::string ConnectionCode;
};

// The equalizer and connection letters read from the options, then the per-series overrides.
// NYF whose equalizer frame is hidden (left so by OBN or DQQ) gets no equalizer letter, so a letter
// chosen for another series never reaches its name.
NameLetters NameLettersFor(const LetterInputs& inputs);

// ---- Name and assemblies ----

struct NameParts {
    std::int16_t SeriesNo = 0;
    std::string_view seriesText; // txtSelValve
    std::string_view EqualizerCode;
    std::string_view ConnectionCode;
    std::string_view StrainerCode;
    std::int16_t SizeNo = 0;
    std::string_view ValName;
    std::string_view RefLetter;
    std::string_view ChargeCode;
    std::string_view BleedPart;
};

// SelectedName as the catalog orders the valve ("KOE - 1-1/2 - HW35 " for a bleed series).
std::string SelectedName(const NameParts& parts);

struct Assemblies {
    std::string power;  // txtPowAssby
    std::string cage;   // txtCageAssby
    bool shown = false; // labels visible and boxes enabled; otherwise empty, disabled and unlabelled
};

// Series 13 to 18: power base, refrigerant letter and charge; cage part of the size with "A" for the
// internal equalizer or "B".
Assemblies AssembliesFor(std::int16_t SeriesNo, std::int16_t SizeNo, std::string_view RefLetter,
                         std::string_view ChargeCode, bool internalChosen);

} // namespace korveld
