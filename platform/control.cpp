// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "control.h"

#include "core/runtime_error.h"
#include "error_guard.h"
#include "form.h"
#include "form_setup.h"
#include "twips.h"

#include <QApplication>
#include <limits>

namespace lx {

Control::Control(QWidget* parent)
    : QWidget(parent)
    , m_userMode(!buildingForm()) {}

void Control::ReadProperties(const PropertyBag& /*bag*/) {}

void Control::WriteProperties(PropertyBag& /*bag*/) const {}

QFont Control::AmbientFont() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

short Control::integer16(int value) {
    if (value < std::numeric_limits<short>::min() || value > std::numeric_limits<short>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<short>(value);
}

void Control::runSetter(const std::function<void()>& work) {
    if (m_reportsSetterErrors) {
        guarded(work);
    } else {
        work();
    }
}

Form* Control::ParentForm() const {
    return qobject_cast<Form*>(window());
}

void Control::requireDesignTime() const {
    if (UserMode()) {
        throw RuntimeError(ErrorNumber::DesignTimeOnly);
    }
}

QRectF Control::twipPlacement() const {
    // Someone else (a layout, the user) may have moved the widget since: then
    // the pixels are the truth.
    if (twips::toPixels(m_twips) == geometry()) {
        return m_twips;
    }
    const QRect px = geometry();
    return QRectF(twips::fromPixels(px.x()), twips::fromPixels(px.y()),
                  twips::fromPixels(px.width()), twips::fromPixels(px.height()));
}

void Control::setTwipPlacement(const QRectF& twipRect) {
    m_twips = twipRect;
    setGeometry(twips::toPixels(twipRect));
}

} // namespace lx
