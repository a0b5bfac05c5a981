// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// lxtervan-batch --pool as a user meets it: the pool file against metafor's figures for the
// committed table (tools/pool_reference), the summary line, the sets that leave figures out
// with the reason, and the options it refuses.
#include "batch_run.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <map>

namespace {

using Row = std::map<QString, QString>;

const QStringList poolColumns = {
    "group",        "method",      "test",     "k",          "estimate", "se",
    "ci_lo",        "ci_hi",       "stat",     "p",          "tau2",     "tau2_ci_lo",
    "tau2_ci_hi",   "tau",         "i2",       "h2",         "q",        "q_df",
    "q_p",          "pi_lo",       "pi_hi",    "egger_stat", "egger_p",  "q_between",
    "q_between_df", "q_between_p", "excluded", "pool_error"};

QByteArray fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The rows of a pool file in any of its formats, by column name; the CSV or TSV header in
// header.
QList<Row> poolRows(const QByteArray& text, const QString& format, QStringList& header) {
    QList<Row> rows;
    if (format == QLatin1String("jsonl")) {
        for (const QByteArray& line : text.split('\n')) {
            if (line.isEmpty()) {
                continue;
            }
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            Row row;
            header = object.keys();
            for (const QString& key : object.keys()) {
                const QJsonValue value = object.value(key);
                row[key] = value.isDouble() ? QString::number(value.toDouble(), 'g', 17)
                                            : value.toString();
            }
            rows.append(row);
        }
        return rows;
    }
    const Table table = parseCsv(text, format == QLatin1String("tsv") ? '\t' : ',');
    header.clear();
    for (const std::string& name : table.at(0)) {
        header.append(QString::fromStdString(name));
    }
    for (std::size_t r = 1; r < table.size(); ++r) {
        Row row;
        for (std::size_t c = 0; c < table[r].size() && c < std::size_t(header.size()); ++c) {
            row[header[qsizetype(c)]] = QString::fromStdString(table[r][c]);
        }
        rows.append(row);
    }
    return rows;
}

QList<Row> referenceRows() {
    QStringList header;
    return poolRows(fileText(QStringLiteral(POOL_REFERENCE)), QStringLiteral("csv"), header);
}

// A run of the tool on text with --pool to a file of the format; its rows, or none.
QList<Row> pooled(const QStringList& arguments, const QByteArray& input, const QString& format,
                  BatchRun* run = nullptr, QStringList* header = nullptr) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pooled.") + format);
    const BatchRun done = runBatchTool(arguments + QStringList{"--pool", path}, input);
    if (run) {
        *run = done;
    }
    QStringList names;
    const QList<Row> rows = poolRows(fileText(path), format, names);
    if (header) {
        *header = names;
    }
    return rows;
}

const Row* findRow(const QList<Row>& rows, const QString& group, const QString& method) {
    for (const Row& row : rows) {
        if (row.at("group") == group && row.at("method") == method) {
            return &row;
        }
    }
    return nullptr;
}

const QByteArray threeStudies = "study,set,n1,m1,sd1,n2,m2,sd2\n"
                                "A,x,20,5.1,1.2,22,4.6,1.1\nB,x,15,3.2,0.9,14,3.9,1.0\n"
                                "C,y,40,10.5,2.2,38,9.1,2.4\n";

} // namespace

class TestBatchPool : public QObject {
    Q_OBJECT

private slots:
    // Every figure of every row, overall and by subgroup, for each method in one run.
    void matchesMetafor_data() {
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("by");
        QTest::newRow("g, z") << "g"
                              << "z"
                              << "0.95"
                              << "csv"
                              << "subgroup";
        QTest::newRow("g, z, level 0.9, by number") << "g"
                                                    << "z"
                                                    << "0.9"
                                                    << "tsv"
                                                    << "2";
        QTest::newRow("g, Knapp-Hartung") << "g"
                                          << "knha"
                                          << "0.95"
                                          << "jsonl"
                                          << "Subgroup ";
        QTest::newRow("md, z") << "md"
                               << "z"
                               << "0.95"
                               << "csv"
                               << "subgroup";
        QTest::newRow("md, Knapp-Hartung") << "md"
                                           << "knha"
                                           << "0.95"
                                           << "csv"
                                           << "subgroup";
    }
    void matchesMetafor() {
        QFETCH(QString, effect);
        QFETCH(QString, test);
        QFETCH(QString, level);
        QFETCH(QString, format);
        QFETCH(QString, by);
        BatchRun run;
        QStringList header;
        const QList<Row> rows =
            pooled({"--columns", "study", "--pool-method", "EE,DL,REML,PM", "--pool-test", test,
                    "--pool-effect", effect, "--pool-by", by, "--level", level},
                   fileText(QStringLiteral(POOL_STUDIES)), format, &run, &header);
        QCOMPARE(run.exitCode, 0);
        if (format != QLatin1String("jsonl")) {
            QCOMPARE(header, poolColumns);
        }
        QCOMPARE(rows.size(), 16); // four methods over the table and each of three subgroups
        int compared = 0;
        for (const Row& reference : referenceRows()) {
            if (reference.at("effect") != effect || reference.at("test") != test ||
                std::fabs(reference.at("level").toDouble() - level.toDouble()) > 1e-9) {
                continue;
            }
            const Row* row = findRow(rows, reference.at("group"), reference.at("method"));
            QVERIFY2(row, qPrintable(reference.at("group") + ' ' + reference.at("method")));
            QCOMPARE(row->at("test"), test);
            const int excluded =
                reference.at("group").isEmpty() || reference.at("group") == QLatin1String("clinic");
            QCOMPARE(row->at("excluded").toInt(), excluded);
            for (const auto& [name, value] : reference) {
                if (!poolColumns.contains(name) || name == "group" || name == "method" ||
                    name == "test") {
                    continue;
                }
                const QString where = reference.at("group") + ' ' + reference.at("method") + ' ' +
                                      name + ": " + row->at(name) + " vs " + value;
                QVERIFY2(row->at(name).isEmpty() == value.isEmpty(), qPrintable(where));
                const double ours = row->at(name).toDouble();
                const double theirs = value.toDouble();
                QVERIFY2(std::fabs(ours - theirs) <= 1e-8 * std::fabs(theirs) + 1e-10,
                         qPrintable(where));
                ++compared;
            }
        }
        QVERIFY(compared > 16 * 20);
    }

    // The line on standard error reads the first row; with or without a file.
    void summaryLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");
        // The figures of tools/pool_reference's metafor rows, rounded as reports round them.
        QTest::newRow("REML by default, subgroups")
            << QStringList{"--pool-by", "subgroup"}
            << QString::fromUtf8("Random effects (REML), k = 16: g = 0.61 [0.44, 0.78], p < .001; "
                                 "τ² = 0.06 [0.01, 0.25], I² = 54%; Q(15) = 32.3, p = .006; "
                                 "prediction interval [0.09, 1.14]; subgroup differences "
                                 "Q(2) = 8.7, p = .013");
        QTest::newRow("common effect first")
            << QStringList{"--pool-method", "EE,REML"}
            << QString::fromUtf8("Common effect, k = 16: g = 0.59 [0.47, 0.70], p < .001; "
                                 "I² = 54%; Q(15) = 32.3, p = .006");
        QTest::newRow("mean difference, Knapp-Hartung")
            << QStringList{"--pool-effect", "md", "--pool-test", "knha"}
            << QString::fromUtf8("Random effects (REML, Knapp-Hartung), k = 16: MD = 6.07 "
                                 "[4.15, 7.99], p < .001; τ² = 5.92 [1.01, 28.49], I² = 53%; "
                                 "Q(15) = 32.3, p = .006; prediction interval [0.54, 11.60]");
    }
    void summaryLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        const BatchRun run = runBatchTool(QStringList{"--columns", "study"} + arguments,
                                          fileText(QStringLiteral(POOL_STUDIES)));
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.err).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.last().section(QStringLiteral(": "), 2), line);
    }

    // Sets a figure cannot be worked out for: the cells stay empty, the message says why and
    // the other rows keep their figures.
    void problemsSayWhy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("empty");
        QTest::addColumn<QStringList>("filled");
        QTest::addColumn<QString>("message");
        const QByteArray header = "study,set,n1,m1,sd1,n2,m2,sd2\n";
        QTest::newRow("no study") << QStringList{} << header + "A,x,20,5,-1,20,4,1\n"
                                  << ""
                                  << "REML" << QStringList{"estimate", "tau2", "egger_p"}
                                  << QStringList{"k", "excluded"} << "No study to pool";
        QTest::newRow("one study, EE is the study")
            << QStringList{"--pool-method", "EE,REML"} << header + "A,x,20,5.1,1.2,22,4.6,1.1\n"
            << ""
            << "EE" << QStringList{"tau2", "q", "i2", "egger_p"}
            << QStringList{"estimate", "se", "ci_lo", "p"} << "the study itself";
        QTest::newRow("one study, no tau²")
            << QStringList{"--pool-method", "EE,REML"} << header + "A,x,20,5.1,1.2,22,4.6,1.1\n"
            << ""
            << "REML" << QStringList{"estimate", "se", "tau2", "q"} << QStringList{"k"}
            << "tau² cannot be estimated";
        QTest::newRow("identical studies, Knapp-Hartung")
            << QStringList{"--pool-test", "knha"}
            << header + QByteArray("A,x,20,5,1,20,4,1\n").repeated(4) << ""
            << "REML" << QStringList{"h2", "se", "ci_lo", "p", "stat"}
            << QStringList{"estimate", "q", "tau2"}
            << "agree exactly (Q = 0): H² and the Knapp-Hartung test";
        QTest::newRow("all SEs equal")
            << QStringList{"--pool-effect", "md"}
            << header + "A,x,20,5,1,20,4,1\nB,x,20,6,1,20,4,1\n"
                        "C,x,20,4,1,20,4.5,1\nD,x,20,5.5,1,20,5,1\n"
            << ""
            << "REML" << QStringList{"egger_stat", "egger_p"}
            << QStringList{"estimate", "tau2", "h2"} << "All standard errors are equal";
        QTest::newRow("two studies, no Egger")
            << QStringList{} << header + "A,x,20,5.1,1.2,22,4.6,1.1\nB,x,15,3.2,0.9,14,3.9,1.0\n"
            << ""
            << "REML" << QStringList{"egger_stat"} << QStringList{"estimate", "tau2"}
            << "needs three studies";
        QTest::newRow("a subgroup with one study")
            << QStringList{"--pool-by", "set"} << threeStudies << "y"
            << "REML" << QStringList{"estimate", "se"} << QStringList{"k"}
            << "tau² cannot be estimated";
        QTest::newRow("Q between leaves it out")
            << QStringList{"--pool-by", "set", "--pool-method", "REML,EE"} << threeStudies << ""
            << "REML" << QStringList{"q_between"} << QStringList{"estimate", "egger_p"}
            << "needs two subgroups";
        QTest::newRow("EE keeps the one-study subgroup")
            << QStringList{"--pool-by", "set", "--pool-method", "REML,EE"} << threeStudies << ""
            << "EE" << QStringList{} << QStringList{"q_between", "q_between_df", "q_between_p"}
            << "";
    }
    void problemsSayWhy() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, group);
        QFETCH(QString, method);
        QFETCH(QStringList, empty);
        QFETCH(QStringList, filled);
        QFETCH(QString, message);
        BatchRun run;
        const QList<Row> rows = pooled(arguments, input, QStringLiteral("csv"), &run);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!run.crashed);
        const Row* row = findRow(rows, group, method);
        QVERIFY(row);
        for (const QString& name : empty) {
            QVERIFY2(row->at(name).isEmpty(), qPrintable(name + ": " + row->at(name)));
        }
        for (const QString& name : filled) {
            QVERIFY2(!row->at(name).isEmpty(), qPrintable(name));
        }
        QVERIFY2(message.isEmpty() ? row->at("pool_error").isEmpty()
                                   : row->at("pool_error").contains(message),
                 qPrintable(row->at("pool_error")));
    }

    void refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<bool>("tableWritten");
        QTest::newRow("unknown methods") << QStringList{"--pool-method", "REML,XYZ,ml"}
                                         << QStringList{"\"XYZ\"", "\"ml\""} << false;
        QTest::newRow("test") << QStringList{"--pool-test", "t"} << QStringList{"--pool-test"}
                              << false;
        QTest::newRow("effect") << QStringList{"--pool-effect", "d"} << QStringList{"--pool-effect"}
                                << false;
        QTest::newRow("file suffix")
            << QStringList{"--pool", "pooled.txt"} << QStringList{"pooled.txt"} << false;
        QTest::newRow("no such column") << QStringList{"--pool-by", "region"}
                                        << QStringList{"--pool-by", "\"region\"", "set"} << true;
        QTest::newRow("unwritable file") << QStringList{"--pool", "/nonexistent/dir/pooled.csv"}
                                         << QStringList{"cannot write"} << true;
    }
    void refused() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, named);
        QFETCH(bool, tableWritten);
        const BatchRun run = runBatchTool(arguments, threeStudies);
        QCOMPARE(run.exitCode, 2);
        for (const QString& name : named) {
            QVERIFY2(run.err.contains(name.toUtf8()), run.err.constData());
        }
        QCOMPARE(run.out.contains("A,x,20"), tableWritten);
    }
};

QTEST_GUILESS_MAIN(TestBatchPool)
#include "test_batch_pool.moc"
