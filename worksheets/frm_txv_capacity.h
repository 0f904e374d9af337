// The Valve Capacity Worksheet: the operating conditions of one system on the left, the capacity
// of every size of one valve series (and, on request, its per cent loading) on the right.
// The handlers live in three files: frm_txv_capacity.cpp (load, options, layouts, close, help),
// frm_txv_capacity_menus.cpp (refrigerant, series and unit menus) and frm_txv_capacity_calculate.cpp
// (the entry checks, the rating and the rows); the printed page is capacity_report.cpp.
#pragma once

#include "engine/entry_checks.h"
#include "engine/message_pattern.h"
#include "engine/number_text.h"
#include "engine/rating.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/pick_menus.h"
#include "worksheets/program.h"
#include "worksheets/report_pages.h"
#include "worksheets/tab_separated.h"
#include "worksheets/unit_switch.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korveld {

struct PrintDocument;
struct RefrigerantInfo;
struct SeriesMenuEntry;

// What one run of the capacity worksheet keeps beside its controls. A program reset assigns it
// afresh as a whole, so nothing added here can outlive a reset.
struct frmtxvCapacityRun {
    // Worksheet-level state of the rating.
    std::int16_t RefIndex = 0;
    std::int16_t SizeNo = 0;
    std::int16_t RowCount = 0;
    float RowCapacity = 0.0f;
    std::string DistSuffix;

    WorksheetUnits m_units;
    Rating m_rating;       // the last rating that Calculate ran
    NumberLocale m_locale; // the user's, taken when Calculate starts
};

class frmtxvCapacity : public Form, private frmtxvCapacityRun {
public:
    static constexpr FormId kFormId = FormId::frmtxvCapacity;

    explicit frmtxvCapacity(Program& program);

    void Form_Load() override;
    void closeButtonPressed() override { cmdClose_Click(); }
    // Declaration order, except that the result rows are visited row by row: capacity, loading.
    std::vector<Control*> tabOrder() const override;
    // While rows are shown, copies them (RowsAsTable) as tab-separated text.
    bool copyRequested() override;

    void cmdCalculate_Click();
    void cmdClose_Click();
    void cmdPrint_Click();
    void mnuPrintPreview_Click();
    void mnuSaveAsPdf_Click();
    void optYES_Click();
    void optNO_Click();
    void optDone_Click();
    void optDistNone_Click() { fixedDistributorChosen(optDistNone); }
    void optDistOrifice_Click() { fixedDistributorChosen(optDistOrifice); }
    void optDistVenturi_Click() { fixedDistributorChosen(optDistVenturi); }
    void optUserDefined_Click();
    void mnuBtuHr_Click() { m_unitSwitch.SwitchTo(CapacityUnit::BtuH); }
    void mnuTons_Click() { m_unitSwitch.SwitchTo(CapacityUnit::Tons); }
    void mnuKiloWatts_Click() { m_unitSwitch.SwitchTo(CapacityUnit::KW); }
    void mnuKiloCal_Click() { m_unitSwitch.SwitchTo(CapacityUnit::KCal); }
    // Every refrigerant entry (mnuRefR12_Click ... mnuRefR507_Click) and every series entry
    // (mnuKO_Click ... mnuNYF_Click, mnuR_Click for G/GY) runs one of these two with its own row.
    void refrigerantPicked(MenuEntry& entry, const RefrigerantInfo& refrigerant);
    // The refrigerant and series menu entries (with the group entries), for tests and scripted runs.
    MenuEntry* refrigerantMenu(std::string_view name) const { return m_picks.refrigerantMenu(name); }
    MenuEntry* seriesMenu(std::int16_t series) const { return m_picks.seriesMenu(series); }
    const PickMenus& pickMenus() const { return m_picks; }
    void seriesPicked(MenuEntry& entry, const SeriesMenuEntry& series);

    // Fills and shows row K's capacity and, with loading on, its loading.
    void Sizing(std::int16_t K, const RatingRow& row);
    // Empties and hides the rows and the result headings and collapses the window.
    void ClearResults();
    // The printed page of the rows on screen, dated by the platform.
    PrintDocument Report();
    // The same page for the preview and the PDF, titled after the series and refrigerant.
    ReportPages ReportForPreview();
    // The rows on screen under a heading row: name, capacity and, with loading on, the loading.
    TextTable RowsAsTable() const;

    const WorksheetUnits& units() const { return m_units; }
    // The last rating that Calculate ran.
    const Rating& lastRating() const { return m_rating; }

    // Worksheet-level state of the rating.
    using frmtxvCapacityRun::DistSuffix;
    using frmtxvCapacityRun::RefIndex;
    using frmtxvCapacityRun::RowCapacity;
    using frmtxvCapacityRun::RowCount;
    using frmtxvCapacityRun::SizeNo;
    const frmtxvCapacityRun& run() const { return *this; }

    // ---- Controls, in tab order; frames before the controls inside them ----
    // clang-format off
    Label lblRefrigerant{*this, {.name = "lblRefrigerant", .rect = {450, 120, 1590, 240}, .caption = "Refrigerant Type"}};
    TextBox txtSelectRefrig{*this, {.name = "txtSelectRefrig", .rect = {2085, 120, 1215, 300},
                                    .toolTip = "Refrigerant Selection", .locked = true}};
    TextBox txtSelValve{*this, {.name = "txtSelValve", .rect = {2085, 480, 1215, 300}, .toolTip = "Valve Selection.",
                                .locked = true}};
    Label lblTempInputs{*this, {.name = "lblTempInputs", .rect = {240, 840, 2055, 240}, .caption = "Temperature Inputs"}};
    Label lblEvapTemp{*this, {.name = "lblEvapTemp", .rect = {165, 1200, 2085, 195}, .caption = "Evaporator Temperature"}};
    // The range hints size themselves: the metric ones are longer than their design width.
    Label lblEvapRange{*this, {.name = "lblEvapRange", .rect = {345, 1440, 1635, 195}, .caption = "Range: -40 to 60 F",
                               .autoSize = true}};
    TextBox txtEvapTemp{*this, {.name = "txtEvapTemp", .rect = {720, 1680, 855, 375}, .toolTip = "Evaporator Temperature"}};
    Label lblConTemp{*this, {.name = "lblConTemp", .rect = {165, 2160, 2145, 195}, .caption = "Condensing Temperature"}};
    Label lblCondRange{*this, {.name = "lblCondRange", .rect = {345, 2400, 1695, 195}, .caption = "Range: 50 to 150 F",
                               .autoSize = true}};
    TextBox txtCondTemp{*this, {.name = "txtCondTemp", .rect = {720, 2640, 855, 375}, .toolTip = "Condensing Temperature."}};
    Label lblLiqTemp{*this, {.name = "lblLiqTemp", .rect = {450, 3120, 1665, 195}, .caption = "Liquid Temperature"}};
    Label lblLiqTempRange{*this, {.name = "lblLiqTempRange", .rect = {450, 3360, 1575, 195},
                                  .caption = "Range: 0 to 150 F", .autoSize = true}};
    TextBox txtLiqTemp{*this, {.name = "txtLiqTemp", .rect = {720, 3600, 855, 375}, .toolTip = "Liquid Temperature"}};

    Frame fmeDistributor{*this, {.name = "fmeDistributor", .rect = {2520, 840, 1935, 1250}, .caption = "Distributor Type"}};
    OptionButton optDistNone{*this, {.name = "optDistNone", .rect = {240, 240, 1200, 255}, .caption = "None",
                                     .toolTip = "No Distributor", .container = &fmeDistributor}};
    OptionButton optDistOrifice{*this, {.name = "optDistOrifice", .rect = {240, 480, 1200, 255}, .caption = "Orifice",
                                        .toolTip = "Orifice Type Distributor", .container = &fmeDistributor, .value = 1}};
    OptionButton optDistVenturi{*this, {.name = "optDistVenturi", .rect = {240, 720, 1200, 255}, .caption = "Venturi",
                                        .toolTip = "Venturi Type Distributor.", .container = &fmeDistributor}};
    OptionButton optUserDefined{*this, {.name = "optUserDefined", .rect = {240, 960, 1575, 255},
                                        .caption = "User Defined", .container = &fmeDistributor}};
    Label lblPressureDrop{*this, {.name = "lblPressureDrop", .rect = {120, 960, 1695, 255}, .caption = "Pressure Drop",
                                  .container = &fmeDistributor, .visible = false}};
    TextBox txtPressureDrop{*this, {.name = "txtPressureDrop", .rect = {240, 1200, 855, 350},
                                    .container = &fmeDistributor, .namedBy = &lblPressureDrop, .visible = false}};
    Label lblPressureUnits{*this, {.name = "lblPressureUnits", .rect = {1200, 1250, 240, 250}, .caption = "psi",
                                   .container = &fmeDistributor, .visible = false, .autoSize = true}};

    Frame fmeValveLoading{*this, {.name = "fmeValveLoading", .rect = {240, 4080, 1815, 1095}, .caption = "Valve Loading?"}};
    OptionButton optYES{*this, {.name = "optYES", .rect = {120, 240, 1095, 285}, .caption = "YES",
                                .container = &fmeValveLoading}};
    OptionButton optNO{*this, {.name = "optNO", .rect = {120, 600, 1095, 285}, .caption = "NO",
                               .container = &fmeValveLoading, .value = 1}};
    Frame fmeLoading{*this, {.name = "fmeLoading", .rect = {120, 4080, 2175, 1335}, .caption = " Loading Calculations"}};
    Label lblSystemCap{*this, {.name = "lblSystemCap", .rect = {120, 240, 1650, 255}, .caption = "System Capacity",
                               .container = &fmeLoading}};
    TextBox txtSystemCapacity{*this, {.name = "txtSystemCapacity", .rect = {240, 480, 1215, 405},
                                      .container = &fmeLoading, .namedBy = &lblSystemCap}};
    Label lblUnits{*this, {.name = "lblUnits", .rect = {1440, 600, 615, 255}, .caption = "Btu/h", .container = &fmeLoading}};
    OptionButton optDone{*this, {.name = "optDone", .rect = {360, 925, 1500, 240}, .caption = "No Loading",
                                 .container = &fmeLoading}};

    CommandButton cmdCalculate{*this, {.name = "cmdCalculate", .rect = {2400, 2280, 1815, 1815}, .caption = "&Calculate",
                                       .toolTip = "Start Calculations."}};
    CommandButton cmdClose{*this, {.name = "cmdClose", .rect = {2400, 4200, 1815, 975}, .caption = "C&lose",
                                   .toolTip = "Close Form."}};
    CommandButton cmdPrint{*this, {.name = "cmdPrint", .rect = {2400, 5250, 1815, 375}, .caption = "PRINT",
                                   .visible = false}};

    // The result area, right of the entries; shown once Calculate has rated the series.
    Label lblRefrigHeading{*this, {.name = "lblRefrigHeading", .rect = {5640, 120, 1965, 285},
                                   .caption = "Valve Capacities ", .visible = false}};
    Label lblValveName{*this, {.name = "lblValveName", .rect = {4680, 480, 840, 495}, .caption = "Valve Name",
                               .visible = false}};
    Label lblCapHeading{*this, {.name = "lblCapHeading", .index = 1, .rect = {5760, 480, 825, 240},
                                .caption = "Capacity", .visible = false}};
    // Sized to its caption: "KiloCal" is wider than the design width.
    Label lblCapUnits{*this, {.name = "lblCapUnits", .index = 0, .rect = {5880, 720, 435, 225}, .caption = "Btu/h",
                              .visible = false, .autoSize = true}};
    Label lblFlowHeading{*this, {.name = "lblFlowHeading", .index = 3, .rect = {6975, 480, 1380, 240},
                                 .caption = "Valve Loading", .visible = false}};
    Label lblFlowUnits{*this, {.name = "lblFlowUnits", .index = 2, .rect = {7440, 720, 492, 228}, .caption = "% of",
                               .visible = false}};
    // Rows 1..12; lblValName(13) is the "Valve Selected" label beside txtSelValve. A row label
    // sizes itself to its caption and keeps its right edge next to the capacity box, so the
    // labels read as a right-aligned column under "Valve Name".
    ControlArray<Label, 13> lblValName{*this, 1, [](std::int16_t i) {
        if (i == 13) {
            return ControlDesign{.name = "lblValName", .rect = {615, 525, 1440, 240}, .caption = "Valve Selected"};
        }
        return ControlDesign{.name = "lblValName", .rect = {5475, i == 12 ? 4980 : 975 + 360 * (i - 1), 60, 240},
                             .alignment = Alignment::Right, .autoSize = true};
    }};
    ControlArray<TextBox, 12> txtValCap{*this, 1, [this](std::int16_t i) {
        return ControlDesign{.name = "txtValCap", .rect = {5580, 960 + 360 * (i - 1), 1215, 360},
                             .toolTip = i == 1 ? "Valve Capacity Boxes." : "", .namedBy = &lblCapHeading,
                             .visible = false,
                             .alignment = Alignment::Right, .locked = true};
    }};
    ControlArray<TextBox, 12> txtFlowCap{*this, 1, [this](std::int16_t i) {
        return ControlDesign{.name = "txtFlowCap", .rect = {7200, 960 + 360 * (i - 1), 800, 360},
                             .toolTip = i == 9 ? "Flow Capacity Boxes." : "", .namedBy = &lblFlowHeading,
                             .visible = false,
                             .alignment = Alignment::Right, .locked = true};
    }};

    // ---- Menus ----
    // The report's preview and PDF, first in the menu bar; usable while PRINT is shown.
    MenuEntry mnuFile{*this, {.name = "mnuFile", .caption = "&File"}};
    MenuEntry mnuPrintPreview{mnuFile, {.name = "mnuPrintPreview", .caption = "Print Pre&view…", .enabled = false}};
    MenuEntry mnuSaveAsPdf{mnuFile, {.name = "mnuSaveAsPdf", .caption = "Save Report as &PDF…", .enabled = false}};

    MenuEntry mnuRefrig{*this, {.name = "mnuRefrig", .caption = "Refrigerant"}};
    MenuEntry mnuValTypes{*this, {.name = "mnuValTypes", .caption = "Valve Types"}};
    // Its refrigerant and series entries: m_picks.

    MenuEntry mnuUnits{*this, {.name = "mnuUnits", .caption = "&Units"}};
    MenuEntry mnuEnglish{mnuUnits, {.name = "mnuEnglish", .caption = "&English"}};
    MenuEntry mnuBtuHr{mnuEnglish, {.name = "mnuBtuHr", .caption = "&Btu/Hr", .enabled = false}};
    MenuEntry mnuTons{mnuEnglish, {.name = "mnuTons", .caption = "&Tons"}};
    MenuEntry mnuMetric{mnuUnits, {.name = "mnuMetric", .caption = "&Metric"}};
    MenuEntry mnuKiloWatts{mnuMetric, {.name = "mnuKiloWatts", .caption = "&KiloWatts"}};
    MenuEntry mnuKiloCal{mnuMetric, {.name = "mnuKiloCal", .caption = "&KiloCalories"}};

    MenuEntry mnuHelp{*this, {.name = "mnuHelp", .caption = "Help"}};
    MenuEntry mnucontents2{mnuHelp, {.name = "mnucontents2", .caption = "Contents"}};
    MenuEntry mnuSearch{mnuHelp, {.name = "mnuSearch", .caption = "Search For Help On..."}};
    MenuEntry mnuValveCapacity{mnuHelp, {.name = "mnuValveCapacity", .caption = "About Valve Capacity Work Sheet",
                                         .helpContextId = HelpId::ValveCapacity}};
    MenuEntry mnuHowToUse{mnuHelp, {.name = "mnuHowToUse", .caption = "How To Use...",
                                    .helpContextId = HelpId::HowToUseCapacity}};
    MenuEntry mnuTechSup{mnuHelp, {.name = "mnuTechSup", .caption = "Technical Support",
                                   .helpContextId = HelpId::TechnicalSupport}};
    // clang-format on

private:
    void resetOwnState() override;
    void bindHandlers();
    void bindMenus();
    void fixedDistributorChosen(OptionButton& option);
    void applyDistributorLayout(bool userDefined);
    // The capacity unit whose Units entry is disabled, tested in the order Btu/h, Tons, kW, kCal.
    CapacityUnit chosenCapacityUnit() const;
    TextBox* entryBox(CheckedEntry entry);
    void showEntryFailure(const EntryFailure& failure);
    void showResults();

    PickMenus m_picks{mnuRefrig, mnuValTypes};
    UnitSwitch m_unitSwitch;
};

} // namespace korveld
