// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a window manager is told about a window, read back from the X server.
// Plain Xvfb runs no window manager, so nothing acts on the requests: the
// test checks the properties Qt leaves on the window for one, and delivers
// the close request a window manager would send.
#include "platform/system_menu.h"
#include "platform/window_system.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

using namespace lx;

namespace {

// Motif hints: flags, functions, decorations, input mode, status.
constexpr quint32 MotifFunctionsField = 1;
constexpr quint32 MotifFunctionClose = 0x20;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(const char* name) {
    xcb_connection_t* c = connection();
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(qstrlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

QList<quint32> property32(const QWidget& window, const char* name) {
    xcb_connection_t* c = connection();
    const auto cookie = xcb_get_property(c, 0, xcb_window_t(window.winId()), atom(name),
                                         XCB_GET_PROPERTY_TYPE_ANY, 0, 64);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    QList<quint32> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        values = QList<quint32>(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

// The request a window manager sends when the user clicks the close box.
void sendDeleteWindow(const QWidget& window) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.winId());
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection(), 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(connection());
}

} // namespace

class TestWindowSystemX11 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (!connection()) {
            QSKIP("needs the xcb platform (run under xvfb-run)");
        }
    }

    void hiddenWindowIsShownTopmostWithoutActivation() {
        QWidget active;
        active.show();
        active.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &active);

        QWidget window;
        window.setGeometry(100, 120, 300, 200);
        QtWindowSystem().setTopmost(window, true);
        QVERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(property32(window, "_NET_WM_STATE").contains(atom("_NET_WM_STATE_ABOVE")));
        QCOMPARE(window.geometry(), QRect(100, 120, 300, 200));
        QCOMPARE(QApplication::activeWindow(), &active);
    }

    void shownWindowKeepsItsPlaceAndTheActiveWindow() {
        QWidget window;
        window.setGeometry(200, 150, 320, 240);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget active;
        active.show();
        active.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &active);
        const QPlatformWindow* native = window.windowHandle()->handle();

        QtWindowSystem().setTopmost(window, true);
        QVERIFY(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QtWindowSystem().setTopmost(window, false);
        QVERIFY(!window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.windowHandle()->handle(), native); // not re-created
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry(), QRect(200, 150, 320, 240));
        QCOMPARE(QApplication::activeWindow(), &active);
    }

    void removedCloseEntryTakesTheCloseFunctionAway() {
        QWidget window;
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<quint32> hints = property32(window, "_MOTIF_WM_HINTS");
        QVERIFY(hints.size() > MotifFunctionsField);
        QVERIFY(hints.at(MotifFunctionsField) & MotifFunctionClose);

        SystemMenu& menu = SystemMenu::of(window);
        QCOMPARE(menu.count(), 7);
        menu.removeAt(6);
        hints = property32(window, "_MOTIF_WM_HINTS");
        QVERIFY(hints.size() > MotifFunctionsField);
        QVERIFY(!(hints.at(MotifFunctionsField) & MotifFunctionClose));
        QVERIFY(window.isVisible());
    }

    void closeRequestFromTheWindowSystemIsRefusedWithoutClose() {
        QWidget keeps;
        QWidget closes;
        keeps.resize(200, 100);
        closes.resize(200, 100);
        keeps.show();
        closes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keeps));
        QVERIFY(QTest::qWaitForWindowExposed(&closes));
        SystemMenu::of(keeps).removeAt(6);

        // Both requests travel the same connection in order, so once the
        // second window has closed the first request has been handled.
        sendDeleteWindow(keeps);
        sendDeleteWindow(closes);
        QTRY_VERIFY(!closes.isVisible());
        QVERIFY(keeps.isVisible());
        QVERIFY(keeps.close()); // the program itself may still close it
    }
};

QTEST_MAIN(TestWindowSystemX11)
#include "test_window_system_x11.moc"
