// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>

class QApplication;

namespace drevant {

// The font and names every run of the program uses, so text metrics (and with them the
// print zones and screenshots) are the same on every machine; the program's burette icon for
// every window; and the accessible objects of the program's own widgets.
void applyApplicationStyle(QApplication& app);

// The font of every window's controls at 100 %, given to each window itself so that no desktop
// font setting changes the layout.
QFont windowFont();

// The program's burette icon, drawn at the sizes title bars and task switchers ask for. Made
// once and kept as the application's window icon.
QIcon applicationIcon();

} // namespace drevant
