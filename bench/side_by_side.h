#pragma once
// Two ways of doing the same work measured alternately, sample by sample, so
// that whatever else the machine does hits both alike: each benchmark
// iteration is one sample of both sides, and the figures reported are medians,
// the rate of each side and the ratio of the two rates within each sample
// (the library against its reference: read() of the file, OpenSSL, the DES
// engine's own block rate).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace vek::bench {

// Seconds that `work` takes, run once.
template <class Work>
double seconds_of(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// How many runs of `work` (once timed at `once` seconds) fill about `seconds`.
inline long runs_for(double once, double seconds) {
    return std::max(1L, static_cast<long>(seconds / std::max(once, 1e-9)));
}

// The median of the samples.
inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

class SideBySide final {
public:
    // One sample: the two rates (work per second).
    void Add(double ours, double reference) {
        m_ours.push_back(ours);
        m_reference.push_back(reference);
        m_ratio.push_back(ours / reference);
    }

    // The medians as counters: `ours`, `reference` and `ratio` name them.
    void Report(benchmark::State& state, const std::string& ours, const std::string& reference,
                const std::string& ratio) {
        if (m_ratio.empty()) return;
        state.counters[ours] = median(m_ours);
        state.counters[reference] = median(m_reference);
        state.counters[ratio] = median(m_ratio);
    }

private:
    std::vector<double> m_ours, m_reference, m_ratio;
};

}  // namespace vek::bench
