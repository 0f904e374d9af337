// The walk over a series' sizes that finds the one whose operating window, 65 % to 110 % of its
// rated capacity, holds the required capacity, or tells why none does.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace korveld {

// The open window of a size, in tons: ValCapacity − 35 % to ValCapacity + 10 %, worked in double
// and stored as Singles.
struct SizeWindow {
    float MinValCapacity;
    float MaxValCapacity;
};
SizeWindow WindowOf(float ValCapacity);

enum class SizeOutcome : std::int16_t {
    Selected = 0,
    TooSmall = 1,         // below the window of the smallest offered size
    BetweenTwoValves = 2, // in the gap between two neighbouring windows
    TooLarge = 3,         // above the window of the largest size
    NoSizeOffered = 4,    // the series offers no size for the refrigerant
};

struct SizeSearchResult {
    SizeOutcome outcome = SizeOutcome::NoSizeOffered;
    std::int16_t SizeNo = 0;  // the selected size
    float ValCapacity = 0.0f; // its capacity, tons
};

// The walk itself, fed one size at a time in ascending order so that sizes after the answer need
// not be rated. Sizes are tested in ascending order, so overlapping windows go to the smaller size.
// A requirement on a window's limit, or beyond a last size that is not offered, ends the walk
// without an answer of its own; it is then too small at or below the window of the first offered
// size, too large at or above that of the last offered size, and between two valves otherwise.
class SizeSearch {
public:
    SizeSearch(std::int16_t sizeCount, float InputCapacity);
    // Size SizeNo with its rated capacity in tons (bleed included), or empty when it is not offered.
    // Returns true once the search has its answer.
    bool offer(std::int16_t SizeNo, std::optional<float> ValCapacity);
    // The answer; call after offer() returned true or after the last size.
    SizeSearchResult result() const;

private:
    std::int16_t m_sizeCount;
    float m_input;
    float m_prevMaxCapacity = 0.0f;
    float m_maxValCapacity = 0.0f;
    std::optional<SizeWindow> m_first;
    SizeWindow m_last{};
    std::optional<SizeSearchResult> m_answer;
};

// capacities[i] is the rated capacity of size i + 1 (bleed included), empty when the size is not
// offered.
SizeSearchResult SearchSizes(std::span<const std::optional<float>> capacities, float InputCapacity);

} // namespace korveld
