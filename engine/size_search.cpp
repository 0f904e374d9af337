#include "size_search.h"

namespace korveld {

SizeWindow WindowOf(float ValCapacity) {
    const double capacity = ValCapacity;
    return {static_cast<float>(capacity - capacity * 0.35), static_cast<float>(capacity * 0.1 + capacity)};
}

SizeSearch::SizeSearch(std::int16_t sizeCount, float InputCapacity) : m_sizeCount(sizeCount), m_input(InputCapacity) {}

bool SizeSearch::offer(std::int16_t SizeNo, std::optional<float> ValCapacity) {
    if (m_answer) {
        return true;
    }
    if (!ValCapacity) {
        m_prevMaxCapacity = m_maxValCapacity;
        return false;
    }
    const SizeWindow window = WindowOf(*ValCapacity);
    const bool firstOffered = !m_first;
    if (firstOffered) {
        m_first = window;
    }
    m_last = window;
    // The smallest test looks at the first size offered, so a catalog without size 1 for the
    // refrigerant still reads "too small" below it.
    if (firstOffered && m_input < window.MinValCapacity) {
        m_answer = {SizeOutcome::TooSmall};
    } else if (!firstOffered && m_input > m_prevMaxCapacity && m_input < window.MinValCapacity) {
        m_answer = {SizeOutcome::BetweenTwoValves};
    } else if (SizeNo == m_sizeCount && m_input > window.MaxValCapacity) {
        m_answer = {SizeOutcome::TooLarge};
    } else if (m_input > window.MinValCapacity && m_input < window.MaxValCapacity) {
        m_answer = {SizeOutcome::Selected, SizeNo, *ValCapacity};
    } else {
        m_prevMaxCapacity = window.MaxValCapacity;
        m_maxValCapacity = window.MaxValCapacity;
        return false;
    }
    return true;
}

SizeSearchResult SizeSearch::result() const {
    if (m_answer) {
        return *m_answer;
    }
    if (!m_first) {
        return {};
    }
    if (m_input <= m_first->MinValCapacity) {
        return {SizeOutcome::TooSmall};
    }
    if (m_input >= m_last.MaxValCapacity) {
        return {SizeOutcome::TooLarge};
    }
    return {SizeOutcome::BetweenTwoValves};
}

SizeSearchResult SearchSizes(std::span<const std::optional<float>> capacities, float InputCapacity) {
    SizeSearch search(static_cast<std::int16_t>(capacities.size()), InputCapacity);
    for (std::size_t size = 1; size <= capacities.size(); ++size) {
        if (search.offer(static_cast<std::int16_t>(size), capacities[size - 1])) {
            break;
        }
    }
    return search.result();
}

} // namespace korveld
