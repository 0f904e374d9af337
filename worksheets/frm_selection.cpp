#include "worksheets/frm_selection.h"

#include "worksheets/frm_korveld.h"
#include "worksheets/platform.h"
#include "worksheets/schedule_window.h"

namespace korveld {

namespace {

constexpr Font kHeadingFont{"Arial", 12, true};
constexpr Font kButtonFont{"Times New Roman", 12, true};
constexpr Font kDescriptionFont{"Times New Roman", 10, false};
constexpr Font kNoticeFont{"Arial", 8, false};

// The client area is 6870 by 5235 twips inside a fixed single border with a menu bar.
constexpr FormDesign kDesign{.name = "frmSelection",
                             .caption = "SELECTION SCREEN",
                             .width = 6960,
                             .height = 5910,
                             .borderStyle = BorderStyle::FixedSingle,
                             .helpContextId = HelpId::StartScreen,
                             .startUpPosition = StartUpPosition::CenterScreen};

constexpr std::string_view kValCapText = "Clicking on this button will allow \n"
                                         "the user to see the capacities of all \n"
                                         "the valves of a selected type for \n"
                                         "the given conditions.\n";
constexpr std::string_view kValSelectText =
    "Clicking on this button will allow the user to select the best valve of a selected type for the given "
    "conditions.\n";

} // namespace

// clang-format off
frmSelection::frmSelection(Program& program)
    : Form(program, kDesign),
      Label1{*this, {.name = "Label1", .rect = {120, 120, 6615, 735},
                     .caption = "ORVIK'S EXPANSION VALVE CAPACITY AND SELECTION PROGRAM",
                     .font = kHeadingFont, .alignment = Alignment::Center}},
      cmdValveSelect{*this, {.name = "cmdValveSelect", .rect = {600, 1200, 2295, 1335}, .caption = "Valve Selection",
                             .toolTip = "Valve Selection Work Sheet", .font = kButtonFont,
                             .helpContextId = HelpId::ValveSelection}},
      txtValSelect{*this, {.name = "txtValSelect", .rect = {3000, 1200, 3372, 1332}, .caption = kValSelectText,
                           .font = kDescriptionFont, .namedBy = &cmdValveSelect, .multiLine = true, .locked = true}},
      cmdValveCap{*this, {.name = "cmdValveCap", .rect = {600, 2760, 2295, 1335}, .caption = "Valve Capacities",
                          .toolTip = "Valve Capacity Work Sheet", .font = kButtonFont,
                          .helpContextId = HelpId::ValveCapacity}},
      txtValCap{*this, {.name = "txtValCap", .rect = {3000, 2760, 3372, 1332}, .caption = kValCapText,
                        .font = kDescriptionFont, .namedBy = &cmdValveCap, .multiLine = true, .locked = true}},
      cmdExit{*this, {.name = "cmdExit", .rect = {2520, 4200, 1215, 495}, .caption = "E&xit",
                      .toolTip = "Exit Program.", .font = kButtonFont}},
      lblCopyWrite{*this, {.name = "lblCopyWrite", .rect = {240, 4800, 6255, 255}, .font = kNoticeFont,
                           .alignment = Alignment::Center}},
      mnuFile{*this, {.name = "mnuFile", .caption = "&File"}},
      mnuSchedule{mnuFile, {.name = "mnuSchedule", .caption = "&Schedule…"}},
      mnuFormSel_Help{*this, {.name = "mnuFormSel_Help", .caption = "Help"}},
      mnuIntroduction{mnuFormSel_Help, {.name = "mnuIntroduction", .index = 0,
                                        .caption = "Introduction To Orvik Expansion Valve Program",
                                        .helpContextId = HelpId::Introduction}},
      mnuContents{mnuFormSel_Help, {.name = "mnuContents", .caption = "Contents"}},
      mnuValveSelection{mnuFormSel_Help, {.name = "mnuValveSelection", .caption = "About Valve Selection Work Sheet",
                                          .helpContextId = HelpId::ValveSelection}},
      mnuValveCapacity{mnuFormSel_Help, {.name = "mnuValveCapacity", .caption = "About Valve Capacity Work Sheet",
                                         .helpContextId = HelpId::ValveCapacity}},
      mnuSupport{mnuFormSel_Help, {.name = "mnuSupport", .caption = "Obtaining Technical Support",
                                   .helpContextId = HelpId::TechnicalSupport}} {
    // clang-format on
    cmdValveCap.onClick = [this] { cmdValveCap_Click(); };
    cmdValveSelect.onClick = [this] { cmdValveSelect_Click(); };
    cmdExit.onClick = [this] { cmdExit_Click(); };
    mnuSchedule.onClick = [this] { mnuSchedule_Click(); };
    onDblClick = [this] { Form_DblClick(); };
    mnuIntroduction.onClick = [this] { mnuIntroduction_Click(mnuIntroduction.name().index); };
    mnuContents.onClick = [this] { mnuContents_Click(); };
    mnuValveSelection.onClick = [this] { mnuValveSelection_Click(); };
    mnuValveCapacity.onClick = [this] { mnuValveCapacity_Click(); };
    mnuSupport.onClick = [this] { mnuSupport_Click(); };
}

void frmSelection::Form_Load() {
    InitHelp(uv(), platform(), hWnd());
    lblCopyWrite.setCaption("\u00A9 " + std::string(kCopyrightNotice));
}

void frmSelection::Form_Unload() {}

// The start screen's close button means Exit.
void frmSelection::closeButtonPressed() {
    cmdExit_Click();
}

void frmSelection::showWorksheet(FormId id) {
    setVisible(true);
    if (Form* worksheet = program().load(id)) {
        worksheet->Show();
    }
}

void frmSelection::cmdValveCap_Click() {
    showWorksheet(FormId::frmtxvCapacity);
}

void frmSelection::cmdValveSelect_Click() {
    showWorksheet(FormId::frmkorveld);
}

void frmSelection::cmdExit_Click() {
    // A schedule with unsaved changes is saved or discarded first, or the program goes on.
    if (const auto* worksheet = static_cast<frmkorveld*>(program().loaded(FormId::frmkorveld))) {
        if (ScheduleWindow* schedule = worksheet->scheduleWindowIfMade();
            schedule != nullptr && !schedule->settleUnsavedChanges()) {
            return;
        }
    }
    platform().EndProgram();
}

void frmSelection::mnuSchedule_Click() {
    program().form<frmkorveld>().scheduleWindow().show();
}

void frmSelection::Form_DblClick() {
    help().HelpContext(HelpId::StartScreen);
}

void frmSelection::mnuIntroduction_Click(std::int16_t /*index*/) {
    help().HelpContext(HelpId::Introduction);
}

void frmSelection::mnuContents_Click() {
    help().HelpContents();
}

void frmSelection::mnuValveSelection_Click() {
    help().HelpContext(HelpId::ValveSelection);
}

void frmSelection::mnuValveCapacity_Click() {
    help().HelpContext(HelpId::ValveCapacity);
}

void frmSelection::mnuSupport_Click() {
    help().HelpContext(HelpId::TechnicalSupport);
}

} // namespace korveld
