#include "probe_form.h"

#include "worksheets/platform.h"

#include <algorithm>
#include <cctype>

namespace korveld::testing {

// clang-format off
ProbeForm::ProbeForm(Program& program)
    : Form(program, {.name = "frmProbe", .caption = "Probe", .width = 6000, .height = 5000,
                     .borderStyle = BorderStyle::Sizable}),
      fmeChoice{*this, {.name = "fmeChoice", .rect = {120, 120, 2400, 1200}, .caption = "Choice"}},
      optFirst{*this, {.name = "optFirst", .rect = {120, 300, 1800, 255}, .caption = "First",
                       .container = &fmeChoice, .value = 1}},
      optRefused{*this, {.name = "optRefused", .rect = {120, 600, 1800, 255}, .caption = "Refused",
                         .container = &fmeChoice}},
      txtUpper{*this, {.name = "txtUpper", .rect = {2700, 120, 1500, 375}, .toolTip = "Capitals"}},
      txtNotes{*this, {.name = "txtNotes", .rect = {2700, 600, 2500, 900}, .caption = "one\ntwo", .multiLine = true}},
      chkMark{*this, {.name = "chkMark", .rect = {120, 1500, 1800, 255}, .caption = "Mark"}},
      lblFit{*this, {.name = "lblFit", .rect = {120, 1900, 600, 240}, .caption = "fits", .autoSize = true}},
      cmdWarn{*this, {.name = "cmdWarn", .rect = {120, 2400, 1200, 400}, .caption = "&Warn"}},
      cmdHide{*this, {.name = "cmdHide", .rect = {1500, 2400, 1200, 400}, .caption = "&Hide"}},
      mnuFile{*this, {.name = "mnuFile", .caption = "&File"}},
      mnuMark{mnuFile, {.name = "mnuMark", .caption = "&Mark"}},
      mnuNever{mnuFile, {.name = "mnuNever", .caption = "&Never"}},
      Timer1{*this, {.name = "Timer1", .interval = 20, .enabled = false}} {
    // clang-format on
    optFirst.onClick = [this] { log.emplace_back("optFirst_Click"); };
    optRefused.onClick = [this] {
        log.emplace_back("optRefused_Click");
        optFirst.setValue(true);
    };
    txtUpper.onChange = [this] {
        std::string upper = txtUpper.text();
        std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
        txtUpper.setText(upper);
        log.push_back("txtUpper_Change " + txtUpper.text());
    };
    chkMark.onClick = [this] { log.push_back("chkMark_Click " + std::to_string(chkMark.value())); };
    lblFit.onClick = [this] { log.emplace_back("lblFit_Click"); };
    fmeChoice.onDblClick = [this] { log.emplace_back("fmeChoice_DblClick"); };
    txtUpper.onDblClick = [this] { log.emplace_back("txtUpper_DblClick"); };
    onDblClick = [this] { log.emplace_back("Form_DblClick"); };
    cmdWarn.onClick = [this] { platform().MsgBox("Something to say.", warnStyle, warnTitle); };
    cmdHide.onClick = [this] {
        fmeChoice.setVisible(false);
        chkMark.setEnabled(false);
        lblFit.setCaption("a much longer caption");
        Timer1.setEnabled(true);
    };
    mnuFile.onClick = [this] { log.emplace_back("mnuFile_Click"); };
    mnuMark.onClick = [this] { mnuMark.setChecked(!mnuMark.checked()); };
    mnuNever.onClick = [this] { log.emplace_back("mnuNever_Click"); };
    Timer1.onTimer = [this] {
        log.emplace_back("Timer1_Timer");
        Timer1.setEnabled(false);
    };
}

} // namespace korveld::testing
