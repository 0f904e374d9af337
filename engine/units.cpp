#include "units.h"

#include "float_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace korveld {
namespace {

using Op = CapacityEntryConversion::Operation;

// 1 ton = 12000 Btu/h = 3.52 kW = 3024 kcal/h for the entries; the rating has its own factors.
inline constexpr double kKwPerTon = 3.52;
inline constexpr double kKcalPerTon = 3024.0;

struct ConversionCell {
    Op operation;
    double operand;
    std::string_view capacityPattern;  // on frmtxvCapacity
    std::string_view selectionPattern; // on frmkorveld
};

constexpr std::string_view E = kEntryPattern;     // "#######.00"
constexpr std::string_view W = kWideEntryPattern; // "########.00"

// Rows: from Btu/h, Tons, kW, kCal; columns: to the same four.
// clang-format off
constexpr std::array<std::array<ConversionCell, 4>, 4> kCapacityTable{{
    {{{Op::Multiply, 1.0,                       E, E}, {Op::Divide,   kBtuPerHourPerTon,         E, E},
      {Op::Multiply, kKwPerTon / 12000.0,       E, E}, {Op::Multiply, kKcalPerTon / 12000.0,     E, E}}},
    {{{Op::Multiply, kBtuPerHourPerTon,         E, E}, {Op::Multiply, 1.0,                       E, E},
      {Op::Multiply, kKwPerTon,                 E, E}, {Op::Multiply, kKcalPerTon,               E, E}}},
    {{{Op::Multiply, 12000.0 / kKwPerTon,       E, E}, {Op::Multiply, 1.0 / kKwPerTon,           E, E},
      {Op::Multiply, 1.0,                       E, E}, {Op::Multiply, kKcalPerTon / kKwPerTon,   W, W}}},
    {{{Op::Multiply, 12000.0 / kKcalPerTon,     W, E}, {Op::Multiply, 1.0 / kKcalPerTon,         W, E},
      {Op::Multiply, kKwPerTon / kKcalPerTon,   E, W}, {Op::Multiply, 1.0,                       E, E}}},
}};
// clang-format on

std::size_t indexOf(CapacityUnit unit) {
    const auto value = static_cast<std::int16_t>(unit);
    return value >= 1 && value <= 4 ? static_cast<std::size_t>(value - 1) : 0;
}

std::optional<ConvertedEntry> shown(std::optional<float> value, std::string_view pattern, const NumberLocale& locale) {
    if (!value) {
        return std::nullopt;
    }
    return ConvertedEntry{*value, FormatNumber(*value, pattern, locale)};
}

constexpr std::string_view kEvapEntryText =
    "You have entered an invalid value for the Evaporator Temperature.  You need to do so now!";
constexpr std::string_view kEvapEntryTitle = "Evaporator Temperature Input Error";
constexpr std::string_view kCondEntryText =
    "You have entered an invalid Condensor Temperature entry!  Please try again.";
constexpr std::string_view kCondEntryTitle = "INCORRECT CONDENSOR TEMPERATURE ENTRY";
constexpr std::string_view kLiqEntryText = "You have entered an invalid Liquid Temperature entry!  Please try again.";
constexpr std::string_view kLiqEntryTitle = "INCORRECT LIQUID TEMPERATURE ENTRY";
constexpr std::string_view kDropEntryBefore = "You have entered an invalid Distributor Pressure Drop entry; the value ";
constexpr std::string_view kDropEntryTitle = "INCORRECT PRESSURE DROP ENTRY";
constexpr std::string_view kCapacityEntryBefore = "You have entered an invalid System Capacity entry; the value ";
constexpr std::string_view kCapacityEntryTitle = "INCORRECT SYSTEM CAPACITY ENTRY";
constexpr std::string_view kNotATrueNumber = " is not a true number!  Please enter a correct value.";

std::string withEntry(std::string_view before, std::string_view entry, std::string_view after) {
    std::string text;
    text.reserve(before.size() + entry.size() + after.size());
    text += before;
    text += entry;
    text += after;
    return text;
}

} // namespace

CapacityEntryConversion CapacityConversion(CapacityUnit from, CapacityUnit to, Worksheet sheet) {
    const ConversionCell& cell = kCapacityTable[indexOf(from)][indexOf(to)];
    return {cell.operation, cell.operand, sheet == Worksheet::Capacity ? cell.capacityPattern : cell.selectionPattern};
}

std::optional<float> ThroughText(double value) {
    if (!FitsSingle(value)) {
        return std::nullopt;
    }
    char text[32];
    const auto written = WriteGeneral(text, text + sizeof text, value, 15);
    // The 15 digits may round up past the largest Single (3.40282349e38 gives 3.40282350000000e+38,
    // which still fits; anything above the limit does not).
    double shownValue = 0.0;
    ReadDecimal(text, written.ptr, shownValue);
    if (!FitsSingle(shownValue)) {
        return std::nullopt;
    }
    float single = 0.0f;
    const auto read = ReadDecimal(text, written.ptr, single);
    if (read.ec == std::errc::result_out_of_range) {
        return static_cast<float>(shownValue); // below the normal Singles: subnormal or zero
    }
    return single;
}

std::optional<ConvertedEntry> ConvertCapacityEntry(double x, CapacityUnit from, CapacityUnit to, Worksheet sheet,
                                                   const NumberLocale& locale) {
    if (!FitsSingle(x)) {
        return std::nullopt;
    }
    const CapacityEntryConversion conversion = CapacityConversion(from, to, sheet);
    return shown(ThroughText(conversion.Apply(x)), conversion.pattern, locale);
}

std::optional<ConvertedEntry> ConvertPressureDropEntry(double drop, PressureUnit from, PressureUnit to,
                                                       const NumberLocale& locale) {
    if (!FitsSingle(drop)) {
        return std::nullopt;
    }
    double converted = drop;
    if (from == PressureUnit::Psi && to == PressureUnit::Bars) {
        converted = BarsFromPsi(drop);
    } else if (from == PressureUnit::Bars && to == PressureUnit::Psi) {
        converted = PsiFromBars(drop);
    }
    return shown(ThroughText(converted), kPressureDropPattern, locale);
}

std::optional<ConvertedEntry> ConvertTemperatureEntry(double temperature, UnitSystem to, const NumberLocale& locale) {
    if (!FitsSingle(temperature)) {
        return std::nullopt;
    }
    const double converted =
        to == UnitSystem::Metric ? CelsiusFromFahrenheit(temperature) : FahrenheitFromCelsius(temperature);
    return shown(ToSingle(converted), kOneDecimalPattern, locale);
}

std::optional<float> RatingTemperature(double entry, UnitSystem system) {
    if (!FitsSingle(entry)) {
        return std::nullopt;
    }
    return ToSingle(system == UnitSystem::Metric ? FahrenheitFromCelsius(entry) : entry);
}

std::optional<float> RatingPressureDrop(double entry, UnitSystem system) {
    if (!FitsSingle(entry)) {
        return std::nullopt;
    }
    return ToSingle(system == UnitSystem::Metric ? PsiFromBars(entry) : entry);
}

std::string_view CapacityUnitCaption(CapacityUnit unit, Worksheet sheet) {
    // clang-format off
    constexpr std::array<std::string_view, 4> kCapacitySheet {"Btu/h", "Tons", "kW", "KiloCal"};
    constexpr std::array<std::string_view, 4> kSelectionSheet{"Btu/h", "Tons", "kW", "kCal."};
    // clang-format on
    return (sheet == Worksheet::Capacity ? kCapacitySheet : kSelectionSheet)[indexOf(unit)];
}

std::string_view PressureUnitCaption(PressureUnit unit) {
    return unit == PressureUnit::Bars ? "bars" : "psi";
}

std::string_view EvapRangeCaption(UnitSystem system, bool mopCA) {
    if (system == UnitSystem::Metric) {
        return mopCA ? "Range: -18 to 16 deg C." : "Range:-40 to 16 deg C.";
    }
    return mopCA ? "Range: 0 to 60 deg F." : "Range:-40 to 60 deg F.";
}

std::string_view CondRangeCaption(UnitSystem system) {
    return system == UnitSystem::Metric ? "Range: 10 to 60 deg C." : "Range: 50 to 150 deg F.";
}

std::string_view LiqRangeCaption(UnitSystem system) {
    return system == UnitSystem::Metric ? "Range: -18 to 66 deg C." : "Range: 0 to 150 deg F.";
}

UnitMessage TemperatureEntryMessage(TemperatureEntry entry) {
    switch (entry) {
    case TemperatureEntry::Condensing:
        return {std::string(kCondEntryText), kCondEntryTitle};
    case TemperatureEntry::Liquid:
        return {std::string(kLiqEntryText), kLiqEntryTitle};
    case TemperatureEntry::Evaporator:
        break;
    }
    return {std::string(kEvapEntryText), kEvapEntryTitle};
}

UnitMessage PressureDropEntryMessage(std::string_view entry) {
    return {withEntry(kDropEntryBefore, entry, kNotATrueNumber), kDropEntryTitle};
}

UnitMessage CapacityEntryMessage(std::string_view entry) {
    return {withEntry(kCapacityEntryBefore, entry, kNotATrueNumber), kCapacityEntryTitle};
}

std::vector<MessagePattern> UnitSwitchMessages() {
    return {{kEvapEntryTitle, {std::string(kEvapEntryText)}},
            {kCondEntryTitle, {std::string(kCondEntryText)}},
            {kLiqEntryTitle, {std::string(kLiqEntryText)}},
            {kDropEntryTitle, {std::string(kDropEntryBefore), std::string(kNotATrueNumber)}},
            {kCapacityEntryTitle, {std::string(kCapacityEntryBefore), std::string(kNotATrueNumber)}}};
}

std::string ReportPressureText(float psi, bool metric, const NumberLocale& locale) {
    std::array<char, 40> digits{};
    const auto written =
        metric ? WriteGeneral(digits.data(), digits.data() + digits.size(), static_cast<double>(psi) / kPsiPerBar, 15)
               : WriteShortest(digits.data(), digits.data() + digits.size(), psi);
    double read = 0.0;
    ReadDecimal(digits.data(), written.ptr, read);
    return FormatNumber(read, kOneDecimalPattern, locale);
}

} // namespace korveld
