// Whole text files for the platforms: read with a size limit, and written whole or not at all.
#pragma once

#include "worksheets/platform.h"

#include <cstddef>
#include <optional>
#include <string>

namespace korveld {

FileReadResult ReadWholeFile(const std::string& path, std::size_t limit);

// Writes a temporary file beside `path`, flushes it to the disk and renames it over `path`, so a
// failure (no permission, a full disk) leaves the old file whole. nullopt when written, else why not.
std::optional<std::string> ReplaceFileWith(const std::string& path, const std::string& text);

} // namespace korveld
