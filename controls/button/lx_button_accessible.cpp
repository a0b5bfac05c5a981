// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_button_accessible.h"

#include "lx_button.h"

#include <QKeySequence>

#include <mutex>

namespace lx {

namespace {

QAccessibleInterface* buttonInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (className == QLatin1String("lx::LxButton")) {
        return new LxButtonAccessible(widget, static_cast<LxButton*>(widget));
    }
    if (auto* button = qobject_cast<LxButton*>(widget->parentWidget());
        button && widget->objectName() == QLatin1String("picButton")) {
        return new LxButtonAccessible(widget, button);
    }
    return nullptr;
}

} // namespace

LxButtonAccessible::LxButtonAccessible(QWidget* widget, LxButton* button)
    : QAccessibleWidget(widget, QAccessible::Button)
    , m_button(button) {}

QAccessible::Role LxButtonAccessible::role() const {
    return m_button->Switch() ? QAccessible::CheckBox : QAccessible::Button;
}

QString LxButtonAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: {
        if (!widget()->accessibleName().isEmpty()) {
            return widget()->accessibleName();
        }
        // The face prints no "&": neither does the name.
        const QString caption = QString(m_button->Caption()).remove(u'&');
        return caption.isEmpty() ? m_button->ToolTipText() : caption;
    }
    case QAccessible::Description:
        return m_button->ToolTipText();
    case QAccessible::Accelerator:
        return QKeySequence::mnemonic(m_button->Caption()).toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State LxButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (m_button->Switch()) {
        state.checkable = true;
        state.checked = m_button->Value();
    }
    return state;
}

QStringList LxButtonAccessible::actionNames() const {
    if (!m_button->isEnabled()) {
        return {};
    }
    return m_button->Switch() ? QStringList{toggleAction(), pressAction()}
                              : QStringList{pressAction()};
}

void LxButtonAccessible::doAction(const QString& actionName) {
    if (!m_button->isEnabled() || !actionNames().contains(actionName)) {
        return;
    }
    // A press through the screen reader is a visible click, as a mouse press would be: a switch
    // changes its state first.
    if (m_button->Switch()) {
        m_button->setValue(!m_button->Value());
    }
    m_button->AutoClick();
}

QStringList LxButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    const QString key =
        QKeySequence::mnemonic(m_button->Caption()).toString(QKeySequence::NativeText);
    return actionName == pressAction() && !key.isEmpty() ? QStringList{key} : QStringList{};
}

void LxButtonAccessible::install() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(buttonInterface); });
}

} // namespace lx
