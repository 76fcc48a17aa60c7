// The POSIX services of the document opener, tried for real: the program's own path, and
// xdg-open found on PATH and started with the document, with no shell between.
#include "pages/main/documentservices.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

TEST(DocumentServicesPosix, ProgramPathIsThisTestProgram) {
    const std::string path = PlatformDocumentServices().location->ProgramPath();
    EXPECT_TRUE(fs::path(path).is_absolute()) << path;
    EXPECT_EQ(fs::path(path).filename(), "tst_documentservices");
    EXPECT_TRUE(fs::is_regular_file(path)) << path;
}

// Runs with PATH holding only a folder whose xdg-open records its arguments, one a line, and
// with the current folder set to a fresh folder; both are restored afterwards.
class XdgOpenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* path = std::getenv("PATH");
        savedPath_ = path != nullptr ? path : "";
        savedFolder_ = fs::current_path();
        const std::string bin = folder.MakeFolder("bin");
        const std::string opener = folder.Write(
            "bin/xdg-open", "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$@\" > '" + Marker() +
                                ".tmp'\nmv '" + Marker() + ".tmp' '" + Marker() + "'\n");
        fs::permissions(opener, fs::perms::owner_all);
        setenv("PATH", bin.c_str(), 1);
        fs::current_path(folder.MakeFolder("start"));
    }
    void TearDown() override {
        fs::current_path(savedFolder_);
        setenv("PATH", savedPath_.c_str(), 1);
    }

    std::string Marker() const { return folder.At("opened"); }
    std::string Opened() {
        std::ifstream in(Marker());
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    test::TempFolder folder;

  private:
    std::string savedPath_;
    fs::path savedFolder_;
};

// Blanks and shell characters: a shell would split the name or run a part of it. "@" stands for
// the fresh folder.
TEST_F(XdgOpenTest, GivesXdgOpenOneFullPathWithNoShellBetween) {
    const std::pair<std::string, std::string> kOpens[] = {
        {"user guide; $(touch injected).pdf", "/start/user guide; $(touch injected).pdf"},
        {"@/guides/help.pdf", "/guides/help.pdf"},
    };
    for (auto [document, expected] : kOpens) {
        SCOPED_TRACE(document);
        fs::remove(Marker());
        if (document[0] == '@') {
            document.replace(0, 1, folder.Text());
        }
        PlatformDocumentServices().shell->Open(0, document);
        ASSERT_TRUE(test::WaitForFile(Marker())) << "xdg-open didn't run";
        EXPECT_EQ(Opened(), folder.Text() + expected + "\n");
        EXPECT_FALSE(fs::exists(folder.At("start/injected"))) << "a shell read the name";
    }
}

}  // namespace
}  // namespace kelvane
