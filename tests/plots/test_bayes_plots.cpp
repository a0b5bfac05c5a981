// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"
#include "plots/bayes_text.h"
#include "plots/picture_file.h"
#include "plots/posterior_plot.h"
#include "plots/robustness_plot.h"
#include "stats/two_sample_report.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

using lx::plots::PlotStyle;

Q_DECLARE_METATYPE(lx::Summary)

namespace {

constexpr int width = 480;
constexpr int height = 360;

lx::TwoSampleReport reportOf(const lx::Summary& summary, double r) {
    lx::ReportRequest request;
    request.priorScale = r;
    request.posterior = request.robustness = true;
    return lx::twoSampleReport(summary, request);
}

template <typename Paint> QImage render(int scale, const Paint& paint) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paint(painter, QRectF(0, 0, width, height));
    return image;
}

int column(double x, int scale) {
    return static_cast<int>(std::floor(x * scale));
}

} // namespace

class TestBayesPlots : public QObject {
    Q_OBJECT
private slots:
    void logTicks_data();
    void logTicks();
    void posteriorGeometry_data();
    void posteriorGeometry();
    void posteriorFigures_data();
    void posteriorFigures();
    void robustnessGeometry_data() { posteriorGeometry_data(); }
    void robustnessGeometry();
    void missingFigures();
};

void TestBayesPlots::logTicks_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("decades") << -2.5 << 3.2 << "en_US"
                             << QStringList{"0.01", "0.1", "1", "10", "100", "1,000"};
    QTest::newRow("every fifth decade")
        << -0.2 << 24.0 << "en_US"
        << QStringList{"1", QStringLiteral("10\u2075"), QStringLiteral("10\u00b9\u2070"),
                       QStringLiteral("10\u00b9\u2075"), QStringLiteral("10\u00b2\u2070")};
    QTest::newRow("within a decade, German") << std::log10(0.25) << std::log10(1.1) << "de_DE"
                                             << QStringList{"0,4", "0,6", "0,8", "1,0"};
}

void TestBayesPlots::logTicks() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QString, locale);
    QFETCH(QStringList, labels);
    QStringList texts;
    for (const auto& tick : lx::plots::logTicks(low, high, 6, QLocale(locale))) {
        texts << tick.label;
        QVERIFY(tick.log10 >= low && tick.log10 <= high);
    }
    QCOMPARE(texts, labels);
}

void TestBayesPlots::posteriorGeometry_data() {
    QTest::addColumn<lx::Summary>("summary");
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("scale");
    QTest::newRow("medium") << lx::Summary{10, 5, 1, 10, 4, 1} << lx::mediumPriorScale << 1;
    QTest::newRow("negative, wide") << lx::Summary{12, -3.4, 2.2, 8, 1.7, 5.9} << 1.0 << 1;
    QTest::newRow("no difference, scale 2") << lx::Summary{10, 5, 1, 10, 5, 1} << 0.5 << 2;
    QTest::newRow("large t") << lx::Summary{30, 30, 1, 30, 25, 1} << lx::mediumPriorScale << 1;
    QTest::newRow("two df, scale 2") << lx::Summary{2, 1.5, 0.7, 2, 0.2, 0.1} << 1.5 << 2;
}

// The credible interval's bar, the median's line and the prior's peak, 1 / (pi r), where the
// axes put them.
void TestBayesPlots::posteriorGeometry() {
    QFETCH(lx::Summary, summary);
    QFETCH(double, r);
    QFETCH(int, scale);
    const auto picture = lx::plots::posteriorPicture(reportOf(summary, r));
    QVERIFY(picture);
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("en_US"));
    lx::plots::PosteriorLayout layout;
    const QImage image = render(scale, [&](QPainter& painter, const QRectF& bounds) {
        layout = lx::plots::layoutPosterior(*picture, bounds, style, painter.device());
        lx::plots::paintPosterior(painter, bounds, *picture, style);
    });
    QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");
    const auto& x = layout.delta;
    const auto& y = layout.density;
    const auto& credible = picture->posterior.credible;

    const auto bar =
        lx::test::columnsInRow(image, column(layout.intervalY, scale), style.difference);
    QVERIFY(bar);
    // The end ticks are as wide as the bar's pen: one pixel beyond each end.
    QVERIFY2(std::fabs(bar->first - (x.pixel(credible.lower) - 1) * scale) <= 1,
             qPrintable(QString::number(bar->first)));
    QVERIFY2(std::fabs(bar->last + 1 - (x.pixel(credible.upper) + 1) * scale) <= 1,
             qPrintable(QString::number(bar->last)));

    const double aboveBar = layout.intervalY - 0.3 * (layout.intervalY - layout.plotArea.top());
    const auto medianLine =
        lx::test::columnsInRow(image, column(aboveBar, scale), style.difference);
    QVERIFY(medianLine);
    QVERIFY(std::fabs((medianLine->first + medianLine->last + 1) / 2.0 -
                      x.pixel(picture->posterior.median) * scale) <= 1);

    int priorTop = image.height();
    for (int dx = -3 * scale; dx <= 3 * scale; ++dx) {
        if (const auto rows =
                lx::test::rowsInColumn(image, column(x.pixel(0), scale) + dx, style.second)) {
            priorTop = std::min(priorTop, rows->first);
        }
    }
    const double peak = y.pixel(1 / (std::numbers::pi * r)) * scale;
    QVERIFY2(std::fabs(priorTop - peak) <= 1.5 * scale,
             qPrintable(QStringLiteral("%1 vs %2").arg(priorTop).arg(peak)));
}

// The printed figures, in the picture's locale: BF10 from R's integral (2.0306), the median and
// interval from mpmath's (0.7362, -0.0748, 1.6869).
// The figures above the plot, BF10 written as the details write it: a picture beside the table
// states it alike. The factors are mpmath's (tools/bayes_posterior_reference): 2.0306 and
// 1.0317e15, which the picture had written "1,0 × 10¹⁵" beside the table's "1,03E+15".
void TestBayesPlots::posteriorFigures_data() {
    QTest::addColumn<lx::Summary>("summary");
    QTest::addColumn<QString>("factor");
    QTest::addColumn<QString>("posterior");
    QTest::newRow("weak evidence") << lx::Summary{10, 5, 1, 10, 4, 1} << "BF\u2081\u2080 = 2,03"
                                   << "median 0,74, 95% CrI [-0,07; 1,69]";
    QTest::newRow("in exponent form")
        << lx::Summary{20, 10, 1, 20, 5, 1} << "BF\u2081\u2080 = 1,03E+15" << QString();
}

void TestBayesPlots::posteriorFigures() {
    QFETCH(lx::Summary, summary);
    QFETCH(QString, factor);
    QFETCH(QString, posterior);
    const auto picture = lx::plots::posteriorPicture(reportOf(summary, lx::mediumPriorScale));
    QVERIFY(picture);
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("de_DE"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("posterior.svg"));
    QString error;
    QVERIFY(lx::plots::writePictureFile(
        path, QSizeF(width, height),
        [&](QPainter& painter, const QRectF& bounds) {
            lx::plots::paintPosterior(painter, bounds, *picture, style);
        },
        error));
    const auto svg = lx::test::readSvg(path);
    QVERIFY(svg.wellFormed);
    QStringList texts;
    for (const auto& text : svg.texts) {
        texts << text.text;
    }
    QVERIFY2(texts.contains(factor), qPrintable(texts.join(u'|')));
    QVERIFY2(posterior.isEmpty() || texts.contains(posterior), qPrintable(texts.join(u'|')));
}

// Each named scale's marker and the largest factor's disc at the factor the engine gives, through
// the log axis, and no point of the curve above the largest.
void TestBayesPlots::robustnessGeometry() {
    QFETCH(lx::Summary, summary);
    QFETCH(double, r);
    QFETCH(int, scale);
    const auto picture = lx::plots::robustnessPicture(reportOf(summary, r));
    QVERIFY(picture);
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("de_DE"));
    lx::plots::RobustnessLayout layout;
    const QImage image = render(scale, [&](QPainter& painter, const QRectF& bounds) {
        layout = lx::plots::layoutRobustness(*picture, bounds, style, painter.device());
        lx::plots::paintRobustness(painter, bounds, *picture, style);
    });
    QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");
    const auto rowOf = [&](double logFactor) {
        return layout.factor.pixel(logFactor / std::numbers::ln10) * scale;
    };
    const auto& robustness = picture->robustness;
    for (const auto& [mark, logFactor] :
         {std::pair{lx::mediumPriorScale, *robustness.logBfMedium},
          std::pair{lx::widePriorScale, *robustness.logBfWide},
          std::pair{lx::ultrawidePriorScale, *robustness.logBfUltrawide}}) {
        const int x = column(layout.scale.pixel(mark), scale);
        const auto rows = lx::test::rowsInColumn(image, x, style.difference);
        QVERIFY(rows);
        const auto centre = lx::test::widestRow(image, x, *rows, style.difference);
        QVERIFY(centre);
        QVERIFY2(
            std::fabs(*centre + 0.5 - rowOf(logFactor)) <= 1,
            qPrintable(
                QStringLiteral("r %1: row %2 vs %3").arg(mark).arg(*centre).arg(rowOf(logFactor))));
    }
    const auto& largest = *robustness.largest;
    const int largestX = column(layout.scale.pixel(largest.r), scale);
    const auto largestRows = lx::test::rowsInColumn(image, largestX, style.second);
    QVERIFY(largestRows);
    const auto largestCentre = lx::test::widestRow(image, largestX, *largestRows, style.second);
    QVERIFY(largestCentre);
    QVERIFY(std::fabs(*largestCentre + 0.5 - rowOf(largest.logBf10)) <= 1);
    // No point of the curve lies above the largest factor's row.
    const auto curveTop = [&] {
        int top = image.height();
        for (int x = column(layout.plotArea.left(), scale) + 2;
             x < column(layout.plotArea.right(), scale); ++x) {
            if (const auto rows = lx::test::rowsInColumn(image, x, style.first)) {
                top = std::min(top, rows->first);
            }
        }
        return top;
    }();
    QVERIFY(curveTop >= rowOf(largest.logBf10) - 2 * scale);
}

// Nothing to draw without the figures a picture marks: no crash, no picture.
void TestBayesPlots::missingFigures() {
    const lx::Summary summary{10, 5, 1, 10, 4, 1};
    const lx::TwoSampleReport plain = lx::twoSampleReport(summary);
    QVERIFY(!lx::plots::posteriorPicture(plain));
    QVERIFY(!lx::plots::robustnessPicture(plain));
    const lx::TwoSampleReport flat = reportOf({10, 5, 0, 10, 5, 0}, lx::mediumPriorScale);
    QVERIFY(!lx::plots::posteriorPicture(flat));
    QVERIFY(!lx::plots::robustnessPicture(flat));
}

QTEST_MAIN(TestBayesPlots)
#include "test_bayes_plots.moc"
