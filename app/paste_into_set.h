// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator_view.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

class QLineEdit;
class QPoint;

namespace lx {

class TransientNote;

// Lets the user paste or drop raw values (a spreadsheet column, a row) into a set's input boxes:
// whatever way text comes into a box (Ctrl+V, the context menu, the middle button, a drop),
// two or more numbers fill the set's N, M and SD instead, with a confirmation under the set; less
// is inserted as usual. The paste can be undone while the set still shows it.
class PasteIntoSet : public QObject {
    Q_OBJECT
public:
    // inputs: the six input boxes, in the order of Box. Watches them from now on.
    PasteIntoSet(CalculatorView& view, const std::array<QLineEdit*, 6>& inputs, QObject* parent);

    // Text coming into a box: true when it was taken as raw values (the set filled, or a
    // message why not), false when it is for the box itself.
    bool paste(Box box, const QString& text);

    // Puts back the set of box as it was before the paste it still shows; false when none.
    bool undo(Box box);

    // The box still holds what a paste computed.
    bool isComputed(Box box) const;

    // The input box a widget is, if any.
    std::optional<Box> inputBox(const QObject* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The filter's work; eventFilter runs it guarded.
    bool takeEvent(QObject* watched, QEvent* event);
    bool undoable(Box box) const;
    void showContextMenu(Box box, const QPoint& at);
    void forget(std::size_t index);
    void confirm(Box box, const QString& message);

    CalculatorView& m_view;
    std::array<QLineEdit*, 6> m_inputs;
    TransientNote* m_note;
    // Per box: its text before the last paste into its set, and what that paste wrote while the
    // box still shows it.
    std::array<QString, 6> m_before;
    std::array<std::optional<QString>, 6> m_written;
};

} // namespace lx
