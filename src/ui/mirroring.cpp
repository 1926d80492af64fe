// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirroring.h"

#include <QStyle>
#include <QWidget>

namespace drevant {

void mirrorForRightToLeft(QWidget& window, std::initializer_list<QWidget*> keepOrientation) {
    if (window.layoutDirection() != Qt::RightToLeft)
        return;
    for (QObject* child : window.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control->isWindow())
            continue;
        control->setGeometry(
            QStyle::visualRect(Qt::RightToLeft, window.rect(), control->geometry()));
    }
    for (QWidget* drawing : keepOrientation)
        drawing->setLayoutDirection(Qt::LeftToRight);
}

} // namespace drevant
