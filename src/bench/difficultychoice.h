// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/windowhost.h"
#include "session/declarevars.h"
#include "session/platform.h"

namespace drevant {

// The difficulty window's work, apart from its widgets.
struct DifficultyChoice {
    bool simple = true; // the option group starts with "Simple System" selected
    bool medium = false;
    bool complex = false;
};

// Form1's load handler: zeroes the sample table, nothing else.
void difficultyFormLoad(DeclareVars& vars);

// "Begin": makes up the sample, closes the difficulty window, then opens the titration
// window, so the sample is complete before the titration window loads.
void InitialStart_Click(DeclareVars& vars, RandomSource& random, Clock& clock,
                        const DifficultyChoice& choice, WindowHost& host);

} // namespace drevant
