// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "found_result.h"
#include "judge.h"

namespace lx::text_check {

// The words a verdict is written as in the program's output, the same in every language.
const char* verdictWord(Verdict verdict);
const char* effectWord(EffectVerdict verdict);
const char* roundingWord(RoundingRule rule);
const char* statisticWord(Statistic statistic);
// The comparison of a reported p as the output writes it: "=", "<", ">".
const char* relationWord(reported::ReportedP::Relation relation);

// Every verdict, in the order a summary lists them.
inline constexpr Verdict allVerdicts[] = {
    Verdict::Consistent, Verdict::ConsistentByRounding, Verdict::OneTailedConsistent,
    Verdict::TwoTailedP, Verdict::Inconsistent,         Verdict::DecisionError,
    Verdict::Impossible, Verdict::NotComputable};

} // namespace lx::text_check
