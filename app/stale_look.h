// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// Results that no longer belong to the input boxes look it: their text is drawn in the disabled
// text colour of the widget's own palette (so a dark theme keeps working), and a screen reader
// hears "out of date" as the widget's description. Nothing is cleared.
namespace lx::stale_look {

void apply(QWidget& widget, bool stale);

// What a screen reader hears of a stale result.
QString description();

} // namespace lx::stale_look
