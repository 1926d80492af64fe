// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowscale.h"

#include "ui/retainedsurface.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace drevant {

namespace {
constexpr char ScaleProperty[] = "drevantWindowScale";
constexpr double Tolerance = 1e-6;
} // namespace

WindowScale::WindowScale(QWidget& window, QSize clientTwips)
    : QObject(&window), m_window(window), m_client(clientTwips) {
    m_window.setProperty(ScaleProperty, QVariant::fromValue<QObject*>(this));
    m_window.installEventFilter(this);
    m_window.setMinimumSize(clientSize(MinFactor));
    m_window.resize(clientSize(1.0));
    const auto keys = [this](QKeySequence sequence, void (WindowScale::*zoom)()) {
        auto* shortcut = new QShortcut(sequence, &m_window);
        connect(shortcut, &QShortcut::activated, this, zoom);
    };
    keys(QKeySequence::ZoomIn, &WindowScale::zoomIn);
    keys(QKeySequence(Qt::CTRL | Qt::Key_Equal), &WindowScale::zoomIn); // Plus unshifted
    keys(QKeySequence::ZoomOut, &WindowScale::zoomOut);
    keys(QKeySequence(Qt::CTRL | Qt::Key_0), &WindowScale::resetZoom);
}

WindowScale* WindowScale::of(const QWidget* widget) {
    if (!widget)
        return nullptr;
    return qobject_cast<WindowScale*>(widget->window()->property(ScaleProperty).value<QObject*>());
}

int WindowScale::pixels(double twips, double factor) {
    return int(std::lround(twips * factor / TwipsPerPixel));
}

QRect WindowScale::pixelRect(QRect twips, double factor) {
    return QRect(pixels(twips.x(), factor), pixels(twips.y(), factor),
                 pixels(twips.width(), factor), pixels(twips.height(), factor));
}

QFont WindowScale::scaledFont(const QFont& font, double factor) {
    QFont scaled(font);
    if (font.pixelSize() > 0)
        scaled.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * factor))));
    return scaled;
}

QSize WindowScale::clientSize(double factor) const {
    return QSize(pixels(m_client.width(), factor), pixels(m_client.height(), factor));
}

double WindowScale::fittingFactor(QSize client) const {
    return std::min(double(client.width()) * TwipsPerPixel / m_client.width(),
                    double(client.height()) * TwipsPerPixel / m_client.height());
}

void WindowScale::place(QWidget* widget, QRect twips) {
    const auto known = std::find_if(m_placed.begin(), m_placed.end(),
                                    [widget](const Placed& p) { return p.widget == widget; });
    if (known != m_placed.end())
        known->twips = twips;
    else
        m_placed.push_back({widget, twips});
    if (auto* surface = qobject_cast<RetainedSurface*>(widget))
        surface->setScale(m_factor);
    widget->setGeometry(pixelRect(twips, m_factor));
}

void WindowScale::setFont(QWidget* widget, const QFont& font) {
    m_fonts.push_back({widget, font});
    widget->setFont(scaledFont(font, m_factor));
}

void WindowScale::setClientTwips(QSize twips) {
    m_client = twips;
    m_window.setMinimumSize(clientSize(MinFactor));
    m_window.resize(clientSize(m_factor));
}

void WindowScale::apply(double factor) {
    if (std::abs(factor - m_factor) < Tolerance)
        return;
    m_factor = factor;
    for (const Fonted& f : m_fonts)
        f.widget->setFont(scaledFont(f.font, factor));
    for (const Placed& p : m_placed) {
        if (auto* surface = qobject_cast<RetainedSurface*>(p.widget))
            surface->setScale(factor);
        p.widget->setGeometry(pixelRect(p.twips, factor));
    }
}

void WindowScale::setFactor(double factor) {
    factor = std::clamp(factor, MinFactor, MaxFactor);
    if (m_window.isMaximized() || m_window.isFullScreen())
        m_window.showNormal();
    apply(factor);
    m_window.resize(clientSize(factor));
}

void WindowScale::zoomIn() {
    for (const double step : Steps)
        if (step > m_factor + Tolerance) {
            // Up to the screen's available area: a larger window could not be seen whole.
            if (const QScreen* screen = m_window.screen()) {
                const QSize wanted = clientSize(step) + frameExtent();
                const QSize room = screen->availableGeometry().size();
                if (wanted.width() > room.width() || wanted.height() > room.height())
                    return;
            }
            setFactor(step);
            return;
        }
}

void WindowScale::zoomOut() {
    for (auto it = std::rbegin(Steps); it != std::rend(Steps); ++it)
        if (*it < m_factor - Tolerance) {
            setFactor(*it);
            return;
        }
}

void WindowScale::resetZoom() {
    setFactor(1.0);
    fitOnScreen();
}

QSize WindowScale::frameExtent() const {
    const QSize frame = m_window.frameGeometry().size() - m_window.size();
    if (frame.width() > 0 || frame.height() > 0 ||
        QGuiApplication::platformName() == QLatin1String("offscreen"))
        return frame.expandedTo(QSize(0, 0));
    return FrameAllowance; // not framed yet: the window manager adds its frame on showing
}

void WindowScale::fitOnScreen() {
    const QScreen* screen = m_window.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize frame =
        m_window.isVisible() ? m_window.frameGeometry().size() - m_window.size() : FrameAllowance;
    const QSize client = clientSize(m_factor);
    if (client.width() + frame.width() > room.width() ||
        client.height() + frame.height() > room.height())
        setFactor(std::min(m_factor, fittingFactor(room.size() - frame)));
    // Whole on the screen: the frame's top left moved in so that the window ends inside.
    const QSize whole = m_window.size() + frame;
    QPoint at = m_window.pos();
    at.setX(
        std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - whole.width())));
    at.setY(
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - whole.height())));
    if (at != m_window.pos())
        m_window.move(at);
}

bool WindowScale::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window) {
        if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            fitOnScreen();
        } else if (event->type() == QEvent::Resize) {
            const QSize size = m_window.size();
            // A size the keys asked for keeps its exact step; any other size (a dragged edge,
            // maximising) fits the largest layout into it.
            if (size != clientSize(m_factor))
                apply(std::clamp(fittingFactor(size), MinFactor, MaxFactor));
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace drevant
