// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_rows.h"

#include "stats/reported_p.h"

namespace lx::text_check::table_rows {

std::optional<FoundResult> resultOf(Statistic statistic, const Row& row) {
    QString valueText = row.value.toString();
    valueText.remove(QLatin1Char(' '));
    const auto value = reported::typedNumber(valueText);
    QString pText = row.p.toString();
    while (pText.endsWith(QLatin1Char('*'))) {
        pText.chop(1);
    }
    const auto p = reported::readP(pText);
    const auto df = reported::typedNumber(row.df);
    if (!value || !p || !df || !(df->value > 0) ||
        (statistic == Statistic::F && value->value < 0)) {
        return std::nullopt;
    }
    FoundResult result;
    result.statistic = statistic;
    result.value = *value;
    result.dfText = row.df.toString();
    result.df = df->value;
    result.p = *p;
    result.pText = pText.simplified();
    result.start = row.start;
    result.end = row.end;
    return result;
}

QStringView lineAt(const QString& plain, const std::vector<qsizetype>& starts, std::size_t k) {
    const qsizetype end = k + 1 < starts.size() ? starts[k + 1] - 1 : plain.size();
    return QStringView(plain).mid(starts[k], end - starts[k]);
}

} // namespace lx::text_check::table_rows
