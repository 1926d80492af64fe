// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace drevant::keytool {

// The PNG file of an 8-bit palette image (QImage::Format_Indexed8): the colour table as the
// palette (with the alpha of any colour that is not opaque), the rows unfiltered and
// compressed at zlib level 1. A plot is mostly long runs of one colour, which this writes in
// half the time QImageWriter takes. Empty for an image of another format or no pixels.
QByteArray indexedPng(const QImage& image);

} // namespace drevant::keytool
