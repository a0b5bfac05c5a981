// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted_csv.h"

#include "text_check/document_decode.h"
#include "text_check/finder.h"
#include "text_check/judge.h"
#include "text_check/verdict_words.h"

#include <QStringEncoder>
#include <QTest>

#include <cmath>

using namespace lx::text_check;
using Relation = lx::reported::ReportedP::Relation;

class TestTextCheck : public QObject {
    Q_OBJECT

private slots:
    // Statements worked with SciPy: each is found once, as the statistic and df it prints,
    // and gets the verdict and effect-size check of the reference.
    void referenceVerdicts_data();
    void referenceVerdicts();
    // What each form reads from a result, and what it refuses.
    void forms_data();
    void forms();
    // The words and numbers found beside a result belong to it, not to its neighbours.
    void context_data();
    void context();
    // The line a result is on, in a text of several lines.
    void lines();
    // The direction a one-sided test's difference took against the predicted one.
    void direction_data();
    void direction();
    void recomputedIsTheTailJudged_data();
    void recomputedIsTheTailJudged();
    // The two groups' means and SDs beside a result: which pair is whose, decimals kept.
    void descriptives_data();
    void descriptives();
    // Every encoding the batch tool reads, and HTML, give the text a reader sees.
    void decoding_data();
    void decoding();
};

void TestTextCheck::referenceVerdicts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("statistic");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("df");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QString>("rounding");
    const auto rows = lx::test::readQuotedCsv(QStringLiteral(STATEMENTS_REFERENCE));
    QVERIFY(rows.size() >= 200);
    for (const auto& row : rows) {
        QTest::newRow(qPrintable(row[QStringLiteral("name")]))
            << row[QStringLiteral("text")] << row[QStringLiteral("statistic")]
            << row[QStringLiteral("value")].toDouble() << row[QStringLiteral("df")].toDouble()
            << row[QStringLiteral("verdict")] << row[QStringLiteral("d_check")]
            << row[QStringLiteral("rounding")];
    }
}

void TestTextCheck::referenceVerdicts() {
    QFETCH(QString, text);
    QFETCH(QString, statistic);
    QFETCH(double, value);
    QFETCH(double, df);
    QFETCH(QString, verdict);
    QFETCH(QString, effect);
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(found.size(), std::size_t(1));
    QCOMPARE(QString::fromLatin1(statisticWord(found[0].statistic)), statistic);
    QCOMPARE(found[0].value.value, value);
    QCOMPARE(found[0].df, df);
    const Judgement judgement = judge(found[0], 0.05);
    QCOMPARE(QString::fromLatin1(verdictWord(judgement.verdict)), verdict);
    QTEST(QString::fromLatin1(roundingWord(judgement.rounding)), "rounding");
    QCOMPARE(QString::fromLatin1(effectWord(judgement.effect)), effect);
}

// The p written beside a one-tailed result is the tail's it was judged on: for a p above .5,
// the other direction's. SciPy: stats.t.cdf(t, 28) and stats.t.sf(t, 28) at t = 1.8 and at the
// ends of its rounding, 1.795 and 1.805.
void TestTextCheck::recomputedIsTheTailJudged_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("recomputed");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    const double below = 0.04132248055953676;
    const double above = 0.9586775194404633;
    QTest::newRow("observed side") << "t(28) = 1.80, p = .041, one-tailed." << below
                                   << 0.04092006886462146 << 0.04172826834988479;
    QTest::newRow("other side, consistent") << "As predicted (one-tailed), t(28) = 1.80, p = .959."
                                            << above << 0.9582717316501151 << 0.9590799311353786;
    QTest::newRow("other side, inconsistent")
        << "As predicted (one-tailed), t(28) = 1.80, p = .900." << above << 0.9582717316501151
        << 0.9590799311353786;
    QTest::newRow("against the prediction")
        << "We predicted that group A would score higher than group B. Group A scored lower "
           "than group B, t(28) = 1.80, p = .041, one-tailed."
        << above << 0.9582717316501151 << 0.9590799311353786;
}

void TestTextCheck::recomputedIsTheTailJudged() {
    QFETCH(QString, text);
    QFETCH(double, recomputed);
    QFETCH(double, low);
    QFETCH(double, high);
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(found.size(), std::size_t(1));
    const Judgement judgement = judge(found[0], 0.05);
    QVERIFY(judgement.oneTailedJudged);
    QVERIFY(judgement.recomputed && judgement.range);
    QVERIFY2(std::fabs(*judgement.recomputed - recomputed) < 1e-9,
             qPrintable(QString::number(*judgement.recomputed, 'g', 17)));
    QVERIFY(std::fabs(judgement.range->lower - low) < 1e-9);
    QVERIFY(std::fabs(judgement.range->upper - high) < 1e-9);
}

void TestTextCheck::forms_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("df");
    QTest::addColumn<int>("relation");
    QTest::addColumn<double>("p");
    QTest::addColumn<int>("pDecimals");
    const int eq = int(Relation::Equal);
    const int lt = int(Relation::Less);
    const int gt = int(Relation::Greater);
    QTest::newRow("apa") << "t(28) = 2.20, p = .036" << 1 << 2.20 << 28.0 << eq << 0.036 << 3;
    QTest::newRow("leading zero") << "t(28) = 2.20, p = 0.036" << 1 << 2.20 << 28.0 << eq << 0.036
                                  << 3;
    QTest::newRow("at most") << "t(28) = 2.20, p \u2264 .05" << 1 << 2.20 << 28.0 << lt << 0.05
                             << 2;
    QTest::newRow("at least typed")
        << "t(28) = 1.20, p >= .05" << 1 << 1.20 << 28.0 << gt << 0.05 << 2;
    QTest::newRow("semicolon") << "t(28)=2.2;p<.05" << 1 << 2.2 << 28.0 << lt << 0.05 << 2;
    QTest::newRow("exponent") << "t(120) = 6.10, p = 1.2e-8" << 1 << 6.10 << 120.0 << eq << 1.2e-8
                              << 9;
    QTest::newRow("times ten") << "t(120) = 6.10, p < 2 x 10^-4" << 1 << 6.10 << 120.0 << lt << 2e-4
                               << 4;
    QTest::newRow("welch") << "t(25.3) = 2.10, p = .046" << 1 << 2.10 << 25.3 << eq << 0.046 << 3;
    QTest::newRow("welch comma") << "t(25,3) = 2,10, p = ,046" << 1 << 2.10 << 25.3 << eq << 0.046
                                 << 3;
    QTest::newRow("thousands df") << "t(1,234) = 2.00, p = .046" << 1 << 2.00 << 1234.0 << eq
                                  << 0.046 << 3;
    QTest::newRow("minus sign") << "t(28) = \u22122.20, p = .036" << 1 << -2.20 << 28.0 << eq
                                << 0.036 << 3;
    QTest::newRow("en dash minus")
        << "t(28) = \u20132.20, p = .036" << 1 << -2.20 << 28.0 << eq << 0.036 << 3;
    QTest::newRow("line breaks") << "t(28)\r\n= 2.20,\np =\n.036" << 1 << 2.20 << 28.0 << eq
                                 << 0.036 << 3;
    QTest::newRow("f with semicolon")
        << "F(1; 28) = 4,84; p = ,036" << 1 << 4.84 << 28.0 << eq << 0.036 << 3;
    QTest::newRow("two in a sentence") << "t(28) = 2.20, p = .036 and t(30) = 0.50, p = .62" << 2
                                       << 2.20 << 28.0 << eq << 0.036 << 3;
    QTest::newRow("p above one kept to be judged")
        << "t(28) = 2.20, p = 1.36" << 1 << 2.20 << 28.0 << eq << 1.36 << 2;
    QTest::newRow("square brackets")
        << "t[28] = 2.20, p = .036" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
    QTest::newRow("two dfs") << "t(2, 28) = 2.20, p = .036" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
    QTest::newRow("two dfs of F") << "F(2, 28) = 4.84, p = .02" << 0 << 0.0 << 0.0 << eq << 0.0
                                  << 0;
    QTest::newRow("zero df") << "t(0) = 2.20, p = .036" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
    QTest::newRow("no p") << "t(28) = 2.20, which was large" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
    QTest::newRow("negative p") << "t(28) = 2.20, p = -.03" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
    QTest::newRow("exponent beyond any int")
        << "t(28) = 2.20, p = 3e-99999999999" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
    QTest::newRow("inside a word")
        << "Mat(28) = 2.20, p = .036" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
    QTest::newRow("p cut short") << "t(28) = 2.20, p = .03.6" << 0 << 0.0 << 0.0 << eq << 0.0 << 0;
}

void TestTextCheck::forms() {
    QFETCH(QString, text);
    QFETCH(int, count);
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(int(found.size()), count);
    if (count == 0) {
        return;
    }
    QTEST(found[0].value.value, "value");
    QTEST(found[0].df, "df");
    QTEST(int(found[0].p.relation), "relation");
    QCOMPARE(found[0].p.value, [] {
        QFETCH(double, p);
        return p;
    }());
    QTEST(found[0].p.decimals, "pDecimals");
}

void TestTextCheck::context_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("oneSided");
    QTest::addColumn<double>("effect"); // 0: none
    QTest::addColumn<int>("n1");        // 0: none
    QTest::addColumn<int>("total");
    QTest::newRow("effect after") << "t(28) = 2.20, p = .036, d = 0.80" << 0 << false << 0.80 << 0
                                  << 0;
    QTest::newRow("effect before")
        << "The effect (Hedges' g = 0.78) was clear, t(28) = 2.20, p = .036." << 0 << false << 0.78
        << 0 << 0;
    QTest::newRow("neighbour's effect not taken")
        << "t(28) = 2.20, p = .036, d = 0.80; t(28) = 1.10, p = .281" << 1 << false << 0.0 << 0
        << 0;
    QTest::newRow("group sizes") << "With n1 = 12 and n2 = 18, t(28) = 2.20, p = .036" << 0 << false
                                 << 0.0 << 12 << 0;
    QTest::newRow("subscript sizes")
        << "n\u2081 = 12, n\u2082 = 18: t(28) = 2.20, p = .036" << 0 << false << 0.0 << 12 << 0;
    QTest::newRow("sizes of another paragraph")
        << "With n1 = 12 and n2 = 18.\n\nA one-tailed test: t(28) = 2.20, p = .036" << 0 << true
        << 0.0 << 0 << 0;
    QTest::newRow("words of the next paragraph")
        << "t(28) = 2.20, p = .036, d = 0.80\r\n \r\nA one-tailed test: N = 30" << 0 << false
        << 0.80 << 0 << 0;
    QTest::newRow("sizes before the next result are its own")
        << "N = 30: t(28) = 2.20, p = .036. With n1 = 12 and n2 = 18, t(28) = 1.10, p = .281" << 0
        << false << 0.0 << 0 << 30;
    QTest::newRow("words of the next sentence")
        << "t(28) = 2.20, p = .018. One-tailed: t(30) = 1.80, p = .041" << 0 << false << 0.0 << 0
        << 0;
    QTest::newRow("sizes of the next sentence")
        << "t(28) = 2.20, p = .036. With n1 = 12 and n2 = 14, t(24) = 3.10, p = .005" << 0 << false
        << 0.0 << 0 << 0;
    QTest::newRow("sizes after, in the own sentence")
        << "t(28) = 2.20, p = .036 (n1 = 12, n2 = 18). Then t(24) = 3.10, p = .005" << 0 << false
        << 0.0 << 12 << 0;
    QTest::newRow("words of the own sentence after ns")
        << "t(28) = 1.20, n.s. (one-tailed). Then t(30) = 1.80, p = .041" << 0 << true << 0.0 << 0
        << 0;
    QTest::newRow("words of the html paragraph before")
        << textOfHtml("<p>t(28) = 2.20, p = .018, one-tailed.</p>\n<p>Then t(28) = 2.20, "
                      "p = .036</p>")
        << 1 << false << 0.0 << 0 << 0;
    QTest::newRow("total") << "N = 30; t(28) = 2.20, p = .036" << 0 << false << 0.0 << 0 << 30;
    QTest::newRow("one-tailed") << "A one-tailed test: t(28) = 2.20, p = .018" << 0 << true << 0.0
                                << 0 << 0;
    QTest::newRow("hyphen at a line break")
        << "A one-\ntailed test: t(28) = 2.20, p = .018" << 0 << true << 0.0 << 0 << 0;
    QTest::newRow("directional") << "Directional: t(28) = 2.20, p = .018" << 0 << true << 0.0 << 0
                                 << 0;
    QTest::newRow("non-directional")
        << "Non-directional: t(28) = 2.20, p = .036" << 0 << false << 0.0 << 0 << 0;
    QTest::newRow("einseitig") << "Einseitig getestet: t(28) = 2,20, p = ,018" << 0 << true << 0.0
                               << 0 << 0;
    QTest::newRow("ungerichtet") << "Ungerichtet: t(28) = 2,20, p = ,036" << 0 << false << 0.0 << 0
                                 << 0;
    QTest::newRow("two-tailed") << "A two-tailed test: t(28) = 2.20, p = .036" << 0 << false << 0.0
                                << 0 << 0;
}

void TestTextCheck::direction_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("direction");
    const int unstated = int(StatedDirection::Unstated);
    const int as = int(StatedDirection::AsPredicted);
    const int against = int(StatedDirection::AgainstPrediction);
    const QString predicted = QStringLiteral("We predicted that group A would score higher than "
                                             "group B. ");
    QTest::newRow("finding against") << predicted + "Group A scored lower than group B, "
                                                    "t(28) = 1.80, p = .041, one-tailed."
                                     << against;
    QTest::newRow("other group named first")
        << predicted + "Group B scored higher than group A, t(28) = 1.80, p = .041, one-tailed."
        << against;
    QTest::newRow("finding as predicted")
        << predicted + "Group A scored higher than group B, t(28) = 1.80, p = .041, one-tailed."
        << as;
    QTest::newRow("words between") << "We expected that the training group would show higher "
                                      "scores than the control group; the control group had "
                                      "better scores than the training group, t(28) = 1.80, "
                                      "p = .041, one-sided."
                                   << against;
    QTest::newRow("german") << "Wir erwarteten, dass Gruppe A höhere Werte als Gruppe B "
                               "erzielt. Gruppe A lag niedriger als Gruppe B, t(28) = 1,80, "
                               "p = ,041, einseitig."
                            << against;
    QTest::newRow("other groups")
        << predicted + "Group C scored lower than group D, t(28) = 1.80, p = .041, one-tailed."
        << unstated;
    QTest::newRow("prediction alone is no finding")
        << predicted + "t(28) = 1.80, p = .041, one-tailed." << unstated;
    QTest::newRow("as predicted") << "As predicted, t(28) = 1.80, p = .041, one-tailed." << as;
    QTest::newRow("contrary") << "Contrary to our hypothesis, t(28) = 1.80, p = .041, one-tailed."
                              << against;
    QTest::newRow("entgegen") << "Entgegen der Erwartung, t(28) = 1,80, p = ,041, einseitig."
                              << against;
    QTest::newRow("two-tailed tests are not read")
        << predicted + "Group A scored lower than group B, t(28) = 1.80, p = .041." << unstated;
}

void TestTextCheck::direction() {
    QFETCH(QString, text);
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(found.size(), std::size_t(1));
    QTEST(int(found[0].direction), "direction");
}

void TestTextCheck::descriptives_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("groups"); // "m1 sd1 m2 sd2 n1 n2" as the text prints them; "" none
    QTest::newRow("before, with sizes")
        << "A (M = 5.20, SD = 1.10, n = 15) scored higher than B (M = 4.30, SD = 1.20, n = 16), "
           "t(29) = 2.14, p = .041"
        << 0 << "5.20 1.10 4.30 1.20 15 16";
    QTest::newRow("german commas and semicolons")
        << "A (M = 5,2; SD = 1,10) und B (M = 4,30; SD = 1,2): t(28) = 2,14, p = ,041" << 0
        << "5.2 1.10 4.30 1.2 0 0";
    QTest::newRow("after, when none before")
        << "t(28) = 2.14, p = .041 (M = 5.2, SD = 1.1 against M = -0.5, SD = 1.2)" << 0
        << "5.2 1.1 -0.5 1.2 0 0";
    QTest::newRow("the last two before") << "Pretest M = 1.0, SD = 0.5; A: M = 5.2, SD = 1.1; "
                                            "B: M = 4.3, SD = 1.2; t(28) = 2.14, p = .041"
                                         << 0 << "5.2 1.1 4.3 1.2 0 0";
    QTest::newRow("one group alone is no pair")
        << "A had M = 5.2, SD = 1.1; t(28) = 2.14, p = .041" << 0 << "";
    QTest::newRow("stated sizes win over those beside the means")
        << "n1 = 12, n2 = 18; A (M = 5.2, SD = 1.1, n = 15), B (M = 4.3, SD = 1.2, n = 15), "
           "t(28) = 2.14, p = .041"
        << 0 << "5.2 1.1 4.3 1.2 12 18";
    QTest::newRow("the earlier result's pair is not the next one's")
        << "A (M = 5.2, SD = 1.1), B (M = 4.3, SD = 1.2), t(28) = 2.14, p = .041; then "
           "t(28) = 1.20, p = .24"
        << 1 << "";
    QTest::newRow("SEM is no SD") << "A (M = 5.2, SEM = 1.1), B (M = 4.3, SEM = 1.2), "
                                     "t(28) = 2.14, p = .041"
                                  << 0 << "";
}

void TestTextCheck::descriptives() {
    QFETCH(QString, text);
    QFETCH(int, which);
    QFETCH(QString, groups);
    const std::vector<FoundResult> found = findResults(text);
    QVERIFY(int(found.size()) > which);
    const FoundResult& result = found[std::size_t(which)];
    QCOMPARE(result.group1.has_value(), result.group2.has_value());
    QString read;
    if (result.group1 && result.group2) {
        const auto printed = [](const lx::reported::Typed& value) {
            return QString::number(value.value, 'f', value.decimals);
        };
        read =
            QStringList{
                printed(result.group1->mean),           printed(result.group1->sd),
                printed(result.group2->mean),           printed(result.group2->sd),
                QString::number(result.n1.value_or(0)), QString::number(result.n2.value_or(0))}
                .join(QLatin1Char(' '));
    }
    QCOMPARE(read, groups);
}

void TestTextCheck::context() {
    QFETCH(QString, text);
    QFETCH(int, which);
    QFETCH(double, effect);
    QFETCH(int, n1);
    QFETCH(int, total);
    const std::vector<FoundResult> found = findResults(text);
    QVERIFY(int(found.size()) > which);
    const FoundResult& result = found[std::size_t(which)];
    QTEST(result.oneSided, "oneSided");
    QCOMPARE(result.effect ? result.effect->value.value : 0.0, effect);
    QCOMPARE(result.n1.value_or(0), n1);
    QCOMPARE(result.total.value_or(0), total);
}

void TestTextCheck::lines() {
    const QString text = QStringLiteral("Results\r\n\r\nThe groups differed, t(28)\r\n= 2.20, "
                                        "p = .036.\nThen t(30) = 0.50, p = .62.\n");
    const std::vector<FoundResult> found = findResults(text);
    QCOMPARE(found.size(), std::size_t(2));
    QCOMPARE(found[0].line, 3);
    QCOMPARE(found[0].raw, QStringLiteral("t(28) = 2.20, p = .036"));
    QCOMPARE(found[1].line, 5);
}

void TestTextCheck::decoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("html");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("line");
    const QString text = QStringLiteral("M\u00fcller (2020)\nt(28) = \u22122.20, p = .036");
    QTest::newRow("utf-8") << text.toUtf8() << false << -2.20 << 2;
    QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF" + text.toUtf8()) << false << -2.20
                                << 2;
    QStringEncoder little(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("utf-16le") << QByteArray(little.encode(text)) << false << -2.20 << 2;
    QStringEncoder big(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("utf-16be") << QByteArray(big.encode(text)) << false << -2.20 << 2;
    // Windows-1252 has no minus sign: a word processor saves its en dash, 0x96.
    QTest::newRow("windows-1252") << QByteArray("M\xfcller (2020)\nt(28) = \x96"
                                                "2.20, p = .036")
                                  << false << -2.20 << 2;
    QTest::newRow("html") << QByteArray("<html><head><style>p { }</style>\n"
                                        "<script>var s = \"t(1) = 9.0, p = .5\";</script></head>\n"
                                        "<body><p>M&uuml;ller: <i>t</i>(28)&nbsp;=&nbsp;&minus;"
                                        "2.20,\n<i>p</i> = .036</p></body></html>")
                          << true << -2.20 << 3;
    QTest::newRow("html numeric entities")
        << QByteArray("<p><i>t</i>(28) = &#8722;2.20, <i>p</i> &#x3c; .05</p>") << true << -2.20
        << 1;
}

void TestTextCheck::decoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, html);
    const std::vector<FoundResult> found =
        findResults(decodeSource(bytes, html ? SourceKind::Html : SourceKind::PlainText).text);
    QCOMPARE(found.size(), std::size_t(1));
    QTEST(found[0].value.value, "value");
    QTEST(found[0].line, "line");
}

QTEST_GUILESS_MAIN(TestTextCheck)
#include "test_text_check.moc"
