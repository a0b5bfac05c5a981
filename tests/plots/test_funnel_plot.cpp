// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"
#include "plots/funnel_plot.h"

#include <QFile>
#include <QPainter>
#include <QTest>

#include <cmath>

using lx::plots::FunnelPicture;
using lx::plots::PlotStyle;

namespace {

constexpr int width = 640;
constexpr int height = 480;

// The first column from x in direction step (+1 or -1) that holds colour, or -1.
int firstColumn(const QImage& image, int y, int x, int step, const QColor& colour) {
    for (; x >= 0 && x < image.width(); x += step) {
        if (image.pixelColor(x, y).rgb() == colour.rgb()) {
            return x;
        }
    }
    return -1;
}

} // namespace

class TestFunnelPlot : public QObject {
    Q_OBJECT
private slots:
    void contours_data();
    void contours();
};

void TestFunnelPlot::contours_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("estimate");
    QTest::addColumn<double>("largestSe");
    QTest::newRow("scale 1") << 1 << 0.3 << 0.4;
    QTest::newRow("scale 2") << 2 << 0.3 << 0.4;
    QTest::newRow("negative estimate, small SEs, scale 2") << 2 << -0.12 << 0.08;
}

// SE 0 at the top; each region's edge at z SE on the effect axis, either side of no effect, with
// SciPy's z (tools/funnel_reference/generate.py); the pooled estimate's line and the studies
// where the axes put them.
void TestFunnelPlot::contours() {
    QFETCH(int, scale);
    QFETCH(double, estimate);
    QFETCH(double, largestSe);
    QFile reference(QStringLiteral(FUNNEL_Z_REFERENCE));
    QVERIFY(reference.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = reference.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), qsizetype(lx::plots::funnelLevels.size() + 1));
    FunnelPicture picture;
    picture.estimate = estimate;
    for (int k = 1; k <= 8; ++k) {
        picture.studies.push_back(
            {estimate + (k % 2 ? 1 : -1) * 0.1 * k * largestSe, largestSe * k / 8.0});
    }
    picture.studies.push_back({qQNaN(), 0.1});
    picture.studies.push_back({0.2, 0});
    const PlotStyle style = lx::test::probeStyle(QStringLiteral("de_DE"));
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(Qt::cyan);
    lx::plots::FunnelLayout layout;
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        const QRectF bounds(0, 0, width, height);
        layout = lx::plots::layoutFunnel(picture, bounds, style, painter.device());
        lx::plots::paintFunnel(painter, bounds, picture, style);
    }
    QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");
    QCOMPARE(layout.shown, std::size_t(8));
    QCOMPARE(layout.skipped, std::size_t(2));
    const auto& x = layout.effect;
    const auto& y = layout.se;
    QCOMPARE(y.pixel(0), layout.plot.top());
    QVERIFY(y.pixel(largestSe) < layout.plot.bottom() && y.pixel(largestSe) > layout.plot.top());
    const int zero = static_cast<int>(std::floor(x.pixel(0) * scale));
    for (const double share : {0.15, 0.4, 0.7, 0.95}) {
        const double se = share * y.high();
        // Rows between the studies' discs.
        const int row = static_cast<int>(std::floor(y.pixel(se) * scale));
        for (std::size_t k = 0; k < lx::plots::funnelLevels.size(); ++k) {
            const auto p = lines[qsizetype(k) + 1].split(',');
            QCOMPARE(p[0].toDouble(), lx::plots::funnelLevels[k]);
            const double edge = p[1].toDouble() * se;
            const QColor& shade = style.significance[k];
            const int right = firstColumn(image, row, zero, 1, shade);
            const int left = firstColumn(image, row, zero, -1, shade);
            QVERIFY2(std::fabs(right - x.pixel(edge) * scale) <= 1.5,
                     qPrintable(QStringLiteral("SE %1, p < %2: %3 against %4")
                                    .arg(se)
                                    .arg(lx::plots::funnelLevels[k])
                                    .arg(right)
                                    .arg(x.pixel(edge) * scale)));
            QVERIFY(std::fabs(left + 1 - x.pixel(-edge) * scale) <= 1.5);
        }
        // No shade between the lines of p = .10.
        const double inner = 0.9 * lx::plots::funnelZ(0.10) * se;
        for (int column = static_cast<int>(x.pixel(-inner) * scale);
             column < x.pixel(inner) * scale; ++column) {
            for (const QColor& shade : style.significance) {
                QVERIFY(image.pixelColor(column, row).rgb() != shade.rgb());
            }
        }
        // The pooled estimate's line runs from top to bottom.
        QCOMPARE(
            image.pixelColor(static_cast<int>(std::floor(x.pixel(estimate) * scale)), row).rgb(),
            style.pooled.rgb());
    }
    for (std::size_t k = 0; k < 8; ++k) {
        const auto& study = picture.studies[k];
        const QPoint centre(static_cast<int>(std::floor(x.pixel(study.effect) * scale)),
                            static_cast<int>(std::floor(y.pixel(study.se) * scale)));
        QCOMPARE(image.pixelColor(centre).rgb(), style.first.rgb());
    }
}

QTEST_MAIN(TestFunnelPlot)
#include "test_funnel_plot.moc"
