// The page module's two entry points for the page's JavaScript: korveld_request for the windows,
// korveld_cli for korveld.cli(). Each answer stays valid until the next call. A question to the
// user (a line of text, a file, save the changes?) suspends the handler that asked it, and with it
// korveld_request, until the page's modal box is answered: the page awaits the request meanwhile
// and sends nothing else.
#include "web/cli_call.h"
#include "web/page_bridge.h"

#include <cstdlib>
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <memory>
#include <string>

// The page shows the box and resolves with the answer as JSON text.
EM_ASYNC_JS(char*, korveld_page_ask, (const char* question), {
    const answer = await Module.korveldAsk(UTF8ToString(question));
    const size = lengthBytesUTF8(answer) + 1;
    const text = _malloc(size);
    stringToUTF8(answer, text, size);
    return text;
});

// The bytes of the file picked last, unless it is larger than `limit`; its size in any case.
EM_ASYNC_JS(unsigned char*, korveld_page_read_picked, (double limit, double* size), {
    const picked = await Module.korveldReadPicked(limit);
    HEAPF64[size >> 3] = picked.size;
    if (!picked.bytes)
        return 0;
    const data = _malloc(picked.bytes.length + 1);
    HEAPU8.set(picked.bytes, data);
    return data;
});

namespace {

struct FreeMalloced {
    void operator()(void* memory) const { std::free(memory); }
};

korveld::web::PageQuestions pageQuestions() {
    return {
        .ask =
            [](const nlohmann::json& question) {
                const std::unique_ptr<char, FreeMalloced> answer(korveld_page_ask(question.dump().c_str()));
                return nlohmann::json::parse(answer.get(), nullptr, false);
            },
        .readPicked =
            [](std::size_t limit) {
                double size = 0;
                const std::unique_ptr<unsigned char, FreeMalloced> bytes(
                    korveld_page_read_picked(static_cast<double>(limit), &size));
                korveld::web::PickedFileBytes picked{.size = static_cast<std::size_t>(size), .bytes = {}};
                if (bytes) {
                    picked.bytes.emplace(reinterpret_cast<const char*>(bytes.get()), picked.size);
                }
                return picked;
            },
    };
}

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
    bridge().platform().setQuestions(pageQuestions());
    return 0;
}
