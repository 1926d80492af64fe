// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>

class QWidget;

namespace drevant {

// In a right-to-left language, moves each control of a window placed by hand to its mirror
// place, as Qt mirrors a laid-out window; nothing moves left-to-right. The drawings given in
// `keepOrientation` (the graph, the burette) move too but are drawn as written.
void mirrorForRightToLeft(QWidget& window, std::initializer_list<QWidget*> keepOrientation = {});

} // namespace drevant
