// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/program_run.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

using lx::test::runProgram;

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
