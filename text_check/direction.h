// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"

#include <QStringView>

namespace lx::text_check {

// Whether the difference a text reports runs the way it said it would, from what the words
// around a result state:
// - a prediction ("we predicted that group A would score higher than group B", "erwarteten,
//   dass Gruppe A höher als Gruppe B") and a finding ("group A scored lower than group B",
//   "Gruppe A lag niedriger als Gruppe B") of the same two groups, each with a comparative
//   ("higher", "lower", "more", "less", ..., German "höher", "niedriger", ...) and "than"/"als";
// - or the words alone: "as predicted", "wie erwartet"; "contrary to the prediction", "in the
//   unexpected direction", "entgegen der Hypothese".
StatedDirection statedDirection(QStringView window);

} // namespace lx::text_check
