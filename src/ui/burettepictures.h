// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

namespace drevant {

// The burette button's pictures, painted in code so that the same pixels come out on every
// machine: a clamped, graduated burette full of blue titrant over a beaker of blue solution.

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

} // namespace drevant
