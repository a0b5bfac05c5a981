// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/program_run.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

using Run = lx::test::ProgramRun;

Run runCheck(const QStringList& arguments, const QByteArray& input = {},
             const QString& language = {}) {
    return lx::test::runProgram(QStringLiteral(LXTERVAN_CHECK), arguments, input, language);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// FNV-1a of 64 bits, as --help documents the shares: the test's own reckoning of it.
quint64 fnv1a(const QByteArray& bytes) {
    quint64 hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

// The rows of a table, the header left off.
QByteArrayList rowsOf(const QByteArray& table, bool header = true) {
    QByteArrayList rows = table.split('\n');
    rows.removeLast();
    if (header && !rows.isEmpty()) {
        rows.removeFirst();
    }
    return rows;
}

QStringList args(const char* text) {
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

class TestCheckParts : public QObject {
    Q_OBJECT

private slots:
    // 36 papers in two folders (a few results each, one file that is no text) and the table of
    // one run over them.
    void initTestCase();
    // The shares of --shard K/N never overlap, hold every row together, and put each file in
    // the share of its path's FNV-1a hash.
    void shards_data();
    void shards();
    // A run killed at any point of writing a file, taken up with --resume, ends with the
    // bytes of one uninterrupted run, and its record too.
    void resume_data();
    void resume();
    // A write that fails (a file size limit) is status 2; resumed without it, the table is
    // whole.
    void failedWrite_data();
    void failedWrite();
    // The merge of the shares is the table of one run, whatever the order of the parts.
    void merge_data();
    void merge();
    // Bad values, and parts that cannot be joined, are refused with status 2 and named.
    void refusals_data();
    void refusals();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // The table and record of an uninterrupted --output run in this format.
    void wholeRun(const QString& format, QByteArray& table, QByteArray& record) const;

    QTemporaryDir m_dir;
    QString m_papers;
    QByteArray m_single; // one run's table on standard output
};

void TestCheckParts::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_papers = path(QStringLiteral("papers"));
    for (int k = 0; k < 36; ++k) {
        const QString folder = m_papers + (k % 2 ? QStringLiteral("/b") : QStringLiteral("/a"));
        QVERIFY(QDir().mkpath(folder));
        QByteArray text = "Study " + QByteArray::number(k) + ".\n";
        for (int r = 0; r <= k % 3; ++r) {
            text += "t(" + QByteArray::number(10 + k) + ") = 2." + QByteArray::number(r) +
                    "0, p = .04" + QByteArray::number(r) + "\n";
        }
        QVERIFY(writeFile(folder + QStringLiteral("/paper%1.txt").arg(k), text));
    }
    QVERIFY(writeFile(m_papers + QStringLiteral("/a/broken.txt"), QByteArray("t(2)\0\1", 6)));
    const Run run = runCheck({m_papers});
    QCOMPARE(run.exitCode, 2); // broken.txt
    m_single = run.out;
    QCOMPARE(rowsOf(m_single).size(), 72);
}

void TestCheckParts::wholeRun(const QString& format, QByteArray& table, QByteArray& record) const {
    const QString out = path(QStringLiteral("whole.") + format);
    const Run run =
        runCheck({QStringLiteral("--format"), format, QStringLiteral("--output"), out, m_papers});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    table = readFile(out);
    record = readFile(out + QStringLiteral(".done"));
}

void TestCheckParts::shards_data() {
    QTest::addColumn<int>("count");
    for (const int count : {1, 2, 3, 7}) {
        QTest::addRow("%d shares", count) << count;
    }
}

void TestCheckParts::shards() {
    QFETCH(int, count);
    QByteArrayList rows;
    for (int k = 1; k <= count; ++k) {
        const Run run = runCheck(
            {QStringLiteral("--shard"), QStringLiteral("%1/%2").arg(k).arg(count), m_papers});
        QVERIFY(run.exitCode == 0 || run.exitCode == 2);
        for (const QByteArray& row : rowsOf(run.out)) {
            const QByteArray file = row.left(row.indexOf(','));
            QCOMPARE(fnv1a(file) % static_cast<quint64>(count) + 1, static_cast<quint64>(k));
            rows.append(row);
        }
    }
    QByteArrayList single = rowsOf(m_single);
    QCOMPARE(QSet<QByteArray>(rows.begin(), rows.end()).size(), rows.size()); // none twice
    std::sort(rows.begin(), rows.end());
    std::sort(single.begin(), single.end());
    QCOMPARE(rows, single);
}

void TestCheckParts::resume_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("files");     // record lines kept, of the whole run's
    QTest::addColumn<int>("tableCut");  // bytes of the next file's rows kept (-1: all)
    QTest::addColumn<int>("recordCut"); // bytes of the next record line kept
    QTest::newRow("nothing written") << "csv" << 0 << 0 << 0;
    QTest::newRow("half a header") << "csv" << -1 << 0 << 0;
    QTest::newRow("killed in a file's rows") << "csv" << 5 << 30 << 0;
    QTest::newRow("rows written, not recorded") << "tsv" << 9 << -1 << 0;
    QTest::newRow("record line half written") << "jsonl" << 12 << -1 << 7;
    QTest::newRow("killed in the last file") << "csv" << 35 << 10 << 0;
    QTest::newRow("end line not written") << "csv" << 36 << 0 << 0;
    QTest::newRow("finished run") << "tsv" << 37 << 0 << 0;
}

void TestCheckParts::resume() {
    QFETCH(QString, format);
    QFETCH(int, files);
    QFETCH(int, tableCut);
    QFETCH(int, recordCut);
    QByteArray table;
    QByteArray record;
    wholeRun(format, table, record);
    const QByteArrayList lines = rowsOf(record, false);
    const qsizetype head = std::find_if(lines.begin(), lines.end(),
                                        [](const QByteArray& l) { return l.startsWith("file "); }) -
                           lines.begin();
    QCOMPARE(lines.size(), head + 37); // 36 files and the end line
    // What a run killed here leaves: the record's first lines, and the rows up to a point.
    QByteArray keptRecord = lines.mid(0, head + std::max(files, 0)).join('\n') + '\n';
    qint64 end = table.size();
    if (files <= 0) {
        end = format == QLatin1String("jsonl") ? 0 : table.indexOf('\n') + 1;
        end = files < 0 ? end / 2 : end; // within the header
    } else if (files <= 36) {
        end = lines[head + files - 1].split(' ').value(3).toLongLong();
    }
    if (files >= 0 && files < 36) {
        const qint64 next = lines[head + files].split(' ').value(3).toLongLong();
        end = tableCut < 0 ? next : std::min(next, end + tableCut);
        keptRecord += lines[head + files].left(recordCut);
    }
    QVERIFY(end > 0 || format == QLatin1String("jsonl"));
    const QString out = path(QStringLiteral("killed.") + format);
    QVERIFY(writeFile(out, table.left(end)));
    QVERIFY(writeFile(out + QStringLiteral(".done"), keptRecord));
    const Run run = runCheck({QStringLiteral("--format"), format, QStringLiteral("--output"), out,
                              QStringLiteral("--resume"), m_papers});
    QVERIFY2(run.exitCode == 2 && run.err.contains("broken.txt: not a text file"),
             run.err.constData()); // tried again, as it was not recorded
    QCOMPARE(readFile(out), table);
    QCOMPARE(readFile(out + QStringLiteral(".done")), record);
}

void TestCheckParts::failedWrite_data() {
    QTest::addColumn<int>("blocks"); // of 1024 bytes that the first run may write
    QTest::newRow("in the header") << 0;
    QTest::newRow("after a few files") << 2;
    QTest::newRow("late") << 8;
}

void TestCheckParts::failedWrite() {
    QFETCH(int, blocks);
    QByteArray table;
    QByteArray record;
    wholeRun(QStringLiteral("csv"), table, record);
    const QString out = path(QStringLiteral("limited.csv"));
    QFile::remove(out);
    QFile::remove(out + QStringLiteral(".done"));
    // The limit makes write() fail with EFBIG once the file would grow past it.
    const Run limited = lx::test::runProgram(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("ulimit -f %1; trap '' XFSZ; exec \"$0\" \"$@\"").arg(blocks),
         QStringLiteral(LXTERVAN_CHECK), QStringLiteral("--output"), out, m_papers},
        {});
    QCOMPARE(limited.exitCode, 2);
    QVERIFY2(limited.err.contains("cannot write " + out.toUtf8()), limited.err.constData());
    QVERIFY(!readFile(out + QStringLiteral(".done")).contains("\nend "));
    const Run resumed =
        runCheck({QStringLiteral("--output"), out, QStringLiteral("--resume"), m_papers});
    QCOMPARE(resumed.exitCode, 2);
    QCOMPARE(readFile(out), table);
}

void TestCheckParts::merge_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("reversed"); // parts named last first
    QTest::newRow("csv, 2") << "csv" << 2 << false;
    QTest::newRow("csv, 5, reversed") << "csv" << 5 << true;
    QTest::newRow("tsv, 3") << "tsv" << 3 << true;
    QTest::newRow("jsonl, 4") << "jsonl" << 4 << false;
    QTest::newRow("csv, 1") << "csv" << 1 << false;
}

void TestCheckParts::merge() {
    QFETCH(QString, format);
    QFETCH(int, count);
    QFETCH(bool, reversed);
    QStringList parts;
    for (int k = 1; k <= count; ++k) {
        parts.append(path(QStringLiteral("part_%1_%2.%3").arg(k).arg(count).arg(format)));
        const Run run = runCheck({QStringLiteral("--format"), format, QStringLiteral("--shard"),
                                  QStringLiteral("%1/%2").arg(k).arg(count),
                                  QStringLiteral("--output"), parts.back(), m_papers});
        QVERIFY(run.exitCode == 0 || run.exitCode == 2);
    }
    if (reversed) {
        std::reverse(parts.begin(), parts.end());
    }
    const Run merged = runCheck(QStringList{QStringLiteral("--merge")} + parts);
    QVERIFY2(merged.exitCode == 0, merged.err.constData());
    const Run single = runCheck({QStringLiteral("--format"), format, m_papers});
    QCOMPARE(merged.out, single.out);
    QVERIFY2(merged.err.contains("1 inputs could not be read"), merged.err.constData());
}

void TestCheckParts::refusals_data() {
    QTest::addColumn<QStringList>("arguments"); // @PAPERS, @OUT, @P1...: the folder, files, parts
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("language");
    const auto row = [](const char* name, const QStringList& arguments, const QByteArray& message,
                        const QString& language = {}) {
        QTest::newRow(name) << arguments << message << language;
    };
    const QByteArray shard = "--shard must be K/N";
    for (const char* value : {"0/4", "5/4", "1/0", "a/b", "3", "1/2/3", "-1/2", "1/1000001"}) {
        QTest::addRow("--shard %s", value)
            << QStringList{QStringLiteral("--shard"), QString::fromLatin1(value)} << shard
            << QString();
    }
    row("resume without output", args("--resume @PAPERS"), QByteArray("--resume needs"));
    row("merge with shard", args("--merge --shard 1/2 @OUT"), QByteArray("--merge joins"));
    row("merge of nothing", args("--merge"), QByteArray("--merge needs"));
    row("merge, formats differ", args("--merge @P1 @T2"),
        QByteArray("parts of different formats: @P1 is csv, @T2 is tsv"));
    row("merge, a share missing", args("--merge @P1 @P3"), QByteArray("shares missing: 2/3"));
    row("merge, a share twice", args("--merge @P1 @P2 @P2 @P3"), QByteArray("are both share 2/3"));
    row("merge, an input twice", args("--merge @W @W"), QByteArray("is in both"));
    row("merge, incomplete part", args("--merge @P1 @P2 @K3"), QByteArray("@K3 is incomplete"));
    row("merge, no record", args("--merge @PAPERS/a/paper0.txt"), QByteArray("no record"));
    row("merge, part changed", args("--merge @C"), QByteArray("@C does not match its record"));
    row("resume, other format", args("--format tsv --output @P1 --resume @PAPERS"),
        QByteArray("resume it with the same options"));
    row("resume, other share", args("--shard 2/3 --output @P1 --resume @PAPERS"),
        QByteArray("--shard 1/3"));
    row("resume, no record", args("--output @PAPERS/a/paper2.txt --resume @PAPERS"),
        QByteArray("has no record"));
    row("resume, standard input", args("--output @OUT --resume -"),
        QByteArray("standard input cannot be resumed"));
    row("german", args("--shard 2/1"), QByteArray("--shard muss K/N sein"), QStringLiteral("de"));
    row("merge, german", args("--merge @P1 @P3"), QByteArray("fehlende Anteile: 2/3"),
        QStringLiteral("de"));
}

void TestCheckParts::refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, message);
    // Parts of three shares, a TSV share, one killed (no end line), one changed after its run.
    QMap<QString, QString> names{{QStringLiteral("@PAPERS"), m_papers},
                                 {QStringLiteral("@OUT"), path(QStringLiteral("refused.csv"))}};
    for (int k = 1; k <= 3; ++k) {
        names[QStringLiteral("@P%1").arg(k)] = path(QStringLiteral("r%1.csv").arg(k));
        runCheck({QStringLiteral("--shard"), QStringLiteral("%1/3").arg(k),
                  QStringLiteral("--output"), names[QStringLiteral("@P%1").arg(k)], m_papers});
    }
    names[QStringLiteral("@T2")] = path(QStringLiteral("t2.tsv"));
    runCheck({QStringLiteral("--format"), QStringLiteral("tsv"), QStringLiteral("--shard"),
              QStringLiteral("2/3"), QStringLiteral("--output"), names[QStringLiteral("@T2")],
              m_papers});
    names[QStringLiteral("@W")] = path(QStringLiteral("w.csv"));
    runCheck({QStringLiteral("--output"), names[QStringLiteral("@W")], m_papers});
    names[QStringLiteral("@K3")] = path(QStringLiteral("k3.csv"));
    QVERIFY(QFile::copy(names[QStringLiteral("@P3")], names[QStringLiteral("@K3")]) ||
            QFile::exists(names[QStringLiteral("@K3")]));
    const QByteArray record = readFile(names[QStringLiteral("@P3")] + QStringLiteral(".done"));
    QVERIFY(writeFile(names[QStringLiteral("@K3")] + QStringLiteral(".done"),
                      record.left(record.lastIndexOf("end "))));
    names[QStringLiteral("@C")] = path(QStringLiteral("c.csv"));
    QVERIFY(writeFile(names[QStringLiteral("@C")], readFile(names[QStringLiteral("@W")]) + "x\n"));
    QVERIFY(writeFile(names[QStringLiteral("@C")] + QStringLiteral(".done"),
                      readFile(names[QStringLiteral("@W")] + QStringLiteral(".done"))));
    QStringList real;
    QByteArray expected = message;
    for (QString argument : arguments) {
        for (auto it = names.begin(); it != names.end(); ++it) {
            argument.replace(it.key(), it.value());
        }
        real.append(argument);
    }
    for (auto it = names.begin(); it != names.end(); ++it) {
        expected.replace(it.key().toUtf8(), it.value().toUtf8());
    }
    QFETCH(QString, language);
    const Run run = runCheck(real, {}, language);
    QVERIFY(!run.crashed);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(expected), run.err.constData());
    QVERIFY(run.out.isEmpty() || !arguments.contains(QStringLiteral("--merge")));
}

QTEST_MAIN(TestCheckParts)
#include "test_check_parts.moc"
