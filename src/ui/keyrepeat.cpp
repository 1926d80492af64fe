// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyrepeat.h"

#include <QGuiApplication>

namespace drevant {

int keyReleaseWaitMs() {
    return QGuiApplication::platformName() == QLatin1String("xcb") ? XcbRepeatWaitMs : 0;
}

} // namespace drevant
