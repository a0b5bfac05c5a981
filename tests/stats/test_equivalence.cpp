// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_csv.h"
#include "stats/equivalence.h"

#include <QTest>

#include <cmath>

using lx::Undefined;

Q_DECLARE_METATYPE(lx::Summary)
Q_DECLARE_METATYPE(lx::Undefined)
Q_DECLARE_METATYPE(lx::test::ReferenceRow)

namespace {

bool near(const lx::Figure<double>& actual, double expected) {
    return actual && std::fabs(*actual - expected) <= 1e-9 * std::max(1.0, std::fabs(expected));
}

} // namespace

class TestEquivalence : public QObject {
    Q_OBJECT
private slots:
    void matchesReference_data();
    void matchesReference();
    void undefined_data();
    void undefined();
};

void TestEquivalence::matchesReference_data() {
    QTest::addColumn<lx::test::ReferenceRow>("row");
    const auto rows = lx::test::readReference(QStringLiteral(EQUIVALENCE_REFERENCE));
    QVERIFY(rows.size() > 10);
    for (const auto& row : rows) {
        QTest::addRow("%g %g %g vs %g %g %g, delta %g%s", row.at("n1"), row.at("m1"), row.at("sd1"),
                      row.at("n2"), row.at("m2"), row.at("sd2"), row.at("delta"),
                      row.at("in_sd") != 0 ? " SD" : "")
            << row;
    }
}

void TestEquivalence::matchesReference() {
    QFETCH(lx::test::ReferenceRow, row);
    const lx::Summary summary{static_cast<std::int32_t>(row.at("n1")), row.at("m1"), row.at("sd1"),
                              static_cast<std::int32_t>(row.at("n2")), row.at("m2"), row.at("sd2")};
    const lx::Equivalence result =
        lx::equivalenceTests(summary, {row.at("delta"), row.at("in_sd") != 0}, row.at("level"));
    QVERIFY(near(result.bound, row.at("bound")));
    const auto check = [&](const lx::Tost& test, const QString& name) {
        QVERIFY2(near(test.p, row.at("p_tost_" + name)), qPrintable(name));
        QVERIFY(test.interval);
        QVERIFY2(near(test.interval->lower, row.at("lo_" + name)), qPrintable(name));
        QVERIFY2(near(test.interval->upper, row.at("hi_" + name)), qPrintable(name));
    };
    check(result.pooled, QStringLiteral("pooled"));
    check(result.welch, QStringLiteral("welch"));
}

void TestEquivalence::undefined_data() {
    QTest::addColumn<lx::Summary>("summary");
    QTest::addColumn<bool>("inPooledSd");
    QTest::addColumn<Undefined>("bound");
    QTest::addColumn<Undefined>("welch");
    QTest::newRow("no df") << lx::Summary{1, 5, 0, 1, 4, 0} << false
                           << Undefined::NoDegreesOfFreedom << Undefined::NoDegreesOfFreedom;
    QTest::newRow("bound of no SD")
        << lx::Summary{10, 5, 0, 10, 4, 0} << true << Undefined::NoSpread << Undefined::NoSpread;
    QTest::newRow("one observation")
        << lx::Summary{1, 5, 0, 10, 4, 1} << false << Undefined{} << Undefined::TooFewObservations;
}

void TestEquivalence::undefined() {
    QFETCH(lx::Summary, summary);
    QFETCH(bool, inPooledSd);
    QFETCH(Undefined, bound);
    QFETCH(Undefined, welch);
    const lx::Equivalence result = lx::equivalenceTests(summary, {0.5, inPooledSd}, 0.9);
    if (result.bound) {
        QVERIFY(result.pooled.p); // the pooled test needs only the df and a spread
    } else {
        QCOMPARE(result.bound.why(), bound);
    }
    QVERIFY(!result.welch.p);
    QCOMPARE(result.welch.p.why(), welch);
    QCOMPARE(result.welch.interval.why(), welch);
}

QTEST_APPLESS_MAIN(TestEquivalence)
#include "test_equivalence.moc"
