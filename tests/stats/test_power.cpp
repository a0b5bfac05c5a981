// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_csv.h"
#include "stats/power.h"
#include "stats/t_distribution.h"

#include <QTest>

#include <cmath>
#include <random>

using lx::power::Problem;
using lx::power::Tails;
using lx::power::TestDesign;

Q_DECLARE_METATYPE(lx::test::ReferenceRow)
Q_DECLARE_METATYPE(lx::power::Problem)
Q_DECLARE_METATYPE(lx::power::TestDesign)
Q_DECLARE_METATYPE(lx::power::WelchEffect)

namespace {

bool near(double actual, double expected, double tolerance) {
    return std::fabs(actual - expected) <= tolerance * std::max(1.0, std::fabs(expected));
}

TestDesign designOf(const lx::test::ReferenceRow& row) {
    return {row.at("alpha"), row.at("tails") == 1 ? Tails::One : Tails::Two};
}

std::int32_t whole(double value) {
    return static_cast<std::int32_t>(value);
}

void addReferenceRows(const char* file, qsizetype atLeast) {
    QTest::addColumn<lx::test::ReferenceRow>("row");
    const auto rows = lx::test::readReference(QString::fromUtf8(file));
    QVERIFY(rows.size() >= atLeast);
    int number = 0;
    for (const auto& row : rows) {
        QTest::addRow("row %d", ++number) << row;
    }
}

// The share of simulated Welch tests that reject, from draws of each group's mean and variance.
double simulatedWelchPower(std::int32_t n1, std::int32_t n2, const lx::power::WelchEffect& effect,
                           const TestDesign& test, int samples) {
    std::mt19937_64 random(20261210);
    std::normal_distribution<double> mean1(effect.difference, effect.sd1 / std::sqrt(n1));
    std::normal_distribution<double> mean2(0, effect.sd2 / std::sqrt(n2));
    std::chi_squared_distribution<double> chi1(n1 - 1);
    std::chi_squared_distribution<double> chi2(n2 - 1);
    const double tail = test.tails == Tails::Two ? test.alpha / 2 : test.alpha;
    int rejected = 0;
    for (int k = 0; k < samples; ++k) {
        const double difference = mean1(random) - mean2(random);
        const double v1 = effect.sd1 * effect.sd1 * chi1(random) / (n1 - 1) / n1;
        const double v2 = effect.sd2 * effect.sd2 * chi2(random) / (n2 - 1) / n2;
        const double t = difference / std::sqrt(v1 + v2);
        const double df = (v1 + v2) * (v1 + v2) / (v1 * v1 / (n1 - 1) + v2 * v2 / (n2 - 1));
        const bool significant = test.tails == Tails::Two
                                     ? lx::t_distribution::upperTail(std::fabs(t), df) < tail
                                     : lx::t_distribution::upperTail(t, df) < tail;
        rejected += significant ? 1 : 0;
    }
    return static_cast<double>(rejected) / samples;
}

} // namespace

class TestPower : public QObject {
    Q_OBJECT
private slots:
    void sampleSize_data() { addReferenceRows(SAMPLE_SIZE_REFERENCE, 300); }
    void sampleSize();
    void power_data() { addReferenceRows(POWER_REFERENCE, 300); }
    void power();
    void sensitivity_data() { addReferenceRows(SENSITIVITY_REFERENCE, 100); }
    void sensitivity();
    void safeguard_data() { addReferenceRows(SAFEGUARD_REFERENCE, 10); }
    void safeguard();
    void publishedCase();
    void badInput_data();
    void badInput();
    void welchAgainstSimulation_data();
    void welchAgainstSimulation();
    void welchPlanReachesItsPower();
};

void TestPower::sampleSize() {
    QFETCH(lx::test::ReferenceRow, row);
    const auto size =
        lx::power::studentSampleSize(row.at("d"), row.at("target"), row.at("ratio"), designOf(row));
    QVERIFY(size);
    QCOMPARE(size->n1, whole(row.at("n1")));
    QCOMPARE(size->n2, whole(row.at("n2")));
    QCOMPARE(size->total, std::int64_t{size->n1} + size->n2);
    QVERIFY2(near(size->power, row.at("power"), 1e-7), qPrintable(QString::number(size->power)));
    QVERIFY(near(size->criticalT, row.at("critical_t"), 1e-9));
    QVERIFY(near(size->noncentrality, row.at("ncp"), 1e-12));
}

void TestPower::power() {
    QFETCH(lx::test::ReferenceRow, row);
    const auto power = lx::power::studentPower(whole(row.at("n1")), whole(row.at("n2")),
                                               row.at("d"), designOf(row));
    QVERIFY(power);
    QVERIFY2(near(*power, row.at("power"), 1e-7), qPrintable(QString::number(*power, 'g', 17)));
}

void TestPower::sensitivity() {
    QFETCH(lx::test::ReferenceRow, row);
    const std::int32_t n1 = whole(row.at("n1"));
    const std::int32_t n2 = whole(row.at("n2"));
    const auto d = lx::power::sensitivityD(n1, n2, row.at("target"), designOf(row));
    QVERIFY(d);
    QVERIFY2(near(*d, row.at("d_sensitivity"), 1e-7), qPrintable(QString::number(*d, 'g', 17)));
    const auto critical = lx::power::criticalD(n1, n2, designOf(row));
    QVERIFY(critical);
    QVERIFY(near(*critical, row.at("d_critical"), 1e-9));
}

void TestPower::safeguard() {
    QFETCH(lx::test::ReferenceRow, row);
    const auto d = lx::power::safeguardD(row.at("d"), whole(row.at("n1")), whole(row.at("n2")));
    if (!row.contains("plan_n1")) {
        QVERIFY(!d);
        QCOMPARE(d.why(), Problem::SafeguardNotPositive);
        return;
    }
    QVERIFY(d);
    QVERIFY2(near(*d, row.at("d_safeguard"), 1e-7), qPrintable(QString::number(*d, 'g', 17)));
    const auto size = lx::power::studentSampleSize(*d, 0.8, 1, {});
    QVERIFY(size);
    QCOMPARE(size->n1, whole(row.at("plan_n1")));
    QCOMPARE(size->n2, whole(row.at("plan_n2")));
}

// The textbook case the planning programs are checked against.
void TestPower::publishedCase() {
    const auto size = lx::power::studentSampleSize(0.5, 0.9, 1, {});
    QVERIFY(size);
    QCOMPARE(size->n1, 86);
    QCOMPARE(size->total, std::int64_t{172});
    QCOMPARE(std::round(size->power * 1e4) / 1e4, 0.9032);
    QCOMPARE(std::round(size->criticalT * 1e4) / 1e4, 1.9740);
    QCOMPARE(std::round(size->noncentrality * 1e4) / 1e4, 3.2787);
    QCOMPARE(size->df, 170.0);
    const auto larger = lx::power::studentSampleSize(0.5, 0.95, 1, {});
    QVERIFY(larger);
    QCOMPARE(larger->n1, 105);
    QCOMPARE(larger->n2, 105);
}

void TestPower::badInput_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("target");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<TestDesign>("test");
    QTest::addColumn<Problem>("problem");
    const double nan = std::nan("");
    const TestDesign usual;
    QTest::newRow("power 1") << 0.5 << 1.0 << 1.0 << usual << Problem::PowerOutOfRange;
    QTest::newRow("power alpha") << 0.5 << 0.05 << 1.0 << usual << Problem::PowerOutOfRange;
    QTest::newRow("power below alpha") << 0.5 << 0.01 << 1.0 << usual << Problem::PowerOutOfRange;
    QTest::newRow("power NaN") << 0.5 << nan << 1.0 << usual << Problem::PowerOutOfRange;
    QTest::newRow("alpha 0") << 0.5 << 0.8 << 1.0 << TestDesign{0, Tails::Two}
                             << Problem::AlphaOutOfRange;
    QTest::newRow("alpha 1") << 0.5 << 0.8 << 1.0 << TestDesign{1, Tails::One}
                             << Problem::AlphaOutOfRange;
    QTest::newRow("alpha NaN") << 0.5 << 0.8 << 1.0 << TestDesign{nan, Tails::Two}
                               << Problem::AlphaOutOfRange;
    QTest::newRow("d 0") << 0.0 << 0.8 << 1.0 << usual << Problem::NoEffect;
    QTest::newRow("d infinite") << HUGE_VAL << 0.8 << 1.0 << usual << Problem::EffectNotFinite;
    QTest::newRow("ratio 0") << 0.5 << 0.8 << 0.0 << usual << Problem::RatioNotPositive;
    QTest::newRow("ratio negative") << 0.5 << 0.8 << -2.0 << usual << Problem::RatioNotPositive;
    QTest::newRow("ratio NaN") << 0.5 << 0.8 << nan << usual << Problem::RatioNotPositive;
    QTest::newRow("tiny d") << 1e-6 << 0.8 << 1.0 << usual << Problem::TooLarge;
    QTest::newRow("power near 1, small d") << 1e-4 << 0.999999 << 1.0 << usual << Problem::TooLarge;
    QTest::newRow("n2 past 32 bits") << 0.01 << 0.8 << 1e6 << usual << Problem::TooLarge;
    QTest::newRow("n2 held at 2") << 0.5 << 0.9 << 1e-9 << usual << Problem::TooLarge;
}

// Each refusal comes at once with its message; other programs loop forever or fail to bracket.
void TestPower::badInput() {
    QFETCH(double, d);
    QFETCH(double, target);
    QFETCH(double, ratio);
    QFETCH(TestDesign, test);
    QFETCH(Problem, problem);
    const auto size = lx::power::studentSampleSize(d, target, ratio, test);
    QVERIFY(!size);
    QCOMPARE(size.why(), problem);
    const auto welch = lx::power::welchSampleSize({d, 1, 2}, target, ratio, test);
    QVERIFY(!welch);
    QCOMPARE(welch.why(), problem);
}

void TestPower::welchAgainstSimulation_data() {
    QTest::addColumn<std::int32_t>("n1");
    QTest::addColumn<std::int32_t>("n2");
    QTest::addColumn<lx::power::WelchEffect>("effect");
    QTest::addColumn<TestDesign>("test");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("equal n, SDs 1 and 2")
        << 20 << 20 << lx::power::WelchEffect{1, 1, 2} << TestDesign{} << 0.01;
    QTest::newRow("small group with the large SD")
        << 8 << 40 << lx::power::WelchEffect{2, 3, 1} << TestDesign{} << 0.01;
    QTest::newRow("large group with the large SD")
        << 40 << 10 << lx::power::WelchEffect{1.5, 3, 1} << TestDesign{} << 0.01;
    QTest::newRow("one-tailed, alpha .01")
        << 15 << 25 << lx::power::WelchEffect{-1, 1, 1.5} << TestDesign{0.01, Tails::One} << 0.01;
    QTest::newRow("groups of 6 and 7")
        << 6 << 7 << lx::power::WelchEffect{2, 1, 2} << TestDesign{} << 0.01;
    // With 4 and 5 the planned df stand in for the sample's, which scatter widely: the
    // approximation overstates power by about 0.02 here.
    QTest::newRow("groups of 4 and 5")
        << 4 << 5 << lx::power::WelchEffect{3, 1, 2} << TestDesign{} << 0.03;
}

void TestPower::welchAgainstSimulation() {
    QFETCH(std::int32_t, n1);
    QFETCH(std::int32_t, n2);
    QFETCH(lx::power::WelchEffect, effect);
    QFETCH(TestDesign, test);
    QFETCH(double, tolerance);
    const auto approximate = lx::power::welchPower(n1, n2, effect, test);
    QVERIFY(approximate);
    // A one-tailed test looks in the effect's direction; the simulation tests M1 > M2.
    lx::power::WelchEffect positive = effect;
    positive.difference = std::fabs(effect.difference);
    const double simulated = simulatedWelchPower(n1, n2, positive, test, 100000);
    QVERIFY2(std::fabs(*approximate - simulated) < tolerance,
             qPrintable(QStringLiteral("%1 against %2").arg(*approximate).arg(simulated)));
}

// The planned Welch sample has, in simulation, the power the plan claims for it.
void TestPower::welchPlanReachesItsPower() {
    const lx::power::WelchEffect effect{1, 1, 2};
    const auto size = lx::power::welchSampleSize(effect, 0.8, 2, {});
    QVERIFY(size);
    QCOMPARE(size->n2, 2 * size->n1);
    QVERIFY(size->power >= 0.8);
    const auto smaller = lx::power::welchPower(size->n1 - 1, 2 * (size->n1 - 1), effect, {});
    QVERIFY(smaller && *smaller < 0.8);
    const double simulated = simulatedWelchPower(size->n1, size->n2, effect, {}, 100000);
    QVERIFY2(std::fabs(simulated - size->power) < 0.01, qPrintable(QString::number(simulated)));
}

QTEST_APPLESS_MAIN(TestPower)
#include "test_power.moc"
