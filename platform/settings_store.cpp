// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "settings_store.h"

#include <QSettings>

namespace lx {

namespace {
QString path(const QString& section, const QString& key) {
    return section + u'/' + key;
}
} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString& iniFile)
    : m_iniFile(iniFile) {}

SettingsStore::~SettingsStore() = default;

QSettings& SettingsStore::settingsFor(const QString& application) const {
    // One application per store in practice; reopen only when it changes.
    if (!m_settings || m_application != application) {
        m_application = application;
        if (m_iniFile.isEmpty()) {
            m_settings = std::make_unique<QSettings>(application, application);
        } else {
            m_settings = std::make_unique<QSettings>(m_iniFile, QSettings::IniFormat);
            m_settings->beginGroup(application);
        }
    }
    return *m_settings;
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& defaultValue) const {
    return settingsFor(application).value(path(section, key), defaultValue).toString();
}

void SettingsStore::SaveSetting(const QString& application, const QString& section,
                                const QString& key, const QString& value) {
    settingsFor(application).setValue(path(section, key), value);
}

bool SettingsStore::contains(const QString& application, const QString& section,
                             const QString& key) const {
    return settingsFor(application).contains(path(section, key));
}

void SettingsStore::sync() {
    if (m_settings) {
        m_settings->sync();
    }
}

} // namespace lx
