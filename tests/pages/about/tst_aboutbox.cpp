#include "pages/about/aboutbox.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

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
    EXPECT_EQ(form.labels,
              (std::map<std::string, std::string>{
                  {"lblTitle", "Kelvane Text File Merger"},
                  {"lblVersion", std::string("Version ") + KELVANE_PROJECT_VERSION},
                  {"lblDescription",
                   "Kelvane Text File merger is a useful tool to merge text files in windows "
                   "environment. Just put the text files to be merged in one folder and give the "
                   "target file name. The application looks after the rest!\n\n "
                   "www.kelvane.example"}}));
}

}  // namespace
}  // namespace kelvane
