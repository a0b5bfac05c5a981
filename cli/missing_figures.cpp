// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "missing_figures.h"

#include "batch_text.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace lx::cli {

namespace {

using C = ResultColumn;

template <typename T> std::optional<Undefined> reasonOf(const Figure<T>& figure) {
    return figure ? std::nullopt : std::optional<Undefined>(figure.why());
}

// The Bayes figures name an unsettled integral themselves.
template <typename T> std::optional<Undefined> bayesReasonOf(const Figure<T>& figure) {
    const auto why = reasonOf(figure);
    return why == Undefined::NotFound ? std::nullopt : why;
}

QString reasonText(Undefined why) {
    switch (why) {
    case Undefined::NoDegreesOfFreedom:
        return BatchText::tr("N1 + N2 - 2 is 0");
    case Undefined::TooFewObservations:
        return BatchText::tr("they need at least two observations in each set");
    case Undefined::NoSpread:
        return BatchText::tr("SD1 and SD2 are both 0");
    case Undefined::NotFound:
        return BatchText::tr("their numerical search does not settle");
    case Undefined::Untestable:
        return BatchText::tr("every value of the typed precision is possible");
    case Undefined::NotRequested:
        break;
    }
    return {};
}

struct Missing {
    Undefined why;
    QStringList columns;
};

} // namespace

void explainMissingFigures(RowResults& results, const TwoSampleReport& report,
                           const std::array<bool, resultColumnCount>& wanted) {
    const auto testReasons = [](const TTest& test) {
        return std::array<std::optional<Undefined>, 6>{
            reasonOf(test.t),          reasonOf(test.df),      reasonOf(test.pTwoTailed),
            reasonOf(test.pM1Greater), reasonOf(test.pM1Less), reasonOf(test.differenceCi)};
    };
    const auto pooled = testReasons(report.pooled);
    const auto welch = testReasons(report.welch);
    const std::optional<Undefined> robustness =
        report.robustness ? std::nullopt : bayesReasonOf(report.robustness);
    const std::pair<ResultColumn, std::optional<Undefined>> figures[] = {
        {C::TPooled, pooled[0]},
        {C::DfPooled, pooled[1]},
        {C::PPooled, pooled[2]},
        {C::PPooledM1GtM2, pooled[3]},
        {C::PPooledM1LtM2, pooled[4]},
        {C::CiPooledLo, pooled[5]},
        {C::CiPooledHi, pooled[5]},
        {C::TWelch, welch[0]},
        {C::DfWelch, welch[1]},
        {C::PWelch, welch[2]},
        {C::PWelchM1GtM2, welch[3]},
        {C::PWelchM1LtM2, welch[4]},
        {C::CiWelchLo, welch[5]},
        {C::CiWelchHi, welch[5]},
        {C::D, reasonOf(report.cohensD)},
        {C::G, reasonOf(report.hedgesG)},
        {C::DCiLo, reasonOf(report.cohensDCi)},
        {C::DCiHi, reasonOf(report.cohensDCi)},
        {C::GCiLo, reasonOf(report.hedgesGCi)},
        {C::GCiHi, reasonOf(report.hedgesGCi)},
        {C::DVar, reasonOf(report.cohensDVariance)},
        {C::GVar, reasonOf(report.hedgesGVariance)},
        {C::GSe, reasonOf(report.hedgesGVariance)},
        {C::PRangePooledLo, reasonOf(report.pRangePooled)},
        {C::PRangePooledHi, reasonOf(report.pRangePooled)},
        {C::PRangeWelchLo, reasonOf(report.pRangeWelch)},
        {C::PRangeWelchHi, reasonOf(report.pRangeWelch)},
        {C::Bf10, bayesReasonOf(report.bayesFactors.logBf10)},
        {C::LogBf10, bayesReasonOf(report.bayesFactors.logBf10)},
        {C::BfPlus, bayesReasonOf(report.bayesFactors.logBfPlus)},
        {C::LogBfPlus, bayesReasonOf(report.bayesFactors.logBfPlus)},
        {C::BfMinus, bayesReasonOf(report.bayesFactors.logBfMinus)},
        {C::LogBfMinus, bayesReasonOf(report.bayesFactors.logBfMinus)},
        {C::DeltaMedian, bayesReasonOf(report.posterior)},
        {C::DeltaCriLo, bayesReasonOf(report.posterior)},
        {C::DeltaCriHi, bayesReasonOf(report.posterior)},
        {C::Bf10R05, robustness},
        {C::Bf10Wide, robustness},
        {C::Bf10Ultrawide, robustness},
        {C::Bf10Max, robustness},
        {C::RMax, robustness},
        {C::PTostPooled, reasonOf(report.equivalence.pooled.p)},
        {C::PTostWelch, reasonOf(report.equivalence.welch.p)},
        {C::TostBound, reasonOf(report.equivalence.bound)},
    };
    std::vector<Missing> missing;
    for (const auto& [column, why] : figures) {
        const auto at = static_cast<std::size_t>(column);
        if (!wanted[at] || results[at].kind != Cell::Kind::Empty || !why ||
            *why == Undefined::NotRequested) {
            continue;
        }
        auto same = std::find_if(missing.begin(), missing.end(),
                                 [&](const Missing& entry) { return entry.why == *why; });
        if (same == missing.end()) {
            same = missing.insert(missing.end(), Missing{*why, {}});
        }
        const std::string_view name = resultColumnName(column);
        same->columns.append(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
    }
    for (const Missing& entry : missing) {
        addError(results, BatchText::tr("%1 cannot be computed: %2.")
                              .arg(entry.columns.join(QLatin1String(", ")), reasonText(entry.why)));
    }
}

} // namespace lx::cli
