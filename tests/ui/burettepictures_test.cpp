// SPDX-License-Identifier: GPL-3.0-or-later
// The burette's pictures, the application icon and the button's painting at any size.
#include "ui/burettebutton.h"
#include "ui/burettepictures.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace drevant {
namespace {

bool isBlue(QRgb c) {
    return qBlue(c) > qRed(c) + 50 && qBlue(c) > qGreen(c) + 15;
}

double blueFraction(const QImage& image, const QRect& area) {
    int blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            blue += isBlue(image.pixel(x, y));
    return double(blue) / (area.width() * area.height());
}

int distinctColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// Writes the image for a person to look at when DREVANT_SCREENSHOT_DIR names a folder.
void keepScreenshot(const QImage& image, const QString& name) {
    const QString folder = qEnvironmentVariable("DREVANT_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    EXPECT_TRUE(image.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
}

struct PictureCase {
    const char* name;
    QImage (*draw)();
    BuretteRegions (*regions)();
    QSize size;
    bool dripping;
};

class BurettePictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(BurettePictureTest, SizeAndContent) {
    const PictureCase& c = GetParam();
    const QImage image = c.draw();
    keepScreenshot(image, QStringLiteral("picture-") + c.name);
    ASSERT_EQ(image.size(), c.size);
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_EQ(image, c.draw()) << "drawn differently the second time";

    // Shaded glassware, not a flat placeholder.
    EXPECT_GT(distinctColours(image), 1500);
    // Very light background in the corners.
    for (QPoint corner : {QPoint(1, 1), QPoint(image.width() - 2, 1)})
        EXPECT_GT(qGray(image.pixel(corner)), 230);

    const BuretteRegions r = c.regions();
    ASSERT_TRUE(image.rect().contains(r.titrant) && image.rect().contains(r.solution) &&
                image.rect().contains(r.fall));
    EXPECT_GT(blueFraction(image, r.titrant), 0.85) << "titrant in the tube";
    EXPECT_GT(blueFraction(image, r.solution), 0.85) << "solution in the beaker";
    if (c.dripping)
        EXPECT_GT(blueFraction(image, r.fall), 0.08) << "drops under the tip";
    else
        EXPECT_EQ(blueFraction(image, r.fall), 0.0) << "nothing falls from a closed tap";
}

INSTANTIATE_TEST_SUITE_P(
    Drevant, BurettePictureTest,
    ::testing::Values(PictureCase{"closed", closedBuretteImage, closedBuretteRegions,
                                  QSize(199, 541), false},
                      PictureCase{"closedcopy", closedBuretteCopyImage, closedBuretteRegions,
                                  QSize(199, 541), false},
                      PictureCase{"dripping", drippingBuretteImage, drippingBuretteRegions,
                                  QSize(217, 543), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BurettePictures, CopyIsIdenticalButSeparate) {
    const QImage closed = closedBuretteImage();
    const QImage copy = closedBuretteCopyImage();
    EXPECT_EQ(closed, copy);
    EXPECT_NE(closed.constBits(), copy.constBits());
}

// The same burette in both pictures: equal pixels over the graduated tube, different ones
// at the stopcock.
TEST(BurettePictures, OpenAndClosedDifferOnlyWhereTheyShould) {
    const QImage closed = closedBuretteImage();
    const QImage open = drippingBuretteImage();
    const BuretteRegions c = closedBuretteRegions();
    const BuretteRegions o = drippingBuretteRegions();
    ASSERT_EQ(c.titrant.size(), o.titrant.size());
    ASSERT_EQ(c.stopcock.size(), o.stopcock.size());
    EXPECT_EQ(closed.copy(c.titrant), open.copy(o.titrant));

    const QImage closedTap = closed.copy(c.stopcock);
    const QImage openTap = open.copy(o.stopcock);
    int differing = 0;
    for (int y = 0; y < closedTap.height(); ++y)
        for (int x = 0; x < closedTap.width(); ++x)
            differing += closedTap.pixel(x, y) != openTap.pixel(x, y);
    EXPECT_GT(differing, closedTap.width() * closedTap.height() / 8);
}

class ApplicationIconTest : public ::testing::TestWithParam<int> {};

TEST_P(ApplicationIconTest, SquareAndVisible) {
    const int size = GetParam();
    const QImage icon = applicationIconImage(size);
    keepScreenshot(icon, QStringLiteral("icon-%1").arg(size));
    ASSERT_EQ(icon.size(), QSize(size, size));
    int opaque = 0;
    int blue = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb c = icon.pixel(x, y);
            opaque += qAlpha(c) > 128;
            blue += qAlpha(c) > 128 && isBlue(c);
        }
    EXPECT_GT(opaque, size * size / 10);
    EXPECT_GT(blue, size * size / 40);
    EXPECT_EQ(qAlpha(icon.pixel(0, size / 2)), 0) << "transparent around the glassware";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ApplicationIconTest, ::testing::Values(16, 32, 48, 64, 256));

// The button as it paints, at its own size and at others.
QImage grabButton(BuretteButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 90;
    return dark;
}

TEST(BuretteButtonPainting, ThreeFacesAtTheWindowSize) {
    BuretteButton button;
    button.resize(193, 537);
    const QImage normal = grabButton(button);
    QTest::mousePress(&button, Qt::LeftButton, {}, button.rect().center());
    const QImage pressed = grabButton(button);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, button.rect().center());
    button.setEnabled(false);
    const QImage disabled = grabButton(button);
    keepScreenshot(normal, QStringLiteral("button-normal"));
    keepScreenshot(pressed, QStringLiteral("button-pressed"));
    keepScreenshot(disabled, QStringLiteral("button-disabled"));

    const QRect picture(20, 30, 150, 440);     // well inside the picture on every face
    const QRect caption(0, 537 - 26, 193, 24); // the caption's line at the bottom
    for (const QImage* face : {&normal, &pressed, &disabled}) {
        ASSERT_EQ(face->size(), QSize(193, 537));
        EXPECT_GT(distinctColours(*face), 800);
        EXPECT_GT(blueFraction(*face, picture), 0.02);
    }
    EXPECT_GT(darkPixels(normal, caption), 30) << "caption text";
    EXPECT_NE(normal, pressed);
    EXPECT_NE(normal, disabled);
    // The disabled face is faded: its bluest titrant is paler than the normal face's.
    auto deepest = [&](const QImage& image) {
        int darkest = 255;
        for (int y = picture.top(); y <= picture.bottom(); ++y)
            for (int x = picture.left(); x <= picture.right(); ++x)
                if (isBlue(image.pixel(x, y)))
                    darkest = std::min(darkest, qGray(image.pixel(x, y)));
        return darkest;
    };
    EXPECT_GT(deepest(disabled), deepest(normal) + 20);
}

struct SizeCase {
    const char* name;
    QSize size;
};

class BuretteButtonSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BuretteButtonSizeTest, PaintsThePictureAtAnySize) {
    BuretteButton button;
    button.resize(GetParam().size);
    const QImage face = grabButton(button);
    ASSERT_EQ(face.size(), GetParam().size);
    EXPECT_GT(blueFraction(face, face.rect()), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Sizes, BuretteButtonSizeTest,
                         ::testing::Values(SizeCase{"Small", QSize(60, 170)},
                                           SizeCase{"Wide", QSize(500, 540)},
                                           SizeCase{"Large", QSize(400, 1100)}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
