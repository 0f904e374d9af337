// A user at the worksheets without a screen: a program with a recording platform, driven through
// the same user actions as the real windows (menu picks that open each parent menu first, clicks,
// typing). Every step stops the run when a message box was raised, or when the step's control is
// out of the user's reach (hidden or disabled), with a message of our own naming the option.
#pragma once

#include "cli/date_time.h"
#include "worksheets/program.h"
#include "worksheets/recording_platform.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace korveld {
class CommandButton;
class Control;
class frmSelection;
class MenuEntry;
class TextBox;
} // namespace korveld

namespace korveld::cli {

// The title of the messages the command line gives of its own.
inline constexpr std::string_view kOwnMessageTitle = "korveld-cli";

struct StopMessage {
    std::string title;
    std::string text;
};

class ScriptedUser {
public:
    explicit ScriptedUser(const DateTimeTexts& now);
    ScriptedUser(const ScriptedUser&) = delete;
    ScriptedUser& operator=(const ScriptedUser&) = delete;

    // A new run at the same desk: the program and the platform as a new ScriptedUser has them,
    // the windows kept for reuse (Program::reset).
    void restart(const DateTimeTexts& now);

    Program& program() { return m_program; }
    RecordingPlatform& platform() { return m_platform; }

    // Starts the program and presses one of the start screen's buttons; false when the run stopped.
    bool openFromStartScreen(CommandButton frmSelection::*button);

    // Each step returns false when the run has stopped (then or before); `option` names the
    // command-line option the step serves, for the message when the control is out of reach.
    bool pick(MenuEntry& entry, std::string_view option);
    bool click(Control& control, std::string_view option);
    bool type(TextBox& box, std::string text, std::string_view option);

    bool stopped() const { return m_stop.has_value(); }
    const std::optional<StopMessage>& stopMessage() const { return m_stop; }

private:
    bool afterStep(bool reached, std::string_view option, std::string_view control, std::string_view why);

    RecordingPlatform m_platform;
    Program m_program;
    std::optional<StopMessage> m_stop;
};

// One scripted user kept by a command for all its runs (a batch runs many): each run gets it
// restarted, as new.
class ReusedUser {
public:
    ScriptedUser& fresh(const DateTimeTexts& now) {
        if (m_user) {
            m_user->restart(now);
        } else {
            m_user = std::make_unique<ScriptedUser>(now);
        }
        return *m_user;
    }

private:
    std::unique_ptr<ScriptedUser> m_user;
};

} // namespace korveld::cli
