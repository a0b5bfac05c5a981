#include "window_system.h"

#include <QCursor>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace lx {

namespace {
WindowSystem* g_replacement = nullptr;
} // namespace

WindowSystem& WindowSystem::instance() {
    static QtWindowSystem real;
    return g_replacement ? *g_replacement : real;
}

void WindowSystem::setInstance(WindowSystem* replacement) {
    g_replacement = replacement;
}

QPoint QtWindowSystem::cursorPos() const {
    return QCursor::pos();
}

QRect QtWindowSystem::windowRect(const QWidget& widget) const {
    if (widget.isWindow()) {
        return widget.frameGeometry();
    }
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

void QtWindowSystem::sleep(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtWindowSystem::setTopmost(QWidget& window, bool topmost) {
    QWidget& top = *window.window();
    if (!top.isVisible()) {
        top.setAttribute(Qt::WA_ShowWithoutActivating, true);
        top.show();
        top.setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    // Changing the flag on the native window keeps it mapped where it is;
    // QWidget::setWindowFlag would hide and re-create it.
    if (QWindow* handle = top.windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    }
    top.overrideWindowFlags(top.windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost));
}

} // namespace lx
