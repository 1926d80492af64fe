// SPDX-License-Identifier: GPL-3.0-or-later
#include "pngencoder.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

// Any palette image, of any size and palette (opaque or not), is read back by Qt's own PNG
// reader pixel for pixel.
TEST(IndexedPng, EveryImageReadsBackAsWritten) {
    QRandomGenerator random(20261209);
    for (int round = 0; round < 60; ++round) {
        const int width = 1 + random.bounded(70);
        const int height = 1 + random.bounded(40);
        const int colourCount = 1 + random.bounded(256);
        const bool translucent = round % 4 == 3;
        QList<QRgb> table;
        for (int i = 0; i < colourCount; ++i) {
            const QRgb rgb = random.generate() & 0xFFFFFFu;
            table << (rgb | (translucent ? random.bounded(256u) : 255u) << 24);
        }
        QImage image(width, height, QImage::Format_Indexed8);
        image.setColorTable(table);
        // Runs of one index, as in a plot, and scattered single pixels.
        for (int y = 0; y < height; ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < width; ++x)
                line[x] = random.bounded(4) == 0 || x == 0
                              ? static_cast<uchar>(random.bounded(colourCount))
                              : line[x - 1];
        }

        const QByteArray png = indexedPng(image);
        QImage back;
        ASSERT_TRUE(back.loadFromData(png, "PNG")) << "round " << round;
        ASSERT_EQ(back.size(), image.size());
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ASSERT_EQ(back.pixel(x, y), image.pixel(x, y))
                    << "round " << round << " at " << x << "," << y;
            }
        }
    }
}

TEST(IndexedPng, OtherFormatsAreNotWritten) {
    EXPECT_TRUE(indexedPng(QImage(4, 4, QImage::Format_RGB32)).isEmpty());
    EXPECT_TRUE(indexedPng(QImage()).isEmpty());
}

} // namespace
} // namespace drevant::keytool
