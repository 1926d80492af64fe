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

void RetainedSurface::clearImage() {
    const QString before = m_speaksPrintedText ? m_printed.text() : QString();
    m_printed.clear();
    m_steps.clear();
    announceTextChange(before);
    const qreal dpr = devicePixelRatioF();
    const QSize size = this->size().expandedTo(QSize(1, 1));
    m_image = QImage(size * dpr, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(dpr);
    m_image.fill(background());
    m_imageScale = m_scale;
    update();
}

void RetainedSurface::setScale(double factor) {
    m_scale = factor;
    update();
}

void RetainedSurface::resizeEvent(QResizeEvent*) {
    update();
}

void RetainedSurface::changeEvent(QEvent* event) {
    // A desktop switching between a light and a dark theme: what is drawn takes the new
    // colours, drawn again from its steps.
    if (event->type() == QEvent::PaletteChange) {
        m_image = QImage();
        update();
    }
    QWidget::changeEvent(event);
}

QImage& RetainedSurface::fitImage() {
    // A window draws on its surfaces while it loads, before it is shown and before Qt has
    // sent the resize events: the image follows the geometry the layout has set and the
    // factor, and what is drawn is drawn again on it.
    const qreal dpr = devicePixelRatioF();
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (m_image.size() != size * dpr || m_imageScale != m_scale) {
        m_image = QImage(size * dpr, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(dpr);
        m_image.fill(background());
        m_imageScale = m_scale;
        QPainter p(&m_image);
        for (const Step& step : m_steps)
            drawStep(p, step);
        ++m_redraws;
    }
    return m_image;
}

void RetainedSurface::drawStep(QPainter& p, const Step& step) const {
    p.save();
    switch (step.kind) {
    case Step::Line:
    case Step::Circle: {
        p.setRenderHint(QPainter::Antialiasing, step.kind == Step::Circle);
        p.scale(m_scale / TwipsPerPixel, m_scale / TwipsPerPixel);
        QPen pen(foreground(), step.lineWidth * m_scale);
        pen.setCosmetic(true); // width in pixels whatever the twips scale
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        if (step.kind == Step::Line)
            p.drawLine(QPointF(step.x1, step.y1), QPointF(step.x2, step.y2));
        else
            p.drawEllipse(QPointF(step.x1, step.y1), step.x2, step.x2);
        break;
    }
    case Step::Text: {
        // Laid out in the font at factor 1 and enlarged as a whole, so that every glyph keeps
        // its place in the line; the painter draws the glyphs at the enlarged size.
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(m_scale, m_scale);
        p.setFont(m_font);
        p.setPen(foreground());
        const QRectF place = textRect(step);
        if (layoutDirection() == Qt::RightToLeft) {
            // A right-to-left window mirrors its printed text too (the graph keeps its
            // direction).
            p.setLayoutDirection(Qt::RightToLeft);
            p.drawText(place.adjusted(0, 0, 1, 0),
                       Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                       step.text);
            break;
        }
        p.drawText(place.topLeft() + QPointF(0, QFontMetricsF(m_font).ascent()), step.text);
        break;
    }
    }
    p.restore();
}

QRectF RetainedSurface::textRect(const Step& step) const {
    const QFontMetricsF metrics(m_font);
    const double advance = metrics.horizontalAdvance(step.text);
    double left = step.x1 / TwipsPerPixel;
    if (layoutDirection() == Qt::RightToLeft)
        left = width() / m_scale - MirroredTextInset - left - advance;
    return QRectF(left, step.y1 / TwipsPerPixel, advance, metrics.height());
}

std::vector<RetainedSurface::DrawnText> RetainedSurface::drawnText() const {
    std::vector<DrawnText> drawn;
    for (const Step& step : m_steps) {
        if (step.kind == Step::Text)
            drawn.push_back({step.x1, textRect(step)});
    }
    return drawn;
}

void RetainedSurface::record(Step step) {
    QPainter p(&fitImage());
    drawStep(p, step);
    m_steps.push_back(std::move(step));
    update();
}

void RetainedSurface::drawLine(int x1, int y1, int x2, int y2) {
    record({Step::Line, double(x1), double(y1), double(x2), double(y2), m_lineWidth, {}});
}

void RetainedSurface::drawCircle(int x, int y, int radius) {
    record({Step::Circle, double(x), double(y), double(radius), 0, m_lineWidth, {}});
}

double RetainedSurface::averageCharWidth() const {
    return QFontMetricsF(m_font).averageCharWidth() * TwipsPerPixel;
}

double RetainedSurface::lineHeight() const {
    return QFontMetricsF(m_font).height() * TwipsPerPixel;
}

double RetainedSurface::drawText(double x, double y, const QString& text) {
    record({Step::Text, x, y, 0, 0, m_lineWidth, text});
    const double width = QFontMetricsF(m_font).horizontalAdvance(text) * TwipsPerPixel;
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
    fitImage();
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
