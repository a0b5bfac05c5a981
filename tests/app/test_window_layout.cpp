// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_layout.h"

#include <QTest>

using namespace lx::window_layout;

namespace {

// A pane as the layout sees it. A stretching one asks for its full size where the room allows
// and else for the room's height and a scroll bar's width more, as the details do.
struct FakePane {
    Placement placement = Placement::Below;
    bool stretches = false;
    QSize full;
    int minimumHeight = 0;
};
using FakePanes = QList<FakePane>;
using Places = QList<QRect>;

constexpr int scrollBar = 16;

PaneSpace spaceOf(const FakePane& pane) {
    PaneSpace space;
    space.placement = pane.placement;
    space.stretches = pane.stretches;
    space.minimumHeight = pane.minimumHeight;
    space.sizeFor = [pane](const QSize& room) {
        if (!pane.stretches || pane.full.height() <= room.height()) {
            return pane.full;
        }
        return QSize(pane.full.width() + scrollBar, room.height());
    };
    return space;
}

const FakePane details{Placement::Below, true, QSize(380, 300)};
const FakePane planning{Placement::Below, false, QSize(332, 150)};
const FakePane plot{Placement::Beside, false, QSize(380, 320), 200};
const QSize design(332, 250);
const QSize frame(10, 30);

} // namespace

Q_DECLARE_METATYPE(FakePane)

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void placesThePanes_data();
    void placesThePanes();
    void keptOnScreen_data();
    void keptOnScreen();
};

void TestWindowLayout::placesThePanes_data() {
    QTest::addColumn<FakePanes>("panes");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<Places>("places");
    const QRect large(0, 0, 1920, 1040);
    QTest::newRow("no pane") << FakePanes{} << large << design << Places{};
    QTest::newRow("details widen the window to their figures")
        << FakePanes{details} << large << QSize(380, 550) << Places{{0, 250, 380, 300}};
    QTest::newRow("details narrower than the window span it")
        << FakePanes{{Placement::Below, true, QSize(300, 300)}} << large << QSize(332, 550)
        << Places{{0, 250, 332, 300}};
    // 480 high less the frame leaves 450: the details scroll in 200, with a scroll bar.
    QTest::newRow("details on a low screen scroll")
        << FakePanes{details} << QRect(0, 0, 800, 480) << QSize(396, 450)
        << Places{{0, 250, 396, 200}};
    QTest::newRow("planning under the details keeps its height")
        << FakePanes{details, planning} << QRect(0, 0, 800, 630) << QSize(396, 600)
        << Places{{0, 250, 396, 200}, {0, 450, 332, 150}};
    QTest::newRow("planning alone")
        << FakePanes{planning} << large << QSize(332, 400) << Places{{0, 250, 332, 150}};
    QTest::newRow("plot beside, as high as the rest")
        << FakePanes{details, plot} << large << QSize(760, 550)
        << Places{{0, 250, 380, 300}, {380, 0, 380, 550}};
    QTest::newRow("plot beside, its own height")
        << FakePanes{plot} << large << QSize(712, 320) << Places{{332, 0, 380, 320}};
    QTest::newRow("plot under the rest where the screen is narrow")
        << FakePanes{planning, plot} << QRect(0, 0, 640, 1040) << QSize(332, 720)
        << Places{{0, 250, 332, 150}, {0, 400, 332, 320}};
    QTest::newRow("plot under the rest on a low, narrow screen: its least height")
        << FakePanes{planning, plot} << QRect(0, 0, 640, 480) << QSize(332, 600)
        << Places{{0, 250, 332, 150}, {0, 400, 332, 200}};
}

void TestWindowLayout::placesThePanes() {
    QFETCH(FakePanes, panes);
    QFETCH(QRect, available);
    Input input;
    input.design = design;
    input.available = available;
    input.frame = frame;
    for (const FakePane& pane : panes) {
        input.panes.push_back(spaceOf(pane));
    }
    const Result result = layOut(input);
    QTEST(result.client, "client");
    QTEST(Places(result.panes.begin(), result.panes.end()), "places");
    QVERIFY(!result.moveTo); // not shown yet: the window system places it
}

// A window that grows past the screen's free area moves up or left instead; one larger than the
// area keeps its top left inside.
void TestWindowLayout::keptOnScreen_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("movedTo"); // (-1, -1): stays
    const QRect screen(0, 40, 1920, 1000);
    QTest::newRow("room to grow") << QPoint(100, 100) << screen << QPoint(-1, -1);
    QTest::newRow("at the right edge") << QPoint(1700, 100) << screen << QPoint(1150, 100);
    QTest::newRow("at the bottom") << QPoint(100, 700) << screen << QPoint(100, 460);
    QTest::newRow("above the free area") << QPoint(100, 0) << screen << QPoint(100, 40);
    QTest::newRow("larger than the free area")
        << QPoint(300, 300) << QRect(0, 0, 500, 400) << QPoint(94, 0);
}

void TestWindowLayout::keptOnScreen() {
    QFETCH(QPoint, at);
    QFETCH(QRect, available);
    QFETCH(QPoint, movedTo);
    Input input;
    input.design = design;
    input.available = available;
    input.frame = frame;
    input.frameTopLeft = at;
    input.panes = {spaceOf(details), spaceOf(plot)}; // 760 x 550 without the frame
    const Result result = layOut(input);
    if (movedTo == QPoint(-1, -1)) {
        QVERIFY(!result.moveTo);
    } else {
        QVERIFY(result.moveTo);
        QCOMPARE(*result.moveTo, movedTo);
    }
}

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
