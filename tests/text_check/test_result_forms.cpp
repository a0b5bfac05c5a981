// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted_csv.h"

#include "text_check/finder.h"
#include "text_check/judge.h"
#include "text_check/verdict_words.h"

#include <QFile>
#include <QTest>

using namespace lx::text_check;
using Relation = lx::reported::ReportedP::Relation;

// The forms of a result as PDF and HTML text of papers hold them: flattened subscripts, the ways
// a p is written, numbers between a test and its p, a legend's p before its test, and the
// glyphs a damaged font prints.
class TestResultForms : public QObject {
    Q_OBJECT

private slots:
    void printed_data();
    void printed();
    // Text that holds no result of a t or an F(1, df), however like one it looks.
    void refused_data();
    void refused();
    // A reading that took a repair of damaged glyphs says so.
    void repaired_data();
    void repaired();
    // An effect size is the result's of its own sentence only.
    void effectOfTheSentence_data();
    void effectOfTheSentence();
    // The words that make a test one-sided reach a result of the new forms too.
    void oneSided_data();
    void oneSided();
    // A paragraph of seven results, each found with the verdict worked in SciPy.
    void paragraph();
};

void TestResultForms::printed_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("statistic");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("df");
    QTest::addColumn<int>("relation");
    QTest::addColumn<double>("p");
    QTest::addColumn<int>("pDecimals");
    const int eq = int(Relation::Equal);
    const int lt = int(Relation::Less);
    const int gt = int(Relation::Greater);
    // Forms of the real papers' passages (tests/check/real_papers).
    QTest::newRow("table cells between F and p") << "| F (1,56) = 3.0 | η2 = .051 | p = .09 |"
                                                 << "F" << 3.0 << 56.0 << eq << 0.09 << 2;
    QTest::newRow("a critical t between") << "t(17) = 2.52; t'crit = 2.46; p < .001"
                                          << "t" << 2.52 << 17.0 << lt << 0.001 << 3;
    QTest::newRow("slash between F's dfs") << "F(1/58) = 9.7, P < 0.01"
                                           << "F" << 9.7 << 58.0 << lt << 0.01 << 2;
    QTest::newRow("d.f. for df") << "(t = 2.95; d.f. = 23; p = .007)"
                                 << "t" << 2.95 << 23.0 << eq << 0.007 << 3;
    QTest::newRow("subscript df") << "t63 = 4.06, P = 0.0001"
                                  << "t" << 4.06 << 63.0 << eq << 0.0001 << 4;
    QTest::newRow("subscript df on the next line") << "t\n46 = 3.52, p < .001"
                                                   << "t" << 3.52 << 46.0 << lt << 0.001 << 3;
    QTest::newRow("subscript df and a comma") << "t7, = 3.1, p = .017"
                                              << "t" << 3.1 << 7.0 << eq << 0.017 << 3;
    QTest::newRow("subscript df, e notation") << "t8 = \u221220.01, p=4.05e-8"
                                              << "t" << -20.01 << 8.0 << eq << 4.05e-8 << 10;
    QTest::newRow("subscript dfs of F") << "F1,7 = 18.5, p < 0.01"
                                        << "F" << 18.5 << 7.0 << lt << 0.01 << 2;
    QTest::newRow("subscript df, German") << "t63 = 4,06; p = 0,0001"
                                          << "t" << 4.06 << 63.0 << eq << 0.0001 << 4;
    QTest::newRow("capital P") << "t(48) = 0.88, P = 0.38"
                               << "t" << 0.88 << 48.0 << eq << 0.38 << 2;
    QTest::newRow("capital P bound") << "t(48) = 2.27, P < 0.05"
                                     << "t" << 2.27 << 48.0 << lt << 0.05 << 2;
    QTest::newRow("p-value") << "t(58) = 2.01, p-value = 0.049"
                             << "t" << 2.01 << 58.0 << eq << 0.049 << 3;
    QTest::newRow("p value") << "t(58) = 4.01, p value < .001"
                             << "t" << 4.01 << 58.0 << lt << 0.001 << 3;
    QTest::newRow("p in parentheses") << "t(58) = 2.51\n(p = .015)"
                                      << "t" << 2.51 << 58.0 << eq << 0.015 << 3;
    QTest::newRow("p in brackets") << "t(58) = 2.51 [p = .015]"
                                   << "t" << 2.51 << 58.0 << eq << 0.015 << 3;
    QTest::newRow("p before the df") << "t = 2.51; p = .015; df = 58"
                                     << "t" << 2.51 << 58.0 << eq << 0.015 << 3;
    QTest::newRow("star behind") << "t(58) = 2.51, p = 0.015*"
                                 << "t" << 2.51 << 58.0 << eq << 0.015 << 3;
    QTest::newRow("em dash minus") << "t(58) = \u20142.51, p = .015"
                                   << "t" << -2.51 << 58.0 << eq << 0.015 << 3;
    QTest::newRow("power of ten split") << "t(58) = 3.90, p = 2.9 \u00d7 10 \u22124"
                                        << "t" << 3.90 << 58.0 << eq << 2.9e-4 << 5;
    QTest::newRow("superscript power of ten") << "t(58) = 12.5, p = 2.1 \u00d7 10\u207b\u00b9\u2078"
                                              << "t" << 12.5 << 58.0 << eq << 2.1e-18 << 19;
    QTest::newRow("MSE between") << "F(1, 166) = 4.12, MSE = 0.075, p = .04"
                                 << "F" << 4.12 << 166.0 << eq << 0.04 << 2;
    QTest::newRow("MSE between, German") << "F(1, 166) = 4,12, MSE = 0,075, p = ,04"
                                         << "F" << 4.12 << 166.0 << eq << 0.04 << 2;
    QTest::newRow("SE between") << "t(58) = 2.51, SE = 0.41, p = .015"
                                << "t" << 2.51 << 58.0 << eq << 0.015 << 3;
    QTest::newRow("partial eta squared between") << "F(1, 83) = 4.37, \u03b7p\u00b2 = .05, p = .040"
                                                 << "F" << 4.37 << 83.0 << eq << 0.040 << 3;
    QTest::newRow("legend's p before") << "Unpaired Student's t-test, *p<0.05, t = 2.692, df = 10."
                                       << "t" << 2.692 << 10.0 << lt << 0.05 << 2;
    QTest::newRow("letter l for 1") << "F(l, 76) = 5.10, p = .027"
                                    << "F" << 5.10 << 76.0 << eq << 0.027 << 3;
    QTest::newRow("b for <") << "t(40) = 3.90, pb.001"
                             << "t" << 3.90 << 40.0 << lt << 0.001 << 3;
    QTest::newRow("! for =") << "t(40) = 2.10, p ! .04"
                             << "t" << 2.10 << 40.0 << eq << 0.04 << 2;
    QTest::newRow("p for =") << "t(60) p 1.98, p = .052"
                             << "t" << 1.98 << 60.0 << eq << 0.052 << 3;
    QTest::newRow("Welch df with decimal commas") << "t(57,654) = 2,01; p = 0,049"
                                                  << "t" << 2.01 << 57.654 << eq << 0.049 << 3;
    QTest::newRow("beside a surrogate without its pair")
        << QString(QChar(0xDC00)) + "t(58) = 2.51, p = .015" + QChar(0xD800) << "t" << 2.51 << 58.0
        << eq << 0.015 << 3;
    QTest::newRow("thousands df with decimal points") << "t(1,234) = 2.01, p = .045"
                                                      << "t" << 2.01 << 1234.0 << eq << 0.045 << 3;
    QTest::newRow("not significant in words") << "[F(1, 30) = 1.44, not significant]"
                                              << "F" << 1.44 << 30.0 << gt << 0.0 << 0;
    QTest::newRow("not significant, German") << "F(1, 30) = 1,44, nicht signifikant"
                                             << "F" << 1.44 << 30.0 << gt << 0.0 << 0;
    QTest::newRow("p in the next table cell") << "| Mixed | F1,37 = 0.003 | 0.959 |"
                                              << "F" << 0.003 << 37.0 << eq << 0.959 << 3;
    QTest::newRow("p bound in the next cell") << "| t(20) = 4.10 | <.001 |"
                                              << "t" << 4.10 << 20.0 << lt << 0.001 << 3;
    QTest::newRow("scanned f for t, minus apart") << "(f= — 1.79; d.f. = 23; p = 0.09)"
                                                  << "t" << -1.79 << 23.0 << eq << 0.09 << 2;
    QTest::newRow("table headed t test (df)")
        << "Cohen d t test (df) P value\nTreatment 7.85 (3.73) 5.06 (4.71) 0.60 3.48 (33) .001"
        << "t" << 3.48 << 33.0 << eq << 0.001 << 3;
    QTest::newRow("table headed t test (df), bound")
        << "t test (df) P value\n\nTreatment 55.20 (6.52) 0.65 3.79 (33) <.001 0.27 (–0.22 to "
           "0.77)"
        << "t" << 3.79 << 33.0 << lt << 0.001 << 3;
    QTest::newRow("a point before E") << "t(267.1) = 5.02, p = 9.4.E-07, Cohen's d = 0.51"
                                      << "t" << 5.02 << 267.1 << eq << 9.4e-7 << 8;
    QTest::newRow("a guillemet for <") << "(t(20) = 3.47, p‹.05)"
                                       << "t" << 3.47 << 20.0 << lt << 0.05 << 2;
    QTest::newRow("a guillemet for <, German") << "(t(20) = 3,47; p‹,05)"
                                               << "t" << 3.47 << 20.0 << lt << 0.05 << 2;
    QTest::newRow("df without a comma") << "the t-test was t = -0.08 df = 97, p = .94"
                                        << "t" << -0.08 << 97.0 << eq << 0.94 << 2;
    QTest::newRow("t with subscript 1 and its df") << "mm3, t1,21 = 1.156, P = 0.2606)"
                                                   << "t" << 1.156 << 21.0 << eq << 0.2606 << 4;
    QTest::newRow("R's F") << "## F = 4.7778, num df = 1, denom df = 57, p-value = 0.03295"
                           << "F" << 4.7778 << 57.0 << eq << 0.03295 << 5;
    QTest::newRow("table headed (statistic, df, P value)")
        << "Comparison (statistic, df, P value) |\n|\nAge |\n34.8 ± 10.4 |\nt = 0.7, 95, 0.472 |"
        << "t" << 0.7 << 95.0 << eq << 0.472 << 3;
    QTest::newRow("table headed T df p")
        << "t-test\n(N = 18) (N = 18) T df1 p\nAge (year) 44.0 (10.3) 36.9 (12.0) 1.9 34 .06"
        << "t" << 1.9 << 34.0 << eq << 0.06 << 2;
    QTest::newRow("table headed T df p, German")
        << "T df p\nAlter 44,0 (10,3) 36,9 (12,0) −0,8 34 ,43"
        << "t" << -0.8 << 34.0 << eq << 0.43 << 2;
    QTest::newRow("table with an F-ratio (1, df) column")
        << "F-ratio (1, 18) | p-value | F-ratio (35, 630) | p-value |\nGFA | 6.205 | 0.023* | "
           "2.340 | <0.001* |"
        << "F" << 6.205 << 18.0 << eq << 0.023 << 3;
    QTest::newRow("one cell a line")
        << "Trait\n\nt\n\ndf\n\nP\n\nBody Mass (g)\n\n288 ± 35\n\n258 ± 28\n\n2.84\n\n"
           "10.90\n\n0.016\n"
        << "t" << 2.84 << 10.9 << eq << 0.016 << 3;
    QTest::newRow("two-tailed and a page's line breaks before p")
        << "(t = 0.510, df = 998,<br />\n\ntwo-tailed ρ = 0.610)"
        << "t" << 0.51 << 998.0 << eq << 0.61 << 3;
    QTest::newRow("a parenthesis before the p") << "(F(1,56) = 13.02); p<0.05)"
                                                << "F" << 13.02 << 56.0 << lt << 0.05 << 2;
    QTest::newRow("df counted after a capital T")
        << "Age 69.9 (7.0) 70.2 (5.8) T=0.28, 238 df 0.7759\nSex, % female"
        << "t" << 0.28 << 238.0 << eq << 0.7759 << 4;
    QTest::newRow("Welch df counted after T") << "MMSE 28.27 (2.6) T= 2.69, 187.86 df 0.0077"
                                              << "t" << 2.69 << 187.86 << eq << 0.0077 << 4;
    QTest::newRow("df counted, German") << "Alter 69,9 (7,0) T=0,28; 238 df 0,7759"
                                        << "t" << 0.28 << 238.0 << eq << 0.7759 << 4;
    QTest::newRow("jamovi's console")
        << "## Statistic df p Effect Size\n## ------\n## rating Student's t -11.23097 1501.000 "
           "< .0000001 Cohen's d -0.5796458"
        << "t" << -11.23097 << 1501.0 << lt << 1e-7 << 7;
    QTest::newRow("test cells a line each, the p last")
        << "Test statistics with df\n\nn\n\neffect size\n\np\n\ntime(s)\n\nt76 = 8.007\n\n0.920\n\n"
           "0.005\n\n \n\nfreq"
        << "t" << 8.007 << 76.0 << eq << 0.005 << 3;
    QTest::newRow("table headed t(df), the df first")
        << "Treatment Gender N Mean t(df) p\n\nSIT Male 4 18.50 23 (-2.308) .030\n\nFemale 21 24.48"
        << "t" << -2.308 << 23.0 << eq << 0.03 << 3;
    QTest::newRow("R's analysis of variance")
        << "##              Df  Sum Sq Mean Sq F value     Pr(>F)    \n## Condition     1  27.195 "
           "27.1953  20.121 0.00001617 ***\n## Residuals   126 170.297  1.3516"
        << "F" << 20.121 << 126.0 << eq << 0.00001617 << 8;
    QTest::newRow("a df column apart from t and p")
        << "Variables | Phase 1, mean (SD) | Phase 2, mean (SD) | df | ANOVA | t test | P value "
           "(Cohen d) | |||\n|\n|\nF test | P value | Partial \u03b72 |\n|\nTP2 | 48.03 (12.67) | "
           "41.25 (7.54) | 46.19f | \u2014 | \u2014 | \u2014 | 2.34 | .02 (0.65) | ||||"
        << "t" << 2.34 << 46.19 << eq << 0.02 << 2;
    QTest::newRow("columns df, t, p")
        << "ASD Mean | ASD SD | df | t | p | ||\n---|---|---|---|---|\nWISC | Block Scaled | 12.3 "
           "| 2.8 "
           "| 50 | −0.575 | 0.568 |"
        << "t" << -0.575 << 50.0 << eq << 0.568 << 3;
    QTest::newRow("columns t, df, p, German")
        << "| Mittel | t | df | p |\n| Alter | 11,1 | 2,10 | 50 | ,041 |"
        << "t" << 2.10 << 50.0 << eq << 0.041 << 3;
    QTest::newRow("the df in the t column's header")
        << "| Factor | n | Group difference | t-ratio159 b | P | |\n|\nBaseline | 90 | 0.30 | 1.57 "
           "| "
           ".12 |"
        << "t" << 1.57 << 159.0 << eq << 0.12 << 2;
    QTest::newRow("an effect size between") << "(t(165.9) = -2.867, D = -0.442, p = 0.005)"
                                            << "t" << -2.867 << 165.9 << eq << 0.005 << 3;
    QTest::newRow("letters set apart") << "0.3% 𝑡 ( 1 5 ) = 1 . 4 2 0 , 𝑃 = . 1 8"
                                       << "t" << 1.42 << 15.0 << eq << 0.18 << 2;
    QTest::newRow("letters set apart, German") << "t ( 1 5 ) = 1 , 4 2 0 ; p = , 1 8"
                                               << "t" << 1.42 << 15.0 << eq << 0.18 << 2;
    QTest::newRow("mathematical letters") << "0.3% 𝑡(15) = .497, 𝑃 = .63"
                                          << "t" << 0.497 << 15.0 << eq << 0.63 << 2;
}

void TestResultForms::printed() {
    QFETCH(QString, text);
    QFETCH(double, p);
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(found.size(), std::size_t(1));
    QTEST(QString::fromLatin1(statisticWord(found[0].statistic)), "statistic");
    QTEST(found[0].value.value, "value");
    QTEST(found[0].df, "df");
    QTEST(int(found[0].p.relation), "relation");
    QVERIFY2(std::abs(found[0].p.value - p) <= 1e-12 * p, qPrintable(found[0].pText));
    QTEST(found[0].p.decimals, "pDecimals");
}

void TestResultForms::refused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("two dfs, one with a comma") << "t(2,28) = 2.20, p = .03";
    QTest::newRow("correlation") << "r(58) = .30, p = .02";
    QTest::newRow("chi squared") << "\u03c7\u00b2(1) = 4.2, p = .04";
    QTest::newRow("a study's size") << "In Study 2 (N = 40), p < .05 throughout.";
    QTest::newRow("a word's last t") << "The test (15) = 2.1, p = .04";
    QTest::newRow("a citation") << "Smith (2010) = 2.1, p = .04";
    QTest::newRow("a legend's p with words between")
        << "*p < 0.05. The mean rose over the weeks, t = 2.69, df = 10.";
    QTest::newRow("t with no df") << "t = 2.51; p = .015";
    QTest::newRow("a time point") << "Measured at t2 = 5.1, p = .03 later.";
    QTest::newRow("a time point, German") << "Von t1 bis t2 = 5,1; p = ,03.";
    QTest::newRow("b in a word") << "t(40) = 3.90, pbelow .001";
    QTest::newRow("Cohen's f") << "Cohen's f = 0.25, p = .03";
    QTest::newRow("next cell is no p") << "| t(20) = 4.10 | 2.31 |";
    QTest::newRow("a table's numbers without its header") << "0.60 3.48 (33) .001";
    QTest::newRow("a mean and its SD under the header") << "t test (df) P value\n7.85 (3.73) .12";
    QTest::newRow("a table's cells without its header") << "Age | 34.8 | t = 0.7, 95, 0.472 |";
    QTest::newRow("F-ratio of two dfs") << "F-ratio (35, 630) | p-value |\nGFA | 2.340 | <0.001* |";
    QTest::newRow("R's F with two numerator dfs")
        << "F = 4.7778, num df = 2, denom df = 57, p-value = 0.03295";
    QTest::newRow("an adjusted p") << "t1,21 = 2.109, FDR P = 0.21";
    QTest::newRow("numbers a line apart, no header") << "2.84\n\n10.90\n\n0.016\n";
    QTest::newRow("a capital T without its df") << "T = 2.3, p = .04";
    QTest::newRow("test cells without a p header") << "t76 = 8.007\n\n0.920\n\n0.005\n";
    QTest::newRow("columns of a mean and its SD")
        << "| Mean | SD | p |\n| Age | 11.1 | 1.2 | .41 |";
}

void TestResultForms::refused() {
    QFETCH(QString, text);
    QCOMPARE(int(findResults(text).size()), 0);
}

void TestResultForms::repaired_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("repaired");
    QTest::newRow("letter l") << "F(l, 76) = 5.10, p = .027" << true;
    QTest::newRow("b for <") << "t(40) = 3.90, pb.001" << true;
    QTest::newRow("! for =") << "t(40) = 2.10, p ! .04" << true;
    QTest::newRow("p for =") << "t(60) p 1.98, p = .052" << true;
    QTest::newRow("as printed") << "F(1, 76) = 5.10, p = .027" << false;
    QTest::newRow("a subscript is no damage") << "t63 = 4.06, P = 0.0001" << false;
    QTest::newRow("f for t") << "(f= -1.79; d.f. = 23; p = 0.09)" << true;
    QTest::newRow("a table's cell is no damage") << "| F1,37 = 0.003 | 0.959 |" << false;
    QTest::newRow("letters set apart") << "t ( 1 5 ) = . 4 9 7 , P = . 6 3" << true;
    QTest::newRow("rho for p") << "(t = 0.510, df = 998, two-tailed ρ = 0.610)" << true;
}

void TestResultForms::repaired() {
    QFETCH(QString, text);
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(found.size(), std::size_t(1));
    QTEST(found[0].repaired, "repaired");
}

void TestResultForms::effectOfTheSentence_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("effect"); // 0: none
    QTest::newRow("next sentence's d") << "t(28) = 2.20, p = .036. The next d = 0.80 was found "
                                          "elsewhere."
                                       << 0.0;
    QTest::newRow("earlier sentence's d") << "The pilot gave d = 0.80. Then t(28) = 2.20, "
                                             "p = .036."
                                          << 0.0;
    QTest::newRow("own sentence, after the CI")
        << "t(48) = 2.27, p = .028, 95% CI [0.12, 4.08], d = 0.64." << 0.64;
    QTest::newRow("own sentence, German")
        << "t(28) = 2,20, p = ,036, d = 0,80. Danach d = 0,10." << 0.80;
}

void TestResultForms::effectOfTheSentence() {
    QFETCH(QString, text);
    QFETCH(double, effect);
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(found.size(), std::size_t(1));
    QCOMPARE(found[0].effect ? found[0].effect->value.value : 0.0, effect);
}

void TestResultForms::oneSided_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("oneSided");
    QTest::newRow("einseitig, subscript df")
        << "Einseitig getestet: t63 = 1,70; P = 0,047." << true;
    QTest::newRow("einseitig, p in parentheses")
        << "Der Unterschied war einseitig signifikant, t(58) = 1,70 (p = ,047)." << true;
    QTest::newRow("one-tailed, legend's p")
        << "One-tailed t-test, *p<0.05, t = 1.90, df = 28." << true;
    QTest::newRow("the next sentence's words")
        << "t58 = 1.70, p-value = 0.094. One-tailed: t(28) = 1.80, p = .041." << false;
}

void TestResultForms::oneSided() {
    QFETCH(QString, text);
    const std::vector<FoundResult> found = findResults(text);
    QVERIFY(!found.empty());
    QTEST(found[0].oneSided, "oneSided");
}

void TestResultForms::paragraph() {
    QFile file(QStringLiteral(PARAGRAPH_TEXT));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::vector<FoundResult> found = findResults(QString::fromUtf8(file.readAll()));
    const auto rows = lx::test::readQuotedCsv(QStringLiteral(PARAGRAPH_REFERENCE));
    QCOMPARE(rows.size(), 7);
    QCOMPARE(found.size(), std::size_t(rows.size()));
    for (std::size_t k = 0; k < found.size(); ++k) {
        const auto& row = rows[qsizetype(k)];
        const Judgement judgement = judge(found[k], 0.05);
        QCOMPARE(found[k].value.value, row[QStringLiteral("value")].toDouble());
        QCOMPARE(found[k].df, row[QStringLiteral("df")].toDouble());
        QCOMPARE(QString::fromLatin1(verdictWord(judgement.verdict)),
                 row[QStringLiteral("verdict")]);
        QCOMPARE(QString::fromLatin1(effectWord(judgement.effect)), row[QStringLiteral("d_check")]);
        QCOMPARE(QString::fromLatin1(roundingWord(judgement.rounding)),
                 row[QStringLiteral("rounding")]);
    }
}

QTEST_GUILESS_MAIN(TestResultForms)
#include "test_result_forms.moc"
