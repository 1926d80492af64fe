// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <QHash>

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

} // namespace

QImage paletteImage(const QImage& source) {
    const QImage rgb = source.format() == QImage::Format_RGB32
                           ? source
                           : source.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();

    // How often each colour occurs; runs of one colour (most of a plot) cost one lookup.
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int x = 0;
        while (x < width) {
            const QRgb colour = line[x];
            int run = 1;
            while (x + run < width && line[x + run] == colour)
                ++run;
            counts[colour | 0xFF000000u] += run;
            x += run;
        }
    }

    std::vector<std::pair<qint64, QRgb>> byCount;
    byCount.reserve(static_cast<std::size_t>(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.push_back({it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> table;
    QHash<QRgb, uchar> index;
    for (std::size_t i = 0; i < byCount.size() && i < MaxColours; ++i) {
        index.insert(byCount[i].second, static_cast<uchar>(i));
        table << byCount[i].second;
    }
    // A rarer colour is drawn in the nearest kept one; colours within one 8 x 8 x 8 cell of
    // the colour cube share the answer found for the first of them (at most 7 units off
    // per channel), which keeps this cheap on the thousands of antialiased shades.
    QHash<int, uchar> nearestInCell;
    for (std::size_t i = MaxColours; i < byCount.size(); ++i) {
        const QRgb colour = byCount[i].second;
        const int cell =
            (qRed(colour) >> 3) << 10 | (qGreen(colour) >> 3) << 5 | (qBlue(colour) >> 3);
        const auto known = nearestInCell.constFind(cell);
        if (known != nearestInCell.cend()) {
            index.insert(colour, known.value());
            continue;
        }
        int best = 0;
        int bestDistance = distance(colour, table[0]);
        for (int k = 1; k < table.size() && bestDistance > 0; ++k) {
            const int d = distance(colour, table[k]);
            if (d < bestDistance) {
                best = k;
                bestDistance = d;
            }
        }
        nearestInCell.insert(cell, static_cast<uchar>(best));
        index.insert(colour, static_cast<uchar>(best));
    }

    QImage out(width, height, QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* target = out.scanLine(y);
        QRgb last = ~line[0];
        uchar lastIndex = 0;
        for (int x = 0; x < width; ++x) {
            if (line[x] != last) {
                last = line[x];
                lastIndex = index.value(last | 0xFF000000u);
            }
            target[x] = lastIndex;
        }
    }
    return out;
}

} // namespace drevant::keytool
