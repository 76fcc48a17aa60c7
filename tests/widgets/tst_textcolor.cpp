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

TEST(TextColor, KeepsTheDescribedColourOnlyWhereItReads) {
    const struct {
        const char* scheme;
        std::optional<Rgb> described;
        Rgb background;
        Rgb systemText;
        Rgb drawn;
    } cases[] = {
        // The ordinary scheme: dark text on a light face, each drawn as described.
        {"dark red, ordinary", kDarkRed, kButtonFace, kBlack, kDarkRed},
        {"none described", std::nullopt, kButtonFace, kBlack, kBlack},
        // White text on black: fixed dark colours give way to the system's.
        {"dark red on black", kDarkRed, kBlack, kWhite, kWhite},
        {"none on black", std::nullopt, kBlack, kWhite, kWhite},
        // A high-contrast scheme of yellow on black keeps a white that reads there.
        {"white on black, yellow text", kWhite, kBlack, Rgb{255, 255, 0}, kWhite},
        {"white on white", kWhite, kWhite, kBlack, kBlack},
        // At the edge: #767676 on white is 4.54:1, #777777 4.48:1.
        {"4.54:1 reads", Rgb{118, 118, 118}, kWhite, kBlack, Rgb{118, 118, 118}},
        {"4.48:1 doesn't", Rgb{119, 119, 119}, kWhite, kBlack, kBlack},
        // Green counts most, blue least: 15.3:1, 5.25:1 and 2.44:1 on black.
        {"green on black", Rgb{0, 255, 0}, kBlack, kWhite, Rgb{0, 255, 0}},
        {"red on black", Rgb{255, 0, 0}, kBlack, kWhite, Rgb{255, 0, 0}},
        {"blue on black", Rgb{0, 0, 255}, kBlack, kWhite, kWhite},
    };
    for (const auto& c : cases) {
        const Rgb drawn = TextColor(c.described, c.background, c.systemText);
        EXPECT_EQ(drawn, c.drawn) << c.scheme << ": drawn " << drawn.red << "," << drawn.green
                                  << "," << drawn.blue;
    }
}

}  // namespace
}  // namespace kelvane
