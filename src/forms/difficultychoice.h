// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/windowhost.h"
#include "session/declarevars.h"
#include "session/platform.h"

namespace drevant {

// The option group's state as the window shows it; read when "Begin" is pressed.
struct DifficultyChoice {
    bool simple = true; // the option group starts with "Simple System" selected
    bool medium = false;
    bool complex = false;
};

// The difficulty window's handlers, apart from its widgets.
class DifficultyForm {
public:
    DifficultyForm(DeclareVars& vars, RandomSource& random, Clock& clock, WindowHost& host)
        : m_vars(vars), m_random(random), m_clock(clock), m_host(host) {}

    // Runs at every load of the window: zeroes the sample table, nothing else.
    void Form_Load();
    // "Begin": makes up the sample, closes the difficulty window, then opens the titration
    // window, so the sample is complete before the titration window loads.
    void InitialStart_Click(const DifficultyChoice& choice);

private:
    DeclareVars& m_vars;
    RandomSource& m_random;
    Clock& m_clock;
    WindowHost& m_host;
};

} // namespace drevant
