#include "worksheets/capacity_report.h"

#include "engine/conditions.h"
#include "engine/units.h"

#include <string_view>

namespace korveld {

namespace {

constexpr std::string_view kStars = "***************************";

void inputLine(PrintDocument& page, std::string_view title, std::string_view value) {
    page.newLine().spaces(3).text(title).at(40, value);
}

void valueWithUnit(PrintDocument& page, std::string_view title, std::string_view value, int gap,
                   std::string_view unit) {
    page.newLine().spaces(3).text(title).at(40, value).spaces(gap).text(unit);
}

} // namespace

PrintDocument BuildCapacityReport(const CapacityReport& report, const NumberLocale& locale) {
    PrintDocument page;
    const std::string_view letter = report.metric ? "C" : "F";

    page.newLine();
    page.newLine().at(10, report.date).at(30, report.time);
    page.newLine();
    page.newLine();
    page.newLine().spaces(3).text(kStars).text(" INPUTS ").text(kStars);
    inputLine(page, "REFRIGERANT TYPE", report.refrigerant);
    inputLine(page, "VALVE TYPE", report.valve);
    valueWithUnit(page, "EVAPORATOR TEMPERATURE :", report.evapTemp, 2, letter);
    valueWithUnit(page, "CONDENSING TEMPERATURE :", report.condTemp, 2, letter);
    valueWithUnit(page, "LIQUID TEMPERATURE:", report.liqTemp, 2, letter);
    const std::string distributorDrop =
        report.userDefined
            ? FormatNumber(ParseNumber(report.pressureDropEntry, locale).value_or(0.0), kOneDecimalPattern, locale)
            : ReportPressureText(report.DistPressDrop, report.metric, locale);
    valueWithUnit(page, "DISTRIBUTOR PRESSURE DROP", distributorDrop, 2, report.pressureUnit);
    valueWithUnit(page, "EVAPORATOR CAPACITY :", report.systemCapacity, 2, report.systemCapacityUnit);
    page.newLine();
    page.newLine().spaces(3).text(kStars).text(" OUTPUTS ").text(kStars);
    valueWithUnit(page, "VALVE PRESSURE DROP :", ReportPressureText(report.DeltaP, report.metric, locale), 1,
                  report.pressureUnit);
    page.newLine();
    if (report.loading) {
        page.newLine().at(10, "VALVE NAME").at(30, "VALVE CAPACITY").at(50, "VALVE LOADING");
        page.newLine().at(34, "(" + report.capacityUnit + ")");
        for (const CapacityReportRow& row : report.rows) {
            page.newLine().at(11, row.label).at(31, row.capacity).at(51, row.loading).spaces(1).text("%");
        }
    } else {
        page.newLine().at(10, "VALVE NAME").at(30, "VALVE CAPACITY");
        page.newLine().at(35, report.capacityUnit);
        for (const CapacityReportRow& row : report.rows) {
            page.newLine().at(11, row.label).at(31, row.capacity);
        }
    }
    return page;
}

} // namespace korveld
