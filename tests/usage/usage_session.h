// A program used as a user uses it, one event at a time, with what the rules checked after every
// event need to remember: the option groups that had a chosen option when their window loaded,
// and what the user last typed into each entry. Exit ends the program and a new one starts.
#pragma once

#include "tests/usage/user_events.h"
#include "worksheets/program.h"
#include "worksheets/recording_platform.h"

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace korveld {
class OptionButton;
class TextBox;
} // namespace korveld

namespace korveld::usage {

struct Violation {
    std::string rule;
    std::string detail;
};

class UsageSession : private FormListener {
public:
    // Starts the program; with a worksheet, presses its button on the start screen.
    explicit UsageSession(std::optional<FormId> worksheet = std::nullopt);
    ~UsageSession() override;
    UsageSession(const UsageSession&) = delete;
    UsageSession& operator=(const UsageSession&) = delete;

    Program& program() { return *m_program; }
    const Program& program() const { return *m_program; }
    RecordingPlatform& platform() { return *m_platform; }
    char decimal() const { return m_decimal; }

    // A new run from where the constructor left the session, on the same program: the program reset
    // as a batch resets it between lines, the platform and what the session remembers cleared, the
    // start screen and the worksheet opened again.
    void restart();

    // Applies the event as a user does; true when it reached its target.
    bool apply(const UserEvent& event);

    // The first option of every group that had a chosen option when its window loaded.
    const std::set<const OptionButton*>& groupsChosenAtLoad(const Form& form) const;
    // What the user last typed into the entry, if the entry's text has not changed since.
    bool showsWhatWasTyped(const TextBox& box) const;
    // Messages already checked: the platform's messages from this index on are new.
    std::size_t& messagesChecked() { return m_messagesChecked; }
    // A fault found while applying the last event (a reset that left state behind).
    std::optional<Violation>& applyViolation() { return m_applyViolation; }

    // How deep the run got.
    struct Counts {
        int events = 0;
        int reached = 0;
        int calculations = 0; // rows shown by Calculate
        int selections = 0;   // results dialog opened
        int timers = 0;       // the advice timer ran out
        int restarts = 0;     // Exit, then a new program
    };
    const Counts& counts() const { return m_counts; }

private:
    void returnToStart();
    void openWorksheet();
    void formLoaded(Form& form) override;
    void formUnloaded(Form& form) override;
    void startProgram();
    bool applyToTarget(const UserEvent& event);
    void resetProgram();

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Program> m_program;
    std::map<const Form*, std::set<const OptionButton*>> m_groupsAtLoad;
    std::map<const TextBox*, std::string> m_typed;
    std::size_t m_messagesChecked = 0;
    std::optional<Violation> m_applyViolation;
    std::optional<FormId> m_worksheet;
    char m_decimal = '.';
    Counts m_counts;
};

} // namespace korveld::usage
