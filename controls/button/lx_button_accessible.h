// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace lx {

class LxButton;

// What a screen reader learns of a button: a push button, or a check box with its state in
// switch mode; its name is the caption without the access-key "&", or the tooltip when the
// caption is empty; it can be pressed. The button's face, which takes the focus, speaks for the
// button too, so the focus lands on something with a name.
class LxButtonAccessible : public QAccessibleWidget {
public:
    LxButtonAccessible(QWidget* widget, LxButton* button);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // Registers the factory that gives LxButton and its face this interface; once per process.
    static void install();

private:
    LxButton* m_button;
};

} // namespace lx
