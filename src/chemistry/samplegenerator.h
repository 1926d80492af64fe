// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"
#include "session/platform.h"

namespace drevant {

// Makes up a new unknown sample: zeroes the sample table, then runs the recipe of each
// selected level (Simple, Medium, Complex, in that order), each reseeding the generator from
// the clock once. Writes SampleParams and SystemCode; with no level selected only the zeroing
// happens and SystemCode keeps its value.
void GenerateSample(DeclareVars& vars, RandomSource& random, Clock& clock, bool simple, bool medium,
                    bool complex);

// The five draws, each consuming exactly one u from the generator (64-bit results).
double drawConcentration(double u);  // (u * 9.9 + 0.1) / 1000, mol/L
double drawStrongConstant(double u); // 10^(u * 3)
double drawWeakConstant(double u);   // 10^-(u * 5 + 4)
double drawFirstConstant(double u);  // 10^-(u * 3 + 4)
double drawSecondConstant(double u); // 10^-(u * 3 + 7)

} // namespace drevant
