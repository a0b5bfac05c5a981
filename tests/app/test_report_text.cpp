// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/report_text.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace lx;

namespace {

TwoSampleReport reportOf(const QString& six) {
    const QStringList v = six.split(u'|');
    const Summary summary{v[0].toInt(), v[1].toDouble(), v[2].toDouble(),
                          v[3].toInt(), v[4].toDouble(), v[5].toDouble()};
    return twoSampleReport(summary);
}

} // namespace

class TestReportText : public QObject {
    Q_OBJECT
private slots:
    // The reporting lines of summaries at the edges: tiny p, a test without
    // enough observations.
    void reportingLines_data() {
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("p below .001") << "10|9|1|10|1|1" << 0 << "p < .001";
        QTest::newRow("p near 1 keeps its zero") << "10|5|1|10|4.999|1" << 0 << "p = .998";
        QTest::newRow("p rounding to 1") << "10|5|1|10|4.9999|1" << 0 << "p > .999,";
        QTest::newRow("p of equal means") << "10|5|1|10|5|1" << 1 << "p > .999,";
        QTest::newRow("huge t in exponent form")
            << "5|1e300|1|5|-1e300|1" << 0 << "t(8) = 3.16E+300, p < .001, M1 − M2 = 2.00E+300";
        QTest::newRow("huge interval in exponent form")
            << "5|1e300|1|5|-1e300|1" << 1 << "CI [2.00E+300, 2.00E+300]";
        QTest::newRow("negative t") << "10|4|1|10|5|1" << 0 << "t(18) = -2.24";
        QTest::newRow("Bayes factor of equal means")
            << "10|5|1|10|5|1" << 0 << "BF\u2081\u2080 = 0.397";
        QTest::newRow("Bayes factor undefined") << "1|5|0|1|4|0" << 0 << "BF\u2081\u2080 = \u2013";
        QTest::newRow("Welch undefined")
            << "1|5|0|1|4|0" << 1
            << QString("Welch's t(\u2013) = \u2013, p = \u2013, 95% CI \u2013");
    }
    void reportingLines() {
        QFETCH(QString, summary);
        QFETCH(int, line);
        QFETCH(QString, expected);
        const QString text =
            report_text::clipboardText(reportOf(summary), QLocale(QLocale::English));
        const QString shown = text.split(u'\n').value(line);
        QVERIFY2(shown.contains(expected), qPrintable(shown));
    }

    // No p reads as 1 short of 1: t(18) = 4.47 gives p(M1 < M2) = 0.999853 (SciPy's
    // t.cdf), which three significant digits would round to "1.00".
    void pNearOneTellsItselfFromOne_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("English") << QLocale(QLocale::English) << "0.9999";
        QTest::newRow("German") << QLocale(QLocale::German) << "0,9999";
    }
    void pNearOneTellsItselfFromOne() {
        QFETCH(QLocale, locale);
        const std::vector<report_text::Row> rows =
            report_text::rows(reportOf("10|5|1|10|3|1"), locale);
        const auto row = std::find_if(rows.begin(), rows.end(), [](const report_text::Row& r) {
            return r.name == QStringLiteral("p (M1 < M2)");
        });
        QVERIFY(row != rows.end());
        QTEST(report_text::cellText(row->student, row->kind, locale), "text");
        QTEST(report_text::cellText(row->welch, row->welchKind(), locale), "text");
    }

    // The one-sided Bayes factor is the one in the direction of the difference.
    void oneSidedBayesFactor_data() {
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("M1 > M2") << "10|5|1|10|4|1" << QString("BF\u208A\u2080 (M1 > M2)")
                                 << "3.90";
        QTest::newRow("M1 < M2") << "10|4|1|10|5|1" << QString("BF\u208B\u2080 (M1 < M2)")
                                 << "3.90";
    }
    void oneSidedBayesFactor() {
        QFETCH(QString, summary);
        QFETCH(QString, name);
        const std::vector<report_text::Row> rows =
            report_text::rows(reportOf(summary), QLocale(QLocale::English));
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [&](const report_text::Row& r) { return r.name == name; });
        QVERIFY(row != rows.end());
        QTEST(report_text::cellText(row->student, row->kind, QLocale(QLocale::English)), "text");
    }

    // The prior scale in the Bayes factor's name is a number like the others.
    void bayesFactorNameUsesTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << QLocale(QLocale::English)
                                 << QString("BF\u2081\u2080 (r = 0.707)");
        QTest::newRow("German") << QLocale(QLocale::German)
                                << QString("BF\u2081\u2080 (r = 0,707)");
    }
    void bayesFactorNameUsesTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, name);
        const std::vector<report_text::Row> rows =
            report_text::rows(reportOf("10|5|1|10|4|1"), locale);
        QVERIFY(std::any_of(rows.begin(), rows.end(),
                            [&](const report_text::Row& r) { return r.name == name; }));
    }

    // A Bayes factor whose quadrature did not settle says so in its cell, its copied cell and
    // the reporting line, where an undefined one shows a dash; the other factors stay.
    void bayesFactorNotComputable_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("bf10");
        QTest::addColumn<QString>("oneSided");
        QTest::addColumn<QString>("line");
        QTest::newRow("BF10") << "10"
                              << "not computable"
                              << "3.90"
                              << "BF\u2081\u2080 = not computable";
        QTest::newRow("BF+0") << "+"
                              << "2.03"
                              << "not computable"
                              << "BF\u2081\u2080 = 2.03";
        QTest::newRow("BF-0, the other side") << "-"
                                              << "2.03"
                                              << "3.90"
                                              << "BF\u2081\u2080 = 2.03";
    }
    void bayesFactorNotComputable() {
        QFETCH(QString, failing);
        const QLocale english(QLocale::English);
        TwoSampleReport report = reportOf("10|5|1|10|4|1");
        Figure<double>& part = failing == "10"  ? report.bayesFactors.logBf10
                               : failing == "+" ? report.bayesFactors.logBfPlus
                                                : report.bayesFactors.logBfMinus;
        part = Undefined::NotFound;
        const std::vector<report_text::Row> rows = report_text::rows(report, english);
        const auto cell = [&](const QString& start) {
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const report_text::Row& r) {
                return r.name.startsWith(start);
            });
            return row == rows.end() ? QString("no row")
                                     : report_text::cellText(row->student, row->kind, english);
        };
        QTEST(cell(QStringLiteral("BF\u2081\u2080")), "bf10");
        QTEST(cell(QStringLiteral("BF\u208A\u2080")), "oneSided");
        const QStringList lines = report_text::clipboardText(report, english).split(u'\n');
        QFETCH(QString, line);
        QVERIFY2(lines.value(0).endsWith(line), qPrintable(lines.value(0)));
        QFETCH(QString, oneSided);
        const QStringList copied = lines.filter(QStringLiteral("BF+0 (M1 > M2)\t"));
        QCOMPARE(copied.size(), 1);
        QCOMPARE(copied[0].split(u'\t').value(1) == "not computable", oneSided == "not computable");
    }

    // Undefined figures show an en dash; absent ones (the single-value rows'
    // second column) nothing.
    void tableCells() {
        const TwoSampleReport report = reportOf("1|5|0|1|4|0");
        for (const report_text::Row& row : report_text::rows(report, QLocale(QLocale::English))) {
            const QString welch =
                report_text::cellText(row.welch, row.welchKind(), QLocale(QLocale::English));
            QCOMPARE(welch, row.spans() ? QString() : report_text::undefinedText());
        }
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "test_report_text.moc"
