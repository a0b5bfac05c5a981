// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pooled forest plot and the funnel plot of a table of studies that lxtervan-batch has
// turned into g, in tab-separated lines of label, group, g, g_var, g_ci_lo and g_ci_hi under a
// header: every study pooled by REML, and each group apart, with the model's sentence.
// Usage: lxtervan-pool-pictures TABLE.tsv FOREST.png|.svg|.pdf FUNNEL.png|.svg|.pdf
#include "cli/forest_file.h"
#include "cli/funnel_file.h"
#include "platform/core/figure_text.h"
#include "platform/core/number_text.h"

#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

using lx::cli::ForestRows;

QString interval(double lower, double upper, const QLocale& locale) {
    return lx::number_text::interval(lx::figure_text::decimals(lower, 2, locale),
                                     lx::figure_text::decimals(upper, 2, locale), locale);
}

// The figures of a pooled result in one sentence.
QString sentence(const lx::meta::Pooled& p, const QLocale& l) {
    const auto d = [&](double value, int decimals) {
        return lx::figure_text::decimals(value, decimals, l);
    };
    return QStringLiteral("Random effects (REML), k = %1: g = %2 %3, p = %4; \u03C4\u00B2 = %5 "
                          "%6, I\u00B2 = %7%; Q(%8) = %9, p = %10; prediction interval %11")
        .arg(p.k)
        .arg(d(p.estimate, 2), interval(p.ciLower, p.ciUpper, l),
             lx::figure_text::pValue(p.p, 2, l), d(p.tau2, 2),
             p.tau2Interval ? interval(p.tau2Lower, p.tau2Upper, l) : QString(), d(p.i2, 0))
        .arg(p.qDf)
        .arg(d(p.q, 1), lx::figure_text::pValue(p.qP, 2, l), interval(p.piLower, p.piUpper, l));
}

lx::cli::ForestPool pooled(const ForestRows& rows, std::size_t first, std::size_t end,
                           const QString& label) {
    std::vector<lx::meta::Study> studies;
    for (std::size_t k = first; k < end; ++k) {
        studies.push_back({rows.entries[k].g, rows.entries[k].variance});
    }
    const auto result =
        lx::meta::pool(studies, lx::meta::Estimator::REML, lx::meta::Test::Z, rows.level);
    return {label, sentence(result, rows.locale), result, first, end};
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fputs("usage: lxtervan-pool-pictures TABLE.tsv FOREST FUNNEL\n", stderr);
        return 2;
    }
    QFile table(QString::fromLocal8Bit(argv[1]));
    if (!table.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(table.errorString()));
        return 2;
    }
    ForestRows rows;
    rows.locale = QLocale::c();
    std::vector<QString> groups;
    table.readLine();
    while (!table.atEnd()) {
        const QStringList f = QString::fromUtf8(table.readLine()).trimmed().split(u'\t');
        bool ok = f.size() == 6;
        double figures[4] = {};
        for (int k = 0; ok && k < 4; ++k) {
            figures[k] = f[k + 2].toDouble(&ok);
        }
        if (!ok) {
            std::fprintf(stderr, "%s: a line is not label, group and four numbers\n", argv[1]);
            return 2;
        }
        rows.entries.push_back({f[0].toStdString(), rows.entries.size() + 1, figures[0], figures[2],
                                figures[3], figures[1]});
        groups.push_back(f[1]);
    }
    // The groups' studies together, in the order the groups first appear.
    std::vector<std::size_t> order(rows.entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto place = [&](std::size_t k) {
            return std::find(groups.begin(), groups.end(), groups[k]) - groups.begin();
        };
        return place(a) < place(b);
    });
    ForestRows sorted = rows;
    for (std::size_t k = 0; k < order.size(); ++k) {
        sorted.entries[k] = rows.entries[order[k]];
    }
    for (std::size_t first = 0; first < order.size();) {
        std::size_t end = first;
        while (end < order.size() && groups[order[end]] == groups[order[first]]) {
            ++end;
        }
        sorted.pools.push_back(pooled(sorted, first, end, groups[order[first]]));
        first = end;
    }
    sorted.pools.push_back(pooled(sorted, 0, order.size(), QStringLiteral("All studies")));
    QString error;
    if (!lx::cli::writeForestFile(QString::fromLocal8Bit(argv[2]), sorted, error) ||
        !lx::cli::writeFunnelFile(QString::fromLocal8Bit(argv[3]), sorted, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    std::printf("%s\n", qPrintable(sorted.pools.back().modelLine));
    return 0;
}
