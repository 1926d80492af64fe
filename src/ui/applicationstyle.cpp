// SPDX-License-Identifier: GPL-3.0-or-later
#include "applicationstyle.h"

#include <QApplication>
#include <QFont>

namespace drevant {

void applyApplicationStyle(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Drevant"));
    QApplication::setOrganizationName(QStringLiteral("Drevant"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}

} // namespace drevant
