// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_run.h"

#include "cli/result_columns.h"
#include "platform/core/number_text.h"
#include "stats/spread.h"
#include "stats/statistics.h"
#include "stats/two_sample_report.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

#include <charconv>
#include <cmath>

using namespace lx;
using lx::cli::ResultColumn;

Q_DECLARE_METATYPE(lx::Summary)
Q_DECLARE_METATYPE(lx::TypedRounding)

namespace {

const QByteArray plainHeader = "n1,m1,sd1,n2,m2,sd2\n";

std::size_t columnOf(const std::vector<std::string>& header, std::string_view name) {
    const auto found = std::find(header.begin(), header.end(), name);
    return static_cast<std::size_t>(found - header.begin());
}

std::string numberText(double value, const QLocale& locale) {
    char buffer[32];
    std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    std::replace(text.begin(), text.end(), '.', locale.decimalPoint().at(0).toLatin1());
    return text;
}

std::string figureText(const Figure<double>& figure, const QLocale& locale) {
    return figure ? numberText(*figure, locale) : std::string();
}

} // namespace

class TestBatchTool : public QObject {
    Q_OBJECT

private slots:
    // Every input row comes out once, its fields unchanged, with the window's message when it
    // cannot be used and results only when it can.
    void tableRoundTrips_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QChar>("delimiter");
        QTest::addColumn<QList<QStringList>>("fields");
        QTest::addColumn<QStringList>("errors");

        QTest::newRow("C: BOM, CRLF, quotes, other columns, bad rows")
            << QStringList()
            << QByteArray("\xEF\xBB\xBF\"label\",N1,m1,sd1,note,n2,M2,SD2\r\n"
                          "\"a, \"\"quoted\"\"\nname\",10,5,1,x,10,4,1\r\n"
                          "plain,10,5,1, keep  ,10,4,1\r\n"
                          "short,10,5\r\n"
                          "empty,10,,1,x,10,4,1\r\n"
                          "letters,ten,5,1,x,10,4,1\r\n"
                          "negative,10,5,-1,x,10,4,1\r\n"
                          "zero n,10,5,1,x,0,4,1\r\n"
                          "no spread,10,5,0,x,10,4,0\r\n"
                          "one each,1,5,1,x,1,4,1\r\n"
                          "huge,10,1e999,1,x,10,4,1\r\n"
                          "fraction n,10.5,5,1,x,10,4,1")
            << QChar(',')
            << QList<QStringList>{{"label", "N1", "m1", "sd1", "note", "n2", "M2", "SD2"},
                                  {"a, \"quoted\"\nname", "10", "5", "1", "x", "10", "4", "1"},
                                  {"plain", "10", "5", "1", " keep  ", "10", "4", "1"},
                                  {"short", "10", "5", "", "", "", "", ""}}
            << QStringList{"",
                           "",
                           "Row has 3 fields; the header has 8.",
                           "M1 is empty",
                           "N1 is not a number.",
                           "SD1 must not be negative.",
                           "N2 must be at least 1.",
                           "SD1 and SD2 are both 0, so t is undefined for different means.",
                           "A t-test needs at least three observations in all.",
                           "M1 is too large.",
                           "N1 \"10.5\" is not a whole number."};
        QTest::newRow("C: se columns")
            << QStringList()
            << QByteArray("n1,m1,se1,n2,m2,se2\n4,5,1,4,4,0.5\n4,5,-1,4,4,0.5\n4,5,,4,4,\n"
                          "4,5,  ,4,4,1\n")
            << QChar(',') << QList<QStringList>{{"n1", "m1", "se1", "n2", "m2", "se2"}}
            << QStringList{"", "SE1 must not be negative.", "SE1 is empty", "SE1 is empty"};
        QTest::newRow("de_DE")
            << QStringList{"--locale", "de_DE"}
            << QByteArray("n1;m1;sd1;n2;m2;sd2;comment\n10;5,5;1,25;10;4;1;\"a;b\"\n"
                          "10;5;1.5;10;4;1;\n10;5;1;20,4;4;1;\n")
            << QChar(';')
            << QList<QStringList>{{"n1", "m1", "sd1", "n2", "m2", "sd2", "comment"},
                                  {"10", "5,5", "1,25", "10", "4", "1", "a;b"}}
            << QStringList{"",
                           "SD1 \"1.5\" has a decimal point, but the table is read with decimal "
                           "commas; give --locale C to read decimal points.",
                           "N2 \"20,4\" is not a whole number."};
        // Results with a decimal comma in a comma-delimited table must be quoted.
        QTest::newRow("de_DE, comma delimiter")
            << QStringList{"--locale", "de_DE", "--delimiter", ","}
            << QByteArray("n1,m1,sd1,n2,m2,sd2\n10,\"5,5\",1,10,4,1\n") << QChar(',')
            << QList<QStringList>{{"n1", "m1", "sd1", "n2", "m2", "sd2"},
                                  {"10", "5,5", "1", "10", "4", "1"}}
            << QStringList{""};
    }
    void tableRoundTrips() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QChar, delimiter);
        QFETCH(QList<QStringList>, fields);
        QFETCH(QStringList, errors);

        const BatchRun run = runBatchTool(arguments, input);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out, delimiter.toLatin1());
        QCOMPARE(output.size(), std::size_t(errors.size()) + 1);
        const std::vector<std::string>& header = output.front();
        const std::size_t width = std::size_t(fields.front().size());
        QCOMPARE(header.size(), width + lx::cli::resultColumnCount);
        for (qsizetype row = 0; row < fields.size(); ++row) {
            for (std::size_t k = 0; k < width; ++k) {
                QCOMPARE(QString::fromStdString(output[std::size_t(row)][k]), fields[row][k]);
            }
        }
        const std::size_t error = columnOf(header, "error");
        const std::size_t tPooled = columnOf(header, "t_pooled");
        const std::size_t pClass = columnOf(header, "p_class");
        for (qsizetype row = 0; row < errors.size(); ++row) {
            const auto& cells = output[std::size_t(row) + 1];
            QCOMPARE(cells.size(), header.size());
            QCOMPARE(QString::fromStdString(cells[error]), errors[row]);
            QCOMPARE(cells[tPooled].empty(), !errors[row].isEmpty());
            QCOMPARE(cells[pClass].empty(), !errors[row].isEmpty());
        }
    }

    // The window's three results are Student's pooled test as R works it, N1 and N2 apart
    // included, the largest N1 with it.
    // Cells beyond the header's width are written after the results and named in the error;
    // blank ones, as spreadsheets export them after the last column, are no error.
    void extraCellsAreKept_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QStringList columns{"--columns", "study,t,error"};
        const QByteArray header = "study,n1,m1,sd1,n2,m2,sd2\n";
        QTest::newRow("two extra cells")
            << columns << header + "a,10,5,1,10,4,1,extra,more\n"
            << QByteArray("study,t,error\na,,\"Row has 9 fields; the header has 7. The cells "
                          "beyond it (\"\"extra\"\", \"\"more\"\") are written after the "
                          "results.\",extra,more\n");
        QTest::newRow("blank between extra cells")
            << QStringList{"--columns", "study"} << header + "a,10,5,1,10,4,1,,more,,\n"
            << QByteArray("study\na,,more\n");
        QTest::newRow("trailing blank cells")
            << columns << header + "a,10,5,1,10,4,1,,\nb,10,5,1,10,4,1, ,\t\n"
            << QByteArray("study,t,error\na,2.23606797749979,\nb,2.23606797749979,\n");
        QTest::newRow("Excel export, semicolons")
            << columns
            << QByteArray(
                   "study;n1;m1;sd1;n2;m2;sd2\r\na;10;5,5;1;10;4;1;;\r\nb;10;5;1;10;4;1;;;\r\n")
            << QByteArray("study;t;error\r\na;3,35410196624968;\r\nb;2,23606797749979;\r\n");
        QTest::newRow("JSON lines")
            << QStringList{"--format", "jsonl", "--columns", "study"}
            << header + "a,10,5,1,10,4,1,extra,\"x,y\"\nb,10,5,1,10,4,1,,\n"
            << QByteArray("{\"study\":\"a\",\"extra_cells\":[\"extra\",\"x,y\"]}\n"
                          "{\"study\":\"b\"}\n");
        QTest::newRow("the old eight columns")
            << QStringList{"--columns", "label,error"}
            << QByteArray("label,N1,m1,sd1,note,n2,M2,SD2\nlong,10,5,1,x,10,4,1,extra\n")
            << QByteArray("label,error\nlong,\"Row has 9 fields; the header has 8. The cells "
                          "beyond it (\"\"extra\"\") are written after the results.\",extra\n");
    }
    void extraCellsAreKept() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        const BatchRun run = runBatchTool(arguments, input);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, output);
    }

    // A figure asked for and left empty always has its reason in the row's error, naming it:
    // hostile rows through every column the report fills.
    void emptyFiguresHaveTheirReason_data() {
        QTest::addColumn<QByteArray>("row");
        QTest::newRow("equal means, both SDs 0") << QByteArray("20,10,0,20,10,0");
        QTest::newRow("equal means, both SEs 0") << QByteArray("20,10,0,20,10,0");
        QTest::newRow("two observations") << QByteArray("1,5,1,1,4,1");
        QTest::newRow("a huge t") << QByteArray("3,1000000,1,3,0,1");
        QTest::newRow("a usual row") << QByteArray("20,5.1,1.2,22,4.6,1.1");
    }
    void emptyFiguresHaveTheirReason() {
        QFETCH(QByteArray, row);
        const QByteArray header = QTest::currentDataTag() == QByteArray("equal means, both SEs 0")
                                      ? "n1,m1,se1,n2,m2,se2\n"
                                      : "n1,m1,sd1,n2,m2,sd2\n";
        const BatchRun run = runBatchTool({"--posterior", "--robustness", "--equivalence", "0.5"},
                                          header + row + "\n");
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out);
        QCOMPARE(output.size(), std::size_t(2));
        const std::string& error = output[1].back();
        const auto first = std::find(output[0].begin(), output[0].end(), "t_pooled");
        const auto last = std::find(output[0].begin(), output[0].end(), "tost_bound");
        QVERIFY(first != output[0].end() && last != output[0].end());
        const bool anyFigure = std::any_of(output[1].begin() + (first - output[0].begin()),
                                           output[1].begin() + (last - output[0].begin()) + 1,
                                           [](const std::string& cell) { return !cell.empty(); });
        // The Bayes figures whose integral does not settle are named as the window names them.
        const auto nameOf = [](const std::string& column) -> std::string {
            if (column.starts_with("delta_")) {
                return "posterior of delta";
            }
            if (column.starts_with("bf10_") || column == "r_max") {
                return "BF10 against the prior scale";
            }
            return column;
        };
        for (auto column = first; column <= last; ++column) {
            const std::string& cell = output[1][std::size_t(column - output[0].begin())];
            // A row refused as a whole says why once; one with figures names each empty one.
            const bool explained = anyFigure ? error.find(*column) != std::string::npos ||
                                                   error.find(nameOf(*column)) != std::string::npos
                                             : !error.empty();
            QVERIFY2(!cell.empty() || explained, (*column + ": " + error).c_str());
        }
    }

    void windowResultsAgreeWithR() {
        QFile file(QStringLiteral(STUDENT_REFERENCE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QByteArray reference = file.readAll();
        QByteArray input = plainHeader;
        for (const QByteArray& line : reference.split('\n').mid(1)) {
            if (!line.isEmpty()) {
                input += line.split(',').mid(0, 6).join(',') + '\n';
            }
        }
        const BatchRun run = runBatchTool({}, input);
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out, ',');
        const Table expected = parseCsv(reference, ',');
        QCOMPARE(output.size(), expected.size());
        for (std::size_t row = 1; row < output.size(); ++row) {
            const auto cell = [&](std::string_view name) {
                return output[row][columnOf(output[0], name)];
            };
            const double t = std::stod(expected[row][7]);
            QCOMPARE(cell("df"), expected[row][6]);
            QVERIFY2(std::fabs(std::stod(cell("t")) - t) <= 1e-13 * t, cell("t").c_str());
            QVERIFY2(std::fabs(std::fabs(std::stod(cell("t_pooled"))) - t) <= 1e-13 * t,
                     cell("t_pooled").c_str());
            const double p = std::stod(expected[row][8]);
            const std::string pClass = cell("p_class");
            const double level = std::stod(pClass.substr(1));
            QVERIFY2(pClass[0] == '<' ? p < level : p > level, pClass.c_str());
        }
    }

    // Welch's p range holds its true extremes, found off the corners of the SDs along the
    // edges of their box by mpmath at 50 digits; also where the SDs are tiny and the extreme
    // lies within a small stretch of an edge that starts at 0.
    void welchRangeAgreesWithMpmath_data() {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QFile file(QStringLiteral(WELCH_RANGE_REFERENCE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const Table reference = parseCsv(file.readAll(), ',');
        for (std::size_t row = 1; row < reference.size(); ++row) {
            QByteArray typed;
            for (std::size_t k = 0; k < 6; ++k) {
                typed += QByteArray::fromStdString(reference[row][k]) + (k < 5 ? "," : "");
            }
            QTest::newRow(typed.constData())
                << typed << std::stod(reference[row][6]) << std::stod(reference[row][7]);
        }
    }
    void welchRangeAgreesWithMpmath() {
        QFETCH(QByteArray, row);
        QFETCH(double, lowest);
        QFETCH(double, highest);
        const BatchRun run = runBatchTool({"--columns", "p_range_welch_lo,p_range_welch_hi"},
                                          plainHeader + row + '\n');
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out, ',');
        QCOMPARE(output.size(), std::size_t(2));
        const double expected[] = {lowest, highest};
        for (std::size_t k = 0; k < 2; ++k) {
            QVERIFY2(std::fabs(std::stod(output[1][k]) - expected[k]) <= 1e-10 * expected[k],
                     (output[1][k] + " against " +
                      QByteArray::number(expected[k], 'g', 17).toStdString())
                         .c_str());
        }
    }

    // A typed SE stands for its rounding too: its SD's range is the SE's times sqrt(N), in the p
    // ranges and in the checks of a reported t and df alike. SciPy searched each row's whole
    // box of means and SEs (or SDs); an SD row keeps its own rounding.
    void seRoundingWidensRanges_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("expected");
        QFile file(QStringLiteral(SE_RANGE_REFERENCE));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const Table reference = parseCsv(file.readAll(), ',');
        for (std::size_t row = 1; row < reference.size(); ++row) {
            const std::vector<std::string>& cells = reference[row];
            const QByteArray given = QByteArray::fromStdString(cells[0]);
            QByteArray input = "n1,m1," + given + "1,n2,m2," + given + "2,t_reported,df_reported\n";
            for (std::size_t k = 1; k < 9; ++k) {
                input += QByteArray::fromStdString(cells[k]) + (k < 8 ? ',' : '\n');
            }
            QStringList expected;
            for (std::size_t k = 9; k < cells.size(); ++k) {
                expected << QString::fromStdString(cells[k]);
            }
            QTest::addRow("%s: %s", given.constData(), input.split('\n').at(1).constData())
                << input << expected;
        }
    }
    void seRoundingWidensRanges() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, expected);
        const BatchRun run = runBatchTool(
            {"--columns", "p_range_pooled_lo,p_range_pooled_hi,p_range_welch_lo,p_range_welch_hi,"
                          "t_check,df_check"},
            input);
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out, ',');
        QCOMPARE(output.size(), std::size_t(2));
        for (std::size_t k = 0; k < 4; ++k) {
            const double want = expected[k].toDouble();
            QVERIFY2(std::fabs(std::stod(output[1][k]) - want) <= 1e-6 * want,
                     (output[0][k] + " " + output[1][k] + " against " + expected[k].toStdString())
                         .c_str());
        }
        QCOMPARE(QString::fromStdString(output[1][4]), expected[4]);
        QCOMPARE(QString::fromStdString(output[1][5]), expected[5]);
    }

    // The reference row's results are the engine's, written in the table's locale.
    void referenceRowAgreesWithTheEngine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<Summary>("summary");
        QTest::addColumn<TypedRounding>("rounding");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("level");

        QTest::newRow("window's example")
            << QStringList() << plainHeader + "10,5,1,10,4,1\n"
            << Summary{10, 5, 1, 10, 4, 1} << TypedRounding::ofDecimals(0, 0, 0, 0) << "C" << 0.95;
        // SD = SE * sqrt(4): the SEs' half-widths 0.5 and 0.05 double with it.
        QTest::newRow("se columns, level 0.9")
            << QStringList{"--level", "0.9"} << QByteArray("n1,m1,se1,n2,m2,se2\n4,5.5,1,4,4,0.5\n")
            << Summary{4, 5.5, 2, 4, 4, 1}
            << TypedRounding{Rounding::ofDecimals(1), Rounding::ofDecimals(0).scaled(2),
                             Rounding::ofDecimals(0), Rounding::ofDecimals(1).scaled(2)}
            << "C" << 0.9;
        QTest::newRow("de_DE") << QStringList{"--locale", "de_DE"}
                               << QByteArray("n1;m1;sd1;n2;m2;sd2\n10;5,25;1,5;12;4;1\n")
                               << Summary{10, 5.25, 1.5, 12, 4, 1}
                               << TypedRounding::ofDecimals(2, 1, 0, 0) << "de_DE" << 0.95;
    }
    void referenceRowAgreesWithTheEngine() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(Summary, summary);
        QFETCH(TypedRounding, rounding);
        QFETCH(QString, locale);
        QFETCH(double, level);
        const QLocale numbers(locale);

        const BatchRun run = runBatchTool(arguments, input);
        QCOMPARE(run.exitCode, 0);
        const Table output =
            parseCsv(run.out, numbers.decimalPoint() == QLatin1String(",") ? ';' : ',');
        QCOMPARE(output.size(), std::size_t(2));
        const auto cell = [&](std::string_view name) {
            return output[1][columnOf(output[0], name)];
        };

        QLocale::setDefault(numbers);
        // The window's t is Student's: both standard errors from the pooled SD.
        const double pooled =
            lx::spread::pooledSd(summary.sd1, summary.n1, summary.sd2, summary.n2);
        const double sem1 = lx::spread::standardError(pooled, summary.n1);
        const double sem2 = lx::spread::standardError(pooled, summary.n2);
        double t = 0;
        QString p;
        Statistics().TStudent(summary.m1, sem1, summary.m2, sem2, t);
        Statistics().PStudent(t, summary.n1 + summary.n2 - 2, p);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(cell("df"), std::to_string(summary.n1 + summary.n2 - 2));
        QCOMPARE(cell("t"), number_text::fromDouble(t, numbers).toStdString());
        QCOMPARE(cell("p_class"), p.toStdString());

        ReportRequest request;
        request.level = level;
        request.rounding = rounding;
        const TwoSampleReport report = twoSampleReport(summary, request);
        QCOMPARE(columnOf(output[0], "p0"), output[0].size());
        QCOMPARE(cell("t_pooled"), figureText(report.pooled.t, numbers));
        QCOMPARE(cell("p_pooled"), figureText(report.pooled.pTwoTailed, numbers));
        QCOMPARE(cell("ci_pooled_lo"), numberText(report.pooled.differenceCi->lower, numbers));
        QCOMPARE(cell("df_welch"), figureText(report.welch.df, numbers));
        QCOMPARE(cell("p_welch_m1_lt_m2"), figureText(report.welch.pM1Less, numbers));
        QCOMPARE(cell("ci_welch_hi"), numberText(report.welch.differenceCi->upper, numbers));
        QCOMPARE(cell("g"), figureText(report.hedgesG, numbers));
        QCOMPARE(cell("d_ci_lo"), numberText(report.cohensDCi->lower, numbers));
        QCOMPARE(cell("p_range_pooled_lo"), numberText(report.pRangePooled->lower, numbers));
        QCOMPARE(cell("p_range_welch_hi"), numberText(report.pRangeWelch->upper, numbers));
        QCOMPARE(cell("error"), std::string());
    }

    void optionsAndExitStatuses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QByteArray>("message");

        const QByteArray good = "label," + plainHeader.trimmed() + "\nx,10,5,1,10,4,1\n";
        const QByteArray bad = good + "y,10,5,-1,10,4,1\n";
        QTest::newRow("columns in the order given")
            << QStringList{"--columns", "t_pooled,LABEL,p_welch"} << good << 0
            << QByteArray("t_pooled,label,p_welch") << QByteArray();
        QTest::newRow("tsv") << QStringList{"--format", "tsv",       "--input-format",
                                            "csv",      "--columns", "label,df"}
                             << good << 0 << QByteArray("label\tdf") << QByteArray();
        QTest::newRow("bad row, lenient")
            << QStringList() << bad << 0 << QByteArray() << QByteArray();
        QTest::newRow("bad row, strict")
            << QStringList{"--strict"} << bad << 1 << QByteArray() << QByteArray();
        QTest::newRow("good rows, strict")
            << QStringList{"--strict"} << good << 0 << QByteArray() << QByteArray();
        // A spreadsheet exports the empty rows under a table as delimiters alone.
        QTest::newRow("empty spreadsheet rows, strict")
            << QStringList{"--strict"} << good + ",,,,,,,\r\n , ,\t,,,,\n,,\n"
            << 0 << QByteArray() << QByteArray();
        // Six rows, five of whose checks cannot run.
        const QByteArray checks = "study,t_reported,df_reported,p_reported\nA,2.24,18,.038\n"
                                  "B,2.24,18,x\nC,2.24,,.03\nD,,18,.03\nE,2.24,18,\nF,,,.5\n";
        const QByteArray checksSummary =
            "6 rows, none with errors; 5 with check errors (first: line 3: p_reported: cannot "
            "read \"x\")";
        QTest::newRow("check errors, lenient")
            << QStringList() << checks << 0 << QByteArray() << checksSummary;
        QTest::newRow("check errors, strict")
            << QStringList{"--strict"} << checks << 1 << QByteArray() << checksSummary;
        QTest::newRow("errors and check errors")
            << QStringList{"--strict"}
            << QByteArray("n1,m1,sd1,n2,m2,sd2,t_reported\n"
                          "10,5,-1,10,4,1,\n10,5,1,10,4,1,x\n")
            << 1 << QByteArray()
            << QByteArray("2 rows, 1 with errors (first: line 2: SD1 must not be negative.); 1 "
                          "with check errors (first: line 3: t_reported is not a number)");
        QTest::newRow("missing column")
            << QStringList() << QByteArray("n1,m1,sd1,n2,m2\n1,2,3,4,5\n") << 2 << QByteArray()
            << QByteArray("standard input, line 1: the header has no column for sd2.");
        QTest::newRow("unreadable file") << QStringList{"/nonexistent/table.csv"} << good << 2
                                         << QByteArray() << QByteArray("/nonexistent/table.csv");
        QTest::newRow("no header")
            << QStringList() << QByteArray() << 2 << QByteArray() << QByteArray("no header row");
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << good << 2 << QByteArray() << QByteArray("bogus");
        QTest::newRow("level out of range")
            << QStringList{"--level", "1"} << good << 2 << QByteArray() << QByteArray("--level");
        QTest::newRow("unknown column") << QStringList{"--columns", "t,zz"} << good << 2
                                        << QByteArray() << QByteArray("\"zz\"");
    }
    void optionsAndExitStatuses() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, firstLine);
        QFETCH(QByteArray, message);

        const BatchRun run = runBatchTool(arguments, input);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, exitCode);
        if (!firstLine.isEmpty()) {
            QCOMPARE(run.out.left(run.out.indexOf('\n')), firstLine);
        }
        QVERIFY2(run.err.contains(message), run.err.constData());
    }

    void jsonLinesHoldNumbersStringsAndNulls() {
        const BatchRun run = runBatchTool(
            {"--format", "jsonl", "--columns", "label,t,t_pooled,g,error"},
            "label,n1,m1,sd1,n2,m2,sd2\n\"a\x01\xff\",10,5,1,10,4,1\nb,1,5,1,1,4,1\nc,x\n");
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 3);
        QList<QJsonObject> rows;
        for (const QByteArray& line : lines) {
            QJsonParseError problem;
            rows.append(QJsonDocument::fromJson(line, &problem).object());
            QCOMPARE(problem.error, QJsonParseError::NoError);
        }
        // \xff is not UTF-8: the cell is read in the Windows code page, as a spreadsheet wrote it.
        QCOMPARE(rows[0].value("label").toString(), QString::fromUtf8("a\x01\xC3\xBF"));
        QVERIFY(rows[0].value("t").isDouble());
        QVERIFY(rows[0].value("t_pooled").isDouble());
        QVERIFY(rows[0].value("error").isNull());
        QVERIFY(rows[1].value("g").isNull()); // no degrees of freedom
        QVERIFY(rows[2].value("t_pooled").isNull());
        QVERIFY(rows[2].value("error").isString());
    }

    // Whatever the bytes, no crash and one output row per input record; worker threads keep
    // the input order.
    void anyBytesGiveOneRowEachInOrder_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("unclosedQuote"); // then the run stops there with status 2
        QByteArray noise;
        QRandomGenerator random(13);
        for (int k = 0; k < 20000; ++k) {
            noise.append(char(random.bounded(256)));
        }
        QByteArray rows;
        for (int k = 0; k < 20000; ++k) {
            rows += QByteArray::number(k % 50) + ',' + QByteArray::number(k * 0.37) + ",1.5," +
                    QByteArray::number(k % 7 + 1) + ",4,0." + QByteArray::number(k % 9) + '\n';
        }
        QTest::newRow("random bytes") << noise << true;
        QTest::newRow("NULs and an unclosed quote") << QByteArray("1,2,\0,4\n\"5,6\n7", 13) << true;
        QTest::newRow("many varied rows") << rows << false;
    }
    void anyBytesGiveOneRowEachInOrder() {
        QFETCH(QByteArray, body);
        QFETCH(bool, unclosedQuote);
        const QStringList columns = {"--columns", "n1,t,p_class,t_welch,p_pooled,error"};
        const BatchRun one = runBatchTool(QStringList{"--jobs", "1"} + columns, plainHeader + body);
        const BatchRun three =
            runBatchTool(QStringList{"--jobs", "3"} + columns, plainHeader + body);
        QVERIFY(!one.crashed && !three.crashed);
        QCOMPARE(one.exitCode, unclosedQuote ? 2 : 0);
        QCOMPARE(one.err.contains("closing quote is missing"), unclosedQuote);
        QCOMPARE(three.out, one.out);
        const Table input = parseCsv(plainHeader + body);
        const Table output = parseCsv(one.out);
        QCOMPARE(output.size(), input.size());
        for (std::size_t row = 0; row < input.size(); ++row) {
            QCOMPARE(output[row].front(), input[row].front()); // records are never split
        }
    }

    // Reported results checked by the real tool: a table of t, df and p alone, and a summary
    // with its items; aliases of the header names; bad inputs named in check_error only.
    void checksReportedResults_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QByteArray tdp = "t_reported,df_reported,p_reported\n";
        const QStringList pColumns{"--columns", "p_check,check_error,error"};
        QTest::newRow("consistent") << pColumns << tdp + "2.24,18,.038\n"
                                    << QByteArray("p_check,check_error,error\nconsistent,,\n");
        QTest::newRow("inconsistent") << pColumns << tdp + "2.24,18,.02\n"
                                      << QByteArray("p_check,check_error,error\ninconsistent,,\n");
        QTest::newRow("decision error")
            << pColumns << tdp + "1.90,18,<.05\n"
            << QByteArray("p_check,check_error,error\ndecision_error,,\n");
        QTest::newRow("header aliases")
            << pColumns << QByteArray("T Reported,df.reported,P-reported\n2.24,18,p = .038\n")
            << QByteArray("p_check,check_error,error\nconsistent,,\n");
        // The grammar the text check reads a paper's p with: SciPy, 2 * t.sf(5.02, 60) = 4.9e-6.
        QTest::newRow("superscript power of ten")
            << pColumns << tdp + "5.02,60,p = 4.9 \u00d7 10\u207b\u2076\n"
            << QByteArray("p_check,check_error,error\nconsistent,,\n");
        QTest::newRow("unreadable p")
            << pColumns << tdp + "2.24,18,about .04\n"
            << QByteArray(
                   "p_check,check_error,error\n,\"p_reported: cannot read \"\"about .04\"\"\",\n");
        const QByteArray verdicts = "p_check,p_recomputed,check_error\n";
        const QStringList pRecomputed{"--columns", "p_check,p_recomputed,check_error"};
        QTest::newRow("p of zero") << pColumns << tdp + "25.3,40,p = .000\n"
                                   << QByteArray("p_check,check_error,error\nimpossible,,\n");
        QTest::newRow("equals ns") << pColumns << tdp + "1.2,30,= ns\n"
                                   << QByteArray("p_check,check_error,error\nconsistent,,\n");
        QTest::newRow("one-tailed option")
            << QStringList{"--one-tailed"} + pRecomputed << tdp + "2.24,18,.019\n"
            << verdicts + "consistent,0.018974633207751366,\n";
        const QByteArray tdpTails = "t_reported,df_reported,p_reported,tails_reported\n";
        QTest::newRow("tails column")
            << pRecomputed << tdpTails + "2.24,18,.019,1\n2.24,18,.019,2\n1.90,18,.963,one-tailed\n"
            << verdicts + "consistent,0.018974633207751366,\n"
                          "inconsistent,0.03794926641550273,\n"
                          "consistent_other_tail,0.9632128035696608,\n";
        QTest::newRow("tails column over the option")
            << QStringList{"--one-tailed"} + pRecomputed << tdpTails + "2.24,18,.038,2\n"
            << verdicts + "consistent,0.03794926641550273,\n";
        QTest::newRow("bad tails")
            << pRecomputed << tdpTails + "2.24,18,.019,3\n"
            << verdicts + ",,\"tails_reported must be 1 or 2, not \"\"3\"\"\"\n";
        QTest::newRow("only t")
            << pRecomputed << tdp + "2.24,,\n"
            << verdicts + ",,\"df_reported and p_reported are empty, so p_check cannot be "
                          "worked out\"\n";
        QTest::newRow("no p")
            << pRecomputed << tdp + "2.24,18,\n"
            << verdicts + ",0.03794926641550273,\"p_reported is empty, so p_check cannot be "
                          "worked out\"\n";
        QTest::newRow("no df, no p column")
            << QStringList{"--columns", "p_recomputed,check_error"}
            << QByteArray("t_reported,df_reported\n2.24, \n,\n")
            << QByteArray("p_recomputed,check_error\n,\"df_reported is empty, so p_recomputed "
                          "cannot be worked out\"\n,\n");
        const QByteArray summary = "n1,m1,sd1,n2,m2,sd2,items1\n";
        const QStringList grim{"--columns", "grim_m1,grim_m2,grim_sd1,check_error,error"};
        QTest::newRow("grim inconsistent")
            << grim << summary + "28,5.19,1.2,30,4.50,1.1,1\n"
            << QByteArray("grim_m1,grim_m2,grim_sd1,check_error,error\n"
                          "inconsistent,,untestable,,\n");
        QTest::newRow("items for both sets")
            << QStringList{"--items", "1"} + grim << summary + "28,5.18,1.2,30,4.50,1.1,\n"
            << QByteArray("grim_m1,grim_m2,grim_sd1,check_error,error\n"
                          "consistent,consistent,untestable,,\n");
        QTest::newRow("bad items")
            << grim << summary + "28,5.18,1.2,30,4.50,1.1,0.5\n"
            << QByteArray("grim_m1,grim_m2,grim_sd1,check_error,error\n"
                          ",,,items1 must be a whole number from 1 to 1000000,\n");
        QTest::newRow("summary result without a summary")
            << QStringList{"--columns", "t_check"} << tdp + "2.24,18,.038\n"
            << QByteArray();
    }
    void checksReportedResults() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        const BatchRun run = runBatchTool(arguments, input);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, output.isEmpty() ? 2 : 0);
        QCOMPARE(run.out, output);
    }
};

QTEST_GUILESS_MAIN(TestBatchTool)
#include "test_batch_tool.moc"
