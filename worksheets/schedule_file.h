// The schedule on disk is a korveld-cli batch file: a comment header (program, version, date), then
// one `select ... --tag TAG` command line per entry with the valve's name when saved in a trailing
// comment. `korveld-cli batch` runs it unchanged; the program reads it back line by line, and a line
// that cannot be read says why while the other lines load.
#pragma once

#include "engine/number_text.h"
#include "worksheets/schedule.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korveld {

// Files larger than this are refused whole, before they are read.
inline constexpr std::size_t kScheduleFileLimit = std::size_t{1024} * 1024;
// Lines longer than this, and entries beyond the limit, are refused one by one.
inline constexpr std::size_t kScheduleLineLimit = 4096;
inline constexpr std::size_t kScheduleEntryLimit = 2000;

// The entry's command line: select with the options the entry took, numbers with '.' whatever
// the user's `locale` typed, and --tag; without the trailing comment.
std::string ScheduleCommandLine(const ScheduleEntry& entry, const NumberLocale& locale);

// The whole file: header, one line per entry with its valve's name in a trailing comment.
std::string ScheduleFileText(const Schedule& schedule, std::string_view dateTime, const NumberLocale& locale);

struct ScheduleFileLine {
    long number = 0;                    // line number in the file, from 1
    std::optional<ScheduleEntry> entry; // inputs and tag; the outcome is not yet run
    std::string savedName;              // the trailing comment: the valve's name when saved
    std::string problem;                // why the line cannot be read; empty when it can
};

struct ScheduleFileContents {
    std::optional<std::string> fileProblem; // the whole file cannot be a schedule
    std::vector<ScheduleFileLine> lines;    // every command line, readable or not
};

// Reads the text of a schedule file; the entries' typed numbers come back in the user's `locale`.
ScheduleFileContents ReadScheduleFile(std::string_view text, const NumberLocale& locale);

} // namespace korveld
