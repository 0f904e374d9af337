// Any bytes as a schedule file: the reader never fails, lines come in order, and every line it
// reads as an entry is written back by the schedule's own writer to a line that reads the same.
#include "fuzz/fuzz_check.h"
#include "worksheets/schedule_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korveld;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const NumberLocale& locale : {NumberLocale{}, NumberLocale{",", "."}}) {
        const ScheduleFileContents contents = ReadScheduleFile(text, locale);
        FUZZ_CHECK(!contents.fileProblem || contents.lines.empty());
        long previous = 0;
        for (const ScheduleFileLine& line : contents.lines) {
            FUZZ_CHECK(line.number > previous);
            previous = line.number;
            FUZZ_CHECK(line.entry.has_value() == line.problem.empty());
            if (!line.entry) {
                continue;
            }
            ScheduleEntry entry = *line.entry;
            if (entry.inputs.distributor != DistributorPick::UserDefined) {
                entry.inputs.pressureDrop.clear(); // written only with the user-defined distributor
            }
            const ScheduleFileContents again = ReadScheduleFile(ScheduleCommandLine(entry, locale) + "\n", locale);
            FUZZ_CHECK(again.lines.size() == 1 && again.lines[0].entry.has_value());
            FUZZ_CHECK(again.lines[0].entry->tag == entry.tag);
            FUZZ_CHECK(again.lines[0].entry->inputs == entry.inputs);
        }
    }
    return 0;
}
