// SPDX-FileCopyrightText: 2026 The LxTervan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "student_test.h"

#include "spread.h"
#include "statistics.h"

#include <cmath>

namespace lx {

StudentInputs studentInputs(const Summary& s) {
    StudentInputs inputs;
    inputs.df = std::int64_t{s.n1} + s.n2 - 2;
    if (inputs.df > 0) {
        const double pooledSd = spread::pooledSd(s.sd1, s.n1, s.sd2, s.n2);
        inputs.se1 = spread::standardError(pooledSd, s.n1);
        inputs.se2 = spread::standardError(pooledSd, s.n2);
    }
    return inputs;
}

double studentT(const Summary& s) {
    const StudentInputs inputs = studentInputs(s);
    double t = 0;
    Statistics().TStudent(s.m1, inputs.se1, s.m2, inputs.se2, t);
    return t;
}

double signedStudentT(const Summary& s) {
    return std::copysign(studentT(s), s.m1 - s.m2);
}

} // namespace lx
