// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace lx {

// The named-value store in which a control saves its design-time properties.
// Keys keep the order in which they were first written, so a saved form reads
// the same way every time.
class LX_EXPORT PropertyBag {
public:
    // The stored value, or defaultValue when key is absent.
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue = {}) const;

    // Stores value under key unless it equals defaultValue, in which case the
    // key is removed: only differences from the defaults are kept.
    void WriteProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue = {});

    bool contains(const QString& key) const;
    QStringList keys() const;
    int size() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Stores value under key as it is (used by the text reader).
    void insert(const QString& key, const QVariant& value);

    // Whether two bag values stand for the same property value: pictures and
    // fonts compare by content, numbers across integer widths.
    static bool sameValue(const QVariant& a, const QVariant& b);

    bool operator==(const PropertyBag& other) const;

private:
    qsizetype indexOf(const QString& key) const;

    QList<QPair<QString, QVariant>> m_entries;
};

} // namespace lx
