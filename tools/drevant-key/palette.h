// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace drevant::keytool {

// The image with at most 256 colours, for a PNG several times cheaper to write than one of
// full colour. A plot has few colours: every colour is kept exactly when there are at most
// 256, otherwise the 256 most frequent are kept and each rarer one (antialiased edges) is
// drawn in the nearest of them.
QImage paletteImage(const QImage& image);

} // namespace drevant::keytool
