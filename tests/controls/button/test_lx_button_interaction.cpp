// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/button/lx_button.h"
#include "platform/picture_surface.h"
#include "support/fake_window_system.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

using lx::LxButton;

namespace {

constexpr lx::OleColor OleRed = 0x000000FF;
constexpr lx::OleColor OleBlue = 0x00FF0000;
constexpr lx::OleColor OleGreen = 0x0000FF00;
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);

QPixmap solid(QColor colour) {
    QPixmap pixmap(10, 10);
    pixmap.fill(colour);
    return pixmap;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

} // namespace

class TestLxButtonInteraction : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fullClick();
    void dragOffTheFaceStillClicks();
    void timerEndsHoverOnlyOutsideTheFace_data();
    void timerEndsHoverOnlyOutsideTheFace();
    void everyMouseButtonPressesAndClicks_data();
    void everyMouseButtonPressesAndClicks();
    void switchShowsItsNewStateFromThePress();
    void autoClick_data();
    void autoClick();
    void keysAreForwardedAndNeverClick_data();
    void keysAreForwardedAndNeverClick();
    void keyPressCodeChangeReachesTheFace();
    void lostFocusRedrawsOnlyWithoutHover();

private:
    // The look on the face, told by its top left pixel (light red, dark blue).
    QColor corner() const { return face()->Image().toImage().pixelColor(0, 0); }
    lx::PictureSurface* face() const {
        return m_button->findChild<lx::PictureSurface*>("picButton");
    }
    QTimer* timer() const { return m_button->findChild<QTimer*>("timCapture"); }
    QPoint faceCentre() const { return face()->rect().center(); }
    void placeCursor(QPoint inFace) { m_windows->cursor = face()->mapToGlobal(inFace); }

    std::unique_ptr<lx::test::FakeWindowSystem> m_windows;
    std::unique_ptr<QWidget> m_host;
    LxButton* m_button = nullptr;
    QStringList m_events;
};

void TestLxButtonInteraction::init() {
    m_windows = std::make_unique<lx::test::FakeWindowSystem>();
    m_host = std::make_unique<QWidget>();
    m_host->resize(300, 200);
    m_button = new LxButton(m_host.get());
    m_button->InitProperties();
    m_button->Move(750, 750, 1500, 600); // 100 x 40 pixels at (50, 50)
    m_button->setBackColor(OleGreen);
    m_button->setLightBorderColor(OleRed);
    m_button->setDarkBorderColor(OleBlue);
    m_events.clear();
    connect(m_button, &LxButton::MouseEnter, this, [this] { m_events << "MouseEnter"; });
    connect(m_button, &LxButton::MouseExit, this, [this] { m_events << "MouseExit"; });
    connect(m_button, &LxButton::Click, this, [this] { m_events << "Click"; });
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    // Qt drops a move to where the mouse already is; start each test elsewhere.
    static int resting = 0;
    QTest::mouseMove(m_host.get(), QPoint(1 + resting++ % 2, 1));
    QCOMPARE(corner(), Green);
}

void TestLxButtonInteraction::cleanup() {
    m_host.reset();
    m_windows.reset();
}

void TestLxButtonInteraction::fullClick() {
    placeCursor(faceCentre());
    QTest::mouseMove(face(), faceCentre());
    QCOMPARE(m_events, QStringList({"MouseEnter"}));
    QCOMPARE(corner(), Red);
    QVERIFY(timer()->isActive());

    QTest::mousePress(face(), Qt::LeftButton, {}, faceCentre());
    QCOMPARE(m_events, QStringList({"MouseEnter", "MouseEnter"}));
    QCOMPARE(corner(), Blue);
    QCOMPARE(m_button->Value(), true);

    QTest::mouseRelease(face(), Qt::LeftButton, {}, faceCentre());
    QCOMPARE(m_events, QStringList({"MouseEnter", "MouseEnter", "MouseEnter", "Click"}));
    QCOMPARE(corner(), Blue); // the release does not redraw

    QTest::mouseMove(face(), faceCentre() + QPoint(1, 0));
    QCOMPARE(m_events.size(), 5);
    QCOMPARE(m_events.last(), QStringLiteral("MouseEnter"));
    QCOMPARE(corner(), Red);

    placeCursor(QPoint(-5, -5));
    QTRY_COMPARE(m_events.last(), QStringLiteral("MouseExit"));
    QCOMPARE(m_events.size(), 6);
    QCOMPARE(corner(), Green);
    QVERIFY(!timer()->isActive());
}

void TestLxButtonInteraction::dragOffTheFaceStillClicks() {
    placeCursor(faceCentre());
    QTest::mousePress(face(), Qt::LeftButton, {}, faceCentre());
    QCOMPARE(corner(), Blue);

    QTest::mouseMove(face(), QPoint(-20, 10));
    QCOMPARE(corner(), Green);

    QTest::mouseMove(face(), faceCentre());
    QCOMPARE(corner(), Red); // selected, not pressed, on the way back

    QTest::mouseMove(face(), QPoint(130, 10));
    QCOMPARE(corner(), Green);

    QTest::mouseRelease(face(), Qt::LeftButton, {}, QPoint(130, 10));
    QCOMPARE(m_events, QStringList({"MouseEnter", "MouseEnter", "MouseEnter", "Click"}));
    QCOMPARE(corner(), Green);
}

void TestLxButtonInteraction::timerEndsHoverOnlyOutsideTheFace_data() {
    QTest::addColumn<QPoint>("cursor"); // relative to the face's top left
    QTest::addColumn<bool>("exits");

    QTest::newRow("centre") << QPoint(50, 20) << false;
    QTest::newRow("top left pixel") << QPoint(0, 0) << false;
    QTest::newRow("just right of the face counts inside") << QPoint(100, 20) << false;
    QTest::newRow("just below the face counts inside") << QPoint(50, 40) << false;
    QTest::newRow("two right of the face") << QPoint(101, 20) << true;
    QTest::newRow("two below the face") << QPoint(50, 41) << true;
    QTest::newRow("left of the face") << QPoint(-1, 20) << true;
    QTest::newRow("above the face") << QPoint(50, -1) << true;
}

void TestLxButtonInteraction::timerEndsHoverOnlyOutsideTheFace() {
    QFETCH(QPoint, cursor);
    QFETCH(bool, exits);
    placeCursor(faceCentre());
    QTest::mouseMove(face(), faceCentre());
    QSignalSpy ticks(timer(), &QTimer::timeout);
    QSignalSpy exit(m_button, &LxButton::MouseExit);

    placeCursor(cursor);
    // An exit stops the timer at its first tick; staying in keeps it going.
    QTRY_VERIFY(ticks.count() >= (exits ? 1 : 2));

    QCOMPARE(exit.count(), exits ? 1 : 0);
    QCOMPARE(timer()->isActive(), !exits);
    QCOMPARE(corner(), exits ? Green : Red);
}

void TestLxButtonInteraction::everyMouseButtonPressesAndClicks_data() {
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestLxButtonInteraction::everyMouseButtonPressesAndClicks() {
    QFETCH(Qt::MouseButton, mouseButton);
    QSignalSpy click(m_button, &LxButton::Click);
    placeCursor(faceCentre());

    QTest::mouseClick(face(), mouseButton, {}, faceCentre());
    QCOMPARE(click.count(), 1);
    QCOMPARE(m_button->Value(), true); // not a switch, still inverted

    QTest::mouseClick(face(), mouseButton, {}, faceCentre());
    QCOMPARE(click.count(), 2);
    QCOMPARE(m_button->Value(), false);
}

void TestLxButtonInteraction::switchShowsItsNewStateFromThePress() {
    m_button->setUserMode(false);
    m_button->setSwitch(true);
    m_button->setUserMode(true);
    m_button->setBackColor(0x00FFFFFF);
    m_button->setPicture(solid(Red));
    m_button->setSelectedPicture(solid(Green));
    bool valueAtClick = false;
    connect(m_button, &LxButton::Click, this, [&] { valueAtClick = m_button->Value(); });
    placeCursor(faceCentre());

    QTest::mousePress(face(), Qt::LeftButton, {}, faceCentre());
    QVERIFY(face()->Image().toImage().pixelColor(QPoint(8, 20)) == Green);
    QTest::mouseRelease(face(), Qt::LeftButton, {}, faceCentre());
    QCOMPARE(valueAtClick, true);

    QTest::mousePress(face(), Qt::LeftButton, {}, faceCentre());
    QVERIFY(face()->Image().toImage().pixelColor(QPoint(8, 20)) == Red);
    QTest::mouseRelease(face(), Qt::LeftButton, {}, faceCentre());
    QCOMPARE(valueAtClick, false);
}

void TestLxButtonInteraction::autoClick_data() {
    QTest::addColumn<bool>("isSwitch");
    QTest::addColumn<QColor>("pictureWhilePressed");
    QTest::newRow("push button") << false << Blue;
    QTest::newRow("switch that is on") << true << Green;
}

void TestLxButtonInteraction::autoClick() {
    QFETCH(bool, isSwitch);
    QFETCH(QColor, pictureWhilePressed);
    m_button->setUserMode(false);
    m_button->setSwitch(isSwitch);
    m_button->setUserMode(true);
    m_button->setValue(true);
    m_button->setBackColor(0x00FFFFFF);
    m_button->setPicture(solid(Red));
    m_button->setSelectedPicture(solid(Green));
    m_button->setPressedPicture(solid(Blue));
    PaintCounter counter;
    face()->installEventFilter(&counter);
    QColor cornerWhileAsleep;
    QColor pictureWhileAsleep;
    int paintsBeforeSleep = 0;
    m_windows->onSleep = [&] {
        cornerWhileAsleep = corner();
        pictureWhileAsleep = face()->Image().toImage().pixelColor(QPoint(8, 20));
        paintsBeforeSleep = counter.paints;
    };

    QCOMPARE(m_button->AutoClick(), QVariant());

    QCOMPARE(m_windows->sleptMilliseconds, 125);
    QCOMPARE(cornerWhileAsleep, Blue);
    QCOMPARE(pictureWhileAsleep, pictureWhilePressed);
    QVERIFY(paintsBeforeSleep >= 1); // painted on screen, not just scheduled
    QCOMPARE(m_events, QStringList({"Click"}));
    QCOMPARE(corner(), QColor(Qt::white));
    QCOMPARE(m_button->Value(), true);
    QVERIFY(!timer()->isActive());
}

void TestLxButtonInteraction::keysAreForwardedAndNeverClick_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("enter") << Qt::Key_Return << QStringLiteral("\r") << 13;
    QTest::newRow("space") << Qt::Key_Space << QStringLiteral(" ") << 32;
    QTest::newRow("letter") << Qt::Key_A << QStringLiteral("a") << 97;
}

void TestLxButtonInteraction::keysAreForwardedAndNeverClick() {
    QFETCH(Qt::Key, key);
    QFETCH(QString, text);
    QFETCH(int, code);
    QList<int> pressed;
    int keyDownsAndUps = 0;
    connect(m_button, &LxButton::KeyPress, this, [&](int& KeyAscii) { pressed << KeyAscii; });
    connect(m_button, &LxButton::KeyDown, this, [&](int&, int&) { ++keyDownsAndUps; });
    connect(m_button, &LxButton::KeyUp, this, [&](int&, int&) { ++keyDownsAndUps; });

    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(face(), &press);
    QApplication::sendEvent(face(), &release);

    QCOMPARE(pressed, QList<int>({code}));
    QCOMPARE(keyDownsAndUps, 0);
    QVERIFY(!m_events.contains("Click"));
    QCOMPARE(corner(), Green);
}

void TestLxButtonInteraction::keyPressCodeChangeReachesTheFace() {
    connect(m_button, &LxButton::KeyPress, this, [](int& KeyAscii) { KeyAscii = 'Z'; });
    int seenByFace = 0;
    // Connected after the button's own forwarding, so it sees what the
    // button's receivers left in the face's variable.
    connect(face(), &lx::PictureSurface::KeyPress, this,
            [&](int& KeyAscii) { seenByFace = KeyAscii; });

    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(face(), &press);

    QCOMPARE(seenByFace, int('Z'));
}

void TestLxButtonInteraction::lostFocusRedrawsOnlyWithoutHover() {
    auto* other = new QWidget(m_host.get());
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    m_host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
    placeCursor(faceCentre());

    QTest::mouseMove(face(), faceCentre()); // hovering: selected look
    face()->setFocus();
    other->setFocus();
    QTRY_VERIFY(!face()->hasFocus());
    QCOMPARE(corner(), Red);

    QTest::mouseClick(face(), Qt::LeftButton, {}, faceCentre()); // hover off, pressed look
    QCOMPARE(corner(), Blue);
    face()->setFocus();
    QTRY_VERIFY(face()->hasFocus());
    other->setFocus();
    QTRY_VERIFY(!face()->hasFocus());
    QCOMPARE(corner(), Green);
}

QTEST_MAIN(TestLxButtonInteraction)
#include "test_lx_button_interaction.moc"
