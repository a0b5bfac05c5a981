// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/figure_text.h"

#include <QTest>

#include <cmath>

using namespace lx;

class TestFigureText : public QObject {
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
        QTEST(figure_text::significant(value, digits, QLocale(locale)), "text");
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
        QTEST(figure_text::bayesFactor(logBf, 3, QLocale(locale)), "text");
    }

    // A p is never shown as a p it is not: never 1 short of 1, never 0 short of 0.
    void pValues_data() {
        QTest::addColumn<double>("p");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("ordinary") << 0.0382496 << "en_US"
                                  << "0.0382";
        QTest::newRow("just below rounding to 1") << 0.99949 << "en_US"
                                                  << "0.999";
        QTest::newRow("rounds to 1 at three digits") << 0.99985 << "en_US"
                                                     << "0.9999";
        QTest::newRow("decimal comma") << 0.99985 << "de_DE"
                                       << "0,9999";
        QTest::newRow("needs six decimals") << 0.999996 << "en_US"
                                            << "0.999996";
        QTest::newRow("closer to 1 than six decimals") << 1 - 1e-9 << "en_US"
                                                       << "> 0.999999";
        QTest::newRow("beyond six decimals, decimal comma") << 1 - 1e-9 << "de_DE"
                                                            << "> 0,999999";
        QTest::newRow("exactly 1, as t = 0 gives") << 1.0 << "de_DE"
                                                   << "1";
        QTest::newRow("tiny") << 1.2345e-7 << "en_US"
                              << "1.23E-07";
        QTest::newRow("underflow") << 0.0 << "en_US"
                                   << "< 2.23E-308";
    }
    void pValues() {
        QFETCH(double, p);
        QFETCH(QString, locale);
        QTEST(figure_text::pValue(p, 3, QLocale(locale)), "text");
    }
};

QTEST_APPLESS_MAIN(TestFigureText)
#include "test_figure_text.moc"
