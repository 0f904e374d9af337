// Counts the calls of the global operator new of the program this is linked into.
#pragma once

#include <cstddef>

namespace korveld::testing_support {

std::size_t AllocationCount();

} // namespace korveld::testing_support
