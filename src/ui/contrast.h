// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace drevant {

// WCAG 2.1 relative luminance of an opaque colour (0 for black, 1 for white).
double relativeLuminance(const QColor& colour);
// WCAG 2.1 contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double contrastRatio(const QColor& a, const QColor& b);

// The contrast that text needs against its background (WCAG 2.1, 1.4.3, normal text).
inline constexpr double TextContrast = 4.5;

// The contrast that a control's outline needs against the window (WCAG 2.1, 1.4.11).
inline constexpr double OutlineContrast = 3.0;

// An outline colour for controls on `window`: `text` blended into `window` no further than
// keeps at least the outline contrast (a softer line than the text where the two allow).
QColor outlineOn(const QColor& window, const QColor& text);

// `preferred` when it reaches the text contrast on `background`, else black or white,
// whichever contrasts more.
QColor readableOn(const QColor& background, const QColor& preferred);

} // namespace drevant
