#include "batch_run.h"

#include "tests/stats/reference_csv.h"

#include <QTest>

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

// The one result row of a run with these columns, by column.
std::map<std::string, double> resultsOf(const QStringList& arguments, const ReferenceRow& row) {
    const BatchRun run = runBatchTool(arguments, summaryTable(row));
    std::map<std::string, double> values;
    const Table output = parseCsv(run.out);
    if (run.exitCode != 0 || output.size() != 2) {
        return values;
    }
    for (std::size_t k = 0; k < output[0].size() && k < output[1].size(); ++k) {
        if (!output[1][k].empty()) {
            values[output[0][k]] = std::stod(output[1][k]);
        }
    }
    return values;
}

void addRows(const char* path) {
    QTest::addColumn<ReferenceRow>("row");
    const auto rows = lx::test::readReference(QString::fromLatin1(path));
    QVERIFY(rows.size() > 10);
    for (qsizetype k = 0; k < rows.size(); ++k) {
        QTest::addRow("row %lld", static_cast<long long>(k + 2)) << rows[k];
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
    void bayesFactors_data() { addRows(BAYES_REFERENCE); }
    void bayesFactors() {
        QFETCH(ReferenceRow, row);
        auto values = resultsOf({"--columns", "bf10,bf_plus,bf_minus,log_bf10", "--prior-scale",
                                 QString::number(row.at("r"), 'g', 17)},
                                row);
        QVERIFY(values.count("log_bf10"));
        QVERIFY(near(values["log_bf10"], row.at("log_bf10"), 1e-9));
        const std::pair<const char*, const char*> factors[] = {
            {"bf10", "log_bf10"}, {"bf_plus", "log_bf_plus"}, {"bf_minus", "log_bf_minus"}};
        for (const auto& [column, logColumn] : factors) {
            const double expected = std::exp(row.at(logColumn));
            if (std::isfinite(expected)) {
                QVERIFY2(values.count(column), column);
                QVERIFY2(std::fabs(values[column] / expected - 1) < 1e-6, column);
            } else {
                QVERIFY2(!values.count(column), column); // too large for a double: left empty
            }
        }
    }

    void equivalence_data() { addRows(EQUIVALENCE_REFERENCE); }
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
