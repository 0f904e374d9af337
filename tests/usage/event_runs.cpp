#include "tests/usage/event_runs.h"

#include "tests/usage/program_invariants.h"

#include <algorithm>

namespace korveld::usage {

std::optional<Violation> RunEvents(std::span<const UserEvent> events) {
    UsageSession session;
    for (const UserEvent& event : events) {
        session.apply(event);
        if (std::optional<Violation> violation = CheckInvariants(session)) {
            return violation;
        }
    }
    return std::nullopt;
}

std::vector<std::uint8_t> EncodeForByteUser(std::span<const UserEvent> events, std::optional<FormId> worksheet,
                                            WindowSet windows) {
    std::vector<std::uint8_t> bytes;
    UsageSession session(worksheet);
    for (const UserEvent& event : events) {
        UserEvent target = event;
        target.text.clear();
        const std::vector<Candidate> candidates = CandidateEvents(session.program(), windows);
        // The index among the reachable candidates, or among all with the top bit set.
        std::optional<std::size_t> index;
        std::size_t reachable = 0;
        for (std::size_t i = 0, r = 0; i < candidates.size(); ++i) {
            if (candidates[i].event() == target) {
                index = candidates[i].reachable ? r : i;
                reachable = candidates[i].reachable ? 1 : 0;
                break;
            }
            r += candidates[i].reachable ? 1 : 0;
        }
        if (!index) {
            continue;
        }
        const std::size_t value = *index;
        bytes.push_back(static_cast<std::uint8_t>((reachable != 0 ? 0x00 : 0x80) | ((value >> 8) & 0x7F)));
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
        if (event.kind == EventKind::Type) {
            const std::span<const std::string> texts = TroublesomeTexts();
            const auto known = std::find(texts.begin(), texts.end(), event.text);
            if (known != texts.end()) {
                bytes.push_back(static_cast<std::uint8_t>(known - texts.begin()));
            } else {
                const std::size_t length = std::min<std::size_t>(event.text.size(), 0x3F);
                bytes.push_back(static_cast<std::uint8_t>(0xC0 + length));
                bytes.insert(bytes.end(), event.text.begin(), event.text.begin() + static_cast<std::ptrdiff_t>(length));
            }
        }
        session.apply(event);
    }
    return bytes;
}

std::vector<UserEvent> ShrinkEvents(std::vector<UserEvent> events,
                                    const std::function<bool(std::span<const UserEvent>)>& stillFails) {
    // Remove chunks, halving their size down to single events, until nothing more can go.
    for (std::size_t chunk = std::max<std::size_t>(events.size() / 2, 1);;
         chunk = std::max<std::size_t>(chunk / 2, 1)) {
        bool removed = false;
        for (std::size_t start = 0; start < events.size();) {
            std::vector<UserEvent> shorter(events.begin(), events.begin() + static_cast<std::ptrdiff_t>(start));
            const std::size_t end = std::min(events.size(), start + chunk);
            shorter.insert(shorter.end(), events.begin() + static_cast<std::ptrdiff_t>(end), events.end());
            if (!shorter.empty() && stillFails(shorter)) {
                events = std::move(shorter);
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (chunk == 1 && !removed) {
            return events;
        }
    }
}

} // namespace korveld::usage
