// Writes the seeds of the worksheet fuzzers: every block of fuzz/event_seeds.txt (a header line
// "== <fuzzer> <seed name>", then one event per line as the random-use tests print them) becomes
// corpus/<fuzzer>/<seed name>, the bytes that make the fuzzer's user do those events.
//   write_event_seeds fuzz/event_seeds.txt fuzz/corpus
#include "tests/usage/event_runs.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace korveld;
using namespace korveld::usage;

bool writeSeed(const std::filesystem::path& corpus, const std::string& fuzzer, const std::string& name,
               const std::vector<UserEvent>& events) {
    const bool capacity = fuzzer == "capacity_events";
    const FormId worksheet = capacity ? FormId::frmtxvCapacity : FormId::frmkorveld;
    const WindowSet windows = capacity ? WindowSet(kCapacityWindows) : WindowSet(kSelectionWindows);
    const std::vector<std::uint8_t> bytes = EncodeForByteUser(events, worksheet, windows);
    // The fuzzer must read back exactly these events.
    UsageSession session(worksheet);
    ByteUser user(bytes, windows);
    for (const UserEvent& event : events) {
        const std::optional<UserEvent> read = user.next(session.program(), session.decimal());
        if (!read || *read != event) {
            std::cerr << fuzzer << "/" << name << ": " << Describe(event) << " cannot be written at its step\n";
            return false;
        }
        session.apply(*read);
    }
    std::filesystem::create_directories(corpus / fuzzer);
    std::ofstream out(corpus / fuzzer / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::cout << fuzzer << "/" << name << ": " << events.size() << " events, " << bytes.size() << " bytes\n";
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: write_event_seeds EVENT_LIST CORPUS_FOLDER\n";
        return 64;
    }
    std::ifstream list(argv[1]);
    std::string fuzzer;
    std::string name;
    std::vector<UserEvent> events;
    bool ok = static_cast<bool>(list);
    for (std::string line; std::getline(list, line);) {
        if (line.rfind("== ", 0) == 0) {
            if (!name.empty()) {
                ok = writeSeed(argv[2], fuzzer, name, events) && ok;
            }
            const std::size_t space = line.find(' ', 3);
            fuzzer = line.substr(3, space - 3);
            name = line.substr(space + 1);
            events.clear();
        } else if (!line.empty() && line.front() != '#') {
            const std::optional<UserEvent> event = ParseEvent(line);
            if (!event) {
                std::cerr << "not an event: " << line << '\n';
                return 65;
            }
            events.push_back(*event);
        }
    }
    if (!name.empty()) {
        ok = writeSeed(argv[2], fuzzer, name, events) && ok;
    }
    return ok ? 0 : 74;
}
