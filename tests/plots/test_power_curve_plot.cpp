// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_probe.h"
#include "plots/picture_file.h"
#include "plots/power_curve_plot.h"
#include "tests/stats/reference_csv.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using lx::plots::PlotStyle;
using lx::plots::PowerCurvePicture;

namespace {

constexpr int width = 480;
constexpr int height = 360;

} // namespace

class TestPowerCurvePlot : public QObject {
    Q_OBJECT
private slots:
    // Points of the curve against R's pwr.t.test, never against our own output: the last point
    // of a curve drawn out to n is the power at n itself.
    void curveAgreesWithR_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<int>("tails");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("power");
        const auto rows = lx::test::readReference(QStringLiteral(POWER_CURVE_REFERENCE));
        QVERIFY(rows.size() > 200);
        for (const auto& row : rows) {
            const int n = static_cast<int>(row.at("n"));
            const int tails = static_cast<int>(row.at("tails"));
            QTest::addRow("d %g, alpha %g, %d-tailed, n %d", row.at("d"), row.at("alpha"), tails, n)
                << row.at("d") << row.at("alpha") << tails << n << row.at("power");
        }
    }
    void curveAgreesWithR() {
        QFETCH(double, d);
        QFETCH(double, alpha);
        QFETCH(int, tails);
        QFETCH(int, n);
        QFETCH(double, power);
        const lx::power::TestDesign test{alpha, tails == 1 ? lx::power::Tails::One
                                                           : lx::power::Tails::Two};
        const auto curve =
            tails == 2 ? lx::plots::powerCurve(d, alpha, n) : lx::plots::powerCurve(d, test, n);
        QVERIFY(curve);
        QCOMPARE(curve->front().n, 2);
        QCOMPARE(curve->back().n, n);
        QVERIFY2(std::fabs(curve->back().power - power) <= 1e-9,
                 qPrintable(QString::number(curve->back().power, 'g', 17)));
        QVERIFY(curve->size() <= 200);
    }

    // The chosen n's disc where the axes put n and its power, the target power's line at its
    // height, nothing reaching the edge, and tick labels with the locale's decimal mark.
    void markedSampleMapsThroughTheAxes_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("target");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("tick");
        QTest::newRow("medium d") << 0.5 << 0.05 << 0.8 << 64 << "en_US" << 1 << "0.2";
        QTest::newRow("negative d, German, scale 2")
            << -0.35 << 0.01 << 0.9 << 246 << "de_DE" << 2 << "0,2";
        QTest::newRow("large d, few") << 2.5 << 0.05 << 0.8 << 4 << "en_US" << 2 << "0.2";
        QTest::newRow("small d, many, German")
            << 0.1 << 0.005 << 0.95 << 2600 << "de_DE" << 1 << "0,2";
        QTest::newRow("below the target") << 0.3 << 0.05 << 0.8 << 20 << "en_US" << 1 << "0.2";
    }
    void markedSampleMapsThroughTheAxes() {
        QFETCH(double, d);
        QFETCH(double, alpha);
        QFETCH(double, target);
        QFETCH(int, n);
        QFETCH(QString, locale);
        QFETCH(int, scale);
        QFETCH(QString, tick);
        const auto picture = lx::plots::powerCurvePicture(d, alpha, target, n);
        QVERIFY(picture);
        QCOMPARE(picture->chosen.n, n);
        const PlotStyle style = lx::test::probeStyle(locale);
        QImage image(width * scale, height * scale, QImage::Format_RGB32);
        image.fill(Qt::cyan);
        lx::plots::PowerCurveLayout layout;
        {
            QPainter painter(&image);
            painter.scale(scale, scale);
            const QRectF bounds(0, 0, width, height);
            layout = lx::plots::layoutPowerCurve(*picture, bounds, style, painter.device());
            lx::plots::paintPowerCurve(painter, bounds, *picture, style);
        }
        QVERIFY2(lx::test::bordersAre(image, style.background), "something reaches the edge");

        const double markX = layout.n.pixel(n) * scale;
        const double markY = layout.power.pixel(picture->chosen.power) * scale;
        const int column = static_cast<int>(std::floor(markX));
        const auto rows = lx::test::rowsInColumn(image, column, style.second);
        QVERIFY(rows);
        const auto centre = lx::test::widestRow(image, column, *rows, style.second);
        QVERIFY(centre);
        QVERIFY2(std::fabs(*centre + 0.5 - markY) <= 1,
                 qPrintable(QStringLiteral("%1 against %2").arg(*centre).arg(markY)));
        const auto across = lx::test::columnsInRow(image, *centre, style.second);
        QVERIFY(across);
        QVERIFY(std::fabs((across->first + across->last + 1) / 2.0 - markX) <= 1);

        // The target's dashed line, in a column away from the chosen n's.
        const double targetY = layout.power.pixel(target) * scale;
        bool found = false;
        for (int x = static_cast<int>(layout.plotArea.left() * scale) + 2;
             !found && x < layout.plotArea.right() * scale; ++x) {
            if (std::abs(x - column) < 4 * scale) {
                continue;
            }
            if (const auto guide = lx::test::rowsInColumn(image, x, style.guide)) {
                found = true;
                QVERIFY(std::fabs(guide->first - targetY) <= 1);
            }
        }
        QVERIFY(found);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("power.svg"));
        QString error;
        QVERIFY2(lx::plots::writePictureFile(
                     file, QSizeF(width, height),
                     [&](QPainter& painter, const QRectF& bounds) {
                         lx::plots::paintPowerCurve(painter, bounds, *picture, style);
                     },
                     error),
                 qPrintable(error));
        const auto svg = lx::test::readSvg(file);
        QVERIFY(svg.wellFormed);
        QVERIFY(std::any_of(svg.texts.begin(), svg.texts.end(),
                            [&](const auto& text) { return text.text == tick; }));
    }

    void noPictureWithoutAPlan_data() {
        QTest::addColumn<double>("d");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<double>("target");
        QTest::addColumn<int>("n");
        QTest::newRow("no effect") << 0.0 << 0.05 << 0.8 << 20;
        QTest::newRow("effect not a number") << qQNaN() << 0.05 << 0.8 << 20;
        QTest::newRow("alpha of 1") << 0.5 << 1.0 << 0.8 << 20;
        QTest::newRow("target of 1") << 0.5 << 0.05 << 1.0 << 20;
        QTest::newRow("one per group") << 0.5 << 0.05 << 0.8 << 1;
    }
    void noPictureWithoutAPlan() {
        QFETCH(double, d);
        QFETCH(double, alpha);
        QFETCH(double, target);
        QFETCH(int, n);
        QVERIFY(!lx::plots::powerCurvePicture(d, alpha, target, n));
    }
};

QTEST_MAIN(TestPowerCurvePlot)
#include "test_power_curve_plot.moc"
