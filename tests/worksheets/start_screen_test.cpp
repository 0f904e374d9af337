#include "cascade_form.h"
#include "worksheets/context_ids.h"
#include "worksheets/frm_selection.h"
#include "worksheets/recording_platform.h"

#include <functional>
#include <gtest/gtest.h>

namespace korveld::testing {
namespace {

struct HelpPathCase {
    const char* name;
    const char* folder;
    char separator;
    const char* expected;
};

class HelpPath : public ::testing::TestWithParam<HelpPathCase> {};

TEST_P(HelpPath, FindsTheHelpFileInTheProgramFolder) {
    EXPECT_EQ(HelpFilePath(GetParam().folder, GetParam().separator), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(InitHelp, HelpPath, ::testing::Values(
    HelpPathCase{"FolderWithoutSeparator",      "/opt/korveld",    '/',  "/opt/korveld/PALDEN.HLP"},
    HelpPathCase{"FolderWithSeparator",         "/opt/korveld/",   '/',  "/opt/korveld/PALDEN.HLP"},
    HelpPathCase{"Root",                        "/",               '/',  "/PALDEN.HLP"},
    HelpPathCase{"TrailingBlanksAfterSeparator", "/opt/korveld/  ", '/',  "/opt/korveld/  PALDEN.HLP"},
    HelpPathCase{"FolderStartingWithABlank",    " /opt/korveld",   '/',  " /opt/korveld/PALDEN.HLP"},
    HelpPathCase{"OneBlankAfterSeparator",      "/opt/korveld/ ",  '/',  "/opt/korveld/ PALDEN.HLP"},
    HelpPathCase{"FolderEndingInBlanks",        "/opt/my app ",    '/',  "/opt/my app /PALDEN.HLP"},
    HelpPathCase{"BackslashFolder",             "C:\\VALVES",      '\\', "C:\\VALVES\\PALDEN.HLP"},
    HelpPathCase{"BackslashDriveRoot",          "C:\\",            '\\', "C:\\PALDEN.HLP"},
    HelpPathCase{"SlashIsNoSeparatorForBackslash", "C:/VALVES/",   '\\', "C:/VALVES/\\PALDEN.HLP"},
    HelpPathCase{"EmptyFolder",                 "",                '/',  "/PALDEN.HLP"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct HandlerCase {
    const char* name;
    std::function<void(frmSelection&)> act;
    HelpCommand command;
    std::uint32_t contextId;
};

class StartScreenHelp : public ::testing::TestWithParam<HandlerCase> {};

TEST_P(StartScreenHelp, CallsTheHelpViewerWithItsId) {
    RecordingPlatform platform;
    platform.setApplicationFolder("/usr/lib/korveld");
    Program program(platform);
    program.start();
    frmSelection& screen = program.selectionScreen();
    platform.clear();
    program.dispatch([&] { GetParam().act(screen); });
    ASSERT_EQ(platform.helpCalls().size(), 1u);
    const RecordingPlatform::HelpCall& call = platform.helpCalls().front();
    EXPECT_EQ(call.command, GetParam().command);
    EXPECT_EQ(call.contextId, GetParam().contextId);
    EXPECT_EQ(call.helpWnd, screen.hWnd());
    EXPECT_EQ(call.helpFile, "/usr/lib/korveld/PALDEN.HLP");
    EXPECT_EQ(call.key, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(StartScreen, StartScreenHelp, ::testing::Values(
    HandlerCase{"FormDblClick",       [](frmSelection& f) { f.userDblClick(); },                  HelpCommand::Context, 8},
    HandlerCase{"Contents",           [](frmSelection& f) { f.mnuContents.userPick(); },          HelpCommand::Index,   0},
    HandlerCase{"SearchFromAnyWindow",[](frmSelection& f) { f.help().HelpSearch(); },             HelpCommand::PartialKey, 0},
    HandlerCase{"PopupFromAnyWindow", [](frmSelection& f) { f.help().HelpContextPopup(360); },    HelpCommand::ContextPopup, 360}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(StartScreen, LoadsShownAndOwnsTheHelp) {
    RecordingPlatform platform;
    Program program(platform);
    program.start();
    frmSelection& screen = program.selectionScreen();
    EXPECT_TRUE(screen.visible());
    EXPECT_EQ(screen.lblCopyWrite.caption(), "\u00A9 " + std::string(kCopyrightNotice));
    EXPECT_EQ(platform.shownWindows(), std::vector<std::string>{"frmSelection"});
    EXPECT_EQ(program.uv().HelpWnd, screen.hWnd());
}

// Every window's caption as the title bar shows it.
TEST(Windows, EachCaptionAsTheTitleBarShowsIt) {
    RecordingPlatform platform;
    Program program(platform);
    const std::pair<FormId, const char*> captions[] = {
        {FormId::frmSelection, "SELECTION SCREEN"},
        {FormId::frmtxvCapacity, "ORVIK's Expansion Valve Capacity Worksheet"},
        {FormId::frmkorveld, "Orvik Expansion Valve Selection WorkSheet"},
        {FormId::frmResults, "Selected Expansion Valve"},
        {FormId::frmPerCentBleed, "Per Cent Bleed Options Available"}};
    for (const auto& [id, caption] : captions) {
        EXPECT_EQ(program.load(id)->caption(), caption);
    }
}

// The heading in Arial, the buttons and their descriptions in Times New Roman, as the screen is drawn.
TEST(StartScreen, EachTextInItsFont) {
    RecordingPlatform platform;
    Program program(platform);
    program.start();
    const frmSelection& s = program.selectionScreen();
    const Font heading{"Arial", 12, true};
    const Font button{"Times New Roman", 12, true};
    const Font description{"Times New Roman", 10};
    EXPECT_EQ(s.Label1.font(), heading);
    for (const Control* c : {static_cast<const Control*>(&s.cmdValveSelect),
                             static_cast<const Control*>(&s.cmdValveCap), static_cast<const Control*>(&s.cmdExit)}) {
        EXPECT_EQ(c->font(), button) << c->fullName();
    }
    EXPECT_EQ(s.txtValSelect.font(), description);
    EXPECT_EQ(s.txtValCap.font(), description);
}

TEST(StartScreen, ExitAndCloseButtonEndTheProgram) {
    for (const bool viaCloseButton : {false, true}) {
        RecordingPlatform platform;
        Program program(platform);
        program.start();
        frmSelection& screen = program.selectionScreen();
        program.dispatch([&] { viaCloseButton ? screen.closeButtonPressed() : (void)screen.cmdExit.userClick(); });
        EXPECT_TRUE(platform.ended()) << viaCloseButton;
        EXPECT_EQ(program.loaded(FormId::frmSelection), &screen);
    }
}

TEST(StartScreen, WorksheetButtonsOnlyKeepTheScreenWhileWorksheetsAreMissing) {
    RecordingPlatform platform;
    Program program(platform);
    program.registerForm(FormId::frmtxvCapacity, nullptr);
    program.registerForm(FormId::frmkorveld, nullptr);
    program.start();
    frmSelection& screen = program.selectionScreen();
    program.dispatch([&] { screen.cmdValveCap.userClick(); });
    program.dispatch([&] { screen.cmdValveSelect.userClick(); });
    EXPECT_TRUE(screen.visible());
    EXPECT_EQ(program.loaded(FormId::frmtxvCapacity), nullptr);
    EXPECT_EQ(program.loaded(FormId::frmkorveld), nullptr);
}

TEST(StartScreen, ValveCapacitiesTwiceShowsTheSameWorksheetWithItsEntries) {
    RecordingPlatform platform;
    Program program(platform);
    program.registerForm<CascadeForm>();
    program.start();
    frmSelection& screen = program.selectionScreen();
    program.dispatch([&] { screen.cmdValveCap.userClick(); });
    auto* sheet = static_cast<CascadeForm*>(program.loaded(FormId::frmtxvCapacity));
    ASSERT_NE(sheet, nullptr);
    sheet->txtEntry.setText("40");
    sheet->Hide();
    program.dispatch([&] { screen.cmdValveCap.userClick(); });
    EXPECT_EQ(program.loaded(FormId::frmtxvCapacity), sheet);
    EXPECT_TRUE(sheet->visible());
    EXPECT_EQ(sheet->txtEntry.text(), "40");
    const std::vector<std::string> expected{"frmSelection", "frmCascade", "frmCascade"};
    EXPECT_EQ(platform.shownWindows(), expected);
}

} // namespace
} // namespace korveld::testing
