// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_csv.h"

#include "stats/meta_analysis.h"

#include <QFile>
#include <QTest>

#include <cmath>
#include <map>

using lx::meta::Estimator;
using lx::meta::Study;
using lx::meta::Test;

namespace {

// The study sets of the reference, by name, read as written (17 digits).
std::map<QString, std::vector<Study>> studySets() {
    std::map<QString, std::vector<Study>> sets;
    QFile file(QStringLiteral(META_SETS));
    if (!file.open(QIODevice::ReadOnly)) {
        return sets;
    }
    file.readLine();
    while (!file.atEnd()) {
        const QList<QByteArray> cells = file.readLine().trimmed().split(',');
        if (cells.size() == 3) {
            sets[QString::fromLatin1(cells[0])].push_back(
                {cells[1].toDouble(), cells[2].toDouble()});
        }
    }
    return sets;
}

struct ReferenceRow {
    QString set, method, test;
    std::map<QString, QString> cells;
};

QList<ReferenceRow> referenceRows() {
    QList<ReferenceRow> rows;
    QFile file(QStringLiteral(META_REFERENCE));
    if (!file.open(QIODevice::ReadOnly)) {
        return rows;
    }
    const QList<QByteArray> names = file.readLine().trimmed().split(',');
    while (!file.atEnd()) {
        const QList<QByteArray> cells = file.readLine().trimmed().split(',');
        ReferenceRow row;
        for (qsizetype k = 0; k < names.size() && k < cells.size(); ++k) {
            row.cells[QString::fromLatin1(names[k])] = QString::fromLatin1(cells[k]);
        }
        row.set = row.cells[QStringLiteral("set")];
        row.method = row.cells[QStringLiteral("method")];
        row.test = row.cells[QStringLiteral("test")];
        rows.append(row);
    }
    return rows;
}

Estimator estimatorNamed(const QString& name) {
    if (name == QLatin1String("DL")) {
        return Estimator::DL;
    }
    if (name == QLatin1String("REML")) {
        return Estimator::REML;
    }
    if (name == QLatin1String("PM")) {
        return Estimator::PM;
    }
    return Estimator::EE;
}

// Relative agreement, with an absolute floor for figures at or near 0: at the tau² = 0 boundary
// metafor stops a few 1e-13 short of it.
bool agrees(double value, double reference, double tolerance) {
    return value == reference ||
           std::fabs(value - reference) <= tolerance * std::fabs(reference) + 1e-9;
}

} // namespace

// Pooled study sets against metafor at a tight convergence control (tools/meta_reference).
class TestMetaAnalysis : public QObject {
    Q_OBJECT

private slots:
    void matchesMetafor() {
        const auto sets = studySets();
        const auto rows = referenceRows();
        QVERIFY(sets.size() >= 90);
        QVERIFY(rows.size() >= 700);
        int compared = 0;
        for (const ReferenceRow& row : rows) {
            const std::vector<Study>& studies = sets.at(row.set);
            const Estimator estimator = estimatorNamed(row.method);
            const bool closedForm = estimator == Estimator::EE || estimator == Estimator::DL;
            const double tolerance = closedForm ? 1e-10 : 1e-8;
            const auto pooled = lx::meta::pool(
                studies, estimator, row.test == QLatin1String("knha") ? Test::Knha : Test::Z, 0.95);
            QCOMPARE(pooled.k, row.cells.at(QStringLiteral("k")).toInt());
            const std::map<QString, double> figures = {
                {QStringLiteral("estimate"), pooled.estimate},
                {QStringLiteral("se"), pooled.se},
                {QStringLiteral("ci_lo"), pooled.ciLower},
                {QStringLiteral("ci_hi"), pooled.ciUpper},
                {QStringLiteral("stat"), pooled.statistic},
                {QStringLiteral("p"), pooled.p},
                {QStringLiteral("tau2"), pooled.tau2},
                {QStringLiteral("i2"), pooled.i2},
                {QStringLiteral("q"), pooled.q},
                {QStringLiteral("q_p"), pooled.qP},
                {QStringLiteral("pi_lo"), pooled.piLower},
                {QStringLiteral("pi_hi"), pooled.piUpper},
            };
            for (const auto& [name, value] : figures) {
                const double reference = row.cells.at(name).toDouble();
                const bool isP = name == QLatin1String("p") || name == QLatin1String("q_p");
                QVERIFY2(isP ? value == reference ||
                                   std::fabs(value - reference) <= tolerance * reference + 1e-15
                             : agrees(value, reference, tolerance),
                         qPrintable(QStringLiteral("%1 %2 %3 %4: %5 against %6")
                                        .arg(row.set, row.method, row.test, name)
                                        .arg(value, 0, 'g', 17)
                                        .arg(reference, 0, 'g', 17)));
                ++compared;
            }
            if (pooled.h2) {
                QVERIFY(
                    agrees(*pooled.h2, row.cells.at(QStringLiteral("h2")).toDouble(), tolerance));
            }
            if (!row.cells.at(QStringLiteral("tau2_ci_lo")).isEmpty()) {
                QVERIFY2(pooled.tau2Interval, qPrintable(row.set + row.method));
                for (const auto& [name, value] :
                     {std::pair(QStringLiteral("tau2_ci_lo"), pooled.tau2Lower),
                      std::pair(QStringLiteral("tau2_ci_hi"), pooled.tau2Upper)}) {
                    const double reference = row.cells.at(name).toDouble();
                    QVERIFY2(agrees(value, reference, 1e-8),
                             qPrintable(QStringLiteral("%1 %2 %3: %4 against %5")
                                            .arg(row.set, row.method, name)
                                            .arg(value, 0, 'g', 17)
                                            .arg(reference, 0, 'g', 17)));
                }
            }
            if (!row.cells.at(QStringLiteral("egger_t")).isEmpty()) {
                const auto egger = lx::meta::eggerTest(studies);
                QVERIFY2(egger, qPrintable(row.set));
                QVERIFY(
                    agrees(egger->t, row.cells.at(QStringLiteral("egger_t")).toDouble(), 1e-10));
                QVERIFY(
                    agrees(egger->p, row.cells.at(QStringLiteral("egger_p")).toDouble(), 1e-10));
            }
        }
        QVERIFY(compared > 8000);
    }

    // Thin or degenerate sets say why a figure is missing instead of giving a wrong one.
    void thinInput_data() {
        QTest::addColumn<std::vector<Study>>("studies");
        QTest::addColumn<int>("estimator");
        QTest::addColumn<int>("problem");
        QTest::addColumn<bool>("egger");
        using P = lx::meta::PoolProblem;
        const std::vector<Study> one{{0.4, 0.04}};
        const std::vector<Study> same(5, Study{0.3, 0.02});
        const std::vector<Study> equalSe{{0.1, 0.05}, {0.5, 0.05}, {0.3, 0.05}, {0.8, 0.05}};
        QTest::newRow("no studies")
            << std::vector<Study>{} << int(Estimator::REML) << int(P::NoStudies) << false;
        QTest::newRow("one study, EE") << one << int(Estimator::EE) << int(P::None) << false;
        QTest::newRow("one study, REML")
            << one << int(Estimator::REML) << int(P::OneStudy) << false;
        QTest::newRow("identical studies")
            << same << int(Estimator::REML) << int(P::NoHeterogeneity) << false;
        QTest::newRow("every SE alike") << equalSe << int(Estimator::DL) << int(P::None) << false;
        QTest::newRow("two studies") << std::vector<Study>{{0.1, 0.02}, {0.6, 0.05}}
                                     << int(Estimator::REML) << int(P::None) << false;
    }
    void thinInput() {
        QFETCH(std::vector<Study>, studies);
        QFETCH(int, estimator);
        QFETCH(int, problem);
        QFETCH(bool, egger);
        const auto pooled = lx::meta::pool(studies, Estimator(estimator), Test::Z, 0.95);
        QCOMPARE(int(pooled.problem), problem);
        QCOMPARE(bool(lx::meta::eggerTest(studies)), egger);
        if (studies.size() == 1 && pooled.problem == lx::meta::PoolProblem::None) {
            QCOMPARE(pooled.estimate, studies.front().yi); // EE of one study is the study
            QCOMPARE(pooled.se, std::sqrt(studies.front().vi));
        }
        if (pooled.problem == lx::meta::PoolProblem::NoHeterogeneity) {
            QVERIFY(!pooled.h2);
        }
    }
};

QTEST_GUILESS_MAIN(TestMetaAnalysis)
#include "test_meta_analysis.moc"
