// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_run.h"

#include "tests/stats/reference_csv.h"

#include <QTest>

#include <cmath>

using lx::test::ReferenceRow;

Q_DECLARE_METATYPE(lx::test::ReferenceRow)

namespace {

// A summary whose d is exactly `d`: SDs of 1, so the pooled SD is 1.
QByteArray tableOf(double n1, double n2, double d) {
    return "n1,m1,sd1,n2,m2,sd2\n" + QByteArray::number(n1) + ',' + QByteArray::number(d, 'g', 17) +
           ",1," + QByteArray::number(n2) + ",0,1\n";
}

// The one result row of a run, by column name; empty cells are left out.
std::map<std::string, std::string> cellsOf(const BatchRun& run) {
    std::map<std::string, std::string> cells;
    const Table output = parseCsv(run.out);
    if (run.exitCode != 0 || output.size() != 2) {
        return cells;
    }
    for (std::size_t k = 0; k < output[0].size() && k < output[1].size(); ++k) {
        if (!output[1][k].empty()) {
            cells[output[0][k]] = output[1][k];
        }
    }
    return cells;
}

void addRows(const char* path, int every) {
    QTest::addColumn<ReferenceRow>("row");
    const auto rows = lx::test::readReference(QString::fromLatin1(path));
    QVERIFY(rows.size() > 10);
    for (qsizetype k = 0; k < rows.size(); k += every) {
        QTest::addRow("row %lld", static_cast<long long>(k + 2)) << rows[k];
    }
}

QString number(double value) {
    return QString::number(value, 'g', 17);
}

QString tails(const ReferenceRow& row) {
    return row.at("tails") == 1 ? QStringLiteral("1") : QStringLiteral("2");
}

bool near(const std::string& cell, double expected, double tolerance) {
    return !cell.empty() &&
           std::fabs(std::stod(cell) - expected) <= tolerance * std::max(1.0, std::fabs(expected));
}

} // namespace

// The planning columns through the real tool, against the committed R references.
class TestBatchPlan : public QObject {
    Q_OBJECT
private slots:
    void safeguard_data() { addRows(SAFEGUARD_REFERENCE, 1); }
    void safeguard() {
        QFETCH(ReferenceRow, row);
        const BatchRun run = runBatchTool(
            {"--plan-effect", "safeguard", "--columns", "d_safeguard,plan_n1,plan_n2,plan_error"},
            tableOf(row.at("n1"), row.at("n2"), row.at("d")));
        auto cells = cellsOf(run);
        if (!row.contains("plan_n1")) {
            QVERIFY(!cells.count("plan_n1") && !cells.count("d_safeguard"));
            QVERIFY(cells["plan_error"].find("safeguard") != std::string::npos);
            return;
        }
        QVERIFY(near(cells["d_safeguard"], row.at("d_safeguard"), 1e-7));
        QCOMPARE(cells["plan_n1"], std::to_string(int(row.at("plan_n1"))));
        QCOMPARE(cells["plan_n2"], std::to_string(int(row.at("plan_n2"))));
        QVERIFY(!cells.count("plan_error"));
    }

    void typedEffect_data() { addRows(SAMPLE_SIZE_REFERENCE, 17); }
    void typedEffect() {
        QFETCH(ReferenceRow, row);
        const BatchRun run = runBatchTool(
            {"--plan-effect", number(row.at("d")), "--plan-power", number(row.at("target")),
             "--plan-alpha", number(row.at("alpha")), "--plan-tails", tails(row), "--plan-ratio",
             number(row.at("ratio")), "--columns", "plan_n1,plan_n2,plan_power"},
            tableOf(10, 10, 0.5));
        auto cells = cellsOf(run);
        QCOMPARE(cells["plan_n1"], std::to_string(int(row.at("n1"))));
        QCOMPARE(cells["plan_n2"], std::to_string(int(row.at("n2"))));
        QVERIFY(near(cells["plan_power"], row.at("power"), 1e-7));
    }

    void sensitivity_data() { addRows(SENSITIVITY_REFERENCE, 7); }
    void sensitivity() {
        QFETCH(ReferenceRow, row);
        const BatchRun run = runBatchTool({"--plan-power", number(row.at("target")), "--plan-alpha",
                                           number(row.at("alpha")), "--plan-tails", tails(row),
                                           "--columns", "d_sensitivity,d_critical"},
                                          tableOf(row.at("n1"), row.at("n2"), 0.5));
        auto cells = cellsOf(run);
        QVERIFY(near(cells["d_sensitivity"], row.at("d_sensitivity"), 1e-7));
        QVERIFY(near(cells["d_critical"], row.at("d_critical"), 1e-9));
    }

    // The observed ratio and effect, and a row that cannot be planned, next to one that can.
    void observedRatioAndRowErrors() {
        const BatchRun run = runBatchTool(
            {"--plan-ratio", "observed", "--columns", "plan_n1,plan_n2,plan_error,error"},
            "n1,m1,sd1,n2,m2,sd2\n20,0.5,1,40,0,1\n10,5,0,10,5,0\n");
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out);
        QCOMPARE(output.size(), std::size_t(3));
        // R: pwr.t2n.test power of 48 and 96 at d = 0.5 is 0.8021, of 47 and 94 0.7937.
        QCOMPARE(output[1], (std::vector<std::string>{"48", "96", "", ""}));
        QCOMPARE(output[2][0], std::string());
        QVERIFY(!output[2][2].empty());
        QCOMPARE(output[2][3], std::string());
    }

    // Without a --plan option or a planning column in --columns the columns are there but empty.
    void emptyUnlessAsked() {
        const BatchRun run = runBatchTool({}, tableOf(20, 20, 0.6));
        const auto cells = cellsOf(run);
        QVERIFY(cells.count("d"));
        for (const char* column : {"plan_n1", "plan_n2", "plan_power", "d_safeguard",
                                   "d_sensitivity", "d_critical", "plan_error"}) {
            QVERIFY2(!cells.count(column), column);
        }
        const auto asked = cellsOf(runBatchTool({"--columns", "plan_n1"}, tableOf(20, 20, 0.6)));
        QCOMPARE(asked.at("plan_n1"), std::string("45")); // pwr.t.test: n = 44.6 at d 0.6
    }

    // Each planning cell holds a finite figure or is named, with its reason, in plan_error:
    // never both, never an infinity, and no reason hidden behind another.
    void figureOrItsReason_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("reasons"); // words plan_error must hold
        QTest::newRow("n 1 and 2 at alpha 1e-6")
            << QStringList{"--plan-alpha", "1e-6"} << tableOf(1, 2, 0.5)
            << QStringList{"d_safeguard", "safeguard d is not above 0", "d_sensitivity"};
        QTest::newRow("alpha 1e-200")
            << QStringList{"--plan-alpha", "1e-200"} << tableOf(10, 10, 1) << QStringList();
        QTest::newRow("alpha 1e-320")
            << QStringList{"--plan-alpha", "1e-320"} << tableOf(10, 10, 1) << QStringList();
        QTest::newRow("effect 1e6")
            << QStringList{"--plan-effect", "1e6"} << tableOf(10, 10, 1) << QStringList();
        QTest::newRow("effect -1e12")
            << QStringList{"--plan-effect", "-1e12"} << tableOf(10, 10, 1) << QStringList();
        QTest::newRow("d undefined") << QStringList{"--plan-power", "0.9"}
                                     << QByteArray("n1,m1,sd1,n2,m2,sd2\n10,5,0,10,5,0\n")
                                     << QStringList{"plan_n1", "the pooled SD is 0"};
    }
    void figureOrItsReason() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, table);
        QFETCH(QStringList, reasons);
        const char* figures[] = {"plan_n1",     "plan_n2",       "plan_power",
                                 "d_safeguard", "d_sensitivity", "d_critical"};
        const BatchRun run =
            runBatchTool(arguments + QStringList{"--columns", "plan_n1,plan_n2,plan_power,"
                                                              "d_safeguard,d_sensitivity,"
                                                              "d_critical,plan_error"},
                         table);
        auto cells = cellsOf(run);
        QVERIFY2(!cells.empty(), run.err.constData());
        const QString error = QString::fromStdString(cells["plan_error"]);
        for (const char* figure : figures) {
            const bool named = error.contains(QLatin1String(figure));
            const bool filled = cells.count(figure) != 0;
            QVERIFY2(filled != named,
                     qPrintable(QString::fromLatin1(figure) + QStringLiteral(": ") + error));
            QVERIFY2(!filled || std::isfinite(std::stod(cells[figure])), figure);
        }
        for (const QString& reason : reasons) {
            QVERIFY2(error.contains(reason), qPrintable(error));
        }
    }

    // A huge effect is reached by the smallest sample, as a large one is (R's pwr: power 1).
    void hugeEffect_data() {
        QTest::addColumn<QString>("effect");
        QTest::newRow("1000") << "1000";
        QTest::newRow("1e6") << "1e6";
        QTest::newRow("-1e12") << "-1e12";
    }
    void hugeEffect() {
        QFETCH(QString, effect);
        const auto cells = cellsOf(
            runBatchTool({"--plan-effect", effect, "--columns", "plan_n1,plan_n2,plan_power"},
                         tableOf(5, 5, 1)));
        QCOMPARE(cells.count("plan_n1") ? cells.at("plan_n1") : "", std::string("2"));
        QCOMPARE(cells.count("plan_n2") ? cells.at("plan_n2") : "", std::string("2"));
        QVERIFY(near(cells.count("plan_power") ? cells.at("plan_power") : "", 1, 1e-12));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("power 1") << QStringList{"--plan-power", "1"} << QString()
                                 << QByteArray("--plan-power must be a number above");
        QTest::newRow("power at alpha")
            << QStringList{"--plan-power", "0.05"} << QString()
            << QByteArray("--plan-power must be a number above --plan-alpha");
        QTest::newRow("alpha 0") << QStringList{"--plan-alpha", "0"} << QString()
                                 << QByteArray("--plan-alpha must be a number between 0 and 1");
        QTest::newRow("ratio 0") << QStringList{"--plan-ratio", "0"} << QString()
                                 << QByteArray("--plan-ratio must be a number above 0");
        QTest::newRow("tails 3") << QStringList{"--plan-tails", "3"} << QString()
                                 << QByteArray("--plan-tails must be 1 or 2");
        QTest::newRow("effect 0") << QStringList{"--plan-effect", "0"} << QString()
                                  << QByteArray(
                                         "no sample size gives power above \xce\xb1 for d = 0");
        QTest::newRow("effect word") << QStringList{"--plan-effect", "large"} << QString()
                                     << QByteArray("--plan-effect must be observed, safeguard");
        QTest::newRow("German") << QStringList{"--plan-tails", "3"} << QStringLiteral("de")
                                << QByteArray("--plan-tails muss 1 oder 2 sein");
    }
    void usageErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QByteArray, message);
        const BatchRun run = runBatchTool(arguments, tableOf(20, 20, 0.6), language);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), run.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestBatchPlan)
#include "test_batch_plan.moc"
