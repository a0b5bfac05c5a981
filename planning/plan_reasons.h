// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plan.h"

#include <QString>

namespace lx::planning {

// Why a plan or one of its figures is missing, in the user's language.
QString reasonText(const Reason& reason);
QString problemText(power::Problem problem);

} // namespace lx::planning
