// Any bytes as a user's events on the selection worksheet, its results and bleed dialogs and the
// start screen.
#include "fuzz/fuzz_events.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korveld::fuzz::RunUserEvents({data, size}, korveld::FormId::frmkorveld, korveld::usage::kSelectionWindows);
    return 0;
}
