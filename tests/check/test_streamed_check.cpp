// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A text or a DOCX file read in pieces gives the rows it gives read at once: the same results,
// on the same lines and pages, in the same parts, whatever the pieces' length; and what does not
// fit the limit, or cannot be read, is refused after the rows before it.
#include "check/docx_stream_check.h"
#include "check/file_report.h"
#include "check/streamed_check.h"
#include "support/docx_file.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace lx::check;

namespace {

QByteArray corpus(const char* name) {
    QFile file(QStringLiteral(CORPUS "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Streamed {
    FileReport report; // error and warning
    std::vector<CheckedResult> results;
    int pieces = 0;
};

Streamed stream(const QByteArray& bytes, qint64 pieceBytes, qint64 maxBytes, bool html = false) {
    qsizetype at = 0;
    // Reads of odd lengths, so that a read cuts characters and lines anywhere.
    const ByteSource read = [&](char* buffer, qint64 size) -> qint64 {
        const qint64 count = std::min<qint64>({size, 777, bytes.size() - at});
        std::memcpy(buffer, bytes.constData() + at, static_cast<std::size_t>(count));
        at += count;
        return count;
    };
    Streamed out;
    out.report = checkStream(QStringLiteral("text"), read, html, 0.05, {maxBytes, pieceBytes}, 2,
                             [&](FileReport&& part) {
                                 ++out.pieces;
                                 for (CheckedResult& result : part.results) {
                                     out.results.push_back(std::move(result));
                                 }
                             });
    return out;
}

QString placed(const CheckedResult& result) {
    return QStringLiteral("%1:%2:%3 %4 %5")
        .arg(result.part)
        .arg(result.found.page)
        .arg(result.found.line)
        .arg(result.found.raw)
        .arg(int(result.judgement.verdict));
}

QStringList placed(const std::vector<CheckedResult>& results) {
    QStringList out;
    for (const CheckedResult& result : results) {
        out << placed(result);
    }
    return out;
}

// The English corpus as a DOCX body, each line a paragraph of two runs cut within it, `copies`
// times over: far more XML than one inflated chunk, results cut between runs.
QByteArray docxBody(int copies) {
    QByteArray body = "<w:body>";
    for (int copy = 0; copy < copies; ++copy) {
        for (const QString& line : QString::fromUtf8(corpus("english.txt")).split(u'\n')) {
            const qsizetype cut = line.size() / 3;
            body +=
                lx::test::docxParagraph(lx::test::docxRun(line.left(cut).toHtmlEscaped().toUtf8()) +
                                        lx::test::docxRun(line.mid(cut).toHtmlEscaped().toUtf8()));
        }
    }
    return body + "</w:body>";
}

const QByteArray noteResult = lx::test::docxParagraph(lx::test::docxRun("t(28) = 2.20, p = .036"));

QList<std::pair<QByteArray, QByteArray>> docxParts(const QByteArray& body) {
    return {{"word/document.xml", body},
            {"word/footnotes.xml", "<w:footnote w:id=\"1\">" +
                                       lx::test::docxParagraph(lx::test::docxRun("See above.")) +
                                       noteResult + "</w:footnote>"},
            {"word/header1.xml", noteResult}};
}

Streamed streamDocx(const QString& path, qint64 pieceBytes) {
    Streamed out;
    out.report =
        checkDocxStream(path, 0.05, {qint64(1) << 30, pieceBytes}, 2, [&](FileReport&& part) {
            ++out.pieces;
            for (CheckedResult& result : part.results) {
                out.results.push_back(std::move(result));
            }
        });
    return out;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestStreamedCheck : public QObject {
    Q_OBJECT

private slots:
    void asReadAtOnce_data();
    void asReadAtOnce();
    void refusedBeyondItsLimit();
    void binary();
    void docxAsReadAtOnce_data();
    void docxAsReadAtOnce();
    void damagedDocxAfterItsRows();
};

void TestStreamedCheck::asReadAtOnce_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("pieceBytes");
    QTest::addColumn<bool>("html");
    const QByteArray english = corpus("english.txt");
    const QByteArray german = corpus("german.txt");
    QByteArray noParagraphs = english;
    noParagraphs.replace("\n\n", "\n");
    QByteArray oneLine = english;
    oneLine.replace('\n', ' ');
    QByteArray pages = english;
    pages.replace("\n\n", "\n\f");
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray utf16Text = utf16.encode(QString::fromUtf8(english));
    QByteArray badByte = english;
    badByte.insert(english.size() / 2, '\x97');
    const QByteArray page = corpus("page.html");
    QByteArray longPage = page;
    longPage.replace("</p>", "</p>\n<script>var a = '</p> t(28) = 9.99, p = .5';</script>\n");
    for (const qint64 piece : {qint64(200), qint64(4096), qint64(1) << 20}) {
        const QByteArray size = QByteArray::number(piece);
        QTest::newRow("paragraphs, " + size) << english << piece << false;
        QTest::newRow("German, Windows code page, " + size) << german << piece << false;
        QTest::newRow("lines without a blank one, " + size) << noParagraphs << piece << false;
        QTest::newRow("one long line, " + size) << oneLine << piece << false;
        QTest::newRow("pages, " + size) << pages << piece << false;
        QTest::newRow("UTF-16, " + size) << utf16Text << piece << false;
        QTest::newRow("a stray byte, " + size) << badByte << piece << false;
        QTest::newRow("HTML, " + size) << page << piece << true;
        QTest::newRow("HTML with scripts, " + size) << longPage << piece << true;
    }
}

void TestStreamedCheck::asReadAtOnce() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, pieceBytes);
    QFETCH(bool, html);
    QVERIFY(!bytes.isEmpty());
    const FileReport whole =
        checkBytes(html ? QStringLiteral("page.html") : QStringLiteral("text"), bytes, 0.05);
    const Streamed streamed = stream(bytes, pieceBytes, qint64(1) << 30, html);
    QCOMPARE(streamed.report.error, whole.error);
    QCOMPARE(streamed.report.warning, whole.warning);
    QVERIFY(!whole.results.empty());
    QStringList expected;
    for (const CheckedResult& result : whole.results) {
        expected << placed(result);
    }
    QStringList got;
    for (const CheckedResult& result : streamed.results) {
        got << placed(result);
    }
    QCOMPARE(got, expected);
    QVERIFY(pieceBytes > bytes.size() || streamed.pieces > 1);
}

void TestStreamedCheck::refusedBeyondItsLimit() {
    const QByteArray line("t(28) = 2.14, p = .041.\n");
    const QByteArray text = line.repeated(1000);
    const Streamed streamed = stream(text, 1000, 100 * line.size());
    QVERIFY(streamed.report.error.contains(QLatin1String("longer than 2400 bytes")));
    QCOMPARE(int(streamed.results.size()), 100);
    // At the limit exactly, nothing is refused.
    QVERIFY(stream(line.repeated(100), 1000, 100 * line.size()).report.error.isEmpty());
}

void TestStreamedCheck::binary() {
    const Streamed streamed = stream(QByteArray(5000, '\0'), 1000, 1 << 20);
    QCOMPARE(streamed.report.error, QStringLiteral("not a text file"));
    QVERIFY(streamed.results.empty());
}

void TestStreamedCheck::docxAsReadAtOnce_data() {
    QTest::addColumn<qint64>("pieceBytes");
    for (const qint64 piece : {qint64(200), qint64(4096), qint64(1) << 20}) {
        QTest::newRow(QByteArray::number(piece)) << piece;
    }
}

void TestStreamedCheck::docxAsReadAtOnce() {
    QFETCH(qint64, pieceBytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("paper.docx"));
    QVERIFY(lx::test::writeDocx(path, docxParts(docxBody(8))));
    const FileReport whole = checkBytes(path, fileBytes(path), 0.05);
    QVERIFY2(whole.error.isEmpty(), qPrintable(whole.error));
    const Streamed streamed = streamDocx(path, pieceBytes);
    QCOMPARE(streamed.report.error, whole.error);
    QCOMPARE(placed(streamed.results), placed(whole.results));
    QCOMPARE(whole.results.back().part, QStringLiteral("header"));
    QVERIFY(pieceBytes > (1 << 19) || streamed.pieces > 3);
}

// The body's XML cut short: its results up to there are written, then the file is named.
void TestStreamedCheck::damagedDocxAfterItsRows() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("paper.docx"));
    const QByteArray body = docxBody(8);
    QVERIFY(lx::test::writeDocx(path, {{"word/document.xml", body.left(body.size() / 2)}}));
    QCOMPARE(checkBytes(path, fileBytes(path), 0.05).error,
             QStringLiteral("a DOCX file whose document cannot be read"));
    const Streamed streamed = streamDocx(path, 4096);
    QCOMPARE(streamed.report.error, QStringLiteral("a DOCX file whose document cannot be read"));
    QVERIFY(streamed.results.size() > 500);
    // Not a DOCX file at all.
    QVERIFY(lx::test::writeDocx(path, {{"word/other.xml", noteResult}}));
    QCOMPARE(streamDocx(path, 4096).report.error,
             QStringLiteral("a zip archive without word/document.xml, so no DOCX file"));
}

QTEST_GUILESS_MAIN(TestStreamedCheck)
#include "test_streamed_check.moc"
