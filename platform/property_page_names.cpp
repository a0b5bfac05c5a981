// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "property_page_names.h"

#include <QMetaClassInfo>
#include <QObject>

namespace lx {

namespace {

const QLatin1StringView PagesKey("PropertyPages");
const QLatin1StringView BrowsingPrefix("BrowsingPage.");

QStringList names(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

QStringList propertyPagesOf(const QMetaObject& meta) {
    const int index = meta.indexOfClassInfo(PagesKey.data());
    return index < 0 ? QStringList() : names(meta.classInfo(index).value());
}

QString browsingPageOf(const QMetaObject& meta, const QString& property) {
    // Most derived class first, so a subclass can take a property over.
    for (int i = meta.classInfoCount() - 1; i >= 0; --i) {
        const QMetaClassInfo info = meta.classInfo(i);
        const QString key = QString::fromUtf8(info.name());
        if (key.startsWith(BrowsingPrefix) && names(info.value()).contains(property)) {
            return key.mid(BrowsingPrefix.size());
        }
    }
    return {};
}

QStringList commonPropertyPages(const QList<QObject*>& controls) {
    if (controls.isEmpty()) {
        return {};
    }
    QStringList common = propertyPagesOf(*controls.first()->metaObject());
    for (QObject* control : controls) {
        const QStringList own = propertyPagesOf(*control->metaObject());
        common.removeIf([&own](const QString& name) { return !own.contains(name); });
    }
    return common;
}

} // namespace lx
