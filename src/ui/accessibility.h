// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace drevant {

// Registers the accessible objects of the program's own widgets with Qt: the message panel
// (and any surface that speaks its printed text) as a read-only text, the graph as a list of
// its points under a description, and the setting scroll bars with their quantity as value.
// Safe to call more than once.
void installAccessibility();

} // namespace drevant
