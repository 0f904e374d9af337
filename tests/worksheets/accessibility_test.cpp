// The names assistive tools announce for the controls, and the order the Tab key visits them.
#include "tests/support/named_rows.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_per_cent_bleed.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/recording_platform.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace korveld::testing {
namespace {

struct Windows {
    RecordingPlatform platform;
    Program program{platform};
    Windows() {
        program.start();
        for (FormId id : {FormId::frmtxvCapacity, FormId::frmkorveld, FormId::frmResults, FormId::frmPerCentBleed}) {
            program.load(id);
        }
    }
};

bool takesFocus(const Control& control) {
    return control.kind() != ControlKind::Label && control.kind() != ControlKind::Frame;
}

// ---- Every control a user can reach has a name ----

struct WindowCase {
    const char* name;
    FormId id;
};

class EveryWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(EveryWindow, NamesEveryControlThatTakesTheFocus) {
    Windows windows;
    const Form& form = *windows.program.loaded(GetParam().id);
    int named = 0;
    for (const Control& control : form.controls()) {
        if (takesFocus(control)) {
            EXPECT_FALSE(control.accessibleName().empty()) << control.fullName();
            ++named;
        }
    }
    EXPECT_GT(named, 0);
}

TEST_P(EveryWindow, TabOrderHoldsEveryControlOnce) {
    Windows windows;
    const Form& form = *windows.program.loaded(GetParam().id);
    const std::vector<Control*> order = form.tabOrder();
    std::vector<const Control*> declared;
    for (const Control& control : form.controls()) {
        declared.push_back(&control);
    }
    ASSERT_EQ(order.size(), declared.size());
    for (const Control* control : declared) {
        EXPECT_EQ(std::count(order.begin(), order.end(), control), 1) << control->fullName();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Accessibility, EveryWindow, ::testing::Values(
    WindowCase{"StartScreen",       FormId::frmSelection},
    WindowCase{"CapacityWorksheet", FormId::frmtxvCapacity},
    WindowCase{"SelectionWorksheet", FormId::frmkorveld},
    WindowCase{"ResultsDialog",     FormId::frmResults},
    WindowCase{"BleedDialog",       FormId::frmPerCentBleed}
), testing_support::RowName{});
// clang-format on

// ---- Where each name comes from ----

struct NameCase {
    const char* name;
    FormId id;
    const char* control;
    std::int16_t index;
    const char* expected;
};

class AccessibleNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(AccessibleNames, ComeFromToolTipLabelCaptionOrFrame) {
    const NameCase& row = GetParam();
    Windows windows;
    const Control* control = windows.program.loaded(row.id)->findControl(row.control, row.index);
    ASSERT_NE(control, nullptr) << row.control;
    EXPECT_EQ(control->accessibleName(), row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Accessibility, AccessibleNames, ::testing::Values(
    NameCase{"ToolTipFirst",             FormId::frmtxvCapacity, "cmdCalculate",      -1, "Start Calculations."},
    NameCase{"CaptionWithoutAmpersand",  FormId::frmResults,     "cmdPrintButton",    -1, "Print"},
    NameCase{"LabelBesideTheEntry",      FormId::frmtxvCapacity, "txtSystemCapacity", -1, "System Capacity"},
    NameCase{"LabelAboveThePressureDrop", FormId::frmkorveld,    "txtPressureDrop",   -1, "Pressure Drop"},
    NameCase{"ColumnHeadingOfARow",      FormId::frmtxvCapacity, "txtValCap",          3, "Capacity"},
    NameCase{"ToolTipOfTheFirstRow",     FormId::frmtxvCapacity, "txtValCap",          1, "Valve Capacity Boxes."},
    NameCase{"ButtonBesideTheText",      FormId::frmSelection,   "txtValSelect",      -1, "Valve Selection"},
    NameCase{"EmptyCaptionTakesTheFrame", FormId::frmkorveld,    "optMOP1",           -1, "Power Head Charge"}
), testing_support::RowName{});
// clang-format on

// ---- The capacity rows are visited row by row ----

TEST(TabOrder, CapacityRowsGoCapacityThenLoadingRowByRow) {
    Windows windows;
    const Form& sheet = *windows.program.loaded(FormId::frmtxvCapacity);
    std::vector<std::string> rows;
    for (const Control* control : sheet.tabOrder()) {
        if (control->name().base == "txtValCap" || control->name().base == "txtFlowCap") {
            rows.push_back(control->fullName());
        }
    }
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 4),
              (std::vector<std::string>{"txtValCap(1)", "txtFlowCap(1)", "txtValCap(2)", "txtFlowCap(2)"}));
    EXPECT_EQ(rows.back(), "txtFlowCap(12)");
}

} // namespace
} // namespace korveld::testing
