#include "entry_checks.h"

namespace korveld {
namespace {

// clang-format off
//                                        evap            evapNarrow     cond           liq
constexpr TemperatureRanges kEnglish{{-40.0, 60.0}, {  0.0, 60.0}, {50.0, 150.0}, {  0.0, 150.0}};
constexpr TemperatureRanges kMetric {{-40.0, 16.0}, {-18.0, 16.0}, {10.0,  66.0}, {-18.0,  66.0}};
// clang-format on

} // namespace

const TemperatureRanges& EntryRanges(bool metric) {
    return metric ? kMetric : kEnglish;
}

EntryFailure InvalidDropFailure(std::string_view typed) {
    using namespace entry_messages;
    return {std::string(kInvalidDropBefore).append(typed).append(kInvalidDropAfter), kInvalidDropTitle,
            CheckedEntry::PressureDrop, CheckedEntry::PressureDrop};
}

std::vector<MessagePattern> SharedEntryMessages() {
    using namespace entry_messages;
    std::vector<MessagePattern> patterns;
    for (const CheckMessage* message :
         {&kNoRefrigerant, &kNoValve, &kNoEvap, &kNoCond, &kNoLiq, &kNoPressureDrop, &kInvalidEvap, &kInvalidCond,
          &kInvalidLiq, &kEvapOutOfRange, &kCondOutOfRange, &kLiqOutOfRange, &kNegativeDrop}) {
        patterns.push_back(message->pattern());
    }
    patterns.push_back({kInvalidDropTitle, {std::string(kInvalidDropBefore), std::string(kInvalidDropAfter)}});
    return patterns;
}

} // namespace korveld
