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
    void significantDigits_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("t") << 2.2360679774997898 << 4 << "en_US"
                           << "2.236";
        QTest::newRow("trailing zeros stay") << 1.0 << 4 << "en_US"
                                             << "1.000";
        QTest::newRow("p") << 0.0382496 << 3 << "en_US"
                           << "0.0382";
        QTest::newRow("small p in plain form") << 0.00012345 << 3 << "en_US"
                                               << "0.000123";
        QTest::newRow("tiny p in exponent form") << 0.000012345 << 3 << "en_US"
                                                 << "1.23E-05";
        QTest::newRow("rounding up adds a digit") << 9.9996 << 4 << "en_US"
                                                  << "10.00";
        QTest::newRow("no group separator") << 12345.6 << 4 << "en_US"
                                            << "12346";
        QTest::newRow("negative") << -0.0532149 << 4 << "en_US"
                                  << "-0.05321";
        QTest::newRow("decimal comma") << 2.2360679774997898 << 4 << "de_DE"
                                       << "2,236";
        QTest::newRow("below a million in plain form") << 123456.7 << 4 << "en_US"
                                                       << "123457";
        QTest::newRow("a million in exponent form") << 1234567.0 << 4 << "en_US"
                                                    << "1.235E+06";
        QTest::newRow("rounding up to a million") << -999999.7 << 4 << "en_US"
                                                  << "-1.000E+06";
        QTest::newRow("huge") << 3.16227766016838e300 << 4 << "de_DE"
                              << "3,162E+300";
    }
    void significantDigits() {
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(QString, locale);
        QTEST(report_text::significant(value, digits, QLocale(locale)), "text");
    }

    // Bayes factors come as logs: plain from 1e-4 to 1e4, exponent form
    // outside, also beyond the range of a double.
    void bayesFactors_data() {
        QTest::addColumn<double>("logBf");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("window's example") << std::log(2.0305608) << "en_US"
                                          << "2.03";
        QTest::newRow("decimal comma") << std::log(2.0305608) << "de_DE"
                                       << "2,03";
        QTest::newRow("small, plain") << std::log(0.00012) << "en_US"
                                      << "0.000120";
        QTest::newRow("below 1e-4") << std::log(3e-5) << "en_US"
                                    << "3.00E-05";
        QTest::newRow("rounds to 1e4") << std::log(9999.6) << "en_US"
                                       << "1.00E+04";
        QTest::newRow("large") << std::log(12345.0) << "en_US"
                               << "1.23E+04";
        QTest::newRow("beyond a double") << 1242.7696706720119 << "en_US"
                                         << "5.35E+539";
        QTest::newRow("below a double") << -1242.7696706720119 << "de_DE"
                                        << "1,87E-540";
    }
    void bayesFactors() {
        QFETCH(double, logBf);
        QFETCH(QString, locale);
        QTEST(report_text::bayesFactorText(logBf, 3, QLocale(locale)), "text");
    }

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
