// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of reported results against verdicts worked independently (see
// tools/reported_checks), and the reading of reported p values.
#include "stats/granularity.h"
#include "stats/reported_checks.h"
#include "stats/rounded_summary_ranges.h"

#include <QFile>
#include <QTest>

#include <cmath>

using namespace lx;

Q_DECLARE_METATYPE(lx::Summary)

namespace {

reported::Typed typed(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    return {text.toDouble(), point < 0 ? 0 : static_cast<int>(text.size() - point - 1)};
}

QString pWord(reported::PVerdict v) {
    switch (v) {
    case reported::PVerdict::Consistent:
        return QStringLiteral("consistent");
    case reported::PVerdict::Inconsistent:
        return QStringLiteral("inconsistent");
    case reported::PVerdict::DecisionError:
        return QStringLiteral("decision_error");
    case reported::PVerdict::ConsistentOtherTail:
        return QStringLiteral("consistent_other_tail");
    case reported::PVerdict::Impossible:
        break;
    }
    return QStringLiteral("impossible");
}

QString fitWord(reported::FitVerdict v) {
    switch (v) {
    case reported::FitVerdict::ConsistentPooled:
        return QStringLiteral("consistent_pooled");
    case reported::FitVerdict::ConsistentWelch:
        return QStringLiteral("consistent_welch");
    case reported::FitVerdict::ConsistentBoth:
        return QStringLiteral("consistent_both");
    case reported::FitVerdict::Inconsistent:
        break;
    }
    return QStringLiteral("inconsistent");
}

QString granularityWord(granularity::Verdict v) {
    return v == granularity::Verdict::Consistent     ? QStringLiteral("consistent")
           : v == granularity::Verdict::Inconsistent ? QStringLiteral("inconsistent")
                                                     : QStringLiteral("untestable");
}

} // namespace

class TestReportedChecks : public QObject {
    Q_OBJECT
private slots:
    void reference_data() {
        QTest::addColumn<QStringList>("row");
        QFile file(QStringLiteral(CHECKS_REFERENCE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        file.readLine();
        int line = 1;
        while (!file.atEnd()) {
            const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(u',');
            QTest::addRow("line %d: %s", ++line, qPrintable(cells.join(u' '))) << cells;
        }
        QVERIFY(line > 50);
    }
    void reference() {
        QFETCH(QStringList, row);
        QCOMPARE(row.size(), 12);
        const QString kind = row[0];
        const QString& expected = row[11];
        Summary s;
        TypedRounding rounding;
        if (!row[1].isEmpty()) {
            s = {row[1].toInt(), row[2].toDouble(), row[3].toDouble(),
                 row[4].toInt(), row[5].toDouble(), row[6].toDouble()};
            rounding = TypedRounding::ofDecimals(typed(row[2]).decimals, typed(row[3]).decimals,
                                                 typed(row[5]).decimals, typed(row[6]).decimals);
        }
        if (kind == QLatin1String("p")) {
            const auto p = reported::parseP(row[10].toStdString(), 0.05);
            QVERIFY(p);
            const auto check = reported::checkP(typed(row[8]), row[9].toDouble(), *p, 0.05);
            QVERIFY(check);
            QCOMPARE(pWord(check->verdict), expected);
        } else if (kind == QLatin1String("t")) {
            const auto verdict = reported::checkT(typed(row[8]), s, rounding);
            QVERIFY(verdict);
            QCOMPARE(fitWord(*verdict), expected);
        } else if (kind == QLatin1String("df")) {
            const auto verdict = reported::checkDf(typed(row[9]), s, rounding);
            QVERIFY(verdict);
            QCOMPARE(fitWord(*verdict), expected);
        } else if (kind == QLatin1String("grim_mean")) {
            const auto mean = typed(row[2]);
            QCOMPARE(granularityWord(granularity::meanVerdict(
                         row[1].toInt(), {mean.value, mean.decimals}, row[7].toInt())),
                     expected);
        } else {
            QCOMPARE(kind, QStringLiteral("grim_sd"));
            const auto mean = typed(row[2]);
            const auto sd = typed(row[3]);
            QCOMPARE(
                granularityWord(granularity::sdVerdict(row[1].toInt(), {mean.value, mean.decimals},
                                                       {sd.value, sd.decimals}, row[7].toInt())),
                expected);
        }
    }

    // Reported p of either tail, and p of 0, against SciPy (tools/reported_checks/p_tails.py):
    // the verdict and the p of the t as typed on the tail it was judged on.
    void pTails_data() {
        QTest::addColumn<QStringList>("row");
        QFile file(QStringLiteral(P_TAILS_REFERENCE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        file.readLine();
        int line = 1;
        while (!file.atEnd()) {
            const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(u',');
            QTest::addRow("line %d: %s", ++line, qPrintable(cells.join(u' '))) << cells;
        }
        QVERIFY(line > 20);
    }
    void pTails() {
        QFETCH(QStringList, row);
        QCOMPARE(row.size(), 7);
        const auto tails =
            row[3] == QLatin1String("1") ? reported::Tails::One : reported::Tails::Two;
        const auto p = reported::parseP(row[2].toStdString(), 0.05);
        QVERIFY(p);
        const auto check = reported::checkP(typed(row[0]), row[1].toDouble(), *p, 0.05, tails);
        QVERIFY(check);
        QCOMPARE(pWord(check->verdict), row[4]);
        const double expected = row[6].toDouble();
        QVERIFY2(std::fabs(check->recomputed - expected) <= 1e-12 * expected,
                 qPrintable(QString::number(check->recomputed, 'g', 17)));
        // Without a reported p there is no other tail to judge on.
        if (row[5] != QLatin1String("other")) {
            const auto alone = reported::recomputedP(typed(row[0]), row[1].toDouble(), tails);
            QVERIFY(alone);
            QCOMPARE(*alone, check->recomputed);
        }
    }

    void parsesP_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("relation"); // -1 less, 0 equal, 1 greater; 9 unreadable
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::newRow("bare") << ".038" << 0 << 0.038 << 3;
        QTest::newRow("leading zero") << "0.038" << 0 << 0.038 << 3;
        QTest::newRow("equals and blanks") << " p = .04 " << 0 << 0.04 << 2;
        QTest::newRow("less") << "<.001" << -1 << 0.001 << 3;
        QTest::newRow("greater") << "P > .05" << 1 << 0.05 << 2;
        QTest::newRow("ns") << "n.s." << 1 << 0.05 << 0;
        QTest::newRow("equals ns") << "= ns" << 1 << 0.05 << 0;
        QTest::newRow("p equals n.s.") << "p = n.s." << 1 << 0.05 << 0;
        QTest::newRow("less than ns") << "< ns" << 9 << 0.0 << 0;
        QTest::newRow("decimal comma") << "= 0,12" << 0 << 0.12 << 2;
        // As the text check reads them: a power of ten's decimals count the shifted digits.
        QTest::newRow("times a power of ten") << "p = 2.3 × 10^-5" << 0 << 2.3e-5 << 6;
        QTest::newRow("x and no caret") << "< 1 x 10-4" << -1 << 1e-4 << 4;
        QTest::newRow("e notation") << "= 4.05e-8" << 0 << 4.05e-8 << 10;
        QTest::newRow("above 1") << "1.2" << 9 << 0.0 << 0;
        QTest::newRow("two points") << ".0.3" << 9 << 0.0 << 0;
        QTest::newRow("words") << "significant" << 9 << 0.0 << 0;
        QTest::newRow("empty") << "" << 9 << 0.0 << 0;
    }
    void parsesP() {
        QFETCH(QString, text);
        QFETCH(int, relation);
        QFETCH(double, value);
        QFETCH(int, decimals);
        const auto p = reported::parseP(text.toStdString(), 0.05);
        QCOMPARE(p.has_value(), relation != 9);
        if (p) {
            const int got = p->relation == reported::ReportedP::Relation::Less      ? -1
                            : p->relation == reported::ReportedP::Relation::Greater ? 1
                                                                                    : 0;
            QCOMPARE(got, relation);
            QCOMPARE(p->value, value);
            QCOMPARE(p->decimals, decimals);
        }
    }

    // Large samples and fine SDs stay quick: either settled by the lattice argument or
    // untestable, never a long search.
    void granularityStaysBounded() {
        QCOMPARE(granularity::sdVerdict(999999, {3.5, 2}, {1.234567, 6}, 1),
                 granularity::Verdict::Consistent);
        QCOMPARE(granularity::sdVerdict(8, {1000000.5, 1}, {400000.5, 1}, 1),
                 granularity::Verdict::Untestable);
        QCOMPARE(granularity::meanVerdict(2147483647, {5.19, 2}, 2147483647),
                 granularity::Verdict::Untestable);
    }

    // N1 + N2 beyond the range of a 32-bit count: the pooled t still has its df, and Welch's
    // df still peaks at N1 + N2 - 2 where the SDs' rounding lets SE1^2 / SE2^2 reach
    // (N1 - 1) / (N2 - 1).
    void countsNearTheirLimit_data() {
        QTest::addColumn<Summary>("summary");
        QTest::addColumn<bool>("pooledT");
        QTest::addColumn<double>("highestWelchDf"); // NaN: no Welch df
        const double none = std::nan("");
        QTest::newRow("N1 at the limit, N2 1")
            << Summary{2147483647, 5, 1, 1, 4, 1} << true << none;
        QTest::newRow("both N 2e9")
            << Summary{2000000000, 5, 1, 2000000000, 4, 1} << true << 3999999998.0;
    }
    void countsNearTheirLimit() {
        QFETCH(Summary, summary);
        QFETCH(bool, pooledT);
        QFETCH(double, highestWelchDf);
        const TypedRounding rounding = TypedRounding::ofDecimals(0, 0, 0, 0);
        QCOMPARE(reported::tRanges(summary, rounding).pooled.hasValue(), pooledT);
        const Figure<Interval> df = reported::welchDfRange(summary, rounding);
        QCOMPARE(df.hasValue(), !std::isnan(highestWelchDf));
        if (df) {
            QVERIFY2(std::fabs(df->upper - highestWelchDf) <= 1e-12 * highestWelchDf,
                     qPrintable(QString::number(df->upper, 'g', 17)));
        }
    }
};

QTEST_APPLESS_MAIN(TestReportedChecks)
#include "test_reported_checks.moc"
