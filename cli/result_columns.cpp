#include "result_columns.h"

#include <algorithm>

namespace lx::cli {

namespace {

constexpr std::array<std::string_view, resultColumnCount> names = {
    "df",
    "t",
    "p_class",
    "p0",
    "t_pooled",
    "df_pooled",
    "p_pooled",
    "p_pooled_m1_gt_m2",
    "p_pooled_m1_lt_m2",
    "diff",
    "ci_pooled_lo",
    "ci_pooled_hi",
    "t_welch",
    "df_welch",
    "p_welch",
    "p_welch_m1_gt_m2",
    "p_welch_m1_lt_m2",
    "ci_welch_lo",
    "ci_welch_hi",
    "d",
    "g",
    "d_ci_lo",
    "d_ci_hi",
    "g_ci_lo",
    "g_ci_hi",
    "p_range_pooled_lo",
    "p_range_pooled_hi",
    "p_range_welch_lo",
    "p_range_welch_hi",
    "p_check",
    "p_recomputed",
    "t_check",
    "df_check",
    "grim_m1",
    "grim_m2",
    "grim_sd1",
    "grim_sd2",
    "check_error",
    "error",
};

bool anyOf(const std::array<bool, resultColumnCount>& wanted,
           std::initializer_list<ResultColumn> columns) {
    return std::any_of(columns.begin(), columns.end(),
                       [&](ResultColumn c) { return wanted[static_cast<std::size_t>(c)]; });
}

} // namespace

std::string_view resultColumnName(ResultColumn column) {
    return names[static_cast<std::size_t>(column)];
}

std::optional<ResultColumn> resultColumnNamed(std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<ResultColumn>(found - names.begin());
}

ResultNeeds needsFor(const std::array<bool, resultColumnCount>& wanted, double level) {
    using C = ResultColumn;
    ResultNeeds needs;
    needs.columns = wanted;
    needs.window = anyOf(wanted, {C::Df, C::T, C::PClass});
    ReportRequest& request = needs.request;
    request.level = level;
    request.windowP = anyOf(wanted, {C::P0});
    request.differenceIntervals =
        anyOf(wanted, {C::CiPooledLo, C::CiPooledHi, C::CiWelchLo, C::CiWelchHi});
    request.effectSizeIntervals = anyOf(wanted, {C::DCiLo, C::DCiHi, C::GCiLo, C::GCiHi});
    request.effectSizes = request.effectSizeIntervals || anyOf(wanted, {C::D, C::G});
    request.wholeNumberMeans = false; // the check columns test means with their items
    request.roundingRange =
        anyOf(wanted, {C::PRangePooledLo, C::PRangePooledHi, C::PRangeWelchLo, C::PRangeWelchHi});
    needs.anyReport =
        std::any_of(wanted.begin() + static_cast<int>(C::P0),
                    wanted.begin() + static_cast<int>(C::PCheck), [](bool w) { return w; });
    needs.anyCheck =
        std::any_of(wanted.begin() + static_cast<int>(C::PCheck),
                    wanted.begin() + static_cast<int>(C::Error), [](bool w) { return w; });
    return needs;
}

bool needsSummary(ResultColumn column) {
    using C = ResultColumn;
    return column != C::PCheck && column != C::PRecomputed && column != C::CheckError &&
           column != C::Error;
}

} // namespace lx::cli
