// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include "platform/core/lx_export.h"
#include <QString>
#include <memory>

class QSettings;

namespace lx {

// The per-user settings store: text values addressed by application,
// section and key. Backed by QSettings; a store opened on a file (tests)
// keeps everything in that one INI file.
class LX_EXPORT SettingsStore {
public:
    // The user's own store (QSettings' native location for the organisation
    // and application name).
    SettingsStore();
    // A store in one INI file.
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value);
    bool contains(const QString& application, const QString& section, const QString& key) const;

    // Writes pending changes to storage now.
    void sync();

private:
    QSettings& settingsFor(const QString& application) const;

    QString m_iniFile;
    mutable std::unique_ptr<QSettings> m_settings;
    mutable QString m_application;
};

} // namespace lx
