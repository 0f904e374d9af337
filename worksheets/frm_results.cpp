#include "worksheets/frm_results.h"

#include "worksheets/frm_korveld.h"
#include "worksheets/platform.h"
#include "worksheets/report_pages.h"
#include "worksheets/report_printing.h"
#include "worksheets/schedule_window.h"
#include "worksheets/selection_report.h"

namespace korveld {

namespace {

constexpr FormDesign kDesign{.name = "frmResults",
                             .caption = "Selected Expansion Valve",
                             .width = 7110, // room for Add to Schedule beside Print
                             .height = 5250,
                             .borderStyle = BorderStyle::FixedDialog,
                             .helpContextId = HelpId::ValveSelection,
                             .startUpPosition = StartUpPosition::BesideOwner};

// The advice box has no label of its own; its column is headed with this.
constexpr std::string_view kAdviceHeading = "Power Head Advice";

} // namespace

frmResults::frmResults(Program& program) : Form(program, kDesign) {
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdPrintButton.onClick = [this] { cmdPrintButton_Click(); };
    cmdPreview.onClick = [this] { cmdPreview_Click(); };
    cmdSavePdf.onClick = [this] { cmdSavePdf_Click(); };
    cmdChart.onClick = [this] { cmdChart_Click(); };
    cmdAddToSchedule.onClick = [this] { cmdAddToSchedule_Click(); };
}

void frmResults::Form_Unload() {
    txtValveLoading.setText("");
}

void frmResults::closeButtonPressed() {
    if (cmdOK.enabled()) {
        cmdOK_Click();
    }
}

void frmResults::applyLayout(Twips height, Twips buttonTop, std::optional<Twips> messageTop) {
    setHeight(height);
    for (CommandButton* button : {&cmdOK, &cmdPrintButton, &cmdPreview, &cmdSavePdf, &cmdChart, &cmdAddToSchedule}) {
        button->setTop(buttonTop);
    }
    if (messageTop) {
        txtMessage.setTop(*messageTop);
    }
}

TextTable frmResults::AnswerAsTable() const {
    return {{lblvalResults.caption(), lblValCapacity.caption(), lblPerCentLoading.caption(), lblPowAssby.caption(),
             lblCageAssby.caption(), std::string(kAdviceHeading)},
            {txtValSelected.text(), txtValCapacity.text(), txtValveLoading.text(), txtPowAssby.text(),
             txtCageAssby.text(), txtMessage.visible() ? txtMessage.text() : std::string()}};
}

bool frmResults::copyRequested() {
    platform().SetClipboardText(TabSeparated(AnswerAsTable()));
    return true;
}

void frmResults::cmdOK_Click() {
    txtValSelected.setText("");
    txtValCapacity.setText("");
    txtPowAssby.setText("");
    txtCageAssby.setText("");
    if (auto* worksheet = program().loaded<frmkorveld>()) {
        if (worksheet->txtSelValve.text() == "QZ") {
            worksheet->optSweat.setEnabled(true);
            worksheet->optFlare.setEnabled(true);
        }
        worksheet->setEnabled(true);
    }
    Unload();
}

void frmResults::cmdPrintButton_Click() {
    if (auto* worksheet = program().loaded<frmkorveld>()) {
        PrintSelectionReport(*worksheet, *this);
    }
}

void frmResults::cmdPreview_Click() {
    if (auto* worksheet = program().loaded<frmkorveld>()) {
        platform().PreviewReport(SelectionReportPages(*worksheet, *this));
    }
}

void frmResults::cmdSavePdf_Click() {
    if (auto* worksheet = program().loaded<frmkorveld>()) {
        SaveReportAsPdf(platform(), SelectionReportPages(*worksheet, *this));
    }
}

void frmResults::cmdAddToSchedule_Click() {
    if (auto* worksheet = static_cast<frmkorveld*>(program().loaded(FormId::frmkorveld))) {
        worksheet->scheduleWindow().addSelection();
    }
}

void frmResults::cmdChart_Click() {
    const auto* worksheet = program().loaded<frmkorveld>();
    if (worksheet != nullptr && worksheet->selectionWindows()) {
        platform().ShowOperatingWindows(*worksheet->selectionWindows());
    }
}

} // namespace korveld
