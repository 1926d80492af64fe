// SPDX-License-Identifier: GPL-3.0-or-later
#include "difficultychoice.h"

#include "chemistry/samplegenerator.h"

namespace drevant {

void DifficultyForm::Form_Load() {
    zeroSampleParams(m_vars);
}

void DifficultyForm::InitialStart_Click(const DifficultyChoice& choice) {
    GenerateSample(m_vars, m_random, m_clock, choice.simple, choice.medium, choice.complex);
    m_host.closeDifficultyWindow();
    m_host.openTitrationWindow();
}

} // namespace drevant
