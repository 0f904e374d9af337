#include "worksheets/frm_korveld.h"

#include "engine/units.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/messages.h"
#include "worksheets/platform.h"
#include "worksheets/schedule_window.h"
#include "worksheets/series_comparison.h"

#include <algorithm>
#include <array>
#include <span>

namespace korveld {

namespace {

constexpr FormDesign kDesign{.name = "frmkorveld",
                             .caption = "Orvik Expansion Valve Selection WorkSheet",
                             .width = 7600,
                             .height = 6800,
                             .borderStyle = BorderStyle::FixedSingle,
                             .helpContextId = HelpId::ValveSelection,
                             .left = kWorksheetLeft,
                             .top = kWorksheetTop};

// The distributor frame in its two layouts: top and height.
constexpr Twips kFixedDistributorTop = 1080;
constexpr Twips kFixedDistributorHeight = 1335;
constexpr Twips kUserDefinedDistributorTop = 960;
constexpr Twips kUserDefinedDistributorHeight = 1575;

// The series texts whose valves need the external equalizer even without a distributor.
constexpr std::array<std::string_view, 6> kExternalOnlySeries{"GL", "VULK", "VAN", "VEB", "VRD", "KUBS"};
// The series whose flow boxes follow the equalizer.
constexpr std::array<std::string_view, 2> kFlowFollowsEqualizer{"VMP", "GL"};

bool isOneOf(std::string_view text, std::span<const std::string_view> texts) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

frmkorveld::frmkorveld(Program& program)
    : Form(program, kDesign), m_unitSwitch(*this, {.sheet = Worksheet::Selection,
                                                   .units = m_units,
                                                   .unitMenus = {&mnuBtu, &mnuTons, &mnuKWatts, &mnuKiloCal},
                                                   .menusCarryCheckMarks = true,
                                                   .capacityCaptions = {&lblInputUnits, nullptr},
                                                   .lblPressureUnits = lblPressureUnits,
                                                   .pressureCaptionOnEveryClick = true,
                                                   .lblEvapRange = lblEvapRange,
                                                   .lblCondRange = lblCondRange,
                                                   .lblLiqTempRange = lblLiqTempRange,
                                                   .narrowEvapRange = [this] { return optMOPCA.value(); },
                                                   .txtEvapTemp = txtEvapTemp,
                                                   .txtCondTemp = txtCondTemp,
                                                   .txtLiqTemp = txtLiqTemp,
                                                   .txtPressureDrop = txtPressureDrop,
                                                   .capacityEntry = txtInputCap}) {
    cmdSelect.onClick = [this] { cmdSelect_Click(); };
    cmdClose.onClick = [this] { cmdClose_Click(); };
    optDistNone.onClick = [this] { optDistNone_Click(); };
    optDistOrifice.onClick = [this] { optDistOrifice_Click(); };
    optDistVenturi.onClick = [this] { optDistVenturi_Click(); };
    optUserDefined.onClick = [this] { optUserDefined_Click(); };
    optExternal.onClick = [this] { optExternal_Click(); };
    optInternal.onClick = [this] { optInternal_Click(); };
    optQZYes.onClick = [this] { optQZYes_Click(); };
    optQZNo.onClick = [this] { optQZNo_Click(); };
    optMOPNone.onClick = [this] { optMOPNone_Click(); };
    optMOP1.onClick = [this] { optMOP1_Click(); };
    optMOP2.onClick = [this] { optMOP2_Click(); };
    optMOP3.onClick = [this] { optMOP3_Click(); };
    optMOPCA.onClick = [this] { optMOPCA_Click(); };
    optYES.onClick = [this] { optYES_Click(); };
    optNO.onClick = [this] { optNO_Click(); };
    txtEvapTemp.onChange = [this] { txtEvapTemp_Change(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };

    txtEvapTemp.onDblClick = [this] { help().HelpContextPopup(HelpId::EvapTempPopup); };
    txtCondTemp.onDblClick = [this] { help().HelpContextPopup(HelpId::CondTempPopup); };
    txtLiqTemp.onDblClick = [this] { help().HelpContextPopup(HelpId::LiqTempPopup); };
    fmeDistributor.onDblClick = [this] { help().HelpContextPopup(HelpId::DistributorPopup); };
    frmeFlow.onDblClick = [this] { help().HelpContextPopup(HelpId::FlowPopup); };
    fmeLineConn.onDblClick = [this] { help().HelpContextPopup(HelpId::LineConnectionPopup); };
    fmeEqualizer.onDblClick = [this] { help().HelpContextPopup(HelpId::EqualizerPopup); };
    fmeMOP.onDblClick = [this] { help().HelpContextPopup(HelpId::ChargePopup); };

    mnuBtu.onClick = [this] { mnuBtu_Click(); };
    mnuTons.onClick = [this] { mnuTons_Click(); };
    mnuKWatts.onClick = [this] { mnuKWatts_Click(); };
    mnuKiloCal.onClick = [this] { mnuKiloCal_Click(); };
    mnuContents3.onClick = [this] { mnuContents3_Click(); };
    mnuSearch.onClick = [this] { mnuSearch_Click(); };
    mnuValveSelection.onClick = [this] { mnuValveSelection_Click(); };
    mnuHowToUse.onClick = [this] { mnuHowToUse_Click(); };
    mnuTechnical.onClick = [this] { mnuTechnical_Click(); };
    mnuOperatingWindows.onClick = [this] { mnuOperatingWindows_Click(); };
    mnuCompareSeries.onClick = [this] { mnuCompareSeries_Click(); };
    mnuSchedule.onClick = [this] { mnuSchedule_Click(); };

    bindPickMenus();
}

frmkorveld::~frmkorveld() = default;

void frmkorveld::resetOwnState() {
    static_cast<frmkorveldRun&>(*this) = frmkorveldRun{};
    // The comparison and schedule windows are made when first asked for; a reset closes them.
    m_comparison.reset();
    m_schedule.reset();
}

void frmkorveld::Form_Load() {
    txtSelRefrig.setText("");
    txtSelValve.setText("");
    txtInputCap.setText("");
    txtLiqTemp.setText("");
    txtCondTemp.setText("");
    txtEvapTemp.setText("");

    mnuBtu.setChecked(true);
    mnuKiloCal.setChecked(false);
    mnuKWatts.setChecked(false);
    mnuTons.setChecked(false);

    fmeDistributor.setVisible(true);
    optDistOrifice.setValue(true);
    optDistVenturi.setValue(false);
    optDistNone.setValue(false);
    fixedDistributorLayout();

    fmeMOP.setVisible(true);
    PowerHead(RefIndex, SeriesNo);
    resetChargeFlowEqualizerAndConnections();

    m_units.CapacityUnit = CapacityUnit::BtuH;
    m_units.UnitsMetric = UnitSystem::English;
    RefIndex = 0;
    R507Flag = 0;
    SeriesNo = 0;
    m_units.DistUserDefined = 0;

    setWidth(7600);
    lblValveHeading.Move(5350, 480);
    txtSelValve.Move(5280, 840);
    fmeBleedOption.setVisible(false);
    fmeLineConn.setTop(1560);
    fmeEqualizer.setTop(2760);
    fmeMOP.setTop(3960);

    optYES.setCaption("Yes");
    optNO.setCaption("No");
}

void frmkorveld::closeButtonPressed() {
    if (enabled()) {
        cmdClose_Click();
    }
}

void frmkorveld::cmdClose_Click() {
    Hide();
    program().selectionScreen().Show();
    // The bleed dialog belongs to this worksheet: it goes as its own close button would take it
    // (Accept), so the bleed chosen stays and Yes opens it again when the worksheet is back.
    if (auto* bleed = program().loaded<frmPerCentBleed>(); bleed != nullptr && bleed->visible()) {
        bleed->cmdExit_Click();
    }
    platform().HideOperatingWindows();

    txtCondTemp.setText("");
    txtEvapTemp.setText("");
    txtLiqTemp.setText("");
    txtSelRefrig.setText("");
    txtSelValve.setText("");
    txtInputCap.setText("");
    m_picks.clearMarks();

    fmeDistributor.setVisible(true);
    optDistOrifice.setValue(true);
    optDistVenturi.setValue(false);
    optDistNone.setValue(false);

    fmeMOP.setVisible(true);
    resetChargeFlowEqualizerAndConnections();

    // The frames shown again take their places in the stack. The unit stays as the Units menu,
    // the captions and the range hints show it, so the unit variables keep agreeing with them.
    stackFrames();
}

// The charge options after the layout, the characteristics, the equalizer and the connections as
// the worksheet loads, and as Close leaves them.
void frmkorveld::resetChargeFlowEqualizerAndConnections() {
    for (OptionButton* option : {&optMOP3, &optMOP2, &optMOP1}) {
        option->setValue(false);
        option->setEnabled(true);
        option->setCaption("");
    }
    optMOPNone.setValue(true);
    optMOPNone.setEnabled(true);

    frmeFlow.setVisible(true);
    for (CheckBox* box : {&chkBalPorted, &chkCheck, &chkByflow, &chkStandard}) {
        box->setValue(CheckBox::Unchecked);
        box->setEnabled(true);
    }

    fmeEqualizer.setVisible(true);
    optInternal.setValue(false);
    optInternal.setEnabled(false);
    optExternal.setValue(true);
    optExternal.setEnabled(true);

    fmeLineConn.setVisible(true);
    optFlare.setValue(false);
    optFlare.setEnabled(true);
    optSweat.setValue(true);
    optSweat.setEnabled(true);
}

// ---- Distributor ----

void frmkorveld::fixedDistributorLayout() {
    m_units.DistUserDefined = 0;
    fmeDistributor.setTop(kFixedDistributorTop);
    fmeDistributor.setHeight(kFixedDistributorHeight);
    lblPressureDrop.setVisible(false);
    txtPressureDrop.setVisible(false);
    lblPressureUnits.setVisible(false);
    optUserDefined.setVisible(true);
    txtPressureDrop.setText("");
}

void frmkorveld::forceExternalEqualizer() {
    optExternal.setEnabled(true);
    optExternal.setValue(true);
    optInternal.setValue(false);
    optInternal.setEnabled(false);
}

void frmkorveld::optDistNone_Click() {
    if (!optDistNone.value()) {
        return;
    }
    fixedDistributorLayout();
    optExternal.setEnabled(true);
    optInternal.setEnabled(true);
    optUserDefined.setValue(false);
    if (isOneOf(txtSelValve.text(), kExternalOnlySeries)) {
        forceExternalEqualizer();
    }
}

void frmkorveld::optDistOrifice_Click() {
    if (!optDistOrifice.value()) {
        return;
    }
    fixedDistributorLayout();
    forceExternalEqualizer();
}

void frmkorveld::optDistVenturi_Click() {
    if (!optDistVenturi.value()) {
        return;
    }
    fixedDistributorLayout();
    forceExternalEqualizer();
}

void frmkorveld::optUserDefined_Click() {
    if (!optUserDefined.value()) {
        return;
    }
    m_units.DistUserDefined = 1;
    lblPressureUnits.setCaption(std::string(PressureUnitCaption(m_units.PressureUnit)));
    optUserDefined.setVisible(false);
    fmeDistributor.setTop(kUserDefinedDistributorTop);
    fmeDistributor.setHeight(kUserDefinedDistributorHeight);
    lblPressureDrop.setVisible(true);
    txtPressureDrop.setVisible(true);
    lblPressureUnits.setVisible(true);
    txtPressureDrop.SetFocus();
    optDistOrifice.setValue(false);
    optDistVenturi.setValue(false);
    forceExternalEqualizer();
}

// ---- Equalizer, connections, strainer ----

void frmkorveld::optExternal_Click() {
    if (!optExternal.value()) {
        return;
    }
    optInternal.setValue(false);
    flowBoxesFollowEqualizer();
}

void frmkorveld::optInternal_Click() {
    if (!optInternal.value()) {
        return;
    }
    optExternal.setValue(false);
    flowBoxesFollowEqualizer();
}

// VMP and GL valves are bi-flow with the external equalizer and standard flow with the internal one.
void frmkorveld::flowBoxesFollowEqualizer() {
    if (!isOneOf(txtSelValve.text(), kFlowFollowsEqualizer)) {
        return;
    }
    const bool external = optExternal.value();
    chkByflow.setValue(external ? CheckBox::Checked : CheckBox::Unchecked);
    chkByflow.setEnabled(external);
    chkStandard.setValue(external ? CheckBox::Unchecked : CheckBox::Checked);
    chkStandard.setEnabled(!external);
}

void frmkorveld::optQZYes_Click() {
    if (optQZYes.value()) {
        uv().StrainerCode = "C";
    }
}

void frmkorveld::optQZNo_Click() {
    if (optQZNo.value()) {
        uv().StrainerCode.clear();
    }
}

// ---- Bleed ----

void frmkorveld::optYES_Click() {
    if (!optYES.value()) {
        return;
    }
    program().form<frmPerCentBleed>().Show(*this);
}

void frmkorveld::optNO_Click() {
    if (!optNO.value()) {
        return;
    }
    txtBleedPerCent.setText("");
    uv().BleedOption = 0;
    uv().BleedPart.clear();
    auto& bleed = program().form<frmPerCentBleed>();
    for (OptionButton* option : bleed.percentageOptions()) {
        option->setValue(false);
    }
    bleed.optNone.setValue(true);
    optYES.setCaption("Yes");
    optNO.setCaption("No");
}

// ---- Timer, help, messages ----

void frmkorveld::Timer1_Timer() {
    if (auto* results = program().loaded<frmResults>()) {
        results->cmdOK.setEnabled(true);
    }
    Timer1.setEnabled(false);
    ShowMessage(*this, uv().ReplaceAdvice, kPowerHeadReplacementTitle);
}

void frmkorveld::mnuContents3_Click() {
    help().HelpContents();
}

void frmkorveld::mnuSearch_Click() {
    help().HelpSearch();
}

void frmkorveld::mnuValveSelection_Click() {
    help().HelpContext(HelpId::ValveSelection);
}

void frmkorveld::mnuHowToUse_Click() {
    help().HelpContext(HelpId::HowToUseSelection);
}

void frmkorveld::mnuTechnical_Click() {
    help().HelpContext(HelpId::TechnicalSupport);
}

} // namespace korveld
