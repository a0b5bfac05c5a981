// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_run.h"

#include "cli/result_columns.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

// The batch tool as a user meets it: tables written the way spreadsheets export them, faults in
// the input and in the output stream, and what it says on standard error.
class TestBatchIo : public QObject {
    Q_OBJECT

private slots:
    // Every number the tool writes has the locale's decimal separator, also where the locale's
    // minus sign is not ASCII.
    void numbersUseTheLocaleDecimalSeparator_data() {
        QTest::addColumn<QString>("locale");
        for (const char* locale :
             {"sv_SE", "fi_FI", "nb_NO", "et_EE", "lt_LT", "sl_SI", "hr_HR", "eu_ES", "de_DE"}) {
            QTest::newRow(locale) << QString::fromLatin1(locale);
        }
    }
    void numbersUseTheLocaleDecimalSeparator() {
        QFETCH(QString, locale);
        const BatchRun run = runBatchTool(
            {"--locale", locale, "--delimiter", ";", "--columns", "t,t_pooled,diff,ci_welch_lo,d"},
            "n1;m1;sd1;n2;m2;sd2\n10;4;1;10;5,5;1\n");
        QCOMPARE(run.exitCode, 0);
        const Table output = parseCsv(run.out, ';');
        QCOMPARE(output.size(), std::size_t(2));
        for (const std::string& cell : output[1]) {
            QVERIFY2(cell.find(',') != std::string::npos && cell.find('.') == std::string::npos,
                     cell.c_str());
        }
    }

    // What goes wrong in the input is named with its line; nothing is taken silently.
    void faultsAreNamedWithTheirLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");

        const QByteArray unclosed = "n1,m1,sd1,n2,m2,sd2,note\n10,5,1,10,4,1,ok\n"
                                    "10,5,1,10,4,1,\"open\n10,5,1,10,4,1,lost\n";
        QTest::newRow("unclosed quote") << QStringList{"--strict"} << unclosed << "en" << 2
                                        << QByteArray("standard input, line 3: a quoted field "
                                                      "starts on this line and its closing quote "
                                                      "is missing");
        QTest::newRow("unclosed quote, de")
            << QStringList{"--strict"} << unclosed << "de" << 2
            << QByteArray("standard input, Zeile 3: in dieser Zeile beginnt ein Feld in "
                          "Anführungszeichen, dessen schließendes Anführungszeichen fehlt");
        const QByteArray failedRow = "n1,m1,sd1,n2,m2,sd2\r\n10,5,1,10,4,1\r\n\r\n"
                                     "\"10\",5,-1,10,4,1\r\n10,5,1,10,4,1\r\n";
        QTest::newRow("summary") << QStringList() << failedRow << "en" << 0
                                 << QByteArray("standard input: 3 rows, 1 with errors (first: line "
                                               "4: SD1 must not be negative.)");
        QTest::newRow("summary, de")
            << QStringList() << failedRow << "de" << 0
            << QByteArray("standard input: 3 Zeilen, 1 mit Fehlern (erster: "
                          "Zeile 4: SD1 darf nicht negativ sein.)");
        QTest::newRow("empty cell, de")
            << QStringList() << QByteArray("n1,m1,sd1,n2,m2,sd2\n10,5,1,10,4,\n") << "de" << 0
            << QByteArray("Zeile 2: SD2 ist leer");
        QTest::newRow("old Mac line ends, a line break in quotes")
            << QStringList()
            << QByteArray("note,n1,m1,sd1,n2,m2,sd2\r\"a\r\nb\",10,5,1,10,4,1\r"
                          "x,10,5,-1,10,4,1\r")
            << "en" << 0 << QByteArray("2 rows, 1 with errors (first: line 4: SD1 must not");
        QTest::newRow("blank spreadsheet rows are not counted")
            << QStringList()
            << QByteArray("n1;m1;sd1;n2;m2;sd2\r\n10;5;1;10;4;1\r\n;;;;;\r\n10;5;-1;10;4;1\r\n"
                          ";;;;;\r\n ; ;;;;\r\n")
            << "en" << 0 << QByteArray("standard input: 2 rows, 1 with errors (first: line 4:");
        QTest::newRow("German group separator")
            << QStringList{"--locale", "de_DE"}
            << QByteArray("n1;m1;sd1;n2;m2;sd2\n10;1.500;1;10;4;1\n") << "en" << 0
            << QByteArray("line 2: M1 \"1.500\" holds a group separator, so it could mean another "
                          "number; write it without one, or give --grouping.");
        QTest::newRow("German group separator, de")
            << QStringList{"--locale", "de_DE"}
            << QByteArray("n1;m1;sd1;n2;m2;sd2\n10;1.500;1;10;4;1\n") << "de" << 0
            << QByteArray("Zeile 2: M1 \xE2\x80\x9E"
                          "1.500\xE2\x80\x9C enthält ein Tausendertrennzeichen");
        QByteArray wholeNumbers = "n1;m1;sd1;n2;m2;sd2\n";
        for (int row = 0; row < 25; ++row) {
            wholeNumbers += "10;5;1;10;4;1\n";
        }
        QTest::newRow("decimal comma below the sniffed rows")
            << QStringList() << wholeNumbers + "10;5,5;1;10;4;1\n"
            << "en" << 0
            << QByteArray("line 27: M1 \"5,5\" has a decimal comma, but the table is read with "
                          "decimal points; give --locale de_DE to read decimal commas.");
        QTest::newRow("decimal point below the sniffed rows, de")
            << QStringList()
            << QByteArray(wholeNumbers).replace(";5;", ";5,5;") + "10;5;1.5;10;4;1\n"
            << "de" << 0
            << QByteArray("Zeile 27: SD1 \xE2\x80\x9E"
                          "1.5\xE2\x80\x9C hat einen Dezimalpunkt");
        QTest::newRow("thousands point, decimal commas")
            << QStringList() << QByteArray("n1;m1;sd1;n2;m2;sd2\r\n1.500;5,1;1,2;22;4,3;1,4\r\n")
            << "en" << 0
            << QByteArray("N1 \"1.500\" holds a group separator, so it could mean "
                          "another number; write it without one, or give --grouping.");
        QTest::newRow("thousands point, whole numbers")
            << QStringList() << QByteArray("n1;m1;sd1;n2;m2;sd2\n1.500;5;1;10;4;1\n") << "en" << 0
            << QByteArray("N1 \"1.500\" is not a whole number; if it is written with a thousands "
                          "separator, give --locale de_DE --grouping.");
        QTest::newRow("quoted C group separator in an SE")
            << QStringList() << QByteArray("n1,m1,se1,n2,m2,sd2\n10,4,\"1,500\",10,4,1\n") << "en"
            << 0 << QByteArray("line 2: SE1 \"1,500\" holds a group separator");
        QTest::newRow("one-field header")
            << QStringList{"--delimiter", ","} << QByteArray("n1;m1;sd1;n2;m2;sd2\n10;5;1;10;4;1\n")
            << "en" << 2 << QByteArray("line 1: the header is a single field that holds ';'");
        QTest::newRow("input column named like a result")
            << QStringList() << QByteArray("n1,m1,sd1,n2,m2,sd2,t\n10,5,1,10,4,1,x\n") << "en" << 2
            << QByteArray("the table has a column \"t\", and so do the results; give --prefix");
        QTest::newRow("unknown column")
            << QStringList{"--columns", "t,zz"} << QByteArray("n1,m1,sd1,n2,m2,sd2\n") << "en" << 2
            << QByteArray("there is no column \"zz\"; the table has n1, m1, sd1, n2, m2, sd2, and "
                          "the results are df, t, p_class");
    }
    void faultsAreNamedWithTheirLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, language);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);

        const BatchRun run = runBatchTool(arguments, input, language);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.err.count('\n'), 1); // one message, nothing else
    }

    void groupingIsTakenWhenAskedFor() {
        const BatchRun grouped =
            runBatchTool({"--locale", "de_DE", "--grouping", "--columns", "t_pooled,error"},
                         "n1;m1;sd1;n2;m2;sd2\n10;1.500;1;10;4;1\n");
        const BatchRun plain = runBatchTool({"--locale", "de_DE", "--columns", "t_pooled,error"},
                                            "n1;m1;sd1;n2;m2;sd2\n10;1500;1;10;4;1\n");
        QCOMPARE(grouped.exitCode, 0);
        QVERIFY(grouped.err.isEmpty());
        QCOMPARE(grouped.out, plain.out);
    }

    // Tables as they come read with no option as they do with the options that describe them.
    void delimiterAndDecimalMarkAreFound_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("describingArguments");

        QTest::newRow("German spreadsheet export")
            << QByteArray("\xEF\xBB\xBF\"Studie\";n1;m1;sd1;n2;m2;sd2\r\n"
                          "\"M\xC3\xBCller; 2019\";12;5,25;1,5;14;4,1;1,25\r\n"
                          "\"Ba \"\"B\"\"\";20;-0,5;2;20;-1;2\r\n")
            << QStringList() << QStringList{"--locale", "de_DE", "--delimiter", ";"};
        QTest::newRow("decimal points in p_reported only")
            << QByteArray("n1;m1;sd1;n2;m2;sd2;t_reported;df_reported;p_reported\n"
                          "20;5,1;1,2;22;4,3;1,4;2,20;28;0.04\n")
            << QStringList() << QStringList{"--locale", "de_DE", "--delimiter", ";"};
        QTest::newRow("decimal points in a column passed through")
            << QByteArray("Studie;Version;n1;m1;sd1;n2;m2;sd2\nA;1.2;12;5,25;1,5;14;4,1;1,25\n"
                          "B;2.0;20;5;2;20;4;2\n")
            << QStringList() << QStringList{"--locale", "de_DE", "--delimiter", ";"};
        QTest::newRow("--format tsv reads semicolons")
            << QByteArray("n1;m1;sd1;n2;m2;sd2\n12;5,25;1,5;14;4,1;1,25\n")
            << QStringList{"--format", "tsv"}
            << QStringList{"--format", "tsv", "--delimiter", ";", "--locale", "de_DE"};
        QTest::newRow("tab-separated")
            << QByteArray("study\tn1\tm1\tsd1\tn2\tm2\tsd2\nA\t12\t5.25\t1.5\t14\t4.1\t1.25\n")
            << QStringList() << QStringList{"--delimiter", "tab", "--format", "tsv"};
        QTest::newRow("--format tsv reads tabs")
            << QByteArray("study\tn1\tm1\tsd1\tn2\tm2\tsd2\nA\t12\t5.25\t1.5\t14\t4.1\t1.25\n")
            << QStringList{"--format", "tsv"}
            << QStringList{"--delimiter", "\\t", "--format", "tsv"};
        QTest::newRow("pipes, only whole numbers")
            << QByteArray("study|n1|m1|sd1|n2|m2|sd2\nA|12|5|1|14|4|1\n") << QStringList()
            << QStringList{"--delimiter", "|"};
        QTest::newRow("commas, decimal points in quotes")
            << QByteArray("study,n1,m1,sd1,n2,m2,sd2\n\"A, B\",12,\"5.25\",1.5,14,4.1,1.25\n")
            << QStringList() << QStringList{"--delimiter", ","};
    }
    void delimiterAndDecimalMarkAreFound() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, describingArguments);
        const BatchRun found = runBatchTool(arguments, input);
        const BatchRun described = runBatchTool(describingArguments, input);
        QCOMPARE(found.exitCode, 0);
        QCOMPARE(described.exitCode, 0);
        QCOMPARE(found.out, described.out);
        const QList<QByteArray> lines = found.out.split('\n');
        QCOMPARE(lines.size(), input.count('\n') + 1);
        for (QByteArray row : lines.mid(1, lines.size() - 2)) {
            if (row.endsWith('\r')) { // a CR LF table goes out with CR LF
                row.chop(1);
            }
            QVERIFY2(QByteArray(",;\t|").contains(row.back()), row.constData()); // no error
        }
        QVERIFY2(found.err.isEmpty(), found.err.constData()); // not a terminal: nothing to say
    }

    // Excel reads a CSV file as UTF-8 only by its byte-order mark: a table that came with one
    // goes out with one, JSON lines never.
    void byteOrderMarkFollowsTheInput_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("mark");
        const QByteArray table = "Studie;n1;m1;sd1;n2;m2;sd2\r\nM\xC3\xBCller;10;5;1;10;4;1\r\n";
        QTest::newRow("UTF-8 with a mark") << "\xEF\xBB\xBF" + table << QStringList() << true;
        QTest::newRow("UTF-8 without") << table << QStringList() << false;
        QTest::newRow("UTF-16 with a mark")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
                              .encode(QString::fromUtf8(table)))
            << QStringList() << true;
        QTest::newRow("TSV") << "\xEF\xBB\xBF" + table << QStringList{"--format", "tsv"} << true;
        QTest::newRow("JSON lines")
            << "\xEF\xBB\xBF" + table << QStringList{"--format", "jsonl"} << false;
    }
    void byteOrderMarkFollowsTheInput() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, arguments);
        QFETCH(bool, mark);
        const BatchRun run = runBatchTool(arguments + QStringList{"--columns", "Studie,t"}, input);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.startsWith("\xEF\xBB\xBF"), mark);
        QVERIFY2(run.out.mid(mark ? 3 : 0).startsWith(mark || arguments.isEmpty() ? "Studie" : "{"),
                 run.out.constData());
        QVERIFY2(run.out.contains("M\xC3\xBCller"), run.out.constData());
    }

    // The output's lines end as the input's do, so that a Windows export goes back as it came;
    // JSON lines always end in LF.
    void lineEndFollowsTheInput_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("lineEnd");
        const QByteArray crlf = "study;n1;m1;sd1;n2;m2;sd2\r\n\"a\r\nb\";10;5;1;10;4;1\r\n"
                                "c;10;5;1;10;4;1\r\n";
        QTest::newRow("CSV, CRLF") << crlf << QStringList() << QByteArray("\r\n");
        QTest::newRow("CSV, LF") << QByteArray(crlf).replace("\r\n", "\n") << QStringList()
                                 << QByteArray("\n");
        QTest::newRow("CSV, CR") << QByteArray(crlf).replace("\r\n", "\r") << QStringList()
                                 << QByteArray("\r");
        QTest::newRow("TSV, CRLF")
            << QByteArray(crlf).replace(';', '\t') << QStringList() << QByteArray("\r\n");
        QTest::newRow("CSV in, TSV out")
            << crlf << QStringList{"--format", "tsv"} << QByteArray("\r\n");
        QTest::newRow("UTF-16, CRLF")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)
                              .encode(QString::fromUtf8(crlf)))
            << QStringList() << QByteArray("\r\n");
        QTest::newRow("JSON lines") << crlf << QStringList{"--format", "jsonl"} << QByteArray("\n");
    }
    void lineEndFollowsTheInput() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, lineEnd);
        const BatchRun run = runBatchTool(arguments + QStringList{"--columns", "study,t"}, input);
        QCOMPARE(run.exitCode, 0);
        // Only the quoted cell's own line break stays as it was.
        QByteArray out = run.out;
        out.replace("a\r\nb", "a b").replace("a\nb", "a b").replace("a\rb", "a b");
        const qsizetype lines = arguments.contains("jsonl") ? 2 : 3;
        QCOMPARE(out.count(lineEnd), lines);
        QCOMPARE(out.count('\n') + out.count('\r'), lines * lineEnd.size());
        QVERIFY2(out.endsWith(lineEnd), out.constData());
    }

    // The first failed write ends the run with its own reason.
    void writeErrorsStopTheRun_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("message");
        // Endless input: only stopping at the failed write ends the run.
        QTest::newRow("closed pipe, SIGPIPE ignored")
            << "trap '' PIPE; { echo n1,m1,sd1,n2,m2,sd2; yes 10,5,1,10,4,1 2>/dev/null; } | "
               "timeout 30 \"$0\" \"$@\" | head -c 1 >/dev/null; exit ${PIPESTATUS[1]}"
            << QByteArray("lxtervan-batch: cannot write the output: Broken pipe\n");
        QTest::newRow("standard output closed")
            << "exec \"$0\" \"$@\" >&-"
            << QByteArray("lxtervan-batch: cannot write the output: Bad file descriptor\n");
    }
    void writeErrorsStopTheRun() {
        QFETCH(QString, script);
        QFETCH(QByteArray, message);
        const BatchRun run = runBatchScript(script, {"--jobs", "2", "--columns", "t_pooled"},
                                            "n1,m1,sd1,n2,m2,sd2\n10,5,1,10,4,1\n");
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, message);
    }

    // JSON lines keep the table's columns as strings and the results as numbers, under their
    // prefix when the names would clash.
    void jsonLinesNameEachMemberOnce() {
        const BatchRun run =
            runBatchTool({"--format", "jsonl", "--prefix", "lx_", "--columns", "t,lx_t,lx_df,df"},
                         "t,df,n1,m1,sd1,n2,m2,sd2\n1.5,x,10,5,1,10,4,1\n");
        QCOMPARE(run.exitCode, 0);
        QJsonParseError problem;
        const QJsonObject row = QJsonDocument::fromJson(run.out, &problem).object();
        QCOMPARE(problem.error, QJsonParseError::NoError);
        QCOMPARE(row.keys(), (QStringList{"df", "lx_df", "lx_t", "t"}));
        QCOMPARE(row.value("t").toString(), QStringLiteral("1.5"));
        QCOMPARE(row.value("df").toString(), QStringLiteral("x"));
        QVERIFY(row.value("lx_t").isDouble());
        QCOMPARE(row.value("lx_df").toDouble(), 18.0);
    }

    // JSON holds UTF-8 only: a cell from a spreadsheet saved in the Windows code page keeps its
    // letters instead of turning into U+FFFD; a UTF-8 cell stays as it is.
    void jsonLinesKeepWindowsCodePageCells_data() {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Windows-1252")
            << QByteArray("M\xfcller \x96 2019") << QString::fromUtf8("Müller – 2019");
        QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab") << QString::fromUtf8("Zoë");
    }
    void jsonLinesKeepWindowsCodePageCells() {
        QFETCH(QByteArray, cell);
        QFETCH(QString, expected);
        const BatchRun run =
            runBatchTool({"--format", "jsonl", "--columns", "study,t"},
                         "study;n1;m1;sd1;n2;m2;sd2\n" + cell + ";10;5;1;10;4;1\n");
        QCOMPARE(run.exitCode, 0);
        QJsonParseError problem;
        const QJsonObject row = QJsonDocument::fromJson(run.out, &problem).object();
        QCOMPARE(problem.error, QJsonParseError::NoError);
        QCOMPARE(row.value("study").toString(), expected);
    }

    // --help (and the manual page made from it) gives every result column its meaning.
    void helpListsEveryResultColumn_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("heading");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("en") << "en" << QByteArray("Result columns (") << QByteArray(" [FILE]\n");
        QTest::newRow("de") << "de" << QByteArray("Ergebnisspalten (") << QByteArray(" [DATEI]\n");
    }
    void helpListsEveryResultColumn() {
        QFETCH(QString, language);
        QFETCH(QByteArray, heading);
        QFETCH(QByteArray, file);
        const BatchRun run = runBatchTool({"--help"}, {}, language);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(heading));
        QVERIFY2(run.out.contains(file), run.out.left(200).constData()); // the usage line
        const QList<QByteArray> lines = run.out.split('\n');
        for (int k = 0; k < lx::cli::resultColumnCount; ++k) {
            const std::string_view column =
                lx::cli::resultColumnName(static_cast<lx::cli::ResultColumn>(k));
            const QByteArray name(column.data(), qsizetype(column.size()));
            const bool described =
                std::any_of(lines.begin(), lines.end(), [&](const QByteArray& line) {
                    const QList<QByteArray> words = line.simplified().split(' ');
                    return words.size() > 1 && words.front() == name;
                });
            QVERIFY2(described, name.constData());
        }
    }

    // The README names every option --help (and so the manual page) lists, so that an option is
    // never only in one of them.
    void readmeNamesEveryOption() {
        const BatchRun run = runBatchTool({"--help"}, {});
        QCOMPARE(run.exitCode, 0);
        QFile file(QStringLiteral(README));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray readme = file.readAll();
        static const QRegularExpression option(QStringLiteral("^  (?:-\\w, )?(--[a-z-]+)"),
                                               QRegularExpression::MultilineOption);
        int options = 0;
        for (const auto& match : option.globalMatch(QString::fromUtf8(run.out))) {
            const QByteArray name = match.captured(1).toUtf8();
            if (name == "--help" || name == "--help-all" || name == "--version") {
                continue;
            }
            ++options;
            QVERIFY2(readme.contains('`' + name) || readme.contains(name + ' ') ||
                         readme.contains(name + '`'),
                     name.constData());
        }
        QVERIFY(options > 20);
    }
};

QTEST_GUILESS_MAIN(TestBatchIo)
#include "test_batch_io.moc"
