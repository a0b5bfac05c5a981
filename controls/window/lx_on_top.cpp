// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_on_top.h"

#include "platform/bag_value.h"

#include "platform/core/runtime_error.h"
#include "platform/form.h"
#include "platform/system_menu.h"
#include "platform/window_system.h"

#include <QPainter>

namespace lx {

namespace {

const QString OnTopKey = QStringLiteral("OnTop");
const QString FormCloseButtonKey = QStringLiteral("FormCloseButton");
constexpr bool DefaultValue = true;

// Where Close sits in the standard menu of a sizable window with minimise
// and maximise boxes; shorter menus have something else there, or nothing.
constexpr int ClosePosition = 6;

// The size the control keeps on a design surface.
constexpr float DesignSize = 480.0f;

} // namespace

LxOnTop::LxOnTop(QWidget* parent)
    : Control(parent) {
    // Hidden until a designer shows it; never shown with its running form.
    setVisible(false);
    Control::Move(Left(), Top(), DesignSize, DesignSize);
}

void LxOnTop::setOnTop(bool New_OnTop) {
    m_OnTop = New_OnTop;
    markChanged(OnTopKey);
    if (UserMode()) {
        ApplyToParent();
    }
}

void LxOnTop::setFormCloseButton(bool New_FormCloseButton) {
    m_FormCloseButton = New_FormCloseButton;
    markChanged(FormCloseButtonKey);
    if (UserMode()) {
        ApplyToParent();
    }
}

void LxOnTop::InitProperties() {
    m_FormCloseButton = true;
    m_OnTop = true;
}

void LxOnTop::ReadProperties(const PropertyBag& bag) {
    // Each step on its own: an unreadable value leaves the rest to be read.
    bindParentForm();
    suppressErrors([&] {
        m_FormCloseButton = bag_value::toBool(bag.ReadProperty(FormCloseButtonKey, DefaultValue));
    });
    suppressErrors([&] { m_OnTop = bag_value::toBool(bag.ReadProperty(OnTopKey, DefaultValue)); });
}

void LxOnTop::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(FormCloseButtonKey, m_FormCloseButton, DefaultValue);
    bag.WriteProperty(OnTopKey, m_OnTop, DefaultValue);
}

void LxOnTop::setVisible(bool visible) {
    // Nothing to see while the program runs.
    Control::setVisible(visible && !UserMode());
}

void LxOnTop::bindParentForm() {
    if (m_parentForm) {
        disconnect(m_parentForm, nullptr, this, nullptr);
    }
    m_parentForm = Control::ParentForm();
    if (m_parentForm) {
        connect(m_parentForm, &Form::Activate, this, &LxOnTop::parentActivate);
    }
}

void LxOnTop::parentActivate() {
    // A form being designed is never changed.
    if (UserMode()) {
        ApplyToParent();
    }
}

void LxOnTop::ApplyToParent() {
    if (!m_parentForm) {
        return;
    }
    WindowSystem::instance().setTopmost(*m_parentForm, m_OnTop);
    // Only ever removes: True leaves a removed Close entry removed.
    if (!m_FormCloseButton) {
        SystemMenu::of(*m_parentForm).removeAt(ClosePosition);
    }
}

void LxOnTop::resizeEvent(QResizeEvent* event) {
    Control::resizeEvent(event);
    if (Width() != DesignSize || Height() != DesignSize) {
        Control::Move(Left(), Top(), DesignSize, DesignSize);
    }
}

void LxOnTop::paintEvent(QPaintEvent* /*event*/) {
    // Two stacked windows, the front one highlighted: the designer's glyph.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect back(2, 2, width() - 12, height() - 12);
    const QRect front = back.translated(8, 8);
    painter.fillRect(back, palette().button());
    painter.drawRect(back);
    painter.fillRect(front, palette().base());
    painter.fillRect(QRect(front.left(), front.top(), front.width(), 5), palette().highlight());
    painter.drawRect(front);
}

} // namespace lx
