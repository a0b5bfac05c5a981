// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lx {

namespace {

bool install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

bool installTranslations(QCoreApplication& application, const QLocale& locale) {
    // The program and Qt speak English already: an English user loads no catalogue at all.
    const QStringList languages = locale.uiLanguages();
    if (languages.isEmpty() || languages.front().startsWith(QLatin1String("en")) ||
        locale.language() == QLocale::C) {
        return false;
    }
    install(application, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(application, locale, QStringLiteral("lxtervan"), QStringLiteral(":/i18n"));
}

} // namespace lx
