#include "applicationstyle.h"

#include "ui/burettepictures.h"

#include <QApplication>
#include <QFont>
#include <QPixmap>

namespace drevant {

void applyApplicationStyle(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Drevant"));
    QApplication::setOrganizationName(QStringLiteral("Drevant"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    app.setFont(font);
    // The desktop entry's name, by which a Wayland task switcher finds the icon too.
    QGuiApplication::setDesktopFileName(QStringLiteral("drevant"));
    QApplication::setWindowIcon(applicationIcon());
}

QIcon applicationIcon() {
    if (const QIcon made = QGuiApplication::windowIcon(); !made.isNull())
        return made;
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(applicationIconImage(size)));
    QGuiApplication::setWindowIcon(icon);
    return icon;
}

} // namespace drevant
