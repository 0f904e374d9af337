// The page module's two entry points for the page's JavaScript: korveld_request for the windows,
// korveld_cli for korveld.cli(). Each answer stays valid until the next call.
#include "web/cli_call.h"
#include "web/page_bridge.h"

#include <emscripten/emscripten.h>
#include <string>

namespace {

korveld::web::PageBridge& bridge() {
    static korveld::web::PageBridge instance;
    return instance;
}

std::string& lastAnswer() {
    static std::string answer;
    return answer;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* korveld_request(const char* request) {
    lastAnswer() = bridge().handle(std::string_view(request));
    return lastAnswer().c_str();
}

EMSCRIPTEN_KEEPALIVE const char* korveld_cli(const char* arguments, const char* standardInput) {
    lastAnswer() = korveld::web::RunCliCall(arguments, standardInput);
    return lastAnswer().c_str();
}

} // extern "C"

int main() {
    return 0;
}
