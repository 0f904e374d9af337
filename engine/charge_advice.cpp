#include "charge_advice.h"

namespace korveld {
namespace {

// The advice differs by base refrigerant: its letter and name, and the wording around the letters.
struct BaseRefrigerant {
    std::string_view beforeBase; // between L D and the base letter
    std::string_view afterBase;  // after the base letter and D
    std::string_view letter;
    std::string_view name;
};

// clang-format off
constexpr BaseRefrigerant kR12Base {" powerhead is not available the ", " can be used as a replacement powerhead.", "F", "R-12"};
constexpr BaseRefrigerant kR502Base{" is not available the ",           " can be used as a replacement.",           "R", "R-502"};
constexpr BaseRefrigerant kR22Base {" is not available the ",           " can be used as a replacement.",           "H", "R-22"};
// clang-format on

constexpr std::string_view kIfThe = "If the ";
constexpr std::string_view kIfYouHaveToUse = "If you have to use the ";
constexpr std::string_view kReturnToWorksheet = " powerhead it is suggested that you return to the VALVE SELECTION "
                                                "WORKSHEET and change the refrigerant type to ";
constexpr std::string_view kReselect = " and reselect to get the correct valve nomenclature.";

constexpr std::string_view kChargeC = "C";
constexpr std::string_view kChargeZ = "Z";
constexpr std::string_view kChargeW = "W";
constexpr std::string_view kChargeCA = "CA";

constexpr std::int16_t kR507Flag = 8;

} // namespace

std::string ChargeDesignation(std::int16_t SeriesNo, const ChargeChoice& choice, float EvapTemp,
                              std::string_view currentChargeCode) {
    std::string code(currentChargeCode);
    if (choice.frameVisible && choice.chosen) {
        if (*choice.chosen == ChargeOption::MOPNone) {
            // The caption of optMOPNone ("C or Z", "W", "AC", "CA") is never the designation.
            code = GroupOf(SeriesNo) == ChargeSeriesGroup::VA ? kChargeW : (EvapTemp >= 0.0f ? kChargeC : kChargeZ);
        } else {
            code = choice.captions[static_cast<std::size_t>(*choice.chosen)];
        }
    }
    if (GroupOf(SeriesNo) == ChargeSeriesGroup::KOD) {
        code = kChargeCA;
    }
    return code;
}

std::vector<MessagePattern> PowerHeadAdviceMessages() {
    std::vector<MessagePattern> patterns;
    for (const BaseRefrigerant* base : {&kR12Base, &kR502Base, &kR22Base}) {
        // The charge code stands between the base letter and the rest.
        patterns.push_back({kPowerHeadReplacementTitle,
                            {std::string(kIfYouHaveToUse).append(base->letter),
                             std::string(kReturnToWorksheet).append(base->name).append(kReselect)}});
    }
    return patterns;
}

PowerHeadAdvice AdviseReplacement(std::int16_t SeriesNo, std::int16_t RefIndex, std::int16_t R507Flag,
                                  std::string_view RefLetter, std::string_view ChargeCode) {
    PowerHeadAdvice advice;
    if (GroupOf(SeriesNo) == ChargeSeriesGroup::NoCharge) {
        return advice;
    }
    const BaseRefrigerant* base = nullptr;
    if (RefIndex == 3 || RefIndex == 4) {
        base = &kR12Base;
    } else if (RefIndex == 5 || RefIndex == 7 || RefIndex == 6 || (RefIndex == 8 && R507Flag == kR507Flag)) {
        base = &kR502Base;
    } else if (RefIndex == 9) {
        base = &kR22Base;
    } else {
        return advice; // R-12, R-22, R-502
    }
    advice.firstText.reserve(120);
    advice.ReplaceAdvice.reserve(200);
    advice.firstText.append(kIfThe)
        .append(RefLetter)
        .append(ChargeCode)
        .append(base->beforeBase)
        .append(base->letter)
        .append(ChargeCode)
        .append(base->afterBase);
    advice.ReplaceAdvice.append(kIfYouHaveToUse)
        .append(base->letter)
        .append(ChargeCode)
        .append(kReturnToWorksheet)
        .append(base->name)
        .append(kReselect);
    advice.AdviceClear = 0;
    advice.messageText.reserve(advice.firstText.size() + 2 + advice.ReplaceAdvice.size());
    advice.messageText.append(advice.firstText).append("  ").append(advice.ReplaceAdvice);
    advice.messageVisible = true;
    return advice;
}

} // namespace korveld
