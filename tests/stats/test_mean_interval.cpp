// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_csv.h"
#include "stats/mean_interval.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(lx::test::ReferenceRow)

class TestMeanInterval : public QObject {
    Q_OBJECT
private slots:
    void matchesReference_data();
    void matchesReference();
    void tooFewObservations();
};

// R's qt: t with n - 1 df times SD / sqrt(n).
void TestMeanInterval::matchesReference_data() {
    QTest::addColumn<lx::test::ReferenceRow>("row");
    const auto rows = lx::test::readReference(QStringLiteral(MEAN_INTERVAL_REFERENCE));
    QVERIFY(rows.size() >= 8);
    for (const auto& row : rows) {
        QTest::addRow("n %g, mean %g, sd %g, level %g", row.at("n"), row.at("mean"), row.at("sd"),
                      row.at("level"))
            << row;
    }
}

void TestMeanInterval::matchesReference() {
    QFETCH(lx::test::ReferenceRow, row);
    const auto interval = lx::meanInterval(static_cast<std::int32_t>(row.at("n")), row.at("mean"),
                                           row.at("sd"), row.at("level"));
    QVERIFY(interval);
    const double tolerance = 1e-12 * std::max(1.0, std::fabs(row.at("mean")));
    QVERIFY(std::fabs(interval->lower - row.at("lower")) <= tolerance);
    QVERIFY(std::fabs(interval->upper - row.at("upper")) <= tolerance);
}

void TestMeanInterval::tooFewObservations() {
    const auto interval = lx::meanInterval(1, 3, 1);
    QVERIFY(!interval && interval.why() == lx::Undefined::TooFewObservations);
}

QTEST_APPLESS_MAIN(TestMeanInterval)
#include "test_mean_interval.moc"
