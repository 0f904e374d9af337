// The charge designation a selected valve carries, and the advice on a replacement power head
// for the refrigerants whose own power head may not be at hand.
#pragma once

#include "charges.h"
#include "message_pattern.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

// The charge frame as the Select button finds it.
struct ChargeChoice {
    bool frameVisible = true;                                    // fmeMOP
    std::optional<ChargeOption> chosen = ChargeOption::MOPNone;  // none when no option is chosen
    std::array<std::string_view, kChargeOptionCount> captions{}; // by ChargeOption
};

// The ChargeCode after the Select button: the chosen option's caption, "C"/"Z" by the converted
// evaporator temperature (°F) for optMOPNone or "W" for VA, unchanged while fmeMOP is hidden or
// no option is chosen; KOD always "CA".
std::string ChargeDesignation(std::int16_t SeriesNo, const ChargeChoice& choice, float EvapTemp,
                              std::string_view currentChargeCode);

struct PowerHeadAdvice {
    std::string firstText;     // empty when there is no advice
    std::string ReplaceAdvice; // empty when there is no advice
    std::int16_t AdviceClear = 1;
    std::string messageText; // txtMessage: first text, two spaces, ReplaceAdvice
    bool messageVisible = false;
};

// No advice for NYF, OBN and DQQ, nor for; the others are pointed at the
// power head of their base refrigerant with the same charge.
PowerHeadAdvice AdviseReplacement(std::int16_t SeriesNo, std::int16_t RefIndex, std::int16_t R507Flag,
                                  std::string_view RefLetter, std::string_view ChargeCode);

// The title of the timed box that repeats ReplaceAdvice.
inline constexpr std::string_view kPowerHeadReplacementTitle = "POWERHEAD REPLACEMENT";

// The timed box that repeats ReplaceAdvice, for every base refrigerant, whatever the charge.
std::vector<MessagePattern> PowerHeadAdviceMessages();

} // namespace korveld
