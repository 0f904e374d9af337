// The replaced allocation functions live in their own file so the compiler never sees a
// new-expression and free() together.
#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {
std::size_t allocations = 0; // a replaced operator new has nowhere else to count
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace korveld::testing_support {

std::size_t AllocationCount() {
    return allocations;
}

} // namespace korveld::testing_support
