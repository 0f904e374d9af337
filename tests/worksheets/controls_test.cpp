#include "cascade_form.h"
#include "worksheets/recording_platform.h"

#include <functional>
#include <gtest/gtest.h>

namespace korveld::testing {
namespace {

struct CascadeCase {
    const char* name;
    std::function<void(CascadeForm&)> act;
    std::vector<std::string> handlersRun;
    std::string state;
};

class Cascades : public ::testing::TestWithParam<CascadeCase> {};

TEST_P(Cascades, RunTheRightHandlersAndLeaveTheRightState) {
    RecordingPlatform platform;
    Program program(platform);
    CascadeForm form(program);
    GetParam().act(form);
    EXPECT_EQ(form.log, GetParam().handlersRun);
    EXPECT_EQ(form.state(), GetParam().state);
}

const std::string kStart = "optA=1 optB=0 optHidden=0 optWindow1=1 optWindow2=0 chkFlag=0 txtEntry=";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Controls, Cascades, ::testing::Values(
    CascadeCase{"UserChoiceClearsGroupAndClicks", [](CascadeForm& f) { f.optB.userClick(); },
                {"optB_Click"}, "optA=0 optB=1 optHidden=0 optWindow1=1 optWindow2=0 chkFlag=0 txtEntry="},
    CascadeCase{"ChoosingTheChosenOptionRunsNothing", [](CascadeForm& f) { f.optA.setValue(true); f.optA.userClick(); },
                {}, kStart},
    CascadeCase{"HiddenOptionIsClearedByItsGroup", [](CascadeForm& f) { f.optHidden.setValue(true); f.optB.setValue(true); },
                {"optHidden_Click", "optB_Click"}, "optA=0 optB=1 optHidden=0 optWindow1=1 optWindow2=0 chkFlag=0 txtEntry="},
    CascadeCase{"HiddenOptionCanBeChosenInCodeNotByUser", [](CascadeForm& f) { f.optHidden.userClick(); },
                {}, kStart},
    CascadeCase{"DisabledOptionCanBeChosenInCode", [](CascadeForm& f) { f.optWindow2.userClick(); f.optWindow2.setValue(true); },
                {"optWindow2_Click"}, "optA=1 optB=0 optHidden=0 optWindow1=0 optWindow2=1 chkFlag=0 txtEntry="},
    CascadeCase{"WindowGroupIsApartFromFrameGroup", [](CascadeForm& f) { f.optWindow1.setValue(false); f.optWindow1.setValue(true); },
                {"optWindow1_Click"}, kStart},
    CascadeCase{"OptionsOfAHiddenFrameCannotBeClicked", [](CascadeForm& f) { f.fmeGroup.setVisible(false); f.optB.userClick(); },
                {}, kStart},
    CascadeCase{"ClickHandlerCanMoveTheChoiceOn", [](CascadeForm& f) {
                    f.optB.onClick = [&f] { f.log.emplace_back("optB_Click"); f.optA.setValue(true); };
                    f.optB.userClick(); },
                {"optB_Click", "optA_Click"}, kStart},
    CascadeCase{"CheckBoxClicksOnEveryChange", [](CascadeForm& f) { f.chkFlag.userClick(); f.chkFlag.setValue(1); f.chkFlag.setValue(0); },
                {"chkFlag_Click", "chkFlag_Click"}, kStart},
    CascadeCase{"CheckBoxUserClickToggles", [](CascadeForm& f) { f.chkFlag.userClick(); f.chkFlag.userClick(); f.chkFlag.userClick(); },
                {"chkFlag_Click", "chkFlag_Click", "chkFlag_Click"},
                "optA=1 optB=0 optHidden=0 optWindow1=1 optWindow2=0 chkFlag=1 txtEntry="},
    CascadeCase{"SameTextRunsNoChange", [](CascadeForm& f) { f.txtEntry.setText("40"); f.txtEntry.setText("40"); f.txtEntry.setText(""); },
                {"txtEntry_Change", "txtEntry_Change"}, kStart},
    CascadeCase{"TypingRunsChange", [](CascadeForm& f) { f.txtEntry.userType("4"); f.txtEntry.userType("45"); },
                {"txtEntry_Change", "txtEntry_Change"}, kStart + "45"},
    CascadeCase{"LockedBoxTakesNoTyping", [](CascadeForm& f) { f.txtLocked.userType("x"); },
                {}, kStart},
    CascadeCase{"LockedBoxTakesCode", [](CascadeForm& f) { f.txtLocked.setText("x"); },
                {"txtLocked_Change"}, kStart},
    CascadeCase{"ChangeHandlerSeesTheNewText", [](CascadeForm& f) {
                    f.txtEntry.onChange = [&f] { f.log.push_back("saw " + f.txtEntry.text()); };
                    f.txtEntry.setText("12"); },
                {"saw 12"}, kStart + "12"},
    CascadeCase{"ControlArrayMembersRunTheirOwnChange", [](CascadeForm& f) { f.txtRow(2).setText("a"); f.txtRow(3).userType("b"); },
                {"txtRow(2)_Change", "txtRow(3)_Change"}, kStart},
    CascadeCase{"ButtonClick", [](CascadeForm& f) { f.cmdGo.userClick(); },
                {"cmdGo_Click"}, kStart},
    CascadeCase{"DisabledWindowTakesNoClick", [](CascadeForm& f) { f.setEnabled(false); f.cmdGo.userClick(); f.optB.userClick(); },
                {}, kStart},
    CascadeCase{"HiddenWindowTakesNoClick", [](CascadeForm& f) { f.Hide(); f.cmdGo.userClick(); f.userDblClick(); },
                {}, kStart},
    CascadeCase{"DoubleClicks", [](CascadeForm& f) { f.txtEntry.userDblClick(); f.fmeGroup.userDblClick(); f.userDblClick(); },
                {"txtEntry_DblClick", "fmeGroup_DblClick", "Form_DblClick"}, kStart},
    CascadeCase{"MenuPickAndSubmenuOpening", [](CascadeForm& f) { f.mnuGroup.userPick(); f.mnuLeaf.userPick(); },
                {"mnuGroup_Click", "mnuLeaf_Click"}, kStart},
    CascadeCase{"DisabledMenuEntryTakesNoPick", [](CascadeForm& f) { f.mnuOff.userPick(); },
                {}, kStart},
    CascadeCase{"EntryUnderHiddenGroupTakesNoPick", [](CascadeForm& f) { f.mnuGroup.setVisible(false); f.mnuLeaf.userPick(); },
                {}, kStart},
    CascadeCase{"MenuOfADisabledWindowTakesNoPick", [](CascadeForm& f) { f.setEnabled(false); f.mnuLeaf.userPick(); },
                {}, kStart},
    CascadeCase{"MenuOfAHiddenWindowTakesNoPick", [](CascadeForm& f) { f.setVisible(false); f.mnuLeaf.userPick(); },
                {}, kStart},
    CascadeCase{"DisabledTimerDoesNotFire", [](CascadeForm& f) { f.Timer1.fire(); },
                {}, kStart},
    CascadeCase{"EnabledTimerFires", [](CascadeForm& f) { f.Timer1.setEnabled(true); f.Timer1.fire(); },
                {"Timer1_Timer"}, kStart}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ControlArray, NamesMembersByIndex) {
    RecordingPlatform platform;
    Program program(platform);
    CascadeForm form(program);
    EXPECT_EQ(form.txtRow(1).fullName(), "txtRow(1)");
    EXPECT_EQ(form.txtRow(3).fullName(), "txtRow(3)");
    EXPECT_EQ(form.txtRow(3).top(), 1700 + 600);
    EXPECT_EQ(form.findControl("txtRow", 2), &form.txtRow(2));
    EXPECT_EQ(form.findControl("txtRow"), nullptr);
    EXPECT_EQ(form.findMenu("mnuLeaf"), &form.mnuLeaf);
}

struct ClientAreaCase {
    const char* name;
    BorderStyle style;
    bool menuBar;
    TwipSize outer;
    TwipSize client;
};

class ClientArea : public ::testing::TestWithParam<ClientAreaCase> {};

TEST_P(ClientArea, LeavesTheDesignClientArea) {
    const ClientAreaCase& c = GetParam();
    EXPECT_EQ(clientAreaOf(c.outer, c.style, c.menuBar), c.client);
    if (c.client.width > 0 && c.client.height > 0) {
        EXPECT_EQ(outerSizeFor(c.client, c.style, c.menuBar), c.outer);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Form, ClientArea, ::testing::Values(
    ClientAreaCase{"FixedSingleWithMenu", BorderStyle::FixedSingle, true,  {6960, 5910}, {6870, 5235}},
    ClientAreaCase{"FixedDialogNoMenu",   BorderStyle::FixedDialog, false, {4800, 2600}, {4710, 2225}},
    ClientAreaCase{"SizableWithMenu",     BorderStyle::Sizable,     true,  {7600, 6400}, {7480, 5695}},
    ClientAreaCase{"NoBorder",            BorderStyle::None,        false, {1000, 1000}, {1000, 1000}},
    ClientAreaCase{"TooSmallGivesZero",   BorderStyle::Sizable,     true,  {100, 100},   {0, 0}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld::testing
