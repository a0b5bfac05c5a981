// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/raw_values.h"

#include <QTest>

using Outcome = lx::SetFromRawValues::Outcome;

Q_DECLARE_METATYPE(Outcome)

namespace {

const QString outOfRange = QStringLiteral(
    "The mean or standard deviation of the values for the first set is out of range.");

} // namespace

class TestRawValues : public QObject {
    Q_OBJECT

private slots:
    void setFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("set");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("message");

        const QString en = QStringLiteral("en_US");
        const int limit = static_cast<int>(lx::maxRawValues);
        QTest::newRow("CRLF column with a header and NA")
            << "Score\r\n1\r\nNA\r\n3\r\n"
            << en << limit << 1 << Outcome::Filled << QStringList{"2", "2", "1.4142135623731"}
            << "2 values pasted into the first set (2 cells skipped: Score, NA)";
        QTest::newRow("blanks inside cells, an empty cell between tabs")
            << "1 2  3;4\t\t5" << en << limit << 2 << Outcome::Filled
            << QStringList{"5", "3", "1.58113883008419"}
            << "5 values pasted into the second set (1 empty cell skipped)";
        QTest::newRow("a separator ending a line starts no cell")
            << "1;2;\n3;;4\t\n"
            << en << limit << 1 << Outcome::Filled << QStringList{"4", "2.5", "1.29099444873581"}
            << "4 values pasted into the first set (1 empty cell skipped)";
        QTest::newRow("words beside numbers are skipped, named once")
            << "12 kg\n14 kg" << en << limit << 1 << Outcome::Filled
            << QStringList{"2", "13", "1.4142135623731"}
            << "2 values pasted into the first set (2 cells skipped: kg)";
        QTest::newRow("long and many names are shortened")
            << "A very long header text\nx\n\ny\nz\n1\n2" << en << limit << 1 << Outcome::Filled
            << QStringList{"2", "1.5", "0.707106781186548"}
            << "2 values pasted into the first set (5 cells skipped: A very long header…, x, "
               "y, …, 1 empty)";
        QTest::newRow("a mean of 0 still gives the SD")
            << "-1\n1" << en << limit << 1 << Outcome::Filled
            << QStringList{"2", "0", "1.4142135623731"} << "2 values pasted into the first set";

        QTest::newRow("one number")
            << "42" << en << limit << 1 << Outcome::OrdinaryPaste << QStringList{"", "", ""} << "";
        QTest::newRow("a header and one number")
            << "Score\n42\n"
            << en << limit << 1 << Outcome::OrdinaryPaste << QStringList{"", "", ""} << "";

        QTest::newRow("more than the limit")
            << "1 2 3 4" << en << 3 << 1 << Outcome::Refused << QStringList{"", "", ""}
            << "The first set takes at most 3 values.";
        QTest::newRow("a value beyond a double")
            << "1\n1e999" << en << limit << 1 << Outcome::Refused << QStringList{"", "", ""}
            << outOfRange;
        QTest::newRow("de_DE group separators")
            << "1.500\n2.250"
            << "de_DE" << limit << 1 << Outcome::Refused << QStringList{"", "", ""}
            << "The values for the first set hold a group separator (\"1.500\"), so they could "
               "mean other numbers; paste them without group separators.";
        QTest::newRow("one grouped number among others")
            << "1\n2\n3,000" << en << limit << 2 << Outcome::Refused << QStringList{"", "", ""}
            << "The values for the second set hold a group separator (\"3,000\"), so they could "
               "mean other numbers; paste them without group separators.";
        QTest::newRow("decimal commas in an English window")
            << "5,1\n4,9\n6,2" << en << limit << 1 << Outcome::OtherDecimalMark
            << QStringList{"", "", ""}
            << "The values for the first set are written with a decimal comma (\"5,1\"); this "
               "window expects a decimal point, so nothing was pasted.";
        QTest::newRow("decimal points in a German window")
            << "Wert\n5.1\n4.9\n6.25"
            << "de_DE" << limit << 2 << Outcome::OtherDecimalMark << QStringList{"", "", ""}
            << "The values for the second set are written with a decimal point (\"5.1\"); this "
               "window expects a decimal comma, so nothing was pasted.";
        QTest::newRow("one decimal comma among plain numbers")
            << "5\t4,5\t6" << en << limit << 1 << Outcome::OtherDecimalMark
            << QStringList{"", "", ""}
            << "The values for the first set are written with a decimal comma (\"4,5\"); this "
               "window expects a decimal point, so nothing was pasted.";
        QTest::newRow("one number with a decimal comma")
            << "5,1" << en << limit << 1 << Outcome::OrdinaryPaste << QStringList{"", "", ""} << "";
        QTest::newRow("a sum beyond a double")
            << "1e308\n1e308" << en << limit << 1 << Outcome::Refused << QStringList{"", "", ""}
            << outOfRange;
    }
    void setFromText() {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(int, limit);
        QFETCH(int, set);
        const lx::SetFromRawValues result = lx::setFromRawValues(text, set, QLocale(locale), limit);
        QTEST(result.outcome, "outcome");
        QTEST((QStringList{result.texts[0], result.texts[1], result.texts[2]}), "texts");
        QTEST(result.message, "message");
    }
};

QTEST_APPLESS_MAIN(TestRawValues)
#include "test_raw_values.moc"
