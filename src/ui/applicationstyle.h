#pragma once

class QApplication;

namespace drevant {

// The font and names every run of the program uses, so text metrics (and with them the
// print zones and screenshots) are the same on every machine; and the accessible objects of
// the program's own widgets.
void applyApplicationStyle(QApplication& app);

} // namespace drevant
