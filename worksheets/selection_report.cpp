#include "worksheets/selection_report.h"

#include "engine/number_text.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/platform.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace korveld {

namespace {

constexpr int kLabelColumn = 3;
constexpr int kValueColumn = 50;
constexpr int kTimeColumn = 20;
constexpr std::string_view kBanner = "***************************";
constexpr std::string_view kUnitGap = "  ";

// A number turned into decimal text the way the run time writes it (7 significant digits for a
// Single, 15 for a double), then read back and shown with "###.0".
std::string OneDecimalThroughText(double value, int significantDigits) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*g", significantDigits, value);
    return FormatNumber(std::strtod(text, nullptr), kOneDecimalPattern);
}

// A typed entry shown with "###.0"; an entry that is no number prints as typed.
std::string OneDecimalOfText(std::string_view typed) {
    const std::optional<double> value = ParseNumber(typed);
    return value ? FormatNumber(*value, kOneDecimalPattern) : std::string(typed);
}

void labelled(PrintDocument& document, std::string_view label, std::string_view value) {
    document.newLine().at(kLabelColumn, label).at(kValueColumn, value);
}

std::string withUnit(std::string_view value, std::string_view unit) {
    return std::string(value).append(kUnitGap).append(unit);
}

std::string banner(std::string_view title) {
    return std::string(kBanner).append("  ").append(title).append("  ").append(kBanner);
}

} // namespace

PrintDocument SelectionReport(const frmkorveld& worksheet, const frmResults& results, std::string_view date,
                              std::string_view time) {
    const bool metric = worksheet.metricShown();
    const std::string_view letter = metric ? "C" : "F";
    const SelectionConditions& conditions = worksheet.selectionConditions();
    std::string distributorDrop;
    std::string valveDrop;
    if (metric) {
        distributorDrop = OneDecimalThroughText(conditions.DistPressDrop / kPsiPerBar, 15);
        valveDrop = OneDecimalThroughText(conditions.DeltaP / kPsiPerBar, 15);
    } else {
        distributorDrop = OneDecimalThroughText(conditions.DistPressDrop, 7);
        valveDrop = OneDecimalThroughText(conditions.DeltaP, 7);
    }
    if (worksheet.units.DistUserDefined == 1) {
        distributorDrop = OneDecimalOfText(worksheet.txtPressureDrop.text());
    }
    const std::string& pressureUnit = worksheet.lblPressureUnits.caption();

    PrintDocument document;
    document.newLine();
    document.newLine().at(kLabelColumn, date).at(kTimeColumn, time);
    document.newLine();
    document.newLine();
    document.newLine().at(kLabelColumn, banner("INPUTS"));
    labelled(document, "REFRIGERANT TYPE :", worksheet.txtSelRefrig.text());
    labelled(document, "EVAPORATOR TEMPERATURE :", withUnit(worksheet.txtEvapTemp.text(), letter));
    labelled(document, "CONDENSING TEMPERATURE :", withUnit(worksheet.txtCondTemp.text(), letter));
    labelled(document, "LIQUID TEMPERATURE :", withUnit(worksheet.txtLiqTemp.text(), letter));
    labelled(document,
             "EVAPORATOR CAPACITY :", withUnit(worksheet.txtInputCap.text(), worksheet.lblInputUnits.caption()));
    labelled(document, "DISTRIBUTOR PRESSURE DROP :", withUnit(distributorDrop, pressureUnit));
    if (worksheet.fmeBleedOption.visible()) {
        labelled(document, "PER CENT OF BLEED :", worksheet.txtBleedPerCent.text());
    }
    document.newLine();
    document.newLine();
    document.newLine().at(kLabelColumn, banner("OUTPUTS"));
    labelled(document, "SELECTED VALVE :", results.txtValSelected.text());
    labelled(document, "VALVE CAPACITY :", results.txtValCapacity.text());
    labelled(document, "VALVE LOADING :", results.txtValveLoading.text());
    labelled(document, "VALVE PRESSURE DROP :", withUnit(valveDrop, pressureUnit));
    if (!results.txtCageAssby.text().empty() && !results.txtPowAssby.text().empty()) {
        labelled(document, "CAGE ASSEMBLY :", results.txtCageAssby.text());
        labelled(document, "POWER ASSEMBLY :", results.txtPowAssby.text());
    }
    return document;
}

void PrintSelectionReport(frmkorveld& worksheet, frmResults& results) {
    Platform& platform = results.platform();
    const PrintDocument document = SelectionReport(worksheet, results, platform.DateText(), platform.TimeText());
    if (!platform.PrintDocument(document)) {
        platform.MsgBox("A printer error as occured!  Check to see if you printer is connected or that the correct "
                        "printer driver has been installed.",
                        kMsgOkOnly, "");
    }
}

} // namespace korveld
