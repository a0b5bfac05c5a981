// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted_csv.h"

#include "text_check/finder.h"
#include "text_check/judge.h"
#include "text_check/verdict_words.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// How the finder and the judge do on one field's passages.
struct Tally {
    int expected = 0;
    int found = 0;
    int matched = 0;
    int agree = 0;
    QStringList misses;
    QStringList falseFinds;
};

double magnitude(const QString& printed) {
    QString text = printed;
    text.remove(QLatin1Char(' '));
    for (const QChar minus : {QChar(0x2212), QChar(0x2013), QChar(0x2014), QChar(u'-')}) {
        text.remove(minus);
    }
    return text.toDouble();
}

std::map<QString, Tally> measure() {
    std::map<QPair<QString, int>, QString> verdicts;
    for (const auto& row : lx::test::readQuotedCsv(QStringLiteral(REAL_PAPERS "/expected.csv"))) {
        verdicts[{row[QStringLiteral("id")], row[QStringLiteral("result")].toInt()}] =
            row[QStringLiteral("verdict")];
    }
    QFile file(QStringLiteral(REAL_PAPERS "/passages.jsonl"));
    std::map<QString, Tally> tallies;
    if (!file.open(QIODevice::ReadOnly)) {
        return tallies;
    }
    while (!file.atEnd()) {
        const QJsonObject passage = QJsonDocument::fromJson(file.readLine()).object();
        const QString id = passage[QStringLiteral("id")].toString();
        Tally& tally = tallies[passage[QStringLiteral("field")].toString()];
        auto finds = lx::text_check::findResults(passage[QStringLiteral("text")].toString() +
                                                 QLatin1Char('\n'));
        tally.found += static_cast<int>(finds.size());
        const QJsonArray results = passage[QStringLiteral("results")].toArray();
        tally.expected += static_cast<int>(results.size());
        for (int k = 0; k < results.size(); ++k) {
            const QJsonObject result = results[k].toObject();
            const bool isF = result[QStringLiteral("statistic")].toString() == QLatin1String("F");
            const double df = result[isF ? QStringLiteral("df2") : QStringLiteral("df")].toDouble();
            const double value = magnitude(result[QStringLiteral("value")].toString());
            const auto match = std::find_if(finds.begin(), finds.end(), [&](const auto& found) {
                return (found.statistic == lx::text_check::Statistic::F) == isF && found.df == df &&
                       std::fabs(std::fabs(found.value.value) - value) < 1e-9;
            });
            if (match == finds.end()) {
                tally.misses.append(QStringLiteral("%1: %2 = %3")
                                        .arg(id, isF ? QStringLiteral("F") : QStringLiteral("t"),
                                             result[QStringLiteral("value")].toString()));
                continue;
            }
            ++tally.matched;
            const auto judgement = lx::text_check::judge(*match, 0.05);
            tally.agree += QString::fromLatin1(lx::text_check::verdictWord(judgement.verdict)) ==
                           verdicts[{id, k}];
            finds.erase(match);
        }
        for (const auto& found : finds) {
            tally.falseFinds.append(id + QStringLiteral(": ") + found.raw);
        }
    }
    return tallies;
}

} // namespace

// The finder and the judge on passages copied from real papers (tests/check/real_papers), with
// the verdicts worked in SciPy: recall, precision and verdict agreement, psychology and
// biology/medicine apart. The floors are what the check reaches today; every miss is listed.
class TestRealPapers : public QObject {
    Q_OBJECT

private slots:
    void recallPrecisionVerdicts_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("recallFloor");
        QTest::newRow("psychology") << QStringLiteral("psychology") << RECALL_FLOOR_PSYCHOLOGY;
        QTest::newRow("biology and medicine") << QStringLiteral("biomed") << RECALL_FLOOR_BIOMED;
    }
    void recallPrecisionVerdicts() {
        QFETCH(QString, field);
        QFETCH(double, recallFloor);
        const auto tallies = measure();
        QVERIFY(tallies.count(field));
        const Tally& tally = tallies.at(field);
        QVERIFY(tally.expected >= 50);
        const double recall = double(tally.matched) / tally.expected;
        const double precision = tally.found ? double(tally.matched) / tally.found : 1.0;
        const double verdicts = tally.matched ? double(tally.agree) / tally.matched : 1.0;
        qInfo("%s: recall %d/%d (%.1f%%), precision %d/%d, verdicts %d/%d", qPrintable(field),
              tally.matched, tally.expected, 100 * recall, tally.matched, tally.found, tally.agree,
              tally.matched);
        for (const QString& miss : tally.misses) {
            qInfo("missed %s", qPrintable(miss));
        }
        QVERIFY2(tally.falseFinds.isEmpty(), qPrintable(tally.falseFinds.join(u'\n')));
        QVERIFY(precision >= 0.99);
        QVERIFY(verdicts >= 0.98);
        QVERIFY(recall >= recallFloor);
    }
};

QTEST_GUILESS_MAIN(TestRealPapers)
#include "test_real_papers.moc"
