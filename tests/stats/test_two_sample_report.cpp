// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/runtime_error.h"
#include "reference_csv.h"
#include "stats/student_test.h"
#include "stats/two_sample_report.h"

#include <QRandomGenerator>
#include <QTest>

#include <boost/math/distributions/students_t.hpp>

#include <cmath>
#include <map>

using lx::Figure;
using lx::Interval;
using lx::Summary;
using lx::TwoSampleReport;
using lx::Undefined;

Q_DECLARE_METATYPE(lx::Summary)
Q_DECLARE_METATYPE(lx::TypedRounding)
Q_DECLARE_METATYPE(lx::Undefined)

namespace {

using Row = lx::test::ReferenceRow;

// The R reference: one summary a row.
QList<Row> referenceRows() {
    return lx::test::readReference(QStringLiteral(REPORT_REFERENCE));
}

std::optional<int> decimals(double typed) {
    return typed < 0 ? std::nullopt : std::optional<int>(static_cast<int>(typed));
}

// Every figure of the report by the reference's column name.
std::map<QString, Figure<double>> figuresOf(const TwoSampleReport& r) {
    const auto lower = [](const Figure<Interval>& f) -> Figure<double> {
        return f ? Figure<double>(f->lower) : Figure<double>(f.why());
    };
    const auto upper = [](const Figure<Interval>& f) -> Figure<double> {
        return f ? Figure<double>(f->upper) : Figure<double>(f.why());
    };
    return {{"t_pooled", r.pooled.t},
            {"df_pooled", r.pooled.df},
            {"p_pooled", r.pooled.pTwoTailed},
            {"p_pooled_gt", r.pooled.pM1Greater},
            {"p_pooled_lt", r.pooled.pM1Less},
            {"ci_pooled_lo", lower(r.pooled.differenceCi)},
            {"ci_pooled_hi", upper(r.pooled.differenceCi)},
            {"t_welch", r.welch.t},
            {"df_welch", r.welch.df},
            {"p_welch", r.welch.pTwoTailed},
            {"p_welch_gt", r.welch.pM1Greater},
            {"p_welch_lt", r.welch.pM1Less},
            {"ci_welch_lo", lower(r.welch.differenceCi)},
            {"ci_welch_hi", upper(r.welch.differenceCi)},
            {"d", r.cohensD},
            {"g", r.hedgesG},
            {"d_lo", lower(r.cohensDCi)},
            {"d_hi", upper(r.cohensDCi)},
            {"g_lo", lower(r.hedgesGCi)},
            {"g_hi", upper(r.hedgesGCi)},
            {"range_pooled_lo", lower(r.pRangePooled)},
            {"range_pooled_hi", upper(r.pRangePooled)},
            {"range_welch_lo", lower(r.pRangeWelch)},
            {"range_welch_hi", upper(r.pRangeWelch)}};
}

bool close(double actual, double expected, double tolerance) {
    return std::fabs(actual - expected) <= tolerance * std::fabs(expected);
}

double twoTailedP(double t, double df) {
    namespace bm = boost::math;
    return 2 * bm::cdf(bm::complement(bm::students_t(df), std::fabs(t)));
}

} // namespace

class TestTwoSampleReport : public QObject {
    Q_OBJECT

private slots:
    void agreesWithReference_data();
    void agreesWithReference();
    void effectSizeBoundsAgreeWithMpmath_data();
    void effectSizeBoundsAgreeWithMpmath();
    void handCheckedRows();
    void undefinedFigures_data();
    void undefinedFigures();
    void roundedInputRange_data();
    void roundedInputRange();
    void differenceIntervalFollowsDfAndLevel();
    void typedDecimals_data();
    void typedDecimals();
    void levelOutsideZeroToOneIsRefused();
    void pooledTIsTheWindowsT();
};

void TestTwoSampleReport::agreesWithReference_data() {
    QTest::addColumn<Row>("row");
    const QList<Row> rows = referenceRows();
    QVERIFY2(rows.size() >= 40, "the reference table is missing or short");
    for (const Row& row : rows) {
        QTest::addRow("%g %g %g | %g %g %g @%g", row.at("n1"), row.at("m1"), row.at("sd1"),
                      row.at("n2"), row.at("m2"), row.at("sd2"), row.at("level"))
            << row;
    }
}

void TestTwoSampleReport::agreesWithReference() {
    QFETCH(Row, row);
    const Summary summary{static_cast<std::int32_t>(row.at("n1")), row.at("m1"), row.at("sd1"),
                          static_cast<std::int32_t>(row.at("n2")), row.at("m2"), row.at("sd2")};
    lx::ReportRequest request;
    request.level = row.at("level");
    request.rounding =
        lx::TypedRounding::ofDecimals(decimals(row.at("dec_m1")), decimals(row.at("dec_sd1")),
                                      decimals(row.at("dec_m2")), decimals(row.at("dec_sd2")));
    for (const auto& [name, figure] : figuresOf(lx::twoSampleReport(summary, request))) {
        const auto expected = row.find(name);
        if (expected == row.end()) {
            continue; // beyond what the reference can give precisely
        }
        QVERIFY2(figure.hasValue(), qPrintable(name));
        // The effect-size bounds come from a root search on both sides: 1e-7 is asked of them.
        const bool effectSizeBound = name.startsWith(u"d_") || name.startsWith(u"g_");
        QVERIFY2(close(*figure, expected->second, effectSizeBound ? 1e-7 : 1e-10),
                 qPrintable(QStringLiteral("%1: %2, expected %3")
                                .arg(name)
                                .arg(*figure, 0, 'g', 17)
                                .arg(expected->second, 0, 'g', 17)));
    }
}

// Where df is in the millions and the level high, one tail of the noncentral t is tiny beside
// the other; where df is 1 or 2 and t large, T' is far from normal and the search cannot lean
// on its normal approximation. mpmath's bounds, as R's noncentral t is only an approximation at
// huge df; at df 1 g has none.
void TestTwoSampleReport::effectSizeBoundsAgreeWithMpmath_data() {
    QTest::addColumn<Row>("row");
    const QList<Row> rows = lx::test::readReference(QStringLiteral(EFFECT_SIZE_REFERENCE));
    QVERIFY2(!rows.isEmpty(), "the reference table is missing");
    for (const Row& row : rows) {
        QTest::addRow("N %g %g, M1 %g, level %g", row.at("n1"), row.at("n2"), row.at("m1"),
                      row.at("level"))
            << row;
    }
}

void TestTwoSampleReport::effectSizeBoundsAgreeWithMpmath() {
    QFETCH(Row, row);
    const Summary summary{static_cast<std::int32_t>(row.at("n1")), row.at("m1"), row.at("sd1"),
                          static_cast<std::int32_t>(row.at("n2")), row.at("m2"), row.at("sd2")};
    lx::ReportRequest request;
    request.level = row.at("level");
    const std::map<QString, Figure<double>> figures =
        figuresOf(lx::twoSampleReport(summary, request));
    for (const QString& name : QStringList{"d_lo", "d_hi", "g_lo", "g_hi"}) {
        const Figure<double>& figure = figures.at(name);
        const auto expected = row.find(name);
        if (expected == row.end()) {
            QVERIFY2(!figure.hasValue(), qPrintable(name));
            continue;
        }
        QVERIFY2(figure.hasValue(), qPrintable(name));
        QVERIFY2(close(*figure, expected->second, 1e-7),
                 qPrintable(QStringLiteral("%1: %2, expected %3")
                                .arg(name)
                                .arg(*figure, 0, 'g', 17)
                                .arg(expected->second, 0, 'g', 17)));
    }
}

void TestTwoSampleReport::handCheckedRows() {
    const TwoSampleReport r = lx::twoSampleReport({10, 5, 1, 10, 4, 1});
    QCOMPARE(*r.pooled.t, 2.2360679774997898);
    QVERIFY(close(*r.pooled.pTwoTailed, 0.03824961451611384, 1e-14));
    QCOMPARE(*r.cohensD, 1.0);
    QVERIFY(close(*r.hedgesG, 0.95764642702371949, 1e-13));

    const TwoSampleReport equal = lx::twoSampleReport({5, 3, 1, 5, 3, 2});
    QCOMPARE(*equal.pooled.t, 0.0);
    QCOMPARE(*equal.pooled.pTwoTailed, 1.0);
    QCOMPARE(*equal.welch.pTwoTailed, 1.0);
}

void TestTwoSampleReport::undefinedFigures_data() {
    QTest::addColumn<Summary>("summary");
    QTest::addColumn<bool>("intervals");
    QTest::addColumn<Undefined>("pooledT");
    QTest::addColumn<Undefined>("welchT");
    QTest::addColumn<Undefined>("d");
    QTest::addColumn<Undefined>("g");
    QTest::addColumn<Undefined>("dInterval");

    const auto noDf = Undefined::NoDegreesOfFreedom;
    const auto few = Undefined::TooFewObservations;
    const auto flat = Undefined::NoSpread;
    const auto unasked = Undefined::NotRequested;
    QTest::newRow("one observation each")
        << Summary{1, 5, 1, 1, 4, 1} << true << noDf << few << noDf << noDf << noDf;
    QTest::newRow("df 1: no Hedges factor")
        << Summary{1, 5, 1, 2, 4, 1} << true << unasked << few << unasked << few << unasked;
    QTest::newRow("no spread, equal means")
        << Summary{4, 3, 0, 6, 3, 0} << true << flat << flat << flat << flat << flat;
    QTest::newRow("pooled SD 0, one SD not")
        << Summary{1, 5, 2, 5, 4, 0} << true << flat << few << flat << flat << flat;
    QTest::newRow("intervals not asked for") << Summary{10, 5, 1, 10, 4, 1} << false << unasked
                                             << unasked << unasked << unasked << unasked;
}

void TestTwoSampleReport::undefinedFigures() {
    QFETCH(Summary, summary);
    QFETCH(bool, intervals);
    lx::ReportRequest request;
    request.effectSizeIntervals = intervals;
    const TwoSampleReport r = lx::twoSampleReport(summary, request);
    // NotRequested stands for "defined" in the table: the figure must have a value.
    const auto check = [](const auto& figure, Undefined expected, const char* name) {
        if (expected == Undefined::NotRequested) {
            QVERIFY2(figure.hasValue(), name);
        } else {
            QVERIFY2(!figure.hasValue(), name);
            QCOMPARE(figure.why(), expected);
        }
    };
    QFETCH(Undefined, pooledT);
    QFETCH(Undefined, welchT);
    QFETCH(Undefined, d);
    QFETCH(Undefined, g);
    QFETCH(Undefined, dInterval);
    check(r.pooled.t, pooledT, "pooled t");
    check(r.welch.t, welchT, "Welch t");
    check(r.cohensD, d, "d");
    check(r.hedgesG, g, "g");
    if (intervals) {
        check(r.cohensDCi, dInterval, "d interval");
    } else {
        QCOMPARE(r.cohensDCi.why(), Undefined::NotRequested);
    }
}

void TestTwoSampleReport::roundedInputRange_data() {
    QTest::addColumn<Summary>("summary");
    QTest::addColumn<lx::TypedRounding>("typed");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");

    // Typed as whole numbers, 5 and 4 may be as close as 0 (p 1) or 2 apart with both SDs at
    // 0.5: pooled SD 0.5, standard error 0.5 * sqrt(0.2), 18 df.
    QTest::newRow("whole numbers")
        << Summary{10, 5, 1, 10, 4, 1} << lx::TypedRounding::ofDecimals(0, 0, 0, 0)
        << twoTailedP(2 / (0.5 * std::sqrt(0.2)), 18) << 1.0;
    // One decimal: the difference 1.1 spans 1.0 .. 1.2; the lowest p pairs 1.2 with SDs 1.05 and
    // 1.25, the highest 1.0 with 1.15 and 1.35.
    const auto pooledP = [](double difference, double sd1, double sd2) {
        const double pooledSd = std::sqrt((9 * sd1 * sd1 + 11 * sd2 * sd2) / 20);
        return twoTailedP(difference / (pooledSd * std::sqrt(1.0 / 10 + 1.0 / 12)), 20);
    };
    QTest::newRow("one decimal") << Summary{10, 5.2, 1.1, 12, 4.1, 1.3}
                                 << lx::TypedRounding::ofDecimals(1, 1, 1, 1)
                                 << pooledP(1.2, 1.05, 1.25) << pooledP(1.0, 1.15, 1.35);
}

void TestTwoSampleReport::roundedInputRange() {
    QFETCH(Summary, summary);
    QFETCH(lx::TypedRounding, typed);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    lx::ReportRequest request;
    request.rounding = typed;
    const Figure<Interval> range = lx::twoSampleReport(summary, request).pRangePooled;
    QVERIFY(range.hasValue());
    QVERIFY2(close(range->lower, lowest, 1e-12), qPrintable(QString::number(range->lower)));
    QVERIFY2(close(range->upper, highest, 1e-12), qPrintable(QString::number(range->upper)));
}

// Critical t values are remembered per df and level: alternate dfs 1024 apart and levels, in
// the order a batch might meet them.
void TestTwoSampleReport::differenceIntervalFollowsDfAndLevel() {
    namespace bm = boost::math;
    const struct {
        std::int32_t n;
        double level;
    } runs[] = {{6, 0.95}, {518, 0.95}, {6, 0.95}, {6, 0.99}, {518, 0.9}, {6, 0.95}};
    for (const auto& run : runs) {
        lx::ReportRequest request;
        request.level = run.level;
        const TwoSampleReport r = lx::twoSampleReport({run.n, 1, 1, run.n, 0, 1}, request);
        const double df = 2.0 * run.n - 2;
        const double se = std::sqrt(2.0 / run.n);
        const double expected =
            bm::quantile(bm::complement(bm::students_t(df), (1 - run.level) / 2)) * se;
        QVERIFY(r.pooled.differenceCi.hasValue());
        QVERIFY2(close(1 - r.pooled.differenceCi->lower, expected, 1e-12),
                 qPrintable(QStringLiteral("N %1, level %2").arg(run.n).arg(run.level)));
    }
}

void TestTwoSampleReport::typedDecimals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("decimals"); // -1: exact

    QTest::newRow("two decimals") << " 2.50 "
                                  << "en_US" << 2;
    QTest::newRow("whole") << "1,234"
                           << "en_US" << 0;
    QTest::newRow("exponent is exact") << "1.5E-3"
                                       << "en_US" << -1;
    QTest::newRow("decimal comma") << "-1.234,5"
                                   << "de_DE" << 1;
}

void TestTwoSampleReport::typedDecimals() {
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(int, decimals);
    const std::optional<int> typed = lx::typedDecimals(text, QLocale(locale));
    QCOMPARE(typed.value_or(-1), decimals);
}

void TestTwoSampleReport::levelOutsideZeroToOneIsRefused() {
    for (const double level : {0.0, 1.0, -0.5, std::nan("")}) {
        lx::ReportRequest request;
        request.level = level;
        QVERIFY_THROWS_EXCEPTION(lx::RuntimeError,
                                 lx::twoSampleReport({10, 5, 1, 10, 4, 1}, request));
    }
}

// The window shows Statistics::TStudent's t; the details, the copied table and the batch tool
// show the report's. Worked two ways they differed in the last digit for about one summary in
// forty; they must be the same double.
void TestTwoSampleReport::pooledTIsTheWindowsT() {
    QRandomGenerator random(20261210);
    for (int k = 0; k < 2000; ++k) {
        const auto n = [&] { return static_cast<std::int32_t>(2 + random.bounded(60)); };
        const auto tenths = [&](int most) { return random.bounded(most) / 10.0; };
        const Summary summary{n(), tenths(200), 0.1 + tenths(60),
                              n(), tenths(200), 0.1 + tenths(60)};
        const TwoSampleReport report = twoSampleReport(summary);
        QVERIFY(report.pooled.t);
        // Exactly: QCOMPARE would forgive the last digits.
        QVERIFY2(std::fabs(*report.pooled.t) == studentT(summary), qPrintable(QString::number(k)));
        QCOMPARE(*report.pooled.t < 0, summary.m1 < summary.m2);
    }
}

QTEST_APPLESS_MAIN(TestTwoSampleReport)
#include "test_two_sample_report.moc"
