// One run of the real program as a user starts it: the start screen painted, a capacity
// worksheet calculated again and again, a whole selection made; timed at the paint events.
#pragma once

#include "bench/paint_clock.h"

#include <chrono>
#include <string>
#include <vector>

namespace korveld::bench {

struct SessionFigures {
    std::chrono::nanoseconds startup{};              // from `started` to the start screen painted
    std::vector<std::chrono::nanoseconds> calculate; // each Calculate click to its rows painted
    long peakResidentKiB = 0;                        // after the whole session
    std::string failure;                             // what did not show as it should; empty when all did
};

// `started` is the moment the process was asked for (its parent's clock reading), so the figure
// includes loading the program and its libraries.
SessionFigures RunSession(PaintClock& application, PaintClock::Clock::time_point started, int calculations);

} // namespace korveld::bench
