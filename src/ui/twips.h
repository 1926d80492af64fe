// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace drevant {

// Window layouts are given in twips; at 96 DPI one logical pixel is 15 twips, and Qt scales
// logical pixels for high-DPI screens.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace drevant
