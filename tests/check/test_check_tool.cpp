// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted_csv.h"
#include "support/program_run.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

using Run = lx::test::ProgramRun;
using lx::test::runProgram;

Run runCheck(const QStringList& arguments, const QByteArray& input = {},
             const QString& language = {}) {
    return runProgram(QStringLiteral(LXTERVAN_CHECK), arguments, input, language);
}

// The rows of the tool's CSV output, by column name.
QList<QMap<QString, QString>> rowsOf(const QByteArray& csv) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size()) {
        return {};
    }
    file.close();
    return lx::test::readQuotedCsv(path);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray consistent = "The groups differed, t(28) = 2.20, p = .036, d = 0.80 "
                              "(n1 = 15, n2 = 15).\n";
const QByteArray inconsistent = "t(28) = 2.20, p = .020\n";

} // namespace

class TestCheckTool : public QObject {
    Q_OBJECT

private slots:
    // The corpus (English, German in Windows-1252, HTML, DOCX), its folder walked: every result in
    // order, on its line, with the verdict worked in SciPy; the summary in the user's language.
    void corpus_data();
    void corpus();
    // One result in each output format, read back as that format.
    void formats_data();
    void formats();
    // How a reading is written: a p in words, a repaired glyph.
    void reading_data();
    void reading();
    // Exit statuses, and messages that name the input and the reason.
    void exitStatus_data();
    void exitStatus();
    // Inputs from a list on standard input, in the list's order, and many files on several
    // workers still in input order.
    void inputOrder();
    // A two-column PDF of the reference statements, drawn here: each result on its page, in
    // reading order, with the reference's verdict; a damaged and an encrypted PDF are named
    // and skipped.
    void pdf();
    // A PDF of one page has its page too, and the line on it.
    void onePagePdf();
    // As a stage under GNU parallel, one file a job, the rows are those of one run.
    void underParallel();
    // A long PDF, read page by page, gives the rows it gives read whole (from standard input).
    void longPdfPageByPage();
    // The progress line on a terminal, and nowhere else.
    void progress_data();
    void progress();
};

void TestCheckTool::progress_data() {
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("terminal") << true << QString() << QByteArray("of 4 files, ");
    QTest::newRow("terminal, german")
        << true << QStringLiteral("de") << QByteArray("von 4 Dateien, ");
    QTest::newRow("pipe") << false << QString() << QByteArray();
}

void TestCheckTool::progress() {
    QFETCH(bool, terminal);
    QFETCH(QString, language);
    QFETCH(QByteArray, line);
    QByteArray err;
    if (terminal) {
        // script(1) gives the tool a terminal for standard error; what it shows is script's
        // standard output.
        QProcess script;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!language.isEmpty()) {
            environment.insert(QStringLiteral("LANGUAGE"), language);
        }
        script.setProcessEnvironment(environment);
        script.start(QStringLiteral("script"),
                     {QStringLiteral("-qec"),
                      QStringLiteral("%1 --jobs 1 %2 > /dev/null").arg(LXTERVAN_CHECK, CORPUS),
                      QStringLiteral("/dev/null")});
        if (!script.waitForStarted(5000)) {
            QSKIP("script(1) is not installed");
        }
        QVERIFY(script.waitForFinished(60000));
        QCOMPARE(script.exitCode(), 0);
        err = script.readAllStandardOutput();
        QVERIFY2(err.contains(line), err.constData());
        QVERIFY(err.contains("\r\033[K"));
    } else {
        const Run run =
            runCheck({QStringLiteral("--jobs"), QStringLiteral("1"), QStringLiteral(CORPUS)});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!run.err.contains('\r'));
        QVERIFY(!run.err.contains("of 4 files"));
    }
}

void TestCheckTool::corpus_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("summary");
    QTest::newRow("english") << QString() << QByteArray("In all, 4 files: 301 results:");
    QTest::newRow("german") << QStringLiteral("de")
                            << QByteArray("Insgesamt 4 Dateien: 301 Ergebnisse:");
}

void TestCheckTool::corpus() {
    QFETCH(QString, language);
    QFETCH(QByteArray, summary);
    const Run run = runCheck({QStringLiteral(CORPUS)}, {}, language);
    QVERIFY(!run.crashed);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(summary), run.err.constData());
    const auto rows = rowsOf(run.out);
    const auto expected = lx::test::readQuotedCsv(QStringLiteral(CORPUS_EXPECTED));
    QCOMPARE(rows.size(), expected.size());
    for (qsizetype k = 0; k < rows.size(); ++k) {
        const auto& want = expected[k];
        const QString where = want[QStringLiteral("name")];
        QCOMPARE(QFileInfo(rows[k][QStringLiteral("file")]).fileName() + where,
                 want[QStringLiteral("file")] + where);
        QCOMPARE(rows[k][QStringLiteral("line")] + where, want[QStringLiteral("line")] + where);
        QCOMPARE(rows[k][QStringLiteral("verdict")] + where,
                 want[QStringLiteral("verdict")] + where);
        QCOMPARE(rows[k][QStringLiteral("d_check")] + where,
                 want[QStringLiteral("d_check")] + where);
        QCOMPARE(rows[k][QStringLiteral("rounding")] + where,
                 want[QStringLiteral("rounding")] + where);
    }
}

void TestCheckTool::formats_data() {
    QTest::addColumn<QString>("format");
    QTest::newRow("csv") << QStringLiteral("csv");
    QTest::newRow("tsv") << QStringLiteral("tsv");
    QTest::newRow("jsonl") << QStringLiteral("jsonl");
}

void TestCheckTool::formats() {
    QFETCH(QString, format);
    const Run run = runCheck({QStringLiteral("--format"), format, QStringLiteral("-")},
                             consistent + inconsistent);
    QCOMPARE(run.exitCode, 0);
    QList<QMap<QString, QString>> rows;
    if (format == QLatin1String("jsonl")) {
        for (const QByteArray& line : run.out.trimmed().split('\n')) {
            QJsonParseError error;
            const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            QVERIFY(object.value(QStringLiteral("line")).isDouble());
            QVERIFY(object.value(QStringLiteral("holds")).isBool());
            QMap<QString, QString> row;
            for (auto it = object.begin(); it != object.end(); ++it) {
                row[it.key()] = it->isString() ? it->toString() : it->toVariant().toString();
            }
            rows.append(row);
        }
    } else if (format == QLatin1String("tsv")) {
        const QList<QByteArray> lines = run.out.chopped(1).split('\n'); // cells may be empty
        const QList<QByteArray> names = lines.front().split('\t');
        for (qsizetype k = 1; k < lines.size(); ++k) {
            const QList<QByteArray> cells = lines[k].split('\t');
            QCOMPARE(cells.size(), names.size());
            QMap<QString, QString> row;
            for (qsizetype c = 0; c < cells.size(); ++c) {
                row[QString::fromUtf8(names[c])] = QString::fromUtf8(cells[c]);
            }
            rows.append(row);
        }
    } else {
        rows = rowsOf(run.out);
    }
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0][QStringLiteral("raw")], QStringLiteral("t(28) = 2.20, p = .036"));
    QCOMPARE(rows[0][QStringLiteral("verdict")], QStringLiteral("consistent"));
    QCOMPARE(rows[0][QStringLiteral("d_check")], QStringLiteral("consistent"));
    // SciPy: 2 * t.sf(2.2, 28) = 0.036225484778837795
    QCOMPARE(rows[0][QStringLiteral("p_recomputed")].toDouble(), 0.0362255);
    QCOMPARE(rows[1][QStringLiteral("line")], QStringLiteral("2"));
    QCOMPARE(rows[1][QStringLiteral("verdict")], QStringLiteral("inconsistent"));
}

void TestCheckTool::reading_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("comparison");
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("repaired");
    QTest::newRow("ns") << QByteArray("t(20) = 1.2, ns.") << "ns"
                        << ""
                        << "false";
    QTest::newRow("in words") << QByteArray("F(1, 30) = 1.44, not significant.") << "ns"
                              << ""
                              << "false";
    QTest::newRow("glyph repaired") << QByteArray("t(40) = 3.90, pb.001") << "<"
                                    << "0.001"
                                    << "true";
    QTest::newRow("as printed") << QByteArray("t(40) = 3.90, p < .001") << "<"
                                << "0.001"
                                << "false";
}

void TestCheckTool::reading() {
    QFETCH(QByteArray, text);
    const Run run = runCheck({QStringLiteral("-")}, text);
    QCOMPARE(run.exitCode, 0);
    const auto rows = rowsOf(run.out);
    QCOMPARE(rows.size(), 1);
    QTEST(rows[0][QStringLiteral("p_comparison")], "comparison");
    QTEST(rows[0][QStringLiteral("p_reported")], "reported");
    QTEST(rows[0][QStringLiteral("repaired")], "repaired");
}

void TestCheckTool::exitStatus_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("message");
    const QStringList strict{QStringLiteral("--strict"), QStringLiteral("-")};
    QTest::newRow("consistent, strict")
        << strict << consistent << QString() << 0 << 1 << QByteArray("-: 1 result: consistent 1");
    QTest::newRow("inconsistent") << QStringList{} << inconsistent << QString() << 0 << 1
                                  << QByteArray("inconsistent 1");
    QTest::newRow("inconsistent, strict")
        << strict << inconsistent << QString() << 1 << 1 << QByteArray("inconsistent 1");
    QTest::newRow("one-tailed unsaid, strict")
        << strict << QByteArray("t(28) = 1.80, p = .041") << QString() << 1 << 1
        << QByteArray("one_tailed_consistent 1");
    QTest::newRow("one-tailed said, strict")
        << strict << QByteArray("A one-tailed test: t(28) = 1.80, p = .041") << QString() << 0 << 1
        << QByteArray("one_tailed_consistent 1");
    // One-tailed p of t(58) = 1.70 from SciPy: .0472, half of the two-tailed .0945.
    QTest::newRow("two-tailed p called one-tailed, strict")
        << strict << QByteArray("As predicted, the one-tailed test showed t(58) = 1.70, p = .094.")
        << QString() << 1 << 1 << QByteArray("two_tailed_p 1");
    QTest::newRow("two-tailed p called one-tailed, german")
        << strict << QByteArray("Der einseitige Test ergab t(58) = 1,70, p = ,094.")
        << QStringLiteral("de") << 1 << 1 << QByteArray("two_tailed_p 1");
    QTest::newRow("its one-tailed p, strict")
        << strict << QByteArray("As predicted, the one-tailed test showed t(58) = 1.70, p = .047.")
        << QString() << 0 << 1 << QByteArray("one_tailed_consistent 1");
    QTest::newRow("no results") << strict << QByteArray("Nothing here.") << QString() << 0 << 0
                                << QByteArray("In all, 1 file: 0 results");
    QTest::newRow("missing file, the rest read")
        << QStringList{QStringLiteral("/nonexistent/x.txt"), QStringLiteral("-")} << consistent
        << QString() << 2 << 1 << QByteArray("/nonexistent/x.txt: no such file or folder");
    QTest::newRow("missing file, german")
        << QStringList{QStringLiteral("/nonexistent/x.txt")} << QByteArray() << QStringLiteral("de")
        << 2 << 0 << QByteArray("/nonexistent/x.txt: Datei oder Ordner gibt es nicht");
    QTest::newRow("pdf on stdin") << QStringList{QStringLiteral("-")}
                                  << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n") << QString() << 2
                                  << 0 << QByteArray("-: a PDF file");
    QTest::newRow("damaged docx") << QStringList{QStringLiteral("-")}
                                  << QByteArray("PK\x03\x04 no archive") << QString() << 2 << 0
                                  << QByteArray("-: a DOCX file whose document cannot be read");
    QTest::newRow("binary") << QStringList{QStringLiteral("-")} << QByteArray("t(28)\0\x01", 7)
                            << QString() << 2 << 0 << QByteArray("-: not a text file");
    QTest::newRow("bad format") << QStringList{QStringLiteral("--format"), QStringLiteral("xml")}
                                << QByteArray() << QString() << 2 << -1
                                << QByteArray("--format must be csv, tsv or jsonl, not \"xml\"");
    QTest::newRow("bad alpha, german")
        << QStringList{QStringLiteral("--alpha"), QStringLiteral("5")} << QByteArray()
        << QStringLiteral("de") << 2 << -1 << QByteArray("--alpha muss");
    QTest::newRow("alpha moves the decision")
        << QStringList{QStringLiteral("--alpha"), QStringLiteral("0.01")}
        << QByteArray("t(28) = 2.20, p < .01") << QString() << 0 << 1
        << QByteArray("decision_error 1");
}

void TestCheckTool::exitStatus() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, language);
    QFETCH(int, rows);
    QFETCH(QByteArray, message);
    const Run run = runCheck(arguments, input, language);
    QVERIFY(!run.crashed);
    QTEST(run.exitCode, "status");
    QVERIFY2(run.err.contains(message), run.err.constData());
    if (rows >= 0) {
        QCOMPARE(rowsOf(run.out).size(), rows);
    }
}

void TestCheckTool::inputOrder() {
    QTemporaryDir dir;
    QStringList names;
    for (int k = 0; k < 40; ++k) {
        // Larger files first, so that later ones would finish first on free workers.
        QByteArray text = "Introduction. " + QByteArray(20000 * (40 - k), 'x') + "\nt(" +
                          QByteArray::number(k + 10) + ") = 2.20, p = .036\n";
        names.append(dir.filePath(QStringLiteral("paper%1.txt").arg(k)));
        QVERIFY(writeFile(names.back(), text));
    }
    const Run pool = runCheck({QStringLiteral("--jobs"), QStringLiteral("4"),
                               QStringLiteral("--files-from"), QStringLiteral("-")},
                              names.join(QLatin1Char('\n')).toUtf8() + "\r\n");
    QCOMPARE(pool.exitCode, 0);
    const auto rows = rowsOf(pool.out);
    QCOMPARE(rows.size(), names.size());
    for (qsizetype k = 0; k < rows.size(); ++k) {
        QCOMPARE(rows[k][QStringLiteral("file")], names[k]);
        QCOMPARE(rows[k][QStringLiteral("df")], QString::number(k + 10));
    }
    // A folder is walked in sorted order and keeps to the files a text check reads.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("sub/a.html")),
                      "<p><i>t</i>(9) = 2.20, <i>p</i> = .055</p>"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("sub/b.dat")), "t(8) = 2.20, p = .059"));
    const auto walked = rowsOf(runCheck({dir.filePath(QStringLiteral("sub"))}).out);
    QCOMPARE(walked.size(), 1);
    QCOMPARE(walked[0][QStringLiteral("df")], QStringLiteral("9"));
}

void TestCheckTool::pdf() {
    const auto reference = lx::test::readQuotedCsv(QStringLiteral(STATEMENTS_REFERENCE));
    QVERIFY(reference.size() >= 40);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("paper.pdf"));
    constexpr int perColumn = 10;
    constexpr int statements = 4 * perColumn; // two pages of two columns
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(72);
        QPainter painter(&writer);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        // Lines set close, as a journal sets its columns, so that each column is one block.
        constexpr int lineHeight = 12;
        int line = 0;
        for (int k = 0; k < statements; ++k) {
            if (k > 0 && k % (2 * perColumn) == 0) {
                writer.newPage();
                line = 0;
            }
            if (k % perColumn == 0) {
                line = 0;
            }
            const int column = (k / perColumn) % 2;
            QStringList lines{QStringLiteral("Study %1 compared two groups.").arg(k + 1)};
            lines += reference[k][QStringLiteral("text")].split(QLatin1Char('\n'));
            for (const QString& text : lines) {
                painter.drawText(QPointF(40 + column * 270, 50 + line * lineHeight), text);
                ++line;
            }
        }
    }
    QVERIFY(writeFile(dir.filePath(QStringLiteral("damaged.pdf")), "%PDF-1.7\n1 0 obj <<"));
    QVERIFY(QFile::copy(QStringLiteral(ENCRYPTED_PDF), dir.filePath(QStringLiteral("locked.pdf"))));
    const Run run = runCheck({dir.path()});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("damaged.pdf: a PDF file that cannot be read"), run.err.constData());
    QVERIFY2(run.err.contains("locked.pdf: an encrypted PDF file"), run.err.constData());
    const auto rows = rowsOf(run.out);
    QCOMPARE(rows.size(), statements);
    for (int k = 0; k < statements; ++k) {
        const QString name = reference[k][QStringLiteral("name")];
        QCOMPARE(rows[k][QStringLiteral("page")] + name, QString::number(k / 20 + 1) + name);
        QCOMPARE(rows[k][QStringLiteral("verdict")] + name,
                 reference[k][QStringLiteral("verdict")] + name);
    }
}

void TestCheckTool::onePagePdf() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.pdf"));
    {
        QPdfWriter writer(path);
        QPainter painter(&writer);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        painter.drawText(QPointF(300, 300), QStringLiteral("Results"));
        painter.drawText(QPointF(300, 600), QStringLiteral("t(28) = 2.20, p = .036"));
    }
    const auto rows = rowsOf(runCheck({path}).out);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][QStringLiteral("page")], QStringLiteral("1"));
    QCOMPARE(rows[0][QStringLiteral("line")], QStringLiteral("2"));
}

void TestCheckTool::longPdfPageByPage() {
    const auto reference = lx::test::readQuotedCsv(QStringLiteral(STATEMENTS_REFERENCE));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(72);
        QPainter painter(&writer);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        // Noise, which no compression shrinks, makes the file long enough to be read in pages.
        QImage noise(120, 120, QImage::Format_RGB32);
        quint32 state = 12345;
        for (int page = 0; page < 20; ++page) {
            if (page > 0) {
                writer.newPage();
            }
            for (int y = 0; y < noise.height(); ++y) {
                for (int x = 0; x < noise.width(); ++x) {
                    state = state * 1664525u + 1013904223u;
                    noise.setPixel(x, y, state >> 8);
                }
            }
            painter.drawImage(QPointF(400, 600), noise);
            // A result the page break cuts in two: its end first on the next page.
            if (page == 6) {
                painter.drawText(QPointF(40, 30), QStringLiteral("p = .036, as predicted."));
            }
            for (int k = 0; k < 8; ++k) {
                const QString text =
                    reference[(page * 8 + k) % reference.size()][QStringLiteral("text")]
                        .simplified();
                painter.drawText(QPointF(40, 50 + 30 * k), text);
            }
            if (page == 5) {
                painter.drawText(QPointF(40, 560),
                                 QStringLiteral("The groups differed, t(28) = 2.20,"));
            }
        }
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.size() > 300 * 1024, QByteArray::number(bytes.size()).constData());
    const auto paged = rowsOf(runCheck({path}).out);
    const auto whole = rowsOf(runCheck({QStringLiteral("-")}, bytes).out);
    QVERIFY(paged.size() > 50);
    QVERIFY(std::any_of(paged.begin(), paged.end(), [](const QMap<QString, QString>& row) {
        return row[QStringLiteral("raw")] == QLatin1String("t(28) = 2.20, p = .036") &&
               row[QStringLiteral("page")] == QLatin1String("6");
    }));
    QCOMPARE(paged.size(), whole.size());
    for (qsizetype k = 0; k < paged.size(); ++k) {
        auto row = paged[k];
        auto expected = whole[k];
        row.remove(QStringLiteral("file"));
        expected.remove(QStringLiteral("file"));
        QCOMPARE(row, expected);
    }
}

void TestCheckTool::underParallel() {
    if (QStandardPaths::findExecutable(QStringLiteral("parallel")).isEmpty()) {
        QSKIP("GNU parallel is not installed");
    }
    // Each job writes its own header; -k keeps the jobs' output in input order.
    const Run run = runProgram(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("ls \"$1\"/* | parallel --will-cite -k \"$0\" {} | grep -v '^file,'"),
         QStringLiteral(LXTERVAN_CHECK), QStringLiteral(CORPUS)},
        {});
    QCOMPARE(run.exitCode, 0);
    const Run direct = runCheck({QStringLiteral(CORPUS)});
    const QByteArray directRows = direct.out.mid(direct.out.indexOf('\n') + 1);
    QCOMPARE(run.out.count('\n'), 301);
    QCOMPARE(run.out, directRows);
}

QTEST_MAIN(TestCheckTool)
#include "test_check_tool.moc"
