#include "worksheets/frm_txv_capacity.h"

#include "worksheets/capacity_report.h"
#include "worksheets/frm_selection.h"
#include "worksheets/platform.h"
#include "worksheets/report_printing.h"

#include <algorithm>

namespace korveld {

namespace {

constexpr FormDesign kDesign{.name = "frmtxvCapacity",
                             .caption = "ORVIK's Expansion Valve Capacity Worksheet",
                             .width = 4800,
                             .height = 6400,
                             .borderStyle = BorderStyle::FixedSingle,
                             .helpContextId = HelpId::ValveCapacity,
                             .left = kWorksheetLeft,
                             .top = kWorksheetTop};

// Window widths: the entries alone, with the capacity column, with the loading column too.
constexpr Twips kCollapsedWidth = 4800;
constexpr Twips kCapacityWidth = 7185;
constexpr Twips kLoadingWidth = 8610;
constexpr Twips kHeightOnClose = 6475;

// The window and the controls that move with the distributor frame's height.
struct DistributorLayout {
    Twips windowHeight;
    Twips frameHeight;
    Twips calculateTop;
    Twips closeTop;
    Twips printTop;
};
// clang-format off
constexpr DistributorLayout kFixedLayout      {6400, 1275, 2280, 4200, 5250};
constexpr DistributorLayout kUserDefinedLayout{6700, 1575, 2565, 4500, 5550};
// clang-format on
constexpr Twips kDistributorTop = 840;

} // namespace

frmtxvCapacity::frmtxvCapacity(Program& program)
    : Form(program, kDesign), m_unitSwitch(*this, {.sheet = Worksheet::Capacity,
                                                   .units = m_units,
                                                   .unitMenus = {&mnuBtuHr, &mnuTons, &mnuKiloWatts, &mnuKiloCal},
                                                   .capacityCaptions = {&lblCapUnits, &lblUnits},
                                                   .lblPressureUnits = lblPressureUnits,
                                                   .lblEvapRange = lblEvapRange,
                                                   .lblCondRange = lblCondRange,
                                                   .lblLiqTempRange = lblLiqTempRange,
                                                   .txtEvapTemp = txtEvapTemp,
                                                   .txtCondTemp = txtCondTemp,
                                                   .txtLiqTemp = txtLiqTemp,
                                                   .txtPressureDrop = txtPressureDrop,
                                                   .capacityEntry = txtSystemCapacity,
                                                   .convertsCapacityEntry = [this] { return optYES.value(); }}) {
    bindHandlers();
    bindMenus();
}

void frmtxvCapacity::bindHandlers() {
    cmdCalculate.onClick = [this] { cmdCalculate_Click(); };
    cmdClose.onClick = [this] { cmdClose_Click(); };
    cmdPrint.onClick = [this] { cmdPrint_Click(); };
    mnuPrintPreview.onClick = [this] { mnuPrintPreview_Click(); };
    mnuSaveAsPdf.onClick = [this] { mnuSaveAsPdf_Click(); };
    optYES.onClick = [this] { optYES_Click(); };
    optNO.onClick = [this] { optNO_Click(); };
    optDone.onClick = [this] { optDone_Click(); };
    optDistNone.onClick = [this] { optDistNone_Click(); };
    optDistOrifice.onClick = [this] { optDistOrifice_Click(); };
    optDistVenturi.onClick = [this] { optDistVenturi_Click(); };
    optUserDefined.onClick = [this] { optUserDefined_Click(); };
    // Any change of an entry or a choice makes the rows on screen stale.
    for (TextBox* entry : {&txtEvapTemp, &txtCondTemp, &txtLiqTemp, &txtPressureDrop, &txtSelectRefrig, &txtSelValve,
                           &txtSystemCapacity}) {
        entry->onChange = [this] { ClearResults(); };
    }
    lblEvapTemp.onClick = [this] { ClearResults(); };
    txtEvapTemp.onDblClick = [this] { help().HelpContextPopup(HelpId::EvapTempPopup); };
    txtCondTemp.onDblClick = [this] { help().HelpContextPopup(HelpId::CondTempPopup); };
    txtLiqTemp.onDblClick = [this] { help().HelpContextPopup(HelpId::LiqTempPopup); };
    fmeDistributor.onDblClick = [this] { help().HelpContextPopup(HelpId::DistributorPopup); };
    mnucontents2.onClick = [this] { help().HelpContents(); };
    mnuSearch.onClick = [this] { help().HelpSearch(); };
    mnuValveCapacity.onClick = [this] { help().HelpContext(HelpId::ValveCapacity); };
    mnuHowToUse.onClick = [this] { help().HelpContext(HelpId::HowToUseCapacity); };
    mnuTechSup.onClick = [this] { help().HelpContext(HelpId::TechnicalSupport); };
}

void frmtxvCapacity::resetOwnState() {
    static_cast<frmtxvCapacityRun&>(*this) = frmtxvCapacityRun{};
}

std::vector<Control*> frmtxvCapacity::tabOrder() const {
    std::vector<Control*> order;
    for (Control* control : Form::tabOrder()) {
        if (control->name().base == "txtFlowCap") {
            continue;
        }
        order.push_back(control);
        if (control->name().base == "txtValCap") {
            order.push_back(const_cast<TextBox*>(&txtFlowCap(control->name().index)));
        }
    }
    return order;
}

void frmtxvCapacity::Form_Load() {
    setWidth(kCollapsedWidth);
    fmeLoading.setVisible(false);
    cmdClose.Move(2400, 4200);
    m_units.CapacityUnit = CapacityUnit::BtuH;
}

void frmtxvCapacity::ClearResults() {
    // Rows already empty and hidden are left alone: every change of an entry comes here.
    for (std::int16_t i = 1; i <= 12; ++i) {
        if (!lblValName(i).caption().empty()) {
            lblValName(i).setCaption({});
        }
        if (!txtValCap(i).text().empty()) {
            txtValCap(i).setText({});
        }
        txtValCap(i).setVisible(false);
        if (!txtFlowCap(i).text().empty()) {
            txtFlowCap(i).setText({});
        }
        txtFlowCap(i).setVisible(false);
    }
    // "Valve Name" goes with the other headings: the collapsed window would cut it at its edge.
    for (Label* heading :
         {&lblValveName, &lblCapHeading, &lblCapUnits, &lblRefrigHeading, &lblFlowHeading, &lblFlowUnits}) {
        heading->setVisible(false);
    }
    cmdPrint.setVisible(false);
    mnuPrintPreview.setEnabled(false);
    mnuSaveAsPdf.setEnabled(false);
    fmeValveLoading.setVisible(!optYES.value());
    fmeLoading.setVisible(optYES.value());
    setWidth(kCollapsedWidth);
}

void frmtxvCapacity::optYES_Click() {
    if (!optYES.value()) {
        return;
    }
    ClearResults();
    txtSystemCapacity.SetFocus();
}

void frmtxvCapacity::optNO_Click() {
    if (!optNO.value()) {
        return;
    }
    optYES.setValue(false);
    optDone.setValue(false);
    ClearResults();
}

void frmtxvCapacity::optDone_Click() {
    if (!optDone.value()) {
        return;
    }
    optYES.setValue(false);
    optNO.setValue(true);
    txtSystemCapacity.setText({});
    ClearResults();
    optDone.setValue(false);
}

void frmtxvCapacity::fixedDistributorChosen(OptionButton& option) {
    if (!option.value()) {
        return;
    }
    ClearResults();
    m_units.DistUserDefined = 0;
    applyDistributorLayout(false);
    optUserDefined.setVisible(true);
    if (&option == &optDistNone) {
        optUserDefined.setValue(false);
    }
    lblPressureDrop.setVisible(false);
    txtPressureDrop.setVisible(false);
    lblPressureUnits.setVisible(false);
    txtPressureDrop.setText({});
}

void frmtxvCapacity::optUserDefined_Click() {
    if (!optUserDefined.value()) {
        return;
    }
    ClearResults();
    m_units.DistUserDefined = 1;
    lblPressureUnits.setCaption(std::string(PressureUnitCaption(m_units.PressureUnit)));
    optUserDefined.setVisible(false);
    applyDistributorLayout(true);
    lblPressureDrop.setVisible(true);
    txtPressureDrop.setVisible(true);
    lblPressureUnits.setVisible(true);
    txtPressureDrop.SetFocus();
}

void frmtxvCapacity::applyDistributorLayout(bool userDefined) {
    const DistributorLayout& layout = userDefined ? kUserDefinedLayout : kFixedLayout;
    setHeight(layout.windowHeight);
    fmeDistributor.setTop(kDistributorTop);
    fmeDistributor.setHeight(layout.frameHeight);
    cmdCalculate.setTop(layout.calculateTop);
    cmdClose.setTop(layout.closeTop);
    cmdPrint.setTop(layout.printTop);
}

void frmtxvCapacity::cmdClose_Click() {
    Hide();
    program().selectionScreen().Show();
    for (TextBox* entry : {&txtEvapTemp, &txtCondTemp, &txtLiqTemp, &txtSelValve, &txtSelectRefrig}) {
        entry->setText({});
    }
    ClearResults();
    fmeLoading.setVisible(false);
    fmeValveLoading.setVisible(true);
    optNO.setValue(true);
    // Never shorter than the distributor layout needs: the user-defined one keeps PRINT whole.
    setHeight(std::max(kHeightOnClose, m_units.DistUserDefined == 1 ? kUserDefinedLayout.windowHeight : 0));
    optDone.setValue(false);
    for (MenuEntry* group : {&mnuRefrig, m_picks.mnuKSer, &mnuValTypes, m_picks.mnuVSer}) {
        for (MenuEntry* entry = group->firstChild(); entry != nullptr; entry = entry->nextSibling()) {
            entry->setChecked(false);
        }
    }
}

void frmtxvCapacity::cmdPrint_Click() {
    PrintReport(platform(), Report(), CapacityReportTitle(txtSelValve.text(), txtSelectRefrig.text()));
}

void frmtxvCapacity::mnuPrintPreview_Click() {
    if (cmdPrint.visible()) {
        platform().PreviewReport(ReportForPreview());
    }
}

void frmtxvCapacity::mnuSaveAsPdf_Click() {
    if (cmdPrint.visible()) {
        SaveReportAsPdf(platform(), ReportForPreview());
    }
}

ReportPages frmtxvCapacity::ReportForPreview() {
    return {CapacityReportTitle(txtSelValve.text(), txtSelectRefrig.text()), Report(), std::nullopt};
}

PrintDocument frmtxvCapacity::Report() {
    // The pressures of the rating behind the rows on screen: the program-wide ones may since have
    // been overwritten by a selection on the other worksheet.
    const Conditions& conditions = m_rating.conditions;
    CapacityReport report{.date = platform().DateText(),
                          .time = platform().TimeText(),
                          .refrigerant = txtSelectRefrig.text(),
                          .valve = txtSelValve.text(),
                          .evapTemp = txtEvapTemp.text(),
                          .condTemp = txtCondTemp.text(),
                          .liqTemp = txtLiqTemp.text(),
                          .metric = IsMetric(chosenCapacityUnit()),
                          .userDefined = m_units.DistUserDefined == 1,
                          .pressureDropEntry = txtPressureDrop.text(),
                          .DistPressDrop = conditions.DistPressDrop,
                          .DeltaP = conditions.DeltaP,
                          .pressureUnit = lblPressureUnits.caption(),
                          .systemCapacity = txtSystemCapacity.text(),
                          .systemCapacityUnit = lblUnits.caption(),
                          .capacityUnit = lblCapUnits.caption(),
                          .loading = optYES.value(),
                          .rows = {}};
    for (std::int16_t i = 1; i <= RowCount; ++i) {
        report.rows.push_back({lblValName(i).caption(), txtValCap(i).text(), txtFlowCap(i).text()});
    }
    return BuildCapacityReport(report, platform().UserNumberLocale());
}

TextTable frmtxvCapacity::RowsAsTable() const {
    const bool loading = optYES.value();
    TextTable table;
    std::vector<std::string>& heading = table.emplace_back();
    heading.push_back(lblValveName.caption());
    heading.push_back(lblCapHeading.caption() + " (" + lblCapUnits.caption() + ")");
    if (loading) {
        heading.push_back(lblFlowHeading.caption() + " (" + lblFlowUnits.caption() + " " + txtSystemCapacity.text() +
                          " " + lblUnits.caption() + ")");
    }
    for (std::int16_t i = 1; i <= RowCount; ++i) {
        std::vector<std::string>& row = table.emplace_back();
        row.push_back(lblValName(i).caption());
        row.push_back(txtValCap(i).text());
        if (loading) {
            row.push_back(txtFlowCap(i).text());
        }
    }
    return table;
}

bool frmtxvCapacity::copyRequested() {
    if (!cmdPrint.visible()) {
        return false;
    }
    platform().SetClipboardText(TabSeparated(RowsAsTable()));
    return true;
}

void frmtxvCapacity::showResults() {
    const bool loading = optYES.value();
    setWidth(loading ? kLoadingWidth : kCapacityWidth);
    lblValveName.Move(4680, 480);
    lblValveName.setVisible(true);
    lblFlowHeading.setVisible(loading);
    lblFlowUnits.setVisible(loading);
    lblCapHeading.setVisible(true);
    lblCapUnits.setVisible(true);
    lblRefrigHeading.Move(loading ? 5760 : 4800, 120);
    lblRefrigHeading.setVisible(true);
    cmdPrint.setVisible(true);
    mnuPrintPreview.setEnabled(true);
    mnuSaveAsPdf.setEnabled(true);
}

} // namespace korveld
