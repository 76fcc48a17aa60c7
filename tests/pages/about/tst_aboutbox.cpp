#include "pages/about/aboutbox.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fakeform.h"

namespace kelvane {
namespace {

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The placeholders the dialog carries before its load event.
        form.caption = "About MyApp";
        form.labels = {{"lblTitle", "Application Title"},
                       {"lblVersion", "Version"},
                       {"lblDescription", "App Description"}};
        LoadAboutBox(form);
    }

    test::FakeForm form;
};

TEST_F(AboutBoxTest, SetsCaptionTitleAndVersion) {
    EXPECT_EQ(form.caption, "About Kelvane Text File Merger");
    EXPECT_EQ(form.labels.at("lblTitle"), "Kelvane Text File Merger");
    EXPECT_EQ(form.labels.size(), 3u);
}

TEST_F(AboutBoxTest, VersionMatchesTheBuiltProject) {
    EXPECT_EQ(form.labels.at("lblVersion"), std::string("Version ") + KELVANE_PROJECT_VERSION);
}

TEST_F(AboutBoxTest, DescriptionIsOneParagraphThenAnEmptyLineThenTheAddress) {
    const std::string& text = form.labels.at("lblDescription");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_EQ(text.find('\r'), std::string::npos);

    const auto breaks = text.find("\n\n");
    ASSERT_NE(breaks, std::string::npos);
    const std::string paragraph = text.substr(0, breaks);
    const std::string address = text.substr(breaks + 2);
    EXPECT_TRUE(paragraph.starts_with("Kelvane Text File merger is a useful tool"));
    EXPECT_NE(paragraph.find("windows environment. Just put the text files"), std::string::npos);
    EXPECT_TRUE(paragraph.ends_with("The application looks after the rest!"));
    EXPECT_EQ(address, " www.kelvane.example");
}

TEST_F(AboutBoxTest, LoadingAgainGivesTheSameTexts) {
    const test::FakeForm first = form;
    LoadAboutBox(form);
    EXPECT_EQ(form.caption, first.caption);
    EXPECT_EQ(form.labels, first.labels);
}

}  // namespace
}  // namespace kelvane
