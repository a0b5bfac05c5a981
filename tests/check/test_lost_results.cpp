// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/docx_file.h"
#include "support/program_run.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

using lx::test::docxParagraph;
using lx::test::docxRun;
using lx::test::runProgram;
using lx::test::writeDocx;

const QByteArray result = "t(30) = \xe2\x88\x92"
                          "2.50, p = .018.\n"; // with U+2212 for the minus

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray utf32(const QByteArray& utf8, bool littleEndian) {
    QByteArray out = littleEndian ? QByteArray("\xFF\xFE\0\0", 4) : QByteArray("\0\0\xFE\xFF", 4);
    for (const char32_t c : QString::fromUtf8(utf8).toUcs4()) {
        for (int k = 0; k < 4; ++k) {
            out.append(static_cast<char>(c >> (littleEndian ? 8 * k : 8 * (3 - k))));
        }
    }
    return out;
}

// A PDF of two pages, each with a result, whose page tree states `count` pages.
QByteArray pdfWithCount(const QByteArray& count) {
    QList<QByteArray> objects{"<< /Type /Catalog /Pages 2 0 R >>",
                              "<< /Type /Pages /Kids [3 0 R 5 0 R] /Count " + count + " >>"};
    for (int page = 1; page <= 2; ++page) {
        objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font "
                       "<< /F1 7 0 R >> >> /Contents " +
                       QByteArray::number(2 + 2 * page) + " 0 R >>");
        const QByteArray text = "BT /F1 12 Tf 72 720 Td (Page " + QByteArray::number(page) +
                                ": t\\(28\\) = 2.20, p = .036) Tj ET";
        objects.append("<< /Length " + QByteArray::number(text.size()) + " >>\nstream\n" + text +
                       "\nendstream");
    }
    objects.append("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    QByteArray pdf = "%PDF-1.4\n";
    QList<qsizetype> offsets;
    for (qsizetype k = 0; k < objects.size(); ++k) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(k + 1) + " 0 obj\n" + objects[k] + "\nendobj\n";
    }
    const qsizetype table = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets) {
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    return pdf;
}

// A run whose standard output is a file or device, such as /dev/full.
int exitWritingTo(const QString& program, const QStringList& arguments, const QByteArray& input,
                  const QString& output) {
    QProcess process;
    process.setStandardOutputFile(output);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

// Inputs that used to lose results without a word: each still gives its result, says what was
// damaged, or fails with status 2.
class TestLostResults : public QObject {
    Q_OBJECT

private slots:
    void damagedText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("warning"); // on standard error; empty for none
        const QByteArray page = "<html><head><meta charset=\"utf-8\"></head><body><p>";
        QTest::newRow("surrogate reference, hex")
            << "a.html" << page + "A &#xD800; here. " + result + "</p>"
            << "" << QByteArray();
        QTest::newRow("surrogate reference, decimal")
            << "a.html" << page + "&#55296; and &#x110000; " + result << "" << QByteArray();
        QTest::newRow("stray byte in UTF-8 text")
            << "a.txt"
            << "Stray \x97 byte. " + result << ""
            << QByteArray("a.txt: warning: byte 7 (0x97) is not UTF-8");
        QTest::newRow("stray byte in a UTF-8 page")
            << "a.html" << page + "\xE9 " + result << ""
            << QByteArray("is not UTF-8: it and any others like it were read as U+FFFD");
        QTest::newRow("stray byte, German")
            << "a.txt"
            << "Ein \x97 Byte. " + result << "de"
            << QByteArray("a.txt: Warnung: Byte 5 (0x97) ist kein UTF-8");
        QTest::newRow("UTF-32LE with its mark")
            << "a.txt" << utf32(result, true) << "" << QByteArray();
        QTest::newRow("UTF-32BE with its mark")
            << "a.txt" << utf32(result, false) << "" << QByteArray();
    }
    void damagedText() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, language);
        QFETCH(QByteArray, warning);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(writeFile(path, bytes));
        const auto run = runProgram(QStringLiteral(LXTERVAN_CHECK), {path}, {}, language);
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 2); // the header and the one result
        QVERIFY2(lines[1].contains(",t,30,-2.50,-2.5,"), lines[1].constData());
        if (warning.isEmpty()) {
            QVERIFY2(!run.err.contains("warning"), run.err.constData());
        } else {
            QVERIFY2(run.err.contains(warning), run.err.constData());
        }
    }

    // A Windows-1252 file is still read as one, with no warning.
    void windowsText() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QVERIFY(writeFile(path, "Caf\xe9 und M\xfcller: t(30) = 2.50, p = .018.\n"));
        const auto run = runProgram(QStringLiteral(LXTERVAN_CHECK), {path}, {});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(",t,30,2.50,2.5,"));
        QVERIFY(!run.err.contains("warning"));
    }

    // A file or folder of a walk that may not be read is named, and the run fails. As root every
    // file is readable, so the tool then runs as nobody.
    void unreadableInWalk_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("denied");
        QTest::newRow("English") << "" << QByteArray("permission denied");
        QTest::newRow("German") << "de" << QByteArray("Zugriff verweigert");
    }
    void unreadableInWalk() {
        QFETCH(QString, language);
        QFETCH(QByteArray, denied);
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther |
                                                      QFile::ReadOther));
        QString tool = QStringLiteral(LXTERVAN_CHECK);
        QStringList arguments;
        if (geteuid() == 0) {
            // Nobody may not go into the build folder: run a copy from the test's own.
            const QString copy = dir.filePath(QStringLiteral("lxtervan-check"));
            QVERIFY(QFile::copy(tool, copy));
            arguments = {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                         QStringLiteral("--clear-groups"), copy};
            tool = QStringLiteral("setpriv");
        }
        const QString papers = dir.filePath(QStringLiteral("papers"));
        QVERIFY(QDir().mkpath(papers + QStringLiteral("/open")));
        QVERIFY(QDir().mkpath(papers + QStringLiteral("/locked")));
        QVERIFY(writeFile(papers + QStringLiteral("/open/a.txt"), result));
        QVERIFY(writeFile(papers + QStringLiteral("/locked/b.txt"), result));
        QVERIFY(writeFile(papers + QStringLiteral("/secret.txt"), result));
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadOther | QFile::ExeOther;
        for (const QString& folder : {papers, papers + QStringLiteral("/open")}) {
            QVERIFY(QFile::setPermissions(folder, everyone));
        }
        QVERIFY(QFile::setPermissions(papers + QStringLiteral("/open/a.txt"), everyone));
        QVERIFY(QFile::setPermissions(papers + QStringLiteral("/locked"), QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(papers + QStringLiteral("/secret.txt"), QFile::ReadOwner));
        const auto run = runProgram(tool, arguments << papers, {}, language);
        QFile::setPermissions(papers + QStringLiteral("/locked"), everyone); // so it can go
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out.count('\n'), 2); // the header and the readable file's result
        for (const QByteArray& name : {QByteArray("/locked: "), QByteArray("/secret.txt: ")}) {
            QVERIFY2(run.err.contains(name + denied), run.err.constData());
        }
    }

    // A PDF whose page tree miscounts its pages: the pages there are read, with a warning.
    void damagedPageTree_data() {
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<bool>("warned");
        QTest::newRow("right") << QByteArray("2") << false;
        QTest::newRow("0") << QByteArray("0") << true;
        QTest::newRow("-1") << QByteArray("-1") << true;
        QTest::newRow("too few") << QByteArray("1") << true;
        QTest::newRow("a billion") << QByteArray("1000000000") << true;
    }
    void damagedPageTree() {
        QFETCH(QByteArray, count);
        QFETCH(bool, warned);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("paper.pdf"));
        QVERIFY(writeFile(path, pdfWithCount(count)));
        const auto checked = runProgram(QStringLiteral(LXTERVAN_CHECK), {path}, {});
        QCOMPARE(checked.exitCode, 0);
        QCOMPARE(checked.out.count('\n'), 3); // the header and a result on each page
        QCOMPARE(checked.err.contains("the page tree is damaged: read the 2 pages that are there"),
                 warned);
    }

    // A DOCX file's notes and margins are read, located as such; Word's other ways of writing a
    // minus keep it; hidden text is read.
    void docxParts_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QByteArray>("otherName");
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("line");
        const QByteArray body =
            "<w:body>" + docxParagraph(docxRun("Results are in the notes.")) + "</w:body>";
        const QByteArray plain = docxRun("t(28) = 2.20, p = .036");
        QTest::newRow("footnote") << body << QByteArray("word/footnotes.xml")
                                  << "<w:footnote w:id=\"1\">" +
                                         docxParagraph(docxRun("See above.")) +
                                         docxParagraph(plain) + "</w:footnote>"
                                  << "2.20"
                                  << "footnotes"
                                  << "2";
        QTest::newRow("endnote") << body << QByteArray("word/endnotes.xml")
                                 << "<w:endnote w:id=\"1\">" + docxParagraph(plain) + "</w:endnote>"
                                 << "2.20"
                                 << "endnotes"
                                 << "1";
        QTest::newRow("header") << body << QByteArray("word/header1.xml") << docxParagraph(plain)
                                << "2.20"
                                << "header"
                                << "1";
        QTest::newRow("minus from the symbol table")
            << "<w:body>" +
                   docxParagraph(docxRun("t(28) = ") +
                                 "<w:r><w:sym w:font=\"Symbol\" w:char=\"F02D\"/></w:r>" +
                                 docxRun("2.20, p = .036")) +
                   "</w:body>"
            << QByteArray() << QByteArray() << "-2.20"
            << ""
            << "1";
        QTest::newRow("non-breaking hyphen as minus")
            << "<w:body>" +
                   docxParagraph(docxRun("t(28) = ") + "<w:r><w:noBreakHyphen/></w:r>" +
                                 docxRun("2.20, p = .036")) +
                   "</w:body>"
            << QByteArray() << QByteArray() << "-2.20"
            << ""
            << "1";
        QTest::newRow("hidden run inside the result")
            << "<w:body>" +
                   docxParagraph(docxRun("t(28) = 2.20") +
                                 "<w:r><w:rPr><w:vanish/></w:rPr><w:t>, p = .036</w:t></w:r>") +
                   "</w:body>"
            << QByteArray() << QByteArray() << "2.20"
            << ""
            << "1";
    }
    void docxParts() {
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, otherName);
        QFETCH(QByteArray, other);
        QFETCH(QString, value);
        QFETCH(QString, part);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("paper.docx"));
        QList<std::pair<QByteArray, QByteArray>> parts{{"word/document.xml", document}};
        if (!otherName.isEmpty()) {
            parts.append({otherName, other});
        }
        QVERIFY(writeDocx(path, parts));
        const auto checked =
            runProgram(QStringLiteral(LXTERVAN_CHECK),
                       {QStringLiteral("--format"), QStringLiteral("jsonl"), path}, {});
        QCOMPARE(checked.exitCode, 0);
        const QList<QByteArray> lines = checked.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        const QJsonObject row = QJsonDocument::fromJson(lines[0]).object();
        QCOMPARE(row[QStringLiteral("value")].toDouble(), value.toDouble());
        QCOMPARE(row[QStringLiteral("part")].toString(), part);
        QCOMPARE(row[QStringLiteral("line")].toVariant().toString(), line);
    }

    // Results that cannot be written are an error, in both tools.
    void fullDisk_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("lxtervan-check") << QStringLiteral(LXTERVAN_CHECK) << result;
        QTest::newRow("lxtervan-batch")
            << QStringLiteral(LXTERVAN_BATCH) << QByteArray("n1,m1,sd1,n2,m2,sd2\n10,5,1,10,4,1\n");
    }
    void fullDisk() {
        QFETCH(QString, program);
        QFETCH(QByteArray, input);
        QCOMPARE(exitWritingTo(program, {QStringLiteral("-")}, input, QStringLiteral("/dev/full")),
                 2);
    }
};

QTEST_GUILESS_MAIN(TestLostResults)
#include "test_lost_results.moc"
