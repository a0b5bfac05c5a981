// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "property_bag.h"

#include "bag_value.h"

#include <QFont>
#include <QImage>
#include <QPixmap>

namespace lx {

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const {
    const qsizetype i = indexOf(key);
    return i < 0 ? defaultValue : m_entries.at(i).second;
}

void PropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                const QVariant& defaultValue) {
    const qsizetype i = indexOf(key);
    if (sameValue(value, defaultValue)) {
        if (i >= 0) {
            m_entries.removeAt(i);
        }
        return;
    }
    if (i >= 0) {
        m_entries[i].second = value;
    } else {
        m_entries.append({key, value});
    }
}

bool PropertyBag::contains(const QString& key) const {
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const {
    QStringList result;
    for (const auto& entry : m_entries) {
        result.append(entry.first);
    }
    return result;
}

void PropertyBag::insert(const QString& key, const QVariant& value) {
    const qsizetype i = indexOf(key);
    if (i >= 0) {
        m_entries[i].second = value;
    } else {
        m_entries.append({key, value});
    }
}

bool PropertyBag::sameValue(const QVariant& a, const QVariant& b) {
    if (!a.isValid() || !b.isValid()) {
        // "No picture" is written as an invalid default.
        const auto isEmptyPicture = [](const QVariant& v) {
            return !v.isValid() ||
                   (v.typeId() == QMetaType::QPixmap && v.value<QPixmap>().isNull());
        };
        return isEmptyPicture(a) && isEmptyPicture(b);
    }
    if (a.typeId() == QMetaType::QPixmap && b.typeId() == QMetaType::QPixmap) {
        const QPixmap pa = a.value<QPixmap>();
        const QPixmap pb = b.value<QPixmap>();
        if (pa.isNull() || pb.isNull()) {
            return pa.isNull() == pb.isNull();
        }
        return pa.cacheKey() == pb.cacheKey() || pa.toImage() == pb.toImage();
    }
    if (a.typeId() == QMetaType::QFont && b.typeId() == QMetaType::QFont) {
        return a.value<QFont>() == b.value<QFont>();
    }
    if (bag_value::isWholeNumber(a) && bag_value::isWholeNumber(b)) {
        return a.toLongLong() == b.toLongLong();
    }
    if (a.typeId() == QMetaType::Bool || b.typeId() == QMetaType::Bool) {
        return a.typeId() == b.typeId() && a.toBool() == b.toBool();
    }
    return a == b;
}

bool PropertyBag::operator==(const PropertyBag& other) const {
    if (m_entries.size() != other.m_entries.size()) {
        return false;
    }
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first != other.m_entries[i].first ||
            !sameValue(m_entries[i].second, other.m_entries[i].second)) {
            return false;
        }
    }
    return true;
}

qsizetype PropertyBag::indexOf(const QString& key) const {
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].first.compare(key, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace lx
