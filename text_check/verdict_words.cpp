// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "verdict_words.h"

namespace lx::text_check {

const char* verdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Consistent:
        return "consistent";
    case Verdict::ConsistentByRounding:
        return "consistent_by_rounding";
    case Verdict::Inconsistent:
        return "inconsistent";
    case Verdict::DecisionError:
        return "decision_error";
    case Verdict::OneTailedConsistent:
        return "one_tailed_consistent";
    case Verdict::TwoTailedP:
        return "two_tailed_p";
    case Verdict::Impossible:
        return "impossible";
    case Verdict::NotComputable:
        return "not_computable";
    }
    return "";
}

const char* effectWord(EffectVerdict verdict) {
    switch (verdict) {
    case EffectVerdict::NotChecked:
        return "";
    case EffectVerdict::Consistent:
        return "consistent";
    case EffectVerdict::Inconsistent:
        return "inconsistent";
    }
    return "";
}

const char* roundingWord(RoundingRule rule) {
    switch (rule) {
    case RoundingRule::None:
        return "none";
    case RoundingRule::TRounding:
        return "t_rounding";
    case RoundingRule::Truncation:
        return "truncation";
    }
    return "";
}

const char* statisticWord(Statistic statistic) {
    return statistic == Statistic::F ? "F" : "t";
}

const char* relationWord(reported::ReportedP::Relation relation) {
    switch (relation) {
    case reported::ReportedP::Relation::Less:
        return "<";
    case reported::ReportedP::Relation::Greater:
        return ">";
    case reported::ReportedP::Relation::Equal:
        break;
    }
    return "=";
}

} // namespace lx::text_check
