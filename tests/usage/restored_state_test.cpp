// The cascades that put the selection worksheet back: after a series that disables or hides an
// option, Close and a reopening followed by picks leave every control as a fresh worksheet shows it
// after the same picks; a refrigerant pick with the evaporator box empty drops an earlier charge.
#include "engine/series_numbers.h"
#include "tests/support/named_rows.h"
#include "tests/usage/program_snapshot.h"
#include "worksheets/controls.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/recording_platform.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::usage {
namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer
using namespace korveld::series;

// One program with the selection worksheet open, driven one event at a time.
struct Session {
    RecordingPlatform platform;
    Program program{platform};
    frmkorveld* sheet = nullptr;

    Session() {
        program.start();
        open();
    }
    void act(const std::function<void()>& step) { program.dispatch(step); }
    void open() {
        act([&] { program.selectionScreen().cmdValveSelect.userClick(); });
        sheet = program.loaded<frmkorveld>();
    }
    void refrigerant(const char* name) {
        act([&] { sheet->refrigerantMenu(name)->userPick(); });
    }
    void series(std::int16_t no) {
        act([&] { sheet->seriesMenu(no)->userPick(); });
    }
    void click(Control& control) {
        act([&] { control.userClick(); });
    }
    void type(TextBox& box, const char* text) {
        act([&] { box.userType(text); });
    }
    void close() {
        click(sheet->cmdClose);
        open();
    }
    // A selection at 40/100/90 °F for `capacity` tons, confirmed with the results dialog's OK.
    void selectAndConfirm(const char* capacity) {
        type(sheet->txtEvapTemp, "40");
        type(sheet->txtCondTemp, "100");
        type(sheet->txtLiqTemp, "90");
        type(sheet->txtInputCap, capacity);
        click(sheet->cmdSelect);
        if (auto* results = program.loaded<frmResults>()) {
            act([&] { results->cmdOK.userClick(); });
        }
    }
};

// Whether the user sees a control: it and every frame around it shown.
bool seen(const Control& control) {
    for (const Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->visible()) {
            return false;
        }
    }
    return true;
}

// What the user sees of the selection worksheet, from its snapshot: every control shown with its
// state, every menu entry, the unit state; without the lines that contain `skip`. The members a
// selection keeps (size, conditions, the valve chosen, its sizes' operating windows) are not on the
// screen.
std::vector<std::string> worksheetLines(const Program& program, const char* skip) {
    const Form& form = *program.loaded(FormId::frmkorveld);
    std::map<std::string, bool, std::less<>> controls;
    for (const Control& control : form.controls()) {
        controls[control.fullName()] = seen(control);
    }
    std::istringstream in(SnapshotOf(program));
    std::vector<std::string> lines;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        const std::string first = line.substr(0, line.find(' '));
        const auto control = controls.find(first);
        if (first == "window") {
            inside = line.find(" frmkorveld ") != std::string::npos;
        } else if (inside && (control == controls.end() || control->second) && first != "SeriesNo" &&
                   first != "conditions" && first != "selected" && first != "windows" &&
                   (skip == nullptr || line.find(skip) == std::string::npos)) {
            lines.push_back(line);
        }
    }
    return lines;
}

// Each option and check box outside the bleed and strainer frames (which Close leaves as they are,
// till a series pick sets them up) with its enabled state and its value.
std::vector<std::string> optionStates(const frmkorveld& sheet) {
    const auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    std::vector<std::string> states;
    for (const Control& control : sheet.controls()) {
        const Frame* frame = control.container();
        if (frame == &sheet.fmeBleedOption || frame == &sheet.fmeQZStrainer) {
            continue;
        }
        if (control.kind() == ControlKind::OptionButton) {
            states.push_back(control.fullName() + " enabled " + flag(control.enabled()) + " value " +
                             flag(static_cast<const OptionButton&>(control).value()));
        } else if (control.kind() == ControlKind::CheckBox) {
            states.push_back(control.fullName() + " enabled " + flag(control.enabled()) + " value " +
                             std::to_string(static_cast<const CheckBox&>(control).value()));
        }
    }
    return states;
}

// The lines that differ, for a readable failure.
std::string differences(const std::vector<std::string>& got, const std::vector<std::string>& fresh) {
    std::string out = got.size() == fresh.size() ? "" : "  line counts differ\n";
    for (std::size_t i = 0; i < std::min(got.size(), fresh.size()); ++i) {
        if (got[i] != fresh[i]) {
            out += "  restored: " + got[i] + "\n  fresh:    " + fresh[i] + "\n";
        }
    }
    return out;
}

void expectAsFresh(Session& used, const std::function<void(Session&)>& picks, const char* skip = nullptr) {
    Session fresh;
    picks(fresh);
    picks(used);
    EXPECT_EQ(differences(worksheetLines(used.program, skip), worksheetLines(fresh.program, skip)), "");
}

struct CloseCase {
    const char* name;
    const char* refrigerant;
    std::int16_t before;  // the series picked before Close
    const char* capacity; // nullptr: no selection; else selected in tons before Close
    std::int16_t after;   // the series picked after reopening
};

class CloseRestores : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseRestores, EveryOptionAsAFreshWorksheet) {
    const CloseCase& c = GetParam();
    Session used;
    Session fresh;
    for (Session* s : {&used, &fresh}) {
        s->act([&] { s->sheet->mnuTons.userPick(); });
    }
    used.refrigerant(c.refrigerant);
    used.series(c.before);
    used.click(used.sheet->optDistNone);
    if (used.sheet->optInternal.enabled()) {
        used.click(used.sheet->optInternal);
    }
    if (c.capacity != nullptr) {
        used.selectAndConfirm(c.capacity);
    }
    used.close();
    // Every option as new before any pick and after the refrigerant pick; everything the user sees
    // as new after the series pick, which sets up the frames that Close leaves as they were.
    EXPECT_EQ(differences(optionStates(*used.sheet), optionStates(*fresh.sheet)), "") << "reopened";
    used.refrigerant("R-22");
    fresh.refrigerant("R-22");
    // Close keeps SeriesNo: after KOD a refrigerant pick still lays out KOD's CA charge until a
    // series is picked.
    if (c.before != KOD) {
        EXPECT_EQ(differences(optionStates(*used.sheet), optionStates(*fresh.sheet)), "") << "refrigerant picked";
    }
    used.series(c.after);
    fresh.series(c.after);
    EXPECT_EQ(differences(worksheetLines(used.program, nullptr), worksheetLines(fresh.program, nullptr)), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Selection, CloseRestores, ::testing::Values(
    CloseCase{"KimSweatThenKo",       "R-22",  KIM,  nullptr, KO},
    CloseCase{"KimSweatThenNyf",      "R-22",  KIM,  nullptr, NYF},
    CloseCase{"QzLargeSizeThenKo",    "R-22",  QZ,   "9",     KO},
    CloseCase{"QzLargeSizeThenNyf",   "R-22",  QZ,   "9",     NYF},
    CloseCase{"VrdInternalThenKo",    "R-22",  VRD,  nullptr, KO},
    CloseCase{"VrdSelectedThenNyf",   "R-22",  VRD,  "14",    NYF},
    CloseCase{"GlFlareThenKo",        "R-22",  GL,   "2",     KO},
    CloseCase{"ObnEqualizerThenNyf",  "R-22",  OBN,  nullptr, NYF},
    CloseCase{"DqqChargeThenKo",      "R-22",  DQQ,  nullptr, KO},
    CloseCase{"NyfChargeThenKo",      "R-22",  NYF,  nullptr, KO},
    CloseCase{"KodNoneHiddenThenKo",  "R-22",  KOD,  "1",     KO},
    CloseCase{"VmpSelectedThenNyf",   "R-22",  VMP,  "3",     NYF},
    CloseCase{"VulkThenKo",           "R-22",  VULK, nullptr, KO},
    CloseCase{"VaCaptionsThenKo",     "R-22",  VA,    "1",     KO},
    CloseCase{"VebThenNyf",           "R-22",  VEB,  nullptr, NYF}
), testing_support::RowName{});
// clang-format on

// Close keeps the series number: a refrigerant pick after NYF, before any series pick, runs the
// charge step of a series without a charge, which hides the charge frame that Close showed.
TEST(CloseKeepsTheSeries, RefrigerantPickAfterNyfHidesTheChargeFrame) {
    Session s;
    s.refrigerant("R-22");
    s.series(NYF);
    s.close();
    EXPECT_TRUE(s.sheet->fmeMOP.visible());
    s.refrigerant("R-134a");
    EXPECT_FALSE(s.sheet->fmeMOP.visible());
}

// A charge chosen, the evaporator box emptied, then R-12 picked: the charge is back to none, as on
// a fresh worksheet, and the next valve name carries the no-charge letter.
class RefrigerantPickDropsTheCharge : public ::testing::TestWithParam<int> {};

TEST_P(RefrigerantPickDropsTheCharge, WithTheEvaporatorBoxEmpty) {
    Session used;
    used.refrigerant("R-22");
    used.series(KO);
    used.type(used.sheet->txtEvapTemp, "40");
    used.type(used.sheet->txtEvapTemp, "");
    OptionButton* charges[] = {&used.sheet->optMOP1, &used.sheet->optMOP2, &used.sheet->optMOP3, &used.sheet->optMOPCA};
    OptionButton& charge = *charges[GetParam()];
    ASSERT_TRUE(charge.enabled() && charge.visible()) << charge.fullName();
    used.click(charge);
    ASSERT_TRUE(charge.value());
    // The no-charge option's own handler writes its hint, one space apart from the series pick's.
    expectAsFresh(
        used,
        [](Session& s) {
            if (s.sheet->SeriesNo == 0) {
                s.refrigerant("R-22");
                s.series(KO);
            }
            s.refrigerant("R-12");
            s.selectAndConfirm("1");
        },
        "lblEvapRange caption");
    EXPECT_EQ(used.sheet->lblEvapRange.caption(), "Range: -40 to 60 deg F.");
}

// The charges offered with the evaporator box empty (0 °F) for R-22 and KO.
INSTANTIATE_TEST_SUITE_P(Selection, RefrigerantPickDropsTheCharge, ::testing::Values(2, 3));

} // namespace
} // namespace korveld::usage
