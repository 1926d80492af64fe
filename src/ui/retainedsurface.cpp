// SPDX-License-Identifier: GPL-3.0-or-later
#include "retainedsurface.h"

#include "ui/twips.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

namespace drevant {

RetainedSurface::RetainedSurface(QWidget* parent) : QWidget(parent), m_font(font()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    clearImage();
}

void RetainedSurface::setSurfaceFont(const QFont& font) { m_font = font; }

QColor RetainedSurface::background() const { return palette().color(QPalette::Base); }
QColor RetainedSurface::foreground() const { return palette().color(QPalette::Text); }

QPen RetainedSurface::pen() const {
    QPen p(foreground(), m_lineWidth);
    p.setCosmetic(true); // width in pixels whatever the twips scale
    return p;
}

void RetainedSurface::clearImage() {
    const qreal dpr = devicePixelRatioF();
    const QSize size = this->size().expandedTo(QSize(1, 1));
    m_image = QImage(size * dpr, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(dpr);
    m_image.fill(background());
    update();
}

void RetainedSurface::resizeEvent(QResizeEvent*) { fitImage(); }

QImage& RetainedSurface::fitImage() {
    // A window draws on its surfaces while it loads, before it is shown and before Qt has
    // sent the resize events: the image follows the geometry the layout has set, keeping
    // what is drawn when the widget grows or the screen's pixel ratio changes.
    const qreal dpr = devicePixelRatioF();
    if (m_image.size() != size() * dpr) {
        QImage old = m_image;
        clearImage();
        QPainter p(&m_image);
        p.drawImage(QPointF(0, 0), old);
    }
    return m_image;
}

void RetainedSurface::drawLine(int x1, int y1, int x2, int y2) {
    QPainter p(&fitImage());
    p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    p.setPen(pen());
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    update();
}

void RetainedSurface::drawCircle(int x, int y, int radius) {
    QPainter p(&fitImage());
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    p.setPen(pen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(x, y), radius, radius);
    update();
}

double RetainedSurface::averageCharWidth() const {
    return QFontMetricsF(m_font).averageCharWidth() * TwipsPerPixel;
}

double RetainedSurface::lineHeight() const {
    return QFontMetricsF(m_font).height() * TwipsPerPixel;
}

double RetainedSurface::drawText(double x, double y, const QString& text) {
    const QFontMetricsF metrics(m_font);
    QPainter p(&fitImage());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(m_font);
    p.setPen(foreground());
    const QPointF topLeft(x / TwipsPerPixel, y / TwipsPerPixel);
    p.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    update();
    return metrics.horizontalAdvance(text) * TwipsPerPixel;
}

void RetainedSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), m_image,
                QRectF(event->rect().topLeft() * m_image.devicePixelRatio(),
                       event->rect().size() * m_image.devicePixelRatio()));
}

} // namespace drevant
