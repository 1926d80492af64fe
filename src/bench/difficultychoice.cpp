// SPDX-License-Identifier: GPL-3.0-or-later
#include "difficultychoice.h"

#include "chemistry/samplegenerator.h"

namespace drevant {

void difficultyFormLoad(DeclareVars& vars) { zeroSampleParams(vars); }

void InitialStart_Click(DeclareVars& vars, RandomSource& random, Clock& clock,
                        const DifficultyChoice& choice, WindowHost& host) {
    GenerateSample(vars, random, clock, choice.simple, choice.medium, choice.complex);
    host.closeDifficultyWindow();
    host.openTitrationWindow();
}

} // namespace drevant
