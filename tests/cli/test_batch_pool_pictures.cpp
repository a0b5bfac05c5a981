// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// lxtervan-batch --forest and --funnel with the pool: the diamonds where the pool file puts the
// estimates, the weights of its tau², the effect pooled, and the funnel plot's file.
#include "batch_run.h"

#include "../plots/picture_probe.h"
#include "plots/forest_text.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace {

// The groups interleaved, so that the picture has to bring each one's rows together.
const QByteArray table = "study,setting,n1,m1,sd1,n2,m2,sd2\nA,school,34,24.1,5.2,31,21.9,5.6\n"
                         "B,clinic,61,12.4,3.3,58,11.9,3.0\nC,school,52,18.7,4.1,50,17.2,4.4\n"
                         "D,online,120,15.3,4.7,118,14.6,4.9\nE,clinic,19,40.2,9.8,21,33.1,10.4\n"
                         "F,online,38,27.4,6.6,36,24.0,7.1\nG,school,28,31.5,7.9,30,27.0,8.3\n"
                         "H,clinic,45,22.8,6.0,44,20.1,6.2\nI,online,25,19.9,5.0,27,19.1,-5.3\n";

std::map<std::string, std::string> record(const Table& t, std::size_t r) {
    std::map<std::string, std::string> row;
    for (std::size_t c = 0; c < t[0].size() && c < t[r].size(); ++c) {
        row[t[0][c]] = t[r][c];
    }
    return row;
}

double number(const std::map<std::string, std::string>& row, const char* name) {
    return QString::fromStdString(row.at(name)).toDouble();
}

// The SVG text at the height of y (within half a line) that test accepts, or none.
const lx::test::SvgText* textAt(const lx::test::SvgContent& svg, double y,
                                const std::function<bool(const QString&)>& test) {
    const auto at = std::find_if(svg.texts.begin(), svg.texts.end(), [&](const auto& t) {
        return std::fabs(t.at.y() - y) < 8 && test(t.text);
    });
    return at == svg.texts.end() ? nullptr : &*at;
}

} // namespace

class TestBatchPoolPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qunsetenv("QT_QPA_PLATFORM");
        qunsetenv("DISPLAY");
    }

    void forestShowsThePoolFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("diamonds"); // their labels, top to bottom
        QTest::newRow("REML") << QStringList{} << QStringList{"Random effects (REML)"};
        QTest::newRow("EE first, Knapp-Hartung")
            << QStringList{"--pool-method", "EE,REML", "--pool-test", "knha"}
            << QStringList{"Common effect (Knapp-Hartung)"};
        QTest::newRow("per setting")
            << QStringList{"--pool-by", "setting", "--level", "0.9"}
            << QStringList{"school", "clinic", "online", "Random effects (REML)"};
        QTest::newRow("mean differences per setting")
            << QStringList{"--pool-effect", "md", "--pool-by", "setting", "--pool-method", "DL"}
            << QStringList{"school", "clinic", "online", "Random effects (DL)"};
    }
    // Each diamond spans the interval and points at the estimate of its row of the pool file
    // (the first method's), the studies weighted by that row's tau², by the plot's own axis
    // as the studies' markers give it.
    void forestShowsThePoolFile() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, diamonds);
        QTemporaryDir dir;
        const QString forest = dir.filePath("forest.svg"), pool = dir.filePath("pooled.csv");
        const BatchRun run =
            runBatchTool(arguments + QStringList{"--pool", pool, "--forest", forest, "--label",
                                                 "study", "--columns", "study,setting,g,g_var"},
                         table);
        QCOMPARE(run.exitCode, 0);
        const bool md = arguments.contains("md");
        const Table in = parseCsv(table), out = parseCsv(run.out);
        QFile file(pool);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const Table pooled = parseCsv(file.readAll());
        std::map<QString, std::map<std::string, std::string>> poolOf; // the first method's rows
        for (std::size_t r = pooled.size() - 1; r >= 1; --r) {
            const auto row = record(pooled, r);
            poolOf[row.at("group").empty() ? diamonds.last()
                                           : QString::fromStdString(row.at("group"))] = row;
        }
        QCOMPARE(poolOf.size(), std::size_t(diamonds.size()));

        const lx::test::SvgContent svg = lx::test::readSvg(forest);
        QVERIFY(svg.wellFormed);
        QVERIFY(textAt(svg, svg.texts[1].at.y(), [&](const QString& t) {
            return t == lx::plots::forest_text::estimateTitle(
                            md ? "MD" : "g", arguments.contains("0.9") ? 0.9 : 0.95);
        }));
        // The studies: their effect and variance as the table's figures give them, each one's
        // weight in its diamond's model (its subgroup's), its marker and its text.
        std::map<std::string, double> total; // of the weights, by subgroup
        const auto groupOf = [&](const auto& row) {
            return diamonds.size() > 1 ? row.at("setting") : std::string();
        };
        const auto tau2Of = [&](const std::string& group) {
            const auto& row =
                poolOf.at(group.empty() ? diamonds.last() : QString::fromStdString(group));
            return row.at("tau2").empty() ? 0 : number(row, "tau2");
        };
        std::vector<double> effects, variances;
        for (std::size_t r = 1; r + 1 < in.size(); ++r) {
            const auto row = record(in, r), result = record(out, r);
            effects.push_back(md ? number(row, "m1") - number(row, "m2") : number(result, "g"));
            variances.push_back(md ? std::pow(number(row, "sd1"), 2) / number(row, "n1") +
                                         std::pow(number(row, "sd2"), 2) / number(row, "n2")
                                   : number(result, "g_var"));
            total[groupOf(row)] += 1 / (variances.back() + tau2Of(groupOf(row)));
        }
        std::vector<std::pair<double, double>> effectAndPixel;
        for (std::size_t r = 1; r + 1 < in.size(); ++r) {
            const auto row = record(in, r);
            const auto label = std::find_if(svg.texts.begin(), svg.texts.end(), [&](auto& t) {
                return t.text == QString::fromStdString(row.at("study"));
            });
            QVERIFY(label != svg.texts.end());
            const auto marker = std::find_if(svg.rects.begin(), svg.rects.end(), [&](auto& m) {
                return m.fill == lx::plots::PlotStyle().first.name() &&
                       std::fabs(m.rect.center().y() - label->at.y()) < 8;
            });
            QVERIFY(marker != svg.rects.end());
            effectAndPixel.emplace_back(effects[r - 1], marker->rect.center().x());
            QVERIFY(textAt(svg, label->at.y(), [&](const QString& t) {
                return t.startsWith(QString::number(effects[r - 1], 'f', 2) + " [");
            }));
            const QString weight = lx::plots::forest_text::weight(
                100 / (variances[r - 1] + tau2Of(groupOf(row))) / total[groupOf(row)],
                QLocale::c());
            QVERIFY2(textAt(svg, label->at.y(), [&](const QString& t) { return t == weight; }),
                     qPrintable(weight));
        }
        // The axis from the two studies farthest apart; every marker on it.
        std::sort(effectAndPixel.begin(), effectAndPixel.end());
        const double low = effectAndPixel.front().first, lowX = effectAndPixel.front().second;
        const double high = effectAndPixel.back().first, highX = effectAndPixel.back().second;
        const auto pixel = [&](double v) {
            return lowX + (v - low) / (high - low) * (highX - lowX);
        };
        for (const auto& [effect, x] : effectAndPixel) {
            QVERIFY(std::fabs(pixel(effect) - x) <= 1);
        }
        QList<lx::test::SvgPath> shapes;
        for (const auto& path : svg.paths) {
            if (path.fill == lx::plots::PlotStyle().pooled.name()) {
                shapes.append(path);
            }
        }
        QCOMPARE(shapes.size(), diamonds.size());
        for (int k = 0; k < diamonds.size(); ++k) {
            const auto& row = poolOf.at(diamonds[k]);
            const auto [left, right] = std::minmax_element(
                shapes[k].points.begin(), shapes[k].points.end(),
                [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
            QVERIFY(std::fabs(left->x() - pixel(number(row, "ci_lo"))) <= 1);
            QVERIFY(std::fabs(right->x() - pixel(number(row, "ci_hi"))) <= 1);
            QVERIFY(std::fabs(shapes[k].points[1].x() - pixel(number(row, "estimate"))) <= 1);
            const double y = shapes[k].points[1].y() + 6;
            QVERIFY(textAt(svg, y, [&](const QString& t) { return t == diamonds[k]; }));
            QVERIFY(textAt(svg, y, [&](const QString& t) {
                return t == lx::plots::forest_text::estimate(
                                number(row, "estimate"),
                                {number(row, "ci_lo"), number(row, "ci_hi")}, QLocale::c());
            }));
        }
        // The summary line under the overall diamond, as on standard error.
        const QString line = QString::fromUtf8(run.err.split('\n').at(1)).section(": ", 2);
        QVERIFY2(svg.texts.last().text.endsWith(line.right(12)), qPrintable(line));
    }

    void funnelFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("SVG, no pool option") << QStringList{"--funnel", "@/funnel.svg"} << 0;
        QTest::newRow("PDF beside the forest")
            << QStringList{"--funnel", "@/funnel.pdf", "--forest", "@/forest.svg"} << 0;
        QTest::newRow("PNG, as --funnel=") << QStringList{"--funnel=@/funnel.png"} << 0;
        QTest::newRow("no picture format") << QStringList{"--funnel", "@/funnel.jpg"} << 2;
    }
    // The funnel plot drawn by its suffix, pooling by REML when no option asks; another suffix
    // refused after the table is out.
    void funnelFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QTemporaryDir dir;
        arguments.replaceInStrings("@", dir.path());
        const QString path = arguments.filter("funnel").last().section('=', -1);
        const BatchRun run = runBatchTool(arguments + QStringList{"--columns", "g"}, table);
        QCOMPARE(run.exitCode, status);
        QCOMPARE(run.out.count('\n'), 10);
        QCOMPARE(QFile::exists(path), status == 0);
        if (status != 0) {
            QVERIFY2(run.err.contains("--funnel: " + path.toUtf8()), run.err.constData());
            return;
        }
        QVERIFY2(run.err.contains("Random effects (REML), k = 8: g = 0.32"), run.err.constData());
        QVERIFY(run.err.contains(arguments.contains("--forest") ? "left out of the forest plot"
                                                                : "left out of the funnel plot"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (path.endsWith("pdf")) {
            QCOMPARE(file.read(5), QByteArray("%PDF-"));
        } else {
            QCOMPARE(path.endsWith("png") ? QSizeF(QImage(path).size())
                                          : lx::test::readSvg(path).viewBox.size(),
                     QSizeF(800, 600));
        }
    }
};

QTEST_MAIN(TestBatchPoolPictures)
#include "test_batch_pool_pictures.moc"
