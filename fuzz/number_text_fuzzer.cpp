// Any bytes as a typed entry: the number test, the leading number and every display pattern must
// agree with each other and never show "inf" or "nan".
#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace korveld;

constexpr std::array<std::string_view, 6> kPatterns{kCapacityPattern,     kLoadingPattern, kOneDecimalPattern,
                                                    kPressureDropPattern, kEntryPattern,   kWideEntryPattern};

bool showsNoInfinity(const std::string& text) {
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

void checkText(std::string_view text, const NumberLocale& locale) {
    const std::optional<double> value = ParseNumber(text, locale);
    FUZZ_CHECK(IsNumber(text, locale) == value.has_value());
    FUZZ_CHECK(!std::isnan(LeadingNumber(text, locale)));
    if (!value) {
        return;
    }
    FUZZ_CHECK(std::isfinite(*value));
    // A whole number is also the leading number of its text.
    FUZZ_CHECK(LeadingNumber(text, locale) == *value);
    const float single = ToSingleSaturated(*value);
    FUZZ_CHECK(std::isfinite(single));
    for (std::string_view pattern : kPatterns) {
        const std::string shown = FormatNumber(*value, pattern, locale);
        FUZZ_CHECK(!shown.empty() && showsNoInfinity(shown));
        if (pattern.find(',') == std::string_view::npos) {
            // Without grouping a shown number reads back as a number within half its last decimal.
            const std::optional<double> back = ParseNumber(shown, locale);
            FUZZ_CHECK(back.has_value());
            const double halfLastDecimal = pattern.ends_with(".00") ? 0.005 : 0.05;
            FUZZ_CHECK(std::fabs(*back - *value) <= halfLastDecimal + std::fabs(*value) * 1e-15);
        }
    }
    if (FitsSingle(*value)) {
        FUZZ_CHECK(ToSingle(*value).has_value());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkText(text, NumberLocale{});
    checkText(text, NumberLocale{",", "."});
    return 0;
}
