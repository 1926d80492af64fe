// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms without a watch of their own yet: their requests to end keep the default action.
#include "export/terminationsignals.h"

namespace drevant {

void watchTerminationSignals(QObject*, std::function<void()>) {}

void endAsRequested() {}

} // namespace drevant
