// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/printing.h"

#include <QFont>
#include <QImage>
#include <QWidget>

namespace drevant {

// A picture box: a widget that shows a retained image, and the drawing surface that the
// print operation, the graph and the message panel draw on. What is drawn stays in the image,
// so it survives covering, minimising and re-showing the window. Coordinates are twips,
// line widths pixels; background and drawing colours are the system's window colours.
class RetainedSurface : public QWidget, public DrawingSurface {
    Q_OBJECT
public:
    explicit RetainedSurface(QWidget* parent = nullptr);

    // The font text is printed and measured in (it sets the print zones).
    void setSurfaceFont(const QFont& font);
    QFont surfaceFont() const { return m_font; }

    void setLineWidth(int pixels) override { m_lineWidth = pixels; }
    int lineWidth() const override { return m_lineWidth; }
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawCircle(int x, int y, int radius) override;
    double averageCharWidth() const override;
    double lineHeight() const override;

    const QImage& image() const { return m_image; }

protected:
    void clearImage() override;
    double drawText(double x, double y, const QString& text) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage& fitImage();
    QColor background() const;
    QColor foreground() const;
    QPen pen() const;

    QImage m_image;
    QFont m_font;
    int m_lineWidth = 1;
};

} // namespace drevant
