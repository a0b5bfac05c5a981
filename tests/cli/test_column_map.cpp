// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The batch tool finds the six inputs under the names researchers' tables use, takes --map for
// the rest, and otherwise says exactly what to type.
#include "batch_run.h"

#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

namespace {

const QByteArray row = "10,5,1,10,4,1";
const QByteArray expectedT = "2.23606797749979";

QByteArray onlyT(const BatchRun& run) {
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    return lines.size() == 2 ? lines[1].trimmed() : QByteArray();
}

// A table as Excel saves "Unicode Text": UTF-16 with its byte-order mark.
QByteArray utf16(const QByteArray& text, QStringEncoder::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder(QString::fromUtf8(text));
}

} // namespace

class TestColumnMap : public QObject {
    Q_OBJECT

private slots:
    void tablesAsTheyCome_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("t");
        QTest::newRow("spreadsheet names") << QByteArray("Study,N1,Mean1,SD1,N2,Mean2,SD2\nA,"
                                                         "10,5,1,10,4,1\n")
                                           << QStringList() << expectedT;
        QTest::newRow("meta-analysis names")
            << QByteArray("m1i,sd1i,n1i,m2i,sd2i,n2i\n5,1,10,4,1,10\n") << QStringList()
            << expectedT;
        QTest::newRow("blanks, dots and case") << QByteArray("Total 1,AVG_1,S.D.1,size-2,avg 2,"
                                                             "stdev2\n" +
                                                             row + "\n")
                                               << QStringList() << expectedT;
        QTest::newRow("standard errors") << QByteArray("n1,mean1,sem1,n2,mean2,sem2\n10,5,"
                                                       "0.316227766016838,10,4,0.316227766016838\n")
                                         << QStringList() << expectedT;
        QTest::newRow("German export") << QByteArray("N1;Mean1;SD1;N2;Mean2;SD2\r\n10;5,0;1;10;"
                                                     "4;1\r\n")
                                       << QStringList() << QByteArray("2,23606797749979");
        QTest::newRow("German names")
            << QByteArray("Studie;Anzahl1;Mittelwert1;Standardabweichung1;"
                          "Fallzahl 2;MW 2;s_2\r\nA;10;5,0;1;10;4;1\r\n")
            << QStringList() << QByteArray("2,23606797749979");
        QTest::newRow("German names, standard errors")
            << QByteArray("Stichprobenumfang1;MW1;Standardfehler1;Anzahl2;Mittelwert2;SE2\n10;5;"
                          "0,316227766016838;10;4;0,316227766016838\n")
            << QStringList() << QByteArray("2,23606797749979");
        QTest::newRow("Excel's sep= line")
            << QByteArray("\xEF\xBB\xBFsep=;\r\nN1;Mean1;SD1;N2;Mean2;SD2\r\n10;5,0;1;10;4;1\r\n")
            << QStringList() << QByteArray("2,23606797749979");
        QTest::newRow("tabs on standard input")
            << QByteArray("n1\tm1\tsd1\tn2\tm2\tsd2\n10\t5\t1\t10\t4\t1\n") << QStringList()
            << expectedT;
        const QByteArray unicodeText =
            "Größe\tN1\tMean1\tSD1\tN2\tMean2\tSD2\r\nA\t10\t5\t1\t10\t4\t1\r\n";
        QTest::newRow("UTF-16, little-endian")
            << utf16(unicodeText, QStringEncoder::Utf16LE) << QStringList() << expectedT;
        QTest::newRow("UTF-16, big-endian")
            << utf16(unicodeText, QStringEncoder::Utf16BE) << QStringList() << expectedT;
        QTest::newRow("map by name")
            << QByteArray("Total_E,Mean_E,SD_E,Total_C,Mean_C,SD_C\n" + row + "\n")
            << QStringList{"--map", "n1=Total_E,m1=Mean_E,sd1=SD_E,n2="
                                    "Total_C,m2=Mean_C,sd2=SD_C"}
            << expectedT;
        QTest::newRow("map by number")
            << QByteArray("a,b,c,d,e,f\n" + row + "\n")
            << QStringList{"--map", "n1=1,m1=2,sd1=3,n2=4,m2=5,sd2=6"} << expectedT;
        QTest::newRow("a mapped column wins over a name")
            << QByteArray("n1,m1,sd1,n2,m2,sd2,Other\n10,99,1,10,4,1,5\n")
            << QStringList{"--map", "m1=Other"} << expectedT;
        QTest::newRow("the map settles two candidates")
            << QByteArray("n1,size1,m1,sd1,n2,m2,sd2\n10,3,5,1,10,4,1\n")
            << QStringList{"--map", "n1=n1"} << expectedT;
    }
    void tablesAsTheyCome() {
        QFETCH(QByteArray, table);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, t);
        const BatchRun run = runBatchTool(arguments + QStringList{"--columns", "t"}, table);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(onlyT(run), t);
    }

    // A row that does not fit the header, short or with a note beyond it, is that row's error;
    // it used to hide the delimiter, and the whole table was refused as a single column.
    void unevenRowsKeepTheDelimiter_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("a note beyond the last column")
            << QByteArray("N1;Mean1;SD1;N2;Mean2;SD2\r\n10;5,0;1;10;4;1\r\n10;5;1;10;4;1;Notiz\r\n")
            << QByteArray("t\n2,23606797749979\n;Notiz\n");
        QTest::newRow("a short row")
            << QByteArray("N1;Mean1;SD1;N2;Mean2;SD2\n10;5,0;1;10;4;1\n10;5\n")
            << QByteArray("t\n2,23606797749979\n\n");
    }
    void unevenRowsKeepTheDelimiter() {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, out);
        const BatchRun run = runBatchTool({"--columns", "t"}, table);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QByteArray(run.out).replace("\r\n", "\n"), out);
        QVERIFY2(run.err.contains("2 rows, 1 with errors"), run.err.constData());
    }

    void unclearHeadersAreRefused_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("two names for N1")
            << QByteArray("n1,size1,m1,sd1,n2,m2,sd2") << QStringList() << QString()
            << QStringList{"\"n1\"", "\"size1\"", "--map n1="};
        QTest::newRow("both SD and SE") << QByteArray("n1,m1,sd1,se1,n2,m2,sd2") << QStringList()
                                        << QString() << QStringList{"\"sd1\"", "\"se1\""};
        QTest::newRow("nothing like an input")
            << QByteArray("x;y;z;u;v;w") << QStringList() << QString()
            << QStringList{"n1, m1, sd1, n2, m2, sd2",
                           "(delimiter \";\")",
                           "\"x\", \"y\", \"z\"",
                           "total1",
                           "m1i",
                           "sem1",
                           "--map n1=COLUMN"};
        QTest::newRow("binary bytes")
            << QByteArray("\x7f"
                          "ELF\x02\x00\x00zz,b\xff,Gr\xc3\xb6\xc3\x9f"
                          "e",
                          20)
            << QStringList() << QString()
            << QStringList{"\"\\x7fELF\\x02\\x00\\x00zz\"", "\"b\\xff\"", "\"Größe\""};
        QTest::newRow("a long name is cut")
            << QByteArray(200, 'x') << QStringList() << QString()
            << QStringList{"\"" + QString(60, 'x') + QChar(0x2026) + "\""};
        QTest::newRow("a mapped name that is not there")
            << QByteArray("n1,m1,sd1,n2,m2,sd2") << QStringList{"--map", "m1=Mean"} << QString()
            << QStringList{"\"Mean\""};
        QTest::newRow("German") << QByteArray("x;y;z;u;v;w") << QStringList() << QString("de")
                                << QStringList{"n1, m1, sd1, n2, m2, sd2", "--map n1="};
        QTest::newRow("a mapped name that two columns have")
            << QByteArray("Mean,SD,Total,Mean,SD,Total")
            << QStringList{"--map", "n1=Total,m1=Mean,sd1=SD,n2=Total,m2=Mean,sd2=SD"} << QString()
            << QStringList{"columns 3 and 6", "\"Total\"", "number"};
        QTest::newRow("the same, in German")
            << QByteArray("Mean,SD,Total,Mean,SD,Total") << QStringList{"--map", "n1=Total"}
            << QString("de") << QStringList{"Spalten 3 und 6", "\"Total\""};
    }
    void unclearHeadersAreRefused() {
        QFETCH(QByteArray, header);
        QFETCH(QStringList, arguments);
        QFETCH(QString, language);
        QFETCH(QStringList, said);
        const QByteArray data = header.contains(';') ? QByteArray(row).replace(',', ';') : row;
        const BatchRun run = runBatchTool(arguments, header + "\n" + data + "\n", language);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        for (const QString& part : said) {
            QVERIFY2(QString::fromUtf8(run.err).contains(part), qPrintable(run.err));
        }
    }

    // The reported figures of a paper's table take --map like the summary does.
    void checkInputsMapped() {
        const BatchRun run = runBatchTool(
            {"--map", "t_reported=T value,df_reported=dof,p_reported=4", "--columns", "p_check"},
            "Study,T value,dof,P\nA,2.24,18,.038\nB,1.90,18,<.05\n");
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("p_check\nconsistent\ndecision_error\n"));
    }

    // The --map line the message offers runs as it is typed.
    // Review exports name both groups' columns alike, so it offers their numbers.
    // Meta-analysis exports name the arms rather than number them: one pair of group names in
    // a header reads as set 1 and set 2, whatever the order of the columns, and standard error
    // says which is which, since the sign of every result hangs on it.
    void groupNamesAsSets_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QByteArray>("t");
        QTest::addColumn<QByteArray>("said");
        QTest::newRow("_exp and _ctrl, German export")
            << QByteArray("\xEF\xBB\xBFStudie;N_ctrl;Mean_ctrl;SD_ctrl;N_exp;Mean_exp;SD_exp\r\n"
                          "A;10;4,0;1;10;5,0;1\r\n")
            << QByteArray("2,23606797749979") << QByteArray("set 1 = exp, set 2 = ctrl");
        QTest::newRow("Experimental and Control, words first")
            << QByteArray("Control N,Control Mean,Control SD,Experimental N,Experimental Mean,"
                          "Experimental SD\n10,4,1,10,5,1\n")
            << expectedT << QByteArray("set 1 = experimental, set 2 = control");
        QTest::newRow("Treatment and Control")
            << QByteArray("n_treatment,mean_treatment,sd_treatment,n_control,mean_control,"
                          "sd_control\n" +
                          row + "\n")
            << expectedT << QByteArray("set 1 = treatment, set 2 = control");
        QTest::newRow("Intervention and Control, standard errors")
            << QByteArray("N_Intervention,Mean_Intervention,SE_Intervention,N_Control,"
                          "Mean_Control,SE_Control\n10,5,0.316227766016838,10,4,"
                          "0.316227766016838\n")
            << expectedT << QByteArray("set 1 = intervention, set 2 = control");
        QTest::newRow("E and C, in brackets")
            << QByteArray("N (C),Mean (C),SD (C),N (E),Mean (E),SD (E),,\n10,4,1,10,5,1,,\n")
            << expectedT << QByteArray("set 1 = e, set 2 = c");
        QTest::newRow("T and C, German names")
            << QByteArray("Anzahl_T;MW_T;SD_T;Anzahl_C;MW_C;SD_C\n10;5,0;1;10;4,0;1\n")
            << QByteArray("2,23606797749979") << QByteArray("set 1 = t, set 2 = c");
        QTest::newRow("two pairs are not guessed")
            << QByteArray("N (E),Mean (E),SD (E),N (C),Mean (C),SD (C),N (T),Mean (T),SD (T)\n" +
                          row + ",10,4,1\n")
            << QByteArray() << QByteArray("the header has no column for n1, m1, sd1, n2");
    }
    void groupNamesAsSets() {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, t);
        QFETCH(QByteArray, said);
        const BatchRun run = runBatchTool({"--columns", "t"}, table);
        QCOMPARE(run.exitCode, t.isEmpty() ? 2 : 0);
        QCOMPARE(onlyT(run), t);
        QVERIFY2(run.err.contains(said), run.err.constData());
    }

    void theOfferedMapWorks_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("language");
        const QByteArray groups =
            "Grp A n,Grp A mean,Grp A sd,Grp B n,Grp B mean,Grp B sd\n" + row + "\n";
        const QByteArray review = "Study,Mean,SD,Total,Mean,SD,Total\nA,5,1,10,4,1,10\n";
        QTest::newRow("group names, English") << groups << QString();
        QTest::newRow("group names, German") << groups << QString("de");
        QTest::newRow("review export, English") << review << QString();
        QTest::newRow("review export, German") << review << QString("de");
        QTest::newRow("German group names")
            << QByteArray("Gruppe A Anzahl;Gruppe A MW;Gruppe A Standardabweichung;Gruppe B "
                          "Anzahl;Gruppe B MW;Gruppe B Standardabweichung\n10;5;1;10;4;1\n")
            << QString("de");
        QTest::newRow("two-line cells")
            << QByteArray("Study,\"Exp.\r\nn\",\"Exp.\r\nmean\",\"Exp.\r\nSD\",\"Control\r\nn\","
                          "\"Control\r\nmean\",\"Control\r\nSD\"\r\nA," +
                          row + "\r\n")
            << QString();
    }
    void theOfferedMapWorks() {
        QFETCH(QByteArray, table);
        QFETCH(QString, language);
        const BatchRun refused = runBatchTool({}, table, language);
        QCOMPARE(refused.exitCode, 2);
        const auto offered = QRegularExpression(QStringLiteral("--map '([^']+)'"))
                                 .match(QString::fromUtf8(refused.err));
        QVERIFY2(offered.hasMatch(), qPrintable(refused.err));
        // One line, to paste as it is shown.
        QVERIFY2(!offered.captured(1).contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f]"))),
                 qPrintable(refused.err));
        const BatchRun run =
            runBatchTool({"--map", offered.captured(1), "--columns", "t"}, table, language);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(onlyT(run), expectedT);
    }

    // A table of reported results under names of its own reads with the --map line offered.
    void reportedResultsUnderTheirOwnNames_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QByteArray("Study,t value,df,p value\nA,2.20,28,.04\n")
                                 << QString();
        QTest::newRow("German") << QByteArray("Studie;t;FG;p\r\nA;2,20;28;,04\r\n")
                                << QString("de");
    }
    void reportedResultsUnderTheirOwnNames() {
        QFETCH(QByteArray, table);
        QFETCH(QString, language);
        const BatchRun refused = runBatchTool({}, table, language);
        QCOMPARE(refused.exitCode, 2);
        const auto offered = QRegularExpression(QStringLiteral("--map '([^']+)'"))
                                 .match(QString::fromUtf8(refused.err));
        QVERIFY2(offered.hasMatch(), qPrintable(refused.err));
        const BatchRun run =
            runBatchTool({"--map", offered.captured(1), "--columns", "p_check"}, table, language);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(onlyT(run), QByteArray("consistent"));
    }

    // Review exports repeat Mean, SD and Total for each group: --columns picks them by number.
    void columnsByNumber_data() {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("said"); // the output, or the message
        QTest::newRow("repeated names")
            << "1,5, 7 ,t" << 0 << QByteArray("Study,Mean,Total,t\nA,4,10,2.23606797749979\n");
        QTest::newRow("beyond the last column")
            << "1,8" << 2
            << QByteArray("--columns: the table has no column 8; its columns are "
                          "numbered from 1 to 7");
    }
    void columnsByNumber() {
        QFETCH(QString, columns);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, said);
        const BatchRun run =
            runBatchTool({"--map", "n1=4,m1=2,sd1=3,n2=7,m2=5,sd2=6", "--columns", columns},
                         "Study,Mean,SD,Total,Mean,SD,Total\nA,5,1,10,4,1,10\n");
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(said), run.out + run.err);
    }

    // A spreadsheet's export keeps the title above its table. The refusal names the header's
    // line, and with it the table reads; its lines keep their numbers in the messages.
    void aTitleAboveTheHeader_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("said");
        QTest::addColumn<QByteArray>("t");
        const QByteArray english = "Table 2. Scores at 12 weeks,,,,,,,\n,,,,,,,\nStudy,Year,n1,m1,"
                                   "sd1,n2,m2,sd2\nA,2019,10,5,1,10,4,1\nB,2020,10,5,NR,10,4,1\n";
        QTest::newRow("English") << english << QString()
                                 << QStringList{"line 1:", "Line 3 reads as the header",
                                                "--header-line 3"}
                                 << QByteArray("A,2.23606797749979\nB,\n");
        QTest::newRow("German export, CRLF")
            << QByteArray(english).replace(',', ';').replace('\n', "\r\n").replace("5;1", "5,0;1")
            << QString("de") << QStringList{"Zeile 3", "--header-line 3"}
            << QByteArray("A;2,23606797749979\r\nB;\r\n");
    }
    void aTitleAboveTheHeader() {
        QFETCH(QByteArray, table);
        QFETCH(QString, language);
        QFETCH(QStringList, said);
        QFETCH(QByteArray, t);
        const BatchRun refused = runBatchTool({}, table, language);
        QCOMPARE(refused.exitCode, 2);
        for (const QString& part : said) {
            QVERIFY2(QString::fromUtf8(refused.err).contains(part), qPrintable(refused.err));
        }
        const BatchRun run =
            runBatchTool({"--header-line", "3", "--columns", "Study,t"}, table, language);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.endsWith(t));
        QVERIFY2(run.err.contains(language.isEmpty() ? "line 5: SD1" : "Zeile 5: SD1"), run.err);
        const BatchRun beyond = runBatchTool({"--header-line", "9"}, table, language);
        QCOMPARE(beyond.exitCode, 2);
        QVERIFY2(beyond.err.contains("9") && beyond.err.contains("--header-line"), beyond.err);
    }
};

QTEST_GUILESS_MAIN(TestColumnMap)
#include "test_column_map.moc"
