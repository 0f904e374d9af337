// Running sequences of user events on a new session, and shrinking a failing sequence to the
// shortest one that still fails the same way, by removing events.
#pragma once

#include "tests/usage/usage_session.h"
#include "tests/usage/user_events.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace korveld::usage {

// Replays the events on a new session, checking every rule after every event; the first rule broken.
std::optional<Violation> RunEvents(std::span<const UserEvent> events);

// The bytes a ByteUser reads as these events, on a session opened on `worksheet` and events over
// `windows`; an event that is no candidate at its step is left out. For writing fuzzer seeds.
std::vector<std::uint8_t> EncodeForByteUser(std::span<const UserEvent> events, std::optional<FormId> worksheet,
                                            WindowSet windows);

// Removes events while `stillFails` holds for what remains; the result fails and no single
// event can be taken out of it.
std::vector<UserEvent> ShrinkEvents(std::vector<UserEvent> events,
                                    const std::function<bool(std::span<const UserEvent>)>& stillFails);

} // namespace korveld::usage
