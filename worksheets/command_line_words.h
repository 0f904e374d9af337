// One line of a batch file split into words the way a POSIX shell splits a simple command: blanks
// separate words; '...' keeps everything literally; "..." keeps everything but a backslash before
// " or \; outside quotes a backslash keeps the next character; a # that starts a word begins a
// comment. No expansions of any kind. korveld-cli batch reads its files this way and the
// schedule is saved and read back this way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

struct SplitResult {
    std::vector<std::string> words;
    std::optional<std::string> error; // an unterminated quote or a trailing backslash
};

// Splits into `result`, reusing its storage.
void SplitCommandLine(std::string_view line, SplitResult& result);

// The word as a shell (and SplitCommandLine) reads it back: as it is when it holds only letters,
// digits and - _ . , / + : = @ %; otherwise in double quotes with " and \ escaped.
std::string QuoteWord(std::string_view word);

} // namespace korveld
