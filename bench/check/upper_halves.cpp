// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the vector registers' upper halves left in use: the time per t tail (the text
// check's commonest arithmetic) over varied t and df, after hashing a string as QHash does,
// and after clearing the upper halves, alternately in one run; medians of several passes.
#include "platform/core/vector_registers.h"
#include "stats/t_distribution.h"

#include <QHash>
#include <QRandomGenerator>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<double, double>>;

// t from 0.1 to 6 with three decimals and df from 2 to 500, as papers print them.
Pairs variedTails(int count) {
    QRandomGenerator random(20261211);
    Pairs pairs;
    for (int k = 0; k < count; ++k) {
        const double t = (100 + random.bounded(5900)) / 1000.0;
        pairs.emplace_back(t, 2 + random.bounded(499));
    }
    return pairs;
}

double microsecondsPerTail(const Pairs& pairs, double& sink) {
    const auto start = std::chrono::steady_clock::now();
    for (const auto& [t, df] : pairs) {
        sink += lx::t_distribution::upperTail(t, df);
    }
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / static_cast<double>(pairs.size());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    const Pairs pairs = variedTails(50000);
    const QString key(64, QLatin1Char('k'));
    double sink = 0;
    bool leftInUse = false;
    std::vector<double> afterHash;
    std::vector<double> afterClearing;
    for (int pass = 0; pass < 7; ++pass) {
        volatile std::size_t hash = qHash(key, 1 + static_cast<std::size_t>(pass));
        static_cast<void>(hash);
        leftInUse = leftInUse || lx::vectorUpperHalvesInUse();
        afterHash.push_back(microsecondsPerTail(pairs, sink));
        lx::clearVectorUpperHalves();
        afterClearing.push_back(microsecondsPerTail(pairs, sink));
    }
    std::printf("upper halves left in use by the hash: %s\n", leftInUse ? "yes" : "no");
    std::printf("t tail after hashing a string: %.3f us\n", median(afterHash));
    std::printf("t tail after clearing:         %.3f us\n", median(afterClearing));
    std::printf("ratio: %.2f (checksum %.6g)\n", median(afterHash) / median(afterClearing), sink);
}
