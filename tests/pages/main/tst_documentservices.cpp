// The POSIX services of the document opener, tried for real: xdg-open found on PATH and started
// with the document, with no shell between. The program's own path is tried where Help finds the
// installed guide (tests/data).
#include "pages/main/documentservices.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "tempfolder.h"
#include "waitforfile.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// A document named from the current folder, with blanks and shell characters: a shell would
// split the name or run a part of it. The only xdg-open on PATH records its arguments, one a
// line.
TEST(DocumentServicesPosix, GivesXdgOpenOneFullPathWithNoShellBetween) {
    test::TempFolder folder;
    const std::string marker = folder.At("opened");
    const std::string bin = folder.MakeFolder("bin");
    fs::permissions(folder.Write("bin/xdg-open",
                                 "#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' "
                                 "\"$@\" > '" +
                                     marker + ".tmp'\nmv '" + marker + ".tmp' '" + marker + "'\n"),
                    fs::perms::owner_all);
    const std::string savedPath = std::getenv("PATH");
    const fs::path savedFolder = fs::current_path();
    setenv("PATH", bin.c_str(), 1);
    fs::current_path(folder.MakeFolder("start"));
    PlatformDocumentServices().shell->Open(0, "user guide; $(touch injected).pdf");
    fs::current_path(savedFolder);
    setenv("PATH", savedPath.c_str(), 1);

    ASSERT_TRUE(test::WaitForFile(marker)) << "xdg-open didn't run";
    EXPECT_EQ(folder.Read("opened"), folder.Text() + "/start/user guide; $(touch injected).pdf\n");
    EXPECT_FALSE(fs::exists(folder.At("start/injected"))) << "a shell read the name";
}

}  // namespace
}  // namespace kelvane
