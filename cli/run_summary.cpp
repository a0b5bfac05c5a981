// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_summary.h"

#include "batch_text.h"

#include <QLocale>

namespace lx::cli {

QLocale summaryLocale() {
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) {
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    }
    return locale;
}

// Numbers as the user reads them in counts, in the user's language.
namespace {

QString countText(std::size_t count) {
    return summaryLocale().toString(static_cast<qulonglong>(count));
}

} // namespace

QString summaryText(std::size_t rows, const RowErrors& failed, const RowErrors& checksFailed,
                    std::size_t forestLeftOut, bool funnelOnly) {
    const QString rowsText =
        rows == 1 ? BatchText::tr("1 row") : BatchText::tr("%1 rows").arg(countText(rows));
    QString text = failed.first ? BatchText::tr("%1, %2 with errors (first: line %3: %4)")
                                      .arg(rowsText, countText(failed.count),
                                           QString::number(failed.first->line),
                                           QString::fromStdString(failed.first->message))
                                : BatchText::tr("%1, none with errors").arg(rowsText);
    if (const auto& first = checksFailed.first) {
        text += BatchText::tr("; %1 with check errors (first: line %2: %3)")
                    .arg(countText(checksFailed.count), QString::number(first->line),
                         QString::fromStdString(first->message));
    }
    if (forestLeftOut > 0 && funnelOnly) {
        text += forestLeftOut == 1 ? BatchText::tr("; 1 row left out of the funnel plot")
                                   : BatchText::tr("; %1 rows left out of the funnel plot")
                                         .arg(countText(forestLeftOut));
    } else if (forestLeftOut > 0) {
        text += forestLeftOut == 1 ? BatchText::tr("; 1 row left out of the forest plot")
                                   : BatchText::tr("; %1 rows left out of the forest plot")
                                         .arg(countText(forestLeftOut));
    }
    return text;
}

} // namespace lx::cli
