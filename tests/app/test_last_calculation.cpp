// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/last_calculation.h"

#include <QSignalSpy>
#include <QTest>

using lx::LastCalculation;
using Parts = lx::LastCalculation::Parts;

class TestLastCalculation : public QObject {
    Q_OBJECT
private slots:
    // A new calculation or a clear is current again; the stale flag changes only when it does.
    void setClearAndStale() {
        LastCalculation calculation;
        QSignalSpy calculated(&calculation, &LastCalculation::calculated);
        QSignalSpy cleared(&calculation, &LastCalculation::cleared);
        QSignalSpy stale(&calculation, &LastCalculation::staleChanged);
        calculation.set({10, 5, 1, 10, 4, 1}, {});
        QCOMPARE(calculated.count(), 1);
        QCOMPARE(stale.count(), 0);
        calculation.setStale(true);
        calculation.setStale(true);
        QCOMPARE(stale.count(), 1);
        QVERIFY(calculation.isStale());
        calculation.set({10, 5, 1, 10, 3, 1}, {});
        QCOMPARE(calculated.count(), 2);
        QCOMPARE(stale.count(), 2);
        QCOMPARE(stale.last().value(0).toBool(), false);
        calculation.setStale(true);
        calculation.clear();
        QCOMPARE(cleared.count(), 1);
        QVERIFY(!calculation.has());
        QVERIFY(!calculation.isStale());
    }

    // The costly parts only once asked for, kept for the views that ask less, and gone with a
    // new calculation.
    void partsAsAsked() {
        LastCalculation calculation;
        calculation.set({10, 5, 1, 10, 4, 1}, {});
        const lx::TwoSampleReport& tests = calculation.report(Parts::Tests);
        QVERIFY(tests.pooled.t);
        QVERIFY(tests.bayesFactors.logBf10);
        QVERIFY(!tests.posterior && tests.posterior.why() == lx::Undefined::NotRequested);
        QVERIFY(!calculation.hasBayesDetails());
        QVERIFY(calculation.report(Parts::WithBayesDetails).posterior);
        QVERIFY(calculation.report(Parts::Tests).robustness);
        calculation.set({10, 5, 1, 10, 3, 1}, {});
        QVERIFY(!calculation.hasBayesDetails());
        QVERIFY(!calculation.report(Parts::Tests).posterior);
    }
};

QTEST_APPLESS_MAIN(TestLastCalculation)
#include "test_last_calculation.moc"
