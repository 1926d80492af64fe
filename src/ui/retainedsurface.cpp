// SPDX-License-Identifier: GPL-3.0-or-later
#include "retainedsurface.h"

#include "ui/contrast.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

namespace drevant {

namespace {
constexpr int FocusFrameWidth = 2; // pixels
} // namespace

RetainedSurface::RetainedSurface(QWidget* parent, Speech speech)
    : QWidget(parent), m_font(font()), m_speaksPrintedText(speech == Speech::PrintedText) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    clearImage();
}

void RetainedSurface::setSurfaceFont(const QFont& font) {
    m_font = font;
}

QColor RetainedSurface::background() const {
    return palette().color(QPalette::Base);
}
QColor RetainedSurface::foreground() const {
    return palette().color(QPalette::Text);
}

QPen RetainedSurface::pen() const {
    QPen p(foreground(), m_lineWidth);
    p.setCosmetic(true); // width in pixels whatever the twips scale
    return p;
}

void RetainedSurface::clearImage() {
    const QString before = m_speaksPrintedText ? m_printed.text() : QString();
    m_printed.clear();
    announceTextChange(before);
    const qreal dpr = devicePixelRatioF();
    const QSize size = this->size().expandedTo(QSize(1, 1));
    m_image = QImage(size * dpr, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(dpr);
    m_image.fill(background());
    update();
}

void RetainedSurface::resizeEvent(QResizeEvent*) {
    fitImage();
}

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
    const double advance = metrics.horizontalAdvance(text);
    if (layoutDirection() == Qt::RightToLeft) {
        // A right-to-left window mirrors its printed text too: each piece at the mirror place
        // of its print position, read from the right (the graph keeps its written direction).
        p.setLayoutDirection(Qt::RightToLeft);
        const double left = QWidget::width() - x / TwipsPerPixel - advance;
        p.drawText(QRectF(left, y / TwipsPerPixel, advance + 1, metrics.height()),
                   Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    } else {
        const QPointF topLeft(x / TwipsPerPixel, y / TwipsPerPixel);
        p.drawText(topLeft + QPointF(0, metrics.ascent()), text);
    }
    update();
    const double width = advance * TwipsPerPixel;
    const QString before = m_speaksPrintedText ? m_printed.text() : QString();
    m_printed.setLineHeight(lineHeight());
    m_printed.add(x, y, width, text);
    announceTextChange(before);
    return width;
}

void RetainedSurface::announceTextChange(const QString& before) {
    if (!m_speaksPrintedText || !QAccessible::isActive())
        return;
    const QString after = m_printed.text();
    if (after == before)
        return;
    if (after.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, 0, before);
        QAccessible::updateAccessibility(&event);
    } else if (after.startsWith(before)) { // a print adds to the end
        QAccessibleTextInsertEvent event(this, int(before.size()), after.mid(before.size()));
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(this, 0, before, after);
        QAccessible::updateAccessibility(&event);
    }
}

void RetainedSurface::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void RetainedSurface::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void RetainedSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), m_image,
                QRectF(event->rect().topLeft() * m_image.devicePixelRatio(),
                       event->rect().size() * m_image.devicePixelRatio()));
    if (focusPolicy() != Qt::NoFocus) {
        // A surface one can Tab to is a control: it shows its edge against the window. Drawn
        // over the picture, not into it.
        p.setPen(
            outlineOn(palette().color(QPalette::Window), palette().color(QPalette::WindowText)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    if (hasFocus()) {
        // Two pixels in the highlight colour just inside the edge: plain to see on the white
        // panel and on the graph's grid alike.
        p.setPen(QPen(palette().color(QPalette::Highlight), FocusFrameWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

} // namespace drevant
