// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paste_into_set.h"

#include "platform/error_guard.h"
#include "stats/raw_values.h"
#include "transient_note.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <exception>

namespace lx {

namespace {

constexpr std::size_t boxesPerSet = 3;

std::size_t indexOf(Box box) {
    return static_cast<std::size_t>(box);
}

// The first box of the set that holds index.
std::size_t setStart(std::size_t index) {
    return index - index % boxesPerSet;
}

QString clipboardText(QClipboard::Mode mode) {
    return QGuiApplication::clipboard()->text(mode);
}

} // namespace

PasteIntoSet::PasteIntoSet(CalculatorView& view, const std::array<QLineEdit*, 6>& inputs,
                           QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_inputs(inputs)
    , m_note(new TransientNote(inputs[0]->window())) {
    m_note->setObjectName(QStringLiteral("lblPasted"));
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        m_inputs[i]->installEventFilter(this);
        // Any other change, the user's or Clear All's, makes the text no longer computed.
        connect(m_inputs[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            guarded([&] {
                if (m_written[i] && *m_written[i] != text) {
                    forget(i);
                }
            });
        });
    }
}

bool PasteIntoSet::paste(Box box, const QString& text) {
    const std::size_t index = indexOf(box);
    const int set = index < boxesPerSet ? 1 : 2;
    SetFromRawValues result;
    try {
        result = setFromRawValues(text, set, QLocale());
    } catch (const std::exception&) {
        result.outcome = SetFromRawValues::Outcome::Refused;
        result.message = unreadableRawValues(set);
    }
    switch (result.outcome) {
    case SetFromRawValues::Outcome::OrdinaryPaste:
        return false;
    case SetFromRawValues::Outcome::Refused:
        m_view.showMessage(result.message, MessageBox::errorTitle(), MessageBox::Icon::Exclamation);
        return true;
    case SetFromRawValues::Outcome::OtherDecimalMark:
        // A note, not an error box: the set stays as it was, and the note says what to change.
        m_note->showUnder(*m_inputs[setStart(indexOf(box)) + boxesPerSet - 1], result.message);
        return true;
    case SetFromRawValues::Outcome::Filled:
        break;
    }
    const std::size_t first = setStart(index);
    for (std::size_t k = 0; k < boxesPerSet; ++k) {
        m_before[first + k] = m_view.boxText(static_cast<Box>(first + k));
        m_written[first + k] = result.texts[k];
    }
    for (std::size_t k = 0; k < boxesPerSet; ++k) {
        m_view.setBoxText(static_cast<Box>(first + k), result.texts[k]);
        // An SD of 15 digits is wider than its box: show where it starts, for its tail alone
        // (".591031455861853" of 0.591031455861853) would read as another number.
        m_inputs[first + k]->setCursorPosition(0);
    }
    // Like a box getting the focus: the next keystroke replaces the value; the cursor stays at
    // the start, so the selected value still shows from its first digit.
    const int length = static_cast<int>(m_inputs[index]->text().size());
    m_inputs[index]->setSelection(length, -length);
    confirm(box, result.message);
    return true;
}

bool PasteIntoSet::undoable(Box box) const {
    const std::size_t first = setStart(indexOf(box));
    for (std::size_t k = 0; k < boxesPerSet; ++k) {
        if (!m_written[first + k]) {
            return false;
        }
    }
    return true;
}

bool PasteIntoSet::undo(Box box) {
    if (!undoable(box)) {
        return false;
    }
    const std::size_t first = setStart(indexOf(box));
    for (std::size_t k = 0; k < boxesPerSet; ++k) {
        forget(first + k);
        m_view.setBoxText(static_cast<Box>(first + k), m_before[first + k]);
    }
    m_inputs[indexOf(box)]->selectAll();
    return true;
}

bool PasteIntoSet::isComputed(Box box) const {
    const std::size_t index = indexOf(box);
    return index < m_written.size() && m_written[index].has_value();
}

std::optional<Box> PasteIntoSet::inputBox(const QObject* widget) const {
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        if (m_inputs[i] == widget) {
            return static_cast<Box>(i);
        }
    }
    return std::nullopt;
}

bool PasteIntoSet::eventFilter(QObject* watched, QEvent* event) {
    bool taken = false;
    guarded([&] { taken = takeEvent(watched, event); });
    return taken;
}

bool PasteIntoSet::takeEvent(QObject* watched, QEvent* event) {
    const std::optional<Box> box = inputBox(watched);
    if (!box) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
               paste(*box, clipboardText(QClipboard::Clipboard));
    case QEvent::MouseButtonRelease:
        // The X11 selection, pasted with the middle button.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection() &&
               paste(*box, clipboardText(QClipboard::Selection));
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasText() || !paste(*box, drop->mimeData()->text())) {
            return false;
        }
        // A copy: a move would make a box the values were dragged from delete text after the
        // set was filled.
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        QDragLeaveEvent leave; // the box stops showing where the drop would go
        QCoreApplication::sendEvent(watched, &leave);
        return true;
    }
    case QEvent::ContextMenu:
        showContextMenu(*box, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

// The box's own menu, whose Paste goes through paste() and whose Undo also undoes a paste.
void PasteIntoSet::showContextMenu(Box box, const QPoint& at) {
    QLineEdit* edit = m_inputs[indexOf(box)];
    QMenu* menu = edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's entries carry Qt's own translations; the context is named through a variable
    // so that our translation tools leave those texts to Qt.
    const char* const lineEdit = "QLineEdit";
    for (QAction* action : menu->actions()) {
        const QString label = action->text().section(u'\t', 0, 0);
        if (label == QCoreApplication::translate(lineEdit, "&Paste")) {
            action->disconnect(edit);
            connect(action, &QAction::triggered, this, [this, box, edit] {
                guarded([&] {
                    if (!paste(box, clipboardText(QClipboard::Clipboard))) {
                        edit->paste();
                    }
                });
            });
        } else if (label == QCoreApplication::translate(lineEdit, "&Undo") && undoable(box)) {
            action->disconnect(edit);
            action->setEnabled(true);
            connect(action, &QAction::triggered, this,
                    [this, box] { guarded([&] { undo(box); }); });
        }
    }
    menu->popup(at);
}

void PasteIntoSet::forget(std::size_t index) {
    m_written[index].reset();
    if (!m_inputs[index]->accessibleDescription().isEmpty()) {
        m_inputs[index]->setAccessibleDescription(QString());
        m_note->hide();
    }
}

// Shown under the set without taking the focus, and given to a screen reader as the box's
// description too (setting it tells assistive tools that it changed).
void PasteIntoSet::confirm(Box box, const QString& message) {
    const std::size_t index = indexOf(box);
    m_inputs[index]->setAccessibleDescription(message);
    m_note->showUnder(*m_inputs[setStart(index) + boxesPerSet - 1], message);
}

} // namespace lx
