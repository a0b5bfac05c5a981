// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"
#include "plots/forest_plot.h"
#include "plots/picture_file.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using lx::plots::ForestPicture;
using lx::plots::PlotStyle;

class TestForestPlot : public QObject {
    Q_OBJECT
private slots:
    void geometry();
    void axisAboveManyRows_data();
    void axisAboveManyRows();
    void labelsAreWellFormedSvg_data();
    void labelsAreWellFormedSvg();
};

// Each shown row's interval where the axis puts it, markers whose sides go as the square root of
// the weight, rows that cannot be drawn left out and counted, and a long label cut.
void TestForestPlot::geometry() {
    ForestPicture picture;
    picture.rows = {
        {QStringLiteral("Smith, 2019"), 0.42, {0.1, 0.74}, 0.0266},
        {QStringLiteral("not a number"), qQNaN(), {0, 1}, 0.1},
        {QStringLiteral("a very long label that names the study, its sample and its year in full"),
         -0.3,
         {-1.2, 0.6},
         0.2107},
        {QStringLiteral("no variance"), 0.2, {0.1, 0.3}, 0},
        {QStringLiteral("Jones"), 1.1, {0.5, 1.7}, 0.0937},
    };
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("en_US"));
    QImage image(600, 10, QImage::Format_RGB32);
    const double height = lx::plots::forestHeight(picture, image.width(), style, &image);
    image = QImage(600, static_cast<int>(std::ceil(height)), QImage::Format_RGB32);
    image.fill(Qt::cyan);
    const QRectF bounds(0, 0, image.width(), image.height());
    lx::plots::ForestLayout layout;
    {
        QPainter painter(&image);
        layout = lx::plots::layoutForest(picture, bounds, style, painter.device());
        lx::plots::paintForest(painter, bounds, picture, style);
    }
    QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");
    QCOMPARE(layout.shown.size(), std::size_t(3));
    QCOMPARE(layout.skipped, std::size_t(2));
    QVERIFY(layout.labelWidth < 0.5 * image.width());

    std::vector<double> sides;
    for (std::size_t k = 0; k < layout.shown.size(); ++k) {
        const auto& row = *layout.shown[k];
        const double y = layout.firstRowY + static_cast<double>(k) * layout.rowHeight;
        const auto line =
            lx::test::columnsInRow(image, static_cast<int>(std::floor(y)), style.first);
        QVERIFY(line);
        QVERIFY(std::fabs(line->first - layout.effect.pixel(row.ci.lower)) <= 1);
        QVERIFY(std::fabs(line->last + 1 - layout.effect.pixel(row.ci.upper)) <= 1);
        const int x = static_cast<int>(std::floor(layout.effect.pixel(row.effect)));
        // The marker's height, within its own row: other rows' intervals cross this column.
        int side = 0;
        for (int r = static_cast<int>(y - layout.rowHeight / 2); r < y + layout.rowHeight / 2;
             ++r) {
            side += image.pixelColor(x, r).rgb() == style.first.rgb() ? 1 : 0;
        }
        sides.push_back(side);
    }
    // Area in proportion to 1 / variance.
    QVERIFY(std::fabs(sides[1] - sides[0] * std::sqrt(0.0266 / 0.2107)) <= 1.5);
    QVERIFY(std::fabs(sides[2] - sides[0] * std::sqrt(0.0266 / 0.0937)) <= 1.5);
}

void TestForestPlot::axisAboveManyRows_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("above");
    const int most = static_cast<int>(lx::plots::forestRowsForTopAxis);
    QTest::newRow("few") << 5 << false;
    QTest::newRow("as many as fit below") << most << false;
    QTest::newRow("one more") << most + 1 << true;
    QTest::newRow("many") << 400 << true;
}

// A tall picture has its axis above the rows too, with the ticks where the lower one has them,
// its labels inside the picture and clear of the first row.
void TestForestPlot::axisAboveManyRows() {
    QFETCH(int, rows);
    QFETCH(bool, above);
    ForestPicture picture;
    for (int k = 0; k < rows; ++k) {
        const double effect = (k % 7 - 3) * 0.2;
        picture.rows.push_back(
            {QStringLiteral("Study %1").arg(k + 1), effect, {effect - 0.3, effect + 0.3}, 0.02});
    }
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("de_DE"));
    QImage image(500, 10, QImage::Format_RGB32);
    const double height = lx::plots::forestHeight(picture, image.width(), style, &image);
    image = QImage(500, static_cast<int>(std::ceil(height)), QImage::Format_RGB32);
    image.fill(Qt::cyan);
    const QRectF bounds(0, 0, image.width(), image.height());
    lx::plots::ForestLayout layout;
    {
        QPainter painter(&image);
        layout = lx::plots::layoutForest(picture, bounds, style, painter.device());
        lx::plots::paintForest(painter, bounds, picture, style);
    }
    QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");
    QCOMPARE(layout.topAxisY.has_value(), above);
    if (!above) {
        return;
    }
    const int axisRow = static_cast<int>(std::floor(*layout.topAxisY));
    const auto line = lx::test::columnsInRow(image, axisRow, style.ink);
    QVERIFY(line);
    QVERIFY(std::fabs(line->first - layout.effect.pixel(layout.effect.low())) <= 1);
    for (const double tick : layout.effect.ticks()) {
        // The tick goes up from the line, as the lower axis' goes down from its own.
        const int x = static_cast<int>(std::floor(layout.effect.pixel(tick)));
        QCOMPARE(image.pixelColor(x, axisRow - 3).rgb(), style.ink.rgb());
        QCOMPARE(image.pixelColor(x, static_cast<int>(layout.axisY) + 3).rgb(), style.ink.rgb());
    }
    // Nothing of the first row above the axis: its interval starts below it.
    const auto first = lx::test::rowsInColumn(
        image, static_cast<int>(std::floor(layout.effect.pixel(picture.rows[0].effect))),
        style.first);
    QVERIFY(first && first->first > *layout.topAxisY + 2);
}

// A label is any text a table holds: what XML cannot hold is drawn as U+FFFD, so that the SVG
// stays a well-formed file that a browser or an editor opens.
void TestForestPlot::labelsAreWellFormedSvg_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    const QChar replacement = QChar::ReplacementCharacter;
    QTest::newRow("C0 controls") << QStringLiteral("ctrl\x01\x08")
                                 << QStringLiteral("ctrl") + replacement + replacement;
    QTest::newRow("escape, DEL and C1")
        << QStringLiteral("a\x1b[0m\x7f\u0085")
        << QStringLiteral("a") + replacement + QStringLiteral("[0m") + replacement + replacement;
    QTest::newRow("a tab") << QStringLiteral("a\tb") << QStringLiteral("a b");
    QTest::newRow("a lone surrogate")
        << QStringLiteral("x") + QChar(0xd800) << QStringLiteral("x") + replacement;
    QTest::newRow("a noncharacter")
        << QStringLiteral("x") + QChar(0xffff) << QStringLiteral("x") + replacement;
    QTest::newRow("a pair and umlauts") << QString::fromUtf8("M\xc3\xbcller \xf0\x9f\x99\x82")
                                        << QString::fromUtf8("M\xc3\xbcller \xf0\x9f\x99\x82");
}

void TestForestPlot::labelsAreWellFormedSvg() {
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QCOMPARE(lx::plots::printableText(label), shown);
    ForestPicture picture;
    picture.rows = {{label, 0.42, {0.1, 0.74}, 0.0266}};
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("en_US"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("forest.svg"));
    QString error;
    QVERIFY2(lx::plots::writePictureFile(
                 path, QSizeF(400, 120),
                 [&](QPainter& painter, const QRectF& bounds) {
                     lx::plots::paintForest(painter, bounds, picture, style);
                 },
                 error),
             qPrintable(error));
    QVERIFY(lx::test::readSvg(path).wellFormed);
}

QTEST_MAIN(TestForestPlot)
#include "test_forest_plot.moc"
