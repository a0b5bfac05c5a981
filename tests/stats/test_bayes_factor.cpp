// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/runtime_error.h"
#include "reference_csv.h"
#include "stats/bayes_factor.h"
#include "stats/two_sample_report.h"

#include <QTest>

#include <cmath>

using lx::BayesFactors;
using lx::Figure;
using lx::Undefined;

Q_DECLARE_METATYPE(lx::Summary)
Q_DECLARE_METATYPE(lx::Undefined)
Q_DECLARE_METATYPE(lx::test::ReferenceRow)

namespace {

// 1e-6 relative on a Bayes factor a double can hold, 1e-9 absolute on the log of one far from 1.
void compareLog(double actual, double expected, const char* name) {
    const QByteArray what = QByteArray(name) + " " + QByteArray::number(actual, 'g', 17) + " vs " +
                            QByteArray::number(expected, 'g', 17);
    if (std::fabs(expected) < 700) {
        QVERIFY2(std::fabs(std::expm1(actual - expected)) < 1e-6, what.constData());
    }
    if (std::fabs(expected) > 5) {
        QVERIFY2(std::fabs(actual - expected) < 1e-9, what.constData());
    }
}

} // namespace

class TestBayesFactor : public QObject {
    Q_OBJECT
private slots:
    void matchesReference_data();
    void matchesReference();
    void textbookCase();
    void undefinedWithT_data();
    void undefinedWithT();
    void rejectsPriorScale_data();
    void rejectsPriorScale();
};

// R's quadrature for ordinary rows; mpmath's for t far in the tail of a large df, where the
// one-sided factor against t needs a t tail beyond the range of any floating-point type.
void TestBayesFactor::matchesReference_data() {
    QTest::addColumn<lx::test::ReferenceRow>("row");
    auto rows = lx::test::readReference(QStringLiteral(BAYES_REFERENCE));
    QVERIFY(rows.size() > 20);
    const auto farTail = lx::test::readReference(QStringLiteral(BAYES_FAR_TAIL_REFERENCE));
    QVERIFY(farTail.size() >= 5);
    rows += farTail;
    for (const auto& row : rows) {
        QTest::addRow("%g %g %g vs %g %g %g, r %g", row.at("n1"), row.at("m1"), row.at("sd1"),
                      row.at("n2"), row.at("m2"), row.at("sd2"), row.at("r"))
            << row;
    }
}

// Through the report, so that the pooled t and both Ns reach the integral as they should.
void TestBayesFactor::matchesReference() {
    QFETCH(lx::test::ReferenceRow, row);
    const lx::Summary summary{static_cast<std::int32_t>(row.at("n1")), row.at("m1"), row.at("sd1"),
                              static_cast<std::int32_t>(row.at("n2")), row.at("m2"), row.at("sd2")};
    lx::ReportRequest request;
    request.priorScale = row.at("r");
    const lx::TwoSampleReport report = lx::twoSampleReport(summary, request);
    const BayesFactors& factors = report.bayesFactors;
    QVERIFY(factors.logBf10 && factors.logBfPlus && factors.logBfMinus);
    compareLog(*factors.logBf10, row.at("log_bf10"), "log BF10");
    compareLog(*factors.logBfPlus, row.at("log_bf_plus"), "log BF+0");
    compareLog(*factors.logBfMinus, row.at("log_bf_minus"), "log BF-0");
}

// 10, 5, 1 against 10, 4, 1: the medium prior's BF10 of about 2.03, nearly all of it for
// M1 > M2; equal means favour the null.
void TestBayesFactor::textbookCase() {
    const auto factors = lx::defaultBayesFactors(std::sqrt(5.0), 10, 10, lx::mediumPriorScale);
    QVERIFY(factors.logBf10 && factors.logBfPlus && factors.logBfMinus);
    const double bf10 = std::exp(*factors.logBf10);
    QCOMPARE(std::round(bf10 * 100) / 100, 2.03);
    QVERIFY(std::exp(*factors.logBfPlus) < 2 * bf10);
    QVERIFY(std::exp(*factors.logBfPlus) > 1.9 * bf10);
    QVERIFY(std::exp(*factors.logBfMinus) < 0.2);
    const auto equal = lx::defaultBayesFactors(0.0, 10, 10, lx::mediumPriorScale);
    QVERIFY(equal.logBf10 && equal.logBfPlus);
    QVERIFY(*equal.logBf10 < 0);
    QCOMPARE(*equal.logBfPlus, *equal.logBf10);
}

void TestBayesFactor::undefinedWithT_data() {
    QTest::addColumn<lx::Summary>("summary");
    QTest::addColumn<Undefined>("why");
    QTest::newRow("no spread") << lx::Summary{10, 5, 0, 10, 4, 0} << Undefined::NoSpread;
    QTest::newRow("no df") << lx::Summary{1, 5, 0, 1, 4, 0} << Undefined::NoDegreesOfFreedom;
}

void TestBayesFactor::undefinedWithT() {
    QFETCH(lx::Summary, summary);
    QFETCH(Undefined, why);
    const lx::TwoSampleReport report = lx::twoSampleReport(summary);
    for (const Figure<double>* part : {&report.bayesFactors.logBf10, &report.bayesFactors.logBfPlus,
                                       &report.bayesFactors.logBfMinus}) {
        QVERIFY(!part->hasValue());
        QCOMPARE(part->why(), why);
    }
}

void TestBayesFactor::rejectsPriorScale_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -0.5;
    QTest::newRow("nan") << std::nan("");
    QTest::newRow("infinite") << HUGE_VAL;
}

void TestBayesFactor::rejectsPriorScale() {
    QFETCH(double, scale);
    lx::ReportRequest request;
    request.priorScale = scale;
    QVERIFY_THROWS_EXCEPTION(lx::RuntimeError,
                             lx::twoSampleReport(lx::Summary{10, 5, 1, 10, 4, 1}, request));
}

QTEST_APPLESS_MAIN(TestBayesFactor)
#include "test_bayes_factor.moc"
