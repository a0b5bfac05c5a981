// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/panel/panel_geometry.h"

#include <QTest>

namespace pg = lx::panel_geometry;

class TestPanelGeometry : public QObject {
    Q_OBJECT
private slots:
    void captionPosition_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<float>("panelWidth");
        QTest::addColumn<float>("panelHeight");
        QTest::addColumn<float>("expectedLeft");
        QTest::addColumn<float>("expectedTop");
        // A 615 x 195 caption throughout.
        QTest::newRow("0 left-top") << 0 << 4800.0f << 3600.0f << 30.0f << 30.0f;
        QTest::newRow("1 center-top") << 1 << 4800.0f << 3600.0f << 2092.5f << 30.0f;
        QTest::newRow("2 right-top") << 2 << 4800.0f << 3600.0f << 4155.0f << 30.0f;
        QTest::newRow("3 left-middle") << 3 << 4800.0f << 3600.0f << 30.0f << 1702.5f;
        QTest::newRow("4 center-middle, halves kept")
            << 4 << 4800.0f << 3600.0f << 2092.5f << 1702.5f;
        QTest::newRow("5 right-middle") << 5 << 4800.0f << 3600.0f << 4155.0f << 1702.5f;
        QTest::newRow("6 left-bottom") << 6 << 4800.0f << 3600.0f << 30.0f << 3375.0f;
        QTest::newRow("7 center-bottom") << 7 << 4800.0f << 3600.0f << 2092.5f << 3375.0f;
        QTest::newRow("8 right-bottom") << 8 << 4800.0f << 3600.0f << 4155.0f << 3375.0f;
        QTest::newRow("2 on a panel narrower than the caption: negative, not clamped")
            << 2 << 600.0f << 3600.0f << -45.0f << 30.0f;
        QTest::newRow("8 on a panel lower than the caption: negative, not clamped")
            << 8 << 4800.0f << 200.0f << 4155.0f << -25.0f;
    }
    void captionPosition() {
        QFETCH(int, alignment);
        QFETCH(float, panelWidth);
        QFETCH(float, panelHeight);
        QFETCH(float, expectedLeft);
        QFETCH(float, expectedTop);
        const auto place = pg::captionPosition(alignment, panelWidth, panelHeight, 615.0f, 195.0f);
        QVERIFY(place.has_value());
        QCOMPARE(place->Left, expectedLeft);
        QCOMPARE(place->Top, expectedTop);
    }

    void captionPositionOutOfRangeLeavesCaption_data() {
        QTest::addColumn<int>("alignment");
        QTest::newRow("-1") << -1;
        QTest::newRow("9") << 9;
        QTest::newRow("32767") << 32767;
    }
    void captionPositionOutOfRangeLeavesCaption() {
        QFETCH(int, alignment);
        QVERIFY(!pg::captionPosition(alignment, 4800.0f, 3600.0f, 615.0f, 195.0f).has_value());
    }

    void dockPosition_data() {
        QTest::addColumn<int>("docking");
        QTest::addColumn<float>("clientWidth");
        QTest::addColumn<float>("expectedLeft");
        QTest::addColumn<float>("expectedTop");
        // A 2000 x 400 panel on a client area at 0, 0 that is 4000 high.
        QTest::newRow("1 left-top") << 1 << 6000.0f << 0.0f << 0.0f;
        QTest::newRow("2 center-top") << 2 << 6000.0f << 2000.0f << 0.0f;
        QTest::newRow("2 center-top, odd width keeps the half") << 2 << 6001.0f << 2000.5f << 0.0f;
        QTest::newRow("3 right-top") << 3 << 6000.0f << 4000.0f << 0.0f;
        QTest::newRow("4 left-middle") << 4 << 6000.0f << 0.0f << 1800.0f;
        QTest::newRow("5 center-middle") << 5 << 6000.0f << 2000.0f << 1800.0f;
        QTest::newRow("6 right-middle") << 6 << 6000.0f << 4000.0f << 1800.0f;
        QTest::newRow("7 left-bottom") << 7 << 6000.0f << 0.0f << 3600.0f;
        QTest::newRow("8 center-bottom") << 8 << 6000.0f << 2000.0f << 3600.0f;
        QTest::newRow("9 right-bottom") << 9 << 6000.0f << 4000.0f << 3600.0f;
    }
    void dockPosition() {
        QFETCH(int, docking);
        QFETCH(float, clientWidth);
        QFETCH(float, expectedLeft);
        QFETCH(float, expectedTop);
        const auto place =
            pg::dockPosition(docking, {0.0f, 0.0f, clientWidth, 4000.0f}, 2000.0f, 400.0f);
        QVERIFY(place.has_value());
        QCOMPARE(place->Left, expectedLeft);
        QCOMPARE(place->Top, expectedTop);
    }

    void dockPositionCountsTheClientOrigin() {
        const auto place = pg::dockPosition(9, {100.0f, 50.0f, 6000.0f, 4000.0f}, 2000.0f, 400.0f);
        QVERIFY(place.has_value());
        QCOMPARE(place->Left, 4100.0f);
        QCOMPARE(place->Top, 3650.0f);
    }

    void dockPositionOutOfRangeMovesNothing_data() {
        QTest::addColumn<int>("docking");
        QTest::newRow("0 none") << 0;
        QTest::newRow("10") << 10;
        QTest::newRow("-1") << -1;
    }
    void dockPositionOutOfRangeMovesNothing() {
        QFETCH(int, docking);
        QVERIFY(!pg::dockPosition(docking, {0.0f, 0.0f, 6000.0f, 4000.0f}, 2000.0f, 400.0f)
                     .has_value());
    }
};

QTEST_APPLESS_MAIN(TestPanelGeometry)
#include "test_panel_geometry.moc"
