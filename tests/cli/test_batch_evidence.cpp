// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_run.h"

#include "tests/stats/reference_csv.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using lx::test::ReferenceRow;

Q_DECLARE_METATYPE(lx::test::ReferenceRow)

namespace {

// The reference's summary as the tool's input table; 17 digits give back the same doubles.
QByteArray summaryTable(const ReferenceRow& row) {
    QByteArray table = "n1,m1,sd1,n2,m2,sd2\n";
    QByteArrayList cells;
    for (const char* name : {"n1", "m1", "sd1", "n2", "m2", "sd2"}) {
        cells.append(QByteArray::number(row.at(QString::fromLatin1(name)), 'g', 17));
    }
    return table + cells.join(',') + '\n';
}

// The one result row of a run with these columns, by column; the error column's text apart.
std::map<std::string, double> resultsOf(const QStringList& arguments, const ReferenceRow& row,
                                        std::string* error = nullptr) {
    const BatchRun run = runBatchTool(arguments, summaryTable(row));
    std::map<std::string, double> values;
    const Table output = parseCsv(run.out);
    if (run.exitCode != 0 || output.size() != 2) {
        return values;
    }
    for (std::size_t k = 0; k < output[0].size() && k < output[1].size(); ++k) {
        if (output[0][k] == "error") {
            *error = output[1][k];
        } else if (!output[1][k].empty()) {
            values[output[0][k]] = std::stod(output[1][k]);
        }
    }
    return values;
}

void addRows(const char* path, const char* name = "row") {
    const auto rows = lx::test::readReference(QString::fromLatin1(path));
    QVERIFY(rows.size() >= 5);
    for (qsizetype k = 0; k < rows.size(); ++k) {
        QTest::addRow("%s %lld", name, static_cast<long long>(k + 2)) << rows[k];
    }
}

bool near(double actual, double expected, double tolerance) {
    return std::fabs(actual - expected) <= tolerance * std::max(1.0, std::fabs(expected));
}

} // namespace

// The reference rows through the real tool: its options reach the engine and its cells carry
// every digit.
class TestBatchEvidence : public QObject {
    Q_OBJECT
private slots:
    void bayesFactors_data() {
        QTest::addColumn<ReferenceRow>("row");
        addRows(BAYES_REFERENCE);
        addRows(BAYES_FAR_TAIL_REFERENCE, "far tail");
    }
    void bayesFactors() {
        QFETCH(ReferenceRow, row);
        std::string error = "not in the output";
        auto values =
            resultsOf({"--columns", "bf10,bf_plus,bf_minus,log_bf10,log_bf_plus,log_bf_minus,error",
                       "--prior-scale", QString::number(row.at("r"), 'g', 17)},
                      row, &error);
        QVERIFY2(error.empty(), error.c_str());
        const std::pair<const char*, const char*> factors[] = {
            {"bf10", "log_bf10"}, {"bf_plus", "log_bf_plus"}, {"bf_minus", "log_bf_minus"}};
        for (const auto& [column, logColumn] : factors) {
            QVERIFY2(values.count(logColumn), logColumn);
            QVERIFY2(near(values[logColumn], row.at(logColumn), 1e-9), logColumn);
            const double expected = std::exp(row.at(logColumn));
            if (std::isfinite(expected) && expected > 0) {
                QVERIFY2(values.count(column), column);
                QVERIFY2(std::fabs(values[column] / expected - 1) < 1e-6, column);
            } else {
                QVERIFY2(!values.count(column), column); // too large for a double: left empty
            }
        }
    }

    // The posterior of delta and BF10 against the prior scale, from mpmath's quadrature.
    void posteriorColumns_data() {
        QTest::addColumn<ReferenceRow>("row");
        addRows(POSTERIOR_REFERENCE);
    }
    void posteriorColumns() {
        QFETCH(ReferenceRow, row);
        std::string error = "not in the output";
        auto values = resultsOf({"--columns", "delta_median,delta_cri_lo,delta_cri_hi,error",
                                 "--prior-scale", QString::number(row.at("r"), 'g', 17)},
                                row, &error);
        QVERIFY2(error.empty(), error.c_str());
        const std::pair<const char*, const char*> posterior[] = {
            {"delta_median", "median"}, {"delta_cri_lo", "cri_lo"}, {"delta_cri_hi", "cri_hi"}};
        for (const auto& [column, reference] : posterior) {
            QVERIFY2(values.count(column) && std::fabs(values[column] - row.at(reference)) < 1e-6,
                     column);
        }
    }
    void robustnessColumns_data() {
        QTest::addColumn<ReferenceRow>("row");
        addRows(ROBUSTNESS_REFERENCE);
    }
    void robustnessColumns() {
        QFETCH(ReferenceRow, row);
        std::string error = "not in the output";
        auto values =
            resultsOf({"--columns", "bf10_r05,bf10_wide,bf10_ultrawide,bf10_max,r_max,error",
                       "--prior-scale", QString::number(row.at("r"), 'g', 17)},
                      row, &error);
        QVERIFY2(error.empty(), error.c_str());
        const std::pair<const char*, const char*> factors[] = {
            {"bf10_r05", "log_bf_half"},
            {"bf10_wide", "log_bf_wide"},
            {"bf10_ultrawide", "log_bf_ultrawide"},
            {"bf10_max", "log_bf_max"}};
        for (const auto& [column, reference] : factors) {
            QVERIFY2(values.count(column) &&
                         std::fabs(values[column] / std::exp(row.at(reference)) - 1) < 1e-8,
                     column);
        }
        QVERIFY(std::fabs(values["r_max"] - row.at("r_max")) <= 1e-8 * row.at("r_max"));
    }

    // The posterior and the robustness scan cost more than the rest of the report together:
    // the default run leaves them empty, and each group comes with its option or a column of
    // its own named in --columns, never with the other's.
    void costlyGroupsOnlyWhenAsked_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("posterior");
        QTest::addColumn<bool>("robustness");
        QTest::newRow("default") << QStringList() << false << false;
        QTest::newRow("--posterior") << QStringList{"--posterior"} << true << false;
        QTest::newRow("--robustness") << QStringList{"--robustness"} << false << true;
        QTest::newRow("both") << QStringList{"--robustness", "--posterior"} << true << true;
        QTest::newRow("a posterior column")
            << QStringList{"--columns", "bf10,delta_cri_hi,delta_median"} << true << false;
        QTest::newRow("a robustness column")
            << QStringList{"--columns", "bf10,r_max"} << false << true;
    }
    void costlyGroupsOnlyWhenAsked() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, posterior);
        QFETCH(bool, robustness);
        const BatchRun run =
            runBatchTool(arguments, "n1,m1,sd1,n2,m2,sd2\n20,5.5,1.2,18,4.75,1.1\n");
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out);
        QCOMPARE(output.size(), std::size_t(2));
        const auto filled = [&](const std::string& name) {
            const auto at = std::find(output[0].begin(), output[0].end(), name);
            return at != output[0].end() && !output[1][std::size_t(at - output[0].begin())].empty();
        };
        QCOMPARE(filled("delta_median"), posterior);
        QCOMPARE(filled("r_max") || filled("bf10_max") || filled("bf10_wide"), robustness);
        if (arguments.isEmpty()) {
            QVERIFY(filled("bf10") && filled("g_ci_hi")); // the rest of the report stays
        }
    }

    // A factor whose integral does not settle says so in the row's error, for the columns asked
    // for, and leaves the others: an absurd prior scale, and a huge t with 4 df and a wide one.
    void bayesFactorThatCannotBeComputed_data() {
        QTest::addColumn<QByteArray>("summary");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("bf10Shown");
        const QString all = "BF10 cannot be computed: its integral does not settle. "
                            "BF+0 cannot be computed: its integral does not settle. "
                            "BF-0 cannot be computed: its integral does not settle.";
        QTest::newRow("all three") << QByteArray("10,5,1,10,4,1") << "1e300"
                                   << "bf10,bf_plus,log_bf_minus,log_bf10,error" << all << false;
        QTest::newRow("only those asked for")
            << QByteArray("10,5,1,10,4,1") << "1e300"
            << "bf10,error"
            << "BF10 cannot be computed: its integral does not settle." << false;
        QTest::newRow("one-sided ones, BF10 kept")
            << QByteArray("3,1000000,1,3,0,1") << "1e8"
            << "log_bf10,log_bf_plus,log_bf_minus,error" << all.mid(all.indexOf("BF+0")) << true;
    }
    void bayesFactorThatCannotBeComputed() {
        QFETCH(QByteArray, summary);
        QFETCH(QString, scale);
        QFETCH(QString, columns);
        QFETCH(QString, error);
        QFETCH(bool, bf10Shown);
        const BatchRun run = runBatchTool({"--columns", columns, "--prior-scale", scale},
                                          "n1,m1,sd1,n2,m2,sd2\n" + summary + "\n");
        const Table output = parseCsv(run.out);
        QCOMPARE(output.size(), std::size_t(2));
        const QStringList names = columns.split(u',');
        QCOMPARE(QString::fromStdString(output[1].back()), error);
        const auto bf10 = names.indexOf(QStringLiteral("log_bf10"));
        if (bf10 >= 0) {
            QCOMPARE(!output[1][static_cast<std::size_t>(bf10)].empty(), bf10Shown);
        }
        QVERIFY2(run.err.contains("1 with errors"), run.err.constData()); // the row is counted
    }

    void equivalence_data() {
        QTest::addColumn<ReferenceRow>("row");
        addRows(EQUIVALENCE_REFERENCE);
    }
    void equivalence() {
        QFETCH(ReferenceRow, row);
        const QString option = row.at("in_sd") != 0 ? QStringLiteral("--equivalence-d")
                                                    : QStringLiteral("--equivalence");
        auto values = resultsOf({"--columns", "p_tost_pooled,p_tost_welch,tost_bound", option,
                                 QString::number(row.at("delta"), 'g', 17)},
                                row);
        const std::pair<const char*, const char*> figures[] = {{"p_tost_pooled", "p_tost_pooled"},
                                                               {"p_tost_welch", "p_tost_welch"},
                                                               {"tost_bound", "bound"}};
        for (const auto& [column, reference] : figures) {
            QVERIFY2(values.count(column), column);
            QVERIFY2(near(values[column], row.at(QString::fromLatin1(reference)), 1e-9), column);
        }
    }
};

QTEST_GUILESS_MAIN(TestBatchEvidence)
#include "test_batch_evidence.moc"
