// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks report of their timed runs.
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace fk::bench {

// The middle run, or the mean of the middle two; the runs need not be sorted.
inline double median(std::vector<double> runs) {
    std::sort(runs.begin(), runs.end());
    const size_t n = runs.size();
    return n % 2 ? runs[n / 2] : (runs[n / 2 - 1] + runs[n / 2]) / 2;
}

// The median time of `runs` calls of `work`, in Unit (milliseconds unless
// told: std::micro for microseconds).
template <class Unit = std::milli>
double medianTime(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, Unit>(std::chrono::steady_clock::now() - start).count());
    }
    return median(std::move(times));
}

}  // namespace fk::bench
