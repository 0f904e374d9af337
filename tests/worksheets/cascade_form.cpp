#include "cascade_form.h"

namespace korveld::testing {

// clang-format off
CascadeForm::CascadeForm(Program& program)
    : Form(program, {.name = "frmCascade", .caption = "Cascades", .width = 4000, .height = 3000}),
      fmeGroup{*this, {.name = "fmeGroup", .rect = {100, 100, 2000, 1500}, .caption = "Group"}},
      optA{*this, {.name = "optA", .rect = {100, 200, 900, 255}, .caption = "A", .container = &fmeGroup, .value = 1}},
      optB{*this, {.name = "optB", .rect = {100, 500, 900, 255}, .caption = "B", .container = &fmeGroup}},
      optHidden{*this, {.name = "optHidden", .rect = {100, 800, 900, 255}, .container = &fmeGroup, .visible = false}},
      optWindow1{*this, {.name = "optWindow1", .rect = {2200, 100, 900, 255}, .value = 1}},
      optWindow2{*this, {.name = "optWindow2", .rect = {2200, 400, 900, 255}, .enabled = false}},
      chkFlag{*this, {.name = "chkFlag", .rect = {2200, 700, 900, 255}}},
      txtEntry{*this, {.name = "txtEntry", .rect = {2200, 1000, 900, 300}}},
      txtLocked{*this, {.name = "txtLocked", .rect = {2200, 1400, 900, 300}, .caption = "fixed", .locked = true}},
      cmdGo{*this, {.name = "cmdGo", .rect = {2200, 1800, 900, 400}, .caption = "&Go"}},
      txtRow{*this, 1, [](std::int16_t i) {
          return ControlDesign{.name = "txtRow", .rect = {100, 1700 + 300 * (i - 1), 900, 300}}; }},
      mnuGroup{*this, {.name = "mnuGroup", .caption = "&Group"}},
      mnuLeaf{mnuGroup, {.name = "mnuLeaf", .caption = "&Leaf"}},
      mnuOff{mnuGroup, {.name = "mnuOff", .caption = "Off", .enabled = false}},
      Timer1{*this, {.name = "Timer1", .interval = 3000, .enabled = false}} {
    // clang-format on
    const auto logger = [this](const std::string& what) { return [this, what] { log.push_back(what); }; };
    optA.onClick = logger("optA_Click");
    optB.onClick = logger("optB_Click");
    optHidden.onClick = logger("optHidden_Click");
    optWindow1.onClick = logger("optWindow1_Click");
    optWindow2.onClick = logger("optWindow2_Click");
    chkFlag.onClick = logger("chkFlag_Click");
    txtEntry.onChange = logger("txtEntry_Change");
    txtLocked.onChange = logger("txtLocked_Change");
    txtEntry.onDblClick = logger("txtEntry_DblClick");
    fmeGroup.onDblClick = logger("fmeGroup_DblClick");
    cmdGo.onClick = logger("cmdGo_Click");
    mnuGroup.onClick = logger("mnuGroup_Click");
    mnuLeaf.onClick = logger("mnuLeaf_Click");
    mnuOff.onClick = logger("mnuOff_Click");
    Timer1.onTimer = logger("Timer1_Timer");
    onDblClick = logger("Form_DblClick");
    for (TextBox& row : txtRow) {
        row.onChange = [this, &row] { log.push_back(row.fullName() + "_Change"); };
    }
    setVisible(true);
}

std::string CascadeForm::state() const {
    const auto bit = [](bool on) { return on ? "1" : "0"; };
    return std::string("optA=") + bit(optA.value()) + " optB=" + bit(optB.value()) +
           " optHidden=" + bit(optHidden.value()) + " optWindow1=" + bit(optWindow1.value()) +
           " optWindow2=" + bit(optWindow2.value()) + " chkFlag=" + std::to_string(chkFlag.value()) +
           " txtEntry=" + txtEntry.text();
}

} // namespace korveld::testing
