// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace drevant::testing {

// Switches Qt's accessibility on or off as a screen reader's bridge does. The offscreen
// platform has no bridge, and while accessibility is off Qt sends no accessibility events.
inline bool setAccessibilityActive(bool active) {
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        return false;
    platform->setActive(active);
    return true;
}

} // namespace drevant::testing
