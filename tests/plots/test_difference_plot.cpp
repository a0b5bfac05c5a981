// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"
#include "plots/difference_plot.h"
#include "plots/picture_file.h"
#include "stats/two_sample_report.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using lx::plots::DifferenceLayout;
using lx::plots::DifferencePicture;
using lx::plots::PlotStyle;

Q_DECLARE_METATYPE(lx::Summary)

namespace {

constexpr int width = 480;
constexpr int height = 360;

DifferencePicture pictureOf(const lx::Summary& summary, bool welch, double bound) {
    lx::ReportRequest request;
    request.effectSizes = request.roundingRange = request.bayesFactors = false;
    if (bound > 0) {
        request.equivalence = lx::EquivalenceMargin{bound};
    }
    const auto picture =
        lx::plots::differencePicture(summary, lx::twoSampleReport(summary, request), welch);
    return picture.value_or(DifferencePicture{});
}

QRectF bounds() {
    return QRectF(0, 0, width, height);
}

} // namespace

class TestDifferencePlot : public QObject {
    Q_OBJECT
private slots:
    void geometry_data();
    void geometry();
    void svgElements_data() { geometry_data(); }
    void svgElements();
    void pdfOpens();
    void pictureOfReport();
    void unknownFormat();
};

void TestDifferencePlot::geometry_data() {
    QTest::addColumn<lx::Summary>("summary");
    QTest::addColumn<bool>("welch");
    QTest::addColumn<double>("bound");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("scale");
    QTest::newRow("M1 above M2") << lx::Summary{10, 5, 1, 10, 4, 1} << false << 0.0 << "en_US" << 1;
    QTest::newRow("negative difference")
        << lx::Summary{10, 4, 1, 10, 5, 1} << false << 0.0 << "en_US" << 1;
    QTest::newRow("difference far beyond the intervals")
        << lx::Summary{50, 100, 1, 50, 0, 1} << false << 0.0 << "en_US" << 1;
    QTest::newRow("difference far outside the means' range")
        << lx::Summary{10, 1000, 5, 10, 950, 5} << true << 0.0 << "en_US" << 1;
    QTest::newRow("zero-width interval")
        << lx::Summary{10, 5, 0, 10, 4, 1} << false << 0.0 << "en_US" << 1;
    QTest::newRow("Welch, equivalence bound, German")
        << lx::Summary{5, 10.5, 4, 40, 8.25, 0.5} << true << 3.0 << "de_DE" << 1;
    QTest::newRow("negative, bound, German, scale 2")
        << lx::Summary{12, 0.31, 0.2, 15, 0.52, 0.25} << false << 0.3 << "de_DE" << 2;
}

// Means, interval ends, the difference and the difference axis' zero where the axes put them.
void TestDifferencePlot::geometry() {
    QFETCH(lx::Summary, summary);
    QFETCH(bool, welch);
    QFETCH(double, bound);
    QFETCH(QString, locale);
    QFETCH(int, scale);
    const DifferencePicture picture = pictureOf(summary, welch, bound);
    const PlotStyle style = lx::test::probeStyle(locale);
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    DifferenceLayout layout;
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        layout = lx::plots::layoutDifference(picture, bounds(), style, painter.device());
        lx::plots::paintDifference(painter, bounds(), picture, style);
    }
    QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");

    // The difference axis keeps the means' scale with its zero level with M2, so M1 - M2 lies
    // level with M1.
    QCOMPARE(layout.differences.pixelsPerUnit(), layout.means.pixelsPerUnit());
    QVERIFY(std::fabs(layout.differences.pixel(0) - layout.means.pixel(summary.m2)) < 1e-9);
    QVERIFY(std::fabs(layout.differences.pixel(picture.difference.value) -
                      layout.means.pixel(summary.m1)) < 1e-6 * height);

    struct Column {
        const char* name;
        double x;
        const lx::plots::Axis& axis;
        lx::plots::Estimate estimate;
        QColor colour;
    };
    const Column columns[] = {
        {"M1", layout.x1, layout.means, picture.mean1, style.first},
        {"M2", layout.x2, layout.means, picture.mean2, style.second},
        {"M1 - M2", layout.xDifference, layout.differences, picture.difference, style.difference},
    };
    for (const Column& column : columns) {
        const int x = static_cast<int>(std::floor(column.x * scale));
        const auto rows = lx::test::rowsInColumn(image, x, column.colour);
        QVERIFY2(rows, column.name);
        const double r = layout.markerRadius;
        const double top = std::min(column.axis.pixel(column.estimate.ci.upper),
                                    column.axis.pixel(column.estimate.value) - r);
        const double bottom = std::max(column.axis.pixel(column.estimate.ci.lower),
                                       column.axis.pixel(column.estimate.value) + r);
        const QByteArray what =
            QByteArray(column.name) + ": rows " + QByteArray::number(rows->first) + "-" +
            QByteArray::number(rows->last) + ", expected " + QByteArray::number(top * scale) + "-" +
            QByteArray::number(bottom * scale);
        QVERIFY2(std::fabs(rows->first - top * scale) <= 1, what.constData());
        QVERIFY2(std::fabs(rows->last + 1 - bottom * scale) <= 1, what.constData());
        const auto centre = lx::test::widestRow(image, x, *rows, column.colour);
        QVERIFY(centre);
        QVERIFY2(std::fabs(*centre + 0.5 - column.axis.pixel(column.estimate.value) * scale) <= 1,
                 what.constData());
    }

    // The zero tick of the difference axis, beside it, level with M2.
    const int tickX = static_cast<int>(std::floor(layout.differenceAxisX * scale)) + scale;
    const int zeroRow = static_cast<int>(std::floor(layout.means.pixel(summary.m2) * scale));
    bool zeroTick = false;
    for (int y = zeroRow - 1; y <= zeroRow + 1; ++y) {
        zeroTick = zeroTick || image.pixelColor(tickX, y).rgb() == style.ink.rgb();
    }
    QVERIFY2(zeroTick, "no tick at the difference axis' zero");

    // The guides level with M1 and M2 stop short of the difference axis' labels ("0.0" level
    // with M2 was struck through), whose widest ends where the layout says.
    const QFontMetricsF metrics(style.font, &image);
    double widestLabel = 0;
    for (const double tick : layout.differences.ticks()) {
        widestLabel = std::max(
            widestLabel, metrics.horizontalAdvance(layout.differences.label(tick, style.locale)));
    }
    QVERIFY(layout.differenceLabelsRight >= layout.differenceAxisX + widestLabel);
    for (const double mean : {summary.m1, summary.m2}) {
        const int row = static_cast<int>(std::floor(layout.means.pixel(mean) * scale));
        const auto guide = lx::test::columnsInRow(
            image.copy(
                static_cast<int>(layout.differenceAxisX * scale), row,
                static_cast<int>((layout.differenceLabelsRight - layout.differenceAxisX) * scale) +
                    1,
                1),
            0, style.guide);
        QVERIFY2(!guide, "a guide crosses the difference axis' labels");
    }

    // +-Delta shaded on the difference axis, at its right-hand end.
    if (bound > 0) {
        const int x = static_cast<int>(std::floor(layout.plotArea.right() * scale)) - 2 * scale;
        const auto band = lx::test::rowsInColumn(image, x, style.band);
        QVERIFY(band);
        QVERIFY(std::fabs(band->first - layout.differences.pixel(bound) * scale) <= 1);
        QVERIFY(std::fabs(band->last + 1 - layout.differences.pixel(-bound) * scale) <= 1);
    }
}

// The markers at the axes' coordinates, the tick labels in the locale's numbers, and the zero
// label of the difference axis level with M2.
void TestDifferencePlot::svgElements() {
    QFETCH(lx::Summary, summary);
    QFETCH(bool, welch);
    QFETCH(double, bound);
    QFETCH(QString, locale);
    const DifferencePicture picture = pictureOf(summary, welch, bound);
    PlotStyle style = lx::test::probeStyle(locale);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("difference.svg"));
    QString error;
    QVERIFY2(lx::plots::writePictureFile(
                 path, QSizeF(width, height),
                 [&](QPainter& painter, const QRectF& area) {
                     lx::plots::paintDifference(painter, area, picture, style);
                 },
                 error),
             qPrintable(error));
    QImage metricsDevice(width, height, QImage::Format_RGB32);
    const DifferenceLayout layout =
        lx::plots::layoutDifference(picture, bounds(), style, &metricsDevice);

    const lx::test::SvgContent svg = lx::test::readSvg(path);
    QVERIFY(svg.wellFormed);
    const QList<QPointF> markers = {
        {layout.x1, layout.means.pixel(summary.m1)},
        {layout.x2, layout.means.pixel(summary.m2)},
        {layout.xDifference, layout.differences.pixel(picture.difference.value)},
    };
    for (const QPointF& expected : markers) {
        const bool found =
            std::any_of(svg.circleCentres.begin(), svg.circleCentres.end(), [&](const QPointF& c) {
                return std::fabs(c.x() - expected.x()) <= 1 && std::fabs(c.y() - expected.y()) <= 1;
            });
        QVERIFY2(
            found,
            qPrintable(QStringLiteral("no marker at %1, %2").arg(expected.x()).arg(expected.y())));
    }
    // Every number reads back in the picture's locale; the column labels are the only others.
    const QString zero = layout.differences.label(0, style.locale);
    bool zeroLabel = false;
    for (const auto& text : svg.texts) {
        if (text.text.startsWith(u'M')) {
            continue;
        }
        bool isNumber = false;
        style.locale.toDouble(text.text, &isNumber);
        QVERIFY2(isNumber, qPrintable(text.text));
        if (text.text == zero && text.at.x() > layout.differenceAxisX) {
            // The label's baseline lies below its middle, within a line of the tick.
            zeroLabel = zeroLabel || std::fabs(text.at.y() - layout.means.pixel(summary.m2)) <
                                         style.font.pixelSize();
        }
    }
    QVERIFY2(zeroLabel, "no 0 label level with M2");
}

// pdfinfo reads the file: one page of the picture's size in points.
void TestDifferencePlot::pdfOpens() {
    const DifferencePicture picture = pictureOf({10, 4, 1, 10, 5, 1}, false, 0);
    const PlotStyle style;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("difference.pdf"));
    QString error;
    QVERIFY(lx::plots::writePictureFile(
        path, QSizeF(width, height),
        [&](QPainter& painter, const QRectF& area) {
            lx::plots::paintDifference(painter, area, picture, style);
        },
        error));
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral(PDFINFO), {path});
    QVERIFY(pdfinfo.waitForFinished(10000));
    QCOMPARE(pdfinfo.exitCode(), 0);
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+360 x 270 pts"))),
             qPrintable(info));
}

// The picture takes the interval of the chosen test, and has none to show without spread.
void TestDifferencePlot::pictureOfReport() {
    const lx::Summary summary{5, 10.5, 4, 40, 8.25, 0.5};
    const auto report = lx::twoSampleReport(summary);
    const auto welch = lx::plots::differencePicture(summary, report, true);
    QVERIFY(welch);
    QCOMPARE(welch->difference.ci.lower, report.welch.differenceCi->lower);
    const auto pooled = lx::plots::differencePicture(summary, report, false);
    QVERIFY(pooled);
    QCOMPARE(pooled->difference.ci.upper, report.pooled.differenceCi->upper);
    QVERIFY(!pooled->equivalenceBound);
    const lx::Summary flat{5, 1, 0, 5, 1, 0};
    QVERIFY(!lx::plots::differencePicture(flat, lx::twoSampleReport(flat), false));
}

void TestDifferencePlot::unknownFormat() {
    QTemporaryDir dir;
    QString error;
    QVERIFY(!lx::plots::writePictureFile(
        dir.filePath(QStringLiteral("picture.bmp")), {10, 10}, [](QPainter&, const QRectF&) {},
        error));
    QVERIFY(error.contains(QStringLiteral(".svg")));
}

QTEST_MAIN(TestDifferencePlot)
#include "test_difference_plot.moc"
