// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QLocale>

class QCoreApplication;

namespace lx {

// Installs the program's own translation for a locale, from the resources under ":/i18n"
// (lxtervan_de.qm, ...), and Qt's translation of its own texts from Qt's translations folder.
// A locale without a translation keeps the program's English; an English one loads nothing.
// Returns whether the program's own translation was found.
bool installTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

} // namespace lx
