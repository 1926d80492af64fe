// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chemistry/phsolver.h"

#include <cmath>

namespace drevant::testing {

// The pH scan written out plainly: the power at every step and every term inside the loop,
// products of table entries in the wider kind of the two. The oracle SolvePh must match bit
// for bit (tests and benchmarks compare the two).
inline PhSolution SolvePhPlainScan(const SampleTable& p, double kw, double v0, double v, double n) {
    const auto product = [](Number a, Number b) { return (a * b).toDouble(); };
    const double twiceK2 = (Number::integer(2) * p[DiproticK2]).toDouble();
    const double d = v0 / (v + v0);
    const double na = (v * n) / (v + v0);
    PhSolution s;
    s.Residual = -1;
    int step = 1;
    while (s.Residual < 0) {
        const double h = Pow10((-14 * step) / 1000.0);
        s.HConc = h;
        const double q =
            (product(p[DiproticK1], p[DiproticK2]) + p[DiproticK1].toDouble() * h) + h * h;
        const double a1 = (product(p[Acid1Conc], p[Acid1K]) * d) / (h + p[Acid1K].toDouble());
        const double a2 = (product(p[Acid2Conc], p[Acid2K]) * d) / (h + p[Acid2K].toDouble());
        const double a3 = (product(p[Acid3Conc], p[Acid3K]) * d) / (h + p[Acid3K].toDouble());
        const double b = ((product(p[DiproticConc], p[DiproticK1]) * d) * (h + twiceK2)) / q;
        s.Residual = ((((kw / h + a1) + a2) + a3) + b) - h - na;
        s.steps = step;
        ++step;
    }
    s.CurrentPh = -Log10(s.HConc);
    return s;
}

} // namespace drevant::testing
