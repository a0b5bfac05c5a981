// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_box.h"

#include "platform/core/number_text.h"
#include "platform/core/runtime_error.h"
#include "platform/error_guard.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <optional>

namespace lx {

namespace {

// QLineEdit keeps this many pixels free on each side of its text, and one for the cursor.
constexpr int lineEditMargin = 2;
constexpr int cursorWidth = 1;

// The width QLineEdit gives its text: its contents less frame, text margins and its own margin.
int textRoom(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.contentsRect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * lineEditMargin;
}

std::optional<double> numberIn(const QString& text) {
    double value = 0;
    if (text.isEmpty() ||
        !suppressErrors([&] { value = number_text::toDouble(text, QLocale()); })) {
        return std::nullopt;
    }
    return value;
}

} // namespace

ResultBox::ResultBox(QLineEdit& box, const QString& name)
    : QObject(&box)
    , m_box(box)
    , m_name(name)
    , m_full(box.text()) {
    box.installEventFilter(this);
    connect(&box, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_fitting) {
            m_full = text;
            guarded([this] { fit(); });
        }
    });
    connect(&box, &QLineEdit::selectionChanged, this, &ResultBox::offerSelection);
    fit();
}

bool ResultBox::shortened() const {
    return m_box.text() != m_full;
}

bool ResultBox::fits(const QString& text) const {
    return m_box.fontMetrics().horizontalAdvance(text) + cursorWidth <= textRoom(m_box);
}

void ResultBox::fit() {
    QString shown = m_full;
    if (!fits(m_full)) {
        if (const std::optional<double> value = numberIn(m_full)) {
            shown = number_text::fromDoubleFitting(
                *value, [this](const QString& text) { return fits(text); }, QLocale());
            if (shown.isEmpty()) {
                shown = QStringLiteral("#");
            }
        }
    }
    if (shown != m_box.text()) {
        m_fitting = true;
        m_box.setText(shown);
        m_fitting = false;
    }
    m_box.setCursorPosition(0); // a text that still does not fit shows from its start
    m_box.setToolTip(fits(m_full)       ? m_name
                     : m_name.isEmpty() ? m_full
                                        : tr("%1: %2").arg(m_name, m_full));
}

void ResultBox::copyFullText(QClipboard::Mode mode) const {
    QGuiApplication::clipboard()->setText(m_full, mode);
}

// Where selecting text copies it (X11's primary selection), a selected shortened number is all
// of it too: put there once the box has put its own text there, after the current event.
void ResultBox::offerSelection() {
    if (!QGuiApplication::clipboard()->supportsSelection()) {
        return;
    }
    QTimer::singleShot(0, this, [this] {
        guarded([this] {
            if (shortened() && m_box.hasSelectedText()) {
                copyFullText(QClipboard::Selection);
            }
        });
    });
}

bool ResultBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_box) {
        return false;
    }
    bool taken = false;
    guarded([&] {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            fit();
            break;
        case QEvent::KeyPress:
            // A copy of a shortened number gets all of it, whatever part was selected.
            if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && shortened() &&
                m_box.hasSelectedText()) {
                copyFullText();
                taken = true;
            }
            break;
        case QEvent::MouseButtonRelease: // where the box copies a selection made by the mouse
            offerSelection();
            break;
        case QEvent::ContextMenu:
            if (shortened()) {
                showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
                taken = true;
            }
            break;
        default:
            break;
        }
    });
    return taken;
}

// The box's own menu, whose Copy gives the full text.
void ResultBox::showContextMenu(const QPoint& at) {
    QMenu* menu = m_box.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Qt translates the menu's entries itself; a variable context keeps them out of ours.
    const char* const lineEdit = "QLineEdit";
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == QCoreApplication::translate(lineEdit, "&Copy")) {
            action->disconnect(&m_box);
            connect(action, &QAction::triggered, this,
                    [this] { guarded([this] { copyFullText(); }); });
        }
    }
    menu->popup(at);
}

} // namespace lx
