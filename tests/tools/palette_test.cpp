// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <QHash>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

namespace drevant::keytool {
namespace {

int distance(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// Random images of runs, with few colours (kept exactly) or thousands of rare ones besides a
// few common ones: the 256 most frequent colours are kept exactly, and every other pixel
// becomes a kept colour close to the nearest kept one (colours in one 8 x 8 x 8 cell share
// an answer, so at most two cell diagonals farther).
TEST(PaletteImage, KeepsTheCommonColoursAndMapsTheRestNearby) {
    QRandomGenerator random(1209);
    for (const int colourCount : {1, 2, 200, 256, 257, 5000}) {
        QList<QRgb> colours;
        for (int i = 0; i < colourCount; ++i)
            colours << (0xFF000000u | (random.generate() & 0xFFFFFFu));
        const int width = 1 + random.bounded(300);
        const int height = 1 + random.bounded(200);
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                // Half the pixels in one of 16 common colours, the others in any colour.
                const int pick =
                    random.bounded(random.bounded(2) ? std::min(16, colourCount) : colourCount);
                line[x] = x > 0 && random.bounded(3) != 0 ? line[x - 1] : colours[pick];
            }
        }

        QHash<QRgb, int> counts;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                ++counts[image.pixel(x, y)];

        const QImage out = paletteImage(image);
        ASSERT_EQ(out.format(), QImage::Format_Indexed8);
        ASSERT_EQ(out.size(), image.size());
        const QList<QRgb> table = out.colorTable();
        ASSERT_EQ(table.size(), std::min<qsizetype>(counts.size(), 256));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb in = image.pixel(x, y);
                const QRgb kept = out.pixel(x, y);
                if (table.contains(in)) {
                    ASSERT_EQ(kept, in) << colourCount << " colours, at " << x << "," << y;
                } else {
                    int nearest = INT_MAX;
                    for (QRgb t : table)
                        nearest = std::min(nearest, distance(in, t));
                    ASSERT_LE(std::sqrt(distance(in, kept)),
                              std::sqrt(nearest) + 2 * 7 * std::sqrt(3.0) + 1e-9)
                        << colourCount << " colours, at " << x << "," << y;
                }
            }
        }
        // No colour left out is more frequent than one kept.
        qint64 rarestKept = LLONG_MAX;
        qint64 commonestDropped = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (table.contains(it.key()))
                rarestKept = std::min<qint64>(rarestKept, it.value());
            else
                commonestDropped = std::max<qint64>(commonestDropped, it.value());
        }
        EXPECT_LE(commonestDropped, rarestKept) << colourCount << " colours";
    }
}

} // namespace
} // namespace drevant::keytool
