// The start screen "SELECTION SCREEN": opens the two worksheets, ends the program, and owns the
// help system's window handle.
#pragma once

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/program.h"

#include <string_view>

namespace korveld {

// Our own wording of the notice shown after the copyright sign.
inline constexpr std::string_view kCopyrightNotice = "Orvik Expansion Valves. All rights reserved.";

class frmSelection : public Form {
public:
    static constexpr FormId kFormId = FormId::frmSelection;

    explicit frmSelection(Program& program);

    void Form_Load() override;
    void Form_Unload() override;
    void closeButtonPressed() override;

    void cmdValveCap_Click();
    void cmdValveSelect_Click();
    void cmdExit_Click();
    void Form_DblClick();
    void mnuIntroduction_Click(std::int16_t index);
    void mnuContents_Click();
    void mnuValveSelection_Click();
    void mnuValveCapacity_Click();
    void mnuSupport_Click();
    void mnuSchedule_Click();

    // Controls in tab order: the Valve Selection button stands above the Valve Capacities one.
    Label Label1;
    CommandButton cmdValveSelect;
    TextBox txtValSelect;
    CommandButton cmdValveCap;
    TextBox txtValCap;
    CommandButton cmdExit;
    Label lblCopyWrite;

    // The job's schedule, kept by the selection worksheet.
    MenuEntry mnuFile;
    MenuEntry mnuSchedule;
    MenuEntry mnuFormSel_Help;
    MenuEntry mnuIntroduction;
    MenuEntry mnuContents;
    MenuEntry mnuValveSelection;
    MenuEntry mnuValveCapacity;
    MenuEntry mnuSupport;

private:
    void showWorksheet(FormId id);
};

} // namespace korveld
