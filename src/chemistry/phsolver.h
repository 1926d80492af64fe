// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"

namespace drevant {

inline constexpr int PhGridSteps = 1000; // the scan ends at pH 14 (n = 1000) at the latest

// What a solve leaves behind: the grid point where the scan stopped and its pH.
struct PhSolution {
    double HConc = 0;     // mol/L
    double Residual = 0;  // charge-balance residual there, never negative
    double CurrentPh = 0; // -Log10(HConc), a multiple of 0.014
    int steps = 0;        // grid points evaluated
};

// Base-10 logarithm as ln x / ln 10 (not std::log10: the last bits must match that quotient).
double Log10(double x);

// 10^exponent. A whole exponent gives the correctly rounded power on every system (some C
// libraries' pow is off by a unit in the last place there, which moves pH steps and key fields).
double Pow10(double exponent);

// The grid's hydrogen-ion concentration at step n: 10^((-14 n) / 1000).
double gridH(int n);

// Equilibrium pH of the sample after v litres of titrant of normality n were added to v0
// litres of it: walks the fixed pH grid from 0.014 in steps of 0.014 and stops at the first
// point whose charge-balance residual is zero or positive. Never allocates.
PhSolution SolvePh(const SampleTable& params, double kw, double v0, double v, double n);

} // namespace drevant
