// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Input that never ends, or that is longer than the limit, through the real lxtervan-check: the
// rows found before the limit are written, the input is named, and the run exits 2, within a
// memory limit far below what reading it whole would take. A DOCX file with a long body is read
// whole within that limit too.
#include "support/docx_file.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One result a line, 23 bytes: the limit falls in the middle of line 91,181 of 2 MiB.
const QByteArray line("t(28) = 2.14, p = .041\n");

struct Run {
    int exitCode = -1;
    qsizetype rows = 0; // below the header
    QByteArray err;
};

Run shell(const QString& command) {
    QProcess process;
    process.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    process.waitForFinished(120000);
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.rows = process.readAllStandardOutput().count('\n') - 1;
    run.err = process.readAllStandardError();
    return run;
}

// A memory limit on the tool's address space, where the sanitizers do not reserve their own.
QString memoryLimit() {
#if defined(__SANITIZE_ADDRESS__)
    return {};
#else
    return QStringLiteral("ulimit -v 400000; ");
#endif
}

} // namespace

class TestEndlessInput : public QObject {
    Q_OBJECT

private slots:
    void refused_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<qsizetype>("rows");
        QTest::addColumn<QByteArray>("message");
        const QString tool = QStringLiteral(LXTERVAN_CHECK);
        QTest::newRow("endless text on standard input")
            << memoryLimit() +
                   QStringLiteral("yes 't(28) = 2.14, p = .041' | %1 --max-size 2M -").arg(tool)
            << qsizetype(91180) << QByteArray("-: longer than 2097152 bytes");
        QTest::newRow("endless zeros") << memoryLimit() + QStringLiteral("%1 /dev/zero").arg(tool)
                                       << qsizetype(0) << QByteArray("/dev/zero: not a text file");
        QTest::newRow("a text beyond the limit")
            << QStringLiteral("%1 --max-size 1M %2").arg(tool, m_dir.filePath("long.txt"))
            << qsizetype(45590) << QByteArray("long.txt: longer than 1048576 bytes");
        QTest::newRow("a PDF beyond the limit, unread")
            << QStringLiteral("%1 --max-size 1K %2").arg(tool, m_dir.filePath("long.pdf"))
            << qsizetype(0) << QByteArray("long.pdf: longer than 1024 bytes");
        QTest::newRow("a bad limit")
            << QStringLiteral("%1 --max-size 12X %2").arg(tool, m_dir.filePath("long.txt"))
            << qsizetype(-1) << QByteArray("--max-size must be a size");
    }

    void refused() {
        QFETCH(QString, command);
        QFETCH(qsizetype, rows);
        QFETCH(QByteArray, message);
        const Run run = shell(command);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.rows, rows);
    }

    // 50 MB of XML in a 150 KB file: read whole, its text and results would take 600 MB.
    void longDocxBody() {
        const QString path = m_dir.filePath(QStringLiteral("long.docx"));
        const int paragraphs = 900000;
        const QByteArray paragraph =
            lx::test::docxParagraph(lx::test::docxRun(QByteArray("t(28) = 2.14, p = .041.")));
        QVERIFY(lx::test::writeDocx(
            path,
            {{"word/document.xml", "<w:body>" + paragraph.repeated(paragraphs) + "</w:body>"}}));
        const Run run = shell(memoryLimit() +
                              QStringLiteral("%1 %2").arg(QStringLiteral(LXTERVAN_CHECK), path));
        QVERIFY2(run.err.contains("1 file: 900000 results: consistent 900000"),
                 run.err.constData());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.rows, qsizetype(paragraphs));
    }

    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QFile text(m_dir.filePath(QStringLiteral("long.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write(line.repeated(150000)); // 3.4 MB
        QFile pdf(m_dir.filePath(QStringLiteral("long.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n" + QByteArray(4000, ' '));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestEndlessInput)
#include "test_endless_input.moc"
