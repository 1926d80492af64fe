#include "applicationstyle.h"

#include "ui/accessibility.h"

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
    installAccessibility();
}

} // namespace drevant
