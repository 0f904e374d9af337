#include "charges.h"

#include "series_numbers.h"

#include <limits>
#include <span>

namespace korveld {
namespace {

constexpr double kBelow = -std::numeric_limits<double>::infinity();
constexpr double kAbove = std::numeric_limits<double>::infinity();

// Enabled states of optMOP1, optMOP2, optMOP3.
using MOPEnabled = std::array<bool, 3>;
constexpr MOPEnabled kAllOn{true, true, true};
constexpr MOPEnabled kFirstOff{false, true, true};
constexpr MOPEnabled kFirstTwoOff{false, false, true};
constexpr MOPEnabled kAllOff{false, false, false};
constexpr MOPEnabled kThirdOff{true, true, false};
constexpr MOPEnabled kLastTwoOff{true, false, false};

// One temperature band; the bands of a procedure are tested in order and the first match wins.
struct Band {
    double low;
    bool lowIncluded;
    double high;
    bool highIncluded;
    MOPEnabled enabled;

    bool holds(float T) const {
        const double t = T;
        return (lowIncluded ? t >= low : t > low) && (highIncluded ? t <= high : t < high);
    }
};

// clang-format off
//                                   low     incl   high   incl   MOP1 MOP2 MOP3
constexpr Band kR12StandardF[] = {{kBelow, false,   0.0, false, kAllOn},
                                  {   0.0, true,   30.0, true,  kFirstOff},
                                  {  30.0, false,  50.0, false, kFirstTwoOff},
                                  {  50.0, true,  kAbove, false, kAllOff}};
constexpr Band kR12StandardC[] = {{kBelow, false, -18.0, false, kAllOn},
                                  { -18.0, true,   -1.0, true,  kFirstOff},
                                  {  -1.0, false,  10.0, false, kFirstTwoOff},
                                  {  10.0, true,  kAbove, false, kAllOff}};
constexpr Band kR22StandardF[] = {{kBelow, false,   5.0, false, kAllOn},
                                  {   5.0, true,   30.0, true,  kFirstOff},
                                  {  30.0, false,  50.0, true,  kFirstTwoOff},
                                  {  50.0, false, kAbove, false, kAllOff}};
constexpr Band kR22StandardC[] = {{kBelow, false, -15.0, false, kAllOn},
                                  { -15.0, true,   -1.0, true,  kFirstOff},
                                  {  -1.0, false,  10.0, false, kFirstTwoOff},
                                  {  10.0, true,  kAbove, false, kAllOff}};
constexpr Band kR502StandardF[] = {{kBelow, false,  -5.0, false, kAllOn},
                                   {  -5.0, true,    5.0, true,  kFirstOff},
                                   {   5.0, false,  25.0, true,  kFirstTwoOff},
                                   {  25.0, false, kAbove, false, kAllOff}};
constexpr Band kR502StandardC[] = {{kBelow, false, -21.0, false, kAllOn},
                                   { -21.0, true,  -15.0, true,  kFirstOff},
                                   { -15.0, false,  -4.0, true,  kFirstTwoOff},
                                   {  -4.0, false, kAbove, false, kAllOff}};
// VA switches its highest option off first. The R-22 procedures test their first band from -40,
// so below -40 no band matches and every option stays enabled.
constexpr Band kR12VAF[] = {{kBelow, false, -40.0, false, kAllOn},
                            { -40.0, true,   23.0, true,  kThirdOff},
                            {  23.0, false,  32.0, true,  kLastTwoOff},
                            {  32.0, false, kAbove, false, kAllOff}};
constexpr Band kR12VAC[] = {{kBelow, false, -40.0, false, kAllOn},
                            { -40.0, true,   -5.0, true,  kThirdOff},
                            {  -5.0, false,   0.0, true,  kLastTwoOff},
                            {   0.0, false, kAbove, false, kAllOff}};
constexpr Band kR22VAF[] = {{ -40.0, true,  -17.0, true,  kAllOn},
                            { -27.0, true,   23.0, true,  kThirdOff},
                            {  23.0, false,  32.0, true,  kLastTwoOff},
                            {  32.0, false, kAbove, false, kAllOff}};
constexpr Band kR22VAC[] = {{ -40.0, true,  -27.0, true,  kAllOn},
                            { -27.0, false,  -5.0, true,  kThirdOff},
                            {  -5.0, false,   0.0, true,  kLastTwoOff},
                            {   0.0, false, kAbove, false, kAllOff}};

// Captions of optMOP1, optMOP2, optMOP3 and optMOPNone.
using Captions = std::array<std::string_view, 4>;
constexpr Captions kR12VACaptions       {"AD 0", "AD 10", "",       "W"};
constexpr Captions kR12StandardCaptions {"W15",  "W35",   "W55",    "C or Z"};
constexpr Captions kR22VACaptions       {"AD 0", "AD 10", "AD -20", "W"};
constexpr Captions kR22StandardCaptions {"W35",  "W65",   "W100",   "C or Z"};
constexpr Captions kR502StandardCaptions{"W35",  "W45",   "W65",    "C or Z"};
// Captions the empty-evaporator step alone writes.
constexpr Captions kR12KODCaptions      {"",     "",      "",       "CA"};
constexpr Captions kR502VACaptions      {"",     "",      "",       "W"};
// clang-format on

constexpr std::string_view kKODCharge = "AC"; // the R-22 family's caption of optMOPNone for KOD
constexpr std::string_view kVAR502Charge = "W";

constexpr std::string_view kRangeHintGeneralF = "Range: -40 to 60 deg F.";
constexpr std::string_view kRangeHintGeneralC = "Range: -40 to 16 deg C.";
constexpr std::string_view kRangeHintCAF = "Range: 0 to 60 deg F.";
constexpr std::string_view kRangeHintCAC = "Range: -18 to 16 deg C.";
constexpr std::string_view kPowerHeadKODHintF = "Range: 0 to 60 deg F.";
constexpr std::string_view kPowerHeadKODHintC = "Range:-18 to 16 deg C.";

constexpr ChargeOption kMOPs[] = {ChargeOption::MOP1, ChargeOption::MOP2, ChargeOption::MOP3};

void setCaptions(ChargeFrameChange& change, const Captions& captions) {
    for (std::size_t i = 0; i < 3; ++i) {
        change[kMOPs[i]].caption = captions[i];
    }
    change[ChargeOption::MOPNone].caption = captions[3];
}

void setMOPsVisible(ChargeFrameChange& change, bool visible) {
    for (ChargeOption option : kMOPs) {
        change[option].visible = visible;
    }
}

std::span<const Band> bandsOf(ChargeFamily family, bool va, bool metric) {
    switch (family) {
    case ChargeFamily::R12:
        return va ? (metric ? std::span<const Band>(kR12VAC) : kR12VAF) : (metric ? kR12StandardC : kR12StandardF);
    case ChargeFamily::R22:
        return va ? (metric ? std::span<const Band>(kR22VAC) : kR22VAF) : (metric ? kR22StandardC : kR22StandardF);
    case ChargeFamily::R502:
        return metric ? std::span<const Band>(kR502StandardC) : kR502StandardF;
    case ChargeFamily::None:
        break;
    }
    return {};
}

const Captions& captionsOf(ChargeFamily family, bool va) {
    switch (family) {
    case ChargeFamily::R12:
        return va ? kR12VACaptions : kR12StandardCaptions;
    case ChargeFamily::R22:
        return va ? kR22VACaptions : kR22StandardCaptions;
    default:
        return kR502StandardCaptions;
    }
}

// The R-22 family's KOD branch: the "AC" charge alone.
ChargeFrameChange r22KOD() {
    ChargeFrameChange change;
    change[ChargeOption::MOPNone].caption = kKODCharge;
    change[ChargeOption::MOPNone].enabled = true;
    setMOPsVisible(change, false);
    change.choose = ChargeOption::MOPNone;
    return change;
}

ChargeFrameChange hiddenFrame() {
    ChargeFrameChange change;
    change.frameVisible = false;
    return change;
}

} // namespace

ChargeFamily FamilyOf(std::int16_t RefIndex) {
    switch (RefIndex) {
    case 1:
    case 3:
    case 4:
        return ChargeFamily::R12;
    case 2:
    case 9:
        return ChargeFamily::R22;
    case 5:
    case 6:
    case 7:
    case 8:
        return ChargeFamily::R502;
    default:
        return ChargeFamily::None;
    }
}

ChargeSeriesGroup GroupOf(std::int16_t SeriesNo) {
    switch (SeriesNo) {
    case series::NYF:
    case series::OBN:
    case series::DQQ:
        return ChargeSeriesGroup::NoCharge;
    case series::KOD:
        return ChargeSeriesGroup::KOD;
    case series::VA:
        return ChargeSeriesGroup::VA;
    default:
        return ChargeSeriesGroup::Standard;
    }
}

ChargeFrameChange ChargeFrameChange::then(const ChargeFrameChange& later) const {
    ChargeFrameChange merged = *this;
    auto overlay = [](auto& into, const auto& from) {
        if (from) {
            into = from;
        }
    };
    overlay(merged.frameVisible, later.frameVisible);
    overlay(merged.frameHeight, later.frameHeight);
    for (std::size_t i = 0; i < kChargeOptionCount; ++i) {
        overlay(merged.options[i].caption, later.options[i].caption);
        overlay(merged.options[i].top, later.options[i].top);
        overlay(merged.options[i].visible, later.options[i].visible);
        overlay(merged.options[i].enabled, later.options[i].enabled);
    }
    overlay(merged.choose, later.choose);
    overlay(merged.rangeHint, later.rangeHint);
    return merged;
}

ChargeFrameChange MOPSelect(ChargeFamily family, std::int16_t SeriesNo, float T, bool metric) {
    if (family == ChargeFamily::None) {
        return {};
    }
    const ChargeSeriesGroup group = GroupOf(SeriesNo);
    if (group == ChargeSeriesGroup::NoCharge) {
        return hiddenFrame();
    }
    if (family == ChargeFamily::R22 && group == ChargeSeriesGroup::KOD) {
        return r22KOD();
    }
    const bool va = group == ChargeSeriesGroup::VA;
    ChargeFrameChange change;
    if (family == ChargeFamily::R502 && va) {
        // "W" is the one charge of this family's VA: it becomes the choice, so that an "AD" charge
        // chosen for another refrigerant cannot stay chosen behind the hidden options.
        change.frameVisible = true;
        change[ChargeOption::MOPNone].caption = kVAR502Charge;
        setMOPsVisible(change, false);
        change.choose = ChargeOption::MOPNone;
        return change;
    }
    setCaptions(change, captionsOf(family, va));
    change[ChargeOption::MOPNone].enabled = true;
    MOPEnabled enabled = kAllOn; // no band matches: every option stays enabled
    for (const Band& band : bandsOf(family, va, metric)) {
        if (band.holds(T)) {
            enabled = band.enabled;
            break;
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        change[kMOPs[i]].enabled = enabled[i];
    }
    change.choose = ChargeOption::MOPNone;
    return change;
}

ChargeFrameChange R12MOPSelect_F(std::int16_t SeriesNo, float T) {
    return MOPSelect(ChargeFamily::R12, SeriesNo, T, false);
}
ChargeFrameChange R12MOPSelect_C(std::int16_t SeriesNo, float T) {
    return MOPSelect(ChargeFamily::R12, SeriesNo, T, true);
}
ChargeFrameChange R22MOPSelect_F(std::int16_t SeriesNo, float T) {
    return MOPSelect(ChargeFamily::R22, SeriesNo, T, false);
}
ChargeFrameChange R22MOPSelect_C(std::int16_t SeriesNo, float T) {
    return MOPSelect(ChargeFamily::R22, SeriesNo, T, true);
}
ChargeFrameChange R502MOPSelect_F(std::int16_t SeriesNo, float T) {
    return MOPSelect(ChargeFamily::R502, SeriesNo, T, false);
}
ChargeFrameChange R502MOPSelect_C(std::int16_t SeriesNo, float T) {
    return MOPSelect(ChargeFamily::R502, SeriesNo, T, true);
}

ChargeFrameChange UpdateChargeOptions(std::int16_t RefIndex, std::int16_t SeriesNo, bool evapTextEmpty, float T,
                                      bool metric) {
    ChargeFrameChange shown;
    shown.frameVisible = true;
    setMOPsVisible(shown, true);
    const ChargeFamily family = FamilyOf(RefIndex);
    if (family == ChargeFamily::None) {
        return shown;
    }
    if (!evapTextEmpty) {
        return shown.then(MOPSelect(family, SeriesNo, T, metric));
    }
    const ChargeSeriesGroup group = GroupOf(SeriesNo);
    if (group == ChargeSeriesGroup::NoCharge) {
        return shown.then(hiddenFrame());
    }
    ChargeFrameChange captions;
    switch (family) {
    case ChargeFamily::R12:
        setCaptions(captions, group == ChargeSeriesGroup::KOD ? kR12KODCaptions
                                                              : captionsOf(family, group == ChargeSeriesGroup::VA));
        break;
    case ChargeFamily::R22:
        if (group == ChargeSeriesGroup::KOD) {
            return shown.then(r22KOD());
        }
        setCaptions(captions, captionsOf(family, group == ChargeSeriesGroup::VA));
        break;
    case ChargeFamily::R502:
        setCaptions(captions, group == ChargeSeriesGroup::VA ? kR502VACaptions : kR502StandardCaptions);
        break;
    case ChargeFamily::None:
        break;
    }
    return shown.then(captions);
}

ChargeFrameChange PowerHead(std::int16_t RefIndex, std::int16_t SeriesNo, bool metric) {
    ChargeFrameChange change;
    ChargeOptionChange& none = change[ChargeOption::MOPNone];
    ChargeOptionChange& ca = change[ChargeOption::MOPCA];
    if (SeriesNo == series::KOD) {
        change.frameHeight = 600;
        none.visible = false;
        ca.top = 250;
        ca.visible = true;
        setMOPsVisible(change, false);
        change.choose = ChargeOption::MOPCA;
        change.rangeHint = metric ? kPowerHeadKODHintC : kPowerHeadKODHintF;
        return change;
    }
    // Only R-22 itself is offered the CA charge beside the MOP charges.
    const bool offerCA = RefIndex == 2;
    change.frameHeight = offerCA ? 1350 : 1100;
    none.top = 250;
    none.visible = true;
    ca.top = 450;
    ca.visible = offerCA;
    const int firstMOPTop = offerCA ? 650 : 450;
    // The R-502 family's VA has no MOP charge: its hidden options keep the captions of another
    // refrigerant and stay hidden.
    const bool mopsOffered = !(FamilyOf(RefIndex) == ChargeFamily::R502 && GroupOf(SeriesNo) == ChargeSeriesGroup::VA);
    for (std::size_t i = 0; i < 3; ++i) {
        change[kMOPs[i]].top = firstMOPTop + 200 * static_cast<int>(i);
        change[kMOPs[i]].visible = mopsOffered;
    }
    return change;
}

ChargeFrameChange EvaporatorEntryChange(std::int16_t RefIndex, std::int16_t SeriesNo, float T, bool metric) {
    const ChargeFrameChange change = MOPSelect(FamilyOf(RefIndex), SeriesNo, T, metric);
    if (SeriesNo != series::KOD || FamilyOf(RefIndex) == ChargeFamily::None) {
        return change;
    }
    return change.then(PowerHead(RefIndex, SeriesNo, metric));
}

std::string_view ChargeOptionRangeHint(ChargeOption option, bool metric) {
    if (option == ChargeOption::MOPCA) {
        return metric ? kRangeHintCAC : kRangeHintCAF;
    }
    return metric ? kRangeHintGeneralC : kRangeHintGeneralF;
}

} // namespace korveld
