// A batch reuses one program for all its lines; every line must still answer exactly as a run of
// that line alone on a new program does, whatever the lines before it left on the worksheets.
#include "cli/batch_command.h"
#include "cli/rate_command.h"
#include "cli/select_command.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::cli {
namespace {

DateTimeTexts fixedNow() {
    return {"1/2/2026", "8:00 AM"};
}

BatchCommand newBatch() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<RateCommand>(fixedNow));
    commands.push_back(std::make_unique<SelectCommand>(fixedNow));
    return BatchCommand(std::move(commands));
}

// Each line leaves something on the worksheets (unit, distributor, charge, bleed, a message, an
// option the next line leaves out) that the line after it must not inherit.
// clang-format off
const std::vector<std::string> kSchedule = {
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 14840",
    "select --refrigerant R-404A --valve KO --unit kw --evap -10 --cond 40 --liquid 30 --capacity 20 --bleed 20 --charge W65",
    "select --refrigerant R-404A --valve QZ --evap 14 --cond 104 --liquid 86 --capacity 68000 --strainer --connection flare",
    "select --refrigerant R-404A --valve QZ --evap 14 --cond 104 --liquid 86 --capacity 30000",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --distributor user --pressure-drop 25 --capacity 9000 --equalizer external --connection flare",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 9000",
    "select --refrigerant R-134a --valve VA --unit tons --evap 20 --cond 110 --liquid 95 --capacity 2",
    "rate --refrigerant R-134a --valve VA --unit tons --evap 20 --cond 110 --liquid 95 --system-capacity 2",
    "rate --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 60 --liquid 60 --capacity 9000",
    "select --refrigerant R-22 --valve KO --evap x --cond 100 --liquid 90 --capacity 9000",
    "select --refrigerant R-22 --valve KO --evap 40 --cond 100 --liquid 90 --capacity 70000 --bogus",
    "select --refrigerant R-507 --valve VMP --unit kcal --evap -30 --cond 35 --liquid 25 --capacity 5000 --distributor none",
    "select --refrigerant R-507 --valve VMP --evap -22 --cond 95 --liquid 77 --capacity 20000",
    "rate --refrigerant R-12 --valve KO --unit kw --evap -5 --cond 40 --liquid 30 --distributor venturi",
    "rate --refrigerant R-12 --valve KO --evap 20 --cond 100 --liquid 90",
};
// clang-format on

// The answer without its line number, which differs between a batch and a run of one line.
std::string withoutLineNumber(const std::string& answer) {
    const std::size_t comma = answer.find(',');
    return comma == std::string::npos ? answer : answer.substr(comma);
}

std::vector<std::string> answersTo(const std::string& schedule) {
    BatchCommand batch = newBatch();
    std::istringstream in(schedule);
    std::ostringstream out;
    batch.runLines(in, out);
    std::vector<std::string> answers;
    std::istringstream lines(out.str());
    for (std::string answer; std::getline(lines, answer);) {
        answers.push_back(withoutLineNumber(answer));
    }
    return answers;
}

TEST(BatchReuse, EveryLineAnswersAsItsOwnRunOnANewProgram) {
    std::string schedule;
    for (const std::string& line : kSchedule) {
        schedule += line + "\n";
    }
    const std::vector<std::string> together = answersTo(schedule);
    ASSERT_EQ(together.size(), kSchedule.size());
    int selected = 0;
    for (std::size_t i = 0; i < kSchedule.size(); ++i) {
        const std::vector<std::string> alone = answersTo(kSchedule[i] + "\n");
        ASSERT_EQ(alone.size(), 1u) << kSchedule[i];
        EXPECT_EQ(together[i], alone[0]) << kSchedule[i];
        selected += together[i].find("\"size_name\"") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(selected, 5) << "the schedule reaches real selections, not only messages";
}

} // namespace
} // namespace korveld::cli
