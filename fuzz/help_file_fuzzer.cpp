// Any bytes as the help file: the parser gives topics or one error with a message, and every
// topic it gives can be searched and shown.
#include "fuzz/fuzz_check.h"
#include "worksheets/help_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korveld;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const HelpParseResult result = parseHelpText(text);
    if (!result.ok()) {
        FUZZ_CHECK(!result.message.empty());
        FUZZ_CHECK(result.file.topics.empty());
        return 0;
    }
    FUZZ_CHECK(!result.file.topics.empty());
    for (const HelpTopic& topic : result.file.topics) {
        FUZZ_CHECK(result.file.find(topic.contextId) != nullptr);
        (void)helpBodyHtml(topic);
    }
    const std::string_view query = text.substr(0, std::min<std::size_t>(text.size(), 12));
    for (const HelpTopic* topic : searchHelp(result.file, query)) {
        FUZZ_CHECK(topic != nullptr);
    }
    return 0;
}
