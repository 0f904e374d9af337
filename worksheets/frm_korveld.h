// The Valve Selection Worksheet: refrigerant, valve series, the three temperatures, the required
// capacity and the valve's options; Select finds the one size whose operating window holds the
// requirement and shows it in the results dialog. The rules live in the engine; the handlers read
// the controls, call it, and write its answer back through the controls, whose cascades run.
#pragma once

#include "engine/charges.h"
#include "engine/conditions.h"
#include "engine/operating_windows.h"
#include "engine/selection.h"
#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/pick_menus.h"
#include "worksheets/program.h"
#include "worksheets/unit_switch.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

struct RefrigerantInfo;
class ScheduleWindow;
class SeriesComparison;

// What one run of the selection worksheet keeps beside its controls. A program reset assigns it
// afresh as a whole, so nothing added here can outlive a reset.
struct frmkorveldRun {
    // Set by the menu picks and the selection.
    std::int16_t SeriesNo = 0;
    std::int16_t RefIndex = 0;
    std::int16_t R507Flag = 0;
    std::string RefLetter;
    std::int16_t SizeNo = 0;

    // The last selection that opened the results dialog, and every size's window at its conditions.
    Conditions m_selectionConditions;
    std::optional<SelectedValve> m_selectedValve;
    std::optional<OperatingWindows> m_selectionWindows;
    WorksheetUnits m_units; // this worksheet's own unit state and distributor flag
};

class frmkorveld : public Form, private frmkorveldRun {
public:
    static constexpr FormId kFormId = FormId::frmkorveld;

    explicit frmkorveld(Program& program);
    ~frmkorveld() override;

    void Form_Load() override;
    // The window's close button is the Close button; while the results dialog holds the worksheet
    // disabled it does nothing.
    void closeButtonPressed() override;

    void cmdSelect_Click();
    void cmdClose_Click();
    void optDistNone_Click();
    void optDistOrifice_Click();
    void optDistVenturi_Click();
    void optUserDefined_Click();
    void optExternal_Click();
    void optInternal_Click();
    void optQZYes_Click();
    void optQZNo_Click();
    void optMOPNone_Click();
    void optMOP1_Click();
    void optMOP2_Click();
    void optMOP3_Click();
    void optMOPCA_Click();
    void optYES_Click();
    void optNO_Click();
    void txtEvapTemp_Change();
    void Timer1_Timer();
    void mnuBtu_Click() { m_unitSwitch.SwitchTo(CapacityUnit::BtuH); }
    void mnuTons_Click() { m_unitSwitch.SwitchTo(CapacityUnit::Tons); }
    void mnuKWatts_Click() { m_unitSwitch.SwitchTo(CapacityUnit::KW); }
    void mnuKiloCal_Click() { m_unitSwitch.SwitchTo(CapacityUnit::KCal); }
    void mnuContents3_Click();
    void mnuSearch_Click();
    void mnuValveSelection_Click();
    void mnuHowToUse_Click();
    void mnuTechnical_Click();
    void mnuOperatingWindows_Click();
    void mnuCompareSeries_Click();
    void mnuSchedule_Click();

    // The handler of a refrigerant entry (mnuRefR12 ... mnuRefR507) and of a series entry (mnuKO ...).
    void refrigerantPick(MenuEntry& entry, const RefrigerantInfo& refrigerant);
    void seriesPick(MenuEntry& entry, std::int16_t pickedSeries);

    // The charge procedures: T is the evaporator temperature as typed, in °F or °C.
    void R12MOPSelect_F(float T);
    void R22MOPSelect_F(float T);
    void R502MOPSelect_F(float T);
    void R12MOPSelect_C(float T);
    void R22MOPSelect_C(float T);
    void R502MOPSelect_C(float T);
    void PowerHead(std::int16_t R, std::int16_t S);

    // The chosen units, as the Units menu shows them: the chosen entry is checked and disabled.
    CapacityUnit capacityUnitShown() const;
    bool metricShown() const { return IsMetric(capacityUnitShown()); }

    // The refrigerant and series menu entries, for tests and scripted runs.
    MenuEntry* refrigerantMenu(std::string_view name) const { return m_picks.refrigerantMenu(name); }
    MenuEntry* seriesMenu(std::int16_t series) const { return m_picks.seriesMenu(series); }

    // The conditions and the valve of the last selection that opened the results dialog; the
    // report prints these pressures even if the capacity worksheet has rated since.
    const Conditions& selectionConditions() const { return m_selectionConditions; }
    const std::optional<SelectedValve>& selectedValve() const { return m_selectedValve; }
    // Every size's window at the conditions of that selection, for its chart.
    const std::optional<OperatingWindows>& selectionWindows() const { return m_selectionWindows; }
    // Every size's window at the conditions the worksheet shows now.
    OperatingWindows currentWindows();
    // The comparison of every series, once View > Compare All Series has run; else nullptr.
    SeriesComparison* comparison() const { return m_comparison.get(); }
    // The job's schedule and its window, made on first use; one for the program.
    ScheduleWindow& scheduleWindow();
    ScheduleWindow* scheduleWindowIfMade() const { return m_schedule.get(); }

    // Members set by the menu picks and the selection.
    using frmkorveldRun::R507Flag;
    using frmkorveldRun::RefIndex;
    using frmkorveldRun::RefLetter;
    using frmkorveldRun::SeriesNo;
    using frmkorveldRun::SizeNo;
    const frmkorveldRun& run() const { return *this; }

    // This worksheet's own unit state and distributor flag (the capacity worksheet keeps its own).
    const WorksheetUnits& units() const { return m_units; }

    // clang-format off
    Label lblTempInputs{*this, {.name = "lblTempInputs", .rect = {150, 120, 2250, 285},
                                .caption = "Temperature Inputs", .font = Font{"MS Sans Serif", 9.75f, true}}};
    Label lblEvapTemp{*this, {.name = "lblEvapTemp", .rect = {165, 480, 2085, 195},
                              .caption = "Evaporator Temperature"}};
    Label lblEvapRange{*this, {.name = "lblEvapRange", .rect = {345, 720, 1635, 195},
                               .caption = "Range: -40 to 60 F", .autoSize = true}};
    TextBox txtEvapTemp{*this, {.name = "txtEvapTemp", .rect = {720, 960, 855, 375},
                                .toolTip = "Evaporator Temperature"}};
    Label lblConTemp{*this, {.name = "lblConTemp", .rect = {165, 1440, 2145, 195},
                             .caption = "Condensing Temperature"}};
    Label lblCondRange{*this, {.name = "lblCondRange", .rect = {345, 1680, 1695, 195},
                               .caption = "Range: 50 to 150 F", .autoSize = true}};
    TextBox txtCondTemp{*this, {.name = "txtCondTemp", .rect = {720, 1920, 855, 375},
                                .toolTip = "Condensing Temperature."}};
    Label lblLiqTemp{*this, {.name = "lblLiqTemp", .rect = {450, 2400, 1665, 195}, .caption = "Liquid Temperature"}};
    Label lblLiqTempRange{*this, {.name = "lblLiqTempRange", .rect = {450, 2640, 1575, 195},
                                  .caption = "Range: 0 to 150 F", .autoSize = true}};
    TextBox txtLiqTemp{*this, {.name = "txtLiqTemp", .rect = {720, 2880, 855, 375}, .toolTip = "Liquid Temperature."}};
    Label lblReqCap{*this, {.name = "lblReqCap", .rect = {540, 3360, 1575, 225}, .caption = "Required Capacity"}};
    Label lblInputUnits{*this, {.name = "lblInputUnits", .rect = {1005, 3600, 465, 225}, .caption = "Btu/h"}};
    TextBox txtInputCap{*this, {.name = "txtInputCap", .rect = {600, 3840, 1215, 405}, .toolTip = "Desired Capacity"}};
    Label lblRefrigType{*this, {.name = "lblRefrigType", .rect = {2760, 240, 1425, 225},
                                .caption = "Refrigerant Type"}};
    TextBox txtSelRefrig{*this, {.name = "txtSelRefrig", .rect = {2880, 480, 1215, 405},
                                 .toolTip = "Refrigerant Selection.", .locked = true}};
    Label lblValHeading{*this, {.name = "lblValHeading", .rect = {4995, 120, 1980, 285},
                                .caption = "Valve Parameters", .font = Font{"MS Sans Serif", 9.75f, true}}};
    Label lblValveHeading{*this, {.name = "lblValveHeading", .rect = {4800, 600, 1095, 255}, .caption = "Valve Type"}};
    TextBox txtSelValve{*this, {.name = "txtSelValve", .rect = {6000, 480, 1215, 405}, .toolTip = "Valve Selection.",
                                .locked = true}};

    Frame fmeDistributor{*this, {.name = "fmeDistributor", .rect = {2640, 1080, 1695, 1575},
                                 .caption = "Distributor Type", .toolTip = "Distributor Types"}};
    OptionButton optDistNone{*this, {.name = "optDistNone", .rect = {240, 240, 1200, 255}, .caption = "None",
                                     .toolTip = "No Distributor", .container = &fmeDistributor}};
    OptionButton optDistOrifice{*this, {.name = "optDistOrifice", .rect = {240, 480, 1200, 255},
                                        .caption = "Orifice", .toolTip = "Orifice Type Distributor",
                                        .container = &fmeDistributor, .value = 1}};
    OptionButton optDistVenturi{*this, {.name = "optDistVenturi", .rect = {240, 720, 1200, 255},
                                        .caption = "Venturi", .toolTip = "Venturi Type Distributor",
                                        .container = &fmeDistributor}};
    OptionButton optUserDefined{*this, {.name = "optUserDefined", .rect = {240, 960, 1400, 240},
                                        .caption = "User Defined", .container = &fmeDistributor}};
    Label lblPressureDrop{*this, {.name = "lblPressureDrop", .rect = {210, 960, 1215, 225},
                                  .caption = "Pressure Drop", .container = &fmeDistributor, .visible = false}};
    TextBox txtPressureDrop{*this, {.name = "txtPressureDrop", .rect = {240, 1200, 700, 330},
                                    .container = &fmeDistributor, .namedBy = &lblPressureDrop, .visible = false}};
    // Sized to its caption, as on the capacity worksheet: "bars" is wider than the design width.
    Label lblPressureUnits{*this, {.name = "lblPressureUnits", .rect = {960, 1230, 270, 240}, .caption = "psi",
                                   .container = &fmeDistributor, .visible = false, .autoSize = true}};

    CommandButton cmdSelect{*this, {.name = "cmdSelect", .rect = {2520, 2640, 2055, 1335}, .caption = "&Select",
                                    .toolTip = "Select a Valve.", .font = Font{"MS Sans Serif", 13.5f, true}}};

    Frame frmeFlow{*this, {.name = "frmeFlow", .rect = {2520, 4080, 2055, 1695}, .caption = "Valve Characteristics",
                           .toolTip = "Flow Characteristics."}};
    Label lblFlow{*this, {.name = "lblFlow", .rect = {240, 240, 1455, 255}, .caption = "Information Only",
                          .container = &frmeFlow}};
    CheckBox chkStandard{*this, {.name = "chkStandard", .rect = {200, 500, 1575, 210}, .caption = "Standard Flow",
                                 .toolTip = "Standard Valves", .container = &frmeFlow}};
    CheckBox chkByflow{*this, {.name = "chkByflow", .rect = {200, 700, 1575, 255}, .caption = "Bi-Flow",
                               .toolTip = "Byflow Valves", .container = &frmeFlow}};
    CheckBox chkCheck{*this, {.name = "chkCheck", .rect = {200, 950, 1575, 255}, .caption = "Internal Check ",
                              .toolTip = "Valves With a Check", .container = &frmeFlow}};
    CheckBox chkBalPorted{*this, {.name = "chkBalPorted", .rect = {200, 1175, 1800, 255},
                                  .caption = "Balanced Ported", .toolTip = "Balanced Ported Valves.",
                                  .container = &frmeFlow}};

    Frame fmeQZStrainer{*this, {.name = "fmeQZStrainer", .rect = {4800, 1440, 2415, 735},
                                .caption = "QZ Strainer Option", .visible = false}};
    OptionButton optQZYes{*this, {.name = "optQZYes", .rect = {120, 360, 975, 255}, .caption = "Yes",
                                  .container = &fmeQZStrainer}};
    OptionButton optQZNo{*this, {.name = "optQZNo", .rect = {1080, 360, 855, 255}, .caption = "No",
                                 .container = &fmeQZStrainer}};

    Frame fmeBleedOption{*this, {.name = "fmeBleedOption", .rect = {4560, 1080, 2895, 1095},
                                 .caption = "Bleed Option", .visible = false}};
    OptionButton optYES{*this, {.name = "optYES", .rect = {120, 240, 1215, 255}, .caption = "New Bleed",
                                .container = &fmeBleedOption}};
    OptionButton optNO{*this, {.name = "optNO", .rect = {1440, 240, 1335, 255}, .caption = "Clear Bleed",
                               .container = &fmeBleedOption}};
    Label lblBleed{*this, {.name = "lblBleed", .rect = {200, 645, 975, 255}, .caption = "% Bleed",
                           .container = &fmeBleedOption}};
    TextBox txtBleedPerCent{*this, {.name = "txtBleedPerCent", .rect = {1200, 600, 735, 330},
                                    .container = &fmeBleedOption, .namedBy = &lblBleed, .locked = true}};

    Frame fmeLineConn{*this, {.name = "fmeLineConn", .rect = {5040, 2280, 1935, 855}, .caption = "Line Connections",
                              .toolTip = "Line Connection Types."}};
    OptionButton optSweat{*this, {.name = "optSweat", .rect = {240, 240, 1215, 255}, .caption = "Sweat",
                                  .toolTip = "Sweat Connections", .container = &fmeLineConn, .value = 1}};
    OptionButton optFlare{*this, {.name = "optFlare", .rect = {240, 480, 1095, 255}, .caption = "Flare",
                                  .toolTip = "Flare Connection", .container = &fmeLineConn}};

    Frame fmeEqualizer{*this, {.name = "fmeEqualizer", .rect = {5040, 3240, 1935, 855}, .caption = "Equalizer Type",
                               .toolTip = "Equalizer Types"}};
    OptionButton optExternal{*this, {.name = "optExternal", .rect = {240, 240, 1095, 255}, .caption = "External",
                                     .toolTip = "External Equalizer", .container = &fmeEqualizer, .value = 1}};
    OptionButton optInternal{*this, {.name = "optInternal", .rect = {240, 480, 1215, 255}, .caption = "Internal",
                                     .toolTip = "Internal Equalizer", .container = &fmeEqualizer, .enabled = false}};

    Frame fmeMOP{*this, {.name = "fmeMOP", .rect = {5040, 4200, 1935, 1335}, .caption = "Power Head Charge",
                         .toolTip = "Valve MOP's"}};
    OptionButton optMOPNone{*this, {.name = "optMOPNone", .rect = {240, 250, 1575, 200}, .caption = "C or Z",
                                    .container = &fmeMOP, .value = 1}};
    OptionButton optMOPCA{*this, {.name = "optMOPCA", .rect = {240, 450, 1575, 200}, .caption = "CA",
                                  .container = &fmeMOP, .visible = false}};
    OptionButton optMOP1{*this, {.name = "optMOP1", .rect = {240, 450, 1575, 200}, .container = &fmeMOP}};
    OptionButton optMOP2{*this, {.name = "optMOP2", .rect = {240, 650, 1575, 200}, .container = &fmeMOP}};
    OptionButton optMOP3{*this, {.name = "optMOP3", .rect = {240, 850, 1575, 200}, .container = &fmeMOP}};

    CommandButton cmdClose{*this, {.name = "cmdClose", .rect = {600, 4440, 1215, 1200}, .caption = "C&lose",
                                   .toolTip = "Close the Worksheet.", .font = Font{"MS Sans Serif", 9.75f, true}}};

    Timer Timer1{*this, {.name = "Timer1", .interval = 3000, .enabled = false}};

    MenuEntry mnuRefrig{*this, {.name = "mnuRefrig", .caption = "Refrigerant"}};
    MenuEntry mnuValTypes{*this, {.name = "mnuValTypes", .caption = "Valve Types"}};
    MenuEntry mnuUnits{*this, {.name = "mnuUnits", .caption = "&Units"}};
    MenuEntry mnuEng{mnuUnits, {.name = "mnuEng", .caption = "&English"}};
    MenuEntry mnuTons{mnuEng, {.name = "mnuTons", .caption = "&Tons"}};
    MenuEntry mnuBtu{mnuEng, {.name = "mnuBtu", .caption = "&Btu/Hr", .checked = true, .enabled = false}};
    MenuEntry mnuMet{mnuUnits, {.name = "mnuMet", .caption = "&Metric"}};
    MenuEntry mnuKWatts{mnuMet, {.name = "mnuKWatts", .caption = "&KWatts"}};
    MenuEntry mnuKiloCal{mnuMet, {.name = "mnuKiloCal", .caption = "Kilo&Cal"}};
    // The chart of every size's operating window at the conditions typed.
    MenuEntry mnuView{*this, {.name = "mnuView", .caption = "&View"}};
    MenuEntry mnuOperatingWindows{mnuView, {.name = "mnuOperatingWindows", .caption = "&Operating Windows…"}};
    MenuEntry mnuCompareSeries{mnuView, {.name = "mnuCompareSeries", .caption = "&Compare All Series…"}};
    MenuEntry mnuSchedule{mnuView, {.name = "mnuSchedule", .caption = "&Schedule…"}};
    MenuEntry mnuhelp{*this, {.name = "mnuhelp", .caption = "Help"}};
    MenuEntry mnuContents3{mnuhelp, {.name = "mnuContents3", .caption = "Contents"}};
    MenuEntry mnuSearch{mnuhelp, {.name = "mnuSearch", .caption = "Search For Help On..."}};
    MenuEntry mnuValveSelection{mnuhelp, {.name = "mnuValveSelection", .caption = "About Valve Selection Work Sheet",
                                          .helpContextId = HelpId::ValveSelection}};
    MenuEntry mnuHowToUse{mnuhelp, {.name = "mnuHowToUse", .caption = "How To Use...",
                                    .helpContextId = HelpId::HowToUseSelection}};
    MenuEntry mnuTechnical{mnuhelp, {.name = "mnuTechnical", .caption = "Technical Support",
                                     .helpContextId = HelpId::TechnicalSupport}};
    // clang-format on

private:
    void resetOwnState() override;

    // Menus and picks.
    void bindPickMenus();
    void stackFrames();

    // Charge procedures at work on fmeMOP and its five options.
    void UpdateChargeOptions(float T);
    void applyCharge(const ChargeFrameChange& change);
    OptionButton& chargeOption(ChargeOption option);
    void chargeOptionClicked(ChargeOption option);

    void resetChargeFlowEqualizerAndConnections();

    // Distributor and equalizer.
    void fixedDistributorLayout();
    void forceExternalEqualizer();
    void flowBoxesFollowEqualizer();

    // Select.
    SelectionRequest readSelectionRequest();
    void applyForcedOptions(const ForcedOptions& forced);
    void showResults(const SelectedValve& valve, std::int16_t AdviceClear);
    TextBox* entryBox(CheckedEntry entry);

    PickMenus m_picks{mnuRefrig, mnuValTypes};
    UnitSwitch m_unitSwitch;
    std::unique_ptr<SeriesComparison> m_comparison;
    std::unique_ptr<ScheduleWindow> m_schedule;
};

} // namespace korveld
