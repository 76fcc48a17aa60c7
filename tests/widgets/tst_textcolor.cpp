// The one rule of text colours of every toolkit: a described colour is kept where it reads on the
// background drawn, and gives way to the system's text colour where it doesn't.
#include "widgets/textcolor.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kDarkRed{128, 0, 0};
const Rgb kButtonFace{240, 240, 240};

struct ColorCase {
    const char* scheme;
    std::optional<Rgb> described;
    Rgb background;
    Rgb systemText;
    Rgb drawn;
};

class TextColorTest : public testing::TestWithParam<ColorCase> {};

TEST_P(TextColorTest, KeepsTheDescribedColourOnlyWhereItReads) {
    const ColorCase& c = GetParam();
    const Rgb drawn = TextColor(c.described, c.background, c.systemText);
    EXPECT_EQ(drawn, c.drawn) << c.scheme << ": drawn " << drawn.red << "," << drawn.green << ","
                              << drawn.blue;
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, TextColorTest,
    testing::Values(
        // The ordinary scheme: dark text on a light face, each drawn as described.
        ColorCase{"dark red, ordinary", kDarkRed, kButtonFace, kBlack, kDarkRed},
        ColorCase{"black, ordinary", kBlack, kButtonFace, kBlack, kBlack},
        ColorCase{"none described", std::nullopt, kButtonFace, kBlack, kBlack},
        // White text on black: fixed dark colours give way to the system's.
        ColorCase{"black on black", kBlack, kBlack, kWhite, kWhite},
        ColorCase{"dark red on black", kDarkRed, kBlack, kWhite, kWhite},
        ColorCase{"white on black", kWhite, kBlack, kWhite, kWhite},
        ColorCase{"none on black", std::nullopt, kBlack, kWhite, kWhite},
        // A high-contrast scheme of yellow on black keeps a white that reads there.
        ColorCase{"white on black, yellow text", kWhite, kBlack, Rgb{255, 255, 0}, kWhite},
        ColorCase{"white on white", kWhite, kWhite, kBlack, kBlack},
        // At the edge: #767676 on white is 4.54:1, #777777 4.48:1.
        ColorCase{"4.54:1 reads", Rgb{118, 118, 118}, kWhite, kBlack, Rgb{118, 118, 118}},
        ColorCase{"4.48:1 doesn't", Rgb{119, 119, 119}, kWhite, kBlack, kBlack}));

TEST(ContrastRatioTest, RunsFromOneForTheSameColourToTwentyOneForBlackAndWhite) {
    EXPECT_DOUBLE_EQ(ContrastRatio(kDarkRed, kDarkRed), 1.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
    // Green counts most, blue least.
    EXPECT_NEAR(ContrastRatio(kDarkRed, kBlack), 1.92, 0.01);
    EXPECT_NEAR(ContrastRatio(Rgb{0, 255, 0}, kBlack), 15.3, 0.01);
    EXPECT_NEAR(ContrastRatio(Rgb{0, 0, 255}, kBlack), 2.44, 0.01);
}

}  // namespace
}  // namespace kelvane
