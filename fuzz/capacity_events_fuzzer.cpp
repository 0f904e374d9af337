// Any bytes as a user's events on the capacity worksheet and the start screen.
#include "fuzz/fuzz_events.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korveld::fuzz::RunUserEvents({data, size}, korveld::FormId::frmtxvCapacity, korveld::usage::kCapacityWindows);
    return 0;
}
