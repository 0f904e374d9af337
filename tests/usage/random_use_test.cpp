// Many thousands of random user events over the whole program, every rule checked after each;
// a failing seed prints the shortest sequence of its events that still breaks the same rule.
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

std::string shortestFailing(std::vector<UserEvent> events, const std::string& rule) {
    const std::vector<UserEvent> shortest = ShrinkEvents(std::move(events), [&rule](std::span<const UserEvent> run) {
        const std::optional<Violation> violation = RunEvents(run);
        return violation && violation->rule == rule;
    });
    std::ostringstream out;
    out << "shortest sequence (" << shortest.size() << " events):\n";
    for (const UserEvent& event : shortest) {
        out << "    " << Describe(event) << '\n';
    }
    return out.str();
}

class RandomUse : public ::testing::TestWithParam<int> {};

TEST_P(RandomUse, KeepsEveryRuleAfterEveryEvent) {
    UsageSession session;
    RandomUser user(static_cast<std::uint32_t>(GetParam()), kAllWindows);
    std::vector<UserEvent> events;
    for (int i = 0; i < kEventsPerSeed; ++i) {
        events.push_back(user.next(session.program(), session.decimal()));
        session.apply(events.back());
        if (const std::optional<Violation> violation = CheckInvariants(session)) {
            FAIL() << violation->rule << ": " << violation->detail << "\n" << shortestFailing(events, violation->rule);
        }
    }
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

} // namespace
} // namespace korveld::usage
