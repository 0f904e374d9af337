// A schedule entry's tag carried through a command's JSON answer: `--tag EVAP-3` puts
// "tag":"EVAP-3" in front of the answer's other members, message or selection alike.
#pragma once

#include <ostream>
#include <string_view>

namespace korveld::cli {

// Writes `answer` (one JSON object on one line, as the commands print it) with the tag as its
// first member; any other text is written unchanged.
void WriteWithTag(std::string_view answer, std::string_view tag, std::ostream& out);

} // namespace korveld::cli
