// Percentiles of timing samples, which a busy moment of a shared machine moves less than a mean.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace escartinol::bench {

// The sample at fraction of the way from the smallest to the largest; samples is reordered.
inline double Percentile(std::vector<double>& samples, double fraction) {
    if (samples.empty()) return 0.0;
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(rank), samples.end());
    return samples[rank];
}

inline double Median(std::vector<double>& samples) { return Percentile(samples, 0.5); }

}  // namespace escartinol::bench
