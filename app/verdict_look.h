// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

namespace lx::verdict_look {

// A verdict of the text check in the user's words ("consistent only by rounding"), from the
// output's own word ("consistent_by_rounding"); the word itself for one this build does not
// know.
QString words(const QString& verdict, bool holds);

// What the verdict means, a sentence for the tool tip and for screen readers, and what reading
// of the digits it rests on where that matters (the output's word, "truncation").
QString explanation(const QString& verdict, bool holds, const QString& rounding = {});

// The colour its words are written in, readable on the palette's base: green for a result that
// holds, amber for one that holds only one-tailed, red for one that does not, the palette's own
// text for one that cannot be judged.
QColor colour(const QString& verdict, bool holds, const QPalette& palette);

} // namespace lx::verdict_look
