// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace drevant {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor outlineOn(const QColor& window, const QColor& text) {
    const QColor w = window.toRgb();
    const QColor t = readableOn(w, text.toRgb()).toRgb();
    // From halfway between the two towards the text, until the outline contrast is met.
    for (double share = 0.5; share < 1.0; share += 0.05) {
        const QColor mix = QColor::fromRgbF(float(w.redF() + (t.redF() - w.redF()) * share),
                                            float(w.greenF() + (t.greenF() - w.greenF()) * share),
                                            float(w.blueF() + (t.blueF() - w.blueF()) * share));
        if (contrastRatio(mix, w) >= OutlineContrast)
            return mix;
    }
    return t;
}

QColor readableOn(const QColor& background, const QColor& preferred) {
    if (contrastRatio(background, preferred) >= TextContrast)
        return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}

} // namespace drevant
