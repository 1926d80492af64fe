// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/burettelevel.h"

#include <QImage>
#include <QRect>

namespace drevant {

// The burette button's pictures, painted in code so that the same pixels come out on every
// machine: a clamped, graduated burette of blue titrant over a beaker of blue solution. The
// functions without a fill draw the full burette over the sample alone.

// How much the pictures show: the titrant delivered (0 mL: full to the 0 mark; 20 mL: down to
// the last mark) and the beaker's fill as a share of its depth (see beakerFill()).
struct BuretteFill {
    double deliveredMl = 0;
    double beakerFill = BeakerStartFill;
    friend bool operator==(const BuretteFill&, const BuretteFill&) = default;
};

// The three pictures of the button.
enum class BuretteView { Closed, ClosedCopy, Dripping };

// A picture's own size: 199 x 541 closed, 217 x 543 dripping.
QSize buretteImageSize(BuretteView view);

// The picture at the fill, drawn straight at the given size (its own size stretched to it,
// sharper than scaling the picture drawn at its own size).
QImage buretteImage(BuretteView view, const BuretteFill& fill, QSize size);
inline QImage buretteImage(BuretteView view, const BuretteFill& fill) {
    return buretteImage(view, fill, buretteImageSize(view));
}

// Draws one view at one size for many fills: what no fill changes (the stand, the glass, the
// graduations, the stopcock) is drawn once, and each picture only adds the titrant, the beaker
// and the drops. buretteImage() draws through one of these.
class BurettePainter {
public:
    BurettePainter(BuretteView view, QSize size);
    QImage draw(const BuretteFill& fill) const;
    QSize size() const { return m_back.size(); }

private:
    BuretteView m_view;
    QImage m_back;  // background, stand and the glass behind the titrant
    QImage m_front; // over the titrant, on a transparent ground
};

// The normal picture, 199 x 541 pixels: stopcock closed, handle across the tube.
QImage closedBuretteImage();

// A second picture with the same pixels as closedBuretteImage(), in its own image data.
QImage closedBuretteCopyImage();

// 217 x 543 pixels: the same burette (same size, centred on the larger canvas) with the
// stopcock open, handle along the tube, drops falling from the tip and a ripple in the beaker.
QImage drippingBuretteImage();

// A square icon of size x size pixels on a transparent background: a simpler burette over a
// beaker, for the window icon and the desktop entry.
QImage applicationIconImage(int size);

// Where the parts of a picture lie, in that picture's pixels (for the tests).
struct BuretteRegions {
    QRect titrant;  // inside the graduated tube, below the meniscus
    QRect solution; // inside the beaker, below the surface
    QRect stopcock; // the stopcock with its handle in either position
    QRect fall;     // the gap between the end of the tip and the surface, where drops fall
};
BuretteRegions closedBuretteRegions();
BuretteRegions drippingBuretteRegions();
// The same at a fill, in the picture's own pixels; titrant is empty when the burette is.
BuretteRegions buretteRegions(BuretteView view, const BuretteFill& fill);

// The axis of the burette in a picture's own pixels (the meniscus is lowest on it).
double buretteAxisX(BuretteView view);

} // namespace drevant
