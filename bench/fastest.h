// The fastest of the repetitions: on a shared machine the other statistics carry the neighbours' load.
#pragma once

#include <algorithm>
#include <vector>

namespace korveld::bench {

inline double Fastest(const std::vector<double>& samples) {
    return samples.empty() ? 0.0 : *std::min_element(samples.begin(), samples.end());
}

} // namespace korveld::bench
