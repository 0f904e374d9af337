// A small window with one of every control kind, whose handlers write what ran into a log.
#pragma once

#include "worksheets/controls.h"
#include "worksheets/form.h"
#include "worksheets/program.h"

#include <string>
#include <vector>

namespace korveld::testing {

class CascadeForm : public Form {
public:
    static constexpr FormId kFormId = FormId::frmtxvCapacity;

    explicit CascadeForm(Program& program);

    // The option states, check box value and text as one line: "optA=1 optB=0 ...".
    std::string state() const;

    std::vector<std::string> log;

    Frame fmeGroup;
    OptionButton optA;
    OptionButton optB;
    OptionButton optHidden;
    OptionButton optWindow1;
    OptionButton optWindow2;
    CheckBox chkFlag;
    TextBox txtEntry;
    TextBox txtLocked;
    CommandButton cmdGo;
    ControlArray<TextBox, 3> txtRow;
    MenuEntry mnuGroup;
    MenuEntry mnuLeaf;
    MenuEntry mnuOff;
    Timer Timer1;
};

} // namespace korveld::testing
