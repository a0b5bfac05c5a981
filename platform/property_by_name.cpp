// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "property_by_name.h"

#include "core/runtime_error.h"

#include <QMetaProperty>
#include <QObject>

namespace lx {

namespace {

QMetaProperty declaredProperty(const QObject& control, const char* name) {
    const QMetaObject* meta = control.metaObject();
    const int index = meta->indexOfProperty(name);
    if (index < 0) {
        throw RuntimeError(ErrorNumber::InvalidArgument,
                           std::string(meta->className()) + " has no property " + name);
    }
    return meta->property(index);
}

} // namespace

QVariant readProperty(const QObject& control, const char* name) {
    return declaredProperty(control, name).read(&control);
}

void writeProperty(QObject& control, const char* name, const QVariant& value) {
    QMetaProperty property = declaredProperty(control, name);
    QVariant converted = value;
    if (!converted.convert(property.metaType()) || !property.write(&control, converted)) {
        throw RuntimeError(ErrorNumber::TypeMismatch,
                           std::string("Cannot set ") + name + " to this value");
    }
}

} // namespace lx
