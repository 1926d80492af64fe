// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace drevant::keytool {

// Whether a cell of an answer sheet says "strong" (a pKa too low to measure) in English or in
// one of the languages Drevant speaks ("stark", "fort", "fuerte"…), in any case, with or
// without surrounding blanks.
bool isStrongWord(const QString& cell);

} // namespace drevant::keytool
