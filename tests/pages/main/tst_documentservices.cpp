// The POSIX services of the document opener, tried for real: the program's own path, and
// xdg-open found on PATH and started with the document, with no shell between.
#include "pages/main/documentservices.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

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

struct OpenCase {
    const char* name;
    std::string document;  // "@" stands for the fresh folder
    std::string expected;  // the one argument xdg-open is given
};

// Failures name the case.
void PrintTo(const OpenCase& c, std::ostream* out) {
    *out << c.name;
}

class XdgOpenCaseTest : public XdgOpenTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(XdgOpenCaseTest, GivesXdgOpenOneFullPath) {
    auto fill = [this](std::string text) {
        if (const auto at = text.find('@'); at != std::string::npos) {
            text.replace(at, 1, folder.Text());
        }
        return text;
    };
    PlatformDocumentServices().shell->Open(0, fill(GetParam().document));
    ASSERT_TRUE(test::WaitForFile(Marker())) << "xdg-open didn't run";
    EXPECT_EQ(Opened(), fill(GetParam().expected) + "\n");
    EXPECT_FALSE(fs::exists(folder.At("start/injected"))) << "a shell read the name";
}

const OpenCase kOpens[] = {
    // Blanks and shell characters: a shell would split the name or run a part of it.
    {"RelativeFromTheCurrentFolder", "user guide; $(touch injected).pdf",
     "@/start/user guide; $(touch injected).pdf"},
    {"LeadingDashIsNoOption", "-help.pdf", "@/start/-help.pdf"},
    {"FullPathAsItIs", "@/guides/help.pdf", "@/guides/help.pdf"},
};

INSTANTIATE_TEST_SUITE_P(Documents, XdgOpenCaseTest, ::testing::ValuesIn(kOpens),
                         [](const auto& named) { return std::string(named.param.name); });

}  // namespace
}  // namespace kelvane
