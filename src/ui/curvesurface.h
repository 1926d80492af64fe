// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/retainedsurface.h"

#include <QStringList>

namespace drevant {

// The graph's surface. Besides the picture it keeps what a screen reader is told about the
// curve: a short description and one row per plotted point, and it tells assistive technology
// when points come and go.
class CurveSurface : public RetainedSurface {
    Q_OBJECT
public:
    explicit CurveSurface(QWidget* parent = nullptr);

    // Sets the description and the rows; announces the rows removed, then those added.
    void setSpokenCurve(const QString& description, const QStringList& rows);
    const QStringList& spokenRows() const { return m_rows; }

    // The point (a row, from 0) picked by the pointer or the arrow keys, or -1. It is shown in
    // a tooltip beside its marker at `markerTwips` and told to assistive technology as the
    // focused row; the picture does not change.
    void showPoint(int row, QPoint markerTwips);
    int shownPoint() const { return m_shown; }

signals:
    // The pointer is over the graph at this place in twips.
    void pointerAt(QPointF twips);
    // An arrow key asks for the point `step` rows on (-1, 1), or the first or last (Home and
    // End: a large step).
    void pointStep(int step);

    // A row is about to go: its accessible object must be let go of before the row is.
    void rowsShrinking(int newCount);

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QStringList m_rows;
    int m_shown = -1;
    QPoint m_shownAt; // the shown point's marker, in global pixels
};

} // namespace drevant
