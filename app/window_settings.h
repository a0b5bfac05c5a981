// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settings_store.h"

#include <QString>

namespace lx {

// The calculator's own settings (its panes' switches, the chosen picture, the picture folder),
// kept next to the window memory in the form's section of the store.
class WindowSettings {
public:
    WindowSettings(SettingsStore& store, const QString& section)
        : m_store(store)
        , m_section(section) {}

    QString value(const QString& key, const QString& defaultValue = {}) const {
        return m_store.GetSetting(application(), m_section, key, defaultValue);
    }
    void setValue(const QString& key, const QString& value) {
        m_store.SaveSetting(application(), m_section, key, value);
    }
    bool isOn(const QString& key) const { return value(key, off()) == on(); }
    void setOn(const QString& key, bool isOn) { setValue(key, isOn ? on() : off()); }

private:
    static QString application() { return QStringLiteral("LxTervan"); }
    static QString on() { return QStringLiteral("1"); }
    static QString off() { return QStringLiteral("0"); }

    SettingsStore& m_store;
    QString m_section;
};

} // namespace lx
