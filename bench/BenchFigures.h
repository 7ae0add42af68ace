// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks report of their timed runs.
#include <algorithm>
#include <vector>

namespace fk::bench {

// The middle run, or the mean of the middle two; the runs need not be sorted.
inline double median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    const size_t n = runs.size();
    return n % 2 ? runs[n / 2] : (runs[n / 2 - 1] + runs[n / 2]) / 2;
}

}  // namespace fk::bench
