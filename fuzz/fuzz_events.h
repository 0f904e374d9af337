// The body of the worksheet fuzzers: bytes read as user events on a session opened on a worksheet,
// every rule checked after each event; a broken rule prints the events so far and aborts.
#pragma once

#include "tests/usage/program_invariants.h"
#include "tests/usage/user_events.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

namespace korveld::fuzz {

// Long inputs are cut: a few hundred events reach every state, more only cost time.
inline constexpr int kMaxEvents = 200;

inline void RunUserEvents(std::span<const std::uint8_t> bytes, FormId worksheet, usage::WindowSet windows) {
    usage::UsageSession session(worksheet);
    usage::ByteUser user(bytes, windows);
    std::vector<usage::UserEvent> applied;
    for (int i = 0; i < kMaxEvents; ++i) {
        std::optional<usage::UserEvent> event = user.next(session.program(), session.decimal());
        if (!event) {
            break;
        }
        session.apply(*event);
        applied.push_back(std::move(*event));
        if (const std::optional<usage::Violation> violation = usage::CheckInvariants(session)) {
            std::fprintf(stderr, "rule broken: %s: %s\nevents:\n", violation->rule.c_str(), violation->detail.c_str());
            for (const usage::UserEvent& done : applied) {
                std::fprintf(stderr, "    %s\n", usage::Describe(done).c_str());
            }
            std::abort();
        }
    }
}

} // namespace korveld::fuzz
