// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/buretteframes.h"

#include <algorithm>
#include <cmath>

namespace drevant {

namespace {

long stepOf(double value, double step) {
    return std::lround(value / step);
}

} // namespace

const BurettePainter& BuretteFrames::painter(BuretteView view, QSize size) {
    for (const Painter& p : m_painters)
        if (p.view == view && p.painter.size() == size)
            return p.painter;
    if (m_painters.size() >= 2 * 3) // the button resized twice: the old sizes are done with
        m_painters.clear();
    m_painters.push_back({view, BurettePainter(view, size)});
    return m_painters.back().painter;
}

BuretteFill BuretteFrames::quantized(const BuretteFill& fill) {
    return {stepOf(fill.deliveredMl, LevelStepMl) * LevelStepMl,
            stepOf(fill.beakerFill, FillStep) * FillStep};
}

const QImage& BuretteFrames::frame(BuretteView view, const BuretteFill& fill, QSize size) {
    const Key key{view, stepOf(fill.deliveredMl, LevelStepMl), stepOf(fill.beakerFill, FillStep),
                  size};
    ++m_uses;
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry& e) { return e.key == key; });
    if (found != m_entries.end()) {
        found->lastUse = m_uses;
        return found->image;
    }
    QImage image = painter(view, size).draw(quantized(fill));
    ++m_drawn;
    if (m_entries.size() < Capacity) {
        m_entries.reserve(Capacity);
        m_entries.push_back({key, std::move(image), m_uses});
        return m_entries.back().image;
    }
    // Full: the picture unused for longest makes room.
    Entry& oldest =
        *std::min_element(m_entries.begin(), m_entries.end(),
                          [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    oldest = {key, std::move(image), m_uses};
    return oldest.image;
}

} // namespace drevant
