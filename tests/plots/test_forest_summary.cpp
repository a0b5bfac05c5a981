// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"
#include "plots/forest_plot.h"
#include "plots/painting.h"
#include "plots/picture_file.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using lx::plots::ForestPicture;
using lx::plots::ForestSummary;
using lx::plots::PlotStyle;

namespace {

constexpr int width = 700;

// Three studies (five in two groups), pooled with tau² = 0.05; the figures are the test's own.
ForestPicture picture(bool prediction, bool groups) {
    ForestPicture p;
    p.rows = {{QStringLiteral("Alpha 2019"), 0.5234, {0.1101, 0.9349}, 0.04},
              {QStringLiteral("Beta 2020"), -0.3049, {-0.79, 0.18}, 0.06},
              {QStringLiteral("Gamma 2021"), 0.81, {0.19, 1.43}, 0.1}};
    const auto summary = [&](QString label, double estimate, lx::Interval ci, std::size_t first,
                             std::size_t end) {
        ForestSummary s{std::move(label), estimate, ci, std::nullopt, 0.05, {}, first, end};
        if (prediction) {
            s.prediction = lx::Interval{ci.lower - 0.4, ci.upper + 0.35};
        }
        s.modelLine = QStringLiteral("Random effects (REML), k = %1: g = %2; a sentence long "
                                     "enough to be wrapped onto a second line of the picture's "
                                     "width, as the summary of a pooled result is.")
                          .arg(end - first)
                          .arg(estimate);
        return s;
    };
    if (groups) {
        p.rows.push_back({QStringLiteral("Delta 2022"), 0.12, {-0.2, 0.44}, 0.027});
        p.rows.push_back({QStringLiteral("Epsilon 2023"), 0.95, {0.3, 1.6}, 0.11});
        p.summaries.push_back(summary(QStringLiteral("First group"), 0.1, {-0.4, 0.6}, 0, 2));
        p.summaries.push_back(summary(QStringLiteral("Second group"), 0.55, {0.1, 1.0}, 2, 5));
    }
    p.summaries.push_back(
        summary(QStringLiteral("Random effects"), 0.31, {0.02, 0.6}, 0, p.rows.size()));
    return p;
}

} // namespace

class TestForestSummary : public QObject {
    Q_OBJECT
private slots:
    void diamond_data();
    void diamond();
    void textColumn_data();
    void textColumn();
};

void TestForestSummary::diamond_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("prediction");
    QTest::addColumn<bool>("groups");
    QTest::newRow("with its prediction interval") << 1 << true << false;
    QTest::newRow("with its prediction interval, scale 2") << 2 << true << false;
    QTest::newRow("no prediction interval (common effect)") << 1 << false << false;
    QTest::newRow("subgroups, scale 2") << 2 << true << true;
    QTest::newRow("subgroups without prediction, scale 2") << 2 << false << true;
}

// Each diamond's ends at its interval's ends on the axis and its tallest column at the estimate;
// the prediction line's ends at its interval's; the subgroups' diamonds under their studies and
// the overall one last.
void TestForestSummary::diamond() {
    QFETCH(int, scale);
    QFETCH(bool, prediction);
    QFETCH(bool, groups);
    const ForestPicture p = picture(prediction, groups);
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("en_US"));
    QImage measure(1, 1, QImage::Format_RGB32);
    const double height = lx::plots::forestHeight(p, width, style, &measure);
    QImage image(width * scale, static_cast<int>(std::ceil(height * scale)), QImage::Format_RGB32);
    image.fill(Qt::cyan);
    lx::plots::ForestLayout layout;
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        const QRectF bounds(0, 0, width, image.height() / double(scale));
        layout = lx::plots::layoutForest(p, bounds, style, painter.device());
        lx::plots::paintForest(painter, bounds, p, style);
    }
    QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");
    QCOMPARE(layout.summaries.size(), p.summaries.size());
    const auto& x = layout.effect;
    const auto at = [&](double value) { return value * scale; };
    double previousY = 0;
    for (std::size_t k = 0; k < layout.summaries.size(); ++k) {
        const auto& shown = layout.summaries[k];
        const ForestSummary& s = *shown.summary;
        QCOMPARE(&s, &p.summaries[k]);
        // Below the last of its studies and below the summary before it.
        QVERIFY(shown.y > layout.rowY[s.endRow - 1] && shown.y > previousY);
        previousY = shown.y;
        // Its own band of rows: nothing of the lines around it. Only the diamond and the
        // prediction line have their colours.
        const int top = static_cast<int>(at(shown.y - layout.rowHeight / 2));
        const QImage band =
            image.copy(0, top, image.width(), static_cast<int>(at(layout.rowHeight)));
        const int row = static_cast<int>(std::floor(at(shown.y))) - top;
        const auto ends = [&](const std::optional<lx::test::Extent>& e, lx::Interval i) {
            return e && std::fabs(e->first - at(x.pixel(i.lower))) <= 2 &&
                   std::fabs(e->last + 1 - at(x.pixel(i.upper))) <= 2;
        };
        const auto diamond = lx::test::columnsInRow(band, row, style.pooled);
        QVERIFY(ends(diamond, s.ci));
        // The tallest columns are the estimate's.
        int tallest = 0;
        double middle = 0;
        for (int column = diamond->first, count = 0; column <= diamond->last; ++column) {
            const auto e = lx::test::rowsInColumn(band, column, style.pooled);
            const int h = e ? e->last - e->first + 1 : 0;
            count = h > tallest ? 0 : count;
            tallest = std::max(tallest, h);
            if (h == tallest) {
                middle = (middle * count + column + 0.5) / (count + 1);
                ++count;
            }
        }
        QVERIFY(std::fabs(middle - at(x.pixel(s.estimate))) <= 1.5 * scale);
        QVERIFY(std::fabs(tallest - at(0.7 * layout.rowHeight)) <= 2);
        const auto line = lx::test::columnsInRow(band, row, style.prediction);
        QCOMPARE(line.has_value(), prediction);
        QVERIFY(!prediction || ends(line, *s.prediction));
        // Through the diamond's middle, nowhere above it.
        QVERIFY(!lx::test::columnsInRow(band, row - 2 * scale, style.prediction));
    }
}

void TestForestSummary::textColumn_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("level");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("estimates");
    QTest::addColumn<QStringList>("weights");
    // The weights, 1 / (v + 0.05) in percent of their sum: 41.353, 33.835, 24.812.
    QTest::newRow("English") << "en_US" << 0.95 << "g [95% CI]"
                             << QStringList{"0.52 [0.11, 0.93]", "-0.30 [-0.79, 0.18]",
                                            "0.81 [0.19, 1.43]", "0.31 [0.02, 0.60]"}
                             << QStringList{"41.4%", "33.8%", "24.8%"};
    QTest::newRow("German table, 90%") << "de_DE" << 0.9 << "g [90% CI]"
                                       << QStringList{"0,52 [0,11; 0,93]", "-0,30 [-0,79; 0,18]",
                                                      "0,81 [0,19; 1,43]", "0,31 [0,02; 0,60]"}
                                       << QStringList{"41,4%", "33,8%", "24,8%"};
}

// The header's titles, each study's estimate and weight and the summary's estimate written at
// the right of their lines, right-aligned in their columns, in the table's locale; the model's
// sentence under the diamond.
void TestForestSummary::textColumn() {
    QFETCH(QString, locale);
    QFETCH(double, level);
    QFETCH(QString, title);
    QFETCH(QStringList, estimates);
    QFETCH(QStringList, weights);
    ForestPicture p = picture(true, false);
    p.level = level;
    const PlotStyle style = lx::test::probeStyle(locale);
    QSvgGenerator device;
    device.setResolution(96);
    const QSizeF size(width, lx::plots::forestHeight(p, width, style, &device));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forest.svg"));
    QString error;
    QVERIFY2(lx::plots::writePictureFile(
                 path, size,
                 [&](QPainter& painter, const QRectF& bounds) {
                     lx::plots::paintForest(painter, bounds, p, style);
                 },
                 error),
             qPrintable(error));
    const auto svg = lx::test::readSvg(path);
    QVERIFY(svg.wellFormed);
    const auto layout = lx::plots::layoutForest(p, QRectF(QPointF(0, 0), size), style, &device);
    QFont font = lx::plots::logicalFont(style.font);
    const QFontMetricsF metrics(font, &device);
    font.setBold(true);
    const QFontMetricsF bold(font, &device);
    const auto find = [&](const QString& text, double y, double right, const QFontMetricsF& m) {
        return std::any_of(svg.texts.begin(), svg.texts.end(), [&](const auto& t) {
            return t.text == text && std::fabs(t.at.y() - y) < metrics.height() / 2 &&
                   std::fabs(t.at.x() + m.horizontalAdvance(text) - right) <= 2;
        });
    };
    QVERIFY2(find(title, layout.headerY, layout.textRight, bold), qPrintable(title));
    QVERIFY(find(QStringLiteral("Weight"), layout.headerY, layout.weightRight, bold));
    for (std::size_t k = 0; k < p.rows.size(); ++k) {
        const QString estimate = estimates[static_cast<qsizetype>(k)];
        QVERIFY2(find(estimate, layout.rowY[k], layout.textRight, metrics), qPrintable(estimate));
        const QString weight = weights[static_cast<qsizetype>(k)];
        QVERIFY2(find(weight, layout.rowY[k], layout.weightRight, metrics), qPrintable(weight));
    }
    const auto& summary = layout.summaries.front();
    QVERIFY2(find(estimates.last(), summary.y, layout.textRight, bold),
             qPrintable(estimates.last()));
    // Estimates clear of the plot: the column starts right of the axis' end.
    QVERIFY(layout.textRight - metrics.horizontalAdvance(estimates[1]) >
            layout.effect.pixel(layout.effect.high()));
    // The sentence, wrapped, below the diamond and above the axis.
    QString sentence;
    for (const auto& t : svg.texts) {
        if (t.at.y() > summary.y + layout.rowHeight / 2 && t.at.y() < layout.axisY) {
            sentence += t.text + u' ';
        }
    }
    QVERIFY2(sentence.simplified().startsWith(u"Random effects (REML), k = 3"),
             qPrintable(sentence));
    QVERIFY(sentence.contains(u"pooled result is."));
    QVERIFY(summary.modelHeight > 1.5 * metrics.height());
}

QTEST_MAIN(TestForestSummary)
#include "test_forest_summary.moc"
