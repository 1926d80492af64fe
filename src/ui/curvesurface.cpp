// SPDX-License-Identifier: GPL-3.0-or-later
#include "curvesurface.h"

#include "ui/twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <climits>

namespace drevant {

CurveSurface::CurveSurface(QWidget* parent) : RetainedSurface(parent) {
    setMouseTracking(true); // hovering names the nearest point
}

bool CurveSurface::event(QEvent* event) {
    // The hover help of a curve with points is the point under the pointer, not the
    // graph's general tooltip.
    if (event->type() == QEvent::ToolTip && m_shown >= 0) {
        QToolTip::showText(m_shownAt, m_rows.at(m_shown), this);
        return true;
    }
    return RetainedSurface::event(event);
}

void CurveSurface::mouseMoveEvent(QMouseEvent* event) {
    emit pointerAt(event->position() * TwipsPerPixel / scale());
    RetainedSurface::mouseMoveEvent(event);
}

void CurveSurface::leaveEvent(QEvent* event) {
    QToolTip::hideText();
    RetainedSurface::leaveEvent(event);
}

void CurveSurface::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        emit pointStep(-1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Up:
        emit pointStep(1);
        return;
    case Qt::Key_Home:
        emit pointStep(INT_MIN);
        return;
    case Qt::Key_End:
        emit pointStep(INT_MAX);
        return;
    default:
        RetainedSurface::keyPressEvent(event);
    }
}

void CurveSurface::showPoint(int row, QPoint markerTwips) {
    if (row < 0 || row >= int(m_rows.size())) {
        m_shown = -1;
        QToolTip::hideText();
        return;
    }
    m_shownAt = mapToGlobal((QPointF(markerTwips) * scale() / TwipsPerPixel).toPoint());
    QToolTip::showText(m_shownAt, m_rows.at(row), this);
    if (m_shown == row)
        return;
    m_shown = row;
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(row);
        QAccessible::updateAccessibility(&event);
    }
}

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
    if (m_shown >= newCount)
        showPoint(-1, {});
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
