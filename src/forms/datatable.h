// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"
#include "session/printing.h"

namespace drevant {

inline constexpr int DataPageRows = 7;

// Prints page `page` of the data table (points 7p+1 to 7p+7) under its header on a cleared
// panel: volume in mL and pH with two decimals each. Returns true when the page met the end
// of the data, after printing "End of data". The numbers are in the user's format `locale`.
bool printDataPage(DrawingSurface& panel, const DeclareVars& vars, int page, const QLocale& locale);

} // namespace drevant
