// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted_csv.h"

#include "text_check/finder.h"
#include "text_check/judge.h"
#include "text_check/verdict_words.h"

#include <QTest>

using lx::text_check::EffectVerdict;

namespace {

QString intervalVerdict(const QString& text) {
    const auto found = lx::text_check::findResults(text);
    if (found.size() != 1) {
        return QStringLiteral("%1 results").arg(found.size());
    }
    const auto judgement = lx::text_check::judge(found.front(), 0.05);
    return QString::fromLatin1(lx::text_check::effectWord(judgement.interval));
}

} // namespace

// Confidence intervals printed with a result, checked against it.
class TestIntervalCheck : public QObject {
    Q_OBJECT

private slots:
    // The verdicts of tools/interval_check_reference (SciPy, and mpmath for the noncentral t).
    void matchesReference_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("verdict");
        const auto rows = lx::test::readQuotedCsv(QStringLiteral(INTERVAL_REFERENCE));
        QVERIFY(rows.size() >= 7);
        for (const auto& row : rows) {
            QTest::newRow(row[QStringLiteral("name")].toLatin1().constData())
                << row[QStringLiteral("text")] << row[QStringLiteral("ci_check")];
        }
    }
    void matchesReference() {
        QFETCH(QString, text);
        QFETCH(QString, verdict);
        QCOMPARE(intervalVerdict(text), verdict);
    }

    // Where an interval belongs to a result, and the forms it is printed in.
    void forms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("colon and 'to'")
            << "The difference was 2.10, t(48) = 2.27, p = .028, 95% CI: 0.24 to 3.96."
            << "consistent";
        QTest::newRow("parentheses and semicolon, decimal commas")
            << "t(48) = 2,27; p = ,028; 95 % CI (0,24; 3,96)."
            << "consistent";
        QTest::newRow("spelled out")
            << "t(48) = 2.27, p = .028, 95% confidence interval [0.12, 4.08]."
            << "inconsistent";
        QTest::newRow("the next sentence's interval is not its own")
            << "t(48) = 2.27, p = .028. The 95% CI of the ratio was [0.12, 4.08]."
            << "";
        QTest::newRow("a d's interval without group sizes is not checked")
            << "t(48) = 2.27, p = .028, d = 0.64, 95% CI [0.07, 1.21]."
            << "";
        QTest::newRow("no interval") << "t(48) = 2.27, p = .028."
                                     << "";
    }
    void forms() {
        QFETCH(QString, text);
        QFETCH(QString, verdict);
        QCOMPARE(intervalVerdict(text), verdict);
    }
};

QTEST_GUILESS_MAIN(TestIntervalCheck)
#include "test_interval_check.moc"
