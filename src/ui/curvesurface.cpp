// SPDX-License-Identifier: GPL-3.0-or-later
#include "curvesurface.h"

#include <QAccessible>

namespace drevant {

CurveSurface::CurveSurface(QWidget* parent) : RetainedSurface(parent) {}

void CurveSurface::setSpokenCurve(const QString& description, const QStringList& rows) {
    const auto oldCount = int(m_rows.size());
    const auto newCount = int(rows.size());
    const bool announce = QAccessible::isActive();
    // Removed rows are announced while they still exist, so that their place can be named.
    if (announce)
        for (int i = oldCount - 1; i >= newCount; --i) {
            QAccessibleEvent event(this, QAccessible::ObjectDestroyed);
            event.setChild(i);
            QAccessible::updateAccessibility(&event);
        }
    if (newCount < oldCount)
        emit rowsShrinking(newCount);
    m_rows = rows;
    if (announce)
        for (int i = oldCount; i < newCount; ++i) {
            QAccessibleEvent event(this, QAccessible::ObjectCreated);
            event.setChild(i);
            QAccessible::updateAccessibility(&event);
        }
    if (accessibleDescription() != description)
        setAccessibleDescription(description); // announces the change itself
}

} // namespace drevant
