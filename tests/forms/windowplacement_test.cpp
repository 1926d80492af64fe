// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/windowplacement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace drevant {
namespace {

struct PlacementRow {
    const char* row;
    QRect anchor;    // the titration window's frame
    QSize frame;     // the dialog's frame
    QRect available; // the screen's free area
    QPoint expected;
};
void PrintTo(const PlacementRow& row, std::ostream* out) {
    *out << row.row;
}

class BesidePlacement : public ::testing::TestWithParam<PlacementRow> {};

const QRect FullHd(0, 0, 1920, 1080);
const QSize Dialog(380, 220);
const QRect Bench(100, 100, 560, 600); // y centre 400: the dialog's top at 290

TEST_P(BesidePlacement, StandsBesideTheAnchorFullyOnTheScreen) {
    const PlacementRow& r = GetParam();
    const QPoint at = besidePosition(r.anchor, r.frame, r.available);
    EXPECT_EQ(at, r.expected);

    const QRect placed(at, r.frame);
    const bool fits =
        r.frame.width() <= r.available.width() && r.frame.height() <= r.available.height();
    if (fits) {
        EXPECT_TRUE(r.available.contains(placed)) << "off the screen";
    }
    const bool roomBeside = r.anchor.left() - BesideGapPx - r.available.left() >= r.frame.width() ||
                            r.available.right() - r.anchor.right() - BesideGapPx >= r.frame.width();
    if (roomBeside) {
        EXPECT_FALSE(placed.intersects(r.anchor)) << "on top of the window it belongs to";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BesidePlacement,
    ::testing::Values(
        PlacementRow{"roomOnTheRight", Bench, Dialog, FullHd, {668, 290}},
        PlacementRow{"exactlyRoomOnTheRight",
                     QRect(964, 100, 560, 600),
                     Dialog,
                     QRect(0, 0, 1912, 1080),
                     {1532, 290}},
        PlacementRow{
            "noRoomOnTheRightSoLeft", QRect(1300, 100, 560, 600), Dialog, FullHd, {912, 290}},
        PlacementRow{
            "windowAtTheRightEdge", QRect(1360, 480, 560, 600), Dialog, FullHd, {972, 670}},
        PlacementRow{"noRoomEitherSideMoreOnTheRight",
                     QRect(0, 0, 549, 562),
                     QSize(369, 213),
                     QRect(0, 0, 800, 600),
                     {431, 174}},
        PlacementRow{"noRoomEitherSideMoreOnTheLeft",
                     QRect(251, 0, 549, 562),
                     QSize(369, 213),
                     QRect(0, 0, 800, 600),
                     {0, 174}},
        PlacementRow{
            "windowAboveTheScreenTop", QRect(100, -400, 560, 600), Dialog, FullHd, {668, 0}},
        PlacementRow{
            "windowBelowTheScreenBottom", QRect(100, 900, 560, 600), Dialog, FullHd, {668, 860}},
        PlacementRow{
            "panelAtTheTop", QRect(100, 0, 560, 200), Dialog, QRect(0, 32, 1920, 1048), {668, 32}},
        PlacementRow{"secondScreen",
                     QRect(2000, 100, 560, 600),
                     Dialog,
                     QRect(1920, 0, 1280, 1024),
                     {2568, 290}},
        PlacementRow{"secondScreenWindowAtItsRightEdge",
                     QRect(2640, 100, 560, 600),
                     Dialog,
                     QRect(1920, 0, 1280, 1024),
                     {2252, 290}},
        PlacementRow{"dialogLargerThanTheScreen",
                     QRect(0, 0, 300, 200),
                     QSize(900, 700),
                     QRect(0, 0, 800, 600),
                     {0, 0}}),
    [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
