// The results dialog "Selected Expansion Valve": the selected valve's name, capacity, loading,
// assemblies and the power-head advice; Print prints the selection report, OK returns to the
// worksheet. Loaded by a selection, unloaded by OK.
#pragma once

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/program.h"
#include "worksheets/tab_separated.h"

#include <optional>

namespace korveld {

class frmResults : public Form {
public:
    static constexpr FormId kFormId = FormId::frmResults;

    explicit frmResults(Program& program);

    void Form_Unload() override;
    // Copies the answer (AnswerAsTable) as tab-separated text.
    bool copyRequested() override;
    // The close button acts as OK once OK is enabled, so the worksheet is never left disabled;
    // while the advice timer still holds OK disabled it does nothing.
    void closeButtonPressed() override;

    void cmdOK_Click();
    void cmdPrintButton_Click();
    void cmdPreview_Click();
    void cmdSavePdf_Click();
    void cmdChart_Click();
    void cmdAddToSchedule_Click();

    // The answer under a heading row: name, capacity, loading, power and cage assemblies, advice.
    TextTable AnswerAsTable() const;

    // The outer height and the tops of the buttons and of the message box for a layout.
    void applyLayout(Twips height, Twips buttonTop, std::optional<Twips> messageTop);

    // clang-format off
    Label lblvalResults{*this, {.name = "lblvalResults", .rect = {1330, 0, 2940, 285},
                                .caption = "Selected Expansion Valve", .font = Font{"MS Sans Serif", 9.75f, true},
                                .alignment = Alignment::Center}};
    TextBox txtValSelected{*this, {.name = "txtValSelected", .rect = {960, 300, 3645, 405},
                                   .toolTip = "Selected Expansion Valve Box.",
                                   .font = Font{"MS Sans Serif", 9.75f, true}, .alignment = Alignment::Center,
                                   .locked = true, .foreColour = Colour{0, 0, 255}}};
    Label lblValCapacity{*this, {.name = "lblValCapacity", .rect = {390, 720, 3000, 285},
                                 .caption = "Expansion Valve Capacity", .alignment = Alignment::Center}};
    Label lblPerCentLoading{*this, {.name = "lblPerCentLoading", .rect = {3840, 720, 1335, 280},
                                    .caption = "% Loading", .alignment = Alignment::Center}};
    TextBox txtValCapacity{*this, {.name = "txtValCapacity", .rect = {960, 1080, 1935, 375},
                                   .toolTip = "Expansion Valve Capacity Box.", .alignment = Alignment::Center,
                                   .locked = true}};
    TextBox txtValveLoading{*this, {.name = "txtValveLoading", .rect = {3960, 1080, 975, 375},
                                    .namedBy = &lblPerCentLoading, .alignment = Alignment::Center}};
    Label lblPowAssby{*this, {.name = "lblPowAssby", .rect = {2012, 1560, 1575, 240}, .caption = "Power Assembly",
                              .alignment = Alignment::Center}};
    TextBox txtPowAssby{*this, {.name = "txtPowAssby", .rect = {2012, 1800, 1575, 360},
                                .toolTip = "Power Assembly Box.", .alignment = Alignment::Center, .locked = true}};
    Label lblCageAssby{*this, {.name = "lblCageAssby", .rect = {2055, 2160, 1485, 240}, .caption = "Cage Assembly",
                               .alignment = Alignment::Center}};
    TextBox txtCageAssby{*this, {.name = "txtCageAssby", .rect = {2130, 2400, 1335, 360},
                                 .toolTip = " Cage Assembly Box.", .alignment = Alignment::Center, .locked = true}};
    TextBox txtMessage{*this, {.name = "txtMessage", .rect = {330, 3000, 4935, 1215},
                               .toolTip = "Replacement Refrigerant Box.", .multiLine = true, .locked = true}};
    CommandButton cmdOK{*this, {.name = "cmdOK", .rect = {2000, 4350, 1215, 495}, .caption = "&OK",
                                .toolTip = "OK Button for The Results Form."}};
    CommandButton cmdPrintButton{*this, {.name = "cmdPrintButton", .rect = {4320, 4320, 975, 495},
                                         .caption = "&Print"}};
    // The report's preview and PDF and the chart of the series' windows, in the button row where
    // nothing else sits: left of OK, and between OK and Print.
    CommandButton cmdPreview{*this, {.name = "cmdPreview", .rect = {120, 4350, 900, 495}, .caption = "Pre&view…",
                                     .toolTip = "Print Preview of the Selection Report."}};
    CommandButton cmdSavePdf{*this, {.name = "cmdSavePdf", .rect = {1050, 4350, 870, 495}, .caption = "P&DF…",
                                     .toolTip = "Save the Selection Report as PDF."}};
    CommandButton cmdChart{*this, {.name = "cmdChart", .rect = {3300, 4350, 945, 495}, .caption = "&Chart…",
                                   .toolTip = "Operating Windows of the Valve Sizes."}};
    // The job's schedule takes this selection under a tag.
    CommandButton cmdAddToSchedule{*this, {.name = "cmdAddToSchedule", .rect = {5400, 4350, 1500, 495},
                                           .caption = "Add to Sc&hedule…",
                                           .toolTip = "Add this valve to the schedule under a tag."}};
    // clang-format on
};

} // namespace korveld
