// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace drevant {

// The smallest caption size still read comfortably at arm's length, in pixels.
inline constexpr int MinimumCaptionPixels = 8;

// Whether `text` in `font` fits `box`, wrapped at word boundaries when `wrap`.
bool textFits(const QFont& font, const QString& text, const QRect& box, bool wrap);

// `font` when the text fits, else the same face shrunk a pixel at a time until it does, never
// below MinimumCaptionPixels. A caption that is longer than its place thus wraps first (where
// `wrap` and the place has the height) and only then shrinks.
QFont fittedFont(const QFont& font, const QString& text, const QRect& box, bool wrap);

// The place a control's caption is drawn in: a label's contents, an option button's text
// beside its indicator, a push button's contents.
QRect captionBox(const QWidget& control);

} // namespace drevant
