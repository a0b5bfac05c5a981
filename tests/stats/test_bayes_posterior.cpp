// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_csv.h"
#include "stats/two_sample_report.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(lx::test::ReferenceRow)

namespace {

lx::TwoSampleReport reportOf(const lx::test::ReferenceRow& row, bool posterior, bool robustness) {
    const lx::Summary summary{static_cast<std::int32_t>(row.at("n1")), row.at("m1"), row.at("sd1"),
                              static_cast<std::int32_t>(row.at("n2")), row.at("m2"), row.at("sd2")};
    lx::ReportRequest request;
    request.priorScale = row.at("r");
    request.posterior = posterior;
    request.robustness = robustness;
    return lx::twoSampleReport(summary, request);
}

void addReferenceRows(const char* path) {
    QTest::addColumn<lx::test::ReferenceRow>("row");
    const auto rows = lx::test::readReference(QString::fromUtf8(path));
    QVERIFY(rows.size() >= 10);
    for (const auto& row : rows) {
        QTest::addRow("%g %g %g vs %g %g %g, r %g", row.at("n1"), row.at("m1"), row.at("sd1"),
                      row.at("n2"), row.at("m2"), row.at("sd2"), row.at("r"))
            << row;
    }
}

void compare(double actual, double expected, double tolerance, const char* name) {
    const QByteArray what = QByteArray(name) + " " + QByteArray::number(actual, 'g', 17) + " vs " +
                            QByteArray::number(expected, 'g', 17);
    QVERIFY2(std::fabs(actual - expected) <= tolerance, what.constData());
}

} // namespace

class TestBayesPosterior : public QObject {
    Q_OBJECT
private slots:
    void posteriorMatchesReference_data() { addReferenceRows(POSTERIOR_REFERENCE); }
    void posteriorMatchesReference();
    void robustnessMatchesReference_data() { addReferenceRows(ROBUSTNESS_REFERENCE); }
    void robustnessMatchesReference();
    void onlyWhenAsked();
    void undefinedWithT();
};

// mpmath's quadrature of the noncentral t density in closed form, normalised on its own.
void TestBayesPosterior::posteriorMatchesReference() {
    QFETCH(lx::test::ReferenceRow, row);
    const auto report = reportOf(row, true, false);
    QVERIFY(report.posterior);
    const lx::DeltaPosterior& posterior = *report.posterior;
    compare(posterior.median, row.at("median"), 1e-6, "median");
    compare(posterior.credible.lower, row.at("cri_lo"), 1e-6, "lower bound");
    compare(posterior.credible.upper, row.at("cri_hi"), 1e-6, "upper bound");
    // The curve covers all but the far tails: its area is nearly all of the mass.
    const auto& curve = posterior.density;
    QVERIFY(curve.size() > 100);
    double area = 0;
    for (std::size_t k = 1; k < curve.size(); ++k) {
        area += (curve[k].x - curve[k - 1].x) * (curve[k].density + curve[k - 1].density) / 2;
    }
    compare(area, 1, 2e-3, "area under the curve");
    QVERIFY(curve.front().x < posterior.credible.lower);
    QVERIFY(curve.back().x > posterior.credible.upper);
}

// The factor at the four named scales, and the largest over the range with its scale (found by
// a golden-section search on mpmath's integral at 30 digits), also where the peak lies below
// the even grid's first scale.
void TestBayesPosterior::robustnessMatchesReference() {
    QFETCH(lx::test::ReferenceRow, row);
    const auto report = reportOf(row, false, true);
    QVERIFY(report.robustness);
    const lx::BayesRobustness& robustness = *report.robustness;
    QCOMPARE(robustness.upper, row.at("upper"));
    QVERIFY(robustness.logBfHalf && robustness.logBfMedium && robustness.logBfWide &&
            robustness.logBfUltrawide && robustness.largest);
    compare(*robustness.logBfHalf, row.at("log_bf_half"), 1e-9, "log BF10 at 0.5");
    compare(*robustness.logBfMedium, row.at("log_bf_medium"), 1e-9, "log BF10 medium");
    compare(*robustness.logBfWide, row.at("log_bf_wide"), 1e-9, "log BF10 wide");
    compare(*robustness.logBfUltrawide, row.at("log_bf_ultrawide"), 1e-9, "log BF10 ultrawide");
    compare(robustness.largest->logBf10, row.at("log_bf_max"), 1e-9, "largest log BF10");
    compare(robustness.largest->r, row.at("r_max"), 1e-8 * row.at("r_max"), "r of the largest");
    QCOMPARE(robustness.curve.back().r, robustness.upper);
    for (const auto& point : robustness.curve) {
        QVERIFY(point.logBf10 <= robustness.largest->logBf10 + 1e-12);
    }
}

void TestBayesPosterior::onlyWhenAsked() {
    const lx::TwoSampleReport report = lx::twoSampleReport({10, 5, 1, 10, 4, 1});
    QVERIFY(!report.posterior && report.posterior.why() == lx::Undefined::NotRequested);
    QVERIFY(!report.robustness && report.robustness.why() == lx::Undefined::NotRequested);
}

// No spread in either group: no t, so neither figure, and the reason is t's.
void TestBayesPosterior::undefinedWithT() {
    lx::ReportRequest request;
    request.posterior = request.robustness = true;
    const lx::TwoSampleReport report = lx::twoSampleReport({10, 5, 0, 10, 4, 0}, request);
    QVERIFY(!report.posterior && report.posterior.why() == lx::Undefined::NoSpread);
    QVERIFY(!report.robustness && report.robustness.why() == lx::Undefined::NoSpread);
}

QTEST_APPLESS_MAIN(TestBayesPosterior)
#include "test_bayes_posterior.moc"
