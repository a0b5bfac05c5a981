// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/calculation.h"
#include "recording_view.h"
#include "support/locale_scope.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using lx::Box;
using lx::test::LocaleScope;
using lx::test::RecordingView;

Q_DECLARE_METATYPE(lx::Box)

namespace {

// Puts the six inputs, given as one "|"-separated row, into a fresh view
// whose result boxes hold an earlier calculation's texts.
RecordingView viewWith(const QString& inputs) {
    const QStringList six = inputs.split(u'|');
    RecordingView view;
    view.enter(six.value(0), six.value(1), six.value(2), six.value(3), six.value(4), six.value(5));
    view.texts[Box::Freedom] = QStringLiteral("old K");
    view.texts[Box::Student] = QStringLiteral("old t");
    view.texts[Box::P] = QStringLiteral("old P");
    return view;
}

} // namespace

class TestCalculation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void results_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("freedom");
        QTest::addColumn<QString>("t");
        QTest::addColumn<QString>("p");
        QTest::newRow("ordinary") << "en_US"
                                  << "10|5|1|10|4|1"
                                  << "18"
                                  << "2.23606797749979"
                                  << "<0.05";
        QTest::newRow("equal means") << "en_US"
                                     << "5|3|1|5|3|2"
                                     << "8"
                                     << "0"
                                     << ">0.5";
        QTest::newRow("one value and two") << "en_US"
                                           << "1|5|1|2|3|1"
                                           << "1"
                                           << "1.63299316185545"
                                           << "<0.5";
        QTest::newRow("N rounds half to even") << "en_US"
                                               << "2.5|5|1|3.5|4|1"
                                               << "4"
                                               << "1.15470053837925"
                                               << "<0.5";
        QTest::newRow("blanks and grouping") << "en_US"
                                             << " 1,000 |5|1|10|4|1"
                                             << "1008"
                                             << "3.14658387763776"
                                             << "<0.01";
        QTest::newRow("decimal comma") << "de_DE"
                                       << "10|5|1|10|4,5|1"
                                       << "18"
                                       << "1,11803398874989"
                                       << "<0,5";
        QTest::newRow("equal means, both SD 0") << "en_US"
                                                << "4|2|0|4|2|0"
                                                << "6"
                                                << "0"
                                                << ">0.5";
    }
    void results() {
        QFETCH(QString, locale);
        QFETCH(QString, inputs);
        LocaleScope scope{QLocale(locale)};
        RecordingView view = viewWith(inputs);

        lx::Calculate(view);

        QVERIFY2(view.messages.isEmpty(), qPrintable(view.messages.value(0).text));
        QTEST(view.texts[Box::Freedom], "freedom");
        QTEST(view.texts[Box::Student], "t");
        QTEST(view.texts[Box::P], "p");
        QCOMPARE(view.written, (QList<Box>{Box::Freedom, Box::Student, Box::P}));
        QCOMPARE(view.focus, std::optional<Box>(Box::N2));
        QVERIFY(view.report.has_value());
    }

    // Student's pooled test, N1 and N2 apart included, as R works it; the P class must hold
    // R's p below its level.
    void studentAgreesWithR_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("freedom");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("p");
        QFile file(QStringLiteral(STUDENT_REFERENCE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        file.readLine();
        while (!file.atEnd()) {
            const QStringList cells = QString::fromLatin1(file.readLine()).trimmed().split(u',');
            QTest::newRow(qPrintable(cells.mid(0, 6).join(u'|')))
                << cells.mid(0, 6).join(u'|') << cells[6] << cells[7].toDouble()
                << cells[8].toDouble();
        }
    }
    void studentAgreesWithR() {
        QFETCH(QString, inputs);
        QFETCH(double, t);
        QFETCH(double, p);
        RecordingView view = viewWith(inputs);

        lx::Calculate(view);

        QVERIFY2(view.messages.isEmpty(), qPrintable(view.messages.value(0).text));
        QTEST(view.texts[Box::Freedom], "freedom");
        const double shown = view.texts[Box::Student].toDouble();
        QVERIFY2(std::fabs(shown - t) <= 1e-13 * t, qPrintable(view.texts[Box::Student]));
        const QString pClass = view.texts[Box::P];
        const double level = pClass.mid(1).toDouble();
        QVERIFY2(pClass.startsWith(u'<') ? p < level : p > level, qPrintable(pClass));
        QVERIFY(std::fabs(*view.report->pooled.pTwoTailed - p) <= 1e-10 * p);
    }

    // Typed means and SDs widen the p range by their rounding; computed ones do not.
    void reportRangeFollowsTypedDecimals_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<bool>("computed");
        QTest::addColumn<bool>("widens");
        QTest::newRow("typed") << "10|5|1|10|4|1" << false << true;
        QTest::newRow("computed") << "10|5|1|10|4|1" << true << false;
        QTest::newRow("exponent forms are exact") << "10|5e0|1e0|10|4e0|1e0" << false << false;
    }
    void reportRangeFollowsTypedDecimals() {
        QFETCH(QString, inputs);
        QFETCH(bool, computed);
        RecordingView view = viewWith(inputs);
        if (computed) {
            view.exact = {Box::M1, Box::SD1, Box::M2, Box::SD2};
        }

        lx::Calculate(view);

        QVERIFY(view.report && view.report->pRangePooled && view.report->pooled.pTwoTailed);
        const lx::Interval range = *view.report->pRangePooled;
        QVERIFY(range.lower <= *view.report->pooled.pTwoTailed);
        QVERIFY(range.upper >= *view.report->pooled.pTwoTailed);
        QTEST(range.lower < range.upper, "widens");
    }

    void emptyBox_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("message");
        QTest::newRow("all empty") << "|||||"
                                   << "Please enter N1";
        QTest::newRow("only SD2 empty") << "1|2|3|4|5|"
                                        << "Please enter SD2";
        QTest::newRow("M1 before N2") << "1||3||5|6"
                                      << "Please enter M1";
        QTest::newRow("blank is not empty") << " |2|3||5|6"
                                            << "Please enter N2";
    }
    void emptyBox() {
        QFETCH(QString, inputs);
        RecordingView view = viewWith(inputs);

        lx::Calculate(view);

        QCOMPARE(view.messages.size(), 1);
        QTEST(view.messages[0].text, "message");
        QCOMPARE(view.messages[0].title, QStringLiteral("Error!"));
        QCOMPARE(view.messages[0].icon, lx::MessageBox::Icon::Exclamation);
        QVERIFY(view.written.isEmpty());
        QVERIFY(!view.report);
        QCOMPARE(view.focus, std::nullopt);
    }

    void unusableInput_data() {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Box>("box");
        QTest::newRow("letters in N1") << "abc|5|1|10|4|1"
                                       << "N1 is not a number." << Box::N1;
        QTest::newRow("blank N1") << " |5|1|10|4|1"
                                  << "N1 is not a number." << Box::N1;
        QTest::newRow("letters in M1") << "10|x|1|10|4|1"
                                       << "M1 is not a number." << Box::M1;
        QTest::newRow("inf in M2") << "10|5|1|10|inf|1"
                                   << "M2 is not a number." << Box::M2;
        QTest::newRow("M1 beyond double") << "10|1e400|1|10|4|1"
                                          << "M1 is too large." << Box::M1;
        QTest::newRow("N1 zero") << "0|5|1|10|4|1"
                                 << "N1 must be at least 1." << Box::N1;
        QTest::newRow("N1 rounds to zero") << "0.4|5|1|10|4|1"
                                           << "N1 must be at least 1." << Box::N1;
        QTest::newRow("N2 negative") << "10|5|1|-3|4|1"
                                     << "N2 must be at least 1." << Box::N2;
        QTest::newRow("N1 beyond 32 bits") << "3000000000|5|1|10|4|1"
                                           << "N1 is too large." << Box::N1;
        QTest::newRow("SD1 negative") << "10|5|-1|10|4|1"
                                      << "SD1 must not be negative." << Box::SD1;
        QTest::newRow("one value each")
            << "1|5|1|1|3|1"
            << "A t-test needs at least three observations in all." << Box::N2;
        QTest::newRow("degrees of freedom overflow") << "2000000000|5|1|2000000000|4|1"
                                                     << "N1 + N2 is too large." << Box::N2;
        QTest::newRow("means too far apart")
            << "10|1e308|1|10|-1e308|1"
            << "M1 and M2 are too far apart to compare." << Box::M2;
        QTest::newRow("SD1 squared overflows") << "1|5|1e200|10|4|1"
                                               << "SD1 is too large." << Box::SD1;
        QTest::newRow("squares overflow together") << "2|5|1.6e154|2|4|1.6e154"
                                                   << "SD1 and SD2 are too large." << Box::SD2;
        QTest::newRow("both SD zero, means differ")
            << "10|5|0|10|4|0"
            << "SD1 and SD2 are both 0, so t is undefined for different means." << Box::SD2;
        QTest::newRow("t overflows, tiny SDs")
            << "1|1E200|1E-150|2|0|1E-150"
            << "M1 and M2 are too far apart for SD1 and SD2." << Box::M2;
        QTest::newRow("t overflows, ordinary SDs")
            << "2|376.864|0.1|2|-1E308|0.1"
            << "M1 and M2 are too far apart for SD1 and SD2." << Box::M2;
        QTest::newRow("squared errors underflow")
            << "2|1|1E-170|2|0|1E-170"
            << "SD1 and SD2 are too small to compare M1 and M2." << Box::SD2;
        QTest::newRow("one SD 0, the other's square underflows")
            << "2|1|0|2|0|1E-170"
            << "SD1 and SD2 are too small to compare M1 and M2." << Box::SD2;
        QTest::newRow("first unusable wins") << "abc|xyz|-1|0|4|1"
                                             << "N1 is not a number." << Box::N1;
        QTest::newRow("SD1 before N2") << "10|5|-1|0|4|1"
                                       << "SD1 must not be negative." << Box::SD1;
    }
    void unusableInput() {
        QFETCH(QString, inputs);
        QFETCH(Box, box);
        RecordingView view = viewWith(inputs);

        lx::Calculate(view);

        QCOMPARE(view.messages.size(), 1);
        QTEST(view.messages[0].text, "message");
        QCOMPARE(view.messages[0].title, QStringLiteral("Error!"));
        QCOMPARE(view.messages[0].icon, lx::MessageBox::Icon::Exclamation);
        QCOMPARE(view.focus, std::optional<Box>(box));
        QVERIFY(view.written.isEmpty());
        QCOMPARE(view.texts[Box::Freedom], QStringLiteral("old K"));
        QCOMPARE(view.texts[Box::P], QStringLiteral("old P"));
        QVERIFY(!view.report);
    }

    // Whatever is typed, a calculation writes all three results and says
    // nothing, or says one thing and writes nothing; it never throws.
    void hostileInputKeepsTheContract() {
        const QStringList pieces = {"",
                                    " ",
                                    "-",
                                    "+",
                                    "inf",
                                    "nan",
                                    "1E308",
                                    "4.9E-324",
                                    "1E-160",
                                    "1E-320",
                                    "2147483648",
                                    "-2147483648",
                                    "0,5",
                                    "1,000,000",
                                    "1.2.3",
                                    "1e",
                                    "e5",
                                    "0",
                                    "1",
                                    "2",
                                    "3.5",
                                    "-1",
                                    "-0",
                                    "10",
                                    "1E200",
                                    "-1E308",
                                    "\u0661\u0662",
                                    "\u0967\u0968",
                                    "\u00a0",
                                    "99999999999999999999999",
                                    "0.0000001",
                                    "1'000"};
        const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                   QLocale(QLocale::German, QLocale::Germany)};
        QRandomGenerator random(20240611);
        const auto piece = [&] { return pieces[random.bounded(int(pieces.size()))]; };
        for (int set = 0; set < 10000; ++set) {
            LocaleScope scope{locales[set % 2]};
            QStringList six;
            for (int box = 0; box < 6; ++box) {
                // Half the boxes hold a plain count, so that some sets are usable throughout.
                QString text;
                if (random.bounded(2) == 0) {
                    text = QString::number(random.bounded(1, 100));
                } else {
                    for (int count = random.bounded(1, 4); count > 0; --count) {
                        text += piece();
                    }
                }
                six.append(text);
            }
            RecordingView view = viewWith(six.join(u'|'));
            try {
                lx::Calculate(view);
            } catch (const std::exception& error) {
                QFAIL(qPrintable(six.join(u'|') + QStringLiteral(" threw ") + error.what()));
            }
            const bool wroteAll = view.written == QList<Box>{Box::Freedom, Box::Student, Box::P} &&
                                  view.messages.isEmpty() &&
                                  !view.texts[Box::Student].contains(u"inf") &&
                                  !view.texts[Box::Student].contains(u"nan");
            const bool saidOne = view.written.isEmpty() && view.messages.size() == 1;
            QVERIFY2(wroteAll || saidOne, qPrintable(six.join(u'|')));
        }
    }
};

QTEST_GUILESS_MAIN(TestCalculation)
#include "test_calculation.moc"
