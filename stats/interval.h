#pragma once

namespace lx {

// A confidence interval or a range.
struct Interval {
    double lower = 0;
    double upper = 0;
};

} // namespace lx
