// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include <QVariant>

class QObject;

namespace lx {

// Properties of a control reached by name, for code that knows nothing of
// the control's class. Unlike QObject::property/setProperty, a misspelt or
// absent name is an error here instead of an invalid value or a new dynamic
// property. Both throw RuntimeError (InvalidArgument) naming the property.
LX_EXPORT QVariant readProperty(const QObject& control, const char* name);
// Also throws (TypeMismatch) when the value cannot become the property's type.
LX_EXPORT void writeProperty(QObject& control, const char* name, const QVariant& value);

} // namespace lx
