#pragma once

#include "two_sample_report.h"

namespace lx {

// The lowest and highest two-tailed p of the pooled and of Welch's test over every summary the
// typed (rounded) means and SDs could stand for: each within half a unit of its last digit,
// SDs floored at 0. p falls as |M1 - M2| grows, so only the smallest and the largest difference
// matter, each with the four corners of the SDs.
Figure<Interval> pooledPRange(const Summary& summary, const TypedDecimals& decimals);
Figure<Interval> welchPRange(const Summary& summary, const TypedDecimals& decimals);

} // namespace lx
