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

signals:
    // A row is about to go: its accessible object must be let go of before the row is.
    void rowsShrinking(int newCount);

private:
    QStringList m_rows;
};

} // namespace drevant
