// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <algorithm>
#include <vector>

namespace drevant::keytool {

namespace {

constexpr int MaxColours = 256;

int distance(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// The distinct colours of an image, numbered in the order first seen, in an open-addressing
// table: a plot has thousands of antialiased shades met hundreds of thousands of times, where
// QHash cost as much as the rest of the conversion. Every colour is stored opaque, so the
// key 0 (transparent black) marks an empty place.
class ColourNumbers {
public:
    ColourNumbers() : m_keys(InitialCapacity, 0), m_numbers(InitialCapacity, 0) {}

    // The colour's number; a new colour gets the next one.
    int numberOf(QRgb opaque) {
        std::size_t at = place(opaque);
        if (m_keys[at] == opaque)
            return m_numbers[at];
        // Grown at half full; the load factor changes the speed, never a number.
        if (2 * (m_colours.size() + 1) > m_keys.size()) { // mutants: skip (load factor)
            grow();
            at = place(opaque);
        }
        m_keys[at] = opaque;
        m_numbers[at] = static_cast<int>(m_colours.size());
        m_colours.push_back(opaque);
        return m_numbers[at];
    }

    const std::vector<QRgb>& colours() const { return m_colours; }

private:
    static constexpr std::size_t InitialCapacity = 4096; // a power of two

    // Where the colour is, or the empty place where it would go.
    std::size_t place(QRgb key) const {
        const std::size_t mask = m_keys.size() - 1;
        std::size_t at = (key * 0x9E3779B1u) >> 7 & mask;
        while (m_keys[at] != key && m_keys[at] != 0)
            at = (at + 1) & mask;
        return at;
    }

    void grow() {
        std::vector<QRgb> keys(m_keys.size() * 2, 0);
        std::vector<int> numbers(keys.size(), 0);
        m_keys.swap(keys);
        m_numbers.swap(numbers);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] != 0) { // mutants: skip (an opaque colour is never 0 or 1)
                const std::size_t at = place(keys[i]);
                m_keys[at] = keys[i];
                m_numbers[at] = numbers[i];
            }
        }
    }

    std::vector<QRgb> m_keys;
    std::vector<int> m_numbers;
    std::vector<QRgb> m_colours; // by number
};

// A row of pixels as runs of one colour: a plot is mostly long runs, so the rows are scanned
// once and every later step works on runs.
struct Run {
    int length;
    int number; // the colour's number
};

std::vector<Run> runsOf(const QImage& rgb, ColourNumbers& numbers) {
    std::vector<Run> runs;
    runs.reserve(static_cast<std::size_t>(rgb.height()) * 64);
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int x = 0;
        while (x < width) {
            const QRgb colour = line[x];
            int length = 1;
            while (x + length < width && line[x + length] == colour)
                ++length;
            runs.push_back({length, numbers.numberOf(colour | 0xFF000000u)});
            x += length;
        }
    }
    return runs;
}

} // namespace

QImage paletteImage(const QImage& source) {
    const QImage rgb = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);

    // How often each colour occurs; a run of one colour (most of a plot) costs one lookup.
    ColourNumbers numbers;
    const std::vector<Run> runs = runsOf(rgb, numbers);
    const std::vector<QRgb>& colours = numbers.colours();
    std::vector<qint64> counts(colours.size(), 0);
    for (const Run& run : runs)
        counts[static_cast<std::size_t>(run.number)] += run.length;

    // The colours by falling count (equal counts by colour value, so the result depends on
    // the image alone); the first 256 are the palette.
    std::vector<int> byCount(colours.size());
    for (std::size_t i = 0; i < byCount.size(); ++i)
        byCount[i] = static_cast<int>(i);
    std::sort(byCount.begin(), byCount.end(), [&](int a, int b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : colours[a] < colours[b];
    });
    QList<QRgb> table;
    std::vector<uchar> paletteIndex(colours.size(), 0); // by colour number
    for (std::size_t i = 0; i < byCount.size() && i < MaxColours; ++i) {
        paletteIndex[static_cast<std::size_t>(byCount[i])] = static_cast<uchar>(i);
        table << colours[static_cast<std::size_t>(byCount[i])];
    }
    // A rarer colour is drawn in the nearest kept one; colours within one 8 x 8 x 8 cell of
    // the colour cube share the answer found for the first of them (at most 7 units off
    // per channel), which keeps this cheap on the thousands of antialiased shades.
    std::vector<int> nearestInCell(32 * 32 * 32, -1);
    for (std::size_t i = MaxColours; i < byCount.size(); ++i) {
        const int number = byCount[i];
        const QRgb colour = colours[static_cast<std::size_t>(number)];
        const int cell =
            (qRed(colour) >> 3) << 10 | (qGreen(colour) >> 3) << 5 | (qBlue(colour) >> 3);
        int& known = nearestInCell[static_cast<std::size_t>(cell)];
        if (known < 0) {
            int best = 0;
            int bestDistance = distance(colour, table[0]);
            for (int k = 1; k < table.size() && bestDistance > 0; ++k) {
                const int d = distance(colour, table[k]);
                if (d < bestDistance) {
                    best = k;
                    bestDistance = d;
                }
            }
            known = best;
        }
        paletteIndex[static_cast<std::size_t>(number)] = static_cast<uchar>(known);
    }

    QImage out(rgb.width(), rgb.height(), QImage::Format_Indexed8);
    out.setColorTable(table);
    // Runs never cross a row's end, and the rows lie one after another in the runs.
    auto run = runs.cbegin();
    const int width = out.width();
    for (int y = 0; y < out.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < width; x += (run++)->length)
            std::fill_n(line + x, run->length, paletteIndex[static_cast<std::size_t>(run->number)]);
    }
    return out;
}

} // namespace drevant::keytool
