// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QRect>
#include <QSize>

#include <iterator>

#include <vector>

class QWidget;

namespace drevant {

// Lays a window out at one zoom factor: every control's place and size (given in twips), its
// font and the drawing on its surfaces scale together, so the window keeps its proportions at
// any size. At factor 1 every control lies where the twips say, to the pixel.
//
// The factor follows the window's size: resizing or maximising the window zooms it to the
// largest factor at which the whole layout fits. Ctrl+Plus, Ctrl+Minus and Ctrl+0 resize the
// window to the next step, the previous step and 100 %. A window never opens larger than its
// screen's available area: it opens at the largest factor up to 1 that fits.
class WindowScale : public QObject {
    Q_OBJECT
public:
    // The zoom steps of the keys.
    static constexpr double Steps[] = {0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};
    static constexpr double MinFactor = Steps[0];
    static constexpr double MaxFactor = Steps[std::size(Steps) - 1];
    // What a window manager's frame is taken to add before the frame is known.
    static constexpr QSize FrameAllowance{16, 48};

    // `window`'s client area is `clientTwips` at factor 1.
    WindowScale(QWidget& window, QSize clientTwips);

    // Places `widget` at `twips` (scaled by the factor from now on).
    void place(QWidget* widget, QRect twips);
    // Gives `widget` the font `font` (sized in pixels) at factor 1, scaled with the rest.
    void setFont(QWidget* widget, const QFont& font);
    // A new client size at factor 1 (a dialog that grows for a message).
    void setClientTwips(QSize twips);
    QSize clientTwips() const { return m_client; }

    double factor() const { return m_factor; }
    // Resizes the window to the layout at `factor` (bounded to the steps' range).
    void setFactor(double factor);
    void zoomIn();
    void zoomOut();
    void resetZoom();

    // The client size at a factor, in pixels.
    QSize clientSize(double factor) const;
    // The largest factor at which the layout fills no more than `client` pixels.
    double fittingFactor(QSize client) const;

    // The pixels of `twips` at a factor, each side rounded as at factor 1.
    static int pixels(double twips, double factor);
    static QRect pixelRect(QRect twips, double factor);
    static QFont scaledFont(const QFont& font, double factor);

    // The layout of the window `widget` belongs to, if it has one.
    static WindowScale* of(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(double factor);
    void fitOnScreen();
    // What the window's frame adds to its size (or is taken to add, before it is framed).
    QSize frameExtent() const;

    struct Placed {
        QWidget* widget;
        QRect twips;
    };
    struct Fonted {
        QWidget* widget;
        QFont font;
    };
    QWidget& m_window;
    QSize m_client;
    double m_factor = 1.0;
    bool m_shown = false;
    std::vector<Placed> m_placed;
    std::vector<Fonted> m_fonts;
};

} // namespace drevant
