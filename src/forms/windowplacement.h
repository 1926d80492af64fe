// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace drevant {

// Gap (pixels) between a window and the one it is placed beside.
inline constexpr int BesideGapPx = 8;

// Where the top-left corner of a window frame of `frame` size goes so that it stands beside
// `anchor` (the frame of the window it belongs to) on a screen whose free area is
// `available`, all in screen pixels: to the right of the anchor when the area has room
// there, else to its left; when neither side has room, on the side with more room, as far
// out as the area allows. Vertically it is centred on the anchor. Either way the window is
// moved fully onto the area (its top-left corner first when it is larger than the area).
QPoint besidePosition(const QRect& anchor, const QSize& frame, const QRect& available,
                      int gap = BesideGapPx);

} // namespace drevant
