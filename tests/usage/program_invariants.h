// The rules the program keeps whatever a user does, checked after every event: each worksheet
// shows exactly one capacity unit as chosen; an option group that had a chosen option when its
// window loaded has exactly one; no text the program wrote shows "inf", "nan" or a negative
// capacity; the capacity rows run from row 1 without a gap; the selection worksheet is disabled
// exactly while the results dialog is open; every message box is one of the program's own.
#pragma once

#include "tests/usage/usage_session.h"

#include <optional>

namespace korveld::usage {

std::optional<Violation> CheckInvariants(UsageSession& session);

} // namespace korveld::usage
