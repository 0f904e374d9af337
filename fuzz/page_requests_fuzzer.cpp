// Any lines as the page's requests to one running program: every answer is a JSON object, an event's
// answer holds the start screen first among the windows, and no request brings the program down.
#include "fuzz/fuzz_check.h"
#include "web/page_bridge.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using nlohmann::json;
    korveld::web::PageBridge bridge;
    (void)bridge.handle(std::string_view(R"({"op":"start","help":"PALDEN HELP 1\n"})"));
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view request = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        const json answer = json::parse(bridge.handle(request), nullptr, false);
        FUZZ_CHECK(answer.is_object());
        if (const auto forms = answer.find("forms"); forms != answer.end()) {
            FUZZ_CHECK(forms->is_array() && !forms->empty());
            FUZZ_CHECK((*forms)[0]["name"] == "frmSelection");
        }
    }
    return 0;
}
