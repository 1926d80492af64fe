// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace drevant {

// The font and names every run of the program uses, so text metrics (and with them the
// print zones and screenshots) are the same on every machine.
void applyApplicationStyle(QApplication& app);

} // namespace drevant
