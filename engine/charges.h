// Power-head charges of the selection worksheet: which charge options the frame fmeMOP offers for
// a refrigerant, a valve series and an evaporator temperature, and how the frame is laid out.
// The functions return the changes to make to the frame and its five options; a field left empty
// is a property the procedure does not touch.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korveld {

// The refrigerants that share one set of charge designations.
enum class ChargeFamily { None, R12, R22, R502 };
ChargeFamily FamilyOf(std::int16_t RefIndex);

// How a series is treated by the charge rules.
enum class ChargeSeriesGroup {
    NoCharge, // NYF, OBN, DQQ: no power-head charge, fmeMOP hidden
    VA,       // own designations "AD 0", "AD 10", "AD -20", "W"
    KOD,      // the CA charge only
    Standard, // the standard MOP designations of the family
};
ChargeSeriesGroup GroupOf(std::int16_t SeriesNo);

// The five options of fmeMOP, in the order of ChargeFrameChange::options.
enum class ChargeOption : std::uint8_t { MOPNone, MOPCA, MOP1, MOP2, MOP3 };
inline constexpr std::size_t kChargeOptionCount = 5;

struct ChargeOptionChange {
    std::optional<std::string_view> caption;
    std::optional<int> top; // twips from the top of the frame
    std::optional<bool> visible;
    std::optional<bool> enabled;

    bool operator==(const ChargeOptionChange&) const = default;
};

// Changes to fmeMOP, applied in this order: frame visible, frame height, then for each option its
// caption, top, visible and enabled; then the option to choose (choosing it in code runs its Click
// handler when it was not chosen, and clears the other four); last the range hint lblEvapRange.
struct ChargeFrameChange {
    std::optional<bool> frameVisible;
    std::optional<int> frameHeight;
    std::array<ChargeOptionChange, kChargeOptionCount> options;
    std::optional<ChargeOption> choose;
    std::optional<std::string_view> rangeHint;

    ChargeOptionChange& operator[](ChargeOption option) { return options[static_cast<std::size_t>(option)]; }
    const ChargeOptionChange& operator[](ChargeOption option) const {
        return options[static_cast<std::size_t>(option)];
    }
    // The same frame after `later` is applied on top of this change: what `later` sets wins.
    ChargeFrameChange then(const ChargeFrameChange& later) const;

    bool operator==(const ChargeFrameChange&) const = default;
};

// The six selection procedures: captions, enabled states and the choice of optMOPNone for the
// evaporator temperature T, in °F for the _F procedures and in °C for the _C procedures.
ChargeFrameChange R12MOPSelect_F(std::int16_t SeriesNo, float T);
ChargeFrameChange R12MOPSelect_C(std::int16_t SeriesNo, float T);
ChargeFrameChange R22MOPSelect_F(std::int16_t SeriesNo, float T);
ChargeFrameChange R22MOPSelect_C(std::int16_t SeriesNo, float T);
ChargeFrameChange R502MOPSelect_F(std::int16_t SeriesNo, float T);
ChargeFrameChange R502MOPSelect_C(std::int16_t SeriesNo, float T);
// The procedure of a family in the unit system given; no change for ChargeFamily::None.
ChargeFrameChange MOPSelect(ChargeFamily family, std::int16_t SeriesNo, float T, bool metric);

// Shows the frame and the three MOP options, then runs the family's procedure when the evaporator
// box holds text, or sets the captions alone when it is empty.
ChargeFrameChange UpdateChargeOptions(std::int16_t RefIndex, std::int16_t SeriesNo, bool evapTextEmpty, float T,
                                      bool metric);

// Lays out the frame: the CA option beside the others for R-22, the CA option alone for KOD, and
// for VA with the R-502 family "W" without the MOP options.
ChargeFrameChange PowerHead(std::int16_t RefIndex, std::int16_t SeriesNo, bool metric);

// The evaporator box changed to a text that is not empty: the family's procedure for T. A KOD valve
// carries the CA charge whatever the procedure chooses, so its CA layout is kept: CA stays the
// chosen option and the range hint stays the CA range that Select enforces for KOD.
ChargeFrameChange EvaporatorEntryChange(std::int16_t RefIndex, std::int16_t SeriesNo, float T, bool metric);

// The range hint the Click handler of a charge option writes.
std::string_view ChargeOptionRangeHint(ChargeOption option, bool metric);

} // namespace korveld
