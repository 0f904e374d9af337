// The body of the worksheet fuzzers: bytes read as user events on a session opened on a worksheet,
// every rule checked after each event; a broken rule prints the events so far and aborts.
//
// One session serves every input of a process, returned between inputs to the state its
// constructor left (as a batch returns its program between lines): building a program costs far
// more than the events of an input. Each return is proved: the program then is, property for
// property, the program of a new session, or the fuzzer aborts.
#pragma once

#include "tests/usage/program_invariants.h"
#include "tests/usage/program_snapshot.h"
#include "tests/usage/user_events.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace korveld::fuzz {

// Long inputs are cut: a few hundred events reach every state, more only cost time.
inline constexpr int kMaxEvents = 200;

// User events survived by this process, every rule checked after each; printed when it exits.
inline long long& EventsSurvived() {
    static long long events = 0;
    return events;
}

inline void PrintEventsSurvived() {
    std::fprintf(stderr, "user events survived: %lld\n", EventsSurvived());
}

// The first line where the snapshots of a reused and a new program differ.
inline std::string FirstDifference(const std::string& reused, const std::string& fresh) {
    std::size_t start = 0;
    while (start < reused.size() || start < fresh.size()) {
        const std::size_t endA = std::min(reused.find('\n', start), reused.size());
        const std::size_t endB = std::min(fresh.find('\n', start), fresh.size());
        if (reused.compare(start, endA - start, fresh, start, endB - start) != 0) {
            return "reused: " + reused.substr(start, endA - start) + " | new: " + fresh.substr(start, endB - start);
        }
        start = endA + 1;
    }
    return "the snapshots differ";
}

// The session of this process on `worksheet`, as a new session has it.
inline usage::UsageSession& SessionAsNew(FormId worksheet) {
    static std::unique_ptr<usage::UsageSession> session;
    static std::string asNew;
    if (!session) {
        session = std::make_unique<usage::UsageSession>(worksheet);
        asNew = usage::SnapshotOf(session->program());
        std::atexit(PrintEventsSurvived);
        return *session;
    }
    session->restart();
    const std::string reused = usage::SnapshotOf(session->program());
    if (reused != asNew) {
        std::fprintf(stderr, "a restarted session is not as new: %s\n", FirstDifference(reused, asNew).c_str());
        std::abort();
    }
    return *session;
}

inline void RunUserEvents(std::span<const std::uint8_t> bytes, FormId worksheet, usage::WindowSet windows) {
    usage::UsageSession& session = SessionAsNew(worksheet);
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
        ++EventsSurvived();
    }
}

} // namespace korveld::fuzz
