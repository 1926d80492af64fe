// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chemistry/phsolver.h"
#include "support/sampletables.h"

#include <cmath>
#include <cstring>
#include <ostream>

namespace drevant::testing {

// The ion product of water as the titration window computes it.
inline const double Kw = std::pow(10.0, -14.0);

// Same bits in every result, not just equal values: -0 and +0 or two NaNs would differ here.
inline bool sameBits(const PhSolution& a, const PhSolution& b) {
    return std::memcmp(&a.HConc, &b.HConc, sizeof a.HConc) == 0 &&
           std::memcmp(&a.Residual, &b.Residual, sizeof a.Residual) == 0 &&
           std::memcmp(&a.CurrentPh, &b.CurrentPh, sizeof a.CurrentPh) == 0 && a.steps == b.steps;
}

} // namespace drevant::testing

namespace drevant {

// For failure messages (found by argument-dependent lookup, so it lives beside PhSolution).
inline std::ostream& operator<<(std::ostream& out, const PhSolution& s) {
    return out << "{pH " << s.CurrentPh << ", steps " << s.steps << ", H " << s.HConc
               << ", residual " << s.Residual << "}";
}

} // namespace drevant
