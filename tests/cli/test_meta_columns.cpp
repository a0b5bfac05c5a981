// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The meta-analysis columns agree with metafor's escalc on the reference summaries, read straight
// from the reference table (its own g column is why the results take a prefix). Relative 1e-9:
// one row differs by only 0.01 in its means, which rounding in either program moves.
#include "batch_run.h"

#include <QFile>
#include <QTest>

#include <cmath>

class TestMetaColumns : public QObject {
    Q_OBJECT

private slots:
    void samplingVariancesAgreeWithMetafor() {
        QFile file(QStringLiteral(SMD_VARIANCE_REFERENCE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const BatchRun run = runBatchTool(
            {"--prefix", "lx_", "--columns", "g,g_var,d_var,lx_g,lx_g_var,lx_g_se,lx_d_var"},
            file.readAll());
        QCOMPARE(run.exitCode, 0);
        const Table table = parseCsv(run.out);
        QCOMPARE(table.size(), std::size_t{9});
        for (std::size_t row = 1; row < table.size(); ++row) {
            const auto value = [&](std::size_t column) { return std::stod(table[row][column]); };
            const auto close = [](double actual, double expected) {
                return std::abs(actual - expected) <= 1e-9 * std::abs(expected);
            };
            QVERIFY2(close(value(3), value(0)), table[row][3].c_str());
            QVERIFY2(close(value(4), value(1)), table[row][4].c_str());
            QVERIFY2(close(value(5), std::sqrt(value(1))), table[row][5].c_str());
            QVERIFY2(close(value(6), value(2)), table[row][6].c_str());
        }
    }
};

QTEST_GUILESS_MAIN(TestMetaColumns)
#include "test_meta_columns.moc"
