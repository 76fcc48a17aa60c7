// The one twips-to-pixels rule of every toolkit, at the two DPIs the program meets most.
#include "widgets/twips.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

struct TwipsCase {
    int twips;
    int dpi;
    int pixels;
};

class TwipsToPixelsTest : public testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixelsTest, RoundsToTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(At96And144Dpi, TwipsToPixelsTest,
                         testing::Values(TwipsCase{0, 96, 0}, TwipsCase{15, 96, 1},
                                         TwipsCase{7, 96, 0},
                                         TwipsCase{8, 96, 1},  // half a pixel rounds up
                                         TwipsCase{9015, 96, 601}, TwipsCase{6165, 96, 411},
                                         TwipsCase{765, 96, 51}, TwipsCase{10, 144, 1},
                                         TwipsCase{5, 144, 1}, TwipsCase{4, 144, 0},
                                         TwipsCase{9015, 144, 902}, TwipsCase{6165, 144, 617},
                                         TwipsCase{-8, 96, -1}, TwipsCase{-7, 96, 0}));

struct PointsCase {
    double points;
    int dpi;
    int pixels;
};

class PointsToPixelsTest : public testing::TestWithParam<PointsCase> {};

TEST_P(PointsToPixelsTest, GivesAFontsHeightRoundedAsTwipsAre) {
    EXPECT_EQ(PointsToPixels(GetParam().points, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(At96And144Dpi, PointsToPixelsTest,
                         testing::Values(PointsCase{8.25, 96, 11}, PointsCase{9.75, 96, 13},
                                         PointsCase{8.25, 144, 17},  // 16.5 rounds up
                                         PointsCase{9.75, 144, 20}, PointsCase{12, 120, 20}));

struct RectCase {
    TwipsRect place;
    int dpi;
    PixelRect pixels;
};

class TwipsRectTest : public testing::TestWithParam<RectCase> {};

TEST_P(TwipsRectTest, ConvertsEachEdgeOnItsOwn) {
    EXPECT_EQ(TwipsToPixels(GetParam().place, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(
    At96And144Dpi, TwipsRectTest,
    testing::Values(RectCase{{1500, 300, 6555, 315}, 96, {100, 20, 437, 21}},
                    RectCase{{1500, 300, 6555, 315}, 144, {150, 30, 656, 32}},
                    // Width 7 twips from 8: each edge rounds alone, so the rectangle's right
                    // edge sits where a neighbour starting at 15 twips begins.
                    RectCase{{8, 8, 7, 7}, 96, {1, 1, 0, 0}},
                    RectCase{{5, 0, 10, 5}, 144, {1, 0, 1, 1}}));

}  // namespace
}  // namespace kelvane
