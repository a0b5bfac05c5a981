// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/runtime_error.h"
#include "stats/critical_values.h"
#include "stats/statistics.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>

using lx::DoubleArray;
using lx::ErrorNumber;
using lx::NumberVariant;

namespace {

// Values no operation computes, so an output still holding one was not written.
constexpr double untouched = -777.25;
constexpr std::int32_t untouchedN = -12345;
const NumberVariant untouchedCv = std::int16_t{-7};

constexpr int noError = 0;
constexpr int code(ErrorNumber number) {
    return static_cast<int>(number);
}

struct AverageResults {
    std::int32_t n = untouchedN;
    double average = untouched;
    double sd = untouched;
    double sem = untouched;
    NumberVariant cv = untouchedCv;
};

// Runs fn and gives the number of the RuntimeError it raised, noError when it raised none.
template <typename Fn> int errorOf(Fn&& fn) {
    try {
        fn();
    } catch (const lx::RuntimeError& error) {
        return error.code();
    }
    return noError;
}

AverageResults average(const DoubleArray& values, int& error) {
    AverageResults results;
    error = errorOf([&] {
        lx::Statistics().Average(values, results.average, results.sd, results.sem, results.cv,
                                 results.n);
    });
    return results;
}

// n values 1, 3, 1, 3, ... with a 2 added when n is odd: mean 2, variance n / (n - 1) for an even
// n and 1 for an odd one.
DoubleArray onesAndThrees(std::int32_t n) {
    DoubleArray array;
    array.values.reserve(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i + 1 < n; i += 2) {
        array.values.insert(array.values.end(), {1.0, 3.0});
    }
    if (n % 2 == 1) {
        array.values.push_back(2.0);
    }
    return array;
}

QString pClass(double t, std::int32_t degreesOfFreedom, const QLocale& locale = QLocale::c()) {
    QString p;
    lx::Statistics().PStudent(t, degreesOfFreedom, p, locale);
    return p;
}

} // namespace

Q_DECLARE_METATYPE(DoubleArray)
Q_DECLARE_METATYPE(AverageResults)

class TestStatistics : public QObject {
    Q_OBJECT

private slots:
    void average_data();
    void average();
    void averageGivesTheExactSampleVariance();
    void averageOfEqualReadingsHasNoSpread_data();
    void averageOfEqualReadingsHasNoSpread();
    void averageOfManyValues_data();
    void averageOfManyValues();

    void tStudent_data();
    void tStudent();

    void pStudent_data();
    void pStudent();
    void pStudentRejectsNegativeDegreesOfFreedom();
    void pStudentWritesTheLocalesDecimalSeparator();
};

void TestStatistics::average_data() {
    QTest::addColumn<DoubleArray>("values");
    QTest::addColumn<AverageResults>("expected");
    QTest::addColumn<int>("error");

    const double sqrt2 = std::sqrt(2.0);
    const double sd8 = std::sqrt(256.0 / 56.0);

    QTest::newRow("no elements")
        << DoubleArray{} << AverageResults{.n = 0, .average = 0, .sd = 0, .cv = std::int16_t{0}}
        << noError;
    QTest::newRow("one value") << DoubleArray{0, {7.5}} << AverageResults{.n = 1, .average = 7.5}
                               << noError;
    QTest::newRow("eight values") << DoubleArray{0, {2, 4, 4, 4, 5, 5, 7, 9}}
                                  << AverageResults{8, 5, sd8, sd8 / std::sqrt(8.0), sd8 / 5 * 100}
                                  << noError;
    QTest::newRow("lower bound -1 reads elements 0 and 1")
        << DoubleArray{-1, {100, 1, 3}} << AverageResults{2, 2, sqrt2, 1, sqrt2 / 2 * 100}
        << noError;
    QTest::newRow("large values close together")
        << DoubleArray{0, {100000001, 100000002, 100000003}}
        << AverageResults{3, 100000002, 1, 1 / std::sqrt(3.0), 100 / 100000002.0} << noError;
    const double big = 2e155;
    const double bigger = 2.000002e155; // both squares lie beyond the range of a double
    QTest::newRow("values whose squares overflow")
        << DoubleArray{0, {big, bigger}}
        << AverageResults{2, (big + bigger) / 2, (bigger - big) / sqrt2, (bigger - big) / 2,
                          (bigger - big) / sqrt2 / ((big + bigger) / 2) * 100}
        << noError;
    QTest::newRow("upper bound below -1 reads nothing")
        << DoubleArray{-5, {1, 2}} << AverageResults{.n = -3, .average = 0} << noError;

    QTest::newRow("mean 0") << DoubleArray{0, {-1, 1}} << AverageResults{2, 0, sqrt2, 1}
                            << code(ErrorNumber::DivisionByZero);
    QTest::newRow("all values 0") << DoubleArray{0, {0, 0, 0}} << AverageResults{3, 0, 0, 0}
                                  << code(ErrorNumber::DivisionByZero);
    QTest::newRow("CV beyond range") << DoubleArray{0, {1e150, -1e150, 1e-300}}
                                     << AverageResults{3, 1e-300 / 3, 1e150, 1e150 / std::sqrt(3.0)}
                                     << code(ErrorNumber::Overflow);
    QTest::newRow("CV in percent beyond range")
        << DoubleArray{0, {1e150, -1e150, 3e-157}}
        << AverageResults{3, 1e-157, 1e150, 1e150 / std::sqrt(3.0)} << code(ErrorNumber::Overflow);
    QTest::newRow("sum beyond range")
        << DoubleArray{0, {1e308, 1e308}} << AverageResults{.n = 2} << code(ErrorNumber::Overflow);
    QTest::newRow("variance beyond range") << DoubleArray{0, {1.5e154, -1.5e154}}
                                           << AverageResults{.n = 2} << code(ErrorNumber::Overflow);
    QTest::newRow("infinite value") << DoubleArray{0, {1, std::numeric_limits<double>::infinity()}}
                                    << AverageResults{.n = 2} << code(ErrorNumber::Overflow);
    QTest::newRow("lower bound above 0") << DoubleArray{1, {1, 2, 3}} << AverageResults{.n = 4}
                                         << code(ErrorNumber::SubscriptOutOfRange);
    QTest::newRow("two dimensions") << DoubleArray{0, {1, 2, 3}, 2} << AverageResults{.n = 3}
                                    << code(ErrorNumber::SubscriptOutOfRange);
    QTest::newRow("upper bound at the 32-bit limit")
        << DoubleArray{std::numeric_limits<std::int32_t>::max(), {1}} << AverageResults{}
        << code(ErrorNumber::Overflow);
}

void TestStatistics::average() {
    QFETCH(DoubleArray, values);
    QFETCH(AverageResults, expected);
    QFETCH(int, error);

    int actualError = noError;
    const AverageResults actual = ::average(values, actualError);
    QCOMPARE(actualError, error);
    QCOMPARE(actual.n, expected.n);
    QCOMPARE(actual.average, expected.average);
    QCOMPARE(actual.sd, expected.sd);
    QCOMPARE(actual.sem, expected.sem);
    QCOMPARE(actual.cv.index(), expected.cv.index());
    if (const auto* cv = std::get_if<double>(&expected.cv)) {
        QCOMPARE(std::get<double>(actual.cv), *cv);
    } else {
        QCOMPARE(std::get<std::int16_t>(actual.cv), std::get<std::int16_t>(expected.cv));
    }
}

void TestStatistics::averageGivesTheExactSampleVariance() {
    int error = noError;
    const AverageResults results = ::average(DoubleArray{0, {2, 4, 4, 4, 5, 5, 7, 9}}, error);
    QCOMPARE(error, noError);
    // Bit for bit, not merely close: sqrt(256 / 56) = 2.138089935...
    QVERIFY(results.sd == std::sqrt(256.0 / 56.0));
    QVERIFY(std::fabs(results.sem - 0.755928946) < 1e-9);
    QVERIFY(std::fabs(std::get<double>(results.cv) - 42.76179870) < 1e-8);
}

void TestStatistics::averageOfEqualReadingsHasNoSpread_data() {
    QTest::addColumn<double>("reading");
    QTest::addColumn<int>("count");

    QTest::newRow("0.07 three times") << 0.07 << 3;
    QTest::newRow("0.1 ten times") << 0.1 << 10;
    QTest::newRow("1e9 + 0.1 five times") << 1e9 + 0.1 << 5;
    QTest::newRow("-3.3 a thousand times") << -3.3 << 1000;
}

void TestStatistics::averageOfEqualReadingsHasNoSpread() {
    QFETCH(double, reading);
    QFETCH(int, count);

    int error = noError;
    const AverageResults results = ::average(
        DoubleArray{0, std::vector<double>(static_cast<std::size_t>(count), reading)}, error);
    QCOMPARE(error, noError);
    QCOMPARE(results.average, reading);
    QVERIFY(results.sd == 0.0);
    QVERIFY(results.sem == 0.0);
    QVERIFY(std::get<double>(results.cv) == 0.0);
}

void TestStatistics::averageOfManyValues_data() {
    QTest::addColumn<std::int32_t>("n");

    // (n - 1) * n exceeds 32 bits from 46,342 on.
    QTest::newRow("46,341 values") << 46341;
    QTest::newRow("46,342 values") << 46342;
    QTest::newRow("46,343 values") << 46343;
    QTest::newRow("1,000,000 values") << 1000000;
}

void TestStatistics::averageOfManyValues() {
    QFETCH(std::int32_t, n);

    int error = noError;
    const AverageResults results = ::average(onesAndThrees(n), error);
    QCOMPARE(error, noError);
    QCOMPARE(results.n, n);
    QCOMPARE(results.average, 2.0);
    const double sd = n % 2 == 0 ? std::sqrt(n / (n - 1.0)) : 1.0;
    QVERIFY2(std::fabs(results.sd - sd) < 1e-10 * sd,
             qPrintable(QString::number(results.sd, 'g', 17)));
    QVERIFY(std::fabs(results.sem - sd / std::sqrt(static_cast<double>(n))) < 1e-10 * sd);
    QVERIFY(std::fabs(std::get<double>(results.cv) - sd * 50) < 1e-10 * sd * 50);
}

void TestStatistics::tStudent_data() {
    QTest::addColumn<double>("mean1");
    QTest::addColumn<double>("sem1");
    QTest::addColumn<double>("mean2");
    QTest::addColumn<double>("sem2");
    QTest::addColumn<double>("t");
    QTest::addColumn<int>("error");

    QTest::newRow("5 and 3, SEMs 1") << 5.0 << 1.0 << 3.0 << 1.0 << 1.4142135623730951 << noError;
    QTest::newRow("3 and 5, SEMs 0.5") << 3.0 << 0.5 << 5.0 << 0.5 << 2.8284271247461903 << noError;
    QTest::newRow("unequal SEMs") << 10.0 << 3.0 << 4.0 << 4.0 << 1.2 << noError;
    QTest::newRow("equal means, SEMs 0") << 4.0 << 0.0 << 4.0 << 0.0 << 0.0 << noError;
    QTest::newRow("equal means, SEMs beyond squaring")
        << 2.0 << 1e300 << 2.0 << 1e300 << 0.0 << noError;
    QTest::newRow("different means, SEMs 0")
        << 5.0 << 0.0 << 3.0 << 0.0 << untouched << code(ErrorNumber::DivisionByZero);
    QTest::newRow("square of a SEM beyond range")
        << 1.0 << 1e200 << 2.0 << 1.0 << untouched << code(ErrorNumber::Overflow);
    QTest::newRow("difference beyond range")
        << 1e308 << 1.0 << -1e308 << 1.0 << untouched << code(ErrorNumber::Overflow);
    QTest::newRow("t beyond range")
        << 1e300 << 1e-10 << -1e300 << 1e-10 << untouched << code(ErrorNumber::Overflow);
}

void TestStatistics::tStudent() {
    QFETCH(double, mean1);
    QFETCH(double, sem1);
    QFETCH(double, mean2);
    QFETCH(double, sem2);
    QFETCH(double, t);
    QFETCH(int, error);

    double actual = untouched;
    QCOMPARE(errorOf([&] { lx::Statistics().TStudent(mean1, sem1, mean2, sem2, actual); }), error);
    QCOMPARE(actual, t);
}

void TestStatistics::pStudent_data() {
    QTest::addColumn<double>("t");
    QTest::addColumn<std::int32_t>("degreesOfFreedom");
    QTest::addColumn<QString>("p");

    QTest::newRow("2.5 at 10") << 2.5 << 10 << "<0.05";
    QTest::newRow("0.5 at 10") << 0.5 << 10 << ">0.5";
    QTest::newRow("3 at 1000 uses row 200") << 3.0 << 1000 << "<0.01";
    QTest::newRow("2.6 at the largest df uses row 200")
        << 2.6 << std::numeric_limits<std::int32_t>::max() << "<0.02";
    QTest::newRow("row 200's 0.001 value at 201") << 3.339810064 << 201 << "=0.001";
    QTest::newRow("stored 2.228139238 at 10") << 2.228139238 << 10 << "=0.05";
    QTest::newRow("1 at 1 lies below 1.000000793") << 1.0 << 1 << ">0.5";
    QTest::newRow("700 at 1") << 700.0 << 1 << "<0.001";
    QTest::newRow("1.2 at 0") << 1.2 << 0 << "<0.001";
    QTest::newRow("0 at 0") << 0.0 << 0 << "=0.001";
    QTest::newRow("0 at 5") << 0.0 << 5 << ">0.5";

    // At, just above and just below every critical value of some rows.
    const char* const levels[] = {"0.5", "0.2", "0.1", "0.05", "0.02", "0.01", "0.001"};
    for (const std::int32_t df : {1, 2, 10, 57, 199, 200}) {
        const lx::critical_values::Row& row = lx::critical_values::table[std::size_t(df)];
        for (std::size_t i = 0; i < row.size(); ++i) {
            const double critical = row[i];
            const QString level = QString::fromLatin1(levels[i]);
            const QString below = i == 0 ? QStringLiteral(">0.5")
                                         : QStringLiteral("<") + QString::fromLatin1(levels[i - 1]);
            QTest::addRow("df %d, at %s", df, levels[i])
                << critical << df << QStringLiteral("=") + level;
            QTest::addRow("df %d, above %s", df, levels[i])
                << std::nextafter(critical, 1e9) << df << QStringLiteral("<") + level;
            QTest::addRow("df %d, below %s", df, levels[i])
                << std::nextafter(critical, 0.0) << df << below;
        }
    }
}

void TestStatistics::pStudent() {
    QFETCH(double, t);
    QFETCH(std::int32_t, degreesOfFreedom);
    QFETCH(QString, p);

    QCOMPARE(pClass(t, degreesOfFreedom), p);
}

void TestStatistics::pStudentRejectsNegativeDegreesOfFreedom() {
    QString p = QStringLiteral("unchanged");
    QCOMPARE(errorOf([&] { lx::Statistics().PStudent(2.0, -1, p); }),
             code(ErrorNumber::SubscriptOutOfRange));
    QCOMPARE(p, QStringLiteral("unchanged"));
}

// The locale given, whatever the default: the batch tool writes its output's.
void TestStatistics::pStudentWritesTheLocalesDecimalSeparator() {
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(pClass(2.5, 10, german), QStringLiteral("<0,05"));
    QCOMPARE(pClass(0.5, 10, german), QStringLiteral(">0,5"));
    QCOMPARE(pClass(0.0, 0, german), QStringLiteral("=0,001"));
    QCOMPARE(pClass(2.5, 10), QStringLiteral("<0.05"));
}

QTEST_APPLESS_MAIN(TestStatistics)
#include "test_statistics.moc"
