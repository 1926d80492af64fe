// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/burettepictures.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

namespace drevant {

// The burette button's pictures drawn at the size it paints them, kept for reuse. A held
// press repaints the button at the display's pace while the level passes a new step only ten
// times a second, so most frames reuse a picture; the few most recent ones are kept.
class BuretteFrames {
public:
    // Steps in which pictures are drawn: 0.1 mL of titrant, 1/1000 of the beaker's depth.
    static constexpr double LevelStepMl = 0.1;
    static constexpr double FillStep = 0.001;
    static constexpr std::size_t Capacity = 12;

    // The fill rounded to those steps: what a picture of that fill shows.
    static BuretteFill quantized(const BuretteFill& fill);

    // The view at the fill (rounded), drawn at the size; valid until the next call.
    const QImage& frame(BuretteView view, const BuretteFill& fill, QSize size);

    // How many pictures have been drawn, for the tests and benchmarks.
    int drawnCount() const { return m_drawn; }

private:
    struct Key {
        BuretteView view;
        long levelStep;
        long fillStep;
        QSize size;
        bool operator==(const Key&) const = default;
    };
    struct Entry {
        Key key;
        QImage image;
        std::uint64_t lastUse;
    };
    struct Painter {
        BuretteView view;
        BurettePainter painter;
    };
    // The painter of the view at the size, made when first needed.
    const BurettePainter& painter(BuretteView view, QSize size);

    std::vector<Entry> m_entries;    // at most Capacity, reserved: no reallocation
    std::vector<Painter> m_painters; // one per view and size in use
    std::uint64_t m_uses = 0;
    int m_drawn = 0;
};

} // namespace drevant
