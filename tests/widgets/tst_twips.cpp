// The one twips-to-pixels rule of every toolkit, at the two DPIs the program meets most.
#include "widgets/twips.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(Twips, RoundEachLengthToTheNearestPixel) {
    const struct {
        int twips;
        int dpi;
        int pixels;
    } lengths[] = {
        {0, 96, 0},   {15, 96, 1}, {7, 96, 0},  {8, 96, 1},  // half a pixel rounds up
        {10, 144, 1}, {5, 144, 1}, {4, 144, 0}, {9015, 144, 902}, {-8, 96, -1}, {-7, 96, 0},
    };
    for (const auto& c : lengths) {
        EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
    }
    // A font's height, in points, rounds as twips do.
    const struct {
        double points;
        int dpi;
        int pixels;
    } fonts[] = {{8.25, 96, 11}, {9.75, 96, 13}, {8.25, 144, 17}, {12, 120, 20}};
    for (const auto& c : fonts) {
        EXPECT_EQ(PointsToPixels(c.points, c.dpi), c.pixels) << c.points << " pt at " << c.dpi;
    }
}

// Each edge converts on its own: 8 twips from 8 end at 16, which rounds to the same pixel as 8,
// so the rectangle is no pixel wide where its width alone would round to one.
TEST(Twips, ConvertARectangleEdgeByEdge) {
    const struct {
        TwipsRect place;
        int dpi;
        PixelRect pixels;
    } cases[] = {
        {{1500, 300, 6555, 315}, 96, {100, 20, 437, 21}},
        {{8, 8, 8, 8}, 96, {1, 1, 0, 0}},
        {{5, 0, 10, 5}, 144, {1, 0, 1, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.place, c.dpi), c.pixels) << c.place.left << " at " << c.dpi;
    }
}

}  // namespace
}  // namespace kelvane
