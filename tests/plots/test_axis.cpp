// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plots/axis.h"

#include <QTest>

using lx::plots::Axis;

class TestAxis : public QObject {
    Q_OBJECT
private slots:
    void niceSteps_data();
    void niceSteps();
    void labels_data();
    void labels();
    void mapping();
    void measuredFrom();
    void emptyRange_data();
    void emptyRange();
};

void TestAxis::niceSteps_data() {
    QTest::addColumn<double>("span");
    QTest::addColumn<int>("maxTicks");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("step");
    QTest::newRow("exactly 2") << 10.0 << 5 << 0.0 << 2.0;
    QTest::newRow("a quarter") << 1.0 << 4 << 0.0 << 0.25;
    QTest::newRow("2.5 over 2.33") << 7.0 << 3 << 0.0 << 2.5;
    QTest::newRow("5 over 3.5") << 7.0 << 2 << 0.0 << 5.0;
    QTest::newRow("small") << 0.03 << 6 << 0.0 << 0.005;
    QTest::newRow("large") << 1000.0 << 4 << 0.0 << 250.0;
    QTest::newRow("up to the next decade") << 45.0 << 5 << 0.0 << 10.0;
    QTest::newRow("whole decades at least") << 3.0 << 6 << 1.0 << 1.0;
    QTest::newRow("nothing to cut") << 0.0 << 5 << 0.0 << 1.0;
}

void TestAxis::niceSteps() {
    QFETCH(double, span);
    QFETCH(int, maxTicks);
    QFETCH(double, minimum);
    QFETCH(double, step);
    QCOMPARE(lx::plots::niceStep(span, maxTicks, minimum), step);
}

void TestAxis::labels_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("quarters, English")
        << -0.3 << 1.2 << "en_US" << QStringList{"-0.25", "0.00", "0.25", "0.50", "0.75", "1.00"};
    QTest::newRow("quarters, German")
        << -0.3 << 1.2 << "de_DE" << QStringList{"-0,25", "0,00", "0,25", "0,50", "0,75", "1,00"};
    QTest::newRow("fifths, German")
        << -0.3 << 0.8 << "de_DE" << QStringList{"-0,2", "0,0", "0,2", "0,4", "0,6", "0,8"};
    QTest::newRow("halves, German")
        << 1.2 << 3.9 << "de_DE" << QStringList{"1,5", "2,0", "2,5", "3,0", "3,5"};
    QTest::newRow("thousands, German")
        << 0.0 << 3000.0 << "de_DE"
        << QStringList{"0", "500", "1.000", "1.500", "2.000", "2.500", "3.000"};
    QTest::newRow("whole numbers through zero")
        << -10.0 << 10.0 << "en_US" << QStringList{"-10", "-5", "0", "5", "10"};
}

void TestAxis::labels() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QString, locale);
    QFETCH(QStringList, expected);
    const Axis axis(low, high, 300, 0, 6);
    QStringList texts;
    for (const double tick : axis.ticks()) {
        texts << axis.label(tick, QLocale(locale));
    }
    QCOMPARE(texts, expected);
}

// Up the screen: the low end at the bottom pixel.
void TestAxis::mapping() {
    const Axis axis(2, 12, 400, 100);
    QCOMPARE(axis.pixel(2), 400.0);
    QCOMPARE(axis.pixel(12), 100.0);
    QCOMPARE(axis.pixel(4.5), 325.0);
    QCOMPARE(axis.pixelsPerUnit(), -30.0);
}

// A difference axis: the same pixels, zero where the origin was, ticks at steps from zero, and
// a value that rounds to zero reads without a minus sign.
void TestAxis::measuredFrom() {
    const Axis means(3.2, 14.1, 400, 100, 5);
    const Axis differences = means.measuredFrom(5.3);
    QCOMPARE(differences.pixel(0), means.pixel(5.3));
    QCOMPARE(differences.pixel(4), means.pixel(9.3));
    QCOMPARE(differences.step(), means.step());
    const auto ticks = differences.ticks();
    QVERIFY(std::find(ticks.begin(), ticks.end(), 0.0) != ticks.end());
    const QLocale english(QLocale::English);
    QCOMPARE(differences.label(-1e-17, english), differences.label(0, english));
    QVERIFY(!differences.label(-1e-17, english).startsWith(u'-'));
}

void TestAxis::emptyRange_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("one value") << 5.0 << 5.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("reversed") << 3.0 << 1.0;
    QTest::newRow("not a number") << qQNaN() << 1.0;
}

// Every value keeps a finite pixel, and there are ticks to label.
void TestAxis::emptyRange() {
    QFETCH(double, low);
    QFETCH(double, high);
    const Axis axis(low, high, 200, 0);
    QVERIFY(axis.high() > axis.low());
    QVERIFY(std::isfinite(axis.pixel(std::isfinite(low) ? low : 1)));
    QVERIFY(!axis.ticks().empty());
}

QTEST_APPLESS_MAIN(TestAxis)
#include "test_axis.moc"
