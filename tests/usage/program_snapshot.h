// Everything of a running program that a user could see or a later event could depend on, as
// text, one property to a line: every loaded window with its controls, menus and timers, the
// members each window keeps, and the program-wide variables. Two programs in the same state give
// the same text.
#pragma once

#include <string>

namespace korveld {
class Program;
}

namespace korveld::usage {

std::string SnapshotOf(const Program& program);

} // namespace korveld::usage
