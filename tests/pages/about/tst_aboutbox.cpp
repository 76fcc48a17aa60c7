#include "pages/about/aboutbox.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakewindow.h"
#include "pages/about/frmaboutdesign.h"

namespace kelvane {
namespace {

// The load sets the caption and the three labels: the version is the built project's, the
// description one paragraph, an empty line and the address.
TEST(AboutBox, LoadSetsTheCaptionAndTheLabels) {
    test::FakeWindow form(frmAboutDesign());
    LoadAboutBox(form);

    EXPECT_EQ(form.caption, "About Kelvane Text File Merger");
    EXPECT_EQ(form.labels.at("lblTitle"), "Kelvane Text File Merger");
    EXPECT_EQ(form.labels.at("lblVersion"), std::string("Version ") + KELVANE_PROJECT_VERSION);
    EXPECT_EQ(form.labels.size(), 3u);
    const std::string& text = form.labels.at("lblDescription");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const auto breaks = text.find("\n\n");
    ASSERT_NE(breaks, std::string::npos);
    const std::string paragraph = text.substr(0, breaks);
    EXPECT_TRUE(paragraph.starts_with("Kelvane Text File merger is a useful tool"));
    EXPECT_NE(paragraph.find("windows environment. Just put the text files"), std::string::npos);
    EXPECT_TRUE(paragraph.ends_with("The application looks after the rest!"));
    EXPECT_EQ(text.substr(breaks + 2), " www.kelvane.example");
}

}  // namespace
}  // namespace kelvane
