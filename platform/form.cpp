// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "form.h"

#include "error_guard.h"
#include "key_codes.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>

namespace lx {

namespace {

bool g_programEnding = false;

// Keys whose work is done as characters rather than on key-down, so a
// cancelled key-down must still let them through: printable text, Backspace,
// the clipboard, undo and select-all shortcuts and focus movement.
bool typesSomething(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
        key.key() == Qt::Key_Backspace) {
        return true;
    }
    if (mods == Qt::ControlModifier &&
        (key.key() == Qt::Key_C || key.key() == Qt::Key_V || key.key() == Qt::Key_X ||
         key.key() == Qt::Key_Z || key.key() == Qt::Key_A)) {
        return true;
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    qApp->installEventFilter(this);
}

Form::~Form() = default;

float Form::ScaleWidth() const {
    return twips::fromPixels(width());
}

float Form::ScaleHeight() const {
    return twips::fromPixels(height());
}

void Form::setClientSize(float width, float height) {
    resize(twips::toPixels(width), twips::toPixels(height));
}

int Form::WindowState() const {
    const Qt::WindowStates state = windowState();
    if (state.testFlag(Qt::WindowMinimized)) {
        return Minimized;
    }
    if (state.testFlag(Qt::WindowMaximized)) {
        return Maximized;
    }
    return Normal;
}

void Form::setWindowState(int state) {
    switch (state) {
    case Minimized:
        QWidget::setWindowState(Qt::WindowMinimized);
        break;
    case Maximized:
        QWidget::setWindowState(Qt::WindowMaximized);
        break;
    default:
        QWidget::setWindowState(Qt::WindowNoState);
        break;
    }
}

void Form::addControl(QWidget* control) {
    if (control && !m_controls.contains(control)) {
        m_controls.append(control);
    }
}

void Form::EndProgram() {
    g_programEnding = true;
    QCoreApplication::exit(0);
}

bool Form::programEnding() {
    return g_programEnding;
}

void Form::setVisible(bool visible) {
    const bool firstShow = visible && !m_loaded;
    if (firstShow) {
        m_loaded = true;
        emit Load();
    }
    QWidget::setVisible(visible);
    // The frame is only known once the window is up: an outer rectangle set
    // before then is laid out again around the real frame.
    if (firstShow && !m_outerTwips.isNull() && WindowState() == Normal) {
        setTwipPlacement(m_outerTwips);
    }
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        guarded([this] { emit Activate(); });
    }
    return QWidget::event(event);
}

void Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    guarded([this] { emit Resize(); });
}

void Form::closeEvent(QCloseEvent* event) {
    if (g_programEnding) {
        event->accept();
        return;
    }
    // A failing Unload handler is reported and the window still closes, as asked.
    int cancel = 0;
    guarded([&] { emit Unload(cancel); });
    if (cancel != 0) {
        event->ignore();
    } else {
        event->accept();
    }
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    if (m_keyPreview && event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        if (m_delivering.contains(event)) {
            return false; // a further stop of a press already previewed
        }
        // The first stop of a press is the focused widget.
        auto* target = static_cast<QWidget*>(watched);
        const QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : target;
        if (target == first && (target == this || isAncestorOf(target))) {
            previewAndDeliver(target, *static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The application filter sees a press once per widget it propagates to, and a
// handler that opens a modal box or moves the focus changes which of those
// stops looks like a first one. So the form hands the press on itself and
// knows each further stop for what it is.
void Form::previewAndDeliver(QWidget* target, QKeyEvent& key) {
    const QPointer<Form> self(this);
    const QPointer<QWidget> receiver(target);
    bool cancelled = true; // a failed handler swallows its key
    guarded([&] { cancelled = handlePreviewKey(key); });
    if (cancelled || !self || !receiver) {
        return;
    }
    m_delivering.append(&key);
    guarded([&] { QCoreApplication::instance()->notify(receiver, &key); });
    if (self) {
        m_delivering.removeOne(&key);
    }
    key.accept(); // delivered: Qt must not hand it to the parents again
}

bool Form::handlePreviewKey(QKeyEvent& key) {
    int keyCode = key_codes::fromEvent(key);
    emit KeyDown(keyCode, key_codes::shiftState(key));
    // A cancelled key-down keeps only what the key types.
    return keyCode == 0 && !typesSomething(key);
}

QRectF Form::twipPlacement() const {
    const QRect px = frameGeometry();
    if (twips::toPixels(m_outerTwips) == px) {
        return m_outerTwips;
    }
    return QRectF(twips::fromPixels(px.x()), twips::fromPixels(px.y()),
                  twips::fromPixels(px.width()), twips::fromPixels(px.height()));
}

QMargins Form::frameMargins() const {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

void Form::setTwipPlacement(const QRectF& twipRect) {
    m_outerTwips = twipRect;
    const QRect px = twips::toPixels(twipRect);
    const QMargins margins = frameMargins();
    move(px.topLeft()); // move() places the frame's top-left corner
    resize(px.width() - margins.left() - margins.right(),
           px.height() - margins.top() - margins.bottom());
}

} // namespace lx
