#include "size_search.h"

namespace korveld {

SizeWindow WindowOf(float ValCapacity) {
    const double capacity = ValCapacity;
    return {static_cast<float>(capacity - capacity * 0.35), static_cast<float>(capacity * 0.1 + capacity)};
}

SizeSearchResult SearchSizes(std::span<const std::optional<float>> capacities, float InputCapacity) {
    const std::size_t N = capacities.size();
    float PrevMaxCapacity = 0.0f;
    float MaxValCapacity = 0.0f;
    std::optional<SizeWindow> first;
    SizeWindow last{};
    for (std::size_t size = 1; size <= N; ++size) {
        const std::optional<float>& capacity = capacities[size - 1];
        if (!capacity) {
            PrevMaxCapacity = MaxValCapacity;
            continue;
        }
        const SizeWindow window = WindowOf(*capacity);
        const bool firstOffered = !first;
        if (firstOffered) {
            first = window;
        }
        last = window;
        // The smallest test looks at the first size offered, so a catalog without size 1 for the
        // refrigerant still reads "too small" below it.
        if (firstOffered && InputCapacity < window.MinValCapacity) {
            return {SizeOutcome::TooSmall};
        }
        if (!firstOffered && InputCapacity > PrevMaxCapacity && InputCapacity < window.MinValCapacity) {
            return {SizeOutcome::BetweenTwoValves};
        }
        if (size == N && InputCapacity > window.MaxValCapacity) {
            return {SizeOutcome::TooLarge};
        }
        if (InputCapacity > window.MinValCapacity && InputCapacity < window.MaxValCapacity) {
            return {SizeOutcome::Selected, static_cast<std::int16_t>(size), *capacity};
        }
        PrevMaxCapacity = window.MaxValCapacity;
        MaxValCapacity = window.MaxValCapacity;
    }
    if (!first) {
        return {};
    }
    if (InputCapacity <= first->MinValCapacity) {
        return {SizeOutcome::TooSmall};
    }
    if (InputCapacity >= last.MaxValCapacity) {
        return {SizeOutcome::TooLarge};
    }
    return {SizeOutcome::BetweenTwoValves};
}

} // namespace korveld
