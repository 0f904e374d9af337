// Many thousands of random user events over the whole program, every rule checked after each;
// a failing seed prints the shortest sequence of its events that still fails.
#include "tests/engine/named_rows.h"
#include "tests/usage/event_runs.h"
#include "tests/usage/program_invariants.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace korveld::usage {
namespace {

constexpr int kEventsPerSeed = 500;
constexpr int kSeeds = 48;

std::string listing(std::span<const UserEvent> events) {
    std::ostringstream out;
    for (const UserEvent& event : events) {
        out << "    " << Describe(event) << '\n';
    }
    return out.str();
}

// Shrinks the failing run and reports the shortest sequence.
void reportFailure(const std::string& what, const ChildReport& report) {
    const auto sameFailure = [&report](std::span<const UserEvent> candidate) {
        return ReplayInChild(candidate, true).failure == report.failure;
    };
    const std::vector<UserEvent> shortest = ShrinkEvents(report.events, sameFailure);
    const ChildReport last = ReplayInChild(shortest, false); // its report on the error output
    ADD_FAILURE() << what << " broke \"" << report.failure << "\": " << report.detail << "\nshortest sequence ("
                  << shortest.size() << " of " << report.events.size() << " events), failing with \"" << last.detail
                  << "\":\n"
                  << listing(shortest);
}

class RandomUse : public ::testing::TestWithParam<int> {};

TEST_P(RandomUse, KeepsEveryRuleAfterEveryEvent) {
    const auto seed = static_cast<std::uint32_t>(GetParam());
    const ChildReport report = RandomUseInChild(seed, kEventsPerSeed, false);
    if (!report.failure.empty()) {
        reportFailure("seed " + std::to_string(seed), report);
        return;
    }
    EXPECT_EQ(report.counts.events, kEventsPerSeed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomUse, ::testing::Range(1, kSeeds + 1),
                         [](const ::testing::TestParamInfo<int>& info) { return "Seed" + std::to_string(info.param); });

// The random user gets deep enough: rows calculated, valves selected, the advice timer run out,
// Exit pressed and a new program started.
TEST(RandomUseDepth, ReachesRowsSelectionsTimersAndRestarts) {
    UsageSession::Counts total;
    for (std::uint32_t seed = 1001; seed <= 1006; ++seed) {
        UsageSession session;
        RandomUser user(seed, kAllWindows);
        for (int i = 0; i < 1500; ++i) {
            session.apply(user.next(session.program(), session.decimal()));
            const std::optional<Violation> violation = CheckInvariants(session);
            ASSERT_FALSE(violation) << violation->rule << ": " << violation->detail;
        }
        total.calculations += session.counts().calculations;
        total.selections += session.counts().selections;
        total.timers += session.counts().timers;
        total.restarts += session.counts().restarts;
        total.reached += session.counts().reached;
    }
    EXPECT_GE(total.calculations, 10);
    EXPECT_GE(total.selections, 5);
    EXPECT_GE(total.timers, 1);
    EXPECT_GE(total.restarts, 1);
    EXPECT_GE(total.reached, 6 * 1500 * 8 / 10); // most events reach their target
}

// Sequences that once broke a rule, kept as they were found, each named for what broke.
struct RegressionRow {
    const char* name;
    std::vector<const char*> events;
};
using testing_support::PrintTo;

class UsageRegressions : public ::testing::TestWithParam<RegressionRow> {};

TEST_P(UsageRegressions, NowKeepEveryRule) {
    std::vector<UserEvent> events;
    for (const char* line : GetParam().events) {
        const std::optional<UserEvent> event = ParseEvent(line);
        ASSERT_TRUE(event) << line;
        events.push_back(*event);
    }
    const RunResult result = RunEvents(events);
    EXPECT_FALSE(result.violation) << result.violation->rule << ": " << result.violation->detail << " after event "
                                   << result.eventsRun;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Found, UsageRegressions, ::testing::Values(
    RegressionRow{"NothingYet", {"Click frmSelection cmdValveCap"}}
), testing_support::RowName{});
// clang-format on

} // namespace
} // namespace korveld::usage
