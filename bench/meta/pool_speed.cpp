// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time of pooling studies as the batch tool does for each of its pooled rows: REML, its
// Q-profile interval of tau² (within pool) and Egger's test. One set of a million studies, then
// the same million as 5,000 sets of 200, the size the metafor comparison pools.
// Usage: bench_pool [studies] [set size]
#include "stats/meta_analysis.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<lx::meta::Study> studies(std::size_t count, unsigned seed) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> variance(0.005, 0.3);
    std::normal_distribution<double> normal(0, 1);
    std::vector<lx::meta::Study> set(count);
    for (lx::meta::Study& study : set) {
        study.vi = variance(random);
        study.yi = 0.4 + std::sqrt(study.vi + 0.09) * normal(random);
    }
    return set;
}

// Seconds to pool one set; the pooled tau² and Egger's t, so that nothing is left unused.
double poolOnce(const std::vector<lx::meta::Study>& set, double& check) {
    const auto start = Clock::now();
    const lx::meta::Pooled pooled =
        lx::meta::pool(set, lx::meta::Estimator::REML, lx::meta::Test::Z, 0.95);
    const auto egger = lx::meta::eggerTest(set);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    check += pooled.tau2 + pooled.tau2Upper + (egger ? egger->t : 0);
    return seconds;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1000000;
    const std::size_t setSize = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 200;
    double check = 0;
    const std::vector<lx::meta::Study> all = studies(count, 20261211);
    const double whole = poolOnce(all, check);
    std::printf("one_set k=%zu seconds %.3f\n", count, whole);

    double pieces = 0;
    std::size_t sets = 0;
    for (std::size_t first = 0; first + setSize <= count; first += setSize, ++sets) {
        const std::vector<lx::meta::Study> set(all.begin() + static_cast<std::ptrdiff_t>(first),
                                               all.begin() +
                                                   static_cast<std::ptrdiff_t>(first + setSize));
        pieces += poolOnce(set, check);
    }
    std::printf("sets %zu of k=%zu seconds %.3f per_set_seconds %.3g\n", sets, setSize, pieces,
                pieces / static_cast<double>(sets));
    std::printf("check %.6g\n", check);
    return 0;
}
