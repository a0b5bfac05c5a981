// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QStringView>

// What the words around a result say of it: its effect size, its groups' sizes, means and SDs,
// and whether its test was one-sided.
namespace lx::text_check {

// Its own sentence's effect size comes after a result, in text [result.end, to). One before it,
// in [from, result.start), counts only where none follows and no earlier result lies within
// reach, whose it would be.
void findEffect(QStringView text, qsizetype from, qsizetype to, bool earlierResult,
                FoundResult& result);

// "n1 = 12", "n₂ = 14", "N = 40" in the window.
void findGroupSizes(QStringView window, FoundResult& result);

// The two groups a result compares are described before it ("A (M = 5.2, SD = 1.1) scored
// higher than B (M = 4.3, SD = 1.2), t(28) = ..."), the last two there; else after it, the
// first two. One group alone says nothing about which set it is.
void findDescriptives(QStringView before, QStringView after, FoundResult& result);

// "one-tailed", "one-sided", "directional", "einseitig", "gerichtet".
bool saysOneSided(QStringView window);

} // namespace lx::text_check
