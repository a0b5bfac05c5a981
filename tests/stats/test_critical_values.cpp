// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/critical_values.h"

#include <QTest>

#include <boost/math/distributions/students_t.hpp>

#include <bit>
#include <cmath>
#include <cstdint>

using lx::critical_values::levels;
using lx::critical_values::maxDegreesOfFreedom;
using lx::critical_values::Row;
using lx::critical_values::table;

namespace {

constexpr std::size_t levelCount = levels.size();

// The rows the program has always shipped, which must stay exactly as they are.
struct ShippedRow {
    int degreesOfFreedom;
    Row values;
};

// clang-format off
constexpr ShippedRow shippedRows[] = {
    {1,   {1.000000793, 3.077684596, 6.313748599, 12.7061503,  31.82096407, 63.65589797, 636.5776062}},
    {2,   {0.816496595, 1.885618985, 2.91998731,  4.302655725, 6.964546628, 9.924988262, 31.59977496}},
    {3,   {0.764891865, 1.637745299, 2.353363016, 3.182449291, 4.540706868, 5.840847734, 12.92442903}},
    {4,   {0.740697033, 1.533205705, 2.131846486, 2.776450856, 3.746936272, 4.604080459, 8.610077202}},
    {5,   {0.726686835, 1.475884801, 2.015049176, 2.570577635, 3.364930308, 4.032117431, 6.868503988}},
    {10,  {0.699811835, 1.372184215, 1.812461505, 2.228139238, 2.7637725,   3.169261618, 4.58676368}},
    {15,  {0.691196647, 1.340605422, 1.753051038, 2.131450856, 2.602482709, 2.946726454, 4.072790034}},
    {20,  {0.686954422, 1.325340691, 1.724718004, 2.085962478, 2.527976903, 2.845335985, 3.849563655}},
    {30,  {0.682755399, 1.310415882, 1.697260359, 2.042270353, 2.45726369,  2.74998456,  3.64598236}},
    {50,  {0.679427785, 1.298712959, 1.675905423, 2.008559932, 2.40326699,  2.677788871, 3.495952114}},
    {100, {0.676951117, 1.290075033, 1.66023483,  1.983971742, 2.364213287, 2.625893103, 3.390450729}},
    {150, {0.676128593, 1.287221494, 1.655075721, 1.975904524, 2.351462172, 2.609012881, 3.356544767}},
    {200, {0.675718184, 1.285798135, 1.652508672, 1.971893653, 2.345132089, 2.60062734,  3.339810064}},
};
// clang-format on

bool isShipped(int degreesOfFreedom) {
    for (const ShippedRow& row : shippedRows) {
        if (row.degreesOfFreedom == degreesOfFreedom) {
            return true;
        }
    }
    return false;
}

// P(|T| > t) with the given degrees of freedom.
double twoTailedProbability(double t, int degreesOfFreedom) {
    const boost::math::students_t_distribution<double> distribution(degreesOfFreedom);
    return 2 * cdf(complement(distribution, t));
}

} // namespace

Q_DECLARE_METATYPE(Row)

class TestCriticalValues : public QObject {
    Q_OBJECT

private slots:
    void rowZeroHoldsZeros();
    void shippedRowsAreKeptBitForBit_data();
    void shippedRowsAreKeptBitForBit();
    void entriesLieOnTheirLevels_data();
    void entriesLieOnTheirLevels();
    void columnsFallStrictly();
    void rowsRiseStrictly();
};

void TestCriticalValues::rowZeroHoldsZeros() {
    for (const double value : table[0]) {
        QCOMPARE(std::bit_cast<std::uint64_t>(value), std::uint64_t{0});
    }
}

void TestCriticalValues::shippedRowsAreKeptBitForBit_data() {
    QTest::addColumn<int>("degreesOfFreedom");
    QTest::addColumn<Row>("values");

    for (const ShippedRow& row : shippedRows) {
        QTest::addRow("df %d", row.degreesOfFreedom) << row.degreesOfFreedom << row.values;
    }
}

void TestCriticalValues::shippedRowsAreKeptBitForBit() {
    QFETCH(int, degreesOfFreedom);
    QFETCH(Row, values);

    for (std::size_t i = 0; i < levelCount; ++i) {
        QCOMPARE(std::bit_cast<std::uint64_t>(table[std::size_t(degreesOfFreedom)][i]),
                 std::bit_cast<std::uint64_t>(values[i]));
    }
}

void TestCriticalValues::entriesLieOnTheirLevels_data() {
    QTest::addColumn<int>("degreesOfFreedom");

    for (int df = 1; df <= maxDegreesOfFreedom; ++df) {
        QTest::addRow("df %d", df) << df;
    }
}

// Every entry lies within 3.01e-7 of its level as a two-tailed probability. The rows not shipped
// are exact quantiles rounded to 10 significant digits, which puts them within a few 1e-10 of the
// decimal level (the single-precision levels themselves lie up to 3e-9 off their decimals).
void TestCriticalValues::entriesLieOnTheirLevels() {
    QFETCH(int, degreesOfFreedom);

    const double decimalLevels[] = {0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.001};
    const bool shipped = isShipped(degreesOfFreedom);
    const Row& row = table[std::size_t(degreesOfFreedom)];
    for (std::size_t i = 0; i < levelCount; ++i) {
        const double p = twoTailedProbability(row[i], degreesOfFreedom);
        const QString entry = QStringLiteral("level %1: t %2 gives P %3")
                                  .arg(decimalLevels[i])
                                  .arg(row[i], 0, 'g', 17)
                                  .arg(p, 0, 'g', 17);
        QVERIFY2(std::fabs(p - levels[i]) <= 3.01e-7, qPrintable(entry));
        QVERIFY2(shipped || std::fabs(p - decimalLevels[i]) <= 5e-10, qPrintable(entry));
        QVERIFY2(QString::number(row[i], 'g', 10).toDouble() == row[i],
                 qPrintable(entry + QStringLiteral(": more than 10 significant digits")));
    }
}

void TestCriticalValues::columnsFallStrictly() {
    for (std::size_t df = 2; df < table.size(); ++df) {
        for (std::size_t i = 0; i < levelCount; ++i) {
            QVERIFY2(table[df][i] < table[df - 1][i],
                     qPrintable(QStringLiteral("df %1, level %2").arg(df).arg(levels[i])));
        }
    }
}

void TestCriticalValues::rowsRiseStrictly() {
    for (std::size_t df = 1; df < table.size(); ++df) {
        for (std::size_t i = 1; i < levelCount; ++i) {
            QVERIFY2(table[df][i] > table[df][i - 1],
                     qPrintable(QStringLiteral("df %1, level %2").arg(df).arg(levels[i])));
        }
    }
}

QTEST_APPLESS_MAIN(TestCriticalValues)
#include "test_critical_values.moc"
