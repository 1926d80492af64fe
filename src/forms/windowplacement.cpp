// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <algorithm>

namespace drevant {

namespace {

// `start` moved so that [start, start + length) lies within [low, high), or `low` when the
// length does not fit.
int clampedInto(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

} // namespace

QPoint besidePosition(const QRect& anchor, const QSize& frame, const QRect& available, int gap) {
    const int areaLeft = available.left();
    const int areaRight = available.left() + available.width(); // one past the last pixel
    const int rightStart = anchor.left() + anchor.width() + gap;
    const int leftStart = anchor.left() - gap - frame.width();
    const int roomRight = areaRight - rightStart;
    const int roomLeft = anchor.left() - gap - areaLeft;

    int x = rightStart;
    if (roomRight < frame.width())
        x = roomLeft >= frame.width() || roomLeft > roomRight ? leftStart : rightStart;
    x = clampedInto(x, frame.width(), areaLeft, areaRight);

    const int y = anchor.top() + (anchor.height() - frame.height()) / 2;
    return {x,
            clampedInto(y, frame.height(), available.top(), available.top() + available.height())};
}

} // namespace drevant
