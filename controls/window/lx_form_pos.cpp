// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "lx_form_pos.h"

#include "platform/bag_value.h"
#include "window_memory.h"

#include "platform/form.h"
#include "platform/settings_store.h"

#include "platform/error_guard.h"

#include <QPainter>
#include <QTimer>

namespace lx {

namespace {

const QString MinHeightKey = QStringLiteral("MinHeight");
const QString MinWidthKey = QStringLiteral("MinWidth");
const QString CenterFormKey = QStringLiteral("CenterForm");
const QString RememberKey = QStringLiteral("RememberFormPosition");

// Bag defaults; a newly placed instance starts at 0, 0, False, False instead.
constexpr int DefaultMinSize = 3000;
constexpr bool DefaultOption = true;

// The size the control keeps on a design surface.
constexpr float DesignWidth = 240.0f;
constexpr float DesignHeight = 230.0f;

} // namespace

LxFormPos::LxFormPos(QWidget* parent)
    : Control(parent) {
    // Hidden until a designer shows it; never shown with its running form.
    setVisible(false);
    Control::Move(Left(), Top(), DesignWidth, DesignHeight);
}

LxFormPos::~LxFormPos() = default;

void LxFormPos::setMinHeight(int New_MinHeight) {
    m_MinHeight = New_MinHeight;
    markChanged(MinHeightKey);
}

void LxFormPos::setMinWidth(int New_MinWidth) {
    m_MinWidth = New_MinWidth;
    markChanged(MinWidthKey);
}

void LxFormPos::setCenterForm(bool New_CenterForm) {
    m_CenterForm = New_CenterForm;
    markChanged(CenterFormKey);
}

void LxFormPos::setRememberFormPosition(bool New_RememberFormPosition) {
    m_RememberFormPosition = New_RememberFormPosition;
    markChanged(RememberKey);
}

void LxFormPos::ReadProperties(const PropertyBag& bag) {
    if (UserMode()) {
        bindParentForm();
    }
    m_MinHeight = bag_value::toLong(bag.ReadProperty(MinHeightKey, DefaultMinSize));
    m_MinWidth = bag_value::toLong(bag.ReadProperty(MinWidthKey, DefaultMinSize));
    m_CenterForm = bag_value::toBool(bag.ReadProperty(CenterFormKey, DefaultOption));
    m_RememberFormPosition = bag_value::toBool(bag.ReadProperty(RememberKey, DefaultOption));
}

void LxFormPos::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(MinHeightKey, m_MinHeight, DefaultMinSize);
    bag.WriteProperty(MinWidthKey, m_MinWidth, DefaultMinSize);
    bag.WriteProperty(CenterFormKey, m_CenterForm, DefaultOption);
    bag.WriteProperty(RememberKey, m_RememberFormPosition, DefaultOption);
}

void LxFormPos::setVisible(bool visible) {
    // Nothing to see while the program runs.
    Control::setVisible(visible && !UserMode());
}

void LxFormPos::bindParentForm() {
    if (m_parentForm) {
        disconnect(m_parentForm, nullptr, this, nullptr);
    }
    m_parentForm = Control::ParentForm();
    if (!m_parentForm) {
        return;
    }
    connect(m_parentForm, &Form::Load, this, &LxFormPos::parentLoad);
    connect(m_parentForm, &Form::Resize, this, &LxFormPos::parentResize);
    connect(m_parentForm, &Form::Unload, this, [this](int& /*Cancel*/) { parentUnload(); });
}

SettingsStore& LxFormPos::store() {
    if (m_store) {
        return *m_store;
    }
    if (!m_userStore) {
        m_userStore = std::make_unique<SettingsStore>();
    }
    return *m_userStore;
}

void LxFormPos::parentLoad() {
    Form& form = *m_parentForm;
    if (m_RememberFormPosition) {
        const WindowMemory memory(store(), form.Name());
        form.setWindowState(memory.state());
        if (form.WindowState() == Form::Normal) {
            const QRectF place = memory.place(QSizeF(form.Width(), form.Height()));
            form.setWidth(static_cast<float>(place.width()));
            form.setHeight(static_cast<float>(place.height()));
            // A form of fixed size keeps its own size: the window that shows is what must fit.
            const QPointF topLeft = WindowMemory::keptOnScreen(
                QRectF(place.topLeft(), QSizeF(form.Width(), form.Height())));
            form.setLeft(static_cast<float>(topLeft.x()));
            form.setTop(static_cast<float>(topLeft.y()));
            // The frame is not known before the first show: once shown, the window is checked
            // again with it.
            QTimer::singleShot(0, this, [this] { guarded([this] { keepParentOnScreen(); }); });
        }
    }
    if (m_CenterForm && form.WindowState() == Form::Normal) {
        const QPointF centre = WindowMemory::centred(QSizeF(form.Width(), form.Height()));
        form.Move(static_cast<float>(centre.x()), static_cast<float>(centre.y()));
    }
}

void LxFormPos::keepParentOnScreen() {
    if (!m_parentForm || m_parentForm->WindowState() != Form::Normal) {
        return;
    }
    Form& form = *m_parentForm;
    const QRectF outer(form.Left(), form.Top(), form.Width(), form.Height());
    const QPointF topLeft = WindowMemory::keptOnScreen(outer);
    if (topLeft != outer.topLeft()) {
        form.Move(static_cast<float>(topLeft.x()), static_cast<float>(topLeft.y()));
    }
}

void LxFormPos::parentResize() {
    Form& form = *m_parentForm;
    if (form.WindowState() == Form::Minimized) {
        return;
    }
    if (static_cast<double>(form.Width()) < m_MinWidth) {
        form.setWidth(static_cast<float>(m_MinWidth));
    }
    if (static_cast<double>(form.Height()) < m_MinHeight) {
        form.setHeight(static_cast<float>(m_MinHeight));
    }
}

void LxFormPos::parentUnload() {
    Form& form = *m_parentForm;
    WindowMemory memory(store(), form.Name());
    memory.saveState(form.WindowState());
    if (form.WindowState() == Form::Normal && m_RememberFormPosition) {
        memory.savePlace(QRectF(form.Left(), form.Top(), form.Width(), form.Height()));
    }
}

void LxFormPos::resizeEvent(QResizeEvent* event) {
    Control::resizeEvent(event);
    if (Width() != DesignWidth || Height() != DesignHeight) {
        Control::Move(Left(), Top(), DesignWidth, DesignHeight);
    }
}

void LxFormPos::paintEvent(QPaintEvent* /*event*/) {
    // A small window with a corner grip: the glyph a designer shows.
    QPainter painter(this);
    const QRect frame = rect().adjusted(1, 1, -2, -2);
    painter.fillRect(frame, palette().base());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(frame);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 3), palette().highlight());
    painter.drawLine(frame.right() - 4, frame.bottom(), frame.right(), frame.bottom() - 4);
}

} // namespace lx
