#include "cascade_form.h"
#include "worksheets/recording_platform.h"

#include <gtest/gtest.h>

namespace korveld::testing {
namespace {

// A dialog whose OK button unloads it from inside its own handler and then still reads itself.
class SelfUnloadingForm : public CascadeForm {
public:
    static constexpr FormId kFormId = FormId::frmResults;

    explicit SelfUnloadingForm(Program& program) : CascadeForm(program) {
        cmdGo.onClick = [this] {
            Unload();
            cmdGo.setCaption("still here");
            alive = true;
        };
    }
    void Form_Load() override { log.emplace_back("Form_Load"); }
    void Form_Unload() override { ++*unloads; }

    bool alive = false;
    int* unloads = nullptr;
};

class ListenerLog : public FormListener {
public:
    void formLoaded(Form& form) override { events.push_back("loaded " + std::string(form.name())); }
    void formUnloaded(Form& form) override { events.push_back("unloaded " + std::string(form.name())); }
    std::vector<std::string> events;
};

TEST(Program, LoadsAWindowOnceAndTellsTheListenerBeforeFormLoad) {
    RecordingPlatform platform;
    Program program(platform);
    ListenerLog listener;
    program.setListener(&listener);
    program.registerForm<SelfUnloadingForm>();
    Form* first = program.load(FormId::frmResults);
    auto& dialog = program.form<SelfUnloadingForm>();
    EXPECT_EQ(first, &dialog);
    EXPECT_EQ(dialog.log, std::vector<std::string>{"Form_Load"});
    EXPECT_EQ(listener.events, std::vector<std::string>{"loaded frmCascade"});
    program.registerForm(FormId::frmPerCentBleed, nullptr);
    EXPECT_EQ(program.load(FormId::frmPerCentBleed), nullptr);
}

TEST(Program, WindowUnloadingItselfInItsHandlerLivesUntilTheHandlerReturns) {
    RecordingPlatform platform;
    Program program(platform);
    ListenerLog listener;
    program.setListener(&listener);
    program.registerForm<SelfUnloadingForm>();
    int unloads = 0;
    auto& dialog = program.form<SelfUnloadingForm>();
    dialog.unloads = &unloads;
    program.dispatch([&] {
        dialog.cmdGo.userClick();
        EXPECT_TRUE(dialog.alive);
        EXPECT_EQ(program.loaded(FormId::frmResults), nullptr);
    });
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(listener.events.back(), "unloaded frmCascade");
    // A fresh instance after an unload.
    auto& again = program.form<SelfUnloadingForm>();
    EXPECT_FALSE(again.alive);
}

TEST(Program, UnloadOutsideHandlersWaitsForTheNextLoad) {
    RecordingPlatform platform;
    Program program(platform);
    program.registerForm<SelfUnloadingForm>();
    auto& dialog = program.form<SelfUnloadingForm>();
    int unloads = 0;
    dialog.unloads = &unloads;
    dialog.cmdGo.onClick();
    EXPECT_TRUE(dialog.alive);
    EXPECT_FALSE(dialog.visible());
    program.destroyUnloaded();
    EXPECT_EQ(unloads, 1);
}

TEST(Program, NestedHandlersDestroyOnlyAfterTheOutermost) {
    RecordingPlatform platform;
    Program program(platform);
    program.registerForm<SelfUnloadingForm>();
    auto& dialog = program.form<SelfUnloadingForm>();
    int unloads = 0;
    dialog.unloads = &unloads;
    program.dispatch([&] {
        program.dispatch([&] { dialog.cmdGo.userClick(); });
        dialog.cmdGo.setCaption("read after the inner handler");
        EXPECT_EQ(dialog.cmdGo.caption(), "read after the inner handler");
    });
    EXPECT_EQ(unloads, 1);
}

} // namespace
} // namespace korveld::testing
