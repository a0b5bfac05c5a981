// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_run.h"

#include "../plots/picture_probe.h"
#include "plots/forest_plot.h"
#include "plots/painting.h"

#include <QFile>
#include <QFontMetricsF>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using lx::test::SvgContent;
using lx::test::SvgRect;

namespace {

// The markers of the rows, in the colour the tool draws them, top to bottom.
QList<QRectF> markersOf(const SvgContent& svg) {
    const QString colour = lx::plots::PlotStyle().first.name();
    QList<QRectF> markers;
    for (const SvgRect& rect : svg.rects) {
        if (rect.fill == colour) {
            markers.append(rect.rect);
        }
    }
    std::sort(markers.begin(), markers.end(),
              [](const QRectF& a, const QRectF& b) { return a.center().y() < b.center().y(); });
    return markers;
}

QList<QJsonObject> jsonRows(const QByteArray& out) {
    QList<QJsonObject> rows;
    for (const QByteArray& line : out.split('\n')) {
        if (!line.trimmed().isEmpty()) {
            rows.append(QJsonDocument::fromJson(line).object());
        }
    }
    return rows;
}

} // namespace

// lxtervan-batch --forest as a user meets it: a picture file drawn with no display, one marker
// for each row that has results, where the axis puts its g, and the table written whatever
// becomes of the picture.
class TestBatchForest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The tool has to find the off-screen platform itself, as from a cron job or ssh.
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_RUNTIME_DIR");
    }

    void markersFollowTheAxis_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<QString>("decimalMark");

        QTest::newRow("labels from a column")
            << QStringList{"--label", "Study"}
            << QByteArray("study,n1,m1,sd1,n2,m2,sd2\nSmith 2019,20,5.1,1.2,22,4.6,1.1\n"
                          "Jones,15,3.2,0.9,14,3.9,1.0\nwrong SD,10,5,-1,10,4,1\n"
                          "Lee,40,10.5,2.2,38,9.1,2.4\n,,,,,,\n")
            << QStringList{"Smith 2019", "Jones", "Lee"} << 1 << ".";
        // As a German spreadsheet exports it: its own names, ';', decimal commas, BOM, CRLF,
        // a label in the Windows code page.
        QTest::newRow("German export, label by number")
            << QStringList{"--locale",
                           "de_DE",
                           "--label",
                           "1",
                           "--map",
                           "n1=Gesamt_E,m1=Mittel_E,sd1=SD_E,n2=Gesamt_K,m2=Mittel_K,sd2=SD_K"}
            << QByteArray("\xEF\xBB\xBFStudie;Gesamt_E;Mittel_E;SD_E;Gesamt_K;Mittel_K;SD_K\r\n"
                          "M\xfcller 2020;25;12,4;3,1;24;11,2;2,9\r\n"
                          "Schulz;12;8,0;-2,0;10;7,0;2,0\r\n"
                          "Weber;30;15,2;4,0;31;16,9;3,8\r\n")
            << QStringList{QString::fromUtf8("Müller 2020"), "Weber"} << 1 << ",";
        QTest::newRow("equal means with no spread")
            << QStringList{"--label", "study"}
            << QByteArray("study,n1,m1,sd1,n2,m2,sd2\neqsd0,20,10,0,20,10,0\n"
                          "Smith 2019,20,5.1,1.2,22,4.6,1.1\n")
            << QStringList{"Smith 2019"} << 1 << ".";
        QTest::newRow("control characters in a label")
            << QStringList{"--label", "study"}
            << QByteArray(
                   "study,n1,m1,sd1,n2,m2,sd2\n\"ctrl\x01\x08\x1b[0m\x7f\",20,5.1,1.2,22,4.6,1.1\n"
                   "\"tab\there\",12,5,2,14,4,2\nwrong\x02,10,5,-1,10,4,1\n")
            << QStringList{QString::fromUtf8("ctrl\uFFFD\uFFFD\uFFFD[0m\uFFFD"), "tab here"} << 1
            << ".";
        QTest::newRow("row numbers")
            << QStringList{}
            << QByteArray("n1,m1,sd1,n2,m2,sd2\n20,5,1,20,4.5,1\nx,5,1,20,4,1\n"
                          "20,5,1,20,5.5,1\n12,5,2,14,4,2\n")
            << QStringList{"1", "3", "4"} << 1 << ".";
    }
    void markersFollowTheAxis() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QStringList, labels);
        QFETCH(int, leftOut);
        QFETCH(QString, decimalMark);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("forest.svg"));
        const BatchRun run =
            runBatchTool(arguments + QStringList{"--forest", file, "--format", "jsonl", "--columns",
                                                 "g,g_ci_lo,g_ci_hi,g_var,error"},
                         input);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 0);
        const QByteArray counted = leftOut == 1 ? QByteArray("1 row left out of the forest plot")
                                                : QByteArray::number(leftOut) + " rows left out";
        QVERIFY2(run.err.contains(counted), run.err.constData());
        // Standard error carries the tool's own words only, none of Qt's.
        for (const QByteArray& line : run.err.split('\n')) {
            QVERIFY2(line.isEmpty() || line.startsWith("lxtervan-batch: "), line.constData());
        }

        lx::plots::ForestPicture picture;
        for (const QJsonObject& row : jsonRows(run.out)) {
            if (row.value("error").isString() || !row.value("g").isDouble()) {
                continue;
            }
            picture.rows.push_back(
                {labels.value(int(picture.rows.size())),
                 row.value("g").toDouble(),
                 {row.value("g_ci_lo").toDouble(), row.value("g_ci_hi").toDouble()},
                 row.value("g_var").toDouble()});
        }
        QCOMPARE(picture.rows.size(), std::size_t(labels.size()));

        const SvgContent svg = lx::test::readSvg(file);
        QVERIFY(svg.wellFormed);
        const QList<QRectF> markers = markersOf(svg);
        QCOMPARE(markers.size(), labels.size());
        // The tool's axis, laid out again for the same rows on a device of the same resolution.
        QSvgGenerator device;
        device.setResolution(96);
        lx::plots::PlotStyle style;
        style.locale = QLocale(decimalMark == u"," ? QStringLiteral("de_DE") : QStringLiteral("C"));
        const lx::plots::ForestLayout layout =
            lx::plots::layoutForest(picture, svg.viewBox, style, &device);
        for (int k = 0; k < markers.size(); ++k) {
            const auto& row = picture.rows[std::size_t(k)];
            QVERIFY2(std::fabs(markers[k].center().x() - layout.effect.pixel(row.effect)) <= 1,
                     qPrintable(labels[k]));
            QVERIFY(std::fabs(markers[k].center().y() -
                              (layout.firstRowY + k * layout.rowHeight)) <= 1);
            const bool labelled =
                std::any_of(svg.texts.begin(), svg.texts.end(), [&](const auto& t) {
                    return t.text == labels[k] &&
                           std::fabs(t.at.y() - markers[k].center().y()) < 10;
                });
            QVERIFY2(labelled, qPrintable(labels[k]));
        }
        // The tick labels under the axis, with the table's decimal mark and never the other.
        const QString otherMark = decimalMark == u"," ? QStringLiteral(".") : QStringLiteral(",");
        int fractions = 0;
        for (const auto& text : svg.texts) {
            if (text.at.y() > layout.axisY && text.text != u"g") {
                QVERIFY2(!text.text.contains(otherMark), qPrintable(text.text));
                fractions += text.text.contains(decimalMark) ? 1 : 0;
            }
        }
        QVERIFY(fractions > 0);
    }

    // Ten thousand studies: the picture grows with them, each keeps a line of its own that its
    // label fits, and the last is inside the picture.
    void tallTableStaysReadable() {
        QByteArray input = "study,n1,m1,sd1,n2,m2,sd2\n";
        constexpr int rows = 10000;
        for (int k = 0; k < rows; ++k) {
            input += "Study " + QByteArray::number(k + 1) + " (" +
                     QByteArray::number(1990 + k % 30) + ")," + QByteArray::number(10 + k % 90) +
                     "," + QByteArray::number(5 + (k % 17) * 0.1) + ",1.5," +
                     QByteArray::number(12 + k % 70) + ",5,1.7\n";
        }
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tall.svg"));
        const BatchRun run =
            runBatchTool({"--columns", "study,g", "--forest", file, "--label", "study"}, input);
        QCOMPARE(run.exitCode, 0);
        const SvgContent svg = lx::test::readSvg(file);
        QVERIFY(svg.wellFormed);
        const QList<QRectF> markers = markersOf(svg);
        QCOMPARE(markers.size(), rows);
        const QFontMetricsF metrics(lx::plots::logicalFont(QFont()));
        double closest = svg.viewBox.height();
        for (int k = 1; k < markers.size(); ++k) {
            closest = std::min(closest, markers[k].center().y() - markers[k - 1].center().y());
        }
        QVERIFY2(closest >= metrics.height(), qPrintable(QString::number(closest)));
        const auto labelled = std::count_if(svg.texts.begin(), svg.texts.end(), [&](const auto& t) {
            return t.text.startsWith(u"Study ") && t.at.y() < svg.viewBox.bottom() && t.at.x() >= 0;
        });
        QCOMPARE(labelled, qsizetype(rows));
        QVERIFY(markers.last().bottom() < svg.viewBox.bottom());
    }

    // What cannot be drawn is named, with the status of an input error, and the table is out.
    void badRequestsKeepTheTable_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("tableLines");

        QTest::newRow("unknown suffix")
            << QStringList{"--forest", "@/forest.jpg"}
            << QByteArray("a picture is written as .png, .svg or .pdf") << 3;
        QTest::newRow("unknown label column")
            << QStringList{"--forest", "@/forest.svg", "--label", "author"}
            << QByteArray("--label: there is no column \"author\"; the table has study, n1") << 3;
        QTest::newRow("unwritable file")
            << QStringList{"--forest", "@/missing/forest.svg"}
            << QByteArray("/missing/forest.svg cannot be written: No such file or directory") << 3;
        QTest::newRow("png too tall") << QStringList{"--forest", "@/forest.png", "--format", "tsv"}
                                      << QByteArray("write it as .svg or .pdf") << 3;
        QTest::newRow("label alone")
            << QStringList{"--label", "study"} << QByteArray("give --forest too") << 0;
    }
    void badRequestsKeepTheTable() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        QFETCH(int, tableLines);
        QTemporaryDir dir;
        for (QString& argument : arguments) {
            argument.replace(QLatin1Char('@'), dir.path());
        }
        QByteArray input = "study,n1,m1,sd1,n2,m2,sd2\nA,10,5,1,10,4,1\nB,10,5,1,10,4.5,1\n";
        if (arguments.contains(QStringLiteral("tsv"))) {
            // Rows enough for a picture beyond what a PNG holds.
            for (int k = 0; k < 2500; ++k) {
                input += "C,10,5,1,10,4,1\n";
            }
            tableLines += 2500;
        }
        const BatchRun run = runBatchTool(arguments + QStringList{"--columns", "study,g"}, input);
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(run.out.count('\n'), tableLines);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    // A tool whose picture library is missing, as a copy of the program alone: the table is
    // worked and written, and the picture's absence named with the places looked in.
    void missingPictureLibraryKeepsTheTable() {
        QTemporaryDir dir;
        const QString alone = dir.filePath(QStringLiteral("lxtervan-batch"));
        QVERIFY(QFile::copy(QStringLiteral(LXTERVAN_BATCH), alone));
        const auto run = lx::test::runProgram(
            alone, {"--columns", "g", "--forest", dir.filePath(QStringLiteral("forest.svg"))},
            "n1,m1,sd1,n2,m2,sd2\n10,5,1,10,4,1\n");
        QVERIFY(!run.crashed);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("the library that draws pictures cannot be loaded from " +
                                  QFile::encodeName(dir.path())),
                 run.err.constData());
        QCOMPARE(run.out.count('\n'), 2);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("forest.svg"))));
    }
};

QTEST_MAIN(TestBatchForest)
#include "test_batch_forest.moc"
