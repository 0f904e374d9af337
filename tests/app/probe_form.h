// A window with one control of each kind whose handlers push back on the user, to see that the
// widgets always show the model and never their own state.
#pragma once

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/program.h"

#include <string>
#include <vector>

namespace korveld::testing {

class ProbeForm : public Form {
public:
    static constexpr FormId kFormId = FormId::frmtxvCapacity;

    explicit ProbeForm(Program& program);

    std::vector<std::string> log;

    Frame fmeChoice;
    OptionButton optFirst;
    OptionButton optRefused; // its Click handler gives the choice back to optFirst
    TextBox txtUpper;        // its Change handler writes the text in capitals
    TextBox txtNotes;
    CheckBox chkMark;
    Label lblFit;
    CommandButton cmdWarn; // shows a message box
    CommandButton cmdHide; // hides the frame and disables the check box
    MenuEntry mnuFile;
    MenuEntry mnuMark;  // toggles its own check mark
    MenuEntry mnuNever; // the model never checks it
    Timer Timer1;

    std::int16_t warnStyle = 48;
    std::string warnTitle = "PROBE TITLE";
};

} // namespace korveld::testing
